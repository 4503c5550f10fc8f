#include "graphics/text_umbruch.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/grafik_printf.h"

const char Text_Vokale[18] = "AEIOUaeiouäöüÄÖÜy";

const char* const Text_Trenn_Ausnahmen[TEXT_AUSNAHMEN] = {
    "sch", "ch",  "sp", "bl", "pl", "fl",  "gl",  "cl",  "kl", "phl", "br", "pr",
    "dr",  "tr",  "fr", "vr", "gr", "cr",  "kr",  "phr", "str", "thr", "th", "gn",
    "kn",  "chp", "chr", "üb", "ver", "st", " !", " ?", " %", "Ver"};

namespace {

// Word parts that begin with a vowel and often stand behind another word in the game's texts
// ("Salmonellen|erkrankung", "Innenband|abriß"). The syllable rule alone would cut such a
// compound one letter beside its seam ("Salmonelle-nerkrankung").
constexpr const char* WORTTEILE[] = {"erkrank", "entzünd", "erschütter", "ergebnis", "angebot",
                                     "abriß",   "anriß",   "einsatz",    "erfolg",   "abteilung"};

// A word part of the list starts at q, behind a consonant of the word before it.
bool fuge_bei(const char* word, int32_t q)
{
    if (q < 2 || int32_t(std::strlen(word)) <= q || Text_Ist_Vokal(word[q - 1])) return false;
    for (const char* t : WORTTEILE)
        if (std::strncmp(word + q, t, std::strlen(t)) == 0) return true;
    return false;
}

struct Layout {
    Font_Record* font = nullptr;
    int32_t zeilen_hoehe = 0, vorschub = 0;
    int32_t links_x = 0, y = 0, start_y = 0;
    std::string zeile;
    std::vector<int32_t> luecken;  // offsets of the blanks between the words of the line
    uint8_t flags = 0;
    int32_t unten = 0;             // bottom limit of the baselines, 0 = none
    bool voll = false;             // the bottom limit was reached: nothing more is printed
    uint32_t farbe = 0;
};
Layout lay;

int32_t breite(const std::string& s) { return Font_Text_Breite(lay.font, s.c_str()); }

// Prints the pending line (justified, left or centred) and moves down; false at the bottom.
bool zeile_drucken(Rastport* bitmap, int32_t L, bool ausrichten)
{
    if (lay.voll) return false;
    if (ausrichten && (lay.flags & TEXT_BLOCKSATZ) && !lay.luecken.empty()) {
        size_t k = 0;
        while (breite(lay.zeile) < L - 1 && lay.zeile.size() + 1 < size_t(TEXT_ZEILE_PUFFER)) {
            lay.zeile.insert(size_t(lay.luecken[k]), 1, ' ');
            for (size_t j = k + 1; j < lay.luecken.size(); ++j) ++lay.luecken[j];
            k = (k + 1) % lay.luecken.size();
        }
    }
    if (lay.unten && lay.y + lay.zeilen_hoehe > lay.unten) {
        lay.voll = true;
        return false;
    }
    if (breite(lay.zeile) <= L + 2) {
        if (lay.flags & TEXT_ZENTRIERT)
            Text_Zeile_Zentriert(bitmap, lay.zeile.c_str(), lay.links_x, lay.links_x + L, lay.y,
                                 lay.farbe);
        else
            Text_Zeile_Ausgeben(bitmap, lay.zeile.c_str(), lay.links_x, lay.y, lay.farbe);
    }
    lay.y += lay.vorschub;
    if ((lay.flags & TEXT_Y_ZURUECK) && lay.y > 93) lay.y -= 7;
    lay.zeile.clear();
    lay.luecken.clear();
    return true;
}

void anhaengen(const std::string& wort)
{
    if (!lay.zeile.empty()) {
        lay.luecken.push_back(int32_t(lay.zeile.size()));
        lay.zeile += ' ';
    }
    lay.zeile += wort;
}

void wort_hinzufuegen(Rastport* bitmap, const char* text, int32_t L, uint32_t colour)
{
    lay.farbe = colour;
    std::string w = text;
    auto probe = [&] { return lay.zeile.empty() ? w : lay.zeile + ' ' + w; };
    for (std::string t = probe();
         breite(t) > L - 4 || t.size() >= size_t(TEXT_ZEILE_PUFFER); t = w) {
        if (w.empty() && lay.zeile.empty()) break;  // nothing left that could move on
        int32_t p = -1;
        if ((lay.flags & TEXT_TRENNEN) && !w.empty()) {
            std::vector<char> puffer(w.begin(), w.end());
            puffer.push_back(0);
            p = Text_Trennstelle_Suchen(puffer.data(), breite(lay.zeile), L);
            if (p >= 0) w = puffer.data();
        }
        if (p < 0 && lay.zeile.empty()) p = int32_t(w.size()) / 2;
        if (p >= 0) {
            anhaengen(w.substr(0, size_t(p) + 1));
            if (lay.zeile.back() != '-') lay.zeile += '-';
            w.erase(0, size_t(p) + 1);
        }
        if (!zeile_drucken(bitmap, L, true)) return;
    }
    // Empty words count too: two blanks in a row stay two blanks.
    anhaengen(w);
}

}  // namespace

bool Text_Ist_Vokal(char c) { return c && std::strchr(Text_Vokale, c) != nullptr; }

bool Text_Hat_Vokal(const char* text, int32_t n)
{
    for (int32_t i = 0; i < n && text[i]; ++i)
        if (Text_Ist_Vokal(text[i])) return true;
    return false;
}

bool Text_Trennung_Erlaubt(const char* word, int32_t p)
{
    for (int32_t j = p; j >= 0 && !Text_Ist_Vokal(word[j]); --j)
        for (const char* s : Text_Trenn_Ausnahmen) {
            int32_t n = int32_t(std::strlen(s));
            if (j + n > p + 1 && std::strncmp(word + j, s, size_t(n)) == 0) return false;
        }
    return true;
}

bool Text_Silbe_Trennbar(const char* word, int32_t p, int32_t last)
{
    if (p + 1 < 2 || !Text_Hat_Vokal(word, p + 1)) return false;
    if (last - p < 2 || !Text_Hat_Vokal(word + p + 1, last - p)) return false;
    // Within a compound written with hyphens both parts of the cut part need a vowel of their own:
    // "Sport-Fonds" never splits as "S-port".
    int32_t anfang = p;
    while (anfang >= 0 && word[anfang] != '-') --anfang;
    int32_t ende = p + 1;
    while (ende <= last && word[ende] != '-') ++ende;
    if (!Text_Hat_Vokal(word + anfang + 1, p - anfang) || !Text_Hat_Vokal(word + p + 1, ende - p - 1)) return false;
    if (fuge_bei(word, p + 1)) return Text_Trennung_Erlaubt(word, p);
    // One letter beside a seam would tear a letter off one of the two words.
    if (fuge_bei(word, p) || fuge_bei(word, p + 2)) return false;
    if (Text_Ist_Vokal(word[p + 1])) return false;
    return Text_Trennung_Erlaubt(word, p);
}

int32_t Text_Trennstelle_Suchen(char* word, int32_t line_width, int32_t L)
{
    if (!word) return -1;
    int32_t n = int32_t(std::strlen(word)), last = n - 1;
    // A compound's own hyphen is its best place, the rightmost that fits.
    for (int32_t p = n - 2; p > 0; --p)
        if (word[p] == '-' && word[p - 1] != '-' && word[p + 1] != '-' && line_width + Text_Breite_Bis(word, p + 1) < L - 8)
            return p;
    for (int32_t p = n - 1; p >= 0; --p) {
        if (!Text_Silbe_Trennbar(word, p, last)) continue;
        if (line_width + Text_Breite_Bis(word, p + 1) < L - 8) {
            if (word[p] == 'c' && word[p + 1] == 'k') word[p] = 'k';
            return p;
        }
        last = p;
    }
    return -1;
}

int32_t Text_Breite_Bis(const char* text, int32_t n)
{
    if (!text || n <= 0) return 0;
    std::string teil(text, std::min(size_t(n), std::strlen(text)));
    return Font_Text_Breite(lay.font, teil.c_str());
}

void Text_Leerzeichen_Einfuegen(char* text, int32_t position)
{
    if (!text || position < 0) return;
    size_t len = std::strlen(text);
    if (size_t(position) > len) return;
    std::memmove(text + position + 1, text + position, len - size_t(position) + 1);
    text[position] = ' ';
}

void Text_Zeile_Ausgeben(Rastport* bitmap, const char* line, int32_t x, int32_t y, uint32_t colour)
{
    Grafik_Printf(bitmap, lay.font, "^c%05d", 0, 0, int(colour));
    Grafik_Printf(bitmap, lay.font, "%s", x, y, line);
}

void Text_Zeile_Zentriert(Rastport* bitmap, const char* line, int32_t left, int32_t right,
                          int32_t y, uint32_t colour)
{
    int32_t x = (left + right) / 2 - Font_Text_Breite(lay.font, line) / 2;
    Text_Zeile_Ausgeben(bitmap, line, x, y, colour);
}

int32_t Text_Zeilen_Layout(Rastport* bitmap, const char* word, int32_t width, int32_t x,
                           int32_t y, int32_t mode, uint8_t flags, uint32_t colour)
{
    if (!lay.font) return lay.y;
    if (mode == TEXT_START) {
        lay.flags = flags;
        lay.links_x = x;
        lay.y = lay.start_y = y;
        lay.zeile.clear();
        lay.luecken.clear();
        lay.voll = false;
    } else if (mode == TEXT_WORT) {
        if (!lay.voll && word) wort_hinzufuegen(bitmap, word, width, colour);
    } else if (mode == TEXT_ABSCHLUSS) {
        lay.farbe = colour;
        zeile_drucken(bitmap, width, false);
    }
    return lay.y;
}

void Text_Absatz_Umbrechen(Rastport* bitmap, const char* text, int32_t width, uint32_t colour)
{
    if (!text) return;
    const auto* p = reinterpret_cast<const uint8_t*>(text);
    char wort[TEXT_WORT_PUFFER];
    while (*p && !lay.voll) {
        int32_t n = 0;
        // Words longer than the buffer are cut into pieces of its size.
        while (*p && n < TEXT_WORT_PUFFER - 1) {
            if (*p == ' ' && p[1] != '!' && p[1] != '?') break;
            if (*p == 0xA0 || *p == 13 || (p[0] == '^' && p[1] == 'l')) break;
            wort[n++] = char(*p++);
        }
        wort[n] = 0;
        Text_Zeilen_Layout(bitmap, wort, width, 0, 0, TEXT_WORT, 0, colour);
        if (p[0] == '^' && p[1] == 'l') {
            Text_Zeilen_Layout(bitmap, "", width, 0, 0, TEXT_ABSCHLUSS, 0, colour);
            p += 2;
        } else if (*p == 13) {
            Text_Zeilen_Layout(bitmap, "", width, 0, 0, TEXT_ABSCHLUSS, 0, colour);
            if (p[1] == '#' && p[2] == 'l') {
                lay.flags &= uint8_t(~TEXT_ZENTRIERT);
                p += 3;
            } else if (p[1] == '#' && p[2] == 'm') {
                lay.flags |= TEXT_ZENTRIERT;
                p += 3;
            } else if (p[1] == '#' && p[2]) {
                p += 2;
            } else {
                ++p;
            }
        }
        if (*p == ' ' || *p == 0xA0) ++p;
    }
}

int32_t Text_Umbruch_Ausgeben(Rastport* bitmap, Font_Record* font, const char* text,
                              int32_t left, int32_t right, int32_t y, int32_t bottom,
                              uint32_t colour, uint8_t flags)
{
    if (!bitmap || !font || !font->strip || !text) return y;
    lay.font = font;
    lay.zeilen_hoehe = int32_t(font->strip->height);
    lay.vorschub = lay.zeilen_hoehe - 1;
    lay.unten = bottom ? bottom + int32_t(font->ascent) : 0;
    int32_t L = right - left - 2;
    if (*text == '#') {
        ++text;
        flags &= uint8_t(~TEXT_ZENTRIERT);
    }
    Text_Zeilen_Layout(bitmap, nullptr, L, left, y + int32_t(font->ascent), TEXT_START, flags,
                       colour);
    Text_Absatz_Umbrechen(bitmap, text, L, colour);
    return Text_Zeilen_Layout(bitmap, "", L, 0, 0, TEXT_ABSCHLUSS, 0, colour);
}
