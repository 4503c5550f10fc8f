// The watched auction's screen: each pass of the running auction it pumps the window, reads a
// click on a column or a key '1'-'7', and brings the page (background, the player at the top,
// per used column the club's crest, the terms and the bar of the bid level, the clock) up to
// date: whole where more than the clock changed, else the clock alone. Headless, while no picture
// is asked for, nothing is drawn: a dump draws the page as the last pass left it.
// The screen under it is kept and put back when the auction ends.
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "database/spieler.h"
#include "database/team.h"
#include "economy/auktion.h"
#include "economy/oekonomie_schirm.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/mauszeiger.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/win95.h"
#include "database/teamspieler.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_figur.h"
#include "screens/spieler_gesicht.h"
#include "toolkit/key_input.h"

namespace {

constexpr int32_t BILD_GRUND = 462, BILD_SAEULE = 463, BILD_BALKEN = 470;
constexpr int32_t SPALTE_X = 8, SPALTE_ABSTAND = 90, SAEULE_Y = 200, BALKEN_UNTEN = 470;

constexpr int32_t KLANG_MURMELN = 474, KLANG_GONG = 475;

Rastport* gesichert = nullptr;
bool maus_unten = false;
int32_t spnr = -1;
int murmeln = -1, gong = -1;
int32_t letzter_fuehrender = -1;
// The pointer before the auction, and the hand's: the pointer that says "click here".
int32_t zeiger_vorher = 0;
constexpr int32_t ZEIGER_HAND = 6;
// The auction plays on by itself while it shows: a script's wait lasts its time frame by frame
// instead of leaping the clock past a page that is never drawn. It runs inside the day's work,
// which holds a script's lines; while it shows it waits for the player as a requester does, and
// takes them.
bool laufend_vorher = false, gehalten_vorher = false;

// The auction's pictures, read from the resource file when first drawn and kept until it ends:
// every change draws the whole page, and reading its background each time cost more than all
// the rest of the drawing. A picture that does not load stays missing for the auction.
std::map<int32_t, Rastport*> bilder;

Rastport* bild(int32_t nummer)
{
    if (const auto da = bilder.find(nummer); da != bilder.end()) return da->second;
    Rastport* b = nullptr;
    if (ResFile_Handles[0].handle >= 0 && Grafik_Render_Ziel)
        b = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, nummer, Grafik_Render_Ziel->depth, nullptr));
    bilder[nummer] = b;
    return b;
}

void bilder_freigeben()
{
    for (auto& [nummer, b] : bilder)
        if (b) Grafik_Bitmap_Freigeben(b);
    bilder.clear();
}

int klang_laden(int32_t nummer)
{
    std::vector<uint8_t> wav;
    if (ResFile_Handles[0].handle < 0 || !Soundeffekt_Resource_Holen(ResFile_Handles[0].handle, nummer, wav)) return -1;
    return Sound_Load_Sample(wav.data(), uint32_t(wav.size()));
}

// The gong sounds from the new leader's side of the screen.
void gong_bei_neuem_fuehrenden()
{
    const Auktion_Stand& st = Auktion_Get_Stand();
    int32_t c = -1;
    for (int32_t k = 0; k < AUKTION_SPALTEN; ++k)
        if (st.fuehrend[k]) c = k;
    if (c >= 0 && c != letzter_fuehrender && gong >= 0)
        Sound_Play(gong, 0, 0, Sound_Volume_Max(), Sound_Pan_Links() + (Sound_Pan_Rechts() - Sound_Pan_Links()) * c / 6);
    letzter_fuehrender = c;
}

int32_t spalte_x(int32_t c) { return SPALTE_X + c * SPALTE_ABSTAND; }

// The column under the pointer: its crest, terms or bar.
int32_t spalte_unter_zeiger()
{
    const int32_t x = Maus_Get_X(), y = Maus_Get_Y();
    if (y < 120 || y > 478) return -1;
    for (int32_t c = 0; c < AUKTION_SPALTEN; ++c)
        if (x >= spalte_x(c) && x < spalte_x(c) + 84 && Auktion_Get_Stand().angebot[c] >= 0) return c;
    return -1;
}

// What the page shows at one pass: the auction as it stood and the column under the pointer.
struct Seite {
    Auktion_Anzeige a;
    int32_t ueber = -1;
    bool operator==(const Seite&) const = default;
};
// The last pass's page, and what page 0 holds (valid once drawn since the auction began).
Seite jetzt, gezeichnet;
bool erfasst = false, gueltig = false;

// The clock's box: nothing else on the page reaches into it after it is drawn, so the clock
// alone is drawn anew where only the time moved.
constexpr int32_t UHR_X = 470, UHR_Y = 20, UHR_B = 150, UHR_H = 50;

void uhr_zeichnen(const Auktion_Anzeige& a)
{
    Oek_Kasten(UHR_X, UHR_Y, UHR_B, UHR_H, Oek_Farbe(1, 1, 2), Oek_Farbe(15, 12, 0));
    // The clock's text falls back to its colour after each part: it is given the clock's own.
    std::string uhr = Auktion_Uhr_Text(a);
    const std::string gelb = Oek_Fmt("^c%05d", int(Oek_Farbe(15, 12, 0)));
    for (size_t k = uhr.find("^c00000"); k != std::string::npos; k = uhr.find("^c00000", k + gelb.size())) uhr.replace(k, 7, gelb);
    Oek_Zeile(500, 52, uhr, Oek_Farbe(15, 12, 0));
}

void zeichnen(const Seite& seite)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z) return;
    if (Rastport* grund = bild(BILD_GRUND)) Oek_Rastport_Zeigen(grund, 0, 0, false);
    else Grafik_Rechteck_Fuellen(z, 0, 0, 640, 480, Oek_Farbe(2, 2, 5));
    const Auktion_Anzeige& a = seite.a;
    const Auktion_Stand& st = a.stand;
    // The player: his portrait on his figure in his club's colours, name, strength, age and his
    // best attributes.
    Oek_Kasten(8, 8, 624, 100, Oek_Farbe(14, 14, 12), Oek_Farbe(9, 2, 0));
    if (spnr >= 0) {
        Spieler_Figur_Mit_Gesicht(z, 30, 10, spnr, Teamspieler_Get_Team_Des_Spielers(-1, spnr, -1));
        Oek_Zeile(100, 30, Spieler_String(SP_VOLLNAME, spnr, nullptr, 0), Oek_Farbe(9, 2, 0));
        Oek_Zeile(100, 46, Oek_Fmt("Stärke: %d", Spieler_Wert(SP_K_I_T, spnr, 0, 0)));
        Oek_Zeile(100, 62, Oek_Fmt("%d Jahre", Spieler_Wert(SP_ALTER, spnr, 0, 0)));
        int32_t beste[4];
        Spieler_Herausragende_Attribute(spnr, 0, 0, beste);
        int32_t ax = 250;
        for (int32_t a : beste) {
            if (a < 0) continue;
            int32_t b = 0, h = 0;
            if (!Sp_Attribute_Blit(z, a, ax, 24, false, &b, &h)) continue;
            Oek_Zeile(ax + b + 4, 24 + h / 2 + 4, Spieler_Attribut_Namen[a]);
            ax += b + 8 + Font_Text_Breite(Font(11), Spieler_Attribut_Namen[a]) + 14;
        }
    }
    // (below the clock's line of extensions, which it ran into at the clock's height)
    Oek_Zeile(100, 104, st.verkaeufer_entscheidet ? "Klicken Sie auf eine Säule, um den Zuschlag zu erteilen."
                                                 : "Erhöhen Sie Ihr Angebot mit einem Klick auf Ihr Wappen oder mit Ihrer Taste.");
    uhr_zeichnen(a);
    Oek_Zeile(482, 84, Oek_Fmt("Verlängerungen: %d", st.verlaengerungen));
    const int32_t ueber = seite.ueber;
    for (int32_t c = 0; c < AUKTION_SPALTEN; ++c) {
        const int32_t i = st.angebot[c];
        if (i < 0) continue;
        const int32_t x = spalte_x(c);
        if (Rastport* saeule = bild(BILD_SAEULE + c)) Oek_Rastport_Zeigen(saeule, x, SAEULE_Y - 80, true);
        else Oek_Kasten(x, SAEULE_Y - 80, 84, 250, Oek_Farbe(4, 5, 9), Oek_Farbe(8, 9, 13));
        if (c == ueber) Oek_Kasten(x, SAEULE_Y - 80, 84, 3, Oek_Farbe(15, 15, 0), Oek_Farbe(15, 15, 0));
        const std::vector<std::string> t = Auktion_Spalte_Texte(a, c);
        const uint16_t farbe = st.stufe[c] > 0 ? Oek_Farbe(15, 15, 15) : Oek_Farbe(8, 8, 8);
        if (t.size() >= 6) {
            // The club and its crest over the terms.
            Oek_Zeile(x - 4, SAEULE_Y - 66, t[0], farbe);
            Oek_Zeile(x, SAEULE_Y - 10, t[1], farbe);
            Oek_Zeile(x, SAEULE_Y + 4, t[2], farbe);
            Oek_Zeile(x + 4, SAEULE_Y + 18, t[3], farbe);
            Oek_Zeile(x, SAEULE_Y + 32, t[4], farbe);
            Oek_Zeile(x + 4, SAEULE_Y + 46, t[5], farbe);
        }
        Grafik_Wappen_Laden(0, z, z->depth, a.spalte[c].bieter, x + 26, SAEULE_Y - 58, 1, 32, 32);
        Oek_Zeile(x + 30, SAEULE_Y + 66, Oek_Fmt("Taste %d", c + 1), farbe);
        // The bar of the bid level; the leader's in its own picture.
        const int32_t h = Auktion_Balken_Hoehe(a, c);
        Grafik_Rechteck_Fuellen(z, x + 34, BALKEN_UNTEN - 104, 18, 104, Oek_Farbe(2, 2, 3));
        Rastport* balken = h > 0 ? bild(BILD_BALKEN + (st.fuehrend[c] ? 2 : 0)) : nullptr;
        if (balken) Oek_Rastport_Ausschnitt(balken, x + 35, BALKEN_UNTEN - 1 - h, h, true);
        else if (h > 0)
            Grafik_Rechteck_Fuellen(z, x + 35, BALKEN_UNTEN - 1 - h, 16, h, st.fuehrend[c] ? Oek_Farbe(15, 12, 0) : Oek_Farbe(3, 9, 15));
        if (st.fuehrend[c]) Oek_Zeile(x + 8, BALKEN_UNTEN - 110, "führt", Oek_Farbe(15, 12, 0));
    }
}

// Brings page 0 and the display to `seite`: the whole page where more than the time moved, the
// clock's box where only the time did, nothing where nothing did.
void seite_zeigen(const Seite& seite)
{
    if (!Grafik_Seite_0 || (gueltig && seite == gezeichnet)) return;
    Seite ohne_zeit = seite;
    ohne_zeit.a.rest_ms = gezeichnet.a.rest_ms;
    ohne_zeit.a.stand.prozent = gezeichnet.a.stand.prozent;
    Rastport* ziel_vorher = Grafik_Render_Ziel;
    Grafik_Screen_Seite_Waehlen(0);
    if (gueltig && ohne_zeit == gezeichnet) {
        uhr_zeichnen(seite.a);
        Grafik_Screen_Rechteck_Zeigen(UHR_X, UHR_Y, UHR_B, UHR_H);
    } else {
        zeichnen(seite);
        Grafik_Screen_Rechteck_Zeigen(0, 0, 640, 480);
    }
    Grafik_Render_Ziel = ziel_vorher;
    gezeichnet = seite;
    gueltig = true;
}

// A headless picture taken: the page as the last pass left it.
void bild_nachholen()
{
    if (erfasst) seite_zeigen(jetzt);
}

Auktion_Eingabe eingabe()
{
    Auktion_Eingabe e;
    // The page is drawn where it is shown, on the front page.
    if (!gesichert && Grafik_Seite_0) {
        gesichert = Grafik_Bitmap_Anlegen(640, 480, Grafik_Seite_0->depth);
        if (gesichert) Grafik_Blit(Grafik_Seite_0, 0, 0, 640, 480, gesichert, 0, 0);
        maus_unten = (Maus_Get_Tasten() & 1) != 0;
    }
    Win95_Message_Pump();
    if (Programm_Ende) {
        e.ende = true;
        return e;
    }
    // A key is read after every pump of the pass: the next pump may take its release.
    auto tasten = [&e] {
        while (Key_Input_Taste_Vorhanden()) {
            const int32_t code = Key_Input_Taste_Holen();
            if (code >= '1' && code <= '7') e.spalte = code;
        }
    };
    tasten();
    const bool unten = (Maus_Get_Tasten() & 1) != 0;
    tasten();
    if (unten && !maus_unten) {
        const int32_t c = spalte_unter_zeiger();
        if (c >= 0) e.spalte = c;
    }
    maus_unten = unten;
    // Over a column the pointer becomes the hand, elsewhere the plain arrow (not the shape of the
    // button that answered the question before the auction).
    const int32_t zeiger = spalte_unter_zeiger() >= 0 ? ZEIGER_HAND : 0;
    if (zeiger != Mauszeiger_Get_Selected()) Mauszeiger_Select(zeiger);
    gong_bei_neuem_fuehrenden();
    jetzt = {Auktion_Get_Anzeige(), spalte_unter_zeiger()};
    erfasst = true;
    if (Os_Display_Bild_Gefragt()) seite_zeigen(jetzt);
    Grafik_Screen_Seite_Waehlen(1);
    Os_Sleep(10);
    return e;
}

void ende()
{
    if (gesichert && Grafik_Seite_0) {
        Grafik_Blit(gesichert, 0, 0, 640, 480, Grafik_Seite_0, 0, 0);
        Grafik_Screen_Rechteck_Zeigen(0, 0, 640, 480);
    }
    gesichert = Grafik_Bitmap_Freigeben(gesichert);
    erfasst = gueltig = false;
    bilder_freigeben();
    if (Mauszeiger_Get_Selected() != zeiger_vorher) Mauszeiger_Select(zeiger_vorher);
    spnr = -1;
    Os_Script_Laufender_Schirm(laufend_vorher);
    Os_Script_Halten(gehalten_vorher);
    if (murmeln >= 0) Sound_Stop(murmeln);
    murmeln = Sound_Free_Sample(murmeln);
    gong = Sound_Free_Sample(gong);
}

void anfang(int32_t spieler)
{
    spnr = spieler;
    erfasst = gueltig = false;
    letzter_fuehrender = -1;
    zeiger_vorher = std::max(0, Mauszeiger_Get_Selected());
    laufend_vorher = Os_Script_Laufender_Schirm(true);
    gehalten_vorher = Os_Script_Halten(false);
    murmeln = klang_laden(KLANG_MURMELN);
    gong = klang_laden(KLANG_GONG);
    if (murmeln >= 0) Sound_Play(murmeln, 1, 0, Sound_Volume_Max(), (Sound_Pan_Links() + Sound_Pan_Rechts()) / 2);
}

}  // namespace

void Auktion_Schirm_Registrieren()
{
    Auktion_Set_Schirm(eingabe, anfang, ende);
    Os_Display_Bild_Hook_Registrieren(bild_nachholen);
}
