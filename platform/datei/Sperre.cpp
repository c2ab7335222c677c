#include "platform/datei/Sperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <utility>

namespace kovelund::datei {

namespace {

namespace fs = std::filesystem;

// Attempts at creating the lock file; each lost race against another taker costs one.
constexpr int versuche = 5;

std::optional<std::string> Inhalt(const fs::path& datei) {
    int fd = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text;
    char puffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, puffer, sizeof puffer)) > 0)
        text.append(puffer, static_cast<std::size_t>(n));
    ::close(fd);
    return text;
}

bool AlleSchreiben(int fd, const std::string& text) {
    std::size_t geschrieben = 0;
    while (geschrieben < text.size()) {
        ssize_t n = ::write(fd, text.data() + geschrieben, text.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

enum class Anlegen { Angelegt, Besetzt, Unmöglich };

/// Creates `datei` with `inhalt` in one step: written beside it, then linked under its name, so no
/// reader ever sees an empty lock file.
Anlegen Erzeugen(const fs::path& datei, const std::string& inhalt) {
    fs::path temporär = datei;
    temporär += ".";
    temporär += std::to_string(::getpid()) + ".tmp";
    int fd = ::open(temporär.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return errno == EEXIST ? Anlegen::Besetzt : Anlegen::Unmöglich;
    bool ok = AlleSchreiben(fd, inhalt);
    ::close(fd);
    int rc = ok ? ::link(temporär.c_str(), datei.c_str()) : -1;
    int fehler = errno;
    ::unlink(temporär.c_str());
    if (rc == 0) return Anlegen::Angelegt;
    return ok && fehler == EEXIST ? Anlegen::Besetzt : Anlegen::Unmöglich;
}

bool ProzessLebt(long prozess) {
    return ::kill(static_cast<pid_t>(prozess), 0) == 0 || errno == EPERM;
}

/// A lock Kovelund took on this machine whose process has ended.
bool Verwaist(const Inhaber& halter, const Inhaber& ich) {
    return halter.prozess && halter.rechner == ich.rechner && *halter.prozess != *ich.prozess &&
           !ProzessLebt(*halter.prozess);
}

Inhaber LockHalter(const std::string& inhalt) {
    if (auto halter = LibreOfficeLesen(inhalt)) return *halter;
    Inhaber unbekannt;
    unbekannt.programm = "an unreadable lock file";
    return unbekannt;
}

/// Removes a stale lock file, holding the folder's flock so that two takers never remove each
/// other's fresh lock: whoever comes second finds a different content and leaves it.
void VerwaisteEntfernen(const fs::path& datei, const std::string& gesehen) {
    int ordner = ::open(datei.parent_path().empty() ? "." : datei.parent_path().c_str(),
                        O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ordner < 0) return;
    if (::flock(ordner, LOCK_EX) == 0) {
        if (Inhalt(datei) == gesehen) ::unlink(datei.c_str());
        ::flock(ordner, LOCK_UN);
    }
    ::close(ordner);
}

std::optional<Inhaber> WordHalter(const fs::path& dokument) {
    for (const fs::path& datei : WordBesitzdateien(dokument))
        if (auto inhalt = Inhalt(datei)) return WordLesen(*inhalt);
    return std::nullopt;
}

} // namespace

Gesperrt::Gesperrt(const fs::path& dokument, Inhaber halter)
    : Fehler(70, std::string("'").append(dokument.filename().string()) + "' is locked by " +
                     Beschreibung(halter)),
      halter_(std::move(halter)) {}

std::optional<Inhaber> Sperre::Halter(const fs::path& dokument) {
    if (auto word = WordHalter(dokument)) return word;
    auto inhalt = Inhalt(LibreOfficeSperrdatei(dokument));
    if (!inhalt) return std::nullopt;
    Inhaber halter = LockHalter(*inhalt);
    if (Verwaist(halter, DieserProzess())) return std::nullopt;
    return halter;
}

Sperre Sperre::Nehmen(const fs::path& dokument) {
    if (auto word = WordHalter(dokument)) throw Gesperrt(dokument, *word);
    fs::path datei = LibreOfficeSperrdatei(dokument);
    Inhaber ich = DieserProzess();
    std::string zeile = LibreOfficeZeile(ich);
    for (int versuch = 0; versuch < versuche; ++versuch) {
        switch (Erzeugen(datei, zeile)) {
        case Anlegen::Angelegt:
            return Sperre(datei, zeile);
        case Anlegen::Unmöglich:
            return Sperre({}, {});
        case Anlegen::Besetzt:
            break;
        }
        auto inhalt = Inhalt(datei);
        if (!inhalt) continue; // released in the meantime
        Inhaber halter = LockHalter(*inhalt);
        if (!Verwaist(halter, ich)) throw Gesperrt(dokument, halter);
        VerwaisteEntfernen(datei, *inhalt);
    }
    throw Gesperrt(dokument, LockHalter(Inhalt(datei).value_or("")));
}

Sperre::Sperre(Sperre&& andere) noexcept
    : datei_(std::exchange(andere.datei_, {})), inhalt_(std::exchange(andere.inhalt_, {})) {}

Sperre& Sperre::operator=(Sperre&& andere) noexcept {
    if (this != &andere) {
        Freigeben();
        datei_ = std::exchange(andere.datei_, {});
        inhalt_ = std::exchange(andere.inhalt_, {});
    }
    return *this;
}

Sperre::~Sperre() {
    Freigeben();
}

void Sperre::Freigeben() noexcept {
    if (datei_.empty()) return;
    if (Inhalt(datei_) == inhalt_) ::unlink(datei_.c_str());
    datei_.clear();
}

} // namespace kovelund::datei
