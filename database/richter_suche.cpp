// The clubs' weekly transfer search: every club is seller and buyer in turn, and each active search
// slot makes at most one offer a week.
#include <cstddef>
#include <vector>

#include "database/assistent.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/sortiere.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t SYSTEME = 128;  // a home league system is stored in a signed byte

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

struct Rechteck {
    int32_t zeile_a, zeile_b, spalte_a, spalte_b;
};

Rechteck rechteck(const Team_Transfersuche& s, int32_t k, int32_t breiter)
{
    const int32_t a = s.zelle_a[k], b = s.zelle_b[k];
    Rechteck r{a / 17, b / 17, a % 17, b % 17};
    if (breiter >= 0) {
        r.zeile_a = begrenzt(r.zeile_a - (breiter + 3), 0, 27);
        r.zeile_b += breiter + 3;
        r.spalte_a = begrenzt(r.spalte_a - breiter, 0, 17);
        r.spalte_b += breiter;
    }
    return r;
}

// One offer of slot k of buyer b for player p of seller s; false when the slot passes him over.
// A human manager without a transfer assistant (`ohne_assistent`) makes no offer here: the
// terms are drawn for him all the same, the price figures only as far as they draw.
bool bieten(int32_t b, int32_t k, int32_t s, int32_t p, bool ohne_assistent)
{
    Team_Transfersuche& such = T_Own[b].suche;
    int32_t q = such.preis[k];
    const int32_t c = Teamspieler_Wert(305, s, p, 0, 0);
    // A thrifty club (low price percent) waits for the free move when the contract ends soon.
    bool frei = false;
    const int32_t bald = Zufall_Gross(3, 7);
    if (bald > c && s != Transfermarkt_Team) {
        const int32_t geiz = Zufall_Gross(0, 20);
        frei = q < geiz + 75;
    }
    const int32_t deckel = Zufall_Gross(150, 200);
    if (deckel < q) q = Zufall_Gross(150, 200);
    const bool mensch = Team_Hat_Manager(b);
    int32_t monate;
    if (mensch) {
        const int32_t jahre = Zufall_Gross(2, 4);
        monate = 12 * jahre;
        if (q >= 95) {
            const int32_t plus = Zufall_Gross(10, 30);
            q += plus;
        }
    } else {
        const int32_t jahre = Zufall_Gross(1, 4);
        monate = 12 * jahre;
    }
    monate = Spieler_Vertrag_Monate_Begrenzen(p, monate);
    if (mensch && ohne_assistent) {
        // the two price figures below, as far as they draw
        Spieler_Bewertung_Ziehen(p);
        Spieler_Bewertung_Ziehen(p);
        return false;
    }
    int32_t wert = 0, gehalt = 0;
    Spieler_Bewerte_Marktwert_Gehalt(s, p, -1, -1, c, nullptr, &wert, 1);
    Spieler_Bewerte_Marktwert_Gehalt(s, p, -1, -1, monate, &gehalt, nullptr, 1);
    if (mensch) {
        const int64_t betrag = int64_t(wert) * 1000;
        if (!Assis_Transfer_Finanzierbar(b, betrag > INT32_MAX ? INT32_MAX : static_cast<int32_t>(betrag), q)) return false;
    }
    int32_t r = q;
    const int32_t plus = Zufall_Gross(0, 10);
    const int32_t minus = Zufall_Gross(0, 10);
    r += plus - minus;
    const int32_t boden = Zufall_Gross(10, 20);
    if (boden > r) r = Zufall_Gross(10, 20);
    const int32_t streuung_gehalt = Zufall_Gross(90, 110);
    const int64_t g = gehalt;
    const int64_t angebot_gehalt = g * 8 / 10 + ((2 * g * streuung_gehalt) / 10 / 100) * (r + 100) / 100;
    int64_t angebot_abloese = 0;
    if (!frei) {
        const int32_t streuung_abloese = Zufall_Gross(90, 110);
        const int64_t v = wert;
        angebot_abloese = v * 8 / 10 + ((2 * v * streuung_abloese) / 10 / 100) * (r + 100) / 100;
    }
    auto i32 = [](int64_t v) { return static_cast<int32_t>(v > INT32_MAX ? INT32_MAX : v); };
    Richter_Spieler_Angebot_Struktur_Erzeugen(b, s, p, i32(angebot_abloese), 0, i32(angebot_gehalt), monate, q);
    return true;
}

// An active search slot of a buyer with what it asks of a player, read once for the pass: an
// offer changes no slot but the one that made it, which leaves the pass. `gruppe` numbers the
// buyer's place in the list of buyers, as one offer ends his turn for the player.
struct Slot {
    int32_t team, gruppe;
    int16_t alter_min, alter_max, staerke_min, staerke_max, spieler;
    uint8_t k;
    bool mensch, ohne_assistent, torwart;
    Rechteck eng, breit;
};

}  // namespace

void Richter_Spieler_Transfer_Marktplatz()
{
    if (Netz_Rolle == 1) {
        Print_Fehler("Client-Zugriff: Richter_Spieler_Transfer_Marktplatz");
        return;
    }
    if (!T || Team_Anzahl <= 0) return;
    Team_Init_Transfer_Suchliste();
    std::vector<int32_t> vereine;
    if (Transfermarkt_Team >= 0) vereine.push_back(Transfermarkt_Team);
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 0)) vereine.push_back(t);
    Mischen_Dword(vereine.data(), static_cast<int32_t>(vereine.size()));
    Richter_Spieler_Transfer_Suche_Spieler(vereine.data(), static_cast<int32_t>(vereine.size()));
}

void Richter_Spieler_Transfer_Suche_Spieler(int32_t* vereine, int32_t anzahl)
{
    if (Netz_Rolle == 1) {
        Print_Fehler("Client-Zugriff: Richter_Spieler_Transfer_Suche_Spieler");
        return;
    }
    if (!vereine || anzahl <= 0 || !T || !T_Own) return;
    // the player numbers of one seller
    auto* spieler = static_cast<int32_t*>(Mem_Alloc(TEAM_MAX_START_SPIELER * sizeof(int32_t), 0));
    if (!spieler) {
        Print_Fehler("Richter_Spieler_Transfer_Suche_Spieler: Mem-Problem!");
        return;
    }

    // The active slots of the buyers grouped by their top league, in list order: only a buyer of
    // the player's home system can match him, and a slot that made its offer is done for the
    // pass.
    const int32_t breite_zusatz = (5 - static_cast<int32_t>(Schwierigkeitsstufe)) / 2;
    std::vector<std::vector<Slot>> offen(SYSTEME);
    for (int32_t i = 0; i < anzahl; ++i) {
        const int32_t b = vereine[i];
        if (b < 0 || b >= Team_Anzahl || b == Transfermarkt_Team) continue;
        if (b == Jugend_Team) {
            Print_Fehler("Richter_Spieler_Transfer_Suche_Spieler: Jugend-Team!");
            continue;
        }
        // A computer club in debt buys nobody: its squad is filled from the market when it
        // falls short (Team_Kader_Auffuellen), and every further wage would deepen its debt.
        if (!Team_Hat_Manager(b) && Bank_Get_Kontostand(b, 0, -1) < 0) continue;
        const int32_t system = Team_Wert(TEAM_OBERLIGA, b, 0, TEAM_LESEN);
        const Team_Transfersuche& such = T_Own[b].suche;
        if (system < 0 || system >= SYSTEME || !(such.aktiv[0] || such.aktiv[1] || such.aktiv[2] || such.aktiv[3]))
            continue;
        const bool mensch = Team_Hat_Manager(b);
        // no offer changes who holds which task
        const bool ohne_assistent = mensch && Assistent_Mit_Aufgabe(b, ASSI_AUFGABE_TRANSFER) == -1;
        for (int32_t k = 0; k < 4; ++k)
            if (such.aktiv[k])
                offen[static_cast<size_t>(system)].push_back(
                    {b, i, such.alter_min[k], such.alter_max[k], such.staerke_min[k], such.staerke_max[k],
                     such.spieler[k], static_cast<uint8_t>(k), mensch, ohne_assistent, such.torwart[k] != 0, rechteck(such, k, -1),
                     rechteck(such, k, breite_zusatz)});
    }
    std::vector<TS*> records(TEAM_MAX_START_SPIELER);
    std::vector<int32_t> reihe(TEAM_MAX_START_SPIELER);

    for (int32_t i = 0; i < anzahl; ++i) {
        const int32_t s = vereine[i];
        if (s < 0 || s >= Team_Anzahl) continue;
        const int32_t g = Team_Get_Finanzkraft(s);
        const bool mensch = Team_Hat_Manager(s);
        const bool pseudo = s == Transfermarkt_Team || s == Jugend_Team;
        // The squad in a drawn order, each player with his link record: the order is drawn on
        // the places (the draw looks at no value), and a player keeps his record. An offer
        // changes no squad, so the records stay where they are for the whole pass.
        const int32_t n = Teamspieler_Kader(s, spieler, records.data(), TEAM_MAX_START_SPIELER, 0);
        for (int32_t j = 0; j < n; ++j) reihe[static_cast<size_t>(j)] = j;
        Mischen_Dword(reihe.data(), n);
        for (int32_t j = 0; j < n; ++j) {
            const int32_t p = spieler[reihe[static_cast<size_t>(j)]];
            const TS& ts = *records[static_cast<size_t>(reihe[static_cast<size_t>(j)])];
            // every listed player of every club each week: his own figures straight from his
            // records (a client never gets here), as Spieler_Wert reads them
            const bool direkt = Spieler_Daten && p >= 0 && p < Spieler_Anzahl;
            bool gelistet = false;
            if (!pseudo) {
                const int32_t angebot = direkt ? Spieler_Egal_Daten[p].angebotswert : Spieler_Wert(SP_ANGEBOTSWERT, p, 0, SP_LESEN);
                if (angebot > 0) continue;
                const int32_t status = direkt ? Spieler_Daten[p].status : Spieler_Wert(SP_STATUS, p, 0, SP_LESEN);
                if (status & 7) continue;
                const int32_t alter_grenze = Zufall_Gross(31, 35);
                const int32_t alter = direkt ? Spieler_Daten[p].alter : Spieler_Wert(SP_ALTER, p, 0, SP_LESEN);
                if (alter > alter_grenze) continue;
                if (ts.herkunft != s) continue;
                gelistet = ts.flags & TS_TRANSFERLISTE;
                if (mensch) {
                    if (!gelistet) {
                        const int32_t los = Zufall(0, 1000);
                        if (los < 950) continue;
                        gelistet = true;
                        int32_t c = Teamspieler_Wert(305, s, p, 0, 0);
                        if (g == 0) c /= 2;
                        const int32_t vertrag = Zufall(0, 2 * c + 20);
                        if (vertrag > 15 - g / 10) continue;
                    }
                } else if (!gelistet) {
                    continue;
                }
            }
            const int32_t system = direkt ? Spieler_Egal_Daten[p].heimatsystem : Spieler_Wert(SP_HEIMATSYSTEM, p, 0, SP_LESEN);
            if (system < 0 || system >= SYSTEME) continue;
            std::vector<Slot>& im_system = offen[static_cast<size_t>(system)];
            // the player's figures are read only (no draw, nothing written): without a slot to
            // ask them, they are not needed
            if (im_system.empty()) continue;
            const int32_t alter = direkt ? Spieler_Daten[p].alter : Spieler_Wert(SP_ALTER, p, 0, SP_LESEN);
            const int32_t staerke = Spieler_Wert(SP_K_I_T, p, 0, SP_LESEN);
            const int32_t f = direkt ? Spieler_Fix_Daten[p].lieblingspos : Spieler_Wert(SP_LIEBLINGSPOS, p, 0, SP_LESEN);
            const int32_t zeile = f / 17, spalte = f % 17;
            for (size_t x = 0; x < im_system.size();) {
                const Slot& o = im_system[x];
                if (o.team == s || (o.spieler != -1 && o.spieler != p)) {
                    ++x;
                    continue;
                }
                bool passt = alter >= o.alter_min && alter <= o.alter_max && staerke >= o.staerke_min &&
                             staerke <= o.staerke_max;
                if (passt && o.torwart) {
                    passt = f == SP_POS_TORWART;
                } else if (passt) {
                    const Rechteck& r = mensch && gelistet && !o.mensch ? o.breit : o.eng;
                    passt = zeile >= r.zeile_a && zeile <= r.zeile_b && spalte >= r.spalte_a && spalte <= r.spalte_b;
                }
                if (!passt) {
                    if (o.spieler == p) Print_Fehler("Richter_Spieler_Transfer_Suche_Spieler: Extra-Spieler ignoriert!");
                    ++x;
                    continue;
                }
                const int32_t b = o.team, k = o.k, gruppe = o.gruppe;
                if (!bieten(b, k, s, p, o.ohne_assistent)) {
                    ++x;
                    continue;
                }
                T_Own[b].suche.spieler[k] = -1;
                T_Own[b].suche.aktiv[k] = 0;
                // the slot is done, also where the club stands twice in the list
                for (size_t y = im_system.size(); y-- > 0;)
                    if (im_system[y].team == b && im_system[y].k == k) {
                        im_system.erase(im_system.begin() + static_cast<ptrdiff_t>(y));
                        if (y < x) --x;
                    }
                // a second slot of the same club would only overwrite this offer
                while (x < im_system.size() && im_system[x].gruppe == gruppe) ++x;
            }
        }
    }
    Mem_Free(spieler, 0);
}
