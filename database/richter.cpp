// The arbiter's list, its daily order, the camp and friendly-match requests, the answered and
// expired questions, the moves at the end of a contract and the savegame block.
#include "database/richter.h"

#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/datenbank_fern.h"
#include "database/spieler.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/print.h"
#include "platform/zufall.h"

Liste Richter_Liste{};

namespace {

bool initialisiert = false;

bool ist_client() { return Netz_Rolle == 1; }

bool client_zugriff(const char* name)
{
    if (!ist_client()) return false;
    Print_Fehler("Client-Zugriff: %s", name);
    return true;
}

const char* team_name(int32_t team) { return Team_String(TEAM_NAME_ROH, team, nullptr, 0); }

Trainingslager_Buchung* buchung(Liste_Element* e) { return static_cast<Trainingslager_Buchung*>(e->data); }

// A decider may delete other items than its own: an element is used again only while it is in
// the list.
bool enthalten(const Liste_Element* gesucht)
{
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next)
        if (e == gesucht) return true;
    return false;
}

Liste_Element* einfuegen(const void* daten, uint32_t groesse, uint32_t typ)
{
    if (!initialisiert) Richter_Init();
    Liste_Element* e = Liste_Insert_Element(&Richter_Liste, nullptr, daten, groesse, typ);
    if (!e) Print_Fehler("Richter: kein Speicher für ein Element vom Typ %u!", typ);
    return e;
}

// One pass from the front over the items of the given types. The predecessor is remembered
// before each decision, and the walk goes on from the element when it is still listed, else from
// the predecessor (or the front when that went too).
void durchlauf(uint32_t typ_a, void (*a)(Liste_Element*), uint32_t typ_b, void (*b)(Liste_Element*))
{
    Liste_Element* e = Richter_Liste.next;
    while (e) {
        void (*entscheider)(Liste_Element*) = e->key == typ_a ? a : e->key == typ_b ? b : nullptr;
        if (!entscheider) {
            e = e->next;
            continue;
        }
        Liste_Element* vorher = e->prev == &Richter_Liste ? nullptr : e->prev;
        entscheider(e);
        if (enthalten(e)) e = e->next;
        else if (vorher && enthalten(vorher)) e = vorher->next;
        else e = Richter_Liste.next;
    }
}

Trainingslager_Buchung aus_frage(const News_Frage& f)
{
    Trainingslager_Buchung b{};
    b.art = 2;
    b.belegt = 1;
    b.slot = static_cast<int8_t>(f.wort[4] & 0xFF);
    b.team = static_cast<uint32_t>(f.wort[1]);
    b.ziel = static_cast<uint32_t>(f.wort[2]);
    b.erster_tag = b.letzter_tag = static_cast<uint32_t>(f.wort[3]);
    return b;
}

bool team_gueltig(int32_t team) { return team >= 0 && team < Team_Anzahl; }

// Step 2 of the day: questions whose deadline came without an answer.
void abgelaufene_fragen(int32_t heute)
{
    for (int32_t i = News_Suche_Erste(-1, NEWS_FLAG_OFFEN); i >= 0; i = News_Suche_Naechste()) {
        const News_Frage* q = News_Get_Text(i);
        if (!q) continue;
        const News_Frage f = *q;
        if (f.wort[7] != -1 || heute < f.wort[3]) continue;
        switch (f.wort[0]) {
        case 3: {
            News_Set(i, -1, -1, 4);
            const Trainingslager_Buchung b = aus_frage(f);
            Trainingslager_Buchung_Melden(f.wort[1], &b, false);
            break;
        }
        case 5:
            News_Set(i, -1, -1, 4);
            if (team_gueltig(f.wort[1]) && team_gueltig(f.wort[2]))
                News_Senden(-1, f.wort[1], f.wort[2], NEWS_ART_TEXT, nullptr,
                            "Ihre Anfrage nach einem Kredit von %s wurde nicht beantwortet.", team_name(f.wort[2]));
            break;
        case 6:
        case 8: News_Set(i, -1, -1, 4); break;
        default: break;
        }
    }
}

const char* werbeart(int32_t slot)
{
    if (slot <= 13) return "Bandenwerbung";
    if (slot == 14) return "TV-Rechte";
    if (slot == 15) return "Ausrüstungspartner";
    return "Trikotwerbung";
}

// A renewed advertising contract: the club's block keeps per space the sponsor (i8 at s), the
// monthly amount (f32 at 20 + 4s) and the contract's end day (i32 at 88 + 4s).
void werbevertrag_verlaengern(const News_Frage& f)
{
    const int32_t team = f.wort[1], slot = f.wort[2];
    if (!team_gueltig(team) || !Team_Hat_Manager(team) || slot < 0 || slot > 16) return;
    auto* block = static_cast<uint8_t*>(Team_Zeiger(304, team, nullptr, 0));
    if (!block) return;
    const float betrag = static_cast<float>(f.wort[5]);
    const int32_t ende = f.wort[4];
    std::memcpy(block + 20 + 4 * slot, &betrag, 4);
    std::memcpy(block + 88 + 4 * slot, &ende, 4);
    const int32_t partner = static_cast<int8_t>(block[slot]);
    News_Senden(-1, team, -1, NEWS_ART_TEXT, &f, "Ihr Werbevertrag mit %s, %s (%s) wurde um ein Jahr verlängert.",
                partner >= 0 && partner < WERBEPARTNER_ANZAHL ? Werbepartner_Name(partner) : "",
                Bank_Betrag_String(betrag, team, -1, 0), werbeart(slot));
}

void kredit_beantwortet(const News_Frage& f)
{
    const int32_t nehmer = f.wort[1], geber = f.wort[2];
    if (!team_gueltig(nehmer) || !team_gueltig(geber)) return;
    if (f.wort[7] == 0) {
        News_Senden(-1, nehmer, geber, NEWS_ART_TEXT, nullptr, "Ihre Anfrage nach einem Kredit von %s wurde leider abgelehnt.",
                    team_name(geber));
        return;
    }
    if (Bank_Betrag_Anlegen(geber, nehmer, static_cast<float>(f.wort[4]), f.wort[6], 0, static_cast<float>(f.wort[5])))
        News_Senden(-1, nehmer, geber, NEWS_ART_TEXT, nullptr,
                    "%s hat Ihnen den gewünschten Kredit zur Verfügung gestellt. Der Betrag befindet sich bereits auf "
                    "Ihrem Konto.",
                    team_name(geber));
    else
        News_Senden(-1, nehmer, geber, NEWS_ART_TEXT, nullptr,
                    "%s wollte den gewünschten Kredit zur Verfügung stellen, das Konto war aber leider nicht gedeckt.",
                    team_name(geber));
}

// Step 3 of the day: answered questions. Each message goes before its answer is acted on.
void beantwortete_fragen(int32_t heute)
{
    for (int32_t i = News_Suche_Erste(-1, NEWS_FLAG_BEANTWORTET); i >= 0; i = News_Suche_Naechste()) {
        const News_Frage* q = News_Get_Text(i);
        if (!q || q->wort[7] == -1) continue;
        const News_Frage f = *q;
        News_Set(i, -1, -1, 4);
        const bool ja = f.wort[7] != 0;
        const bool vor_frist = heute < f.wort[3];
        switch (f.wort[0]) {
        case 3: {
            const Trainingslager_Buchung b = aus_frage(f);
            if (ja && vor_frist) einfuegen(&b, sizeof b, RICHTER_FREUNDSCHAFTSSPIEL);
            else Trainingslager_Buchung_Melden(f.wort[1], &b, false);
            break;
        }
        case 5:
            if (vor_frist) kredit_beantwortet(f);
            break;
        case 6:
            if (vor_frist && ja) werbevertrag_verlaengern(f);
            break;
        case 8:
            if (vor_frist) Wettbewerb_Regel_Abstimmung_Zaehlen(ja);
            break;
        default: break;
        }
    }
}

// Draws the one confirmed item among the collected ones, reports each and deletes them all.
void sammlung_entscheiden(std::vector<Liste_Element*>& gesammelt)
{
    const int32_t n = static_cast<int32_t>(gesammelt.size());
    if (n == 0) return;
    const int32_t r = Zufall(0, n - 1);
    for (int32_t i = 0; i < n; ++i) {
        const Trainingslager_Buchung b = *buchung(gesammelt[static_cast<size_t>(i)]);
        Liste_Delete_Element(&Richter_Liste, gesammelt[static_cast<size_t>(i)]);
        Trainingslager_Buchung_Melden(static_cast<int32_t>(b.team), &b, i == r);
    }
}

bool payload_passt(const Liste_Element* e, uint32_t groesse)
{
    return e && e->data && e->size == groesse + LISTE_KOPF_BYTES;
}

// Checks one element of a block read from a savegame.
bool element_gueltig(const Liste_Element* e)
{
    const auto team_ok = [](uint32_t t) { return t < static_cast<uint32_t>(Team_Anzahl); };
    const auto spieler_ok = [](int32_t s) { return s >= 0 && s < Spieler_Anzahl; };
    switch (e->key) {
    case RICHTER_ANGEBOT: {
        if (!payload_passt(e, sizeof(Spieler_Angebot))) return false;
        const auto* a = static_cast<const Spieler_Angebot*>(e->data);
        return team_ok(a->bieter) && team_ok(a->verein) && spieler_ok(a->spnr);
    }
    case RICHTER_TRAININGSLAGER:
    case RICHTER_FREUNDSCHAFTSSPIEL:
    case RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG: {
        if (!payload_passt(e, sizeof(Trainingslager_Buchung))) return false;
        const auto* b = static_cast<const Trainingslager_Buchung*>(e->data);
        return team_ok(b->team) && (e->key == RICHTER_TRAININGSLAGER || team_ok(b->ziel));
    }
    case RICHTER_WECHSEL_VERTRAGSENDE: {
        if (!payload_passt(e, sizeof(Richter_Wechsel))) return false;
        const auto* w = static_cast<const Richter_Wechsel*>(e->data);
        return spieler_ok(w->spnr) && team_ok(w->team);
    }
    default: return false;
    }
}

Liste_Element* wechsel_finden(int32_t spnr)
{
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next)
        if (e->key == RICHTER_WECHSEL_VERTRAGSENDE && static_cast<const Richter_Wechsel*>(e->data)->spnr == spnr)
            return e;
    return nullptr;
}

void buchung_hinzufuegen(int32_t team, int32_t index, Trainingslager_Buchung* tabelle, uint32_t typ)
{
    if (!tabelle || !team_gueltig(team) || index < -1 || index >= TRAININGSLAGER_BUCHUNGEN) {
        Print_Fehler("Richter: Buchung von Team %d, Zeile %d falsch!", team, index);
        return;
    }
    Trainingslager_Buchung* zeile = &tabelle[index < 0 ? 0 : index];
    if (index >= 0) {
        zeile->slot = static_cast<int8_t>(index);
        zeile->team = static_cast<uint32_t>(team);
    }
    // a client sends the row to the server and keeps its own copy until the next fetch
    if (ist_client()) Richter_Internet_Client_Neues_Element(zeile, sizeof *zeile, typ);
    einfuegen(zeile, sizeof *zeile, typ);
}

}  // namespace

void Richter_Init()
{
    if (initialisiert) Liste_Delete_All(&Richter_Liste);
    Liste_Init(&Richter_Liste);
    Richter_Angebot_Aufrufe = 0;
    initialisiert = true;
    Disk_Block_Registrieren(DISK_POS_RICHTER, Richter_Write_Bin_Block, Richter_Read_Bin_Block);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_RICHTER, Richter_DeInit);
}

void Richter_DeInit()
{
    if (initialisiert) Liste_Delete_All(&Richter_Liste);
    initialisiert = false;
}

void Richter_Jeden_Tag()
{
    if (client_zugriff("Richter_Jeden_Tag")) return;
    if (!initialisiert) Richter_Init();
    const int32_t heute = Kalender_Get_Heute();
    Richter_Check_Spieler_Angebote(-1);
    abgelaufene_fragen(heute);
    beantwortete_fragen(heute);
    durchlauf(RICHTER_TRAININGSLAGER, Richter_Trainingslager_Buchung_Testen, RICHTER_FREUNDSCHAFTSSPIEL,
              Richter_Freundschaftsspiel_Testen);
    durchlauf(RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG, Richter_Freundschaftsspiel_Fragen, 0, nullptr);
}

void Richter_Trainingslager_Anfrage_Hinzufuegen(int32_t team, int32_t index, Trainingslager_Buchung* tabelle)
{
    buchung_hinzufuegen(team, index, tabelle, RICHTER_TRAININGSLAGER);
}

void Richter_Trainingslager_Buchung_Hinzufuegen(int32_t team, int32_t index, Trainingslager_Buchung* tabelle)
{
    buchung_hinzufuegen(team, index, tabelle, RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG);
}

void Richter_Trainingslager_Buchung_Testen(Liste_Element* element)
{
    if (client_zugriff("Richter_Trainingslager_Buchung_Testen")) return;
    if (!element || !payload_passt(element, sizeof(Trainingslager_Buchung))) return;
    const Trainingslager_Buchung b = *buchung(element);
    std::vector<Liste_Element*> gesammelt{element};
    // older requests for the same camp with either end inside this one's span
    for (Liste_Element* e = element->next; e; e = e->next) {
        if (e->key != RICHTER_TRAININGSLAGER || !payload_passt(e, sizeof b)) continue;
        const Trainingslager_Buchung* a = buchung(e);
        if (a->ziel != b.ziel) continue;
        const bool kollision = (a->erster_tag >= b.erster_tag && a->erster_tag <= b.letzter_tag) ||
                               (a->letzter_tag >= b.erster_tag && a->letzter_tag <= b.letzter_tag);
        if (kollision) gesammelt.push_back(e);
    }
    sammlung_entscheiden(gesammelt);
}

void Richter_Freundschaftsspiel_Testen(Liste_Element* element)
{
    if (client_zugriff("Richter_Freundschaftsspiel_Testen")) return;
    if (!element || !payload_passt(element, sizeof(Trainingslager_Buchung))) return;
    const Trainingslager_Buchung b = *buchung(element);
    std::vector<Liste_Element*> gesammelt{element};
    for (Liste_Element* e = element->next; e; e = e->next) {
        if (e->key != RICHTER_FREUNDSCHAFTSSPIEL || !payload_passt(e, sizeof b)) continue;
        const Trainingslager_Buchung* a = buchung(e);
        if (a->ziel == b.ziel && a->erster_tag == b.letzter_tag && (a->team == b.team || a->team == b.ziel))
            gesammelt.push_back(e);
    }
    sammlung_entscheiden(gesammelt);
}

void Richter_Freundschaftsspiel_Fragen(Liste_Element* element)
{
    if (client_zugriff("Richter_Freundschaftsspiel_Fragen")) return;
    if (!element || !payload_passt(element, sizeof(Trainingslager_Buchung))) return;
    const Trainingslager_Buchung b = *buchung(element);
    Liste_Delete_Element(&Richter_Liste, element);
    const int32_t a = static_cast<int32_t>(b.team), z = static_cast<int32_t>(b.ziel), tag = static_cast<int32_t>(b.erster_tag);
    if (!team_gueltig(a) || !team_gueltig(z)) return;

    if (Team_Hat_Manager(z)) {
        const News_Frage f{{3, a, z, tag, b.slot, 0, 0, -1}};
        if (Trainingslager_Termin_Pruefen(z, a, tag, 2, 0, 0)) {
            News_Senden(-1, z, a, NEWS_ART_FRAGE, &f,
                        "%s schlägt Ihnen vor, am %s ein Freundschaftsspiel auszutragen. Bitte beantworten Sie die "
                        "Anfrage und warten Sie die Reaktion darauf ab (es kann sein, daß %s wieder einen Rückzieher "
                        "macht).",
                        team_name(a), Kalender_Get_Datum_String(tag), team_name(a));
        } else {
            News_Senden(-1, a, z, NEWS_ART_TEXT, &f,
                        "Ihr geplantes Freundschaftsspiel am %s kann nicht stattfinden, da %s an diesem Tag bereits "
                        "andere Termine hat.",
                        Kalender_Get_Datum_String(tag), team_name(z));
            Trainingslager_Buchung_Freigeben(a, &b);
        }
        return;
    }

    // A computer club decides at once from the two clubs' prestige. Without prestige of its own
    // it cannot weigh the proposal and refuses it.
    const int32_t p = Wettbewerb_Get_Team_Ansehen(a);
    const int32_t q = Wettbewerb_Get_Team_Ansehen(z);
    bool zusage = false;
    if (q > 0) {
        int32_t x = p * 100 / q - 50;
        const Wettbewerb_Id dummy = Wettbewerb_Get_Dummy_Id();
        if (dummy != -1) x -= 10 * Ligen_Tabelle_Paarungen_Ermitteln(dummy, a);
        if (q > 90) x -= 10;
        if (x < 0) x = 0;
        const int32_t y = ((Team_Wert(TEAM_OPTION, a, 0, TEAM_LESEN) + 3) % 10) * 10;
        zusage = y < x;
    }
    if (!zusage) {
        Trainingslager_Buchung_Melden(a, &b, false);
        return;
    }
    if (Liste_Element* neu = einfuegen(&b, sizeof b, RICHTER_FREUNDSCHAFTSSPIEL)) Richter_Freundschaftsspiel_Testen(neu);
}

void Richter_Spieler_Wechsel_Nach_Vertragsende_Hinzufuegen(int32_t spnr, int32_t team, int32_t gehalt, int32_t monate)
{
    if (client_zugriff("Richter_Spieler_Wechsel_Nach_Vertragsende_Hinzufuegen")) return;
    if (spnr < 0 || spnr >= Spieler_Anzahl || !team_gueltig(team)) {
        Print_Fehler("Richter_Spieler_Wechsel_Nach_Vertragsende_Hinzufuegen: spnr=%d, team=%d falsch!", spnr, team);
        return;
    }
    const Richter_Wechsel w{static_cast<int16_t>(spnr), static_cast<uint16_t>(team),
                            static_cast<uint16_t>(gehalt < 0 ? 0 : gehalt > 65535 ? 65535 : gehalt),
                            static_cast<uint16_t>(monate < 0 ? 0 : monate)};
    if (!einfuegen(&w, sizeof w, RICHTER_WECHSEL_VERTRAGSENDE)) return;
    Spieler_Wert(SP_STATUS, spnr, SP_STATUS_WECHSEL, SP_SETZEN);
}

bool Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(int32_t spnr, int32_t* team, int32_t* gehalt, int32_t* monate)
{
    if (spnr < 0 || spnr >= Spieler_Anzahl) return false;
    if (!team && !gehalt && !monate) return (Spieler_Wert(SP_STATUS, spnr, 0, SP_LESEN) & SP_STATUS_WECHSEL) != 0;
    const Liste_Element* e = wechsel_finden(spnr);
    if (!e) return false;
    const auto* w = static_cast<const Richter_Wechsel*>(e->data);
    if (team) *team = w->team;
    if (gehalt) *gehalt = w->gehalt;
    if (monate) *monate = w->monate;
    return true;
}

void Richter_Spieler_Wechsel_Nach_Vertragsende_Loeschen(int32_t spnr)
{
    Liste_Element* e = spnr >= 0 && spnr < Spieler_Anzahl ? wechsel_finden(spnr) : nullptr;
    if (!e) return;
    Liste_Delete_Element(&Richter_Liste, e);
    Spieler_Wert(SP_STATUS, spnr, SP_STATUS_WECHSEL, SP_LOESCHEN);
}

bool Richter_Write_Bin_Block(Disk_Datei* datei)
{
    if (ist_client()) return true;
    if (!initialisiert) Richter_Init();
    uint8_t aufrufe[4];
    Bytes_Setze32(aufrufe, static_cast<uint32_t>(Richter_Angebot_Aufrufe));
    return Liste_Write_File(datei, &Richter_Liste) && Disk_Schreibe_Block(datei, aufrufe, sizeof aufrufe);
}

bool Richter_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    if (ist_client()) return true;
    if (!initialisiert) Richter_Init();
    Liste neu{};
    Liste_Init(&neu);
    bool ok = Liste_Read_File(datei, &neu);
    if (!ok) Print_Fehler("Richter_Read_Bin_Block: Die Liste der offenen Anfragen ist beschädigt.");
    int32_t nummer = 0;
    for (Liste_Element* e = neu.next; ok && e; e = e->next, ++nummer)
        if (!element_gueltig(e)) {
            Print_Fehler("Richter_Read_Bin_Block: Anfrage %d (Typ %u, %u Bytes) ist fehlerhaft.", nummer, e->key,
                         e->size >= LISTE_KOPF_BYTES ? e->size - LISTE_KOPF_BYTES : 0);
            ok = false;
        }
    uint8_t aufrufe[4] = {};
    if (ok && !Disk_Lese_Block(datei, aufrufe, sizeof aufrufe)) {
        Print_Fehler("Richter_Read_Bin_Block: Der Zähler der Angebotsprüfungen fehlt.");
        ok = false;
    }
    if (ok) {
        Liste_Tauschen(&Richter_Liste, &neu);
        Richter_Angebot_Aufrufe = static_cast<int32_t>(Bytes_Hole32(aufrufe));
    }
    Liste_Delete_All(&neu);
    if (!ok) Disk_Block_Ablehnen(datei);
    return ok;
}


bool Richter_Element_Gueltig(const Liste_Element* element) { return element && element_gueltig(element); }
