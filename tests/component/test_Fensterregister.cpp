#include "Testfenster.h"
#include "common/Fehler.h"
#include "component/Fensterregister.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kovelund {
namespace {

using test::Fensterzähler;

class FensterregisterTest : public ::testing::Test {
protected:
    FensterregisterTest() {
        for (int i = 0; i < Fensterregister::Anzahl; ++i)
            test::TestfensterRegistrieren(fenster, i, zähler[i]);
    }

    Fensterregister fenster;
    Fensterzähler zähler[Fensterregister::Anzahl];
};

TEST_F(FensterregisterTest, IndicesOutsideZeroToFiveOpenNothing) {
    for (int index : {6, -1, 32767, -32768}) {
        fenster.Zeigen(index);
        EXPECT_EQ(fenster.Standardinstanz(index), nullptr) << index;
    }
    for (const auto& z : zähler)
        EXPECT_EQ(z.erzeugt, 0);
}

TEST_F(FensterregisterTest, EachIndexShowsItsOwnWindow) {
    for (int index = 0; index < Fensterregister::Anzahl; ++index) {
        fenster.Zeigen(index);
        ui::Form* form = fenster.Standardinstanz(index);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Name(), "frmKat" + std::to_string(index + 1));
        EXPECT_TRUE(form->Visible());
        EXPECT_EQ(zähler[index].geladen, 1);
    }
}

TEST_F(FensterregisterTest, AnOpenWindowIsOnlyShownAgain) {
    fenster.Zeigen(1);
    ui::Form* erste = fenster.Standardinstanz(1);
    erste->Hide();
    fenster.Zeigen(1);
    EXPECT_EQ(fenster.Standardinstanz(1), erste);
    EXPECT_TRUE(erste->Visible());
    EXPECT_EQ(zähler[1].erzeugt, 1);
    EXPECT_EQ(zähler[1].geladen, 1) << "the load step must not run twice";
}

TEST_F(FensterregisterTest, AnUnloadedWindowIsCreatedAnew) {
    fenster.Zeigen(2);
    fenster.Standardinstanz(2)->Unload();
    EXPECT_EQ(fenster.Standardinstanz(2), nullptr);
    fenster.Zeigen(2);
    EXPECT_EQ(zähler[2].erzeugt, 2);
    EXPECT_EQ(zähler[2].geladen, 2);
    EXPECT_EQ(zähler[2].entladen, 1);
    EXPECT_TRUE(fenster.Standardinstanz(2)->IsLoaded());
}

TEST_F(FensterregisterTest, RegistrationRules) {
    Fensterregister leer;
    EXPECT_FALSE(leer.Registriert(3));
    EXPECT_TRUE(fenster.Registriert(3));
    EXPECT_FALSE(fenster.Registriert(6));
    try {
        leer.Zeigen(3);
        ADD_FAILURE() << "a window without a class was shown";
    } catch (const Fehler& fehler) {
        EXPECT_EQ(fehler.Nummer(), fehlernummer::UngültigerAufruf);
        EXPECT_STREQ(fehler.what(), "cannot show window 3: no window class registered");
    }
    try {
        leer.Registrieren(6, [] { return std::unique_ptr<ui::Form>(); });
        ADD_FAILURE() << "index 6 was registered";
    } catch (const Fehler& fehler) {
        EXPECT_EQ(fehler.Nummer(), fehlernummer::Index);
    }

    fenster.Zeigen(4);
    fenster.Leeren();
    EXPECT_EQ(zähler[4].entladen, 1);
    EXPECT_EQ(fenster.Standardinstanz(4), nullptr);
    EXPECT_FALSE(fenster.Registriert(4));
}

TEST_F(FensterregisterTest, ObserversHearEachUnloadOnce) {
    std::vector<std::pair<int, bool>> gehört;
    int nummer =
        fenster.Beobachten([&](int index, bool geschrieben) { gehört.emplace_back(index, geschrieben); });
    fenster.Zeigen(1);
    fenster.Zeigen(3);
    EXPECT_TRUE(fenster.EinesOffen());
    fenster.Standardinstanz(1)->Unload();
    fenster.Standardinstanz(3)->Unload();
    EXPECT_FALSE(fenster.EinesOffen());
    EXPECT_EQ(gehört, (std::vector<std::pair<int, bool>>{{1, false}, {3, false}}))
        << "a window without \"&OK\" and without a document wrote nothing";

    fenster.NichtMehrBeobachten(nummer);
    fenster.Zeigen(1);
    fenster.Standardinstanz(1)->Unload();
    EXPECT_EQ(gehört.size(), 2u);
}

TEST_F(FensterregisterTest, AFailedProvisionShowsNothing) {
    int bereitgestellt = 0;
    fenster.SetBereitstellung([&] {
        if (++bereitgestellt > 1) throw Fehler(fehlernummer::UngültigerAufruf, "no display");
    });
    fenster.Zeigen(6);
    EXPECT_EQ(bereitgestellt, 0) << "an index without a window needs no window system";
    fenster.Zeigen(2);
    fenster.Standardinstanz(2)->Unload();
    EXPECT_THROW(fenster.Zeigen(2), Fehler);
    EXPECT_EQ(fenster.Standardinstanz(2), nullptr);
    EXPECT_EQ(zähler[2].erzeugt, 1);
}

} // namespace
} // namespace kovelund
