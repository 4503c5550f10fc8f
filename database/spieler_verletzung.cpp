// Injuries and illnesses of players: the table of the 42 kinds and the draw of a new injury.
#include <cstdio>

#include "database/spieler.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "platform/temp.h"
#include "platform/zufall.h"

namespace {

enum : uint8_t { IM_SPIEL = 1, VERLETZUNG = 2, KRANKHEIT = 4 };

struct Verletzung_Art {
    const char* name;
    uint8_t min, max, anlass, fachgebiet, selten;
};

const Verletzung_Art ARTEN[SP_VERLETZUNG_ARTEN] = {
    {"Erkältung", 2, 9, 4, 0, 0},
    {"Grippe", 4, 17, 4, 0, 0},
    {"Leichte Zerrung", 3, 12, 7, 9, 0},
    {"Schwere Bronchitis", 8, 19, 4, 0, 0},
    {"Schürfwunde am Bein", 1, 2, 6, 0, 0},
    {"Rückenverspannung", 2, 10, 4, 0, 0},
    {"Gehirnerschütterung", 8, 20, 7, 5, 0},
    {"Windpockenerkrankung", 8, 25, 4, 1, 1},
    {"Scharlacherkrankung", 7, 29, 4, 1, 0},
    {"Fischvergiftung", 3, 19, 4, 2, 0},
    {"Pilzvergiftung", 7, 26, 4, 2, 0},
    {"Fleischvergiftung", 9, 30, 4, 2, 0},
    {"Zwerchfellentzündung", 5, 15, 4, 0, 0},
    {"Platzwunde am Kopf", 1, 6, 7, 3, 0},
    {"Bluterguss am Knie", 2, 10, 3, 3, 0},
    {"Nasenbeinbruch", 7, 21, 3, 5, 0},
    {"Prellung am Knie", 4, 14, 3, 7, 0},
    {"Rißwunde am Bein", 3, 10, 3, 3, 0},
    {"Sehnenzerrung", 7, 19, 7, 7, 0},
    {"Oberschenkelzerrung", 6, 17, 3, 7, 0},
    {"Prellung des Knöchels", 4, 14, 3, 5, 0},
    {"Stauchung des Fußgelenkes", 3, 10, 3, 5, 0},
    {"Sprunggelenkprellung", 5, 14, 3, 7, 0},
    {"Bänderdehnung", 6, 21, 3, 9, 0},
    {"Bauchmuskelzerrung", 5, 19, 3, 7, 0},
    {"Außenbandanriß", 17, 33, 3, 9, 0},
    {"Schienbeinbruch", 90, 180, 11, 6, 0},
    {"Muskelfaserriß", 17, 60, 3, 10, 0},
    {"Meniskusverletzung", 85, 152, 3, 10, 0},
    {"Innenbandabriß", 55, 130, 3, 10, 0},
    {"Wadenbeinbruch", 80, 190, 11, 6, 0},
    {"Kapselriß", 85, 180, 11, 10, 0},
    {"Leistenbruch", 70, 95, 11, 6, 0},
    {"Kreuzbandriß", 170, 255, 11, 10, 0},
    {"Ohrenerkrankung", 35, 110, 4, 0, 0},
    {"Steißbeinprellung", 7, 28, 7, 0, 0},
    {"Salmonellenerkrankung", 14, 45, 4, 1, 0},
    {"Zahnwurzelentzündung", 7, 21, 4, 0, 0},
    {"Angina", 4, 20, 4, 1, 0},
    {"Hydrocephalus Magnus Internus", 230, 253, 6, 5, 1},
    {"Perforierte Appendicitis", 40, 80, 4, 2, 0},
    {"Blinddarmentzündung", 30, 60, 4, 1, 0},
};

constexpr int32_t LISTE_MAX = 10710;

// Where it happened, with the weight of each phrase in the draw.
struct Anlass {
    const char* text;
    int32_t gewicht;
};
const Anlass ANLAESSE[] = {
    {"beim Training", 6},         {"beim Waldlauf", 2},         {"im Kraftraum", 2},
    {"in seiner Freizeit", 3},    {"bei einem Sturz zu Hause", 1}, {"auf einer Autogrammstunde", 1},
};

const char* anlass_ziehen()
{
    int32_t summe = 0;
    for (const Anlass& a : ANLAESSE) summe += a.gewicht;
    int32_t r = Zufall(0, summe - 1);
    for (const Anlass& a : ANLAESSE) {
        if (r < a.gewicht) return a.text;
        r -= a.gewicht;
    }
    return ANLAESSE[0].text;
}

// The draw list gives each kind 255 - max days entries, so that long injuries are rare; only
// its length and the kind of an entry are needed.
int32_t eintraege(int32_t art, bool im_spiel)
{
    if (im_spiel && !(ARTEN[art].anlass & IM_SPIEL)) return 0;
    return 255 - ARTEN[art].max;
}

int32_t art_von_eintrag(int32_t eintrag, bool im_spiel)
{
    for (int32_t a = 0; a < SP_VERLETZUNG_ARTEN; ++a) {
        const int32_t n = eintraege(a, im_spiel);
        if (eintrag < n) return a;
        eintrag -= n;
    }
    return -1;
}

}  // namespace

int32_t Spieler_Verletzung_Listenlaenge(bool im_spiel)
{
    int32_t n = 0;
    for (int32_t a = 0; a < SP_VERLETZUNG_ARTEN; ++a) n += eintraege(a, im_spiel);
    if (n > LISTE_MAX) Print_Fehler("Spieler_Verletzen: mem zu klein!");
    return n;
}

int32_t Spieler_Verletzung_Fachgebiet(int32_t art)
{
    return art >= 0 && art < SP_VERLETZUNG_ARTEN ? ARTEN[art].fachgebiet : -1;
}

const char* Spieler_Verletzung_Name(int32_t art)
{
    if (art < 0 || art >= SP_VERLETZUNG_ARTEN) {
        Print_Fehler("Spieler_Verletzen: verl_nr falsch!");
        return "";
    }
    return ARTEN[art].name;
}

int32_t Spieler_Verletzung_Tage(int32_t art, bool maximum)
{
    if (art < 0 || art >= SP_VERLETZUNG_ARTEN) return 0;
    return maximum ? ARTEN[art].max : ARTEN[art].min;
}

int32_t Spieler_Verletzen(int32_t team, int32_t spnr, bool im_spiel)
{
    if (!welt::spieler_gueltig(spnr)) {
        Print_Fehler("Spieler_Verletzen: spnr falsch!");
        return -1;
    }
    if (Spieler_Wert(SP_VERLETZUNG_TAGE, spnr, 0, SP_LESEN) > 0) return -1;
    if (!im_spiel && Spieler_Wert(SP_ART, spnr, 0, SP_LESEN) == 0) {
        const int32_t torwart = Zufall(0, 2);
        if (torwart != 1) return -1;
    }
    const int32_t laenge = Spieler_Verletzung_Listenlaenge(im_spiel);
    if (laenge <= 0) return -1;
    // the list is longer than Zufall serves evenly
    const int32_t eintrag = Zufall_Gross(0, laenge - 1);
    int32_t art = art_von_eintrag(eintrag, im_spiel);
    const int32_t muenze = Zufall(0, 1);
    if (muenze == 1 && ARTEN[art].selten) {
        const int32_t zweiter = Zufall_Gross(0, laenge - 1);
        art = art_von_eintrag(zweiter, im_spiel);
    }
    if (art < 0) {
        Print_Fehler("Spieler_Verletzen: verl_nr falsch!");
        return -1;
    }
    if (welt::team_gueltig(team) && Teamspieler_Ist_Im_Team(team, spnr) >= 0)
        Teamspieler_Wert(317, team, spnr, static_cast<int32_t>(TS_ARZT), 8);
    const int32_t tage = Zufall(ARTEN[art].min, ARTEN[art].max);
    Spieler_Wert(SP_VERLETZUNG_TAGE, spnr, tage, SP_SCHREIBEN);
    Spieler_Wert(SP_VERLETZUNG_ZUSATZ, spnr, 0, SP_SCHREIBEN);
    Spieler_Wert(SP_VERLETZUNG_ART, spnr, art, SP_SCHREIBEN);

    if (!im_spiel && welt::mensch(team)) {
        bool krankheit = !(ARTEN[art].anlass & VERLETZUNG);
        if ((ARTEN[art].anlass & (VERLETZUNG | KRANKHEIT)) == (VERLETZUNG | KRANKHEIT)) {
            const int32_t wurf = Zufall(0, 100);
            krankheit = wurf <= 50;
        }
        const char* anlass = anlass_ziehen();
        welt::melden(team, krankheit ? Temp_Sprintf("Spieler %s zog sich %s eine %s zu.", welt::spieler_name(spnr),
                                                    anlass, ARTEN[art].name)
                                     : Temp_Sprintf("Spieler %s verletzte sich %s (Art der Verletzung: %s)",
                                                    welt::spieler_name(spnr), anlass, ARTEN[art].name));
    }
    return art;
}
