// The prices the screens print, read off the drawn screen after four months of a new game of the
// generated small world: the player window's market value, transfer fee and purchase price
// against the player's valuation, the comparison's transfer list against the transfer records,
// and the staff screen's offers, its hire question and a hired assistant's salary against the
// offer tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "bench/bench_welt.h"
#include "bench/saison_welt.h"
#include "common/builder_daten.h"
#include "database/db_hilfe.h"
#include "database/personal_anheuern.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "platform/resfile.h"
#include "screens/personal_schirm.h"
#include "screens/spieler_angebot.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_gesicht.h"
#include "screens/spielervergleich.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/icon.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"
#include "toolkit/text_pruefung.h"

namespace {

// An amount as every screen prints it: dots between the digit groups, " DM" behind.
const std::regex GELD(R"((?:^|[^\d.,])(-?\d{1,3}(?:\.\d{3})*) DM)");

// The amounts in a text, in marks, in their order.
std::vector<double> betraege(const std::string& s)
{
    std::vector<double> b;
    for (auto it = std::sregex_iterator(s.begin(), s.end(), GELD); it != std::sregex_iterator(); ++it) {
        std::string ziffern = (*it)[1];
        ziffern.erase(std::remove(ziffern.begin(), ziffern.end(), '.'), ziffern.end());
        b.push_back(std::stod(ziffern));
    }
    return b;
}

// The texts seen on page 0, joined into lines from left to right (by the middle of their ink),
// each line with its top.
std::vector<std::pair<int32_t, std::string>> zeilen(int32_t x1 = 0, int32_t y1 = 0, int32_t x2 = 640, int32_t y2 = 480)
{
    std::vector<std::tuple<int32_t, int32_t, std::string>> roh;
    for (const Text_Sichtbar& t : Text_Pruefung_Texte(Grafik_Seite_0))
        if (t.gezeigt * 2 > t.punkte && t.x1 >= x1 && t.x2 <= x2 && t.y1 >= y1 && t.y2 <= y2)
            roh.emplace_back((t.y1 + t.y2) / 2, t.x1, t.text);
    std::sort(roh.begin(), roh.end());
    std::map<int32_t, std::vector<std::pair<int32_t, std::string>>> linien;
    int32_t linie = -100;
    for (const auto& [y, x, text] : roh) {
        if (y - linie > 4) linie = y;
        linien[linie].emplace_back(x, text);
    }
    std::vector<std::pair<int32_t, std::string>> z;
    for (auto& [y, l] : linien) {
        std::sort(l.begin(), l.end());
        std::string s;
        for (const auto& [x, text] : l) s += (s.empty() ? "" : " ") + text;
        z.emplace_back(y, s);
    }
    return z;
}

std::string bild(const std::vector<std::pair<int32_t, std::string>>& z)
{
    std::string s;
    for (const auto& [y, t] : z) s += std::to_string(y) + ": " + t + "\n";
    return s;
}

// The first amount behind `label` in the first line that holds it with an amount behind it (a
// sentence such as "Auf ein Kauf- oder Leih-Angebot ..." holds the word too); none where it is missing.
std::vector<double> hinter(const std::vector<std::pair<int32_t, std::string>>& z, const std::string& label)
{
    for (const auto& [y, t] : z)
        if (const size_t p = t.find(label); p != std::string::npos)
            if (const std::vector<double> b = betraege(t.substr(p)); !b.empty()) return {b.front()};
    return {};
}

std::vector<std::string> fragen;
uint8_t ja(int32_t, int32_t, const char* text, const char*, const char*)
{
    fragen.push_back(text ? text : "");
    return 1;
}

struct Preise : ::testing::Test {
    static inline std::unique_ptr<Bench_Welt_Ordner> welt;
    static inline int32_t eigen = -1;
    static inline std::string config;

    // The world and the screen are set up once; each test reads them and leaves the world as it
    // found it (the staff test takes its hire back).
    static void SetUpTestSuite()
    {
        config = Pfad_Config_Files;
        welt = std::make_unique<Bench_Welt_Ordner>(
            "preise", std::initializer_list<const char*>{"welt --world small --seed 7", "wettbewerbe --world small --seed 7"});
        ASSERT_TRUE(Test_Resfiles_Oeffnen());
        Bildschirm_Modus = 101;
        ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
        Grafik_Init();
        ASSERT_EQ(Spieler_Gesicht_Init(ResFile_Handles[0].handle), 1);
        Test_Bank_Beobachten(30000000);
        ASSERT_TRUE(Saison_Neues_Spiel(11));
        // four months: the summer's transfers, the monthly re-valuations
        for (int32_t i = 0; i < 120; ++i) Saison_Tag();
        for (int32_t t = 0; t < Team_Anzahl && eigen < 0; ++t)
            if (Team_Hat_Manager(t)) eigen = t;
    }
    static void TearDownTestSuite()
    {
        Spieler_Gesicht_DeInit();
        Font_Alle_Freigeben();
        Grafik_Screen_DeInit();
        DeInit_System_Dateien();
        Test_Bank_Loslassen();
        Test_Welt_Aufraeumen();
        welt.reset();
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", config.c_str());
    }
    void SetUp() override
    {
        ASSERT_GE(eigen, 0);
        Netz_Rolle = 3;
        Aktuelles_Team = eigen;
        Handelndes_Team = uint32_t(eigen);
        fragen.clear();
        Menue_Requester_Set_Anzeige(ja);
        Menue_Register_Leeren();
        Menue_Init(1);
        Text_Pruefung_Starten();
    }
    void TearDown() override
    {
        Text_Pruefung_Beenden();
        Spieler_Detailseite_Schliessen();
        Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
        Menue_Requester_Set_Anzeige(nullptr);
        Aktuelles_Team = -1;
    }
    // The player window's contract page of the player at `team`, drawn whole onto page 0.
    static std::vector<std::pair<int32_t, std::string>> vertragsseite(int32_t team, int32_t spnr)
    {
        EXPECT_TRUE(Spieler_Detailseite_Oeffnen(team, spnr, 4, false));
        Spieler_Detail_Fenster_Zeigen();
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        return zeilen();
    }
    // His value in marks at the club that holds his contract, for what is left of it.
    static double wert(int32_t team, int32_t spnr)
    {
        int32_t w = 0;
        Spieler_Bewerte_Marktwert_Gehalt(team, spnr, -1, -1, Teamspieler_Wert(305, team, spnr, 0, 0), nullptr, &w, 0);
        return 1000.0 * w;
    }
};

// An own player's market value, another club's player's fee and the purchase price the offer form
// starts from, each the valuation of that very player; the values differ from player to player.
// The page keeps its texts in their boxes.
TEST_F(Preise, ThePlayerWindowShowsEachPlayersValueAndPrice)
{
    std::vector<int32_t> andere;
    int32_t kader[TEAM_MAX_SPIELER + 1];
    for (int32_t t = 0; t < Team_Anzahl && andere.size() < 2; ++t)
        if (t != eigen && Team_Ist_Normal(t, 0) && Teamspieler_Ins_Array(t, kader, TEAM_MAX_SPIELER, 0) > 15) andere.push_back(t);
    ASSERT_EQ(andere.size(), 2u);
    std::vector<double> gesehen;
    for (const int32_t team : {eigen, andere[0], andere[1]}) {
        const int32_t n = std::min(Teamspieler_Ins_Array(team, kader, TEAM_MAX_SPIELER, 0), 12);
        ASSERT_GT(n, 8) << team;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t p = kader[i];
            if (Teamspieler_Wert(317, team, p, 0, 0) & TS_PROBE) continue;
            const auto z = vertragsseite(team, p);
            // the page's texts in their boxes and apart, a club's surcharge note among them
            for (const Text_Befund& b : Text_Pruefung_Befunde(Grafik_Seite_0)) ADD_FAILURE() << Text_Befund_Zeile(b);
            const double soll = wert(team, p);
            gesehen.push_back(soll);
            if (team == eigen) {
                EXPECT_EQ(hinter(z, "Marktwert"), std::vector<double>{soll}) << "player " << p << "\n" << bild(z);
                continue;
            }
            EXPECT_EQ(hinter(z, "Akt. Abl"), std::vector<double>{soll}) << "player " << p << "\n" << bild(z);
            const int32_t preis = Spieler_Transfer_Preis(int32_t(soll / 1000), Spieler_Transfer_Aufschlag(team, p, nullptr));
            EXPECT_EQ(hinter(z, "Kauf"), std::vector<double>{1000.0 * std::clamp(preis, 0, 9999)})
                << "player " << p << "\n" << bild(z);
        }
    }
    std::sort(gesehen.begin(), gesehen.end());
    EXPECT_GT(std::unique(gesehen.begin(), gesehen.end()) - gesehen.begin(), 20) << "values should tell players apart";
    EXPECT_GT(gesehen.back(), 1e6) << "a value above a million";
}

// The comparison's list of the season's transfers: each row's fee is the record of its player's
// move from the club named in it, highest first, all within the list. The computer's clubs took
// their players from the market for nothing in these months: six sales between clubs of the
// manager's league join them, the dearest from his club (its name in bold).
TEST_F(Preise, TheTransferListShowsEachMovesRecordedFee)
{
    auto* records = static_cast<Teamspieler_Transfer*>(Teamspieler_Zeiger(TEAMSP_TRANSFERLISTE, 0));
    ASSERT_NE(records, nullptr);
    const std::vector<Teamspieler_Transfer> vorher(records, records + TEAMSP_TRANSFERLISTE_ANZAHL);
    const int32_t liga = Wettbewerb_Get_Team_Wettbewerb(eigen, 1);
    std::vector<int32_t> vereine;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (t != eigen && Wettbewerb_Get_Team_Wettbewerb(t, 1) == liga) vereine.push_back(t);
    vereine.insert(vereine.begin(), eigen);
    ASSERT_GE(vereine.size(), 4u);
    const int32_t abloesen[6] = {12500, 1250, 3400, 875, 460, 2015};
    for (int32_t k = 0; k < 6; ++k) {
        const int32_t von = vereine[size_t(k) % vereine.size()], nach = vereine[size_t(k + 1) % vereine.size()];
        int32_t kader[TEAM_MAX_SPIELER + 1];
        ASSERT_GT(Teamspieler_Ins_Array(von, kader, TEAM_MAX_SPIELER, 0), k);
        Teamspieler_Transfer_Speichern(von, nach, kader[k], abloesen[k], 1);
    }
    Spieler_Spielervergleich_Vorbelegen();
    Manager_Icon_Word_Data_Schreiben(eigen, 1713, 12);  // "Transfers"
    ASSERT_EQ(Spieler_Spielervergleich_Oeffnen(nullptr, 0), 1);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    Spielervergleich_Ergebnis e;
    ASSERT_TRUE(Spieler_Spielervergleich_Daten_Holen(&e));
    const Menue_Icon* liste = Menue_Screen_Icon_Aus_Nummer(1689);
    ASSERT_NE(liste, nullptr);
    // every row within the list, a long club name in the manager's bold before its fee too
    const auto z = zeilen(liste->x, liste->y, liste->x + liste->breite, liste->y + liste->hoehe);
    for (const Text_Befund& b : Text_Pruefung_Befunde(Grafik_Seite_0)) ADD_FAILURE() << Text_Befund_Zeile(b);
    int32_t mit_betrag = 0;
    std::vector<double> reihe;
    for (int32_t r = 0; r < std::min<int32_t>(e.zeilen, int32_t(z.size())); ++r) {
        const int32_t p = e.spieler[r], von = e.wert[0][r], nach = e.teams[r];
        const std::string& zeile = z[size_t(r)].second;
        EXPECT_NE(zeile.find(Spieler_String(SP_NAME, p, nullptr, 0)), std::string::npos) << zeile;
        EXPECT_NE(zeile.find(Team_String(TEAM_NAME_ROH, von, nullptr, 0)), std::string::npos) << zeile;
        // the fee of his record from that club to the one he joined
        std::vector<double> soll;
        for (int32_t i = 0; i < TEAMSP_TRANSFERLISTE_ANZAHL; ++i)
            if (records[i].spieler == p && records[i].verkaeufer == von && records[i].kaeufer == nach)
                soll.push_back(records[i].abloese * 1000.0);
        ASSERT_FALSE(soll.empty()) << zeile;
        const std::vector<double> b = betraege(zeile);
        if (soll.front() == 0) {
            EXPECT_NE(zeile.find("sefrei"), std::string::npos) << zeile;
            EXPECT_TRUE(betraege(zeile).empty()) << zeile;
            continue;
        }
        ASSERT_EQ(b.size(), 1u) << zeile;
        EXPECT_NE(std::find(soll.begin(), soll.end(), b[0]), soll.end()) << zeile;
        reihe.push_back(b[0]);
        ++mit_betrag;
    }
    EXPECT_EQ(mit_betrag, 6) << bild(z);
    EXPECT_TRUE(std::is_sorted(reihe.rbegin(), reihe.rend())) << bild(z);
    std::copy(vorher.begin(), vorher.end(), records);
}

// The staff screen's offers ("2 J. a 1.035.000 DM"): each applicant's price for his years at the
// club's league level; the hire question names that price and the hired one's salary follows it.
TEST_F(Preise, TheStaffOffersTheQuestionAndTheSalaryShowTheOfferedPrice)
{
    Personal_Schirme_Registrieren();
    ASSERT_EQ(Menue_Gruppen_Screens[0](nullptr, 0), 1);
    auto klick = [](int32_t n) {
        Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(n);
        return i && i->klick ? i->klick(i, 4) : -1;
    };
    const int32_t niveau = Wettbewerb_Get_Liga_Niveau(eigen);
    uint8_t* assis = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, eigen, nullptr, 0));
    ASSERT_NE(assis, nullptr);
    const std::vector<uint8_t> vorher(assis, assis + ASSI_BLOCK_BYTES);
    // offers of one to four years, as a savegame may hold them
    for (int32_t i = 0; i < ASSI_SLOTS; ++i) Personal_Angebot.assi_jahre[i] = Personal_Angebot.arzt_jahre[i] = uint16_t(1 + i % 4);
    for (const bool arzt : {false, true}) {
        ASSERT_EQ(klick(arzt ? PERSONAL_LISTE_AERZTE : PERSONAL_LISTE_ASSIS), 1);
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        const uint8_t* b = static_cast<const uint8_t*>(Team_Zeiger(arzt ? TEAM_AERZTE : TEAM_ASSISTENTEN, eigen, nullptr, 0));
        for (int32_t i = 0; i < ASSI_SLOTS; ++i) {
            if (b[i]) continue;
            const Menue_Icon* zeile = Menue_Screen_Icon_Aus_Nummer((arzt ? PERSONAL_DETAIL_ARZT : PERSONAL_DETAIL_ASSI) + i);
            ASSERT_NE(zeile, nullptr) << i;
            const auto z = zeilen(zeile->x, zeile->y, zeile->x + zeile->breite, zeile->y + zeile->hoehe);
            const int32_t jahre = 1 + i % 4;
            const int32_t grund = arzt ? Aerzte_Tabelle[i].grundpreis : Assistenten_Tabelle[i].grundpreis;
            const std::string angebot = std::to_string(jahre) + " J. a ";
            ASSERT_EQ(z.size(), 2u) << bild(z);
            EXPECT_EQ(z[1].second.rfind(angebot, 0), 0u) << bild(z);
            EXPECT_EQ(betraege(z[1].second), std::vector<double>{1000.0 * Personal_Angebot_Preis(grund, jahre, niveau)})
                << (arzt ? "doctor " : "assistant ") << i << "\n" << bild(z);
        }
    }
    // A hire of the first free assistant at the one-year price the screen shows for him.
    ASSERT_EQ(klick(PERSONAL_LISTE_ASSIS), 1);
    int32_t frei = 0;
    while (frei < ASSI_SLOTS && assis[frei]) ++frei;
    ASSERT_LT(frei, ASSI_SLOTS);
    Personal_Angebot.assi_jahre[frei] = 1;
    const double preis = 1000.0 * Personal_Angebot_Preis(Assistenten_Tabelle[frei].grundpreis, 1, niveau);
    ASSERT_EQ(klick(PERSONAL_ICON_ASSI + frei), 1);
    ASSERT_FALSE(fragen.empty());
    EXPECT_EQ(betraege(fragen[0]), std::vector<double>{preis}) << fragen[0];
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    const Menue_Icon* zeile = Menue_Screen_Icon_Aus_Nummer(PERSONAL_DETAIL_ASSI + frei);
    ASSERT_NE(zeile, nullptr);
    const auto z = zeilen(zeile->x, zeile->y, zeile->x + zeile->breite, zeile->y + zeile->hoehe);
    ASSERT_EQ(z.size(), 2u) << bild(z);
    EXPECT_EQ(betraege(z[1].second), std::vector<double>{preis}) << bild(z);
    std::copy(vorher.begin(), vorher.end(), assis);
    Menue_Gruppen_Screens[0] = nullptr;
}

}  // namespace
