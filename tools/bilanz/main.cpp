// dorvin_bilanz SPIELSTAND...: the health of the world a savegame holds. Per savegame one line of
// key=value words (the day, players in league clubs, in the transfer market and without a team,
// the smallest league squad, the league clubs short of 16 players, the club balances' median,
// sum and lowest in whole DM), one line per league level (its clubs, their balances' median and
// their mean yearly wages), then the money booked by category over all clubs in the running
// season and in the season before it (income and spending). With --vereine first, one line
// more per league club (its level, balance, squad, yearly wages and whether a manager runs it),
// to find the club behind a level's figures.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/welt_bilanz.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "economy/bank_welt.h"
#include "gameflow/globals.h"
#include "platform/disk.h"
#include "platform/liste.h"
#include "platform/os/os_text.h"
#include "platform/print.h"
#include "tools/bilanz/spalte.h"

namespace {

// The competitions' block comes before the teams' in a savegame, and its reader checks the links
// against the team count: it is kept here and taken over once the teams are read.
std::vector<uint8_t> wettbewerbe;

bool wettbewerbe_merken(Disk_Datei* datei, const char*)
{
    wettbewerbe.assign(Wettbewerb_Block_Groesse(), 0);
    return Disk_Lese_Block(datei, wettbewerbe.data(), static_cast<uint32_t>(wettbewerbe.size()));
}

void kategorien(const char* titel, const Bank_Welt_Summen& s)
{
    std::printf("  %s:\n", titel);
    double ein = 0, aus = 0;
    for (int32_t k = 1; k < BANK_KATEGORIEN; ++k) {
        if (s.einnahmen[k] == 0 && s.ausgaben[k] == 0) continue;
        std::printf("    %2d %s ein %15.0f  aus %15.0f\n", k, Bilanz_Spalte(Os_Text_Utf8(Bank_Kategorie_Name(k)), 30).c_str(),
                    s.einnahmen[k], s.ausgaben[k]);
        ein += s.einnahmen[k];
        aus += s.ausgaben[k];
    }
    std::printf("    %s ein %15.0f  aus %15.0f  saldo %15.0f\n", Bilanz_Spalte("zusammen", 33).c_str(), ein, aus, ein - aus);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool je_verein = argc > 1 && std::strcmp(argv[1], "--vereine") == 0;
    const int erste = je_verein ? 2 : 1;
    if (argc <= erste) {
        std::fprintf(stderr, "Aufruf: dorvin_bilanz [--vereine] SPIELSTAND...\n");
        return 2;
    }
    setenv("DORVIN_HEADLESS", "1", 1);
    // only the blocks the figures come from, read without a running game to fall back on
    for (int pos = 1; pos <= DISK_POSITIONEN; ++pos)
        if (pos != DISK_POS_FREI) Disk_Block_Registrieren(pos, nullptr, nullptr);
    Disk_Block_Registrieren(DISK_POS_ABLAUF, nullptr, Globals_Read_Bin_Block);
    Disk_Block_Registrieren(DISK_POS_WETTBEWERBE, nullptr, wettbewerbe_merken);
    Disk_Block_Registrieren(DISK_POS_TEAMS, nullptr, Team_Read_Bin_Block);
    Disk_Block_Registrieren(DISK_POS_SPIELER, nullptr, Spieler_Read_Bin_Block);
    Disk_Block_Registrieren(DISK_POS_TEAMSPIELER, nullptr, Teamspieler_Read_Bin_Block);
    Disk_Block_Registrieren(DISK_POS_BANK, nullptr, Bank_Laden);
    Disk_Block_Registrieren(DISK_POS_MANAGER, nullptr, Manager_Read_Bin_Block);
    int fehler = 0;
    for (int i = erste; i < argc; ++i) {
        // a bare name would be looked up in the program's savegame folder
        const std::string pfad = std::strchr(argv[i], '/') ? argv[i] : std::string("./") + argv[i];
        // A savegame without a competitions' block must not show the one before it.
        wettbewerbe.clear();
        if (!Disk_Spielstand_Einsehen(pfad.c_str())) {
            std::fprintf(stderr, "%s: nicht lesbar\n", argv[i]);
            ++fehler;
            continue;
        }
        // The top league's eleven is counted by the league levels: the savegame's competitions
        // come first. Without them every club counts on one level, never on the levels of the
        // savegame read before.
        const bool ligen = Wettbewerb_Block_Entpacken(wettbewerbe.data(), wettbewerbe.size(), Team_Anzahl);
        const Welt_Bilanz b = ligen ? Welt_Bilanz_Zaehlen() : Welt_Bilanz_Zaehlen([](int32_t) { return 0; });
        std::printf("%s datei=%s\n", Welt_Bilanz_Zeile(b).c_str(), argv[i]);
        if (ligen) {
            for (const Welt_Stufe& s : Welt_Bilanz_Stufen()) std::printf("  %s\n", Welt_Stufe_Zeile(s).c_str());
            if (je_verein)
                for (const Welt_Verein& v : Welt_Bilanz_Vereine()) std::printf("  %s\n", Welt_Verein_Zeile(v).c_str());
        }
        kategorien("laufende Saison", Bank_Welt_Get_Summen(0));
        kategorien("Saison davor", Bank_Welt_Get_Summen(1));
    }
    return fehler ? 1 : 0;
}
