#include "platform/docx/Range.h"

#include "platform/docx/Bookmark.h"
#include "platform/docx/Comment.h"
#include "platform/docx/DocxError.h"
#include "platform/docx/Selection.h"
#include "platform/docx/detail/DocumentState.h"
#include "platform/docx/detail/TableGrid.h"
#include "platform/docx/detail/Xml.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace kovelund::docx {

using namespace detail;

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

// The start of the word before `point` in its paragraph (words are separated by blanks, tabs and
// line breaks); the paragraph's start when there is none.
Point PreviousWordStart(const Point& point) {
    pugi::xml_node p = ParagraphOf(point);
    if (!p) return point;
    std::vector<std::pair<Point, char>> chars;
    Walk(StartOf(p), point, [&](Event event, pugi::xml_node node, std::string_view piece) {
        if (event == Event::Text && Is(node.parent(), "w:t")) {
            auto offset = static_cast<std::size_t>(piece.data() - node.value());
            for (std::size_t i = 0; i < piece.size(); ++i)
                chars.push_back({{R(node), nullptr, offset + i}, piece[i]});
        } else if (event == Event::Enter && Is(node.parent(), "w:r") &&
                   (Is(node, "w:tab") || Is(node, "w:br"))) {
            chars.push_back({Before(node), '\t'});
        }
    });
    std::size_t i = chars.size();
    while (i > 0 && Blank(chars[i - 1].second))
        --i;
    while (i > 0 && !Blank(chars[i - 1].second))
        --i;
    return i == 0 ? StartOf(p) : chars[i].first;
}

// The body's end: before its final section properties.
Point BodyEnd(pugi::xml_node body) {
    pugi::xml_node last = body.last_child();
    return Is(last, "w:sectPr") ? Before(last) : EndOf(body);
}

// A new empty paragraph at a point between blocks (at the body's very end: before its section).
pugi::xml_node ParagraphAt(const Point& at) {
    Point place = at;
    pugi::xml_node container = N(at.container);
    if (Is(container, "w:body") && (!at.before || Is(N(at.before), "w:sectPr"))) place = BodyEnd(container);
    return InsertAt(place, "w:p");
}

// The run properties of a text run or paragraph mark (may be empty) and the paragraph it belongs to.
struct Formatting {
    pugi::xml_node rPr;
    pugi::xml_node paragraph;
};

pugi::xml_node EnclosingParagraph(pugi::xml_node node) {
    while (node && !Is(node, "w:p"))
        node = node.parent();
    return node;
}

// The formatting of the text runs and of the paragraph marks between two points, in order.
std::vector<Formatting> FormattingBetween(const Point& from, const Point& to) {
    std::vector<Formatting> found;
    pugi::xml_node first = N(from.container);
    while (first && !Is(first, "w:r") && !Is(first, "w:p"))
        first = first.parent();
    if (Is(first, "w:r") && ShowsText(first))
        found.push_back({first.child("w:rPr"), EnclosingParagraph(first)});
    Walk(from, to, [&](Event event, pugi::xml_node node, std::string_view) {
        if (event == Event::Enter && Is(node, "w:r") && ShowsText(node))
            found.push_back({node.child("w:rPr"), EnclosingParagraph(node)});
        if (event == Event::Exit && Is(node, "w:p"))
            found.push_back({node.child("w:pPr").child("w:rPr"), node});
    });
    return found;
}

// The sizes the styles part gives text that carries none of its own, in half-points.
class StyleSizes {
public:
    explicit StyleSizes(pugi::xml_node styles) : styles_(styles) {}

    int Of(const Formatting& f) const {
        if (int own = SizeOf(f.rPr)) return own;
        if (int character = Chain("character", f.rPr.child("w:rStyle").attribute("w:val").value()))
            return character;
        std::string paragraphStyle = f.paragraph.child("w:pPr").child("w:pStyle").attribute("w:val").value();
        if (paragraphStyle.empty()) paragraphStyle = DefaultParagraphStyle();
        if (int paragraph = Chain("paragraph", paragraphStyle)) return paragraph;
        if (int fallback = SizeOf(styles_.child("w:docDefaults").child("w:rPrDefault").child("w:rPr")))
            return fallback;
        return DefaultHalfPoints;
    }

private:
    static constexpr int DefaultHalfPoints = 20;
    // Deep enough for any real chain; a cycle of basedOn ends here instead of looping.
    static constexpr int MaxDepth = 32;

    std::string DefaultParagraphStyle() const {
        for (pugi::xml_node s : styles_.children("w:style"))
            if (std::string_view(s.attribute("w:type").value()) == "paragraph" &&
                s.attribute("w:default").as_bool())
                return s.attribute("w:styleId").value();
        return {};
    }

    int Chain(std::string_view type, std::string id) const {
        for (int depth = 0; !id.empty() && depth < MaxDepth; ++depth) {
            pugi::xml_node style;
            for (pugi::xml_node s : styles_.children("w:style"))
                if (type == s.attribute("w:type").value() && id == s.attribute("w:styleId").value())
                    style = s;
            if (!style) return 0;
            if (int size = SizeOf(style.child("w:rPr"))) return size;
            id = style.child("w:basedOn").attribute("w:val").value();
        }
        return 0;
    }

    pugi::xml_node styles_;
};

} // namespace

void Range::Check(const char* operation) const {
    if (!doc_ || !start_.container || !end_.container)
        throw DocxError(error::NotAvailable, std::string(operation) + ": the range belongs to no document");
}

std::string Range::Text() const {
    if (!doc_) return {};
    return TextBetween(start_, end_);
}

void Range::Collapse(int direction) {
    if (direction == CollapseStart)
        end_ = start_;
    else if (direction == CollapseEnd)
        start_ = end_;
    else
        throw DocxError(error::BadParameter,
                        "Range.Collapse: direction " + std::to_string(direction) + " is neither 0 nor 1");
}

void Range::MoveStart(int unit, int count) {
    Check("Range.MoveStart");
    if (unit != UnitWord || count > 0)
        throw DocxError(error::NotAvailable,
                        "Range.MoveStart: only backwards by words (unit 2) is supported");
    for (int i = 0; i < -count; ++i)
        start_ = PreviousWordStart(start_);
}

void Range::InsertParagraphBefore() {
    Check("Range.InsertParagraphBefore");
    if (!ParagraphOf(start_)) {
        pugi::xml_node p = ParagraphAt(start_);
        start_ = StartOf(p);
        if (end_ == Before(p.next_sibling())) end_ = After(p);
    } else {
        bool collapsed = start_ == end_;
        end_ = SplitToParagraph(end_);
        Point at = SplitToParagraph(start_);
        pugi::xml_node p = N(at.container);
        pugi::xml_node previous = ParagraphBefore(p, N(at.before));
        start_ = EndOf(previous);
        if (collapsed) end_ = at;
    }
    doc_->Changed();
}

void Range::InsertParagraphAfter() {
    Check("Range.InsertParagraphAfter");
    if (!ParagraphOf(end_)) {
        pugi::xml_node p = ParagraphAt(end_);
        if (start_ == end_) start_ = Before(p);
        end_ = After(p);
    } else {
        end_ = SplitToParagraph(end_);
        start_ = SplitToParagraph(start_);
        pugi::xml_node next = SplitParagraph(N(end_.container), N(end_.before));
        end_ = StartOf(next);
    }
    doc_->Changed();
}

void Range::InsertAfter(std::string text) {
    Check("Range.InsertAfter");
    bool inText = ParagraphOf(end_);
    bool collapsed = start_ == end_;
    Point at;
    if (inText) {
        end_ = SplitToParagraph(end_);
        start_ = SplitToParagraph(start_);
        at = end_;
    } else {
        at = InlineEnd(end_);
        if (!ParagraphOf(at)) at = EndOf(ParagraphAt(end_));
    }
    Inserted inserted = InsertText(at, text, RunPropertiesFor(at));
    if (inText || collapsed) end_ = inserted.end;
    if (collapsed) start_ = inserted.start;
    doc_->Changed();
}

void Range::SetText(std::string text) {
    Check("Range.SetText");
    // Only an empty scope can be a comment without range markers; a filled one needs no index.
    const CommentPlace* place = scopeOf_ >= 0 && Empty() ? doc_->Comments().ById(scopeOf_) : nullptr;
    if (place && !place->start && !place->end && place->reference) {
        pugi::xml_node start = InsertAt(Before(place->reference), "w:commentRangeStart");
        Set(start, "w:id", std::to_string(scopeOf_));
        pugi::xml_node end = InsertAt(Before(place->reference), "w:commentRangeEnd");
        Set(end, "w:id", std::to_string(scopeOf_));
        start_ = end_ = Before(end);
    }
    Point from = InlineStart(start_), to = InlineEnd(end_);
    if (!ParagraphOf(from) || !ParagraphOf(to))
        throw DocxError(error::NotAvailable, "Range.SetText: the range holds no text");
    to = SplitToParagraph(to);
    from = SplitToParagraph(from);
    pugi::xml_node rPr = RunPropertiesFor(to);
    for (pugi::xml_node n = N(from.before); n && n != N(to.before); n = n.next_sibling())
        if (Is(n, "w:r") && (n.child("w:t") || n.child("w:tab"))) {
            rPr = n.child("w:rPr");
            break;
        }
    Point at = DeleteBetween(from, to);
    Inserted inserted = InsertText(at, text, rPr);
    start_ = inserted.start;
    end_ = inserted.end;
    doc_->Changed();
}

void Range::SetBold(bool bold) {
    Check("Range.SetBold");
    if (ParagraphOf(end_)) end_ = SplitToParagraph(end_);
    if (ParagraphOf(start_)) start_ = SplitToParagraph(start_);
    Walk(start_, end_, [&](Event event, pugi::xml_node node, std::string_view) {
        if (event == Event::Enter && Is(node, "w:r")) detail::SetBold(Properties(node), bold);
        if (event == Event::Exit && Is(node, "w:p"))
            detail::SetBold(Ensure(Properties(node), "w:rPr", ParagraphPropertyOrder), bold);
    });
    doc_->Changed();
}

Tristate Range::Bold() const {
    if (!doc_) return TristateFalse;
    int bold = Common(
        FormattingBetween(start_, end_),
        [](const Formatting& f) { return IsBold(f.rPr) ? TristateTrue : TristateFalse; }, TristateFalse,
        Undefined);
    return static_cast<Tristate>(bold);
}

double Range::FontSize() const {
    if (!doc_) return 0;
    int halfPoints = Common(
        FormattingBetween(start_, end_), [](const Formatting& f) { return SizeOf(f.rPr); }, 0, Undefined);
    return halfPoints == Undefined ? Undefined : halfPoints / 2.0;
}

double Range::ShownFontSize() const {
    if (!doc_) return 0;
    StyleSizes sizes(doc_->Styles());
    std::vector<Formatting> parts = FormattingBetween(start_, end_);
    if (parts.empty()) parts.push_back({{}, ParagraphOf(InlineStart(start_))});
    int halfPoints = Common(
        parts, [&](const Formatting& f) { return sizes.Of(f); }, 0, Undefined);
    return halfPoints == Undefined ? Undefined : halfPoints / 2.0;
}

void Range::SetFontSize(double points) {
    Check("Range.Font.Size");
    if (!(points >= 1 && points <= 1638))
        throw DocxError(error::BadParameter,
                        "Range.Font.Size: " + std::to_string(points) + " pt is out of range");
    int halfPoints = static_cast<int>(std::lround(points * 2));
    if (ParagraphOf(end_)) end_ = SplitToParagraph(end_);
    if (ParagraphOf(start_)) start_ = SplitToParagraph(start_);
    Walk(start_, end_, [&](Event event, pugi::xml_node node, std::string_view) {
        if (event == Event::Enter && Is(node, "w:r")) SetSize(Properties(node), halfPoints);
        if (event == Event::Exit && Is(node, "w:p"))
            SetSize(Ensure(Properties(node), "w:rPr", ParagraphPropertyOrder), halfPoints);
    });
    doc_->Changed();
}

int Range::Alignment() const {
    if (!doc_) return AlignLeft;
    std::vector<pugi::xml_node> paragraphs;
    if (pugi::xml_node first = ParagraphOf(InlineStart(start_))) paragraphs.push_back(first);
    Walk(start_, end_, [&](Event event, pugi::xml_node node, std::string_view) {
        if (event == Event::Enter && Is(node, "w:p") && (paragraphs.empty() || paragraphs.back() != node))
            paragraphs.push_back(node);
    });
    return Common(paragraphs, AlignmentOf, AlignLeft, Undefined);
}

CommentsInRange Range::Comments() const {
    Check("Range.Comments");
    return CommentsInRange(*this);
}

std::vector<Comment> Range::AttachedComments() const {
    const CommentIndex& index = doc_->Comments();
    std::vector<Comment> found;
    pugi::xml_node whole = WholeElement(start_, end_);
    if (whole && (Is(whole, "w:tc") || Is(whole, "w:tbl"))) {
        for (std::size_t k : index.Attached(whole))
            found.emplace_back(doc_, R(index.Ordered()[k].comment));
        return found;
    }
    std::set<std::size_t> positions;
    const auto& ordered = index.Ordered();
    Walk(start_, end_, [&](Event event, pugi::xml_node node, std::string_view) {
        if (event != Event::Enter) return;
        if (Is(node, "w:commentRangeStart") || Is(node, "w:commentRangeEnd") ||
            Is(node, "w:commentReference"))
            if (const CommentPlace* place = index.ById(node.attribute("w:id").as_int(-1)))
                positions.insert(static_cast<std::size_t>(place - ordered.data()));
    });
    for (std::size_t k : positions)
        found.emplace_back(doc_, R(ordered[k].comment));
    return found;
}

BookmarksInRange Range::Bookmarks() const {
    return {doc_, *this};
}

void Range::Select() const {
    Check("Range.Select");
    pugi::xml_node whole = WholeElement(start_, end_);
    if (whole && Is(whole, "w:tc")) {
        doc_->selection->SelectCells(R(TableOf(whole)), {R(whole)});
    } else if (whole && Is(whole, "w:tbl")) {
        Table(doc_, R(whole)).Select();
    } else {
        doc_->selection->SelectRange(*this);
    }
}

bool Range::Empty() const {
    return start_ == end_ || Text().empty();
}

} // namespace kovelund::docx
