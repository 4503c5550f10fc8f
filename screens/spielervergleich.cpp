#include "screens/spielervergleich.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "competitions/ligen_tabelle.h"
#include "competitions/spiele_statistik.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/spieler_statistik.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "matchview/live/spielszenen_live.h"
#include "screens/spieler_hilfetext.h"
#include "platform/maus.h"
#include "graphics/grafik_wappen.h"
#include "screens/spieler_kontext_menue.h"
#include "screens/spieler_schirme.h"
#include "screens/spieler_vereinsauswahl.h"
#include "screens/spielervergleich_bilder.h"
#include "toolkit/event.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/screen.h"
#include "toolkit/ziehen.h"
#include "network/internet_read.h"
#include "platform/bytes.h"
#include "platform/print.h"
#include "toolkit/icon.h"

namespace {

constexpr int32_t ALLE = 1671, GRUPPE_ERSTE = 1672, NUR_ELF = 1676, VEREIN = 1677, MANAGER = 1712, KRITERIUM = 1713;
constexpr int32_t KNOPF_ERSTER = 1690, MIN_A = 1698, MIN_B = 1699, TAG_A = 1701, TAG_B = 1702;
// the competition buttons' labels: the small font
constexpr int32_t KNOPF_FONT = 4;
constexpr int32_t SPIELE_STAT_WERTE = 10;

constexpr Spielervergleich_Kriterium KRITERIEN[] = {
    {5, 16, "0265", "Erschöpfung", "^tr0030^fb0007%d^fe", "Erschöpfung", "Erschöpfung"},
    {6, 15, "0280", "Alter", "^tr0070^fb0007%d^fe Jahre", "Alter", "Alter"},
    {7, 13, "0265", "Einsätze", "^tr0030^fb0007%d^fe", "Einsätze", "Einsätze"},
    {8, 20, "0265", "Spielnoten", "^tl0005^fb0007%1d.%02d^fe / %2d^fe Spiel", "Spiel-Noten (alle Spiele)", "Spiel-Noten (alle Spiele)"},
    {9, 21, "0265", "Nominierungen in die Elf des Tages", "^tr0030^fb0007%d^fe", "Elf des Tages (alle Spiele)", "Elf des Tages (alle Spiele)"},
    {10, 25, "0280", "Spiel-Verletzungen", "^tr0030^fb0007%d^fe", "Spiel-Verletzungen", "Spiel-Verletzungen"},
    {11, 27, "0280", "Auswechslungen", "^tr0030^fb0007%d^fe", "Auswechselungen", "Auswechslungen"},
    {12, 28, "0270", "Vorheriger Verein", "%s", "Transfers", "Transfers"},
    {13, 12, "0265", "Tore pro Spiel", "^tr0037^fb0007%2d.%02d^fe", "Tore pro Spiel", "Tore pro Spiel"},
    {14, 0, "0265", "Erzielte Tore", "^tr0030^fb0007%d^fe", "Tore insgesamt", "Tore insgesamt"},
    {15, 1, "0265", "Gegebene Vorlagen", "^tr0030^fb0007%d^fe", "Vorlagen insgesamt", "Vorlagen insgesamt"},
    {16, 2, nullptr, nullptr, "^tr0030^fb0007^tr0034%d^tr0070%d^tr0100%d^fe", "Scores ingesamt", "Scores ingesamt"},
    {17, 3, "0265", "Freistoßtore", "^tr0030^fb0007%d^fe", "Erzielte Freistoßtore", "Erzielte Freistoßtore"},
    {18, 4, "0265", "Elfmetertore", "^tr0030^fb0007%d^fe", "Erzielte Elfmetertore", "Erzielte Elfmetertore"},
    {19, 6, "0265", "Direkt verw. Ecken", "^tr0030^fb0007%d^fe", "Verwandelte Eckbälle", "Direkt verwandelte Ecken"},
    {20, 5, "0265", "Kopfballtore", "^tr0030^fb0007%d^fe", "Erzielte Kopfballtore", "Erzielte Kopfballtore"},
    {21, 8, "0265", "Eigentore", "^tr0030^fb0007%d^fe", "Eigentore", "Eigentore"},
    {22, 9, "0265", "Gehaltene Bälle", "^tr0030^fb0007%d^fe", "Gehaltene Bälle", "Gehaltene Bälle"},
    {23, 10, "0265", "Vorbei geschossen", "^tr0030^fb0007%d^fe", "Vorbei geschossen", "Vorbei geschossen"},
    {24, 11, "0265", "Holztreffer", "^tr0030^fb0007%d^fe", "Holztreffer", "Holztreffer"},
    {25, 30, "0288", "Chancenverwertung (Ch./To.)", "^fb0007%2d.%02d (%3d/%3d)^fe", "Chancenverwertung", "Chancenverwertung"},
    {26, 22, "0265", "Gelbe Karten", "^tr0030^fb0007%d^fe", "Gelbe Karten", "Gelbe Karten"},
    {27, 23, "0265", "Gelb/Rote Karten", "^tr0030^fb0007%d^fe", "Gelb-Rote Karten", "Gelb-Rote Karten"},
    {28, 24, "0265", "Rote Karten", "^tr0030^fb0007%d^fe", "Rote Karten", "Rote Karten"},
    {29, 7, nullptr, nullptr, "^tl0005^fb0007%d (%d/%d/%d)^fe", "Alle Karten", "Alle Karten"},
    {30, 14, "0290", "Gehalt / Jahr", "^tr0095^fb0007%s^fe", "Gehalt", "Gehalt"},
    {31, 19, "0300", "Vertragsdauer", "^tr0095^fb0007%d^fe Monate", "Vertragsdauer", "Vertragsdauer"},
    {32, 18, "0280", "Versicherungskosten / Jahr", "^tr0095^fb0007%s^fe", "Versicherungskosten", "Versicherungskosten"},
    {33, 29, "0275", "Versicherungsprämie / Tag", "^tr0095^fb0007%s^fe", "Versicherungsprämie", "Versicherungsprämie"},
    {34, 17, "0291", "Versicherungsdauer", "^tr0095^fb0007%d^fe Monate", "Versicherungsdauer", "Versicherungsdauer"},
    {35, 31, "0291", "Gesamtstärke", "^tr0063^fb0007%d^fe", "Gesamtstärke (K+I+T)", "Gesamtstärke (K+I+T)"},
    {36, 32, "0291", "Kondition", "^tr0063^fb0007%d^fe", "Kondition (ges.)", "Kondition (ges.)"},
    {37, 35, "0291", "Kraft", "^tr0063^fb0007%d^fe", "Kraft", "- Kraft"},
    {38, 36, "0291", "Ausdauer", "^tr0063^fb0007%d^fe", "Ausdauer", "- Ausdauer"},
    {39, 37, "0291", "Zweikampf", "^tr0063^fb0007%d^fe", "Zweikampf", "- Zweikampf"},
    {40, 33, "0291", "Intelligenz", "^tr0063^fb0007%d^fe", "Intelligenz (ges.)", "Intelligenz (ges.)"},
    {41, 38, "0291", "Übersicht", "^tr0063^fb0007%d^fe", "Übersicht", "- Übersicht"},
    {42, 39, "0291", "Takt. Verst.", "^tr0063^fb0007%d^fe", "Takt.Verst.", "- Takt.Verst."},
    {43, 40, "0291", "Teamgeist", "^tr0063^fb0007%d^fe", "Teamgeist", "- Teamgeist"},
    {44, 34, "0291", "Technik", "^tr0063^fb0007%d^fe", "Technik (ges.)", "Technik (ges.)"},
    {45, 41, "0291", "Spritzigkeit", "^tr0063^fb0007%d^fe", "Spritzigkeit", "- Spritzigkeit"},
    {46, 42, "0291", "Dribbling", "^tr0063^fb0007%d^fe", "Dribbling", "- Dribbling"},
    {47, 43, "0291", "Torschuss", "^tr0063^fb0007%d^fe", "Torschuß", "- Torschuß"},
};

Spielervergleich_Pokale_Beobachter pokale_beobachter = nullptr;

bool art_gueltig(int32_t art)
{
    return std::any_of(std::begin(KRITERIEN), std::end(KRITERIEN), [art](const auto& k) { return k.art == art; });
}

int32_t eigen() { return Aktuelles_Team; }
bool mit_manager() { return eigen() >= 0 && eigen() < Team_Anzahl && Team_Hat_Manager(eigen()); }
bool knopf(int32_t icon) { return mit_manager() && Manager_Icon_Button_Lesen(eigen(), icon) != 0; }
void setzen(int32_t icon, bool an)
{
    if (mit_manager()) Manager_Icon_Button_An_Aus(eigen(), icon, an ? 1 : 0);
}
int32_t datum(int32_t icon) { return mit_manager() ? int16_t(Manager_Icon_Word_Data_Lesen(eigen(), icon)) : -1; }
void datum_setzen(int32_t icon, int32_t wert)
{
    if (mit_manager()) Manager_Icon_Word_Data_Schreiben(eigen(), icon, uint16_t(wert));
}

}  // namespace

const Spielervergleich_Kriterium* Spieler_Spielervergleich_Kriterium(int32_t wert)
{
    for (const auto& k : KRITERIEN)
        if (k.wert == wert) return &k;
    return nullptr;
}

const char* Spieler_Spielervergleich_Kopfzeile(int32_t wert)
{
    static char text[160];
    const Spielervergleich_Kriterium* k = Spieler_Spielervergleich_Kriterium(wert);
    if (!k) return "";
    if (wert == 16)
        return "^ubSpieler^ue^tl0107^ubVerein^tz0265\"Scores\"^tz0305Tore^tz0335Vorl.^ue";
    if (wert == 29) return "^ubSpieler^ue^tl0107^ubVerein^ub^tz0249Gesamt ( RK / GRK / GK )^ue";
    std::snprintf(text, sizeof text, "^ubSpieler^ue^tl0107^ubVerein^ue^tz%s^ub%s^ue", k->tab, k->titel);
    return text;
}

int64_t Spieler_Spielervergleich_Schluessel(int32_t art, int64_t wert, int32_t zweiter, int32_t spnr, int32_t spieler)
{
    int64_t k = wert;
    if (art == 14) k /= 1000;
    else if (art == 18 || art == 29) k /= 500;
    if (zweiter != -1) k = zweiter + k * 1000;
    if (art != 20 && art != 30) k = k * spieler + spnr;
    return k;
}

bool Spieler_Spielervergleich_Aufsteigend(int32_t art) { return art == 15 || art == 19 || art == 20; }

int32_t Spieler_Spielervergleich_Spieler_Sammeln(int32_t art, bool nur_manager, bool nur_elf, int32_t verein,
                                                 const uint8_t gruppen[4], int32_t anzahl, const int32_t* wettbewerbe,
                                                 int32_t erste_minute, int32_t letzte_minute, int32_t erster_tag,
                                                 int32_t letzter_tag, bool aufsteigend, Spielervergleich_Ergebnis* aus)
{
    if (!aus) return 0;
    *aus = Spielervergleich_Ergebnis{};
    aus->icons_pro_zeile = art == 28 ? 4 : 3;
    // a request from a client or a savegame is bounded here: unknown kinds and clubs give no rows
    if (!art_gueltig(art) || !gruppen || !T || Spieler_Anzahl <= 0) return 0;
    if (verein != -1 && (verein < 0 || verein >= Team_Anzahl)) return 0;
    anzahl = std::clamp(anzahl, 0, VERGLEICH_WETTBEWERBE);
    int32_t ids[VERGLEICH_WETTBEWERBE];
    int32_t n_ids = 0;
    for (int32_t i = 0; i < anzahl && wettbewerbe; ++i)
        if (Wettbewerb_Get_Info(wettbewerbe[i])) ids[n_ids++] = wettbewerbe[i];
    auto grenzen = [](int32_t* a, int32_t* b, int32_t hoch) {
        if (*a != -1) *a = std::clamp(*a, 1, hoch);
        if (*b != -1) *b = std::clamp(*b, 1, hoch);
        if (*a != -1 && *b != -1 && *a > *b) std::swap(*a, *b);
    };
    grenzen(&erste_minute, &letzte_minute, 200);
    grenzen(&erster_tag, &letzter_tag, 999);

    const int32_t spieler = Spieler_Anzahl;
    std::vector<uint8_t> team_markiert(size_t(Team_Anzahl), 0);
    std::vector<int32_t> team_von(size_t(spieler), -1);
    std::vector<int16_t> teams(WETTBEWERB_MAX_TEAMS + 1);
    for (int32_t i = 0; i < n_ids; ++i) {
        const int32_t n = std::min<int32_t>(Wettbewerb_Get_Teams(ids[i], teams.data()), WETTBEWERB_MAX_TEAMS);
        for (int32_t k = 0; k < n; ++k) {
            const int32_t t = teams[size_t(k)];
            if (t < 0 || t >= Team_Anzahl) continue;
            team_markiert[size_t(t)] = 1;
            int32_t kader[50];
            const int32_t m = Teamspieler_Ins_Array(t, kader, 50, 0);
            for (int32_t j = 0; j < m && j < 50; ++j)
                if (kader[j] >= 0 && kader[j] < spieler) team_von[size_t(kader[j])] = t;
        }
    }
    auto minus_eins = [](int32_t v) { return v == -1 ? -1 : v - 1; };
    const int32_t m_a = minus_eins(erste_minute), m_b = minus_eins(letzte_minute);
    const int32_t t_a = minus_eins(erster_tag), t_b = minus_eins(letzter_tag);
    auto gruppe_ok = [&](int32_t p) {
        const int32_t g = Spieler_Wert(SP_ART, p, 0, 0);
        return g >= 0 && g < 4 && gruppen[g];
    };
    auto elf_ok = [&](int32_t t, int32_t p) {
        return !nur_elf || !Team_Ist_Normal(t, 0) || (Teamspieler_Wert(317, t, p, 0, 0) & TS_STARTELF);
    };

    // Keys are 64 bits wide: value x 1000 + second value, then x player count + player number,
    // overflows 32 bits in a big world.
    std::vector<int64_t> keys;
    std::vector<int32_t> index;
    const Teamspieler_Transfer* transfers = nullptr;
    std::vector<int32_t> zaehler;
    if (art == 28) {
        transfers = static_cast<const Teamspieler_Transfer*>(Teamspieler_Zeiger(TEAMSP_TRANSFERLISTE, 0));
        if (!transfers) return 0;
        for (int32_t i = 0; i < TEAMSP_TRANSFERLISTE_ANZAHL; ++i) {
            keys.push_back(int64_t(transfers[i].abloese) * TEAMSP_TRANSFERLISTE_ANZAHL + i);
            index.push_back(i);
        }
    } else {
        zaehler.assign(size_t(SPIELE_STAT_MASKEN) * size_t(spieler), 0);
        bool gezaehlt = false;
        for (int32_t p = 0; p < spieler; ++p) {
            const int32_t t = team_von[size_t(p)];
            if (t < 0) continue;
            if (art == 30 && Spieler_Wert(SP_ART, p, 0, 0) == 0) continue;  // keepers have no chances to use
            int32_t modus = -1, zweiter = -1, werte[SPIELE_STAT_WERTE] = {};
            int64_t k = Spieler_Get_Spieler_Statistik(art, ids, n_ids, t, p, m_a, m_b, t_a, t_b, zaehler.data(), &modus,
                                                      werte, gezaehlt ? 0 : 1, &zweiter);
            gezaehlt = true;
            aus->wertmodus = modus;
            keys.push_back(Spieler_Spielervergleich_Schluessel(art, k, zweiter, p, spieler));
            index.push_back(p);
        }
    }
    std::vector<int32_t> ordnung(index.size());
    std::iota(ordnung.begin(), ordnung.end(), 0);
    std::stable_sort(ordnung.begin(), ordnung.end(), [&](int32_t a, int32_t b) {
        return aufsteigend ? keys[size_t(a)] < keys[size_t(b)] : keys[size_t(a)] > keys[size_t(b)];
    });
    if (art == 28) aus->wertmodus = 4;
    for (int32_t o : ordnung) {
        if (aus->zeilen >= VERGLEICH_ZEILEN) break;
        const int32_t z = aus->zeilen;
        if (art == 28) {
            const Teamspieler_Transfer& tr = transfers[index[size_t(o)]];
            const int32_t p = tr.spieler, von = tr.verkaeufer, nach = tr.kaeufer;
            // records naming no player or no club are left out
            if ((p == 0 && tr.tag == 0) || p >= spieler || von >= Team_Anzahl || nach >= Team_Anzahl) continue;
            if (!team_markiert[size_t(von)] && !team_markiert[size_t(nach)]) continue;
            if (verein != -1 && verein != von && verein != nach) continue;
            if (nur_manager && !Team_Hat_Manager(von) && !Team_Hat_Manager(nach)) continue;
            if (!gruppe_ok(p) || (nur_elf && !elf_ok(nach, p))) continue;
            aus->spieler[z] = uint16_t(p);
            aus->teams[z] = uint16_t(nach);
            aus->wert[0][z] = von;
            aus->wert[1][z] = int32_t(tr.tag);
            aus->wert[2][z] = tr.abloese;
        } else {
            const int32_t p = index[size_t(o)], t = team_von[size_t(p)];
            int64_t k = keys[size_t(o)];
            if (art != 20 && art != 30) k /= spieler;
            if (art == 14) k *= 1000;
            else if (art == 18 || art == 29) k *= 500;
            if (k == 0) continue;
            if (verein != -1 && verein != t) continue;
            if (nur_manager && !Team_Hat_Manager(t)) continue;
            if (!gruppe_ok(p) || !elf_ok(t, p)) continue;
            aus->spieler[z] = uint16_t(p);
            aus->teams[z] = uint16_t(t);
            aus->wert[0][z] = int32_t(std::clamp<int64_t>(k, INT32_MIN, INT32_MAX));
            if (aus->wertmodus == 2 || aus->wertmodus == 3) {
                int32_t modus = -1, zweiter = -1, werte[SPIELE_STAT_WERTE] = {};
                Spieler_Get_Spieler_Statistik(art, ids, n_ids, t, p, m_a, m_b, t_a, t_b, zaehler.data(), &modus, werte,
                                              0, &zweiter);
                for (int32_t w = 0; w < aus->wertmodus; ++w) aus->wert[1 + w][z] = werte[w];
            }
        }
        ++aus->zeilen;
    }
    return aus->zeilen;
}

// ---- request 60 ---------------------------------------------------------------------------------

namespace {

bool vergleich_60(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 11 || p->anzahl_w != 7 || p->anzahl_c != 3) return false;
    static constexpr uint32_t GROESSEN[11] = {4, 512, 4, 4, 4, 198, 198, 396, 396, 396, 396};
    for (int32_t k = 0; k < 11; ++k)
        if (!p->daten[k] || p->groesse[k] < GROESSEN[k]) return false;
    const int32_t anzahl = std::clamp<int32_t>(p->worte[2], 0, VERGLEICH_WETTBEWERBE);
    int32_t ids[VERGLEICH_WETTBEWERBE];
    for (int32_t i = 0; i < anzahl; ++i) ids[i] = int32_t(Bytes_Hole32(p->daten[1] + 4 * i));
    auto wort = [&](int32_t i) { return int32_t(int16_t(p->worte[i])); };
    Spielervergleich_Ergebnis e;
    Spieler_Spielervergleich_Spieler_Sammeln(wort(0), p->bytes[1] != 0, p->bytes[0] != 0, wort(1), p->daten[0], anzahl,
                                             ids, wort(3), wort(4), wort(5), wort(6), p->bytes[2] == 0, &e);
    Bytes_Setze32(p->daten[2], uint32_t(e.icons_pro_zeile));
    Bytes_Setze32(p->daten[3], uint32_t(e.zeilen));
    Bytes_Setze32(p->daten[4], uint32_t(e.wertmodus));
    for (int32_t z = 0; z < VERGLEICH_ZEILEN; ++z) {
        Bytes_Setze16(p->daten[5] + 2 * z, e.spieler[z]);
        Bytes_Setze16(p->daten[6] + 2 * z, e.teams[z]);
        for (int32_t w = 0; w < 4; ++w) Bytes_Setze32(p->daten[7 + w] + 4 * z, uint32_t(e.wert[w][z]));
    }
    return true;
}

}  // namespace

void Spieler_Spielervergleich_Fern_Registrieren() { Internet_Handler_Registrieren(60, vergleich_60); }

int32_t Spieler_Spielervergleich_Wettbewerbe(int32_t ids[VERGLEICH_WETTBEWERBE])
{
    int32_t n = 0;
    for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i)
        if (knopf(KNOPF_ERSTER + i)) ids[n++] = datum(KNOPF_ERSTER + i);
    return n;
}

bool Spieler_Spielervergleich_Daten_Holen(Spielervergleich_Ergebnis* aus)
{
    if (!aus) return false;
    *aus = Spielervergleich_Ergebnis{};
    if (Netz_Rolle == 2) {
        Print_Fehler("Spieler_Spielervergleich_Scrollscreen_Bauen: Server-Modus!");
        return false;
    }
    if (!mit_manager()) return false;
    const Spielervergleich_Kriterium* k = Spieler_Spielervergleich_Kriterium(datum(KRITERIUM));
    if (!k) k = Spieler_Spielervergleich_Kriterium(14);
    uint8_t gruppen[4];
    for (int32_t g = 0; g < 4; ++g) gruppen[g] = uint8_t(knopf(GRUPPE_ERSTE + g) + knopf(ALLE));
    int32_t ids[128] = {};
    const int32_t anzahl = Spieler_Spielervergleich_Wettbewerbe(ids);
    const bool aufsteigend = Spieler_Spielervergleich_Aufsteigend(k->art);
    const int32_t verein = knopf(VEREIN) ? datum(VEREIN) : -1;
    const Spielervergleich_Spieltage tage = Spieler_Spielervergleich_Spieltag_Bereich();
    int32_t m_a = Spieler_Spielervergleich_Bereich_Wert(MIN_A), m_b = Spieler_Spielervergleich_Bereich_Wert(MIN_B);
    int32_t t_a = Spieler_Spielervergleich_Bereich_Wert(TAG_A), t_b = Spieler_Spielervergleich_Bereich_Wert(TAG_B);
    if (!tage.aktiv) t_a = t_b = -1;
    if (Netz_Rolle != 1)
        return Spieler_Spielervergleich_Spieler_Sammeln(k->art, knopf(MANAGER), knopf(NUR_ELF), verein, gruppen, anzahl,
                                                        ids, m_a, m_b, t_a, t_b, aufsteigend, aus) >= 0;
    int32_t icons = 3, zeilen = 0, modus = -1;
    uint16_t sp[VERGLEICH_ZEILEN] = {}, te[VERGLEICH_ZEILEN] = {};
    const Internet_Arg args[] = {
        Internet_Wert(k->art),       Internet_Wert(knopf(NUR_ELF)), Internet_Wert(knopf(MANAGER)),
        Internet_Wert(verein),       Internet_Zeiger(gruppen, 4),   Internet_Wert(anzahl),
        Internet_Zeiger(ids, 512),   Internet_Wert(m_a),            Internet_Wert(m_b),
        Internet_Wert(t_a),          Internet_Wert(t_b),            Internet_Wert(aufsteigend ? 0 : 1),
        Internet_Zeiger(&icons, 4),  Internet_Zeiger(&zeilen, 4),   Internet_Zeiger(&modus, 4),
        Internet_Zeiger(sp, 198),    Internet_Zeiger(te, 198),      Internet_Zeiger(aus->wert[0], 396),
        Internet_Zeiger(aus->wert[1], 396), Internet_Zeiger(aus->wert[2], 396), Internet_Zeiger(aus->wert[3], 396)};
    uint8_t fertig = 0;
    Internet_Client_Read(60, VERGLEICH_FORMAT, nullptr, &fertig, args, int32_t(std::size(args)));
    if (!(fertig & 1)) {
        *aus = Spielervergleich_Ergebnis{};
        return false;
    }
    // the server's answer is bounded like any other input
    aus->icons_pro_zeile = icons == 4 ? 4 : 3;
    aus->zeilen = std::clamp(zeilen, 0, VERGLEICH_ZEILEN);
    aus->wertmodus = modus;
    std::copy(std::begin(sp), std::end(sp), aus->spieler);
    std::copy(std::begin(te), std::end(te), aus->teams);
    return true;
}

// ---- switches ---------------------------------------------------------------------------------

void Spieler_Spielervergleich_Schalten(int32_t icon)
{
    if (!mit_manager() || !((icon >= ALLE && icon <= VEREIN) || icon == MANAGER)) return;
    const bool neu = !knopf(icon);
    setzen(icon, neu);
    if (icon == ALLE && neu)
        for (int32_t g = GRUPPE_ERSTE; g < GRUPPE_ERSTE + 4; ++g) setzen(g, false);
    bool gruppe = false;
    for (int32_t g = GRUPPE_ERSTE; g < GRUPPE_ERSTE + 4; ++g) gruppe |= knopf(g);
    setzen(ALLE, !gruppe);
    if (neu && icon == VEREIN) setzen(MANAGER, false);
    if (neu && icon == MANAGER) setzen(VEREIN, false);
}

int32_t Spieler_Spielervergleich_Knopf_Klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    Spieler_Spielervergleich_Schalten(icon->nummer);
    Spieler_Spielervergleich_Scrollscreen_Bauen();
    return 1;
}

void Spieler_Spielervergleich_Wettbewerb_Schalten(int32_t icon)
{
    if (!mit_manager() || icon < KNOPF_ERSTER || icon >= KNOPF_ERSTER + VERGLEICH_WETTBEWERBE) return;
    setzen(icon, !knopf(icon));
    bool eins = false;
    for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i) eins |= knopf(KNOPF_ERSTER + i);
    if (!eins) setzen(icon, true);
}

int32_t Spieler_Spielervergleich_Wettbewerb_Klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    Spieler_Spielervergleich_Wettbewerb_Schalten(icon->nummer);
    Spieler_Spielervergleich_Scrollscreen_Bauen();
    return 1;
}

void Spieler_Spielervergleich_Verein_Setzen(int32_t team)
{
    if (!mit_manager() || team < -1 || team >= Team_Anzahl) return;
    datum_setzen(VEREIN, team);
    setzen(VEREIN, team >= 0);
    setzen(MANAGER, false);
    if (team < 0) return;
    const int32_t w = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    if (w < 0) return;
    int32_t knopf_nr = KNOPF_ERSTER + VERGLEICH_WETTBEWERBE - 1;
    for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i)
        if (datum(KNOPF_ERSTER + i) == w) knopf_nr = KNOPF_ERSTER + i;
    datum_setzen(knopf_nr, w);
    setzen(knopf_nr, true);
}

void Spieler_Spielervergleich_Kriterium_Setzen(int32_t wert)
{
    if (Spieler_Spielervergleich_Kriterium(wert)) datum_setzen(KRITERIUM, wert);
}

int32_t Spieler_Spielervergleich_Max_Spielminute()
{
    int32_t ids[VERGLEICH_WETTBEWERBE];
    if (Spieler_Spielervergleich_Wettbewerbe(ids) != 1) return 90;
    if (!Wettbewerb_Get_Info(ids[0])) {
        Print_Fehler("Spieler_Spielervergleich_Max_Spielminute: w==NULL!");
        return 90;
    }
    int32_t laengste = 0;
    for (Wettbewerb_Id r = Wettbewerb_Get_Erster_Der_Kette(ids[0]); r >= 0; r = Wettbewerb_Get_Naechster_Der_Kette(r))
        for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(r); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g)) {
            const Wettbewerb_Info* w = Wettbewerb_Get_Info(g);
            if (!w) continue;
            int32_t m = w->anz_halbzeiten * w->halbzeit_laenge;
            // only a knock-out round goes into extra time
            if ((w->modus & KO_SYSTEM) && w->anz_halbzeiten_verl > 0) m += w->anz_halbzeiten_verl * w->halbzeit_laenge_verl;
            laengste = std::max(laengste, m);
        }
    return laengste > 0 ? laengste : 90;
}

Spielervergleich_Spieltage Spieler_Spielervergleich_Spieltag_Bereich()
{
    Spielervergleich_Spieltage s{99, 99, 99, false,
                                 "Nur bei exakt EINER Liga einstellbar,^lbei mehreren Ligen werden ALLE Spieltage gezählt."};
    int32_t ids[VERGLEICH_WETTBEWERBE];
    if (Spieler_Spielervergleich_Wettbewerbe(ids) != 1) return s;
    const Wettbewerb_Info* w = Wettbewerb_Get_Info(ids[0]);
    if (!w) {
        Print_Fehler("Spieler_Spielervergleich_Spieltag_Scrollbars_Hinzufuegen: w==NULL!");
        return s;
    }
    const int32_t tage = std::max(1, w->spieltage);
    const int32_t start = std::min(w->spieltag + 1, tage);
    if (w->spieltag <= 0) {
        s.hilfe = "Nur nach dem ersten Spieltag einstellbar.";
        return s;
    }
    return Spielervergleich_Spieltage{1, tage, start, true, "Zieh mich auch!"};
}

int32_t Spieler_Spielervergleich_Bereich_Wert(int32_t icon)
{
    const bool minute = icon == MIN_A || icon == MIN_B;
    if (!minute && icon != TAG_A && icon != TAG_B) return -1;
    const Spielervergleich_Spieltage tage = Spieler_Spielervergleich_Spieltag_Bereich();
    const int32_t hoch = minute ? Spieler_Spielervergleich_Max_Spielminute() : tage.max;
    const int32_t v = datum(icon);
    // a value never set (or out of the range now) is the range's end
    if (v <= 0 || v > hoch) return icon == MIN_A || icon == TAG_A ? 1 : (minute ? hoch : tage.start);
    return v;
}

void Spieler_Spielervergleich_Bereich_Setzen(int32_t icon, int32_t wert)
{
    const bool minute = icon == MIN_A || icon == MIN_B;
    if (!mit_manager() || (!minute && icon != TAG_A && icon != TAG_B)) return;
    const Spielervergleich_Spieltage tage = Spieler_Spielervergleich_Spieltag_Bereich();
    if (!minute && !tage.aktiv) return;
    const int32_t hoch = minute ? Spieler_Spielervergleich_Max_Spielminute() : tage.max;
    const int32_t a = minute ? MIN_A : TAG_A, b = minute ? MIN_B : TAG_B;
    int32_t von = Spieler_Spielervergleich_Bereich_Wert(a), bis = Spieler_Spielervergleich_Bereich_Wert(b);
    wert = std::clamp(wert, 1, hoch);
    // the two handles keep their order: one pushes the other
    if (icon == a) {
        von = wert;
        bis = std::max(bis, von);
    } else {
        bis = wert;
        von = std::min(von, bis);
    }
    datum_setzen(a, von);
    datum_setzen(b, bis);
}

int32_t Spieler_Spielervergleich_Griff_Wert(int32_t y, int32_t hoch)
{
    if (hoch <= 1) return 1;
    const int32_t spur = VERGLEICH_SPUR_UNTEN - VERGLEICH_SPUR_OBEN;
    const int32_t stelle = std::clamp(y, VERGLEICH_SPUR_OBEN, VERGLEICH_SPUR_UNTEN) - VERGLEICH_SPUR_OBEN;
    // position value 1 at the top .. hoch at the foot; the value runs the other way
    const int32_t q = 1 + (stelle * (hoch - 1) + spur / 2) / spur;
    return hoch + 1 - q;
}

int32_t Spieler_Spielervergleich_Griff_Y(int32_t wert, int32_t hoch)
{
    if (hoch <= 1) return VERGLEICH_SPUR_UNTEN;
    const int32_t spur = VERGLEICH_SPUR_UNTEN - VERGLEICH_SPUR_OBEN;
    return VERGLEICH_SPUR_OBEN + ((hoch - std::clamp(wert, 1, hoch)) * spur + (hoch - 1) / 2) / (hoch - 1);
}

// ---- competition buttons ----------------------------------------------------------------------

namespace {

Menue_Icon wettbewerb_knoepfe[VERGLEICH_WETTBEWERBE + 1];
char knopf_hilfe[VERGLEICH_WETTBEWERBE][64];

}  // namespace

Menue_Icon* Spieler_Spielervergleich_Wettbewerb_Icons() { return wettbewerb_knoepfe; }

void Spieler_Spielervergleich_Knopf_Text(const char* name, int32_t font, int32_t breite, char* aus, uint32_t groesse)
{
    if (!aus || groesse == 0) return;
    const std::string_view n = name ? name : "";
    std::vector<std::string_view> woerter;
    for (size_t i = 0; i < n.size();) {
        const size_t ende = std::min(n.find(' ', i), n.size());
        if (ende > i) woerter.push_back(n.substr(i, ende - i));
        i = ende + 1;
    }
    if (woerter.size() < 2 || Spielszenen_Text_Kuerzen(aus, groesse, name, font, INT32_MAX) <= breite) {
        Spielszenen_Text_Kuerzen(aus, groesse, name, font, breite);
        return;
    }
    // The further words by their number or first letter, after as much of the first as fits.
    std::string rest;
    for (size_t w = 1; w < woerter.size(); ++w) {
        const std::string_view wort = woerter[w];
        if (wort[0] >= '0' && wort[0] <= '9')
            for (char c : wort) {
                if (c < '0' || c > '9') break;
                rest += c;
            }
        else
            rest += wort[0];
    }
    std::string kurz;
    for (size_t k = std::min<size_t>(3, woerter[0].size()); k >= 1; --k) {
        kurz = std::string(woerter[0].substr(0, k)) + rest;
        if (Spielszenen_Text_Kuerzen(aus, groesse, kurz.c_str(), font, INT32_MAX) <= breite) return;
    }
    Spielszenen_Text_Kuerzen(aus, groesse, kurz.c_str(), font, breite);
}

int32_t Spieler_Spielervergleich_Knopf_Font(const char* name, int32_t font, int32_t breite)
{
    // A single word cut short ("Poka") says less than the whole word in the condensed font.
    if (!name || std::strchr(name, ' ') || Font_Text_Breite(Font(font), name) <= breite) return font;
    return Font_Text_Breite(Font(MENUE_SCHMAL_FONT), name) <= breite ? MENUE_SCHMAL_FONT : font;
}

namespace {

// Lower case of the letters of Windows-1252 (umlauts included), for comparing labels.
char klein(char c)
{
    const auto u = uint8_t(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return char(u + 0x20);
    return c;
}
char gross(char c)
{
    const auto u = uint8_t(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) return char(u - 0x20);
    return c;
}
std::string klein(std::string_view s)
{
    std::string k(s);
    for (char& c : k) c = klein(c);
    return k;
}

std::string allein(const char* name, int32_t font, int32_t breite, int32_t* font_aus)
{
    *font_aus = Spieler_Spielervergleich_Knopf_Font(name, font, breite);
    char aus[64] = {};
    Spieler_Spielervergleich_Knopf_Text(name, *font_aus, breite, aus, sizeof aus);
    return aus;
}

// The initials of a single word's parts, the word split where a word of the other names (four
// letters or more) recurs in it: "Pokalsiegerpokal" beside "Pokal" is "PSP". Empty without a
// split.
std::string initialen(std::string_view wort, const std::vector<std::string_view>& andere)
{
    const std::string w = klein(wort);
    std::vector<bool> schnitt(w.size() + 1, false);
    for (std::string_view name : andere)
        for (size_t i = 0; i < name.size();) {
            const size_t ende = std::min(name.find(' ', i), name.size());
            const std::string teil = klein(name.substr(i, ende - i));
            i = ende + 1;
            if (teil.size() < 4 || teil.size() >= w.size()) continue;
            for (size_t p = w.find(teil); p != std::string::npos; p = w.find(teil, p + 1))
                schnitt[p] = schnitt[p + teil.size()] = true;
        }
    std::string kurz;
    for (size_t p = 0; p < w.size(); ++p)
        if (p == 0 || schnitt[p]) kurz += gross(wort[p]);
    return kurz.size() > 1 ? kurz : std::string();
}

}  // namespace

std::string Spieler_Spielervergleich_Knopf_Beschriftung(const char* const* namen, int32_t anzahl, int32_t i, int32_t font,
                                                        int32_t breite, int32_t* font_aus)
{
    int32_t f = font;
    const char* name = i >= 0 && i < anzahl && namen[i] ? namen[i] : "";
    std::string label = allein(name, font, breite, &f);
    if (font_aus) *font_aus = f;
    // Only a single word cut short can read as another button's label ("Poka" beside "Pokal").
    if (label == name || std::strchr(name, ' ')) return label;
    std::vector<std::string> labels;
    std::vector<std::string_view> andere;
    bool gleich = false;
    for (int32_t j = 0; j < anzahl; ++j) {
        if (j == i || !namen[j] || !*namen[j]) continue;
        int32_t fj = font;
        labels.push_back(allein(namen[j], font, breite, &fj));
        andere.push_back(namen[j]);
        const std::string k = klein(label);
        gleich = gleich || klein(labels.back()).rfind(k, 0) == 0 || klein(namen[j]).rfind(k, 0) == 0;
    }
    if (!gleich) return label;
    const std::string kurz = initialen(name, andere);
    if (kurz.empty() || std::find(labels.begin(), labels.end(), kurz) != labels.end() ||
        Font_Text_Breite(Font(font), kurz.c_str()) > breite)
        return label;
    if (font_aus) *font_aus = font;
    return kurz;
}

void Spielervergleich_Set_Pokale_Beobachter(Spielervergleich_Pokale_Beobachter b) { pokale_beobachter = b; }

void Spieler_Spielervergleich_Pokale_Den_Icons_Zuordnen(int32_t team)
{
    if (pokale_beobachter) pokale_beobachter(team);
    if (team < 0 || team >= Team_Anzahl || !Team_Hat_Manager(team)) return;
    std::vector<int32_t> liste(WETTBEWERB_ANZAHL + 1, -1);
    const int32_t n = std::clamp(Ligen_Tabelle_Liste_Aufbauen(liste.data()), 0, int32_t(WETTBEWERB_ANZAHL));
    std::vector<bool> benutzt(size_t(n), false);
    for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i) {
        int32_t wahl = -1;
        for (int32_t pass = 0; pass < 2 && wahl < 0; ++pass)
            for (int32_t k = 0; k < n && wahl < 0; ++k)
                if (!benutzt[size_t(k)] && (pass == 1 || Wettbewerb_Team_In_Wettbewerb(liste[size_t(k)], team))) {
                    benutzt[size_t(k)] = true;
                    wahl = liste[size_t(k)];
                }
        if (wahl < 0) {
            Print_Fehler("Spieler_Spielervergleich_Pokale_Den_Icons_Zuordnen: wettbewerb==NIX!");
            continue;
        }
        Manager_Icon_Word_Data_Schreiben(team, KNOPF_ERSTER + i, uint16_t(wahl));
    }
}

void Spieler_Spielervergleich_Icons_Positionieren(int32_t x, int32_t y)
{
    for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i) {
        Menue_Icon& k = wettbewerb_knoepfe[i];
        if (k.nummer != KNOPF_ERSTER + i) {
            k = Menue_Icon_Vorlage(int16_t(KNOPF_ERSTER + i), -1, 0, int16_t(62 + 35 * i), 52, 32, 32, 6, 255);
            k.klick = Spieler_Spielervergleich_Wettbewerb_Klick;
            k.status = ICON_SPAETER_REFRESH;
        }
        if (x >= 0) k.x = int16_t(x + 33 * i);
        if (y >= 0) k.y = int16_t(y);
        k.kennung_1 = int16_t(datum(KNOPF_ERSTER + i));
        const char* name = k.kennung_1 >= 0 ? Wettbewerb_Get_Anzeigename(k.kennung_1) : nullptr;
        std::snprintf(knopf_hilfe[i], sizeof knopf_hilfe[i], "%s", name ? name : "");
        k.hilfetext = knopf_hilfe[i];
    }
    wettbewerb_knoepfe[VERGLEICH_WETTBEWERBE] = Menue_Icon_Listenende();
}

// ---- the screen -------------------------------------------------------------------------------

namespace {

constexpr int32_t LISTE = 1689, KOPF = 1669, HINTERGRUND = 1670;
constexpr int32_t SICHTBAR = 26;

Spielervergleich_Zeile zeilen[VERGLEICH_ZEILEN];
int32_t zeilen_spieler[VERGLEICH_ZEILEN], zeilen_teams[VERGLEICH_ZEILEN];
int32_t zeilen_anzahl = 0, erste_zeile = 0;
constexpr int32_t HOCH = 1678, RUNTER = 1679, WAPPEN = 1680;
char ueberschrift[64];
Menue_Icon liste[40];
int32_t liste_n = 0;

uint16_t farbe(int r, int g, int b) { return Grafik_Farbe(uint32_t(r), uint32_t(g), uint32_t(b)); }
void schreiben(Rastport* z, int32_t font, int32_t x, int32_t y, uint16_t f, const char* t)
{
    Grafik_Printf(z, Font(font), "^c%05d%s", x, y, int(f), t);
}

const char* verein_name(int32_t t)
{
    const char* n = t >= 0 && t < Team_Anzahl ? Team_String(TEAM_NAME, t, nullptr, 0) : nullptr;
    return n ? n : "";
}

// The value column of one row, as the criterion formats it.
void wert_text(const Spielervergleich_Kriterium& k, const Spielervergleich_Ergebnis& e, int32_t z, char* aus, size_t n)
{
    const int32_t v = e.wert[0][z];
    switch (k.art) {
    case 28: {
        const int32_t abloese = e.wert[2][z];
        char geld[48] = "ablösefrei";
        if (abloese > 0) std::snprintf(geld, sizeof geld, "für %s", Bank_Betrag_String(float(abloese) * 1000.0f, eigen(), -1, 0));
        std::snprintf(aus, n, "%s %s", verein_name(e.wert[0][z]), geld);
        return;
    }
    case 20: {
        // the mark in thousandths above 8 bits, 255 minus the matches below
        const int32_t note = v >> 8, spiele = 255 - (v & 255);
        if (v == 0) std::snprintf(aus, n, "^tl0005kein Spiel gespielt");
        else std::snprintf(aus, n, k.format, note / 1000, note % 1000 / 10, spiele);
        return;
    }
    case 12: std::snprintf(aus, n, k.format, v / 1000, v % 1000 / 10); return;
    case 30: {
        const int32_t chancen = e.wert[1][z], tore = e.wert[2][z];
        const int32_t q = chancen > 0 ? tore * 100 / chancen : 0;
        std::snprintf(aus, n, k.format, q / 100, q % 100, chancen, tore);
        return;
    }
    case 14:
    case 18:
    case 29: std::snprintf(aus, n, k.format, Bank_Betrag_String(float(v), eigen(), -1, 0)); return;
    case 2: std::snprintf(aus, n, k.format, v, e.wert[1][z], e.wert[2][z]); return;
    case 7: std::snprintf(aus, n, k.format, v, e.wert[1][z], e.wert[2][z], e.wert[3][z]); return;
    default: std::snprintf(aus, n, k.format, v); return;
    }
}

int32_t hintergrund_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    if (!Spieler_Screen_Bild(VERGLEICH_BILD_HINTERGRUND, z, 0, 40, true))
        Grafik_Rechteck_Fuellen(z, 0, 40, 600, 440, farbe(2, 3, 6));
    schreiben(z, 3, 330, 70, farbe(15, 15, 0), "Spielervergleich");
    static const char* const NAMEN[] = {"Alle", "TW", "ABW", "MF", "ST", "Elf", "Club"};
    for (int32_t i = 0; i < 7; ++i) schreiben(z, 4, 8, 120 + 28 * i, farbe(12, 12, 12), NAMEN[i]);
    schreiben(z, 4, 8, 316, farbe(12, 12, 12), "Manager");
    schreiben(z, 4, 82, 228, farbe(12, 12, 12), "Min.");
    schreiben(z, 4, 116, 228, farbe(12, 12, 12), "Tag");
    return 0;
}

// A handle of the minute or match-day range: left click one up, right click one down (five for
// minutes); its value beside it.
int32_t bereich_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const bool tag = icon->nummer == TAG_A || icon->nummer == TAG_B;
    const bool aktiv = !tag || Spieler_Spielervergleich_Spieltag_Bereich().aktiv;
    if (!Spieler_Screen_Bild(VERGLEICH_BILD_GRIFF + (aktiv ? 0 : 1), z, icon->x, icon->y, true))
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, aktiv ? farbe(4, 6, 10) : farbe(3, 3, 4));
    char t[8] = "-";
    if (aktiv) std::snprintf(t, sizeof t, "%d", Spieler_Spielervergleich_Bereich_Wert(icon->nummer));
    // centred on the handle (a centre at its width put the value on its right edge)
    Grafik_Printf(z, Font(4), "^c%05d^tz%04d%s", icon->x, icon->y + 9, int(aktiv ? farbe(15, 15, 15) : farbe(8, 8, 8)),
                  icon->breite / 2, t);
    return 0;
}

int32_t griff_hoch(int32_t nummer)
{
    return nummer == MIN_A || nummer == MIN_B ? Spieler_Spielervergleich_Max_Spielminute()
                                              : Spieler_Spielervergleich_Spieltag_Bereich().max;
}

// A handle dropped: its top gives the value; the list is built again, which puts the handles.
void griff_abgelegt(Menue_Move_Struktur*, Menue_Icon* icon, int32_t, int32_t y, uint32_t code)
{
    if (code != 0x80 || !icon) return;
    Spieler_Spielervergleich_Bereich_Setzen(icon->nummer, Spieler_Spielervergleich_Griff_Wert(y, griff_hoch(icon->nummer)));
    Spieler_Spielervergleich_Scrollscreen_Bauen();
}

// A click without a drag steps the handle: left one up, right one down (five for minutes).
int32_t griff_klick(Menue_Icon* icon, uint32_t flags)
{
    if (!icon) return 0;
    const int32_t schritt = (icon->nummer == MIN_A || icon->nummer == MIN_B) ? 5 : 1;
    const int32_t v = Spieler_Spielervergleich_Bereich_Wert(icon->nummer);
    Spieler_Spielervergleich_Bereich_Setzen(icon->nummer, (flags & KLICK_RECHTS) ? v - schritt : v + schritt);
    Spieler_Spielervergleich_Scrollscreen_Bauen();
    return 1;
}

// The bars' columns: first and last minute, first and last match day.
constexpr int32_t GRIFF_B = 16, GRIFF_H = 10;
int16_t griff_x(int32_t nummer) { return nummer == MIN_A ? 80 : nummer == MIN_B ? 96 : nummer == TAG_A ? 114 : 130; }
Menue_Move_Struktur griff_move[4];

int32_t schalter_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const bool an = knopf(icon->nummer);
    if (!Spieler_Screen_Bild(VERGLEICH_BILD_SCHALTER + (an ? 1 : 0), z, icon->x, icon->y, true))
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, an ? farbe(15, 9, 0) : farbe(5, 5, 6));
    return 0;
}

int32_t wettbewerb_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const bool an = knopf(icon->nummer);
    if (!Spieler_Screen_Bild(VERGLEICH_BILD_WETTBEWERB + (an ? 1 : 0), z, icon->x, icon->y))
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, an ? farbe(15, 12, 2) : farbe(4, 5, 8));
    // Each label is made beside the other buttons' names, so that no two read alike.
    const char* namen[VERGLEICH_WETTBEWERBE];
    int32_t i = -1;
    for (int32_t k = 0; k < VERGLEICH_WETTBEWERBE; ++k) {
        namen[k] = wettbewerb_knoepfe[k].hilfetext;
        if (&wettbewerb_knoepfe[k] == icon) i = k;
    }
    if (i < 0) namen[i = 0] = icon->hilfetext;
    int32_t font = KNOPF_FONT;
    const std::string kurz =
        Spieler_Spielervergleich_Knopf_Beschriftung(namen, VERGLEICH_WETTBEWERBE, i, KNOPF_FONT, icon->breite - 4, &font);
    schreiben(z, font, icon->x + 2, icon->y + 20, farbe(0, 0, 0), kurz.c_str());
    return 0;
}

int32_t text_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    if (icon->nummer == KRITERIUM) {
        Spieler_Screen_Bild(VERGLEICH_BILD_KRITERIUM, z, icon->x, icon->y, true);
        schreiben(z, 3, 75 - int32_t(std::strlen(ueberschrift)) * 4, icon->y + 14, farbe(15, 15, 0), ueberschrift);
        return 0;
    }
    const Spielervergleich_Kriterium* k = Spieler_Spielervergleich_Kriterium(datum(KRITERIUM));
    schreiben(z, 4, icon->x, icon->y + 11, farbe(15, 15, 15), Spieler_Spielervergleich_Kopfzeile(k ? k->wert : 14));
    return 0;
}

int32_t liste_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(1, 2, 4));
    if (zeilen_anzahl == 0) schreiben(z, 4, icon->x + 4, icon->y + 12, farbe(15, 15, 15), "Kein Eintrag vorhanden.");
    for (int32_t r = erste_zeile; r < zeilen_anzahl && r < erste_zeile + SICHTBAR; ++r) {
        const int32_t y = icon->y + 12 + 13 * (r - erste_zeile);
        schreiben(z, 4, icon->x + 2, y, farbe(15, 15, 15), zeilen[r].name);
        schreiben(z, 4, icon->x + 130, y, farbe(12, 12, 15), zeilen[r].verein);
        // a long club name in bold with a fee of eight digits takes the condensed font rather than
        // pass the list's edge
        const int32_t raum = icon->breite - 245 - 2;
        const int32_t font = Spieler_Screen_Text_Breite(4, zeilen[r].wert) > raum ? MENUE_SCHMAL_FONT : 4;
        Grafik_Printf(z, Font(font), "^c%05d^tl0000%s", icon->x + 245, y, int(farbe(15, 15, 0)), zeilen[r].wert);
    }
    return 0;
}

// The row under the pointer: its name shows the player's tooltip, the rest of it the row's help.
const char* liste_hilfe(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    const int32_t r = erste_zeile + (Maus_Get_Y() - icon->y - 2) / 13;
    if (Maus_Get_Y() < icon->y + 2 || r < erste_zeile || r >= zeilen_anzahl || r >= erste_zeile + SICHTBAR) return nullptr;
    if (Maus_Get_X() < icon->x + 128 && zeilen_spieler[r] >= 0)
        return Spieler_Screen_Hilfetext_Spieler(zeilen_spieler[r], zeilen_teams[r]);
    return zeilen[r].hilfe;
}

// The chosen club's crest beside its button; without a chosen club the manager's own.
int32_t wappen_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const int32_t t = datum(VEREIN) >= 0 && datum(VEREIN) < Team_Anzahl ? datum(VEREIN) : eigen();
    if (t >= 0) Grafik_Wappen_Laden(0, z, z->depth, t, icon->x, icon->y, 1, icon->breite, icon->hoehe);
    return 0;
}

uint8_t sortiert(int32_t, int32_t, int32_t wert, int32_t)
{
    Spieler_Spielervergleich_Kriterium_Setzen(wert);
    Spieler_Spielervergleich_Scrollscreen_Bauen();
    return 1;
}

// The groups of the sort menu and the values of their sub-menus.
constexpr struct {
    const char* name;
    int32_t von, bis;
} GRUPPEN[5] = {{"Tore/Vorlagen", 13, 21}, {"Chancen", 22, 25}, {"Karten", 26, 29}, {"Finanzen", 30, 34}, {"Stärke", 35, 47}};

void eintrag(Menue_Kontextmenue* m, int32_t i, const Spielervergleich_Kriterium& k)
{
    m->texte[i] = k.menue;
    m->wert_a[i] = k.wert;
    m->status[i] = uint16_t(POPUP_WAEHLBAR | POPUP_RADIO | (k.wert == datum(KRITERIUM) ? POPUP_GEWAEHLT : 0));
    m->prozeduren[i] = sortiert;
}

// The list pages through its rows, a screenful less one at a time.
int32_t blaettern(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    const int32_t schritt = icon->nummer == HOCH ? -(SICHTBAR - 1) : SICHTBAR - 1;
    erste_zeile = std::clamp(erste_zeile + schritt, 0, std::max(0, zeilen_anzahl - SICHTBAR));
    if (Menue_Icon* l = Menue_Screen_Icon_Aus_Nummer(LISTE)) l->refresh = 1;
    return 1;
}

int32_t pfeil_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    if (Spieler_Screen_Bild(VERGLEICH_BILD_PFEIL + (icon->nummer == HOCH ? 0 : 1), z, icon->x, icon->y, true)) return 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(4, 6, 10));
    schreiben(z, 4, icon->x + 3, icon->y + 11, farbe(15, 15, 15), icon->nummer == HOCH ? "-" : "+");
    return 0;
}

Menue_Kontextmenue* sortier_untermenue(Menue_Kontextmenue*, int32_t gruppe)
{
    if (gruppe < 0 || gruppe >= 5) return nullptr;
    Menue_Kontextmenue* m = &Kontextmenue_Puffer;
    Menue_Init_Kontextmenue(m, GRUPPEN[gruppe].name, KRITERIUM, 0, nullptr);
    int32_t i = 0;
    for (int32_t w = GRUPPEN[gruppe].von; w <= GRUPPEN[gruppe].bis; ++w) eintrag(m, i++, *Spieler_Spielervergleich_Kriterium(w));
    return m;
}

Menue_Kontextmenue* sortier_menue(Menue_Icon*)
{
    Menue_Kontextmenue* m = &Kontext_Menue;
    Menue_Init_Kontextmenue(m, "Sortieren nach:", KRITERIUM, 0, nullptr);
    for (int32_t g = 0; g < 5; ++g) {
        m->texte[g] = GRUPPEN[g].name;
        m->status[g] = POPUP_WAEHLBAR;
        const int32_t w = datum(KRITERIUM);
        if (w >= GRUPPEN[g].von && w <= GRUPPEN[g].bis) m->status[g] |= POPUP_GEWAEHLT;
        m->unterlisten[g] = sortier_untermenue;
    }
    m->status[4] |= POPUP_TRENNER;
    for (int32_t w = 5; w <= 12; ++w) eintrag(m, 5 + w - 5, *Spieler_Spielervergleich_Kriterium(w));
    return m;
}

uint8_t verein_gewaehlt(int32_t, int32_t, int32_t team, int32_t)
{
    Spieler_Spielervergleich_Verein_Setzen(team);
    Spieler_Spielervergleich_Scrollscreen_Bauen();
    return 1;
}

// "Verein auswählen:" with the club chosen now, then the club picker.
Menue_Kontextmenue* verein_menue(Menue_Icon*)
{
    if (!mit_manager()) return nullptr;
    static char momentan[64];
    const int32_t t = datum(VEREIN);
    if (t >= 0 && t < Team_Anzahl) std::snprintf(momentan, sizeof momentan, "Momentan: %s", verein_name(t));
    else std::snprintf(momentan, sizeof momentan, "Momentan: kein Team eingestellt");
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Verein auswählen:", VEREIN, 0, verein_gewaehlt);
    k->texte[0] = momentan;
    k->status[0] = POPUP_KEIN_HOVER | POPUP_TRENNER;
    Spieler_Einsetzen_Vereinsauswahl_Setzen(t >= 0 ? t : eigen(), false);
    Spieler_Einsetzen_Vereinsauswahl_Menue(k, 1, verein_gewaehlt, true);
    return k;
}

Menue_Icon vorlage(int32_t n, int32_t x, int32_t y, int32_t w, int32_t h, int32_t pri, Menue_Refresh_Prozedur r)
{
    Menue_Icon i = Menue_Icon_Vorlage(int16_t(n), -1, 0, int16_t(x), int16_t(y), uint16_t(w), uint16_t(h), int8_t(pri), 255);
    i.refresh_prozedur = r;
    i.status = ICON_SPAETER_REFRESH;
    return i;
}

void liste_bauen()
{
    liste_n = 0;
    liste[liste_n++] = vorlage(HINTERGRUND, 0, 40, 600, 440, 1, hintergrund_zeichnen);
    static const char* const HILFE[] = {"Alle einbeziehen", "Torhüter einbeziehen", "Abwehrspieler einbeziehen",
                                        "Mittelfeldspieler einbeziehen", "Stürmer einbeziehen",
                                        "Nur eingesetzte Spieler einbeziehen",
                                        "Nur Spieler aus einem bestimmten Club berücksichtigen"};
    for (int32_t k = 0; k < 7; ++k) {
        Menue_Icon s = vorlage(ALLE + k, 60, 110 + 28 * k, 14, 14, 4, schalter_zeichnen);
        s.klick = Spieler_Spielervergleich_Knopf_Klick;
        s.hilfetext = HILFE[k];
        if (ALLE + k == VEREIN) s.kontext = verein_menue;
        liste[liste_n++] = s;
    }
    Menue_Icon m = vorlage(MANAGER, 60, 306, 14, 14, 4, schalter_zeichnen);
    m.klick = Spieler_Spielervergleich_Knopf_Klick;
    m.hilfetext = "Nur Spieler Manager-Vereinen berücksichtigen";
    liste[liste_n++] = m;
    for (int32_t k = 0; const int32_t n : {MIN_A, MIN_B, TAG_A, TAG_B}) {
        const bool tag = n == TAG_A || n == TAG_B;
        const int16_t x = griff_x(n);
        griff_move[k] = Menue_Move_Struktur{-1, 0, griff_abgelegt, nullptr,
                                            {x, int16_t(VERGLEICH_SPUR_OBEN), int16_t(x + GRIFF_B), int16_t(VERGLEICH_SPUR_UNTEN + GRIFF_H)},
                                            nullptr, -1};
        Menue_Icon b = vorlage(n, x, VERGLEICH_SPUR_UNTEN, GRIFF_B, GRIFF_H, 5, bereich_zeichnen);
        b.move = &griff_move[k++];
        b.klick = griff_klick;
        b.flags |= ICON_RECHTE_TASTE;
        b.hilfetext = "Spielminuten";
        if (tag) b.mausover = [](Menue_Icon*) { return Spieler_Spielervergleich_Spieltag_Bereich().hilfe; };
        liste[liste_n++] = b;
    }
    // the criterion's button carries the list's caption
    Menue_Icon k = vorlage(KRITERIUM, 0, 84, 150, 18, 4, text_zeichnen);
    k.hilfetext = "Nach diesem Kriterium sortieren";
    k.kontext = sortier_menue;
    liste[liste_n++] = k;
    liste[liste_n++] = vorlage(KOPF, 150, 92, 440, 14, 4, text_zeichnen);
    liste[liste_n++] = vorlage(LISTE, 150, 108, 440, 13 * SICHTBAR + 6, 4, liste_zeichnen);
    liste[liste_n - 1].mausover = liste_hilfe;
    // below the club and manager buttons: right of them run the minute and match-day bars
    liste[liste_n++] = vorlage(WAPPEN, 16, 334, 40, 40, 4, wappen_zeichnen);
    for (int32_t n : {HOCH, RUNTER}) {
        Menue_Icon p = vorlage(n, n == HOCH ? 540 : 560, 458, 14, 14, 5, pfeil_zeichnen);
        p.klick = blaettern;
        p.hilfetext = n == HOCH ? "Nach oben blättern" : "Nach unten blättern";
        liste[liste_n++] = p;
    }
    liste[liste_n] = Menue_Icon_Listenende();
}

// Each handle at its value's place; the match-day handles drag only while their bar is usable.
void griffe_setzen()
{
    const bool tage = Spieler_Spielervergleich_Spieltag_Bereich().aktiv;
    for (int32_t n : {MIN_A, MIN_B, TAG_A, TAG_B}) {
        Menue_Icon* i = Menue_Screen_Icon_Ist_Vorhanden(n) ? Menue_Screen_Icon_Aus_Nummer(n) : nullptr;
        if (!i) continue;
        const bool ziehbar = (n != TAG_A && n != TAG_B) || tage;
        i->y = int16_t(ziehbar ? Spieler_Spielervergleich_Griff_Y(Spieler_Spielervergleich_Bereich_Wert(n), griff_hoch(n))
                               : VERGLEICH_SPUR_UNTEN);
        i->flags = ziehbar ? (i->flags | ICON_ZIEHBAR) : (i->flags & ~uint32_t(ICON_ZIEHBAR));
        i->refresh = 1;
    }
}

}  // namespace

int32_t Spieler_Spielervergleich_Zeilen(const Spielervergleich_Zeile** aus)
{
    if (aus) *aus = zeilen;
    return zeilen_anzahl;
}

void Spieler_Spielervergleich_Scrollscreen_Bauen()
{
    Spielervergleich_Ergebnis e;
    zeilen_anzahl = 0;
    if (!Spieler_Spielervergleich_Daten_Holen(&e)) return;
    const Spielervergleich_Kriterium* k = Spieler_Spielervergleich_Kriterium(datum(KRITERIUM));
    if (!k) k = Spieler_Spielervergleich_Kriterium(14);
    std::snprintf(ueberschrift, sizeof ueberschrift, "%s", k->ueberschrift);
    for (int32_t z = 0; z < e.zeilen; ++z) {
        Spielervergleich_Zeile& r = zeilen[z];
        const int32_t p = e.spieler[z], t = e.teams[z];
        zeilen_spieler[z] = p < Spieler_Anzahl ? p : -1;
        zeilen_teams[z] = t;
        const char* n = p < Spieler_Anzahl ? Spieler_String(SP_NAME_LAND_BEOBACHTET, p, nullptr, 0) : nullptr;
        std::snprintf(r.name, sizeof r.name, "^fb0007%2d^fe.%s", z + 1, n ? n : "");
        std::snprintf(r.verein, sizeof r.verein, "%s", verein_name(t));
        wert_text(*k, e, z, r.wert, sizeof r.wert);
        const char* sn = p < Spieler_Anzahl ? Spieler_String(SP_NAME, p, nullptr, 0) : nullptr;
        std::snprintf(r.hilfe, sizeof r.hilfe, "Statistik-Werte von %s", sn ? sn : "");
        if (k->art == 28) {
            const char* vn = p < Spieler_Anzahl ? Spieler_String(SP_VORNAME, p, nullptr, 0) : nullptr;
            const char* nn = p < Spieler_Anzahl ? Spieler_String(SP_NAME, p, nullptr, 0) : nullptr;
            std::snprintf(r.hilfe, sizeof r.hilfe, "Am %s wechselte %s %s nach %s.",
                          Kalender_Get_Datum_String(uint32_t(e.wert[1][z])), vn ? vn : "", nn ? nn : "", verein_name(t));
        }
    }
    zeilen_anzahl = e.zeilen;
    erste_zeile = 0;
    griffe_setzen();
    Menue_Bereich_Refresh(0, 0, 40, 600, 480);
}

void Spieler_Spielervergleich_Vorbelegen()
{
    if (!mit_manager()) return;
    bool zugeordnet = true;
    for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i) zugeordnet &= Wettbewerb_Get_Info(datum(KNOPF_ERSTER + i)) != nullptr;
    if (!zugeordnet) Spieler_Spielervergleich_Pokale_Den_Icons_Zuordnen(eigen());
    int32_t ids[VERGLEICH_WETTBEWERBE];
    if (Spieler_Spielervergleich_Wettbewerbe(ids) == 0) setzen(KNOPF_ERSTER, true);
    bool gruppe = false;
    for (int32_t g = GRUPPE_ERSTE; g < GRUPPE_ERSTE + 4; ++g) gruppe |= knopf(g);
    setzen(ALLE, !gruppe);
    if (!Spieler_Spielervergleich_Kriterium(datum(KRITERIUM))) datum_setzen(KRITERIUM, 14);
}

int32_t Spieler_Spielervergleich_Oeffnen(Menue_Icon*, uint32_t)
{
    if (!mit_manager()) return 0;
    if (Netz_Rolle == 2) {
        Print_Fehler("Spieler_Spielervergleich_Scrollscreen_Bauen: Server-Modus!");
        return 0;
    }
    Spieler_Screen_Icons_Zeigen();
    Spieler_Spielervergleich_Vorbelegen();
    Menue_Bereich_Loeschen(0, 0, 40, 600, 480);
    liste_bauen();
    Menue_Icon_Liste_Hinzufuegen(liste);
    Spieler_Spielervergleich_Icons_Positionieren(-1, -1);
    for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i) wettbewerb_knoepfe[i].refresh_prozedur = wettbewerb_zeichnen;
    Menue_Icon_Liste_Hinzufuegen(wettbewerb_knoepfe);
    Spieler_Spielervergleich_Scrollscreen_Bauen();
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    return 1;
}

void Spieler_Spielervergleich_Registrieren() { Spieler_Screen_Oeffner_Setzen(0, Spieler_Spielervergleich_Oeffnen); }

void Spieler_Spielervergleich_Titelbild() { Spieler_Screen_Titelbild(VERGLEICH_BILD_TITEL); }
void Spieler_Spielervergleich_Titelbild_2() { Spieler_Screen_Titelbild(VERGLEICH_BILD_TITEL_2); }
