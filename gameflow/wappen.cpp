#include "gameflow/wappen.h"

#include <algorithm>

#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/grafik_blit.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/pic.h"
#include "platform/resfile.h"

namespace {

constexpr int32_t BILD_WAPPEN = 1079, WAPPEN_MAX = 11;
constexpr int32_t FELD_MANAGER_WAPPEN = 306, PIC_ART_WAPPEN = 2;

void rahmen(Rastport* rp, int32_t x, int32_t y, int32_t w, int32_t h)
{
    Grafik_Linie(rp, x, y, x + w, y, 1);
    Grafik_Linie(rp, x, y + h, x + w + 1, y + h, 1);
    Grafik_Linie(rp, x, y, x, y + h, 1);
    Grafik_Linie(rp, x + w, y, x + w, y + h, 1);
}

}  // namespace

Rastport* Wappen_Load_Team(int32_t resfile, Rastport* target, int32_t x, int32_t y, int32_t team,
                           uint32_t flags, int32_t w, int32_t h)
{
    if (team < 0 || team != Aktuelles_Team) return nullptr;
    if (!Team_Zeiger(TEAM_MANAGER, team, nullptr, TEAM_LESEN)) return nullptr;
    // Field 306 numbers the manager (his portrait head); his crest is that entry of the crest
    // table: a built-in crest number, or a user crest picture.
    int32_t nummer = std::max(0, Team_Wert(FELD_MANAGER_WAPPEN, team, 0, TEAM_LESEN));
    const uint16_t eintrag = nummer < MANAGER_WAPPEN_ANZAHL ? Manager_Wappen[nummer] : 0;
    int32_t tiefe = Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : Grafik_Screen_Geometrie.depth;
    Rastport* wappen = nullptr;
    if (eintrag & MANAGER_WAPPEN_USER) {
        int32_t gefunden = 0;
        wappen = Pic_Change_Load_User_Bild(eintrag & 0x7FFF, nullptr, tiefe, PIC_ART_WAPPEN, &gefunden);
    } else {
        wappen = static_cast<Rastport*>(Load_Resource(
            resfile, BILD_WAPPEN + std::min<int32_t>(eintrag, WAPPEN_MAX), tiefe, nullptr));
    }
    if (!wappen) return nullptr;

    if (w > 0 || h >= 1) {
        if (w < 0) w = h;
        if (h < 0) h = w;
        int32_t bw = int32_t(wappen->width), bh = int32_t(wappen->height);
        if (w > 0 && h > 0 && (w != bw || h != bh)) {
            if (Rastport* neu = Grafik_Bitmap_Anlegen(w, h, wappen->depth)) {
                if (w <= bw && h <= bh) Grafik_Bild_Verkleinern(wappen, neu, w, h);
                else Grafik_Bild_Vergroessern(wappen, neu, h);
                Grafik_Bitmap_Freigeben(wappen);
                wappen = neu;
            }
        }
    }
    int32_t ww = int32_t(wappen->width), wh = int32_t(wappen->height);
    if (!target) {
        if (flags & WAPPEN_RAHMEN) rahmen(wappen, 0, 0, ww - 1, wh - 1);
        return wappen;
    }
    Grafik_Blit_Transparent(wappen, 0, 0, ww, wh, target, x, y);
    if (flags & WAPPEN_RAHMEN) rahmen(target, x, y, ww, wh);
    Grafik_Bitmap_Freigeben(wappen);
    return nullptr;
}

int32_t Wappen_Team_Nummer(int32_t team, int32_t* user_bild)
{
    int32_t status = Team_Wert(TEAM_STATUS, team, 0, TEAM_LESEN);
    if (user_bild) *user_bild = (status & TEAM_STATUS_USER_WAPPEN) ? 1 : 0;
    return Team_Wert(TEAM_GRAFIK_NR, team, 0, TEAM_LESEN);
}

void Wappen_Spielerfigur_Daten_Registrieren()
{
    Grafik_Spielerfigur_Daten d;
    d.kit = [](int32_t team) -> const uint8_t* {
        return team < 0 ? nullptr : static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, team, nullptr, TEAM_LESEN));
    };
    d.position = [](int32_t spieler) { return Spieler_Wert(57, spieler, 0, 0); };
    d.rueckennummer = [](int32_t team, int32_t spieler) { return Teamspieler_Wert(300, team, spieler, 0, 0); };
    Grafik_Spielerfigur_Set_Daten(d);
}
