// The table panel: results for a competition without a table, which rows switch the window,
// the crest cache, the refresh minutes and the drag limits.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/spiele_welt.h"
#include "gameflow/globals.h"
#include "graphics/grafik_farbe.h"
#include "graphics/font.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "network/netz.h"
#include "network/signal_welt.h"

namespace {

// Games 11 (the window's), 12 (on the pitch) and 13 (in the background) of clubs 1, 2 and 3.
std::unique_ptr<Spielfeld_Record> rec[3];

class Tabellenpanel : public ::testing::Test {
protected:
    std::unique_ptr<Tabelle_Datensatz> t = std::make_unique<Tabelle_Datensatz>();
    Spielszenen_Fenster f{};
    void SetUp() override
    {
        for (int32_t i = 0; i < 3; ++i) {
            rec[i] = std::make_unique<Spielfeld_Record>();
            rec[i]->spiel = uint32_t(11 + i);
            rec[i]->aktiv = i < 2;
            t->platz[i] = i;
            t->vorher[i] = -1;
            t->team[i] = i + 1;
            t->tagesspiel[i] = 11 + i;
        }
        t->anzahl = 3;
        Spielszenen_Set_Record_Hook([](int32_t spiel) { return spiel >= 11 && spiel <= 13 ? rec[spiel - 11].get() : nullptr; });
        Spielszenen_Tabelle_Zuruecksetzen();
        f.spiel = 11;
        f.record = rec[0].get();
        f.eingerichtet = 1;
        f.tabelle_offen = 1;
        rec[0]->anzeige = 1;
    }
    void TearDown() override
    {
        Spielszenen_Set_Record_Hook(nullptr);
        Spielszenen_Tabelle_Zuruecksetzen();
        for (auto& r : rec) r.reset();
    }
    int32_t bild(int32_t mx, int32_t my, int32_t tasten) { return Spielszenen_Tabelle_Bei(nullptr, &f, t.get(), nullptr, mx, my, tasten); }
    // The texts of one frame with club 1 named as long as a club's name may be, club 2 short.
    static inline const std::string LANG = "Borussia Oberkirchhause";
    std::vector<std::string> texte_mit_langem_namen()
    {
        static std::vector<std::string> texte;
        texte.clear();
        Spielszenen_Set_Text_Hook([](int32_t, int32_t, const char* t) { texte.emplace_back(t); });
        signal_welt::Vereine vereine(4);
        std::snprintf(vereine.fix[1].name, sizeof vereine.fix[1].name, "%s", LANG.c_str());
        std::snprintf(vereine.fix[2].name, sizeof vereine.fix[2].name, "%s", "FC Ost");
        bild(0, 0, 0);
        Spielszenen_Set_Text_Hook(nullptr);
        return texte;
    }
    void zeile_klicken(int32_t k)
    {
        const int32_t x = Spielszenen_Tabelle_X, y = Spielszenen_Tabelle_Y;
        bild(x + 20, y + 18 + 12 * (k + 1) - 5, 1);
        bild(0, 0, 0);
    }
};

TEST_F(Tabellenpanel, OnlyAnotherGameOnThePitchSwitchesTheWindow)
{
    EXPECT_EQ(bild(0, 0, 0), 1);
    zeile_klicken(0);  // the window's own game
    zeile_klicken(2);  // played in the background
    EXPECT_EQ(f.spiel, 11);
    EXPECT_EQ(f.eingerichtet, 1);
    zeile_klicken(1);
    EXPECT_EQ(f.spiel, 12);
    EXPECT_EQ(f.record, rec[1].get());
    EXPECT_EQ(rec[1]->anzeige, 1);
    EXPECT_EQ(rec[0]->anzeige, 0);
    EXPECT_EQ(f.eingerichtet, 0);
    // a closed game is not switched to
    rec[0]->abgeschlossen = 1;
    zeile_klicken(0);
    EXPECT_EQ(f.spiel, 12);
}

TEST_F(Tabellenpanel, ACupWithoutTableOpensInResults)
{
    t->anzahl = 0;
    EXPECT_EQ(bild(0, 0, 0), 0);
    EXPECT_EQ(f.tabelle_inhalt, 1);
    EXPECT_EQ(Spielszenen_Tabelle_Bei(nullptr, &f, nullptr, nullptr, 0, 0, 0), 0);
}

TEST_F(Tabellenpanel, TheResultsFootClosesAtItsOwnRightEnd)
{
    // the day's results of three games: the wider foot has its close button further right
    const int32_t tage[4] = {3, 11, 12, 13};
    f.tabelle_inhalt = 1;
    Spielszenen_Tabelle_X = 100, Spielszenen_Tabelle_Y = 100;
    auto klick = [&](int32_t dx) {
        const int32_t fy = Spielszenen_Tabelle_Y + 3 * 12 + 18 + 10;
        Spielszenen_Tabelle_Bei(nullptr, &f, t.get(), tage, Spielszenen_Tabelle_X + dx, fy, 1);
        Spielszenen_Tabelle_Bei(nullptr, &f, t.get(), tage, 0, 0, 0);
    };
    klick(237 + 5);  // where the table's close button lies
    EXPECT_EQ(f.tabelle_offen, 1);
    klick(SZ_ERGEBNIS_SCHLIESSEN_X + 5);
    EXPECT_EQ(f.tabelle_offen, 0);
    // in the table the close button stays where its foot has it
    f.tabelle_offen = 1;
    f.tabelle_inhalt = 0;
    klick(SZ_ERGEBNIS_SCHLIESSEN_X + 5);
    EXPECT_EQ(f.tabelle_offen, 1);
    klick(237 + 5);
    EXPECT_EQ(f.tabelle_offen, 0);
}

TEST_F(Tabellenpanel, TheOwnClubIsTheServersManagersInALoneGame)
{
    // A lone game runs as a server with its own manager: its club is the server's, whatever
    // club a client login record names.
    static std::vector<std::string> texte;
    Spielszenen_Set_Text_Hook([](int32_t, int32_t, const char* t) { texte.emplace_back(t); });
    const uint32_t rolle = Netz_Rolle;
    const int32_t server = Server_Team, login = Netz_Get_Eigenes_Team();
    Netz_Rolle = 3;
    Server_Team = 2;
    Netz_Set_Eigenes_Team(3);
    bild(0, 0, 0);
    Netz_Rolle = rolle;
    Server_Team = server;
    Netz_Set_Eigenes_Team(login);
    Spielszenen_Set_Text_Hook(nullptr);
    char blau[8], weiss[8];
    std::snprintf(blau, sizeof blau, "^c%05d", int(Grafik_Farbe(10, 10, 16)));
    std::snprintf(weiss, sizeof weiss, "^c%05d", int(Grafik_Farbe(15, 15, 15)));
    // the title and the heads, then the places: the window's game, club 2's, club 3's
    ASSERT_EQ(texte.size(), 5u);
    EXPECT_EQ(texte[3].rfind(blau, 0), 0u) << texte[3];
    EXPECT_EQ(texte[4].rfind(weiss, 0), 0u) << texte[4];
    texte.clear();
}

// The floating table's names start right of their crests, under the head "Verein", and end
// before the games' column, however long a club's name is.
TEST_F(Tabellenpanel, TheTablesNamesStandBesideTheirCrests)
{
    const std::vector<std::string> texte = texte_mit_langem_namen();
    ASSERT_EQ(texte.size(), 5u);
    EXPECT_NE(texte[1].find("^tl0062Verein"), std::string::npos) << texte[1];
    char puffer[64];
    for (size_t k = 2; k < texte.size(); ++k) {
        const size_t a = texte[k].find("^tl0062"), b = texte[k].find("^tl0166");
        ASSERT_TRUE(a != std::string::npos && b != std::string::npos && a < b) << texte[k];
        const std::string name = texte[k].substr(a + 7, b - a - 7);
        // the crest covers 48 to 59 of the row
        EXPECT_LE(Spielszenen_Text_Kuerzen(puffer, sizeof puffer, name.c_str(), 9, 1 << 20), 166 - 62 - 3) << name;
        if (k == 2) {
            EXPECT_EQ(LANG.rfind(name, 0), 0u) << name;
        }
    }
}

TEST_F(Tabellenpanel, CrestsRefreshAndDragLimits)
{
    for (int32_t team = 0; team < 128; ++team) EXPECT_EQ(Spielszenen_Wappen_Klein_Zeichnen(team, 0, 0), team);
    EXPECT_EQ(Spielszenen_Wappen_Klein_Zeichnen(5, 0, 0), 5);  // cached
    EXPECT_EQ(Spielszenen_Wappen_Klein_Zeichnen(500, 0, 0), 0);
    EXPECT_EQ(Spielszenen_Wappen_Belegt(), 1);

    std::vector<int> auf;
    for (int32_t m : {0, 1, 3, 4, 4, 9, 10, 12}) auf.push_back(Spielszenen_Tabelle_Auffrischen(m));
    EXPECT_EQ(auf, (std::vector<int>{1, 0, 0, 1, 0, 1, 0, 1}));

    const int32_t x = Spielszenen_Tabelle_X, y = Spielszenen_Tabelle_Y;
    bild(x, y - 20, 1);
    bild(-100, -100, 1);
    EXPECT_EQ(Spielszenen_Tabelle_X, 12);
    EXPECT_EQ(Spielszenen_Tabelle_Y, 36 + 5);
    bild(900, 900, 1);
    EXPECT_EQ(Spielszenen_Tabelle_Y, 475 - (3 * 12 + 18) - 38);
    EXPECT_LE(Spielszenen_Tabelle_X - 7 + 284, 606);
    bild(900, 900, 0);
    EXPECT_EQ(f.spiel, 11);
}

TEST_F(Tabellenpanel, TheCompactBlocksNamesEndBeforeTheirNextColumn)
{
    f.tabelle_kompakt = 1;
    const std::vector<std::string> texte = texte_mit_langem_namen();
    const std::string& lang = LANG;
    ASSERT_EQ(texte.size(), 4u);  // the title, then a row per place
    // the name between its tab and the points' tab, as wide as the small font draws it
    auto name = [](const std::string& zeile) {
        const size_t a = zeile.find("^tl0018") + 7, b = zeile.find("^tl0088");
        return a < b && b != std::string::npos ? zeile.substr(a, b - a) : std::string("?");
    };
    char puffer[64];
    const int32_t font = Font(11) ? 11 : 9;
    const std::string gekuerzt = name(texte[1]);
    EXPECT_EQ(lang.rfind(gekuerzt, 0), 0u) << texte[1];
    EXPECT_LT(gekuerzt.size(), lang.size());
    EXPECT_LE(Spielszenen_Text_Kuerzen(puffer, sizeof puffer, gekuerzt.c_str(), font, 1 << 20), 88 - 18 - 4);
    // an 18-club league's two-digit places end before the names
    EXPECT_LE(Spielszenen_Text_Kuerzen(puffer, sizeof puffer, "18.", font, 1 << 20), 18 - 2);
    EXPECT_EQ(name(texte[2]), "FC Ost");
}

TEST_F(Tabellenpanel, TheCompactResultsLeaveTheTickerLineFree)
{
    static std::vector<int32_t> ys;
    Spielszenen_Set_Text_Hook([](int32_t, int32_t y, const char*) { ys.push_back(y); });
    const int32_t tage[4] = {3, 11, 12, 13};
    f.tabelle_inhalt = 1;
    f.tabelle_kompakt = 1;
    f.y = 4, f.hoehe = 471;
    Spielszenen_Tabelle_Bei(nullptr, &f, t.get(), tage, 0, 0, 0);
    Spielszenen_Set_Text_Hook(nullptr);
    ASSERT_FALSE(ys.empty());
    // the title stands 8 above the first of three rows, 8 apart, and the block ends 4 below them
    EXPECT_LE(ys[0] + 3 * 8 + 4, f.y + f.hoehe - 18);
    EXPECT_GE(ys[0], f.y + 26) << "below the score panel";
    ys.clear();
}

// The compact results over the match store: a game decided on penalties (1:1 after extra time,
// 6:7 in the shoot-out, stored as 7:8) reads "1:1" marked "nE", a game in normal time as it stands.
using Ergebnisblock = spielwelt::Spielwelt;

TEST_F(Ergebnisblock, TheCompactResultsMarkAShootOut)
{
    const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, spielwelt::LIGA, -1);
    const int32_t elf = Spiele_Lock(block, 0, 0, 0), normal = Spiele_Lock(block, 0, 0, 1);
    Spiele_Set_Teams(elf, 0, 1);
    Spiele_Ereignis_Speicher_Reservieren(elf);
    Spiele_Tore_Nullen(elf);
    Spiele_Set_Ereignis(elf, SPE_TOR | SPE_CHANCE | SPE_HEIM, 20, 4, 32767);
    Spiele_Set_Ereignis(elf, SPE_TOR | SPE_CHANCE, 110, 14, 32767);
    Spiele_Get_Spiel(elf, 1)->ergebnis_art |= SPIELE_ART_NV | SPIELE_ART_NE;
    for (int32_t i = 0; i < 7; ++i) {
        if (i < 6) Spiele_Set_Ereignis(elf, SPE_TOR | SPE_HEIM, 120, 5 + i, 32767);
        Spiele_Set_Ereignis(elf, SPE_TOR, 120, 15 + i, 32767);
    }
    Spiele_Set_Teams(normal, 2, 3);
    Spiele_Set_Ergebnis(normal, 2, 1, 0);

    static std::vector<std::string> texte;
    texte.clear();
    Spielszenen_Set_Text_Hook([](int32_t, int32_t, const char* t) { texte.emplace_back(t); });
    Spielfeld_Record r{};
    Spielszenen_Fenster f{};
    f.spiel = elf;
    f.record = &r;
    f.tabelle_offen = f.tabelle_inhalt = f.tabelle_kompakt = 1;
    f.y = 4, f.hoehe = 471;
    const int32_t tag[3] = {2, elf, normal};
    Spielszenen_Tabelle_Bei(nullptr, &f, nullptr, tag, 0, 0, 0);
    Spielszenen_Set_Text_Hook(nullptr);
    Spiele_Unlock(elf);
    Spiele_Unlock(normal);
    ASSERT_EQ(texte.size(), 3u);  // the title, then a row per game
    EXPECT_NE(texte[1].find("^fb00041:1 ^fenE"), std::string::npos) << texte[1];
    EXPECT_EQ(texte[1].find("7:8"), std::string::npos) << texte[1];
    EXPECT_NE(texte[2].find("^fb00042:1^fe"), std::string::npos) << texte[2];
    EXPECT_EQ(texte[2].find("nE"), std::string::npos) << texte[2];
}

}  // namespace
