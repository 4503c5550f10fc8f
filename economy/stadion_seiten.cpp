// The stadium screen of the economy group: the building page (plan, block list, model view,
// building dialog), the statistics page and the events page, with the price and surcharge panel
// on the right that stays on every page. The rules are stadion_schirm's and
// stadion_statistik_seite's; this file draws and dispatches the clicks.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/oekonomie_schirm.h"
#include "economy/stadion.h"
#include "economy/stadion_schirm.h"
#include "economy/stadion_statistik_seite.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os.h"
#include "platform/string_util.h"
#include "platform/win95.h"
#include "platform/wert.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"
#include "toolkit/wippe.h"

int32_t Stadion_Screen_Oeffnen(Menue_Icon* icon, uint32_t flags);

namespace {

enum : int16_t {
    SEITE_EREIGNISSE = 2162, SEITE_STATISTIK = 2163, SEITE_AUSBAU = 2164, PLAN = 2165, FLAECHE_ERSTE = 2166,
    SCHNITT_ZEILE = 2188, FIRMA_ERSTE = 2189, MODELL_KNOPF = 2194, PLAETZE = 2195,
    DIALOG_KOPF = 2196, NICHT_BAUEN = 2200, MODELL_ZU = 2234, MODELL_NEUBAU = 2235, MODELL_BILD = 2236,
    PREIS_FELD = 2142, PREIS_WIPPE = 2148, SCHNITT_FELD = 2156, SCHNITT_WIPPE = 2157, IMMER = 2160, TOP_TEAMS = 2158, ZUSCHLAG = 2161, PLATZ_GRENZE = 2159, LISTE_ZEILE = 2259,
    LISTE_HOCH = 2232, LISTE_RUNTER = 2233, BALKEN_ERSTE = 2209, REKORD_LIGA = 2212, REKORD_POKAL = 2213,
    KURVE_KNOPF = 2201, KURVE = 2206, PUNKT_ERSTE = 2272, SEITE_GRUND = 2270, EREIGNIS_LISTE = 2271, SCHNITT_ZEICHEN = 2252,
};
constexpr int32_t PLAN_X = 4, PLAN_Y = 70, RECHTS_X = 488, LISTE_ZEILEN = 5;

Oek_Liste liste;
int32_t seite = SEITE_AUSBAU;
int32_t modell_slot = -2;   // the model view's slot, -1 all stands, -2 closed
int32_t dialog_slot = -1;   // the building dialog's slot, -1 closed
int32_t dialog_modell = 0, dialog_plaetze = 0;
int32_t liste_anfang = 0;
int32_t kurve_reihe = 0;
int32_t punkt_info = -1;    // the curve point whose information is shown
float schnitt_preis = 0;
// The price rockers step these copies, never the record: a client's record is replaced by
// every fetch, which a rocker's value pointer would outlive.
float preis_wippe[STADION_TRIBUENEN] = {};
Menue_Wert_Beschreibung preis_wert[STADION_TRIBUENEN], schnitt_wert, plaetze_wert;

int32_t team() { return Aktuelles_Team; }
Stadion_Daten* daten() { return team() >= 0 ? Stadion_Zeiger(team(), 1) : nullptr; }
uint16_t hell() { return Oek_Farbe(15, 15, 15); }



void bauen();
void zeigen()
{
    bauen();
    Oekonomie_Liste_Zeigen(&liste);
}

// Escape closes the stand's box (its model view or the building dialog) as its own button
// does; the hook looks at each pass of the menu while one is open and lets go after.
void escape_sehen(int32_t, int32_t, int32_t)
{
    const bool offen = Menue_Screen_Icon_Ist_Vorhanden(MODELL_BILD) || Menue_Screen_Icon_Ist_Vorhanden(DIALOG_KOPF);
    if (offen && Win95_Eingabe.taste != VK_ESCAPE) return;
    Menue_Hook_Registrieren(escape_sehen, 1);
    if (!offen) return;
    Win95_Eingabe.taste = -1;
    modell_slot = -2;
    dialog_slot = -1;
    zeigen();
}

// A client's copy goes to the server after every price or surcharge change.
void senden()
{
    if (Netz_Rolle == 1)
        if (Stadion_Daten* d = daten()) Stadion_Top_Setzen(team(), d);
}

std::string slot_text(int32_t slot)
{
    const Stadion_Daten* d = daten();
    if (!d) return "";
    if (slot < 0) return Oek_Fmt("Ihre Stadionblöcke (%d nutzbare Plätze)", Stadion_Get_Plaetze(team(), 15));
    const Stadion_Slot& s = d->slot[slot];
    if (!s.modell) return Oek_Fmt("%s - Leider in Ihrem Stadion nicht vorhanden.", Stadion_Slot_Name[slot]);
    std::string t = Oek_Fmt("%s, %s", Stadion_Slot_Name[slot], Stadion_Modell[s.modell].name);
    if (slot < STADION_TRIBUENEN || slot == STADION_ANLAGE_PARKPLATZ) t += Oek_Fmt(", %d Plätze", s.plaetze);
    const int32_t heute = Kalender_Get_Heute();
    if (s.bauende > heute) t += s.fertig > heute ? ", Neubau in Arbeit" : ", Renovierung in Arbeit";
    return t;
}

// ---- The panel on the right ----

int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    const Stadion_Daten* d = daten();
    switch (icon->nummer) {
    case SEITE_EREIGNISSE: Oek_Knopf(icon, "Ereignisse", seite == SEITE_EREIGNISSE); break;
    case SEITE_STATISTIK: Oek_Knopf(icon, "Stadion Statistik", seite == SEITE_STATISTIK); break;
    case SEITE_AUSBAU: Oek_Knopf(icon, "Stadionausbau", seite == SEITE_AUSBAU); break;
    case IMMER: Oek_Knopf(icon, "Topzuschlag immer", d && d->top.immer); break;
    case TOP_TEAMS: Oek_Knopf(icon, "Gegen Top-Teams", d && d->top.top_teams); break;
    case MODELL_ZU: Oek_Knopf(icon, "Schließen", false); break;
    case MODELL_NEUBAU: Oek_Knopf(icon, "Neubau", false); break;
    case NICHT_BAUEN: Oek_Knopf(icon, "Lieber nicht bauen...", false); break;
    case LISTE_HOCH: Oek_Knopf(icon, "^", false); break;
    case LISTE_RUNTER: Oek_Knopf(icon, "v", false); break;
    default:
        if (icon->nummer >= KURVE_KNOPF && icon->nummer < KURVE_KNOPF + 5) {
            static constexpr const char* NAME[5] = {"Zuschauer", "Einnahmen", "Preis", "Kosten", "Zustand"};
            Oek_Knopf(icon, NAME[icon->nummer - KURVE_KNOPF], kurve_reihe == icon->nummer - KURVE_KNOPF);
        }
        break;
    }
    return 0;
}

// Rows of the panel (from its top): the seven price rockers, then the top surcharge.
constexpr int32_t PREIS_Y = 16, TOP_Y = PREIS_Y + 7 * 30 + 2;

int32_t panel_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    const Stadion_Daten* d = daten();
    if (!d) return 0;
    Oek_Text(icon->x + 4, icon->y + 12, Oek_Farbe(9, 2, 0), "Eintrittspreise:");
    // Each stand's number before its rocker, the average's sign before the last.
    for (int32_t k = 0; k <= STADION_TRIBUENEN; ++k)
        Oek_Zeile(icon->x + 6, icon->y + PREIS_Y + 30 * k + 18, k < STADION_TRIBUENEN ? Oek_Fmt("%d:", k + 1) : std::string("ø"));
    if (d->hat_top) {
        Oek_Zeile(icon->x + 4, icon->y + TOP_Y + 52, Oek_Fmt("Topzuschlag %2.0f %%", double(d->top.zuschlag)));
        Oek_Zeile(icon->x + 4, icon->y + TOP_Y + 70, Oek_Fmt("Ab Platz %2d", d->top.platz_grenze));
    }
    return 0;
}

void schnitt_neu()
{
    const Stadion_Daten* d = daten();
    if (!d) return;
    float s = 0;
    for (float p : d->preis) s += p;
    schnitt_preis = s / STADION_TRIBUENEN;
}

int32_t seite_klick(Menue_Icon* icon, uint32_t)
{
    seite = icon->nummer;
    modell_slot = -2;
    dialog_slot = -1;
    zeigen();
    return 1;
}

// A stand's price rocker has moved its price: the record takes it, the average follows, a
// client sends the prices.
int32_t preis_klick(Menue_Icon* icon, uint32_t)
{
    Stadion_Daten* d = daten();
    const int32_t k = icon ? icon->nummer - PREIS_WIPPE : -1;
    if (!d || k < 0 || k >= STADION_TRIBUENEN) return 0;
    d->preis[k] = std::clamp(preis_wippe[k], 0.0f, 50.0f);
    schnitt_neu();
    senden();
    Oekonomie_Neu_Zeichnen();
    return 1;
}

// A price rocker shows its stand's price (the average rocker the average) and takes it up.
int32_t preis_zeichnen(Menue_Icon* icon, uint32_t)
{
    const Stadion_Daten* d = daten();
    const int32_t k = icon->nummer - PREIS_WIPPE;
    if (d && k >= 0 && k < STADION_TRIBUENEN) preis_wippe[k] = d->preis[k];
    const float wert = k >= 0 && k < STADION_TRIBUENEN ? preis_wippe[k] : schnitt_preis;
    Menue_Wippe_Zeichnen(icon, Bank_Betrag_String(wert, team(), -1, 0));
    return 0;
}

// The average rocker has moved the target: all six prices follow it.
int32_t schnitt_klick(Menue_Icon*, uint32_t)
{
    Stadion_Daten* d = daten();
    if (!d) return 0;
    Stadion_Preise_Auf_Schnitt(d->preis, std::clamp(schnitt_preis, 0.0f, 50.0f));
    schnitt_neu();
    senden();
    Oekonomie_Neu_Zeichnen();
    return 1;
}

int32_t top_klick(Menue_Icon* icon, uint32_t)
{
    Stadion_Daten* d = daten();
    if (!d || !d->hat_top) return 0;
    if (icon->nummer == IMMER) Stadion_Schirm_Immer_Schalten(&d->top);
    else Stadion_Schirm_Top_Teams_Schalten(&d->top);
    senden();
    Oekonomie_Neu_Zeichnen();
    return 1;
}

std::vector<std::string> menue_texte;

uint8_t zuschlag_gewaehlt(int32_t eintrag, int32_t, int32_t, int32_t)
{
    Stadion_Daten* d = daten();
    if (!d || eintrag < 0 || eintrag > 6) return 0;
    d->top.zuschlag = float((eintrag + 1) * 5);
    senden();
    Oekonomie_Neu_Zeichnen();
    return 1;
}

Menue_Kontextmenue* zuschlag_menue(Menue_Icon*)
{
    const Stadion_Daten* d = daten();
    if (!d || !d->hat_top) return nullptr;
    menue_texte = Stadion_Zuschlag_Eintraege();
    Menue_Init_Kontextmenue(&Kontext_Menue, "Topzuschlag ändern:", 0, POPUP_WAEHLBAR, zuschlag_gewaehlt);
    for (size_t k = 0; k < menue_texte.size() && k < size_t(MENUE_KONTEXT_EINTRAEGE); ++k) {
        Kontext_Menue.texte[k] = menue_texte[k].c_str();
        if (int32_t(d->top.zuschlag) == int32_t(k + 1) * 5) Kontext_Menue.status[k] |= POPUP_HAKEN | POPUP_GEWAEHLT;
    }
    return &Kontext_Menue;
}

uint8_t platz_gewaehlt(int32_t eintrag, int32_t, int32_t, int32_t)
{
    Stadion_Daten* d = daten();
    if (!d || eintrag < 0) return 0;
    d->top.platz_grenze = eintrag + 1;
    senden();
    Oekonomie_Neu_Zeichnen();
    return 1;
}

Menue_Kontextmenue* platz_menue(Menue_Icon*)
{
    const Stadion_Daten* d = daten();
    if (!d || !d->hat_top) return nullptr;
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team(), 1);
    const int32_t anzahl = liga >= 0 ? Wettbewerb_Get_Teams(liga, nullptr) : 0;
    const int32_t n = std::min({anzahl > 0 ? anzahl : 18, 33, int32_t(MENUE_KONTEXT_EINTRAEGE)});
    menue_texte.clear();
    for (int32_t k = 1; k <= n; ++k) menue_texte.push_back(Oek_Fmt("^tr0038%d^tl0040.Platz", k));
    Menue_Init_Kontextmenue(&Kontext_Menue, "Topzuschlag ändern:", 0, POPUP_WAEHLBAR, platz_gewaehlt);
    for (size_t k = 0; k < menue_texte.size(); ++k) {
        Kontext_Menue.texte[k] = menue_texte[k].c_str();
        if (d->top.platz_grenze == int32_t(k + 1)) Kontext_Menue.status[k] |= POPUP_HAKEN | POPUP_GEWAEHLT;
    }
    return &Kontext_Menue;
}

// ---- Building page ----

int32_t plan_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!Oek_Bild(451, icon->x, icon->y))
        Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Farbe(2, 8, 3), hell());
    // Missing buildings are shaded, running work is framed.
    Rastport* z = Grafik_Render_Ziel;
    const Stadion_Daten* d = daten();
    if (!z || !d) return 0;
    for (const Stadion_Plan_Flaeche& f : Stadion_Plan_Flaechen) {
        const Stadion_Slot& s = d->slot[f.slot];
        const int32_t x = icon->x + f.x, y = icon->y + f.y;
        if (!s.modell)
            for (int32_t k = 0; k < f.h; k += 2) Grafik_Linie(z, x, y + k, x + f.w - 1, y + k, Oek_Farbe(3, 3, 3));
        if (s.bauende > Kalender_Get_Heute()) {
            Grafik_Linie(z, x, y, x + f.w - 1, y, Oek_Farbe(15, 12, 0));
            Grafik_Linie(z, x, y + f.h - 1, x + f.w - 1, y + f.h - 1, Oek_Farbe(15, 12, 0));
        }
    }
    return 0;
}

std::string slot_hilfe_text;
const char* flaeche_hilfe(Menue_Icon* icon)
{
    slot_hilfe_text = slot_text(icon->kennung_1);
    return slot_hilfe_text.c_str();
}

int32_t flaeche_klick(Menue_Icon* icon, uint32_t)
{
    modell_slot = icon->kennung_1;
    dialog_slot = -1;
    zeigen();
    return 1;
}

void dialog_oeffnen(int32_t slot)
{
    const Stadion_Daten* d = daten();
    if (!d || slot < 0 || slot >= STADION_SLOTS) return;
    dialog_slot = slot;
    modell_slot = -2;
    const Stadion_Slot& s = d->slot[slot];
    int32_t anzahl = 0, erstes = 0;
    Stadion_Slot_Modelle(slot, &anzahl, &erstes);
    dialog_modell = s.modell ? s.modell : erstes;
    const bool zaehlt = slot < STADION_TRIBUENEN || slot == STADION_ANLAGE_PARKPLATZ;
    dialog_plaetze = s.modell && (zaehlt || Stadion_Modell_Max_Plaetze(dialog_modell) > 1) ? s.plaetze : 1;
    zeigen();
}

uint8_t slot_gewaehlt(int32_t eintrag, int32_t slot, int32_t, int32_t)
{
    switch (eintrag) {
    case 0: {
        const Stadion_Daten* d = daten();
        if (!d || slot < 0) return 1;
        const Stadion_Slot& s = d->slot[slot];
        if (!s.modell) {
            Team_Requester(0, team(), "%s :\rLeider wurde noch nichts gebaut.", Stadion_Slot_Name[slot]);
            return 1;
        }
        std::string z;
        const int32_t heute = Kalender_Get_Heute();
        if (s.bauende > heute)
            z = Oek_Fmt(s.fertig > heute ? "\r^tl0010Bauzeit^tl0080: noch %s (geschätzt)" : "\r^tl0010Renovierung^tl0080: noch %s (geschätzt)",
                    Kalender_Get_Dauer_String(heute, s.bauende));
        else
            z = Oek_Fmt("\rFertiggestellt am %s", Kalender_Get_Datum_String(s.fertig));
        z += Oek_Fmt("\r^tl0010Zustand^tl0080: %2.0f %%", double(s.zustand));
        if (slot < STADION_TRIBUENEN)
            z += Oek_Fmt("\r^tl0010Plätze^tl0080: %d\r^tl0010Auslastung^tl0080: %d %%", s.plaetze,
                     d->hat_statistik ? int32_t(d->statistik.auslastung[slot]) : 0);
        Team_Requester(0, team(), "%s '%s':%s", Stadion_Slot_Name[slot], Stadion_Modell[s.modell].name, z.c_str());
        return 1;
    }
    case 1:
        Stadion_Schirm_Renovieren(team(), slot);
        if (Netz_Rolle == 1) Stadion_Client_Neu_Holen(team());
        Oekonomie_Neu_Zeichnen();
        return 1;
    case 2:
        if (slot < 0) {
            Team_Requester(0, team(), "Wählen Sie bitte nur eine einzelne Tribüne zum Neubau aus.^l^lHierzu klicken Sie bitte "
                                      "direkt in das Stadionbild oder wählen Sie die gewünschte Tribüne über ein Kontextmenü aus.");
            return 1;
        }
        dialog_oeffnen(slot);
        return 1;
    default: return 0;
    }
}

Menue_Kontextmenue* slot_menue(Menue_Icon* icon)
{
    const int32_t slot = icon->kennung_1;
    menue_texte = slot >= 0 ? Stadion_Slot_Menue(team(), slot)
                            : std::vector<std::string>{"Informationen Tribünen", "Instandsetzen Tribünen", "Neubau Tribünen"};
    if (menue_texte.size() < 3) return nullptr;
    Menue_Init_Kontextmenue(&Kontext_Menue, slot >= 0 ? Stadion_Slot_Name[slot] : "Tribünen", slot, POPUP_WAEHLBAR,
                            slot_gewaehlt);
    for (size_t k = 0; k < 3; ++k) Kontext_Menue.texte[k] = menue_texte[k].c_str();
    return &Kontext_Menue;
}

int32_t schnitt_zeile_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    // "noch nicht verfügbar" makes the line wider than the box in the small font: the narrower
    // of the small and the condensed font, and what still does not fit is cut.
    char t[256];
    std::snprintf(t, sizeof t, "%s", Stadion_Schnitt_Zeile(team()).c_str());
    const int32_t platz = icon->breite - 6;
    int32_t font = 11;
    if (Font_Text_Breite(Font(font), t) > platz && Font_Text_Breite(Font(MENUE_SCHMAL_FONT), t) < Font_Text_Breite(Font(font), t))
        font = MENUE_SCHMAL_FONT;
    String_Kuerzen_Pixel(t, nullptr, font, platz);
    Oek_Text(icon->x + 4, icon->y + 12, Oek_Tinte(), t, font);
    return 0;
}

// The block list: row 0 all stands, then the slots 6..18 (of which five rows show).
int32_t liste_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    const Stadion_Daten* d = daten();
    Rastport* z = Grafik_Render_Ziel;
    if (!d || !z) return 0;
    const int32_t heute = Kalender_Get_Heute();
    for (int32_t r = 0; r < LISTE_ZEILEN; ++r) {
        const int32_t zeile_nr = liste_anfang + r;
        if (zeile_nr > STADION_SLOTS - STADION_TRIBUENEN) break;
        const int32_t y = icon->y + 4 + r * 16;
        // Each row starts with its model's picture, a quarter of its size.
        const int32_t modell = d->slot[zeile_nr == 0 ? 0 : STADION_TRIBUENEN + zeile_nr - 1].modell;
        if (modell > 0) Oek_Bild_Verkleinert(Stadion_Modell[modell].bild, icon->x + 3, y, 4);
        if (zeile_nr == 0) {
            Oek_Zeile(icon->x + 28, y + 11, Oek_Fmt("Tribünen: %s", slot_text(-1).c_str()));
            continue;
        }
        const int32_t slot = STADION_TRIBUENEN + zeile_nr - 1;
        const Stadion_Slot& s = d->slot[slot];
        std::string t = s.modell ? Oek_Fmt("%s, %s", Stadion_Slot_Name[slot], Stadion_Modell[s.modell].name)
                                 : Oek_Fmt("%s: Leider in Ihrem Stadion nicht vorhanden.", Stadion_Slot_Name[slot]);
        while (t.size() > 1 && Font_Text_Breite(Font(11), t.c_str()) > 236) t.pop_back();
        Oek_Zeile(icon->x + 28, y + 11, t);
        if (!s.modell) continue;
        // The bar: the condition, and what work is left or what a renovation costs.
        const int32_t bx = icon->x + 270, bw = 200;
        Grafik_Rechteck_Fuellen(z, bx, y + 2, bw, 11, Oek_Farbe(9, 9, 9));
        Grafik_Rechteck_Fuellen(z, bx, y + 2, int32_t(float(bw) * std::clamp(s.zustand, 0.0f, 100.0f) / 100.0f), 11,
                                Oek_Farbe(3, 11, 4));
        const std::string rest = s.bauende > heute ? Oek_Fmt("noch %s", Kalender_Get_Dauer_String(heute, s.bauende))
                                 : s.zustand < 100.0f
                                     ? Oek_Fmt("Kosten: %s", Bank_Betrag_String(Stadion_Renovierungskosten(team(), slot), team(), -1, 0))
                                     : std::string("In bestem Zustand");
        Oek_Zeile(bx + 4, y + 11, Oek_Fmt("%2.0f %%  %s", double(s.zustand), rest.c_str()), hell());
    }
    return 0;
}

int32_t liste_blaettern(Menue_Icon* icon, uint32_t)
{
    const int32_t letzte = STADION_SLOTS - STADION_TRIBUENEN + 1 - LISTE_ZEILEN;
    liste_anfang = std::clamp(liste_anfang + (icon->nummer == LISTE_RUNTER ? LISTE_ZEILEN : -LISTE_ZEILEN), 0, letzte);
    zeigen();
    return 1;
}

int32_t modell_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Farbe(15, 15, 13), Oek_Farbe(9, 2, 0));
    const Stadion_Daten* d = daten();
    if (!d) return 0;
    std::string t;
    if (modell_slot < 0) {
        t = Oek_Fmt("Die Tribuenen^lDerzeit nutzbare Plätze: %d", Stadion_Get_Plaetze(team(), 15));
    } else {
        const Stadion_Slot& s = d->slot[modell_slot];
        if (s.modell) {
            Oek_Bild(Stadion_Modell[s.modell].bild, icon->x + 8, icon->y + 8);
            t = Oek_Fmt("%s, Modell %s^l%s", Stadion_Slot_Name[modell_slot], Stadion_Modell[s.modell].name,
                    Stadion_Modell[s.modell].beschreibung);
        } else {
            t = Oek_Fmt("%s^lLeider in Ihrem Stadion nicht vorhanden.", Stadion_Slot_Name[modell_slot]);
        }
    }
    // Line by line beside the picture, wrapped at the box.
    int32_t y = icon->y + 18;
    size_t a = 0;
    while (a < t.size() && y < icon->y + icon->hoehe - 30) {
        size_t e = t.find("^l", a);
        std::string teil = t.substr(a, e == std::string::npos ? std::string::npos : e - a);
        while (!teil.empty() && y < icon->y + icon->hoehe - 30) {
            size_t n = teil.size();
            while (n > 1 && Font_Text_Breite(Font(11), teil.substr(0, n).c_str()) > icon->breite - 110) {
                const size_t leer = teil.rfind(' ', n - 1);
                n = leer == std::string::npos || leer == 0 ? n - 1 : leer;
            }
            Oek_Zeile(icon->x + 96, y, teil.substr(0, n));
            teil = n < teil.size() ? teil.substr(teil[n] == ' ' ? n + 1 : n) : "";
            y += 13;
        }
        if (e == std::string::npos) break;
        a = e + 2;
    }
    return 0;
}

int32_t modell_knopf_klick(Menue_Icon* icon, uint32_t)
{
    if (icon->nummer == MODELL_ZU) {
        modell_slot = -2;
        zeigen();
        return 1;
    }
    const Stadion_Daten* d = daten();
    if (!d) return 0;
    if (modell_slot < 0) {
        Team_Requester(0, team(), "Wählen Sie bitte nur eine einzelne Tribüne zum Neubau aus.^l^lHierzu klicken Sie bitte direkt "
                                  "in das Stadionbild oder wählen Sie die gewünschte Tribüne über ein Kontextmenü aus.");
        return 1;
    }
    if (d->slot[modell_slot].bauende > Kalender_Get_Heute()) {
        Team_Requester(0, team(), "Hier sind leider Bauarbeiten im Gang. Ein Ausbau ist derzeit nicht möglich.");
        return 1;
    }
    dialog_oeffnen(modell_slot);
    return 1;
}

// ---- Building dialog ----

int32_t dialog_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Farbe(15, 15, 13), Oek_Farbe(9, 2, 0));
    const Stadion_Daten* d = daten();
    if (!d || dialog_slot < 0) return 0;
    const Stadion_Slot& s = d->slot[dialog_slot];
    Oek_Zeile(icon->x + 8, icon->y + 16,
          Oek_Fmt("Stadionausbau: %s   Aktuelles Modell: %s", Stadion_Slot_Name[dialog_slot],
              s.modell ? Stadion_Modell[s.modell].name : "nicht vorhanden"),
          Oek_Farbe(9, 2, 0));
    Oek_Bild(Stadion_Modell[dialog_modell].bild, icon->x + 8, icon->y + 28);
    Oek_Zeile(icon->x + 96, icon->y + 42, Oek_Fmt("Modell: %s", Stadion_Modell[dialog_modell].name));
    if (Stadion_Modell_Max_Plaetze(dialog_modell) > 1)
        Oek_Zeile(icon->x + 96, icon->y + 74, Oek_Fmt("Anzahl: %d (höchstens %d)", dialog_plaetze, Stadion_Modell_Max_Plaetze(dialog_modell)));
    return 0;
}

int32_t firma_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t firma = icon->nummer - FIRMA_ERSTE;
    const Stadion_Daten* d = daten();
    const bool angebot = Stadion_Firma_Hat_Angebot(dialog_modell, firma);
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, angebot ? Oek_Farbe(15, 13, 6) : Oek_Farbe(13, 13, 14),
               Oek_Farbe(6, 6, 8));
    if (!d || dialog_slot < 0) return 0;
    std::string name = Stadion_Baufirma[firma].name;
    while (name.size() > 1 && Font_Text_Breite(Font(11), name.c_str()) > icon->breite - 8) name.pop_back();
    Oek_Zeile(icon->x + 4, icon->y + 13, name, Oek_Farbe(9, 2, 0));
    const Stadion_Auftrag a = Stadion_Auftrag_Berechnen(*d, dialog_slot, dialog_modell, firma, dialog_plaetze);
    if (!a.moeglich) {
        Oek_Zeile(icon->x + 4, icon->y + 30, "Leider nicht im Sortiment!");
        return 0;
    }
    if (a.baukosten <= 0 && a.abrisskosten <= 0) {
        Oek_Zeile(icon->x + 4, icon->y + 30, "keine Arbeit nötig");
        return 0;
    }
    const int32_t heute = Kalender_Get_Heute();
    Oek_Zeile(icon->x + 4, icon->y + 30, Bank_Betrag_String(a.baukosten, team(), -1, 0));
    Oek_Zeile(icon->x + 4, icon->y + 44, Kalender_Get_Dauer_String(heute, heute + Stadion_Bauzeit(dialog_modell, firma)));
    return 0;
}

const char* firma_hilfe(Menue_Icon* icon) { return Stadion_Baufirma[icon->nummer - FIRMA_ERSTE].beschreibung; }

int32_t firma_klick(Menue_Icon* icon, uint32_t)
{
    const int32_t firma = icon->nummer - FIRMA_ERSTE;
    if (dialog_slot < 0) return 0;
    if (Stadion_Schirm_Bestellen(team(), dialog_slot, dialog_modell, firma, dialog_plaetze)) {
        if (Netz_Rolle == 1) Stadion_Client_Neu_Holen(team());
        dialog_slot = -1;
    }
    zeigen();
    return 1;
}

int32_t dialog_klick(Menue_Icon* icon, uint32_t)
{
    if (icon->nummer == NICHT_BAUEN) {
        dialog_slot = -1;
        zeigen();
        return 1;
    }
    if (icon->nummer == MODELL_KNOPF) {
        // From the last model of the slot back to the first.
        int32_t anzahl = 0, erstes = 0;
        Stadion_Slot_Modelle(dialog_slot, &anzahl, &erstes);
        if (anzahl > 0) dialog_modell = dialog_modell - 1 < erstes ? erstes + anzahl - 1 : dialog_modell - 1;
        const int32_t maximum = Stadion_Modell_Max_Plaetze(dialog_modell);
        dialog_plaetze = maximum <= 1 ? 1 : std::min(dialog_plaetze, maximum);
    } else {
        // The seat rocker moved the count: the firm cards show the new costs.
        Oekonomie_Neu_Zeichnen();
        return 1;
    }
    zeigen();
    return 1;
}

int32_t modell_knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Knopf(icon, "Anderes Modell", false);
    return 0;
}

// ---- Statistics page ----

int32_t statistik_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    const Stadion_Daten* d = daten();
    Rastport* z = Grafik_Render_Ziel;
    if (!d || !z) return 0;
    static constexpr const char* NAME[3] = {"Zustand", "Kosten", "Fans"};
    for (int32_t k = 0; k < 3; ++k) {
        const int32_t x = icon->x + 14 + k * 56, unten = icon->y + 90;
        const int32_t h = std::clamp(Stadion_Statistik_Balken(team(), k), 0, STADION_BALKEN_FELD);
        Grafik_Rechteck_Fuellen(z, x, unten - STADION_BALKEN_FELD, 12, STADION_BALKEN_FELD, Oek_Farbe(10, 10, 10));
        Oek_Bild_Ausschnitt(452 + k, x, unten - h, h, true);
        Oek_Zeile(x - 6, unten + 14, Oek_Fmt("%d %%", Stadion_Wert(team(), k)));
        Oek_Zeile(x - 6, unten + 28, NAME[k]);
    }
    // Records of the league (column 0) and the shown cup.
    const Stadion_Statistik& st = d->statistik;
    for (int32_t r = 0; r < 2; ++r) {
        const int32_t spalte = r == 0 ? 0 : std::max<int32_t>(1, st.cup_spalte);
        const int32_t x = icon->x + 150, y = icon->y + 14 + r * 64;
        const int32_t w = d->hat_statistik ? int32_t(uint8_t(st.wettbewerb[spalte])) : 255;
        // The competition's picture is one of the menu's slave pictures 393..410.
        if (w != 255)
            if (Rastport* b = Menue_Get_Slave_Rastport(393 + std::clamp(Wettbewerb_Get_Grafik_Nummer(w), 0, 17)))
                Grafik_Blit_Transparent(b, 0, 0, std::min<int32_t>(int32_t(b->width), 48), std::min<int32_t>(int32_t(b->height), 34),
                                        z, x, y - 2);
        Oek_Zeile(x + 56, y + 12, r == 0 ? "Liga" : "Pokal", Oek_Farbe(9, 2, 0));
        // A free column shows no home game yet; its picture's mouse-over says why.
        const Stadion_Spalte_Zeilen zeilen = Stadion_Statistik_Spalte_Zeilen(team(), spalte);
        Oek_Zeile(x + 100, y + 12, zeilen.spiele);
        Oek_Zeile(x + 56, y + 26, zeilen.schnitt);
        // The record lines run the whole width under the picture: the result stands 300 pixels in.
        Oek_Zeile(x + 4, y + 40, zeilen.rekord_zuschauer);
        Oek_Zeile(x + 4, y + 53, zeilen.rekord_einnahme);
    }
    return 0;
}

Menue_Kontextmenue* pokal_menue(Menue_Icon*);

uint8_t pokal_gewaehlt(int32_t, int32_t, int32_t spalte, int32_t)
{
    Stadion_Daten* d = daten();
    if (!d || spalte < 1 || spalte >= STADION_SPALTEN) return 0;
    d->statistik.cup_spalte = int8_t(spalte);
    Oekonomie_Neu_Zeichnen();
    return 1;
}

Menue_Kontextmenue* pokal_menue(Menue_Icon*)
{
    const Stadion_Daten* d = daten();
    if (!d) return nullptr;
    Menue_Init_Kontextmenue(&Kontext_Menue, "Wählen Sie einen Pokal aus:", 0, POPUP_WAEHLBAR, pokal_gewaehlt);
    int32_t k = 0;
    for (int32_t c = 1; c < STADION_SPALTEN; ++c) {
        const int32_t w = d->hat_statistik ? int32_t(uint8_t(d->statistik.wettbewerb[c])) : 255;
        if (w == 255) continue;
        Kontext_Menue.texte[k] = Wettbewerb_Get_Anzeigename(w);
        Kontext_Menue.wert_a[k] = c;
        if (d->statistik.cup_spalte == c) Kontext_Menue.status[k] |= POPUP_HAKEN | POPUP_GEWAEHLT;
        ++k;
    }
    if (k == 0) {
        Kontext_Menue.texte[0] = "Kein Eintrag vorhanden";
        Kontext_Menue.status[0] = POPUP_KEIN_HOVER;
    }
    return &Kontext_Menue;
}

// A click on the cup records steps to the next cup played, from the last back to the first.
int32_t pokal_klick(Menue_Icon*, uint32_t)
{
    Stadion_Daten* d = daten();
    if (!d || !d->hat_statistik) return 0;
    const int32_t naechster = Stadion_Statistik_Naechster_Pokal(d->statistik, std::max<int32_t>(1, d->statistik.cup_spalte));
    if (naechster < 1) return 0;
    d->statistik.cup_spalte = int8_t(naechster);
    Oekonomie_Neu_Zeichnen();
    return 1;
}

std::string rekord_hilfe_text;
const char* rekord_hilfe(Menue_Icon* icon)
{
    const Stadion_Daten* d = daten();
    const int32_t spalte = icon->nummer == REKORD_LIGA ? 0 : d ? std::max<int32_t>(1, d->statistik.cup_spalte) : 1;
    rekord_hilfe_text = Stadion_Statistik_Wettbewerb_Hilfe(team(), spalte);
    return rekord_hilfe_text.c_str();
}

int32_t kurve_knopf_klick(Menue_Icon* icon, uint32_t)
{
    kurve_reihe = icon->nummer - KURVE_KNOPF;
    punkt_info = -1;
    zeigen();
    return 1;
}

constexpr int32_t KURVE_X = 4, KURVE_Y = 208, KURVE_B = 480, KURVE_H = 150;

// The points start right of the highest and lowest figure printed at the left edge: a marker at
// their height covered a label's first digits ("17158" read "158").
constexpr int32_t KURVE_LINKS = 50;
int32_t punkt_x(int32_t i, int32_t n)
{
    return KURVE_X + KURVE_LINKS + (n > 1 ? i * (KURVE_B - KURVE_LINKS - 12) / (n - 1) : 0);
}
int32_t punkt_y(int32_t wert, int32_t lo, int32_t hi)
{
    return KURVE_Y + KURVE_H - 8 - (hi > lo ? int32_t(int64_t(wert - lo) * (KURVE_H - 24) / (hi - lo)) : (KURVE_H - 24) / 2);
}

int32_t kurve_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    Rastport* z = Grafik_Render_Ziel;
    const std::vector<int32_t> v = Stadion_Statistik_Kurve(team(), kurve_reihe);
    if (!z) return 0;
    if (v.size() < 2) {
        Oek_Zeile(icon->x + 8, icon->y + 20, "Wenn Sie mindestens zwei Ligaheimspiele in dieser Saison gespielt haben,");
        Oek_Zeile(icon->x + 8, icon->y + 34, "wird hier entsprechend der auf dem Brettchen eingestellten Statistikart");
        Oek_Zeile(icon->x + 8, icon->y + 48, "eine Statistik in Form einer Kurve angezeigt.");
        return 0;
    }
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    const int32_t n = int32_t(v.size());
    for (int32_t i = 0; i < n; ++i) {
        const int32_t x = punkt_x(i, n), y = punkt_y(v[size_t(i)], *lo, *hi);
        if (i > 0) Grafik_Linie(z, punkt_x(i - 1, n), punkt_y(v[size_t(i - 1)], *lo, *hi), x, y, Oek_Farbe(1, 6, 12));
        Grafik_Rechteck_Fuellen(z, x - 2, y - 2, 5, 5, i == punkt_info ? Oek_Farbe(15, 2, 2) : Oek_Farbe(9, 2, 0));
    }
    Oek_Zeile(icon->x + 4, icon->y + 12, Oek_Fmt("%d", *hi));
    Oek_Zeile(icon->x + 4, icon->y + icon->hoehe - 4, Oek_Fmt("%d", *lo));
    if (punkt_info >= 0) {
        const std::vector<std::string> info = Stadion_Statistik_Punkt_Info(team(), punkt_info);
        const int32_t bx = icon->x + icon->breite - 250, by = icon->y + 6;
        Oek_Kasten(bx, by, 244, 14 + 13 * int32_t(info.size()), Oek_Farbe(15, 15, 13), Oek_Farbe(9, 2, 0));
        for (size_t k = 0; k < info.size(); ++k) Oek_Zeile(bx + 4, by + 14 + 13 * int32_t(k), info[k]);
    }
    return 0;
}

int32_t punkt_klick(Menue_Icon* icon, uint32_t)
{
    punkt_info = icon->kennung_1;
    Oekonomie_Neu_Zeichnen();
    return 1;
}

const char* punkt_hilfe(Menue_Icon* icon)
{
    if (punkt_info != icon->kennung_1) {
        punkt_info = icon->kennung_1;
        Oekonomie_Neu_Zeichnen();
    }
    return "Hier sehen Sie die Werte für die auf dem Brettchen aktive Statistikart";
}

// ---- Events page: the club's news ----

}  // namespace

std::vector<int32_t> Stadion_Ereignisse_Neueste_Zuerst(int32_t team)
{
    // A message written ahead for a later day (a player's farewell at the season's turn) is
    // stored before the days that come first: the page goes by the day, the latest on top, and
    // within a day the last written first.
    std::vector<int32_t> neueste;
    for (int32_t i = News_Suche_Erste(team, NEWS_FLAG_DA | NEWS_FLAG_GELESEN | NEWS_FLAG_OFFEN | NEWS_FLAG_BEANTWORTET);
         i >= 0; i = News_Suche_Naechste())
        if (News_Get_Nachricht(i)) neueste.push_back(i);
    std::reverse(neueste.begin(), neueste.end());
    std::stable_sort(neueste.begin(), neueste.end(),
                     [](int32_t a, int32_t b) { return News_Get_Nachricht(a)->tag > News_Get_Nachricht(b)->tag; });
    return neueste;
}

namespace {

int32_t ereignisse_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    Oek_Zeile(icon->x + 8, icon->y + 14, Oek_Fmt("Ereignisse: %s", Team_String(150, team(), nullptr, 0)), Oek_Farbe(9, 2, 0));
    int32_t y = icon->y + 32;
    const std::vector<int32_t> neueste = Stadion_Ereignisse_Neueste_Zuerst(team());
    if (neueste.empty()) Oek_Zeile(icon->x + 8, y, "Keine Nachrichten vorhanden.");
    for (auto it = neueste.begin(); it != neueste.end() && y < icon->y + icon->hoehe - 12; ++it) {
        const News_Nachricht* n = News_Get_Nachricht(*it);
        if (!n) continue;
        std::string t = Oek_Fmt("%s: %s", Kalender_Get_Datum_String_Knapp(n->tag, 0), n->text);
        for (char& c : t)
            if (c == '\r' || c == '\n') c = ' ';
        // Long messages wrap over up to four lines, their own breaks kept.
        const int32_t platz = (icon->y + icon->hoehe - 4 - y) / 13 + 1;
        if (platz <= 0) break;
        y = Oek_Umbruch(icon->x + 8, y, icon->breite - 16, t, Oek_Tinte(), std::min(4, platz));
        y += 4;
    }
    return 0;
}

int32_t grund_zeichnen(Menue_Icon*, uint32_t)
{
    Oek_Hintergrund(seite == SEITE_AUSBAU ? 447 : seite == SEITE_STATISTIK ? 448 : 449, nullptr);
    return 0;
}

void bauen()
{
    liste.leeren();
    if ((modell_slot >= -1 || dialog_slot >= 0) && !Menue_Hook) Menue_Hook_Registrieren(escape_sehen, 0);
    liste.neu(SEITE_GRUND, 0, OEK_Y, OEK_B, OEK_H, 1, grund_zeichnen).flags |= ICON_NICHT_TREFFEN;
    auto knopf = [](int16_t n, int16_t x, int16_t y, uint16_t b, uint16_t h, Menue_Klick_Prozedur k, const char* hilfe) -> Menue_Icon& {
        Menue_Icon& i = liste.neu(n, x, y, b, h, 6, knopf_zeichnen);
        i.klick = k;
        i.flags |= ICON_RECHTE_TASTE;
        i.hilfetext = hilfe;
        return i;
    };
    // The right-hand panel of every page.
    knopf(SEITE_AUSBAU, RECHTS_X, 70, 106, 18, seite_klick, "Stadionausbau");
    knopf(SEITE_STATISTIK, RECHTS_X, 90, 106, 18, seite_klick, "Stadion Statistik");
    knopf(SEITE_EREIGNISSE, RECHTS_X, 110, 106, 18, seite_klick, "Ereignisse");
    liste.neu(SCHNITT_FELD, RECHTS_X, 132, 106, 344, 3, panel_zeichnen).flags |= ICON_NICHT_TREFFEN;
    // Prices from 0 to 50 DM in whole DM; the fields before the rockers carry the slot menu.
    if (Stadion_Daten* d = daten()) {
        for (int32_t k = 0; k <= STADION_TRIBUENEN; ++k) {
            const int16_t y = int16_t(132 + PREIS_Y + 30 * k);
            const bool schnitt = k == STADION_TRIBUENEN;
            Menue_Wert_Beschreibung& w = schnitt ? schnitt_wert : preis_wert[k];
            if (!schnitt) preis_wippe[k] = d->preis[k];
            w = Menue_Wippe_Wert(schnitt ? &schnitt_preis : &preis_wippe[k], 0, 50, 1);
            liste.wippe(int16_t(schnitt ? SCHNITT_WIPPE : PREIS_WIPPE + k), RECHTS_X + 22, y, 0, 6, &w,
                        schnitt ? schnitt_klick : preis_klick, preis_zeichnen,
                        schnitt ? "Stellen Sie mit der Wippe rechts den durchschnittlichen Eintrittspreis ein."
                                : "Betrag einstellen");
            if (schnitt) continue;
            Menue_Icon& f = liste.neu(int16_t(PREIS_FELD + k), RECHTS_X + 2, y, 20, WIPPE_HOEHE, 6, nullptr);
            f.kennung_1 = int16_t(k);
            f.kontext = slot_menue;
            f.hilfetext = "Mit der Wippe rechts können Sie den Eintrittspreis für diesen Block festlegen.";
        }
        Menue_Icon& f = liste.neu(SCHNITT_ZEICHEN, RECHTS_X + 2, int16_t(132 + PREIS_Y + 180), 20, WIPPE_HOEHE, 6, nullptr);
        f.hilfetext = "Stellen Sie mit der Wippe rechts den durchschnittlichen Eintrittspreis ein.";
    }
    if (const Stadion_Daten* d = daten(); d && d->hat_top) {
        knopf(IMMER, RECHTS_X + 2, 132 + TOP_Y, 102, 18, top_klick, "Aktivieren oder deaktivieren Sie hier den Topzuschlag manuell.");
        knopf(TOP_TEAMS, RECHTS_X + 2, 132 + TOP_Y + 20, 102, 18, top_klick, "Tabellenplatzabhängige Topzuschlagautomatik.");
        Menue_Icon& z = liste.neu(ZUSCHLAG, RECHTS_X + 2, 132 + TOP_Y + 40, 102, 16, 6, nullptr);
        z.kontext = zuschlag_menue;
        z.hilfetext = "Topzuschlag in Prozent";
        Menue_Icon& p = liste.neu(PLATZ_GRENZE, RECHTS_X + 2, 132 + TOP_Y + 58, 102, 16, 6, nullptr);
        p.kontext = platz_menue;
        p.hilfetext = "Tabellenplatz des Gegners, ab dem ein Topzuschlag erhoben wird";
    }
    if (seite == SEITE_AUSBAU) {
        liste.neu(PLAN, PLAN_X, PLAN_Y, STADION_PLAN_BREITE, STADION_PLAN_HOEHE, 2, plan_zeichnen).flags |= ICON_NICHT_TREFFEN;
        for (int32_t k = 0; k < STADION_PLAN_FLAECHEN && dialog_slot < 0 && modell_slot == -2; ++k) {
            const Stadion_Plan_Flaeche& f = Stadion_Plan_Flaechen[k];
            Menue_Icon& i = liste.neu(int16_t(FLAECHE_ERSTE + k), int16_t(PLAN_X + f.x), int16_t(PLAN_Y + f.y), uint16_t(f.w),
                                      uint16_t(f.h), 4, nullptr);
            i.kennung_1 = f.slot;
            i.klick = flaeche_klick;
            i.kontext = slot_menue;
            i.mausover = flaeche_hilfe;
        }
        Menue_Icon& s = liste.neu(SCHNITT_ZEILE, 4, 374, 480, 16, 3, schnitt_zeile_zeichnen);
        s.hilfetext = "Mit Hilfe des benötigten Schnitts können Sie^lungefähr ermitteln, wieviele Zuschauer Sie bei welchem "
                      "Eintrittspreis^lbenötigen, um Ihre Ausgaben zu decken.";
        liste.neu(LISTE_ZEILE, 4, 392, 458, 84, 3, liste_zeichnen).flags |= ICON_NICHT_TREFFEN;
        for (int32_t r = 0; r < LISTE_ZEILEN; ++r) {
            const int32_t zeile_nr = liste_anfang + r;
            if (zeile_nr > STADION_SLOTS - STADION_TRIBUENEN) break;
            Menue_Icon& i = liste.neu(int16_t(LISTE_ZEILE + 1 + r), 4, int16_t(396 + r * 16), 458, 16, 4, nullptr);
            i.kennung_1 = int16_t(zeile_nr == 0 ? -1 : STADION_TRIBUENEN + zeile_nr - 1);
            i.klick = flaeche_klick;
            i.kontext = slot_menue;
            i.mausover = flaeche_hilfe;
        }
        knopf(LISTE_HOCH, 464, 392, 20, 40, liste_blaettern, "Schauen Sie sich alle möglichen Ausbaumöglichkeiten an.");
        knopf(LISTE_RUNTER, 464, 436, 20, 40, liste_blaettern, "Schauen Sie sich alle möglichen Ausbaumöglichkeiten an.");
        if (modell_slot >= -1) {
            liste.neu(MODELL_BILD, 40, 120, 400, 150, 8, modell_zeichnen).flags |= ICON_NICHT_TREFFEN;
            knopf(MODELL_NEUBAU, 228, 244, 100, 18, modell_knopf_klick, "Neubau").prioritaet = 9;
            knopf(MODELL_ZU, 334, 244, 100, 18, modell_knopf_klick, "Schließen").prioritaet = 9;
        }
        if (dialog_slot >= 0) {
            liste.neu(DIALOG_KOPF, 10, 76, 468, 290, 8, dialog_zeichnen).flags |= ICON_NICHT_TREFFEN;
            Menue_Icon& m = liste.neu(MODELL_KNOPF, 300, 104, 120, 18, 9, modell_knopf_zeichnen);
            m.klick = dialog_klick;
            m.hilfetext = "Eine mögliche Alternative für den Ausbau";
            if (const int32_t maximum = Stadion_Modell_Max_Plaetze(dialog_modell); maximum > 1) {
                // Stands and parking in steps of 500 seats, everything else one by one.
                const bool zaehlt = dialog_slot < STADION_TRIBUENEN || dialog_slot == STADION_ANLAGE_PARKPLATZ;
                dialog_plaetze = std::clamp(dialog_plaetze, 0, maximum);
                plaetze_wert = Menue_Wippe_Wert(&dialog_plaetze, 0, maximum, zaehlt ? 500 : 1);
                liste.wippe(PLAETZE, 300, 128, 0, 9, &plaetze_wert, dialog_klick, nullptr,
                            "Stellen Sie die Anzahl ein. Sie können auch weniger^lals die bisherige Zahl einstellen. "
                            "Dann wird der Rest abgerissen.");
            }
            for (int32_t f = 0; f < STADION_FIRMEN; ++f) {
                Menue_Icon& i = liste.neu(int16_t(FIRMA_ERSTE + f), int16_t(16 + (f % 3) * 154), int16_t(166 + (f / 3) * 64),
                                          148, 58, 9, firma_zeichnen);
                i.klick = firma_klick;
                i.mausover = firma_hilfe;
            }
            Menue_Icon& n = knopf(NICHT_BAUEN, 324, 300, 148, 22, dialog_klick, "Lieber nicht bauen...");
            n.prioritaet = 9;
        }
    } else if (seite == SEITE_STATISTIK) {
        liste.neu(BALKEN_ERSTE, 4, 70, 480, 134, 3, statistik_zeichnen).flags |= ICON_NICHT_TREFFEN;
        Menue_Icon& l = liste.neu(REKORD_LIGA, 154, 78, 330, 60, 4, nullptr);
        l.mausover = rekord_hilfe;
        l.hilfetext = "Hier sehen Sie Ihre Rekorde in den Ligaspielen.";
        Menue_Icon& p = liste.neu(REKORD_POKAL, 154, 146, 330, 60, 4, nullptr);
        p.mausover = rekord_hilfe;
        p.kontext = pokal_menue;
        p.klick = pokal_klick;
        static constexpr const char* HILFE[5] = {
            "Anzahl der Zuschauer in allen Blöcken je Spiel", "Erwirtschaftete Einnahmen je Spiel",
            "Durchschnittlicher Eintrittspreis", "Kosten, das Stadion im aktuellen Zustand zu halten.",
            "Stadionzustand in Prozent"};
        for (int32_t k = 0; k < 5; ++k)
            knopf(int16_t(KURVE_KNOPF + k), int16_t(4 + k * 96), 362, 92, 18, kurve_knopf_klick, HILFE[k]);
        liste.neu(KURVE, KURVE_X, KURVE_Y, KURVE_B, KURVE_H, 3, kurve_zeichnen).flags |= ICON_NICHT_TREFFEN;
        const std::vector<int32_t> v = Stadion_Statistik_Kurve(team(), kurve_reihe);
        if (v.size() >= 2) {
            const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
            const int32_t n = int32_t(v.size());
            for (int32_t i = 0; i < n && i < 40; ++i) {
                Menue_Icon& q = liste.neu(int16_t(PUNKT_ERSTE + i), int16_t(punkt_x(i, n) - 4),
                                          int16_t(punkt_y(v[size_t(i)], *lo, *hi) - 4), 9, 9, 5, nullptr);
                q.kennung_1 = int16_t(i);
                q.klick = punkt_klick;
                q.mausover = punkt_hilfe;
            }
        }
    } else {
        liste.neu(EREIGNIS_LISTE, 4, 70, 480, 406, 3, ereignisse_zeichnen).flags |= ICON_NICHT_TREFFEN;
    }
}

}  // namespace

int32_t Stadion_Screen_Oeffnen(Menue_Icon*, uint32_t)
{
    if (team() < 0) return 0;
    if (Netz_Rolle == 1) Stadion_Client_Neu_Holen(team());
    if (!daten()) return 0;
    // The screen opens on its building page, whichever page was left.
    seite = SEITE_AUSBAU;
    modell_slot = -2;
    dialog_slot = -1;
    punkt_info = -1;
    schnitt_neu();
    zeigen();
    return 1;
}
