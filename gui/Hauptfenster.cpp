#include "gui/Hauptfenster.h"

#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Variant.h"
#include "component/Auftragskontext.h"
#include "component/Fensterregister.h"
#include "gui/Auftragspanel.h"
#include "gui/Bindung.h"
#include "gui/Kategorien.h"
#include "gui/QtBackend.h"
#include "gui/Rechnungswahl.h"
#include "gui/Rechnungszuordnung.h"
#include "gui/Rueckfrage.h"
#include "gui/Seitenansicht.h"
#include "gui/Symbole.h"
#include "gui/Tabellenpanel.h"
#include "host/Protokollauszug.h"
#include "host/Verlauf.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/datei/Dateistand.h"
#include "platform/datei/Sperre.h"
#include "platform/docx/Document.h"
#include "platform/ui/Form.h"
#include "totals/G_modSumme.h"
#include "totals/VV_WordAuto.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>

namespace kovelund::gui {

namespace {

QString Halter(const datei::Inhaber& i) {
    std::string wer = i.benutzer + (i.rechner.empty() ? "" : "@" + i.rechner);
    std::string name = i.name.empty() ? (i.benutzer.empty() ? "unbekannt" : i.benutzer) : i.name;
    std::string mehr =
        wer + (wer.empty() ? "" : ", ") + i.programm + (i.seit.empty() ? "" : ", seit " + i.seit);
    return QString::fromStdString(name + " (" + mehr + ")");
}

QString Pfad(const std::filesystem::path& datei) {
    return QString::fromStdString(datei.string());
}

std::filesystem::path Pfad(const QString& datei) {
    return std::filesystem::path(datei.toStdString());
}

QSettings Einstellungen() {
    return QSettings(QStringLiteral("Kovelund"), QStringLiteral("kovelund-gui"));
}

// Reading or writing a large invoice takes a moment: until the step ends the pointer is busy and
// the status bar says what is being done.
class Beschäftigt {
public:
    Beschäftigt(QStatusBar* leiste, const QString& text) : leiste_(leiste) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        leiste_->showMessage(text);
        leiste_->repaint();
    }
    ~Beschäftigt() {
        leiste_->clearMessage();
        QApplication::restoreOverrideCursor();
    }
    Beschäftigt(const Beschäftigt&) = delete;
    Beschäftigt& operator=(const Beschäftigt&) = delete;

private:
    QStatusBar* leiste_;
};

} // namespace

Hauptfenster::Hauptfenster() : bereich_(new QMdiArea(this)) {
    setWindowIcon(Programmsymbol());
    bereich_->setObjectName(QStringLiteral("Bereich"));
    bereich_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    bereich_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    bereich_->setBackground(QColor(0x8a, 0x9b, 0xa8));
    setCentralWidget(bereich_);
    PanelsAnlegen();
    MenüsAnlegen();
    summen_ = new QLabel(this);
    summen_->setObjectName(QStringLiteral("Summen"));
    dateien_ = new QLabel(this);
    // The file names give way on a narrow window, the totals do not.
    dateien_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(dateien_, 1);
    statusBar()->addPermanentWidget(summen_);
    // A host learns of a finished window as every host of the component does; queued, because a
    // window unloads inside its "&OK", whose last steps may still change the invoice.
    kv_.SetAbschluss([this](std::int16_t index, bool) {
        QMetaObject::invokeMethod(
            this,
            [this, index] {
                SatzPrüfen();
                SeiteNachführen(index + 1);
                Aktualisieren();
            },
            Qt::QueuedConnection);
    });
    Aktualisieren();
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::PanelsAnlegen() {
    auftrag_ = new Auftragspanel;
    auto* auftrag = new QDockWidget(QStringLiteral("Auftrag"), this);
    auftrag->setObjectName(QStringLiteral("AuftragDock"));
    auftrag->setWidget(auftrag_);
    addDockWidget(Qt::LeftDockWidgetArea, auftrag);

    auftrag_->RechnungswahlSetzen([this] { RechnungWählen(); });

    tabellen_ = new Tabellenpanel;
    tabellen_->ÖffnenSetzen([this](int kategorie, int eintrag) {
        // "Tabellenwahl" offers the first five statements of a category; the clerk chose one here.
        auto* backend = dynamic_cast<QtBackend*>(&ui::CurrentBackend());
        if (backend && eintrag < 5) backend->DialogVorwählen("optTabelle(" + std::to_string(eintrag) + ")");
        GebührÖffnen(kategorie - 1);
        if (backend) backend->DialogVorwählen({});
    });
    auto* tabellen = new QDockWidget(QStringLiteral("Tabellen der Rechnung"), this);
    tabellen->setObjectName(QStringLiteral("TabellenDock"));
    tabellen->setWidget(tabellen_);
    addDockWidget(Qt::LeftDockWidgetArea, tabellen);
    resizeDocks({auftrag}, {fontMetrics().horizontalAdvance(QStringLiteral("0")) * 42}, Qt::Horizontal);

    seite_ = new Seitenansicht;
    auto* seite = new QDockWidget(QStringLiteral("Rechnung"), this);
    seite->setObjectName(QStringLiteral("SeiteDock"));
    seite->setWidget(seite_);
    addDockWidget(Qt::RightDockWidgetArea, seite);
}

void Hauptfenster::MenüsAnlegen() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(QStringLiteral("Rechnung ö&ffnen …"), QKeySequence::Open, this, [this] {
        QString d = QFileDialog::getOpenFileName(this, QStringLiteral("Rechnung öffnen"), {},
                                                 QStringLiteral("Rechnungen (*.docx)"));
        if (!d.isEmpty()) RechnungÖffnen(Pfad(d));
    });
    datei->addAction(QStringLiteral("&Datenbank öffnen …"), this, [this] {
        QString d = QFileDialog::getOpenFileName(this, QStringLiteral("Datenbank öffnen"), {},
                                                 QStringLiteral("Datenbanken (*.sqlite)"));
        if (!d.isEmpty()) DatenbankÖffnen(Pfad(d));
    });
    zuletzt_ = datei->addMenu(QStringLiteral("&Zuletzt geöffnet"));
    datei->addSeparator();
    speichern_ = datei->addAction(Symbol("Dokument"), QStringLiteral("&Speichern"), QKeySequence::Save, this,
                                  [this] { Speichern(); });
    speichernUnter_ =
        datei->addAction(QStringLiteral("Speichern &unter …"), QKeySequence::SaveAs, this, [this] {
            QString d = QFileDialog::getSaveFileName(this, QStringLiteral("Rechnung speichern unter"), {},
                                                     QStringLiteral("Rechnungen (*.docx)"));
            if (!d.isEmpty()) SpeichernUnter(Pfad(d));
        });
    pdf_ = datei->addAction(QStringLiteral("Als &PDF exportieren …"), this, [this] {
        QString d = QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF exportieren"), {},
                                                 QStringLiteral("PDF (*.pdf)"));
        if (!d.isEmpty()) PdfExportieren(Pfad(d));
    });
    datei->addSeparator();
    datei->addAction(QStringLiteral("&Beenden"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    rückgängig_ = bearbeiten->addAction(QStringLiteral("&Rückgängig"), QKeySequence::Undo, this,
                                        [this] { VerlaufSchritt(true); });
    wiederherstellen_ = bearbeiten->addAction(QStringLiteral("&Wiederherstellen"), QKeySequence::Redo, this,
                                              [this] { VerlaufSchritt(false); });

    QMenu* gebühren = menuBar()->addMenu(QStringLiteral("&Gebühren"));
    for (int i = 0; i < 6; ++i)
        kategorien_[static_cast<std::size_t>(i)] =
            gebühren->addAction(QStringLiteral("&%1  %2").arg(i + 1).arg(Kategoriename(i + 1)), this,
                                [this, i] { GebührÖffnen(i); });

    QMenu* fenster = menuBar()->addMenu(QStringLiteral("&Fenster"));
    fenster->addAction(QStringLiteral("&Überlappend"), bereich_, &QMdiArea::cascadeSubWindows);
    fenster->addAction(QStringLiteral("&Nebeneinander"), bereich_, &QMdiArea::tileSubWindows);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->addAction(QStringLiteral("Ü&ber Kovelund …"), this, [this] {
        QMessageBox::about(
            this, QStringLiteral("Über Kovelund"),
            QStringLiteral("Kovelund %1\nGebühren für Vermessungsarbeiten, in die Rechnung geschrieben.")
                .arg(QApplication::applicationVersion()));
    });
    ZuletztZeigen();
}

void Hauptfenster::ZuletztZeigen() {
    zuletzt_->clear();
    const QStringList dateien = Einstellungen().value(QStringLiteral("Zuletzt")).toStringList();
    for (const QString& d : dateien)
        zuletzt_->addAction(d, this, [this, d] { RechnungÖffnen(Pfad(d)); });
    zuletzt_->setEnabled(!dateien.isEmpty());
}

void Hauptfenster::Merken(const std::filesystem::path& datei) {
    QSettings einstellungen = Einstellungen();
    QStringList dateien = einstellungen.value(QStringLiteral("Zuletzt")).toStringList();
    QString pfad = Pfad(std::filesystem::absolute(datei));
    dateien.removeAll(pfad);
    dateien.prepend(pfad);
    einstellungen.setValue(QStringLiteral("Zuletzt"), dateien.mid(0, 8));
    ZuletztZeigen();
}

bool Hauptfenster::FensterOffen() const {
    for (int i = 0; i < Fensterregister::Anzahl; ++i)
        if (Fenster().Standardinstanz(i)) return true;
    return false;
}

bool Hauptfenster::RechnungÖffnen(const std::filesystem::path& datei) {
    if (FensterOffen()) {
        QMessageBox::information(this, QStringLiteral("Rechnung öffnen"),
                                 QStringLiteral("Bitte zuerst die offenen Gebührenfenster schließen."));
        return false;
    }
    if (!ÄnderungenKlären()) return false;
    // The invoice open here is released first, so that opening it again does not find it locked.
    std::error_code gleich;
    if (dokument_ && std::filesystem::equivalent(dokument_->Path(), datei, gleich)) sperre_.reset();
    std::unique_ptr<datei::Sperre> sperre;
    if (!SperreNehmen(datei, sperre)) return false;
    std::optional<Beschäftigt> beschäftigt;
    beschäftigt.emplace(statusBar(), QStringLiteral("Öffne „%1“ …").arg(Pfad(datei.filename())));
    try {
        auto stand = std::make_unique<datei::Dateistand>(datei::DateistandLesen(datei));
        dokument_ = docx::Document::Open(datei);
        geöffnet_ = std::move(stand);
        sperre_ = std::move(sperre);
    } catch (const std::exception& fehler) {
        beschäftigt.reset();
        QMessageBox::warning(this, QStringLiteral("Rechnung öffnen"), QString::fromUtf8(fehler.what()));
        return false;
    }
    seite_->Zeigen(dokument_.get());
    stand_.Vergessen();
    datensatz_ = ZugeordneteRechnung(datei);
    if (datensatz_ != 0) auftrag_->RechnungSetzen(datensatz_);
    Merken(datei);
    Aktualisieren();
    return true;
}

bool Hauptfenster::DatenbankÖffnen(const std::filesystem::path& datei) {
    try {
        auto workspace = std::make_shared<dao::Workspace>();
        datenbank_ = workspace->OpenDatabase(datei.string());
        workspace_ = workspace;
        datenbankPfad_ = datei;
    } catch (const std::exception& fehler) {
        QMessageBox::warning(this, QStringLiteral("Datenbank öffnen"), QString::fromUtf8(fehler.what()));
        return false;
    }
    Aktualisieren();
    return true;
}

bool Hauptfenster::Speichern() {
    return dokument_ && SpeichernUnter(dokument_->Path());
}

bool Hauptfenster::SpeichernUnter(const std::filesystem::path& datei) {
    if (!dokument_) return false;
    std::error_code gleich;
    bool hierher = std::filesystem::equivalent(dokument_->Path(), datei, gleich);
    std::optional<Beschäftigt> beschäftigt;
    beschäftigt.emplace(statusBar(), QStringLiteral("Speichere „%1“ …").arg(Pfad(datei.filename())));
    try {
        if (hierher && !sperre_)
            throw std::runtime_error(
                "Die Rechnung ist schreibgeschützt geöffnet; bitte unter anderem Namen speichern.");
        if (hierher && geöffnet_ && datei::DateistandLesen(datei) != *geöffnet_)
            throw std::runtime_error(
                "„" + datei.filename().string() +
                "“ wurde seit dem Öffnen von einem anderen Programm geändert. Nichts wurde "
                "überschrieben; bitte unter anderem Namen speichern.");
        // The invoice's own lock stays where it is until a save under another name succeeded.
        std::unique_ptr<datei::Sperre> neueSperre;
        if (!hierher) neueSperre = std::make_unique<datei::Sperre>(datei::Sperre::Nehmen(datei));
        if (dokument_->Modified()) Verlauf(datei).Sichern(stand_.Erster(), "Speichern");
        dokument_->SaveAs(datei);
        if (neueSperre) sperre_ = std::move(neueSperre);
        geöffnet_ = std::make_unique<datei::Dateistand>(datei::DateistandLesen(datei));
    } catch (const datei::Gesperrt& fehler) {
        beschäftigt.reset();
        QMessageBox::warning(this, QStringLiteral("Speichern"),
                             QStringLiteral("„%1“ ist gesperrt von %2; nichts wurde gespeichert.")
                                 .arg(Pfad(datei.filename()), Halter(fehler.Halter())));
        return false;
    } catch (const std::exception& fehler) {
        beschäftigt.reset();
        QMessageBox::warning(this, QStringLiteral("Speichern"), QString::fromUtf8(fehler.what()));
        return false;
    }
    stand_.Vergessen();
    if (datensatz_ != 0) RechnungZuordnen(datei, datensatz_);
    Merken(datei);
    Aktualisieren();
    return true;
}

void Hauptfenster::VerlaufSchritt(bool zurück) {
    if (!dokument_) return;
    if (FensterOffen()) {
        QMessageBox::information(this, QStringLiteral("Verlauf"),
                                 QStringLiteral("Bitte zuerst die offenen Gebührenfenster schließen."));
        return;
    }
    if (!sperre_) {
        QMessageBox::information(this, QStringLiteral("Verlauf"),
                                 QStringLiteral("Die Rechnung ist schreibgeschützt geöffnet."));
        return;
    }
    if (!ÄnderungenKlären()) return;
    const std::filesystem::path datei = dokument_->Path();
    std::optional<Beschäftigt> beschäftigt;
    beschäftigt.emplace(statusBar(), zurück ? QStringLiteral("Mache den letzten Schritt rückgängig …")
                                            : QStringLiteral("Stelle den Schritt wieder her …"));
    try {
        Verlauf verlauf(datei);
        std::optional<std::filesystem::path> db;
        if (datenbank_) db = datenbankPfad_;
        if (zurück ? verlauf.Rückgängig(db) : verlauf.Wiederherstellen(db)) {
            dokument_ = docx::Document::Open(datei);
            geöffnet_ = std::make_unique<datei::Dateistand>(datei::DateistandLesen(datei));
        }
    } catch (const std::exception& fehler) {
        beschäftigt.reset();
        QMessageBox::warning(this, QStringLiteral("Verlauf"), QString::fromUtf8(fehler.what()));
    }
    stand_.Vergessen();
    Aktualisieren();
}

void Hauptfenster::GebührÖffnen(int index) {
    if (!dokument_ || !datenbank_) return;
    std::shared_ptr<dao::Recordset> rechnung;
    try {
        kv_.SetDoc(dokument_);
        kv_.SetNeueAbfrage(datenbank_);
        kv_.SetVamoWorkspace(workspace_);
        kv_.SetDatenbankPfad(datenbankPfad_.string());
        auftrag_->Übertragen(kv_);
        rechnung = datenbank_->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " +
                                             std::to_string(auftrag_->Rechnung()));
        if (rechnung->Eof())
            throw std::runtime_error("Die Datenbank hat keine Rechnung " +
                                     std::to_string(auftrag_->Rechnung()) + ".");
        if (!DatensatzBestätigen(auftrag_->Rechnung())) return;
        stand_.Merken(datenbank_, datenbankPfad_, auftrag_->Rechnung());
    } catch (const std::exception& fehler) {
        QMessageBox::warning(this, QStringLiteral("Auftrag"), QString::fromUtf8(fehler.what()));
        return;
    }
    datensatz_ = auftrag_->Rechnung();
    auto* backend = dynamic_cast<QtBackend*>(&ui::CurrentBackend());
    if (backend) backend->DialogVerlassen();
    protokoll_ = std::make_unique<Protokollauszug>();
    kv_.Show(static_cast<std::int16_t>(index), Variant(rechnung), QtBackend::Fensterkennung(*bereich_));
    // Escape or the close box in "Tabellenwahl" leaves it: the window it was asked for stays closed.
    if (backend && backend->DialogVerlassen())
        if (ui::Form* fenster = Fenster().Standardinstanz(index)) fenster->Unload();
    Aktualisieren();
}

bool Hauptfenster::SperreNehmen(const std::filesystem::path& datei, std::unique_ptr<datei::Sperre>& sperre) {
    try {
        sperre = std::make_unique<datei::Sperre>(datei::Sperre::Nehmen(datei));
        return true;
    } catch (const datei::Gesperrt& fehler) {
        QMessageBox frage(
            QMessageBox::Warning, QStringLiteral("Rechnung öffnen"),
            QStringLiteral("„%1“ wird gerade bearbeitet von %2.\n\nSchreibgeschützt öffnen oder "
                           "abbrechen und später erneut versuchen?")
                .arg(Pfad(datei.filename()), Halter(fehler.Halter())),
            QMessageBox::NoButton, this);
        QPushButton* lesen =
            frage.addButton(QStringLiteral("&Schreibgeschützt öffnen"), QMessageBox::AcceptRole);
        frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        frage.exec();
        return frage.clickedButton() == lesen;
    }
}

void Hauptfenster::SatzPrüfen() {
    if (!protokoll_) return;
    auto fehler = [](const std::vector<Fehlschritt>& schritte) {
        QString text;
        for (const Fehlschritt& s : schritte)
            if (Datenbankfehler(s)) text += QString::fromStdString(s.beschreibung) + QStringLiteral("\n");
        return text;
    };
    for (QString text = fehler(protokoll_->Neue()); !text.isEmpty();) {
        QMessageBox warnung(
            QMessageBox::Warning, QStringLiteral("Rechnungssatz"),
            QStringLiteral("Die Rechnung ist berechnet, aber der Rechnungssatz in der Datenbank "
                           "wurde nicht aktualisiert; er enthält noch die alten Beträge.\n\n") +
                text,
            QMessageBox::NoButton, this);
        QPushButton* wiederholen = warnung.addButton(QStringLiteral("&Wiederholen"), QMessageBox::AcceptRole);
        warnung.addButton(QStringLiteral("&Schließen"), QMessageBox::RejectRole);
        warnung.exec();
        if (warnung.clickedButton() != wiederholen) break;
        Protokollauszug nochmal;
        SummeBilden(kovelund::Auftrag().Zahlungsziel);
        text = fehler(nochmal.Neue());
    }
    protokoll_ = std::make_unique<Protokollauszug>();
}

QString Hauptfenster::Summentext() const {
    if (!datenbank_) return {};
    try {
        auto r = datenbank_->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " +
                                           std::to_string(auftrag_->Rechnung()));
        if (r->Eof()) return {};
        // The figures as the invoice's summary table names them: its "Summe" holds the expenses too.
        double summe = AlsDouble(r->Fields("NettoRechnung").Value()) +
                       AlsDouble(r->Fields("MehrwertsteuerFreierbetrag").Value());
        double betrag = AlsDouble(r->Fields("Brutto").Value());
        return QStringLiteral("Summe %1 · Mehrwertsteuer %2 · Rechnungsbetrag %3")
            .arg(Euro(Variant(summe)), Euro(Variant(betrag - summe)), Euro(Variant(betrag)));
    } catch (const std::exception&) {
        return {};
    }
}

void Hauptfenster::Aktualisieren() {
    QString name = dokument_ ? Pfad(dokument_->Path().filename()) : QStringLiteral("keine Rechnung");
    setWindowTitle(name + QStringLiteral("[*] – Kovelund"));
    setWindowModified(dokument_ && dokument_->Modified());
    bool bereit = dokument_ && datenbank_;
    for (int i = 0; i < 6; ++i)
        kategorien_[static_cast<std::size_t>(i)]->setEnabled(bereit && Fenster().Registriert(i));
    speichern_->setEnabled(dokument_ != nullptr);
    speichernUnter_->setEnabled(dokument_ != nullptr);
    rückgängig_->setEnabled(false);
    wiederherstellen_->setEnabled(false);
    // A history that cannot be read leaves "Rückgängig" on, so that its message says why.
    if (dokument_) try {
            Verlauf verlauf(dokument_->Path());
            rückgängig_->setEnabled(!verlauf.Zurück().empty());
            wiederherstellen_->setEnabled(!verlauf.Vor().empty());
        } catch (const std::exception&) {
            rückgängig_->setEnabled(true);
        }
    pdf_->setEnabled(dokument_ != nullptr);
    tabellen_->Füllen(dokument_.get());
    summen_->setText(Summentext());
    // The totals keep their whole width in the status bar, however narrow the window.
    summen_->setMinimumWidth(summen_->sizeHint().width());
    dateien_->setText(bereit ? QStringLiteral("Rechnung (ID) %1  ·  ").arg(auftrag_->Rechnung()) +
                                   Pfad(dokument_->Path()) + QStringLiteral("  ·  ") + Pfad(datenbankPfad_)
                             : QString());
}

void Hauptfenster::SeiteNachführen(int kategorie) {
    if (!dokument_) return;
    seite_->Zeigen(dokument_.get());
    // The window's statement: the one the cursor stands in, else the last of its category.
    auto& auswahl = dokument_->Application().Selection();
    int position = 0;
    for (const docx::Table& tabelle : dokument_->Tables())
        if (Kategorie(Tabellenmarke(tabelle)) == kategorie) position = tabelle.Position();
    if (auswahl.InTable() && Tabellenmarke(auswahl.CurrentTable()) ==
                                 Tabellenmarke(dokument_->Tables().Item(std::max(position, 1))))
        position = auswahl.CurrentTable().Position();
    seite_->ZurTabelle(position);
}

bool Hauptfenster::PdfExportieren(const std::filesystem::path& datei) {
    try {
        seite_->PdfSchreiben(Pfad(datei));
    } catch (const std::exception& fehler) {
        QMessageBox::warning(this, QStringLiteral("Als PDF exportieren"), QString::fromUtf8(fehler.what()));
        return false;
    }
    return true;
}

bool Hauptfenster::ÄnderungenKlären() {
    if (!dokument_ || !dokument_->Modified()) return true;
    QMessageBox frage(QMessageBox::Question, QStringLiteral("Kovelund"),
                      QStringLiteral("Die Rechnung %1 wurde geändert. Änderungen speichern?")
                          .arg(Pfad(dokument_->Path().filename())),
                      QMessageBox::NoButton, this);
    QPushButton* ja = frage.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    frage.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* abbrechen = frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    frage.setDefaultButton(ja);
    frage.exec();
    if (frage.clickedButton() == abbrechen) return false;
    if (frage.clickedButton() == ja) return Speichern();
    Verwerfen();
    return true;
}

void Hauptfenster::Verwerfen() {
    std::string fehler = stand_.Zurücksetzen();
    if (!fehler.empty())
        QMessageBox::warning(this, QStringLiteral("Änderungen verwerfen"),
                             QStringLiteral("Die Rechnungssummen konnten nicht zurückgesetzt werden:\n") +
                                 QString::fromStdString(fehler));
}

void Hauptfenster::RechnungWählen() {
    if (!datenbank_) return;
    std::vector<Rechnungseintrag> einträge;
    try {
        einträge = RechnungenLesen(*datenbank_);
    } catch (const std::exception& fehler) {
        QMessageBox::warning(this, QStringLiteral("Rechnung wählen"), QString::fromUtf8(fehler.what()));
        return;
    }
    Rechnungswahl wahl(einträge, auftrag_->Rechnung(), this);
    if (wahl.exec() == QDialog::Accepted && wahl.Gewählt() != 0) auftrag_->RechnungSetzen(wahl.Gewählt());
    Aktualisieren();
}

bool Hauptfenster::DatensatzBestätigen(int id) {
    if (datensatz_ == 0 || datensatz_ == id) return true;
    return JaBestätigt(this, QStringLiteral("Rechnung (ID)"),
                       QStringLiteral("Die Summen dieser Rechnung stehen in Rechnung (ID) %1. Sollen sie "
                                      "jetzt in Rechnung (ID) %2 geschrieben werden?")
                           .arg(datensatz_)
                           .arg(id));
}

void Hauptfenster::OhneSpeichernSchließen() {
    ohneRückfrage_ = true;
    close();
}

void Hauptfenster::changeEvent(QEvent* ereignis) {
    QMainWindow::changeEvent(ereignis);
    // A closing sub-window puts back the mark it found when it opened; the invoice's own state wins.
    bool geändert = dokument_ && dokument_->Modified();
    if (ereignis->type() == QEvent::ModifiedChange && isWindowModified() != geändert)
        setWindowModified(geändert);
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    if (!ohneRückfrage_ && !ÄnderungenKlären()) {
        ereignis->ignore();
        return;
    }
    if (ohneRückfrage_) Verwerfen();
    // The calculator windows go with the host; what they hold unsaved is dropped, as on "&Abbruch".
    for (int i = 0; i < Fensterregister::Anzahl; ++i)
        if (ui::Form* fenster = Fenster().Standardinstanz(i)) fenster->Unload();
    ereignis->accept();
}

} // namespace kovelund::gui
