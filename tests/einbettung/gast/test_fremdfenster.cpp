// A host on another toolkit: its main window is a plain X11 window, whose id the C host hands to
// Show. Under an X server of the test's own, the calculator window's native parent must be that
// window. Skips (77) only when no X server can be started.

#include "Gast.h"
#include "Probe.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string>

// Xlib defines Bool and Status as macros, which Qt's headers must not see.
#include <X11/Xlib.h>

namespace {

constexpr int übersprungen = 77;

/// Xvfb on the first free display from :60 on, for as long as the object lives.
class XServer {
public:
    XServer() {
        for (int nummer = 60; nummer < 100 && anzeige_.empty(); ++nummer) {
            std::string name = ":" + std::to_string(nummer);
            if (::access(("/tmp/.X" + std::to_string(nummer) + "-lock").c_str(), F_OK) == 0) continue;
            pid_ = ::fork();
            if (pid_ == 0) {
                ::execlp("Xvfb", "Xvfb", name.c_str(), "-nolisten", "tcp", "-noreset", "-screen", "0",
                         "1280x1024x24", static_cast<char*>(nullptr));
                ::_exit(127);
            }
            if (pid_ < 0) return;
            if (Bereit(name)) anzeige_ = name;
        }
    }
    ~XServer() { Beenden(); }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    /// ":N", empty when no server started.
    const std::string& Anzeige() const { return anzeige_; }

private:
    // The server is ready once it takes a connection; one that exited (display taken, no Xvfb) is not.
    bool Bereit(const std::string& name) {
        for (int versuch = 0; versuch < 100; ++versuch) {
            if (Display* x = XOpenDisplay(name.c_str())) {
                XCloseDisplay(x);
                return true;
            }
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return false;
            }
            ::usleep(100000);
        }
        Beenden();
        return false;
    }
    void Beenden() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    pid_t pid_ = -1;
    std::string anzeige_;
};

Window NativeEltern(Display* x, Window fenster) {
    Window wurzel = 0;
    Window eltern = 0;
    Window* kinder = nullptr;
    unsigned int anzahl = 0;
    if (!XQueryTree(x, fenster, &wurzel, &eltern, &kinder, &anzahl)) return 0;
    if (kinder) XFree(kinder);
    return eltern;
}

} // namespace

int main() {
    XServer server;
    if (server.Anzeige().empty()) {
        std::fprintf(stderr, "SKIP: no X server could be started (Xvfb)\n");
        return übersprungen;
    }
    ::setenv("DISPLAY", server.Anzeige().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    Display* x = XOpenDisplay(server.Anzeige().c_str());
    if (!x) {
        std::fprintf(stderr, "FAIL: cannot connect to %s\n", server.Anzeige().c_str());
        return 1;
    }
    // The other toolkit's main window.
    Window fremd = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1000, 800, 0, 0, 0xffffff);
    XMapWindow(x, fremd);
    XSync(x, False);

    QTemporaryDir ordner;
    if (!probe::StichprobeKopieren(ordner)) return 1;
    gast g;
    const QByteArray rechnung = ordner.filePath(QStringLiteral("Rechnung.docx")).toUtf8();
    const QByteArray datenbank = ordner.filePath(QStringLiteral("host.sqlite")).toUtf8();
    if (gast_laden(&g, nullptr) != 0 || gast_zeigen(&g, rechnung.constData(), datenbank.constData(), 17, 2,
                                                    static_cast<uintptr_t>(fremd)) != 0) {
        std::fprintf(stderr, "FAIL: %s\n", g.fehler);
        return 1;
    }
    QWidget* fenster = probe::Fenster("frmKat2");
    Window eltern = 0;
    QElapsedTimer uhr;
    uhr.start();
    while (fenster && eltern != fremd && uhr.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        XSync(x, False);
        eltern = NativeEltern(x, static_cast<Window>(fenster->winId()));
    }
    int ergebnis = 0;
    if (eltern != fremd) {
        std::fprintf(stderr, "FAIL: the window's native parent is 0x%lx, not the host's 0x%lx\n", eltern,
                     fremd);
        ergebnis = 1;
    }
    if (fenster) probe::Klicken(probe::Element(fenster, "CommandAbbruch"));
    if (gast_warten(&g) != 0 || g.abschluesse != 1 || g.geschrieben != 0) {
        std::fprintf(stderr, "FAIL: \"&Abbruch\" did not finish the window once without a statement\n");
        ergebnis = 1;
    }
    gast_entladen(&g);
    XDestroyWindow(x, fremd);
    XCloseDisplay(x);
    return ergebnis;
}
