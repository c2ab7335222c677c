#include "gui/Tasten.h"

#include "platform/ui/TextBox.h"

namespace kovelund::gui {

namespace {
constexpr int vbKeyDelete = 46;
constexpr int vbKeyHome = 36;
constexpr int vbKeyEnd = 35;
constexpr int vbKeyPageUp = 33;
constexpr int vbKeyPageDown = 34;
constexpr int vbKeyF1 = 112;
} // namespace

int Tastencode(const QKeyEvent& taste) {
    int key = taste.key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ui::vbKeyReturn;
    case Qt::Key_Backspace:
        return ui::vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return ui::vbKeyTab;
    case Qt::Key_Escape:
        return ui::vbKeyEscape;
    case Qt::Key_Left:
        return ui::vbKeyLeft;
    case Qt::Key_Up:
        return ui::vbKeyUp;
    case Qt::Key_Right:
        return ui::vbKeyRight;
    case Qt::Key_Down:
        return ui::vbKeyDown;
    case Qt::Key_Delete:
        return vbKeyDelete;
    case Qt::Key_Home:
        return vbKeyHome;
    case Qt::Key_End:
        return vbKeyEnd;
    case Qt::Key_PageUp:
        return vbKeyPageUp;
    case Qt::Key_PageDown:
        return vbKeyPageDown;
    default:
        break;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return vbKeyF1 + (key - Qt::Key_F1);
    return 0;
}

int Umschaltung(const QKeyEvent& taste) {
    Qt::KeyboardModifiers m = taste.modifiers();
    // Backtab is Shift+Tab even where the platform reports no Shift.
    bool shift = m.testFlag(Qt::ShiftModifier) || taste.key() == Qt::Key_Backtab;
    return (shift ? ui::vbShiftMask : 0) | (m.testFlag(Qt::ControlModifier) ? ui::vbCtrlMask : 0) |
           (m.testFlag(Qt::AltModifier) ? ui::vbAltMask : 0);
}

} // namespace kovelund::gui
