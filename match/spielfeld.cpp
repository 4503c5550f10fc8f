#include "match/spielfeld.h"

#include <cstring>

Spielfeld_Steuerung_Block Spielfeld_Steuerung{};
Liste Spielfeld_Liste{};
float Spielfeld_Schwellen[2] = {4000.0f, 4000.0f};

void Spielfeld_Record_Schreiben(const Spielfeld_Record&, uint8_t* bild) { std::memset(bild, 0, SPIELFELD_RECORD_BYTES); }
void Spielfeld_Record_Lesen(const uint8_t*, Spielfeld_Record& r) { r = Spielfeld_Record{}; }

void Spielfeld_Init() {}
void Spielfeld_DeInit() {}
bool Spielfeld_Ist_Initialisiert() { return false; }
bool Spielfeld_Record_Anlegen(int32_t, int32_t, int32_t, const int32_t*, int32_t, int32_t) { return false; }
bool Spielfeld_Set_Anzeige(int32_t, uint8_t) { return false; }
void Spielfeld_Spieloptionen(int32_t, uint8_t, uint8_t, uint8_t) {}
float Spielfeld_Run(int32_t, int32_t, int32_t, int32_t, uint8_t*, uint8_t) { return 1.0f; }
void Spielfeld_Anpfiff(int32_t, int32_t) {}
void Spielfeld_Halbzeit_Beenden(int32_t) {}
void Spielfeld_Spiel_Beenden(int32_t) {}
void Spielfeld_Halbzeit_Zaehlen(int32_t) {}
void Spielfeld_Nach_Spiel_Seite(int32_t) {}
bool Spielfeld_Spieltag_Beendet_Setzen() { return false; }
int32_t Spielfeld_Get_Laufende_Spiele(int32_t*, int32_t) { return 0; }
int32_t Spielfeld_Get_Angezeigte_Spiele(int32_t*, int32_t, bool) { return 0; }
Spielfeld_Record* Spielfeld_Get_Spiel(int32_t) { return nullptr; }
int32_t Spielfeld_Get_Spielernote(const Spielfeld_Record*, int32_t) { return -1; }
void Spielfeld_Nach_Spiel_Auswerten() {}
void Spielfeld_Praemie_Strafe_Auszahlen(Spielfeld_Record*, int32_t, int32_t) {}

bool Spielfeld_Speichern(Disk_Datei*) { return true; }
bool Spielfeld_Laden(Disk_Datei*, const char*) { return true; }
void Spielfeld_Disk_Registrieren() {}

int32_t Spielfeld_Speicher_Packen(const void*, void*, uint32_t, uint32_t) { return -1; }
int32_t Spielfeld_Speicher_Entpacken(void*, uint32_t, const void*, uint32_t) { return -1; }

void Spielfeld_Belastung_Pruefen(int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Spielfeld_Attribut_Erhoehen(int32_t, int32_t, int32_t, int32_t) {}
