#include "match/pitch/spielfeld_ansicht.h"

#include <cmath>

#include "graphics/grafik_fortschritt.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_abfragen.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/spielansicht.h"
#include "matchview/spielszenen.h"
#include "platform/debug.h"
#include "platform/print.h"

Spielszenen_Animation Spielszenen_Animationstabelle[SPIELSZENEN_ANIMATIONEN] = {};

namespace {

uint8_t geladen = 0;
constexpr float KMH_ZU_CMS = 27.7778f;

}  // namespace

uint8_t Spielfeld_Ansicht_Flag() { return geladen; }
void Spielfeld_Ansicht_Flag_Setzen(uint8_t wert) { geladen = wert ? 1 : 0; }

bool Spielfeld_Ansicht_Geladen() { return Spielfeld_Ist_Initialisiert() && geladen; }

void Spielfeld_Ansicht_Laden(Spielfeld_Record*)
{
    if (geladen) return;
    if (!Spielszenen_Grafik_Laden()) return;
    Grafik_Fortschritt_Sperren();
    geladen = 1;
}

void Spielfeld_Ansicht_Freigeben()
{
    Spielansicht_Beenden(0);
    Grafik_Fortschritt_Freigeben();
    if (!geladen) return;
    Spielszenen_Grafik_Freigeben();
    geladen = 0;
    Hintergrund_Show_Spiel_Dunkel();
}

void Spielfeld_Ansicht_Frame(Spielfeld_Record* r)
{
    if (!geladen) return;
    Spielszenen_Run(r, &Spielfeld_Steuerung, Spielfeld_Replay_Flag());
}

void Spielfeld_Animationen_Vorberechnen()
{
    for (int32_t i = 0; i < SPIELSZENEN_ANIMATIONEN; ++i) {
        Spielszenen_Animation& a = Spielszenen_Animationstabelle[i];
        a = SPIELSZENEN_ANIMATIONSDATEN[size_t(i)];
        if (a.bildrate != 0.0f) a.ms_pro_bild = 1000.0f / a.bildrate;
        a.dauer_faktor = float(a.bilder) * a.bildrate;
    }
}

bool Spielfeld_Punkt_Im_Feld(float x, float y)
{
    return x >= 0.0f && x <= float(Spielfeld_Masse[0]) && y >= 0.0f && y <= float(Spielfeld_Masse[1]);
}

float Spielfeld_Laufgeschwindigkeit(const Spielfeld_Spieler* e)
{
    if (!e) return 0.0f;
    float v = 23.88f + float(e->faehigkeit[FAEHIGKEIT_SPRITZIGKEIT]) * 0.005f + float(4 - int32_t(e->anweisung[0])) * 2.0f;
    if (float(e->kraft) * 0.0001f < 0.7f) v = v * float(e->kraft + 20) * 0.0001f;
    if (v < 10.0f) v = 10.0f;
    return v * KMH_ZU_CMS;
}

float Spielfeld_Laufgeschwindigkeit_Einsatz(const Spielfeld_Spieler* e, uint8_t ohne_kraft, int32_t einsatz)
{
    if (!e) return 0.0f;
    float v = 25.88f + float(e->faehigkeit[FAEHIGKEIT_SPRITZIGKEIT]) * 0.005f + float(4 - int32_t(e->anweisung[0])) * 2.0f -
              8.0f + float(einsatz) * 0.16129f;
    if (float(e->kraft) * 0.0001f < 0.1f && ohne_kraft == 0) v = v * float(e->kraft + 2000) * 0.0001f;
    if (v < 10.0f) v = 10.0f;
    return v * KMH_ZU_CMS;
}

void Spielfeld_Debug_Objekt_Ausgeben(const Spielfeld_Record* r, int32_t i)
{
    if (!r || i < 0 || i >= SPIELFELD_OBJEKTE) return;
    constexpr int KANAL = 990050;
    Print_Log(KANAL, "----------\n");
    if (i == SPIELFELD_SCHIEDSRICHTER) {
        const int32_t d = int32_t(Spielfeld_Entfernung_Zum_Tor(r, SPIELFELD_BALL));
        Print_Log(KANAL, "Ballbesitz:%d Torentf. Ball:%d.%d M.\n", int(r->ballhalter), int(d / 100), int(d % 100));
    } else {
        const int32_t t = int32_t(Spielfeld_Entfernung_Zum_Tor(r, i));
        const int32_t b = int32_t(Spielfeld_Entfernung_Objekte(r, i, SPIELFELD_BALL));
        Print_Log(KANAL, "Torentf. Spieler:%d.%d M.\n", int(t / 100), int(t % 100));
        Print_Log(KANAL, "Ballentf. Spieler:%d.%d M.\n", int(b / 100), int(b % 100));
    }
    Print_Log(KANAL, "Eigen im Rad 10M.: %d\n", int(Spielfeld_Umkreis_Suchen(r, 1000, 1, 3, i, 0, 0, nullptr, nullptr, nullptr, nullptr, 0)));
    Print_Log(KANAL, "Gegn. im Rad 10M.: %d\n", int(Spielfeld_Umkreis_Suchen(r, 1000, 2, 3, i, 0, 0, nullptr, nullptr, nullptr, nullptr, 0)));
}
