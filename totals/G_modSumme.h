#pragma once
// The invoice totals: rebuilt from every fee table of the document after each calculation, written
// into a summary table, at the total markers and into the host's invoice record, followed by the
// payment target.

#include "platform/docx/Document.h"

#include <chrono>
#include <string>
#include <string_view>

namespace kovelund {

/// Sums column 5 of every fee table per VAT rate (a comment on an amount cell gives its rate),
/// applies the advance invoice the order context asks for, replaces the summary table ("RE_Summe"),
/// writes the amounts at "vamoGesamt", "vamoNetto", "vamoMwSt", "vamoBrutto" and "vamoAuslagen",
/// lists earlier advance invoices on a final invoice, stores the totals in the invoice record and
/// then places the payment target. Failures are logged as "GebührenTabelle.SummeBilden".
void SummeBilden(bool zahlungsziel);

/// Deletes every shape named "Zahlungsziel"; with the flag set, adds it anew as a text box near the
/// foot of the page with the host's payment text, its "<n>" replaced by the due date (the invoice's
/// date, else today, plus n days). Failures are logged as "GebührenTabelle.Zahlungsziel".
void Zahlungsziel(docx::Document& doc, bool zahlungsziel);

/// The host's payment text with its first "<n>" (n read from up to three characters) replaced by a
/// blank, the date n days after `basis` as "dd.mm.yyyy" and a blank; a text without "<" unchanged.
std::string Zahlungszieltext(std::string_view vorlage, std::chrono::sys_days basis);

} // namespace kovelund
