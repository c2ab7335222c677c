// The zip layer under the packages: what it writes reads back, what other writers make (data
// descriptors, zip64 records) reads, and what it cannot read is refused with the reason.
#include "Testdokumente.h"
#include "platform/docx/DocxError.h"
#include "platform/docx/detail/Package.h"
#include "platform/docx/detail/Zip.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

using kovelund::docx::detail::ReadFile;
using kovelund::docx::detail::ZipEntry;
using kovelund::docx::detail::ZipError;
using kovelund::docx::detail::ZipReader;
using kovelund::docx::detail::ZipWriter;
using kovelund::docx::test::Datei;

namespace {

// Little-endian fields, each of its width in bytes.
void Put(std::string& out, std::initializer_list<std::pair<std::uint64_t, int>> felder) {
    for (auto [value, n] : felder)
        for (int i = 0; i < n; ++i, value >>= 8)
            out.push_back(static_cast<char>(value & 0xFF));
}

// One stored entry whose sizes and offset stand only in zip64 fields, as writers of large
// archives put them.
std::string Zip64Archive(const std::string& name, const std::string& data, std::uint32_t crc) {
    std::string zip;
    // Version 4.5, stored, undated, the sizes escaped; the zip64 field holds them (and the offset).
    auto beschreibung = [&](bool mitOffset) {
        Put(zip, {{45, 2}, {0, 8}, {crc, 4}, {0xFFFFFFFF, 4}, {0xFFFFFFFF, 4}});
        Put(zip, {{name.size(), 2}, {mitOffset ? 28u : 20u, 2}});
    };
    auto zip64 = [&](bool mitOffset) {
        Put(zip,
            {{1, 2}, {mitOffset ? 24u : 16u, 2}, {data.size(), 8}, {data.size(), 8}, {0, mitOffset ? 8 : 0}});
    };
    Put(zip, {{0x04034b50, 4}});
    beschreibung(false);
    zip += name;
    zip64(false);
    zip += data;
    std::uint64_t directory = zip.size();
    Put(zip, {{0x02014b50, 4}, {45, 2}});
    beschreibung(true);
    Put(zip, {{0, 10}, {0xFFFFFFFF, 4}});
    zip += name;
    zip64(true);
    std::uint64_t record = zip.size();
    Put(zip, {{0x06064b50, 4}, {44, 8}, {45, 2}, {45, 2}, {0, 8}, {1, 8}, {1, 8}});
    Put(zip, {{record - directory, 8}, {directory, 8}});
    Put(zip, {{0x07064b50, 4}, {0, 4}, {record, 8}, {1, 4}});
    Put(zip, {{0x06054b50, 4}, {0, 4}, {0xFFFF, 2}, {0xFFFF, 2}, {0xFFFFFFFF, 4}, {0xFFFFFFFF, 4}, {0, 2}});
    return zip;
}

// A stored entry of the given bytes, dated 1 January 1980, as another archive would describe it.
ZipEntry Gespeichert(std::string name, std::uint32_t crc, std::uint64_t länge) {
    return {.name = std::move(name), .date = 0x21, .crc = crc, .packed = länge, .size = länge};
}

std::string Fehler(const std::function<void()>& schritt) {
    try {
        schritt();
    } catch (const ZipError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(Zip, WhatIsWrittenReadsBackInOrderAndCopiesUnchanged) {
    const std::vector<std::pair<std::string, std::string>> teile = {
        {"[Content_Types].xml", std::string(3000, 'x') + "<Types/>"},
        {"word/Übersicht.xml", "<ü/>"},
        {"leer.xml", ""},
    };
    ZipWriter neu;
    for (const auto& [name, bytes] : teile)
        neu.Add(name, bytes, 6);
    std::string archiv = neu.Finish();
    ZipReader gelesen(archiv);
    ASSERT_EQ(gelesen.Entries().size(), teile.size());
    for (std::size_t i = 0; i < teile.size(); ++i) {
        const ZipEntry& e = gelesen.Entries()[i];
        EXPECT_EQ(e.name, teile[i].first);
        EXPECT_EQ(gelesen.Read(e), teile[i].second);
        EXPECT_EQ((e.flags & 0x0800) != 0, i == 1) << e.name; // UTF-8 only where a name needs it
    }
    EXPECT_LT(gelesen.Entries()[0].packed, 200u);

    // A document written by LibreOffice: entries with data descriptors, copied as they are.
    std::string fremd = ReadFile(Datei("libreoffice.docx"));
    ZipReader quelle(fremd);
    ZipWriter kopie;
    for (const ZipEntry& e : quelle.Entries())
        kopie.Copy(e, quelle.Packed(e));
    std::string wieder = kopie.Finish();
    ZipReader zurück(wieder);
    ASSERT_EQ(zurück.Entries().size(), quelle.Entries().size());
    for (std::size_t i = 0; i < quelle.Entries().size(); ++i) {
        EXPECT_EQ(zurück.Entries()[i].name, quelle.Entries()[i].name);
        EXPECT_EQ(zurück.Entries()[i].flags & 0x0008, 0) << zurück.Entries()[i].name;
        EXPECT_EQ(zurück.Read(zurück.Entries()[i]), quelle.Read(quelle.Entries()[i]));
    }
}

TEST(Zip, WritesTheRecordsByteForByte) {
    ZipWriter neu;
    neu.Copy(Gespeichert("a", 0x352441C2, 3), "abc");
    const std::string erwartet = std::string("PK\x03\x04\x14\0\0\0\0\0\0\0\x21\0\xC2\x41\x24\x35"
                                             "\x03\0\0\0\x03\0\0\0\x01\0\0\0aabc",
                                             34) +
                                 std::string("PK\x01\x02\x14\0\x14\0\0\0\0\0\0\0\x21\0\xC2\x41\x24\x35"
                                             "\x03\0\0\0\x03\0\0\0\x01\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0a",
                                             47) +
                                 std::string("PK\x05\x06\0\0\0\0\x01\0\x01\0\x2F\0\0\0\x22\0\0\0\0\0", 22);
    EXPECT_EQ(neu.Finish(), erwartet);
}

TEST(Zip, TheEntryCountStaysBelowTheZip64Mark) {
    ZipWriter voll;
    for (int i = 0; i < 0xFFFE; ++i)
        voll.Copy(Gespeichert("e", 0, 0), "");
    EXPECT_EQ(Fehler([&] { voll.Copy(Gespeichert("e", 0, 0), ""); }),
              "the package is too large for a zip archive without zip64");
    std::string archiv = voll.Finish();
    EXPECT_EQ(ZipReader(archiv).Entries().size(), 0xFFFEu);
    // Another writer's 65,535 entries without zip64 records: the count is taken as it stands.
    std::string mehr = archiv.substr(0, archiv.size() - 22);
    std::string eintrag = mehr.substr(mehr.rfind(std::string("PK\x01\x02", 4)));
    mehr += eintrag;
    const std::uint64_t größe = 0xFFFFu * eintrag.size(),
                        start = archiv.size() - 22 - 0xFFFEu * eintrag.size();
    Put(mehr, {{0x06054b50, 4}, {0, 4}, {0xFFFF, 2}, {0xFFFF, 2}, {größe, 4}, {start, 4}, {0, 2}});
    EXPECT_EQ(ZipReader(mehr).Entries().size(), 0xFFFFu);
}

TEST(Zip, ReadsSizesAndDirectoryFromZip64Records) {
    std::string inhalt = "<w:document/>";
    ZipWriter einfach;
    einfach.Add("a", inhalt, 1);
    std::uint32_t crc = ZipReader(einfach.Finish()).Entries()[0].crc;
    std::string archiv = Zip64Archive("word/document.xml", inhalt, crc);
    ZipReader gelesen(archiv);
    ASSERT_EQ(gelesen.Entries().size(), 1u);
    EXPECT_EQ(gelesen.Entries()[0].name, "word/document.xml");
    EXPECT_EQ(gelesen.Read(gelesen.Entries()[0]), inhalt);
}

TEST(Zip, RefusesWhatItCannotReadWithTheReason) {
    ZipWriter neu;
    neu.Add("word/document.xml", std::string(500, 'a'), 6);
    const std::string gut = neu.Finish();
    const std::size_t zentral = gut.rfind(std::string("PK\x01\x02", 4));
    ASSERT_NE(zentral, std::string::npos);

    std::string verschlüsselt = gut;
    verschlüsselt[zentral + 8] = 1;
    ZipReader a(verschlüsselt);
    EXPECT_EQ(Fehler([&] { a.Read(a.Entries()[0]); }), "encrypted");

    std::string bzip2 = gut;
    bzip2[zentral + 10] = 12;
    ZipReader b(bzip2);
    EXPECT_EQ(Fehler([&] { b.Read(b.Entries()[0]); }), "compression method 12 is not supported");

    std::string länger = gut;
    länger[zentral + 24] = static_cast<char>(länger[zentral + 24] + 1); // one byte more than inflates
    ZipReader c(länger);
    EXPECT_EQ(Fehler([&] { c.Read(c.Entries()[0]); }), "wrong length");

    std::string weg = gut;
    weg[weg.size() - 3] = static_cast<char>(0x7F); // the directory's offset far beyond the file
    EXPECT_EQ(Fehler([&] { ZipReader{weg}; }), "not a zip archive, or a truncated one");
    EXPECT_EQ(Fehler([&] { ZipReader{gut.substr(0, gut.size() - 1)}; }),
              "not a zip archive, or a truncated one");

    // Two entries of one part name (in any case): which one is the part is not to be told.
    ZipWriter doppelt;
    doppelt.Add("word/document.xml", "<a/>", 6);
    doppelt.Add("Word/Document.xml", "<b/>", 6);
    try {
        kovelund::docx::Document::Open(doppelt.Finish(), "doppelt.docx");
        ADD_FAILURE() << "opened";
    } catch (const kovelund::docx::DocxError& e) {
        EXPECT_NE(std::string(e.what()).find("part 'Word/Document.xml' is in the archive twice"),
                  std::string::npos)
            << e.what();
    }
}
