#include "forms/Fensterliste.h"

#include "component/Fensterregister.h"

namespace kovelund {

void FensterRegistrieren(Fensterregister& register_) {
    // Each window adds its line as it lands:
    // register_.Registrieren(1, [] { return std::make_unique<frmKat2>(); });
    (void)register_;
}

} // namespace kovelund
