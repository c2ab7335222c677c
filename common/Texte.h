#pragma once
// Text helpers that count characters, not bytes: the system's positions and widths ("the first 12
// characters", "right-aligned in 8 characters") are in characters, and its texts carry "€", "²", "ä".

#include <cstddef>
#include <string>
#include <string_view>

namespace kovelund {

/// Number of characters (code points) of a UTF-8 text.
std::size_t Länge(std::string_view text);

/// The first `anzahl` characters (the whole text when it is shorter).
std::string Links(std::string_view text, std::size_t anzahl);

/// The last `anzahl` characters (the whole text when it is shorter).
std::string Rechts(std::string_view text, std::size_t anzahl);

/// `anzahl` characters from the 1-based character position `start` (to the end by default);
/// a start behind the text gives "".
std::string Mitte(std::string_view text, std::size_t start, std::size_t anzahl = std::string::npos);

/// The text without leading and trailing blanks (only the blank, as the system's Trim does).
std::string Trimmen(std::string_view text);

/// Whether `text` begins with `anfang`, compared exactly.
bool BeginntMit(std::string_view text, std::string_view anfang);

/// Byte offset of the 1-based character position `position` (text.size() when behind the end).
std::size_t ByteOffset(std::string_view text, std::size_t position);

} // namespace kovelund
