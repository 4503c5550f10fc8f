// Saving the edited players and clubs of a configuration set back into its two files
// ("<set + 1>_spieler.cfg", "<set + 1>_team.cfg"). Only the entries an editor changes are
// touched, each replaced where it stands in its block or added at the block's end; comments,
// sections, aliases and every other entry stay byte for byte, and CHECKSUMME is made anew. A file
// is replaced only after its temporary copy reads back through the reader as it was meant.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Config_Satz_Aenderung {
    std::vector<int32_t> spieler;              // edited players
    std::vector<int32_t> teams;                // edited clubs
    std::map<int32_t, std::string> vornamen;   // first names as typed (the record keeps the initial)
};

// The entries (keyword, value as written) the set gets for a player or a club.
std::vector<std::pair<std::string, std::string>> Config_Satz_Spieler_Eintraege(int32_t spnr, const Config_Satz_Aenderung& a);
std::vector<std::pair<std::string, std::string>> Config_Satz_Team_Eintraege(int32_t team);

// The file text with the block of number `nummer` (behind `block_wort`) given these entries;
// false when the text has no such block.
bool Config_Satz_Text_Aendern(std::string* text, const char* block_wort, int32_t nummer,
                              const std::vector<std::pair<std::string, std::string>>& eintraege);

// Saves both files of the set; false with the reason, and the message "Die Konfiguration wurde
// nicht gespeichert: ..." to the manager, when either file could not be replaced (a file replaced
// before stays replaced: each file is whole on its own).
bool Config_Satz_Speichern(int32_t satz, const Config_Satz_Aenderung& a, std::string* grund);
