#pragma once
// The tables of the open invoice in a side panel: position, the fee category (or the marker of
// another marked table) and the statement's amount. A click puts the document's cursor into that
// table, where the table lookup of the next calculator window finds it; the first entry puts the
// cursor outside every table. A double-click or Enter on a statement opens its category's window on it.

#include <QTreeWidget>
#include <functional>

namespace kovelund::docx {
class Document;
}

namespace kovelund::gui {

class Tabellenpanel : public QTreeWidget {
public:
    /// What a double-click on a statement asks for: category (1 … 6) and the statement's place
    /// among the tables of that marker (0 …).
    using Öffnen = std::function<void(int kategorie, int eintrag)>;

    explicit Tabellenpanel(QWidget* parent = nullptr);

    /// Lists the tables of `dokument` (none: empties the list) and marks where the cursor stands.
    void Füllen(docx::Document* dokument);
    /// Puts the cursor into the table at `position` (1 …), or outside every table for 0.
    void CursorSetzen(int position);
    void ÖffnenSetzen(Öffnen öffnen) { öffnen_ = std::move(öffnen); }

private:
    void Doppelklick(QTreeWidgetItem* eintrag);

    docx::Document* dokument_ = nullptr;
    Öffnen öffnen_;
    bool geplant_ = false;
};

} // namespace kovelund::gui
