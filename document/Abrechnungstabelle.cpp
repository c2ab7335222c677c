#include "document/Abrechnungstabelle.h"

#include "common/Fehler.h"
#include "platform/docx/Bookmark.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Selection.h"

#include <vector>

namespace kovelund {

Abrechnungstabelle::Abrechnungstabelle(docx::Document& doc, std::string modul)
    : doc_(doc), modul_(std::move(modul)) {}

template <class Schritt> void Abrechnungstabelle::Ausführen(const char* prozedur, Schritt&& schritt) {
    Fehlerbereich fehler{modul_, prozedur};
    fehler([&] {
        if (!tabelle_) throw ObjektFehlt("the statement table was not created");
        schritt(*tabelle_);
    });
}

docx::Range Abrechnungstabelle::AnkerFinden(std::optional<docx::Table> bisherige) {
    Fehlerbereich fehler{modul_, "CommandEnde_Click"};
    std::optional<docx::Range> anker;
    if (bisherige) fehler([&] { anker = bisherige->Delete(); });
    if (anker) return *anker;
    // Found first and treated afterwards: each new paragraph changes the document's comment index.
    std::vector<docx::Comment> marken;
    for (const docx::Comment& kommentar : doc_.Comments())
        if (kommentar.Text() == "vamoStart") marken.push_back(kommentar);
    for (const docx::Comment& kommentar : marken) {
        fehler([&] {
            docx::Range r = kommentar.Reference();
            r.Collapse(docx::CollapseStart);
            r.MoveStart(docx::UnitWord, -1);
            r.InsertParagraphBefore();
            r.Collapse(docx::CollapseStart);
            anker = r;
        });
    }
    if (anker) return *anker;
    docx::Range ende = doc_.Content();
    fehler([&] {
        ende.Collapse(docx::CollapseEnd);
        ende.InsertParagraphAfter();
        ende.Collapse(docx::CollapseEnd);
    });
    return ende;
}

void Abrechnungstabelle::Schreiben(const docx::Range& anker, const Abrechnung& abrechnung,
                                   const std::function<void(const docx::Table&)>& marke) {
    const Tabellenform& form = abrechnung.Form();
    if (form.schriftgröße) {
        Fehlerbereich fehler{modul_, "CommandEnde_Click"};
        fehler([&] {
            anker.Select();
            doc_.Application().Selection().SetFontSize(*form.schriftgröße);
        });
    }
    Anlegen(anker, abrechnung.Zeilen(), static_cast<int>(form.breiten.size()));
    TabelleFormatieren(form);
    Spaltenbreiten(form.breiten);
    if (form.dezimaltab) {
        Ausführen("CommandEnde_Click", [&](docx::Table& t) {
            auto [spalte, position] = *form.dezimaltab;
            t.Columns().Item(spalte).Select();
            doc_.Application().Selection().AddTabStop(Punkte(position), docx::TabDecimal, docx::LeaderSpaces);
        });
    }
    if (!form.lesezeichen.empty()) {
        Ausführen("CommandEnde_Click", [&](docx::Table& t) {
            t.Cell(1, 5).Select();
            docx::Bookmarks marken = doc_.Bookmarks();
            marken.Add(form.lesezeichen, doc_.Application().Selection().Range());
            marken.SetDefaultSorting(0);
            marken.SetShowHidden(true);
        });
    }
    int markeNach = abrechnung.MarkeNach().value_or(abrechnung.Zeilen());
    auto markieren = [&] {
        if (tabelle_) marke(*tabelle_);
    };
    if (markeNach == 0) markieren();
    for (int zeile = 1; zeile <= abrechnung.Zeilen(); ++zeile) {
        for (const Zeile::Schritt& schritt : abrechnung[zeile].Schritte())
            SchrittAusführen(zeile, schritt);
        if (zeile == markeNach) markieren();
    }
}

void Abrechnungstabelle::SchrittAusführen(int zeile, const Zeile::Schritt& s) {
    switch (s.art) {
    case Zeile::Art::Text:
        return Schreiben(zeile, s.spalte, s.text, s.fett);
    case Zeile::Art::KleinerText:
        return KleinerSchreiben(zeile, s.spalte, s.text, s.zahl);
    case Zeile::Art::Breite:
        return Zellbreite(zeile, s.spalte, s.zahl);
    case Zeile::Art::Blockbreite:
        return Blockbreite(zeile, s.spalte, s.zahl, s.ausrichtung);
    case Zeile::Art::Dezimaltab:
        return Dezimaltab(zeile, s.spalte, s.zahl);
    case Zeile::Art::Rechts:
        return Rechts(zeile, s.spalte);
    case Zeile::Art::Steuerfrei:
        return Steuerfrei(zeile, s.spalte);
    }
}

void Abrechnungstabelle::Anlegen(const docx::Range& anker, int zeilen, int spalten) {
    Fehlerbereich fehler{modul_, "CommandEnde_Click"};
    fehler([&] { tabelle_ = doc_.Tables().Add(anker, zeilen, spalten); });
}

void Abrechnungstabelle::TabelleFormatieren(const Tabellenform& form) {
    Ausführen("TabelleFormatieren", [&](docx::Table& t) {
        docx::Selection& auswahl = doc_.Application().Selection();
        t.Select();
        for (int rand = docx::BorderTop; rand >= docx::BorderVertical; --rand)
            auswahl.SetBorderLineStyle(rand, 0);
        if (form.alleRechts) auswahl.SetAlignment(docx::AlignRight);
        for (int spalte : form.rechts) {
            t.Columns().Item(spalte).Select();
            auswahl.SetAlignment(docx::AlignRight);
        }
        for (int spalte : form.links) {
            t.Columns().Item(spalte).Select();
            auswahl.SetAlignment(docx::AlignLeft);
        }
    });
}

void Abrechnungstabelle::Spaltenbreiten(const std::vector<double>& zentimeter) {
    int spalte = 1;
    for (double breite : zentimeter) {
        Ausführen("CommandEnde_Click",
                  [&](docx::Table& t) { t.Columns().Item(spalte).SetWidth(Punkte(breite), 0); });
        ++spalte;
    }
}

void Abrechnungstabelle::Blockbreite(int abZeile, int spalte, double zentimeter,
                                     std::optional<int> ausrichtung) {
    Ausführen("SelectionVerschieben", [&](docx::Table& t) {
        docx::Selection& auswahl = doc_.Application().Selection();
        t.Cell(abZeile, spalte).Select();
        int weitere = t.Rows().Count() - abZeile;
        for (int i = 0; i < weitere; ++i)
            auswahl.MoveDown(5, 1, 1);
        auswahl.CellsSetWidth(Punkte(zentimeter), 0);
        if (ausrichtung) auswahl.SetAlignment(*ausrichtung);
    });
}

void Abrechnungstabelle::Zellbreite(int zeile, int spalte, double zentimeter) {
    Ausführen("CommandEnde_Click",
              [&](docx::Table& t) { t.Cell(zeile, spalte).SetWidth(Punkte(zentimeter), 0); });
}

void Abrechnungstabelle::Dezimaltab(int zeile, int spalte, double zentimeter) {
    Ausführen("CommandEnde_Click", [&](docx::Table& t) {
        t.Cell(zeile, spalte).Select();
        doc_.Application().Selection().AddTabStop(Punkte(zentimeter), docx::TabDecimal, docx::LeaderSpaces);
    });
}

void Abrechnungstabelle::Rechts(int zeile, int spalte) {
    Ausführen("CommandEnde_Click", [&](docx::Table& t) {
        t.Cell(zeile, spalte).Select();
        doc_.Application().Selection().SetAlignment(docx::AlignRight);
    });
}

void Abrechnungstabelle::Schreiben(int zeile, int spalte, std::string_view text, bool fett) {
    Ausführen("CommandEnde_Click", [&](docx::Table& t) {
        docx::Range r = t.Cell(zeile, spalte).Range();
        r.InsertAfter(std::string(text));
        if (fett) t.Cell(zeile, spalte).Range().SetBold(true);
    });
}

void Abrechnungstabelle::KleinerSchreiben(int zeile, int spalte, std::string_view text, double punkte) {
    Ausführen("CommandEnde_Click", [&](docx::Table& t) {
        double größe = t.Cell(zeile, spalte).Range().ShownFontSize();
        docx::Range neu = t.Cell(zeile, spalte).Range();
        neu.Collapse(docx::CollapseEnd);
        neu.InsertAfter(std::string(text));
        neu.SetFontSize(größe - punkte);
    });
}

void Abrechnungstabelle::Steuerfrei(int zeile, int spalte) {
    Ausführen("CommandEnde_Click", [&](docx::Table& t) {
        docx::Selection& auswahl = doc_.Application().Selection();
        t.Cell(zeile, spalte).Select();
        auswahl.Range().Comments().Add(auswahl.Range(), "0");
    });
}

} // namespace kovelund
