#include "tools/datagen/manifest.h"

#include <cstring>
#include <map>
#include <utility>
#include <string>

#include "economy/stadion.h"
#include "economy/stadion_schirm.h"
#include "economy/stadion_statistik_seite.h"
#include "economy/werbung.h"
#include "economy/werbung_schirm.h"
#include "tools/datagen/werbung_banden.h"
#include "screens/spieler_bilder.h"
#include "screens/personal_bilder.h"
#include "screens/spieler_training_bilder.h"
#include "screens/spieler_edit_bilder.h"
#include "screens/spielervergleich_bilder.h"
#include "match/pitch/spielfeld_animationen.h"
#include "matchview/live/spielszenen_grafik.h"
#include "matchview/live/spielszenen_szenerie.h"
#include "toolkit/menueleiste.h"
#include "toolkit/slave.h"
#include "tools/datagen/spielschirm_bilder.h"
#include "tools/datagen/gesicht_bilder.h"
#include "tools/datagen/oekonomie_bilder.h"
#include "tools/datagen/sound_synth.h"
#include "tools/datagen/uebersicht_bilder.h"
#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "competitions/statistik_teaminfo.h"

namespace {

constexpr int16_t BILD = 14, DATEN = 16, FONT = 17, SPRITE_LISTE = 38, SPRITE = 40, PALETTE = 48;

void bereich(std::vector<Manifest_Eintrag>& v, const char* datei, int32_t von, int32_t bis, int16_t typ,
             uint16_t w, uint16_t h, uint32_t groesse, uint8_t depth, bool maske, const char* zweck)
{
    for (int32_t n = von; n <= bis; ++n) v.push_back({datei, n, typ, w, h, groesse, depth, maske, zweck});
}

// The economy screens' pictures (drawn by the builder's oekonomie_bilder.cpp).
void oekonomie(std::vector<Manifest_Eintrag>& v)
{
    const char* scr = "resf_scr.res";
    v.push_back({scr, 444, BILD, 640, 480, 0, 16, false, "Bank: Finanzseiten"});
    v.push_back({scr, 445, BILD, 640, 480, 0, 16, false, "Bank: Anlagen und Boerse"});
    v.push_back({scr, 447, BILD, 640, 480, 0, 16, false, "Stadion: Ausbau"});
    v.push_back({scr, 448, BILD, 640, 480, 0, 16, false, "Stadion: Statistik"});
    v.push_back({scr, 449, BILD, 640, 480, 0, 16, false, "Stadion: Ereignisse"});
    v.push_back({scr, OEKONOMIE_STADION_PLAN, BILD, STADION_PLAN_BREITE, STADION_PLAN_HOEHE, 0, 16, false,
                 "Stadionplan mit 22 Flaechen (Icon 2165)"});
    for (int32_t m = 1; m < STADION_MODELLE; ++m)
        v.push_back({scr, Stadion_Modell[m].bild, BILD, 80, 60, 0, 16, false, "Stadion-Modell (Bildnummer des Modells)"});
    for (int32_t i = 0; i < 3; ++i)
        v.push_back({scr, OEKONOMIE_BALKEN + i, BILD, 12, STADION_BALKEN_FELD, 0, 16, true,
                     "Statistikbalken Zustand, Kosten, Fans"});
    for (int32_t c = 0; c < 7; ++c) v.push_back({scr, OEKONOMIE_LAGER + c, BILD, 120, 80, 0, 16, false, "Trainingslager"});
    v.push_back({scr, OEKONOMIE_AUKTION, BILD, 640, 480, 0, 16, false, "Auktion: Hintergrund"});
    for (int32_t c = 1; c <= 7; ++c)
        v.push_back({scr, OEKONOMIE_AUKTION + c, BILD, 80, 250, 0, 16, true, "Auktion: Saeule (Spalte = Nummer - 463)"});
    for (int32_t c = 8; c <= 11; ++c)
        v.push_back({scr, OEKONOMIE_AUKTION + c, BILD, 16, 102, 0, 16, true, "Auktion: Balken (zwei Paare)"});
}

// The live match view's scene: pitches, animations, frame and panels, signs and sounds.
void spielszenen(std::vector<Manifest_Eintrag>& v)
{
    const char* scr = "resf_scr.res";
    // each look's half-size picture right after its full-size one, so the builder draws it once
    for (int32_t i = 0; i < 60; ++i) {
        const int32_t voll = SZ_HINTERGRUND_ERSTES + (i / 12) * 24 + i % 12;
        v.push_back({scr, voll, BILD, SZ_BILD_BREITE, SZ_BILD_HOEHE, 0, 8, false, "Spielfeld (Art, Wetter, Seite nach Nummer)"});
        v.push_back({scr, voll + 12, BILD, SZ_BILD_HALB_BREITE, SZ_BILD_HALB_HOEHE, 0, 8, false, "Spielfeld halbe Groesse"});
    }
    bereich(v, scr, SZ_RAHMEN, SZ_RAHMEN + 4, BILD, 640, 480, 0, 16, false, "Rahmen der Live-Ansicht (Stil = Nummer - 1735)");
    for (const Spielszenen_Festbild& f : SZ_FESTBILD)
        for (int32_t n = f.erste; n < f.erste + f.anzahl; ++n)
            bereich(v, scr, n, n, BILD, uint16_t(f.breite), uint16_t(f.hoehe), 0, 16,
                    n == SZ_TAKTIK_SCHLIESSEN || n == SZ_TAKTIK_REGLER || (n >= SZ_ERGEBNIS_KNOPF && n < SZ_ERGEBNIS_KNOPF + 3),
                    "Live-Ansicht: Seitenleiste und Panels");
    bereich(v, scr, SZ_BALKEN_GRUND, SZ_BALKEN_VOLL, BILD, 30, 5, 0, 16, false, "Live-Ansicht: Werte-Balken (Grund, Fuellung)");
    bereich(v, scr, SZ_MARKEN_ERSTE, SZ_MARKEN_ERSTE + SZ_MARKEN - 1, BILD, 12, 12, 0, 16, true,
            "Live-Ansicht: Zeichen (Tor, weitere, Rot, Gelb, Gelb-Rot, weitere)");
    bereich(v, scr, SZ_EREIGNIS_SCHLIESSEN, SZ_EREIGNIS_SCHLIESSEN, BILD, 16, 16, 0, 16, true, "Ereignisliste: Schliessen hell");
    bereich(v, scr, SZ_EREIGNIS_KOPF, SZ_EREIGNIS_KOPF, BILD, 292, 30, 0, 16, false, "Ereignisliste: Kopf");
    bereich(v, scr, SZ_TABELLE_KOPF, SZ_TABELLE_KOPF, BILD, 284, 36, 0, 16, false, "Tabelle: Kopf");
    bereich(v, scr, SZ_TABELLE_FUSS, SZ_TABELLE_FUSS, BILD, 284, 38, 0, 16, false, "Tabelle: Fuss mit Knoepfen");
    bereich(v, scr, SZ_TABELLE_INHALT, SZ_TABELLE_INHALT, BILD, 42, 24, 0, 16, true, "Tabelle: Knopf Inhalt hell");
    bereich(v, scr, SZ_TABELLE_ART, SZ_TABELLE_ART, BILD, 30, 24, 0, 16, true, "Tabelle: Knopf Darstellung hell");
    bereich(v, scr, SZ_EREIGNIS_FUSS, SZ_EREIGNIS_FUSS, BILD, 292, 18, 0, 16, false, "Ereignisliste: Fuss");
    bereich(v, scr, SZ_KOPFZEILE, SZ_KOPFZEILE + 2, BILD, SZ_KOPF_BREITE, SZ_KOPF_HOEHE, 0, 16, false, "Spielstand-Leiste (Seite 0, 1, keine)");
    bereich(v, scr, SZ_KOPFZEILE + 3, SZ_KOPFZEILE + 5, BILD, SZ_KOPF_HALB_BREITE, SZ_KOPF_HOEHE, 0, 16, false,
            "Spielstand-Leiste Viertelfenster");
    for (const Spielszenen_Bildgruppe& g : SZ_BILDGRUPPE) {
        if (g.anzahl == 0 || g.erste == SZ_RUECKENNUMMER) continue;
        uint16_t w = 12, h = 12;
        if (g.erste == SZ_BALKEN_RAHMEN || g.erste == SZ_BALKEN_FUELLUNG) w = SZ_BALKEN_BREITE, h = SZ_BALKEN_HOEHE;
        else if (g.erste == SZ_ZEIGER) w = h = 32;
        else if (g.erste == SZ_RING) w = 22, h = 8;
        else if (g.erste == 1798 || g.erste == 1806) w = h = 16;
        bereich(v, scr, g.erste, g.erste + g.anzahl - 1, SPRITE, w, h, 0, 16, false, "Live-Ansicht: Zeichen und Symbole");
    }
    for (int32_t c = 0; c < SPIELSZENEN_ANIMATIONEN; ++c) {
        const Spielszenen_Animation& a = SPIELSZENEN_ANIMATIONSDATEN[size_t(c)];
        uint16_t w = 24, h = 32;
        if (c >= 9 && c <= 11) w = 8, h = 10;
        else if (c >= 12 && c <= 15) w = 10, h = 22;
        else if (c >= 16 && c <= 31) w = (c - 16) % 4 == 0 ? 150 : 1, h = (c - 16) % 4 == 0 ? 56 : 1;
        const int32_t erste = Spielszenen_Animation_Erste_Resource(c);
        bereich(v, scr, erste, erste + a.richtungen - 1, SPRITE_LISTE, w, h, uint32_t(a.bilder), 8, false,
                "Animation (Code = (Nummer - 7000) / 8, Richtung = Rest)");
    }
    bereich(v, scr, SZ_TRIBUENE_ERSTE, SZ_TRIBUENE_HALB - 1, SPRITE, SZ_BILD_BREITE, SZ_BILD_HOEHE, 0, 16, false,
            "Tribuene (Art, Form, Seite, Abschnitt; liegt an ihrem Platz im Spielfeld)");
    bereich(v, scr, SZ_TRIBUENE_HALB, SZ_TRIBUENE_LETZTE, SPRITE, SZ_BILD_HALB_BREITE, SZ_BILD_HALB_HOEHE, 0, 16, false,
            "Tribuene halbe Groesse");
    for (int32_t reihe = 0; reihe < SZ_ZUSCHAUER_REIHEN; ++reihe)
        v.push_back({scr, SZ_ZUSCHAUER_ERSTE + reihe, SPRITE_LISTE, SZ_ZUSCHAUER_BREITE, SZ_ZUSCHAUER_HOEHE,
                     uint32_t(SZ_ZUSCHAUER_BLICKE * Spielszenen_Zuschauer_Bilder(reihe)), 8, false,
                     "Zuschauer-Reihe (Bilder je Blickrichtung 0-3 nacheinander)"});
    bereich(v, scr, SZ_UEBERLAGERUNG, SZ_UEBERLAGERUNG + 7, SPRITE, SZ_UEBERLAGERUNG_BREITE, SZ_UEBERLAGERUNG_HOEHE, 0, 16, false,
            "Sitzlehne vor Zuschauern zweistoeckiger Tribuenen (Art 5, 6; Blickrichtung)");
    bereich(v, scr, SZ_BANK, SZ_BANK + 1, SPRITE, SZ_BANK_BREITE, SZ_BANK_HOEHE, 0, 16, false, "Trainerbank (gespiegelt +1)");
    bereich(v, scr, SZ_BANK + 2, SZ_BANK + 3, SPRITE, SZ_BANK_BREITE / 2, SZ_BANK_HOEHE / 2, 0, 16, false,
            "Trainerbank halbe Groesse (gespiegelt +1)");
    for (int32_t k = 0; k < SZ_TOR_ANIMATIONEN; ++k) {
        const bool ganz = k % 4 == 0;
        const int32_t bilder = k < 8 ? SPIELSZENEN_ANIMATIONSDATEN[size_t(16 + k)].bilder : 1;
        v.push_back({scr, SZ_TORE_HALB + k, SPRITE_LISTE, uint16_t(ganz ? 80 : 1), uint16_t(ganz ? 30 : 1), uint32_t(bilder), 8,
                     false, "Torteil halbe Groesse"});
    }
}

std::vector<Manifest_Eintrag> aufbauen()
{
    std::vector<Manifest_Eintrag> v;
    const char* scr = "resf_scr.res";
    bereich(v, scr, 139, 139, BILD, 32, 48, 0, 16, true, "Trikot-Grundbild 1");
    bereich(v, scr, 212, 212, BILD, 32, 48, 0, 16, true, "Trikot-Grundbild 2");
    bereich(v, scr, 328, 328, BILD, 32, 48, 0, 16, true, "Trikot-Grundbild 3");
    bereich(v, scr, 971, 971, BILD, 640, 480, 0, 16, false, "Menue-Hintergrund");
    // The pictures of the slave rastports, at their authored sizes.
    for (int32_t n = 0; n < MENUE_SLAVE_ANZAHL; ++n) {
        const Slave_Rastport* d = Menue_Slave_Beschreibung(n);
        if (d->code < MENUE_RESSOURCE_CODE) continue;
        bool maske = false;
        const char* zweck = Manifest_Slave_Zweck(n, &maske);
        v.push_back({scr, d->code - MENUE_RESSOURCE_CODE, BILD, uint16_t(d->breite), uint16_t(d->hoehe), 0, 16, maske, zweck});
    }
    bereich(v, scr, 1048, 1048, BILD, 640, 480, 0, 16, false, "Titelbild (Version bei 0, 8; auch abgedunkelt gezeigt)");
    bereich(v, scr, 1049, 1049, BILD, 640, 480, 0, 16, false, "Credits (Optionen-Menue)");
    bereich(v, scr, 1055, 1059, BILD, 40, 40, 0, 16, true, "Hauptgruppe (Icon 703 + Nummer - 1055)");
    bereich(v, scr, 1060, 1060, BILD, 19, 20, 0, 16, true, "Verlauf zurueck (Icon 722)");
    bereich(v, scr, 1061, 1061, BILD, 19, 20, 0, 16, true, "Verlauf vor (Icon 721)");
    bereich(v, scr, 1062, 1062, BILD, 42, 48, 0, 16, true, "Weiter (Icon 723)");
    bereich(v, scr, 1063, 1063, BILD, 40, 24, 0, 16, true, "Chat (Icon 762)");
    bereich(v, scr, 1050, 1054, BILD, MENUE_LEISTE_BREITE, MENUE_LEISTE_HOEHE, 0, 16, false, "Untermenue-Leiste, Knopf (Icon 2502 + Nummer - 1050)");
    bereich(v, scr, 1079, 1090, BILD, 48, 48, 0, 16, true, "Managerwappen (Nummer - 1079)");
    bereich(v, scr, 1229, 1229, BILD, 320, 200, 0, 16, true, "Bild in der Bildschirmmitte");
    bereich(v, scr, 1521, 1537, FONT, 0, 0, 0, 8, false, "Schrift der Grafikbibliothek (Slot = Nummer - 1521)");
    bereich(v, scr, 1838, 1937, SPRITE, 12, 9, 0, 16, false, "Rückennummer (Nummer - 1838)");
    bereich(v, scr, 3687, 3690, BILD, 150, 40, 0, 16, true, "Startmenue-Knopf ohne Text (Eintrag = Nummer - 3687)");
    bereich(v, scr, 3691, 3691, BILD, 640, 480, 0, 16, false, "Spiel-Hintergrund (Startmenue, abgedunkelt gezeigt)");
    bereich(v, scr, 3692, 3692, BILD, 290, 64, 0, 16, false, "Startmenue-Titelbild mit dem Spielnamen");
    bereich(v, scr, 3695, 3695 + MANIFEST_WETTBEWERBSENDE - 1, BILD, 640, 480, 0, 16, false,
            "Wettbewerbsende (Nummer - 3695 = GRAFIK_NUMMER)");
    // Code 5043 + n is entry 1043 + n: 718 "Ja", 719 "Nein", 720 "OK", 768 the inactive face; the
    // pressed face is kept for buttons that show one.
    bereich(v, scr, 1043, 1043, BILD, 80, 22, 0, 16, true, "Requester-Knopf Ja (Code 5043, Icon 718)");
    bereich(v, scr, 1044, 1044, BILD, 80, 22, 0, 16, true, "Requester-Knopf Nein (Code 5044, Icon 719)");
    bereich(v, scr, 1045, 1045, BILD, 80, 22, 0, 16, true, "Requester-Knopf OK (Code 5045, Icon 720)");
    bereich(v, scr, 1046, 1046, BILD, 80, 22, 0, 16, true, "Requester-Knopf inaktiv (Code 5046, Icon 768)");
    bereich(v, scr, 1047, 1047, BILD, 80, 22, 0, 16, true, "Requester-Knopf gedrueckt (Code 5047)");
    bereich(v, scr, 450, 450, BILD, 200, 150, 0, 16, false, "Startschirm Wettbewerbe (Eintrag 2003)");
    bereich(v, scr, 489, 489, BILD, 16, 12, 0, 16, true, "Hilfe-Blase: Icon-Marken");
    bereich(v, scr, 5530, 6129, BILD, 48, 48, 0, 16, true, "Vereinswappen (Nummer - 5530; 598 ohne Verein)");
    // The face parts of the portraits at their own sizes; each one's place is its bitmap offset.
    for (int32_t n = GESICHT_ERSTES; n <= GESICHT_LETZTES; ++n) {
        uint16_t w = 0, h = 0;
        if (n != GESICHT_LUECKE && Gesicht_Teil_Masse(n, &w, &h, nullptr, nullptr))
            v.push_back({scr, n, BILD, w, h, 0, 16, false, "Gesichtsteil des Portraits (Kategorie nach Nummer)"});
    }
    bereich(v, scr, 1227, 1227, BILD, 320, 120, 0, 16, true, "Titelbild der Transfersuche");
    bereich(v, scr, 1226, 1226, BILD, 320, 120, 0, 16, true, "Titelbild des Spielervergleichs");
    bereich(v, scr, 1228, 1228, BILD, 320, 120, 0, 16, true, "Zweites Titelbild des Spielervergleichs");
    // The player comparison: background, toggles, criterion button, competition buttons, range
    // handles and paging arrows.
    bereich(v, scr, VERGLEICH_BILD_HINTERGRUND, VERGLEICH_BILD_HINTERGRUND, BILD, 600, 440, 0, 16, false, "Spielervergleich: Hintergrund (bei 0, 40)");
    bereich(v, scr, VERGLEICH_BILD_SCHALTER, VERGLEICH_BILD_SCHALTER + 1, BILD, 14, 14, 0, 16, false, "Spielervergleich: Schalter aus/an (Icons 1671-1677, 1712)");
    bereich(v, scr, VERGLEICH_BILD_KRITERIUM, VERGLEICH_BILD_KRITERIUM, BILD, 150, 18, 0, 16, false, "Spielervergleich: Kriterium-Knopf (Icon 1713)");
    bereich(v, scr, VERGLEICH_BILD_WETTBEWERB, VERGLEICH_BILD_WETTBEWERB + 1, BILD, 32, 32, 0, 16, true, "Spielervergleich: Wettbewerbsknopf aus/an");
    bereich(v, scr, VERGLEICH_BILD_GRIFF, VERGLEICH_BILD_GRIFF + 1, BILD, 16, 10, 0, 16, false, "Spielervergleich: Griff Minuten/Spieltage (+1 inaktiv)");
    bereich(v, scr, VERGLEICH_BILD_PFEIL, VERGLEICH_BILD_PFEIL + 1, BILD, 14, 14, 0, 16, false, "Spielervergleich: Blaettern hoch/runter");
    bereich(v, scr, 1347, 1350, BILD, 30, 30, 0, 16, true, "Transfersuche: Assistent (Icon gleicher Nummer)");
    bereich(v, scr, 1351, 1362, BILD, 13, 12, 0, 16, true, "Transfersuche: Zeichen der Schalter (Icon gleicher Nummer)");
    // The line-up screen: background with the pitch, tactic faces, stored line-ups, slider,
    // the buttons' signs and the room handles.
    bereich(v, scr, 1330, 1330, BILD, 640, 480, 0, 16, false, "Mannschaftsaufstellung: Hintergrund, Spielfeld bei 226, 114");
    bereich(v, scr, 1261, 1268, BILD, 68, 12, 0, 16, false, "Mannschaftsaufstellung: Taktik-Schalter (Icon gleicher Nummer)");
    bereich(v, scr, 1269, 1269, BILD, 8, 11, 0, 16, true, "Mannschaftsaufstellung: Taktik auch trainieren");
    bereich(v, scr, 1271, 1276, BILD, 35, 23, 0, 16, false, "Mannschaftsaufstellung: gespeicherte Aufstellung (Feld quer)");
    bereich(v, scr, 1286, 1286, BILD, 15, 8, 0, 16, true, "Mannschaftsaufstellung: Einsatz-Regler");
    bereich(v, scr, 1288, 1289, BILD, 8, 8, 0, 16, true, "Mannschaftsaufstellung: Satz A/B");
    bereich(v, scr, 1291, 1295, BILD, 8, 8, 0, 16, true, "Mannschaftsaufstellung: Zeichen der Knoepfe (Icon gleicher Nummer)");
    bereich(v, scr, 1302, 1302, BILD, 8, 8, 0, 16, true, "Mannschaftsaufstellung: Koeppe an/aus");
    bereich(v, scr, 1341, 1346, BILD, 7, 7, 0, 16, true, "Mannschaftsaufstellung: Raum-Griffe (Ecken, Positionen)");
    // The player detail window: the window, its buttons' signs, the page toggles' frames, the
    // favourite-position pitch and the insurance companies' logos.
    bereich(v, scr, DETAIL_BILD_FENSTER, DETAIL_BILD_FENSTER, BILD, 600, 440, 0, 16, false, "Spieler-Detailfenster (Icon 923, bei 1, 40)");
    bereich(v, scr, DETAIL_BILD_KNOPF, DETAIL_BILD_KNOPF + 1, BILD, 36, 20, 0, 16, true, "Spieler-Detailfenster: zurueck/vor (Icons 905/906)");
    bereich(v, scr, DETAIL_BILD_KNOPF + 2, DETAIL_BILD_KNOPF + 2, BILD, 45, 20, 0, 16, true, "Spieler-Detailfenster: Fertig (Icon 907)");
    bereich(v, scr, DETAIL_BILD_SEITE, DETAIL_BILD_SEITE + 12, BILD, 140, 20, 0, 16, true, "Spieler-Detailfenster: Seitenschalter (Icon 908 + Nummer - 734)");
    bereich(v, scr, DETAIL_BILD_LIEBLINGSFELD, DETAIL_BILD_LIEBLINGSFELD, BILD, 75, 123, 0, 16, false, "Spieler-Detailfenster: Feld der Lieblingsposition");
    bereich(v, scr, VERSICHERUNG_BILD_LOGO, VERSICHERUNG_BILD_LOGO + 5, BILD, 90, 55, 0, 16, true, "Versicherungsgesellschaft: Logo (Nummer - 748)");
    bereich(v, scr, SUCHE_BILD_FELD, SUCHE_BILD_FELD, BILD, 72, 108, 0, 16, false, "Transfersuche: Feld eines Suchplatzes");
    bereich(v, scr, SUCHE_BILD_RAHMEN, SUCHE_BILD_RAHMEN + 1, BILD, 111, 140, 0, 16, false, "Transfersuche: Rahmen eines Suchplatzes (+1 aktiv)");
    bereich(v, scr, SUCHE_BILD_TOR, SUCHE_BILD_TOR + 1, BILD, 22, 8, 0, 16, true, "Transfersuche: Tor-Schalter (+1 an)");
    bereich(v, scr, SUCHE_BILD_AKTIV, SUCHE_BILD_AKTIV + 1, BILD, 10, 10, 0, 16, false, "Transfersuche: Aktiv-Schalter (+1 an)");
    bereich(v, scr, SUCHE_BILD_REGLER, SUCHE_BILD_REGLER, BILD, 8, 8, 0, 16, false, "Transfersuche: Griff eines Balkens");
    bereich(v, scr, SUCHE_BILD_ECKE, SUCHE_BILD_ECKE, BILD, 7, 7, 0, 16, false, "Transfersuche: Raum-Ecke");
    // The player lists and cards: flag marks, small figures and their marker, the card, the
    // player types; the line-up screen's assistant and doctor marks.
    bereich(v, scr, LISTE_BILD_MARKE, LISTE_BILD_MARKE + MARKE_ANZAHL - 1, BILD, 9, 9, 0, 16, true, "Spielerliste: Marke (verletzt, Behandlung, Sperre droht, Probe, Kapitaen, Freigabe, Angebot)");
    bereich(v, scr, LISTE_BILD_FIGUR, LISTE_BILD_FIGUR + 3, BILD, FIGUR_B, FIGUR_H, 0, 16, true, "Spielerkarte: kleine Figur (Art 0-3, grau, wird getoent)");
    bereich(v, scr, LISTE_BILD_FIGUR_MARKE, LISTE_BILD_FIGUR_MARKE, BILD, 7, 7, 0, 16, true, "Spielerkarte: Marke auf der Figur");
    bereich(v, scr, LISTE_BILD_KARTE, LISTE_BILD_KARTE, BILD, KARTE_B, KARTE_H, 0, 16, false, "Spielerkarte: Hintergrund (wird getoent)");
    bereich(v, scr, LISTE_BILD_TYP, LISTE_BILD_TYP + 3, BILD, 14, 14, 0, 16, true, "Spielerkarte: Spielertyp (Torwart .. Sturm, grau)");
    bereich(v, scr, AUFSTELLUNG_BILD_ASSI, AUFSTELLUNG_BILD_ASSI + 3, BILD, 10, 15, 0, 16, true, "Mannschaftsaufstellung: Assistent (Icons 1277-1280)");
    bereich(v, scr, AUFSTELLUNG_BILD_ARZT, AUFSTELLUNG_BILD_ARZT + 3, BILD, 10, 15, 0, 16, true, "Mannschaftsaufstellung: Arzt (Icons 1281-1284)");
    // The training page: background with the kind areas, slider handle, ball, glove, the
    // highlight frames, the K.O. bar and the trained tactic's switches (3 x switch + state).
    bereich(v, scr, TRAINING_BILD_HINTERGRUND, TRAINING_BILD_HINTERGRUND, BILD, 600, 440, 0, 16, false, "Training: Hintergrund mit 17 Trainingsarten (bei 0, 40)");
    bereich(v, scr, TRAINING_BILD_GRIFF, TRAINING_BILD_GRIFF, BILD, TRAINING_GRIFF_B, TRAINING_GRIFF_H, 0, 16, true, "Training: Griff des Reglers (Icon 1498)");
    bereich(v, scr, TRAINING_BILD_BALL, TRAINING_BILD_HANDSCHUH, BILD, 12, 12, 0, 16, true, "Training: Ball, Handschuh");
    bereich(v, scr, TRAINING_BILD_RAHMEN, TRAINING_BILD_RAHMEN_TW, BILD, TRAINING_FLAECHE_B, TRAINING_FLAECHE_H, 0, 16, true, "Training: Rahmen Feldspieler-/Torwart-Art (Icons 1628-1642)");
    bereich(v, scr, TRAINING_BILD_KO, TRAINING_BILD_KO, BILD, TRAINING_KO_B, TRAINING_KO_H, 0, 16, false, "Training: K.O.-Balken (16 Segmente)");
    bereich(v, scr, TRAINING_BILD_SCHALTER, TRAINING_BILD_SCHALTER + 23, BILD, TRAINING_SCHALTER_B, TRAINING_SCHALTER_H, 0, 16, false, "Training: Taktik-Schalter (3 x Schalter + Stufe)");
    // The staff screen's applicants: invented faces, head and shoulders.
    bereich(v, scr, PERSONAL_BILD_ASSI, PERSONAL_BILD_ASSI + 7, BILD, PERSONAL_BILD_B, PERSONAL_BILD_H, 0, 16, false, "Personal: Bild eines Assistenten (Nummer - 3111)");
    bereich(v, scr, PERSONAL_BILD_ARZT, PERSONAL_BILD_ARZT + 7, BILD, PERSONAL_BILD_B, PERSONAL_BILD_H, 0, 16, false, "Personal: Bild eines Arztes (Nummer - 3119)");
    bereich(v, scr, PERSONAL_BILD_BEWERBER, PERSONAL_BILD_BEWERBER + 31, BILD, PERSONAL_BEWERBER_B, PERSONAL_BEWERBER_B, 0, 16, false, "Personal: Bewerber-Icon (+16 Arzt, +8 angestellt, + Bewerber)");
    bereich(v, scr, PERSONAL_BILD_PFEIL, PERSONAL_BILD_PFEIL + 1, BILD, PERSONAL_PFEIL_B, PERSONAL_PFEIL_H, 0, 16, false, "Personal: Blaettern zurueck, vor (Icons 1132, 1133)");
    bereich(v, scr, PERSONAL_BILD_BEREICH, PERSONAL_BILD_BEREICH + 5, BILD, PERSONAL_SYMBOL_B, PERSONAL_SYMBOL_B, 0, 16, true, "Personal: Symbol eines Aufgabenbereichs (Icons 1097-1102)");
    bereich(v, scr, PERSONAL_BILD_FACH, PERSONAL_BILD_FACH + 10, BILD, PERSONAL_SYMBOL_B, PERSONAL_SYMBOL_B, 0, 16, true, "Personal: Symbol eines Fachgebiets (Icons 1104-1114)");
    // The player and club editors: windows, field faces, category buttons, the perspective pitch
    // and its handles, an empty crest's place.
    bereich(v, scr, EDIT_BILD_SPIELER, EDIT_BILD_SPIELER, BILD, 290, 250, 0, 16, false, "Spieler-Editor: Fenster");
    bereich(v, scr, EDIT_BILD_VEREIN, EDIT_BILD_VEREIN, BILD, 400, 252, 0, 16, false, "Vereins-Editor: Fenster");
    bereich(v, scr, EDIT_BILD_FELD, EDIT_BILD_FELD + 1, BILD, EDIT_FELD_B, EDIT_FELD_H, 0, 16, false, "Editoren: Feld (+1 nicht waehlbar)");
    bereich(v, scr, EDIT_BILD_KATEGORIE, EDIT_BILD_KATEGORIE + 1, BILD, 14, 14, 0, 16, false, "Spieler-Editor: Gesichtskategorie (+1 leer)");
    bereich(v, scr, EDIT_BILD_SPIELFELD, EDIT_BILD_SPIELFELD, BILD, 117, 71, 0, 16, false, "Spieler-Editor: Spielfeld in Perspektive");
    bereich(v, scr, EDIT_BILD_GRIFF, EDIT_BILD_GRIFF + 1, BILD, 7, 7, 0, 16, true, "Spieler-Editor: Positionsgriff (+1 im Tor)");
    bereich(v, scr, EDIT_BILD_TORGRIFF, EDIT_BILD_TORGRIFF + 1, BILD, 12, 4, 0, 16, false, "Spieler-Editor: Torgriff (+1 an)");
    bereich(v, scr, EDIT_BILD_WAPPEN, EDIT_BILD_WAPPEN, BILD, 40, 40, 0, 16, false, "Vereins-Editor: Platz des Wappens");
    // The kit figures of the player editors: eight 8-bit frames each, and the figures' palette.
    v.push_back({scr, 2881, SPRITE_LISTE, 24, 40, 8, 8, false, "Trikotfigur Feldspieler (8 Bilder)"});
    v.push_back({scr, 3170, SPRITE_LISTE, 24, 40, 8, 8, false, "Trikotfigur Torwart mit Handschuhen (8 Bilder)"});
    v.push_back({scr, 1998, PALETTE, 0, 0, 768, 0, false, "Palette der Trikotfiguren"});
    bereich(v, scr, 6213, 6232, BILD, 32, 32, 0, 16, true, "Mauszeiger");
    bereich(v, scr, 6240, 6240, BILD, 640, 480, 0, 16, false, "Bildschirm-Hintergrund");
    bereich(v, scr, 6233, 6237, BILD, 8, 14, 0, 16, true, "Tabellenpfeil (6233 tief runter .. 6237 hoch rauf)");
    bereich(v, scr, 6238, 6238, BILD, 640, 480, 0, 16, false, "Elf des Tages: Spielfeld mit 1-3-4-3");
    bereich(v, scr, 1382, 1382 + MANIFEST_WETTBEWERBE - 1, BILD, 40, 40, 0, 16, true,
            "Wettbewerbsbild (Nummer - 1382 = GRAFIK_NUMMER)");
    // The league tables screen: option faces with their labels, the knobs.
    for (const Ligen_Tabelle_Knopf& k : LT_TABELLENKNOEPFE)
        v.push_back({scr, Ligen_Tabelle_Knopf_Bild(k.nummer), BILD, LT_KNOPF_BREITE, LT_KNOPF_HOEHE, 0, 16, false,
                     "Tabellen: Optionsknopf"});
    for (const Ligen_Tabelle_Knopf& k : LT_PAARUNGSKNOEPFE)
        v.push_back({scr, Ligen_Tabelle_Knopf_Bild(k.nummer), BILD, LT_KNOPF_BREITE, LT_PAARUNGSKNOPF_HOEHE, 0, 16, false,
                     "Tabellen: Paarungsknopf"});
    // The team information screen: the buttons' faces and the frame; the team comparison: its
    // buttons and background.
    for (const Teaminfo_Knopf& k : TI_KNOEPFE)
        v.push_back({scr, k.nummer, BILD, uint16_t(k.breite), uint16_t(k.hoehe), 0, 16, false, "Teaminformation: Knopf"});
    bereich(v, scr, TI_RAHMEN, TI_RAHMEN, BILD, TI_RAHMEN_BREITE, TI_RAHMEN_HOEHE, 0, 16, false, "Teaminformation: Rahmen");
    for (const Ligen_Tabelle_Knopf& k : TV_KNOEPFE)
        v.push_back({scr, k.nummer, BILD, TV_KNOPF_BREITE, TV_KNOPF_HOEHE, 0, 16, false, "Teamvergleich: Knopf"});
    bereich(v, scr, TV_HINTERGRUND, TV_HINTERGRUND, BILD, 640, 480, 0, 16, false, "Teamvergleich: Hintergrund");
    bereich(v, scr, LT_BILD_TAGKNOPF, LT_BILD_TAGKNOPF, BILD, LT_TAGKNOPF_BREITE, LT_TAGKNOPF_HOEHE, 0, 16, true, "Tabellen: Griff des Spieltags");
    bereich(v, scr, LT_BILD_VONKNOPF, LT_BILD_BISKNOPF, BILD, LT_BEREICHKNOPF_BREITE, LT_BEREICHKNOPF_HOEHE, 0, 16, true,
            "Tabellen: Griffe von/bis Spieltag");
    // The match overview's pictures.
    for (int32_t n = UEBERSICHT_BILD_ERSTES; n <= UEBERSICHT_BILD_LETZTES; ++n) {
        const Uebersicht_Bild_Mass* m = Uebersicht_Bild_Masse(n);
        v.push_back({scr, n, BILD, m->breite, m->hoehe, 0, 16, m->maske, m->zweck});
    }
    // The synthesised sounds with their real sizes: effects and menu tunes in the screen file,
    // the spoken help in data.bin.
    for (const Sound_Synth_Eintrag& s : Sound_Synth_Eintraege()) {
        const char* zweck = s.nummer >= SOUND_SYNTH_HILFE_BASIS ? "Hilfe-Sprache (WAV, gestreamt), Nummer - 6265"
                            : s.nummer >= SOUND_SYNTH_MENUE_BASIS ? "Menue-Klang (WAV), Nummer - 1609"
                                                                  : "Effekt-Klang (WAV)";
        uint32_t groesse = uint32_t(Sound_Synth_Bytes(s.nummer).size());
        v.push_back({s.datei, s.nummer, DATEN, 0, 0, groesse, 0, false, zweck});
    }
    oekonomie(v);
    spielszenen(v);
    Aufstellung_Manifest(v);
    // The sponsors' logos; the advertising screen shows them in this order.
    bereich(v, "werbung.res", 0, 19, BILD, 96, 48, 0, 16, false, "Werbepartner-Bild");
    v.push_back({"werbung.res", WERBUNG_BILD_ARTEN_EINTRAG, DATEN, 0, 0, sizeof WERBUNG_BILD_ARTEN, 0, false,
                 "Art je Werbepartner-Bild (1 Bande, 2 Trikot, 4 Ausruestung, 8 TV)"});
    // The advertising screen's stadium and each of its spaces lit.
    v.push_back({"werbung.res", WERBUNG_STADION_BILD, BILD, WERBUNG_STADION_B, WERBUNG_STADION_H, 0, 16, false,
                 "Werbung: Stadion mit 14 Banden, Kamera, Tasche und Spielerbrust"});
    for (int32_t k = 0; k < WERBUNG_FLAECHEN; ++k)
        v.push_back({"werbung.res", WERBUNG_FLAECHE_BILD + k, BILD, uint16_t(WERBUNG_FLAECHE_ORT[k].b),
                     uint16_t(WERBUNG_FLAECHE_ORT[k].h), 0, 16, false, "Werbung: Werbeflaeche leuchtend (Nummer - 22)"});
    // The live view's boards: near and far side, board value v shows sponsor v - 1.
    bereich(v, "werbung.res", WERBUNG_BANDE_NAH, WERBUNG_BANDE_NAH + WERBUNG_BANDE_BILDER - 1, BILD, WERBUNG_BANDE_NAH_B,
            WERBUNG_BANDE_NAH_H, 0, 16, false, "Live-Bande nah");
    bereich(v, "werbung.res", WERBUNG_BANDE_FERN, WERBUNG_BANDE_FERN + WERBUNG_BANDE_BILDER - 1, BILD, WERBUNG_BANDE_FERN_B,
            WERBUNG_BANDE_FERN_H, 0, 16, false, "Live-Bande fern");
    return v;
}

} // namespace

const std::vector<Manifest_Datei>& Manifest_Dateien()
{
    static const std::vector<Manifest_Datei> d = {
        {"resf_scr.res", "resfile", true},
        {"data.bin", "", true},  // more than 3000 entries: shifted as well
        {"werbung.res", "resfile", false},
    };
    return d;
}

const std::vector<Manifest_Eintrag>& Manifest_Eintraege()
{
    static const std::vector<Manifest_Eintrag> e = aufbauen();
    return e;
}

int32_t Manifest_Index(const Manifest_Eintrag& e)
{
    for (const Manifest_Datei& d : Manifest_Dateien())
        if (std::strcmp(d.name, e.datei) == 0) return d.verschoben ? e.nummer - 24 : e.nummer;
    return -1;
}

bool Manifest_Pruefen(const std::vector<Manifest_Eintrag>& eintraege, std::string* fehler)
{
    std::map<std::pair<std::string, int32_t>, const Manifest_Eintrag*> belegt;
    for (const Manifest_Eintrag& e : eintraege) {
        int32_t index = Manifest_Index(e);
        if (index < 0) {
            if (fehler) *fehler = std::string(e.datei) + " " + std::to_string(e.nummer) + ": keine Indexposition";
            return false;
        }
        auto [platz, neu] = belegt.insert({{e.datei, index}, &e});
        if (!neu) {
            if (fehler)
                *fehler = std::string(e.datei) + ": Nummer " + std::to_string(e.nummer) + " (" + e.zweck +
                          ") belegt schon Nummer " + std::to_string(platz->second->nummer) + " (" +
                          platz->second->zweck + ")";
            return false;
        }
    }
    return true;
}

const char* Manifest_Slave_Zweck(int32_t n, bool* maske)
{
    bool m = true;
    const char* z;
    if (n == 48) z = "Briefkasten voll (Slave 48)";
    else if (n == 49) z = "Briefkasten leer (Slave 49)";
    else if (n == 53) z = "Hinweis vor dem Spielstart, bei 0, 0 (Slave 53)";
    else if (n == 57) z = "Gelbe Karte (Slave 57)";
    else if (n == 58) z = "Gelb-Rote Karte (Slave 58)";
    else if (n == 59) z = "Rote Karte (Slave 59)";
    else if (n == 50) z = "Namenszeichen Konferenz (Slave 50)";
    else if (n == 51) z = "Namenszeichen Live-Kamera (Slave 51)";
    else if (n == 52) z = "Namenszeichen leer (Slave 52)";
    else if (n == 55) z = "Namenszeichen beobachtet (Slave 55)";
    else if (n >= 170 && n <= 175) z = "Wippe, gedrueckte Zone (Slave 170 + Zone)";
    else if (n == 358) z = "Trennlinie (Slave 358)", m = false;
    else if (n == 359) z = "Kurvenmarke (Slave 359)";
    else if (n >= 368 && n <= 395) z = "Attributbild (Slave 368 + Index)";
    else if (n >= 162 && n <= 165) z = "Schnellsortierung aus/an, links/rechts (Slave 162-165)", m = false;
    else if ((n >= 411 && n <= 435) || n == 445) z = "Rahmen (Slave 411-435, 445)";
    else if (n == 437) z = "Punkteabstand (Slave 437)";
    else if (n == 439) z = "Kurvenpunkt (Slave 439)";
    else if (n == 396 || n == 397) z = "Staerkebalken, Segment voll/leer (Slave 396/397, 3 Pixel)";
    else if (n == 398 || n == 399) z = "Staerkebalken, Kappe links/rechts (Slave 398/399)";
    else z = "Beschriftete Flaeche (Slave = Nummer - 3200)", m = false;
    if (maske) *maske = m;
    return z;
}
