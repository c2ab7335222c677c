#pragma once
// A label: a caption the window writes and the user only reads.

#include "platform/ui/Control.h"

#include <string>

namespace kovelund::ui {

class Label : public Control {
public:
    using Control::Control;

    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(std::string caption) {
        if (caption == caption_) return;
        caption_ = std::move(caption);
        Notify();
    }

private:
    std::string caption_;
};

} // namespace kovelund::ui
