#pragma once
// The state of a file as it was read: size, modification time and a hash of its bytes, so that a
// save can tell whether another program changed the file in the meantime.

#include <cstdint>
#include <filesystem>
#include <string>

namespace kovelund::datei {

struct Dateistand {
    bool vorhanden = false;
    std::uintmax_t größe = 0;
    /// Modification time in nanoseconds since the epoch.
    std::int64_t geändert = 0;
    /// FNV-1a over the whole content; a check against accidents, not against an attacker.
    std::uint64_t prüfsumme = 0;

    bool operator==(const Dateistand&) const = default;
};

/// Reads the state of `datei`; a missing file gives a state with `vorhanden` false. A file that
/// exists but cannot be read fails with Fehler 75.
Dateistand DateistandLesen(const std::filesystem::path& datei);

/// What differs between two states, for a message ("size 1200 → 1350 bytes, content"); empty when
/// they are equal.
std::string Unterschied(const Dateistand& vorher, const Dateistand& jetzt);

} // namespace kovelund::datei
