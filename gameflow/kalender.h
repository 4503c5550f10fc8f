// The calendar: day numbers counted from 1 July 1999 (day 0, a Thursday), the season's schedule
// of match days, and the day advance with the modules' recurring jobs.
#pragma once
#include <cstdint>

struct Kalender_Datum {
    int32_t tag;        // 1..31
    int32_t monat;      // 1..12
    int32_t jahr;
    int32_t wochentag;  // 0 Saturday .. 6 Friday
    char text[32];      // long date text, "1. Juli 1999"
};

// A game lasts at most 100 seasons: day numbers from 0 below this bound.
constexpr int32_t KALENDER_TAG_MAX = 36525;

// The date of a day number; with `erste_saison` set, the date of the game's first day.
Kalender_Datum Kalender_Get_Datum(int32_t tag, int32_t erste_saison);
// The day number of a date, -1 (and a message on the error sink) for a date that does not exist
// or lies before day 0.
int32_t Kalender_Get_Tagnummer(int32_t tag, int32_t monat, int32_t jahr);
int32_t Kalender_Get_Heute();
Kalender_Datum Kalender_Get_Datum_Heute();
// First day (1 July) of the running season (of the season a day lies in), and the number of
// seasons begun (1 in the first).
int32_t Kalender_Get_Saisonstart();
int32_t Kalender_Get_Saisonstart(int32_t tag);
int32_t Kalender_Get_Saison();
// Weekday index of a day number, 0 Saturday.
int32_t Kalender_Get_Wochentag(int32_t tag);
// German weekday name, index taken modulo 7, 0 = Saturday.
const char* Kalender_Get_Wochentag_Name(int32_t index);
// Date texts in temporary strings: long ("1. Juli 1999"), short ("1.7.1999", with the weekday
// "Do 1.7.1999"), and a duration ("1 Jahr und 3 Tage").
const char* Kalender_Get_Datum_String(int32_t tag);
const char* Kalender_Get_Datum_String_Knapp(int32_t tag, int32_t mit_wochentag);
const char* Kalender_Get_Dauer_String(int32_t von, int32_t bis);
// The weather text of a temperature and a weather value 0..100.
const char* Kalender_Get_Wetter_Text(int32_t temperatur, int32_t wetter);

// ---- The schedule of the running season ----

// Competitions playing on a day (-1 today), in KALENDER_POSITION order; their ids into `ids`
// (room for 256) when given. Never negative. The flag is kept for the callers' two readings.
int32_t Kalender_Get_Anzahl_Spiele(int32_t tag, int32_t flag, int32_t* ids = nullptr);
// The competition's match-day index on that day, -1 none.
int32_t Kalender_Get_Spieltag_Nummer(int32_t tag, int32_t wettbewerb);
// The day of a competition's match day and leg (0 first), -1 when it is not scheduled.
int32_t Kalender_Get_Spieltag_Tag(int32_t wettbewerb, int32_t spieltag, int32_t runde, int32_t flag);
// Builds the schedule of the season that begins on `saisonstart` from the competition records.
// False, with a German message naming the competition, when one cannot be placed; the schedule
// in use then stays as it was.
bool Kalender_Spielplan_Anlegen(int32_t saisonstart);
// The German reason of the last refused schedule, "" after a built one.
const char* Kalender_Spielplan_Fehler();
// Enters one more match day (a friendly) on a day of the running season. False when the day is
// outside the season or the competition already plays then.
bool Kalender_Spieltag_Einfuegen(int32_t wettbewerb, int32_t spieltag, int32_t tag);
// Forgets the schedule.
void Kalender_Spielplan_Leeren();
// The magnifier: shows a day's competitions in a requester. It has no options to switch on.
void Kalender_Lupe_Auf_Tag(int32_t tag);
bool Kalender_Lupe_Aktiv();

// The schedule as savegame bytes and back. The reader checks every entry against the season
// and refuses a bad image without touching the schedule in use.
void Kalender_Spielplan_Bytes(uint8_t* ziel, uint32_t* laenge);  // ziel null: length only
bool Kalender_Spielplan_Aus_Bytes(const uint8_t* daten, uint32_t laenge, int32_t saisonstart);
// The reader's check alone: true when the image would be taken.
bool Kalender_Spielplan_Pruefen(const uint8_t* daten, uint32_t laenge, int32_t saisonstart);

// ---- Day advance ----

// Kinds of recurring jobs and the slots of each, in the order they run.
enum Kalender_Job_Art : int32_t { KALENDER_TAEGLICH, KALENDER_WOECHENTLICH, KALENDER_MONATLICH, KALENDER_JAEHRLICH,
                                  KALENDER_JOB_ARTEN };
enum : int32_t {
    // every day
    KJ_TAG_RICHTER = 0, KJ_TAG_SPIELER, KJ_TAG_TEAM, KJ_TAG_ASSISTENT, KJ_TAG_STADION, KJ_TAG_BANK,
    KJ_TAG_WETTBEWERB,
    // every seventh day
    KJ_WOCHE_SPIELER = 0, KJ_WOCHE_TEAM, KJ_WOCHE_ASSISTENT, KJ_WOCHE_STADION, KJ_WOCHE_WERBUNG,
    KJ_WOCHE_TRAININGSLAGER,
    // change of month
    KJ_MONAT_SPIELER = 0, KJ_MONAT_TEAM, KJ_MONAT_ASSISTENT, KJ_MONAT_BANK, KJ_MONAT_HIGHSCORE,
    // 1 July
    KJ_JAHR_WERBUNG = 0, KJ_JAHR_TRAININGSLAGER, KJ_JAHR_KALENDER, KJ_JAHR_STEUERN, KJ_JAHR_HIGHSCORE,
    KJ_JAHR_DAUERKARTEN, KJ_JAHR_TEAM, KJ_JAHR_SPIELER,
};
constexpr int32_t KALENDER_JOB_SLOTS = 8;
using Kalender_Job = void (*)();
// A module puts its job into its slot (null empties it). False for a bad kind or slot.
bool Kalender_Job_Registrieren(int32_t art, int32_t slot, Kalender_Job job);
// Empties every slot.
void Kalender_Jobs_Leeren();

// Raises the day and runs that day's jobs: daily, weekly (day mod 7 = 0), at a change of month,
// on 1 July; then, with `autosaves`, the autosaves the global options ask for. Refuses to go past
// the last day. The main loop writes them itself once the day is set up, so that a savegame
// resumes with the day's turn.
void Kalender_Naechster_Tag(bool autosaves = true);
// Today's autosaves that the global options ask for: weekly on every seventh day, monthly on
// the first of a month.
void Kalender_Autosaves();
// The calendar's 1 July job: the competitions' season change, their fixtures and the new
// schedule. A schedule that cannot be built leaves the season without match days, with its
// message.
void Kalender_Jedes_Jahr();
// Test hook: sees each autosave in place of writing it (null: the savegame is written), and
// answers the global options in their place (null: the options).
using Kalender_Autosave_Hook = void (*)(const char* name);
void Kalender_Set_Autosave_Hook(Kalender_Autosave_Hook hook, int32_t (*optionen)(int32_t) = nullptr);
