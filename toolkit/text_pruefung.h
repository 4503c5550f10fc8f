// The text check: follows every text the printer draws from the bitmap it lands in (an icon's,
// a panel's) onto the screen pages, forgets it where something is drawn over it, and tells
// where a text on the screen leaves its box (the icon, frame or bitmap it was drawn for) or two
// texts of the screen lie on each other. Tests switch it on; `DORVIN_TEXTE=FILE` switches it on
// in the program, and the script line `game texte N` then writes the findings of the screen
// shown to FILE, each line beginning with N (the first one, "N Schirm COUNT", with the
// number of texts seen).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Rastport;

struct Text_Befund {
    bool raus;                 // true: leaves its box; false: lies on `anderer`, or is covered
    std::string text;          // the run of characters (UTF-8), then the whole text
    std::string ganz;
    int32_t x1, y1, x2, y2;    // its ink on the screen (x2, y2 exclusive)
    std::string kasten;        // its box: "Icon N (x1,y1)-(x2,y2)" or the bitmap it was drawn into
    std::string anderer;       // the other text and its ink
    int32_t icon;              // the smallest icon under the text, -1 none
    bool verdeckt = false;     // part of it drawn over by something not a text (`anderer` counts)
    bool unterlegt = false;    // drawn onto a small filled area (a chart's marker; `anderer` names it)
};

void Text_Pruefung_Starten();
void Text_Pruefung_Beenden();
bool Text_Pruefung_An();
// The findings on the page (null: the screen's page 0), each pair of texts once; a text that
// shows only in part, something not a text drawn over the rest, is one too (while a quarter of
// it shows; less is drawn over), and so are a text drawn onto a small filled area and a text
// drawn wholly outside its bitmap (on the page or on a bitmap copied whole onto it).
std::vector<Text_Befund> Text_Pruefung_Befunde(const Rastport* seite = nullptr);
// How many texts on the page can be seen.
size_t Text_Pruefung_Sichtbar(const Rastport* seite = nullptr);
// The texts on the page that can be seen: the run (UTF-8), its ink, and of the pixels it drew
// how many still show it (fewer where something was laid over part of it).
struct Text_Sichtbar {
    std::string text;
    int32_t x1, y1, x2, y2;
    size_t punkte, gezeigt;
};
std::vector<Text_Sichtbar> Text_Pruefung_Texte(const Rastport* seite = nullptr);
// One line: kind ("raus", "ueber", "verdeckt", "unterlegt"), text, ink, box, the other text (or how many of
// its pixels are covered), the icon under it.
std::string Text_Befund_Zeile(const Text_Befund& b);
// Appends the findings of the screen shown to the file named by DORVIN_TEXTE, each line
// beginning with the screen's number; false when the check is off or the file cannot be
// written.
bool Text_Pruefung_Schreiben(int32_t schirm);
