// The 20 pointer pictures of the screen resource file (entries 6213 to 6232), drawn in code:
// 32 x 32 RGB565 pixels, 0 transparent, visible black written as 1, with a mask plane of the
// visible pixels. Hot spot 0, 0: every pointer has its point in the top-left corner.
//
//  0 arrow            5 busy (hourglass)   10 draggable              15 text field (I-beam)
//  1 modal / disabled 6 click              11 grab                   16 copy (plus)
//  2 help             7 click and right    12 draggable, click       17 continue
//  3 working          8 right button only  13 draggable, right       18 drop target
//  4 not allowed      9 move               14 draggable, both        19 idle during a game
#pragma once
#include <cstdint>
#include <vector>

constexpr int32_t ZEIGER_BILD_BASIS = 6213;
constexpr int ZEIGER_BILD_ANZAHL = 20;
constexpr int ZEIGER_BILD_GROESSE = 32;

struct Zeiger_Bild {
    uint16_t width = 0, height = 0;
    std::vector<uint16_t> pixels;  // rows top to bottom, RGB565
    std::vector<uint8_t> mask;     // bit n % 8 of byte n / 8 set = visible; (w x h + 7) / 8 bytes
};

// Picture n (0-19); an empty picture for other n.
Zeiger_Bild Zeiger_Bild_Erzeugen(int n);
// The pixels as little-endian bytes, as resource files store them.
std::vector<uint8_t> Zeiger_Bild_Bytes(const Zeiger_Bild& bild);
