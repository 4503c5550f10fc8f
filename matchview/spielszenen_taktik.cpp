#include "matchview/spielszenen_taktik.h"

const char* const Taktik_Wert_Texte[24] = {
    "Kurze Bälle",  "Kurz/Lang",     "Lange Bälle",   "Flache Bälle", "Flach/Hoch",   "Hohe Bälle",
    "Mitte",        "Mitte/Außen",   "Über Außen",    "K.Abseitsf.",  "Selt.Abseitsf.", "Mit Abseitsf.",
    "Ohne Regeln",  "Normal Fair",   "Nur Fair-Play", "Keine Konter", "Selt.Konter",  "Viele Konter",
    "Kein Zweik.",  "Norm.Härte",    "Hart spielen",  "Verteidigen!", "Vor & zurück", "Angreifen!",
};

void Spielfeld_Anweisungen_Uebernehmen(Spielfeld_Record*, int32_t) {}
void Spielfeld_Anweisungen_Anwenden(Spielfeld_Record*, int32_t) {}
