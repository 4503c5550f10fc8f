#include "database/welt_bilanz.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "platform/liste.h"

namespace {

// The name figures of all players and of the league clubs' squads.
void namen_zaehlen(Welt_Bilanz& b)
{
    if (!Spieler_Fix_Daten || Spieler_Anzahl <= 0) return;
    const auto nachname = [](int32_t p) {
        const Spieler_Fix& f = Spieler_Fix_Daten[p];
        return std::string_view(f.name, strnlen(f.name, sizeof f.name));
    };
    const auto vollname = [&](int32_t p) { return std::string(1, Spieler_Fix_Daten[p].vorname[0]) + ' ' + std::string(nachname(p)); };
    std::unordered_set<std::string_view> nachnamen;
    std::unordered_map<std::string, int32_t> vollnamen;
    for (int32_t p = 0; p < Spieler_Anzahl; ++p) {
        nachnamen.insert(nachname(p));
        ++vollnamen[vollname(p)];
    }
    b.nachnamen = int32_t(nachnamen.size());
    for (const auto& [name, n] : vollnamen)
        if (n > 1) b.vollnamen_doppelt += n;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (t == Transfermarkt_Team || !Team_Ist_Normal(t, 0)) continue;
        std::set<std::string> im_verein;
        bool doppelt = false;
        for (Liste_Element* e = Liste_First_Element(&T_Fix[t].liste); e; e = Liste_Next_Element(&T_Fix[t].liste, e))
            if (int32_t(e->key) < Spieler_Anzahl) doppelt |= !im_verein.insert(vollname(int32_t(e->key))).second;
        b.vereine_doppelter_name += doppelt;
    }
}

// the strength the game shows: a keeper's is his keeper strength
int32_t gezeigte_staerke(int32_t spnr) { return Spieler_Wert(SP_K_I_T, spnr, 0, SP_LESEN); }

// The starting elevens of the highest league level's clubs (line-ups of a club's current
// day, its trial players included) and the league clubs' players by age bracket.
void staerken_zaehlen(Welt_Bilanz& b, Welt_Niveau_Abfrage niveau_von)
{
    int32_t oben = -1;
    int64_t elf_summe = 0, elf_anzahl = 0;
    int64_t summe[WELT_ALTERSSTUFEN] = {};
    std::vector<int32_t> alle;
    std::vector<int32_t> feld(static_cast<size_t>(TEAM_MAX_START_SPIELER));
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (t == Transfermarkt_Team || !Team_Ist_Normal(t, 0)) continue;
        int32_t n = std::min(Teamspieler_Ins_Array(t, feld.data(), TEAM_MAX_START_SPIELER, 0), TEAM_MAX_START_SPIELER);
        for (int32_t i = 0; i < n; ++i) {
            const int32_t alter = Spieler_Wert(SP_ALTER, feld[size_t(i)], 0, SP_LESEN);
            const int32_t stufe = Welt_Altersstufe(alter);
            b.alte_lange_vertraege += Spieler_Laufbahn_Alter(feld[size_t(i)]) >= 35 && Teamspieler_Wert(305, t, feld[size_t(i)], 0, 0) > 25;
            const int32_t staerke = gezeigte_staerke(feld[size_t(i)]);
            summe[stufe] += staerke;
            ++b.spieler_alter[stufe];
            b.spieler_ab900 += staerke >= 900;
            alle.push_back(staerke);
        }
        const int32_t niveau = niveau_von(t);
        if (niveau < oben) continue;
        if (niveau > oben) {
            oben = niveau;
            elf_summe = elf_anzahl = 0;
        }
        n = std::min(Teamspieler_Ins_Array(t, feld.data(), TEAM_MAX_START_SPIELER, TS_STARTELF), TEAM_MAX_START_SPIELER);
        for (int32_t i = 0; i < n; ++i) elf_summe += gezeigte_staerke(feld[size_t(i)]);
        elf_anzahl += n;
    }
    b.elf_staerke = elf_anzahl ? int32_t(elf_summe / elf_anzahl) : 0;
    if (!alle.empty()) {
        std::sort(alle.begin(), alle.end(), std::greater<int32_t>());
        const size_t n = std::min<size_t>(100, alle.size());
        int64_t s = 0;
        for (size_t i = 0; i < n; ++i) s += alle[i];
        b.beste_100 = int32_t(s / int64_t(n));
        b.perzentil_99 = alle[alle.size() / 100];
    }
    for (int32_t k = 0; k < WELT_ALTERSSTUFEN; ++k)
        b.staerke_alter[k] = b.spieler_alter[k] ? int32_t(summe[k] / b.spieler_alter[k]) : 0;
}

}  // namespace

int32_t Welt_Altersstufe(int32_t alter)
{
    if (alter <= 23) return 0;
    if (alter <= 28) return 1;
    return alter <= 32 ? 2 : 3;
}

Welt_Bilanz Welt_Bilanz_Zaehlen(Welt_Niveau_Abfrage niveau)
{
    Welt_Bilanz b;
    b.tag = Aktueller_Tag;
    if (!T || !T_Fix) return b;
    std::vector<uint8_t> hat(size_t(std::max(Spieler_Anzahl, 0)), 0);
    std::vector<int64_t> geld;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        int32_t n = 0;
        for (Liste_Element* e = Liste_First_Element(&T_Fix[t].liste); e; e = Liste_Next_Element(&T_Fix[t].liste, e)) {
            if (e->key < hat.size()) hat[e->key] = 1;
            ++n;
        }
        if (t == Transfermarkt_Team) {
            b.markt_spieler += n;
            continue;
        }
        if (!Team_Ist_Normal(t, 0)) continue;
        b.liga_spieler += n;
        if (b.kleinster_kader < 0 || n < b.kleinster_kader) {
            b.kleinster_kader = n;
            b.kleinster_verein = t;
        }
        b.vereine_unter_16 += n < WELT_KADER_MINIMUM;
        const int64_t k = Bank_Get_Kontostand(t, 0, 255);
        geld.push_back(k);
        b.geld_summe += k;
        ++b.vereine;
        b.vereine_im_minus += k < 0;
    }
    for (size_t p = 0; p < hat.size(); ++p)
        if (!hat[p] && b.ohne_verein++ == 0) b.erster_ohne_verein = int32_t(p);
    if (!geld.empty()) {
        std::sort(geld.begin(), geld.end());
        b.geld_median = geld[geld.size() / 2];
        b.geld_min = geld.front();
    }
    namen_zaehlen(b);
    staerken_zaehlen(b, niveau ? niveau : Wettbewerb_Get_Liga_Niveau);
    return b;
}

std::string Welt_Bilanz_Zeile(const Welt_Bilanz& b)
{
    char zeile[640];
    std::snprintf(zeile, sizeof zeile,
                  "tag=%d liga_spieler=%d markt_spieler=%d ohne_verein=%d kleinster_kader=%d vereine_unter_16=%d "
                  "geld_median=%" PRId64 " geld_summe=%" PRId64 " geld_min=%" PRId64 " vereine_im_minus=%d "
                  "elf_staerke=%d staerke_bis23=%d staerke_24_28=%d staerke_29_32=%d staerke_ab33=%d "
                  "spieler_ab33=%d spieler_ab900=%d beste_100=%d perzentil_99=%d alte_lange_vertraege=%d "
                  "nachnamen=%d vollnamen_doppelt=%d vereine_doppelter_name=%d",
                  b.tag, b.liga_spieler, b.markt_spieler, b.ohne_verein, b.kleinster_kader, b.vereine_unter_16,
                  b.geld_median, b.geld_summe, b.geld_min, b.vereine_im_minus, b.elf_staerke, b.staerke_alter[0],
                  b.staerke_alter[1], b.staerke_alter[2], b.staerke_alter[3], b.spieler_alter[3], b.spieler_ab900,
                  b.beste_100, b.perzentil_99, b.alte_lange_vertraege, b.nachnamen, b.vollnamen_doppelt, b.vereine_doppelter_name);
    return zeile;
}

Welt_Spieler_Stand Welt_Spieler_Merken()
{
    Welt_Spieler_Stand w;
    if (!T || !T_Fix || Spieler_Anzahl <= 0) return w;
    w.staerke.assign(size_t(Spieler_Anzahl), -1);
    w.alter.assign(size_t(Spieler_Anzahl), -1);
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (t == Transfermarkt_Team || !Team_Ist_Normal(t, 0)) continue;
        for (Liste_Element* e = Liste_First_Element(&T_Fix[t].liste); e; e = Liste_Next_Element(&T_Fix[t].liste, e)) {
            const int32_t p = int32_t(e->key);
            if (p < 0 || p >= Spieler_Anzahl) continue;
            w.staerke[size_t(p)] = int16_t(gezeigte_staerke(p));
            w.alter[size_t(p)] = int16_t(Spieler_Wert(SP_ALTER, p, 0, SP_LESEN));
        }
    }
    return w;
}

Welt_Entwicklung Welt_Entwicklung_Zaehlen(const Welt_Spieler_Stand& vorher, const Welt_Spieler_Stand& jetzt, int32_t jahre)
{
    Welt_Entwicklung e;
    const size_t n = std::min(vorher.staerke.size(), jetzt.staerke.size());
    for (size_t p = 0; p < n; ++p) {
        const int32_t alter = vorher.alter[p];
        if (vorher.staerke[p] < 0 || jetzt.staerke[p] < 0 || jetzt.alter[p] != alter + jahre) continue;
        if (alter < 0 || alter > WELT_ALTER_MAX) continue;
        e.summe[alter] += jetzt.staerke[p] - vorher.staerke[p];
        ++e.anzahl[alter];
    }
    return e;
}

double Welt_Entwicklung::mittel(int32_t von, int32_t bis) const
{
    int64_t s = 0, n = 0;
    for (int32_t a = std::max(von, 0); a <= std::min(bis, WELT_ALTER_MAX); ++a) {
        s += summe[a];
        n += anzahl[a];
    }
    return n ? double(s) / double(n) : 0.0;
}

int32_t Welt_Entwicklung::gezaehlt(int32_t von, int32_t bis) const
{
    int32_t n = 0;
    for (int32_t a = std::max(von, 0); a <= std::min(bis, WELT_ALTER_MAX); ++a) n += anzahl[a];
    return n;
}

std::string Welt_Entwicklung_Zeile(const Welt_Entwicklung& e)
{
    static constexpr int32_t STUFEN[][2] = {{18, 21}, {22, 23}, {24, 26}, {27, 27}, {28, 28}, {29, 29}, {30, 30},
                                            {31, 31}, {32, 32}, {33, 34}, {35, WELT_ALTER_MAX}};
    std::string zeile;
    char wort[40];
    for (const auto& s : STUFEN) {
        if (s[0] == s[1])
            std::snprintf(wort, sizeof wort, "%sd%d=%.1f", zeile.empty() ? "" : " ", s[0], e.mittel(s[0], s[1]));
        else
            std::snprintf(wort, sizeof wort, "%sd%d_%d=%.1f", zeile.empty() ? "" : " ", s[0], s[1], e.mittel(s[0], s[1]));
        zeile += wort;
    }
    return zeile;
}

std::vector<Welt_Verein> Welt_Bilanz_Vereine(Welt_Niveau_Abfrage niveau)
{
    if (!niveau) niveau = Wettbewerb_Get_Liga_Niveau;
    std::vector<Welt_Verein> vereine;
    if (!T || !T_Fix) return vereine;
    std::vector<int32_t> kader(static_cast<size_t>(TEAM_MAX_START_SPIELER));
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (t == Transfermarkt_Team || !Team_Ist_Normal(t, 0)) continue;
        Welt_Verein v{t, niveau(t), Bank_Get_Kontostand(t, 0, 255), 0, 0, Team_Hat_Manager(t)};
        v.kader = std::min(Teamspieler_Ins_Array(t, kader.data(), TEAM_MAX_START_SPIELER, 0), TEAM_MAX_START_SPIELER);
        for (int32_t i = 0; i < v.kader; ++i) v.gehaelter += Teamspieler_Wert(301, t, kader[size_t(i)], 0, 0);
        vereine.push_back(v);
    }
    return vereine;
}

std::string Welt_Verein_Zeile(const Welt_Verein& v)
{
    char zeile[160];
    std::snprintf(zeile, sizeof zeile, "verein=%d niveau=%d geld=%" PRId64 " kader=%d gehaelter=%" PRId64 " manager=%d", v.team,
                  v.niveau, v.geld, v.kader, v.gehaelter, v.manager ? 1 : 0);
    return zeile;
}

std::vector<Welt_Stufe> Welt_Bilanz_Stufen(Welt_Niveau_Abfrage niveau)
{
    std::vector<Welt_Stufe> stufen;
    struct Sammlung {
        std::vector<int64_t> geld;
        int64_t gehaelter = 0;
    };
    std::map<int32_t, Sammlung, std::greater<int32_t>> je_niveau;
    for (const Welt_Verein& v : Welt_Bilanz_Vereine(niveau)) {
        Sammlung& s = je_niveau[v.niveau];
        s.geld.push_back(v.geld);
        s.gehaelter += v.gehaelter;
    }
    for (auto& [n, s] : je_niveau) {
        std::sort(s.geld.begin(), s.geld.end());
        const int64_t vereine = int64_t(s.geld.size());
        const auto minus = std::count_if(s.geld.begin(), s.geld.end(), [](int64_t g) { return g < 0; });
        stufen.push_back(Welt_Stufe{n, int32_t(vereine), s.geld[s.geld.size() / 2], s.gehaelter / vereine, int32_t(minus)});
    }
    return stufen;
}

std::string Welt_Stufe_Zeile(const Welt_Stufe& s)
{
    char zeile[180];
    std::snprintf(zeile, sizeof zeile, "niveau=%d vereine=%d geld_median=%" PRId64 " gehaelter=%" PRId64 " im_minus=%d",
                  s.niveau, s.vereine, s.geld_median, s.gehaelter, s.im_minus);
    return zeile;
}
