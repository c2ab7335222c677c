#include "platform/docx/Bookmark.h"

#include "platform/docx/DocxError.h"
#include "platform/docx/detail/DocumentState.h"
#include "platform/docx/detail/Xml.h"

#include <algorithm>
#include <cctype>

namespace kovelund::docx {

using namespace detail;

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool ValidName(const std::string& name) {
    if (name.empty() || name.size() > 40) return false;
    auto letter = [](unsigned char c) { return std::isalpha(c) || c >= 0x80; };
    if (!letter(static_cast<unsigned char>(name[0])) && name[0] != '_') return false;
    return std::all_of(name.begin(), name.end(), [&](char c) {
        auto u = static_cast<unsigned char>(c);
        return letter(u) || std::isdigit(u) || c == '_';
    });
}

pugi::xml_node StartNamed(pugi::xml_node body, std::string_view name) {
    for (pugi::xpath_node b : body.select_nodes(".//w:bookmarkStart"))
        if (SameName(b.node().attribute("w:name").value(), name)) return b.node();
    return {};
}

pugi::xml_node EndOf(pugi::xml_node body, pugi::xml_node start) {
    std::string id = start.attribute("w:id").value();
    for (pugi::xpath_node e : body.select_nodes(".//w:bookmarkEnd"))
        if (id == e.node().attribute("w:id").value()) return e.node();
    return {};
}

} // namespace

int Bookmarks::Count() const {
    return static_cast<int>(doc_->Body().select_nodes(".//w:bookmarkStart").size());
}

bool Bookmarks::Exists(std::string_view name) const {
    return static_cast<bool>(StartNamed(doc_->Body(), name));
}

void Bookmarks::Add(const std::string& name, const Range& range) {
    if (!ValidName(name))
        throw DocxError(error::BadParameter, "Bookmarks.Add: '" + name + "' is no valid bookmark name");
    if (!range.State())
        throw DocxError(error::NotAvailable, "Bookmarks.Add: the range belongs to no document");
    Point from = InlineStart(range.Start()), to = InlineEnd(range.End());
    if (!ParagraphOf(from) || !ParagraphOf(to))
        throw DocxError(error::NotAvailable, "Bookmarks.Add: the range holds no text");
    to = SplitToParagraph(to);
    from = SplitToParagraph(from);
    if (pugi::xml_node old = StartNamed(doc_->Body(), name)) {
        // The range may begin or end right at the old markers: step past them before they go.
        pugi::xml_node end = EndOf(doc_->Body(), old);
        for (Point* p : {&from, &to})
            while (p->before && (N(p->before) == old || N(p->before) == end))
                p->before = R(N(p->before).next_sibling());
        if (end) Discard(end);
        Discard(old);
    }
    std::string id = std::to_string(doc_->NextBookmarkId());
    pugi::xml_node start = InsertAt(from, "w:bookmarkStart");
    Set(start, "w:id", id);
    Set(start, "w:name", name);
    Set(InsertAt(to, "w:bookmarkEnd"), "w:id", id);
    doc_->Changed();
}

Range Bookmarks::Item(std::string_view name) const {
    pugi::xml_node start = StartNamed(doc_->Body(), name);
    pugi::xml_node end = start ? EndOf(doc_->Body(), start) : pugi::xml_node();
    if (!end)
        throw DocxError(error::NoSuchMember, "Bookmarks('" + std::string(name) + "'): no such bookmark");
    return {doc_, After(start), Before(end)};
}

} // namespace kovelund::docx
