// The slave descriptors as the screens and the data builder rely on them, and the manifest's
// refusal of two entries on one index.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/slave.h"
#include "tools/datagen/manifest.h"

TEST(SlaveTabelle, ShapeOfTheDescriptors)
{
    int32_t bilder = 0, flaechen = 0;
    for (int32_t n = 0; n < MENUE_SLAVE_ANZAHL; ++n) {
        const Slave_Rastport* d = Menue_Slave_Beschreibung(n);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->farbe, -1) << n;
        EXPECT_EQ(d->behalten < 0, (n >= 1 && n <= 3) || (n >= 396 && n <= 399)) << n;  // 396-399: the strength bar
        EXPECT_EQ(d->frei[0] | d->frei[1], 0);
        EXPECT_GT(d->breite, 0) << n;
        EXPECT_GT(d->hoehe, 0) << n;
        if (d->code == -1) {
            ++flaechen;
            continue;
        }
        ++bilder;
        // Entry n of the screen file, clear of every number the program uses otherwise.
        ASSERT_GE(d->code, MENUE_RESSOURCE_CODE) << n;
        ASSERT_LT(d->code, 2 * MENUE_RESSOURCE_CODE) << n;
        int32_t e = d->code - MENUE_RESSOURCE_CODE;
        EXPECT_LT(e, 3695) << n;
        for (int32_t belegt : {139, 212, 328, 450, 489, 971}) EXPECT_NE(e, belegt) << n;
        for (auto [von, bis] : {std::pair{1043, 1048}, {1079, 1090}, {1229, 1229}, {1521, 1537}, {1584, 1615},
                                {1838, 1937}, {3687, 3692}})
            EXPECT_FALSE(e >= von && e <= bis) << n;
    }
    EXPECT_EQ(bilder, 377);
    EXPECT_EQ(flaechen, 73);
    EXPECT_EQ(Menue_Slave_Beschreibung(442)->code, -1);
    EXPECT_EQ(Menue_Slave_Beschreibung(450), nullptr);
    EXPECT_EQ(Menue_Slave_Beschreibung(-1), nullptr);
}

TEST(Manifest, TwoEntriesOnOneIndexAreRefused)
{
    std::string fehler;
    EXPECT_TRUE(Manifest_Pruefen(Manifest_Eintraege(), &fehler)) << fehler;

    std::vector<Manifest_Eintrag> v = {
        {"resf_scr.res", 971, 14, 640, 480, 0, 16, false, "Hintergrund"},
        {"werbung.res", 947, 14, 96, 48, 0, 16, false, "Werbung an derselben Stelle, andere Datei"},
        {"resf_scr.res", 2048, 14, 40, 32, 0, 16, true, "Briefkasten"},
    };
    EXPECT_TRUE(Manifest_Pruefen(v, &fehler)) << fehler;
    v.push_back({"resf_scr.res", 971, 14, 10, 10, 0, 16, false, "Zweites Bild"});
    EXPECT_FALSE(Manifest_Pruefen(v, &fehler));
    EXPECT_NE(fehler.find("Zweites Bild"), std::string::npos) << fehler;
    EXPECT_NE(fehler.find("Hintergrund"), std::string::npos) << fehler;

    std::vector<Manifest_Eintrag> fremd = {{"fehlt.res", 1, 14, 1, 1, 0, 16, false, "?"}};
    EXPECT_FALSE(Manifest_Pruefen(fremd, &fehler));
    EXPECT_NE(fehler.find("fehlt.res"), std::string::npos);
}
