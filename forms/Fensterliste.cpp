#include "forms/Fensterliste.h"

#include "component/Fensterregister.h"
#include "forms/frmKat1/frmKat1.h"
#include "forms/frmKat2/frmKat2.h"
#include "forms/frmKat3/frmKat3.h"
#include "forms/frmKat4/frmKat4.h"
#include "forms/frmKat5/frmKat5.h"
#include "forms/frmKat6/frmKat6.h"

#include <memory>

namespace kovelund {

void FensterRegistrieren(Fensterregister& register_) {
    // Each window folder adds its factory here as the window lands.
    register_.Registrieren(0, [] { return std::make_unique<frmKat1>(); });
    register_.Registrieren(1, [] { return std::make_unique<frmKat2>(); });
    register_.Registrieren(2, [] { return std::make_unique<frmKat3>(); });
    register_.Registrieren(4, [] { return std::make_unique<frmKat5>(); });
    register_.Registrieren(5, [] { return std::make_unique<frmKat6>(); });
    register_.Registrieren(3, [] { return std::make_unique<frmKat4>(); });
}

} // namespace kovelund
