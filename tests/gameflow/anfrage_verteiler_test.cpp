// The dispatcher of the requests 1000..1043 and the game flow's own requests, client and server in
// one process: a stand-in transport hands each request to the server's answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <cstring>
#include <string>
#include <functional>
#include <vector>

#include "common/capture.h"
#include "common/mutation.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik_archiv.h"
#include "database/personal.h"
#include "gameflow/ablauf_anfrage.h"
#include "match/spieltag.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "network/internet_read.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "platform/bytes.h"
#include "platform/compress.h"
#include "platform/liste.h"
#include "platform/mem.h"
#include "toolkit/dienste.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/screen.h"

namespace {

using namespace spielwelt;

constexpr int32_t A = 2, B = 3;

std::vector<uint8_t> antwort_puffer;
int antworten = 0;
// Runs around the server's answer: the server's state in, the client's state back.
std::function<void()> vor_server, nach_server;

int antwort_fangen(Mitspieler_Eintrag*, const uint8_t* d, uint32_t n)
{
    antwort_puffer.assign(d, d + n);
    return 1;
}

std::vector<std::vector<uint8_t>>* mitschnitt = nullptr;

bool ueber_server(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* antwort)
{
    if (mitschnitt) mitschnitt->push_back(anfrage);
    antwort_puffer.clear();
    // The server computes for itself: a client's role would send the query on again.
    Netz_Rolle = 2;
    if (vor_server) vor_server();
    Internet_Server_Antwort(&Mitspieler[0], anfrage.data(), uint32_t(anfrage.size()));
    if (nach_server) nach_server();
    Netz_Rolle = 1;
    // The statistics archive's own requests; a client's match store asks the server on its own.
    const uint32_t nr = anfrage.size() >= 8 ? Bytes_Hole32(anfrage.data() + 4) : 0;
    if (nr < 1006 || nr > 1011) ++antworten;
    *antwort = antwort_puffer;
    return !antwort->empty();
}

int laeufe = 0;
bool zaehlen(Internet_Aufruf*)
{
    ++laeufe;
    return true;
}

class Verteiler : public Spielwelt {
protected:
    void SetUp() override
    {
        Spielwelt::SetUp();
        Compress_LZW_Init();
        News_Init();
        // the handlers afresh, with no texts counted for today by a test before
        Ablauf_Anfragen_Anbinden();
        Eingang_Set_Spiel_Gestartet(true);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Mitspieler[0].in_benutzung = 1;
        Mitspieler[0].verein_beansprucht = 1;
        Mitspieler[0].verein = A;
        Mitspieler[0].team = A;
        Internet_Set_Server_Sender(antwort_fangen);
        Internet_Set_Client_Austausch(ueber_server);
        antworten = 0;
        laeufe = 0;
        Netz_Rolle = 1;
        Handelndes_Team = A;
        Aktuelles_Team = A;
    }
    void TearDown() override
    {
        vor_server = nach_server = nullptr;
        Kalender_Spielplan_Leeren();
        Menue_Status.spiel_gueltig = 0;
        Menue_Set_Heutiger_Wettbewerb(-1);
        Internet_Set_Server_Sender(nullptr);
        Internet_Set_Client_Austausch(nullptr);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Eingang_Set_Spiel_Gestartet(false);
        Netz_Rolle = 0;
        Aktuelles_Team = -1;
        Handelndes_Team = 0;
        News_DeInit();
        Personal_DeInit();
        Aktueller_Tag = 0;
        Spielwelt::TearDown();
    }
};

TEST_F(Verteiler, RoutesEveryRegisteredNumberAndNoOther)
{
    Internet_Positionen p{};
    uint8_t* var = nullptr;
    int32_t bekannt = 0;
    for (int32_t nr = 999; nr <= 1044; ++nr) {
        Internet_Aufruf a{nr, &p, &var, 0};
        const bool registriert = Internet_Anfrage_Suchen(nr) != nullptr;
        const Internet_Handler alt = Ablauf_Anfrage_Handler(nr);
        laeufe = 0;
        Internet_Handler_Registrieren(nr, zaehlen);
        const bool lief = Ablauf_Server_Anfrage_Ausfuehren(&a);
        Internet_Handler_Registrieren(nr, alt);
        if (nr < 1000 || nr > 1043) {
            EXPECT_FALSE(lief) << nr;
            continue;
        }
        EXPECT_TRUE(lief) << nr;
        EXPECT_EQ(laeufe, 1) << nr;
        bekannt += registriert;
    }
    // The table names every number the game uses between them (1008 has no form of its own).
    EXPECT_GE(bekannt, 40);
    // The numbers that are not the dispatcher's cannot be plugged into it.
    Fehler_Capture f;
    Ablauf_Anfrage_Registrieren(1044, zaehlen);
    Ablauf_Anfrage_Registrieren(999, zaehlen);
    EXPECT_EQ(Ablauf_Anfrage_Handler(1044), nullptr);
    EXPECT_EQ(f.texts.size(), 2u);
}

TEST_F(Verteiler, StatisticsAndStaffReachTheClientAsTheServerComputesThem)
{
    const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ergebnis(block, 0, 0, 1, 2, 3, 1);
    ergebnis(block, 0, 1, 3, 4, 0, 0);
    ergebnis(block, 1, 0, 2, 3, 5, 0);
    Tabelle_Datensatz t{};
    tabelle_vorbereiten(t, {1, 2, 3, 4});
    Spiele_Tabelle_Berechnen(LIGA, block, -1, -1, 1, TAB_NORMAL, &t, 1, 0, -1, -1, 0, 0, -1);
    Aktueller_Tag = 6 * 365;
    ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));

    // What the server computes by itself.
    Netz_Rolle = 2;
    Tabelle_Datensatz s{};
    ASSERT_TRUE(Statistik_Suche_Tabelle(&s, LIGA, 2005));
    int32_t sj[8], sw[8], sp[8], spu[8], sm[8], st[8], sg[8];
    const int32_t sn = Statistik_Tabellen_Suche_Team(3, sj, sw, sp, spu, sm, st, sg, 8);
    int32_t sjahre[8];
    const int32_t sa = Statistik_Tabellen_In_Array(LIGA, sjahre, 8);
    ASSERT_GT(sn, 0);
    ASSERT_GT(sa, 0);

    Netz_Rolle = 1;
    Tabelle_Datensatz c{};
    c.key[0] = 4711;
    ASSERT_TRUE(Statistik_Suche_Tabelle(&c, LIGA, 2005));
    EXPECT_EQ(std::memcmp(&c, &s, sizeof c), 0);
    int32_t cj[8], cw[8], cp[8], cpu[8], cm[8], ct[8], cg[8];
    ASSERT_EQ(Statistik_Tabellen_Suche_Team(3, cj, cw, cp, cpu, cm, ct, cg, 8), sn);
    for (int32_t i = 0; i < sn; ++i) {
        EXPECT_EQ(cj[i], sj[i]);
        EXPECT_EQ(cw[i], sw[i]);
        EXPECT_EQ(cp[i], sp[i]);
        EXPECT_EQ(cpu[i], spu[i]);
        EXPECT_EQ(cm[i], sm[i]);
        EXPECT_EQ(ct[i], st[i]);
        EXPECT_EQ(cg[i], sg[i]);
    }
    int32_t cjahre[8];
    ASSERT_EQ(Statistik_Tabellen_In_Array(LIGA, cjahre, 8), sa);
    EXPECT_EQ(cjahre[0], sjahre[0]);
    int32_t tw[4], tj[4], ta[4], tb[4], tc[4];
    Netz_Rolle = 2;
    const int32_t titel = Statistik_Titel_Suchen(3, -1, tw, tj, ta, tb, tc, 4);
    Netz_Rolle = 1;
    EXPECT_EQ(Statistik_Titel_Suchen(3, -1, tw, tj, ta, tb, tc, 4), titel);
    // A year without a snapshot stays not found on the client too.
    EXPECT_FALSE(Statistik_Suche_Tabelle(&c, LIGA, 2001));
    EXPECT_EQ(antworten, 5);

    // The staff list: the server's list arrives whole in the client's empty one.
    Personal_Init();
    Liste quelle;
    Liste_Init(&quelle);
    for (int16_t id : {5, 9}) {
        Personal_Eintrag e{};
        e.typ = PERSONAL_SCHIEDSRICHTER;
        e.id = id;
        std::snprintf(e.name, sizeof e.name, "Pfeife %d", id);
        e.haerte = 2;
        uint8_t b[PERSONAL_SCHIEDSRICHTER_BYTES];
        const uint32_t n = Personal_Packen(e, b);
        Liste_Insert_Element(&quelle, Liste_Get_Last(&quelle), b, n, uint32_t(id));
    }
    uint8_t* bild = nullptr;
    const uint32_t laenge = Liste_Save_Buffer(&bild, &quelle, -1);
    Liste_Delete_All(&quelle);
    ASSERT_GT(laenge, 0u);
    std::vector<uint8_t> server_liste(bild, bild + laenge);
    Mem_Free(bild, 0);
    vor_server = [&] { ASSERT_TRUE(Personal_Liste_Einlesen(server_liste.data(), uint32_t(server_liste.size()))); };
    nach_server = [] { Personal_Init(); };
    EXPECT_EQ(Personal_Anzahl(PERSONAL_SCHIEDSRICHTER), 0);
    ASSERT_EQ(Personal_Internet_Client_Get_Liste(), 1);
    EXPECT_EQ(Personal_Anzahl(PERSONAL_SCHIEDSRICHTER), 2);
    EXPECT_STREQ(Personal_Get_Name(9, PERSONAL_SCHIEDSRICHTER), "Pfeife 9");
}

TEST_F(Verteiler, NewsAndAnswersActOnlyForTheCallersClub)
{
    News_Frage f{};
    f.wort[0] = 5;
    Netz_Rolle = 2;
    const int32_t frage_a = News_Senden(-1, A, B, NEWS_ART_FRAGE, &f, "Kredit?");
    const int32_t frage_b = News_Senden(-1, B, A, NEWS_ART_FRAGE, &f, "Kredit?");
    Netz_Rolle = 1;

    // A client's news goes into the server's store in its own club's name, whatever it says.
    const int32_t i = News_Senden(B, B, B, -1, nullptr, "Gruß von %s", "A");
    ASSERT_GE(i, 0);
    const News_Nachricht* n = News_Get_Nachricht(i);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->sender_team, A);
    EXPECT_EQ(n->art, NEWS_ART_TEXT);
    EXPECT_STREQ(n->text, "Gruß von A");
    // Questions do not travel from a client.
    {
        Fehler_Capture c;
        EXPECT_EQ(News_Senden(-1, B, A, NEWS_ART_FRAGE, &f, "x"), -1);
    }

    // The answer to another club's question changes nothing; the own one is answered.
    EXPECT_FALSE(Ablauf_Client_Frage_Beantworten(frage_b, 1));
    EXPECT_TRUE(News_Get_Nachricht(frage_b)->flags & NEWS_FLAG_OFFEN);
    EXPECT_TRUE(Ablauf_Client_Frage_Beantworten(frage_a, 1));
    EXPECT_EQ(News_Get_Nachricht(frage_a)->frage.wort[7], 1);
    EXPECT_TRUE(News_Get_Nachricht(frage_a)->flags & NEWS_FLAG_BEANTWORTET);
    // Bad indices are no messages.
    EXPECT_FALSE(Ablauf_Client_Frage_Beantworten(-5, 1));
    EXPECT_FALSE(Ablauf_Client_Frage_Beantworten(NEWS_MAX + 3, 1));

    // A request that names another club than the claimed one does not run at all.
    const int32_t vorher = News_Anzahl();
    Mitspieler[0].verein = B;
    Handelndes_Team = A;
    EXPECT_EQ(Ablauf_Client_News_Senden(B, "fremd"), -1);
    EXPECT_EQ(News_Anzahl(), vorher);
}

TEST_F(Verteiler, DayImageHoldsTogetherOrIsRefused)
{
    // No match day: the day, no games and an empty schedule; a client takes the server's day.
    Netz_Rolle = 2;
    Aktueller_Tag = 123;
    std::vector<uint8_t> bild = Ablauf_Tagesdaten_Bild();
    ASSERT_EQ(bild.size(), 16u + 8u);
    EXPECT_EQ(Bytes_Hole32(bild.data()), 123u);
    Netz_Rolle = 1;
    vor_server = [] { Aktueller_Tag = 124; };
    nach_server = [] { Aktueller_Tag = 5; };
    ASSERT_TRUE(Ablauf_Client_Tagesdaten_Holen());
    EXPECT_EQ(Aktueller_Tag, 124);

    // Two games, one of the last match day, and an empty schedule; every cut, a wrong count or
    // state is refused.
    std::vector<uint8_t> v(16 + 2 * ABLAUF_TAGESSPIEL_BYTES + 8, 0);
    Bytes_Setze32(v.data(), 200);
    Bytes_Setze32(v.data() + 8, 1);
    Bytes_Setze32(v.data() + 12, 1);
    Bytes_Setze32(v.data() + 16 + 4, 7);
    Bytes_Setze32(v.data() + 16 + 20, 3);
    Bytes_Setze32(v.data() + 16 + ABLAUF_TAGESSPIEL_BYTES + 8, 1);
    int32_t tag = -1;
    std::vector<Ablauf_Tagesspiel> spiele;
    ASSERT_TRUE(Ablauf_Tagesdaten_Lesen(v.data(), uint32_t(v.size()), &tag, nullptr, &spiele));
    EXPECT_EQ(tag, 200);
    ASSERT_EQ(spiele.size(), 1u);
    EXPECT_EQ(spiele[0].heim, 7);
    EXPECT_EQ(spiele[0].laeuft, 3u);
    for (uint32_t l = 0; l < v.size(); ++l) EXPECT_FALSE(Ablauf_Tagesdaten_Lesen(v.data(), l, &tag, nullptr, &spiele));
    auto kaputt = [&](uint32_t at, uint32_t wert) {
        std::vector<uint8_t> k = v;
        Bytes_Setze32(k.data() + at, wert);
        return Ablauf_Tagesdaten_Lesen(k.data(), uint32_t(k.size()), &tag, nullptr, &spiele);
    };
    EXPECT_FALSE(kaputt(8, 2));
    EXPECT_FALSE(kaputt(12, 0xFFFFFFFFu));
    EXPECT_FALSE(kaputt(16 + 20, 4));
    EXPECT_FALSE(kaputt(0, uint32_t(KALENDER_TAG_MAX) + 1));
    // A game of no competition, of a club that is none, of one club against itself, or with goals
    // its record cannot hold: the image does not hold together.
    const uint32_t g = 16 + ABLAUF_TAGESSPIEL_BYTES;
    for (auto [at, wert] : {std::pair{16u, 256u}, {16u, 0xFFFFFFFFu}, {20u, 40u}, {24u, 32773u}, {24u, 0xFFFFFFFFu},
                            {24u, 7u}, {28u, 0xFFFFFFFEu}, {28u, 128u}, {32u, 256u}, {g + 4, 1u}, {g + 8, 40u}})
        EXPECT_FALSE(kaputt(at, wert)) << at << " " << wert;
    EXPECT_TRUE(kaputt(28, 0xFFFFFFFFu)) << "-1 home goals: not played";
    EXPECT_TRUE(kaputt(32, 255)) << "the away goals of a game not played";
}

// The day's data as a server with a match day sends them: club B at home to A, and club 4 at
// home to 5; no schedule.
std::vector<uint8_t> tag_mit_spiel()
{
    std::vector<uint8_t> v(16 + 2 * ABLAUF_TAGESSPIEL_BYTES + 8, 0);
    Bytes_Setze32(v.data(), 40);
    Bytes_Setze32(v.data() + 8, 2);
    const int32_t spiele[2][3] = {{1, B, A}, {1, 4, 5}};
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < 3; ++i) Bytes_Setze32(v.data() + 16 + k * ABLAUF_TAGESSPIEL_BYTES + 4 * i, uint32_t(spiele[k][i]));
    // The first game's second match day and its referee 3; the other names neither.
    const int32_t runde_richter[2][2] = {{1, 3}, {-1, -1}};
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < 2; ++i)
            Bytes_Setze32(v.data() + 16 + k * ABLAUF_TAGESSPIEL_BYTES + 24 + 4 * i, uint32_t(runde_richter[k][i]));
    return v;
}

bool tag_mit_spiel_senden(Internet_Aufruf* a)
{
    const std::vector<uint8_t> v = tag_mit_spiel();
    uint8_t* b = static_cast<uint8_t*>(Mem_Alloc(uint32_t(v.size()), 0));
    std::memcpy(b, v.data(), v.size());
    *a->var = b;
    a->ergebnis = int32_t(v.size());
    return true;
}

// The client fetches the day from a server that sends tag_mit_spiel.
bool tag_mit_spiel_holen()
{
    Ablauf_Anfragen_Anbinden();
    const Internet_Handler alt = Ablauf_Anfrage_Handler(ABLAUF_TAGESDATEN);
    Internet_Handler_Registrieren(ABLAUF_TAGESDATEN, tag_mit_spiel_senden);
    const bool geholt = Ablauf_Client_Tagesdaten_Holen();
    Internet_Handler_Registrieren(ABLAUF_TAGESDATEN, alt);
    return geholt;
}

// A client's match day runs only while the games play: in its round it knows today's opponent
// from the day's data, so that its line-up and its send-back name him.
TEST_F(Verteiler, AClientTakesTodaysOpponentFromTheDaysData)
{
    ASSERT_TRUE(tag_mit_spiel_holen());
    int32_t spiel = 7, wettbewerb = -1;
    EXPECT_EQ(Spieltag_Get_Gegner(A, nullptr, nullptr, &spiel, &wettbewerb), B);
    EXPECT_EQ(spiel, -1) << "a client holds no record of the game in its round";
    EXPECT_EQ(wettbewerb, 1);
    EXPECT_EQ(Spieltag_Get_Gegner(B, nullptr), A);
    EXPECT_EQ(Spieltag_Get_Gegner(1, nullptr), -1) << "a club that does not play today";
    EXPECT_EQ(Spieltag_Get_Gegner(4, nullptr), 5);
    // The server asks its running match day only.
    Netz_Rolle = 2;
    EXPECT_EQ(Spieltag_Get_Gegner(A, nullptr), -1);
    // The next day's data replace the games.
    Netz_Rolle = 1;
    ASSERT_TRUE(Ablauf_Client_Tagesdaten_Holen());
    EXPECT_EQ(Spieltag_Get_Gegner(A, nullptr), -1);
}

// A client builds no schedule: the day's data bring the server's, so that its dates of the
// match days (the league table's, the club's coming games) are the server's. A schedule that is
// not the day's season is refused with the day, the client's calendar kept.
TEST_F(Verteiler, AClientsCalendarIsTheServersSchedule)
{
    auto saison = [](int32_t heute, std::initializer_list<std::array<int32_t, 3>> termine) {
        Aktueller_Tag = heute;
        Kalender_Spielplan_Leeren();
        for (const auto& t : termine) ASSERT_TRUE(Kalender_Spieltag_Einfuegen(t[0], t[1], t[2]));
    };
    // The server's image pins the schedule behind the games.
    Netz_Rolle = 2;
    saison(30, {{LIGA, 1, 44}, {ANDERE_LIGA, 0, 51}});
    const std::vector<uint8_t> bild = Ablauf_Tagesdaten_Bild();
    ASSERT_EQ(bild.size(), 16u + 8u + 2u * 8u);
    EXPECT_EQ(Bytes_Hole32(bild.data() + 16), 0u) << "the season's start";
    EXPECT_EQ(Bytes_Hole32(bild.data() + 20), 2u);
    EXPECT_EQ(Bytes_Hole32(bild.data() + 24), 44u);
    EXPECT_EQ(bild[28], LIGA);
    EXPECT_EQ(bild[29], 1);
    EXPECT_EQ(bild[30], 0);

    Netz_Rolle = 1;
    vor_server = [&] { saison(30, {{LIGA, 1, 44}, {ANDERE_LIGA, 0, 51}}); };
    // The client's own calendar is empty, its day the game's first.
    nach_server = [] {
        Kalender_Spielplan_Leeren();
        Aktueller_Tag = 0;
    };
    ASSERT_TRUE(Ablauf_Client_Tagesdaten_Holen());
    EXPECT_EQ(Aktueller_Tag, 30);
    EXPECT_STREQ(Kalender_Get_Datum_String_Knapp(Kalender_Get_Spieltag_Tag(LIGA, 1, 0, 0), 0), "14.8.1999");
    EXPECT_EQ(Kalender_Get_Spieltag_Nummer(51, ANDERE_LIGA), 0);
    EXPECT_EQ(Kalender_Get_Anzahl_Spiele(44, 1), 1);

    // The next season's first day: its schedule replaces the last one.
    vor_server = [&] { saison(366, {{LIGA, 0, 380}}); };
    nach_server = [] { Aktueller_Tag = 30; };
    ASSERT_TRUE(Ablauf_Client_Tagesdaten_Holen());
    EXPECT_EQ(Aktueller_Tag, 366);
    EXPECT_EQ(Kalender_Get_Spieltag_Tag(LIGA, 0, 0, 0), 380);
    EXPECT_EQ(Kalender_Get_Spieltag_Tag(LIGA, 1, 0, 0), -1);

    // A schedule of another season than the day's: nothing of the day is taken.
    vor_server = [&] {
        saison(366, {{LIGA, 0, 380}});
        Aktueller_Tag = 30;
    };
    nach_server = [] { Aktueller_Tag = 366; };
    {
        // The manager is told and the session ends, as after a lost connection.
        static std::string ende;
        ende.clear();
        Netz_Set_Sitzungsende_Hook([](const char* m) { ende = m; });
        Fehler_Capture f;
        EXPECT_FALSE(Ablauf_Client_Tagesdaten_Holen());
        Netz_Set_Sitzungsende_Hook(nullptr);
        EXPECT_EQ(ende, "Die Tagesdaten des Servers sind fehlerhaft! Bitte neu starten");
    }
    EXPECT_EQ(Aktueller_Tag, 366);
    EXPECT_EQ(Kalender_Get_Spieltag_Tag(LIGA, 0, 0, 0), 380);
}

// On a match day a client holds no record of its game in its round: its panels still name the
// round and the referee the server's panels show for the club.
TEST_F(Verteiler, AClientsPanelsNameTodaysRoundAndRefereeAsTheServersDo)
{
    Netz_Rolle = 2;
    Menue_Status.spiel_gueltig = 1;
    Menue_Status.heutiges_spiel = Spiele_Spiel{};
    Menue_Status.heutiges_spiel.wettbewerb = LIGA;
    Menue_Status.heutiges_spiel.spieltag = 1;
    Menue_Status.heutiges_spiel.schiedsrichter = 3;
    const std::string server_zeile = Menue_Info_Zweite_Zeile(A);
    const int32_t server_richter = Menue_Heutiger_Schiedsrichter();
    ASSERT_NE(server_zeile.find("2.Spieltag"), std::string::npos) << server_zeile;
    Menue_Status.spiel_gueltig = 0;

    Netz_Rolle = 1;
    ASSERT_TRUE(tag_mit_spiel_holen());
    // The turn's start names today's competition, as the menu does.
    int32_t wettbewerb = -1;
    ASSERT_EQ(Spieltag_Get_Gegner(A, nullptr, nullptr, nullptr, &wettbewerb), B);
    Menue_Set_Heutiger_Wettbewerb(wettbewerb);
    EXPECT_EQ(Menue_Info_Zweite_Zeile(A), server_zeile);
    EXPECT_EQ(Menue_Heutiger_Schiedsrichter(), server_richter);
    // The opponent's panel is today's game's too.
    EXPECT_EQ(Menue_Info_Zweite_Zeile(B), server_zeile);
}

// The own club's panel reads its place as the league table shows it, clubs level on points and
// goals too, the leader first; on the server and on a client, whose table is the server's.
TEST_F(Verteiler, ThePanelsPlaceIsTheTablesRowOnServerAndClient)
{
    const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    Wettbewerb_Datensatz* d = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA));
    ASSERT_NE(d, nullptr);
    d->spiele_block = block;
    d->spieltag = 2;
    // Clubs 0 and 1 on 4 points and 3:1 goals, 2 and 3 on 1 point and 0:2.
    ergebnis(block, 0, 0, 0, 1, 1, 1);
    ergebnis(block, 0, 1, 2, 3, 0, 0);
    ergebnis(block, 1, 0, 0, 2, 2, 0);
    ergebnis(block, 1, 1, 1, 3, 2, 0);
    // The table as its screen counts it: the days played, the normal view.
    Netz_Rolle = 2;
    Tabelle_Datensatz t{};
    ASSERT_EQ(Wettbewerb_Tabelle_Vorbereiten(LIGA, &t), 4);
    Spiele_Tabelle_Berechnen(LIGA, block, 0, d->spieltag - 1, 1, TAB_NORMAL, &t, 0, 0, -1, -1, 0, 0, -1);
    const std::string liga = Wettbewerb_Get_Anzeigename(LIGA);
    for (uint32_t rolle : {2u, 1u}) {
        Netz_Rolle = rolle;
        Spiele_Tabellen_Cache_Leeren();
        for (int32_t team = 0; team < 4; ++team)
            EXPECT_EQ(Menue_Info_Zweite_Zeile(team), std::to_string(platz_von(t, team) + 1) + ". Platz, " + liga)
                << "club " << team << ", role " << rolle;
    }
    // Before the first match day no club has a place yet: the panel names the league.
    Netz_Rolle = 2;
    d->spieltag = 0;
    Spiele_Tabellen_Cache_Leeren();
    for (int32_t team = 0; team < 4; ++team) EXPECT_EQ(Menue_Info_Zweite_Zeile(team), liga) << "club " << team;
}

// The round changes a client's own club before its turn's end sends the changes back (the
// line-up's tactics at the round's start): until then its sum is that of the records the round's
// refresh brought, which the server holds; the next day's fetch ends that.
TEST_F(Verteiler, AClientsSumOfItsClubIsThatOfTheRecordsItsRefreshBrought)
{
    ASSERT_TRUE(Ablauf_Client_Tagesdaten_Holen());
    Ablauf_Client_Abzug_Merken();
    const uint32_t geholt = Ablauf_Pruefsumme(A), anderer = Ablauf_Pruefsumme(B);
    T[A].status = uint8_t(T[A].status ^ 2);
    T[B].status = uint8_t(T[B].status ^ 2);
    EXPECT_EQ(Ablauf_Pruefsumme(A), geholt);
    EXPECT_NE(Ablauf_Pruefsumme(B), anderer) << "another club's records count as they stand";
    ASSERT_TRUE(Ablauf_Client_Tagesdaten_Holen());
    EXPECT_NE(Ablauf_Pruefsumme(A), geholt);
    // A PC that is no client computes from the records as they stand.
    Ablauf_Client_Abzug_Merken();
    Netz_Rolle = 2;
    const uint32_t server = Ablauf_Pruefsumme(A);
    T[A].status = uint8_t(T[A].status ^ 2);
    EXPECT_NE(Ablauf_Pruefsumme(A), server);
}

// Seeded mutations of every request the game flow answers, sent as the participant of club A:
// nothing may crash or read outside the message, and nothing of another club changes but the
// plain news A may send it.
TEST_F(Verteiler, MutatedRequestsChangeNothingOfAnotherClub)
{
    Personal_Init();
    Netz_Rolle = 2;
    News_Frage f{};
    const int32_t frage_b = News_Senden(-1, B, A, NEWS_ART_FRAGE, &f, "Frage an B");
    ASSERT_GE(News_Senden(-1, B, -1, NEWS_ART_TEXT, nullptr, "an B"), 0);
    Netz_Rolle = 1;

    auto fremde_news = [] {
        std::vector<std::string> v;
        for (int32_t i = 0; i < NEWS_MAX; ++i) {
            const News_Nachricht* n = News_Get_Nachricht(i);
            if (n && (n->team != A || n->sender_team != A))
                v.push_back(std::to_string(i) + ":" + std::to_string(n->flags) + ":" + std::to_string(n->frage.wort[7]) +
                            ":" + std::to_string(n->sender_team) + ":" + n->text);
        }
        return v;
    };
    auto nur_eigene_dazu = [&](const std::vector<std::string>& vorher) {
        // What is new was sent by A; what was there stays as it was.
        const std::vector<std::string> jetzt = fremde_news();
        for (const std::string& e : vorher)
            if (std::find(jetzt.begin(), jetzt.end(), e) == jetzt.end()) return false;
        for (const std::string& e : jetzt)
            if (std::find(vorher.begin(), vorher.end(), e) == vorher.end() &&
                e.find(":" + std::to_string(A) + ":") == std::string::npos)
                return false;
        return true;
    };
    const std::vector<std::string> vorher = fremde_news();

    // The good requests, as the client sends them.
    std::vector<std::vector<uint8_t>> gut;
    mitschnitt = &gut;
    Ablauf_Client_Tagesdaten_Holen();
    Ablauf_Client_Spielfeld_Records_Holen();
    Ablauf_Client_Nachrichten_Holen();
    Ablauf_Client_News_Senden(B, "Hallo");
    Ablauf_Client_Frage_Beantworten(frage_b, 1);
    Ablauf_Client_Highscore();
    Personal_Internet_Client_Get_Liste();
    Tabelle_Datensatz t{};
    Statistik_Suche_Tabelle(&t, LIGA, 2005);
    int32_t w[4][8];
    Statistik_Tabellen_In_Array(LIGA, w[0], 8);
    Statistik_Tabellen_Suche_Team(A, w[0], w[1], w[2], w[3], w[0], w[1], w[2], 8);
    Statistik_Titel_Suchen(A, -1, w[0], w[1], w[2], w[3], w[0], 8);
    mitschnitt = nullptr;
    ASSERT_EQ(gut.size(), 11u);
    // One of the numbers that run nothing: marker, number, format length, club, "v".
    std::vector<uint8_t> leer(18, 0);
    Bytes_Setze32(leer.data(), INTERNET_MARKE);
    Bytes_Setze32(leer.data() + 4, ABLAUF_LEER_1014);
    Bytes_Setze32(leer.data() + 8, 2);
    Bytes_Setze32(leer.data() + 12, uint32_t(A));
    leer[16] = 'v';
    gut.push_back(leer);

    std::vector<uint8_t> t_vorher(sizeof(Team_Struktur) * size_t(Team_Anzahl));
    std::memcpy(t_vorher.data(), T, t_vorher.size());

    Fehler_Capture c;
    mutation::Folge z(32032);
    Netz_Rolle = 2;
    for (int runde = 0; runde < 100000; ++runde) {
        std::vector<std::vector<uint8_t>> m{gut[z.bis(gut.size())]};
        const int aenderungen = 1 + int(z.bis(3));
        for (int k = 0; k < aenderungen && !m.empty(); ++k) {
            if (z.bis(4) == 0 && m[0].size() >= 16) {
                // The request's number, among the dispatcher's and its neighbours.
                Bytes_Setze32(m[0].data() + 4, 998 + z.bis(48));
                continue;
            }
            mutation::einmal(m, z);
        }
        if (m.empty()) continue;
        // The claimed club always speaks: a request for another is refused before it runs.
        if (m[0].size() >= 16 && z.bis(8)) Bytes_Setze32(m[0].data() + 12, uint32_t(A));
        antwort_puffer.clear();
        Internet_Server_Antwort(&Mitspieler[0], m[0].data(), uint32_t(m[0].size()));
        if (runde % 1000 == 0) {
            ASSERT_TRUE(nur_eigene_dazu(vorher)) << runde;
            // The store's room is kept for the checks: A's own news go again.
            for (int32_t i = 0; i < NEWS_MAX; ++i) {
                const News_Nachricht* n = News_Get_Nachricht(i);
                if (n && n->sender_team == A && i != frage_b) News_Set(i, -1, -1, 4);
            }
        }
    }
    EXPECT_TRUE(nur_eigene_dazu(vorher));
    EXPECT_EQ(std::memcmp(t_vorher.data(), T, t_vorher.size()), 0);
    EXPECT_TRUE(News_Get_Nachricht(frage_b)->flags & NEWS_FLAG_OFFEN);
    EXPECT_EQ(Handelndes_Team, uint32_t(A));
}

}  // namespace
