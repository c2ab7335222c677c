#include "platform/ui/ComboBox.h"

#include "common/Fehler.h"

#include <algorithm>

namespace kovelund::ui {

namespace {

constexpr int UngültigerWert = 380;

} // namespace

void ComboBox::AddItem(std::string item, int index) {
    if (index < 0 || index > ListCount()) {
        if (index != -1)
            throw Fehler(UngültigerWert,
                         "ComboBox '" + Name() + "' AddItem: invalid index " + std::to_string(index));
        index = ListCount();
    }
    items_.insert(items_.begin() + index, std::move(item));
    if (listIndex_ >= index) ++listIndex_;
    Notify();
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    Notify();
}

std::string ComboBox::List(int index) const {
    return index >= 0 && index < ListCount() ? items_[static_cast<std::size_t>(index)] : std::string();
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount())
        throw Fehler(UngültigerWert,
                     "ComboBox '" + Name() + "' ListIndex: invalid value " + std::to_string(index));
    if (index == listIndex_) return;
    listIndex_ = index;
    if (index >= 0) text_ = items_[static_cast<std::size_t>(index)];
    Notify();
    Raise(Click);
}

void ComboBox::SetText(std::string text) {
    auto it = std::find(items_.begin(), items_.end(), text);
    listIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    bool changed = text != text_;
    text_ = std::move(text);
    Notify();
    if (changed) Raise(Change);
}

void ComboBox::SetLeft(float left) {
    left_ = left;
    Notify();
}

void ComboBox::SetTop(float top) {
    top_ = top;
    Notify();
}

void ComboBox::SetWidth(float width) {
    width_ = width;
    Notify();
}

void ComboBox::Choose(int index) {
    if (index < 0 || index >= ListCount())
        throw Fehler(UngültigerWert, "ComboBox '" + Name() + "': no entry " + std::to_string(index));
    listIndex_ = index;
    text_ = items_[static_cast<std::size_t>(index)];
    Notify();
    Raise(Click);
    Raise(Change);
}

void ComboBox::Choose(std::string_view item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        throw Fehler(UngültigerWert, "ComboBox '" + Name() + "': no entry '" + std::string(item) + "'");
    Choose(static_cast<int>(it - items_.begin()));
}

} // namespace kovelund::ui
