// Pictures of the menus in the screen resource file, drawn in code: the 640 x 480 menu
// background (entry 971) and the pictures of the slave rastports (entry 2000 + slave number):
// mailbox, the overlay before a game starts, cards, name marks, pressed rocker zones, lines,
// markers, attribute pictures, frames and labelled button faces. RGB565, pixel 0 only where a
// picture is see-through (and its mask bit clear).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

constexpr int32_t MENUE_BILD_HINTERGRUND = 971;
// The title picture, the credits and the five buttons of the sub-menu bar (1050-1054).
constexpr int32_t MENUE_BILD_TITEL = 1048, MENUE_BILD_CREDITS = 1049, MENUE_BILD_LEISTE = 1050;
// The standing icons of the main menu: groups 703-707, history back and forward, continue, chat.
constexpr int32_t MENUE_BILD_STEHEND = 1055, MENUE_BILD_STEHEND_ENDE = 1063;
// The report pages: table arrows 6233-6237, the team of the day's pitch, the stadium board
// behind the pages, and one badge per competition (1382 + GRAFIK_NUMMER).
constexpr int32_t MENUE_BILD_PFEILE = 6233, MENUE_BILD_ELF_DES_TAGES = 6238, MENUE_BILD_STADIONTAFEL = 6240;
constexpr int32_t MENUE_BILD_WETTBEWERBE = 1382;

// True when the entry is one of these pictures; it is then drawn into `bild`.
bool Menue_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild);

// The end-of-competition picture of GRAFIK_NUMMER n: the competition's name (Windows-1252) under
// a pennant for a league or a trophy for a cup.
struct Wettbewerbsende_Bild {
    std::string name;
    bool liga = false;
};
// The world's competitions, index n = GRAFIK_NUMMER (from the step "wettbewerbe"'s plan).
std::vector<Wettbewerbsende_Bild> Welt_Wettbewerbsende_Bilder(const struct Welt& welt);
// The pictures the resource files get; without them, one neutral picture per kind.
void Menue_Wettbewerbsende_Setzen(std::vector<Wettbewerbsende_Bild> bilder);
