#include "component/KV.h"

#include "component/Auftragskontext.h"
#include "component/Fensterregister.h"
#include "component/Objektverweis.h"
#include "component/TempDoc.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace kovelund {

namespace {

// A failed conversion reaches the host with its own number, naming the property it was meant for.
template <class Umwandlung>
auto Umgewandelt(std::string_view eigenschaft, const Variant& wert, Umwandlung umwandeln) {
    try {
        return umwandeln(wert);
    } catch (const Fehler& fehler) {
        throw Fehler(fehler.Nummer(), "cannot set KV." + std::string(eigenschaft) + ": " + fehler.what());
    }
}

bool Nichts(const Variant& wert) {
    const auto* objekt = std::get_if<Variant::Objekt>(&wert.Inhalt());
    return wert.IstLeer() || (objekt != nullptr && !objekt->zeiger);
}

template <class T> std::shared_ptr<T> Objekt(const Variant& wert) {
    if (Nichts(wert)) return nullptr;
    return wert.Als<T>();
}

std::string Text(const Variant& wert) {
    return AlsText(wert);
}
double Zahl(const Variant& wert) {
    return AlsDouble(wert);
}
std::int16_t Integer(const Variant& wert) {
    return AlsInteger(wert);
}
std::int32_t Long(const Variant& wert) {
    return AlsLong(wert);
}

} // namespace

void KV::Show(std::int16_t Index, const Variant& Rechnung, std::int32_t hWndMDI) {
    Fehlerbereich fehler{"Rechnung", "Show"};
    Auftragskontext& auftrag = Auftrag();
    auftrag.hWndMDI = hWndMDI;
    std::shared_ptr<dao::Database> datenbank;
    fehler([&] {
        datenbank = Verweis(auftrag.VamoWorkspace, "VamoWorkspace").OpenDatabase(auftrag.DatenbankPfad);
    });
    std::shared_ptr<dao::Recordset> tempDoc;
    fehler([&] {
        tempDoc = Verweis(datenbank, "the host database").OpenRecordset(TempDocAbfrage(auftrag.ID_Benutzer));
    });
    TempDocLesen(fehler, tempDoc, auftrag);
    fehler([&] { auftrag.Rechnung = Objekt<dao::Recordset>(Rechnung); });
    fehler([&] { Fenster().Zeigen(Index); });
}

void KV::Aktualisieren() {}

Variant KV::Flurstücksnummer() const {
    return Auftrag().Flurstücksnummer;
}
void KV::SetFlurstücksnummer(const Variant& Wert) {
    Auftrag().Flurstücksnummer = Umgewandelt("Flurstücksnummer", Wert, Text);
}

Variant KV::Fläche() const {
    return Auftrag().Fläche;
}
void KV::SetFläche(const Variant& Wert) {
    Auftrag().Fläche = Umgewandelt("Fläche", Wert, Zahl);
}

Variant KV::Bodenwert() const {
    return Auftrag().Bodenwert;
}
void KV::SetBodenwert(const Variant& Wert) {
    Auftrag().Bodenwert = Umgewandelt("Bodenwert", Wert, Zahl);
}

Variant KV::Lage() const {
    return Auftrag().Lage;
}
void KV::SetLage(const Variant& Wert) {
    Auftrag().Lage = Umgewandelt("Lage", Wert, Text);
}

Variant KV::Baukosten() const {
    return Auftrag().Baukosten;
}
void KV::SetBaukosten(const Variant& Wert) {
    Auftrag().Baukosten = Umgewandelt("Baukosten", Wert, Zahl);
}

Variant KV::Achslänge() const {
    return Auftrag().Achslänge;
}
void KV::SetAchslänge(const Variant& Wert) {
    Auftrag().Achslänge = Umgewandelt("Achslänge", Wert, Integer);
}

Variant KV::Grenzlänge() const {
    return Auftrag().Grenzlänge;
}
void KV::SetGrenzlänge(const Variant& Wert) {
    Auftrag().Grenzlänge = Umgewandelt("Grenzlänge", Wert, Long);
}

Variant KV::Flurstücke() const {
    return Auftrag().Flurstücke;
}
void KV::SetFlurstücke(const Variant& Wert) {
    Auftrag().Flurstücke = Umgewandelt("Flurstücke", Wert, Integer);
}

Variant KV::AnzahlGrenzpunkte() const {
    return Auftrag().AnzahlGrenzpunkte;
}
void KV::SetAnzahlGrenzpunkte(const Variant& Wert) {
    Auftrag().AnzahlGrenzpunkte = Umgewandelt("AnzahlGrenzpunkte", Wert, Integer);
}

Variant KV::Doc() const {
    return Auftrag().Doc;
}
void KV::SetDoc(const Variant& Wert) {
    auto doc = Umgewandelt("Doc", Wert, Objekt<docx::Document>);
    Auftragskontext& auftrag = Auftrag();
    auftrag.Anwendung = doc ? std::shared_ptr<docx::Application>(doc, &doc->Application()) : nullptr;
    auftrag.Doc = std::move(doc);
}

Variant KV::ID_Benutzer() const {
    return Auftrag().ID_Benutzer;
}
void KV::SetID_Benutzer(const Variant& Wert) {
    Auftrag().ID_Benutzer = Umgewandelt("ID_Benutzer", Wert, Long);
}

Variant KV::NeueAbfrage() const {
    return Auftrag().NeueAbfrage;
}
void KV::SetNeueAbfrage(const Variant& Wert) {
    Auftrag().NeueAbfrage = Umgewandelt("NeueAbfrage", Wert, Objekt<dao::Database>);
}

std::string KV::DatenbankPfad() const {
    return Auftrag().DatenbankPfad;
}
void KV::SetDatenbankPfad(const std::string& Wert) {
    Auftrag().DatenbankPfad = Wert;
}

Variant KV::VamoWorkspace() const {
    return Auftrag().VamoWorkspace;
}
void KV::SetVamoWorkspace(const Variant& Wert) {
    Auftrag().VamoWorkspace = Umgewandelt("VamoWorkspace", Wert, Objekt<dao::Workspace>);
}

KV::~KV() {
    SetAbschluss({});
}

void KV::SetAbschluss(Abschluss abschluss) {
    if (beobachtung_ != 0) Fenster().NichtMehrBeobachten(std::exchange(beobachtung_, 0));
    if (!abschluss) return;
    beobachtung_ = Fenster().Beobachten([abschluss = std::move(abschluss)](int index, bool geschrieben) {
        abschluss(static_cast<std::int16_t>(index), geschrieben);
    });
}

std::unique_ptr<KV> ObjektErzeugen(std::string_view kennung) {
    constexpr std::string_view kv = "Kovelund.KV";
    bool gleich = std::equal(kennung.begin(), kennung.end(), kv.begin(), kv.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
    if (!gleich)
        throw Fehler(429, "cannot create object '" + std::string(kennung) +
                              "': Kovelund has no class of that name");
    return std::make_unique<KV>();
}

} // namespace kovelund
