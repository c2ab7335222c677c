#include "host/Skript.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <limits>
#include <map>
#include <regex>
#include <sstream>

namespace kovelund {

namespace {

using json = nlohmann::ordered_json;
using Verb = Schritt::Verb;

const std::map<std::string, Verb, std::less<>> verben{
    {"set", Verb::Set},     {"type", Verb::Type},     {"leave", Verb::Leave},
    {"click", Verb::Click}, {"choose", Verb::Choose}, {"cell", Verb::Cell},
    {"edit", Verb::Edit},   {"key", Verb::Key},       {"selectRows", Verb::SelectRows}};

/// The keys a verb takes besides its own.
const std::map<Verb, std::vector<std::string>> zusätze{{Verb::Set, {"text"}},
                                                       {Verb::Type, {"text"}},
                                                       {Verb::Leave, {}},
                                                       {Verb::Click, {}},
                                                       {Verb::Choose, {"text", "index"}},
                                                       {Verb::Cell, {"row", "col"}},
                                                       {Verb::Edit, {"text"}},
                                                       {Verb::Key, {"code", "shift"}},
                                                       {Verb::SelectRows, {"rows"}}};

[[noreturn]] void Fehlerhaft(const std::string& wo, const std::string& was) {
    throw SkriptFehler("script: " + wo + ": " + was);
}

int Ganzzahl(const json& wert, const std::string& wo, const std::string& name, int kleinster) {
    if (!wert.is_number_integer()) Fehlerhaft(wo, "\"" + name + "\" must be a whole number");
    auto zahl = wert.get<std::int64_t>();
    if (zahl < kleinster || zahl > std::numeric_limits<std::int32_t>::max())
        Fehlerhaft(wo, "\"" + name + "\" must be at least " + std::to_string(kleinster));
    return static_cast<int>(zahl);
}

std::string Text(const json& wert, const std::string& wo, const std::string& name) {
    if (!wert.is_string()) Fehlerhaft(wo, "\"" + name + "\" must be a text");
    return wert.get<std::string>();
}

void EigenschaftenLesen(const json& wert, Skript& skript) {
    if (!wert.is_object()) Fehlerhaft("properties", "must be an object");
    for (const auto& [name, v] : wert.items()) {
        if (v.is_number_integer() && v.get<std::int64_t>() >= std::numeric_limits<std::int32_t>::min() &&
            v.get<std::int64_t>() <= std::numeric_limits<std::int32_t>::max())
            skript.eigenschaften.emplace_back(name,
                                              Variant(static_cast<std::int32_t>(v.get<std::int64_t>())));
        else if (v.is_number())
            skript.eigenschaften.emplace_back(name, Variant(v.get<double>()));
        else if (v.is_string())
            skript.eigenschaften.emplace_back(name, Variant(v.get<std::string>()));
        else
            Fehlerhaft("properties", "\"" + name + "\" must be a number or a text");
    }
}

/// Show takes a 16-bit Index.
int ShowLesen(const json& wert) {
    int index = Ganzzahl(wert, "show", "show", std::numeric_limits<std::int16_t>::min());
    if (index > std::numeric_limits<std::int16_t>::max())
        Fehlerhaft("show", "\"show\" must be a 16-bit whole number");
    return index;
}

void CursorLesen(const json& wert, Skript& skript) {
    if (!wert.is_object() || wert.size() != 1 || !wert.contains("table"))
        Fehlerhaft("cursor", "must be {\"table\": n}");
    skript.cursorTabelle = Ganzzahl(wert["table"], "cursor", "table", 1);
}

/// A dialog answer names a control; the table choice names one of its options.
void DialogAntwortPrüfen(const std::string& wo, const std::string& dialog, const std::string& wahl) {
    static const std::regex name{R"([^\s()]+(\([0-9]+\))?)"};
    static const std::regex tabellenwahl{R"(optNeu|optTabelle\([0-4]\)|optAktTabelle)"};
    if (!std::regex_match(wahl, name)) Fehlerhaft(wo, "\"" + wahl + "\" is no control name");
    if (dialog == "Tabellenwahl" && !std::regex_match(wahl, tabellenwahl))
        Fehlerhaft(wo, "\"" + wahl + "\" is none of optNeu, optTabelle(0) … optTabelle(4), optAktTabelle");
}

void AntwortenLesen(const json& wert, Skript& skript) {
    if (!wert.is_array()) Fehlerhaft("answers", "must be a list");
    for (std::size_t i = 0; i < wert.size(); ++i) {
        std::string wo = "answer " + std::to_string(i + 1) + " " + wert[i].dump();
        if (!wert[i].is_object() || wert[i].size() != 1)
            Fehlerhaft(wo, "must be an object with one question");
        auto it = wert[i].begin();
        if (it->is_number_integer()) {
            skript.antworten.push_back({it.key(), Ganzzahl(*it, wo, it.key(), 1)});
            if (std::get<int>(skript.antworten.back().choice) > 7)
                Fehlerhaft(wo, "a message box button is 1 to 7 (6 yes, 7 no)");
        } else if (it->is_string()) {
            DialogAntwortPrüfen(wo, it.key(), it->get<std::string>());
            skript.antworten.push_back({it.key(), it->get<std::string>()});
        } else {
            Fehlerhaft(wo, "the answer must be an option's name or a button code");
        }
    }
}

void ZusätzeLesen(const json& j, Schritt& s, const std::string& wo) {
    switch (s.verb) {
    case Verb::Set:
    case Verb::Type:
    case Verb::Edit:
        if (!j.contains("text")) Fehlerhaft(wo, "\"text\" is missing");
        s.text = Text(j["text"], wo, "text");
        break;
    case Verb::Choose:
        if (j.contains("text") == j.contains("index")) Fehlerhaft(wo, "give either \"text\" or \"index\"");
        if (j.contains("text"))
            s.text = Text(j["text"], wo, "text");
        else
            s.index = Ganzzahl(j["index"], wo, "index", 0);
        break;
    case Verb::Cell:
        if (!j.contains("row") || !j.contains("col")) Fehlerhaft(wo, "\"row\" and \"col\" are needed");
        s.row = Ganzzahl(j["row"], wo, "row", 1);
        s.col = Ganzzahl(j["col"], wo, "col", 1);
        break;
    case Verb::Key:
        if (!j.contains("code")) Fehlerhaft(wo, "\"code\" is missing");
        s.code = Ganzzahl(j["code"], wo, "code", 0);
        s.shift = j.contains("shift") ? Ganzzahl(j["shift"], wo, "shift", 0) : 0;
        break;
    case Verb::SelectRows:
        if (!j.contains("rows") || !j["rows"].is_array())
            Fehlerhaft(wo, "\"rows\" must be a list of row numbers");
        for (const auto& r : j["rows"])
            s.rows.push_back(Ganzzahl(r, wo, "rows", 1));
        break;
    case Verb::Leave:
    case Verb::Click:
        break;
    }
}

Schritt SchrittLesen(const json& j, int nummer) {
    Schritt s;
    s.nummer = nummer;
    s.quelle = j.dump();
    std::string wo = SchrittName(s);
    if (!j.is_object()) Fehlerhaft(wo, "must be an object");
    const std::string* verb = nullptr;
    for (const auto& [key, value] : j.items()) {
        if (auto it = verben.find(key); it != verben.end()) {
            if (verb) Fehlerhaft(wo, "one verb per step, found \"" + *verb + "\" and \"" + key + "\"");
            verb = &it->first;
            s.verb = it->second;
        }
    }
    if (!verb)
        Fehlerhaft(wo, "unknown verb; one of set, type, leave, click, choose, cell, edit, key, selectRows");
    for (const auto& [key, value] : j.items()) {
        const auto& erlaubt = zusätze.at(s.verb);
        if (key != *verb && std::find(erlaubt.begin(), erlaubt.end(), key) == erlaubt.end())
            Fehlerhaft(wo, "\"" + *verb + "\" takes no \"" + key + "\"");
    }
    s.steuerelement = Text(j[*verb], wo, *verb);
    if (s.steuerelement.empty()) Fehlerhaft(wo, "the control's name is empty");
    ZusätzeLesen(j, s, wo);
    return s;
}

} // namespace

std::string SchrittName(const Schritt& schritt) {
    return "step " + std::to_string(schritt.nummer) + " " + schritt.quelle;
}

Skript SkriptLesen(std::string_view text) {
    json wurzel = json::parse(text, nullptr, false);
    if (wurzel.is_discarded()) throw SkriptFehler("script: not valid JSON");
    if (!wurzel.is_object()) throw SkriptFehler("script: must be a JSON object");
    Skript skript;
    for (const auto& [key, wert] : wurzel.items()) {
        if (key == "properties")
            EigenschaftenLesen(wert, skript);
        else if (key == "cursor")
            CursorLesen(wert, skript);
        else if (key == "answers")
            AntwortenLesen(wert, skript);
        else if (key == "show")
            skript.show = ShowLesen(wert);
        else if (key != "steps")
            throw SkriptFehler("script: unknown part \"" + key + "\"");
    }
    if (!wurzel.contains("steps") || !wurzel["steps"].is_array())
        throw SkriptFehler("script: \"steps\" must be a list");
    int nummer = 0;
    for (const auto& j : wurzel["steps"])
        skript.schritte.push_back(SchrittLesen(j, ++nummer));
    return skript;
}

Skript SkriptLaden(const std::filesystem::path& datei) {
    std::ifstream f(datei, std::ios::binary);
    if (!f) throw SkriptFehler("cannot read script '" + datei.string() + "'");
    std::stringstream inhalt;
    inhalt << f.rdbuf();
    try {
        return SkriptLesen(inhalt.str());
    } catch (const SkriptFehler& e) {
        throw SkriptFehler(datei.string() + ": " + e.what());
    }
}

} // namespace kovelund
