#include "gui/Tabellenpanel.h"

#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Variant.h"
#include "document/Zelltext.h"
#include "gui/Bindung.h"
#include "gui/Kategorien.h"
#include "gui/Rechnungswahl.h"
#include "platform/docx/Document.h"
#include "totals/VV_WordAuto.h"

#include <QHeaderView>
#include <QTimer>
#include <exception>
#include <map>
#include <utility>

namespace kovelund::gui {

namespace {

constexpr int positionRolle = Qt::UserRole;
constexpr int kategorieRolle = Qt::UserRole + 1;
constexpr int eintragRolle = Qt::UserRole + 2;

// A statement's amount is the sum of its column 5, as the invoice totals read it.
QString Betrag(const docx::Table& tabelle) {
    double summe = 0;
    try {
        for (int r = 1; r <= tabelle.Rows().Count(); ++r)
            summe += CVal(Tausche(Zelltext(tabelle.Cell(r, 5)), "\r", ""));
    } catch (const std::exception&) {
        return {};
    }
    return Euro(Variant(summe * 100));
}

int Cursortabelle(docx::Document& dokument) {
    auto& auswahl = dokument.Application().Selection();
    return auswahl.InTable() ? auswahl.CurrentTable().Position() : 0;
}

} // namespace

Tabellenpanel::Tabellenpanel(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Tabelle"), QStringLiteral("Betrag")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* eintrag) { CursorSetzen(eintrag->data(0, positionRolle).toInt()); });
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* eintrag) { Doppelklick(eintrag); });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* eintrag) { Doppelklick(eintrag); });
}

void Tabellenpanel::Füllen(docx::Document* dokument) {
    dokument_ = dokument;
    clear();
    if (!dokument_) return;
    auto* außerhalb = new QTreeWidgetItem(this, {QStringLiteral("(Cursor außerhalb der Tabellen)")});
    außerhalb->setData(0, positionRolle, 0);
    außerhalb->setFirstColumnSpanned(true);
    std::map<std::string, int> gezählt;
    for (const docx::Table& tabelle : dokument_->Tables()) {
        std::string marke = Tabellenmarke(tabelle);
        int kategorie = Kategorie(marke);
        QStringList spalten{QString::number(tabelle.Position()), Q(marke), QString()};
        if (kategorie != 0) spalten = {spalten[0], Kategoriename(kategorie), Betrag(tabelle)};
        auto* eintrag = new QTreeWidgetItem(this, spalten);
        eintrag->setData(0, positionRolle, tabelle.Position());
        eintrag->setData(0, kategorieRolle, kategorie);
        eintrag->setData(0, eintragRolle, gezählt[marke]++);
        eintrag->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        eintrag->setToolTip(1, Q(marke));
    }
    int cursor = Cursortabelle(*dokument_);
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->data(0, positionRolle).toInt() == cursor) setCurrentItem(topLevelItem(i));
}

void Tabellenpanel::CursorSetzen(int position) {
    if (!dokument_) return;
    auto& auswahl = dokument_->Application().Selection();
    if (position == 0)
        auswahl.ClearCursor();
    else
        auswahl.SetCursor(dokument_->Tables().Item(position));
    // Only the mark moves: filling the list anew would end the double-click the click began.
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->data(0, positionRolle).toInt() == position) setCurrentItem(topLevelItem(i));
}

void Tabellenpanel::Doppelklick(QTreeWidgetItem* eintrag) {
    int kategorie = eintrag->data(0, kategorieRolle).toInt();
    if (kategorie == 0 || !öffnen_) return;
    int nummer = eintrag->data(0, eintragRolle).toInt();
    int position = eintrag->data(0, positionRolle).toInt();
    // A double-click may also activate the entry: the window opens once.
    if (std::exchange(geplant_, true)) return;
    // After the click has been handled: opening the window fills the list anew, deleting the entry.
    QTimer::singleShot(0, this, [this, kategorie, nummer, position] {
        geplant_ = false;
        CursorSetzen(position);
        öffnen_(kategorie, nummer);
    });
}

} // namespace kovelund::gui
