// The live match view: the loaded scene, the windows' layout and commands, the per-frame run,
// the sprite blitters and figures, the score panel, ticker line and event ticker, and the
// action replay. Window thread only.
#pragma once
#include <cstdint>

#include "matchview/live/spielszenen_grafik.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/live/spielszenen_szenerie.h"

struct Disk_Datei;
struct Rastport;
struct Rle_Sprite;
struct Spielfeld_Record;
struct Spielfeld_Steuerung_Block;
struct Spiele_Ereignis_Info;

// ---- the scene's graphics and sounds (loaded from the main resource file) ----
struct Spielszenen_Grafik_Daten {
    Rle_Sprite** animation[123][8];  // per code and direction: the frames
    int32_t bilder[123][8];          // frames loaded
    Rle_Sprite** tor_halb[SZ_TOR_ANIMATIONEN];
    int32_t tor_halb_bilder[SZ_TOR_ANIMATIONEN];
    Rle_Sprite* bild[SZ_BILDER];     // the picture array
    Rle_Sprite** zuschauer[SZ_ZUSCHAUER_REIHEN];  // the fans' rows: frames facing by facing
    int32_t zuschauer_bilder[SZ_ZUSCHAUER_REIHEN];  // frames loaded (all facings)
    Rle_Sprite* ueberlagerung[8];    // seat backs of the two-tier stands
    Rastport* fest[SZ_FESTBILDER];   // side panel and panel sheets
    Rastport* kopf[6];               // score panel bases
    Rastport* rahmen;                // frame picture of the current style
    int32_t rahmen_stil;             // -1 none loaded
    uint8_t palette[768];
};
extern Spielszenen_Grafik_Daten Spielszenen_Grafik;
// A sprite of the picture array by resource number; null when not loaded or not in the array.
Rle_Sprite* Spielszenen_Bild(int32_t id);

// One scene sound (35 rows; 0-16 loaded with the scene, 17-34 the crowd's).
struct Spielszenen_Sound_Eintrag {
    int32_t resource;
    int32_t lautstaerke;    // hundredths of a decibel
    int32_t schleife;
    uint32_t start;         // ms, set when a continuous sound starts
    int32_t daempfung;      // fade attenuation
    uint8_t dauernd;
    uint8_t spielt;
    int32_t sample;         // sound layer handle, -1 none
    const char* name;
};
constexpr int32_t SPIELSZENEN_SOUNDS = 35;
extern Spielszenen_Sound_Eintrag Spielszenen_Sound[SPIELSZENEN_SOUNDS];

// The loaded flag (1 while the scene is up).
bool Spielszenen_Ist_Geladen();
// The savegame block: u32 loaded flag; when 1, per window 7 u32 (game, x, y, width, height,
// size level, background resource). 4 or 116 bytes.
bool Spielszenen_Speichern(Disk_Datei* datei);
bool Spielszenen_Laden(Disk_Datei* datei, const char* version);
void Spielszenen_Disk_Registrieren();
// The block's bytes: write into out (116 bytes room); the count written.
uint32_t Spielszenen_Block_Schreiben(uint8_t* out);
// Checks the whole block first; false for a bad one, nothing changed.
bool Spielszenen_Block_Lesen(const uint8_t* daten, uint32_t laenge);
// The per-frame fade of continuous crowd sounds, at the given time.
void Spielszenen_Sounds_Ausblenden();
void Spielszenen_Sounds_Ausblenden_Bei(uint32_t jetzt);

// ---- view mode, commands, globals ----
extern int32_t Spielszenen_Fenster_Befehl;   // 1-3 choose a game, 4 enlarge, 5 shrink or close
extern int32_t Spielszenen_Ansicht_Befehl;   // 1-12 (see Spielszenen_Run)
extern int32_t Spielszenen_Panel_Befehl;     // 1 close the tactics panel everywhere
extern int32_t Spielszenen_Schirm_Befehl;    // 0 line-up screen, 2 player menu
extern int32_t Spielszenen_Schirm_Slot, Spielszenen_Schirm_Seite;
extern int32_t Spielszenen_Aufteilung;       // layout mode 0-4
extern uint8_t Spielszenen_Alles_Zeichnen;   // compose the whole screen again
extern uint8_t Spielszenen_Maus_Genommen, Spielszenen_Maus_Genommen_Vorher;
extern uint8_t Spielszenen_Blink_Schnell, Spielszenen_Blink_Normal;
extern int32_t Spielszenen_Zeiger_Form;
// The pointer image of the frame's shape (the program's pointer images, numbered as the shapes),
// chosen once the frame is drawn; the shape before the view is given back when the scene goes.
void Spielszenen_Zeiger_Waehlen();
void Spielszenen_Zeiger_Zuruecksetzen();
// The shape chosen last, -1 while the view has chosen none.
int32_t Spielszenen_Zeiger_Gewaehlt();
// Draws pointer image `form` at the mouse into the page, keeping what it covers; Loeschen puts
// that back. The view's page goes to the screen between the two.
void Spielszenen_Zeiger_Zeichnen(Rastport* seite, int32_t form);
void Spielszenen_Zeiger_Loeschen(Rastport* seite);
extern int32_t Spielszenen_Schwebe_Index;

// ---- windows ----
void Spielszenen_Fenster_Verteilen(Spielfeld_Record** records, int32_t anzahl);
int32_t Spielszenen_Fenster_Records_Holen();
void Spielszenen_Fenster_Rechteck_Setzen(int32_t i);
void Spielszenen_Aufteilung_Berechnen();
void Spielszenen_Fenster_Vergroessern(int32_t i);
void Spielszenen_Fenster_Verkleinern(int32_t i);
void Spielszenen_Sichtbarkeit_Setzen();
void Spielszenen_Sichtbarkeit_Pruefen();
void Spielszenen_Fenster_Einrichten();
int32_t Spielszenen_Fenster_Zeichnen(Rastport* ziel, int32_t optionen);
// A left click inside a visible inactive window makes it the only active one; 1 when it did.
int32_t Spielszenen_Klick_Aktivieren();
int32_t Spielszenen_Klick_Aktivieren_Bei(int32_t mx, int32_t my, int32_t tasten);
void Spielszenen_Rahmen_Laden();
// Frees the narrow pieces the view keeps of the frame picture (with the picture).
void Spielszenen_Rahmen_Streifen_Freigeben();
int32_t Spielszenen_Rahmen_Stil();
void Spielszenen_Blinken_Record(const Spielfeld_Record* r);
int32_t Spielszenen_Aktives_Fenster();
Spielfeld_Record* Spielszenen_Get_Aktives_Spiel();
void Spielszenen_Ticker_Setzen_Alle(Spielfeld_Record* r, const char* text);
void Spielszenen_Eigene_Seite_Loeschen(Spielfeld_Steuerung_Block* st, Spielfeld_Record* r);
// Test hook: the game a chooser returns for window command 1-3 (-1 keeps the window's game).
using Spielszenen_Spielwahl_Hook = int32_t (*)(int32_t befehl, int32_t aktuelles_spiel);
void Spielszenen_Set_Spielwahl_Hook(Spielszenen_Spielwahl_Hook hook);
// Test hook: looks a window's record up in place of the live list (empty: Spielfeld_Get_Spiel).
using Spielszenen_Record_Hook = Spielfeld_Record* (*)(int32_t spiel);
void Spielszenen_Set_Record_Hook(Spielszenen_Record_Hook hook);
// Shows the window's game from the side given: the pitch picture of that side loaded when it
// differs from the window's, the record's mirror flag stored, the stadium placed again.
void Spielszenen_Seitenwechsel_Setzen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t gespiegelt);
// The score panel picture of a window, rebuilt (crests and names).
void Spielszenen_Kopfzeile_Erzeugen(Spielszenen_Fenster* f);

// ---- blitters (positions on the full-size pitch picture) ----
// They keep the scene's sprites decoded; emptied before the scene's sprites are given back.
void Spielszenen_Sprite_Vorrat_Leeren();
void Spielszenen_Sprite_Zeichnen(Rle_Sprite* s, const Spielszenen_Fenster* f, int32_t x, int32_t y);
// 8-bit sprites through a 256-colour table, at full size or at half size.
void Spielszenen_Sprite_Farbe_Zeichnen(Rle_Sprite* s, const Spielszenen_Fenster* f, const uint16_t* farben, int32_t x,
                                       int32_t y);
void Spielszenen_Sprite_Farbe_Halb(Rle_Sprite* s, const Spielszenen_Fenster* f, const uint16_t* farben, int32_t x, int32_t y);
void Spielszenen_Figur_Blit(Rle_Sprite* s, int32_t x, int32_t y, int32_t tabelle, const Spielszenen_Fenster* f);
void Spielszenen_Objekt_Blit(Rle_Sprite* s, int32_t x, int32_t y, const Spielszenen_Fenster* f);
void Spielszenen_Zeichen_Blit(const Spielszenen_Fenster* f, Rle_Sprite* s, int32_t x, int32_t y);

// ---- figures ----
void Spielszenen_Figuren_Zeichnen(Spielfeld_Record* r, const Spielfeld_Steuerung_Block* st, Spielszenen_Fenster* f);
void Spielszenen_Spieler_Markierung(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t slot,
                                    const Spielfeld_Steuerung_Block* st);
void Spielszenen_Kraftbalken_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t slot);
void Spielszenen_Animation_Ton(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t objekt);
void Spielszenen_Animation_Spiegeln(Spielfeld_Record* r, int32_t objekt);
int32_t Spielszenen_Animation_Ebene(int32_t code);
// The ring picture index (0-4) of marker bits, -1 none; bit 1 ranks highest.
int32_t Spielszenen_Ring_Index(uint8_t bits);
// The object order the last Spielszenen_Figuren_Zeichnen drew (tests); the count.
int32_t Spielszenen_Zeichenfolge(int32_t* objekte, int32_t max);
// Sprite chosen for an object this frame (tests): code, frame, direction of the last draw.
void Spielszenen_Figur_Wahl(int32_t fenster, int32_t objekt, int32_t* code, int32_t* bild, int32_t* richtung);

// ---- score panel, ticker line, event ticker ----
int32_t Spielszenen_Spielstand_Zeichnen(Rastport* seite, Spielszenen_Fenster* f);
// The score line's text of a window (for tests and the panel).
void Spielszenen_Spielstand_Text(const Spielszenen_Fenster* f, uint32_t zuschauer, char* out, uint32_t groesse);
void Spielszenen_Kasten_Abdunkeln(const Spielszenen_Fenster* f, int32_t x, int32_t y, int32_t w, int32_t h);
// The body of a floating panel (table, events list, taker choice): opaque, so that panels laid
// over each other and over the play each stay readable.
void Spielszenen_Kasten_Decken(int32_t x, int32_t y, int32_t w, int32_t h);
uint16_t Spielszenen_Panel_Farbe();
// The text in out (groesse bytes), cut at its end until it is at most `breite` pixels wide in the
// font of that slot (7 pixels a character while the font is not loaded); its width. A bold run
// cut off is closed; the font's bold state stays as it was.
int32_t Spielszenen_Text_Kuerzen(char* out, uint32_t groesse, const char* text, int32_t font, int32_t breite);
// A panel's title of a club's name and a rest (", ... wählen"), `platz` pixels at most: in the
// font `gross`, else in `klein`, and where even that is too wide the name is cut. The font is
// returned, the name to print goes to `name`.
int32_t Spielszenen_Titel_Verein(char* name, uint32_t groesse, const char* verein, const char* rest, int32_t gross, int32_t klein,
                                 int32_t platz);
// The width a club's name may take in the header of a window of that size level (its small
// font is the narrowest there is): what lies between its crest and the clock or the spectators.
int32_t Spielszenen_Kopf_Breite(int32_t groesse);
void Spielszenen_Fenster_Ticker_Setzen(Spielszenen_Fenster* f, const char* text);
void Spielszenen_Fenster_Ticker_Loeschen(Spielszenen_Fenster* f);
void Spielszenen_Ticker_Zeichnen(Spielszenen_Fenster* f);
// While the window's game stands still at the end of a half or of the match and the day's other
// games still play on, its ticker line says so (once an event's line has had its seconds): the
// pitch is empty but for the referee, and the clock stands, until the day goes on or ends.
inline constexpr const char* SPIELSZENEN_WARTE_TEXT = "Die anderen Spiele laufen noch...";
void Spielszenen_Warte_Hinweis(Spielszenen_Fenster* f, const Spielfeld_Steuerung_Block* st);
// The ticker's lines as drawn: 0 hidden, 1 or 2; the line texts (256 bytes each).
int32_t Spielszenen_Ticker_Zeilen(const Spielszenen_Fenster* f, char* eins, char* zwei);
int32_t Spielszenen_Ereignis_Ticker(Spielszenen_Fenster* f);
const char* Spielszenen_Ticker_Puffer();

// ---- labels, signs and the icon bar ----
// A back number's picture: the value modulo 100, 0 when negative.
int32_t Spielszenen_Rueckennummer(int32_t wert);
// Prints a formatted text at a pitch-picture position of the window; only when it lies wholly
// inside the window (1 drawn, 0 not).
int32_t Spielszenen_Text_Im_Feld(const Spielszenen_Fenster* f, int32_t font, const char* format, int32_t x, int32_t y, ...);
void Spielszenen_Spieler_Beschriften(const Spielszenen_Fenster* f, const Spielfeld_Record* r, int32_t slot);
// The same for a slot with a player; the label's baseline in the window's pitch pixels: a label
// that would run into one written since the window's numbers moves up above it.
int32_t Spielszenen_Spieler_Beschriften_Bei(const Spielszenen_Fenster* f, const Spielfeld_Record* r, int32_t slot);
// Numbers and labels by the record's label setting, then the ball's and the highlighted players'.
void Spielszenen_Nummern_Zeichnen(const Spielszenen_Fenster* f, const Spielfeld_Record* r);
void Spielszenen_Spieler_Zeichen(const Spielszenen_Fenster* f, const Spielfeld_Record* r);
void Spielszenen_Seiten_Zeichen(Rastport* seite, const Spielszenen_Fenster* f, const Spielfeld_Record* r);
void Spielszenen_Status_Zeichen(Rastport* seite, const Spielszenen_Fenster* f, const Spielfeld_Steuerung_Block* st, int32_t replay);
// Icons a network role leaves inert (a client's 8-11, a server with its own manager's 8-10).
bool Spielszenen_Knopf_Gesperrt(int32_t knopf);
// The icon bar: pressed states, the highlight under the mouse, one command per press.
void Spielszenen_Knopfleiste_Zeichnen(Rastport* seite, const Spielfeld_Steuerung_Block* st, int32_t replay);
void Spielszenen_Knopfleiste_Bei(Rastport* seite, const Spielfeld_Steuerung_Block* st, int32_t replay, int32_t mx, int32_t my,
                                 int32_t tasten);

// ---- the taker of a set piece ----
// Panel position (100, 100 at start; survives between set pieces).
constexpr uint32_t SPIELSZENEN_SCHUETZE_WARTEN_MS = 10000;
extern int32_t Spielszenen_Schuetze_X, Spielszenen_Schuetze_Y;
// Minimum, maximum and range (at least 1) over the side's players on the pitch of strength and
// the bytes free kick, penalty, corner, nerves.
struct Spielszenen_Schuetzen_Spanne {
    int32_t minimum[5], maximum[5], spanne[5];
};
// The panel's kind: 0 penalty, 1 free kick, 2 corner (a free kick before a penalty before a
// corner), -1 none pending.
int32_t Spielszenen_Standard_Art(const Spielfeld_Record* r);
// The side's players on the pitch as the panel lists them, by position group; their count.
int32_t Spielszenen_Schuetzen_Zeilen(const Spielfeld_Record* r, int32_t seite, int32_t* slots);
void Spielszenen_Schuetzen_Spannen(const Spielfeld_Record* r, int32_t seite, Spielszenen_Schuetzen_Spanne* sp);
// A row's colour: red under the mouse, grey for a flagged player, yellow for the chosen taker.
int32_t Spielszenen_Schuetze_Farbe(Spielfeld_Record* r, int32_t slot, int32_t art, bool unter_maus);
// The per-frame check of the window: opens the panel for a set piece of the own side (at once
// with the option or in network play, else after a left press has ended). Nothing with flag.
// An open panel closes by itself once nothing of the own side is pending, and after
// SPIELSZENEN_SCHUETZE_WARTEN_MS without a choice (the taker stored before kicks): a manager
// who never clicks holds no match, a shoot-out's neither.
void Spielszenen_Standard_Pruefen(Spielszenen_Fenster* f, Spielfeld_Steuerung_Block* st, int32_t flag);
// The same at the program time jetzt (ms).
void Spielszenen_Standard_Pruefen_Um(Spielszenen_Fenster* f, Spielfeld_Steuerung_Block* st, int32_t flag, uint32_t jetzt);
// Draws the open panel; a left press on a row stores the taker, lifts the pause and clears the
// pending set pieces. The chosen slot or -1.
int32_t Spielszenen_Schuetze_Waehlen(Spielszenen_Fenster* f, Spielfeld_Steuerung_Block* st, int32_t flag);
int32_t Spielszenen_Schuetze_Waehlen_Bei(Rastport* seite, Spielszenen_Fenster* f, Spielfeld_Steuerung_Block* st, int32_t flag,
                                         int32_t mx, int32_t my, int32_t tasten);
void Spielszenen_Schuetze_Freigeben();

// ---- events list and statistics lines ----
// Where the panels over the play first open, so that they do not cover each other: the table on
// the left, the events list on the right (its body's top left), both below the windows' headers;
// the tactics panel in the lower right corner.
constexpr int32_t SPIELSZENEN_PANEL_START_Y = 70, SPIELSZENEN_TABELLE_START_X = 12, SPIELSZENEN_EREIGNISLISTE_START_X = 606 - 292;
extern int32_t Spielszenen_Ereignisliste_X, Spielszenen_Ereignisliste_Y;
// The minute of a listed event: its number right-aligned at 68 and ".Minute" straight after
// it, so that the two read as one word ("4.Minute"), in the events list and on the match data page.
const char* Spielszenen_Minute_Text(int32_t minute);
// Where a card row's icon stands in the events list: left in the row, where a goal row shows the
// score, clear of the minute and the name.
constexpr int32_t SZ_KARTE_X = 10;
// One row of the list for a goal or card, counting the score on (heim, gast); *karte the card's
// picture or -1. 1 when written.
int32_t Spielszenen_Ereignis_Zeile(const Spiele_Ereignis_Info& e, int32_t* heim, int32_t* gast, char* out, uint32_t groesse,
                                   int32_t* karte);
// The list of the window's game: dragged by its head, closed by its foot's button; a list taller
// than the page shows its latest rows.
void Spielszenen_Ereignisliste_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r);
void Spielszenen_Ereignisliste_Bei(Rastport* seite, Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t mx, int32_t my,
                                   int32_t tasten);
void Spielszenen_Ereignisliste_Freigeben();
// A line for each marked player from window y + 54, 16 apart, down to the window's foot.
void Spielszenen_Spieler_Statistik_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r);
// Test hook: every text the list, the lines and the table panel print (x, y, text with codes).
using Spielszenen_Text_Hook = void (*)(int32_t x, int32_t y, const char* text);
void Spielszenen_Set_Text_Hook(Spielszenen_Text_Hook hook);
void Spielszenen_Text_Melden(int32_t x, int32_t y, const char* text);

// ---- table and results panel ----
struct Tabelle_Datensatz;
extern int32_t Spielszenen_Tabelle_X, Spielszenen_Tabelle_Y;
// A team's 12 x 12 crest on page 1 from the cache of 128 (a new team in a full cache empties it
// first); the slot used.
int32_t Spielszenen_Wappen_Klein_Zeichnen(int32_t team, int32_t x, int32_t y);
int32_t Spielszenen_Wappen_Belegt();
// Whether the table is fetched again at this minute (each fourth, or more than 4 since).
bool Spielszenen_Tabelle_Auffrischen(int32_t minute);
// The panel of the window with the table t (null or empty: the results) and the day's games
// (count first); a click on another running game's row switches the window. 1 when it drew
// the floating table.
int32_t Spielszenen_Tabelle_Bei(Rastport* seite, Spielszenen_Fenster* f, const Tabelle_Datensatz* t, const int32_t* tagesspiele,
                                int32_t mx, int32_t my, int32_t tasten);
void Spielszenen_Tabelle_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r);
void Spielszenen_Tabelle_Freigeben();
// Freed, unplaced and not refreshed (tests).
void Spielszenen_Tabelle_Zuruecksetzen();
// The live record of a game as the windows look it up.
Spielfeld_Record* Spielszenen_Record_Von(int32_t spiel);

// ---- the stadium of a game ----
constexpr int32_t SPIELSZENEN_BANDEN = 15;  // advertising slots of a record
// Fills the record's stand kinds and fills and board slots from the stadium's and the sponsors'
// answers (placeholders while they answer false; slot 14 is always the placeholder).
void Spielszenen_Stadion_Eintragen(Spielfeld_Record* r, int32_t zuschauer);
// Stand kind of section 0-5 (-1 open ground, also for a kind outside -1..6) and its fill in
// percent (0 for open ground).
int32_t Spielszenen_Tribuene_Art(const Spielfeld_Record* r, int32_t abschnitt);
int32_t Spielszenen_Tribuene_Fuellung(const Spielfeld_Record* r, int32_t abschnitt);
// The advertising picture of a board slot: 46 + v along the touchlines, 78 + v behind the goals
// (an empty slot shows board 2).
int32_t Spielszenen_Banden_Bild(const Spielfeld_Record* r, int32_t slot, bool hinter_tor);

// ---- choosing a window's game (window commands 1 start, 2 next, 3 previous) ----
struct Spielszenen_Spielwahl_Eintrag {
    int32_t spiel;
    int32_t wettbewerb;   // its competition's place in the day
    bool aktiv, geschlossen, angezeigt, eigen;
};
// The choice over the day's games in order: the start command takes this PC's own game, else the
// last shown, else the last active one; next and previous step through the active games that
// are not closed, wrapping round. -1 for none.
int32_t Spielszenen_Spielwahl(const Spielszenen_Spielwahl_Eintrag* e, int32_t n, int32_t befehl, int32_t spiel);
int32_t Spielszenen_Start_Spiel_Waehlen();
int32_t Spielszenen_Naechstes_Spiel(int32_t spiel);
int32_t Spielszenen_Voriges_Spiel(int32_t spiel);
// The scene loader's memory probe: 1 always.
int32_t Spielszenen_Speicher_Pruefen();

// ---- tactics panel (matchview/spielszenen_taktik.h holds the change block) ----
// Panel position on the page, -1 until first placed; shared by all windows.
extern int32_t Spielszenen_Taktik_Panel_X, Spielszenen_Taktik_Panel_Y;
// One frame of the panel for the window's own side: draws it and handles the mouse.
void Spielszenen_Taktik_Einstellungen_Zeichnen(Rastport* seite, Spielszenen_Fenster* f);
// The same with the mouse at (mx, my) and its buttons (1 left).
void Spielszenen_Taktik_Einstellungen_Bei(Rastport* seite, Spielszenen_Fenster* f, int32_t mx, int32_t my, int32_t tasten);
// Unplaced again, no click or drag pending (tests).
void Spielszenen_Taktik_Panel_Zuruecksetzen();

// ---- action replay ----
constexpr uint32_t SPIELSZENEN_REPLAY_BILD = 856;
constexpr uint32_t SPIELSZENEN_REPLAY_FLAG = 85608;  // in the display buffer: a replay runs
// A snapshot of the record's shown state into bytes (856) and back into a copy.
void Spielszenen_Replay_Packen(const Spielfeld_Record* r, uint8_t* bild);
void Spielszenen_Replay_Entpacken(const uint8_t* bild, Spielfeld_Record* r);
void Spielfeld_Replay_Starten(Spielfeld_Record* r);
void Spielfeld_Replay_Stoppen(Spielfeld_Record* r);
// The record the view draws this frame: during a replay a copy filled from the next snapshot.
Spielfeld_Record* Spielszenen_Replay_Record(Spielfeld_Record* r);
// Moves the replay on to its record's next snapshot (once a frame); ends it at the write index.
void Spielszenen_Replay_Weiter();
