#include "component/Eigenschaften.h"

#include "component/KV.h"

#include <map>
#include <string>

namespace kovelund {

namespace {

struct Eigenschaft {
    Variant (KV::*lesen)() const;
    void (KV::*schreiben)(const Variant&);
};

const Eigenschaft& Suchen(std::string_view name) {
    static const std::map<std::string, Eigenschaft, std::less<>> eigenschaften{
        {"Flurstücksnummer", {&KV::Flurstücksnummer, &KV::SetFlurstücksnummer}},
        {"Fläche", {&KV::Fläche, &KV::SetFläche}},
        {"Bodenwert", {&KV::Bodenwert, &KV::SetBodenwert}},
        {"Lage", {&KV::Lage, &KV::SetLage}},
        {"Baukosten", {&KV::Baukosten, &KV::SetBaukosten}},
        {"Achslänge", {&KV::Achslänge, &KV::SetAchslänge}},
        {"Grenzlänge", {&KV::Grenzlänge, &KV::SetGrenzlänge}},
        {"Flurstücke", {&KV::Flurstücke, &KV::SetFlurstücke}},
        {"AnzahlGrenzpunkte", {&KV::AnzahlGrenzpunkte, &KV::SetAnzahlGrenzpunkte}},
        {"ID_Benutzer", {&KV::ID_Benutzer, &KV::SetID_Benutzer}},
    };
    auto gefunden = eigenschaften.find(name);
    if (gefunden == eigenschaften.end())
        throw Fehler(438, "KV has no property '" + std::string(name) + "' with a simple value");
    return gefunden->second;
}

} // namespace

Variant EigenschaftLesen(const KV& kv, std::string_view name) {
    return (kv.*Suchen(name).lesen)();
}

void EigenschaftSetzen(KV& kv, std::string_view name, const Variant& wert) {
    (kv.*Suchen(name).schreiben)(wert);
}

} // namespace kovelund
