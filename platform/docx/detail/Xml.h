#pragma once
// The markup helpers shared by the objects: element names, children in schema order, boundary
// points and the walk through a part in document order, splitting runs and writing text.

#include "platform/docx/Forward.h"

#include <pugixml.hpp>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kovelund::docx::detail {

inline constexpr const char* MainNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

inline pugi::xml_node N(Node node) {
    return pugi::xml_node(node);
}
inline Node R(pugi::xml_node node) {
    return node.internal_object();
}
/// Whether an element has the name, prefixes normalised on load.
inline bool Is(pugi::xml_node node, const char* name) {
    return std::strcmp(node.name(), name) == 0;
}

/// Calls `visit(element, name, depth)` for every element below `root` in document order (depth 0
/// for its children). pugixml's own walk: no recursion, as a damaged part may nest arbitrarily
/// deep, and a fraction of an XPath query's or a hand-written walk's cost on a large body.
template <typename Visit> void ForEachElement(pugi::xml_node root, Visit&& visit) {
    struct Walker : pugi::xml_tree_walker {
        Visit& visitor;
        explicit Walker(Visit& v) : visitor(v) {}
        bool for_each(pugi::xml_node& n) override {
            if (n.type() == pugi::node_element) visitor(n, n.name(), depth());
            return true;
        }
    } walker{visit};
    root.traverse(walker);
}

/// Schema orders of the property containers the engine writes into.
extern const std::initializer_list<const char*> ParagraphPropertyOrder;
extern const std::initializer_list<const char*> RunPropertyOrder;
extern const std::initializer_list<const char*> TablePropertyOrder;
extern const std::initializer_list<const char*> CellPropertyOrder;
extern const std::initializer_list<const char*> BorderOrder;

/// The child `name` of `parent`, created at its place in `order` when missing.
pugi::xml_node Ensure(pugi::xml_node parent, const char* name, std::initializer_list<const char*> order);
/// The property child (w:pPr, w:rPr, w:tcPr, w:tblPr, w:trPr) of an element, created as its first child.
pugi::xml_node Properties(pugi::xml_node element);
/// Sets or replaces an attribute.
void Set(pugi::xml_node node, const char* name, const std::string& value);

/// A point before `child` in its parent, after `node` in its parent, at the start or end of an element.
Point Before(pugi::xml_node child);
Point After(pugi::xml_node node);
Point StartOf(pugi::xml_node element);
Point EndOf(pugi::xml_node element);
/// The nearest w:p at or above the point, or null for a point between blocks.
pugi::xml_node ParagraphOf(const Point& point);

/// One step of a walk in document order: entering or leaving an element, or a stretch of a text node.
enum class Event { Enter, Exit, Text };
using Visitor = std::function<void(Event, pugi::xml_node, std::string_view)>;
/// Walks from `from` to `to`, not descending into properties, deleted text, field codes and
/// drawings; it stops at `to`, or when it would leave the part's root.
void Walk(const Point& from, const Point& to, const Visitor& visit);
/// The word processor's text of the stretch (see Range::Text).
std::string TextBetween(const Point& from, const Point& to);

/// Splits the inline containers (text, runs, hyperlinks, ...) at the point up to its paragraph and
/// returns the same place as a point between the paragraph's children. Changes nothing at a
/// boundary; a point not in a paragraph is returned as it is.
Point SplitToParagraph(const Point& point);
/// True when nothing but properties and markers stand before `before` in paragraph `p`.
bool AtParagraphStart(pugi::xml_node p, pugi::xml_node before);

/// Run properties for new text at a paragraph-level point: those of the run before it, else of the
/// paragraph mark (without revision marks); may be empty.
pugi::xml_node RunPropertiesFor(const Point& point);
/// Inserts `text` at a paragraph-level point with a copy of `rPr` (may be empty); CR LF, CR and LF
/// split the paragraph, see Range::InsertAfter. Returns the points before and after the new text.
struct Inserted {
    Point start;
    Point end;
};
Inserted InsertText(Point at, std::string_view text, pugi::xml_node rPr);

/// Removes what lies between two paragraph-level points, keeping comment and bookmark markers;
/// with points in different paragraphs of one container the blocks between go and the last
/// paragraph's rest joins the first. Returns the point where the removed text was.
Point DeleteBetween(const Point& from, const Point& to);

/// Moves a node out of its part into the part's hidden trash, so that handles to it stay valid.
void Discard(pugi::xml_node node);
/// Inserts a new element at a point between children.
pugi::xml_node InsertAt(const Point& at, const char* name);
/// A new paragraph after `p` (its formatting copied) that takes `p`'s children from `at` on.
pugi::xml_node SplitParagraph(pugi::xml_node p, pugi::xml_node at);
/// A new paragraph before `p` (its formatting copied) that takes `p`'s content before `at`.
pugi::xml_node ParagraphBefore(pugi::xml_node p, pugi::xml_node at);
/// A point between blocks made a point in text: the start of the first paragraph after it, or the
/// end of the last paragraph before it; a point in a paragraph is returned as it is.
Point InlineStart(const Point& point);
Point InlineEnd(const Point& point);
/// The element that the range covers exactly (a cell, a table), else null.
pugi::xml_node WholeElement(const Point& start, const Point& end);
/// Whether a node still belongs to its part (not deleted).
bool Attached(pugi::xml_node node);

/// The first or last w:p of a block (itself, or inside a table, row, cell or content control).
pugi::xml_node FirstParagraph(pugi::xml_node block);
pugi::xml_node LastParagraph(pugi::xml_node block);
/// The previous or next sibling that is an element (skipping text nodes).
pugi::xml_node PreviousElement(pugi::xml_node node);
pugi::xml_node NextElement(pugi::xml_node node);

/// Sets b/bCs (bold) or sz/szCs (size in half-points) in a w:rPr.
void SetBold(pugi::xml_node rPr, bool bold);
void SetSize(pugi::xml_node rPr, int halfPoints);
/// Whether a w:rPr (may be empty) sets bold itself: w:b without a false value.
bool IsBold(pugi::xml_node rPr);
/// The size a w:rPr (may be empty) sets itself, in half-points; 0 without one.
int SizeOf(pugi::xml_node rPr);
/// The alignment code of a paragraph's own w:jc (0 left, 1 centred, 2 right, 3 justified); 0 without.
int AlignmentOf(pugi::xml_node p);
/// The one value `value` gives every part; `differ` when two differ, `none` without parts.
template <class Parts, class Value> int Common(const Parts& parts, Value value, int none, int differ) {
    int common = none;
    bool first = true;
    for (const auto& part : parts) {
        int v = value(part);
        if (!first && v != common) return differ;
        common = v;
        first = false;
    }
    return common;
}
/// Whether a run shows something: text, a tab, a break or a symbol (not a comment's mark alone).
bool ShowsText(pugi::xml_node run);

} // namespace kovelund::docx::detail
