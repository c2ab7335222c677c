#include "common/Fehler.h"
#include "common/Texte.h"
#include "common/Variant.h"
#include "common/Zahlen.h"
#include "component/Auftragskontext.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/docx/Shape.h"
#include "totals/G_modSumme.h"

#include <chrono>
#include <ctime>
#include <vector>

namespace kovelund {

namespace {

constexpr const char* modul = "GebührenTabelle";

std::chrono::sys_days Heute() {
    std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    using namespace std::chrono;
    return sys_days(year{t.tm_year + 1900} / month{static_cast<unsigned>(t.tm_mon + 1)} /
                    day{static_cast<unsigned>(t.tm_mday)});
}

// The invoice date the host recorded (event type 8), when the order context has an invoice.
std::optional<Datum> Rechnungsdatum(const Auftragskontext& k) {
    if (!k.Rechnung || !k.NeueAbfrage) return std::nullopt;
    std::string id = std::to_string(AlsLong(k.Rechnung->Fields("ID_Rechnungsnummer").Value()));
    auto termin = k.NeueAbfrage->OpenRecordset(
        std::string("SELECT ID_Terminart, ID_Rechnungsnummer, Datum ") + "From Termine " +
        "WHERE (((ID_Terminart)=8) AND ((ID_Rechnungsnummer)=" + id + "));");
    if (termin->Eof()) return std::nullopt;
    return AlsDatum(termin->Fields("Datum").Value());
}

} // namespace

/// The payment text with its "<n>" placeholder replaced by the due date, n days after `basis`.
std::string Zahlungszieltext(std::string_view vorlage, std::chrono::sys_days basis) {
    std::size_t p = vorlage.find('<');
    if (p == std::string_view::npos) return std::string(vorlage);
    std::string nachKlammer(vorlage.substr(p + 1));
    auto tage = static_cast<int>(FührendeZahl(Links(nachKlammer, 3)));
    std::size_t q = vorlage.find('>', p);
    std::string rest =
        q == std::string_view::npos ? Mitte(nachKlammer, 4) : std::string(vorlage.substr(q + 1));
    std::string datum = AlsText(Variant(Datum{basis + std::chrono::days{tage}}));
    return std::string(vorlage.substr(0, p)) + " " + datum + " " + rest;
}

void Zahlungsziel(docx::Document& doc, bool zahlungsziel) {
    Fehlerbereich fehler{modul, "Zahlungsziel"};
    std::vector<docx::Shape> alte;
    fehler([&] {
        for (const docx::Shape& form : doc.Shapes())
            if (form.Name() == "Zahlungsziel") alte.push_back(form);
    });
    for (docx::Shape& form : alte)
        fehler([&] { form.Delete(); });
    if (!zahlungsziel) return;

    Auftragskontext& k = Auftrag();
    std::shared_ptr<dao::Recordset> version;
    fehler([&] {
        if (!k.NeueAbfrage) throw ObjektFehlt("no host database");
        version = k.NeueAbfrage->OpenRecordset("Version", dao::RecordsetType::Dynaset);
    });
    std::optional<docx::Shape> box;
    fehler([&] { box = doc.Shapes().AddTextbox(docx::OrientationHorizontal, 70.5, 766.5, 450.75, 54); });
    if (!box) return;
    fehler([&] { box->SetName("Zahlungsziel"); });
    fehler([&] { box->SetFillVisible(false); });
    fehler([&] { box->SetLineVisible(false); });
    fehler([&] { box->SetRelativeVerticalPosition(docx::RelativeToPage); });
    if (!version) return;
    fehler([&] {
        double abstand = AlsDouble(version->Fields("AbstandZahlungsziel").Value());
        box->SetTop(doc.Application().CentimetersToPoints(abstand));
    });
    std::string text;
    fehler([&] {
        std::string vorlage = AlsText(version->Fields("Zahlungsziel").Value());
        std::chrono::sys_days basis = Heute();
        fehler([&] {
            if (auto datum = Rechnungsdatum(k)) basis = std::chrono::floor<std::chrono::days>(datum->zeit);
        });
        text = Zahlungszieltext(vorlage, basis);
    });
    fehler([&] {
        double bund = AlsDouble(version->Fields("BundZahlungsziel").Value());
        box->SetAlignment(bund == 0 ? docx::AlignLeft : bund == 1 ? docx::AlignCenter : docx::AlignRight);
    });
    fehler([&] { box->SetText(text); });
}

} // namespace kovelund
