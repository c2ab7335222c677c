// A C++ host of the installed libkovelund: the class's header compiles on its own, and the C entry
// links from C++ as well.
#include "component/KV.h"
#include "component/kovelund.h"

#include <cstdio>

int main() {
    static_assert(sizeof(kovelund::KV) > 0);
    kovelund_kv* kv = kovelund_kv_create("Kovelund.KV");
    if (kv == nullptr) return 1;
    int fehler = kovelund_kv_set_text(kv, "Flurstücksnummer", "123/4");
    std::printf("Flurstücksnummer gesetzt: %s\n", fehler == 0 ? "ja" : kovelund_kv_last_error(kv));
    kovelund_kv_destroy(kv);
    return fehler;
}
