#pragma once
// One scripted session as a host plays it: the invoice and the database opened, KV given the order,
// the window shown, the user's steps played, the invoice saved when the window finished with "&OK".

#include "host/Skript.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kovelund {

struct Sitzungsauftrag {
    std::filesystem::path skript;
    std::filesystem::path dokument;
    std::filesystem::path datenbank;
    /// Where the invoice is saved; the document itself when empty.
    std::filesystem::path ausgabe;
    /// The invoice record handed to Show.
    std::optional<int> rechnung;
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
};

/// Plays the session. A malformed script, an unreadable file, an unknown invoice, a failing step or
/// a window still open when the steps end fail with an exception naming the problem; nothing is
/// written then. After "&Abbruch" nothing is written either.
Sitzungsbericht SitzungSpielen(const Sitzungsauftrag& auftrag);

} // namespace kovelund
