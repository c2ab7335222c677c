#pragma once
// Where each comment sits in the main text and which cells and tables it is attached to, built in
// one walk over the body so that asking a cell for its comments costs no scan of all comments.

#include <pugixml.hpp>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kovelund::docx::detail {

struct CommentPlace {
    int id = 0;
    pugi::xml_node comment;   // w:comment in the comments part
    pugi::xml_node start;     // w:commentRangeStart, may be empty
    pugi::xml_node end;       // w:commentRangeEnd, may be empty
    pugi::xml_node reference; // the w:r holding w:commentReference, may be empty
    std::uint32_t first = 0;  // interval in document order (start marker, else the mark)
    std::uint32_t last = 0;
};

class CommentIndex {
public:
    /// Indexes the comments of `comments` (may be empty) as they sit in `body`; comments without
    /// any marker in the body are left out.
    void Build(pugi::xml_node body, pugi::xml_node comments);

    /// In document order.
    const std::vector<CommentPlace>& Ordered() const { return ordered_; }
    const CommentPlace* ById(int id) const;
    const CommentPlace* ByComment(pugi::xml_node comment) const;
    /// Positions in Ordered() of the comments attached to a cell or table, by their start.
    const std::vector<std::size_t>& Attached(pugi::xml_node cellOrTable) const;
    /// The largest id among comments and markers, -1 without any.
    int MaxId() const { return maxId_; }
    /// The id of the first comment mark in the body whose comment is missing; -1 when none is.
    int Unmatched() const { return unmatched_; }

private:
    std::vector<CommentPlace> ordered_;
    std::unordered_map<int, std::size_t> byId_;
    std::unordered_map<pugi::xml_node_struct*, std::vector<std::size_t>> attached_;
    int maxId_ = -1;
    int unmatched_ = -1;
};

} // namespace kovelund::docx::detail
