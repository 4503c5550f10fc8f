#include "toolkit/screen.h"

#include <cstring>
#include <utility>

#include "competitions/spiele.h"
#include "competitions/statistik_anzeige.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/postfach.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spieltag.h"
#include "network/internet.h"
#include "platform/handle.h"
#include "platform/menuesound.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/soundeffekt.h"
#include "platform/timer.h"
#include "screens/spieler_einsetzen.h"
#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/favoriten.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/hilfe.h"
#include "toolkit/menue_intern.h"
#include "toolkit/mausover.h"
#include "toolkit/optionen.h"
#include "toolkit/requester.h"
#include "toolkit/scroll.h"
#include "toolkit/slave.h"

Menue_Status_Record Menue_Status;
Menue_Hook_Prozedur Menue_Hook = nullptr;

const char* const MENUE_HINWEISE[3] = {
    "Willkommen beim DORVIN-Ziduridavozozor! Wir wünschen Ihnen viel Erfolg mit Ihrem Verein.",
    "Hinweise zu neuen Versionen des Spiels finden Sie in der Datei README im Programmordner.",
    "Ein Klick mit der rechten Maustaste öffnet auf fast jedem Bildschirm ein Menü mit weiteren "
    "Möglichkeiten, auch auf einer freien Stelle des Bildschirms.",
};

namespace {

constexpr uint32_t STEHEND = ICON_BEREICH_BLEIBT;

Menue_Icon basis(int16_t nummer, int32_t quelle, uint32_t flags, int16_t x, int16_t y, uint16_t w, uint16_t h, uint8_t farbe)
{
    Menue_Icon i = Menue_Icon_Vorlage(nummer, quelle, STEHEND | flags, x, y, w, h, 5, farbe);
    return i;
}

// The club panels fill their bitmaps; the comparison bars draw over theirs.
Menue_Icon panel(Menue_Icon i)
{
    i.refresh_prozedur = Menue_Info_Panel_Refresh;
    return i;
}
// The frame's crests: the club of the panel beside them, 40 x 40 with a soft shadow.
Menue_Icon wappen(Menue_Icon i)
{
    i.refresh_prozedur = Rahmen_Wappen_Zeichnen;
    return i;
}
Menue_Icon serien(Menue_Icon i)
{
    i.flags |= ICON_WERTTEXT;
    i.daten = Menue_Serien_Text;
    return i;
}
Menue_Icon datum(Menue_Icon i)
{
    i.flags |= ICON_WERTTEXT;
    i.daten = Menue_Datum_Text;
    return i;
}
// A main group's button: its label on the group's colour.
Menue_Icon gruppe(Menue_Icon i)
{
    i.klick = Menue_Hauptgruppe_Klick;
    i.refresh_prozedur = Menue_Gruppe_Zeichnen;
    return i;
}
Menue_Icon balken(Menue_Icon i)
{
    i.refresh_prozedur = Menue_Staerke_Balken;
    i.status = ICON_SPAETER_REFRESH;
    return i;
}

// A base icon with its click and context-menu procedures.
Menue_Icon mit(Menue_Icon i, Menue_Klick_Prozedur klick, Menue_Kontext_Prozedur kontext)
{
    i.klick = klick;
    i.kontext = kontext;
    return i;
}

// The scroll positions of the managers are fetched once per run of a client.
uint8_t scrollpos_anstehend = 1;

int32_t tiefe() { return Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16; }

bool beruehrt(const Menue_Icon* i, uint32_t flags, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    int32_t ix2 = i->x + i->breite, iy2 = i->y + i->hoehe;
    if (flags & 0x2) return i->x >= x1 && i->y >= y1 && ix2 <= x2 && iy2 <= y2;
    return i->x <= x2 && ix2 >= x1 && i->y <= y2 && iy2 >= y1;
}

// The visit history in the manager's icon state block (team field 303): from byte 16208 the
// position (i32), 15 words and the 15 icon numbers (u16, 0xFFFF empty) of the entries.
constexpr uint32_t BESUCH_VERSATZ = 16208;
int32_t besuch_nummer(const uint8_t* block, int32_t k)
{
    const uint8_t* n = block + BESUCH_VERSATZ + 4 + 15 * 4 + 2 * k;
    uint16_t v = uint16_t(n[0] | n[1] << 8);
    return v == 0xFFFF ? -1 : v;
}
int32_t besuch_position(const uint8_t* block)
{
    const uint8_t* p = block + BESUCH_VERSATZ;
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

Menue_Icon* registriert(int32_t nummer) { return Menue_Nummer_Gueltig(nummer) ? Menue_Icons.reg[nummer].icon : nullptr; }

}  // namespace

Menue_Icon Menue_Basis_Liste[MENUE_BASIS_ANZAHL + 1] = {
    panel(basis(701, -1, 0, 40, 3, 176, 32, 28)),   // own (home) club
    panel(basis(702, -1, 0, 424, 3, 176, 32, 28)),  // away club
    wappen(basis(759, -1, 0, 0, 0, 40, 40, 20)),   // crest of 701, in the corner beside it
    wappen(basis(760, -1, 0, 600, 0, 40, 40, 20)), // crest of 702
    // MENUE above the column where a group puts its sub-buttons (97-271), the four groups below
    // it, so that a group's sub-buttons never cover another group. Faces 1055-1063 of the screen
    // file.
    mit(basis(703, 5055, 0, 599, 44, 40, 40, 27), Menue_Menue_Klick, nullptr),
    gruppe(basis(704, -1, 0, 599, MENUE_GRUPPE_Y, 40, MENUE_GRUPPE_H, 27)),
    gruppe(basis(705, -1, 0, 599, MENUE_GRUPPE_Y + MENUE_GRUPPE_ABSTAND, 40, MENUE_GRUPPE_H, 27)),
    gruppe(basis(706, -1, 0, 599, MENUE_GRUPPE_Y + 2 * MENUE_GRUPPE_ABSTAND, 40, MENUE_GRUPPE_H, 27)),
    gruppe(basis(707, -1, 0, 599, MENUE_GRUPPE_Y + 3 * MENUE_GRUPPE_ABSTAND, 40, MENUE_GRUPPE_H, 27)),
    serien(basis(708, -1, 0, 222, 3, 196, 14, 20)),  // series info
    datum(basis(709, -1, 0, 222, 17, 196, 12, 20)),  // today's date
    // Match comparison bars, above the middle panel's bottom edge (row 36), side by side: each
    // is 66 pixels wide (21 segments and its caps), three fill the panel's width.
    balken(basis(714, -1, 0, 221, 29, 66, 7, 20)),
    balken(basis(715, -1, 0, 353, 29, 66, 7, 20)),
    balken(basis(716, -1, 0, 287, 29, 66, 7, 20)),
    mit(basis(722, 5060, 0, 599, 337, 19, 20, 27), Menue_History_Klick, Menue_Make_History_Kontextmenue),  // back
    mit(basis(721, 5061, 0, 620, 337, 19, 20, 27), Menue_History_Klick, Menue_Make_History_Kontextmenue),  // forward
    mit(basis(761, 49, ICON_SLAVE, 599, 360, 40, 32, 255), Menue_Briefkasten_Oeffnen, Menue_Briefkasten_Kontextmenue),
    mit(basis(762, 5063, 0, 599, 395, 40, 24, 27), Menue_Chat_Klick, nullptr),  // chat
    basis(723, 5062, 0, 597, 420, 42, 48, 26),    // continue
    Menue_Icon_Listenende(),
};

namespace {
// The background of the last turn, kept between the turns: every turn shows the same picture.
// Outside a turn the menu has none (Menue_Get_Hintergrund), as before.
Rastport* hintergrund_behalten = nullptr;

// The fill of page 1 that Menue_Raus left to the next turn (Menue_Raus with `zug_folgt`).
bool fuellung_offen = false;

// The turn's end fills the back page with colour 1: the screen that comes after the menu starts
// from it.
void seite_fuellen(Rastport* seite)
{
    if (seite) Grafik_Rechteck_Fuellen(seite, 0, 0, 640, 480, 1);
}

// The menu background drawn in Menue_Hintergrund_Zeichnen covers what the fill of page 1
// covers: a picture of the page's depth and at least 640 x 480, drawn whole from 0,0.
bool hintergrund_deckt_seite()
{
    const Rastport* h = Menue_Status.hintergrund;
    return h && Grafik_Seite_1 && Grafik_Render_Ziel == Grafik_Seite_1 && !h->packed &&
           h->depth == Grafik_Seite_1->depth && h->width >= 640 && h->height >= 480;
}
}  // namespace

void Menue_Seite_Fuellen_Nachholen()
{
    if (!fuellung_offen) return;
    fuellung_offen = false;
    seite_fuellen(Grafik_Seite_1);
}

void Menue_Screen_Reset(uint8_t hintergrund_zeichnen)
{
    if (!Menue_Status.hintergrund && hintergrund_behalten && hintergrund_behalten->depth == tiefe())
        std::swap(Menue_Status.hintergrund, hintergrund_behalten);
    hintergrund_behalten = Grafik_Bitmap_Freigeben(hintergrund_behalten);
    if (!Menue_Status.hintergrund && ResFile_Handles[0].handle >= 0)
        Menue_Status.hintergrund = static_cast<Rastport*>(
            Load_Resource(ResFile_Handles[0].handle, MENUE_HINTERGRUND_RESSOURCE, tiefe(), nullptr));
    Grafik_Screen_Seite_Waehlen(1);
    // A fill that the last turn's end left over is made before anything else draws here, unless
    // the background below overwrites it whole.
    if (fuellung_offen) {
        if (hintergrund_zeichnen && hintergrund_deckt_seite()) fuellung_offen = false;
        else Menue_Seite_Fuellen_Nachholen();
    }
    if (hintergrund_zeichnen) Menue_Hintergrund_Zeichnen(0);
    for (int i = 0; i < 4; ++i) {
        Menue_Screen_Icon_Hinzufuegen(&Menue_Basis_Liste[i]);
        Menue_Basis_Liste[i].refresh = 0;
    }
}

void Menue_Client_Aktualisieren()
{
    if (Netz_Rolle != 1) return;
    Spieler_Internet_Client_Refresh();
    Team_Internet_Client_Refresh();
    Teamspieler_Internet_Client_Refresh();
    Manager_Internet_Client_Refresh();
    Richter_Internet_Client_Get_Liste();
    if (scrollpos_anstehend == 1) {
        Manager_Internet_Client_Scrollpos_Refresh();
        scrollpos_anstehend = 0;
    }
}

namespace {
Rastport* menue_bild = nullptr;
}  // namespace

void Menue_Bild_Merken()
{
    Rastport* s = Grafik_Seite_0;
    if (!s) return;
    if (menue_bild && (menue_bild->width != s->width || menue_bild->height != s->height || menue_bild->depth != s->depth))
        menue_bild = Grafik_Bitmap_Freigeben(menue_bild);
    if (!menue_bild) menue_bild = Grafik_Bitmap_Anlegen(int32_t(s->width), int32_t(s->height), s->depth);
    if (menue_bild) Grafik_Blit(s, 0, 0, int32_t(s->width), int32_t(s->height), menue_bild, 0, 0);
}

bool Menue_Bild_Zeigen()
{
    if (!menue_bild) return false;
    const int32_t w = int32_t(menue_bild->width), h = int32_t(menue_bild->height);
    if (Grafik_Seite_1) Grafik_Blit(menue_bild, 0, 0, w, h, Grafik_Seite_1, 0, 0);
    if (Grafik_Seite_0) Grafik_Blit(menue_bild, 0, 0, w, h, Grafik_Seite_0, 0, 0);
    return true;
}

bool Menue_Bild_Zurueck()
{
    const bool da = Menue_Bild_Zeigen();
    Menue_Bild_Vergessen();
    return da;
}

void Menue_Bild_Vergessen() { menue_bild = Grafik_Bitmap_Freigeben(menue_bild); }

void Menue_Rein(int32_t team, uint8_t zwingen)
{
    if (Menue_Status.aktiv && !zwingen) return;
    Menue_Client_Aktualisieren();
    Menue_Status.runde_laeuft = 1;
    Menue_Status.im_menue = 1;
    Menue_Icons.modal_tiefe = 0;
    Menue_Icons.abgedunkelt = 1;
    Aktuelles_Team = team;
    Menue_Status.team = team;
    if (EIGENER_SERVER) Handelndes_Team = uint32_t(team);
    int32_t spiel = -1, wettbewerb = -1;
    Gegner_Team = Spieltag_Get_Gegner(team, nullptr, nullptr, &spiel, &wettbewerb);
    Menue_Set_Heutiger_Wettbewerb(Gegner_Team >= 0 ? wettbewerb : -1);
    Menue_Status.spiel_gueltig = 0;
    if (spiel >= 0)
        if (const Spiele_Spiel* s = Spiele_Get_Spiel(spiel, 0)) {
            Menue_Status.heutiges_spiel = *s;
            Menue_Status.spiel_gueltig = 1;
        }
    if (!Menue_Status.wieder_rein) Anzeige_Gegner_Team = Gegner_Team;
    if (Aktuelles_Team_Seite == -1) Aktuelles_Team_Seite = 0;
    Menue_Basis_Liste[0].kennung_1 = int16_t(Aktuelles_Team_Seite == 1 ? Gegner_Team : team);
    Menue_Basis_Liste[1].kennung_1 = int16_t(Aktuelles_Team_Seite == 1 ? team : Gegner_Team);
    for (int i = 0; i < 2; ++i) {
        Menue_Icon& v = Menue_Basis_Liste[i];
        v.kennung_2 = -1;
        v.kontext = Menue_Einblenden_Kontextmenue;
        v.mausover = v.kennung_1 >= 0 ? Team_Infotext_Erzeugen : nullptr;
        Menue_Basis_Liste[2 + i].kennung_1 = v.kennung_1;
        Menue_Basis_Liste[2 + i].kennung_2 = -1;
    }
    // The chat talks to the other PCs of a network game: alone it has nobody to talk to.
    for (Menue_Icon* i = Menue_Basis_Liste; i->nummer != -1; ++i)
        if (i->nummer == 762) i->status = Ablauf_Netz_Aktiv() ? i->status & ~ICON_VERSTECKT : i->status | ICON_VERSTECKT;
    // A turn starts with fresh slaves; the kept ones stay.
    Menue_Speicher_Befreien(2);
    Menue_Screen_Reset(1);
    Menue_Icon_Liste_Hinzufuegen(Menue_Basis_Liste);
    // The mailbox shows whether new mail waits for this manager.
    Menue_Briefkasten_Icon_Setzen(Postfach_Neue_Post(team), 0, 0);
    Menue_Serien_Info(0);
    Menue_Datum_Setzen();

    const auto* block = team >= 0 ? static_cast<const uint8_t*>(Team_Zeiger(303, team, nullptr, 0)) : nullptr;
    if (block)
        for (int32_t k = 0; k < 15; ++k)
            if (Menue_Icon* i = registriert(besuch_nummer(block, k))) Menue_Screen_Icon_Bitmap(i);
    for (int32_t k = 0; k < MENUE_LIEBLING_ANZAHL; ++k) {
        const int32_t n = Menue_Liebling_Icon(team, k);
        if (n == -1) continue;
        if (Menue_Icon* i = registriert(n)) Menue_Screen_Icon_Bitmap(i);
        else Print_Fehler("Menue_Rein: s_icon==NULL!");
    }
    Internet_Menue_Rein_Hook();
    if (Menue_Status.hinweise) {
        for (const char* h : MENUE_HINWEISE) Menue_Requester(1, team, h, nullptr, nullptr, 0);
        Menue_Status.hinweise = 0;
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
    }
    Spieler_Einsetzen_Taktik_Anwenden(0);

    // The turn starts with the first favourite when the manager wants it, else where he left.
    Menue_Icon* start = nullptr;
    if (Manager_Icon_Word_Data_Lesen(team, 758)) start = registriert(Menue_Liebling_Icon(team, 0));
    if (start && start->klick) start->klick(start, KLICK_MARKE);
    else if (block) {
        int32_t pos = besuch_position(block);
        Menue_Icon* i = pos >= 0 && pos < 15 ? registriert(besuch_nummer(block, pos)) : nullptr;
        if (i && i->klick) i->klick(i, 0);
    }
    Menue_Status.aktiv = 1;
    // The manager who asked for it finds his new mail open as his turn begins.
    Menue_Briefkasten_Oeffnen_Pruefen();
    const auto* einstellung = team >= 0 ? static_cast<const uint8_t*>(Team_Zeiger(309, team, nullptr, 0)) : nullptr;
    if (einstellung && einstellung[2]) Menuesound_Play(einstellung[2] - 1, 1);
    if (!Menue_Status.wieder_rein) Menue_Status.startzeit = Timer_Get_Time();
    Menue_Status.wieder_rein = 0;
}

void Menue_Rein_Aktuell(uint8_t zwingen)
{
    Menue_Status.gezeigt = 1;
    if (Menue_Status.aktiv) Menue_Rein(Aktuelles_Team, zwingen);
}

void Menue_Raus(uint8_t zug_folgt)
{
    if (!Menue_Status.aktiv) return;
    Hilfe_Glow_Freigeben();
    Menue_Glow_Stufe = 0;
    Menuesound_Stop(0);
    Menue_Bereich_Loeschen(5, -9999, -9999, 9999, 9999);
    // Before another manager's turn the fill of the back page waits for Menue_Screen_Reset,
    // whose background covers it whole (made there first when it does not). Without a back page
    // the fill goes onto the screen itself and is made at once.
    if (zug_folgt && Grafik_Seite_1 && Grafik_Render_Ziel == Grafik_Seite_1) fuellung_offen = true;
    else seite_fuellen(Grafik_Render_Ziel);
    Menue_Status.aktiv = 0;
    Menue_Status.runde_laeuft = 0;
    Menue_Merker_Setzen(0);
    Menue_Aktuelles_Icon = nullptr;
    Menue_Gezogenes_Icon = nullptr;
    Menue_Hilfe_Status = 0;
    if (Netz_Rolle & 2) Aktuelles_Team = -1;
    if (EIGENER_SERVER) Handelndes_Team = uint32_t(Aktuelles_Team);
    Grafik_Bitmap_Freigeben(hintergrund_behalten);
    hintergrund_behalten = std::exchange(Menue_Status.hintergrund, nullptr);
    Menue_Speicher_Befreien(7);
}

void Menue_Beenden()
{
    Hilfe_Schliessen(1);
    Soundeffekt_Free_All();
    Menue_Raus();
    Menue_Seite_Fuellen_Nachholen();
    Menue_Speicher_Befreien(7);
    hintergrund_behalten = Grafik_Bitmap_Freigeben(hintergrund_behalten);
    Menue_Bild_Vergessen();
}

void Menue_Bereich_Loeschen(uint32_t flags, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Grafik_Screen_Seite_Waehlen(1);
    if (flags & 0x20) Menue_Hintergrund_Kopieren(Grafik_Render_Ziel, x1, y1, x2 - x1, y2 - y1, 0, 0);
    for (int32_t p = MAX_SCREEN_ICON_PRIORITY; p >= 0; --p)
        for (int32_t s = Menue_Icons.hoechster[p]; s >= 0; --s) {
            Menue_Icon* i = Menue_Icons.slot[p][s];
            if (!i || ((i->flags & ICON_BEREICH_BLEIBT) && !(flags & 0x1))) continue;
            if (!Menue_Icons.vorhanden[i->nummer] || !i->bitmap || !beruehrt(i, flags, x1, y1, x2, y2)) continue;
            Menue_Icons.vorhanden[i->nummer] = 0;
            Menue_Icons.slot[p][s] = nullptr;
            Menue_Icons.frei[p] = s;
            ++Menue_Icons.stand;
            if (!(i->status & ICON_VERSTECKT) && (i->scrollscreen == MENUE_KEIN_SCROLLSCREEN || (flags & 0x80)) &&
                !(flags & 0x20)) {
                if (flags & 0x10) Menue_Hintergrund_Kopieren(Grafik_Render_Ziel, i->x, i->y, i->breite, i->hoehe, 0, 0);
                else if (flags & 0x8) Menue_Screen_Icon_Hintergrund_Zeichnen(i);
            }
            i->refresh = 0;
            i->kennung_1 = i->kennung_2 = -1;
            Menue_Icons.reg[i->nummer].gesichert = 0;
            // A layer cleared away no longer holds the screen modal.
            if ((i->flags & ICON_EBENE) && --Menue_Icons.modal_tiefe == 0) Menue_Icons.abgedunkelt = 1;
            Menue_Event_Icon_Entfernt(i);
        }
    if (flags & 0x40) return;
    for (int32_t n = 0; n < MENUE_SCROLLSCREENS; ++n) {
        Scrollscreen* s = Menue_Get_Scrollscreen(n);
        if (!s || !s->bitmap) continue;
        int32_t sx2 = s->x + s->sicht_breite, sy2 = s->y + s->sicht_hoehe;
        bool trifft = (flags & 0x2) ? s->x >= x1 && s->y >= y1 && sx2 <= x2 && sy2 <= y2
                                    : s->x <= x2 && sx2 >= x1 && s->y <= y2 && sy2 >= y1;
        if (trifft) Menue_Kill_Scrollscreen(n, flags & 0x30);
    }
}

void Menue_Bereich_Aktiv_Setzen(uint32_t flags, uint8_t wert, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Grafik_Screen_Seite_Waehlen(1);
    if (flags & 0x20) Menue_Hintergrund_Kopieren(Grafik_Render_Ziel, x1, y1, x2 - x1, y2 - y1, 0, 0);
    for (int32_t p = MAX_SCREEN_ICON_PRIORITY; p >= 0; --p)
        for (int32_t s = Menue_Icons.hoechster[p]; s >= 0; --s) {
            Menue_Icon* i = Menue_Icons.slot[p][s];
            if (!i || (i->status & ICON_VERSTECKT) || !i->bitmap || !Menue_Icons.vorhanden[i->nummer]) continue;
            if (beruehrt(i, flags, x1, y1, x2, y2)) i->refresh = wert;
        }
}

void Menue_Bereich_Refresh(uint32_t flags, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Menue_Bereich_Aktiv_Setzen(flags, 1, x1, y1, x2, y2);
    Menue_Screen_Refresh(1, x1, y1, x2, y2);
}

void Menue_Screen_Icon_Zeichnen(Menue_Icon* icon)
{
    Menue_Screen_Icon_Hintergrund_Neu(icon);
    Menue_Icon_Blit(icon);
}

void Menue_Hintergrund_Zeichnen(uint8_t ueberspringen)
{
    Grafik_Screen_Seite_Waehlen(1);
    if (ueberspringen || !Grafik_Render_Ziel) return;
    if (Menue_Status.hintergrund) Grafik_Blit(Menue_Status.hintergrund, 0, 0, 640, 480, Grafik_Render_Ziel, 0, 0);
    if (!Eingang_Get_Spiel_Gestartet())
        if (Rastport* b = Menue_Get_Slave_Rastport(53))
            Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), Grafik_Render_Ziel, 0, 0);
}

void Menue_Hintergrund_Kopieren(Rastport* ziel, int32_t x, int32_t y, int32_t w, int32_t h, int32_t dx, int32_t dy)
{
    if (!ziel || !Menue_Status.hintergrund) return;
    Grafik_Blit(Menue_Status.hintergrund, x, y, w, h, ziel, x + dx, y + dy);
}

void Menue_Speicher_Befreien(int32_t modus)
{
    Menue_Scrollscreens_Freigeben();
    Menue_Register_Hintergruende_Freigeben();
    if (modus & 1) {
        Handle_Objekt_Freigeben(Menue_Status.hintergrund);
        Menue_Status.hintergrund = Grafik_Bitmap_Freigeben(Menue_Status.hintergrund);
    }
    if (modus & 2) Menue_Slaves_Freigeben(modus == 7);
    if (modus == 7) Menue_Alle_Icons_Speicher_Befreien();
}

void Menue_Hook_Registrieren(Menue_Hook_Prozedur prozedur, uint8_t entfernen)
{
    // What this call registered is kept apart from the slot: a slot taken by other means is
    // not free either.
    static Menue_Hook_Prozedur registriert = nullptr;
    if (!entfernen) {
        if (registriert && Menue_Hook == registriert) {
            Print_Fehler("Zuviele Hooked-Procedures!\n");
            return;
        }
        if (Menue_Hook) {
            Print_Fehler("Keine Freie Hook-Procedure!\n");
            return;
        }
        Menue_Hook = registriert = prozedur;
        return;
    }
    if (!prozedur || Menue_Hook != prozedur) {
        Print_Fehler("Hook-Procedure nicht gefunden!\n");
        return;
    }
    Menue_Hook = registriert = nullptr;
}

int32_t Menue_Prozedur_Aufrufen(Menue_Klick_Prozedur prozedur, Menue_Icon* icon, uint32_t flags)
{
    return prozedur ? prozedur(icon, flags) : 0;
}
