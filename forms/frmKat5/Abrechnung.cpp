// The category 5 fee table: the title, the tariff by the site inspection, the building value with
// the fee, and the copies with the fee in their place when there are any.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "forms/frmKat5/frmKat5.h"

namespace kovelund {

Abrechnung frmKat5::Aufstellen() {
    Fehlerbereich fehler{"frmKat5", "CommandEnde_Click"};
    bool mit = chkOrt.Value() == ui::vbChecked;
    double wert = 0, mehrfach = 0, gebühr = 0;
    fehler([&] { wert = CVal(MaskEdBoxWert.Text()); });
    fehler([&] { mehrfach = Mehrausfertigungen(); });
    fehler([&] { gebühr = Grenzbescheinigungsgebühr(mit, wert, mehrfach); });

    Abrechnung a(Tabellenform({8, 3, 1, 3, 2.5}).Rechts(2).Rechts(5));
    a.Neue().Text(1, "Grenzbescheinigungen", true);
    a.Neue().Text(1, mit ? "mit Ortsbesichtigung\rTarifstelle 8.1.1"
                         : "ohne Ortsbesichtigung\rTarifstelle 8.1.2");
    Zeile& wertzeile = a.Neue().Text(1, "Gebäudewert [€]").Text(2, MaskEdBoxWert.Text());
    if (mehrfach <= 0) wertzeile.Text(5, Betragstext(gebühr));
    a.MarkeSetzen();
    if (mehrfach > 0)
        a.Neue()
            .Text(1, "Anzahl Mehrfachausfertigungen:")
            .Text(2, mskMehrfach.Text())
            .Text(5, Betragstext(gebühr));
    return a;
}

} // namespace kovelund
