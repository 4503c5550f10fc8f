// The session and the writer on the data builder's worlds: random editing keeps the block whole,
// and a set saved unchanged reads back to the same records and the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "ligaeditor/editor_hilfe.h"
#include "platform/read_config.h"

namespace {

using editor_test::lesen;

class Welt : public editor_test::Satz_Ordner, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        Satz_Ordner::SetUp();
        const std::string groesse = std::string(GetParam()) == "standard" ? "" : std::string(" --world ") + GetParam();
        for (const char* schritt : {"welt", "wettbewerbe"}) {
            const std::string cmd = std::string(DORVIN_BINARY_DIR "/dorvin_datagen ") + schritt + " --ziel " +
                                    ordner.string() + groesse + " > /dev/null";
            ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
        }
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
        ASSERT_TRUE(Read_Config_Open(1, 0, -1));
        for (const char* w = Read_Config_Read_Zeile(nullptr, true); *w; w = Read_Config_Read_Zeile(nullptr, true))
            if (!std::strcmp(w, "LETZTES_TEAM")) Team_Anzahl = Read_Config_Get_Wert() + 1;
        Read_Config_Close();
        ASSERT_TRUE(Wettbewerb_Config_Modify_Init(0, 0));
    }
    editor_test::fs::path satz() const { return ordner / "config_files" / "1_wettbewerb.cfg"; }
};

// The records without the session's own numbering, as the savegame block holds them.
std::vector<uint8_t> abbild()
{
    std::vector<Wettbewerb_Datensatz> v;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        v.push_back(*Wettbewerb_Zeiger(i));
        v.back().vk.v[WV_CONFIG_NUMMER] = -1;
    }
    EXPECT_TRUE(Wettbewerb_Uebernehmen(v.data(), WETTBEWERB_ANZAHL, Team_Anzahl));
    return Wettbewerb_Block_Packen();
}

TEST_P(Welt, UnveraendertGespeichertGleich)
{
    ASSERT_TRUE(Wettbewerb_Config_Schreiben(0, 0, "Unverändert"));
    const std::vector<uint8_t> gespeichert = abbild();
    const std::string bytes = lesen(satz());
    ASSERT_TRUE(Wettbewerb_Config_Modify_Init(0, 0));
    EXPECT_EQ(abbild(), gespeichert);
    ASSERT_TRUE(Wettbewerb_Config_Schreiben(0, 0, "Unverändert"));
    EXPECT_EQ(lesen(satz()), bytes);
}

std::vector<Wettbewerb_Id> basisligen()
{
    std::vector<Wettbewerb_Id> v;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL && Wettbewerb_Zeiger(i)->name[0]; ++i)
        if (Wettbewerb_Zeiger(i)->basisliga) v.push_back(Wettbewerb_Zeiger(i)->id);
    return v;
}

class Welt_Zufall : public Welt {};

TEST_P(Welt_Zufall, ZufaelligeBearbeitungHaeltVerweiseGanz)
{
    std::mt19937 rng(46);
    auto eine = [&](const std::vector<Wettbewerb_Id>& v) { return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(rng)]; };
    for (int32_t schritt = 0; schritt < 2000; ++schritt) {
        const std::vector<Wettbewerb_Id> ligen = basisligen();
        const Wettbewerb_Id a = eine(ligen), b = eine(ligen);
        const int32_t op = std::uniform_int_distribution<int32_t>(0, 5)(rng);
        switch (op) {
        case 0: Wettbewerb_Config_Insert(a, -1, false); break;
        case 1: Wettbewerb_Config_Insert(-1, a, false); break;
        case 2: Wettbewerb_Config_Insert(a, -1, true); break;
        case 3: Wettbewerb_Config_Delete(a); break;
        case 4: Wettbewerb_Config_Tauschen(a, b); break;
        default: Wettbewerb_Config_Verschieben(a, b, -1, std::uniform_int_distribution<int32_t>(0, 1)(rng) == 1); break;
        }
        ASSERT_TRUE(editor_test::block_gesund()) << "Schritt " << schritt << ", Operation " << op;
    }
}

INSTANTIATE_TEST_SUITE_P(Groessen, Welt, ::testing::Values("standard", "small"));
INSTANTIATE_TEST_SUITE_P(Standard, Welt_Zufall, ::testing::Values("standard"));

}  // namespace
