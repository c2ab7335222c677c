#pragma once
// The six calculator windows by their index, each with its one process-wide default instance.

#include "platform/ui/Form.h"

#include <array>
#include <functional>
#include <map>
#include <memory>

namespace kovelund {

/// Index 0 to 5 stand for frmKat1 to frmKat6; each window folder registers its factory. A window is
/// created by its first Show (which runs its load step) and lives until it unloads itself; the next
/// Show then creates it anew.
class Fensterregister {
public:
    using Fabrik = std::function<std::unique_ptr<ui::Form>()>;
    /// Told when a window unloads: its index, and whether "&OK" closed it leaving the document with
    /// unsaved changes (the statement was written).
    using Abschluss = std::function<void(int index, bool geschrieben)>;
    static constexpr int Anzahl = 6;

    /// Sets the factory of window `index` (0 to 5; other indices fail with 9, subscript out of range).
    void Registrieren(int index, Fabrik fabrik);
    /// Whether window `index` has a factory, so that a host offers only the windows that exist.
    bool Registriert(int index) const;

    /// The open default instance of window `index`, or none (not created yet, unloaded, or an index
    /// outside 0 to 5).
    ui::Form* Standardinstanz(int index) const;

    /// Shows window `index` modeless: creates the default instance unless it is open, otherwise only
    /// shows it again. Any index outside 0 to 5 opens nothing; an index without a factory fails with 5.
    void Zeigen(int index);

    /// Unloads and releases every default instance and forgets the factories.
    void Leeren();

    /// Sets what provides the window system before a window is shown; it fails with a description
    /// when no window can be shown, and Zeigen then shows nothing. Without one the current backend
    /// of the process is used as it is.
    void SetBereitstellung(std::function<void()> bereitstellung);
    /// Runs the provision, if any; fails as it does.
    void Bereitstellen() const;

    /// Calls `abschluss` after every unload of a window from now on; returns the number that ends it.
    int Beobachten(Abschluss abschluss);
    void NichtMehrBeobachten(int nummer);
    /// Whether any window is open.
    bool EinesOffen() const;

private:
    void Verfolgen(int index, ui::Form& form);

    std::array<Fabrik, Anzahl> fabriken_;
    std::array<std::unique_ptr<ui::Form>, Anzahl> instanzen_;
    std::function<void()> bereitstellung_;
    std::map<int, Abschluss> beobachter_;
    int nächsteNummer_ = 1;
};

/// The registry of the process, as Show uses it. It starts empty: whoever puts the windows together
/// (libkovelund when it is loaded, the command line, the desktop front end, a test) fills it.
Fensterregister& Fenster();

} // namespace kovelund
