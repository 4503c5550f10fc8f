// Generated player values: strength windows, random invisible attributes and favourite
// positions, and the fitting of a computed strength to a target. Server only.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "graphics/grafik_fortschritt.h"
#include "platform/exit.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/sortiere.h"
#include "platform/zufall.h"

namespace {

bool gueltig(int32_t spnr) { return Spieler_Daten && Spieler_Fix_Daten && spnr >= 0 && spnr < Spieler_Anzahl; }

bool client(const char* name)
{
    if (Netz_Rolle != 1) return false;
    Print_Fehler("Client-Zugriff: %s", name);
    return true;
}

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return std::min(std::max(v, lo), hi); }

// A club contract of min_monate..48 months at 80..100 % of the valuation's salary.
bool vertrag_schliessen(int32_t team, int32_t spnr, int32_t min_monate)
{
    const int32_t gewuerfelt = Zufall_Gross(min_monate, 48);
    const int32_t monate = Spieler_Vertrag_Monate_Begrenzen(spnr, gewuerfelt);
    int32_t gehalt = 0, abloese = 0;
    Spieler_Bewerte_Marktwert_Gehalt(team, spnr, -1, -1, monate, &gehalt, &abloese, 0);
    const int32_t prozent = Zufall_Gross(80, 100);
    return Teamspieler_Kommt_Oder_Geht(1, team, spnr, gehalt * prozent / 100, 0, monate, -1, false);
}

}  // namespace

void Spieler_Staerken_Auf_Ligaspanne_Pruefen(int32_t spnr, int32_t team, int32_t min, int32_t max)
{
    if (client("Spieler_Staerken_Auf_Ligaspanne_Pruefen") || !gueltig(spnr)) return;
    if (team != -1) Team_Get_Staerke_Spanne(team, &min, &max, -1, -1);
    int32_t v[SP_ATTRIBUTVEKTOR];
    Spieler_Attribute(spnr, v, SP_ATTRIBUTE_LESEN);
    for (int32_t i = 0; i < 9; ++i) v[i] = begrenzt(v[i], min, max);
    for (int32_t i = 9; i < 24; ++i)
        // experience rides in the vector with its own range 0..299 and must not be cut to 99
        v[i] = i == 20 ? begrenzt(v[i], 0, 299) : begrenzt(v[i], 0, 99);
    Spieler_Attribute(spnr, v, SP_SCHREIBEN);
}

void Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler(int32_t spnr, int32_t index)
{
    if (client("Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler") || !gueltig(spnr)) return;
    if (index < 9 || index > 23) {
        Print_Fehler("Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler: attr_nr falsch!");
        return;
    }
    const int32_t w = Spieler_Attribut_Vorhanden(spnr, index, -1);
    int32_t wert = 0;
    if (w > 0) {
        const int32_t c = w * 45 / 100;
        const int32_t muenze = Zufall(0, 1);
        if (muenze == 1) {
            const int32_t los = Zufall(66, 120);
            if (los < w) {
                wert = Zufall(0, 99);
            } else {
                wert = Zufall(0, c);
            }
        } else {
            wert = Zufall(0, c);
        }
    }
    Spieler_Daten[spnr].unsichtbar[index - 9] = static_cast<uint8_t>(wert);
}

void Spieler_Zufaellige_Lieblingspositionen_Spieler(int32_t spnr, int32_t art)
{
    if (client("Spieler_Zufaellige_Lieblingspositionen_Spieler") || !gueltig(spnr)) return;
    int16_t& pos = Spieler_Fix_Daten[spnr].lieblingspos;
    if (pos == SP_POS_TORWART) return;
    if (art == -1) art = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN);
    if (art < 1 || art > 3) return;
    const int32_t zeile = Zufall((art - 1) * 9, art * 9 - 1);
    const int32_t spalte = Zufall(0, 16);
    pos = static_cast<int16_t>(zeile * 17 + spalte);
}

void Spieler_K_I_T_Variieren(int32_t feld, int32_t spnr, int32_t ziel, int32_t min, int32_t max)
{
    if (client("Spieler_K_I_T_Variieren") || !gueltig(spnr)) return;
    int32_t von = 0, bis = 0;
    switch (feld) {
    case SP_KO: von = 0, bis = 2; break;
    case SP_IN: von = 3, bis = 5; break;
    case SP_TE: von = 6, bis = 8; break;
    case SP_K_I_T: von = 0, bis = 8; break;
    case SP_TORWART_STAERKE: von = 0, bis = 0; break;
    default:
        // a single visible attribute is its own group
        if (feld < SP_KRAFT || feld > SP_TORSCHUSS) {
            Print_Fehler("Spieler_K_I_T_Variieren: falsches Feld %d!", feld);
            return;
        }
        von = bis = feld - SP_KRAFT;
    }
    const bool torwart = Spieler_Fix_Daten[spnr].lieblingspos == SP_POS_TORWART;
    if (torwart != (feld == SP_TORWART_STAERKE)) {
        Print_Fehler("Spieler_K_I_T_Variieren: TW-Modus-Fehler!");
        return;
    }
    int16_t* a = Spieler_Daten[spnr].attribute;
    const int32_t n = bis - von + 1;
    const int32_t soll = ziel * n;
    float w[9];
    int32_t summe = 0;
    for (int32_t i = von; i <= bis; ++i) summe += a[i];
    const float mittel = static_cast<float>(summe) / static_cast<float>(n);
    for (int32_t i = von; i <= bis; ++i)
        // a group of zeros cannot be scaled: it starts at the target
        w[i] = mittel > 0.0f ? static_cast<float>(a[i]) * (static_cast<float>(ziel) / mittel)
                             : static_cast<float>(ziel);
    int32_t v[9] = {};
    for (int32_t runde = 0;; ++runde) {
        int32_t s = 0;
        for (int32_t i = von; i <= bis; ++i) {
            v[i] = begrenzt(static_cast<int32_t>(w[i]), min, max);
            s += v[i];
        }
        if (std::abs(s - soll) <= 4) break;
        if (runde >= 1000) {
            Print_Fehler("Spieler_K_I_T_Variieren: Counter-Overflow, spnr=%d", spnr);
            break;
        }
        const float schritt = s < soll ? 1.0f : -1.0f;
        for (int32_t i = von; i <= bis; ++i) w[i] = static_cast<float>(v[i]) + schritt;
    }
    for (int32_t i = von; i <= bis; ++i) a[i] = static_cast<int16_t>(v[i]);
}

// The configured squads join their clubs; every player nobody named joins the transfer market
// while it has room.
void Spieler_Den_Teams_Zuordnen()
{
    if (client("Spieler_Den_Teams_Zuordnen") || !Spieler_Daten || !T) return;
    std::vector<uint8_t> markiert(static_cast<size_t>(Spieler_Anzahl), 0);
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        const int32_t* liste = nullptr;
        const int32_t n = Team_Get_Start_Spieler(t, &liste);
        const bool pseudo = t == Transfermarkt_Team || t == Jugend_Team;
        for (int32_t i = 0; i < n && liste; ++i) {
            const int32_t sp = liste[i];
            if (!gueltig(sp) || Spieler_Wert(SP_ALTER, sp, 0, SP_LESEN) == 0) {
                static const char* const TEXT =
                    "Sie verwenden eine fehlerhafte Team-Config-Datei. Es ist z.B. möglich, daß dort Spieler "
                    "definiert sind, die in der Spieler-Config-Datei nicht vorkommen. Verwenden Sie bitte die "
                    "Original-Config-Dateien.";
                Team_Requester(0, -1, "%s", TEXT);
                Exit_Game("%s", TEXT);
                return;
            }
            if (!pseudo) {
                const int32_t f = Team_Wert(168, t, 0, TEAM_LESEN);
                const char* land = Team_String(193, t, nullptr, 0);
                bool grosses_land = false;
                for (const char* l : {"Italien", "England", "Frankreich", "Spanien"})
                    grosses_land = grosses_land || (land && std::strcmp(land, l) == 0);
                if (((f & 1) && grosses_land) || ((f & 2) && !(f & 1))) continue;
            }
            const bool dabei = pseudo ? Teamspieler_Kommt_Oder_Geht(1, t, sp, 0, 0, 12, -1, false) : vertrag_schliessen(t, sp, 4);
            // only a player who joined is done: one named by a club that takes nobody (a
            // national side) goes to the market below, not into no team
            if (dabei) markiert[static_cast<size_t>(sp)] = 1;
        }
    }
    if (Transfermarkt_Team < 0 || Transfermarkt_Team >= Team_Anzahl) {
        Print_Fehler("Spieler_Anpassen: TRANSFERMARKT nicht gefunden!\n");
        return;
    }
    for (int32_t sp = 0; sp < Spieler_Anzahl; ++sp) {
        if (markiert[static_cast<size_t>(sp)]) continue;
        // Not only up to 299 players: one left without a club would be lost to the game (a
        // large world names one player more than its clubs and its market hold).
        if (T[Transfermarkt_Team].spieleranzahl >= TEAM_MAX_TRANSFERMARKT) break;
        Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, sp, 0, 0, 12, -1, false);
    }
}

// --- routines over many players ---

namespace {

// Calls f(team, spnr) for every player of the teams that pass the filter and of the market.
template <typename F>
void fuer_gefilterte(int32_t filter, F f)
{
    if (!T) return;
    int32_t feld[TEAM_MAX_START_SPIELER];
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (t != Transfermarkt_Team && !Team_Filter_Pruefen(t, filter)) continue;
        const int32_t n = std::min(Teamspieler_Ins_Array(t, feld, TEAM_MAX_START_SPIELER, 0), TEAM_MAX_START_SPIELER);
        for (int32_t i = 0; i < n; ++i)
            if (gueltig(feld[i])) f(t, feld[i]);
    }
}

void unsichtbare_zufaellig(int32_t spnr)
{
    for (int32_t i = 9; i <= 23; ++i) Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler(spnr, i);
}

}  // namespace

void Spieler_Staerken_Auf_Ligaspanne_Pruefen_Alle_Teams()
{
    if (client("Spieler_Staerken_Auf_Ligaspanne_Pruefen_Alle_Teams") || !T) return;
    int32_t feld[TEAM_MAX_START_SPIELER];
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        // national teams share their players with the clubs, whose window counts
        if (!Team_Ist_Normal(t, 0)) continue;
        const int32_t n = std::min(Teamspieler_Ins_Array(t, feld, TEAM_MAX_START_SPIELER, 0), TEAM_MAX_START_SPIELER);
        for (int32_t i = 0; i < n; ++i) Spieler_Staerken_Auf_Ligaspanne_Pruefen(feld[i], t, 0, 0);
    }
}

void Spieler_Setze_Alter_Zufaellig(int32_t filter)
{
    if (client("Spieler_Setze_Alter_Zufaellig")) return;
    fuer_gefilterte(filter, [](int32_t, int32_t sp) {
        const int32_t alter = Zufall(18, 31);
        Spieler_Daten[sp].alter = static_cast<uint8_t>(alter);
    });
}

void Spieler_Setze_Unsichtbare_Attribute_Zufaellig(int32_t spnr, int32_t filter)
{
    if (client("Spieler_Setze_Unsichtbare_Attribute_Zufaellig")) return;
    if (spnr != -1) {
        if (gueltig(spnr)) unsichtbare_zufaellig(spnr);
        return;
    }
    fuer_gefilterte(filter, [](int32_t, int32_t sp) { unsichtbare_zufaellig(sp); });
}

void Spieler_Zufaellige_Lieblingspositionen(int32_t filter, int32_t art)
{
    if (client("Spieler_Zufaellige_Lieblingspositionen")) return;
    fuer_gefilterte(filter, [art](int32_t, int32_t sp) { Spieler_Zufaellige_Lieblingspositionen_Spieler(sp, art); });
}

// Talent = the ceiling that training may reach. Each value is raised (visible 20..40, invisible
// 5..15) and scaled (visible 1.2..1.4, invisible 1.0..1.2); then a last draw between that and a
// top value decides, the top value being the player's drawn peak (visible) or 99 (invisible),
// reached the more easily the more his type needs the attribute.
void Spieler_Setze_Talent_Neu(int32_t spnr)
{
    if (client("Spieler_Setze_Talent_Neu") || !gueltig(spnr) || !Spieler_Egal_Daten) return;
    int32_t v[SP_ATTRIBUTVEKTOR];
    Spieler_Attribute(spnr, v, SP_ATTRIBUTE_LESEN);
    uint16_t* talent = Spieler_Egal_Daten[spnr].talent;
    int32_t spitze = 999;
    for (int32_t i = 0; i < 14; ++i) {
        const bool sichtbar = i < 9;
        int32_t t = 0;
        if (sichtbar) {
            const int32_t plus = Zufall(20, 40);
            const int32_t zehntel = Zufall(12, 14);
            t = std::min(std::min(v[i] + plus, 990) * zehntel / 10, 950);
            if (i == 0) spitze = Zufall(t, 999);
        } else {
            const int32_t plus = Zufall(5, 15);
            const int32_t zehntel = Zufall(10, 12);
            t = std::min(v[i] + plus, 95) * zehntel / 10;
            if (t < 50) t = Zufall(40, 60);
        }
        const int32_t oben = sichtbar ? std::max(spitze, t) : 99;
        const int32_t w = std::min<int32_t>(Spieler_Attribut_Vorhanden(spnr, i, -1), 100);
        const int32_t grenze = t + (oben - t) * w / 100;
        const int32_t wert = Zufall(std::min(t, grenze), grenze);
        // never below what he has: a talent is a ceiling, and 0 would mean none
        talent[i] = static_cast<uint16_t>(begrenzt(std::max(wert, v[i]), 1, sichtbar ? 999 : 99));
    }
}

// Every club that passes the filter keeps its number of players of each kind, so no squad
// changes its size or balance; the players are drawn from the shuffled pool of the clubs and the
// market, kind by kind (goalkeepers, defenders, forwards, midfielders), and the pool's rest goes
// back to the market.
void Spieler_Zulosen(int32_t filter)
{
    if (client("Spieler_Zulosen") || !T || !Spieler_Daten) return;
    if (Transfermarkt_Team < 0 || Transfermarkt_Team >= Team_Anzahl) {
        Print_Fehler("Spieler_Anpassen: TRANSFERMARKT nicht gefunden!\n");
        return;
    }
    Grafik_Fortschritt_Oeffnen("Spieler werden gemischt.", -1, -1);
    struct Box {
        ~Box() { Grafik_Fortschritt_Schliessen(); }
    } box;

    std::vector<int32_t> teams, pool;
    std::vector<std::array<int32_t, 4>> quote;
    int32_t feld[TEAM_MAX_START_SPIELER];
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        const bool markt = t == Transfermarkt_Team;
        if (!markt && !Team_Filter_Pruefen(t, filter)) continue;
        const int32_t n = std::min(Teamspieler_Ins_Array(t, feld, TEAM_MAX_START_SPIELER, 0), TEAM_MAX_START_SPIELER);
        std::array<int32_t, 4> q{};
        for (int32_t i = 0; i < n; ++i) {
            ++q[static_cast<size_t>(Spieler_Wert(SP_ART, feld[i], 0, SP_LESEN))];
            Teamspieler_Kommt_Oder_Geht(0, t, feld[i], 0, 0, 0, -1, false);
            pool.push_back(feld[i]);
        }
        if (!markt) {
            teams.push_back(t);
            quote.push_back(q);
        }
    }
    Mischen_Dword(pool.data(), static_cast<int32_t>(pool.size()));
    std::array<std::vector<int32_t>, 4> nach_art;
    for (int32_t sp : pool) nach_art[static_cast<size_t>(Spieler_Wert(SP_ART, sp, 0, SP_LESEN))].push_back(sp);
    std::array<size_t, 4> naechster{};

    for (size_t k = 0; k < teams.size(); ++k) {
        Grafik_Fortschritt_Setzen(static_cast<int32_t>(k * 100 / teams.size()), nullptr);
        for (int32_t art : {0, 1, 3, 2}) {
            const size_t a = static_cast<size_t>(art);
            for (int32_t i = 0; i < quote[k][a]; ++i) {
                if (naechster[a] >= nach_art[a].size()) {
                    Print_Fehler("SPIELER:Fehler beim Mischen: zuwenig Spieler da!\n");
                    break;
                }
                vertrag_schliessen(teams[k], nach_art[a][naechster[a]++], 10);
            }
        }
    }
    for (size_t a = 0; a < 4; ++a)
        for (size_t i = naechster[a]; i < nach_art[a].size(); ++i)
            Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, nach_art[a][i], 0, 0, 12, -1, false);
}

// A player whose strength lies outside his club's window gets new strengths drawn inside it;
// everybody is then clamped into it, so a fitted club has no player outside its window.
void Spieler_Staerke_Zufaellig_An_Teams_Anpassen(int32_t filter)
{
    if (client("Spieler_Staerke_Zufaellig_An_Teams_Anpassen") || !T) return;
    int32_t feld[TEAM_MAX_START_SPIELER];
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Filter_Pruefen(t, filter)) continue;
        int32_t lo = 0, hi = 0;
        Team_Get_Staerke_Spanne(t, &lo, &hi, -1, -1);
        const int32_t n = std::min(Teamspieler_Ins_Array(t, feld, TEAM_MAX_START_SPIELER, 0), TEAM_MAX_START_SPIELER);
        for (int32_t i = 0; i < n; ++i) {
            const int32_t sp = feld[i];
            if (!gueltig(sp)) continue;
            const int32_t staerke = Spieler_Wert(SP_K_I_T, sp, 0, SP_LESEN);
            if (staerke < lo || staerke > hi) Spieler_Neu_Belegen(sp, -1, lo, hi, t, -1, -1);
            Spieler_Staerken_Auf_Ligaspanne_Pruefen(sp, -1, lo, hi);
        }
    }
}

void Spieler_Jung_Neu_Belegen(int32_t spnr, int32_t alter)
{
    if (client("Spieler_Jung_Neu_Belegen") || !gueltig(spnr)) return;
    Spieler_Struktur& s = Spieler_Daten[spnr];
    s.alter = static_cast<uint8_t>(alter);
    Spieler_Setze_Talent_Neu(spnr);
    unsichtbare_zufaellig(spnr);
    const int32_t form = Zufall(85, 95);
    s.form = static_cast<uint8_t>(form);
    const int32_t tendenz = Zufall(30, 70);
    s.formtendenz = static_cast<uint8_t>(tendenz);
    const int32_t erschoepfung = Zufall(10, 35);
    s.spiel_erschoepfung = static_cast<uint8_t>(erschoepfung);
    // a boy below 18 has no years of experience to count (the field is unsigned)
    const int32_t erfahrung_ab = std::max(alter - 18, 0);
    const int32_t erfahrung = Zufall(erfahrung_ab, 42);
    s.erfahrung = static_cast<uint16_t>(erfahrung);
}

namespace {

// Strengths inside lo..hi with the computed strength at a drawn target in it.
void staerke_in_fenster(int32_t spnr, int32_t lo, int32_t hi)
{
    Spieler_Neu_Belegen(spnr, -1, lo, hi, -1, -1, -1);
    const int32_t ziel = Zufall_Gross(lo, hi);
    const bool torwart = Spieler_Fix_Daten[spnr].lieblingspos == SP_POS_TORWART;
    Spieler_K_I_T_Variieren(torwart ? SP_TORWART_STAERKE : SP_K_I_T, spnr, ziel, lo, hi);
}

}  // namespace

namespace {

// Whether slot k's windows and rectangle can take a record of age alt_lo..alt_hi.
bool profil_brauchbar(const Team_Transfersuche& s, int32_t k, int32_t alt_lo, int32_t alt_hi)
{
    const int32_t lo = std::max<int32_t>(s.staerke_min[k], 1), hi = std::min<int32_t>(s.staerke_max[k], 999);
    if (alt_lo > alt_hi || lo > hi) return false;
    const int32_t a = s.zelle_a[k], b = s.zelle_b[k];
    return s.torwart[k] != 0 || (a >= 0 && b >= a && b < SP_POS_TORWART && a % 17 <= b % 17);
}

// Remakes the record inside slot k of a search profile: a goalkeeper for a goalkeeper slot, else a
// favourite cell inside the slot's rectangle; an age inside alt_lo..alt_hi and a strength inside the
// slot's window. False, and the record untouched, when the slot's windows or rectangle are unusable.
bool in_profil_machen(int32_t spnr, const Team_Transfersuche& s, int32_t k, int32_t alt_lo, int32_t alt_hi)
{
    if (!profil_brauchbar(s, k, alt_lo, alt_hi)) return false;
    const int32_t lo = std::max<int32_t>(s.staerke_min[k], 1), hi = std::min<int32_t>(s.staerke_max[k], 999);
    const bool torwart = s.torwart[k] != 0;
    const int32_t a = s.zelle_a[k], b = s.zelle_b[k];
    if (torwart) {
        Spieler_Fix_Daten[spnr].lieblingspos = SP_POS_TORWART;
    } else {
        const int32_t zeile = Zufall(a / 17, b / 17);
        const int32_t spalte = Zufall(a % 17, b % 17);
        Spieler_Fix_Daten[spnr].lieblingspos = static_cast<int16_t>(zeile * 17 + spalte);
    }
    const int32_t alter = Zufall(alt_lo, alt_hi);
    staerke_in_fenster(spnr, lo, hi);
    Spieler_Jung_Neu_Belegen(spnr, alter);
    return true;
}

// A young player (18..23) for an open slot of some club that asks for the record's kind, drawn
// among all such slots; false when no club asks for one. Drawing clubs and slots blindly, a
// thousand times, missed the few open slots of a large world about every other time and
// reported a fault where there was none.
bool passend_zu_einer_suche(int32_t spnr)
{
    const bool torwart = Spieler_Fix_Daten[spnr].lieblingspos == SP_POS_TORWART;
    std::vector<std::pair<int32_t, int32_t>> offen;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        const Team_Transfersuche& s = T_Own[t].suche;
        for (int32_t k = 0; k < 4; ++k)
            if (s.aktiv[k] && s.spieler[k] == -1 && (s.torwart[k] != 0) == torwart &&
                profil_brauchbar(s, k, std::max<int32_t>(s.alter_min[k], 18), std::min<int32_t>(s.alter_max[k], 23)))
                offen.emplace_back(t, k);
    }
    if (offen.empty()) return false;
    const int32_t i = Zufall_Gross(0, int32_t(offen.size()) - 1);
    const auto [t, k] = offen[size_t(i)];
    const Team_Transfersuche& s = T_Own[t].suche;
    return in_profil_machen(spnr, s, k, std::max<int32_t>(s.alter_min[k], 18), std::min<int32_t>(s.alter_max[k], 23));
}

}  // namespace

// The record is made to fit slot `slot` of the search block: with a club it becomes that slot's
// wanted player and the slot active; flag 1 marks it new.
bool Spieler_Erschaffe_Passenden_Gesuchten_Spieler(int32_t team, int32_t spnr, Team_Transfersuche* suche,
                                                   int32_t slot, int32_t flag)
{
    if (client("Spieler_Erschaffe_Passenden_Gesuchten_Spieler") || !gueltig(spnr) || !suche || slot < 0 || slot > 3)
        return false;
    const int32_t alt_lo = std::max<int32_t>(suche->alter_min[slot], 16);
    const int32_t alt_hi = std::min<int32_t>(suche->alter_max[slot], 40);
    if (!in_profil_machen(spnr, *suche, slot, alt_lo, alt_hi)) return false;
    if (team >= 0) {
        suche->spieler[slot] = static_cast<int16_t>(spnr);
        suche->aktiv[slot] = 1;
    }
    if (flag & 1) Spieler_Wert(SP_STATUS, spnr, SP_STATUS_NEU, SP_SETZEN);
    return true;
}

namespace {

// A name is passed on or made up until nobody else bears it; so many draws find one in any
// nation of more than a handful of players.
constexpr int32_t NAMENS_VERSUCHE = 60;

// Letters of Windows-1252: A-Z, a-z, the accented ones from 0xC0 and Š, Œ, Ž, š, œ, ž, Ÿ.
bool ist_buchstabe(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7) || c == 0x8A ||
           c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}
bool ist_gross(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F;
}
bool ist_vokal(unsigned char c)
{
    return c != 0 && std::strchr("AEIOUaeiouŒœÀÁÂÃÄÅÆÈÉÊËÌÍÎÏÒÓÔÕÖØÙÚÛÜàáâãäåæèéêëìíîïòóôõöøùúûü", c) != nullptr;
}

size_t name_laenge(const Spieler_Fix& f) { return strnlen(f.name, sizeof f.name - 1); }

// Whether a player other than spnr bears the surname, with initial (not 0) the initial too.
bool name_vergeben(int32_t spnr, const char* name, char initial)
{
    for (int32_t q = 0; q < Spieler_Anzahl; ++q) {
        const Spieler_Fix& f = Spieler_Fix_Daten[q];
        if (q != spnr && f.name[0] == name[0] && (initial == 0 || f.vorname[0] == initial) &&
            std::strncmp(f.name, name, sizeof f.name - 1) == 0)
            return true;
    }
    return false;
}

// The players of spnr's nation, without him, whose names a new name draws on: every one with a
// surname, those with a surname other than his, those with an initial; each list of the whole
// world where his nation has none. And whether anyone else bears his surname. One pass over the
// players (two where a list is empty): a season renews some hundreds of names.
struct Landsleute {
    std::vector<int32_t> leute, spender, initialen;
    bool name_lebt_weiter = false;
};

Landsleute landsleute(int32_t spnr)
{
    Landsleute l;
    const Spieler_Fix& f = Spieler_Fix_Daten[spnr];
    const auto gleicher_name = [&](const Spieler_Fix& g) {
        return g.name[0] == f.name[0] && std::strncmp(g.name, f.name, sizeof f.name - 1) == 0;
    };
    for (int32_t welt = 0; welt < 2; ++welt) {
        const bool leute = l.leute.empty(), spender = l.spender.empty(), initialen = l.initialen.empty();
        if (welt && !leute && !spender && !initialen) break;
        for (int32_t q = 0; q < Spieler_Anzahl; ++q) {
            if (q == spnr) continue;
            const Spieler_Fix& g = Spieler_Fix_Daten[q];
            const bool gleich = g.name[0] != 0 && gleicher_name(g);
            if (!welt) l.name_lebt_weiter |= gleich;
            if (g.name[0] == 0 || (!welt && g.nation != f.nation)) continue;
            if (leute) l.leute.push_back(q);
            if (spender && !gleich) l.spender.push_back(q);
            if (initialen && g.vorname[0] != 0) l.initialen.push_back(q);
        }
    }
    return l;
}

int32_t ziehen(const std::vector<int32_t>& l)
{
    const int32_t i = Zufall_Gross(0, int32_t(l.size()) - 1);
    return l[size_t(i)];
}

// The places in a surname where a consonant meets the vowel after it: the front of one name up
// to such a place joined to the end of another from one reads like the names of their nation
// ("Brandhuber" and "Kessmann" give "Brandhann" and "Kessmuber"). A front ends inside a word of
// a capital (so "van der S" and "MacL", never "van d"); an end is one lower-case word of at
// least two letters.
std::vector<int32_t> fugen(const Spieler_Fix& f, bool als_ende)
{
    const auto* s = reinterpret_cast<const unsigned char*>(f.name);
    const size_t n = name_laenge(f);
    std::vector<int32_t> l;
    size_t wort = 0;  // where the word of position i - 1 begins
    for (size_t i = 1; i < n; ++i) {
        if (!ist_buchstabe(s[i - 1])) wort = i;
        const bool fuge = ist_buchstabe(s[i - 1]) && !ist_vokal(s[i - 1]) && ist_vokal(s[i]);
        if (!fuge) continue;
        if (als_ende) {
            const bool ein_wort = std::all_of(s + i, s + n, [](unsigned char c) { return ist_buchstabe(c); });
            if (ein_wort && !ist_gross(s[i]) && n - i >= 2) l.push_back(int32_t(i));
        } else if (wort < i && ist_gross(s[wort])) {
            l.push_back(int32_t(i));
        }
    }
    return l;
}

// A surname nobody bears, joined from a front and an end of two surnames of `leute`; false when
// this draw gives none.
bool zusammensetzen(int32_t spnr, const std::vector<int32_t>& leute, char (&name)[sizeof Spieler_Fix::name])
{
    const Spieler_Fix& a = Spieler_Fix_Daten[ziehen(leute)];
    const Spieler_Fix& b = Spieler_Fix_Daten[ziehen(leute)];
    const std::vector<int32_t> vorne = fugen(a, false), hinten = fugen(b, true);
    if (vorne.empty() || hinten.empty()) return false;
    const int32_t i = Zufall_Gross(0, int32_t(vorne.size()) - 1);
    const int32_t j = Zufall_Gross(0, int32_t(hinten.size()) - 1);
    const size_t lv = size_t(vorne[size_t(i)]), start = size_t(hinten[size_t(j)]), lh = name_laenge(b) - start;
    if (lv + lh < 3 || lv + lh > sizeof name - 1) return false;
    char neu[sizeof name] = {};
    std::memcpy(neu, a.name, lv);
    std::memcpy(neu + lv, b.name + start, lh);
    if (std::strncmp(neu, Spieler_Fix_Daten[spnr].name, sizeof neu - 1) == 0 || name_vergeben(spnr, neu, 0)) return false;
    std::memcpy(name, neu, sizeof neu);
    return true;
}

// A new player in an old record is someone else, with a name no other player bears. A surname
// that retires with its last bearer is replaced by one made up of pieces of his countrymen's
// surnames, so that the world keeps as many surnames as it had; one that others still bear
// makes room for a countryman's surname under another countryman's initial, drawn again while
// a player bears that pair. Never the surname he retired with; a nation with no one else lends
// the whole world's names.
void name_ziehen(int32_t spnr)
{
    Spieler_Fix& f = Spieler_Fix_Daten[spnr];
    const Landsleute l = landsleute(spnr);
    const std::vector<int32_t>&leute = l.leute, &spender = l.spender, &initialen = l.initialen;
    if (leute.empty()) return;  // the only player of the world keeps his name
    const bool stirbt_aus = !l.name_lebt_weiter;
    char name[sizeof f.name] = {}, initial = f.vorname[0];
    bool frei = false;
    for (int32_t v = 0; v < NAMENS_VERSUCHE && !frei; ++v) {
        if (!initialen.empty()) initial = Spieler_Fix_Daten[ziehen(initialen)].vorname[0];
        // the pairs of a small nation may all be taken: then a surname of its own
        if (stirbt_aus || spender.empty() || v >= NAMENS_VERSUCHE / 2) {
            frei = zusammensetzen(spnr, leute, name);
        } else {
            std::memcpy(name, Spieler_Fix_Daten[ziehen(spender)].name, sizeof name - 1);
            frei = !name_vergeben(spnr, name, initial);
        }
    }
    // no free name at all: a countryman's surname even so
    if (!frei && !spender.empty()) std::memcpy(name, Spieler_Fix_Daten[ziehen(spender)].name, sizeof name - 1);
    if (name[0] != 0) std::memcpy(f.name, name, sizeof f.name);
    f.vorname[0] = initial;
    f.vorname[1] = 0;
}

// The name's tries run on a seed of their own, made of the two draws of the game's sequence that
// a new name takes, and the game's sequence goes on where it stood: however many tries a name
// needs, the rest of the game draws what it would have drawn.
void neuer_name(int32_t spnr)
{
    const int32_t saat_a = Zufall_Gross(0, Spieler_Anzahl - 1);
    const int32_t saat_b = Zufall_Gross(0, Spieler_Anzahl - 1);
    const int32_t gemerkt = Zufall_Get_Seed();
    Zufall_Set_Seed(int32_t((int64_t(saat_a) * Spieler_Anzahl + saat_b) % ZUFALL_MODUL));
    name_ziehen(spnr);
    Zufall_Set_Seed(gemerkt);
}

}  // namespace

namespace {

// Someone else in the record: the offers for the old player, the clubs' marks on him and his
// decisions go, the record is marked new (clients fetch it again) and takes a new name.
void anderer_spieler(int32_t spnr)
{
    Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(spnr);
    // every club's watch list and search slots, read in place: the server holds them all
    for (int32_t t = 0; T_Fix && T_Own && t < Team_Anzahl; ++t) {
        welt::beobachtet_streichen(T_Own[t].beobachtet, spnr);
        for (int16_t& s : T_Own[t].suche.spieler)
            if (s == spnr) s = -1;
    }
    Spieler_Wert(SP_STATUS, spnr, SP_STATUS_NEU, SP_SETZEN);
    Spieler_Wert(SP_STATUS, spnr, 1 | 2 | SP_STATUS_WECHSEL, SP_LOESCHEN);
    neuer_name(spnr);
}

}  // namespace

bool Spieler_Setze_Alten_Sack_Neu(int32_t spnr)
{
    if (client("Spieler_Setze_Alten_Sack_Neu") || !gueltig(spnr)) return false;
    anderer_spieler(spnr);
    if (T_Own && Team_Anzahl > 0 && passend_zu_einer_suche(spnr)) return true;
    Spieler_Zufaellige_Lieblingspositionen_Spieler(spnr, -1);
    staerke_in_fenster(spnr, 40, 985);
    const int32_t alter = Zufall(18, 23);
    Spieler_Jung_Neu_Belegen(spnr, alter);
    return true;
}

bool Spieler_Setze_Jugendspieler_Neu(int32_t spnr, int32_t vorbild, int32_t alter, int32_t lo, int32_t hi)
{
    if (client("Spieler_Setze_Jugendspieler_Neu") || !gueltig(spnr) || !gueltig(vorbild) || !Spieler_Egal_Daten)
        return false;
    Spieler_Fix& f = Spieler_Fix_Daten[spnr];
    // of the leaver's country (his name is drawn among its names) and kind of player
    f.nation = Spieler_Fix_Daten[vorbild].nation;
    f.lieblingspos = Spieler_Fix_Daten[vorbild].lieblingspos;
    anderer_spieler(spnr);
    Spieler_Zufaellige_Lieblingspositionen_Spieler(spnr, -1);
    staerke_in_fenster(spnr, std::max(lo, 1), std::min(hi, 999));
    Spieler_Jung_Neu_Belegen(spnr, alter);
    // a youth player plays in no league system, and a boy starts fit
    Spieler_Client_Egal& e = Spieler_Egal_Daten[spnr];
    e.heimatsystem = -1;
    e.angebotswert = 0;
    Spieler_Daten[spnr].verletzung_tage = 0;
    Spieler_Daten[spnr].verletzung_art = 0;
    return true;
}

// --- the main part aside, the converter's rows ---

Spieler_Struktur* Spieler_Buffer_Anlegen()
{
    if (!Spieler_Daten || Spieler_Anzahl <= 0) return nullptr;
    const uint32_t groesse = static_cast<uint32_t>(Spieler_Anzahl) * sizeof(Spieler_Struktur);
    auto* feld = static_cast<Spieler_Struktur*>(Mem_Alloc(groesse, 0));
    if (feld) std::memcpy(feld, Spieler_Daten, groesse);
    return feld;
}

namespace {

// The parallel part p resized to n records; what is new is zeroed.
template <typename R>
void neue_groesse(R*& p, int32_t alt, int32_t n)
{
    auto* neu = static_cast<R*>(Mem_Alloc_Clear(static_cast<uint32_t>(n) * sizeof(R), 0, 0));
    if (p && neu) std::memcpy(neu, p, static_cast<size_t>(std::min(alt, n)) * sizeof(R));
    Mem_Free(p, 0);
    p = neu;
}

}  // namespace

// The array becomes the module's own. With another count the other parts follow it, so that no
// player number reads past the end of a parallel array.
void Spieler_Buffer_Zurueckschreiben(Spieler_Struktur* feld, int32_t anzahl)
{
    if (!feld || anzahl <= 0) {
        Print_Fehler("Spieler_Buffer_Zurueckschreiben: buffer==NULL || anzahl==%d!", anzahl);
        return;
    }
    if (feld == Spieler_Daten) {
        if (anzahl != Spieler_Anzahl) Print_Fehler("Spieler_Buffer_Zurueckschreiben: eigener Buffer!");
        return;
    }
    const int32_t alt = std::max(Spieler_Anzahl, 0);
    if (anzahl != alt) {
        neue_groesse(Spieler_Fix_Daten, alt, anzahl);
        neue_groesse(Spieler_Egal_Daten, alt, anzahl);
        neue_groesse(Spieler_Client_Flags, alt, anzahl);
    }
    Mem_Free(Spieler_Daten, 0);
    Spieler_Daten = feld;
    Spieler_Anzahl = anzahl;
}

// Row: surname;first name;nation;age;favourite cell;fitness;intelligence;technique;club. A
// goalkeeper has no intelligence and technique groups, a player without a club no club.
void Spieler_Convert_Array_Fuellen(char* zeilen)
{
    if (!zeilen || !gueltig(0)) return;
    static const char* const OFFEN = "Noch_definieren!";
    std::vector<int32_t> team_von(static_cast<size_t>(Spieler_Anzahl), -1);
    int32_t feld[TEAM_MAX_START_SPIELER];
    for (int32_t t = 0; T && t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        const int32_t n = std::min(Teamspieler_Ins_Array(t, feld, TEAM_MAX_START_SPIELER, 0), TEAM_MAX_START_SPIELER);
        for (int32_t i = 0; i < n; ++i)
            if (gueltig(feld[i])) team_von[static_cast<size_t>(feld[i])] = t;
    }
    for (int32_t sp = 0; sp < Spieler_Anzahl; ++sp) {
        const Spieler_Fix& f = Spieler_Fix_Daten[sp];
        const int16_t* a = Spieler_Daten[sp].attribute;
        const bool torwart = f.lieblingspos == SP_POS_TORWART;
        char name[21], vorname[3], gruppe[3][8];
        std::snprintf(name, sizeof name, "%.20s", f.name);
        std::snprintf(vorname, sizeof vorname, "%.2s", f.vorname);
        for (int32_t g = 0; g < 3; ++g)
            std::snprintf(gruppe[g], sizeof gruppe[g], "%d", torwart ? a[0] : (a[3 * g] + a[3 * g + 1] + a[3 * g + 2]) / 3);
        const int32_t t = team_von[static_cast<size_t>(sp)];
        std::snprintf(zeilen + static_cast<size_t>(sp) * SPIELER_CONVERT_ZEILE, SPIELER_CONVERT_ZEILE,
                      "%s;%s;%d;%d;%d;%s;%s;%s;%s", name[0] ? name : OFFEN, vorname[0] ? vorname : OFFEN, f.nation,
                      Spieler_Daten[sp].alter, f.lieblingspos, gruppe[0], torwart ? OFFEN : gruppe[1],
                      torwart ? OFFEN : gruppe[2], t >= 0 ? T_Fix[t].name : OFFEN);
    }
}

bool Spieler_Hat_Heimatsystem(int32_t spnr)
{
    if (!gueltig(spnr) || !Spieler_Egal_Daten) return false;
    return Spieler_Egal_Daten[spnr].heimatsystem != -1;
}
