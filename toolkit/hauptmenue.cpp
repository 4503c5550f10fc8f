#include "toolkit/hauptmenue.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "competitions/wettbewerb.h"
#include "competitions/spiele_ewig.h"
#include "database/manager.h"
#include "database/personal.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "economy/bank.h"
#include "gameflow/ablauf.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "network/chat.h"
#include "network/steuersignal.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/temp.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/mausover.h"
#include "toolkit/menueleiste.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"

int32_t (*Menue_Gruppen_Screens[4])(Menue_Icon* icon, uint32_t flags) = {};
namespace {
// Hidden, never hit: only its refresh procedure runs (once, when it is added).
constexpr Menue_Icon start_icon()
{
    Menue_Icon i = Menue_Icon_Vorlage(763, -1, ICON_NICHT_TREFFEN, 0, 0, 1, 1, 0, 255);
    i.status = ICON_VERSTECKT;
    return i;
}
}  // namespace
Menue_Icon Menue_Startliste[2] = {start_icon(), Menue_Icon_Listenende()};
uint32_t Menue_Rahmenfarbe = 0;

namespace {

constexpr int32_t GRUPPE_ERSTE = 704, CHAT = 762;
constexpr int32_t SEGMENTE = 21;
// The strength bar's pictures: filled and empty 3-pixel segments and the two caps.
constexpr int32_t SLAVE_SEGMENT_VOLL = 396, SLAVE_SEGMENT_LEER = 397, SLAVE_KAPPE_LINKS = 398,
                  SLAVE_KAPPE_RECHTS = 399;

uint8_t gruppe_farbe[4][3] = {{2, 9, 3}, {3, 5, 12}, {12, 9, 2}, {10, 3, 9}};

Menue_Icon* registriert(int32_t n) { return Menue_Screen_Icon_Ist_Vorhanden(n) ? Menue_Screen_Icon_Aus_Nummer(n) : nullptr; }

// Lines are centred on the panel (a fixed centre at 70 cut the longer lines of the 176-pixel
// panels on the left).
// A screen's text that ended in bold leaves its font bold: the panel's lines start plain.
void zeile(Rastport* b, int32_t y, uint32_t farbe, const char* text, int32_t font = 3)
{
    Grafik_Printf(b, Font(font), "^be^c%05d^tz%04d%s", 0, y, int(farbe), int(b->width / 2), text);
}

// The panels and group buttons of the frame are drawn anew in every turn and after every change
// of the frame, mostly with what they showed before. A drawing is kept by everything its pixels
// depend on (the bitmap's size and depth, the texts, colours and places, the state of the fonts
// it prints with and, for a drawing laid over what the bitmap holds, every pixel before it);
// drawn again the same, the kept pixels go back into the bitmap and the fonts are left as the
// printing would leave them. Nothing is kept while a check follows what is drawn.
// The bytes of a value, as part of a key.
template <class T>
void schluessel_anhaengen(std::string& s, const T& wert)
{
    s.append(reinterpret_cast<const char*>(&wert), sizeof wert);
}

class Gemalte_Bilder {
public:
    // Draws by `malen` into b unless a drawing of the same key is kept. `ganz`: the drawing
    // covers the bitmap whole, what stood there before does not count.
    template <class Malen>
    void malen(Rastport* b, std::string schluessel, const std::vector<Font_Record*>& schriften, bool ganz,
               Malen&& malen)
    {
        if (!merkbar(b)) {
            malen();
            return;
        }
        schluessel_anhaengen(schluessel, b->width);
        schluessel_anhaengen(schluessel, b->height);
        schluessel_anhaengen(schluessel, b->depth);
        for (const Font_Record* f : schriften) schrift_anhaengen(schluessel, f);
        const size_t groesse = size_t(b->width) * b->height * Grafik_Bytes_Pro_Pixel(b->depth);
        for (size_t i = 0; i < bilder_.size(); ++i) {
            Bild& k = bilder_[i];
            if (k.schluessel != schluessel || k.groesse != groesse || k.ganz != ganz) continue;
            if (!ganz && std::memcmp(k.vorher.get(), b->pixels, groesse) != 0) continue;
            std::memcpy(b->pixels, k.pixel.get(), groesse);
            for (const Stand& s : k.danach) {
                s.font->colour = s.colour;
                s.font->bold = s.bold;
                s.font->fixed_advance = s.fixed_advance;
            }
            k.zuletzt = ++uhr_;
            return;
        }
        Bild neu;
        const auto* px = static_cast<const uint8_t*>(b->pixels);
        neu.ganz = ganz;
        neu.groesse = groesse;
        if (!ganz) neu.vorher = kopie(px, groesse);
        malen();
        neu.schluessel = std::move(schluessel);
        neu.pixel = kopie(px, groesse);
        for (Font_Record* f : schriften) neu.danach.push_back({f, f->colour, f->bold, f->fixed_advance});
        neu.zuletzt = ++uhr_;
        // The drawing used longest ago makes room.
        if (bilder_.size() < ANZAHL) bilder_.push_back(std::move(neu));
        else *std::min_element(bilder_.begin(), bilder_.end(), [](const Bild& a, const Bild& b) {
            return a.zuletzt < b.zuletzt;
        }) = std::move(neu);
    }

private:
    static constexpr size_t ANZAHL = 24;
    struct Stand {
        Font_Record* font;
        uint32_t colour, bold, fixed_advance;
    };
    struct Bild {
        std::string schluessel;
        bool ganz;
        size_t groesse = 0;
        std::unique_ptr<uint8_t[]> vorher;  // the bitmap before a drawing laid over it
        std::unique_ptr<uint8_t[]> pixel;
        std::vector<Stand> danach;
        uint64_t zuletzt = 0;  // when it was drawn or shown last
    };
    std::vector<Bild> bilder_;
    uint64_t uhr_ = 0;

    static std::unique_ptr<uint8_t[]> kopie(const uint8_t* px, size_t groesse)
    {
        std::unique_ptr<uint8_t[]> k(new uint8_t[groesse]);
        std::memcpy(k.get(), px, groesse);
        return k;
    }
    static bool merkbar(const Rastport* b)
    {
        return b && b->pixels && !b->packed && !b->mask && !b->palette && (b->depth == 15 || b->depth == 16) &&
               !Grafik_Text_Meldung && !Grafik_Flaeche_Meldung;
    }
    static void schrift_anhaengen(std::string& s, const Font_Record* f)
    {
        schluessel_anhaengen(s, f);
        if (!f) return;
        schluessel_anhaengen(s, f->strip);
        if (f->strip) {
            schluessel_anhaengen(s, f->strip->width);
            schluessel_anhaengen(s, f->strip->height);
            schluessel_anhaengen(s, f->strip->depth);
        }
        for (uint32_t w : {f->ascent, f->spacing, f->fixed_advance, f->own_colour, f->bold, f->derived})
            schluessel_anhaengen(s, w);
    }
};

Gemalte_Bilder gemalte_bilder;

// The own club's panel holds an underlined name and two lines in 32 rows: in the small font,
// so that no line runs into the underline, into each other or onto the bottom edge.
constexpr int32_t KLEIN = 11, ZEILE_1 = 9, ZEILE_2 = 20, ZEILE_3 = 31;
// The opponent's panel holds the club's name and the referee's two lines, all in the small font
// (the large one leaves no room for the referee below the name), 10 rows apart so that the
// referee's rating ("pfeift streng,...") keeps its descenders above the bottom edge. A day
// without an opponent has two lines in the large font, descenders and all, apart.
constexpr int32_t GEGNER_ZEILE_1 = 8, GEGNER_ZEILE_2 = 18, GEGNER_ZEILE_3 = 29, SCHIRI_FONT = 9;
constexpr int32_t FREI_ZEILE_1 = 11, FREI_ZEILE_2 = 25;

}  // namespace

void Menue_Rahmenfarben_Wechsel(int32_t basis)
{
    if (basis < GRUPPE_ERSTE || basis > GRUPPE_ERSTE + 3) {
        Print_Fehler("Menue_Rahmenfarben_Wechsel: pos falsch!");
        return;
    }
    const uint8_t* f = gruppe_farbe[basis - GRUPPE_ERSTE];
    Menue_Rahmenfarbe = Grafik_Farbe(f[0], f[1], f[2]);
    for (int32_t n : {701, 702}) Menue_Screen_Icon_Aktiv_Setzen(1, n);
}

int32_t Menue_Hauptgruppe_Klick(Menue_Icon* icon, uint32_t flags)
{
    if (!icon || icon->nummer < GRUPPE_ERSTE || icon->nummer > GRUPPE_ERSTE + 3) return 0;
    Grafik_Screen_Seite_Waehlen(1);
    const int32_t vorher = Manager_Icon_Welcher_Togglebutton_Ist_An(Aktuelles_Team, 4, 704, 705, 706, 707);
    if (vorher != icon->nummer) {
        Menue_Rahmenfarben_Wechsel(icon->nummer);
        // The group before leaves nothing behind: neither its sub-buttons in the column nor
        // what its screen drew in the work area.
        Menue_Spalte_Leeren(nullptr);
        Menue_Arbeitsbereich_Leeren();
    }
    Manager_Icon_Togglebutton_An_Aus(Aktuelles_Team, 5, int32_t(icon->nummer), 703, 704, 705, 706, 707);
    for (int32_t n = GRUPPE_ERSTE; n < GRUPPE_ERSTE + 4; ++n) Menue_Screen_Icon_Aktiv_Setzen(1, n);
    if (icon->nummer == 706) {
        Menue_Leiste_Zeigen();
        return Menue_Leiste_Untermenue_Klick(nullptr, UNTERMENUE_WIEDERHERSTELLEN);
    }
    return Menue_Prozedur_Aufrufen(Menue_Gruppen_Screens[icon->nummer - GRUPPE_ERSTE], icon,
                                   icon->nummer == 707 ? flags | 0x40000000u : flags);
}

int32_t Menue_Gruppe_Zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !icon->bitmap || icon->nummer < GRUPPE_ERSTE || icon->nummer > GRUPPE_ERSTE + 3) return 0;
    static constexpr const char* NAMEN[4] = {"STAB", "VEREIN", "LIGA", "TEAM"};
    const int32_t k = icon->nummer - GRUPPE_ERSTE;
    const uint8_t* f = gruppe_farbe[k];
    const bool offen = Aktuelles_Team >= 0 && Manager_Icon_Button_Lesen(Aktuelles_Team, icon->nummer) != 0;
    Rastport* b = icon->bitmap;
    const int32_t w = int32_t(b->width), h = int32_t(b->height);
    const uint32_t farbe = Grafik_Farbe(f[0], f[1], f[2]);
    Font_Record* font = Font(KLEIN);
    std::string schluessel = NAMEN[k];
    schluessel_anhaengen(schluessel, offen);
    schluessel_anhaengen(schluessel, farbe);
    schluessel_anhaengen(schluessel, Grafik_Farbe(f[0] / 3, f[1] / 3, f[2] / 3 + 2));
    gemalte_bilder.malen(b, std::move(schluessel), {font}, true, [&] {
        // Closed: the colour as a frame around a dark face; open: the face in the colour.
        Grafik_Rechteck_Fuellen(b, 0, 0, w, h, farbe);
        if (!offen) Grafik_Rechteck_Fuellen(b, 1, 1, w - 2, h - 2, Grafik_Farbe(f[0] / 3, f[1] / 3, f[2] / 3 + 2));
        const int32_t x = (w - Font_Text_Breite(font, NAMEN[k])) / 2;
        Grafik_Printf(b, font, "^c%05d%s", x, h / 2 + 4, int(Grafik_Farbe(15, 15, 15)), NAMEN[k]);
    });
    return 1;
}

int32_t Menue_Menue_Klick(Menue_Icon*, uint32_t)
{
    if (Aktuelles_Team < 0) return 0;
    Grafik_Screen_Seite_Waehlen(1);
    Manager_Icon_Togglebutton_An_Aus(Aktuelles_Team, 5, 703, 703, 704, 705, 706, 707);
    Menue_Spalte_Leeren(nullptr);
    Menue_Arbeitsbereich_Leeren();
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    return 1;
}

void Menue_Spalte_Leeren(Menue_Icon* behalten)
{
    std::vector<Menue_Icon*> bleiben;
    // Only what the clearing takes (wholly inside the rows) comes back.
    for (Menue_Icon* i = behalten; i && i->nummer != -1; ++i)
        if (Menue_Screen_Icon_Ist_Vorhanden(i->nummer) && Menue_Screen_Icon_Aus_Nummer(i->nummer) == i &&
            i->x >= MENUE_SPALTE_X && i->y >= MENUE_SPALTE_OBEN && i->x + i->breite <= 640 && i->y + i->hoehe <= MENUE_SPALTE_UNTEN)
            bleiben.push_back(i);
    Menue_Bereich_Loeschen(0x62, MENUE_SPALTE_X, MENUE_SPALTE_OBEN, 640, MENUE_SPALTE_UNTEN);
    for (Menue_Icon* i : bleiben) Menue_Screen_Icon_Hinzufuegen(i);
}

void Menue_Arbeitsbereich_Leeren()
{
    // Every icon below the top bar goes but the base icons, which are drawn again over the
    // background.
    Menue_Bereich_Loeschen(0x20, 0, 37, 640, 480);
    Menue_Bereich_Aktiv_Setzen(0, 1, 0, 0, 640, 480);
}

char Menue_Datum_Text[48] = "";

void Menue_Datum_Setzen()
{
    std::snprintf(Menue_Datum_Text, sizeof Menue_Datum_Text, "%s",
                  Eingang_Get_Spiel_Gestartet() ? Kalender_Get_Datum_String(Kalender_Get_Heute()) : "");
    Menue_Screen_Icon_Aktiv_Setzen(REFRESH_UNTERGRUND | 1, 709);
}

std::string Menue_Schiedsrichter_Zeile(const char* name, int32_t font, int32_t breite)
{
    const auto zeile = [](const std::string& n) { return "Schiedsrichter: " + n; };
    const auto passt = [&](const std::string& t) { return Font_Text_Breite(Font(font), t.c_str()) <= breite; };
    std::string ganz = name ? name : "";
    if (passt(zeile(ganz))) return zeile(ganz);
    // A name too long keeps the surname whole: the first names shrink to their initials
    // ("A. Merenhofer"), then go. A surname cut short with a full stop read as another name.
    std::vector<std::string> woerter;
    for (size_t i = 0; i < ganz.size();) {
        const size_t ende = std::min(ganz.find(' ', i), ganz.size());
        if (ende > i) woerter.push_back(ganz.substr(i, ende - i));
        i = ende + 1;
    }
    if (woerter.size() > 1) {
        std::string kurz;
        for (size_t w = 0; w + 1 < woerter.size(); ++w) kurz += woerter[w].substr(0, 1) + ". ";
        if (passt(zeile(kurz + woerter.back()))) return zeile(kurz + woerter.back());
        ganz = woerter.back();
        if (passt(zeile(ganz))) return zeile(ganz);
    }
    // Only a surname wider than the panel on its own loses its last letters, marked as cut.
    while (ganz.size() > 1 && !passt(zeile(ganz + "..."))) ganz.pop_back();
    return zeile(ganz + "...");
}

int32_t Menue_Info_Panel_Refresh(Menue_Icon* icon, uint32_t)
{
    if (!icon || !icon->bitmap || !Eingang_Get_Spiel_Gestartet()) return 0;
    // The panel goes only onto the page it is blitted to, and each blit draws it first: onto a
    // page nobody sees it keeps what it showed last.
    int32_t px, py;
    if (Grafik_Seite_Ungesehen(Menue_Blit_Rastport(icon, &px, &py))) return 1;
    const bool eigen = icon->nummer == 701;
    const int32_t team = icon->kennung_1;
    Rastport* b = icon->bitmap;
    const uint32_t hell = Grafik_Farbe(15, 15, 15), farbe = eigen ? Grafik_Farbe(13, 15, 13) : Grafik_Farbe(15, 13, 13);
    // The lines first, then the drawing: row, colour, text and font of each.
    struct Zeile {
        int32_t y;
        uint32_t farbe;
        std::string text;
        int32_t font;
    };
    std::vector<Zeile> zeilen;
    if (team < 0 || team >= Team_Anzahl) {
        zeilen.push_back({FREI_ZEILE_1, hell, "Kein Gegner.", 3});
        zeilen.push_back({FREI_ZEILE_2, farbe, "(Ihr Verein hat spielfrei)", 3});
    } else {
        zeilen.push_back({eigen ? ZEILE_1 : GEGNER_ZEILE_1, hell, Team_String(TEAM_NAME, team, nullptr, 0), KLEIN});
        if (!eigen) {
            // Today's referee and what he is known for, in the small font: a long name and two
            // ratings run wider than the panel in the large one.
            const int32_t richter = Menue_Heutiger_Schiedsrichter();
            if (richter >= 0) {
                const std::string text = Menue_Schiedsrichter_Zeile(Personal_Get_Name(richter, PERSONAL_SCHIEDSRICHTER),
                                                                    SCHIRI_FONT, int32_t(b->width) - 4);
                zeilen.push_back({GEGNER_ZEILE_2, farbe, text, SCHIRI_FONT});
                zeilen.push_back({GEGNER_ZEILE_3, farbe,
                                  Temp_Sprintf("%s,%s", Personal_Get_Bewertungstext(richter, 0),
                                               Personal_Get_Bewertungstext(richter, 1)),
                                  SCHIRI_FONT});
            }
        } else {
            zeilen.push_back({ZEILE_2, farbe, Menue_Info_Zweite_Zeile(team), KLEIN});
            // The balance in the club's own currency.
            const int32_t waehrung = Bank_Get_Waehrung(team);
            zeilen.push_back({ZEILE_3, farbe,
                              Temp_Sprintf("Kontostand: %s", Bank_Betrag_String(float(Bank_Get_Kontostand(team, 0, waehrung)),
                                                                               team, waehrung, 0)),
                              KLEIN});
        }
    }
    Grafik_Rechteck_Fuellen(b, 0, 0, int32_t(b->width), int32_t(b->height), 1);
    if (Menue_Rahmenfarbe) Grafik_Rechteck_Fuellen(b, 0, int32_t(b->height) - 1, int32_t(b->width), 1, Menue_Rahmenfarbe);
    // Line by line: a club's name and second line stay while its balance changes. A text that
    // changes the font (whose state is not kept) or shows a picture is printed as it is.
    auto fremd = [](const std::string& t) {
        for (size_t i = t.find('^'); i != std::string::npos; i = t.find('^', i + 1))
            if (i + 1 < t.size() && (t[i + 1] == 'y' || t[i + 1] == 'x' || t[i + 1] == 'g')) return true;
        return false;
    };
    for (const Zeile& z : zeilen) {
        if (fremd(z.text)) {
            zeile(b, z.y, z.farbe, z.text.c_str(), z.font);
            continue;
        }
        std::string schluessel = z.text;
        schluessel += '\0';
        schluessel_anhaengen(schluessel, z.y);
        schluessel_anhaengen(schluessel, z.farbe);
        schluessel_anhaengen(schluessel, z.font);
        gemalte_bilder.malen(b, std::move(schluessel), {Font(z.font)}, false,
                             [&] { zeile(b, z.y, z.farbe, z.text.c_str(), z.font); });
    }
    return 1;
}

namespace {

// Today's game of the acting club: its competition, match day and referee (-1 each when unknown).
struct Heutiges_Spiel {
    int32_t wettbewerb = -1, spieltag = -1, richter = -1;
};

Heutiges_Spiel heutiges_spiel()
{
    Heutiges_Spiel h;
    h.wettbewerb = Menue_Heutiges_Spiel_Wert();
    if (Menue_Status.spiel_gueltig) {
        h.spieltag = Menue_Status.heutiges_spiel.spieltag;
        h.richter = Menue_Status.heutiges_spiel.schiedsrichter;
        return h;
    }
    // A client holds no record of the game in its round: the server's day data name it.
    Ablauf_Tagesspiel s{};
    if (Netz_Rolle == 1 && h.wettbewerb >= 0 && Ablauf_Tagesspiel_Von(Aktuelles_Team, &s) && s.wettbewerb == h.wettbewerb) {
        h.spieltag = s.spieltag;
        h.richter = s.schiedsrichter;
    }
    return h;
}

}  // namespace

int32_t Menue_Heutiger_Schiedsrichter() { return heutiges_spiel().richter; }

std::string Menue_Info_Zweite_Zeile(int32_t team)
{
    const Heutiges_Spiel h = heutiges_spiel();
    if (h.wettbewerb >= 0 && h.spieltag >= 0)
        return Temp_Sprintf("%s %s", Wettbewerb_Get_Anzeigename(h.wettbewerb), Wettbewerb_Get_Rundentext(h.wettbewerb, h.spieltag));
    if (h.wettbewerb >= 0) return Wettbewerb_Get_Anzeigename(h.wettbewerb);
    // The table's place is counted from 0; its leader is first too.
    const Wettbewerb_Id liga = team >= 0 ? Wettbewerb_Get_Team_Wettbewerb(team, 1) : -1;
    // Before the league's first match day all clubs stand level: a place would say nothing.
    const Wettbewerb_Info* info = liga >= 0 ? Wettbewerb_Get_Info(liga) : nullptr;
    if (info && info->spieltag < 1) return Wettbewerb_Get_Anzeigename(liga);
    const int32_t platz = liga >= 0 ? Wettbewerb_Get_Tabellenplatz(liga, team) : -1;
    if (platz >= 0) return Temp_Sprintf("%d. Platz, %s", platz + 1, Wettbewerb_Get_Anzeigename(liga));
    return Kalender_Get_Datum_String(Kalender_Get_Heute());
}

char Menue_Serien_Text[96] = "";

void Menue_Serien_Info(int32_t flag)
{
    static constexpr const char* FORMATE[SERIE_ANZAHL] = {
        "%d Spiele ohne eigenes Tor", "%d Spiele ohne Gegentor", "%d Niederlagen in Folge", "%d Siege in Folge",
        "%d Unentschieden in Folge",  "%d Spiele ohne Sieg",     "%d Spiele ohne Niederlage"};
    static int32_t naechste = 0;
    const int32_t ansicht = std::clamp(flag & 3, 0, 2);
    const bool liga = flag & 4;
    static constexpr const char* LEER[3] = {"Keine Heim-Serie vorhanden.", "Keine Auswärts-Serie vorhanden.",
                                            "Keine Serie vorhanden."};
    std::snprintf(Menue_Serien_Text, sizeof Menue_Serien_Text, "%s", LEER[ansicht]);
    const int32_t team = Aktuelles_Team;
    int32_t werte[SERIE_ANZAHL];
    const int32_t wettbewerb = liga && team >= 0 ? Wettbewerb_Get_Team_Wettbewerb(team, 1) : -1;
    if (team >= 0 && (!liga || wettbewerb >= 0) && Spiele_Get_Serien(wettbewerb, team, werte, ansicht))
        for (int32_t schritt = 0; schritt < SERIE_ANZAHL; ++schritt) {
            const int32_t k = (naechste + schritt) % SERIE_ANZAHL;
            if (werte[k] < 2) continue;
            const int32_t n = std::snprintf(Menue_Serien_Text, sizeof Menue_Serien_Text, FORMATE[k], werte[k]);
            if (liga && n > 0) std::snprintf(Menue_Serien_Text + n, sizeof Menue_Serien_Text - size_t(n), " (Liga)");
            naechste = k + 1;
            break;
        }
    // A value text is printed over what lies under it: that goes first, with the old text.
    Menue_Screen_Icon_Aktiv_Setzen(REFRESH_UNTERGRUND | 1, 708);
}

int32_t Menue_Staerke_Segmente(int32_t wert) { return std::clamp(wert * SEGMENTE / 100, 0, SEGMENTE); }

int32_t Menue_Staerke_Balken(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    int32_t gesamt = 50, abwehr = 50, mitte = 50, sturm = 50;
    const int32_t a = Aktuelles_Team, g = Gegner_Team;
    if (a >= 0 && a < Team_Anzahl && g >= 0 && g < Team_Anzahl) Team_Vergleiche_Abw_Mit_Stu(a, g, &gesamt, &abwehr, &mitte, &sturm, 0, 0);
    // The first bar compares the defences, the others the attacks.
    const int32_t voll = Menue_Staerke_Segmente(icon->nummer == 714 ? abwehr : sturm);
    Rastport* z = Grafik_Render_Ziel;
    Rastport* voll_bild = Menue_Get_Slave_Rastport(SLAVE_SEGMENT_VOLL);
    Rastport* leer_bild = Menue_Get_Slave_Rastport(SLAVE_SEGMENT_LEER);
    Rastport* links = Menue_Get_Slave_Rastport(SLAVE_KAPPE_LINKS);
    Rastport* rechts = Menue_Get_Slave_Rastport(SLAVE_KAPPE_RECHTS);
    if (!voll_bild || !leer_bild || !links || !rechts) return 0;
    const int32_t x = icon->x, y = icon->y;
    if (Grafik_Seite_Ungesehen(z)) {
        // Nobody sees the page: only the rows the pieces would cover are noted, as their blits note them.
        const uint32_t h = std::max({links->height, rechts->height, voll_bild->height, leer_bild->height});
        Grafik_Seite_Beschrieben(z, y, int64_t(h));
        return 1;
    }
    auto setzen = [z](Rastport* b, int32_t bx, int32_t by) {
        Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), z, bx, by);
    };
    setzen(links, x, y);
    for (int32_t s = 0; s < SEGMENTE; ++s) setzen(s < voll ? voll_bild : leer_bild, x + 2 + 3 * s, y);
    setzen(rechts, x + 64, y);
    return 1;
}

void Menue_Startscreen_Setzen(uint8_t nach_wahl)
{
    Menue_Icon& start = Menue_Startliste[0];
    start.refresh_prozedur = nullptr;
    if (nach_wahl) {
        const int32_t t = Aktuelles_Team;
        int32_t punkt = -1;
        switch (Manager_Icon_Welcher_Togglebutton_Ist_An(t, 4, 704, 705, 706, 707)) {
        // 1064 keeps the screen chosen before.
        case 704: punkt = Manager_Icon_Welcher_Togglebutton_Ist_An(t, 3, 1061, 1062, 1063); break;
        case 705: punkt = Manager_Icon_Welcher_Togglebutton_Ist_An(t, 3, 2001, 2002, 2003); break;
        case 706: punkt = Manager_Icon_Welcher_Togglebutton_Ist_An(t, 5, 2503, 2502, 2504, 2505, 2506); break;
        case 707: punkt = Manager_Icon_Welcher_Togglebutton_Ist_An(t, 4, 801, 802, 803, 804); break;
        default: break;
        }
        if (Menue_Icon* i = punkt >= 0 ? Menue_Screen_Icon_Aus_Nummer(punkt) : nullptr) start.refresh_prozedur = i->klick;
    }
    Menue_Icon_Liste_Hinzufuegen(Menue_Startliste);
}

void Menue_Startliste_Entfernen() { Menue_Icon_Liste_Entfernen(Menue_Startliste, 0); }

Menue_Kontextmenue* Menue_Team_Kontextmenue(Menue_Icon* icon)
{
    if (!icon || !Eingang_Get_Spiel_Gestartet() || icon->kennung_1 < 0) return nullptr;
    return Team_Popup_Menue_Erzeugen(icon->kennung_1);
}

bool Menue_Basis_Vorhanden() { return Menue_Screen_Icon_Ist_Vorhanden(701) != 0; }

void Menue_Basisicons_Pruefen(int32_t flag)
{
    static int32_t serien_flag = 0;
    if (!Menue_Basis_Vorhanden() || Menue_Modal_Tiefe() > 0) return;
    // While the pointer rests on a base icon the series view stays as it is.
    Menue_Serien_Info(serien_flag);
    Menue_Datum_Setzen();
    for (int32_t n : {701, 702, 759, 760})
        if (const Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(n))
            if (Maus_In_Rect(i->x, i->y, i->breite, i->hoehe)) return;
    serien_flag = flag;
    // Off the base icons but still in the panels' top strip: their bubble and glow go.
    const int32_t x = Maus_Get_X(), y = Maus_Get_Y();
    if (y < 45 && (x < 180 || (x > 420 && x < 550))) {
        Menue_Hilfe_Schliessen();
        Menue_Glow_Beenden();
    }
    for (int32_t n : {701, 702}) Menue_Screen_Icon_Aktiv_Setzen(1, n);
}

void Menue_Chat_Icon_Markieren(uint8_t an)
{
    Menue_Icon* icon = registriert(CHAT);
    if (!icon || Menue_Ist_Modal()) return;
    // Someone chats: the icon, hidden while the game had nobody to talk to, comes.
    icon->status &= ~ICON_VERSTECKT;
    icon->farbe = an ? 9 : 255;
    Menue_Screen_Icon_Zeichnen(icon);
}

int32_t Menue_Chat_Klick(Menue_Icon*, uint32_t)
{
    // The chat talks to the other PCs of a network game; alone there is nobody to talk to.
    if (Ablauf_Netz_Aktiv() && !Chat_Screen_Ist_Offen()) Menue_Chat_Oeffnen();
    return 0;
}

void Menue_Chat_Oeffnen()
{
    // The chat is modal over the menu: it runs until its OK button, the network pumped meanwhile.
    Chat_Screen();
    while (Chat_Screen_Ist_Offen() && !Programm_Ende) {
        Steuersignal_Verarbeiten();
        Os_Sleep(10);
        Chat_Screen();
    }
    while (Maus_Get_Tasten() != 0 && !Programm_Ende) {
    }
}
