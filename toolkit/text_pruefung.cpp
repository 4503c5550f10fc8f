#include "toolkit/text_pruefung.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <cstring>
#include <functional>
#include <set>
#include <unordered_map>
#include <utility>

#include "graphics/grafik_meldung.h"
#include "graphics/grafik_screen.h"
#include "platform/mauszeiger.h"
#include "platform/os/os_display.h"
#include "toolkit/menue_intern.h"
#include "toolkit/popup.h"
#include "toolkit/icon.h"
#include "toolkit/requester.h"

namespace {

struct Rechteck {
    int32_t x1, y1, x2, y2;
    int64_t flaeche() const { return x2 > x1 && y2 > y1 ? int64_t(x2 - x1) * (y2 - y1) : 0; }
};

Rechteck schnitt(const Rechteck& a, const Rechteck& b)
{
    return {std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2), std::min(a.y2, b.y2)};
}

bool innen(const Rechteck& r, const Rechteck& k) { return r.x1 >= k.x1 && r.y1 >= k.y1 && r.x2 <= k.x2 && r.y2 <= k.y2; }

struct Lauf {
    std::string text, ganz;
    Rechteck tinte, kasten;
    std::string kasten_name;  // "Icon N", a frame's name, or "" for the bitmap the text was drawn into
    int32_t kasten_nummer;
    int32_t bitmap_w, bitmap_h;  // the bitmap it was drawn into
    std::vector<Grafik_Text_Punkt> punkte;  // the pixels it changed, from the ink's corner
    Rechteck marke{0, 0, 0, 0};  // a small area filled before it under its ink (a chart's marker)
    // Where it was copied from: a copy back to that place (a saved area put back after a list
    // closed) brings the text back whole, with the box it had there.
    const Rastport* von = nullptr;
    Rechteck von_tinte{0, 0, 0, 0}, von_kasten{0, 0, 0, 0};
};

bool an = false;
// How far a popup list's shadow reaches beyond its rectangle.
constexpr int32_t POPUP_SCHATTEN = 10;
std::unordered_map<const Rastport*, std::vector<Lauf>> leben;

// A text drawn again over itself (a shadow pass, a bold pass, a refresh) counts once.
bool dasselbe(const Lauf& a, const Lauf& b)
{
    return a.text == b.text && std::abs(a.tinte.x1 - b.tinte.x1) <= 2 && std::abs(a.tinte.y1 - b.tinte.y1) <= 2 &&
           std::abs(a.tinte.x2 - b.tinte.x2) <= 2 && std::abs(a.tinte.y2 - b.tinte.y2) <= 2;
}

// A text drawn again over itself keeps the widest box it had: a refresh clipped to the part of
// the screen a box uncovered draws the whole text with the clip as its box.
void ablegen(std::vector<Lauf>& liste, Lauf l)
{
    for (const Lauf& a : liste)
        if (dasselbe(a, l) && a.tinte.x1 == l.tinte.x1 && a.tinte.y1 == l.tinte.y1 && a.kasten_nummer == l.kasten_nummer)
            l.kasten = {std::min(a.kasten.x1, l.kasten.x1), std::min(a.kasten.y1, l.kasten.y1), std::max(a.kasten.x2, l.kasten.x2),
                        std::max(a.kasten.y2, l.kasten.y2)};
    liste.erase(std::remove_if(liste.begin(), liste.end(), [&](const Lauf& a) { return dasselbe(a, l); }), liste.end());
    liste.push_back(std::move(l));
}

// Of the text's pixels inside its box (the part that can be shown; a text cut by its box keeps
// the rest), how many still hold what it drew, in the pixels of a picture (rows of `zeile`
// bytes, `bpp` bytes a pixel, w x h); the count inside in *innen. Each pixel that does not is
// handed to `weg` when given.
size_t noch_da(const Lauf& l, const uint8_t* pixel, size_t zeile, size_t bpp, int32_t w, int32_t h, size_t* innen,
               const std::function<void(int32_t, int32_t)>& weg = {})
{
    size_t gleich = 0;
    *innen = 0;
    for (const Grafik_Text_Punkt& p : l.punkte) {
        const int32_t x = l.tinte.x1 + p.x, y = l.tinte.y1 + p.y;
        if (x < 0 || y < 0 || x >= w || y >= h || x < l.kasten.x1 || y < l.kasten.y1 || x >= l.kasten.x2 || y >= l.kasten.y2)
            continue;
        ++*innen;
        uint16_t wert = 0;
        std::memcpy(&wert, pixel + size_t(y) * zeile + size_t(x) * bpp, bpp);
        if (wert == p.wert) ++gleich;
        else if (weg) weg(x, y);
    }
    return gleich;
}

// A text counts while half of it still shows, or a quarter with the rest covered by one piece
// laid over its start or end (a half-hidden label reads as another figure: a finding). Less is
// drawn over, and so is a text whose remaining pixels lie scattered among the covered ones: they
// are the new picture's own in the text's colour.
bool sichtbar(const Lauf& l, const uint8_t* pixel, size_t zeile, size_t bpp, int32_t w, int32_t h)
{
    size_t innen = 0;
    int32_t von = INT32_MAX, bis = INT32_MIN;
    const size_t gleich = noch_da(l, pixel, zeile, bpp, w, h, &innen, [&](int32_t x, int32_t) {
        von = std::min(von, x);
        bis = std::max(bis, x);
    });
    if (innen == 0 || gleich * 4 <= innen) return false;
    if (gleich * 2 > innen) return true;
    // the covered columns make one piece at an end of the text, no shown pixel among them
    if (von > l.tinte.x1 + 1 && bis < l.tinte.x2 - 2) return false;
    size_t dazwischen = 0;
    for (const Grafik_Text_Punkt& p : l.punkte) {
        const int32_t x = l.tinte.x1 + p.x, y = l.tinte.y1 + p.y;
        if (x < von || x > bis || x < 0 || y < 0 || x >= w || y >= h) continue;
        uint16_t wert = 0;
        std::memcpy(&wert, pixel + size_t(y) * zeile + size_t(x) * bpp, bpp);
        if (wert == p.wert) ++dazwischen;
    }
    return dazwischen * 10 <= gleich;
}

// Texts drawn wholly outside their bitmap: nothing of them shows, which is a finding of the
// bitmap (they go with it where it is copied whole, and go when it is filled anew).
std::unordered_map<const Rastport*, std::vector<Lauf>> verloren;

// Small areas filled on a bitmap (a chart's marker, a legend's square): a text printed onto one
// afterwards, the area within its ink, is unreadable there. Larger fills are the ground texts
// are drawn on.
constexpr int64_t MARKE_FLAECHE = 100;
std::unordered_map<const Rastport*, std::vector<Rechteck>> marken;

// Areas of a bitmap laid over since its texts were last looked at (a transparent copy may cover
// a text whole: a panel's picture without a see-through pixel).
std::unordered_map<const Rastport*, std::vector<Rechteck>> offen;

// The texts of the bitmap that `betroffen` names and that its pixels no longer show are forgotten.
// Page 0 is judged by the shown frame when the screen is checked.
template <class F>
void unsichtbare_vergessen(const Rastport* bm, F betroffen)
{
    auto it = leben.find(bm);
    if (it == leben.end() || !bm || bm == Grafik_Seite_0 || bm->packed || !bm->pixels) return;
    const size_t bpp = bm->depth == 8 ? 1 : 2;
    const auto* pixel = static_cast<const uint8_t*>(bm->pixels);
    auto& liste = it->second;
    liste.erase(std::remove_if(liste.begin(), liste.end(),
                               [&](const Lauf& l) {
                                   return betroffen(l) && !sichtbar(l, pixel, size_t(bm->width) * bpp, bpp,
                                                                    int32_t(bm->width), int32_t(bm->height));
                               }),
                liste.end());
}

// The texts of the bitmap under its open areas that were drawn over are forgotten.
void nachsehen(const Rastport* bm)
{
    auto o = offen.find(bm);
    if (o == offen.end()) return;
    const std::vector<Rechteck> flaechen = std::move(o->second);
    offen.erase(o);
    unsichtbare_vergessen(bm, [&](const Lauf& l) {
        for (const Rechteck& r : flaechen)
            if (schnitt(r, l.tinte).flaeche() > 0) return true;
        return false;
    });
}

void text_gemeldet(const Grafik_Text_Lauf& t)
{
    nachsehen(t.ziel);
    Lauf l;
    l.text.assign(t.text, size_t(t.laenge));
    l.ganz = t.ganz;
    l.tinte = {t.x1, t.y1, t.x2, t.y2};
    l.kasten = {t.kasten.x1, t.kasten.y1, t.kasten.x2, t.kasten.y2};
    l.kasten_name = t.kasten.name ? t.kasten.name : "";
    l.kasten_nummer = t.kasten.nummer;
    l.bitmap_w = t.ziel ? int32_t(t.ziel->width) : 0;
    l.bitmap_h = t.ziel ? int32_t(t.ziel->height) : 0;
    // A text wholly beside the icon that drew it is no part of the icon: the icon only hooks a
    // drawing of its own (a page drawn by a one-pixel icon's procedure). The bitmap is its box,
    // or the text could never be seen.
    if (schnitt(l.tinte, l.kasten).flaeche() == 0) {
        l.kasten = {0, 0, l.bitmap_w, l.bitmap_h};
        l.kasten_name.clear();
        l.kasten_nummer = -1;
    }
    // The bitmap cuts whatever box the text belongs to.
    l.kasten = schnitt(l.kasten, {0, 0, l.bitmap_w, l.bitmap_h});
    for (int32_t i = 0; i < t.punkt_anzahl; ++i) {
        const Grafik_Text_Punkt& p = t.punkte[i];
        l.punkte.push_back({int16_t(p.x - t.x1), int16_t(p.y - t.y1), p.wert});
    }
    // A text wholly outside its bitmap draws nothing and cannot be seen: it is kept as a
    // finding of the bitmap. One partly outside is cut, which its box (at most the bitmap) tells.
    if (schnitt(l.tinte, {0, 0, l.bitmap_w, l.bitmap_h}).flaeche() == 0) {
        // (The icon under the pointer is named in a debugging strip below the screen pages, on
        // purpose out of sight.)
        const bool leiste = (t.ziel == Grafik_Seite_0 || t.ziel == Grafik_Seite_1) && l.tinte.y1 >= l.bitmap_h;
        if (!leiste) ablegen(verloren[t.ziel], std::move(l));
        return;
    }
    // A text in the colour of what lies under it cannot be seen.
    if (l.punkte.empty()) return;
    if (auto m = marken.find(t.ziel); m != marken.end())
        for (const Rechteck& r : m->second)
            if (innen(r, l.tinte)) l.marke = r;
    ablegen(leben[t.ziel], std::move(l));
}

// The texts of a bitmap whose pixels were changed since without a copy or a text the check is
// told of (a picture blurred in place, a page cleared by the screen's own code) are forgotten
// before the bitmap is copied on: they would travel with the copy as if they still showed there.
void vergessen_was_fehlt(const Rastport* bm, const Rechteck& bereich)
{
    unsichtbare_vergessen(bm, [&](const Lauf& l) { return schnitt(l.tinte, bereich).flaeche() > 0; });
}

void flaeche_gemeldet(const Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h, const Rastport* dst,
                      int32_t dx, int32_t dy, bool deckend)
{
    nachsehen(src);
    nachsehen(dst);
    if (src) vergessen_was_fehlt(src, {sx, sy, sx + w, sy + h});
    if (!deckend && leben.count(dst)) offen[dst].push_back({dx, dy, dx + w, dy + h});
    const Rechteck ziel{dx, dy, dx + w, dy + h};
    if (deckend) {
        // Filled anew whole: what was lost on it and its marks are gone.
        if (dst && dx <= 0 && dy <= 0 && dx + w >= int32_t(dst->width) && dy + h >= int32_t(dst->height)) verloren.erase(dst);
        if (auto m = marken.find(dst); m != marken.end())
            m->second.erase(std::remove_if(m->second.begin(), m->second.end(),
                                           [&](const Rechteck& r) { return schnitt(r, ziel).flaeche() == r.flaeche(); }),
                            m->second.end());
        if (!src && w >= 2 && h >= 2 && ziel.flaeche() <= MARKE_FLAECHE) marken[dst].push_back(ziel);
    }
    // A bitmap copied whole takes its lost texts along.
    if (src && sx == 0 && sy == 0 && w == int32_t(src->width) && h == int32_t(src->height))
        if (auto v = verloren.find(src); v != verloren.end() && !v->second.empty()) {
            std::vector<Lauf> mit = v->second;
            for (Lauf& l : mit) {
                l.tinte = {l.tinte.x1 + dx, l.tinte.y1 + dy, l.tinte.x2 + dx, l.tinte.y2 + dy};
                l.kasten = {l.kasten.x1 + dx, l.kasten.y1 + dy, l.kasten.x2 + dx, l.kasten.y2 + dy};
                ablegen(verloren[dst], std::move(l));
            }
        }
    std::vector<Lauf> kopien;
    if (src) {
        auto it = leben.find(src);
        if (it != leben.end()) {
            const Rechteck quelle{sx, sy, sx + w, sy + h};
            const int32_t vx = dx - sx, vy = dy - sy;
            for (const Lauf& l : it->second) {
                if (schnitt(l.tinte, quelle).flaeche() == 0) continue;
                Lauf k = l;
                k.tinte = {l.tinte.x1 + vx, l.tinte.y1 + vy, l.tinte.x2 + vx, l.tinte.y2 + vy};
                if (k.marke.flaeche() > 0) k.marke = {l.marke.x1 + vx, l.marke.y1 + vy, l.marke.x2 + vx, l.marke.y2 + vy};
                // What the copy leaves out of the text is cut: its box ends where the copy does.
                const Rechteck kasten = schnitt(l.kasten, quelle);
                k.kasten = {kasten.x1 + vx, kasten.y1 + vy, kasten.x2 + vx, kasten.y2 + vy};
                const Rechteck t = k.tinte;
                if (l.von == dst && t.x1 == l.von_tinte.x1 && t.y1 == l.von_tinte.y1 && t.x2 == l.von_tinte.x2 && t.y2 == l.von_tinte.y2)
                    k.kasten = l.von_kasten;
                k.von = src;
                k.von_tinte = l.tinte;
                k.von_kasten = l.kasten;
                kopien.push_back(std::move(k));
            }
        }
    }
    if (deckend) {
        auto it = leben.find(dst);
        if (it != leben.end()) {
            auto& liste = it->second;
            // A copy that brings a text back to where it stands (a saved area put back, a column
            // of a panel redrawn) draws part of it again: the rest still shows from before, and
            // the text keeps the box it had there.
            for (Lauf& k : kopien)
                for (const Lauf& a : liste)
                    if (dasselbe(a, k) && a.tinte.x1 == k.tinte.x1 && a.tinte.y1 == k.tinte.y1 && a.kasten_nummer == k.kasten_nummer)
                        k.kasten = {std::min(a.kasten.x1, k.kasten.x1), std::min(a.kasten.y1, k.kasten.y1),
                                    std::max(a.kasten.x2, k.kasten.x2), std::max(a.kasten.y2, k.kasten.y2)};
            // A text that stands partly beyond the bitmap (copied in from a wider one) goes when
            // the fill covers half of what it has inside.
            const Rechteck ganz{0, 0, dst ? int32_t(dst->width) : INT32_MAX, dst ? int32_t(dst->height) : INT32_MAX};
            liste.erase(std::remove_if(liste.begin(), liste.end(),
                                       [&](const Lauf& l) {
                                           const int64_t drin = schnitt(l.tinte, ganz).flaeche();
                                           return schnitt(l.tinte, ziel).flaeche() * 2 >= (drin > 0 ? drin : l.tinte.flaeche());
                                       }),
                        liste.end());
        }
    }
    if (!kopien.empty()) {
        auto& liste = leben[dst];
        for (Lauf& k : kopien) {
            // A copy of part of a text that stands there already draws that part again: the
            // text keeps its box.
            auto da = std::find_if(liste.begin(), liste.end(), [&](const Lauf& a) { return dasselbe(a, k); });
            if (da != liste.end()) {
                da->kasten = {std::min(da->kasten.x1, k.kasten.x1), std::min(da->kasten.y1, k.kasten.y1),
                              std::max(da->kasten.x2, k.kasten.x2), std::max(da->kasten.y2, k.kasten.y2)};
                continue;
            }
            liste.push_back(std::move(k));
        }
    }
}

std::string utf8(const std::string& s)
{
    std::string u;
    for (unsigned char c : s) {
        if (c < 32) {
            u += ' ';
        } else if (c < 0x80) {
            u += char(c);
        } else {
            u += char(0xC0 | (c >> 6));
            u += char(0x80 | (c & 0x3F));
        }
    }
    return u;
}

std::string rechteck(const Rechteck& r)
{
    char b[64];
    std::snprintf(b, sizeof b, "(%d,%d)-(%d,%d)", r.x1, r.y1, r.x2, r.y2);
    return b;
}

std::string kasten_text(const Lauf& l)
{
    if (!l.kasten_name.empty())
        return l.kasten_name + (l.kasten_nummer >= 0 ? " " + std::to_string(l.kasten_nummer) : "") + " " + rechteck(l.kasten);
    return "Bitmap " + std::to_string(l.bitmap_w) + "x" + std::to_string(l.bitmap_h) + " " + rechteck(l.kasten);
}

// The smallest icon of the screen that holds the text's first pixel.
int32_t icon_unter(const Rechteck& r)
{
    int32_t beste = -1;
    int64_t flaeche = 0;
    for (int32_t p = 0; p < MENUE_PRIORITAETEN; ++p)
        for (int32_t s = Menue_Icons.hoechster[p]; s >= 0; --s) {
            const Menue_Icon* i = Menue_Icons.slot[p][s];
            if (!i || (i->status & ICON_VERSTECKT) || i->scrollscreen != 255) continue;
            const Rechteck ir{i->x, i->y, i->x + i->breite, i->y + i->hoehe};
            if (r.x1 < ir.x1 || r.x1 >= ir.x2 || r.y1 < ir.y1 || r.y1 >= ir.y2) continue;
            if (beste < 0 || ir.flaeche() < flaeche) beste = i->nummer, flaeche = ir.flaeche();
        }
    return beste;
}

}  // namespace

void Text_Pruefung_Starten()
{
    // Headless, every frame is drawn whole, so that the check sees what a window would show.
    Os_Display_Set_Bild_Immer(true);
    leben.clear();
    offen.clear();
    verloren.clear();
    marken.clear();
    an = true;
    Grafik_Text_Hook_Setzen(text_gemeldet);
    Grafik_Flaeche_Hook_Setzen(flaeche_gemeldet);
}

void Text_Pruefung_Beenden()
{
    Grafik_Text_Hook_Setzen(nullptr);
    Grafik_Flaeche_Hook_Setzen(nullptr);
    leben.clear();
    offen.clear();
    verloren.clear();
    marken.clear();
    an = false;
    Os_Display_Set_Bild_Immer(false);
}

bool Text_Pruefung_An() { return an; }

namespace {

// The pixels of the page as they are seen: the display's frame for the screen (a view may draw
// past page 0 into it), else the page's own; null when they cannot be read.
const uint8_t* bildpunkte(const Rastport* seite, const Rastport* bild, size_t* zeile)
{
    if (!bild || bild->packed || !bild->pixels) return nullptr;
    const size_t bpp = bild->depth == 8 ? 1 : 2;
    *zeile = size_t(bild->width) * bpp;
    int32_t pitch = 0;
    if (const uint16_t* frame = Os_Display_Frame(&pitch);
        !seite && frame && bpp == 2 && Os_Display_Width() == int32_t(bild->width) && Os_Display_Height() == int32_t(bild->height)) {
        *zeile = size_t(pitch) * 2;
        return reinterpret_cast<const uint8_t*>(frame);
    }
    return static_cast<const uint8_t*>(bild->pixels);
}

// The texts on the page that can still be seen.
std::vector<Lauf> sichtbare(const Rastport* seite)
{
    std::vector<Lauf> liste;
    const Rastport* bild = seite ? seite : Grafik_Seite_0;
    auto it = leben.find(bild);
    size_t zeile = 0;
    const uint8_t* pixel = it == leben.end() ? nullptr : bildpunkte(seite, bild, &zeile);
    if (!pixel) return liste;
    const size_t bpp = bild->depth == 8 ? 1 : 2;
    // Only what can still be seen: a text whose pixels were mostly drawn over since is gone.
    for (const Lauf& l : it->second)
        if (sichtbar(l, pixel, zeile, bpp, int32_t(bild->width), int32_t(bild->height))) liste.push_back(l);
    return liste;
}

// Two texts lie on each other where both drew the same pixel, or where their boxes of ink
// reach two rows and columns into each other (the lines of the one run through the other's even
// where their strokes miss). Lines whose boxes share one row, a descender over the next line's
// accent, are apart unless a pixel meets.
bool beruehren(const Lauf& a, const Lauf& b)
{
    const Rechteck s = schnitt(a.tinte, b.tinte);
    if (s.flaeche() == 0) return false;
    if (s.x2 - s.x1 >= 2 && s.y2 - s.y1 >= 2) return true;
    std::set<std::pair<int32_t, int32_t>> punkte;
    for (const Grafik_Text_Punkt& p : a.punkte) punkte.insert({a.tinte.x1 + p.x, a.tinte.y1 + p.y});
    for (const Grafik_Text_Punkt& p : b.punkte)
        if (punkte.count({b.tinte.x1 + p.x, b.tinte.y1 + p.y})) return true;
    return false;
}

// A run of a text drawn in parts over itself: a shadow drawn whole and the text over it in runs
// of their own colours (a score whose goals are coloured apart), within the shadow's offset.
bool teil_von(const Lauf& ganz, const Lauf& teil)
{
    constexpr int32_t VERSATZ = 2;
    return teil.text.size() < ganz.text.size() && ganz.text.find(teil.text) != std::string::npos &&
           innen(teil.tinte, {ganz.tinte.x1 - VERSATZ, ganz.tinte.y1 - VERSATZ, ganz.tinte.x2 + VERSATZ, ganz.tinte.y2 + VERSATZ});
}

}  // namespace

size_t Text_Pruefung_Sichtbar(const Rastport* seite) { return sichtbare(seite).size(); }

std::vector<Text_Sichtbar> Text_Pruefung_Texte(const Rastport* seite)
{
    std::vector<Text_Sichtbar> texte;
    const Rastport* bild = seite ? seite : Grafik_Seite_0;
    size_t zeile = 0;
    const uint8_t* pixel = bildpunkte(seite, bild, &zeile);
    if (!pixel) return texte;
    const size_t bpp = bild->depth == 8 ? 1 : 2;
    for (const Lauf& l : sichtbare(seite)) {
        Lauf ganz = l;
        ganz.kasten = {0, 0, int32_t(bild->width), int32_t(bild->height)};
        size_t punkte = 0;
        const size_t gezeigt = noch_da(ganz, pixel, zeile, bpp, int32_t(bild->width), int32_t(bild->height), &punkte);
        texte.push_back({utf8(l.text), l.tinte.x1, l.tinte.y1, l.tinte.x2, l.tinte.y2, punkte, gezeigt});
    }
    return texte;
}

std::vector<Text_Befund> Text_Pruefung_Befunde(const Rastport* seite)
{
    std::vector<Text_Befund> befunde;
    const std::vector<Lauf> liste = sichtbare(seite);
    auto befund = [&](const Lauf& l, bool raus, const std::string& anderer, bool verdeckt = false, bool unterlegt = false) {
        befunde.push_back({raus, utf8(l.text), utf8(l.ganz), l.tinte.x1, l.tinte.y1, l.tinte.x2, l.tinte.y2,
                           kasten_text(l), anderer, icon_unter(l.tinte), verdeckt, unterlegt});
    };
    const Rastport* bild = seite ? seite : Grafik_Seite_0;
    if (auto v = verloren.find(bild); v != verloren.end())
        for (const Lauf& l : v->second) befund(l, true, "");
    size_t zeile = 0;
    const uint8_t* pixel = liste.empty() ? nullptr : bildpunkte(seite, bild, &zeile);
    // An open popup list lies over the screen by design, with its shadow around it: what it
    // covers of the texts under it, and its own texts on them, are no finding. Its own texts
    // were drawn into the list's bitmap, of the list's size. The pointer is no part of the screen.
    struct Ebene {
        Rechteck flaeche;
        int32_t w, h;  // a list's bitmap; 0 for the message box
    };
    std::vector<Ebene> ebenen;
    if (!seite) {
        // A message box stands over the screen as well, below a list that opens over it.
        if (const Menue_Icon* r = Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN) ? Menue_Screen_Icon_Aus_Nummer(REQ_RAHMEN) : nullptr)
            ebenen.push_back({{r->x, r->y, r->x + r->breite, r->y + r->hoehe}, 0, 0});
        for (uint8_t sub : {uint8_t(0), uint8_t(1)})
            if (Popup_Liste_Offen(sub)) {
                const Popup_Rechteck r = Popup_Liste_Rechteck(sub);
                ebenen.push_back({{r.x - POPUP_SCHATTEN, r.y - POPUP_SCHATTEN, r.x + r.w + POPUP_SCHATTEN, r.y + r.h + POPUP_SCHATTEN},
                                  r.w, r.h});
            }
    }
    auto box_icon = [](int32_t n) {
        return n == REQ_RAHMEN || n == REQ_JA || n == REQ_NEIN || n == REQ_OK || n == REQ_FUELLER || n == REQ_WAPPEN ||
               n == REQ_BILD;
    };
    // The layer a text belongs to (its index), -1 none: a list's texts were drawn into the
    // list's bitmap, of the list's size; the box's into its frame and buttons.
    auto eigen = [&](const Lauf& l) {
        for (size_t k = 0; k < ebenen.size(); ++k) {
            const Ebene& e = ebenen[k];
            if (!innen(l.tinte, e.flaeche)) continue;
            if (e.w ? l.bitmap_w == e.w && l.bitmap_h == e.h : box_icon(l.kasten_nummer))
                return int32_t(k);
        }
        return -1;
    };
    // What a list covers of the screen's texts, and a sub-list of its main list's, is meant.
    auto gewollt = [&](const Lauf& l, int32_t x, int32_t y) {
        if (!seite && Mauszeiger_Overlaps_Rect(x, y, 1, 1)) return true;
        for (size_t k = size_t(eigen(l) + 1); k < ebenen.size(); ++k) {
            const Rechteck& e = ebenen[k].flaeche;
            if (x >= e.x1 && x < e.x2 && y >= e.y1 && y < e.y2) return true;
        }
        return false;
    };
    for (size_t i = 0; i < liste.size(); ++i) {
        const Lauf& a = liste[i];
        if (!innen(a.tinte, a.kasten)) befund(a, true, "");
        // Its pixels drawn over by something that is not a text: a picture, a frame, a bar laid
        // over part of it later (another text on it is a finding of its own, below).
        size_t punkte = 0, verdeckt = 0;
        if (pixel)
            noch_da(a, pixel, zeile, bild->depth == 8 ? 1 : 2, int32_t(bild->width), int32_t(bild->height), &punkte,
                    [&](int32_t x, int32_t y) {
                        if (gewollt(a, x, y)) return;
                        for (size_t j = 0; j < liste.size(); ++j) {
                            const Rechteck& t = liste[j].tinte;
                            if (j != i && x >= t.x1 && x < t.x2 && y >= t.y1 && y < t.y2) return;
                        }
                        ++verdeckt;
                    });
        if (verdeckt > 0) befund(a, false, std::to_string(verdeckt) + " von " + std::to_string(punkte) + " Punkten", true);
        if (a.marke.flaeche() > 0) befund(a, false, "Marke " + rechteck(a.marke), false, true);
        for (size_t j = i + 1; j < liste.size(); ++j) {
            const Lauf& b = liste[j];
            if (!beruehren(a, b) || dasselbe(a, b) || teil_von(a, b) || teil_von(b, a)) continue;
            // (a list's texts lie over what is under it by design)
            if (eigen(a) != eigen(b)) continue;
            befund(a, false, "\"" + utf8(b.text) + "\" " + rechteck(b.tinte));
        }
    }
    return befunde;
}

std::string Text_Befund_Zeile(const Text_Befund& b)
{
    char tinte[64];
    std::snprintf(tinte, sizeof tinte, "(%d,%d)-(%d,%d)", b.x1, b.y1, b.x2, b.y2);
    std::string z = b.raus ? "raus\t" : b.verdeckt ? "verdeckt\t" : b.unterlegt ? "unterlegt\t" : "ueber\t";
    z += "\"" + b.text + "\" " + tinte + "\t" + b.kasten + "\t" + b.anderer + "\tIcon " + std::to_string(b.icon) +
         "\t\"" + b.ganz + "\"";
    return z;
}

bool Text_Pruefung_Schreiben(int32_t schirm)
{
    const char* datei = std::getenv("DORVIN_TEXTE");
    if (!an || !datei || !*datei) return false;
    FILE* f = std::fopen(datei, "a");
    if (!f) return false;
    std::fprintf(f, "%d\tSchirm\t%zu\n", schirm, Text_Pruefung_Sichtbar());
    for (const Text_Befund& b : Text_Pruefung_Befunde()) std::fprintf(f, "%d\t%s\n", schirm, Text_Befund_Zeile(b).c_str());
    std::fclose(f);
    return true;
}
