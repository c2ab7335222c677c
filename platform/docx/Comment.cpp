#include "platform/docx/Comment.h"

#include "platform/docx/DocxError.h"
#include "platform/docx/detail/DocumentState.h"
#include "platform/docx/detail/Xml.h"

#include <ctime>

namespace kovelund::docx {

using namespace detail;

namespace {

constexpr const char* Author = "Kovelund";

std::string UtcNow() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

const CommentPlace& PlaceOf(DocumentState* doc, Node comment, const char* operation) {
    const CommentPlace* place = doc ? doc->Comments().ByComment(N(comment)) : nullptr;
    if (!place || place->comment != N(comment))
        throw DocxError(error::NoSuchMember,
                        std::string(operation) + ": the comment is no longer in the document");
    return *place;
}

// The comment markers of a whole cell go inside any bookmark around the cell's text, the order
// that survives other word processors.
void InsideBookmarks(Point& from, Point& to) {
    while (from.before && Is(N(from.before), "w:bookmarkStart"))
        from.before = R(N(from.before).next_sibling());
    for (;;) {
        pugi::xml_node previous = to.before ? N(to.before).previous_sibling() : N(to.container).last_child();
        if (!previous || !Is(previous, "w:bookmarkEnd") || R(previous) == from.before) break;
        to.before = R(previous);
    }
}

pugi::xml_node ReferenceRun(const Point& at, int id) {
    pugi::xml_node run = InsertAt(at, "w:r");
    pugi::xml_node mark = ParagraphOf(at).child("w:pPr").child("w:rPr");
    if (mark.child("w:sz")) {
        pugi::xml_node rPr = run.append_child("w:rPr");
        rPr.append_copy(mark.child("w:sz"));
        if (mark.child("w:szCs")) rPr.append_copy(mark.child("w:szCs"));
    }
    Set(run.append_child("w:commentReference"), "w:id", std::to_string(id));
    return run;
}

pugi::xml_node CommentElement(Part& part, int id, const std::string& text) {
    pugi::xml_node comment = part.xml.document_element().append_child("w:comment");
    Set(comment, "w:id", std::to_string(id));
    Set(comment, "w:author", Author);
    Set(comment, "w:date", UtcNow());
    Set(comment, "w:initials", "K");
    pugi::xml_node p = comment.append_child("w:p");
    p.append_child("w:r").append_child("w:annotationRef");
    InsertText(EndOf(p), text, {});
    return comment;
}

Comment AddComment(DocumentState* doc, const Range& range, const std::string& text) {
    if (!doc || !range.State())
        throw DocxError(error::NotAvailable, "Comments.Add: the range belongs to no document");
    Point from = InlineStart(range.Start()), to = InlineEnd(range.End());
    if (!ParagraphOf(from) || !ParagraphOf(to))
        throw DocxError(error::NotAvailable, "Comments.Add: the range holds no text");
    to = SplitToParagraph(to);
    from = SplitToParagraph(from);
    InsideBookmarks(from, to);
    Part& part = doc->EnsureCommentsPart();
    int id = doc->NextCommentId();
    Set(InsertAt(from, "w:commentRangeStart"), "w:id", std::to_string(id));
    pugi::xml_node end = InsertAt(to, "w:commentRangeEnd");
    Set(end, "w:id", std::to_string(id));
    ReferenceRun(After(end), id);
    pugi::xml_node comment = CommentElement(part, id, text);
    doc->Changed(part);
    doc->Changed();
    return Comment(doc, R(comment));
}

} // namespace

docx::Range Comment::Range() const {
    if (!doc_) throw DocxError(error::NotAvailable, "Comment.Range: no comment");
    pugi::xml_node c = N(comment_);
    pugi::xml_node last = LastParagraph(c);
    return {doc_, StartOf(c), last ? EndOf(last) : EndOf(c)};
}

std::string Comment::Text() const {
    return Range().Text();
}

docx::Range Comment::Reference() const {
    const CommentPlace& place = PlaceOf(doc_, comment_, "Comment.Reference");
    if (place.reference) return {doc_, Before(place.reference), After(place.reference)};
    Point at = place.end ? After(place.end) : After(place.start);
    return {doc_, at, at};
}

docx::Range Comment::Scope() const {
    const CommentPlace& place = PlaceOf(doc_, comment_, "Comment.Scope");
    Point at = place.reference ? Before(place.reference) : Point{};
    Point start = place.start ? After(place.start) : place.end ? Before(place.end) : at;
    Point end = place.end ? Before(place.end) : at;
    return {doc_, start, end, place.id};
}

void Comment::Delete() {
    const CommentPlace& place = PlaceOf(doc_, comment_, "Comment.Delete");
    for (pugi::xml_node marker : {place.start, place.end, place.reference})
        if (marker) Discard(marker);
    Discard(N(comment_));
    doc_->Changed(*doc_->CommentsPart());
    doc_->Changed();
}

int Comment::Id() const {
    return N(comment_).attribute("w:id").as_int(-1);
}

int Comments::Count() const {
    return static_cast<int>(doc_->Comments().Ordered().size());
}

Comment Comments::Item(int index) const {
    const auto& ordered = doc_->Comments().Ordered();
    if (index < 1 || index > static_cast<int>(ordered.size()))
        throw DocxError(error::NoSuchMember, "Comments(" + std::to_string(index) + "): the document has " +
                                                 std::to_string(ordered.size()) + " comments");
    return Comment(doc_, R(ordered[index - 1].comment));
}

Comment Comments::Add(const docx::Range& range, const std::string& text) {
    return AddComment(doc_, range, text);
}

const std::vector<Comment>& CommentsInRange::Found() const {
    if (!comments_) comments_ = range_.AttachedComments();
    return *comments_;
}

Comment CommentsInRange::Item(int index) const {
    if (index < 1 || index > Count())
        throw DocxError(error::NoSuchMember, "Range.Comments(" + std::to_string(index) + "): the range has " +
                                                 std::to_string(Count()) + " comments");
    return Found()[index - 1];
}

Comment CommentsInRange::Add(const docx::Range& range, const std::string& text) {
    return AddComment(range.State() ? range.State() : range_.State(), range, text);
}

} // namespace kovelund::docx
