#pragma once
// The tables of the open invoice in a side panel: position, marker and first cell of each. A
// click puts the document's cursor into that table, where the table lookup of the next calculator
// window finds it; the first entry puts the cursor outside every table.

#include <QTreeWidget>

namespace kovelund::docx {
class Document;
}

namespace kovelund::gui {

class Tabellenpanel : public QTreeWidget {
public:
    explicit Tabellenpanel(QWidget* parent = nullptr);

    /// Lists the tables of `dokument` (none: empties the list) and marks where the cursor stands.
    void Füllen(docx::Document* dokument);
    /// Puts the cursor into the table at `position` (1 …), or outside every table for 0.
    void CursorSetzen(int position);

private:
    docx::Document* dokument_ = nullptr;
};

} // namespace kovelund::gui
