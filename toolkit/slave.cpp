#include "toolkit/slave.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/handle.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "toolkit/dienste.h"
#include "toolkit/menue_intern.h"
#include "toolkit/slave_tabelle.h"

namespace {

std::array<Slave_Rastport, 208> tabelle_1 = Slave_Vorgabe_1;
std::array<Slave_Rastport, 185> tabelle_2 = Slave_Vorgabe_2;
std::array<Slave_Rastport, 57> tabelle_3 = Slave_Vorgabe_3;
Rastport* slots[MENUE_SLAVE_ANZAHL];
// The slots that hold a picture, a bit each: a menu uses a few dozen of the 450, and every turn
// walks them to free them.
uint64_t belegt[(MENUE_SLAVE_ANZAHL + 63) / 64];

void slot_setzen(int32_t n, Rastport* b)
{
    slots[n] = b;
    const uint64_t bit = uint64_t(1) << (n & 63);
    if (b) belegt[n >> 6] |= bit;
    else belegt[n >> 6] &= ~bit;
}

// f(n) for every slot that holds a picture, in ascending order; f may empty slot n.
template <class F>
void belegte_slots(F f)
{
    for (int32_t w = 0; w < int32_t(std::size(belegt)); ++w)
        for (uint64_t m = belegt[w]; m; m &= m - 1) f(w * 64 + __builtin_ctzll(m));
}

bool gueltig(int32_t n) { return n >= 0 && n < MENUE_SLAVE_ANZAHL; }

Slave_Rastport& beschreibung(int32_t n)
{
    if (n < 208) return tabelle_1[size_t(n)];
    if (n < 393) return tabelle_2[size_t(n - 208)];
    return tabelle_3[size_t(n - 393)];
}

int32_t tiefe() { return Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16; }

// The menu's pictures as the resource file gave them, kept while the file stays open: every
// turn builds the menu anew and asks for the same icons again. A plain picture (no packed data,
// no attachments) is handed out as a copy of the kept one; any other is loaded each time.
struct Bild_Schluessel {
    int32_t handle, nummer, tiefe;
    uint32_t stand;
    bool operator<(const Bild_Schluessel& o) const
    {
        return std::tie(handle, nummer, tiefe, stand) < std::tie(o.handle, o.nummer, o.tiefe, o.stand);
    }
};
// The kept pictures go back with the program (their store is the last to know them).
struct Bilder_Vorrat : std::map<Bild_Schluessel, Rastport*> {
    ~Bilder_Vorrat()
    {
        for (auto& [schluessel, bild] : *this) Grafik_Bitmap_Freigeben(bild);
    }
};
Bilder_Vorrat bilder;

bool kopierbar(const Rastport* b)
{
    return b && !b->packed && !b->companion && !b->extra && !b->palette && !b->colour_table && b->pixels &&
           (b->depth == 8 || b->depth == 15 || b->depth == 16);
}

Rastport* kopie(const Rastport* b)
{
    // Every pixel and mask byte is copied over: nothing to clear first.
    Rastport* k = Grafik_Bitmap_Anlegen_Ungeloescht(int32_t(b->width), int32_t(b->height), b->depth, b->mask != nullptr);
    if (!k) return nullptr;
    k->table_depth = b->table_depth;
    std::memcpy(k->pixels, b->pixels, size_t(b->width) * b->height * Grafik_Bytes_Pro_Pixel(b->depth));
    if (b->mask && k->mask) std::memcpy(k->mask, b->mask, Grafik_Masken_Groesse(b->width, b->height));
    return k;
}

Rastport* ressource_laden(int32_t code)
{
    int32_t datei = code / MENUE_RESSOURCE_CODE - 1;
    if (datei < 0 || datei >= RESFILE_STANDARD || ResFile_Handles[datei].handle < 0) return nullptr;
    return Menue_Ressource_Bild(ResFile_Handles[datei].handle, code % MENUE_RESSOURCE_CODE);
}

Rastport* flaeche(int32_t w, int32_t h, uint16_t farbe)
{
    Rastport* b = Grafik_Bitmap_Anlegen_Ungeloescht(w, h, tiefe(), false);
    if (b) Grafik_Rechteck_Fuellen(b, 0, 0, w, h, farbe);
    return b;
}

// An icon that showed the old bitmap shows the new one; one that takes its slave's size takes
// the new size.
void neu_zeigen(Menue_Icon* i, const Rastport* alt, Rastport* neu)
{
    if (!i || i->bitmap != alt) return;
    i->bitmap = neu;
    if (neu && (i->flags & ICON_SLAVE) && !(i->flags & ICON_SLAVE_FEST)) {
        i->breite = uint16_t(neu->width);
        i->hoehe = uint16_t(neu->height);
    }
}

// Every place that shows the old bitmap shows the new one (null: nothing).
void umhaengen(const Rastport* alt, Rastport* neu)
{
    // The old bitmap is never null, so only the registry entries that hold something can show it.
    for (const int16_t n : Menue_Icons.belegt) {
        Menue_Register_Eintrag& r = Menue_Icons.reg[n];
        if (r.bitmap == alt) r.bitmap = neu;
        neu_zeigen(r.icon, alt, neu);
    }
    for (int32_t p = 0; p < MENUE_PRIORITAETEN; ++p)
        for (int32_t s = 0; s <= Menue_Icons.hoechster[p]; ++s) neu_zeigen(Menue_Icons.slot[p][s], alt, neu);
}

}  // namespace

Rastport* Menue_Ressource_Bild(int32_t handle, int32_t nummer)
{
    const Bild_Schluessel s{handle, nummer, tiefe(), ResFile_Stand(handle)};
    auto it = bilder.find(s);
    if (it == bilder.end()) {
        auto* b = static_cast<Rastport*>(Load_Resource(handle, nummer, s.tiefe, nullptr));
        if (!kopierbar(b)) return b;
        // A file closed or opened anew makes the pictures of its old opening stale, on whichever
        // handle they were read.
        for (auto alt = bilder.begin(); alt != bilder.end();)
            if (alt->first.stand != ResFile_Stand(alt->first.handle)) {
                Grafik_Bitmap_Freigeben(alt->second);
                alt = bilder.erase(alt);
            } else {
                ++alt;
            }
        it = bilder.emplace(s, b).first;
    }
    return kopie(it->second);
}

const Slave_Rastport* Menue_Slave_Beschreibung(int32_t n) { return gueltig(n) ? &beschreibung(n) : nullptr; }

Rastport* Menue_Get_Slave_Rastport(int32_t n)
{
    if (!gueltig(n)) {
        Print_Fehler("Menue_Get_Slave_Rastport: slave_nr=%d!", n);
        return nullptr;
    }
    if (slots[n]) return slots[n];
    Slave_Rastport& d = beschreibung(n);
    if (d.code != -1 && d.code < MENUE_RESSOURCE_CODE) {
        Print_Fehler("Slave_RP %d: Falsche Icon-Nr (%d)!", n, d.code);
        return nullptr;
    }
    if (d.code >= MENUE_RESSOURCE_CODE) {
        slot_setzen(n, ressource_laden(d.code));
        if (slots[n]) {
            d.breite = int32_t(slots[n]->width);
            d.hoehe = int32_t(slots[n]->height);
        }
        return slots[n];
    }
    uint16_t farbe = Grafik_Farbe(9, 1, 1);
    if (d.farbe >= UI_FARBEN || d.farbe < -1) Print_Fehler("Menue_Get_Slave_Rastport: Farbe illegal !");
    else if (d.farbe >= 0) farbe = uint16_t(UI_Farbtabelle[d.farbe].farbe);
    slot_setzen(n, flaeche(d.breite, d.hoehe, farbe));
    return slots[n];
}

void Menue_Change_Slave_Rastport(int32_t n, Slave_Rastport* d)
{
    if (!gueltig(n)) {
        Print_Fehler("Menue_Change_Slave_Rastport: slave_nr=%d!", n);
        return;
    }
    if (!d) {
        Print_Fehler("Menue_Change_Slave_Rastport: d==NULL!");
        return;
    }
    Slave_Rastport& alt = beschreibung(n);
    if (!slots[n]) {
        alt.code = d->code;
        return;
    }
    if (alt.code == d->code) return;
    if (d->code != -1 && d->code < MENUE_RESSOURCE_CODE) {
        alt.code = d->code;
        Print_Fehler("Menue_Change_Slave_Rastport: Slave_rp %d: Falsche Icon-Nr (%d)!", n, d->code);
        return;
    }
    Rastport* neu = nullptr;
    if (d->code >= MENUE_RESSOURCE_CODE) {
        neu = ressource_laden(d->code);
        if (neu) {
            d->breite = int32_t(neu->width);
            d->hoehe = int32_t(neu->height);
        }
    } else {
        // The fill colour is a pixel value here, not a table index.
        neu = flaeche(d->breite, d->hoehe, d->farbe == -1 ? Grafik_Farbe(9, 1, 1) : uint16_t(uint8_t(d->farbe)));
    }
    if (!neu) {
        // Nothing to show instead: the old picture stays, under its old code.
        Print_Fehler("Menue_Change_Slave_Rastport: Slave_rp %d: Bild %d fehlt!", n, d->code);
        return;
    }
    alt.code = d->code;
    if (d->code == -1) alt.breite = d->breite, alt.hoehe = d->hoehe, alt.farbe = d->farbe;
    else alt.breite = d->breite, alt.hoehe = d->hoehe;
    Rastport* vorher = slots[n];
    umhaengen(vorher, neu);
    Handle_Objekt_Freigeben(vorher);
    Grafik_Bitmap_Freigeben(vorher);
    slot_setzen(n, neu);
}

void Menue_Free_Slave_Rastport(int32_t n)
{
    if (!gueltig(n)) {
        Print_Fehler("Menue_Free_Slave_Rastport: slave_nr=%d!", n);
        return;
    }
    if (!slots[n]) return;
    umhaengen(slots[n], nullptr);
    Handle_Objekt_Freigeben(slots[n]);
    slot_setzen(n, Grafik_Bitmap_Freigeben(slots[n]));
}

int32_t Menue_Slave_Von_Bitmap(const Rastport* bitmap)
{
    if (!bitmap) return -1;
    int32_t gefunden = -1;
    belegte_slots([&](int32_t n) {
        if (gefunden < 0 && slots[n] == bitmap) gefunden = n;
    });
    return gefunden;
}

void Menue_Slaves_Init()
{
    Menue_Slaves_Freigeben(true);
    tabelle_1 = Slave_Vorgabe_1;
    tabelle_2 = Slave_Vorgabe_2;
    tabelle_3 = Slave_Vorgabe_3;
}

void Menue_Slaves_Freigeben(bool alle)
{
    // As Menue_Free_Slave_Rastport for each, with one walk of the registry for all of them.
    std::vector<const Rastport*> frei;
    belegte_slots([&](int32_t n) {
        if (alle || beschreibung(n).behalten >= 0) frei.push_back(slots[n]);
    });
    if (frei.empty()) return;
    std::sort(frei.begin(), frei.end());
    Menue_Bitmaps_Vergessen(frei);
    belegte_slots([&](int32_t n) {
        if (std::binary_search(frei.begin(), frei.end(), slots[n])) {
            Handle_Objekt_Freigeben(slots[n]);
            slot_setzen(n, Grafik_Bitmap_Freigeben(slots[n]));
        }
    });
}

std::vector<std::pair<const Rastport*, int32_t>> Menue_Slave_Bitmaps()
{
    std::vector<std::pair<const Rastport*, int32_t>> v;
    belegte_slots([&](int32_t n) { v.emplace_back(slots[n], n); });
    std::sort(v.begin(), v.end());
    return v;
}
