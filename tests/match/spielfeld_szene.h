// A cleared live record over the small world, with players placed by hand: the base of the tests
// that script positions on the pitch.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "competitions/spiele_welt.h"
#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/spielfeld.h"

class Spielfeld_Szene : public spielwelt::Spielwelt {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    Spielfeld_Objekt& b() { return r->objekt[SPIELFELD_BALL]; }
    void SetUp() override
    {
        Spielwelt::SetUp();
        Spielfeld_Init();
        *r = Spielfeld_Record{};
        for (Spielfeld_Spieler& e : r->spieler) e.spnr = -1;
        for (Spielfeld_Objekt& o : r->objekt)
            for (Spielfeld_Auftrag& a : o.auftrag) a.animation = -1;
        for (int32_t s = 0; s < 2; ++s)
            for (int32_t k = 0; k < 7; ++k) r->einwechsel[s][k] = r->auswechsel[s][k] = -1;
        r->ballhalter = r->voriger_halter = -1;
        r->passempfaenger = r->letzter_passgeber = -1;
        r->foul_taeter = r->gefoulter = -1;
        r->spiel = uint32_t(-1);
        b().aktiv = 1;
        Spielfeld_Tor_Punkte_Setzen(r.get());
    }
    void TearDown() override
    {
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
    void spieler(int32_t slot, float x, float y, bool torwart = false, uint32_t zustand = SPIELFELD_AUF_DEM_PLATZ)
    {
        r->spieler[slot].spnr = slot;
        r->spieler[slot].zustand = zustand;
        Spielfeld_Objekt& o = r->objekt[slot];
        o.aktiv = 1;
        o.x = x;
        o.y = y;
        o.torwart = torwart ? 1 : 0;
    }
};
