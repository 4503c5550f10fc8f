#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_hilfetext.h"
#include "screens/spieler_kontext_menue.h"
#include "screens/spieler_schirme.h"
#include "screens/spieler_taktik.h"
#include "screens/spieler_training.h"
#include "screens/spieler_training_bilder.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/requester.h"
#include "platform/string_util.h"
#include "toolkit/screen.h"
#include "toolkit/ziehen.h"

namespace {

constexpr int32_t FELD_ARTEN = 14, MAX_EINHEITEN = 5, SLOTS = 3;
constexpr int32_t FLAECHE_ERSTE = 1480, FLAECHE_LETZTE = 1497, HINTERGRUND = 1499, KO_ICON = 1500, TEXT_ICON = 1501;
constexpr int32_t RAHMEN_ERSTER = 1628, RAHMEN_TORWART = 1642, KADER_ERSTER = 1643, KADER_ANZAHL = 24;
constexpr int32_t FLAECHE_B = TRAINING_FLAECHE_B, FLAECHE_H = TRAINING_FLAECHE_H;
constexpr uint32_t NICHT_VERFUEGBAR = 0xFC0;

constexpr const int16_t (&ORT)[SPIELER_TRAININGSARTEN][2] = TRAINING_ORT;

int32_t eigen() { return Aktuelles_Team; }
bool team_ok() { return eigen() >= 0 && eigen() < Team_Anzahl; }
uint16_t farbe(int r, int g, int b) { return Grafik_Farbe(uint32_t(r), uint32_t(g), uint32_t(b)); }
void meldung(const char* text) { Menue_Requester(1, eigen(), text, nullptr, nullptr, 0); }
void schreiben(Rastport* z, int32_t font, int32_t x, int32_t y, uint16_t f, const char* t)
{
    Grafik_Printf(z, Font(font), "^c%05d%s", x, y, int(f), t);
}

bool ist_ball(const Menue_Icon* i) { return i && i->nummer >= TRAINING_BALL_ERSTER && i->nummer < TRAINING_BALL_ERSTER + 50; }
bool ist_handschuh(const Menue_Icon* i)
{
    return i && i->nummer >= TRAINING_HANDSCHUH_ERSTER && i->nummer < TRAINING_HANDSCHUH_ERSTER + TRAINING_HANDSCHUHE;
}
bool ist_slot(const Menue_Icon* i)
{
    return i && i->nummer >= TRAINING_SLOT_ERSTER && i->nummer < TRAINING_SLOT_ERSTER + 3 * SPIELER_TRAININGSARTEN;
}
bool ist_torwart(int32_t spnr) { return spnr >= 0 && spnr < Spieler_Anzahl && Spieler_Wert(SP_ART, spnr, 0, 0) == 0; }
bool im_team(int32_t team, int32_t spnr)
{
    return team >= 0 && team < Team_Anzahl && spnr >= 0 && spnr < Spieler_Anzahl && Teamspieler_Get_Record(team, spnr);
}

// Units as stored, bounded: a savegame or a client may bring anything.
void einheiten_lesen(int32_t feld, uint8_t* aus, int32_t anzahl)
{
    const auto* b = team_ok() ? static_cast<const uint8_t*>(Team_Zeiger(feld, eigen(), nullptr, 0)) : nullptr;
    for (int32_t k = 0; k < anzahl; ++k) aus[k] = b ? std::min<uint8_t>(b[k], MAX_EINHEITEN) : 0;
}
void einheiten_schreiben(int32_t feld, uint8_t* werte) { Team_Zeiger(feld, eigen(), werte, 1); }

int16_t* raster()
{
    return team_ok() ? static_cast<int16_t*>(Team_Zeiger(TEAM_EINZELTRAINING, eigen(), nullptr, 0)) : nullptr;
}

// --- icon storage: the toolkit keeps pointers into it --------------------------------------------
Menue_Icon liste[200];
int32_t liste_n = 0;
Menue_Icon* baelle[TRAINING_BAELLE];
Menue_Icon* handschuhe[TRAINING_HANDSCHUHE];
Menue_Icon* slots[3 * SPIELER_TRAININGSARTEN];
Menue_Move_Struktur einheit_move{}, spieler_move{};
bool rahmen_an[RAHMEN_TORWART - RAHMEN_ERSTER + 1];
bool assistiert = false;

Menue_Icon* icon_nr(int32_t nummer)
{
    for (int32_t k = 0; k < liste_n; ++k)
        if (liste[k].nummer == nummer) return &liste[k];
    return nullptr;
}

void zeigen(Menue_Icon* i, bool sichtbar)
{
    if (!i) return;
    if (sichtbar) i->status = uint16_t(i->status & ~ICON_VERSTECKT);
    else i->status |= ICON_VERSTECKT;
    i->refresh = 1;
}

// The kind area under a point (its icon), or the grid slot there; null beside all of them.
Menue_Icon* ziel_bei(int32_t x, int32_t y)
{
    for (Menue_Icon* s : slots)
        if (s && !(s->status & ICON_VERSTECKT) && x >= s->x && x < s->x + s->breite && y >= s->y && y < s->y + s->hoehe)
            return s;
    for (int32_t a = 0; a < SPIELER_TRAININGSARTEN; ++a)
        if (x >= ORT[a][0] && x < ORT[a][0] + FLAECHE_B && y >= ORT[a][1] && y < ORT[a][1] + FLAECHE_H)
            return icon_nr(FLAECHE_ERSTE + a);
    return nullptr;
}

void einheit_gezogen(Menue_Move_Struktur*, Menue_Icon* icon, int32_t x, int32_t y, uint32_t code)
{
    if (code != 0x80 || !icon) return;
    // beside every kind the unit goes back to the reserve (a ball) or is explained (a glove)
    Spieler_Training_Einheit_Move(icon, ziel_bei(x + icon->breite / 2, y + icon->hoehe / 2));
}

void spieler_gezogen(Menue_Move_Struktur*, Menue_Icon* icon, int32_t x, int32_t y, uint32_t code)
{
    if (code != 0x80 || !icon) return;
    std::fill(std::begin(rahmen_an), std::end(rahmen_an), false);
    Spieler_Training_Einzeltraining_Move(icon, ziel_bei(x + icon->breite / 2, y + icon->hoehe / 2));
    Menue_Bereich_Refresh(0, 20, 40, 600, 480);
}

// --- drawing -------------------------------------------------------------------------------------
int32_t hintergrund_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    if (!Spieler_Screen_Bild(TRAINING_BILD_HINTERGRUND, z, 0, 40, true)) {
        Grafik_Rechteck_Fuellen(z, 0, 40, 600, 440, farbe(2, 3, 6));
        // the goalkeepers' region in orange, as the messages describe it
        const uint16_t o = farbe(15, 8, 0);
        const int32_t l = TRAINING_TW_L, t = TRAINING_TW_O, r = TRAINING_TW_R, u = TRAINING_TW_U;
        Grafik_Linie(z, l, t, r, t, o);
        Grafik_Linie(z, l, u, r, u, o);
        Grafik_Linie(z, l, t, l, u, o);
        Grafik_Linie(z, r, t, r, u, o);
    }
    schreiben(z, 3, 200, 56, farbe(15, 15, 0), "Training");
    schreiben(z, 4, 24, 150, farbe(15, 15, 0), "Kader (Einzeltraining)");
    return 0;
}

// An icon's place painted from the page's background picture; false without it.
bool grund(Rastport* z, const Menue_Icon* i)
{
    return Spieler_Screen_Bild(TRAINING_BILD_HINTERGRUND, z, i->x, i->y, true, i->x, i->y - 40, i->breite, i->hoehe);
}

void rahmen(Rastport* z, int32_t x, int32_t y, int32_t w, int32_t h, uint16_t f)
{
    Grafik_Linie(z, x, y, x + w - 1, y, f);
    Grafik_Linie(z, x, y + h - 1, x + w - 1, y + h - 1, f);
    Grafik_Linie(z, x, y, x, y + h - 1, f);
    Grafik_Linie(z, x + w - 1, y, x + w - 1, y + h - 1, f);
}

int32_t flaeche_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const int32_t a = icon->nummer - FLAECHE_ERSTE;
    if (a < 0 || a >= SPIELER_TRAININGSARTEN) return 0;
    const bool tw = a >= FELD_ARTEN;
    const int32_t frame = a < FELD_ARTEN ? RAHMEN_ERSTER + a : RAHMEN_TORWART;
    const bool hell = rahmen_an[frame - RAHMEN_ERSTER];
    if (grund(z, icon)) {
        if (hell) Spieler_Screen_Bild(tw ? TRAINING_BILD_RAHMEN_TW : TRAINING_BILD_RAHMEN, z, icon->x, icon->y);
        return 0;
    }
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, tw ? farbe(6, 4, 2) : farbe(2, 7, 3));
    rahmen(z, icon->x, icon->y, icon->breite, icon->hoehe, hell ? farbe(15, 15, 0) : farbe(9, 12, 9));
    // the kind's symbol: a small ball or glove in the corner, then its name
    Grafik_Rechteck_Fuellen(z, icon->x + icon->breite - 8, icon->y + 3, 5, 5, tw ? farbe(15, 8, 0) : farbe(15, 15, 15));
    // "Strafraumbeherrsch." needs the condensed font to stay inside the area
    char name[40];
    std::snprintf(name, sizeof name, "%s", Spieler_Training_Art_Name(a));
    const int32_t font = Menue_Font_Passend(4, name, icon->breite - 5);
    String_Kuerzen_Pixel(name, nullptr, font, icon->breite - 5);
    schreiben(z, font, icon->x + 3, icon->y + icon->hoehe - 3, farbe(15, 15, 15), name);
    return 0;
}

int32_t einheit_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon || (icon->status & ICON_VERSTECKT)) return 0;
    const bool ball = ist_ball(icon);
    if (!Spieler_Screen_Bild(ball ? TRAINING_BILD_BALL : TRAINING_BILD_HANDSCHUH, z, icon->x, icon->y)) {
        const uint16_t f = ball ? farbe(15, 15, 15) : farbe(15, 8, 0);
        Grafik_Rechteck_Fuellen(z, icon->x + 2, icon->y, 8, 12, f);
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y + 2, 12, 8, f);
        Grafik_Rechteck_Fuellen(z, icon->x + 4, icon->y + 4, 4, 4, ball ? farbe(0, 0, 0) : farbe(8, 3, 0));
    }
    if (assistiert) Grafik_Linie(z, icon->x, icon->y + 11, icon->x + 11, icon->y, farbe(12, 0, 0));
    return 0;
}

int32_t slot_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon || (icon->status & ICON_VERSTECKT) || icon->kennung_1 < 0) return 0;
    const int32_t p = icon->kennung_1;
    Spieler_Gesicht_Bauen_Skaliert(z, icon->x, icon->y, p, uint32_t(Spieler_Wert(SP_GESICHT, p, 0, 0)),
                                   static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, eigen(), nullptr, 0)),
                                   icon->breite, icon->hoehe);
    return 0;
}

int32_t schalter_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const int32_t k = icon->nummer - TRAINING_SCHALTER_ERSTER;
    const int32_t bild = Spieler_Training_Schalter_Bild(k);
    if (bild < 0 || Spieler_Screen_Bild(TRAINING_BILD_SCHALTER + bild, z, icon->x, icon->y, true)) return 0;
    const uint16_t stufe_farbe[3] = {farbe(3, 5, 10), farbe(5, 9, 4), farbe(12, 7, 1)};
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, stufe_farbe[bild % 3]);
    const char* l = Spieler_Einsetzen_Taktik_Label(bild / 3, bild % 3);
    schreiben(z, 4, icon->x + 3, icon->y + 13, farbe(15, 15, 15), l ? l : "");
    return 0;
}

// The current (match) tactic, block 807, as on the line-up screen: its control pictures and the
// label of each setting's level.
int32_t taktik_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon || !team_ok()) return 0;
    const int32_t k = icon->nummer - TRAINING_TAKTIK_ERSTE;
    const auto* b = static_cast<const uint8_t*>(Team_Zeiger(TEAM_TAKTIK, eigen(), nullptr, 0));
    if (k < 0 || k >= 8 || !b) return 0;
    if (!Spieler_Screen_Bild(1261 + k, z, icon->x, icon->y, true))
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(2, 4, 8));
    const char* l = Spieler_Einsetzen_Taktik_Label(k, b[k] % 3);
    // the condensed font of the line-up screen's controls: "Mitte/Außen" fits the control
    schreiben(z, MENUE_SCHMAL_FONT, icon->x + 2, icon->y + 10, farbe(15, 15, 15), l ? l : "");
    return 0;
}

int32_t taktik_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Spieler_Einsetzen_Taktik_Klick(icon->nummer)) return 0;
    for (int32_t k = 0; k < 8; ++k)
        if (Menue_Icon* i = icon_nr(TRAINING_TAKTIK_ERSTE + k)) i->refresh = 1;
    return 1;
}

int32_t text_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    if (!grund(z, icon)) Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(2, 3, 6));
    // a line wider than the box takes the condensed font
    const char* t = icon->hilfetext ? icon->hilfetext : "";
    schreiben(z, Menue_Font_Passend(4, t, icon->breite), icon->x, icon->y + 11, farbe(15, 15, 15), t);
    return 0;
}

int32_t regler_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const int32_t w = Spieler_Training_Regler_Wert() * (icon->breite - 6) / TRAINING_BAELLE;
    if (grund(z, icon)) {
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y + 5, w, 4, farbe(10, 12, 15));
        if (Spieler_Screen_Bild(TRAINING_BILD_GRIFF, z, icon->x + w, icon->y)) return 0;
    } else {
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(4, 4, 6));
        Grafik_Rechteck_Fuellen(z, icon->x + 1, icon->y + 4, w, icon->hoehe - 8, farbe(10, 12, 15));
    }
    Grafik_Rechteck_Fuellen(z, icon->x + w, icon->y, 6, icon->hoehe, farbe(15, 15, 15));
    return 0;
}

int32_t regler_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon || icon->breite <= 6) return 0;
    if (assistiert) {
        Spieler_Training_Assistent_Hinweis();
        return 0;
    }
    Spieler_Training_Regler_Setzen((Maus_Get_X() - icon->x) * TRAINING_BAELLE / (icon->breite - 6));
    Spieler_Training_Einheiten_Zeigen(true);
    icon->refresh = 1;
    return 1;
}

int32_t kader_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon || icon->kennung_1 < 0) return 0;
    const int32_t p = icon->kennung_1;
    int32_t art = -1, slot = -1;
    Spieler_Training_Get_Einzeltraining_Platz(eigen(), p, &art, &slot);
    const char* n = Spieler_String(SP_NAME, p, nullptr, 0);
    char zeile[64];
    std::snprintf(zeile, sizeof zeile, "%s%s", ist_torwart(p) ? "TW " : "", n ? n : "");
    schreiben(z, 4, icon->x, icon->y + 10, art >= 0 ? farbe(15, 15, 0) : farbe(15, 15, 15), zeile);
    return 0;
}

int32_t schalter_klick(Menue_Icon* icon, uint32_t)
{
    if (icon) Spieler_Training_Schalter_Klick(icon->nummer);
    return 1;
}

int32_t einheit_klick(Menue_Icon*, uint32_t)
{
    Spieler_Training_Assistent_Hinweis();
    return 1;
}

const char* slot_hilfe(Menue_Icon* icon)
{
    if (!icon) return "";
    Menue_Icon kopie = *icon;
    kopie.kennung_2 = int16_t(icon->kennung_2 / 3);
    return Spieler_Training_Slot_Hilfetext(&kopie);
}

Menue_Icon vorlage(int32_t nummer, int32_t x, int32_t y, int32_t w, int32_t h, int32_t pri, Menue_Refresh_Prozedur r)
{
    Menue_Icon i = Menue_Icon_Vorlage(int16_t(nummer), -1, 0, int16_t(x), int16_t(y), uint16_t(w), uint16_t(h),
                                      int8_t(pri), 255);
    i.refresh_prozedur = r;
    i.status = ICON_SPAETER_REFRESH;
    return i;
}

Menue_Icon* hinzu(const Menue_Icon& i)
{
    if (liste_n >= int32_t(std::size(liste)) - 1) return nullptr;
    liste[liste_n] = i;
    return &liste[liste_n++];
}

void liste_bauen()
{
    liste_n = 0;
    einheit_move = Menue_Move_Struktur{-1, 0, einheit_gezogen, nullptr, {-1, -1, -1, -1}, nullptr, -1};
    spieler_move = Menue_Move_Struktur{-1, 0, spieler_gezogen, nullptr, {-1, -1, -1, -1}, nullptr, -1};
    hinzu(vorlage(HINTERGRUND, 0, 40, 600, 440, 1, hintergrund_zeichnen));
    for (int32_t a = 0; a < SPIELER_TRAININGSARTEN; ++a)
        hinzu(vorlage(FLAECHE_ERSTE + a, ORT[a][0], ORT[a][1], FLAECHE_B, FLAECHE_H, 3, flaeche_zeichnen));
    Menue_Icon r = vorlage(TRAINING_REGLER, 24, 456, 156, 14, 4, regler_zeichnen);
    r.klick = regler_klick;
    r.hilfetext = "Anzahl der Trainingseinheiten (Bälle)";
    hinzu(r);
    Menue_Icon t = vorlage(TEXT_ICON, 200, 458, 195, 16, 4, text_zeichnen);
    hinzu(t);
    Menue_Icon ko = vorlage(KO_ICON, 160, 300, 36, 110, 4, Spieler_Training_KO_Anzeige);
    ko.hilfetext = "Durchschnittliche Trainingserschöpfung des Kaders";
    hinzu(ko);
    for (int32_t k = 0; k < 8; ++k) {
        Menue_Icon s = vorlage(TRAINING_SCHALTER_ERSTER + k, 200 + 98 * (k % 4), 70 + 24 * (k / 4), 94, 20, 4,
                               schalter_zeichnen);
        s.klick = schalter_klick;
        s.hilfetext = "Trainierte Taktik";
        hinzu(s);
    }
    // the current tactic, two columns of four on the left; the trained one beside it (the switches)
    for (int32_t k = 0; k < 8; ++k) {
        Menue_Icon t = vorlage(TRAINING_TAKTIK_ERSTE + k, 20 + 70 * (k % 2), 64 + 16 * (k / 2), 68, 12, 4, taktik_zeichnen);
        t.klick = taktik_klick;
        t.hilfetext = "Aktuelle (Spiel-)Taktik";
        hinzu(t);
    }
    for (int32_t k = 0; k < TRAINING_HANDSCHUHE; ++k) {
        Menue_Icon g = vorlage(TRAINING_HANDSCHUH_ERSTER + k, TRAINING_RESERVE_X, TRAINING_RESERVE_Y, 12, 12, 5,
                               einheit_zeichnen);
        g.status |= ICON_VERSTECKT;
        handschuhe[k] = hinzu(g);
    }
    for (int32_t k = 0; k < TRAINING_BAELLE; ++k) {
        Menue_Icon b = vorlage(TRAINING_BALL_ERSTER + k, TRAINING_RESERVE_X, TRAINING_RESERVE_Y, 12, 12, 0,
                               einheit_zeichnen);
        b.status |= ICON_VERSTECKT;
        baelle[k] = hinzu(b);
    }
    for (int32_t k = 0; k < 3 * SPIELER_TRAININGSARTEN; ++k) {
        Menue_Icon s = vorlage(TRAINING_SLOT_ERSTER + k, 0, 0, 22, 22, 6, slot_zeichnen);
        s.status |= ICON_VERSTECKT;
        s.flags |= ICON_ZIEHBAR;
        s.move = &spieler_move;
        s.mausover = slot_hilfe;
        slots[k] = hinzu(s);
    }
    int32_t kader[500];
    const int32_t n = team_ok() ? Teamspieler_Ins_Array(eigen(), kader, 500, 0) : 0;
    for (int32_t k = 0; k < n && k < KADER_ANZAHL; ++k) {
        Menue_Icon f = vorlage(KADER_ERSTER + k, 24, 156 + 12 * k, 130, 12, 4, kader_zeichnen);
        f.flags |= ICON_ZIEHBAR;
        f.move = &spieler_move;
        f.kennung_1 = int16_t(kader[k]);
        f.kennung_2 = int16_t(eigen());
        f.klick = Spieler_Training_Spieler_Klick;
        f.mausover = Spieler_Screen_Hilfetext_Spieler;
        f.kontext = Spieler_Kontext_Menue_Erzeugen;
        hinzu(f);
    }
    liste[liste_n] = Menue_Icon_Listenende();
}

int32_t seite_neu_bauen()
{
    Menue_Bereich_Loeschen(0, 0, 40, 600, 480);
    liste_bauen();
    Menue_Icon_Liste_Hinzufuegen(liste);
    Spieler_Training_Aufbauen();
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    return 1;
}

}  // namespace

void Spieler_Training_Get_Einzeltraining_Platz(int32_t team, int32_t spnr, int32_t* art, int32_t* slot)
{
    if (art) *art = -1;
    if (slot) *slot = -1;
    const auto* r = team >= 0 && team < Team_Anzahl
                        ? static_cast<const int16_t*>(Team_Zeiger(TEAM_EINZELTRAINING, team, nullptr, 0))
                        : nullptr;
    if (!r || spnr < 0) return;
    for (int32_t i = 0; i < 3 * SPIELER_TRAININGSARTEN; ++i)
        if (r[i] == spnr) {
            if (art) *art = i / 3;
            if (slot) *slot = i % 3;
            return;
        }
}

int32_t Spieler_Einsetzen_Get_Training_Nummer_Aus_Icon(const Menue_Icon* icon, bool* torwart)
{
    if (!torwart) {
        Print_Fehler("Spieler_Einsetzen_Get_Training_Nummer_Aus_Icon: torwart_training==NULL!");
        return -1;
    }
    *torwart = false;
    if (!icon) return -1;
    const int32_t n = icon->nummer;
    if (n >= FLAECHE_ERSTE && n <= FLAECHE_LETZTE) {
        const int32_t a = n - FLAECHE_ERSTE;
        // the fourth goalkeeper area would name a kind the grid does not have
        if (a >= SPIELER_TRAININGSARTEN) return -1;
        *torwart = a >= FELD_ARTEN;
        return a;
    }
    if (ist_handschuh(icon)) {
        *torwart = true;
        return icon->kennung_1 >= FELD_ARTEN && icon->kennung_1 < SPIELER_TRAININGSARTEN ? icon->kennung_1 : -1;
    }
    if (ist_ball(icon)) return icon->kennung_1 >= 0 && icon->kennung_1 < FELD_ARTEN ? icon->kennung_1 : -1;
    if (ist_slot(icon)) {
        const int32_t a = icon->kennung_2 / 3;
        if (icon->kennung_2 < 0 || a >= SPIELER_TRAININGSARTEN) return -1;
        *torwart = ist_torwart(icon->kennung_1);
        return a;
    }
    return -1;
}

int32_t Spieler_Training_Regler_Wert()
{
    if (!team_ok() || !Team_Hat_Manager(eigen())) return 0;
    // 0 means never set: the plan's own total stands
    const int32_t w = Manager_Icon_Word_Data_Lesen(eigen(), TRAINING_REGLER);
    if (w > 0) return std::min(w - 1, TRAINING_BAELLE);
    uint8_t b[FELD_ARTEN];
    einheiten_lesen(TEAM_TRAINING, b, FELD_ARTEN);
    int32_t s = 0;
    for (uint8_t x : b) s += x;
    return std::min(s, TRAINING_BAELLE);
}

void Spieler_Training_Regler_Setzen(int32_t wert)
{
    if (team_ok() && Team_Hat_Manager(eigen()))
        Manager_Icon_Word_Data_Schreiben(eigen(), TRAINING_REGLER, uint16_t(std::clamp(wert, 0, TRAINING_BAELLE) + 1));
}

const char* Spieler_Training_Bälle_Text(int32_t anzahl)
{
    static char text[64];
    if (anzahl <= 0) return "Es sind keine Bälle mehr zu verteilen.";
    if (anzahl == 1) return "Sie haben noch einen Ball zu verteilen.";
    std::snprintf(text, sizeof text, "Sie haben noch %d Bälle zu verteilen.", anzahl);
    return text;
}

void Spieler_Training_Einheiten_Zeigen(bool verteilen)
{
    if (!team_ok()) return;
    const int32_t n = Spieler_Training_Regler_Wert();
    if (verteilen) Manager_Trainingseinheiten_Verteilen(eigen(), n, false);
    uint8_t feld[FELD_ARTEN], tw[3];
    einheiten_lesen(TEAM_TRAINING, feld, FELD_ARTEN);
    einheiten_lesen(TEAM_TRAINING_BYTES, tw, 3);
    // the balls leave the screen and come back, so that their new priorities take
    std::vector<Menue_Icon*> da;
    for (Menue_Icon* b : baelle)
        if (b && Menue_Screen_Icon_Aus_Nummer(b->nummer) == b) {
            Menue_Screen_Icon_Loeschen(-1, b, 0);
            da.push_back(b);
        }
    int32_t gesetzt = 0;
    for (int32_t a = 0; a < FELD_ARTEN; ++a)
        for (int32_t i = 0; i < feld[a] && gesetzt < n; ++i) {
            Menue_Icon* b = baelle[gesetzt++];
            if (!b) continue;
            b->x = int16_t(ORT[a][0] + 4 + 13 * i);
            b->y = int16_t(ORT[a][1] + 2);
            b->prioritaet = 5;
            b->kennung_1 = int16_t(a);
            zeigen(b, true);
        }
    for (int32_t k = gesetzt; k < TRAINING_BAELLE; ++k) {
        Menue_Icon* b = baelle[k];
        if (!b) continue;
        b->x = TRAINING_RESERVE_X;
        b->y = TRAINING_RESERVE_Y;
        b->kennung_1 = -1;
        b->prioritaet = 0;
        zeigen(b, false);
    }
    // the balls still to hand out wait visibly in the reserve
    for (int32_t k = std::max(gesetzt, TRAINING_BAELLE - (n - gesetzt)); k < TRAINING_BAELLE; ++k)
        if (baelle[k]) {
            baelle[k]->prioritaet = 2;
            zeigen(baelle[k], true);
        }
    for (Menue_Icon* b : da) Menue_Screen_Icon_Hinzufuegen(b);
    int32_t g = 0;
    for (int32_t k = 0; k < 3; ++k)
        for (int32_t i = 0; i < tw[k] && g < TRAINING_HANDSCHUHE; ++i) {
            Menue_Icon* h = handschuhe[g++];
            if (!h) continue;
            h->x = int16_t(ORT[FELD_ARTEN + k][0] + 4 + 13 * i);
            h->y = int16_t(ORT[FELD_ARTEN + k][1] + 2);
            h->prioritaet = 5;
            h->kennung_1 = int16_t(FELD_ARTEN + k);
            zeigen(h, true);
        }
    for (; g < TRAINING_HANDSCHUHE; ++g)
        if (handschuhe[g]) {
            handschuhe[g]->kennung_1 = -1;
            zeigen(handschuhe[g], false);
        }
    if (Menue_Icon* t = icon_nr(TEXT_ICON)) {
        t->hilfetext = Spieler_Training_Bälle_Text(n - gesetzt);
        t->refresh = 1;
    }
    Menue_Bereich_Refresh(0, 20, 40, 600, 480);
}

void Spieler_Training_Einheit_Move(Menue_Icon* einheit, Menue_Icon* ziel)
{
    if (!einheit || !team_ok() || (!ist_ball(einheit) && !ist_handschuh(einheit))) return;
    bool tw = false;
    const int32_t t = Spieler_Einsetzen_Get_Training_Nummer_Aus_Icon(ziel, &tw);
    const int32_t alt = einheit->kennung_1;
    if (ist_ball(einheit)) {
        uint8_t feld[FELD_ARTEN];
        einheiten_lesen(TEAM_TRAINING, feld, FELD_ARTEN);
        const bool alt_ok = alt >= 0 && alt < FELD_ARTEN;
        bool neu = false;
        if (t >= 0 && tw) {
            meldung("Die Bälle für's Feldspieler-Training lassen sich nicht für Torhüter verwenden. Bitte benutzen Sie "
                    "für das Torwart-Training nur die \"Handschuh\"-Icons innerhalb des Torwart-Training-Bereiches.");
        } else if (t < 0) {
            if (alt_ok && feld[alt] > 0) --feld[alt], neu = true;
        } else if (t != alt) {
            if (feld[t] >= MAX_EINHEITEN) {
                meldung("Es sind maximal 5 Trainingseinheiten pro Trainingsart erlaubt !");
            } else {
                ++feld[t];
                if (alt_ok && feld[alt] > 0) --feld[alt];
                neu = true;
            }
        }
        if (neu) {
            einheiten_schreiben(TEAM_TRAINING, feld);
            int8_t gewichte[FELD_ARTEN];
            for (int32_t k = 0; k < FELD_ARTEN; ++k) gewichte[k] = int8_t(feld[k]);
            Manager_Trainingsverteilung_Normieren(eigen(), gewichte);
        }
    } else {
        uint8_t b[3];
        einheiten_lesen(TEAM_TRAINING_BYTES, b, 3);
        if (t < 0) {
            meldung("Für das Torwart-Training stehen immer sieben \"Handschuhe\" (Trainingseinheiten) zur Verfügung. Da "
                    "die Erschöpfung bei Torhütern keine Rolle spielt, können sie stets vollständig auf die "
                    "Torwart-Trainingsarten verteilt werden.");
        } else if (!tw) {
            meldung("Die \"Handschuhe\" für's Torwart-Training lassen sich nicht für Feldspieler verwenden. Bitte "
                    "benutzen Sie für das Feldspieler-Training nur die \"Bälle\" innerhalb des "
                    "Feldspieler-Training-Bereiches.");
        } else if (t != alt) {
            if (b[t - FELD_ARTEN] >= MAX_EINHEITEN) {
                meldung("Es sind maximal 5 Trainingseinheiten pro Trainingsart erlaubt !");
            } else {
                ++b[t - FELD_ARTEN];
                if (alt >= FELD_ARTEN && alt < SPIELER_TRAININGSARTEN && b[alt - FELD_ARTEN] > 0) --b[alt - FELD_ARTEN];
                einheiten_schreiben(TEAM_TRAINING_BYTES, b);
            }
        }
    }
    Spieler_Training_Einheiten_Zeigen(false);
}

void Spieler_Training_Einheit_Zurueck(Menue_Icon* einheit)
{
    Spieler_Training_Einheiten_Zeigen(true);
    if (einheit) einheit->refresh = 0;
}

void Spieler_Training_Slot_Setzen(Menue_Icon* icon, int32_t art, int32_t slot)
{
    if (!icon || art < 0 || art >= SPIELER_TRAININGSARTEN || slot < 0 || slot >= SLOTS) return;
    const int16_t* r = raster();
    const int32_t p = r ? r[3 * art + slot] : -1;
    // an entry naming no player of the club (an old savegame, a client) shows a free slot
    if (p < 0 || !im_team(eigen(), p)) {
        icon->kennung_1 = -1;
        icon->status |= ICON_VERSTECKT;
        icon->refresh = 0;
        return;
    }
    icon->x = int16_t(ORT[art][0] + 24 * slot + 3);
    icon->y = int16_t(ORT[art][1] + 17);
    icon->kennung_1 = int16_t(p);
    icon->kennung_2 = int16_t(3 * art + slot);
    icon->mausover = slot_hilfe;
    icon->status = uint16_t(icon->status & ~ICON_VERSTECKT);
    icon->refresh = 1;
}

void Spieler_Training_Einzeltraining_Move(Menue_Icon* spieler, Menue_Icon* ziel)
{
    int16_t* r = raster();
    if (!spieler || !r) return;
    const int32_t p = spieler->kennung_1;
    if (!im_team(eigen(), p)) return;
    int32_t alt = -1;
    if (ist_slot(spieler)) {
        if (spieler->kennung_2 < 0 || spieler->kennung_2 / 3 >= SPIELER_TRAININGSARTEN) {
            Print_Fehler("Spieler_Training_Einzeltraining_Move: tr falsch!");
            return;
        }
        alt = spieler->kennung_2;
    } else {
        // from the squad: a player who trains already moves, he never holds two places
        int32_t a = -1, s = -1;
        Spieler_Training_Get_Einzeltraining_Platz(eigen(), p, &a, &s);
        if (a >= 0) alt = 3 * a + s;
    }
    if (alt >= 0 && r[alt] != p) alt = -1;
    bool tw = false;
    const int32_t t = Spieler_Einsetzen_Get_Training_Nummer_Aus_Icon(ziel, &tw);
    int16_t neu[3 * SPIELER_TRAININGSARTEN];
    std::memcpy(neu, r, sizeof neu);
    if (t >= 0) {
        const bool torwart = ist_torwart(p);
        if (torwart && t < FELD_ARTEN) {
            meldung("Sie können Torhütern nur ein Einzeltraining aus dem orange umrahmten Bereich rechts unten am "
                    "Bildschirm (d.h. aus den Torwart-Trainingsarten) zuweisen.");
            return;
        }
        if (!torwart && t >= FELD_ARTEN) {
            meldung("Sie können Feldspielern keine Torwart-Trainingsart als Einzeltraining zuweisen.");
            return;
        }
        if (alt >= 0 && alt / 3 == t) return;
        int32_t frei = -1;
        for (int32_t s = 0; s < SLOTS && frei < 0; ++s)
            if (neu[3 * t + s] == -1 || !im_team(eigen(), neu[3 * t + s])) frei = 3 * t + s;
        if (frei < 0) {
            meldung("Sie können maximal DREI Spielern ein Einzeltraining pro Bereich verpassen. Denken Sie auch daran, "
                    "daß mehr als 4 bis 5 Einzeltrainings-Einheiten die Energie Ihres Teams stark belastet...");
            return;
        }
        neu[frei] = int16_t(p);
        if (alt >= 0) neu[alt] = -1;
    } else {
        if (alt < 0) return;
        neu[alt] = -1;
    }
    Team_Zeiger(TEAM_EINZELTRAINING, eigen(), neu, 1);
    for (int32_t k = 0; k < 3 * SPIELER_TRAININGSARTEN; ++k) Spieler_Training_Slot_Setzen(slots[k], k / 3, k % 3);
}

int32_t Spieler_Training_Schalter_Bild(int32_t schalter)
{
    if (schalter < 0 || schalter >= 8 || !team_ok()) return -1;
    const auto* b = static_cast<const uint8_t*>(Team_Zeiger(TEAM_TAKTIK_VORGABE, eigen(), nullptr, 0));
    return 3 * schalter + (b ? b[schalter] % 3 : 0);
}

void Spieler_Training_Schalter_Klick(int32_t icon)
{
    const int32_t k = icon - TRAINING_SCHALTER_ERSTER;
    if (k < 0 || k >= 8 || !team_ok()) return;
    const auto* b = static_cast<const uint8_t*>(Team_Zeiger(TEAM_TAKTIK_VORGABE, eigen(), nullptr, 0));
    if (!b) return;
    uint8_t neu[8];
    std::memcpy(neu, b, 8);
    neu[k] = uint8_t((neu[k] % 3 + 1) % 3);
    Team_Zeiger(TEAM_TAKTIK_VORGABE, eigen(), neu, 1);
    Spieler_Training_Schalter_Zeigen();
}

void Spieler_Training_Schalter_Zeigen()
{
    for (int32_t k = 0; k < 8; ++k)
        if (Menue_Icon* s = icon_nr(TRAINING_SCHALTER_ERSTER + k)) s->refresh = 1;
}

void Spieler_Training_Assistent_Hinweis()
{
    const int32_t slot = team_ok() ? Assistent_Mit_Aufgabe(eigen(), 2) : -1;
    const char* name = slot >= 0 && slot < ASSI_SLOTS ? Assistenten_Tabelle[slot].name : "";
    char text[300];
    std::snprintf(text, sizeof text,
                  "Ihr Assistent %s kümmert sich um das Training Ihrer Mannschaft. Falls Sie dies selbst übernehmen "
                  "wollen, teilen Sie ihm das mit.",
                  name ? name : "");
    meldung(text);
}

bool Spieler_Training_Icons_Sperren()
{
    assistiert = team_ok() && Assistent_Mit_Aufgabe(eigen(), 2) >= 0;
    // every unit follows the lock: a glove left movable would still change the plan
    auto sperren = [](Menue_Icon* i) {
        if (!i) return;
        if (assistiert) {
            i->flags &= ~uint32_t(ICON_ZIEHBAR);
            i->move = nullptr;
            i->kontext = nullptr;
            i->klick = einheit_klick;
        } else {
            i->flags |= ICON_ZIEHBAR;
            i->move = &einheit_move;
            i->kontext = Spieler_Training_Kontextmenue;
            i->klick = nullptr;
        }
        i->refresh = 1;
    };
    for (Menue_Icon* b : baelle) sperren(b);
    for (Menue_Icon* h : handschuhe) sperren(h);
    return assistiert;
}

Menue_Kontextmenue* Spieler_Training_Kontextmenue(Menue_Icon* einheit)
{
    if (!einheit) return nullptr;
    const bool tw = ist_handschuh(einheit);
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Trainingseinstellungen", tw ? 1 : 0, POPUP_WAEHLBAR, Spieler_Training_Gleich_Verteilen);
    k->texte[0] = tw ? "Handschuhe gleichmäßig verteilen" : "Bälle gleichmäßig verteilen";
    k->wert_c[0] = tw ? 1 : 0;
    k->prozeduren[0] = Spieler_Training_Gleich_Verteilen;
    return k;
}

uint8_t Spieler_Training_Gleich_Verteilen(int32_t, int32_t torwart, int32_t, int32_t)
{
    if (!team_ok()) return 0;
    if (torwart) {
        Manager_Training_Vorbelegen(eigen());
    } else {
        Manager_Trainingsverteilung_Vorbelegen(eigen(), 28);
        Spieler_Training_Regler_Setzen(28);
    }
    Menue_Bereich_Refresh(0, 20, 0, 599, 480);
    if (Menue_Screen_Icon_Ist_Vorhanden(FLAECHE_ERSTE)) Spieler_Training_Aufbauen();
    return 1;
}

bool Spieler_Training_Seite_Aktiv()
{
    return team_ok() && Team_Hat_Manager(eigen()) && Manager_Icon_Button_Lesen(eigen(), SPIELER_SCHALTER_TRAINING) &&
           Manager_Icon_Button_Lesen(eigen(), 707);
}

bool Spieler_Training_Rahmen_An(int32_t r)
{
    return r >= RAHMEN_ERSTER && r <= RAHMEN_TORWART && rahmen_an[r - RAHMEN_ERSTER];
}

int32_t Spieler_Training_Spieler_Klick(Menue_Icon* figur, uint32_t flags)
{
    if (!figur || !Spieler_Training_Seite_Aktiv()) return 0;
    const int32_t p = figur->kennung_1, team = figur->kennung_2;
    if (flags == 4 && p >= 0 && p < Spieler_Anzahl) {
        if (Spieler_Detailseite_Oeffnen(team, p, -1, false)) Spieler_Detail_Fenster_Zeigen();
        return 1;
    }
    if (team != eigen() || !im_team(eigen(), p)) return 0;
    if (flags & (16 | 32)) {
        const bool tw = ist_torwart(p);
        const bool an = (flags & 32) || !rahmen_an[RAHMEN_TORWART - RAHMEN_ERSTER];
        std::fill(std::begin(rahmen_an), std::end(rahmen_an), false);
        if (an) {
            if (!tw)
                for (int32_t a = 0; a < FELD_ARTEN; ++a) rahmen_an[a] = true;
            rahmen_an[RAHMEN_TORWART - RAHMEN_ERSTER] = true;
        }
        for (int32_t a = 0; a < SPIELER_TRAININGSARTEN; ++a)
            if (Menue_Icon* f = icon_nr(FLAECHE_ERSTE + a)) f->refresh = 1;
        return 1;
    }
    return 0;
}

int32_t Spieler_Training_KO_Wert()
{
    if (!team_ok()) return 0;
    int32_t kader[500];
    const int32_t n = Teamspieler_Ins_Array(eigen(), kader, 500, 0);
    int64_t summe = 0;
    int32_t z = 0;
    for (int32_t k = 0; k < n && k < 500; ++k) {
        if (uint32_t(Teamspieler_Wert(317, eigen(), kader[k], 0, 0)) & NICHT_VERFUEGBAR) continue;
        summe += Spieler_Wert(SP_TRAININGS_ERSCHOEPFUNG, kader[k], 0, 0);
        ++z;
    }
    return z ? int32_t(summe / z) : 0;
}

int32_t Spieler_Training_KO_Anzeige(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const int32_t w = std::clamp(Spieler_Training_KO_Wert(), 0, 99);
    const bool bilder = grund(z, icon);
    if (!bilder) Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(2, 3, 6));
    Grafik_Printf(z, Font(4), "^c%05d%2d", icon->x + 8, icon->y + 12, int(farbe(15, 15, 15)), w);
    Grafik_Printf(z, Font(4), "^c%05dK.O.", icon->x + 4, icon->y + icon->hoehe - 2, int(farbe(15, 15, 0)));
    const int32_t segmente = w * 16 / 100;
    // the bar's lit part from below: segment s on the picture's rows 48 - 3 (s + 1) and the next
    const int32_t fuss = icon->y + icon->hoehe - 16;
    if (bilder && segmente > 0 &&
        Spieler_Screen_Bild(TRAINING_BILD_KO, z, icon->x + 10, fuss - 3 * segmente, true, 0, TRAINING_KO_H - 3 * segmente,
                            TRAINING_KO_B, 3 * segmente))
        return 0;
    for (int32_t s = 0; s < segmente; ++s)
        Grafik_Rechteck_Fuellen(z, icon->x + 10, icon->y + icon->hoehe - 16 - 3 * (s + 1), 16, 2,
                                s < 8 ? farbe(4, 13, 4) : s < 12 ? farbe(15, 12, 0) : farbe(15, 3, 2));
    return 0;
}

void Spieler_Training_Aufbauen()
{
    if (!team_ok()) return;
    // from here on the slider keeps its value while the manager moves balls off the plan
    Spieler_Training_Regler_Setzen(Spieler_Training_Regler_Wert());
    Spieler_Einsetzen_Taktik_Icons_Sperren(1612, 1619);
    Spieler_Einsetzen_Taktik_Icons_Sperren(1620, 1627);
    for (int32_t k = 0; k < 3 * SPIELER_TRAININGSARTEN; ++k) Spieler_Training_Slot_Setzen(slots[k], k / 3, k % 3);
    Spieler_Training_Icons_Sperren();
    Spieler_Training_Schalter_Zeigen();
    Spieler_Training_Einheiten_Zeigen(false);
}

int32_t Spieler_Training_Seite(Menue_Icon*, uint32_t)
{
    if (!team_ok()) return 0;
    Spieler_Screen_Icons_Zeigen();
    return seite_neu_bauen();
}

void Spieler_Training_Registrieren() { Spieler_Screen_Oeffner_Setzen(1, Spieler_Training_Seite); }
