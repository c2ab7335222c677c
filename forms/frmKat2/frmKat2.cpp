#include "forms/frmKat2/frmKat2.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "component/Auftragskontext.h"
#include "document/Anteil.h"
#include "document/Zelltext.h"
#include "scales/modStatus.h"

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat2";

// The option captions, and the kind texts of the statement's row 4 that the restore reads back.
constexpr const char* artText0 = "Grenzfeststellung und Abmarkungen";
constexpr const char* artText1 = "Nachträgliche Abmarkungen";

} // namespace

double GrenzfeststellungTeilA(double punkte) {
    if (punkte == 0) return 0;
    if (punkte >= 1 && punkte <= 5) return 385;
    if (punkte >= 6 && punkte <= 10) return 435;
    if (punkte >= 11 && punkte <= 20) return 540;
    if (punkte >= 21 && punkte <= 30) return 640;
    if (punkte >= 31 && punkte <= 50) return 790;
    return 1050;
}

frmKat2::frmKat2() : Rechnerfenster("frmKat2", 2) {
    SetCaption("Grenzfeststellung und Abmarkungen");

    fraArt.SetCaption("Art");
    optArt.SetContainer(&fraArt);
    optArt[0].SetCaption("Grenzfeststellung und Abmarkung");
    optArt[1].SetCaption("Nachträgliche Abmarkung");
    optArt[2].SetCaption("Abmarkung im Zusammenhang mit Katastererneuerung");
    optArt[0].SetValue(true);

    fraDaten.SetCaption("Daten");
    fraDaten.Place({&lblFlst, &TextboxFlst, &lblGrenzpunkte, &msk100, &lblBodenwert, &MaskEdBoxWert,
                    &lblAnteil, &MaskEdBoxAnteil, &chkT10_11});
    lblFlst.SetCaption("Flst. Nr.");
    lblGrenzpunkte.SetCaption("Grenzpunkte");
    msk100.SetMask("##");
    lblBodenwert.SetCaption("Bodenwert [€/m²]");
    lblAnteil.SetCaption("Anteil in 1000");
    chkT10_11.SetCaption("im Zusammenhang mit Tarifstelle 10 oder 11");

    fraZuschläge.SetCaption("Zuschläge wegen erheblichen Mehraufwand");
    fraZuschläge.Place({&chkUnterlagen, &chkVerhältnisse});
    chkUnterlagen.SetCaption("schwierig auszuwertende Unterlagen...");
    chkVerhältnisse.SetCaption("dichter Bodenbewachsung, starker Hanglage...");

    fraAufwendungen.SetCaption("Aufwendungen");
    fraAufwendungen.Place({&lblTechniker, &mskHTechniker, &lblGehilfen, &mskHGehilfen, &lblKM, &MaskEdBoxKM,
                           &lblTageskm, &txtTageskm, &chkVUnterlagen, &chkÜbernahme});
    lblTechniker.SetCaption("Techniker [h]");
    lblGehilfen.SetCaption("Gehilfen [h]");
    lblKM.SetCaption("gefahrene km");
    lblTageskm.SetCaption("Kfz Einsatztage");
    chkVUnterlagen.SetCaption("Unterlagen berechnen");
    chkÜbernahme.SetCaption("Übernahmegebühr");

    lblGebührText.SetCaption("Gebühr [€]");
    lblGebühr.SetCaption("    0,00");

    optArt.Click = [this](int index) { optArt_Click(index); };
    chkUnterlagen.Click = [this] { chkUnterlagen_Change(); };
    chkVerhältnisse.Click = [this] { chkVerhältnisse_Change(); };
    TextboxFlst.GotFocus = [this] { TextboxFlst_GotFocus(); };
    Markieren(msk100);
    msk100.LostFocus = [this] { msk100_LostFocus(); };
    Zahlenfeld(MaskEdBoxWert, 8, 2, [this] { GebührBerechnen(); });
    Markieren(MaskEdBoxWert, 200);
    MaskEdBoxWert.KeyPress = [this](int& taste) { MaskEdBoxWert_KeyPress(taste); };
    Anteilfeld(
        MaskEdBoxAnteil, [this] { GebührBerechnen(); }, [this] { GebührBerechnen(); });
    AufwandVerdrahten(aufwand, [this] { GebührBerechnen(); });
}

void frmKat2::NeuAnlegen() {
    Fehlerbereich fehler{modul, "Form_Load"};
    fehler([&] { NeuWerte(); });
    fehler([&] { msk100.SetText(WertFormatieren(Auftrag().AnzahlGrenzpunkte, 2, 0)); });
}

void frmKat2::Wiederherstellen(const docx::Table& tabelle) {
    Fehlerbereich fehler{modul, "Form_Load"};
    auto zelle = [&](int zeile, int spalte) { return Zelltext(tabelle.Cell(zeile, spalte)); };

    fehler([&] {
        std::string art = zelle(4, 2);
        int index = art == artText0 ? 0 : art == artText1 ? 1 : 2;
        optArt[index].SetValue(true);
    });
    fehler([&] { TextboxFlst.SetText(zelle(2, 1)); });
    fehler([&] { MaskEdBoxWert.SetText(WertFormatieren(zelle(5, 3), 8, 2)); });
    fehler([&] { msk100.SetText(WertFormatieren(zelle(7, 3), 2, 0)); });
    fehler([&] { chkT10_11.SetValue(BeginntMit(zelle(6, 2), "Gebühr") ? ui::vbUnchecked : ui::vbChecked); });
    fehler([&] { MaskEdBoxAnteil.SetText("1000"); });

    int letzte = 0;
    fehler([&] { letzte = tabelle.Rows().Count(); });
    for (int zeile = 8; zeile <= letzte; ++zeile) {
        std::string tarif, bezeichnung;
        fehler([&] { tarif = zelle(zeile, 1); });
        fehler([&] { bezeichnung = zelle(zeile, 2); });
        fehler([&] {
            if (aufwand.ZeileLesen(tarif, bezeichnung, zelle(zeile, 3))) return;
            if (BeginntMit(tarif, "12.4 a")) chkUnterlagen.SetValue(ui::vbChecked);
            if (BeginntMit(tarif, "12.4 b")) chkVerhältnisse.SetValue(ui::vbChecked);
        });
        if (std::optional<std::string> tausendstel = Tausendstel(bezeichnung))
            fehler([&] { MaskEdBoxAnteil.SetText(WertFormatieren(*tausendstel, 4, 0)); });
    }
    // The label shows what the restored inputs give, as it would after editing them in a new window.
    fehler([&] { GebührBerechnen(); });
}

void frmKat2::NeuWerte() {
    Fehlerbereich fehler{modul, "NeuWerte"};
    fehler([&] { TextboxFlst.SetText("Flst.Nr. " + Auftrag().Flurstücksnummer); });
    fehler([&] {
        MaskEdBoxWert.SetText(Rechtsbündig(Festformat(Auftrag().Bodenwert, 2, Gruppierung::Ohne), 8));
    });
    fehler([&] { MaskEdBoxAnteil.SetText("1000"); });
}

void frmKat2::GebührBerechnen() {
    Fehlerbereich fehler{modul, "GebührBerechnen"};
    double punkte = 0;
    double gebühr = 0;
    fehler([&] { punkte = CVal(msk100.Text()); });
    fehler([&] { gebühr = GrenzfeststellungTeilA(punkte); });
    fehler([&] { gebühr += Grenzfeststellung_B(CVal(MaskEdBoxWert.Text()), punkte) * punkte; });
    fehler([&] {
        if (optArt[1].Value())
            gebühr *= 0.8;
        else if (optArt[2].Value())
            gebühr = punkte * 80;
    });
    fehler([&] {
        double zuschlag = 0;
        if (chkUnterlagen.Value() == ui::vbChecked) zuschlag = gebühr * 0.2;
        if (chkVerhältnisse.Value() == ui::vbChecked) zuschlag += gebühr * 0.2;
        gebühr += zuschlag;
    });
    // The running fee bills started half hours and 0,90 € a kilometre; the statement bills as entered.
    fehler([&] { gebühr += Int(2 * (CVal(mskHTechniker.Text()) + 0.4)) * StundensatzFachkraft; });
    fehler([&] { gebühr += Int(2 * (CVal(mskHGehilfen.Text()) + 0.4)) * StundensatzHilfskraft; });
    fehler([&] { gebühr += CVal(MaskEdBoxKM.Text()) * 0.9; });
    fehler([&] { gebühr = Anteilig(gebühr, CVal(MaskEdBoxAnteil.Text())); });
    fehler([&] { lblGebühr.SetCaption(WertFormatieren(gebühr, 9, 2)); });
}

void frmKat2::optArt_Click(int index) {
    Fehlerbereich fehler{modul, "optArt_Click"};
    bool katastererneuerung = index == 2;
    if (katastererneuerung) {
        fehler([&] { mskHTechniker.SetText("  0,0"); });
        fehler([&] { mskHGehilfen.SetText("  0,0"); });
        fehler([&] { MaskEdBoxKM.SetText("  0"); });
        fehler([&] { chkUnterlagen.SetValue(ui::vbUnchecked); });
        fehler([&] { chkVerhältnisse.SetValue(ui::vbUnchecked); });
    }
    fehler([&] { fraAufwendungen.SetEnabled(!katastererneuerung); });
    fehler([&] { MaskEdBoxWert.SetEnabled(!katastererneuerung); });
    fehler([&] { fraZuschläge.SetEnabled(!katastererneuerung); });
    fehler([&] { GebührBerechnen(); });
}

void frmKat2::chkUnterlagen_Change() {
    Fehlerbereich fehler{modul, "chkUnterlagen_Change"};
    fehler([&] { GebührBerechnen(); });
}

void frmKat2::chkVerhältnisse_Change() {
    Fehlerbereich fehler{modul, "chkVerhältnisse_Change"};
    fehler([&] { GebührBerechnen(); });
}

void frmKat2::TextboxFlst_GotFocus() {
    Fehlerbereich fehler{modul, "TextboxFlst_GotFocus"};
    fehler([&] { TextboxFlst.SetSelStart(9); });
}

void frmKat2::msk100_LostFocus() {
    Fehlerbereich fehler{modul, "msk100_LostFocus"};
    fehler([&] { GebührBerechnen(); });
}

void frmKat2::MaskEdBoxWert_KeyPress(int& taste) {
    Fehlerbereich fehler{modul, "MaskEdBoxWert_KeyPress"};
    if (taste == ',' || taste == '.') {
        fehler([&] { Wert_Key(MaskEdBoxWert, 8, 2); });
        taste = 0;
    } else if (taste == ui::vbKeyReturn) {
        fehler([&] { GebührBerechnen(); });
    }
}

} // namespace kovelund
