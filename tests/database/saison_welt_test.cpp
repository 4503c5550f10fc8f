// A new game of the generated small world and one simulated season of the database's jobs: the
// world stays whole, money is conserved, the database's savegame blocks come back byte for
// byte, damaged blocks are refused with the running game untouched, and a seed repeats.
#include <gtest/gtest.h>

#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_welt.h"
#include "bench/saison_welt.h"
#include "common/capture.h"
#include "database/db_hilfe.h"
#include "economy/bank.h"
#include "platform/disk.h"
#include "platform/win95.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct SaisonWelt : ::testing::Test {
    std::unique_ptr<Bench_Welt_Ordner> welt;
    std::filesystem::path ordner;
    std::string spielstaende;
    static constexpr int BLOECKE[] = {DISK_POS_TEAMS, DISK_POS_SPIELER, DISK_POS_MANAGER, DISK_POS_TEAMSPIELER,
                                      DISK_POS_ASSISTENTEN, DISK_POS_RICHTER, DISK_POS_PERSONAL};

    void SetUp() override
    {
        welt = std::make_unique<Bench_Welt_Ordner>(
            "saison", std::initializer_list<const char*>{"welt --world small --seed 7", "wettbewerbe --world small --seed 7"});
        ordner = welt->ordner;
        spielstaende = (ordner / "spielstand").string();
        std::filesystem::create_directories(spielstaende);
        setenv("DORVIN_REGISTRY", (ordner / "registry").c_str(), 1);
        Disk_Set_Spielstand_Ordner(spielstaende.c_str());
        Test_Bank_Beobachten(30000000);
    }
    void TearDown() override
    {
        Test_Bank_Loslassen();
        for (int pos = 1; pos <= DISK_POSITIONEN; ++pos)
            if (pos != DISK_POS_FREI) Disk_Block_Registrieren(pos, nullptr, nullptr);
        Personal_DeInit();
        Test_Welt_Aufraeumen();
        unsetenv("DORVIN_REGISTRY");
        welt.reset();
    }
    // Only the database's blocks, so that the comparison sees them alone.
    static void nur_datenbank()
    {
        for (int pos = 1; pos <= DISK_POSITIONEN; ++pos) {
            bool unsere = false;
            for (int b : BLOECKE) unsere = unsere || b == pos;
            if (!unsere && pos != DISK_POS_FREI) Disk_Block_Registrieren(pos, nullptr, nullptr);
        }
    }
    Bytes datei(const char* name)
    {
        std::ifstream f(spielstaende + "/" + name + ".sgv", std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(f), {});
    }
    static Bytes saison(int32_t seed, int32_t tage)
    {
        EXPECT_TRUE(Saison_Neues_Spiel(seed));
        for (int32_t i = 0; i < tage; ++i) Saison_Tag();
        nur_datenbank();
        return Disk_Spielstand_Abbild();
    }

    // Every invariant the jobs must keep.
    static void welt_pruefen(int32_t spieler_anzahl)
    {
        EXPECT_EQ(Spieler_Anzahl, spieler_anzahl);
        std::vector<int32_t> verein(static_cast<size_t>(Spieler_Anzahl), -1);
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            int32_t links = 0;
            for (Liste_Element* e = Liste_First_Element(&T_Fix[t].liste); e; e = Liste_Next_Element(&T_Fix[t].liste, e)) {
                ++links;
                const int32_t p = static_cast<int32_t>(e->key);
                ASSERT_TRUE(p >= 0 && p < Spieler_Anzahl);
                EXPECT_EQ(verein[size_t(p)], -1) << "Spieler " << p << " in zwei Vereinen";
                verein[size_t(p)] = t;
                const TS* ts = static_cast<const TS*>(e->data);
                EXPECT_TRUE(ts->vertrag_monate >= -1 && ts->vertrag_monate <= 60) << int(ts->vertrag_monate);
            }
            EXPECT_EQ(links, T[t].spieleranzahl) << t;
            if (t == Transfermarkt_Team) {
                EXPECT_LE(links, TEAM_MAX_TRANSFERMARKT_START);
            } else if (t != Jugend_Team) {
                EXPECT_LE(links, TEAM_MAX_SPIELER);
            }
            if (Team_Ist_Normal(t, 0)) {
                EXPECT_GE(T_Own[t].moral, 0);
                EXPECT_LE(T_Own[t].moral, 100);
            }
        }
        for (int32_t p = 0; p < Spieler_Anzahl; ++p) {
            const int32_t art = Spieler_Daten[p].verletzung_art;
            EXPECT_LT(art, SP_VERLETZUNG_ARTEN);
            EXPECT_LE(Spieler_Daten[p].verletzung_tage, Spieler_Verletzung_Tage(art, true));
            for (int32_t id = SP_KRAFT; id <= SP_STRAFRAUM; ++id) {
                if (id == SP_ERFAHRUNG || Spieler_Attribut_Vorhanden(p, id - SP_KRAFT, -1) == 0) continue;
                int32_t lo = 0, hi = 0;
                Spieler_Wert_Min_Max(id, &lo, &hi);
                const int32_t v = Spieler_Wert(id, p, 0, SP_LESEN);
                EXPECT_TRUE(v >= lo && v <= hi) << "Spieler " << p << " Feld " << id << " = " << v;
            }
        }
        // every fee booked from a buyer reaches its seller
        double gezahlt = 0, erhalten = 0;
        for (const Test_Buchung& b : Test_Buchungen) {
            if (b.kategorie == 31) gezahlt += b.betrag;
            if (b.kategorie == 30) erhalten += b.betrag;
        }
        EXPECT_DOUBLE_EQ(gezahlt, erhalten);
    }
};

TEST_F(SaisonWelt, NewGameCountsTheSystemsAndFillsTheMarket)
{
    ASSERT_TRUE(Saison_Neues_Spiel(11));
    const auto* ziel = static_cast<const uint16_t*>(Teamspieler_Zeiger(TEAMSP_SPIELER_WETTBEWERB_LISTE, 0));
    // the target of each system: its clubs' players and the market players at home there
    std::map<int32_t, int32_t> erwartet;
    std::vector<int16_t> teams(WETTBEWERB_MAX_TEAMS);
    for (int32_t c : Team_Basisligen()) {
        const int32_t s = Wettbewerb_Hierarchie_Oben(c);
        const int32_t n = Wettbewerb_Get_Teams(c, teams.data());
        for (int32_t i = 0; i < n; ++i) erwartet[s] += T[teams[size_t(i)]].spieleranzahl;
    }
    int32_t markt[TEAM_MAX_START_SPIELER];
    const int32_t m = Teamspieler_Ins_Array(Transfermarkt_Team, markt, TEAM_MAX_START_SPIELER, 0);
    ASSERT_GT(m, 0);
    for (int32_t i = 0; i < m; ++i) {
        const int32_t h = Spieler_Egal_Daten[markt[i]].heimatsystem;
        ASSERT_GE(h, 1) << "Marktspieler ohne Heimatsystem";
        ++erwartet[h];
    }
    ASSERT_FALSE(erwartet.empty());
    for (int32_t s = 0; s < TEAMSP_SYSTEME; ++s) EXPECT_EQ(ziel[s], erwartet.count(s) ? erwartet[s] : 0) << s;
    for (const auto& [s, n] : erwartet) EXPECT_GT(Team_Liga_Start_Mittelwerte[s], 0) << s;
    // the clubs' interests, highest price first, each an active slot that is open or has been given
    // a market player
    const auto* interessen = static_cast<const int32_t(*)[4]>(Teamspieler_Zeiger(TEAMSP_TRANSFER_PRIORITY_LISTE, 0));
    int32_t offen = 0;
    for (int32_t i = 0; i < TEAMSP_INTERESSEN && interessen[i][2] != -1; ++i, ++offen) {
        if (i > 0) {
            EXPECT_GE(interessen[i - 1][1], interessen[i][1]);
        }
        const Team_Transfersuche& suche = T_Own[interessen[i][2]].suche;
        const int32_t gesucht = suche.spieler[interessen[i][0]];
        EXPECT_TRUE(suche.aktiv[interessen[i][0]]);
        EXPECT_TRUE(gesucht == -1 || std::find(markt, markt + m, gesucht) != markt + m) << gesucht;
        EXPECT_EQ(interessen[i][1], suche.preis[interessen[i][0]]);
    }
    EXPECT_GT(offen, 0);
    // club players live in their club's system
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        int32_t kader[TEAM_MAX_SPIELER + 1];
        const int32_t n = Teamspieler_Ins_Array(t, kader, TEAM_MAX_SPIELER + 1, 0);
        for (int32_t i = 0; i < n; ++i)
            EXPECT_EQ(Spieler_Egal_Daten[kader[i]].heimatsystem, Team_Wert(TEAM_OBERLIGA, t, 0, TEAM_LESEN));
    }
    // a balanced market moves nobody
    std::vector<int8_t> vorher;
    for (int32_t i = 0; i < m; ++i) vorher.push_back(Spieler_Egal_Daten[markt[i]].heimatsystem);
    Team_Check_Transfermarkt_Nach_Saisonende();
    for (int32_t i = 0; i < m; ++i) EXPECT_EQ(Spieler_Egal_Daten[markt[i]].heimatsystem, vorher[size_t(i)]);
    // one player moved away comes back to balance the counts
    const int32_t von = vorher[0];
    int32_t anderes = -1;
    for (const auto& [s, n] : erwartet)
        if (s != von) anderes = s;
    ASSERT_GE(anderes, 0);
    Spieler_Wert(SP_HEIMATSYSTEM, markt[0], anderes, SP_SCHREIBEN);
    Team_Check_Transfermarkt_Nach_Saisonende();
    std::map<int32_t, int32_t> nachher;
    for (int32_t i = 0; i < m; ++i) ++nachher[Spieler_Egal_Daten[markt[i]].heimatsystem];
    std::map<int32_t, int32_t> markt_vorher;
    for (int8_t h : vorher) ++markt_vorher[h];
    EXPECT_EQ(nachher, markt_vorher);
}

// The interest list holds the open search slots of the clubs with a transfer assistant, each
// once, highest priority first.
TEST_F(SaisonWelt, TheInterestListHoldsEveryOpenSlotHighestPriorityFirst)
{
    ASSERT_TRUE(Saison_Neues_Spiel(11));
    std::set<std::pair<int32_t, int32_t>> offen;
    int32_t ohne = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0) || Assistent_Mit_Aufgabe(t, ASSI_AUFGABE_TRANSFER) == -1) {
            // an open slot of a club without a transfer assistant is no interest either
            T_Own[t].suche.aktiv[0] = 1;
            T_Own[t].suche.spieler[0] = -1;
            ++ohne;
            continue;
        }
        for (int32_t k = 0; k < 4; ++k) {
            T_Own[t].suche.aktiv[k] = k != 1;
            T_Own[t].suche.spieler[k] = k == 2 ? 7 : -1;  // a slot with its player found is no interest
            T_Own[t].suche.preis[k] = static_cast<uint16_t>(60 + (t + k) % 3 * 20);
            if (k != 1 && k != 2) offen.insert({t, k});
        }
    }
    ASSERT_GT(offen.size(), 20u);
    ASSERT_GT(ohne, 0);
    Team_Init_Transfer_Suchliste();
    const auto* liste = static_cast<const int32_t(*)[4]>(Teamspieler_Zeiger(TEAMSP_TRANSFER_PRIORITY_LISTE, 0));
    std::set<std::pair<int32_t, int32_t>> gelistet;
    int32_t i = 0;
    for (; i < TEAMSP_INTERESSEN && liste[i][2] != -1; ++i) {
        if (i > 0) { EXPECT_LE(liste[i][1], liste[i - 1][1]) << i; }
        EXPECT_EQ(liste[i][1], T_Own[liste[i][2]].suche.preis[liste[i][0]]) << i;
        EXPECT_TRUE(gelistet.insert({liste[i][2], liste[i][0]}).second) << i;
    }
    EXPECT_EQ(gelistet, offen);
    for (; i < TEAMSP_INTERESSEN; ++i) EXPECT_EQ(liste[i][1], -1) << i;
}

// The interest list is made again for the first reader after a move, not at every move: a slot
// closed behind its back stays listed until a move, and is gone for the reader after one.
TEST_F(SaisonWelt, TheInterestListIsFreshForTheFirstReaderAfterAMove)
{
    ASSERT_TRUE(Saison_Neues_Spiel(11));
    auto liste = [] { return static_cast<const int32_t(*)[4]>(Teamspieler_Zeiger(TEAMSP_TRANSFER_PRIORITY_LISTE, 0)); };
    auto gelistet = [&](int32_t team, int32_t slot) {
        for (int32_t i = 0; i < TEAMSP_INTERESSEN && liste()[i][2] != -1; ++i)
            if (liste()[i][2] == team && liste()[i][0] == slot) return true;
        return false;
    };
    Team_Init_Transfer_Suchliste();
    ASSERT_NE(liste()[0][2], -1);
    const int32_t team = liste()[0][2], slot = liste()[0][0];
    T_Own[team].suche.aktiv[slot] = 0;
    EXPECT_TRUE(gelistet(team, slot));
    // a market player leaves and comes back: moves that make no line-up
    int32_t markt[TEAM_MAX_START_SPIELER];
    ASSERT_GT(Teamspieler_Ins_Array(Transfermarkt_Team, markt, TEAM_MAX_START_SPIELER, 0), 0);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, Transfermarkt_Team, markt[0], 0, 0, 0, -1, true));
    EXPECT_FALSE(gelistet(team, slot));
    // the savegame holds the fresh list as well
    T_Own[team].suche.aktiv[slot] = 1;
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, markt[0], 0, 0, 12, -1, true));
    nur_datenbank();
    ASSERT_TRUE(Disk_Spielstand_Speichern("frisch"));
    T_Own[team].suche.aktiv[slot] = 0;
    ASSERT_TRUE(Disk_Spielstand_Laden("frisch"));
    EXPECT_TRUE(gelistet(team, slot));
}

TEST_F(SaisonWelt, ContractEndsRetireReturnMoveKeepOrList)
{
    ASSERT_TRUE(Saison_Neues_Spiel(17));
    // a managed club and two computer clubs of the league systems
    int32_t mensch = -1, a = -1, b = -1;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0) || T[t].spieleranzahl < 12) continue;
        if (Team_Hat_Manager(t)) {
            if (mensch < 0) mensch = t;
        } else if (a < 0) {
            a = t;
        } else if (b < 0 && T[t].spieleranzahl < TEAM_MAX_SPIELER - 2) {
            b = t;
        }
    }
    ASSERT_TRUE(mensch >= 0 && a >= 0 && b >= 0);
    auto spieler = [](int32_t t, int32_t i) {
        int32_t kader[TEAM_MAX_SPIELER + 1];
        Teamspieler_Ins_Array(t, kader, TEAM_MAX_SPIELER + 1, 0);
        return kader[i];
    };
    const int32_t rentner = spieler(mensch, 1), abgang = spieler(mensch, 2), leihe = spieler(a, 3), wechsel = spieler(a, 4);
    for (int32_t t : {mensch, a, b}) {
        int32_t kader[TEAM_MAX_SPIELER + 1];
        const int32_t n = Teamspieler_Ins_Array(t, kader, TEAM_MAX_SPIELER + 1, 0);
        for (int32_t i = 0; i < n; ++i) {
            Spieler_Daten[kader[i]].alter = 24;
            Teamspieler_Wert(305, t, kader[i], 30, 1);
        }
    }
    for (int32_t p : {rentner, abgang, leihe, wechsel}) Teamspieler_Wert(305, p == rentner || p == abgang ? mensch : a, p, 1, 1);
    std::strcpy(Spieler_Fix_Daten[rentner].name, "Abel");
    Spieler_Fix_Daten[rentner].gesicht = 1000;
    Spieler_Daten[rentner].alter = 40;
    Teamspieler_Wert(318, a, leihe, b, 1);
    Teamspieler_Wert(326, a, leihe, 7, 1);
    Richter_Spieler_Wechsel_Nach_Vertragsende_Hinzufuegen(wechsel, b, 300, 24);
    // his club's offer to extend, still open when he leaves for the club he agreed with, and
    // another club's bid for the loan player returning home
    Richter_Spieler_Angebot_Struktur_Erzeugen(a, a, wechsel, 0, 0, 500, 24, 100);
    Richter_Spieler_Angebot_Struktur_Erzeugen(mensch, a, leihe, 900, 0, 500, 24, 100);
    // a keeper of a computer club with few keepers and a small squad stays there
    int32_t torwart = -1;
    for (int32_t t = 0; t < Team_Anzahl && torwart < 0; ++t) {
        if (!Team_Ist_Normal(t, 0) || Team_Hat_Manager(t) || t == a || t == b) continue;
        if (Team_Wert(TEAM_SPIELERANZAHL, t, 0, 0) > Assi_Kader_Grenze_Kauf(t)) continue;
        int32_t kader[TEAM_MAX_SPIELER + 1];
        if (Teamspieler_Ins_Array(t, kader, TEAM_MAX_SPIELER + 1, 1) > 3) continue;
        torwart = kader[0];
        Spieler_Daten[torwart].alter = 24;
        Spieler_Daten[torwart].status = 0;
        Teamspieler_Wert(305, t, torwart, 1, 1);
    }
    ASSERT_GE(torwart, 0);
    const int32_t torwart_verein = Teamspieler_Get_Team_Des_Spielers(-1, torwart, -1);
    // the clubs owe an eighth of a season's wages: a computer club keeps him at a share of his demand
    Test_Kontostand = -(52 * Team_Get_Wochenausgaben(torwart_verein, 26) + 7) / 8;
    const int32_t anteil = Team_Gehalt_Prozent(torwart_verein);
    EXPECT_EQ(anteil, 75);

    // the news name the men as they were: the retired player's record holds a new man, of a new name
    const std::string rentner_name = Spieler_String(SP_VOLLNAME, rentner, nullptr, 0);
    const std::string abgang_name = Spieler_String(SP_VOLLNAME, abgang, nullptr, 0);
    Spieler_Jeden_Monat();
    EXPECT_NE(Spieler_String(SP_VOLLNAME, rentner, nullptr, 0), rentner_name);
    const auto verein = [](int32_t p) { return Teamspieler_Get_Team_Des_Spielers(-1, p, -1); };
    EXPECT_EQ(verein(rentner), Transfermarkt_Team);
    EXPECT_EQ(verein(abgang), Transfermarkt_Team);
    EXPECT_EQ(verein(leihe), b);
    EXPECT_EQ(Teamspieler_Wert(305, b, leihe, 0, 0), 7);
    EXPECT_EQ(verein(wechsel), b);
    EXPECT_EQ(Teamspieler_Wert(301, b, wechsel, 0, 0), 300000);
    EXPECT_FALSE(Spieler_Daten[wechsel].status & SP_STATUS_WECHSEL);
    // offers that name the club a player left are void
    for (int32_t p : {wechsel, leihe}) {
        Spieler_Angebot offen[RICHTER_MAX_ANGEBOTE];
        EXPECT_EQ(Richter_Get_Spieler_Angebote(p, offen, RICHTER_MAX_ANGEBOTE, nullptr), 0) << p;
    }
    EXPECT_EQ(verein(torwart), torwart_verein);
    EXPECT_GE(Teamspieler_Wert(305, torwart_verein, torwart, 0, 0), 6);
    int32_t forderung = 0, abloese = 0;
    Spieler_Bewerte_Marktwert_Gehalt(torwart_verein, torwart, -1, -1, Teamspieler_Wert(305, torwart_verein, torwart, 0, 0),
                                     &forderung, &abloese, 0);
    EXPECT_EQ(Teamspieler_Wert(301, torwart_verein, torwart, 0, 0), forderung * anteil / 100 * 1000);  // whole thousands
    auto news = [](const char* teil, const std::string& name) {
        int32_t n = 0;
        for (int32_t i = 0; i < NEWS_MAX; ++i)
            if (const News_Nachricht* m = News_Get_Nachricht(i))
                n += std::strstr(m->text, teil) && std::strstr(m->text, name.c_str());
        return n;
    };
    EXPECT_EQ(news("hat sich unwiederruflich entschieden", rentner_name), 1);
    EXPECT_EQ(news("die Fußballschuhe an den Nagel", rentner_name), 1);
    EXPECT_EQ(news("bevölkert solange die Transferliste", abgang_name), 1);
}

// A month counts down a club player's own counts: field 324, the insurance (whose end drops
// the insurer) and the contract.
TEST_F(SaisonWelt, AMonthCountsDownTheContractTheInsuranceAndTheMarkOfEachClubPlayer)
{
    ASSERT_TRUE(Saison_Neues_Spiel(17));
    int32_t t = 0;
    while (t < Team_Anzahl && !(Team_Ist_Normal(t, 0) && T[t].spieleranzahl > 0)) ++t;
    ASSERT_LT(t, Team_Anzahl);
    int32_t kader[TEAM_MAX_SPIELER + 1];
    Teamspieler_Ins_Array(t, kader, TEAM_MAX_SPIELER + 1, 0);
    const int32_t p = kader[0];
    Spieler_Daten[p].alter = 24;
    for (auto [feld, wert] : {std::pair{324, 3}, {303, 1}, {307, 2}, {305, 30}}) Teamspieler_Wert(feld, t, p, wert, 1);
    Spieler_Jeden_Monat();
    for (auto [feld, wert] : {std::pair{324, 2}, {303, 0}, {307, -1}, {305, 29}})
        EXPECT_EQ(Teamspieler_Wert(feld, t, p, 0, 0), wert) << feld;
}

// A month marks exactly the players older than their own retirement age as ending their career:
// keepers and field players from just below the earliest such age (33) to beyond the latest.
TEST_F(SaisonWelt, AMonthEndsTheCareerOfExactlyThePlayersPastTheirRetirementAge)
{
    ASSERT_TRUE(Saison_Neues_Spiel(17));
    std::vector<std::pair<int32_t, bool>> erwartet;
    int32_t knapp = 0, i = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        int32_t kader[TEAM_MAX_SPIELER + 1];
        const int32_t n = Teamspieler_Ins_Array(t, kader, TEAM_MAX_SPIELER + 1, 0);
        for (int32_t k = 0; k < n && k <= TEAM_MAX_SPIELER; ++k) {
            const int32_t p = kader[k];
            Spieler_Daten[p].status = static_cast<uint8_t>(Spieler_Daten[p].status & ~SP_STATUS_KARRIERE_ENDE);
            Teamspieler_Wert(305, t, p, 30, 1);
            const int32_t alter = 32 + i++ % 11;
            Spieler_Daten[p].alter = static_cast<uint8_t>(alter);
            const bool geht = Spieler_Ruhestandsalter(p, nullptr) < alter;
            knapp += geht && alter == 34;
            erwartet.push_back({p, geht});
        }
    }
    ASSERT_GT(knapp, 0);
    Spieler_Jeden_Monat();
    int32_t falsch = 0;
    for (const auto& [p, geht] : erwartet)
        falsch += ((Spieler_Wert(SP_STATUS, p, 0, SP_LESEN) & SP_STATUS_KARRIERE_ENDE) != 0) != geht;
    EXPECT_EQ(falsch, 0);
}

// A player who leaves his club at contract end (a recorded move, the end of a loan) takes his
// waiting offers with him: they name the club he left, and the arbiter could serve none of them.
TEST_F(SaisonWelt, AMoveAtContractEndTakesTheWaitingOffersAlong)
{
    ASSERT_TRUE(Saison_Neues_Spiel(17));
    int32_t a = -1, b = -1;
    for (int32_t t = 0; t < Team_Anzahl && b < 0; ++t) {
        if (!Team_Ist_Normal(t, 0) || Team_Hat_Manager(t) || T[t].spieleranzahl < 14) continue;
        if (a < 0) a = t;
        else if (T[t].spieleranzahl < TEAM_MAX_SPIELER - 2) b = t;
    }
    ASSERT_TRUE(a >= 0 && b >= 0);
    int32_t kader[TEAM_MAX_SPIELER + 1];
    const int32_t n = Teamspieler_Ins_Array(a, kader, TEAM_MAX_SPIELER + 1, 0);
    for (int32_t i = 0; i < n; ++i) {
        Spieler_Daten[kader[i]].alter = 24;
        Spieler_Daten[kader[i]].status = 0;
        Teamspieler_Wert(305, a, kader[i], 30, 1);
    }
    const int32_t wechsel = kader[3], leihe = kader[4];
    for (int32_t p : {wechsel, leihe}) Teamspieler_Wert(305, a, p, 1, 1);
    Richter_Spieler_Wechsel_Nach_Vertragsende_Hinzufuegen(wechsel, b, 300, 24);
    Teamspieler_Wert(318, a, leihe, b, 1);
    Teamspieler_Wert(326, a, leihe, 7, 1);
    // his club still hopes to keep him, and a third club bids as well
    for (int32_t p : {wechsel, leihe}) {
        Richter_Spieler_Angebot_Struktur_Erzeugen(a, a, p, 0, 0, 200, 24, 50);
        Richter_Spieler_Angebot_Struktur_Erzeugen(b == a + 1 ? b + 1 : a + 1, a, p, 100, 0, 250, 24, 50);
        ASSERT_EQ(Richter_Get_Spieler_Angebote(p, nullptr, 0, nullptr), 2);
    }

    Spieler_Jeden_Monat();
    for (int32_t p : {wechsel, leihe}) {
        EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, p, -1), b);
        EXPECT_EQ(Richter_Get_Spieler_Angebote(p, nullptr, 0, nullptr), 0) << p;
        EXPECT_EQ(Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 0, SP_LESEN), -1);
    }
    // the daily decision finds nothing left over
    Fehler_Capture fehler;
    for (int32_t tag = 0; tag < 3; ++tag) Richter_Check_Spieler_Angebote(-1);
    EXPECT_FALSE(fehler.contains("nicht normal"));
}

// A market that cannot take more leaves no player without a team: the leaver stays a year at his
// club, listed, and the young player made of a retired one comes up at his club.
TEST_F(SaisonWelt, AFullMarketLeavesNobodyWithoutATeam)
{
    ASSERT_TRUE(Saison_Neues_Spiel(17));
    int32_t mensch = -1;
    for (int32_t t = 0; t < Team_Anzahl && mensch < 0; ++t)
        if (Team_Ist_Normal(t, 0) && Team_Hat_Manager(t) && T[t].spieleranzahl >= 12) mensch = t;
    ASSERT_GE(mensch, 0);
    int32_t kader[TEAM_MAX_SPIELER + 1];
    Teamspieler_Ins_Array(mensch, kader, TEAM_MAX_SPIELER + 1, 0);
    const int32_t rentner = kader[1], abgang = kader[2];
    for (int32_t i = 0; i < T[mensch].spieleranzahl; ++i) {
        Spieler_Daten[kader[i]].alter = 24;
        Teamspieler_Wert(305, mensch, kader[i], 30, 1);
    }
    Teamspieler_Wert(305, mensch, rentner, 1, 1);
    Teamspieler_Wert(305, mensch, abgang, 1, 1);
    std::strcpy(Spieler_Fix_Daten[rentner].name, "Abel");
    Spieler_Fix_Daten[rentner].gesicht = 1000;
    Spieler_Daten[rentner].alter = 40;
    // the market filled up from the other clubs, with long stays on it
    for (int32_t t = 0; t < Team_Anzahl && T[Transfermarkt_Team].spieleranzahl < TEAM_MAX_TRANSFERMARKT; ++t) {
        if (t == mensch || t == Transfermarkt_Team) continue;
        int32_t andere[TEAM_MAX_START_SPIELER];
        const int32_t n = Teamspieler_Ins_Array(t, andere, TEAM_MAX_START_SPIELER, 0);
        for (int32_t i = 0; i < n && T[Transfermarkt_Team].spieleranzahl < TEAM_MAX_TRANSFERMARKT; ++i) {
            ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, andere[i], 0, 0, 60, -1, false));
            Teamspieler_Kommt_Oder_Geht(0, t, andere[i], 0, 0, 0, -1, false);
            Teamspieler_Wert(305, Transfermarkt_Team, andere[i], 60, 1);
        }
    }
    ASSERT_EQ(T[Transfermarkt_Team].spieleranzahl, TEAM_MAX_TRANSFERMARKT);
    const int32_t vorher = T[mensch].spieleranzahl;

    Spieler_Jeden_Monat();
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, abgang, -1), mensch);
    EXPECT_EQ(Teamspieler_Wert(305, mensch, abgang, 0, 0), 12);
    EXPECT_TRUE(Teamspieler_Wert(317, mensch, abgang, 0, 0) & TS_TRANSFERLISTE);
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, rentner, -1), mensch);
    EXPECT_LE(Spieler_Daten[rentner].alter, 23);
    EXPECT_EQ(T[mensch].spieleranzahl, vorher);
    bool gemeldet = false;
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (const News_Nachricht* m = News_Get_Nachricht(i)) gemeldet = gemeldet || std::strstr(m->text, "Der Transfermarkt ist voll");
    EXPECT_TRUE(gemeldet);
}

TEST_F(SaisonWelt, ASeasonKeepsTheWorldWholeAndTheBlocksComeBack)
{
    ASSERT_TRUE(Saison_Neues_Spiel(23));
    const int32_t anzahl = Spieler_Anzahl;
    std::vector<int32_t> verein(static_cast<size_t>(anzahl), -1), alter(static_cast<size_t>(anzahl), 0);
    for (int32_t p = 0; p < anzahl; ++p) {
        verein[size_t(p)] = Teamspieler_Get_Team_Des_Spielers(-1, p, -1);
        alter[size_t(p)] = Spieler_Daten[p].alter;
    }
    for (int32_t i = 0; i < 366; ++i) Saison_Tag();
    welt_pruefen(anzahl);
    // the season moved players, aged them all and hurt some
    int32_t gewechselt = 0, gealtert = 0;
    for (int32_t p = 0; p < anzahl; ++p) {
        gewechselt += Teamspieler_Get_Team_Des_Spielers(-1, p, -1) != verein[size_t(p)];
        gealtert += Spieler_Daten[p].alter != alter[size_t(p)];
    }
    EXPECT_GT(gewechselt, 0);
    EXPECT_GT(gealtert, anzahl * 9 / 10);
    int32_t auskuriert = 0;
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (const News_Nachricht* m = News_Get_Nachricht(i)) auskuriert += std::string(m->text).find("auskuriert") != std::string::npos;
    EXPECT_GT(auskuriert, 0);

    nur_datenbank();
    ASSERT_TRUE(Disk_Spielstand_Speichern("a"));
    const Bytes vorher = Disk_Spielstand_Abbild();
    ASSERT_TRUE(Disk_Spielstand_Laden("a"));
    EXPECT_EQ(Disk_Spielstand_Abbild(), vorher);
    welt_pruefen(anzahl);

    // truncated, flipped and count-inflated blocks are refused and the game stays as it was
    std::string version;
    Disk_Bereiche bereiche;
    const Bytes a = datei("a");
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(a.data(), a.size(), &version, &bereiche));
    auto versuchen = [&](const char* was, auto&& schaden) {
        SCOPED_TRACE(was);
        Disk_Bereiche b = bereiche;
        schaden(b);
        const Bytes kaputt = Disk_Spielstand_Bauen(version.c_str(), b);
        std::ofstream(spielstaende + "/k.sgv", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(kaputt.data()), std::streamsize(kaputt.size()));
        Fehler_Capture fehler;
        EXPECT_FALSE(Disk_Spielstand_Laden("k"));
        EXPECT_EQ(Disk_Spielstand_Abbild(), vorher);
    };
    auto& teams = bereiche[DISK_POS_TEAMS - 1];
    auto& spieler = bereiche[DISK_POS_SPIELER - 1];
    auto& links = bereiche[DISK_POS_TEAMSPIELER - 1];
    ASSERT_GE(teams.size(), 17u);
    EXPECT_EQ(teams[11].size(), 46080u);
    EXPECT_EQ(teams[12].size(), 1536u);
    EXPECT_EQ(teams[13].size(), 1536u);
    size_t spieler_bytes = 0, link_bytes = 0;
    for (const Bytes& b : spieler) spieler_bytes += b.size();
    for (const Bytes& b : links) link_bytes += b.size();
    EXPECT_EQ(spieler_bytes, 2312u + 121u * uint32_t(anzahl));
    size_t alle_links = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) alle_links += size_t(T[t].spieleranzahl);
    EXPECT_EQ(link_bytes, 58248u + 52u * alle_links);

    versuchen("Spielerblock gekürzt", [](Disk_Bereiche& b) { b[DISK_POS_SPIELER - 1].back().pop_back(); });
    versuchen("Teamzahl zu groß", [](Disk_Bereiche& b) { b[DISK_POS_TEAMS - 1][0] = {0xFF, 0xFF, 0, 0}; });
    versuchen("Spielerzahl eines Teams aufgebläht", [](Disk_Bereiche& b) {
        Bytes& t = b[DISK_POS_TEAMS - 1].back();
        t[24] = static_cast<uint8_t>(t[24] + 1);
    });
    versuchen("Spielernummer außerhalb", [](Disk_Bereiche& b) {
        Bytes& l = b[DISK_POS_TEAMSPIELER - 1].back();
        l[48] = 0xFF;
        l[49] = 0xFF;
    });
    versuchen("Teile eines Clients", [](Disk_Bereiche& b) {
        b[DISK_POS_SPIELER - 1].pop_back();
        b[DISK_POS_SPIELER - 1].pop_back();
    });

    // the market team is the one named so, whatever number the block gives
    const int32_t markt = Transfermarkt_Team;
    Disk_Bereiche b = bereiche;
    b[DISK_POS_TEAMS - 1][4] = {0, 0, 0, 0};
    const Bytes umbenannt = Disk_Spielstand_Bauen(version.c_str(), b);
    std::ofstream(spielstaende + "/m.sgv", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(umbenannt.data()), std::streamsize(umbenannt.size()));
    ASSERT_TRUE(Disk_Spielstand_Laden("m"));
    EXPECT_EQ(Transfermarkt_Team, markt);
}

TEST_F(SaisonWelt, ASeasonOfTheDefaultWorld)
{
    Bench_Welt_Ordner gross("saison_gross", {"welt", "wettbewerbe"});
    ASSERT_TRUE(Saison_Neues_Spiel(1999));
    const int32_t anzahl = Spieler_Anzahl;
    EXPECT_GT(anzahl, 9000);
    for (int32_t i = 0; i < 366; ++i) Saison_Tag();
    welt_pruefen(anzahl);
}

TEST_F(SaisonWelt, LeagueMoneyBaseByTierAndDifficulty)
{
    ASSERT_TRUE(Saison_Neues_Spiel(3));
    static const int32_t BASIS[4] = {1050000, 700000, 350000, 130000};
    const uint32_t stufe_vorher = Schwierigkeitsstufe;
    bool oben = false, unten = false;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        int32_t stufe = 0, stufen = 0;
        ASSERT_TRUE(Wettbewerb_Visuell_Vertikal_Anz_Min(Wettbewerb_Get_Team_Wettbewerb(t, 1), &stufe, &stufen, 4));
        EXPECT_EQ(Team_Get_Liga_Basisbetrag(t), BASIS[stufe > 3 ? 3 : stufe]) << t;
        oben = oben || stufe == 0;
        unten = unten || stufe > 0;
        int32_t basis = 0;
        Schwierigkeitsstufe = 4;
        Team_Berechne_Finanzbasis(t, &basis);
        EXPECT_EQ(basis, Wettbewerb_Get_Liga_Niveau(t) * 15000);
        Schwierigkeitsstufe = 0;
        EXPECT_EQ(Team_Berechne_Finanzbasis(t, &basis) % 100000, 0);
        EXPECT_EQ(basis, Wettbewerb_Get_Liga_Niveau(t) * 15000 + 3000000);
        Schwierigkeitsstufe = stufe_vorher;
    }
    EXPECT_TRUE(oben && unten);
}

// The money base by tier in DM (the fourth tier and every deeper one 130,000), and the amount of a
// club that is not its league's first: rounded down to whole 100,000 at every difficulty.
TEST_F(SaisonWelt, MoneyBaseInFigures)
{
    Bench_Welt_Ordner gross("saison_gross", {"welt", "wettbewerbe"});
    ASSERT_TRUE(Saison_Neues_Spiel(1999));
    std::map<int32_t, int32_t> je_stufe;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        int32_t stufe = 0, stufen = 0;
        ASSERT_TRUE(Wettbewerb_Visuell_Vertikal_Anz_Min(Wettbewerb_Get_Team_Wettbewerb(t, 1), &stufe, &stufen, 4));
        const int32_t betrag = Team_Get_Liga_Basisbetrag(t);
        if (je_stufe.count(stufe)) EXPECT_EQ(betrag, je_stufe[stufe]) << t;
        else je_stufe[stufe] = betrag;
        int32_t platz = -1;
        Wettbewerb_Get_Tabellenplatz_Prozent(t, &platz);
        if (platz == 0) continue;
        for (uint32_t d = 0; d <= 4; ++d) {
            Schwierigkeitsstufe = d;
            EXPECT_EQ(Team_Berechne_Finanzbasis(t, nullptr) % 100000, 0) << "team " << t << ", difficulty " << d;
        }
    }
    Schwierigkeitsstufe = 2;
    EXPECT_EQ(je_stufe[0], 1050000);
    EXPECT_EQ(je_stufe[1], 700000);
    EXPECT_EQ(je_stufe[2], 350000);
    EXPECT_EQ(je_stufe[3], 130000);
}

TEST_F(SaisonWelt, AClientsSavegameHoldsItsOwnPartsAndAServerRefusesIt)
{
    ASSERT_TRUE(Saison_Neues_Spiel(9));
    nur_datenbank();
    int32_t eigenes = -1;
    for (int32_t t = 0; t < Team_Anzahl && eigenes < 0; ++t)
        if (Team_Hat_Manager(t)) eigenes = t;
    ASSERT_GE(eigenes, 0);
    Aktuelles_Team = eigenes;
    Netz_Rolle = 1;
    ASSERT_TRUE(Disk_Spielstand_Speichern("client"));
    Netz_Rolle = 2;
    std::string version;
    Disk_Bereiche bereiche;
    const Bytes c = datei("client");
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(c.data(), c.size(), &version, &bereiche));
    size_t spieler = 0;
    for (const Bytes& b : bereiche[DISK_POS_SPIELER - 1]) spieler += b.size();
    EXPECT_EQ(spieler, 2312u + 37u * uint32_t(Spieler_Anzahl));
    // the header, the tables, one image per team and the own manager record only
    EXPECT_EQ(bereiche[DISK_POS_TEAMS - 1].size(), 14u + uint32_t(Team_Anzahl) + 1u);
    EXPECT_TRUE(bereiche[DISK_POS_TEAMSPIELER - 1].empty());

    const Bytes vorher = Disk_Spielstand_Abbild();
    {
        Fehler_Capture fehler;
        EXPECT_FALSE(Disk_Spielstand_Laden("client"));
    }
    EXPECT_EQ(Disk_Spielstand_Abbild(), vorher);
    // a client holds no manager record but its own
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (t != eigenes && T_Fix[t].manager) T_Fix[t].manager = Manager_Freigeben(T_Fix[t].manager);
    Netz_Rolle = 1;
    ASSERT_TRUE(Disk_Spielstand_Laden("client"));
    const auto* haupt = reinterpret_cast<const uint8_t*>(&Spieler_Daten[0]);
    EXPECT_EQ(std::count(haupt, haupt + sizeof(Spieler_Struktur), 88), long(sizeof(Spieler_Struktur)));
    EXPECT_NE(T_Fix[eigenes].manager, nullptr);
    Netz_Rolle = 2;
}

TEST_F(SaisonWelt, TheSameSeedGivesTheSameSavegame)
{
    // the second run in a process of its own, as a second program start would make it
    const std::string zweiter = (ordner / "zweiter.bin").string();
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        const Bytes b = saison(5, 120);
        std::ofstream(zweiter, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
        _exit(0);
    }
    int status = 1;
    waitpid(kind, &status, 0);
    ASSERT_EQ(status, 0);
    const Bytes a = saison(5, 120);
    std::ifstream f(zweiter, std::ios::binary);
    const Bytes b{std::istreambuf_iterator<char>(f), {}};
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, b);
}

}  // namespace
