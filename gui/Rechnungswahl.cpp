#include "gui/Rechnungswahl.h"

#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Variant.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>

namespace kovelund::gui {

namespace {

QString Art(int art) {
    switch (art) {
    case 4:
        return QStringLiteral("Schlussrechnung");
    case 5:
        return QStringLiteral("Abschlagsrechnung");
    case 7:
        return QStringLiteral("Gutschrift");
    default:
        return QStringLiteral("Rechnung");
    }
}

QString Text(const Variant& wert) {
    return QString::fromStdString(AlsText(wert));
}

QString Datum(const Variant& wert) {
    try {
        return Text(Variant(AlsDatum(wert)));
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

QString Euro(const Variant& cent) {
    return QString::fromStdString(Trimmen(WertFormatieren(AlsDouble(cent) / 100, 11, 2))) +
           QStringLiteral(" €");
}

std::vector<Rechnungseintrag> RechnungenLesen(dao::Database& datenbank) {
    // The invoice date is the record's appointment of kind 8, as the invoice texts give it.
    auto sätze = datenbank.OpenRecordset(
        "SELECT R.ID_Rechnungsnummer, R.Rechnungsnummer, R.Rechnungsart, T.Datum, R.Brutto FROM Rechnung R "
        "LEFT JOIN Termine T ON T.ID_Rechnungsnummer = R.ID_Rechnungsnummer AND T.ID_Terminart = 8 "
        "ORDER BY R.ID_Rechnungsnummer");
    std::vector<Rechnungseintrag> einträge;
    for (; !sätze->Eof(); sätze->MoveNext())
        einträge.push_back({AlsLong(sätze->Fields(0).Value()), Text(sätze->Fields(1).Value()),
                            Art(AlsLong(sätze->Fields(2).Value())), Datum(sätze->Fields(3).Value()),
                            Euro(sätze->Fields(4).Value())});
    return einträge;
}

Rechnungswahl::Rechnungswahl(const std::vector<Rechnungseintrag>& einträge, int aktuell, QWidget* parent)
    : QDialog(parent), liste_(new QTableWidget(static_cast<int>(einträge.size()), 5, this)) {
    setWindowTitle(QStringLiteral("Rechnung wählen"));
    liste_->setObjectName(QStringLiteral("Rechnungen"));
    liste_->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("Nummer"), QStringLiteral("Art"),
                                       QStringLiteral("Datum"), QStringLiteral("Betrag")});
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->setTabKeyNavigation(false);
    liste_->verticalHeader()->hide();
    for (int z = 0; z < liste_->rowCount(); ++z) {
        const Rechnungseintrag& e = einträge[static_cast<std::size_t>(z)];
        const QString spalten[] = {QString::number(e.id), e.nummer, e.art, e.datum, e.betrag};
        for (int s = 0; s < 5; ++s) {
            auto* zelle = new QTableWidgetItem(spalten[s]);
            if (s == 0 || s == 4) zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            liste_->setItem(z, s, zelle);
        }
        if (e.id == aktuell) liste_->setCurrentCell(z, 0);
    }
    liste_->resizeColumnsToContents();
    liste_->horizontalHeader()->setStretchLastSection(true);
    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knöpfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knöpfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(liste_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    auto* rahmen = new QVBoxLayout(this);
    rahmen->addWidget(liste_);
    rahmen->addWidget(knöpfe);
    resize(560, 320);
    liste_->setFocus();
}

int Rechnungswahl::Gewählt() const {
    QTableWidgetItem* id = liste_->item(liste_->currentRow(), 0);
    return id ? id->text().toInt() : 0;
}

} // namespace kovelund::gui
