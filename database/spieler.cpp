// Players: records, field-id accessors, byte images and the database start from the player
// configuration file.
//
// Byte images (little-endian):
//   main part, 50 bytes: 0 age; 2-19 nine i16 visible attributes; 20-34 fifteen invisible
//     attributes; 35 allrounder; 36 match exhaustion; 37 training exhaustion; 38 u16 experience;
//     40 form; 41 form tendency; 42 u16 counter 1; 44 u16 counter 2; 46 counter 3; 47 status;
//     48 injury kind; 49 injury days
//   fixed part, 36 bytes: 0-19 surname; 20-21 initial; 22 i16 picture; 24 i16 nation; 26 height;
//     28 u32 face; 32 colours; 34 i16 favourite position
//   client-egal part, 34 bytes: 0 back number; 1 home system; 2 offer counter; 4 offer value;
//     5 injury extra; 6-33 fourteen u16 talents
#include "database/spieler.h"
#include "database/welt_intern.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/string_util.h"
#include "platform/bytes.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "competitions/wettbewerb.h"
#include "platform/exit.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "platform/print.h"
#include "platform/temp.h"
#include "graphics/pic.h"
#include "graphics/grafik_fortschritt.h"
#include "platform/mem.h"
#include "platform/read_config.h"
#include "platform/wert.h"
#include "platform/zufall.h"
#include "screens/spieler_gesicht.h"
#include "toolkit/icon.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"
#include "platform/handle.h"

int32_t Spieler_Anzahl = 0;
Spieler_Struktur* Spieler_Daten = nullptr;
Spieler_Fix* Spieler_Fix_Daten = nullptr;
Spieler_Client_Egal* Spieler_Egal_Daten = nullptr;
uint8_t* Spieler_Client_Flags = nullptr;

const uint8_t Spieler_Attribut_Gewichte[4][24] = {
    {100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 100, 100, 100, 0, 100, 100, 100, 100},
    {120, 100, 120, 100, 80, 100, 80, 80, 80, 70, 90, 100, 70, 120, 80, 120, 100, 120, 100, 100, 100, 0, 0, 0},
    {85, 120, 90, 120, 110, 100, 90, 100, 100, 110, 100, 100, 100, 90, 90, 90, 100, 100, 100, 110, 100, 0, 0, 0},
    {100, 70, 120, 80, 70, 85, 120, 120, 120, 120, 110, 100, 110, 110, 120, 80, 100, 110, 100, 70, 100, 0, 0, 0},
};

const char* const Spieler_Attribut_Namen[29] = {
    "Kraft", "Ausdauer", "Zweikampf", "Übersicht", "Taktisches Verständnis", "Teamgeist",
    "Spritzigkeit", "Dribbling", "Torschuß", "Flanken", "Freistoß", "Elfmeter", "Ecken",
    "Kopfballstärke", "Torinstinkt", "Robustheit", "Nervenstärke", "Aggressivität", "Vereinstreue",
    "Allrounder", "Erfahrung", "Reflexe (TW)", "Herauslaufen (TW)", "Strafraumbeh. (TW)",
    "Kondition (Kraft + Ausdauer + Zweikampf)", "Intelligenz (Übersicht + Takt.Verst. + Teamgeist)",
    "Technik (Spritzigkeit + Dribbling + Torschuß)", "Torwart-Stärke", "Gesamt-Stärke",
};

namespace {

struct Grenze {
    int32_t min, max;
};

// Limits of the ids 45..109.
Grenze grenze(int32_t id)
{
    switch (id) {
    case SP_NAME: return {0, 19};
    case SP_VORNAME: return {0, 1};
    case SP_GESICHT: return {0, -1};
    case SP_FORMTENDENZ: return {0, 99};
    case SP_ANGEBOTSWERT: return {0, 127};
    case SP_ART: return {0, 3};
    case SP_KO: case SP_IN: case SP_TE: return {1, 999};
    case SP_NATION: return {0, 32000};
    case SP_GROESSE: return {150, 214};
    case SP_ALTER: return {15, 45};
    case SP_LIEBLINGSPOS: return {0, 459};
    case SP_ERFAHRUNG: return {0, 299};
    case SP_FORM: case SP_SPIEL_ERSCHOEPFUNG: case SP_TRAININGS_ERSCHOEPFUNG: return {0, 99};
    case SP_VERLETZUNG_ZUSATZ: return {0, 255};
    case SP_VERLETZUNG_ART: return {0, 41};
    case SP_VERLETZUNG_TAGE: return {0, 255};
    case SP_VORNAME_2_STELLIG: return {0, 3};
    case SP_K_I_T: case SP_K_I_T_FORM: return {1, 999};
    case SP_HAARFARBE: case SP_HAUTFARBE: return {0, 7};
    case SP_TORWART_STAERKE: return {1, 999};
    case SP_RUECKENNUMMER: return {0, 99};
    case SP_BILDNUMMER: return {0, 32000};
    case SP_TALENT: return {-1, -1};
    case SP_NAME_LAND: case SP_NAME_BEOBACHTET: case SP_NAME_LAND_BEOBACHTET: return {0, 19};
    case SP_VOLLNAME: case SP_VOLLNAME_LAND: return {0, 34};
    // Stored in a signed byte: the league systems in use are numbered below 128, and a larger
    // value would wrap into a negative system.
    case SP_HEIMATSYSTEM: return {0, 127};
    case SP_ANGEBOTSZAEHLER: return {-1, 127};
    case SP_STATUS: return {0, 255};
    case SP_ATTRIBUT128: case SP_ATTRIBUT1024: return {-1, -1};
    case SP_ZAEHLER_1: case SP_ZAEHLER_2: return {0, 64000};
    case SP_ZAEHLER_3: return {0, 255};
    default: break;
    }
    if (id >= SP_KRAFT && id <= SP_TORSCHUSS) return {1, 999};
    if ((id >= SP_FLANKEN && id <= SP_ALLROUNDER) || (id >= SP_REFLEXE && id <= SP_STRAFRAUM)) return {0, 99};
    return {0, 0};
}

bool hat_grenze(int32_t id) { return id >= SP_NAME && id <= SP_ZAEHLER_3; }

bool spnr_gueltig(int32_t spnr) { return Spieler_Daten && spnr >= 0 && spnr < Spieler_Anzahl; }

bool ist_client() { return Netz_Rolle == 1; }

bool ist_torwart(int32_t spnr) { return Spieler_Fix_Daten[spnr].lieblingspos == SP_POS_TORWART; }

int32_t art_von(int32_t spnr) { return Spieler_Art_Von_Platz(Spieler_Fix_Daten[spnr].lieblingspos); }

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

int32_t k_i_t(int32_t spnr) { return begrenzt(Spieler_Staerke_Roh(Spieler_Daten[spnr], ist_torwart(spnr)), 1, 999); }

int32_t k_i_t_form(int32_t spnr)
{
    if (ist_torwart(spnr)) return begrenzt(Spieler_Daten[spnr].attribute[0], 1, 999);
    float s = static_cast<float>(Spieler_Summe_Sichtbar(Spieler_Daten[spnr]) / 9);
    float a = s * 0.8f;
    float b = (s * 0.2f) * static_cast<float>(Spieler_Daten[spnr].form) * 0.01f;
    return begrenzt(static_cast<int32_t>(a + b), 1, 999);
}

int32_t gruppe(int32_t spnr, int erster) { return Spieler_Gruppen_Wert(Spieler_Daten[spnr], erster); }

bool ist_attribut_id(int32_t id)
{
    return (id >= SP_KRAFT && id <= SP_VEREINSTREUE) || (id >= SP_REFLEXE && id <= SP_STRAFRAUM) ||
           id == SP_TORWART_STAERKE;
}

// The picture handle that marks a watched player in the name forms: the shared off-screen
// bitmap 55 when the acting club watches him, else 52.
uint32_t beobachtet_bild(int32_t spnr)
{
    int32_t slave = Aktuelles_Team >= 0 && Spieler_Ist_Beobachtet(Aktuelles_Team, spnr) ? 55 : 52;
    return Handle_Registrieren(Menue_Get_Slave_Rastport(slave), Handle_Art::Bild);
}

int32_t letzte_gute_datei = 0;
int32_t standard_datei() { return Konfiguration_Standard; }

}  // namespace

Spieler_Training_Tabellen Spieler_Training;

// --- byte images ---------------------------------------------------------------------------

void Spieler_Struktur_Packen(const Spieler_Struktur& s, uint8_t* b)
{
    std::memset(b, 0, SPIELER_STRUKTUR_BYTES);
    b[0] = s.alter;
    for (int i = 0; i < 9; ++i) Bytes_Setze16(b + 2 + 2 * i, static_cast<uint16_t>(s.attribute[i]));
    std::memcpy(b + 20, s.unsichtbar, 15);
    b[35] = s.allrounder;
    b[36] = s.spiel_erschoepfung;
    b[37] = s.trainings_erschoepfung;
    Bytes_Setze16(b + 38, s.erfahrung);
    b[40] = s.form;
    b[41] = s.formtendenz;
    Bytes_Setze16(b + 42, s.zaehler_1);
    Bytes_Setze16(b + 44, s.zaehler_2);
    b[46] = s.zaehler_3;
    b[47] = s.status;
    b[48] = s.verletzung_art;
    b[49] = s.verletzung_tage;
}

void Spieler_Struktur_Entpacken(const uint8_t* b, Spieler_Struktur& s)
{
    s.alter = b[0];
    for (int i = 0; i < 9; ++i) s.attribute[i] = static_cast<int16_t>(Bytes_Hole16(b + 2 + 2 * i));
    std::memcpy(s.unsichtbar, b + 20, 15);
    s.allrounder = b[35];
    s.spiel_erschoepfung = b[36];
    s.trainings_erschoepfung = b[37];
    s.erfahrung = Bytes_Hole16(b + 38);
    s.form = b[40];
    s.formtendenz = b[41];
    s.zaehler_1 = Bytes_Hole16(b + 42);
    s.zaehler_2 = Bytes_Hole16(b + 44);
    s.zaehler_3 = b[46];
    s.status = b[47];
    s.verletzung_art = b[48];
    s.verletzung_tage = b[49];
}

void Spieler_Fix_Packen(const Spieler_Fix& f, uint8_t* b)
{
    std::memset(b, 0, SPIELER_FIX_BYTES);
    std::memcpy(b, f.name, 20);
    b[19] = 0;
    std::memcpy(b + 20, f.vorname, 2);
    b[21] = 0;
    Bytes_Setze16(b + 22, static_cast<uint16_t>(f.bildnummer));
    Bytes_Setze16(b + 24, static_cast<uint16_t>(f.nation));
    b[26] = f.groesse;
    Bytes_Setze32(b + 28, f.gesicht);
    b[32] = f.farben;
    Bytes_Setze16(b + 34, static_cast<uint16_t>(f.lieblingspos));
}

void Spieler_Fix_Entpacken(const uint8_t* b, Spieler_Fix& f)
{
    std::memcpy(f.name, b, 20);
    std::memcpy(f.vorname, b + 20, 2);
    // Savegames and packets come from outside: their names are plain text.
    String_Klartext(f.name, sizeof f.name);
    String_Klartext(f.vorname, sizeof f.vorname);
    f.bildnummer = static_cast<int16_t>(Bytes_Hole16(b + 22));
    f.nation = static_cast<int16_t>(Bytes_Hole16(b + 24));
    f.groesse = b[26];
    f.gesicht = Bytes_Hole32(b + 28);
    f.farben = b[32];
    f.lieblingspos = static_cast<int16_t>(Bytes_Hole16(b + 34));
}

void Spieler_Egal_Packen(const Spieler_Client_Egal& e, uint8_t* b)
{
    std::memset(b, 0, SPIELER_EGAL_BYTES);
    b[0] = e.rueckennummer;
    b[1] = static_cast<uint8_t>(e.heimatsystem);
    b[2] = static_cast<uint8_t>(e.angebotszaehler);
    b[4] = static_cast<uint8_t>(e.angebotswert);
    b[5] = e.verletzung_zusatz;
    for (int i = 0; i < 14; ++i) Bytes_Setze16(b + 6 + 2 * i, e.talent[i]);
}

void Spieler_Egal_Entpacken(const uint8_t* b, Spieler_Client_Egal& e)
{
    e.rueckennummer = b[0];
    e.heimatsystem = static_cast<int8_t>(b[1]);
    e.angebotszaehler = static_cast<int8_t>(b[2]);
    e.angebotswert = static_cast<int8_t>(b[4]);
    e.verletzung_zusatz = b[5];
    for (int i = 0; i < 14; ++i) e.talent[i] = Bytes_Hole16(b + 6 + 2 * i);
}

// --- accessors -----------------------------------------------------------------------------

// Every access by field id: checks, bounds and modes (Spieler_Wert answers the commonest plain
// reads before it).
// Kept out of line: inlined, its frame set-up would burden every fast read.
[[gnu::noinline]] static int32_t wert_allgemein(int32_t id, int32_t spnr, int32_t wert, uint8_t modus)
{
    if (!spnr_gueltig(spnr)) {
        Print_Fehler("Fehler: Aufruf von Spieler_Wert mit spnr = %d !\n", spnr);
        return 0;
    }
    if (ist_client()) {
        if (modus == SP_SCHREIBEN) {
            Print_Fehler("Spieler_Wert: CLIENT-WRITE!");
            return 0;
        }
        if (id == SP_ANGEBOTSWERT || id == SP_VERLETZUNG_ZUSATZ || id == SP_RUECKENNUMMER ||
            id == SP_HEIMATSYSTEM || id == SP_ANGEBOTSZAEHLER) {
            Print_Fehler("Spieler_Wert: CLIENT-EGAL-ZUGRIFF!");
            return 0;
        }
        if (!Spieler_Client_Flags || Spieler_Client_Flags[spnr] != 3) Spieler_Internet_Client_Hole_Spieler(spnr);
    }

    // the bounds matter to a write and to a percentage only; a plain read is the common call
    const Grenze g = modus != SP_LESEN && hat_grenze(id) ? grenze(id) : Grenze{0, 0};
    if (modus != SP_LESEN && modus != SP_PROZENT && id != SP_GESICHT && hat_grenze(id)) {
        int32_t v = Wert_Im_Bereich(wert, g.min, g.max, -1);
        if (v != wert) {
            Print_Fehler("Spieler_Wert: Wert nicht innerhalb der Grenzen [%d,%d], wert=%d,modus=%d\n",
                         g.min, g.max, wert, modus);
            wert = v;
        }
    }

    Spieler_Struktur& s = Spieler_Daten[spnr];
    Spieler_Fix& f = Spieler_Fix_Daten[spnr];
    Spieler_Client_Egal& e = Spieler_Egal_Daten[spnr];
    const bool schreiben = modus == SP_SCHREIBEN;

    if (ist_attribut_id(id)) {
        if (!ist_torwart(spnr)) {
            bool fehlt = id == SP_TORWART_STAERKE ||
                         (id >= SP_REFLEXE && id <= SP_STRAFRAUM && Spieler_Attribut_Gewichte[1][id - SP_KRAFT] == 0);
            if (fehlt) {
                Print_Fehler("Spieler_Wert: TW-Attribut bei Feldspieler gelesen/beschrieben!");
                return -1;
            }
        }
        if (schreiben) {
            if (id == SP_TORWART_STAERKE) s.attribute[0] = static_cast<int16_t>(wert);
            else if (id <= SP_TORSCHUSS) s.attribute[id - SP_KRAFT] = static_cast<int16_t>(wert);
            else s.unsichtbar[id - SP_FLANKEN] = static_cast<uint8_t>(wert);
            return 1;
        }
        if (id == SP_TORWART_STAERKE) return s.attribute[0];
        if (id <= SP_TORSCHUSS) return s.attribute[id - SP_KRAFT];
        return s.unsichtbar[id - SP_FLANKEN];
    }

    int32_t v = wert;
    switch (id) {
    case SP_GESICHT:
        if (schreiben) f.gesicht = static_cast<uint32_t>(wert);
        else v = static_cast<int32_t>(f.gesicht);
        break;
    case SP_FORMTENDENZ:
        if (schreiben) s.formtendenz = static_cast<uint8_t>(wert); else v = s.formtendenz;
        break;
    case SP_ANGEBOTSWERT:
        if (schreiben) e.angebotswert = static_cast<int8_t>(wert); else v = e.angebotswert;
        break;
    case SP_ART:
        if (schreiben) Print_Fehler("Spieler_Wert: ART nicht beschreibbar!\n");
        else v = art_von(spnr);
        break;
    case SP_KO:
    case SP_IN:
    case SP_TE: {
        static const char* const TEXT[] = {"Spieler_Wert: KO nicht beschreibbar!\n",
                                           "Spieler_Wert: IN nicht beschreibbar!\n",
                                           "Spieler_Wert: TE nicht beschreibbar!\n"};
        if (schreiben || ist_torwart(spnr)) Print_Fehler("%s", TEXT[id - SP_KO]);
        v = gruppe(spnr, (id - SP_KO) * 3);
        break;
    }
    case SP_NATION:
        if (schreiben) f.nation = static_cast<int16_t>(wert); else v = f.nation;
        break;
    case SP_GROESSE:
        if (schreiben) f.groesse = static_cast<uint8_t>(wert); else v = f.groesse;
        break;
    case SP_ALTER:
        if (schreiben) s.alter = static_cast<uint8_t>(wert); else v = s.alter;
        break;
    case SP_LIEBLINGSPOS:
        if (schreiben) f.lieblingspos = static_cast<int16_t>(wert); else v = f.lieblingspos;
        break;
    case SP_ALLROUNDER:
        if (schreiben) s.allrounder = static_cast<uint8_t>(wert); else v = s.allrounder;
        break;
    case SP_ERFAHRUNG:
        if (schreiben) s.erfahrung = static_cast<uint16_t>(wert); else v = s.erfahrung;
        break;
    case SP_FORM:
        if (schreiben) s.form = static_cast<uint8_t>(wert); else v = s.form;
        break;
    case SP_SPIEL_ERSCHOEPFUNG:
        if (schreiben) s.spiel_erschoepfung = static_cast<uint8_t>(wert); else v = s.spiel_erschoepfung;
        break;
    case SP_VERLETZUNG_ZUSATZ:
        if (schreiben) e.verletzung_zusatz = static_cast<uint8_t>(wert); else v = e.verletzung_zusatz;
        break;
    case SP_VERLETZUNG_ART:
        if (schreiben) s.verletzung_art = static_cast<uint8_t>(wert); else v = s.verletzung_art;
        break;
    case SP_VERLETZUNG_TAGE:
        if (schreiben) s.verletzung_tage = static_cast<uint8_t>(wert); else v = s.verletzung_tage;
        break;
    case SP_TRAININGS_ERSCHOEPFUNG:
        if (schreiben) s.trainings_erschoepfung = static_cast<uint8_t>(wert); else v = s.trainings_erschoepfung;
        break;
    case SP_K_I_T:
    case SP_K_I_T_FORM:
        if (schreiben) Print_Fehler("Spieler_Wert: SP_K_I_T nicht beschreibbar!\n");
        v = id == SP_K_I_T ? k_i_t(spnr) : k_i_t_form(spnr);
        break;
    case SP_HAARFARBE:
        if (schreiben) f.farben = static_cast<uint8_t>((f.farben & 0x0F) | (wert << 4));
        else v = f.farben >> 4;
        break;
    case SP_HAUTFARBE:
        if (schreiben) f.farben = static_cast<uint8_t>((f.farben & 0xF0) | (wert & 0x0F));
        else v = f.farben & 0x0F;
        break;
    case SP_RUECKENNUMMER:
        if (schreiben) e.rueckennummer = static_cast<uint8_t>(wert); else v = e.rueckennummer;
        break;
    case SP_BILDNUMMER:
        if (schreiben) f.bildnummer = static_cast<int16_t>(wert); else v = f.bildnummer;
        break;
    case SP_HEIMATSYSTEM:
        if (schreiben) e.heimatsystem = static_cast<int8_t>(wert); else v = e.heimatsystem;
        break;
    case SP_ANGEBOTSZAEHLER:
        if (schreiben) e.angebotszaehler = static_cast<int8_t>(wert); else v = e.angebotszaehler;
        break;
    case SP_STATUS:
        switch (modus) {
        case SP_LESEN: v = s.status; break;
        case SP_SETZEN: s.status = static_cast<uint8_t>(s.status | wert); v = s.status; break;
        case SP_TOGGLE: s.status = static_cast<uint8_t>(s.status ^ wert); v = s.status; break;
        case SP_LOESCHEN: s.status = static_cast<uint8_t>(s.status & (255 - wert)); v = s.status; break;
        default: Print_Fehler("Spieler_Wert: WRITE bei Status!\n"); break;
        }
        return v;
    case SP_ZAEHLER_1:
    case SP_ZAEHLER_2:
    case SP_ZAEHLER_3: {
        if (modus == SP_ERHOEHEN) {
            // the count stops at the field's maximum instead of wrapping to 0
            if (id == SP_ZAEHLER_1 && s.zaehler_1 < 64000) ++s.zaehler_1;
            else if (id == SP_ZAEHLER_2 && s.zaehler_2 < 64000) ++s.zaehler_2;
            else if (id == SP_ZAEHLER_3 && s.zaehler_3 < 255) ++s.zaehler_3;
            return wert;
        }
        uint16_t* p16 = id == SP_ZAEHLER_1 ? &s.zaehler_1 : id == SP_ZAEHLER_2 ? &s.zaehler_2 : nullptr;
        if (schreiben) {
            if (p16) *p16 = static_cast<uint16_t>(wert); else s.zaehler_3 = static_cast<uint8_t>(wert);
        } else {
            v = p16 ? *p16 : s.zaehler_3;
        }
        break;
    }
    default:
        Print_Fehler("SPIELER_Wert: Falscher Parameter!\n");
        return wert;
    }

    if (v == -1) return v;
    if (modus == SP_PROZENT && g.max != g.min && id != SP_GESICHT) return (v - g.min) * 100 / (g.max - g.min);
    return v;
}

// The plain reads the day's jobs and the line-up ask for thousands of times a day (every stored
// field that reads without a complaint) are answered on a server before the general path, with
// the same figures. Reads that complain (a keeper's field of an outfield player, a group of a
// keeper) and all writes take the general path.
int32_t Spieler_Wert(int32_t id, int32_t spnr, int32_t wert, uint8_t modus)
{
    if (modus == SP_LESEN && !ist_client() && spnr_gueltig(spnr)) {
        // each case finds only the record it reads: the three lie apart
        const Spieler_Struktur& s = Spieler_Daten[spnr];
        if (id >= SP_KRAFT && id <= SP_TORSCHUSS) return s.attribute[id - SP_KRAFT];
        if (id >= SP_FLANKEN && id <= SP_VEREINSTREUE) return s.unsichtbar[id - SP_FLANKEN];
        switch (id) {
        case SP_ALTER: return s.alter;
        case SP_K_I_T: return k_i_t(spnr);
        case SP_K_I_T_FORM: return k_i_t_form(spnr);
        case SP_ART: return art_von(spnr);
        case SP_LIEBLINGSPOS: return Spieler_Fix_Daten[spnr].lieblingspos;
        case SP_STATUS: return s.status;
        case SP_SPIEL_ERSCHOEPFUNG: return s.spiel_erschoepfung;
        case SP_TRAININGS_ERSCHOEPFUNG: return s.trainings_erschoepfung;
        case SP_FORM: return s.form;
        case SP_FORMTENDENZ: return s.formtendenz;
        case SP_ALLROUNDER: return s.allrounder;
        case SP_ERFAHRUNG: return s.erfahrung;
        case SP_VERLETZUNG_ART: return s.verletzung_art;
        case SP_VERLETZUNG_TAGE: return s.verletzung_tage;
        case SP_ZAEHLER_1: return s.zaehler_1;
        case SP_ZAEHLER_2: return s.zaehler_2;
        case SP_ZAEHLER_3: return s.zaehler_3;
        case SP_GESICHT: return static_cast<int32_t>(Spieler_Fix_Daten[spnr].gesicht);
        case SP_NATION: return Spieler_Fix_Daten[spnr].nation;
        case SP_GROESSE: return Spieler_Fix_Daten[spnr].groesse;
        case SP_HAARFARBE: return Spieler_Fix_Daten[spnr].farben >> 4;
        case SP_HAUTFARBE: return Spieler_Fix_Daten[spnr].farben & 0x0F;
        case SP_BILDNUMMER: return Spieler_Fix_Daten[spnr].bildnummer;
        case SP_ANGEBOTSWERT: return Spieler_Egal_Daten[spnr].angebotswert;
        case SP_ANGEBOTSZAEHLER: return Spieler_Egal_Daten[spnr].angebotszaehler;
        case SP_HEIMATSYSTEM: return Spieler_Egal_Daten[spnr].heimatsystem;
        case SP_RUECKENNUMMER: return Spieler_Egal_Daten[spnr].rueckennummer;
        case SP_VERLETZUNG_ZUSATZ: return Spieler_Egal_Daten[spnr].verletzung_zusatz;
        case SP_TORWART_STAERKE:
            if (ist_torwart(spnr)) return s.attribute[0];
            break;
        case SP_REFLEXE: case SP_HERAUSLAUFEN: case SP_STRAFRAUM:
            if (ist_torwart(spnr)) return s.unsichtbar[id - SP_FLANKEN];
            break;
        default: break;
        }
    }
    return wert_allgemein(id, spnr, wert, modus);
}

const char* Spieler_String(int32_t id, int32_t spnr, const char* text, uint8_t modus)
{
    static const char* const FEHLER_MODUS = "FEHLER in Spieler_String: falscher Modus!";
    if (!spnr_gueltig(spnr)) {
        Print_Fehler("Fehler: Aufruf von Spieler_String mit spnr %d !\n", spnr);
        return "Spieler_String_Error";
    }
    const bool schreiben = modus == SP_SCHREIBEN;
    if (ist_client()) {
        if (schreiben) {
            Print_Fehler("Spieler_String: CLIENT-WRITE!");
            return "Spieler_String_Error";
        }
        if (!Spieler_Client_Flags || Spieler_Client_Flags[spnr] != 3) Spieler_Internet_Client_Hole_Spieler(spnr);
    }
    Spieler_Fix& f = Spieler_Fix_Daten[spnr];
    static char zwei_stellig[3];
    switch (id) {
    case SP_NAME:
        if (!schreiben) return f.name;
        if (text) {
            std::strncpy(f.name, text, 19);
            f.name[19] = 0;
            String_Klartext(f.name, sizeof f.name);
        }
        return FEHLER_MODUS;
    case SP_VORNAME:
        if (!schreiben) return f.vorname;
        if (text) {
            f.vorname[0] = text[0];
            f.vorname[1] = 0;
            String_Klartext(f.vorname, sizeof f.vorname);
        }
        return FEHLER_MODUS;
    case SP_VORNAME_2_STELLIG:
        if (schreiben) {
            Print_Fehler("Spieler_String: SP_VORNAME_2_STELLIG nicht beschreibbar!");
            return FEHLER_MODUS;
        }
        zwei_stellig[0] = f.vorname[0];
        zwei_stellig[1] = '.';
        zwei_stellig[2] = 0;
        return zwei_stellig;
    case SP_NAME_LAND:
        if (schreiben) {
            Print_Fehler("Spieler_String(SP_NAME_LAND..): Write verboten!");
            return nullptr;
        }
        return Temp_Sprintf("^gll%04d %s", f.nation, f.name);
    case SP_NAME_BEOBACHTET:
        if (schreiben) {
            Print_Fehler("Spieler_String(SP_NAME_BEOBACHTET..): Write verboten!");
            return nullptr;
        }
        return Temp_Sprintf("%s^gnk%#010x", f.name, beobachtet_bild(spnr));
    case SP_NAME_LAND_BEOBACHTET:
        if (schreiben) {
            Print_Fehler("Spieler_String(SP_NAME_LAND_BEOBACHTET..): Write verboten!");
            return nullptr;
        }
        return Temp_Sprintf("^gll%04d %s ^gnk%#010x", f.nation, f.name, beobachtet_bild(spnr));
    case SP_VOLLNAME:
        if (schreiben) {
            Print_Fehler("Spieler_String: SP_VOLLNAME nicht beschreibbar!");
            return FEHLER_MODUS;
        }
        return Temp_Sprintf("%s %s", f.vorname, f.name);
    case SP_VOLLNAME_LAND:
        if (schreiben) {
            Print_Fehler("Spieler_String: SP_VOLLNAME_LAND nicht beschreibbar!");
            return FEHLER_MODUS;
        }
        return Temp_Sprintf("^gll%04d %s %s", f.nation, f.vorname, f.name);
    default:
        Print_Fehler("Spieler_String: Falscher Parameter!\n");
        return FEHLER_MODUS;
    }
}

void* Spieler_Zeiger(int32_t id, int32_t spnr, void* zeiger, uint8_t modus)
{
    if (!spnr_gueltig(spnr)) {
        Print_Fehler("Fehler: Aufruf von Spieler_Zeiger mit teamnr = %d !\n", spnr);
        return nullptr;
    }
    if (modus != 0 && !zeiger) {
        Print_Fehler("Spieler_Zeiger: Write && Zeiger=NULL!");
        return nullptr;
    }
    if (modus != 0 && modus != 1) {
        Print_Fehler("Spieler_Zeiger: weder READ noch WRITE!");
        return nullptr;
    }
    switch (id) {
    case SP_TALENT:
        if (modus == 1) { Print_Fehler("SP_TALENT: WRITE verboten!"); return nullptr; }
        return Spieler_Egal_Daten[spnr].talent;
    case SP_ATTRIBUT128:
        if (modus == 1) { Print_Fehler("SP_ATTRIBUT128: WRITE verboten!"); return nullptr; }
        return Spieler_Daten[spnr].unsichtbar;
    case SP_ATTRIBUT1024:
        if (modus == 1) { Print_Fehler("SP_ATTRIBUT1024: WRITE verboten!"); return nullptr; }
        return Spieler_Daten[spnr].attribute;
    default:
        Print_Fehler("Spieler_Zeiger: Falscher Parameter!\n");
        return nullptr;
    }
}

void Spieler_Attribute(int32_t spnr, int32_t* v, uint8_t modus)
{
    if (!spnr_gueltig(spnr) || !v) {
        Print_Fehler("Fehler: Aufruf von Spieler_Attribut mit spnr = %d !\n", spnr);
        return;
    }
    if (ist_client()) {
        if (modus != SP_ATTRIBUTE_LESEN) {
            Print_Fehler("Spieler_Attribute: CLIENT-WRITE !");
            return;
        }
        if (!Spieler_Client_Flags || Spieler_Client_Flags[spnr] != 3) Spieler_Internet_Client_Hole_Spieler(spnr);
    }
    Spieler_Struktur& s = Spieler_Daten[spnr];
    Spieler_Fix& f = Spieler_Fix_Daten[spnr];
    if (modus == SP_SCHREIBEN) {
        for (int i = 0; i < 9; ++i) s.attribute[i] = static_cast<int16_t>(v[i]);
        for (int i = 0; i < 15; ++i) s.unsichtbar[i] = static_cast<uint8_t>(v[9 + i]);
        s.allrounder = static_cast<uint8_t>(v[19]);
        s.erfahrung = static_cast<uint16_t>(v[20]);
        f.groesse = static_cast<uint8_t>(v[24]);
        s.alter = static_cast<uint8_t>(v[25]);
        s.spiel_erschoepfung = static_cast<uint8_t>(v[26]);
        s.form = static_cast<uint8_t>(v[27]);
        return;
    }
    for (int i = 0; i < 9; ++i) v[i] = s.attribute[i];
    for (int i = 0; i < 15; ++i) v[9 + i] = s.unsichtbar[i];
    v[19] = s.allrounder;
    v[20] = std::min<int32_t>(s.erfahrung, 299);
    v[24] = f.groesse;
    v[25] = s.alter;
    v[26] = s.spiel_erschoepfung;
    v[27] = s.form;
}

void Spieler_Wert_Min_Max(int32_t id, int32_t* min, int32_t* max)
{
    if (!min || !max || id < SP_NAME || id > SP_TALENT) {
        Print_Fehler("Spieler_Wert_Min_Max: falscher modus oder min/max==NULL ");
        return;
    }
    Grenze g = grenze(id);
    *min = g.min;
    *max = g.max;
}

int32_t Spieler_Teilstaerke(int32_t spnr, int32_t art, const int32_t* vektor, int32_t maske)
{
    if (!spnr_gueltig(spnr)) {
        Print_Fehler("Fehler: Aufruf von Spieler_Teilstaerke mit spnr = %d !\n", spnr);
        return 0;
    }
    int32_t v[SP_ATTRIBUTVEKTOR];
    if (vektor) std::memcpy(v, vektor, sizeof v);
    else Spieler_Attribute(spnr, v, SP_ATTRIBUTE_LESEN);
    if (art == -1) art = art_von(spnr);
    int32_t summe = 0;
    for (int bit = 0; bit < 3; ++bit) {
        if (!(maske & (1 << bit))) continue;
        if (art == 0) summe += 3 * v[0];
        else summe += v[bit * 3] + v[bit * 3 + 1] + v[bit * 3 + 2];
    }
    if (maske & 8) {
        int32_t form = v[27];
        if (maske & 7) {
            int32_t fa = (100 - form) * 20 / 100;
            summe = (100 - fa) * summe / 100;
        } else {
            summe = 3 * form;
        }
    }
    return summe;
}

bool Spieler_Staerke_Werte(int32_t spnr, int32_t* art, int32_t werte[3], int32_t* form)
{
    if (!spnr_gueltig(spnr)) {
        Print_Fehler("Fehler: Aufruf von Spieler_Staerke_Werte mit spnr = %d !\n", spnr);
        return false;
    }
    if (ist_client() && (!Spieler_Client_Flags || Spieler_Client_Flags[spnr] != 3)) Spieler_Internet_Client_Hole_Spieler(spnr);
    Spieler_Staerke_Werte_Lesen(spnr, art, werte, form);
    return true;
}

uint8_t Spieler_Attribut_Vorhanden(int32_t spnr, int32_t index, int32_t art)
{
    if (art == -1) {
        if (!spnr_gueltig(spnr)) {
            Print_Fehler("Fehler: Aufruf von Spieler_Attribut_Vorhanden mit spnr = %d !\n", spnr);
            return 0;
        }
        art = art_von(spnr);
    }
    if (art < 0 || art > 3 || index < 0) return 0;
    if (index < 24) return Spieler_Attribut_Gewichte[art][index];
    if (index < 28) return art != 0 ? 1 : 0;
    if (index == 28) return art == 0 ? 1 : 0;
    Print_Fehler("Spieler_Attribut_Vorhanden: Index zu groß!");
    return 0;
}

void Spieler_News_Neues_Attribut(int32_t team, int32_t spnr, int32_t index)
{
    if (!Team_Hat_Manager(team) || index < 0 || index >= 29) return;
    News_Senden(-1, team, -1, 4, nullptr,
                "Ihr Spieler %s hat es geschafft: ab sofort verfügt er über das Attribut \"^bb%s^be\". "
                "Diese Eigenschaft wird ihm so schnell niemand mehr nehmen.",
                Spieler_String(SP_VOLLNAME, spnr, nullptr, 0), Spieler_Attribut_Namen[index]);
}

void Spieler_Debug_Leerzeile() { Print_Log(0, "\n"); }

const char* Spieler_Text_Beobachtet_Erneuern(const char* text, int32_t spnr)
{
    if (!text || !spnr_gueltig(spnr)) return nullptr;
    const char* gnk = std::strstr(text, "^gnk");
    if (!gnk) return nullptr;
    return Temp_Sprintf("%.*s^gnk%#010x", static_cast<int>(gnk - text), text, beobachtet_bild(spnr));
}

int32_t Spieler_Universaler_Spieler_Text_Refresh(Menue_Icon* icon, uint32_t wert)
{
    if (!icon || !icon->daten) return 0;
    auto* t = static_cast<Menue_Icon_Text*>(icon->daten);
    if (!t->text || (icon->kennung_1 != SP_NAME_BEOBACHTET && icon->kennung_1 != SP_NAME_LAND_BEOBACHTET))
        return Menue_Universaler_Text_Refresh(icon, wert);
    const char* neu = Spieler_Text_Beobachtet_Erneuern(t->text, t->zahl);
    if (!neu) {
        Print_Fehler("Spieler_Universaler_Spieler_Text_Refresh: gnk not found!");
        return Menue_Universaler_Text_Refresh(icon, wert);
    }
    // the icon's own text stays as it was given; the renewed one is drawn
    Menue_Icon_Text erneuert = *t;
    erneuert.text = neu;
    icon->daten = &erneuert;
    const int32_t r = Menue_Universaler_Text_Refresh(icon, wert);
    icon->daten = t;
    return r;
}

void Spieler_Beobachtet_Hinzufuegen(int32_t team, int32_t spnr)
{
    auto* liste = static_cast<int16_t*>(Team_Zeiger(TEAM_BEOBACHTET, team, nullptr, 0));
    if (!liste) return;
    for (int i = 0; i < TEAM_BEOBACHTET_ANZAHL; ++i)
        if (liste[i] == -1) {
            liste[i] = static_cast<int16_t>(spnr);
            return;
        }
}

bool Spieler_Ist_Beobachtet(int32_t team, int32_t spnr)
{
    auto* liste = static_cast<int16_t*>(Team_Zeiger(TEAM_BEOBACHTET, team, nullptr, 0));
    if (!liste) return false;
    for (int i = 0; i < TEAM_BEOBACHTET_ANZAHL; ++i)
        if (liste[i] == spnr) return true;
    return false;
}

void Spieler_Beobachtet_Entfernen(int32_t team, int32_t spnr)
{
    auto* liste = static_cast<int16_t*>(Team_Zeiger(TEAM_BEOBACHTET, team, nullptr, 0));
    if (liste) welt::beobachtet_streichen(liste, spnr);
}

// --- database start ------------------------------------------------------------------------

void Spieler_DeInit()
{
    Spieler_Daten = static_cast<Spieler_Struktur*>(Mem_Free(Spieler_Daten, 0));
    Spieler_Client_Flags = static_cast<uint8_t*>(Mem_Free(Spieler_Client_Flags, 0));
    Spieler_Fix_Daten = static_cast<Spieler_Fix*>(Mem_Free(Spieler_Fix_Daten, 0));
    Spieler_Egal_Daten = static_cast<Spieler_Client_Egal*>(Mem_Free(Spieler_Egal_Daten, 0));
    Spieler_Anzahl = -1;
}

namespace {

const char* const SPIELER_KEYWORDS[41] = {
    "NEUER_SPIELER", "NUMMER", "NAME", "VORNAME", "NATION", "GROESSE", "ALTER", "LIEBLINGSPOS",
    "GESICHT", "KRAFT", "AUSDAUER", "ZWEIKAMPF", "ÜBERSICHT", "TAKT_VERST", "TEAMGEIST",
    "SPRITZIGKEIT", "DRIBBLING", "TORSCHUSS", "FLANKEN", "FREISTOß", "ELFMETER", "ECKEN",
    "KOPFBALLST", "TORINSTINKT", "ROBUSTHEIT", "NERVENST", "AGGRESSIV", "VEREINSTREUE",
    "ALLROUNDER", "ERFAHRUNG", "REFLEXE", "HERAUSLAUFEN", "STRAFRAUM", "", "", "HAARFARBE",
    "HAUTFARBE", "TORWART_STAERKE", "INFOTEXT", "LETZTER_SPIELER", "RUECKENNUMMER",
};

// A world's file has some 300,000 lines: each word is compared with the few keywords of its hash.
int keyword_index(const char* wort)
{
    static const Read_Config_Woerter woerter(SPIELER_KEYWORDS, 41);
    return woerter.finden(wort);
}

bool anlegen(int32_t anzahl)
{
    Spieler_Anzahl = anzahl;
    if (anzahl <= 0) return true;
    uint32_t n = static_cast<uint32_t>(anzahl);
    Spieler_Daten = static_cast<Spieler_Struktur*>(Mem_Alloc_Clear(n * sizeof(Spieler_Struktur), 0, 0));
    Spieler_Client_Flags = static_cast<uint8_t*>(Mem_Alloc_Clear(n, 0, 0));
    Spieler_Fix_Daten = static_cast<Spieler_Fix*>(Mem_Alloc_Clear(n * sizeof(Spieler_Fix), 0, 0));
    Spieler_Egal_Daten = static_cast<Spieler_Client_Egal*>(Mem_Alloc_Clear(n * sizeof(Spieler_Client_Egal), 0, 0));
    if (!Spieler_Daten || !Spieler_Client_Flags || !Spieler_Fix_Daten || !Spieler_Egal_Daten) {
        Spieler_DeInit();
        return false;
    }
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELER, Spieler_DeInit);
    int16_t heimat = static_cast<int16_t>(Team_Get_Heimatland());
    for (uint32_t i = 0; i < n; ++i) {
        Spieler_Fix_Daten[i].lieblingspos = -1;
        Spieler_Fix_Daten[i].farben = 255;
        Spieler_Fix_Daten[i].gesicht = 0xFFFFFFFFu;
        Spieler_Fix_Daten[i].nation = heimat;
        Spieler_Egal_Daten[i].heimatsystem = -1;
        Spieler_Egal_Daten[i].angebotszaehler = -1;
        Spieler_Daten[i].status = SP_STATUS_OHNE_VEREIN;
    }
    return true;
}

int32_t nation_aus_text(const char* text)
{
    int32_t heimat = Team_Get_Heimatland();
    const char* heimat_name = Team_Ist_Initialisiert() ? Team_String(193, heimat, nullptr, 0) : nullptr;
    if (heimat_name && std::strcmp(heimat_name, text) == 0) return heimat;
    int32_t land = Team_Land_Nummer(text);
    return land >= 0 ? land : heimat;
}

// A world names a few dozen nations for thousands of players, and the teams do not change while
// the players load: each name's nation is looked up once per load (a name whose place is taken
// by another is simply looked up again).
struct Nationen_Merker {
    struct Eintrag {
        char name[51];
        int32_t land;
        bool da;
    };
    Eintrag e[256];

    void leeren()
    {
        for (Eintrag& x : e) x.da = false;
    }

    int32_t land(const char* text)
    {
        uint32_t h = 2166136261u;
        for (const char* p = text; *p; ++p) h = (h ^ uint8_t(*p)) * 16777619u;
        Eintrag& x = e[(h ^ (h >> 8)) & 255];
        if (x.da && std::strcmp(x.name, text) == 0) return x.land;
        x.land = nation_aus_text(text);
        std::snprintf(x.name, sizeof x.name, "%s", text);
        x.da = std::strcmp(x.name, text) == 0;
        return x.land;
    }
};
Nationen_Merker nationen_merker;

void vervollstaendigen(int32_t spnr)
{
    Spieler_Struktur& s = Spieler_Daten[spnr];
    Spieler_Fix& f = Spieler_Fix_Daten[spnr];
    if (f.lieblingspos == -1) {
        int32_t zeile = Zufall_Gross(1, 25);
        int32_t spalte = Zufall_Gross(1, 15);
        f.lieblingspos = static_cast<int16_t>(zeile * 17 + spalte);
    }
    bool leer = false;
    int slots = ist_torwart(spnr) ? 1 : 9;
    for (int i = 0; i < slots; ++i)
        if (s.attribute[i] == 0) leer = true;
    if (leer) Spieler_Neu_Belegen(spnr, -1, 50, 950, -1, -1, -1);
    if (s.allrounder == 0) s.allrounder = static_cast<uint8_t>(Zufall_Gross(0, 45));
    const bool haar_gegeben = f.farben != 255;
    if (f.farben == 255) {
        int32_t haar = Zufall_Gross(0, 5);
        int32_t haut = Zufall_Gross(0, 4);
        f.farben = static_cast<uint8_t>((haar << 4) | haut);
    }
    if (f.groesse == 0) f.groesse = static_cast<uint8_t>(Zufall_Gross(150, 214));
    if (s.alter == 0) s.alter = static_cast<uint8_t>(Zufall_Gross(18, 28));
    // 16- and 17-year-olds would draw from a negative lower bound
    s.erfahrung = static_cast<uint16_t>(Zufall_Gross(std::max(s.alter - 18, 0), 42));
    if (f.gesicht == 0xFFFFFFFFu) {
        uint32_t g = static_cast<uint32_t>(Zufall_Gross(0, 15));
        g |= static_cast<uint32_t>(Zufall_Gross(0, 2)) << 4;
        g |= static_cast<uint32_t>(Zufall_Gross(0, 20)) << 8;
        g |= static_cast<uint32_t>(Zufall_Gross(0, 7)) << 13;
        g |= static_cast<uint32_t>(Zufall_Gross(0, 13)) << 16;
        g |= static_cast<uint32_t>(Zufall_Gross(0, 10)) << 20;
        g |= static_cast<uint32_t>(Zufall_Gross(0, 3)) << 24;
        f.gesicht = g;
        // a hair colour the file gives is kept; else it follows the new face
        if (!haar_gegeben) Spieler_Gesicht_Set_Haarfarbe(spnr);
    }
    s.form = static_cast<uint8_t>(Zufall_Gross(85, 95));
    s.formtendenz = static_cast<uint8_t>(Zufall_Gross(30, 70));
    s.spiel_erschoepfung = static_cast<uint8_t>(Zufall_Gross(10, 35));
    s.trainings_erschoepfung = static_cast<uint8_t>(Zufall_Gross(10, 35));
}

void melden(const char* text)
{
    Print_Fehler("%s", text);
    Menue_Requester(0, Aktuelles_Team, text, nullptr, nullptr, 0);
}

// Each fallback file is tried once; a chain of broken files ends the game instead of looping.
int spieler_tiefe = 0;

bool rueckfall(int32_t datei)
{
    Spieler_DeInit();
    if (spieler_tiefe >= 2) {
        Exit_Game("Sie verwenden eine fehlerhafte Team-Config-Datei. Es ist z.B. möglich, daß dort Spieler "
                  "definiert sind, die in der Spieler-Config-Datei nicht vorkommen. Verwenden Sie bitte die "
                  "Original-Config-Dateien.");
        return false;
    }
    Spieler(datei);
    return false;
}

}  // namespace

bool Spieler(int32_t datei)
{
    if (ist_client()) Print_Fehler("Client-Zugriff: Spieler()");
    if (Spieler_Daten) {
        Spieler_DeInit();
        Print_Fehler("Doppeltes Init: Spieler() !\n");
    }
    Spieler_Disk_Registrieren();
    std::memset(&Spieler_Training, 0, sizeof Spieler_Training);
    Spieler_Training.richtung = 1;
    Spieler_Anzahl = 0;

    struct Tiefe {
        Tiefe() { ++spieler_tiefe; }
        ~Tiefe() { --spieler_tiefe; }
    } tiefe;

    if (!Read_Config_Open(0, datei, -1)) {
        Print_Fehler("Spieler: %d_spieler.cfg nicht lesbar\n", datei + 1);
        return rueckfall(letzte_gute_datei == datei ? standard_datei() : letzte_gute_datei);
    }
    // The file's sum is not checked.
    Read_Config_Ohne_Summe();
    int32_t spnr = -1;
    nationen_merker.leeren();
    // The progress box opens with the count and closes on every way out.
    struct Box {
        int32_t gelesen = 0;
        ~Box() { Grafik_Fortschritt_Schliessen(); }
    } box;
    for (;;) {
        const char* wort = Read_Config_Read_Zeile(nullptr, true);
        if (!*wort) break;
        int k = keyword_index(wort);
        switch (k) {
        case 0: case 38: break;
        case 1: {
            // The count moves only here: the bar is told once per player, not per line.
            ++box.gelesen;
            if (Spieler_Anzahl != 0) Grafik_Fortschritt_Setzen(int32_t(int64_t(box.gelesen) * 100 / Spieler_Anzahl), nullptr);
            int32_t n = Read_Config_Get_Wert();
            if (n < 0 || n >= Spieler_Anzahl) {
                Read_Config_Close();
                melden(Temp_Sprintf("Der Spieler mit der Nummer \"%d\" aus der Konfigurationsdatei \"%d_%s\" liegt "
                                    "außerhalb [%d,%d] und ist daher fehlerhaft. Es wird auf die "
                                    "Standard-Konfiguration zurückgegriffen.",
                                    n, datei + 1, "spieler.cfg", 0, Spieler_Anzahl));
                return rueckfall(standard_datei());
            }
            spnr = n;
            break;
        }
        case 2: Spieler_String(SP_NAME, spnr, Read_Config_Get_Wert_Text(), 1); break;
        case 3: Spieler_String(SP_VORNAME, spnr, Read_Config_Get_Wert_Text(), 1); break;
        case 4: {
            // the name as far as it fits
            char land[51];
            const char* text = Read_Config_Get_Wert_Text();
            const size_t laenge = strnlen(text, sizeof land - 1);
            std::memcpy(land, text, laenge);
            land[laenge] = 0;
            Spieler_Wert(SP_NATION, spnr, nationen_merker.land(land), 1);
            break;
        }
        case 5: Spieler_Wert(SP_GROESSE, spnr, begrenzt(Read_Config_Get_Wert(), 160, 210), 1); break;
        case 6: Spieler_Wert(SP_ALTER, spnr, begrenzt(Read_Config_Get_Wert(), 16, 42), 1); break;
        case 7: {
            int32_t z[2] = {0, 0};
            Read_Config_Parse_Zahlen(Read_Config_Get_Wert_Text(), z, 2);
            // Row and column are small numbers (99,99 is the keeper's code); anything else is no
            // position, and a huge one would overflow the product. The player keeps what he has.
            if (z[0] < 0 || z[0] > 99 || z[1] < 0 || z[1] > 99) {
                Print_Fehler("Spieler %d: LIEBLINGSPOS %d,%d liegt außerhalb [0,99] und wird ignoriert.\n", spnr,
                             z[0], z[1]);
                break;
            }
            int32_t pos = z[0] + z[1] == 198 ? SP_POS_TORWART : z[0] * 17 + z[1];
            Spieler_Wert(SP_LIEBLINGSPOS, spnr, pos, 1);
            break;
        }
        case 8: {
            int32_t g = Read_Config_Get_Wert();
            if (g > 0) Spieler_Wert(SP_GESICHT, spnr, g, 1);
            break;
        }
        case 33: case 34: break;
        case 35: Spieler_Wert(SP_HAARFARBE, spnr, Read_Config_Get_Wert(), 1); break;
        case 36: Spieler_Wert(SP_HAUTFARBE, spnr, Read_Config_Get_Wert(), 1); break;
        case 37: Spieler_Wert(SP_TORWART_STAERKE, spnr, Read_Config_Get_Wert(), 1); break;
        case 39: {
            int32_t n = Read_Config_Get_Wert();
            if (Spieler_Daten) {
                Print_Fehler("Spieler: LETZTER_SPIELER doppelt, ignoriert\n");
                break;
            }
            // player numbers are 16-bit wherever other records keep them
            if (n < -1 || n > 32766 || !anlegen(n + 1)) {
                Read_Config_Close();
                melden(Temp_Sprintf("Der Spieler mit der Nummer \"%d\" aus der Konfigurationsdatei \"%d_%s\" liegt "
                                    "außerhalb [%d,%d] und ist daher fehlerhaft. Es wird auf die "
                                    "Standard-Konfiguration zurückgegriffen.",
                                    n, datei + 1, "spieler.cfg", 0, 32766));
                Spieler_Anzahl = 0;
                return rueckfall(standard_datei());
            }
            if (Spieler_Anzahl != 0)
                Grafik_Fortschritt_Oeffnen(Temp_Sprintf("%d Spieler werden eingelesen.", int(Spieler_Anzahl)), -1, -1);
            break;
        }
        case 40: Spieler_Wert(SP_RUECKENNUMMER, spnr, Read_Config_Get_Wert(), 1); break;
        default:
            if (k >= 9 && k <= 17) {
                int32_t v = Read_Config_Get_Wert();
                if (v != 0) Spieler_Wert(SP_KRAFT + (k - 9), spnr, v, 1);
            } else if (k >= 18 && k <= 32) {
                int32_t v = Read_Config_Get_Wert();
                if (v != 0) Spieler_Wert(k + 49, spnr, v, 1);
            } else {
                Spieler_Wert(SP_BILDNUMMER, spnr, Read_Config_Get_Wert(), 1);
            }
            break;
        }
    }
    Read_Config_Close();

    if (Spieler_Anzahl > 10112 && Spieler_Fix_Daten[10112].bildnummer == 0)
        for (int32_t i = 0; i < Spieler_Anzahl; ++i) Spieler_Fix_Daten[i].bildnummer = static_cast<int16_t>(i);

    for (int32_t i = 0; i < Spieler_Anzahl; ++i) {
        if (Spieler_Fix_Daten[i].name[0] == 0) {
            melden(Temp_Sprintf("Spieler Nummer %d ist in der Spieler-Konfigurationsdatei %d_%s nicht definiert. Es "
                                "wird daher auf die zuletzt verwendete Konfiguration zurückgegriffen.",
                                i, datei + 1, "spieler.cfg"));
            return rueckfall(letzte_gute_datei == datei ? standard_datei() : letzte_gute_datei);
        }
        vervollstaendigen(i);
    }
    letzte_gute_datei = datei;
    Spieler_Markiere_Eigene_Bilder();
    return true;
}

int32_t Spieler_Read_Config_Anzahl(int32_t datei)
{
    if (!Read_Config_Open(0, datei, -1)) return 0;
    int32_t anzahl = 0;
    for (;;) {
        const char* wort = Read_Config_Read_Zeile(nullptr, true);
        if (!*wort) break;
        if (std::strcmp(wort, "LETZTER_SPIELER") == 0) {
            anzahl = Read_Config_Get_Wert() + 1;
            break;
        }
    }
    Read_Config_Close();
    return anzahl;
}

int32_t Spieler_Eingang_Check_Leer(int32_t, ...) { return 0; }

void Spieler_Markiere_Eigene_Bilder()
{
    if (!Spieler_Fix_Daten) return;
    for (int32_t i = 0; i < Spieler_Anzahl; ++i) Spieler_Fix_Daten[i].gesicht &= 0x7FFFFFFFu;
    int32_t n = Pic_Anzahl(1);
    if (n <= 0) return;
    auto* nummern = static_cast<int32_t*>(Mem_Alloc(static_cast<uint32_t>(n) * 4, 0));
    if (!nummern) return;
    n = Pic_Nummern_Ermitteln(1, n, nummern);
    for (int32_t i = 0; i < Spieler_Anzahl; ++i)
        for (int32_t k = 0; k < n; ++k)
            if (Spieler_Fix_Daten[i].bildnummer == nummern[k]) {
                Spieler_Fix_Daten[i].gesicht |= 0x80000000u;
                break;
            }
    Mem_Free(nummern, 0);
}

void Spieler_Neu_Belegen(int32_t spnr, int32_t ziel, int32_t min, int32_t max, int32_t team,
                         int32_t niveau_a, int32_t niveau_b)
{
    if (!spnr_gueltig(spnr)) return;
    int32_t g[3];
    if (ziel != -1) {
        min = 10;
        max = 990;
        for (auto& x : g) x = Zufall_Gross(ziel - 15, ziel + 15);
    } else {
        if (min == -1 || max == -1) {
            // without given tiers, those of the hinted team's league (0 of 1 without one)
            if (niveau_a == -1 || niveau_b == -1) {
                niveau_a = 0;
                niveau_b = 1;
                const int32_t liga = team >= 0 && team < Team_Anzahl ? Wettbewerb_Get_Team_Wettbewerb(team, 1) : -1;
                if (liga >= 0) Wettbewerb_Visuell_Vertikal_Anz_Min(liga, &niveau_a, &niveau_b, 4);
            }
            Team_Get_Staerke_Spanne(-1, &min, &max, niveau_a, niveau_b);
        }
        max = min + (max - min) * 80 / 100 - 1;
        g[0] = Zufall_Gross(min, max) - min;
        int32_t d = (max - min) / 8;
        g[1] = g[0] + Zufall_Gross(-d, d);
        g[2] = g[0] + Zufall_Gross(-d, d);
    }
    min = begrenzt(min, 10, 990);
    Spieler_Struktur& s = Spieler_Daten[spnr];
    int32_t pos = Spieler_Fix_Daten[spnr].lieblingspos;
    if (pos == SP_POS_TORWART) {
        s.attribute[0] = static_cast<int16_t>(begrenzt(g[0] + min, min, max));
        return;
    }
    static const int32_t OFFSET[3][3] = {{15, -9, -6}, {-6, 15, -9}, {-7, -7, 14}};
    const int32_t* o = pos < 154 ? OFFSET[0] : pos <= 306 ? OFFSET[1] : OFFSET[2];
    for (int i = 0; i < 9; ++i)
        s.attribute[i] = static_cast<int16_t>(begrenzt(g[i / 3] + o[i / 3] + min, min, max));
}
