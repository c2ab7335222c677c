#pragma once
// The invoice's body as Qt rich text: paragraphs with their alignment and bold runs, the tables
// with their column widths, and text boxes (the payment box) as framed blocks, read from the
// document's XML as our engine writes it. A picture of the content, not of the office program's
// page layout.

#include <string>
#include <vector>

class QTextDocument;
class QTextTable;

namespace kovelund::gui {

/// Fills `ziel` anew from `documentXml` (word/document.xml); returns the tables in document order,
/// as the document's Tables numbers them. Malformed XML fails with std::runtime_error.
std::vector<QTextTable*> SeiteAufbauen(const std::string& documentXml, QTextDocument& ziel);

} // namespace kovelund::gui
