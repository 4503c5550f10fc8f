// The 450 slave descriptors as the screens expect them. Pictures are entries 3200 + n of the
// screen resource file (code 7200 + n); the plain bitmaps are panels and canvases that screens
// draw into. Slaves 1-3 and the strength bar's pieces survive the start of a turn.
#include "toolkit/slave_tabelle.h"

#include <cstddef>

namespace {

constexpr bool ist_leer(int32_t n)
{
    return (n >= 4 && n <= 39) || n == 43 || (n >= 60 && n <= 86) ||
           (n >= 440 && n <= 449 && n != 445);
}

// Sizes of the plain bitmaps.
constexpr void leer_groesse(int32_t n, int32_t& w, int32_t& h)
{
    constexpr int32_t breiten[6] = {640, 400, 320, 240, 200, 160};
    constexpr int32_t hoehen[6] = {16, 20, 24, 32, 40, 60};
    constexpr int32_t klein[3] = {96, 128, 64};
    if (n >= 4 && n <= 39) w = breiten[(n - 4) % 6], h = hoehen[(n - 4) / 6];
    else if (n == 43) w = 100, h = 14;
    else if (n >= 60 && n <= 86) w = klein[(n - 60) % 3], h = 12 + 2 * ((n - 60) / 3);
    else if (n >= 440 && n <= 442) w = 235, h = 110;  // the table-place graph and its copies
    else if (n == 443) w = 300, h = 150;
    else if (n == 444) w = 200, h = 100;
    else w = 120, h = 80;
}

// Sizes of the pictures, for their users.
constexpr void bild_groesse(int32_t n, int32_t& w, int32_t& h)
{
    if (n == 48 || n == 49) w = 40, h = 32;                    // mailbox full / empty
    else if (n == 53) w = 640, h = 480;                        // overlay before a game starts
    else if (n >= 57 && n <= 59) w = 8, h = 11;                // cards
    else if (n == 50 || n == 51 || n == 52 || n == 55) w = 14, h = 10;  // name marks
    else if (n >= 170 && n <= 175) w = 11, h = 11;             // pressed rocker zones
    else if (n == 358) w = 220, h = 2;                         // separator line
    else if (n == 359) w = 7, h = 7;                           // chart marker
    else if (n >= 368 && n <= 395) w = 16, h = 16;             // attribute pictures
    else if (n >= 162 && n <= 165) w = 16, h = 12;             // quick-sort faces
    else if (n >= 411 && n <= 435) w = 120 + 20 * ((n - 411) % 5), h = 60 + 20 * ((n - 411) / 5);  // frames
    else if (n == 445) w = 235, h = 110;                       // frame of the graph
    else if (n == 437) w = 10, h = 12;                         // points gap
    else if (n == 439) w = 5, h = 5;                           // graph point
    else if (n == 396 || n == 397) w = 3, h = 7;               // strength bar: filled / empty segment
    else if (n == 398 || n == 399) w = 2, h = 7;               // strength bar: left / right cap
    else w = 64, h = 22;                                       // labelled faces
}

constexpr Slave_Rastport beschreibung(int32_t n)
{
    Slave_Rastport d{};
    d.farbe = -1;
    // The strength bar's pieces (396-399) too: every turn's menu draws its three bars of them.
    d.behalten = (n >= 1 && n <= 3) || (n >= 396 && n <= 399) ? -1 : 0;
    if (ist_leer(n)) {
        d.code = -1;
        leer_groesse(n, d.breite, d.hoehe);
    } else {
        d.code = MENUE_RESSOURCE_CODE + MENUE_SLAVE_BILD_BASIS + n;
        bild_groesse(n, d.breite, d.hoehe);
    }
    return d;
}

template <int32_t Erster, int32_t Anzahl>
constexpr std::array<Slave_Rastport, Anzahl> tabelle()
{
    std::array<Slave_Rastport, Anzahl> t{};
    for (int32_t i = 0; i < Anzahl; ++i) t[size_t(i)] = beschreibung(Erster + i);
    return t;
}

}  // namespace

const std::array<Slave_Rastport, 208> Slave_Vorgabe_1 = tabelle<0, 208>();
const std::array<Slave_Rastport, 185> Slave_Vorgabe_2 = tabelle<208, 185>();
const std::array<Slave_Rastport, 57> Slave_Vorgabe_3 = tabelle<393, 57>();
