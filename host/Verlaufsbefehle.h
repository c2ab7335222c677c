#pragma once
// `kovelund history`, `undo` and `redo`: an invoice's history as the command line shows and walks it.

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace kovelund {

/// Lists the steps back (newest first, the one `undo` restores on top) and the steps forward.
void VerlaufZeigen(const std::filesystem::path& dokument, std::ostream& aus);

/// Undoes (`zurück`) or redoes one step, the record in `datenbank` when given; 0 when done, 1 with
/// a message to `fehler` when there is no step in that direction; datei::Gesperrt, changing nothing,
/// when someone else holds the invoice.
int VerlaufGehen(const std::filesystem::path& dokument, bool zurück,
                 const std::optional<std::filesystem::path>& datenbank, std::ostream& aus,
                 std::ostream& fehler);

} // namespace kovelund
