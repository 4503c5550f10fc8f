#include "platform/sound.h"

#include <vector>

#include "platform/win95_sound.h"
#include "platform/os/os_file.h"

static uint32_t sound_da = 0;
static int32_t slot_anzahl = 0;
static int stream_id = -1;

int Sound_Init()
{
    if (sound_da) return 0;
    int ok = Win95_Sound_Create();
    if (ok) {
        slot_anzahl = Win95_Sound_Anzahl_Slots();
        sound_da = 1;
        stream_id = -1;
    }
    return ok;
}

int Sound_DeInit()
{
    if (sound_da) Win95_Sound_Release();
    sound_da = 0;
    stream_id = -1;
    return 1;
}

bool Sound_Id_Gueltig(int id) { return id >= 0 && id < slot_anzahl; }

int Sound_Id_Pruefen(int id)
{
    if (!sound_da) return 0;
    return Sound_Id_Gueltig(id) ? 1 : -1;
}

int Sound_Play(int id, int loop, int, int32_t volume, int32_t pan)
{
    if (Sound_Id_Pruefen(id) != 1) return 0;
    return Win95_Sound_Play(id, loop, volume, pan);
}

int Sound_Stop(int id)
{
    if (Sound_Id_Pruefen(id) != 1) return 0;
    Win95_Sound_Stop(id);
    return 1;
}

int Sound_Set_Volume(int id, int32_t volume)
{
    if (Sound_Id_Pruefen(id) != 1) return 0;
    Win95_Sound_Set_Volume(id, volume);
    return 1;
}

int Sound_Load_Sample(const void* image, uint32_t length)
{
    if (!sound_da || !image) return -1;
    return Win95_Sound_Sample_Anlegen(image, length, -1, -1, -1);
}

int Sound_Free_Sample(int id)
{
    if (Sound_Id_Pruefen(id) == 1) Win95_Sound_Free(id);
    return -1;
}

int Sound_Is_Playing(int id)
{
    if (Sound_Id_Pruefen(id) != 1) return 0;
    return Win95_Sound_Is_Playing(id);
}

void Sound_Stream_Service()
{
    if (!sound_da || stream_id < 0) return;
    // The layer frees the slot of a finished stream; its id must not name another sample later.
    if (Win95_Stream_Service(stream_id) == 0) stream_id = -1;
}

int Sound_Stream_Start(std::FILE* file, uint32_t length)
{
    if (!sound_da || stream_id >= 0) return -1;
    stream_id = Win95_Stream_Start(file, length);
    return stream_id;
}

int Sound_Stream_Stop()
{
    if (!sound_da) return -1;
    Win95_Stream_Stop(stream_id);
    stream_id = -1;
    return 1;
}

int Sound_Stream_Id() { return stream_id; }

int32_t Sound_Volume_Min() { return Win95_Sound_Volume_Min(); }
int32_t Sound_Volume_Max() { return Win95_Sound_Volume_Max(); }
int32_t Sound_Pan_Links() { return Win95_Sound_Pan_Links(); }
int32_t Sound_Pan_Rechts() { return Win95_Sound_Pan_Rechts(); }

uint32_t Sound_Get_Position(int id)
{
    if (Sound_Id_Pruefen(id) != 1) return 0;
    return Win95_Sound_Get_Position(id);
}

uint32_t Sound_Datei_Laenge(std::FILE* file)
{
    if (!file) return 0;
    long pos = std::ftell(file);
    if (pos < 0 || std::fseek(file, 0, SEEK_END) != 0) return 0;
    long laenge = std::ftell(file);
    std::fseek(file, pos, SEEK_SET);
    return laenge > 0 && laenge <= 0x7FFFFFFFL ? uint32_t(laenge) : 0;
}

int Sound_Load_File(const char* path)
{
    if (!sound_da || !path) return -1;
    std::FILE* f = Os_File_Open(path, "rb");
    if (!f) return -1;
    std::vector<uint8_t> daten(Sound_Datei_Laenge(f));
    size_t n = daten.empty() ? 0 : std::fread(daten.data(), 1, daten.size(), f);
    std::fclose(f);
    if (n == 0) return -1;
    return Sound_Load_Sample(daten.data(), uint32_t(n));
}
