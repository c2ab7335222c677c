#include "gui/Rasterbindung.h"

#include "gui/Formularansicht.h"
#include "gui/Tasten.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <set>
#include <utility>

namespace kovelund::gui {

namespace {

Qt::Alignment Ausrichtung(const ui::Grid& grid, int spalte) {
    return (grid.ColAlignment(spalte) == 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

Rastermodell::Rastermodell(ui::Grid& grid, Rasterbindung& bindung) : grid_(grid), bindung_(bindung) {}

int Rastermodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : zeilen_;
}

int Rastermodell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : spalten_;
}

QVariant Rastermodell::data(const QModelIndex& index, int role) const {
    int zeile = index.row() + 1;
    int spalte = index.column() + 1;
    if (bindung_.Gelöst() || !index.isValid() || zeile > grid_.Rows() || spalte > grid_.Cols()) return {};
    switch (role) {
    case Qt::DisplayRole:
        return Q(grid_.TextMatrix(zeile, spalte));
    case Qt::EditRole:
        return Q(grid_.TextMatrix(zeile, spalte)).trimmed();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Ausrichtung(grid_, spalte));
    default:
        return {};
    }
}

QVariant Rastermodell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (bindung_.Gelöst()) return {};
    if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section >= grid_.Cols()) return {};
    // Headings carry a leading blank that kept them off the grid line; the header has margins.
    if (role == Qt::DisplayRole) return Q(grid_.TextMatrix(0, section + 1)).trimmed();
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Ausrichtung(grid_, section + 1));
    return {};
}

Qt::ItemFlags Rastermodell::flags(const QModelIndex& index) const {
    if (bindung_.Gelöst() || !index.isValid() || index.column() >= grid_.Cols()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_.ColEditable(index.column() + 1)) f |= Qt::ItemIsEditable;
    return f;
}

bool Rastermodell::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    bindung_.ZelleBearbeitet(index.row(), index.column(), value.toString());
    return true;
}

void Rastermodell::Aktualisieren() {
    if (grid_.Rows() != zeilen_ || grid_.Cols() != spalten_) {
        beginResetModel();
        zeilen_ = grid_.Rows();
        spalten_ = grid_.Cols();
        endResetModel();
        return;
    }
    if (zeilen_ > 0 && spalten_ > 0) Q_EMIT dataChanged(index(0, 0), index(zeilen_ - 1, spalten_ - 1));
    if (spalten_ > 0) Q_EMIT headerDataChanged(Qt::Horizontal, 0, spalten_ - 1);
}

Zelleditor::Zelleditor(Rasterbindung& bindung) : bindung_(bindung) {}

QWidget* Zelleditor::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor_ = editor;
    auto* selbst = const_cast<Zelleditor*>(this);
    connect(editor, &QObject::destroyed, selbst, [selbst, editor] {
        if (selbst->editor_ == editor) selbst->editor_ = nullptr;
    });
    return editor;
}

void Zelleditor::Abschließen() {
    if (QWidget* editor = std::exchange(editor_, nullptr)) {
        Q_EMIT commitData(editor);
        Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool Zelleditor::eventFilter(QObject* objekt, QEvent* ereignis) {
    auto* editor = qobject_cast<QWidget*>(objekt);
    if (editor && ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        int key = taste->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter) {
            editor_ = editor;
            Abschließen();
            if (key == Qt::Key_Tab) bindung_.TasteGedrückt(ui::vbKeyTab, Umschaltung(*taste));
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(objekt, ereignis);
}

Rasterbindung::Rasterbindung(ui::Grid& grid, QTableView* tabelle, Formularansicht& ansicht)
    : Bindung(grid, tabelle, ansicht), grid_(grid), tabelle_(tabelle),
      modell_(std::make_unique<Rastermodell>(grid, *this)), editor_(std::make_unique<Zelleditor>(*this)) {
    tabelle_->setModel(modell_.get());
    tabelle_->setItemDelegate(editor_.get());
    tabelle_->setTabKeyNavigation(false);
    tabelle_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tabelle_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    tabelle_->horizontalHeader()->setHighlightSections(false);
    tabelle_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabelle_->setWordWrap(false);
    connect(tabelle_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& aktuell) { ZelleGewählt(aktuell); });
    connect(tabelle_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { AuswahlGeändert(); });
    // The grid asks its view to finish a pending edit through its hook, before anything is shown.
    grid_.SetObserver([this](ui::Control&) { Gefolgt(); });
}

Rasterbindung::~Rasterbindung() {
    // The view lets go of the item model and the delegate before they are destroyed.
    tabelle_->selectionModel()->disconnect(this);
    tabelle_->setItemDelegate(nullptr);
    tabelle_->setModel(nullptr);
}

void Rasterbindung::Gefolgt() {
    if (Gelöst()) return;
    if (grid_.EditFinishing()) editor_->Abschließen();
    Anwenden();
}

QRect Rasterbindung::Zellrechteck(int zeile, int spalte) const {
    if (zeile < 1 || spalte < 1) return {};
    return tabelle_->visualRect(modell_->index(zeile - 1, spalte - 1));
}

void Rasterbindung::ZelleBearbeitet(int zeile, int spalte, const QString& text) {
    Weitergeben([&] {
        if (grid_.Row() != zeile + 1 || grid_.Col() != spalte + 1) grid_.Select(zeile + 1, spalte + 1);
        grid_.Edit(S(text));
    });
}

void Rasterbindung::TasteGedrückt(int code, int umschalt) {
    FokusNehmen();
    Weitergeben([&] { grid_.PressKey(code, umschalt); });
}

void Rasterbindung::Zeigen() {
    modell_->Aktualisieren();
    MaßeZeigen();
    if (grid_.Row() >= 1 && grid_.Col() >= 1) {
        QModelIndex aktuell = modell_->index(grid_.Row() - 1, grid_.Col() - 1);
        if (tabelle_->currentIndex() != aktuell)
            tabelle_->selectionModel()->setCurrentIndex(aktuell, QItemSelectionModel::NoUpdate);
    }
    AuswahlZeigen();
    if (grid_.Rows() > 0 && grid_.TopRow() != obersteZeile_) {
        obersteZeile_ = grid_.TopRow();
        tabelle_->scrollTo(modell_->index(obersteZeile_ - 1, 0), QAbstractItemView::PositionAtTop);
    }
}

void Rasterbindung::MaßeZeigen() {
    for (int c = 1; c <= grid_.Cols(); ++c) {
        int breite = grid_.ColWidth(c);
        tabelle_->setColumnHidden(c - 1, breite == 0);
        // A column is never narrower than its heading, which would otherwise be cut off.
        int überschrift = tabelle_->horizontalHeader()->sectionSizeHint(c - 1);
        if (breite > 0) tabelle_->setColumnWidth(c - 1, std::max(Bildpunkte(breite, *tabelle_), überschrift));
    }
    // Rows are never lower than the font needs, so the cells stay readable at any font size.
    int mindestens = tabelle_->fontMetrics().height() + 6;
    for (int r = 1; r <= grid_.Rows(); ++r)
        tabelle_->setRowHeight(r - 1, std::max(Bildpunkte(grid_.RowHeight(r), *tabelle_), mindestens));
}

void Rasterbindung::AuswahlZeigen() {
    std::set<int> modell;
    for (int r = 1; r <= grid_.Rows(); ++r)
        if (grid_.RowSelected(r)) modell.insert(r - 1);
    std::set<int> ansicht;
    for (const QModelIndex& index : tabelle_->selectionModel()->selectedIndexes())
        ansicht.insert(index.row());
    if (modell == ansicht) return;
    QItemSelection auswahl;
    for (int r : modell)
        auswahl.select(modell_->index(r, 0), modell_->index(r, std::max(grid_.Cols() - 1, 0)));
    tabelle_->selectionModel()->select(auswahl, QItemSelectionModel::ClearAndSelect);
}

void Rasterbindung::ZelleGewählt(const QModelIndex& index) {
    if (Gelöst() || Anwendend() || !index.isValid()) return;
    if (grid_.Row() == index.row() + 1 && grid_.Col() == index.column() + 1) return;
    FokusNehmen();
    Weitergeben([&] { grid_.Select(index.row() + 1, index.column() + 1); });
}

void Rasterbindung::AuswahlGeändert() {
    if (Gelöst() || Anwendend()) return;
    std::set<int> zeilen;
    for (const QModelIndex& index : tabelle_->selectionModel()->selectedIndexes())
        zeilen.insert(index.row() + 1);
    Weitergeben([&] { grid_.SelectRows(std::vector<int>(zeilen.begin(), zeilen.end())); });
}

bool Rasterbindung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == tabelle_ && !Gelöst() && ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        int code = Tastencode(*taste);
        int umschalt = Umschaltung(*taste);
        if (taste->key() == Qt::Key_Backtab) return false;
        if (AnListeGeben(*taste)) return true;
        bool bewegt = code == ui::vbKeyTab || (code >= ui::vbKeyLeft && code <= ui::vbKeyDown);
        if (bewegt) {
            // The grid moves its current cell itself once the window's KeyDown left the key alone.
            TasteGedrückt(code, umschalt);
            return true;
        }
        // Keys that move the view's current cell go to the model, so that the cell shown as
        // current stays the one typing goes into.
        if (taste->key() == Qt::Key_Home || taste->key() == Qt::Key_End) {
            TasteGedrückt(code, umschalt);
            AnsRandGehen(taste->key() == Qt::Key_Home);
            return true;
        }
        if (taste->key() == Qt::Key_PageUp || taste->key() == Qt::Key_PageDown) {
            TasteGedrückt(code, umschalt);
            return true;
        }
        if (code != 0) TasteGedrückt(code, umschalt);
        return false;
    }
    return Bindung::eventFilter(objekt, ereignis);
}

void Rasterbindung::AnsRandGehen(bool anfang) {
    if (Gelöst() || grid_.Row() < 1) return;
    int spalte = 0;
    for (int c = 1; c <= grid_.Cols(); ++c)
        if (grid_.ColWidth(c) > 0 && (spalte == 0 || !anfang)) spalte = c;
    if (spalte == 0 || spalte == grid_.Col()) return;
    Weitergeben([&] { grid_.Select(grid_.Row(), spalte); });
}

QWidget* Rasterbindung::ListeÜberZelle() const {
    QRect zelle = Zellrechteck(grid_.Row(), grid_.Col());
    for (QWidget* liste : listen_)
        if (liste->isVisible() && zelle.isValid() && liste->geometry().intersects(zelle)) return liste;
    return nullptr;
}

bool Rasterbindung::AnListeGeben(QKeyEvent& taste) {
    QWidget* liste = ListeÜberZelle();
    if (!liste) return false;
    bool alt = taste.modifiers().testFlag(Qt::AltModifier);
    bool öffnen = taste.key() == Qt::Key_F4 || taste.key() == Qt::Key_Space ||
                  (alt && (taste.key() == Qt::Key_Down || taste.key() == Qt::Key_Up));
    bool buchstabe = !alt && !taste.modifiers().testFlag(Qt::ControlModifier) && !taste.text().isEmpty() &&
                     taste.text().at(0).isLetterOrNumber();
    if (!öffnen && !buchstabe) return false;
    // The list takes the focus as a click on it would; a letter then chooses the entry it begins.
    liste->setFocus(Qt::OtherFocusReason);
    if (öffnen) {
        if (auto* auswahl = qobject_cast<QComboBox*>(liste)) auswahl->showPopup();
    } else {
        QKeyEvent kopie(QEvent::KeyPress, taste.key(), taste.modifiers(), taste.text());
        QCoreApplication::sendEvent(liste, &kopie);
    }
    return true;
}

} // namespace kovelund::gui
