// The player context menu: who may do what, the team roles, the squad moves, the watch list,
// instructions, the offer lines' menus and centring.
#include <string>

#include "database/assistent.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "screens/spieler_kontext_menue.h"
#include "screens/spieler_training.h"
#include "screens_hilfe.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"

using namespace screens_test;

namespace {

struct Kontext : Welt {
    void SetUp() override
    {
        Welt::SetUp();
        Richter_Init();
        uint8_t kein_personal[ASSI_BLOCK_BYTES] = {};
        Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, kein_personal, 1);
    }
    void TearDown() override
    {
        Richter_DeInit();
        Welt::TearDown();
    }
    static Menue_Kontextmenue* menue(int32_t p, int32_t team)
    {
        Menue_Icon i = Menue_Icon_Vorlage(1643, -1, 0, 0, 0, 10, 10, 4, 255);
        i.kennung_1 = int16_t(p);
        i.kennung_2 = int16_t(team);
        return Spieler_Kontext_Menue_Erzeugen(&i);
    }
    static Menue_Kontextmenue* unter(int32_t k) { return Spieler_Kontext_Untermenue_Holen(&Kontext_Menue, k); }
    static bool waehlbar(const Menue_Kontextmenue* m, int32_t i) { return m->status[i] & POPUP_WAEHLBAR; }
    static int32_t eintraege(const Menue_Kontextmenue* m)
    {
        int32_t n = 0;
        while (n < MENUE_KONTEXT_EINTRAEGE && m->texte[n]) ++n;
        return n;
    }
    static void bieten(int32_t bieter, int32_t verein, int32_t p)
    {
        Richter_Spieler_Angebot_Struktur_Erzeugen(bieter, verein, p, 500, 0, 100, 24, 50);
    }
};

TEST_F(Kontext, StatusesFollowOwnershipKindAndTrial)
{
    // own field player: squad, status, roles, training; instructions follow
    Menue_Kontextmenue* m = menue(5, EIGEN);
    EXPECT_STREQ(m->titel, (std::string("Spieler ") + Spieler_String(SP_NAME, 5, nullptr, 0) + ":").c_str());
    for (int32_t i = 1; i <= 3; ++i) EXPECT_TRUE(waehlbar(m, i)) << i;
    EXPECT_FALSE(waehlbar(m, 7)) << "own players are not watched";
    EXPECT_STREQ(m->texte[8], "Aggressivität");
    EXPECT_STREQ(m->texte[12], "Abschluß");
    EXPECT_STREQ(unter(0)->titel, "Kader ändern:");
    EXPECT_EQ(unter(0)->texte[3], nullptr);
    EXPECT_TRUE(waehlbar(unter(1), 1)) << "a field player's area can be reset";
    EXPECT_FALSE(waehlbar(unter(1), 0)) << "he marks nobody";
    EXPECT_EQ(eintraege(unter(3)), 15);
    EXPECT_TRUE(unter(3)->status[0] & POPUP_GEWAEHLT);

    // own goalkeeper: four training items, no free kicks or corners
    m = menue(0, EIGEN);
    EXPECT_EQ(eintraege(unter(3)), 4);
    EXPECT_STREQ(unter(3)->texte[3], "Strafraumbeherrschung");
    EXPECT_TRUE(waehlbar(unter(2), 0));
    EXPECT_FALSE(waehlbar(unter(2), 1));
    EXPECT_TRUE(waehlbar(unter(2), 2));
    EXPECT_FALSE(waehlbar(unter(2), 3));
    EXPECT_FALSE(waehlbar(unter(1), 1));
    EXPECT_STREQ(m->texte[10], "Elfmeter");
    EXPECT_EQ(m->texte[11], nullptr);

    // another club's player: only the trial item in the squad menu, and the watch list
    m = menue(52, ANDERE);
    EXPECT_STREQ(unter(0)->titel, (std::string("Bei ") + Team_String(TEAM_NAME, ANDERE, nullptr, 0) + ":").c_str());
    for (int32_t i = 0; i < 3; ++i) EXPECT_FALSE(waehlbar(unter(0), i)) << i;
    EXPECT_STREQ(unter(0)->texte[3], "Probe-Spieler aufnehmen !");
    EXPECT_FALSE(waehlbar(m, 1));
    EXPECT_TRUE(waehlbar(m, 7));
    EXPECT_EQ(m->texte[8], nullptr);

    // taken on trial: the own squad menu with the removal, no roles, no instructions
    ASSERT_EQ(Spieler_Kontext_Kader_Call(3, 1643, 52, ANDERE), 1);
    m = menue(52, EIGEN);
    EXPECT_STREQ(unter(0)->titel, "Kader ändern (Probe):");
    EXPECT_STREQ(unter(0)->texte[3], "Probe-Spieler entfernen !");
    EXPECT_FALSE(waehlbar(unter(2), 0));
    EXPECT_FALSE(waehlbar(unter(3), 1));
    EXPECT_EQ(m->texte[8], nullptr);

    // a locked (injured) player keeps no role marks and no squad choice
    Teamspieler_Wert(317, EIGEN, 6, 0x2000 | 0x40, 8);
    menue(6, EIGEN);
    EXPECT_FALSE(unter(2)->status[0] & POPUP_GEWAEHLT);
    EXPECT_EQ(unter(0)->status[0], 0);
}

TEST_F(Kontext, RemoteClientSeesOnlyNegotiationForOthers)
{
    Netz_Rolle = 1;
    Menue_Kontextmenue* m = menue(52, ANDERE);
    EXPECT_STREQ(m->texte[0], "Vertragsverhandlung");
    EXPECT_TRUE(waehlbar(m, 0));
    EXPECT_STREQ(m->texte[1], "Info nur für eigene Spieler verfügbar.");
    EXPECT_FALSE(waehlbar(m, 1));
    EXPECT_EQ(eintraege(m), 2);
    EXPECT_GT(eintraege(menue(5, EIGEN)), 8) << "his own players keep the full menu";
}

TEST_F(Kontext, RolesSquadMovesAndInstructions)
{
    Teamspieler_Wert(317, EIGEN, 3, 0x2000, 8);
    Spieler_Kontext_Aufgaben_Call(0, 1643, 4, EIGEN);
    EXPECT_TRUE(flags(EIGEN, 4) & 0x2000);
    EXPECT_FALSE(flags(EIGEN, 3) & 0x2000);
    Spieler_Kontext_Aufgaben_Call(0, 1643, 4, EIGEN);
    int32_t kader[60];
    const int32_t n = Teamspieler_Ins_Array(EIGEN, kader, 60, 0);
    for (int32_t k = 0; k < n; ++k) EXPECT_FALSE(flags(EIGEN, kader[k]) & 0x2000) << kader[k];
    Spieler_Kontext_Aufgaben_Call(3, 1643, 4, EIGEN);
    EXPECT_TRUE(flags(EIGEN, 4) & 0x10000);

    // without a stored formation the squad moves stand as made
    Team_Wert(TEAM_SYSTEM_1, EIGEN, -1, 1);
    Team_Wert(TEAM_SYSTEM_2, EIGEN, -1, 1);
    elf(4);
    Teamspieler_Wert(316, EIGEN, 2, 31, 1);
    ASSERT_EQ(Spieler_Kontext_Kader_Call(1, 1643, 2, EIGEN), 1);
    EXPECT_EQ(flags(EIGEN, 2) & 0x30, 0x20u);
    EXPECT_EQ(Teamspieler_Wert(316, EIGEN, 2, 0, 0), -1);
    Spieler_Kontext_Kader_Call(2, 1643, 2, EIGEN);
    EXPECT_EQ(flags(EIGEN, 2) & 0x30, 0u);

    EXPECT_EQ(Spieler_Kontext_Anweisung_Call(3, 1643, 7, 2), 1);
    EXPECT_EQ(Teamspieler_Wert(332, EIGEN, 7, 0, 0), 3);
    menue(7, EIGEN);
    Menue_Kontextmenue* optionen = Spieler_Kontext_Anweisung_Untermenue_Erzeugen(&Kontext_Menue, 10);
    ASSERT_NE(optionen, nullptr);
    EXPECT_STREQ(optionen->titel, "Raumdeckung");
    EXPECT_TRUE(optionen->status[3] & POPUP_GEWAEHLT);
    EXPECT_EQ(Spieler_Kontext_Anweisung_Call(3, 1643, 0, 2), 1) << "the keeper's penalty has four options";
    EXPECT_EQ(Spieler_Kontext_Anweisung_Call(3, 1643, 0, 1), 0) << "his running out only three";

    ASSERT_EQ(Spieler_Kontext_Einzeltraining_Call(3, 1643, 8, EIGEN), 1);
    int32_t art = -1, slot = -1;
    Spieler_Training_Get_Einzeltraining_Platz(EIGEN, 8, &art, &slot);
    EXPECT_EQ(art, 2);
    ASSERT_EQ(Spieler_Kontext_Einzeltraining_Call(1, 1643, 0, EIGEN), 1);
    Spieler_Training_Get_Einzeltraining_Platz(EIGEN, 0, &art, &slot);
    EXPECT_EQ(art, 14);
}

TEST_F(Kontext, WatchListAndTrialPlayerKeepTheirState)
{
    for (int32_t p = 100; p < 130; ++p) ASSERT_EQ(Spieler_Kontext_Beobachten_Call(7, 1643, p, Transfermarkt_Team), 1);
    EXPECT_EQ(Spieler_Kontext_Beobachten_Call(7, 1643, 130, Transfermarkt_Team), 0);
    EXPECT_TRUE(gemeldet("Sie können nur maximal 30 Spieler beobachten!"));
    EXPECT_EQ(Spieler_Kontext_Beobachten_Call(7, 1643, 100, Transfermarkt_Team), 1);
    EXPECT_FALSE(Spieler_Ist_Beobachtet(EIGEN, 100));

    Spieler_Kontext_Beobachten_Call(7, 1643, 53, ANDERE);
    Spieler_Wert(SP_ANGEBOTSZAEHLER, 53, 3, 1);
    ASSERT_EQ(Spieler_Kontext_Kader_Call(3, 1643, 53, ANDERE), 1);
    ASSERT_EQ(Spieler_Kontext_Kader_Call(3, 1643, 53, EIGEN), 1);
    EXPECT_EQ(Teamspieler_Get_Record(EIGEN, 53), nullptr);
    EXPECT_TRUE(Spieler_Ist_Beobachtet(EIGEN, 53));
    EXPECT_EQ(Spieler_Wert(SP_ANGEBOTSZAEHLER, 53, 0, 0), 3);

    // a released player with an offer on him keeps his release
    Spieler_Kontext_Verein_Call(2, 1643, 9, EIGEN);
    ASSERT_TRUE(flags(EIGEN, 9) & 0x20000);
    bieten(ANDERE, EIGEN, 9);
    Spieler_Kontext_Verein_Call(2, 1643, 9, EIGEN);
    EXPECT_TRUE(flags(EIGEN, 9) & 0x20000);
    EXPECT_TRUE(gemeldet("liegt bereits mindestens ein Angebot vor"));
}

TEST_F(Kontext, OfferMenusReachTheirOffer)
{
    for (int32_t bieter : {EIGEN, 4}) bieten(bieter, ANDERE, 55);
    Menue_Icon zeile = Menue_Icon_Vorlage(900, -1, 0, 0, 0, 10, 10, 4, 255);
    zeile.kennung_1 = 55;
    zeile.kennung_2 = 4;
    Menue_Kontextmenue* m = Spieler_Angebot_Kontext_Menue_Erzeugen(&zeile);
    EXPECT_STREQ(m->texte[0], "Angebot zurückziehen");
    EXPECT_EQ(m->prozeduren[0](0, m->wert_c[0], m->wert_a[0], m->wert_b[0]), 1);
    EXPECT_FALSE(Richter_Spieler_Angebot_Vorhanden(55, ANDERE, EIGEN));
    EXPECT_TRUE(Richter_Spieler_Angebot_Vorhanden(55, ANDERE, 4));
    EXPECT_EQ(Spieler_Angebot_Kontext_Menue_Jump(0, 900, 55, 0), 0) << "no own offer left";

    // an own player's offers: reject one, accept another after the question
    for (int32_t bieter : {ANDERE, 4}) bieten(bieter, EIGEN, 10);
    zeile.kennung_1 = 10;
    zeile.kennung_2 = ANDERE;
    m = Spieler_Angebot_Ablehnen_Kontext_Menue_Erzeugen(&zeile);
    EXPECT_EQ(m->prozeduren[0](0, m->wert_c[0], m->wert_a[0], m->wert_b[0]), 1);
    EXPECT_FALSE(Richter_Spieler_Angebot_Vorhanden(10, EIGEN, ANDERE));
    zeile.kennung_2 = 4;
    antworten.push_back(0);
    EXPECT_EQ(Spieler_Angebot_Annehmen(&zeile, 4), 0);
    EXPECT_EQ(Spieler_Angebot_Annehmen(&zeile, 4), 1);
    int32_t annehmer = -1;
    Spieler_Angebot liste[30];
    Richter_Get_Spieler_Angebote(10, liste, 30, &annehmer);
    EXPECT_EQ(annehmer, 4);
    EXPECT_TRUE(gemeldet("Der Transfer ist damit rechtskräftig"));
}

TEST_F(Kontext, CentringEndsInsideTheBand)
{
    // a list of 40 rows of 20 pixels under a window from y 100; the head sits in row 35
    auto oben_bei = [](int32_t pos) { return 100 + 35 * 20 - pos; };
    for (int32_t schritt : {0, 1, 7, 20, 1000}) {
        const int32_t pos = Spieler_Kontext_Zentrieren_Schleife(oben_bei(0), 20, schritt, 0, 0, 1000, oben_bei);
        EXPECT_GE(oben_bei(pos), 177 - 10) << schritt;
        EXPECT_LE(oben_bei(pos), 419 - 10) << schritt;
    }
    // a clip ends it: the list cannot scroll far enough
    EXPECT_EQ(Spieler_Kontext_Zentrieren_Schleife(oben_bei(0), 20, 5, 0, 0, 100, oben_bei), 100);
    // above the band it scrolls back up
    EXPECT_LT(Spieler_Kontext_Zentrieren_Schleife(60, 20, 5, 300, 0, 1000, [](int32_t p) { return 360 - p; }), 300);
}

}  // namespace
