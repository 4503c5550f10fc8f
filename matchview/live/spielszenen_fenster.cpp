// The live view's windows: layout, visibility, set-up, the per-frame run and the drawing of a
// frame (windows, frame picture, separators, panels).
#include <algorithm>
#include <cstring>

#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_printf.h"
#include "graphics/font.h"
#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/screen.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/live/spielszenen_szenerie.h"
#include "matchview/spielszenen.h"
#include "network/netz.h"
#include "platform/maus.h"
#include "platform/mauszeiger.h"
#include "platform/timer.h"
#include "platform/print.h"
#include "platform/resfile.h"

int32_t Spielszenen_Modus = SPIELSZENEN_SCREEN;
uint8_t Spielszenen_Neu_Zeichnen_Angefordert = 0;
int32_t Spielszenen_Fenster_Befehl = -1;
int32_t Spielszenen_Ansicht_Befehl = -1;
int32_t Spielszenen_Panel_Befehl = -1;
int32_t Spielszenen_Schirm_Befehl = -1;
int32_t Spielszenen_Schirm_Slot = -1, Spielszenen_Schirm_Seite = -1;
int32_t Spielszenen_Aufteilung = 0;
uint8_t Spielszenen_Alles_Zeichnen = 0;
uint8_t Spielszenen_Maus_Genommen = 0, Spielszenen_Maus_Genommen_Vorher = 0;
uint8_t Spielszenen_Blink_Schnell = 0, Spielszenen_Blink_Normal = 0;
int32_t Spielszenen_Zeiger_Form = 0;
int32_t Spielszenen_Schwebe_Index = -1;

namespace {

Spielszenen_Spielwahl_Hook spielwahl_hook = nullptr;
Spielszenen_Record_Hook record_hook = nullptr;

Spielfeld_Record* record_von(int32_t spiel) { return record_hook ? record_hook(spiel) : Spielfeld_Get_Spiel(spiel); }
uint32_t blink_zeit[2] = {0, 0};
Spielszenen_Ticker_Hook ticker_hook = nullptr;

constexpr int32_t RECHTECK[3][4][4] = {
    {{5, 4, 603, 471}, {5, 4, 603, 471}, {5, 4, 603, 471}, {5, 4, 603, 471}},
    {{5, 4, 603, 233}, {5, 4, 603, 233}, {5, 242, 603, 233}, {5, 242, 603, 233}},
    {{5, 4, 298, 233}, {308, 4, 300, 233}, {5, 242, 298, 233}, {308, 242, 300, 233}}};

Spielszenen_Fenster* F(int32_t i) { return &Spielszenen_Fenster_Liste[i]; }

void fenster_leeren(Spielszenen_Fenster& f)
{
    if (f.eingerichtet && f.record) f.record->anzeige = 0;
    f.eingerichtet = 0;
    f.spiel = -1;
    f.record = nullptr;
    f.aktiv = 0;
}

void alle_rechtecke()
{
    for (int32_t i = 0; i < SPIELSZENEN_FENSTER; ++i) Spielszenen_Fenster_Rechteck_Setzen(i);
}

int32_t spiele_mit_fenster()
{
    int32_t n = 0;
    for (const Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) n += f.spiel >= 0 ? 1 : 0;
    return n;
}

void erstes_aktiv()
{
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.spiel >= 0) {
            f.aktiv = 1;
            return;
        }
}

// Kit colour ramps: five shades of a colour for the index range the figures draw with.
void rampe(uint16_t* t, int32_t erste, int32_t anzahl, const uint8_t* rgb)
{
    const int32_t d = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
    for (int32_t k = 0; k < anzahl; ++k) {
        const int32_t f = 256 - 40 * k;
        t[erste + k] = Grafik_RGB_Zu_Pixel(d, std::min(255, rgb[0] * f / 256 + 8), std::min(255, rgb[1] * f / 256 + 8),
                                           std::min(255, rgb[2] * f / 256 + 8));
        if (t[erste + k] == 0) t[erste + k] = 1;
    }
}

int32_t farb_abstand(const uint8_t* a, const uint8_t* b)
{
    return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
}

// The figure colour tables of a window: the window's colours with each slot's kit put in. A
// club's twelve colours: shirts home, away, other (0-2), their shorts (3-5), trim, stripe,
// goalkeeper's shirt and shorts, bench staff's shirt and shorts.
void figur_farben(Spielszenen_Fenster& f, const Spielfeld_Record* r)
{
    // per side: shirt, shorts, trim, stripe, keeper's shirt and shorts, the bench staff's shirt
    // and trousers (clubs outside the table)
    static const uint8_t STANDARD[2][8][3] = {
        {{200, 30, 30}, {255, 255, 255}, {255, 255, 255}, {200, 30, 30}, {40, 160, 60}, {20, 20, 20}, {40, 40, 70}, {40, 40, 70}},
        {{240, 240, 240}, {30, 30, 120}, {30, 30, 120}, {240, 240, 240}, {230, 200, 30}, {20, 20, 20}, {60, 60, 60}, {60, 60, 60}}};
    uint8_t kit[2][8][3];
    for (int32_t s = 0; s < 2; ++s) {
        const int32_t team = int32_t(r->team[s]);
        const bool da = T_Fix && team >= 0 && team < Team_Anzahl;
        if (!da) {
            std::memcpy(kit[s], STANDARD[s], sizeof kit[s]);
            continue;
        }
        const uint8_t(*c)[3] = T_Fix[team].farben;
        int32_t hemd = s, hose = 3 + s;
        // the away side wears its other kit when its shirt would be mistaken for the home shirt
        if (s == 1 && farb_abstand(c[1], kit[0][0]) < 120) hemd = 2, hose = 5;
        const int32_t wahl[8] = {hemd, hose, 6, 7, 8, 9, 10, 11};
        for (int32_t k = 0; k < 8; ++k) std::memcpy(kit[s][k], c[wahl[k]], 3);
    }
    for (int32_t slot = 0; slot < SZ_FIGUR_FARBEN; ++slot) {
        uint16_t* t = f.figur_farben[slot];
        std::memcpy(t, f.farben, sizeof f.farben);
        // the staff on the benches wear their club's tracksuit: shirt and trousers, socks alike
        const bool stab = slot >= SZ_STAB_FARBEN;
        const uint8_t(*k)[3] = kit[stab ? slot - SZ_STAB_FARBEN : slot / 16];
        const bool torwart = !stab && r->objekt[slot].torwart != 0;
        rampe(t, SZ_HEMD, 5, k[stab ? 6 : torwart ? 4 : 0]);
        rampe(t, SZ_HOSE, 5, k[stab ? 7 : torwart ? 5 : 1]);
        rampe(t, SZ_BESATZ, 2, k[stab ? 6 : 2]);
        rampe(t, SZ_STUTZEN, 2, k[stab ? 7 : 3]);
        if (stab) continue;
        // skin and hair from the player's colour byte: hair in the high, skin in the low nibble
        const int32_t spnr = r->spieler[slot].spnr;
        if (spnr < 0 || spnr >= Spieler_Anzahl) continue;
        const int32_t haar = Spieler_Wert(SP_HAARFARBE, spnr, 0, 0), haut = Spieler_Wert(SP_HAUTFARBE, spnr, 0, 0);
        const int32_t byte = ((haar * 16 + haut) % 256 + 256) % 256;
        t[SZ_HAUT] = f.farben[SZ_HAUT + (byte & 15) % 13];
        t[SZ_HAAR] = f.farben[SZ_HAAR + (byte >> 4) % 8];
    }
}

void seite_bestimmen(Spielszenen_Fenster& f, const Spielfeld_Record* r)
{
    f.seite = -1;
    f.beide_seiten = 0;
    if (Netz_Rolle != 0) {
        const int32_t team = Netz_Rolle == 3 ? Server_Team : Aktuelles_Team;
        if (int32_t(r->team[0]) == team) f.seite = 0;
        if (int32_t(r->team[1]) == team) f.seite = 1;
        return;
    }
    const int32_t team = Netz_Get_Eigenes_Team();
    if (team < 0) return;
    if (int32_t(r->team[0]) == team) f.seite = 0;
    else if (int32_t(r->team[1]) == team) f.seite = 1;
    if (int32_t(r->team[0]) == team && int32_t(r->team[1]) == team) f.seite = 0, f.beide_seiten = 1;
}

void hintergrund_laden(Spielszenen_Fenster& f, Spielfeld_Record* r)
{
    f.hintergrund = Grafik_Bitmap_Freigeben(f.hintergrund);
    const bool voll = f.groesse == 0;
    const int32_t tiefe = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
    f.hintergrund = Grafik_Bitmap_Anlegen(voll ? SZ_BILD_BREITE : SZ_BILD_HALB_BREITE, voll ? SZ_BILD_HOEHE : SZ_BILD_HALB_HOEHE,
                                          tiefe);
    if (!f.hintergrund) return;
    // a new bitmap holds no picture yet
    f.hintergrund_id = -1;
    Spielszenen_Seitenwechsel_Setzen(&f, r, r->gespiegelt);
}

}  // namespace

void Spielszenen_Seitenwechsel_Setzen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t gespiegelt)
{
    if (!f || !r) return;
    // the picture is chosen for the new side, so the flag is stored first
    r->gespiegelt = gespiegelt ? 1 : 0;
    const int32_t id = Spielszenen_Hintergrund_Id(f, r);
    if (f->hintergrund && id != f->hintergrund_id) {
        const int32_t tiefe = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
        Load_Resource_Buffer(f->hintergrund, ResFile_Handles[0].handle, id, tiefe, nullptr);
        f->hintergrund_id = id;
    }
    // stands, benches and crowd follow the side; the same crowd, drawn from the view seed
    Spielszenen_Tribuenen_Laden(f, r);
}

void Spielszenen_Set_Spielwahl_Hook(Spielszenen_Spielwahl_Hook hook) { spielwahl_hook = hook; }
void Spielszenen_Set_Record_Hook(Spielszenen_Record_Hook hook) { record_hook = hook; }
Spielfeld_Record* Spielszenen_Record_Von(int32_t spiel) { return record_von(spiel); }

void Spielszenen_Fenster_Verteilen(Spielfeld_Record** records, int32_t anzahl)
{
    if (anzahl <= 0 || !records) return;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) fenster_leeren(f);
    auto setzen = [&](int32_t i, int32_t rec, int32_t groesse) {
        Spielszenen_Fenster& f = *F(i);
        f.groesse = groesse;
        if (rec >= 0 && records[rec]) {
            f.spiel = int32_t(records[rec]->spiel);
            f.record = records[rec];
        }
    };
    if (anzahl == 1) {
        setzen(0, 0, 0);
        for (int32_t i = 1; i < 4; ++i) setzen(i, -1, 2);
        Spielszenen_Aufteilung = 0;
    } else if (anzahl == 2) {
        setzen(0, 0, 1), setzen(2, 1, 1), setzen(1, -1, 2), setzen(3, -1, 2);
        Spielszenen_Aufteilung = 1;
    } else if (anzahl == 3) {
        setzen(0, 0, 1), setzen(2, 1, 2), setzen(3, 2, 2), setzen(1, -1, 2);
        Spielszenen_Aufteilung = 3;
    } else {
        for (int32_t i = 0; i < 4; ++i) setzen(i, i, 2);
        Spielszenen_Aufteilung = 2;
    }
    F(0)->aktiv = 1;
    alle_rechtecke();
}

int32_t Spielszenen_Fenster_Records_Holen()
{
    int32_t n = 0;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        f.record = f.spiel >= 0 ? record_von(f.spiel) : nullptr;
        n += f.record ? 1 : 0;
    }
    return n;
}

void Spielszenen_Fenster_Rechteck_Setzen(int32_t i)
{
    if (i < 0 || i >= SPIELSZENEN_FENSTER) return;
    Spielszenen_Fenster& f = *F(i);
    const int32_t g = std::clamp(f.groesse, 0, 2);
    f.x = RECHTECK[g][i][0];
    f.y = RECHTECK[g][i][1];
    f.breite = RECHTECK[g][i][2];
    f.hoehe = RECHTECK[g][i][3];
    Spielszenen_Alles_Zeichnen = 1;
}

void Spielszenen_Aufteilung_Berechnen()
{
    for (const Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.groesse == 0) {
            Spielszenen_Aufteilung = 0;
            return;
        }
    const bool oben = F(0)->groesse == 1 || F(1)->groesse == 1, unten = F(2)->groesse == 1 || F(3)->groesse == 1;
    Spielszenen_Aufteilung = oben && unten ? 1 : oben ? 3 : unten ? 4 : 2;
}

void Spielszenen_Fenster_Vergroessern(int32_t i)
{
    if (i < 0 || i >= SPIELSZENEN_FENSTER || F(i)->groesse <= 0) return;
    --F(i)->groesse;
    F(i)->eingerichtet = 0;
    Spielszenen_Aufteilung_Berechnen();
    alle_rechtecke();
}

void Spielszenen_Fenster_Verkleinern(int32_t i)
{
    if (i < 0 || i >= SPIELSZENEN_FENSTER) return;
    Spielszenen_Fenster& f = *F(i);
    if (f.groesse < 2) {
        ++f.groesse;
        f.eingerichtet = 0;
    } else {
        // the last game's window is never closed
        if (spiele_mit_fenster() < 2) return;
        fenster_leeren(f);
        f.sichtbar = 0;
        erstes_aktiv();
        Spielszenen_Alles_Zeichnen = 1;
    }
    Spielszenen_Aufteilung_Berechnen();
    alle_rechtecke();
}

void Spielszenen_Sichtbarkeit_Setzen()
{
    bool voll = false;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        f.sichtbar = f.groesse == 0 ? 1 : 0;
        voll = voll || f.groesse == 0;
    }
    if (voll) return;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) f.sichtbar = 1;
    static constexpr int32_t NACHBAR[4] = {1, 0, 3, 2};
    for (int32_t i = 0; i < 4; ++i)
        if (F(i)->groesse == 1 && F(i)->aktiv) F(NACHBAR[i])->sichtbar = 0;
    if (F(0)->groesse == 1 && F(1)->groesse == 1 && F(0)->sichtbar && F(1)->sichtbar) F(1)->sichtbar = 0;
    if (F(2)->groesse == 1 && F(3)->groesse == 1 && F(2)->sichtbar && F(3)->sichtbar) F(3)->sichtbar = 0;
    for (int32_t i = 0; i < 4; ++i)
        if (F(i)->sichtbar && F(i)->groesse == 1) F(NACHBAR[i])->sichtbar = 0;
}

void Spielszenen_Sichtbarkeit_Pruefen()
{
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        if (!f.record || !f.eingerichtet) f.sichtbar = 0;
        if (f.sichtbar) f.record->anzeige = 1;
    }
}

void Spielszenen_Fenster_Einrichten()
{
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        if (f.eingerichtet || f.spiel < 0 || !f.record) continue;
        Spielfeld_Record* r = f.record;
        if (r->ansicht_seed == 0) r->ansicht_seed = int32_t(r->frame_zeit);
        r->platz_art %= 5;
        r->platz_variante %= 2;
        r->wetter %= 4;
        hintergrund_laden(f, r);
        if (!f.hintergrund) continue;  // without memory the window stays to be set up
        f.eingerichtet = 1;
        Spielszenen_Fenster_Rechteck_Setzen(int32_t(&f - Spielszenen_Fenster_Liste));
        f.kopf_zustand = 0;
        // a record whose palette was never filled shows the scene's own
        bool leer = true;
        for (uint8_t b : r->palette) leer = leer && b == 0;
        const uint8_t* pal = leer ? Spielszenen_Grafik.palette : r->palette;
        const int32_t tiefe = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
        for (int32_t i = 0; i < 256; ++i) {
            f.farben[i] = Grafik_RGB_Zu_Pixel(tiefe, pal[3 * i] * 4, pal[3 * i + 1] * 4, pal[3 * i + 2] * 4);
            if (f.farben[i] == 0 && i != 0) f.farben[i] = 1;
        }
        figur_farben(f, r);
        seite_bestimmen(f, r);
        Spielszenen_Kopfzeile_Erzeugen(&f);
    }
}

void Spielszenen_Rahmen_Laden()
{
    int32_t stil = Spielszenen_Rahmen_Stil();
    if (stil == Spielszenen_Grafik.rahmen_stil && Spielszenen_Grafik.rahmen) return;
    Spielszenen_Grafik.rahmen = Grafik_Bitmap_Freigeben(Spielszenen_Grafik.rahmen);
    Spielszenen_Rahmen_Streifen_Freigeben();
    Spielszenen_Grafik.rahmen = static_cast<Rastport*>(
        Load_Resource(ResFile_Handles[0].handle, SZ_RAHMEN + stil, Grafik_Screen_Geometrie.depth == 15 ? 15 : 16, nullptr));
    Spielszenen_Grafik.rahmen_stil = stil;
}

int32_t Spielszenen_Rahmen_Stil()
{
    int32_t oben = 2, unten = 2;
    for (int32_t i = 0; i < 4; ++i) {
        const Spielszenen_Fenster& f = *F(i);
        if (!f.sichtbar) continue;
        if (f.groesse == 0) return 4;
        (i < 2 ? oben : unten) = f.groesse;
    }
    if (oben == 1) return unten == 1 ? 3 : 1;
    return unten == 1 ? 2 : 0;
}

static void blinken_um(uint32_t zeit)
{
    // wrap-safe differences of the u32 millisecond clock
    if (uint32_t(zeit - blink_zeit[0]) > 100u) {
        Spielszenen_Blink_Schnell ^= 1;
        blink_zeit[0] = zeit;
    }
    if (uint32_t(zeit - blink_zeit[1]) > 250u) {
        Spielszenen_Blink_Normal ^= 1;
        blink_zeit[1] = zeit;
    }
}

void Spielszenen_Blinken_Record(const Spielfeld_Record* r)
{
    if (r) blinken_um(r->frame_zeit);
}

// Screens over the view without a running record (the reports around the match) blink on the
// program's clock.
void Spielszenen_Blinken() { blinken_um(Timer_Get_Time()); }

namespace {
int32_t gewaehlte_form = -1, form_davor = 0;
}  // namespace

void Spielszenen_Zeiger_Waehlen()
{
    if (Spielszenen_Zeiger_Form == gewaehlte_form) return;
    if (gewaehlte_form < 0) form_davor = Mauszeiger_Get_Selected();
    gewaehlte_form = Spielszenen_Zeiger_Form;
    Mauszeiger_Select(gewaehlte_form);
}

namespace {
// What the drawn pointer covers on the page, put back once the page is on the screen.
Rastport* unter_zeiger = nullptr;
Rastport* zeiger_seite = nullptr;
int32_t zeiger_x = 0, zeiger_y = 0, zeiger_b = 0, zeiger_h = 0;
}  // namespace

void Spielszenen_Zeiger_Zuruecksetzen()
{
    unter_zeiger = Grafik_Bitmap_Freigeben(unter_zeiger);
    zeiger_seite = nullptr;
    if (gewaehlte_form < 0) return;
    Mauszeiger_Select(form_davor);
    gewaehlte_form = -1;
}

// The view copies its page over the whole screen each frame, and the program's own pointer is
// held still meanwhile: the pointer of the chosen shape goes into the page for the copy.
static void zeiger_zeichnen_bei(Rastport* seite, int32_t form, int32_t maus_x, int32_t maus_y);

void Spielszenen_Zeiger_Zeichnen(Rastport* seite, int32_t form)
{
    zeiger_zeichnen_bei(seite, form, Maus_Get_X(), Maus_Get_Y());
}

static void zeiger_zeichnen_bei(Rastport* seite, int32_t form, int32_t maus_x, int32_t maus_y)
{
    Spielszenen_Zeiger_Loeschen(zeiger_seite);
    const Mauszeiger_Tabelle_Record& t = Mauszeiger_Tabelle;
    if (!seite || form < 0 || form >= t.anzahl || !t.images[form]) return;
    const Mauszeiger_Image* img = t.images[form];
    Rastport* bild = img->picture;
    if (!bild || bild->depth != seite->depth) return;
    const int32_t b = int32_t(img->width), h = int32_t(img->height);
    if (!unter_zeiger || unter_zeiger->width < img->width || unter_zeiger->height < img->height || unter_zeiger->depth != seite->depth) {
        unter_zeiger = Grafik_Bitmap_Freigeben(unter_zeiger);
        unter_zeiger = Grafik_Bitmap_Anlegen(b, h, seite->depth);
        if (!unter_zeiger) return;
    }
    zeiger_x = maus_x - int32_t(img->hot_x);
    zeiger_y = maus_y - int32_t(img->hot_y);
    zeiger_b = b, zeiger_h = h;
    zeiger_seite = seite;
    Grafik_Blit(seite, zeiger_x, zeiger_y, b, h, unter_zeiger, 0, 0);
    Grafik_Blit_Transparent(bild, 0, 0, b, h, seite, zeiger_x, zeiger_y);
}

void Spielszenen_Zeiger_Loeschen(Rastport* seite)
{
    if (!seite || seite != zeiger_seite || !unter_zeiger) return;
    Grafik_Blit(unter_zeiger, 0, 0, zeiger_b, zeiger_h, seite, zeiger_x, zeiger_y);
    zeiger_seite = nullptr;
}

int32_t Spielszenen_Zeiger_Gewaehlt() { return gewaehlte_form; }

namespace {
// The frame whose present waits (headless, no picture asked for): the pointer of its time goes
// in for the copy.
int32_t wartend_form = 0, wartend_x = 0, wartend_y = 0;

void wartendes_bild_zeigen(Rastport* quelle)
{
    zeiger_zeichnen_bei(quelle, wartend_form, wartend_x, wartend_y);
    Grafik_Screen_Direkt_Kopieren_Aus(quelle);
    Spielszenen_Zeiger_Loeschen(quelle);
}

// Page 1 with the pointer onto the display, now or when the display is next read or written.
void bild_zeigen(Rastport* seite)
{
    const int32_t form = Mauszeiger_Get_Selected();
    if (seite && seite == Grafik_Seite_1) {
        wartend_form = form, wartend_x = Maus_Get_X(), wartend_y = Maus_Get_Y();
        if (Grafik_Screen_Direkt_Aufschieben(wartendes_bild_zeigen)) return;
    }
    Spielszenen_Zeiger_Zeichnen(seite, form);
    Grafik_Screen_Direkt_Kopieren();
    Spielszenen_Zeiger_Loeschen(seite);
}

// An opaque copy of w x h from (sx, sy) of `quelle` onto `seite` lands whole.
bool kopie_ganz(const Rastport* quelle, int32_t sx, int32_t sy, int32_t w, int32_t h, const Rastport* seite)
{
    return quelle && !quelle->packed && quelle->pixels && quelle->depth == seite->depth && sx >= 0 && sy >= 0 &&
           int64_t(sx) + w <= int64_t(quelle->width) && int64_t(sy) + h <= int64_t(quelle->height);
}

// Whether this frame covers page 1 whole with opaque copies before it reads any of it: one
// full-size window's background over the frame picture's pieces around it (all the frame
// draws besides lies on top of those).
bool deckt_ganz(const Rastport* seite)
{
    if (!seite || Spielszenen_Aufteilung != 0 || seite->width != 640 || seite->height != 480) return false;
    if (!kopie_ganz(Spielszenen_Grafik.rahmen, 0, 0, 640, 480, seite)) return false;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        if (!f.sichtbar || !f.record || !f.hintergrund) continue;
        // the first window drawn must be the full-size one, at its place
        if (f.groesse != 0 || f.x != 5 || f.y != 4 || f.breite != 603 || f.hoehe != 471) return false;
        const Spielfeld_Record* r = Spielszenen_Replay_Record(f.record);
        return kopie_ganz(f.hintergrund, r->ansicht_x, r->ansicht_y, f.breite, f.hoehe, seite);
    }
    return false;
}
}  // namespace

int32_t Spielszenen_Aktives_Fenster()
{
    for (int32_t i = 0; i < SPIELSZENEN_FENSTER; ++i)
        if (F(i)->aktiv) return i;
    return -1;
}

Spielfeld_Record* Spielszenen_Get_Aktives_Spiel()
{
    const int32_t a = Spielszenen_Aktives_Fenster();
    return a < 0 ? nullptr : F(a)->record;
}

void Spielszenen_Set_Ticker_Hook(Spielszenen_Ticker_Hook hook) { ticker_hook = hook; }

void Spielszenen_Ticker_Setzen(const char* text)
{
    if (ticker_hook) ticker_hook(text);
    const int32_t a = Spielszenen_Aktives_Fenster();
    if (a >= 0) Spielszenen_Fenster_Ticker_Setzen(F(a), text);
}

void Spielszenen_Ticker_Setzen_Alle(Spielfeld_Record* r, const char* text)
{
    if (!r) return;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.record == r) Spielszenen_Fenster_Ticker_Setzen(&f, text);
}

void Spielszenen_Ticker_Loeschen()
{
    const int32_t a = Spielszenen_Aktives_Fenster();
    if (a >= 0) Spielszenen_Fenster_Ticker_Loeschen(F(a));
}

void Spielszenen_Eigene_Seite_Loeschen(Spielfeld_Steuerung_Block* st, Spielfeld_Record* r)
{
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.record == r) {
            f.seite = -1;
            f.beide_seiten = 0;
            break;
        }
    if (st) st->pause = 0;
    F(0)->standard_offen = 0;
}

void Spielszenen_Bildschirm_Freigeben()
{
    // Mauszeiger_Is_Frozen answers 0 while the pointer is frozen
    if (Mauszeiger_Is_Frozen()) return;
    Mauszeiger_Unfreeze();
    if (Grafik_Seite_1 && Grafik_Render_Ziel && Grafik_Render_Ziel != Grafik_Seite_1)
        Grafik_Blit(Grafik_Seite_1, 0, 0, 640, 480, Grafik_Render_Ziel, 0, 0);
}

void Spielszenen_Neu_Zeichnen() { Spielszenen_Neu_Zeichnen_Angefordert = 1; }

int32_t Spielszenen_Klick_Aktivieren() { return Spielszenen_Klick_Aktivieren_Bei(Maus_Get_X(), Maus_Get_Y(), Maus_Get_Tasten()); }

int32_t Spielszenen_Klick_Aktivieren_Bei(int32_t mx, int32_t my, int32_t tasten)
{
    if (!(tasten & 1)) return 0;
    for (int32_t i = 0; i < SPIELSZENEN_FENSTER; ++i) {
        Spielszenen_Fenster& f = *F(i);
        if (!f.sichtbar || f.aktiv) continue;
        if (mx < f.x || my < f.y || mx >= f.x + f.breite || my >= f.y + f.hoehe) continue;
        for (Spielszenen_Fenster& g : Spielszenen_Fenster_Liste) g.aktiv = 0;
        f.aktiv = 1;
        Spielszenen_Alles_Zeichnen = 1;
        return 1;
    }
    return 0;
}

// The commands of the icons, taken once a frame.
static void befehle(Spielfeld_Steuerung_Block* st, int32_t replay)
{
    const int32_t a = Spielszenen_Aktives_Fenster();
    Spielszenen_Fenster* f = a >= 0 ? F(a) : nullptr;
    if (f && Spielszenen_Fenster_Befehl >= 1 && Spielszenen_Fenster_Befehl <= 3) {
        const int32_t b = Spielszenen_Fenster_Befehl;
        const int32_t neu = spielwahl_hook ? spielwahl_hook(b, f->spiel)
                            : b == 1      ? Spielszenen_Start_Spiel_Waehlen()
                            : b == 2      ? Spielszenen_Naechstes_Spiel(f->spiel)
                                          : Spielszenen_Voriges_Spiel(f->spiel);
        // a chooser that finds nothing leaves the window's game as it was
        if (neu >= 0 && neu != f->spiel) {
            if (f->eingerichtet && f->record) f->record->anzeige = 0;
            f->spiel = neu;
            f->eingerichtet = 0;
        }
    }
    Spielszenen_Fenster_Records_Holen();
    if (f && Spielszenen_Fenster_Befehl == 4) Spielszenen_Fenster_Vergroessern(a);
    if (f && Spielszenen_Fenster_Befehl == 5) Spielszenen_Fenster_Verkleinern(a);
    if (f) {
        switch (Spielszenen_Ansicht_Befehl) {
        case 1: f->tabelle_offen ^= 1; break;
        case 2: f->ereignisse_offen ^= 1; break;
        case 3:
            if (!replay && f->record) {
                const int32_t spiegel = f->record->gespiegelt ? 0 : 1;
                for (Spielszenen_Fenster& g : Spielszenen_Fenster_Liste)
                    if (g.record == f->record && (&g == f || g.sichtbar)) {
                        Spielszenen_Seitenwechsel_Setzen(&g, g.record, spiegel);
                        Spielszenen_Alles_Zeichnen = 1;
                    }
            }
            break;
        case 4:
            if (f->record) {
                int32_t b = f->record->beschriftung - 1;
                f->record->beschriftung = int8_t(b < -7 ? 0 : b);
            }
            break;
        case 5: Spielszenen_Modus = SPIELSZENEN_VERLASSEN; break;
        case 6:
            if (f->taktik_offen)
                for (Spielszenen_Fenster& g : Spielszenen_Fenster_Liste) g.taktik_offen = 0;
            else if (f->seite >= 0)
                f->taktik_offen = 1;
            break;
        case 7:
            if (st) st->kamera_glatt_aus ^= 1;
            break;
        case 8:
            if (st) st->pause = 0;
            if (replay) Spielfeld_Replay_Stoppen(f->record);
            else Spielfeld_Replay_Starten(f->record);
            break;
        case 9:  // pause on and off (the icon bar's button)
            if (st) st->pause ^= 1;
            break;
        case 10: Spielszenen_Fenster_Befehl = 2; break;
        case 11: Spielszenen_Fenster_Befehl = 5; break;
        case 12:
            if (st) st->ansicht_befehl = 1;
            break;
        default: break;
        }
    }
    // commands 10 and 11 post a window command for the next frame
    if (Spielszenen_Ansicht_Befehl != 10 && Spielszenen_Ansicht_Befehl != 11) Spielszenen_Fenster_Befehl = -1;
    Spielszenen_Ansicht_Befehl = -1;
    if (Spielszenen_Panel_Befehl == 1)
        for (Spielszenen_Fenster& g : Spielszenen_Fenster_Liste) g.taktik_offen = 0;
    Spielszenen_Panel_Befehl = -1;
}

namespace {
// A narrow piece of the frame picture (a few pixels across each of hundreds of rows) copied out
// of it once: read from the picture itself, every row of it would be a cache line of its own.
struct Streifen {
    const Rastport* quelle = nullptr;
    int32_t stil = -1, x = 0, y = 0, w = 0, h = 0;
    Rastport* bild = nullptr;
};
Streifen streifen[2];

// The piece as a picture of its own, or null where the frame picture is to be read (a checker
// follows the copies from their source).
Rastport* streifen_von(Streifen& s, Rastport* r, int32_t x, int32_t y, int32_t w, int32_t h, const Rastport* ziel)
{
    if (s.bild && s.quelle == r && s.stil == Spielszenen_Grafik.rahmen_stil && s.x == x && s.y == y && s.w == w && s.h == h)
        return Grafik_Flaeche_Meldung || s.bild->depth != ziel->depth ? nullptr : s.bild;
    s.bild = Grafik_Bitmap_Freigeben(s.bild);
    s.quelle = nullptr;
    if (r->packed || !r->pixels || r->depth != ziel->depth || x < 0 || y < 0 || int64_t(x) + w > int64_t(r->width) ||
        int64_t(y) + h > int64_t(r->height))
        return nullptr;
    s.bild = Grafik_Bitmap_Anlegen(w, h, r->depth);
    if (!s.bild || !Grafik_Blit(r, x, y, w, h, s.bild, 0, 0)) {
        s.bild = Grafik_Bitmap_Freigeben(s.bild);
        return nullptr;
    }
    s.quelle = r, s.stil = Spielszenen_Grafik.rahmen_stil, s.x = x, s.y = y, s.w = w, s.h = h;
    return Grafik_Flaeche_Meldung ? nullptr : s.bild;
}
}  // namespace

namespace {
// The rows at a window's top that its header, drawn later in the frame at the window's corner,
// writes whole across the window: the background is not copied there only to be drawn over. A
// checker follows the copies as they are made and gets them whole.
int32_t kopf_deckt(const Spielszenen_Fenster& f, const Rastport* ziel)
{
    const Rle_Sprite* k = f.kopfzeile;
    if (!k || !ziel || Grafik_Flaeche_Meldung || ziel->packed || !ziel->pixels || k->depth == 8 || k->depth != ziel->depth ||
        Grafik_Ist_Seite_0(ziel))
        return 0;
    if (k->mirrored || k->x_offset != 0 || k->y_offset != 0 || k->width < f.breite || f.x < 0 || f.y < 0 ||
        int64_t(f.x) + k->width > int64_t(ziel->width))
        return 0;
    return std::clamp(std::min(Grafik_Sprite_Deckende_Zeilen(k), int32_t(ziel->height) - f.y), 0, std::max(f.hoehe, 0));
}
}  // namespace

void Spielszenen_Rahmen_Streifen_Freigeben()
{
    for (Streifen& s : streifen) s = {nullptr, -1, 0, 0, 0, 0, Grafik_Bitmap_Freigeben(s.bild)};
}

// The frame picture's pieces around and between the windows.
static void rahmen_zeichnen(Rastport* ziel)
{
    Rastport* r = Spielszenen_Grafik.rahmen;
    if (!r || !ziel) return;
    auto stueck = [&](int32_t x, int32_t y, int32_t w, int32_t h) { Grafik_Blit(r, x, y, w, h, ziel, x, y); };
    auto streifen_stueck = [&](Streifen& s, int32_t x, int32_t y, int32_t w, int32_t h) {
        if (Rastport* b = streifen_von(s, r, x, y, w, h, ziel)) Grafik_Blit(b, 0, 0, w, h, ziel, x, y);
        else stueck(x, y, w, h);
    };
    stueck(0, 0, 640, 4);
    streifen_stueck(streifen[0], 0, 0, 5, 480);
    stueck(0, 475, 640, 5);
    // the side panel is copied whole over the frame's right edge: the frame keeps only the strip
    // left of it
    Rastport* leiste = Spielszenen_Grafik.fest[0];
    const bool deckt = leiste && !leiste->packed && leiste->depth == ziel->depth && leiste->width >= 28 && leiste->height >= 480;
    streifen_stueck(streifen[1], 606, 4, deckt ? 6 : 34, 472);
    if (leiste) Grafik_Blit(leiste, 0, 0, 28, 480, ziel, 612, 0);
    const bool s0 = F(0)->sichtbar, s1 = F(1)->sichtbar, s2 = F(2)->sichtbar, s3 = F(3)->sichtbar;
    switch (Spielszenen_Aufteilung) {
    case 1: stueck(5, 237, 603, 6); break;
    case 2:
        stueck(5, 237, 603, 6);
        stueck(302, 4, 6, 472);
        if (!s0) stueck(5, 4, 300, 233);
        if (!s1) stueck(308, 4, 300, 233);
        if (!s2) stueck(5, 243, 300, 233);
        if (!s3) stueck(308, 243, 300, 233);
        break;
    case 3:
        if (!s2 && !s3) stueck(5, 237, 603, 238);
        else if (s2 && !s3) stueck(302, 243, 304, 232), stueck(5, 237, 603, 6);
        else if (!s2 && s3) stueck(5, 243, 304, 232), stueck(5, 237, 603, 6);
        else stueck(302, 243, 6, 232), stueck(5, 237, 603, 6);
        break;
    case 4:
        stueck(5, 237, 603, 6);
        stueck(302, 4, 6, 233);
        if (!s0) stueck(5, 4, 300, 233);
        if (!s1) stueck(308, 4, 300, 233);
        break;
    default: break;
    }
}

int32_t Spielszenen_Fenster_Zeichnen(Rastport* ziel, int32_t)
{
    int32_t sichtbar = 0;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        if (!f.sichtbar || !f.record || !f.hintergrund) continue;
        ++sichtbar;
        Spielfeld_Record* r = Spielszenen_Replay_Record(f.record);
        r->gezeichnet = 1;
        f.record->gezeichnet = 1;
        int32_t sx = r->ansicht_x, sy = r->ansicht_y;
        if (f.groesse == 1) sx = std::max(0, r->ansicht_x / 2 - 160), sy = r->ansicht_y / 2;
        if (f.groesse == 2) sx = r->ansicht_x / 2, sy = r->ansicht_y / 2;
        f.kopf_gedeckt = kopf_deckt(f, ziel);
        Grafik_Blit(f.hintergrund, sx, sy + f.kopf_gedeckt, f.breite, f.hoehe - f.kopf_gedeckt, ziel, f.x, f.y + f.kopf_gedeckt);
        Spielszenen_Szenerie_Zeichnen(&f, r, 0);
        Spielszenen_Tore_Platzieren(&f, r);
        Spielszenen_Figuren_Zeichnen(r, &Spielfeld_Steuerung, &f);
        Spielszenen_Szenerie_Zeichnen(&f, r, 1);
        Spielszenen_Nummern_Zeichnen(&f, r);
        Spielszenen_Spieler_Zeichen(&f, r);
        if (Spielszenen_Ereignis_Ticker(&f)) Spielszenen_Fenster_Ticker_Setzen(&f, Spielszenen_Ticker_Puffer());
        Spielszenen_Warte_Hinweis(&f, &Spielfeld_Steuerung);
        Spielszenen_Ticker_Zeichnen(&f);
        f.kopf_gedeckt = 0;
        f.anweisungen_erlaubt = f.seite >= 0 && Spielfeld_Steuerung.anweisungen_erlaubt ? 1 : 0;
    }
    rahmen_zeichnen(ziel);
    const uint8_t* puffer = Spielfeld_Replay_Puffer();
    const int32_t replay = puffer ? puffer[SPIELSZENEN_REPLAY_FLAG] : 0;
    Spielszenen_Knopfleiste_Zeichnen(ziel, &Spielfeld_Steuerung, replay);
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        if (!f.sichtbar || !f.record) continue;
        const int32_t seite = Spielszenen_Spielstand_Zeichnen(ziel, &f);
        Spielszenen_Seiten_Zeichen(ziel, &f, f.record);
        Spielszenen_Status_Zeichen(ziel, &f, &Spielfeld_Steuerung, replay);
        if (seite >= 0 && int32_t(f.record->team[0]) == Screen_Eigenes_Team() && seite != f.seite) {
            f.seite = seite;
            Spielszenen_Kopfzeile_Erzeugen(&f);
        }
    }
    // the table panels, compact ones first; the tactics panel over them: the day's results are
    // wider than the room the tactics panel leaves, and its buttons must stay in reach
    for (int32_t kompakt = 1; kompakt >= 0; --kompakt)
        for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
            if (f.sichtbar && f.record && f.tabelle_offen && f.tabelle_kompakt == kompakt) Spielszenen_Tabelle_Zeichnen(&f, f.record);
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.sichtbar && f.record && f.taktik_offen && f.seite >= 0) Spielszenen_Taktik_Einstellungen_Zeichnen(ziel, &f);
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.sichtbar && f.record && f.ereignisse_offen) {
            Spielszenen_Ereignisliste_Zeichnen(&f, f.record);
            break;
        }
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.sichtbar && f.record) Spielszenen_Spieler_Statistik_Zeichnen(&f, f.record);
    // the taker panel wherever the match waits for it, even when its window is hidden
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.record && f.standard_offen) {
            Spielszenen_Schuetze_Waehlen(&f, &Spielfeld_Steuerung, replay);
            break;
        }
    return sichtbar;
}

static void groessen_symbole(Rastport* ziel)
{
    for (const Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        if (!f.aktiv || !f.sichtbar) continue;
        Rle_Sprite* s = Spielszenen_Bild(SZ_GROESSE_SYMBOL + std::clamp(f.groesse, 0, 2));
        if (s) Grafik_Sprite_Blit(s, ziel, f.x - 3, f.y - 4);
    }
}

void Spielszenen_Run(Spielfeld_Record* r, Spielfeld_Steuerung_Block* st, uint8_t replay)
{
    if (!Spielszenen_Ist_Geladen()) return;
    // 5001-5003: the line-up screen over the view (it leaves the report sequence's alone)
    if (Spielszenen_Modus != SPIELSZENEN_SCREEN) {
        Screen_Ansicht(st);
        return;
    }
    Spielszenen_Schwebe_Index = -1;
    // the panels name this frame's pointer shape; over the play it is the arrow
    Spielszenen_Zeiger_Form = 0;
    Spielszenen_Maus_Genommen_Vorher = Spielszenen_Maus_Genommen;
    Spielszenen_Maus_Genommen = 0;
    Spielszenen_Blinken_Record(r);
    befehle(st, replay);
    if (const int32_t a = Spielszenen_Aktives_Fenster(); a >= 0) Spielszenen_Standard_Pruefen(F(a), st, replay);
    Spielszenen_Sichtbarkeit_Setzen();
    Spielszenen_Fenster_Einrichten();
    Spielszenen_Sichtbarkeit_Pruefen();
    if (st && !(st->pause && Spielszenen_Maus_Genommen_Vorher)) Spielszenen_Kameras_Bewegen(st, replay);
    if (Spielszenen_Neu_Zeichnen_Angefordert) {
        Spielszenen_Alles_Zeichnen = 1;
        Mauszeiger_Freeze();
    }
    Rastport* seite = Grafik_Seite_1 ? Grafik_Seite_1 : Grafik_Render_Ziel;
    if (Spielszenen_Alles_Zeichnen) Spielszenen_Rahmen_Laden();
    // the last frame's present, should it still wait, keeps its pixels (where no picture can be
    // taken any more it is dropped, and this frame draws into the same ones)
    Grafik_Screen_Direkt_Abloesen(seite == Grafik_Seite_1 && deckt_ganz(seite));
    if (Spielszenen_Alles_Zeichnen && Spielszenen_Grafik.rahmen && seite)
        Grafik_Blit(Spielszenen_Grafik.rahmen, 0, 0, 640, 480, seite, 0, 0);
    Spielszenen_Fenster_Zeichnen(seite, 0);
    if (Spielszenen_Alles_Zeichnen) groessen_symbole(seite);
    if (replay) Spielszenen_Replay_Weiter();
    Spielszenen_Alles_Zeichnen = 0;
    Spielszenen_Neu_Zeichnen_Angefordert = 0;
    Spielszenen_Zeiger_Waehlen();
    bild_zeigen(seite);
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.sichtbar && f.aktiv && f.record) f.record->im_fenster = 1;
    Spielszenen_Sounds_Ausblenden();
    // A press on a panel (the taker's choice, a table) is the panel's, whatever figure lies under it.
    const bool figur_frei = !Spielszenen_Maus_Genommen_Vorher && !Spielszenen_Maus_Genommen;
    if (figur_frei && Spielszenen_Schirm_Befehl == 0) {
        Spielszenen_Modus = SPIELSZENEN_VERLASSEN;
        Spielszenen_Sound_Spielen(15, 320, 320);
    }
    if (figur_frei && Spielszenen_Schirm_Befehl == 2)
        Screen_Spieler_Menue(Spielszenen_Get_Aktives_Spiel(), Spielszenen_Schirm_Slot);
    Spielszenen_Schirm_Befehl = -1;
    if (!Spielszenen_Maus_Genommen_Vorher) Spielszenen_Klick_Aktivieren();
}
