// Preparing and closing the day's games: weather, referees, short line-ups, the clubs' mood
// after a game, and the results pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele_karten.h"
#include "database/assistent.h"
#include "database/personal.h"
#include "database/spieler.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "match/spieltag_welt.h"
#include "matchview/spieltagbericht.h"
#include "toolkit/optionen.h"
#include "toolkit/requester.h"
#include "toolkit/runde.h"

namespace {

class Spieltag_Vorbereiten : public Spieltag_Welt {
protected:
    // The day's competitions, started again as if today were `tag`.
    void neu_starten_am(int32_t tag)
    {
        int32_t ids[64];
        const int32_t n = Spieltag_Get_Wettbewerbe(ids, 64);
        const int32_t heute = Aktueller_Tag;
        Aktueller_Tag = tag;
        Spieltag_Init(ids, n);
        Aktueller_Tag = heute;
    }
    // Keeps `anzahl` players of the club's line-up.
    static void aufstellung_kuerzen(int32_t team, int32_t anzahl)
    {
        int32_t feld[64];
        const int32_t n = Teamspieler_Ins_Array(team, feld, 64, TS_STARTELF);
        ASSERT_GE(n, anzahl);
        for (int32_t i = anzahl; i < n; ++i) Teamspieler_Wert(317, team, feld[i], TS_STARTELF, TEAM_LOESCHEN);
    }
};

// All the clubs' countries get the climate winter -5, summer 25.
void klima_setzen()
{
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        uint8_t* k = static_cast<uint8_t*>(Team_Zeiger(TEAM_KLIMA, t, nullptr, TEAM_LESEN));
        if (!k) continue;
        k[0] = 95;
        k[1] = 125;
        k[2] = 20;
    }
}

TEST_F(Spieltag_Vorbereiten, WeatherByMonthAndOneRefereePerGame)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    klima_setzen();
    struct Monat {
        int32_t tag, monat, min, max;
    };
    const int32_t februar = Kalender_Get_Tagnummer(10, 2, Kalender_Get_Datum(0, 0).jahr + 1);
    const int32_t august = Kalender_Get_Tagnummer(10, 8, Kalender_Get_Datum(0, 0).jahr);
    for (const Monat& m : {Monat{februar, 2, -10, 0}, Monat{august, 8, 20, 30}}) {
        std::set<int32_t> temperaturen;
        for (int runde = 0; runde < 6; ++runde) {
            neu_starten_am(m.tag);
            std::set<int32_t> schiris;
            int32_t mit_schiri = 0;
            for (const auto& [c, g] : spiele()) {
                const Spiele_Spiel* s = Spiele_Get_Spiel(g, 1);
                EXPECT_GE(s->temperatur, m.min) << "Monat " << m.monat;
                EXPECT_LE(s->temperatur, m.max) << "Monat " << m.monat;
                EXPECT_LE(s->wetter, 100);
                temperaturen.insert(s->temperatur);
                if (s->schiedsrichter > 0) {
                    ++mit_schiri;
                    schiris.insert(s->schiedsrichter);
                }
            }
            EXPECT_GT(mit_schiri, 0);
            EXPECT_EQ(int32_t(schiris.size()), mit_schiri) << "no referee twice a day";
        }
        EXPECT_GT(temperaturen.size(), 2u);
    }
}

// The referee's land follows the game: one of the clubs' land when both come from it (unless the
// competition wants neither), else neither's; the lands are read from the staff list.
TEST_F(Spieltag_Vorbereiten, RefereesComeFromTheLandTheGameAsksFor)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    int32_t geprueft = 0;
    for (int runde = 0; runde < 3; ++runde) {
        neu_starten_am(Aktueller_Tag);
        for (const auto& [c, g] : spiele()) {
            const Spiele_Spiel* s = Spiele_Get_Spiel(g, 1);
            if (s->schiedsrichter <= 0) continue;
            const Personal_Eintrag* p = Personal_Get_Daten(s->schiedsrichter, PERSONAL_SCHIEDSRICHTER);
            ASSERT_NE(p, nullptr) << s->schiedsrichter;
            const int32_t land = int32_t(p->land);
            const int32_t ch = Team_Wert(TEAM_NATION, s->heim, 0, TEAM_LESEN), ca = Team_Wert(TEAM_NATION, s->gast, 0, TEAM_LESEN);
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
            ASSERT_NE(info, nullptr);
            if (ch == ca && !(uint32_t(info->modus) & SCHIRI_NICHT_AUS_TEAMLAND)) EXPECT_EQ(land, ch) << g;
            else EXPECT_TRUE(land != ch && land != ca) << g;
            ++geprueft;
        }
    }
    EXPECT_GT(geprueft, 0);
}

TEST_F(Spieltag_Vorbereiten, ShortLineUpLosesAndPaysItsFine)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    const auto tag = spiele();
    ASSERT_GE(tag.size(), 2u);
    const Spiele_Spiel a = *Spiele_Get_Spiel(tag[0].second, 1), b = *Spiele_Get_Spiel(tag[1].second, 1);
    // A managed club's game when there is one: its manager gets the news.
    aufstellung_kuerzen(a.gast, 7);
    aufstellung_kuerzen(b.heim, 8);
    aufstellung_kuerzen(b.gast, 8);
    const int32_t vorher = Bank_Get_Kontostand(a.gast, 0, -1);
    const int32_t niveau = Wettbewerb_Get_Liga_Niveau(a.gast);
    Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(0);
    const Spiele_Spiel* x = Spiele_Get_Spiel(tag[0].second, 1);
    EXPECT_EQ(x->heim_tore, 2);
    EXPECT_EQ(x->gast_tore, 0);
    EXPECT_EQ(x->ergebnis_art & SPIELE_ART_ABGS, SPIELE_ART_ABGS);
    EXPECT_EQ(x->zuschauer, 0u);
    EXPECT_EQ(Bank_Get_Kontostand(a.gast, 0, -1), vorher - 2000 * niveau);
    Liste_Element* k = Liste_Find_Key(Spieltag_Get_Wettbewerbe_Liste(), uint32_t(tag[0].first));
    Spieltag_Wettbewerb_Erstes_Spiel(k);
    EXPECT_EQ(Spieltag_Get_Laeuft(-1), SPIELTAG_AUS);
    // Eight players are enough to play: the game has its live record.
    EXPECT_TRUE(Spielfeld_Get_Spiel(tag[1].second));
    const Spiele_Spiel* y = Spiele_Get_Spiel(tag[1].second, 1);
    EXPECT_FALSE(y->heim_tore == 0 && y->gast_tore == 2);
    if (Team_Hat_Manager(a.gast)) {
        bool gefunden = false;
        for (int32_t i = News_Suche_Erste(a.gast, NEWS_FLAG_DA); i >= 0; i = News_Suche_Naechste())
            gefunden |= std::strstr(News_Get_Nachricht(i)->text, "Ihr Spiel wurde abgesagt, da Sie zu wenig Spieler "
                                                                  "eingesetzt haben! Sie zahlen") != nullptr;
        EXPECT_TRUE(gefunden);
    }
}

// The managed club without a line-up assistant keeps the eleven its manager set through the
// day's preparation, and ends its turn without the short-handed question; only a starter who
// is injured or banned for this game leaves the eleven, and then the question comes.
TEST_F(Spieltag_Vorbereiten, AManagedClubKeepsItsFitElevenAndLosesOnlyTheUnavailable)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    int32_t team = -1, wettbewerb = -1;
    for (const auto& [c, g] : spiele())
        for (int32_t t : {int32_t(Spiele_Get_Spiel(g, 1)->heim), int32_t(Spiele_Get_Spiel(g, 1)->gast)})
            if (Team_Hat_Manager(t)) team = t, wettbewerb = c;
    ASSERT_GE(team, 0);
    ASSERT_EQ(Assistent_Mit_Aufgabe(team, 0), -1);
    int32_t kader[64];
    const int32_t n = Teamspieler_Ins_Array(team, kader, 64, 0);
    ASSERT_GE(n, 13);
    // Everybody fit; the manager's eleven are the last eleven of the list, not the assistants'
    // choice, so that a line-up made anew would show.
    for (int32_t i = 0; i < n; ++i) {
        Spieler_Wert(SP_VERLETZUNG_TAGE, kader[i], 0, 1);
        Spiele_Set_Wettbewerb_Ereignis(wettbewerb, kader[i], KARTE_SPERRE, 0);
        Teamspieler_Wert(317, team, kader[i], int32_t(TS_STARTELF | TS_ERSATZ | 0xFC0 | TS_KAPITAEN), 4);
        if (i >= n - 11) Teamspieler_Wert(317, team, kader[i], TS_STARTELF, 8);
    }
    auto elf = [team] {
        int32_t feld[64];
        const int32_t k = Teamspieler_Ins_Array(team, feld, 64, TS_STARTELF);
        return std::set<int32_t>(feld, feld + std::min(k, 64));
    };
    const std::set<int32_t> gesetzt = elf();
    ASSERT_EQ(gesetzt.size(), 11u);

    static std::vector<std::string> fragen;
    fragen.clear();
    Menue_Requester_Set_Anzeige([](int32_t, int32_t, const char* text, const char*, const char*) -> uint8_t {
        fragen.emplace_back(text);
        return 1;
    });
    const int32_t vorher_team = Aktuelles_Team;
    Aktuelles_Team = team;
    auto frage_gestellt = [] {
        for (const std::string& f : fragen)
            if (f.find("weniger als ELF Spieler") != std::string::npos) return true;
        return false;
    };

    for (int runde = 0; runde < 3; ++runde) {
        neu_starten_am(Aktueller_Tag);
        EXPECT_EQ(elf(), gesetzt) << "preparation " << runde;
    }
    Menue_Runde_Beenden_Pruefen();
    EXPECT_FALSE(frage_gestellt());

    // An injured starter and one banned for two games (one of them this game's).
    const int32_t verletzt = kader[n - 1], gesperrt = kader[n - 2];
    Spieler_Wert(SP_VERLETZUNG_TAGE, verletzt, 5, 1);
    Teamspieler_Wert(317, team, verletzt, int32_t(TS_ARZT), 8);
    Spiele_Set_Wettbewerb_Ereignis(wettbewerb, gesperrt, KARTE_SPERRE, 2 | 128);
    neu_starten_am(Aktueller_Tag);
    std::set<int32_t> rest = gesetzt;
    rest.erase(verletzt);
    rest.erase(gesperrt);
    EXPECT_EQ(elf(), rest);
    fragen.clear();
    Menue_Runde_Beenden_Pruefen();
    EXPECT_TRUE(frage_gestellt());

    Aktuelles_Team = vorher_team;
    Menue_Requester_Set_Anzeige(nullptr);
}

TEST_F(Spieltag_Vorbereiten, GameWithoutLiveRecordIsCalledOffWithoutGoals)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    const auto tag = spiele();
    ASSERT_FALSE(tag.empty());
    // A record already there: the day's own creation is refused.
    ASSERT_TRUE(Spielfeld_Record_Anlegen(tag[0].second, 0, 0, nullptr, -1, 0));
    Fehler_Capture cap;
    Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(0);
    const Spiele_Spiel* m = Spiele_Get_Spiel(tag[0].second, 1);
    EXPECT_EQ(m->heim_tore, 0);
    EXPECT_EQ(m->gast_tore, 0);
    EXPECT_EQ(m->ergebnis_art & SPIELE_ART_ABGS, SPIELE_ART_ABGS);
    EXPECT_TRUE(cap.contains("Spieltag: Spiel " + std::to_string(tag[0].second) + " hat kein Spielfeld"));
    Spieltag_Wettbewerb_Erstes_Spiel(Liste_Find_Key(Spieltag_Get_Wettbewerbe_Liste(), uint32_t(tag[0].first)));
    EXPECT_EQ(Spieltag_Get_Laeuft(-1), SPIELTAG_AUS);
    // The others play.
    for (size_t i = 1; i < tag.size(); ++i) EXPECT_EQ(Spiele_Get_Spiel(tag[i].second, 1)->ergebnis_art & SPIELE_ART_ABGS, 0);
}

TEST_F(Spieltag_Vorbereiten, WaitingGamesAreShownWhileFewerThanFourAre)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    const auto tag = spiele();
    ASSERT_GE(tag.size(), 6u);
    int32_t eigenes = -1;
    for (const auto& [c, g] : tag)
        if (Team_Hat_Manager(Spiele_Get_Spiel(g, 1)->heim) || Team_Hat_Manager(Spiele_Get_Spiel(g, 1)->gast)) eigenes = g;
    ASSERT_GE(eigenes, 0);
    // Bits 8 (shown) and 16 (on the pitch) of the clubs' flags, as they were.
    std::vector<int32_t> flags(static_cast<size_t>(Team_Anzahl));
    for (int32_t t = 0; t < Team_Anzahl; ++t) flags[size_t(t)] = Team_Wert(TEAM_FLAGS, t, 0, TEAM_LESEN) & (8 | 16);
    auto zuruecksetzen = [&] {
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            Team_Wert(TEAM_FLAGS, t, 8 | 16, TEAM_LOESCHEN);
            if (flags[size_t(t)]) Team_Wert(TEAM_FLAGS, t, flags[size_t(t)], TEAM_SETZEN);
        }
    };
    auto setzen = [&](int32_t g, int32_t bit) { Team_Wert(TEAM_FLAGS, Spiele_Get_Spiel(g, 1)->heim, bit, TEAM_SETZEN); };
    auto tag_neu = [&](int32_t option, int32_t gezeigte) {
        zuruecksetzen();
        for (int32_t t = 0; t < Team_Anzahl; ++t) Team_Wert(TEAM_FLAGS, t, 8 | 16, TEAM_LOESCHEN);
        setzen(eigenes, 16);
        int32_t n = 0;
        for (const auto& [c, g] : tag)
            if (g != eigenes && n < gezeigte) {
                setzen(g, 8);
                ++n;
            }
        Globale_Optionen_Setzen(OPTION_LIVE_AUTOMATIK, option);
        neu_starten_am(Aktueller_Tag);
        Spieltag_Spiele_Anlegen();
        Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(0);
        int32_t gezeigt = 0;
        for (const auto& [c, g] : spiele()) gezeigt += Spielfeld_Get_Spiel(g)->anzeige == 1;
        return std::make_pair(int32_t(Spielfeld_Get_Spiel(eigenes)->anzeige), gezeigt);
    };
    // The club's game of mode 2 fills a window only while fewer than four are shown, and only
    // with the live option on.
    EXPECT_EQ(tag_neu(1, 3), std::make_pair(1, 4));
    EXPECT_EQ(tag_neu(0, 3), std::make_pair(0, 3));
    EXPECT_EQ(tag_neu(1, 4), std::make_pair(0, 4));
    EXPECT_EQ(tag_neu(0, 0), std::make_pair(0, 0));
    zuruecksetzen();
    Globale_Optionen_Vorbelegen();
}

TEST_F(Spieltag_Vorbereiten, MoodAfterTheGameStaysWithinItsRange)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    // Two clubs whose line-ups differ by more than 100 in summed value.
    int32_t stark = -1, schwach = -1;
    for (int32_t t = 0; t < Team_Anzahl && stark < 0; ++t)
        for (int32_t u = 0; u < Team_Anzahl; ++u)
            if (Team_Ist_Normal(t, 0) && Team_Ist_Normal(u, 0) &&
                Team_Spieler_Summen_Staerke(t, 89, 0) > Team_Spieler_Summen_Staerke(u, 89, 0) + 100) {
                stark = t;
                schwach = u;
                break;
            }
    ASSERT_GE(stark, 0);
    Spiele_Spiel m{};
    m.heim = uint16_t(schwach);
    m.gast = uint16_t(stark);
    auto moral = [](int32_t t) { return Team_Wert(TEAM_MORAL, t, 0, TEAM_LESEN); };
    auto setzen = [](int32_t t, int32_t v) { Team_Wert(TEAM_MORAL, t, v, TEAM_SCHREIBEN); };

    // A draw against the stronger side raises the home value by 8 and lowers the away one.
    setzen(schwach, 50);
    setzen(stark, 50);
    m.heim_tore = 1;
    m.gast_tore = 1;
    Spieltag_Pressebericht(&m);
    EXPECT_EQ(moral(schwach), 58);
    EXPECT_EQ(moral(stark), 50);

    // Big wins and losses keep both values within 0..99, and the press scolds the weak loser.
    std::vector<std::string> texte;
    static std::vector<std::string>* ziel = nullptr;
    ziel = &texte;
    Spieltag_Set_Meldung_Hook([](int32_t, int32_t art, const char* t) { ziel->push_back(std::to_string(art) + t); });
    for (int i = 0; i < 20; ++i) {
        setzen(schwach, 2);
        setzen(stark, 97);
        m.heim_tore = 0;
        m.gast_tore = 9;
        Spieltag_Pressebericht(&m);
        EXPECT_GE(moral(schwach), 0);
        EXPECT_LE(moral(stark), 99);
        m.heim_tore = 9;
        m.gast_tore = 0;
        setzen(schwach, 97);
        setzen(stark, 2);
        Spieltag_Pressebericht(&m);
        EXPECT_LE(moral(schwach), 99);
        EXPECT_GE(moral(stark), 0);
    }
    Spieltag_Set_Meldung_Hook(nullptr);
    ASSERT_FALSE(texte.empty());
    EXPECT_EQ(texte[0].rfind("5Presse, Funk und Fernsehen berichten ausführlich über die schwache Leistung von ", 0), 0u);
    Spieltag_Pressebericht(nullptr);
}

TEST_F(Spieltag_Vorbereiten, ResultsPagesUnlessTheServerHasNoClub)
{
    static std::vector<int32_t> seiten;
    Spieltagbericht_Set_Beobachter([](int32_t w) { seiten.push_back(w); });
    for (uint8_t allein : {0, 1}) {
        seiten.clear();
        Stand_Alone_Server = allein;
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
        int32_t w[64];
        const int32_t n = Spieltag_Get_Wettbewerbe(w, 64);
        Ablauf_Schritt();
        EXPECT_EQ(seiten.size(), allein ? 0u : size_t(n));
        // Every game of the day has its result.
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    }
    Stand_Alone_Server = 0;
    Spieltagbericht_Set_Beobachter(nullptr);
}

// The competition's prize for a win goes to the side that won (a cup pays it once more for the
// tie won); a loser gets none.
TEST_F(Spieltag_Vorbereiten, TheWinPrizeGoesToTheWinner)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    constexpr float SIEG = 7777.0f;
    for (const auto& [c, g] : spiele()) {
        Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(c));
        ASSERT_NE(w, nullptr);
        w->sieg_praemie = int32_t(SIEG);
        w->unentschieden_praemie = 0;
    }
    std::set<int32_t> sieger;
    for (const auto& [c, g] : spiele()) {
        const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
        ASSERT_NE(m, nullptr);
        ASSERT_GE(m->heim_tore, 0);
        if (m->heim_tore != m->gast_tore) sieger.insert(m->heim_tore > m->gast_tore ? m->heim : m->gast);
    }
    ASSERT_FALSE(sieger.empty());
    static std::set<int32_t>* bezahlt = nullptr;
    std::set<int32_t> preise;
    bezahlt = &preise;
    Bank_Set_Buchung_Beobachter([](int32_t, int32_t an, float betrag, uint8_t art) {
        if (betrag == SIEG && art == 36) bezahlt->insert(an);
        return true;
    });
    Ablauf_Schritt();
    Bank_Set_Buchung_Beobachter(nullptr);
    EXPECT_EQ(preise, sieger);
}

}  // namespace
