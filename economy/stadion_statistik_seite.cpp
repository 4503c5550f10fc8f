#include "economy/stadion_statistik_seite.h"

#include <cstdio>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "gameflow/kalender.h"

namespace {
std::string formatiert(const char* format, auto... werte)
{
    char text[400];
    std::snprintf(text, sizeof text, format, werte...);
    return text;
}

const Stadion_Statistik* statistik(int32_t team)
{
    const Stadion_Daten* d = Stadion_Zeiger(team, 1);
    return d && d->hat_statistik ? &d->statistik : nullptr;
}

int32_t spalten_wettbewerb(const Stadion_Statistik& st, int32_t c)
{
    const uint8_t w = uint8_t(st.wettbewerb[c]);
    return w == 255 ? -1 : int32_t(w);
}

// The league fixture of the club's home game on a match day and round, -1 unknown.
int32_t heimspiel(int32_t team, int32_t tag_und_runde)
{
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    const int32_t block = liga >= 0 ? Wettbewerb_Get_Spiele_Block(liga) : -1;
    if (block < 0) return -1;
    const int32_t spieltag = tag_und_runde & 0xffff, runde = (tag_und_runde >> 16) & 0xff;
    for (int32_t slot = 0; slot < 64; ++slot) {
        const int32_t h = Spiele_Lock(block, spieltag, runde, slot);
        if (h < 0) return -1;
        const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        if (s && s->heim == team) return h;
        Spiele_Unlock(h);
    }
    return -1;
}
}  // namespace

int32_t Stadion_Statistik_Balken(int32_t team, int32_t art)
{
    // level 20 fills the field
    return Stadion_Wert_Stufe(team, art) * 3 + 4;
}

int32_t Stadion_Statistik_Naechster_Pokal(const Stadion_Statistik& st, int32_t spalte)
{
    for (int32_t i = 1; i <= STADION_SPALTEN - 1; ++i) {
        const int32_t c = (spalte - 1 + i) % (STADION_SPALTEN - 1) + 1;
        if (spalten_wettbewerb(st, c) >= 0) return c;
    }
    return -1;
}

std::string Stadion_Statistik_Wettbewerb_Hilfe(int32_t team, int32_t spalte)
{
    const Stadion_Statistik* st = statistik(team);
    if (!st) return "Für Ihr Team sind leider keine Statistiken verfügbar.";
    if (spalte < 0 || spalte >= STADION_SPALTEN || spalten_wettbewerb(*st, spalte) < 0)
        return "Sie haben noch in keinem Pokalwettbewerb gespielt.";
    return Wettbewerb_Get_Anzeigename(spalten_wettbewerb(*st, spalte));
}

std::string Stadion_Statistik_Rekord(int32_t team, int32_t spalte, bool einnahme)
{
    const Stadion_Statistik* st = statistik(team);
    if (!st || spalte < 0 || spalte >= STADION_SPALTEN || st->spiele[spalte] <= 0) return "Noch keine Heimspiele ausgetragen";
    const int32_t i = einnahme ? 1 : 0;
    const std::string datum = Kalender_Get_Datum_String_Knapp(st->rekord_tag[spalte][i], 0);
    char gegner[31] = {};
    std::snprintf(gegner, sizeof gegner, "%s", st->rekord_gegner[spalte][i]);
    const int32_t heim = st->rekord_tore[spalte][2 * i], gast = st->rekord_tore[spalte][2 * i + 1];
    if (einnahme)
        return formatiert("%s ^tr0150(%s) ^tl0175%s ^tl0300(%d:%d)",
                          Bank_Betrag_String(st->rekord_einnahme[spalte], team, -1, 0), datum.c_str(), gegner, heim, gast);
    return formatiert("%d Zusch.^tr0150(%s) ^tl0175%s ^tl0300(%d:%d)", st->rekord_zuschauer[spalte], datum.c_str(), gegner,
                      heim, gast);
}

Stadion_Spalte_Zeilen Stadion_Statistik_Spalte_Zeilen(int32_t team, int32_t spalte)
{
    const Stadion_Statistik* st = statistik(team);
    const bool belegt = st && spalte >= 0 && spalte < STADION_SPALTEN && spalten_wettbewerb(*st, spalte) >= 0;
    const int32_t spiele = belegt ? st->spiele[spalte] : 0;
    Stadion_Spalte_Zeilen z;
    z.spiele = formatiert("%d %s", spiele, spiele == 1 ? "Spiel" : "Spiele");
    z.schnitt = spiele > 0 ? formatiert("Zuschauer:%d^tl0105Einnahmen:%s", st->summe_zuschauer[spalte] / spiele,
                                        Bank_Betrag_String(float(st->summe_einnahme[spalte]), team, -1, 0))
                           : "Noch keine Heimspiele in dieser Saison";
    z.rekord_zuschauer = Stadion_Statistik_Rekord(team, belegt ? spalte : -1, false);
    z.rekord_einnahme = Stadion_Statistik_Rekord(team, belegt ? spalte : -1, true);
    return z;
}

std::vector<int32_t> Stadion_Statistik_Kurve(int32_t team, int32_t reihe)
{
    const Stadion_Statistik* st = statistik(team);
    if (!st || reihe < 0 || reihe > 4) return {};
    const int32_t n = st->eintraege < STADION_REIHE ? st->eintraege : STADION_REIHE;
    if (n < 2) return {};
    return std::vector<int32_t>(st->reihe[reihe], st->reihe[reihe] + n);
}

std::vector<std::string> Stadion_Statistik_Punkt_Info(int32_t team, int32_t punkt)
{
    const Stadion_Statistik* st = statistik(team);
    const int32_t n = st ? (st->eintraege < STADION_REIHE ? st->eintraege : STADION_REIHE) : 0;
    const int32_t h = punkt >= 0 && punkt < n ? heimspiel(team, st->reihe[5][punkt]) : -1;
    if (h < 0) return {"Keine Informationen verfügbar."};
    const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
    const std::string ergebnis = Spiele_Get_Ergebnis_Text(h, 1);
    Spiele_Unlock(h);
    return {formatiert("^c%#05d^tz%#04dStadionstatistik %d.Spieltag", 0, 0, (st->reihe[5][punkt] & 0xffff) + 1),
            formatiert(" Zuschauer: %d, %d Grad.", st->reihe[0][punkt], int32_t(s.temperatur)),
            formatiert(" Einnahmen: %s", Bank_Betrag_String(float(st->reihe[1][punkt]), team, -1, 0)),
            formatiert(" Durchschn. Eintrittspreis: %s", Bank_Betrag_String(float(st->reihe[2][punkt]), team, -1, 0)),
            formatiert(" Kosten des Stadions: %s", Bank_Betrag_String(float(st->reihe[3][punkt]), team, -1, 0)),
            formatiert(" Zustand des Stadions: %d %%", st->reihe[4][punkt]),
            formatiert("%s-%s %s", Team_String(194, s.heim, nullptr, 0), Team_String(194, s.gast, nullptr, 0), ergebnis.c_str())};
}
