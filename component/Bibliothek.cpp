#include "component/Auftragskontext.h"
#include "component/Eigenschaften.h"
#include "component/Fensterregister.h"
#include "component/KV.h"
#include "component/kovelund.h"
#include "forms/Fensterliste.h"
#ifdef KOVELUND_FENSTER
#include "gui/Fenstersystem.h"
#endif
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

struct kovelund_kv {
    std::unique_ptr<kovelund::KV> kv;
    std::string fehler;
};

namespace {

using namespace kovelund;

// A host that loads the library may call Show at once, so the windows are known from then on, and
// they are shown by Qt: a library user never gets the headless backend.
#ifdef KOVELUND_FENSTER
void Bereitstellen() {
    gui::FenstersystemBereitstellen();
}
void Laufen() {
    gui::LaufenBisGeschlossen();
}
#else
void Bereitstellen() {
    throw Fehler(fehlernummer::UngültigerAufruf, "cannot show a calculator window: built without windows");
}
void Laufen() {}
#endif

const bool fensterBekannt = [] {
    FensterRegistrieren(Fenster());
    Fenster().SetBereitstellung(Bereitstellen);
    return true;
}();

// The window handle as Show takes it: X11 window ids have 29 bits, the type keeps 32.
std::int32_t Fensterkennung(std::uintptr_t hwnd) {
    if (hwnd > std::numeric_limits<std::uint32_t>::max())
        throw Fehler(fehlernummer::Überlauf,
                     "cannot show a window in " + std::to_string(hwnd) + ": the handle exceeds 32 bits");
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(hwnd));
}

// Runs one call of the C entry: errors become the returned number and the handle's description.
template <class Aufruf> int Ausführen(kovelund_kv* kv, Aufruf&& aufruf) {
    if (kv == nullptr) return fehlernummer::UngültigerAufruf;
    kv->fehler.clear();
    try {
        aufruf(*kv->kv);
        return 0;
    } catch (const Fehler& fehler) {
        kv->fehler = fehler.what();
        return fehler.Nummer();
    } catch (const std::exception& fehler) {
        kv->fehler = fehler.what();
        return fehlernummer::UngültigerAufruf;
    }
}

std::string Text(const KV& kv, std::string_view name) {
    if (name == "DatenbankPfad") return kv.DatenbankPfad();
    const Auftragskontext& auftrag = Auftrag();
    if (name == "VamoWorkspace") return auftrag.VamoWorkspace ? auftrag.VamoWorkspace->Name() : "";
    if (name == "NeueAbfrage") return auftrag.NeueAbfrage ? auftrag.NeueAbfrage->Name() : "";
    if (name == "Doc") return auftrag.Doc ? auftrag.Doc->Path().string() : "";
    return AlsText(EigenschaftLesen(kv, name));
}

void TextSetzen(KV& kv, std::string_view name, const char* wert) {
    std::string text = wert != nullptr ? wert : "";
    if (name == "DatenbankPfad") return kv.SetDatenbankPfad(text);
    if (name == "VamoWorkspace") return kv.SetVamoWorkspace(std::make_shared<dao::Workspace>(text));
    if (name == "NeueAbfrage") {
        auto workspace =
            Auftrag().VamoWorkspace ? Auftrag().VamoWorkspace : std::make_shared<dao::Workspace>();
        return kv.SetNeueAbfrage(workspace->OpenDatabase(text));
    }
    if (name == "Doc") return kv.SetDoc(docx::Document::Open(text));
    EigenschaftSetzen(kv, name, text);
}

} // namespace

extern "C" {

kovelund_kv* kovelund_kv_create(const char* identifier) {
    try {
        return new kovelund_kv{ObjektErzeugen(identifier != nullptr ? identifier : ""), {}};
    } catch (...) {
        return nullptr;
    }
}

void kovelund_kv_destroy(kovelund_kv* kv) {
    delete kv;
}

int kovelund_kv_set_text(kovelund_kv* kv, const char* property, const char* value) {
    return Ausführen(kv, [&](KV& k) { TextSetzen(k, property != nullptr ? property : "", value); });
}

int kovelund_kv_set_number(kovelund_kv* kv, const char* property, double value) {
    return Ausführen(kv, [&](KV& k) { EigenschaftSetzen(k, property != nullptr ? property : "", value); });
}

int kovelund_kv_get_text(kovelund_kv* kv, const char* property, char* buffer, size_t size, size_t* length) {
    return Ausführen(kv, [&](KV& k) {
        std::string text = Text(k, property != nullptr ? property : "");
        if (length != nullptr) *length = text.size();
        if (buffer == nullptr || size == 0) return;
        std::size_t kopiert = std::min(size - 1, text.size());
        std::memcpy(buffer, text.data(), kopiert);
        buffer[kopiert] = '\0';
    });
}

int kovelund_kv_get_number(kovelund_kv* kv, const char* property, double* value) {
    return Ausführen(kv, [&](KV& k) {
        double zahl = AlsDouble(EigenschaftLesen(k, property != nullptr ? property : ""));
        if (value != nullptr) *value = zahl;
    });
}

int kovelund_kv_show(kovelund_kv* kv, int index, int invoice, uintptr_t hwnd_mdi) {
    return Ausführen(kv, [&](KV& k) {
        std::int32_t eltern = Fensterkennung(hwnd_mdi);
        if (index >= 0 && index < Fensterregister::Anzahl) Fenster().Bereitstellen();
        Variant rechnung;
        if (invoice > 0) {
            if (!Auftrag().NeueAbfrage)
                throw Fehler(91,
                             "cannot open invoice " + std::to_string(invoice) + ": NeueAbfrage is not set");
            rechnung = Auftrag().NeueAbfrage->OpenRecordset(
                "SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(invoice));
        }
        k.Show(AlsInteger(static_cast<double>(index)), rechnung, eltern);
    });
}

int kovelund_kv_set_finished(kovelund_kv* kv, kovelund_finished finished, void* user_data) {
    return Ausführen(kv, [&](KV& k) {
        if (finished == nullptr) return k.SetAbschluss({});
        k.SetAbschluss([finished, user_data](std::int16_t index, bool geschrieben) {
            finished(user_data, index, geschrieben ? 1 : 0);
        });
    });
}

int kovelund_run_until_closed(void) {
    try {
        Laufen();
        return 0;
    } catch (const Fehler& fehler) {
        return fehler.Nummer();
    }
}

int kovelund_kv_save_document(kovelund_kv* kv) {
    return Ausführen(kv, [](KV&) {
        if (!Auftrag().Doc) throw Fehler(91, "cannot save the document: Doc is not set");
        Auftrag().Doc->Save();
    });
}

int kovelund_kv_aktualisieren(kovelund_kv* kv) {
    return Ausführen(kv, [](KV& k) { k.Aktualisieren(); });
}

const char* kovelund_kv_last_error(const kovelund_kv* kv) {
    return kv != nullptr ? kv->fehler.c_str() : "";
}
}
