#pragma once
// Reading a saved invoice back as its reader sees it: a statement's cells as texts, the comments on a
// cell, the statements of a category, the totals.

#include "platform/docx/Document.h"
#include "platform/docx/Table.h"

#include <string>
#include <string_view>
#include <vector>

namespace kovelund::test {

/// Every cell's text, row by row, without the cell-end marks: exactly what was written into it.
std::vector<std::vector<std::string>> Zellen(const docx::Table& tabelle);

/// The texts of the comments on one cell, in order.
std::vector<std::string> Kommentare(const docx::Table& tabelle, int zeile, int spalte);

/// The tables whose marker is `marke` ("Kovelund_2"), in the order of the document.
std::vector<docx::Table> Tabellen(const docx::Document& doc, std::string_view marke);

/// The text a totals marker ("vamoNetto", ...) stands on; "(no <marke>)" without that marker.
std::string Markiert(const docx::Document& doc, std::string_view marke);

/// The whole text of the invoice, then each comment with the text it marks.
std::string Abbild(const docx::Document& doc);

} // namespace kovelund::test
