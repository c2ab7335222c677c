/* A host of the installed libkovelund in C: the class by its identifier, a property written and
 * read back in the German number format. Exit 0 when the library answers as documented. */
#include "component/kovelund.h"

#include <stdio.h>
#include <string.h>

int main(void) {
    char text[64];
    size_t laenge = 0;
    kovelund_kv* kv = kovelund_kv_create("Kovelund.KV");
    if (kv == NULL || kovelund_kv_create("Kovelund.Anders") != NULL) return 1;
    if (kovelund_kv_set_number(kv, "Fläche", 1234.5) != 0) return 2;
    if (kovelund_kv_get_text(kv, "Fläche", text, sizeof text, &laenge) != 0) return 3;
    printf("Fläche = %s\n", text);
    kovelund_kv_destroy(kv);
    return strcmp(text, "1234,5") == 0 ? 0 : 4;
}
