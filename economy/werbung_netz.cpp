// Requests 1021-1023 of the advertising module. Request images hold the value arguments, 4 bytes
// each: 1021 none (reply: the 1520-byte sponsor table), 1022 team, task, value, 1023 team,
// sponsor, category, space, promised placing (reply: the club's 456-byte block).
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "database/team.h"
#include "economy/bild_felder.h"
#include "economy/werbung.h"
#include "economy/werbung_intern.h"
#include "gameflow/globals.h"
#include "platform/print.h"

namespace {

Werbung_Fernaufruf fernaufruf = nullptr;

int32_t senden(int32_t anfrage, std::vector<uint8_t>* block) { return fernaufruf ? fernaufruf(anfrage, block) : 0; }

std::vector<uint8_t> bild(std::initializer_list<int32_t> werte)
{
    std::vector<uint8_t> v(werte.size() * 4);
    size_t i = 0;
    for (int32_t w : werte) Bild_Setze_I32(v.data() + 4 * i++, w);
    return v;
}

bool eigenes_team(int32_t team) { return team >= 0 && uint32_t(team) == Handelndes_Team; }

// A promise the placing rocker can show: a place of the club's league, or the one it stands at.
bool platz_erlaubt(int32_t team, int32_t platz, int32_t bisher)
{
    return platz == bisher || (platz >= 1 && platz <= Werbung_Letzter_Platz(team));
}

}  // namespace

void Werbung_Set_Fernaufruf(Werbung_Fernaufruf aufruf) { fernaufruf = aufruf; }

int32_t Werbung_Server_Set_Agentur(int32_t team, int32_t aufgabe, int32_t wert)
{
    if (!Werbung_Ist_Initialisiert() || !eigenes_team(team)) return 0;
    Werbung_Team_Daten d;
    if (!Werbung_Team_Holen(team, &d)) return 0;
    // the client's values are checked: an agency 0..4 per task, the flag 0 or 1
    if (aufgabe >= 0 && aufgabe < WERBUNG_AUFGABEN && wert >= 0 && wert < WERBUNG_AGENTUREN)
        d.agentur[aufgabe] = uint8_t(wert);
    else if (aufgabe == -1 && (wert == 0 || wert == 1))
        d.europa_flag = uint8_t(wert);
    else
        return 0;
    Werbung_Team_Ablegen(team, d);
    return 1;
}

int32_t Werbung_Server_Vertrag(uint8_t* block, int32_t team, int32_t s, int32_t kategorie, int32_t flaeche,
                               int32_t platzierung)
{
    if (!Werbung_Ist_Initialisiert() || !eigenes_team(team) || kategorie < 0 || kategorie >= WERBUNG_KATEGORIEN)
        return 0;
    int32_t anzahl = 0, erste = 0;
    Werbung_Kategorie_Flaechen(kategorie, &anzahl, &erste);
    if ((flaeche != -1 && (flaeche < erste || flaeche >= erste + anzahl)) || s < 0 || s >= WERBEPARTNER_ANZAHL ||
        platzierung < 0 || platzierung > 255)
        return 0;
    Werbung_Team_Daten d;
    if (!Werbung_Team_Holen(team, &d) || !platz_erlaubt(team, platzierung, d.erwartet)) return 0;
    // the promise goes with the contract on a copy of the block: a refused contract changes nothing
    d.erwartet = uint8_t(platzierung);
    if (!Werbung_Abschliessen_Von(team, d, s, kategorie, flaeche)) return 0;
    Werbung_Team_Ablegen(team, d);
    if (block) {
        const uint8_t* b = Werbung_Block(team);
        std::copy(b, b + WERBUNG_TEAM_BYTES, block);
    }
    return Werbepartner_Tabelle[s].angebote[kategorie] + 1;
}

bool Werbung_Server_Block_Uebernehmen(int32_t team, const uint8_t* client, uint8_t* bild)
{
    if (!client || !bild) return false;
    if (!platz_erlaubt(team, client[452], bild[452]) || client[453] > 1) return false;
    for (int32_t a = 0; a < WERBUNG_AUFGABEN; ++a)
        if (client[436 + a] >= WERBUNG_AGENTUREN) return false;
    bild[452] = client[452];
    bild[453] = client[453];
    std::copy(client + 436, client + 436 + WERBUNG_AUFGABEN, bild + 436);
    return true;
}

int32_t Werbung_Server_Anfrage(int32_t anfrage, const uint8_t* daten, uint32_t laenge, std::vector<uint8_t>* antwort)
{
    if (!antwort) return 0;
    antwort->clear();
    if (!Werbung_Modul.initialisiert || (!daten && laenge)) return 0;
    const auto wert = [&](uint32_t i) { return Bild_Hole_I32(daten + 4 * i); };
    switch (anfrage) {
    case WERBUNG_GET_WERBEFIRMEN:
        if (laenge != 0) return 0;
        *antwort = Werbepartner_Bild_Schreiben();
        return 1;
    case WERBUNG_VERTRAG_ABSCHLIESSEN:
        if (laenge != 12) return 0;
        return Werbung_Server_Set_Agentur(wert(0), wert(1), wert(2));
    case WERBUNG_SCHREIBE_WERTE: {
        if (laenge != 20) return 0;
        std::vector<uint8_t> block(WERBUNG_TEAM_BYTES);
        const int32_t r = Werbung_Server_Vertrag(block.data(), wert(0), wert(1), wert(2), wert(3), wert(4));
        if (r) *antwort = std::move(block);
        return r;
    }
    default: return 0;
    }
}

bool Werbung_Client_Partner_Holen()
{
    if (!Werbung_Ist_Initialisiert()) return false;
    if (Werbung_Modul.geholt) return true;
    std::vector<uint8_t> block;
    if (!senden(WERBUNG_GET_WERBEFIRMEN, &block) ||
        !Werbepartner_Bild_Lesen(block.data(), uint32_t(block.size()))) {
        Print_Fehler("Werbung_Client_Partner_Holen: Antwort fehlerhaft");
        return false;
    }
    Werbung_Modul.geholt = 1;
    return true;
}

void Werbung_Client_Partner_Ungueltig() { Werbung_Modul.geholt = 0; }

bool Werbung_Client_Partner_Neu_Holen()
{
    Werbung_Modul.geholt = 0;
    return Werbung_Client_Partner_Holen();
}

bool Werbung_Client_Set_Agentur(int32_t team, int32_t aufgabe, int32_t wert)
{
    if (!Werbung_Ist_Initialisiert()) return false;
    std::vector<uint8_t> block = bild({team, aufgabe, wert});
    return senden(WERBUNG_VERTRAG_ABSCHLIESSEN, &block) != 0;
}

int32_t Werbung_Client_Vertrag(int32_t team, int32_t s, int32_t kategorie, int32_t flaeche)
{
    if (!Werbung_Ist_Initialisiert() || team != Aktuelles_Team || kategorie < 0 || kategorie >= WERBUNG_KATEGORIEN ||
        s < 0 || s >= WERBEPARTNER_ANZAHL)
        return 0;
    uint8_t* eigen = Werbung_Block(team);
    if (!eigen) return 0;
    std::vector<uint8_t> block = bild({team, s, kategorie, flaeche, eigen[452]});
    const int32_t r = senden(WERBUNG_SCHREIBE_WERTE, &block);
    if (!r) return 0;
    // The reply is the sponsor's offers left plus one: anything else is no answer of a server.
    if (r < 1 || r > WERBUNG_MAX_ANGEBOTE + 1) {
        Print_Fehler("Werbung_Client_Vertrag: Antwort fehlerhaft");
        return 0;
    }
    if (block.size() == WERBUNG_TEAM_BYTES) std::copy(block.begin(), block.end(), eigen);
    Werbepartner_Tabelle[s].angebote[kategorie] = uint8_t(r - 1);
    return r;
}
