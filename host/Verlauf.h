#pragma once
// One step back per calculation: before an invoice is saved anew, its previous file and the amounts
// of its invoice record are kept, so that `kovelund undo` (and the GUI's "Rückgängig") can restore
// them and `kovelund redo` can bring back what an undo replaced.
//
// The history of DIR/NAME.docx lives beside it, in the folder DIR/.NAME.docx.verlauf: the file
// verlauf.json lists the steps back and forward, each kept invoice is a numbered .docx there. At
// most ten steps back are kept (the oldest goes first); a new calculation drops the steps forward.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kovelund {

namespace dao {
class Database;
}

/// The fields of an invoice record that a calculation writes, as they stood; none for Null.
struct Rechnungsstand {
    std::filesystem::path datenbank;
    int rechnung = 0;
    std::optional<double> NettoRechnung;
    std::optional<double> Brutto;
    std::optional<double> MehrwertsteuerFreierbetrag;
    std::optional<double> Mehrwertsteuersatz;
    friend bool operator==(const Rechnungsstand&, const Rechnungsstand&) = default;
};

/// Reads record `rechnung` of `db` (opened from `datenbank`); 3021 when there is no such record.
Rechnungsstand RechnungsstandLesen(dao::Database& db, const std::filesystem::path& datenbank, int rechnung);

/// Writes the amounts back into the record; 3021 when it is gone.
void RechnungsstandSchreiben(dao::Database& db, const Rechnungsstand& stand);

/// One kept state of the invoice.
struct Verlaufsschritt {
    /// The kept file in the history folder; empty when the invoice did not exist yet.
    std::string datei;
    /// When it was kept (UTC, "2026-12-07 05:41:07") and the calculation between it and the state
    /// beside it ("run frmKat1-liste.json"): made after it for a step back, undone for a step forward.
    std::string zeit;
    std::string anlass;
    std::optional<Rechnungsstand> rechnung;
};

class Verlauf {
public:
    static constexpr std::size_t Tiefe = 10;

    /// The history of the invoice `dokument`; nothing is read or written yet.
    explicit Verlauf(std::filesystem::path dokument);

    /// The folder that holds the history of `dokument`.
    static std::filesystem::path Ordner(const std::filesystem::path& dokument);

    /// Keeps the invoice's file as it is now and `rechnung` (the record as it stood before the
    /// calculation) as the newest step back, drops every step forward and the eleventh step back.
    /// Call it just before saving; a failure (75) leaves the history as it was. A history that cannot
    /// be read is moved aside to verlauf.json.defekt and begun anew.
    void Sichern(const std::optional<Rechnungsstand>& rechnung, const std::string& anlass);

    /// Restores the newest step back (the file byte for byte and the record, in the database
    /// `datenbank` when given, else in the one it came from) and keeps the state it replaces as a
    /// step forward. False when there is no step back.
    bool Rückgängig(const std::optional<std::filesystem::path>& datenbank = std::nullopt);
    /// The same in the other direction: restores the newest step forward.
    bool Wiederherstellen(const std::optional<std::filesystem::path>& datenbank = std::nullopt);

    /// The steps back and forward, oldest first. A history that cannot be read throws 75 here, in
    /// Rückgängig and in Wiederherstellen.
    std::vector<Verlaufsschritt> Zurück() const;
    std::vector<Verlaufsschritt> Vor() const;

private:
    struct Stapel;
    Stapel Laden() const;
    void Ablegen(const Stapel& stapel) const;
    bool Wechseln(bool zurück, const std::optional<std::filesystem::path>& datenbank);

    std::filesystem::path dokument_;
    std::filesystem::path ordner_;
};

} // namespace kovelund
