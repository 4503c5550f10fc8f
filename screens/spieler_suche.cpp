#include "screens/spieler_suche.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/bytes.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/string_util.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_schirme.h"
#include "screens/spieler_vereinsauswahl.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"

namespace {

constexpr int32_t MONATE[6] = {2, 3, 6, 9, 12, 15};
constexpr int32_t SLOT_NULLPUNKT[4][2] = {{193, 181}, {306, 166}, {193, 341}, {306, 325}};

int32_t eigen() { return Aktuelles_Team; }
bool mit_manager() { return eigen() >= 0 && eigen() < Team_Anzahl && Team_Hat_Manager(eigen()); }
bool knopf(int32_t icon) { return mit_manager() && Manager_Icon_Button_Lesen(eigen(), icon); }
void setzen(int32_t icon, bool an)
{
    if (mit_manager()) Manager_Icon_Button_An_Aus(eigen(), icon, an ? 1 : 0);
}
int32_t wort(int32_t icon) { return mit_manager() ? static_cast<int16_t>(Manager_Icon_Word_Data_Lesen(eigen(), icon)) : -1; }

Transfer_Suchblock* block()
{
    return mit_manager() ? static_cast<Transfer_Suchblock*>(Team_Zeiger(TEAM_TRANSFERSUCHE, eigen(), nullptr, 0)) : nullptr;
}

int32_t monate()
{
    const int32_t m = wort(1355);
    return std::find(MONATE, MONATE + 6, m) != MONATE + 6 ? m : 6;
}

// One scope always stays; a club and a league exclude each other, the players without a club go
// with either.
void bereich_regel(int32_t geklickt)
{
    const int32_t an = knopf(1352) + knopf(1353) + knopf(1354);
    if (an == 0) setzen(geklickt, true);
    else if (an >= 2 && geklickt != 1353)
        for (int32_t i : {1352, 1354})
            if (i != geklickt) setzen(i, false);
}

void i16_schreiben(uint8_t* b, const int16_t* w)
{
    for (int32_t k = 0; k < 4; ++k) Bytes_Setze16(b + 2 * k, static_cast<uint16_t>(w[k]));
}
void i16_lesen(const uint8_t* b, int16_t* w)
{
    for (int32_t k = 0; k < 4; ++k) w[k] = static_cast<int16_t>(Bytes_Hole16(b + 2 * k));
}

}  // namespace

void Transfer_Suchblock_Packen(const Transfer_Suchblock& s, uint8_t* b)
{
    i16_schreiben(b + 0, s.alter_min);
    i16_schreiben(b + 8, s.alter_max);
    i16_schreiben(b + 16, s.staerke_min);
    i16_schreiben(b + 24, s.staerke_max);
    i16_schreiben(b + 32, s.zelle_a);
    i16_schreiben(b + 40, s.zelle_b);
    i16_schreiben(b + 48, s.spieler);
    i16_schreiben(b + 56, reinterpret_cast<const int16_t*>(s.preis));
    std::memcpy(b + 64, s.torwart, 4);
    std::memcpy(b + 68, s.aktiv, 4);
    std::memcpy(b + 72, s.rest, 84);
}

void Transfer_Suchblock_Entpacken(const uint8_t* b, Transfer_Suchblock& s)
{
    i16_lesen(b + 0, s.alter_min);
    i16_lesen(b + 8, s.alter_max);
    i16_lesen(b + 16, s.staerke_min);
    i16_lesen(b + 24, s.staerke_max);
    i16_lesen(b + 32, s.zelle_a);
    i16_lesen(b + 40, s.zelle_b);
    i16_lesen(b + 48, s.spieler);
    int16_t preis[4];
    i16_lesen(b + 56, preis);
    for (int32_t k = 0; k < 4; ++k) s.preis[k] = static_cast<uint16_t>(preis[k]);
    std::memcpy(s.torwart, b + 64, 4);
    std::memcpy(s.aktiv, b + 68, 4);
    std::memcpy(s.rest, b + 72, 84);
}

bool Spieler_Suche_Ohne_Raum()
{
    const Transfer_Suchblock* s = block();
    // watched players and players with offers are listed whatever their position
    if (!s || knopf(1359) || knopf(1360)) return false;
    for (int32_t k = 0; k < 4; ++k)
        if (s->aktiv[k] == 1) return false;
    return true;
}

bool Spieler_Suche_Passt(int32_t team, int32_t spnr)
{
    const Transfer_Suchblock* s = block();
    if (!s || spnr < 0 || spnr >= Spieler_Anzahl || team < 0 || team >= Team_Anzahl) return false;
    if (knopf(1355) && team != Transfermarkt_Team && Teamspieler_Wert(305, team, spnr, 0, 0) > monate()) return false;
    const uint32_t flags = static_cast<uint32_t>(Teamspieler_Wert(317, team, spnr, 0, 0));
    if (knopf(1360)) return Spieler_Ist_Beobachtet(eigen(), spnr);
    if (knopf(1359)) return Richter_Spieler_Angebot_Vorhanden(spnr, -1, -1);
    const bool frei = knopf(1357), angebot = knopf(1358);
    if (frei || angebot) {
        const bool ok = (frei && (flags & TS_TRANSFERLISTE)) ||
                        (angebot && Richter_Spieler_Angebot_Vorhanden(spnr, team, eigen()));
        if (!ok) return false;
    }
    const int32_t alter = Spieler_Wert(SP_ALTER, spnr, 0, 0);
    const int32_t pos = Spieler_Wert(SP_LIEBLINGSPOS, spnr, 0, 0);
    const int32_t staerke = Spieler_Wert(SP_K_I_T, spnr, 0, 0);
    for (int32_t k = 0; k < 4; ++k) {
        if (s->aktiv[k] != 1) continue;
        // a block from a savegame or a client is bounded here, where it is compared
        const int32_t amin = std::clamp<int32_t>(s->alter_min[k], 16, 42);
        const int32_t amax_roh = std::clamp<int32_t>(s->alter_max[k], 16, 42);
        const int32_t amax = amax_roh == 42 ? 99 : amax_roh;
        const int32_t smin = std::clamp<int32_t>(s->staerke_min[k], 1, 999);
        const int32_t smax = std::clamp<int32_t>(s->staerke_max[k], 1, 999);
        if (alter < amin || alter > amax || staerke < smin || staerke > smax) continue;
        if (s->torwart[k]) {
            if (pos == SP_POS_TORWART) return true;
            continue;
        }
        if (pos < 0 || pos >= RASTER_KEINE_ZELLE) continue;
        const int32_t a = std::clamp<int32_t>(s->zelle_a[k], 0, RASTER_KEINE_ZELLE - 1);
        const int32_t b = std::clamp<int32_t>(s->zelle_b[k], 0, RASTER_KEINE_ZELLE - 1);
        const int32_t z0 = std::min(a, b) / RASTER_SPALTEN, z1 = std::max(a, b) / RASTER_SPALTEN;
        const int32_t s0 = std::min(a % RASTER_SPALTEN, b % RASTER_SPALTEN), s1 = std::max(a % RASTER_SPALTEN, b % RASTER_SPALTEN);
        const int32_t z = pos / RASTER_SPALTEN, sp = pos % RASTER_SPALTEN;
        if (z >= z0 && z <= z1 && sp >= s0 && sp <= s1) return true;
    }
    return false;
}

bool Spieler_Einsetzen_Modus_803_Aktiv() { return knopf(803) && knopf(707); }
bool Spieler_Einsetzen_Modus_804_Aktiv() { return knopf(804) && knopf(707); }

const char* Spieler_Suche_Bereich_Text()
{
    static char text[80];
    const char* basis = "Nur TM";
    if (knopf(1352)) {
        const int32_t t = wort(1352) < 0 ? eigen() : wort(1352);
        const char* n = t >= 0 && t < Team_Anzahl ? Team_String(TEAM_NAME_ROH, t, nullptr, 0) : nullptr;
        basis = n ? n : "";
    } else if (knopf(1354)) {
        const char* n = wort(1354) == -1 ? "Alle Ligen" : Wettbewerb_Get_Anzeigename(wort(1354));
        basis = n ? n : "";
    }
    std::snprintf(text, sizeof text, "%s%s", basis, knopf(1353) && (knopf(1352) || knopf(1354)) ? "+TM" : "");
    return text;
}

const char* Spieler_Suche_Monate_Text()
{
    static char text[24];
    const int32_t m = monate();
    std::snprintf(text, sizeof text, "(< %c%c Monate)", m >= 10 ? '1' : ' ', char('0' + m % 10));
    return text;
}

int32_t Spieler_Suche_Slot_Aus_Icon(int32_t icon)
{
    if (icon < 1388 || icon > 1479) return -1;
    return (icon - 1388) / 23;
}

void Spieler_Suche_Schalten(int32_t icon)
{
    if (!mit_manager()) return;
    if (icon >= 1351 && icon <= 1360 && icon != 1356) {
        const bool neu = !knopf(icon);
        setzen(icon, neu);
        if (icon >= 1352 && icon <= 1354) bereich_regel(icon);
        if (icon >= 1357 && neu)
            for (int32_t i = 1357; i <= 1360; ++i)
                if (i != icon) setzen(i, false);
        return;
    }
    const int32_t slot = Spieler_Suche_Slot_Aus_Icon(icon);
    Transfer_Suchblock* s = block();
    if (slot < 0 || !s) return;
    const int32_t rolle = icon - 23 * slot;
    if (rolle == 1405) {
        s->torwart[slot] = s->torwart[slot] ? 0 : 1;
        setzen(icon, s->torwart[slot]);
        for (int32_t e = 0; e < 4; ++e)
            if (Menue_Icon* ic = Menue_Screen_Icon_Aus_Nummer(1407 + 23 * slot + e)) {
                if (s->torwart[slot]) ic->status |= ICON_GESPERRT;
                else ic->status &= static_cast<uint16_t>(~ICON_GESPERRT);
            }
    } else if (rolle == 1406) {
        s->aktiv[slot] = s->aktiv[slot] ? 0 : 1;
        setzen(icon, s->aktiv[slot]);
    }
}

void Spieler_Suche_Verein_Setzen(int32_t team)
{
    if (!mit_manager() || team < -1 || team >= Team_Anzahl) return;
    setzen(1352, true);
    bereich_regel(1352);
    Manager_Icon_Word_Data_Schreiben(eigen(), 1352, static_cast<uint16_t>(team < 0 ? eigen() : team));
}

void Spieler_Suche_Liga_Setzen(int32_t liga)
{
    if (!mit_manager()) return;
    setzen(1354, true);
    bereich_regel(1354);
    Manager_Icon_Word_Data_Schreiben(eigen(), 1354, static_cast<uint16_t>(liga));
}

void Spieler_Suche_Vertrag_Setzen(int32_t item)
{
    if (!mit_manager() || item < 0 || item > 5) return;
    setzen(1355, true);
    Manager_Icon_Word_Data_Schreiben(eigen(), 1355, static_cast<uint16_t>(MONATE[item]));
}

int32_t Spieler_Suche_Ligen(int32_t* ids, int32_t max)
{
    if (!ids || max <= 0 || eigen() < 0) return 0;
    int32_t alle[1024];
    const int32_t n = std::min(Wettbewerb_Get_Land_Wettbewerbe(-1, alle), 1024);
    int32_t k = 0;
    for (int32_t i = 0; i < n && k < max; ++i)
        if (Wettbewerb_Get_Oberwettbewerb(alle[i]) == alle[i] && Wettbewerb_Team_Noch_Dabei(alle[i], eigen()))
            ids[k++] = alle[i];
    return k;
}

void Spieler_Suche_Ecke_Ziehen(int32_t slot, int32_t ecke, int32_t x, int32_t y)
{
    Transfer_Suchblock* s = block();
    if (!s || slot < 0 || slot > 3 || ecke < 0 || ecke > 3 || s->torwart[slot]) return;
    const bool links = ecke == 0 || ecke == 2, oben = ecke < 2;
    const int32_t dx = SLOT_NULLPUNKT[slot][0] - SLOT_NULLPUNKT[0][0], dy = SLOT_NULLPUNKT[slot][1] - SLOT_NULLPUNKT[0][1];
    int32_t px = static_cast<int32_t>(std::lround((x + (links ? -8 : 2) - 204 - dx) * 2.73 + 226));
    int32_t py = static_cast<int32_t>(std::lround((y + (oben ? -10 : 4) - 178 - dy) * 2.7 + 134));
    Spieler_Interne_Pos_Aus_Screenpos(&px, &py);
    const int32_t a = std::clamp<int32_t>(s->zelle_a[slot], 0, RASTER_KEINE_ZELLE - 1);
    const int32_t b = std::clamp<int32_t>(s->zelle_b[slot], 0, RASTER_KEINE_ZELLE - 1);
    int32_t lz = std::min(a, b) / RASTER_SPALTEN, hz = std::max(a, b) / RASTER_SPALTEN;
    int32_t ls = std::min(a % RASTER_SPALTEN, b % RASTER_SPALTEN), hs = std::max(a % RASTER_SPALTEN, b % RASTER_SPALTEN);
    if (oben) hz = py;
    else lz = py;
    if (links) ls = px;
    else hs = px;
    // at least 6 rows and 5 columns: the dragged corner's coordinate gives way
    if (oben) hz = std::max(hz, lz + 5);
    else lz = std::min(lz, hz - 5);
    if (links) ls = std::min(ls, hs - 4);
    else hs = std::max(hs, ls + 4);
    if (hz > 26) {
        hz = 26;
        lz = std::min(lz, 21);
    }
    if (lz < 0) {
        lz = 0;
        hz = std::max(hz, 5);
    }
    if (hs > 16) {
        hs = 16;
        ls = std::min(ls, 12);
    }
    if (ls < 0) {
        ls = 0;
        hs = std::max(hs, 4);
    }
    s->zelle_a[slot] = static_cast<int16_t>(lz * RASTER_SPALTEN + ls);
    s->zelle_b[slot] = static_cast<int16_t>(hz * RASTER_SPALTEN + hs);
}

bool Spieler_Suche_Regler_Setzen(int32_t slot, int32_t art, int32_t y_oben, int32_t y_unten)
{
    Transfer_Suchblock* s = block();
    if (!s || slot < 0 || slot > 3 || art < 0 || art > 1) return false;
    y_oben = std::clamp(y_oben, 0, 115 - 8);
    y_unten = std::clamp(y_unten, y_oben + 8, 115);
    if (art == 0) {
        s->alter_max[slot] = static_cast<int16_t>(42 - y_oben * 26 / 115);
        s->alter_min[slot] = static_cast<int16_t>(42 - y_unten * 26 / 115);
    } else {
        s->staerke_max[slot] = static_cast<int16_t>(1000 - (1 + y_oben * 998 / 115));
        s->staerke_min[slot] = static_cast<int16_t>(1000 - (1 + y_unten * 998 / 115));
    }
    for (int32_t k = 0; k < 4; ++k)
        if (s->aktiv[k]) return true;
    return false;
}

bool Spieler_Suche_Icons_Sperren()
{
    const bool gesperrt = mit_manager() && Assistent_Mit_Aufgabe(eigen(), ASSI_AUFGABE_TRANSFER) >= 0;
    for (int32_t i = 1388; i <= 1479; ++i)
        if (Menue_Icon* ic = Menue_Screen_Icon_Aus_Nummer(i)) {
            if (gesperrt) ic->status |= ICON_GESPERRT_2;
            else ic->status &= static_cast<uint16_t>(~ICON_GESPERRT_2);
        }
    return gesperrt;
}

namespace {

const char* transfer_assistent()
{
    const int32_t slot = mit_manager() ? Assistent_Mit_Aufgabe(eigen(), ASSI_AUFGABE_TRANSFER) : -1;
    return slot >= 0 && slot < ASSI_SLOTS ? Assistenten_Tabelle[slot].name : nullptr;
}

char hilfe[400];

}  // namespace

void Spieler_Suche_Texte_Setzen(Spieler_Suche_Texte* aus)
{
    if (!aus) return;
    int32_t verein = wort(1352);
    if (verein < 0 && mit_manager()) {
        verein = eigen();
        Manager_Icon_Word_Data_Schreiben(eigen(), 1352, uint16_t(verein));
    }
    const char* name = verein >= 0 && verein < Team_Anzahl ? Team_String(TEAM_NAME_ROH, verein, nullptr, 0) : nullptr;
    std::snprintf(aus->verein, sizeof aus->verein, "%s", name ? name : "");
    const char* liga = wort(1354) == -1 ? "allen Ligen" : Wettbewerb_Get_Anzeigename(wort(1354));
    std::snprintf(aus->liga, sizeof aus->liga, "%s", liga ? liga : "");
    // Cut in the font the page draws them in, to the room behind their captions.
    String_Kuerzen_Pixel(aus->verein, nullptr, SPIELER_SUCHE_FONT, SPIELER_SUCHE_VEREIN_BREITE);
    String_Kuerzen_Pixel(aus->liga, nullptr, SPIELER_SUCHE_FONT, SPIELER_SUCHE_LIGA_BREITE);
    std::snprintf(aus->monate, sizeof aus->monate, "%s", Spieler_Suche_Monate_Text());
}

const char* Spieler_Suche_Slot_Hilfe(Menue_Icon*)
{
    if (const char* a = transfer_assistent()) {
        std::snprintf(hilfe, sizeof hilfe,
                      "Ihr Assistent %s kümmert sich um die Transfers.^lSie können sich aber anschauen, welche Spieler er "
                      "sucht.",
                      a);
        return hilfe;
    }
    return "Markieren Sie hier den Raum, in dem die Lieblingsposition^ldes gesuchten Spielers liegen soll.^lEinen "
           "Torwart können Sie durch Klick auf das Tor suchen lassen.";
}

const char* Spieler_Suche_Raum_Hilfe(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    if (const char* a = transfer_assistent()) {
        std::snprintf(hilfe, sizeof hilfe,
                      "Die Raumangaben zum gesuchten Spieler müssen Sie schon^lIhrem Assistenten %s überlassen...", a);
        return hilfe;
    }
    const int32_t slot = Spieler_Suche_Slot_Aus_Icon(icon->nummer);
    const int32_t rolle = slot < 0 ? -1 : icon->nummer - 23 * slot;
    if (rolle == 1405)
        return "Aktivieren Sie das Tor, wenn Sie einen Torwart suchen.^lIn diesem Fall ist der Spielfeld-Raum solange "
               "gesperrt,^lbis Sie das Tor wieder deaktivieren";
    static const char* const ECKEN[4] = {"Links Oben", "Rechts Oben", "Links Unten", "Rechts Unten"};
    if (rolle < 1407 || rolle > 1410) return nullptr;
    const Transfer_Suchblock* s = block();
    std::snprintf(hilfe, sizeof hilfe, "Lieblingsposition des gesuchten Spielers:^l%s%s", ECKEN[rolle - 1407],
                  s && s->torwart[slot] ? " (momentan ist die TORWART-Suche aktiv)" : "");
    return hilfe;
}

const char* Spieler_Suche_Aktiv_Hilfe(Menue_Icon*)
{
    std::snprintf(hilfe, sizeof hilfe,
                  "Aktivieren Sie mit diesem Knopf die Suche eines Spielers,^lder hinsichtlich Lieblingsposition, Alter und "
                  "Stärke passt.%s",
                  transfer_assistent() ? "^l(vom ASSISTENTEN übernommen)" : "");
    return hilfe;
}

const char* Spieler_Suche_Vertrag_Hilfe(Menue_Icon*)
{
    std::snprintf(hilfe, sizeof hilfe,
                  "Die Suche ZUSÄTZLICH auf Spieler mit auslaufenden^lVerträgen (< %d Monate) einschränken.", monate());
    return hilfe;
}

void Spieler_Suche_Titelbild() { Spieler_Screen_Titelbild(1227); }

int32_t Spieler_Suche_Knopf_Klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    Spieler_Suche_Schalten(icon->nummer);
    return 1;
}

Menue_Kontextmenue* Spieler_Suche_Team_Menue(Menue_Icon*)
{
    if (!mit_manager()) return nullptr;
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Team auswählen:", -1, 0, Spieler_Suche_Team_Gewaehlt);
    Spieler_Einsetzen_Vereinsauswahl_Setzen(wort(1352) < 0 ? eigen() : wort(1352), false);
    Spieler_Einsetzen_Vereinsauswahl_Menue(k, 0, Spieler_Suche_Team_Gewaehlt, true);
    return k;
}

Menue_Kontextmenue* Spieler_Suche_Liga_Menue(Menue_Icon*)
{
    if (!mit_manager()) return nullptr;
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Liga auswählen:", -1, 0, Spieler_Suche_Liga_Gewaehlt);
    static char namen[MENUE_KONTEXT_EINTRAEGE][48];
    int32_t ids[MENUE_KONTEXT_EINTRAEGE - 1];
    const int32_t n = Spieler_Suche_Ligen(ids, MENUE_KONTEXT_EINTRAEGE - 1);
    const int32_t aktuell = wort(1354);
    for (int32_t i = 0; i <= n; ++i) {
        const int32_t id = i == 0 ? -1 : ids[i - 1];
        const char* name = i == 0 ? "Alle Ligen" : Wettbewerb_Get_Anzeigename(id);
        std::snprintf(namen[i], sizeof namen[i], "%s", name ? name : "");
        k->texte[i] = namen[i];
        k->wert_a[i] = id;
        k->prozeduren[i] = Spieler_Suche_Liga_Gewaehlt;
        k->status[i] = uint16_t(POPUP_WAEHLBAR | POPUP_RADIO | (id == aktuell ? POPUP_GEWAEHLT : 0));
    }
    return k;
}

Menue_Kontextmenue* Spieler_Suche_Vertrag_Menue(Menue_Icon*)
{
    if (!mit_manager()) return nullptr;
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "\"Auslaufende Verträge\" bedeutet:", -1, 0, Spieler_Suche_Vertrag_Gewaehlt);
    static const char* const TEXTE[6] = {"Vertragsdauer <  2 Monate", "Vertragsdauer <  3 Monate", "Vertragsdauer <  6 Monate",
                                         "Vertragsdauer <  9 Monate", "Vertragsdauer < 12 Monate", "Vertragsdauer < 15 Monate"};
    for (int32_t i = 0; i < 6; ++i) {
        k->texte[i] = TEXTE[i];
        k->wert_a[i] = MONATE[i];
        k->prozeduren[i] = Spieler_Suche_Vertrag_Gewaehlt;
        k->status[i] = uint16_t(POPUP_WAEHLBAR | POPUP_RADIO | (MONATE[i] == monate() ? POPUP_GEWAEHLT : 0));
    }
    return k;
}

uint8_t Spieler_Suche_Team_Gewaehlt(int32_t, int32_t, int32_t team, int32_t)
{
    Spieler_Suche_Verein_Setzen(team);
    return 1;
}

uint8_t Spieler_Suche_Liga_Gewaehlt(int32_t, int32_t, int32_t liga, int32_t)
{
    Spieler_Suche_Liga_Setzen(liga);
    return 1;
}

uint8_t Spieler_Suche_Vertrag_Gewaehlt(int32_t eintrag, int32_t, int32_t, int32_t)
{
    Spieler_Suche_Vertrag_Setzen(eintrag);
    return 1;
}

bool Spieler_Suche_Raum_Malen(Rastport* pitch, int32_t slot, uint16_t farbe)
{
    const Transfer_Suchblock* s = block();
    if (!pitch || !s || slot < 0 || slot > 3 || s->torwart[slot]) return false;
    const int32_t a = std::clamp<int32_t>(s->zelle_a[slot], 0, RASTER_KEINE_ZELLE - 1);
    const int32_t b = std::clamp<int32_t>(s->zelle_b[slot], 0, RASTER_KEINE_ZELLE - 1);
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    // the low corner lies bottom left on the small pitch, the high corner top right
    Spieler_Einsetzen_Raster_Zu_Screen(0, std::min(a, b) / RASTER_SPALTEN, std::min(a % RASTER_SPALTEN, b % RASTER_SPALTEN),
                                       eigen(), -1, &x0, &y1);
    Spieler_Einsetzen_Raster_Zu_Screen(0, std::max(a, b) / RASTER_SPALTEN, std::max(a % RASTER_SPALTEN, b % RASTER_SPALTEN),
                                       eigen(), -1, &x1, &y0);
    const int32_t w = x1 - x0 + 1, h = y1 - y0 + 1;
    if (w <= 0 || h <= 0 || x1 >= int32_t(pitch->width) || y1 >= int32_t(pitch->height)) {
        Print_Fehler("Spieler_Einsetzen_Raum_Malen: Blit fehlgeschlagen!");
        return false;
    }
    Grafik_Rechteck_Fuellen(pitch, x0, y0, w, 1, farbe);
    Grafik_Rechteck_Fuellen(pitch, x0, y1, w, 1, farbe);
    Grafik_Rechteck_Fuellen(pitch, x0, y0, 1, h, farbe);
    Grafik_Rechteck_Fuellen(pitch, x1, y0, 1, h, farbe);
    return true;
}
