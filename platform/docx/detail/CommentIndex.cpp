#include "platform/docx/detail/CommentIndex.h"

#include "platform/docx/detail/Xml.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

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

enum class Kind { Other, Block, Start, End, Reference };

// The walk meets every element of the body, so names are told apart by their first characters
// before any whole comparison.
Kind KindOf(const char* name) {
    if (name[0] != 'w' || name[1] != ':') return Kind::Other;
    const char* local = name + 2;
    if (local[0] == 't')
        return std::strcmp(local, "tc") == 0 || std::strcmp(local, "tbl") == 0 ? Kind::Block : Kind::Other;
    if (local[0] != 'c' || std::strncmp(local, "comment", 7) != 0) return Kind::Other;
    if (std::strcmp(local + 7, "RangeStart") == 0) return Kind::Start;
    if (std::strcmp(local + 7, "RangeEnd") == 0) return Kind::End;
    return std::strcmp(local + 7, "Reference") == 0 ? Kind::Reference : Kind::Other;
}

void Record(pugi::xml_node n, Kind kind, std::uint32_t ordinal, Walked& walked) {
    if (kind == Kind::Start)
        walked.starts.try_emplace(IdOf(n), Mark{n, ordinal});
    else if (kind == Kind::End)
        walked.ends.try_emplace(IdOf(n), Mark{n, ordinal});
    else if (kind == Kind::Reference)
        walked.references.try_emplace(IdOf(n), Mark{n.parent(), ordinal});
}

Walked WalkBody(pugi::xml_node body) {
    Walked walked;
    std::vector<std::pair<std::size_t, int>> open; // blocks not yet left, with their depth
    std::uint32_t ordinal = 0;
    auto closeTo = [&](int depth) {
        for (; !open.empty() && open.back().second >= depth; open.pop_back())
            walked.blocks[open.back().first].last = ordinal - 1;
    };
    ForEachElement(body, [&](pugi::xml_node n, const char* name, int depth) {
        closeTo(depth);
        Kind kind = KindOf(name);
        if (kind == Kind::Block) {
            open.emplace_back(walked.blocks.size(), depth);
            walked.blocks.push_back({n, ordinal, ordinal});
        }
        Record(n, kind, ordinal, walked);
        ++ordinal;
    });
    closeTo(0);
    return walked;
}

} // namespace

void CommentIndex::Build(pugi::xml_node body, pugi::xml_node comments) {
    ordered_.clear();
    byId_.clear();
    attached_.clear();
    maxId_ = -1;
    unmatched_ = -1;
    Walked walked = WalkBody(body);
    std::unordered_set<int> known;
    for (const auto* marks : {&walked.starts, &walked.ends, &walked.references})
        for (const auto& [id, mark] : *marks)
            maxId_ = std::max(maxId_, id);
    for (pugi::xml_node c : comments.children("w:comment")) {
        int id = c.attribute("w:id").as_int(-1);
        maxId_ = std::max(maxId_, id);
        known.insert(id);
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
    std::uint32_t firstUnmatched = UINT32_MAX;
    for (const auto& [id, mark] : walked.references)
        if (!known.count(id) && mark.ordinal < firstUnmatched) {
            firstUnmatched = mark.ordinal;
            unmatched_ = id;
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
