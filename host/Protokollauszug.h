#pragma once
// The error-log records one session added: the steps that failed while the component went on, so
// that a session can report them instead of leaving them in the log alone.

#include <cstdint>
#include <string>
#include <vector>

namespace kovelund {

/// One logged failure: where ("G_modSumme.SummeBilden"), its number and its description.
struct Fehlschritt {
    std::string ort;
    int nummer = 0;
    std::string beschreibung;
};

/// Remembers how far the error log reached when it was made; Neue() reads what came after.
class Protokollauszug {
public:
    Protokollauszug();
    std::vector<Fehlschritt> Neue() const;

private:
    std::uintmax_t anfang_ = 0;
};

/// Reads records in the log's format from `text`; a trailing incomplete record is left out.
std::vector<Fehlschritt> ProtokollsätzeLesen(const std::string& text);

/// Whether the failure is one of the host database's (3000 to 3999): the invoice record may not
/// have been written.
bool Datenbankfehler(const Fehlschritt& schritt);

} // namespace kovelund
