#pragma once
// KV's properties that take a simple value (a text or a number), by their names, for hosts that
// hand them over by name: the C entry and the command line's scripts.

#include "common/Variant.h"

#include <string_view>

namespace kovelund {

class KV;

/// Reads the property `name`; a name that is no such property fails with 438.
Variant EigenschaftLesen(const KV& kv, std::string_view name);

/// Writes the property `name` through its write accessor (with its conversion and its errors); a
/// name that is no such property fails with 438.
void EigenschaftSetzen(KV& kv, std::string_view name, const Variant& wert);

} // namespace kovelund
