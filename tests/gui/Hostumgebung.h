#pragma once
// The host window on a fresh sample invoice and database, with the calculator windows registered,
// and the steps a user takes on it: clicks, typing, grid cells and answers to message boxes.

#include "gui/Hauptfenster.h"
#include "gui/QtBackend.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <memory>

/// A fresh sample invoice and database.
struct Beispiel {
    Beispiel();
    std::filesystem::path Ordner() const { return ordner.path().toStdString(); }
    std::filesystem::path Rechnung() const { return Ordner() / "Rechnung.docx"; }
    std::filesystem::path Datenbank() const { return Ordner() / "host.sqlite"; }
    QTemporaryDir ordner;
};

class Hostumgebung : public QObject {
protected:
    /// Opens the sample in a shown host window; the test's init calls it.
    void Starten();
    /// Unloads the windows and closes the host; the test's cleanup calls it.
    void Beenden();

    QWidget* W(const char* name) const;
    /// The entry `punkt` of the host's menu `menü`, by their texts.
    QAction* Menüpunkt(const char* menü, const char* punkt) const;
    template <class T> T* W(const char* name) const { return qobject_cast<T*>(W(name)); }
    void Eingeben(const char* feld, const char* text);
    /// Clicks a widget; a check box on its box, as its empty rest takes no clicks.
    void Klicken(const char* name);
    void ZelleWählen(int zeile, int spalte, const char* raster = "GridGebühren1");
    void ZelleSchreiben(int zeile, int spalte, const char* text, const char* raster = "GridGebühren1");
    /// Runs `schritt` while the next message box is answered with the button `knopf`; returns the
    /// box's text, empty when none came up.
    QString Beantworten(const QString& knopf, const std::function<void()>& schritt);
    /// Runs `schritt` while every modal dialog that comes up is closed; returns their titles.
    QStringList DialogeSchließen(const std::function<void()>& schritt);
    /// Waits until no calculator window is open and the closed ones' widgets are gone, so that
    /// the next window's fields are the only ones of their names.
    void FensterZu();
    /// The totals fields of record `id` in the sample database, read anew.
    QString Datensatz(int id) const;

    std::unique_ptr<Beispiel> beispiel_;
    std::unique_ptr<kovelund::gui::QtBackend> backend_;
    std::unique_ptr<kovelund::gui::Hauptfenster> host_;
    int protokollVorher_ = 0;
};
