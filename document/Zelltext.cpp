#include "document/Zelltext.h"

#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "platform/docx/Range.h"

namespace kovelund {

std::string Zelltext(const docx::Cell& zelle) {
    std::string text = zelle.Range().Text();
    return Links(text, Länge(text) >= 2 ? Länge(text) - 2 : 0);
}

std::string Mengentext(double wert, int breite) {
    if (wert == Int(wert)) return WertFormatieren(wert, breite, 0);
    return AlsText(wert);
}

} // namespace kovelund
