// The live games of the match day: one record per game, the pitch module's control block, the
// frame step's shell, the savegame block of the records and the run-length packer.
//
// The records of games played in the background exist too (inactive, +21800 = 0): the match day
// reads their teams, strength bytes and seed. The pitch model, the ball and the frame step give the
// active records their play; until then nothing plays on the pitch.
#pragma once
#include <cstdint>
#include <vector>

#include "database/spieler.h"
#include "gameflow/globals.h"
#include "platform/liste.h"
#include "platform/zufall.h"

struct Disk_Datei;
struct Tabelle_Datensatz;

constexpr int32_t SPIELFELD_MAX_SPIELE = 200;       // live records of one match day
constexpr uint32_t SPIELFELD_RECORD_BYTES = 25120;  // the saved image of one record
constexpr int32_t SPIELFELD_SLOTS = 32;             // 16 per side
constexpr int32_t SPIELFELD_OBJEKTE = 51;
constexpr uint32_t SPIELFELD_OBJEKT_BYTES = 292;
constexpr uint32_t SPIELFELD_BLOCK_VERSION = 2;
// A side's pending change of tactics, effort, instructions and lists (the savegame block's tail).
constexpr uint32_t SPIELFELD_AENDERUNG_BYTES = 155;
// Bound of a packed length: any input fits into length + length / 128 + 4 bytes.
constexpr uint32_t Spielfeld_Packen_Grenze(uint32_t laenge) { return laenge + laenge / 128 + 4; }

// State word bits of a slot (+64 of its entry).
enum : uint32_t {
    SPIELFELD_AUF_DEM_PLATZ = 16, SPIELFELD_ERSATZ = 32, SPIELFELD_GELB_ROT = 256, SPIELFELD_ROT = 512,
};
// Event codes the engine writes into the match store's events.
enum : int32_t {
    SPIELFELD_EREIGNIS_HEIM = 1, SPIELFELD_EREIGNIS_CHANCE = 2, SPIELFELD_EREIGNIS_TOR = 4,
    SPIELFELD_EREIGNIS_GELB = 16, SPIELFELD_EREIGNIS_GELB_ROT = 32, SPIELFELD_EREIGNIS_ROT = 64,
};
// Byte 20528: a penalty set up or its ball on the way to the goal; the keeper gone for a corner.
enum : uint8_t { STRAFSTOSS_KEINER = 0, STRAFSTOSS_TORWART_WEG = 1, STRAFSTOSS_UNTERWEGS = 2 };

// Strength entry of one player slot (160 bytes in the image).
struct Spielfeld_Spieler {
    int32_t spnr;                 // -1 empty slot
    uint8_t frei_4[8];
    uint8_t partner[3];           // partner slots, 255 none
    uint8_t karte;                // 0, 8 warned, 16 booked, 32 yellow-red, 64 red
    uint32_t kraft;               // 0..9999
    int16_t fitness;
    uint8_t frei_22;
    uint8_t marker;               // left when a goal lifted a value to 75
    int32_t taktik_punkte[8];
    uint8_t frei_56[8];
    uint32_t zustand;             // SPIELFELD_AUF_DEM_PLATZ ...
    uint16_t wert_89;
    uint16_t faehigkeit[22];
    uint8_t bank_nummer;
    uint8_t anweisung[10];        // anweisung[2] = back number
    uint8_t frei_125;
    uint8_t praesenz[25];         // 100 two-bit counters
    uint8_t roh[4];               // raw values 68, 69, 70, 74
    uint8_t raster_spalte;
    uint8_t raster_zeile;
    uint8_t frei_157[3];
};

// One order of a pitch object (44 bytes in the image); four of them form the object's ring.
struct Spielfeld_Auftrag {
    float dauer;                  // ms, 0 no limit; non-zero marks the order busy
    uint8_t wert_4;
    uint8_t anim_standard;        // last frame index of the animation
    uint8_t wert_6;
    int8_t ende;                  // 1 done, -1 look at the next order on ending
    float tempo;                  // cm/s along the path
    float start_tempo;            // vertical speed at the start of a flight
    float ziel[3];
    uint8_t wert_28;              // 0 makes the duration 0
    uint8_t art;                  // 0 free, else the animation's kind (8 and 10 while entered)
    uint8_t wartend;
    uint8_t x_unter, y_unter;     // target below the position when given (players)
    uint8_t bild_ms;              // ms the current frame has shown
    uint8_t frei_34[2];
    int32_t animation;            // -1 empty
    uint8_t wert_40;              // frame counter
    uint8_t blickrichtung;        // the view's direction of the figure, 0-7
    int16_t richtung;             // -1, or 35: face the ball
};
constexpr int32_t SPIELFELD_AUFTRAEGE = 4;

// A pitch object (0-31 players, 32 referee, 33/34 assistants, 35 ball, 36 a further figure,
// 37-40 corner flags, 41-48 goal frames, 49/50 bench figures).
struct Spielfeld_Objekt {
    float vx, vy, vz;                 // cm/s
    float ax, fx, ay, fy;             // air drag and rolling friction along x and y
    float entscheidung_timer;         // s; above 1.0 the object decides again
    float auftrag_zeit;               // ms left of the current order
    float countdown_a, countdown_b;   // ms
    float flug_start, flug_uhr;       // ms
    int32_t distanz;                  // distance run, in speed-factor units
    uint8_t neuer_auftrag;
    uint8_t neu_entscheiden;          // the decision pass gives it a new order
    uint8_t auftrag_fertig;
    uint8_t zielpunkt;                // drags the record's target point (the ball)
    uint8_t ballspieler;
    uint8_t torwart;
    uint8_t zustand;                  // transient state, a character code
    uint8_t frei_63;
    int32_t pixel_x, pixel_y;         // the view's
    float x, y, z;
    float letzte_x, letzte_y;         // position at the last distance count
    int8_t ring;                      // current order 0..3
    uint8_t frei_93[3];
    Spielfeld_Auftrag auftrag[SPIELFELD_AUFTRAEGE];
    uint8_t aktiv;
    uint8_t frei_273[3];
    int32_t wert_276;                 // -1 for the goal frames
    uint8_t frei_280[12];
};

// The live record of one game. Fields are named after their byte positions in the image
// (Spielfeld_Record_Schreiben); frei_N keeps unnamed bytes from position N as they are.
// The event header at the record's start, read by the ticker.
struct Spielfeld_Record_Kopf {
    uint32_t code;                // Spielfeld_Ereignis
    uint16_t minute;
    uint16_t sekunden;
    int16_t zweiter;              // second player slot, -1 none
    uint8_t slot;
    uint8_t offen;                // 1 not yet shown
};

struct Spielfeld_Record {
    Spielfeld_Record_Kopf kopf;                     // 0 event header
    Spielfeld_Spieler spieler[SPIELFELD_SLOTS];     // 12 + 160 s
    uint8_t frei_5132[148];
    float ball_ziel_x, ball_ziel_y;                 // 5280
    uint8_t frei_5288[80];
    Spielfeld_Objekt objekt[SPIELFELD_OBJEKTE];     // 5368
    uint32_t team[2];                               // 20260 home, away
    uint8_t frei_20268[72];
    int32_t ballholer[2];                           // 20340
    uint32_t frame_zeit;                            // 20348 ms
    uint32_t situation;                             // 20352
    uint8_t letzte_beruehrung;                      // 20356
    int8_t ballhalter;                              // 20357 slot, -1 none
    int8_t voriger_halter;                          // 20358
    uint8_t abgeschlossen;                          // 20359
    int32_t bester_slot;                            // 20360
    int32_t naechster[2];                           // 20364 + 8 side
    float naechster_abstand[2];                     // 20380 + 8 side
    uint8_t frei_20368[4], frei_20376[4], frei_20384[4], frei_20392[4];
    float torlinien_abstand;                        // 20396
    uint32_t ball_zustand;                          // 20400
    uint32_t spiel;                                 // 20404 game number
    uint16_t minute;                                // 20408
    uint16_t sekunden;                              // 20410
    uint16_t einheiten;                             // 20412 steps of the running minute
    uint16_t waechter_ms;                           // 20414 pitch time of a restart or a shoot-out kick
    uint32_t periode;                               // 20416
    uint8_t frei_20420[8];
    int32_t tor_x[2], tor_y[2];                     // 20428, 20436
    float zweiter_abstand;                          // 20444
    float verteidiger_x, verteidiger_y;             // 20448
    uint8_t frei_20456[12];
    int32_t verteidiger_slot;                       // 20468
    float foul_x, foul_y;                           // 20472
    uint8_t tor_pause;                              // 20480
    uint8_t gefoulte_seite;                         // 20481
    int8_t foul_taeter;                             // 20482
    int8_t gefoulter;                               // 20483
    uint8_t schwalbe;                               // 20484
    uint8_t pfiffe;                                 // 20485 added time
    uint8_t schiri_wert[2];                         // 20486
    uint32_t schiedsrichter;                        // 20488
    int32_t passempfaenger;                         // 20492
    uint8_t frei_20496[4];
    int32_t schuetze_bestimmt;                      // 20500
    int32_t zweiter_bestimmt;                       // 20504
    int32_t letzter_schuetze;                       // 20508
    int32_t letzter_passgeber;                      // 20512
    int32_t schuetzen_slot;                         // 20516
    uint8_t b_20520[2];
    uint8_t b_20522;
    uint8_t vorteil;                                // 20523
    uint8_t foul_countdown;                         // 20524
    uint8_t seiten_getauscht;                       // 20525
    uint8_t standard_aufgebaut;                     // 20526
    uint8_t nach_standard;                          // 20527
    uint8_t strafstoss;                             // 20528 Strafstoss_Stand
    uint8_t schuss_offen;                           // 20529
    uint8_t b_20530;
    uint8_t extra_tor;                              // 20531
    uint8_t torwart_hat_ball;                       // 20532
    uint8_t annaeherung[SPIELFELD_SLOTS];           // 20533
    uint8_t frei_20565;
    uint8_t spielende;                              // 20566 1 last minute, 2 ended
    uint8_t halbzeiten;                             // 20567
    uint8_t elfmeter_schuss;                        // 20568
    uint8_t countdown;                              // 20569
    uint8_t freistoss_variante;                     // 20570
    uint8_t tore[2];                                // 20571
    uint8_t anzeige;                                // 20573 1 shown, 2 ticker
    uint8_t schliess_verzoegerung;                  // 20574
    uint8_t halter_nah;                             // 20575
    uint8_t kontakt_countdown[2];                   // 20576
    uint8_t torart[3];                              // 20578
    uint8_t frei_20581[3];
    uint32_t freistoss_schuetze[2];                 // 20584
    uint32_t elfmeter_schuetze[2];                  // 20592
    uint32_t ecken_schuetze[2];                     // 20600
    uint8_t freistoss_offen, elfmeter_offen, ecke_offen, standard_seite;  // 20608
    int32_t letzter_platzverweis;                   // 20612
    uint8_t frei_20616[8];
    float kamera_ziel[3];                           // 20624
    int32_t ansicht_x, ansicht_y;                   // 20636
    int32_t gespiegelt;                             // 20644
    uint8_t frei_20648[4];
    int8_t beschriftung;                            // 20652
    uint8_t frei_20653[2];
    uint8_t anstoss_zufall;                         // 20655
    uint8_t frei_20656[288];
    float boden_faktor;                             // 20944
    uint8_t palette[768];                           // 20948
    uint8_t frei_21716[4];
    uint8_t zweiter_betreuer[2];                    // 21720
    uint8_t assistent[2];                           // 21722
    uint8_t einsatz[2];                             // 21724 0..100
    int8_t staerke[2];                              // 21726
    int32_t team_wert[2];                           // 21728
    uint8_t taktik[2][8];                           // 21736
    uint8_t taktik_werte[2][8];                     // 21752
    uint8_t aufstellung_wert[2];                    // 21768
    uint8_t b_21770, b_21771;
    int8_t einwechsel[2][7];                        // 21772, 255 empty
    int8_t auswechsel[2][7];                        // 21786
    uint8_t aktiv;                                  // 21800 played on the pitch
    uint8_t aktions_objekt;                         // 21801
    uint8_t frei_21802[2];
    uint32_t seed;                                  // 21804 the record's own generator state
    int32_t ansicht_seed;                           // 21808
    uint8_t assistent_faehigkeit[2];                // 21812
    uint8_t kontakt_reihenfolge;                    // 21814
    uint8_t frei_21815[9];
    float tempo_faktor;                             // 21824
    int32_t angriffslinie_x;                        // 21828
    uint8_t wechsel_uebrig[2];                      // 21832
    int8_t laufende_spieler;                        // 21834
    uint8_t schwalben[2];                           // 21835
    uint8_t rot[2];                                 // 21837
    uint8_t gelb_rot[2];                            // 21839
    uint8_t gelb[2];                                // 21841
    uint8_t ecken[2];                               // 21843
    uint8_t freistoesse[2];                         // 21845
    uint8_t fouls[2];                               // 21847
    uint8_t wechsel[2];                             // 21849
    uint8_t elfmeter[2];                            // 21851
    uint8_t statistik[SPIELFELD_SLOTS][8];          // 21853 per player
    uint8_t neuer_kopf;                             // 22109
    uint8_t frei_22110;
    uint8_t aktions_sperre;                         // 22111
    uint8_t platz_art;                              // 22112 0..4
    uint8_t platz_variante;                         // 22113
    uint8_t wetter;                                 // 22114
    uint8_t frei_22115[93];
    int32_t zuschauer_reaktion[2];                  // 22208
    int32_t zuschauer_stimmung[2];                  // 22216
    uint8_t frei_22224[450];
    uint8_t netz_seite[2];                          // 22674
    uint8_t frei_22676[2];
    uint8_t sync_standard[2];                       // 22678
    uint8_t frei_22680[68];
    uint8_t sync_ecke;                              // 22748
    uint8_t frei_22749[3];
    uint8_t anweisungen[292];                       // 22752 change block
    uint8_t netz_einwechsel[2][7];                  // 23044
    uint8_t netz_auswechsel[2][7];                  // 23058
    uint8_t frei_23072[1902];
    uint8_t b_24974[2];
    uint8_t frei_24976[17];
    uint8_t b_24993;
    uint8_t frei_24994[10];
    uint8_t ansprache[2];                           // 25004 0..4
    uint8_t frei_25006[2];
    int32_t kamera[3];                              // 25008
    uint8_t im_fenster;                             // 25020
    uint8_t anim_remap;                             // 25021
    uint8_t gezeichnet;                             // 25022
    int8_t antwortkurve[2][38];                     // 25023
    uint8_t ansprache_druecke[2][10];               // 25099
    uint8_t frei_25119;
    // Not in the image: each side's pending change, saved after it (matchview/spielszenen_taktik.h).
    uint8_t aenderung[2][SPIELFELD_AENDERUNG_BYTES];
};

// The record as its saved image and back (exactly SPIELFELD_RECORD_BYTES, little-endian).
void Spielfeld_Record_Schreiben(const Spielfeld_Record& r, uint8_t* bild);
void Spielfeld_Record_Lesen(const uint8_t* bild, Spielfeld_Record& r);

// The match day's control block; cleared by Spielfeld_Init.
struct Spielfeld_Steuerung_Block {
    Tabelle_Datensatz* puffer;       // handed to the live view and the overview
    uint8_t taste;                   // last key, 255 consumed
    uint8_t tor;                     // a goal was booked
    int32_t kamera_teiler;           // 35 when 0
    uint8_t pause;
    uint8_t spieltag_beendet;
    uint8_t uebersicht_verlassen;
    uint8_t kamera_glatt_aus;
    uint8_t standard;
    uint8_t ansicht_befehl;
    uint8_t schuetze_waehlen[3];     // free kick, penalty, corner
    uint8_t anweisungen_erlaubt;
};
extern Spielfeld_Steuerung_Block Spielfeld_Steuerung;
// The live records, keyed by game number.
extern Liste Spielfeld_Liste;
// Ball distance thresholds per side (saved with the block).
extern float Spielfeld_Schwellen[2];

// Creates the list and buffers, clears the control block; closes the overview. Again: ends first.
void Spielfeld_Init();
// Closes the overview, unloads the view, frees everything; nothing when not initialised.
void Spielfeld_DeInit();
bool Spielfeld_Ist_Initialisiert();
// The day's records in the list's order, at most `max`, as a walk of the record list with
// Liste_First_Element and Liste_Next_Element takes them, the list's cursor left where that walk
// leaves it; 0 before the store is set up.
int32_t Spielfeld_Records_In_Folge(Spielfeld_Record** out, int32_t max);
// Creates the live record of a game (mode 0 background, 1 shown, 2 pitch without window;
// `angezeigt` games shown so far; the fill of each of the venue's six stands in percent, may be
// null; venue club; whether the competition has a human manager's club). A game in the
// background that no human manager's club plays gets only what its drawn events read. False
// when refused (200 records, no game, not initialised, a record exists).
bool Spielfeld_Record_Anlegen(int32_t spiel, int32_t modus, int32_t angezeigt, const int32_t* pro_tribuene,
                              int32_t spielort, int32_t mit_manager);
// Takes a game's record from its saved image (as the server sends it), over the game's record
// or as a new one, without filling one first. False when refused (not initialised, 200 records,
// no game, the image belongs to another game).
bool Spielfeld_Record_Uebernehmen(int32_t spiel, const uint8_t* bild);
// The whole fill of a record for the pitch: players, objects, surroundings and stands.
struct Spiele_Spiel;
void Spielfeld_Record_Fuellen(Spielfeld_Record* r, const Spiele_Spiel* sp, int32_t spiel, int32_t modus,
                              const int32_t* pro_tribuene = nullptr);
// The strength balance of a filled record: from the strength bytes and club values of both
// sides the strength bytes the background draws and the pitch play with (0..99).
void Spielfeld_Staerke_Ausgleichen(Spielfeld_Record& r);
// Sets the display state; false when not initialised or the game has no record.
bool Spielfeld_Set_Anzeige(int32_t spiel, uint8_t wert);
// The match options before kick-off: the speed from the duration option 0..9 and whether the
// manager chooses the free-kick, penalty and corner takers.
void Spielfeld_Spieloptionen(int32_t tempo_option, uint8_t freistoss, uint8_t elfmeter, uint8_t ecke);
// The frame step of all live records: the clock units this frame consumed. Of its arguments it
// reads the day's minute only (sekunden, a, b and flag are the old interface's, and stopp is left
// as it is): the match day passes no seconds, which would cost it a division every frame.
float Spielfeld_Run(int32_t minute, int32_t sekunden, int32_t a, int32_t b, uint8_t* stopp, uint8_t flag);
// The minute sync holds the clock (-1.0 from the frame step); the skip flag ends the minute at once.
void Spielfeld_Set_Halten(uint8_t an);
void Spielfeld_Set_Ueberspringen(uint8_t an);
// Kicks off a half of the game on the pitch (spaetere_halbzeit 1 for every half after the first).
void Spielfeld_Anpfiff(int32_t spiel, int32_t spaetere_halbzeit);
// The same on a record, drawing on the running generator (the fill runs it at creation).
void Spielfeld_Anpfiff_Record(Spielfeld_Record* r, int32_t spaetere_halbzeit);
void Spielfeld_Halbzeit_Beenden(int32_t spiel);
// The pitch is done with the game (-1: nothing).
void Spielfeld_Spiel_Beenden(int32_t spiel);
void Spielfeld_Halbzeit_Zaehlen(int32_t spiel);
// After-game figures of one side of a game without an active record.
void Spielfeld_Nach_Spiel_Seite(int32_t team);
// Marks the day finished for the view; false when not initialised.
bool Spielfeld_Spieltag_Beendet_Setzen();
// Active, running, not closed games with a human manager's club: their numbers, at most max.
int32_t Spielfeld_Get_Laufende_Spiele(int32_t* spiele, int32_t max);
// The games for the view windows (only shown ones with the flag); 0 when none is shown.
int32_t Spielfeld_Get_Angezeigte_Spiele(int32_t* spiele, int32_t max, bool nur_angezeigte);
// The live record of a game, null without one.
Spielfeld_Record* Spielfeld_Get_Spiel(int32_t spiel);
// A player's mark in tenths, 10 best to 60 worst; -1 for none (empty slot, under 20 minutes on).
int32_t Spielfeld_Get_Spielernote(const Spielfeld_Record* r, int32_t slot);

// After the game, each listed player's history: the minutes he played and his mark (1 best to 6
// worst; 4 when too short on the pitch to be marked) as one match, his appearance when he began;
// a player on the list who never came on gets a match of 0 minutes.
// Given `merken`, the marks it worked out for the record's slots are kept there too.
struct Spielfeld_Tagesnoten;
void Spielfeld_Statistik_Nach_Spiel(const Spielfeld_Record* r, Spielfeld_Tagesnoten* merken = nullptr);

// The marks of a day's games as their statistics found them, by record: the team of the day takes
// them instead of working them out once more. Only for records whose marks nothing moves between
// the two (a game off the pitch: the day's evaluation touches neither its record, its events nor
// its players' places after its statistics).
struct Spielfeld_Tagesnoten {
    struct Spiel {
        const Spielfeld_Record* record;
        int8_t note[SPIELFELD_SLOTS];  // -1 none
    };
    std::vector<Spiel> spiele;
    // The record's marks, null when they were not kept.
    const int8_t* noten_von(const Spielfeld_Record* r) const
    {
        for (const Spiel& s : spiele)
            if (s.record == r) return s.note;
        return nullptr;
    }
};

// The team of the day of one competition (136 bytes a record; competition -1 free). Slot 0 the
// keeper, 1-3 defence, 4-7 midfield, 8-10 attack; -1 where the day had nobody for the place.
struct Spielfeld_Nominierung {
    int32_t wettbewerb;
    int32_t spieler[11];
    int32_t team[11];
    uint8_t frei_92[44];
};
static_assert(sizeof(Spielfeld_Nominierung) == 136);
constexpr int32_t SPIELFELD_MAX_NOMINIERUNGEN = 128;
// The competition event counter that counts a player's nominations.
constexpr int32_t SPIELFELD_NOMINIERUNGS_ZAEHLER = 7;
// Nominates each of today's competitions' team of the day from the marks, counts the
// nominations and shows the page where the competition asks for it.
// Marks kept in `noten` are taken from there.
void Spielfeld_Nominierungen_Eintragen(const Spielfeld_Tagesnoten* noten = nullptr);
// Today's nominations (they live until the next match day's evaluation).
const Spielfeld_Nominierung* Spielfeld_Get_Nominierungen(int32_t* anzahl);
// The live view's graphics are loaded (only while the module is initialised).
bool Spielfeld_Ansicht_Geladen();
// Closes the overview and unloads the live view when it is loaded.
void Spielfeld_Ansicht_Freigeben();
// Prepares the animation table once.
void Spielfeld_Animationen_Vorberechnen();
// The display buffer's replay-running flag.
uint8_t Spielfeld_Replay_Flag();
// The display buffer itself (85,612 bytes; the live view's replay reads and writes it), null
// while the module is not initialised. It is allocated, zeroed, on the first call of a day.
uint8_t* Spielfeld_Replay_Puffer();
// After-match evaluation of all live records.
void Spielfeld_Nach_Spiel_Auswerten();
// Bonus or fine of one side after the match (factor multiplies the amounts).
void Spielfeld_Praemie_Strafe_Auszahlen(Spielfeld_Record* r, int32_t seite, int32_t faktor);

// The savegame block (version, flags, thresholds, records packed).
bool Spielfeld_Speichern(Disk_Datei* datei);
bool Spielfeld_Laden(Disk_Datei* datei, const char* version);
// Registers the block and the release slot.
void Spielfeld_Disk_Registrieren();

// Run-length packer (format atop spielfeld_packer.cpp): packed length, or -1 when the
// destination is too short or the length passes 16 MB.
int32_t Spielfeld_Speicher_Packen(const void* quelle, void* ziel, uint32_t laenge, uint32_t kapazitaet);
// Unpacked length, or -1 for a damaged stream or a destination too short.
int32_t Spielfeld_Speicher_Entpacken(void* ziel, uint32_t kapazitaet, const void* quelle, uint32_t quell_laenge);

// Strain check of a player before a match (age, match fatigue); may injure him.
void Spielfeld_Belastung_Pruefen_Voll(int32_t team, int32_t spieler, int32_t alter, int32_t erschoepfung, int32_t zwingen);
// The same, run for every player of every club each day: most carry no match exhaustion, and for
// such a player read in his own record (not on a client) the check takes nothing off and only
// steps the sequence when it is unforced, here in the caller.
inline void Spielfeld_Belastung_Pruefen(int32_t team, int32_t spieler, int32_t alter, int32_t erschoepfung, int32_t zwingen)
{
    if (erschoepfung == 0 && Netz_Rolle != 1 && Spieler_Daten && spieler >= 0 && spieler < Spieler_Anzahl) {
        if (!(zwingen & 0xFF)) Zufall(0, 0);
        return;
    }
    Spielfeld_Belastung_Pruefen_Voll(team, spieler, alter, erschoepfung, zwingen);
}
// Raises a player's attribute (field id) by `um` as a match does, with the news of a new
// attribute when it passes 75.
void Spielfeld_Attribut_Erhoehen(int32_t team, int32_t spnr, int32_t feld, int32_t um);

// The pending change of a side: the live view's change block, applied from the minute in its
// first bytes (Spielfeld_Anweisungen_Vormerken, matchview/spielszenen_taktik.h).
void Spielfeld_Anweisungen_Einreihen(Spielfeld_Record* r, int32_t seite, const uint8_t* block);
// Network play: the frame step calls Spielfeld_Minute_Ende when a networked record ends minute m,
// right after the change block's take (this PC's sides get bit m and the peers are told), and
// holds the record (-1.0) while Spielfeld_Netz_Wartet: no unit of the next minute is played
// before every side that is not out has played minute m (match/spielfeld_netz.h).
void Spielfeld_Minute_Ende(Spielfeld_Record* r, int32_t minute);
bool Spielfeld_Netz_Wartet(const Spielfeld_Record* r);
// The set-piece decision pass of a networked record: the taker chosen on the PC whose club takes a
// corner, a penalty or a free kick near the goal goes to the other PCs, which take it here
// before the pass fills the designated taker (match/spielfeld_netz.h).
void Spielfeld_Netz_Standard(Spielfeld_Record* r);
// A networked record whose half is over rests until its next kick-off: the PCs kick off at
// different times (a client has only its own game to wait for), and every step taken in the
// break would draw on the game's sequence, so the halves after it would differ.
bool Spielfeld_Netz_Ruht(const Spielfeld_Record* r);
// Whether the record is played on more than this PC: a participant holds a side (on the server)
// or it is this client's own club's game. The records of a lone PC never are, whatever its role.
bool Spielfeld_Netz_Vernetzt(const Spielfeld_Record* r);
// This PC's pitch stood still for ms (paused by its manager): not counted against its minute.
void Spielfeld_Netz_Angehalten(uint32_t ms);
// The stored taker choice of a side for a set-piece kind (0 penalty, 1 free kick, 2 corner).
uint32_t& Spielfeld_Gewaehlter_Schuetze(Spielfeld_Record* r, int32_t art, int32_t seite);
