#include "platform/docx/detail/CommentIndex.h"

#include "platform/docx/detail/Xml.h"

#include <algorithm>

namespace kovelund::docx::detail {

namespace {

struct Span {
    pugi::xml_node node;
    std::uint32_t first = 0;
    std::uint32_t last = 0;
};

struct Mark {
    pugi::xml_node node;
    std::uint32_t ordinal = 0;
};

struct Walked {
    std::vector<Span> blocks; // cells and tables, in order of their start
    std::unordered_map<int, Mark> starts, ends, references;
};

int IdOf(pugi::xml_node marker) {
    return marker.attribute("w:id").as_int(-1);
}

void Record(pugi::xml_node n, std::uint32_t ordinal, Walked& walked) {
    if (Is(n, "w:commentRangeStart"))
        walked.starts.try_emplace(IdOf(n), Mark{n, ordinal});
    else if (Is(n, "w:commentRangeEnd"))
        walked.ends.try_emplace(IdOf(n), Mark{n, ordinal});
    else if (Is(n, "w:commentReference"))
        walked.references.try_emplace(IdOf(n), Mark{n.parent(), ordinal});
}

// A pre-order walk without recursion: the body of a damaged file may nest arbitrarily deep.
Walked WalkBody(pugi::xml_node body) {
    Walked walked;
    std::vector<std::size_t> open;
    std::uint32_t ordinal = 0;
    auto close = [&](pugi::xml_node n) {
        if (!open.empty() && walked.blocks[open.back()].node == n) {
            walked.blocks[open.back()].last = ordinal - 1;
            open.pop_back();
        }
    };
    pugi::xml_node n = body.first_child();
    while (n) {
        if (n.type() == pugi::node_element) {
            if (Is(n, "w:tc") || Is(n, "w:tbl")) {
                open.push_back(walked.blocks.size());
                walked.blocks.push_back({n, ordinal, ordinal});
            }
            Record(n, ordinal, walked);
            ++ordinal;
        }
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        close(n);
        while (n && n != body && !n.next_sibling()) {
            n = n.parent();
            close(n);
        }
        if (!n || n == body) break;
        n = n.next_sibling();
    }
    return walked;
}

} // namespace

void CommentIndex::Build(pugi::xml_node body, pugi::xml_node comments) {
    ordered_.clear();
    byId_.clear();
    attached_.clear();
    maxId_ = -1;
    Walked walked = WalkBody(body);
    for (const auto* marks : {&walked.starts, &walked.ends, &walked.references})
        for (const auto& [id, mark] : *marks)
            maxId_ = std::max(maxId_, id);
    for (pugi::xml_node c : comments.children("w:comment")) {
        int id = c.attribute("w:id").as_int(-1);
        maxId_ = std::max(maxId_, id);
        if (byId_.count(id)) continue;
        auto find = [&](const std::unordered_map<int, Mark>& marks) {
            auto found = marks.find(id);
            return found == marks.end() ? Mark{} : found->second;
        };
        Mark start = find(walked.starts), end = find(walked.ends), reference = find(walked.references);
        if (!start.node && !end.node && !reference.node) continue;
        Mark from = start.node ? start : reference.node ? reference : end;
        Mark to = end.node ? end : reference.node ? reference : start;
        if (to.ordinal < from.ordinal) std::swap(from, to);
        byId_[id] = 0;
        ordered_.push_back({id, c, start.node, end.node, reference.node, from.ordinal, to.ordinal});
    }
    std::stable_sort(ordered_.begin(), ordered_.end(),
                     [](const CommentPlace& a, const CommentPlace& b) { return a.first < b.first; });
    for (std::size_t k = 0; k < ordered_.size(); ++k) {
        const CommentPlace& place = ordered_[k];
        byId_[place.id] = k;
        pugi::xml_node at = place.start ? place.start : place.reference ? place.reference : place.end;
        for (pugi::xml_node n = at.parent(); n && n != body; n = n.parent())
            if (Is(n, "w:tc") || Is(n, "w:tbl")) attached_[R(n)].push_back(k);
        auto inside =
            std::upper_bound(walked.blocks.begin(), walked.blocks.end(), place.first,
                             [](std::uint32_t ordinal, const Span& s) { return ordinal < s.first; });
        for (; inside != walked.blocks.end() && inside->first <= place.last; ++inside)
            attached_[R(inside->node)].push_back(k);
    }
    for (auto& [node, list] : attached_)
        std::sort(list.begin(), list.end());
}

const CommentPlace* CommentIndex::ById(int id) const {
    auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : &ordered_[found->second];
}

const CommentPlace* CommentIndex::ByComment(pugi::xml_node comment) const {
    return ById(comment.attribute("w:id").as_int(-1));
}

const std::vector<std::size_t>& CommentIndex::Attached(pugi::xml_node cellOrTable) const {
    static const std::vector<std::size_t> none;
    auto found = attached_.find(R(cellOrTable));
    return found == attached_.end() ? none : found->second;
}

} // namespace kovelund::docx::detail
