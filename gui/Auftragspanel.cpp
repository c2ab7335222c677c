#include "gui/Auftragspanel.h"

#include "common/Variant.h"
#include "component/KV.h"
#include "gui/Bindung.h"
#include "gui/Feldbindungen.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kovelund::gui {

namespace {

using Setzer = void (KV::*)(const Variant&);

struct Angabe {
    const char* name;
    const char* beschriftung;
    const char* vorgabe;
    Setzer setzer;
    bool zahl = true;
};

// The sample job: parcel 123/4 of 850 m² at 85,50 €/m², six boundary points, the sample user 1
// and the sample's open invoice 17.
const Angabe angaben[] = {
    {"Flurstücksnummer", "Flurstücksnummer", "123/4", &KV::SetFlurstücksnummer, false},
    {"Fläche", "Fläche [m²]", "850", &KV::SetFläche},
    {"Bodenwert", "Bodenwert [€/m²]", "85,50", &KV::SetBodenwert},
    {"Lage", "Lage", "Am Mühlbach 7", &KV::SetLage, false},
    {"Baukosten", "Baukosten [€]", "0", &KV::SetBaukosten},
    {"Achslänge", "Achslänge [m]", "0", &KV::SetAchslänge},
    {"Grenzlänge", "Grenzlänge [m]", "0", &KV::SetGrenzlänge},
    {"Flurstücke", "Flurstücke", "1", &KV::SetFlurstücke},
    {"AnzahlGrenzpunkte", "Grenzpunkte", "6", &KV::SetAnzahlGrenzpunkte},
    {"ID_Benutzer", "Benutzer (ID)", "1", &KV::SetID_Benutzer},
    {"Rechnung", "Rechnung (ID)", "17", nullptr},
};

} // namespace

Auftragspanel::Auftragspanel(QWidget* parent) : QWidget(parent) {
    auto* formular = new QFormLayout(this);
    formular->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const Angabe& a : angaben) {
        auto* feld = new QLineEdit(QString::fromUtf8(a.vorgabe), this);
        feld->setObjectName(QString::fromUtf8(a.name));
        if (a.zahl) feld->setValidator(Zahlenprüfer(feld));
        felder_[a.name] = feld;
        if (a.setzer) {
            formular->addRow(QString::fromUtf8(a.beschriftung), feld);
            continue;
        }
        auto* zeile = new QHBoxLayout;
        // A narrow button: the panel stays narrow enough for the host on an 800 pixel screen.
        auto* wählen = new QToolButton(this);
        wählen->setText(QStringLiteral("…"));
        wählen->setToolTip(QStringLiteral("Rechnung aus der Datenbank wählen (Alt+W)"));
        wählen->setShortcut(QKeySequence(QStringLiteral("Alt+W")));
        wählen->setObjectName(QStringLiteral("RechnungWählen"));
        connect(wählen, &QToolButton::clicked, this, [this] {
            if (wählen_) wählen_();
        });
        zeile->addWidget(feld, 1);
        zeile->addWidget(wählen);
        formular->addRow(QString::fromUtf8(a.beschriftung), zeile);
    }
}

void Auftragspanel::Übertragen(KV& kv) const {
    for (const Angabe& a : angaben)
        if (a.setzer) (kv.*a.setzer)(Variant(S(felder_.at(a.name)->text().trimmed())));
}

int Auftragspanel::Rechnung() const {
    return felder_.at("Rechnung")->text().trimmed().toInt();
}

void Auftragspanel::RechnungSetzen(int id) {
    felder_.at("Rechnung")->setText(QString::number(id));
}

QLineEdit* Auftragspanel::Feld(const std::string& name) const {
    auto it = felder_.find(name);
    return it == felder_.end() ? nullptr : it->second;
}

} // namespace kovelund::gui
