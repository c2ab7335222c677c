#include "gui/Seitenaufbau.h"

#include <QDomDocument>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <stdexcept>

namespace kovelund::gui {

namespace {

constexpr double twipsJePixel = 15;

QString W(const char* name) {
    return QStringLiteral("w:") + QLatin1String(name);
}

/// A w:b or w:jc style property's value; an element without w:val means "on".
QString Wert(const QDomElement& e) {
    return e.hasAttribute(W("val")) ? e.attribute(W("val")) : QStringLiteral("1");
}

Qt::Alignment Ausrichtung(const QDomElement& absatz) {
    QString jc = Wert(absatz.firstChildElement(W("pPr")).firstChildElement(W("jc")));
    if (jc == QStringLiteral("right") || jc == QStringLiteral("end")) return Qt::AlignRight;
    if (jc == QStringLiteral("center")) return Qt::AlignHCenter;
    if (jc == QStringLiteral("both")) return Qt::AlignJustify;
    return Qt::AlignLeft;
}

bool Fett(const QDomElement& lauf) {
    QDomElement b = lauf.firstChildElement(W("rPr")).firstChildElement(W("b"));
    if (b.isNull()) return false;
    QString v = Wert(b);
    return v != QStringLiteral("0") && v != QStringLiteral("false");
}

/// Whether a borders element (w:tblBorders, w:tcBorders) shows a line on any side.
bool ZeigtLinie(const QDomElement& rand) {
    for (QDomElement r = rand.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
        QString art = r.attribute(W("val"));
        if (!art.isEmpty() && art != QStringLiteral("none") && art != QStringLiteral("nil")) return true;
    }
    return false;
}

/// Whether the table shows lines: its own borders, a cell's, or a table style's when it sets none
/// itself. The fee tables have none, and drawing lines there would box their narrow spacer columns.
bool Linien(const QDomElement& tbl) {
    QDomElement eigenschaften = tbl.firstChildElement(W("tblPr"));
    QDomElement rand = eigenschaften.firstChildElement(W("tblBorders"));
    if (ZeigtLinie(rand)) return true;
    if (rand.isNull() && !eigenschaften.firstChildElement(W("tblStyle")).isNull()) return true;
    QDomNodeList zellen = tbl.elementsByTagName(W("tcBorders"));
    for (int i = 0; i < zellen.size(); ++i)
        if (ZeigtLinie(zellen.at(i).toElement())) return true;
    return false;
}

class Aufbau {
public:
    explicit Aufbau(QTextDocument& ziel) : cursor_(&ziel) {}

    void Inhalt(const QDomElement& eltern) {
        for (QDomElement e = eltern.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (e.tagName() == W("p"))
                Absatz(e);
            else if (e.tagName() == W("tbl"))
                Tabelle(e);
            else if (e.tagName() == W("sdt"))
                Inhalt(e.firstChildElement(W("sdtContent")));
        }
    }

    std::vector<QTextTable*> tabellen;

private:
    /// Every paragraph starts a block, except the first in a fresh cell, frame or document.
    void NeuerBlock(const QTextBlockFormat& format) {
        if (leer_)
            cursor_.setBlockFormat(format);
        else
            cursor_.insertBlock(format);
        leer_ = false;
    }

    void Absatz(const QDomElement& p) {
        QTextBlockFormat format;
        format.setAlignment(Ausrichtung(p));
        NeuerBlock(format);
        std::vector<QDomElement> kästen;
        Läufe(p, kästen);
        for (const QDomElement& kasten : kästen)
            Textkasten(kasten);
    }

    void Läufe(const QDomElement& eltern, std::vector<QDomElement>& kästen) {
        for (QDomElement e = eltern.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (e.tagName() == W("r"))
                Lauf(e, kästen);
            else if (e.tagName() == W("hyperlink") || e.tagName() == W("ins") || e.tagName() == W("smartTag"))
                Läufe(e, kästen);
        }
    }

    void Lauf(const QDomElement& r, std::vector<QDomElement>& kästen) {
        QTextCharFormat zeichen;
        zeichen.setFontWeight(Fett(r) ? QFont::Bold : QFont::Normal);
        for (QDomElement e = r.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (e.tagName() == W("t"))
                cursor_.insertText(e.text(), zeichen);
            else if (e.tagName() == W("tab"))
                cursor_.insertText(QStringLiteral("\t"), zeichen);
            else if (e.tagName() == W("br") || e.tagName() == W("cr"))
                cursor_.insertText(QString(QChar::LineSeparator), zeichen);
            else
                KästenSammeln(e, kästen);
        }
    }

    // The drawing's text box once: the VML fallback of the same box is left out.
    void KästenSammeln(const QDomElement& e, std::vector<QDomElement>& kästen) {
        if (e.tagName() == QStringLiteral("mc:Fallback")) return;
        if (e.tagName() == W("txbxContent")) {
            kästen.push_back(e);
            return;
        }
        for (QDomElement k = e.firstChildElement(); !k.isNull(); k = k.nextSiblingElement())
            KästenSammeln(k, kästen);
    }

    void Textkasten(const QDomElement& inhalt) {
        QTextFrameFormat rahmen;
        rahmen.setBorder(1);
        rahmen.setPadding(4);
        rahmen.setMargin(4);
        QTextFrame* kasten = cursor_.insertFrame(rahmen);
        leer_ = true;
        Inhalt(inhalt);
        cursor_.setPosition(kasten->lastPosition() + 1);
        leer_ = false;
    }

    void Tabelle(const QDomElement& tbl) {
        QVector<QTextLength> breiten;
        QDomElement gitter = tbl.firstChildElement(W("tblGrid"));
        for (QDomElement g = gitter.firstChildElement(W("gridCol")); !g.isNull();
             g = g.nextSiblingElement(W("gridCol")))
            breiten << QTextLength(QTextLength::FixedLength, g.attribute(W("w")).toDouble() / twipsJePixel);
        QList<QDomElement> zeilen;
        for (QDomElement z = tbl.firstChildElement(W("tr")); !z.isNull(); z = z.nextSiblingElement(W("tr")))
            zeilen << z;
        int spalten = static_cast<int>(breiten.size());
        for (const QDomElement& z : zeilen) {
            int n = 0;
            for (QDomElement c = z.firstChildElement(W("tc")); !c.isNull(); c = c.nextSiblingElement(W("tc")))
                n += std::max(1, c.firstChildElement(W("tcPr"))
                                     .firstChildElement(W("gridSpan"))
                                     .attribute(W("val"))
                                     .toInt());
            spalten = std::max(spalten, n);
        }
        if (zeilen.isEmpty() || spalten == 0) return;
        QTextTableFormat format;
        format.setBorderStyle(Linien(tbl) ? QTextFrameFormat::BorderStyle_Solid
                                          : QTextFrameFormat::BorderStyle_None);
        format.setBorder(Linien(tbl) ? 0.5 : 0);
        format.setCellPadding(2);
        format.setCellSpacing(0);
        if (breiten.size() == spalten) format.setColumnWidthConstraints(breiten);
        if (!leer_) cursor_.insertBlock();
        QTextTable* tabelle = cursor_.insertTable(static_cast<int>(zeilen.size()), spalten, format);
        tabellen.push_back(tabelle);
        for (int r = 0; r < zeilen.size(); ++r) {
            int spalte = 0;
            for (QDomElement c = zeilen[r].firstChildElement(W("tc")); !c.isNull() && spalte < spalten;
                 c = c.nextSiblingElement(W("tc"))) {
                int breite = std::max(1, c.firstChildElement(W("tcPr"))
                                             .firstChildElement(W("gridSpan"))
                                             .attribute(W("val"))
                                             .toInt());
                if (breite > 1) tabelle->mergeCells(r, spalte, 1, std::min(breite, spalten - spalte));
                cursor_ = tabelle->cellAt(r, spalte).firstCursorPosition();
                leer_ = true;
                Inhalt(c);
                spalte += breite;
            }
        }
        cursor_.setPosition(tabelle->lastPosition() + 1);
        leer_ = false;
    }

    QTextCursor cursor_;
    bool leer_ = true;
};

} // namespace

std::vector<QTextTable*> SeiteAufbauen(const std::string& documentXml, QTextDocument& ziel) {
    QDomDocument xml;
    QString fehler;
    if (!xml.setContent(QByteArray::fromStdString(documentXml), false, &fehler))
        throw std::runtime_error("word/document.xml: " + fehler.toStdString());
    ziel.clear();
    Aufbau aufbau(ziel);
    aufbau.Inhalt(xml.documentElement().firstChildElement(W("body")));
    return aufbau.tabellen;
}

} // namespace kovelund::gui
