#include "matchview/lineup/motivation.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "competitions/wettbewerb.h"
#include "economy/bank.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "platform/temp.h"

namespace {

constexpr int32_t FONT = 3;
constexpr int32_t VORGABE_ABSTAND = 5;
constexpr int32_t VORGABEN = 5;
Motivation_Text_Hook text_hook = nullptr;

struct Vorgabe {
    const char* text;
    int32_t x, y;
};
constexpr Vorgabe VORGABE[VORGABEN] = {
    {"Das ist eine fast ^z0013unlösbare Aufgabe", 296, 56}, {"Es erwartet uns eine^z0013schwere Aufgabe", 287, 83},
    {"Es erwartet uns eine^z0013lösbare Aufgabe", 283, 114}, {"Es erwartet uns eine^z0013leichte Aufgabe", 285, 146},
    {"Dieses Team spielen^z0013wir an die Wand", 296, 175},
};
constexpr const char* SPRUECHE[MOTIVATION_SPRUECHE] = {
    nullptr, nullptr, "Gebt nochmal wirklich alles!", "Ich erwarte eine Steigerung!", "Macht weiter so!",
    "Lasst es jetzt ruhig angehen!", "Das könnt ihr aber besser!", "Diese Leistung ist wirklich das Letzte!",
    "Ich werde zum Präsidium gehen!", nullptr,
};

void drucken(Rastport* seite, int32_t x, int32_t y, const char* text, int32_t font = FONT)
{
    if (text_hook) text_hook(x, y, text);
    if (seite) Grafik_Printf(seite, Font(font), "%s", x, y, text);
}

bool seite_gueltig(const Spielfeld_Record* r, int32_t seite) { return r && (seite == 0 || seite == 1); }

}  // namespace

uint8_t Motivation_Kurve_Fertig = 0, Motivation_Naechster_Punkt = 0;

void Motivation_Set_Text_Hook(Motivation_Text_Hook hook) { text_hook = hook; }

const char* Motivation_Zeilentext(const char* text)
{
    const char* t = text ? std::strstr(text, "^tz") : nullptr;
    return t && std::strlen(t) >= 7 ? t + 7 : text;
}

namespace {

// The page's font, or the narrow one where a line would leave its frame.
int32_t font_fuer(const char* text, int32_t breite)
{
    Font_Record* f = Font(FONT);
    return f && text && Font_Text_Breite(f, Motivation_Zeilentext(text)) > breite - 2 * MOTIVATION_KNOPF_RAND ? MOTIVATION_SCHMAL
                                                                                                           : FONT;
}

}  // namespace

int32_t Motivation_Spruch_Font(const char* text) { return font_fuer(text, MOTIVATION_KNOPF_BREITE); }

int32_t Motivation_Vorgabe_Font(const char* text, int32_t x)
{
    Font_Record* f = Font(FONT);
    if (!f || !text) return FONT;
    const char* umbruch = std::strstr(text, "^z");
    const std::string erste(text, umbruch ? size_t(umbruch - text) : std::strlen(text));
    const char* zweite = umbruch && std::strlen(umbruch) >= 6 ? umbruch + 6 : "";
    const int32_t breit = std::max(Font_Text_Breite(f, erste.c_str()), Font_Text_Breite(f, zweite));
    return x + breit > MOTIVATION_SEITE_BREITE - MOTIVATION_KNOPF_RAND ? MOTIVATION_SCHMAL : FONT;
}

void Motivation_Spruch(Spielfeld_Record* r, int32_t seite, int32_t i)
{
    if (!seite_gueltig(r, seite) || i < 0 || i >= MOTIVATION_SPRUECHE) return;
    uint8_t& n = r->ansprache_druecke[seite][i];
    n = uint8_t(std::min<int32_t>(n + 1, MOTIVATION_DRUECKE_MAX));
}

void Motivation_Vorgabe(Spielfeld_Record* r, int32_t seite, int32_t radio)
{
    if (!seite_gueltig(r, seite) || radio < 0 || radio >= VORGABEN) return;
    r->ansprache[seite] = uint8_t(VORGABEN - 1 - radio);
}

int32_t Motivation_Gewaehlter_Knopf(const Spielfeld_Record* r, int32_t seite)
{
    if (!seite_gueltig(r, seite) || r->ansprache[seite] >= VORGABEN) return -1;
    return VORGABEN - 1 - r->ansprache[seite];
}

void Motivation_Lob(Spielfeld_Record* r, int32_t slot, bool loben)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return;
    const int32_t v = int8_t(r->spieler[slot].frei_157[0]);
    r->spieler[slot].frei_157[0] = uint8_t(int8_t(std::clamp(v + (loben ? -1 : 1), -MOTIVATION_LOB_MAX, MOTIVATION_LOB_MAX)));
}

int32_t Motivation_Lob_Wert(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return 0;
    return int8_t(r->spieler[slot].frei_157[0]);
}

int32_t Motivation_Betrag(int32_t druecke, int32_t niveau) { return druecke * 1000 * niveau / 10000 * 100; }

void Draw_Motivation_Seite(Rastport* seite, const Spielfeld_Record* r, int32_t s, bool eigene_seite, bool vor_spiel)
{
    if (!seite_gueltig(r, s)) return;
    const int32_t weiss = Grafik_Farbe(15, 15, 15), grau = Grafik_Farbe(8, 8, 8);
    const int32_t farbe = eigene_seite ? weiss : grau;
    drucken(seite, 0, 10, Temp_Sprintf("^c%05d^tz%04d%s", weiss, 210, vor_spiel ? "Teammotivation (vor dem Spiel)" : "Motivation"));
    if (vor_spiel)
        for (const Vorgabe& v : VORGABE) {
            // Clear of the radio's picture, which reaches 2 pixels past the text's place, and in
            // the narrow font where a line would run past the frame's right edge.
            const int32_t x = v.x + VORGABE_ABSTAND;
            drucken(seite, x, v.y - 2, Temp_Sprintf("^c%05d%s", farbe, v.text), Motivation_Vorgabe_Font(v.text, x));
        }
    const int32_t team = int32_t(r->team[s]);
    const int32_t niveau = Wettbewerb_Get_Liga_Niveau(team);
    const int32_t spruch_farbe = vor_spiel ? grau : farbe;
    for (int32_t i = 0; i < MOTIVATION_SPRUECHE; ++i) {
        const int32_t n = r->ansprache_druecke[s][i], y = 28 + 18 * i;
        const char* text = nullptr;
        if (i == 0 || i == 9) {
            const char* betrag = Bank_Betrag_String(float(Motivation_Betrag(n, niveau)), team, 0, -1);
            text = Temp_Sprintf(i == 0 ? "^c%05d^tz%04d%s Prämie bei einem Sieg!" : "^c%05d^tz%04d%s Geldstrafe bei einer Niederlage!",
                                spruch_farbe, 116, betrag);
        } else if (i == 1) {
            text = Temp_Sprintf("^c%05d^tz%04d%d %s Trainingsfrei bei einem Sieg!", spruch_farbe, 116, n, n == 1 ? "Tag" : "Tage");
        } else {
            text = Temp_Sprintf("^c%05d^tz%04d%s", spruch_farbe, 116, SPRUECHE[i]);
        }
        drucken(seite, 0, y, text, Motivation_Spruch_Font(text));
    }
    if (vor_spiel) return;
    for (const auto& [y, text] : {std::pair<int32_t, const char*>{174, "diesen Spieler loben:"}, {192, "diesen Spieler tadeln:"}}) {
        const char* zeile = Temp_Sprintf("^c%05d^tz%04d%s", farbe, 312, text);
        drucken(seite, 0, y, zeile, font_fuer(zeile, MOTIVATION_LOB_BREITE));
    }
}

bool Motivation_Kurve_Zeichnen(Rastport* kurve, const Spielfeld_Record* r, int32_t seite)
{
    if (!seite_gueltig(r, seite)) return false;
    const int8_t* v = r->antwortkurve[seite];
    const uint16_t rot = Grafik_Farbe(15, 0, 0);
    bool fertig = false;
    for (int32_t p = 1; p < MOTIVATION_KURVE_GEZEIGT; ++p) {
        if (v[p - 1] < 0) continue;
        const int32_t a = v[p - 1], b = v[p] < 0 ? a : v[p];
        if (kurve)
            Grafik_Linie(kurve, 5 * (p - 1), MOTIVATION_KURVE_HOEHE - a * 131 / 100, 5 * p, MOTIVATION_KURVE_HOEHE - b * 131 / 100, rot);
        fertig |= p == MOTIVATION_KURVE_GEZEIGT - 1;
    }
    return fertig;
}

bool Motivation_Scan_Schritt(int32_t* pos)
{
    if (!pos) return false;
    *pos += 4;
    if (*pos >= 130) *pos = 0;
    return *pos == 60;
}
