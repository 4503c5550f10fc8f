// The team comparison view of the tables screen: one column per club of the chosen competition,
// its crest at the height of its value, the scale on both sides, headline and subtitle.
#include <algorithm>
#include <iterator>
#include <cstdio>
#include <string>
#include <vector>

#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/slave.h"
#include "toolkit/menueleiste.h"
#include "toolkit/screen.h"

namespace {

constexpr int16_t I_VERGLEICH = 2573;

std::vector<Menue_Icon> liste;

bool an(int32_t icon) { return Manager_Icon_Button_Lesen(Aktuelles_Team, icon) != 0; }
int32_t wort(int32_t icon) { return int16_t(Manager_Icon_Word_Data_Lesen(Aktuelles_Team, icon)); }

void text(int32_t x, int32_t y, uint16_t f, const std::string& s, int32_t font = 4)
{
    if (Grafik_Render_Ziel) Grafik_Printf(Grafik_Render_Ziel, Font(font), "^c%05d%s", x, y, int(f), s.c_str());
}

// The chosen statistic's mode, -1 for strength.
int32_t modus()
{
    if (!an(TV_STATISTIK)) return -1;
    const int32_t i = std::clamp(wort(TV_STATISTIK), 0, TV_STATISTIKEN - 1);
    return Teamvergleich_Statistiken[i].modus;
}

std::string untertitel(int32_t gruppen)
{
    static const char* const VOLL[4] = {"Kondition", "Intelligenz", "Technik", "Form"};
    static const char* const KURZ[4] = {"Kond.", "Intell.", "Techn.", "Form"};
    int32_t n = 0;
    for (int32_t k = 0; k < 4; ++k) n += (gruppen >> k) & 1;
    std::string s;
    for (int32_t k = 0; k < 4; ++k)
        if (gruppen & (1 << k)) s += (s.empty() ? "" : ",") + std::string(n == 1 ? VOLL[k] : KURZ[k]);
    return s;
}

int32_t zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!icon || !ziel) return 0;
    // The background picture stands centred on the page; without it a plain field.
    Rastport* grund = ResFile_Handles[0].handle >= 0
                          ? static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, TV_HINTERGRUND, ziel->depth, nullptr))
                          : nullptr;
    if (grund && grund->width == 640 && grund->height == 480)
        Grafik_Blit(grund, icon->x, icon->y, icon->breite, icon->hoehe, ziel, icon->x, icon->y);
    else
        Grafik_Rechteck_Fuellen(ziel, icon->x, icon->y, icon->breite, icon->hoehe, Grafik_Farbe(1, 2, 5));
    Grafik_Bitmap_Freigeben(grund);
    const Wettbewerb_Id w = Ligen_Tabelle_Get_Aktiven_Wettbewerb();
    const int32_t m = modus();
    int32_t gruppen = wort(TV_STAERKE) & 15;
    if (!gruppen) gruppen = 7;
    int32_t positionen = 0;
    for (int32_t k = 0; k < 4; ++k)
        if (an(TV_POSITION + k)) positionen |= 1 << k;
    static Teamvergleich_Ergebnis e;
    Ligen_Teamvergleich_Werte_Holen(w, an(TV_ELF), positionen, gruppen, m, an(TV_RANG), &e);
    const uint16_t weiss = Grafik_Farbe(15, 15, 15), grau = Grafik_Farbe(9, 9, 9);
    const std::string titel = m == -1 ? "Stärke" : Teamvergleich_Statistiken[std::clamp(wort(TV_STATISTIK), 0, 31)].titel;
    text(icon->x + 67 - 30, icon->y + 20, weiss, titel, 9);
    if (m == -1) text(icon->x + 67 - 30, icon->y + 34, grau, untertitel(gruppen));
    text(icon->x + 250, icon->y + 20, weiss, Wettbewerb_Get_Anzeigename(w, 1));
    if (!e.anzahl) {
        text(icon->x + 30, icon->y + 200, weiss, "In diesen Wettbewerb sind keine Vereine.");
        return 0;
    }
    // Scale on both sides.
    const Teamvergleich_Skala s = Ligen_Teamvergleich_Skala(e.groesster, e.kleinster, e.absteigend != 0);
    for (int32_t i = 0; i < s.anzahl; ++i) {
        const std::string z = Ligen_Teamvergleich_Zahl_Text(s.wert[i], e.eine_stelle != 0);
        text(4, s.y[i], grau, z);
        text(558, s.y[i], grau, z);
    }
    const int32_t resfile = ResFile_Handles[0].handle;
    const Teamvergleich_Spalten sp = Ligen_Teamvergleich_Spalten(e.anzahl);
    for (int32_t i = 0; i < e.anzahl; ++i) {
        // The crest's middle stands level with its value on the scale.
        const int32_t x = sp.links + e.platz[i] * sp.breite, y = e.hoehe[i] + 20 - sp.wappen / 2;
        Grafik_Rechteck_Fuellen(ziel, x + sp.wappen / 6, y + sp.wappen, sp.wappen * 2 / 3, 423 - (y + sp.wappen),
                                Grafik_Farbe(3, 5, 10));
        if (resfile >= 0)
            if (Rastport* b = Grafik_Wappen_Laden(resfile, nullptr, int32_t(ziel->depth), e.team[i], 0, 0, 1, sp.wappen, sp.wappen)) {
                Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), ziel, x, y);
                Grafik_Bitmap_Freigeben(b);
            }
        const char* k = e.team[i] >= 0 && e.team[i] < Team_Anzahl ? Team_String(TEAM_KURZNAME, e.team[i], nullptr, 0) : "";
        // four letters; the own club's bold and underline end with them
        const std::string kurz = Ligen_Tabelle_Namen_Kuerzen(k ? k : "", [](const std::string&, const std::string& t) { return t.size() > 4; });
        // the condensed font: neighbouring columns take turns on the two rows (by their place,
        // not by their team's order, which put neighbours on one row)
        text(x, Ligen_Teamvergleich_Name_Y(e.platz[i]), grau, kurz, 9);
    }
    return 0;
}

// ---- buttons and menus ----------------------------------------------------------------------

void aufbauen();

// The face from the screen file with a yellow frame when the button is on.
int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!icon || !z) return 0;
    const bool ein = an(icon->nummer);
    if (!Menue_Screen_Icon_Bitmap(icon)) {
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, ein ? Grafik_Farbe(4, 6, 12) : Grafik_Farbe(2, 2, 5));
        if (const Ligen_Tabelle_Knopf* k = Ligen_Teamvergleich_Knopf_Suchen(icon->nummer))
            text(icon->x + 3, icon->y + 12, Grafik_Farbe(14, 14, 14), k->text, 3);
    }
    if (ein) {
        const uint16_t gelb = Grafik_Farbe(15, 14, 4);
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, 1, gelb);
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y + icon->hoehe - 1, icon->breite, 1, gelb);
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, 1, icon->hoehe, gelb);
        Grafik_Rechteck_Fuellen(z, icon->x + icon->breite - 1, icon->y, 1, icon->hoehe, gelb);
    }
    return 0;
}

int32_t knopf_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    Ligen_Teamvergleich_Knopf_Klick(icon->nummer);
    aufbauen();
    return 0;
}

// "Sortieren nach:" the attribute groups: the chosen one alone.
uint8_t gruppe_gewaehlt(int32_t, int32_t, int32_t gruppe, int32_t)
{
    if (gruppe < 1 || gruppe > 8) return 1;
    Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, TV_STAERKE, uint16_t(gruppe));
    if (!an(TV_STAERKE)) Ligen_Teamvergleich_Knopf_Klick(TV_STAERKE);
    aufbauen();
    return 1;
}

Menue_Kontextmenue* gruppen_menue(Menue_Icon*)
{
    static const char* const NAMEN[4] = {"Kondition", "Intelligenz", "Technik", "Form"};
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Sortieren nach:", -1, POPUP_WAEHLBAR | POPUP_HAKEN, gruppe_gewaehlt);
    const int32_t gruppen = wort(TV_STAERKE);
    for (int32_t i = 0; i < 4; ++i) {
        k->texte[i] = NAMEN[i];
        k->wert_a[i] = 1 << i;
        if (gruppen & (1 << i)) k->status[i] |= POPUP_GEWAEHLT;
    }
    return k;
}

// "Sortieren nach:" the statistics, by kind in sub-menus; the club's own figures first.
constexpr const char* STATISTIK_MENUE[TV_STATISTIKEN] = {
    "", "", "", "Erschöpfung", "Alter", "Gehalt", "Spiel-Noten", "Elf des Tages", "Zuschauer", "Transfers", "Moral",
    "Spielerzahl", "Erzielte Freistoßtore", "Erzielte Elfmetertore", "Direkt verwandelte Ecken", "Erzielte Kopfballtore",
    "Eigene Eigentore", "Kassierte Freistoßtore", "Kassierte Elfmetertore", "Direkt kassierte Ecken",
    "Kassierte Kopfballtore", "Eigentore des Gegners", "Selbst gehaltene Bälle", "Selbst vorbei geschossen",
    "Eigene Holztreffer", "Vom Gegner gehaltene Bälle", "Vom Gegner vorbei geschossen", "Gegnerische Holztreffer",
    "Gelbe Karten", "Gelb-Rote Karten", "Rote Karten", "Alle Karten"};
constexpr int32_t STATISTIK_BEREICHE[4][2] = {{3, 11}, {12, 21}, {22, 27}, {28, 31}};

uint8_t statistik_gewaehlt(int32_t, int32_t, int32_t index, int32_t)
{
    if (index < 3 || index >= TV_STATISTIKEN) return 1;
    Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, TV_STATISTIK, uint16_t(index));
    if (!an(TV_STATISTIK)) Ligen_Teamvergleich_Knopf_Klick(TV_STATISTIK);
    aufbauen();
    return 1;
}

Menue_Kontextmenue* statistik_unterliste(Menue_Kontextmenue*, int32_t eintrag)
{
    if (eintrag < 0 || eintrag > 3) return nullptr;
    Menue_Kontextmenue* k = &Kontextmenue_Puffer;
    Menue_Init_Kontextmenue(k, nullptr, -1, POPUP_WAEHLBAR | POPUP_RADIO, statistik_gewaehlt);
    const int32_t aktuell = an(TV_STATISTIK) ? wort(TV_STATISTIK) : -1;
    for (int32_t i = STATISTIK_BEREICHE[eintrag][0], j = 0; i <= STATISTIK_BEREICHE[eintrag][1]; ++i, ++j) {
        k->texte[j] = STATISTIK_MENUE[i];
        k->wert_a[j] = i;
        if (i == aktuell) k->status[j] |= POPUP_GEWAEHLT;
    }
    return k;
}

Menue_Kontextmenue* statistik_menue(Menue_Icon*)
{
    static const char* const BEREICH[4] = {"Verein", "Tore", "Chancen", "Karten"};
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Sortieren nach:", -1, POPUP_WAEHLBAR, nullptr);
    for (int32_t i = 0; i < 4; ++i) {
        k->texte[i] = BEREICH[i];
        k->unterlisten[i] = statistik_unterliste;
    }
    return k;
}

// The view with its buttons along the foot, anew from the manager's settings.
void aufbauen()
{
    Ligen_Teamvergleich_Entfernen();
    // The toolkit keeps pointers to the records: room for all before the first goes in.
    liste.reserve(std::size(TV_KNOEPFE) + 2);
    // Under the sub-menu bar's buttons at the top right.
    Menue_Icon i = Menue_Icon_Vorlage(I_VERGLEICH, -1, ICON_NICHT_TREFFEN, 0, 94, 597, 368, 12, 255);
    i.refresh_prozedur = zeichnen;
    i.status = ICON_SPAETER_REFRESH;
    liste.push_back(i);
    int32_t x = 4;
    for (const Ligen_Tabelle_Knopf& k : TV_KNOEPFE) {
        Menue_Icon b = Menue_Icon_Vorlage(k.nummer, int32_t(MENUE_RESSOURCE_CODE + k.nummer), 0, int16_t(x), 462, TV_KNOPF_BREITE,
                                          TV_KNOPF_HOEHE, 13, 255);
        b.refresh_prozedur = knopf_zeichnen;
        b.klick = knopf_klick;
        b.hilfetext = k.hilfe;
        b.status = ICON_SPAETER_REFRESH;
        if (k.nummer == TV_STAERKE) b.kontext = gruppen_menue;
        if (k.nummer == TV_STATISTIK) b.kontext = statistik_menue;
        liste.push_back(b);
        x += TV_KNOPF_BREITE + 3;
    }
    liste.push_back(Menue_Icon_Listenende());
    for (Menue_Icon& e : liste)
        if (e.nummer != -1) Menue_Screen_Icon_Hinzufuegen(&e);
    Menue_Bereich_Refresh(20, 0, 45, 640, 480);
}

int32_t vergleich_screen(Menue_Icon*, uint32_t)
{
    Menue_Leiste_Zeigen();
    if (!an(TV_STAERKE) && !an(TV_STATISTIK)) Manager_Icon_Button_An_Aus(Aktuelles_Team, TV_STAERKE, 1);
    if (!an(TV_TABELLE) && !an(TV_RANG)) Manager_Icon_Button_An_Aus(Aktuelles_Team, TV_TABELLE, 1);
    if (!an(TV_ALLE) && !an(TV_POSITION) && !an(TV_POSITION + 1) && !an(TV_POSITION + 2) && !an(TV_POSITION + 3))
        Manager_Icon_Button_An_Aus(Aktuelles_Team, TV_ALLE, 1);
    Ligen_Tabelle_Entfernen();
    aufbauen();
    return 0;
}

}  // namespace

void Ligen_Teamvergleich_Entfernen()
{
    for (Menue_Icon& i : liste)
        if (i.nummer != -1 && Menue_Screen_Icon_Ist_Vorhanden(i.nummer)) Menue_Screen_Icon_Loeschen(i.nummer, nullptr, 16);
    liste.clear();
}

void Ligen_Teamvergleich_Registrieren() { Menue_Leiste_Screens[1] = vergleich_screen; }

Teamvergleich_Spalten Ligen_Teamvergleich_Spalten(int32_t anzahl)
{
    constexpr int32_t LINKS = 40, RECHTS = 554, SPALTE = 30, WAPPEN = 24;
    const int32_t breite = std::clamp((RECHTS - LINKS) / std::max(anzahl, 1), 8, SPALTE);
    return {LINKS, breite, std::min(WAPPEN, breite - 2)};
}

int32_t Ligen_Teamvergleich_Name_Y(int32_t platz) { return 436 + (platz & 1) * 10; }
