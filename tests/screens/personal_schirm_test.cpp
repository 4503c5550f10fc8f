// The staff screen: reached from the manager group, its lists, selection and context menus, the
// work an area switch sets off, and the savegame block of the menu and the offers.
#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "database/assistent.h"
#include "database/personal_anheuern.h"
#include "economy/oekonomie_schirm.h"
#include "platform/bytes.h"
#include "screens/personal_schirm.h"
#include "screens_hilfe.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/icon.h"
#include "toolkit/popup.h"
#include "toolkit/screen.h"

using namespace screens_test;

namespace {

std::vector<int32_t> aufstellungen;

struct Personal : Welt {
    void SetUp() override
    {
        Welt::SetUp();
        uint8_t assis[ASSI_BLOCK_BYTES] = {}, aerzte[ARZT_BLOCK_BYTES] = {};
        Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, assis, 1);
        Team_Zeiger(TEAM_AERZTE, EIGEN, aerzte, 1);
        aufstellungen.clear();
        Assi_Mannschaftsaufstellung_Set_Beobachter(
            [](int32_t team, int32_t, int32_t, int32_t, int32_t, int32_t, bool) { aufstellungen.push_back(team); });
        Personal_Schirme_Registrieren();
    }
    void TearDown() override
    {
        Assi_Mannschaftsaufstellung_Set_Beobachter(nullptr);
        Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
        Menue_Gruppen_Screens[0] = nullptr;
        Welt::TearDown();
    }
    static bool da(int32_t n) { return Menue_Screen_Icon_Ist_Vorhanden(n) != 0; }
    static int32_t klick(int32_t n)
    {
        Menue_Icon* i = da(n) ? Menue_Screen_Icon_Aus_Nummer(n) : nullptr;
        return i && i->klick ? i->klick(i, 4) : -1;
    }
    static const uint8_t* assis() { return static_cast<const uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0)); }
    static bool bereich(int32_t slot, int32_t a) { return assis()[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * slot + a]; }
    static void anheuern(int32_t i) { ASSERT_TRUE(Personal_Assi_Anheuern(PERSONAL_ICON_ASSI + i)); }
};

TEST_F(Personal, TheGroupOpensTheStaffScreenAndItsListsSwitchAndStep)
{
    ASSERT_EQ(Menue_Gruppen_Screens[0], Personal_Menue);
    ASSERT_EQ(Menue_Gruppen_Screens[0](nullptr, 0), 1);
    // The screen keeps its list and selection from an earlier visit: start from the assistants' first.
    klick(PERSONAL_LISTE_ASSIS);
    klick(1115);
    klick(PERSONAL_LISTE_AERZTE);
    klick(1123);
    klick(PERSONAL_LISTE_ASSIS);
    for (int32_t n : {1061, 1062, 1063, 1064, 1136, 1060, 1132, 1133}) EXPECT_TRUE(da(n)) << n;
    for (int32_t k = 0; k < 8; ++k) EXPECT_TRUE(da(1065 + k) && da(1115 + k)) << k;
    for (int32_t k = 0; k < 6; ++k) EXPECT_TRUE(da(1097 + k)) << k;
    EXPECT_FALSE(da(1081));
    // Opening priced every offer at one year.
    EXPECT_EQ(Personal_Angebot.assi_jahre[3], 1);
    EXPECT_EQ(Personal_Angebot.arzt_jahre[7], 1);
    EXPECT_EQ(klick(1062), 0) << "a button without a screen behind it does nothing";

    EXPECT_EQ(klick(1132), 1);
    EXPECT_EQ(Personal_Schirm_Auswahl(false), 7) << "back from the first is the last";
    EXPECT_EQ(klick(1133), 1);
    EXPECT_EQ(Personal_Schirm_Auswahl(false), 0);
    klick(1115 + 4);
    EXPECT_EQ(Personal_Schirm_Auswahl(false), 4);

    EXPECT_EQ(klick(PERSONAL_LISTE_AERZTE), 1);
    EXPECT_TRUE(Personal_Schirm_Aerzte_Aktiv());
    for (int32_t k = 0; k < 8; ++k) EXPECT_TRUE(da(1081 + k) && da(1123 + k)) << k;
    for (int32_t k = 0; k < 11; ++k) EXPECT_TRUE(da(1104 + k)) << k;
    EXPECT_FALSE(da(1065));
    EXPECT_FALSE(da(1097));
    EXPECT_EQ(Personal_Schirm_Auswahl(false), 4) << "each list keeps its own selection";

    // An applicant's icon hires after the yes.
    EXPECT_EQ(klick(1081 + 2), 1);
    EXPECT_EQ(static_cast<const uint8_t*>(Team_Zeiger(TEAM_AERZTE, EIGEN, nullptr, 0))[2], 1);
    EXPECT_EQ(Personal_Schirm_Auswahl(true), 2);

    // Without a manager's club nothing opens.
    Aktuelles_Team = ANDERE;
    EXPECT_EQ(Personal_Menue(nullptr, 0), 0);
}

TEST_F(Personal, ContextMenuNamesHoldersChecksOwnAreasAndSwitches)
{
    EXPECT_EQ(Personal_Assi_Kontextmenue(1), nullptr) << "not hired";
    anheuern(1);
    anheuern(5);  // above the first: takes over his (empty) areas
    Personal_Schirm_Aufgabe_Umschalten(2, 1);
    Personal_Schirm_Aufgabe_Umschalten(4, 5);
    Menue_Kontextmenue* m = Personal_Assi_Kontextmenue(1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(std::string(m->titel), std::string("Aufgaben von ") + Assistenten_Tabelle[1].name + ":");
    EXPECT_EQ(std::string(m->texte[0]), "Aufstellung+ Spielerauswahl");
    EXPECT_TRUE(m->status[2] & POPUP_GEWAEHLT);
    EXPECT_FALSE(m->status[4] & POPUP_GEWAEHLT);
    EXPECT_EQ(std::string(m->texte[4]), std::string("Werbung (aktuell: ") + Assistenten_Tabelle[5].name + ")");
    EXPECT_EQ(std::string(m->texte[6]), "Aufstellung vorschlagen");
    EXPECT_EQ(m->texte[7], nullptr);
    // Choosing the held area of the other takes it from him.
    ASSERT_NE(m->prozeduren[4], nullptr);
    m->prozeduren[4](4, m->wert_c[4], m->wert_a[4], m->wert_b[4]);
    EXPECT_TRUE(bereich(1, 4));
    EXPECT_FALSE(bereich(5, 4));

    Menue_Kontextmenue* d = Personal_Arzt_Kontextmenue(0);
    EXPECT_EQ(d, nullptr);
    ASSERT_TRUE(Personal_Arzt_Anheuern(PERSONAL_ICON_ARZT + 0));
    d = Personal_Arzt_Kontextmenue(0);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(std::string(d->texte[6]), "Schwere Brüche");
    EXPECT_EQ(std::string(d->texte[10]), "Schwere Bänderschäden");
    EXPECT_EQ(d->texte[11], nullptr) << "no line-up entry for a doctor";
    d->prozeduren[6](6, d->wert_c[6], 0, 0);
    EXPECT_EQ(Assistent_Arzt_Mit_Fachgebiet(EIGEN, 6), 0);
}

TEST_F(Personal, SwitchingAreasSetsOffTheirWork)
{
    anheuern(3);
    // A suggestion alone: the line-up runs, the flag stays as it was.
    Personal_Schirm_Aufgabe_Umschalten(6, 3);
    EXPECT_EQ(aufstellungen, std::vector<int32_t>{EIGEN});
    EXPECT_FALSE(bereich(3, 0));
    EXPECT_EQ(Assistent_Mit_Aufgabe(EIGEN, 0), -1);
    // Taking the line-up on proposes one at once; giving it back does not.
    Personal_Schirm_Aufgabe_Umschalten(0, 3);
    EXPECT_TRUE(bereich(3, 0));
    EXPECT_EQ(aufstellungen.size(), 2u);
    Personal_Schirm_Aufgabe_Umschalten(0, 3);
    EXPECT_FALSE(bereich(3, 0));
    EXPECT_EQ(aufstellungen.size(), 2u);
    // Transfers: the search entries cleared, the club's line-up requested.
    Team_Wert(169, EIGEN, 1, TEAM_LOESCHEN);
    Personal_Schirm_Aufgabe_Umschalten(ASSI_AUFGABE_TRANSFER, 3);
    EXPECT_EQ(T_Own[EIGEN].suche.zelle_b[2], 458);
    EXPECT_TRUE(Team_Wert(169, EIGEN, 0, TEAM_LESEN) & 1);
    // Nothing for a slot not hired or an area out of range.
    meldungen.clear();
    Personal_Schirm_Aufgabe_Umschalten(1, 4);
    Personal_Schirm_Aufgabe_Umschalten(7, 3);
    Personal_Schirm_Aufgabe_Umschalten(-1, 3);
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(aufstellungen.size(), 2u);
}

TEST_F(Personal, BlockRoundTripsAndADamagedOneLeavesTheGame)
{
    static_assert(PERSONAL_SCHIRME_BYTES == 616);
    for (int32_t i = 0; i < 8; ++i) {
        Personal_Angebot.assi_jahre[i] = uint16_t(1 + i % 4);
        Personal_Angebot.assi_preis[i] = uint16_t(500 + i);
        Personal_Angebot.arzt_preis[i] = uint16_t(900 + i);
        Personal_Angebot.arzt_jahre[i] = uint16_t(4 - i % 4);
    }
    std::vector<uint8_t> b(PERSONAL_SCHIRME_BYTES);
    Personal_Block_Packen(b.data());
    EXPECT_EQ(int16_t(Bytes_Hole16(b.data())), 1061);
    EXPECT_EQ(int16_t(Bytes_Hole16(b.data() + 4 * 92)), 1136);
    EXPECT_EQ(int16_t(Bytes_Hole16(b.data() + 5 * 92)), -1);
    EXPECT_EQ(Bytes_Hole16(b.data() + 552 + 2), 2u) << "assistants' years first";
    EXPECT_EQ(Bytes_Hole16(b.data() + 552 + 16), 500u);
    EXPECT_EQ(Bytes_Hole16(b.data() + 552 + 32 + 14), 907u);
    EXPECT_EQ(Bytes_Hole16(b.data() + 552 + 48), 4u);
    const Personal_Angebote vorher = Personal_Angebot;
    Personal_Angebot = {};
    ASSERT_TRUE(Personal_Block_Entpacken(b.data(), uint32_t(b.size())));
    EXPECT_EQ(std::memcmp(&vorher, &Personal_Angebot, sizeof vorher), 0);

    Fehler_Capture f;
    EXPECT_FALSE(Personal_Block_Entpacken(b.data(), 615)) << "truncated";
    EXPECT_FALSE(Personal_Block_Entpacken(nullptr, 616));
    std::vector<uint8_t> w = b;
    Bytes_Setze16(w.data() + 2 * 92, 999);
    EXPECT_FALSE(Personal_Block_Entpacken(w.data(), 616)) << "another icon";
    w = b;
    Bytes_Setze16(w.data() + 552 + 48 + 6, 9);
    EXPECT_FALSE(Personal_Block_Entpacken(w.data(), 616)) << "a nine-year contract";
    w = b;
    Bytes_Setze16(w.data() + 552, 0);
    Bytes_Setze16(w.data() + 552 + 16, 1);
    EXPECT_FALSE(Personal_Block_Entpacken(w.data(), 616)) << "no contract at all";
    EXPECT_EQ(std::memcmp(&vorher, &Personal_Angebot, sizeof vorher), 0) << "the running offers stay";
    EXPECT_FALSE(f.texts.empty());
}

}  // namespace

namespace {

// The group's buttons without a screen behind them are inactive: grey, no glow, no click; the
// staff button opens its screen. All five stay in the column's rows above the group buttons.
TEST_F(Personal, ButtonsWithoutAScreenAreInactive)
{
    ASSERT_EQ(Menue_Gruppen_Screens[0](nullptr, 0), 1);
    for (int32_t k = 0; k < PERSONAL_MENUE_EINTRAEGE; ++k) {
        const Menue_Icon& b = Personal_Menue_Knoepfe[k];
        ASSERT_TRUE(da(b.nummer)) << b.nummer;
        const bool aktiv = b.nummer == PERSONAL_SCHALTER_PERSONAL;
        EXPECT_EQ((b.status & ICON_GESPERRT) == 0, aktiv) << b.nummer;
        EXPECT_EQ((b.status & ICON_GLUEHT) != 0, aktiv) << b.nummer;
        EXPECT_LE(b.y + b.hoehe, MENUE_GRUPPE_Y) << b.nummer;
        if (!aktiv) {
            EXPECT_EQ(klick(b.nummer), 0) << b.nummer;
        }
    }
}

}  // namespace

namespace {

std::vector<std::string> zeilen_texte;

// The texts the drawing of an icon prints.
std::vector<std::string> texte_von(int32_t nummer)
{
    zeilen_texte.clear();
    Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(nummer);
    if (!i || !i->refresh_prozedur) return {};
    Oek_Text_Hook = [](int32_t, int32_t, const char* t) { zeilen_texte.push_back(t); };
    i->refresh_prozedur(i, 0);
    Oek_Text_Hook = nullptr;
    return zeilen_texte;
}

bool enthaelt(const std::vector<std::string>& texte, const std::string& teil)
{
    for (const std::string& t : texte)
        if (t.find(teil) != std::string::npos) return true;
    return false;
}

// Salaries and offers are kept in thousands: a million and more reads with its dots, as every
// other amount does, never as "1035.000 DM".
TEST_F(Personal, SalariesAndOffersAboveAMillionReadAsAmounts)
{
    uint8_t assis[ASSI_BLOCK_BYTES] = {};
    assis[0] = 1;
    assis[ASSI_OFFSET_MONATE] = 12;
    const uint32_t gehalt = 1035;
    std::memcpy(assis + ASSI_OFFSET_KOSTEN, &gehalt, 4);
    Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, assis, 1);
    ASSERT_EQ(Menue_Gruppen_Screens[0](nullptr, 0), 1);
    klick(PERSONAL_LISTE_ASSIS);
    const std::vector<std::string> eingestellt = texte_von(PERSONAL_DETAIL_ASSI);
    EXPECT_TRUE(enthaelt(eingestellt, "1.035.000 DM / Jahr")) << ::testing::PrintToString(eingestellt);
    for (int32_t i = 1; i < 8; ++i) {
        const std::vector<std::string> t = texte_von(PERSONAL_DETAIL_ASSI + i);
        ASSERT_TRUE(enthaelt(t, " J. a ")) << i;
        for (const std::string& s : t) {
            const size_t p = s.find(".000 DM");
            if (p == std::string::npos) continue;
            size_t ziffern = 0;
            while (ziffern < p && s[p - 1 - ziffern] >= '0' && s[p - 1 - ziffern] <= '9') ++ziffern;
            EXPECT_LE(ziffern, 3u) << s;
        }
    }
}

}  // namespace
