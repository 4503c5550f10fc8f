// The training-camp screen and the club events page of the economy group. Both share one
// calendar panel (a month of the season, its days marked by appointments and match days) onto
// which a camp or an event is dragged. The camp screen opens its booking requester with the
// stay's length, its cost and the training programme; the events page lists the appointments
// and holds the eight bonus sliders. The rules are trainingslager_schirm's and ligen's.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "database/spieler.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/ligen.h"
#include "economy/oekonomie_schirm.h"
#include "economy/trainingslager.h"
#include "economy/trainingslager_schirm.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/requester.h"
#include "toolkit/slave.h"
#include "toolkit/wippe.h"
#include "toolkit/ziehen.h"

int32_t Trainingslager_Screen(Menue_Icon* icon, uint32_t flags);
int32_t Ligen_Motivation(Menue_Icon* icon, uint32_t flags);

namespace {

enum : int16_t {
    MONAT_ZURUECK = 2360, MONAT_VOR = 2361, TAG_ERSTER = 2362, KALENDER = 2404, GRUND = 2405, LAGER_ERSTES = 2410,
    BUCHUNG = 2420, TAGE = 2421, BUCHEN = 2423, ABBRECHEN = 2424, PROGRAMM = 2425,
    TERMINE = 2430, FREUNDSCHAFTSSPIELE = 2470, PRAEMIE_WIPPE = 2450, VORSCHLAG = 2466, UEBERNEHMEN = 2467, PRAEMIEN = 2468,
    GEGNER = 2469,
};
constexpr int32_t KAL_X = 404, KAL_Y = 70, ZELLE_B = 26, ZELLE_H = 18;
constexpr const char* MONATE[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

Oek_Liste liste;
bool lager_schirm = true;  // which screen the list belongs to
int32_t monat = 0;         // 0 July of the season .. 11 June
Menue_Move_Struktur ziehen{};

// The booking in preparation.
int32_t buchung_camp = -1, buchung_tag = -1, buchung_erlaubt = 0, buchung_tage = 0;
int32_t programm[TRAININGSLAGER_ZEILEN] = {-1, -1, -1, -1, -1};
int32_t gegner = -1;
Menue_Wert_Beschreibung tage_wert, praemie_wert[LIGEN_PRAEMIEN];

int32_t team() { return Aktuelles_Team; }



void neu_bauen();
void zeigen()
{
    neu_bauen();
    Oekonomie_Liste_Zeigen(&liste);
}

// ---- Calendar ----

// The first day of the shown month and its length.
int32_t monat_erster(int32_t* laenge)
{
    const Kalender_Datum s = Kalender_Get_Datum(Kalender_Get_Saisonstart(), 0);
    const int32_t m = (s.monat - 1 + monat) % 12 + 1, j = s.jahr + (s.monat - 1 + monat) / 12;
    const int32_t erster = Kalender_Get_Tagnummer(1, m, j);
    const int32_t naechster = Kalender_Get_Tagnummer(1, m % 12 + 1, m == 12 ? j + 1 : j);
    if (laenge) *laenge = erster >= 0 && naechster > erster ? naechster - erster : 30;
    return erster;
}

// The calendar opens on today's month of the season.
int32_t monat_von_heute()
{
    const Kalender_Datum s = Kalender_Get_Datum(Kalender_Get_Saisonstart(), 0), h = Kalender_Get_Datum(Kalender_Get_Heute(), 0);
    return std::clamp((h.jahr - s.jahr) * 12 + h.monat - s.monat, 0, 11);
}

int32_t spalte(int32_t tag) { return (Kalender_Get_Wochentag(tag) + 5) % 7; }

// The day of a cell, -1 outside the month.
int32_t zelle_tag(int32_t zelle)
{
    int32_t laenge = 0;
    const int32_t erster = monat_erster(&laenge);
    if (erster < 0) return -1;
    const int32_t d = zelle - spalte(erster);
    return d >= 0 && d < laenge ? erster + d : -1;
}

uint16_t termin_farbe(int32_t art)
{
    switch (art) {
    case 1: return Oek_Farbe(3, 7, 15);
    case 2: return Oek_Farbe(3, 12, 4);
    case 3: return Oek_Farbe(15, 9, 2);
    case 4: return Oek_Farbe(11, 4, 13);
    default: return Oek_Papier();
    }
}

int32_t kalender_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    int32_t laenge = 0;
    const int32_t erster = monat_erster(&laenge);
    if (erster < 0) return 0;
    const Kalender_Datum d = Kalender_Get_Datum(erster, 0);
    const std::string kopf = Oek_Fmt("%s %d", MONATE[(d.monat + 11) % 12], d.jahr);
    Oek_Zeile(icon->x + (icon->breite - Font_Text_Breite(Font(11), kopf.c_str())) / 2, icon->y + 13, kopf, Oek_Farbe(9, 2, 0));
    static constexpr const char* TAGE[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    for (int32_t k = 0; k < 7; ++k) Oek_Zeile(icon->x + 4 + k * ZELLE_B + 6, icon->y + 32, TAGE[k]);
    const int32_t heute = Kalender_Get_Heute();
    for (int32_t z = 0; z < 42; ++z) {
        const int32_t tag = zelle_tag(z);
        if (tag < 0) continue;
        const int32_t x = icon->x + 4 + (z % 7) * ZELLE_B, y = icon->y + 36 + (z / 7) * ZELLE_H;
        int32_t art = 0;
        const bool termin = Trainingslager_Get_Termin(team(), tag, &art) >= 0;
        const bool spiel = Kalender_Get_Anzahl_Spiele(tag, 0) > 0;
        Oek_Kasten(x, y, ZELLE_B - 2, ZELLE_H - 2, termin ? termin_farbe(art) : tag < heute ? Oek_Farbe(11, 11, 11) : Oek_Farbe(15, 15, 15),
                   spiel ? Oek_Farbe(13, 1, 1) : tag == heute ? Oek_Farbe(1, 1, 12) : Oek_Farbe(8, 8, 8));
        Oek_Zeile(x + 4, y + 12, Oek_Fmt("%d", tag - erster + 1), termin ? Oek_Farbe(15, 15, 15) : Oek_Tinte());
    }
    int32_t y = icon->y + 36 + 6 * ZELLE_H + 12;
    static constexpr const char* LEGENDE[4] = {"Trainingslager", "Freundschaftsspiel", "Vereinsfeier", "Dr. Hypno"};
    for (int32_t a = 1; a <= 4; ++a, y += 13) {
        Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x + 6, y - 9, 10, 9, termin_farbe(a));
        Oek_Zeile(icon->x + 20, y, LEGENDE[a - 1]);
    }
    Oek_Kasten(icon->x + 6, y - 9, 10, 9, Oek_Farbe(15, 15, 15), Oek_Farbe(13, 1, 1));
    Oek_Zeile(icon->x + 20, y, "Spieltag");
    return 0;
}

int32_t monat_klick(Menue_Icon* icon, uint32_t)
{
    monat = std::clamp(monat + (icon->nummer == MONAT_VOR ? 1 : -1), 0, 11);
    Oekonomie_Neu_Zeichnen();
    return 1;
}

std::string tag_text;
const char* tag_hilfe(Menue_Icon* icon)
{
    const int32_t tag = zelle_tag(icon->nummer - TAG_ERSTER);
    if (tag < 0) return nullptr;
    tag_text = Oek_Fmt("%s^l%s", Kalender_Get_Datum_String(tag), lager_schirm ? Trainingslager_Tag_Hilfe(tag).c_str() : "");
    return tag_text.c_str();
}

// The calendar day under the pointer, -1 none.
int32_t tag_unter_zeiger()
{
    const int32_t mx = Maus_Get_X() - (KAL_X + 4), my = Maus_Get_Y() - (KAL_Y + 36);
    if (mx < 0 || my < 0 || mx >= 7 * ZELLE_B || my >= 6 * ZELLE_H) return -1;
    return zelle_tag(my / ZELLE_H * 7 + mx / ZELLE_B);
}

void kalender_bauen()
{
    liste.neu(KALENDER, KAL_X, KAL_Y, 190, 36 + 6 * ZELLE_H + 80, 3, kalender_zeichnen).flags |= ICON_NICHT_TREFFEN;
    for (int32_t z = 0; z < 42; ++z) {
        Menue_Icon& i = liste.neu(int16_t(TAG_ERSTER + z), int16_t(KAL_X + 4 + (z % 7) * ZELLE_B),
                                  int16_t(KAL_Y + 36 + (z / 7) * ZELLE_H), ZELLE_B - 2, ZELLE_H - 2, 4, nullptr);
        i.mausover = tag_hilfe;
    }
    auto knopf = [](int16_t n, int16_t x, const char* t) {
        Menue_Icon& i = liste.neu(n, x, KAL_Y + 2, 20, 16, 5, [](Menue_Icon* icon, uint32_t) {
            Oek_Knopf(icon, icon->nummer == MONAT_VOR ? ">" : "<", false);
            return 0;
        });
        i.klick = monat_klick;
        i.hilfetext = t;
    };
    knopf(MONAT_ZURUECK, KAL_X + 4, "Voriger Monat");
    knopf(MONAT_VOR, KAL_X + 166, "Nächster Monat");
}

// ---- Training camps ----

int32_t lager_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t c = icon->nummer - LAGER_ERSTES;
    const Trainingslager_Daten* d = Trainingslager_Lesen(c);
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    // The camp's picture, cut to the row.
    Oek_Bild_Ausschnitt(455 + c, icon->x + 2, icon->y + 2, icon->hoehe - 4, false);
    if (!d) return 0;
    const int32_t x = icon->x + 128;
    // A special price is named beside the camp: with the price line it ran past the card.
    const bool sonder = d->preis < d->normalpreis;
    Oek_Zeile(x, icon->y + 12, Oek_Fmt("%s, %s%s", d->name, d->ort, sonder ? "  Sonderpreis!" : ""), Oek_Farbe(9, 2, 0));
    const int32_t spieler = std::max(1, Team_Wert(162, team(), 0, 0));
    Oek_Zeile(x, icon->y + 25,
              Oek_Fmt("%s pro Spieler und Tag (Team: %s)", Bank_Betrag_String(float(d->preis), team(), -1, 0),
                      Bank_Betrag_String(float(d->preis) * float(spieler), team(), -1, 0)));
    Oek_Zeile(x, icon->y + 38, Oek_Fmt("Kosten für die Anreise: %s", Bank_Betrag_String(float(d->reisekosten), team(), -1, 0)));
    static constexpr const char* QUALITAET[3] = {"Training", "Unterkunft", "Erholung"};
    for (int32_t q = 0; q < 3; ++q) Oek_Zeile(x + q * 90, icon->y + 51, Oek_Fmt("%s: %d", QUALITAET[q], d->qualitaet[q]));
    return 0;
}

std::string lager_text;
const char* lager_hilfe(Menue_Icon* icon)
{
    const Trainingslager_Daten* d = Trainingslager_Lesen(icon->nummer - LAGER_ERSTES);
    lager_text = Oek_Fmt("%s.^lZiehen Sie das Trainingslager einfach auf den gewünschten Termin.", d ? d->name : "");
    return lager_text.c_str();
}

void lager_ablegen(Menue_Move_Struktur*, Menue_Icon* icon, int32_t, int32_t, uint32_t code)
{
    if (!(code & 0x80) || !icon) return;
    if (icon->nummer >= LAGER_ERSTES && icon->nummer < LAGER_ERSTES + TRAININGSLAGER_ANZAHL) {
        const int32_t camp = icon->nummer - LAGER_ERSTES, tag = tag_unter_zeiger();
        const int32_t erlaubt = Trainingslager_Schirm_Ablegen(team(), camp, tag);
        if (erlaubt > 0) {
            buchung_camp = camp;
            buchung_tag = tag;
            buchung_erlaubt = buchung_tage = erlaubt;
            std::fill(std::begin(programm), std::end(programm), -1);
            zeigen();
        }
        return;
    }
    const int32_t tag = tag_unter_zeiger();
    if (Ligen_Motivation_Ablegen(team(), icon->nummer, tag, gegner)) zeigen();
}

int32_t buchung_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Farbe(15, 15, 13), Oek_Farbe(9, 2, 0));
    const Trainingslager_Daten* d = Trainingslager_Lesen(buchung_camp);
    if (!d) return 0;
    int32_t y = Oek_Umbruch(icon->x + 10, icon->y + 16, icon->breite - 20,
                            Oek_Fmt("BUCHEN SIE IHR TRAININGSLAGER^lBitte geben Sie an, wieviele Tage Sie im Trainingslager \"%s\" "
                                "bleiben wollen und bestätigen Sie Ihre Wahl:",
                                d->name),
                            Oek_Tinte(), 4);
    Oek_Zeile(icon->x + 10, y + 4, Oek_Fmt("%d %s ab %s", buchung_tage, buchung_tage == 1 ? "Tag" : "Tage",
                                   Kalender_Get_Datum_String(buchung_tag)));
    Oek_Zeile(icon->x + 250, y + 4, Oek_Fmt("Kosten: %s", Bank_Betrag_String(Trainingslager_Schirm_Kosten(team(), buchung_camp, buchung_tage),
                                                                      team(), -1, 0)));
    return 0;
}

constexpr int32_t PROG_X = 40, PROG_Y = 196, PROG_ZEILE = 12, PROG_BALL = 22;

int32_t programm_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z) return 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, Oek_Farbe(15, 15, 13));
    Oek_Zeile(icon->x, icon->y - 4, "Stellen Sie Ihr Trainingsprogramm zusammen:", Oek_Farbe(9, 2, 0));
    for (int32_t a = 0; a <= TRAININGSLAGER_ATTRIBUTE; ++a) {
        const int32_t y = icon->y + 4 + a * PROG_ZEILE;
        const int32_t id = a < TRAININGSLAGER_ATTRIBUTE ? Trainingslager_Attribut_Id[a] : -1;
        bool gewaehlt = false;
        for (int32_t r = 0; r < TRAININGSLAGER_ZEILEN; ++r) {
            const bool an = programm[r] == id;
            gewaehlt = gewaehlt || an;
            const int32_t x = icon->x + 4 + r * PROG_BALL;
            Grafik_Rechteck_Fuellen(z, x + 5, y + 1, 9, 9, an ? Oek_Farbe(15, 10, 0) : Oek_Farbe(3, 6, 14));
        }
        const char* name = id >= 0 && id < 29 ? Spieler_Attribut_Namen[id] : "Freizeit";
        Oek_Zeile(icon->x + 8 + TRAININGSLAGER_ZEILEN * PROG_BALL, y + 10, gewaehlt ? Oek_Fmt("^ub%s^ue", name) : std::string(name));
    }
    return 0;
}

int32_t programm_klick(Menue_Icon* icon, uint32_t)
{
    const int32_t a = (Maus_Get_Y() - icon->y - 4) / PROG_ZEILE, r = (Maus_Get_X() - icon->x - 4) / PROG_BALL;
    if (a < 0 || a > TRAININGSLAGER_ATTRIBUTE || r < 0 || r >= TRAININGSLAGER_ZEILEN) return 0;
    programm[r] = a < TRAININGSLAGER_ATTRIBUTE ? Trainingslager_Attribut_Id[a] : -1;
    Oekonomie_Neu_Zeichnen();
    return 1;
}

int32_t buchung_klick(Menue_Icon* icon, uint32_t)
{
    switch (icon->nummer) {
    case TAGE:
        // The rocker moved the stay's length: the cost line follows.
        Oekonomie_Neu_Zeichnen();
        return 1;
    case BUCHEN:
        if (Trainingslager_Schirm_Bestaetigen(team(), buchung_camp, buchung_tag, buchung_tage, programm) < 0) {
            // Without a programme he may have gone back to choose one; a refused booking closes.
            bool leer = true;
            for (int32_t p : programm) leer = leer && p < 0;
            if (leer) break;
        }
        buchung_camp = -1;
        break;
    default: buchung_camp = -1; break;
    }
    zeigen();
    return 1;
}

int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    switch (icon->nummer) {
    case BUCHEN: Oek_Knopf(icon, "Buchen", false); break;
    case ABBRECHEN: Oek_Knopf(icon, "Abbrechen", false); break;
    case VORSCHLAG: Oek_Knopf(icon, "Prämien-Vorschlag", false); break;
    case UEBERNEHMEN: Oek_Knopf(icon, "Prämien übernehmen", false); break;
    default: break;
    }
    return 0;
}

int32_t grund_zeichnen(Menue_Icon*, uint32_t)
{
    Oek_Hintergrund(-1, nullptr);
    return 0;
}

// Both pages: background, calendar, and the drag that ends on a calendar day.
void seite_anfangen()
{
    liste.neu(GRUND, 0, OEK_Y, OEK_B, OEK_H, 1, grund_zeichnen).flags |= ICON_NICHT_TREFFEN;
    kalender_bauen();
    ziehen.maske = -1;
    ziehen.bedienen = lager_ablegen;
    ziehen.bereich[0] = -1;
    ziehen.slave = -1;
}

void lager_bauen()
{
    seite_anfangen();
    for (int32_t c = 0; c < TRAININGSLAGER_ANZAHL; ++c) {
        Menue_Icon& i = liste.neu(int16_t(LAGER_ERSTES + c), 4, int16_t(70 + 58 * c), 396, 56, 5, lager_zeichnen);
        i.flags |= ICON_ZIEHBAR;
        i.move = &ziehen;
        i.mausover = lager_hilfe;
    }
    if (buchung_camp < 0) return;
    liste.neu(BUCHUNG, 20, 84, 560, 384, 8, buchung_zeichnen).flags |= ICON_NICHT_TREFFEN;
    auto knopf = [](int16_t n, int16_t x, int16_t y, uint16_t b) {
        Menue_Icon& i = liste.neu(n, x, y, b, 18, 9, knopf_zeichnen);
        i.klick = buchung_klick;
    };
    buchung_tage = std::clamp(buchung_tage, 1, std::max(1, buchung_erlaubt));
    tage_wert = Menue_Wippe_Wert(&buchung_tage, 1, std::max(1, buchung_erlaubt), 1);
    liste.wippe(TAGE, 490, 138, 0, 9, &tage_wert, buchung_klick, nullptr, "Wie viele Tage soll das Trainingslager dauern?");
    Menue_Icon& p = liste.neu(PROGRAMM, PROG_X, PROG_Y, 320, (TRAININGSLAGER_ATTRIBUTE + 1) * PROG_ZEILE + 6, 9, programm_zeichnen);
    p.klick = programm_klick;
    p.hilfetext = "Bestimmen Sie die Programme durch Klick auf die blauen Bälle der entsprechenden Zeile.";
    knopf(BUCHEN, 400, 440, 80);
    knopf(ABBRECHEN, 488, 440, 80);
}

// ---- Club events and bonuses ----

constexpr const char* PRAEMIE_NAME[LIGEN_PRAEMIEN] = {
    "Meisterschaft", "Vize-Meisterschaft", "Int. Pokal erreicht", "Nicht-Abstieg",
    "Nat. Pokalsieg", "Int. Pokalsieg",     "pro Punkt",           "pro Sieg"};
constexpr const char* PRAEMIE_HILFE[LIGEN_PRAEMIEN] = {
    "Prämie für die Meisterschaft^lACHTUNG: dieser Wert kann nicht verringert werden !",
    "Prämie für die Vize-Meisterschaft^lACHTUNG: dieser Wert kann nicht verringert werden !",
    "Prämie für das Erreichen eines internationalen Pokals^lACHTUNG: dieser Wert kann nicht verringert werden !",
    "Prämie für den Nicht-Abstieg^lACHTUNG: dieser Wert kann nicht verringert werden !",
    "Prämie für den Gewinn des nationalen Pokals^lACHTUNG: dieser Wert kann nicht verringert werden !",
    "Prämie für den Gewinn des internationalen Pokals^lACHTUNG: dieser Wert kann nicht verringert werden !",
    "Prämie pro Punktgewinn^lACHTUNG: dieser Wert kann nicht verringert werden !",
    "Prämie pro Sieg^lACHTUNG: dieser Wert kann nicht verringert werden !"};

int32_t ereignis_zeichnen(Menue_Icon* icon, uint32_t)
{
    const bool aus = (icon->nummer == LIGEN_ICON_FREUNDSCHAFTSSPIEL) && gegner < 0;
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, aus ? Oek_Farbe(9, 9, 9) : Oek_Farbe(3, 4, 9), Oek_Farbe(8, 9, 13));
    const uint16_t w = aus ? Oek_Farbe(13, 13, 13) : Oek_Farbe(15, 15, 15);
    switch (icon->nummer) {
    case LIGEN_ICON_FREUNDSCHAFTSSPIEL:
        // The chosen opponent's crest at the right end.
        if (gegner >= 0 && Grafik_Render_Ziel)
            Grafik_Wappen_Laden(0, Grafik_Render_Ziel, Grafik_Render_Ziel->depth, gegner, icon->x + icon->breite - 30, icon->y + 4, 1,
                                28, 28);
        Oek_Text(icon->x + 4, icon->y + 14, w, "Freundschaftsspiel");
        Oek_Text(icon->x + 4, icon->y + 28, w,
                 gegner >= 0 ? Oek_Fmt("gegen %s", Team_String(194, gegner, nullptr, 0)).c_str() : "(kein Gegner gewählt)");
        break;
    case LIGEN_ICON_VEREINSFEIER:
        Oek_Text(icon->x + 34, icon->y + 14, w, "Vereins-");
        Oek_Text(icon->x + 34, icon->y + 28, w, "feier");
        break;
    case LIGEN_ICON_PSYCHOLOGE:
        Oek_Text(icon->x + 34, icon->y + 14, w, "Psycho-");
        Oek_Text(icon->x + 34, icon->y + 28, w, "studio");
        break;
    default: break;
    }
    return 0;
}

std::vector<int32_t> gegner_liste;
uint8_t gegner_gewaehlt(int32_t, int32_t, int32_t t, int32_t)
{
    gegner = t;
    Oekonomie_Neu_Zeichnen();
    return 1;
}

Menue_Kontextmenue* gegner_menue(Menue_Icon*)
{
    static std::string momentan;
    static std::vector<std::string> namen;
    const int32_t land = Team_Wert(167, team(), 0, 0);
    gegner_liste.clear();
    namen.clear();
    for (int32_t t = 0; t < Team_Anzahl && int32_t(gegner_liste.size()) < MENUE_KONTEXT_EINTRAEGE - 1; ++t)
        if (t != team() && Team_Wert(167, t, 0, 0) == land) gegner_liste.push_back(t);
    momentan = gegner >= 0 ? Oek_Fmt("Momentan: %s", Team_String(TEAM_NAME, gegner, nullptr, 0)) : std::string("Momentan: Kein Gegner");
    Menue_Init_Kontextmenue(&Kontext_Menue, "Freundschaftsspiel gegen:", 0, POPUP_WAEHLBAR, gegner_gewaehlt);
    Kontext_Menue.texte[0] = momentan.c_str();
    Kontext_Menue.status[0] = POPUP_KEIN_HOVER | POPUP_TRENNER;
    for (size_t k = 0; k < gegner_liste.size(); ++k) namen.push_back(Team_String(TEAM_NAME, gegner_liste[k], nullptr, 0));
    for (size_t k = 0; k < gegner_liste.size(); ++k) {
        Kontext_Menue.texte[k + 1] = namen[k].c_str();
        Kontext_Menue.wert_a[k + 1] = gegner_liste[k];
    }
    return &Kontext_Menue;
}

int32_t termine_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    Oek_Zeile(icon->x + 6, icon->y + 13, "Ihre Termine:", Oek_Farbe(9, 2, 0));
    const std::vector<Ligen_Termin_Zeile> v = Ligen_Motivation_Terminliste_Bauen(team());
    if (v.empty()) Oek_Zeile(icon->x + 6, icon->y + 28, "Kein Termin eingetragen.");
    for (size_t k = 0; k < v.size() && k < 8; ++k) Oek_Zeile(icon->x + 6, icon->y + 28 + int32_t(k) * 13, v[k].text);
    return 0;
}

int32_t termin_klick(Menue_Icon* icon, uint32_t)
{
    const std::vector<Ligen_Termin_Zeile> v = Ligen_Motivation_Terminliste_Bauen(team());
    const size_t k = size_t(icon->kennung_1);
    if (k >= v.size()) return 0;
    // The calendar opens on the appointment's month.
    const Kalender_Datum s = Kalender_Get_Datum(Kalender_Get_Saisonstart(), 0), d = Kalender_Get_Datum(v[k].tag, 0);
    monat = std::clamp((d.jahr - s.jahr) * 12 + d.monat - s.monat, 0, 11);
    Oekonomie_Neu_Zeichnen();
    return 1;
}

const char* termin_hilfe(Menue_Icon* icon)
{
    static std::vector<Ligen_Termin_Zeile> v;
    v = Ligen_Motivation_Terminliste_Bauen(team());
    const size_t k = size_t(icon->kennung_1);
    return k < v.size() ? v[k].hilfe : nullptr;
}

int32_t freundschaftsspiele_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    const std::vector<std::string> v = Ligen_Motivation_Freundschaftsspiele(team());
    if (v.empty()) Oek_Zeile(icon->x + 6, icon->y + 13, "Kein Freundschaftsspiel vereinbart.");
    const int32_t zeilen = (icon->hoehe - 4) / 13;
    for (int32_t k = 0; k < int32_t(v.size()) && k < zeilen; ++k)
        Oek_Zeile(icon->x + 6, icon->y + 13 + k * 13, v[size_t(k)], k % 2 ? Oek_Tinte() : Oek_Farbe(9, 2, 0));
    return 0;
}

// The bonuses in two columns of four: name, rocker and the rating's bar.
constexpr int32_t PRAEMIEN_X = 4, PRAEMIEN_Y = 240, PRAEMIE_B = 198, PRAEMIE_H = 54;
int32_t praemie_x(int32_t p) { return PRAEMIEN_X + (p / 4) * PRAEMIE_B; }
int32_t praemie_y(int32_t p) { return PRAEMIEN_Y + 18 + (p % 4) * PRAEMIE_H; }

int32_t praemien_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    Oek_Zeile(icon->x + 6, icon->y + 13, "Prämien der Saison:", Oek_Farbe(9, 2, 0));
    Rastport* z = Grafik_Render_Ziel;
    for (int32_t p = 0; p < LIGEN_PRAEMIEN; ++p) {
        const int32_t x = praemie_x(p), y = praemie_y(p);
        const bool anders = Ligen_Praemien_Arbeit.wert[p] != Ligen_Praemien_Arbeit.vereinbart[p] ||
                            Ligen_Praemien_Arbeit.vereinbart[p] == 0;
        Oek_Zeile(x + 6, y + 10, PRAEMIE_NAME[p], anders ? Oek_Farbe(12, 2, 0) : Oek_Tinte());
        int32_t erwartet = 0;
        const int32_t note = Ligen_Motivation_Bewerte_Praemie(team(), p, Ligen_Praemien_Arbeit.wert[p], 0, &erwartet);
        Grafik_Rechteck_Fuellen(z, x + 124, y + 24, 66, 9, Oek_Farbe(10, 10, 10));
        Grafik_Rechteck_Fuellen(z, x + 124, y + 24, std::min(66, note * 66 / 100), 9, Oek_Farbe(2, 10, 3));
    }
    return 0;
}

// A bonus rocker: its floor is the agreed amount, which a take-over may have raised.
int32_t praemie_wippe_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t p = icon->nummer - PRAEMIE_WIPPE;
    if (p < 0 || p >= LIGEN_PRAEMIEN) return 0;
    praemie_wert[p].minimum = Ligen_Praemien_Arbeit.vereinbart[p];
    Ligen_Motivation_Praemie_Setzen(p, Ligen_Praemien_Arbeit.wert[p]);
    Menue_Wippe_Zeichnen(icon, Bank_Betrag_String(float(Ligen_Praemien_Arbeit.wert[p]), team(), -1, 0));
    return 0;
}

int32_t praemie_klick(Menue_Icon* icon, uint32_t)
{
    const int32_t p = icon->nummer - PRAEMIE_WIPPE;
    if (p < 0 || p >= LIGEN_PRAEMIEN) return 0;
    Ligen_Motivation_Praemie_Setzen(p, Ligen_Praemien_Arbeit.wert[p]);
    Oekonomie_Neu_Zeichnen();
    return 1;
}

int32_t praemien_knopf(Menue_Icon* icon, uint32_t)
{
    if (icon->nummer == VORSCHLAG) Ligen_Motivation_Praemien_Vorschlag(team());
    else {
        const bool ja = Menue_Requester(2, team(),
                                        "Möchten Sie die eingestellten Prämien wirklich übernehmen ? Denken Sie daran, daß "
                                        "einmal eingestellte Beträge in der laufenden Saison nicht mehr verringert werden "
                                        "können.",
                                        "Ja, ich will !", "Um Himmels Willen, Nein!", 0) != 0;
        Ligen_Motivation_Praemien_Uebernehmen(team(), ja);
    }
    Oekonomie_Neu_Zeichnen();
    return 1;
}

void verein_bauen()
{
    seite_anfangen();
    const struct {
        int16_t n, x, b;
        const char* hilfe;
    } ereignisse[] = {
        {LIGEN_ICON_FREUNDSCHAFTSSPIEL, 4, 160, "Ziehen Sie das Freundschaftsspiel auf einen Tag im Kalender; den Gegner wählen Sie rechts unter dem Kalender."},
        {LIGEN_ICON_VEREINSFEIER, 168, 114, "Ziehen Sie die Vereinsfeier auf einen Tag im Kalender."},
        {LIGEN_ICON_PSYCHOLOGE, 286, 114, "Ziehen Sie den Termin bei Dr. Hypno auf einen Tag im Kalender."},
    };
    for (const auto& e : ereignisse) {
        Menue_Icon& i = liste.neu(e.n, e.x, 70, e.b, 36, 5, ereignis_zeichnen);
        i.flags |= ICON_ZIEHBAR;
        i.move = &ziehen;
        i.hilfetext = e.hilfe;
        if (e.n == LIGEN_ICON_FREUNDSCHAFTSSPIEL) i.kontext = gegner_menue;
    }
    Menue_Icon& g = liste.neu(GEGNER, 404, 308, 190, 20, 5, [](Menue_Icon* icon, uint32_t) {
        Oek_Knopf(icon, "Gegner wählen", false);
        return 0;
    });
    g.klick = [](Menue_Icon* icon, uint32_t) {
        Popup_Liste_Ausfuehren(gegner_menue(icon));
        return int32_t(1);
    };
    g.kontext = gegner_menue;
    g.hilfetext = "Wählen Sie den Gegner für ein Freundschaftsspiel";
    liste.neu(TERMINE, 4, 110, 396, 126, 3, termine_zeichnen).flags |= ICON_NICHT_TREFFEN;
    for (int32_t k = 0; k < 8; ++k) {
        Menue_Icon& i = liste.neu(int16_t(TERMINE + 1 + k), 4, int16_t(110 + 18 + k * 13), 396, 13, 4, nullptr);
        i.kennung_1 = int16_t(k);
        i.klick = termin_klick;
        i.mausover = termin_hilfe;
    }
    liste.neu(FREUNDSCHAFTSSPIELE, 404, 380, 190, 96, 3, freundschaftsspiele_zeichnen).flags |= ICON_NICHT_TREFFEN;
    liste.neu(PRAEMIEN, 4, 240, 396, 236, 3, praemien_zeichnen).flags |= ICON_NICHT_TREFFEN;
    // Season bonuses in steps of 1,000 DM, those per point and per win of 100 DM.
    for (int32_t p = 0; p < LIGEN_PRAEMIEN; ++p) {
        praemie_wert[p] = Menue_Wippe_Wert(&Ligen_Praemien_Arbeit.wert[p], Ligen_Praemien_Arbeit.vereinbart[p], 50000000,
                                           p >= 6 ? 100 : 1000);
        liste.wippe(int16_t(PRAEMIE_WIPPE + p), int16_t(praemie_x(p) + 6), int16_t(praemie_y(p) + 14), 112, 5, &praemie_wert[p],
                    praemie_klick, praemie_wippe_zeichnen, PRAEMIE_HILFE[p]);
    }
    liste.knopf(VORSCHLAG, 404, 332, 190, 20, 5, knopf_zeichnen, praemien_knopf, "Die Prämien, die Ihre Spieler erwarten");
    liste.knopf(UEBERNEHMEN, 404, 356, 190, 20, 5, knopf_zeichnen, praemien_knopf,
                "Die eingestellten Prämien gelten ab jetzt für die ganze Saison");
}

void neu_bauen()
{
    liste.leeren();
    if (lager_schirm) lager_bauen();
    else verein_bauen();
}

}  // namespace

int32_t Trainingslager_Screen(Menue_Icon*, uint32_t)
{
    if (team() < 0) return 0;
    // The server's table of the day: other managers' bookings and this week's prices.
    if (Netz_Rolle == 1) Trainingslager_Client_Holen();
    lager_schirm = true;
    buchung_camp = -1;
    monat = monat_von_heute();
    zeigen();
    return 1;
}

int32_t Ligen_Motivation(Menue_Icon*, uint32_t)
{
    if (team() < 0) return 0;
    // A page left without taking over starts again from the agreed amounts.
    Ligen_Motivation_Praemien_Check(team());
    lager_schirm = false;
    monat = monat_von_heute();
    zeigen();
    return 1;
}
