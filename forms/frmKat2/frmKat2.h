#pragma once
// The calculator window of category 2, "Grenzfeststellung und Abmarkungen": boundary determination
// and marking by the number of boundary points and the land value, with surcharges, field expenses
// and the customer's share. It shows a running fee while the user edits and writes its fee
// statement (marker "Kovelund_2") on "&OK"; the running fee and the statement are computed apart and
// differ on purpose (Teil A with tariff 10/11, the kinds 1 and 2, hours, kilometres, the share 333).

#include "forms/Rechnerfenster.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdBox.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

namespace kovelund {

/// The fixed Teil A fee of "Staffel 3" by the number of boundary points: 0 for none, 385, 435, 540,
/// 640 and 790 euros for 1-5, 6-10, 11-20, 21-30 and 31-50 points, 1050 for any other number.
double GrenzfeststellungTeilA(double punkte);

/// The takeover fee (14.3): 15 % of Teil B divided by the share, at least 25,56 €; the shared expense
/// row multiplies it back by the share. A share of 0 bills no expenses at all, so the fee is then
/// 15 % of Teil B undivided, as the row's text says, instead of a division by zero.
double Übernahmegebühr(double teilB, double anteil);

class frmKat2 : public Rechnerfenster {
public:
    frmKat2();

    ui::Frame fraArt{*this, "fraArt"};
    /// (0) 12.1 Grenzfeststellung und Abmarkung, (1) 12.2 nachträgliche Abmarkung, (2) 12.3
    /// Abmarkung bei Katastererneuerung; (0) in a new window.
    ui::OptionButtonArray optArt{*this, "optArt", 3};

    ui::Frame fraDaten{*this, "fraDaten"};
    ui::Label lblFlst{*this, "lblFlst"};
    /// "Flst.Nr. " and the parcel number, as the statement shows it.
    ui::TextBox TextboxFlst{*this, "TextboxFlst"};
    ui::Label lblGrenzpunkte{*this, "lblGrenzpunkte"};
    /// The number of boundary points P.
    ui::MaskEdBox msk100{*this, "msk100"};
    ui::Label lblBodenwert{*this, "lblBodenwert"};
    /// The land value in €/m².
    ui::MaskEdBox MaskEdBoxWert{*this, "MaskEdBoxWert"};
    ui::Label lblAnteil{*this, "lblAnteil"};
    /// The customer's share in thousandths.
    ui::MaskEdBox MaskEdBoxAnteil{*this, "MaskEdBoxAnteil"};
    /// Ticked: the work goes with tariff 10 or 11, and the statement leaves Teil A out.
    ui::CheckBox chkT10_11{*this, "chkT10_11"};

    ui::Frame fraZuschläge{*this, "fraZuschläge"};
    /// Surcharge 12.4 a, 20 % of A + B.
    ui::CheckBox chkUnterlagen{*this, "chkUnterlagen"};
    /// Surcharge 12.4 b, 20 % of A + B.
    ui::CheckBox chkVerhältnisse{*this, "chkVerhältnisse"};

    ui::Frame fraAufwendungen{*this, "fraAufwendungen"};
    ui::Label lblTechniker{*this, "lblTechniker"};
    /// Hours of surveying technicians (15.1.3).
    ui::MaskEdBox mskHTechniker{*this, "mskHTechniker"};
    ui::Label lblGehilfen{*this, "lblGehilfen"};
    /// Hours of assistants (15.1.4).
    ui::MaskEdBox mskHGehilfen{*this, "mskHGehilfen"};
    ui::Label lblKM{*this, "lblKM"};
    /// Kilometres driven (15.3).
    ui::MaskEdBox MaskEdBoxKM{*this, "MaskEdBoxKM"};
    ui::Label lblTageskm{*this, "lblTageskm"};
    /// Vehicle days within 10 km (15.3).
    ui::TextBox txtTageskm{*this, "txtTageskm"};
    /// Survey documents (5.3.1), 20 % of the scale fee, at most 184,06 €.
    ui::CheckBox chkVUnterlagen{*this, "chkVUnterlagen"};
    /// Takeover fee (14.3), 15 % of Teil B, at least 25,56 €.
    ui::CheckBox chkÜbernahme{*this, "chkÜbernahme"};

    ui::Label lblGebührText{*this, "lblGebührText"};
    /// The running fee, (9, 2).
    ui::Label lblGebühr{*this, "lblGebühr"};

private:
    void NeuAnlegen() override;
    void Wiederherstellen(const docx::Table& tabelle) override;
    Abrechnung Aufstellen() override;

    void NeuWerte();
    void GebührBerechnen();
    void optArt_Click(int index);
    void chkUnterlagen_Change();
    void chkVerhältnisse_Change();
    void TextboxFlst_GotFocus();
    void msk100_LostFocus();
    void MaskEdBoxWert_KeyPress(int& taste);

    Aufwandsfelder aufwand{mskHTechniker, mskHGehilfen, MaskEdBoxKM, txtTageskm,        chkVUnterlagen,
                           "5.3.1",       chkÜbernahme, "14.3",      Zahlform::Zahltext};
};

} // namespace kovelund
