#pragma once
// The open invoice beside the calculator windows: its body as one page-wide column (Seitenaufbau.h),
// rebuilt when a window finished, scrolled to the table just written, and written out as PDF as
// shown. The office program's rendering of the .docx stays the reference.

#include <QTextEdit>
#include <vector>

class QTextTable;

namespace kovelund::docx {
class Document;
}

namespace kovelund::gui {

class Seitenansicht : public QTextEdit {
public:
    explicit Seitenansicht(QWidget* parent = nullptr);

    /// Shows `dokument` anew (none: empties the view); a document that cannot be shown is named
    /// in the view instead.
    void Zeigen(docx::Document* dokument);
    /// Scrolls the table at `position` (1 …, as the document's Tables number them) into view.
    void ZurTabelle(int position);
    /// The shown table at `position`, none when there is no such table.
    QTextTable* Tabelle(int position) const;
    /// Writes what the view shows as a PDF file, through a temporary file beside it; fails with
    /// std::runtime_error.
    void PdfSchreiben(const QString& datei) const;

private:
    std::vector<QTextTable*> tabellen_;
};

} // namespace kovelund::gui
