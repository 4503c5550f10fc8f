// Writer of the competition configuration "<set + 1>_wettbewerb.cfg" (form: see the vocabulary in
// wettbewerb_vokabular.cpp). A keyword line is a TAB, the keyword padded to 35 characters, the
// value and CR LF; many keywords are left out when they equal the empty template record.
//
// The old file is only ever replaced whole: the new text goes to "<file>.tmp" beside it, is read
// from there and through the reader's own checks, compared with what was meant to be written, and
// only then renamed over the old file.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "database/team.h"
#include "platform/config_datei.h"
#include "platform/disk.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/read_config.h"
#include "platform/string_util.h"

int32_t Wettbewerb_Config_Letzter_Satz = -1;

namespace {

constexpr int32_t CONFIG_MODUS = 2;
constexpr int32_t INFOTEXT_MAX = 150;
constexpr int32_t SUMMEN_FELD = 17;

const char* const KOPF =
    "; DIESES FILE ERLAUBT DIE KONFIGURATION DER AUSGESPIELTEN WETTBEWERBE\r\n"
    "; IM 'DORVIN ZIDURIDAVOZOZOR'.\r\n"
    "; ÄNDERUNGEN KÖNNEN ZU UNVORHERSEHBAREM FEHLVERHALTEN DES PROGRAMMES FÜHREN!\r\n"
    "; BITTE SICHERN SIE SICH VOR EVENTUELLEN ÄNDERUNGEN DIESES ORIGINALFILE.\r\n"
    "\r\n";

bool dummy(const Wettbewerb_Datensatz& w) { return w.schalter[4] != 0; }

void zeile(std::string& t, const char* wort, const std::string& wert)
{
    t += '\t';
    t += wort;
    t += String_Pad(wort, 35);
    t += wert;
    t += "\r\n";
}

std::string zahl(int32_t v) { return std::to_string(v); }

// "#alias" when the alias list names the team, else its number.
std::string team(int32_t nummer)
{
    const char* a = nummer >= 0 ? Read_Config_Get_Alias(nummer) : nullptr;
    return a ? std::string("#") + a : zahl(nummer);
}

struct Block {
    const Wettbewerb_Datensatz* recs;
    int32_t anzahl;
    const char* ident(int32_t n) const
    {
        return n >= 0 && n < anzahl && !dummy(recs[n]) ? recs[n].identifikation : nullptr;
    }
};

void datensatz(std::string& t, const Block& b, const Wettbewerb_Datensatz& w)
{
    const Wettbewerb_Datensatz& v = Wettbewerb_Leerer_Datensatz;
    auto wenn_anders = [&](const char* wort, int32_t wert, int32_t vorlage) {
        if (wert != vorlage) zeile(t, wort, zahl(wert));
    };
    auto ja = [&](const char* wort, uint8_t flag) {
        if (flag) zeile(t, wort, "JA");
    };
    t += "\r\nNEUER_WETTBEWERB\r\n";
    zeile(t, "NAME", std::string("\"") + w.name + "\"");
    if (w.gruppen_name[0]) zeile(t, "GRUPPEN_NAME", std::string("\"") + w.gruppen_name + "\"");
    zeile(t, "IDENTIFIKATION", w.identifikation);
    zeile(t, "TEAMS", zahl(w.teams));
    for (int32_t bit = 0; bit < WETTBEWERB_MODUS_BITS; ++bit)
        if (w.modus & (1u << bit)) zeile(t, "MODUS", Wettbewerb_Modus[bit]);
    if (w.super_art >= 0 && w.super_art < SA_ANZAHL) zeile(t, "SUPER_ART", Wettbewerb_Super_Art[w.super_art]);
    zeile(t, "WOCHENTAG", w.wochentag >= 0 && w.wochentag < 7 ? Wettbewerb_Wochentag[w.wochentag] : zahl(w.wochentag));
    wenn_anders("QUOTE_WOCHENTAG", w.quote_wochentag, v.quote_wochentag);
    wenn_anders("STARTWOCHE", w.startwoche, v.startwoche);
    wenn_anders("ENDWOCHE", w.endwoche, v.endwoche);
    wenn_anders("SPIELFREI_START", w.spielfrei_start, v.spielfrei_start);
    wenn_anders("SPIELFREI_ENDE", w.spielfrei_ende, v.spielfrei_ende);
    zeile(t, "SPIELTAGE", zahl(w.spieltage));
    wenn_anders("ANZ_PARALLEL_GRUPPEN", w.anz_parallel_gruppen, v.anz_parallel_gruppen);
    for (int32_t x : w.weiterkomm_anz)
        if (x != -1) zeile(t, "WEITERKOMM_ANZ", zahl(x));

    // The n-th line is list n: an empty list before a used one stays as one "NIX".
    const int32_t plaetze = w.teams < WETTBEWERB_PLAETZE ? w.teams : WETTBEWERB_PLAETZE;
    int32_t letzte[WETTBEWERB_ZIEL_LISTEN], listen = 0;
    for (int32_t l = 0; l < WETTBEWERB_ZIEL_LISTEN; ++l) {
        letzte[l] = -1;
        for (int32_t p = 0; p < plaetze; ++p)
            if (b.ident(w.ziele.ziel[l][p])) letzte[l] = p;
        if (letzte[l] >= 0) listen = l + 1;
    }
    for (int32_t l = 0; l < listen; ++l) {
        std::string s;
        for (int32_t p = 0; p <= letzte[l] || p == 0; ++p) {
            const char* z = b.ident(w.ziele.ziel[l][p]);
            s += (p ? "," : "") + std::string(z ? z : "NIX");
        }
        zeile(t, "QUALI_FUER", s);
    }
    wenn_anders("SIEGER", w.sieger, v.sieger);
    if (const char* z = b.ident(w.vk.v[WV_UNTERLIGA])) zeile(t, "VISUELL_NACHFOLGER", z);
    if (const char* z = b.ident(w.vk.v[WV_HORIZONTAL])) zeile(t, "VISUELL_PARALLEL", z);
    if (const char* z = b.ident(w.vk.v[WV_NACHGRUPPE])) zeile(t, "PARALLELGRUPPE", z);
    if (const char* z = b.ident(w.vk.v[WV_NACHFOLGERUNDE])) zeile(t, "NACHFOLGERUNDE", z);
    // Team 0 is a club like any other: only a free (negative) entry ends the list.
    // Lines append; a new one before the reader's token limit.
    std::string s;
    for (int32_t k = 0; k < w.teams && k < WETTBEWERB_MAX_TEAMS && w.listen.teams[k] >= 0; ++k) {
        const std::string n = team(w.listen.teams[k]);
        if (!s.empty() && s.size() + 1 + n.size() >= static_cast<size_t>(READ_CONFIG_TOKEN - 100)) {
            zeile(t, "STARTTEILNEHMER", s);
            s.clear();
        }
        s += (s.empty() ? "" : ",") + n;
    }
    if (!s.empty()) zeile(t, "STARTTEILNEHMER", s);
    for (int32_t k = 0; k < w.auffuell_anz && k < WETTBEWERB_AUFFUELL_MAX; ++k)
        zeile(t, "AUFFUELL_MIT_TEAMS", team(w.auffuell[k].von) + "," + team(w.auffuell[k].bis) + "," + zahl(w.auffuell[k].anzahl));
    for (int32_t k = 0; k < w.quali_land_anz && k < WETTBEWERB_QUALI_LAND_MAX; ++k)
        zeile(t, "QUALI_LAND", team(w.quali_land[k].land) + "," + zahl(w.quali_land[k].anzahl));
    if (w.best_of_x != v.best_of_x && !(w.best_of_x == 2 && (w.modus & KO_SYSTEM) && (w.modus & RUECKSPIELE)))
        zeile(t, "BEST_OF_X", zahl(w.best_of_x));
    wenn_anders("HALBZEIT_LAENGE", w.halbzeit_laenge, v.halbzeit_laenge);
    wenn_anders("HALBZEIT_LAENGE_VERL", w.halbzeit_laenge_verl, v.halbzeit_laenge_verl);
    wenn_anders("ANZ_HALBZEITEN", w.anz_halbzeiten, v.anz_halbzeiten);
    wenn_anders("ANZ_HALBZEITEN_VERL", w.anz_halbzeiten_verl, v.anz_halbzeiten_verl);
    wenn_anders("ALLE_X_JAHRE", w.alle_x_jahre, v.alle_x_jahre);
    wenn_anders("STARTJAHR", w.startjahr, v.startjahr);
    if (w.land != v.land) zeile(t, "LAND", team(w.land));
    const int32_t pro_zeile = w.teams > 0 ? w.teams : WETTBEWERB_WER_GEGEN_WEN_MAX;
    for (int32_t k = 0; k < w.wer_gegen_wen_anz && k < WETTBEWERB_WER_GEGEN_WEN_MAX; k += pro_zeile) {
        std::string z;
        for (int32_t j = k; j < k + pro_zeile && j < w.wer_gegen_wen_anz; ++j) z += (j > k ? "," : "") + zahl(w.wer_gegen_wen[j]);
        zeile(t, "WER_GEGEN_WEN", z);
    }
    // Every match day's stage: a record has one entry per match day, not only the first 13.
    int32_t rt_ende = 0;
    for (int32_t k = 0; k < WETTBEWERB_MAX_SPIELTAGE; ++k)
        if (w.rundentext[k] >= 1 && w.rundentext[k] < RT_ANZAHL) rt_ende = k + 1;
    if (rt_ende == 0 && w.rundentext[0] == RT_SPIELTAG) rt_ende = 1;
    for (int32_t k = 0; k < rt_ende; ++k)
        if (w.rundentext[k] >= 0 && w.rundentext[k] < RT_ANZAHL) zeile(t, "RUNDENTEXT", Wettbewerb_Rundentext[w.rundentext[k]]);
    wenn_anders("ERSTE_GELBSPERRE", w.erste_gelbsperre, v.erste_gelbsperre);
    wenn_anders("INTERVALL_GELBSPERRE", w.intervall_gelbsperre, v.intervall_gelbsperre);
    wenn_anders("GRAFIK_NUMMER", w.grafik_nummer, v.grafik_nummer);
    wenn_anders("AUDIO_NUMMER", w.audio_nummer, v.audio_nummer);
    if (w.ausrichter != v.ausrichter) zeile(t, "AUSRICHTER", team(w.ausrichter));
    wenn_anders("AUSRICHTER_STADION", w.ausrichter_stadion, v.ausrichter_stadion);
    wenn_anders("WICHTIG", w.wichtig, v.wichtig);
    wenn_anders("SIEG_PRAEMIE", w.sieg_praemie, v.sieg_praemie);
    wenn_anders("UNENTSCHIEDEN_PRAEMIE", w.unentschieden_praemie, v.unentschieden_praemie);
    ja("POKAL_PRAEMIE", w.pokal_praemie);
    wenn_anders("ANTRITTS_PRAEMIE", w.antritts_praemie, v.antritts_praemie);
    ja("BASISLIGA", w.basisliga);
    ja("AMATEUR_LIGA", w.amateur_liga);
    ja("QUALIFIKANTEN_MISCHEN", w.qualifikanten_mischen);
    wenn_anders("ANZ_QUALI_AUS_LIGABAUM", w.anz_quali_aus_ligabaum, v.anz_quali_aus_ligabaum);
    ja("QUALI_ZU_SAISONSTART", w.quali_zu_saisonstart);
    ja("MEHRMALS_PRO_JAHR", w.mehrmals_pro_jahr);
    ja("GOLDEN_GOAL", w.golden_goal);
    ja("RUECKSPIEL_NACH_ZWEI_WOCHEN", w.rueckspiel_nach_zwei_wochen);
    wenn_anders("KALENDER_POSITION", w.kalender_position, v.kalender_position);
    wenn_anders("QUALIWOCHE", w.qualiwoche, v.qualiwoche);
}

// Everything behind the CHECKSUMME line.
std::string eintraege(const Wettbewerb_Datensatz* recs, const char* info)
{
    Block b{recs, 0};
    while (b.anzahl < WETTBEWERB_ANZAHL && wb_benutzt(recs[b.anzahl])) ++b.anzahl;
    std::string t;
    if (info && info[0]) t += std::string("INFOTEXT \"") + info + "\"\r\n";
    t += "VERSION \"" + zahl(WETTBEWERB_CONFIG_VERSION) + "\"\r\n";
    for (int32_t i = 0; i < b.anzahl; ++i)
        if (!dummy(recs[i])) datensatz(t, b, recs[i]);
    return t;
}

// Lone horizontal keys go; base leagues get their calendar position; league-tree rounds their
// entrants.
void vorbereiten(bool alle)
{
    Wettbewerb_Datensatz* recs = Wettbewerb_Zeiger(0);
    int32_t n = 0;
    while (n < WETTBEWERB_ANZAHL && wb_benutzt(recs[n])) ++n;
    if (alle) {
        int32_t systeme[WETTBEWERB_ANZAHL];
        const int32_t anz = Wettbewerb_Get_Ligasysteme(systeme);
        for (int32_t i = 0; i < anz; ++i) {
            const Wettbewerb_Datensatz* s = wb_per_id(systeme[i]);
            if (s && s->basisliga) Wettbewerb_Ligabaum_Qualifikanten_Setzen(systeme[i]);
        }
        int32_t zaehler = 4;
        const int32_t heimat = Team_Get_Heimatland();
        for (int32_t i = 0; i < n; ++i) {
            Wettbewerb_Datensatz& w = recs[i];
            if (dummy(w) || !w.basisliga) continue;
            if (w.land == heimat) {
                int32_t eigene = 0;
                Wettbewerb_Visuell_Vertikal_Anz(w.id, nullptr, &eigene);
                w.kalender_position = eigene;
            } else {
                w.kalender_position = zaehler;
                zaehler = zaehler == 4 ? 5 : 4;
            }
        }
    }
    for (int32_t i = 0; i < n; ++i) {
        const int32_t key = recs[i].vk.v[WV_HORIZONTAL];
        if (key < 0) continue;
        int32_t mitglieder = 0;
        for (int32_t j = 0; j < n; ++j) mitglieder += recs[j].vk.v[WV_HORIZONTAL] == key;
        if (mitglieder < 2) recs[i].vk.v[WV_HORIZONTAL] = -1;
    }
}

// A text value must not end its quotes, open a skipped section or break its line.
bool text_pruefen(const char* text, size_t max, const std::string& wo, std::string* grund)
{
    if (!text) return true;
    if (std::strlen(text) > max) {
        *grund = wo + ": länger als " + std::to_string(max) + " Zeichen";
        return false;
    }
    if (int32_t c = wb_text_zeichen_falsch(text, max)) {
        *grund = wo + ": Zeichen " + std::to_string(c) + " ist nicht erlaubt";
        return false;
    }
    return true;
}

bool texte_pruefen(const char* info, std::string* grund)
{
    if (!text_pruefen(info, INFOTEXT_MAX, "INFOTEXT", grund)) return false;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const Wettbewerb_Datensatz* w = wb_link(i);
        if (!w || !wb_benutzt(*w)) break;
        const std::string wo = "Wettbewerb Nr. " + std::to_string(i + 1) + ", ";
        if (!text_pruefen(w->name, WETTBEWERB_NAME_LAENGE - 1, wo + "NAME", grund) ||
            !text_pruefen(w->gruppen_name, WETTBEWERB_NAME_LAENGE - 1, wo + "GRUPPEN_NAME", grund) ||
            !text_pruefen(w->identifikation, WETTBEWERB_IDENT_LAENGE - 1, wo + "IDENTIFIKATION", grund))
            return false;
    }
    return true;
}

// Writes, reads back and compares the temporary file, then renames it over `pfad`.
bool ersetzen(const std::string& pfad, const std::string& inhalt, const std::string& soll, int32_t alias_set,
              std::string* grund)
{
    return Config_Datei_Ersetzen(pfad, inhalt, [&](const std::string& text, std::string* g) {
        // The reader and its checks see exactly the bytes on disk behind the CHECKSUMME line.
        const size_t ab = text.find("\r\n", text.find("CHECKSUMME "));
        std::unique_ptr<Wettbewerb_Datensatz[]> recs(new (std::nothrow) Wettbewerb_Datensatz[WETTBEWERB_ANZAHL]);
        uint32_t summe = 0;
        if (!recs || ab == std::string::npos) {
            *g = "kein Speicher";
            return false;
        }
        if (!wb_config_text_lesen(text.substr(ab + 2), alias_set, recs.get(), &summe, g)) return false;
        if (eintraege(recs.get(), nullptr) != soll) {
            *g = "die Datei liest sich anders zurück als geschrieben";
            return false;
        }
        return true;
    }, grund);
}

bool pruefen_und_ersetzen(const std::string& pfad, const std::string& text, const std::string& soll,
                          int32_t alias_set, std::string* grund);

bool schreiben(int32_t set, int32_t alias_set, const char* info, bool vorbereitung, std::string* grund)
{
    if (!Wettbewerb_Bereit()) {
        *grund = "keine Wettbewerbe geladen";
        return false;
    }
    if (!texte_pruefen(info, grund)) return false;
    const char* name = Read_Config_Get_Filenamen(CONFIG_MODUS, set);
    if (!name || set < 0) {
        *grund = "Satz " + std::to_string(set) + " gibt es nicht";
        return false;
    }
    const std::string pfad = name;
    if (!Read_Config_Load_Alias_Liste(CONFIG_MODUS, alias_set)) {
        *grund = "die Aliasliste " + std::to_string(alias_set + 1) + "_wettbewerb_alias.cfg fehlt";
        return false;
    }
    vorbereiten(vorbereitung);
    const Wettbewerb_Datensatz* recs = wb_link(0);
    const std::string text = eintraege(recs, info);
    // The entries as the session holds them; the read-back must give the same.
    const std::string soll = eintraege(recs, nullptr);
    const bool ok = pruefen_und_ersetzen(pfad, text, soll, alias_set, grund);
    Read_Config_Free_Alias_Liste();
    if (ok) Wettbewerb_Config_Letzter_Satz = set;
    return ok;
}

// The sum, the whole file, and its replacement; the alias list stays loaded for the read-back.
bool pruefen_und_ersetzen(const std::string& pfad, const std::string& text, const std::string& soll,
                          int32_t alias_set, std::string* grund)
{

    // The sum of the entries, computed by the reader itself; it stands over the first blanks.
    std::string sum_grund;
    std::unique_ptr<Wettbewerb_Datensatz[]> probe(new (std::nothrow) Wettbewerb_Datensatz[WETTBEWERB_ANZAHL]);
    uint32_t summe = 0;
    if (!probe || !wb_config_text_lesen(text, alias_set, probe.get(), &summe, grund)) {
        if (!probe) *grund = "kein Speicher";
        return false;
    }
    std::string feld = std::to_string(static_cast<int32_t>(summe));
    feld.append(static_cast<size_t>(SUMMEN_FELD) - feld.size(), ' ');
    const std::string inhalt = std::string(KOPF) + "CHECKSUMME " + feld + "\r\n" + text;
    return ersetzen(pfad, inhalt, soll, alias_set, grund);
}

}  // namespace

int32_t wb_text_zeichen_falsch(const char* text, size_t max) { return Config_Text_Zeichen_Falsch(text, max); }

bool Wettbewerb_Config_Datei_Schreiben(int32_t set, int32_t alias_set, const char* infotext, std::string* grund)
{
    std::string g;
    bool ok = schreiben(set, alias_set, infotext, false, &g);
    if (!ok) Print_Fehler("Wettbewerb_Config_Datei_Schreiben: %s", g.c_str());
    if (grund) *grund = g;
    return ok;
}

bool Wettbewerb_Config_Schreiben(int32_t set, int32_t alias_set, const char* infotext)
{
    std::string grund;
    bool ok = false;
    if (!Wettbewerb_Config_Modify) grund = "kein Wettbewerb wird bearbeitet";
    else ok = schreiben(set, alias_set, infotext, true, &grund);
    if (!ok) {
        Print_Fehler("Wettbewerb_Config_Schreiben: %s", grund.c_str());
        Requester_Printf("Die Konfigurationsdatei wurde nicht gespeichert: %s", grund.c_str());
        return false;
    }
    Requester_Printf("Die Konfigurationsdatei wurde erfolgreich gespeichert.");
    return true;
}
