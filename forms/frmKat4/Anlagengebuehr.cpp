// The fee of tariff 10.2 from the grid lines alone, apart from the window, so that each rule of
// the arithmetic can be checked on its own.

#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "forms/frmKat4/frmKat4.h"

namespace kovelund {

namespace {

// The rate B keeps a trailing blank before " €"; the statement prints it so.
constexpr Staffel2 stufeI{"I", "1.020,00", "41,00  €", "97,00", "82,00"};
constexpr Staffel2 stufeII{"II", "770,00", "36,00  €", "87,00", "72,00"};
constexpr Staffel2 stufeIII{"III", "410,00", "31,00  €", "82,00", "66,00"};

constexpr double zuschlagsatz = 0.2;
constexpr double jeFlächenberechnung = 46.02;
constexpr double jeHalbemKilometer = 122.71;
constexpr double jeTrennstück = 40.90;

std::size_t Index(Gelände gelände) {
    return static_cast<std::size_t>(gelände);
}

} // namespace

Gelände GeländeDerArt(std::string_view art) {
    if (art == "Feldlage") return Gelände::Feldlage;
    if (art == "Ortslage") return Gelände::Ortslage;
    return Gelände::Großfläche;
}

const char* Geländename(Gelände gelände) {
    constexpr const char* namen[] = {"Großfläche", "Feldlage", "Ortslage"};
    return namen[Index(gelände)];
}

const Staffel2& Grundgebührstufe(const std::vector<Abschnitt>& abschnitte) {
    std::string kategorie = "III";
    for (const Abschnitt& a : abschnitte)
        if (Länge(a.kategorie) < Länge(kategorie)) kategorie = a.kategorie;
    if (kategorie == "I") return stufeI;
    if (kategorie == "II") return stufeII;
    return stufeIII;
}

double Einheiten(std::string_view länge, std::string_view seite) {
    double meter = CVal(länge);
    if (seite != "Seite 1") meter = meter * 0.9;
    return Int(meter / 10 + 0.9);
}

double HalbeKilometer(double meter) {
    return Int(2 * (meter / 1000) + 0.99);
}

double Anlagengebühr::Gewichtet(Gelände gelände) const {
    return static_cast<double>(Index(gelände) + 1) * teilgebührB[Index(gelände)];
}

bool Anlagengebühr::MitZeilen(Gelände gelände) const {
    return geländeeinheiten[Index(gelände)] > 0;
}

int Anlagengebühr::LeereZeilen() const {
    int leer = 0;
    for (Gelände g : {Gelände::Großfläche, Gelände::Feldlage, Gelände::Ortslage})
        if (vorhanden[Index(g)] && !MitZeilen(g)) leer += 2;
    return leer;
}

double Flächenberechnungen(std::string_view feld) {
    return FührendeZahl(feld);
}

Anlagengebühr AnlagengebührBerechnen(const std::vector<Abschnitt>& abschnitte, double flächenberechnungen) {
    Anlagengebühr g;
    g.staffel = &Grundgebührstufe(abschnitte);
    double meter = 0;
    for (const Abschnitt& a : abschnitte) {
        double einheiten = Einheiten(a.länge, a.seite);
        std::size_t gelände = Index(GeländeDerArt(a.art));
        g.einheiten.push_back(einheiten);
        g.vorhanden[gelände] = true;
        g.geländeeinheiten[gelände] += einheiten;
        g.mitNeuenGM += CVal(a.mitNeuenGM);
        g.ohneNeueGM += CVal(a.ohneNeueGM);
        meter += CVal(a.länge);
    }
    double satzB = CVal(g.staffel->satzB);
    g.grundgebühr = CVal(g.staffel->grundgebühr);
    g.summeB = g.grundgebühr;
    for (std::size_t i = 0; i < g.teilgebührB.size(); ++i) {
        g.teilgebührB[i] = g.geländeeinheiten[i] * satzB;
        g.summeB += g.teilgebührB[i];
    }
    g.teilgebührC1 = g.mitNeuenGM * CVal(g.staffel->satzC1);
    g.teilgebührC2 = g.ohneNeueGM * CVal(g.staffel->satzC2);
    g.zuschlag = zuschlagsatz * g.summeB;
    g.halbeKilometer = HalbeKilometer(meter);
    g.unterlagen = g.halbeKilometer * jeHalbemKilometer;
    g.übernahme = (g.mitNeuenGM + g.ohneNeueGM) * jeTrennstück;
    g.flächenberechnungen = flächenberechnungen;
    g.flächenbetrag = g.flächenberechnungen * jeFlächenberechnung;
    return g;
}

} // namespace kovelund
