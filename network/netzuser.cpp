#include "network/netzuser.h"

#include <algorithm>
#include <cstring>

#include "platform/mem.h"

Mitspieler_Eintrag Mitspieler[NETZUSER_ANZAHL];
int32_t Netzuser_Belegt_Anzahl = 0;

uint8_t Netzuser_Belegt::operator=(int v)
{
    const uint8_t neu = uint8_t(v);
    // Only the table's marks count; a copy of an entry elsewhere is none of them.
    const auto* a = reinterpret_cast<const uint8_t*>(Mitspieler);
    const auto* p = reinterpret_cast<const uint8_t*>(this);
    if (p >= a && p < a + sizeof Mitspieler && !wert != !neu) Netzuser_Belegt_Anzahl += neu ? 1 : -1;
    wert = neu;
    return neu;
}

static uint32_t stand = 0;
void Netzuser_Geaendert() { ++stand; }
uint32_t Netzuser_Stand() { return stand; }

Mitspieler_Eintrag* Netzuser_Get_Free()
{
    // The entry found is about to be filled.
    Netzuser_Geaendert();
    for (auto& m : Mitspieler)
        if (!m.in_benutzung) return &m;
    return nullptr;
}

Mitspieler_Eintrag* Netzuser_Loeschen(Mitspieler_Eintrag* m)
{
    if (!m) return nullptr;
    Mem_Free(m->eingang, 0);
    Mem_Free(m->ausgang, 0);
    for (uint32_t i = 0; m->warteschlange && i < m->warteschlange_anzahl; ++i) Mem_Free(m->warteschlange[i].daten, 0);
    Mem_Free(m->warteschlange, 0);
    m->in_benutzung = 0;
    std::memset(m, 0, sizeof *m);
    Netzuser_Geaendert();
    return nullptr;
}

int32_t Netzuser_Anzahl()
{
    int32_t n = 0;
    if (!Netzuser_Belegt_Anzahl) return 0;
    for (const auto& m : Mitspieler) n += m.in_benutzung ? 1 : 0;
    return n;
}

Mitspieler_Eintrag* Netzuser_Get_Erster_Neuer()
{
    if (!Netzuser_Belegt_Anzahl) return nullptr;
    for (auto& m : Mitspieler)
        if (m.in_benutzung && m.neu) return &m;
    return nullptr;
}

int32_t Netzuser_Anzahl_Neue()
{
    int32_t n = 0;
    if (!Netzuser_Belegt_Anzahl) return 0;
    for (const auto& m : Mitspieler) n += (m.in_benutzung && m.neu) ? 1 : 0;
    return n;
}

Mitspieler_Eintrag* Netzuser_Naechster(int32_t* index)
{
    if (!index) return nullptr;
    for (int32_t i = *index < 0 ? 0 : *index; Netzuser_Belegt_Anzahl && i < NETZUSER_ANZAHL; ++i)
        if (Mitspieler[i].in_benutzung) {
            *index = i + 1;
            return &Mitspieler[i];
        }
    *index = NETZUSER_ANZAHL;
    return nullptr;
}

Mitspieler_Eintrag* Netzuser_Get_By_Team(int32_t team)
{
    if (!Netzuser_Belegt_Anzahl) return nullptr;
    for (auto& m : Mitspieler)
        if (m.in_benutzung && m.team == team) return &m;
    return nullptr;
}

uint32_t* Netzuser_Liste()
{
    auto* liste = static_cast<uint32_t*>(Mem_Alloc_Clear((1 + NETZUSER_ANZAHL) * 4, 0, 0));
    if (!liste) return nullptr;
    liste[0] = uint32_t(Netzuser_Anzahl());
    for (int i = 0; i < NETZUSER_ANZAHL; ++i)
        if (Mitspieler[i].in_benutzung) liste[1 + i] = Mitspieler[i].user_id;
    return liste;
}

int32_t Mitspieler_Team_Ist_Online(int32_t team) { return Netzuser_Get_By_Team(team) ? 1 : 0; }

void Netzuser_Statistik(uint32_t* bloecke_gesendet, uint32_t* bloecke_empfangen, uint32_t* bytes_gesendet,
                        uint32_t* gepackt_gesendet, uint32_t* bytes_empfangen, uint32_t* gepackt_empfangen)
{
    uint32_t s[6] = {};
    for (const auto& m : Mitspieler) {
        if (!m.in_benutzung) continue;
        s[0] += m.bloecke_gesendet;
        s[1] += m.bloecke_empfangen;
        s[2] += m.bytes_gesendet;
        s[3] += m.gepackt_gesendet;
        s[4] += m.bytes_empfangen;
        s[5] += m.gepackt_empfangen;
    }
    uint32_t* aus[6] = {bloecke_gesendet, bloecke_empfangen, bytes_gesendet, gepackt_gesendet, bytes_empfangen, gepackt_empfangen};
    for (int i = 0; i < 6; ++i)
        if (aus[i]) *aus[i] = s[i];
}

int32_t Netzuser_Stub() { return 0; }

bool Netzuser_Darf_Fragen(Mitspieler_Eintrag* m, uint32_t jetzt)
{
    if (!m || m->verein_beansprucht) return true;
    if (!m->vorrat_zeit) {
        m->vorrat = NETZUSER_VOR_ANSPRUCH_VORRAT;
    } else {
        const int64_t nachschub = int64_t(jetzt - m->vorrat_zeit) * NETZUSER_VOR_ANSPRUCH_RATE / 1000;
        m->vorrat = std::min(NETZUSER_VOR_ANSPRUCH_VORRAT, m->vorrat + nachschub);
    }
    m->vorrat_zeit = jetzt ? jetzt : 1;
    return m->vorrat > 0;
}

void Netzuser_Gefragt(Mitspieler_Eintrag* m, uint32_t n)
{
    if (m && !m->verein_beansprucht) m->vorrat -= n;
}
