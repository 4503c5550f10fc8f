// The results pages of a PC whose manager plays there while the day's games are kept elsewhere:
// a network client closes no match day (the server does), so it shows the day's results itself,
// each competition's scores asked from the server first.
#include <memory>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "match/spieltag_intern.h"
#include "matchview/spieltagbericht.h"
#include "platform/liste.h"

namespace {

// One request brings the final scores of every game of the competition's match day and leg
// into the records this PC holds; the game that asks only names them.
void ergebnisse_holen(const Spieltag_Eintrag& e)
{
    for (uint32_t i = 0; i < e.n; ++i)
        if (Spiele_Get_Spiel(e.spiel(i), 1)) {
            Spiele_Client_Spiele_Holen(e.spiel(i), -1);
            return;
        }
}

}  // namespace

void Spieltag_Ergebnisse_Zeigen()
{
    if (!(Netz_Rolle & 1) || !spieltag_laeuft()) return;
    Spielfeld_Ansicht_Freigeben();
    // Tables kept from before the games (the live view's) would not hold today's results.
    Spiele_Tabellen_Cache_Leeren();
    auto tabelle = std::make_unique<Tabelle_Datensatz>();
    for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
        const Spieltag_Eintrag e = spieltag_eintrag(knoten);
        if (!e.n) continue;
        const Wettbewerb_Info* ip = Wettbewerb_Get_Info(e.wettbewerb);
        if (!ip) continue;
        const Wettbewerb_Info info = *ip;
        ergebnisse_holen(e);
        *tabelle = Tabelle_Datensatz{};
        Wettbewerb_Tabelle_Vorbereiten(e.wettbewerb, tabelle.get());
        Spiele_Tabelle_Berechnen(e.wettbewerb, info.spiele_block, 0, info.spieltag + 1,
                                 (info.modus & ENGLISCHE_TABELLE) ? 1 : 0, 31, tabelle.get(), -1, 0, -1, -1, 0, 0, -1);
        Spieltagbericht_Ergebnisse_Zeigen(e.wettbewerb);
    }
}
