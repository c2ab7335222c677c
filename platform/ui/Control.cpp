#include "platform/ui/Control.h"

#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"

namespace kovelund::ui {

Control::Control(Form& form, std::string name) : form_(form), name_(std::move(name)) {
    form_.Register(*this);
}

Control::~Control() {
    form_.Unregister(*this);
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Notify();
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Notify();
}

void Control::SetContainer(Frame* frame) {
    container_ = frame;
    Notify();
}

bool Control::Usable() const noexcept {
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_ || !c->visible_) return false;
    return true;
}

void Control::SetFocus() {
    form_.SetFocus(*this);
}

bool Control::HasFocus() const noexcept {
    return form_.ActiveControl() == this;
}

void Control::Notify() {
    if (observer_) observer_(*this);
}

} // namespace kovelund::ui
