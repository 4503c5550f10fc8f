#include "matchview/live/spielszenen_kamera.h"

#include <cmath>
#include <cstring>

#include "match/spielfeld.h"
#include "platform/maus.h"

// Index: 0 length, 1 width, 2/3 lower posts, 4/5 upper posts, 6/7 crossbars, 8/9 penalty spots (x),
// 10/11 centre line across, 12/13 and 14/15 penalty area sides (y), 16/17 penalty area lines (x),
// 18/19 and 20/21 goal area sides (y), 22/23 goal area lines (x), 24/25 centre circle edges (y).
int32_t Spielfeld_Masse[SPIELFELD_MASSE_ANZAHL] = {10800, 6806, 2953, 2953, 3853, 3853, 300,  300,  1100,
                                                   9700,  3403, 3403, 1388, 1388, 5418, 5418, 1632, 9168,
                                                   2487,  2487, 4319, 4319, 550,  10250, 2488, 4318};

Spielszenen_Fenster Spielszenen_Fenster_Liste[SPIELSZENEN_FENSTER] = {};

namespace {

constexpr float L = 108.0f, W = 68.06f;
constexpr int32_t BILD_HALB_BREITE = 1198;
uint32_t ansicht_zustand = 1;

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

void ansicht_begrenzen(Spielfeld_Record* r)
{
    r->ansicht_x = begrenzt(r->ansicht_x, 0, SPIELSZENEN_ANSICHT_MAX_X);
    r->ansicht_y = begrenzt(r->ansicht_y, 0, SPIELSZENEN_ANSICHT_MAX_Y);
}

bool im_rechteck(int32_t mx, int32_t my, int32_t x, int32_t y, int32_t w, int32_t h)
{
    return mx >= x && mx < x + w && my >= y && my < y + h;
}

bool im_wechsel(const Spielfeld_Record* r, int32_t slot)
{
    for (int32_t s = 0; s < 2; ++s)
        for (int32_t i = 0; i < 7; ++i)
            if (r->einwechsel[s][i] == slot || r->auswechsel[s][i] == slot) return true;
    return false;
}

}  // namespace

void Spielszenen_Spielfeld_Masse_Setzen(int32_t* m)
{
    if (!m) return;
    const int32_t laenge = 10800, breite = 6806;
    m[0] = laenge;
    m[1] = breite;
    m[2] = m[3] = breite / 2 - 450;
    m[4] = m[5] = breite / 2 + 450;
    m[6] = m[7] = 300;
    m[8] = 1100;
    m[9] = laenge - 1100;
    m[10] = m[11] = breite / 2;
    m[12] = m[13] = 1388;
    m[14] = m[15] = 5418;
    m[16] = 1632;
    m[17] = laenge - 1632;
    m[18] = m[19] = 2487;
    m[20] = m[21] = 4319;
    m[22] = 550;
    m[23] = laenge - 550;
    m[24] = breite / 2 - 915;
    m[25] = breite / 2 + 915;
}

int32_t Spielszenen_Runden(float v) { return int32_t(v < 0.0f ? v - 0.5f : v + 0.5f); }

int32_t Spielszenen_Feld_Zu_Bild(const Spielfeld_Record* r, float x, float y, float z, int32_t* px, int32_t* py)
{
    const float X = x * 0.01f, Y = y * 0.01f, Z = z * 0.01f;
    const bool gespiegelt = r && r->gespiegelt != 0;
    const float a = (gespiegelt ? L - X : X) * 357.0f / 108.0f;
    const float b = (W - Y) * 225.0f / W;
    float v = a - b;
    if (Z != 0.0f) v -= 4.0f * Z * 225.0f / W;
    const int32_t bx = gespiegelt ? Spielszenen_Runden(4.0f * (-b - a)) + 2364 : Spielszenen_Runden(4.0f * (a + b)) + 33;
    if (px) *px = bx;
    if (py) *py = Spielszenen_Runden(v) + 292;
    return 0;
}

int32_t Spielszenen_Bild_Zu_Feld(const Spielfeld_Record* r, int32_t px, int32_t py, int32_t* x, int32_t* y)
{
    const float v = float(py - 292);
    float a, b;
    int32_t fx;
    if (r && r->gespiegelt) {
        const float u = float(px - 2364);
        a = (v * 0.5f - u * 0.125f) * 108.0f / 357.0f;
        b = (-(v * 0.5f) - u * 0.125f) * 68.06f / 225.0f;
        fx = Spielszenen_Runden((108.0f - a) * 100.0f);
    } else {
        const float u = float(px - 33);
        a = (u * 0.125f + v * 0.5f) * 108.0f / 357.0f;
        b = (u * 0.125f - v * 0.5f) * 68.06f / 225.0f;
        fx = Spielszenen_Runden(a * 100.0f);
    }
    if (x) *x = fx;
    if (y) *y = Spielszenen_Runden((68.06f - b) * 100.0f);
    return 0;
}

int32_t Spielszenen_Winkel_Berechnen(float dx, float dy)
{
    if (dx == 0.0f) return 156;
    return int32_t(std::atan(dy / dx) * 100.0);
}

int32_t Spielszenen_Richtung_Berechnen(float x1, float y1, float x2, float y2)
{
    const float dx = x2 - x1, dy = y2 - y1;
    if (dy != 0.0f && dx == 0.0f) return dy > 0.0f ? 4 : 0;
    if (dy == 0.0f && dx != 0.0f) return dx < 0.0f ? 6 : 2;
    const int32_t a = dx == 0.0f && dy == 0.0f ? 0 : Spielszenen_Winkel_Berechnen(dx, dy);
    if (dx < 0.0f && dy > 0.0f) return -a < 20 ? 6 : -a < 100 ? 5 : 4;
    if (dx < 0.0f) return a < 20 ? 6 : a < 86 ? 7 : 0;
    if (dy > 0.0f) return a < 20 ? 2 : a < 100 ? 3 : 4;
    return -a < 20 ? 2 : -a < 86 ? 1 : 0;
}

float Spielszenen_Abstand(float x1, float y1, float x2, float y2)
{
    const float dx = x2 - x1, dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

void Spielszenen_Kamera_Nachfuehren(Spielfeld_Record* r, const Spielfeld_Steuerung_Block* st, int32_t replay)
{
    if (!r || !st || replay || st->pause) return;
    float* ziel = r->kamera_ziel;
    ziel[0] = ziel[0] < 800.0f ? 800.0f : ziel[0] > 10000.0f ? 10000.0f : ziel[0];
    ziel[1] = ziel[1] < 1360.0f ? 1360.0f : ziel[1] > 5440.0f ? 5440.0f : ziel[1];
    const bool direkt = st->kamera_glatt_aus || r->elfmeter_schuss;
    int32_t d[3];
    for (int32_t k = 0; k < 3; ++k) {
        float diff = ziel[k] - float(r->kamera[k]);
        if (!direkt) diff *= 0.25f;
        d[k] = int32_t(diff);
    }
    if (d[0] == 0 && d[1] == 0 && d[2] == 0) return;
    const int32_t s = st->kamera_teiler / 2;
    for (int32_t k = 0; k < 3; ++k) r->kamera[k] += s == 0 ? d[k] : r->elfmeter_schuss ? d[k] / 5 : d[k] / s;
    int32_t px = 0, py = 0;
    Spielszenen_Feld_Zu_Bild(r, float(r->kamera[0]), float(r->kamera[1]), float(r->kamera[2]), &px, &py);
    r->ansicht_x = px - 320;
    r->ansicht_y = py - 240;
    ansicht_begrenzen(r);
}

void Spielszenen_Kamera_Scrollen(const Spielszenen_Fenster* f, Spielfeld_Record* r, const Spielfeld_Steuerung_Block* st,
                                 int32_t replay)
{
    Spielszenen_Kamera_Scrollen_Bei(f, r, st, replay, Maus_Get_X(), Maus_Get_Y());
}

void Spielszenen_Kamera_Scrollen_Bei(const Spielszenen_Fenster* f, Spielfeld_Record* r, const Spielfeld_Steuerung_Block* st,
                                     int32_t replay, int32_t mx, int32_t my)
{
    if (!f || !r || !st || replay || !st->pause) return;
    // A divisor the engine never set counts as 1, never as a division by zero.
    const int32_t schritt = 300 / (st->kamera_teiler < 1 ? 1 : st->kamera_teiler);
    if (im_rechteck(mx, my, f->x, f->y, f->breite, f->hoehe)) {
        if (im_rechteck(mx, my, f->x, f->y, 10, f->hoehe)) r->ansicht_x -= schritt;
        if (im_rechteck(mx, my, f->x + f->breite - 10, f->y, 10, f->hoehe)) r->ansicht_x += schritt;
        if (im_rechteck(mx, my, f->x, f->y, f->breite, 10)) r->ansicht_y -= schritt;
        if (im_rechteck(mx, my, f->x, f->y + f->hoehe - 10, f->breite, 10)) r->ansicht_y += schritt;
    }
    ansicht_begrenzen(r);
}

void Spielszenen_Kameras_Bewegen(const Spielfeld_Steuerung_Block* st, int32_t replay)
{
    if (!st) return;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        if (!f.sichtbar || !f.record) continue;
        if (st->pause) Spielszenen_Kamera_Scrollen(&f, f.record, st, replay);
        else Spielszenen_Kamera_Nachfuehren(f.record, st, replay);
        if (f.groesse == 1) {
            const int32_t v = f.record->ansicht_x / 2 - 160 > 0 ? f.record->ansicht_x / 2 - 160 : 0;
            if (v + f.breite > BILD_HALB_BREITE) f.record->ansicht_x = (BILD_HALB_BREITE - f.breite + 160) * 2;
        }
    }
}

int32_t Spielszenen_Hintergrund_Id(const Spielszenen_Fenster* f, const Spielfeld_Record* r)
{
    if (!f || !r) return 0;
    static constexpr int32_t BASIS[2][5] = {{1999, 2023, 2047, 2071, 2095}, {2011, 2035, 2059, 2083, 2107}};
    const int32_t art = r->platz_art % 5, variante = r->platz_variante % 2, wetter = r->wetter % 4;
    int32_t id = BASIS[f->groesse == 0 ? 0 : 1][art] + (r->gespiegelt ? 1 : 0);
    id += wetter > 1 ? 2 * wetter + 4 : 2 * variante + 4 * wetter;
    return id;
}

int32_t Spielszenen_Slot_Eigene_Seite(const Spielszenen_Fenster* f, int32_t slot)
{
    if (!f || f->seite < 0) return 0;
    return slot >= 16 * f->seite && slot < 16 * (f->seite + 1) ? 1 : 0;
}

int32_t Spielszenen_Slot_Im_Wechsel(const Spielfeld_Record* r, int32_t slot)
{
    return r && im_wechsel(r, slot) ? 1 : 0;
}

int32_t Spielszenen_Seite_Hat_Wechsel(const Spielfeld_Record* r, int32_t seite)
{
    if (!r || seite < 0 || seite > 1) return 0;
    for (int32_t s = 16 * seite; s < 16 * seite + 16; ++s)
        if (im_wechsel(r, s)) return 1;
    return 0;
}

// The panels read the entry's bytes 76 and 77: the low and high byte of its fourth skill value.
int32_t Spielszenen_Seite_Hat_Flag_Kombination(const Spielfeld_Record* r, int32_t seite)
{
    if (!r || seite < 0 || seite > 1) return 0;
    for (int32_t s = 16 * seite; s < 16 * seite + 16; ++s) {
        const uint8_t b76 = uint8_t(r->spieler[s].faehigkeit[3]);
        if ((b76 & 16) && (b76 & 64)) return 1;
    }
    return 0;
}

int32_t Spielszenen_Seite_Hat_Karte(const Spielfeld_Record* r, int32_t seite)
{
    if (!r || seite < 0 || seite > 1) return 0;
    for (int32_t s = 16 * seite; s < 16 * seite + 16; ++s) {
        const uint8_t b76 = uint8_t(r->spieler[s].faehigkeit[3]);
        const uint8_t b77 = uint8_t(r->spieler[s].faehigkeit[3] >> 8);
        if ((b76 & 16) && (b77 & 3)) return 1;
    }
    return 0;
}

int32_t Spielszenen_Vergleich_Wert(const void* a, const void* b)
{
    float x, y;
    std::memcpy(&x, *static_cast<const uint8_t* const*>(a) + 76, sizeof x);
    std::memcpy(&y, *static_cast<const uint8_t* const*>(b) + 76, sizeof y);
    return y > x ? 1 : y < x ? -1 : 0;
}

int32_t Spielszenen_Zufall_Starten(const Spielfeld_Record* r)
{
    if (!r) return 0;
    ansicht_zustand = uint32_t(r->ansicht_seed);
    return r->ansicht_seed;
}

int32_t Spielszenen_Zufall(int32_t lo, int32_t hi)
{
    ansicht_zustand = ansicht_zustand * 1103515245u + 12345u;
    const int32_t zahl = int32_t((ansicht_zustand >> 16) & 0x7FFF);
    const int32_t n = hi - lo + 1;
    return n > 0 ? lo + zahl % n : lo;
}
