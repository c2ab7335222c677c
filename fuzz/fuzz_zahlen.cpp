// libFuzzer target for the number services of the input fields. The first three bytes choose the
// width, the decimals and the caret, the rest is the field's text. CVal and WertFormatieren never
// throw (their failures are logged); a number formatted with 0 to 3 decimals reads back as itself,
// rounded; Wert_Key fails, if at all, only with the error family.
#include "common/Eingabefeld.h"
#include "common/Fehler.h"
#include "common/Funktionen.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class Feld : public kovelund::Eingabefeld {
public:
    explicit Feld(std::string text) : text_(std::move(text)) {}
    std::string Text() const override { return text_; }
    void SetText(std::string text) override { text_ = std::move(text); }
    int SelStart() const override { return start_; }
    void SetSelStart(int start) override { start_ = start; }
    int SelLength() const override { return länge_; }
    void SetSelLength(int länge) override { länge_ = länge; }

private:
    std::string text_;
    int start_ = 0;
    int länge_ = 0;
};

void Prüfen(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kovelund;
    if (size < 3) return 0;
    int breite = data[0] % 40;
    int dezimalen = data[1] % 8;
    std::string text(reinterpret_cast<const char*>(data) + 3, size - 3);

    double wert = CVal(text);
    (void)WertFormatieren(text, breite, dezimalen);
    // Only 0 to 3 decimals are formatted; a text asking for more stays as it was read.
    if (dezimalen <= 3 && std::isfinite(wert) && std::abs(wert) < 1e12) {
        std::string formatiert = WertFormatieren(wert, breite, dezimalen);
        double zurück = CVal(formatiert);
        Prüfen(std::abs(zurück - wert) <= 0.5 * std::pow(10.0, -dezimalen) + 1e-9 * std::abs(wert) + 1e-12);
    }

    Feld feld(text);
    feld.SetSelStart(data[2]);
    try {
        Wert_Key(feld, breite, dezimalen);
    } catch (const Fehler&) {
        return 0;
    }
    return 0;
}
