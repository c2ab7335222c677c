/* kovelund-host-c RECHNUNG.docx HOST.sqlite [KATEGORIE [RECHNUNGSNUMMER]]: opens the component's
 * calculator window (category 2 unless given) as a top-level window and waits until it is closed. */
#include "Gast.h"

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    gast g;
    int fehler;
    if (argc < 3) {
        fprintf(stderr, "usage: kovelund-host-c RECHNUNG.docx HOST.sqlite [KATEGORIE [RECHNUNGSNUMMER]]\n");
        return 2;
    }
    fehler = gast_laden(&g, NULL);
    if (fehler == 0)
        fehler =
            gast_zeigen(&g, argv[1], argv[2], argc > 4 ? atoi(argv[4]) : 17, argc > 3 ? atoi(argv[3]) : 2, 0);
    if (fehler == 0) fehler = gast_warten(&g);
    if (fehler != 0)
        fprintf(stderr, "kovelund-host-c: %s\n", g.fehler);
    else if (g.abschluesse > 0)
        printf("category %d finished, %s\n", g.kategorie,
               g.geschrieben ? "statement written and saved" : "nothing written");
    gast_entladen(&g);
    return fehler == 0 ? 0 : 1;
}
