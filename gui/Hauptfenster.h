#pragma once
// kovelund-gui's main window: the open invoice and host database, the calculator windows in an MDI
// area, the job's facts, the invoice's tables, and the invoice totals in the status bar.

#include "component/KV.h"
#include "gui/Rechnungsstand.h"

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace kovelund::dao {
class Database;
class Workspace;
} // namespace kovelund::dao
namespace kovelund::docx {
class Document;
}

namespace kovelund {
class Protokollauszug;
}
namespace kovelund::datei {
class Sperre;
struct Dateistand;
} // namespace kovelund::datei

namespace kovelund::gui {

class Auftragspanel;
class Seitenansicht;
class Tabellenpanel;

class Hauptfenster : public QMainWindow {
    Q_OBJECT
public:
    Hauptfenster();
    ~Hauptfenster() override;

    /// Opens the invoice (.docx) or the host database (.sqlite); a file that cannot be opened is
    /// reported in a message box and false returned. The invoice is not replaced while calculator
    /// windows are open or while the user keeps unsaved changes.
    bool RechnungÖffnen(const std::filesystem::path& datei);
    bool DatenbankÖffnen(const std::filesystem::path& datei);
    /// Saves the invoice to its file, or to `datei` from then on.
    bool Speichern();
    bool SpeichernUnter(const std::filesystem::path& datei);
    /// Closes without offering to save the invoice: for a temporary copy whose changes nobody keeps.
    void OhneSpeichernSchließen();

    /// Hands the job's facts, the invoice and the database to KV and opens calculator window
    /// `index` (0 … 5) with Show, in the MDI area; a fact KV does not take is reported.
    void GebührÖffnen(int index);

    QMdiArea* Bereich() const noexcept { return bereich_; }
    Auftragspanel* Auftrag() const noexcept { return auftrag_; }
    Tabellenpanel* Tabellen() const noexcept { return tabellen_; }
    Seitenansicht* Seite() const noexcept { return seite_; }
    /// Writes the invoice as the page preview shows it to a PDF file; a failure is reported.
    bool PdfExportieren(const std::filesystem::path& datei);
    docx::Document* Dokument() const noexcept { return dokument_.get(); }
    /// The totals of the invoice record as the status bar shows them.
    QString Summentext() const;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    void MenüsAnlegen();
    void PanelsAnlegen();
    void ZuletztZeigen();
    void Merken(const std::filesystem::path& datei);
    /// Title, menus, tables and totals after anything changed.
    void Aktualisieren();
    /// The page preview after a window of `kategorie` finished: shown anew and at the table just written.
    void SeiteNachführen(int kategorie);
    /// Asks to save unsaved changes; false when the user cancels. "Nein" discards them.
    bool ÄnderungenKlären();
    /// Puts the invoice records back as they were when the invoice was opened or last saved.
    void Verwerfen();
    /// Lets the user pick the invoice record from the database's list.
    void RechnungWählen();
    /// Whether the totals may go to record `id`: it is the invoice's record, or the user agrees.
    bool DatensatzBestätigen(int id);
    bool FensterOffen() const;
    /// "Bearbeiten → Rückgängig" (zurück) or "Wiederherstellen": the invoice's history, one step.
    void VerlaufSchritt(bool zurück);
    /// Takes the lock on the invoice into `sperre`; when someone else holds it, asks whether to open
    /// it read-only (`sperre` stays empty). False when the user cancels.
    bool SperreNehmen(const std::filesystem::path& datei, std::unique_ptr<datei::Sperre>& sperre);
    /// After a window closed: warns with "Wiederholen" when the invoice record was not written.
    void SatzPrüfen();

    KV kv_;
    std::shared_ptr<docx::Document> dokument_;
    std::shared_ptr<dao::Workspace> workspace_;
    std::shared_ptr<dao::Database> datenbank_;
    std::filesystem::path datenbankPfad_;
    /// The invoice records as they stood before the first calculation since the invoice was opened
    /// or last saved: put back when its changes are discarded, kept in its history when it is saved.
    Rechnungsstände stand_;
    /// The record the invoice's totals went to last (0: none yet).
    int datensatz_ = 0;
    /// The lock on the invoice; none when it is open read-only.
    std::unique_ptr<datei::Sperre> sperre_;
    /// The invoice file as opened or last saved, so that another program's change is not overwritten.
    std::unique_ptr<datei::Dateistand> geöffnet_;
    /// The error log from the last Show on.
    std::unique_ptr<Protokollauszug> protokoll_;

    QMdiArea* bereich_;
    Auftragspanel* auftrag_ = nullptr;
    Tabellenpanel* tabellen_ = nullptr;
    Seitenansicht* seite_ = nullptr;
    QLabel* summen_ = nullptr;
    QLabel* dateien_ = nullptr;
    QMenu* zuletzt_ = nullptr;
    QAction* speichern_ = nullptr;
    QAction* speichernUnter_ = nullptr;
    QAction* rückgängig_ = nullptr;
    QAction* wiederherstellen_ = nullptr;
    QAction* pdf_ = nullptr;
    std::array<QAction*, 6> kategorien_{};
    bool ohneRückfrage_ = false;
};

} // namespace kovelund::gui
