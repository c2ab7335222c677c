#pragma once
// The totals of the invoice records as they stood when the invoice was opened or last saved. A
// calculator window's "&OK" writes the record at once but the document only at save, so the host
// puts the record back when the user discards the invoice's changes.

#include "common/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace kovelund::dao {
class Database;
}

namespace kovelund::gui {

class Rechnungsstand {
public:
    /// Remembers the totals of record `id` in `datenbank`, unless they are remembered already
    /// since the last save; a record that cannot be read fails with the database's error.
    void Merken(const std::shared_ptr<dao::Database>& datenbank, int id);
    /// Writes every remembered record's totals back and forgets them; a record that cannot be
    /// written is left out and named in the returned text (empty when all went back).
    std::string Zurücksetzen();
    /// Forgets the remembered totals: the invoice was saved and keeps what the records hold.
    void Vergessen();

private:
    struct Stand {
        std::shared_ptr<dao::Database> datenbank;
        int id;
        std::vector<Variant> werte;
    };
    std::vector<Stand> stände_;
};

} // namespace kovelund::gui
