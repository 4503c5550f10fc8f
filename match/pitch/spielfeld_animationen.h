// The animation table shared by the match engine and the live view: one entry per animation code
// 0..122. The engine reads the order kind, the rest positions, reach and contact frame and the two
// derived timing values; the view's scene assets add the sprites (first resource id).
//
// Kinds: 0 run and idle, 1 on the ground, 2 an action that runs to its end.
#pragma once
#include <array>
#include <cstdint>

constexpr int32_t SPIELSZENEN_ANIMATIONEN = 123;

struct Spielszenen_Animation {
    uint8_t letztes_bild;      // last frame index: the order's animation default
    uint8_t richtungen;        // 8, or 1 for objects without facing
    float bildrate;            // frames per second
    int32_t bilder;            // frame count
    uint8_t art;               // order kind
    float ruhe[3];             // rest position (flags and goal parts)
    float reichweite_hoehe;    // reach of a figure that meets the ball
    float reichweite_radius;
    int16_t kontakt_bild;      // frame in which the ball is met, -1 none
    int32_t erste_resource;    // 0 until the scene assets
    float ms_pro_bild;         // derived: 1000 / bildrate
    float dauer_faktor;        // derived: bilder * bildrate
};

// Codes the engine names.
enum : int32_t {
    ANIM_STEHEN = 0, ANIM_GEHEN = 2, ANIM_LAUFEN = 3, ANIM_BEWEGEN = 4, ANIM_BALL = 9, ANIM_ECKFAHNE = 12,
    ANIM_TOR_WACKELN = 16, ANIM_TOR_RUHE = 24, ANIM_AUSSER_REICHWEITE = 35, ANIM_TW_STEHEN = 36, ANIM_TW_GEHEN = 38,
    ANIM_TW_LAUFEN = 43, ANIM_TACKLING_GEFALLEN = 62, ANIM_AUFSTEHEN = 67, ANIM_FALLEN = 68, ANIM_BRUST = 71,
    ANIM_OBERSCHENKEL = 72, ANIM_SCHIRI_GEHEN = 76, ANIM_LINIE_GEHEN = 77, ANIM_SCHIRI_LAUFEN = 78,
    ANIM_LINIE_LAUFEN = 79, ANIM_SCHIRI_RENNEN = 80, ANIM_LINIE_RENNEN = 81, ANIM_SCHIRI_STEHEN = 82,
    ANIM_LINIE_STEHEN = 84, ANIM_WEITERSPIELEN = 86, ANIM_PFIFF = 88, ANIM_GELB = 89, ANIM_ROT = 90,
    ANIM_FAHNE = 91, ANIM_BANK = 99,
};

namespace spielfeld_anim_detail {

constexpr Spielszenen_Animation eintrag(uint8_t richtungen, float rate, int32_t bilder, uint8_t art)
{
    Spielszenen_Animation a{};
    a.letztes_bild = uint8_t(bilder - 1);
    a.richtungen = richtungen;
    a.bildrate = rate;
    a.bilder = bilder;
    a.art = art;
    a.kontakt_bild = -1;
    return a;
}

constexpr Spielszenen_Animation mit_reichweite(Spielszenen_Animation a, float hoehe, float radius, int16_t bild)
{
    a.reichweite_hoehe = hoehe;
    a.reichweite_radius = radius;
    a.kontakt_bild = bild;
    return a;
}

constexpr Spielszenen_Animation mit_ruhe(Spielszenen_Animation a, float x, float y, float z)
{
    a.ruhe[0] = x;
    a.ruhe[1] = y;
    a.ruhe[2] = z;
    return a;
}

// Per goal: crossbar centre, net, the two posts.
constexpr float TORTEIL[8][3] = {{0, 3403, 300},     {-185, 2953, 0},   {0, 3853, 0},     {0, 2953, 0},
                                 {10800, 3403, 300}, {11000, 3853, -10}, {10800, 3853, 0}, {10800, 2953, 0}};
constexpr float ECKE[4][2] = {{0, 0}, {10800, 0}, {0, 6806}, {10800, 6806}};

constexpr Spielszenen_Animation code(int32_t c)
{
    if (c == 0 || c == 1 || (c >= 5 && c <= 8)) return eintrag(8, 6, 8, 0);                 // idle
    if (c >= 2 && c <= 4) return eintrag(8, 8.0f + 4.0f * float(c - 2), 8, 0);              // walk, run, sprint
    if (c >= 9 && c <= 11) return eintrag(1, 10, 8, 0);                                      // ball and shadow
    if (c >= 12 && c <= 15) return mit_ruhe(eintrag(1, 8, 4, 0), ECKE[c - 12][0], ECKE[c - 12][1], 0);
    if (c >= 16 && c <= 31) {
        const auto* t = TORTEIL[(c - 16) % 8];
        return mit_ruhe(eintrag(1, c < 24 ? 12 : 1, c < 24 ? 6 : 1, 0), t[0], t[1], t[2]);
    }
    if (c == 35) return mit_reichweite(eintrag(8, 10, 6, 2), 0, 0, -1);
    if (c == 36 || c == 38 || c == 43) return eintrag(8, c == 36 ? 6 : 10, 8, 0);            // goalkeeper moves
    if (c == 37 || c == 39 || c == 41 || c == 42) return mit_reichweite(eintrag(8, 12, 10, 2), 180, 170, 4);  // dives
    if (c == 40 || (c >= 44 && c <= 48)) return mit_reichweite(eintrag(8, 10, 8, 2), 220, 90, 3);          // catches
    if (c >= 49 && c <= 61) return mit_reichweite(eintrag(8, 14, 8, 2), 70, 80, 3);                       // kicks
    if (c == 62 || c == 101) return mit_reichweite(eintrag(8, 12, 10, 2), 40, 120, 4);                    // tackles
    if (c == 63 || c == 100) return mit_reichweite(eintrag(8, 12, 8, 2), 40, 110, 3);
    if (c == 64 || c == 65 || (c >= 102 && c <= 106) || (c >= 117 && c <= 122)) return eintrag(8, 8, 12, 2);  // cheers
    if (c == 66 || c == 69 || c == 70) return mit_reichweite(eintrag(8, 12, 8, 2), 240, 70, 3);  // headers
    if (c == 67 || c == 68) return eintrag(8, 10, 8, 1);                                     // get up, fall
    if (c == 71) return mit_reichweite(eintrag(8, 10, 6, 2), 150, 60, 2);                    // chest
    if (c == 72) return mit_reichweite(eintrag(8, 10, 6, 2), 90, 60, 2);                     // thigh
    if (c >= 73 && c <= 75) return mit_reichweite(eintrag(8, 14, 8, 2), 110, 80, 3);         // volleys
    if (c >= 76 && c <= 84) return eintrag(8, c == 82 || c == 84 ? 6 : 8.0f + float((c - 76) / 2) * 2.0f, 8, 0);
    if (c == 85 || c == 87) return eintrag(8, 8, 8, 2);
    if (c >= 86 && c <= 91) return eintrag(8, 8, 12, 2);                                     // referee signs
    if (c >= 92 && c <= 98) return mit_reichweite(eintrag(8, 14, 8, 2), 70, 80, 3);          // further kicks
    if (c == 99) return eintrag(8, 6, 8, 0);                                                 // bench figure
    return mit_reichweite(eintrag(8, 12, 8, 2), 70, 80, 3);                                  // 107-116 kicks
}

constexpr std::array<Spielszenen_Animation, SPIELSZENEN_ANIMATIONEN> tabelle()
{
    std::array<Spielszenen_Animation, SPIELSZENEN_ANIMATIONEN> t{};
    for (int32_t c = 0; c < SPIELSZENEN_ANIMATIONEN; ++c) t[size_t(c)] = code(c);
    return t;
}

}  // namespace spielfeld_anim_detail

inline constexpr std::array<Spielszenen_Animation, SPIELSZENEN_ANIMATIONEN> SPIELSZENEN_ANIMATIONSDATEN =
    spielfeld_anim_detail::tabelle();

// The working table: the data above with the derived values (Spielfeld_Animationen_Vorberechnen).
extern Spielszenen_Animation Spielszenen_Animationstabelle[SPIELSZENEN_ANIMATIONEN];

constexpr bool Spielszenen_Animation_Gueltig(int32_t a) { return a >= 0 && a < SPIELSZENEN_ANIMATIONEN; }
