#pragma once
// The calculator window of category 5, "Grenzbescheinigungen": the fee for a boundary certificate by
// the building value, with or without a site inspection (tariff 8.1.1 or 8.1.2), and 5,00 € for each
// additional copy. It shows no running fee; on "&OK" it writes its table of three rows, or four with
// copies (marker "Kovelund_5" between row 3 and row 4).

#include "forms/Rechnerfenster.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdBox.h"

#include <optional>
#include <string>
#include <string_view>

namespace kovelund {

/// The price of one additional copy of the certificate.
inline constexpr double Mehrausfertigungssatz = 5.0;

/// The certificate's fee: the scale with or without site inspection for the building value in euros
/// (the scales take thousands), plus 5,00 € for each of `mehrfach` copies when there are any.
double Grenzbescheinigungsgebühr(bool ortsbesichtigung, double gebäudewert, double mehrfach);

/// The comma key's rewrite of the value box: while the fifth character is a blank and the number
/// stands in the first four, a blank, those four characters and ",  " (at most four times), so the
/// integer part ends right-aligned in five places before the comma. None when nothing was rewritten.
std::optional<std::string> KommaUmschreiben(std::string_view text);

class frmKat5 : public Rechnerfenster {
public:
    frmKat5();

    /// Ticked: the certificate with site inspection, tariff 8.1.1; else 8.1.2.
    ui::CheckBox chkOrt{*this, "chkOrt"};
    ui::Label lblWert{*this, "lblWert"};
    /// The building value in euros, free text with German grouping.
    ui::MaskEdBox MaskEdBoxWert{*this, "MaskEdBoxWert"};
    ui::Label lblMehrfach{*this, "lblMehrfach"};
    /// The number of additional copies; empty or 0 for none.
    ui::MaskEdBox mskMehrfach{*this, "mskMehrfach"};

    /// Shows the building value in whole euros, right-aligned in eight characters.
    void WertÜberprüfen();

private:
    void NeuAnlegen() override;
    void Wiederherstellen(const docx::Table& tabelle) override;
    Abrechnung Aufstellen() override;

    void NeuWerte();
    void MaskEdBoxWert_KeyPress(int& taste);
    /// The copies as the fee counts them: the leading number read with a point as decimal separator.
    double Mehrausfertigungen() const;
};

} // namespace kovelund
