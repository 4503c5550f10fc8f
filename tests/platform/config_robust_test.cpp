// Damaged and random files must never crash the reader or leave a level open.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

#include "platform/win95.h"
#include "platform/read_config.h"
#include "platform/string_util.h"

namespace {

const std::string muster =
    "CHECKSUMME 12345\n; Kommentar [ohne Ende\nNAME \"Jörg; \"Ü\" b\"\r\n[Abschnitt [innen] ; "
    "x\n]\nZAHLEN 1,#NORD,-3,#\nJA_NEIN nein\n\"offen  \xA0\t WERT 99999999999\n]]] [ \n"
    "LANG " + std::string(3500, 'z') + "\nENDE";

void alles_lesen(const std::string& ordner, const std::string& inhalt)
{
    FILE* f = std::fopen((ordner + "/1_team.cfg").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(inhalt.data(), 1, inhalt.size(), f);
    std::fclose(f);
    for (int32_t alias_satz : {-1, 0}) {
        ASSERT_TRUE(Read_Config_Open(1, 0, alias_satz));
        uint32_t eintraege = 0;
        for (const char* k; *(k = Read_Config_Read_Zeile(nullptr, eintraege % 3 != 2));) {
            ASSERT_LE(++eintraege, inhalt.size());
            Read_Config_Get_Wert();
            int32_t zahlen[4];
            ASSERT_LE(Read_Config_Parse_Zahlen(Read_Config_Get_Wert_Text(), zahlen, 4), 4);
            ASSERT_LE(Read_Config_Get_Position(), Read_Config_Get_Groesse());
        }
        Read_Config_Check_Summe(nullptr);
        Read_Config_Close();
        ASSERT_STREQ(Read_Config_Read_Zeile(nullptr, true), "");
    }
}

}  // namespace

TEST(ConfigRobust, TruncatedAndRandomFiles)
{
    std::string ordner = (std::filesystem::temp_directory_path() /
                          ("dorvin_config_robust_" + std::to_string(::getpid())))
                             .string();
    std::filesystem::create_directories(ordner);
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
    Requester_Printf_Set_Hook([](const std::string&) {});
    {
        FILE* f = std::fopen((ordner + "/1_wettbewerb_alias.cfg").c_str(), "wb");
        std::fputs("NORD 4\n\"kaputt\n[", f);
        std::fclose(f);
    }

    for (size_t n = 0; n <= muster.size(); n += (n < 400 ? 1 : 97))
        alles_lesen(ordner, muster.substr(0, n));

    std::mt19937 zufall(20261206);
    const char zeichen[] = "AB09#\"[];, \t\r\n\xA0\xFFx";
    for (int i = 0; i < 300; ++i) {
        std::string text(zufall() % 600, ' ');
        for (char& c : text)
            c = zufall() % 4 ? zeichen[zufall() % (sizeof zeichen - 1)] : char(zufall() % 256);
        alles_lesen(ordner, text);
    }
    Requester_Printf_Set_Hook({});
    std::filesystem::remove_all(ordner);
}
