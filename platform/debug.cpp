#include "platform/debug.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/print.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/pic.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/mem.h"
#include "platform/resfile.h"
#include "platform/win95.h"
#include "platform/os/os_file.h"

Font_Record* Debug_Font_8;
Font_Record* Debug_Font;
uint8_t Debug_Schalter;

namespace {

constexpr int32_t GRAPH_BREITE = 318, GRAPH_HOEHE = 80;
constexpr int32_t KARTE_BREITE = 640, KARTE_HOEHE = 480;
constexpr int32_t BILD_HINTERGRUND = 6240, BILD_MENUE = 1048, BILD_SPIEL = 3691,
                  BILD_ZENTRIERT = 1229;

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
    FILE* f = Os_File_Open(pfad, "rb");
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

int Debug_Speicher_Karte()
{
    Rastport* schirm = Grafik_Seite_0;
    if (!schirm || schirm->packed || schirm->width < KARTE_BREITE || schirm->height < KARTE_HOEHE) return 0;
    Rastport* gerettet = Grafik_Bitmap_Anlegen(KARTE_BREITE, KARTE_HOEHE, schirm->depth);
    if (!gerettet) return 0;
    Grafik_Blit(schirm, 0, 0, KARTE_BREITE, KARTE_HOEHE, gerettet, 0, 0);
    Grafik_Rechteck_Fuellen(schirm, 0, 0, KARTE_BREITE, KARTE_HOEHE, 31);
    int32_t anzahl = 0, groesster = 0, frei = 0, c1 = 0, c2 = 0;
    Mem_Get_Info(&anzahl, &groesster, &frei, &c1, &c2);
    const int64_t gesamt = int64_t(Mem_Belegt()) + std::max(frei, 0);
    const int64_t basis = Mem_Get_Basis();
    constexpr int64_t PIXEL = int64_t(KARTE_BREITE) * KARTE_HOEHE;
    // Block record: start address, size in bytes, kind (0 free, 1 used, else the allocator's own).
    int32_t block[3] = {};
    for (int32_t i = 0; gesamt > 0 && i < (1 << 20) && Mem_Get_Block_Info(i, block, 0); ++i) {
        const int64_t von = (int64_t(block[0]) - basis) * PIXEL / gesamt;
        const int64_t bis = (int64_t(block[0]) - basis + std::max(block[1], 1)) * PIXEL / gesamt;
        const uint32_t farbe = block[2] == 0 ? DEBUG_GRUEN : block[2] == 1 ? DEBUG_ROT : DEBUG_WEISS;
        // The run, one row piece at a time.
        for (int64_t p = std::max<int64_t>(von, 0), ende = std::min(bis, PIXEL - 1); p <= ende;) {
            const int32_t x = int32_t(p % KARTE_BREITE), n = int32_t(std::min<int64_t>(ende - p + 1, KARTE_BREITE - x));
            Grafik_Rechteck_Fuellen(schirm, x, int32_t(p / KARTE_BREITE), n, 1, farbe);
            p += n;
        }
    }
    while (!Maus_Get_Tasten() && !Programm_Ende) Win95_Sleep(10);
    Grafik_Blit(gerettet, 0, 0, KARTE_BREITE, KARTE_HOEHE, schirm, 0, 0);
    Grafik_Bitmap_Freigeben(gerettet);
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
