// The advertising screen of the economy group: the stadium with its 17 spaces, the 20 sponsor
// pictures of werbung.res that are dragged onto a space to sign, the chosen space's or sponsor's
// information, the image bar, the promised placing, the European switch and the three agencies.
// The rules are werbung_schirm's.
#include <algorithm>
#include <cstdio>
#include <string>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/oekonomie_schirm.h"
#include "economy/werbung.h"
#include "economy/werbung_schirm.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/team_requester.h"
#include "graphics/font.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "toolkit/slave.h"
#include "toolkit/wippe.h"
#include "toolkit/ziehen.h"

int32_t Werbung_Screen(Menue_Icon* icon, uint32_t flags);

namespace {

enum : int16_t {
    GRUND = 2100, EINNAHMEN = 2124, STADION = 2125, INFO = 2126, AGENTUR_ERSTE = 2102, EUROPA = 2105, PLATZ = 2106,
    SPONSOR_ERSTE = 2340,
};
constexpr int32_t ST_X = 8, ST_Y = 70, ST_B = WERBUNG_STADION_B, ST_H = WERBUNG_STADION_H;
constexpr int32_t WERBUNG_DATEI = 2;  // werbung.res among the standard resource files

constexpr const Werbung_Rechteck* FLAECHE = WERBUNG_FLAECHE_ORT;

Oek_Liste liste;
Werbung_Team_Daten block;
int32_t sponsor_gewaehlt = -1;
int32_t flaeche_gewaehlt = -1;
Menue_Move_Struktur ziehen{};
int32_t platz = 1;
Menue_Wert_Beschreibung platz_wert;

int32_t team() { return Aktuelles_Team; }

// A space is rented while its contract brings money; a free space keeps its last sponsor number.
bool vermietet(int32_t k)
{
    return block.sponsor[k] >= 0 && block.sponsor[k] < WERBEPARTNER_ANZAHL && block.betrag[k] > 0.0f;
}



void holen()
{
    if (!Werbung_Team_Holen(team(), &block)) block = Werbung_Team_Daten{};
}

int32_t stadion_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z) return 0;
    const bool bild = Oek_Bild(WERBUNG_STADION_BILD, icon->x, icon->y, false, WERBUNG_DATEI);
    if (!bild) {
        // Without the picture file: the pitch inside the boards, plainly.
        Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Farbe(3, 5, 3), Oek_Farbe(6, 6, 8));
        Oek_Kasten(icon->x + 30, icon->y + 28, 306, 140, Oek_Farbe(2, 10, 3), Oek_Farbe(14, 15, 14));
    }
    bool marker[WERBUNG_KATEGORIEN] = {};
    if (sponsor_gewaehlt >= 0) Werbung_Sponsor_Marker(team(), sponsor_gewaehlt, marker);
    for (int32_t k = 0; k < WERBUNG_FLAECHEN; ++k) {
        const Werbung_Rechteck& r = FLAECHE[k];
        const int32_t x = icon->x + r.x, y = icon->y + r.y, kat = Werbung_Flaeche_Kategorie(k);
        const int32_t s = vermietet(k) ? block.sponsor[k] : -1;
        // A rented board carries its sponsor's board, any other space its logo; a free space
        // lights where the chosen sponsor would sign.
        bool gezeigt = false;
        if (s >= 0 && s < WERBEPARTNER_ANZAHL) {
            gezeigt = kat == 0 ? Oek_Bild_Skaliert(WERBUNG_BANDE_FERN + s, x, y, r.b, r.h, r.h > r.b, WERBUNG_DATEI)
                               : Oek_Bild_Skaliert(s, x, y, r.b, r.h, false, WERBUNG_DATEI);
        } else if (sponsor_gewaehlt >= 0 && kat >= 0 && marker[kat]) {
            gezeigt = Oek_Bild(WERBUNG_FLAECHE_BILD + k, x, y, false, WERBUNG_DATEI);
        } else {
            gezeigt = bild;
        }
        if (!gezeigt) {
            uint16_t f = s >= 0 ? Oek_Farbe(15, 13, 4) : Oek_Farbe(12, 12, 12);
            if (s < 0 && sponsor_gewaehlt >= 0 && kat >= 0 && marker[kat]) f = Oek_Farbe(6, 15, 6);
            Oek_Kasten(x, y, r.b, r.h, f, Oek_Farbe(2, 2, 2));
            if (s >= 0 && r.b > 30) {
                std::string n = Werbepartner_Name(s);
                while (n.size() > 1 && Font_Text_Breite(Font(11), n.c_str()) > r.b - 4) n.pop_back();
                Oek_Zeile(x + 2, y + 10, n);
            }
        }
        if (k == flaeche_gewaehlt) Oek_Rahmen(x - 1, y - 1, r.b + 2, r.h + 2, Oek_Farbe(15, 2, 2));
    }
    Oek_Zeile(icon->x + 366, icon->y + 52, "TV", Oek_Farbe(15, 15, 15));
    Oek_Zeile(icon->x + 358, icon->y + 144, "Trikot", Oek_Farbe(15, 15, 15));
    Oek_Zeile(icon->x + 353, icon->y + 186, "Tasche", Oek_Farbe(15, 15, 15));
    return 0;
}

// The image bar's line in the information box.
constexpr int32_t ANSEHEN_Y = 106;

int32_t info_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    const int32_t x = icon->x + 4;
    int32_t y = icon->y + 14;
    if (flaeche_gewaehlt >= 0) {
        const int32_t k = flaeche_gewaehlt, kat = Werbung_Flaeche_Kategorie(k);
        if (vermietet(k)) {
            const int32_t monate = std::max(0, (block.ende[k] - Kalender_Get_Heute()) / 30);
            // A long partner's name or placing goes on over a second line inside the box.
            const int32_t breite = icon->breite - 8;
            Oek_Zeile(x, y, Oek_Fmt("%s vermietet an:", Werbung_Kategorie_Name(kat)));
            y = Oek_Umbruch(x, y + 13, breite,
                            Oek_Fmt("%s%s", Werbepartner_Name(block.sponsor[k]),
                                    Werbung_Vertrag_Zufriedenheit(team(), k) >= 100 ? " (zufrieden)" : " (unzufrieden)"),
                            Oek_Tinte(), 2) - 13;
            Oek_Zeile(x, y += 13, Oek_Fmt("Laufzeit: noch %d %s", monate, monate == 1 ? "Monat" : "Monate"));
            Oek_Zeile(x, y += 13, Oek_Fmt("Einnahme pro Monat: %s", Bank_Betrag_String(block.betrag[k], team(), -1, 0)));
            Oek_Umbruch(x, y + 13, breite,
                        Oek_Fmt("Erwartete Platzierung: %d.Platz%s", block.platzierung[k],
                                block.europa[k] == 1 ? " + Europa" : block.europa[k] == 2 ? " + (Europa)" : ""),
                        Oek_Tinte(), 2);
        } else {
            y = Oek_Umbruch(x, y, icon->breite - 8, "Diese Werbefläche ist momentan nicht vermietet.", Oek_Tinte(), 2) - 13;
            // the offers end a line above the image bar; each line's count and price stand
            // right-aligned at the box's edge, the partner's name before them, cut where both
            // do not fit (a long name ran the price out of the box)
            const int32_t rechts = icon->x + icon->breite - 4;
            for (int32_t s = 0; s < WERBEPARTNER_ANZAHL && y + 13 <= icon->y + ANSEHEN_Y - 13; ++s) {
                const Werbepartner& p = Werbepartner_Tabelle[s];
                if (!p.angebote[kat]) continue;
                const std::string preis = Oek_Fmt("%d mal %s", p.angebote[kat], Bank_Betrag_String(p.preis[kat], team(), -1, 0));
                const int32_t preis_x = rechts - Font_Text_Breite(Font(11), preis.c_str());
                std::string name = p.name;
                const bool gekuerzt = Font_Text_Breite(Font(11), (name + ":").c_str()) > preis_x - 6 - x;
                while (name.size() > 1 && Font_Text_Breite(Font(11), (name + (gekuerzt ? ".:" : ":")).c_str()) > preis_x - 6 - x)
                    name.pop_back();
                Oek_Zeile(x, y += 13, name + (gekuerzt ? ".:" : ":"));
                Oek_Zeile(preis_x, y, preis);
            }
        }
    } else if (sponsor_gewaehlt >= 0) {
        const int32_t s = sponsor_gewaehlt, kat = Werbung_Bild_Kategorie(WERBUNG_BILD_ARTEN[s]);
        y = Oek_Umbruch(x, y, icon->breite - 8, Oek_Fmt("Angebote %s", Werbepartner_Name(s)), Oek_Farbe(9, 2, 0), 2) - 13;
        const Werbepartner& p = Werbepartner_Tabelle[s];
        // One line per category with offers, then why it would sign or not; above the image bar.
        for (int32_t k = 0; k < WERBUNG_KATEGORIEN; ++k)
            if (p.angebote[k])
                Oek_Zeile(x, y += 13, Oek_Fmt("%d mal %s / Monat", p.angebote[k], Bank_Betrag_String(p.preis[k], team(), -1, 0)),
                          k == kat ? Oek_Farbe(9, 2, 0) : Oek_Tinte());
        if (kat >= 0) Oek_Umbruch(x, y + 16, icon->breite - 8, Werbung_Sponsor_Hilfe(team(), s, kat), Oek_Tinte(), 2);
    } else {
        Oek_Umbruch(x, y, icon->breite - 8,
                    "Ziehen Sie das Bild eines Werbepartners auf eine passende, freie Stelle in Ihrem Stadion.^lEin Klick "
                    "auf ein Bild zeigt die Angebote des Werbepartners, ein Klick auf eine Werbefläche ihren Vertrag.",
                    Oek_Tinte(), 8);
    }
    // Image, placing and the whole income.
    Rastport* z = Grafik_Render_Ziel;
    const int32_t ansehen = std::clamp(int32_t(Werbung_Berechne_Image(team(), -1, nullptr)), 0, 99);
    const int32_t by = icon->y + ANSEHEN_Y;
    Oek_Zeile(x, by, Oek_Fmt("Ansehen: %d", ansehen));
    Grafik_Rechteck_Fuellen(z, x + 80, by - 9, 99, 10, Oek_Farbe(9, 9, 9));
    Grafik_Rechteck_Fuellen(z, x + 80, by - 9, ansehen, 10, Oek_Farbe(2, 6, 13));
    Oek_Zeile(x, by + 16, "Erwartete Platzierung");
    return 0;
}

int32_t einnahmen_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
    // The line centres itself at 20 pixels from where it starts.
    Oek_Zeile(icon->x + icon->breite / 2 - 20, icon->y + 12, Werbung_Einnahmen_Zeile(team()));
    return 0;
}

int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (icon->nummer == EUROPA) Oek_Knopf(icon, "Europapokal", block.europa_flag != 0);
    else {
        const int32_t a = icon->nummer - AGENTUR_ERSTE;
        static constexpr const char* AUFGABE[WERBUNG_AUFGABEN] = {"Banden", "Fernsehen", "Trikot"};
        Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Farbe(3, 4, 9), Oek_Farbe(8, 9, 13));
        Oek_Text(icon->x + 4, icon->y + 11, Oek_Farbe(15, 13, 6), AUFGABE[a]);
        Oek_Text(icon->x + 4, icon->y + 23, Oek_Farbe(15, 15, 15), Werbung_Agentur_Kuerzel(block.agentur[a], a));
        // the fee text carries its "/Mon." already
        Oek_Text(icon->x + 4, icon->y + 35, Oek_Farbe(15, 15, 15), Werbung_Agentur_Preis_String(block.agentur[a], a));
    }
    return 0;
}

int32_t letzter_platz() { return Werbung_Letzter_Platz(team()); }

int32_t platz_zeichnen(Menue_Icon* icon, uint32_t)
{
    platz = std::clamp<int32_t>(block.erwartet, 1, letzter_platz());
    platz_wert.maximum = letzter_platz();
    Menue_Wippe_Zeichnen(icon, Oek_Fmt("%d.Platz", platz).c_str());
    return 0;
}

const char* agentur_hilfe(Menue_Icon* icon)
{
    const int32_t a = icon->nummer - AGENTUR_ERSTE;
    return Werbung_Agentur_Text(block.agentur[a], a);
}

int32_t knopf_klick(Menue_Icon* icon, uint32_t)
{
    if (icon->nummer == EUROPA) Werbung_Schirm_Europa_Schalten(team());
    else if (icon->nummer == PLATZ) {
        // The rocker moved the promise; a client sends it with its next contract.
        holen();
        block.erwartet = uint8_t(std::clamp(platz, 1, letzter_platz()));
        Werbung_Team_Ablegen(team(), block);
    } else Werbung_Schirm_Agentur_Weiter(team(), icon->nummer - AGENTUR_ERSTE);
    holen();
    Oekonomie_Neu_Zeichnen();
    return 1;
}

int32_t flaeche_klick(Menue_Icon* icon, uint32_t)
{
    flaeche_gewaehlt = Werbung_Icon_Flaeche(icon->nummer);
    sponsor_gewaehlt = -1;
    Oekonomie_Neu_Zeichnen();
    return 1;
}

const char* flaeche_hilfe(Menue_Icon* icon) { return Werbung_Flaeche_Hilfe(team(), Werbung_Icon_Flaeche(icon->nummer)); }

int32_t sponsor_klick(Menue_Icon* icon, uint32_t)
{
    sponsor_gewaehlt = icon->nummer - SPONSOR_ERSTE;
    flaeche_gewaehlt = -1;
    bool an[WERBUNG_KATEGORIEN] = {};
    if (Werbung_Sponsor_Marker(team(), sponsor_gewaehlt, an) == 0)
        Team_Requester(0, team(), "%s ist an einem Vertragsabschluß mit Ihnen momentan nicht interessiert.",
                       Werbepartner_Name(sponsor_gewaehlt));
    Oekonomie_Neu_Zeichnen();
    return 1;
}

std::string sponsor_text;
const char* sponsor_hilfe(Menue_Icon* icon)
{
    const int32_t s = icon->nummer - SPONSOR_ERSTE;
    const int32_t kat = Werbung_Bild_Kategorie(WERBUNG_BILD_ARTEN[s]);
    const Werbepartner& p = Werbepartner_Tabelle[s];
    sponsor_text = kat >= 0 && p.angebote[kat]
                       ? Oek_Fmt("Ziehen Sie dieses Bild mit der Maus an eine passende, freie Stelle in Ihrem Stadion,^lwenn Sie mit "
                             "%s einen Vertrag abschliessen möchten.",
                             p.name)
                       : Oek_Fmt("%s ist momentan nicht an einem Vertragsabschluß mit Ihnen im Bereich '%s' interessiert.", p.name,
                             Werbung_Kategorie_Name(kat));
    return sponsor_text.c_str();
}

// The sponsor's name over its picture.
int32_t sponsor_name(Menue_Icon* icon, uint32_t)
{
    const int32_t s = icon->nummer - SPONSOR_ERSTE;
    if (s < 0 || s >= WERBEPARTNER_ANZAHL || !Grafik_Render_Ziel) return 0;
    std::string n = Werbepartner_Name(s);
    const size_t leer = n.find(' ');
    const std::string oben = leer == std::string::npos ? n : n.substr(0, leer), unten = leer == std::string::npos ? "" : n.substr(leer + 1);
    Font_Record* f = Font(11);
    Oek_Text(icon->x + (icon->breite - Font_Text_Breite(f, oben.c_str())) / 2, icon->y + 20, Oek_Farbe(15, 15, 15), oben.c_str());
    Oek_Text(icon->x + (icon->breite - Font_Text_Breite(f, unten.c_str())) / 2, icon->y + 34, Oek_Farbe(15, 15, 15), unten.c_str());
    if (s == sponsor_gewaehlt)
        for (int32_t k = 0; k < 2; ++k) {
            Grafik_Linie(Grafik_Render_Ziel, icon->x + k, icon->y + k, icon->x + icon->breite - 1 - k, icon->y + k, Oek_Farbe(15, 15, 0));
            Grafik_Linie(Grafik_Render_Ziel, icon->x + k, icon->y + icon->hoehe - 1 - k, icon->x + icon->breite - 1 - k,
                         icon->y + icon->hoehe - 1 - k, Oek_Farbe(15, 15, 0));
        }
    return 0;
}

// The drop: the space under the pointer decides; the sponsor's own picture or nothing does not.
void ablegen(Menue_Move_Struktur*, Menue_Icon* icon, int32_t, int32_t, uint32_t code)
{
    if (!(code & 0x80) || !icon) return;
    const int32_t s = icon->nummer - SPONSOR_ERSTE;
    if (s < 0 || s >= WERBEPARTNER_ANZAHL) return;
    const int32_t mx = Maus_Get_X(), my = Maus_Get_Y();
    int32_t ziel = -1;
    for (int32_t k = 0; k < WERBUNG_FLAECHEN; ++k) {
        const Werbung_Rechteck& r = FLAECHE[k];
        if (mx >= ST_X + r.x && mx < ST_X + r.x + r.b && my >= ST_Y + r.y && my < ST_Y + r.y + r.h) ziel = WERBUNG_ICON_FLAECHE + k;
    }
    if (ziel < 0 && mx >= ST_X && mx < ST_X + ST_B && my >= ST_Y && my < ST_Y + ST_H) ziel = STADION;
    // Let go off the stadium: a click on the picture, which chooses its sponsor.
    if (ziel < 0) {
        sponsor_klick(icon, 0);
        return;
    }
    sponsor_gewaehlt = s;
    Werbung_Schirm_Ablegen(team(), s, WERBUNG_BILD_ARTEN[s], ziel);
    holen();
    flaeche_gewaehlt = ziel >= WERBUNG_ICON_FLAECHE ? ziel - WERBUNG_ICON_FLAECHE : -1;
    Oekonomie_Neu_Zeichnen();
}

int32_t grund_zeichnen(Menue_Icon*, uint32_t)
{
    Oek_Hintergrund(-1, nullptr);
    return 0;
}

void bauen()
{
    liste.leeren();
    liste.neu(GRUND, 0, OEK_Y, OEK_B, OEK_H, 1, grund_zeichnen).flags |= ICON_NICHT_TREFFEN;
    liste.neu(STADION, ST_X, ST_Y, ST_B, ST_H, 3, stadion_zeichnen).flags |= ICON_NICHT_TREFFEN;
    for (int32_t k = 0; k < WERBUNG_FLAECHEN; ++k) {
        const Werbung_Rechteck& r = FLAECHE[k];
        Menue_Icon& i = liste.neu(int16_t(WERBUNG_ICON_FLAECHE + k), int16_t(ST_X + r.x), int16_t(ST_Y + r.y), uint16_t(r.b),
                                  uint16_t(r.h), 4, nullptr);
        i.klick = flaeche_klick;
        i.mausover = flaeche_hilfe;
    }
    liste.neu(INFO, 400, 70, 194, 150, 3, info_zeichnen).flags |= ICON_NICHT_TREFFEN;
    auto knopf = [](int16_t n, int16_t x, int16_t y, uint16_t b, const char* hilfe) -> Menue_Icon& {
        Menue_Icon& i = liste.neu(n, x, y, b, 18, 5, knopf_zeichnen);
        i.klick = knopf_klick;
        i.hilfetext = hilfe;
        return i;
    };
    platz = std::clamp<int32_t>(block.erwartet, 1, letzter_platz());
    platz_wert = Menue_Wippe_Wert(&platz, 1, letzter_platz(), 1);
    liste.wippe(PLATZ, 514, 224, 0, 5, &platz_wert, knopf_klick, platz_zeichnen,
                "Welchen Tabellenplatz versprechen Sie Ihren Werbepartnern?");
    knopf(EUROPA, 400, 229, 110, "Versprechen Sie Ihren Werbepartnern die Teilnahme an einem europäischen Wettbewerb?");
    for (int32_t a = 0; a < WERBUNG_AUFGABEN; ++a) {
        Menue_Icon& i = liste.neu(int16_t(AGENTUR_ERSTE + a), 500, int16_t(288 + 48 * a), 94, 44, 5, knopf_zeichnen);
        i.klick = knopf_klick;
        i.mausover = agentur_hilfe;
    }
    liste.neu(EINNAHMEN, ST_X, 268, 586, 16, 3, einnahmen_zeichnen).flags |= ICON_NICHT_TREFFEN;
    ziehen.maske = -1;
    ziehen.bedienen = ablegen;
    ziehen.bereich[0] = -1;
    ziehen.slave = -1;
    for (int32_t s = 0; s < WERBEPARTNER_ANZAHL; ++s) {
        Menue_Icon& i = liste.neu(int16_t(SPONSOR_ERSTE + s), int16_t(8 + 98 * (s % 5)), int16_t(288 + 48 * (s / 5)), 96, 46, 5,
                                  sponsor_name);
        i.flags = ICON_ZIEHBAR;
        i.bitmap_quelle = (WERBUNG_DATEI + 1) * MENUE_RESSOURCE_CODE + s;
        i.move = &ziehen;
        i.klick = sponsor_klick;
        i.mausover = sponsor_hilfe;
    }
}

}  // namespace

int32_t Werbung_Screen(Menue_Icon*, uint32_t)
{
    if (team() < 0) return 0;
    if (Netz_Rolle == 1) Werbung_Client_Partner_Holen();
    holen();
    sponsor_gewaehlt = flaeche_gewaehlt = -1;
    bauen();
    Oekonomie_Liste_Zeigen(&liste);
    return 1;
}
