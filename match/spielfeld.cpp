#include "match/spielfeld.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <new>
#include <type_traits>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_ansicht.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_daten.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_schritt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "match/spieltag.h"
#include "matchview/spielansicht.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "matchview/spielszenen_taktik.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/timer.h"
#include "platform/wert.h"
#include "platform/zufall.h"

Spielfeld_Steuerung_Block Spielfeld_Steuerung{};
Liste Spielfeld_Liste{};
float Spielfeld_Schwellen[2] = {4000.0f, 4000.0f};

namespace {

constexpr uint32_t REPLAY_BYTES = 85612;
constexpr uint32_t REPLAY_FLAG = 85608;
constexpr uint32_t BLOCK_KOPF_BYTES = 14;
constexpr uint32_t EINTRAG_KOPF_BYTES = 8;
constexpr uint32_t ENDE_BYTES = 2 * SPIELFELD_AENDERUNG_BYTES;  // a record's pending changes
// A frame that took this long consumes two clock units.
constexpr uint32_t LANGER_FRAME_MS = 56;

bool initialisiert = false;
bool masse_gesetzt = false;
uint8_t* replay = nullptr;
uint32_t letzte_zeit = 0;
// The frame step's flags: the minute sync's hold, the skip, and the frames run since init or load.
uint8_t halten = 0, ueberspringen = 0;
int32_t laeufe = 0;
// Steps of the frame step since the start: every fourth one snapshots the shown records.
uint32_t schritte = 0;

// ---- The record's image: one list of fields in image order serves the writer and the reader ----

// Visits every field with its image position; the visitor checks that the positions run on
// without gap or overlap, so the list cannot drift from the documented layout unnoticed.
template <class S, class V>
void spieler_felder(S& s, uint32_t p, V& v)
{
    v(p + 0, s.spnr);
    v(p + 4, s.frei_4);
    v(p + 12, s.partner);
    v(p + 15, s.karte);
    v(p + 16, s.kraft);
    v(p + 20, s.fitness);
    v(p + 22, s.frei_22);
    v(p + 23, s.marker);
    v(p + 24, s.taktik_punkte);
    v(p + 56, s.frei_56);
    v(p + 64, s.zustand);
    v(p + 68, s.wert_89);
    v(p + 70, s.faehigkeit);
    v(p + 114, s.bank_nummer);
    v(p + 115, s.anweisung);
    v(p + 125, s.frei_125);
    v(p + 126, s.praesenz);
    v(p + 151, s.roh);
    v(p + 155, s.raster_spalte);
    v(p + 156, s.raster_zeile);
    v(p + 157, s.frei_157);
}

template <class A, class V>
void auftrag_felder(A& a, uint32_t p, V& v)
{
    v(p + 0, a.dauer);
    v(p + 4, a.wert_4);
    v(p + 5, a.anim_standard);
    v(p + 6, a.wert_6);
    v(p + 7, a.ende);
    v(p + 8, a.tempo);
    v(p + 12, a.start_tempo);
    v(p + 16, a.ziel);
    v(p + 28, a.wert_28);
    v(p + 29, a.art);
    v(p + 30, a.wartend);
    v(p + 31, a.x_unter);
    v(p + 32, a.y_unter);
    v(p + 33, a.bild_ms);
    v(p + 34, a.frei_34);
    v(p + 36, a.animation);
    v(p + 40, a.wert_40);
    v(p + 41, a.blickrichtung);
    v(p + 42, a.richtung);
}

template <class O, class V>
void objekt_felder(O& o, uint32_t p, V& v)
{
    v(p + 0, o.vx);
    v(p + 4, o.vy);
    v(p + 8, o.vz);
    v(p + 12, o.ax);
    v(p + 16, o.fx);
    v(p + 20, o.ay);
    v(p + 24, o.fy);
    v(p + 28, o.entscheidung_timer);
    v(p + 32, o.auftrag_zeit);
    v(p + 36, o.countdown_a);
    v(p + 40, o.countdown_b);
    v(p + 44, o.flug_start);
    v(p + 48, o.flug_uhr);
    v(p + 52, o.distanz);
    v(p + 56, o.neuer_auftrag);
    v(p + 57, o.neu_entscheiden);
    v(p + 58, o.auftrag_fertig);
    v(p + 59, o.zielpunkt);
    v(p + 60, o.ballspieler);
    v(p + 61, o.torwart);
    v(p + 62, o.zustand);
    v(p + 63, o.frei_63);
    v(p + 64, o.pixel_x);
    v(p + 68, o.pixel_y);
    v(p + 72, o.x);
    v(p + 76, o.y);
    v(p + 80, o.z);
    v(p + 84, o.letzte_x);
    v(p + 88, o.letzte_y);
    v(p + 92, o.ring);
    v(p + 93, o.frei_93);
    for (uint32_t k = 0; k < SPIELFELD_AUFTRAEGE; ++k) auftrag_felder(o.auftrag[k], p + 96 + 44 * k, v);
    v(p + 272, o.aktiv);
    v(p + 273, o.frei_273);
    v(p + 276, o.wert_276);
    v(p + 280, o.frei_280);
}

template <class R, class V>
void record_felder(R& r, V& v)
{
    v(0, r.kopf.code);
    v(4, r.kopf.minute);
    v(6, r.kopf.sekunden);
    v(8, r.kopf.zweiter);
    v(10, r.kopf.slot);
    v(11, r.kopf.offen);
    for (uint32_t s = 0; s < SPIELFELD_SLOTS; ++s) spieler_felder(r.spieler[s], 12 + 160 * s, v);
    v(5132, r.frei_5132);
    v(5280, r.ball_ziel_x);
    v(5284, r.ball_ziel_y);
    v(5288, r.frei_5288);
    for (uint32_t o = 0; o < SPIELFELD_OBJEKTE; ++o) objekt_felder(r.objekt[o], 5368 + SPIELFELD_OBJEKT_BYTES * o, v);
    v(20260, r.team);
    v(20268, r.frei_20268);
    v(20340, r.ballholer);
    v(20348, r.frame_zeit);
    v(20352, r.situation);
    v(20356, r.letzte_beruehrung);
    v(20357, r.ballhalter);
    v(20358, r.voriger_halter);
    v(20359, r.abgeschlossen);
    v(20360, r.bester_slot);
    v(20364, r.naechster[0]);
    v(20368, r.frei_20368);
    v(20372, r.naechster[1]);
    v(20376, r.frei_20376);
    v(20380, r.naechster_abstand[0]);
    v(20384, r.frei_20384);
    v(20388, r.naechster_abstand[1]);
    v(20392, r.frei_20392);
    v(20396, r.torlinien_abstand);
    v(20400, r.ball_zustand);
    v(20404, r.spiel);
    v(20408, r.minute);
    v(20410, r.sekunden);
    v(20412, r.einheiten);
    v(20414, r.waechter_ms);
    v(20416, r.periode);
    v(20420, r.frei_20420);
    v(20428, r.tor_x);
    v(20436, r.tor_y);
    v(20444, r.zweiter_abstand);
    v(20448, r.verteidiger_x);
    v(20452, r.verteidiger_y);
    v(20456, r.frei_20456);
    v(20468, r.verteidiger_slot);
    v(20472, r.foul_x);
    v(20476, r.foul_y);
    v(20480, r.tor_pause);
    v(20481, r.gefoulte_seite);
    v(20482, r.foul_taeter);
    v(20483, r.gefoulter);
    v(20484, r.schwalbe);
    v(20485, r.pfiffe);
    v(20486, r.schiri_wert);
    v(20488, r.schiedsrichter);
    v(20492, r.passempfaenger);
    v(20496, r.frei_20496);
    v(20500, r.schuetze_bestimmt);
    v(20504, r.zweiter_bestimmt);
    v(20508, r.letzter_schuetze);
    v(20512, r.letzter_passgeber);
    v(20516, r.schuetzen_slot);
    v(20520, r.b_20520);
    v(20522, r.b_20522);
    v(20523, r.vorteil);
    v(20524, r.foul_countdown);
    v(20525, r.seiten_getauscht);
    v(20526, r.standard_aufgebaut);
    v(20527, r.nach_standard);
    v(20528, r.strafstoss);
    v(20529, r.schuss_offen);
    v(20530, r.b_20530);
    v(20531, r.extra_tor);
    v(20532, r.torwart_hat_ball);
    v(20533, r.annaeherung);
    v(20565, r.frei_20565);
    v(20566, r.spielende);
    v(20567, r.halbzeiten);
    v(20568, r.elfmeter_schuss);
    v(20569, r.countdown);
    v(20570, r.freistoss_variante);
    v(20571, r.tore);
    v(20573, r.anzeige);
    v(20574, r.schliess_verzoegerung);
    v(20575, r.halter_nah);
    v(20576, r.kontakt_countdown);
    v(20578, r.torart);
    v(20581, r.frei_20581);
    v(20584, r.freistoss_schuetze);
    v(20592, r.elfmeter_schuetze);
    v(20600, r.ecken_schuetze);
    v(20608, r.freistoss_offen);
    v(20609, r.elfmeter_offen);
    v(20610, r.ecke_offen);
    v(20611, r.standard_seite);
    v(20612, r.letzter_platzverweis);
    v(20616, r.frei_20616);
    v(20624, r.kamera_ziel);
    v(20636, r.ansicht_x);
    v(20640, r.ansicht_y);
    v(20644, r.gespiegelt);
    v(20648, r.frei_20648);
    v(20652, r.beschriftung);
    v(20653, r.frei_20653);
    v(20655, r.anstoss_zufall);
    v(20656, r.frei_20656);
    v(20944, r.boden_faktor);
    v(20948, r.palette);
    v(21716, r.frei_21716);
    v(21720, r.zweiter_betreuer);
    v(21722, r.assistent);
    v(21724, r.einsatz);
    v(21726, r.staerke);
    v(21728, r.team_wert);
    v(21736, r.taktik);
    v(21752, r.taktik_werte);
    v(21768, r.aufstellung_wert);
    v(21770, r.b_21770);
    v(21771, r.b_21771);
    v(21772, r.einwechsel);
    v(21786, r.auswechsel);
    v(21800, r.aktiv);
    v(21801, r.aktions_objekt);
    v(21802, r.frei_21802);
    v(21804, r.seed);
    v(21808, r.ansicht_seed);
    v(21812, r.assistent_faehigkeit);
    v(21814, r.kontakt_reihenfolge);
    v(21815, r.frei_21815);
    v(21824, r.tempo_faktor);
    v(21828, r.angriffslinie_x);
    v(21832, r.wechsel_uebrig);
    v(21834, r.laufende_spieler);
    v(21835, r.schwalben);
    v(21837, r.rot);
    v(21839, r.gelb_rot);
    v(21841, r.gelb);
    v(21843, r.ecken);
    v(21845, r.freistoesse);
    v(21847, r.fouls);
    v(21849, r.wechsel);
    v(21851, r.elfmeter);
    v(21853, r.statistik);
    v(22109, r.neuer_kopf);
    v(22110, r.frei_22110);
    v(22111, r.aktions_sperre);
    v(22112, r.platz_art);
    v(22113, r.platz_variante);
    v(22114, r.wetter);
    v(22115, r.frei_22115);
    v(22208, r.zuschauer_reaktion);
    v(22216, r.zuschauer_stimmung);
    v(22224, r.frei_22224);
    v(22674, r.netz_seite);
    v(22676, r.frei_22676);
    v(22678, r.sync_standard);
    v(22680, r.frei_22680);
    v(22748, r.sync_ecke);
    v(22749, r.frei_22749);
    v(22752, r.anweisungen);
    v(23044, r.netz_einwechsel);
    v(23058, r.netz_auswechsel);
    v(23072, r.frei_23072);
    v(24974, r.b_24974);
    v(24976, r.frei_24976);
    v(24993, r.b_24993);
    v(24994, r.frei_24994);
    v(25004, r.ansprache);
    v(25006, r.frei_25006);
    v(25008, r.kamera);
    v(25020, r.im_fenster);
    v(25021, r.anim_remap);
    v(25022, r.gezeichnet);
    v(25023, r.antwortkurve);
    v(25099, r.ansprache_druecke);
    v(25119, r.frei_25119);
}

template <class T>
uint32_t feld_bytes()
{
    if constexpr (std::is_array_v<T>) return uint32_t(std::extent_v<T>) * feld_bytes<std::remove_extent_t<T>>();
    else return uint32_t(sizeof(T));
}

// Walks the image position along the fields; a field out of place is reported once.
struct Lagepruefung {
    uint32_t naechste = 0;
    bool fehler = false;
    template <class T>
    void pruefen(uint32_t pos)
    {
        if (pos != naechste && !fehler) {
            Print_Fehler("Spielfeld_Record: Feld bei %u statt %u!", pos, naechste);
            fehler = true;
        }
        naechste = pos + feld_bytes<T>();
    }
    void ende()
    {
        if (naechste != SPIELFELD_RECORD_BYTES && !fehler) Print_Fehler("Spielfeld_Record: %u Bytes!", naechste);
    }
};

template <class T>
void skalar_schreiben(uint8_t* p, const T& v)
{
    if constexpr (std::is_same_v<T, float>) Bytes_Setze32(p, std::bit_cast<uint32_t>(v));
    else if constexpr (sizeof(T) == 4) Bytes_Setze32(p, uint32_t(v));
    else if constexpr (sizeof(T) == 2) Bytes_Setze16(p, uint16_t(v));
    else *p = uint8_t(v);
}

template <class T>
void skalar_lesen(const uint8_t* p, T& v)
{
    if constexpr (std::is_same_v<T, float>) v = std::bit_cast<float>(Bytes_Hole32(p));
    else if constexpr (sizeof(T) == 4) v = T(Bytes_Hole32(p));
    else if constexpr (sizeof(T) == 2) v = T(Bytes_Hole16(p));
    else v = T(*p);
}

struct Schreiber : Lagepruefung {
    uint8_t* bild;
    template <class T>
    void operator()(uint32_t pos, const T& f)
    {
        pruefen<T>(pos);
        element_schreiben(pos, f);
    }
    template <class T>
    void element_schreiben(uint32_t pos, const T& e)
    {
        if constexpr (std::is_array_v<T>) {
            uint32_t p = pos;
            for (const auto& x : e) {
                element_schreiben(p, x);
                p += feld_bytes<std::remove_cvref_t<decltype(x)>>();
            }
        } else skalar_schreiben(bild + pos, e);
    }
};

struct Leser : Lagepruefung {
    const uint8_t* bild;
    template <class T>
    void operator()(uint32_t pos, T& f)
    {
        pruefen<T>(pos);
        element_lesen(pos, f);
    }
    template <class T>
    void element_lesen(uint32_t pos, T& e)
    {
        if constexpr (std::is_array_v<T>) {
            uint32_t p = pos;
            for (auto& x : e) {
                element_lesen(p, x);
                p += feld_bytes<std::remove_cvref_t<decltype(x)>>();
            }
        } else skalar_lesen(bild + pos, e);
    }
};

// ---- The list of live records ----

Spielfeld_Record* record_von(Liste_Element* e) { return static_cast<Spielfeld_Record*>(e->data); }

// The match day walks its own lists with the shared list cursor: these walks leave it alone.
Liste_Element* erstes() { return initialisiert ? Spielfeld_Liste.next : nullptr; }

// The records in the list's order with their games, from one walk of the list while the record
// list has not changed since (its own count: the match store's lists change all through a day and
// need not cost a new walk): the match day asks for every game's record several times a minute and
// looks at every record each frame, and a walk of the list touches each element's header on its way.
struct Record_Eintrag {
    uint32_t spiel;
    Spielfeld_Record* record;
};

// Game numbers are the match store's lock handles: below this bound a game's record is found in
// a table by its number (the match day asks for it for every game each minute), above it by search.
constexpr uint32_t NUMMERN_TABELLE = 1024;

struct Record_Index {
    // the record list's count and the init flag the index was built under; a count of 0 (a head
    // cleared or never registered) is never taken as known
    uint64_t stand = 0;
    bool init = false;
    std::vector<Record_Eintrag> folge;      // in the list's order
    std::vector<Record_Eintrag> nach_spiel;  // by game, a game's first record first
    std::vector<Spielfeld_Record*> records;  // folge's records, which a frame takes as they stand
    // by game number, a game's first record (null none), while every number lies below the bound
    std::vector<Spielfeld_Record*> nach_nummer;
    bool nummern_im_feld = true;
};

Record_Index index_daten;

void index_bauen();

inline const Record_Index& index_aktuell()
{
    const uint64_t jetzt = Liste_Stand_Von(&Spielfeld_Liste);
    if (index_daten.stand != jetzt || jetzt == 0 || index_daten.init != initialisiert) index_bauen();
    return index_daten;
}

void index_bauen()
{
    index_daten.stand = Liste_Stand_Von(&Spielfeld_Liste);
    index_daten.init = initialisiert;
    index_daten.folge.clear();
    for (Liste_Element* e = erstes(); e; e = e->next) index_daten.folge.push_back({e->key, record_von(e)});
    index_daten.nach_spiel = index_daten.folge;
    std::stable_sort(index_daten.nach_spiel.begin(), index_daten.nach_spiel.end(),
                     [](const Record_Eintrag& a, const Record_Eintrag& b) { return a.spiel < b.spiel; });
    index_daten.records.clear();
    for (const Record_Eintrag& e : index_daten.folge) index_daten.records.push_back(e.record);
    index_daten.nach_nummer.clear();
    index_daten.nummern_im_feld = index_daten.nach_spiel.empty() || index_daten.nach_spiel.back().spiel < NUMMERN_TABELLE;
    if (index_daten.nummern_im_feld && !index_daten.nach_spiel.empty()) {
        index_daten.nach_nummer.assign(size_t(index_daten.nach_spiel.back().spiel) + 1, nullptr);
        for (const Record_Eintrag& e : index_daten.folge)
            if (!index_daten.nach_nummer[e.spiel]) index_daten.nach_nummer[e.spiel] = e.record;
    }
}

const std::vector<Record_Eintrag>& record_index() { return index_aktuell().folge; }

// The records of the day in the list's order (the day's most at most), as the index holds them:
// valid while no list changes. A walk that may change one takes a copy first (festhalten).
struct Record_Folge {
    Spielfeld_Record* const* records = nullptr;
    int32_t anzahl = 0;
    Spielfeld_Record* kopie[SPIELFELD_MAX_SPIELE];
    Record_Folge()
    {
        if (!initialisiert) return;
        const std::vector<Spielfeld_Record*>& v = index_aktuell().records;
        records = v.data();
        anzahl = int32_t(std::min<size_t>(v.size(), SPIELFELD_MAX_SPIELE));
    }
    // A snapshot from here on: what the records do meanwhile cannot move the walk.
    void festhalten()
    {
        if (records == kopie) return;
        std::copy_n(records, anzahl, kopie);
        records = kopie;
    }
};

// What a new record asks of the list: how many records it holds, its last one and whether a
// game has one already. Taken from one walk while the record list's count stands and carried
// along by the inserts at its end: a day's records come one after the other, and each would
// walk the whole list three times.
struct Listen_Bestand {
    uint64_t stand = 0;
    bool init = false;
    int32_t anzahl = 0;
    Liste_Element* letztes = nullptr;
    std::vector<bool> hat_record;  // by game number below NUMMERN_TABELLE
    bool nummer_darueber = false;  // a game number beyond it: such a game is looked for in the list

    void merken(const Liste_Element* e)
    {
        if (e->key < NUMMERN_TABELLE) hat_record[e->key] = true;
        else nummer_darueber = true;
    }
};

Listen_Bestand bestand;

const Listen_Bestand& bestand_aktuell()
{
    const uint64_t jetzt = Liste_Stand_Von(&Spielfeld_Liste);
    if (jetzt != 0 && bestand.stand == jetzt && bestand.init == initialisiert) return bestand;
    bestand.stand = jetzt;
    bestand.init = initialisiert;
    bestand.anzahl = 0;
    bestand.letztes = nullptr;
    bestand.hat_record.assign(NUMMERN_TABELLE, false);
    bestand.nummer_darueber = false;
    for (Liste_Element* e = erstes(); e; e = e->next) {
        ++bestand.anzahl;
        bestand.letztes = e;
        bestand.merken(e);
    }
    return bestand;
}

int32_t anzahl_records() { return bestand_aktuell().anzahl; }

bool hat_record(uint32_t spiel)
{
    const Listen_Bestand& b = bestand_aktuell();
    if (spiel < NUMMERN_TABELLE) return b.hat_record[spiel];
    return b.nummer_darueber && Liste_Find_Key(&Spielfeld_Liste, spiel);
}

// A record (zeros for null) as the list's last element.
Liste_Element* record_anhaengen(const Spielfeld_Record* quelle, uint32_t spiel)
{
    Liste_Element* e = Liste_Insert_Element(&Spielfeld_Liste, bestand_aktuell().letztes, quelle, sizeof(Spielfeld_Record), spiel);
    if (!e) return nullptr;
    ++bestand.anzahl;
    bestand.letztes = e;
    bestand.merken(e);
    bestand.stand = Liste_Stand_Von(&Spielfeld_Liste);
    return e;
}

bool hat_manager(const Spielfeld_Record& r)
{
    for (uint32_t t : r.team)
        if (int32_t(t) >= 0 && int32_t(t) < Team_Anzahl && Team_Hat_Manager(int32_t(t))) return true;
    return false;
}

void puffer_freigeben()
{
    if (Spielfeld_Steuerung.puffer) Mem_Free(Spielfeld_Steuerung.puffer, 0);
    Spielfeld_Steuerung.puffer = nullptr;
    if (replay) Mem_Free(replay, 0);
    replay = nullptr;
}

// The seed of a record: one draw of the global generator, spread over its states.
uint32_t record_seed()
{
    const int32_t z = Zufall(0, 999);
    return uint32_t(z) * 3999u + 1u;
}

}  // namespace

void Spielfeld_Record_Schreiben(const Spielfeld_Record& r, uint8_t* bild)
{
    Schreiber w;
    w.bild = bild;
    record_felder(r, w);
    w.ende();
}

void Spielfeld_Record_Lesen(const uint8_t* bild, Spielfeld_Record& r)
{
    Leser l;
    l.bild = bild;
    record_felder(r, l);
    l.ende();
}

// ---- Life cycle ----

void Spielfeld_Init()
{
    if (initialisiert) Spielfeld_DeInit();
    Spielfeld_Steuerung = Spielfeld_Steuerung_Block{};
    Spielfeld_Steuerung.puffer = static_cast<Tabelle_Datensatz*>(Mem_Alloc_Clear(sizeof(Tabelle_Datensatz), 0, 0));
    // The replay buffer comes with the first snapshot or replay that asks for it: most days
    // show no game live and never touch it.
    if (!Spielfeld_Steuerung.puffer) {
        puffer_freigeben();
        Print_Fehler("Spielfeld_Init: kein Speicher!");
        return;
    }
    Liste_Init(&Spielfeld_Liste);
    Spielfeld_Steuerung.kamera_teiler = 35;
    if (!masse_gesetzt) {
        Spielszenen_Spielfeld_Masse_Setzen(Spielfeld_Masse);
        masse_gesetzt = true;
    }
    Spielfeld_Animationen_Vorberechnen();
    Spielszenen_Animationen_Zuruecksetzen();
    Spielansicht_Beenden(0);
    Spielfeld_Ansicht_Flag_Setzen(0);
    letzte_zeit = Timer_Get_Time();
    laeufe = 0;
    halten = ueberspringen = 0;
    initialisiert = true;
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELFELD, Spielfeld_DeInit);
}

void Spielfeld_DeInit()
{
    if (!initialisiert) return;
    Spielansicht_Beenden(Spielfeld_Steuerung.uebersicht_verlassen);
    Spielfeld_Ansicht_Freigeben();
    puffer_freigeben();
    Spielfeld_Liste_Freigeben();
    initialisiert = false;
}

bool Spielfeld_Ist_Initialisiert() { return initialisiert; }

int32_t Spielfeld_Records_In_Folge(Spielfeld_Record** out, int32_t max)
{
    if (!initialisiert) return 0;
    // Taken from the index, which no element's header need be read for (they fall out of the
    // cache between frames); only more records than room walks the list itself.
    const std::vector<Spielfeld_Record*>& v = index_aktuell().records;
    if (max >= 0 && v.size() <= size_t(max)) {
        if (!Liste_First_Element(&Spielfeld_Liste)) return 0;
        std::copy(v.begin(), v.end(), out);
        Liste_Set_Cursor(nullptr);
        return int32_t(v.size());
    }
    int32_t n = 0;
    for (Liste_Element* e = Liste_First_Element(&Spielfeld_Liste); e && n < max; e = Liste_Next_Element(&Spielfeld_Liste, e))
        out[n++] = record_von(e);
    return n;
}

uint8_t Spielfeld_Replay_Flag() { return replay ? replay[REPLAY_FLAG] : 0; }
uint8_t* Spielfeld_Replay_Puffer()
{
    if (!replay && initialisiert) {
        replay = static_cast<uint8_t*>(Mem_Alloc_Clear(REPLAY_BYTES, 0, 0));
        if (!replay) Print_Fehler("Spielfeld_Replay_Puffer: kein Speicher!");
    }
    return replay;
}

// ---- Records ----

void Spielfeld_Staerke_Ausgleichen(Spielfeld_Record& r)
{
    int32_t byte[2];
    for (int32_t s = 0; s < 2; ++s) {
        int32_t v = r.team_wert[s];
        const int32_t w = r.team_wert[1 - s];
        if (v - 40 > w) v = v * 140 / 100;
        if (v + 40 < w) v = v * 80 / 100;
        // A value beyond the scale is the strongest (or weakest) side, never a side of no value.
        v = v < 0 ? 0 : v > 999 ? 999 : v;
        byte[s] = (r.staerke[s] * 30 + v * 7) / 100;
    }
    const int32_t d = byte[0] - byte[1];
    const int32_t a[2] = {Wert_Im_Bereich(d / 15, -45, 45, -45), Wert_Im_Bereich(d / -15, -45, 45, -45)};
    for (int32_t s = 0; s < 2; ++s) {
        const int32_t x = (a[s] + 100) * byte[s] / 100;
        r.staerke[s] = int8_t(x < 0 ? 0 : x > 99 ? 99 : x);
    }
}

void Spielfeld_Record_Fuellen(Spielfeld_Record* r, const Spiele_Spiel* sp, int32_t spiel, int32_t modus, const int32_t* pro_tribuene)
{
    if (!r || !sp) return;
    Spielfeld_Daten_Eintragen(r, sp, spiel, modus);
    Spielfeld_Umgebung_Setzen(r, sp);
    Spielszenen_Stadion_Eintragen(r, int32_t(sp->zuschauer));
    // The stands as full as the attendance of the venue left them, each stand apart.
    for (int32_t k = 0; pro_tribuene && k < 6; ++k) {
        const int32_t fuellung = std::clamp(pro_tribuene[k], 0, 100);
        std::memcpy(r->frei_22115 + (22124 - 22115) + 4 * k, &fuellung, sizeof fuellung);
    }
    Spielfeld_Kontakte_Aufloesen(r);
}

namespace {

// The game of a new record, or null when the day takes no record for it (reported under `wer`).
const Spiele_Spiel* neuer_record_erlaubt(const char* wer, int32_t spiel)
{
    if (!Spielfeld_Initialisiert()) return nullptr;
    if (anzahl_records() >= SPIELFELD_MAX_SPIELE) {
        Print_Fehler("%s: mehr als %d Spiele an einem Tag!", wer, SPIELFELD_MAX_SPIELE);
        return nullptr;
    }
    if (hat_record(uint32_t(spiel))) {
        Print_Fehler("%s: Spiel %d hat schon einen Record!", wer, spiel);
        return nullptr;
    }
    const Spiele_Spiel* sp = Spiele_Get_Spiel(spiel, 0);
    if (!sp) Print_Fehler("%s: Spiel %d nicht gefunden!", wer, spiel);
    return sp;
}

}  // namespace

bool Spielfeld_Record_Uebernehmen(int32_t spiel, const uint8_t* bild)
{
    if (!bild) return false;
    Spielfeld_Record neu{};
    Spielfeld_Record_Lesen(bild, neu);
    if (neu.spiel != uint32_t(spiel)) {
        Print_Fehler("Spielfeld_Record_Uebernehmen: Record gehört zu Spiel %u, nicht %d!", neu.spiel, spiel);
        return false;
    }
    if (Spielfeld_Record* alt = Spielfeld_Get_Spiel(spiel)) {
        *alt = neu;
        return true;
    }
    if (!neuer_record_erlaubt("Spielfeld_Record_Uebernehmen", spiel)) return false;
    if (!record_anhaengen(&neu, uint32_t(spiel))) {
        Print_Fehler("Spielfeld_Record_Uebernehmen: kein Speicher!");
        return false;
    }
    return true;
}

bool Spielfeld_Record_Anlegen(int32_t spiel, int32_t modus, int32_t, const int32_t* pro_tribuene, int32_t, int32_t)
{
    const Spiele_Spiel* sp = neuer_record_erlaubt("Spielfeld_Record_Anlegen", spiel);
    if (!sp) return false;
    const int32_t teams[2] = {sp->heim, sp->gast};
    for (int32_t t : teams)
        if (t < 0 || t >= Team_Anzahl) {
            Print_Fehler("Spielfeld_Record_Anlegen: Spiel %d ohne Mannschaft (%d)!", spiel, t);
            return false;
        }
    Liste_Element* e = record_anhaengen(nullptr, uint32_t(spiel));
    if (!e) {
        Print_Fehler("Spielfeld_Record_Anlegen: kein Speicher!");
        return false;
    }
    // The list hands the payload over zeroed, and every fill below clears the record once more
    // keeping only its display state and seed: the members with initialisers take them here.
    Spielfeld_Record& r = *new (e->data) Spielfeld_Record;
    // Every record takes exactly one draw of the global generator; the fill draws on the
    // record's own sequence, so a record depends only on its game and its seed.
    r.seed = record_seed();
    r.anzeige = modus == 1 ? 1 : 0;
    const int32_t global = Zufall_Get_Seed();
    Zufall_Set_Seed(int32_t(r.seed));
    // The mode is the shown flag: a game with a window or a pitch of its own (or switch 3 of its
    // competition, or a displayed record) is played on the pitch. A human manager's game may be
    // watched; every other game gets only what its events in the background read.
    const bool auf_dem_platz = modus != 0 || r.anzeige || Wettbewerb_Get_Schalter(sp->wettbewerb, 3);
    if (auf_dem_platz || Team_Hat_Manager(teams[0]) || Team_Hat_Manager(teams[1])) {
        Spielfeld_Record_Fuellen(&r, sp, spiel, modus, pro_tribuene);
    } else {
        Spielfeld_Daten_Eintragen_Hintergrund(&r, sp, spiel, true);
    }
    r.seed = uint32_t(Zufall_Get_Seed());
    Zufall_Set_Seed(global);
    return true;
}

Spielfeld_Record* Spielfeld_Get_Spiel(int32_t spiel)
{
    if (!initialisiert) return nullptr;
    // the first of a key, as a walk of the list finds it
    const Record_Index& index = index_aktuell();
    if (index.nummern_im_feld) return uint32_t(spiel) < index.nach_nummer.size() ? index.nach_nummer[uint32_t(spiel)] : nullptr;
    const std::vector<Record_Eintrag>& v = index.nach_spiel;
    const auto it = std::lower_bound(v.begin(), v.end(), uint32_t(spiel),
                                     [](const Record_Eintrag& e, uint32_t k) { return e.spiel < k; });
    return it != v.end() && it->spiel == uint32_t(spiel) ? it->record : nullptr;
}

bool Spielfeld_Set_Anzeige(int32_t spiel, uint8_t wert)
{
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    if (!r) return false;
    r->anzeige = wert;
    return true;
}

void Spielfeld_Spieloptionen(int32_t tempo_option, uint8_t freistoss, uint8_t elfmeter, uint8_t ecke)
{
    const int32_t option = tempo_option < 0 ? 0 : tempo_option > 9 ? 9 : tempo_option;
    Spieltag_Set_Geschwindigkeit(option * 210 / 9 + 70);
    Spielfeld_Steuerung.schuetze_waehlen[0] = freistoss != 0;
    Spielfeld_Steuerung.schuetze_waehlen[1] = elfmeter != 0;
    Spielfeld_Steuerung.schuetze_waehlen[2] = ecke != 0;
}

uint32_t& Spielfeld_Gewaehlter_Schuetze(Spielfeld_Record* r, int32_t art, int32_t seite)
{
    seite &= 1;
    return art == 0 ? r->elfmeter_schuetze[seite] : art == 1 ? r->freistoss_schuetze[seite] : r->ecken_schuetze[seite];
}

void Spielfeld_Set_Halten(uint8_t an) { halten = an; }
void Spielfeld_Set_Ueberspringen(uint8_t an) { ueberspringen = an; }

namespace {

// What a frame's views take from the records: the first one shown and the smallest running
// minute (starting from the day's).
struct Ansicht_Stand {
    Spielfeld_Record* gezeigt = nullptr;
    int32_t kleinste = 0;
    void merken(Spielfeld_Record& r)
    {
        if (!gezeigt && r.anzeige == 1) gezeigt = &r;
        if (r.aktiv && !r.abgeschlossen && r.spielende != 2) kleinste = std::min<int32_t>(kleinste, r.minute);
    }
};

void frame_ansichten_zeigen(const Ansicht_Stand& stand)
{
    Spielfeld_Record* gezeigt = stand.gezeigt;
    const int32_t kleinste = stand.kleinste;
    if (gezeigt) {
        Spielfeld_Ansicht_Laden(gezeigt);
        if (Spielfeld_Ansicht_Geladen()) {
            Spielfeld_Aufruf_Melden(AUFRUF_ANSICHT, gezeigt, gezeigt->minute);
            Spielfeld_Ansicht_Frame(gezeigt);
        }
    }
    if (Spielfeld_Ansicht_Geladen()) return;
    Spielfeld_Aufruf_Melden(AUFRUF_UEBERSICHT, nullptr, kleinste + 1);
    Spielansicht_Frame(&Spielfeld_Steuerung, kleinste + 1);
}

// Once a frame, also while nothing plays: the live view while a record is shown (it loads on the
// first such frame), else the match overview with the smallest running minute + 1.
void frame_ansichten(int32_t tagesminute)
{
    Ansicht_Stand stand{nullptr, tagesminute};
    if (initialisiert)
        for (const Record_Eintrag& e : record_index()) stand.merken(*e.record);
    frame_ansichten_zeigen(stand);
}

}  // namespace

float Spielfeld_Run(int32_t minute, int32_t, int32_t, int32_t, uint8_t*, uint8_t)
{
    const uint32_t jetzt = Timer_Get_Time();
    const uint32_t dauer = jetzt - letzte_zeit;
    letzte_zeit = jetzt;
    if (halten) return -1.0f;
    if (ueberspringen) return 100000.0f;
    if (Spielfeld_Steuerung.uebersicht_verlassen) return 1000.0f;
    const bool erster = laeufe == 0;
    if (laeufe < 0x7FFFFFFF) ++laeufe;
    if (erster || Spielfeld_Steuerung.pause || Spielfeld_Replay_Flag()) {
        // a manager's pause (a taker to choose) is no slow line
        if (!erster && Netz_Rolle != 0) Spielfeld_Netz_Angehalten(dauer);
        frame_ansichten(minute);
        return 0.0f;
    }
    const int32_t einheiten = dauer >= LANGER_FRAME_MS ? 2 : 1;
    const bool netz = Netz_Rolle != 0;
    bool gehalten = false;
    // Each pitch game draws on its own sequence; the day's draws must not see them.
    const int32_t global = Zufall_Get_Seed();
    // A frame that has no record to step changes none: what the views take from the records is read
    // in the same walk (a day in the background walks its records once a frame, not twice).
    Ansicht_Stand stand;
    bool geschritten = false;
    // A frame in the background steps no record: it reads the index's records where they lie.
    Record_Folge folge;
    for (int32_t k = 0; k < einheiten && !gehalten; ++k) {
        ++schritte;
        stand = Ansicht_Stand{nullptr, minute};
        for (int32_t i = 0; i < folge.anzahl; ++i) {
            Spielfeld_Record& r = *folge.records[i];
            // a game in the background has nothing to step and only its display flag to give
            if (!r.aktiv) {
                if (r.anzeige == 1 && !stand.gezeigt) stand.gezeigt = &r;
                continue;
            }
            stand.merken(r);
            if (r.abgeschlossen) continue;
            geschritten = true;
            folge.festhalten();
            if (netz && Spielfeld_Netz_Ruht(&r)) continue;
            // the minute sync holds a networked record until its peers have played the minute
            if (netz && Spielfeld_Netz_Wartet(&r)) {
                gehalten = true;
                continue;
            }
            Zufall_Set_Seed(int32_t(r.seed));
            Spielfeld_Record_Schritt(&r, SPIELFELD_SCHRITT_MS);
            r.seed = uint32_t(Zufall_Get_Seed());
            if (r.anzeige == 1 && schritte % 4 == 0) {
                Spielfeld_Aufruf_Melden(AUFRUF_SCHNAPPSCHUSS, &r, r.minute);
                Spielfeld_Replay_Schnappschuss(&r);
            }
            if (netz && Spielfeld_Netz_Wartet(&r)) gehalten = true;
        }
    }
    Zufall_Set_Seed(global);
    if (geschritten) frame_ansichten(minute);
    else frame_ansichten_zeigen(stand);
    return gehalten ? -1.0f : float(einheiten);
}

void Spielfeld_Anpfiff_Record(Spielfeld_Record* r, int32_t spaetere_halbzeit)
{
    if (!r) return;
    r->situation = 0;
    r->ball_zustand = 0;
    r->ballhalter = -1;
    r->spielende = 0;
    Spielfeld_Objekt_Setzen(r, SPIELFELD_BALL, Spielfeld_Masse[0] / 2, Spielfeld_Masse[1] / 2, 0);
    Spielfeld_Auftrag_Tempo_Setzen(r, SPIELFELD_BALL, 0.0f, 0);
    if (spaetere_halbzeit) {
        // Changes made during the break come on with the kick-off, as with a goal's: the
        // replaced man sits at once and the substitute takes his places before they turn round.
        r->situation = SITUATION_ANSTOSS;
        Spielfeld_Wechsel_Ausfuehren(r);
        r->situation = 0;
        // The ends change: the goal points first, then every stored place turns round.
        r->seiten_getauscht ^= 1;
        Spielfeld_Tor_Punkte_Setzen(r);
        Spielfeld_Laufwege_Spiegeln(r);
        for (int32_t s = 0; s < 2; ++s) Spielfeld_Team_An_Positionen(r, s, r->seiten_getauscht ^ s);
        ++r->periode;
    } else r->periode = 1;
    Spielfeld_Sonderaktion(r);
    const int32_t z = Zufall(0, 255);
    r->anstoss_zufall = uint8_t(z);
}

void Spielfeld_Anpfiff(int32_t spiel, int32_t spaetere_halbzeit)
{
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    if (!r) return;
    const int32_t global = Zufall_Get_Seed();
    Zufall_Set_Seed(int32_t(r->seed));
    Spielfeld_Anpfiff_Record(r, spaetere_halbzeit);
    r->seed = uint32_t(Zufall_Get_Seed());
    Zufall_Set_Seed(global);
}

void Spielfeld_Halbzeit_Beenden(int32_t spiel)
{
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    if (!r) return;
    r->spielende = 2;
    r->situation = 5;
    for (Spielfeld_Spieler& s : r->spieler) s.zustand &= SPIELFELD_AUF_DEM_PLATZ | SPIELFELD_ERSATZ | SPIELFELD_GELB_ROT | SPIELFELD_ROT;
    std::memset(r->torart, 0, sizeof r->torart);
    // A set piece the whistle cut off is none of the next half's: its taker's panel must not open
    // there, where a choice would reach only the choosing PC's record.
    r->freistoss_offen = r->elfmeter_offen = r->ecke_offen = 0;
    r->foul_countdown = 0;
    r->tor_pause = 0;
    r->elfmeter_schuss = 0;
    r->countdown = 0;
}

void Spielfeld_Spiel_Beenden(int32_t spiel)
{
    if (spiel == -1) return;
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    if (!r) return;
    if (r->anzeige == 1) r->schliess_verzoegerung = 30;
    else {
        r->anzeige = 0;
        r->abgeschlossen = 1;
    }
}

void Spielfeld_Halbzeit_Zaehlen(int32_t spiel)
{
    if (Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel)) ++r->halbzeiten;
}

void Spielfeld_Nach_Spiel_Seite(int32_t team)
{
    if (team < 0 || team >= Team_Anzahl) return;
    int32_t feld[50];
    const int32_t n = Teamspieler_Ins_Array(team, feld, 50, TS_STARTELF);
    for (int32_t i = 0; i < n && i < 50; ++i) {
        const int32_t alter = Spieler_Wert(SP_ALTER, feld[i], 0, 0);
        const int32_t erschoepfung = Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, feld[i], 0, 0);
        Spielfeld_Belastung_Pruefen(team, feld[i], alter, erschoepfung, 0);
    }
}

bool Spielfeld_Spieltag_Beendet_Setzen()
{
    if (!initialisiert) return false;
    Spielfeld_Steuerung.spieltag_beendet = 1;
    return true;
}

int32_t Spielfeld_Get_Laufende_Spiele(int32_t* spiele, int32_t max)
{
    int32_t n = 0;
    for (Liste_Element* e = erstes(); e && n < max; e = e->next) {
        const Spielfeld_Record& r = *record_von(e);
        if (!r.aktiv || r.spielende == 2 || r.abgeschlossen || !hat_manager(r)) continue;
        if (spiele) spiele[n] = int32_t(r.spiel);
        ++n;
    }
    return n;
}

int32_t Spielfeld_Get_Angezeigte_Spiele(int32_t* spiele, int32_t max, bool nur_angezeigte)
{
    int32_t n = 0;
    bool einer_angezeigt = false;
    for (Liste_Element* e = erstes(); e && n < max; e = e->next) {
        const Spielfeld_Record& r = *record_von(e);
        const bool angezeigt = r.anzeige == 1;
        if (!angezeigt && (nur_angezeigte || !hat_manager(r))) continue;
        einer_angezeigt |= angezeigt;
        if (spiele) spiele[n] = int32_t(r.spiel);
        ++n;
    }
    return einer_angezeigt ? n : 0;
}

void Spielfeld_Nach_Spiel_Auswerten()
{
    // The day's games ask the same few competitions the same questions (each looked up by its
    // id, whether it is international), and nothing here changes a competition's teams or
    // links: what the hold keeps is worked out once for the whole day.
    const Wettbewerb_Abfragen_Halten halten;
    // A game off the pitch is done with here: the team of the day takes the marks its
    // statistics work out.
    Spielfeld_Tagesnoten noten;
    for (Liste_Element* e = erstes(); e; e = e->next) {
        Spielfeld_Record& r = *record_von(e);
        Spielfeld_Statistik_Nach_Spiel(&r, r.aktiv ? nullptr : &noten);
        if (!r.aktiv) continue;
        for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
            const Spielfeld_Spieler& s = r.spieler[slot];
            if (s.spnr < 0 || !(s.zustand & SPIELFELD_AUF_DEM_PLATZ)) continue;
            const int32_t team = int32_t(r.team[slot / 16]);
            const int32_t alter = Spieler_Wert(SP_ALTER, s.spnr, 0, 0);
            const int32_t erschoepfung = Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, s.spnr, 0, 0);
            Spielfeld_Belastung_Pruefen(team, s.spnr, alter, erschoepfung, 0);
        }
        for (int32_t seite = 0; seite < 2; ++seite) Spielfeld_Praemie_Strafe_Auszahlen(&r, seite, 1);
    }
    Spielfeld_Nominierungen_Eintragen(&noten);
}

// ---- Savegame block ----
//
//   u32 version (SPIELFELD_BLOCK_VERSION), u8 init flag, u8 view-loaded flag, 2 x f32 thresholds
//   when initialised: u32 count (at most 200), then one block per record:
//     u32 game number, u32 packed length, the packed image of SPIELFELD_RECORD_BYTES,
//     from version 2 the two sides' pending changes (2 x SPIELFELD_AENDERUNG_BYTES, unpacked)

bool Spielfeld_Speichern(Disk_Datei* d)
{
    uint8_t kopf[BLOCK_KOPF_BYTES];
    Bytes_Setze32(kopf, SPIELFELD_BLOCK_VERSION);
    kopf[4] = initialisiert ? 1 : 0;
    kopf[5] = Spielfeld_Ansicht_Flag();
    Bytes_Setze32(kopf + 6, std::bit_cast<uint32_t>(Spielfeld_Schwellen[0]));
    Bytes_Setze32(kopf + 10, std::bit_cast<uint32_t>(Spielfeld_Schwellen[1]));
    if (!Disk_Schreibe_Block(d, kopf, sizeof kopf)) return false;
    if (!initialisiert) return true;
    uint8_t anzahl[4];
    Bytes_Setze32(anzahl, uint32_t(anzahl_records()));
    if (!Disk_Schreibe_Block(d, anzahl, sizeof anzahl)) return false;
    std::vector<uint8_t> bild(SPIELFELD_RECORD_BYTES);
    std::vector<uint8_t> eintrag(EINTRAG_KOPF_BYTES + Spielfeld_Packen_Grenze(SPIELFELD_RECORD_BYTES) + ENDE_BYTES);
    for (Liste_Element* e = erstes(); e; e = e->next) {
        const Spielfeld_Record& r = *record_von(e);
        Spielfeld_Record_Schreiben(r, bild.data());
        const int32_t n = Spielfeld_Speicher_Packen(bild.data(), eintrag.data() + EINTRAG_KOPF_BYTES, SPIELFELD_RECORD_BYTES,
                                                     uint32_t(eintrag.size()) - EINTRAG_KOPF_BYTES - ENDE_BYTES);
        if (n < 0) return false;
        Bytes_Setze32(eintrag.data(), e->key);
        Bytes_Setze32(eintrag.data() + 4, uint32_t(n));
        std::memcpy(eintrag.data() + EINTRAG_KOPF_BYTES + n, r.aenderung, ENDE_BYTES);
        if (!Disk_Schreibe_Block(d, eintrag.data(), EINTRAG_KOPF_BYTES + uint32_t(n) + ENDE_BYTES)) return false;
    }
    return true;
}

static bool ablehnen(Disk_Datei* d, const char* grund)
{
    Print_Fehler("Spielfeld_Laden: %s", grund);
    Disk_Block_Ablehnen(d);
    return false;
}

bool Spielfeld_Laden(Disk_Datei* d, const char*)
{
    laeufe = 0;  // the first frame after a load plays nothing
    uint32_t laenge = 0;
    // A savegame from before the block existed holds no match day on the pitch.
    if (!Disk_Naechste_Blocklaenge(d, &laenge)) {
        Spielfeld_DeInit();
        return true;
    }
    uint8_t kopf[BLOCK_KOPF_BYTES];
    if (laenge != sizeof kopf || !Disk_Lese_Block(d, kopf, sizeof kopf)) return ablehnen(d, "Kopf falsch!");
    const uint32_t version = Bytes_Hole32(kopf);
    if (version != 1 && version != SPIELFELD_BLOCK_VERSION) return ablehnen(d, "unbekannte Version!");
    // A version-1 block has no pending changes after its records.
    const uint32_t ende = version == 1 ? 0 : ENDE_BYTES;
    if (kopf[4] > 1 || kopf[5] > 1) return ablehnen(d, "Schalter falsch!");
    const float schwellen[2] = {std::bit_cast<float>(Bytes_Hole32(kopf + 6)), std::bit_cast<float>(Bytes_Hole32(kopf + 10))};
    if (!std::isfinite(schwellen[0]) || !std::isfinite(schwellen[1])) return ablehnen(d, "Schwellen falsch!");
    std::vector<Spielfeld_Record> neu;
    if (kopf[4]) {
        uint8_t anzahl_bytes[4];
        if (!Disk_Naechste_Blocklaenge(d, &laenge) || laenge != 4 || !Disk_Lese_Block(d, anzahl_bytes, 4))
            return ablehnen(d, "Anzahl fehlt!");
        const uint32_t anzahl = Bytes_Hole32(anzahl_bytes);
        if (anzahl > uint32_t(SPIELFELD_MAX_SPIELE)) return ablehnen(d, "zu viele Spiele!");
        neu.resize(anzahl);
        constexpr uint32_t MAX_GEPACKT = Spielfeld_Packen_Grenze(SPIELFELD_RECORD_BYTES);
        std::vector<uint8_t> eintrag(EINTRAG_KOPF_BYTES + MAX_GEPACKT + ende);
        std::vector<uint8_t> bild(SPIELFELD_RECORD_BYTES);
        for (uint32_t i = 0; i < anzahl; ++i) {
            if (!Disk_Naechste_Blocklaenge(d, &laenge) || laenge < EINTRAG_KOPF_BYTES + ende || laenge > eintrag.size())
                return ablehnen(d, "Record fehlt oder ist zu lang!");
            if (!Disk_Lese_Block(d, eintrag.data(), laenge)) return ablehnen(d, "Record unlesbar!");
            const uint32_t spiel = Bytes_Hole32(eintrag.data());
            const uint32_t gepackt = laenge - EINTRAG_KOPF_BYTES - ende;
            if (Bytes_Hole32(eintrag.data() + 4) != gepackt) return ablehnen(d, "Record-Länge falsch!");
            const int32_t n = Spielfeld_Speicher_Entpacken(bild.data(), SPIELFELD_RECORD_BYTES, eintrag.data() + EINTRAG_KOPF_BYTES,
                                                           gepackt);
            if (n != int32_t(SPIELFELD_RECORD_BYTES)) return ablehnen(d, "Record beschädigt!");
            Spielfeld_Record_Lesen(bild.data(), neu[i]);
            if (ende) {
                const uint8_t* t = eintrag.data() + EINTRAG_KOPF_BYTES + gepackt;
                for (int32_t s = 0; s < 2; ++s)
                    if (!Spielfeld_Aenderung_Gueltig(t + s * SPIELFELD_AENDERUNG_BYTES, s))
                        return ablehnen(d, "ausstehende Änderung beschädigt!");
                std::memcpy(neu[i].aenderung, t, ENDE_BYTES);
            }
            if (neu[i].spiel != spiel) return ablehnen(d, "Record gehört zu einem anderen Spiel!");
            // Game numbers are the match store's lock handles, read back before this block.
            if (!Spiele_Get_Spiel(int32_t(spiel), 0)) return ablehnen(d, "Spiel ohne Datensatz!");
            for (uint32_t k = 0; k < i; ++k)
                if (neu[k].spiel == spiel) return ablehnen(d, "Spiel doppelt!");
        }
    }
    if (Disk_Naechste_Blocklaenge(d, &laenge)) return ablehnen(d, "unerwartete Daten am Ende!");

    // Checked whole: only now the running match day gives way.
    if (!kopf[4]) Spielfeld_DeInit();
    else {
        if (!initialisiert) Spielfeld_Init();
        if (!initialisiert) return ablehnen(d, "kein Speicher!");
        Ball_Objekt = nullptr;
        Ball_Auftrag = nullptr;
        Liste_Delete_Element(&Spielfeld_Liste, nullptr);
        Liste_Element* nach = nullptr;
        for (const Spielfeld_Record& r : neu) {
            nach = Liste_Insert_Element(&Spielfeld_Liste, nach, &r, sizeof r, r.spiel);
            if (!nach) return ablehnen(d, "kein Speicher!");
        }
    }
    Spielfeld_Ansicht_Flag_Setzen(kopf[5]);
    Spielfeld_Schwellen[0] = schwellen[0];
    Spielfeld_Schwellen[1] = schwellen[1];
    return true;
}

void Spielfeld_Disk_Registrieren()
{
    Disk_Block_Registrieren(DISK_POS_SPIELFELD, Spielfeld_Speichern, Spielfeld_Laden);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELFELD, Spielfeld_DeInit);
}

void Spielfeld_Attribut_Erhoehen(int32_t team, int32_t spnr, int32_t feld, int32_t um)
{
    if (feld < SP_KRAFT || spnr < 0 || spnr >= Spieler_Anzahl) return;
    if (Spielfeld_Spielerwert_Erhoehen(feld, 0, team, spnr, um, nullptr, -1)) Spieler_News_Neues_Attribut(team, spnr, feld - SP_KRAFT);
}
