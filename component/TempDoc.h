#pragma once
// The user's invoice settings in the host table TempDoc and how Show reads them into the order
// context.

#include "common/Fehler.h"
#include "common/Variant.h"
#include "component/Auftragskontext.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kovelund {

/// "SELECT * FROM TempDoc WHERE ID_Benutzer = " followed by the user id as a decimal integer.
std::string TempDocAbfrage(std::int32_t ID_Benutzer);

/// The zero rule: Null or the empty text give the integer 0, any other value stays as it is.
Variant ZahlDatensatzLesen(const Variant& Wert);

/// Null gives false, any other value stays as it is.
Variant BoolDatensatzLesen(const Variant& Wert);

/// Reads the fields of the record `tempDoc` stands on into `auftrag`, in their fixed order, each as
/// a step of `fehler`: a field that cannot be read or converted (no record, no recordset, Null in a
/// field read directly) is logged and keeps its value.
void TempDocLesen(Fehlerbereich& fehler, const std::shared_ptr<dao::Recordset>& tempDoc,
                  Auftragskontext& auftrag);

} // namespace kovelund
