// Player marks from the match store's events and the record's figures, and the team of the day
// nominated from them over a real match day of the small world.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>

#include "competitions/spiele_karten.h"
#include "competitions/spiele_welt.h"
#include "database/teamspieler.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "match/spieltag_welt.h"
#include "platform/disk.h"

namespace {

using namespace spielwelt;

// A goal in play is stored with its shot; a shoot-out kick's goal without.
constexpr uint32_t TOR_IM_SPIEL = SPE_CHANCE | SPE_TOR;

// Team 1 with players 10..23 (11 starters, 3 substitutes) against team 2 in one league game.
class Spielernoten : public Spielwelt {
protected:
    int32_t h = 0;
    Spielfeld_Record* r = nullptr;
    void SetUp() override
    {
        Spielwelt::SetUp();
        for (int32_t sp = 10; sp < 24; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 150, 0, 24, -1, false));
        for (int32_t sp = 10; sp < 21; ++sp) Teamspieler_Wert(317, 1, sp, TS_STARTELF, 8);
        for (int32_t sp = 21; sp < 24; ++sp) Teamspieler_Wert(317, 1, sp, TS_ERSATZ, 8);
        const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
        h = Spiele_Lock(block, 0, 0, 0);
        Spiele_Set_Teams(h, 1, 2);
        Spiele_Set_Ergebnis(h, 0, 0, 0);
        Spiele_Ereignis_Speicher_Reservieren(h);
        Spielfeld_Init();
        ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 0, 0, nullptr, 1, 0));
        r = Spielfeld_Get_Spiel(h);
        Spiele_Set_Minute(h, 90);
    }
    void TearDown() override
    {
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
    int32_t note(int32_t slot) { return Spielfeld_Get_Spielernote(r, slot); }
    int32_t slot_von(int32_t spnr)
    {
        for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s)
            if (r->spieler[s].spnr == spnr) return s;
        return -1;
    }
    int32_t feldspieler_slot()
    {
        for (int32_t s = 0; s < 11; ++s)
            if (!r->objekt[s].torwart) return s;
        return -1;
    }
};

TEST_F(Spielernoten, TwentyMinutesOnThePitchEarnAMark)
{
    const int32_t s = feldspieler_slot();
    ASSERT_GE(s, 0);
    Spiele_Set_Minute(h, 19);
    EXPECT_EQ(note(s), -1);
    Spiele_Set_Minute(h, 20);
    EXPECT_GE(note(s), 10);
    // Nobody on the bench and an empty slot have none.
    Spiele_Set_Minute(h, 90);
    EXPECT_EQ(note(11), -1);
    EXPECT_EQ(note(15), -1);
    EXPECT_EQ(note(-1), -1);
    EXPECT_EQ(note(32), -1);
    EXPECT_EQ(Spielfeld_Get_Spielernote(nullptr, 0), -1);

    // A substitute on at 75 has none, the man he replaced keeps his; at 60 both have one.
    const int32_t bank = r->spieler[11].spnr, raus = r->spieler[s].spnr;
    Spiele_Set_Ereignis(h, uint32_t(EREIGNIS_WECHSEL) | SPE_HEIM, 75, bank, raus);
    r->spieler[11].zustand = SPIELFELD_AUF_DEM_PLATZ;
    EXPECT_EQ(note(11), -1);
    EXPECT_GE(note(s), 10);
    // Sent off after ten minutes: no mark either.
    const int32_t t = s + 1;
    Spiele_Set_Ereignis(h, SPE_ROT | SPE_HEIM, 10, r->spieler[t].spnr, 32767);
    EXPECT_EQ(note(t), -1);
}

TEST_F(Spielernoten, GoalsHelpCardsHurtWithinTenAndSixty)
{
    const int32_t s = feldspieler_slot();
    const int32_t spnr = r->spieler[s].spnr;
    const int32_t ohne = note(s);
    ASSERT_GE(ohne, 10);
    Spiele_Set_Ereignis(h, TOR_IM_SPIEL | SPE_HEIM, 30, spnr, 32767);
    const int32_t ein_tor = note(s);
    EXPECT_LT(ein_tor, ohne);
    // The goal won the game: his team-mates gain too, the keeper on the other side has nobody.
    EXPECT_LT(note(s == 1 ? 2 : 1), ohne);
    Spiele_Set_Ereignis(h, SPE_GELB | SPE_HEIM, 40, spnr, 32767);
    EXPECT_GT(note(s), ein_tor);
    for (int i = 0; i < 10; ++i) Spiele_Set_Ereignis(h, TOR_IM_SPIEL | SPE_HEIM, 50 + i, spnr, 32767);
    EXPECT_EQ(note(s), 10);
    // An own goal counts against him, not for him.
    const int32_t u = s + 1;
    const int32_t vorher = note(u);
    for (int i = 0; i < 10; ++i) Spiele_Set_Ereignis(h, TOR_IM_SPIEL | uint32_t(EREIGNIS_EIGENTOR), 60 + i, r->spieler[u].spnr, 32767);
    EXPECT_GT(note(u), vorher);
    EXPECT_LE(note(u), 60);
}

// An event moves only the marks of the players it names in its own place: a card's second name,
// or a number that shares the last six bits of a player's, leaves his mark alone.
TEST_F(Spielernoten, OnlyThePlayersAnEventNamesMove)
{
    int32_t vorher[16];
    for (int32_t s = 0; s < 16; ++s) vorher[s] = note(s);
    const int32_t s10 = slot_von(10), s11 = slot_von(11), s12 = slot_von(12), s13 = slot_von(13), s21 = slot_von(21);
    ASSERT_GE(s10, 0);
    ASSERT_GE(s13, 0);
    ASSERT_GE(s11, 0);
    ASSERT_GE(s12, 0);
    ASSERT_GE(s21, 0);
    ASSERT_EQ(vorher[s21], -1);
    ASSERT_GE(vorher[s13], 10);
    Spiele_Set_Ereignis(h, SPE_GELB | SPE_HEIM, 20, 10 + 64, 32767);
    Spiele_Set_Ereignis(h, SPE_GELB | SPE_HEIM, 25, 32767, 11);
    Spiele_Set_Ereignis(h, SPE_GELB | SPE_HEIM, 30, 12, 32767);
    Spiele_Set_Ereignis(h, uint32_t(EREIGNIS_WECHSEL) | SPE_HEIM, 30, 21, 32767);
    // off after a quarter of an hour: too short for a mark
    Spiele_Set_Ereignis(h, uint32_t(EREIGNIS_WECHSEL) | SPE_HEIM, 15, 32767, 13);
    for (int32_t s = 0; s < 16; ++s) {
        if (s == s12) EXPECT_EQ(note(s), vorher[s] + 3);
        else if (s == s13) EXPECT_EQ(note(s), -1);
        else if (s == s21) EXPECT_GE(note(s), 10);
        else EXPECT_EQ(note(s), vorher[s]) << s;
    }
}

TEST_F(Spielernoten, OnThePitchSavesAndGoalsLetInMoveTheKeepersMark)
{
    int32_t tw = -1;
    for (int32_t s = 0; s < 11; ++s)
        if (r->objekt[s].torwart) tw = s;
    ASSERT_GE(tw, 0);
    r->aktiv = 1;
    r->minute = 90;
    const int32_t ruhig = note(tw);
    r->statistik[tw][6] = 4;
    r->statistik[tw][7] = 4;
    const int32_t paraden = note(tw);
    EXPECT_LT(paraden, ruhig);
    r->statistik[tw][7] = 7;  // three of seven shots went in
    EXPECT_GT(note(tw), paraden);
    // A field player's saves-like bytes mean nothing for him.
    const int32_t s = feldspieler_slot();
    const int32_t feld = note(s);
    r->statistik[s][7] = 9;
    EXPECT_EQ(note(s), feld);
    // Duels and passes count on the pitch.
    r->statistik[s][4] = 6;
    EXPECT_LT(note(s), feld);
    r->statistik[s][4] = 0;
    r->statistik[s][3] = 6;
    r->statistik[s][0] = 10;
    EXPECT_GT(note(s), feld);
}

// Shoot-out kicks decide the tie, not the marks: a taker's kick is no goal of his, a tie won on
// penalties no win, and on the pitch a kick raises none of the keeper's figures, while its goal
// still counts in the score.
TEST_F(Spielernoten, ShootOutKicksLeaveTheMarksAlone)
{
    const int32_t s = feldspieler_slot(), spnr = r->spieler[s].spnr;
    const int32_t tw = s == 0 ? 1 : 0;
    ASSERT_TRUE(r->objekt[tw].torwart);
    Spiele_Set_Minute(h, 120);
    const int32_t feld = note(s), torwart = note(tw);
    for (int32_t i = 0; i < 4; ++i) Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 120, i == 0 ? spnr : 32767, 32767);
    for (int32_t i = 0; i < 3; ++i) Spiele_Set_Ereignis(h, SPE_TOR, 120, 32767, 32767);
    EXPECT_EQ(note(s), feld);
    EXPECT_EQ(note(tw), torwart);
    r->aktiv = 1;
    r->minute = 120;
    r->elfmeter_schuss = 1;
    r->letzte_beruehrung = 1;
    r->letzter_schuetze = 20;  // an away taker
    const int32_t vorher = note(tw), gast_tore = int8_t(Spiele_Get_Spiel(h, 0)->gast_tore);
    Spielfeld_Statistik_Zaehlen(r, tw, 6);
    Spielfeld_Tor_Eintragen(r, r->seiten_getauscht & 1);
    EXPECT_EQ(int8_t(Spiele_Get_Spiel(h, 0)->gast_tore), gast_tore + 1);
    EXPECT_EQ(r->statistik[tw][6] + r->statistik[tw][7], 0);
    EXPECT_EQ(note(tw), vorher);
}

// A real match day of the small world: the evaluation that closes it nominates per competition.
class Nominierungen : public Spieltag_Welt {
protected:
    struct Tag {
        std::map<std::pair<int32_t, int32_t>, int32_t> noten;  // (game, slot) -> mark
        std::set<int32_t> torhueter;
        std::vector<Spielfeld_Nominierung> elf;
        std::map<std::pair<int32_t, int32_t>, int32_t> zaehler;  // (competition, player) -> count
    };
    static Tag tag_abschliessen()
    {
        Tag t;
        for (Liste_Element* k = Spielfeld_Liste.next; k; k = k->next) {
            const Spielfeld_Record& rec = *reinterpret_cast<const Spielfeld_Record*>(k->data);
            for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s) {
                t.noten[{int32_t(rec.spiel), s}] = Spielfeld_Get_Spielernote(&rec, s);
                if (rec.objekt[s].torwart && rec.spieler[s].spnr >= 0) t.torhueter.insert(rec.spieler[s].spnr);
            }
        }
        Ablauf_Schritt();
        int32_t n = 0;
        const Spielfeld_Nominierung* nom = Spielfeld_Get_Nominierungen(&n);
        t.elf.assign(nom, nom + n);
        for (const Spielfeld_Nominierung& e : t.elf)
            for (int32_t sp : e.spieler)
                if (sp >= 0)
                    t.zaehler[{e.wettbewerb, sp}] =
                        Spiele_Get_Wettbewerb_Ereignis(e.wettbewerb, SPIELFELD_NOMINIERUNGS_ZAEHLER, -1, sp, -1, -1);
        return t;
    }
};

TEST_F(Nominierungen, TheSameDayTwiceGivesTheSameMarksElevenAndCounts)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    ASSERT_TRUE(Disk_Spielstand_Speichern("vorher"));
    const Tag a = tag_abschliessen();
    ASSERT_FALSE(a.elf.empty());
    int32_t mit_note = 0;
    for (const auto& [k, n] : a.noten) {
        if (n < 0) continue;
        ++mit_note;
        EXPECT_GE(n, 10);
        EXPECT_LE(n, 60);
    }
    EXPECT_GT(mit_note, 22);
    for (const Spielfeld_Nominierung& e : a.elf) {
        EXPECT_GE(e.wettbewerb, 0);
        // The keeper's place holds a keeper and only there stands one.
        if (e.spieler[0] >= 0) {
            EXPECT_TRUE(a.torhueter.count(e.spieler[0])) << e.wettbewerb;
        }
        std::set<int32_t> einmal;
        for (int32_t i = 0; i < 11; ++i) {
            if (e.spieler[i] < 0) continue;
            if (i > 0) {
                EXPECT_FALSE(a.torhueter.count(e.spieler[i])) << e.wettbewerb << " " << i;
            }
            EXPECT_TRUE(einmal.insert(e.spieler[i]).second);
        }
        EXPECT_GE(e.spieler[10], 0) << "a whole league day fills all eleven";
    }
    for (const auto& [k, n] : a.zaehler) EXPECT_EQ(n, 1);

    ASSERT_TRUE(Disk_Spielstand_Laden("vorher"));
    const Tag b = tag_abschliessen();
    EXPECT_EQ(b.noten, a.noten);
    ASSERT_EQ(b.elf.size(), a.elf.size());
    for (size_t i = 0; i < a.elf.size(); ++i)
        EXPECT_EQ(std::memcmp(&a.elf[i], &b.elf[i], 92), 0) << i;
    EXPECT_EQ(b.zaehler, a.zaehler);
}

// Each competition's eleven is its candidates taken in the order of all of them sorted (best
// mark, then the stronger, then the lower number), every place class up to its share.
TEST_F(Nominierungen, ElevensFollowTheCandidatesSortedInFull)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    struct Kandidat {
        int32_t note, kraft, spnr, team, klasse;
    };
    std::map<int32_t, Spielfeld_Nominierung> erwartet;
    int32_t wettbewerbe[SPIELFELD_MAX_NOMINIERUNGEN];
    const int32_t anzahl = Spieltag_Get_Wettbewerbe(wettbewerbe, SPIELFELD_MAX_NOMINIERUNGEN);
    std::vector<int32_t> spiele(SPIELFELD_MAX_SPIELE + 1);
    int32_t gleichstaende = 0;
    for (int32_t w = 0; w < anzahl; ++w) {
        std::vector<Kandidat> alle;
        ASSERT_TRUE(Spieltag_Get_Spiele(wettbewerbe[w], spiele.data(), int32_t(spiele.size())));
        for (int32_t i = 1; i <= spiele[0]; ++i) {
            const Spielfeld_Record* rec = Spielfeld_Get_Spiel(spiele[i]);
            if (!rec) continue;
            for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s) {
                const Spielfeld_Spieler& sp = rec->spieler[s];
                const int32_t note = sp.spnr >= 0 ? Spielfeld_Get_Spielernote(rec, s) : -1;
                if (note < 0) continue;
                const int32_t team = int32_t(rec->team[s / 16]);
                const int32_t pos = Teamspieler_Wert(310, team, sp.spnr, 0, 0);
                const int32_t klasse = rec->objekt[s].torwart || pos == 459   ? 0
                                       : pos < 0 || pos >= 459                ? 2
                                       : pos / 17 <= 8                        ? 1
                                       : pos / 17 <= 17                       ? 2
                                                                              : 3;
                alle.push_back({note, int32_t(sp.kraft), sp.spnr, team, klasse});
            }
        }
        if (alle.empty()) continue;
        std::sort(alle.begin(), alle.end(), [](const Kandidat& a, const Kandidat& b) {
            if (a.note != b.note) return a.note < b.note;
            if (a.kraft != b.kraft) return a.kraft > b.kraft;
            return a.spnr < b.spnr;
        });
        for (size_t i = 1; i < alle.size(); ++i) gleichstaende += alle[i].note == alle[i - 1].note;
        Spielfeld_Nominierung n{};
        n.wettbewerb = wettbewerbe[w];
        const int32_t erster[4] = {0, 1, 4, 8}, plaetze[4] = {1, 3, 4, 3};
        int32_t belegt[4] = {};
        for (int32_t i = 0; i < 11; ++i) n.spieler[i] = n.team[i] = -1;
        for (const Kandidat& k : alle) {
            if (belegt[k.klasse] == plaetze[k.klasse]) continue;
            const int32_t i = erster[k.klasse] + belegt[k.klasse]++;
            n.spieler[i] = k.spnr;
            n.team[i] = k.team;
        }
        erwartet[n.wettbewerb] = n;
    }
    // marks alike by the dozen: the order below the mark decides
    EXPECT_GT(gleichstaende, 20);
    const Tag t = tag_abschliessen();
    ASSERT_EQ(t.elf.size(), erwartet.size());
    for (const Spielfeld_Nominierung& e : t.elf) {
        ASSERT_TRUE(erwartet.count(e.wettbewerb)) << e.wettbewerb;
        const Spielfeld_Nominierung& x = erwartet[e.wettbewerb];
        for (int32_t i = 0; i < 11; ++i) {
            EXPECT_EQ(e.spieler[i], x.spieler[i]) << e.wettbewerb << " " << i;
            EXPECT_EQ(e.team[i], x.team[i]) << e.wettbewerb << " " << i;
        }
    }
}

// The marks kept from the statistics are the records' marks, and the evaluation's elevens drawn
// with them are the elevens drawn afresh from the records.
TEST_F(Nominierungen, KeptMarksAreTheRecordsMarksAndDrawTheSameElevens)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    ASSERT_TRUE(Disk_Spielstand_Speichern("vorher"));
    Spielfeld_Nominierungen_Eintragen();
    int32_t n = 0;
    const Spielfeld_Nominierung* nom = Spielfeld_Get_Nominierungen(&n);
    const std::vector<Spielfeld_Nominierung> frisch(nom, nom + n);
    ASSERT_TRUE(Disk_Spielstand_Laden("vorher"));
    Spielfeld_Tagesnoten noten;
    for (Liste_Element* k = Spielfeld_Liste.next; k; k = k->next) {
        const Spielfeld_Record& rec = *reinterpret_cast<const Spielfeld_Record*>(k->data);
        Spielfeld_Statistik_Nach_Spiel(&rec, &noten);
        ASSERT_NE(noten.noten_von(&rec), nullptr);
        for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s)
            if (rec.spieler[s].spnr >= 0) { EXPECT_EQ(noten.noten_von(&rec)[s], Spielfeld_Get_Spielernote(&rec, s)) << s; }
    }
    ASSERT_TRUE(Disk_Spielstand_Laden("vorher"));
    const Tag t = tag_abschliessen();
    ASSERT_EQ(t.elf.size(), frisch.size());
    for (size_t i = 0; i < frisch.size(); ++i) EXPECT_EQ(std::memcmp(&t.elf[i], &frisch[i], 92), 0) << i;
}

}  // namespace
