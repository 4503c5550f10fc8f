// The competition records a remote client receives: the full form's sizes, the whole set and the
// state over the loopback answering every query as on the server, the fixtures rebuilt from the
// server's pairings, damaged streams refused with the records untouched.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "common/netz_schleife.h"
#include "competitions/spiele.h"
#include "competitions/spiele_netz.h"
#include "competitions/spiele_welt.h"
#include "competitions/wettbewerb.h"
#include "match/spielfeld.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

using spielwelt::Plan;
using spielwelt::plan_lesen;

// What a client's screens ask of the competitions, per record in use.
std::vector<std::string> abfragen()
{
    std::vector<std::string> v;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(i);
        if (!w || !w->name[0]) continue;
        std::string s = std::string(w->name) + "|" + w->gruppen_name;
        for (int32_t x : {w->id, w->besitzer, int32_t(w->modus), w->teams, w->spieltage, w->spieltag, w->runde,
                          w->best_of_x, w->sieger, w->land, w->listen.anzahl, w->listen.start_anzahl, w->wichtig,
                          w->erste_gelbsperre, w->kalender_position, w->anz_quali_aus_ligabaum, w->wer_gegen_wen_anz,
                          int32_t(w->golden_goal), int32_t(w->schalter[1]), Wettbewerb_Get_Oberwettbewerb(w->id)})
            s += " " + std::to_string(x);
        for (int32_t k = 0; k < WV_ANZAHL; ++k) s += " v" + std::to_string(w->vk.v[k]);
        for (int32_t t = 0; t < w->teams; ++t) s += " t" + std::to_string(w->listen.teams[t]);
        for (int32_t l = 0; l < WETTBEWERB_ZIEL_LISTEN; ++l)
            for (int32_t p = 0; p < w->teams; ++p) s += " z" + std::to_string(w->ziele.ziel[l][p]);
        for (int32_t t = 0; t < w->spieltage; ++t)
            s += " r" + std::to_string(w->rundentext[t]) + "p" + std::to_string(Wettbewerb_Get_Paarung(w->id, t));
        v.push_back(s);
    }
    return v;
}

class WettbewerbNetz : public spielwelt::Spielwelt {
protected:
    void SetUp() override
    {
        Spielwelt::SetUp();
        ASSERT_TRUE(Netz_Schleife_Anlegen(1));
        Spiele_Netz_Registrieren();
        Zufall_Set_Seed(99);
        ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    }
    void TearDown() override
    {
        Netz_Schleife_Abbauen();
        Spielwelt::TearDown();
    }
};

TEST_F(WettbewerbNetz, FullFormSizes)
{
    std::vector<uint8_t> v;
    // A free record: its two bytes.
    Wettbewerb_Datensatz_Packen(WETTBEWERB_ANZAHL - 1, &v);
    EXPECT_EQ(v, (std::vector<uint8_t>{1, 0}));

    // A 16-club knock-out, one game a pairing, 4 match days: 8 + 4 + 2 + 1 games; one place
    // list without targets is one 0 byte.
    Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(testwelt::POKAL1);
    std::snprintf(w->name, sizeof w->name, "Pokal");
    std::snprintf(w->gruppen_name, sizeof w->gruppen_name, "A");
    w->modus = KO_SYSTEM;
    w->teams = 16;
    w->spieltage = 4;
    w->best_of_x = 1;
    w->listen.start_anzahl = 3;
    w->ziele.anzahl = 1;
    for (auto& z : w->ziele.ziel[0]) z = -1;
    w->wer_gegen_wen_anz = 0;
    v.clear();
    const size_t n = Wettbewerb_Datensatz_Packen(testwelt::POKAL1, &v);
    const size_t erwartet = (1 + 6) + (1 + 2) + 4 + 4 + 16 + 112 + 4 + 1 + 12 + 88 + 12 + 2 * 16 + 2 * 3 + 20 + 30 + 4 * 4;
    EXPECT_EQ(n, erwartet);
    const size_t listen_stelle = 7 + 3 + 8 + 16 + 112;
    ASSERT_GT(v.size(), listen_stelle + 4);
    EXPECT_EQ(Bytes_Hole32(v.data() + listen_stelle), 1u);
    EXPECT_EQ(v[listen_stelle + 4], 0);

    // Match days below 0 count as none.
    w->spieltage = -5;
    v.clear();
    EXPECT_EQ(Wettbewerb_Datensatz_Packen(testwelt::POKAL1, &v), erwartet - 30 - 16);
}

TEST_F(WettbewerbNetz, ClientTakesTheWholeSetAndTheStateAsTheServerHasThem)
{
    const auto server = abfragen();
    const Plan liga = plan_lesen(spielwelt::LIGA), pokal = plan_lesen(spielwelt::POKAL_R1);
    ASSERT_FALSE(liga.empty());

    // The client starts from nothing: its records and fixtures come from the server alone.
    Netz_Rolle = 1;
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>& q, std::vector<uint8_t>* aus) {
        return Netz_Schleife_Ueber_Den_Server(q, aus);
    });
    const int32_t seed = Zufall_Get_Seed();
    Print_Fehler_Set_Hook([](const std::string&) {});  // the rebuild's client markers
    ASSERT_TRUE(Wettbewerb_Client_Config_Komplett_Holen());
    EXPECT_EQ(Zufall_Get_Seed(), seed);  // the client draws nothing
    EXPECT_EQ(abfragen(), server);
    Netz_Rolle = 0;
    Print_Fehler_Set_Hook(nullptr);
    EXPECT_EQ(plan_lesen(spielwelt::LIGA), liga);
    EXPECT_EQ(plan_lesen(spielwelt::POKAL_R1), pokal);

    // The state: the server moved on; the client's stale records take it.
    Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(spielwelt::LIGA));
    ASSERT_TRUE(w);
    w->spieltag = 3;
    w->sieger = 2;
    w->listen.start[0] = 9;
    uint8_t* block = nullptr;
    const int32_t n = Wettbewerb_Server_Stand_Senden(&block);
    ASSERT_GT(n, 0);
    const auto bewegt = abfragen();
    w->spieltag = 0;
    w->sieger = -1;
    w->listen.start[0] = 0;
    EXPECT_TRUE(Wettbewerb_Stand_Einlesen(block, uint32_t(n)));
    EXPECT_EQ(abfragen(), bewegt);
    EXPECT_EQ(w->listen.start[0], 9);
    Mem_Free(block, 0);

    Netz_Rolle = 1;
    EXPECT_TRUE(Wettbewerb_Client_Config_Holen());
    Netz_Rolle = 2;
    EXPECT_EQ(abfragen(), bewegt);
}

// The unpacked full set, changed at a few places and packed again.
std::vector<uint8_t> gepackt(const std::vector<uint8_t>& roh)
{
    std::vector<uint8_t> b(roh.size() + roh.size() / 128 + 8);
    const int32_t n = Spielfeld_Speicher_Packen(roh.data(), b.data(), uint32_t(roh.size()), uint32_t(b.size()));
    b.resize(size_t(std::max(n, 0)));
    return b;
}

TEST_F(WettbewerbNetz, DamagedSetsAndStatesChangeNothing)
{
    std::vector<uint8_t> roh;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) Wettbewerb_Datensatz_Packen(i, &roh);
    uint8_t* stand = nullptr;
    const int32_t stand_n = Wettbewerb_Server_Stand_Senden(&stand);
    ASSERT_GT(stand_n, 0);
    const std::vector<uint8_t> stand_gut(stand, stand + stand_n);
    Mem_Free(stand, 0);
    std::vector<uint8_t> stand_roh(size_t(stand_gut[0] | stand_gut[1] << 8 | stand_gut[2] << 16));
    ASSERT_EQ(Spielfeld_Speicher_Entpacken(stand_roh.data(), uint32_t(stand_roh.size()), stand_gut.data(),
                                           uint32_t(stand_gut.size())),
              int32_t(stand_roh.size()));

    Print_Fehler_Set_Hook([](const std::string&) {});
    const std::vector<uint8_t> vorher = Wettbewerb_Block_Packen();
    // The records lie in one array: a byte copy shows any change cheaply.
    auto roh_bild = [] {
        const auto* p = reinterpret_cast<const uint8_t*>(Wettbewerb_Zeiger(0));
        return std::vector<uint8_t>(p, p + sizeof(Wettbewerb_Datensatz) * WETTBEWERB_ANZAHL);
    };
    std::vector<uint8_t> vorher_roh = roh_bild();
    mutation::Folge f(5);
    const int32_t runden = Netz_Schleife_Mutationen(400);
    int32_t angenommen = 0;
    for (int32_t i = 0; i < runden; ++i) {
        std::vector<uint8_t> a = i % 2 ? stand_roh : roh;
        const int32_t n = 1 + int32_t(f.bis(4));
        for (int32_t k = 0; k < n; ++k) {
            const size_t pos = mutation::stelle(f, a.size());
            if (f.bis(2) && pos + 4 <= a.size()) Bytes_Setze32(a.data() + pos, mutation::grenzwert(f));
            else a[pos] = uint8_t(f());
        }
        if (f.bis(8) == 0) a.resize(f.bis(a.size()));
        std::vector<uint8_t> p = gepackt(a);
        if (f.bis(6) == 0 && !p.empty()) p[f.bis(p.size())] ^= uint8_t(1 + f.bis(255));
        const bool ok = i % 2 ? Wettbewerb_Stand_Einlesen(p.data(), uint32_t(p.size()))
                              : Wettbewerb_Config_Einlesen(p.data(), uint32_t(p.size()));
        if (ok) {
            ++angenommen;
            // Whatever was taken passed every check; start again from the server's set.
            Wettbewerb_Free();
            ASSERT_TRUE(Wettbewerb_Block_Entpacken(vorher.data(), vorher.size(), testwelt::TEAM_ANZAHL));
            ASSERT_EQ(Wettbewerb_Block_Packen(), vorher);
            vorher_roh = roh_bild();
        }
        ASSERT_TRUE(roh_bild() == vorher_roh) << i;
    }
    EXPECT_EQ(Wettbewerb_Block_Packen(), vorher);
    Print_Fehler_Set_Hook(nullptr);
    EXPECT_LT(angenommen, runden);

    // Mutated requests leave the server's records alone.
    Netz_Rolle = 1;
    Internet_Set_Client_Austausch(Netz_Schleife_Ueber_Den_Server);
    Netz_Schleife_Anfragen.clear();
    EXPECT_TRUE(Wettbewerb_Client_Config_Komplett_Holen());
    EXPECT_TRUE(Wettbewerb_Client_Config_Holen());
    Netz_Rolle = 2;
    Internet_Set_Client_Austausch(nullptr);
    auto gut = Netz_Schleife_Anfragen;
    ASSERT_EQ(gut.size(), 2u);
    const std::vector<uint8_t> server = Wettbewerb_Block_Packen();
    Netz_Schleife_Mutiert_Senden(gut, 3, Netz_Schleife_Mutationen(2000));
    EXPECT_EQ(Wettbewerb_Block_Packen(), server);
}

}  // namespace
