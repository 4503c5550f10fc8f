// The staff pool.
//
// Entry image (little-endian): 0 type; 1 i16 id; 3-28 name (25 characters and a zero);
// 29 u32 country; referees only: 33 strictness, 34 attention, 35-36 reserved.
#include "database/personal.h"

#include <cstdio>
#include <cstring>

#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "platform/string_util.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/print.h"
#include "platform/liste.h"
#include "platform/mem.h"
#include "platform/read_config.h"

namespace {

bool initialisiert = false;
Liste personal_liste;
Personal_Eintrag kopie[2];

const char* const HAERTE_TEXT[7] = {"", "nimmt's locker", "sehr großzügig", "eher großzügig",
                                    "eher streng", "pfeift streng", "pfeift alles ab"};
const char* const AUFMERKSAMKEIT_TEXT[7] = {"", "übersieht viel", "übersieht einiges", "recht aufmerksam",
                                            "sehr aufmerksam", "sieht fast alles", "sieht alles"};

bool eintrag_lesen(Liste_Element* e, Personal_Eintrag& p)
{
    return e && e->data && Personal_Entpacken(static_cast<const uint8_t*>(e->data), e->size - 24, p);
}

Liste_Element* finde(int32_t id, int32_t typ, Personal_Eintrag& p)
{
    for (Liste_Element* e = Liste_First_Element(&personal_liste); e; e = Liste_Next_Element(&personal_liste, e))
        if (static_cast<int32_t>(e->key) == id && eintrag_lesen(e, p) && p.typ == typ) return e;
    return nullptr;
}

}  // namespace

uint32_t Personal_Packen(const Personal_Eintrag& e, uint8_t* b)
{
    uint32_t n = e.typ == PERSONAL_SCHIEDSRICHTER ? PERSONAL_SCHIEDSRICHTER_BYTES : PERSONAL_ASSISTENT_BYTES;
    std::memset(b, 0, n);
    b[0] = e.typ;
    Bytes_Setze16(b + 1, static_cast<uint16_t>(e.id));
    std::memcpy(b + 3, e.name, 26);
    b[28] = 0;
    Bytes_Setze32(b + 29, e.land);
    if (e.typ == PERSONAL_SCHIEDSRICHTER) {
        b[33] = e.haerte;
        b[34] = e.aufmerksamkeit;
    }
    return n;
}

bool Personal_Entpacken(const uint8_t* b, uint32_t laenge, Personal_Eintrag& e)
{
    if (!b || laenge < PERSONAL_ASSISTENT_BYTES) return false;
    std::memset(&e, 0, sizeof e);
    e.typ = b[0];
    if (e.typ > PERSONAL_ASSISTENT) return false;
    if (e.typ == PERSONAL_SCHIEDSRICHTER && laenge < PERSONAL_SCHIEDSRICHTER_BYTES) return false;
    e.id = static_cast<int16_t>(Bytes_Hole16(b + 1));
    std::memcpy(e.name, b + 3, 26);
    String_Klartext(e.name, sizeof e.name);
    e.land = Bytes_Hole32(b + 29);
    if (e.typ == PERSONAL_SCHIEDSRICHTER) {
        e.haerte = b[33];
        e.aufmerksamkeit = b[34];
    }
    return true;
}

bool Personal_Check_Init()
{
    if (!initialisiert) Print_Fehler("Personal-Modul muß initialisiert werden");
    return initialisiert;
}

void Personal_Init()
{
    if (initialisiert) Liste_Delete_All(&personal_liste);
    Liste_Init(&personal_liste);
    initialisiert = true;
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_PERSONAL, Personal_DeInit);
    Disk_Block_Registrieren(DISK_POS_PERSONAL, Personal_Write_Liste,
                            [](Disk_Datei* d, const char*) { return Personal_Read_Liste(d); });
}

void Personal_DeInit()
{
    if (!initialisiert) return;
    Liste_Delete_All(&personal_liste);
    initialisiert = false;
}

void Personal_Read_Config_Wenn_Init()
{
    if (!Personal_Check_Init()) return;
    if (!Read_Config_Open(3, 0, -1)) {
        Print_Log(0, "PERSONALCONFIG NICHT DA !\n");
        return;
    }
    static const char* const WOERTER[] = {"NEUER_PERSONAL_TYP", "SCHIEDSRICHTER", "NAME", "AUFMERKSAMKEIT",
                                          "HAERTE", "ASSISTENT", "LAND"};
    int32_t block = 0;
    int32_t typ = -1;
    Liste_Element* element = nullptr;
    for (;;) {
        const char* wort = Read_Config_Read_Zeile(nullptr, true);
        if (!*wort) break;
        int k = -1;
        for (int i = 0; i < 7; ++i)
            if (std::strcmp(wort, WOERTER[i]) == 0) k = i;
        if (k < 0) {
            if (std::strcmp(wort, "INFOTEXT") != 0)
                Print_Fehler("[%d] Syntax-Error in personal.cfg:\n - (101) Unbekannter Befehl (%s)\n\n",
                             Read_Config_Get_Zeilennummer(), wort);
            continue;
        }
        bool erlaubt = k == 0 || (block > 0 && (typ != PERSONAL_ASSISTENT || (k != 3 && k != 4)));
        if (!erlaubt) {
            Print_Fehler("[%d] Syntax-Error in personal.cfg:\n - (201) Befehl für diese Personalart unzulässig! \n\n",
                         Read_Config_Get_Zeilennummer());
            continue;
        }
        Personal_Eintrag p{};
        bool hat = element && eintrag_lesen(element, p);
        switch (k) {
        case 0:
            ++block;
            typ = -1;
            element = nullptr;
            break;
        case 1:
        case 5:
            if (typ != -1) break;  // the first type of a block counts
            typ = k == 1 ? PERSONAL_SCHIEDSRICHTER : PERSONAL_ASSISTENT;
            p = Personal_Eintrag{};
            p.typ = static_cast<uint8_t>(typ);
            p.id = static_cast<int16_t>(block);
            {
                uint8_t bytes[PERSONAL_SCHIEDSRICHTER_BYTES];
                uint32_t n = Personal_Packen(p, bytes);
                element = Liste_Insert_Element(&personal_liste, Liste_Get_Last(&personal_liste), bytes, n,
                                               static_cast<uint32_t>(block));
            }
            hat = false;
            break;
        case 2:
            if (hat) {
                std::snprintf(p.name, sizeof p.name, "%s", Read_Config_Get_Wert_Text());
                String_Klartext(p.name, sizeof p.name);
            }
            break;
        case 3:
        case 4:
            if (hat && p.typ == PERSONAL_SCHIEDSRICHTER) {
                int32_t v = Read_Config_Get_Wert();
                if (v < 1 || v > 6) v = 3;
                (k == 3 ? p.aufmerksamkeit : p.haerte) = static_cast<uint8_t>(v);
            }
            break;
        case 6:
            if (hat) {
                int32_t v = Read_Config_Get_Wert();
                p.land = static_cast<uint32_t>(v < 0 ? 0 : v > 65535 ? 65535 : v);
            }
            break;
        }
        if (hat && k >= 2) Personal_Packen(p, static_cast<uint8_t*>(element->data));
    }
    Read_Config_Close();
    Print_Log(0, "PERSONAL AUSGELESEN !\n");
}

int32_t Personal_Anzahl(int32_t typ) { return Personal_Get_Nummern(typ, nullptr, 0x7FFFFFFF); }

int32_t Personal_Get_Nummern(int32_t typ, int32_t* feld, int32_t n)
{
    if (!Personal_Check_Init()) return 0;
    int32_t anzahl = 0;
    Personal_Eintrag p;
    for (Liste_Element* e = Liste_First_Element(&personal_liste); e && anzahl < n;
         e = Liste_Next_Element(&personal_liste, e))
        if (eintrag_lesen(e, p) && p.typ == typ) {
            if (feld) feld[anzahl] = p.id;
            ++anzahl;
        }
    return anzahl;
}

int32_t Personal_Get_Daten_Liste(int32_t typ, uint8_t* feld, int32_t n)
{
    if (!Personal_Check_Init() || !feld) return 0;
    const uint32_t groesse = (typ == PERSONAL_SCHIEDSRICHTER ? PERSONAL_SCHIEDSRICHTER_BYTES : PERSONAL_ASSISTENT_BYTES) - 1;
    int32_t anzahl = 0;
    Personal_Eintrag p;
    for (Liste_Element* e = Liste_First_Element(&personal_liste); e && anzahl < n;
         e = Liste_Next_Element(&personal_liste, e))
        if (eintrag_lesen(e, p) && p.typ == typ) {
            uint8_t bytes[PERSONAL_SCHIEDSRICHTER_BYTES];
            Personal_Packen(p, bytes);
            std::memcpy(feld + static_cast<size_t>(anzahl) * groesse, bytes + 1, groesse);
            ++anzahl;
        }
    return anzahl;
}

const Personal_Eintrag* Personal_Get_Daten(int32_t id, int32_t typ)
{
    if (!Personal_Check_Init() || typ < 0 || typ > 1) return nullptr;
    Personal_Eintrag p;
    if (!finde(id, typ, p)) return nullptr;
    kopie[typ] = p;
    return &kopie[typ];
}

void Personal_Kopiere_Daten(int32_t id, int32_t typ, uint8_t* buffer)
{
    if (!Personal_Check_Init() || !buffer) return;
    Personal_Eintrag p;
    if (!finde(id, typ, p)) return;
    uint8_t bytes[PERSONAL_SCHIEDSRICHTER_BYTES];
    uint32_t n = Personal_Packen(p, bytes);
    std::memcpy(buffer, bytes + 1, n - 1);
}

const char* Personal_Get_Name(int32_t id, int32_t typ)
{
    const Personal_Eintrag* p = Personal_Get_Daten(id, typ);
    return p ? p->name : "unbekannt";
}

const char* Personal_Get_Bewertungstext(int32_t id, int32_t attribut)
{
    if (!Personal_Check_Init()) return "unbekannt";
    const Personal_Eintrag* p = Personal_Get_Daten(id, PERSONAL_SCHIEDSRICHTER);
    if (!p) return "nicht definiert";
    uint8_t v = attribut == 0 ? p->haerte : p->aufmerksamkeit;
    if (v > 6) return "";
    return attribut == 0 ? HAERTE_TEXT[v] : AUFMERKSAMKEIT_TEXT[v];
}

uint32_t Personal_Liste_Serialisieren(uint8_t** buffer)
{
    if (buffer) *buffer = nullptr;
    if (!buffer || !Personal_Check_Init()) return 0;
    return Liste_Save_Buffer(buffer, &personal_liste, -1);
}

bool Personal_Liste_Einlesen(const uint8_t* daten, uint32_t laenge)
{
    return daten && Personal_Check_Init() && Liste_Load_Buffer(daten, laenge, &personal_liste);
}

int32_t Personal_Internet_Client_Get_Liste()
{
    if (Netz_Rolle != 1) return 0;
    // A client reads no world of its own: the server's list is the only one it gets.
    if (!initialisiert) Personal_Init();
    void* daten = nullptr;
    uint32_t laenge = 0;
    const Internet_Arg args[] = {Internet_Zeiger_Ref(&daten, &laenge), Internet_Wert(0)};
    uint8_t fertig = 0;
    Internet_Client_Read(PERSONAL_GET_LISTE, "iC<=0i", nullptr, &fertig, args, 2);
    return (fertig & 1) && daten && Personal_Liste_Einlesen(static_cast<const uint8_t*>(daten), laenge) ? 1 : 0;
}

bool Personal_Write_Liste(Disk_Datei* datei)
{
    return Personal_Check_Init() && Liste_Write_File(datei, &personal_liste);
}

bool Personal_Read_Liste(Disk_Datei* datei)
{
    return Personal_Check_Init() && Liste_Read_File(datei, &personal_liste);
}
