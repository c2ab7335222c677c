#pragma once
// The category 5 window on the sample invoice, opened as the host opens it for a building worth
// 250.000 €, with the user's steps on its controls; the error log must stay as the test expects.

#include "forms/frmKat5/frmKat5.h"
#include "support/Fenstersitzung.h"

#include <string>
#include <vector>

namespace kovelund::test {

class Kat5Test : public Fenstertest<frmKat5, 4> {
protected:
    Kat5Test() { Eigenschaften({{"Baukosten", 250000.0}}); }

    void TearDown() override { EXPECT_EQ(beispiel.log.Sätze(), protokollsätze) << beispiel.log.Text(); }

    /// The statement's rows as texts, five cells each.
    std::vector<std::vector<std::string>> Reihen() const { return Zellen(Statement()); }

    /// Records the test expects in the error log.
    int protokollsätze = 0;
};

using Reihe = std::vector<std::string>;

} // namespace kovelund::test
