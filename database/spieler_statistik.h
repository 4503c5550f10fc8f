// Statistic values of one player (modes 0..43) and of one team (modes 0..33, bit 15 for the
// opponents) over a set of competitions: event counts, counter totals and fields. The values
// double as sort keys of the statistics lists.
#pragma once
#include <cstdint>

constexpr int32_t SPIELER_STAT_MODI = 44;
constexpr int32_t TEAM_STAT_MODI = 34;
constexpr int32_t TEAM_STAT_GEGNER = 32768;

// Counters: Spieler_Anzahl i32 per mask (null: own table); `zaehlen` 0 reuses a table already
// counted for the same masks. *masken_anzahl and *zweiter start -1; -1 is also the answer of a
// mode without a value.
int32_t Spieler_Get_Spieler_Statistik(int32_t modus, const int32_t* wettbewerbe, int32_t anzahl, int32_t team,
                                      int32_t spnr, int32_t von_minute, int32_t bis_minute, int32_t erster,
                                      int32_t letzter, int32_t* zaehler, int32_t* masken_anzahl, int32_t* werte,
                                      int32_t zaehlen, int32_t* zweiter);

// Totals of the per-competition counters of kind 4, 6, 7 or 160 (goals per appearance) for one
// player; the server side of request 76.
void Spieler_Server_Send_Wettbewerb_Ereignis_Data(int32_t* wert, int32_t* zweiter, const int32_t* wettbewerbe,
                                                  int32_t anzahl, int32_t art, int32_t spnr);
// Event counts of one player per mask (into werte, masken_anzahl entries); *wert the first
// count. The server side of request 77.
void Spieler_Server_Send_Statistik_Data(int32_t* wert, const uint32_t* masken, int32_t masken_anzahl,
                                        const int32_t* wettbewerbe, int32_t anzahl, int32_t team, int32_t spnr,
                                        int32_t von_minute, int32_t bis_minute, int32_t erster, int32_t letzter,
                                        int32_t* werte);

// Counters: Team_Anzahl i32 per mask (null: own table).
int32_t Team_Get_Team_Statistik(int32_t modus, const int32_t* wettbewerbe, int32_t anzahl, int32_t team,
                                int32_t positionen, int8_t nur_elf, int32_t von_minute, int32_t bis_minute,
                                int32_t erster, int32_t letzter, int32_t* zaehler, int32_t* masken_anzahl,
                                int32_t* werte, int8_t zaehlen, int32_t* zweiter);
// Season end: every player of the teams gets his league goals and strength pushed into the
// player statistics store; the count runs once per league met in the list.
void Team_Spieler_Statistik_Auswerten(const int32_t* teams, int32_t anzahl);

// Text record of a team-name icon (its daten): font slot, style bits (1 shadow pass, 2 double
// pass), text and background colour (UI colour indices), the icon's own text buffer and the
// Team_String form that made the text. The team is the icon's tag 1.
struct Team_Icon_Text {
    int8_t font;
    uint8_t stil;
    int8_t textfarbe;
    int8_t hintergrund;
    char* text;
    int32_t form;
};
struct Menue_Icon;
// Refresh procedure of team-name icons: background, then the text; keeps the camera glyph of
// the camera forms in step with the team's broadcast flag.
int32_t Team_Universaler_Team_Text_Refresh(Menue_Icon* icon, uint32_t wert);

// Registers the handlers of requests 76 and 77.
void Spieler_Statistik_Fern_Registrieren();
