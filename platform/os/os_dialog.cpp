#include "platform/os/os_dialog.h"

#include "platform/os/os_sdl_laden.h"

#include <cstring>
#include <string>

#include "platform/os/os.h"
#include "platform/os/os_intern.h"
#include "platform/os/os_text.h"

namespace {

// 3 x 5 glyphs, rows from the top, three bits each; letters in capitals only.
struct Glyphe {
    char c;
    const char* bits;
};
constexpr Glyphe glyphen[] = {
    {'0', "111101101101111"}, {'1', "010110010010111"}, {'2', "111001111100111"}, {'3', "111001111001111"},
    {'4', "101101111001001"}, {'5', "111100111001111"}, {'6', "111100111101111"}, {'7', "111001001001001"},
    {'8', "111101111101111"}, {'9', "111101111001111"}, {'A', "010101111101101"}, {'B', "110101110101110"},
    {'C', "011100100100011"}, {'D', "110101101101110"}, {'E', "111100110100111"}, {'F', "111100110100100"},
    {'G', "011100101101011"}, {'H', "101101111101101"}, {'I', "111010010010111"}, {'J', "001001001101010"},
    {'K', "101101110101101"}, {'L', "100100100100111"}, {'M', "101111111101101"}, {'N', "110101101101101"},
    {'O', "010101101101010"}, {'P', "110101110100100"}, {'Q', "010101101110011"}, {'R', "110101110101101"},
    {'S', "011100010001110"}, {'T', "111010010010010"}, {'U', "101101101101111"}, {'V', "101101101101010"},
    {'W', "101101111111101"}, {'X', "101101010101101"}, {'Y', "101101010010010"}, {'Z', "111001010100111"},
    {'.', "000000000000010"}, {':', "000010000010000"}, {'/', "001001010100100"}, {'-', "000000111000000"},
    {'(', "001010010010001"}, {')', "100010010010100"}, {'?', "111001010000010"}, {',', "000000000010100"},
    {'!', "010010010000010"}, {'_', "000000000000111"},
};

constexpr int SKALA = 3, ZEICHEN_BREITE = 4 * SKALA, FENSTER_B = 720, FENSTER_H = 250;
constexpr int FELD_B = 70, FELD_H = 30, KNOPF_H = 34, KNOPF_Y = 180;

struct Rechteck {
    int x, y, w, h;
    bool drin(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

void text_zeichnen(SDL_Renderer* r, int x, int y, const char* text)
{
    for (const char* p = text; *p; ++p, x += ZEICHEN_BREITE) {
        char c = *p;
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        for (const Glyphe& g : glyphen) {
            if (g.c != c) continue;
            for (int i = 0; i < 15; ++i)
                if (g.bits[i] == '1') {
                    SDL_Rect px{x + (i % 3) * SKALA, y + (i / 3) * SKALA, SKALA, SKALA};
                    Os_Sdl.SDL_RenderFillRect(r, &px);
                }
            break;
        }
    }
}

int text_breite(const char* t) { return int(std::strlen(t)) * ZEICHEN_BREITE - SKALA; }

void kasten(SDL_Renderer* r, const Rechteck& k, uint8_t grau, bool rahmen_hell)
{
    SDL_Rect f{k.x, k.y, k.w, k.h};
    Os_Sdl.SDL_SetRenderDrawColor(r, grau, grau, grau, 255);
    Os_Sdl.SDL_RenderFillRect(r, &f);
    uint8_t rand = rahmen_hell ? 255 : 60;
    Os_Sdl.SDL_SetRenderDrawColor(r, rahmen_hell ? 40 : rand, rahmen_hell ? 120 : rand, rahmen_hell ? 220 : rand, 255);
    Os_Sdl.SDL_RenderDrawRect(r, &f);
}

void (*test_eingabe)(Os_Dialog_Feld*, int) = nullptr;

}  // namespace

void Os_Dialog_Set_Eingabe(void (*eingabe)(Os_Dialog_Feld* felder, int anzahl)) { test_eingabe = eingabe; }

int Os_Eingabe_Dialog(const Os_Dialog& d)
{
    if (!d.felder || d.anzahl <= 0) return 0;
    if (Os_Headless()) {
        if (test_eingabe) test_eingabe(d.felder, d.anzahl);
        return d.pruefen && !d.pruefen(d.felder, d.ctx) ? 0 : 1;
    }
    if (!Os_Sdl_Laden() || Os_Sdl.SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return d.pruefen && !d.pruefen(d.felder, d.ctx) ? 0 : 1;
    SDL_Window* w = Os_Sdl.SDL_CreateWindow(Os_Text_Utf8(d.titel ? d.titel : "").c_str(), SDL_WINDOWPOS_CENTERED,
                                     SDL_WINDOWPOS_CENTERED, FENSTER_B, FENSTER_H, SDL_WINDOW_SHOWN);
    SDL_Renderer* r = w ? Os_Sdl.SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE) : nullptr;
    if (!r) {
        if (w) Os_Sdl.SDL_DestroyWindow(w);
        Os_Sdl.SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return d.pruefen && !d.pruefen(d.felder, d.ctx) ? 0 : 1;
    }
    // Fields in rows: a named field starts a row, an unnamed one follows on the same row.
    Rechteck feld[16];
    int zeile_y = 70 - 50, x = 0;
    const int anzahl = d.anzahl > 16 ? 16 : d.anzahl;
    for (int i = 0; i < anzahl; ++i) {
        if (d.felder[i].name) {
            zeile_y += 50;
            x = 140;
        }
        feld[i] = {x, zeile_y, FELD_B, FELD_H};
        x += FELD_B + 16;
    }
    const char* namen[3] = {d.ok, d.abbruch, d.extra};
    Rechteck knopf[3];
    int kx = 20;
    for (int i = 0; i < 3; ++i) {
        int b = namen[i] ? text_breite(namen[i]) + 30 : 0;
        knopf[i] = {kx, KNOPF_Y, b, KNOPF_H};
        kx += b + 16;
    }
    int fokus = 0, ergebnis = -1;
    // This loop takes the main window's events too: it repaints the main window itself, or the
    // boxes that stood over it (the role question) would stay painted behind this dialog.
    Os_Sdl_Neu_Zeigen();
    Os_Sdl.SDL_StartTextInput();
    while (ergebnis < 0) {
        Os_Sdl.SDL_SetRenderDrawColor(r, 212, 208, 200, 255);
        Os_Sdl.SDL_RenderClear(r);
        Os_Sdl.SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
        text_zeichnen(r, 20, 18, d.titel ? d.titel : "");
        for (int i = 0; i < anzahl; ++i) {
            if (d.felder[i].name) {
                Os_Sdl.SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
                text_zeichnen(r, 20, feld[i].y + 8, d.felder[i].name);
            }
            kasten(r, feld[i], 255, i == fokus);
            Os_Sdl.SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
            std::string t = d.felder[i].text;
            if (i == fokus) t += "_";
            text_zeichnen(r, feld[i].x + 6, feld[i].y + 8, t.c_str());
        }
        for (int i = 0; i < 3; ++i) {
            if (!namen[i]) continue;
            kasten(r, knopf[i], 230, false);
            Os_Sdl.SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
            text_zeichnen(r, knopf[i].x + 15, knopf[i].y + 10, namen[i]);
        }
        Os_Sdl.SDL_RenderPresent(r);

        SDL_Event e;
        if (!Os_Sdl.SDL_WaitEventTimeout(&e, 100)) continue;
        int gedrueckt = -1;
        if (e.type == SDL_QUIT || (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE)) {
            gedrueckt = 1;
        } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) {
            Os_Sdl_Neu_Zeigen();
        } else if (e.type == SDL_MOUSEBUTTONDOWN && e.button.button == SDL_BUTTON_LEFT) {
            for (int i = 0; i < anzahl; ++i)
                if (feld[i].drin(e.button.x, e.button.y)) fokus = i;
            for (int i = 0; i < 3; ++i)
                if (namen[i] && knopf[i].drin(e.button.x, e.button.y)) gedrueckt = i;
        } else if (e.type == SDL_TEXTINPUT) {
            char* t = d.felder[fokus].text;
            for (const char* p = e.text.text; *p; ++p)
                if (std::strlen(t) + 1 < sizeof d.felder[fokus].text && static_cast<unsigned char>(*p) < 128) {
                    size_t n = std::strlen(t);
                    t[n] = *p;
                    t[n + 1] = 0;
                }
        } else if (e.type == SDL_KEYDOWN) {
            char* t = d.felder[fokus].text;
            switch (e.key.keysym.sym) {
            case SDLK_BACKSPACE:
                if (*t) t[std::strlen(t) - 1] = 0;
                break;
            case SDLK_TAB: fokus = (fokus + ((e.key.keysym.mod & KMOD_SHIFT) ? anzahl - 1 : 1)) % anzahl; break;
            case SDLK_RETURN:
            case SDLK_KP_ENTER: gedrueckt = 0; break;
            case SDLK_ESCAPE: gedrueckt = 1; break;
            default: break;
            }
        }
        if (gedrueckt == 0 && (!d.pruefen || d.pruefen(d.felder, d.ctx))) ergebnis = 1;
        else if (gedrueckt == 1) ergebnis = 0;
        else if (gedrueckt == 2 && d.extra_aktion) d.extra_aktion(d.felder, d.ctx);
    }
    Os_Sdl.SDL_StopTextInput();
    Os_Sdl.SDL_DestroyRenderer(r);
    Os_Sdl.SDL_DestroyWindow(w);
    Os_Sdl.SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return ergebnis;
}

void Os_Status_Fenster(const char* titel, const char* text, const char* schritt, int position)
{
    static SDL_Window* w = nullptr;
    static SDL_Renderer* r = nullptr;
    if (Os_Headless()) return;
    if (position < 0) {
        if (r) Os_Sdl.SDL_DestroyRenderer(r);
        if (w) {
            Os_Sdl.SDL_DestroyWindow(w);
            Os_Sdl.SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
        r = nullptr;
        w = nullptr;
        return;
    }
    if (!w) {
        if (!Os_Sdl_Laden() || Os_Sdl.SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
        w = Os_Sdl.SDL_CreateWindow(Os_Text_Utf8(titel ? titel : "").c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             FENSTER_B, 170, SDL_WINDOW_SHOWN);
        r = w ? Os_Sdl.SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE) : nullptr;
        if (!r) {
            Os_Status_Fenster(nullptr, nullptr, nullptr, -1);
            return;
        }
    }
    Os_Sdl.SDL_PumpEvents();
    Os_Sdl.SDL_SetRenderDrawColor(r, 212, 208, 200, 255);
    Os_Sdl.SDL_RenderClear(r);
    Os_Sdl.SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    text_zeichnen(r, 20, 20, text ? text : "");
    text_zeichnen(r, 20, 120, schritt ? schritt : "");
    kasten(r, {20, 60, FENSTER_B - 40, 36}, 255, false);
    const int voll = position > 1000 ? 1000 : position;
    SDL_Rect balken{22, 62, (FENSTER_B - 44) * voll / 1000, 32};
    Os_Sdl.SDL_SetRenderDrawColor(r, 0, 0, 128, 255);
    Os_Sdl.SDL_RenderFillRect(r, &balken);
    Os_Sdl.SDL_RenderPresent(r);
}
