#include "toolkit/ziehen.h"

#include <algorithm>
#include <cmath>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "platform/print.h"
#include "database/manager.h"
#include "gameflow/globals.h"
#include "toolkit/hilfe.h"
#include "toolkit/mausover.h"
#include "toolkit/scroll.h"
#include "toolkit/slave.h"

#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"

// The drag state beyond the event step's shared words: whether the image is a scroll button,
// and the screen under the image at its last place (the step's saved background is the icon's).
static bool zieh_knopf = false;
static Rastport* zieh_unter = nullptr;
// Where the image stands. Not the event step's last pointer position, which the step writes
// after each drag step.
static int32_t bild_pos[2] = {0, 0};

// Dragging draws on the back page and copies what changed to the display.
static Rastport* ziel()
{
    if (Grafik_Seite_1 && Grafik_Render_Ziel != Grafik_Seite_1) Grafik_Screen_Seite_Waehlen(1);
    return Grafik_Render_Ziel;
}

static void unter_sichern(int32_t x, int32_t y)
{
    if (!Menue_Zieh_Bild || !ziel()) return;
    const int32_t w = int32_t(Menue_Zieh_Bild->width), h = int32_t(Menue_Zieh_Bild->height);
    if (!zieh_unter || int32_t(zieh_unter->width) != w || int32_t(zieh_unter->height) != h) {
        zieh_unter = Grafik_Bitmap_Freigeben(zieh_unter);
        zieh_unter = Grafik_Bitmap_Anlegen(w, h, ziel()->depth);
    }
    if (zieh_unter) Grafik_Blit(ziel(), x, y, w, h, zieh_unter, 0, 0);
}

static void unter_zurueck(int32_t x, int32_t y)
{
    if (zieh_unter && ziel())
        Grafik_Blit(zieh_unter, 0, 0, int32_t(zieh_unter->width), int32_t(zieh_unter->height), ziel(), x, y);
}

// The page-1 rectangle goes on to the display.
static void zeigen(int32_t x, int32_t y, int32_t w, int32_t h)
{
    if (Grafik_Render_Ziel == Grafik_Seite_1 && Grafik_Seite_0)
        Grafik_Blit(Grafik_Seite_1, x, y, w, h, Grafik_Seite_0, x, y);
}

// The drag image at (x, y): blended with the icon's highlight colour when it has one (scroll
// buttons never), else transparent.
static void bild_zeichnen(int32_t x, int32_t y)
{
    const int32_t w = int32_t(Menue_Zieh_Bild->width), h = int32_t(Menue_Zieh_Bild->height);
    const UI_Farbe* f = Menue_Gezogenes_Icon && !zieh_knopf ? Menue_Icon_Hervorhebung(Menue_Gezogenes_Icon) : nullptr;
    if (f && Grafik_Blit_Mischen_Maske(Menue_Zieh_Bild, 0, 0, w, h, ziel(), x, y, uint16_t(f->farbe), int32_t(f->staerke)))
        return;
    Grafik_Blit_Transparent(Menue_Zieh_Bild, 0, 0, w, h, ziel(), x, y);
}

// Moves the image from its last place to (x, y); the changed rectangle goes to the display
// after the frame's wait, in one piece.
static void bild_bewegen(int32_t x, int32_t y)
{
    if (!Menue_Zieh_Bild || !ziel()) return;
    const int32_t w = int32_t(Menue_Zieh_Bild->width), h = int32_t(Menue_Zieh_Bild->height);
    const int32_t ax = bild_pos[0], ay = bild_pos[1];
    unter_zurueck(ax, ay);
    unter_sichern(x, y);
    bild_zeichnen(x, y);
    const int32_t x1 = std::min(ax, x), y1 = std::min(ay, y);
    Win95_Wait_Vsync();
    zeigen(x1, y1, std::max(ax, x) + w - x1, std::max(ay, y) + h - y1);
}

static void zustand_loeschen()
{
    Menue_Gezogenes_Icon = nullptr;
    Menue_Zieh_Bild = nullptr;
    Menue_Zieh_Hintergrund = nullptr;
    Menue_Zieh_Versatz[0] = Menue_Zieh_Versatz[1] = 0;
    bild_pos[0] = bild_pos[1] = 0;
    zieh_knopf = false;
    zieh_unter = Grafik_Bitmap_Freigeben(zieh_unter);
}

void Menue_Drag_Start(Menue_Icon* icon, int32_t x, int32_t y)
{
    if (!icon) return;
    zustand_loeschen();
    Menue_Gezogenes_Icon = icon;
    Menue_Glow_Beenden();
    zieh_knopf = icon->flags & ICON_SCROLLBUTTON;
    Menue_Move_Struktur* move = icon->move;
    Rastport* bild = Menue_Screen_Icon_Bitmap(icon);
    if (!bild && move) bild = move->bild ? move->bild : move->slave >= 0 ? Menue_Get_Slave_Rastport(move->slave) : nullptr;
    Menue_Zieh_Bild = bild;
    Menue_Zieh_Hintergrund = Menue_Screen_Icon_Orig_Bitmap(icon);
    if (move && move->start) move->start(icon, 0);
    if (zieh_knopf) {
        const auto* d = static_cast<const Menue_Scrollbar_Daten*>(icon->daten);
        const bool senkrecht = d && d->x_marke == -1;
        Menue_Zieh_Versatz[0] = senkrecht ? 0 : x - icon->x;
        Menue_Zieh_Versatz[1] = senkrecht ? y - icon->y : 0;
    } else if (bild && ((int32_t(bild->width) == icon->breite && int32_t(bild->height) == icon->hoehe) ||
                        (move && (move->optionen & 0x40)))) {
        Menue_Zieh_Versatz[0] = x - icon->x;
        Menue_Zieh_Versatz[1] = y - icon->y;
    } else if (bild) {
        Menue_Zieh_Versatz[0] = int32_t(bild->width) / 2;
        Menue_Zieh_Versatz[1] = int32_t(bild->height) / 2;
    }
    // A scroll button lifts off its track too, or its picture would stay at the start.
    if (!(move && (move->optionen & 0x01)) && ziel()) {
        // What lay under the icon, and the layers above it that the icon's place shares.
        Menue_Screen_Icon_Hintergrund_Zeichnen(icon);
        Menue_Icon_Multilayer_Refresh(icon, icon->prioritaet + 1, 0);
        if (ziel()) zeigen(icon->x, icon->y, icon->breite, icon->hoehe);
    }
    bild_pos[0] = icon->x;
    bild_pos[1] = icon->y;
    unter_sichern(icon->x, icon->y);
    if (zieh_knopf && bild && ziel()) {
        Grafik_Blit_Transparent(bild, 0, 0, int32_t(bild->width), int32_t(bild->height), ziel(), icon->x, icon->y);
        zeigen(icon->x, icon->y, int32_t(bild->width), int32_t(bild->height));
    }
    if (icon->refresh_prozedur && !(move && move->start)) icon->refresh_prozedur(icon, 0);
}

// A scroll button follows the pointer along its bar only.
static void knopf_ziehen(Menue_Icon* icon, int32_t x, int32_t y, int32_t tasten)
{
    auto* d = static_cast<Menue_Scrollbar_Daten*>(icon->daten);
    if (!d) return;
    const bool senkrecht = d->x_marke == -1;
    int32_t nx = senkrecht ? d->x_start : x - Menue_Zieh_Versatz[0];
    int32_t ny = senkrecht ? y - Menue_Zieh_Versatz[1] : d->y_start;
    int32_t& frei = senkrecht ? ny : nx;
    const int32_t start = senkrecht ? d->y_start : d->x_start;
    const int32_t bahn_ende = senkrecht ? d->y_ende : d->x_ende;
    frei = std::clamp(frei, start, std::max(start, bahn_ende));
    // Only a track that ends before it starts leaves the button outside it.
    if (frei > bahn_ende) Print_Fehler("Moven: Scrollbutton-Pos falsch!");
    if (tasten == 1 && nx == icon->x && ny == icon->y) return;
    if (Aktuelles_Team >= 0) Manager_Icon_Button_An_Aus(Aktuelles_Team, icon->nummer, uint32_t(frei));
    const int32_t alt_x = icon->x, alt_y = icon->y;
    bild_pos[0] = icon->x = int16_t(nx);
    bild_pos[1] = icon->y = int16_t(ny);
    Menue_Balken_Prozedur_Aufrufen(d->wert_prozedur, icon);
    // A bar whose data says so draws its button itself.
    if (d->ohne_zeichnen) return;
    bild_pos[0] = alt_x;
    bild_pos[1] = alt_y;
    bild_bewegen(nx, ny);
    bild_pos[0] = nx;
    bild_pos[1] = ny;
}

void Menue_Drag_Schritt(int32_t x, int32_t y, int32_t tasten)
{
    Menue_Icon* icon = Menue_Gezogenes_Icon;
    if (!icon) return;
    if (zieh_knopf) {
        knopf_ziehen(icon, x, y, tasten);
        return;
    }
    Menue_Move_Struktur* move = icon->move;
    if (!move || !Menue_Zieh_Bild) return;
    if (!(move->optionen & 0x10)) Menue_Hilfe_Schliessen();
    int32_t l = 0, o = 39, r = 596, u = 479;
    if (move->bereich[0] != -1) l = move->bereich[0], o = move->bereich[1], r = move->bereich[2], u = move->bereich[3];
    else if (icon->flags & ICON_RECHTS_VERKNUEPFT) r = 639, o = 0;
    const int32_t w = int32_t(Menue_Zieh_Bild->width), h = int32_t(Menue_Zieh_Bild->height);
    const int32_t nx = std::max(l, std::min(x - Menue_Zieh_Versatz[0], r - w + 1));
    const int32_t ny = std::max(o, std::min(y - Menue_Zieh_Versatz[1], u - h + 1));
    bool zeichnen = true;
    if (move->optionen & 0x04) {
        if (move->bedienen) move->bedienen(move, icon, nx, ny, 0x40);
        if (move->optionen & 0x08) zeichnen = false;
    }
    if (zeichnen) bild_bewegen(nx, ny);
    bild_pos[0] = nx;
    bild_pos[1] = ny;
}

int8_t Menue_Drop(int32_t x, int32_t y)
{
    Menue_Icon* icon = Menue_Gezogenes_Icon;
    if (!icon) return 0;
    if (zieh_knopf) {
        if (auto* d = static_cast<Menue_Scrollbar_Daten*>(icon->daten)) Menue_Balken_Prozedur_Aufrufen(d->wert_prozedur, icon);
        zustand_loeschen();
        icon->refresh = 0;
        Menue_Aktuelles_Icon = nullptr;
        return 0;
    }
    Menue_Move_Struktur* move = icon->move;
    if (!move) {
        Print_Fehler("Menue_Icons_Check: Icon %d ohne Move-Struktur!", icon->nummer);
        zustand_loeschen();
        return 0;
    }
    Menue_Icon* ziel_icon = Menue_Aktuelles_Icon;
    const bool im_bereich = move->bereich[0] == -1 || (x >= move->bereich[0] && x <= move->bereich[2] &&
                                                        y >= move->bereich[1] && y <= move->bereich[3]);
    const bool angenommen =
        move->maske == -1 || !(move->optionen & 0x20) ||
        (ziel_icon && (ziel_icon != icon || (icon->status & ICON_AUF_SICH_SELBST)) && ziel_icon->drop_typ != -1 &&
         (ziel_icon->drop_typ & move->maske) && im_bereich);
    if (!(move->optionen & 0x01)) Menue_Screen_Icon_Hintergrund_Freigeben(icon);
    if (!(move->optionen & 0x02)) {
        unter_zurueck(bild_pos[0], bild_pos[1]);
        if (Menue_Zieh_Bild)
            zeigen(bild_pos[0], bild_pos[1], int32_t(Menue_Zieh_Bild->width),
                   int32_t(Menue_Zieh_Bild->height));
    }
    if (!(move->optionen & 0x03) && icon->farbe == 255) icon->refresh |= REFRESH_NORMAL;
    const int32_t bx = bild_pos[0], by = bild_pos[1];
    zustand_loeschen();
    Menue_Mouse_Over_Nr = -1;
    Menue_Wippe_Zuruecksetzen(Menue_Aktuelles_Icon);
    Menue_Aktuelles_Icon = nullptr;
    if (angenommen && move->bedienen) move->bedienen(move, icon, bx, by, 0x80);
    return 1;
}
static constexpr int16_t zone_x_vorgabe[6] = {5, 20, 32, 44, 55, 67};
static constexpr int16_t zone_y_vorgabe[6] = {14, 15, 16, 16, 15, 14};

// Place and picture of a rocker zone; -1 in the descriptor takes the default.
static Rastport* zone_bild(const Menue_Icon* icon, int32_t zone, int32_t* x, int32_t* y)
{
    const auto* w = static_cast<const Menue_Wert_Beschreibung*>(icon->daten);
    const int16_t zx = w && w->zone_x[zone] != -1 ? w->zone_x[zone] : zone_x_vorgabe[zone];
    const int16_t zy = w && w->zone_y[zone] != -1 ? w->zone_y[zone] : zone_y_vorgabe[zone];
    const int16_t slave = w && w->zone_slave[zone] != -1 ? w->zone_slave[zone] : int16_t(170 + zone);
    *x = icon->x + zx;
    *y = icon->y + zy;
    return Menue_Get_Slave_Rastport(slave);
}

// The zone whose pressed picture has its centre nearest to the pointer.
int32_t Menue_Wippe_Zone(Menue_Icon* icon, int32_t x, int32_t y)
{
    if (!icon) return 0;
    int32_t beste = -1;
    double abstand = 9999.0;
    for (int32_t zone = 0; zone < 6; ++zone) {
        int32_t zx, zy;
        const Rastport* bild = zone_bild(icon, zone, &zx, &zy);
        if (!bild) {
            Print_Fehler("Wippe: Slave_Rp==NULL!");
            continue;
        }
        const double dx = zx + int32_t(bild->width) / 2 - x, dy = zy + int32_t(bild->height) / 2 - y;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < abstand) abstand = d, beste = zone;
    }
    if (beste < 0) {
        Print_Fehler("Menue_Icons_Check:found_eingabefeld_button_nr==NIX!");
        return 0;
    }
    return beste;
}

void Menue_Wippe_Zone_Zeichnen(Menue_Icon* icon, int32_t zone)
{
    if (!icon || zone < 0 || zone > 5 || !Grafik_Render_Ziel) return;
    int32_t zx, zy;
    Rastport* bild = zone_bild(icon, zone, &zx, &zy);
    if (bild)
        Grafik_Blit_Transparent(bild, 0, 0, int32_t(bild->width), int32_t(bild->height), Grafik_Render_Ziel, zx, zy);
}

void Menue_Wippe_Zuruecksetzen(Menue_Icon* icon)
{
    if (!icon || !(icon->flags & ICON_WERTFELD) || uint16_t(icon->kennung_2) != WIPPE_GEDRUECKT) return;
    Menue_Wippe_Verzoegerung = 250;
    Menue_Wippe_Schritt = 10;
    icon->kennung_2 = 0;
    Menue_Screen_Icon_Zeichnen(icon);
}

void Menue_Zieh_Position(int32_t* x, int32_t* y)
{
    if (x) *x = bild_pos[0];
    if (y) *y = bild_pos[1];
}
