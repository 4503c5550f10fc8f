#include "matchview/spieltagbericht.h"

#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "matchview/reports/bericht_seite.h"
#include "platform/debug.h"
#include "platform/os/os.h"
#include "platform/resfile.h"

namespace {

Spieltagbericht_Beobachter beobachter = nullptr;
Spieltagbericht_Elf_Beobachter elf_beobachter = nullptr;
Rastport* hintergrund = nullptr;

// Page 1 shown whole, then held: the page waits for the user, a script's lines reach it as on
// the other screens of the match day.
void zeigen_und_warten()
{
    if (Grafik_Seite_0 && Grafik_Seite_1)
        Grafik_Blit(Grafik_Seite_1, 0, 0, bericht::BREITE, bericht::HOEHE, Grafik_Seite_0, 0, 0);
    const bool gehalten = Os_Script_Halten(false);
    const bool laufend = Os_Script_Laufender_Schirm(true);
    Auslosung_Warten(bericht::WARTEN_MS, 0);
    Os_Script_Halten(gehalten);
    Os_Script_Laufender_Schirm(laufend);
}

void grund_legen()
{
    if (hintergrund && Grafik_Seite_1)
        Grafik_Blit(hintergrund, 0, 0, bericht::BREITE, bericht::HOEHE, Grafik_Seite_1, 0, 0);
}

}  // namespace

void Spieltagbericht_Set_Beobachter(Spieltagbericht_Beobachter b) { beobachter = b; }
void Spieltagbericht_Set_Elf_Beobachter(Spieltagbericht_Elf_Beobachter b) { elf_beobachter = b; }

namespace {

bool laden(int32_t nummer)
{
    if (hintergrund) Grafik_Bitmap_Freigeben(hintergrund);
    hintergrund = nullptr;
    const int32_t handle = ResFile_Handles[0].handle;
    if (!Grafik_Seite_0 || !Grafik_Seite_1 || handle < 0) return false;
    hintergrund = static_cast<Rastport*>(Load_Resource(handle, nummer, Grafik_Seite_1->depth, nullptr));
    return hintergrund != nullptr;
}

void frei()
{
    if (hintergrund) Grafik_Bitmap_Freigeben(hintergrund);
    hintergrund = nullptr;
}

}  // namespace

int32_t Spieltagbericht_Hintergrund_Laden() { return laden(bericht::BILD_ELF) ? 1 : 0; }

void Spieltagbericht_Hintergrund_Freigeben()
{
    // The page stays behind whatever comes next, darkened.
    if (hintergrund && Grafik_Seite_0) {
        Grafik_Blit(Grafik_Seite_0, 0, 0, bericht::BREITE, bericht::HOEHE, hintergrund, 0, 0);
        Grafik_Blit_Abdunkeln(hintergrund, 0, 0, bericht::BREITE, bericht::HOEHE, Grafik_Seite_0, 0, 0, 60);
    }
    frei();
}

int32_t Spieltagbericht_Ergebnisse_Zeigen(int32_t wettbewerb)
{
    if (beobachter) beobachter(wettbewerb);
    if (!Wettbewerb_Get_Schalter(wettbewerb, 1)) return 0;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(wettbewerb);
    if (!info) return 0;
    const bool mit_tabelle = !(info->modus & KO_SYSTEM);
    if (!laden(bericht::BILD_HINTERGRUND)) return 0;
    grund_legen();
    Spieltagbericht_Kopf(wettbewerb, "Ergebnisse:");
    Spieltagbericht_Ergebniszeilen(wettbewerb);
    zeigen_und_warten();
    if (mit_tabelle) {
        grund_legen();
        Spieltagbericht_Tabelle(wettbewerb);
        zeigen_und_warten();
    }
    frei();
    Hintergrund_Show_Dunkel();
    return 1;
}

void Spieltagbericht_Elf_Des_Tages(int32_t wettbewerb, const int32_t* spieler, const int32_t* teams)
{
    if (elf_beobachter) elf_beobachter(wettbewerb, spieler, teams);
    if (!spieler || !teams || !Spieltagbericht_Hintergrund_Laden()) return;
    grund_legen();
    Spieltagbericht_Kopf(wettbewerb, "Elf des Tages");
    bericht::elf_zeichnen(wettbewerb, spieler, teams);
    zeigen_und_warten();
    Spieltagbericht_Hintergrund_Freigeben();
}
