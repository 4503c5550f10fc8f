// The strain check after a load, and the half-time promises kept after the game.
#include <algorithm>

#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "match/spielfeld.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t LAST_FAKTOR[20] = {130, 130, 125, 125, 120, 115, 115, 110, 110, 105,
                                     100, 95,  95,  90,  90,  85,  85,  80,  80,  75};
constexpr int32_t ZUG_VERSATZ[21] = {-4, -4, -5, -6, -7, -7, -8, -9, -10, -10, -9,
                                     -7, -6, -4, 0,  4,  8,  12, 16,  20,  26};
constexpr uint8_t KATEGORIE_PRAEMIE = 29;
constexpr int32_t ANSPRACHE_PRAEMIE = 0, ANSPRACHE_FREI = 1, ANSPRACHE_STRAFE = 9;

}  // namespace

namespace {

// The check from the sums of strength and stamina (a) and of pace and dribbling (b).
[[gnu::always_inline]] inline void pruefen(int32_t spieler, int32_t a, int32_t b, int32_t last, int32_t v, int32_t zwingen)
{
    const int32_t verhaeltnis = b == 0 ? 200 : a * 150 / b;
    const int32_t j = std::clamp(verhaeltnis - 50, 0, 190) / 10;
    const int32_t i = std::clamp(LAST_FAKTOR[j] * last / 100 - 15, 0, 20);
    if (!(zwingen & 0xFF)) {
        const int32_t zug = Zufall(0, ZUG_VERSATZ[i] + 29);
        if (zug >= 15) return;
    }
    if (v == 0) return;
    const int32_t d = std::min(std::max((v - 30) / 10, 1), std::max(v, 0));
    Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, spieler, std::max(v - d, 0), 1);
}

// A client (or a player beyond the records) reads the four values through Spieler_Wert. Kept
// apart, so that the check of a record read in place calls nothing before its draw.
[[gnu::noinline]] void pruefen_gelesen(int32_t spieler, int32_t last, int32_t v, int32_t zwingen)
{
    const int32_t kraft = Spieler_Wert(SP_KRAFT, spieler, 0, 0);
    const int32_t ausdauer = Spieler_Wert(SP_AUSDAUER, spieler, 0, 0);
    const int32_t spritzigkeit = Spieler_Wert(SP_SPRITZIGKEIT, spieler, 0, 0);
    const int32_t dribbling = Spieler_Wert(SP_DRIBBLING, spieler, 0, 0);
    pruefen(spieler, kraft + ausdauer, spritzigkeit + dribbling, last, v, zwingen);
}

}  // namespace

void Spielfeld_Belastung_Pruefen_Voll(int32_t team, int32_t spieler, int32_t last, int32_t v, int32_t zwingen)
{
    (void)team;
    // every player of every club each day: a server reads the four values straight from the
    // record, as Spieler_Wert reads them
    if (Netz_Rolle == 1 || !Spieler_Daten || spieler < 0 || spieler >= Spieler_Anzahl) {
        pruefen_gelesen(spieler, last, v, zwingen);
        return;
    }
    // Most players of every club carry no match exhaustion: there is nothing to take off, and
    // the draw that an unforced check makes decides nothing. The sequence steps all the same.
    if (v == 0) {
        if (!(zwingen & 0xFF)) Zufall(0, 0);
        return;
    }
    const auto& w = Spieler_Daten[spieler].attribute;
    pruefen(spieler, int32_t{w[SP_KRAFT - SP_KRAFT]} + int32_t{w[SP_AUSDAUER - SP_KRAFT]},
            int32_t{w[SP_SPRITZIGKEIT - SP_KRAFT]} + int32_t{w[SP_DRIBBLING - SP_KRAFT]}, last, v, zwingen);
}

void Spielfeld_Praemie_Strafe_Auszahlen(Spielfeld_Record* r, int32_t s, int32_t f)
{
    if (!r || s < 0 || s > 1) return;
    const int32_t team = int32_t(r->team[s]);
    const int32_t einheit = (Wettbewerb_Get_Liga_Niveau(team) * 1000 / 10000) * 100 * f;
    const int32_t eigene = r->tore[s], andere = r->tore[1 - s];
    const uint8_t* druecke = r->ansprache_druecke[s];
    if (druecke[ANSPRACHE_PRAEMIE] > 0 && eigene > andere) {
        const int32_t n = druecke[ANSPRACHE_PRAEMIE];
        const float betrag = float(einheit) * float(n);
        Schreibe_Überweisung(team, -1, betrag, KATEGORIE_PRAEMIE, 1, -1);
        News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                    "Die zusätzliche Prämie von ingesamt %s sorgt für gute Stimmung in Ihrer Mannschaft.",
                    Bank_Betrag_String(betrag, team, -1, 0));
        const int32_t m = Team_Wert(TEAM_MORAL, team, 0, 0);
        const int32_t grenze = Zufall_Gross(80, 99);
        if (m + n < grenze) Team_Wert(TEAM_MORAL, team, m + n, 1);
    }
    if (druecke[ANSPRACHE_STRAFE] > 0 && eigene < andere) {
        const float betrag = float(einheit) * float(druecke[ANSPRACHE_STRAFE]);
        News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                    "Die Strafe, von %s, die Ihre Spieler zahlen mussten, wird vom Vorstand für wohltätige Zwecke "
                    "gespendet.",
                    Bank_Betrag_String(betrag, team, -1, 0));
    }
    if (druecke[ANSPRACHE_FREI] > 0 && eigene > andere) Highscore_Punkte_Addieren(team, druecke[ANSPRACHE_FREI]);
}
