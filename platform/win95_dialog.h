// The common dialogs (file open and save, list choice, text input, colour chooser), the
// clipboard and the start-options dialog with its settings file. The program draws the dialogs
// itself: the toolkit registers the procedure that shows them at start-up; without it each
// dialog gives its failure result. Headless, the toolkit's procedure takes the script's answers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Room of the file name buffers of the file dialogs, terminator included.
constexpr int32_t WIN95_DATEINAME_GROESSE = 260;
// Entries of the list dialog lie in consecutive blocks of this size.
constexpr int32_t WIN95_LISTE_EINTRAG = 256;

enum class Win95_Dialog_Art : uint8_t { Oeffnen = 1, Speichern, Liste, Text, Farben, Startoptionen };

// Start options: nine 32-bit fields, as the file "dorvin_start_opt.bin" holds them.
struct Start_Optionen {
    uint32_t rolle;           // 2 server with client abilities, 1 client, 0 normal version
    uint32_t kein_sound, keine_filme, protokoll, konsole, debug_ausgaben, direct_x, aufloesung_800, speichern;
};
constexpr uint32_t START_OPTIONEN_BYTES = 36;

struct Win95_Dialog_Position;
// The message a dialog sends its hook when it opens (the value Windows gives it).
constexpr uint32_t WIN95_DIALOG_OEFFNEN = 0x0110;
// The file dialogs' hook: the dialog calls it with where it stands and a message.
using Win95_Datei_Hook = int64_t (*)(const Win95_Dialog_Position* fenster, uint32_t nachricht, uint64_t wparam,
                                     int64_t lparam);

// What a dialog shows and, after OK, what the user chose.
struct Win95_Dialog_Anfrage {
    Win95_Dialog_Art art = Win95_Dialog_Art::Liste;
    const char* titel = "";
    std::string filter;                  // file dialogs: "Spielstand (*.sgv)"
    std::vector<std::string> eintraege;  // file names (sorted) or list lines
    int32_t auswahl = -1;                // the line chosen at the start, and at the end
    std::string text;                    // the name field or the edited text
    uint8_t farben[48] = {};             // 16 RGB triplets
    Start_Optionen optionen{};
    Win95_Datei_Hook hook = nullptr;     // file dialogs: Win95_File_Dialog_Hook
};
// Shows the dialog until it is closed; true for OK.
using Win95_Dialog_Prozedur = bool (*)(Win95_Dialog_Anfrage* anfrage);
// Returns the procedure set before, so that a test can put it back.
Win95_Dialog_Prozedur Win95_Dialog_Hook_Setzen(Win95_Dialog_Prozedur prozedur);

// The filter entry "description (pattern)" and the default extension (the pattern without its
// first two characters, "*.pcx" gives "pcx").
std::string Win95_Dialog_Filter(const char* beschreibung, const char* muster);
std::string Win95_Dialog_Endung(const char* muster);

// Non-zero when a name was chosen; the buffer (WIN95_DATEINAME_GROESSE bytes) then holds the
// full path. The dialogs list the pattern's files of the buffer's folder (else the savegame
// folder), sorted by name.
int32_t Win95_Open_File_Dialog(char* dateiname, const char* beschreibung, const char* muster);
int32_t Win95_Save_File_Dialog(char* dateiname, const char* beschreibung, const char* muster);
// The hook of both file dialogs: keeps where the dialog stands in Win95_Dialog_Fenster, so that
// a repaint leaves the dialog alone; 0 (default handling).
int64_t Win95_File_Dialog_Hook(const Win95_Dialog_Position* fenster, uint32_t nachricht, uint64_t wparam, int64_t lparam);
// The chosen index of the 256-byte entries, -1 for "Abbruch". The result is the next call's
// first line (the first line when it lies beyond the new list).
int32_t Win95_Liste_Auswahl(const char* eintraege, int32_t anzahl);
// On OK the text goes back into the buffer (cut to groesse - 1 characters) and its length is the
// result; "Abbruch" gives 0 and leaves the buffer as it was.
int32_t Win95_Text_Input_Dialog(char* text, int32_t groesse, const char* titel = nullptr);
// Lets the user edit 16 RGB triplets; written back on OK. Returns 0.
int32_t Win95_Farbe_Auswaehlen(uint8_t* farben);

// Copies the clipboard's text into the buffer, always terminated within groesse; 1, or 0 when
// the clipboard holds no text.
int32_t Win95_Clipboard_Text_Get(char* puffer, int32_t groesse);
int32_t Win95_Clipboard_Text_Set(const char* text);
// The clipboard carries text only here: a picture comes as the name of a bitmap file (one
// plane, 15 or 16 bits per pixel; a path or a file:// address) in its text. Without one both
// give 0, as for a clipboard without a picture. Get copies only a picture of exactly this size
// (rows top first, width x height x 2 bytes).
int32_t Win95_Clipboard_Bitmap_Size(int32_t* breite, int32_t* hoehe);
int32_t Win95_Clipboard_Bitmap_Get(uint16_t* pixel, int32_t breite, int32_t hoehe);

// The start-options file: a short file fills only the fields it holds; false when it does not
// open. Writing gives false when the file cannot be written.
bool Start_Optionen_Lesen(const char* pfad, Start_Optionen* optionen);
bool Start_Optionen_Schreiben(const char* pfad, const Start_Optionen& optionen);
// Reads the file of the program folder, shows the dialog, writes the file back when "save
// settings" is on; 1 for OK, 0 for "Abbruch" or no record. Nothing in the program calls it.
int32_t Start_Optionen_Dialog(Start_Optionen* optionen);
