#include "component/Fensterregister.h"

#include "common/Fehler.h"

#include <string>

namespace kovelund {

namespace {

bool Gültig(int index) {
    return index >= 0 && index < Fensterregister::Anzahl;
}

} // namespace

void Fensterregister::Registrieren(int index, Fabrik fabrik) {
    if (!Gültig(index))
        throw Fehler(fehlernummer::Index,
                     "cannot register window " + std::to_string(index) + ": subscript out of range");
    fabriken_[static_cast<std::size_t>(index)] = std::move(fabrik);
}

bool Fensterregister::Registriert(int index) const {
    return Gültig(index) && fabriken_[static_cast<std::size_t>(index)] != nullptr;
}

ui::Form* Fensterregister::Standardinstanz(int index) const {
    if (!Gültig(index)) return nullptr;
    const auto& instanz = instanzen_[static_cast<std::size_t>(index)];
    return instanz && instanz->IsLoaded() ? instanz.get() : nullptr;
}

void Fensterregister::Zeigen(int index) {
    if (!Gültig(index)) return;
    auto& instanz = instanzen_[static_cast<std::size_t>(index)];
    // A window that unloaded itself is released only here, never from inside its own handler.
    if (instanz && !instanz->IsLoaded()) instanz.reset();
    if (!instanz) {
        const auto& fabrik = fabriken_[static_cast<std::size_t>(index)];
        if (!fabrik)
            throw Fehler(fehlernummer::UngültigerAufruf,
                         "cannot show window " + std::to_string(index) + ": no window class registered");
        instanz = fabrik();
    }
    instanz->Show();
}

void Fensterregister::Leeren() {
    for (auto& instanz : instanzen_) {
        if (instanz) instanz->Unload();
        instanz.reset();
    }
    fabriken_ = {};
}

Fensterregister& Fenster() {
    static Fensterregister register_;
    return register_;
}

} // namespace kovelund
