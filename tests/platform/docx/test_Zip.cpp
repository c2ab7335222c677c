// The zip layer under the packages: what it writes reads back, what other writers make (data
// descriptors, zip64 records) reads, and what it cannot read is refused with the reason.
#include "Testdokumente.h"
#include "platform/docx/detail/Package.h"
#include "platform/docx/detail/Zip.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using kovelund::docx::detail::ReadFile;
using kovelund::docx::detail::ZipEntry;
using kovelund::docx::detail::ZipError;
using kovelund::docx::detail::ZipReader;
using kovelund::docx::detail::ZipWriter;
using kovelund::docx::test::Datei;

namespace {

void Put(std::string& out, std::uint64_t value, int n) {
    for (int i = 0; i < n; ++i, value >>= 8)
        out.push_back(static_cast<char>(value & 0xFF));
}

// One stored entry whose sizes and offset stand only in zip64 fields, as writers of large
// archives put them.
std::string Zip64Archive(const std::string& name, const std::string& data, std::uint32_t crc) {
    std::string zip;
    Put(zip, 0x04034b50, 4);
    Put(zip, 45, 2);
    Put(zip, 0, 2 + 2 + 2 + 2);
    Put(zip, crc, 4);
    Put(zip, 0xFFFFFFFF, 4);
    Put(zip, 0xFFFFFFFF, 4);
    Put(zip, name.size(), 2);
    Put(zip, 20, 2);
    zip += name;
    Put(zip, 1, 2);
    Put(zip, 16, 2);
    Put(zip, data.size(), 8);
    Put(zip, data.size(), 8);
    zip += data;
    std::uint64_t directory = zip.size();
    Put(zip, 0x02014b50, 4);
    Put(zip, 45, 2);
    Put(zip, 45, 2);
    Put(zip, 0, 2 + 2 + 2 + 2);
    Put(zip, crc, 4);
    Put(zip, 0xFFFFFFFF, 4);
    Put(zip, 0xFFFFFFFF, 4);
    Put(zip, name.size(), 2);
    Put(zip, 28, 2);
    Put(zip, 0, 2 + 2 + 2 + 4);
    Put(zip, 0xFFFFFFFF, 4);
    zip += name;
    Put(zip, 1, 2);
    Put(zip, 24, 2);
    Put(zip, data.size(), 8);
    Put(zip, data.size(), 8);
    Put(zip, 0, 8);
    std::uint64_t record = zip.size();
    Put(zip, 0x06064b50, 4);
    Put(zip, 44, 8);
    Put(zip, 45, 2);
    Put(zip, 45, 2);
    Put(zip, 0, 4 + 4);
    Put(zip, 1, 8);
    Put(zip, 1, 8);
    Put(zip, record - directory, 8);
    Put(zip, directory, 8);
    Put(zip, 0x07064b50, 4);
    Put(zip, 0, 4);
    Put(zip, record, 8);
    Put(zip, 1, 4);
    Put(zip, 0x06054b50, 4);
    Put(zip, 0, 4);
    Put(zip, 0xFFFF, 2);
    Put(zip, 0xFFFF, 2);
    Put(zip, 0xFFFFFFFF, 4);
    Put(zip, 0xFFFFFFFF, 4);
    Put(zip, 0, 2);
    return zip;
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
}
