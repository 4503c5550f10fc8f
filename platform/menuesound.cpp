#include "platform/menuesound.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/string_util.h"
#include "platform/win95.h"
#include "platform/win95_sound.h"
#include "platform/os/os_file.h"

static std::string ordner;
static std::vector<std::array<char, MENUESOUND_NAME_LAENGE>> liste;
static int menuesound_id = -1;
static int aktuelle_nummer = -1;
static int32_t menuesound_volume = 0;

void Menuesound_Set_Ordner(const char* o) { ordner = o ? o : ""; }

int Menuesound_Liste_Laden()
{
    Menuesound_Liste_Freigeben();
    if (ordner.empty()) return 0;
    // The file search gives the names sorted, so every machine numbers the sounds alike.
    int anzahl = Win95_Count_Files(ordner.c_str(), "*.wav");
    if (anzahl <= 0) return 0;
    std::vector<char> namen(size_t(anzahl) * MENUESOUND_NAME_LAENGE, 0);
    anzahl = Win95_Get_File_Names(ordner.c_str(), "*.wav", anzahl, namen.data());
    for (int i = 0; i < anzahl; ++i) {
        const char* name = namen.data() + size_t(i) * MENUESOUND_NAME_LAENGE;
        std::string pfad = ordner + "/" + name;
        if (!Win95_Sound_Wav_Pruefen(pfad.c_str())) {
            Requester_Printf("Die Menü-Sound-Datei \"%s\" ist fehlerhaft und wird daher ignoriert.", pfad.c_str());
            continue;
        }
        if (int(liste.size()) >= MENUESOUND_DATEIEN_MAX) continue;
        std::array<char, MENUESOUND_NAME_LAENGE> eintrag{};
        std::memcpy(eintrag.data(), name, MENUESOUND_NAME_LAENGE);
        liste.push_back(eintrag);
    }
    return int(liste.size());
}

void Menuesound_Liste_Freigeben() { liste.clear(); }

int Menuesound_Anzahl() { return int(liste.size()); }

bool Menuesound_Gueltig(int index) { return index >= 0 && index < int(liste.size()); }

const char* Menuesound_Get_Name(int index) { return Menuesound_Gueltig(index) ? liste[index].data() : nullptr; }

static void playing_freigeben()
{
    Sound_Stop(menuesound_id);
    menuesound_id = Sound_Free_Sample(menuesound_id);
    aktuelle_nummer = -1;
}

static void starten(const std::vector<uint8_t>& bild, int n)
{
    playing_freigeben();
    menuesound_id = Sound_Load_Sample(bild.data(), uint32_t(bild.size()));
    if (menuesound_id >= 0) {
        Sound_Play(menuesound_id, 1, 0, menuesound_volume, 0);
        aktuelle_nummer = n;
    }
}

int Menuesound_Play(int n, uint8_t)
{
    // The number playing keeps playing: menus that share a sound do not restart it.
    if (n == aktuelle_nummer) return 1;
    if (n >= 0 && n < MENUESOUND_RESOURCEN) {
        std::vector<uint8_t> bild;
        if (Soundeffekt_Resource_Holen(ResFile_Handles[0].handle, MENUESOUND_RESOURCE_BASIS + n, bild)) starten(bild, n);
        else playing_freigeben();
    } else if (n >= MENUESOUND_RESOURCEN && Menuesound_Gueltig(n - MENUESOUND_RESOURCEN)) {
        std::string pfad = ordner + "/" + Menuesound_Get_Name(n - MENUESOUND_RESOURCEN);
        uint32_t groesse = Win95_Get_File_Size(pfad.c_str());
        if (groesse == 0) return menuesound_id;
        std::vector<uint8_t> bild(groesse);
        std::FILE* f = Os_File_Open(pfad.c_str(), "rb");
        bool gelesen = f && std::fread(bild.data(), 1, groesse, f) == groesse;
        if (f) std::fclose(f);
        if (gelesen) starten(bild, n);
    }
    return menuesound_id;
}

void Menuesound_Stop(uint8_t)
{
    playing_freigeben();
}

int Menuesound_Id() { return menuesound_id; }

void Menuesound_Leise() { Sound_Set_Volume(menuesound_id, Sound_Volume_Min()); }

void Menuesound_Laut() { Sound_Set_Volume(menuesound_id, menuesound_volume); }
