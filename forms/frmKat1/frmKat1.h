#pragma once
// The calculator window of category 1, "Zerlegung / Sonderung": the parcels in a list (or their
// totals), the kind of work, boundary points, the customer's share, surcharges and field expenses;
// the running fee in lblGebühr and, on "&OK", the fee statement.

#include "forms/Gridfenster.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdBox.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

#include <optional>
#include <string>
#include <string_view>

namespace kovelund {

/// The factor for several parcels, Int(0,8 × √anzahl × 100) / 100: 1,6 for four, 1,13 for two.
double Flurstücksfaktor(double anzahl);

/// The value band a land value is billed in, as the statement names it: "0 - 2,50" … "> 250,00".
std::string Wertstufe(double bodenwert);

/// A land value of the band `stufe` that bills `satz` with Gebührenstaffel1 for `fläche`: the band's
/// upper bound, or its lower bound where only that bills it; above 250,00 the first of 300, 400, …
/// that does, else 250,01 when that does, else 300. None for a text that is no band.
std::optional<double> BodenwertDerStufe(std::string_view stufe, double satz, double fläche);

class frmKat1 : public Gridfenster {
public:
    frmKat1();

    ui::ComboBox comArt{*this, "comArt"};
    ui::Frame fraFlurstücke{*this, "fraFlurstücke"};
    ui::OptionButtonArray optJa{*this, "optJa", 2};
    ui::Grid& GridGebühren1 = Gitter;
    ui::ComboBox ComboBox4{*this, "ComboBox4"};

    ui::Frame fraAnzahl{*this, "fraAnzahl"};
    ui::MaskEdBox MaskEdBoxFläche{*this, "MaskEdBoxFläche"};
    ui::MaskEdBox MaskEdBoxWert{*this, "MaskEdBoxWert"};
    ui::MaskEdBox mskWert{*this, "mskWert"};
    ui::TextBox txtZusammenZahlen{*this, "txtZusammenZahlen"};
    ui::TextBox txtAnzahl{*this, "txtAnzahl"};

    ui::MaskEdBox MaskEdBoxGrenzpunkte{*this, "MaskEdBoxGrenzpunkte"};
    ui::MaskEdBox MaskEdBoxAnteil{*this, "MaskEdBoxAnteil"};

    ui::Frame fraMehraufwand{*this, "fraMehraufwand"};
    ui::MaskEdBox MaskEdBoxMehr_a{*this, "MaskEdBoxMehr_a"};
    ui::MaskEdBox MaskEdBoxMehr_b{*this, "MaskEdBoxMehr_b"};
    ui::MaskEdBox MaskEdBoxMehr_c{*this, "MaskEdBoxMehr_c"};

    ui::Frame fraZeitaufwand{*this, "fraZeitaufwand"};
    ui::MaskEdBox mskHTechniker{*this, "mskHTechniker"};
    ui::MaskEdBox mskHGehilfen{*this, "mskHGehilfen"};
    ui::MaskEdBox MaskEdBoxKM{*this, "MaskEdBoxKM"};
    ui::TextBox txtTageskm{*this, "txtTageskm"};
    ui::CheckBox chkUnterlagen{*this, "chkUnterlagen"};
    ui::CheckBox chkÜbernahme{*this, "chkÜbernahme"};

    ui::Frame fraErgebnis{*this, "fraErgebnis"};
    ui::Label lblWert{*this, "lblWert"};
    ui::Label lblFläche{*this, "lblFläche"};
    ui::TextBox txtzahlen{*this, "txtzahlen"};
    ui::Label lblGebühr{*this, "lblGebühr"};

    /// Recomputes the running fee from the current inputs into lblGebühr.
    void Berechnen();
    /// Takes the totals of fraAnzahl into lblWert and lblFläche, then recomputes.
    void OhneFlurstücke();
    void ÜbernehmenWerte() override;
    void WertÜberprüfen() {}
    void LesenWerte() {}

protected:
    void ListenFüllen() override;
    void Wiederherstellen(const docx::Table& tabelle) override;
    void NeuAnlegen() override;
    void GridEinrichten() override;
    void NeuWerte() override;
    void ZelleFormatieren() override;
    void NachDemLöschen() override;
    int LetzteSpalte() const override { return 5; }

    void EingabeAbschließen() override;
    bool EtwasZuSchreiben() override;
    Abrechnung Aufstellen() override;

private:
    void FelderVerdrahten();
    void FlächenfelderVerdrahten();
    void Beschriften();
    void optJa_Click(int index);
    void MaskEdBoxFläche_LostFocus();
    void MaskEdBoxWert_LostFocus();
    void mskWert_LostFocus();
    bool Listenmodus() const { return optJa[0].Value(); }
    /// The paid area from the areas of the list, or from txtZusammenZahlen in totals mode.
    double ZuZahlendeFläche() const;

    /// Restore steps: the parcel rows above the fee header, the land value that bills the stored
    /// scale rate, and one fee or share row (true when it gave the paid area).
    void FlurstückeLesen(const docx::Table& tabelle, int kopfzeile);
    void BodenwertLesen(const std::string& stufe, const std::string& staffelsatz);
    bool ZeileLesen(const std::string& nummer, const std::string& bezeichnung, const std::string& menge,
                    const std::string& satz);

    /// Captions of the fields, as the window shows them.
    ui::Label lblNr{*this, "lblNr"};
    ui::Label lblFlächeEingabe{*this, "lblFlächeEingabe"};
    ui::Label lblWertEingabe{*this, "lblWertEingabe"};
    ui::Label lblGesamtwert{*this, "lblGesamtwert"};
    ui::Label lblZusammenZahlen{*this, "lblZusammenZahlen"};
    ui::Label lblAnzahl{*this, "lblAnzahl"};
    ui::Label lblGrenzpunkte{*this, "lblGrenzpunkte"};
    ui::Label lblAnteil{*this, "lblAnteil"};
    ui::Label lblMehr_a{*this, "lblMehr_a"};
    ui::Label lblMehr_b{*this, "lblMehr_b"};
    ui::Label lblMehr_c{*this, "lblMehr_c"};
    ui::Label lblTechniker{*this, "lblTechniker"};
    ui::Label lblGehilfen{*this, "lblGehilfen"};
    ui::Label lblKM{*this, "lblKM"};
    ui::Label lblTageskm{*this, "lblTageskm"};
    ui::Label lblBodenwert{*this, "lblBodenwert"};
    ui::Label lblGesamtfläche{*this, "lblGesamtfläche"};
    ui::Label lblZahlen{*this, "lblZahlen"};
    ui::Label lblGebührText{*this, "lblGebührText"};

    Aufwandsfelder aufwand{mskHTechniker, mskHGehilfen, MaskEdBoxKM, txtTageskm,         chkUnterlagen,
                           "5.3.1",       chkÜbernahme, "14.1",      Zahlform::Allgemein};
};

} // namespace kovelund
