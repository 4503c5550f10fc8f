#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gameflow/spielstand.h"
#include "gameflow/spielstand_ordner.h"
#include "platform/disk.h"
#include "platform/win95_dialog.h"

namespace {

// "Müßig Pokal" as the program holds it (and an older version named its file), and in UTF-8.
const std::string name = "M\xFC\xDFig Pokal", datei_alt = name + ".sgv";
const std::string datei_utf8 = "M\xC3\xBC\xC3\x9Fig Pokal.sgv";

uint32_t zustand = 0;  // a module's state, so that a load is seen
bool schreiben(Disk_Datei* d) { return Disk_Schreibe_Block(d, &zustand, sizeof zustand); }
bool lesen(Disk_Datei* d, const char*) { return Disk_Lese_Block(d, &zustand, sizeof zustand); }

// The file dialog as a user answers it: saving types the name, opening picks it from the list.
std::vector<std::string> gelistet;
bool dialog(Win95_Dialog_Anfrage* a)
{
    gelistet = a->eintraege;
    if (a->art == Win95_Dialog_Art::Speichern) a->text = name;
    for (size_t i = 0; i < a->eintraege.size(); ++i)
        if (a->eintraege[i] == datei_alt) a->auswahl = int32_t(i);
    return a->art == Win95_Dialog_Art::Speichern || a->auswahl >= 0;
}

class Spielstand_Namen : public Spielstand_Ordner {
protected:
    Win95_Dialog_Prozedur vorher = nullptr;
    void SetUp() override
    {
        Spielstand_Ordner::SetUp();
        Disk_Block_Registrieren(DISK_POS_STATISTIK, schreiben, lesen);
        Disk_Set_Datei_Dialog_Hook(nullptr);
        vorher = Win95_Dialog_Hook_Setzen(dialog);
    }
    void TearDown() override
    {
        Win95_Dialog_Hook_Setzen(vorher);
        Disk_Block_Registrieren(DISK_POS_STATISTIK, nullptr, nullptr);
        Spielstand_Name_Setzen("");
        Spielstand_Ordner::TearDown();
    }
    std::vector<std::string> savegames() const
    {
        std::vector<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            if (e.path().extension() == ".sgv") n.push_back(e.path().filename().string());
        return n;
    }
    bool laden_gibt(uint32_t erwartet)
    {
        zustand = 0;
        return Spielstand_Laden_Auswahl() && gelistet == std::vector<std::string>{datei_alt} && zustand == erwartet;
    }
};

}  // namespace

TEST_F(Spielstand_Namen, ANameIsUtf8OnDiskAndInTheRegistryAndLoadsFromTheList)
{
    zustand = 1234;
    ASSERT_TRUE(Spielstand_Speichern_Auswahl(true));
    EXPECT_EQ(savegames(), std::vector<std::string>{datei_utf8});
    std::ifstream in(std::getenv("DORVIN_REGISTRY"), std::ios::binary);
    const std::string reg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(reg.find("\"" + ordner + "/" + datei_utf8 + "\""), std::string::npos) << reg;
    EXPECT_EQ(Disk_Lade_Letzten_Spielstand_Namen(), ordner + "/" + datei_alt);
    EXPECT_TRUE(laden_gibt(1234));
}

TEST_F(Spielstand_Namen, AnOldWindows1252SavegameLoadsAndIsReplacedWhenSavedAgain)
{
    // As an older version left it: the name in Windows-1252 bytes on disk and in the registry.
    zustand = 77;
    ASSERT_TRUE(Disk_Spielstand_Speichern("alt"));
    std::filesystem::rename(ordner + "/alt.sgv", ordner + "/" + datei_alt);
    std::ofstream(std::getenv("DORVIN_REGISTRY"), std::ios::binary)
        << "[Software\\moss-quill\\Dorvin_Zidurida_Vozozor\\a_value]\n\"letzter_spielstand\"=\"" << ordner << "/"
        << datei_alt << "\"\n";
    zustand = 0;
    ASSERT_TRUE(Disk_Spielstand_Laden(Disk_Lade_Letzten_Spielstand_Namen()));
    EXPECT_EQ(zustand, 77u);
    EXPECT_TRUE(laden_gibt(77));
    zustand = 78;
    ASSERT_TRUE(Spielstand_Speichern_Auswahl(false));
    EXPECT_EQ(savegames(), std::vector<std::string>{datei_utf8}) << "one file, now named in UTF-8";
    EXPECT_TRUE(laden_gibt(78));
}
