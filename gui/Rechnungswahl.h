#pragma once
// The invoice picker: the host database's invoice records (number, kind, date, amount) in a list
// the clerk chooses from with the keys or a double-click, instead of typing a record's ID.

#include <QDialog>
#include <vector>

class QTableWidget;

namespace kovelund {
class Variant;
}
namespace kovelund::dao {
class Database;
}

namespace kovelund::gui {

/// One invoice record as the picker lists it.
struct Rechnungseintrag {
    int id = 0;
    QString nummer;
    QString art;
    QString datum;
    QString betrag;
};

/// An amount in cents, as a record holds it, in euros as the invoice writes it ("1.190,00 €").
QString Euro(const Variant& cent);

/// The invoice records of `datenbank`, by ID; a failing query fails with the database's error.
std::vector<Rechnungseintrag> RechnungenLesen(dao::Database& datenbank);

class Rechnungswahl : public QDialog {
public:
    /// Lists `einträge` with the record `aktuell` preselected.
    Rechnungswahl(const std::vector<Rechnungseintrag>& einträge, int aktuell, QWidget* parent = nullptr);

    /// The chosen record's ID, 0 while none is chosen.
    int Gewählt() const;
    QTableWidget* Liste() const noexcept { return liste_; }

private:
    QTableWidget* liste_;
};

} // namespace kovelund::gui
