// The stadium around the pitch of a view window: stand pictures, their seat blocks, benches and
// the board places. Shared by the view that draws them and the data builder that paints the
// pictures, so that fans sit on the painted steps and boards stand where the builder left room.
#pragma once
#include <cstdint>

struct Spielfeld_Record;
struct Spielszenen_Fenster;

// Stand pictures: full size 2183-2338, half size 2339-2494; per set six sections.
constexpr int32_t SZ_TRIBUENE_ERSTE = 2183, SZ_TRIBUENE_LETZTE = 2494, SZ_TRIBUENE_HALB = 2339;
// Benches (dugouts): full size, mirrored, half size, mirrored.
constexpr int32_t SZ_BANK = 1828;
constexpr int32_t SZ_BANK_BREITE = 64, SZ_BANK_HOEHE = 30;
constexpr int32_t SZ_ABSCHNITTE = 6, SZ_BLOECKE = 24, SZ_BLOCK_REIHEN = 12;
constexpr int32_t SZ_ZUSCHAUER_MAX = 4000;

// The fans' animation rows: 84 sprite lists from 2593 (the numbers below are the league
// table's buttons), each holding the row's frames for facing 0 (towards the camera), 1 (to the
// right), 2 (to the left) and 3 (away), one facing after the other. Resting rows (0-5 seated,
// 12-17 standing) hold one frame a facing, the others four.
constexpr int32_t SZ_ZUSCHAUER_ERSTE = 2593, SZ_ZUSCHAUER_REIHEN = 84, SZ_ZUSCHAUER_BLICKE = 4;
constexpr int32_t SZ_ZUSCHAUER_BREITE = 9, SZ_ZUSCHAUER_HOEHE = 14, SZ_ZUSCHAUER_FUSS_X = 4, SZ_ZUSCHAUER_FUSS_Y = 13;
constexpr bool Spielszenen_Zuschauer_Ruhend(int32_t reihe) { return reihe < 6 || (reihe >= 12 && reihe < 18); }
constexpr int32_t Spielszenen_Zuschauer_Bilder(int32_t reihe) { return Spielszenen_Zuschauer_Ruhend(reihe) ? 1 : 4; }
// Seat backs in front of the fans of two-tier stands (kinds 5 and 6), by facing: 2862 + 4 x
// (kind - 5) + facing; their feet at the fan's.
constexpr int32_t SZ_UEBERLAGERUNG = 2862, SZ_UEBERLAGERUNG_BREITE = 12, SZ_UEBERLAGERUNG_HOEHE = 6;
constexpr int32_t Spielszenen_Ueberlagerung_Id(int32_t art, int32_t blick) { return SZ_UEBERLAGERUNG + 4 * (art - 5) + (blick & 3); }
static_assert(SZ_ZUSCHAUER_ERSTE + SZ_ZUSCHAUER_REIHEN <= SZ_UEBERLAGERUNG, "fan rows overlap the seat backs");

// The picture of window section `abschnitt` (0-5) for a stand kind -1..6.
constexpr int32_t Spielszenen_Tribuene_Id(int32_t art, int32_t abschnitt, bool voll, bool gespiegelt, bool variante, bool schnee)
{
    if (art < -1 || art > 6) art = -1;
    if (art == -1) return (voll ? 2327 : 2339) + (gespiegelt ? 6 : 0) + abschnitt;
    const int32_t gruppe = art <= 2 ? 0 : art <= 4 ? 1 : art - 3;  // 0-2, 3-4, 5, 6
    const int32_t form = schnee ? 2 : variante ? 0 : 1;            // sets: variant, plain, snow
    const int32_t basis = voll ? 2183 : 2351;
    return basis + form * 48 + gruppe * 12 + (gespiegelt ? 6 : 0) + abschnitt;
}

// What a stand picture shows (for the builder): kind group (0 terraces, 1 covered, 2 and 3 two
// tiers, -1 open ground), form (0 variant, 1 plain, 2 snow), mirrored, section, full size.
struct Spielszenen_Tribuene_Bild {
    int32_t gruppe, form, abschnitt;
    bool gespiegelt, voll;
};
constexpr Spielszenen_Tribuene_Bild Spielszenen_Tribuene_Zerlegen(int32_t id)
{
    Spielszenen_Tribuene_Bild b{-1, 1, 0, false, true};
    b.voll = id < SZ_TRIBUENE_HALB;
    if (id >= 2327 && id < 2351) {
        const int32_t k = (id - 2327) % 12;
        b.voll = id < 2339;
        b.gespiegelt = k >= 6, b.abschnitt = k % 6;
        return b;
    }
    const int32_t k = id - (b.voll ? 2183 : 2351);
    b.form = k / 48, b.gruppe = k % 48 / 12, b.gespiegelt = k % 12 >= 6, b.abschnitt = k % 6;
    return b;
}

// One seat block in full-size picture pixels (normal orientation): its first seat, the step to
// the next seat of a row and to the next row; seats per row; the section it belongs to and the
// way its fans face (0 towards the camera, 1 to the right, 2 to the left, 3 away).
struct Spielszenen_Block {
    float x, y, sitz_dx, sitz_dy, reihe_dx, reihe_dy;
    int32_t sitze, reihen, abschnitt, blick;
};
// Block 0-11 (normal); 12-23 are their mirror pictures. Half-size windows halve the pixels.
Spielszenen_Block Spielszenen_Block_Geometrie(int32_t block);
// A pitch point (metres, height z) on the full-size picture in normal orientation.
void Spielszenen_Szene_Punkt(float x, float y, float z, float* px, float* py);
// The board positions: the first board's corner and the step to the next board along the line
// (full size, normal), the board count and whether they stand behind a goal.
struct Spielszenen_Bandenplatz {
    float x, y, dx, dy;
    int32_t anzahl;
    bool hinter_tor;
};
Spielszenen_Bandenplatz Spielszenen_Banden_Platz(int32_t position);
// The benches stand where the engine seats each side's staff and substitutes: along the far
// touchline, 3.48 m beyond it, the home bench around 44.3 m and the away bench around 72.4 m.
constexpr float SZ_BANK_MITTE_X[2] = {44.3f, 72.4f}, SZ_BANK_Y = -3.48f;
// The dugout's floor in the middle of its picture (full size), where the seated sit.
constexpr int32_t SZ_BANK_BODEN_Y = 21;
// The place of bench k's picture (top left corner, full size) in the orientation given.
void Spielszenen_Bank_Platz(int32_t k, bool gespiegelt, int32_t* x, int32_t* y);

// ---- the view's scenery (window thread) ----
struct Spielszenen_Zuschauer {
    uint8_t pose, bild, reihe, blick, ueberlagerung, schleifen, block, frei;
    uint32_t naechste, letzte;
    int32_t rate;
    int16_t x, y;  // picture pixels at the window's size
};
// Builds the window's scenery at set-up and after mirroring: stands and benches painted into
// the background picture, the crowd placed from the record's view seed.
void Spielszenen_Tribuenen_Laden(Spielszenen_Fenster* f, Spielfeld_Record* r);
void Spielszenen_Bank_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r);
void Spielszenen_Zuschauer_Verteilen(Spielszenen_Fenster* f, Spielfeld_Record* r);
void Spielszenen_Zuschauer_Setzen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t block, int32_t sitz, int32_t reihe);
void Spielszenen_Zuschauer_Bewegen(Spielszenen_Fenster* f, Spielfeld_Record* r, Spielszenen_Zuschauer* z);
bool Spielszenen_Zuschauer_Sichtbar(const Spielszenen_Fenster* f, const Spielfeld_Record* r, const Spielszenen_Zuschauer* z);
void Spielszenen_Zuschauer_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t block);
// Whether frames wider than eight pixels go onto the page a row in one AVX2 vector where the
// processor has it (the default); off, two SSE2 vectors a row, the same pixels.
void Spielszenen_Zuschauer_Avx2(bool erlaubt);
void Spielszenen_Werbung_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t position);
bool Spielszenen_Abschnitt_Sichtbar(const Spielszenen_Fenster* f, const Spielfeld_Record* r, int32_t abschnitt);
// Pass 0 before the figures, pass 1 (the near stands' fans) after them.
void Spielszenen_Szenerie_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t durchgang);
// Places the goal parts for the window's size and orientation.
void Spielszenen_Tore_Platzieren(Spielszenen_Fenster* f, Spielfeld_Record* r);
// The window's crowd (tests and benchmarks): its list and count; a block's first and end index.
const Spielszenen_Zuschauer* Spielszenen_Zuschauer_Liste(const Spielszenen_Fenster* f, int32_t* anzahl);
void Spielszenen_Block_Spanne(const Spielszenen_Fenster* f, int32_t block, int32_t* erste, int32_t* ende);
// The stand picture each window section got at the last set-up (tests).
int32_t Spielszenen_Tribuene_Geladen(const Spielszenen_Fenster* f, int32_t abschnitt);
void Spielszenen_Szenerie_Freigeben();
// Forgets the fans' frames decoded for drawing (before the scene's sprites are given back).
void Spielszenen_Zuschauer_Bilder_Vergessen();
