#include "umgebung.h"

#include <string>

#include "common/builder_daten.h"
#include "common/schirm.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/display.h"
#include "platform/exit.h"
#include "platform/mem.h"
#include "platform/os/os.h"
#include "platform/os/os_intern.h"
#include "platform/resfile.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/hilfe.h"
#include "toolkit/mausover.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"

std::map<std::pair<int32_t, int32_t>, uint32_t> Toolkit_Test::knoepfe;

namespace {

std::string daten_ordner;

class Umgebung : public ::testing::Environment {
public:
    void SetUp() override
    {
        daten_ordner = Test_Resfiles_Ordner().string();
        ASSERT_FALSE(daten_ordner.empty());
        ASSERT_TRUE(Test_Schirm_Oeffnen(daten_ordner));
    }
    void TearDown() override { Test_Schirm_Schliessen(); }
};

[[maybe_unused]] ::testing::Environment* const umgebung = ::testing::AddGlobalTestEnvironment(new Umgebung);

uint32_t knopf_lesen(int32_t team, int32_t icon)
{
    auto it = Toolkit_Test::knoepfe.find({team, icon});
    return it == Toolkit_Test::knoepfe.end() ? 0 : it->second;
}
void knopf_schreiben(int32_t team, int32_t icon, uint32_t wert) { Toolkit_Test::knoepfe[{team, icon}] = wert; }

}  // namespace

const char* Toolkit_Test_Daten() { return daten_ordner.c_str(); }

// No bubble, glow or mouse-over info is carried from one test into the next.
static void modal_reste_weg()
{
    Hilfe_Schliessen(1);
    Menue_Glow(nullptr, 1, 0, 0, 0, 0, 0, 0);
    Menue_Mouse_Over_Nr = -1;
    Menue_Hilfe_Status = 0;
}

void Toolkit_Test::SetUp()
{
    Programm_Ende = 0;
    Netz_Rolle = 0;
    EIGENER_SERVER = 0;
    Aktuelles_Team = -1;
    Aktuelles_Team_Seite = 0;
    Handelndes_Team = 0;
    knoepfe.clear();
    modal_reste_weg();
    Manager_Icon_Set_Hook(knopf_lesen, knopf_schreiben);
    Eingang_Set_Spiel_Gestartet_Hook(nullptr);
    Menue_Status = Menue_Status_Record{};
    Menue_Zeitlimit = 0;
    Menue_Rad_Zeit = 0;
    Win95_Eingabe.rad = 0;
    Menue_Automatik_Bytes[0] = Menue_Automatik_Bytes[1] = 0;
    Menue_Merker_Setzen(0);
    maus(0, 0);
    Menue_Register_Leeren();
    Menue_Init(1);
    // The menu's own base icons are not part of these tests.
    Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
    Menue_Aktuelles_Icon = Menue_Gezogenes_Icon = nullptr;
    Menue_Icons_Check(-1);
}

Manager_Struktur* Toolkit_Test::vereine_anlegen(int32_t anzahl, int32_t team)
{
    Test_Teams_Anlegen(anzahl);
    manager_ = static_cast<Manager_Struktur*>(Mem_Alloc_Clear(sizeof(Manager_Struktur), 0, 0));
    manager_team_ = team;
    T_Fix[team].manager = manager_;
    for (auto& n : manager_->icons.besucht_nr) n = -1;
    for (auto& n : manager_->icons.log_nr) n = -1;
    Aktuelles_Team = team;
    return manager_;
}

void Toolkit_Test::TearDown()
{
    if (manager_) {
        T_Fix[manager_team_].manager = nullptr;
        manager_ = static_cast<Manager_Struktur*>(Mem_Free(manager_, 0));
        Test_Aufraeumen();
    }
    Os_Script_Stop();
    modal_reste_weg();
    Menue_Speicher_Befreien(7);
    // A test may have changed a slave's descriptor: back to the built-in tables.
    Menue_Slaves_Init();
    Menue_Register_Leeren();
    Menue_Aktuelles_Icon = Menue_Gezogenes_Icon = nullptr;
    Manager_Icon_Set_Hook(nullptr, nullptr);
    Eingang_Set_Spiel_Gestartet_Hook(nullptr);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_MENUE, nullptr);
    maus(0, 0);
    Programm_Ende = 0;
}

Menue_Icon* Toolkit_Test::neu(const Menue_Icon& vorlage)
{
    icons_.push_back(vorlage);
    return &icons_.back();
}

Menue_Icon* Toolkit_Test::flaeche(int16_t nummer, int16_t x, int16_t y, uint16_t w, uint16_t h, int8_t pri, uint8_t farbe)
{
    return neu(Menue_Icon_Vorlage(nummer, -1, 0, x, y, w, h, pri, farbe));
}

void Toolkit_Test::maus(int32_t x, int32_t y, bool links, bool rechts)
{
    Os_Input_Set_Mouse(x, y);
    Os_Input_Set_Buttons(links, rechts);
}

uint16_t Toolkit_Test::seite0(int32_t x, int32_t y) { return Grafik_Pixel_Lesen(Grafik_Seite_0, x, y); }
uint16_t Toolkit_Test::seite1(int32_t x, int32_t y) { return Grafik_Pixel_Lesen(Grafik_Seite_1, x, y); }
