// The match day's clock and speed, and the games of a day played to their end.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "common/capture.h"
#include "match/pitch/spielfeld_ansicht.h"
#include "match/spieltag_welt.h"
#include "match/spielfeld_netz.h"
#include "match/spieltag_intern.h"
#include "matchview/spielansicht.h"
#include "network/netzuser.h"
#include "platform/os/os.h"
#include "platform/win95.h"

namespace {

class Spieltag_Uhr_Test : public Spieltag_Welt {
protected:
    // How a day ran out: its frames, its last minute, the frames of its run-out and each game's
    // goals and events.
    // Whether a game of the running day is a knock-out round's.
    static bool pokaltag()
    {
        for (const auto& [c, g] : spiele()) {
            (void)g;
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
            if (info && (info->modus & int32_t(KO_SYSTEM))) return true;
        }
        return false;
    }
    struct Tag {
        int32_t frames = 0, minute = 0, auslauf = 0;
        std::vector<std::array<int32_t, 3>> spiele;
        void ergebnisse_lesen()
        {
            minute = Spieltag_Uhr.minute;
            for (const auto& [c, g] : Spieltag_Welt::spiele()) {
                (void)c;
                const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
                spiele.push_back({m->heim_tore, m->gast_tore, m->ereignis_anzahl});
            }
        }
    };
};

TEST_F(Spieltag_Uhr_Test, SpeedAndTheClockOfAMinute)
{
    int32_t lo = 0, hi = 0;
    EXPECT_EQ(Spieltag_Get_Geschwindigkeit(&lo, &hi), 70);
    EXPECT_EQ(lo, 35);
    EXPECT_EQ(hi, 280);
    EXPECT_EQ(Spieltag_Set_Geschwindigkeit(34), 34);
    EXPECT_EQ(Spieltag_Set_Geschwindigkeit(281), 281);
    EXPECT_EQ(Spieltag_Get_Geschwindigkeit(nullptr, nullptr), 70);

    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    // A minute lasts as many clock units as the speed; the frame step of this build takes one a
    // frame.
    for (int32_t tempo : {70, 35}) {
        Spieltag_Set_Geschwindigkeit(tempo);
        int32_t minute = 0;
        float rest = 0;
        // Finish the running minute first.
        Spieltag_Get_Uhr(&minute, &rest);
        const int32_t start = minute;
        while (minute == start) {
            ASSERT_TRUE(Spieltag_Run(0));
            Spieltag_Get_Uhr(&minute, &rest);
        }
        EXPECT_EQ(rest, float(tempo));
        int32_t frames = 0;
        for (const int32_t jetzt = minute; minute == jetzt; ++frames) {
            ASSERT_TRUE(Spieltag_Run(0));
            Spieltag_Get_Uhr(&minute, nullptr);
        }
        EXPECT_EQ(frames, tempo) << "Tempo " << tempo;
    }
    Spieltag_Set_Geschwindigkeit(70);

    // The day runs to its end; then 175 units more before Run says it is over.
    while (Spieltag_Uhr.vorlauf == 0) ASSERT_TRUE(Spieltag_Run(0));
    EXPECT_EQ(Spieltag_Uhr.vorlauf, SPIELTAG_AUSLAUF);
    int32_t wahr = 0;
    while (Spieltag_Run(0)) ++wahr;
    EXPECT_EQ(wahr, SPIELTAG_AUSLAUF - 1);
    EXPECT_EQ(Spieltag_Uhr.vorlauf, 0);
    for (const auto& [c, g] : spiele()) {
        (void)c;
        EXPECT_GE(Spiele_Get_Spiel(g, 1)->heim_tore, 0);
    }
}

// The first half of a day whose games are watched live (the view loaded), run to its end: the
// main loop's state and the day's minute then.
std::pair<int32_t, int32_t> erste_halbzeit_beenden()
{
    Spielfeld_Ansicht_Flag_Setzen(1);
    for (int32_t i = 0; i < 200000 && Ablauf_Zustand == ABLAUF_SPIEL_LAEUFT && Spieltag_Uhr.minute < 50; ++i)
        if (!Spieltag_Run(0)) break;
    Spielfeld_Ansicht_Flag_Setzen(0);
    return {Ablauf_Zustand, Spieltag_Uhr.minute};
}

// Alone, the main loop takes the break (the dressing room) and kicks off the second half itself;
// a server in network play kicks off at once, in step with its clients.
TEST_F(Spieltag_Uhr_Test, AWatchedLoneDayBreaksAtHalfTime)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    const auto [zustand, minute] = erste_halbzeit_beenden();
    EXPECT_EQ(zustand, ABLAUF_HALBZEIT);
    EXPECT_LT(minute, 50);
    EXPECT_TRUE(Spieltag_Halbzeit_Wartet());
    // The break over, the loop kicks off and the second half runs.
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    EXPECT_FALSE(Spieltag_Halbzeit_Wartet());
    for (int32_t i = 0; i < 2000; ++i) ASSERT_TRUE(Spieltag_Run(0));
    EXPECT_GT(Spieltag_Uhr.minute, minute);
}

TEST_F(Spieltag_Uhr_Test, ANetworkedDayKicksOffTheSecondHalfAtOnce)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    Mitspieler[0].in_benutzung = 1;
    const auto [zustand, minute] = erste_halbzeit_beenden();
    Mitspieler[0].in_benutzung = 0;
    EXPECT_EQ(zustand, ABLAUF_SPIEL_LAEUFT);
    EXPECT_EQ(minute, 50);
    EXPECT_FALSE(Spieltag_Halbzeit_Wartet());
}

// A club plays on the pitch from the kick-off to the final whistle, the break included (its record
// rests then); a club whose game is not on the pitch does not. A remote client's match day ends on it.
TEST_F(Spieltag_Uhr_Test, AClubPlaysOnThePitchUntilTheFinalWhistle)
{
    // The manager's club is broadcast live: its game is played on the pitch.
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Hat_Manager(t)) Team_Wert(TEAM_FLAGS, t, 8, TEAM_SETZEN);
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    Spielfeld_Record* r = nullptr;
    int32_t ohne = -1;
    for (const auto& [c, g] : spiele()) {
        (void)c;
        Spielfeld_Record* x = Spielfeld_Get_Spiel(g);
        if (x && x->aktiv && !r) r = x;
        else if (x && !x->aktiv && ohne < 0) ohne = int32_t(x->team[1]);
    }
    ASSERT_NE(r, nullptr);
    const int32_t team = int32_t(r->team[0]);
    EXPECT_TRUE(Spieltag_Team_Spielt_Auf_Dem_Platz(team));
    if (ohne >= 0) { EXPECT_FALSE(Spieltag_Team_Spielt_Auf_Dem_Platz(ohne)); }
    EXPECT_FALSE(Spieltag_Team_Spielt_Auf_Dem_Platz(-1));

    // Networked, the second half kicks off at once.
    Mitspieler[0].in_benutzung = 1;
    bool pause = false;
    for (int32_t i = 0; i < 400000 && Spieltag_Team_Spielt_Auf_Dem_Platz(team); ++i) {
        if (r->spielende == 2) pause = true;
        if (!Spieltag_Run(0)) break;
    }
    Mitspieler[0].in_benutzung = 0;
    EXPECT_TRUE(pause) << "the record never rested between the halves";
    EXPECT_FALSE(Spieltag_Team_Spielt_Auf_Dem_Platz(team));
    EXPECT_GE(r->minute, 90);
    EXPECT_EQ(r->spielende, 2);
}

// In network play each game on the pitch draws its own stoppage time on its own sequence: the PCs
// that play a game on their pitches end its half at the same minute, whichever other games of the
// competition are on a pitch there too.
TEST_F(Spieltag_Uhr_Test, ANetworkedGameOnThePitchKeepsItsOwnStoppageTime)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    // Two games of one competition, both on the pitch.
    std::vector<Spielfeld_Record*> rs;
    int32_t wettbewerb = -1;
    for (const auto& [c, g] : spiele()) {
        if (rs.size() == 2 || (wettbewerb >= 0 && c != wettbewerb)) continue;
        if (Spielfeld_Record* r = Spielfeld_Get_Spiel(g)) {
            wettbewerb = c;
            rs.push_back(r);
        }
    }
    ASSERT_EQ(rs.size(), 2u);
    const int32_t ende = Wettbewerb_Get_Halbzeit_Ende(wettbewerb, 0x7FFF, 0);
    ASSERT_GT(ende, 0);
    // Sequences whose first stoppage draws differ, the first game's longer.
    std::vector<int32_t> erwartet;
    for (uint32_t seed = 4711u; erwartet.size() < 2; ++seed) {
        Zufall_Set_Seed(int32_t(seed));
        const int32_t z = Zufall(0, 5);
        if (erwartet.empty() ? z < 2 : ende + z >= erwartet[0]) continue;
        Spielfeld_Record* r = rs[erwartet.size()];
        r->aktiv = 1;
        r->spielende = 0;
        r->seed = seed;
        erwartet.push_back(ende + z);
    }
    Mitspieler[0].in_benutzung = 1;
    std::vector<int32_t> beendet(2, -1);
    // Minute by minute, each record's check on its own sequence, as the frame step makes it.
    for (int32_t minute = ende; minute <= ende + 6; ++minute)
        for (size_t k = 0; k < 2; ++k) {
            if (beendet[k] >= 0) continue;
            rs[k]->minute = uint16_t(minute);
            Zufall_Set_Seed(int32_t(rs[k]->seed));
            if (Spieltag_Halbzeit_Auf_Dem_Platz_Pruefen(rs[k])) beendet[k] = minute;
            rs[k]->seed = uint32_t(Zufall_Get_Seed());
        }
    Mitspieler[0].in_benutzung = 0;
    EXPECT_EQ(beendet, erwartet);
    for (Spielfeld_Record* r : rs) EXPECT_EQ(r->spielende, 2);
}

// A networked game whose half is over rests on the pitch until its kick-off: a client kicks off at
// once and the server only when its other games are done, so a step in the break would make the
// halves after it differ between them. A lone PC's game walks on.
TEST_F(Spieltag_Uhr_Test, ANetworkedGameRestsOnThePitchBetweenTheHalves)
{
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Hat_Manager(t)) Team_Wert(TEAM_FLAGS, t, 8, TEAM_SETZEN);
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    Spielfeld_Record* r = nullptr;
    for (const auto& [c, g] : spiele()) {
        (void)c;
        Spielfeld_Record* x = Spielfeld_Get_Spiel(g);
        if (x && x->aktiv && !r) r = x;
    }
    ASSERT_NE(r, nullptr);
    const int32_t team = int32_t(r->team[0]);
    // A participant holds the home club; his sides count as out, so nothing waits for him.
    Win95_Netz_Modus = 2;
    Mitspieler[0].in_benutzung = 1;
    Mitspieler[0].team = team;
    Spielfeld_Netz_Client_Raus(team);
    for (int32_t i = 0; i < 400000 && r->spielende != 2; ++i)
        if (!Spieltag_Run(0)) break;
    ASSERT_EQ(r->spielende, 2);
    auto bild = [](const Spielfeld_Record* x) {
        std::vector<uint8_t> b(SPIELFELD_RECORD_BYTES);
        Spielfeld_Record_Schreiben(*x, b.data());
        return b;
    };
    const std::vector<uint8_t> am_ende = bild(r);
    uint8_t halt = 0;
    for (int32_t i = 0; i < 100; ++i) Spielfeld_Run(Spieltag_Uhr.minute, 0, 1, 0, &halt, 0);
    const bool geruht = bild(r) == am_ende;
    // The same break on a lone PC.
    Mitspieler[0].in_benutzung = 0;
    Win95_Netz_Modus = 0;
    for (int32_t i = 0; i < 100; ++i) Spielfeld_Run(Spieltag_Uhr.minute, 0, 1, 0, &halt, 0);
    const bool gelaufen = bild(r) != am_ende;
    Mitspieler[0].team = -1;
    Spielfeld_Netz_Zuruecksetzen();
    EXPECT_TRUE(geruht);
    EXPECT_TRUE(gelaufen);
}

// A day nobody sees (headless, the script holding its input on "wait input" until the day's
// screens are gone) passes each minute in one frame and skips the run-out, and its games end as
// they do frame by frame.
TEST_F(Spieltag_Uhr_Test, ADayNobodySeesPassesAMinuteAFrameAndEndsTheSame)
{
    auto spielen = [&](bool ungesehen) {
        Tag t;
        EXPECT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
        // The first league day: a cup day's shoot-outs go by the kick, not by the minute.
        for (int32_t tage = 0; tage < 10 && pokaltag(); ++tage) {
            EXPECT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
            Ablauf_Schritt();
            EXPECT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
        }
        if (ungesehen) {
            Os_Script_Load_Text("wait input\n");
            Os_Script_Laufender_Schirm(true);
            Win95_Message_Pump();
            EXPECT_TRUE(Os_Script_Laesst_Laufen());
        }
        for (; t.frames < 100000 && Spieltag_Uhr.vorlauf == 0; ++t.frames)
            if (!Spieltag_Run(0)) break;
        const int32_t minute = Spieltag_Uhr.minute;
        while (t.auslauf < 1000 && Spieltag_Run(0)) ++t.auslauf;
        t.ergebnisse_lesen();
        t.minute = minute;
        Os_Script_Stop();
        return t;
    };
    if (!Os_Headless()) GTEST_SKIP() << "only a headless run holds its frames unseen";
    const Tag gesehen = spielen(false);
    TearDown();
    SetUp();
    const Tag ungesehen = spielen(true);
    EXPECT_GT(gesehen.frames, 60 * gesehen.minute);
    EXPECT_LE(ungesehen.frames, ungesehen.minute + 10);
    EXPECT_EQ(ungesehen.minute, gesehen.minute);
    // The run-out after the last game: its frames in sight, none out of it.
    EXPECT_EQ(gesehen.auslauf, SPIELTAG_AUSLAUF - 1);
    EXPECT_EQ(ungesehen.auslauf, 0);
    EXPECT_EQ(ungesehen.spiele, gesehen.spiele);
    ASSERT_FALSE(gesehen.spiele.empty());
}

// A lone manager's live game over (here at the hour) while the day's other games play on: they
// come a minute a frame, not at the live pace, and end as they would have at the live pace.
TEST_F(Spieltag_Uhr_Test, OnceTheLiveGameIsOverTheOthersPlayAMinuteAFrameAndEndTheSame)
{
    int32_t minuten[2] = {0, 0};
    auto spielen = [&](bool eilen) {
        Tag t;
        for (int32_t k = 0; k < Team_Anzahl; ++k)
            if (Team_Hat_Manager(k)) Team_Wert(TEAM_FLAGS, k, 8, TEAM_SETZEN);
        EXPECT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
        int32_t live = -1;
        for (const auto& [c, g] : spiele()) {
            (void)c;
            if (const Spielfeld_Record* r = Spielfeld_Get_Spiel(g); r && r->aktiv && live < 0) live = g;
        }
        EXPECT_GE(live, 0);
        EXPECT_TRUE(Ablauf_Allein());
        for (int32_t i = 0; i < 400000 && Spieltag_Uhr.minute < 60; ++i)
            if (!Spieltag_Run(0)) break;
        Spieltag_Eintrag e;
        uint32_t i = 0;
        EXPECT_TRUE(spieltag_spiel_finden(live, &e, &i));
        spieltag_spiel_aus(e, i);
        Spielfeld_Halbzeit_Beenden(live);
        const int32_t start = Spieltag_Uhr.minute;
        Spieltag_Rest_Eilt = eilen;
        for (; t.frames < 100000 && Spieltag_Uhr.vorlauf == 0; ++t.frames)
            if (!Spieltag_Run(0)) break;
        Spieltag_Rest_Eilt = true;
        t.ergebnisse_lesen();
        minuten[eilen] = t.minute - start;
        return t;
    };
    const Tag live_tempo = spielen(false);
    TearDown();
    SetUp();
    const Tag eilig = spielen(true);
    ASSERT_GT(minuten[0], 20);
    EXPECT_GT(live_tempo.frames, 30 * minuten[0]);
    EXPECT_LE(eilig.frames, minuten[1] + 2);
    EXPECT_EQ(eilig.minute, live_tempo.minute);
    EXPECT_EQ(eilig.spiele, live_tempo.spiele);
}

}  // namespace

namespace {

// A day whose games are all other clubs' (the manager has none today, or his are over): they
// come a minute a frame, not at the pace of a game watched, unless he follows them in the
// overview; and "Ende" leaves at once, the day's results worked out in that frame.
TEST_F(Spieltag_Uhr_Test, OtherClubsGamesComeAMinuteAFrameAndEndeLeavesAtOnce)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    ASSERT_TRUE(Ablauf_Allein());
    for (int32_t i = 0; i < 400000 && Spieltag_Uhr.minute < 50; ++i) ASSERT_TRUE(Spieltag_Run(0));
    // His game plays in the background: at the pace of a game watched.
    EXPECT_FALSE(Spieltag_Nur_Andere_Spielen());
    auto frames_fuer = [](int32_t minuten) {
        const int32_t bis = Spieltag_Uhr.minute + minuten;
        int32_t frames = 0;
        while (Spieltag_Uhr.minute < bis && frames < 100000 && Spieltag_Run(0)) ++frames;
        return frames;
    };
    EXPECT_GE(frames_fuer(2), 2 * 35);
    int32_t eigene = 0;
    for (const auto& [c, g] : spiele()) {
        const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
        if (!Team_Hat_Manager(m->heim) && !Team_Hat_Manager(m->gast)) continue;
        Spieltag_Eintrag e;
        uint32_t i = 0;
        ASSERT_TRUE(spieltag_spiel_finden(g, &e, &i));
        spieltag_spiel_aus(e, i);
        ++eigene;
    }
    ASSERT_GT(eigene, 0);
    EXPECT_TRUE(Spieltag_Nur_Andere_Spielen());
    // A game on the pitch keeps him watching while it plays, whoever's clubs play in it.
    Spieltag_Eintrag e;
    uint32_t k = 0;
    int32_t fremd = -1;
    for (const auto& [c, g] : spiele())
        if (fremd < 0 && spieltag_spiel_finden(g, &e, &k) && e.zustand(k) == SPIELTAG_SPIELT && Spielfeld_Get_Spiel(g)) fremd = g;
    ASSERT_GE(fremd, 0);
    for (const uint32_t zustand : {uint32_t(SPIELTAG_SPIELT), uint32_t(SPIELTAG_AUS)}) {
        e.zustand(k) = zustand;
        Spielfeld_Get_Spiel(fremd)->aktiv = 1;
        spieltag_nachspielzeit_vergessen();  // the answer is kept for the minute
        EXPECT_EQ(Spieltag_Nur_Andere_Spielen(), zustand == SPIELTAG_AUS);
        Spielfeld_Get_Spiel(fremd)->aktiv = 0;
    }
    e.zustand(k) = SPIELTAG_SPIELT;
    EXPECT_LE(frames_fuer(10), 10 + 1);
    // Followed in the overview, they come at the watched pace again.
    const int32_t offen = Spielansicht_Offen, eingabe = Spielansicht_Eingabe;
    Spielansicht_Offen = Spielansicht_Eingabe = 1;
    const int32_t gefolgt = frames_fuer(1);
    Spielansicht_Offen = offen;
    Spielansicht_Eingabe = eingabe;
    EXPECT_GE(gefolgt, 35);

    // "Ende": the rest of the day in the frame that follows, up to a break between halves.
    Spielfeld_Steuerung.uebersicht_verlassen = 1;
    int32_t laeuft = 0;
    for (int32_t i = 0; i < 100000 && (Ablauf_Zustand == ABLAUF_SPIEL_LAEUFT || Ablauf_Zustand == ABLAUF_HALBZEIT); ++i) {
        laeuft += Ablauf_Zustand == ABLAUF_SPIEL_LAEUFT;
        Ablauf_Schritt();
    }
    EXPECT_LE(laeuft, 4);
    for (const auto& [c, g] : spiele()) EXPECT_GE(Spiele_Get_Spiel(g, 1)->heim_tore, 0);
}

}  // namespace
