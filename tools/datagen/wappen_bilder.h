// Crest pictures of the data builder: the managers' emblems and the 600 club crests.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/datagen/resf_writer.h"

constexpr int32_t MANAGER_WAPPEN_BASIS = 1079, MANAGER_WAPPEN_ZAHL = 12;
// Manager crest n (0-11), 48 x 48: a shield in two colours with an emblem, transparent outside,
// no visible pixel 0.
Resf_Bitmap Manager_Wappen_Bild(int32_t n);

constexpr int32_t VEREINS_WAPPEN_BASIS = 5530, VEREINS_WAPPEN_ZAHL = 600;
constexpr int32_t WAPPEN_GRAU = 598, WAPPEN_MUETZE = 599;

// What a club gives its crest: two kit colours and up to two monogram letters (A-Z).
struct Wappen_Vorlage {
    bool verein = false;
    uint8_t farbe[2][3] = {};
    char monogramm[3] = {};
};
using Wappen_Vorlagen = std::array<Wappen_Vorlage, VEREINS_WAPPEN_ZAHL>;

// Two letters of a club name (Windows-1252): the initials of its first two words, or the first
// two letters of a single word; umlauts as their base letter.
std::string Wappen_Monogramm(const std::string& name);
// Club crest number n (0-599), 48 x 48: with a club, its colours and monogram on one of several
// shield shapes and patterns; without, a design of its own (the number on the shield); 598 a
// plain grey shield, 599 a neutral crest with a cap. `variante` changes shape and pattern.
Resf_Bitmap Vereins_Wappen_Bild(int32_t n, const Wappen_Vorlage& vorlage, int32_t variante = 0);
// All 600 crests, pairwise different: a crest equal to an earlier one is drawn in the next
// variant until it differs.
std::vector<Resf_Bitmap> Vereins_Wappen_Alle(const Wappen_Vorlagen& vorlagen);
// Checks the 600 crests: pairwise different, every monogram in contrast with the ground behind
// it. Empty when they are right, else what is wrong.
std::string Vereins_Wappen_Pruefen(const std::vector<Resf_Bitmap>& bilder, const Wappen_Vorlagen& vorlagen);

// The descriptions of a generated world: each club at its crest number with its shirt and shorts
// colours and the monogram of its name.
struct Welt;
void Wappen_Vorlagen_Aus_Welt(const Welt& welt, Wappen_Vorlagen& vorlagen);

// The crest descriptions the resource step draws from (set by the builder from its world); the
// tests leave them unset and get the designs without clubs.
void Vereins_Wappen_Vorlagen_Setzen(const Wappen_Vorlagen* vorlagen);
// The crest picture of resource entry 5530 + n, from the set descriptions; drawn once.
const Resf_Bitmap& Vereins_Wappen_Eintrag(int32_t n);
