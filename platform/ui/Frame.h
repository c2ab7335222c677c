#pragma once
// A frame: a captioned group box; the controls placed in it follow its Enabled and Visible.

#include "platform/ui/Control.h"

#include <initializer_list>
#include <string>

namespace kovelund::ui {

class Frame : public Control {
public:
    using Control::Control;

    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(std::string caption) {
        caption_ = std::move(caption);
        Notify();
    }

    /// Places the controls in this frame.
    void Place(std::initializer_list<Control*> controls) {
        for (Control* c : controls)
            c->SetContainer(this);
    }

private:
    std::string caption_;
};

} // namespace kovelund::ui
