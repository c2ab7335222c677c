#pragma once
// Plays a script's steps on an open window by control name, as a user would: every verb but
// `leave` first moves the focus to its control, as a click does.

#include "host/Skript.h"
#include "platform/ui/Form.h"
#include "platform/ui/HeadlessBackend.h"

#include <string_view>

namespace kovelund {

/// Drives one session against the headless backend that answers its dialogs. Every failure is a
/// SkriptFehler naming the step: an unknown control, a verb the control does not take, a control
/// the user could not reach (disabled, hidden, or in a disabled or hidden frame), a value outside
/// the control (no such entry, row or column), an answer that could not be given, and answers left
/// over at the end.
class Treiber {
public:
    explicit Treiber(ui::HeadlessBackend& backend) : backend_(backend) {}

    /// Puts the script's answers into the backend's queue (after any already there).
    void AntwortenEinreihen(const Skript& skript);
    /// Fails when an answer could not be given during what `wo` names ("show", a step).
    void AntwortenPrüfen(std::string_view wo);
    /// Plays every step in order on the window, then checks that no answer is left over.
    void Spielen(const Skript& skript, ui::Form& fenster);
    /// Plays one step.
    void Spielen(const Schritt& schritt, ui::Form& fenster);
    /// Fails when answers are left in the queue, naming them.
    void Abschließen();

private:
    ui::HeadlessBackend& backend_;
};

} // namespace kovelund
