// A new game of the small world played through the real main loop over several match days, and
// a day saved at half-time that resumes as the uninterrupted one.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/capture.h"
#include "gameflow/kalender.h"
#include "match/spieltag_welt.h"
#include "platform/disk.h"
#include "toolkit/optionen.h"

namespace {

class Spieltag_Ablauf : public Spieltag_Welt {
protected:
    void wiederaufnahme(uint32_t rolle)
    {
        Netz_Rolle = rolle;
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
        if (rolle == 0) {
            // The main loop waits in its half-time state.
            ASSERT_TRUE(bis_zustand(ABLAUF_HALBZEIT));
        } else {
            // The frame that ended the first halves kicked off the second ones at once.
            Liste_Element* e = Spieltag_Get_Wettbewerbe_Liste()->next;
            for (int i = 0; i < 100000; ++i) {
                Spieltag_Wettbewerb_Erstes_Spiel(e);
                if (Spieltag_Get_Halbzeit() > 0) break;
                Ablauf_Schritt();
            }
            Spieltag_Wettbewerb_Erstes_Spiel(e);
            ASSERT_EQ(Spieltag_Get_Halbzeit(), 1);
        }
        const int32_t zustand = Ablauf_Zustand;
        ASSERT_TRUE(Disk_Spielstand_Speichern("halbzeit"));
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
        const std::vector<uint8_t> ganz = Disk_Spielstand_Abbild();
        const auto ende = [] {
            const std::vector<uint8_t> bild = Disk_Spielstand_Abbild();
            std::string version;
            Disk_Bereiche b;
            EXPECT_TRUE(Disk_Spielstand_Zerlegen(bild.data(), bild.size(), &version, &b));
            return std::vector<Disk_Bereich>{b[DISK_POS_ZUFALL - 1], b[DISK_POS_SPIELE - 1], b[DISK_POS_SPIELTAG - 1],
                                             b[DISK_POS_SPIELFELD - 1]};
        };
        const auto erwartet = ende();
        ASSERT_GT(erwartet[2].size(), 1u) << "the day still runs when it is closed";

        ASSERT_TRUE(Disk_Spielstand_Laden("halbzeit"));
        EXPECT_EQ(Ablauf_Zustand, zustand);
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
        const auto wieder = ende();
        EXPECT_EQ(wieder[0], erwartet[0]) << "random numbers";
        EXPECT_EQ(wieder[1], erwartet[1]) << "match store";
        EXPECT_EQ(wieder[2], erwartet[2]) << "match day";
        EXPECT_EQ(wieder[3], erwartet[3]) << "live records";
        EXPECT_EQ(Disk_Spielstand_Abbild(), ganz);
    }
};

TEST_F(Spieltag_Ablauf, LeagueGamesArePlayedOnTheirMatchDays)
{
    const int32_t verein = Aktuelles_Team >= 0 ? Aktuelles_Team : 0;
    int32_t tage = 0, spiele_gesamt = 0, liga_spiele = 0, tore = 0, entschieden = 0, verein_spielte = 0;
    while (tage < 4) {
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Hat_Manager(t) && Spieltag_Get_Gegner(t, nullptr) >= 0) ++verein_spielte;
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
        for (const auto& [c, g] : spiele()) {
            const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
            ASSERT_NE(m, nullptr);
            // Played, not awarded: every club of the small world fields its eleven.
            EXPECT_GE(m->heim_tore, 0);
            EXPECT_EQ(m->ergebnis_art & SPIELE_ART_ABGS, 0) << "Spiel " << g;
            EXPECT_GT(m->zuschauer, 0u);
            ++spiele_gesamt;
            // The cup pairs a top club with a third-tier club of a quarter its strength: the
            // rate of goals is the leagues'.
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
            if (info && info->basisliga) {
                ++liga_spiele;
                tore += m->heim_tore + m->gast_tore;
                entschieden += m->heim_tore != m->gast_tore;
            }
            Liste_Element* k = Liste_Find_Key(Spieltag_Get_Wettbewerbe_Liste(), uint32_t(c));
            for (int32_t s = Spieltag_Wettbewerb_Erstes_Spiel(k); s; s = Spieltag_Naechstes_Spiel())
                EXPECT_EQ(Spieltag_Get_Laeuft(-1), SPIELTAG_AUS);
        }
        Ablauf_Schritt();
        EXPECT_FALSE(Spieltag_Get_Wettbewerbe_Liste());
        ++tage;
    }
    (void)verein;
    EXPECT_GT(verein_spielte, 0);
    EXPECT_GT(spiele_gesamt, 20);
    // About 1.8 goals a league game; most games have a winner.
    EXPECT_GT(liga_spiele, 10);
    EXPECT_GT(tore, liga_spiele);
    EXPECT_LT(tore, 3 * liga_spiele);
    EXPECT_GT(entschieden, liga_spiele / 3);
}

TEST_F(Spieltag_Ablauf, DaySavedAtHalfTimeResumesIdenticallyAsServer) { wiederaufnahme(3); }

// The monthly autosave of 1 July, the season change behind it: loaded, the game goes on with that
// day's turn instead of skipping to the next day's.
TEST_F(Spieltag_Ablauf, FirstOfJulyAutosaveResumesWithThatDaysTurn)
{
    const int32_t juli = Kalender_Get_Tagnummer(1, 7, 2000);
    const int32_t optionen = Globale_Optionen(0);
    Globale_Optionen_Setzen(0, optionen | 0x02);
    static int32_t zug_tag;
    Ablauf_Set_Zug_Hook([](int32_t team, bool erster) {
        if (zug_tag < 0) zug_tag = Aktueller_Tag;
        return spielfeld_spieltag::zug(team, erster);
    });
    zug_tag = 0;
    for (int64_t i = 0; Aktueller_Tag <= juli; ++i) {
        ASSERT_LT(i, 400000000) << "Tag " << Aktueller_Tag;
        Ablauf_Schritt();
    }
    ASSERT_TRUE(std::filesystem::exists(datei("Autosave_Monat")));
    ASSERT_TRUE(Disk_Spielstand_Laden("Autosave_Monat"));
    ASSERT_EQ(Aktueller_Tag, juli);
    zug_tag = -1;
    for (int32_t i = 0; zug_tag < 0 && i < 400000; ++i) Ablauf_Schritt();
    EXPECT_EQ(zug_tag, juli);
    Globale_Optionen_Setzen(0, optionen);
}

TEST_F(Spieltag_Ablauf, DaySavedAtHalfTimeResumesIdenticallyAlone) { wiederaufnahme(0); }

}  // namespace
