// End of the game and release of its modules.
#pragma once

// Sets Programm_Ende. With a text: shows it, releases what is open and ends the process. With
// null: releases the game's modules, writes the closing log line and returns.
void Exit_Game(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Releases the game's modules in the fixed order below. Each module registers its release
// function when it starts; a slot without one is skipped. A second call releases nothing
// twice: every slot is run once per registration.
void DeInit_Game();

// Release slots in the order DeInit_Game runs them: the match day before the pitch and the
// match store it holds, the stores that refer to teams and players before the teams and players.
enum Exit_Freigabe : int {
    EXIT_FREIGABE_SPIELTAG,         // Spieltag_DeInit
    EXIT_FREIGABE_SPIELFELD,        // Spielfeld_DeInit
    EXIT_FREIGABE_SPIELE,           // Spiele_Freigeben
    EXIT_FREIGABE_STATISTIK,        // Statistik_Deinit
    EXIT_FREIGABE_RICHTER,          // Richter_DeInit
    EXIT_FREIGABE_BANK,             // Bank_DeInit
    EXIT_FREIGABE_STADION,          // Stadion_DeInit
    EXIT_FREIGABE_WERBUNG,          // Werbung_DeInit
    EXIT_FREIGABE_TRAININGSLAGER,   // Trainingslager_DeInit
    EXIT_FREIGABE_PERSONAL,         // Personal_DeInit
    EXIT_FREIGABE_SPIELER_GESICHT,  // Spieler_Gesicht_DeInit
    EXIT_FREIGABE_SPIELER,          // Spieler_DeInit
    EXIT_FREIGABE_TEAM,             // Team_Free_Arrays
    // The game flow's own stores come last: the modules above may still send news.
    EXIT_FREIGABE_NEWS,             // News_DeInit
    EXIT_FREIGABE_HIGHSCORE,        // Highscore_DeInit
    EXIT_FREIGABE_ANZAHL_MODULE,    // end of the modules that DeInit_Game releases
    // Released by Exit_Game after DeInit_Game, services last.
    EXIT_FREIGABE_MENUE = EXIT_FREIGABE_ANZAHL_MODULE, // Menue_Beenden
    EXIT_FREIGABE_CHAT,                                // Chat_DeInit
    EXIT_FREIGABE_SPIELERFIGUR,                        // Grafik_Spielerfigur_Cache_Freigeben
    EXIT_FREIGABE_COMPRESS_LZW,                        // Compress_LZW_DeInit
    EXIT_FREIGABE_ANZAHL,
};

// Registers the release function of a slot (null removes it). False for a bad slot.
bool Exit_Freigabe_Registrieren(int slot, void (*freigabe)());
