#include "support/Tabellenlayout.h"

#include "platform/docx/Selection.h"

#include <cmath>
#include <cstdio>

namespace kovelund::test {

namespace {

std::string Zentimeter(double breite) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", breite);
    std::string s = text;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.') s.pop_back();
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

char Bund(int ausrichtung) {
    switch (ausrichtung) {
    case docx::AlignLeft:
        return 'L';
    case docx::AlignCenter:
        return 'Z';
    case docx::AlignRight:
        return 'R';
    case docx::AlignJustify:
        return 'B';
    default:
        return '?';
    }
}

} // namespace

std::vector<Zeilenlayout> LayoutLesen(const docx::Table& tabelle) {
    std::vector<Zeilenlayout> zeilen;
    int spalten = tabelle.Columns().Count();
    for (int r = 1; r <= tabelle.Rows().Count(); ++r) {
        Zeilenlayout& zeile = zeilen.emplace_back();
        // A row may have fewer cells than the widest one.
        for (int c = 1; c <= spalten; ++c) {
            docx::Cell zelle;
            try {
                zelle = tabelle.Cell(r, c);
            } catch (const std::exception&) {
                break;
            }
            docx::Range bereich = zelle.Range();
            std::string text = bereich.Text();
            zeile.push_back({text.substr(0, text.size() - 2), bereich.Bold(), bereich.Alignment(),
                             std::round(zelle.Width() / 72 * 2.54 * 100) / 100, zelle.BordersVisible()});
        }
    }
    return zeilen;
}

std::string Zeilenbild(const Zeilenlayout& zeile) {
    std::string bild;
    for (const Zellenlayout& zelle : zeile) {
        if (!bild.empty()) bild += ' ';
        bild += Zentimeter(zelle.breite) + Bund(zelle.ausrichtung);
        if (zelle.fett == docx::TristateTrue) bild += '*';
        if (zelle.fett == docx::TristateMixed) bild += '~';
        if (zelle.rahmen) bild += '#';
    }
    return bild;
}

std::vector<std::string> Layoutbild(const docx::Table& tabelle) {
    std::vector<std::string> bild;
    for (const Zeilenlayout& zeile : LayoutLesen(tabelle))
        bild.push_back(Zeilenbild(zeile));
    return bild;
}

::testing::AssertionResult LayoutGleich(const docx::Table& tabelle,
                                        const std::vector<std::string>& erwartet) {
    std::vector<std::string> bild = Layoutbild(tabelle);
    std::string unterschiede;
    if (bild.size() != erwartet.size())
        unterschiede +=
            "\n" + std::to_string(bild.size()) + " rows, expected " + std::to_string(erwartet.size());
    for (std::size_t r = 0; r < bild.size() && r < erwartet.size(); ++r)
        if (bild[r] != erwartet[r])
            unterschiede +=
                "\nrow " + std::to_string(r + 1) + ": \"" + bild[r] + "\", expected \"" + erwartet[r] + "\"";
    if (unterschiede.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the table's layout differs:" << unterschiede;
}

} // namespace kovelund::test
