#include "gui/Gestaltung.h"

#include "gui/Bindung.h"
#include "gui/Feldbindungen.h"
#include "gui/Formularansicht.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kovelund::gui {

namespace {

using Gestaltung = void (*)(Formularansicht&);

const std::map<std::string, Gestaltung, std::less<>>& Gestaltungen() {
    static const std::map<std::string, Gestaltung, std::less<>> gestaltungen = {
        {"frmKat1", frmKat1Gestalten},           {"frmKat2", frmKat2Gestalten},
        {"frmKat3", frmKat3Gestalten},           {"frmKat5", frmKat5Gestalten},
        {"G_frmTabelle", G_frmTabelleGestalten}, {"frmKat1", frmKat1Gestalten},
        {"frmKat2", frmKat2Gestalten},           {"frmKat6", frmKat6Gestalten},
        {"frmKat1", frmKat1Gestalten},           {"frmKat2", frmKat2Gestalten},
        {"frmKat4", frmKat4Gestalten},           {"G_frmTabelle", G_frmTabelleGestalten},
    };
    return gestaltungen;
}

void SchlichtEinfügen(Formularansicht& ansicht, const ui::Frame* rahmen, QVBoxLayout* spalte,
                      std::vector<const ui::Control*>& knöpfe) {
    for (const ui::Control* c : ansicht.Form().Controls()) {
        if (c->Container() != rahmen) continue;
        if (dynamic_cast<const ui::CommandButton*>(c)) {
            knöpfe.push_back(c);
        } else if (const auto* unterrahmen = dynamic_cast<const ui::Frame*>(c)) {
            auto* inhalt = new QVBoxLayout;
            auto* gruppe = ansicht.Element<QGroupBox>(c->Name());
            gruppe->setLayout(inhalt);
            spalte->addWidget(gruppe);
            SchlichtEinfügen(ansicht, unterrahmen, inhalt, knöpfe);
        } else {
            spalte->addWidget(ansicht.Element(c->Name()));
        }
    }
}

} // namespace

void Gestalten(Formularansicht& ansicht) {
    auto it = Gestaltungen().find(ansicht.Form().Name());
    (it == Gestaltungen().end() ? SchlichtGestalten : it->second)(ansicht);
    ansicht.TabreihenfolgeSetzen();
}

void SchlichtGestalten(Formularansicht& ansicht) {
    auto* spalte = new QVBoxLayout(&ansicht);
    std::vector<const ui::Control*> knöpfe;
    SchlichtEinfügen(ansicht, nullptr, spalte, knöpfe);
    auto* leiste = new QHBoxLayout;
    leiste->addStretch();
    for (const ui::Control* k : knöpfe)
        leiste->addWidget(ansicht.Element(k->Name()));
    spalte->addLayout(leiste);
}

QGridLayout* Felder(Formularansicht& ansicht, std::initializer_list<Feldpaar> paare) {
    auto* raster = new QGridLayout;
    raster->setColumnStretch(1, 1);
    int zeile = 0;
    for (const auto& [beschriftung, feld] : paare) {
        QWidget* eingabe = ansicht.Element(feld);
        if (beschriftung) {
            auto* label = ansicht.Element<QLabel>(beschriftung);
            label->setBuddy(eingabe);
            raster->addWidget(label, zeile, 0);
            raster->addWidget(eingabe, zeile, 1, Qt::AlignLeft);
        } else {
            raster->addWidget(eingabe, zeile, 0, 1, 2);
        }
        ++zeile;
    }
    // Spare height goes below the fields, so a tall neighbour does not pull the rows apart.
    raster->setRowStretch(zeile, 1);
    return raster;
}

QGroupBox* Gruppe(Formularansicht& ansicht, const char* name, QLayout* inhalt) {
    auto* gruppe = ansicht.Element<QGroupBox>(name);
    gruppe->setLayout(inhalt);
    return gruppe;
}

QHBoxLayout* Rasterliste(Formularansicht& ansicht, const char* raster,
                         std::initializer_list<const char*> listen, int zeilen) {
    auto* liste = ansicht.Element<QTableView>(raster);
    liste->setMinimumHeight(liste->fontMetrics().height() * zeilen);
    liste->horizontalHeader()->setStretchLastSection(true);
    // Every column in view: a grid scrolled sideways would move the cell under a click when the
    // current cell changes on the way, as it does when a choice box hands the focus back to it.
    liste->setMinimumWidth(liste->horizontalHeader()->length() + liste->verticalHeader()->sizeHint().width() +
                           liste->verticalScrollBar()->sizeHint().width() + 2 * liste->frameWidth());
    for (const char* überlagert : listen)
        ansicht.Überlagern(überlagert, raster);
    auto* knöpfe = new QVBoxLayout;
    knöpfe->addWidget(ansicht.Element("CommandNeu"));
    knöpfe->addWidget(ansicht.Element("CommandLöschen"));
    knöpfe->addStretch();
    auto* mitListe = new QHBoxLayout;
    mitListe->addWidget(liste, 1);
    mitListe->addLayout(knöpfe);
    return mitListe;
}

QWidget* Gebührenanzeige(Formularansicht& ansicht, const char* beschriftung, const char* betrag) {
    auto* tafel = new QFrame(&ansicht);
    tafel->setObjectName(QStringLiteral("Gebuehrenanzeige"));
    tafel->setFrameShape(QFrame::StyledPanel);
    tafel->setStyleSheet(QStringLiteral("#Gebuehrenanzeige { background: #eef4e6; border: 1px solid #9fb98a;"
                                        " border-radius: 4px; }"));
    auto* text = ansicht.Element<QLabel>(beschriftung);
    auto* summe = ansicht.Element<QLabel>(betrag);
    QFont schrift = summe->font();
    schrift.setBold(true);
    schrift.setPointSizeF(schrift.pointSizeF() * 1.6);
    text->setFont(schrift);
    summe->setFont(schrift);
    summe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    summe->setMinimumWidth(summe->fontMetrics().horizontalAdvance(QStringLiteral("000.000,00")));
    summe->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* zeile = new QHBoxLayout(tafel);
    zeile->addWidget(text);
    zeile->addStretch();
    zeile->addWidget(summe);
    return tafel;
}

QHBoxLayout* Knopfleiste(Formularansicht& ansicht, std::initializer_list<const char*> knöpfe) {
    auto* leiste = new QHBoxLayout;
    if (ansicht.Form().Find("lblVersion")) {
        auto* version = ansicht.Element<QLabel>("lblVersion");
        version->setStyleSheet(QStringLiteral("color: #777;"));
        leiste->addWidget(version);
    }
    leiste->addStretch();
    for (const char* name : knöpfe) {
        auto* knopf = ansicht.Element<QPushButton>(name);
        knopf->setMinimumWidth(knopf->fontMetrics().horizontalAdvance(QStringLiteral("Abbruch")) + 48);
        leiste->addWidget(knopf);
    }
    return leiste;
}

void Feldbreite(Formularansicht& ansicht, const char* name, int zeichen) {
    auto* feld = ansicht.Element<QLineEdit>(name);
    int breite = feld->fontMetrics().horizontalAdvance(QString(zeichen, QLatin1Char('0'))) + 16;
    feld->setFixedWidth(breite);
}

void Zahlenfeld(Formularansicht& ansicht, const char* name) {
    auto* feld = ansicht.Element<QLineEdit>(name);
    feld->setValidator(Zahlenprüfer(feld));
}

} // namespace kovelund::gui
