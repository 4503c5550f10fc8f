#include "tools/datagen/wappen_bilder.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {

constexpr int W = 48, H = 48;

struct Rgb {
    int r, g, b;
};

uint16_t rgb(int r, int g, int b)
{
    uint16_t v = uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
    return v ? v : 1;  // visible black is 1
}
uint16_t rgb(const Rgb& c) { return rgb(c.r, c.g, c.b); }

int helligkeit(int r, int g, int b) { return (299 * r + 587 * g + 114 * b) / 1000; }

// Inside shield shape s: 0 classic (straight top, sides meeting in a point), 1 round (a disc),
// 2 angular (an octagon), 3 rounded (straight top, a round bottom).
bool schild(int s, int x, int y)
{
    if (x < 4 || x > 43 || y < 3 || y > 45) return false;
    const int dx = std::abs(2 * x - 47);  // distance from the middle, in half pixels
    switch (s) {
    case 1: {
        const int dy = std::abs(2 * y - 48);
        return dx * dx + dy * dy <= 41 * 41;
    }
    case 2: {
        // an octagon: all four corners cut
        const int rx = 20 - std::abs(2 * x - 47) / 2, ry = std::min(y - 3, 42 - y);
        return y <= 42 && rx + ry >= 10;
    }
    case 3: return y < 26 || dx * dx / 4 + (y - 26) * (y - 26) <= 20 * 20;
    default: return y < 22 || dx * 23 <= 40 * (45 - y);
    }
}

bool emblem(int e, int x, int y)
{
    int cx = x - 24, cy = y - 22;
    switch (e) {
    case 0: return cx * cx + cy * cy <= 64;                        // ball
    case 1: return std::abs(cx) + std::abs(cy) <= 9;               // diamond
    case 2: return (std::abs(cx) <= 2 && std::abs(cy) <= 10) || (std::abs(cy) <= 2 && std::abs(cx) <= 10);  // cross
    default: return cy >= -4 && cy <= 6 && std::abs(cy + std::abs(cx) - 2) <= 2 && std::abs(cx) <= 10;     // chevron
    }
}

Resf_Bitmap leer()
{
    Resf_Bitmap b;
    b.width = W;
    b.height = H;
    b.depth = 16;
    b.pixels.assign(2 * W * H, 0);
    b.mask.assign((W * H + 7) / 8, 0);
    return b;
}

void setzen(Resf_Bitmap& b, int x, int y, uint16_t v)
{
    const int k = y * W + x;
    b.pixels[size_t(2 * k)] = uint8_t(v);
    b.pixels[size_t(2 * k + 1)] = uint8_t(v >> 8);
    b.mask[size_t(k / 8)] |= uint8_t(1u << (k % 8));
}

uint16_t lesen(const Resf_Bitmap& b, int x, int y)
{
    const int k = y * W + x;
    return uint16_t(b.pixels[size_t(2 * k)] | b.pixels[size_t(2 * k + 1)] << 8);
}

// Fills shield s with colour f(x, y) and gives it a dark edge.
template <class F>
Resf_Bitmap schild_malen(int s, F f)
{
    Resf_Bitmap b = leer();
    const uint16_t rand = rgb(30, 30, 30);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!schild(s, x, y)) continue;
            const bool kante = !schild(s, x - 1, y) || !schild(s, x + 1, y) || !schild(s, x, y - 1) ||
                               !schild(s, x, y + 1);
            setzen(b, x, y, kante ? rand : f(x, y));
        }
    return b;
}

// 5 x 7 capitals and digits, one row per byte (bit 4 = left column).
constexpr uint8_t BUCHSTABEN[26][7] = {
    {14, 17, 17, 31, 17, 17, 17}, {30, 17, 17, 30, 17, 17, 30}, {14, 17, 16, 16, 16, 17, 14},
    {30, 17, 17, 17, 17, 17, 30}, {31, 16, 16, 30, 16, 16, 31}, {31, 16, 16, 30, 16, 16, 16},
    {14, 17, 16, 23, 17, 17, 15}, {17, 17, 17, 31, 17, 17, 17}, {14, 4, 4, 4, 4, 4, 14},
    {7, 2, 2, 2, 2, 18, 12},      {17, 18, 20, 24, 20, 18, 17}, {16, 16, 16, 16, 16, 16, 31},
    {17, 27, 21, 21, 17, 17, 17}, {17, 17, 25, 21, 19, 17, 17}, {14, 17, 17, 17, 17, 17, 14},
    {30, 17, 17, 30, 16, 16, 16}, {14, 17, 17, 17, 21, 18, 13}, {30, 17, 17, 30, 20, 18, 17},
    {15, 16, 16, 14, 1, 1, 30},   {31, 4, 4, 4, 4, 4, 4},       {17, 17, 17, 17, 17, 17, 14},
    {17, 17, 17, 17, 17, 10, 4},  {17, 17, 17, 21, 21, 21, 10}, {17, 17, 10, 4, 10, 17, 17},
    {17, 17, 10, 4, 4, 4, 4},     {31, 1, 2, 4, 8, 16, 31},
};

// Where the monogram stands: two letters at twice their size in a box of 22 x 14 at (13, 15),
// on a plate of the first colour.
constexpr int MONO_X = 13, MONO_Y = 15, PLATTE_X0 = 10, PLATTE_X1 = 37, PLATTE_Y0 = 12, PLATTE_Y1 = 31;

std::vector<bool> monogramm_maske(const char* text)
{
    std::vector<bool> m(W * H, false);
    for (int i = 0; i < 2 && text[i]; ++i) {
        const int c = text[i] - 'A';
        if (c < 0 || c >= 26) continue;
        const int x0 = text[1] ? MONO_X + 12 * i : MONO_X + 6;
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 10; ++x)
                if (BUCHSTABEN[c][y / 2] & (16 >> (x / 2))) m[size_t((MONO_Y + y) * W + x0 + x)] = true;
    }
    return m;
}

// The letters a crest shows: the club's monogram, or for a number no club uses two letters of
// its own (600 numbers, 676 pairs: never the same twice).
std::string zeichen(int32_t n, const Wappen_Vorlage& v)
{
    if (n == WAPPEN_GRAU || n == WAPPEN_MUETZE) return "";
    if (v.verein) return v.monogramm;
    return {char('A' + n % 26), char('A' + n / 26 % 26)};
}

// Calm colours for the numbers without a club.
constexpr Rgb TABELLE[12] = {{200, 30, 30},  {20, 60, 170},  {0, 120, 50},  {240, 200, 40},
                             {120, 0, 120},  {250, 120, 0},  {0, 110, 120}, {90, 50, 20},
                             {100, 190, 250}, {240, 240, 240}, {20, 20, 20}, {150, 0, 40}};

const Wappen_Vorlagen* gesetzt = nullptr;

}  // namespace

Resf_Bitmap Manager_Wappen_Bild(int32_t n)
{
    static const int farben[12][6] = {
        {200, 30, 30, 255, 255, 255}, {20, 60, 170, 255, 220, 0}, {0, 120, 50, 255, 255, 255},
        {20, 20, 20, 240, 200, 40},   {120, 0, 120, 255, 255, 255}, {250, 120, 0, 20, 20, 20},
        {0, 110, 120, 250, 250, 200}, {160, 160, 160, 150, 0, 0},   {90, 50, 20, 240, 200, 120},
        {255, 220, 0, 20, 60, 170},   {100, 190, 250, 10, 40, 100}, {240, 240, 240, 0, 120, 50},
    };
    const int i = ((n % MANAGER_WAPPEN_ZAHL) + MANAGER_WAPPEN_ZAHL) % MANAGER_WAPPEN_ZAHL;
    const int* f = farben[i];
    const uint16_t grund = rgb(f[0], f[1], f[2]), zeichen = rgb(f[3], f[4], f[5]);
    const int form = i % 3, bild = (i / 3 + i) % 4;
    return schild_malen(form, [&](int x, int y) { return emblem(bild, x, y) ? zeichen : grund; });
}

std::string Wappen_Monogramm(const std::string& name)
{
    auto buchstabe = [](unsigned char c) -> char {
        if (c >= 'a' && c <= 'z') return char(c - 32);
        if (c >= 'A' && c <= 'Z') return char(c);
        if (c >= 0xE0) c = uint8_t(c - 32);  // Windows-1252 small accented letters
        static const char* const AKZENTE = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTs";
        if (c >= 0xC0 && c <= 0xDF) {
            const char b = AKZENTE[c - 0xC0];
            return b >= 'A' && b <= 'Z' ? b : 0;
        }
        return 0;
    };
    std::vector<std::string> woerter(1);
    for (unsigned char c : name) {
        const char b = buchstabe(c);
        if (b)
            woerter.back() += b;
        else if (!woerter.back().empty())
            woerter.emplace_back();
    }
    if (woerter.back().empty()) woerter.pop_back();
    if (woerter.empty()) return "";
    if (woerter.size() == 1) return woerter[0].substr(0, 2);
    return {woerter[0][0], woerter[1][0]};
}

Resf_Bitmap Vereins_Wappen_Bild(int32_t n, const Wappen_Vorlage& v, int32_t variante)
{
    if (n == WAPPEN_GRAU) return schild_malen(0, [](int, int) { return rgb(150, 150, 150); });
    if (n == WAPPEN_MUETZE) {
        // a cap seen from the side: crown on the left, a long brim to the right
        return schild_malen(3, [](int x, int y) {
            const int cx = x - 20, cy = y - 28;
            const bool krone = cy <= 0 && cx * cx * 100 + cy * cy * 144 <= 14400;
            const bool schirm = cy >= 0 && cy <= 2 && cx >= 4 && cx <= 19 - cy;
            const bool band = cy >= -2 && cy <= 0 && cx >= -12 && cx <= 12;
            return krone || schirm ? (band ? rgb(200, 40, 40) : rgb(235, 235, 235)) : rgb(90, 100, 115);
        });
    }
    Rgb a, b;
    if (v.verein) {
        a = {v.farbe[0][0], v.farbe[0][1], v.farbe[0][2]};
        b = {v.farbe[1][0], v.farbe[1][1], v.farbe[1][2]};
    } else {
        a = TABELLE[n % 12];
        b = TABELLE[(n % 12 + 1 + n / 12 % 11) % 12];
    }
    const int form = (n + variante) % 4, muster = (n / 4 + variante / 4 + variante) % 6;
    const uint16_t ga = rgb(a), gb = rgb(b);
    // the letters in white or near black, whichever stands further from the plate
    const uint16_t schrift = helligkeit(a.r, a.g, a.b) < 128 ? rgb(250, 250, 250) : rgb(16, 16, 16);
    const std::string text = zeichen(n, v);
    const std::vector<bool> maske = monogramm_maske(text.c_str());
    return schild_malen(form, [&](int x, int y) {
        if (maske[size_t(y * W + x)]) return schrift;
        if (x >= PLATTE_X0 && x <= PLATTE_X1 && y >= PLATTE_Y0 && y <= PLATTE_Y1) {
            const bool ecke = (x == PLATTE_X0 || x == PLATTE_X1) && (y == PLATTE_Y0 || y == PLATTE_Y1);
            const bool rahmen = x == PLATTE_X0 || x == PLATTE_X1 || y == PLATTE_Y0 || y == PLATTE_Y1;
            if (!ecke) return rahmen ? schrift : ga;
        }
        bool zweite;
        switch (muster) {
        case 1: zweite = (x / 6) % 2; break;                    // stripes
        case 2: zweite = y >= 34; break;                         // a foot band
        case 3: zweite = x > y; break;                           // halves on the diagonal
        case 4: zweite = (x < 24) != (y < 24); break;            // quartered
        case 5: zweite = (x + y) / 5 % 2; break;                 // diagonal bars
        default: zweite = x < 8 || x > 39 || y < 7 || y > 38;    // a border
        }
        return zweite ? gb : ga;
    });
}

std::vector<Resf_Bitmap> Vereins_Wappen_Alle(const Wappen_Vorlagen& vorlagen)
{
    std::vector<Resf_Bitmap> alle;
    std::set<Resf_Bytes> gesehen;
    for (int32_t n = 0; n < VEREINS_WAPPEN_ZAHL; ++n) {
        Resf_Bitmap b = Vereins_Wappen_Bild(n, vorlagen[size_t(n)]);
        for (int32_t v = 1; !gesehen.insert(b.pixels).second && v < 100; ++v)
            b = Vereins_Wappen_Bild(n, vorlagen[size_t(n)], v);
        alle.push_back(std::move(b));
    }
    return alle;
}

std::string Vereins_Wappen_Pruefen(const std::vector<Resf_Bitmap>& bilder, const Wappen_Vorlagen& vorlagen)
{
    if (bilder.size() != size_t(VEREINS_WAPPEN_ZAHL)) return "nicht 600 Wappen";
    std::map<Resf_Bytes, int32_t> gesehen;
    for (int32_t n = 0; n < VEREINS_WAPPEN_ZAHL; ++n) {
        const Resf_Bitmap& b = bilder[size_t(n)];
        auto [alt, neu] = gesehen.emplace(b.pixels, n);
        if (!neu) return "Wappen " + std::to_string(alt->second) + " und " + std::to_string(n) + " sind gleich";
        // every letter pixel against the plate pixels beside it
        const std::vector<bool> maske = monogramm_maske(zeichen(n, vorlagen[size_t(n)]).c_str());
        for (int y = 1; y + 1 < H; ++y)
            for (int x = 1; x + 1 < W; ++x) {
                if (!maske[size_t(y * W + x)]) continue;
                const uint16_t p = lesen(b, x, y);
                for (int d = 0; d < 4; ++d) {
                    const int xx = x + (d == 0) - (d == 1), yy = y + (d == 2) - (d == 3);
                    if (maske[size_t(yy * W + xx)]) continue;
                    const uint16_t q = lesen(b, xx, yy);
                    const int hp = helligkeit((p >> 11) << 3, (p >> 5 & 63) << 2, (p & 31) << 3);
                    const int hq = helligkeit((q >> 11) << 3, (q >> 5 & 63) << 2, (q & 31) << 3);
                    if (std::abs(hp - hq) < 96)
                        return "Wappen " + std::to_string(n) + ": Monogramm ohne Kontrast";
                }
            }
    }
    return "";
}

void Vereins_Wappen_Vorlagen_Setzen(const Wappen_Vorlagen* vorlagen)
{
    gesetzt = vorlagen;
}

const Resf_Bitmap& Vereins_Wappen_Eintrag(int32_t n)
{
    static std::vector<Resf_Bitmap> bilder;
    static const Wappen_Vorlagen* gemalt_fuer = nullptr;
    static bool gemalt = false;
    if (!gemalt || gemalt_fuer != gesetzt) {
        static const Wappen_Vorlagen ohne{};
        bilder = Vereins_Wappen_Alle(gesetzt ? *gesetzt : ohne);
        gemalt_fuer = gesetzt;
        gemalt = true;
    }
    return bilder[size_t(((n % VEREINS_WAPPEN_ZAHL) + VEREINS_WAPPEN_ZAHL) % VEREINS_WAPPEN_ZAHL)];
}
