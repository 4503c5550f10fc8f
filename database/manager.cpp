// Human managers: the record, its fields and icon state, the lifecycle, the turn order, the
// manual line-up, the savegame blocks and the training plan.
//
// Record image, 149,572 bytes, little-endian:
//   0 u8 head number; 1 reserved
//   2, 866 two stored line-up sets of 864 bytes: 0 six x 20 place bytes; 120 six x 80 area
//     bytes; 600 six x 11 i16 players; 732 six x 11 u16 tactical words
//   1730 manual line-up: 50 entries of eight u16 pairs (slot 0, slot 1)
//   3330 50 history entries of 2,550 bytes: i16 player, 24 x 52 u16 values, 52 reserved
//   130830 reserved (2)
//   130832 icon state, 16,904 bytes: 0 2701 u32 states; 10804 2701 u16 words; 16206 gap (2);
//     16208 u32 history position; 16212 15 u32 placeholders; 16272 15 i16 icon numbers;
//     16302 100 u32 placeholders; 16702 100 i16 icon numbers; 16902 gap (2)
//   147736 advertising (456); 148192 training camps (1320); 149512 14 f32 training percentages;
//   149568 three option bytes; 149571 reserved
#include "database/manager.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "database/assistent.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/werbung.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/sortiere.h"
#include "platform/temp.h"
#include "platform/zufall.h"
#include "toolkit/dienste.h"
#include "toolkit/favoriten.h"
#include "toolkit/icon.h"
#include "toolkit/menueleiste.h"
#include "toolkit/scroll.h"
#include "toolkit/requester.h"

int32_t Manager_Anzahl = 0;
int32_t Manager_Anzahl_Netz = 0;

namespace {

constexpr uint32_t OFS_AUFSTELLUNG = 2, OFS_MANUELL = 1730, OFS_ZUSATZ = 3330, OFS_ICONS = 130832,
                   OFS_WERBUNG = 147736, OFS_LAGER = 148192, OFS_TRAINING = 149512, OFS_OPTIONEN = 149568;
constexpr uint32_t ICON_OFS_POSITION = 16208, ICON_OFS_BESUCHT_NR = 16272, ICON_OFS_LOG_NR = 16702;

// Scroll bar of the training page whose knob shows the units to distribute.
constexpr int32_t ICON_TRAININGSEINHEITEN = 1498;
constexpr int32_t ICON_EINSATZ = 1286;
// Stored line-up that a club change resets.
constexpr int32_t ICON_AUFSTELLUNG_WECHSEL = 1295;

// Icon presets of a new manager, by the screens that own the icons; icon -1 ends the table.
struct Icon_Vorgabe {
    int16_t icon;
    bool wort;  // the preset is the icon's word datum, else its state
    uint32_t wert;
};
constexpr Icon_Vorgabe ICON_VORGABEN[] = {
    {1288, false, 1}, {1290, false, 3},      {1295, true, 0xFFFF}, {1352, true, 0xFFFF},
    {1353, false, 1}, {1354, true, 0xFFFF}, {1355, true, 6},      {908, false, 1},
    {880, false, 1},  {881, false, 1},      {-1, false, 0},
};

// --- byte image ----------------------------------------------------------------------------

// Walks a record's fields in image order; writes them to or reads them from the bytes.
template <bool Schreiben>
struct Abbild {
    std::conditional_t<Schreiben, uint8_t*, const uint8_t*> p;

    template <class T>
    void operator()(T& v)
    {
        using U = std::remove_cv_t<T>;
        if constexpr (std::is_array_v<U>) {
            using E = std::remove_cv_t<std::remove_all_extents_t<U>>;
            // The image is little-endian, as the machine is: an array of numbers is one copy.
            if constexpr (sizeof(E) == 1 || (std::is_arithmetic_v<E> && std::endian::native == std::endian::little)) {
                if constexpr (Schreiben) std::memcpy(p, &v, sizeof v);
                else std::memcpy(&v, p, sizeof v);
                p += sizeof v;
            } else {
                for (auto& e : v) (*this)(e);
            }
        } else if constexpr (std::is_same_v<U, float>) {
            uint32_t u;
            if constexpr (Schreiben) {
                std::memcpy(&u, &v, 4);
                Bytes_Setze32(p, u);
            } else {
                u = Bytes_Hole32(p);
                std::memcpy(&v, &u, 4);
            }
            p += 4;
        } else if constexpr (sizeof(U) == 1) {
            if constexpr (Schreiben) *p = static_cast<uint8_t>(v);
            else v = static_cast<U>(*p);
            p += 1;
        } else if constexpr (sizeof(U) == 2) {
            if constexpr (Schreiben) Bytes_Setze16(p, static_cast<uint16_t>(v));
            else v = static_cast<U>(Bytes_Hole16(p));
            p += 2;
        } else {
            static_assert(sizeof(U) == 4);
            if constexpr (Schreiben) Bytes_Setze32(p, static_cast<uint32_t>(v));
            else v = static_cast<U>(Bytes_Hole32(p));
            p += 4;
        }
    }
};

template <class A, class S>
void aufstellung_felder(A& a, S& s)
{
    a(s.plaetze);
    a(s.bereiche);
    a(s.spieler);
    a(s.taktik);
}

template <class A, class Z>
void icon_felder(A& a, Z& z)
{
    a(z.status);
    a(z.wort);
    a(z.luecke);
    a(z.besucht_position);
    a(z.besucht);
    a(z.besucht_nr);
    a(z.log);
    a(z.log_nr);
    a(z.ende);
}

template <class A, class Z>
void zusatz_felder(A& a, Z& z)
{
    for (auto& e : z) {
        a(e.spnr);
        a(e.verlauf);
        a(e.reserve);
    }
}

template <class A, class M>
void manager_felder(A& a, M& m)
{
    a(m.kopfnr);
    a(m.reserve_1);
    for (auto& s : m.aufstellung) aufstellung_felder(a, s);
    for (auto& e : m.manuell) a(e.werte);
    zusatz_felder(a, m.zusatzspieler);
    a(m.reserve_2);
    icon_felder(a, m.icons);
    a(m.werbung);
    a(m.trainingslager);
    a(m.trainingsverteilung);
    a(m.optionen);
    a(m.reserve_3);
}

// The image of one block of field `feld`, walked in either direction; false for no block.
template <class A, class M>
bool block_felder(A& a, M& m, int32_t feld)
{
    switch (feld) {
    case 301: case 302: aufstellung_felder(a, m.aufstellung[feld - 301]); return true;
    case 303: icon_felder(a, m.icons); return true;
    case 304: a(m.werbung); return true;
    case 305: a(m.trainingsverteilung); return true;
    case 307: a(m.trainingslager); return true;
    case 308: zusatz_felder(a, m.zusatzspieler); return true;
    case 309: a(m.optionen); return true;
    default: return false;
    }
}

// Checks of block images before anything is taken over: every value the game later uses as a
// place on the grid, an index or a divisor.
bool aufstellung_pruefen(const uint8_t* b)
{
    for (int i = 0; i < 600; i += 2)
        if (b[i] > 26 || b[i + 1] > 16) return false;
    for (int i = 0; i < 66; ++i)
        if (static_cast<int16_t>(Bytes_Hole16(b + 600 + 2 * i)) < -1) return false;
    return true;
}

bool icons_pruefen(const uint8_t* b)
{
    if (Bytes_Hole32(b + ICON_OFS_POSITION) >= static_cast<uint32_t>(MANAGER_BESUCHT)) return false;
    auto nummern_gut = [](const uint8_t* p, int n) {
        for (int i = 0; i < n; ++i) {
            int16_t nr = static_cast<int16_t>(Bytes_Hole16(p + 2 * i));
            if (nr < -1 || nr >= MANAGER_ICON_ANZAHL) return false;
        }
        return true;
    };
    return nummern_gut(b + ICON_OFS_BESUCHT_NR, MANAGER_BESUCHT) && nummern_gut(b + ICON_OFS_LOG_NR, MANAGER_BESUCHT_LOG);
}

bool training_pruefen(const uint8_t* b)
{
    for (int i = 0; i < MANAGER_TRAININGSARTEN; ++i) {
        uint32_t u = Bytes_Hole32(b + 4 * i);
        float f;
        std::memcpy(&f, &u, 4);
        if (!std::isfinite(f) || f < 0.0f || f > 100.0f) return false;
    }
    return true;
}

bool zusatz_pruefen(const uint8_t* b)
{
    for (int k = 0; k < MANAGER_ZUSATZSPIELER; ++k)
        if (static_cast<int16_t>(Bytes_Hole16(b + k * MANAGER_ZUSATZSPIELER_BYTES)) < -1) return false;
    return true;
}

bool block_pruefen(int32_t feld, const uint8_t* b)
{
    switch (feld) {
    case 301: case 302: return aufstellung_pruefen(b);
    case 303: return icons_pruefen(b);
    case 305: return training_pruefen(b);
    case 308: return zusatz_pruefen(b);
    default: return true;
    }
}

// --- helpers -------------------------------------------------------------------------------

bool ist_client() { return Netz_Rolle == 1; }
bool team_gueltig(int32_t team) { return T_Fix && team >= 0 && team < Team_Anzahl; }
Manager_Struktur* manager_von(int32_t team) { return team_gueltig(team) ? T_Fix[team].manager : nullptr; }

// A PC that runs a client keeps only its own manager's icon state.
bool fremdes_team(int32_t team)
{
    if ((Netz_Rolle & 1) && team != static_cast<int32_t>(Handelndes_Team)) {
        Print_Fehler("Client-Team: Button mit falschem Team!");
        return true;
    }
    return false;
}

bool icon_gueltig(int32_t icon) { return icon >= 0 && icon < MANAGER_ICON_ANZAHL; }

void neu_zeichnen(int32_t icon)
{
    if (Menue_Screen_Icon_Ist_Vorhanden(icon)) Menue_Screen_Icon_Aktiv_Setzen(1, icon);
}

void zusatz_leeren(Manager_Zusatzspieler& e)
{
    std::memset(&e, 0, sizeof e);
    e.spnr = -1;
}

void zusatz_fuellen(Manager_Zusatzspieler& e, int32_t spnr)
{
    int32_t v[SP_ATTRIBUTVEKTOR];
    Spieler_Attribute(spnr, v, SP_ATTRIBUTE_LESEN);
    std::memset(&e, 0, sizeof e);
    e.spnr = static_cast<int16_t>(spnr);
    for (int a = 0; a < MANAGER_ATTRIBUTE; ++a)
        for (auto& w : e.verlauf[a]) w = static_cast<uint16_t>(v[a]);
}

Manager_Zusatzspieler* zusatz_suchen(Manager_Struktur* m, int32_t spnr)
{
    for (auto& e : m->zusatzspieler)
        if (e.spnr == spnr) return &e;
    return nullptr;
}

// The commitment slider stands where the club's figure (100 - field 152, on 1..99) puts it: the
// figure itself, or the button's position when the slider is on the screen.
void einsatz_regler_setzen(int32_t team, Manager_Icon_Zustand* z)
{
    const int32_t einsatz = 100 - Team_Wert(TEAM_OPTION, team, 0, TEAM_LESEN);
    Manager_Icon_Status_Vorbelegen(z, ICON_EINSATZ, uint32_t(std::clamp(einsatz, 1, 99)));
    Menue_Wert_In_Scrollpos_Umrechnen(team, ICON_EINSATZ, nullptr, einsatz, 1, 1, 99, -1, -1);
}

}  // namespace

// --- byte image ----------------------------------------------------------------------------

void Manager_Struktur_Packen(const Manager_Struktur& m, uint8_t* bytes)
{
    Abbild<true> a{bytes};
    manager_felder(a, m);
}

void Manager_Struktur_Entpacken(const uint8_t* bytes, Manager_Struktur& m)
{
    Abbild<false> a{bytes};
    manager_felder(a, m);
    // Not in the image: a record read from one starts without stored settings.
    std::memset(m.einstellungen, 0, sizeof m.einstellungen);
}

int32_t Manager_Einstellungen_Zuruecksetzen(Manager_Struktur* m)
{
    if (!m) return 0;
    int32_t n = 0;
    for (Manager_Einstellung& e : m->einstellungen)
        if (e.belegt) {
            e = Manager_Einstellung{};
            ++n;
        }
    return n;
}

bool Manager_Struktur_Pruefen(const uint8_t* b)
{
    return aufstellung_pruefen(b + OFS_AUFSTELLUNG) && aufstellung_pruefen(b + OFS_AUFSTELLUNG + MANAGER_AUFSTELLUNG_BYTES) &&
           zusatz_pruefen(b + OFS_ZUSATZ) && icons_pruefen(b + OFS_ICONS) && training_pruefen(b + OFS_TRAINING);
}

// --- accessors -----------------------------------------------------------------------------

int32_t Manager_Wert(int32_t feld, Manager_Struktur* m, uint8_t modus, int32_t wert)
{
    if (!m) {
        Print_Fehler("Aufruf von Manager_Wert mit m=NULL !\n");
        return 0;
    }
    if (ist_client() && modus == 1) {
        Print_Fehler("Manager_Wert: CLIENT-WRITE!");
        return 0;
    }
    if (feld != 306) {
        Print_Fehler("Manager_Wert: Falscher Parameter!\n");
        return -1;
    }
    if (modus != 1) return m->kopfnr;
    // the head number is kept in one byte
    if (wert < 0 || wert > 255) {
        Print_Fehler("Manager_Wert: Wert nicht innerhalb der Grenzen, wert=%d,modus=%d\n", wert, feld);
        wert = wert < 0 ? 0 : 255;
    }
    m->kopfnr = static_cast<uint8_t>(wert);
    return -1;
}

void* Manager_Zeiger(int32_t feld, Manager_Struktur* m, void* puffer, uint8_t modus)
{
    if (!m) {
        Print_Fehler("Aufruf von Manager_Zeiger mit m=NULL !\n");
        return nullptr;
    }
    void* adresse = nullptr;
    switch (feld) {
    case 301: case 302: adresse = &m->aufstellung[feld - 301]; break;
    case 303: adresse = &m->icons; break;
    case 304: adresse = m->werbung; break;
    case 305: adresse = m->trainingsverteilung; break;
    case 307: adresse = m->trainingslager; break;
    case 308: adresse = m->zusatzspieler; break;
    case 309: adresse = m->optionen; break;
    default: return nullptr;
    }
    if (modus == 0) return adresse;
    if (!puffer) {
        Print_Fehler("Manager_Zeiger: Write && Zeiger=NULL!!!\n");
        return nullptr;
    }
    if (ist_client() && feld != 303) {
        Print_Fehler("Manager_Zeiger: CLIENT-WRITE!");
        return nullptr;
    }
    if (modus == 1) {
        auto* b = static_cast<const uint8_t*>(puffer);
        if (!block_pruefen(feld, b)) {
            Print_Fehler("Manager_Zeiger: Block %d fehlerhaft, nicht übernommen!", feld);
            return nullptr;
        }
        Abbild<false> a{b};
        block_felder(a, *m, feld);
    } else {
        Abbild<true> a{static_cast<uint8_t*>(puffer)};
        block_felder(a, *m, feld);
    }
    return nullptr;
}

const char* Manager_String(int32_t, Manager_Struktur* m, uint8_t modus)
{
    if (!m) {
        Print_Fehler("Aufruf von Manager_String mit m=NULL!\n");
        return "Manager_String_Error";
    }
    if (ist_client() && modus == 1) Print_Fehler("Manager_String: CLIENT-WRITE!");
    return "FEHLER in Manager_String: falscher Modus!";
}

Manager_Struktur* Manager_Freigeben(Manager_Struktur* m)
{
    return static_cast<Manager_Struktur*>(Mem_Free(m, 0));
}

void Manager_Internet_Client_Scrollpos_Refresh()
{
    Manager_Struktur* m = ist_client() ? manager_von(Aktuelles_Team) : nullptr;
    if (!m) return;
    // The server may have changed the figures behind the option sliders since the client's
    // record was made: their stored positions follow the figures again.
    einsatz_regler_setzen(Aktuelles_Team, &m->icons);
    const auto* feld = static_cast<const uint8_t*>(Team_Zeiger(TEAM_TRAINING, Aktuelles_Team, nullptr, TEAM_LESEN));
    if (!feld) return;
    int32_t einheiten = 0;
    for (int k = 0; k < MANAGER_TRAININGSARTEN; ++k) einheiten += feld[k];
    Manager_Icon_Status_Vorbelegen(&m->icons, ICON_TRAININGSEINHEITEN, uint32_t(std::clamp(einheiten, 0, 45)));
    Menue_Wert_In_Scrollpos_Umrechnen(Aktuelles_Team, ICON_TRAININGSEINHEITEN, nullptr, einheiten, 1, 0, 45, -1, -1);
}

const char* Manager_Standard_Vorname(int32_t index)
{
    static const char* const VORNAMEN[10] = {"Hans", "Karl", "Jürgen", "Klaus", "Uwe",
                                             "Dieter", "Günter", "Horst", "Werner", "Rudi"};
    const int32_t i = index % 10;
    return VORNAMEN[i < 0 ? i + 10 : i];
}

// --- extra players -------------------------------------------------------------------------

Manager_Zusatzspieler* Manager_Zusatzspieler_Array_Position(int32_t team, int32_t spnr)
{
    if (ist_client()) return nullptr;
    Manager_Struktur* m = manager_von(team);
    if (!m) return nullptr;
    Manager_Zusatzspieler* e = spnr >= 0 ? zusatz_suchen(m, spnr) : nullptr;
    if (!e) Print_Fehler("Manager_Zusatzspieler_Array_Position: spnr nicht gefunden!");
    return e;
}

void Manager_Init_Zusatzspieler_Struktur(int32_t team)
{
    if (ist_client()) {
        Print_Fehler("Client-Zugriff: Manager_Init_Zusatzspieler_Struktur");
        return;
    }
    if (!manager_von(team)) {
        Print_Fehler("Manager_Init_Zusatzspieler_Struktur: smp==NULL!");
        return;
    }
    int32_t spieler[TEAM_MAX_SPIELER + 1];
    int32_t n = Teamspieler_Ins_Array(team, spieler, TEAM_MAX_SPIELER + 1, 0);
    for (int32_t i = 0; i < n && i <= TEAM_MAX_SPIELER; ++i) Manager_Zusatzspieler_Anlegen(team, spieler[i]);
}

bool Manager_Zusatzspieler_Anlegen(int32_t team, int32_t spnr)
{
    Manager_Struktur* m = manager_von(team);
    if (!m || spnr < 0 || spnr >= Spieler_Anzahl) return false;
    if (zusatz_suchen(m, spnr)) return true;  // an entry per player, never two
    Manager_Zusatzspieler* frei = zusatz_suchen(m, -1);
    if (!frei) return false;
    zusatz_fuellen(*frei, spnr);
    return true;
}

bool Manager_Zusatzspieler_Freigeben(int32_t team, int32_t spnr)
{
    Manager_Struktur* m = manager_von(team);
    Manager_Zusatzspieler* e = m && spnr >= 0 ? zusatz_suchen(m, spnr) : nullptr;
    if (!e) return false;
    zusatz_leeren(*e);
    return true;
}

// --- icon state ----------------------------------------------------------------------------

// Tests of the screens put a double of the toggle states here.
static Manager_Icon_Lese_Hook icon_lese_hook = nullptr;
static Manager_Icon_Schreib_Hook icon_schreib_hook = nullptr;

void Manager_Icon_Set_Hook(Manager_Icon_Lese_Hook lesen, Manager_Icon_Schreib_Hook schreiben)
{
    icon_lese_hook = lesen;
    icon_schreib_hook = schreiben;
}


void Manager_Icon_Button_An_Aus(int32_t team, int32_t icon, uint32_t status)
{
    if (icon_schreib_hook) {
        icon_schreib_hook(team, icon, status);
        return;
    }
    if (fremdes_team(team)) return;
    if (!icon_gueltig(icon)) {
        Print_Fehler("Manager_Icon_Button_An_Aus: iconnr falsch !");
        return;
    }
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler("Manager_Icon_Button_An_Aus: teamnr falsch !");
        return;
    }
    m->icons.status[icon] = status;
    neu_zeichnen(icon);
}

uint32_t Manager_Icon_Button_Lesen(int32_t team, int32_t icon)
{
    if (icon_lese_hook) return icon_lese_hook(team, icon);
    if (fremdes_team(team)) return 0;
    if (!icon_gueltig(icon)) {
        Print_Fehler("Manager_Icon_Button_Lesen: iconnr falsch !");
        return 0;
    }
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler("Manager_Icon_Button_Lesen: teamnr falsch !");
        return 0;
    }
    return m->icons.status[icon];
}

void Manager_Icon_Word_Data_Schreiben(int32_t team, int32_t icon, uint16_t wert)
{
    if (fremdes_team(team)) return;
    if (!icon_gueltig(icon)) {
        Print_Fehler("Manager_Icon_Word_Data_Schreiben: iconnr falsch !");
        return;
    }
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler("Manager_Icon_Word_Data_Schreiben: m=NULL !");
        return;
    }
    m->icons.wort[icon] = wert;
}

uint16_t Manager_Icon_Word_Data_Lesen(int32_t team, int32_t icon)
{
    if (fremdes_team(team)) return 0;
    if (!icon_gueltig(icon)) {
        Print_Fehler("Manager_Icon_Word_Data_Lesen: iconnr falsch !");
        return 0;
    }
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler("Manager_Icon_Word_Data_Lesen: m=NULL !");
        return 0;
    }
    return m->icons.wort[icon];
}

void Manager_Icon_Word_Data_Setzen(int32_t team, int32_t icon, int16_t wert)
{
    Manager_Icon_Word_Data_Schreiben(team, icon, static_cast<uint16_t>(wert));
}

uint32_t Manager_Icon_Buttons_In_Bitfeld(int32_t team, int32_t schieben, int32_t anzahl, ...)
{
    if (fremdes_team(team)) return 0;
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler("Manager_Icon_Buttons_In_Bitfeld: m=NULL !");
        return 0;
    }
    va_list icons;
    va_start(icons, anzahl);
    uint32_t summe = 0;
    for (int32_t i = 0; i < anzahl; ++i) {
        int32_t icon = va_arg(icons, int32_t);
        if (!icon_gueltig(icon)) {
            Print_Fehler("Manager_Icon_Button_Lesen: iconnr falsch !");
            continue;
        }
        uint32_t s = m->icons.status[icon];
        summe += schieben && i < 32 ? s << i : s;
    }
    va_end(icons);
    return summe;
}

int32_t Manager_Icon_Welcher_Togglebutton_Ist_An(int32_t team, int32_t anzahl, ...)
{
    if (fremdes_team(team)) return -1;
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler("Manager_Icon_Welcher_Togglebutton_Ist_An: m=NULL !");
        return -1;
    }
    va_list icons;
    va_start(icons, anzahl);
    int32_t an = -1;
    for (int32_t i = 0; i < anzahl && an < 0; ++i) {
        int32_t icon = va_arg(icons, int32_t);
        if (icon_gueltig(icon) && m->icons.status[icon] != 0) an = icon;
    }
    va_end(icons);
    return an;
}

void Manager_Icon_Togglebutton_An_Aus(int32_t team, int32_t anzahl, int32_t gewaehlt, ...)
{
    if (fremdes_team(team)) return;
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler("Manager_Icon_Togglebutton_An_Aus: m=NULL !");
        return;
    }
    va_list icons;
    va_start(icons, gewaehlt);
    for (int32_t i = 0; i < anzahl; ++i) {
        int32_t icon = va_arg(icons, int32_t);
        if (!icon_gueltig(icon)) {
            Print_Fehler("Manager_Icon_Button_An_Aus: iconnr falsch !");
            continue;
        }
        m->icons.status[icon] = icon == gewaehlt ? 1 : 0;
        neu_zeichnen(icon);
    }
    va_end(icons);
}

void Manager_Icon_Status_Vorbelegen(Manager_Icon_Zustand* z, int32_t icon, uint32_t status)
{
    if (!z) {
        Print_Fehler("Manager_Icon_Status_Vorbelegen: sm=NULL!\n");
        return;
    }
    if (icon_gueltig(icon)) z->status[icon] = status;
    else Print_Fehler("Manager_Icon_Button_An_Aus: iconnr falsch !");
}

void Manager_Icon_Word_Data_Vorbelegen(Manager_Icon_Zustand* z, int32_t icon, uint16_t wert)
{
    if (!z) {
        Print_Fehler("Manager_Icon_Word_Data_Vorbelegen: sm=NULL!\n");
        return;
    }
    if (icon_gueltig(icon)) z->wort[icon] = wert;
    else Print_Fehler("Manager_Icon_Word_Data_Schreiben: iconnr falsch !");
}

// --- stored line-ups -----------------------------------------------------------------------

void Manager_Aufstellung_Vorbelegen(int32_t team, int32_t satz)
{
    if (satz != 0 && satz != 1) {
        Print_Fehler("Manager_Aufstellung_Vorbelegen: Modus falsch!");
        return;
    }
    Manager_Struktur* m = manager_von(team);
    if (!m) return;
    Manager_Aufstellungssatz& s = m->aufstellung[satz];
    const int32_t erste = satz == 0 ? 2 : 0;
    for (int32_t k = 0; k < 6; ++k) {
        const Team_Formation& f = Team_Formationen[erste + k];
        std::memcpy(s.plaetze[k], f.plaetze, sizeof f.plaetze);
        std::memcpy(s.bereiche[k], f.bereiche, sizeof f.bereiche);
        for (int32_t p = 0; p < 11; ++p) {
            s.spieler[k][p] = -1;
            // all five instructions 2, the keeper's three
            s.taktik[k][p] = p < 10 ? 9362 : 18;
        }
    }
}

// --- lifecycle -----------------------------------------------------------------------------

void Manager_Neuer_Mitspieler(int32_t team, const char* name)
{
    if (!team_gueltig(team)) {
        Print_Fehler("Manager_Neuer_Mitspieler: falsche teamnr %d!", team);
        return;
    }
    const bool server = !ist_client();
    int32_t kopf = 0;
    if (server) {
        if (T_Fix[team].manager) {
            Print_Fehler("Manager: Team %d hat schon einen Manager!\n", team);
            return;
        }
        bool belegt[MANAGER_KOEPFE] = {};
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            const Manager_Struktur* m = T_Fix[t].manager;
            if (!m) continue;
            if (m->kopfnr >= MANAGER_KOEPFE) Print_Fehler("Manager_Neuer_Mitspieler: Kopfnr zu groß!");
            else belegt[m->kopfnr] = true;
        }
        kopf = -1;
        for (int32_t k = 0; k < MANAGER_KOEPFE && kopf < 0; ++k)
            if (!belegt[k]) kopf = k;
        if (kopf < 0) {
            Print_Fehler("Manager_Neuer_Mitspieler: Kein Kopf mehr frei!");
            kopf = 0;
        }
    }
    auto* m = static_cast<Manager_Struktur*>(Mem_Alloc_Clear(sizeof(Manager_Struktur), 0, 0));
    if (!m) {
        Print_Fehler("Manager_Neuer_Mitspieler: kein Speicher!");
        return;
    }
    Manager_Struktur* alt = T_Fix[team].manager;
    T_Fix[team].manager = m;
    if (alt) Manager_Freigeben(alt);  // a client's copy of its own record is made anew

    if (server) {
        Manager_Anzahl_Netz = ++Manager_Anzahl;
        Team_String(TEAM_MANAGER_NAME, team, name ? name : "", 1);
        m->kopfnr = static_cast<uint8_t>(kopf);
        m->optionen[0] = 5;
        for (auto& e : m->zusatzspieler) e.spnr = -1;
        Manager_Aufstellung_Vorbelegen(team, 0);
        Manager_Aufstellung_Vorbelegen(team, 1);
        Team_Wert(TEAM_SYSTEM_1, team, 2, TEAM_SCHREIBEN);
        Team_Wert(TEAM_SYSTEM_2, team, 4, TEAM_SCHREIBEN);
        Manager_Trainingsverteilung_Vorbelegen(team, 28);
        Highscore_Manager_Anlegen(team);
        // A human manager follows his club's games live, not in the conference.
        Team_Wert(TEAM_FLAGS, team, 16, TEAM_LOESCHEN);
        Team_Wert(TEAM_FLAGS, team, 8, TEAM_SETZEN);
    }

    Manager_Icon_Zustand& z = m->icons;
    z.besucht_position = 0;
    for (auto& b : z.besucht) b = 0;
    for (auto& b : z.besucht_nr) b = -1;
    for (auto& b : z.log) b = 0;
    for (auto& b : z.log_nr) b = -1;
    // the first screen a new manager sees: the first button of the sub-menu bar, when it is up
    Menue_Besucht_Eintragen(team, Menue_Screen_Icon_Aus_Nummer(MENUE_LEISTE_ERSTES));
    for (const Icon_Vorgabe& v : ICON_VORGABEN) {
        if (v.icon < 0) break;
        if (v.wort) Manager_Icon_Word_Data_Vorbelegen(&z, v.icon, static_cast<uint16_t>(v.wert));
        else Manager_Icon_Status_Vorbelegen(&z, v.icon, v.wert);
    }
    einsatz_regler_setzen(team, &z);
    Bank_Manager_Icon_Status_Vorbelegen(&z);
    Menue_Leiste_Icons_Vorbelegen(&z);
}

void Manager_Mitspieler_Killen(int32_t team)
{
    if (ist_client()) {
        Print_Fehler("Client-Zugriff: Manager_Mitspieler_Killen");
        return;
    }
    if (!manager_von(team)) {
        Print_Fehler("Manager: Team %d hat keinen Manager!\n", team);
        return;
    }
    Team_Loesche_Managerstruktur(team, false);
    Manager_Anzahl_Netz = --Manager_Anzahl;
    if (Stadion_Daten* s = Stadion_Zeiger(team, 0)) {
        Stadion_Optionale_Teile_Setzen(s, false);
        Stadion_Neu(team, s);
    }
    Manager_Loeschen(team);
    Bank_Konto_Loeschen(team);
    Team_Wert(TEAM_FLAGS, team, 8 | 16, TEAM_LOESCHEN);
}

bool Manager_Team_Wechsel(int32_t von, int32_t nach)
{
    if (ist_client()) {
        Print_Fehler("Client-Zugriff: Manager_Team_Wechsel");
        return false;
    }
    if (von == nach || !team_gueltig(von) || !team_gueltig(nach)) return false;
    if (!T_Fix[von].manager) {
        Print_Fehler("Manager_Team_Wechsel: Team %d hat keinen Manager!\n", von);
        return false;
    }
    Manager_Struktur* m = T_Fix[von].manager;
    T_Fix[von].manager = T_Fix[nach].manager;
    T_Fix[nach].manager = m;
    return true;
}

void Manager_Teamwechsel(int32_t alt, int32_t neu)
{
    if (ist_client()) {
        Print_Fehler("Client-Zugriff: Manager_Teamwechsel");
        return;
    }
    if (!manager_von(alt) || !team_gueltig(neu) || alt == neu) {
        Print_Fehler("Manager_Teamwechsel: Wechsel von Team %d zu Team %d nicht möglich!", alt, neu);
        return;
    }
    const char* name_alt = Team_String(TEAM_NAME_ROH, alt, nullptr, 0);
    const char* name_neu = Team_String(TEAM_NAME_ROH, neu, nullptr, 0);
    const char* frage =
        Temp_Sprintf("Sie sind sich sicher, daß Sie %s verlassen wollen, um Ihr neues Glück bei %s zu suchen ?",
                     name_alt, name_neu);
    if (!Menue_Requester(2, alt, frage, "Ja, bloß weg hier!", "Ach, irgendwie gefällt es mit hier doch...", 0))
        return;
    frage = Temp_Sprintf("Dies ist der letzte Hinweis: Der Vereinswechsel von %s zu %s ist nicht rückgängig zu "
                         "machen. Möchten Sie den Verein wechseln?",
                         name_alt, name_neu);
    if (!Menue_Requester(2, alt, frage, "Ja, nerv' mich nicht!", "Uups..., ich habe es mir doch anders überlegt", 0))
        return;

    Bank_Konto_Loeschen(alt);
    const int32_t stufe = Zufall(0, 5);
    Bank_Konto_Einrichten(neu, 1000000 + 200000 * stufe, 0);
    Manager_Team_Wechsel(alt, neu);
    Menue_Requester(1, neu,
                    Temp_Sprintf("In Ordnung, in Zukunft werden Sie die Geschicke von %s leiten. Diese Runde "
                                 "setzen Sie aber erstmal aus.",
                                 Team_String(TEAM_NAME_ROH, neu, nullptr, 0)),
                    nullptr, nullptr, 0);
    Aktuelles_Team = neu;
    if (Netz_Rolle == 3) Handelndes_Team = static_cast<uint32_t>(neu);

    Manager_Struktur* m = T_Fix[neu].manager;
    for (auto& e : m->zusatzspieler) zusatz_leeren(e);
    Manager_Init_Zusatzspieler_Struktur(neu);
    Werbung_Team_Vorbelegen(neu, 1);
    Manager_Wechsel(alt, neu);
    Eingang_Team_Wettbewerbe_Aktualisieren(neu);
    if (Stadion_Daten* s = Stadion_Zeiger(neu, 0)) {
        Stadion_Optionale_Teile_Setzen(s, true);
        Stadion_Neu(neu, s);
    }
    m->icons.wort[ICON_AUFSTELLUNG_WECHSEL] = 0xFFFF;
    Team_Wert(TEAM_FLAGS, alt, 8 | 16, TEAM_LOESCHEN);
    Team_Leer(0, -1, Aktuelles_Team, -1);
    Team_Pokale_Icons_Zuordnen(neu);
    Menue_Merker_Setzen(1);
}

int32_t Manager_Ist_Dran(int32_t* feld, bool mischen, int32_t modus)
{
    if (!feld) {
        Print_Fehler("Manager_Ist_Dran: array=NULL!\n");
        return -1;
    }
    feld[0] = -1;
    if ((Netz_Rolle & 2) && modus == 1) {
        // A server without a club of its own has nobody at the PC.
        if (Stand_Alone_Server || Server_Team < 0) return 0;
        feld[0] = Server_Team;
        return 1;
    }
    if (Netz_Rolle == 1) {
        feld[0] = static_cast<int32_t>(Handelndes_Team);
        return 1;
    }
    int32_t n = 0;
    for (int32_t t = 0; T_Fix && t < Team_Anzahl; ++t) {
        if (!T_Fix[t].manager) continue;
        if (n == MANAGER_DRAN_MAX) {
            Print_Fehler("Manager_Ist_Dran: array-index zu groß!");
            break;
        }
        feld[n++] = t;
    }
    if (n != Manager_Anzahl) {
        Print_Fehler("Manager_Ist_Dran: nr!=managerzahl!\n");
        feld[0] = -1;
        return -1;
    }
    if (mischen) Mischen_Dword(feld, n);
    return n;
}

void Manager_Init_Eingang_Icons() { Eingang_Team_Wettbewerbe_Aktualisieren(Aktuelles_Team); }

// --- manual line-up ------------------------------------------------------------------------

void Manager_Manuelle_Aufstellung_Speichern(int32_t slot)
{
    const int32_t team = Aktuelles_Team;
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler("Manager_Manuelle_Aufstellung_Speichern: m=NULL !");
        return;
    }
    if (slot != 0 && slot != 1) {
        Print_Fehler("Manager_Manuelle_Aufstellung_Speichern: slot %d falsch!", slot);
        return;
    }
    int32_t spieler[MANAGER_MANUELL];
    const int32_t n = std::min<int32_t>(Teamspieler_Ins_Array(team, spieler, MANAGER_MANUELL, 0), MANAGER_MANUELL);
    static const int32_t FELDER[6] = {316, 310, 311, 312, 313, 314};
    for (int32_t i = 0; i < n; ++i) {
        uint16_t(&w)[8][2] = m->manuell[i].werte;
        for (int k = 0; k < 6; ++k) w[k][slot] = static_cast<uint16_t>(Teamspieler_Wert(FELDER[k], team, spieler[i], 0, 0));
        w[6][slot] = static_cast<uint16_t>(Teamspieler_Wert(317, team, spieler[i], 0, 0) & 0x30);
        w[7][slot] = static_cast<uint16_t>(spieler[i]);
    }
    if (n < MANAGER_MANUELL) m->manuell[n].werte[7][slot] = 0xFFFF;
}

void Manager_Manuelle_Aufstellung_Lesen(int32_t slot)
{
    const int32_t team = Aktuelles_Team;
    Manager_Struktur* m = manager_von(team);
    if (!m || (slot != 0 && slot != 1)) {
        Print_Fehler("Manager_Manuelle_Aufstellung_Lesen: m=NULL oder slot %d falsch!", slot);
        return;
    }
    static const int32_t FELDER[6] = {316, 310, 311, 312, 313, 314};
    int32_t i = 0;
    for (; i < MANAGER_MANUELL; ++i) {
        const uint16_t(&w)[8][2] = m->manuell[i].werte;
        const int32_t spnr = w[7][slot];
        if (spnr == 0xFFFF) break;
        // a player sold since is not touched
        if (Teamspieler_Get_Team_Des_Spielers(team, spnr, -1) != team) continue;
        for (int k = 0; k < 6; ++k) Teamspieler_Wert(FELDER[k], team, spnr, static_cast<int16_t>(w[k][slot]), 1);
        Teamspieler_Wert(317, team, spnr, 0x30, 4);
        if (w[6][slot] & 0x30) Teamspieler_Wert(317, team, spnr, w[6][slot] & 0x30, 8);
    }
    if (i == MANAGER_MANUELL) Print_Fehler("Manager_Manuelle_Aufstellung_Lesen: Schleifenfehler!\n");
    // a player hurt or banned since the line-up was kept leaves it again
    Assi_Aufstellung_Bereinigen(team);
}

// --- savegame ------------------------------------------------------------------------------

bool Manager_Write_Bin_Block(Disk_Datei* datei)
{
    uint8_t b[8];
    Bytes_Setze32(b, static_cast<uint32_t>(Manager_Anzahl));
    Bytes_Setze32(b + 4, Schwierigkeitsstufe);
    return Disk_Schreibe_Block(datei, b, sizeof b);
}

bool Manager_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    uint8_t b[8];
    if (!Disk_Lese_Block(datei, b, sizeof b)) return false;
    const uint32_t anzahl = Bytes_Hole32(b);
    const uint32_t stufe = Bytes_Hole32(b + 4);
    if (anzahl > static_cast<uint32_t>(TEAM_MAX_ANZAHL) || stufe > 4) {
        Print_Fehler("Manager_Read_Bin_Block: %u Manager, Schwierigkeitsstufe %u sind nicht möglich!", anzahl, stufe);
        return false;
    }
    Manager_Anzahl = Manager_Anzahl_Netz = static_cast<int32_t>(anzahl);
    Schwierigkeitsstufe = stufe;
    return true;
}

bool Manager_Team_Write_Bin_Block(Disk_Datei* datei, const Manager_Struktur* m)
{
    if (!m) {
        Print_Fehler("Manager_Team_Write_Bin_Block: m=NULL !");
        return false;
    }
    // Every byte of the image is a field's: the buffer is kept from one manager and save to the
    // next rather than taken and zeroed anew.
    static std::vector<uint8_t> b(MANAGER_STRUKTUR_BYTES);
    Manager_Struktur_Packen(*m, b.data());
    return Disk_Schreibe_Block(datei, b.data(), MANAGER_STRUKTUR_BYTES);
}

Manager_Struktur* Manager_Team_Read_Bin_Block(Disk_Datei* datei)
{
    std::vector<uint8_t> b(MANAGER_STRUKTUR_BYTES);
    if (!Disk_Lese_Block(datei, b.data(), MANAGER_STRUKTUR_BYTES)) return nullptr;
    if (!Manager_Struktur_Pruefen(b.data())) {
        Print_Fehler("Manager_Team_Read_Bin_Block: Managerdaten fehlerhaft!");
        Disk_Block_Ablehnen(datei);
        return nullptr;
    }
    auto* m = static_cast<Manager_Struktur*>(Mem_Alloc(sizeof(Manager_Struktur), 0));
    if (!m) {
        Print_Fehler("Manager_Team_Read_Bin_Block: m=NULL !");
        Disk_Block_Ablehnen(datei);
        return nullptr;
    }
    Manager_Struktur_Entpacken(b.data(), *m);
    return m;
}

// --- training plan -------------------------------------------------------------------------

void Manager_Trainingsverteilung_Normieren(int32_t team, const int8_t* gewichte)
{
    Manager_Struktur* m = manager_von(team);
    if (!m || !gewichte) {
        Print_Fehler("Manager_Trainingsverteilung_Normieren: m=NULL !");
        return;
    }
    int32_t w[MANAGER_TRAININGSARTEN];
    int32_t summe = 0;
    for (int k = 0; k < MANAGER_TRAININGSARTEN; ++k) {
        w[k] = gewichte[k] > 0 ? gewichte[k] : 0;
        summe += w[k];
    }
    // a plan without any weight trains every type alike
    if (summe == 0) {
        for (int& x : w) x = 1;
        summe = MANAGER_TRAININGSARTEN;
    }
    for (int k = 0; k < MANAGER_TRAININGSARTEN; ++k)
        m->trainingsverteilung[k] = static_cast<float>(w[k]) * 100.0f / static_cast<float>(summe);
}

void Manager_Trainingseinheiten_Verteilen(int32_t team, int32_t einheiten, bool behalten)
{
    if (!team_gueltig(team)) {
        Print_Fehler("Manager_Trainingseinheiten_Verteilen: falsche teamnr %d!", team);
        return;
    }
    const Manager_Struktur* m = T_Fix[team].manager;
    uint8_t feld[MANAGER_TRAININGSARTEN];
    int32_t summe = 0;
    const float u = static_cast<float>(einheiten + 1);
    for (int k = 0; k < MANAGER_TRAININGSARTEN; ++k) {
        const float p = m ? m->trainingsverteilung[k] : 3.0f;
        float x = u * p * 0.01f;
        if (!(x < 5.0f)) x = 5.0f;
        if (x < 0.0f) x = 0.0f;
        feld[k] = static_cast<uint8_t>(x);
        summe += feld[k];
    }
    if (!behalten)
        for (int k = 0; k < MANAGER_TRAININGSARTEN && summe < einheiten; ++k)
            if (feld[k] < 5) {
                ++feld[k];
                ++summe;
            }
    Team_Zeiger(TEAM_TRAINING, team, feld, 1);
}

int32_t Manager_Trainingsverteilung_Vorbelegen(int32_t team, int32_t einheiten)
{
    int8_t gewichte[MANAGER_TRAININGSARTEN];
    for (auto& g : gewichte) g = 2;
    Manager_Trainingsverteilung_Normieren(team, gewichte);
    Manager_Trainingseinheiten_Verteilen(team, einheiten, false);
    if (const auto* feld = static_cast<const uint8_t*>(Team_Zeiger(TEAM_TRAINING, team, nullptr, 0))) {
        for (int k = 0; k < MANAGER_TRAININGSARTEN; ++k) gewichte[k] = static_cast<int8_t>(feld[k]);
        Manager_Trainingsverteilung_Normieren(team, gewichte);
    }
    return Menue_Wert_In_Scrollpos_Umrechnen(team, ICON_TRAININGSEINHEITEN, nullptr, einheiten, 1, 0, 45, -1, -1);
}

void Manager_Training_Vorbelegen(int32_t team)
{
    const uint8_t bytes[3] = {2, 3, 2};
    Team_Zeiger(TEAM_TRAINING_BYTES, team, const_cast<uint8_t*>(bytes), 1);
}

const Manager_Netz_Block Manager_Netz_Bloecke[MANAGER_NETZ_BLOECKE] = {
    {OFS_AUFSTELLUNG, 2 * MANAGER_AUFSTELLUNG_BYTES}, {OFS_MANUELL, OFS_ZUSATZ - OFS_MANUELL},
    {OFS_WERBUNG, OFS_LAGER - OFS_WERBUNG},           {OFS_LAGER, OFS_TRAINING - OFS_LAGER},
    {OFS_TRAINING, OFS_OPTIONEN - OFS_TRAINING},      {OFS_OPTIONEN, 3},
};
