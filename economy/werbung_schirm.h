// The advertising screen's rules: dropping a sponsor's picture on a space, the pictures' and
// spaces' texts, the sponsor's lit category markers, the European switch and the agencies.
#pragma once
#include <cstdint>
#include <string>

constexpr int32_t WERBUNG_ICON_FLAECHE = 2107;
// The kind byte of each sponsor picture as the picture file's data entry 20 holds it: boards for
// sponsors 0-9, equipment for 10-12, the shirt for 13-14, TV rights for 15-19.
constexpr int32_t WERBUNG_BILD_ARTEN_EINTRAG = 20;
constexpr uint8_t WERBUNG_BILD_ARTEN[20] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 4, 4, 4, 2, 2, 8, 8, 8, 8, 8};
// The stadium of the advertising screen in the picture file: the whole view with its 17 spaces
// empty (21), then each space as it lights for a sponsor that would sign there (22 + space).
constexpr int32_t WERBUNG_STADION_BILD = 21, WERBUNG_FLAECHE_BILD = 22;
constexpr int32_t WERBUNG_STADION_B = 388, WERBUNG_STADION_H = 196;
// The spaces in the stadium picture: 14 boards round the pitch, the camera (TV rights), the bag
// (equipment) and the player's chest (shirt).
struct Werbung_Rechteck {
    int16_t x, y, b, h;
};
constexpr Werbung_Rechteck WERBUNG_FLAECHE_ORT[17] = {
    {40, 8, 56, 12},   {100, 8, 56, 12},  {160, 8, 56, 12},   {220, 8, 56, 12},  {280, 8, 56, 12},
    {40, 176, 56, 12}, {100, 176, 56, 12}, {160, 176, 56, 12}, {220, 176, 56, 12}, {280, 176, 56, 12},
    {8, 40, 12, 56},   {8, 100, 12, 56},  {344, 40, 12, 56},  {344, 100, 12, 56}, {360, 8, 26, 22},
    {362, 150, 22, 22}, {362, 70, 22, 34},
};
// The space of an icon 2107..2123, else -1.
int32_t Werbung_Icon_Flaeche(int32_t icon);
// The category a sponsor picture's kind byte advertises for: 1 boards, 2 shirt, 4 equipment,
// 8 TV rights; -1 otherwise.
int32_t Werbung_Bild_Kategorie(int32_t art);
// How many of the club's spaces the sponsor holds.
int32_t Werbung_Sponsor_Flaechen(int32_t team, int32_t sponsor);
// A sponsor picture of kind `art` dropped on icon `ziel`: true when a contract was signed; the
// manager reads why not.
bool Werbung_Schirm_Ablegen(int32_t team, int32_t sponsor, int32_t art, int32_t ziel);
// The help of a sponsor's picture in a category.
std::string Werbung_Sponsor_Hilfe(int32_t team, int32_t sponsor, int32_t kategorie);
// The category markers of a chosen sponsor: lit where it has open offers, holds fewer than five
// spaces and finds the club's image at its signing threshold. Returns how many are lit.
int32_t Werbung_Sponsor_Marker(int32_t team, int32_t sponsor, bool* an);
// The help of a space by its category and whether it is rented.
const char* Werbung_Flaeche_Hilfe(int32_t team, int32_t flaeche);
// The European switch; on a client sent and flipped back when the call fails. The new flag.
int32_t Werbung_Schirm_Europa_Schalten(int32_t team);
// The next agency of a task (after 4 comes 0); on a client kept only when the call succeeds.
int32_t Werbung_Schirm_Agentur_Weiter(int32_t team, int32_t aufgabe);
// "Gesamte Einnahmen aus Werbeverträgen: %s pro Monat".
std::string Werbung_Einnahmen_Zeile(int32_t team);
