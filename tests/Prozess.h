#pragma once
// Running the command line from a test or the soak: one call, or several at once.

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace kovelund::soak {

struct Ergebnis {
    int code = -1;
    std::string ausgabe;
};

/// Starts a shell command; Beenden() waits for it and collects its output.
class Aufruf {
public:
    explicit Aufruf(const std::string& befehl) : rohr_(popen(befehl.c_str(), "r")) {}
    Aufruf(const Aufruf&) = delete;
    Aufruf& operator=(const Aufruf&) = delete;
    ~Aufruf() {
        if (rohr_ != nullptr) pclose(rohr_);
    }

    Ergebnis Beenden() {
        Ergebnis e;
        if (rohr_ == nullptr) return e;
        char puffer[4096];
        while (std::size_t n = std::fread(puffer, 1, sizeof puffer, rohr_))
            e.ausgabe.append(puffer, n);
        int status = pclose(rohr_);
        rohr_ = nullptr;
        e.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return e;
    }

private:
    std::FILE* rohr_;
};

inline Ergebnis Aufrufen(const std::string& befehl) {
    return Aufruf(befehl).Beenden();
}

} // namespace kovelund::soak
