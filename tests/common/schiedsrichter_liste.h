// A staff list of referees "Pfeife ID" in the list module's buffer form, as a server sends it
// and a savegame keeps it; the staff module is started and stopped around the build.
#pragma once
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "database/personal.h"
#include "platform/liste.h"
#include "platform/mem.h"

inline std::vector<uint8_t> Test_Schiedsrichter_Liste(std::initializer_list<int16_t> ids)
{
    Personal_Init();
    Liste quelle;
    Liste_Init(&quelle);
    for (int16_t id : ids) {
        Personal_Eintrag e{};
        e.typ = PERSONAL_SCHIEDSRICHTER;
        e.id = id;
        std::snprintf(e.name, sizeof e.name, "Pfeife %d", id);
        e.haerte = 5;
        e.aufmerksamkeit = 2;
        uint8_t b[PERSONAL_SCHIEDSRICHTER_BYTES];
        Liste_Insert_Element(&quelle, Liste_Get_Last(&quelle), b, Personal_Packen(e, b), uint32_t(id));
    }
    uint8_t* bild = nullptr;
    const uint32_t n = Liste_Save_Buffer(&bild, &quelle, -1);
    Liste_Delete_All(&quelle);
    std::vector<uint8_t> v(bild, bild + n);
    Mem_Free(bild, 0);
    Personal_DeInit();
    return v;
}
