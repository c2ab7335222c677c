#include "Gast.h"

#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

static int melden(gast* g, int fehler) {
    if (fehler != 0 && g->kv != NULL) snprintf(g->fehler, sizeof g->fehler, "%s", g->last_error(g->kv));
    return fehler;
}

static void fertig(void* daten, int index, int geschrieben) {
    gast* g = (gast*)daten;
    g->kategorie = index + 1;
    g->geschrieben = geschrieben;
    ++g->abschluesse;
    /* The host keeps what the window wrote. */
    if (geschrieben) melden(g, g->save_document(g->kv));
}

/* dlsym returns an object pointer; POSIX guarantees it converts to the function's type. */
#define SYMBOL(feld, name)                                                                                   \
    do {                                                                                                     \
        void* s = dlsym(g->bibliothek, name);                                                                \
        if (s == NULL) {                                                                                     \
            snprintf(g->fehler, sizeof g->fehler, "libkovelund has no %s", name);                            \
            return 1;                                                                                        \
        }                                                                                                    \
        memcpy(&g->feld, &s, sizeof s);                                                                      \
    } while (0)

int gast_laden(gast* g, const char* bibliothek) {
    memset(g, 0, sizeof *g);
    g->bibliothek = dlopen(bibliothek != NULL ? bibliothek : KOVELUND_BIBLIOTHEK, RTLD_NOW | RTLD_LOCAL);
    if (g->bibliothek == NULL) {
        snprintf(g->fehler, sizeof g->fehler, "%s", dlerror());
        return 1;
    }
    SYMBOL(create, "kovelund_kv_create");
    SYMBOL(destroy, "kovelund_kv_destroy");
    SYMBOL(set_text, "kovelund_kv_set_text");
    SYMBOL(set_number, "kovelund_kv_set_number");
    SYMBOL(show, "kovelund_kv_show");
    SYMBOL(set_finished, "kovelund_kv_set_finished");
    SYMBOL(save_document, "kovelund_kv_save_document");
    SYMBOL(run_until_closed, "kovelund_run_until_closed");
    SYMBOL(last_error, "kovelund_kv_last_error");
    g->kv = g->create("Kovelund.KV");
    if (g->kv == NULL) snprintf(g->fehler, sizeof g->fehler, "libkovelund did not create Kovelund.KV");
    return g->kv == NULL;
}

int gast_zeigen(gast* g, const char* rechnung, const char* datenbank, int rechnungsnummer, int kategorie,
                uintptr_t eltern) {
    int fehler = g->set_finished(g->kv, fertig, g);
    if (fehler == 0) fehler = g->set_text(g->kv, "VamoWorkspace", "Vamo");
    if (fehler == 0) fehler = g->set_text(g->kv, "DatenbankPfad", datenbank);
    if (fehler == 0) fehler = g->set_text(g->kv, "NeueAbfrage", datenbank);
    if (fehler == 0) fehler = g->set_text(g->kv, "Doc", rechnung);
    if (fehler == 0) fehler = g->set_number(g->kv, "ID_Benutzer", 1);
    if (fehler == 0) fehler = g->set_text(g->kv, "Flurstücksnummer", "123/4");
    if (fehler == 0) fehler = g->set_number(g->kv, "Bodenwert", 85.5);
    if (fehler == 0) fehler = g->set_number(g->kv, "AnzahlGrenzpunkte", 12);
    if (fehler == 0) fehler = g->show(g->kv, kategorie - 1, rechnungsnummer, eltern);
    return melden(g, fehler);
}

int gast_warten(gast* g) {
    return melden(g, g->run_until_closed());
}

void gast_entladen(gast* g) {
    if (g->kv != NULL) g->destroy(g->kv);
    g->kv = NULL;
    /* libkovelund stays in the process once loaded (its windows' toolkit keeps pointers into it). */
    if (g->bibliothek != NULL) dlclose(g->bibliothek);
    g->bibliothek = NULL;
}
