/* The C entry of libkovelund for hosts that load the library at run time (dlopen/dlsym): the class
 * KV behind an opaque handle, its properties by name with a text or number value. */
#ifndef KOVELUND_KOVELUND_H
#define KOVELUND_KOVELUND_H

#include "component/Export.h"

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct kovelund_kv kovelund_kv;

/* Creates the class by its identifier ("Kovelund.KV"); NULL for any other identifier. */
KOVELUND_EXPORT kovelund_kv* kovelund_kv_create(const char* identifier);
/* Releases the handle; the order context it wrote stays, as it does for every KV. */
KOVELUND_EXPORT void kovelund_kv_destroy(kovelund_kv* kv);

/* The functions below return 0 on success, else the error number; the description is then
 * available from kovelund_kv_last_error until the next call on the same handle.
 *
 * Property names are those of KV in UTF-8 ("Fläche"). The object properties take a text:
 * VamoWorkspace a workspace name (a workspace of the library is created), NeueAbfrage the path of
 * a host database (opened through VamoWorkspace, or a new workspace), Doc the path of a .docx file
 * (opened by the library; kovelund_kv_save_document writes it back). */
KOVELUND_EXPORT int kovelund_kv_set_text(kovelund_kv* kv, const char* property, const char* value);
KOVELUND_EXPORT int kovelund_kv_set_number(kovelund_kv* kv, const char* property, double value);
/* Writes the value as text (numbers in the German format, objects as their name or path, empty
 * when not set) NUL-terminated into buffer, truncated to size; *length gets the full length. */
KOVELUND_EXPORT int kovelund_kv_get_text(kovelund_kv* kv, const char* property, char* buffer, size_t size,
                                         size_t* length);
KOVELUND_EXPORT int kovelund_kv_get_number(kovelund_kv* kv, const char* property, double* value);

/* KV.Show. With invoice > 0 the invoice record "SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = "
 * invoice is opened on NeueAbfrage and handed over; a failure to open it is returned and nothing is
 * shown. Show itself never fails: its failures go to the error log.
 *
 * The window is a real one: in a process with a QApplication it is a sub-window of the host's
 * QMdiArea when hwnd_mdi is the native id of that area (QWidget::winId), a child of any other native
 * window (an X11 window id of another toolkit or process), a top-level window for 0. A process
 * without a Qt application gets one on the first call (see kovelund_run_until_closed). When no
 * window can be shown (no display, or an application object that is not a QApplication) index 0
 * to 5 returns 5 with the reason and nothing is shown. A hwnd_mdi beyond 32 bits returns 6. */
KOVELUND_EXPORT int kovelund_kv_show(kovelund_kv* kv, int index, int invoice, uintptr_t hwnd_mdi);
KOVELUND_EXPORT int kovelund_kv_aktualisieren(kovelund_kv* kv);
/* Saves the document set as Doc to its file. */
KOVELUND_EXPORT int kovelund_kv_save_document(kovelund_kv* kv);

/* Told when a calculator window unloads: the index Show took, and 1 when "&OK" closed it with the
 * statement written (the document then has unsaved changes, so the host saves it), else 0. */
typedef void (*kovelund_finished)(void* user_data, int index, int wrote_statement);
/* Calls finished for every window that unloads while this handle lives; NULL ends it. */
KOVELUND_EXPORT int kovelund_kv_set_finished(kovelund_kv* kv, kovelund_finished finished, void* user_data);

/* For a host without a Qt event loop: runs the window system's events until no calculator window is
 * open and returns 0; returns at once when none is. A host running a Qt event loop of its own needs
 * no call; on a GLib main loop see the README's section on embedding. */
KOVELUND_EXPORT int kovelund_run_until_closed(void);

/* The description of the last failure on this handle, "" when the last call succeeded. */
KOVELUND_EXPORT const char* kovelund_kv_last_error(const kovelund_kv* kv);

#ifdef __cplusplus
}
#endif

#endif
