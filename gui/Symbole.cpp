#include "gui/Symbole.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace kovelund::gui {

namespace {

using Zeichnung = std::function<void(QPainter&)>;

// Every icon is drawn on a 32 × 32 grid and scaled, so one drawing serves every size.
QIcon Zeichnen(const Zeichnung& zeichnung) {
    QIcon icon;
    for (int größe : {16, 24, 32, 48}) {
        QPixmap bild(größe, größe);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(größe / 32.0, größe / 32.0);
        zeichnung(p);
        p.end();
        icon.addPixmap(bild);
    }
    return icon;
}

QPen Stift(const QColor& farbe, double breite) {
    return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Haken(QPainter& p) {
    p.setPen(Stift(QColor(0x1b, 0x7a, 0x2e), 5));
    QPainterPath haken;
    haken.moveTo(6, 17);
    haken.lineTo(13, 24);
    haken.lineTo(26, 8);
    p.drawPath(haken);
}

void Kreuz(QPainter& p) {
    p.setPen(Stift(QColor(0xb3, 0x26, 0x1e), 5));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
}

void Papierkorb(QPainter& p) {
    p.setPen(Stift(QColor(0x55, 0x55, 0x55), 2));
    p.setBrush(QColor(0xd9, 0xd9, 0xd9));
    QPainterPath korb;
    korb.moveTo(8, 10);
    korb.lineTo(10, 28);
    korb.lineTo(22, 28);
    korb.lineTo(24, 10);
    korb.closeSubpath();
    p.drawPath(korb);
    p.drawLine(QPointF(6, 8), QPointF(26, 8));
    p.drawLine(QPointF(13, 5), QPointF(19, 5));
    for (double x : {13.0, 16.0, 19.0})
        p.drawLine(QPointF(x, 13), QPointF(x, 25));
    p.setPen(Stift(QColor(0xb3, 0x26, 0x1e), 3));
    p.drawLine(QPointF(20, 16), QPointF(30, 26));
    p.drawLine(QPointF(30, 16), QPointF(20, 26));
}

void Blatt(QPainter& p) {
    p.setPen(Stift(QColor(0x3a, 0x55, 0x7a), 2));
    p.setBrush(Qt::white);
    QPainterPath blatt;
    blatt.moveTo(7, 3);
    blatt.lineTo(19, 3);
    blatt.lineTo(25, 9);
    blatt.lineTo(25, 29);
    blatt.lineTo(7, 29);
    blatt.closeSubpath();
    p.drawPath(blatt);
    p.drawPolyline(QPolygonF({QPointF(19, 3), QPointF(19, 9), QPointF(25, 9)}));
    p.setPen(Stift(QColor(0x8a, 0xa1, 0xc0), 1.5));
    for (double y : {14.0, 18.0, 22.0})
        p.drawLine(QPointF(11, y), QPointF(21, y));
    p.setPen(Stift(QColor(0x1b, 0x7a, 0x2e), 3));
    p.drawLine(QPointF(25, 20), QPointF(25, 30));
    p.drawLine(QPointF(20, 25), QPointF(30, 25));
}

void Grenzstein(QPainter& p) {
    p.setPen(Stift(QColor(0x4a, 0x4a, 0x4a), 1.5));
    p.setBrush(QColor(0x9e, 0xa7, 0xad));
    QPainterPath stein;
    stein.moveTo(9, 8);
    stein.lineTo(23, 8);
    stein.lineTo(26, 28);
    stein.lineTo(6, 28);
    stein.closeSubpath();
    p.drawPath(stein);
    p.setBrush(QColor(0xc9, 0xcf, 0xd3));
    p.drawPolygon(QPolygonF({QPointF(9, 8), QPointF(16, 4), QPointF(23, 8)}));
    p.setPen(Stift(QColor(0xb3, 0x26, 0x1e), 2.5));
    p.drawLine(QPointF(16, 11), QPointF(16, 21));
    p.drawLine(QPointF(11, 16), QPointF(21, 16));
    p.setPen(Stift(QColor(0x6b, 0x8e, 0x23), 2));
    p.drawLine(QPointF(2, 29), QPointF(30, 29));
}

} // namespace

QIcon Symbol(std::string_view schlüssel) {
    if (schlüssel == "OK") return Zeichnen(Haken);
    if (schlüssel == "Abbruch") return Zeichnen(Kreuz);
    if (schlüssel == "Löschen") return Zeichnen(Papierkorb);
    if (schlüssel == "Dokument") return Zeichnen(Blatt);
    return {};
}

QIcon Programmsymbol() {
    return Zeichnen(Grenzstein);
}

} // namespace kovelund::gui
