// Pictures of the match overview (1538-1583): the digit strip of its minute clock, the header
// panels and button bars of its two pages, three faces per button (normal, hovered, disabled)
// with their labels, the clock, title, team and score boxes, the games-list marker with room
// for the radar and the radar's tiny pitch. RGB565.
#pragma once
#include <cstdint>

#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

constexpr int32_t UEBERSICHT_BILD_ERSTES = 1538, UEBERSICHT_BILD_LETZTES = 1583;

struct Uebersicht_Bild_Mass {
    uint16_t breite, hoehe;
    bool maske;
    const char* zweck;
};
// Sizes chosen so that the pictures fit the places the overview draws them at.
constexpr Uebersicht_Bild_Mass UEBERSICHT_BILD_MASSE[UEBERSICHT_BILD_LETZTES - UEBERSICHT_BILD_ERSTES + 1] = {
    {80, 12, true, "Uebersicht: Ziffernstreifen der Minutenuhr"},
    {340, 46, true, "Uebersicht: Kopf der Wettbewerbsseite"},
    {340, 36, true, "Uebersicht: Knopfleiste der Wettbewerbsseite"},
    {42, 24, false, "Uebersicht: Knopf < (normal)"}, {42, 24, false, "Uebersicht: Knopf < (ueber)"},
    {42, 24, false, "Uebersicht: Knopf < (aus)"},
    {42, 24, false, "Uebersicht: Knopf > (normal)"}, {42, 24, false, "Uebersicht: Knopf > (ueber)"},
    {42, 24, false, "Uebersicht: Knopf > (aus)"},
    {58, 30, false, "Uebersicht: Knopf Tabelle (normal)"}, {58, 30, false, "Uebersicht: Knopf Tabelle (ueber)"},
    {58, 30, false, "Uebersicht: Knopf Tabelle (aus)"},
    {58, 30, false, "Uebersicht: Knopf Spiele (normal)"}, {58, 30, false, "Uebersicht: Knopf Spiele (ueber)"},
    {58, 30, false, "Uebersicht: Knopf Spiele (aus)"},
    {40, 30, false, "Uebersicht: Knopf Ende (normal)"}, {40, 30, false, "Uebersicht: Knopf Ende (ueber)"},
    {40, 30, false, "Uebersicht: Knopf Ende (aus)"},
    {64, 30, false, "Uebersicht: Knopf Pause (normal)"}, {64, 30, false, "Uebersicht: Knopf Pause (ueber)"},
    {64, 30, false, "Uebersicht: Knopf Pause (aus)"},
    {52, 32, false, "Uebersicht: Uhrkasten der Wettbewerbsseite"},
    {280, 46, true, "Uebersicht: Titelkasten"},
    {72, 44, true, "Uebersicht: Marke der Spieleliste (Radar bei 14, 4)"},
    {55, 36, false, "Uebersicht: Radar-Spielfeld"},
    {380, 67, true, "Uebersicht: Kopf der Spielseite"},
    {380, 30, true, "Uebersicht: Knopfleiste der Spielseite"},
    {44, 24, false, "Uebersicht: Knopf Live (normal)"}, {44, 24, false, "Uebersicht: Knopf Live (ueber)"},
    {44, 24, false, "Uebersicht: Knopf Live (aus)"},
    {40, 24, false, "Uebersicht: Knopf Statistik (normal)"}, {40, 24, false, "Uebersicht: Knopf Statistik (ueber)"},
    {40, 24, false, "Uebersicht: Knopf Statistik (aus)"},
    {42, 24, false, "Uebersicht: Knopf Tore/Karten (normal)"}, {42, 24, false, "Uebersicht: Knopf Tore/Karten (ueber)"},
    {42, 24, false, "Uebersicht: Knopf Tore/Karten (aus)"},
    {56, 24, false, "Uebersicht: Knopf Pause, Spielseite (normal)"},
    {56, 24, false, "Uebersicht: Knopf Pause, Spielseite (ueber)"},
    {56, 24, false, "Uebersicht: Knopf Pause, Spielseite (aus)"},
    {38, 24, false, "Uebersicht: Knopf Zurueck (normal)"}, {38, 24, false, "Uebersicht: Knopf Zurueck (ueber)"},
    {38, 24, false, "Uebersicht: Knopf Zurueck (aus)"},
    {36, 12, false, "Uebersicht: Uhrkasten der Spielseite"},
    {160, 67, true, "Uebersicht: Kasten der Heimmannschaft"},
    {158, 67, false, "Uebersicht: Kasten der Gastmannschaft"},
    {55, 20, false, "Uebersicht: Spielstand"},
};
// Size and purpose of picture n (1538-1583); null for others.
inline const Uebersicht_Bild_Mass* Uebersicht_Bild_Masse(int32_t n)
{
    if (n >= UEBERSICHT_BILD_ERSTES && n <= UEBERSICHT_BILD_LETZTES) return &UEBERSICHT_BILD_MASSE[n - UEBERSICHT_BILD_ERSTES];
    return nullptr;
}

// True when the entry is one of these pictures; it is then drawn into `bild`.
bool Uebersicht_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild);
