// libFuzzer target: any bytes read as a session script either give a script whose steps all have a
// name for messages, or are refused with a SkriptFehler; nothing else may happen.
#include "host/Skript.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kovelund;
    try {
        Skript skript = SkriptLesen(std::string_view(reinterpret_cast<const char*>(data), size));
        for (const Schritt& schritt : skript.schritte)
            if (SchrittName(schritt).empty()) __builtin_trap();
    } catch (const SkriptFehler&) {
    }
    return 0;
}
