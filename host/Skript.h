#pragma once
// A scripted session as the `kovelund` command line reads it (format in SKRIPT.md): the order
// properties, where the cursor stands, the prepared answers for dialogs and message boxes, the
// window to show and the user's steps on it. A script is read and checked whole before anything
// of it runs.

#include "common/Fehler.h"
#include "common/Variant.h"
#include "platform/ui/HeadlessBackend.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kovelund {

/// A script that is malformed or cannot be played; the message names the step.
class SkriptFehler : public Fehler {
public:
    explicit SkriptFehler(const std::string& beschreibung)
        : Fehler(fehlernummer::UngültigerAufruf, beschreibung) {}
};

/// One user step: a verb on a control of the window.
struct Schritt {
    enum class Verb { Set, Type, Leave, Click, Choose, Cell, Edit, Key, SelectRows };

    Verb verb{};
    /// The control's name on the window ("msk100", "optArt(1)", "GridGebühren").
    std::string steuerelement;
    /// set, type, edit: the text; choose: the entry's text, unless `index` is given.
    std::string text;
    /// choose: the entry's index.
    std::optional<int> index;
    /// cell: the cell to make current.
    int row = 0;
    int col = 0;
    /// key: key code and shift state.
    int code = 0;
    int shift = 0;
    /// selectRows: the rows to select.
    std::vector<int> rows;

    /// The step's number from 1 and its JSON text, for messages.
    int nummer = 0;
    std::string quelle;
};

struct Skript {
    /// Order properties for KV, in the script's order: integers as 32-bit integers, other numbers
    /// as doubles, texts as texts.
    std::vector<std::pair<std::string, Variant>> eigenschaften;
    /// The cursor stands in the n-th table of the document (from 1).
    std::optional<int> cursorTabelle;
    std::vector<ui::Answer> antworten;
    /// The Index passed to Show.
    std::optional<int> show;
    std::vector<Schritt> schritte;
};

/// Reads and checks a whole script; anything malformed fails with SkriptFehler naming the part or
/// the step.
Skript SkriptLesen(std::string_view json);
/// The same for a file; a file that cannot be read fails with SkriptFehler naming it.
Skript SkriptLaden(const std::filesystem::path& datei);

/// "step 3 {"click":"cmdX"}", how messages name a step.
std::string SchrittName(const Schritt& schritt);

} // namespace kovelund
