#include "platform/debug.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/print.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/pic.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/mem.h"
#include "platform/resfile.h"
#include "platform/win95.h"

Font_Record* Debug_Font_8;
Font_Record* Debug_Font;
uint8_t Debug_Schalter;

namespace {

constexpr int32_t GRAPH_BREITE = 318, GRAPH_HOEHE = 80;
constexpr int32_t BILD_HINTERGRUND = 6240, BILD_MENUE = 1048, BILD_SPIEL = 3691,
                  BILD_ZENTRIERT = 1229, BILD_WAPPEN = 1079, WAPPEN_MAX = 11;
constexpr int32_t FELD_MANAGER_WAPPEN = 306, PIC_ART_WAPPEN = 2;

Rastport* graph;
uint8_t graph_an;
int32_t graph_tiefe;
Rastport* hintergrund;

int32_t bildschirm_tiefe()
{
    return Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : Grafik_Screen_Geometrie.depth;
}

Rastport* bild_laden(int32_t nummer)
{
    return static_cast<Rastport*>(
        Load_Resource(ResFile_Handles[0].handle, nummer, bildschirm_tiefe(), nullptr));
}

// The picture darkened by 60 into itself, then onto the screen at (0, 0).
int dunkel_zeigen(int32_t nummer)
{
    Rastport* bild = bild_laden(nummer);
    if (!bild) return 0;
    Grafik_Blit_Abdunkeln(bild, 0, 0, 640, 480, bild, 0, 0, 60);
    if (Grafik_Render_Ziel) Grafik_Blit(bild, 0, 0, 640, 480, Grafik_Render_Ziel, 0, 0);
    Grafik_Bitmap_Freigeben(bild);
    return 1;
}

void knopf_bild(Bild_Knopf* knopf, int n)
{
    if (!knopf || !knopf->bild[n] || !Grafik_Render_Ziel) return;
    Rastport* b = knopf->bild[n];
    Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), Grafik_Render_Ziel,
                            knopf->x, knopf->y);
}

}  // namespace

int Init_Debug_Font()
{
    char pfad[512];
    std::snprintf(pfad, sizeof pfad, "%s/%s", Pfad_Programm, "term6.fnt");
    FILE* f = std::fopen(pfad, "rb");
    if (!f) return 0;
    std::fclose(f);
    DeInit_Debug_Font();
    Debug_Font_8 = Font_Load(pfad, 8);
    Debug_Font = Font_Load(pfad, bildschirm_tiefe());
    if (Debug_Font_8) Debug_Font_8->ascent = 0;
    if (Debug_Font) Debug_Font->ascent = 0;
    return Debug_Font_8 && Debug_Font ? 1 : 0;
}

int DeInit_Debug_Font()
{
    Debug_Font_8 = Font_Free(Debug_Font_8);
    Debug_Font = Font_Free(Debug_Font);
    return 1;
}

void Debug_Print(uint32_t, const char*, ...) {}
void Debug_Print_Zeile(uint32_t, int32_t, const char*, ...) {}

void Debug_Ein() { Debug_Schalter = 1; }
void Debug_Aus() { Debug_Schalter = 0; }

const char* Debug_Speicher_Text()
{
    static char text[128];
    int32_t anzahl = 0, groesster = 0, frei = 0, c1 = 0, c2 = 0;
    Mem_Get_Info(&anzahl, &groesster, &frei, &c1, &c2);
    std::snprintf(text, sizeof text, "Frei: %dK MaxBlk: %dK AnzBlk: %d AnzFrag.: %d", frei / 1024,
                  groesster / 1024, Mem_Anz_Bloecke(), Mem_Anz_Fragmente());
    return text;
}

int Debug_Speicher_Graph_An()
{
    if (!graph) {
        graph_tiefe = bildschirm_tiefe();
        graph = Grafik_Bitmap_Anlegen(GRAPH_BREITE, GRAPH_HOEHE, graph_tiefe);
    }
    graph_an = graph ? 1 : 0;
    return graph_an;
}

int Debug_Speicher_Graph_Aus()
{
    graph = Grafik_Bitmap_Freigeben(graph);
    graph_an = 0;
    return 1;
}

int Debug_Speicher_Graph()
{
    static int wiedereintritt = 0;
    if (!graph_an || !graph || wiedereintritt) return 0;
    ++wiedereintritt;
    // Scroll two columns to the left (source and destination overlap: no blit).
    uint32_t bpp = Grafik_Bytes_Pro_Pixel(graph->depth);
    auto* px = static_cast<uint8_t*>(graph->pixels);
    for (int32_t y = 0; y < GRAPH_HOEHE; ++y)
        std::memmove(px + size_t(y) * GRAPH_BREITE * bpp, px + (size_t(y) * GRAPH_BREITE + 2) * bpp,
                     size_t(GRAPH_BREITE - 2) * bpp);
    int32_t anzahl = 0, groesster = 0, frei = 0, c1 = 0, c2 = 0;
    Mem_Get_Info(&anzahl, &groesster, &frei, &c1, &c2);
    int64_t belegt = Mem_Belegt(), gesamt = belegt + (frei > 0 ? frei : 0);
    int32_t hoehe = gesamt > 0 ? int32_t(belegt * GRAPH_HOEHE / gesamt) : 0;
    int32_t x = GRAPH_BREITE - 2;
    Grafik_Rechteck_Fuellen(graph, x, 0, 2, GRAPH_HOEHE - hoehe, 0x0E70);
    Grafik_Rechteck_Fuellen(graph, x, GRAPH_HOEHE - hoehe, 2, hoehe, DEBUG_ROT);
    if (Grafik_Render_Ziel && Grafik_Render_Ziel->depth == graph->depth)
        Grafik_Blit(graph, 0, 0, GRAPH_BREITE, GRAPH_HOEHE, Grafik_Render_Ziel, 0, 480);
    --wiedereintritt;
    return 1;
}

int Hintergrund_Load()
{
    hintergrund = Grafik_Bitmap_Freigeben(hintergrund);
    hintergrund = bild_laden(BILD_HINTERGRUND);
    if (!hintergrund) return Hintergrund_Show_Dunkel();
    return 1;
}

int Hintergrund_Show_Dunkel()
{
    if (!hintergrund) return 0;
    hintergrund = Grafik_Bitmap_Freigeben(hintergrund);
    dunkel_zeigen(BILD_MENUE);
    return 1;
}

int Hintergrund_Show_Spiel_Dunkel() { return dunkel_zeigen(BILD_SPIEL); }

void Hintergrund_Freigeben() { hintergrund = Grafik_Bitmap_Freigeben(hintergrund); }

int Bild_Zentriert_Zeigen()
{
    Rastport* bild = bild_laden(BILD_ZENTRIERT);
    if (!bild) return 0;
    int32_t w = int32_t(bild->width), h = int32_t(bild->height);
    if (Grafik_Render_Ziel)
        Grafik_Blit_Transparent(bild, 0, 0, w, h, Grafik_Render_Ziel, (640 - w) / 2,
                                (480 - h) / 2);
    Grafik_Bitmap_Freigeben(bild);
    return 1;
}

int Palette_To_Hicolor(const uint8_t* palette, uint16_t* colours)
{
    if (!palette || !colours) {
        Print_Fehler("Palette_To_Hicolor: palette=NULL!\n");
        return 0;
    }
    int32_t tiefe = bildschirm_tiefe();
    if (tiefe != 15 && tiefe != 16) return 1;
    for (int i = 0; i < 256; ++i) {
        uint32_t r = palette[3 * i], g = palette[3 * i + 1], b = palette[3 * i + 2];
        colours[i] = tiefe == 15
                         ? uint16_t(((r >> 1) & 31) << 10 | ((g >> 1) & 31) << 5 | ((b >> 1) & 31))
                         : uint16_t(((r >> 1) & 31) << 11 | (g & 63) << 5 | ((b >> 1) & 31));
    }
    return 1;
}

void Bild_Knopf_Aus(Bild_Knopf* knopf) { knopf_bild(knopf, 0); }
void Bild_Knopf_An(Bild_Knopf* knopf) { knopf_bild(knopf, 1); }

void Bild_Knopf_Klick(Bild_Knopf* knopf)
{
    if (!knopf) {
        Print_Fehler("Bild_Knopf_Klick: knopf=NULL!\n");
        return;
    }
    knopf->zustand ^= 1;
    Bild_Knopf_Aus(knopf);
    while (Maus_Get_Tasten() && !Programm_Ende) {
    }
    Bild_Knopf_An(knopf);
}

namespace {

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
    int32_t nummer = std::max(0, Team_Wert(FELD_MANAGER_WAPPEN, team, 0, TEAM_LESEN));
    int32_t tiefe = bildschirm_tiefe();
    Rastport* wappen = nullptr;
    if (nummer < MANAGER_WAPPEN_ANZAHL && (Manager_Wappen[nummer] & MANAGER_WAPPEN_USER)) {
        int32_t gefunden = 0;
        wappen = Pic_Change_Load_User_Bild(Manager_Wappen[nummer] & 0x7FFF, nullptr, tiefe,
                                           PIC_ART_WAPPEN, &gefunden);
    } else {
        wappen = static_cast<Rastport*>(Load_Resource(
            resfile, BILD_WAPPEN + std::min(nummer, WAPPEN_MAX), tiefe, nullptr));
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
