#pragma once
// The component's public class: the host hands over the facts of the job through its properties
// and opens a calculator window with Show.

#include "common/Variant.h"
#include "component/Export.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kovelund {

/// KV ("Kovelund.KV"). All instances share the one order context (Auftrag()): a property written
/// through one is read through every other and keeps its value until it is written again.
///
/// Each write converts the value to the field's type (CStr, CDbl, CInt, CLng) and fails with the
/// conversion's error (13 type mismatch, 6 overflow, 94 Null) naming the property; the field then
/// keeps its value. Object properties take a reference of their kind (docx::Document,
/// dao::Database, dao::Workspace) or an empty Variant / empty reference, which clears them; any
/// other value fails with 13. Reads return the field as a Variant of its type.
class KOVELUND_EXPORT KV {
public:
    /// Told when a calculator window unloads: its `Index`, and whether "&OK" closed it with the
    /// statement written (the document then has unsaved changes), so the host saves or refreshes.
    using Abschluss = std::function<void(std::int16_t Index, bool Geschrieben)>;

    KV() = default;
    /// Ends this instance's observation of the windows.
    ~KV();
    KV(const KV&) = delete;
    KV& operator=(const KV&) = delete;

    /// Loads the user's TempDoc record into the order context and shows the calculator window of
    /// `Index` (0 to 5; any other index opens nothing). Never fails: every failing step is written
    /// to the error log ("Rechnung", "Show") and the next step runs. `Rechnung` is a
    /// dao::Recordset on the invoice, or empty. In libkovelund the window is a Qt window placed by
    /// `hWndMDI` (see kovelund.h); when the process can show none, the log says why and nothing opens.
    void Show(std::int16_t Index, const Variant& Rechnung, std::int32_t hWndMDI);
    /// Does nothing.
    void Aktualisieren();

    Variant Flurstücksnummer() const;
    void SetFlurstücksnummer(const Variant& Wert);
    Variant Fläche() const;
    void SetFläche(const Variant& Wert);
    Variant Bodenwert() const;
    void SetBodenwert(const Variant& Wert);
    Variant Lage() const;
    void SetLage(const Variant& Wert);
    Variant Baukosten() const;
    void SetBaukosten(const Variant& Wert);
    /// 16-bit: 40000 fails with 6.
    Variant Achslänge() const;
    void SetAchslänge(const Variant& Wert);
    Variant Grenzlänge() const;
    void SetGrenzlänge(const Variant& Wert);
    Variant Flurstücke() const;
    void SetFlurstücke(const Variant& Wert);
    Variant AnzahlGrenzpunkte() const;
    void SetAnzahlGrenzpunkte(const Variant& Wert);
    /// Writing Doc also stores the document's Application in the order context.
    Variant Doc() const;
    void SetDoc(const Variant& Wert);
    Variant ID_Benutzer() const;
    void SetID_Benutzer(const Variant& Wert);
    Variant NeueAbfrage() const;
    void SetNeueAbfrage(const Variant& Wert);
    std::string DatenbankPfad() const;
    void SetDatenbankPfad(const std::string& Wert);
    Variant VamoWorkspace() const;
    void SetVamoWorkspace(const Variant& Wert);

    /// Calls `abschluss` each time a calculator window of the process unloads, from now on and as
    /// long as this instance lives; replaces the one set before, an empty one ends it.
    void SetAbschluss(Abschluss abschluss);

private:
    int beobachtung_ = 0;
};

/// Creates a class of the component by its identifier, project name first ("Kovelund.KV"); any
/// other identifier fails with 429.
KOVELUND_EXPORT std::unique_ptr<KV> ObjektErzeugen(std::string_view kennung);

} // namespace kovelund
