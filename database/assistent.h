// Assistants and doctors of a club: who holds a task, how able he is, the doctors' daily
// treatment, the staff of a new manager, the module's periodic jobs and the clubs' squad planning.
// Computer clubs have no staff records: for them a capable assistant does everything.
//
// Staff blocks (team pointer fields 811 assistants, 812 doctors), slot i being row i of the
// fixed tables: 8 hired bytes, 8 bytes of months left, 8 u32 yearly costs (thousand DM), then per
// slot 6 task flags (assistants) or 11 specialty flags (doctors).
#pragma once
#include <cstdint>

constexpr int32_t ASSI_SLOTS = 8;
constexpr int32_t ASSI_AUFGABEN = 6;  // 0 line-up, 1 tactics, 2 training, 3 transfers, 4 advertising, 5 stadium
constexpr int32_t ARZT_FACHGEBIETE = 11;
constexpr int32_t ASSI_AUFGABE_TRANSFER = 3;
constexpr int32_t ASSI_OHNE_MANAGER = 6;  // the slot a computer club answers for every task
constexpr int32_t ASSI_BLOCK_BYTES = 96;
constexpr int32_t ARZT_BLOCK_BYTES = 136;
constexpr int32_t ASSI_OFFSET_MONATE = 8;
constexpr int32_t ASSI_OFFSET_KOSTEN = 16;
constexpr int32_t ASSI_OFFSET_AUFGABEN = 48;

struct Assistent_Daten {
    const char* name;
    const char* beschreibung;
    int32_t grundpreis;  // thousand DM a year
    uint8_t faehigkeit[ASSI_AUFGABEN];
};
struct Arzt_Daten {
    const char* name;
    const char* beschreibung;
    int32_t grundpreis;
    uint8_t wunder;  // chance in 10000
    uint8_t koennen[ARZT_FACHGEBIETE];
};
extern const Assistent_Daten Assistenten_Tabelle[ASSI_SLOTS];
extern const Arzt_Daten Aerzte_Tabelle[ASSI_SLOTS];

int32_t Assistent_Mit_Aufgabe(int32_t team, int32_t aufgabe);
// The manager takes task `aufgabe` back: no assistant of the club holds it any more.
void Personal_Assi_Aufgabe_Umschalten(int32_t team, int32_t aufgabe);
int32_t Assistent_Arzt_Mit_Fachgebiet(int32_t team, int32_t fachgebiet);
int32_t Assistent_Faehigkeit(int32_t team, int32_t slot, int32_t aufgabe);
int32_t Assistent_Arzt_Fuer_Verletzung(int32_t team, int32_t spnr, int32_t* fachgebiet);
// One day of an injured player's treatment: *tage is his days left, in and out.
void Assistenten_Verarzte_Spieler(int32_t team, int32_t spnr, int32_t* tage);
void Assistenten_Managerpersonal_Vorbelegen(int32_t team);
// The transfer assistant's money check of a bid of `betrag` DM.
bool Assis_Transfer_Finanzierbar(int32_t team, int32_t betrag, int32_t bewertung);

void Assi_Jeden_Tag();
void Assi_Jede_Woche();
void Assi_Jeden_Monat();
// The trainers' daily work of every club; it comes with the assistants' tactics.
void Assi_Trainer_Alle_Teams();
void Assi_Init();
void Assi_DeInit();
struct Disk_Datei;
bool Assi_Write_Bin_Block(Disk_Datei* datei);
bool Assi_Read_Bin_Block(Disk_Datei* datei, const char* version);

// --- squad planning on a coarse pitch of 9 rows (3 grid rows each) by 5 column bands ---
constexpr int32_t ASSI_GROB_ZEILEN = 9;
constexpr int32_t ASSI_GROB_BAENDER = 5;
constexpr int32_t ASSI_GROB_FELDER = ASSI_GROB_ZEILEN * ASSI_GROB_BAENDER;  // index band * 9 + row
constexpr int32_t ASSI_GROB_TORWART = 459;                                  // the row of the keepers

// The grid cells of the corners of a coarse cell.
void Assi_Grobfeld_Rechteck(int32_t zeile, int32_t band, int32_t* zelle_a, int32_t* zelle_b);
// Squad limits from the financial strength: selling above g / 17 + 17, buying up to g / 17 + 20.
int32_t Assi_Kader_Grenze(int32_t team);
int32_t Assi_Kader_Grenze_Kauf(int32_t team);
// A rectangle narrower than 3 rows or columns grows by the given rows and columns, clipped at 0.
void Assi_Rechteck_Vergroessern(int32_t zeilen, int32_t spalten, int32_t zelle_a, int32_t zelle_b, int32_t* aus_a,
                                int32_t* aus_b);
// Switches on search slot `slot` for a coarse cell (row ASSI_GROB_TORWART: a keeper).
void Assi_Suche_Slot_Setzen(int32_t team, int32_t zeile, int32_t band, int32_t slot);
// Lists one player of the 3 x 3 coarse cells from (zeile, band) (or a keeper) when the squad is
// above the selling limit; `bedarf` holds the value of each coarse cell for the pick.
void Assi_Spieler_Auf_Transferliste(int32_t team, const int8_t* bedarf, int32_t zeile, int32_t band);
// Compares the squad with the club's formation and plans: a search slot for the most needed
// coarse area, a listing from the most crowded one. True when it acted (switched a search slot on
// or went to the transfer list, and so may have drawn), false when it left the club as it was and
// drew nothing, so that the same state plans the same nothing again.
bool Assi_Suche_Analysiere_Grobes_Spielfeld(int32_t team);

// --- the line-up assistant's single steps ---

// Part of the team (0..4) of line-up slot `slot`, or, with slot -1, of position code `code`.
int32_t Assi_Position_In_Mannschaftsteil(int32_t slot, int32_t code, int32_t* aus);
// Players who cannot play (flags 0xFC0) leave the eleven and the bench and mark nobody.
void Assi_Aufstellung_Bereinigen(int32_t team);
// A club with a tactics assistant sets its tactic figure (the effort) near the computer clubs'
// effort, the nearer the abler he is; the match's weight `ziel` does not move it.
void Assi_Taktik_Wert_Setzen(int32_t team, int32_t ziel);
// Places a field player (a new one, or one without a place, on a free place) and gives him an
// area of play; an area under 2 rows or columns becomes the default area.
void Assi_Setze_Spieler_Raum(int32_t team, int32_t spnr, bool neu, bool behalten);
// The noise of one rating by an assistant of ability a, in percent: 90 + a / 10 .. 110 - a / 10.
int32_t Assi_Rauschfaktor(int32_t faehigkeit);
// How well a player suits a grid cell (0 or more).
int32_t Assi_Eignung_Berechnen(int32_t spnr, int32_t zelle);
// The assistant's line-up: flag bits 1 and 2 rebuild, 4 asks for a proposal even without a
// line-up assistant (as does `erzwingen`); `ideal` -1 takes the stored formation. The run has
// its own seed for the day and leaves the game's sequence where it stood.
void Assi_Mannschaftsaufstellung(int32_t team, int32_t gegner, int32_t flags, int32_t auswaerts, int32_t ziel,
                                 int32_t ideal, bool erzwingen);
// Test hook: sees every line-up run's arguments before it starts (null: none).
using Assi_Aufstellung_Beobachter = void (*)(int32_t team, int32_t gegner, int32_t flags, int32_t auswaerts,
                                             int32_t ziel, int32_t ideal, bool erzwingen);
void Assi_Mannschaftsaufstellung_Set_Beobachter(Assi_Aufstellung_Beobachter beobachter);
// A line-up run hands its squad's ratings to the next run when that one rates the same squad from
// the same draws (a club's two after-match line-ups). Forgetting them makes the next run rate
// afresh, as the first of a day does; the line-up is the same either way. Runs that took the
// ratings handed over, counted since the program started.
void Assi_Bewertung_Vergessen();
int64_t Assi_Bewertung_Geteilt();

// --- match preparation and tactics ---

// The match tactic (block 807, now and then the prepared block 808 too) for mode 0..4, or with
// mode -1 from the strength of the two clubs.
void Assis_Setze_Spiel_Taktik(int32_t team, int32_t gegner, int32_t auswaerts, int32_t modus);
// On the match day a club with a tactics assistant takes over the prepared tactic.
void Assi_Spieltag_Taktik_Uebernehmen(int32_t team);
// The prepared tactic (block 808) from the starting eleven's profile.
void Assis_Setze_Basis_Taktik(int32_t team);
// The 14 training weights (block 805) from the squad's training exhaustion.
void Assis_Setze_Training(int32_t team);
