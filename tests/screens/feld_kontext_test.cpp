// A right click on a figure of the line-up screen opens that player's menu, and
// what the menu changes shows on the pitch at once.
#include <gtest/gtest.h>

#include <string>

#include "screens/screens_hilfe.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_feld.h"
#include "screens/spieler_kontext.h"
#include "screens/spieler_kontext_menue.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"

using namespace screens_test;

namespace {

// The figure icon on screen of a player, null when he has none.
Menue_Icon *figur(int32_t team, int32_t p) {
  Menue_Icon *gefunden = nullptr;
  for (int32_t k = 0; k < 27 && !gefunden; ++k)
    if (Menue_Icon *i = Menue_Screen_Icon_Ist_Vorhanden(SE_FIGUR_ERSTE + k)
                            ? Menue_Screen_Icon_Aus_Nummer(SE_FIGUR_ERSTE + k)
                            : nullptr)
      gefunden = i->kennung_1 == p && i->kennung_2 == team ? i : nullptr;
  return gefunden;
}

struct FeldKontext : Welt {
  void SetUp() override {
    Welt::SetUp();
    elf(10);
    platzieren(GEGNER, 31, 10, 8);
    Teamspieler_Wert(317, GEGNER, 31, TS_STARTELF, 8);
    Manager_Icon_Button_An_Aus(EIGEN, SE_FIGUREN, 3);
    Spieler_Aufs_Spielfeld_Setzen(false);
  }
  void TearDown() override {
    Spieler_Einsetzen_Feld_Entfernen(), Welt::TearDown();
  }
};

TEST_F(FeldKontext, AFiguresMenuIsHisPlayersAndItsChangesReachThePitch) {
  Menue_Icon *i = figur(EIGEN, 2);
  ASSERT_NE(i, nullptr);
  ASSERT_NE(i->kontext, nullptr);
  Menue_Kontextmenue *m = i->kontext(i);
  ASSERT_NE(m, nullptr);
  EXPECT_STREQ(m->titel, (std::string("Spieler ") +
                          Spieler_String(SP_NAME, 2, nullptr, 0) + ":")
                             .c_str());
  Menue_Kontextmenue *aufgaben = Spieler_Kontext_Untermenue_Holen(m, 2);
  EXPECT_STREQ(aufgaben->titel, "Aufgaben ändern:");
  EXPECT_TRUE(aufgaben->status[0] & POPUP_WAEHLBAR);

  // captaincy chosen from the figure's menu is checked in the open menu
  aufgaben->prozeduren[0](0, aufgaben->wert_c[0], aufgaben->wert_a[0],
                          aufgaben->wert_b[0]);
  EXPECT_TRUE(aufgaben->status[0] & POPUP_GEWAEHLT);
  EXPECT_TRUE(Teamspieler_Wert(317, EIGEN, 2, 0, 0) & 0x2000);

  // the other club's figure gets his club's menu: nothing of the own roles is
  // offered
  Menue_Icon *fremd = figur(GEGNER, 31);
  ASSERT_NE(fremd, nullptr);
  ASSERT_NE(fremd->kontext, nullptr);
  fremd->kontext(fremd);
  EXPECT_FALSE(Spieler_Kontext_Untermenue_Holen(m, 2)->status[0] &
               POPUP_WAEHLBAR);

  // with no stored line-up to redo, a starter sent to the extended squad from
  // his figure's menu leaves the pitch without another build
  Team_Wert(170, EIGEN, -1, 1);
  Team_Wert(171, EIGEN, -1, 1);
  m = i->kontext(i);
  Menue_Kontextmenue *kader = Spieler_Kontext_Untermenue_Holen(m, 0);
  ASSERT_TRUE(kader->prozeduren[2](2, kader->wert_c[2], kader->wert_a[2],
                                   kader->wert_b[2]));
  ASSERT_FALSE(Teamspieler_Wert(317, EIGEN, 2, 0, 0) &
               (TS_STARTELF | TS_ERSATZ));
  EXPECT_EQ(figur(EIGEN, 2), nullptr);
}

} // namespace
