#include "totals/VV_WordAuto.h"

#include "common/Fehler.h"
#include "component/Auftragskontext.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Document.h"
#include "platform/docx/Selection.h"
#include "totals/G_frmTabelle.h"

#include <string>

namespace kovelund {

namespace {

constexpr const char* modul = "VV_WordAuto";

docx::Document& Dokument() {
    if (!Auftrag().Doc) throw ObjektFehlt("no document");
    return *Auftrag().Doc;
}

// The dialog's entries for the existing tables; a sixth and further cannot be offered.
void EintragZeigen(G_frmTabelle& dialog, int i, bool sichtbar) {
    if (i >= dialog.optTabelle.Count())
        throw Fehler(340, "Control array element '" + std::to_string(i) + "' doesn't exist");
    dialog.optTabelle[i].SetVisible(sichtbar);
}

std::optional<docx::Table> AuswahlAuswerten(docx::Document& doc, G_frmTabelle& dialog,
                                            std::string_view marke) {
    if (dialog.optAktTabelle.Value()) {
        docx::Table tabelle = doc.Application().Selection().CurrentTable();
        Tabellenposition() = static_cast<std::int16_t>(tabelle.Position());
        return tabelle;
    }
    if (dialog.optNeu.Value()) {
        Tabellenposition() = 0;
        return std::nullopt;
    }
    int gewählt = dialog.optTabelle.Selected();
    int gefunden = 0;
    int position = 0;
    for (const docx::Table& tabelle : doc.Tables()) {
        ++position;
        if (Tabellenmarke(tabelle) != marke) continue;
        if (gefunden++ == gewählt) {
            Tabellenposition() = static_cast<std::int16_t>(position);
            return tabelle;
        }
    }
    return std::nullopt;
}

std::optional<docx::Table> Auswählen(std::string_view marke, Fehlerbereich& fehler) {
    docx::Document& doc = Dokument();
    int anzahl = 0;
    for (const docx::Comment& k : doc.Comments())
        if (k.Text() == marke) ++anzahl;
    bool cursortabelle = false;
    fehler([&] {
        docx::Selection& auswahl = doc.Application().Selection();
        cursortabelle = auswahl.InTable() && auswahl.CurrentTable().Range().Comments().Count() == 0;
    });
    if (anzahl == 0 && !cursortabelle) return std::nullopt;

    G_frmTabelle& dialog = G_frmTabelle::Standardinstanz();
    for (int i = 0; i < anzahl; ++i)
        fehler([&] { EintragZeigen(dialog, i, true); });
    for (int i = anzahl; i < dialog.optTabelle.Count(); ++i)
        fehler([&] { EintragZeigen(dialog, i, false); });
    fehler([&] { dialog.optAktTabelle.SetVisible(cursortabelle); });
    fehler([&] { dialog.ShowModal(); });
    std::optional<docx::Table> ergebnis;
    fehler([&] { ergebnis = AuswahlAuswerten(doc, dialog, marke); });
    return ergebnis;
}

std::optional<docx::Table> Folgetabelle(std::string_view marke) {
    int start = Tabellenposition();
    if (start == 0) return std::nullopt;
    docx::Tables tabellen = Dokument().Tables();
    for (int position = start; position <= tabellen.Count(); ++position) {
        docx::Table tabelle = tabellen.Item(position);
        std::string gefunden = Tabellenmarke(tabelle);
        if (gefunden == marke) return tabelle;
        if (position > start && gefunden == "RE_HOAI_Kosten") return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::int16_t& Tabellenposition() {
    static std::int16_t position = 0;
    return position;
}

std::string Tabellenmarke(const docx::Table& tabelle) {
    auto kommentare = tabelle.Range().Comments();
    return kommentare.Count() > 0 ? kommentare.Item(1).Text() : std::string();
}

std::optional<docx::Table> TabelleErmitteln(std::string_view marke, bool folgetabelle) {
    Fehlerbereich fehler{modul, "TabelleErmitteln"};
    std::optional<docx::Table> ergebnis;
    fehler([&] { ergebnis = folgetabelle ? Folgetabelle(marke) : Auswählen(marke, fehler); });
    return ergebnis;
}

void BookmarkSetzen(const docx::Table& tabelle, std::string_view marke) {
    Fehlerbereich fehler{modul, "BookmarkSetzen"};
    fehler([&] {
        docx::Selection& auswahl = Dokument().Application().Selection();
        tabelle.Cell(1, 5).Select();
        auswahl.Range().Comments().Add(auswahl.Range(), std::string(marke));
    });
}

} // namespace kovelund
