#pragma once
// A command button: a caption, an image from the shared image list, and Click.

#include "platform/ui/Control.h"

#include <functional>
#include <string>

namespace kovelund::ui {

class CommandButton : public Control {
public:
    using Control::Control;

    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(std::string caption) {
        caption_ = std::move(caption);
        Notify();
    }
    /// The key of the button's image in the shared image list ("OK", "Abbruch", ...).
    const std::string& Picture() const noexcept { return picture_; }
    void SetPicture(std::string key) {
        picture_ = std::move(key);
        Notify();
    }
    /// The button that Enter presses in its window; a modal dialog is confirmed through it.
    bool Default() const noexcept { return default_; }
    void SetDefault(bool isDefault) {
        default_ = isDefault;
        Notify();
    }

    /// The user presses the button.
    void Press() { Raise(Click); }

    std::function<void()> Click;

private:
    std::string caption_;
    std::string picture_;
    bool default_ = false;
};

} // namespace kovelund::ui
