// Visit history and favourite menus of a manager.
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/globals.h"
#include "platform/mem.h"
#include "toolkit/favoriten.h"
#include "toolkit/popup.h"
#include "umgebung.h"

namespace {

int32_t geoeffnet = -1;
int32_t oeffnen(Menue_Icon* icon, uint32_t)
{
    geoeffnet = icon->nummer;
    return 1;
}

class Favoriten : public Toolkit_Test {
protected:
    Menue_Icon liste[21];
    Manager_Icon_Zustand* z = nullptr;

    void SetUp() override
    {
        Toolkit_Test::SetUp();
        z = &vereine_anlegen(4, 1)->icons;
        for (int16_t k = 0; k < 20; ++k) {
            liste[k] = Menue_Icon_Vorlage(int16_t(1000 + k), -1, 0, 0, 0, 10, 10, 5, 9);
            liste[k].klick = oeffnen;
            liste[k].hilfetext = "Bildschirm";
        }
        liste[20] = Menue_Icon_Listenende();
        Menue_Icon_Liste_Registrieren(liste);
        geoeffnet = -1;
    }
    void besuch(int k) { Menue_Besucht_Eintragen(1, &liste[k]); }
    int32_t slot(int k) { return int32_t(knoepfe[{1, 724 + k}]); }
};

TEST_F(Favoriten, HistoryRecordsInsertsAndForgets)
{
    besuch(0);
    besuch(0);
    EXPECT_EQ(z->besucht_nr[0], 1000);
    EXPECT_EQ(z->besucht_nr[1], -1);
    besuch(1);
    besuch(2);  // 1002, 1001, 1000

    // Two steps along the history, then a new visit goes in at the position.
    EXPECT_EQ(Menue_Kontext_History_Call(32 - 2, 0, 0, 0), 1);
    EXPECT_EQ(geoeffnet, 1000);
    besuch(3);
    const int16_t erwartet[5] = {1002, 1001, 1003, 1000, -1};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(z->besucht_nr[k], erwartet[k]) << k;
    EXPECT_EQ(Menue_Besucht_Icon(z->besucht[2]), &liste[3]);

    Menue_Kontextmenue* m = Menue_Make_History_Kontextmenue(&liste[0]);
    ASSERT_NE(m, nullptr);
    EXPECT_STREQ(m->titel, "Zuletzt besucht:");
    EXPECT_TRUE(m->status[32 - 2] & POPUP_GEWAEHLT);
    EXPECT_FALSE(m->status[32] & POPUP_GEWAEHLT);
    EXPECT_STREQ(m->texte[32 - 5], "  (noch nicht belegt)");
    EXPECT_EQ(m->prozeduren[32 - 5], nullptr);

    // Beyond fifteen entries the oldest drops out.
    z->besucht_position = 0;
    for (int k = 4; k < 20; ++k) besuch(k);
    EXPECT_EQ(z->besucht_nr[0], 1019);
    EXPECT_EQ(z->besucht_nr[14], 1005);

    Fehler_Capture cap;
    Menue_Kontext_History_Call(40, 0, 0, 0);
    EXPECT_TRUE(cap.contains("item_nr zu groß"));
}

TEST_F(Favoriten, AutomaticFavouritesWeighTheLog)
{
    Menue_Lieblingsmenues();
    for (int k = 0; k < 10; ++k) EXPECT_EQ(slot(k), -1);

    // Thirty visits of A and one newer of B: A weighs 95 + 90 + ... + 20 + 20 ..., B 100.
    z->log_nr[0] = 1001;
    z->log[0] = Menue_Besucht_Wort(&liste[1]);
    for (int k = 1; k <= 30; ++k) {
        z->log_nr[k] = 1000;
        z->log[k] = Menue_Besucht_Wort(&liste[0]);
    }
    Menue_Lieblingsmenues();
    EXPECT_EQ(slot(0), 1000);
    EXPECT_EQ(slot(1), 1001);
    EXPECT_EQ(slot(2), -1);

    // The jump menu opens a favourite; the next favourite follows the current screen.
    EXPECT_EQ(Menue_Kontext_Lieblingsmenue_Jump_Call(1, 0, 0, 0), 1);
    EXPECT_EQ(geoeffnet, 1001);
    z->besucht_nr[0] = 1000;
    Menue_Lieblingsmenue_Naechstes();
    EXPECT_EQ(geoeffnet, 1001);
}

TEST_F(Favoriten, OnlyTheTenSlotRowsAreSlots)
{
    Fehler_Capture cap;
    EXPECT_TRUE(Menue_Kontext_Lieblingsmenue_Call(9, 1005, 0, 0));
    EXPECT_EQ(slot(9), 1005);
    for (int32_t zeile : {10, 12, 33, -1}) EXPECT_FALSE(Menue_Kontext_Lieblingsmenue_Call(zeile, 1005, 0, 0));
    for (int32_t icon = 734; icon <= 757; ++icon) EXPECT_EQ(knoepfe.count({1, icon}), 0u) << icon;
    EXPECT_TRUE(cap.contains("Menue_Kontext_Lieblingsmenue_Call: item-error!"));
    EXPECT_EQ(Menue_Kontext_Lieblingsmenue_Jump_Call(12, 0, 0, 0), 0);
    EXPECT_TRUE(cap.contains("Menue_Kontext_Lieblingsmenue_Jump_Call: item/icon-error!"));
}

}  // namespace
