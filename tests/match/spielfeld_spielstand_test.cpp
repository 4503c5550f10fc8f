// A game on the pitch saved in the middle of play and loaded plays on as the uninterrupted one:
// the same events, the same record image, the same generator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "match/spieltag_welt.h"
#include "platform/disk.h"

namespace {

class Spielfeld_Spielstand : public Spieltag_Welt {
protected:
    // The blocks the day's play writes: generator, match store, match day, live records.
    static std::vector<Disk_Bereich> bloecke()
    {
        const std::vector<uint8_t> bild = Disk_Spielstand_Abbild();
        std::string version;
        Disk_Bereiche b;
        EXPECT_TRUE(Disk_Spielstand_Zerlegen(bild.data(), bild.size(), &version, &b));
        return {b[DISK_POS_ZUFALL - 1], b[DISK_POS_SPIELE - 1], b[DISK_POS_SPIELTAG - 1], b[DISK_POS_SPIELFELD - 1]};
    }
    // The managed club's game of the running day and its live record.
    static Spielfeld_Record* eigenes_spiel(int32_t* spiel)
    {
        const int32_t verein = Aktuelles_Team >= 0 ? Aktuelles_Team : 0;
        for (const auto& [c, g] : spiele()) {
            const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
            if (m && (m->heim == verein || m->gast == verein)) {
                *spiel = g;
                return Spielfeld_Get_Spiel(g);
            }
        }
        return nullptr;
    }
    static std::vector<Spiele_Ereignis_Info> ereignisse(int32_t g)
    {
        std::vector<Spiele_Ereignis_Info> v;
        Spiele_Ereignis_Info e;
        for (bool da = Spiele_Get_Erstes_Ereignis(g, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) v.push_back(e);
        return v;
    }
    // Saves where `halt` stops the loop, plays to the day's close, loads and plays again.
    template <typename Halt>
    void gespeichert_und_geladen(uint32_t rolle, Halt halt)
    {
        Netz_Rolle = rolle;
        // The managed club's games are played on the pitch without a window.
        spielfeld_spieltag::auf_den_platz(Aktuelles_Team >= 0 ? Aktuelles_Team : 0);
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
        int32_t g = -1;
        Spielfeld_Record* r = eigenes_spiel(&g);
        ASSERT_NE(r, nullptr);
        ASSERT_EQ(r->aktiv, 1);
        for (int32_t i = 0; i < 400000 && !halt(r); ++i) Ablauf_Schritt();
        ASSERT_TRUE(halt(r));
        const int32_t zustand = Ablauf_Zustand;
        const int32_t minute = r->minute;
        ASSERT_TRUE(Disk_Spielstand_Speichern("mitten"));
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
        const auto erwartet = bloecke();
        const auto ereignisse_erwartet = ereignisse(g);
        ASSERT_GT(Spielfeld_Get_Spiel(g)->minute, minute + 40);

        ASSERT_TRUE(Disk_Spielstand_Laden("mitten"));
        EXPECT_EQ(Ablauf_Zustand, zustand);
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
        const auto wieder = bloecke();
        EXPECT_EQ(wieder[0], erwartet[0]) << "random numbers";
        EXPECT_EQ(wieder[1], erwartet[1]) << "match store";
        EXPECT_EQ(wieder[2], erwartet[2]) << "match day";
        EXPECT_EQ(wieder[3], erwartet[3]) << "live records";
        const auto ereignisse_wieder = ereignisse(g);
        ASSERT_EQ(ereignisse_wieder.size(), ereignisse_erwartet.size());
        for (size_t i = 0; i < ereignisse_wieder.size(); ++i) {
            EXPECT_EQ(ereignisse_wieder[i].flags, ereignisse_erwartet[i].flags) << i;
            EXPECT_EQ(ereignisse_wieder[i].minute, ereignisse_erwartet[i].minute) << i;
            EXPECT_EQ(ereignisse_wieder[i].spieler_1, ereignisse_erwartet[i].spieler_1) << i;
        }
    }
};

TEST_F(Spielfeld_Spielstand, SavedAtMinuteThirtyAPitchGamePlaysOnIdentically)
{
    gespeichert_und_geladen(3, [](const Spielfeld_Record* r) { return r->minute >= 30; });
}

TEST_F(Spielfeld_Spielstand, SavedAtHalfTimeAPitchGamePlaysOnIdentically)
{
    gespeichert_und_geladen(0, [](const Spielfeld_Record*) { return Ablauf_Zustand == ABLAUF_HALBZEIT; });
}

}  // namespace
