// The staff pool: referees and assistants, read once from personal.cfg and kept in one list
// (key = id).
#pragma once
#include <cstdint>

enum : uint8_t { PERSONAL_SCHIEDSRICHTER = 0, PERSONAL_ASSISTENT = 1 };

// The stored entry; a referee's payload has 37 bytes, an assistant's 33.
constexpr uint32_t PERSONAL_SCHIEDSRICHTER_BYTES = 37;
constexpr uint32_t PERSONAL_ASSISTENT_BYTES = 33;
constexpr int PERSONAL_NAME_LAENGE = 25;

struct Personal_Eintrag {
    uint8_t typ;
    int16_t id;
    char name[26];
    uint32_t land;
    uint8_t haerte;
    uint8_t aufmerksamkeit;
};
// Byte images of an entry (37 or 33 bytes by type) and back.
uint32_t Personal_Packen(const Personal_Eintrag& e, uint8_t* bytes);
bool Personal_Entpacken(const uint8_t* bytes, uint32_t laenge, Personal_Eintrag& e);

void Personal_Init();
void Personal_DeInit();
bool Personal_Check_Init();
void Personal_Read_Config_Wenn_Init();
int32_t Personal_Anzahl(int32_t typ);
int32_t Personal_Get_Nummern(int32_t typ, int32_t* feld, int32_t n);
// Copies entries of the type without the type byte (36 or 32 bytes each) into feld.
int32_t Personal_Get_Daten_Liste(int32_t typ, uint8_t* feld, int32_t n);
const Personal_Eintrag* Personal_Get_Daten(int32_t id, int32_t typ);
void Personal_Kopiere_Daten(int32_t id, int32_t typ, uint8_t* buffer);
const char* Personal_Get_Name(int32_t id, int32_t typ);
const char* Personal_Get_Bewertungstext(int32_t id, int32_t attribut);
// The staff list in the savegame, through the list module's file form.
struct Disk_Datei;
bool Personal_Write_Liste(Disk_Datei* datei);
bool Personal_Read_Liste(Disk_Datei* datei);
// The list in the list module's memory form (byte count first); null when not initialised.
uint32_t Personal_Liste_Serialisieren(uint8_t** buffer);
// Replaces the list by one in that form; false (the list unchanged) for a bad image.
bool Personal_Liste_Einlesen(const uint8_t* daten, uint32_t laenge);
// A remote client fetches the server's list (request 1031), its module started first when it was
// not; 1 when it was taken.
int32_t Personal_Internet_Client_Get_Liste();
