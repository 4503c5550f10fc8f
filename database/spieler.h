// Players: three parallel record arrays (main, fixed, and the part a network client never needs)
// plus one flag byte per player, addressed by the player number spnr. Other modules reach them
// only through the accessors below.
#pragma once
#include <cstdint>

// Field ids of Spieler_Wert, Spieler_String and Spieler_Zeiger.
enum : int32_t {
    SP_NAME = 45, SP_VORNAME = 46, SP_GESICHT = 47, SP_FORMTENDENZ = 48, SP_ANGEBOTSWERT = 49,
    SP_ART = 50, SP_KO = 51, SP_IN = 52, SP_TE = 53, SP_NATION = 54, SP_GROESSE = 55, SP_ALTER = 56,
    SP_LIEBLINGSPOS = 57,
    SP_KRAFT = 58, SP_AUSDAUER = 59, SP_ZWEIKAMPF = 60, SP_UEBERSICHT = 61, SP_TAKT_VERST = 62,
    SP_TEAMGEIST = 63, SP_SPRITZIGKEIT = 64, SP_DRIBBLING = 65, SP_TORSCHUSS = 66,
    SP_FLANKEN = 67, SP_FREISTOSS = 68, SP_ELFMETER = 69, SP_ECKEN = 70, SP_KOPFBALLST = 71,
    SP_TORINSTINKT = 72, SP_ROBUSTHEIT = 73, SP_NERVENST = 74, SP_AGGRESSIV = 75,
    SP_VEREINSTREUE = 76, SP_ALLROUNDER = 77, SP_ERFAHRUNG = 78, SP_REFLEXE = 79,
    SP_HERAUSLAUFEN = 80, SP_STRAFRAUM = 81, SP_FORM = 82, SP_SPIEL_ERSCHOEPFUNG = 83,
    SP_VERLETZUNG_ZUSATZ = 84, SP_VERLETZUNG_ART = 85, SP_VERLETZUNG_TAGE = 86,
    SP_TRAININGS_ERSCHOEPFUNG = 87, SP_VORNAME_2_STELLIG = 88, SP_K_I_T = 89, SP_K_I_T_FORM = 90,
    SP_HAARFARBE = 91, SP_HAUTFARBE = 92, SP_TORWART_STAERKE = 93, SP_RUECKENNUMMER = 94,
    SP_BILDNUMMER = 95, SP_TALENT = 96, SP_NAME_LAND = 97, SP_NAME_BEOBACHTET = 98,
    SP_NAME_LAND_BEOBACHTET = 99, SP_VOLLNAME = 100, SP_HEIMATSYSTEM = 101,
    SP_ANGEBOTSZAEHLER = 102, SP_VOLLNAME_LAND = 103, SP_STATUS = 104, SP_ATTRIBUT128 = 105,
    SP_ATTRIBUT1024 = 106, SP_ZAEHLER_1 = 107, SP_ZAEHLER_2 = 108, SP_ZAEHLER_3 = 109,
};

// Modes of the accessors.
enum : uint8_t {
    SP_LESEN = 0, SP_SCHREIBEN = 1, SP_TOGGLE = 2, SP_LOESCHEN = 4, SP_SETZEN = 8,
    SP_ATTRIBUTE_LESEN = 16, SP_PROZENT = 0x20, SP_ERHOEHEN = 0x40,
};

// SP_STATUS bits.
enum : uint8_t {
    SP_STATUS_KARRIERE_ENDE = 1, SP_STATUS_WECHSEL = 4, SP_STATUS_NEU = 8,
    SP_STATUS_OHNE_HEIMATSYSTEM = 16, SP_STATUS_OHNE_VEREIN = 32,
};

constexpr int16_t SP_POS_TORWART = 459;
constexpr int SP_ATTRIBUTVEKTOR = 28;

struct Spieler_Struktur {
    uint8_t alter;
    int16_t attribute[9];   // visible, 1..999; a keeper's strength in slot 0
    uint8_t unsichtbar[15]; // invisible, 0..99; slots 10 and 11 copy allrounder and experience
    uint8_t allrounder;
    uint8_t spiel_erschoepfung;
    uint8_t trainings_erschoepfung;
    uint16_t erfahrung;
    uint8_t form;
    uint8_t formtendenz;
    uint16_t zaehler_1;
    uint16_t zaehler_2;
    uint8_t zaehler_3;
    uint8_t status;
    uint8_t verletzung_art;
    uint8_t verletzung_tage;
};

struct Spieler_Fix {
    char name[20];
    char vorname[2];
    int16_t bildnummer;
    int16_t nation;
    uint8_t groesse;
    uint32_t gesicht;
    uint8_t farben;  // hair colour in the high nibble, skin in the low one; 255 unset
    int16_t lieblingspos;
};

struct Spieler_Client_Egal {
    uint8_t rueckennummer;
    int8_t heimatsystem;
    int8_t angebotszaehler;
    int8_t angebotswert;
    uint8_t verletzung_zusatz;
    uint16_t talent[14];
};

// Byte images of the three parts for savegames and packets.
constexpr uint32_t SPIELER_STRUKTUR_BYTES = 50;
constexpr uint32_t SPIELER_FIX_BYTES = 36;
constexpr uint32_t SPIELER_EGAL_BYTES = 34;
void Spieler_Struktur_Packen(const Spieler_Struktur& s, uint8_t* bytes);
void Spieler_Struktur_Entpacken(const uint8_t* bytes, Spieler_Struktur& s);
void Spieler_Fix_Packen(const Spieler_Fix& f, uint8_t* bytes);
void Spieler_Fix_Entpacken(const uint8_t* bytes, Spieler_Fix& f);
void Spieler_Egal_Packen(const Spieler_Client_Egal& e, uint8_t* bytes);
void Spieler_Egal_Entpacken(const uint8_t* bytes, Spieler_Client_Egal& e);

// The arrays, owned by this module: null while no database exists.
extern int32_t Spieler_Anzahl;
extern Spieler_Struktur* Spieler_Daten;
extern Spieler_Fix* Spieler_Fix_Daten;
extern Spieler_Client_Egal* Spieler_Egal_Daten;
extern uint8_t* Spieler_Client_Flags;  // 1 main part fetched, 2 fixed part fetched

// The weights of the 24 attributes per player type (0 goalkeeper, 1-3 by line).
extern const uint8_t Spieler_Attribut_Gewichte[4][24];
extern const char* const Spieler_Attribut_Namen[29];

int32_t Spieler_Wert(int32_t id, int32_t spnr, int32_t wert, uint8_t modus);
const char* Spieler_String(int32_t id, int32_t spnr, const char* text, uint8_t modus);
void* Spieler_Zeiger(int32_t id, int32_t spnr, void* zeiger, uint8_t modus);
void Spieler_Attribute(int32_t spnr, int32_t* vektor, uint8_t modus);
void Spieler_Wert_Min_Max(int32_t id, int32_t* min, int32_t* max);
int32_t Spieler_Teilstaerke(int32_t spnr, int32_t art, const int32_t* vektor, int32_t maske);
uint8_t Spieler_Attribut_Vorhanden(int32_t spnr, int32_t index, int32_t art);
// A player's kind by his favourite place: 0 the keeper, 1-3 the lines (a damaged place beyond them
// gives what its division gives).
inline int32_t Spieler_Art_Von_Platz(int32_t pos) { return pos == SP_POS_TORWART ? 0 : pos / 153 + 1; }
// What the team strength reads of a player in one call: his kind, three strength values (a
// keeper's strength thrice, else fitness, intelligence, technique) and his form.
bool Spieler_Staerke_Werte(int32_t spnr, int32_t* art, int32_t werte[3], int32_t* form);
// Its reading of the record, for a valid player whose record this PC holds: the daily team
// strengths read every player of every club with it in place.
// The nine visible attributes added up, unrolled: the line-up, the market and the training ask for
// it by the hundred thousand.
inline int32_t Spieler_Summe_Sichtbar(const Spieler_Struktur& s)
{
    const int16_t* a = s.attribute;
    return ((a[0] + a[1]) + (a[2] + a[3])) + ((a[4] + a[5]) + (a[6] + a[7])) + a[8];
}

// The strength the record gives before its bounds (SP_K_I_T holds it at 1..999): a keeper's first
// attribute, else the visible attributes' mean.
inline int32_t Spieler_Staerke_Roh(const Spieler_Struktur& s, bool torwart)
{
    return torwart ? s.attribute[0] : Spieler_Summe_Sichtbar(s) / 9;
}

inline void Spieler_Staerke_Werte_Lesen(int32_t spnr, int32_t* art, int32_t werte[3], int32_t* form);
void Spieler_News_Neues_Attribut(int32_t team, int32_t spnr, int32_t index);
void Spieler_Debug_Leerzeile();
// The redraw procedure of an icon that shows a player's name: its data is a Menue_Icon_Text with
// the player number in `zahl`, its first tag the name form (Spieler_String id). The watched
// forms (98, 99) get the player's current watch-list mark from the first "^gnk" on, so that the
// mark follows the list; then the text is drawn as any text icon's.
struct Menue_Icon;
int32_t Spieler_Universaler_Spieler_Text_Refresh(Menue_Icon* icon, uint32_t wert);
// A watched name form with the mark renewed from its first "^gnk" on; null without one.
const char* Spieler_Text_Beobachtet_Erneuern(const char* text, int32_t spnr);

// The doctors' specialty (0..10) that treats injury kind `art` (0..41), -1 for a bad kind.
int32_t Spieler_Verletzung_Fachgebiet(int32_t art);

// Watch list of a team (30 slots of team pointer field 810).
void Spieler_Beobachtet_Hinzufuegen(int32_t team, int32_t spnr);
bool Spieler_Ist_Beobachtet(int32_t team, int32_t spnr);
void Spieler_Beobachtet_Entfernen(int32_t team, int32_t spnr);

// Database start from the player file of a configuration number, and its release.
bool Spieler(int32_t datei_nummer);
void Spieler_DeInit();
int32_t Spieler_Read_Config_Anzahl(int32_t datei_nummer);
int32_t Spieler_Eingang_Check_Leer(int32_t spnr, ...);
void Spieler_Markiere_Eigene_Bilder();

// New visible attributes around a target (or inside a window min..max when target is -1).
void Spieler_Neu_Belegen(int32_t spnr, int32_t ziel, int32_t min, int32_t max, int32_t team,
                         int32_t niveau_a, int32_t niveau_b);

// A network client fetches a player's parts from the server; nothing to do until network play.
void Spieler_Internet_Client_Hole_Spieler(int32_t spnr);

// --- valuation and the rating of offers (amounts in thousands of DM) ---

// The draws a valuation of the player by his own strength makes (Spieler_Bewerte_Marktwert_Gehalt
// with strength -1), without the valuation: a caller that needs no figure keeps the sequence.
void Spieler_Bewertung_Ziehen(int32_t spnr);
// Salary demand per year and transfer fee for a contract of `monate` months; strength and age -1
// take the player's own. With `flag`, a player offered on the transfer list is cheaper.
void Spieler_Bewerte_Marktwert_Gehalt(int32_t team, int32_t spnr, int32_t staerke, int32_t alter, int32_t monate,
                                      int32_t* gehalt, int32_t* abloese, int32_t flag);
// The same figures for a new contract offer: salary x 1.2, fee x 0.7.
void Spieler_Bewerte_Marktwert_Gehalt_Angebot(int32_t team, int32_t spnr, int32_t staerke, int32_t alter,
                                              int32_t monate, int32_t* gehalt, int32_t* abloese, int32_t flag);
// Offer ratings: 100 or more reaches the player's figure (the offer in percent of it); -1 falls
// short but is worth talking about; -2 is refused.
int32_t Spieler_Bewerte_Angebot_Gehalt(int32_t bieter, int32_t team, int32_t spnr, int32_t monate, int32_t angebot);
int32_t Spieler_Bewerte_Angebot_Abloese(int32_t team, int32_t, int32_t spnr, int32_t monate, int32_t angebot,
                                        int32_t zweite_abloese);
// While one stands, the ratings above read the player's strength and age, and whether his club
// lists him, from what they were when it was made: for a stretch of ratings of one player (an
// auction rates every raise) in which none of them changes. Holds do not nest: the inner one
// stands until it ends, and the outer one again after it.
class Spieler_Bewertung_Halten {
public:
    Spieler_Bewertung_Halten(int32_t spnr, int32_t team);
    ~Spieler_Bewertung_Halten();
    Spieler_Bewertung_Halten(const Spieler_Bewertung_Halten&) = delete;
    Spieler_Bewertung_Halten& operator=(const Spieler_Bewertung_Halten&) = delete;

    struct Werte {
        int32_t spnr = -1, staerke = 0, alter = 0, team = -1;
        bool gelistet = false;
    };

private:
    Werte vorher_;
};

// Up to four prominent invisible attributes (index order, -1 for the rest).
void Spieler_Herausragende_Attribute(int32_t spnr, int32_t, int32_t, int32_t* aus);

// --- training, pitch strength and fatigue ---

// The per-league regulation of the training evaluation (saved with the player block): the
// too-strong and too-weak flags with their thresholds, and the training direction (-1 or +1).
struct Spieler_Training_Tabellen {
    uint8_t zu_stark[384];
    uint16_t zu_stark_grenze[384];
    uint8_t zu_schwach[384];
    uint16_t zu_schwach_grenze[384];
    int32_t richtung;
};
extern Spieler_Training_Tabellen Spieler_Training;

// How strong a player is for attribute id `feld` at the place where he is lined up: 0..999
// (0..99 for the invisible attributes).
int32_t Spieler_Spielfeld_Staerke(int32_t team, int32_t spnr, int32_t feld);
// What every attribute of that reckoning shares: the player's kind, form and the distance of his
// place from his favourite one. Taken once for several attributes of one player it gives each the
// value the call above gives, as long as nothing of the player changes in between; where the
// place is far from his favourite and `erstes_feld` is SP_KRAFT, taking it raises his allrounder
// value, as a read of SP_KRAFT above does. Not taken (a client, a bad number): the reads below
// fall back to the call above.
struct Spieler_Spielfeld_Lage {
    int32_t team = -1, spnr = -1, h = 0;
    bool gueltig = false, torwart = false;
};
Spieler_Spielfeld_Lage Spieler_Spielfeld_Lage_Holen(int32_t team, int32_t spnr, int32_t erstes_feld);
int32_t Spieler_Spielfeld_Staerke(const Spieler_Spielfeld_Lage& lage, int32_t feld);
// The weekly rise of a player's training exhaustion.
void Spieler_Bewerte_Spiel_Erschoepfung(int32_t spnr);
// The daily training of every club's players; `tag` is today's day number modulo 365.
void Spieler_Bewerte_Training(int32_t tag);
// A keeper's career runs as many years longer than a field player's as his retirement comes
// later: his age counts this much less where a player's age decides how he develops.
constexpr int32_t SP_TORWART_JAHRE = 5;
// The age a player's development reads: his own, a keeper's SP_TORWART_JAHRE less.
int32_t Spieler_Laufbahn_Alter(int32_t spnr);
constexpr int32_t Spieler_Laufbahn_Alter(int32_t alter, bool torwart) { return alter - (torwart ? SP_TORWART_JAHRE : 0); }
// The share of a day's training gain a player of this (career) age keeps: all of it up to 23,
// fading from 24 to 0.3 at 30 and nearly nothing from 34, while the loss of a day that
// trains him down stays whole: he grows while young, holds his level through his late twenties
// and fades from his early thirties. Never above 1, so that the full factor still bounds every
// chance.
float Spieler_Zuwachs_Anteil(int32_t alter);
// The share of a day's training gain a player of this strength (a keeper's, else his visible
// attributes' mean) keeps in a league held at strength `liga` (0: none): all of it up to the
// league's level, fading to nearly nothing SP_ZUWACHS_SPANNE above it. The league's regulation
// holds its mean, and a gain that grows with the value trained would otherwise lift its best
// further every season while the rest stay where they are.
constexpr int32_t SP_ZUWACHS_SPANNE = 75;
float Spieler_Zuwachs_Ueber_Liga(int32_t staerke, int32_t liga);
// Whether the daily training steps over a group of a player's types by the draws kept for where
// they start, where no throw can move them, and over the further attributes' draws where no type
// before them moved (on by default; the players train the same either way). Returns the former
// setting.
bool Spieler_Training_Schritte_Setzen(bool an);
// Whether a type's opening draws (the unit change, the training grounds, the nudge) are read from
// the tables made for each place they start from (on by default; the players train the same
// either way). Returns the former setting.
bool Spieler_Training_Eroeffnungen_Setzen(bool an);

// A remote client renews its copies of the players from the server.
void Spieler_Internet_Client_Refresh();

// --- position and areas of play on the line-up grid (27 rows x 17 columns) ---

// Makes the areas consistent around the position cell: the outer area as deep and wide on either
// side, the inner area inside it and spanning the position row.
void Spieler_Raum_Symmetrisch(int32_t position, int32_t& aussen_zeile_1, int32_t& aussen_spalte_1,
                              int32_t& aussen_zeile_2, int32_t& aussen_spalte_2, int32_t& innen_zeile_1,
                              int32_t& innen_spalte_1, int32_t& innen_zeile_2, int32_t& innen_spalte_2);
// True unless the outer corners lie on the grid, the first strictly above and left of the second.
bool Spieler_Raum_Ist_Ungueltig(int32_t team, int32_t spnr);
// Random row and column extents of an area around the position; 0 on a border row or column.
// A limit of -1 sets no limit.
void Spieler_Raum_Zufaellige_Ausdehnung(int32_t, int32_t position, int32_t* zeilen, int32_t* spalten,
                                        int32_t zeilen_grenze, int32_t spalten_grenze);
// A drag to (row, column): flag a moves the bottom-right corners, flag b the top-left corners,
// neither the position with its areas. The row and column are clamped in place.
void Spieler_Raum_Anpassen(int32_t team, int32_t spnr, int32_t* neue_zeile, int32_t* neue_spalte, bool ecke_a,
                           bool ecke_b);

// --- generation and strength fitting (server only) ---

// Clamps the visible attributes into min..max (team -1) or the team's window, the invisible
// ones into 0..99 (experience keeps 0..299).
void Spieler_Staerken_Auf_Ligaspanne_Pruefen(int32_t spnr, int32_t team, int32_t min, int32_t max);
// A random value for invisible attribute index 9..23 by the weight of the player's type.
void Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler(int32_t spnr, int32_t index);
// A random favourite position in the third of the pitch of kind 1..3 (-1: his own); a goalkeeper
// keeps his.
void Spieler_Zufaellige_Lieblingspositionen_Spieler(int32_t spnr, int32_t art);
// Scales the attributes behind SP_KO, SP_IN, SP_TE, SP_K_I_T, SP_TORWART_STAERKE or a single
// visible attribute so that their mean becomes the target, each inside min..max.
void Spieler_K_I_T_Variieren(int32_t feld, int32_t spnr, int32_t ziel, int32_t min, int32_t max);
// Deals the configured players to their clubs and the rest to the transfer market (below 300).
void Spieler_Den_Teams_Zuordnen();
// The window check for every player of every club, each with his club's window.
void Spieler_Staerken_Auf_Ligaspanne_Pruefen_Alle_Teams();
// Random ages 18..31 for the players of the filtered teams (Team_Filter_Pruefen) and the market.
void Spieler_Setze_Alter_Zufaellig(int32_t filter);
// Random invisible attributes for one player, or with spnr -1 for the filtered teams and the
// market.
void Spieler_Setze_Unsichtbare_Attribute_Zufaellig(int32_t spnr, int32_t filter);
// Random favourite positions of kind `art` (-1: each his own) for the filtered teams and the
// market.
void Spieler_Zufaellige_Lieblingspositionen(int32_t filter, int32_t art);
// New talents (training ceilings) of the 14 trainable attributes from the current values.
void Spieler_Setze_Talent_Neu(int32_t spnr);
// Shuffles the players of the filtered teams and the market among them; each club keeps its
// number of players of every kind, the rest go back to the market.
void Spieler_Zulosen(int32_t filter);
// Redraws the strengths of the filtered clubs' players that lie outside their club's window and
// clamps everybody into it.
void Spieler_Staerke_Zufaellig_An_Teams_Anpassen(int32_t filter);
// The record becomes a freshly made young player of the given age: new talents, invisible
// attributes, form (85..95), form tendency (30..70), match exhaustion (10..35) and experience
// (age - 18..42). The visible strengths stay.
void Spieler_Jung_Neu_Belegen(int32_t spnr, int32_t alter);
// Remakes the player to fit search slot `slot` of `suche` (age, strength, favourite cell); with a
// team (not -1) he becomes the slot's wanted player and the slot active, with flag 1 he is marked
// new. False, and nothing changed, when the slot's windows are unusable.
struct Team_Transfersuche;
bool Spieler_Erschaffe_Passenden_Gesuchten_Spieler(int32_t team, int32_t spnr, Team_Transfersuche* suche,
                                                   int32_t slot, int32_t flag);
// A new young player (18..23) in the record of a retired one: offers and search marks go, the
// record is marked new. False when nothing was made.
bool Spieler_Setze_Alten_Sack_Neu(int32_t spnr);
// A boy of `alter` for the youth team in the record of a player who leaves the game, of the
// country and the kind of player `vorbild` (the youth player whose place he takes), strength
// within lo..hi; no league system, fit, marked new. False when nothing was made.
bool Spieler_Setze_Jugendspieler_Neu(int32_t spnr, int32_t vorbild, int32_t alter, int32_t lo, int32_t hi);
// A copy of the main part (not cleared), and installing one as the module's own with its count.
Spieler_Struktur* Spieler_Buffer_Anlegen();
void Spieler_Buffer_Zurueckschreiben(Spieler_Struktur* feld, int32_t anzahl);
// One text row of SPIELER_CONVERT_ZEILE bytes per player for the configuration converter.
constexpr int32_t SPIELER_CONVERT_ZEILE = 200;
void Spieler_Convert_Array_Fuellen(char* zeilen);
bool Spieler_Hat_Heimatsystem(int32_t spnr);

// --- periodic jobs and injuries (server only) ---

constexpr int32_t SP_VERLETZUNG_ARTEN = 42;
// Daily: birthdays, young players in the records of old ones, training. Weekly: the auction
// countdown and the offer value. Monthly: the market clock, insurances, retirements, contract
// renewals and ends. Yearly: nothing.
void Spieler_Jeden_Tag();
void Spieler_Jede_Woche();
void Spieler_Jeden_Monat();
void Spieler_Jedes_Jahr();
// The day of the year (0..364) on which the player has his birthday.
int32_t Spieler_Geburtstag(int32_t spnr);
// Youth players come at 16 and leave on their 19th birthday.
constexpr int32_t SP_JUGEND_EINTRITT = 16, SP_JUGEND_AUSTRITT = 19;
// The birthday of a player of the youth team: he is a year older, and at the age of leaving he
// goes to the transfer market, his place taken by a boy made in the record of the market's
// oldest player (in his own record when the market is empty). False, and nothing done, for a
// player of no youth team.
bool Spieler_Jugend_Geburtstag(int32_t spnr);
// The player's own seed of the retirement decision, 1000..4999.
int32_t Spieler_Karriere_Saat(int32_t spnr);
// The age after which the player ends his career, drawn from his own seed (the game's sequence
// stays where it is); `abschied` gets one of nine closing phrases (0..8) or -1 for the plain one.
int32_t Spieler_Ruhestandsalter(int32_t spnr, int32_t* abschied);
// Past his best a player fades: from SP_ABBAU_ALTER on (career age) each birthday takes a
// random 10..20 off every visible attribute (none falls below 10 by it).
constexpr int32_t SP_ABBAU_ALTER = 33;
void Spieler_Altern(int32_t spnr);
// A contract of `monate` months for the player cut so that it ends by his 36th year (career
// age: a keeper's 41st), a year at least: a club does not bind itself to a man for the years
// past his career.
constexpr int32_t SP_VERTRAG_BIS_ALTER = 36;
int32_t Spieler_Vertrag_Monate_Begrenzen(int32_t spnr, int32_t monate);
// Tells the player's club and his bidders that his auction comes next week.
void Spieler_Auktion_Ankuendigen(int32_t spnr);
// Injures a fit player (in a match only kinds that happen there); the kind, or -1.
int32_t Spieler_Verletzen(int32_t team, int32_t spnr, bool im_spiel);
const char* Spieler_Verletzung_Name(int32_t art);
// Minimum or maximum days of an injury kind; 0 for a bad kind.
int32_t Spieler_Verletzung_Tage(int32_t art, bool maximum);
// Entries of the draw list of injuries (in a match only the kinds that happen there).
int32_t Spieler_Verletzung_Listenlaenge(bool im_spiel);

// The player block of the savegame (position 9); a client leaves out the main parts and the
// parts it never needs and reads them as the byte 88.
struct Disk_Datei;
bool Spieler_Write_Bin_Block(Disk_Datei* datei);
bool Spieler_Read_Bin_Block(Disk_Datei* datei, const char* version);
void Spieler_Disk_Registrieren();

// --- network images (the remote calls that carry them come with network play) ---

// Request 0: player entries of part 0 (main) or 1 (fixed) for one player, else one team's
// players, else those of every team of the competition; a new buffer (Mem_Free) and its length.
int32_t Spieler_Internet_Server_Send(uint8_t** aus, int32_t teil, int32_t wettbewerb, int32_t team, int32_t spnr);
// The client's copy of such a block; false, and nothing copied, for a packet it cannot trust.
bool Spieler_Internet_Client_Daten_Einlesen(const uint8_t* block, uint32_t laenge, int32_t teil);
// Request 3: the players made new in old records; the client fetches them again.
int32_t Spieler_Internet_Server_Send_New_Client_Data(uint8_t** aus);
bool Spieler_Internet_Client_Neue_Spieler_Einlesen(const uint8_t* block, uint32_t laenge);
// Request 2: the player count into 4 bytes.
void Spieler_Internet_Server_Send_Startinfo(uint8_t* aus);

// The mean of three attribute values from `erster` on, held at 1..999: fitness, intelligence or
// technique.
inline int32_t Spieler_Gruppen_Wert(const Spieler_Struktur& s, int erster)
{
    const int32_t g = (s.attribute[erster] + s.attribute[erster + 1] + s.attribute[erster + 2]) / 3;
    return g < 1 ? 1 : g > 999 ? 999 : g;
}

inline void Spieler_Staerke_Werte_Lesen(int32_t spnr, int32_t* art, int32_t werte[3], int32_t* form)
{
    const int32_t a = Spieler_Art_Von_Platz(Spieler_Fix_Daten[spnr].lieblingspos);
    const Spieler_Struktur& s = Spieler_Daten[spnr];
    if (art) *art = a;
    if (werte) {
        if (a == 0) werte[0] = werte[1] = werte[2] = s.attribute[0];
        else
            for (int i = 0; i < 3; ++i) werte[i] = Spieler_Gruppen_Wert(s, 3 * i);
    }
    if (form) *form = s.form;
}
