// The arbiter's network images: the offer list of a client (request 50, the list module's memory
// form), a new offer (request 51, 28 bytes) and a new camp or friendly-match item (request 52,
// 44 bytes). The server trusts nothing a client sends beyond what its own club may ask.
#include <cstring>

#include "database/richter.h"
#include "database/welt_intern.h"
#include "database/teamspieler.h"
#include "economy/trainingslager.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "gameflow/globals.h"
#include "platform/bytes.h"

using namespace welt;

namespace {

bool eigenes_angebot(const Spieler_Angebot& a)
{
    const uint32_t t = Handelndes_Team;
    return a.bieter == t || a.verein == t;
}

// The stored offer of the player by the bidder to the club, null when there is none.
const Spieler_Angebot* gespeichertes_angebot(uint32_t spnr, uint32_t bieter, uint32_t verein)
{
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
        if (e->key != RICHTER_ANGEBOT || !Richter_Element_Gueltig(e)) continue;
        const auto* a = static_cast<const Spieler_Angebot*>(e->data);
        if (a->spnr == spnr && a->bieter == bieter && a->verein == verein) return a;
    }
    return nullptr;
}

}  // namespace

uint32_t Richter_Internet_Server_Send_Liste(uint8_t** aus)
{
    if (!aus) {
        Print_Fehler("Richter_Internet_Server_Send_Liste: NULL-Pointer!");
        return 0;
    }
    Liste kopie{};
    Liste_Init(&kopie);
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
        if (e->key != RICHTER_ANGEBOT) {
            if (e->key != RICHTER_TRAININGSLAGER && e->key != RICHTER_FREUNDSCHAFTSSPIEL &&
                e->key != RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG && e->key != RICHTER_WECHSEL_VERTRAGSENDE)
                Print_Fehler("Richter_Internet_Server_Send_Liste: Listentyp unbekannt!");
            continue;
        }
        if (!Richter_Element_Gueltig(e) || !eigenes_angebot(*static_cast<const Spieler_Angebot*>(e->data))) continue;
        Liste_Insert_Element(&kopie, Liste_Get_Last(&kopie), e->data, sizeof(Spieler_Angebot), e->key);
    }
    const uint32_t laenge = Liste_Save_Buffer(aus, &kopie, -1);
    Liste_Delete_All(&kopie);
    return laenge;
}

bool Richter_Internet_Client_Liste_Einlesen(const uint8_t* block, uint32_t laenge)
{
    Liste neu{};
    Liste_Init(&neu);
    bool ok = block && Liste_Load_Buffer(block, laenge, &neu);
    for (Liste_Element* e = neu.next; ok && e; e = e->next) ok = e->key == RICHTER_ANGEBOT && Richter_Element_Gueltig(e);
    if (ok) Liste_Tauschen(&Richter_Liste, &neu);
    else Print_Fehler("Richter_Internet_Client_Get_Liste: Listenfehler!");
    Liste_Delete_All(&neu);
    return ok;
}

bool Richter_Internet_Server_Neues_Angebot(const uint8_t* block, uint32_t laenge)
{
    Spieler_Angebot a{};
    if (!block || laenge != sizeof a) {
        Print_Fehler("Richter_Internet_Server_Neues_Angebot: Paket fehlerhaft!");
        return false;
    }
    std::memcpy(&a, block, sizeof a);
    // A client bids in its own club's name only, for a player of the club it names.
    if (a.bieter != Handelndes_Team || !team_gueltig(a.verein) || !spieler_gueltig(a.spnr) ||
        !Teamspieler_Get_Record(a.verein, a.spnr)) {
        Print_Fehler("Richter_Internet_Server_Neues_Angebot: Wrong Client-Team!");
        return false;
    }
    // The terms are those the offer form's rockers can show: a salary of 10 to 9,999, fees up to
    // 9,999 thousand DM, whole years from one to five.
    if (a.gehalt < 10 || a.gehalt > 9999 || a.abloese > 9999 || a.leihgebuehr > 9999 || a.monate < 12 ||
        a.monate > 60 || a.monate % 12) {
        Print_Fehler("Richter_Internet_Server_Neues_Angebot: Angebot außerhalb der Grenzen!");
        return false;
    }
    // An offer the player's club has accepted stands as it was accepted.
    const Spieler_Angebot* alt = gespeichertes_angebot(a.spnr, a.bieter, a.verein);
    if (alt && alt->angenommen) {
        Print_Fehler("Richter_Internet_Server_Neues_Angebot: Angebot schon angenommen!");
        return false;
    }
    // The day, the rating, the patience and the answer are the server's, never the bidder's.
    a.tag = uint32_t(Kalender_Get_Heute());
    a.bewertung = 0;
    a.behalten = alt ? alt->behalten : 0;
    a.geduld = -1;
    a.angenommen = 0;
    std::memset(a.reserve, 0, sizeof a.reserve);
    Richter_Spieler_Angebot_Hinzufuegen(&a);
    return true;
}

bool Richter_Internet_Server_Set_Spieler_Angebot(const Spieler_Angebot& neu, bool loeschen)
{
    const uint32_t t = Handelndes_Team;
    if (neu.bieter != t && neu.verein != t) {
        Print_Fehler("Richter_Internet_Server_Set_Spieler_Angebot: Wrong Client-Team!");
        return false;
    }
    const Spieler_Angebot* alt = gespeichertes_angebot(neu.spnr, neu.bieter, neu.verein);
    if (!alt) return true;
    // The stored offer is what changes, never the caller's copy of it: the bidder may withdraw
    // it, the player's club turn it down or accept it, and nobody else touches its terms.
    Spieler_Angebot a = *alt;
    if (loeschen) return Richter_Set_Spieler_Angebot(&a, true, a.verein == t && a.bieter != t);
    // Only the player's club answers an offer, and only one another club made: a club's offer of
    // an extension to its own player is the player's to answer on the day of decision.
    if (a.verein != t || a.bieter == t) {
        Print_Fehler("Richter_Internet_Server_Set_Spieler_Angebot: Wrong Client-Team!");
        return false;
    }
    a.angenommen = uint8_t(a.angenommen || neu.angenommen);
    return Richter_Set_Spieler_Angebot(&a, false, false);
}

bool Richter_Internet_Server_Neues_Element(const uint8_t* nutzlast, uint32_t groesse, int32_t typ)
{
    if (!nutzlast || groesse != sizeof(Trainingslager_Buchung) ||
        (typ != RICHTER_TRAININGSLAGER && typ != RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG)) {
        Print_Fehler("Richter_Internet_Server_Neues_Element: Element fehlerhaft!");
        return false;
    }
    if (Bytes_Hole32(nutzlast + 8) != Handelndes_Team) {
        Print_Fehler("Richter_Internet_Server_Neues_Element: Wrong Client-Team!");
        return false;
    }
    // One open proposal per pair of clubs: waiting in the list or asked and not yet answered.
    if (typ == RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG) {
        const uint32_t a = Bytes_Hole32(nutzlast + 8), z = Bytes_Hole32(nutzlast + 12);
        bool offen = News_Frage_Offen(3, int32_t(a), int32_t(z));
        for (Liste_Element* v = Richter_Liste.next; v && !offen; v = v->next) {
            const auto* b = static_cast<const Trainingslager_Buchung*>(v->data);
            offen = v->key == RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG && Richter_Element_Gueltig(v) &&
                    ((b->team == a && b->ziel == z) || (b->team == z && b->ziel == a));
        }
        if (offen) {
            Print_Fehler("Richter_Internet_Server_Neues_Element: Vorschlag zwischen %u und %u schon offen!", a, z);
            return false;
        }
    }
    // the request is what the booking screen could have asked, entered in the server's own table;
    // the item the arbiter decides on is the server's, not the client's bytes
    Trainingslager_Buchung b{};
    std::memcpy(&b, nutzlast, sizeof b);
    if (!Trainingslager_Server_Anfrage_Eintragen(static_cast<int32_t>(Handelndes_Team), typ, &b)) {
        Print_Fehler("Richter_Internet_Server_Neues_Element: Termin nicht möglich!");
        return false;
    }
    Liste_Element* e = Liste_Insert_Element(&Richter_Liste, nullptr, &b, sizeof b, static_cast<uint32_t>(typ));
    if (e && !Richter_Element_Gueltig(e)) {
        Liste_Delete_Element(&Richter_Liste, e);
        Print_Fehler("Richter_Internet_Server_Neues_Element: Element fehlerhaft!");
        return false;
    }
    return e != nullptr;
}
