#include "host/Skript.h"

#include <gtest/gtest.h>

#include <string>

namespace kovelund {
namespace {

TEST(Skript, AWholeScriptIsReadIntoItsParts) {
    Skript s = SkriptLesen(R"j({
      "properties": {"ID_Benutzer": 1, "Flurstücksnummer": "123/4", "Fläche": 1200, "Bodenwert": 85.5},
      "cursor": {"table": 2},
      "answers": [{"Tabellenwahl": "optNeu"}, {"Tabellenwahl": "optTabelle(0)"}, {"Zeile löschen?": 7}],
      "show": 1,
      "steps": [
        {"set": "msk100", "text": "12"}, {"type": "MaskEdBoxWert", "text": "12,5"}, {"leave": "msk100"},
        {"click": "optArt(1)"}, {"choose": "comArt", "text": "11.1"}, {"choose": "comArt", "index": 1},
        {"cell": "GridGebühren", "row": 2, "col": 3}, {"edit": "GridGebühren", "text": "80000"},
        {"key": "GridGebühren", "code": 9, "shift": 0}, {"key": "msk100", "code": 13},
        {"selectRows": "GridGebühren", "rows": [2]}
      ]
})j");
    ASSERT_EQ(s.eigenschaften.size(), 4u);
    EXPECT_EQ(s.eigenschaften[0].first, "ID_Benutzer");
    EXPECT_EQ(s.eigenschaften[0].second, Variant(std::int32_t{1}));
    EXPECT_EQ(s.eigenschaften[1].second, Variant("123/4"));
    EXPECT_EQ(s.eigenschaften[3].second, Variant(85.5));
    EXPECT_EQ(s.cursorTabelle, 2);
    ASSERT_EQ(s.antworten.size(), 3u);
    EXPECT_EQ(std::get<std::string>(s.antworten[1].choice), "optTabelle(0)");
    EXPECT_EQ(s.antworten[2].question, "Zeile löschen?");
    EXPECT_EQ(std::get<int>(s.antworten[2].choice), 7);
    EXPECT_EQ(s.show, 1);
    ASSERT_EQ(s.schritte.size(), 11u);
    EXPECT_EQ(s.schritte[1].verb, Schritt::Verb::Type);
    EXPECT_EQ(s.schritte[1].text, "12,5");
    EXPECT_EQ(s.schritte[4].text, "11.1");
    EXPECT_FALSE(s.schritte[4].index);
    EXPECT_EQ(s.schritte[5].index, 1);
    EXPECT_EQ(s.schritte[6].steuerelement, "GridGebühren");
    EXPECT_EQ(s.schritte[6].row, 2);
    EXPECT_EQ(s.schritte[6].col, 3);
    EXPECT_EQ(s.schritte[8].code, 9);
    EXPECT_EQ(s.schritte[9].shift, 0);
    EXPECT_EQ(s.schritte[10].rows, std::vector<int>{2});
    EXPECT_EQ(SchrittName(s.schritte[3]), R"j(step 4 {"click":"optArt(1)"})j");

    Skript leer = SkriptLesen(R"j({"steps": []})j");
    EXPECT_FALSE(leer.show);
    EXPECT_FALSE(leer.cursorTabelle);
}

struct Fall {
    const char* name;
    const char* skript;
    const char* meldung;
};

TEST(Skript, EveryMalformedPartIsNamed) {
    const Fall fälle[] = {
        {"no JSON", R"j({"steps": [)j", "script: not valid JSON"},
        {"no object", R"j([1])j", "script: must be a JSON object"},
        {"unknown part", R"j({"steps": [], "schritte": []})j", R"j(script: unknown part "schritte")j"},
        {"no steps", R"j({"show": 1})j", R"j(script: "steps" must be a list)j"},
        {"property of no value", R"j({"properties": {"Doc": {}}, "steps": []})j",
         R"j(script: properties: "Doc" must be a number or a text)j"},
        {"cursor without table", R"j({"cursor": {"tabelle": 2}, "steps": []})j",
         R"j(script: cursor: must be {"table": n})j"},
        {"cursor table 0", R"j({"cursor": {"table": 0}, "steps": []})j", R"j("table" must be at least 1)j"},
        {"show as text", R"j({"show": "1", "steps": []})j",
         R"j(script: show: "show" must be a whole number)j"},
        {"show too large", R"j({"show": 40000, "steps": []})j", R"j("show" must be a 16-bit whole number)j"},
        {"answers no list", R"j({"answers": {"a": 6}, "steps": []})j", "script: answers: must be a list"},
        {"answer with two questions", R"j({"answers": [{"a": 6, "b": 7}], "steps": []})j",
         R"j(answer 1 {"a":6,"b":7}: must be an object with one question)j"},
        {"button code 8", R"j({"answers": [{"Zeile löschen?": 8}], "steps": []})j",
         "a message box button is 1 to 7"},
        {"table choice out of range", R"j({"answers": [{"Tabellenwahl": "optTabelle(5)"}], "steps": []})j",
         R"j("optTabelle(5)" is none of optNeu)j"},
        {"answer of no kind", R"j({"answers": [{"Tabellenwahl": true}], "steps": []})j",
         "the answer must be an option's name or a button code"},
        {"step no object", R"j({"steps": ["click"]})j", R"j(script: step 1 "click": must be an object)j"},
        {"unknown verb", R"j({"steps": [{"set": "a", "text": ""}, {"press": "cmd"}]})j",
         R"j(script: step 2 {"press":"cmd"}: unknown verb)j"},
        {"two verbs", R"j({"steps": [{"click": "a", "leave": "a"}]})j", "one verb per step"},
        {"key the verb does not take", R"j({"steps": [{"click": "a", "text": "x"}]})j",
         R"j("click" takes no "text")j"},
        {"set without text", R"j({"steps": [{"set": "msk100"}]})j",
         R"j(step 1 {"set":"msk100"}: "text" is missing)j"},
        {"text no text", R"j({"steps": [{"type": "msk100", "text": 12}]})j", R"j("text" must be a text)j"},
        {"choose both", R"j({"steps": [{"choose": "comArt", "text": "11.1", "index": 1}]})j",
         R"j(give either "text" or "index")j"},
        {"choose neither", R"j({"steps": [{"choose": "comArt"}]})j", R"j(give either "text" or "index")j"},
        {"cell row 0", R"j({"steps": [{"cell": "Grid", "row": 0, "col": 1}]})j",
         R"j("row" must be at least 1)j"},
        {"cell without col", R"j({"steps": [{"cell": "Grid", "row": 1}]})j",
         R"j("row" and "col" are needed)j"},
        {"key without code", R"j({"steps": [{"key": "Grid", "shift": 0}]})j", R"j("code" is missing)j"},
        {"rows no list", R"j({"steps": [{"selectRows": "Grid", "rows": 2}]})j", R"j("rows" must be a list)j"},
        {"row of text", R"j({"steps": [{"selectRows": "Grid", "rows": ["2"]}]})j",
         R"j("rows" must be a whole number)j"},
        {"empty control name", R"j({"steps": [{"click": ""}]})j", "the control's name is empty"},
        {"control name no text", R"j({"steps": [{"click": 3}]})j", R"j("click" must be a text)j"},
    };
    for (const auto& f : fälle) {
        try {
            SkriptLesen(f.skript);
            ADD_FAILURE() << f.name << ": accepted";
        } catch (const SkriptFehler& e) {
            EXPECT_NE(std::string(e.what()).find(f.meldung), std::string::npos) << f.name << ": " << e.what();
        }
    }
}

TEST(Skript, AFileThatCannotBeReadIsNamed) {
    try {
        SkriptLaden("/nonexistent/session.json");
        FAIL();
    } catch (const SkriptFehler& e) {
        EXPECT_STREQ(e.what(), "cannot read script '/nonexistent/session.json'");
        EXPECT_EQ(e.Nummer(), 5);
    }
}

} // namespace
} // namespace kovelund
