#pragma once
// The one exception of the document engine: a failed document operation with the word processor's
// error number.

#include "common/Fehler.h"

#include <string>

namespace kovelund::docx {

/// Error numbers of the word processor that the engine reports.
namespace error {
inline constexpr int CorruptFile = 5792;  // the file is no readable document (zip, XML, parts)
inline constexpr int SaveFailed = 5153;   // the document could not be written
inline constexpr int NoSuchMember = 5941; // a collection has no member with that index or name
inline constexpr int NotAvailable = 4605; // the command is not available for this object or selection
inline constexpr int BadParameter = 5843; // a value out of range (rows, columns, widths)
} // namespace error

/// A failed document operation; the message names the operation, the file or object and the problem.
class DocxError : public kovelund::Fehler {
public:
    DocxError(int number, const std::string& message) : kovelund::Fehler(number, message) {}
};

} // namespace kovelund::docx
