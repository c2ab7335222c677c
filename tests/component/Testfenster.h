#pragma once
// A calculator window for the tests: counts how often windows of its kind are created and loaded,
// and what the order context held when it loaded.

#include "component/Auftragskontext.h"
#include "component/Fensterregister.h"
#include "platform/ui/Form.h"

#include <memory>
#include <string>

namespace kovelund::test {

struct Fensterzähler {
    int erzeugt = 0;
    int geladen = 0;
    int entladen = 0;
    std::int16_t mehrwertsteuersatzBeimLaden = -1;
};

class Testfenster : public ui::Form {
public:
    Testfenster(std::string name, Fensterzähler& zähler) : ui::Form(std::move(name)), zähler_(zähler) {
        ++zähler_.erzeugt;
    }

protected:
    void Form_Load() override {
        ++zähler_.geladen;
        zähler_.mehrwertsteuersatzBeimLaden = Auftrag().Mehrwertsteuersatz;
    }
    void Form_Unload() override { ++zähler_.entladen; }

private:
    Fensterzähler& zähler_;
};

/// Registers a Testfenster "frmKat<index + 1>" counting into `zähler` for window `index`.
inline void TestfensterRegistrieren(Fensterregister& fenster, int index, Fensterzähler& zähler) {
    fenster.Registrieren(index, [index, &zähler] {
        return std::make_unique<Testfenster>("frmKat" + std::to_string(index + 1), zähler);
    });
}

} // namespace kovelund::test
