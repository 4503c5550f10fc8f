#include "screens/spieler_vereinsauswahl.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "toolkit/kontextmenue.h"

namespace {

constexpr uint16_t STATUS_UEBERSCHRIFT = 10, STATUS_LIGA = 1, STATUS_VEREIN = 161, STATUS_MANAGER = 168;

// The item texts live here: the record only points at them.
char haupt_texte[MENUE_KONTEXT_EINTRAEGE][96];
char liga_texte[MENUE_KONTEXT_EINTRAEGE][32];
int32_t aktuell = -1;
bool manager_markieren = false;
bool gemeldet = false;

const char* landname(int32_t land)
{
    const char* n = Team_String(TEAM_NAME, land, nullptr, 0);
    return n ? n : "";
}

}  // namespace

void Spieler_Einsetzen_Vereinsauswahl_Setzen(int32_t aktueller_verein, bool markieren)
{
    aktuell = aktueller_verein;
    manager_markieren = markieren;
}

namespace {

// One item of the picker: a country's heading (id -1) or one of its competitions.
struct Eintrag {
    int32_t land;
    int32_t id;
    bool heimat;
};

// The picker's items; `nur_ligen` 1 keeps only the base leagues of foreign countries, 2 those of
// every country (each club plays in one, so every club stays reachable).
std::vector<Eintrag> eintraege(const std::vector<int32_t>& laender, bool alle, int32_t nur_ligen)
{
    std::vector<Eintrag> e;
    bool ausland = false;
    for (int32_t land : laender) {
        const bool heimat = land == int32_t(Team_Heimatland);
        int32_t alle_ids[1024];
        const int32_t basis = nur_ligen == 2 || (nur_ligen == 1 && !heimat) ? 1 : 0;
        const int32_t n = std::min(Wettbewerb_Get_Land_Wettbewerbe(land, alle_ids, basis), 1024);
        std::vector<int32_t> ids;
        for (int32_t j = 0; j < n && int32_t(ids.size()) < MENUE_KONTEXT_EINTRAEGE; ++j)
            if (alle || Wettbewerb_Team_Noch_Dabei(alle_ids[j], Aktuelles_Team)) ids.push_back(alle_ids[j]);
        if (ids.empty()) continue;
        if (heimat || !ausland) e.push_back({land, -1, heimat});
        ausland = ausland || !heimat;
        for (int32_t id : ids) e.push_back({land, id, heimat});
    }
    return e;
}

}  // namespace

void Spieler_Einsetzen_Vereinsauswahl_Menue(Menue_Kontextmenue* menue, int32_t erstes, Popup_Eintrag_Prozedur prozedur,
                                            bool alle, int32_t wert_c)
{
    if (!menue || erstes < 0 || !T || Team_Anzahl <= 0) return;
    std::vector<int32_t> laender(static_cast<size_t>(Team_Anzahl), -1);
    const int32_t n_laender = std::min(Eingang_Liga_Icons_Bauen(laender.data()), Team_Anzahl);
    laender.resize(size_t(std::max(n_laender, 0)));
    // A world with more competitions than the menu's rows shows the cups of foreign countries no
    // more, then no cups at all: their clubs are found through their leagues.
    const int32_t platz = MENUE_KONTEXT_EINTRAEGE - erstes;
    std::vector<Eintrag> e;
    for (int32_t nur_ligen = 0; nur_ligen <= 2; ++nur_ligen) {
        e = eintraege(laender, alle, nur_ligen);
        if (int32_t(e.size()) <= platz) break;
    }
    int32_t i = erstes;
    for (const Eintrag& x : e) {
        if (i >= MENUE_KONTEXT_EINTRAEGE) break;
        if (x.id < 0) {
            // The crest code takes a team: the country's own team, whose crest is its flag.
            if (x.heimat)
                std::snprintf(haupt_texte[i], sizeof haupt_texte[i], "Ligen und Vereine von ^gll%04d %s:", x.land,
                              landname(x.land));
            else
                std::snprintf(haupt_texte[i], sizeof haupt_texte[i], "Ausländische Ligen und Vereine");
            menue->texte[i] = haupt_texte[i];
            menue->status[i] = STATUS_UEBERSCHRIFT;
            menue->wert_a[i] = menue->wert_b[i] = -1;
            ++i;
            continue;
        }
        const char* name = Wettbewerb_Get_Anzeigename(x.id);
        if (x.heimat)
            std::snprintf(haupt_texte[i], sizeof haupt_texte[i], "%s", name ? name : "");
        else
            std::snprintf(haupt_texte[i], sizeof haupt_texte[i], "%s (^gll%04d %s)", name ? name : "", x.land,
                          landname(x.land));
        menue->texte[i] = haupt_texte[i];
        menue->status[i] = STATUS_LIGA;
        menue->wert_a[i] = x.id;
        menue->wert_b[i] = -1;
        menue->wert_c[i] = wert_c;
        menue->prozeduren[i] = prozedur;
        menue->unterlisten[i] = Spieler_Einsetzen_Vereinsauswahl_Liga;
        ++i;
    }
    if (int32_t(e.size()) > platz && !gemeldet) {
        gemeldet = true;
        Print_Fehler("Spieler_Einsetzen_Vereinsauswahl_Menue: mehr Ligen als Menüeinträge, der Rest fehlt");
    }
}

void Spieler_Einsetzen_Vereinsauswahl_Meldung_Vergessen() { gemeldet = false; }

Menue_Kontextmenue* Spieler_Einsetzen_Vereinsauswahl_Liga(Menue_Kontextmenue* menue, int32_t eintrag)
{
    if (!menue || eintrag < 0 || eintrag >= MENUE_KONTEXT_EINTRAEGE) return nullptr;
    Menue_Kontextmenue* k = &Kontextmenue_Puffer;
    Menue_Init_Kontextmenue(k, "", menue->wert_c[eintrag], 0, menue->prozeduren[eintrag]);
    int16_t teams[TEAM_MAX_ANZAHL];
    const int32_t n = std::min<int32_t>(Wettbewerb_Get_Teams(menue->wert_a[eintrag], teams), MENUE_KONTEXT_EINTRAEGE);
    const int32_t resfile = ResFile_Handles[0].handle;
    const int32_t tiefe = Grafik_Screen_Geometrie.depth ? Grafik_Screen_Geometrie.depth : 16;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t t = teams[i];
        const char* name = t >= 0 && t < Team_Anzahl ? Team_String(TEAM_NAME, t, nullptr, 0) : nullptr;
        std::snprintf(liga_texte[i], sizeof liga_texte[i], "%s", name ? name : "");
        k->texte[i] = liga_texte[i];
        k->wert_a[i] = t;
        k->wert_c[i] = menue->wert_c[eintrag];
        k->prozeduren[i] = menue->prozeduren[eintrag];
        k->status[i] = manager_markieren && Team_Hat_Manager(t) ? STATUS_MANAGER : STATUS_VEREIN;
        if (t == aktuell) k->status[i] |= POPUP_GEWAEHLT;
        k->bilder[i] = resfile >= 0 ? Grafik_Wappen_Laden(resfile, nullptr, tiefe, t, 0, 0, 1, 12, 12) : nullptr;
    }
    return k;
}
