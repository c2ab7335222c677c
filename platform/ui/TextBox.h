#pragma once
// A text box: the text, the caret and selection in characters, and the key and change events; the
// numeric input helpers work on it through Eingabefeld.

#include "common/Eingabefeld.h"
#include "platform/ui/Control.h"

#include <functional>
#include <string>
#include <string_view>

namespace kovelund::ui {

/// Key codes the windows test for.
enum KeyCodes : int {
    vbKeyBack = 8,
    vbKeyTab = 9,
    vbKeyReturn = 13,
    vbKeyEscape = 27,
    vbKeyLeft = 37,
    vbKeyUp = 38,
    vbKeyRight = 39,
    vbKeyDown = 40
};
/// Shift states of a key event.
enum ShiftStates : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

class TextBox : public Control, public Eingabefeld {
public:
    using Control::Control;

    std::string Text() const override { return text_; }
    /// Replaces the text from code; the caret goes to 0. Change fires when the text differs.
    void SetText(std::string text) override;
    int SelStart() const override { return selStart_; }
    /// A caret behind the text goes to its end; the selection becomes empty.
    void SetSelStart(int start) override;
    int SelLength() const override { return selLength_; }
    /// A selection reaching beyond the text ends at its end.
    void SetSelLength(int length) override;
    /// The selected text.
    std::string SelText() const;
    /// The most characters the user can type; 0 for no limit.
    int MaxLength() const noexcept { return maxLength_; }
    void SetMaxLength(int length);

    /// The user pastes a text over the whole field: the caret stands behind it, one Change, no
    /// KeyPress.
    void Paste(std::string text);
    /// The user types the text character by character: KeyPress for each (a handler may replace
    /// the key, or discard it by setting it to 0), then the character replaces the selection at
    /// the caret (Backspace deletes it, or the character before the caret), then Change.
    void Type(std::string_view text);
    /// The user presses a key: KeyDown; Enter, Backspace and Escape then also go through KeyPress
    /// as typed characters do.
    void PressKey(int keyCode, int shift);

    std::function<void()> Change;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode, int shift)> KeyDown;

private:
    void TypeCharacter(int keyAscii);
    void ReplaceSelection(std::string_view replacement);
    int Length() const;

    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
};

} // namespace kovelund::ui
