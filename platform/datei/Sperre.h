#pragma once
// One editor per document: the advisory lock a session holds from opening the invoice to saving
// it, in the lock-file convention of the office programs, so that Kovelund and an office program
// see each other's sessions.

#include "common/Fehler.h"
#include "platform/datei/Sperrdatei.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kovelund::datei {

/// The document is held by someone else; Halter() says who. Error number 70 ("Permission denied").
class Gesperrt : public Fehler {
public:
    Gesperrt(const std::filesystem::path& dokument, Inhaber halter);
    const Inhaber& Halter() const noexcept { return halter_; }

private:
    Inhaber halter_;
};

/// The lock on one document: a LibreOffice lock file beside it that names this process. Word's
/// owner file and any other lock file are respected; a lock Kovelund left behind on this machine
/// whose process has ended is taken over.
class Sperre {
public:
    /// Takes the lock, or fails with Gesperrt naming the holder. In a folder where no lock file can
    /// be created (read-only) the session goes on without one, since nobody can save there either.
    static Sperre Nehmen(const std::filesystem::path& dokument);

    /// Who holds the document now, without taking it; none when it is free or its holder is gone.
    static std::optional<Inhaber> Halter(const std::filesystem::path& dokument);

    Sperre(Sperre&& andere) noexcept;
    Sperre& operator=(Sperre&& andere) noexcept;
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;
    ~Sperre();

    /// Removes the lock file, if it is still the one this lock wrote.
    void Freigeben() noexcept;

    /// Whether a lock file is held (false in a read-only folder).
    bool Gehalten() const noexcept { return !datei_.empty(); }

private:
    Sperre(std::filesystem::path datei, std::string inhalt)
        : datei_(std::move(datei)), inhalt_(std::move(inhalt)) {}

    std::filesystem::path datei_;
    std::string inhalt_;
};

} // namespace kovelund::datei
