// The match scene's resource numbers and colour layout, shared by the view that loads them and
// the data builder that draws them, so that both agree on every id and palette index.
#pragma once
#include <cstdint>

// Pitch backgrounds: 60 full-size (2397 x 670) and 60 half-size (1198 x 335) 8-bit pictures,
// ordered as Spielszenen_Hintergrund_Id picks them; odd offsets are seen from the other side.
constexpr int32_t SZ_HINTERGRUND_ERSTES = 1999;
constexpr int32_t SZ_HINTERGRUND_LETZTES = 2118;
constexpr int32_t SZ_BILD_BREITE = 2397, SZ_BILD_HOEHE = 670;
constexpr int32_t SZ_BILD_HALB_BREITE = 1198, SZ_BILD_HALB_HOEHE = 335;
constexpr int32_t SZ_PALETTE = 1998;

// Frame pictures per style 0..4 (640 x 480) and the side panel's sheets (28 x 480).
constexpr int32_t SZ_RAHMEN = 1735;
constexpr int32_t SZ_SEITENLEISTE = 1740;
constexpr int32_t SZ_SEITENLEISTE_BREITE = 28;
// The icon bar on the side panel: twelve buttons at these top edges (the sheets 1740-1742 hold
// them at the same places: plain, pressed, highlighted).
constexpr int32_t SZ_KNOEPFE = 12, SZ_KNOPF_X = 612, SZ_KNOPF_B = 28, SZ_KNOPF_H = 29;
constexpr int32_t SZ_KNOPF_Y[SZ_KNOEPFE] = {17, 52, 87, 122, 157, 191, 227, 262, 297, 365, 400, 445};
// Score panel bases: sides 0, 1, none at sizes 0 and 1 (603 x 25), then at size 2 (300 x 25).
constexpr int32_t SZ_KOPFZEILE = 1768;
constexpr int32_t SZ_KOPF_BREITE = 603, SZ_KOPF_HALB_BREITE = 300, SZ_KOPF_HOEHE = 25;

// The scene's picture array: groups of (first id, count), loaded one after the other.
struct Spielszenen_Bildgruppe {
    int32_t erste;
    int32_t anzahl;
};
constexpr int32_t SZ_BILDGRUPPEN = 20;
constexpr Spielszenen_Bildgruppe SZ_BILDGRUPPE[SZ_BILDGRUPPEN] = {
    {1814, 1}, {1838, 100}, {1792, 3}, {1795, 3}, {1798, 8}, {1806, 8}, {1815, 5}, {1938, 12}, {1955, 6}, {1961, 16},
    {1977, 5}, {1820, 1},   {1821, 7}, {1791, 1}, {1832, 6}, {1951, 4}, {0, 0},    {0, 0},     {0, 0},    {0, 0}};
constexpr int32_t SZ_BILDER = 186;
constexpr int32_t sz_bilder_summe()
{
    int32_t n = 0;
    for (const Spielszenen_Bildgruppe& g : SZ_BILDGRUPPE) n += g.anzahl;
    return n;
}
// The array is filled from the table at compile time; an overflow cannot reach the program.
static_assert(sz_bilder_summe() <= SZ_BILDER, "picture groups exceed the scene's picture array");
// Index of a resource in the picture array, -1 when no group holds it.
constexpr int32_t Spielszenen_Bild_Index(int32_t id)
{
    int32_t i = 0;
    for (const Spielszenen_Bildgruppe& g : SZ_BILDGRUPPE) {
        if (g.anzahl > 0 && id >= g.erste && id < g.erste + g.anzahl) return i + id - g.erste;
        i += g.anzahl;
    }
    return -1;
}
constexpr int32_t SZ_BALKEN_RAHMEN = 1814, SZ_RUECKENNUMMER = 1838, SZ_GROESSE_SYMBOL = 1792, SZ_ZEIGER = 1938,
                  SZ_ZEICHEN = 1955, SZ_BALKEN_FUELLUNG = 1961, SZ_RING = 1977, SZ_ZUSTAND = 1951;
constexpr int32_t SZ_BALKEN_BREITE = 18, SZ_BALKEN_HOEHE = 5;

// Fixed pictures loaded with the scene: (first id, count, width, height).
struct Spielszenen_Festbild {
    int32_t erste, anzahl, breite, hoehe;
};
constexpr Spielszenen_Festbild SZ_FESTBILD[] = {
    {1740, 3, 28, 480}, {1743, 2, 160, 20},  {1745, 1, 310, 138}, {1746, 8, 72, 21}, {1754, 1, 16, 16},
    {1756, 1, 23, 11},  {1755, 1, 360, 36},  {1767, 1, 360, 38},  {1757, 8, 42, 24}};
constexpr int32_t SZ_FESTBILDER = 26;
// The tactics panel's pictures: background, eight button highlights, close button, slider knob.
constexpr int32_t SZ_TAKTIK_PANEL = 1745, SZ_TAKTIK_KNOPF = 1746, SZ_TAKTIK_SCHLIESSEN = 1754, SZ_TAKTIK_REGLER = 1756;
// Value bars of the taker panel (30 x 5): background and fill.
constexpr int32_t SZ_BALKEN_GRUND = 1713, SZ_BALKEN_VOLL = 1714;
// Marks 1658-1663 (12 x 12; cards: 1660 red, 1661 yellow, 1662 yellow-red) and the events
// list's head (292 x 30), foot (292 x 18) and highlighted close button (16 x 16).
constexpr int32_t SZ_MARKEN_ERSTE = 1658, SZ_MARKEN = 6, SZ_MARKE_ROT = 1660, SZ_MARKE_GELB = 1661, SZ_MARKE_GELB_ROT = 1662;
constexpr int32_t SZ_EREIGNIS_KOPF = 1788, SZ_EREIGNIS_FUSS = 1790, SZ_EREIGNIS_SCHLIESSEN = 1779;
// The table panel: head (284 x 36), foot (284 x 38), highlighted content and variant buttons.
constexpr int32_t SZ_TABELLE_KOPF = 1777, SZ_TABELLE_FUSS = 1778, SZ_TABELLE_INHALT = 1780, SZ_TABELLE_ART = 1789;
// The results content's own head (360 x 36), foot (360 x 38) and highlighted close, content and
// variant buttons; the foot's close button stands at its right end.
constexpr int32_t SZ_ERGEBNIS_KOPF = 1755, SZ_ERGEBNIS_FUSS = 1767, SZ_ERGEBNIS_KNOPF = 1757;
constexpr int32_t SZ_ERGEBNIS_SCHLIESSEN_X = 313;
// Slot of a fixed picture in the loaded array, -1 when no entry holds it.
constexpr int32_t Spielszenen_Festbild_Index(int32_t id)
{
    int32_t i = 0;
    for (const Spielszenen_Festbild& f : SZ_FESTBILD) {
        if (id >= f.erste && id < f.erste + f.anzahl) return i + id - f.erste;
        i += f.anzahl;
    }
    return -1;
}

// Goals: 16 animations at half size for the goal parts 16..31 of smaller windows.
constexpr int32_t SZ_TORE_HALB = 1982;
constexpr int32_t SZ_TOR_ANIMATIONEN = 16;

// The animations' sprite lists: one list per direction at first id + direction.
constexpr int32_t SZ_ANIMATION_BASIS = 7000;
constexpr int32_t Spielszenen_Animation_Erste_Resource(int32_t code) { return SZ_ANIMATION_BASIS + 8 * code; }

// Sounds 0..16 of the scene (effects); the crowd's follow from 2512.
constexpr int32_t SZ_SOUND_ERSTER = 2495, SZ_SOUND_LETZTER = 2511;

// Palette indices. The kit ranges are those the slot remap of each figure replaces.
enum : uint8_t {
    SZ_WEISS = 15, SZ_SCHWARZ = 16, SZ_HAUT = 162, SZ_HAAR = 212, SZ_STUTZEN = 234, SZ_HEMD = 236, SZ_HOSE = 241,
    SZ_BESATZ = 246, SZ_SCHUH = 248, SZ_GRAS = 20, SZ_GRAS_STUFEN = 40, SZ_BAHN = 60, SZ_BODEN = 63, SZ_SCHNEE = 66,
    SZ_LINIE_BLAU = 70, SZ_ERDE = 71, SZ_SCHATTEN = 74, SZ_FAHNE_GELB = 75, SZ_KARTE_ROT = 76, SZ_NETZ = 77,
    // the fans' shirt (three shades) and scarf or flag, replaced per fan; their trousers
    SZ_FAN_HEMD = 80, SZ_FAN_SCHAL = 83, SZ_FAN_HOSE = 84,
};
// The scene palette (6-bit components, 768 bytes): greys, then the scene's colours.
void Spielszenen_Szenen_Palette(uint8_t* palette768);
