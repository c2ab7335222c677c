#pragma once
// The six calculator windows by their index, each with its one process-wide default instance.

#include "platform/ui/Form.h"

#include <array>
#include <functional>
#include <memory>

namespace kovelund {

/// Index 0 to 5 stand for frmKat1 to frmKat6; each window folder registers its factory. A window is
/// created by its first Show (which runs its load step) and lives until it unloads itself; the next
/// Show then creates it anew.
class Fensterregister {
public:
    using Fabrik = std::function<std::unique_ptr<ui::Form>()>;
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

private:
    std::array<Fabrik, Anzahl> fabriken_;
    std::array<std::unique_ptr<ui::Form>, Anzahl> instanzen_;
};

/// The registry of the process, as Show uses it. It starts empty: whoever puts the windows together
/// (libkovelund when it is loaded, the command line, the desktop front end, a test) fills it.
Fensterregister& Fenster();

} // namespace kovelund
