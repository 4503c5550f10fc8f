// The menu's savegame blocks: global options, the turn under way, the base icon list, the
// sub-menu bar, and the visit histories linked again after a load.
#include <cstdio>
#include <fstream>

#include "common/spielstand_ordner.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/globals.h"
#include "platform/disk.h"
#include "platform/mem.h"
#include "toolkit/event.h"
#include "toolkit/favoriten.h"
#include "toolkit/menueleiste.h"
#include "toolkit/optionen.h"
#include "toolkit/screen.h"
#include "toolkit/spielstand.h"
#include "umgebung.h"

namespace {

class MenueSpielstand : public Toolkit_Test {
protected:
    Test_Spielstand_Ordner ordner;
    Manager_Struktur* manager = nullptr;

    void SetUp() override
    {
        Toolkit_Test::SetUp();
        ordner.anlegen("dorvin_menue", true);
        Menue_Spielstand_Init();
        Globale_Optionen_Vorbelegen();
        manager = vereine_anlegen(4, 1);
        Aktuelles_Team = -1;
        Manager_Anzahl = 1;
    }
    void TearDown() override
    {
        Globale_Optionen_Vorbelegen();
        for (int pos : {DISK_POS_MENUE, DISK_POS_UNTERMENUE}) {
            Disk_Block_Registrieren(pos, nullptr, nullptr);
            Disk_Nach_Laden_Registrieren(pos, nullptr);
        }
        ordner.entfernen();
        Toolkit_Test::TearDown();
    }

    // The running game as a savegame, split into its areas.
    static Disk_Bereiche bereiche()
    {
        std::string version;
        Disk_Bereiche b;
        auto bild = Disk_Spielstand_Abbild();
        EXPECT_TRUE(Disk_Spielstand_Zerlegen(bild.data(), bild.size(), &version, &b));
        return b;
    }
    void schreiben(const char* name, const Disk_Bereiche& b)
    {
        auto bild = Disk_Spielstand_Bauen(SPIELSTAND_VERSION, b);
        std::ofstream(ordner.pfad + "/" + name + ".sgv", std::ios::binary)
            .write(reinterpret_cast<const char*>(bild.data()), std::streamsize(bild.size()));
    }
};

TEST_F(MenueSpielstand, OptionsStartAndUnknownModesAreReported)
{
    const int32_t start[10] = {2, 1, 0, 1, 1, 1, 0, 0, 1, 1};
    for (int32_t m = 0; m < 10; ++m) EXPECT_EQ(Globale_Optionen(m), start[m]) << m;
    Fehler_Capture cap;
    EXPECT_EQ(Globale_Optionen(10), 0);
    EXPECT_EQ(Globale_Optionen(-1), 0);
    EXPECT_EQ(cap.texts.size(), 2u);
    EXPECT_TRUE(cap.contains("Globale_Optionen:unbek. Modus"));
}

TEST_F(MenueSpielstand, BlocksHaveTheirSizesAndComeBack)
{
    Disk_Bereiche b = bereiche();
    const auto& menue = b[DISK_POS_MENUE - 1];
    const size_t groessen[7] = {4, 1, 1, 4, 16, 1748, 4};
    ASSERT_EQ(menue.size(), 7u);
    size_t summe = 0;
    for (size_t k = 0; k < 7; ++k) {
        summe += menue[k].size();
        EXPECT_EQ(menue[k].size(), groessen[k]);
    }
    EXPECT_EQ(summe, size_t(MENUE_BLOCK_BYTES));
    EXPECT_EQ(summe, 1778u);
    ASSERT_EQ(b[DISK_POS_UNTERMENUE - 1].size(), 1u);
    EXPECT_EQ(b[DISK_POS_UNTERMENUE - 1][0].size(), 5 * MENUE_ICON_BYTES);

    // A turn of team 1 under way, options changed, a history that names the bar's first button,
    // an unknown icon and nothing.
    for (int32_t m = 0; m < 10; ++m) Globale_Optionen_Setzen(m, m == 2 ? 2 : m % 2);
    Menue_Status.runde_laeuft = 1;
    Menue_Status.aktiv = 1;
    Menue_Status.team = 1;
    manager->icons.besucht_nr[0] = 2502;
    manager->icons.besucht_nr[1] = 1999;
    manager->icons.log_nr[0] = 701;
    manager->icons.besucht[1] = 77;  // a word from a file is never taken as it is
    ASSERT_TRUE(Disk_Spielstand_Speichern("runde"));

    Globale_Optionen_Vorbelegen();
    Menue_Status.runde_laeuft = Menue_Status.aktiv = 0;
    Menue_Status.team = -1;
    Manager_Anzahl = 0;
    Menue_Register_Leeren();
    ASSERT_TRUE(Disk_Spielstand_Laden("runde"));
    for (int32_t m = 0; m < 10; ++m) EXPECT_EQ(Globale_Optionen(m), m == 2 ? 2 : m % 2) << m;
    EXPECT_EQ(Manager_Anzahl, 1);
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(701), &Menue_Basis_Liste[0]);
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(723), &Menue_Basis_Liste[MENUE_BASIS_ANZAHL - 1]);
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(2504), &Menue_Leiste[2]);
    EXPECT_EQ(Menue_Besucht_Icon(manager->icons.besucht[0]), &Menue_Leiste[0]);
    EXPECT_EQ(manager->icons.besucht[1], 0u);
    EXPECT_EQ(Menue_Besucht_Icon(manager->icons.log[0]), &Menue_Basis_Liste[0]);
    EXPECT_EQ(Aktuelles_Team, 1);
    ASSERT_EQ(Menue_Status.wieder_rein, 1);
    EXPECT_EQ(Menue_Event_Schritt(0, -1), 1);
    EXPECT_EQ(Menue_Status.wieder_rein, 0);
    EXPECT_EQ(Menue_Status.team, 1);
    EXPECT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(701));
    Menue_Raus();
}

TEST_F(MenueSpielstand, FailingWritesAreNoSuccess) { EXPECT_FALSE(Menue_Status_Speichern(nullptr)); }

TEST_F(MenueSpielstand, WildBlocksLoadSafelyAndBadLengthsAreRefused)
{
    Disk_Bereiche b = bereiche();
    auto& menue = b[DISK_POS_MENUE - 1];
    menue[2] = {1};                         // a turn...
    Disk_LE32_Setzen(menue[3].data(), 900); // ...of a team that does not exist
    for (auto& x : menue[4]) x = 0x7F;      // no option can take this value
    for (auto& x : menue[5]) x = 0xFF;      // icon numbers -1, every word set
    for (auto& x : b[DISK_POS_UNTERMENUE - 1][0]) x = 0xA5;
    schreiben("wild", b);
    Globale_Optionen_Setzen(OPTION_ECKBALL, 1);
    ASSERT_TRUE(Disk_Spielstand_Laden("wild"));
    EXPECT_EQ(Menue_Status.wieder_rein, 0);
    EXPECT_EQ(Menue_Status.runde_laeuft, 0);
    EXPECT_EQ(Globale_Optionen(OPTION_ECKBALL), 0);
    EXPECT_EQ(Globale_Optionen(OPTION_TAGESWECHSEL), 2);
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(722), &Menue_Basis_Liste[MENUE_BASIS_ANZAHL - 5]);

    // A list block of another length is refused before anything is taken over.
    b = bereiche();
    b[DISK_POS_MENUE - 1][5].resize(1747);
    schreiben("kurz", b);
    Globale_Optionen_Setzen(OPTION_ECKBALL, 1);
    Fehler_Capture cap;
    EXPECT_FALSE(Disk_Spielstand_Laden("kurz"));
    EXPECT_EQ(Globale_Optionen(OPTION_ECKBALL), 1);

    Menue_Icon zwei[3] = {Menue_Basis_Liste[0], Menue_Basis_Liste[1], Menue_Icon_Listenende()};
    EXPECT_FALSE(Menue_Icon_Liste_Laden(nullptr, zwei, 3 * MENUE_ICON_BYTES));
    EXPECT_FALSE(Menue_Icon_Liste_Laden(nullptr, zwei, 100));
    EXPECT_TRUE(cap.contains("Menue_Icon_Liste_Laden"));
}

}  // namespace
