// The one table of remote-call numbers and their formats, and who may call for whom.
#include <algorithm>
#include <iterator>

#include <cstring>
#include <vector>

#include "competitions/ligen_teamvergleich.h"
#include "database/datenbank_fern.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "gameflow/ablauf.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "screens/spieler_einsetzen.h"

namespace {

constexpr Internet_Anfrage_Eintrag TABELLE[] = {
    {0, "SPIELER", {"iV<=0iiii", nullptr}},
    {2, "SPIELER_STARTINFO", {"vI%d", nullptr}},
    {3, "CS_SPIELER_NEW_CLIENT_DATA", {"vW<=0", nullptr}},
    {10, "TEAM_T", {"vV<%d", nullptr}},
    {11, "TEAM_T_FIX", {"vV<%d", nullptr}},
    {12, "TEAM_T_OWN", {"vW%dV<%d", nullptr}},
    {13, "TEAM_T_BLOCK", {"vV<%d", nullptr}},
    {14, "TEAM_T_FIX_BLOCK", {"vV<%d", nullptr}},
    {15, "TEAM_CLIENT_SEND", {"vV>%dV>%d", "vV>%dV>%dV>%d"}},
    {16, "TEAM_STARTINFO", {"vI%dI%dI%dW%dW%d", nullptr}},
    {17, "TEAM_STARTTEAMS", {"vC<%dI<%d", nullptr}},
    {18, "TEAM_UEBERTRAGUNG", {"vc", nullptr}},
    {30, "MANAGER_DATEN", {"vV<%dV<%dV<%dV<%dV<%dV<%d", nullptr}},
    {31, "MANAGER_STARTINFO_1", {"vI%dI%d", nullptr}},
    {32, "MANAGER_STARTINFO_2", {"vC<%d", nullptr}},
    {33, "MANAGER_CLIENT_SEND", {"vV>%dV>%dV>%dV>%dV>%d", nullptr}},
    {34, "CS_MANAGER_ICON_STATUS", {"vV<%d", "vV>%d"}},
    {40, "TS_WRITE_SORT", {"iV<=0ii", nullptr}},
    {41, "TS_EIGENE_TEAMSPIELER", {"vV<=0", nullptr}},
    {42, "TS_CLIENT_SEND", {"viiiV>%dV>%d", nullptr}},
    {43, "TS_VERSICHERUNGSABSCHLUSS", {"viiiiiiV%dV%d", nullptr}},
    {44, "TS_IST_IM_TEAM", {"vI<%dii", nullptr}},
    {50, "CS_RICHTER_LISTE", {"vV<=0", nullptr}},
    {51, "CS_RICHTER_SPIELER_ANGEBOT_ADD", {"vV%d", nullptr}},
    {52, "CS_RICHTER_LISTE_ELEMENT_NEU", {"iC%dii", nullptr}},
    {53, "CS_RICHTER_SET_ANGEBOT", {"cV%dc", nullptr}},
    {60, "CS_SPIELERVERGLEICH_GET_DATA", {"vwccwC%dwI%dwwwwcI%dI%dI%dW<%dW<%dI<%dI<%dI<%dI<%d", nullptr}},
    {70, nullptr, {"vwiiiiC%dI%dI%dI%dI%dW<%dI<%dC<%dI<%d", nullptr}},
    {75, nullptr, {"viiiiiiI<%dW>%dW>%d", nullptr}},
    {76, nullptr, {"vI<%dI<%dI>%diii", nullptr}},
    {77, nullptr, {"vI<%dI>%diI>%diiiiiiiI<%d", nullptr}},
    {499, "ZERO_SIZE_TEST", {"iC000iwc", nullptr}},
    {1000, "ABLAUF_TAGESDATEN", {"iC<=0", nullptr}},
    {1001, "ABLAUF_SPIELFELD_RECORDS", {"iC<=0", nullptr}},
    {1002, "ABLAUF_NACHRICHTEN", {"iC<=0", nullptr}},
    {1003, "ABLAUF_NEWS_SENDEN", {"iiC%d", nullptr}},
    {1004, nullptr, {"iC000I<%dI<%d", nullptr}},
    {1005, nullptr, {"vC000", nullptr}},
    {1006, nullptr, {"iC000C<%diiii", nullptr}},
    {1007, nullptr, {"vI4I4", nullptr}},
    {1009, nullptr, {"vC<%dii", nullptr}},
    {1010, nullptr, {"iC000iiiiciiciicciI%d", nullptr}},
    {1011, nullptr, {"iC<=0iiiiI<%d", nullptr}},
    {1012, "ABLAUF_FRAGE_BEANTWORTEN", {"iii", nullptr}},
    {1013, "ABLAUF_HIGHSCORE", {"i", nullptr}},
    {1014, nullptr, {"v", nullptr}},
    {1015, nullptr, {"iC<=0i", nullptr}},
    {1016, nullptr, {"viiiiiC%d", nullptr}},
    {1017, nullptr, {"viC%d", nullptr}},
    {1018, nullptr, {"cF4iiiii", nullptr}},
    {1019, nullptr, {"cF4ii", nullptr}},
    {1020, nullptr, {"v", nullptr}},
    {1021, "WERBUNG_GET_WERBEFIRMEN", {"cC<%d", nullptr}},
    {1022, "WERBUNG_VERTRAG_ABSCHLIESSEN", {"ciii", nullptr}},
    {1023, "WERBUNG_SCHREIBE_WERTE", {"iC<%diiiii", nullptr}},
    {1024, "BANK_GET_DATEN_1", {"iC<=0C<%dC<%dC<%dF<%dF<%dF<%dF<%dC<%di", nullptr}},
    {1025, "BANK_GET_DATEN_2", {"iC<=0F<%dF<%dF<%dC%di", "iC<=0F<%dF<%dF<%dC<%di"}},
    {1026, "BANK_GET_BOERSE", {"vC<%dC<%dii", nullptr}},
    {1027, "BANK_GET_BUCHUNG", {"vC<%dC<%di", nullptr}},
    {1028, "BANK_ANLAGEN_TRANSFER", {"iF4F4iiic", nullptr}},
    {1029, "BANK_AKTIEN_TRANSFER", {"iiiii", nullptr}},
    {1030, "TRAININGSLAGER_TRAININGSLAGER", {"vC<%d", nullptr}},
    {1031, "PERSONAL_GET_LISTE", {"iC<=0i", nullptr}},
    {1032, nullptr, {"v", nullptr}},
    {1033, nullptr, {"iiiI<%dI<%dI<%dI<%dI<%dI<%dI<%di", nullptr}},
    {1034, nullptr, {"iiiiI<%dI<%dI<%dI<%di", nullptr}},
    {1035, nullptr, {"iiiiiiiiC<%d", nullptr}},
    {1036, nullptr, {"iiiiiciiciicciC<%d", nullptr}},
    {1037, "STATISTIK_SUCHE_TABELLEN", {"iC000ii", nullptr}},
    {1038, "STATISTIK_TABELLEN_IN_ARRAY", {"iiC<%di", nullptr}},
    {1039, "STATISTIK_TABELLEN_SUCHE_TEAM", {"iiC<%dC<%dC<%dC<%dC<%dC<%dC<%di", nullptr}},
    {1040, nullptr, {"iiiC<%dC<%dC<%dC<%dC<%di", nullptr}},
    {1041, nullptr, {"iii", nullptr}},
    {1042, nullptr, {"iC<=0C<%di", nullptr}},
    {1043, nullptr, {"v", nullptr}},
};

// Numbers a participant may call before it has claimed its club.
int32_t vor_anspruch[16] = {16, 17, 499};
int vor_anspruch_anzahl = 3;

}  // namespace

const Internet_Anfrage_Eintrag* Internet_Anfrage_Suchen(int32_t nr)
{
    const auto* e = std::find_if(std::begin(TABELLE), std::end(TABELLE), [nr](const auto& x) { return x.nr == nr; });
    return e == std::end(TABELLE) ? nullptr : e;
}

bool Internet_Anfrage_Schreibt(int32_t nr, const char* format)
{
    // the own team, the broadcast choice, the manager record, the line-up, an insurance, the
    // arbiter's offers and bookings, news and answers, the stadium, advertising and the bank
    static constexpr int32_t SCHREIBEND[] = {15,   18,   33,   42,   43,   51,   52,   53,   1003,
                                             1012, 1016, 1017, 1018, 1019, 1022, 1023, 1028, 1029};
    // the icon states travel both ways: only the form that sends them writes
    if (nr == 34) return format && std::strchr(format, '>');
    return std::find(std::begin(SCHREIBEND), std::end(SCHREIBEND), nr) != std::end(SCHREIBEND);
}

bool Internet_Schreiben_Offen(int32_t team, int32_t nr, const char* format)
{
    if (!Internet_Anfrage_Schreibt(nr, format)) return true;
    if (Ablauf_Spieltag_Laeuft()) return false;
    const bool zug_vorbei = T && team >= 0 && team < Team_Anzahl && (T[team].status & ZUG_BEENDET_BIT);
    return !zug_vorbei || nr == 15 || nr == 18 || nr == 33 || nr == 42;
}

void Internet_Vor_Anspruch_Erlauben(int32_t nr)
{
    if (vor_anspruch_anzahl < int(std::size(vor_anspruch))) vor_anspruch[vor_anspruch_anzahl++] = nr;
}

bool Internet_Spiel_Laeuft() { return Eingang_Get_Spiel_Gestartet() && T && T_Fix && Team_Anzahl > 0; }

bool Internet_Verein_Beanspruchen(Mitspieler_Eintrag* m, int32_t team)
{
    if (!m) return false;
    const char* grund = nullptr;
    if (m->verein_beansprucht) grund = "schon beansprucht";
    else if (!T_Fix || team <= 0 || team >= Team_Anzahl) grund = "außerhalb";
    else if (!T_Fix[team].manager) grund = "ohne Manager";
    else if (team == Server_Team) grund = "Verein des Servers";
    for (int32_t i = 0; !grund && i < NETZUSER_ANZAHL; ++i) {
        const Mitspieler_Eintrag* n = Netzuser_Get(i);
        if (n && n != m && n->in_benutzung && n->verein_beansprucht && n->verein == team) grund = "schon vergeben";
    }
    if (grund) {
        Print_Fehler("Internet: Verein %d für Teilnehmer %u abgewiesen (%s)", team, m->user_id, grund);
        return false;
    }
    m->verein_beansprucht = 1;
    m->verein = team;
    m->team = team;
    Netzuser_Geaendert();
    return true;
}

void Internet_Verein_Gehalten(const Mitspieler_Eintrag* m)
{
    if (m && m->verein_beansprucht && T && m->verein >= 0 && m->verein < Team_Anzahl)
        T[m->verein].status = uint8_t(T[m->verein].status | TEAM_VON_CLIENT_GEHALTEN);
}

bool Internet_Darf_Anfragen(const Mitspieler_Eintrag* m, int32_t nr, int32_t team)
{
    if (!m || !Internet_Spiel_Laeuft()) return false;
    if (m->verein_beansprucht) return team == m->verein;
    return std::find(vor_anspruch, vor_anspruch + vor_anspruch_anzahl, nr) != vor_anspruch + vor_anspruch_anzahl;
}

// ---- The requests of the bank, the stadium, the advertising and the training camps ----
// These modules speak in images: the request image holds the values (4 bytes each, as in their
// slots) and the data of the fields sent, the reply image the variable data and then the data of
// the fields returned, each padded to 4. These adapters turn an image into a call and back.

namespace {

using Fern_Handler = int32_t (*)(int32_t nr, const uint8_t* d, uint32_t n, std::vector<uint8_t>* a);

struct Fern_Form {
    int32_t nr;
    const char* format;  // with the counts the client uses
    bool werte_zuerst;   // the image holds the values before the data sent
    Fern_Handler handler;
};

constexpr Fern_Form FORMEN[] = {
    {1015, "iC<=0i", true, Stadion_Server_Anfrage},
    {1016, "viiiiiC24", true, Stadion_Server_Anfrage},
    {1017, "viC24", true, Stadion_Server_Anfrage},
    {1018, "cF4iiiii", false, Stadion_Server_Anfrage},
    {1019, "cF4ii", false, Stadion_Server_Anfrage},
    {1021, "cC<1520", true, Werbung_Server_Anfrage},
    {1022, "ciii", true, Werbung_Server_Anfrage},
    {1023, "iC<456iiiii", true, Werbung_Server_Anfrage},
    {1024, "iC<=0C<12C<28C<28F<4F<4F<4F<4C<52i", true, Bank_Server_Anfrage},
    {1025, "iC<=0F<4F<4F<4C1i", true, Bank_Server_Anfrage},
    {1026, "vC<52C<1560ii", true, Bank_Server_Anfrage},
    {1027, "vC<6000C<4i", true, Bank_Server_Anfrage},
    {1028, "iF4F4iiic", false, Bank_Server_Anfrage},
    {1029, "iiiii", true, Bank_Server_Anfrage},
    {1030, "vC<1092", true, Trainingslager_Server_Anfrage},
};

const Fern_Form* form_von(int32_t nr)
{
    for (const Fern_Form& f : FORMEN)
        if (f.nr == nr) return &f;
    return nullptr;
}

struct Fern_Feld {
    char typ;
    bool zeiger, kleiner, groesser, var;
    uint32_t zahl;
};

std::vector<Fern_Feld> fern_felder(const char* format)
{
    std::vector<Fern_Feld> v;
    for (const char* c = format + 1; *c;) {
        Fern_Feld f{*c, false, false, false, false, 0};
        if (*c >= 'A' && *c <= 'Z') {
            int32_t ziffern = 0;
            bool gleich = false;
            f.zeiger = true;
            f.zahl = Internet_Get_Pointer_Bytes(&c, &ziffern, &f.kleiner, &gleich, &f.groesser);
            f.var = f.zahl == 0 && !f.groesser;
        } else {
            ++c;
        }
        v.push_back(f);
    }
    return v;
}

constexpr uint32_t auf4(uint32_t n) { return (n + 3u) & ~3u; }

bool gesendet(const Fern_Feld& f) { return f.zeiger && !f.kleiner && !f.var; }
bool zurueck(const Fern_Feld& f) { return f.zeiger && !f.groesser && !f.var; }

bool fern_server(Internet_Aufruf* a)
{
    const Fern_Form* form = form_von(a->nr);
    Internet_Positionen* p = a->p;
    if (!form) return false;
    const std::vector<Fern_Feld> felder = fern_felder(form->format);
    // The image of the request.
    std::vector<uint8_t> werte, daten;
    int32_t ic = 0, iw = 0, ii = 0, iff = 0, k = 0;
    for (const Fern_Feld& f : felder) {
        if (!f.zeiger) {
            uint8_t b[4] = {};
            if (f.typ == 'c') b[0] = p->bytes[ic++];
            else if (f.typ == 'w') Bytes_Setze16(b, p->worte[iw++]);
            else if (f.typ == 'i') Bytes_Setze32(b, uint32_t(p->ints[ii++]));
            else std::memcpy(b, &p->floats[iff++], 4);
            werte.insert(werte.end(), b, b + 4);
            continue;
        }
        if (gesendet(f)) {
            const size_t o = daten.size();
            daten.resize(o + auf4(p->groesse[k]));
            if (p->daten[k]) std::memcpy(daten.data() + o, p->daten[k], p->groesse[k]);
        }
        ++k;
    }
    std::vector<uint8_t> bild = form->werte_zuerst ? werte : daten;
    const std::vector<uint8_t>& rest = form->werte_zuerst ? daten : werte;
    bild.insert(bild.end(), rest.begin(), rest.end());
    std::vector<uint8_t> antwort;
    const int32_t r = form->handler(a->nr, bild.data(), uint32_t(bild.size()), &antwort);
    // The reply image over the fields that return data; the variable field takes what is left.
    uint32_t fest = 0;
    bool hat_var = false;
    k = 0;
    for (const Fern_Feld& f : felder) {
        if (!f.zeiger) continue;
        if (zurueck(f)) fest += auf4(p->groesse[k]);
        hat_var = hat_var || f.var;
        ++k;
    }
    a->ergebnis = hat_var ? 0 : r;
    if (antwort.empty()) return true;
    if (antwort.size() < fest || (!hat_var && antwort.size() != fest)) {
        Print_Fehler("Internet: Antwort auf %d passt nicht zu ihrem Format", a->nr);
        a->ergebnis = 0;
        return true;
    }
    const uint32_t var = uint32_t(antwort.size()) - fest;
    uint32_t o = var;
    k = 0;
    for (const Fern_Feld& f : felder) {
        if (!f.zeiger) continue;
        if (zurueck(f)) {
            if (p->daten[k]) std::memcpy(p->daten[k], antwort.data() + o, p->groesse[k]);
            o += auf4(p->groesse[k]);
        }
        ++k;
    }
    if (hat_var && var) {
        uint8_t* b = static_cast<uint8_t*>(Mem_Alloc(var, 0));
        if (!b) return true;
        std::memcpy(b, antwort.data(), var);
        *a->var = b;
        a->ergebnis = int32_t(var);
    }
    return true;
}

int32_t fern_client(int32_t nr, std::vector<uint8_t>* block)
{
    const Fern_Form* form = form_von(nr);
    if (!form || !block) return 0;
    const std::vector<Fern_Feld> felder = fern_felder(form->format);
    uint32_t werte = 0, daten = 0;
    for (const Fern_Feld& f : felder) {
        if (!f.zeiger) werte += 4;
        else if (gesendet(f)) daten += auf4(f.zahl);
    }
    if (block->size() != werte + daten) {
        Print_Fehler("Internet: Anfrage %d passt nicht zu ihrem Format", nr);
        block->clear();
        return 0;
    }
    uint32_t ow = form->werte_zuerst ? 0 : daten, od = form->werte_zuerst ? werte : 0;
    std::vector<std::vector<uint8_t>> puffer(felder.size());
    std::vector<Internet_Arg> args(felder.size());
    void* var_daten = nullptr;
    uint32_t var_laenge = 0;
    for (size_t k = 0; k < felder.size(); ++k) {
        const Fern_Feld& f = felder[k];
        if (!f.zeiger) {
            args[k] = Internet_Wert(int32_t(Bytes_Hole32(block->data() + ow)));
            ow += 4;
        } else if (f.var) {
            args[k] = Internet_Zeiger_Ref(&var_daten, &var_laenge);
        } else {
            puffer[k].assign(auf4(f.zahl), 0);
            if (gesendet(f)) {
                std::memcpy(puffer[k].data(), block->data() + od, f.zahl);
                od += auf4(f.zahl);
            }
            args[k] = Internet_Zeiger(puffer[k].data(), f.zahl);
        }
    }
    uint8_t fertig = 0;
    const int32_t r = Internet_Client_Read(nr, form->format, nullptr, &fertig, args.data(), int32_t(args.size()));
    block->clear();
    if (!fertig) return 0;
    if (var_daten && var_laenge)
        block->insert(block->end(), static_cast<uint8_t*>(var_daten), static_cast<uint8_t*>(var_daten) + var_laenge);
    for (size_t k = 0; k < felder.size(); ++k)
        if (zurueck(felder[k])) block->insert(block->end(), puffer[k].begin(), puffer[k].end());
    // A call without a result slot tells only that it was answered.
    return form->format[0] == 'v' ? 1 : r;
}

}  // namespace

void Internet_Fern_Anbinden()
{
    Datenbank_Fern_Registrieren();
    Spieler_Einsetzen_Fern_Registrieren();
    Ligen_Teamvergleich_Fern_Registrieren();
    Team_Uebertragung_Fern_Registrieren();
    for (const Fern_Form& f : FORMEN) Internet_Handler_Registrieren(f.nr, fern_server);
    Ablauf_Anfragen_Anbinden();
}

void Internet_Fern_Client_Anbinden()
{
    Bank_Set_Fernaufruf(fern_client);
    Stadion_Set_Fernaufruf(fern_client);
    Werbung_Set_Fernaufruf(fern_client);
    Trainingslager_Set_Fernaufruf(fern_client);
}
