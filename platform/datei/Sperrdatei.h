#pragma once
// The lock files office programs leave beside a document they edit, read and written: the
// ".~lock.<name>#" line of LibreOffice and OpenOffice, and Word's "~$<name>" owner file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovelund::datei {

/// Who holds a document, as far as the lock file tells.
struct Inhaber {
    /// The full name the office program knows the user by; may be empty.
    std::string name;
    /// The login name; may be empty (Word's owner file has only the full name).
    std::string benutzer;
    /// The machine; empty when the lock file does not say.
    std::string rechner;
    /// When the lock was taken, "07.12.2026 09:15" as the lock file has it.
    std::string seit;
    /// "LibreOffice", "Word" or "Kovelund".
    std::string programm;
    /// The process of a lock Kovelund took; what tells a stale lock from a live one.
    std::optional<long> prozess;
};

/// The holder as a message names it: "Anna Berg (anna@pc-12, LibreOffice, since 07.12.2026 09:15)".
std::string Beschreibung(const Inhaber& inhaber);

/// The holder record of this process: login and full name, machine, now.
Inhaber DieserProzess();

/// ".~lock.Rechnung.docx#" beside the document.
std::filesystem::path LibreOfficeSperrdatei(const std::filesystem::path& dokument);

/// The names Word gives the owner file of the document ("~$chnung.docx" for "Rechnung.docx", and
/// "~$Rechnung.docx"), each beside it.
std::vector<std::filesystem::path> WordBesitzdateien(const std::filesystem::path& dokument);

/// The line of a LibreOffice lock file: name, login, machine, time and, for Kovelund's own locks,
/// "kovelund:<process>" where LibreOffice keeps its profile; commas and semicolons escaped.
std::string LibreOfficeZeile(const Inhaber& inhaber);

/// Reads a LibreOffice lock file's content; none when it is not a lock line.
std::optional<Inhaber> LibreOfficeLesen(std::string_view inhalt);

/// Reads a Word owner file's content (a length byte, then the user's name); the name is empty when
/// the file holds none.
Inhaber WordLesen(std::string_view inhalt);

} // namespace kovelund::datei
