#pragma once
// Floating shapes of the main text (text boxes), found and named as the word processor names them.

#include "platform/docx/Collection.h"
#include "platform/docx/Forward.h"
#include "platform/docx/Range.h"

#include <optional>
#include <string>
#include <string_view>

namespace kovelund::docx {

/// Orientation of a new text box: only horizontal text is supported.
enum TextOrientation { OrientationHorizontal = 1 };
/// Base of a shape's vertical position.
enum RelativeVerticalPosition { RelativeToMargin = 0, RelativeToPage = 1, RelativeToParagraph = 2 };

/// A floating drawing (or a legacy drawing without one); handle valid while its document is open.
class Shape {
public:
    Shape() = default;
    Shape(detail::DocumentState* doc, detail::Node shape) : doc_(doc), shape_(shape) {}

    /// The shape's name; for a legacy drawing its id.
    std::string Name() const;
    void SetName(std::string name);
    /// Removes the shape with its fallback form; a deleted shape's setters do nothing.
    void Delete();
    /// Fill on or off (off: no fill at all, fully transparent).
    void SetFillVisible(bool visible);
    /// Outline on (a thin black line) or off.
    void SetLineVisible(bool visible);
    /// Base of the vertical position: 0 margin, 1 page, 2 paragraph; others throw 5843.
    void SetRelativeVerticalPosition(int base);
    /// Distance of the top from the vertical base, in points.
    void SetTop(double points);
    /// Replaces the text: CR (or CR LF, LF) starts a new paragraph with the first one's formatting.
    void SetText(std::string text);
    /// The text, paragraphs joined by CR.
    std::string Text() const;
    /// Alignment of all its paragraphs: 0 left, 1 centred, 2 right, 3 justified; others throw 5843.
    void SetAlignment(int alignment);
    /// The alignment of its paragraphs as Range::Alignment reads it; Undefined when they differ.
    int Alignment() const;
    /// Position and size in points: left and top from their bases, width and height of its extent.
    /// A legacy drawing reads 0 for each.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    /// Base of the vertical position (0 margin, 1 page, 2 paragraph, 3 line, 4 top margin, 5 bottom
    /// margin, 6 inside margin, 7 outside margin); a legacy drawing reads 2.
    int RelativeVerticalPosition() const;

private:
    detail::DocumentState* doc_ = nullptr;
    detail::Node shape_ = nullptr;
};

/// The floating shapes of the main text in document order.
class Shapes {
public:
    explicit Shapes(detail::DocumentState* doc) : doc_(doc) {}
    int Count() const;
    /// Item(1) is the first; an index outside 1 ... Count() throws 5941.
    Shape Item(int index) const;
    /// The first shape with this name (also legacy drawings whose id is the name), else none.
    std::optional<Shape> Find(std::string_view name) const;
    /// Adds a text box without text, positioned from the page's left and top edge, all in points,
    /// anchored in the last paragraph of the main text; orientation other than 1 or a negative size
    /// throws 5843.
    Shape AddTextbox(int orientation, double left, double top, double width, double height);
    CollectionIterator<Shapes, Shape> begin() const { return {this, 1}; }
    CollectionIterator<Shapes, Shape> end() const { return {this, Count() + 1}; }

private:
    detail::DocumentState* doc_;
};

} // namespace kovelund::docx
