#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"

namespace {

struct SpielerTest : ::testing::Test {
    void SetUp() override { Test_Spieler_Anlegen(4); }
    void TearDown() override { Test_Aufraeumen(); }
};

bool ist_torwart_attribut(int32_t id) { return id == SP_TORWART_STAERKE || (id >= SP_REFLEXE && id <= SP_STRAFRAUM); }

// The limits of the writable fields, as the player record's field table gives them.
struct Grenze {
    int32_t id, min, max;
};
constexpr Grenze GRENZEN[] = {
    {SP_FORMTENDENZ, 0, 99}, {SP_ANGEBOTSWERT, 0, 127}, {SP_NATION, 0, 32000}, {SP_GROESSE, 150, 214},
    {SP_ALTER, 15, 45}, {SP_LIEBLINGSPOS, 0, 459},
    {58, 1, 999}, {59, 1, 999}, {60, 1, 999}, {61, 1, 999}, {62, 1, 999}, {63, 1, 999}, {64, 1, 999},
    {65, 1, 999}, {66, 1, 999},
    {67, 0, 99}, {68, 0, 99}, {69, 0, 99}, {70, 0, 99}, {71, 0, 99}, {72, 0, 99}, {73, 0, 99},
    {74, 0, 99}, {75, 0, 99}, {76, 0, 99},
    {SP_ALLROUNDER, 0, 99}, {SP_ERFAHRUNG, 0, 299}, {SP_REFLEXE, 0, 99}, {SP_HERAUSLAUFEN, 0, 99},
    {SP_STRAFRAUM, 0, 99}, {SP_FORM, 0, 99}, {SP_SPIEL_ERSCHOEPFUNG, 0, 99}, {SP_VERLETZUNG_ZUSATZ, 0, 255},
    {SP_VERLETZUNG_ART, 0, 41}, {SP_VERLETZUNG_TAGE, 0, 255}, {SP_TRAININGS_ERSCHOEPFUNG, 0, 99},
    {SP_HAARFARBE, 0, 7}, {SP_HAUTFARBE, 0, 7}, {SP_TORWART_STAERKE, 1, 999}, {SP_RUECKENNUMMER, 0, 99},
    {SP_BILDNUMMER, 0, 32000},
    // The table gives 384, more than the signed byte that holds the home league system: the
    // record keeps it at 127 so that no value wraps into a negative system.
    {SP_HEIMATSYSTEM, 0, 127},
    {SP_ANGEBOTSZAEHLER, -1, 127}, {SP_ZAEHLER_1, 0, 64000}, {SP_ZAEHLER_2, 0, 64000}, {SP_ZAEHLER_3, 0, 255},
};

std::string grenzen_text(const Grenze& g, int32_t wert)
{
    return "Spieler_Wert: Wert nicht innerhalb der Grenzen [" + std::to_string(g.min) + "," +
           std::to_string(g.max) + "], wert=" + std::to_string(wert) + ",modus=1\n";
}

TEST_F(SpielerTest, EveryWritableFieldClampsAtBothEndsAndReports)
{
    Spieler_Fix_Daten[1].lieblingspos = SP_POS_TORWART;
    for (const Grenze& g : GRENZEN) {
        SCOPED_TRACE(g.id);
        int32_t spnr = ist_torwart_attribut(g.id) ? 1 : 0;
        if (g.id <= 96) {
            int32_t min = -99, max = -99;
            Spieler_Wert_Min_Max(g.id, &min, &max);
            EXPECT_EQ(min, g.min);
            EXPECT_EQ(max, g.max);
        }
        {
            Fehler_Capture cap;
            Spieler_Wert(g.id, spnr, g.max + 1, SP_SCHREIBEN);
            EXPECT_TRUE(cap.contains(grenzen_text(g, g.max + 1))) << ::testing::PrintToString(cap.texts);
            EXPECT_EQ(Spieler_Wert(g.id, spnr, 0, SP_LESEN), g.max);
        }
        {
            Fehler_Capture cap;
            Spieler_Wert(g.id, spnr, g.min - 1, SP_SCHREIBEN);
            EXPECT_TRUE(cap.contains(grenzen_text(g, g.min - 1))) << ::testing::PrintToString(cap.texts);
            EXPECT_EQ(Spieler_Wert(g.id, spnr, 0, SP_LESEN), g.min);
        }
        {
            Fehler_Capture cap;
            Spieler_Wert(g.id, spnr, (g.min + g.max) / 2, SP_SCHREIBEN);
            EXPECT_TRUE(cap.texts.empty());
            EXPECT_EQ(Spieler_Wert(g.id, spnr, 0, SP_LESEN), (g.min + g.max) / 2);
        }
    }
    // The face code is never clamped.
    Spieler_Wert(SP_GESICHT, 0, -5, SP_SCHREIBEN);
    EXPECT_EQ(Spieler_Wert(SP_GESICHT, 0, 0, SP_LESEN), -5);
}

TEST_F(SpielerTest, ComputedFieldsAndGoalkeeperRules)
{
    EXPECT_EQ(Spieler_Wert(SP_ALTER, 0, 250, SP_SCHREIBEN), 45);
    EXPECT_EQ(Spieler_Wert(SP_ALTER, 0, 10, SP_SCHREIBEN), 15);

    const int16_t pos[] = {152, 153, 458, 459};
    const int32_t art[] = {1, 2, 3, 0};
    for (int i = 0; i < 4; ++i) {
        Spieler_Fix_Daten[0].lieblingspos = pos[i];
        EXPECT_EQ(Spieler_Wert(SP_ART, 0, 0, SP_LESEN), art[i]);
    }

    Spieler_Fix_Daten[0].lieblingspos = 100;
    Spieler_Daten[0].form = 50;
    EXPECT_EQ(Spieler_Wert(SP_K_I_T, 0, 0, 0), 500);
    EXPECT_EQ(Spieler_Wert(SP_K_I_T_FORM, 0, 0, 0), 450);
    Spieler_Daten[0].attribute[6] = 800;
    EXPECT_EQ(Spieler_Wert(SP_TE, 0, 0, 0), 600);
    {
        Fehler_Capture cap;
        EXPECT_EQ(Spieler_Wert(SP_TORWART_STAERKE, 0, 0, 0), -1);
        EXPECT_EQ(Spieler_Wert(SP_REFLEXE, 0, 50, SP_SCHREIBEN), -1);
        EXPECT_TRUE(cap.contains("TW-Attribut bei Feldspieler"));
        EXPECT_EQ(Spieler_Wert(SP_K_I_T, 0, 7, SP_SCHREIBEN), (8 * 500 + 800) / 9);
        EXPECT_TRUE(cap.contains("Spieler_Wert: SP_K_I_T nicht beschreibbar!"));
    }

    Spieler_Fix_Daten[1].lieblingspos = SP_POS_TORWART;
    EXPECT_EQ(Spieler_Wert(SP_TORWART_STAERKE, 1, 730, SP_SCHREIBEN), 1);
    EXPECT_EQ(Spieler_Wert(SP_K_I_T, 1, 0, 0), 730);
    EXPECT_EQ(Spieler_Wert(SP_K_I_T_FORM, 1, 0, 0), 730);
    EXPECT_EQ(Spieler_Wert(SP_KRAFT, 1, 0, 0), 730);

    // Percentages of the field's range; attributes come raw.
    Spieler_Wert(SP_GROESSE, 0, 182, SP_SCHREIBEN);
    EXPECT_EQ(Spieler_Wert(SP_GROESSE, 0, 0, SP_PROZENT), 50);
    EXPECT_EQ(Spieler_Wert(SP_KRAFT, 0, 0, SP_PROZENT), 500);
}

TEST_F(SpielerTest, StatusBitsCountersAndBadNumbers)
{
    Spieler_Daten[0].status = 0x25;
    Spieler_Wert(SP_STATUS, 0, SP_STATUS_WECHSEL, SP_LOESCHEN);
    EXPECT_EQ(Spieler_Wert(SP_STATUS, 0, 0, 0), 0x21);
    Spieler_Wert(SP_STATUS, 0, 8, SP_SETZEN);
    Spieler_Wert(SP_STATUS, 0, 1, SP_TOGGLE);
    EXPECT_EQ(Spieler_Wert(SP_STATUS, 0, 0, 0), 0x28);
    {
        Fehler_Capture cap;
        Spieler_Wert(SP_STATUS, 0, 0, SP_SCHREIBEN);
        EXPECT_TRUE(cap.contains("Spieler_Wert: WRITE bei Status!"));
        EXPECT_EQ(Spieler_Wert(SP_STATUS, 0, 0, 0), 0x28);
    }

    EXPECT_EQ(Spieler_Wert(SP_ZAEHLER_1, 0, 0, SP_ERHOEHEN), 0);
    EXPECT_EQ(Spieler_Wert(SP_ZAEHLER_1, 0, 0, 0), 1);
    Spieler_Daten[0].zaehler_3 = 255;
    Spieler_Wert(SP_ZAEHLER_3, 0, 0, SP_ERHOEHEN);
    EXPECT_EQ(Spieler_Wert(SP_ZAEHLER_3, 0, 0, 0), 255);

    Fehler_Capture cap;
    EXPECT_EQ(Spieler_Wert(SP_ALTER, 4, 20, SP_SCHREIBEN), 0);
    EXPECT_EQ(Spieler_Wert(SP_ALTER, -1, 0, 0), 0);
    EXPECT_TRUE(cap.contains("Fehler: Aufruf von Spieler_Wert mit spnr = 4 !"));
    EXPECT_STREQ(Spieler_String(SP_NAME, 9, nullptr, 0), "Spieler_String_Error");
    EXPECT_EQ(Spieler_Zeiger(SP_TALENT, 9, nullptr, 0), nullptr);
    Spieler_Wert(SP_VOLLNAME, 0, 0, 0);
    EXPECT_TRUE(cap.contains("SPIELER_Wert: Falscher Parameter!"));

    int32_t min = 7, max = 8;
    Spieler_Wert_Min_Max(SP_STATUS, &min, &max);
    EXPECT_EQ(min, 7);
    EXPECT_EQ(max, 8);
    EXPECT_TRUE(cap.contains("Spieler_Wert_Min_Max: falscher modus oder min/max==NULL"));
}

TEST_F(SpielerTest, ClientReadsFetchesAndRefusesWrites)
{
    Netz_Rolle = 1;
    Spieler_Egal_Daten[0].rueckennummer = 9;
    Fehler_Capture cap;
    EXPECT_EQ(Spieler_Wert(SP_RUECKENNUMMER, 0, 0, 0), 0);
    EXPECT_TRUE(cap.contains("Spieler_Wert: CLIENT-EGAL-ZUGRIFF!"));
    EXPECT_EQ(Spieler_Wert(SP_ALTER, 0, 30, SP_SCHREIBEN), 0);
    EXPECT_TRUE(cap.contains("Spieler_Wert: CLIENT-WRITE!"));
    EXPECT_EQ(Spieler_Daten[0].alter, 0);
    EXPECT_EQ(Spieler_Wert(SP_K_I_T, 0, 0, 0), 500);
    EXPECT_STREQ(Spieler_String(SP_NAME, 0, "X", 1), "Spieler_String_Error");
    EXPECT_STREQ(Spieler_Fix_Daten[0].name, "Spieler0");
    int32_t v[SP_ATTRIBUTVEKTOR] = {};
    Spieler_Attribute(0, v, SP_SCHREIBEN);
    EXPECT_TRUE(cap.contains("Spieler_Attribute: CLIENT-WRITE !"));
}

TEST_F(SpielerTest, NamesAndAttributeVector)
{
    Spieler_String(SP_NAME, 0, "Abcdefghijklmnopqrstuvwxyz", 1);
    EXPECT_STREQ(Spieler_String(SP_NAME, 0, nullptr, 0), "Abcdefghijklmnopqrs");
    Spieler_String(SP_VORNAME, 0, "Heinz", 1);
    EXPECT_STREQ(Spieler_String(SP_VORNAME, 0, nullptr, 0), "H");
    EXPECT_STREQ(Spieler_String(SP_VORNAME_2_STELLIG, 0, nullptr, 0), "H.");
    EXPECT_STREQ(Spieler_String(SP_VOLLNAME, 0, nullptr, 0), "H Abcdefghijklmnopqrs");
    Spieler_Fix_Daten[0].nation = 12;
    EXPECT_STREQ(Spieler_String(SP_NAME_LAND, 0, nullptr, 0), "^gll0012 Abcdefghijklmnopqrs");
    {
        Fehler_Capture cap;
        EXPECT_EQ(Spieler_String(SP_NAME_LAND, 0, "x", 1), nullptr);
        EXPECT_TRUE(cap.contains("Spieler_String(SP_NAME_LAND..): Write verboten!"));
    }

    int32_t v[SP_ATTRIBUTVEKTOR];
    for (int i = 0; i < SP_ATTRIBUTVEKTOR; ++i) v[i] = 10 + i;
    v[20] = 400;
    Spieler_Attribute(1, v, SP_SCHREIBEN);
    int32_t w[SP_ATTRIBUTVEKTOR];
    Spieler_Attribute(1, w, SP_ATTRIBUTE_LESEN);
    EXPECT_EQ(w[0], 10);
    EXPECT_EQ(w[19], 29);
    EXPECT_EQ(w[20], 299);  // experience is capped on reading
    EXPECT_EQ(w[25], 35);
    EXPECT_EQ(Spieler_Wert(SP_ALLROUNDER, 1, 0, 0), 29);

    // Groups: field player sums of three, form weighting with mask 8.
    Spieler_Fix_Daten[2].lieblingspos = 10;
    Spieler_Daten[2].form = 50;
    EXPECT_EQ(Spieler_Teilstaerke(2, -1, nullptr, 1), 1500);
    EXPECT_EQ(Spieler_Teilstaerke(2, -1, nullptr, 1 | 8), 1500 * 90 / 100);
    EXPECT_EQ(Spieler_Teilstaerke(2, -1, nullptr, 8), 150);
    EXPECT_EQ(Spieler_Attribut_Vorhanden(2, 21, -1), 0);
    EXPECT_EQ(Spieler_Attribut_Vorhanden(2, 21, 0), 100);
    EXPECT_EQ(Spieler_Attribut_Vorhanden(2, 28, 0), 1);
    Fehler_Capture cap;
    EXPECT_EQ(Spieler_Attribut_Vorhanden(2, 29, 1), 0);
    EXPECT_TRUE(cap.contains("Spieler_Attribut_Vorhanden: Index zu groß!"));
}

TEST_F(SpielerTest, ByteImagesKeepSizesAndOffsets)
{
    Spieler_Struktur s{};
    s.alter = 27;
    s.attribute[8] = 777;
    s.unsichtbar[14] = 66;
    s.erfahrung = 0x1234;
    s.zaehler_2 = 64000;
    s.verletzung_tage = 200;
    uint8_t b[SPIELER_STRUKTUR_BYTES];
    Spieler_Struktur_Packen(s, b);
    EXPECT_EQ(SPIELER_STRUKTUR_BYTES, 50u);
    EXPECT_EQ(b[0], 27);
    EXPECT_EQ(b[18] | (b[19] << 8), 777);
    EXPECT_EQ(b[34], 66);
    EXPECT_EQ(b[38], 0x34);
    EXPECT_EQ(b[39], 0x12);
    EXPECT_EQ(b[49], 200);
    Spieler_Struktur s2{};
    Spieler_Struktur_Entpacken(b, s2);
    uint8_t b2[SPIELER_STRUKTUR_BYTES];
    Spieler_Struktur_Packen(s2, b2);
    EXPECT_EQ(std::memcmp(b, b2, sizeof b), 0);

    Spieler_Fix f{};
    std::strcpy(f.name, "Lindhardt");
    f.vorname[0] = 'J';
    f.nation = 401;
    f.gesicht = 0x80000123u;
    f.lieblingspos = -1;
    uint8_t fb[SPIELER_FIX_BYTES];
    Spieler_Fix_Packen(f, fb);
    EXPECT_EQ(SPIELER_FIX_BYTES, 36u);
    EXPECT_EQ(fb[20], 'J');
    EXPECT_EQ(fb[24] | (fb[25] << 8), 401);
    EXPECT_EQ(fb[31], 0x80);
    EXPECT_EQ(fb[34], 0xFF);
    Spieler_Fix f2{};
    Spieler_Fix_Entpacken(fb, f2);
    EXPECT_STREQ(f2.name, "Lindhardt");
    EXPECT_EQ(f2.lieblingspos, -1);

    Spieler_Client_Egal e{};
    e.angebotszaehler = -1;
    e.angebotswert = 99;
    e.talent[13] = 950;
    uint8_t eb[SPIELER_EGAL_BYTES];
    Spieler_Egal_Packen(e, eb);
    EXPECT_EQ(SPIELER_EGAL_BYTES, 34u);
    EXPECT_EQ(eb[2], 0xFF);
    EXPECT_EQ(eb[4], 99);
    EXPECT_EQ(eb[32] | (eb[33] << 8), 950);
    Spieler_Client_Egal e2{};
    Spieler_Egal_Entpacken(eb, e2);
    EXPECT_EQ(e2.angebotszaehler, -1);
    EXPECT_EQ(e2.talent[13], 950);
}

TEST_F(SpielerTest, WatchListOfATeam)
{
    Test_Teams_Anlegen(4);
    for (int32_t i = 0; i < 31; ++i) Spieler_Beobachtet_Hinzufuegen(0, i);  // the 31st finds no slot
    EXPECT_TRUE(Spieler_Ist_Beobachtet(0, 29));
    EXPECT_FALSE(Spieler_Ist_Beobachtet(0, 30));
    Spieler_Beobachtet_Entfernen(0, 3);
    EXPECT_FALSE(Spieler_Ist_Beobachtet(0, 3));
    Spieler_Beobachtet_Hinzufuegen(0, 77);
    EXPECT_EQ(T_Own[0].beobachtet[3], 77);
    EXPECT_FALSE(Spieler_Ist_Beobachtet(9, 3));

    // Taking him off clears his first entry only, the list's last place too; a number that no
    // entry can hold changes nothing.
    T_Own[0].beobachtet[29] = 5;
    Spieler_Beobachtet_Entfernen(0, 5);
    EXPECT_EQ(T_Own[0].beobachtet[5], -1);
    EXPECT_EQ(T_Own[0].beobachtet[29], 5);
    Spieler_Beobachtet_Entfernen(0, 5);
    EXPECT_EQ(T_Own[0].beobachtet[29], -1);
    T_Own[0].beobachtet[0] = -1;
    Spieler_Beobachtet_Entfernen(0, 65535);
    EXPECT_EQ(T_Own[0].beobachtet[0], -1);
    EXPECT_EQ(T_Own[0].beobachtet[1], 1);
}

// A watched name form drawn again shows the watch list as it is now: the text up to its first
// picture code stays, the code is renewed; a text without the code is reported.
TEST_F(SpielerTest, AWatchedNameFollowsTheWatchList)
{
    Test_Teams_Anlegen(4);
    // the two marks as plain bitmaps, without the screen's resource file
    for (int32_t n : {52, 55}) {
        Slave_Rastport d{-1, 4, 4, 0, 0, {0, 0}};
        Menue_Change_Slave_Rastport(n, &d);
    }
    Aktuelles_Team = 0;
    Spieler_String(SP_NAME, 1, "Abel", 1);
    const std::string vorher = Spieler_String(SP_NAME_BEOBACHTET, 1, nullptr, 0);
    Spieler_Beobachtet_Hinzufuegen(0, 1);
    const std::string jetzt = Spieler_String(SP_NAME_BEOBACHTET, 1, nullptr, 0);
    EXPECT_NE(vorher, jetzt);
    ASSERT_NE(Spieler_Text_Beobachtet_Erneuern(vorher.c_str(), 1), nullptr);
    EXPECT_EQ(std::string(Spieler_Text_Beobachtet_Erneuern(vorher.c_str(), 1)), jetzt);
    EXPECT_EQ(std::string(Spieler_Text_Beobachtet_Erneuern("^bbX^gnk0x00000001^gnk0x2", 1)).substr(0, 8), "^bbX^gnk");
    EXPECT_EQ(std::string(Spieler_Text_Beobachtet_Erneuern("^bbX^gnk0x00000001^gnk0x2", 1)).size(), 18u);
    EXPECT_EQ(Spieler_Text_Beobachtet_Erneuern("Abel", 1), nullptr);
    EXPECT_EQ(Spieler_Text_Beobachtet_Erneuern(vorher.c_str(), 99), nullptr);

    Menue_Icon_Text text{0, 0, 1, 2, "Abel", 1};
    Menue_Icon icon{};
    icon.daten = &text;
    icon.kennung_1 = SP_NAME_BEOBACHTET;
    Fehler_Capture cap;
    Spieler_Universaler_Spieler_Text_Refresh(&icon, 0);
    EXPECT_TRUE(cap.contains("Spieler_Universaler_Spieler_Text_Refresh: gnk not found!"));
    EXPECT_EQ(icon.daten, &text);
    Aktuelles_Team = -1;
    Menue_Slaves_Init();
}

}  // namespace

namespace {

// The plain reads answered ahead of the general path give what a write through it left, for
// every attribute a field player and a keeper hold, and a bad number still reports.
TEST_F(SpielerTest, PlainReadsGiveWhatTheGeneralPathWrote)
{
    Spieler_Fix_Daten[1].lieblingspos = SP_POS_TORWART;
    for (int32_t spnr : {0, 1})
        for (int32_t id = SP_KRAFT; id <= SP_VEREINSTREUE; ++id) {
            const int32_t wert = id <= SP_TORSCHUSS ? 100 + 7 * (id - SP_KRAFT) + spnr : 10 + id - SP_FLANKEN + spnr;
            Spieler_Wert(id, spnr, wert, SP_SCHREIBEN);
            EXPECT_EQ(Spieler_Wert(id, spnr, 0, SP_LESEN), wert) << "Spieler " << spnr << ", Feld " << id;
        }
    const struct {
        int32_t id, wert;
    } felder[] = {{SP_ALTER, 31}, {SP_LIEBLINGSPOS, 212}, {SP_SPIEL_ERSCHOEPFUNG, 44}};
    for (const auto& f : felder) {
        Spieler_Wert(f.id, 0, f.wert, SP_SCHREIBEN);
        EXPECT_EQ(Spieler_Wert(f.id, 0, 0, SP_LESEN), f.wert) << "Feld " << f.id;
    }
    Spieler_Wert(SP_STATUS, 0, 5, SP_SETZEN);
    EXPECT_EQ(Spieler_Wert(SP_STATUS, 0, 0, SP_LESEN) & 5, 5);
    EXPECT_EQ(Spieler_Wert(SP_K_I_T, 1, 0, SP_LESEN), Spieler_Daten[1].attribute[0]);

    Fehler_Capture cap;
    EXPECT_EQ(Spieler_Wert(SP_ALTER, 4, 0, SP_LESEN), 0);
    EXPECT_EQ(Spieler_Wert(SP_KRAFT, -1, 0, SP_LESEN), 0);
    EXPECT_TRUE(cap.contains("Aufruf von Spieler_Wert mit spnr"));
}

// Every stored field read plainly gives what the general path wrote, the kind follows the
// favourite position, and the reads that complain still complain: a keeper's fields of an
// outfield player, a group of a keeper.
TEST_F(SpielerTest, PlainReadsOfEveryStoredFieldAndTheComplaintsThatStay)
{
    const struct {
        int32_t id, wert;
    } felder[] = {{SP_FORMTENDENZ, 61}, {SP_ANGEBOTSWERT, 120}, {SP_NATION, 31000}, {SP_GROESSE, 201},
                  {SP_ALLROUNDER, 77}, {SP_ERFAHRUNG, 250}, {SP_FORM, 88}, {SP_TRAININGS_ERSCHOEPFUNG, 33},
                  {SP_VERLETZUNG_ZUSATZ, 200}, {SP_VERLETZUNG_ART, 40}, {SP_VERLETZUNG_TAGE, 230},
                  {SP_HAARFARBE, 6}, {SP_HAUTFARBE, 5}, {SP_RUECKENNUMMER, 98}, {SP_BILDNUMMER, 31999},
                  {SP_HEIMATSYSTEM, 126}, {SP_ANGEBOTSZAEHLER, -1}, {SP_ZAEHLER_1, 63999},
                  {SP_ZAEHLER_2, 40000}, {SP_ZAEHLER_3, 254}, {SP_GESICHT, 0x7123456}};
    for (const auto& f : felder) {
        Spieler_Wert(f.id, 2, f.wert, SP_SCHREIBEN);
        EXPECT_EQ(Spieler_Wert(f.id, 2, 0, SP_LESEN), f.wert) << "Feld " << f.id;
    }
    // the two colours share a byte: writing one leaves the other
    EXPECT_EQ(Spieler_Wert(SP_HAARFARBE, 2, 0, SP_LESEN), 6);

    const struct {
        int32_t pos, art;
    } arten[] = {{0, 1}, {152, 1}, {153, 2}, {305, 2}, {306, 3}, {458, 3}, {SP_POS_TORWART, 0}};
    for (const auto& a : arten) {
        Spieler_Wert(SP_LIEBLINGSPOS, 3, a.pos, SP_SCHREIBEN);
        EXPECT_EQ(Spieler_Wert(SP_ART, 3, 0, SP_LESEN), a.art) << "Position " << a.pos;
    }

    Spieler_Wert(SP_LIEBLINGSPOS, 2, 100, SP_SCHREIBEN);
    for (int32_t id = SP_KRAFT; id <= SP_TORSCHUSS; ++id) Spieler_Wert(id, 2, 300 + 9 * (id - SP_KRAFT), SP_SCHREIBEN);
    Spieler_Wert(SP_FORM, 2, 50, SP_SCHREIBEN);
    const int32_t schnitt = (9 * 300 + 9 * 36) / 9;
    EXPECT_EQ(Spieler_Wert(SP_K_I_T, 2, 0, SP_LESEN), schnitt);
    EXPECT_EQ(Spieler_Wert(SP_K_I_T_FORM, 2, 0, SP_LESEN), int32_t(schnitt * 0.8f + schnitt * 0.2f * 50 * 0.01f));

    {
        Fehler_Capture cap;
        EXPECT_EQ(Spieler_Wert(SP_REFLEXE, 2, 0, SP_LESEN), -1);
        EXPECT_EQ(Spieler_Wert(SP_TORWART_STAERKE, 2, 0, SP_LESEN), -1);
        EXPECT_TRUE(cap.contains("TW-Attribut bei Feldspieler"));
    }
    Spieler_Wert(SP_REFLEXE, 3, 71, SP_SCHREIBEN);
    Spieler_Wert(SP_TORWART_STAERKE, 3, 640, SP_SCHREIBEN);
    Fehler_Capture cap;
    EXPECT_EQ(Spieler_Wert(SP_REFLEXE, 3, 0, SP_LESEN), 71);
    EXPECT_EQ(Spieler_Wert(SP_TORWART_STAERKE, 3, 0, SP_LESEN), 640);
    EXPECT_FALSE(cap.contains("TW-Attribut"));
    Spieler_Wert(SP_KO, 3, 0, SP_LESEN);
    EXPECT_TRUE(cap.contains("KO nicht beschreibbar"));
}

}  // namespace

namespace {

// A player's mean counts every visible attribute with its own weight, and values far beyond the
// range add up as numbers, not as 16-bit ones.
TEST_F(SpielerTest, TheMeanCountsEveryVisibleAttributeOnce)
{
    Spieler_Fix_Daten[2].lieblingspos = 102;
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[2].attribute[i] = static_cast<int16_t>(1 << i);
    EXPECT_EQ(Spieler_Wert(SP_K_I_T, 2, 0, SP_LESEN), 511 / 9);
    for (int32_t weg = 0; weg < 9; ++weg) {
        Spieler_Daten[2].attribute[weg] = 0;
        EXPECT_EQ(Spieler_Wert(SP_K_I_T, 2, 0, SP_LESEN), (511 - (1 << weg)) / 9) << weg;
        Spieler_Daten[2].attribute[weg] = static_cast<int16_t>(1 << weg);
    }
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[2].attribute[i] = i < 5 ? 32767 : -32768;
    EXPECT_EQ(Spieler_Wert(SP_K_I_T, 2, 0, SP_LESEN), 999);
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[2].attribute[i] = i < 4 ? 32767 : -32768;
    EXPECT_EQ(Spieler_Wert(SP_K_I_T, 2, 0, SP_LESEN), 1);
}

}  // namespace
