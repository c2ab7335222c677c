#include "component/TempDoc.h"

#include "component/Objektverweis.h"
#include "platform/dao/Recordset.h"

namespace kovelund {

namespace {

// The field's value; without a recordset the read fails as an unset object reference does.
Variant Feld(const std::shared_ptr<dao::Recordset>& tempDoc, std::string_view name) {
    return Verweis(tempDoc, "the TempDoc record").Fields(name).Value();
}

} // namespace

std::string TempDocAbfrage(std::int32_t ID_Benutzer) {
    return "SELECT * FROM TempDoc WHERE ID_Benutzer = " + std::to_string(ID_Benutzer);
}

Variant ZahlDatensatzLesen(const Variant& Wert) {
    if (Wert.IstNull() || Wert == Variant("")) return std::int16_t{0};
    return Wert;
}

Variant BoolDatensatzLesen(const Variant& Wert) {
    if (Wert.IstNull()) return false;
    return Wert;
}

void TempDocLesen(Fehlerbereich& fehler, const std::shared_ptr<dao::Recordset>& tempDoc,
                  Auftragskontext& auftrag) {
    auto direkt = [&](std::string_view name) { return Feld(tempDoc, name); };
    auto zahl = [&](std::string_view name) { return ZahlDatensatzLesen(Feld(tempDoc, name)); };
    fehler([&] { auftrag.ID_Auftragsnummer = AlsLong(direkt("ID_Auftragsnummer")); });
    fehler([&] { auftrag.MeßtruppZusammenfassen = AlsBoolean(direkt("MeßtruppZusammenfassen")); });
    fehler([&] { auftrag.ID_Lieferschein = AlsLong(zahl("ID_Lieferschein")); });
    fehler([&] { auftrag.AbschlagAbsolut = AlsDouble(zahl("AbschlagAbsolut")); });
    fehler([&] { auftrag.AbschlagProzent = AlsInteger(zahl("AbschlagProzent")); });
    fehler([&] { auftrag.Zahlungsziel = AlsBoolean(BoolDatensatzLesen(direkt("Zahlungsziel"))); });
    fehler([&] { auftrag.Mehrwertsteuersatz = AlsInteger(zahl("Mehrwertsteuersatz")); });
    fehler([&] { auftrag.Preisgruppe1 = AlsInteger(zahl("Preisgruppe1")); });
    fehler([&] { auftrag.Preisgruppe2 = AlsInteger(zahl("Preisgruppe2")); });
    fehler([&] { auftrag.Preisgruppe3 = AlsInteger(zahl("Preisgruppe3")); });
    fehler([&] { auftrag.Preisgruppe4 = AlsInteger(zahl("Preisgruppe4")); });
    fehler([&] { auftrag.Mehrwertsteuer = AlsInteger(direkt("Mehrwertsteuer")); });
    fehler([&] { auftrag.MwStErmäßigt = AlsInteger(direkt("MwStErmäßigt")); });
    fehler([&] { auftrag.Rabatt = AlsInteger(zahl("Rabatt")); });
}

} // namespace kovelund
