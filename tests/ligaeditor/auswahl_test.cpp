// The team chooser's pages: Europe split by the name's first byte, at most 33 clubs a page.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "competitions/wettbewerbsliste.h"
#include "database/db_hilfe.h"
#include "toolkit/popup.h"

namespace {

class Auswahl : public ::testing::Test {
protected:
    void SetUp() override
    {
        Test_Teams_Anlegen(60);
        const char* europa[] = {"Berlin", "Münster", "aachen", "Ölstadt", "Lübeck"};
        for (int32_t t = 0; t < 5; ++t) {
            std::strcpy(T_Fix[t].name, europa[t]);
            T[t].status = 1;
        }
        for (int32_t t = 5; t < 45; ++t) {
            T_Fix[t].kontinent = 2;   // South America: 40 clubs
            T[t].status = 1;
        }
        T_Fix[45].kontinent = 2;      // not a club: never listed
    }
    void TearDown() override { Test_Aufraeumen(); }
};

std::string namen(const Menue_Kontextmenue* k)
{
    std::string s;
    for (int32_t i = 0; i < MENUE_KONTEXT_EINTRAEGE && k->texte[i]; ++i) s += std::string(k->texte[i]) + ";";
    return s;
}

TEST_F(Auswahl, SeitenNachKontinentUndAlphabet)
{
    const Menue_Kontextmenue* a_l = Wettbewerbsliste_Seite_Fuellen(0);
    ASSERT_NE(a_l, nullptr);
    EXPECT_STREQ(a_l->titel, "Europa A-L");
    EXPECT_EQ(namen(a_l), "Berlin;Lübeck;");
    const Menue_Kontextmenue* m_z = Wettbewerbsliste_Seite_Fuellen(1);
    EXPECT_EQ(namen(m_z), "Münster;aachen;Ölstadt;");
    EXPECT_EQ(m_z->wert_a[0], 1);
    EXPECT_EQ(m_z->status[0], 129);

    const Menue_Kontextmenue* sued = Wettbewerbsliste_Seite_Fuellen(3);
    EXPECT_STREQ(sued->titel, "Südamerika");
    int32_t n = 0;
    while (n < MENUE_KONTEXT_EINTRAEGE && sued->texte[n]) ++n;
    EXPECT_EQ(n, 33);
    EXPECT_EQ(sued->wert_a[0], 5);
    EXPECT_EQ(sued->wert_a[32], 37);
    EXPECT_EQ(Wettbewerbsliste_Teams_Zaehlen(2), 41);
    EXPECT_EQ(Wettbewerbsliste_Seite_Fuellen(7), nullptr);
}

}  // namespace
