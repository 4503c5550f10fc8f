// End-of-competition page, composed on the back page and shown whole.
#include "competitions/saisonende.h"

#include "competitions/statistik.h"
#include "database/team.h"
#include "gameflow/kalender.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/temp.h"
#include "platform/win95.h"

namespace {

constexpr int32_t BREITE = 640, HOEHE = 480;
constexpr int32_t ABDUNKELN_SCHRITTE = 60;
Rastport* bild = nullptr;
Saisonende_Beobachter beobachter = nullptr;
bool offen = false;     // a page stands on the screen, waiting for its click
bool erwartet = false;  // a script waits for the next page

// A line centred on x 320 over its shadow two pixels lower.
void zeile(Rastport* seite, int32_t font, int32_t y, const char* text)
{
    Grafik_Printf(seite, Font(font), "^ic%05d^tz0320%s", 0, y + 2, 1, text);
    Grafik_Printf(seite, Font(font), "^c%05d^tz0320%s", 0, y, int32_t(Grafik_Farbe(15, 15, 15)), text);
}

}  // namespace

int32_t Saisonende_Ausblenden()
{
    if (!bild) return 1;
    // Each step darkens the screen as it stood before the fade, the last one to black. Headless,
    // with no picture asked for, nobody sees the steps before (the script is not fed while the
    // fade sleeps): only the black is drawn, the clock passes as for all.
    const bool jeder_schritt = Os_Display_Bild_Gefragt();
    if (jeder_schritt) Grafik_Blit(Grafik_Seite_0, 0, 0, BREITE, HOEHE, bild, 0, 0);
    for (int32_t schritt = 1; schritt <= ABDUNKELN_SCHRITTE; ++schritt) {
        if (jeder_schritt)
            Grafik_Blit_Abdunkeln(bild, 0, 0, BREITE, HOEHE, Grafik_Seite_0, 0, 0, schritt * 128 / ABDUNKELN_SCHRITTE);
        else if (schritt == ABDUNKELN_SCHRITTE)
            Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, BREITE, HOEHE, 0);
        Win95_Sleep(10);
    }
    Grafik_Bitmap_Freigeben(bild);
    bild = nullptr;
    return 1;
}

bool Saisonende_Bild_Laden(int32_t nummer)
{
    const int32_t handle = ResFile_Handles[0].handle;
    if (bild) Saisonende_Ausblenden();
    if (handle >= 0 && nummer >= 0 && Grafik_Seite_1)
        bild = static_cast<Rastport*>(Load_Resource(handle, WETTBEWERB_GRAFIK_BASIS + nummer, Grafik_Seite_1->depth, nullptr));
    if (!bild) {
        Print_Fehler("Saisonende_Bild_Laden: Bild %d fehlt", WETTBEWERB_GRAFIK_BASIS + nummer);
        Saisonende_Ausblenden();
        return false;
    }
    return true;
}

void Saisonende_Set_Beobachter(Saisonende_Beobachter b) { beobachter = b; }

bool Saisonende_Offen() { return offen; }

void Saisonende_Erwarten(bool an) { erwartet = an; }

bool Saisonende_Anzeigen(Wettbewerb_Id id, int32_t team, int32_t platz, const Wettbewerb_Id* ziel, int32_t folge,
                         int32_t art)
{
    if (beobachter) beobachter(id, team, platz, ziel && folge ? *ziel : -1, art);
    // Without a screen (a server running headless) there is nothing to show.
    if (!Grafik_Seite_0 || !Grafik_Seite_1) return false;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
    if (!info) {
        Print_Fehler("Saisonende_Anzeigen: Wettbewerb %d unbekannt", id);
        return false;
    }
    const bool pokal = (info->modus & KO_SYSTEM) != 0;
    if (!Saisonende_Bild_Laden(Wettbewerb_Get_Grafik_Nummer(id))) return false;
    const Kalender_Datum heute = Kalender_Get_Datum_Heute();
    Grafik_Blit(bild, 0, 0, BREITE, HOEHE, Grafik_Seite_1, 0, 0);
    const char* name = Wettbewerb_Get_Anzeigename(id);
    zeile(Grafik_Seite_1, 11, 44,
          pokal ? Temp_Sprintf("Der Sieger %d im Wettbewerb %s", heute.jahr, name) : Temp_Sprintf("%d.Platz, %s", platz, name));
    const char* verein = Team_String(TEAM_NAME_WAPPEN, team, nullptr, 0);
    if (verein) zeile(Grafik_Seite_1, 11, 70, verein);
    if (ziel && *ziel >= 0 && folge && art != 0 && verein) {
        const Wettbewerb_Info* z = Wettbewerb_Get_Info(*ziel);
        // Any target beyond the base leagues is a qualification, a group stage too.
        const bool ko = z && ((z->modus & KO_SYSTEM) || !z->basisliga);
        const char* zname = Wettbewerb_Get_Anzeigename(*ziel);
        const char* text = ko ? Temp_Sprintf("%s qualifiziert sich damit für den Wettbewerb %s.", verein, zname)
                         : art == 1 ? Temp_Sprintf("%s steigt in die %s auf.", verein, zname)
                                    : Temp_Sprintf("%s steigt in die %s ab.", verein, zname);
        zeile(Grafik_Seite_1, 9, 468, text);
    }
    Grafik_Blit(Grafik_Seite_1, 0, 0, BREITE, HOEHE, Grafik_Seite_0, 0, 0);
    // A scripted run that waits for the page gives it its input, though the season's work holds
    // the script meanwhile; any other skips the pause there.
    offen = true;
    const bool gehalten = erwartet ? Os_Script_Halten(false) : false;
    Auslosung_Warten(40000, 0);
    if (erwartet) Os_Script_Halten(gehalten);
    offen = false;
    Saisonende_Ausblenden();
    return true;
}

bool Saisonende_Seite_Zeigen(Wettbewerb_Id id, int32_t team, int32_t platz, const Wettbewerb_Id* ziel, int32_t folge,
                             int32_t art)
{
    Rastport* vorher = Grafik_Seite_0 ? Grafik_Bitmap_Anlegen(BREITE, HOEHE, Grafik_Seite_0->depth) : nullptr;
    if (vorher) Grafik_Blit(Grafik_Seite_0, 0, 0, BREITE, HOEHE, vorher, 0, 0);
    const bool gezeigt = Saisonende_Anzeigen(id, team, platz, ziel, folge, art);
    if (vorher && gezeigt) Grafik_Blit(vorher, 0, 0, BREITE, HOEHE, Grafik_Seite_0, 0, 0);
    Grafik_Bitmap_Freigeben(vorher);
    return gezeigt;
}
