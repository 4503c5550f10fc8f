// Manager records: the image and its blocks, the fields and icon state, the lifecycle with heads,
// club changes and the turn order, the manual line-up, the savegame blocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "common/capture.h"
#include "common/mutation.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "economy/werbung.h"
#include "gameflow/highscore.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/zufall.h"
#include "toolkit/favoriten.h"
#include "toolkit/icon.h"
#include "toolkit/menueleiste.h"
#include "toolkit/requester.h"
#include "toolkit/scroll.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Record_Frei {
    void operator()(Manager_Struktur* m) const { delete m; }
};
using Record = std::unique_ptr<Manager_Struktur, Record_Frei>;
Record neuer_record() { return Record(new Manager_Struktur{}); }

Bytes bild(const Manager_Struktur& m)
{
    Bytes b(MANAGER_STRUKTUR_BYTES);
    Manager_Struktur_Packen(m, b.data());
    return b;
}

// What the neighbours saw of a club change.
struct Gesehen {
    std::vector<std::string> fragen;
    std::vector<std::string> knoepfe;
    std::vector<int32_t> antworten;  // answers of the questions in turn; 1 when they run out
    std::vector<std::pair<int32_t, int32_t>> konten_neu, werbung;
    std::vector<int32_t> konten_weg, pokale;
} gesehen;

uint8_t requester(int32_t typ, int32_t, const char* text, const char* ja, const char* nein)
{
    gesehen.fragen.push_back(text);
    if (typ != 2) return 1;
    gesehen.knoepfe.push_back(std::string(ja) + "|" + nein);
    const size_t i = gesehen.knoepfe.size() - 1;
    return i < gesehen.antworten.size() ? uint8_t(gesehen.antworten[i]) : 1;
}

struct ManagerTest : ::testing::Test {
    void SetUp() override
    {
        gesehen = {};
        Test_Teams_Anlegen(50);
        Test_Spieler_Anlegen(200);
        Netz_Rolle = 2;
        Manager_Anzahl = 0;
        Highscore_Init();
        Menue_Requester_Set_Anzeige(requester);
        Bank_Set_Konto_Beobachter([](bool neu, int32_t team, int32_t start) {
            if (neu) gesehen.konten_neu.push_back({team, start});
            else gesehen.konten_weg.push_back(team);
        });
        Werbung_Set_Vorbelegen_Beobachter([](int32_t team, int32_t flag) { gesehen.werbung.push_back({team, flag}); });
        Team_Set_Pokale_Beobachter([](int32_t team) { gesehen.pokale.push_back(team); });
    }
    void TearDown() override
    {
        Menue_Requester_Set_Anzeige(nullptr);
        Bank_Set_Konto_Beobachter(nullptr);
        Werbung_Set_Vorbelegen_Beobachter(nullptr);
        Team_Set_Pokale_Beobachter(nullptr);
        Netz_Rolle = 0;  // a client keeps other clubs' records: free them all
        Test_Aufraeumen();
        Manager_Anzahl = 0;
        Handelndes_Team = 0;
        Stand_Alone_Server = 0;
        Server_Team = -1;
        Highscore_Init();
    }
    static void kader(int32_t team, int32_t erster, int32_t anzahl)
    {
        for (int32_t i = 0; i < anzahl; ++i) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, erster + i, 10, 0, 24, -1, false));
    }
};

TEST(ManagerBild, BlocksSitAtTheirOffsetsAndEveryByteRoundTrips)
{
    EXPECT_EQ(MANAGER_STRUKTUR_BYTES, 149572u);
    EXPECT_EQ(MANAGER_ZUSATZSPIELER_BYTES, 2550u);
    EXPECT_EQ(MANAGER_ICON_ZUSTAND_BYTES, 16904u);

    Record m = neuer_record();
    m->kopfnr = 7;
    m->aufstellung[0].plaetze[0][0] = 11;
    m->aufstellung[1].plaetze[0][0] = 12;
    m->manuell[0].werte[0][0] = 0x1234;
    m->zusatzspieler[0].spnr = 0x0102;
    m->zusatzspieler[1].spnr = 0x0304;
    m->icons.status[0] = 0xA1B2C3D4u;
    m->icons.wort[0] = 0x5566;
    m->icons.besucht_position = 9;
    m->icons.log_nr[99] = 0x0A0B;
    m->werbung[0] = 13;
    m->trainingslager[0] = 14;
    m->trainingsverteilung[0] = 1.0f;
    m->optionen[0] = 5;
    const Bytes b = bild(*m);
    EXPECT_EQ(b[0], 7);
    EXPECT_EQ(b[2], 11);
    EXPECT_EQ(b[866], 12);
    EXPECT_EQ(Bytes_Hole16(&b[1730]), 0x1234);
    EXPECT_EQ(Bytes_Hole16(&b[3330]), 0x0102);
    EXPECT_EQ(Bytes_Hole16(&b[3330 + 2550]), 0x0304);
    EXPECT_EQ(Bytes_Hole32(&b[130832]), 0xA1B2C3D4u);
    EXPECT_EQ(Bytes_Hole16(&b[130832 + 10804]), 0x5566);
    EXPECT_EQ(Bytes_Hole32(&b[130832 + 16208]), 9u);
    EXPECT_EQ(Bytes_Hole16(&b[130832 + 16900]), 0x0A0B);  // the last history number
    EXPECT_EQ(b[147736], 13);
    EXPECT_EQ(b[148192], 14);
    EXPECT_EQ(Bytes_Hole32(&b[149512]), 0x3F800000u);
    EXPECT_EQ(b[149568], 5);

    // An image with every byte set (reserved ones too) comes back byte for byte.
    mutation::Folge f(19);
    Bytes voll(MANAGER_STRUKTUR_BYTES);
    for (auto& x : voll) x = uint8_t(f());
    Record r = neuer_record();
    Manager_Struktur_Entpacken(voll.data(), *r);
    EXPECT_EQ(bild(*r), voll);
}

TEST_F(ManagerTest, BlockFieldsCopyTheirWholeBlockAndNoMore)
{
    Record m = neuer_record();
    mutation::Folge f(7);
    Bytes voll(MANAGER_STRUKTUR_BYTES);
    for (auto& x : voll) x = uint8_t(f());
    Manager_Struktur_Entpacken(voll.data(), *m);
    struct Block {
        int32_t feld;
        uint32_t ofs, groesse;
    };
    const Block bloecke[] = {{301, 2, 864},          {302, 866, 864},   {303, 130832, 16904}, {304, 147736, 456},
                             {305, 149512, 56},      {307, 148192, 1320}, {308, 3330, 127500},  {309, 149568, 3}};
    for (const Block& b : bloecke) {
        Bytes puffer(b.groesse + 8, 0xEE);
        EXPECT_EQ(Manager_Zeiger(b.feld, m.get(), puffer.data(), 2), nullptr);
        EXPECT_TRUE(std::equal(puffer.begin(), puffer.begin() + b.groesse, voll.begin() + b.ofs)) << b.feld;
        EXPECT_EQ(puffer[b.groesse], 0xEE) << b.feld;
        EXPECT_NE(Manager_Zeiger(b.feld, m.get(), nullptr, 0), nullptr);
    }
    EXPECT_EQ(Manager_Zeiger(306, m.get(), nullptr, 0), nullptr);
    EXPECT_EQ(Manager_Zeiger(310, m.get(), nullptr, 0), nullptr);

    Fehler_Capture cap;
    EXPECT_EQ(Manager_Zeiger(301, nullptr, nullptr, 0), nullptr);
    EXPECT_TRUE(cap.contains("Aufruf von Manager_Zeiger mit m=NULL !"));
    EXPECT_EQ(Manager_Zeiger(304, m.get(), nullptr, 1), nullptr);
    EXPECT_TRUE(cap.contains("Manager_Zeiger: Write && Zeiger=NULL!!!"));

    // A pure client copies its own icon state in, and nothing else in or out.
    Record leer = neuer_record();
    Netz_Rolle = 1;
    Bytes icons(16904, 0);
    Bytes_Setze32(&icons[0], 77);
    Manager_Zeiger(303, leer.get(), icons.data(), 1);
    EXPECT_EQ(leer->icons.status[0], 77u);
    Bytes satz(864, 3);
    Manager_Zeiger(301, leer.get(), satz.data(), 1);
    EXPECT_EQ(leer->aufstellung[0].plaetze[0][0], 0);
    Bytes raus(864, 9);
    Manager_Zeiger(302, m.get(), raus.data(), 2);
    EXPECT_EQ(raus[0], 9);
    EXPECT_TRUE(cap.contains("Manager_Zeiger: CLIENT-WRITE!"));

    // An icon state whose history points past its 15 entries is not taken over.
    Netz_Rolle = 2;
    Bytes_Setze32(&icons[16208], 15);
    Bytes_Setze32(&icons[0], 78);
    Manager_Zeiger(303, leer.get(), icons.data(), 1);
    EXPECT_EQ(leer->icons.status[0], 77u);
}

TEST_F(ManagerTest, HeadNumberIsTheOnlyValueAndFitsItsByte)
{
    Record m = neuer_record();
    T_Fix[4].manager = m.get();
    Fehler_Capture cap;
    EXPECT_EQ(Team_Wert(306, 4, 44, TEAM_SCHREIBEN), -1);
    EXPECT_EQ(Team_Wert(306, 4, 0, TEAM_LESEN), 44);
    EXPECT_TRUE(cap.texts.empty());
    Manager_Wert(306, m.get(), 1, 300);
    EXPECT_TRUE(cap.contains("Manager_Wert: Wert nicht innerhalb der Grenzen, wert=300,modus=306"));
    EXPECT_EQ(m->kopfnr, 255);
    Manager_Wert(306, m.get(), 1, -4);
    EXPECT_EQ(m->kopfnr, 0);
    EXPECT_EQ(Manager_Wert(305, m.get(), 0, 0), -1);
    EXPECT_TRUE(cap.contains("Manager_Wert: Falscher Parameter!"));
    EXPECT_EQ(Team_Wert(306, 5, 0, TEAM_LESEN), 0);  // no record
    EXPECT_TRUE(cap.contains("Aufruf von Manager_Wert mit m=NULL !"));
    EXPECT_STREQ(Manager_String(306, nullptr, 0), "Manager_String_Error");
    EXPECT_STREQ(Manager_String(306, m.get(), 0), "FEHLER in Manager_String: falscher Modus!");
    Netz_Rolle = 1;
    EXPECT_EQ(Manager_Wert(306, m.get(), 1, 3), 0);
    EXPECT_TRUE(cap.contains("Manager_Wert: CLIENT-WRITE!"));
    EXPECT_EQ(m->kopfnr, 0);
    T_Fix[4].manager = nullptr;
}

TEST_F(ManagerTest, IconStatesPerManager)
{
    Manager_Neuer_Mitspieler(2, "Vera");
    Fehler_Capture cap;
    Manager_Icon_Button_An_Aus(2, 2700, 1);
    EXPECT_EQ(Manager_Icon_Button_Lesen(2, 2700), 1u);
    EXPECT_TRUE(cap.texts.empty());
    Manager_Icon_Button_An_Aus(2, 2701, 1);
    EXPECT_TRUE(cap.contains("Manager_Icon_Button_An_Aus: iconnr falsch !"));
    EXPECT_EQ(Manager_Icon_Button_Lesen(2, -1), 0u);
    EXPECT_TRUE(cap.contains("Manager_Icon_Button_Lesen: iconnr falsch !"));
    Manager_Icon_Button_An_Aus(3, 10, 1);
    EXPECT_TRUE(cap.contains("Manager_Icon_Button_An_Aus: teamnr falsch !"));

    for (int32_t icon : {100, 101, 102}) Manager_Icon_Button_An_Aus(2, icon, 1);
    EXPECT_EQ(Manager_Icon_Buttons_In_Bitfeld(2, 0, 3, 100, 101, 102), 3u);
    EXPECT_EQ(Manager_Icon_Buttons_In_Bitfeld(2, 1, 3, 100, 101, 102), 7u);
    Manager_Icon_Button_An_Aus(2, 101, 0);
    EXPECT_EQ(Manager_Icon_Buttons_In_Bitfeld(2, 1, 3, 100, 101, 102), 5u);

    // A toggle group: exactly the chosen member is on, and the query finds it.
    Manager_Icon_Togglebutton_An_Aus(2, 4, 1289, 1287, 1288, 1289, 1290);
    EXPECT_EQ(Manager_Icon_Buttons_In_Bitfeld(2, 1, 4, 1287, 1288, 1289, 1290), 4u);
    EXPECT_EQ(Manager_Icon_Welcher_Togglebutton_Ist_An(2, 4, 1287, 1288, 1289, 1290), 1289);
    Manager_Icon_Togglebutton_An_Aus(2, 4, 1287, 1287, 1288, 1289, 1290);
    EXPECT_EQ(Manager_Icon_Welcher_Togglebutton_Ist_An(2, 4, 1287, 1288, 1289, 1290), 1287);
    EXPECT_EQ(Manager_Icon_Buttons_In_Bitfeld(2, 1, 4, 1287, 1288, 1289, 1290), 1u);

    Manager_Icon_Word_Data_Setzen(2, 758, -5);
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(2, 758), 0xFFFB);
    Manager_Icon_Word_Data_Schreiben(2, 2701, 1);
    EXPECT_TRUE(cap.contains("Manager_Icon_Word_Data_Schreiben: iconnr falsch !"));
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(7, 758), 0);
    EXPECT_TRUE(cap.contains("Manager_Icon_Word_Data_Lesen: m=NULL !"));
    Manager_Icon_Status_Vorbelegen(nullptr, 1, 1);
    EXPECT_TRUE(cap.contains("Manager_Icon_Status_Vorbelegen: sm=NULL!"));

    // On a PC that runs a client only the acting team's state is there.
    Netz_Rolle = 3;
    Handelndes_Team = 5;
    cap.texts.clear();
    EXPECT_EQ(Manager_Icon_Button_Lesen(2, 100), 0u);
    EXPECT_EQ(Manager_Icon_Welcher_Togglebutton_Ist_An(2, 2, 1287, 1288), -1);
    Manager_Icon_Button_An_Aus(2, 100, 0);
    EXPECT_EQ(cap.texts.size(), 3u);
    EXPECT_TRUE(cap.contains("Client-Team: Button mit falschem Team!"));
    Handelndes_Team = 2;
    EXPECT_EQ(Manager_Icon_Button_Lesen(2, 100), 1u);
}

TEST_F(ManagerTest, NewManagerStartsWithPresetLineUpsAndPlan)
{
    Manager_Neuer_Mitspieler(3, "Ingrid");
    Manager_Struktur* m = T_Fix[3].manager;
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(Manager_Anzahl, 1);
    EXPECT_STREQ(Team_String(TEAM_MANAGER_NAME, 3, nullptr, 0), "Ingrid");
    EXPECT_EQ(m->kopfnr, 0);
    EXPECT_EQ(m->optionen[0], 5);
    EXPECT_EQ(Team_Wert(TEAM_SYSTEM_1, 3, 0, TEAM_LESEN), 2);
    EXPECT_EQ(Team_Wert(TEAM_SYSTEM_2, 3, 0, TEAM_LESEN), 4);
    for (const auto& e : m->zusatzspieler) EXPECT_EQ(e.spnr, -1);
    EXPECT_EQ(m->icons.besucht_position, 0u);
    EXPECT_EQ(m->icons.besucht_nr[0], -1);
    EXPECT_EQ(m->icons.log_nr[99], -1);
    EXPECT_NE(Highscore_Get_Eintrag(3), nullptr);

    // Set A holds formations 2..7, set B 0..5, with nobody placed and the default instructions.
    for (int32_t k = 0; k < 6; ++k)
        for (int32_t satz = 0; satz < 2; ++satz) {
            const Team_Formation& f = Team_Formationen[satz == 0 ? k + 2 : k];
            const Manager_Aufstellungssatz& s = m->aufstellung[satz];
            EXPECT_EQ(0, std::memcmp(s.plaetze[k], f.plaetze, 20)) << satz << " " << k;
            EXPECT_EQ(0, std::memcmp(s.bereiche[k], f.bereiche, 80)) << satz << " " << k;
            for (int32_t p = 0; p < 11; ++p) {
                EXPECT_EQ(s.spieler[k][p], -1);
                EXPECT_EQ(s.taktik[k][p], p < 10 ? 9362 : 18);
            }
        }
    // Formation 2 ("5 - 3 - 2") begins with (6,2) R(0,0)-(12,4) D(2,3) O(11,3); formation 0's last
    // player stands at (3,8) R(0,5)-(6,11) D(1,8) O(5,8).
    const uint8_t f2[10] = {6, 2, 0, 0, 12, 4, 2, 3, 11, 3};
    EXPECT_EQ(0, std::memcmp(m->aufstellung[0].plaetze[0], f2, 2));
    EXPECT_EQ(0, std::memcmp(m->aufstellung[0].bereiche[0], f2 + 2, 8));
    const uint8_t f0[10] = {3, 8, 0, 5, 6, 11, 1, 8, 5, 8};
    EXPECT_EQ(0, std::memcmp(m->aufstellung[1].plaetze[0] + 18, f0, 2));
    EXPECT_EQ(0, std::memcmp(m->aufstellung[1].bereiche[0] + 72, f0 + 2, 8));

    // 28 units over 14 equal weights: 2 of each type.
    const auto* einheiten = static_cast<const uint8_t*>(Team_Zeiger(TEAM_TRAINING, 3, nullptr, 0));
    for (int k = 0; k < 14; ++k) EXPECT_EQ(einheiten[k], 2);

    // The line-up array: a managed club's stored line-ups, a computer club's formations.
    uint8_t aus[100];
    int16_t spieler[11];
    uint16_t taktik[11];
    Team_Aufstellungsarray(3, 1, 5, aus, spieler, taktik);
    EXPECT_EQ(0, std::memcmp(aus, Team_Formationen[5].plaetze, 20));
    EXPECT_EQ(taktik[10], 18);
    Team_Aufstellungsarray(4, 0, 7, aus, nullptr, nullptr);
    EXPECT_EQ(0, std::memcmp(aus + 20, Team_Formationen[7].bereiche, 80));
    Fehler_Capture cap;
    aus[0] = 0xEE;
    Team_Aufstellungsarray(3, 0, 6, aus, nullptr, nullptr);
    EXPECT_EQ(aus[0], 0xEE);
    EXPECT_TRUE(cap.contains("Team_Aufstellungsarray: modus || aufstnr || adr falsch!"));

    Manager_Neuer_Mitspieler(3, "Zweite");
    EXPECT_TRUE(cap.contains("Manager: Team 3 hat schon einen Manager!"));
    EXPECT_EQ(Manager_Anzahl, 1);
    EXPECT_EQ(T_Fix[3].manager, m);
}

// The club a manager takes is followed live (a conference choice gives way), the other bits stay.
TEST_F(ManagerTest, ANewManagersClubIsBroadcastLive)
{
    Team_Wert(TEAM_FLAGS, 4, 16 | 2, TEAM_SETZEN);
    Manager_Neuer_Mitspieler(4, "Vera");
    EXPECT_EQ(Team_Wert(TEAM_FLAGS, 4, 0, TEAM_LESEN), 8 | 2);
    EXPECT_EQ(Team_Wert(TEAM_FLAGS, 5, 0, TEAM_LESEN) & (8 | 16), 0) << "a club without manager is left alone";
    Manager_Mitspieler_Killen(4);
    EXPECT_EQ(Team_Wert(TEAM_FLAGS, 4, 0, TEAM_LESEN), 2);
}

TEST_F(ManagerTest, HeadsAreHandedOutUntilTheyRunOut)
{
    Fehler_Capture cap;
    for (int32_t t = 0; t < 45; ++t) Manager_Neuer_Mitspieler(t, "M");
    for (int32_t t = 0; t < 45; ++t) EXPECT_EQ(T_Fix[t].manager->kopfnr, t);
    EXPECT_TRUE(cap.texts.empty());
    Manager_Neuer_Mitspieler(45, "M");
    EXPECT_EQ(T_Fix[45].manager->kopfnr, 0);
    EXPECT_TRUE(cap.contains("Manager_Neuer_Mitspieler: Kein Kopf mehr frei!"));
    // A head that left the game is free again.
    Manager_Mitspieler_Killen(17);
    Manager_Neuer_Mitspieler(46, "M");
    EXPECT_EQ(T_Fix[46].manager->kopfnr, 17);
    EXPECT_EQ(Manager_Anzahl, 46);
}

TEST_F(ManagerTest, ClubChangeOnlyAfterBothConfirmations)
{
    kader(5, 0, 3);
    kader(9, 3, 4);
    Manager_Neuer_Mitspieler(5, "Otto");
    Manager_Init_Zusatzspieler_Struktur(5);
    Manager_Struktur* m = T_Fix[5].manager;
    Aktuelles_Team = 5;

    for (int32_t nein : {0, 1}) {
        gesehen = {};
        gesehen.antworten = {nein == 0 ? 0 : 1, 0};
        Manager_Teamwechsel(5, 9);
        EXPECT_EQ(T_Fix[5].manager, m);
        EXPECT_EQ(T_Fix[9].manager, nullptr);
        EXPECT_TRUE(gesehen.konten_neu.empty() && gesehen.konten_weg.empty() && gesehen.werbung.empty());
        EXPECT_EQ(Aktuelles_Team, 5);
        EXPECT_EQ(gesehen.knoepfe.size(), size_t(nein + 1));
    }
    EXPECT_EQ(gesehen.knoepfe[0], "Ja, bloß weg hier!|Ach, irgendwie gefällt es mit hier doch...");
    EXPECT_EQ(gesehen.knoepfe[1], "Ja, nerv' mich nicht!|Uups..., ich habe es mir doch anders überlegt");
    EXPECT_NE(gesehen.fragen[0].find("Team 5 verlassen wollen, um Ihr neues Glück bei Team 9"), std::string::npos);

    gesehen = {};
    Zufall(0, 1);  // the generator seeds itself from the clock on its first draw
    Zufall_Set_Seed(4321);
    const int32_t stufe = Zufall(0, 5);
    Zufall_Set_Seed(4321);
    Manager_Teamwechsel(5, 9);
    EXPECT_EQ(T_Fix[9].manager, m);
    EXPECT_EQ(T_Fix[5].manager, nullptr);
    EXPECT_EQ(Aktuelles_Team, 9);
    EXPECT_EQ(gesehen.konten_weg, std::vector<int32_t>{5});
    ASSERT_EQ(gesehen.konten_neu.size(), 1u);
    EXPECT_EQ(gesehen.konten_neu[0], std::make_pair(9, 1000000 + 200000 * stufe));
    EXPECT_EQ(gesehen.werbung, (std::vector<std::pair<int32_t, int32_t>>{{9, 1}}));
    EXPECT_EQ(gesehen.pokale, std::vector<int32_t>{9});
    EXPECT_NE(gesehen.fragen.back().find("die Geschicke von Team 9 leiten"), std::string::npos);
    EXPECT_EQ(m->icons.wort[1295], 0xFFFF);
    // The histories are the new squad's.
    EXPECT_EQ(Manager_Zusatzspieler_Array_Position(9, 0), nullptr);
    for (int32_t sp = 3; sp < 7; ++sp) EXPECT_NE(Manager_Zusatzspieler_Array_Position(9, sp), nullptr);

    Netz_Rolle = 1;
    Fehler_Capture cap;
    Manager_Teamwechsel(9, 5);
    EXPECT_TRUE(cap.contains("Client-Zugriff: Manager_Teamwechsel"));
    EXPECT_EQ(T_Fix[9].manager, m);
}

TEST_F(ManagerTest, LeavingManagerFreesHisClub)
{
    Manager_Neuer_Mitspieler(6, "Paul");
    Team_Wert(TEAM_FLAGS, 6, 8 | 16 | 2, TEAM_SETZEN);
    Fehler_Capture cap;
    Manager_Mitspieler_Killen(6);
    EXPECT_EQ(T_Fix[6].manager, nullptr);
    EXPECT_EQ(Manager_Anzahl, 0);
    EXPECT_EQ(Team_Wert(TEAM_FLAGS, 6, 0, TEAM_LESEN), 2);
    EXPECT_EQ(gesehen.konten_weg, std::vector<int32_t>{6});
    EXPECT_EQ(Highscore_Get_Eintrag(6), nullptr);
    Manager_Mitspieler_Killen(6);
    EXPECT_TRUE(cap.contains("Manager: Team 6 hat keinen Manager!"));
    EXPECT_EQ(Manager_Anzahl, 0);

    Fehler_Capture cap2;
    EXPECT_FALSE(Manager_Team_Wechsel(6, 7));
    EXPECT_TRUE(cap2.contains("Manager_Team_Wechsel: Team 6 hat keinen Manager!"));
    EXPECT_FALSE(Manager_Team_Wechsel(6, 6));
}

TEST_F(ManagerTest, TurnOrder)
{
    for (int32_t t : {1, 4, 8, 20}) Manager_Neuer_Mitspieler(t, "X");
    int32_t dran[MANAGER_DRAN_MAX];
    EXPECT_EQ(Manager_Ist_Dran(dran, false, 0), 4);
    EXPECT_EQ(std::vector<int32_t>(dran, dran + 4), (std::vector<int32_t>{1, 4, 8, 20}));
    Zufall_Set_Seed(77);
    EXPECT_EQ(Manager_Ist_Dran(dran, true, 0), 4);
    std::vector<int32_t> gemischt(dran, dran + 4);
    std::sort(gemischt.begin(), gemischt.end());
    EXPECT_EQ(gemischt, (std::vector<int32_t>{1, 4, 8, 20}));

    Netz_Rolle = 3;
    Server_Team = 8;
    EXPECT_EQ(Manager_Ist_Dran(dran, false, 1), 1);
    EXPECT_EQ(dran[0], 8);
    Stand_Alone_Server = 1;
    EXPECT_EQ(Manager_Ist_Dran(dran, false, 1), 0);
    EXPECT_EQ(dran[0], -1);

    Netz_Rolle = 2;
    Fehler_Capture cap;
    Manager_Anzahl = 5;
    EXPECT_EQ(Manager_Ist_Dran(dran, false, 0), -1);
    EXPECT_TRUE(cap.contains("Manager_Ist_Dran: nr!=managerzahl!\n"));
    EXPECT_EQ(Manager_Ist_Dran(nullptr, false, 0), -1);
    Manager_Anzahl = 4;
}

TEST_F(ManagerTest, ManualLineUpSkipsAPlayerSoldSince)
{
    kader(2, 10, 3);
    Manager_Neuer_Mitspieler(2, "L");
    Aktuelles_Team = 2;
    for (int32_t i = 0; i < 3; ++i) {
        Teamspieler_Wert(310, 2, 10 + i, 100 + i, 1);
        Teamspieler_Wert(316, 2, 10 + i, 40 + i, 1);
    }
    Teamspieler_Wert(317, 2, 10, TS_STARTELF, 8);
    Teamspieler_Wert(317, 2, 11, TS_ERSATZ, 8);
    Manager_Manuelle_Aufstellung_Speichern(1);
    EXPECT_EQ(T_Fix[2].manager->manuell[3].werte[7][1], 0xFFFF);

    for (int32_t i = 0; i < 3; ++i) {
        Teamspieler_Wert(310, 2, 10 + i, 300, 1);
        Teamspieler_Wert(317, 2, 10 + i, TS_STARTELF | TS_ERSATZ, 4);
    }
    Teamspieler_Wert(317, 2, 12, TS_STARTELF, 8);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 2, 11, 0, 0, 0, -1, false));
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 3, 11, 10, 0, 24, -1, false));
    Teamspieler_Wert(310, 3, 11, 222, 1);

    Manager_Manuelle_Aufstellung_Lesen(1);
    EXPECT_EQ(Teamspieler_Wert(310, 2, 10, 0, 0), 100);
    EXPECT_EQ(Teamspieler_Wert(316, 2, 10, 0, 0), 40);
    EXPECT_EQ(Teamspieler_Wert(317, 2, 10, 0, 0) & 0x30, int32_t(TS_STARTELF));
    EXPECT_EQ(Teamspieler_Wert(310, 2, 12, 0, 0), 102);
    EXPECT_EQ(Teamspieler_Wert(317, 2, 12, 0, 0) & 0x30, 0);
    EXPECT_EQ(Teamspieler_Wert(310, 3, 11, 0, 0), 222);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(2, 11), -1);

    // Slot 0 was never stored: its end marker is missing, so the walk stops at 50.
    Fehler_Capture cap;
    for (auto& e : T_Fix[2].manager->manuell) e.werte[7][0] = 180;
    Manager_Manuelle_Aufstellung_Lesen(0);
    EXPECT_TRUE(cap.contains("Manager_Manuelle_Aufstellung_Lesen: Schleifenfehler!"));
}

// A player hurt since his line-up was kept is restored to his place but not to the eleven.
TEST_F(ManagerTest, ARestoredLineUpLeavesOutWhoCannotPlayNow)
{
    kader(2, 10, 3);
    Manager_Neuer_Mitspieler(2, "L");
    Aktuelles_Team = 2;
    Teamspieler_Wert(317, 2, 10, TS_STARTELF, 8);
    Teamspieler_Wert(317, 2, 11, TS_STARTELF, 8);
    Teamspieler_Wert(316, 2, 11, 44, 1);
    Manager_Manuelle_Aufstellung_Speichern(0);
    Teamspieler_Wert(317, 2, 11, TS_ARZT, 8);
    Manager_Manuelle_Aufstellung_Lesen(0);
    EXPECT_EQ(Teamspieler_Wert(317, 2, 10, 0, 0) & 0x30, int32_t(TS_STARTELF));
    EXPECT_EQ(Teamspieler_Wert(317, 2, 11, 0, 0) & 0x30, 0);
    EXPECT_EQ(Teamspieler_Wert(316, 2, 11, 0, 0), -1);
}

// With the sub-menu bar up, a new manager's visit history starts at its first button.
TEST_F(ManagerTest, ANewManagersHistoryStartsAtTheFirstBarButton)
{
    Menue_Icon knopf = Menue_Icon_Vorlage(MENUE_LEISTE_ERSTES, -1, ICON_NICHT_TREFFEN, 0, 48, 96, 20, 10, 255);
    Menue_Screen_Icon_Hinzufuegen(&knopf);
    ASSERT_EQ(Menue_Screen_Icon_Aus_Nummer(MENUE_LEISTE_ERSTES), &knopf);
    Manager_Neuer_Mitspieler(4, "V");
    const Manager_Icon_Zustand& z = T_Fix[4].manager->icons;
    EXPECT_EQ(z.besucht_nr[0], MENUE_LEISTE_ERSTES);
    EXPECT_EQ(Menue_Besucht_Icon(z.besucht[0]), &knopf);
    EXPECT_EQ(z.besucht_nr[1], -1);
    Menue_Screen_Icon_Loeschen(-1, &knopf, 0);
    Menue_Register_Leeren();  // the record dies with the test
}

// The commitment slider (1286) of a new manager stands where the club's tactic figure puts it:
// figure f is the slider's value 100 - f on 1..99, vertical track 100..298.
TEST_F(ManagerTest, ANewManagersCommitmentSliderShowsTheTacticFigure)
{
    Menue_Scrollbar_Daten balken{nullptr, 0, 620, 620, -1, 100, 298, 0, 0.0f, -1};
    Menue_Icon knopf = Menue_Icon_Vorlage(1286, -1, ICON_NICHT_TREFFEN, 620, 100, 16, 16, 10, 255);
    knopf.flags |= ICON_SCROLLBUTTON;
    knopf.daten = &balken;
    Menue_Screen_Icon_Hinzufuegen(&knopf);
    Team_Wert(152, 4, 75, TEAM_SCHREIBEN);
    Team_Wert(152, 5, 1, TEAM_SCHREIBEN);
    Manager_Neuer_Mitspieler(4, "V");
    Manager_Neuer_Mitspieler(5, "W");
    // value 25 of 1..99 lies at 24/98 of the way, value 99 at its end
    EXPECT_EQ(Manager_Icon_Button_Lesen(4, 1286), 100u + 198u * 24u / 98u);
    EXPECT_EQ(Manager_Icon_Button_Lesen(5, 1286), 298u);
    Menue_Screen_Icon_Loeschen(-1, &knopf, 0);
    Menue_Register_Leeren();  // the record dies with the test
}

TEST(ManagerVorname, TenDifferentGermanNamesInTurn)
{
    std::vector<std::string> namen;
    for (int32_t i = 0; i < 10; ++i) {
        const std::string n = Manager_Standard_Vorname(i);
        EXPECT_FALSE(n.empty()) << i;
        EXPECT_EQ(std::count(namen.begin(), namen.end(), n), 0) << n;
        namen.push_back(n);
    }
    EXPECT_EQ(std::string(Manager_Standard_Vorname(13)), namen[3]);
    EXPECT_EQ(std::string(Manager_Standard_Vorname(-1)), namen[9]);
}

TEST_F(ManagerTest, ArrivingAndLeavingPlayersKeepTheirHistory)
{
    Manager_Neuer_Mitspieler(4, "H");
    Spieler_Daten[30].attribute[2] = 612;
    kader(4, 30, 2);
    Manager_Zusatzspieler* e = Manager_Zusatzspieler_Array_Position(4, 30);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->verlauf[2][0], 612);
    EXPECT_EQ(e->verlauf[2][51], 612);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 4, 30, 0, 0, 0, -1, false));
    Fehler_Capture cap;
    EXPECT_EQ(Manager_Zusatzspieler_Array_Position(4, 30), nullptr);
    EXPECT_TRUE(cap.contains("Manager_Zusatzspieler_Array_Position: spnr nicht gefunden!"));
    // Building the entries again gives nobody a second one.
    Manager_Init_Zusatzspieler_Struktur(4);
    int32_t belegt = 0;
    for (const auto& z : T_Fix[4].manager->zusatzspieler) belegt += z.spnr != -1;
    EXPECT_EQ(belegt, 1);
    Netz_Rolle = 1;
    Manager_Init_Zusatzspieler_Struktur(4);
    EXPECT_TRUE(cap.contains("Client-Zugriff: Manager_Init_Zusatzspieler_Struktur"));
    EXPECT_EQ(Manager_Zusatzspieler_Array_Position(4, 31), nullptr);
}

TEST_F(ManagerTest, ContractPointsGoToTheManagersClub)
{
    for (int32_t sp : {3, 4}) Spieler_Daten[sp].alter = 25;  // worth 554 a year, 831 as a fee
    kader(1, 3, 1);
    kader(2, 4, 1);
    Manager_Neuer_Mitspieler(2, "K");
    auto punkte = [](int32_t team, int32_t kategorie) { return Highscore_Get_Wert(team, 1, kategorie); };
    // His club sells to the manager at both figures: 100 % and a bonus of 30..55.
    Teamspieler_Vertragspunkte_Machen(1, 2, 3, 554, 831, 24, 1);
    EXPECT_GE(punkte(2, 3), 130);
    EXPECT_LE(punkte(2, 3), 155);
    EXPECT_EQ(punkte(2, 2), punkte(2, 3));
    // His own player extended at half his figure: 200 %.
    Highscore_Init();
    Highscore_Manager_Anlegen(2);
    Teamspieler_Vertragspunkte_Machen(2, 2, 4, 277, 0, 24, 1);
    EXPECT_GE(punkte(2, 3), 230);
    EXPECT_LE(punkte(2, 3), 255);
    // Nothing agreed is no divisor.
    Teamspieler_Vertragspunkte_Machen(2, 2, 4, 0, 0, 24, 1);
    EXPECT_GT(punkte(2, 3), 50000);

    Fehler_Capture cap;
    Teamspieler_Vertragspunkte_Machen(Jugend_Team, 2, 4, 100, 0, 24, 1);
    EXPECT_TRUE(cap.contains("Teamspieler_Vertragspunkte_Machen: Aufruf mit Jugendteam!"));
    Netz_Rolle = 1;
    Teamspieler_Vertragspunkte_Machen(1, 2, 3, 554, 831, 24, 1);
    EXPECT_TRUE(cap.contains("Client-Zugriff: Teamspieler_Vertragspunkte_Machen"));
}

// The savegame blocks: the module's count and level, and one whole record in a block of its own.
class ManagerSpielstand : public ManagerTest {
protected:
    std::string ordner;
    static Manager_Struktur* zu_schreiben;
    static Manager_Struktur* gelesen;
    void SetUp() override
    {
        ManagerTest::SetUp();
        std::string muster = (std::filesystem::temp_directory_path() / "dorvin_manager_XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner = muster;
        setenv("DORVIN_REGISTRY", (ordner + "/registry").c_str(), 1);
        Disk_Set_Spielstand_Ordner(ordner.c_str());
        for (int pos = 1; pos <= DISK_POSITIONEN; ++pos)
            if (pos != DISK_POS_FREI) Disk_Block_Registrieren(pos, nullptr, nullptr);
        Disk_Block_Registrieren(DISK_POS_MANAGER, Manager_Write_Bin_Block, Manager_Read_Bin_Block);
        Disk_Block_Registrieren(
            DISK_POS_TEAMS, [](Disk_Datei* d) { return Manager_Team_Write_Bin_Block(d, zu_schreiben); },
            [](Disk_Datei* d, const char*) {
                Manager_Struktur* m = Manager_Team_Read_Bin_Block(d);
                if (!m) return false;
                Manager_Freigeben(gelesen);
                gelesen = m;
                return true;
            });
    }
    void TearDown() override
    {
        Disk_Block_Registrieren(DISK_POS_MANAGER, nullptr, nullptr);
        Disk_Block_Registrieren(DISK_POS_TEAMS, nullptr, nullptr);
        gelesen = Manager_Freigeben(gelesen);
        Schwierigkeitsstufe = 2;
        unsetenv("DORVIN_REGISTRY");
        std::filesystem::remove_all(ordner);
        ManagerTest::TearDown();
    }
};
Manager_Struktur* ManagerSpielstand::zu_schreiben = nullptr;
Manager_Struktur* ManagerSpielstand::gelesen = nullptr;

TEST_F(ManagerSpielstand, CountLevelAndRecordsComeBack)
{
    Manager_Neuer_Mitspieler(1, "A");
    Manager_Neuer_Mitspieler(2, "B");
    zu_schreiben = T_Fix[2].manager;
    zu_schreiben->icons.status[2700] = 123;
    zu_schreiben->trainingslager[1319] = 9;
    Schwierigkeitsstufe = 4;
    ASSERT_TRUE(Disk_Spielstand_Speichern("m"));
    Manager_Anzahl = 0;
    Schwierigkeitsstufe = 1;
    ASSERT_TRUE(Disk_Spielstand_Laden("m"));
    EXPECT_EQ(Manager_Anzahl, 2);
    EXPECT_EQ(Manager_Anzahl_Netz, 2);
    EXPECT_EQ(Schwierigkeitsstufe, 4u);
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(bild(*gelesen), bild(*zu_schreiben));

    // A record that the game cannot use refuses the load; the running game stays as it was.
    zu_schreiben->trainingsverteilung[3] = -1.0f;
    ASSERT_TRUE(Disk_Spielstand_Speichern("kaputt"));
    zu_schreiben->trainingsverteilung[3] = 7.0f;
    Manager_Anzahl = 2;
    Schwierigkeitsstufe = 0;
    Manager_Struktur* vorher = gelesen;
    Fehler_Capture cap;
    EXPECT_FALSE(Disk_Spielstand_Laden("kaputt"));
    EXPECT_TRUE(cap.contains("Manager_Team_Read_Bin_Block: Managerdaten fehlerhaft!"));
    EXPECT_EQ(Schwierigkeitsstufe, 0u);
    EXPECT_EQ(gelesen, vorher);
}

TEST_F(ManagerSpielstand, ImpossibleCountOrLevelIsRefused)
{
    Manager_Neuer_Mitspieler(1, "A");
    zu_schreiben = T_Fix[1].manager;
    for (uint32_t stufe : {5u, 0xFFFFFFFFu}) {
        Schwierigkeitsstufe = stufe;
        ASSERT_TRUE(Disk_Spielstand_Speichern("stufe"));
        Schwierigkeitsstufe = 3;
        Fehler_Capture cap;
        EXPECT_FALSE(Disk_Spielstand_Laden("stufe"));
        EXPECT_TRUE(cap.contains("Manager_Read_Bin_Block"));
        EXPECT_EQ(Schwierigkeitsstufe, 3u);
        EXPECT_EQ(Manager_Anzahl, 1);
    }
    Manager_Anzahl = 100000;
    Schwierigkeitsstufe = 2;
    ASSERT_TRUE(Disk_Spielstand_Speichern("anzahl"));
    Manager_Anzahl = 1;
    EXPECT_FALSE(Disk_Spielstand_Laden("anzahl"));
    EXPECT_EQ(Manager_Anzahl, 1);
}

}  // namespace

// A client's option sliders stand where the server's figures put them after a menu round's
// refresh: the commitment from 100 - field 152 on 1..99, the training knob from the units planned.
TEST_F(ManagerTest, AClientsSlidersFollowTheServersFigures)
{
    Manager_Neuer_Mitspieler(3, "Ingrid");
    Aktuelles_Team = 3;
    Handelndes_Team = 3;
    Team_Wert(TEAM_OPTION, 3, 30, TEAM_SCHREIBEN);
    uint8_t plan[MANAGER_TRAININGSARTEN] = {5, 5, 5, 5, 5, 5, 5, 4, 1};
    Team_Zeiger(TEAM_TRAINING, 3, plan, 1);
    const uint32_t einsatz = Manager_Icon_Button_Lesen(3, 1286), training = Manager_Icon_Button_Lesen(3, 1498);
    ASSERT_NE(einsatz, 70u);
    ASSERT_NE(training, 40u);
    // The server's own copies are the figures already.
    Netz_Rolle = 3;
    Manager_Internet_Client_Scrollpos_Refresh();
    EXPECT_EQ(Manager_Icon_Button_Lesen(3, 1286), einsatz);
    EXPECT_EQ(Manager_Icon_Button_Lesen(3, 1498), training);
    Netz_Rolle = 1;
    Manager_Internet_Client_Scrollpos_Refresh();
    EXPECT_EQ(Manager_Icon_Button_Lesen(3, 1286), 70u);
    EXPECT_EQ(Manager_Icon_Button_Lesen(3, 1498), 40u);
    // Figures beyond a slider's range put its knob at the end.
    for (auto [figur, knopf, einheiten] : {std::tuple{0, 99u, 5}, std::tuple{100, 1u, 5}}) {
        Netz_Rolle = 2;
        Team_Wert(TEAM_OPTION, 3, figur, TEAM_SCHREIBEN);
        std::fill(std::begin(plan), std::end(plan), uint8_t(einheiten));
        Team_Zeiger(TEAM_TRAINING, 3, plan, 1);
        Netz_Rolle = 1;
        Manager_Internet_Client_Scrollpos_Refresh();
        EXPECT_EQ(Manager_Icon_Button_Lesen(3, 1286), knopf) << figur;
        EXPECT_EQ(Manager_Icon_Button_Lesen(3, 1498), 45u) << figur;
    }
    Aktuelles_Team = -1;
}
