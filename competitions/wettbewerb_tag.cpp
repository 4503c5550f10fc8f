// The day's games of a competition, its live table, the computer clubs' reaction during a game,
// and the friendly competition.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "match/spieltag.h"
#include "platform/print.h"

namespace {

// Byte offsets in the pitch module's live record.
constexpr size_t REC_HEIM_TORE = 20571, REC_GAST_TORE = 20572;
constexpr size_t REC_EINSATZ = 21724;  // + side
constexpr size_t REC_AKTIV = 21800;
constexpr int32_t REAKTION_AB_MINUTE = 60;
constexpr uint8_t EINSATZ_VOLL = 99;

Tabelle_Datensatz live_tabelle;
Wettbewerb_Id letzte_tabelle = -1;

// The competition of a game number, -1 for an unknown one.
Wettbewerb_Id wettbewerb_von(int32_t spiel)
{
    if (spiel <= 0 || spiel > SPIELE_LOCKS || !Spiele_Ist_Initialisiert()) return -1;
    const Spiele_Spiel* s = Spiele_Get_Spiel(spiel, 1);
    return s ? int32_t(s->wettbewerb) : -1;
}

// The day list of a competition, checked: a count beyond the room is refused.
bool tagesliste(Wettbewerb_Id id, int32_t* liste)
{
    liste[0] = 0;
    if (id < 0 || !Spieltag_Get_Spiele(id, liste)) {
        liste[0] = 0;
        return false;
    }
    if (liste[0] < 0 || liste[0] >= WETTBEWERB_TAGESLISTE) {
        Print_Fehler("Wettbewerb_Get_Heutige_Spiele: %d Spiele im Spieltag von Wettbewerb %d!\n", liste[0], id);
        liste[0] = 0;
        return false;
    }
    return liste[0] > 0;
}

// The table of a league or group up to its running match day, running scores included.
bool tabelle_bauen(Wettbewerb_Id id, Tabelle_Datensatz* t, int32_t team, int32_t minute)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w || (w->modus & KO_SYSTEM) || w->schalter[4] || w->spiele_block < 0) return false;
    if (!Spiele_Get_Block_Kopf(w->spiele_block)) return false;
    if (Wettbewerb_Tabelle_Vorbereiten(id, t) <= 0) return false;
    const int32_t bis_tag = std::clamp(w->spieltag, 0, std::max(0, w->spieltage - 1));
    Spiele_Tabelle_Berechnen(id, w->spiele_block, -1, bis_tag, (w->modus & ENGLISCHE_TABELLE) != 0, TAB_NORMAL, t,
                             team, 0, -1, minute >= 0 ? minute : -1, 0, 0, -1);
    std::fill(std::begin(t->tagesspiel), std::end(t->tagesspiel), 0);
    int32_t liste[WETTBEWERB_TAGESLISTE];
    if (tagesliste(id, liste))
        for (int32_t k = 1; k <= liste[0]; ++k) {
            const Spiele_Spiel* s = liste[k] > 0 && liste[k] <= SPIELE_LOCKS ? Spiele_Get_Spiel(liste[k], 1) : nullptr;
            if (!s) continue;
            for (int32_t slot = 0; slot < t->anzahl && slot < TABELLE_MAX_TEAMS; ++slot)
                if (t->team[slot] == s->heim || t->team[slot] == s->gast) t->tagesspiel[slot] = liste[k];
        }
    return true;
}

}  // namespace

bool Wettbewerb_Get_Heutige_Spiele(int32_t spiel, int32_t* liste)
{
    if (!liste) {
        Print_Fehler("Wettbewerb_Get_Heutige_Spiele: NULL-Pointer!\n");
        return false;
    }
    return tagesliste(wettbewerb_von(spiel), liste);
}

bool Wettbewerb_Spiel_Tagesspiele(int32_t spiel, int32_t* liste) { return Wettbewerb_Get_Heutige_Spiele(spiel, liste); }

bool Wettbewerb_Spiel_Tabelle(int32_t spiel, Tabelle_Datensatz* t, int32_t, int32_t team, int32_t, int32_t minute,
                              int32_t)
{
    const Wettbewerb_Id id = wettbewerb_von(spiel);
    if (!t || id < 0) return false;
    letzte_tabelle = id;
    return tabelle_bauen(id, t, team, minute);
}

Tabelle_Datensatz* Wettbewerb_Live_Tabelle() { return &live_tabelle; }

bool Wettbewerb_Live_Tabelle_Berechnen(Wettbewerb_Id id)
{
    if (id == -1) id = letzte_tabelle;
    if (tabelle_bauen(id, &live_tabelle, -1, -1)) return true;
    live_tabelle.anzahl = 0;
    return false;
}

void Wettbewerb_Computer_Reaktion(Wettbewerb_Id, int32_t, int32_t, int32_t heim, int32_t gast, int32_t minute,
                                  int32_t, uint8_t* record)
{
    if (!record || !record[REC_AKTIV] || minute <= REAKTION_AB_MINUTE) return;
    const int32_t tore[2] = {record[REC_HEIM_TORE], record[REC_GAST_TORE]};
    const int32_t teams[2] = {heim, gast};
    for (int32_t seite = 0; seite < 2; ++seite) {
        const int32_t team = teams[seite];
        if (team < 0 || team >= Team_Anzahl || Team_Hat_Manager(team)) continue;
        if (tore[seite] < tore[1 - seite]) record[REC_EINSATZ + size_t(seite)] = EINSATZ_VOLL;
    }
}

// ---- The friendly competition ----

namespace {

// The friendly competition's record, made when missing; null with a message when no record or
// id is free.
Wettbewerb_Datensatz* freundschaft_holen()
{
    if (Wettbewerb_Datensatz* w = wb_per_id(Wettbewerb_Get_Dummy_Id())) return w;
    int32_t nummer = 0;
    while (nummer < WETTBEWERB_ANZAHL && wb_benutzt(wb_daten[nummer])) ++nummer;
    Wettbewerb_Id id = WETTBEWERB_MAX_ID;
    while (id > WETTBEWERB_MAX_LIGA_ID && wb_per_id(id)) --id;
    if (nummer >= WETTBEWERB_ANZAHL || id <= WETTBEWERB_MAX_LIGA_ID) {
        Print_Fehler("Freundschaftsspiele: kein Wettbewerb mehr frei!\n");
        return nullptr;
    }
    Wettbewerb_Datensatz& w = wb_daten[nummer];
    ++wb_liste_stand;
    w = Wettbewerb_Leerer_Datensatz;
    std::snprintf(w.name, sizeof w.name, "%s", "Freundschaftsspiele");
    w.id = id;
    w.besitzer = nummer;
    w.super_art = SA_FREUNDSCHAFT;
    // Home and away sides; as many games a day as are arranged; no table, no extra time.
    w.modus = HEIMRECHT | SPIELE_PRO_SPIELTAG_VARIABEL;
    w.halbzeit_laenge = 45;
    w.anz_halbzeiten = 2;
    w.anz_halbzeiten_verl = 0;
    w.schalter[4] = 1;
    return &w;
}

bool freundschaft_fehler(const char* text, int32_t tag)
{
    Print_Fehler("Wettbewerb_Freundschaftsspiel_Einfuegen: %s (Tag %d)\n", text, tag);
    return false;
}

}  // namespace

bool Wettbewerb_Freundschaftsspiel_Einfuegen(int32_t tag, int32_t heim, int32_t gast)
{
    if (Netz_Rolle == 1) {
        Print_Fehler("Client-Zugriff: Wettbewerb_Freundschaftsspiel_Einfuegen");
        return false;
    }
    if (!Wettbewerb_Bereit() || !Spiele_Ist_Initialisiert()) return freundschaft_fehler("Wettbewerbe nicht bereit", tag);
    if (heim < 0 || gast < 0 || heim >= Team_Anzahl || gast >= Team_Anzahl || heim == gast)
        return freundschaft_fehler("Teams falsch", tag);
    if (tag <= Kalender_Get_Heute()) return freundschaft_fehler("Tag schon vorbei", tag);
    Wettbewerb_Datensatz* w = freundschaft_holen();
    if (!w) return false;
    // The season change deleted last season's block: the match days count anew.
    if (w->spiele_block < 0 || !Spiele_Get_Block_Kopf(w->spiele_block)) {
        w->spiele_block = -1;
        w->spieltage = w->spieltag = w->runde = 0;
    }

    // One match day per day: the day's own, or the next one, entered in the calendar.
    int32_t spieltag = Kalender_Get_Spieltag_Nummer(tag, w->id);
    const bool neuer_tag = spieltag < 0;
    if (neuer_tag) {
        const Spiele_Block_Kopf* k = w->spiele_block >= 0 ? Spiele_Get_Block_Kopf(w->spiele_block) : nullptr;
        spieltag = k ? int32_t(k->spieltage) : 0;
        // The match day after the last one stays open, so the end of a day never ends the season.
        if (spieltag + 1 >= WETTBEWERB_MAX_SPIELTAGE) return freundschaft_fehler("zu viele Spieltage", tag);
    } else {
        for (int32_t slot = 0; slot < 128; ++slot) {
            const int32_t h = Spiele_Lock(w->spiele_block, spieltag, 0, slot);
            if (!h) break;
            const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
            Spiele_Unlock(h);
            if (s.heim == heim || s.gast == heim || s.heim == gast || s.gast == gast)
                return freundschaft_fehler("ein Team spielt an diesem Tag schon", tag);
        }
    }
    if (neuer_tag && !Kalender_Spieltag_Einfuegen(w->id, spieltag, tag)) return freundschaft_fehler("kein Termin", tag);
    const int32_t block = Spiele_Spiel_Einfuegen(1, w->spiele_block, w->id, spieltag, 0, heim, gast);
    if (block < 0) return freundschaft_fehler("Spiel nicht eingetragen", tag);
    w->spiele_block = block;
    w->spieltage = std::max(w->spieltage, spieltag + 2);
    return true;
}

void wb_freundschaft_tag()
{
    Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(Wettbewerb_Get_Dummy_Id()) : nullptr;
    if (!w) return;
    // Friendlies are entered in the order they were arranged: today's match day comes from the calendar.
    const int32_t spieltag = Kalender_Get_Spieltag_Nummer(Kalender_Get_Heute(), w->id);
    if (spieltag >= 0 && spieltag < w->spieltage) {
        w->spieltag = spieltag;
        w->runde = 0;
    }
}
