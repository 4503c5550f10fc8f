// A client and its server in one process: the client's requests go straight to the server's
// reader as participant 0, who has claimed a club, and the answer comes back.
#pragma once
#include <cstdint>
#include <vector>

#include "database/manager.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "network/netzuser.h"

inline std::vector<uint8_t> Netz_Schleife_Antwort;
inline std::vector<std::vector<uint8_t>> Netz_Schleife_Anfragen;

inline bool Netz_Schleife_Ueber_Den_Server(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* aus)
{
    Netz_Schleife_Anfragen.push_back(anfrage);
    Netz_Rolle = 2;
    Netz_Schleife_Antwort.clear();
    Internet_Server_Antwort(&Mitspieler[0], anfrage.data(), uint32_t(anfrage.size()));
    Netz_Rolle = 1;
    *aus = Netz_Schleife_Antwort;
    return !aus->empty();
}

// The club gets a manager, participant 0 claims it; the game counts as started. False when the
// claim is refused.
inline bool Netz_Schleife_Anlegen(int32_t team)
{
    Netz_Rolle = 2;
    Manager_Neuer_Mitspieler(team, "A");
    Eingang_Set_Spiel_Gestartet(true);
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    Mitspieler[0].in_benutzung = 1;
    Internet_Set_Server_Sender([](Mitspieler_Eintrag*, const uint8_t* d, uint32_t n) {
        Netz_Schleife_Antwort.assign(d, d + n);
        return 1;
    });
    Aktuelles_Team = team;
    Handelndes_Team = uint32_t(team);
    Netz_Schleife_Anfragen.clear();
    return Internet_Verein_Beanspruchen(&Mitspieler[0], team);
}

inline void Netz_Schleife_Abbauen()
{
    Internet_Set_Client_Austausch(nullptr);
    Internet_Set_Server_Sender(nullptr);
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    Eingang_Set_Spiel_Gestartet(false);
    Netz_Rolle = 2;
    Manager_Anzahl = 0;
    Handelndes_Team = 0;
}
