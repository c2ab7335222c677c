#include "platform/ui/Form.h"

#include "common/Fehler.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Control.h"

#include <algorithm>
#include <atomic>
#include <map>

namespace kovelund::ui {

namespace {

std::int32_t NächsterHandle() {
    // Handles look like the window system's: nonzero, even, and never reused in the process.
    static std::atomic<std::int32_t> next{0x10010};
    return next.fetch_add(2);
}

// Never destroyed: a window held in a static of its own may outlive any other static at exit.
std::map<std::int32_t, Form*>& Handles() {
    static auto* handles = new std::map<std::int32_t, Form*>;
    return *handles;
}

} // namespace

Form::Form(std::string name) : name_(std::move(name)), caption_(name_), hWnd_(NächsterHandle()) {
    Handles()[hWnd_] = this;
}

Form::~Form() {
    Handles().erase(hWnd_);
}

Form* Form::FromHandle(std::int32_t hWnd) noexcept {
    auto it = Handles().find(hWnd);
    return it == Handles().end() ? nullptr : it->second;
}

void Form::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Notify();
}

void Form::SetIcon(int resource) {
    icon_ = resource;
    Notify();
}

void Form::SetMousePointer(int pointer) {
    mousePointer_ = pointer;
    Notify();
}

void Form::SetWindowState(int state) {
    windowState_ = state;
    Notify();
}

void Form::SetTop(float top) {
    top_ = top;
    Notify();
}

void Form::SetLeft(float left) {
    left_ = left;
    Notify();
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    Form_Load();
    Notify();
}

void Form::Show() {
    Load();
    if (!loaded_) return;
    visible_ = true;
    Notify();
}

void Form::ShowModal() {
    Load();
    if (!loaded_) return;
    visible_ = true;
    Notify();
    CurrentBackend().RunModal(*this);
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    Notify();
}

void Form::Unload() {
    if (!loaded_) return;
    Form_Unload();
    loaded_ = false;
    visible_ = false;
    active_ = nullptr;
    Notify();
    if (Unloaded) Unloaded();
}

Control* Form::Find(std::string_view name) const noexcept {
    auto it = std::find_if(controls_.begin(), controls_.end(), [&](Control* c) { return c->Name() == name; });
    return it == controls_.end() ? nullptr : *it;
}

void Form::SetFocus(Control& control) {
    if (&control.Parent() != this || !control.Usable())
        throw Fehler(fehlernummer::UngültigerAufruf, "cannot move the focus to '" + control.Name() +
                                                         "': not an enabled, visible control of '" + name_ +
                                                         "'");
    if (active_ == &control) return;
    Control* old = active_;
    active_ = &control;
    if (old && old->LostFocus) old->LostFocus();
    if (active_ == &control && control.GotFocus) control.GotFocus();
}

void Form::LeaveFocus() {
    Control* old = active_;
    active_ = nullptr;
    if (old && old->LostFocus) old->LostFocus();
}

void Form::Register(Control& control) {
    controls_.push_back(&control);
}

void Form::Unregister(Control& control) noexcept {
    std::erase(controls_, &control);
    if (active_ == &control) active_ = nullptr;
}

void Form::Notify() {
    if (observer_) observer_(*this);
}

} // namespace kovelund::ui
