// The team information screen's state and page contents: options, the shown club and its
// comparison partner, the history, the head-to-head record and the player lists.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_statistik.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik_archiv.h"
#include "competitions/statistik_saetze.h"
#include "competitions/statistik_teaminfo.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/spieler_statistik.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "match/spieltag.h"
#include "network/internet_read.h"
#include "screens/spielervergleich.h"
#include "toolkit/screen.h"

namespace {

int32_t gezeigtes_team = -1;
int32_t vergleich_heim = -1, vergleich_gast = -1;

bool an(int32_t icon) { return Manager_Icon_Button_Lesen(Aktuelles_Team, icon) != 0; }
void setzen(int32_t icon, bool ein) { Manager_Icon_Button_An_Aus(Aktuelles_Team, icon, ein ? 1 : 0); }

// Owning competitions of every country, or the one chosen.
std::vector<int32_t> wettbewerbe(int32_t wahl)
{
    if (wahl >= 0) return {wahl};
    std::vector<int32_t> ids(WETTBEWERB_ANZAHL);
    const int32_t n = Wettbewerb_Get_Land_Wettbewerbe(-1, ids.data());
    ids.resize(size_t(std::clamp(n, 0, WETTBEWERB_ANZAHL)));
    return ids;
}

// The club's competition: its own, else the first owning competition there is.
int32_t team_wettbewerb(int32_t team)
{
    const Wettbewerb_Id w = Wettbewerb_Get_Team_Wettbewerb(team, 0);
    if (w >= 0) return w;
    const std::vector<int32_t> alle = wettbewerbe(-1);
    return alle.empty() ? -1 : alle[0];
}

// The clubs of a league in the order of its table up to the current match day, as the tables
// screen shows it; empty without a table.
std::vector<int32_t> tabellen_reihenfolge(Wettbewerb_Id w)
{
    std::vector<int32_t> teams;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    static Tabelle_Datensatz t;
    if (!info || (info->modus & KO_SYSTEM) || !Wettbewerb_Tabelle_Vorbereiten(w, &t)) return teams;
    Spiele_Tabelle_Berechnen(w, info->spiele_block, 0, std::max(info->spieltag - 1, 0),
                             (info->modus & ENGLISCHE_TABELLE) ? 1 : 0, TAB_NORMAL, &t, 0, 0, -1, -1, 0, 0, -1);
    for (int32_t p = 0; p < t.anzahl && p < TABELLE_MAX_TEAMS; ++p) {
        const int32_t slot = t.platz[p];
        if (slot >= 0 && slot < TABELLE_MAX_TEAMS && t.team[slot] >= 0 && t.team[slot] < Team_Anzahl)
            teams.push_back(t.team[slot]);
    }
    return teams;
}

// The clubs of the club's competition in table order; all clubs by number when it has none.
std::vector<int32_t> reihenfolge(int32_t team)
{
    std::vector<int32_t> teams = tabellen_reihenfolge(Wettbewerb_Get_Team_Wettbewerb(team, 0));
    if (teams.empty()) {
        teams.resize(size_t(std::max(Team_Anzahl, 0)));
        std::iota(teams.begin(), teams.end(), 0);
    }
    return teams;
}

// Every played match of the two clubs (gast -1: any opponent) in the competitions' fixture
// blocks, in store order.
template <typename F>
void gespielte_spiele(int32_t team, int32_t gast, int32_t wahl, F&& f)
{
    if (!Spiele_Ist_Initialisiert()) return;
    struct Sammler {
        std::vector<int32_t> besitzer;
        std::vector<int32_t> bloecke;
    } s;
    for (int32_t w : wettbewerbe(wahl)) {
        const int32_t o = Wettbewerb_Get_Oberwettbewerb(w);
        s.besitzer.push_back(o < 0 ? w : o);
    }
    spiele_fuer_alle_bloecke_id(
        [](int32_t block, int32_t wettbewerb, void* ctx) {
            auto* s = static_cast<Sammler*>(ctx);
            int32_t o = Wettbewerb_Get_Oberwettbewerb(wettbewerb);
            if (o < 0) o = wettbewerb;
            if (std::find(s->besitzer.begin(), s->besitzer.end(), o) != s->besitzer.end()) s->bloecke.push_back(block);
        },
        &s);
    for (int32_t b : s.bloecke) {
        uint32_t n = 0;
        const Spiele_Spiel* spiele = spiele_block_spiele(b, &n);
        for (uint32_t pos = 0; spiele && pos < n; ++pos) {
            const Spiele_Spiel& sp = spiele[pos];
            if (sp.heim_tore < 0 || sp.heim == SPIELE_KEIN_TEAM || (sp.heim != team && sp.gast != team)) continue;
            if (gast >= 0 && sp.heim != gast && sp.gast != gast) continue;
            f(sp);
        }
    }
}

// A client's rows: scorers and cards by the player comparison's request 60 for the club, over the
// competitions it has reached (at most seven, the request's room); fouls, which that request
// does not carry, by each player's count (request 77). Neither knows the home/away choice. Rows
// with a value come first, the rest of the squad follows with zeros. False when the server did
// not answer.
bool fern_zeilen(int32_t seite, int32_t team, const int32_t* kader, int32_t n, std::vector<Teaminfo_Spielerzeile>* aus)
{
    int32_t ids[128] = {};
    int32_t anzahl = 0;
    for (int32_t w : wettbewerbe(Statistik_Teaminfo_Wettbewerb_Option()))
        if (anzahl < VERGLEICH_WETTBEWERBE && Wettbewerb_Team_Erreicht(w, team)) ids[anzahl++] = w;
    if (seite == 1177) {
        for (int32_t i = 0; i < n; ++i) {
            if (kader[i] < 0 || kader[i] >= Spieler_Anzahl) continue;
            int32_t masken = -1, zweiter = -1, werte[SPIELE_STAT_MASKEN] = {};
            const int32_t f = Spieler_Get_Spieler_Statistik(26, ids, anzahl, team, kader[i], -1, -1, -1, -1, nullptr,
                                                            &masken, werte, 1, &zweiter);
            aus->push_back({kader[i], {std::max(f, 0), 0, 0, 0}, std::max(f, 0)});
        }
        return true;
    }
    const int32_t art = seite == 1178 ? 2 : 7;
    uint8_t gruppen[4] = {1, 1, 1, 1};
    int32_t icons = 3, zeilen = 0, modus = -1;
    uint16_t sp[VERGLEICH_ZEILEN] = {}, te[VERGLEICH_ZEILEN] = {};
    static Spielervergleich_Ergebnis e;
    const Internet_Arg args[] = {
        Internet_Wert(art),        Internet_Wert(0),           Internet_Wert(0),           Internet_Wert(team),
        Internet_Zeiger(gruppen, 4), Internet_Wert(anzahl),     Internet_Zeiger(ids, 512),  Internet_Wert(-1),
        Internet_Wert(-1),         Internet_Wert(-1),          Internet_Wert(-1),          Internet_Wert(1),
        Internet_Zeiger(&icons, 4), Internet_Zeiger(&zeilen, 4), Internet_Zeiger(&modus, 4), Internet_Zeiger(sp, 198),
        Internet_Zeiger(te, 198),  Internet_Zeiger(e.wert[0], 396), Internet_Zeiger(e.wert[1], 396),
        Internet_Zeiger(e.wert[2], 396), Internet_Zeiger(e.wert[3], 396)};
    uint8_t fertig = 0;
    Internet_Client_Read(60, VERGLEICH_FORMAT, nullptr, &fertig, args, int32_t(std::size(args)));
    if (!(fertig & 1)) return false;
    std::vector<uint8_t> gesehen(size_t(std::max(Spieler_Anzahl, 0)), 0);
    for (int32_t z = 0; z < std::clamp(zeilen, 0, VERGLEICH_ZEILEN); ++z) {
        const int32_t p = sp[z];
        // the server's rows are checked like any other input: the club's own players only
        if (p >= Spieler_Anzahl || te[z] != team || gesehen[size_t(p)] || std::find(kader, kader + n, p) == kader + n)
            continue;
        gesehen[size_t(p)] = 1;
        Teaminfo_Spielerzeile r{p, {0, 0, 0, 0}, 0};
        if (art == 2) {
            r.wert[0] = e.wert[1][z], r.wert[1] = e.wert[2][z], r.wert[2] = 2 * r.wert[0] + r.wert[1];
            r.schluessel = r.wert[2];
        } else {
            r.wert[0] = e.wert[3][z], r.wert[1] = e.wert[2][z], r.wert[2] = e.wert[1][z];
            r.wert[3] = r.wert[0] + r.wert[1] + r.wert[2];
            r.schluessel = r.wert[0] + 2 * int64_t(r.wert[1]) + 3 * int64_t(r.wert[2]);
        }
        aus->push_back(r);
    }
    for (int32_t i = 0; i < n; ++i)
        if (kader[i] >= 0 && kader[i] < Spieler_Anzahl && !gesehen[size_t(kader[i])])
            aus->push_back({kader[i], {0, 0, 0, 0}, 0});
    return true;
}

}  // namespace

int32_t Statistik_Teaminfo_Get_Team() { return gezeigtes_team; }

int32_t Statistik_Teaminfo_Platz(int32_t team, int32_t wettbewerb)
{
    const std::vector<int32_t> t = tabellen_reihenfolge(wettbewerb);
    const auto i = std::find(t.begin(), t.end(), team);
    return i == t.end() ? -1 : int32_t(i - t.begin());
}

void Statistik_Teaminfo_Vergleich_Teams(int32_t* heim, int32_t* gast)
{
    if (heim) *heim = vergleich_heim;
    if (gast) *gast = vergleich_gast;
}

int32_t Statistik_Teaminfo_Seiten_Option()
{
    if (an(TI_NUR_HEIM)) return 1;
    if (an(TI_NUR_AUSWAERTS)) return 2;
    return 0;
}

int32_t Statistik_Teaminfo_Wettbewerb_Option()
{
    if (!an(TI_LIGA)) return -1;
    const int32_t w = int16_t(Manager_Icon_Word_Data_Lesen(Aktuelles_Team, TI_LIGA));
    return Wettbewerb_Get_Info(w) ? w : -1;
}

int32_t Statistik_Teaminfo_Seite()
{
    for (int32_t s = TI_ERSTE_SEITE; s <= TI_LETZTE_SEITE; ++s)
        if (an(s)) return s;
    return TI_ERSTE_SEITE;
}

void Statistik_Teaminfo_Schalten(int32_t icon)
{
    if (icon == TI_NUR_HEIM || icon == TI_NUR_AUSWAERTS) {
        const bool neu = !an(icon);
        setzen(icon, neu);
        if (neu) setzen(icon == TI_NUR_HEIM ? TI_NUR_AUSWAERTS : TI_NUR_HEIM, false);
    } else if (icon == TI_LIGA) {
        setzen(icon, !an(icon));
    } else if (icon >= TI_ERSTE_SEITE && icon <= TI_LETZTE_SEITE) {
        if (Statistik_Teaminfo_Seite() == icon && an(icon)) return;
        for (int32_t s = TI_ERSTE_SEITE; s <= TI_LETZTE_SEITE; ++s) setzen(s, s == icon);
    } else {
        return;
    }
    if (Statistik_Teaminfo_Ist_Offen()) Statistik_Teaminfo_Seite_Aufbauen();
}

void Statistik_Teaminfo_Blaettern(int32_t richtung)
{
    if (gezeigtes_team < 0 || gezeigtes_team >= Team_Anzahl) return;
    const std::vector<int32_t> teams = reihenfolge(gezeigtes_team);
    const int32_t neu = Statistik_Teaminfo_Nachbar(teams.data(), int32_t(teams.size()), gezeigtes_team, richtung);
    if (neu == gezeigtes_team) return;
    Statistik_Teaminfo_Zeigen(neu, 0);
}

void Statistik_Teaminfo_Zeigen(int32_t team, int32_t flag)
{
    if (team < 0 || team >= Team_Anzahl) return;
    if (flag && (team != gezeigtes_team || !Menue_Screen_Icon_Ist_Vorhanden(TI_MARKE))) return;
    gezeigtes_team = team;
    int32_t auswaerts = 0;
    int32_t gegner = Spieltag_Get_Gegner(team, &auswaerts, nullptr, nullptr, nullptr);
    if (gegner < 0) {
        // No game today: the season's next match gives the partner, so the page still compares.
        int32_t g = -1, tag = 0, w = -1, seite = 0;
        if (Statistik_Team_Spiele_Im_Jahr(team, -1, &g, &tag, &w, &seite, 1, 0) == 1) gegner = g, auswaerts = seite != 0;
    }
    vergleich_heim = team, vergleich_gast = -1;
    if (gegner >= 0 && gegner < Team_Anzahl) {
        vergleich_heim = auswaerts ? gegner : team;
        vergleich_gast = auswaerts ? team : gegner;
    }
    if (Statistik_Teaminfo_Seite() == TI_ERSTE_SEITE && !an(TI_ERSTE_SEITE)) setzen(TI_ERSTE_SEITE, true);
    Statistik_Teaminfo_Seite_Aufbauen();
}

void Statistik_Teaminfo_Vor_Spiel(int32_t team)
{
    if (team < 0 || team >= Team_Anzahl) return;
    // A new club starts without the previous club's competition filter.
    Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, TI_LIGA, uint16_t(int16_t(team_wettbewerb(team))));
    Statistik_Teaminfo_Zeigen(team, 0);
}

void Statistik_Teaminfo_Vergleich_Setzen(int32_t heim, int32_t gast)
{
    if (heim >= 0 && heim < Team_Anzahl) vergleich_heim = heim;
    if (gast >= 0 && gast < Team_Anzahl) vergleich_gast = gast;
}

int32_t Statistik_Teaminfo_Balken(int32_t wert)
{
    const float d = float(2 * wert - 100);
    const float s = d < 0 ? -1.0f : d > 0 ? 1.0f : 0.0f;
    return std::clamp(int32_t(s * std::sqrt(std::fabs(d)) + 10.0f), 0, 20);
}

void Statistik_Teaminfo_Bilanz_Text(char* text, int32_t n, int32_t siege, int32_t unentschieden, int32_t niederlagen)
{
    if (!text || n <= 0) return;
    if (siege + unentschieden + niederlagen <= 0) {
        std::snprintf(text, size_t(n), "Bisherige Bilanz: noch keine Spiele ausgetragen");
        return;
    }
    std::snprintf(text, size_t(n), "Bisherige Bilanz: %d %s%s, %d %s%s, %d %s%s", siege, "Sieg", siege != 1 ? "e" : "",
                  unentschieden, "Unentschieden", "", niederlagen, "Niederlage", niederlagen != 1 ? "n" : "");
}

void Statistik_Teaminfo_Minuten_Summen(const int32_t* pro_minute, int32_t summen[6])
{
    for (int32_t b = 0; b < 6; ++b) {
        summen[b] = 0;
        if (pro_minute)
            for (int32_t m = b * 15 + 1; m <= b * 15 + 15; ++m) summen[b] += pro_minute[m];
    }
}

int32_t Statistik_Teaminfo_Platzierungen(int32_t team, Teaminfo_Platzierung* aus, int32_t max)
{
    if (!aus || max <= 0) return 0;
    max = std::min(max, 20);
    int32_t j[20], w[20], p[20], pu[20], mp[20], to[20], ge[20];
    const int32_t n = std::clamp(Statistik_Tabellen_Suche_Team(team, j, w, p, pu, mp, to, ge, max), 0, max);
    // The search gives the newest first; the page reads oldest first, ten to a column.
    for (int32_t i = 0; i < n; ++i) {
        const int32_t k = n - 1 - i;
        aus[i] = {j[k], w[k], p[k], pu[k], mp[k], to[k], ge[k], i / 10, i % 10};
    }
    return n;
}

int32_t Statistik_Teaminfo_Spielerliste(int32_t seite, int32_t team, Teaminfo_Spielerzeile* aus, int32_t max)
{
    if (!aus || max <= 0 || team < 0 || team >= Team_Anzahl || seite < 1176 || seite > 1179) return 0;
    int32_t kader[50];
    const int32_t n = std::clamp(Teamspieler_Ins_Array(team, kader, 50, 0), 0, 50);
    std::vector<Teaminfo_Spielerzeile> zeilen;
    const bool fern = Netz_Rolle == 1 && seite != 1176;
    if (fern && !fern_zeilen(seite, team, kader, n, &zeilen)) return 0;
    std::vector<int32_t> zaehler;
    int32_t masken_anzahl = 0;
    if (!fern && seite != 1176 && Spieler_Anzahl > 0) {
        static const uint32_t MASKEN[3][3] = {
            {0x10000u, 0, 0}, {SPE_TOR, SPE_TOR | SPST_ZWEITER_SPIELER, 0}, {SPE_GELB, SPE_GELBROT, SPE_ROT}};
        const int32_t art = seite - 1177;
        masken_anzahl = art == 0 ? 1 : art == 1 ? 2 : 3;
        const std::vector<int32_t> ids = wettbewerbe(Statistik_Teaminfo_Wettbewerb_Option());
        zaehler.assign(size_t(masken_anzahl) * size_t(Spieler_Anzahl), 0);
        if (!Spiele_Get_Statistik(1, 0, ids.data(), int32_t(ids.size()), MASKEN[art], masken_anzahl, -1, -1, -1, -1,
                                  Statistik_Teaminfo_Seiten_Option(), zaehler.data()))
            zaehler.assign(zaehler.size(), 0);
    }
    auto zahl = [&](int32_t m, int32_t p) { return zaehler[size_t(m) * size_t(Spieler_Anzahl) + size_t(p)]; };
    for (int32_t i = 0; i < n && !fern; ++i) {
        const int32_t p = kader[i];
        if (p < 0 || p >= Spieler_Anzahl) continue;
        Teaminfo_Spielerzeile z{p, {0, 0, 0, 0}, 0};
        switch (seite) {
        case 1176: {
            const int32_t duelle = Spieler_Wert(SP_ZAEHLER_1, p, 0, 0);
            const int32_t anteil = duelle > 0 ? int32_t(int64_t(Spieler_Wert(SP_ZAEHLER_2, p, 0, 0)) * 100 / duelle) : 0;
            z.wert[0] = duelle, z.wert[1] = anteil;
            z.schluessel = int64_t(anteil) * 100 + duelle;
            break;
        }
        case 1177: z.wert[0] = zahl(0, p), z.schluessel = z.wert[0]; break;
        case 1178:
            z.wert[0] = zahl(0, p), z.wert[1] = zahl(1, p), z.wert[2] = 2 * z.wert[0] + z.wert[1];
            z.schluessel = z.wert[2];
            break;
        default:
            z.wert[0] = zahl(0, p), z.wert[1] = zahl(1, p), z.wert[2] = zahl(2, p);
            z.wert[3] = z.wert[0] + z.wert[1] + z.wert[2];
            z.schluessel = z.wert[0] + 2 * int64_t(z.wert[1]) + 3 * int64_t(z.wert[2]);
            break;
        }
        zeilen.push_back(z);
    }
    std::stable_sort(zeilen.begin(), zeilen.end(),
                     [](const Teaminfo_Spielerzeile& a, const Teaminfo_Spielerzeile& b) { return a.schluessel > b.schluessel; });
    const int32_t m = std::min<int32_t>(int32_t(zeilen.size()), max);
    std::copy_n(zeilen.begin(), m, aus);
    return m;
}

int32_t Statistik_Teaminfo_Fakten(char (*zeilen)[256], int32_t max)
{
    if (!zeilen || max <= 0 || gezeigtes_team < 0) return 0;
    std::vector<char*> zeiger(static_cast<size_t>(max));
    for (int32_t i = 0; i < max; ++i) zeiger[size_t(i)] = zeilen[i];
    const int32_t seite = Statistik_Teaminfo_Seiten_Option();
    const int32_t n = Statistik_Fakten_Saetze(Statistik_Teaminfo_Wettbewerb_Option(), gezeigtes_team, -1,
                                              seite == 0 ? 3 : seite, -1, zeiger.data(), max, 256);
    return std::clamp(n, 0, max);
}

void Statistik_Teaminfo_Bilanz(int32_t heim, int32_t gast, int32_t wettbewerb, int32_t* siege, int32_t* unentschieden,
                               int32_t* niederlagen, char* letzte, int32_t n)
{
    int32_t s = 0, u = 0, l = 0;
    std::vector<std::string> ergebnisse;
    if (heim >= 0 && gast >= 0 && heim != gast)
        gespielte_spiele(heim, gast, wettbewerb, [&](const Spiele_Spiel& sp) {
            const int32_t eigene = sp.heim == heim ? sp.heim_tore : sp.gast_tore;
            const int32_t andere = sp.heim == heim ? sp.gast_tore : sp.heim_tore;
            (eigene > andere ? s : eigene < andere ? l : u) += 1;
            // A shoot-out stands apart from the score after extra time.
            const Spiele_Stand st = Spiele_Get_Stand(&sp);
            const bool h = sp.heim == heim;
            std::string text = std::to_string(h ? st.heim : st.gast) + ":" + std::to_string(h ? st.gast : st.heim);
            if (st.elf_heim >= 0)
                text += " n.E. " + std::to_string(h ? st.elf_heim : st.elf_gast) + ":" + std::to_string(h ? st.elf_gast : st.elf_heim);
            ergebnisse.push_back(text);
        });
    if (siege) *siege = s;
    if (unentschieden) *unentschieden = u;
    if (niederlagen) *niederlagen = l;
    if (letzte && n > 0) {
        std::string t;
        const size_t erste = ergebnisse.size() > 10 ? ergebnisse.size() - 10 : 0;
        for (size_t i = erste; i < ergebnisse.size(); ++i) t += (t.empty() ? "" : ", ") + ergebnisse[i];
        std::snprintf(letzte, size_t(n), "%s", t.c_str());
    }
}
