#include "gui/Rechnungsstand.h"

#include "platform/dao/Database.h"

#include <algorithm>
#include <exception>

namespace kovelund::gui {

void Rechnungsstände::Merken(const std::shared_ptr<dao::Database>& datenbank,
                             const std::filesystem::path& pfad, int id) {
    bool gemerkt = std::any_of(stände_.begin(), stände_.end(), [&](const Stand& s) {
        return s.datenbank == datenbank && s.werte.rechnung == id;
    });
    if (gemerkt || !datenbank) return;
    stände_.push_back({datenbank, RechnungsstandLesen(*datenbank, std::filesystem::absolute(pfad), id)});
}

std::optional<Rechnungsstand> Rechnungsstände::Erster() const {
    if (stände_.empty()) return std::nullopt;
    return stände_.front().werte;
}

std::string Rechnungsstände::Zurücksetzen() {
    std::string fehler;
    for (const Stand& stand : stände_) {
        try {
            RechnungsstandSchreiben(*stand.datenbank, stand.werte);
        } catch (const std::exception& e) {
            fehler += (fehler.empty() ? "" : "\n") + std::string(e.what());
        }
    }
    stände_.clear();
    return fehler;
}

void Rechnungsstände::Vergessen() {
    stände_.clear();
}

} // namespace kovelund::gui
