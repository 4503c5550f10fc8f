// The line-up screen's pictures and spoken help as the builder lists and draws them.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"
#include "tools/datagen/sound_synth.h"

namespace aufstellung_bild {

constexpr int16_t BILD = 14, DATEN = 16;
constexpr const char* SCR = "resf_scr.res";
constexpr int32_t HILFE_ERSTE = 2000, HILFE_LETZTE = 2025, HILFE_DATEI_BASIS = 6265, HILFE_SYNTH_VERSATZ = 200;

enum class Art { BRETT, FELD, KNOPF, OHR, DEKO, BALKEN, LED, ZURUECK, RADAR, TAFEL, UHR, RAHMEN, ZEILE, STUFEN,
                 RADIO, SCHIENE, GRIFF_KNOPF, LINIE, KURVE, GRIFF, SCHALTER };

struct Bild {
    int32_t nummer, w, h;
    Art art;
    bool maske, zweites;  // zweites: the highlighted picture follows at nummer + 1
    const char* zweck;
};

// Every picture of the screen; the second pictures are listed with their first.
inline const std::vector<Bild>& Aufstellung_Bilder()
{
    static const std::vector<Bild> b = [] {
        std::vector<Bild> v = {
            {1616, 640, 480, Art::BRETT, false, false, "Aufstellung: Hintergrund"},
            {1617, 414, 208, Art::FELD, false, false, "Aufstellung: Spielfeld-Tafel"},
            {1618, 13, 16, Art::KNOPF, true, true, "Aufstellung: Raumansicht links"},
            {1620, 13, 16, Art::KNOPF, true, true, "Aufstellung: Raumansicht rechts"},
            {1622, 13, 9, Art::KNOPF, true, true, "Aufstellung: alle offensiv"},
            {1624, 13, 9, Art::KNOPF, true, true, "Aufstellung: alle defensiv"},
            {1626, 40, 10, Art::KNOPF, true, true, "Aufstellung: Gegner-Trikots"},
            {1628, 40, 10, Art::KNOPF, true, true, "Aufstellung: Portraits"},
            {1630, 230, 40, Art::OHR, false, true, "Aufstellung: Ohr links"},
            {1632, 212, 40, Art::OHR, false, true, "Aufstellung: Ohr rechts"},
            {1634, 6, 140, Art::DEKO, true, false, "Aufstellung: Skala"},
            {1635, 8, 158, Art::DEKO, true, false, "Aufstellung: Skala"},
            {1636, 8, 158, Art::DEKO, true, false, "Aufstellung: Skala"},
            {1637, 6, 140, Art::DEKO, true, false, "Aufstellung: Skala"},
            {1638, 12, 160, Art::RAHMEN, false, false, "Aufstellung: Staerke-Rahmen heim"},
            {1639, 12, 160, Art::BALKEN, false, false, "Aufstellung: Staerke-Balken heim"},
            {1640, 12, 160, Art::RAHMEN, false, false, "Aufstellung: Staerke-Rahmen gast"},
            {1641, 12, 160, Art::BALKEN, false, false, "Aufstellung: Staerke-Balken gast"},
            {1642, 104, 130, Art::TAFEL, false, false, "Aufstellung: Auswechselbank gast"},
            {1643, 104, 130, Art::TAFEL, false, false, "Aufstellung: Auswechselbank heim"},
            {1644, 535, 222, Art::TAFEL, false, false, "Aufstellung: Spielerliste"},
            {1645, 540, 112, Art::TAFEL, false, false, "Spieldaten: untere Box"},
            {1646, 540, 110, Art::TAFEL, false, false, "Spieldaten: obere Box"},
            {1647, 14, 14, Art::LED, true, true, "Aufstellung: Seiten-LED"},
            {1649, 14, 14, Art::LED, true, true, "Aufstellung: Seiten-LED"},
            {1651, 14, 14, Art::LED, true, true, "Aufstellung: Seiten-LED"},
            {1653, 14, 14, Art::LED, true, true, "Aufstellung: Seiten-LED"},
            {1655, 34, 38, Art::ZURUECK, true, true, "Aufstellung: Zurueck"},
            {1657, 56, 36, Art::RADAR, false, false, "Aufstellung: Radar"},
            {1664, 198, 36, Art::UHR, false, false, "Aufstellung: Uhr"},
            {1667, 414, 208, Art::RAHMEN, false, false, "Anweisungen: Rahmen"},
            {1700, 414, 208, Art::RAHMEN, false, false, "Halbzeit-Ansprache: Rahmen"},
            {1711, 124, 17, Art::ZEILE, true, false, "Halbzeit-Ansprache: Tadel"},
            {1712, 124, 17, Art::ZEILE, true, false, "Halbzeit-Ansprache: Lob"},
            {1715, 40, 16, Art::SCHALTER, true, true, "Pause-Schalter"},
            {1717, 414, 208, Art::RAHMEN, false, false, "Ansprache vor dem Spiel: Rahmen"},
            {1728, 10, 100, Art::SCHIENE, false, false, "Spieldaten: Rollbalken-Schiene"},
            {1729, 10, 20, Art::GRIFF_KNOPF, true, false, "Spieldaten: Rollbalken-Knopf"},
            {1730, 500, 3, Art::LINIE, true, false, "Spieldaten: Ueberschrift-Linie"},
            {1731, 140, 131, Art::KURVE, false, false, "Motivation: Kurve"},
            {1732, 140, 131, Art::KURVE, false, false, "Motivation: Kurve leer"},
            {1733, 160, 16, Art::ZEILE, true, true, "Anweisung gilt fuer"},
        };
        for (int32_t i = 0; i < 5; ++i) v.push_back({1669 + i, 230, 17, Art::ZEILE, true, false, "Anweisungen: Knopfreihe"});
        for (int32_t i = 0; i < 25; ++i) v.push_back({1674 + i, 50, 12, Art::STUFEN, true, false, "Anweisungen: Stufe (5 je Reihe)"});
        for (int32_t i = 0; i < 10; ++i) v.push_back({1701 + i, 224, 16, Art::ZEILE, true, false, "Halbzeit-Ansprache: Punkt"});
        for (int32_t i = 0; i < 5; ++i) v.push_back({1718 + 2 * i, 20, 20, Art::RADIO, true, true, "Ansprache: Knopf"});
        for (int32_t i = 0; i < 6; ++i)
            v.push_back({197 + i, i < 4 ? 7 : 9, i < 4 ? 7 : 9, Art::GRIFF, true, false, "Aufstellung: Raum-Griff"});
        return v;
    }();
    return b;
}

}  // namespace aufstellung_bild

// Spoken help 2000-2025 (data.bin n + 6265), made like the other help sounds.
inline Resf_Bytes Aufstellung_Hilfe_Sprache(int32_t nummer)
{
    using namespace aufstellung_bild;
    return Sound_Synth_Hilfe(HILFE_SYNTH_VERSATZ + (nummer - HILFE_DATEI_BASIS - HILFE_ERSTE));
}

inline void Aufstellung_Manifest(std::vector<Manifest_Eintrag>& v)
{
    using namespace aufstellung_bild;
    for (const Bild& b : Aufstellung_Bilder())
        for (int32_t k = 0; k < (b.zweites ? 2 : 1); ++k)
            v.push_back({SCR, b.nummer + k, BILD, uint16_t(b.w), uint16_t(b.h), 0, 16, b.maske, b.zweck});
    for (int32_t n = HILFE_ERSTE; n <= HILFE_LETZTE; ++n) {
        const int32_t nummer = HILFE_DATEI_BASIS + n;
        v.push_back({"data.bin", nummer, DATEN, 0, 0, uint32_t(Aufstellung_Hilfe_Sprache(nummer).size()), 0, false,
                     "Hilfe-Sprache der Aufstellung (WAV), Nummer - 6265"});
    }
}

// Aufstellung_Resf_Daten (spielschirm_bilder.cpp, reached by the resource step): the entry's
// bytes when it is one of the screen's.
