#include "economy/trainingslager.h"

#include <cstring>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/richter.h"
#include "database/team.h"
#include "economy/bild_felder.h"
#include "economy/trainingslager_intern.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "platform/string_util.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/print.h"
#include "platform/zufall.h"

const int32_t Trainingslager_Attribut_Id[TRAININGSLAGER_ATTRIBUTE] = {0, 1, 2, 3, 4, 5, 6, 7, 8,
                                                                       9, 10, 11, 12, 13, 21, 22, 23};
Trainingslager_Daten Trainingslager_Tabelle[TRAININGSLAGER_ANZAHL];
bool Trainingslager_Initialisiert = false;

namespace {

struct Start {
    const char* name;
    const char* ort;
    int32_t preis, reise;
    uint8_t q[3];
};
const Start START[TRAININGSLAGER_ANZAHL] = {
    {"Schlammhof", "Oggerstadt", 1350, 97500, {2, 0, 1}},
    {"Balli-Land", "Bolzhausen", 2250, 130000, {1, 2, 2}},
    {"Sportschule Alm-Kick", "Dunkelwald", 3150, 162500, {0, 2, 5}},
    {"Trainingscenter Gernegut", "Sandstett", 3600, 195000, {3, 2, 3}},
    {"Ballparadies Hartlein", "Tupflingen", 4050, 227500, {4, 3, 2}},
    {"Luxushotel Le Prox", "St. Opienne", 4275, 260000, {4, 3, 5}},
    {"Club Costa del Sol", "Tangun", 4050, 390000, {5, 5, 5}},
};

Trainingslager_Melde_Beobachter melde_beobachter = nullptr;
Trainingslager_Freigabe_Beobachter freigabe_beobachter = nullptr;
Trainingslager_Termin_Abfrage termin_abfrage = nullptr;
Trainingslager_Fernaufruf fernaufruf = nullptr;
Trainingslager_Daten kopie;

void start_werte()
{
    for (int32_t c = 0; c < TRAININGSLAGER_ANZAHL; ++c) {
        Trainingslager_Daten& d = Trainingslager_Tabelle[c];
        d = Trainingslager_Daten{};
        std::snprintf(d.name, sizeof d.name, "%s", START[c].name);
        std::snprintf(d.ort, sizeof d.ort, "%s", START[c].ort);
        d.saison_wert = 20;
        d.preis = d.normalpreis = START[c].preis;
        d.reisekosten = START[c].reise;
        std::memcpy(d.qualitaet, START[c].q, 3);
        for (int8_t& s : d.spezial) s = -1;
    }
}

void lager_packen(const Trainingslager_Daten& d, uint8_t* b)
{
    std::memset(b, 0, TRAININGSLAGER_BYTES);
    for (int32_t w = 0; w < 12; ++w) Bytes_Setze32(b + 4 * w, d.frei[w]);
    std::memcpy(b + 48, d.name, 40);
    std::memcpy(b + 88, d.ort, 40);
    b[48 + 39] = b[88 + 39] = 0;
    Bild_Setze_I32(b + 128, d.saison_wert);
    Bild_Setze_I32(b + 132, d.preis);
    Bild_Setze_I32(b + 136, d.normalpreis);
    Bild_Setze_I32(b + 140, d.reisekosten);
    std::memcpy(b + 144, d.qualitaet, 3);
    for (int32_t i = 0; i < 4; ++i) b[147 + i] = uint8_t(d.spezial[i]);
    Bild_Setze_I32(b + 152, d.wert_152);
}

bool lager_entpacken(const uint8_t* b, Trainingslager_Daten* d)
{
    if (!Bild_Name_Gueltig(b + 48, 40) || !Bild_Name_Gueltig(b + 88, 40)) return false;
    Trainingslager_Daten n{};
    for (int32_t w = 0; w < 12; ++w) n.frei[w] = Bytes_Hole32(b + 4 * w);
    std::memcpy(n.name, b + 48, 40);
    std::memcpy(n.ort, b + 88, 40);
    String_Klartext(n.name, sizeof n.name);
    String_Klartext(n.ort, sizeof n.ort);
    n.saison_wert = Bild_Hole_I32(b + 128);
    n.preis = Bild_Hole_I32(b + 132);
    n.normalpreis = Bild_Hole_I32(b + 136);
    n.reisekosten = Bild_Hole_I32(b + 140);
    std::memcpy(n.qualitaet, b + 144, 3);
    for (int32_t i = 0; i < 4; ++i) n.spezial[i] = int8_t(b[147 + i]);
    n.wert_152 = Bild_Hole_I32(b + 152);
    if (n.preis < 0 || n.normalpreis < 0 || n.reisekosten < 0) return false;
    for (uint8_t q : n.qualitaet)
        if (q > 5) return false;
    for (int8_t s : n.spezial)
        if (s != -1 && !Trainingslager_Attribut_Bekannt(s)) return false;
    *d = n;
    return true;
}

uint8_t* termin_block(int32_t team)
{
    if (team < 0 || team >= Team_Anzahl || !Team_Hat_Manager(team)) return nullptr;
    return static_cast<uint8_t*>(Team_Zeiger(307, team, nullptr, 0));
}

bool camp_gueltig(int32_t camp) { return camp >= 0 && camp < TRAININGSLAGER_ANZAHL; }

// Whether the club plays on the day: in a competition of the day, or among its friendlies.
bool spielt_am(int32_t team, int32_t tag, bool nur_freundschaft)
{
    int32_t ids[256];
    const int32_t n = Kalender_Get_Anzahl_Spiele(tag, 0, ids);
    const Wettbewerb_Id dummy = Wettbewerb_Get_Dummy_Id();
    for (int32_t i = 0; i < n && i < 256; ++i) {
        if (ids[i] != dummy) {
            if (!nur_freundschaft && Wettbewerb_Team_Noch_Dabei(ids[i], team)) return true;
            continue;
        }
        const int32_t block = Wettbewerb_Get_Spiele_Block(dummy);
        const int32_t spieltag = Kalender_Get_Spieltag_Nummer(tag, dummy);
        if (block < 0 || spieltag < 0) continue;
        for (int32_t slot = 0; slot < 128; ++slot) {
            const int32_t h = Spiele_Lock(block, spieltag, 0, slot);
            if (!h) break;
            const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
            const bool dabei = s && (s->heim == team || s->gast == team);
            Spiele_Unlock(h);
            if (dabei) return true;
        }
    }
    return false;
}

int32_t termin_melden(int32_t meldungen, int32_t team, const char* text)
{
    if (meldungen) Team_Requester(0, team, "%s", text);
    return 0;
}

}  // namespace

bool Trainingslager_Attribut_Bekannt(int32_t attribut)
{
    for (int32_t id : Trainingslager_Attribut_Id)
        if (id == attribut) return true;
    return false;
}

// ---- Module ----

bool Trainingslager_Ist_Initialisiert()
{
    if (!Trainingslager_Initialisiert) Print_Fehler("Trainingslager Objekt nicht initialisiert.\n");
    return Trainingslager_Initialisiert;
}

void Trainingslager_Init()
{
    Disk_Block_Registrieren(DISK_POS_TRAININGSLAGER, Trainingslager_Write_Bin_Block, Trainingslager_Read_Bin_Block);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_TRAININGSLAGER, Trainingslager_DeInit);
    start_werte();
    if (Netz_Rolle == 1) {
        Trainingslager_Initialisiert = true;
        return;
    }
    for (Trainingslager_Daten& d : Trainingslager_Tabelle) {
        for (int32_t tag = 0; tag < TRAININGSLAGER_SAISONTAGE;) {
            const int32_t lauf = Zufall(4, 14);
            const int32_t offen = Zufall(0, 2);
            for (int32_t i = tag; i < tag + lauf && i < TRAININGSLAGER_SAISONTAGE; ++i)
                if (offen != 0) d.frei[i / 32] |= 1u << (i % 32);
            tag += lauf;
        }
        d.saison_wert = Zufall(5, 35);
        for (int32_t k = 0; k < 4; ++k) {
            const int32_t weiter = Zufall(0, 3);
            if (weiter == 0) break;
            bool neu = false;
            int32_t index = 0;
            while (!neu) {
                index = Zufall_Gross(0, TRAININGSLAGER_ATTRIBUTE - 1);
                neu = true;
                for (int32_t j = 0; j < k; ++j)
                    if (d.spezial[j] == Trainingslager_Attribut_Id[index]) neu = false;
            }
            d.spezial[k] = int8_t(Trainingslager_Attribut_Id[index]);
        }
    }
    int32_t teams[TEAM_MAX_ANZAHL];
    const int32_t n = T_Fix ? Team_Get_Managerteams(teams) : 0;
    for (int32_t i = 0; i < n && i < TEAM_MAX_ANZAHL; ++i)
        if (uint8_t* b = termin_block(teams[i])) std::memset(b, 0, TRAININGSLAGER_TERMINE_BYTES);
    Trainingslager_Initialisiert = true;
}

void Trainingslager_DeInit() { Trainingslager_Initialisiert = false; }

// ---- Byte images ----

std::vector<uint8_t> Trainingslager_Bild_Schreiben()
{
    return Bild_Tabelle_Schreiben(Trainingslager_Tabelle, TRAININGSLAGER_BYTES, lager_packen);
}

bool Trainingslager_Bild_Lesen(const uint8_t* p, uint32_t laenge)
{
    return Bild_Tabelle_Lesen(Trainingslager_Tabelle, p, laenge, TRAININGSLAGER_BYTES, lager_entpacken);
}

void Trainingslager_Termin_Lesen(const uint8_t* p, Trainingslager_Termin* t)
{
    t->art = p[0];
    t->belegt = p[1];
    t->slot = int8_t(p[2]);
    for (int32_t i = 0; i < TRAININGSLAGER_ZEILEN; ++i) t->programm[i] = int8_t(p[3 + i]);
    t->anfrager = Bild_Hole_I32(p + 8);
    t->ziel = Bild_Hole_I32(p + 12);
    t->erster_tag = Bild_Hole_I32(p + 16);
    t->letzter_tag = Bild_Hole_I32(p + 20);
    t->preis = Bild_Hole_I32(p + 24);
    t->punkte = Bild_Hole_I32(p + 28);
    t->erschoepfung = Bild_Hole_I32(p + 32);
    t->form = Bild_Hole_I32(p + 36);
    t->staerke = Bild_Hole_I32(p + 40);
}

void Trainingslager_Termin_Schreiben(const Trainingslager_Termin& t, uint8_t* p)
{
    p[0] = t.art;
    p[1] = t.belegt;
    p[2] = uint8_t(t.slot);
    for (int32_t i = 0; i < TRAININGSLAGER_ZEILEN; ++i) p[3 + i] = uint8_t(t.programm[i]);
    Bild_Setze_I32(p + 8, t.anfrager);
    Bild_Setze_I32(p + 12, t.ziel);
    Bild_Setze_I32(p + 16, t.erster_tag);
    Bild_Setze_I32(p + 20, t.letzter_tag);
    Bild_Setze_I32(p + 24, t.preis);
    Bild_Setze_I32(p + 28, t.punkte);
    Bild_Setze_I32(p + 32, t.erschoepfung);
    Bild_Setze_I32(p + 36, t.form);
    Bild_Setze_I32(p + 40, t.staerke);
}

Trainingslager_Buchung Trainingslager_Als_Buchung(const Trainingslager_Termin& t)
{
    uint8_t b[TRAININGSLAGER_TERMIN_BYTES];
    Trainingslager_Termin_Schreiben(t, b);
    Trainingslager_Buchung r{};
    r.art = t.art;
    r.belegt = t.belegt;
    r.slot = t.slot;
    std::memcpy(r.rest_3, b + 3, sizeof r.rest_3);
    r.team = uint32_t(t.anfrager);
    r.ziel = uint32_t(t.ziel);
    r.erster_tag = uint32_t(t.erster_tag);
    r.letzter_tag = uint32_t(t.letzter_tag);
    std::memcpy(r.rest_24, b + 24, sizeof r.rest_24);
    return r;
}

bool Trainingslager_Write_Bin_Block(Disk_Datei* datei)
{
    const std::vector<uint8_t> v = Trainingslager_Bild_Schreiben();
    return Disk_Schreibe_Block(datei, v.data(), uint32_t(v.size()));
}

bool Trainingslager_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    std::vector<uint8_t> v(TRAININGSLAGER_TABELLE_BYTES);
    if (!Disk_Lese_Block(datei, v.data(), uint32_t(v.size()))) return false;
    if (!Trainingslager_Bild_Lesen(v.data(), uint32_t(v.size()))) {
        Print_Fehler("Trainingslager_Read_Bin_Block: Trainingslager fehlerhaft");
        return false;
    }
    return true;
}

// ---- Camps and appointments ----

const Trainingslager_Daten* Trainingslager_Lesen(int32_t camp)
{
    if (!Trainingslager_Ist_Initialisiert()) return nullptr;
    if (!camp_gueltig(camp)) {
        Print_Fehler("Trainingslager_Lesen: falsche Nummer!");
        return nullptr;
    }
    kopie = Trainingslager_Tabelle[camp];
    return &kopie;
}

static bool tag_index(int32_t camp, int32_t tag, int32_t* d)
{
    *d = tag - Kalender_Get_Saisonstart();
    if (!camp_gueltig(camp) || *d < 0 || *d >= TRAININGSLAGER_SAISONTAGE) {
        Print_Fehler("Tr_lag_L: Parameter außerhalb Grenzen");
        return false;
    }
    return true;
}

int32_t Trainingslager_Tag_Belegt(int32_t camp, int32_t tag)
{
    int32_t d = 0;
    if (!Trainingslager_Ist_Initialisiert() || !tag_index(camp, tag, &d)) return 0;
    return (Trainingslager_Tabelle[camp].frei[d / 32] >> (d % 32)) & 1u;
}

void Trainingslager_Tag_Setzen(int32_t camp, int32_t tag, int32_t setzen)
{
    int32_t d = 0;
    if (!Trainingslager_Ist_Initialisiert() || !tag_index(camp, tag, &d)) return;
    uint32_t& w = Trainingslager_Tabelle[camp].frei[d / 32];
    if (setzen) w |= 1u << (d % 32);
    else w &= ~(1u << (d % 32));
}

bool Trainingslager_Buchungen(int32_t team, Trainingslager_Termin* termine)
{
    const uint8_t* b = termin_block(team);
    if (!b || !termine) return false;
    for (int32_t i = 0; i < TRAININGSLAGER_BUCHUNGEN; ++i)
        Trainingslager_Termin_Lesen(b + size_t(i) * TRAININGSLAGER_TERMIN_BYTES, &termine[i]);
    return true;
}

bool Trainingslager_Buchungen_Ablegen(int32_t team, const Trainingslager_Termin* termine)
{
    uint8_t* b = termin_block(team);
    if (!b || !termine) return false;
    for (int32_t i = 0; i < TRAININGSLAGER_BUCHUNGEN; ++i)
        Trainingslager_Termin_Schreiben(termine[i], b + size_t(i) * TRAININGSLAGER_TERMIN_BYTES);
    return true;
}

bool Trainingslager_Termin_Brauchbar(const Trainingslager_Termin& t)
{
    const int32_t start = Kalender_Get_Saisonstart();
    if (t.art < 1 || t.art > 4) return false;
    if (t.art == 1 && !camp_gueltig(t.ziel)) return false;
    if (t.art == 2 && (t.ziel < 0 || t.ziel >= Team_Anzahl)) return false;
    return t.erster_tag >= start && t.letzter_tag >= t.erster_tag && t.letzter_tag < start + TRAININGSLAGER_SAISONTAGE;
}

Trainingslager_Termin Trainingslager_Neuer_Termin(int32_t art, int32_t ziel, int32_t erster_tag, int32_t letzter_tag)
{
    Trainingslager_Termin e{};
    e.art = uint8_t(art);
    e.belegt = 1;
    e.slot = -1;
    for (int8_t& p : e.programm) p = -1;
    e.ziel = ziel;
    e.erster_tag = erster_tag;
    e.letzter_tag = letzter_tag;
    return e;
}

int32_t Trainingslager_Freie_Buchungen(int32_t team)
{
    if (!Trainingslager_Ist_Initialisiert()) return 0;
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    if (!Trainingslager_Buchungen(team, t)) return 0;
    int32_t belegt = 0;
    while (belegt < TRAININGSLAGER_BUCHUNGEN && t[belegt].belegt) ++belegt;
    return TRAININGSLAGER_BUCHUNGEN - belegt;
}

int32_t Trainingslager_Get_Termin(int32_t team, int32_t tag, int32_t* art)
{
    if (art) *art = -1;
    if (!Trainingslager_Ist_Initialisiert()) return -1;
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    if (!Trainingslager_Buchungen(team, t)) return -1;
    for (const Trainingslager_Termin& e : t)
        if (e.belegt && e.erster_tag <= tag && tag <= e.letzter_tag) {
            if (art) *art = e.art;
            return e.ziel;
        }
    return -1;
}

void Trainingslager_Set_Programm(int32_t team, int32_t slot, int32_t zeile, int32_t attribut)
{
    if (!Trainingslager_Ist_Initialisiert()) return;
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    if (slot < 0 || slot >= TRAININGSLAGER_BUCHUNGEN || zeile < 0 || zeile >= TRAININGSLAGER_ZEILEN ||
        (attribut != -1 && !Trainingslager_Programm_Check(attribut)) || !Trainingslager_Buchungen(team, t) ||
        !t[slot].belegt)
        return;
    t[slot].programm[zeile] = int8_t(attribut);
    Trainingslager_Buchungen_Ablegen(team, t);
}

int32_t Trainingslager_Get_Programm(int32_t team, int32_t slot, int32_t zeile)
{
    if (!Trainingslager_Ist_Initialisiert()) return -1;
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    if (slot < 0 || slot >= TRAININGSLAGER_BUCHUNGEN || zeile < 0 || zeile >= TRAININGSLAGER_ZEILEN ||
        !Trainingslager_Buchungen(team, t) || !t[slot].belegt)
        return -1;
    return t[slot].programm[zeile];
}

bool Trainingslager_Programm_Check(int32_t attribut)
{
    if (Trainingslager_Attribut_Bekannt(attribut)) return true;
    Print_Fehler("Trainingslager_Programm_Check: attr nicht gefunden!");
    return false;
}

void Trainingslager_Set_Termin_Abfrage(Trainingslager_Termin_Abfrage a) { termin_abfrage = a; }

int32_t Trainingslager_Termin_Pruefen(int32_t team, int32_t ziel, int32_t tag, int32_t art, int32_t meldungen,
                                      int32_t kurzfristig)
{
    if (termin_abfrage) return termin_abfrage(team, ziel, tag);
    if (!Trainingslager_Ist_Initialisiert()) return 0;
    const int32_t heute = Kalender_Get_Heute();
    if (tag <= heute)
        return termin_melden(meldungen, team, "Leider sind Zeitreisen noch nicht möglich. Dieser Tag ist schon vorbei.");
    if (kurzfristig && tag < heute + 5) {
        if (meldungen)
            Team_Requester(0, team, "Dieser Termin ist zu kurzfristig. Suchen Sie sich bitte ein Datum nach dem %s.",
                           Kalender_Get_Datum_String(heute + 5));
        return 0;
    }
    if (art == 1 && !camp_gueltig(ziel)) return 0;
    if (art == 2 && (ziel < 0 || ziel >= Team_Anzahl || ziel == team)) return 0;
    if (Trainingslager_Freie_Buchungen(team) == 0)
        return termin_melden(meldungen, team, "Der Vereinsvorstand genehmigt leider keine weiteren Termine in dieser Saison.");
    const int32_t ende = Kalender_Get_Saisonstart() + TRAININGSLAGER_SAISONTAGE;
    int32_t tage = 0;
    for (int32_t d = tag; d < ende; ++d) {
        const char* grund = nullptr;
        char text[200];
        int32_t art_dort = -1;
        if (art == 1 && !Trainingslager_Tag_Belegt(ziel, d)) {
            std::snprintf(text, sizeof text,
                          "Sicherlich haben Sie übersehen, daß das Trainingslager '%s' an diesem Tag geschlossen hat.",
                          Trainingslager_Tabelle[ziel].name);
            grund = text;
        } else if (Trainingslager_Get_Termin(team, d, &art_dort) != -1 || art_dort != -1) {
            grund = "An diesem Tag haben Sie bereits Termine.";
        } else if (spielt_am(team, d, false)) {
            grund = "An diesem Tag finden leider Spiele statt.";
        } else if (art == 2 && spielt_am(ziel, d, true)) {
            std::snprintf(text, sizeof text, "%s hat an diesem Tag bereits ein Freundschaftsspiel.",
                          Team_String(TEAM_NAME_ROH, ziel, nullptr, 0));
            grund = text;
        } else if (art == 2 && Netz_Rolle != 0 && Kalender_Get_Anzahl_Spiele(d, 0) > 0) {
            grund = "Im Netzwerkspiel bitte nur Freundschaftsspiele an den vorgegebenen Terminen abschliessen.";
        }
        if (grund) {
            if (d == tag) return termin_melden(meldungen, team, grund);
            break;
        }
        ++tage;
        if (art != 1) break;
    }
    if (art != 1) return tage > 0 ? 1 : 0;
    return tage;
}

int32_t Trainingslager_Buchen(int32_t team, int32_t ziel, int32_t erster_tag, int32_t tage, int32_t art)
{
    if (!Trainingslager_Ist_Initialisiert()) return -1;
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    if (art < 1 || art > 4 || tage < 1 || (art == 1 && !camp_gueltig(ziel)) ||
        (art == 2 && (ziel < 0 || ziel >= Team_Anzahl || ziel == team)) || !Trainingslager_Buchungen(team, t))
        return -1;
    const int32_t frei = Trainingslager_Freie_Buchungen(team);
    if (frei == 0) return -1;
    const int32_t slot = TRAININGSLAGER_BUCHUNGEN - frei;
    const int32_t letzter = erster_tag + tage - 1;
    if (art == 1) {
        const char* name = Trainingslager_Tabelle[ziel].name;
        const uint8_t ja = tage == 1
                               ? Team_Requester(2, team, "Möchten Sie wirklich am %s^lins Trainingslager '%s' ?",
                                                Kalender_Get_Datum_String(erster_tag), name)
                               : Team_Requester(2, team, "Möchten Sie wirklich vom^l%s bis zum %s^lins Trainingslager '%s' ?",
                                                Kalender_Get_Datum_String(erster_tag), Kalender_Get_Datum_String(letzter), name);
        if (!ja) return -1;
    } else if (art == 2) {
        if (!Team_Requester(2, team, "Möchten Sie am %s ein Freundschaftsspiel gegen %s spielen?",
                            Kalender_Get_Datum_String(erster_tag), Team_String(TEAM_NAME_ROH, ziel, nullptr, 0)))
            return -1;
    }
    Trainingslager_Termin& e = t[slot];
    e = Trainingslager_Neuer_Termin(art, ziel, erster_tag, letzter);
    if (art == 1) e.preis = Trainingslager_Tabelle[ziel].preis;
    Trainingslager_Buchungen_Ablegen(team, t);
    if (art == 1 || art == 2) {
        Trainingslager_Buchung zeilen[TRAININGSLAGER_BUCHUNGEN] = {};
        zeilen[slot] = Trainingslager_Als_Buchung(e);
        if (art == 1) Richter_Trainingslager_Anfrage_Hinzufuegen(team, slot, zeilen);
        else Richter_Trainingslager_Buchung_Hinzufuegen(team, slot, zeilen);
        // the arbiter's copy names the slot and the asking club; the club's table keeps them too
        e.slot = zeilen[slot].slot;
        e.anfrager = 0;
        Trainingslager_Buchungen_Ablegen(team, t);
    }
    return slot;
}

void Trainingslager_Set_Freigabe_Beobachter(Trainingslager_Freigabe_Beobachter b) { freigabe_beobachter = b; }
void Trainingslager_Set_Melde_Beobachter(Trainingslager_Melde_Beobachter b) { melde_beobachter = b; }

void Trainingslager_Buchung_Freigeben(int32_t team, const Trainingslager_Buchung* buchung)
{
    if (freigabe_beobachter) {
        freigabe_beobachter(team, buchung);
        return;
    }
    if (!buchung || buchung->slot < 0 || buchung->slot >= TRAININGSLAGER_BUCHUNGEN ||
        !Trainingslager_Ist_Initialisiert())
        return;
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    if (!Trainingslager_Buchungen(team, t)) return;
    Trainingslager_Termin& e = t[buchung->slot];
    // a late answer must not free an appointment that has taken the slot since
    if (!e.belegt || e.art != buchung->art || uint32_t(e.erster_tag) != buchung->erster_tag) return;
    e = Trainingslager_Termin{};
    Trainingslager_Buchungen_Ablegen(team, t);
}

void Trainingslager_Buchung_Melden(int32_t team, const Trainingslager_Buchung* b, bool bestaetigt)
{
    if (melde_beobachter) {
        melde_beobachter(team, b, bestaetigt);
        return;
    }
    if (!b || !Trainingslager_Ist_Initialisiert() || Netz_Rolle == 1 || team < 0 || team >= Team_Anzahl) return;
    const int32_t tag = int32_t(b->erster_tag), ziel = int32_t(b->ziel);
    const bool zu_spaet = Kalender_Get_Heute() >= tag;
    if (zu_spaet) bestaetigt = false;
    if (b->art == 1) {
        if (!camp_gueltig(ziel)) return;
        const char* name = Trainingslager_Tabelle[ziel].name;
        if (!bestaetigt) {
            News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                        "Ihre Buchung des Trainingslagers \"%s\" wurde leider wegen Überbelegung storniert.", name);
            Trainingslager_Buchung_Freigeben(team, b);
            return;
        }
        News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr, "Ihre Buchung des Trainingslagers '%s' wurde bestätigt.", name);
        const int32_t start = Kalender_Get_Saisonstart();
        for (int32_t d = tag; d <= int32_t(b->letzter_tag) && d < start + TRAININGSLAGER_SAISONTAGE; ++d)
            if (d >= start) Trainingslager_Tag_Setzen(ziel, d, 0);
        return;
    }
    if (b->art != 2 || ziel < 0 || ziel >= Team_Anzahl) return;
    const char* gegner = Team_String(TEAM_NAME_ROH, ziel, nullptr, 0);
    if (!bestaetigt) {
        News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                    zu_spaet ? "Ihre Anfrage nach einem Freundschaftsspiel am %s gegen %s wurde leider nicht rechtzeitig "
                               "beantwortet."
                             : "Ihre Anfrage nach einem Freundschaftsspiel am %s gegen %s wurde leider abgelehnt.",
                    Kalender_Get_Datum_String(tag), gegner);
        Trainingslager_Buchung_Freigeben(team, b);
        return;
    }
    if (!Wettbewerb_Freundschaftsspiel_Einfuegen(tag, team, ziel)) {
        // the fixtures refused the day after all: the club hears it as a refusal
        News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                    "Ihre Anfrage nach einem Freundschaftsspiel am %s gegen %s wurde leider abgelehnt.",
                    Kalender_Get_Datum_String(tag), gegner);
        Trainingslager_Buchung_Freigeben(team, b);
        return;
    }
    Trainingslager_Buchung_Freigeben(team, b);
    News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                "Das Freundschaftsspiel gegen %s wurde bestätigt. Es findet wie geplant am %s statt.", gegner,
                Kalender_Get_Datum_String(tag));
    News_Senden(-1, ziel, -1, NEWS_ART_TEXT, nullptr, "Das Freundschaftsspiel bei %s findet wie geplant am %s statt.",
                Team_String(TEAM_NAME_ROH, team, nullptr, 0), Kalender_Get_Datum_String(tag));
}

// ---- A client's requests on the server ----

namespace {

bool programm_gueltig(const int8_t* programm)
{
    for (int32_t z = 0; z < TRAININGSLAGER_ZEILEN; ++z)
        if (programm[z] != -1 && !Trainingslager_Attribut_Bekannt(programm[z])) return false;
    return true;
}

// The first free entry as the booking takes it (the first one after the leading entries in use),
// -1 when the season's thirty are used.
int32_t erster_freier(const Trainingslager_Termin* t)
{
    int32_t i = 0;
    while (i < TRAININGSLAGER_BUCHUNGEN && t[i].belegt) ++i;
    return i < TRAININGSLAGER_BUCHUNGEN ? i : -1;
}

bool gleiche_buchung(const Trainingslager_Termin& a, const Trainingslager_Termin& b)
{
    return a.art == b.art && a.ziel == b.ziel && a.erster_tag == b.erster_tag && a.letzter_tag == b.letzter_tag;
}

}  // namespace

bool Trainingslager_Server_Anfrage_Eintragen(int32_t team, int32_t typ, Trainingslager_Buchung* buchung)
{
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    if (!buchung || !Trainingslager_Ist_Initialisiert() || !Trainingslager_Buchungen(team, t)) return false;
    const int32_t art = buchung->art, ziel = int32_t(buchung->ziel);
    const int32_t erster = int32_t(buchung->erster_tag), letzter = int32_t(buchung->letzter_tag);
    const bool camp = typ == RICHTER_TRAININGSLAGER && art == 1 && camp_gueltig(ziel);
    const bool freundschaft = typ == RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG && art == 2 && ziel >= 0 &&
                              ziel < Team_Anzahl && ziel != team && erster == letzter;
    const int32_t slot = erster_freier(t);
    if ((!camp && !freundschaft) || slot < 0 || letzter < erster ||
        int64_t(letzter) - erster + 1 > Trainingslager_Termin_Pruefen(team, ziel, erster, art, 0, 1))
        return false;
    Trainingslager_Termin& e = t[slot];
    e = Trainingslager_Neuer_Termin(art, ziel, erster, letzter);
    e.slot = int8_t(slot);
    if (camp) e.preis = Trainingslager_Tabelle[ziel].preis;
    Trainingslager_Buchungen_Ablegen(team, t);
    *buchung = Trainingslager_Als_Buchung(e);
    buchung->team = uint32_t(team);
    return true;
}

bool Trainingslager_Server_Termine_Uebernehmen(int32_t team, const uint8_t* client, uint8_t* bild)
{
    if (!client || !bild) return false;
    Trainingslager_Termin s[TRAININGSLAGER_BUCHUNGEN], c[TRAININGSLAGER_BUCHUNGEN];
    for (int32_t i = 0; i < TRAININGSLAGER_BUCHUNGEN; ++i) {
        Trainingslager_Termin_Lesen(bild + size_t(i) * TRAININGSLAGER_TERMIN_BYTES, &s[i]);
        Trainingslager_Termin_Lesen(client + size_t(i) * TRAININGSLAGER_TERMIN_BYTES, &c[i]);
    }
    for (const Trainingslager_Termin& k : c) {
        if (!k.belegt) continue;
        Trainingslager_Termin* eigen = nullptr;
        for (Trainingslager_Termin& e : s)
            if (e.belegt && gleiche_buchung(e, k) && !eigen) eigen = &e;
        if (eigen) {
            // the programme of a camp is set on the camp screen after the booking
            if (k.art != 1) continue;
            if (!programm_gueltig(k.programm)) return false;
            std::memcpy(eigen->programm, k.programm, sizeof eigen->programm);
            continue;
        }
        // a party or the psychologist goes into the calendar directly; a camp or friendly the
        // server does not hold never came through the arbiter and is left out
        if ((k.art != 3 && k.art != 4) || k.letzter_tag != k.erster_tag) continue;
        bool frei = Trainingslager_Ist_Initialisiert() && Trainingslager_Termin_Pruefen(team, 0, k.erster_tag, k.art, 0, 1);
        for (const Trainingslager_Termin& e : s)
            frei = frei && !(e.belegt && e.erster_tag <= k.erster_tag && k.erster_tag <= e.letzter_tag);
        const int32_t slot = erster_freier(s);
        if (!frei || slot < 0) continue;
        s[slot] = Trainingslager_Neuer_Termin(k.art, 0, k.erster_tag, k.erster_tag);
    }
    for (int32_t i = 0; i < TRAININGSLAGER_BUCHUNGEN; ++i)
        Trainingslager_Termin_Schreiben(s[i], bild + size_t(i) * TRAININGSLAGER_TERMIN_BYTES);
    return true;
}

// ---- Request 1030 ----

void Trainingslager_Set_Fernaufruf(Trainingslager_Fernaufruf a) { fernaufruf = a; }

int32_t Trainingslager_Server_Anfrage(int32_t anfrage, const uint8_t*, uint32_t laenge, std::vector<uint8_t>* antwort)
{
    if (!antwort) return 0;
    antwort->clear();
    if (!Trainingslager_Initialisiert || anfrage != TRAININGSLAGER_TRAININGSLAGER || laenge != 0) return 0;
    *antwort = Trainingslager_Bild_Schreiben();
    return 1;
}

bool Trainingslager_Client_Holen()
{
    if (!Trainingslager_Ist_Initialisiert() || Netz_Rolle != 1) return false;
    std::vector<uint8_t> block;
    if (!fernaufruf || !fernaufruf(TRAININGSLAGER_TRAININGSLAGER, &block) ||
        !Trainingslager_Bild_Lesen(block.data(), uint32_t(block.size()))) {
        Print_Fehler("Trainingslager_Client_Holen: Antwort fehlerhaft");
        return false;
    }
    return true;
}

bool Trainingslager_Client_Neu_Holen()
{
    // A client starts with no camp open: without the server's table it could book nothing.
    return Trainingslager_Client_Holen();
}
