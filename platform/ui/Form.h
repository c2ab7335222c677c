#pragma once
// A window: its properties, its load and unload steps, the registry of its controls by name and
// which of them has the focus.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kovelund::ui {

class Control;

/// Window states as the toolkit numbers them.
enum WindowStates : int { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };
/// Mouse pointers the windows use.
enum MousePointers : int { vbDefault = 0, vbHourglass = 11 };

/// The base of every window class. A window class owns its controls as members; they register here
/// by name. Load runs the load step once; Unload runs the unload step and leaves the object valid
/// (a window may unload itself from its own event handler), so its owner releases it afterwards.
class Form {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const noexcept { return name_; }
    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(std::string caption);
    /// The icon as a resource number of the component.
    int Icon() const noexcept { return icon_; }
    void SetIcon(int resource);
    int MousePointer() const noexcept { return mousePointer_; }
    void SetMousePointer(int pointer);
    int WindowState() const noexcept { return windowState_; }
    void SetWindowState(int state);
    /// Position in twips.
    float Top() const noexcept { return top_; }
    void SetTop(float top);
    float Left() const noexcept { return left_; }
    void SetLeft(float left);
    /// The window handle: unique in the process, fixed for the object's life.
    std::int32_t hWnd() const noexcept { return hWnd_; }
    /// The window with this handle while it exists, or none: the window system finds a window by
    /// its handle alone (SetParent gets nothing else).
    static Form* FromHandle(std::int32_t hWnd) noexcept;
    bool Visible() const noexcept { return visible_; }

    bool IsLoaded() const noexcept { return loaded_; }
    /// Runs the load step (Form_Load) unless the window is loaded already.
    void Load();
    /// Loads the window if needed and shows it modeless.
    void Show();
    /// Loads the window if needed and lets the current backend run it modally; returns when the
    /// window is hidden or unloaded.
    void ShowModal();
    void Hide();
    /// Runs the unload step (Form_Unload), hides the window and marks it unloaded; then Unloaded
    /// tells the owner, which may release the object once the running handler has returned.
    void Unload();

    /// Fired after the window was unloaded.
    std::function<void()> Unloaded;

    /// The control registered under this name ("msk100", "optArt(1)"), or none.
    Control* Find(std::string_view name) const noexcept;
    /// All registered controls in the order they were constructed.
    const std::vector<Control*>& Controls() const noexcept { return controls_; }

    /// The control with the focus, or none.
    Control* ActiveControl() const noexcept { return active_; }
    /// Moves the focus: the control that has it becomes inactive first, then LostFocus fires on it
    /// (so its handler sees where the focus went) and GotFocus on the new one. No events when the
    /// control has the focus already. A control of another form, or one the user could not reach
    /// (disabled, hidden, or in such a frame), fails with 5.
    void SetFocus(Control& control);
    /// The focus leaves the active control (LostFocus) and no control has it.
    void LeaveFocus();

    /// The view's hook: called after every change of the window's own state.
    void SetObserver(std::function<void(Form&)> observer) { observer_ = std::move(observer); }

protected:
    /// The window's load and unload steps.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

private:
    friend class Control;
    void Register(Control& control);
    void Unregister(Control& control) noexcept;
    void Notify();

    std::string name_;
    std::string caption_;
    int icon_ = 0;
    int mousePointer_ = vbDefault;
    int windowState_ = vbNormal;
    float top_ = 0;
    float left_ = 0;
    std::int32_t hWnd_;
    bool visible_ = false;
    bool loaded_ = false;
    std::vector<Control*> controls_;
    Control* active_ = nullptr;
    std::function<void(Form&)> observer_;
};

} // namespace kovelund::ui
