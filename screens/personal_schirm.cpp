#include "screens/personal_schirm.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/personal_anheuern.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/oekonomie_schirm.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "match/spieltag.h"
#include "platform/disk.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "screens/personal_bilder.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_schirme.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/popup.h"
#include "toolkit/screen.h"

namespace {

constexpr int32_t SCHALTER[PERSONAL_MENUE_EINTRAEGE] = {PERSONAL_SCHALTER_PERSONAL, 1062, 1063, 1064, 1136};
constexpr const char* SCHALTER_TEXT[PERSONAL_MENUE_EINTRAEGE] = {"Pers.", "Man.", "Verein", "Ziele", "Info"};
constexpr const char* SCHALTER_HILFE[PERSONAL_MENUE_EINTRAEGE] = {
    "Assistenten und Ärzte anheuern", "Der Manager", "Der Verein", "Die Ziele", "Informationen"};
using Oeffner = int32_t (*)(Menue_Icon*, uint32_t);
Oeffner oeffner[PERSONAL_MENUE_EINTRAEGE] = {Personal_Screen_Oeffnen};

const char* const BEREICH_NAME[ASSI_AUFGABEN] = {"Aufstellung+^lSpielerauswahl", "Taktik", "Training",
                                                "Transfers", "Werbung", "Stadion"};
const char* const FACH_NAME[ARZT_FACHGEBIETE] = {
    "Wehwehchen", "Virus-^lErkrankungen", "Vergiftungen", "Leichte^lWunden", "Schwere^lWunden", "Leichte^l Brüche",
    "Schwere^l  Brüche", "Leichte^lMuskelprobleme", "Schwere^lMuskelschäden", "Leichte^lBänderprobleme",
    "Schwere^lBänderschäden"};

int32_t auswahl[2] = {0, 0};
bool aerzte_aktiv = false;
Oek_Liste liste;

// Screen geometry: the labels on the left, the detail panel above the list on the right.
constexpr int32_t LABEL_X = 4, LABEL_Y = 68, LABEL_B = 122;
constexpr int32_t PANEL_X = 130, PANEL_Y = 50, PANEL_B = 456, PANEL_H = 156;
constexpr int32_t LISTE_Y = 212, ZEILE_H = 32;

int32_t team() { return Aktuelles_Team >= 0 && Aktuelles_Team < Team_Anzahl && Team_Hat_Manager(Aktuelles_Team) ? Aktuelles_Team : -1; }

const uint8_t* tabelle(bool arzt)
{
    const int32_t t = team();
    return t < 0 ? nullptr : static_cast<const uint8_t*>(Team_Zeiger(arzt ? TEAM_AERZTE : TEAM_ASSISTENTEN, t, nullptr, 0));
}

const char* name(bool arzt, int32_t i) { return arzt ? Aerzte_Tabelle[i].name : Assistenten_Tabelle[i].name; }
uint16_t farbe(int32_t i) { return Oek_Farbe(PERSONAL_FARBE[i][0], PERSONAL_FARBE[i][1], PERSONAL_FARBE[i][2]); }

// The slot holding flag `index`, -1 nobody.
int32_t halter(bool arzt, int32_t index)
{
    const uint8_t* b = tabelle(arzt);
    const int32_t breite = arzt ? ARZT_FACHGEBIETE : ASSI_AUFGABEN;
    if (!b) return -1;
    for (int32_t k = 0; k < ASSI_SLOTS; ++k)
        if (b[k] && b[ASSI_OFFSET_AUFGABEN + breite * k + index]) return k;
    return -1;
}

// Prices and salaries are kept in thousands; they read as every other amount of money.
std::string preis_text(int32_t tausend) { return Bank_Betrag_String(float(tausend) * 1000.0f, team(), -1, -1); }

// An applicant's picture of the screen file; only a picture of the portrait's size counts.
constexpr int32_t PORTRAIT_X = 135, PORTRAIT_Y = 55, PORTRAIT_B = PERSONAL_BILD_B, PORTRAIT_H = PERSONAL_BILD_H;
bool portrait(int32_t nummer)
{
    const int32_t handle = ResFile_Handles[0].handle;
    Rastport* z = Grafik_Render_Ziel;
    if (handle < 0 || !z) return false;
    auto* bild = static_cast<Rastport*>(Load_Resource(handle, nummer, z->depth, nullptr));
    if (!bild) return false;
    const bool passt = bild->width == PORTRAIT_B && bild->height == PORTRAIT_H;
    if (passt) Grafik_Blit(bild, 0, 0, PORTRAIT_B, PORTRAIT_H, z, PORTRAIT_X, PORTRAIT_Y);
    Grafik_Bitmap_Freigeben(bild);
    return passt;
}

int32_t angebot_preis(bool arzt, int32_t i)
{
    const int32_t t = team();
    const int32_t jahre = arzt ? Personal_Angebot.arzt_jahre[i] : Personal_Angebot.assi_jahre[i];
    const int32_t grund = arzt ? Aerzte_Tabelle[i].grundpreis : Assistenten_Tabelle[i].grundpreis;
    return Personal_Angebot_Preis(grund, jahre, t >= 0 ? Wettbewerb_Get_Liga_Niveau(t) : 100);
}

void neu_zeichnen() { Menue_Bereich_Refresh(20, 0, 40, 598, 480); }

// --- drawing ---

int32_t label_zeichnen(Menue_Icon* icon, uint32_t)
{
    const bool arzt = icon->nummer >= PERSONAL_FACH_ICON;
    const int32_t index = icon->nummer - (arzt ? PERSONAL_FACH_ICON : PERSONAL_BEREICH_ICON);
    const int32_t h = halter(arzt, index);
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, h >= 0 ? farbe(h) : Oek_Papier(), Oek_Tinte());
    Spieler_Screen_Bild((arzt ? PERSONAL_BILD_FACH : PERSONAL_BILD_BEREICH) + index, Grafik_Render_Ziel, icon->x + 4,
                        icon->y + 4);
    const std::string text = arzt ? FACH_NAME[index] : BEREICH_NAME[index];
    // Right-aligned, line by line.
    size_t a = 0;
    int32_t y = icon->y + 13;
    while (a <= text.size()) {
        size_t e = text.find("^l", a);
        if (e == std::string::npos) e = text.size();
        std::string zeile = text.substr(a, e - a);
        while (!zeile.empty() && zeile[0] == ' ') zeile.erase(0, 1);
        const int32_t b = Font_Text_Breite(Font(11), zeile.c_str());
        Oek_Text(icon->x + icon->breite - 5 - b, y, h >= 0 ? Oek_Farbe(15, 15, 15) : Oek_Tinte(), zeile.c_str());
        y += 13;
        a = e + 2;
    }
    return 0;
}

int32_t panel_zeichnen(Menue_Icon* icon, uint32_t)
{
    const bool arzt = aerzte_aktiv;
    const int32_t i = auswahl[arzt ? 1 : 0];
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Tinte());
    Oek_Kasten(PORTRAIT_X - 1, PORTRAIT_Y - 1, PORTRAIT_B + 2, PORTRAIT_H + 2, Oek_Farbe(2, 2, 3), farbe(i));
    if (!portrait((arzt ? PERSONAL_BILD_ARZT : PERSONAL_BILD_ASSI) + i)) {
        // The stand-in: head and shoulders in his colour.
        Oek_Kasten(PORTRAIT_X + 12, PORTRAIT_Y + 66, PORTRAIT_B - 24, PORTRAIT_H - 66, farbe(i), farbe(i));
        Oek_Kasten(PORTRAIT_X + 24, PORTRAIT_Y + 18, PORTRAIT_B - 48, 42, Oek_Farbe(13, 10, 8), Oek_Farbe(6, 4, 3));
    }
    Oek_Text(226, 72, farbe(i), name(arzt, i), 3);
    const char* beschreibung = arzt ? Aerzte_Tabelle[i].beschreibung : Assistenten_Tabelle[i].beschreibung;
    Oek_Umbruch(226, 92, 350, beschreibung ? beschreibung : "", Oek_Tinte(), 7);
    return 0;
}

int32_t reiter_zeichnen(Menue_Icon* icon, uint32_t)
{
    const bool arzt = icon->nummer == PERSONAL_LISTE_AERZTE;
    Oek_Knopf(icon, arzt ? "Ärzte" : "Assistenten", arzt == aerzte_aktiv);
    return 0;
}

int32_t pfeil_zeichnen(Menue_Icon* icon, uint32_t)
{
    const bool vor = icon->nummer == PERSONAL_VOR;
    if (!Spieler_Screen_Bild(PERSONAL_BILD_PFEIL + vor, Grafik_Render_Ziel, icon->x, icon->y, true))
        Oek_Knopf(icon, vor ? ">" : "<", false);
    return 0;
}

int32_t bewerber_zeichnen(Menue_Icon* icon, uint32_t)
{
    const bool arzt = aerzte_aktiv;
    const int32_t i = icon->nummer - (arzt ? PERSONAL_ICON_ARZT : PERSONAL_ICON_ASSI);
    const uint8_t* b = tabelle(arzt);
    const bool angestellt = b && b[i];
    // Hired: filled in his colour; an applicant: a frame in it. The stand-in without the picture
    // says the same.
    if (Spieler_Screen_Bild(PERSONAL_BILD_BEWERBER + 16 * arzt + 8 * angestellt + i, Grafik_Render_Ziel, icon->x,
                            icon->y, true))
        return 0;
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, angestellt ? farbe(i) : Oek_Papier(), farbe(i));
    Oek_Text(icon->x + 10, icon->y + 19, angestellt ? Oek_Farbe(15, 15, 15) : Oek_Tinte(), angestellt ? "*" : "+", 3);
    return 0;
}

int32_t zeile_zeichnen(Menue_Icon* icon, uint32_t)
{
    const bool arzt = aerzte_aktiv;
    const int32_t i = icon->nummer - (arzt ? PERSONAL_DETAIL_ARZT : PERSONAL_DETAIL_ASSI);
    const uint8_t* b = tabelle(arzt);
    const bool gewaehlt = i == auswahl[arzt ? 1 : 0];
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, gewaehlt ? Oek_Farbe(13, 13, 11) : Oek_Papier(),
               Oek_Tinte());
    Oek_Text(icon->x + 4, icon->y + 12, Oek_Tinte(), name(arzt, i));
    const int32_t rechts = icon->x + icon->breite - 4;
    if (b && b[i]) {
        uint32_t gehalt = 0;
        std::memcpy(&gehalt, b + ASSI_OFFSET_KOSTEN + 4 * i, 4);
        Oek_Text(icon->x + 4, icon->y + 25, Oek_Tinte(),
                 Oek_Fmt("^c%05d^tz0040Vertrag: %d M.", int(Oek_Tinte()), int(b[ASSI_OFFSET_MONATE + i])).c_str());
        Oek_Text(rechts - 150, icon->y + 25, Oek_Tinte(),
                 Oek_Fmt("^c%05d^tz0040%s / Jahr", int(Oek_Tinte()), preis_text(int32_t(gehalt)).c_str()).c_str());
    } else {
        const int32_t jahre = arzt ? Personal_Angebot.arzt_jahre[i] : Personal_Angebot.assi_jahre[i];
        Oek_Text(rechts - 150, icon->y + 25, Oek_Tinte(),
                 Oek_Fmt("%d J. a %s", jahre, preis_text(angebot_preis(arzt, i)).c_str()).c_str());
    }
    return 0;
}

// --- clicks ---

void bauen();

int32_t reiter_klick(Menue_Icon* icon, uint32_t)
{
    aerzte_aktiv = icon->nummer == PERSONAL_LISTE_AERZTE;
    bauen();
    return 1;
}

int32_t pfeil_klick(Menue_Icon* icon, uint32_t)
{
    int32_t& a = auswahl[aerzte_aktiv ? 1 : 0];
    a = (a + (icon->nummer == PERSONAL_VOR ? 1 : ASSI_SLOTS - 1)) % ASSI_SLOTS;
    neu_zeichnen();
    return 1;
}

int32_t zeile_klick(Menue_Icon* icon, uint32_t)
{
    auswahl[aerzte_aktiv ? 1 : 0] = icon->nummer - (aerzte_aktiv ? PERSONAL_DETAIL_ARZT : PERSONAL_DETAIL_ASSI);
    neu_zeichnen();
    return 1;
}

Menue_Kontextmenue* bewerber_kontext(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    const bool arzt = icon->nummer >= PERSONAL_ICON_ARZT;
    const int32_t i = icon->nummer - (arzt ? PERSONAL_ICON_ARZT : PERSONAL_ICON_ASSI);
    return arzt ? Personal_Arzt_Kontextmenue(i) : Personal_Assi_Kontextmenue(i);
}

// An applicant's icon hires him; a hired member's opens his context menu.
int32_t bewerber_klick(Menue_Icon* icon, uint32_t)
{
    const bool arzt = icon->nummer >= PERSONAL_ICON_ARZT;
    const int32_t i = icon->nummer - (arzt ? PERSONAL_ICON_ARZT : PERSONAL_ICON_ASSI);
    const uint8_t* b = tabelle(arzt);
    if (!b) return 0;
    auswahl[arzt ? 1 : 0] = i;
    if (b[i]) {
        if (Menue_Kontextmenue* m = bewerber_kontext(icon)) Popup_Liste_Ausfuehren(m);
    } else if (arzt) {
        Personal_Arzt_Anheuern(icon->nummer);
    } else {
        Personal_Assi_Anheuern(icon->nummer);
    }
    neu_zeichnen();
    return 1;
}

uint8_t assi_eintrag(int32_t eintrag, int32_t slot, int32_t, int32_t)
{
    Personal_Schirm_Aufgabe_Umschalten(eintrag, slot);
    return 1;
}

uint8_t arzt_eintrag(int32_t eintrag, int32_t slot, int32_t, int32_t)
{
    Personal_Arzt_Spezialgebiet_Umschalten(slot, eintrag);
    // The player screens' doctor icons show the holders too.
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    neu_zeichnen();
    return 1;
}

// Labels without the line breaks, for the menu entries.
std::string flach(const char* text)
{
    std::string s;
    for (const char* c = text; *c; ++c) {
        const bool umbruch = c[0] == '^' && c[1] == 'l';
        if (umbruch) ++c;
        const char z = umbruch ? ' ' : *c;
        if (z != ' ' || s.empty() || s.back() != ' ') s += z;
    }
    return s;
}

Menue_Kontextmenue* kontextmenue(bool arzt, int32_t slot)
{
    const uint8_t* b = tabelle(arzt);
    if (!b || slot < 0 || slot >= ASSI_SLOTS || !b[slot]) return nullptr;
    static std::string titel, texte[ARZT_FACHGEBIETE + 1];
    titel = Oek_Fmt("Aufgaben von %s:", name(arzt, slot));
    Menue_Kontextmenue* m = &Kontext_Menue;
    Menue_Init_Kontextmenue(m, titel.c_str(), slot, POPUP_WAEHLBAR | POPUP_HAKEN, arzt ? arzt_eintrag : assi_eintrag);
    const int32_t n = arzt ? ARZT_FACHGEBIETE : ASSI_AUFGABEN;
    for (int32_t k = 0; k < n; ++k) {
        const std::string label = flach(arzt ? FACH_NAME[k] : BEREICH_NAME[k]);
        const int32_t h = halter(arzt, k);
        texte[k] = h >= 0 && h != slot ? Oek_Fmt("%s (aktuell: %s)", label.c_str(), name(arzt, h)) : label;
        m->texte[k] = texte[k].c_str();
        if (h == slot) m->status[k] |= POPUP_GEWAEHLT;
    }
    if (!arzt) {
        m->status[n - 1] |= POPUP_TRENNER;
        m->texte[n] = "Aufstellung vorschlagen";
        m->status[n] = POPUP_WAEHLBAR;
    }
    return m;
}

bool liste_gezeigt = false;

void bauen()
{
    Grafik_Screen_Seite_Waehlen(1);
    // Removed with the menu background drawn back: the other list's labels sit elsewhere.
    if (liste_gezeigt) Menue_Icon_Liste_Entfernen(liste.icons(), 16);
    liste_gezeigt = false;
    liste.leeren();
    const bool arzt = aerzte_aktiv;
    // The icons both lists show come first: they keep their places in the list.
    liste.knopf(PERSONAL_LISTE_ASSIS, LABEL_X, 444, LABEL_B, 17, 10, reiter_zeichnen, reiter_klick,
                "Die Assistenten und ihre Aufgaben");
    liste.knopf(PERSONAL_LISTE_AERZTE, LABEL_X, 463, LABEL_B, 17, 10, reiter_zeichnen, reiter_klick,
                "Die Ärzte und ihre Fachgebiete");
    liste.neu(1060, PANEL_X, PANEL_Y, PANEL_B, PANEL_H, 8, panel_zeichnen);
    liste.knopf(PERSONAL_ZURUECK, PANEL_X + PANEL_B - 56, PANEL_Y + 4, 24, 19, 10, pfeil_zeichnen, pfeil_klick, "Zurück");
    liste.knopf(PERSONAL_VOR, PANEL_X + PANEL_B - 28, PANEL_Y + 4, 24, 19, 10, pfeil_zeichnen, pfeil_klick, "Weiter");
    for (int32_t k = 0; k < (arzt ? ARZT_FACHGEBIETE : ASSI_AUFGABEN); ++k) {
        const int32_t h = arzt ? 36 : 40;
        liste.neu(int16_t((arzt ? PERSONAL_FACH_ICON : PERSONAL_BEREICH_ICON) + k), LABEL_X,
                  int16_t(LABEL_Y - 24 + k * (h + (arzt ? 0 : 4))), LABEL_B, uint16_t(h - 2), 10, label_zeichnen);
    }
    for (int32_t i = 0; i < ASSI_SLOTS; ++i) {
        const int16_t y = int16_t(LISTE_Y + i * ZEILE_H);
        Menue_Icon& b = liste.knopf(int16_t((arzt ? PERSONAL_ICON_ARZT : PERSONAL_ICON_ASSI) + i), PANEL_X, y, 28, 28,
                                    10, bewerber_zeichnen, bewerber_klick, "Anheuern / Aufgaben");
        b.kontext = bewerber_kontext;
        liste.knopf(int16_t((arzt ? PERSONAL_DETAIL_ARZT : PERSONAL_DETAIL_ASSI) + i), PANEL_X + 32, y,
                    uint16_t(PANEL_B - 32), 28, 10, zeile_zeichnen, zeile_klick, "Details");
    }
    // Whatever another group left in the work area goes; the right-hand column stays.
    Menue_Bereich_Loeschen(0x25B, 0, 40, 598, 480);
    Menue_Icon_Liste_Hinzufuegen(liste.icons());
    liste_gezeigt = true;
    Personal_Screen_Icons_Setzen();
    neu_zeichnen();
}

int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    for (int32_t k = 0; k < PERSONAL_MENUE_EINTRAEGE; ++k) {
        if (SCHALTER[k] != icon->nummer) continue;
        const bool an = Aktuelles_Team >= 0 && Manager_Icon_Button_Lesen(Aktuelles_Team, icon->nummer) != 0;
        // A button without a screen behind it is grey.
        Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe,
                   !oeffner[k] ? Oek_Farbe(7, 7, 7) : an ? Oek_Farbe(12, 7, 0) : Oek_Farbe(2, 9, 3), Oek_Tinte());
        Oek_Text(icon->x + 2, icon->y + 12, Oek_Farbe(15, 15, 15), SCHALTER_TEXT[k], 11);
    }
    return 0;
}

int32_t knopf_klick(Menue_Icon* icon, uint32_t);

constexpr Menue_Icon knopf(int32_t k)
{
    // A click by the manager marks the visit for the history.
    Menue_Icon i = Menue_Icon_Vorlage(int16_t(SCHALTER[k]), -1, ICON_KLICK_MARKE, 600, int16_t(97 + 28 * k), 38, 26, 10, 255);
    i.hilfetext = SCHALTER_HILFE[k];
    i.klick = knopf_klick;
    i.refresh_prozedur = knopf_zeichnen;
    i.status = ICON_GLUEHT | ICON_SPAETER_REFRESH;
    return i;
}

int32_t index_von(int32_t nummer)
{
    for (int32_t k = 0; k < PERSONAL_MENUE_EINTRAEGE; ++k)
        if (SCHALTER[k] == nummer) return k;
    return -1;
}

// The group's choice among the switch buttons: `icon` clicked, or with UNTERMENUE_WIEDERHERSTELLEN
// the stored one.
int32_t untermenue(Menue_Icon* icon, uint32_t flags)
{
    return Menue_Untermenue_Registrieren(icon, flags, 704, Personal_Menue_Knoepfe, PERSONAL_MENUE_EINTRAEGE, SCHALTER[0],
                                         SCHALTER[1], SCHALTER[2], SCHALTER[3], SCHALTER[4]);
}

int32_t knopf_klick(Menue_Icon* icon, uint32_t flags)
{
    const int32_t k = icon ? index_von(icon->nummer) : -1;
    if (k < 0 || !oeffner[k]) return 0;
    // From another group (the history, a favourite) what that group drew goes first.
    if (Manager_Icon_Welcher_Togglebutton_Ist_An(Aktuelles_Team, 5, 703, 704, 705, 706, 707) != 704)
        Menue_Arbeitsbereich_Leeren();
    if (untermenue(icon, flags & KLICK_MARKE) < 0) return 0;
    return oeffner[k](icon, 0x20000000);
}

}  // namespace

Menue_Icon Personal_Menue_Knoepfe[PERSONAL_MENUE_EINTRAEGE + 1] = {knopf(0), knopf(1), knopf(2), knopf(3), knopf(4),
                                                                   Menue_Icon_Listenende()};

void Personal_Menue_Oeffner_Setzen(int32_t nummer, int32_t (*o)(Menue_Icon*, uint32_t))
{
    const int32_t k = index_von(nummer);
    if (k >= 0) oeffner[k] = o;
}

int32_t Personal_Menue(Menue_Icon*, uint32_t)
{
    if (team() < 0) return 0;
    Personal_Screen_Icons_Setzen();
    int32_t punkt = untermenue(nullptr, UNTERMENUE_WIEDERHERSTELLEN);
    int32_t k = index_von(punkt);
    if (k < 0 || !oeffner[k]) k = 0;
    return oeffner[k](Menue_Icon_Liste_Suchen(SCHALTER[k], Personal_Menue_Knoepfe), 0x20000000);
}

void Personal_Screen_Icons_Setzen()
{
    if (!Menue_Screen_Icon_Ist_Vorhanden(SCHALTER[0])) {
        // A button without a screen behind it is inactive: it neither lights up nor takes a click.
        for (int32_t k = 0; k < PERSONAL_MENUE_EINTRAEGE; ++k) {
            Menue_Icon& b = Personal_Menue_Knoepfe[k];
            b.status = oeffner[k] ? (b.status | ICON_GLUEHT) & ~ICON_GESPERRT : (b.status | ICON_GESPERRT) & ~ICON_GLUEHT;
        }
        Menue_Bereich_Refresh(20, 600, 50, 640, 225);
        Menue_Icon_Liste_Hinzufuegen(Personal_Menue_Knoepfe);
    }
    Menue_Screen_Icon_Aktiv_Setzen(1, 701);
    Menue_Screen_Icon_Aktiv_Setzen(1, 702);
}

int32_t Personal_Screen_Oeffnen(Menue_Icon*, uint32_t)
{
    const int32_t t = team();
    if (t < 0) return 0;
    for (int32_t n : SCHALTER) Manager_Icon_Button_An_Aus(t, n, n == SCHALTER[0] ? 1 : 0);
    if (!Menue_Screen_Icon_Ist_Vorhanden(PERSONAL_ICON_ASSI) && !Menue_Screen_Icon_Ist_Vorhanden(PERSONAL_ICON_ARZT))
        Personal_Angebote_Auffrischen(t);
    bauen();
    return 1;
}

void Personal_Menue_Registrieren() { Menue_Gruppen_Screens[0] = Personal_Menue; }

void Personal_Schirme_Registrieren()
{
    Personal_Menue_Registrieren();
    // A game saved before the screen was ever opened still holds offers of one year.
    Personal_Angebote_Auffrischen(-1);
    Disk_Block_Registrieren(DISK_POS_PERSONALSCHIRME, Personal_Write_Bin_Block, Personal_Read_Bin_Block);
}

int32_t Personal_Schirm_Auswahl(bool arzt) { return auswahl[arzt ? 1 : 0]; }
bool Personal_Schirm_Aerzte_Aktiv() { return aerzte_aktiv; }

void Personal_Schirm_Aufgabe_Umschalten(int32_t bereich, int32_t slot)
{
    const int32_t t = team();
    auto* b = t < 0 ? nullptr : static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, t, nullptr, 0));
    if (!b || slot < 0 || slot >= ASSI_SLOTS || !b[slot] || bereich < 0 || bereich > ASSI_AUFGABEN) return;
    uint8_t& aufstellung = b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * slot];
    const bool aufstellung_offen = Menue_Screen_Icon_Ist_Vorhanden(SE_AUFSTELLUNG_1) != 0;
    if (bereich == ASSI_AUFGABEN) {
        // A suggestion only: he holds the line-up for the moment of it.
        const uint8_t vorher = aufstellung;
        aufstellung = 1;
        Spieler_Einsetzen_Aufstellung_Vorschlagen(t, 0, 0);
        aufstellung = vorher;
        if (aufstellung_offen) Menue_Screen_Refresh(1, -1, -1, -1, -1);
        return;
    }
    Personal_Assi_Aufgabe_Wechseln(bereich, slot);
    const bool an = b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * slot + bereich] != 0;
    switch (bereich) {
    case 0:
        if (an) Spieler_Einsetzen_Aufstellung_Vorschlagen(t, 0, 0);
        else if (aufstellung_offen) Menue_Screen_Refresh(1, -1, -1, -1, -1);
        break;
    case 1:
        if (an) {
            Assis_Setze_Basis_Taktik(t);
            int32_t auswaerts = 0;
            const int32_t gegner = Spieltag_Get_Gegner(t, &auswaerts, nullptr, nullptr, nullptr);
            if (gegner >= 0) Assis_Setze_Spiel_Taktik(t, gegner, auswaerts, -1);
        }
        break;
    case 2:
        if (an) Assis_Setze_Training(t);
        break;
    case ASSI_AUFGABE_TRANSFER:
        // His line-up follows the squad he changes: the club's line-up request.
        if (an) Team_Wert(169, t, 1, TEAM_SETZEN);
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        break;
    default: break;
    }
    neu_zeichnen();
}

Menue_Kontextmenue* Personal_Assi_Kontextmenue(int32_t slot) { return kontextmenue(false, slot); }
Menue_Kontextmenue* Personal_Arzt_Kontextmenue(int32_t slot) { return kontextmenue(true, slot); }

// --- the savegame block ---

namespace {
constexpr uint32_t ANGEBOTE_AB = (PERSONAL_MENUE_EINTRAEGE + 1) * MENUE_ICON_BYTES;

void u16_tabelle(uint8_t* p, const uint16_t* werte)
{
    for (int32_t i = 0; i < 8; ++i) p[2 * i] = uint8_t(werte[i]), p[2 * i + 1] = uint8_t(werte[i] >> 8);
}
void u16_lesen(const uint8_t* p, uint16_t* werte)
{
    for (int32_t i = 0; i < 8; ++i) werte[i] = uint16_t(p[2 * i] | p[2 * i + 1] << 8);
}
}  // namespace

void Personal_Block_Packen(uint8_t bytes[PERSONAL_SCHIRME_BYTES])
{
    for (int32_t k = 0; k <= PERSONAL_MENUE_EINTRAEGE; ++k)
        Menue_Icon_Abbild_Schreiben(Personal_Menue_Knoepfe[k], bytes + k * MENUE_ICON_BYTES);
    uint8_t* p = bytes + ANGEBOTE_AB;
    u16_tabelle(p, Personal_Angebot.assi_jahre);
    u16_tabelle(p + 16, Personal_Angebot.assi_preis);
    u16_tabelle(p + 32, Personal_Angebot.arzt_preis);
    u16_tabelle(p + 48, Personal_Angebot.arzt_jahre);
}

bool Personal_Block_Entpacken(const uint8_t* bytes, uint32_t laenge)
{
    if (!bytes || laenge != PERSONAL_SCHIRME_BYTES) {
        Print_Fehler("Personal_Read_Bin_Block: %u statt %u Bytes", laenge, PERSONAL_SCHIRME_BYTES);
        return false;
    }
    if (!Spieler_Screen_Icons_Bestaetigt(bytes, Personal_Menue_Knoepfe, PERSONAL_MENUE_EINTRAEGE + 1,
                                         "Personal_Read_Bin_Block"))
        return false;
    Personal_Angebote neu{};
    const uint8_t* p = bytes + ANGEBOTE_AB;
    u16_lesen(p, neu.assi_jahre);
    u16_lesen(p + 16, neu.assi_preis);
    u16_lesen(p + 32, neu.arzt_preis);
    u16_lesen(p + 48, neu.arzt_jahre);
    for (int32_t i = 0; i < 8; ++i)
        if (neu.assi_jahre[i] < 1 || neu.assi_jahre[i] > 4 || neu.arzt_jahre[i] < 1 || neu.arzt_jahre[i] > 4) {
            Print_Fehler("Personal_Read_Bin_Block: Vertragsdauer %d falsch!", i);
            return false;
        }
    // The templates are the program's own; the stored records only confirm the list.
    Menue_Icon_Liste_Registrieren(Personal_Menue_Knoepfe);
    Personal_Angebot = neu;
    return true;
}

bool Personal_Write_Bin_Block(Disk_Datei* datei)
{
    uint8_t b[PERSONAL_SCHIRME_BYTES];
    Personal_Block_Packen(b);
    return Disk_Schreibe_Block(datei, b, sizeof b);
}

bool Personal_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    uint8_t b[PERSONAL_SCHIRME_BYTES];
    return Disk_Lese_Block_Genau(datei, b, sizeof b, "Personal_Read_Bin_Block") && Personal_Block_Entpacken(b, sizeof b);
}
