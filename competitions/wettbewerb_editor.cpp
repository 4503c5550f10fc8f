// The league editor's session: the records of one configuration set, changed in place. Records in
// use stay contiguous from record 0; every structural change renumbers links and place targets
// through the link shifter and keeps the reverse links and owners in step with the forward ones.
#include <cstdio>
#include <cstring>

#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "platform/exit.h"
#include "platform/print.h"
#include "platform/read_config.h"
#include "platform/string_util.h"

bool Wettbewerb_Config_Modify = false;
int32_t Wettbewerb_Config_Nummer = -1;

namespace {

constexpr int32_t CONFIG_MODUS = 2;
bool ebene_offen = false;   // the set's file stays the reader's level during the session

// The editor renames, moves and inserts records through this.
Wettbewerb_Datensatz& rec(int32_t n)
{
    ++wb_liste_stand;
    return wb_daten[n];
}

int32_t benutzte()
{
    int32_t n = 0;
    while (n < WETTBEWERB_ANZAHL && wb_benutzt(wb_daten[n])) ++n;
    return n;
}

// The record of an id, -1 with the reason on the error sink. Also refuses without a session.
int32_t nummer(const char* wer, Wettbewerb_Id id)
{
    if (!Wettbewerb_Config_Modify) {
        Print_Fehler("%s: Kein Wettbewerb wird bearbeitet.", wer);
        return -1;
    }
    if (!Wettbewerb_Bereit()) {
        Print_Fehler("%s: Die Wettbewerbe sind nicht geladen.", wer);
        return -1;
    }
    int32_t n = Wettbewerb_Get_Nummer(id);
    if (n < 0) Print_Fehler("%s: Kein Wettbewerb mit dieser Nummer (%d).", wer, id);
    return n;
}

// An optional id: -1 stands for none (*n = -1), an unknown one refuses.
bool optional(const char* wer, Wettbewerb_Id id, int32_t* n)
{
    *n = -1;
    if (id == -1) return true;
    *n = nummer(wer, id);
    return *n >= 0;
}

// Members of a record's horizontal group, in record order; the record alone without a key.
template <class F> void gruppe(int32_t n, F f)
{
    int32_t key = rec(n).vk.v[WV_HORIZONTAL];
    if (key < 0) return f(n);
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL && wb_benutzt(rec(i)); ++i)
        if (rec(i).vk.v[WV_HORIZONTAL] == key) f(i);
}

int32_t gruppen_groesse(int32_t n)
{
    int32_t k = 0;
    gruppe(n, [&](int32_t) { ++k; });
    return k;
}

// Every league of n's group takes n's upper and lower league.
void gruppe_angleichen(int32_t n)
{
    if (n < 0) return;
    const int32_t ober = rec(n).vk.v[WV_OBERLIGA], unter = rec(n).vk.v[WV_UNTERLIGA];
    gruppe(n, [&](int32_t i) {
        rec(i).vk.v[WV_OBERLIGA] = ober;
        rec(i).vk.v[WV_UNTERLIGA] = unter;
    });
}

// Owners from the back links, after records moved: the first group of the first round.
void besitzer_setzen()
{
    const int32_t n = benutzte();
    for (int32_t i = 0; i < n; ++i) {
        int32_t b = i;
        for (int32_t schritte = 0; schritte <= 2 * n; ++schritte) {
            int32_t z = rec(b).vk.v[WV_VORGRUPPE] >= 0 ? rec(b).vk.v[WV_VORGRUPPE] : rec(b).vk.v[WV_VORRUNDE];
            if (z < 0 || z >= n) break;
            b = z;
        }
        rec(i).besitzer = b;
    }
}

Wettbewerb_Id freie_id()
{
    for (Wettbewerb_Id id = WETTBEWERB_NEUE_ID_AB; id <= WETTBEWERB_MAX_LIGA_ID; ++id)
        if (!wb_per_id(id)) return id;
    return -1;
}

}  // namespace

bool Wettbewerb_Config_Modify_Free()
{
    if (!Wettbewerb_Config_Modify) return false;
    if (ebene_offen) Read_Config_Close();
    ebene_offen = false;
    Wettbewerb_Config_Listen_Freigeben();
    Wettbewerb_Config_Nummer = -1;
    Wettbewerb_Config_Modify = false;
    Print_Log(0, "Modifiy Free\n");
    Ablauf_DeInit();
    return true;
}

bool Wettbewerb_Config_Modify_Init(int32_t set, int32_t alias_set)
{
    Wettbewerb_Config_Modify_Free();
    if (!Read_Config_Open(CONFIG_MODUS, set, alias_set)) {
        Print_Fehler("Wettbewerb_Config_Modify_Init: Konfigurationssatz %d nicht lesbar", set);
        return false;
    }
    Read_Config_Close();
    Wettbewerb_Config_Nummer = set;
    Wettbewerb_Config_Modify = true;
    Ablauf_DeInit();
    Ablauf_Init(0);
    Wettbewerb_Config_Listen_Init();
    // The reader refuses team numbers beyond the team count with its reason; either way the
    // records of another set must not stay behind as if they were this one.
    if (!Wettbewerb_Config_Lesen(set, alias_set) || !Wettbewerb_Config_Teams_Gueltig()) {
        Wettbewerb_Free();
        return false;
    }
    for (int32_t r = 0; r < benutzte(); ++r) rec(r).vk.v[WV_CONFIG_NUMMER] = r + 1;
    if (!Read_Config_Open(CONFIG_MODUS, set, alias_set)) Exit_Game("Schwerer Config-Fehler");
    ebene_offen = true;
    Print_Log(0, "Modifiy Init\n");
    return true;
}

bool Wettbewerb_Config_Set_Teamanzahl(Wettbewerb_Id id, int32_t anzahl)
{
    const int32_t n = nummer("Wettbewerb_Config_Set_Teamanzahl", id);
    if (n < 0) return false;
    if (anzahl < 0 || anzahl > WETTBEWERB_MAX_LIGA_TEAMS) {
        Print_Fehler("Wettbewerb_Config_Set_Teamanzahl: Eine Liga hat höchstens 24 Vereine (%d).", anzahl);
        return false;
    }
    Wettbewerb_Datensatz& w = rec(n);
    w.teams = anzahl;
    w.spieltage = 2 * (anzahl + anzahl % 2) - 2;
    w.best_of_x = 1;
    if (w.listen.anzahl > anzahl) w.listen.anzahl = anzahl;
    if (w.listen.start_anzahl > anzahl) w.listen.start_anzahl = anzahl;
    int32_t* liste = w.ziele.ziel[0];
    for (int32_t p = 0; p < WETTBEWERB_MAX_LIGA_TEAMS; ++p) {
        if (p < anzahl && liste[p] == -1) liste[p] = n;
        if (p >= anzahl) liste[p] = -1;
    }
    return true;
}

bool Wettbewerb_Config_Set_Spieltage(Wettbewerb_Id id, int32_t anzahl)
{
    const int32_t n = nummer("Wettbewerb_Config_Set_Spieltage", id);
    if (n < 0) return false;
    if (anzahl < 1 || anzahl > WETTBEWERB_MAX_SPIELTAGE) {
        Print_Fehler("Wettbewerb_Config_Set_Spieltage: 1 bis 50 Spieltage, nicht %d.", anzahl);
        return false;
    }
    rec(n).spieltage = anzahl;
    return true;
}

bool Wettbewerb_Config_Set_Modus(Wettbewerb_Id id, uint32_t modus)
{
    const int32_t n = nummer("Wettbewerb_Config_Set_Modus", id);
    if (n < 0) return false;
    rec(n).modus = (modus & ((1u << WETTBEWERB_MODUS_BITS) - 1)) | RUECKSPIELE | HEIMRECHT;
    return true;
}

bool Wettbewerb_Config_Set_Name(Wettbewerb_Id id, const char* name)
{
    const int32_t n = nummer("Wettbewerb_Config_Set_Name", id);
    if (n < 0) return false;
    // An empty name would mark the record free; quotes and brackets would end the value in the file.
    if (!name || !name[0]) {
        Print_Fehler("Wettbewerb_Config_Set_Name: Der Name ist leer.");
        return false;
    }
    if (int32_t c = wb_text_zeichen_falsch(name, WETTBEWERB_NAME_LAENGE - 1)) {
        Print_Fehler("Wettbewerb_Config_Set_Name: Zeichen %d ist im Namen nicht erlaubt.", c);
        return false;
    }
    std::snprintf(rec(n).name, sizeof rec(n).name, "%s", name);
    return true;
}

bool Wettbewerb_Config_Set_Grafik(Wettbewerb_Id id, int32_t nummer_)
{
    const int32_t n = nummer("Wettbewerb_Config_Set_Grafik", id);
    if (n < 0) return false;
    if (nummer_ < 0 || nummer_ > 999) {
        Print_Fehler("Wettbewerb_Config_Set_Grafik: Bildnummer %d liegt nicht zwischen 0 und 999.", nummer_);
        return false;
    }
    rec(n).grafik_nummer = nummer_;
    return true;
}

bool Wettbewerb_Config_Set_Land(Wettbewerb_Id id, int32_t land)
{
    const int32_t n = nummer("Wettbewerb_Config_Set_Land", id);
    if (n < 0) return false;
    const int32_t heimat = Team_Get_Heimatland();
    if (land == -1) {
        for (int32_t t = heimat; t < Team_Anzahl && land < 0; ++t) {
            bool frei = true;
            for (int32_t i = 0; i < benutzte() && frei; ++i) frei = rec(i).land != t;
            if (frei) land = t;
        }
        if (land < 0) {
            Print_Fehler("Wettbewerb_Config_Set_Land: Kein freies Land.");
            return false;
        }
    } else if (land < 0 || land >= Team_Anzahl) {
        Print_Fehler("Wettbewerb_Config_Set_Land: Land %d liegt nicht unter der Teamanzahl %d.", land, Team_Anzahl);
        return false;
    }
    rec(n).land = land;
    rec(n).wochentag = land == heimat ? 0 : 1;
    return true;
}

Wettbewerb_Id Wettbewerb_Config_Insert(Wettbewerb_Id nach, Wettbewerb_Id neben, bool unten)
{
    const char* wer = "Wettbewerb_Config_Insert";
    if (!Wettbewerb_Config_Modify || !Wettbewerb_Bereit()) {
        nummer(wer, -1);
        return -1;
    }
    int32_t a = -1, b = -1;
    if (!optional(wer, nach, &a) || !optional(wer, neben, &b)) return -1;
    const int32_t frei = benutzte();
    if (frei >= WETTBEWERB_ANZAHL) {
        Requester_Printf("Es ist kein weiterer Wettbewerb möglich: höchstens %d Wettbewerbe.", WETTBEWERB_ANZAHL);
        return -1;
    }
    const Wettbewerb_Id id = freie_id();
    if (id < 0) {
        Print_Fehler("%s: Keine freie Liga-Kennung zwischen %d und %d.", wer, WETTBEWERB_NEUE_ID_AB, WETTBEWERB_MAX_LIGA_ID);
        return -1;
    }
    int32_t p = 0;
    if (b >= 0) {
        p = b + 1;
        if (rec(b).vk.v[WV_HORIZONTAL] == -1) rec(b).vk.v[WV_HORIZONTAL] = b;
    } else if (a >= 0) {
        p = a + 1;
    }
    Wettbewerb_Verknuepfungen_Verschieben(p, 1);
    for (int32_t i = frei; i > p; --i) rec(i) = rec(i - 1);
    Wettbewerb_Datensatz_Leeren(p);
    Wettbewerb_Datensatz& w = rec(p);
    std::snprintf(w.name, sizeof w.name, "Neue Liga");
    w.basisliga = 1;
    w.modus = RUECKSPIELE | HEIMRECHT | ENGLISCHE_TABELLE;
    if (p > 0) w.super_art = rec(p - 1).super_art;
    w.besitzer = p;
    w.id = id;
    w.vk.v[WV_CONFIG_NUMMER] = id;
    std::snprintf(w.identifikation, sizeof w.identifikation, "ALI_%d", id);
    if (b >= 0) {
        const Wettbewerb_Datensatz& nb = rec(p - 1);
        for (int32_t k : {WV_HORIZONTAL, WV_UNTERLIGA, WV_OBERLIGA}) w.vk.v[k] = nb.vk.v[k];
    } else if (a >= 0 && unten) {
        const int32_t oben = p - 1, l = rec(oben).vk.v[WV_UNTERLIGA];
        w.vk.v[WV_OBERLIGA] = oben;
        w.vk.v[WV_UNTERLIGA] = l;
        if (l >= 0) {
            rec(l).vk.v[WV_OBERLIGA] = p;
            gruppe_angleichen(l);
        }
        gruppe(oben, [&](int32_t i) { rec(i).vk.v[WV_UNTERLIGA] = p; });
    }
    besitzer_setzen();
    Print_Log(0, "Modifiy Insert\n");
    return id;
}

bool Wettbewerb_Config_Delete(Wettbewerb_Id id)
{
    const int32_t d = nummer("Wettbewerb_Config_Delete", id);
    if (d < 0) return false;
    const int32_t n = benutzte();
    bool andere_basis = false;
    for (int32_t i = 0; i < n; ++i) andere_basis |= i != d && rec(i).basisliga;
    if (!andere_basis) {
        Print_Fehler("Wettbewerb_Config_Delete: Die letzte Liga kann nicht gelöscht werden.");
        return false;
    }
    for (int32_t i = 0; i < n; ++i)
        for (auto& liste : rec(i).ziele.ziel)
            for (int32_t& z : liste)
                if (z == d) z = i;
    const Wettbewerb_Verknuepfung alt = rec(d).vk;
    if (gruppen_groesse(d) > 1) {
        int32_t s = -1;
        gruppe(d, [&](int32_t i) {
            if (s < 0 && i != d) s = i;
        });
        for (int32_t i = 0; i < n; ++i) {
            Wettbewerb_Verknuepfung& v = rec(i).vk;
            if (alt.v[WV_HORIZONTAL] == d && v.v[WV_HORIZONTAL] == d) v.v[WV_HORIZONTAL] = s;
            if (v.v[WV_UNTERLIGA] == d) v.v[WV_UNTERLIGA] = s;
            if (v.v[WV_OBERLIGA] == d) v.v[WV_OBERLIGA] = s;
        }
    } else {
        const int32_t u = alt.v[WV_OBERLIGA], l = alt.v[WV_UNTERLIGA];
        if (u >= 0) {
            rec(u).vk.v[WV_UNTERLIGA] = l;
            gruppe_angleichen(u);
        }
        if (l >= 0) {
            rec(l).vk.v[WV_OBERLIGA] = u;
            gruppe_angleichen(l);
        }
    }
    for (int32_t i = d; i + 1 < n; ++i) rec(i) = rec(i + 1);
    Wettbewerb_Datensatz_Leeren(n - 1);
    Print_Log(0, "Modifiy Delete\n");
    Wettbewerb_Verknuepfungen_Verschieben(d, 0);
    besitzer_setzen();
    return true;
}

bool Wettbewerb_Config_Tauschen(Wettbewerb_Id ida, Wettbewerb_Id idb)
{
    const int32_t a = nummer("Wettbewerb_Config_Tauschen", ida);
    const int32_t b = a < 0 ? -1 : nummer("Wettbewerb_Config_Tauschen", idb);
    if (a < 0 || b < 0) return false;
    if (a == b) return true;
    const Wettbewerb_Datensatz alt_a = rec(a), alt_b = rec(b);
    rec(a) = alt_b;
    rec(b) = alt_a;
    // The identification carries the id in the file, so it stays with the id.
    for (auto [x, alt] : {std::pair<int32_t, const Wettbewerb_Datensatz*>{a, &alt_a}, {b, &alt_b}}) {
        Wettbewerb_Datensatz& w = rec(x);
        w.id = alt->id;
        w.vk = alt->vk;
        w.land = alt->land;
        w.besitzer = alt->besitzer;
        std::memcpy(w.identifikation, alt->identifikation, sizeof w.identifikation);
    }
    for (int32_t l = 0; l < WETTBEWERB_ZIEL_LISTEN; ++l)
        for (int32_t p = 0; p < WETTBEWERB_PLAETZE; ++p)
            for (auto [x, y] : {std::pair<int32_t, int32_t>{a, b}, {b, a}}) {
                int32_t& z = rec(x).ziele.ziel[l][p];
                const int32_t anders = rec(y).ziele.ziel[l][p];
                if (z == x) continue;
                if (z == y) z = x;
                else if (anders != x) z = anders;
            }
    return true;
}

bool Wettbewerb_Config_Verschieben(Wettbewerb_Id id, Wettbewerb_Id nach, Wettbewerb_Id neben, bool unten)
{
    const char* wer = "Wettbewerb_Config_Verschieben";
    const int32_t m = nummer(wer, id);
    int32_t a = -1;
    if (m < 0 || !optional(wer, nach, &a)) return false;
    const Wettbewerb_Datensatz kopie = rec(m);
    const int32_t land = unten && a >= 0 ? rec(a).land : kopie.land;
    const Wettbewerb_Id neu_id = Wettbewerb_Config_Insert(nach, neben, unten);
    if (neu_id < 0) return false;
    const int32_t p = Wettbewerb_Get_Nummer(neu_id);
    Wettbewerb_Datensatz& w = rec(p);
    const Wettbewerb_Datensatz frisch = w;
    w = kopie;
    for (int32_t k = 0; k < WV_CONFIG_NUMMER; ++k) w.vk.v[k] = frisch.vk.v[k];
    w.id = frisch.id;
    std::memcpy(w.identifikation, frisch.identifikation, sizeof w.identifikation);
    w.land = land;
    w.besitzer = p;
    for (int32_t pl = 0; pl < WETTBEWERB_PLAETZE; ++pl) w.ziele.ziel[0][pl] = pl < w.teams ? p : -1;
    for (int32_t l = 1; l < WETTBEWERB_ZIEL_LISTEN; ++l)
        for (int32_t& z : w.ziele.ziel[l]) z = -1;
    return Wettbewerb_Config_Delete(id);
}
