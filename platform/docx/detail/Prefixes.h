#pragma once
// Parts written by other programs may bind the WordprocessingML namespace to another prefix than "w"
// (ns0:, or the default namespace); the engine finds elements by their "w:" names, so such a part is
// renamed to "w:" once at loading.

#include <pugixml.hpp>

#include <string>

namespace kovelund::docx::detail {

/// Renames the elements and attributes of `xml` that are in the WordprocessingML namespace under
/// another prefix to "w:" and declares "w" on the root. Returns an error text when "w" is bound to
/// another namespace on the root, else an empty one; a part already using "w" is left untouched.
std::string UseMainPrefix(pugi::xml_document& xml);

} // namespace kovelund::docx::detail
