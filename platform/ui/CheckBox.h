#pragma once
// A check box: Value 0 (cleared) or 1 (ticked); every change of Value fires Click, whether the
// user or the code made it, as the toolkit does.

#include "platform/ui/Control.h"

#include <functional>
#include <string>

namespace kovelund::ui {

enum CheckBoxValues : int { vbUnchecked = 0, vbChecked = 1 };

class CheckBox : public Control {
public:
    using Control::Control;

    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(std::string caption) {
        caption_ = std::move(caption);
        Notify();
    }

    int Value() const noexcept { return value_; }
    /// Sets 0 or 1 (any nonzero value ticks); Click fires when the value changes.
    void SetValue(int value) {
        int neu = value != 0 ? vbChecked : vbUnchecked;
        if (neu == value_) return;
        value_ = neu;
        Notify();
        Raise(Click);
    }
    /// The user clicks the box: it toggles.
    void Toggle() { SetValue(value_ == vbChecked ? vbUnchecked : vbChecked); }

    std::function<void()> Click;

private:
    std::string caption_;
    int value_ = vbUnchecked;
};

} // namespace kovelund::ui
