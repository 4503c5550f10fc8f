// A season of the generated small world through the main loop with its real match days and two
// managers: every home game of the managers' clubs in their own stadium enters the stadium's
// statistics, every mark that moves is a booking, a load in mid-season sells no season tickets
// again, and the interrupted season ends with the same stadiums as the uninterrupted one.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "economy/bank.h"
#include "economy/stadion.h"
#include "match/spieltag_welt.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t SAISON_ENDE = 360;       // before 1 July clears the season's statistics
constexpr int32_t LADE_TAG = 150;
constexpr uint8_t DAUERKARTEN_VERKAUF = 11;

int32_t verein[2] = {-1, -1};

void zwei_manager(Eingang_Einstellungen& e, Eingang_Eingabe& m)
{
    e.schwierigkeit = 2;
    e.dauerkarten = 1;
    // The first pass adds the default club's manager, the second a league club of its own.
    if (Manager_Anzahl == 0) {
        verein[0] = m.team;
        m.starten = false;
        return;
    }
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 64) && !Team_Hat_Manager(t) && t != verein[0] && Wettbewerb_Get_Team_Wettbewerb(t, 1) >= 0) {
            m.team = verein[1] = t;
            break;
        }
    std::snprintf(m.name, sizeof m.name, "Zweiter");
    m.starten = true;
}

struct Buchungen {
    int64_t team[BANK_TEAMS] = {};
    int32_t dauerkarten = 0;
} buchungen;

void protokoll(int32_t zahler, int32_t empfaenger, int32_t ab, int32_t zu, uint8_t kategorie)
{
    if (zahler >= 0 && zahler < BANK_TEAMS) buchungen.team[zahler] -= ab;
    if (empfaenger >= 0 && empfaenger < BANK_TEAMS) buchungen.team[empfaenger] += zu;
    buchungen.dauerkarten += kategorie == DAUERKARTEN_VERKAUF;
}

struct Ergebnis {
    std::vector<uint8_t> stadien;
    int32_t heimspiele[2] = {0, 0};
    int32_t abgesagt[2] = {0, 0};
    int32_t eingetragen[2] = {0, 0};
    int32_t verkauf_start = 0, verkauf_nach_laden = -1;
    bool ok = true;
    std::string warum;
};

class StadionSpieltag : public Spieltag_Welt_Eigenes_Spiel {
protected:
    void TearDown() override
    {
        Bank_Set_Buchung_Protokoll(nullptr);
        Spieltag_Welt::TearDown();
    }

    static void staende(int64_t* stand)
    {
        for (int32_t t = 0; t < BANK_TEAMS; ++t) stand[t] = Bank_Get_Kontostand(t, 0, -1);
        buchungen = {};
    }

    // The days' money against the bookings since the last look; false at the first difference.
    static bool erhalten(int64_t* stand, Ergebnis& e)
    {
        for (int32_t t = 0; t < BANK_TEAMS; ++t) {
            const int64_t jetzt = Bank_Get_Kontostand(t, 0, -1);
            if (jetzt - stand[t] != buchungen.team[t]) {
                e.ok = false;
                e.warum = "Tag " + std::to_string(Aktueller_Tag) + ", Team " + std::to_string(t) + ": Kontostand " +
                          std::to_string(jetzt - stand[t]) + ", gebucht " + std::to_string(buchungen.team[t]);
                return false;
            }
        }
        staende(stand);
        return true;
    }

    // The managers' home games of the closing day that count in their own stadium.
    static void heimspiele_zaehlen(Ergebnis& e)
    {
        int32_t ids[64];
        const int32_t n = Spieltag_Get_Wettbewerbe(ids, 64);
        for (int32_t i = 0; i < n; ++i) {
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(ids[i]);
            if (!info || !(info->modus & HEIMRECHT)) continue;
            int32_t spiele[SPIELTAG_TAGESLISTE];
            if (!Spieltag_Get_Spiele(ids[i], spiele)) continue;
            for (int32_t k = 1; k <= spiele[0]; ++k) {
                const Spiele_Spiel* s = Spiele_Get_Spiel(spiele[k], 1);
                if (!s) continue;
                // A game called off (a side short of players) sells no ticket and is not entered.
                const bool abgesagt = s->ergebnis_art & SPIELE_ART_ABGS;
                for (int m = 0; m < 2; ++m) (abgesagt ? e.abgesagt : e.heimspiele)[m] += s->heim == verein[m];
            }
        }
    }

    // One season from a new game of seed 4711; with `laden`, saved and loaded on LADE_TAG.
    Ergebnis saison(bool laden)
    {
        Ergebnis e;
        Eingang_Set_Start_Hook(zwei_manager);
        Zufall_Set_Seed(4711);
        buchungen = {};
        Bank_Set_Buchung_Protokoll(protokoll);
        if (!Spielstart_Neues_Spiel() || verein[1] < 0) {
            e.ok = false;
            e.warum = "kein neues Spiel mit zwei Managern";
            return e;
        }
        e.verkauf_start = buchungen.dauerkarten;
        int64_t stand[BANK_TEAMS];
        staende(stand);
        int32_t tag = Aktueller_Tag, gezaehlt = -1;
        for (int64_t schritte = 0; Aktueller_Tag < SAISON_ENDE; ++schritte) {
            if (schritte > 40000000) {
                e.ok = false;
                e.warum = "der Tag endet nicht";
                return e;
            }
            if (Ablauf_Zustand == ABLAUF_SPIELTAG_SCHLIESSEN && gezaehlt != Aktueller_Tag) {
                heimspiele_zaehlen(e);
                gezaehlt = Aktueller_Tag;
            }
            // the day's turn, a match day's too (the small world's leagues play most weeks)
            const bool runde = Ablauf_Zustand == ABLAUF_MENUERUNDE || Ablauf_Zustand == ABLAUF_SPIELTAG_MENUERUNDE;
            if (laden && Aktueller_Tag == LADE_TAG && runde && e.verkauf_nach_laden < 0) {
                if (!erhalten(stand, e)) return e;
                const std::vector<uint8_t> vorher = Stadion_Block_Bauen();
                if (!Disk_Spielstand_Speichern("mitte") || !Spielstart_Laden("mitte")) {
                    e.ok = false;
                    e.warum = "Speichern oder Laden misslingt";
                    return e;
                }
                if (Stadion_Block_Bauen() != vorher) {
                    e.ok = false;
                    e.warum = "die Stadien sind nach dem Laden andere";
                    return e;
                }
                Bank_Set_Buchung_Protokoll(protokoll);
                staende(stand);
                e.verkauf_nach_laden = 0;
            }
            Ablauf_Schritt();
            if (Aktueller_Tag != tag) {
                tag = Aktueller_Tag;
                if (e.verkauf_nach_laden >= 0) e.verkauf_nach_laden += buchungen.dauerkarten;
                if (!erhalten(stand, e)) return e;
            }
        }
        Bank_Set_Buchung_Protokoll(nullptr);
        for (int m = 0; m < 2; ++m) {
            const Stadion_Daten* d = Stadion_Zeiger(verein[m], 1);
            if (!d || !d->hat_statistik) continue;
            for (int32_t c = 0; c < STADION_SPALTEN; ++c) e.eingetragen[m] += d->statistik.spiele[c];
        }
        e.stadien = Stadion_Block_Bauen();
        return e;
    }

    // A new game in a fresh process state, as the next test would find it.
    void neu_aufsetzen()
    {
        Bank_Set_Buchung_Protokoll(nullptr);
        Spieltag_Welt::TearDown();
        Spieltag_Welt::SetUp();
    }
};

TEST_F(StadionSpieltag, HomeGamesEnteredBookingsWholeAndALoadChangesNothing)
{
    const Ergebnis durch = saison(false);
    ASSERT_TRUE(durch.ok) << durch.warum;
    EXPECT_GT(durch.verkauf_start, 0);
    // A league of six: five home games, and the cups' home draws.
    for (int m = 0; m < 2; ++m) {
        EXPECT_GE(durch.heimspiele[m] + durch.abgesagt[m], 5) << verein[m];
        EXPECT_GT(durch.heimspiele[m], 0) << verein[m];
        EXPECT_EQ(durch.eingetragen[m], durch.heimspiele[m]) << verein[m];
    }
    neu_aufsetzen();
    const Ergebnis geladen = saison(true);
    ASSERT_TRUE(geladen.ok) << geladen.warum;
    EXPECT_EQ(geladen.verkauf_nach_laden, 0);
    EXPECT_EQ(geladen.heimspiele[0], durch.heimspiele[0]);
    EXPECT_TRUE(geladen.stadien == durch.stadien) << "die Stadien am Saisonende weichen ab";
}

}  // namespace
