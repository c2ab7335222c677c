#pragma once
// The invoice records as they stood when the invoice was opened or last saved. A calculator
// window's "&OK" writes the record at once but the document only at save, so the host puts the
// record back when the user discards the invoice's changes, and keeps it in the invoice's history
// when the user saves them.

#include "host/Verlauf.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kovelund::dao {
class Database;
}

namespace kovelund::gui {

class Rechnungsstände {
public:
    /// Remembers record `id` of `datenbank` (opened from `pfad`), unless it is remembered already
    /// since the last save; a record that cannot be read fails with the database's error.
    void Merken(const std::shared_ptr<dao::Database>& datenbank, const std::filesystem::path& pfad, int id);
    /// The first record remembered since the last save: the one the invoice's history keeps.
    std::optional<Rechnungsstand> Erster() const;
    /// Writes every remembered record back and forgets them; a record that cannot be written is
    /// left out and named in the returned text (empty when all went back).
    std::string Zurücksetzen();
    /// Forgets the remembered records: the invoice was saved and keeps what the records hold.
    void Vergessen();

private:
    struct Stand {
        std::shared_ptr<dao::Database> datenbank;
        Rechnungsstand werte;
    };
    std::vector<Stand> stände_;
};

} // namespace kovelund::gui
