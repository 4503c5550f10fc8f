// The managers' yearly vote on the points rule of the home leagues, and entry points of the
// league screens' match count and the chart points until they land.
#include <cstdint>

#include "competitions/spiele.h"
#include "competitions/statistik_teaminfo.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"

namespace {

constexpr int32_t FRAGE_REGEL = 8;
constexpr int32_t FRIST_TAGE = 14;
constexpr int32_t ABSTIMMUNG_TAG = 1, ABSTIMMUNG_MONAT = 3;

Wettbewerb_Abstimmung_Beobachter abstimmung_beobachter = nullptr;
Ligen_Paarungen_Abfrage paarungen_abfrage = nullptr;
Wettbewerb_Abstimmung abstimmung;

// The base leagues of the home country; every base league when the world names no home country.
bool heimliga(const Wettbewerb_Datensatz& w)
{
    if (!w.basisliga) return false;
    const int32_t heimat = Team_Get_Heimatland();
    return heimat < 0 || heimat == 0xFFFF || w.land == heimat;
}

int32_t manager_teams(int32_t* teams)
{
    int32_t n = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Hat_Manager(t)) {
            if (teams) teams[n] = t;
            ++n;
        }
    return n;
}

void abstimmung_starten(int32_t heute)
{
    const Wettbewerb_Datensatz* erste = nullptr;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL && !erste; ++i)
        if (const Wettbewerb_Datensatz* w = wb_link(i); w && wb_benutzt(*w) && heimliga(*w)) erste = w;
    // Nothing to vote on, or a switch already waits for the next season.
    if (!erste || erste->englische_tabelle_neu != -1 || manager_teams(nullptr) == 0) return;
    abstimmung = {heute + FRIST_TAGE, 0, 0, (erste->modus & ENGLISCHE_TABELLE) ? 0 : 1};
    const char* was = abstimmung.vorschlag ? "eingeführt" : "abgeschafft";
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Hat_Manager(t)) continue;
        const News_Frage f{{FRAGE_REGEL, -1, t, abstimmung.frist, abstimmung.vorschlag, 0, 0, -1}};
        News_Senden(-1, t, -1, NEWS_ART_FRAGE, &f,
                    "Abstimmung: Soll die Drei-Punkte-Regel in den Ligen ab der nächsten Saison %s werden? Ihre "
                    "Stimme zählt bis zum %s.",
                    was, Kalender_Get_Datum_String(abstimmung.frist));
    }
}

void abstimmung_beenden()
{
    // Yes above half of the votes cast adopts; no vote cast adopts nothing.
    const bool angenommen = abstimmung.stimmen > 0 && 2 * abstimmung.ja > abstimmung.stimmen;
    if (angenommen)
        for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i)
            if (Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(i); w && wb_benutzt(*w) && heimliga(*w))
                w->englische_tabelle_neu = int8_t(abstimmung.vorschlag);
    const char* was = abstimmung.vorschlag ? "eingeführt" : "abgeschafft";
    if (angenommen)
        News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr,
                    "Die Regeländerung wurde mit %d von %d Stimmen angenommen: Ab der nächsten Saison ist die "
                    "Drei-Punkte-Regel in den Ligen %s.",
                    abstimmung.ja, abstimmung.stimmen, was);
    else
        News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr,
                    "Die Regeländerung wurde mit %d von %d Stimmen abgelehnt: Die Drei-Punkte-Regel wird nicht %s.",
                    abstimmung.ja, abstimmung.stimmen, was);
    abstimmung = Wettbewerb_Abstimmung{};
}

}  // namespace

void Wettbewerb_Set_Abstimmung_Beobachter(Wettbewerb_Abstimmung_Beobachter b) { abstimmung_beobachter = b; }
void Ligen_Set_Paarungen_Abfrage(Ligen_Paarungen_Abfrage a) { paarungen_abfrage = a; }

void Wettbewerb_Regel_Abstimmung_Zaehlen(bool ja)
{
    if (abstimmung_beobachter) abstimmung_beobachter(ja);
    // A vote with no proposal open counts nothing.
    if (abstimmung.frist < 0) return;
    ++abstimmung.stimmen;
    if (ja) ++abstimmung.ja;
}

Wettbewerb_Abstimmung Wettbewerb_Get_Abstimmung() { return abstimmung; }

void Wettbewerb_Set_Abstimmung(const Wettbewerb_Abstimmung& a)
{
    abstimmung = a;
    if (abstimmung.frist < 0 || abstimmung.stimmen < 0 || abstimmung.ja < 0 || abstimmung.ja > abstimmung.stimmen ||
        (abstimmung.vorschlag != 0 && abstimmung.vorschlag != 1))
        abstimmung = Wettbewerb_Abstimmung{};
}

void wb_regel_tag()
{
    if (!Wettbewerb_Bereit() || Netz_Rolle == 1) return;
    const int32_t heute = Kalender_Get_Heute();
    // A vote from another game (before its start, or past its deadline unnoticed) is dropped.
    if (abstimmung.frist >= 0 && (heute < abstimmung.frist - FRIST_TAGE || heute > abstimmung.frist))
        abstimmung = Wettbewerb_Abstimmung{};
    if (abstimmung.frist >= 0 && heute == abstimmung.frist) abstimmung_beenden();
    const Kalender_Datum d = Kalender_Get_Datum(heute, 0);
    if (abstimmung.frist < 0 && d.tag == ABSTIMMUNG_TAG && d.monat == ABSTIMMUNG_MONAT) abstimmung_starten(heute);
}

int32_t Ligen_Tabelle_Paarungen_Ermitteln(Wettbewerb_Id id, int32_t team)
{
    if (paarungen_abfrage) return paarungen_abfrage(id, team);
    if (!Wettbewerb_Bereit() || !Spiele_Ist_Initialisiert()) return 0;
    const Wettbewerb_Id oben = Wettbewerb_Get_Oberwettbewerb(id);
    if (oben < 0) return 0;
    int32_t n = 0;
    // Rounds of the chain, each with its parallel groups; every lock is released again.
    for (Wettbewerb_Id runde = Wettbewerb_Get_Erster_Der_Kette(oben); runde >= 0;
         runde = Wettbewerb_Get_Naechster_Der_Kette(runde))
        for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(runde); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g)) {
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(g);
            if (!info) continue;
            const int32_t block = info->spiele_block, tage = info->spieltage;
            for (int32_t tag = 0; tag < tage; ++tag) {
                const int32_t paare = Wettbewerb_Get_Paarung(g, tag);
                for (int32_t p = 0; p < paare; ++p) {
                    const int32_t h = Spiele_Lock(block, tag, 0, p);
                    if (!h) continue;
                    const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
                    if (s && s->heim != SPIELE_KEIN_TEAM && s->gast != SPIELE_KEIN_TEAM &&
                        (s->heim == team || s->gast == team))
                        ++n;
                    Spiele_Unlock(h);
                }
            }
        }
    return n;
}

bool Statistik_Sortieren(const int32_t* werte, int32_t anzahl, int32_t* x, int32_t* y, int32_t links, int32_t oben,
                         int32_t rechts, int32_t unten, int32_t abstand_1, int32_t abstand_2, int32_t minimum,
                         int32_t maximum, int32_t orientierung)
{
    return Statistik_Graph_Punkte(werte, anzahl, x, y, links, oben, rechts, unten, abstand_1, abstand_2, minimum,
                                  maximum, orientierung);
}
