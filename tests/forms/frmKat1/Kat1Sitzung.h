#pragma once
// One sitting at frmKat1 as the host opens it: the order set through KV, the window shown by Show(0)
// on the sample invoice, the user's steps played by the script driver.

#include "component/Fensterregister.h"
#include "document/Zelltext.h"
#include "forms/frmKat1/frmKat1.h"
#include "support/Fenstersitzung.h"

#include <string>
#include <vector>

namespace kovelund::test {

class Kat1Sitzung : public Fenstertest<frmKat1, 0> {
protected:
    Kat1Sitzung() {
        Eigenschaften({{"Flurstücksnummer", "123/4"},
                       {"Fläche", 1200.0},
                       {"Bodenwert", 85.5},
                       {"AnzahlGrenzpunkte", std::int16_t{6}}});
    }

    std::string Zeile(int zeile, int statement = 1) const { return Statementzeile(zeile, statement); }
    int Zeilen() const { return Statement().Rows().Count(); }
    /// The comments attached to one cell of the statement, joined by "|".
    std::string Kommentare(int zeile, int spalte) const {
        std::string text;
        for (const std::string& kommentar : test::Kommentare(Statement(), zeile, spalte))
            text += (text.empty() ? "" : "|") + kommentar;
        return text;
    }

    /// Totals mode with one parcel of `fläche` m² at `wert` €/m², all of it paid for.
    void Summen(const std::string& fläche, const std::string& wert) {
        Spielen(R"j([{"click": "optJa(1)"}, {"set": "MaskEdBoxFläche", "text": ")j" + fläche +
                R"j("}, {"set": "MaskEdBoxWert", "text": ")j" + wert +
                R"j("}, {"set": "txtAnzahl", "text": "1"},
                    {"set": "txtZusammenZahlen", "text": ")j" +
                fläche + R"j("}, {"leave": "txtZusammenZahlen"}])j");
    }
    void Abschließen() { Spielen(R"j([{"click": "CommandEnde"}])j"); }

    Beispielrechnung& rechnung = beispiel;
};

} // namespace kovelund::test
