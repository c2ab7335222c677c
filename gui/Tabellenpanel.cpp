#include "gui/Tabellenpanel.h"

#include "document/Zelltext.h"
#include "gui/Bindung.h"
#include "platform/docx/Document.h"
#include "totals/VV_WordAuto.h"

#include <QHeaderView>
#include <exception>

namespace kovelund::gui {

namespace {

constexpr int positionRolle = Qt::UserRole;

std::string ErsteZelle(const docx::Table& tabelle) {
    try {
        return Zelltext(tabelle.Cell(1, 1));
    } catch (const std::exception&) {
        return {};
    }
}

int Cursortabelle(docx::Document& dokument) {
    auto& auswahl = dokument.Application().Selection();
    return auswahl.InTable() ? auswahl.CurrentTable().Position() : 0;
}

} // namespace

Tabellenpanel::Tabellenpanel(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Marke"), QStringLiteral("Erste Zelle")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* eintrag) { CursorSetzen(eintrag->data(0, positionRolle).toInt()); });
}

void Tabellenpanel::Füllen(docx::Document* dokument) {
    dokument_ = dokument;
    clear();
    if (!dokument_) return;
    auto* außerhalb = new QTreeWidgetItem(this, {QStringLiteral("(Cursor außerhalb der Tabellen)")});
    außerhalb->setData(0, positionRolle, 0);
    außerhalb->setFirstColumnSpanned(true);
    for (const docx::Table& tabelle : dokument_->Tables()) {
        auto* eintrag = new QTreeWidgetItem(
            this, {QString::number(tabelle.Position()), Q(Tabellenmarke(tabelle)), Q(ErsteZelle(tabelle))});
        eintrag->setData(0, positionRolle, tabelle.Position());
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
    Füllen(dokument_);
}

} // namespace kovelund::gui
