#include "component/Auftragskontext.h"

namespace kovelund {

Auftragskontext& Auftrag() {
    static Auftragskontext auftrag;
    return auftrag;
}

} // namespace kovelund
