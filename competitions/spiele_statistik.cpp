// Team statistics, the general event counter and the match info lines, read from the stored
// match records and events. Everything here reads; nothing changes a record.
#include "competitions/spiele_statistik.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_intern.h"
#include "competitions/wettbewerb.h"
#include "database/personal.h"
#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "graphics/grafik_farbe.h"
#include "platform/print.h"
#include "toolkit/icon.h"
#include "toolkit/popup.h"

namespace {

constexpr uint16_t KEIN_SPIELER_A = 0xFFFF, KEIN_SPIELER_B = 0x7FFF;

// The competitions asked (-1: all) as owning competitions, each once.
std::vector<int32_t> besitzer_liste(const int32_t* ids, int32_t anzahl)
{
    std::vector<int32_t> aus;
    std::vector<int32_t> alle;
    if (!ids) {
        alle.resize(WETTBEWERB_ANZAHL + 1);
        alle.resize(size_t(std::max(0, Wettbewerb_Get_Land_Wettbewerbe(-1, alle.data(), 0))));
        ids = alle.data();
        anzahl = int32_t(alle.size());
    }
    for (int32_t i = 0; i < anzahl; ++i) {
        int32_t o = Wettbewerb_Get_Oberwettbewerb(ids[i]);
        if (o < 0) o = ids[i];
        if (std::find(aus.begin(), aus.end(), o) == aus.end()) aus.push_back(o);
    }
    return aus;
}

struct Block_Sammler {
    const std::vector<int32_t>* besitzer;
    std::vector<std::pair<int32_t, int32_t>> bloecke;  // block, competition
};

// Every fixture block whose records belong to one of the owning competitions (all its rounds
// and groups), in store order.
std::vector<std::pair<int32_t, int32_t>> bloecke_von(const std::vector<int32_t>& besitzer)
{
    Block_Sammler s{&besitzer, {}};
    spiele_fuer_alle_bloecke_id(
        [](int32_t block, int32_t wettbewerb, void* ctx) {
            auto* s = static_cast<Block_Sammler*>(ctx);
            int32_t o = Wettbewerb_Get_Oberwettbewerb(wettbewerb);
            if (o < 0) o = wettbewerb;
            if (std::find(s->besitzer->begin(), s->besitzer->end(), o) != s->besitzer->end())
                s->bloecke.emplace_back(block, wettbewerb);
        },
        &s);
    return s.bloecke;
}

bool tag_im_bereich(int32_t tag, int32_t erster, int32_t letzter)
{
    return (erster < 0 || tag >= erster) && (letzter < 0 || tag <= letzter);
}

bool gespielt(const Spiele_Spiel& s)
{
    return s.minute != 0 && s.heim != SPIELE_KEIN_TEAM && s.heim_tore != -1;
}

// The events of a record that can be read, bounded by the per-match room.
int32_t ereignis_anzahl(const Spiele_Spiel& s, const Spiele_Ereignis** lauf)
{
    *lauf = spiele_ereignisse_von(s);
    return *lauf ? std::min<int32_t>(s.ereignis_anzahl, SPIELE_EREIGNISSE_PRO_SPIEL) : 0;
}

bool minute_gueltig(uint8_t m) { return m < SPIELE_STAT_MINUTEN; }

void neuester(int32_t* paar, int32_t ordinal, int32_t position)
{
    if (paar[0] < 0) paar[0] = ordinal, paar[1] = position;
}
void zaehlen_mit_position(int32_t* paar, int32_t position, bool positionen)
{
    if (positionen && paar[0] == 0) paar[1] = position;
    ++paar[0];
}

}  // namespace

void Spiele_Team_Statistik_Berechnen(int32_t team, int32_t wettbewerb, int32_t erster, int32_t letzter,
                                     int32_t runde, int32_t seiten, Spiele_Team_Statistik* aus, int32_t spieler)
{
    if (!aus) return;
    std::memset(aus, 0, sizeof *aus);
    aus->letzter_sieg[0] = aus->letzter_sieg[1] = -1;
    aus->letzte_niederlage[0] = aus->letzte_niederlage[1] = -1;
    aus->erstes_tor[1] = aus->erstes_gegentor[1] = -1;
    aus->sieg_nach_rueckstand[1] = aus->niederlage_nach_fuehrung[1] = -1;
    if (Netz_Rolle == 1) {
        Spiele_Team_Statistik s = *aus;
        if (spiele_fern_team_statistik(team, wettbewerb, erster, letzter, runde, seiten, &s, spieler)) *aus = s;
        return;
    }
    if (!Spiele_Ist_Initialisiert()) return;

    const bool positionen = wettbewerb >= 0;
    const std::vector<int32_t> besitzer = besitzer_liste(positionen ? &wettbewerb : nullptr, 1);
    bool eigenes_gefunden = false, fremdes_gefunden = false;
    for (auto [block, wid] : bloecke_von(besitzer)) {
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(wid);
        const bool minuten = info && info->halbzeit_laenge == 45 && info->anz_halbzeiten == 2;
        uint32_t n = 0;
        const Spiele_Spiel* spiele = spiele_block_spiele(block, &n);
        for (uint32_t pos = n; spiele && pos-- > 0;) {
            const Spiele_Spiel& s = spiele[pos];
            if (!gespielt(s) || !tag_im_bereich(s.spieltag, erster, letzter)) continue;
            if (runde >= 0 && s.runde != runde) continue;
            const bool heim = team < 0 || s.heim == team;
            const bool gast = team >= 0 && s.gast == team;
            if (!heim && !gast) continue;
            if (seiten && !((heim && (seiten & 1)) || (gast && (seiten & 2)))) continue;

            const int32_t ordinal = aus->spiele++;
            const Spiele_Ereignis* lauf = nullptr;
            const int32_t anz = ereignis_anzahl(s, &lauf);
            for (int32_t i = anz; i-- > 0;) {
                const Spiele_Ereignis& e = lauf[i];
                if (!minute_gueltig(e.minute)) continue;
                if (spieler >= 0 && uint16_t(e.spieler_1) != uint32_t(spieler)) continue;
                if (spieler >= 0 && Spiele_Ist_Elfmeter_Tor(s, e.flags)) continue;
                const bool eigen = bool(e.flags & SPE_HEIM) == heim;
                if (e.flags & SPE_CHANCE) {
                    ++(eigen ? aus->chancen : aus->gegenchancen);
                    if (minuten) ++(eigen ? aus->chancen_minute : aus->gegenchancen_minute)[e.minute];
                }
                if (e.flags & SPE_TOR) {
                    ++(eigen ? aus->tore : aus->gegentore);
                    if (minuten) ++(eigen ? aus->tore_minute : aus->gegentore_minute)[e.minute];
                    bool& gefunden = eigen ? eigenes_gefunden : fremdes_gefunden;
                    if (!gefunden) {
                        gefunden = true;
                        (eigen ? aus->minuten_ohne_tor : aus->minuten_ohne_gegentor) += std::max(0, s.minute - e.minute);
                    }
                }
            }
            if (!eigenes_gefunden) aus->minuten_ohne_tor += s.minute;
            if (!fremdes_gefunden) aus->minuten_ohne_gegentor += s.minute;

            // The running score decides who scored first, who led and who trailed.
            int32_t eigene = 0, fremde = 0;
            bool gefuehrt = false, zurueck = false, erstes = true;
            for (int32_t i = 0; i < anz; ++i) {
                const Spiele_Ereignis& e = lauf[i];
                if (!(e.flags & SPE_TOR) || !minute_gueltig(e.minute)) continue;
                const bool eigen = bool(e.flags & SPE_HEIM) == heim;
                if (erstes) zaehlen_mit_position(eigen ? aus->erstes_tor : aus->erstes_gegentor, int32_t(pos), positionen);
                erstes = false;
                ++(eigen ? eigene : fremde);
                gefuehrt |= eigene > fremde;
                zurueck |= fremde > eigene;
            }
            const int32_t t_eigen = heim ? s.heim_tore : s.gast_tore;
            const int32_t t_fremd = heim ? s.gast_tore : s.heim_tore;
            if (!(s.ergebnis_art & SPIELE_ART_NE)) {
                if (t_eigen >= 0 && t_eigen < 10) ++aus->spiele_mit_toren[t_eigen];
                if (t_fremd >= 0 && t_fremd < 10) ++aus->spiele_mit_gegentoren[t_fremd];
            }
            if (t_eigen > t_fremd) {
                ++aus->siege;
                if (positionen) neuester(aus->letzter_sieg, ordinal, int32_t(pos));
                if (zurueck) zaehlen_mit_position(aus->sieg_nach_rueckstand, int32_t(pos), positionen);
            } else if (t_eigen < t_fremd) {
                ++aus->niederlagen;
                if (positionen) neuester(aus->letzte_niederlage, ordinal, int32_t(pos));
                if (gefuehrt) zaehlen_mit_position(aus->niederlage_nach_fuehrung, int32_t(pos), positionen);
            } else {
                ++aus->unentschieden;
            }
        }
    }
}

static Spiele_Statistik_Hook statistik_hook = nullptr;
void Spiele_Set_Statistik_Hook(Spiele_Statistik_Hook hook) { statistik_hook = hook; }

namespace {

// The count of Spiele_Get_Statistik; with `nur` >= 0 only that number's column, one per mask.
bool statistik_zaehlen(int32_t pro_spieler, int32_t pro_team, const int32_t* wettbewerbe, int32_t anzahl,
                       const uint32_t* masken, int32_t masken_anzahl, int32_t erster, int32_t letzter,
                       int32_t von_minute, int32_t bis_minute, int32_t seiten, int32_t* zaehler, int32_t nur)
{
    if (bool(pro_spieler) == bool(pro_team) || masken_anzahl < 1 || masken_anzahl > SPIELE_STAT_MASKEN ||
        !masken || !zaehler || (anzahl > 0 && !wettbewerbe) || !Spiele_Ist_Initialisiert())
        return false;
    const int32_t spalten = pro_spieler ? Spieler_Anzahl : Team_Anzahl;
    if (spalten <= 0) return false;
    if (statistik_hook) statistik_hook(pro_spieler, wettbewerbe, anzahl);
    std::memset(zaehler, 0, size_t(masken_anzahl) * size_t(nur >= 0 ? 1 : spalten) * sizeof(int32_t));
    if (anzahl < 1) return true;

    auto buchen = [&](int32_t m, uint32_t nummer, int32_t wert) {
        if (nur >= 0) {
            if (nummer == uint32_t(nur)) zaehler[m] += wert;
        } else if (nummer < uint32_t(spalten)) {
            zaehler[size_t(m) * size_t(spalten) + nummer] += wert;
        }
    };
    for (auto [block, wid] : bloecke_von(besitzer_liste(wettbewerbe, anzahl))) {
        (void)wid;
        uint32_t n = 0;
        const Spiele_Spiel* spiele = spiele_block_spiele(block, &n);
        for (uint32_t pos = 0; spiele && pos < n; ++pos) {
            const Spiele_Spiel& s = spiele[pos];
            if (!gespielt(s) || !tag_im_bereich(s.spieltag, erster, letzter)) continue;
            const Spiele_Ereignis* lauf = nullptr;
            const int32_t anz = ereignis_anzahl(s, &lauf);
            for (int32_t m = 0; m < masken_anzahl; ++m) {
                uint32_t maske = masken[m];
                if (pro_team && maske == SPST_ZUSCHAUER) {
                    buchen(m, s.heim, int32_t(std::min<uint32_t>(s.zuschauer, 0x7FFFFFFF)));
                    continue;
                }
                if (pro_team && maske == SPST_HEIMSPIELE) {
                    buchen(m, s.heim, 1);
                    continue;
                }
                if (pro_team && (maske & SPST_GESPIELT)) {
                    buchen(m, s.heim, 1);
                    buchen(m, s.gast, 1);
                    maske &= ~SPST_GESPIELT;
                    if (!maske) continue;
                }
                const bool andere = maske & SPST_GEGNER;
                const bool zweiter = maske & SPST_ZWEITER_SPIELER;
                maske &= ~(SPST_GEGNER | SPST_ZWEITER_SPIELER | 0x40000000u);
                for (int32_t i = 0; i < anz; ++i) {
                    const Spiele_Ereignis& e = lauf[i];
                    const bool heim_ereignis = e.flags & SPE_HEIM;
                    if (seiten && !(seiten & (heim_ereignis ? 1 : 2))) continue;
                    if (!minute_gueltig(e.minute) || (e.flags & maske) != maske) continue;
                    // the shoot-out's goals are no player's goals
                    if (pro_spieler && (maske & SPE_TOR) && Spiele_Ist_Elfmeter_Tor(s, e.flags)) continue;
                    if (von_minute >= 0 && e.minute < von_minute) continue;
                    if (bis_minute >= 0 && e.minute > bis_minute) continue;
                    const uint16_t sp = uint16_t(zweiter ? e.spieler_2 : e.spieler_1);
                    if (pro_team) {
                        if (zweiter && (sp == KEIN_SPIELER_A || sp == KEIN_SPIELER_B)) continue;
                        buchen(m, (heim_ereignis != andere) ? s.heim : s.gast, 1);
                    } else if (sp != KEIN_SPIELER_A && sp != KEIN_SPIELER_B) {
                        buchen(m, sp, 1);
                    }
                }
            }
        }
    }
    return true;
}

}  // namespace

bool Spiele_Get_Statistik(int32_t pro_spieler, int32_t pro_team, const int32_t* wettbewerbe, int32_t anzahl,
                          const uint32_t* masken, int32_t masken_anzahl, int32_t erster, int32_t letzter,
                          int32_t von_minute, int32_t bis_minute, int32_t seiten, int32_t* zaehler)
{
    return statistik_zaehlen(pro_spieler, pro_team, wettbewerbe, anzahl, masken, masken_anzahl, erster, letzter,
                             von_minute, bis_minute, seiten, zaehler, -1);
}

bool Spiele_Get_Statistik_Eines_Spielers(int32_t spieler, const int32_t* wettbewerbe, int32_t anzahl,
                                         const uint32_t* masken, int32_t masken_anzahl, int32_t erster,
                                         int32_t letzter, int32_t von_minute, int32_t bis_minute, int32_t* zaehler)
{
    if (spieler < 0 || spieler >= Spieler_Anzahl) return false;
    return statistik_zaehlen(1, 0, wettbewerbe, anzahl, masken, masken_anzahl, erster, letzter, von_minute,
                             bis_minute, 0, zaehler, spieler);
}

// ---- Match info lines ----

namespace {

constexpr int32_t INFO_ZEILEN = MENUE_KONTEXT_EINTRAEGE;
constexpr int32_t INFO_LAENGE = 256;

// Colour fields of the text codes are five digits.
const char* const FORMAT_WETTER =
    "^c%05d^tl0020Temperatur^c%05d^tl0100: %d Grad^tl0160^c%05dWetterlage^tl0250:^c%05d^tr0360%s";
const char* const FORMAT_ZUSCHAUER =
    "^c%05d^tl0020Zuschauer^c%05d^tl0100: %s^tl0160^c%05dSchiedsrichter^tl0250:^c%05d^tr0360%s";
const char* const FORMAT_TOR = "^c%05d^tr0045%d^tl0047:^tl0051%d^c%05d^tr0078%d^tl0080.Minute%s^c%05d%s^c%05d%s";
const char* const FORMAT_KARTE = "^c%05d^tr0078%d^tl0080.Minute%s^c%05d%s^c%05d (%s)";

Menue_Kontextmenue info_liste;
char info_titel[INFO_LAENGE];
char info_texte[INFO_ZEILEN][INFO_LAENGE];
int32_t info_zuletzt_block = -1, info_zuletzt_kennung = -1, info_zuletzt_runde = 0;

int32_t info_zeile(int32_t n, const char* text)
{
    if (n >= INFO_ZEILEN) return n;
    std::snprintf(info_texte[n], INFO_LAENGE, "%s", text);
    info_liste.texte[n] = info_texte[n];
    info_liste.status[n] = POPUP_KEIN_HOVER;
    return n + 1;
}

const char* team_name(int32_t team) { return team >= 0 && team < Team_Anzahl ? Team_String(TEAM_NAME, team, nullptr, 0) : ""; }

const char* spieler_name(int32_t sp)
{
    const uint16_t u = uint16_t(sp);
    if (u == 0 || u == KEIN_SPIELER_B || u == KEIN_SPIELER_A || u >= uint32_t(std::max(Spieler_Anzahl, 0))) return "";
    const char* n = Spieler_String(SP_NAME, u, nullptr, 0);
    return n ? n : "";
}

}  // namespace

Menue_Kontextmenue* Spiele_Info_Kontext_Erzeugen(Menue_Icon* icon)
{
    std::memset(&info_liste, 0, sizeof info_liste);
    if (!icon) return nullptr;
    const int32_t block = icon->kennung_1, kennung = icon->kennung_2;
    if (block < 0 || kennung < 0) return nullptr;
    int32_t runde = 0;
    if (block == info_zuletzt_block && kennung == info_zuletzt_kennung) runde = 1 - info_zuletzt_runde;
    const int32_t tag = kennung >> 8, slot = kennung & 255;
    int32_t h = Spiele_Lock(block, tag, runde, slot);
    if (!h && runde == 1) h = Spiele_Lock(block, tag, runde = 0, slot);
    if (!h) return nullptr;
    info_zuletzt_block = block;
    info_zuletzt_kennung = kennung;
    info_zuletzt_runde = runde;

    const Spiele_Spiel s = *Spiele_Get_Spiel(h, 0);
    const int32_t FARBE_TEXT = Grafik_Farbe(11, 11, 11), FARBE_WERT = Grafik_Farbe(15, 15, 15);
    std::snprintf(info_titel, sizeof info_titel, "Daten zum Spiel %s gegen %s", team_name(s.heim), team_name(s.gast));
    info_liste.titel = info_titel;
    char z[INFO_LAENGE];
    int32_t n = 0;
    if (s.wetter == 255) {
        n = info_zeile(n, "Noch keine Daten zum Spiel verfügbar.");
        Spiele_Unlock(h);
        return &info_liste;
    }
    std::snprintf(z, sizeof z, FORMAT_WETTER,
                  FARBE_TEXT, FARBE_WERT, s.temperatur, FARBE_TEXT, FARBE_WERT,
                  Kalender_Get_Wetter_Text(s.temperatur, s.wetter));
    n = info_zeile(n, z);
    char zuschauer[16] = "???";
    if (gespielt(s)) std::snprintf(zuschauer, sizeof zuschauer, "%d", int32_t(std::min<uint32_t>(s.zuschauer, 0x7FFFFFFF)));
    const char* richter = s.schiedsrichter >= 0 ? Personal_Get_Name(s.schiedsrichter, PERSONAL_SCHIEDSRICHTER) : nullptr;
    std::snprintf(z, sizeof z, FORMAT_ZUSCHAUER,
                  FARBE_TEXT, FARBE_WERT, zuschauer, FARBE_TEXT, FARBE_WERT, richter ? richter : "");
    n = info_zeile(n, z);
    if (gespielt(s)) {
        std::snprintf(z, sizeof z, "^tl0125%s^tl0250%s", team_name(s.heim), team_name(s.gast));
        n = info_zeile(n, z);
        const Spiele_Ereignis* lauf = nullptr;
        const int32_t anz = ereignis_anzahl(s, &lauf);
        int32_t heim = 0, gast = 0;
        for (int32_t i = 0; i < anz; ++i) {
            const Spiele_Ereignis& e = lauf[i];
            if (!(e.flags & SPE_TOR)) continue;
            const bool h_seite = e.flags & SPE_HEIM;
            ++(h_seite ? heim : gast);
            const char* zweiter = spieler_name(e.spieler_2);
            char assist[64] = "";
            if (*zweiter) std::snprintf(assist, sizeof assist, " (%s)", zweiter);
            std::snprintf(z, sizeof z, FORMAT_TOR,
                          FARBE_WERT, heim, gast, FARBE_TEXT, e.minute, h_seite ? "^tl0125" : "^tl0250", FARBE_WERT,
                          spieler_name(e.spieler_1), FARBE_TEXT, assist);
            n = info_zeile(n, z);
        }
        for (int32_t i = 0; i < anz; ++i) {
            const Spiele_Ereignis& e = lauf[i];
            const uint32_t karte = e.flags & (SPE_GELB | SPE_GELBROT | SPE_ROT);
            if (!karte) continue;
            const char* art = (karte & SPE_ROT) ? "Rot" : (karte & SPE_GELBROT) ? "Gelb-Rot" : "Gelb";
            std::snprintf(z, sizeof z, FORMAT_KARTE, FARBE_TEXT, e.minute,
                          (e.flags & SPE_HEIM) ? "^tl0125" : "^tl0250", FARBE_WERT, spieler_name(e.spieler_1),
                          FARBE_TEXT, art);
            n = info_zeile(n, z);
        }
    }
    Spiele_Unlock(h);
    return &info_liste;
}
