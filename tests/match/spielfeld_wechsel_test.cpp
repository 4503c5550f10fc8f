// Substitutions at a stoppage: which entries are dropped, who walks where, the kick-off's instant
// change, the goalkeeper's flag, and the assistant's choice of the pair.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "gameflow/globals.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "match/spielfeld_szene.h"
#include "network/mw_user_login.h"
#include "network/client.h"
#include "network/netzuser.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {

constexpr float L = 10800;

class Wechsel : public Spielfeld_Szene {
protected:
    void SetUp() override
    {
        Spielfeld_Szene::SetUp();
        r->wechsel_uebrig[0] = r->wechsel_uebrig[1] = 3;
        r->situation = SITUATION_EINWURF;
        r->kopf.code = 0;
    }
    void paar(int32_t s, int32_t k, int32_t ein, int32_t aus)
    {
        r->einwechsel[s][k] = int8_t(ein);
        r->auswechsel[s][k] = int8_t(aus);
    }
    bool ziel_bei(int32_t slot, float x, float y)
    {
        for (const Spielfeld_Auftrag& a : r->objekt[slot].auftrag)
            if (a.animation >= 0 && a.ziel[0] == x && a.ziel[1] == y) return true;
        return false;
    }
    void drittel_setzen(int32_t slot, int32_t x)
    {
        r->spieler[slot].taktik_punkte[2] = r->spieler[slot].taktik_punkte[3] = x;
    }
    void staerke(int32_t slot, uint16_t w)
    {
        for (uint16_t& f : r->spieler[slot].faehigkeit) f = w;
    }
};

TEST_F(Wechsel, AnIncomingPlayerAlreadyOnIsDroppedWithoutEventAndASentOffManLeavesSilently)
{
    spieler(3, 4000, 3000);
    spieler(4, 4500, 3000);
    paar(0, 0, 3, -1);
    Spielfeld_Wechsel_Ausfuehren(r.get());
    EXPECT_EQ(r->einwechsel[0][0], -1);
    EXPECT_EQ(r->wechsel[0], 0);
    EXPECT_EQ(r->kopf.code, 0u);
    // Sent off, nobody in his place: he walks, but nothing is reported.
    r->spieler[4].zustand |= SPIELFELD_ROT;
    paar(0, 1, -1, 4);
    Spielfeld_Wechsel_Ausfuehren(r.get());
    EXPECT_EQ(r->kopf.code, 0u);
    EXPECT_EQ(r->objekt[4].zustand, '&');
    EXPECT_EQ(r->letzter_platzverweis, 4);
    EXPECT_EQ(r->auswechsel[0][1], -1);
}

TEST_F(Wechsel, WalksCountAndKeepApartByEntryAndSide)
{
    spieler(2, 4000, 3000);
    spieler(12, 5000, -300, false, SPIELFELD_ERSATZ);
    spieler(18, 6000, 3000);
    spieler(28, 6000, -300, false, SPIELFELD_ERSATZ);
    paar(0, 2, 12, 2);
    paar(1, 0, 28, 18);
    r->laufende_spieler = -1;  // the frame step's mark that earlier walks are over
    Spielfeld_Wechsel_Ausfuehren(r.get());
    EXPECT_EQ(r->laufende_spieler, 4);
    EXPECT_TRUE(ziel_bei(12, L / 2 - 800 + 200, 0));
    EXPECT_TRUE(ziel_bei(2, L / 2 - 800 + 200, 200));
    EXPECT_TRUE(ziel_bei(28, L / 2 - 800 + 900, 0));
    EXPECT_TRUE(ziel_bei(18, L / 2 - 800 + 900, 200));
    EXPECT_EQ(r->objekt[12].zustand, '$');
    EXPECT_EQ(r->spieler[12].zustand, SPIELFELD_AUF_DEM_PLATZ);
    EXPECT_EQ(r->wechsel[0], 1);
    EXPECT_EQ(r->wechsel[1], 1);
    EXPECT_EQ(r->wechsel_uebrig[0], 2);
    EXPECT_NE(r->kopf.code & EREIGNIS_WECHSEL, 0u);
    // Situation 9 holds play until the walks end.
    Spielfeld_Situation_Zuruecksetzen(r.get());
    EXPECT_EQ(r->situation, SITUATION_WECHSEL);
}

TEST_F(Wechsel, AtAKickOffTheChangeIsInstantAndTheIncomingTakesTheZones)
{
    spieler(5, 4000, 3000);
    r->spieler[5].taktik_punkte[0] = 1234;
    spieler(13, 5000, -300, false, SPIELFELD_ERSATZ);
    paar(0, 0, 13, 5);
    r->situation = SITUATION_ANSTOSS;
    r->laufende_spieler = -1;
    Spielfeld_Wechsel_Ausfuehren(r.get());
    EXPECT_EQ(r->laufende_spieler, -1);
    EXPECT_EQ(r->objekt[13].zustand, 0);
    EXPECT_EQ(r->objekt[5].aktiv, 0);
    EXPECT_LT(r->objekt[5].y, 0.0f);
    EXPECT_EQ(r->spieler[5].zustand, SPIELFELD_AUSGEWECHSELT);
    EXPECT_EQ(r->spieler[13].taktik_punkte[0], 1234);
    // Substituted out once: a second entry for him is dropped.
    spieler(14, 5000, -300, false, SPIELFELD_ERSATZ);
    r->spieler[5].zustand |= SPIELFELD_AUF_DEM_PLATZ;
    paar(0, 1, 14, 5);
    Spielfeld_Wechsel_Ausfuehren(r.get());
    EXPECT_EQ(r->objekt[5].aktiv, 0);
    EXPECT_EQ(r->wechsel[0], 2);  // the incoming one still comes
}

TEST_F(Wechsel, TheKeepersFlagPassesOnlyWhenTheSideWouldHaveNone)
{
    spieler(0, 500, 3403, true);
    spieler(11, 5000, -300, false, SPIELFELD_ERSATZ);
    paar(0, 0, 11, 0);
    Spielfeld_Wechsel_Ausfuehren(r.get());
    EXPECT_EQ(r->objekt[11].torwart, 1);
    // A keeper coming on beside one who stays loses the flag.
    spieler(16, 10300, 3403, true);
    spieler(27, 6000, -300, true, SPIELFELD_ERSATZ);
    spieler(20, 6000, 3000);
    paar(1, 0, 27, 20);
    Spielfeld_Wechsel_Ausfuehren(r.get());
    EXPECT_EQ(r->objekt[27].torwart, 0);
    EXPECT_EQ(r->objekt[16].torwart, 1);
}

class AutoWechsel : public Wechsel {
protected:
    // Home: defender 1 (strong), attacker 2 (weak), midfielder 3; bench: defender 12, attacker 13.
    void aufstellen(int32_t s)
    {
        const int32_t o = 16 * s;
        const bool gespiegelt = (r->seiten_getauscht & 1) ^ s;
        auto x = [&](int32_t m) { return gespiegelt ? int32_t(L) - m : m; };
        r->assistent[s] = 1;
        spieler(o + 0, 500, 3403, true);
        spieler(o + 1, 2000, 3000);
        spieler(o + 2, 8000, 3000);
        spieler(o + 3, 5000, 3000);
        spieler(o + 12, 0, -300, false, SPIELFELD_ERSATZ);
        spieler(o + 13, 0, -300, false, SPIELFELD_ERSATZ);
        spieler(o + 14, 0, -300, true, SPIELFELD_ERSATZ);
        drittel_setzen(o + 1, x(2000));
        drittel_setzen(o + 2, x(8000));
        drittel_setzen(o + 3, x(4500));
        drittel_setzen(o + 12, x(1500));
        drittel_setzen(o + 13, x(9000));
        drittel_setzen(o + 14, x(100));
        staerke(o + 0, 1);
        staerke(o + 14, 999);
        staerke(o + 1, 300);
        staerke(o + 2, 400);
        staerke(o + 3, 500);
        staerke(o + 12, 600);
        staerke(o + 13, 700);
        r->situation = SITUATION_SPIEL;
    }
};

// Defender 12 comes on for attacker 2 at a throw-in. In a game on this PC alone he takes the
// attacker's zones, also on a lone manager's PC, which runs as its own server (role 3). In a game
// played on several PCs the assistant's side is laid out anew: he plays in his own zones and
// everyone else keeps his, all of it from the record, so that a PC whose squad list of the club is
// older or missing (here: none at all) lays the side out as every other PC of the game does.
TEST_F(AutoWechsel, AnAssistantsSideInNetworkPlayIsLaidOutFromTheRecordAlone)
{
    aufstellen(0);
    r->situation = SITUATION_EINWURF;
    r->aktiv = 1;  // on the pitch: only such a game is played on several PCs
    const auto start = std::make_unique<Spielfeld_Record>(*r);
    const int32_t team = int32_t(r->team[0]);
    const uint32_t login_vorher = Client_Login.team_nr;
    struct Fall {
        int32_t rolle, netz_modus;
        bool mitspieler, vernetzt;
    };
    for (const Fall f : {Fall{0, 0, false, false}, Fall{3, 0, false, false}, Fall{3, 2, true, true}, Fall{1, 1, false, true}}) {
        SCOPED_TRACE(testing::Message() << "Rolle " << f.rolle << ", Netz " << f.netz_modus);
        *r = *start;
        int32_t vorher[16][8];
        for (int32_t j = 0; j < 16; ++j) std::memcpy(vorher[j], r->spieler[j].taktik_punkte, sizeof vorher[j]);
        r->einwechsel[0][0] = 12;
        r->auswechsel[0][0] = 2;
        // a participant holds the home club on the server; a client's own club plays at home
        Win95_Netz_Modus = uint32_t(f.netz_modus);
        Mitspieler[0].team = team;
        Mitspieler[0].in_benutzung = f.mitspieler ? 1 : 0;
        Client_Login.team_nr = uint32_t(team);
        Netz_Rolle = f.rolle;
        Spielfeld_Wechsel_Ausfuehren(r.get());
        Netz_Rolle = 0;
        Win95_Netz_Modus = 0;
        Mitspieler[0].in_benutzung = 0;
        Mitspieler[0].team = -1;
        Client_Login.team_nr = login_vorher;
        ASSERT_EQ(r->spieler[12].zustand, uint32_t(SPIELFELD_AUF_DEM_PLATZ));
        const int32_t* zonen = f.vernetzt ? vorher[12] : vorher[2];
        EXPECT_TRUE(std::equal(zonen, zonen + 8, r->spieler[12].taktik_punkte));
        for (const int32_t j : {0, 1, 3, 13, 14})
            EXPECT_TRUE(std::equal(vorher[j], vorher[j] + 8, r->spieler[j].taktik_punkte)) << j;
    }
}

TEST_F(AutoWechsel, PlanZeroTakesTheAttackerOffAndTheDefenderOnForEitherSideAndEnd)
{
    for (int32_t getauscht : {0, 1})
        for (int32_t s : {0, 1}) {
            SetUp();
            r->seiten_getauscht = uint8_t(getauscht);
            aufstellen(s);
            Spielfeld_Auto_Auswechslung(r.get(), s, 0, -1);
            EXPECT_EQ(r->einwechsel[s][0], 16 * s + 12) << s << getauscht;
            EXPECT_EQ(r->auswechsel[s][0], 16 * s + 2) << s << getauscht;
            EXPECT_EQ(r->b_24974[s], 1);
            TearDown();
        }
    SetUp();
}

TEST_F(AutoWechsel, NoAssistantNoSubstituteOrNoneLeftQueuesNothingAndKeepersNeverMove)
{
    aufstellen(0);
    r->assistent[0] = 0;
    Spielfeld_Auto_Auswechslung(r.get(), 0, 4, -1);
    EXPECT_EQ(r->auswechsel[0][0], -1);
    r->assistent[0] = 1;
    r->wechsel_uebrig[0] = 0;
    Spielfeld_Auto_Auswechslung(r.get(), 0, 4, -1);
    EXPECT_EQ(r->auswechsel[0][0], -1);
    r->wechsel_uebrig[0] = 3;
    // Plan 4 wants a defender off and an attacker on: the keepers are passed over.
    Spielfeld_Auto_Auswechslung(r.get(), 0, 4, -1);
    EXPECT_EQ(r->einwechsel[0][0], 13);
    EXPECT_EQ(r->auswechsel[0][0], 1);
    // The remaining bench: only the keeper, so nothing more comes.
    r->spieler[12].zustand = 0;
    Spielfeld_Auto_Auswechslung(r.get(), 0, 4, -1);
    EXPECT_EQ(r->auswechsel[0][1], -1);
}

// Queued pairs use up what is left: with one substitution left and one pair waiting, the
// assistant queues no second pair (the side would make more changes than it may).
TEST_F(AutoWechsel, APairAlreadyQueuedCountsAgainstTheSubstitutionsLeft)
{
    aufstellen(0);
    r->wechsel_uebrig[0] = 1;
    Spielfeld_Auto_Auswechslung(r.get(), 0, 4, -1);
    ASSERT_EQ(r->einwechsel[0][0], 13);
    Spielfeld_Auto_Auswechslung(r.get(), 0, 4, -1);
    EXPECT_EQ(r->einwechsel[0][1], -1);
    EXPECT_EQ(r->auswechsel[0][1], -1);
    r->wechsel_uebrig[0] = 2;
    Spielfeld_Auto_Auswechslung(r.get(), 0, 4, -1);
    EXPECT_EQ(r->einwechsel[0][1], 12);
}

TEST_F(AutoWechsel, AFullQueueTakesNothingAndAGivenPlayerGoes)
{
    aufstellen(0);
    r->wechsel_uebrig[0] = 9;
    for (int32_t k = 0; k < 7; ++k) r->auswechsel[0][k] = 20;
    Spielfeld_Auto_Auswechslung(r.get(), 0, 0, -1);
    for (int32_t k = 0; k < 7; ++k) EXPECT_EQ(r->einwechsel[0][k], -1);
    EXPECT_EQ(r->einwechsel[1][0], -1);  // nothing spilt into the away list
    for (int32_t k = 0; k < 7; ++k) r->auswechsel[0][k] = -1;
    Spielfeld_Auto_Auswechslung(r.get(), 0, 0, 3);
    EXPECT_EQ(r->auswechsel[0][0], 3);
    // Outside play the assistant waits.
    r->ball_zustand = BALL_SEITENAUS;
    Spielfeld_Auto_Auswechslung(r.get(), 0, 0, -1);
    EXPECT_EQ(r->auswechsel[0][1], -1);
}

}  // namespace

namespace {

// A walker standing short of his point, with nothing left to move him (his walk found no free
// order), ends his walk where he is; one still on his way walks on.
TEST_F(Wechsel, AWalkerWhoseOrdersAreSpentEndsHisWalk)
{
    spieler(2, 4000, 3000);
    spieler(12, 5000, -300, false, SPIELFELD_ERSATZ);
    paar(0, 0, 12, 2);
    r->situation = SITUATION_EINWURF;
    Spielfeld_Wechsel_Ausfuehren(r.get());
    ASSERT_EQ(r->objekt[2].zustand, '&');
    Spielfeld_Verhalten_Zustand(r.get(), 2, 0);
    EXPECT_EQ(r->objekt[2].zustand, '&') << "on his way";
    EXPECT_EQ(r->objekt[2].aktiv, 1);
    // His order spent short of the touchline: he stands still.
    for (Spielfeld_Auftrag& a : r->objekt[2].auftrag) a.tempo = a.start_tempo = 0.0f;
    r->objekt[2].vx = r->objekt[2].vy = 0.0f;
    Spielfeld_Verhalten_Zustand(r.get(), 2, 0);
    EXPECT_EQ(r->objekt[2].zustand, 0);
    EXPECT_EQ(r->objekt[2].aktiv, 0);
    EXPECT_NE(r->spieler[2].zustand & SPIELFELD_AUSGEWECHSELT, 0u);
    for (Spielfeld_Auftrag& a : r->objekt[12].auftrag) a.tempo = a.start_tempo = 0.0f;
    r->objekt[12].vx = r->objekt[12].vy = 0.0f;
    Spielfeld_Verhalten_Zustand(r.get(), 12, 0);
    EXPECT_EQ(r->objekt[12].zustand, 0);
    EXPECT_EQ(r->objekt[12].aktiv, 1);
}

TEST_F(Wechsel, SubstitutesWalkToTheirOwnSeatsBesideTheirBenchAndTheFiguresToTheBench)
{
    spieler(12, 5200, -100, false, SPIELFELD_ERSATZ);
    spieler(13, 5200, -100, false, SPIELFELD_ERSATZ);
    spieler(28, 5600, -100, false, SPIELFELD_ERSATZ);
    r->spieler[13].bank_nummer = 1;
    for (int32_t i : {12, 13, 28}) {
        r->objekt[i].neu_entscheiden = 1;
        Spielfeld_Verhalten_Verteilen(r.get(), i);
        EXPECT_EQ(r->objekt[i].neu_entscheiden, 0);
    }
    float x12 = 0, x13 = 0, x28 = 0, y = 0;
    Spielfeld_Bank_Position(r.get(), 12, nullptr, &x12, &y);
    Spielfeld_Bank_Position(r.get(), 13, nullptr, &x13, &y);
    Spielfeld_Bank_Position(r.get(), 28, nullptr, &x28, &y);
    EXPECT_LT(x13, x12);
    EXPECT_LT(x12, 4658.0f);
    EXPECT_GT(x28, 7010.0f);
    EXPECT_LT(y, 0.0f);
    EXPECT_TRUE(ziel_bei(12, x12, y));
    EXPECT_TRUE(ziel_bei(13, x13, y));
    EXPECT_TRUE(ziel_bei(28, x28, y));
    r->objekt[SPIELFELD_BANK + 1].aktiv = 1;
    Spielfeld_Verhalten_Nebenobjekt(r.get(), SPIELFELD_BANK + 1, 1);
    EXPECT_TRUE(ziel_bei(SPIELFELD_BANK + 1, 7010, -348));
}

}  // namespace

namespace {

TEST_F(Wechsel, WalksEndAtTheTouchlineTheSubstitutePlaysAndTheReplacedManSits)
{
    spieler(2, 4000, 3000);
    spieler(12, 5000, -300, false, SPIELFELD_ERSATZ);
    paar(0, 0, 12, 2);
    Spielfeld_Wechsel_Ausfuehren(r.get());
    // Still on the way: nothing changes.
    Spielfeld_Verhalten_Verteilen(r.get(), 12);
    Spielfeld_Verhalten_Verteilen(r.get(), 2);
    EXPECT_EQ(r->objekt[12].zustand, '$');
    EXPECT_EQ(r->objekt[2].zustand, '&');
    // Arrived.
    for (int32_t i : {2, 12}) {
        const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&r->objekt[i]);
        r->objekt[i].x = a->ziel[0];
        r->objekt[i].y = a->ziel[1] + 20;
        Spielfeld_Verhalten_Verteilen(r.get(), i);
    }
    EXPECT_EQ(r->objekt[12].zustand, 0);
    EXPECT_EQ(r->objekt[12].neu_entscheiden, 1);
    EXPECT_EQ(r->objekt[2].aktiv, 0);
    EXPECT_EQ(r->spieler[2].zustand, SPIELFELD_AUSGEWECHSELT);
    EXPECT_LT(r->objekt[2].y, 0.0f);
    // Nobody walks any more: the frame step ends the stoppage.
    EXPECT_FALSE(Spielfeld_Wechsel_Ist_Aus(r.get(), 2));
}

// A slot is found at each of the fourteen places of either list, and no other number is.
TEST_F(Wechsel, ListsFindTheirSlotAtEveryPlaceAndNothingElse)
{
    for (int32_t platz = 0; platz < 14; ++platz) {
        std::memset(r->einwechsel, 0xFF, sizeof r->einwechsel);
        std::memset(r->auswechsel, 0x7F, sizeof r->auswechsel);
        r->einwechsel[platz / 7][platz % 7] = int8_t(platz + 3);
        for (int32_t slot = -2; slot < 300; ++slot) {
            EXPECT_EQ(Spielfeld_Wechsel_Ist_Ein(r.get(), slot), slot == platz + 3) << platz << " " << slot;
            EXPECT_EQ(Spielfeld_Wechsel_Ist_Aus(r.get(), slot), slot == 127) << platz << " " << slot;
        }
    }
}

}  // namespace
