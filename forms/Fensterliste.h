#pragma once
// The calculator windows that exist, for Show's registry.

namespace kovelund {

class Fensterregister;

/// Registers the factory of every calculator window built so far under its index (frmKat1 = 0 …).
void FensterRegistrieren(Fensterregister& register_);

} // namespace kovelund
