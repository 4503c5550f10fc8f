// The money the whole world books, by category: what all clubs together received and paid in
// the running season and in the season before it. Kept beside the bank's savegame block, so that
// a savegame tells where the world's money went; a savegame without it starts from zero.
#pragma once
#include <cstdint>

constexpr int32_t BANK_KATEGORIEN = 46;

struct Bank_Welt_Summen {
    double einnahmen[BANK_KATEGORIEN] = {};
    double ausgaben[BANK_KATEGORIEN] = {};
};

// 0 the running season, 1 the season before it.
const Bank_Welt_Summen& Bank_Welt_Get_Summen(int32_t saison);
// A club received `einnahme` and paid `ausgabe` in this category (whole DM).
void Bank_Welt_Buchen(uint8_t kategorie, double einnahme, double ausgabe);
// The season change: the running season becomes the one before, the new one starts at zero.
void Bank_Welt_Saisonwechsel();
void Bank_Welt_Leeren();
// The name the finance screens give a category ("" for one without a row).
const char* Bank_Kategorie_Name(int32_t kategorie);

// The savegame form: a marker, then per season the income and spending of each category as
// little-endian doubles.
constexpr uint32_t BANK_WELT_BYTES = 4 + 2 * 2 * BANK_KATEGORIEN * 8;
void Bank_Welt_Schreiben(uint8_t* ziel);
// False (nothing changed) when the bytes are not such a form.
bool Bank_Welt_Lesen(const uint8_t* daten, uint32_t laenge);
