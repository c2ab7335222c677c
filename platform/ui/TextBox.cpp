#include "platform/ui/TextBox.h"

#include "common/Texte.h"

#include <algorithm>

namespace kovelund::ui {

namespace {

/// The UTF-8 form of a character code.
std::string Zeichen(int code) {
    auto c = static_cast<unsigned>(code);
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

/// The code of the UTF-8 character at `pos`, advancing `pos` behind it.
int NächstesZeichen(std::string_view text, std::size_t& pos) {
    auto b = static_cast<unsigned char>(text[pos++]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    int code = extra == 0 ? b : b & (0x3F >> extra);
    for (; extra > 0 && pos < text.size(); --extra)
        code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    return code;
}

} // namespace

int TextBox::Length() const {
    return static_cast<int>(Länge(text_));
}

void TextBox::SetText(std::string text) {
    selStart_ = 0;
    selLength_ = 0;
    if (text == text_) {
        Notify();
        return;
    }
    text_ = std::move(text);
    Notify();
    Raise(Change);
}

void TextBox::SetSelStart(int start) {
    selStart_ = std::clamp(start, 0, Length());
    selLength_ = 0;
    Notify();
}

void TextBox::SetSelLength(int length) {
    selLength_ = std::clamp(length, 0, Length() - selStart_);
    Notify();
}

std::string TextBox::SelText() const {
    return Mitte(text_, static_cast<std::size_t>(selStart_) + 1, static_cast<std::size_t>(selLength_));
}

void TextBox::SetMaxLength(int length) {
    maxLength_ = std::max(length, 0);
    Notify();
}

void TextBox::Paste(std::string text) {
    text_ = std::move(text);
    selStart_ = Length();
    selLength_ = 0;
    Notify();
    Raise(Change);
}

void TextBox::Type(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();)
        TypeCharacter(NächstesZeichen(text, pos));
}

void TextBox::PressKey(int keyCode, int shift) {
    if (KeyDown) KeyDown(keyCode, shift);
    if (keyCode == vbKeyReturn || keyCode == vbKeyBack || keyCode == vbKeyEscape) TypeCharacter(keyCode);
}

void TextBox::TypeCharacter(int keyAscii) {
    if (KeyPress) KeyPress(keyAscii);
    if (keyAscii == vbKeyBack) {
        if (selLength_ == 0 && selStart_ > 0) {
            --selStart_;
            selLength_ = 1;
        }
        if (selLength_ > 0) ReplaceSelection("");
        return;
    }
    // Enter, Escape and the other control keys put nothing into a one-line box.
    if (keyAscii < 32) return;
    if (maxLength_ > 0 && Length() - selLength_ >= maxLength_) return;
    ReplaceSelection(Zeichen(keyAscii));
}

void TextBox::ReplaceSelection(std::string_view replacement) {
    auto start = static_cast<std::size_t>(selStart_);
    std::size_t von = ByteOffset(text_, start + 1);
    std::size_t bis = ByteOffset(text_, start + static_cast<std::size_t>(selLength_) + 1);
    text_.replace(von, bis - von, replacement);
    selStart_ += static_cast<int>(Länge(replacement));
    selLength_ = 0;
    Notify();
    Raise(Change);
}

} // namespace kovelund::ui
