// Reader of the competition configuration "<set + 1>_wettbewerb.cfg" (form: see the
// vocabulary in wettbewerb_vokabular.cpp). The file is read into a block of records of its own;
// only a file that passes every check replaces the records in memory.
#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <strings.h>

#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "database/team.h"
#include "platform/print.h"
#include "platform/read_config.h"
#include "platform/string_util.h"

namespace {

constexpr int32_t CONFIG_MODUS = 2;

// The value lists: texts that can only be taken once every record is known (references by
// IDENTIFIKATION) or that are kept for the team-number scan.
enum Liste_Nr {
    L_QUALI_FUER, L_VISUELL_NACHFOLGER, L_VISUELL_PARALLEL, L_PARALLELGRUPPE, L_NACHFOLGERUNDE,
    L_STARTTEILNEHMER, L_AUFFUELL_MIT_TEAMS, L_QUALI_LAND, L_WER_GEGEN_WEN, L_MODUS, L_RUNDENTEXT,
    L_WEITERKOMM_ANZ, L_SUPER_ART, L_ANZAHL
};
struct Wert {
    int32_t rec;
    int32_t zeile;
    int32_t index;   // QUALI_FUER: the list
    std::string text;
};
std::vector<Wert> listen[L_ANZAHL];

// State of one read.
struct Lauf {
    Wettbewerb_Datensatz* recs = nullptr;
    int32_t aktuell = -1;
    int32_t zeile = 0;
    const char* wort = "";
    int32_t team_anzahl = 0;
    bool fehler = false;
    bool best_of_x[WETTBEWERB_ANZAHL] = {};  // given in the file
    std::string* grund = nullptr;            // a quiet read keeps its reason here
};

void melden(Lauf& l, int32_t rec, const char* wort, const char* fmt, ...) __attribute__((format(printf, 4, 5)));
void melden(Lauf& l, int32_t rec, const char* wort, const char* fmt, ...)
{
    if (l.fehler) return;  // the first fault is the one to fix
    l.fehler = true;
    char text[256];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    std::string wo = l.zeile > 0 ? "Zeile " + std::to_string(l.zeile) + ", " : std::string();
    if (rec >= 0) wo += "Wettbewerb " + wb_bezeichnung(l.recs[rec], rec) + ", ";
    if (l.grund) {
        *l.grund = wo + wort + ": " + text;
        return;
    }
    Print_Fehler("Fehler in wettbewerb.cfg: %s%s: %s", wo.c_str(), wort, text);
    Requester_Printf("Die Wettbewerb-Konfiguration wurde nicht geladen.^l%s%s: %s", wo.c_str(), wort, text);
}

// A value that must be a number: digits with a sign, "#alias", "JA" or "NEIN".
bool zahl(Lauf& l, int32_t& out)
{
    const char* t = Read_Config_Get_Wert_Text();
    if (!std::strcmp(t, l.wort)) {  // a keyword alone on its line reads as 1 (flags)
        out = 1;
        return true;
    }
    const char* p = t;
    while (*p == ' ') ++p;
    bool ok = *p == '#' || !strcasecmp(p, "JA") || !strcasecmp(p, "NEIN");
    if (!ok) {
        if (*p == '-' || *p == '+') ++p;
        ok = std::isdigit(static_cast<unsigned char>(*p)) && std::strlen(p) <= 10;
        while (ok && *p) ok = std::isdigit(static_cast<unsigned char>(*p++));
    }
    if (!ok) {
        melden(l, l.aktuell, l.wort, "\"%s\" ist keine Zahl", t);
        return false;
    }
    int32_t vorher = Read_Config_Get_Alias_Status();
    out = Read_Config_Get_Wert();
    if (vorher == 0 && Read_Config_Get_Alias_Status() != 0) {
        melden(l, l.aktuell, l.wort, "Alias \"%s\" nicht definiert", t);
        return false;
    }
    return true;
}

// A comma list of numbers (aliases allowed), at most `max` of them.
bool zahlen(Lauf& l, int32_t rec, const char* text, std::vector<int32_t>& out, int32_t max)
{
    int32_t n = 1;
    for (const char* p = text; *p; ++p) n += *p == ',';
    if (n > max) {
        melden(l, rec, l.wort, "%d Werte, höchstens %d", n, max);
        return false;
    }
    out.assign(static_cast<size_t>(n), 0);
    int32_t vorher = Read_Config_Get_Alias_Status();
    n = Read_Config_Parse_Zahlen(text, out.data(), n);
    out.resize(static_cast<size_t>(n));
    if (vorher == 0 && Read_Config_Get_Alias_Status() != 0) {
        melden(l, rec, l.wort, "Alias in \"%s\" nicht definiert", text);
        return false;
    }
    return true;
}

bool text_kopieren(Lauf& l, char* ziel, size_t groesse, bool kuerzen)
{
    const char* t = Read_Config_Get_Wert_Text();
    if (std::strlen(t) >= groesse && !kuerzen) {
        melden(l, l.aktuell, l.wort, "Text länger als %zu Zeichen", groesse - 1);
        return false;
    }
    std::snprintf(ziel, groesse, "%s", t);
    return true;
}

int32_t wort_suchen(const char* const* tabelle, int32_t n, const char* wort)
{
    for (int32_t i = 0; i < n; ++i)
        if (!strcasecmp(tabelle[i], wort)) return i;
    return -1;
}

bool team_pruefen(Lauf& l, int32_t rec, int32_t t, bool keins_erlaubt)
{
    if ((keins_erlaubt && t == -1) || (t >= 0 && t < l.team_anzahl && t <= INT16_MAX)) return true;
    melden(l, rec, l.wort, "Teamnummer %d nicht unter der Teamanzahl %d", t, l.team_anzahl);
    return false;
}

// The id is the number that IDENTIFIKATION ends in ("ALI_12" is 12).
bool identifikation(Lauf& l, Wettbewerb_Datensatz& w)
{
    if (!text_kopieren(l, w.identifikation, sizeof w.identifikation, false)) return false;
    size_t n = std::strlen(w.identifikation), z = n;
    while (z > 0 && std::isdigit(static_cast<unsigned char>(w.identifikation[z - 1]))) --z;
    if (z == n || n - z > 4) {
        melden(l, l.aktuell, l.wort, "\"%s\" endet nicht mit der Kennung", w.identifikation);
        return false;
    }
    w.id = std::atoi(w.identifikation + z);
    if (w.id > WETTBEWERB_MAX_ID) {
        melden(l, l.aktuell, l.wort, "Kennung %d liegt nicht zwischen 0 und %d", w.id, WETTBEWERB_MAX_ID);
        return false;
    }
    return true;
}

uint8_t* jafeld(Wettbewerb_Datensatz& w, const char* wort)
{
    static const struct {
        const char* wort;
        uint8_t Wettbewerb_Datensatz::*feld;
    } FELDER[] = {
        {"POKAL_PRAEMIE", &Wettbewerb_Datensatz::pokal_praemie},
        {"BASISLIGA", &Wettbewerb_Datensatz::basisliga},
        {"AMATEUR_LIGA", &Wettbewerb_Datensatz::amateur_liga},
        {"QUALIFIKANTEN_MISCHEN", &Wettbewerb_Datensatz::qualifikanten_mischen},
        {"QUALI_ZU_SAISONSTART", &Wettbewerb_Datensatz::quali_zu_saisonstart},
        {"MEHRMALS_PRO_JAHR", &Wettbewerb_Datensatz::mehrmals_pro_jahr},
        {"GOLDEN_GOAL", &Wettbewerb_Datensatz::golden_goal},
        {"RUECKSPIEL_NACH_ZWEI_WOCHEN", &Wettbewerb_Datensatz::rueckspiel_nach_zwei_wochen},
    };
    for (const auto& f : FELDER)
        if (!std::strcmp(f.wort, wort)) return &(w.*f.feld);
    return nullptr;
}

const Wettbewerb_Feld* feld_suchen(const char* wort)
{
    for (const auto& f : Wettbewerb_Felder)
        if (!std::strcmp(f.wort, wort)) return &f;
    return nullptr;
}

void merken(Lauf& l, Liste_Nr nr, int32_t index)
{
    listen[nr].push_back({l.aktuell, l.zeile, index, Read_Config_Get_Wert_Text()});
}

// One entry of the current record.
void eintrag(Lauf& l, const Wettbewerb_Feld& f)
{
    Wettbewerb_Datensatz& w = l.recs[l.aktuell];
    const char* wort = f.wort;
    int32_t v = 0;
    if (!std::strcmp(wort, "NAME")) {
        text_kopieren(l, w.name, sizeof w.name, true);
        // Names from a file a user can touch are plain text.
        String_Klartext(w.name, sizeof w.name);
        if (!w.name[0]) melden(l, l.aktuell, wort, "leerer Name");
    } else if (!std::strcmp(wort, "GRUPPEN_NAME")) {
        text_kopieren(l, w.gruppen_name, sizeof w.gruppen_name, true);
        String_Klartext(w.gruppen_name, sizeof w.gruppen_name);
    } else if (!std::strcmp(wort, "IDENTIFIKATION")) {
        identifikation(l, w);
    } else if (!std::strcmp(wort, "MODUS")) {
        int32_t bit = wort_suchen(Wettbewerb_Modus, WETTBEWERB_MODUS_BITS, Read_Config_Get_Wert_Text());
        if (bit < 0) melden(l, l.aktuell, wort, "unbekanntes Wort \"%s\"", Read_Config_Get_Wert_Text());
        else w.modus |= 1u << bit;
        merken(l, L_MODUS, bit);
    } else if (!std::strcmp(wort, "SUPER_ART")) {
        w.super_art = wort_suchen(Wettbewerb_Super_Art, SA_ANZAHL, Read_Config_Get_Wert_Text());
        if (w.super_art < 0) melden(l, l.aktuell, wort, "unbekannte Art \"%s\"", Read_Config_Get_Wert_Text());
        merken(l, L_SUPER_ART, w.super_art);
    } else if (!std::strcmp(wort, "WOCHENTAG")) {
        int32_t tag = wort_suchen(Wettbewerb_Wochentag, 7, Read_Config_Get_Wert_Text());
        if (tag < 0 && zahl(l, v)) {
            if (v < 0 || v > 6) melden(l, l.aktuell, wort, "Wochentag %d", v);
            tag = v;
        }
        if (tag >= 0) w.wochentag = tag;
    } else if (!std::strcmp(wort, "WEITERKOMM_ANZ")) {
        int32_t n = 0;
        for (const auto& e : listen[L_WEITERKOMM_ANZ]) n += e.rec == l.aktuell;
        if (n >= WETTBEWERB_WEITERKOMM) melden(l, l.aktuell, wort, "mehr als %d Zeilen", WETTBEWERB_WEITERKOMM);
        else if (zahl(l, v) && (v < f.min || v > f.max)) melden(l, l.aktuell, wort, "Wert %d falsch", v);
        else w.weiterkomm_anz[n] = v;
        merken(l, L_WEITERKOMM_ANZ, n);
    } else if (!std::strcmp(wort, "QUALI_FUER")) {
        if (w.ziele.anzahl >= WETTBEWERB_ZIEL_LISTEN) melden(l, l.aktuell, wort, "mehr als %d Zeilen", WETTBEWERB_ZIEL_LISTEN);
        else merken(l, L_QUALI_FUER, w.ziele.anzahl++);
    } else if (!std::strcmp(wort, "VISUELL_NACHFOLGER")) {
        merken(l, L_VISUELL_NACHFOLGER, 0);
    } else if (!std::strcmp(wort, "VISUELL_PARALLEL")) {
        merken(l, L_VISUELL_PARALLEL, 0);
    } else if (!std::strcmp(wort, "PARALLELGRUPPE")) {
        merken(l, L_PARALLELGRUPPE, 0);
    } else if (!std::strcmp(wort, "NACHFOLGERUNDE")) {
        merken(l, L_NACHFOLGERUNDE, 0);
    } else if (!std::strcmp(wort, "STARTTEILNEHMER")) {
        std::vector<int32_t> z;
        merken(l, L_STARTTEILNEHMER, 0);
        if (!zahlen(l, l.aktuell, Read_Config_Get_Wert_Text(), z, WETTBEWERB_MAX_TEAMS - w.listen.start_anzahl)) return;
        for (int32_t t : z) {
            if (!team_pruefen(l, l.aktuell, t, false)) return;
            w.listen.start[w.listen.start_anzahl++] = static_cast<int16_t>(t);
        }
    } else if (!std::strcmp(wort, "AUFFUELL_MIT_TEAMS")) {
        std::vector<int32_t> z;
        merken(l, L_AUFFUELL_MIT_TEAMS, 0);
        if (!zahlen(l, l.aktuell, Read_Config_Get_Wert_Text(), z, 3)) return;
        if (z.size() != 3) return melden(l, l.aktuell, wort, "erwartet: Team,Team,Anzahl");
        if (w.auffuell_anz >= WETTBEWERB_AUFFUELL_MAX) return melden(l, l.aktuell, wort, "zu viele Zeilen");
        if (!team_pruefen(l, l.aktuell, z[0], false) || !team_pruefen(l, l.aktuell, z[1], false)) return;
        w.auffuell[w.auffuell_anz++] = {z[0], z[1], z[2]};
    } else if (!std::strcmp(wort, "QUALI_LAND")) {
        std::vector<int32_t> z;
        merken(l, L_QUALI_LAND, 0);
        if (!zahlen(l, l.aktuell, Read_Config_Get_Wert_Text(), z, 2)) return;
        if (z.size() != 2) return melden(l, l.aktuell, wort, "erwartet: Land,Anzahl");
        if (w.quali_land_anz >= WETTBEWERB_QUALI_LAND_MAX) return melden(l, l.aktuell, wort, "zu viele Zeilen");
        if (!team_pruefen(l, l.aktuell, z[0], false)) return;
        w.quali_land[w.quali_land_anz++] = {z[0], z[1]};
    } else if (!std::strcmp(wort, "WER_GEGEN_WEN")) {
        std::vector<int32_t> z;
        merken(l, L_WER_GEGEN_WEN, 0);
        if (!zahlen(l, l.aktuell, Read_Config_Get_Wert_Text(), z, WETTBEWERB_WER_GEGEN_WEN_MAX - w.wer_gegen_wen_anz)) return;
        for (int32_t s : z) {
            if (s < 0 || s > WETTBEWERB_MAX_TEAMS) return melden(l, l.aktuell, wort, "Platz %d falsch", s);
            w.wer_gegen_wen[w.wer_gegen_wen_anz++] = static_cast<uint8_t>(s);
        }
    } else if (!std::strcmp(wort, "RUNDENTEXT")) {
        int32_t n = 0;
        while (n < WETTBEWERB_MAX_SPIELTAGE && w.rundentext[n] != -1) ++n;
        int32_t rt = wort_suchen(Wettbewerb_Rundentext, RT_ANZAHL, Read_Config_Get_Wert_Text());
        if (rt < 0) melden(l, l.aktuell, wort, "unbekanntes Wort \"%s\"", Read_Config_Get_Wert_Text());
        else if (n >= WETTBEWERB_MAX_SPIELTAGE) melden(l, l.aktuell, wort, "mehr als %d Zeilen", WETTBEWERB_MAX_SPIELTAGE);
        else w.rundentext[n] = rt;
        merken(l, L_RUNDENTEXT, n);
    } else if (uint8_t* ja = jafeld(w, wort)) {
        if (zahl(l, v)) {
            if (v != 0 && v != 1) melden(l, l.aktuell, wort, "erwartet JA");
            *ja = static_cast<uint8_t>(v == 1);
        }
    } else if (int32_t* feld = wb_zahlfeld(w, wort)) {
        if (!zahl(l, v)) return;
        if (feld == &w.best_of_x) l.best_of_x[l.aktuell] = true;
        if (f.art == WFA_TEAM) {
            if (!team_pruefen(l, l.aktuell, v, true)) return;
        } else if (v < f.min || v > f.max) {
            if (!std::strcmp(wort, "TEAMS") || !std::strcmp(wort, "SPIELTAGE"))
                return melden(l, l.aktuell, wort, "%d, erlaubt sind %d bis %d", v, f.min, f.max);
            return melden(l, l.aktuell, wort, "Wert %d liegt nicht zwischen %d und %d", v, f.min, f.max);
        }
        *feld = v;
    } else {
        melden(l, l.aktuell, wort, "nicht lesbar");
    }
}

std::string trimmen(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

int32_t record_zu(Lauf& l, int32_t anzahl, const std::string& ident)
{
    for (int32_t i = 0; i < anzahl; ++i)
        if (ident == l.recs[i].identifikation) return i;
    return -1;
}

// References by IDENTIFIKATION, once every record is known.
void verweise_aufloesen(Lauf& l, int32_t anzahl)
{
    struct {
        Liste_Nr liste;
        int32_t link;
        const char* wort;
    } const LINKS[] = {
        {L_VISUELL_NACHFOLGER, WV_UNTERLIGA, "VISUELL_NACHFOLGER"},
        {L_VISUELL_PARALLEL, WV_HORIZONTAL, "VISUELL_PARALLEL"},
        {L_PARALLELGRUPPE, WV_NACHGRUPPE, "PARALLELGRUPPE"},
        {L_NACHFOLGERUNDE, WV_NACHFOLGERUNDE, "NACHFOLGERUNDE"},
    };
    for (const auto& k : LINKS)
        for (const Wert& e : listen[k.liste]) {
            l.zeile = e.zeile;
            l.wort = k.wort;
            int32_t ziel = record_zu(l, anzahl, trimmen(e.text));
            if (ziel < 0) return melden(l, e.rec, k.wort, "Wettbewerb \"%s\" gibt es nicht", e.text.c_str());
            l.recs[e.rec].vk.v[k.link] = ziel;
        }
    for (const Wert& e : listen[L_QUALI_FUER]) {
        l.zeile = e.zeile;
        l.wort = "QUALI_FUER";
        Wettbewerb_Datensatz& w = l.recs[e.rec];
        int32_t platz = 0;
        size_t pos = 0;
        while (pos <= e.text.size()) {
            size_t komma = e.text.find(',', pos);
            std::string teil = trimmen(e.text.substr(pos, komma == std::string::npos ? std::string::npos : komma - pos));
            if (platz >= w.teams || platz >= WETTBEWERB_PLAETZE)
                return melden(l, e.rec, l.wort, "mehr Plätze als die %d Teams", w.teams);
            if (teil != "NIX") {
                int32_t ziel = record_zu(l, anzahl, teil);
                if (ziel < 0) return melden(l, e.rec, l.wort, "Ziel \"%s\" gibt es nicht", teil.c_str());
                w.ziele.ziel[e.index][platz] = ziel;
            }
            ++platz;
            if (komma == std::string::npos) break;
            pos = komma + 1;
        }
    }
}

void listen_leeren()
{
    for (auto& v : listen) v.clear();
}

}  // namespace

void Wettbewerb_Config_Listen_Init() { listen_leeren(); }

void Wettbewerb_Config_Listen_Freigeben()
{
    for (auto& v : listen) std::vector<Wert>().swap(v);
}

namespace {

// Reads the reader's open level to its end into `recs` (WETTBEWERB_ANZAHL records) and closes
// it. With l.grund set nothing is shown: the reason goes there and the sum to *summe.
bool einlesen(Lauf& l, Wettbewerb_Datensatz* recs, uint32_t* summe_aus)
{
    l.recs = recs;
    l.team_anzahl = Team_Anzahl;
    listen_leeren();
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) recs[i] = Wettbewerb_Leerer_Datensatz;
    for (;;) {
        const char* wort = Read_Config_Read_Zeile(nullptr, true);
        if (!*wort || l.fehler) break;
        l.zeile = Read_Config_Get_Zeilennummer();
        l.wort = wort;
        if (!std::strcmp(wort, "INFOTEXT")) continue;
        const Wettbewerb_Feld* f = feld_suchen(wort);
        if (!f) {
            melden(l, l.aktuell, wort, "unbekanntes Schlüsselwort");
            if (!l.grund)
                Requester_Printf("[%d] Syntax-Error in wettbewerb.cfg:\n - (101) Unbekannter Befehl (%s)\n\n", l.zeile, wort);
            break;
        }
        if (!std::strcmp(wort, "VERSION")) {
            if (std::atoi(Read_Config_Get_Wert_Text()) != WETTBEWERB_CONFIG_VERSION)
                melden(l, l.aktuell, wort, "Version \"%s\" unbekannt, erwartet %d", Read_Config_Get_Wert_Text(),
                       WETTBEWERB_CONFIG_VERSION);
            continue;
        }
        if (!std::strcmp(wort, "NEUER_WETTBEWERB")) {
            if (l.aktuell + 1 >= WETTBEWERB_ANZAHL) {
                melden(l, l.aktuell, wort, "mehr als %d Wettbewerbe", WETTBEWERB_ANZAHL);
                break;
            }
            ++l.aktuell;
            continue;
        }
        if (l.aktuell < 0) {
            melden(l, -1, wort, "steht vor dem ersten NEUER_WETTBEWERB");
            break;
        }
        eintrag(l, *f);
    }
    uint32_t summe = 0;
    if (summe_aus) *summe_aus = Read_Config_Get_Summe();
    else if (!l.fehler && !Read_Config_Check_Summe(&summe))
        Requester_Printf("Die Wettbewerb-Konfigurationsdatei entspricht nicht dem Urzustand. Dies kann einen "
                         "fehlerhaften Programmablauf verursachen.^lUm diese Warnung abzuschalten, tragen Sie "
                         "bitte die Checksumme '%u' ein.",
                         summe);
    Read_Config_Close();
    int32_t anzahl = l.aktuell + 1;
    l.zeile = 0;
    if (!l.fehler && anzahl == 0) melden(l, -1, "NEUER_WETTBEWERB", "die Datei enthält keinen Wettbewerb");
    for (int32_t i = 0; !l.fehler && i < anzahl; ++i) {
        l.wort = "NAME";
        if (!recs[i].name[0]) melden(l, i, "NAME", "fehlt");
        else if (!recs[i].identifikation[0]) melden(l, i, "IDENTIFIKATION", "fehlt");
    }
    if (!l.fehler) verweise_aufloesen(l, anzahl);
    for (int32_t i = 0; !l.fehler && i < anzahl; ++i) {
        Wettbewerb_Teamlisten& t = recs[i].listen;
        l.zeile = 0;
        if (t.start_anzahl > recs[i].teams) {
            melden(l, i, "STARTTEILNEHMER", "%d Startteilnehmer bei %d Teams", t.start_anzahl, recs[i].teams);
        }
        // Two-legged knock-out rounds leave BEST_OF_X out of the file.
        if (!l.best_of_x[i] && (recs[i].modus & KO_SYSTEM) && (recs[i].modus & RUECKSPIELE)) recs[i].best_of_x = 2;
        t.anzahl = t.start_anzahl;
        for (int32_t k = 0; k < t.anzahl; ++k) t.teams[k] = t.start[k];
    }
    listen_leeren();
    if (l.fehler) return false;

    std::string fehler = wb_pruefen_und_ableiten(recs, WETTBEWERB_ANZAHL, l.team_anzahl);
    if (fehler.empty()) return true;
    if (l.grund) {
        *l.grund = fehler;
    } else {
        Print_Fehler("Fehler in wettbewerb.cfg: %s", fehler.c_str());
        Requester_Printf("Die Wettbewerb-Konfiguration wurde nicht geladen.^l%s", fehler.c_str());
    }
    return false;
}

}  // namespace

bool Wettbewerb_Config_Lesen(int32_t set, int32_t alias_set)
{
    if (!Read_Config_Open(CONFIG_MODUS, set, alias_set)) {
        const char* name = Read_Config_Get_Filenamen(CONFIG_MODUS, set);
        Print_Fehler("Wettbewerb_Config_Lesen: %s fehlt", name ? name : "wettbewerb.cfg");
        Requester_Printf("Die Wettbewerb-Konfiguration %s fehlt.", name ? name : "");
        return false;
    }
    std::unique_ptr<Wettbewerb_Datensatz[]> recs(new (std::nothrow) Wettbewerb_Datensatz[WETTBEWERB_ANZAHL]);
    if (!recs) {
        Read_Config_Close();
        Print_Fehler("Wettbewerb_Config_Lesen: kein Speicher");
        return false;
    }
    Lauf l;
    if (!einlesen(l, recs.get(), nullptr)) return false;
    return Wettbewerb_Uebernehmen(recs.get(), WETTBEWERB_ANZAHL, l.team_anzahl);
}

bool wb_config_text_lesen(const std::string& text, int32_t alias_set, Wettbewerb_Datensatz* recs, uint32_t* summe,
                          std::string* grund)
{
    if (!Read_Config_Open_Buffer(text.data(), static_cast<uint32_t>(text.size()), CONFIG_MODUS, 0, alias_set)) {
        *grund = "die Datei ist nicht lesbar";
        return false;
    }
    Lauf l;
    l.grund = grund;
    return einlesen(l, recs, summe);
}

bool Wettbewerb_Config_Teams_Gueltig()
{
    if (!Wettbewerb_Bereit()) return false;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const Wettbewerb_Datensatz* w = wb_link(i);
        if (!w || !w->name[0]) break;
        for (int32_t k = 0; k < w->teams && k < WETTBEWERB_MAX_TEAMS; ++k)
            if (w->listen.teams[k] >= Team_Anzahl) return false;
    }
    return true;
}

int32_t Wettbewerb_Config_Max_Teamnummer(int32_t set, int32_t alias_set)
{
    if (!Read_Config_Open(CONFIG_MODUS, set, alias_set)) {
        // The set-up asks before it starts a game; a missing file makes the set unusable.
        Print_Fehler("WETTBEWERBCONFIG NICHT DA !\n");
        return -1;
    }
    std::vector<std::string> texte;
    int32_t max = -1;
    for (;;) {
        const char* wort = Read_Config_Read_Zeile(nullptr, true);
        if (!*wort) break;
        if (!feld_suchen(wort) && std::strcmp(wort, "INFOTEXT")) {
            Requester_Printf("[%d] Syntax-Error in wettbewerb.cfg:\n - (101) Unbekannter Befehl (%s)\n\n",
                             Read_Config_Get_Zeilennummer(), wort);
            continue;
        }
        if (!std::strcmp(wort, "SIEGER") || !std::strcmp(wort, "LAND")) {
            int32_t v = Read_Config_Get_Wert();
            max = std::max(max, v >= 0 && v <= 65535 ? v : 0);
        } else if (!std::strcmp(wort, "AUSRICHTER")) {
            int32_t v = Read_Config_Get_Wert();
            max = std::max(max, v >= -1 && v <= 999 ? v : -1);
        } else if (!std::strcmp(wort, "STARTTEILNEHMER") || !std::strcmp(wort, "AUFFUELL_MIT_TEAMS") ||
                   !std::strcmp(wort, "QUALI_LAND")) {
            texte.emplace_back(Read_Config_Get_Wert_Text());
        }
    }
    uint32_t summe = 0;
    bool summe_ok = Read_Config_Check_Summe(&summe);
    for (const std::string& t : texte) {
        int32_t n = 1;
        for (char c : t) n += c == ',';
        std::vector<int32_t> z(static_cast<size_t>(n));
        n = Read_Config_Parse_Zahlen(t.c_str(), z.data(), n);
        for (int32_t i = 0; i < n; ++i) max = std::max(max, z[static_cast<size_t>(i)]);
    }
    if (!summe_ok)
        Requester_Printf("Die Wettbewerb-Konfigurationsdatei entspricht nicht dem Urzustand. Dies kann einen "
                         "fehlerhaften Programmablauf verursachen.^lUm diese Warnung abzuschalten, tragen Sie "
                         "bitte die Checksumme '%u' ein.",
                         summe);
    if (Read_Config_Get_Alias_Status() != 0) max = -1;
    Read_Config_Close();
    Print_Log(7020, "WETTBEWERBCONFIG AUSGELESEN !\n");
    return max;
}
