#include "platform/ui/OptionButton.h"

#include "common/Fehler.h"
#include "platform/ui/Form.h"

namespace kovelund::ui {

void OptionButton::SetValue(bool value) {
    if (value == value_) return;
    if (value) ClearOthers();
    value_ = value;
    Notify();
    if (value) Raise(Click);
}

void OptionButton::Select() {
    if (value_) {
        Raise(Click);
        return;
    }
    SetValue(true);
}

void OptionButton::ClearOthers() {
    for (Control* c : Parent().Controls()) {
        auto* other = dynamic_cast<OptionButton*>(c);
        if (other && other != this && other->Container() == Container() && other->value_) {
            other->value_ = false;
            other->Notify();
        }
    }
}

OptionButtonArray::OptionButtonArray(Form& form, const std::string& name, int count) {
    for (int i = 0; i < count; ++i) {
        auto& element = *elements_.emplace_back(
            std::make_unique<OptionButton>(form, name + "(" + std::to_string(i) + ")"));
        element.Click = [this, i] {
            if (Click) Click(i);
        };
    }
}

OptionButton& OptionButtonArray::operator[](int index) const {
    if (index < 0 || index >= Count())
        throw Fehler(fehlernummer::Index, "option button array: no element " + std::to_string(index) +
                                              " of " + std::to_string(Count()));
    return *elements_[static_cast<std::size_t>(index)];
}

int OptionButtonArray::Selected() const noexcept {
    for (int i = 0; i < Count(); ++i)
        if (elements_[static_cast<std::size_t>(i)]->Value()) return i;
    return -1;
}

void OptionButtonArray::SetContainer(Frame* frame) {
    for (auto& element : elements_)
        element->SetContainer(frame);
}

} // namespace kovelund::ui
