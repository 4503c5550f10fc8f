// The club's context menu and the broadcast choice of its matches.
//
// Request 18 (client to server, format "vc"): one byte, the choice 0-3 a client's manager made
// for his own club; the server applies it to the caller's club only.
#include <vector>

#include "competitions/statistik_teaminfo.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "platform/print.h"
#include "platform/zufall.h"
#include "toolkit/kontextmenue.h"

namespace {

constexpr int32_t BIT_LIVE = 8, BIT_KONFERENZ = 16;
constexpr int32_t MAX_LIVE = 4, MAX_KONFERENZ = 6;
constexpr int32_t VERSUCHE = 50;
constexpr int32_t LISTE_MAX = 1000;
// The remote call that takes a client's choice for its own club to the server.
constexpr int32_t ANFRAGE_UEBERTRAGUNG = 18;

// A client's choice for its own club that the server has not yet been told (-1 none).
int32_t client_wahl = -1;

enum : int32_t { EINTRAG_SZENEN, EINTRAG_INFO };

// Takes the bit from one club of the list until fewer than `grenze` hold it.
void verdraengen(std::vector<int32_t>& liste, int32_t bit, int32_t grenze)
{
    while (int32_t(liste.size()) >= grenze) {
        const int32_t n = int32_t(liste.size());
        int32_t wahl = 0;
        for (int32_t versuch = 0; versuch < VERSUCHE; ++versuch) {
            const int32_t r = Zufall_Gross(0, n - 1);
            wahl = r;
            if (!Team_Hat_Manager(liste[size_t(r)])) break;
        }
        Team_Wert(TEAM_FLAGS, liste[size_t(wahl)], bit, TEAM_LOESCHEN);
        liste.erase(liste.begin() + wahl);
    }
}

uint8_t uebertragung_klick(int32_t eintrag, int32_t, int32_t team, int32_t)
{
    Team_Uebertragung_Setzen(eintrag, team);
    return 1;
}

uint8_t popup_klick(int32_t, int32_t art, int32_t team, int32_t)
{
    if (art == EINTRAG_INFO) Statistik_Teaminfo_Vor_Spiel(team);
    return 1;
}

Menue_Kontextmenue* uebertragung_menue(Menue_Kontextmenue* liste, int32_t eintrag)
{
    const int32_t team = liste ? liste->wert_a[eintrag] : -1;
    if (team < 0 || team >= Team_Anzahl) return nullptr;
    Menue_Kontextmenue* k = &Kontextmenue_Puffer;
    Menue_Init_Kontextmenue(k, nullptr, -1, POPUP_WAEHLBAR | POPUP_RADIO, uebertragung_klick);
    static const char* const TEXTE[] = {"Live-Übertragung an", "In der Konferenzschaltung", "Keine Übertragung",
                                        "Alle Übertragungen aus"};
    for (int32_t i = 0; i < 4; ++i) {
        k->texte[i] = TEXTE[i];
        k->wert_a[i] = team;
    }
    k->status[3] = POPUP_WAEHLBAR;
    const int32_t flags = Team_Wert(TEAM_FLAGS, team, 0, TEAM_LESEN);
    const int32_t aktuell = (flags & BIT_LIVE) ? 0 : (flags & BIT_KONFERENZ) ? 1 : 2;
    k->status[aktuell] |= POPUP_GEWAEHLT;
    k->status[2] |= POPUP_TRENNER;
    return k;
}

// The server's side of request 18: one byte, the choice; it changes the caller's club only.
bool uebertragung_anfrage(Internet_Aufruf* a)
{
    const int32_t team = int32_t(Handelndes_Team);
    const int32_t wahl = a->p->anzahl_c > 0 ? a->p->bytes[0] : -1;
    if (!Team_Uebertragung_Eigener_Verein(wahl, team))
        Print_Fehler("Team_Uebertragung: Wahl %d von Team %d abgewiesen", wahl, team);
    return true;
}

}  // namespace

void Team_Uebertragung_Setzen(int32_t wahl, int32_t team)
{
    if (team < 0 || team >= Team_Anzahl) return;
    // Only the server's copy of the bits decides which games a client sees live: the client's
    // choice for its own club goes there with the data of its turn.
    if (Netz_Rolle == 1 && wahl >= TEAM_UEBERTRAGUNG_LIVE && wahl <= TEAM_UEBERTRAGUNG_ALLE_AUS &&
        (team == Aktuelles_Team || wahl == TEAM_UEBERTRAGUNG_ALLE_AUS))
        client_wahl = wahl == TEAM_UEBERTRAGUNG_ALLE_AUS ? TEAM_UEBERTRAGUNG_KEINE : wahl;
    if (wahl == TEAM_UEBERTRAGUNG_ALLE_AUS) {
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Ist_Normal(t, 0)) Team_Wert(TEAM_FLAGS, t, BIT_LIVE | BIT_KONFERENZ, TEAM_LOESCHEN);
        return;
    }
    std::vector<int32_t> live, konferenz;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (t == team || !Team_Ist_Normal(t, 0)) continue;
        const int32_t f = Team_Wert(TEAM_FLAGS, t, 0, TEAM_LESEN);
        if ((f & BIT_LIVE) && int32_t(live.size()) < LISTE_MAX) live.push_back(t);
        if ((f & BIT_KONFERENZ) && int32_t(konferenz.size()) < LISTE_MAX) konferenz.push_back(t);
    }
    switch (wahl) {
    case TEAM_UEBERTRAGUNG_LIVE:
        Team_Wert(TEAM_FLAGS, team, BIT_KONFERENZ, TEAM_LOESCHEN);
        Team_Wert(TEAM_FLAGS, team, BIT_LIVE, TEAM_SETZEN);
        verdraengen(live, BIT_LIVE, MAX_LIVE);
        break;
    case TEAM_UEBERTRAGUNG_KONFERENZ:
        Team_Wert(TEAM_FLAGS, team, BIT_LIVE, TEAM_LOESCHEN);
        Team_Wert(TEAM_FLAGS, team, BIT_KONFERENZ, TEAM_SETZEN);
        verdraengen(konferenz, BIT_KONFERENZ, MAX_KONFERENZ);
        break;
    case TEAM_UEBERTRAGUNG_KEINE: Team_Wert(TEAM_FLAGS, team, BIT_LIVE | BIT_KONFERENZ, TEAM_LOESCHEN); break;
    default: break;
    }
}

bool Team_Uebertragung_Eigener_Verein(int32_t wahl, int32_t team)
{
    if (team < 0 || team >= Team_Anzahl || !Team_Ist_Normal(team, 0)) return false;
    switch (wahl) {
    case TEAM_UEBERTRAGUNG_LIVE:
        Team_Wert(TEAM_FLAGS, team, BIT_KONFERENZ, TEAM_LOESCHEN);
        Team_Wert(TEAM_FLAGS, team, BIT_LIVE, TEAM_SETZEN);
        return true;
    case TEAM_UEBERTRAGUNG_KONFERENZ:
        Team_Wert(TEAM_FLAGS, team, BIT_LIVE, TEAM_LOESCHEN);
        Team_Wert(TEAM_FLAGS, team, BIT_KONFERENZ, TEAM_SETZEN);
        return true;
    case TEAM_UEBERTRAGUNG_KEINE:
    case TEAM_UEBERTRAGUNG_ALLE_AUS: Team_Wert(TEAM_FLAGS, team, BIT_LIVE | BIT_KONFERENZ, TEAM_LOESCHEN); return true;
    default: return false;
    }
}

void Team_Uebertragung_Client_Senden()
{
    if (Netz_Rolle != 1 || client_wahl < 0) return;
    const Internet_Arg args[] = {Internet_Wert(client_wahl)};
    uint8_t fertig = 0;
    Internet_Client_Read(ANFRAGE_UEBERTRAGUNG, "vc", nullptr, &fertig, args, 1);
    // Unanswered, it goes again with the next data of the turn.
    if (fertig) client_wahl = -1;
}

void Team_Uebertragung_Client_Vergessen() { client_wahl = -1; }

void Team_Uebertragung_Fern_Registrieren() { Internet_Handler_Registrieren(ANFRAGE_UEBERTRAGUNG, uebertragung_anfrage); }

Menue_Kontextmenue* Team_Popup_Menue_Erzeugen(int32_t team)
{
    if (team < 0 || team >= Team_Anzahl) return nullptr;
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, Team_String(TEAM_NAME, team, nullptr, 0), -1, POPUP_WAEHLBAR, popup_klick);
    int32_t n = 0;
    // A remote client cannot change what the server broadcasts.
    if (Netz_Rolle != 1) {
        k->texte[n] = "Spielszenen-Anzeige";
        k->unterlisten[n] = uebertragung_menue;
        k->wert_c[n] = EINTRAG_SZENEN;
        k->wert_a[n++] = team;
    }
    k->texte[n] = "Team-Information";
    k->wert_a[n] = team;
    // The item procedure tells the entries apart by their meaning, not their row.
    k->wert_c[n] = EINTRAG_INFO;
    return k;
}
