#pragma once
// One scripted session as a host plays it: the invoice locked and opened with the database, KV given
// the order, the window shown, the user's steps played, the invoice saved when the window finished
// with "&OK" and the file on disk is still the one that was opened.

#include "common/Fehler.h"
#include "host/Protokollauszug.h"
#include "host/Skript.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kovelund {

struct Sitzungsauftrag {
    std::filesystem::path skript;
    std::filesystem::path dokument;
    std::filesystem::path datenbank;
    /// Where the invoice is saved; the document itself when empty.
    std::filesystem::path ausgabe;
    /// The invoice record handed to Show.
    std::optional<int> rechnung;
    /// How long a database write waits for another connection; dao::Standardwartezeit() if none.
    std::optional<std::chrono::milliseconds> datenbankWartezeit;
};

struct Sitzungsbericht {
    /// Whether the window closed (with "&OK" or "&Abbruch").
    bool geschlossen = false;
    /// Whether the invoice was written.
    bool gespeichert = false;
    /// lblGebühr as it stood when the window closed or the steps ended; none without that label.
    std::optional<std::string> lblGebühr;
    /// Records the session added to the error log.
    int protokollsätze = 0;
    /// The steps that failed while the session went on, as the log has them.
    std::vector<Fehlschritt> fehlschritte;
    /// False when the invoice was saved but a database step failed, so that the invoice record may
    /// still hold the amounts from before.
    bool rechnungssatzAktuell = true;
};

/// The invoice file changed on disk between opening and saving; nothing was written. Error 75.
class DokumentGeändert : public Fehler {
public:
    explicit DokumentGeändert(const std::string& beschreibung) : Fehler(75, beschreibung) {}
};

/// Plays the session. The invoice is locked from opening to saving (datei::Gesperrt when someone
/// else holds it) and not written when the file on disk changed meanwhile (DokumentGeändert). A
/// malformed script, an unreadable file, an unknown invoice, a failing step or a window still open
/// when the steps end fail with an exception naming the problem; nothing is written then. After
/// "&Abbruch" nothing is written either.
Sitzungsbericht SitzungSpielen(const Sitzungsauftrag& auftrag);

/// The exit codes of `kovelund run` beyond 0 (saved, or nothing to save) and 1 (any other failure).
namespace ausgang {
inline constexpr int Gesperrt = 3;
inline constexpr int Geändert = 4;
inline constexpr int SatzNichtAktualisiert = 5;
} // namespace ausgang

/// "invoice saved, invoice record not updated: <steps>", the message of exit code 5.
std::string SatzNichtAktualisiertText(const Sitzungsbericht& bericht);

} // namespace kovelund
