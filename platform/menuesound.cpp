#include "platform/menuesound.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/win95.h"
#include "platform/win95_sound.h"

static std::string ordner;
static std::vector<std::array<char, MENUESOUND_NAME_LAENGE>> liste;
static int menuesound_id = -1;
static int aktuelle_nummer = -1;
static int32_t menuesound_volume = 0;

void Menuesound_Set_Ordner(const char* o) { ordner = o ? o : ""; }

// The "*.wav" names of a folder, sorted so that every machine finds the same order. To be
// replaced by the program's own file search when it exists.
static std::vector<std::string> wav_dateien(const std::string& pfad)
{
    std::vector<std::string> namen;
    std::error_code fehler;
    for (const auto& e : std::filesystem::directory_iterator(pfad, fehler)) {
        std::string name = e.path().filename().string();
        if (name.size() < 4 || !e.is_regular_file(fehler)) continue;
        std::string endung = name.substr(name.size() - 4);
        for (char& c : endung) c = char(std::tolower(static_cast<unsigned char>(c)));
        if (endung == ".wav") namen.push_back(name);
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

int Menuesound_Liste_Laden()
{
    Menuesound_Liste_Freigeben();
    if (ordner.empty()) return 0;
    for (const auto& name : wav_dateien(ordner)) {
        // A name that does not fit its entry could not be opened again: leave it out.
        if (name.size() >= MENUESOUND_NAME_LAENGE) continue;
        std::string pfad = ordner + "/" + name;
        if (!Win95_Sound_Wav_Pruefen(pfad.c_str())) {
            Win95_Meldung("Die Menü-Sound-Datei \"%s\" ist fehlerhaft und wird daher ignoriert.", pfad.c_str());
            continue;
        }
        if (int(liste.size()) >= MENUESOUND_DATEIEN_MAX) continue;
        std::array<char, MENUESOUND_NAME_LAENGE> eintrag{};
        std::memcpy(eintrag.data(), name.data(), name.size());
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
        std::FILE* f = std::fopen(pfad.c_str(), "rb");
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
