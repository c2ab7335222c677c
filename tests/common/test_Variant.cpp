#include "common/Variant.h"

#include <gtest/gtest.h>

using namespace kovelund;

namespace {
int Nummer(auto&& aufruf) {
    try {
        aufruf();
    } catch (const Fehler& f) {
        return f.Nummer();
    }
    return 0;
}
struct Dokument {};
struct Datenbank {};
} // namespace

TEST(Variant, NumbersFromEveryKind) {
    EXPECT_EQ(AlsDouble(Variant()), 0);
    EXPECT_EQ(AlsDouble(Variant(true)), -1);
    EXPECT_EQ(AlsDouble(Variant(std::int16_t{7})), 7);
    EXPECT_EQ(AlsDouble(Variant("1.200,5")), 1200.5);
    EXPECT_EQ(AlsInteger(Variant(2.5)), 2);
    EXPECT_EQ(AlsInteger(Variant("12,5")), 12);
    EXPECT_EQ(AlsLong(Variant(std::int32_t{123456})), 123456);
    EXPECT_EQ(Nummer([] { AlsDouble(Variant("abc")); }), 13);
    EXPECT_EQ(Nummer([] { AlsInteger(Variant(40000.0)); }), 6);
    EXPECT_EQ(Nummer([] { AlsInteger(Variant("40000")); }), 6);
    EXPECT_EQ(Nummer([] { AlsDouble(Variant::Null()); }), 94);
    EXPECT_EQ(Nummer([] { AlsDouble(Variant(std::make_shared<Dokument>())); }), 13);
}

TEST(Variant, BooleansAndTexts) {
    EXPECT_TRUE(AlsBoolean(Variant(std::int16_t{-1})));
    EXPECT_TRUE(AlsBoolean(Variant(std::int32_t{1})));
    EXPECT_FALSE(AlsBoolean(Variant(0.0)));
    EXPECT_TRUE(AlsBoolean(Variant("Wahr")));
    EXPECT_FALSE(AlsBoolean(Variant("false")));
    EXPECT_EQ(Nummer([] { AlsBoolean(Variant("vielleicht")); }), 13);
    EXPECT_EQ(AlsText(Variant(1234.5)), "1234,5");
    EXPECT_EQ(AlsText(Variant(std::int32_t{-17})), "-17");
    EXPECT_EQ(AlsText(Variant(false)), "Falsch");
    EXPECT_EQ(AlsText(Variant()), "");
    EXPECT_EQ(Nummer([] { AlsText(Variant::Null()); }), 94);
}

TEST(Variant, DatesFromTheHostDatabase) {
    using namespace std::chrono;
    Datum tag = AlsDatum(Variant("2024-03-01"));
    EXPECT_EQ(tag.Tag(), year{2024} / March / 1);
    EXPECT_EQ(AlsText(Variant(tag)), "01.03.2024");
    EXPECT_EQ(AlsText(Variant(AlsDatum(Variant("2024-03-01 14:05:00")))), "01.03.2024 14:05:00");
    EXPECT_EQ(AlsDatum(Variant("01.03.2024")), tag);
    EXPECT_EQ(AlsDouble(Variant(tag)), 45352) << "the serial day of 1 March 2024";
    EXPECT_EQ(Nummer([] { AlsDatum(Variant("2024-02-30")); }), 13);
    EXPECT_EQ(Nummer([] { AlsDatum(Variant(5.0)); }), 13);
}

TEST(Variant, ObjectsAreCheckedByKind) {
    auto dokument = std::make_shared<Dokument>();
    Variant v(dokument);
    EXPECT_TRUE(v.IstObjekt());
    EXPECT_EQ(v.Als<Dokument>(), dokument);
    EXPECT_EQ(Nummer([&] { v.Als<Datenbank>(); }), 13);
    EXPECT_EQ(Nummer([] { Variant(1.0).Als<Dokument>(); }), 13);
    EXPECT_EQ(Variant(dokument), v);
}
