// Penalty shoot-outs of background games: when they are decided, who kicks, and that the record's
// own seed drives them without moving the game's other draws.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "common/capture.h"
#include "competitions/statistik.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_schritt.h"
#include "match/pitch/spielfeld_standard.h"
#include "match/spieltag_welt.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/zufall.h"

namespace {

struct Schuss {
    int32_t seite;
    bool tor;
    bool operator==(const Schuss&) const = default;
};

class Spieltag_Elfmeter : public Spieltag_Welt {
protected:
    static Spieltag_Elfmeter_Eintrag eintrag(int32_t g)
    {
        Spieltag_Elfmeter_Eintrag x{};
        Liste_Element* e = Liste_Find_Key(Spieltag_Get_Elfmeter_Liste(), uint32_t(g));
        EXPECT_NE(e, nullptr);
        if (e) {
            EXPECT_TRUE(Spieltag_Elfmeter_Entpacken(static_cast<const uint8_t*>(e->data), e->size - LISTE_KOPF_BYTES, &x));
        }
        return x;
    }
    static int32_t tore(int32_t g, int32_t seite)
    {
        const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
        return seite ? m->gast_tore : m->heim_tore;
    }
    // The shoot-out of game g from a level score, kick by kick; the first side in *erster.
    static std::vector<Schuss> schiessen(int32_t g, int32_t* erster)
    {
        Spiele_Tore_Nullen(g);
        Liste_Element* alt = Liste_Find_Key(Spieltag_Get_Elfmeter_Liste(), uint32_t(g));
        if (alt) Liste_Delete_Element(Spieltag_Get_Elfmeter_Liste(), alt);
        Spieltag_Elfmeterschiessen_Starten(g);
        std::vector<Schuss> r;
        *erster = eintrag(g).erster;
        for (int i = 0; i < 200; ++i) {
            const int32_t k = eintrag(g).am_zug;
            const int32_t vorher = tore(g, k), andere = tore(g, 1 - k);
            const bool fertig = Spieltag_Elfmeterschiessen_Schritt(g);
            r.push_back({k, tore(g, k) == vorher + 1});
            EXPECT_EQ(tore(g, 1 - k), andere);
            if (fertig) return r;
        }
        ADD_FAILURE() << "no decision";
        return r;
    }
};

// Whether the kicks so far decide the shoot-out: within five pairs when the side behind cannot
// catch up any more, then after each full pair with the sides apart.
bool entschieden(const std::vector<Schuss>& s, size_t bis, int32_t erster)
{
    int32_t tore[2] = {0, 0}, geschossen[2] = {0, 0};
    for (size_t i = 0; i < bis; ++i) {
        tore[s[i].seite] += s[i].tor;
        ++geschossen[s[i].seite];
    }
    if (bis <= 10) {
        const int32_t rest_a = 5 - geschossen[erster], rest_b = 5 - geschossen[1 - erster];
        return tore[erster] + rest_a < tore[1 - erster] || tore[1 - erster] + rest_b < tore[erster];
    }
    return bis % 2 == 0 && tore[0] != tore[1];
}

TEST_F(Spieltag_Elfmeter, DecidedAsSoonAsTheSideBehindCannotCatchUp)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_VOR_SPIEL));
    const auto tag = spiele();
    int32_t frueh = 0, spaet = 0, schuesse = 0, treffer = 0;
    for (const auto& [c, g] : tag) {
        Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
        ASSERT_NE(r, nullptr);
        ASSERT_FALSE(r->aktiv);
        for (int runde = 0; runde < 12; ++runde) {
            const int32_t global = Zufall_Get_Seed();
            int32_t erster = -1;
            const std::vector<Schuss> s = schiessen(g, &erster);
            // The record's own seed kicks: the game's sequence has not moved.
            EXPECT_EQ(Zufall_Get_Seed(), global);
            ASSERT_FALSE(s.empty());
            EXPECT_EQ(s[0].seite, erster);
            for (size_t i = 1; i < s.size(); ++i) EXPECT_NE(s[i].seite, s[i - 1].seite);
            for (size_t i = 1; i < s.size(); ++i) EXPECT_FALSE(entschieden(s, i, erster)) << "kick " << i;
            EXPECT_TRUE(entschieden(s, s.size(), erster));
            (s.size() <= 10 ? frueh : spaet) += 1;
            for (const Schuss& k : s) treffer += k.tor;
            schuesse += int32_t(s.size());
        }
    }
    EXPECT_GT(frueh, 0);
    EXPECT_GT(spaet, 0);
    // A kick drawn in the background scores three times in four.
    ASSERT_GT(schuesse, 1000);
    EXPECT_NEAR(double(treffer) / schuesse, 0.75, 0.04) << schuesse << " kicks";
}

TEST_F(Spieltag_Elfmeter, SameSeedSameKicksAndTheTakersOfEachSide)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_VOR_SPIEL));
    const auto tag = spiele();
    ASSERT_GE(tag.size(), 4u);
    Spielfeld_Record* a = Spielfeld_Get_Spiel(tag[0].second);
    Spielfeld_Record* b = Spielfeld_Get_Spiel(tag[1].second);
    a->seed = b->seed = 123457;
    int32_t ea = -1, eb = -1;
    EXPECT_EQ(schiessen(tag[0].second, &ea), schiessen(tag[1].second, &eb));
    EXPECT_EQ(ea, eb);

    // One home starter: he takes every home kick.
    const int32_t g = tag[2].second;
    Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
    int32_t einer = -1;
    for (int32_t s = 0; s < 16; ++s)
        if (r->spieler[s].zustand == SPIELFELD_AUF_DEM_PLATZ) {
            if (einer < 0) einer = r->spieler[s].spnr;
            else r->spieler[s].zustand = SPIELFELD_ERSATZ;
        }
    ASSERT_GE(einer, 0);
    for (int runde = 0; runde < 3; ++runde) {
        int32_t erster = -1;
        schiessen(g, &erster);
        EXPECT_EQ(eintrag(g).anzahl[0], 1);
    }
    Spiele_Ereignis_Info e;
    int32_t heimtore = 0;
    for (bool da = Spiele_Get_Erstes_Ereignis(g, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e))
        if ((e.flags & SPE_TOR) && (e.flags & SPE_HEIM)) {
            ++heimtore;
            EXPECT_EQ(e.spieler_1, einer);
        }
    EXPECT_GT(heimtore, 0);

    // Nobody on the pitch on either side: the first side wins one goal to none.
    const int32_t h = tag[3].second;
    Spielfeld_Record* leer = Spielfeld_Get_Spiel(h);
    for (auto& s : leer->spieler) s.zustand = 0;
    Spiele_Tore_Nullen(h);
    Spieltag_Elfmeterschiessen_Starten(h);
    const Spiele_Spiel* m = Spiele_Get_Spiel(h, 1);
    EXPECT_EQ(m->heim_tore + m->gast_tore, 1);
    EXPECT_EQ(Liste_Find_Key(Spieltag_Get_Elfmeter_Liste(), uint32_t(h)), nullptr);
    Liste_Element* k = Liste_Find_Key(Spieltag_Get_Wettbewerbe_Liste(), uint32_t(tag[3].first));
    for (int32_t s = Spieltag_Wettbewerb_Erstes_Spiel(k); s; s = Spieltag_Naechstes_Spiel())
        if (s == h) {
            EXPECT_EQ(Spieltag_Get_Laeuft(-1), SPIELTAG_AUS);
        }

    // When the entry cannot be kept, the kicks are drawn at once and the game ends decided.
    const int32_t f = tag[2].second;
    Spiele_Tore_Nullen(f);
    Liste_Delete_All(Spieltag_Get_Elfmeter_Liste());
    Fehler_Capture fehler;
    Spieltag_Elfmeterschiessen_Starten(f);
    EXPECT_TRUE(fehler.contains("So ein Quatsch, kein Elferschiessen möglich\n"));
    EXPECT_NE(Spiele_Get_Spiel(f, 1)->heim_tore, Spiele_Get_Spiel(f, 1)->gast_tore);
    Liste_Init(Spieltag_Get_Elfmeter_Liste());
    k = Liste_Find_Key(Spieltag_Get_Wettbewerbe_Liste(), uint32_t(tag[2].first));
    for (int32_t s = Spieltag_Wettbewerb_Erstes_Spiel(k); s; s = Spieltag_Naechstes_Spiel())
        if (s == f) {
            EXPECT_EQ(Spieltag_Get_Laeuft(-1), SPIELTAG_AUS);
        }

    // A step without its entry reports and decides nothing.
    Fehler_Capture cap;
    EXPECT_FALSE(Spieltag_Elfmeterschiessen_Schritt(h));
    EXPECT_TRUE(cap.contains("Elferschiessen nicht mehr da??\n"));
}

// The takers are the eleven on the pitch: not a man sent off, who keeps his place in the record,
// nor one still walking off after a late substitution beside the man who replaced him (a side
// once reached its shoot-out with twelve and was told it played with too many). Each side's
// takers then step up in turn; once one man took every kick.
TEST_F(Spieltag_Elfmeter, TheElevenOnThePitchKickInTurn)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_VOR_SPIEL));
    const int32_t g = spiele()[0].second;
    Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
    ASSERT_NE(r, nullptr);
    ASSERT_FALSE(r->aktiv);
    auto erster_mit = [&](int32_t seite, uint32_t zustand, int32_t ab) {
        for (int32_t s = 16 * seite + ab; s < 16 * seite + 16; ++s)
            if (r->spieler[s].zustand == zustand && r->spieler[s].spnr >= 0) return s;
        return -1;
    };
    const int32_t geht = erster_mit(0, SPIELFELD_AUF_DEM_PLATZ, 1), kommt = erster_mit(0, SPIELFELD_ERSATZ, 0);
    const int32_t rot = erster_mit(1, SPIELFELD_AUF_DEM_PLATZ, 1);
    ASSERT_GE(geht, 0);
    ASSERT_GE(kommt, 0);
    ASSERT_GE(rot, 0);
    r->objekt[geht].zustand = '&';
    r->spieler[kommt].zustand = SPIELFELD_AUF_DEM_PLATZ;
    r->objekt[kommt].aktiv = 1;
    r->spieler[rot].zustand |= SPIELFELD_ROT;
    int32_t elf[2] = {0, 0};
    for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s) elf[s / 16] += r->spieler[s].zustand == SPIELFELD_AUF_DEM_PLATZ && s != geht;
    ASSERT_EQ(elf[0], 11);

    Spiele_Tore_Nullen(g);
    Fehler_Capture fehler;
    Spieltag_Elfmeterschiessen_Starten(g);
    EXPECT_FALSE(fehler.contains("zu vielen Spielern")) << fehler.texts.size();
    const Spieltag_Elfmeter_Eintrag start = eintrag(g);
    EXPECT_EQ(start.anzahl[0], 11);
    EXPECT_EQ(start.anzahl[1], elf[1]);
    const int32_t nie[2] = {r->spieler[geht].spnr, r->spieler[rot].spnr};
    std::vector<int32_t> schuetzen[2];
    bool fertig = false;
    for (int32_t i = 0; i < 60 && !fertig; ++i) {
        const Spieltag_Elfmeter_Eintrag x = eintrag(g);
        const int32_t k = x.am_zug;
        schuetzen[k].push_back(int32_t(x.schuetzen[k][x.index[k]]));
        fertig = Spieltag_Elfmeterschiessen_Schritt(g);
    }
    ASSERT_TRUE(fertig);
    for (int32_t k = 0; k < 2; ++k) {
        ASSERT_GE(schuetzen[k].size(), 2u);
        for (size_t i = 0; i < schuetzen[k].size(); ++i) {
            EXPECT_NE(schuetzen[k][i], nie[k]) << "side " << k << " kick " << i;
            // eleven takers round and round: the same man again only after the other ten
            if (i > 0) { EXPECT_EQ(schuetzen[k][i] == schuetzen[k][i - 1], start.anzahl[k] == 1) << "side " << k << " kick " << i; }
            if (i >= size_t(start.anzahl[k])) { EXPECT_EQ(schuetzen[k][i], schuetzen[k][i - start.anzahl[k]]); }
        }
    }
}

}  // namespace

namespace {

// A pitch game's shoot-out: each kick is set up on the pitch at the goal at x = 0 for the side to
// kick and its taker, ends on the pitch, and only then does the day count it.
TEST_F(Spieltag_Elfmeter, APitchGamesKicksAreTakenOnThePitchAndEachEnds)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_VOR_SPIEL));
    const int32_t g = spiele()[0].second;
    Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
    ASSERT_NE(r, nullptr);
    // The game taken to the pitch: its record filled for it.
    Spielfeld_Record_Fuellen(r, Spiele_Get_Spiel(g, 1), g, 2);
    ASSERT_TRUE(r->aktiv);
    Spiele_Tore_Nullen(g);
    Spieltag_Elfmeterschiessen_Starten(g);
    constexpr int32_t LAENGSTER_KICK = (SPIELFELD_STANDARD_WAECHTER_MS + SPIELFELD_ELFMETER_WAECHTER_MS) / SPIELFELD_SCHRITT_MS + 4;
    int32_t kicks = 0;
    bool fertig = false;
    // About three kicks in four score: after the five pairs a pair decides more often than not,
    // so that 60 kicks leave 25 undecided pairs, a chance of about 1 in 100,000.
    while (!fertig && kicks < 60) {
        const Spieltag_Elfmeter_Eintrag x = eintrag(g);
        ASSERT_EQ(r->situation, SITUATION_ELFMETERSCHIESSEN) << kicks;
        ASSERT_EQ(r->elfmeter_schuss, 1);
        EXPECT_EQ(r->objekt[SPIELFELD_BALL].x, float(Spielfeld_Masse[8]));
        // side k attacks the goal at x = 0
        EXPECT_EQ(r->tor_x[x.am_zug], 0);
        ASSERT_GE(r->schuetze_bestimmt, 16 * x.am_zug);
        ASSERT_LT(r->schuetze_bestimmt, 16 * x.am_zug + 16);
        EXPECT_EQ(uint32_t(r->spieler[r->schuetze_bestimmt].spnr), x.schuetzen[x.am_zug][x.index[x.am_zug]]);
        // While the kick runs the day waits.
        EXPECT_FALSE(Spielfeld_Elfmeterschiessen_Wartet(g));
        int32_t n = 0;
        const int32_t global = Zufall_Get_Seed();
        Zufall_Set_Seed(int32_t(r->seed));
        while (!Spielfeld_Elfmeterschiessen_Wartet(g) && n < 2 * LAENGSTER_KICK) {
            Spielfeld_Record_Schritt(r, SPIELFELD_SCHRITT_MS);
            ++n;
        }
        r->seed = uint32_t(Zufall_Get_Seed());
        Zufall_Set_Seed(global);
        ASSERT_LE(n, LAENGSTER_KICK) << "kick " << kicks << " never ended";
        fertig = Spieltag_Elfmeterschiessen_Schritt(g);
        ++kicks;
        if (!fertig) {
            EXPECT_EQ(eintrag(g).am_zug, 1 - x.am_zug);
        }
    }
    EXPECT_GE(kicks, 6);
    EXPECT_TRUE(fertig) << "the shoot-out was not decided";
}

// Penalties on the pitch, kick by kick until each is over: on the record's own seed.
class Elfmeter_Auf_Dem_Platz : public Spieltag_Elfmeter {
protected:
    void SetUp() override
    {
        Spieltag_Elfmeter::SetUp();
        ASSERT_TRUE(bis_zustand(ABLAUF_VOR_SPIEL));
        g = spiele()[0].second;
        r = Spielfeld_Get_Spiel(g);
        ASSERT_NE(r, nullptr);
        Spielfeld_Record_Fuellen(r, Spiele_Get_Spiel(g, 1), g, 2);
    }
    // Steps the record while weiter() holds, at most n frames; the number of frames.
    template <class F>
    int32_t schritte(int32_t n, F weiter)
    {
        const int32_t global = Zufall_Get_Seed();
        Zufall_Set_Seed(int32_t(r->seed));
        int32_t i = 0;
        for (; i < n && weiter(); ++i) Spielfeld_Record_Schritt(r, SPIELFELD_SCHRITT_MS);
        r->seed = uint32_t(Zufall_Get_Seed());
        Zufall_Set_Seed(global);
        return i;
    }
    int32_t tore() const { return r->tore[0] + r->tore[1]; }
    // The i-th field player on the pitch of side k, round and round.
    int32_t schuetze(int32_t k, int32_t i) const
    {
        std::vector<int32_t> feld;
        for (int32_t s = 16 * k; s < 16 * k + 16; ++s)
            if (r->spieler[s].zustand == SPIELFELD_AUF_DEM_PLATZ && !r->objekt[s].torwart) feld.push_back(s);
        return feld.empty() ? -1 : feld[size_t(i) % feld.size()];
    }
    int32_t g = -1;
    Spielfeld_Record* r = nullptr;
};

constexpr int32_t KICKS = 400;

// 400 shoot-out kicks, taken in turn by the field players of both sides, score about three in
// four, as the kicks of a shoot-out drawn in the background. Keepers once saved all but one in 18.
TEST_F(Elfmeter_Auf_Dem_Platz, ShootOutKicksMostlyScore)
{
    int32_t treffer = 0;
    for (int32_t i = 0; i < KICKS; ++i) {
        const int32_t k = i & 1;
        Spielfeld_Elfmeterschiessen_Aufstellen(g, k, schuetze(k, i / 2));
        const int32_t vorher = r->tore[k];
        schritte(2000, [&] { return !Spielfeld_Elfmeterschiessen_Wartet(g); });
        ASSERT_TRUE(Spielfeld_Elfmeterschiessen_Wartet(g)) << "kick " << i;
        treffer += uint8_t(r->tore[k] - vorher);
    }
    EXPECT_NEAR(double(treffer) / KICKS, 0.75, 0.1) << treffer << " of " << KICKS << " shoot-out kicks";
}

// The keeper goes for a corner as the kick is taken, the way his penalty instruction says: told to
// go left (the lower y at the goal at x = 0, facing the pitch) he never goes right, whichever
// corner the ball is for (beaten in his corner he may fall short, in the middle), and the other
// way round.
TEST_F(Elfmeter_Auf_Dem_Platz, TheKeeperGoesTheWayHisInstructionSays)
{
    const float mitte = float(Spielfeld_Masse[10]);
    for (const uint8_t anweisung : {uint8_t(2), uint8_t(3)}) {
        const float seite = anweisung == 2 ? -1.0f : 1.0f;
        int32_t falsch = 0, gegangen = 0, ball_drueben = 0;
        for (int32_t i = 0; i < 60; ++i) {
            const int32_t k = i & 1;
            int32_t tw = -1;
            for (int32_t s = 16 * (1 - k); s < 16 * (1 - k) + 16 && tw < 0; ++s)
                if (r->objekt[s].torwart && r->spieler[s].zustand == SPIELFELD_AUF_DEM_PLATZ) tw = s;
            ASSERT_GE(tw, 0);
            r->spieler[tw].anweisung[9] = anweisung;
            Spielfeld_Elfmeterschiessen_Aufstellen(g, k, schuetze(k, i / 2));
            schritte(2000, [&] { return !Spielfeld_Elfmeterschiessen_Wartet(g) && r->strafstoss != STRAFSTOSS_TORWART_WEG; });
            if (r->strafstoss == STRAFSTOSS_TORWART_WEG) {
                ++gegangen;
                const float sprung = Spielfeld_Aktueller_Auftrag(&r->objekt[tw])->ziel[1];
                const float schuss = Spielfeld_Aktueller_Auftrag(&r->objekt[SPIELFELD_BALL])->ziel[1];
                falsch += (sprung - mitte) * seite < 0.0f;
                ball_drueben += (schuss - mitte) * seite < 0.0f;
            }
            schritte(2000, [&] { return !Spielfeld_Elfmeterschiessen_Wartet(g); });
        }
        EXPECT_GT(gegangen, 50) << int(anweisung);
        EXPECT_GT(ball_drueben, 10) << int(anweisung);
        EXPECT_EQ(falsch, 0) << int(anweisung);
    }
}

// So do 400 penalties in play, a goal from the rebound within 3 s counting.
TEST_F(Elfmeter_Auf_Dem_Platz, PenaltiesInPlayMostlyScore)
{
    int32_t treffer = 0, genommen = 0;
    for (int32_t i = 0; i < KICKS; ++i) {
        // in the first half, towards either end
        r->minute = 10;
        r->spielende = 0;
        Spielfeld_Objekt_Setzen(r, SPIELFELD_BALL, (i & 1) ? Spielfeld_Masse[0] - 1000 : 1000, Spielfeld_Masse[1] / 2, 0);
        Spielfeld_Elfmeter_Aufstellen(r);
        const int32_t vorher = tore();
        schritte(1000, [&] { return r->situation != SITUATION_SPIEL; });
        genommen += r->situation == SITUATION_SPIEL;
        schritte(3000 / SPIELFELD_SCHRITT_MS, [&] { return tore() == vorher; });
        treffer += tore() != vorher;
        // the kick-off after a goal, or play on
        schritte(400, [&] { return r->situation != SITUATION_SPIEL; });
    }
    EXPECT_EQ(genommen, KICKS);
    EXPECT_NEAR(double(treffer) / KICKS, 0.75, 0.1) << treffer << " of " << KICKS << " penalties in play";
}

}  // namespace

namespace {

int32_t karriere_tore(int32_t spnr)
{
    Statistik_Spieler s{};
    return Spiele_Get_Statistik_Spieler(spnr, &s) ? s.tore : 0;
}

// The last goal event of game g.
Spiele_Ereignis_Info letztes_tor(int32_t g)
{
    Spiele_Ereignis_Info e{}, tor{};
    for (bool da = Spiele_Get_Erstes_Ereignis(g, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e))
        if (e.flags & SPE_TOR) tor = e;
    return tor;
}

// A shoot-out kick scores for the side, not for the taker: on the pitch as in the background the
// goal is stored without a shot (so that the score counts it and his goals do not), and his
// career goals stay. The pitch once booked it as an open-play goal and raised them.
TEST_F(Elfmeter_Auf_Dem_Platz, AShootOutGoalCountsForTheSideNotAsTheTakersGoal)
{
    int32_t tor_k = -1, spnr = -1, vorher_karriere = 0;
    for (int32_t i = 0; i < 20 && tor_k < 0; ++i) {
        const int32_t k = i & 1, t = schuetze(k, i / 2);
        spnr = r->spieler[t].spnr;
        vorher_karriere = karriere_tore(spnr);
        const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
        const int32_t vorher = k ? m->gast_tore : m->heim_tore;
        Spielfeld_Elfmeterschiessen_Aufstellen(g, k, t);
        schritte(2000, [&] { return !Spielfeld_Elfmeterschiessen_Wartet(g); });
        m = Spiele_Get_Spiel(g, 1);
        if ((k ? m->gast_tore : m->heim_tore) == vorher + 1) tor_k = k;
    }
    ASSERT_GE(tor_k, 0) << "no goal in 20 kicks";
    const Spiele_Ereignis_Info auf_dem_platz = letztes_tor(g);
    EXPECT_EQ(auf_dem_platz.spieler_1, spnr);
    EXPECT_EQ((auf_dem_platz.flags & SPE_HEIM) != 0, tor_k == 0);
    EXPECT_EQ(karriere_tore(spnr), vorher_karriere);

    // A game of the day in the background: its kicks are drawn, stored alike.
    int32_t h = -1;
    for (const auto& [c, s] : spiele())
        if (s != g && h < 0) h = s;
    ASSERT_GE(h, 0);
    Spiele_Tore_Nullen(h);
    Spieltag_Elfmeterschiessen_Starten(h);
    std::map<int32_t, int32_t> karriere;
    const Spieltag_Elfmeter_Eintrag x = eintrag(h);
    for (int32_t seite = 0; seite < 2; ++seite)
        for (int32_t i = 0; i < x.anzahl[seite]; ++i) karriere[int32_t(x.schuetzen[seite][i])] = karriere_tore(int32_t(x.schuetzen[seite][i]));
    Spiele_Ereignis_Info im_hintergrund{};
    for (int32_t i = 0; i < 40 && !(im_hintergrund.flags & SPE_TOR); ++i) {
        const bool fertig = Spieltag_Elfmeterschiessen_Schritt(h);
        im_hintergrund = letztes_tor(h);
        if (fertig) break;
    }
    ASSERT_NE(im_hintergrund.flags & SPE_TOR, 0u);
    ASSERT_EQ(karriere.count(im_hintergrund.spieler_1), 1u);
    EXPECT_EQ(karriere_tore(im_hintergrund.spieler_1), karriere[im_hintergrund.spieler_1]);
    EXPECT_EQ(auf_dem_platz.flags & ~uint32_t(SPE_HEIM), im_hintergrund.flags & ~uint32_t(SPE_HEIM));
}

}  // namespace
