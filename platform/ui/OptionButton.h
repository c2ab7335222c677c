#pragma once
// Option buttons: of the buttons placed in the same frame (or directly on the form) exactly one is
// selected, as the toolkit groups them; windows hold them singly or in control arrays.

#include "platform/ui/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kovelund::ui {

class OptionButton : public Control {
public:
    using Control::Control;

    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(std::string caption) {
        caption_ = std::move(caption);
        Notify();
    }

    bool Value() const noexcept { return value_; }
    /// Selecting clears the other buttons of the group and fires Click when the value changes;
    /// clearing fires nothing.
    void SetValue(bool value);
    /// The user clicks the button: it is selected and Click fires, even when it was selected.
    void Select();

    std::function<void()> Click;

private:
    void ClearOthers();

    std::string caption_;
    bool value_ = false;
};

/// A control array of option buttons named "name(0)" … "name(count - 1)"; the array's Click gets
/// the index of the element clicked.
class OptionButtonArray {
public:
    OptionButtonArray(Form& form, const std::string& name, int count);

    OptionButton& operator[](int index) const;
    int Count() const noexcept { return static_cast<int>(elements_.size()); }
    /// The index of the selected element, or -1.
    int Selected() const noexcept;
    /// Places every element in the frame.
    void SetContainer(Frame* frame);

    std::function<void(int index)> Click;

private:
    std::vector<std::unique_ptr<OptionButton>> elements_;
};

} // namespace kovelund::ui
