#include "component/Fensterregister.h"

#include "common/Fehler.h"
#include "component/Auftragskontext.h"
#include "platform/docx/Document.h"
#include "platform/ui/CommandButton.h"

#include <string>

namespace kovelund {

namespace {

bool Gültig(int index) {
    return index >= 0 && index < Fensterregister::Anzahl;
}

bool DokumentGeändert() {
    const auto& doc = Auftrag().Doc;
    return doc && doc->Modified();
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
    Bereitstellen();
    if (!instanz) {
        const auto& fabrik = fabriken_[static_cast<std::size_t>(index)];
        if (!fabrik)
            throw Fehler(fehlernummer::UngültigerAufruf,
                         "cannot show window " + std::to_string(index) + ": no window class registered");
        instanz = fabrik();
        Verfolgen(index, *instanz);
    }
    instanz->Show();
}

void Fensterregister::Verfolgen(int index, ui::Form& form) {
    // The unload that "&OK" causes runs inside its click, so the click marks the time it lasts.
    auto bestätigt = std::make_shared<bool>(false);
    if (auto* ok = dynamic_cast<ui::CommandButton*>(form.Find("CommandEnde"))) {
        ok->Click = [bestätigt, klick = std::move(ok->Click)] {
            *bestätigt = true;
            struct Zurück {
                bool& wert;
                ~Zurück() { wert = false; }
            } zurück{*bestätigt};
            if (klick) klick();
        };
    }
    form.Unloaded = [this, index, bestätigt] {
        bool geschrieben = *bestätigt && DokumentGeändert();
        // An observer may end its observation while it is told.
        auto beobachter = beobachter_;
        for (const auto& [nummer, abschluss] : beobachter)
            abschluss(index, geschrieben);
    };
}

void Fensterregister::SetBereitstellung(std::function<void()> bereitstellung) {
    bereitstellung_ = std::move(bereitstellung);
}

void Fensterregister::Bereitstellen() const {
    if (bereitstellung_) bereitstellung_();
}

int Fensterregister::Beobachten(Abschluss abschluss) {
    int nummer = nächsteNummer_++;
    beobachter_.emplace(nummer, std::move(abschluss));
    return nummer;
}

void Fensterregister::NichtMehrBeobachten(int nummer) {
    beobachter_.erase(nummer);
}

bool Fensterregister::EinesOffen() const {
    for (int i = 0; i < Anzahl; ++i)
        if (Standardinstanz(i)) return true;
    return false;
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
