#pragma once
// What `kovelund dump` shows of an invoice: its tables with every cell's text and comments, the
// comments with the text they refer to, and the text boxes.

#include "platform/docx/Document.h"

#include <string>

namespace kovelund {

/// The document as JSON: "tables" (position, marker, rows of cells with "text" and "comments"),
/// "comments" (text and "refers_to", in document order) and "textboxes" (name and text).
std::string DokumentAlsJson(docx::Document& doc);

} // namespace kovelund
