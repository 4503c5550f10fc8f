// Loading and freeing the match scene, the scene sounds and the view's savegame block.
//
// Savegame block (position 27), little-endian u32 values, one 4-byte block each:
//   loaded flag (0 or 1); when 1, per window 0..3: game number (-1 empty), x, y, width, height,
//   size level (0..2), background resource number (1999..2118 or -1). 4 or 116 bytes.
#include <array>
#include <cstring>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_fortschritt.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/live/spielszenen_szenerie.h"
#include "matchview/spielszenen.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/mauszeiger.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/timer.h"

Spielszenen_Grafik_Daten Spielszenen_Grafik = {};

Spielszenen_Sound_Eintrag Spielszenen_Sound[SPIELSZENEN_SOUNDS] = {
    {2495, -1190, 0, 0, 0, 0, 0, -1, "sound schuss 1"},     {2496, -1190, 0, 0, 0, 0, 0, -1, "sound schuss 2"},
    {2497, -1190, 0, 0, 0, 0, 0, -1, "sound schuss 3"},     {2498, -1190, 0, 0, 0, 0, 0, -1, "sound schuss 4"},
    {2499, -1300, 0, 0, 0, 0, 0, -1, "sound schuss 5"},     {2500, -1000, 0, 0, 0, 0, 0, -1, "sound latte 1"},
    {2501, -1000, 0, 0, 0, 0, 0, -1, "sound latte 2"},      {2502, -1000, 0, 0, 0, 0, 0, -1, "sound netz"},
    {2503, -470, 0, 0, 0, 0, 0, -1, "sound torwart"},       {2504, -1610, 0, 0, 0, 0, 0, -1, "sound pfiff kurz"},
    {2505, -1610, 0, 0, 0, 0, 0, -1, "sound pfiff lang"},   {2506, 0, 0, 0, 0, 0, 0, -1, "sound ab-pfiff"},
    {2507, -940, 0, 0, 0, 0, 0, -1, "sound schmerz"},       {2508, -640, 0, 0, 0, 0, 0, -1, "sound button klick"},
    {2511, -640, 0, 0, 0, 0, 0, -1, "sound beam"},          {2509, -500, 0, 0, 0, 0, 0, -1, "sound wechsel"},
    {2510, -500, 0, 0, 0, 0, 0, -1, "sound button"},        {2512, 0, 1, 0, 0, 1, 0, -1, "sound hintergrund 0"},
    {2513, 0, 1, 0, 0, 1, 0, -1, "sound hintergrund 1"},    {2514, 0, 0, 0, 0, 1, 0, -1, "sound fangesang 1"},
    {2515, 0, 0, 0, 0, 1, 0, -1, "sound fangesang 2"},      {2519, -570, 0, 0, 0, 0, 0, -1, "sound foul 1"},
    {2520, 0, 0, 0, 0, 0, 0, -1, "sound pfiffe 1"},         {2521, 0, 0, 0, 0, 0, 0, -1, "sound pfiffe 2"},
    {2522, -1610, 0, 0, 0, 0, 0, -1, "sound klatschen 1"},  {2523, -570, 0, 0, 0, 0, 0, -1, "sound vorbei 1"},
    {2524, -730, 0, 0, 0, 0, 0, -1, "sound reaktion 1"},    {2525, -620, 0, 0, 0, 0, 0, -1, "sound reaktion 2"},
    {2526, 0, 0, 0, 0, 0, 0, -1, "sound reaktion 3"},       {2528, 0, 0, 0, 0, 0, 0, -1, "sound foul 2"},
    {2527, 0, 0, 0, 0, 0, 0, -1, "sound reaktion 4"},       {2516, 0, 0, 0, 0, 1, 0, -1, "sound fangesang 3"},
    {2517, 0, 0, 0, 0, 1, 0, -1, "sound fangesang 4"},      {2518, 0, 0, 0, 0, 0, 0, -1, "sound fangesang zugabe"},
    {2529, -610, 0, 0, 0, 0, 0, -1, "sound torschrei"},
};

namespace {

uint8_t geladen = 0;
// Each animation's last frame index as the scene loaded it; a new match starts from these.
constexpr std::array<uint8_t, SPIELSZENEN_ANIMATIONEN> letzte_bilder_daten()
{
    std::array<uint8_t, SPIELSZENEN_ANIMATIONEN> a{};
    for (size_t c = 0; c < a.size(); ++c) a[c] = SPIELSZENEN_ANIMATIONSDATEN[c].letztes_bild;
    return a;
}
std::array<uint8_t, SPIELSZENEN_ANIMATIONEN> letzte_bilder = letzte_bilder_daten();
std::vector<uint8_t> sound_daten[SPIELSZENEN_SOUNDS];

int32_t handle() { return ResFile_Handles[0].handle; }

Rle_Sprite** liste_laden(int32_t nummer, int32_t* anzahl)
{
    int32_t n = 0;
    auto** l = static_cast<Rle_Sprite**>(Load_Resource(handle(), nummer, 8, &n));
    *anzahl = l ? n : 0;
    return l;
}

void liste_freigeben(Rle_Sprite**& l, int32_t& anzahl)
{
    if (l) {
        for (int32_t i = 0; i < anzahl; ++i) Grafik_Sprite_Freigeben(l[i]);
        Mem_Free(l, 0);
    }
    l = nullptr;
    anzahl = 0;
}

int32_t tiefe() { return Grafik_Screen_Geometrie.depth == 15 ? 15 : 16; }

void animationen_laden()
{
    for (int32_t c = 0; c < SPIELSZENEN_ANIMATIONEN; ++c) {
        const Spielszenen_Animation& a = SPIELSZENEN_ANIMATIONSDATEN[size_t(c)];
        letzte_bilder[size_t(c)] = Spielszenen_Animationstabelle[c].letztes_bild;
        const int32_t richtungen = a.richtungen > 8 ? 8 : a.richtungen;
        for (int32_t d = 0; d < richtungen; ++d) {
            Spielszenen_Grafik.animation[c][d] =
                liste_laden(Spielszenen_Animation_Erste_Resource(c) + d, &Spielszenen_Grafik.bilder[c][d]);
            // The table's last frame drives play on server and clients alike: a sprite list that
            // disagrees is reported and the table stays as it is (the blitter clamps).
            const int32_t n = Spielszenen_Grafik.bilder[c][d];
            if (n > 0 && n - 1 != int32_t(a.letztes_bild))
                Print_Fehler("Spielszenen: Animation %d Richtung %d hat %d Bilder, erwartet %d", int(c), int(d), int(n),
                             int(a.letztes_bild) + 1);
        }
        if (c % 12 == 0) Grafik_Fortschritt_Setzen(c * 100 / SPIELSZENEN_ANIMATIONEN, "Lade Spieler Animationen...");
    }
    for (int32_t k = 0; k < SZ_TOR_ANIMATIONEN; ++k)
        Spielszenen_Grafik.tor_halb[k] = liste_laden(SZ_TORE_HALB + k, &Spielszenen_Grafik.tor_halb_bilder[k]);
}

void bilder_laden()
{
    int32_t i = 0;
    for (const Spielszenen_Bildgruppe& g : SZ_BILDGRUPPE)
        for (int32_t k = 0; k < g.anzahl; ++k, ++i)
            Spielszenen_Grafik.bild[i] = static_cast<Rle_Sprite*>(Load_Resource(handle(), g.erste + k, tiefe(), nullptr));
    i = 0;
    for (const Spielszenen_Festbild& f : SZ_FESTBILD)
        for (int32_t k = 0; k < f.anzahl && i < SZ_FESTBILDER; ++k, ++i)
            Spielszenen_Grafik.fest[i] = static_cast<Rastport*>(Load_Resource(handle(), f.erste + k, tiefe(), nullptr));
    for (int32_t k = 0; k < 6; ++k)
        Spielszenen_Grafik.kopf[k] = static_cast<Rastport*>(Load_Resource(handle(), SZ_KOPFZEILE + k, tiefe(), nullptr));
}

void zuschauer_laden()
{
    for (int32_t i = 0; i < SZ_ZUSCHAUER_REIHEN; ++i)
        Spielszenen_Grafik.zuschauer[i] = liste_laden(SZ_ZUSCHAUER_ERSTE + i, &Spielszenen_Grafik.zuschauer_bilder[i]);
    for (int32_t k = 0; k < 8; ++k)
        Spielszenen_Grafik.ueberlagerung[k] = static_cast<Rle_Sprite*>(Load_Resource(handle(), SZ_UEBERLAGERUNG + k, tiefe(), nullptr));
}

void sounds_laden()
{
    for (int32_t i = 0; i <= 16; ++i) {
        Spielszenen_Sound_Eintrag& s = Spielszenen_Sound[i];
        sound_daten[i].clear();
        if (Soundeffekt_Resource_Holen(handle(), s.resource, sound_daten[i]) && !sound_daten[i].empty())
            s.sample = Sound_Load_Sample(sound_daten[i].data(), uint32_t(sound_daten[i].size()));
        Grafik_Fortschritt_Setzen(i * 100 / 17, "Lade Stadion-Sounds....");
    }
}

bool rechteck_gueltig(int32_t fenster, const uint32_t* w)
{
    static constexpr int32_t R[3][4][4] = {
        {{5, 4, 603, 471}, {5, 4, 603, 471}, {5, 4, 603, 471}, {5, 4, 603, 471}},
        {{5, 4, 603, 233}, {5, 4, 603, 233}, {5, 242, 603, 233}, {5, 242, 603, 233}},
        {{5, 4, 298, 233}, {308, 4, 300, 233}, {5, 242, 298, 233}, {308, 242, 300, 233}}};
    const int32_t g = int32_t(w[5]);
    if (g < 0 || g > 2) return false;
    for (int32_t k = 0; k < 4; ++k)
        if (int32_t(w[1 + k]) != R[g][fenster][k]) return false;
    const int32_t id = int32_t(w[6]);
    return id == -1 || (id >= SZ_HINTERGRUND_ERSTES && id <= SZ_HINTERGRUND_LETZTES);
}

}  // namespace

bool Spielszenen_Ist_Geladen() { return geladen != 0; }

bool Spielszenen_Speichern_Moeglich() { return geladen && Spielszenen_Modus == SPIELSZENEN_SCREEN; }

void Spielszenen_Animationen_Zuruecksetzen()
{
    for (int32_t c = 0; c < SPIELSZENEN_ANIMATIONEN; ++c) Spielszenen_Animationstabelle[c].letztes_bild = letzte_bilder[size_t(c)];
}

Rle_Sprite* Spielszenen_Bild(int32_t id)
{
    const int32_t i = Spielszenen_Bild_Index(id);
    return i >= 0 && i < SZ_BILDER ? Spielszenen_Grafik.bild[i] : nullptr;
}

static Spielszenen_Lade_Hook lade_hook = nullptr;
void Spielszenen_Set_Lade_Hook(Spielszenen_Lade_Hook hook) { lade_hook = hook; }

bool Spielszenen_Grafik_Laden()
{
    if (lade_hook) return lade_hook();
    int32_t spiele[20];
    const int32_t anzahl = Spielfeld_Get_Angezeigte_Spiele(spiele, 20, true);
    if (geladen) return true;
    Spielszenen_Modus = SPIELSZENEN_SCREEN;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        Grafik_Bitmap_Freigeben(f.hintergrund);
        Grafik_Sprite_Freigeben(f.kopfzeile);
        std::memset(static_cast<void*>(&f), 0, sizeof f);
        f.spiel = -1;
        f.seite = -1;
        f.klick_figur = -1;
    }
    Spielszenen_Aufteilung = 0;
    Spielfeld_Record* records[20];
    int32_t n = 0;
    for (int32_t i = 0; i < anzahl && i < 20; ++i)
        if (Spielfeld_Record* r = Spielfeld_Get_Spiel(spiele[i])) records[n++] = r;
    Spielszenen_Fenster_Verteilen(records, n);
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) f.hintergrund_id = -1;
    if (Grafik_Screen_Geometrie.depth != 15 && Grafik_Screen_Geometrie.depth != 16) return false;

    Soundeffekt_Free_All();
    Grafik_Fortschritt_Oeffnen("Lade Spielszenen Grafik...", -1, -1);
    Grafik_Fortschritt_Setzen(10, "Lade Animations-Infos...");
    Load_Resource(handle(), SZ_PALETTE, 16, nullptr);
    std::memcpy(Spielszenen_Grafik.palette, Aktuelle_Palette, 768);
    Spielszenen_Grafik.palette[0] = Spielszenen_Grafik.palette[1] = Spielszenen_Grafik.palette[2] = 0;
    Grafik_Fortschritt_Setzen(100, "Lade Hintergrundgrafik...");
    animationen_laden();
    zuschauer_laden();
    bilder_laden();
    sounds_laden();
    Spielszenen_Sound_Satz_Waehlen(0);
    Grafik_Fortschritt_Schliessen();
    Grafik_Screen_Seite_Waehlen(1);
    geladen = 1;
    Spielszenen_Neu_Zeichnen_Angefordert = 1;
    Spielszenen_Grafik.rahmen_stil = -1;
    // the crowd's background loop at full volume
    Spielszenen_Sound_Gruppe_Spielen(0, 1, 0, 4, 0);
    return true;
}

void Spielszenen_Grafik_Freigeben()
{
    Spielszenen_Zeiger_Zuruecksetzen();
    Spielszenen_Sprite_Vorrat_Leeren();
    for (int32_t c = 0; c < SPIELSZENEN_ANIMATIONEN; ++c)
        for (int32_t d = 0; d < 8; ++d) liste_freigeben(Spielszenen_Grafik.animation[c][d], Spielszenen_Grafik.bilder[c][d]);
    for (int32_t k = 0; k < SZ_TOR_ANIMATIONEN; ++k)
        liste_freigeben(Spielszenen_Grafik.tor_halb[k], Spielszenen_Grafik.tor_halb_bilder[k]);
    for (int32_t i = 0; i < SZ_ZUSCHAUER_REIHEN; ++i)
        liste_freigeben(Spielszenen_Grafik.zuschauer[i], Spielszenen_Grafik.zuschauer_bilder[i]);
    for (Rle_Sprite*& s : Spielszenen_Grafik.ueberlagerung) {
        Grafik_Sprite_Freigeben(s);
        s = nullptr;
    }
    for (Rle_Sprite*& s : Spielszenen_Grafik.bild) {
        Grafik_Sprite_Freigeben(s);
        s = nullptr;
    }
    for (Rastport*& b : Spielszenen_Grafik.fest) b = Grafik_Bitmap_Freigeben(b);
    for (Rastport*& b : Spielszenen_Grafik.kopf) b = Grafik_Bitmap_Freigeben(b);
    Spielszenen_Grafik.rahmen = Grafik_Bitmap_Freigeben(Spielszenen_Grafik.rahmen);
    Spielszenen_Grafik.rahmen_stil = -1;
    Spielszenen_Rahmen_Streifen_Freigeben();
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        f.hintergrund = Grafik_Bitmap_Freigeben(f.hintergrund);
        Grafik_Sprite_Freigeben(f.kopfzeile);
        f.kopfzeile = nullptr;
        f.eingerichtet = 0;
    }
    for (int32_t i = 0; i < SPIELSZENEN_SOUNDS; ++i) {
        Spielszenen_Sound_Eintrag& s = Spielszenen_Sound[i];
        if (s.sample >= 0) Sound_Stop(s.sample);
        s.sample = Sound_Free_Sample(s.sample);
        s.sample = -1;
        s.spielt = 0;
        sound_daten[i].clear();
        sound_daten[i].shrink_to_fit();
    }
    Spielszenen_Sound_Satz = -1;
    Spielszenen_Ereignisliste_Freigeben();
    Spielszenen_Tabelle_Freigeben();
    Spielszenen_Schuetze_Freigeben();
    const bool war_geladen = geladen != 0;
    geladen = 0;
    Spielszenen_Modus = SPIELSZENEN_SCREEN;
    Spielszenen_Neu_Zeichnen_Angefordert = 1;
    if (war_geladen) Soundeffekt_Load_All(handle());
    Mauszeiger_Unfreeze();
}

void Spielszenen_Sounds_Ausblenden() { Spielszenen_Sounds_Ausblenden_Bei(Timer_Get_Time()); }

void Spielszenen_Sounds_Ausblenden_Bei(uint32_t jetzt)
{
    for (int32_t i = 17; i < SPIELSZENEN_SOUNDS; ++i) {
        Spielszenen_Sound_Eintrag& s = Spielszenen_Sound[i];
        if (!s.spielt || s.schleife) continue;
        // wrap-safe: the millisecond clock may pass 2^32 during a long session
        if (uint32_t(jetzt - s.start) <= 5000u) continue;
        s.daempfung -= 20;
        const int32_t pegel = s.lautstaerke + s.daempfung;
        if (s.sample >= 0) Sound_Set_Volume(s.sample, pegel);
        if (pegel < -1500) {
            if (s.sample >= 0) Sound_Stop(s.sample);
            s.spielt = 0;
        }
    }
}

uint32_t Spielszenen_Block_Schreiben(uint8_t* out)
{
    if (!out) return 0;
    Bytes_Setze32(out, geladen ? 1u : 0u);
    if (!geladen) return 4;
    uint32_t p = 4;
    for (const Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
        const int32_t w[7] = {f.spiel, f.x, f.y, f.breite, f.hoehe, f.groesse, f.hintergrund_id};
        for (int32_t v : w) {
            Bytes_Setze32(out + p, uint32_t(v));
            p += 4;
        }
    }
    return p;
}

bool Spielszenen_Block_Lesen(const uint8_t* daten, uint32_t laenge)
{
    if (!daten || laenge < 4) return false;
    const uint32_t flag = Bytes_Hole32(daten);
    if (flag > 1 || laenge != (flag ? 116u : 4u)) return false;
    uint32_t w[4][7] = {};
    if (flag) {
        for (int32_t i = 0; i < 4; ++i) {
            for (int32_t k = 0; k < 7; ++k) w[i][k] = Bytes_Hole32(daten + 4 + 28 * i + 4 * k);
            if (!rechteck_gueltig(i, w[i])) return false;
        }
        // The values are taken even when the scene cannot be loaded here (8-bit screen).
        Spielszenen_Grafik_Laden();
        for (int32_t i = 0; i < 4; ++i) {
            Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[i];
            f.spiel = int32_t(w[i][0]);
            f.x = int32_t(w[i][1]);
            f.y = int32_t(w[i][2]);
            f.breite = int32_t(w[i][3]);
            f.hoehe = int32_t(w[i][4]);
            f.groesse = int32_t(w[i][5]);
            f.hintergrund_id = int32_t(w[i][6]);
            f.eingerichtet = 0;
        }
        Spielszenen_Fenster_Records_Holen();
        // a game without a record leaves its window empty
        for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
            if (!f.record) f.spiel = -1;
        Spielszenen_Sichtbarkeit_Setzen();
        Spielszenen_Fenster_Einrichten();
        Spielszenen_Sichtbarkeit_Pruefen();
        Spielszenen_Aufteilung_Berechnen();
        Spielszenen_Alles_Zeichnen = 1;
    }
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) f.aktiv = 0;
    for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
        if (f.spiel >= 0) {
            f.aktiv = 1;
            break;
        }
    return true;
}

bool Spielszenen_Speichern(Disk_Datei* datei)
{
    if (!datei) return true;
    uint8_t block[116];
    const uint32_t n = Spielszenen_Block_Schreiben(block);
    for (uint32_t p = 0; p < n; p += 4)
        if (!Disk_Schreibe_Block(datei, block + p, 4)) return false;
    return true;
}

bool Spielszenen_Laden(Disk_Datei* datei, const char*)
{
    if (!datei) return true;
    uint8_t block[116];
    if (!Disk_Lese_Block(datei, block, 4)) return false;
    uint32_t n = 4;
    if (Bytes_Hole32(block) == 1)
        for (; n < 116; n += 4)
            if (!Disk_Lese_Block(datei, block + n, 4)) return false;
    if (!Spielszenen_Block_Lesen(block, n)) {
        Print_Fehler("Spielszenen_Laden: Block der Spielansicht ungueltig");
        Disk_Block_Ablehnen(datei);
        return false;
    }
    return true;
}

void Spielszenen_Disk_Registrieren() { Disk_Block_Registrieren(DISK_POS_SPIELANSICHT, Spielszenen_Speichern, Spielszenen_Laden); }
