#pragma once
// The internals of one open document: the package, its parsed parts, the main part's body, the
// comment index and the bookkeeping that every object handle reaches through its state pointer.

#include "platform/docx/detail/CommentIndex.h"
#include "platform/docx/detail/Package.h"

#include <pugixml.hpp>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kovelund::docx {
class Selection;
}

namespace kovelund::docx::detail {

/// One XML part of the package, parsed once; `dirty` parts are serialised on saving.
struct Part {
    std::string name;
    /// The part's bytes as read: parsed in place, so the tree's names and texts point into them.
    std::string source;
    pugi::xml_document xml;
    bool dirty = false;
    bool added = false;
};

class DocumentState {
public:
    DocumentState(std::string bytes, std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }
    void SetPath(std::filesystem::path path) { path_ = std::move(path); }
    /// The bytes of the package with every changed part serialised anew.
    std::string Bytes();
    void Saved() { modified_ = false; }
    /// The serialised XML of a part (read on demand); an unknown part throws 5941.
    std::string PartXml(const std::string& name);
    bool Modified() const { return modified_; }

    pugi::xml_node Body() const { return body_; }
    Part& Main() { return *main_; }
    /// The comments part, or null when the document has none.
    Part* CommentsPart() { return comments_; }
    /// The comments part, created with its relationship and content type when missing.
    Part& EnsureCommentsPart();
    /// The document elements of the header and footer parts (read for drawing ids only).
    std::vector<pugi::xml_node> HeaderFooterRoots();
    /// The styles part's w:styles element, read on first use; null when the document has none.
    pugi::xml_node Styles();

    /// Records a change of a part: it will be written, and every index is rebuilt when next asked.
    void Changed(Part& part);
    /// Records a change of the main part.
    void Changed() { Changed(*main_); }
    /// Rebuilds a table's grid after its widths changed: at once when the grid depends on more than
    /// the widths, else once before the document is written, so a run of width changes costs one.
    /// Callers record the change with Changed() right after.
    void WidthsChanged(pugi::xml_node table);
    std::uint64_t Generation() const { return generation_; }

    /// The comment index for the current state of the document.
    const CommentIndex& Comments();
    /// The tables of the main text in document order.
    const std::vector<pugi::xml_node>& Tables();

    int NextCommentId();
    int NextBookmarkId();
    int NextDrawingId();

    docx::Selection* selection = nullptr;

private:
    Part& Load(const std::string& name, bool required);
    std::optional<std::string> RelationshipTarget(const std::string& relsOf, const std::string& typeSuffix);
    void CheckMainPart();
    void CheckComments();
    void RebuildStaleGrids();

    std::filesystem::path path_;
    Package package_;
    std::uint64_t budget_;
    std::map<std::string, std::unique_ptr<Part>> parts_;
    Part* main_ = nullptr;
    Part* comments_ = nullptr;
    pugi::xml_node body_;
    bool modified_ = false;
    std::uint64_t generation_ = 1;
    CommentIndex commentIndex_;
    std::uint64_t commentGeneration_ = 0;
    std::vector<pugi::xml_node> tables_;
    std::uint64_t tableGeneration_ = 0;
    int lastCommentId_ = -1;
    std::vector<pugi::xml_node> staleGrids_;
    std::uint64_t widthsGeneration_ = 0;
};

/// Part names: "/word/x.xml" and "word/x.xml" name the same entry; a relationship target is
/// resolved against the folder of its source part.
std::string ResolveTarget(const std::string& sourcePart, const std::string& target);

} // namespace kovelund::docx::detail
