// Team chooser by continent. The team list lives while the popup runs; a page is built when the
// popup opens it, so only its 33 crests are loaded at a time.
#include "competitions/wettbewerbsliste.h"

#include <cstdio>
#include <memory>
#include <new>
#include <vector>

#include "database/team.h"
#include "graphics/grafik_wappen.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/popup.h"

namespace {

constexpr int32_t NAME_LAENGE = 40;
constexpr uint16_t EINTRAG_STATUS = POPUP_WAEHLBAR | POPUP_BILD_FREIGEBEN;
const char* const TITEL[WETTBEWERBSLISTE_SEITEN] = {"Europa A-L", "Europa M-Z", "Asien", "Südamerika",
                                                    "Nordamerika", "Afrika", "Australien"};

const int32_t* liste = nullptr;   // team numbers of the running chooser
int32_t liste_anzahl = 0;
int32_t gewaehlt = -1;
Menue_Kontextmenue haupt;
Menue_Kontextmenue seite_puffer;
char namen[MENUE_KONTEXT_EINTRAEGE][NAME_LAENGE + 1];

Menue_Kontextmenue* seite_bauen(Menue_Kontextmenue*, int32_t eintrag) { return Wettbewerbsliste_Seite_Fuellen(eintrag); }

}  // namespace

uint8_t Wettbewerbsliste_Eintrag_Waehlbar(int32_t, int32_t, int32_t wert_a, int32_t)
{
    gewaehlt = wert_a;
    return 1;
}

int32_t Wettbewerbsliste_Teams_Zaehlen(int32_t kontinent)
{
    int32_t n = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) n += Team_Wert(TEAM_KONTINENT, t, 0, 0) == kontinent;
    return n;
}

Menue_Kontextmenue* Wettbewerbsliste_Seite_Fuellen(int32_t seite)
{
    if (seite < 0 || seite >= WETTBEWERBSLISTE_SEITEN) {
        Print_Fehler("Wettbewerbsliste_Seite_Fuellen: Seite %d gibt es nicht", seite);
        return nullptr;
    }
    Menue_Kontextmenue* k = &seite_puffer;
    Menue_Init_Kontextmenue(k, TITEL[seite], -1, EINTRAG_STATUS, Wettbewerbsliste_Eintrag_Waehlbar);
    const int32_t kontinent = seite < 2 ? 0 : seite - 1;
    // Outside a running chooser (an editor's preview, tests) the page reads the teams itself.
    std::vector<int32_t> eigene;
    const int32_t* teams = liste;
    int32_t anzahl = liste_anzahl;
    if (!teams) {
        eigene.resize(static_cast<size_t>(Team_Anzahl > 0 ? Team_Anzahl : 1));
        anzahl = Team_Get_Teams_Mit_Flag(eigene.data(), false);
        teams = eigene.data();
    }
    const int32_t resfile = ResFile_Handles[0].handle;
    int32_t n = 0;
    for (int32_t i = 0; i < anzahl && n < MENUE_KONTEXT_EINTRAEGE; ++i) {
        const int32_t t = teams[i];
        if (Team_Wert(TEAM_KONTINENT, t, 0, 0) != kontinent) continue;
        const char* name = Team_String(TEAM_NAME, t, nullptr, 0);
        const char* schlicht = Team_String(TEAM_NAME_ROH, t, nullptr, 0);
        if (!name || !schlicht) continue;
        // The plain name decides (a manager's club is shown marked); unsigned, so lower case and
        // umlauts (0xC4 ...) sort behind "M" as their codes say.
        if (seite < 2 && (static_cast<unsigned char>(schlicht[0]) < 'M') != (seite == 0)) continue;
        std::snprintf(namen[n], sizeof namen[n], "%s", name);
        k->texte[n] = namen[n];
        k->wert_a[n] = t;
        k->bilder[n] = resfile >= 0 ? Grafik_Wappen_Laden(resfile, nullptr, 16, t, 0, 0, 1, 12, 12) : nullptr;
        ++n;
    }
    return k;
}

int32_t Wettbewerbsliste_Team_Auswahl()
{
    gewaehlt = -1;
    std::unique_ptr<int32_t[]> teams(new (std::nothrow) int32_t[Team_Anzahl > 0 ? Team_Anzahl : 1]);
    if (!teams) {
        Print_Fehler("Wettbewerbsliste_Team_Auswahl: kein Speicher für %d Teams", Team_Anzahl);
        return -1;
    }
    liste_anzahl = Team_Get_Teams_Mit_Flag(teams.get(), false);
    liste = teams.get();
    Menue_Init_Kontextmenue(&haupt, "Land wählen:", -1, POPUP_WAEHLBAR, nullptr);
    for (int32_t s = 0; s < WETTBEWERBSLISTE_SEITEN; ++s) {
        haupt.texte[s] = TITEL[s];
        haupt.unterlisten[s] = seite_bauen;
    }
    Popup_Liste_Ausfuehren(&haupt);
    liste = nullptr;
    liste_anzahl = 0;
    return gewaehlt;
}
