#include "screens/spieler_liste_knoepfe.h"

#include <algorithm>

#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "screens/spieler_liste.h"
#include "toolkit/dienste.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"

namespace {

// The own list's types: forwards, midfield, all, defence, goalkeepers.
constexpr int32_t TYPEN[5] = {1248, 1249, 1250, 1251, 1252};
constexpr const char* TYP_ZEICHEN[5] = {"S", "M", "*", "A", "T"};
constexpr const char* TYP_HILFE[5] = {"Stürmer einblenden", "Mittelfeldspieler einblenden", "Alle Spieler einblenden",
                                      "Abwehrspieler einblenden", "Torhüter einblenden"};

bool mit_manager() { return Aktuelles_Team >= 0 && Aktuelles_Team < Team_Anzahl && Team_Hat_Manager(Aktuelles_Team); }

int32_t liste_von(int32_t icon)
{
    for (int32_t l = 0; l < 3; ++l)
        if (icon == LISTE_KNOPF_FARBE[l] || icon == LISTE_KNOPF_ANZEIGE[l] || icon == LISTE_KNOPF_SCHNELL[l] ||
            icon == LISTE_KNOPF_NUR_PLATZ[l])
            return l;
    return std::find(TYPEN, TYPEN + 5, icon) != TYPEN + 5 ? 0 : -1;
}

uint16_t farbe(int r, int g, int b) { return Grafik_Farbe(uint32_t(r), uint32_t(g), uint32_t(b)); }

// The page is drawn again: the lists, and what a closed menu lay over.
void neu_zeichnen() { Menue_Bereich_Refresh(0, 0, 40, 598, 480); }

int32_t zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const int32_t l = liste_von(icon->nummer);
    if (l < 0) return 0;
    const bool an = Spieler_Einsetzen_Listen_Knopf_An(icon->nummer);
    if (icon->nummer == LISTE_KNOPF_SCHNELL[l]) {
        // the quick sort's face: 162/164 under the own list, 163/165 under the other
        Rastport* b = Menue_Get_Slave_Rastport((l == 0 ? 162 : 163) + (an ? 2 : 0));
        if (b) {
            Grafik_Blit(b, 0, 0, int32_t(b->width), int32_t(b->height), z, icon->x, icon->y);
            return 0;
        }
    }
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(0, 0, 0));
    Grafik_Rechteck_Fuellen(z, icon->x + 1, icon->y + 1, icon->breite - 2, icon->hoehe - 2, an ? farbe(15, 9, 0) : farbe(3, 5, 9));
    const char* t = "";
    int32_t tinte = int32_t(farbe(15, 15, 15));
    if (icon->nummer == LISTE_KNOPF_FARBE[l]) {
        // lit while the chosen attributes colour the list, dim while the quick sort does
        t = "lt. Kontextm.";
        tinte = int32_t(UI_Farbtabelle[Spieler_Einsetzen_Listen_Knopf_An(LISTE_KNOPF_SCHNELL[l]) ? 42 : 41].farbe);
    } else if (icon->nummer == LISTE_KNOPF_ANZEIGE[l]) {
        t = "+";
    } else if (icon->nummer == LISTE_KNOPF_NUR_PLATZ[l]) {
        t = "E";
    } else if (icon->nummer == LISTE_KNOPF_SCHNELL[l]) {
        t = "!";
    } else {
        t = TYP_ZEICHEN[std::find(TYPEN, TYPEN + 5, icon->nummer) - TYPEN];
    }
    Grafik_Printf(z, Font(4), "^c%05d%s", icon->x + 3, icon->y + 9, tinte, t);
    return 0;
}

int32_t klick(Menue_Icon* icon, uint32_t)
{
    if (icon && Spieler_Einsetzen_Listen_Knopf_Klick(icon->nummer)) neu_zeichnen();
    return 1;
}

// The menus' choices redraw the lists afterwards.
template <Popup_Eintrag_Prozedur Wahl>
uint8_t gewaehlt_neu(int32_t e, int32_t c, int32_t a, int32_t b)
{
    const uint8_t r = Wahl(e, c, a, b);
    neu_zeichnen();
    return r;
}
Menue_Kontextmenue* umleiten(Menue_Kontextmenue* m, Popup_Eintrag_Prozedur nach)
{
    if (m)
        for (auto& p : m->prozeduren)
            if (p) p = nach;
    return m;
}
Menue_Kontextmenue* farb_menue(Menue_Icon* i) { return i ? umleiten(Spieler_Einsetzen_Farb_Menue(liste_von(i->nummer)), gewaehlt_neu<Spieler_Einsetzen_Farbe_Gewaehlt>) : nullptr; }
Menue_Kontextmenue* anzeige_menue(Menue_Icon* i)
{
    return i ? umleiten(Spieler_Einsetzen_Anzeige_Menue(liste_von(i->nummer)), gewaehlt_neu<Spieler_Einsetzen_Anzeige_Gewaehlt>) : nullptr;
}
Menue_Kontextmenue* schnell_menue(Menue_Icon* i)
{
    return i ? umleiten(Spieler_Einsetzen_Schnell_Menue(liste_von(i->nummer)), gewaehlt_neu<Spieler_Einsetzen_Schnell_Gewaehlt>) : nullptr;
}

}  // namespace

bool Spieler_Einsetzen_Listen_Knopf_An(int32_t icon)
{
    if (!mit_manager() || liste_von(icon) < 0) return false;
    // a type is lit while the list shows it
    static constexpr int32_t TYP_BIT[5] = {8, 4, 15, 2, 1};
    if (const int32_t* t = std::find(TYPEN, TYPEN + 5, icon); t != TYPEN + 5) {
        const int32_t bit = TYP_BIT[t - TYPEN];
        return (Spieler_Einsetzen_Typ_Maske() & bit) == bit;
    }
    const int32_t l = liste_von(icon);
    if (icon == LISTE_KNOPF_FARBE[l] || icon == LISTE_KNOPF_ANZEIGE[l]) return false;
    return Manager_Icon_Button_Lesen(Aktuelles_Team, icon) != 0;
}

bool Spieler_Einsetzen_Listen_Knopf_Klick(int32_t icon)
{
    const int32_t l = liste_von(icon);
    if (!mit_manager() || l < 0) return false;
    if (std::find(TYPEN, TYPEN + 5, icon) != TYPEN + 5) {
        Spieler_Einsetzen_Typ_Klick(icon);
        return true;
    }
    if (icon == LISTE_KNOPF_ANZEIGE[l]) {
        Menue_Requester(1, Aktuelles_Team, "Dieser Knopf reagiert nur auf die rechte Maustaste:^ldort wählen Sie, was die Liste anzeigt.",
                        nullptr, nullptr, 0);
        return false;
    }
    // the colour sorting and the quick sort take turns: either click switches between them
    if (icon == LISTE_KNOPF_FARBE[l]) icon = LISTE_KNOPF_SCHNELL[l];
    Manager_Icon_Button_An_Aus(Aktuelles_Team, icon, Manager_Icon_Button_Lesen(Aktuelles_Team, icon) ? 0 : 1);
    return true;
}

int32_t Spieler_Einsetzen_Listen_Knoepfe(Menue_Icon* aus, int32_t max, int32_t liste, int32_t x, int32_t y)
{
    if (!aus || liste < 0 || liste > 2) return 0;
    int32_t n = 0;
    auto hinzu = [&](int32_t nummer, int32_t dx, int32_t dy, int32_t w, const char* hilfe, Menue_Kontext_Prozedur kontext) {
        if (n >= max) return;
        Menue_Icon i = Menue_Icon_Vorlage(int16_t(nummer), -1, 0, int16_t(x + dx), int16_t(y + dy), uint16_t(w), 12, 5, 255);
        i.refresh_prozedur = zeichnen;
        i.klick = klick;
        i.kontext = kontext;
        i.hilfetext = hilfe;
        i.status = ICON_SPAETER_REFRESH;
        aus[n++] = i;
    };
    hinzu(LISTE_KNOPF_FARBE[liste], 0, 0, 76, "Eigenschaften, nach denen farblich SORTIERT wird^l(je heller die Schriftfarbe ist, desto besser ist der Spieler)",
          farb_menue);
    hinzu(LISTE_KNOPF_SCHNELL[liste], 78, 0, 16, "\"Nur mal schnell\"^lnach dieser Eigenschaft sortieren", schnell_menue);
    hinzu(LISTE_KNOPF_ANZEIGE[liste], 96, 0, 13, "Eigenschaften, die in der Spieler-Liste angezeigt werden", anzeige_menue);
    hinzu(LISTE_KNOPF_NUR_PLATZ[liste], 111, 0, 13, "Nur die eingesetzten Spieler anzeigen", nullptr);
    if (liste == 0)
        for (int32_t k = 0; k < 5; ++k) hinzu(TYPEN[k], 15 * k, 14, 13, TYP_HILFE[k], nullptr);
    return n;
}
