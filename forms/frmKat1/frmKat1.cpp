#include "forms/frmKat1/frmKat1.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "component/Auftragskontext.h"
#include "document/Anteil.h"
#include "scales/modStatus.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace kovelund {

double Flurstücksfaktor(double anzahl) {
    return Int(0.8 * std::sqrt(anzahl) * 100) / 100;
}

frmKat1::frmKat1() : Gridfenster("frmKat1", 1, "GridGebühren1") {
    Beschriften();
    fraFlurstücke.Place({&optJa[0], &optJa[1]});
    fraAnzahl.Place({&MaskEdBoxFläche, &MaskEdBoxWert, &mskWert, &txtZusammenZahlen, &txtAnzahl,
                     &lblFlächeEingabe, &lblWertEingabe, &lblGesamtwert, &lblZusammenZahlen, &lblAnzahl});
    fraMehraufwand.Place(
        {&MaskEdBoxMehr_a, &MaskEdBoxMehr_b, &MaskEdBoxMehr_c, &lblMehr_a, &lblMehr_b, &lblMehr_c});
    fraZeitaufwand.Place({&mskHTechniker, &mskHGehilfen, &lblTechniker, &lblGehilfen});
    fraErgebnis.Place({&lblWert, &lblFläche, &txtzahlen, &lblGebühr, &lblBodenwert, &lblGesamtfläche,
                       &lblZahlen, &lblGebührText});
    optJa[0].SetValue(true);
    fraAnzahl.SetVisible(false);
    // The grid as designed, so that a statement restored without a list still has one to set up.
    GridGebühren1.SetCols(5);
    GridGebühren1.SetRows(1);
    FelderVerdrahten();
    FlächenfelderVerdrahten();
    Überlagern({2, &ComboBox4, [](const std::string& text) { return text == "nein" ? 1 : 0; }, 3,
                [this] { ÜbernehmenWerte(); }});
}

void frmKat1::Beschriften() {
    SetCaption("Zerlegung / Sonderung");
    fraFlurstücke.SetCaption("Einzelne Flurstücke eingeben");
    optJa[0].SetCaption("ja");
    optJa[1].SetCaption("nein");
    fraMehraufwand.SetCaption("erheblicher Mehraufwand wegen (Flächenanteile in %)");
    fraZeitaufwand.SetCaption("Zeitaufwand");
    fraErgebnis.SetCaption("Ergebnis");
    chkUnterlagen.SetCaption("Unterlagen berechnen");
    chkÜbernahme.SetCaption("Übernahmegebühr");
    const std::pair<ui::Label*, const char*> beschriftungen[] = {
        {&lblNr, "Nr."},
        {&lblFlächeEingabe, "Fläche [m²]"},
        {&lblWertEingabe, "Bodenwert [€/m²]"},
        {&lblGesamtwert, "Wert[€]"},
        {&lblZusammenZahlen, "zu zahlender Flächenanteil"},
        {&lblAnzahl, "Anzahl der Flurstücke"},
        {&lblGrenzpunkte, "Grenzpunkte"},
        {&lblAnteil, "Anteil in 1000"},
        {&lblMehr_a, "Teilungsberechnungen"},
        {&lblMehr_b, "unklare Grenzverhältnisse"},
        {&lblMehr_c, "dichte Bodenbewachsung"},
        {&lblTechniker, "Techniker [h]"},
        {&lblGehilfen, "Gehilfen [h]"},
        {&lblKM, "gefahrene km"},
        {&lblTageskm, "Kfz Einsatztage"},
        {&lblBodenwert, "Bodenwert [€/m²]"},
        {&lblGesamtfläche, "Gesamtfläche [m²]"},
        {&lblZahlen, "zu zahlen [m²]"},
        {&lblGebührText, "Gebühr [€]"}};
    for (const auto& [label, text] : beschriftungen)
        label->SetCaption(text);
    MaskEdBoxGrenzpunkte.SetMask("##");
    for (ui::MaskEdBox* feld : {&MaskEdBoxMehr_a, &MaskEdBoxMehr_b, &MaskEdBoxMehr_c})
        feld->SetMask("###");
}

void frmKat1::FelderVerdrahten() {
    // Wired before the fields recompute on change, so that its default does not run the fee.
    Anteilfeld(MaskEdBoxAnteil, [this] {
        WertÜberprüfen();
        ÜbernehmenWerte();
    });
    auto berechnen = [this] { Berechnen(); };
    comArt.Change = berechnen;
    comArt.Click = berechnen;
    const std::initializer_list<ui::TextBox*> rechnend = {
        &MaskEdBoxAnteil, &MaskEdBoxGrenzpunkte, &MaskEdBoxKM,  &MaskEdBoxMehr_a, &MaskEdBoxMehr_b,
        &MaskEdBoxMehr_c, &mskHTechniker,        &mskHGehilfen, &txtTageskm,      &txtZusammenZahlen};
    for (ui::TextBox* feld : rechnend)
        feld->Change = berechnen;
    Zahlenfeld(MaskEdBoxGrenzpunkte, 2, 0);
    for (ui::MaskEdBox* feld : {&MaskEdBoxMehr_a, &MaskEdBoxMehr_b, &MaskEdBoxMehr_c})
        Zahlenfeld(*feld, 3, 0);
    AufwandVerdrahten(aufwand);
    optJa.Click = [this](int index) { optJa_Click(index); };
}

void frmKat1::FlächenfelderVerdrahten() {
    Markieren(txtAnzahl);
    txtAnzahl.LostFocus = [this] { OhneFlurstücke(); };
    MaskEdBoxFläche.LostFocus = [this] { MaskEdBoxFläche_LostFocus(); };
    MaskEdBoxWert.LostFocus = [this] { MaskEdBoxWert_LostFocus(); };
    mskWert.LostFocus = [this] { mskWert_LostFocus(); };
}

void frmKat1::ListenFüllen() {
    Fehlerbereich fehler{Name(), "Form_Load"};
    fehler([&] {
        comArt.AddItem("10.1.1");
        comArt.AddItem("11.1");
        comArt.AddItem("11.2");
    });
    fehler([&] {
        ComboBox4.Clear();
        ComboBox4.AddItem("ja");
        ComboBox4.AddItem("nein");
        ComboBox4.SetListIndex(0);
    });
}

void frmKat1::NeuAnlegen() {
    Fehlerbereich fehler{Name(), "Form_Load"};
    const Auftragskontext& auftrag = Auftrag();
    fehler([&] {
        GridGebühren1.SetCols(5);
        GridGebühren1.SetRows(1);
        GridGebühren1.SetRow(1);
        GridGebühren1.SetRowHeight(1, Zeilenhöhe);
    });
    fehler([&] { NeuWerte(); });
    comArt.SetText("10.1.1");
    mskHTechniker.SetText("  0,0");
    mskHGehilfen.SetText("  0,0");
    MaskEdBoxGrenzpunkte.SetText(WertFormatieren(auftrag.AnzahlGrenzpunkte, 2, 0));
    MaskEdBoxFläche.SetText(WertFormatieren(auftrag.Fläche, 7, 0));
    MaskEdBoxWert.SetText(WertFormatieren(auftrag.Bodenwert, 9, 2));
    mskWert.SetText(WertFormatieren(auftrag.Bodenwert * auftrag.Fläche, 9, 2));
}

void frmKat1::GridEinrichten() {
    Fehlerbereich fehler{Name(), "Form_Load"};
    // The yes/no column is edited only through its choice box.
    SpaltenEinrichten({{"Flurstück", 2840, 0},
                       {" zu zahlen", 1000, 1, false},
                       {" Fläche [m²]", 900, 1},
                       {" Bodenwert [€/m²]", 1400, 1},
                       {" Wert [€]", 1000, 1}});
    fehler([&] { GridGebühren1.SetRowHeight(1, Zeilenhöhe); });
    fehler([&] { GridGebühren1.SetRow(1); });
}

void frmKat1::NeuWerte() {
    Fehlerbereich fehler{Name(), "NeuWerte"};
    const Auftragskontext& auftrag = Auftrag();
    int r = GridGebühren1.Row();
    fehler([&] { GridGebühren1.SetTextMatrix(r, 2, "ja"); });
    fehler([&] { GridGebühren1.SetTextMatrix(r, 3, WertFormatieren(auftrag.Fläche, 7, 0)); });
    fehler([&] { GridGebühren1.SetTextMatrix(r, 4, WertFormatieren(auftrag.Bodenwert, 9, 2)); });
    fehler([&] {
        GridGebühren1.SetTextMatrix(r, 5, WertFormatieren(auftrag.Fläche * auftrag.Bodenwert, 9, 2));
    });
    fehler([&] { GridGebühren1.SetTextMatrix(r, 1, "Flst.Nr. " + auftrag.Flurstücksnummer); });
}

void frmKat1::ZelleFormatieren() {
    Fehlerbereich fehler{Name(), "GridGebühren1_CellIsDirty"};
    int r = GridGebühren1.Row();
    auto zelle = [&](int c) { return GridGebühren1.TextMatrix(r, c); };
    auto wertNeu = [&] {
        GridGebühren1.SetTextMatrix(r, 5, WertFormatieren(CVal(zelle(3)) * CVal(zelle(4)), 9, 2));
    };
    switch (GridGebühren1.Col()) {
    case 3:
        fehler([&] { GridGebühren1.SetTextMatrix(r, 3, WertFormatieren(zelle(3), 5, 0)); });
        fehler(wertNeu);
        break;
    case 4:
        fehler([&] { GridGebühren1.SetTextMatrix(r, 4, WertFormatieren(zelle(4), 8, 2)); });
        fehler(wertNeu);
        break;
    case 5:
        fehler([&] { GridGebühren1.SetTextMatrix(r, 5, WertFormatieren(zelle(5), 9, 2)); });
        fehler([&] {
            if (CVal(zelle(5)) <= 0) wertNeu();
        });
        break;
    default:
        break;
    }
}

void frmKat1::NachDemLöschen() {
    Fehlerbereich fehler{Name(), "CommandLöschen_Click"};
    if (GridGebühren1.Rows() > 9) fehler([&] { GridGebühren1.SetTop(2); });
    fehler([&] { Berechnen(); });
}

void frmKat1::ÜbernehmenWerte() {
    Fehlerbereich fehler{Name(), "ÜbernehmenWerte"};
    fehler([&] { Berechnen(); });
}

void frmKat1::optJa_Click(int index) {
    Fehlerbereich fehler{Name(), "optJa_Click"};
    bool liste = index == 0;
    fehler([&] {
        fraAnzahl.SetVisible(!liste);
        GridGebühren1.SetVisible(liste);
        CommandNeu.SetVisible(liste);
        CommandLöschen.SetVisible(liste);
    });
}

void frmKat1::MaskEdBoxFläche_LostFocus() {
    Fehlerbereich fehler{Name(), "MaskEdBoxFläche_LostFocus"};
    fehler([&] {
        mskWert.SetText(WertFormatieren(CVal(MaskEdBoxFläche.Text()) * CVal(MaskEdBoxWert.Text()), 12, 2));
    });
    fehler([&] { OhneFlurstücke(); });
}

void frmKat1::MaskEdBoxWert_LostFocus() {
    Fehlerbereich fehler{Name(), "MaskEdBoxWert_LostFocus"};
    fehler([&] { MaskEdBoxWert.SetText(WertFormatieren(MaskEdBoxWert.Text(), 8, 2)); });
    fehler([&] {
        mskWert.SetText(WertFormatieren(CVal(MaskEdBoxFläche.Text()) * CVal(MaskEdBoxWert.Text()), 12, 2));
    });
    fehler([&] { OhneFlurstücke(); });
}

void frmKat1::mskWert_LostFocus() {
    Fehlerbereich fehler{Name(), "mskWert_LostFocus"};
    fehler([&] { MaskEdBoxWert.SetText(WertFormatieren(MaskEdBoxWert.Text(), 8, 2)); });
    double fläche = CVal(MaskEdBoxFläche.Text());
    if (fläche > 0)
        fehler([&] { MaskEdBoxWert.SetText(WertFormatieren(CVal(mskWert.Text()) / fläche, 9, 2)); });
    fehler([&] { OhneFlurstücke(); });
}

void frmKat1::OhneFlurstücke() {
    Fehlerbereich fehler{Name(), "OhneFlurstücke"};
    fehler([&] { lblWert.SetCaption(WertFormatieren(MaskEdBoxWert.Text(), 11, 2)); });
    fehler([&] { lblFläche.SetCaption(WertFormatieren(MaskEdBoxFläche.Text(), 5, 0)); });
    fehler([&] { Berechnen(); });
}

double frmKat1::ZuZahlendeFläche() const {
    if (!Listenmodus()) return CVal(txtZusammenZahlen.Text());
    double z = 0;
    for (int r = 1; r <= GridGebühren1.Rows(); ++r)
        if (GridGebühren1.TextMatrix(r, 2) == "ja") z += CVal(GridGebühren1.TextMatrix(r, 3));
    return z;
}

void frmKat1::Berechnen() {
    Fehlerbereich fehler{Name(), "Berechnen"};
    double f = 0, v = 0, a = 0, z = 0;
    if (Listenmodus()) {
        double w = 0;
        int p = GridGebühren1.Rows();
        fehler([&] {
            for (int r = 1; r <= p; ++r) {
                w += CVal(GridGebühren1.TextMatrix(r, 5));
                a += CVal(GridGebühren1.TextMatrix(r, 3));
            }
        });
        fehler([&] { z = ZuZahlendeFläche(); });
        v = a > 0 ? w / a : 0;
        lblWert.SetCaption(WertFormatieren(v, 11, 2));
        lblFläche.SetCaption(WertFormatieren(a, 5, 0));
        f = Gebührenstaffel1(v, a);
        if (p > 1) f = f * Flurstücksfaktor(p);
    } else {
        v = CVal(lblWert.Caption());
        a = CVal(lblFläche.Caption());
        f = Gebührenstaffel1(v, a);
        double n = CVal(txtAnzahl.Text());
        if (n > 1) f = f * Flurstücksfaktor(n);
        z = ZuZahlendeFläche();
    }
    if (comArt.Text() == "10.1.1") {
        double m = CVal(MaskEdBoxMehr_a.Text()) / 100 * f * 0.2 +
                   CVal(MaskEdBoxMehr_b.Text()) / 100 * f * 0.2 +
                   CVal(MaskEdBoxMehr_c.Text()) / 100 * f * 0.2;
        if (m > 0.5 * f) m = 0.5 * f;
        f = f + m;
        double punkte = CVal(MaskEdBoxGrenzpunkte.Text());
        f = f + Grenzfeststellung_B(v, punkte) * punkte;
        // The running fee bills 4,60 € a vehicle day; the statement bills the day rate.
        f = f + StundensatzFachkraft * CVal(mskHTechniker.Text()) +
            StundensatzHilfskraft * CVal(mskHGehilfen.Text()) + Kilometersatz * CVal(MaskEdBoxKM.Text()) +
            4.6 * CVal(txtTageskm.Text());
    } else {
        f = f * (comArt.Text() == "11.1" ? 0.5 : 0.8);
    }
    double anteil = CVal(MaskEdBoxAnteil.Text());
    if (anteil == 0) {
        anteil = 1000;
        fehler([&] { MaskEdBoxAnteil.SetText("1000"); });
    }
    f = Anteilig(f, anteil);
    fehler([&] { txtzahlen.SetText(AlsText(z)); });
    fehler([&] { txtZusammenZahlen.SetText(txtzahlen.Text()); });
    if (a != 0) f = f * z / a;
    fehler([&] { lblGebühr.SetCaption(Rechtsbündig(Festformat(f, 2, Gruppierung::Ohne), 8)); });
}

} // namespace kovelund
