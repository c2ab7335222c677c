#include "host/Vorlage.h"

#include "common/Fehler.h"
#include "platform/dao/Database.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"

#include <string_view>
#include <utility>
#include <vector>

namespace kovelund {

extern const char* const hostschemaSql; // generated from host/schema.sql

namespace {

constexpr std::string_view w = R"(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")";

std::string Lauf(std::string_view text, std::string_view eigenschaften = "") {
    std::string rPr = eigenschaften.empty() ? "" : "<w:rPr>" + std::string(eigenschaften) + "</w:rPr>";
    return "<w:r>" + rPr + R"(<w:t xml:space="preserve">)" + std::string(text) + "</w:t></w:r>";
}

std::string Absatz(std::string_view inhalt, std::string_view absatzeigenschaften = "") {
    std::string pPr =
        absatzeigenschaften.empty() ? "" : "<w:pPr>" + std::string(absatzeigenschaften) + "</w:pPr>";
    return "<w:p>" + pPr + std::string(inhalt) + "</w:p>";
}

// Text marked by a comment: the comment refers to exactly this text.
std::string Markiert(int id, std::string_view text) {
    std::string i = std::to_string(id);
    return R"(<w:commentRangeStart w:id=")" + i + R"("/>)" + Lauf(text) + R"(<w:commentRangeEnd w:id=")" + i +
           R"("/><w:r><w:commentReference w:id=")" + i + R"("/></w:r>)";
}

// A totals line: the label, a right tab under the fee tables' amount column, the amount marked for
// the totals.
std::string Summenzeile(int id, std::string_view bezeichnung, bool fett = false) {
    std::string rPr = fett ? "<w:b/>" : "";
    return Absatz(Lauf(bezeichnung, rPr) + "<w:r><w:tab/></w:r>" + Markiert(id, "0,00 €"),
                  R"(<w:tabs><w:tab w:val="right" w:pos="9921"/></w:tabs>)");
}

std::string Dokument() {
    std::string body;
    body +=
        Absatz(Lauf("Vermessungsbüro Kovelund · Am Markt 3 · 12345 Musterstadt", R"(<w:sz w:val="16"/>)"));
    body += Absatz("");
    body += Absatz(Lauf("Frau"));
    body += Absatz(Lauf("Erika Mustermann"));
    body += Absatz(Lauf("Lindenweg 7"));
    body += Absatz(Lauf("12345 Musterstadt"));
    body += Absatz("");
    body += Absatz(Lauf("Musterstadt, im Dezember 2026"), R"(<w:jc w:val="right"/>)");
    body += Absatz(Lauf("Rechnung", R"(<w:b/><w:sz w:val="32"/>)"));
    body += Absatz(Lauf("Rechnung Nr. 17 zum Auftrag 4711"));
    body += Absatz(Lauf("Für die Vermessungsarbeiten berechnen wir nach der Gebührenordnung:"));
    // Fee tables and the summary table are inserted before this paragraph.
    body += Absatz(R"(<w:commentRangeStart w:id="0"/><w:commentRangeEnd w:id="0"/>)"
                   R"(<w:r><w:commentReference w:id="0"/></w:r>)");
    body += Summenzeile(1, "Nettobetrag");
    body += Summenzeile(2, "zzgl. Mehrwertsteuer");
    body += Summenzeile(3, "Rechnungsbetrag", true);
    body += Summenzeile(4, "davon Auslagen (umsatzsteuerfrei)");
    body += Absatz("");
    body += Absatz(Lauf("Bitte überweisen Sie den Rechnungsbetrag von ") + Markiert(5, "0,00 €") +
                   Lauf(" unter Angabe der Rechnungsnummer auf unser Konto."));
    body += Absatz("");
    body += Absatz(Lauf("Mit freundlichen Grüßen"));
    body += Absatz(Lauf("Vermessungsbüro Kovelund"));
    // The fee tables are 18,4 cm wide: the margins leave the text that much room on A4.
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           "\n<w:document " +
           std::string(w) +
           R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)" + "<w:body>" +
           body +
           R"(<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>)"
           R"(<w:pgMar w:top="1134" w:right="567" w:bottom="1134" w:left="850" w:header="708" w:footer="708" w:gutter="0"/>)"
           "</w:sectPr></w:body></w:document>";
}

std::string Kommentare() {
    const char* marken[] = {"vamoStart", "vamoNetto", "vamoMwSt", "vamoBrutto", "vamoAuslagen", "vamoGesamt"};
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                      "\n<w:comments " +
                      std::string(w) + ">";
    for (int id = 0; id < 6; ++id)
        xml += R"(<w:comment w:id=")" + std::to_string(id) + R"(" w:author="Kovelund" w:initials="K">)" +
               Absatz(Lauf(marken[id])) + "</w:comment>";
    return xml + "</w:comments>";
}

std::string Formatvorlagen() {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           "\n<w:styles " +
           std::string(w) +
           "><w:docDefaults><w:rPrDefault><w:rPr>"
           R"(<w:rFonts w:ascii="Liberation Sans" w:hAnsi="Liberation Sans" w:cs="Liberation Sans"/>)"
           R"(<w:sz w:val="20"/><w:szCs w:val="20"/><w:lang w:val="de-DE"/>)"
           "</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr>"
           R"(<w:spacing w:after="60"/>)"
           "</w:pPr></w:pPrDefault></w:docDefaults>"
           R"(<w:style w:type="paragraph" w:default="1" w:styleId="Standard"><w:name w:val="Normal"/></w:style>)"
           "</w:styles>";
}

const std::vector<std::pair<std::string, std::string>>& Teile() {
    static const std::vector<std::pair<std::string, std::string>> teile = {
        {"[Content_Types].xml",
         R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
         "\n"
         R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
         R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
         R"(<Default Extension="xml" ContentType="application/xml"/>)"
         R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
         R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
         R"(<Override PartName="/word/comments.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml"/>)"
         "</Types>"},
        {"_rels/.rels",
         R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
         "\n"
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
         "</Relationships>"},
        {"word/_rels/document.xml.rels",
         R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
         "\n"
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
         R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments" Target="comments.xml"/>)"
         "</Relationships>"},
        {"word/document.xml", Dokument()},
        {"word/styles.xml", Formatvorlagen()},
        {"word/comments.xml", Kommentare()},
    };
    return teile;
}

} // namespace

const std::string& Hostschema() {
    static const std::string schema = hostschemaSql;
    return schema;
}

void Initialisieren(const std::filesystem::path& verzeichnis) {
    auto rechnung = verzeichnis / "Rechnung.docx";
    auto datenbank = verzeichnis / "host.sqlite";
    for (const auto& datei : {rechnung, datenbank})
        if (std::filesystem::exists(datei))
            throw Fehler(58, std::string("'").append(datei.string()) + "' exists already; not overwritten");
    std::filesystem::create_directories(verzeichnis);
    docx::WritePackage(rechnung, Teile());
    try {
        auto db = dao::Workspace().CreateDatabase(datenbank.string());
        db->Execute(Hostschema());
        db->Close();
    } catch (...) {
        std::filesystem::remove(rechnung);
        std::filesystem::remove(datenbank);
        throw;
    }
}

} // namespace kovelund
