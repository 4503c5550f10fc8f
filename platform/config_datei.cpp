#include "platform/config_datei.h"

#include <cstdio>
#include <cstring>

#include "platform/disk.h"
#include "platform/mem.h"
#include "platform/read_config.h"
#include "platform/os/os_file.h"

namespace {

Config_Lese_Hook lese_hook = nullptr;
bool umbenennen_fehler = false;

}  // namespace

void Config_Datei_Set_Lese_Hook(Config_Lese_Hook hook) { lese_hook = hook; }
void Config_Datei_Set_Umbenennen_Fehler(bool fehler) { umbenennen_fehler = fehler; }

int32_t Config_Text_Zeichen_Falsch(const char* text, size_t max)
{
    for (size_t i = 0; text && text[i] && i < max; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F || c == '"' || c == '[' || c == ']') return c;
    }
    return 0;
}

uint32_t Config_Text_Summe(std::string_view text)
{
    if (!Read_Config_Open_Buffer(text.data(), uint32_t(text.size()), -1, 0, -1)) return 0;
    while (*Read_Config_Read_Zeile(nullptr, true)) {
    }
    const uint32_t summe = Read_Config_Get_Summe();
    Read_Config_Close();
    return summe;
}

std::string Config_Summenzeile(std::string_view text, size_t breite, const char* zeilenende)
{
    return Config_Summenzeile_Aus(Config_Text_Summe(text), breite, zeilenende);
}

std::string Config_Summenzeile_Aus(uint32_t summe, size_t breite, const char* zeilenende)
{
    std::string feld = std::to_string(summe);
    if (feld.size() < breite) feld.append(breite - feld.size(), ' ');
    return "CHECKSUMME " + feld + (zeilenende ? zeilenende : "\n");
}

bool Config_Datei_Ersetzen(const std::string& pfad, const std::string& inhalt, const Config_Pruefung& pruefen,
                           std::string* grund)
{
    std::string g;
    const std::string temp = pfad + ".tmp";
    Disk_Datei* d = Disk_Open_Schreiben(temp.c_str());
    bool ok = d != nullptr;
    if (!ok) g = pfad + " ist nicht schreibbar";
    if (ok) {
        ok = Disk_Schreibe_Block(d, inhalt.data(), static_cast<uint32_t>(inhalt.size()));
        ok = Disk_Close(d) && ok;
        if (!ok) g = "der Datenträger ist voll oder nicht schreibbar";
    }
    uint32_t laenge = 0;
    uint8_t* zurueck = ok ? Disk_Lese_Datei(temp.c_str(), &laenge) : nullptr;
    std::string gelesen = zurueck ? std::string(reinterpret_cast<const char*>(zurueck), laenge) : std::string();
    if (zurueck) Mem_Free(zurueck, 0);
    if (lese_hook && ok) lese_hook(&gelesen);
    if (ok && (!zurueck || gelesen != inhalt)) {
        g = "die geschriebene Datei weicht ab";
        ok = false;
    }
    if (ok && pruefen && !pruefen(gelesen, &g)) ok = false;
    if (ok && (umbenennen_fehler || !Os_File_Rename(temp.c_str(), pfad.c_str()))) {
        g = pfad + " kann nicht ersetzt werden";
        ok = false;
    }
    if (!ok) Os_File_Delete(temp.c_str());
    if (grund) *grund = g;
    return ok;
}
