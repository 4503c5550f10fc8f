// The database's numbered blocks through the remote-call reader: a server with its own manager
// runs them locally, a participant only for the club it claimed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <functional>
#include <vector>

#include "common/capture.h"
#include "common/mutation.h"
#include "common/schiedsrichter_liste.h"
#include "database/db_hilfe.h"
#include "database/assistent.h"
#include "database/datenbank_fern.h"
#include "database/personal.h"
#include "database/teamspieler.h"
#include "gameflow/eingang.h"
#include "match/spieltag.h"
#include "network/chat.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "platform/bytes.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/stadion_intern.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_versicherung.h"

namespace {

std::vector<uint8_t> antwort;
int fangen(Mitspieler_Eintrag*, const uint8_t* d, uint32_t n)
{
    antwort.assign(d, d + n);
    return 1;
}

struct Fern : ::testing::Test {
    void SetUp() override
    {
        Internet_Fern_Anbinden();
        Test_Netz_Welt_Anlegen();
        Manager_Neuer_Mitspieler(1, "A");
        Manager_Neuer_Mitspieler(2, "B");
        Netz_Rolle = 3;
        Aktuelles_Team = 1;
        Server_Team = 1;
    }
    void TearDown() override
    {
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Internet_Set_Server_Sender(nullptr);
        Eingang_Set_Spiel_Gestartet(false);
        Handelndes_Team = 0;
        Server_Team = -1;
        Test_Welt_Aufraeumen();
    }
    // Club 3 with a manager and five players, claimed by participant 0 of a server whose game runs.
    static void teilnehmer_von_3()
    {
        Manager_Neuer_Mitspieler(3, "C");
        for (int32_t p = 30; p < 35; ++p) Teamspieler_Kommt_Oder_Geht(1, 3, p, 50, 0, 24, -1, false);
        Eingang_Set_Spiel_Gestartet(true);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Mitspieler[0].in_benutzung = 1;
        ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[0], 3));
        Internet_Set_Server_Sender(fangen);
        Netz_Rolle = 2;
    }
};

TEST_F(Fern, StartinfoTeamlisteUndManagerdatenLokal)
{
    uint32_t werte[3] = {};
    uint16_t kurz[2] = {};
    Internet_Arg s[] = {Internet_Zeiger(&werte[0], 4), Internet_Zeiger(&werte[1], 4), Internet_Zeiger(&werte[2], 4),
                        Internet_Zeiger(&kurz[0], 2), Internet_Zeiger(&kurz[1], 2)};
    uint8_t fertig = 0;
    Internet_Client_Read(16, "vI4I4I4W2W2", nullptr, &fertig, s, 5);
    EXPECT_EQ(fertig, 1);
    EXPECT_EQ(werte[0], 6u);
    EXPECT_EQ(werte[1], 4u);
    EXPECT_EQ(werte[2], 4u);

    uint8_t liste[46 * 4] = {};
    int32_t anzahl = -1;
    Internet_Arg l[] = {Internet_Zeiger(liste, sizeof liste), Internet_Zeiger(&anzahl, 4)};
    Internet_Client_Read(17, "vC<184I<4", nullptr, nullptr, l, 2);
    std::vector<uint8_t> erwartet;
    Team_Internet_Server_Managerteam_Liste(&erwartet);
    EXPECT_EQ(anzahl, int32_t(erwartet.size() / 46));
    EXPECT_EQ(std::memcmp(liste, erwartet.data(), erwartet.size()), 0);

    // The six manager blocks come back as the server packs them.
    std::vector<uint8_t> bild;
    ASSERT_TRUE(Manager_Internet_Bloecke_Packen(1, true, &bild));
    std::vector<std::vector<uint8_t>> teile;
    std::vector<Internet_Arg> args;
    char format[64] = "v";
    for (const auto& b : Manager_Netz_Bloecke) {
        teile.emplace_back(b.bytes, 0xEE);
        std::snprintf(format + std::strlen(format), sizeof format - std::strlen(format), "V<%u", b.bytes);
    }
    for (auto& t : teile) args.push_back(Internet_Zeiger(t.data(), uint32_t(t.size())));
    Internet_Client_Read(30, format, nullptr, nullptr, args.data(), int32_t(args.size()));
    std::vector<uint8_t> zusammen;
    for (auto& t : teile) zusammen.insert(zusammen.end(), t.begin(), t.end());
    EXPECT_EQ(zusammen, bild);

    // The own fixed record and the manager's head number.
    uint8_t fix[TEAM_FIX_BYTES], erwartet_fix[TEAM_FIX_BYTES];
    Team_Fix_Packen(T_Fix[1], erwartet_fix);
    Internet_Arg f[] = {Internet_Zeiger(fix, sizeof fix)};
    Internet_Client_Read(11, "vV<128", nullptr, nullptr, f, 1);
    EXPECT_EQ(std::memcmp(fix, erwartet_fix, sizeof fix), 0);
    T_Fix[1].manager->kopfnr = 17;
    uint8_t kopf = 0;
    Internet_Arg k[] = {Internet_Zeiger(&kopf, 1)};
    Internet_Client_Read(32, "vC<1", nullptr, nullptr, k, 1);
    EXPECT_EQ(kopf, 17);

    EXPECT_EQ(Internet_Team_Hat_Manager(2), 1);
    EXPECT_EQ(Internet_Team_Hat_Manager(3), 0);
}

// A participant's raw request as the server's pump hands it on.
void anfrage_senden(uint32_t nr, int32_t team, const std::string& format, const std::vector<uint8_t>& block)
{
    std::vector<uint8_t> m(16 + format.size() + 1);
    Bytes_Setze32(m.data(), INTERNET_MARKE);
    Bytes_Setze32(m.data() + 4, nr);
    Bytes_Setze32(m.data() + 8, uint32_t(format.size() + 1));
    Bytes_Setze32(m.data() + 12, uint32_t(team));
    std::memcpy(m.data() + 16, format.c_str(), format.size() + 1);
    m.insert(m.end(), block.begin(), block.end());
    antwort.clear();
    Internet_Server_Antwort(&Mitspieler[0], m.data(), uint32_t(m.size()));
}

// Every link of a club in its full stored image, server bytes included.
std::vector<uint8_t> links_von(int32_t team)
{
    std::vector<uint8_t> v;
    uint8_t b[TS_BYTES];
    for (Liste_Element* e = Liste_First_Element(&T_Fix[team].liste); e; e = Liste_Next_Element(&T_Fix[team].liste, e)) {
        Teamspieler_TS_Packen(*static_cast<const TS*>(e->data), b);
        v.insert(v.end(), b, b + TS_BYTES);
    }
    return v;
}

void feld_anhaengen(std::vector<uint8_t>* block, const std::vector<uint8_t>& daten)
{
    block->insert(block->end(), {1, 0, 0, 0});
    block->insert(block->end(), daten.begin(), daten.end());
    block->resize((block->size() + 3) & ~size_t(3));
}

void wert_anhaengen(std::vector<uint8_t>* block, int32_t w)
{
    block->resize(block->size() + 4);
    Bytes_Setze32(block->data() + block->size() - 4, uint32_t(w));
}

// The reply's block behind its format.
std::vector<uint8_t> antwort_block()
{
    return {antwort.begin() + 12 + long(Bytes_Hole32(antwort.data() + 8)), antwort.end()};
}

// The line-up, the insurance and the offers: a participant changes its own club's only, and
// only what the club's rules let through.
TEST_F(Fern, AufstellungVersicherungUndAngebotNurFuerDenEigenenVerein)
{
    teilnehmer_von_3();
    Fehler_Capture f;

    // A send-back of club 2's line-up with every back number changed.
    auto aufstellung = [](int32_t team, int32_t kopf_team) {
        std::vector<uint8_t> eigene, fremde;
        Teamspieler_Internet_Aufstellung_Packen(team, -1, &eigene, &fremde);
        for (size_t o = 0; o < eigene.size(); o += 24) eigene[o + 18] = 99;
        std::vector<uint8_t> b;
        for (int32_t w : {team, -1, 0}) wert_anhaengen(&b, w);
        feld_anhaengen(&b, eigene);
        feld_anhaengen(&b, {});
        anfrage_senden(42, kopf_team, "viiiV>" + std::to_string(eigene.size()) + "V>0", b);
    };
    const std::vector<uint8_t> b_vorher = links_von(2), c_vorher = links_von(3);
    aufstellung(2, 3);
    aufstellung(2, 2);
    EXPECT_EQ(links_von(2), b_vorher) << "club 2's line-up is not the caller's to send";
    EXPECT_EQ(links_von(3), c_vorher);

    // The own club's line-up: refused whole when the line-up rules refuse it, else taken.
    static std::vector<int32_t> gepruefte;
    gepruefte.clear();
    Spieler_Einsetzen_Set_Pruef_Hook([](int32_t team, int32_t, const Spieler_Aufstellung_Eintrag* e, int32_t n) {
        gepruefte.push_back(team);
        for (int32_t k = 0; k < n; ++k) gepruefte.push_back(e[k].spnr);
        return false;
    });
    aufstellung(3, 3);
    EXPECT_EQ(gepruefte, (std::vector<int32_t>{3, 30, 31, 32, 33, 34}));
    EXPECT_EQ(links_von(3), c_vorher);
    Spieler_Einsetzen_Set_Pruef_Hook([](int32_t, int32_t, const Spieler_Aufstellung_Eintrag* e, int32_t n) {
        return n == 5 && e[4].spnr == 34 && e[4].zellen[0] == Teamspieler_Get_Record(3, 34)->position;
    });
    aufstellung(3, 3);
    Spieler_Einsetzen_Set_Pruef_Hook(nullptr);
    EXPECT_EQ(Teamspieler_Get_Record(3, 34)->rueckennummer, 99);

    // The marking of today's opponent: by the own club's players only.
    Spieltag_Set_Gegner_Hook([](int32_t team, int32_t*, int32_t*, int32_t*, int32_t*) { return team == 3 ? 2 : -1; });
    auto markierung = [](int32_t gegner, int16_t deckt) {
        std::vector<uint8_t> eigene, fremde;
        Teamspieler_Internet_Aufstellung_Packen(3, gegner, &eigene, &fremde);
        if (!fremde.empty()) Bytes_Setze16(fremde.data() + 2, uint16_t(deckt));
        std::vector<uint8_t> b;
        for (int32_t w : {3, gegner, 0}) wert_anhaengen(&b, w);
        feld_anhaengen(&b, eigene);
        feld_anhaengen(&b, fremde);
        anfrage_senden(42, 3, "viiiV>" + std::to_string(eigene.size()) + "V>" + std::to_string(fremde.size()), b);
    };
    const std::vector<uint8_t> b_markiert = links_von(2), a_markiert = links_von(1);
    markierung(2, 22);
    markierung(1, 31);
    EXPECT_EQ(links_von(2), b_markiert) << "a player of another club marks nobody of club 2";
    EXPECT_EQ(links_von(1), a_markiert) << "club 1 is not today's opponent";
    markierung(2, 31);
    const int32_t erster = int32_t(Liste_First_Element(&T_Fix[2].liste)->key);
    EXPECT_EQ(Teamspieler_Get_Record(2, erster)->gedeckt_von, 31);
    Spieltag_Set_Gegner_Hook(nullptr);

    // An insurance stays with the insurer: the client's premium and cost are not booked.
    const std::vector<uint8_t> c_mit_nummern = links_von(3);
    std::vector<uint8_t> b43;
    for (int32_t w : {3, 31, 2, 1, 5000, 900}) wert_anhaengen(&b43, w);
    feld_anhaengen(&b43, std::vector<uint8_t>(20, 0x7F));
    feld_anhaengen(&b43, {0x10, 0x27});
    anfrage_senden(43, 3, "viiiiiiV20V2", b43);
    const TS* versichert = Teamspieler_Get_Record(3, 31);
    ASSERT_NE(versichert, nullptr);
    EXPECT_EQ(versichert->versicherer, 2);
    EXPECT_EQ(versichert->versicherung_monate, 12);
    const int32_t staerke = Spieler_Wert(SP_K_I_T, 31, 0, SP_LESEN);
    EXPECT_EQ(Teamspieler_Wert(302, 3, 31, 0, 0), Spieler_Versicherung_Praemie(2, staerke)) << "not the client's 5000";
    EXPECT_EQ(Teamspieler_Wert(308, 3, 31, 0, 0), Spieler_Versicherung_Kosten(2, staerke, 1)) << "not the client's 900";
    // A second contract for the insured player, and one of another club's player, book nothing.
    const std::vector<uint8_t> c_versichert = links_von(3), b_ohne = links_von(2);
    anfrage_senden(43, 3, "viiiiiiV20V2", b43);
    b43[4] = 22;
    anfrage_senden(43, 3, "viiiiiiV20V2", b43);
    EXPECT_EQ(links_von(3), c_versichert);
    EXPECT_EQ(links_von(2), b_ohne);
    EXPECT_NE(links_von(3), c_mit_nummern);

    // Offers: one between two other clubs is refused; one for the caller's player may be turned down.
    Spieler_Angebot fremd{};
    fremd.bieter = 4;
    fremd.verein = 2;
    fremd.spnr = 22;
    fremd.gehalt = 100;
    fremd.monate = 12;
    Richter_Spieler_Angebot_Hinzufuegen(&fremd);
    Spieler_Angebot eigen = fremd;
    eigen.spnr = 32;
    eigen.verein = 3;
    Richter_Spieler_Angebot_Hinzufuegen(&eigen);
    auto angebot_senden = [](const Spieler_Angebot& a, uint8_t loeschen) {
        std::vector<uint8_t> b(4);
        std::vector<uint8_t> bild(sizeof a);
        std::memcpy(bild.data(), &a, sizeof a);
        feld_anhaengen(&b, bild);
        wert_anhaengen(&b, loeschen);
        anfrage_senden(53, 3, "cV28c", b);
        return antwort_block()[0];
    };
    EXPECT_EQ(angebot_senden(fremd, 1), 0);
    EXPECT_TRUE(f.contains("Wrong Client-Team!"));
    EXPECT_TRUE(Richter_Spieler_Angebot_Vorhanden(22, 2, 4));
    EXPECT_EQ(angebot_senden(eigen, 1), 1);
    EXPECT_FALSE(Richter_Spieler_Angebot_Vorhanden(32, 3, 4));
    EXPECT_TRUE(Richter_Spieler_Angebot_Vorhanden(22, 2, 4));
}

// Mutated requests to the handlers of the links, the line-up, the insurance, the offers, the icon
// states and the bank's and stadium's requests: nothing crashes or reads outside the block, and
// club 2 keeps every byte.
TEST_F(Fern, VerstuemmelteAnfragenAnDieHandler)
{
    teilnehmer_von_3();
    Bank_Init();
    Bank_Neues_Spiel();
    Bank_Konto_Einrichten(2, 500000, 0);
    Bank_Konto_Einrichten(3, 500000, 0);
    Stadion_Init();
    Stadion_Neu(2, nullptr);
    Stadion_Neu(3, nullptr);
    Spieler_Angebot angebot{};
    angebot.bieter = 3;
    angebot.verein = 2;
    angebot.spnr = 21;
    Richter_Spieler_Angebot_Hinzufuegen(&angebot);

    std::vector<uint8_t> eigene, fremde;
    Teamspieler_Internet_Aufstellung_Packen(3, 2, &eigene, &fremde);
    std::vector<uint8_t> b42, b43, b53(4), b34, icons(MANAGER_ICON_ZUSTAND_BYTES, 1);
    for (int32_t w : {3, 2, 0}) wert_anhaengen(&b42, w);
    feld_anhaengen(&b42, eigene);
    feld_anhaengen(&b42, fremde);
    for (int32_t w : {3, 31, 2, 1, 0, 0}) wert_anhaengen(&b43, w);
    feld_anhaengen(&b43, std::vector<uint8_t>(20));
    feld_anhaengen(&b43, {0, 0});
    std::vector<uint8_t> bild(sizeof angebot);
    std::memcpy(bild.data(), &angebot, sizeof angebot);
    feld_anhaengen(&b53, bild);
    wert_anhaengen(&b53, 0);
    feld_anhaengen(&b34, icons);
    struct Gut {
        uint32_t nr;
        std::string format;
        std::vector<uint8_t> block;
    };
    std::vector<uint8_t> b1029, b1017(4 + 4 + 24 + 4);
    for (int32_t w : {3, 1, 0, 1}) wert_anhaengen(&b1029, w);
    Bytes_Setze32(b1017.data(), 3);
    Bytes_Setze32(b1017.data() + 4, 1);
    const std::vector<Gut> gut = {
        {10, "vV<26", {1, 0, 0, 0}},
        {34, "vV<16904", {1, 0, 0, 0}},
        {34, "vV>16904", b34},
        {40, "iV<=0ii", {0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0}},
        {41, "vV<=0", {1, 0, 0, 0}},
        {42, "viiiV>" + std::to_string(eigene.size()) + "V>" + std::to_string(fremde.size()), b42},
        {43, "viiiiiiV20V2", b43},
        {44, "vI<4ii", {1, 0, 0, 0, 21, 0, 0, 0, 2, 0, 0, 0}},
        {53, "cV28c", b53},
        {1015, "iC<=0i", {0, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0}},
        {1017, "viC24", b1017},
        {1027, "vC<6000C<4i", {1, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0}},
        {1029, "iiiii", [&] {
             std::vector<uint8_t> b(4);
             b.insert(b.end(), b1029.begin(), b1029.end());
             return b;
         }()},
    };
    auto zustand_b = [] {
        std::vector<uint8_t> v = links_von(2), m;
        v.resize(v.size() + TEAM_OWN_BYTES);
        Team_Own_Packen(T_Own[2], v.data() + v.size() - TEAM_OWN_BYTES);
        Manager_Internet_Bloecke_Packen(2, true, &m);
        v.insert(v.end(), m.begin(), m.end());
        const std::vector<uint8_t> stadion = Stadion_Bild_Schreiben(*Stadion_Finden(2));
        v.insert(v.end(), stadion.begin(), stadion.end());
        return v;
    };
    const std::vector<uint8_t> vorher = zustand_b();
    const char zeichen[] = "vcwifCWIFV<>=-0123456789";
    mutation::Folge z(30303);
    Fehler_Capture f;
    for (int runde = 0; runde < 20000; ++runde) {
        const Gut& g = gut[z.bis(gut.size())];
        std::string format = g.format;
        std::vector<uint8_t> block = g.block;
        int32_t team = 3;
        for (int k = 1 + int(z.bis(3)); k > 0; --k) {
            switch (z.bis(5)) {
            case 0:
                format[z.bis(format.size())] = zeichen[z.bis(sizeof zeichen - 1)];
                break;
            case 1:
                if (!block.empty()) block[z.bis(block.size())] = uint8_t(z());
                break;
            case 2:
                if (block.size() >= 4)
                    Bytes_Setze32(block.data() + 4 * z.bis(block.size() / 4), mutation::grenzwert(z));
                break;
            case 3:
                block.resize(z.bis(2) ? block.size() + 4 * z.bis(4)
                                      : block.size() - std::min<size_t>(block.size(), z.bis(12)));
                break;
            default:
                team = z.bis(2) ? 2 : int32_t(mutation::grenzwert(z));
            }
        }
        anfrage_senden(g.nr, team, format, block);
    }
    const std::vector<uint8_t> nachher = zustand_b();
    ASSERT_EQ(nachher.size(), vorher.size());
    for (size_t i = 0; i < vorher.size(); ++i) ASSERT_EQ(nachher[i], vorher[i]) << i;
    EXPECT_EQ(Handelndes_Team, 0u);
    // Good calls afterwards are answered right; a club or player past the tables gives nothing.
    anfrage_senden(44, 3, "vI<4ii", {1, 0, 0, 0, 32, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Bytes_Hole32(antwort_block().data() + 4), 3u);
    anfrage_senden(44, 3, "vI<4ii", {1, 0, 0, 0, 100, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Bytes_Hole32(antwort_block().data() + 4), 0xFFFFFFFFu);
    anfrage_senden(40, 3, "iV<=0ii", {0, 0, 0, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(antwort_block().size(), 16u);
    Stadion_DeInit();
    Bank_DeInit();
}

// A club whose client is away is handed to its first assistant; a held one is left alone, and the
// list of clubs a new client may take forgets the clubs of clients that are gone.
TEST_F(Fern, VereineOhneClientUebernimmtDerAssistent)
{
    Netz_Rolle = 2;
    auto aufgaben = [](int32_t t) {
        const auto* b = static_cast<const uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, t, nullptr, TEAM_LESEN));
        return std::vector<uint8_t>(b + ASSI_OFFSET_AUFGABEN, b + ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN);
    };
    T[0].status = TEAM_VON_CLIENT_GEHALTEN;
    T[1].status = 0x10;  // 20 players
    T[2].status = 0x10;  // 5 players
    T[3].status = 0;
    Team_Internet_Server_Refresh();
    EXPECT_EQ(aufgaben(0), std::vector<uint8_t>(6, 0));
    EXPECT_EQ(aufgaben(1), (std::vector<uint8_t>{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(aufgaben(2), std::vector<uint8_t>(6, 1));
    EXPECT_EQ(aufgaben(3), std::vector<uint8_t>(6, 1));

    // Club 2's client is gone: the list offers it again; the server's own club keeps its mark.
    Server_Team = 1;
    T[1].status = T[2].status = TEAM_VON_CLIENT_GEHALTEN;
    uint8_t liste[46 * 4] = {};
    int32_t anzahl = 0;
    Internet_Arg l[] = {Internet_Zeiger(liste, sizeof liste), Internet_Zeiger(&anzahl, 4)};
    Netz_Rolle = 3;
    Internet_Client_Read(17, "vC<184I<4", nullptr, nullptr, l, 2);
    EXPECT_EQ(anzahl, 1);
    EXPECT_EQ(Bytes_Hole16(liste), 2);
    EXPECT_EQ(T[1].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN);
}

// Request 15 and 33 from a participant that claimed club 3 must not touch club 2.
TEST_F(Fern, TeilnehmerHandeltNurFuerSeinenVerein)
{
    Manager_Neuer_Mitspieler(3, "C");
    Eingang_Set_Spiel_Gestartet(true);
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    Mitspieler[0].in_benutzung = 1;
    ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[0], 3));
    Internet_Set_Server_Sender(fangen);
    std::vector<uint8_t> own, t2;
    Aktuelles_Team = 3;
    T_Own[3].beobachtet[0] = 9;
    ASSERT_TRUE(Team_Internet_Client_Send_Own_Packen(&own, &t2));
    T_Own[3].beobachtet[0] = -1;
    const Team_Own vorher_b = T_Own[2];
    Fehler_Capture f;
    const auto senden = anfrage_senden;
    std::vector<uint8_t> block = {1, 0, 0, 0};
    block.insert(block.end(), own.begin(), own.end());
    block.resize(4 + ((own.size() + 3) & ~size_t(3)));
    block.insert(block.end(), {1, 0, 0, 0, t2[0], t2[1], 0, 0});
    senden(15, 2, "vV>776V>2", block);
    EXPECT_EQ(std::memcmp(&T_Own[2], &vorher_b, sizeof vorher_b), 0);
    EXPECT_EQ(T_Own[3].beobachtet[0], -1);
    senden(15, 3, "vV>776V>2", block);
    EXPECT_EQ(T_Own[3].beobachtet[0], 9);
    EXPECT_EQ(std::memcmp(&T_Own[2], &vorher_b, sizeof vorher_b), 0);

    // Manager blocks: another club is refused, a damaged block of the own club changes nothing.
    std::vector<uint8_t> b33;
    ASSERT_TRUE(Manager_Internet_Bloecke_Packen(3, false, &b33));
    std::vector<uint8_t> m33;
    std::string f33 = "v";
    size_t o = 0;
    for (int i = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
        if (i == 1) continue;
        const uint32_t n = Manager_Netz_Bloecke[i].bytes;
        f33 += "V>" + std::to_string(n);
        m33.insert(m33.end(), {1, 0, 0, 0});
        m33.insert(m33.end(), b33.begin() + long(o), b33.begin() + long(o + n));
        m33.resize(m33.size() + ((4 - n % 4) % 4));
        o += n;
    }
    std::vector<uint8_t> b2_vorher, b2_nachher;
    Manager_Internet_Bloecke_Packen(2, true, &b2_vorher);
    senden(33, 2, f33, m33);
    Manager_Internet_Bloecke_Packen(2, true, &b2_nachher);
    EXPECT_EQ(b2_vorher, b2_nachher);
    EXPECT_TRUE(f.contains("(Verein)"));
    // An agency past the table is refused whole; a camp kind the economy does not know is no
    // appointment the server takes.
    const size_t werbung = 4 + 1728 + 4, termine = werbung + 456 + 4;
    for (auto [stelle, wert] : {std::pair{werbung + 437, uint8_t(5)}, std::pair{termine + 44 * 2, uint8_t(5)}}) {
        auto kaputt = m33;
        kaputt[stelle] = wert;
        if (stelle >= termine) kaputt[termine + 44 * 2 + 1] = 1;
        std::vector<uint8_t> vorher, nachher;
        Manager_Internet_Bloecke_Packen(3, true, &vorher);
        senden(33, 3, f33, kaputt);
        Manager_Internet_Bloecke_Packen(3, true, &nachher);
        EXPECT_EQ(vorher, nachher);
    }
    // The good block of the own club is taken.
    m33[werbung + 437] = 4;
    senden(33, 3, f33, m33);
    EXPECT_EQ(T_Fix[3].manager->werbung[437], 4);
}

}  // namespace

namespace {

// The server's side of the world as it stands while the hook answers: its changes are undone
// afterwards, so that only the reply can bring them to the client's copy.
std::function<void()> server_stand;
std::vector<uint32_t> nummern;

bool ueber_den_server(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* aus)
{
    nummern.push_back(Bytes_Hole32(anfrage.data() + 4));
    const Team_Own own = T_Own[2];
    uint8_t werbung[sizeof T_Fix[2].manager->werbung];
    std::memcpy(werbung, T_Fix[2].manager->werbung, sizeof werbung);
    server_stand();
    Netz_Rolle = 2;
    antwort.clear();
    Internet_Server_Antwort(&Mitspieler[0], anfrage.data(), uint32_t(anfrage.size()));
    Netz_Rolle = 1;
    T_Own[2] = own;
    std::memcpy(T_Fix[2].manager->werbung, werbung, sizeof werbung);
    *aus = antwort;
    return !aus->empty();
}

// A game under way whose participant 0 has claimed club 2; the server has no club of its own.
void teilnehmer_von_2()
{
    Eingang_Set_Spiel_Gestartet(true);
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    Mitspieler[0].in_benutzung = 1;
    Server_Team = -1;
    ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[0], 2));
    Internet_Set_Server_Sender(fangen);
}

TEST_F(Fern, MenuerundeHoltUndSendetZurueck)
{
    nummern.clear();  // another test of this process may have made calls before
    ASSERT_NO_FATAL_FAILURE(teilnehmer_von_2());
    Internet_Set_Client_Austausch(ueber_den_server);
    Aktuelles_Team = 2;
    Netz_Rolle = 1;
    // The server knows a morale and an advertising byte that the client has not seen yet.
    server_stand = [] {
        T_Own[2].moral = 61;
        T_Fix[2].manager->werbung[5] = 3;
    };
    Team_Internet_Client_Refresh();
    Manager_Internet_Client_Refresh();
    Richter_Internet_Client_Get_Liste();
    EXPECT_EQ(nummern, (std::vector<uint32_t>{13, 12, 30, 50}));
    EXPECT_EQ(T_Own[2].moral, 61);
    EXPECT_EQ(T_Fix[2].manager->werbung[5], 3);

    // What the client changed arrives on the server: the hook checks it there.
    nummern.clear();
    T_Own[2].beobachtet[1] = 11;
    T_Fix[2].manager->werbung[437] = 4;
    static int angekommen;
    angekommen = 0;
    server_stand = [] {
        T_Own[2].beobachtet[1] = -1;
        T_Fix[2].manager->werbung[437] = 0;
        Internet_Set_Server_Sender([](Mitspieler_Eintrag* m, const uint8_t* d, uint32_t n) {
            angekommen += T_Own[2].beobachtet[1] == 11;
            angekommen += T_Fix[2].manager->werbung[437] == 4;
            return fangen(m, d, n);
        });
    };
    Internet_Client_Refresh();
    EXPECT_EQ(nummern, (std::vector<uint32_t>{42, 15, 33}));
    EXPECT_EQ(angekommen, 2);
    Internet_Set_Client_Austausch(nullptr);
    Netz_Rolle = 3;
}

// The broadcast choice a client's manager made for his club reaches the server with the turn's
// data, once; there it changes that club's bits and no other club's, whatever the client asks.
TEST_F(Fern, UebertragungDesClientsErreichtDenServer)
{
    nummern.clear();
    ASSERT_NO_FATAL_FAILURE(teilnehmer_von_2());
    Internet_Set_Client_Austausch(ueber_den_server);
    Team_Uebertragung_Client_Vergessen();
    Aktuelles_Team = 2;
    Netz_Rolle = 1;
    constexpr int32_t LIVE = 8, KONFERENZ = 16;
    // What the server holds while it answers: club 2 live, club 1 in the conference; read back
    // as the reply to request 18 goes out.
    static int32_t beim_server[2];
    server_stand = [] {
        T[2].flags = uint8_t((T[2].flags & ~(LIVE | KONFERENZ)) | LIVE);
        T[1].flags = uint8_t((T[1].flags & ~(LIVE | KONFERENZ)) | KONFERENZ);
        Internet_Set_Server_Sender([](Mitspieler_Eintrag* m, const uint8_t* d, uint32_t n) {
            if (Bytes_Hole32(d + 4) == 18) {
                beim_server[0] = T[2].flags & (LIVE | KONFERENZ);
                beim_server[1] = T[1].flags & (LIVE | KONFERENZ);
            }
            return fangen(m, d, n);
        });
    };
    const auto zug_ende = [] {
        nummern.clear();
        beim_server[0] = beim_server[1] = -1;
        Internet_Client_Refresh();
        return std::count(nummern.begin(), nummern.end(), 18u);
    };
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_KEINE, 2);
    EXPECT_EQ(zug_ende(), 1);
    EXPECT_EQ(beim_server[0], 0);
    EXPECT_EQ(beim_server[1], KONFERENZ);
    // Nothing chosen since: nothing goes.
    EXPECT_EQ(zug_ende(), 0);
    // "Alle Übertragungen aus" on a client turns off its own club's only.
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_ALLE_AUS, 2);
    EXPECT_EQ(zug_ende(), 1);
    EXPECT_EQ(beim_server[0], 0);
    EXPECT_EQ(beim_server[1], KONFERENZ);
    // A choice for another club stays on the client.
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, 1);
    EXPECT_EQ(zug_ende(), 0);
    // An unanswered send goes again with the next turn's data.
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, 2);
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>&, std::vector<uint8_t>*) { return false; });
    Internet_Client_Refresh();
    Internet_Set_Client_Austausch(ueber_den_server);
    EXPECT_EQ(zug_ende(), 1);
    EXPECT_EQ(beim_server[0], LIVE);
    Internet_Set_Client_Austausch(nullptr);

    // Raw requests: another club or an unknown choice change nothing.
    Netz_Rolle = 2;
    Internet_Set_Server_Sender(fangen);
    T[1].flags = LIVE;
    T[2].flags = LIVE;
    Fehler_Capture f;
    anfrage_senden(18, 1, "vc", {2, 0, 0, 0});
    anfrage_senden(18, 2, "vc", {7, 0, 0, 0});
    EXPECT_EQ(T[1].flags, LIVE);
    EXPECT_EQ(T[2].flags, LIVE);
    EXPECT_TRUE(f.contains("Wahl 7"));
    anfrage_senden(18, 2, "vc", {1, 0, 0, 0});
    EXPECT_EQ(T[2].flags, KONFERENZ);
    EXPECT_EQ(T[1].flags, LIVE);
    Netz_Rolle = 3;
}

}  // namespace

namespace {

// A client reads another club's links only once it holds them: the first read fetches them
// (request 40), later reads of the round use the copy, the next round's refresh makes them stale.
TEST_F(Fern, FremdeVerknuepfungenHoltDerClientBeimLesen)
{
    ASSERT_NO_FATAL_FAILURE(teilnehmer_von_2());
    Aktuelles_Team = 2;
    // What the server holds of player 3 at club 1 while it answers; afterwards the shared list
    // goes back to 0, so that only the reply can bring another value to the client's copy.
    static int16_t beim_server;
    auto setzen = [](int16_t p) {
        const uint32_t rolle = Netz_Rolle;
        Netz_Rolle = 2;
        Teamspieler_Get_Record(1, 3)->position = p;
        Netz_Rolle = rolle;
    };
    setzen(0);
    T_Fix[1].netz = int8_t(T_Fix[1].netz & ~4);
    server_stand = [setzen] { setzen(beim_server); };
    auto position = [] {
        const TS* ts = Teamspieler_Get_Record(1, 3);
        return ts ? int32_t(ts->position) : -100;
    };
    Netz_Rolle = 1;
    nummern.clear();

    // A failed fetch leaves the list stale, so that the next read asks again.
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>& a, std::vector<uint8_t>*) {
        nummern.push_back(Bytes_Hole32(a.data() + 4));
        return false;
    });
    {
        Fehler_Capture f;
        EXPECT_EQ(position(), 0);
        EXPECT_TRUE(f.contains("Listenfehler"));
        EXPECT_EQ(position(), 0);
    }
    EXPECT_EQ(nummern, (std::vector<uint32_t>{40, 40}));

    nummern.clear();
    beim_server = 7;
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>& a, std::vector<uint8_t>* aus) {
        const bool ok = ueber_den_server(a, aus);
        const uint32_t rolle = Netz_Rolle;
        Netz_Rolle = 2;
        Teamspieler_Get_Record(1, 3)->position = 0;
        Netz_Rolle = rolle;
        return ok;
    });
    EXPECT_EQ(position(), 7);
    EXPECT_EQ(position(), 7);
    EXPECT_EQ(nummern, std::vector<uint32_t>{40});

    // A new round: the refresh marks every list stale, and club 1 comes again on its next read.
    nummern.clear();
    beim_server = 9;
    Team_Internet_Client_Refresh();
    EXPECT_EQ(position(), 9);
    EXPECT_EQ(position(), 9);
    EXPECT_EQ(std::count(nummern.begin(), nummern.end(), 40u), 1);
    Internet_Set_Client_Austausch(nullptr);
    Netz_Rolle = 3;
}
// The marks of the clubs whose client is connected follow the participants on the serving PC
// only; the server's team refresh renews them for its next pass.
TEST_F(Fern, OnlineMarkenFolgenDenTeilnehmern)
{
    teilnehmer_von_3();
    Handelndes_Team = 1;
    T[0].status = T[2].status = TEAM_VON_CLIENT_GEHALTEN;
    T[Transfermarkt_Team].status = 0x10;
    Netz_Rolle = 1;
    EXPECT_EQ(Internet_Server_Mitspieler_Statistik(), 0);
    EXPECT_EQ(T[2].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN);
    Netz_Rolle = 0;
    EXPECT_EQ(Internet_Server_Mitspieler_Statistik(), 0);
    EXPECT_EQ(T[3].status & TEAM_VON_CLIENT_GEHALTEN, 0);

    Netz_Rolle = 2;
    EXPECT_EQ(Internet_Server_Mitspieler_Statistik(), Team_Anzahl);
    EXPECT_EQ(T[1].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN);
    EXPECT_EQ(T[3].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN);
    EXPECT_EQ(T[2].status & TEAM_VON_CLIENT_GEHALTEN, 0);
    EXPECT_EQ(T[0].status & TEAM_VON_CLIENT_GEHALTEN, 0);
    EXPECT_EQ(T[Transfermarkt_Team].status, 0x10);

    // Club 3's client goes: this refresh still trusts the old mark, the next hands the club over.
    auto aufgaben = [] {
        const auto* b = static_cast<const uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, 3, nullptr, TEAM_LESEN));
        return std::vector<uint8_t>(b + ASSI_OFFSET_AUFGABEN, b + ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN);
    };
    Netzuser_Loeschen(&Mitspieler[0]);
    Team_Internet_Server_Refresh();
    EXPECT_EQ(aufgaben(), std::vector<uint8_t>(6, 0));
    EXPECT_EQ(T[3].status & TEAM_VON_CLIENT_GEHALTEN, 0);
    Team_Internet_Server_Refresh();
    EXPECT_EQ(aufgaben(), std::vector<uint8_t>(6, 1));
    Netz_Rolle = 3;
}

}  // namespace

namespace {

// The staff pool: the server holds `server_personal` (empty: its module not started), the
// client's module stays as it was around the server's answer.
std::vector<uint8_t> server_personal;
int personal_anfragen = 0;

std::vector<uint8_t> personal_bild()
{
    uint8_t* b = nullptr;
    const uint32_t n = Personal_Liste_Serialisieren(&b);
    std::vector<uint8_t> v(b, b + n);
    Mem_Free(b, 0);
    return v;
}

bool personal_ueber_den_server(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* aus)
{
    ++personal_anfragen;
    const bool client_hat_liste = Personal_Check_Init();
    const std::vector<uint8_t> client_liste = client_hat_liste ? personal_bild() : std::vector<uint8_t>{};
    Personal_DeInit();
    if (!server_personal.empty()) {
        Personal_Init();
        Personal_Liste_Einlesen(server_personal.data(), uint32_t(server_personal.size()));
    }
    Netz_Rolle = 2;
    antwort.clear();
    Internet_Server_Antwort(&Mitspieler[0], anfrage.data(), uint32_t(anfrage.size()));
    Netz_Rolle = 1;
    Personal_DeInit();
    if (client_hat_liste) {
        Personal_Init();
        Personal_Liste_Einlesen(client_liste.data(), uint32_t(client_liste.size()));
    }
    *aus = antwort;
    return !aus->empty();
}

std::vector<uint8_t> schiedsrichter(std::initializer_list<int16_t> ids) { return Test_Schiedsrichter_Liste(ids); }

// The referees a client's match days name are the server's, though the client reads no staff
// file and never started the module; a later fetch replaces the list, and a server without one
// leaves the client's as it was.
TEST_F(Fern, DerClientHoltDieSchiedsrichterDesServers)
{
    ASSERT_NO_FATAL_FAILURE(teilnehmer_von_2());
    Internet_Set_Client_Austausch(personal_ueber_den_server);
    Personal_DeInit();
    personal_anfragen = 0;
    Aktuelles_Team = 2;
    Netz_Rolle = 1;
    server_personal = schiedsrichter({4, 7, 12});
    ASSERT_EQ(Personal_Internet_Client_Get_Liste(), 1);
    EXPECT_EQ(personal_anfragen, 1);
    EXPECT_EQ(Personal_Anzahl(PERSONAL_SCHIEDSRICHTER), 3);
    EXPECT_STREQ(Personal_Get_Name(12, PERSONAL_SCHIEDSRICHTER), "Pfeife 12");
    EXPECT_STREQ(Personal_Get_Bewertungstext(7, 0), "pfeift streng");
    EXPECT_STREQ(Personal_Get_Bewertungstext(7, 1), "übersieht einiges");

    server_personal = schiedsrichter({9});
    ASSERT_EQ(Personal_Internet_Client_Get_Liste(), 1);
    EXPECT_EQ(Personal_Anzahl(PERSONAL_SCHIEDSRICHTER), 1);
    EXPECT_STREQ(Personal_Get_Name(4, PERSONAL_SCHIEDSRICHTER), "unbekannt");

    server_personal.clear();
    EXPECT_EQ(Personal_Internet_Client_Get_Liste(), 0);
    EXPECT_STREQ(Personal_Get_Name(9, PERSONAL_SCHIEDSRICHTER), "Pfeife 9");
    // Not a client: nothing is asked.
    Netz_Rolle = 3;
    EXPECT_EQ(Personal_Internet_Client_Get_Liste(), 0);
    EXPECT_EQ(personal_anfragen, 3);
    Internet_Set_Client_Austausch(nullptr);
    Personal_DeInit();
}

}  // namespace

namespace {

// A pass of the main loop marks anew only after a change: a participant who goes, a club
// claimed, the server's acting club, a mark cleared elsewhere; an unchanged pass marks nothing.
TEST_F(Fern, AMainLoopPassMarksTheClubsAnewOnlyAfterAChange)
{
    teilnehmer_von_3();
    Handelndes_Team = 1;
    Internet_Server_Mitspieler_Statistik();
    EXPECT_EQ(Internet_Server_Mitspieler_Nachfuehren(), 0);
    EXPECT_EQ(T[3].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN);

    T[3].status = uint8_t(T[3].status & ~TEAM_VON_CLIENT_GEHALTEN);
    EXPECT_EQ(Internet_Server_Mitspieler_Nachfuehren(), Team_Anzahl) << "a mark cleared elsewhere comes back";
    EXPECT_EQ(T[3].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN);

    Netzuser_Loeschen(&Mitspieler[0]);
    EXPECT_EQ(Internet_Server_Mitspieler_Nachfuehren(), Team_Anzahl);
    EXPECT_EQ(T[3].status & TEAM_VON_CLIENT_GEHALTEN, 0) << "the participant went";

    Mitspieler[1].in_benutzung = 1;
    Mitspieler[1].team = -1;
    EXPECT_EQ(Internet_Server_Mitspieler_Nachfuehren(), 0) << "a participant without a club holds none";
    ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[1], 3));
    EXPECT_EQ(Internet_Server_Mitspieler_Nachfuehren(), Team_Anzahl);
    EXPECT_EQ(T[3].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN) << "the club claimed";

    Handelndes_Team = 2;
    EXPECT_EQ(Internet_Server_Mitspieler_Nachfuehren(), Team_Anzahl);
    EXPECT_EQ(T[2].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN);
    EXPECT_EQ(T[1].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN) << "the server's own club";
    EXPECT_EQ(Internet_Server_Mitspieler_Nachfuehren(), 0);

    // The chat's online check (once a second) leaves the server's own clubs online: their marks
    // stand between two passes, where a save may write them, and no pass has to set them again.
    for (uint32_t t : {0x40000000u, 0x40000000u + CHAT_STATUS_ABSTAND}) Chat_Pruefe_Online_Status(t);
    EXPECT_EQ(T[1].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN) << "the server's own club";
    EXPECT_EQ(T[2].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN) << "the server's acting club";
    EXPECT_EQ(T[3].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN) << "the participant's club";
    EXPECT_EQ(Internet_Server_Mitspieler_Nachfuehren(), 0);
    Netz_Rolle = 3;
}

}  // namespace
