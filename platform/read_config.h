// Reader of the numbered configuration files "<config folder>/<set + 1>_<base name>".
//
// File form: Windows-1252 text, entries of a keyword and an optional value on the same line.
// Separators: blank, 0xA0, ';', tab, line feed, carriage return (a caller may pass its own set;
// line feed and carriage return always separate). ';' starts a comment to the line end. '[' ...
// ']' is a skipped section (nests, may span lines). '"' toggles quoting: inside quotes only line
// ends separate; a line end also ends quoting. Tokens hold at most 2999 characters. Keywords are
// upper-cased (a-z), values keep their case. A first entry "CHECKSUMME <sum>" carries the stored
// checksum of everything after it.
//
// Checksum: u32, 1 after the open; every character c appended to a keyword or value token adds
// index * (signed byte c), then index + 1; the index also grows by 1 after each keyword. Wraps
// modulo 2^32; once it is 0 it stays 0.
//
// Values: no value reads 1, "JA"/"NEIN" 1/0, "#name" the number of an alias from
// "<alias set + 1>_wettbewerb_alias.cfg", anything else as a decimal integer.
//
// Up to three files are open at once, as nested levels; close in reverse order.
#pragma once
#include <cstdint>
#include <cstring>

#include "platform/liste.h"

constexpr int READ_CONFIG_EBENEN = 3;
constexpr int READ_CONFIG_TOKEN = 3000;

// mode 0 "spieler.cfg", 1 "team.cfg", 2 "wettbewerb.cfg", 3 "personal.cfg", 4 "zeitplan.cfg".
// set -1 opens the alias file of alias_satz instead. With alias_satz != -1 the level's aliases
// are loaded first.
bool Read_Config_Open(int32_t modus, int32_t satz, int32_t alias_satz);
// Opens a copy of a text as a new level (same alias rule, no CHECKSUMME entry).
bool Read_Config_Open_Buffer(const char* text, uint32_t laenge, int32_t alias_modus,
                             int32_t ignoriert, int32_t alias_satz);
void Read_Config_Close();
// The next entry's keyword; "" at the end of the text. trenner NULL: the standard separators.
// Without mit_wert the single token is its own value.
const char* Read_Config_Read_Zeile(const char* trenner, bool mit_wert);
int32_t Read_Config_Get_Wert();
const char* Read_Config_Get_Wert_Text();
int32_t Read_Config_Get_Zeilennummer();
uint32_t Read_Config_Get_Groesse();
uint32_t Read_Config_Get_Position();
// 0 all aliases resolved, 1 an alias was not defined, 2 no alias list (since the last open).
int32_t Read_Config_Get_Alias_Status();
// The game's start-option byte: while it is 0 the reader keeps its alias warnings to itself.
// Without a query the warnings are shown.
void Read_Config_Set_Start_Option_Abfrage(uint8_t (*abfrage)());

void Read_Config_Set_Pruefung(bool an);
// Compares the computed sum (complete after the last entry) with the stored one; a file without
// CHECKSUMME passes. With the test off: true and *summe untouched.
bool Read_Config_Check_Summe(uint32_t* summe);
uint32_t Read_Config_Get_Summe();
// For a reader that never asks for the current level's sum: the level takes none from here on,
// as if it had come to zero (Read_Config_Get_Summe reads 0).
void Read_Config_Ohne_Summe();

// File name of mode 0-3 and the set in a temporary string; NULL for other modes.
char* Read_Config_Get_Filenamen(int32_t modus, int32_t satz);
// The INFOTEXT of a set (temporary string), "Keine Beschreibung" without one.
const char* Read_Config_Get_Infotext(int32_t modus, int32_t satz);
// Reads a comma-separated list of numbers (aliases of the enclosing file allowed) into at most
// `kapazitaet` entries; returns how many were stored.
int32_t Read_Config_Parse_Zahlen(const char* text, int32_t* feld, int32_t kapazitaet);

// The global alias list (number to name) for writers of configuration files.
Liste* Read_Config_Load_Alias_Liste(int32_t modus, int32_t alias_satz);
void Read_Config_Free_Alias_Liste();
const char* Read_Config_Get_Alias(int32_t nummer);

// A fixed list of up to 1024 keywords (it must outlive the finder; entries beyond are never found)
// and the index of the first entry equal to a word, -1 for none; empty entries are never found.
// It holds no memory of the heap: a reader keeps it for the program's life. A word is compared only with the
// entries that begin with its first two characters (and the few others of their hash).
class Read_Config_Woerter {
public:
    Read_Config_Woerter(const char* const* woerter, int32_t anzahl);
    int32_t finden(const char* wort) const
    {
        const uint32_t f = fach(wort);
        for (uint32_t n = anfang_[f]; n < anfang_[f + 1]; ++n)
            if (std::strcmp(woerter_[folge_[n]], wort) == 0) return folge_[n];
        return -1;
    }

private:
    static constexpr uint32_t FAECHER = 256, HOECHSTENS = 1024;
    // The hash of a word: its first two characters.
    static uint32_t fach(const char* w) { return (uint8_t(w[0]) * 31u + (w[0] ? uint8_t(w[1]) : 0u)) & (FAECHER - 1); }
    const char* const* woerter_;
    int16_t folge_[HOECHSTENS];     // the entries' indices by hash, ascending within one
    uint16_t anfang_[FAECHER + 1];  // where each hash's indices begin in folge_
};
