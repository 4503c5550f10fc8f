#include "match/pitch/spielfeld_objekt.h"

#include <cmath>
#include <cstdlib>

#include "match/pitch/spielfeld_animationen.h"
#include "platform/print.h"

Spielfeld_Objekt* Ball_Objekt = nullptr;
Spielfeld_Auftrag* Ball_Auftrag = nullptr;

namespace {

bool gueltig(const Spielfeld_Record* r, int32_t o) { return r && o >= 0 && o < SPIELFELD_OBJEKTE; }

int32_t aktuell(const Spielfeld_Objekt& o) { return o.ring & 3; }

bool belegt(const Spielfeld_Auftrag& a) { return a.animation != -1 && a.art != 0; }

bool am_ziel(const Spielfeld_Objekt& o, const Spielfeld_Auftrag& a)
{
    return a.ziel[0] == o.x && a.ziel[1] == o.y && a.ziel[2] == o.z;
}

void alle_fertig(Spielfeld_Objekt& o)
{
    for (Spielfeld_Auftrag& a : o.auftrag) a.ende = 1;
}

// The next free slot after `start`, or -1 when the search comes back; skipped standing orders
// are ended so that the ring can move past them.
int32_t frei_suchen(Spielfeld_Objekt& o, int32_t start)
{
    int32_t k = (start + 1) & 3;
    while (k != start && belegt(o.auftrag[k])) {
        if (o.auftrag[k].tempo == 0.0f) o.auftrag[k].ende = 1;
        k = (k + 1) & 3;
    }
    return k == start ? -1 : k;
}

// The object's own standing animation (referee, assistants, goalkeeper).
int32_t ruhe_animation(const Spielfeld_Objekt& o, int32_t nr)
{
    if (nr == SPIELFELD_SCHIEDSRICHTER) return ANIM_SCHIRI_STEHEN;
    if (nr == 33 || nr == 34) return ANIM_LINIE_STEHEN;
    if (o.torwart) return ANIM_TW_STEHEN;
    return ANIM_STEHEN;
}

int32_t bewegung(const Spielfeld_Objekt& o, int32_t nr, int32_t klasse)
{
    static constexpr int32_t SCHIRI[5] = {ANIM_SCHIRI_STEHEN, 0, ANIM_SCHIRI_GEHEN, ANIM_SCHIRI_LAUFEN, ANIM_SCHIRI_RENNEN};
    static constexpr int32_t LINIE[5] = {ANIM_LINIE_STEHEN, 0, ANIM_LINIE_GEHEN, ANIM_LINIE_LAUFEN, ANIM_LINIE_RENNEN};
    static constexpr int32_t TORWART[5] = {ANIM_TW_STEHEN, 0, ANIM_TW_GEHEN, ANIM_TW_LAUFEN, ANIM_TW_LAUFEN};
    if (o.torwart) return TORWART[klasse];
    if (nr == SPIELFELD_SCHIEDSRICHTER) return SCHIRI[klasse];
    if (nr == 33 || nr == 34) return LINIE[klasse];
    return klasse;
}

}  // namespace

Spielfeld_Auftrag* Spielfeld_Aktueller_Auftrag(Spielfeld_Objekt* o) { return o ? &o->auftrag[aktuell(*o)] : nullptr; }

int32_t Spielfeld_Auftrag_Eintragen(Spielfeld_Record* r, int32_t nr, int32_t x, int32_t y, int32_t z, int32_t versatz,
                                    int32_t flags)
{
    if (!gueltig(r, nr) || versatz < -1) return -1;
    Spielfeld_Objekt& o = r->objekt[nr];
    const bool ersetzen = versatz == -1;
    if (ersetzen) versatz = 0;
    if (nr == SPIELFELD_BALL) {
        r->ball_ziel_x = float(x);
        r->ball_ziel_y = float(y);
        if (versatz == 0) o.fx = o.fy = o.ax = o.ay = 1.0f;
        if (r->ballhalter >= 0 && r->ballhalter < SPIELFELD_SLOTS) r->objekt[r->ballhalter].neu_entscheiden = 1;
    }
    const int32_t cur = aktuell(o);
    int32_t slot = (cur + versatz) & 3;
    if (versatz == 0) {
        Spielfeld_Auftrag& a = o.auftrag[cur];
        if (!ersetzen && a.art != 0 && a.dauer != 0.0f) {
            if (a.ende == -1) a.ende = 1;
            slot = flags & AUFTRAG_SUCHEN ? frei_suchen(o, cur) : -1;
            if (slot < 0) {
                alle_fertig(o);
                return -1;
            }
        }
        o.neuer_auftrag = 1;
        if (o.zustand == 0) o.entscheidung_timer = 0.0f;
    } else if (o.auftrag[slot].art != 0 && o.auftrag[cur].dauer != 0.0f) {
        const int32_t start = slot;
        slot = flags & AUFTRAG_SUCHEN ? frei_suchen(o, start) : -1;
        if (slot < 0) {
            alle_fertig(o);
            return -1;
        }
    }
    Spielfeld_Auftrag& a = o.auftrag[slot];
    a.ziel[0] = float(x);
    a.ziel[1] = float(y);
    a.ziel[2] = float(z);
    if (nr < SPIELFELD_SLOTS) {
        a.x_unter = a.ziel[0] < o.x;
        a.y_unter = a.ziel[1] < o.y;
    }
    if (flags & AUFTRAG_ART_0) a.art = 8;
    else if (flags & AUFTRAG_ART_2) a.art = 10;
    if (!(o.zustand != 0 && am_ziel(o, a))) o.neu_entscheiden = 0;
    return (slot - cur + 4) & 3;
}

void Spielfeld_Objekt_Richtung_Setzen(Spielfeld_Objekt* o, float tempo)
{
    if (!o) return;
    const Spielfeld_Auftrag& a = o->auftrag[aktuell(*o)];
    const float dx = std::fabs(a.ziel[0] - o->x), dy = std::fabs(a.ziel[1] - o->y);
    const float d = std::sqrt(dx * dx + dy * dy);
    const bool rollt = o->fx != 0.0f;
    if (dy != 0.0f) {
        o->vx = tempo * dx / d;
        o->vy = tempo * dy / d;
        if (rollt) {
            o->fx = 90.0f * dx / d;
            o->ax = 5.0f * dx / d;
            o->fy = 90.0f * dy / d;
            o->ay = 5.0f * dy / d;
        }
    } else {
        o->vx = tempo;
        o->vy = 0.0f;
        o->fy = o->ay = 0.0f;
        if (rollt) {
            o->fx = 90.0f;
            o->ax = 5.0f;
        }
    }
    o->vz = 0.0f;
    if (a.ziel[0] < o->x) {
        o->vx = -o->vx;
        o->fx = -o->fx;
        o->ax = -o->ax;
    }
    if (a.ziel[1] < o->y) {
        o->vy = -o->vy;
        o->fy = -o->fy;
        o->ay = -o->ay;
    }
    if (a.ziel[2] < o->z) o->vz = -o->vz;
}

void Spielfeld_Auftrag_Tempo_Setzen(Spielfeld_Record* r, int32_t nr, float tempo, int32_t relativ)
{
    if (!gueltig(r, nr)) return;
    Spielfeld_Objekt& o = r->objekt[nr];
    if (tempo < 0.0f) tempo = 0.0f;
    if (relativ > 0) {
        o.auftrag[(aktuell(o) + relativ) & 3].tempo = tempo;
        return;
    }
    Spielfeld_Auftrag& a = o.auftrag[aktuell(o)];
    if (am_ziel(o, a)) tempo = 0.0f;
    o.neuer_auftrag = 1;
    Spielfeld_Objekt_Richtung_Setzen(&o, tempo);
    a.tempo = tempo;
}

// Walking up to 8 km/h, running up to 20 km/h, the bounds taken as the two-decimal figures.
int32_t Spielfeld_Tempo_Stufe(const Spielfeld_Auftrag* a)
{
    if (!a || a->tempo == 0.0f) return 0;
    return a->tempo <= 222.22f ? 2 : a->tempo <= 555.56f ? 3 : 4;
}

namespace {

// The order's animation for a checked object and animation: a move takes its figure's walk or
// run by the order's speed, a stand the figure's own stand. Inline in both callers: placing the
// players of every line-up passes fixed arguments, whose tests then fold away.
[[gnu::always_inline]] inline void animation_eintragen(Spielfeld_Record* r, int32_t nr, int32_t anim, int32_t wert_40, int32_t dauer,
                                int32_t wert_4, int32_t wert_6, int32_t wert_28, int32_t ende, int32_t relativ)
{
    Spielfeld_Objekt& o = r->objekt[nr];
    const int32_t cur = aktuell(o);
    const int32_t slot = (cur + relativ) & 3;
    if (relativ == 0) o.neuer_auftrag = 1;
    Spielfeld_Auftrag& a = o.auftrag[slot];
    a.richtung = -1;
    if (anim == ANIM_BEWEGEN) {
        const int32_t klasse = Spielfeld_Tempo_Stufe(&a);
        if (klasse == 0) a.richtung = 35;
        anim = bewegung(o, nr, klasse);
    }
    if (anim == ANIM_STEHEN) anim = ruhe_animation(o, nr);
    if (o.torwart && (anim == ANIM_BRUST || anim == ANIM_STEHEN)) anim = ANIM_TW_STEHEN;
    const Spielszenen_Animation& t = Spielszenen_Animationstabelle[anim];
    float d = float(dauer);
    if (wert_28 == 0) d = 0.0f;
    else if (dauer == -1) d = a.tempo == 0.0f ? 0.0f : t.ms_pro_bild * t.dauer_faktor / a.tempo;
    const bool behalten = relativ == 0 && (anim == a.animation || o.zielpunkt);
    if (!behalten) {
        a.wert_40 = uint8_t(wert_40);
        a.bild_ms = 0;
        if (relativ == 0) o.auftrag_zeit = d;
    }
    if ((o.x != o.letzte_x || o.y != o.letzte_y)) {
        if (o.letzte_x != 0.0f && o.letzte_x != -1.0f && r->situation == 0) {
            const float faktor = r->tempo_faktor < 1.0f ? 1.0f : r->tempo_faktor;
            o.distanz += int32_t(std::floor((std::fabs(o.x - o.letzte_x) + std::fabs(o.y - o.letzte_y)) / faktor));
        }
        o.letzte_x = o.x;
        o.letzte_y = o.y;
    }
    a.animation = anim;
    if (a.art & 8) a.art = uint8_t(a.art & ~8);
    else a.art = t.art;
    a.wert_4 = uint8_t(wert_4);
    a.wert_28 = uint8_t(wert_28);
    a.anim_standard = t.letztes_bild;
    o.auftrag_fertig = 0;
    a.wert_6 = wert_6 == -1 ? t.letztes_bild : uint8_t(wert_6);
    a.ende = int8_t(ende);
    a.dauer = d;
    const int32_t naechster = (slot + 1) & 3;
    if (naechster != cur) {
        o.auftrag[naechster].animation = -1;
        o.auftrag[naechster].art = 0;
    }
}

}  // namespace

void Spielfeld_Auftrag_Animation_Setzen(Spielfeld_Record* r, int32_t nr, int32_t anim, int32_t wert_40, int32_t dauer,
                                        int32_t wert_4, int32_t wert_6, int32_t wert_28, int32_t ende, int32_t relativ)
{
    if (!gueltig(r, nr) || relativ < 0) return;
    if (!Spielszenen_Animation_Gueltig(anim)) {
        Print_Fehler("Spielfeld_Auftrag_Animation_Setzen: Animation %d gibt es nicht!", anim);
        return;
    }
    animation_eintragen(r, nr, anim, wert_40, dauer, wert_4, wert_6, wert_28, ende, relativ);
}

int32_t Spielfeld_Auftrag_Geben(Spielfeld_Record* r, int32_t nr, int32_t x, int32_t y, int32_t z, int32_t tempo,
                                int32_t anim, int32_t wert_40, int32_t dauer, int32_t wert_4, int32_t wert_6,
                                int32_t wert_28, int32_t ende, int32_t versatz, int32_t flags)
{
    if (!gueltig(r, nr)) return 0;
    // An order read from a saved record may name any number: never index the table with it.
    if (!Spielszenen_Animation_Gueltig(anim)) {
        Print_Fehler("Spielfeld_Auftrag_Geben: Animation %d gibt es nicht!", anim);
        return 0;
    }
    if (x == -1) {
        const float* ruhe = Spielszenen_Animationstabelle[anim].ruhe;
        x = int32_t(ruhe[0]);
        y = int32_t(ruhe[1]);
        z = int32_t(ruhe[2]);
    }
    const int32_t k = Spielfeld_Auftrag_Eintragen(r, nr, x, y, z, versatz, flags);
    if (k < 0) return 0;
    Spielfeld_Auftrag_Tempo_Setzen(r, nr, float(tempo), k);
    Spielfeld_Objekt& o = r->objekt[nr];
    o.auftrag[(aktuell(o) + k) & 3].wartend = tempo == 0 && dauer > 0;
    Spielfeld_Auftrag_Animation_Setzen(r, nr, anim, wert_40, dauer, wert_4, wert_6, wert_28, ende, k);
    return 1;
}

void Spielfeld_Flug_Setzen(Spielfeld_Record* r, int32_t nr, float start_tempo)
{
    if (!gueltig(r, nr)) return;
    Spielfeld_Objekt& o = r->objekt[nr];
    Spielfeld_Auftrag& a = o.auftrag[aktuell(o)];
    o.z = 0.0f;
    a.start_tempo = start_tempo;
    a.tempo = 0.0f;
    o.flug_start = o.flug_uhr = 0.0f;
}

void Spielfeld_Spieler_Hinstellen(Spielfeld_Record* r, int32_t nr, int32_t x, int32_t y)
{
    if (!gueltig(r, nr)) return;
    // The rest place (x -1) and the ball's and officials' own fields take the general way.
    if (x == -1 || nr >= SPIELFELD_SLOTS || !Spielszenen_Animation_Gueltig(ANIM_BEWEGEN)) {
        Spielfeld_Objekt_Setzen(r, nr, x, y, 0);
        Spielfeld_Auftrag_Geben(r, nr, x, y, 0, 0, ANIM_BEWEGEN, 0, 0, 0, -1, 1, 0, -1, 0);
        return;
    }
    Spielfeld_Objekt& o = r->objekt[nr];
    o.x = float(x);
    o.y = float(y);
    o.z = 0.0f;
    // The current order is replaced by one to the very place: the target lies neither below the
    // position nor apart from it, so the order stands (speed 0, no direction, no wait).
    Spielfeld_Auftrag& a = o.auftrag[aktuell(o)];
    o.neuer_auftrag = 1;
    if (o.zustand == 0) {
        o.entscheidung_timer = 0.0f;
        o.neu_entscheiden = 0;
    }
    a.ziel[0] = o.x;
    a.ziel[1] = o.y;
    a.ziel[2] = 0.0f;
    a.x_unter = a.y_unter = 0;
    o.vx = o.vy = o.vz = 0.0f;
    o.fy = o.ay = 0.0f;
    if (o.fx != 0.0f) {
        o.fx = 90.0f;
        o.ax = 5.0f;
    }
    a.tempo = 0.0f;
    a.wartend = 0;
    animation_eintragen(r, nr, ANIM_BEWEGEN, 0, 0, 0, -1, 1, 0, 0);
}

void Spielfeld_Objekt_Setzen(Spielfeld_Record* r, int32_t nr, int32_t x, int32_t y, int32_t z)
{
    if (!gueltig(r, nr)) return;
    Spielfeld_Objekt& o = r->objekt[nr];
    if (x == -1) {
        const Spielfeld_Auftrag& a = o.auftrag[aktuell(o)];
        o.x = std::trunc(a.ziel[0]);
        o.y = std::trunc(a.ziel[1]);
        o.z = std::trunc(a.ziel[2]);
        return;
    }
    o.x = float(x);
    o.y = float(y);
    o.z = float(z);
}

void Spielfeld_Spieler_Zustaende_Loeschen(Spielfeld_Record* r)
{
    if (!r) return;
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i) {
        Spielfeld_Objekt& o = r->objekt[i];
        o.countdown_b = 0.0f;
        switch (o.zustand) {
        case '0': case '.': case '&': case '\'': case '$': case '%': break;
        default: o.zustand = 0;
        }
    }
}
