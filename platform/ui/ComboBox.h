#pragma once
// A choice list: its entries, the selected entry, its text, and its place on the window (the
// windows lay it over a grid cell to edit that cell).

#include "platform/ui/Control.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kovelund::ui {

class ComboBox : public Control {
public:
    using Control::Control;

    /// Adds an entry at the end, or before `index`.
    void AddItem(std::string item, int index = -1);
    /// Removes every entry; the text stays, the selection is gone.
    void Clear();
    int ListCount() const noexcept { return static_cast<int>(items_.size()); }
    /// The entry at `index`, or "" when there is none.
    std::string List(int index) const;

    /// The selected entry, or -1.
    int ListIndex() const noexcept { return listIndex_; }
    /// Selects an entry from code (-1 for none): the text becomes the entry's; Click fires when the
    /// selection changes. An index outside the entries fails with 380.
    void SetListIndex(int index);

    const std::string& Text() const noexcept { return text_; }
    /// Sets the text from code; an equal entry becomes selected. Change fires when the text differs.
    void SetText(std::string text);

    /// Position and width in twips on the window.
    float Left() const noexcept { return left_; }
    void SetLeft(float left);
    float Top() const noexcept { return top_; }
    void SetTop(float top);
    float Width() const noexcept { return width_; }
    void SetWidth(float width);

    /// The user picks an entry: it becomes selected, then Click and Change fire.
    void Choose(int index);
    /// The same for the first entry with this text; fails with 380 when there is none.
    void Choose(std::string_view item);

    std::function<void()> Click;
    std::function<void()> Change;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 1215;
};

} // namespace kovelund::ui
