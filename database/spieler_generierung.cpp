// Generated player values: strength windows, random invisible attributes and favourite
// positions, and the fitting of a computed strength to a target. Server only.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "platform/exit.h"
#include "platform/print.h"
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
// while it holds fewer than 299, the rest stay without a club.
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
            markiert[static_cast<size_t>(sp)] = 1;
            if (!pseudo) {
                const int32_t f = Team_Wert(168, t, 0, TEAM_LESEN);
                const char* land = Team_String(193, t, nullptr, 0);
                bool grosses_land = false;
                for (const char* l : {"Italien", "England", "Frankreich", "Spanien"})
                    grosses_land = grosses_land || (land && std::strcmp(land, l) == 0);
                if (((f & 1) && grosses_land) || ((f & 2) && !(f & 1))) continue;
            }
            int32_t monate = 12, gehalt = 0, abloese = 0;
            if (!pseudo) {
                monate = Zufall_Gross(4, 48);
                Spieler_Bewerte_Marktwert_Gehalt(t, sp, -1, -1, monate, &gehalt, &abloese, 0);
                const int32_t prozent = Zufall_Gross(80, 100);
                gehalt = gehalt * prozent / 100;
            }
            Teamspieler_Kommt_Oder_Geht(1, t, sp, gehalt, 0, monate, -1, false);
        }
    }
    if (Transfermarkt_Team < 0 || Transfermarkt_Team >= Team_Anzahl) {
        Print_Fehler("Spieler_Anpassen: TRANSFERMARKT nicht gefunden!\n");
        return;
    }
    for (int32_t sp = 0; sp < Spieler_Anzahl; ++sp) {
        if (markiert[static_cast<size_t>(sp)]) continue;
        if (T[Transfermarkt_Team].spieleranzahl >= 299) break;
        Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, sp, 0, 0, 12, -1, false);
    }
}
