#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "common/capture.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "platform/win95.h"
#include "platform/string_util.h"

namespace {

namespace fs = std::filesystem;

struct Requester_Capture {
    std::vector<std::string> texts;
    Requester_Capture() { Requester_Printf_Set_Hook([this](const std::string& t) { texts.push_back(t); }); }
    ~Requester_Capture() { Requester_Printf_Set_Hook({}); }
    bool contains(const std::string& part) const
    {
        for (const auto& t : texts)
            if (t.find(part) != std::string::npos) return true;
        return false;
    }
};

class Config : public ::testing::Test {
protected:
    fs::path ordner;
    char alt[sizeof Pfad_Config_Files];
    int32_t alte_teams = 0;

    void SetUp() override
    {
        ordner = fs::temp_directory_path() / ("wb_config_" + std::to_string(getpid()));
        fs::create_directories(ordner);
        std::memcpy(alt, Pfad_Config_Files, sizeof alt);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
        alte_teams = Team_Anzahl;
        Team_Anzahl = 50;
        schreiben("6_wettbewerb_alias.cfg", "ALPHA 3\nLANDA 40\n");
    }
    void TearDown() override
    {
        Wettbewerb_Free();
        Team_Anzahl = alte_teams;
        std::memcpy(Pfad_Config_Files, alt, sizeof alt);
        fs::remove_all(ordner);
    }
    void schreiben(const std::string& name, const std::string& text)
    {
        std::ofstream(ordner / name, std::ios::binary) << text;
    }
};

// Two leagues of one country and a cup that feeds nothing.
const std::string GUT =
    "INFOTEXT \"Test\"\n"
    "VERSION \"201\"\n"
    "NEUER_WETTBEWERB\n"
    "\tNAME \"Oberliga\"\n"
    "\tIDENTIFIKATION ALI_1\n"
    "\tTEAMS 4\n"
    "\tMODUS RUECKSPIELE\n"
    "\tMODUS ENGLISCHE_TABELLE\n"
    "\tSUPER_ART LIGA\n"
    "\tWOCHENTAG Sonntag\n"
    "\tSPIELTAGE 6\n"
    "\tQUALI_FUER ALI_1,ALI_1,ALI_1,ALI_2\n"
    "\tQUALI_FUER POKAL_7\n"
    "\tVISUELL_NACHFOLGER ALI_2\n"
    "\tSTARTTEILNEHMER #ALPHA,1,2,4\n"
    "\tLAND #LANDA\n"
    "\tBASISLIGA JA\n"
    "NEUER_WETTBEWERB\n"
    "\tNAME \"Unterliga\"\n"
    "\tIDENTIFIKATION ALI_2\n"
    "\tTEAMS 4\n"
    "\tSPIELTAGE 6\n"
    "\tQUALI_FUER ALI_1,NIX,ALI_2\n"
    "\tSTARTTEILNEHMER 5,6\n"
    "\tSTARTTEILNEHMER 7,8\n"
    "\tLAND 40\n"
    "\tWER_GEGEN_WEN 0,1,2,3\n"
    "\tBASISLIGA\n"
    "NEUER_WETTBEWERB\n"
    "\tNAME \"Pokal\"\n"
    "\tIDENTIFIKATION POKAL_7\n"
    "\tTEAMS 8\n"
    "\tMODUS KO_SYSTEM\n"
    "\tMODUS RUECKSPIELE\n"
    "\tSPIELTAGE 3\n"
    "\tRUNDENTEXT VIERTELFINALE\n"
    "\tRUNDENTEXT HALBFINALE\n"
    "\tRUNDENTEXT FINALE\n"
    "\tAUFFUELL_MIT_TEAMS #ALPHA,20,4\n"
    "\tQUALI_LAND 40,2\n"
    "\tLAND 40\n";

std::string ersetzt(std::string text, const std::string& alt, const std::string& neu)
{
    size_t p = text.find(alt);
    EXPECT_NE(p, std::string::npos) << alt;
    if (p != std::string::npos) text.replace(p, alt.size(), neu);
    return text;
}

}  // namespace

TEST_F(Config, LiestDieDateiInDieDatensaetze)
{
    schreiben("6_wettbewerb.cfg", GUT);
    Requester_Capture req;
    ASSERT_TRUE(Wettbewerb_Config_Lesen(5, 5));
    EXPECT_TRUE(req.texts.empty());
    const Wettbewerb_Datensatz* o = Wettbewerb_Zeiger(0);
    EXPECT_STREQ(o->name, "Oberliga");
    EXPECT_EQ(o->modus, RUECKSPIELE | ENGLISCHE_TABELLE);
    EXPECT_EQ(o->super_art, SA_LIGA);
    EXPECT_EQ(o->wochentag, 1);
    EXPECT_EQ(o->land, 40);
    EXPECT_EQ(o->listen.teams[0], 3);  // the alias
    EXPECT_EQ(o->listen.anzahl, 4);
    EXPECT_EQ(o->ziele.anzahl, 2);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(1, 3, 0), 2);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(1, 0, 1), 7);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(2, 1, 0), -1);
    EXPECT_EQ(Wettbewerb_Hierarchie_Oben(2), 1);
    int16_t teams[WETTBEWERB_MAX_TEAMS];
    EXPECT_EQ(Wettbewerb_Get_Teams(2, teams), 4);
    EXPECT_EQ(teams[3], 8);
    const Wettbewerb_Datensatz* p = Wettbewerb_Zeiger(2);
    EXPECT_EQ(p->id, 7);
    EXPECT_EQ(p->best_of_x, 2);  // two-legged knock-out
    EXPECT_EQ(Wettbewerb_Zeiger(0)->best_of_x, 1);
    EXPECT_STREQ(Wettbewerb_Get_Rundentext(7, 2), "Finale");
    EXPECT_EQ(p->auffuell_anz, 1);
    EXPECT_EQ(p->auffuell[0].von, 3);
    EXPECT_EQ(p->quali_land[0].anzahl, 2);
    EXPECT_EQ(Wettbewerb_Zeiger(1)->wer_gegen_wen_anz, 4);
    EXPECT_EQ(Wettbewerb_Zeiger(1)->basisliga, 1);  // a flag alone on its line
    EXPECT_TRUE(Wettbewerb_Config_Teams_Gueltig());
    EXPECT_EQ(Wettbewerb_Config_Max_Teamnummer(5, 5), 40);

    // A wrong stored sum warns the managers and loads all the same.
    schreiben("6_wettbewerb.cfg", "CHECKSUMME 12345\n" + GUT);
    ASSERT_TRUE(Wettbewerb_Config_Lesen(5, 5));
    EXPECT_TRUE(req.contains("entspricht nicht dem Urzustand"));
    EXPECT_TRUE(req.contains("tragen Sie bitte die Checksumme '"));
}

TEST_F(Config, KaputteDateienWerdenGanzAbgelehnt)
{
    schreiben("6_wettbewerb.cfg", GUT);
    ASSERT_TRUE(Wettbewerb_Config_Lesen(5, 5));
    std::string lang = "\tSTARTTEILNEHMER 1";
    for (int i = 0; i < 200; ++i) lang += ",1";
    std::string viele;
    for (int i = 0; i < 129; ++i) viele += "NEUER_WETTBEWERB\nNAME \"x\"\nIDENTIFIKATION X_" + std::to_string(i) + "\n";

    struct Fall {
        std::string text, erwartet;
    };
    const Fall faelle[] = {
        {ersetzt(GUT, "\tTEAMS 8\n", "\tTEAMS 8\n\tFARBE 3\n"), "(101) Unbekannter Befehl (FARBE)"},
        {ersetzt(GUT, "5,6\n", "5,66\n"), "STARTTEILNEHMER: Teamnummer 66"},
        {ersetzt(GUT, "\tTEAMS 4\n\tSPIELTAGE 6\n\tQUALI", "\tTEAMS 25\n\tSPIELTAGE 6\n\tQUALI"), "TEAMS: 25 Teams"},
        {ersetzt(GUT, "IDENTIFIKATION POKAL_7", "IDENTIFIKATION POKAL_300"), "IDENTIFIKATION: Kennung 300"},
        {ersetzt(GUT, "QUALI_FUER POKAL_7", "QUALI_FUER ALI_9"), "QUALI_FUER: Ziel \"ALI_9\" gibt es nicht"},
        {ersetzt(GUT, "#ALPHA,1", "#NIEMAND,1"), "Alias in \"#NIEMAND,1,2,4\" nicht definiert"},
        {ersetzt(GUT, "\tTEAMS 8", "\tTEAMS acht"), "TEAMS: \"acht\" ist keine Zahl"},
        {ersetzt(GUT, "SPIELTAGE 3", "SPIELTAGE 51"), "SPIELTAGE: 51"},
        {ersetzt(GUT, "MODUS KO_SYSTEM", "MODUS K_O"), "MODUS: unbekanntes Wort"},
        {ersetzt(GUT, "LAND #LANDA", "LAND 50"), "LAND: Teamnummer 50"},
        {ersetzt(GUT, "VISUELL_NACHFOLGER ALI_2", "VISUELL_NACHFOLGER ALI_1"), "verweist auf sich selbst"},
        {ersetzt(GUT, "\tSTARTTEILNEHMER 5,6\n", lang + "\n"), "201 Werte"},
        {ersetzt(GUT, "VERSION \"201\"", "VERSION \"200\""), "Version"},
        {"TEAMS 4\n" + GUT, "vor dem ersten NEUER_WETTBEWERB"},
        {viele, "mehr als 128 Wettbewerbe"},
        {"; leer\n", "keinen Wettbewerb"},
        {ersetzt(GUT, "IDENTIFIKATION ALI_2", "IDENTIFIKATION ALI"), "endet nicht mit der Kennung"},
        {ersetzt(GUT, "5,6\n", "5,6,9\n"), "5 Startteilnehmer bei 4 Teams"},
    };
    for (const auto& f : faelle) {
        schreiben("6_wettbewerb.cfg", f.text);
        Requester_Capture req;
        Fehler_Capture cap;
        EXPECT_FALSE(Wettbewerb_Config_Lesen(5, 5)) << f.erwartet;
        EXPECT_TRUE(cap.contains(f.erwartet) || req.contains(f.erwartet))
            << f.erwartet << " / " << (cap.texts.empty() ? "" : cap.texts[0]);
        EXPECT_FALSE(req.texts.empty()) << f.erwartet;
        // What was loaded before stays whole.
        EXPECT_TRUE(Wettbewerb_Bereit());
        EXPECT_STREQ(Wettbewerb_Get_Anzeigename(7), "Pokal");
        EXPECT_EQ(Wettbewerb_Zeiger(0)->teams, 4);
    }

    Fehler_Capture cap;
    Requester_Capture req;
    EXPECT_FALSE(Wettbewerb_Config_Lesen(8, 5));
    EXPECT_TRUE(req.contains("9_wettbewerb.cfg fehlt"));
    EXPECT_EQ(Wettbewerb_Config_Max_Teamnummer(8, 5), -1);
    EXPECT_TRUE(Wettbewerb_Bereit());
}

TEST_F(Config, HoechsteTeamnummerEinesSatzes)
{
    schreiben("6_wettbewerb.cfg", ersetzt(GUT, "\tLAND 40\n\tWER", "\tAUSRICHTER 1000\n\tSIEGER 44\n\tWER"));
    Requester_Capture req;
    EXPECT_EQ(Wettbewerb_Config_Max_Teamnummer(5, 5), 44);
    schreiben("6_wettbewerb.cfg", ersetzt(GUT, "\tLAND 40\n\tWER", "\tAUSRICHTER 999\n\tWER"));
    EXPECT_EQ(Wettbewerb_Config_Max_Teamnummer(5, 5), 999);
    // An undefined alias makes the set unusable; an unknown keyword is reported and skipped.
    schreiben("6_wettbewerb.cfg", ersetzt(GUT, "#ALPHA,1", "#NIEMAND,1") + "FARBE 3\n");
    EXPECT_EQ(Wettbewerb_Config_Max_Teamnummer(5, 5), -1);
    EXPECT_TRUE(req.contains("Unbekannter Befehl (FARBE)"));
}
