// The line-up screen's pitch and its substitutions: pixel mapping, favourite position, icon
// placement, area weights, the substitutes panel and the pairs a drop writes for a PC alone
// (role 0) and through the change block (role 3).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "database/db_hilfe.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "match/spielfeld.h"
#include "matchview/lineup/anweisungen.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/motivation.h"
#include "matchview/lineup/screen.h"
#include "matchview/lineup/spieldaten.h"
#include "matchview/spielszenen.h"
#include "matchview/spielszenen_taktik.h"
#include "network/netz.h"
#include "platform/os/os_intern.h"
#include "tests/matchview/aufstellung_liste_merker.h"
#include "toolkit/btnscreen.h"
#include "toolkit/popup.h"

namespace {

constexpr int32_t HEIM = 0, GAST = 1;
std::vector<std::string> zeilen;
std::vector<std::string> texte;

// Home slots 0-10 on the pitch, 11-15 on the bench; the same for the away side; player = slot.
class AufstellungFeld : public ::testing::Test {
protected:
    Aufstellung_Liste_Merker liste;
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    int32_t eigen = 0, server_team = -1;
    uint32_t rolle = 0;
    void SetUp() override
    {
        eigen = Netz_Get_Eigenes_Team();
        server_team = Server_Team;
        rolle = Netz_Rolle;
        Test_Spieler_Anlegen(40);
        Aufstellung_Liste_Bauen();
        r->team[0] = HEIM;
        r->team[1] = GAST;
        for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
            Spielfeld_Spieler& s = r->spieler[slot];
            s.spnr = slot;
            s.zustand = slot % 16 < 11 ? SPIELFELD_AUF_DEM_PLATZ : SPIELFELD_ERSATZ;
            r->objekt[slot].aktiv = 1;
            int32_t t[8] = {1000, 3000, 1000, 3000, 1500, 2500, 1500, 2500};
            std::memcpy(s.taktik_punkte, t, sizeof t);
        }
        std::memset(r->einwechsel, 0xFF, sizeof r->einwechsel);
        std::memset(r->auswechsel, 0xFF, sizeof r->auswechsel);
        std::memset(r->netz_einwechsel, 0xFF, sizeof r->netz_einwechsel);
        std::memset(r->netz_auswechsel, 0xFF, sizeof r->netz_auswechsel);
        r->wechsel_uebrig[0] = r->wechsel_uebrig[1] = 3;
        Screen_Record = r.get();
        Screen_Seite = 0;
        Screen_Page = PAGE_AUFSTELLUNG;
        Screen_Phase_Vor_Spiel = Screen_Phase_Kabine = Screen_Phase_Nach_Spiel = 0;
        // This PC's club in either role: a client's login, a server's own manager.
        Netz_Set_Eigenes_Team(HEIM);
        Server_Team = HEIM;
        Netz_Rolle = 0;
        zeilen.clear();
        Auswechsel_Text_Hook = [](int32_t seite, const char* t) { zeilen.push_back(std::to_string(seite) + t); };
    }
    void TearDown() override
    {
        Auswechsel_Text_Hook = nullptr;
        Auswechsel_Zug_Freigeben();
        Netz_Set_Eigenes_Team(eigen);
        Server_Team = server_team;
        Netz_Rolle = rolle;
        Screen_Record = nullptr;
        Screen_Phase_Vor_Spiel = Screen_Phase_Kabine = Screen_Phase_Nach_Spiel = 0;
        Test_Aufraeumen();
    }
    static Btnscreen_Gadget* G(int32_t n) { return &Aufstellung_Liste[n]; }
    // Drags the substitute in bank entry i of the home side and drops him at (x, y).
    static void ziehen(int32_t eintrag, int32_t slot, int32_t x, int32_t y)
    {
        Btnscreen_Gadget* e = G(AG_HEIM_BANK + eintrag);
        e->benutzer[1] = uint32_t(slot);
        e->benutzer[2] = TYP_BANK;
        Os_Input_Set_Mouse(x, y);
        Auswechsel_Drag_Start(e);
        Auswechsel_Drag_Serve(e, x, y);
        Auswechsel_Drag_Stop(e);
    }
    // Home icon 0 holds slot 3 at (200, 300).
    static Btnscreen_Gadget* trikot()
    {
        Btnscreen_Gadget* i = G(AG_HEIM_ICON);
        i->benutzer[1] = 3;
        i->benutzer[2] = TYP_ICON;
        i->x = 200, i->y = 300, i->w = 20, i->h = 26;
        return i;
    }
};

TEST_F(AufstellungFeld, PitchUnitsMapToThePitchPixelsAndAreasAreSortedFirst)
{
    int32_t t[8] = {10800, 0, 6806, 0, 0, 10800, 0, 6806};
    std::memcpy(r->spieler[5].taktik_punkte, t, sizeof t);
    int32_t l, o, b, h, dx, dy, ox, oy, mx, my;
    Feld_Koordinaten_Lesen(r.get(), 5, &l, &o, &b, &h, &dx, &dy, &ox, &oy, &mx, &my);
    EXPECT_EQ(l, 114);
    EXPECT_EQ(o, 281);
    EXPECT_EQ(b, 412);
    EXPECT_EQ(h, 196);
    EXPECT_EQ(dx, 114);
    EXPECT_EQ(ox, 526);
    EXPECT_EQ(oy, 477);
    EXPECT_EQ(mx, 320);
    EXPECT_EQ(my, 379);
    // A bad slot reads as an empty area, not out of the record.
    Feld_Koordinaten_Lesen(r.get(), 99, &l, nullptr, &b, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(l, 114);
    EXPECT_EQ(b, 0);
}

TEST_F(AufstellungFeld, FavouritePositionSquareSitsOnItsRowAndAKeeperHasNone)
{
    Btnscreen_Gadget* i = G(AG_GAST_ICON);
    i->benutzer[0] = 20;
    i->benutzer[1] = 20;
    Spieler_Fix_Daten[20].lieblingspos = 26 * 17 + 0;
    EXPECT_EQ(Feld_Lieblings_Pos(r.get(), i), (389 << 16) | 10);
    // A home player plays the other way: row 26 is near his own goal.
    i->benutzer[1] = 2;
    EXPECT_EQ(Feld_Lieblings_Pos(r.get(), i), (1 << 16) | 206);
    r->seiten_getauscht = 1;
    EXPECT_EQ(Feld_Lieblings_Pos(r.get(), i), (389 << 16) | 10);
    Spieler_Fix_Daten[20].lieblingspos = 459;
    EXPECT_EQ(Feld_Lieblings_Pos(r.get(), i), -1);
    EXPECT_EQ(Feld_Lieblings_Pos(r.get(), nullptr), -1);
}

TEST_F(AufstellungFeld, ElevenIconsASideAndTheHiddenOpponentIsNeitherPlacedActiveNorHoverable)
{
    r->spieler[11].zustand = SPIELFELD_AUF_DEM_PLATZ;  // twelve on the pitch
    r->spieler[12].zustand = SPIELFELD_AUF_DEM_PLATZ | SPIELFELD_ROT;
    Feld_Aufbauen();
    for (int32_t i = 0; i < 11; ++i) EXPECT_EQ(G(AG_HEIM_ICON + i)->benutzer[1], uint32_t(i));
    EXPECT_TRUE(G(AG_HEIM_ICON)->flag_b & BTN_B_ZIEHBAR);
    EXPECT_FALSE(G(AG_GAST_ICON)->flag_b & BTN_B_ZIEHBAR) << "only his own club's players can be dragged";
    EXPECT_FALSE(G(AG_GAST_ICON)->zustand & BTN_INAKTIV);
    Gegner_Trikots_LB(G(AG_GEGNER));
    for (int32_t i = 0; i < 11; ++i) {
        EXPECT_TRUE(G(AG_GAST_ICON + i)->zustand & BTN_INAKTIV);
        EXPECT_FALSE(G(AG_HEIM_ICON + i)->zustand & BTN_INAKTIV);
    }
    Feld_Aufbauen();
    EXPECT_TRUE(G(AG_GAST_ICON)->zustand & BTN_INAKTIV) << "placing again keeps the opponent hidden";
    // Offensive points for his side, defensive ones for the other; off again: area centres.
    Offensiv_LB(G(AG_OFFENSIV));
    EXPECT_EQ(G(AG_HEIM_ICON)->x + G(AG_HEIM_ICON)->w / 2, 114 + 2500 * 412 / 10800);
    EXPECT_EQ(G(AG_GAST_ICON)->x + G(AG_GAST_ICON)->w / 2, 114 + 1500 * 412 / 10800);
    Defensiv_LB(G(AG_DEFENSIV));
    EXPECT_FALSE(G(AG_OFFENSIV)->benutzer[0] & 1);
    Defensiv_LB(G(AG_DEFENSIV));
    EXPECT_EQ(G(AG_HEIM_ICON)->x + G(AG_HEIM_ICON)->w / 2, 114 + (1000 * 412 / 10800 + 3000 * 412 / 10800) / 2);
    // A drag on the pitch changes nothing.
    const auto vorher = std::make_unique<Spielfeld_Record>(*r);
    Feld_Drag_Start(G(AG_HEIM_ICON));
    Feld_Drag_Serve(G(AG_HEIM_ICON), 10, 10);
    Feld_Drag_Stop(G(AG_HEIM_ICON));
    EXPECT_EQ(std::memcmp(vorher.get(), r.get(), sizeof *r), 0);
}

TEST_F(AufstellungFeld, AreaWeightFallsWithTheAreaToAFloorOfFifteen)
{
    const int32_t ganz = Feld_Raum_Gewicht(-1, 412, 196), winzig = Feld_Raum_Gewicht(-1, 1, 1);
    EXPECT_EQ(ganz, (15 * 90 / 100) * 30 / 100);
    EXPECT_EQ(winzig, (100 * 90 / 100) * 30 / 100);
    EXPECT_EQ(Feld_Raum_Gewicht(-1, -412, 196), ganz) << "a reversed area weighs by its size";
    // The map add is clipped to the map.
    Rastport* karte = Grafik_Bitmap_Anlegen(8, 4, 16);
    ASSERT_NE(karte, nullptr);
    std::memset(karte->pixels, 0, 8 * 4 * 2);
    Feld_Raum_Aufhellen(karte, -3, 2, 5, 10, -7);
    auto* p = static_cast<int16_t*>(karte->pixels);
    EXPECT_EQ(p[2 * 8 + 0], -7);
    EXPECT_EQ(p[3 * 8 + 1], -7);
    EXPECT_EQ(p[3 * 8 + 2], 0);
    EXPECT_EQ(p[1 * 8 + 0], 0);
    Feld_Raum_Aufhellen(karte, 9, 0, 5, 5, 1);
    Grafik_Bitmap_Freigeben(karte);
}

TEST_F(AufstellungFeld, ThePanelLineCountsWhatIsLeftAndASixthSubstituteIsNotShown)
{
    EXPECT_STREQ(Auswechsel_Zeile_Text(1), "1 Einwechslung^z0008^tl0004möglich");
    EXPECT_STREQ(Auswechsel_Zeile_Text(2), "2 Einwechslungen^z0008^tl0004möglich");
    EXPECT_STREQ(Auswechsel_Zeile_Text(0), "keine Einwechslungen^z0008^tl0004mehr möglich");
    r->spieler[10].zustand = SPIELFELD_ERSATZ;  // six on the home bench
    r->einwechsel[1][0] = 27;
    r->einwechsel[1][1] = 28;
    r->wechsel_uebrig[1] = 1;  // more used than allowed
    Auswechsel_Zeichnen();
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(G(AG_HEIM_BANK + i)->benutzer[2], uint32_t(TYP_BANK));
    EXPECT_EQ(G(AG_HEIM_WECHSEL)->benutzer[2], 0u);
    EXPECT_EQ(G(AG_GAST_BANK + 4)->benutzer[1], 31u);
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0], "03 Einwechslungen^z0008^tl0004möglich");
    EXPECT_EQ(zeilen[1], "1keine Einwechslungen^z0008^tl0004mehr möglich");
}

// A lone game's server (role 3, nobody logged in) is the single PC: its lists are the record's
// own, as without a role; a client's are the change block's.
TEST_F(AufstellungFeld, ADropOnAShirtWritesOnePairIntoTheRolesListsAndNotTwice)
{
    for (uint32_t k : {0u, 3u, 1u}) {
        SCOPED_TRACE(k);
        Netz_Rolle = k;
        const bool rolle = k == 1;
        std::memset(r->einwechsel, 0xFF, sizeof r->einwechsel);
        std::memset(r->auswechsel, 0xFF, sizeof r->auswechsel);
        std::memset(r->netz_einwechsel, 0xFF, sizeof r->netz_einwechsel);
        std::memset(r->netz_auswechsel, 0xFF, sizeof r->netz_auswechsel);
        r->anweisungen[7] = 0;
        Screen_Page = PAGE_DATEN;
        trikot();
        ziehen(0, 12, 210, 313);
        const int8_t* ein = rolle ? reinterpret_cast<const int8_t*>(r->netz_einwechsel[0]) : r->einwechsel[0];
        const int8_t* aus = rolle ? reinterpret_cast<const int8_t*>(r->netz_auswechsel[0]) : r->auswechsel[0];
        EXPECT_EQ(ein[0], 12);
        EXPECT_EQ(aus[0], 3);
        const int8_t* andere = rolle ? r->einwechsel[0] : reinterpret_cast<const int8_t*>(r->netz_einwechsel[0]);
        EXPECT_EQ(andere[0], -1) << "the other role's list stays empty";
        EXPECT_EQ(r->anweisungen[7], rolle ? 4 : 0);
        // In network play no second drag until the engine took the block.
        r->anweisungen[7] = 0;
        trikot()->benutzer[1] = 4;
        ziehen(1, 12, 210, 313);
        EXPECT_EQ(ein[1], -1) << "the same substitute twice is refused";
        EXPECT_EQ(Auswechsel_Anzahl(r.get(), 0), 1);
    }
    r->anweisungen[7] = 4;
    trikot()->benutzer[1] = 5;
    ziehen(1, 13, 210, 313);
    EXPECT_FALSE(Auswechsel_Beteiligt(r.get(), 13)) << "the flag still set blocks the drag";
}

TEST_F(AufstellungFeld, DropsRecordNothingOutsideTheMatchAndOnARedCardedRow)
{
    Screen_Page = PAGE_DATEN;
    trikot();
    Screen_Phase_Vor_Spiel = 1;
    ziehen(0, 12, 210, 313);
    Screen_Phase_Vor_Spiel = 0;
    Screen_Phase_Nach_Spiel = 1;
    ziehen(0, 12, 210, 313);
    EXPECT_FALSE(Auswechsel_Beteiligt(r.get(), 12));
    Screen_Phase_Nach_Spiel = 0;
    Screen_Phase_Kabine = 1;
    trikot();
    ziehen(0, 12, 210, 313);
    EXPECT_TRUE(Auswechsel_Beteiligt(r.get(), 12)) << "at half-time it counts";

    // A list row of a sent-off player takes no one; a good row does.
    Screen_Page = PAGE_STATISTIK;
    G(AG_HEIM_ICON)->benutzer[2] = 0;
    Btnscreen_Gadget* zeile = G(AG_LISTE + 2);
    zeile->benutzer[1] = 6;
    zeile->benutzer[2] = TYP_ZEILE;
    r->spieler[6].zustand |= SPIELFELD_ROT;
    ziehen(1, 13, zeile->x + 5, zeile->y + 5);
    EXPECT_FALSE(Auswechsel_Beteiligt(r.get(), 6));
    r->spieler[6].zustand = SPIELFELD_AUF_DEM_PLATZ;
    zeile->benutzer[1] = 6;  // the drop rebuilt the list
    ziehen(1, 13, zeile->x + 5, zeile->y + 5);
    EXPECT_EQ(Auswechsel_Partner(r.get(), 13), 6);

    // Ten on the pitch: a free drop brings one on without a partner.
    Feld_Aufbauen();
    r->objekt[7].aktiv = 0;
    r->spieler[7].zustand = 0;
    Screen_Page = PAGE_DATEN;
    ziehen(2, 14, 600, 20);
    EXPECT_EQ(r->einwechsel[0][2], 14);
    EXPECT_EQ(r->auswechsel[0][2], -1);
    EXPECT_EQ(Auswechsel_Partner(r.get(), 14), -1);
}

TEST_F(AufstellungFeld, ListsReadFromARecordAreBoundedAndTheRestByteOnlyHoldsWhenAboveZero)
{
    r->einwechsel[0][0] = 12;
    r->auswechsel[0][0] = 3;
    r->einwechsel[0][1] = 40;   // no slot
    r->auswechsel[0][1] = 20;   // the other side's
    EXPECT_EQ(Auswechsel_Anzahl(r.get(), 0), 1);
    EXPECT_FALSE(Auswechsel_Beteiligt(r.get(), 20));
    r->laufende_spieler = -1;   // after a walk or a shoot-out
    EXPECT_EQ(Auswechsel_Partner(r.get(), 3), 12);
    r->laufende_spieler = 2;
    EXPECT_EQ(Auswechsel_Partner(r.get(), 3), -1);
    Auswechsel_Stoppen(r.get(), 3);
    EXPECT_EQ(r->einwechsel[0][0], 12) << "no pair is removed at rest";
    r->laufende_spieler = 0;
    Auswechsel_Stoppen(r.get(), 3);
    EXPECT_EQ(r->einwechsel[0][0], -1);
    EXPECT_EQ(r->auswechsel[0][0], -1);
    // With none allowed no drag starts.
    r->wechsel_uebrig[0] = 0;
    trikot();
    ziehen(0, 12, 210, 313);
    EXPECT_FALSE(Auswechsel_Beteiligt(r.get(), 12));
}

TEST_F(AufstellungFeld, TheListShowsElevenFieldedByClassWithTheirFigures)
{
    // Slot 4 a keeper, slot 9 a defender; the rest strikers; slot 11 sent off (stays listed).
    for (int32_t p = 0; p < 16; ++p) Spieler_Fix_Daten[p].lieblingspos = 2 * 153 + 5;
    Spieler_Fix_Daten[4].lieblingspos = 459;
    Spieler_Fix_Daten[9].lieblingspos = 10;
    r->spieler[11].zustand = SPIELFELD_AUF_DEM_PLATZ | SPIELFELD_ROT;
    r->objekt[11].aktiv = 0;
    int32_t slots[11];
    ASSERT_EQ(Liste_Spieler(r.get(), 0, slots), 11);
    EXPECT_EQ(slots[0], 4);
    EXPECT_EQ(slots[1], 9);
    EXPECT_EQ(slots[2], 0);
    EXPECT_EQ(slots[10], 10) << "the twelfth fielded (slot 11) is left out";
    r->spieler[0].zustand = 0;
    ASSERT_EQ(Liste_Spieler(r.get(), 0, slots), 11);
    EXPECT_EQ(slots[10], 11) << "a sent-off player keeps his row";

    // Resting on the sent-off player's row lights no pitch icon.
    Feld_Aufbauen();
    Btnscreen_Gadget* zeile = G(AG_LISTE + 10);
    zeile->benutzer[1] = 11;
    Liste_Mouse_Over_Start(zeile);
    EXPECT_EQ(Screen_Hover_Icon, nullptr);
    zeile->benutzer[1] = 10;
    Liste_Mouse_Over_Start(zeile);
    ASSERT_NE(Screen_Hover_Icon, nullptr);
    EXPECT_EQ(Screen_Hover_Icon->benutzer[1], 10u);

    EXPECT_EQ(Liste_Strecke_Breite(120000), 30);
    EXPECT_EQ(Liste_Strecke_Breite(500000), 30);
    EXPECT_EQ(Liste_Strecke_Breite(60000), 15);
    EXPECT_EQ(Liste_Energie_Breite(0), 0);
    EXPECT_EQ(Liste_Energie_Breite(10000), 30);

    texte.clear();
    Liste_Text_Hook = [](int32_t, int32_t, const char* t) { texte.emplace_back(t); };
    r->spieler[10].kraft = 0;
    r->objekt[10].distanz = 123456;  // 12.3 km
    Update_Liste_Variabel();
    Liste_Text_Hook = nullptr;
    auto hat = [](const std::string& teil) {
        for (const std::string& t : texte)
            if (t.find(teil) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(hat("^tr02290")) << "energy 0 prints 0";
    EXPECT_TRUE(hat("^tr028712.3"));
    EXPECT_TRUE(hat("^tz0511-")) << "no mark yet";
}

TEST_F(AufstellungFeld, TheContextMenuOpensOnlyForHisSideAndGuardsItsItemsByRole)
{
    Menue_Kontextmenue m;
    EXPECT_FALSE(Kontext_Menue_Bauen(&m, 20, 20)) << "an opponent";
    Netz_Set_Eigenes_Team(7);
    EXPECT_FALSE(Kontext_Menue_Bauen(&m, 3, 3)) << "a side not his";
    Netz_Set_Eigenes_Team(HEIM);
    ASSERT_TRUE(Kontext_Menue_Bauen(&m, 3, 3));
    EXPECT_STREQ(m.texte[0], "Status");

    // Slot 3 is man-marked by away slot 18; 3 goes off for 12.
    r->spieler[18].zustand = SPIELFELD_AUF_DEM_PLATZ;
    r->spieler[18].partner[2] = 3;
    Auswechsel_Eintragen(r.get(), 0, 12, 3);
    Auswechsel_Eintragen(r.get(), 0, 13, -1);
    Menue_Kontextmenue* s = Kontext_Status_Menue(&m, 0);
    EXPECT_EQ(s->status[0], 1);
    EXPECT_EQ(s->status[1], 0);
    EXPECT_EQ(s->status[2], 1);
    EXPECT_EQ(s->status[3], 17);
    m.wert_b[0] = 13;
    EXPECT_EQ(Kontext_Status_Menue(&m, 0)->status[2], 0) << "on without a partner: nothing to stop";
    m.wert_b[0] = 3;
    Kontext_Status_Item(3, nullptr, 3, 3);
    EXPECT_EQ(Kontext_Status_Menue(&m, 0)->status[3], 81);
    Kontext_Status_Item(0, nullptr, 3, 3);
    EXPECT_EQ(r->spieler[18].partner[2], 255);
    // Stopping works after an earlier substitution was carried out (rest byte back at -1).
    r->laufende_spieler = -1;
    Kontext_Status_Item(2, nullptr, 3, 3);
    EXPECT_FALSE(Auswechsel_Beteiligt(r.get(), 12));

    // a lone game's server offers the same; in network play neither item nor the tasks
    Netz_Rolle = 3;
    Auswechsel_Eintragen(r.get(), 0, 12, 3);
    r->spieler[18].partner[2] = 3;
    s = Kontext_Status_Menue(&m, 0);
    EXPECT_EQ(s->status[0], 1);
    EXPECT_EQ(s->status[2], 1);
    EXPECT_EQ(Kontext_Aufgaben_Menue(&m, 0)->status[0] & 1, 1);
    Kontext_Status_Item(2, nullptr, 3, 3);
    Netz_Rolle = 1;
    Auswechsel_Eintragen(r.get(), 0, 12, 3);
    s = Kontext_Status_Menue(&m, 0);
    EXPECT_EQ(s->status[0], 0);
    EXPECT_EQ(s->status[2], 0);
    Menue_Kontextmenue* a = Kontext_Aufgaben_Menue(&m, 0);
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(a->status[i] & 1, 0) << i;
}

TEST_F(AufstellungFeld, PageButtonsChangeOnlyThisPcsSideAndPraiseIsTheUpperButton)
{
    Screen_Auswahl_Slot = 3;
    const int32_t vorher = Anweisung_Wert(r.get(), 3, 1);
    Screen_Seite = 1;
    Anweisung_LB(G(AG_ANWEISUNG + 1));
    Kabine_LB(G(AG_LOB));
    EXPECT_EQ(Anweisung_Wert(r.get(), 3, 1), vorher) << "the opponent's side";
    EXPECT_EQ(Motivation_Lob_Wert(r.get(), 3), 0);
    Screen_Seite = 0;
    Anweisung_LB(G(AG_ANWEISUNG + 1));
    EXPECT_EQ(Anweisung_Wert(r.get(), 3, 1), (vorher + 1) % 5);
    Anweisung_RB(G(AG_ANWEISUNG + 1));
    EXPECT_EQ(Anweisung_Wert(r.get(), 3, 1), vorher);
    Kabine_LB(G(AG_LOB));
    EXPECT_EQ(Motivation_Lob_Wert(r.get(), 3), -1);
    Kabine_LB(G(AG_TADEL));
    Kabine_LB(G(AG_TADEL));
    EXPECT_EQ(Motivation_Lob_Wert(r.get(), 3), 1);
    Kabine_LB(G(AG_KABINE + 2));
    EXPECT_EQ(r->ansprache_druecke[0][2], 1);
}

}  // namespace

namespace {

// The live view's right click on a figure: an opponent, a slot out of range or an empty one open
// no menu (the menu's builder never runs: its choice words keep their values), and the screen
// keeps no record afterwards; the view is asked to redraw whole where the menu could have drawn.
TEST_F(AufstellungFeld, TheViewsPlayerMenuOpensForNoOpponentAndNoBadSlot)
{
    r->spieler[5].spnr = -1;
    for (int32_t slot : {20, -1, SPIELFELD_SLOTS, 255, 5}) {
        Kontext_Auswahl_Status = 7;
        Spielszenen_Neu_Zeichnen_Angefordert = 0;
        Screen_Spieler_Menue(r.get(), slot);
        EXPECT_EQ(Kontext_Auswahl_Status, 7) << slot;
        if (slot == 20) {
            EXPECT_EQ(Screen_Record, nullptr);
            EXPECT_EQ(Spielszenen_Neu_Zeichnen_Angefordert, 1);
        }
        Screen_Record = r.get();
    }
    Screen_Spieler_Menue(nullptr, 3);
    EXPECT_EQ(Kontext_Auswahl_Status, 7);
}

}  // namespace

namespace {

// A server with its own manager (the lone game too) holds no client login: its own club is the
// manager's, as the live view takes it, so the screen shows his side and his menu opens.
TEST_F(AufstellungFeld, OnAServerWithItsOwnManagerHisClubIsThisPCs)
{
    Netz_Rolle = 3;
    Netz_Set_Eigenes_Team(-1);
    Server_Team = GAST;
    EXPECT_EQ(Screen_Seite_Entscheiden(r.get(), 0), 1);
    Screen_Seite = 1;
    Menue_Kontextmenue m;
    EXPECT_TRUE(Kontext_Menue_Bauen(&m, 20, 20));
    EXPECT_FALSE(Kontext_Menue_Bauen(&m, 3, 3)) << "the home side is the opponent";
    Netz_Rolle = 0;
    Netz_Set_Eigenes_Team(HEIM);
    EXPECT_EQ(Screen_Seite_Entscheiden(r.get(), 1), 0) << "alone on role 0 the login's club";
}

}  // namespace

namespace {

// A record whose change block nobody filled yet (the tactics panel never opened): the screen
// opened over it in network play fills it first, so the opponent's panel counts no pairs of slot 0 and
// the engine takes the dropped pair alone, every tactic and instruction as it was.
TEST_F(AufstellungFeld, InNetworkPlayTheScreenFillsAnUnfilledChangeBlockBeforeItsFirstChange)
{
    Netz_Rolle = 1;
    std::memset(r->anweisungen, 0, sizeof r->anweisungen);
    std::memset(r->netz_einwechsel, 0, sizeof r->netz_einwechsel);
    std::memset(r->netz_auswechsel, 0, sizeof r->netz_auswechsel);
    r->taktik[0][3] = 2;
    r->einsatz[0] = 70;
    r->spieler[5].anweisung[ANWEISUNG_EINTRAG[0]] = 3;
    Screen_Set_Hook([](const char*, int32_t) { return true; });
    EXPECT_TRUE(Screen_Oeffnen());
    Screen_Set_Hook(nullptr);
    Auswechsel_Zeichnen();
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0], "03 Einwechslungen^z0008^tl0004möglich");
    EXPECT_EQ(zeilen[1], "13 Einwechslungen^z0008^tl0004möglich") << "the opponent's panel too";

    Screen_Page = PAGE_DATEN;
    trikot();
    ziehen(0, 12, 210, 313);
    EXPECT_EQ(Auswechsel_Anzahl(r.get(), 0), 1);
    Spielfeld_Anweisungen_Uebernehmen(r.get(), 20);
    Spielfeld_Anweisungen_Anwenden(r.get(), 22);
    EXPECT_EQ(r->einwechsel[0][0], 12);
    EXPECT_EQ(r->auswechsel[0][0], 3);
    for (int32_t k = 1; k < 7; ++k) EXPECT_EQ(r->einwechsel[0][k], -1) << k;
    EXPECT_EQ(r->taktik[0][3], 2);
    EXPECT_EQ(r->einsatz[0], 70);
    EXPECT_EQ(r->spieler[5].anweisung[ANWEISUNG_EINTRAG[0]], 3);

    // The view's player menu over an unfilled block fills it the same way.
    std::memset(r->anweisungen, 0, sizeof r->anweisungen);
    Screen_Spieler_Menue(r.get(), 20);
    EXPECT_EQ(r->anweisungen[ANW_INITIALISIERT], 1);
    EXPECT_EQ(r->netz_einwechsel[0][0], 255);
}

}  // namespace
