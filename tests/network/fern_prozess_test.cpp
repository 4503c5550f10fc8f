// A client process starts up against a server process over loopback, refreshes its copies at a
// menu round and sends its changes back; the server answers from its network pump.
#include "netz_hilfe.h"

#include <filesystem>

#include "../economy/welt_hilfe.h"
#include "common/capture.h"

#include "database/datenbank_fern.h"
#include "database/db_hilfe.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/stadion_intern.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "economy/werbung_schirm.h"
#include "economy/werbung_intern.h"
#include "gameflow/eingang.h"
#include "gameflow/kalender.h"
#include "gameflow/team_requester.h"
#include "network/internet_read.h"
#include "network/steuersignal.h"
#include "platform/zufall.h"

using namespace netz_test;

namespace {

constexpr int32_t CLIENT_TEAM = 2;

std::vector<uint32_t> beantwortet;
uint32_t wartezeit_nach_33 = 1;
int antwort_senden(Mitspieler_Eintrag* m, const uint8_t* d, uint32_t n)
{
    beantwortet.push_back(Bytes_Hole32(d + 4));
    if (beantwortet.back() == 33) wartezeit_nach_33 = m->datenanfrage_zeit;
    return Netz_Server_Senden(m, d, n);
}

void schreiben(const char* name, const std::vector<uint8_t>& b)
{
    datei_schreiben(name, std::string(b.begin(), b.end()));
}

std::vector<uint8_t> lesen(const char* name)
{
    const std::string s = datei_lesen(name);
    return {s.begin(), s.end()};
}

std::vector<uint8_t> manager_block(int32_t block, int32_t team, uint32_t bytes)
{
    const auto* b = static_cast<const uint8_t*>(Team_Zeiger(block, team, nullptr, 0));
    return b ? std::vector<uint8_t>(b, b + bytes) : std::vector<uint8_t>{};
}

// The images both ends compare. Bits the client keeps for itself are masked: the marks in the
// first two bytes of T, the network bit of T_Fix and which clubs' manager records it holds.
struct Abbild {
    std::vector<uint8_t> t, t_fix, own, links, manager;
};

Abbild abbild()
{
    Abbild a;
    Team_Internet_Server_Send_T_Block(&a.t);
    for (size_t o = 0; o + TEAM_STRUKTUR_BYTES <= a.t.size(); o += TEAM_STRUKTUR_BYTES) {
        a.t[o] &= uint8_t(~8);
        a.t[o + 1] &= uint8_t(~(8 | 16));
    }
    Team_Internet_Server_Send_T_Fix_Block(&a.t_fix);
    for (size_t o = 0; o + TEAM_FIX_BYTES <= a.t_fix.size(); o += TEAM_FIX_BYTES) {
        a.t_fix[o + 24] &= uint8_t(~4);
        std::memset(a.t_fix.data() + o + 124, 0, 4);
    }
    a.own.resize(TEAM_OWN_BYTES);
    Team_Own_Packen(T_Own[CLIENT_TEAM], a.own.data());
    const int32_t teams[] = {CLIENT_TEAM, Transfermarkt_Team};
    Teamspieler_Internet_TS_Block_Packen(teams, 2, &a.links);
    Manager_Internet_Bloecke_Packen(CLIENT_TEAM, true, &a.manager);
    return a;
}

// A player's main and fixed parts as they are read: through the accessors, which fetch them on a
// client.
std::vector<uint8_t> spieler_bild(int32_t spnr)
{
    std::vector<uint8_t> b(1);
    b[0] = uint8_t(Spieler_Wert(SP_KRAFT, spnr, 0, SP_LESEN));
    b.resize(1 + 50 + 36);
    Spieler_Struktur_Packen(Spieler_Daten[spnr], b.data() + 1);
    Spieler_Fix_Packen(Spieler_Fix_Daten[spnr], b.data() + 51);
    return b;
}

// The server's game runs with its own manager's club; the replies are counted.
void spiel_beginnen(int32_t server_team)
{
    Server_Team = server_team;
    Eingang_Set_Spiel_Gestartet(true);
    Internet_Set_Server_Sender(antwort_senden);
    beantwortet.clear();
}
void spiel_enden()
{
    Internet_Set_Server_Sender(nullptr);
    Eingang_Set_Spiel_Gestartet(false);
    Server_Team = -1;
}

struct FernProzess : Netz_Test {
    void SetUp() override
    {
        Netz_Test::SetUp();
        Internet_Fern_Anbinden();
        Test_Netz_Welt_Anlegen();
        Manager_Neuer_Mitspieler(1, "Server");
        Manager_Neuer_Mitspieler(CLIENT_TEAM, "Gast");
        T_Own[CLIENT_TEAM].moral = 61;
        T_Fix[CLIENT_TEAM].manager->werbung[5] = 3;
        Teamspieler_Get_Record(CLIENT_TEAM, 21)->rueckennummer = 14;
        Spieler_Daten[22].attribute[0] = 777;
        std::snprintf(Spieler_Fix_Daten[22].name, 20, "Weitfeld");
        spiel_beginnen(1);
    }
    void TearDown() override
    {
        spiel_enden();
        Trainingslager_DeInit();
        Test_Welt_Aufraeumen();
        Netz_Test::TearDown();
    }
};

TEST_F(FernProzess, StartMenuerundeUndRuecksendung)
{
    // the camp the client asks for is open on the server's days
    Trainingslager_Init();
    for (int32_t d = 10; d <= 11; ++d) Trainingslager_Tag_Setzen(3, d, 1);
    server_starten();
    const Abbild server = abbild();
    const int8_t versicherer = Teamspieler_Get_Record(CLIENT_TEAM, 20)->versicherer;
    Mitspieler_Eintrag* gast = nullptr;
    bool tag_vergangen = false;
    const int code = client_prozess(
        [this] {
            // The child starts with nothing of the server's world.
            Test_Welt_Aufraeumen();
            Netz_Rolle = 1;
            Aktuelles_Team = CLIENT_TEAM;
            if (!client_anmelden()) return 2;
            Internet_Client_Init();
            if (!T || !T_Fix || !Spieler_Daten || !T_Fix[CLIENT_TEAM].manager) return 3;
            Spieler_Internet_Client_Refresh();
            Team_Internet_Client_Refresh();
            Teamspieler_Internet_Client_Refresh();
            Manager_Internet_Client_Refresh();
            const Abbild a = abbild();
            schreiben("t.bin", a.t);
            schreiben("t_fix.bin", a.t_fix);
            schreiben("own.bin", a.own);
            schreiben("links.bin", a.links);
            schreiben("manager.bin", a.manager);
            // A player the client has not seen is fetched on the first read of him.
            if (Spieler_Client_Flags[22] != 0) return 5;
            schreiben("spieler.bin", spieler_bild(22));
            if (Spieler_Client_Flags[22] != 3) return 6;
            if (Internet_Team_Hat_Manager(1) != 1 || Internet_Team_Hat_Manager(3) != 0) return 4;
            // The own records one at a time: a local slip is put right by the server's.
            T[CLIENT_TEAM].spieleranzahl = 99;
            T_Fix[CLIENT_TEAM].liga = 77;
            Team_Internet_Client_Get_T();
            Team_Internet_Client_Get_T_Fix();
            if (abbild().t != a.t || abbild().t_fix != a.t_fix) return 8;
            T_Fix[CLIENT_TEAM].manager->icons.status[700] = 0xABC;
            Manager_Internet_Client_Icon_Status(true);
            T_Fix[CLIENT_TEAM].manager->icons.status[700] = 0;
            Manager_Internet_Client_Icon_Status(false);
            if (T_Fix[CLIENT_TEAM].manager->icons.status[700] != 0xABC) return 9;
            if (!Teamspieler_Internet_Client_Send_Versicherungsabschluss(20, 1, 2, 100, 900)) return 10;
            // A player of a club whose links the client does not hold.
            if (Teamspieler_Get_Team_Des_Spielers(-1, 7, -1) != 1) return 7;
            // An offer for him, and a camp request of the own club, go to the server's arbiter.
            Spieler_Angebot angebot{};
            angebot.bieter = CLIENT_TEAM;
            angebot.verein = 1;
            angebot.spnr = 7;
            angebot.gehalt = 80;
            angebot.monate = 24;
            Richter_Spieler_Angebot_Hinzufuegen(&angebot);
            Trainingslager_Buchung lager[TRAININGSLAGER_BUCHUNGEN] = {};
            lager[4].art = 1;
            lager[4].belegt = 1;
            lager[4].ziel = 3;
            lager[4].erster_tag = 10;
            lager[4].letzter_tag = 11;
            Richter_Trainingslager_Anfrage_Hinzufuegen(CLIENT_TEAM, 4, lager);
            // The manager changes his line-up, his team and his record, and ends his turn.
            Teamspieler_Get_Record(CLIENT_TEAM, 20)->rueckennummer = 33;
            T_Own[CLIENT_TEAM].beobachtet[0] = 9;
            T_Fix[CLIENT_TEAM].manager->werbung[6] = 4;
            T_Fix[CLIENT_TEAM].manager->werbung[437] = 4;
            Internet_Client_Refresh();
            return 0;
        },
        [&] {
            // The claim the client's team signal makes, and the server waiting for its data.
            if (!gast && Mitspieler[0].in_benutzung) {
                gast = &Mitspieler[0];
                Internet_Verein_Beanspruchen(gast, CLIENT_TEAM);
                gast->datenanfrage_zeit = 5000;
            }
            // A day passes on the server between the client's start and its first menu round.
            if (beantwortet.size() == 11 && !tag_vergangen) {
                tag_vergangen = true;
                ++Team_Aenderungszaehler;
                std::snprintf(T_Fix[3].name, 24, "Neu Hausen");
            }
            Steuersignal_Verarbeiten();
        });
    ASSERT_EQ(code, 0) << datei_lesen("client_stderr.txt");

    // Start-up in its order, then the menu round, the manager-team look-ups and the send-back.
    const std::vector<uint32_t> erwartet = {31, 16, 14, 2, 0, 0, 1031, 40, 40, 41, 32, 3, 0, 0, 13, 12, 14, 40, 40, 41,
                                            30, 0, 0, 16, 17, 16, 17, 10, 11, 34, 34, 43, 44, 51, 50, 52, 42, 15, 33};
    EXPECT_EQ(beantwortet, erwartet);
    // T as the server has it, the client's club marked as held by a connected client.
    EXPECT_EQ(lesen("t.bin"), abbild().t);
    EXPECT_EQ(T[CLIENT_TEAM].status & TEAM_VON_CLIENT_GEHALTEN, TEAM_VON_CLIENT_GEHALTEN);
    EXPECT_EQ(lesen("t_fix.bin"), abbild().t_fix) << "fetched again after the server's day";
    EXPECT_EQ(lesen("own.bin"), server.own);
    EXPECT_EQ(lesen("links.bin"), server.links);
    EXPECT_EQ(lesen("manager.bin"), server.manager);
    EXPECT_EQ(lesen("spieler.bin"), spieler_bild(22));

    EXPECT_EQ(Teamspieler_Get_Record(CLIENT_TEAM, 20)->rueckennummer, 33);
    EXPECT_EQ(Teamspieler_Get_Record(CLIENT_TEAM, 21)->rueckennummer, 14);
    EXPECT_EQ(T_Own[CLIENT_TEAM].beobachtet[0], 9);
    EXPECT_EQ(T_Fix[CLIENT_TEAM].manager->werbung[437], 4) << "an agency the sponsor screen sets";
    EXPECT_EQ(T_Fix[CLIENT_TEAM].manager->werbung[6], 0) << "a sponsor no contract brought";
    EXPECT_EQ(T_Fix[CLIENT_TEAM].manager->werbung[5], 3);
    EXPECT_EQ(T_Fix[CLIENT_TEAM].manager->icons.status[700], 0xABCu);
    ASSERT_EQ(versicherer, -1);
    EXPECT_EQ(Teamspieler_Get_Record(CLIENT_TEAM, 20)->versicherer, 1) << "the insurer concludes";
    EXPECT_EQ(Teamspieler_Wert(303, CLIENT_TEAM, 20, 0, 0), 24);
    EXPECT_NE(Teamspieler_Wert(308, CLIENT_TEAM, 20, 0, 0), 900) << "with its own figures";
    ASSERT_NE(gast, nullptr);
    EXPECT_EQ(wartezeit_nach_33, 0u) << "the manager record marks the client's data as sent";
    EXPECT_TRUE(Richter_Spieler_Angebot_Vorhanden(7, 1, CLIENT_TEAM));
    const Liste_Element* lager = Liste_First_Element(&Richter_Liste);
    ASSERT_NE(lager, nullptr);
    EXPECT_EQ(lager->key, uint32_t(RICHTER_TRAININGSLAGER));
    const auto* b = static_cast<const Trainingslager_Buchung*>(lager->data);
    EXPECT_EQ(b->team, uint32_t(CLIENT_TEAM));
    EXPECT_EQ(b->slot, 0) << "the entry of the server's own table";
    EXPECT_EQ(b->ziel, 3u);
    EXPECT_EQ(Trainingslager_Freie_Buchungen(CLIENT_TEAM), TRAININGSLAGER_BUCHUNGEN - 1);
}

// The bank's and the stadium's requests travel through the call table: each format fits its
// template and the server lays it out; what the client fetches is the server's, what it orders
// is done on the server, for its own club only.
TEST_F(FernProzess, BankUndStadionUeberDieAufruftabelle)
{
    Bank_Init();
    Bank_Neues_Spiel();
    ASSERT_TRUE(Bank_Konto_Einrichten(CLIENT_TEAM, 1000000, 0));
    Stadion_Init();
    ASSERT_TRUE(Stadion_Neu(CLIENT_TEAM, nullptr));
    Stadion_Finden(CLIENT_TEAM)->preis[0] = 12.0f;
    server_starten();
    const std::vector<uint8_t> liste = Stadion_Liste_Bauen();
    const std::vector<float> kurse(Bank_Boerse[0].kurs, Bank_Boerse[0].kurs + BANK_FIRMEN);
    bool beansprucht = false;
    Fehler_Capture f;
    const int code = client_prozess(
        [this] {
            Test_Welt_Aufraeumen();
            Stadion_DeInit();
            Stadion_Client_Init();
            std::memset(Bank_Boerse[0].kurs, 0, sizeof Bank_Boerse[0].kurs);
            Netz_Rolle = 1;
            Aktuelles_Team = CLIENT_TEAM;
            if (!client_anmelden()) return 2;
            Internet_Client_Init();
            Bank_Client_Boerse_Holen(CLIENT_TEAM, 0);
            const std::vector<uint8_t> k(reinterpret_cast<uint8_t*>(Bank_Boerse[0].kurs),
                                         reinterpret_cast<uint8_t*>(Bank_Boerse[0].kurs + BANK_FIRMEN));
            schreiben("kurse.bin", k);
            if (!Stadion_Client_Holen(CLIENT_TEAM)) return 3;
            schreiben("stadien.bin", Stadion_Liste_Bauen());
            Stadion_Daten kopie = *Stadion_Finden(CLIENT_TEAM);
            kopie.preis[0] = 21.0f;
            if (Stadion_Top_Setzen(CLIENT_TEAM, &kopie) != 1) return 4;
            if (Bank_Client_Aktien_Transfer(CLIENT_TEAM, 5, 0, 1) != 1) return 5;
            // Another club's shares are not the client's to buy.
            if (Bank_Client_Aktien_Transfer(3, 5, 0, 1) != 0) return 6;
            // The remaining requests, for their formats.
            Bank_Client_Buchungen_Holen(CLIENT_TEAM);
            float betrag = 10000, zins = -1;
            if (Bank_Client_Anlagen_Transfer(CLIENT_TEAM, -1, &betrag, 6, 1, &zins) != 1) return 7;
            kopie.hat_top = 1;
            kopie.top.zuschlag = 10;
            kopie.top.platz_grenze = 3;
            Stadion_Top_Setzen(CLIENT_TEAM, &kopie);
            Stadion_Client_Bauen(CLIENT_TEAM, 0, 1, 0, 500, 0.0f);
            Stadion_Client_Renovieren(CLIENT_TEAM, 0, 0.0f);
            return 0;
        },
        [&] {
            if (!beansprucht && Mitspieler[0].in_benutzung)
                beansprucht = Internet_Verein_Beanspruchen(&Mitspieler[0], CLIENT_TEAM);
            Steuersignal_Verarbeiten();
        });
    EXPECT_EQ(code, 0) << datei_lesen("client_stderr.txt");
    for (uint32_t nr : {1015u, 1016u, 1017u, 1018u, 1019u, 1024u, 1025u, 1026u, 1027u, 1028u, 1029u})
        EXPECT_NE(std::find(beantwortet.begin(), beantwortet.end(), nr), beantwortet.end()) << nr;
    EXPECT_FALSE(f.contains("fremdem Format"));
    EXPECT_FALSE(f.contains("passt nicht"));
    const std::vector<uint8_t> k = lesen("kurse.bin");
    ASSERT_EQ(k.size(), kurse.size() * 4);
    EXPECT_EQ(std::memcmp(k.data(), kurse.data(), k.size()), 0);
    EXPECT_EQ(lesen("stadien.bin"), liste);
    EXPECT_EQ(Stadion_Finden(CLIENT_TEAM)->preis[0], 21.0f);
    void* cursor = nullptr;
    const Bank_Aktienbesitz* a = Bank_Naechster_Aktienbesitz(CLIENT_TEAM, &cursor, 0, 1);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->anzahl, 5);
    cursor = nullptr;
    EXPECT_EQ(Bank_Naechster_Aktienbesitz(3, &cursor, 0, 1), nullptr);
    Stadion_DeInit();
    Bank_DeInit();
}

// A client signs a sponsor and books a training camp against a server of the generated world:
// both go through the remote calls, and afterwards the server's records and the client's agree.
struct WerbungLagerFern : Netz_Test {
    int32_t gast = -1, eigen = -1;

    void SetUp() override
    {
        Netz_Test::SetUp();
        Netz_Rolle = 0;
        Aktueller_Tag = 0;
        Schwierigkeitsstufe = 2;
        Kalender_Spielplan_Leeren();
        Zufall_Set_Seed(321);
        ASSERT_NO_FATAL_FAILURE(Test_Welt_Laden(std::filesystem::path(ordner) / "welt", "--world small"));
        Richter_Init();
        Highscore_Init();
        // two clubs of the top league, the client's and the server's own manager's (club 0 is
        // none a client holds)
        for (int32_t t = 1; t < Team_Anzahl && eigen < 0; ++t) {
            if (Wettbewerb_Get_Liga_Niveau(t) != 100) continue;
            (gast < 0 ? gast : eigen) = t;
        }
        ASSERT_GE(eigen, 0);
        Manager_Neuer_Mitspieler(eigen, "Server");
        Manager_Neuer_Mitspieler(gast, "Gast");
        Werbung_Init();
        Trainingslager_Init();
        Netz_Rolle = 2;
        Internet_Fern_Anbinden();
        spiel_beginnen(eigen);
    }
    void TearDown() override
    {
        spiel_enden();
        Werbung_DeInit();
        Trainingslager_DeInit();
        Test_Welt_Aufraeumen();
        Netz_Rolle = 0;
        Netz_Test::TearDown();
    }
};

TEST_F(WerbungLagerFern, AClientSignsASponsorAndBooksACampAsTheServerRecordsThem)
{
    // A sponsor that signs the client's club for its shirt; a camp open on three days a week on.
    constexpr int32_t SPONSOR = 4, KATEGORIE = 3, CAMP = 2;
    Werbepartner& w = Werbepartner_Tabelle[SPONSOR];
    w.angebote[KATEGORIE] = 5;
    w.min_image = 0;
    w.laufzeit[KATEGORIE] = 12;
    w.preis[KATEGORIE] = 50000;
    const int32_t tag = Kalender_Get_Heute() + 8;
    for (int32_t d = tag; d < tag + 3; ++d) Trainingslager_Tag_Setzen(CAMP, d, 1);
    server_starten();
    const int32_t team = gast;
    bool beansprucht = false;
    Fehler_Capture f;
    const int code = client_prozess(
        [this, team, tag] {
            // The child starts with nothing of the server's world.
            Test_Welt_Aufraeumen();
            Werbung_DeInit();
            Trainingslager_DeInit();
            Netz_Rolle = 1;
            Aktuelles_Team = team;
            Team_Requester_Set_Anzeige([](int32_t, int32_t, const char*) { return uint8_t(1); });
            if (!client_anmelden()) return 2;
            Internet_Client_Init();
            Manager_Internet_Client_Refresh();
            // As a client's start does: the modules start empty and fetch the server's tables.
            Werbung_Init();
            Trainingslager_Init();
            if (!Werbung_Client_Partner_Neu_Holen()) return 3;
            if (!Trainingslager_Client_Neu_Holen()) return 4;
            if (!Trainingslager_Tag_Belegt(CAMP, tag)) return 5;
            if (!Werbung_Vertrag_Abschliessen(team, SPONSOR, KATEGORIE, -1)) return 6;
            // The sponsor screen's agency for the second task, two steps on, and its European flag;
            // an agency the table does not have is refused.
            Werbung_Schirm_Agentur_Weiter(team, 1);
            if (Werbung_Schirm_Agentur_Weiter(team, 1) != 2 || Werbung_Schirm_Europa_Schalten(team) != 1) return 8;
            if (Werbung_Client_Set_Agentur(team, 1, WERBUNG_AGENTUREN)) return 9;
            if (Trainingslager_Buchen(team, CAMP, tag, 3, 1) < 0) return 7;
            // The turn's end sends the manager record back.
            Internet_Client_Refresh();
            schreiben("partner.bin", Werbepartner_Bild_Schreiben());
            schreiben("lager.bin", Trainingslager_Bild_Schreiben());
            schreiben("werbung.bin", manager_block(304, team, WERBUNG_TEAM_BYTES));
            schreiben("termine.bin", manager_block(307, team, TRAININGSLAGER_TERMINE_BYTES));
            return 0;
        },
        [&] {
            if (!beansprucht && Mitspieler[0].in_benutzung)
                beansprucht = Internet_Verein_Beanspruchen(&Mitspieler[0], team);
            Steuersignal_Verarbeiten();
        });
    ASSERT_EQ(code, 0) << datei_lesen("client_stderr.txt");
    for (uint32_t nr : {1021u, 1022u, 1023u, 1030u})
        EXPECT_NE(std::find(beantwortet.begin(), beantwortet.end(), nr), beantwortet.end()) << nr;
    EXPECT_FALSE(f.contains("Antwort fehlerhaft"));
    // The sponsor's shirt contract is the server's, one offer fewer on both.
    Werbung_Team_Daten d{};
    ASSERT_TRUE(Werbung_Team_Holen(team, &d));
    EXPECT_EQ(d.sponsor[16], SPONSOR);
    EXPECT_EQ(d.agentur[1], 2);
    EXPECT_EQ(d.europa_flag, 1);
    EXPECT_GT(d.betrag[16], 0.0f);
    EXPECT_EQ(w.angebote[KATEGORIE], 4);
    EXPECT_EQ(lesen("werbung.bin"), manager_block(304, team, WERBUNG_TEAM_BYTES));
    EXPECT_EQ(lesen("partner.bin"), Werbepartner_Bild_Schreiben());
    // The camp's booking: the same appointments on both, the request with the server's arbiter,
    // and the table the client read is the server's.
    EXPECT_EQ(lesen("termine.bin"), manager_block(307, team, TRAININGSLAGER_TERMINE_BYTES));
    EXPECT_EQ(lesen("lager.bin"), Trainingslager_Bild_Schreiben());
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    ASSERT_TRUE(Trainingslager_Buchungen(team, t));
    EXPECT_EQ(t[0].art, 1);
    EXPECT_EQ(t[0].ziel, CAMP);
    EXPECT_EQ(t[0].erster_tag, tag);
    EXPECT_EQ(t[0].letzter_tag, tag + 2);
    const Liste_Element* e = Liste_First_Element(&Richter_Liste);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->key, uint32_t(RICHTER_TRAININGSLAGER));
    EXPECT_EQ(static_cast<const Trainingslager_Buchung*>(e->data)->team, uint32_t(team));
}

}  // namespace
