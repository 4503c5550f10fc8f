// A client's copies of the match store: records fetched once per group and kept until the next
// sync, events fetched 100 at a time, tables, a day's goals and place courses equal to the
// server's; damaged requests and replies change nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/netz_schleife.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_karten.h"
#include "competitions/spiele_netz.h"
#include "competitions/spiele_welt.h"
#include "network/internet_read.h"

namespace {

using namespace spielwelt;

int32_t anfragen(int32_t nr) { return Netz_Schleife_Anfragen_Zaehlen(nr); }

class SpieleClient : public Spielwelt {
protected:
    int32_t block = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        ASSERT_TRUE(Netz_Schleife_Anlegen(1));
        Spiele_Netz_Registrieren();
        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
        // Days 0..2 played; day 0's first match carries 150 events, goals at 10, 50 and 88.
        for (int32_t tag = 0; tag < 3; ++tag)
            for (int32_t slot = 0; slot < 2; ++slot) {
                const int32_t h = Spiele_Lock(block, tag, 0, slot);
                Spiele_Set_Teams(h, slot * 2 + tag % 2, slot * 2 + 1 - tag % 2);
                Spiele_Set_Ergebnis(h, 0, 0, 0);
                Spiele_Ereignis_Speicher_Reservieren(h);
                const int32_t n = tag == 0 && slot == 0 ? 150 : 3;
                for (int32_t e = 0; e < n; ++e) {
                    const bool tor = e == 0 || e == 1 || e == n - 1;
                    Spiele_Set_Ereignis(h, (tor ? uint32_t(SPE_TOR) : uint32_t(SPE_CHANCE)) | (e % 2 ? 0u : uint32_t(SPE_HEIM)),
                                        tor ? (e == n - 1 ? 88 : 10 + 40 * e) : e % 90, 10 + e % 20, 11);
                }
                Spiele_Set_Minute(h, 90);
                Spiele_Unlock(h);
            }
        Netz_Schleife_Anfragen.clear();
    }
    void TearDown() override
    {
        Netz_Schleife_Abbauen();
        Spielwelt::TearDown();
    }
    void client_an()
    {
        Internet_Set_Client_Austausch(Netz_Schleife_Ueber_Den_Server);
        Netz_Rolle = 1;
    }
    void client_aus()
    {
        Netz_Rolle = 2;
        Internet_Set_Client_Austausch(nullptr);
    }
    static std::vector<Spiele_Ereignis_Info> ereignisse(int32_t h)
    {
        std::vector<Spiele_Ereignis_Info> v;
        Spiele_Ereignis_Info e;
        for (bool ok = Spiele_Get_Erstes_Ereignis(h, &e); ok; ok = Spiele_Get_Naechstes_Ereignis(&e)) v.push_back(e);
        return v;
    }
    static std::vector<int32_t> flach(const std::vector<Spiele_Ereignis_Info>& v)
    {
        std::vector<int32_t> r;
        for (const auto& e : v) r.insert(r.end(), {e.spieler_1, e.spieler_2, int32_t(e.flags), e.minute});
        return r;
    }
};

TEST_F(SpieleClient, RecordsComeOncePerGroupAndAgainAfterASync)
{
    const int32_t hs = Spiele_Lock(block, 1, 0, 1);
    const Spiele_Spiel server = *Spiele_Get_Spiel(hs, 0);
    Spiele_Unlock(hs);

    client_an();
    Spiele_Client_Start();
    const int32_t h1 = Spiele_Lock(block, 1, 0, 1);
    ASSERT_NE(h1, 0);
    EXPECT_EQ(std::memcmp(Spiele_Get_Spiel(h1, 0), &server, sizeof server), 0);
    const int32_t h2 = Spiele_Lock(block, 1, 0, 1);
    const int32_t h3 = Spiele_Lock(block, 1, 0, 0);  // same group: from the cache
    EXPECT_NE(h2, 0);
    EXPECT_NE(h3, 0);
    EXPECT_EQ(anfragen(1006), 1);
    EXPECT_EQ(Spiele_Lock(block, 1, 0, 7), 0);  // the server has no slot 7
    EXPECT_EQ(Spiele_Lock(block, 1, 0, 7), 0);  // ... and that is kept too
    EXPECT_EQ(anfragen(1006), 2);
    Spiele_Unlock(-1);

    Spiele_Client_Ereignisse_Abgleichen();
    EXPECT_NE(Spiele_Lock(block, 1, 0, 1), 0);
    EXPECT_EQ(anfragen(1006), 3);
    EXPECT_EQ(anfragen(1007), 2);
    client_aus();
}

TEST_F(SpieleClient, SlotsPastFiftyOfABigCupRoundLock)
{
    const int32_t pokal = Spiele_Init_Neue_Spiele(0, 128, 1, 1, POKAL_R1, -1);
    ASSERT_GE(pokal, 0);
    client_an();
    Spiele_Client_Start();
    const int32_t h = Spiele_Lock(pokal, 0, 0, 60);
    ASSERT_NE(h, 0);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->slot, 60);
    EXPECT_NE(Spiele_Lock(pokal, 0, 0, 63), 0);
    EXPECT_EQ(anfragen(1006), 1);
    EXPECT_EQ(Spiele_Lock(pokal, 0, 0, 64), 0);
    client_aus();
}

TEST_F(SpieleClient, EventsComeAHundredAtATimeAndEqualTheServers)
{
    const int32_t hs = Spiele_Lock(block, 0, 0, 0);
    const auto server = ereignisse(hs);
    ASSERT_EQ(server.size(), 150u);
    int32_t ht = 0, gt = 0;
    Spiele_Get_Spielstand(hs, -1, 45, &ht, &gt);
    Spiele_Unlock(hs);

    client_an();
    const int32_t ohne = Spiele_Lock(block, 0, 0, 0);
    EXPECT_TRUE(ereignisse(ohne).empty());  // no sync yet: nothing to read, no fetch
    EXPECT_EQ(anfragen(1009), 0);
    Spiele_Client_Start();
    const int32_t h = Spiele_Lock(block, 0, 0, 0);
    EXPECT_EQ(flach(ereignisse(h)), flach(server));
    EXPECT_EQ(anfragen(1009), 2);
    EXPECT_EQ(flach(ereignisse(h)), flach(server));
    EXPECT_EQ(anfragen(1009), 2);
    int32_t ch = -1, cg = -1;
    Spiele_Get_Spielstand(h, -1, 45, &ch, &cg);
    EXPECT_EQ(ch, ht);
    EXPECT_EQ(cg, gt);
    client_aus();
}

TEST_F(SpieleClient, TablesDayGoalsAndPlaceCoursesEqualTheServers)
{
    Tabelle_Datensatz server, client;
    ASSERT_EQ(Wettbewerb_Tabelle_Vorbereiten(LIGA, &server), 4);
    const int64_t rs = Spiele_Tabelle_Berechnen(LIGA, block, -1, -1, 1, TAB_NORMAL, &server, 2, 0, -1, -1, 0, 0, -1);
    std::vector<int32_t> verlauf_server;
    for (int32_t tag = 0; tag <= 2; ++tag) {
        Tabelle_Datensatz t{};
        Wettbewerb_Tabelle_Vorbereiten(LIGA, &t);
        Spiele_Tabelle_Berechnen(LIGA, block, -1, tag, 1, TAB_NORMAL, &t, 2, 0, -1, -1, 0, 0, -1);
        verlauf_server.push_back(platz_von(t, 2));
    }

    client_an();
    Spiele_Client_Start();
    client = Tabelle_Datensatz{};
    const int64_t rc = Spiele_Tabelle_Berechnen(LIGA, block, -1, -1, 1, TAB_NORMAL, &client, 2, 0, -1, -1, 0, 0, -1);
    EXPECT_EQ(rc, rs);
    EXPECT_EQ(std::memcmp(&client, &server, sizeof server), 0);
    client = Tabelle_Datensatz{};
    Spiele_Tabelle_Berechnen(LIGA, block, -1, -1, 1, TAB_NORMAL, &client, 2, 0, -1, -1, 0, 0, -1);
    EXPECT_EQ(anfragen(1010), 1);  // the second from the cache
    EXPECT_EQ(std::memcmp(&client, &server, sizeof server), 0);

    int32_t plaetze[92];
    ASSERT_EQ(Spiele_Client_Tabellenverlauf(LIGA, block, -1, 2, 1, TAB_NORMAL, 2, plaetze), 3);
    EXPECT_EQ(std::vector<int32_t>(plaetze, plaetze + 3), verlauf_server);

    // Goals up to minute 45 of day 0 reach every record of that day the client holds.
    const int32_t h0 = Spiele_Lock(block, 0, 0, 0), h1 = Spiele_Lock(block, 0, 0, 1);
    Spiele_Client_Spiele_Holen(h1, 45);
    EXPECT_EQ(Spiele_Get_Spiel(h0, 0)->heim_tore, 1);  // home goal at 10, away at 50 not yet
    EXPECT_EQ(Spiele_Get_Spiel(h0, 0)->gast_tore, 0);
    EXPECT_EQ(Spiele_Get_Spiel(h1, 0)->heim_tore, 2);  // the asking running match keeps its own
    Spiele_Set_Ergebnis(h0, 0, 0, 0);
    Spiele_Client_Spiele_Holen(h1, -1);
    EXPECT_EQ(Spiele_Get_Spiel(h0, 0)->heim_tore, 1);
    EXPECT_EQ(Spiele_Get_Spiel(h0, 0)->gast_tore, 2);
    client_aus();
}

std::vector<uint8_t> aufgezeichnet;
int32_t wiederholt = 0;

TEST_F(SpieleClient, CountersComeForAHundredKeysAndEqualTheServers)
{
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 5, KARTE_GELB, 3);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 7, KARTE_ROT, 1);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 150, KARTE_ROT, 1);  // beyond the hundred keys asked
    const uint32_t key = uint32_t(Wettbewerb_Get_Oberwettbewerb(LIGA) * Spieler_Anzahl + 1);

    // The server's answer, recorded; the client's own array then starts empty, as after a sync.
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>& q, std::vector<uint8_t>* aus) {
        const bool ok = Netz_Schleife_Ueber_Den_Server(q, aus);
        aufgezeichnet = *aus;
        return ok;
    });
    Netz_Rolle = 1;
    ASSERT_TRUE(spiele_fern_wettbewerb_ereignisse(key));
    spiele_arrays[SPA_WETTBEWERB].anzahl = 0;
    wiederholt = 0;
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>&, std::vector<uint8_t>* aus) {
        ++wiederholt;
        *aus = aufgezeichnet;
        return true;
    });
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_GELB, -1, 5, 0, -1), 3);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_ROT, -1, 7, 0, -1), 1);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_ROT, -1, 9, 0, -1), 0);
    EXPECT_EQ(wiederholt, 1);  // one answer covers the hundred keys, held ones and absent ones
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_ROT, -1, 150, 0, -1), 0);
    EXPECT_EQ(wiederholt, 2);
    client_aus();
}

// Everything the server holds, as a savegame block would carry it; the counters only on request,
// for in this one process the client keeps its copies in the same array.
std::vector<uint8_t> abbild(bool zaehler = true)
{
    std::vector<uint8_t> v;
    int32_t kap = 0;
    const Spiele_Ereignis* e = spiele_ereignis_feld(&kap);
    v.assign(reinterpret_cast<const uint8_t*>(e), reinterpret_cast<const uint8_t*>(e) + size_t(kap) * 9u);
    const Spiele_Array& z = spiele_arrays[SPA_WETTBEWERB];
    if (zaehler) v.insert(v.end(), z.daten, z.daten + size_t(z.anzahl) * z.groesse);
    for (int32_t b = 0; b < 4; ++b) {
        uint32_t n = 0;
        const Spiele_Spiel* s = spiele_block_spiele(b, &n);
        if (s) v.insert(v.end(), reinterpret_cast<const uint8_t*>(s), reinterpret_cast<const uint8_t*>(s + n));
    }
    return v;
}

mutation::Folge* antwort_folge = nullptr;
// The server's reply, damaged on its way back.
bool verfaelscht(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* aus)
{
    if (!Netz_Schleife_Ueber_Den_Server(anfrage, aus)) return false;
    mutation::Folge& f = *antwort_folge;
    const int32_t n = 1 + int32_t(f.bis(4));
    for (int32_t k = 0; k < n && !aus->empty(); ++k) {
        const size_t pos = f.bis(aus->size());
        if (f.bis(2) && pos + 4 <= aus->size()) Bytes_Setze32(aus->data() + pos, mutation::grenzwert(f));
        else (*aus)[pos] = uint8_t(f());
    }
    if (f.bis(8) == 0) aus->resize(f.bis(aus->size()));
    return true;
}

TEST_F(SpieleClient, DamagedRequestsAndRepliesChangeNothing)
{
    client_an();
    Spiele_Client_Start();
    const int32_t h = Spiele_Lock(block, 0, 0, 0);
    ereignisse(h);
    Tabelle_Datensatz t{};
    Spiele_Tabelle_Berechnen(LIGA, block, -1, -1, 1, TAB_NORMAL, &t, 2, 0, -1, -1, 0, 0, -1);
    Spiele_Client_Spiele_Holen(h, 30);
    int32_t plaetze[92];
    Spiele_Client_Tabellenverlauf(LIGA, block, -1, 2, 1, TAB_NORMAL, 2, plaetze);
    Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_GELB, -1, 5, 0, -1);
    client_aus();
    const auto gut = Netz_Schleife_Anfragen;
    ASSERT_EQ(gut.size(), 8u);  // 1007, 1006, two 1009, 1010, 1011, 1036, 1042
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 5, KARTE_GELB, 2);

    const auto vorher = abbild();
    const int32_t runden = Netz_Schleife_Mutationen(3000);
    Netz_Schleife_Mutiert_Senden(gut, 7, runden);
    EXPECT_EQ(abbild(), vorher);
    const auto ohne_zaehler = abbild(false);

    // Replies: the client keeps only what holds together and never reads past its arrays.
    mutation::Folge f(11);
    antwort_folge = &f;
    Netz_Rolle = 1;
    Internet_Set_Client_Austausch(verfaelscht);
    for (int32_t i = 0; i < runden / 7; ++i) {
        if (i % 20 == 0) Spiele_Client_Ereignisse_Abgleichen();
        Spiele_Unlock(-1);
        const int32_t c = Spiele_Lock(block, i % 3, 0, i % 2);
        if (c) {
            const Spiele_Spiel* s = Spiele_Get_Spiel(c, 0);
            EXPECT_LE(s->ereignis_anzahl, SPIELE_EREIGNISSE_PRO_SPIEL);
            ereignisse(c);
            Spiele_Client_Spiele_Holen(c, i % 2 ? 30 : -1);
        }
        Tabelle_Datensatz x{};
        Spiele_Tabelle_Berechnen(LIGA, block, -1, i % 4 - 1, 1, TAB_NORMAL, &x, 2, 0, -1, -1, 2, 0, -1);
        EXPECT_LE(x.anzahl, TABELLE_MAX_TEAMS);
        int32_t p[92];
        EXPECT_LE(Spiele_Client_Tabellenverlauf(LIGA, block, -1, 2, 1, TAB_NORMAL, 2, p), 92);
        Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_GELB, -1, i % 200, 0, -1);
    }
    client_aus();
    EXPECT_EQ(abbild(false), ohne_zaehler);
}

}  // namespace
