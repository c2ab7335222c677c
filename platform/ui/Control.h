#pragma once
// The common part of every control of a window: its name on the form, Enabled and Visible, the
// frame it is placed in, the focus events, and the one hook through which a view follows it.

#include <functional>
#include <string>

namespace kovelund::ui {

class Form;
class Frame;

/// A control registers with its form under its name when it is constructed and leaves the form's
/// registry when it is destroyed; the form does not own it (it is a member of the window class).
class Control {
public:
    Control(Form& form, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    /// The name the form knows it by, "optArt(1)" for an element of a control array.
    const std::string& Name() const noexcept { return name_; }
    Form& Parent() const noexcept { return form_; }

    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const noexcept { return visible_; }
    void SetVisible(bool visible);

    /// The frame the control is placed in, or none; a disabled or hidden frame disables or hides
    /// everything placed in it.
    Frame* Container() const noexcept { return container_; }
    void SetContainer(Frame* frame);
    /// Enabled and visible, and so is every frame it is placed in: the user can reach it.
    bool Usable() const noexcept;

    /// Gives the control the focus on its form (LostFocus of the old one, then GotFocus).
    void SetFocus();
    bool HasFocus() const noexcept;

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

    /// The view's hook: called after every change of the control's state. One per control.
    void SetObserver(std::function<void(Control&)> observer) { observer_ = std::move(observer); }

protected:
    /// Tells the attached view that the state changed.
    void Notify();
    static void Raise(const std::function<void()>& event) {
        if (event) event();
    }

private:
    Form& form_;
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    Frame* container_ = nullptr;
    std::function<void(Control&)> observer_;
};

} // namespace kovelund::ui
