#pragma once
// The error convention: failures carry the number of the platform they stand in for; every routine
// opens one error scope, runs each step that can fail inside it, and a failed step is written to the
// error log while the routine goes on with its next step.

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace kovelund {

/// The one exception family of Kovelund: a failure with the error number of the platform it stands
/// in for (6 overflow, 11 division by zero, 13 type mismatch, 3021 no current record, ...) and a
/// description that names the operation and the input.
class Fehler : public std::runtime_error {
public:
    Fehler(int nummer, const std::string& beschreibung) : std::runtime_error(beschreibung), nummer_(nummer) {}
    int Nummer() const noexcept { return nummer_; }

private:
    int nummer_;
};

namespace fehlernummer {
inline constexpr int UngültigerAufruf = 5;
inline constexpr int Überlauf = 6;
inline constexpr int KeinSpeicher = 7;
inline constexpr int Index = 9;
inline constexpr int DivisionDurchNull = 11;
inline constexpr int Typen = 13;
inline constexpr int ObjektFehlt = 91;
inline constexpr int Null = 94;
} // namespace fehlernummer

/// 13 "Type mismatch", naming what could not be converted.
Fehler Typfehler(std::string_view was);
/// 6 "Overflow", naming the value that did not fit.
Fehler Überlauf(std::string_view was);
/// 91 "Object variable not set", naming the object that is missing.
Fehler ObjektFehlt(std::string_view was);

/// a / b as the system's arithmetic has it: a division by zero fails (11, or 6 for 0 / 0) instead of
/// giving an infinity or NaN that would end up in a document.
double Teilen(double a, double b);

/// Appends one record to "VamoVerw.log": date and time, number, description, line 0, "Ort  : "
/// modul.prozedur and the empty user line, CR LF line ends, the file opened and closed per record.
/// The log lies in $KOVELUND_LOG_DIR when that is set, else in the Protokollordner of the directory
/// the component was loaded from. A log that cannot be written loses the record silently.
void FehlerProtokollieren(std::string_view modul, std::string_view prozedur, int nummer,
                          std::string_view beschreibung) noexcept;

/// The folder of the error log for a component loaded from the folder `komponente`: that folder itself
/// when it lies in `bauordner`, the build tree the component was built in; else the user's data
/// folder $XDG_DATA_HOME/kovelund (~/.local/share/kovelund without it), since an installed program's
/// folder is no place for a user's files; `komponente` again when there is no home either.
std::string Protokollordner(const std::string& komponente, const std::string& bauordner);

/// The full path of the error log as FehlerProtokollieren writes it.
std::string Protokolldatei();

/// The number of records in the error log now (each has one location line); 0 without a log.
int Protokollsätze();

/// The error scope of one routine. Each step that can fail runs through it; a failure is logged with
/// the routine's module and procedure (or, for the few places that ignore errors, dropped) and the
/// step reports false, so the routine goes on with its next step.
///
///     Fehlerbereich fehler{"frmKat2", "GebührBerechnen"};
///     double punkte = 0;
///     fehler([&] { punkte = CVal(msk100.Text()); });
class Fehlerbereich {
public:
    enum class Art { Protokollieren, Ignorieren };

    Fehlerbereich(std::string_view modul, std::string_view prozedur, Art art = Art::Protokollieren)
        : modul_(modul), prozedur_(prozedur), art_(art) {}

    template <class Schritt> bool operator()(Schritt&& schritt) noexcept {
        try {
            std::forward<Schritt>(schritt)();
            return true;
        } catch (...) {
            Melden();
            return false;
        }
    }

    /// Logs the exception being handled; for catch blocks of a routine's own.
    void Melden() noexcept;

private:
    std::string modul_;
    std::string prozedur_;
    Art art_;
};

} // namespace kovelund
