#pragma once
// The category 2 window on the sample invoice, opened as the host opens it, with the user's steps on
// its controls.

#include "component/Auftragskontext.h"
#include "forms/frmKat2/frmKat2.h"
#include "support/Fenstersitzung.h"
#include "totals/VV_WordAuto.h"

#include <string>
#include <string_view>

namespace kovelund::test {

class Kat2Test : public Fenstertest<frmKat2, 1> {
protected:
    Kat2Test() {
        Eigenschaften(
            {{"Flurstücksnummer", "123/4"}, {"Bodenwert", 5.0}, {"AnzahlGrenzpunkte", std::int16_t{12}}});
    }

    docx::Table Kat2Tabelle() const { return Statement(); }
    int Abrechnungen() const { return Statements(); }
    std::string Marke(std::string_view name) const { return Markiert(name); }

    Beispielrechnung& u = beispiel;
};

} // namespace kovelund::test
