// The arbiter's network images: the offer list of a client (request 50, the list module's memory
// form), a new offer (request 51, 28 bytes) and a new camp or friendly-match item (request 52,
// 44 bytes). The server trusts nothing a client sends beyond what its own club may ask.
#include <cstring>

#include "database/richter.h"
#include "database/welt_intern.h"
#include "economy/trainingslager.h"
#include "gameflow/globals.h"
#include "platform/bytes.h"

using namespace welt;

namespace {

bool eigenes_angebot(const Spieler_Angebot& a)
{
    const uint32_t t = Handelndes_Team;
    return a.bieter == t || a.verein == t;
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
    if (!eigenes_angebot(a) || !team_gueltig(a.bieter) || !team_gueltig(a.verein) || !spieler_gueltig(a.spnr)) {
        Print_Fehler("Richter_Internet_Server_Neues_Angebot: Wrong Client-Team!");
        return false;
    }
    Richter_Spieler_Angebot_Hinzufuegen(&a);
    return true;
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
    Liste_Element* e = Liste_Insert_Element(&Richter_Liste, nullptr, nutzlast, groesse, static_cast<uint32_t>(typ));
    if (e && !Richter_Element_Gueltig(e)) {
        Liste_Delete_Element(&Richter_Liste, e);
        Print_Fehler("Richter_Internet_Server_Neues_Element: Element fehlerhaft!");
        return false;
    }
    return e != nullptr;
}
