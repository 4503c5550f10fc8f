// Competition records: the block of 128 records, the empty template, installing a block after
// checking it, and the renumbering of links.
#include "competitions/wettbewerb.h"

#include <array>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "competitions/wettbewerb_intern.h"
#include "platform/print.h"

Wettbewerb_Datensatz* wb_daten = nullptr;
bool wb_bereit = false;
bool wb_ziel_marken_moeglich = true;

static Wettbewerb_Datensatz vorlage_bauen()
{
    Wettbewerb_Datensatz w;
    std::memset(static_cast<void*>(&w), 0, sizeof w);
    w.id = -1;
    w.besitzer = -1;
    for (auto& v : w.vk.v) v = -1;
    for (auto& t : w.listen.teams) t = -1;
    for (auto& t : w.listen.start) t = -1;
    for (auto& l : w.ziele.ziel)
        for (auto& z : l) z = -1;
    for (auto& r : w.rundentext) r = -1;
    for (auto& z : w.nachspielzeit) z = -1;
    w.super_art = SA_KEINE;
    w.spielfrei_start = -1;
    w.spielfrei_ende = -1;
    w.anz_parallel_gruppen = 1;
    for (auto& x : w.weiterkomm_anz) x = -1;
    w.sieger = -1;
    w.best_of_x = 1;
    w.halbzeit_laenge = 45;
    w.halbzeit_laenge_verl = 15;
    w.anz_halbzeiten = 2;
    w.anz_halbzeiten_verl = 2;
    w.alle_x_jahre = 1;
    w.land = -1;
    w.englische_tabelle_neu = -1;
    w.erste_gelbsperre = 5;
    w.intervall_gelbsperre = 5;
    w.ausrichter = -1;
    w.ausrichter_stadion = -1;
    w.wichtig = 50;
    w.qualiwoche = -1;
    w.wechsel_in = -1;
    w.spiele_block = -1;
    return w;
}

const Wettbewerb_Datensatz Wettbewerb_Leerer_Datensatz = vorlage_bauen();

bool Wettbewerb_Bereit() { return wb_bereit && wb_daten; }

uint64_t wb_liste_stand = 0;

Wettbewerb_Datensatz* Wettbewerb_Zeiger(int32_t nummer)
{
    if (!wb_daten || nummer < 0 || nummer >= WETTBEWERB_ANZAHL) return nullptr;
    // The record goes out writable: its id or name may change behind the lookup's back.
    ++wb_liste_stand;
    return &wb_daten[nummer];
}

namespace {

Wettbewerb_Datensatz* suchen_per_id(Wettbewerb_Id id)
{
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL && wb_benutzt(wb_daten[i]); ++i)
        if (wb_daten[i].id == id) return &wb_daten[i];
    return nullptr;
}

}  // namespace

Wb_Id_Index wb_id_index;

namespace {

void id_index_bauen()
{
    wb_id_index.nummer.fill(-1);
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL && wb_benutzt(wb_daten[i]); ++i) {
        const Wettbewerb_Id id = wb_daten[i].id;
        if (id >= 0 && id <= WETTBEWERB_MAX_ID && wb_id_index.nummer[size_t(id)] < 0)
            wb_id_index.nummer[size_t(id)] = int16_t(i);
    }
    wb_id_index.stand = wb_liste_stand;
    wb_id_index.daten = wb_daten;
}

}  // namespace

Wettbewerb_Datensatz* wb_per_id_suchen(Wettbewerb_Id id)
{
    if (!Wettbewerb_Bereit() || id < 0 || id > WETTBEWERB_MAX_ID) return nullptr;
    if (wb_id_index.stand != wb_liste_stand || wb_id_index.daten != wb_daten) {
        id_index_bauen();
        if (Wettbewerb_Datensatz* w = wb_id_index.treffer(id)) return w;
    }
    // An id without a record, or a record that no longer carries its id: searched as always,
    // and the index is built again when the search finds what it did not say.
    const int16_t n = wb_id_index.nummer[size_t(id)];
    Wettbewerb_Datensatz* w = suchen_per_id(id);
    if (w || n >= 0) wb_id_index.stand = ~uint64_t(0);
    return w;
}

void Wettbewerb_Datensatz_Leeren(int32_t nummer)
{
    if (!wb_daten) {
        wb_daten = new (std::nothrow) Wettbewerb_Datensatz[WETTBEWERB_ANZAHL];
        if (!wb_daten) {
            Print_Fehler("Wettbewerb_Datensatz_Leeren: kein Speicher");
            return;
        }
        nummer = -1;
    }
    ++wb_liste_stand;
    if (nummer == -1) {
        for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) wb_daten[i] = Wettbewerb_Leerer_Datensatz;
        return;
    }
    if (nummer < 0 || nummer >= WETTBEWERB_ANZAHL) {
        Print_Fehler("Wettbewerb_Datensatz_Leeren: Nummer %d falsch", nummer);
        return;
    }
    wb_daten[nummer] = Wettbewerb_Leerer_Datensatz;
}

void Wettbewerb_Free()
{
    delete[] wb_daten;
    wb_daten = nullptr;
    wb_bereit = false;
    ++wb_liste_stand;
    Wettbewerb_Set_Abstimmung({});
}

std::string wb_bezeichnung(const Wettbewerb_Datensatz& w, int32_t nummer)
{
    char buf[96];
    if (w.name[0] && w.identifikation[0])
        std::snprintf(buf, sizeof buf, "\"%.24s\" (%.31s)", w.name, w.identifikation);
    else if (w.name[0])
        std::snprintf(buf, sizeof buf, "\"%.24s\"", w.name);
    else if (w.identifikation[0])
        std::snprintf(buf, sizeof buf, "%.31s", w.identifikation);
    else
        std::snprintf(buf, sizeof buf, "Nr. %d", nummer + 1);
    return buf;
}

namespace {

// Formats the reason for a refused block.
std::string grund(const Wettbewerb_Datensatz& w, int32_t nummer, const char* wort, const char* fmt, ...)
    __attribute__((format(printf, 4, 5)));
std::string grund(const Wettbewerb_Datensatz& w, int32_t nummer, const char* wort, const char* fmt, ...)
{
    char text[256];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    return "Wettbewerb " + wb_bezeichnung(w, nummer) + ", " + wort + ": " + text;
}

bool team_ok(int32_t t, int32_t team_anzahl, bool keins_erlaubt)
{
    // Team lists hold 16-bit numbers.
    return (keins_erlaubt && t == -1) || (t >= 0 && t < team_anzahl && t <= INT16_MAX);
}

bool terminiert(const char* s, size_t n) { return std::memchr(s, 0, n) != nullptr; }

}  // namespace

// Number fields and their keyword, for the range checks of the reader and the savegame block.
struct Wb_Zahlfeld {
    const char* wort;
    int32_t Wettbewerb_Datensatz::*feld;
};
static const Wb_Zahlfeld ZAHLFELDER[] = {
    {"QUOTE_WOCHENTAG", &Wettbewerb_Datensatz::quote_wochentag},
    {"STARTWOCHE", &Wettbewerb_Datensatz::startwoche},
    {"ENDWOCHE", &Wettbewerb_Datensatz::endwoche},
    {"SPIELFREI_START", &Wettbewerb_Datensatz::spielfrei_start},
    {"SPIELFREI_ENDE", &Wettbewerb_Datensatz::spielfrei_ende},
    {"ANZ_PARALLEL_GRUPPEN", &Wettbewerb_Datensatz::anz_parallel_gruppen},
    {"BEST_OF_X", &Wettbewerb_Datensatz::best_of_x},
    {"HALBZEIT_LAENGE", &Wettbewerb_Datensatz::halbzeit_laenge},
    {"HALBZEIT_LAENGE_VERL", &Wettbewerb_Datensatz::halbzeit_laenge_verl},
    {"ANZ_HALBZEITEN", &Wettbewerb_Datensatz::anz_halbzeiten},
    {"ANZ_HALBZEITEN_VERL", &Wettbewerb_Datensatz::anz_halbzeiten_verl},
    {"ALLE_X_JAHRE", &Wettbewerb_Datensatz::alle_x_jahre},
    {"STARTJAHR", &Wettbewerb_Datensatz::startjahr},
    {"ERSTE_GELBSPERRE", &Wettbewerb_Datensatz::erste_gelbsperre},
    {"INTERVALL_GELBSPERRE", &Wettbewerb_Datensatz::intervall_gelbsperre},
    {"GRAFIK_NUMMER", &Wettbewerb_Datensatz::grafik_nummer},
    {"AUDIO_NUMMER", &Wettbewerb_Datensatz::audio_nummer},
    {"WICHTIG", &Wettbewerb_Datensatz::wichtig},
    {"SIEG_PRAEMIE", &Wettbewerb_Datensatz::sieg_praemie},
    {"UNENTSCHIEDEN_PRAEMIE", &Wettbewerb_Datensatz::unentschieden_praemie},
    {"ANTRITTS_PRAEMIE", &Wettbewerb_Datensatz::antritts_praemie},
    {"ANZ_QUALI_AUS_LIGABAUM", &Wettbewerb_Datensatz::anz_quali_aus_ligabaum},
    {"KALENDER_POSITION", &Wettbewerb_Datensatz::kalender_position},
    {"QUALIWOCHE", &Wettbewerb_Datensatz::qualiwoche},
    {"WECHSEL_IN", &Wettbewerb_Datensatz::wechsel_in},
    {"WOCHENTAG", &Wettbewerb_Datensatz::wochentag},
    {"TEAMS", &Wettbewerb_Datensatz::teams},
    {"SPIELTAGE", &Wettbewerb_Datensatz::spieltage},
    {"SIEGER", &Wettbewerb_Datensatz::sieger},
    {"LAND", &Wettbewerb_Datensatz::land},
    {"AUSRICHTER", &Wettbewerb_Datensatz::ausrichter},
    {"AUSRICHTER_STADION", &Wettbewerb_Datensatz::ausrichter_stadion},
};

int32_t* wb_zahlfeld(Wettbewerb_Datensatz& w, const char* wort)
{
    for (const auto& z : ZAHLFELDER)
        if (!std::strcmp(z.wort, wort)) return &(w.*z.feld);
    return nullptr;
}

static const Wettbewerb_Feld* feld_zu(const char* wort)
{
    for (const auto& f : Wettbewerb_Felder)
        if (!std::strcmp(f.wort, wort)) return &f;
    return nullptr;
}

// Walks a forward link from every record; a chain longer than the block is a circle.
static bool kreisfrei(const Wettbewerb_Datensatz* recs, int32_t anzahl, int32_t link, int32_t* wo)
{
    for (int32_t i = 0; i < anzahl; ++i) {
        int32_t n = i, schritte = 0;
        while (n >= 0 && schritte <= anzahl) {
            n = recs[n].vk.v[link];
            ++schritte;
        }
        if (n >= 0) {
            *wo = i;
            return false;
        }
    }
    return true;
}

std::string wb_pruefen_und_ableiten(Wettbewerb_Datensatz* recs, int32_t anzahl, int32_t team_anzahl)
{
    if (anzahl < 0 || anzahl > WETTBEWERB_ANZAHL) return "Wettbewerbe: mehr als 128 Wettbewerbe";
    int32_t benutzt = 0;
    while (benutzt < anzahl && recs[benutzt].name[0]) ++benutzt;
    for (int32_t i = benutzt; i < anzahl; ++i)
        if (recs[i].name[0]) return "Wettbewerbe: Lücke im Wettbewerbsblock vor " + wb_bezeichnung(recs[i], i);

    static const char* const LINK_WORT[WV_ANZAHL] = {
        "NACHFOLGERUNDE", "NACHFOLGERUNDE", "PARALLELGRUPPE", "PARALLELGRUPPE",
        "VISUELL_NACHFOLGER", "VISUELL_NACHFOLGER", "VISUELL_PARALLEL", "NEUER_WETTBEWERB"};

    for (int32_t i = 0; i < benutzt; ++i) {
        Wettbewerb_Datensatz& w = recs[i];
        if (!terminiert(w.name, sizeof w.name) || !terminiert(w.gruppen_name, sizeof w.gruppen_name) ||
            !terminiert(w.identifikation, sizeof w.identifikation)) {
            w.name[sizeof w.name - 1] = 0;
            return grund(w, i, "NAME", "Text nicht abgeschlossen");
        }
        if (w.id < 0 || w.id > WETTBEWERB_MAX_ID)
            return grund(w, i, "IDENTIFIKATION", "Kennung %d liegt nicht zwischen 0 und %d", w.id, WETTBEWERB_MAX_ID);
        if (w.basisliga > 1 || w.pokal_praemie > 1 || w.amateur_liga > 1 || w.qualifikanten_mischen > 1 ||
            w.quali_zu_saisonstart > 1 || w.mehrmals_pro_jahr > 1 || w.golden_goal > 1 ||
            w.rueckspiel_nach_zwei_wochen > 1)
            return grund(w, i, "BASISLIGA", "Schalter ist weder JA noch leer");
        if (w.basisliga && w.id > WETTBEWERB_MAX_LIGA_ID)
            return grund(w, i, "IDENTIFIKATION", "Kennung %d einer Liga liegt über %d", w.id, WETTBEWERB_MAX_LIGA_ID);
        for (int32_t j = 0; j < i; ++j) {
            if (recs[j].id == w.id)
                return grund(w, i, "IDENTIFIKATION", "Kennung %d doppelt (auch %s)", w.id, wb_bezeichnung(recs[j], j).c_str());
            if (w.identifikation[0] && !std::strcmp(recs[j].identifikation, w.identifikation))
                return grund(w, i, "IDENTIFIKATION", "doppelt vergeben");
        }
        for (const auto& z : ZAHLFELDER) {
            const Wettbewerb_Feld* f = feld_zu(z.wort);
            int32_t v = w.*z.feld;
            if (!f) continue;
            if (f->art == WFA_TEAM) {
                if (!team_ok(v, team_anzahl, true))
                    return grund(w, i, z.wort, "Teamnummer %d nicht unter der Teamanzahl %d", v, team_anzahl);
            } else if (v < f->min || v > f->max) {
                return grund(w, i, z.wort, "Wert %d liegt nicht zwischen %d und %d", v, f->min, f->max);
            }
        }
        if (!(w.modus & KO_SYSTEM) && w.teams > WETTBEWERB_MAX_LIGA_TEAMS)
            return grund(w, i, "TEAMS", "%d Teams, eine Liga hat höchstens %d", w.teams, WETTBEWERB_MAX_LIGA_TEAMS);
        if (w.modus >> WETTBEWERB_MODUS_BITS) return grund(w, i, "MODUS", "unbekanntes Bit");
        if (w.super_art < SA_KEINE || w.super_art >= SA_ANZAHL)
            return grund(w, i, "SUPER_ART", "unbekannte Art %d", w.super_art);
        for (int32_t x : w.weiterkomm_anz)
            if (x < -1 || x > WETTBEWERB_MAX_TEAMS) return grund(w, i, "WEITERKOMM_ANZ", "Wert %d falsch", x);
        for (int32_t r : w.rundentext)
            if (r < -1 || r >= RT_ANZAHL) return grund(w, i, "RUNDENTEXT", "unbekannter Rundentext %d", r);
        for (uint8_t s : w.schalter)
            if (s > 1) return grund(w, i, "SCHALTER", "Schalter %d falsch", s);

        // Team lists.
        const Wettbewerb_Teamlisten& l = w.listen;
        if (l.start_anzahl < 0 || l.start_anzahl > w.teams)
            return grund(w, i, "STARTTEILNEHMER", "%d Startteilnehmer bei %d Teams", l.start_anzahl, w.teams);
        if (l.anzahl < 0 || l.anzahl > w.teams)
            return grund(w, i, "STARTTEILNEHMER", "%d Teilnehmer bei %d Teams", l.anzahl, w.teams);
        for (int32_t k = 0; k < l.start_anzahl; ++k)
            if (!team_ok(l.start[k], team_anzahl, false))
                return grund(w, i, "STARTTEILNEHMER", "Teamnummer %d nicht unter der Teamanzahl %d", l.start[k], team_anzahl);
        for (int32_t k = 0; k < l.anzahl; ++k)
            if (!team_ok(l.teams[k], team_anzahl, true))
                return grund(w, i, "STARTTEILNEHMER", "Teamnummer %d nicht unter der Teamanzahl %d", l.teams[k], team_anzahl);
        if (w.wer_gegen_wen_anz < 0 || w.wer_gegen_wen_anz > WETTBEWERB_WER_GEGEN_WEN_MAX)
            return grund(w, i, "WER_GEGEN_WEN", "%d Werte, höchstens %d", w.wer_gegen_wen_anz, WETTBEWERB_WER_GEGEN_WEN_MAX);
        for (int32_t k = 0; k < w.wer_gegen_wen_anz; ++k)
            if (w.wer_gegen_wen[k] > w.teams)
                return grund(w, i, "WER_GEGEN_WEN", "Platz %d bei %d Teams", w.wer_gegen_wen[k], w.teams);
        if (w.auffuell_anz < 0 || w.auffuell_anz > WETTBEWERB_AUFFUELL_MAX)
            return grund(w, i, "AUFFUELL_MIT_TEAMS", "mehr als %d Zeilen", WETTBEWERB_AUFFUELL_MAX);
        for (int32_t k = 0; k < w.auffuell_anz; ++k) {
            const auto& a = w.auffuell[k];
            if (!team_ok(a.von, team_anzahl, false) || !team_ok(a.bis, team_anzahl, false))
                return grund(w, i, "AUFFUELL_MIT_TEAMS", "Teamnummer nicht unter der Teamanzahl %d", team_anzahl);
            if (a.von > a.bis || a.anzahl < 0 || a.anzahl > WETTBEWERB_MAX_TEAMS)
                return grund(w, i, "AUFFUELL_MIT_TEAMS", "Bereich %d bis %d oder Anzahl %d falsch", a.von, a.bis, a.anzahl);
        }
        if (w.quali_land_anz < 0 || w.quali_land_anz > WETTBEWERB_QUALI_LAND_MAX)
            return grund(w, i, "QUALI_LAND", "mehr als %d Zeilen", WETTBEWERB_QUALI_LAND_MAX);
        for (int32_t k = 0; k < w.quali_land_anz; ++k) {
            const auto& q = w.quali_land[k];
            if (!team_ok(q.land, team_anzahl, false))
                return grund(w, i, "QUALI_LAND", "Land %d nicht unter der Teamanzahl %d", q.land, team_anzahl);
            if (q.anzahl < 0 || q.anzahl > WETTBEWERB_MAX_TEAMS)
                return grund(w, i, "QUALI_LAND", "Anzahl %d falsch", q.anzahl);
        }

        // Place targets and links must name records in use.
        if (w.ziele.anzahl < 0 || w.ziele.anzahl > WETTBEWERB_ZIEL_LISTEN)
            return grund(w, i, "QUALI_FUER", "mehr als %d Zeilen", WETTBEWERB_ZIEL_LISTEN);
        for (const auto& liste : w.ziele.ziel)
            for (int32_t z : liste)
                if (z != -1 && z != -3 && (z < 0 || z >= benutzt))
                    return grund(w, i, "QUALI_FUER", "Ziel %d ist kein Wettbewerb", z);
        for (int32_t k = 0; k < WV_CONFIG_NUMMER; ++k) {
            int32_t v = w.vk.v[k];
            if (v != -1 && (v < 0 || v >= benutzt))
                return grund(w, i, LINK_WORT[k], "Verweis %d ist kein Wettbewerb", v);
        }
        if (w.spieltag < 0 || w.spieltag > w.spieltage || w.runde < 0 || w.spiele_block < -1)
            return grund(w, i, "SPIELTAGE", "Spielstand %d/%d falsch", w.spieltag, w.runde);
    }

    // Reverse links from the forward ones.
    for (int32_t i = 0; i < benutzt; ++i) {
        recs[i].vk.v[WV_VORRUNDE] = recs[i].vk.v[WV_VORGRUPPE] = recs[i].vk.v[WV_OBERLIGA] = -1;
        for (int32_t k : {WV_NACHFOLGERUNDE, WV_NACHGRUPPE, WV_UNTERLIGA})
            if (recs[i].vk.v[k] == i) return grund(recs[i], i, LINK_WORT[k], "verweist auf sich selbst");
    }
    int32_t wo = 0;
    if (!kreisfrei(recs, benutzt, WV_NACHFOLGERUNDE, &wo)) return grund(recs[wo], wo, "NACHFOLGERUNDE", "Kreis in der Rundenfolge");
    if (!kreisfrei(recs, benutzt, WV_NACHGRUPPE, &wo)) return grund(recs[wo], wo, "PARALLELGRUPPE", "Kreis in der Gruppenfolge");
    if (!kreisfrei(recs, benutzt, WV_UNTERLIGA, &wo)) return grund(recs[wo], wo, "VISUELL_NACHFOLGER", "Kreis in der Ligapyramide");
    for (int32_t i = 0; i < benutzt; ++i) {
        int32_t g = recs[i].vk.v[WV_NACHGRUPPE];
        if (g >= 0) {
            if (recs[g].vk.v[WV_VORGRUPPE] >= 0) return grund(recs[g], g, "PARALLELGRUPPE", "zwei Gruppen davor");
            recs[g].vk.v[WV_VORGRUPPE] = i;
        }
        int32_t n = recs[i].vk.v[WV_NACHFOLGERUNDE];
        if (n >= 0 && recs[n].vk.v[WV_VORRUNDE] < 0) recs[n].vk.v[WV_VORRUNDE] = i;
    }
    // Horizontal groups: the key record keys itself; members share the league above.
    for (int32_t i = 0; i < benutzt; ++i) {
        int32_t k = recs[i].vk.v[WV_HORIZONTAL];
        if (k >= 0 && recs[k].vk.v[WV_HORIZONTAL] == -1) recs[k].vk.v[WV_HORIZONTAL] = k;
    }
    for (int32_t i = 0; i < benutzt; ++i) {
        int32_t k = recs[i].vk.v[WV_HORIZONTAL];
        if (k >= 0 && recs[k].vk.v[WV_HORIZONTAL] != k)
            return grund(recs[i], i, "VISUELL_PARALLEL", "verweist nicht auf den Schlüssel der Gruppe");
    }
    for (int32_t i = 0; i < benutzt; ++i) {
        int32_t u = recs[i].vk.v[WV_UNTERLIGA];
        if (u < 0) continue;
        int32_t key = recs[u].vk.v[WV_HORIZONTAL];
        for (int32_t j = 0; j < benutzt; ++j)
            if ((j == u || (key >= 0 && recs[j].vk.v[WV_HORIZONTAL] == key)) && recs[j].vk.v[WV_OBERLIGA] < 0)
                recs[j].vk.v[WV_OBERLIGA] = i;
    }
    // Owner: the first group of the first round, reached alternately through both back links.
    for (int32_t i = 0; i < benutzt; ++i) {
        int32_t n = i;
        for (int32_t schritte = 0; schritte <= 2 * benutzt; ++schritte) {
            int32_t zurueck = recs[n].vk.v[WV_VORGRUPPE] >= 0 ? recs[n].vk.v[WV_VORGRUPPE] : recs[n].vk.v[WV_VORRUNDE];
            if (zurueck < 0) break;
            n = zurueck;
        }
        if (recs[n].vk.v[WV_VORGRUPPE] >= 0 || recs[n].vk.v[WV_VORRUNDE] >= 0)
            return grund(recs[i], i, "NACHFOLGERUNDE", "Kreis zwischen Runden und Gruppen");
        recs[i].besitzer = n;
    }
    return "";
}

bool Wettbewerb_Uebernehmen(const Wettbewerb_Datensatz* recs, int32_t anzahl, int32_t team_anzahl)
{
    if ((!recs && anzahl) || anzahl < 0 || anzahl > WETTBEWERB_ANZAHL) {
        Print_Fehler("Wettbewerb_Uebernehmen: %d Datensätze", anzahl);
        return false;
    }
    std::unique_ptr<Wettbewerb_Datensatz[]> neu(new (std::nothrow) Wettbewerb_Datensatz[WETTBEWERB_ANZAHL]);
    if (!neu) {
        Print_Fehler("Wettbewerb_Uebernehmen: kein Speicher");
        return false;
    }
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) neu[i] = i < anzahl ? recs[i] : Wettbewerb_Leerer_Datensatz;
    std::string fehler = wb_pruefen_und_ableiten(neu.get(), WETTBEWERB_ANZAHL, team_anzahl);
    if (!fehler.empty()) {
        Print_Fehler("%s", fehler.c_str());
        return false;
    }
    delete[] wb_daten;
    wb_daten = neu.release();
    wb_bereit = true;
    ++wb_liste_stand;
    wb_ziel_marken_moeglich = true;
    return true;
}

void Wettbewerb_Verknuepfungen_Verschieben(int32_t nummer, int32_t einfuegen)
{
    if (!wb_daten || nummer < 0 || nummer >= WETTBEWERB_ANZAHL) {
        Print_Fehler("Wettbewerb_Verknuepfungen_Verschieben: Nummer %d falsch", nummer);
        return;
    }
    auto schiebe = [&](int32_t& v) {
        if (v < 0) return;  // -1 none, -3 mark
        if (einfuegen) {
            if (v >= nummer) ++v;
        } else if (v == nummer) {
            v = -1;
        } else if (v > nummer) {
            --v;
        }
    };
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        Wettbewerb_Datensatz& w = wb_daten[i];
        for (int32_t k = 0; k < WV_CONFIG_NUMMER; ++k) schiebe(w.vk.v[k]);
        schiebe(w.besitzer);
        for (auto& liste : w.ziele.ziel)
            for (auto& z : liste) schiebe(z);
    }
}

