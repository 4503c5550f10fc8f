// A client and its server in one process: the client's requests go straight to the server's
// reader as participant 0, who has claimed a club, and the answer comes back.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/mutation.h"
#include "database/manager.h"
#include "platform/bytes.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "network/netzuser.h"

inline std::vector<uint8_t> Netz_Schleife_Antwort;
inline std::vector<std::vector<uint8_t>> Netz_Schleife_Anfragen;

// How many of the recorded requests asked call nr.
inline int32_t Netz_Schleife_Anfragen_Zaehlen(int32_t nr)
{
    int32_t n = 0;
    for (const auto& a : Netz_Schleife_Anfragen)
        if (a.size() >= 8 && int32_t(Bytes_Hole32(a.data() + 4)) == nr) ++n;
    return n;
}

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

// Rounds of a mutation test: the given number, or DORVIN_MUTATIONEN for a long run (the
// sanitizer build takes 100000).
inline int32_t Netz_Schleife_Mutationen(int32_t normal)
{
    const char* e = std::getenv("DORVIN_MUTATIONEN");
    const int32_t n = e ? std::atoi(e) : 0;
    return n > 0 ? n : normal;
}

// Sends mutated copies of good requests to the server as participant 0: most changes land in
// the packed arguments behind the format, some in the header and format, some cut the message.
inline void Netz_Schleife_Mutiert_Senden(const std::vector<std::vector<uint8_t>>& gut, uint32_t seed, int32_t runden)
{
    mutation::Folge f(seed);
    for (int32_t i = 0; i < runden && !gut.empty(); ++i) {
        std::vector<uint8_t> a = gut[size_t(i) % gut.size()];
        if (a.size() < 20) continue;
        const size_t format_ende = std::min<size_t>(a.size() - 1, 16 + Bytes_Hole32(a.data() + 8));
        const size_t von = f.bis(3) ? format_ende : 4;
        const int32_t n = 1 + int32_t(f.bis(6));
        for (int32_t k = 0; k < n; ++k) {
            const size_t pos = von + f.bis(a.size() - von);
            if (f.bis(2) && pos + 4 <= a.size()) Bytes_Setze32(a.data() + pos, mutation::grenzwert(f));
            else a[pos] = uint8_t(f());
        }
        if (f.bis(8) == 0) a.resize(f.bis(a.size()));
        Internet_Server_Antwort(&Mitspieler[0], a.data(), uint32_t(a.size()));
    }
}
