// The line-up screen over the live view of a new game's first match day: opened from the view,
// a substitute dragged onto a shirt with the mouse into the side's list, and back to the view.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "match/spieltag_welt.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/screen.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "network/netz.h"
#include "platform/os/os_display.h"
#include "platform/os/os_intern.h"
#include "platform/timer.h"
#include "tests/matchview/spieltag_live.h"
#include "toolkit/btnscreen.h"

namespace {

class Aufstellung_Spieltag : public Spieltag_Live_Welt {};

void schritte(int32_t n)
{
    for (int32_t i = 0; i < n && Spielszenen_Ist_Geladen(); ++i) Ablauf_Schritt();
}

TEST_F(Aufstellung_Spieltag, ASubstituteDraggedOntoAShirtIsListedAndTheViewComesBack)
{
    const int32_t verein = Aktuelles_Team >= 0 ? Aktuelles_Team : 0;
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, verein);
    ASSERT_TRUE(Spieltag_Bis_Live());
    Spieltag_Laufen(3000);
    const std::string bilder = SPIELSZENEN_ORDNER + "/aufstellung_spieltag_" + std::to_string(::getpid());
    std::filesystem::create_directories(bilder);
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/live.png").c_str()));

    // The line-up button of the view.
    Spielszenen_Schirm_Befehl = 0;
    schritte(20);
    ASSERT_TRUE(Screen_Geladen());
    ASSERT_EQ(Spielszenen_Modus, SPIELSZENEN_HALBZEIT);
    Spielfeld_Record* r = Screen_Record;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(int32_t(r->team[Screen_Seite]), Netz_Get_Eigenes_Team());
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/aufstellung.png").c_str()));

    // Drag the first substitute onto the fourth shirt of his side (with substitutions left: the
    // club's assistant may have used them by now).
    if (r->wechsel_uebrig[Screen_Seite] == 0) r->wechsel_uebrig[Screen_Seite] = 3;
    // Away from role 0 the screen filled the change block when it opened: no pairs pending.
    if (Netz_Rolle != 0) {
        EXPECT_EQ(Auswechsel_Anzahl(r, Screen_Seite), 0);
    }
    Screen_Refresh(nullptr);
    Auswechsel_Zeichnen();
    Btnscreen_Gadget* bank = &Aufstellung_Liste[Screen_Seite ? AG_GAST_BANK : AG_HEIM_BANK];
    Btnscreen_Gadget* trikot = &Aufstellung_Liste[(Screen_Seite ? AG_GAST_ICON : AG_HEIM_ICON) + 3];
    ASSERT_EQ(bank->benutzer[2], uint32_t(TYP_BANK));
    ASSERT_EQ(trikot->benutzer[2], uint32_t(TYP_ICON));
    const int32_t ein = int32_t(bank->benutzer[1]), aus = int32_t(trikot->benutzer[1]);
    Os_Input_Set_Mouse(bank->x + 30, bank->y + 8);
    schritte(3);
    Os_Input_Set_Buttons(true, false);
    schritte(3);
    for (int32_t k = 1; k <= 8; ++k) {
        Os_Input_Set_Mouse(bank->x + 30 + (trikot->x + trikot->w / 2 - bank->x - 30) * k / 8,
                           bank->y + 8 + (trikot->y + trikot->h / 2 - bank->y - 8) * k / 8);
        schritte(2);
    }
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/ziehen.png").c_str()));
    Os_Input_Set_Buttons(false, false);
    schritte(3);
    EXPECT_TRUE(Auswechsel_Beteiligt(r, ein));
    EXPECT_EQ(Auswechsel_Partner(r, aus), ein);
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/eingetragen.png").c_str()));

    // Back to the view (the button's own wait for the release needs a real hand on the mouse).
    Zurueck_LB(&Aufstellung_Liste[AG_ZURUECK]);
    schritte(5);
    EXPECT_EQ(Spielszenen_Modus, SPIELSZENEN_SCREEN);
    EXPECT_FALSE(Screen_Geladen());
    Spieltag_Laufen(500);
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/danach.png").c_str()));
    std::printf("%s\n", bilder.c_str());
}

// The line-up screen stays open over the running match while a substitution entered there is
// made at the next stoppage: once the replaced man has walked off, the list shows the substitute
// in his place and the bench no longer holds the substitute.
TEST_F(Aufstellung_Spieltag, TheOpenScreenShowsTheSubstituteOnceHeComesOn)
{
    const int32_t verein = Aktuelles_Team >= 0 ? Aktuelles_Team : 0;
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, verein);
    ASSERT_TRUE(Spieltag_Bis_Live());
    Spieltag_Laufen(1000);
    Spielszenen_Schirm_Befehl = 0;
    schritte(20);
    ASSERT_TRUE(Screen_Geladen());
    Spielfeld_Record* r = Screen_Record;
    ASSERT_NE(r, nullptr);
    const int32_t s = Screen_Seite;
    if (r->wechsel_uebrig[s] == 0) r->wechsel_uebrig[s] = 3;
    const Btnscreen_Gadget* bank = &Aufstellung_Liste[s ? AG_GAST_BANK : AG_HEIM_BANK];
    const Btnscreen_Gadget* zeile = &Aufstellung_Liste[AG_LISTE + 6];
    ASSERT_EQ(bank->benutzer[2], uint32_t(TYP_BANK));
    ASSERT_EQ(zeile->benutzer[2], uint32_t(TYP_ZEILE));
    const int32_t ein = int32_t(bank->benutzer[1]), aus = int32_t(zeile->benutzer[1]);
    const int32_t ein_spnr = r->spieler[ein].spnr, aus_spnr = r->spieler[aus].spnr;
    ASSERT_TRUE(Auswechsel_Eintragen(r, s, ein, aus));
    // The match runs on under the screen until he is on.
    for (int32_t i = 0; i < 60000 && Screen_Geladen() && !(r->spieler[ein].zustand & SPIELFELD_AUF_DEM_PLATZ); ++i) Ablauf_Schritt();
    ASSERT_TRUE(Screen_Geladen()) << "the screen closed before the substitution";
    ASSERT_NE(r->spieler[ein].zustand & SPIELFELD_AUF_DEM_PLATZ, 0u) << "no stoppage came";
    // The replaced man is listed until he has walked off the pitch.
    for (int32_t i = 0; i < 20000 && Screen_Geladen() && Spieler_Ist_Aufgestellt(r, aus); ++i) Ablauf_Schritt();
    ASSERT_FALSE(Spieler_Ist_Aufgestellt(r, aus));
    schritte(3);
    ASSERT_TRUE(Screen_Geladen());
    auto gelistet = [](int32_t spnr) {
        for (int32_t i = 0; i < 11; ++i)
            if (Aufstellung_Liste[AG_LISTE + i].benutzer[2] == uint32_t(TYP_ZEILE) && int32_t(Aufstellung_Liste[AG_LISTE + i].benutzer[0]) == spnr)
                return true;
        return false;
    };
    auto auf_der_bank = [s](int32_t spnr) {
        for (int32_t i = 0; i < 5; ++i) {
            const Btnscreen_Gadget& b = Aufstellung_Liste[(s ? AG_GAST_BANK : AG_HEIM_BANK) + i];
            if (b.benutzer[2] == uint32_t(TYP_BANK) && int32_t(b.benutzer[0]) == spnr) return true;
        }
        return false;
    };
    EXPECT_TRUE(gelistet(ein_spnr));
    EXPECT_FALSE(gelistet(aus_spnr));
    EXPECT_FALSE(auf_der_bank(ein_spnr));
    const std::string bilder = SPIELSZENEN_ORDNER + "/aufstellung_spieltag_" + std::to_string(::getpid());
    std::filesystem::create_directories(bilder);
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/eingewechselt.png").c_str()));
    std::printf("%s\n", bilder.c_str());
    Zurueck_LB(&Aufstellung_Liste[AG_ZURUECK]);
    schritte(5);
}

}  // namespace
