#include "common/Texte.h"

namespace kovelund {

namespace {
bool IstFolgebyte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

std::size_t Länge(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if (!IstFolgebyte(c)) ++n;
    return n;
}

std::size_t ByteOffset(std::string_view text, std::size_t position) {
    if (position <= 1) return 0;
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IstFolgebyte(text[i])) continue;
        if (++zeichen == position) return i;
    }
    return text.size();
}

std::string Links(std::string_view text, std::size_t anzahl) {
    return std::string(text.substr(0, ByteOffset(text, anzahl + 1)));
}

std::string Rechts(std::string_view text, std::size_t anzahl) {
    std::size_t länge = Länge(text);
    if (anzahl >= länge) return std::string(text);
    return std::string(text.substr(ByteOffset(text, länge - anzahl + 1)));
}

std::string Mitte(std::string_view text, std::size_t start, std::size_t anzahl) {
    if (start < 1) start = 1;
    std::size_t von = ByteOffset(text, start);
    if (von >= text.size()) return {};
    std::string_view rest = text.substr(von);
    if (anzahl == std::string::npos) return std::string(rest);
    return std::string(rest.substr(0, ByteOffset(rest, anzahl + 1)));
}

std::string Trimmen(std::string_view text) {
    std::size_t von = text.find_first_not_of(' ');
    if (von == std::string_view::npos) return {};
    std::size_t bis = text.find_last_not_of(' ');
    return std::string(text.substr(von, bis - von + 1));
}

bool BeginntMit(std::string_view text, std::string_view anfang) {
    return text.substr(0, anfang.size()) == anfang;
}

} // namespace kovelund
