#pragma once
// The field expenses a window bills by time and distance (technicians' and assistants' hours,
// kilometres driven, vehicle days) and its two expense boxes (survey documents, takeover fee): the
// statement's rows are made from these fields, and a restored statement gives them back.

#include "document/Aufwand.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/MaskEdBox.h"
#include "platform/ui/TextBox.h"

#include <string_view>

namespace kovelund {

struct Aufwandsfelder {
    ui::MaskEdBox& stundenFachkraft;
    ui::MaskEdBox& stundenHilfskraft;
    ui::MaskEdBox& kilometer;
    ui::TextBox& fahrzeugtage;
    /// The expense boxes and the tariff items of the rows they ask for.
    ui::CheckBox& unterlagen;
    std::string_view unterlagenTarif;
    ui::CheckBox& übernahme;
    std::string_view übernahmeTarif;
    /// How the window's statement writes the vehicle days.
    Zahlform zahlform;

    /// The expenses as the statement bills them.
    Aufwand Werte() const;
    bool Unterlagen() const { return unterlagen.Value() == ui::vbChecked; }
    bool Übernahme() const { return übernahme.Value() == ui::vbChecked; }

    /// Gives back the field or box of a statement row by its tariff item and, for the vehicle rows,
    /// its description; false when the row is none of the expenses.
    bool ZeileLesen(std::string_view tarif, std::string_view bezeichnung, std::string_view menge);
};

} // namespace kovelund
