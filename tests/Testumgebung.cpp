// Linked into every test program: the settings store goes beside the test's own error log, so no
// test writes into the user's configuration and tests running at the same time never share a file.
#include <cstdlib>
#include <string>

namespace {

const bool eingerichtet = [] {
    if (const char* log = std::getenv("KOVELUND_LOG_DIR"))
        ::setenv("XDG_CONFIG_HOME", (std::string(log) + "/config").c_str(), 1);
    return true;
}();

} // namespace
