/* A host written in C: loads libkovelund with dlopen, hands it a job and opens a calculator window,
 * then runs the component's windows until they are closed and saves the invoice after "&OK". */
#ifndef GAST_H
#define GAST_H

#include "component/kovelund.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct gast {
    void* bibliothek;
    kovelund_kv* kv;
    int kategorie;    /* of the last finished window, 0 before */
    int geschrieben;  /* whether its "&OK" wrote the statement */
    int abschluesse;  /* how many windows finished */
    char fehler[512]; /* the last failure, "" when there was none */

    kovelund_kv* (*create)(const char*);
    void (*destroy)(kovelund_kv*);
    int (*set_text)(kovelund_kv*, const char*, const char*);
    int (*set_number)(kovelund_kv*, const char*, double);
    int (*show)(kovelund_kv*, int, int, uintptr_t);
    int (*set_finished)(kovelund_kv*, kovelund_finished, void*);
    int (*save_document)(kovelund_kv*);
    int (*run_until_closed)(void);
    const char* (*last_error)(const kovelund_kv*);
} gast;

/* Loads the library (NULL: the one the host was built against) and creates the class; 0 on success. */
int gast_laden(gast* g, const char* bibliothek);
/* Sets the job on the invoice document and host database and shows the window of category 1 to 6
 * as a child of the native window eltern (0: top level); 0 on success, else the error number. */
int gast_zeigen(gast* g, const char* rechnung, const char* datenbank, int rechnungsnummer, int kategorie,
                uintptr_t eltern);
/* Runs the windows until they are closed; the invoice was saved if a statement was written. */
int gast_warten(gast* g);
void gast_entladen(gast* g);

#ifdef __cplusplus
}
#endif

#endif
