#include "forms/frmKat2/frmKat2.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "component/Auftragskontext.h"
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
    MaskEdBoxAnteil.SetMask("####");
    chkT10_11.SetCaption("im Zusammenhang mit Tarifstelle 10 oder 11");

    fraZuschläge.SetCaption("Zuschläge wegen erheblichen Mehraufwand");
    fraZuschläge.Place({&chkUnterlagen, &chkVerhältnisse});
    chkUnterlagen.SetCaption("schwierig auszuwertende Unterlagen...");
    chkVerhältnisse.SetCaption("dichter Bodenbewachsung, starker Hanglage...");

    fraAufwendungen.SetCaption("Aufwendungen");
    fraAufwendungen.Place({&lblTechniker, &mskHTechniker, &lblGehilfen, &mskHGehilfen, &lblKM, &MaskEdBoxKM,
                           &lblTageskm, &txtTageskm, &chkVUnterlagen, &chkÜbernahme});
    lblTechniker.SetCaption("Techniker [h]");
    mskHTechniker.SetMask("###,#");
    lblGehilfen.SetCaption("Gehilfen [h]");
    mskHGehilfen.SetMask("###,#");
    lblKM.SetCaption("gefahrene km");
    MaskEdBoxKM.SetMask("###");
    lblTageskm.SetCaption("Kfz Einsatztage");
    chkVUnterlagen.SetCaption("Unterlagen berechnen");
    chkÜbernahme.SetCaption("Übernahmegebühr");

    lblGebührText.SetCaption("Gebühr [€]");
    lblGebühr.SetCaption("    0,00");

    optArt.Click = [this](int index) { optArt_Click(index); };
    chkUnterlagen.Click = [this] { chkUnterlagen_Change(); };
    chkVerhältnisse.Click = [this] { chkVerhältnisse_Change(); };
    TextboxFlst.GotFocus = [this] { TextboxFlst_GotFocus(); };
    msk100.GotFocus = [this] { msk100_GotFocus(); };
    msk100.LostFocus = [this] { msk100_LostFocus(); };
    MaskEdBoxWert.GotFocus = [this] { MaskEdBoxWert_GotFocus(); };
    MaskEdBoxWert.KeyPress = [this](int& taste) { MaskEdBoxWert_KeyPress(taste); };
    MaskEdBoxWert.LostFocus = [this] { MaskEdBoxWert_LostFocus(); };
    MaskEdBoxAnteil.GotFocus = [this] { MaskEdBoxAnteil_GotFocus(); };
    MaskEdBoxAnteil.KeyPress = [this](int& taste) { MaskEdBoxAnteil_KeyPress(taste); };
    MaskEdBoxAnteil.LostFocus = [this] { MaskEdBoxAnteil_LostFocus(); };
    Zahlenfeld(MaskEdBoxKM, 3, 0, true, [this] { GebührBerechnen(); });
    Stundenfeld(mskHTechniker, [this] { GebührBerechnen(); });
    Stundenfeld(mskHGehilfen, [this] { GebührBerechnen(); });
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
        if (BeginntMit(tarif, "15.3")) {
            // The days are written as plain number text ("1.5"); read back as written, not as grouping.
            if (BeginntMit(bezeichnung, "Einsatz von Kraftfahrzeugen bis 10 km"))
                fehler([&] { txtTageskm.SetText(Mengentext(FührendeZahl(zelle(zeile, 3)), 3)); });
            else
                fehler([&] { MaskEdBoxKM.SetText(WertFormatieren(zelle(zeile, 3), 3, 0)); });
        } else if (BeginntMit(tarif, "15.1.3")) {
            fehler([&] { mskHTechniker.SetText(WertFormatieren(zelle(zeile, 3), 5, 1)); });
        } else if (BeginntMit(tarif, "15.1.4")) {
            fehler([&] { mskHGehilfen.SetText(WertFormatieren(zelle(zeile, 3), 5, 1)); });
        } else if (BeginntMit(tarif, "12.4 a")) {
            fehler([&] { chkUnterlagen.SetValue(ui::vbChecked); });
        } else if (BeginntMit(tarif, "12.4 b")) {
            fehler([&] { chkVerhältnisse.SetValue(ui::vbChecked); });
        } else if (BeginntMit(tarif, "14.3")) {
            fehler([&] { chkÜbernahme.SetValue(ui::vbChecked); });
        } else if (BeginntMit(tarif, "5.3.1")) {
            fehler([&] { chkVUnterlagen.SetValue(ui::vbChecked); });
        }
        if (BeginntMit(bezeichnung, "Ihr Anteil beträgt"))
            fehler([&] { MaskEdBoxAnteil.SetText(WertFormatieren(Mitte(bezeichnung, 19, 5), 4, 0)); });
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
    fehler([&] { gebühr += Int(2 * (CVal(mskHTechniker.Text()) + 0.4)) * 41; });
    fehler([&] { gebühr += Int(2 * (CVal(mskHGehilfen.Text()) + 0.4)) * 30.6; });
    fehler([&] { gebühr += CVal(MaskEdBoxKM.Text()) * 0.9; });
    fehler([&] {
        double anteil = CVal(MaskEdBoxAnteil.Text());
        if (anteil == 333)
            gebühr /= 3;
        else
            gebühr = gebühr * anteil / 1000;
    });
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

void frmKat2::msk100_GotFocus() {
    Fehlerbereich fehler{modul, "msk100_GotFocus"};
    fehler([&] { msk100.SetSelStart(0); });
    fehler([&] { msk100.SetSelLength(255); });
}

void frmKat2::msk100_LostFocus() {
    Fehlerbereich fehler{modul, "msk100_LostFocus"};
    fehler([&] { GebührBerechnen(); });
}

void frmKat2::MaskEdBoxWert_GotFocus() {
    Fehlerbereich fehler{modul, "MaskEdBoxWert_GotFocus"};
    fehler([&] { MaskEdBoxWert.SetSelStart(0); });
    fehler([&] { MaskEdBoxWert.SetSelLength(200); });
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

void frmKat2::MaskEdBoxWert_LostFocus() {
    Fehlerbereich fehler{modul, "MaskEdBoxWert_LostFocus"};
    fehler([&] { MaskEdBoxWert.SetText(WertFormatieren(MaskEdBoxWert.Text(), 8, 2)); });
    fehler([&] { GebührBerechnen(); });
}

void frmKat2::MaskEdBoxAnteil_GotFocus() {
    Fehlerbereich fehler{modul, "MaskEdBoxAnteil_GotFocus"};
    fehler([&] { MaskEdBoxAnteil.SetSelStart(0); });
    fehler([&] { MaskEdBoxAnteil.SetSelLength(255); });
}

void frmKat2::MaskEdBoxAnteil_KeyPress(int& taste) {
    Fehlerbereich fehler{modul, "MaskEdBoxAnteil_KeyPress"};
    if (taste == ui::vbKeyReturn) fehler([&] { GebührBerechnen(); });
}

void frmKat2::MaskEdBoxAnteil_LostFocus() {
    Fehlerbereich fehler{modul, "MaskEdBoxAnteil_LostFocus"};
    fehler([&] { GebührBerechnen(); });
}

} // namespace kovelund
