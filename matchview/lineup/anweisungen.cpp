#include "matchview/lineup/anweisungen.h"

#include <algorithm>
#include <utility>

#include "database/spieler.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_effekt.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "platform/temp.h"
#include "screens/spieler_detail.h"

namespace {

constexpr int32_t FONT = 3;
constexpr int32_t GILT_FUER_Y = 197;
// The instruction buttons frame the lines: each value's picture (50 x 12) inside the frame's left
// end, the line centred in the rest of the frame (at x 136 the longest lines ran past the
// frame's right edge).
constexpr int32_t BILD_RAND = 2, BILD_B = 50;
constexpr int32_t ZEILE_LINKS = ANWEISUNG_KNOPF_X + BILD_RAND + BILD_B + 1, ZEILE_RECHTS = ANWEISUNG_KNOPF_X + ANWEISUNG_KNOPF_B - 1;
constexpr int32_t ZEILE_BREITE = ZEILE_RECHTS - ZEILE_LINKS, ZEILE_MITTE = (ZEILE_LINKS + ZEILE_RECHTS) / 2, SCHMAL = 9;
// An attribute's row: its label from the column's tab, its symbol (shrunk to the rows' pitch) at
// tab + 76, its value centred at tab + 114.
constexpr int32_t SYMBOL_X = 76, SYMBOL_GROESSE = 10, WERT_X = 114;
Anweisung_Text_Hook text_hook = nullptr;

// Where a row lives: offset of its 32-byte array in the change block (record +22752), its byte
// in the strength entry's instructions (entry +115), its steps and its first text.
struct Reihe {
    int32_t block, eintrag, stufen, text;
};
constexpr Reihe FELD[ANWEISUNG_REIHEN] = {{36, 0, 5, 0}, {68, 5, 5, 5}, {100, 6, 5, 10}, {132, 3, 5, 15}, {164, 4, 5, 20}};
constexpr Reihe TORWART[3] = {{228, 8, 3, 25}, {196, 9, 3, 28}, {260, 7, 4, 31}};
constexpr int32_t AENDERUNGS_FLAG = 7;  // change block byte of the side's flag (record +22759)

constexpr const char* TEXTE[35] = {
    "Spiele sehr aggressiv", "Spiele verstärkt aggressiv", "Spiele normal agressiv", "Spiele kaum aggressiv", "Spiele nicht aggressiv",
    "Laufe viel mit dem Ball", "Laufe mit dem Ball", "Passe bei guter Gelegenheit", "Spiele den Ball zügig weiter", "Spiele sofort ab",
    "Du hast alle Freiheiten", "Du hast gewisse Freiheiten", "Bleibe vorwiegend in deinem Raum", "Bleibe meist in deinem Raum",
    "Bleibe immer in deinem Raum",
    "Greife den Gegner sofort an", "Greife den Gegner früh an", "Attackiere den Gegner rechtzeitig", "Ziehe Dich etwas zurück",
    "Lasse den Gegner kommen",
    "Schieße bei jeder Gelegenheit", "Schieße frühzeitig", "Schieße bei guter Gelegenheit", "Schieße bei sehr guter Chance",
    "Schieße nur bei Riesenchancen",
    "Schlage weit ab", "Schlage kurz ab", "Entscheide je nach Situation",
    "Laufe früh heraus", "Warte möglichst lange", "Entscheide je nach Situation",
    "Suche Dir vorher eine Ecke aus", "Versuche eine Ecke zu ahnen", "Springe nach Links", "Springe nach Rechts",
};

struct Attribut {
    int32_t id;
    const char* name;
};
constexpr Attribut ATTRIBUTE[21] = {
    {58, "Kraft"},       {59, "Ausdauer"},   {60, "Zweikampf"},  {61, "Übersicht"}, {62, "Taktik"},       {63, "Teamgeist"},
    {64, "Spritzigkeit"}, {65, "Dribbling"}, {66, "Torschuss"},  {67, "Flanken"},   {68, "Freistoss"},    {69, "Elfmeter"},
    {70, "Ecken"},       {71, "Kopfball"},   {72, "Torinstinkt"}, {73, "Robustheit"}, {74, "Nerven"},     {75, "Aggressivität"},
    {79, "Reflexe"},     {80, "Herauslaufen"}, {81, "Strafraum"},
};
constexpr int32_t ERSTER_TORWART_EINTRAG = 18;

bool slot_gueltig(const Spielfeld_Record* r, int32_t slot) { return r && slot >= 0 && slot < SPIELFELD_SLOTS; }

const Reihe* reihe_von(bool torwart, int32_t reihe)
{
    if (reihe < 0 || reihe >= ANWEISUNG_REIHEN) return nullptr;
    if (torwart) return reihe < 3 ? &TORWART[reihe] : nullptr;
    return &FELD[reihe];
}

uint8_t& platz(Spielfeld_Record* r, int32_t slot, const Reihe& z)
{
    if (Netz_Rolle != 0) return r->anweisungen[z.block + slot];
    return r->spieler[slot].anweisung[z.eintrag];
}

void setzen(Spielfeld_Record* r, int32_t slot, const Reihe& z, int32_t wert)
{
    platz(r, slot, z) = uint8_t(wert);
    if (Netz_Rolle != 0) r->anweisungen[AENDERUNGS_FLAG + slot / 16] |= ANWEISUNG_AENDERUNG;
}

void drucken(Rastport* seite, int32_t x, int32_t y, const char* text, int32_t font = FONT)
{
    if (text_hook) text_hook(x, y, text);
    if (seite) Grafik_Printf(seite, Font(font), "%s", x, y, text);
}

// An instruction's line centred in its button's frame, in the narrow font where the page's own
// would leave the frame.
// The page's font, or the narrow one where the text would be wider than `breite`.
int32_t font_bis(const char* text, int32_t breite)
{
    Font_Record* f = Font(FONT);
    return f && Font_Text_Breite(f, text) > breite ? SCHMAL : FONT;
}

void zeile_drucken(Rastport* seite, int32_t y, int32_t farbe, const char* text)
{
    drucken(seite, 0, y, Temp_Sprintf("^c%05d^tz%04d%s", farbe, ZEILE_MITTE, text), font_bis(text, ZEILE_BREITE));
}

// The pitch's lines on the small pitch: outline, halfway line and centre circle, both penalty
// and goal areas (a pitch of 105 x 68 m on 123 x 76 pixels).
void feld_linien(Rastport* f, int32_t w, int32_t h)
{
    const uint16_t linie = Grafik_Farbe(12, 15, 12);
    auto rahmen = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        Grafik_Linie(f, x1, y1, x2, y1, linie);
        Grafik_Linie(f, x1, y2, x2, y2, linie);
        Grafik_Linie(f, x1, y1, x1, y2, linie);
        Grafik_Linie(f, x2, y1, x2, y2, linie);
    };
    rahmen(0, 0, w - 1, h - 1);
    Grafik_Linie(f, w / 2, 0, w / 2, h - 1, linie);
    constexpr int32_t STRAF_T = 19, STRAF_H = 45, TOR_T = 6, TOR_H = 21, KREIS = 10;
    rahmen(0, (h - STRAF_H) / 2, STRAF_T, (h + STRAF_H) / 2);
    rahmen(w - 1 - STRAF_T, (h - STRAF_H) / 2, w - 1, (h + STRAF_H) / 2);
    rahmen(0, (h - TOR_H) / 2, TOR_T, (h + TOR_H) / 2);
    rahmen(w - 1 - TOR_T, (h - TOR_H) / 2, w - 1, (h + TOR_H) / 2);
    for (int32_t x = -KREIS; x <= KREIS; ++x)
        for (int32_t y = -KREIS; y <= KREIS; ++y) {
            const int32_t d = x * x + y * y;
            if (d >= (KREIS - 1) * (KREIS - 1) && d < KREIS * KREIS) Grafik_Pixel_Setzen(f, w / 2 + x, h / 2 + y, linie);
        }
}

// A handle's picture centred on (x, y).
void marke(Rastport* f, Rastport* bild, int32_t x, int32_t y)
{
    if (bild) Grafik_Blit_Transparent(bild, 0, 0, int32_t(bild->width), int32_t(bild->height), f, x - int32_t(bild->width) / 2, y - int32_t(bild->height) / 2);
}

}  // namespace

void Anweisung_Set_Text_Hook(Anweisung_Text_Hook hook) { text_hook = hook; }

bool Anweisung_Ist_Torwart(const Spielfeld_Record* r, int32_t slot)
{
    if (!slot_gueltig(r, slot)) return false;
    const int32_t spnr = r->spieler[slot].spnr;
    return spnr >= 0 && spnr < Spieler_Anzahl && Spieler_Wert(SP_ART, spnr, 0, 0) == 0;
}

int32_t Anweisung_Wert(const Spielfeld_Record* r, int32_t slot, int32_t reihe)
{
    if (!slot_gueltig(r, slot)) return -1;
    const Reihe* z = reihe_von(Anweisung_Ist_Torwart(r, slot), reihe);
    if (!z) return -1;
    return platz(const_cast<Spielfeld_Record*>(r), slot, *z);
}

bool Anweisung_Schritt(Spielfeld_Record* r, int32_t slot, int32_t reihe, bool vor)
{
    if (!slot_gueltig(r, slot)) return false;
    const Reihe* z = reihe_von(Anweisung_Ist_Torwart(r, slot), reihe);
    if (!z) return false;
    // A stored value beyond the row's steps counts as its last step.
    const int32_t wert = std::min<int32_t>(platz(r, slot, *z), z->stufen - 1);
    const int32_t neu = vor ? (wert + 1) % z->stufen : (wert + z->stufen - 1) % z->stufen;
    setzen(r, slot, *z, neu);
    return true;
}

void Anweisung_Alle_Uebernehmen(Spielfeld_Record* r, int32_t slot)
{
    if (!slot_gueltig(r, slot) || Anweisung_Ist_Torwart(r, slot)) return;
    const int32_t erster = slot / 16 * 16;
    for (const Reihe& z : FELD) {
        const uint8_t wert = platz(r, slot, z);
        for (int32_t s = erster; s < erster + 16; ++s) setzen(r, s, z, wert);
    }
}

int32_t Anweisung_Bild_Index(int32_t reihe, int32_t wert)
{
    if (reihe < 0 || reihe >= ANWEISUNG_REIHEN || wert < 0) return -1;
    return 5 * reihe + wert % 5;
}

int32_t Anweisung_Praesenz(const Spielfeld_Record* r, int32_t slot, int32_t zelle)
{
    if (!slot_gueltig(r, slot) || zelle < 0 || zelle >= 100) return 0;
    return (r->spieler[slot].praesenz[zelle / 4] >> (2 * (zelle % 4))) & 3;
}

void Anweisung_Mini_Feld(Rastport* feld, const Spielfeld_Record* r, int32_t slot, Rastport* defensiv, Rastport* offensiv)
{
    if (!feld || !slot_gueltig(r, slot)) return;
    const int32_t w = int32_t(feld->width), h = int32_t(feld->height);
    Grafik_Rechteck_Fuellen(feld, 0, 0, w, h, Grafik_Farbe(2, 7, 2));
    feld_linien(feld, w, h);
    // where he has been: the cells of the 10 x 10 grid lightened by how often
    if (Rastport* karte = Grafik_Bitmap_Anlegen(w, h, 16)) {
        Grafik_Rechteck_Fuellen(karte, 0, 0, w, h, 0);
        for (int32_t zelle = 0; zelle < 100; ++zelle) {
            const int32_t stufe = Anweisung_Praesenz(r, slot, zelle);
            if (stufe) Grafik_Rechteck_Fuellen(karte, (zelle % 10) * 123 / 10, (zelle / 10) * 76 / 10, 13, 8, uint16_t(stufe * 40));
        }
        Grafik_Kanal_Effekt(feld, karte);
        Grafik_Bitmap_Freigeben(karte);
    }
    // pitch units (10800 x 6806) to the small pitch's pixels
    const int32_t* t = r->spieler[slot].taktik_punkte;
    auto px = [w](int32_t x) { return int32_t(int64_t(x) * w / 10800); };
    auto py = [h](int32_t y) { return int32_t(int64_t(y) * h / 6806); };
    int32_t x1 = t[0], x2 = t[1], y1 = t[2], y2 = t[3];
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const uint16_t rand = 1;
    Grafik_Linie(feld, px(x1), py(y1), px(x2), py(y1), rand);
    Grafik_Linie(feld, px(x1), py(y2), px(x2), py(y2), rand);
    Grafik_Linie(feld, px(x1), py(y1), px(x1), py(y2), rand);
    Grafik_Linie(feld, px(x2), py(y1), px(x2), py(y2), rand);
    marke(feld, defensiv, px(t[4]), py(t[6]));
    marke(feld, offensiv, px(t[5]), py(t[7]));
}

const char* Anweisung_Text(bool torwart, int32_t reihe, int32_t wert)
{
    const Reihe* z = reihe_von(torwart, reihe);
    if (!z || wert < 0) return "";
    return TEXTE[z->text + std::min(wert, z->stufen - 1)];
}

void Anweisung_Attribut_Spanne(const Spielfeld_Record* r, int32_t erster, int32_t ende, int32_t seite, int32_t* minimum,
                               int32_t* maximum, int32_t* spanne)
{
    for (int32_t k = std::max(erster, 0); k < std::min(ende, 21); ++k) {
        int32_t mn = 4000, mx = 0;
        for (int32_t s = 16 * seite; s < 16 * seite + 16 && r; ++s) {
            const int32_t spnr = r->spieler[s].spnr;
            if (spnr < 0 || spnr >= Spieler_Anzahl) continue;
            if (k >= ERSTER_TORWART_EINTRAG && Spieler_Wert(SP_ART, spnr, 0, 0) % 4 != 0) continue;
            const int32_t v = Spieler_Wert(ATTRIBUTE[k].id, spnr, 0, 0);
            mn = std::min(mn, v);
            mx = std::max(mx, v);
        }
        minimum[k] = mn;
        maximum[k] = mx;
        spanne[k] = mx - mn;
    }
}

void Draw_Anweisungen_Seite(Rastport* seite, Spielfeld_Record* r, int32_t slot, bool eigene_seite, bool alle,
                            Rastport* const* bilder, Rastport* defensiv, Rastport* offensiv)
{
    if (!slot_gueltig(r, slot)) return;
    const int32_t weiss = Grafik_Farbe(15, 15, 15);
    const bool torwart = Anweisung_Ist_Torwart(r, slot);
    static constexpr int32_t ZEILEN_Y[ANWEISUNG_REIHEN] = {116, 135, 154, 173, 192};
    if (!eigene_seite) {
        drucken(seite, 0, 98, Temp_Sprintf("^c%05d^tz%04dAnweisungen", weiss, 116));
        for (int32_t y : ZEILEN_Y) zeile_drucken(seite, y, weiss, "-- ??? --");
    } else {
        drucken(seite, 0, 98,
                torwart ? Temp_Sprintf("^c%05d^tz%04dAnweisungen an den Torwart", weiss, 116)
                        : Temp_Sprintf("^c%05d^tz%04dAnweisungen an %s Spieler", weiss, 116, alle ? "alle" : "den"));
        for (int32_t i = 0; i < (torwart ? 3 : ANWEISUNG_REIHEN); ++i) {
            const int32_t wert = Anweisung_Wert(r, slot, i);
            zeile_drucken(seite, ZEILEN_Y[i], weiss, Anweisung_Text(torwart, i, wert));
            const int32_t b = Anweisung_Bild_Index(i, wert);
            Rastport* bild = bilder && b >= 0 ? bilder[b] : nullptr;
            if (seite && bild)
                Grafik_Blit_Transparent(bild, 0, 0, int32_t(bild->width), int32_t(bild->height), seite, ANWEISUNG_KNOPF_X + BILD_RAND,
                                        ANWEISUNG_KNOPF_Y + ANWEISUNG_KNOPF_ABSTAND * i + (ANWEISUNG_KNOPF_H - int32_t(bild->height)) / 2);
        }
    }

    const int32_t erster = torwart ? ERSTER_TORWART_EINTRAG : 0, ende = torwart ? 21 : ERSTER_TORWART_EINTRAG;
    int32_t mn[21], mx[21], spanne[21];
    Anweisung_Attribut_Spanne(r, erster, ende, slot / 16, mn, mx, spanne);
    const int32_t spnr = r->spieler[slot].spnr;
    for (int32_t k = erster; k < ende && spnr >= 0 && spnr < Spieler_Anzahl; ++k) {
        const int32_t n = k - erster;
        const int32_t x = 12 + 133 * (n / 6), y = 24 + 11 * (n % 6);
        const int32_t wert = Spieler_Wert(ATTRIBUTE[k].id, spnr, 0, 0);
        // The player's best within his side stand out brightest; equal values all get the darkest.
        const int32_t g = std::max(3, (wert - mn[k]) * 128 / std::max(1, spanne[k]) / 8);
        drucken(seite, 0, y, Temp_Sprintf("^c%05d^tl%04d%s", weiss, x, ATTRIBUTE[k].name), font_bis(ATTRIBUTE[k].name, SYMBOL_X - 2));
        drucken(seite, 0, y,
                Temp_Sprintf("^c%05d^tz%04d%d", int32_t(Grafik_Farbe(uint32_t(std::min(g, 15)), uint32_t(std::min(g, 15)), 15)), x + WERT_X,
                             wert));
        // the goalkeeper's three entries are attribute numbers 21-23
        if (seite) Sp_Attribute_Blit_Klein(seite, k + (torwart ? 3 : 0), x + SYMBOL_X, y - SYMBOL_GROESSE, SYMBOL_GROESSE);
    }
    if (Rastport* feld = seite ? Grafik_Bitmap_Anlegen(MINI_FELD_B, MINI_FELD_H, seite->depth) : nullptr) {
        Grafik_Blit(seite, MINI_FELD_X, MINI_FELD_Y, MINI_FELD_B, MINI_FELD_H, feld, 0, 0);
        Anweisung_Mini_Feld(feld, r, slot, defensiv, offensiv);
        Grafik_Blit(feld, 0, 0, MINI_FELD_B, MINI_FELD_H, seite, MINI_FELD_X, MINI_FELD_Y);
        Grafik_Bitmap_Freigeben(feld);
    }
    // Both clear of the chosen player's pictures right of them, in the narrow font where needed.
    drucken(seite, 238, 182, Temp_Sprintf("^c%05dAnweisung gilt für", weiss), font_bis("Anweisung gilt für", ANWEISUNG_NAME_X - 242));
    // inside the toggle's frame below the label (at the frame's top it stood on the frame's edge)
    const char* gilt = alle ? "alle Spieler" : "diesen Spieler ->";
    drucken(seite, 253, GILT_FUER_Y, Temp_Sprintf("^c%05d%s", weiss, gilt), font_bis(gilt, ANWEISUNG_NAME_X - 255));
    if (alle && eigene_seite) Anweisung_Alle_Uebernehmen(r, slot);
}
