#pragma once
// Using an object reference of the order context that may not be set.

#include "common/Fehler.h"

#include <memory>
#include <string>
#include <string_view>

namespace kovelund {

/// 91, the number of a use of an object reference that is not set.
inline constexpr int ObjektNichtGesetzt = 91;

/// The object `verweis` refers to; an empty reference fails with 91, naming `was`.
template <class T> T& Verweis(const std::shared_ptr<T>& verweis, std::string_view was) {
    if (!verweis)
        throw Fehler(ObjektNichtGesetzt,
                     "cannot use " + std::string(was) + ": object variable or With block variable not set");
    return *verweis;
}

} // namespace kovelund
