// Preparing the day's games: referees, weather, forecasts, suspensions and line-ups before the
// menus; after them the cancelled games, venues, attendance and the live records.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_karten.h"
#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/personal.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "match/spieltag_intern.h"
#include "platform/print.h"
#include "platform/zufall.h"
#include "toolkit/optionen.h"

namespace {

constexpr int32_t WINTER_GEWICHT[13] = {0, 90, 100, 84, 66, 50, 34, 16, 0, 16, 33, 55, 76};
constexpr int32_t SOMMER_GEWICHT[13] = {0, 10, 0, 16, 33, 50, 66, 84, 100, 84, 66, 45, 24};
constexpr int32_t SCHIRI_VERSUCHE = 1001;
constexpr int32_t MIN_SPIELER = 8;
constexpr int32_t STRAFE_PRO_NIVEAU = 2000;
constexpr uint8_t BUCHUNG_STRAFE = 22;
constexpr int32_t MIN_GEZEIGT = 4;

Spieltag_Meldung_Hook meldung_hook = nullptr;

int32_t team_wert(int32_t feld, int32_t team) { return Team_Wert(feld, team, 0, TEAM_LESEN); }

bool gueltiges_team(int32_t team) { return team >= 0 && team < Team_Anzahl; }

// Climate of the country of a club: winter and summer temperature, rain percentage.
void klima(int32_t team, int32_t* winter, int32_t* sommer, int32_t* regen)
{
    *winter = -5;
    *sommer = 25;
    *regen = 50;
    if (!gueltiges_team(team)) return;
    const int32_t land = team_wert(TEAM_NATION, team);
    if (!gueltiges_team(land)) return;
    const uint8_t* k = static_cast<const uint8_t*>(Team_Zeiger(TEAM_KLIMA, land, nullptr, TEAM_LESEN));
    if (!k || (k[0] == 0 && k[1] == 0 && k[2] == 0)) return;
    *winter = k[0] - 100;
    *sommer = k[1] - 100;
    *regen = k[2] * 100 / 40;
}

// The lands of the day's referees by their place in the list, read from one copy of the staff
// list's referees (in the order of their numbers) rather than by a walk of the list for each one
// drawn. A number the list holds twice has the land of its first entry, as a lookup finds it.
struct Schiri_Laender {
    static constexpr int64_t FEHLT = -(int64_t(1) << 41);
    std::vector<int64_t> land;
    explicit Schiri_Laender(const std::vector<int32_t>& schiris) : land(schiris.size(), FEHLT)
    {
        if (schiris.empty()) return;
        constexpr size_t GROESSE = PERSONAL_SCHIEDSRICHTER_BYTES - 1;  // an entry without its type byte
        std::vector<uint8_t> daten(schiris.size() * GROESSE);
        const int32_t n = Personal_Get_Daten_Liste(PERSONAL_SCHIEDSRICHTER, daten.data(), int32_t(schiris.size()));
        std::map<int32_t, int64_t> erstes;
        for (int32_t k = 0; k < n; ++k) {
            uint8_t bild[PERSONAL_SCHIEDSRICHTER_BYTES] = {PERSONAL_SCHIEDSRICHTER};
            std::memcpy(bild + 1, daten.data() + size_t(k) * GROESSE, GROESSE);
            Personal_Eintrag p;
            if (Personal_Entpacken(bild, PERSONAL_SCHIEDSRICHTER_BYTES, p)) erstes.try_emplace(p.id, int64_t(int32_t(p.land)));
        }
        for (size_t k = 0; k < schiris.size(); ++k)
            if (const auto it = erstes.find(schiris[k]); it != erstes.end()) land[k] = it->second;
    }
};

// The day's referee of one game, 0 when none is found. The day's list keeps each referee to one
// game.
int32_t schiedsrichter_waehlen(const std::vector<int32_t>& schiris, const Schiri_Laender& laender, std::set<int32_t>& vergeben,
                               int32_t heim, int32_t gast, uint32_t modus)
{
    const int32_t n = int32_t(schiris.size());
    const int32_t ch = team_wert(TEAM_NATION, heim), ca = team_wert(TEAM_NATION, gast);
    for (int32_t versuch = 0; versuch < SCHIRI_VERSUCHE; ++versuch) {
        int32_t kandidat = -1;
        size_t platz = 0;
        for (int32_t zug = 0; n >= 2 && zug < SCHIRI_VERSUCHE; ++zug) {
            const int32_t z = Zufall(1, n);
            // A draw of n is one past the list: its last entry.
            const int32_t id = schiris[size_t(z - 1)];
            if (!vergeben.count(id)) {
                kandidat = id;
                platz = size_t(z - 1);
                break;
            }
        }
        if (kandidat < 0) return 0;
        const int64_t gemerkt = laender.land[platz];
        if (gemerkt == Schiri_Laender::FEHLT) continue;
        const int32_t land = int32_t(gemerkt);
        const bool passt = (ch == ca && !(modus & SCHIRI_NICHT_AUS_TEAMLAND)) ? land == ch : land != ch && land != ca;
        if (passt) {
            vergeben.insert(kandidat);
            return kandidat;
        }
    }
    return 0;
}

// Temperature and rain of a game.
void wetter(Spiele_Spiel* m, const Wettbewerb_Info* info, int32_t monat, int32_t t0, int32_t r0, int32_t w)
{
    int32_t land_team = m->heim;
    if (info && info->ausrichter >= 0 && gueltiges_team(info->ausrichter)) land_team = info->ausrichter;
    int32_t winter, sommer, regen;
    klima(land_team, &winter, &sommer, &regen);
    monat = std::clamp(monat, 1, 12);
    const int32_t schwankung = Zufall(0, 4);
    int32_t t = (winter * WINTER_GEWICHT[monat] + sommer * SOMMER_GEWICHT[monat]) / 100 + schwankung + t0 - 2;
    t = std::clamp(t, -43, 50);
    const int32_t regen_schwankung = Zufall(0, 20);
    int32_t r = ((100 - w) * r0 + regen * w) / 100 + regen_schwankung - 10;
    r = std::clamp(r, 0, 100);
    if (t < 2) {
        const int32_t schnee = Zufall(0, 4);
        if (schnee == 0 && r < 76) r = 77;
    }
    m->temperatur = int8_t(t);
    m->wetter = uint8_t(r);
}

// The venue of a game without home right: the host stadium, else a club with a stadium big
// enough in a fitting nation; -1 when the search gives up.
int32_t spielort_suchen(int32_t wettbewerb, const Wettbewerb_Info* info, int32_t heim, int32_t gast)
{
    if (info->ausrichter_stadion >= 0 && gueltiges_team(info->ausrichter_stadion) && Stadion_Zeiger(info->ausrichter_stadion, 0))
        return info->ausrichter_stadion;
    if (Team_Anzahl <= 0) return -1;
    const bool international = Wettbewerb_Ist_International(wettbewerb);
    const int32_t nh = team_wert(TEAM_NATION, heim), ng = team_wert(TEAM_NATION, gast);
    int32_t ziel = Wettbewerb_Get_Spieltag_Gesamt(wettbewerb, -1) * 70000 / 100;
    for (int32_t fehl = 0;;) {
        const int32_t t = Zufall(0, Team_Anzahl - 1);
        bool passt = Team_Ist_Normal(t, 0) && Stadion_Zeiger(t, 0) && Stadion_Get_Plaetze(t, 15) >= ziel;
        if (passt) {
            const int32_t land = team_wert(TEAM_NATION, t);
            if (international) passt = land != nh && land != ng;
            else if (nh == ng) passt = land == nh;
        }
        if (passt) return t;
        if (ziel <= 1000) return -1;
        if (++fehl % 100 == 0) ziel -= 1000;
    }
}

}  // namespace

void Spieltag_Set_Meldung_Hook(Spieltag_Meldung_Hook hook) { meldung_hook = hook; }

void spieltag_meldung(int32_t team, int32_t art, const char* text)
{
    if (meldung_hook) meldung_hook(team, art, text);
}

int32_t spieltag_nachfrage(int32_t wettbewerb, int32_t heim, int32_t gast)
{
    const int32_t md = Wettbewerb_Get_Spieltag_Gesamt(wettbewerb, -1);
    const int32_t teams[2] = {heim, gast};
    int32_t einsatz[2] = {0, 0};
    Wettbewerb_Spiel_Wichtigkeit(wettbewerb, teams, einsatz, 2);
    const int32_t i = ((80 * einsatz[0] + 20 * einsatz[1]) / 100 - 50) * 60 / 100 + 50;
    return ((i + 50) * 60 + 4000) / 100 * md / 100;
}

void Spieltag_Spiele_Vorbereiten()
{
    if (!spieltag_laeuft()) return;
    // Line-ups, bans and prices change no competition: their answers hold for the whole day.
    const Wettbewerb_Abfragen_Halten halten;
    const Spieltag_Gegner_Halten gegner;
    const int32_t t0_zug = Zufall(0, 6);
    const int32_t t0 = t0_zug - 3;
    const int32_t r0 = Zufall(0, 100);
    const int32_t w = Zufall(0, 50);
    std::vector<int32_t> schiris(size_t(std::max(0, Personal_Anzahl(PERSONAL_SCHIEDSRICHTER))));
    if (!schiris.empty())
        schiris.resize(size_t(std::max(0, Personal_Get_Nummern(PERSONAL_SCHIEDSRICHTER, schiris.data(), int32_t(schiris.size())))));
    const Schiri_Laender laender(schiris);
    std::set<int32_t> vergeben;
    const int32_t monat = Kalender_Get_Datum_Heute().monat;

    for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
        const Spieltag_Eintrag e = spieltag_eintrag(knoten);
        const int32_t c = e.wettbewerb;
        for (uint32_t i = 0; i < e.n; ++i) {
            const int32_t g = e.spiel(i);
            Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
            if (!m) continue;
            const int32_t heim = m->heim, gast = m->gast;
            Stadion_Assistent_Preise(heim, m, spieltag_nachfrage(c, heim, gast));
            m = Spiele_Get_Spiel(g, 1);
            // The info block is one static record: a copy survives the calls below.
            const Wettbewerb_Info* ip = Wettbewerb_Get_Info(c);
            if (ip) {
                const Wettbewerb_Info info = *ip;
                const int32_t schiri = schiedsrichter_waehlen(schiris, laender, vergeben, heim, gast, uint32_t(info.modus));
                m = Spiele_Get_Spiel(g, 1);
                m->schiedsrichter = int16_t(schiri);
                wetter(m, &info, monat, t0, r0, w);
            } else {
                wetter(m, nullptr, monat, t0, r0, w);
            }
            Spiele_Setze_Sperren_Spieler_Vor_Spiel(c, heim, 1);
            Spiele_Setze_Sperren_Spieler_Vor_Spiel(c, gast, 1);
            const int32_t s = Zufall(0, 1);
            const int32_t seiten[2] = {heim, gast};
            Team_Auto_Aufstellung(seiten[1 - s], seiten[s]);
            Team_Auto_Aufstellung(seiten[s], seiten[1 - s]);
        }
    }
    vergeben.clear();
    Assi_Trainer_Alle_Teams();
}

void Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(uint8_t flag)
{
    int32_t antwort = 0;
    if (spieltag_gemeldet("Spieltag_Nach_Menue_Bekannte_Daten_Eintragen", &antwort)) return;
    if (Netz_Rolle == 1 && flag == 0) Print_Fehler("Cl: Spieltag Nach_Menue_Bekannte_Daten_Eintragen");
    if (!spieltag_laeuft()) return;
    const Wettbewerb_Abfragen_Halten halten;
    Spielfeld_Spieloptionen(Globale_Optionen(OPTION_SPIELDAUER), uint8_t(Globale_Optionen(OPTION_FREISTOSS)),
                            uint8_t(Globale_Optionen(OPTION_ELFMETER)), uint8_t(Globale_Optionen(OPTION_ECKBALL)));
    std::vector<int32_t> gezeigt, wartend;
    const bool allein = Netz_Rolle != 1;
    for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
        const Spieltag_Eintrag e = spieltag_eintrag(knoten);
        const int32_t c = e.wettbewerb;
        int32_t mit_manager = 0;
        for (uint32_t i = 0; i < e.n; ++i) {
            const Spiele_Spiel* m = Spiele_Get_Spiel(e.spiel(i), 1);
            if (m && (Team_Hat_Manager(m->heim) || Team_Hat_Manager(m->gast))) mit_manager = 1;
        }
        for (uint32_t i = 0; i < e.n; ++i) {
            const int32_t g = e.spiel(i);
            const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
            if (!m) continue;
            const int32_t heim = m->heim, gast = m->gast;
            const int32_t seiten[2] = {heim, gast};

            int32_t feld[64];
            bool kurz[2];
            for (int32_t s = 0; s < 2; ++s) kurz[s] = spieltag_aufstellung(seiten[s], feld) < MIN_SPIELER;
            if (kurz[0] || kurz[1]) {
                if (allein)
                    for (int32_t s = 0; s < 2; ++s) {
                        if (!kurz[s]) continue;
                        const float strafe = float(STRAFE_PRO_NIVEAU) * float(Wettbewerb_Get_Liga_Niveau(seiten[s]));
                        Schreibe_Überweisung(seiten[s], -1, strafe, BUCHUNG_STRAFE, 1, -1);
                        News_Senden(-1, seiten[s], -1, NEWS_ART_TEXT, nullptr,
                                    "Ihr Spiel wurde abgesagt, da Sie zu wenig Spieler eingesetzt haben! Sie zahlen %s Strafe.",
                                    Bank_Betrag_String(strafe, seiten[s], -1, 0));
                    }
                e.zustand(i) = SPIELTAG_AUS;
                if (kurz[0]) Spiele_Set_Ergebnis(g, 0, 2, SPIELE_ART_ABGS);
                else Spiele_Set_Ergebnis(g, 2, 0, SPIELE_ART_ABGS);
                Spiele_Set_Zuschauer(g, 0);
                continue;
            }
            const bool eigenes = heim == Aktuelles_Team || gast == Aktuelles_Team;
            if (!allein && !eigenes) continue;

            Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(c, seiten, 2);
            const int32_t nachfrage = spieltag_nachfrage(c, heim, gast);

            int32_t ort = heim, anteil_heim = 100, anteil_gast = 0;
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
            if (info) {
                const uint32_t modus = uint32_t(info->modus);
                if (!(modus & HEIMRECHT)) {
                    const Wettbewerb_Info kopie = *info;
                    ort = spielort_suchen(c, &kopie, heim, gast);
                    anteil_heim = anteil_gast = 0;
                }
                if (modus & EINNAHMEN_TEILEN) anteil_heim = anteil_gast = 50;
            }

            const int32_t zuschlag = Stadion_Topzuschlag(heim, gast, c);
            int32_t auslastung[6] = {};
            const int32_t zuschauer = Stadion_Zuschauer(ort, Spiele_Get_Spiel(g, 1), nachfrage, anteil_heim, anteil_gast,
                                                        auslastung, 0, zuschlag);
            Spiele_Set_Zuschauer(g, uint32_t(std::max(0, zuschauer)));

            // The texts go to a listener only: without one they are not made at all.
            if (meldung_hook) {
                char text[256];
                if (c == Wettbewerb_Get_Dummy_Id()) {
                    std::snprintf(text, sizeof text, "%d Zuschauer freuen sich auf das Freundschaftsspiel zwischen %s und %s",
                                  zuschauer, Team_String(TEAM_NAME, heim, nullptr, TEAM_LESEN),
                                  Team_String(TEAM_NAME, gast, nullptr, TEAM_LESEN));
                    spieltag_meldung(heim, 22, text);
                } else {
                    const int32_t sh = Team_Spieler_Summen_Staerke(heim, 89, 0), sa = Team_Spieler_Summen_Staerke(gast, 89, 0);
                    const int32_t vh = std::max(35, team_wert(TEAM_MORAL, heim)), va = std::max(35, team_wert(TEAM_MORAL, gast));
                    int32_t nervoes = -1, gegner = -1;
                    if (4 * vh + sh - 100 < sa) nervoes = heim, gegner = gast;
                    if (4 * va + sa < sh) nervoes = gast, gegner = heim;
                    if (nervoes >= 0) {
                        std::snprintf(text, sizeof text,
                                      "Beim Gedanken an das nun folgende Spiel gegen %s bekommen die Spieler von %s ein etwas "
                                      "flaues Gefühl im Magen...",
                                      Team_String(TEAM_NAME, gegner, nullptr, TEAM_LESEN),
                                      Team_String(TEAM_NAME, nervoes, nullptr, TEAM_LESEN));
                        spieltag_meldung(nervoes, 15, text);
                    }
                }
            }

            const int32_t f = team_wert(TEAM_FLAGS, heim) | team_wert(TEAM_FLAGS, gast);
            int32_t modus = 0;
            const int32_t bisher = int32_t(gezeigt.size());
            if (Netz_Rolle != 2) {
                if (f & 8) {
                    modus = 1;
                    gezeigt.push_back(g);
                } else if (f & 16) {
                    modus = 2;
                    if (Team_Hat_Manager(heim) || Team_Hat_Manager(gast)) wartend.push_back(g);
                }
            }
            if (!Spielfeld_Record_Anlegen(g, modus, bisher, auslastung, ort, mit_manager)) {
                Print_Fehler("Spieltag: Spiel %d hat kein Spielfeld, es wird abgesagt\n", g);
                e.zustand(i) = SPIELTAG_AUS;
                Spiele_Set_Ergebnis(g, 0, 0, SPIELE_ART_ABGS);
                if (modus == 1) gezeigt.pop_back();
                if (modus == 2 && !wartend.empty() && wartend.back() == g) wartend.pop_back();
            }
        }
    }
    // Games of mode 2 fill the windows while fewer than four are shown.
    if (int32_t(gezeigt.size()) < MIN_GEZEIGT) {
        while (!wartend.empty() && Globale_Optionen(OPTION_LIVE_AUTOMATIK)) {
            Spielfeld_Set_Anzeige(wartend.back(), 1);
            gezeigt.push_back(wartend.back());
            wartend.pop_back();
        }
        if (gezeigt.empty())
            for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
                const Spieltag_Eintrag e = spieltag_eintrag(knoten);
                for (uint32_t i = 0; i < e.n; ++i)
                    if (Spielfeld_Get_Spiel(e.spiel(i))) Spielfeld_Set_Anzeige(e.spiel(i), 0);
            }
    }
}
