#pragma once
// The grid as a table view: the model's cells, headings, widths, row heights, alignment, current
// cell and selected rows shown; clicks, keys and cell edits passed on to the model.

#include "gui/Bindung.h"

#include <QAbstractTableModel>
#include <QRect>
#include <QStyledItemDelegate>
#include <QTableView>
#include <memory>
#include <vector>

namespace kovelund::ui {
class Grid;
}

namespace kovelund::gui {

class Rasterbindung;

/// The grid's cells as a Qt item model; an edit the user commits goes to the grid as Edit.
class Rastermodell : public QAbstractTableModel {
public:
    Rastermodell(ui::Grid& grid, Rasterbindung& bindung);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    /// Takes the grid's changes: a new shape resets the view, else every cell is repainted.
    void Aktualisieren();

private:
    ui::Grid& grid_;
    Rasterbindung& bindung_;
    int zeilen_ = 0;
    int spalten_ = 0;
};

/// The cell editor: Tab and Enter commit the cell; Tab then also reaches the grid as a key, so a
/// window's Tab rule works while a cell is being edited.
class Zelleditor : public QStyledItemDelegate {
public:
    explicit Zelleditor(Rasterbindung& bindung);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    /// Commits and closes the open editor, if there is one.
    void Abschließen();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    Rasterbindung& bindung_;
    mutable QWidget* editor_ = nullptr;
};

class Rasterbindung : public Bindung {
public:
    Rasterbindung(ui::Grid& grid, QTableView* tabelle, Formularansicht& ansicht);
    ~Rasterbindung() override;

    ui::Grid& Raster() const noexcept { return grid_; }
    QTableView* Tabelle() const noexcept { return tabelle_; }
    /// The rectangle of the cell (row and column from 1) in the viewport's coordinates.
    QRect Zellrechteck(int zeile, int spalte) const;

    /// The user committed `text` into the cell (row and column from 0).
    void ZelleBearbeitet(int zeile, int spalte, const QString& text);
    /// The user pressed a key in the grid or its editor.
    void TasteGedrückt(int code, int umschalt);
    /// The choice list `liste` lies over some of the grid's cells (Formularansicht::Überlagern).
    void ListeÜberlagern(QWidget* liste) { listen_.push_back(liste); }

protected:
    void Zeigen() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Gefolgt();
    void MaßeZeigen();
    void AuswahlZeigen();
    void ZelleGewählt(const QModelIndex& index);
    void AuswahlGeändert();
    /// Home and End: the first or last shown column of the row, as a click there would choose it.
    void AnsRandGehen(bool anfang);
    /// The choice list shown over the current cell, if one is.
    QWidget* ListeÜberZelle() const;
    /// Hands a key meant for the choice list over the current cell to it; false when it is none.
    bool AnListeGeben(QKeyEvent& taste);

    ui::Grid& grid_;
    QTableView* tabelle_;
    std::unique_ptr<Rastermodell> modell_;
    std::unique_ptr<Zelleditor> editor_;
    int obersteZeile_ = 0;
    std::vector<QWidget*> listen_;
};

} // namespace kovelund::gui
