#pragma once
// A stretch of a document's text between two boundary points, as the word processor's Range: the
// text of a cell, a table, a comment, the text a comment refers to, or an insertion point.

#include "platform/docx/Forward.h"

#include <string>
#include <vector>

namespace kovelund::docx {

/// Direction of Range::Collapse.
enum CollapseDirection { CollapseEnd = 0, CollapseStart = 1 };
/// Unit of Range::MoveStart; only words are supported.
enum MoveUnit { UnitWord = 2 };
/// What a formatting reader gives when the parts of a range differ.
inline constexpr int Undefined = 9999999;
/// Bold of a range: all of it, none of it, or mixed (Undefined).
enum Tristate { TristateFalse = 0, TristateTrue = -1, TristateMixed = Undefined };

/// A cheap handle like pugi::xml_node: copies refer to the same text. Valid while its document is
/// open; a range into a deleted table stays harmless but reads as empty.
class Range {
public:
    Range() = default;
    Range(detail::DocumentState* doc, detail::Point start, detail::Point end, int scopeOf = -1)
        : doc_(doc), start_(start), end_(end), scopeOf_(scopeOf) {}

    /// The word processor's text: paragraphs end with CR, a cell with char 7 after its last CR, a row
    /// with CR + char 7; manual line break = char 11, tab = char 9, page break = char 12.
    std::string Text() const;
    /// Replaces the text of the range (see InsertAfter for control characters); the markers around it
    /// (a comment's range) stay around the new text. For a comment without markers (only its mark),
    /// the new text goes before the mark and is enclosed in a new comment range.
    void SetText(std::string text);
    /// Makes the range an insertion point at its start (1) or end (0); other values throw 5843.
    void Collapse(int direction);
    /// Moves the start by `count` words (unit 2 only, else 4605): back to the start of the previous
    /// word of the same paragraph; it never leaves the paragraph the start is in.
    void MoveStart(int unit, int count);
    /// Inserts a paragraph mark at the start: the text before it becomes a paragraph of its own (an
    /// empty one at a paragraph's start); the range then starts at the new mark.
    void InsertParagraphBefore();
    /// Inserts a paragraph mark at the end: at the end of the main text an empty last paragraph, else
    /// the paragraph is split; the range then ends after the new mark.
    void InsertParagraphAfter();
    /// Appends text at the end (for a cell or table: at the end of its last paragraph), in the
    /// formatting of the text before it. CR LF, CR and LF start a new paragraph (its formatting
    /// copied), char 11 is a line break, 9 a tab, 12 a page break; other characters that XML 1.0
    /// forbids and malformed UTF-8 are dropped; blanks are kept. The range then includes the new
    /// text; an insertion point (also one collapsed from a cell's range) becomes exactly the new text.
    void InsertAfter(std::string text);
    /// Sets or clears bold on the range's runs and on the marks of the paragraphs it covers.
    void SetBold(bool bold);
    /// Bold as the runs that show text and the paragraph marks in the range carry it themselves
    /// (styles are not consulted): TristateTrue when all are bold, TristateFalse when none is or
    /// the range holds neither, TristateMixed otherwise.
    Tristate Bold() const;
    /// The font size in points that the range's text runs and paragraph marks carry themselves;
    /// 0 when none carries one, Undefined when they differ.
    double FontSize() const;
    /// The font size in points the range's text is shown in: a run's or paragraph mark's own size,
    /// else its character style's, else its paragraph style's (the default paragraph style when it
    /// names none), each following its basedOn chain, else the document default, else 10 pt (table
    /// styles are not consulted); Undefined when the parts differ.
    double ShownFontSize() const;
    /// Sets the font size of the range's text runs and of the marks of the paragraphs it covers;
    /// outside 1 ... 1638 points throws 5843.
    void SetFontSize(double points);
    /// The alignment of the paragraphs the range touches (0 left, 1 centred, 2 right, 3 justified,
    /// as set on each paragraph itself; without a setting left); Undefined when they differ.
    int Alignment() const;
    /// The comments attached to the range: for a cell or table those whose interval overlaps it,
    /// else those with a marker inside it; ordered by their start.
    CommentsInRange Comments() const;
    /// What Comments() counts and reads.
    std::vector<Comment> AttachedComments() const;
    /// Adds bookmarks with this range as the default place.
    BookmarksInRange Bookmarks() const;
    /// Makes the range the document's selection (a cell or table range selects its cells).
    void Select() const;
    /// True for an insertion point (start and end at the same place).
    bool Empty() const;

    detail::DocumentState* State() const { return doc_; }
    const detail::Point& Start() const { return start_; }
    const detail::Point& End() const { return end_; }
    int ScopeOf() const { return scopeOf_; }

private:
    void Check(const char* operation) const;

    detail::DocumentState* doc_ = nullptr;
    detail::Point start_;
    detail::Point end_;
    int scopeOf_ = -1;
};

} // namespace kovelund::docx
