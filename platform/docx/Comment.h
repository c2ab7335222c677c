#pragma once
// Comments: a text of its own attached to a place of the main text (its scope, between two markers)
// with a mark (its reference).

#include "platform/docx/Collection.h"
#include "platform/docx/Range.h"

#include <optional>
#include <string>
#include <vector>

namespace kovelund::docx {

/// One comment; a handle valid while its document is open (a deleted comment reads as empty).
class Comment {
public:
    Comment() = default;
    Comment(detail::DocumentState* doc, detail::Node comment) : doc_(doc), comment_(comment) {}

    /// The comment's own text (its paragraphs, joined by CR, without a final CR).
    docx::Range Range() const;
    /// The insertion point at the comment's mark in the main text.
    docx::Range Reference() const;
    /// The text the comment refers to; empty at the mark when the comment has no range markers.
    docx::Range Scope() const;
    /// Shorthand for Range().Text().
    std::string Text() const;
    /// Removes the comment and its markers.
    void Delete();
    int Id() const;
    bool operator==(const Comment& other) const { return comment_ == other.comment_; }

private:
    detail::DocumentState* doc_ = nullptr;
    detail::Node comment_ = nullptr;
};

/// The comments of the main text in document order (by the position of their start marker, or of
/// their mark when they have none).
class Comments {
public:
    explicit Comments(detail::DocumentState* doc) : doc_(doc) {}
    int Count() const;
    /// Item(1) is the first; an index outside 1 ... Count() throws 5941.
    Comment Item(int index) const;
    /// Attaches a new comment by "Kovelund" with `text` to `range` (a cell or table: its whole text);
    /// creates the comments part, its relationship and content type when the document has none.
    Comment Add(const docx::Range& range, const std::string& text);
    CollectionIterator<Comments, Comment> begin() const { return {this, 1}; }
    CollectionIterator<Comments, Comment> end() const { return {this, Count() + 1}; }

private:
    detail::DocumentState* doc_;
};

/// The comments attached to one range, ordered by their start; found when first counted or read,
/// so that only adding comments costs no look-up.
class CommentsInRange {
public:
    explicit CommentsInRange(docx::Range range) : range_(range) {}
    int Count() const { return static_cast<int>(Found().size()); }
    /// Item(1) is the first; an index outside 1 ... Count() throws 5941.
    Comment Item(int index) const;
    /// As Comments::Add; the comment goes on `range` (usually the selection's range).
    Comment Add(const docx::Range& range, const std::string& text);
    CollectionIterator<CommentsInRange, Comment> begin() const { return {this, 1}; }
    CollectionIterator<CommentsInRange, Comment> end() const { return {this, Count() + 1}; }

private:
    const std::vector<Comment>& Found() const;

    docx::Range range_;
    mutable std::optional<std::vector<Comment>> comments_;
};

} // namespace kovelund::docx
