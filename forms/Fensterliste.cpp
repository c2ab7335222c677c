#include "forms/Fensterliste.h"

#include "component/Fensterregister.h"

namespace kovelund {

void FensterRegistrieren(Fensterregister& register_) {
    // Each window folder adds its factory here as the window lands.
    (void)register_;
}

} // namespace kovelund
