// Writing a configuration set: the lines the reader needs, the sum in its field, and a save that
// either puts a complete, readable file in place or leaves the old one untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "common/capture.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_welt.h"
#include "database/team.h"
#include "ligaeditor/editor_hilfe.h"
#include "platform/disk.h"
#include "platform/string_util.h"

namespace {

using namespace testwelt;
using editor_test::lesen;

std::string zeile(const std::string& wort, const std::string& wert)
{
    return "\t" + wort + std::string(35 - wort.size(), ' ') + wert + "\r\n";
}

// The lines of the record whose NAME line holds `name`, up to the next record.
std::string abschnitt(const std::string& text, const std::string& name)
{
    size_t a = text.find(zeile("NAME", "\"" + name + "\""));
    if (a == std::string::npos) return "";
    size_t e = text.find("NEUER_WETTBEWERB", a);
    return text.substr(a, e == std::string::npos ? std::string::npos : e - a);
}

struct Meldungen {
    std::vector<std::string> texte;
    Meldungen() { Requester_Printf_Set_Hook([this](const std::string& t) { texte.push_back(t); }); }
    ~Meldungen() { Requester_Printf_Set_Hook({}); }
    bool hat(const std::string& teil, const std::string& auch = "") const
    {
        for (const auto& t : texte)
            if (t.find(teil) != std::string::npos && t.find(auch) != std::string::npos) return true;
        return false;
    }
};

using Schreiben = editor_test::Testwelt_Sitzung;

TEST_F(Schreiben, ZielListenUndWerGegenWen)
{
    Wettbewerb_Datensatz& b = rec(4);
    ASSERT_TRUE(Wettbewerb_Config_Set_Teamanzahl(4, 18));
    for (int32_t& z : b.ziele.ziel[0]) z = -1;
    b.ziele.ziel[0][0] = Wettbewerb_Get_Nummer(1);
    b.ziele.ziel[0][2] = Wettbewerb_Get_Nummer(10);
    b.wer_gegen_wen_anz = 306;
    for (int32_t k = 0; k < 306; ++k) b.wer_gegen_wen[k] = uint8_t(1 + k % 18);
    Meldungen m;
    ASSERT_TRUE(Wettbewerb_Config_Schreiben(0, 0, "Test"));
    EXPECT_TRUE(m.hat("Die Konfigurationsdatei wurde erfolgreich gespeichert."));
    const std::string liga_b = abschnitt(lesen(datei()), "Liga B");
    EXPECT_NE(liga_b.find(zeile("QUALI_FUER", "ALI_1,NIX,ALI_10")), std::string::npos) << liga_b;
    EXPECT_NE(liga_b.find(zeile("QUALI_FUER", "ALI_21")), std::string::npos);
    size_t zeilen = 0;
    for (size_t p = liga_b.find("WER_GEGEN_WEN"); p != std::string::npos; p = liga_b.find("WER_GEGEN_WEN", p + 1)) {
        const std::string z = liga_b.substr(p, liga_b.find("\r\n", p) - p);
        EXPECT_EQ(std::count(z.begin(), z.end(), ','), 17);
        ++zeilen;
    }
    EXPECT_EQ(zeilen, 17u);
    // An empty list before a used one keeps list numbers: one NIX line.
    EXPECT_NE(lesen(datei()).find(zeile("QUALI_FUER", "NIX") + zeile("QUALI_FUER", "ALI_20")), std::string::npos);
}

TEST_F(Schreiben, VorlageSummeUndDummy)
{
    std::vector<Wettbewerb_Datensatz> r = bauen();
    Wettbewerb_Datensatz v = Wettbewerb_Leerer_Datensatz;
    std::strcpy(v.name, "Vorlage");
    std::strcpy(v.identifikation, "ALI_77");
    v.id = 77;
    r.push_back(v);
    r[B1].schalter[4] = 1;   // the friendly competition
    ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), int32_t(r.size()), TEAM_ANZAHL));
    ASSERT_TRUE(Wettbewerb_Config_Datei_Schreiben(0, 0, nullptr, nullptr));
    const std::string text = lesen(datei());
    EXPECT_EQ(abschnitt(text, "Vorlage"), zeile("NAME", "\"Vorlage\"") + zeile("IDENTIFIKATION", "ALI_77") +
                                              zeile("TEAMS", "0") + zeile("WOCHENTAG", "Samstag") + zeile("SPIELTAGE", "0"));
    EXPECT_EQ(text.find("Liga B"), std::string::npos);
    EXPECT_EQ(text.rfind("; DIESES FILE", 0), 0u);
    // The sum over the first blanks of 17; the rest stay, and the reader agrees with it.
    const size_t p = text.find("CHECKSUMME ") + 11;
    const std::string feld = text.substr(p, 17);
    const size_t ziffern = feld.find(' ');
    ASSERT_NE(ziffern, std::string::npos);
    EXPECT_GT(ziffern, 0u);
    EXPECT_EQ(feld.find_first_not_of(' ', ziffern), std::string::npos);
    EXPECT_EQ(text.substr(p + 17, 2), "\r\n");
    Meldungen m;
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    EXPECT_FALSE(m.hat("Urzustand"));
    EXPECT_EQ(Wettbewerb_Get_Nummer(4), -1);
}

TEST_F(Schreiben, KalenderPositionUndLangeZeilen)
{
    Team_Heimatland = LAND_A;
    const Wettbewerb_Id neu = Wettbewerb_Config_Insert(4, -1, false);
    ASSERT_TRUE(Wettbewerb_Config_Set_Land(neu, LAND_B + 1));
    ASSERT_TRUE(Wettbewerb_Config_Set_Teamanzahl(neu, 4));
    ASSERT_TRUE(Wettbewerb_Config_Schreiben(0, 0, nullptr));
    EXPECT_EQ(rec(1).kalender_position, 0);
    EXPECT_EQ(rec(2).kalender_position, 1);
    EXPECT_EQ(rec(3).kalender_position, 1);
    EXPECT_EQ(rec(4).kalender_position, 4);
    EXPECT_EQ(rec(neu).kalender_position, 5);
    Team_Heimatland = 0xFFFF;

    // 128 targets on one line, 40 long aliases on another: both read back whole.
    std::ofstream alias(ordner / "1_wettbewerb_alias.cfg", std::ios::binary);
    for (int32_t t = 0; t < 40; ++t) alias << "VEREIN_MIT_EINEM_SEHR_LANGEN_ALIASNAMEN_FUER_DIE_ZEILE_" << t << " " << t << "\r\n";
    alias.close();
    Wettbewerb_Datensatz& pokal = rec(10);
    ASSERT_TRUE(Wettbewerb_Config_Set_Modus(10, KO_SYSTEM));
    pokal.teams = 128;
    pokal.listen.anzahl = 40;
    for (int32_t k = 0; k < 40; ++k) pokal.listen.teams[k] = int16_t(k);
    for (int32_t p = 0; p < 128; ++p) pokal.ziele.ziel[0][p] = Wettbewerb_Get_Nummer(p % 2 ? 1 : 4);
    ASSERT_TRUE(Wettbewerb_Config_Schreiben(0, 0, nullptr));
    const std::string text = lesen(datei());
    const std::string pokal_a = abschnitt(text, "Pokal A");
    const size_t st = pokal_a.find("STARTTEILNEHMER");
    ASSERT_NE(st, std::string::npos);
    EXPECT_GT(pokal_a.find("\r\n", st) - st, 2000u);
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    int16_t teams[WETTBEWERB_MAX_TEAMS];
    ASSERT_EQ(Wettbewerb_Get_Teams(10, teams), 40);
    EXPECT_EQ(teams[39], 39);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(10, 127, 0), 1);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(10, 126, 0), 4);
}

TEST_F(Schreiben, FehlschlagLaesstAlteDateiStehen)
{
    const std::string alt = lesen(datei());
    auto pruefen = [&](const char* fall, const char* grund) {
        Meldungen m;
        EXPECT_FALSE(Wettbewerb_Config_Schreiben(0, 0, nullptr)) << fall;
        EXPECT_EQ(lesen(datei()), alt) << fall;
        EXPECT_FALSE(editor_test::fs::exists(datei().string() + ".tmp")) << fall;
        EXPECT_TRUE(m.hat("Die Konfigurationsdatei wurde nicht gespeichert: ", grund))
            << fall << ": " << (m.texte.empty() ? "" : m.texte.back());
        EXPECT_FALSE(m.hat("erfolgreich")) << fall;
    };
    Disk_Set_Schreib_Grenze(100);
    pruefen("voll", "der Datenträger ist voll");
    Disk_Set_Schreib_Grenze(-1);

    const Wettbewerb_Datensatz sicher = rec(4);
    std::strcpy(rec(4).name, "Liga \"B\"");
    pruefen("Anführungszeichen", "NAME: Zeichen 34");
    rec(4) = sicher;

    ASSERT_TRUE(Wettbewerb_Config_Set_Teamanzahl(4, 0));
    pruefen("TEAMS 0", "SPIELTAGE");
    rec(4) = sicher;

    editor_test::fs::rename(ordner / "1_wettbewerb_alias.cfg", ordner / "weg.cfg");
    pruefen("Aliasliste", "Aliasliste");
    editor_test::fs::rename(ordner / "weg.cfg", ordner / "1_wettbewerb_alias.cfg");

    chmod(ordner.c_str(), 0555);
    if (!std::ofstream(ordner / "probe")) pruefen("schreibgeschützt", "nicht schreibbar");
    chmod(ordner.c_str(), 0755);

    ASSERT_TRUE(Wettbewerb_Config_Modify_Free());
    pruefen("keine Sitzung", "kein Wettbewerb wird bearbeitet");
}

}  // namespace
