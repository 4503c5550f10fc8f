// The match day's lists, cursor, lookups, clock and savegame block on a day of the small world.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>

#include "common/capture.h"
#include "match/spieltag_intern.h"
#include "match/spieltag_welt.h"
#include "platform/disk.h"

namespace {

class Spieltag : public Spieltag_Welt {};

TEST_F(Spieltag, ListsCursorAndLookupsOfTheDay)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    const auto tag = spiele();
    ASSERT_FALSE(tag.empty());

    // The capacity holds: one word asked, one written.
    int32_t w[3] = {-7, -7, -7};
    EXPECT_EQ(Spieltag_Get_Wettbewerbe(w, 1), 1);
    EXPECT_EQ(w[1], -7);
    int32_t klein[2] = {-7, -7};
    Fehler_Capture cap;
    if (tag.size() > 1 && std::count_if(tag.begin(), tag.end(), [&](auto& p) { return p.first == tag[0].first; }) > 1) {
        EXPECT_FALSE(Spieltag_Get_Spiele(tag[0].first, klein, 2));
        EXPECT_EQ(klein[1], -7);
    }

    // The cursor walks the same games as the lookup, and every game's opponents find each other.
    std::set<int32_t> spielen;
    Liste_Element* knoten = Spieltag_Get_Wettbewerbe_Liste()->next;
    size_t k = 0;
    for (; knoten; knoten = knoten->next) {
        int32_t g = Spieltag_Wettbewerb_Erstes_Spiel(knoten);
        EXPECT_EQ(Spieltag_Get_Laeuft(-1), SPIELTAG_SPIELT);
        for (; g; g = Spieltag_Naechstes_Spiel(), ++k) {
            ASSERT_LT(k, tag.size());
            EXPECT_EQ(g, tag[k].second);
            const Spiele_Spiel m = *Spiele_Get_Spiel(g, 1);
            int32_t auswaerts = -1, spiel = -1, wettbewerb = -1;
            EXPECT_EQ(Spieltag_Get_Gegner(m.heim, &auswaerts, &spiel, &wettbewerb), m.gast);
            EXPECT_EQ(auswaerts, 0);
            EXPECT_EQ(spiel, g);
            EXPECT_EQ(wettbewerb, tag[k].first);
            EXPECT_EQ(Spieltag_Get_Gegner(m.gast, &spiel), m.heim);
            EXPECT_TRUE(Spieltag_Team_Spielt(m.heim));
            spielen.insert(m.heim);
            spielen.insert(m.gast);
        }
        // Past the last game the cursor is outside the games.
        cap.texts.clear();
        EXPECT_EQ(Spieltag_Get_Laeuft(-1), 0u);
        EXPECT_EQ(cap.texts.size(), 1u);
    }
    EXPECT_EQ(k, tag.size());
    int32_t frei = 0;
    while (spielen.count(frei)) ++frei;
    int32_t spiel = 5, wichtig = 5;
    EXPECT_EQ(Spieltag_Get_Gegner(frei, nullptr, &wichtig, &spiel, nullptr), -1);
    EXPECT_EQ(spiel, -1);
    EXPECT_EQ(wichtig, 0);
    EXPECT_FALSE(Spieltag_Team_Spielt(frei));

    // Bad indexes answer 0 with their texts and write nothing.
    knoten = Spieltag_Get_Wettbewerbe_Liste()->next;
    const int32_t n = Spieltag_Wettbewerb_Anzahl_Spiele(knoten);
    cap.texts.clear();
    EXPECT_EQ(Spieltag_Get_Laeuft(n), 0u);
    EXPECT_EQ(Spieltag_Get_Spiel(n), 0);
    Spieltag_Set_Laeuft(n, 3);
    EXPECT_EQ(cap.texts, (std::vector<std::string>{"Get_Läuft-Überlauf: " + std::to_string(n) + "\n",
                                                   "Set_Get_Spiel-Überlauf: " + std::to_string(n) + "\n",
                                                   "Set_Läuft-Überlauf: " + std::to_string(n) + "\n"}));
    for (int32_t i = 0; i < n; ++i) EXPECT_EQ(Spieltag_Get_Laeuft(i), SPIELTAG_SPIELT);

    // A competition without games today is skipped by the walks.
    Liste leer{};
    Liste_Init(&leer);
    const uint32_t nutzlast[2] = {0, 0};
    Liste_Element* e = Liste_Insert_Element(&leer, nullptr, nutzlast, sizeof nutzlast, 99);
    EXPECT_EQ(Spieltag_Wettbewerb_Erstes_Spiel(e), 0);
    EXPECT_EQ(Spieltag_Naechstes_Spiel(), 0);
    EXPECT_EQ(Spieltag_Wettbewerb_Anzahl_Spiele(e), 0);
    Liste_Delete_All(&leer);

    // Without a match day nothing is found.
    Spieltag_DeInit();
    EXPECT_EQ(Spieltag_Get_Wettbewerbe(w, 3), 0);
    EXPECT_EQ(Spieltag_Get_Gegner(tag[0].second, nullptr), -1);
    cap.texts.clear();
    EXPECT_FALSE(Spieltag_Get_Spiele(tag[0].first, klein, 2));
    EXPECT_TRUE(cap.contains("Spieltag-Modul nicht initialisiert!"));
    EXPECT_FALSE(Spieltag_Run(0));
}

// Under the preparation's table every club gets the walk's answer, also one whose game changed.
TEST_F(Spieltag, OpponentsUnderTheHoldAreTheWalksOpponents)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_MENUERUNDE));
    const auto fragen = [](int32_t t) {
        std::array<int32_t, 5> a{};
        a[0] = Spieltag_Get_Gegner(t, &a[1], &a[2], &a[3], &a[4]);
        return a;
    };
    std::vector<std::array<int32_t, 5>> ohne;
    for (int32_t t = -1; t < 80; ++t) ohne.push_back(fragen(t));
    Spiele_Spiel* m = Spiele_Get_Spiel(spiele()[0].second, 1);
    const Spieltag_Gegner_Halten halten;
    for (int32_t t = -1; t < 80; ++t) EXPECT_EQ(fragen(t), ohne[size_t(t + 1)]) << t;
    const int32_t heim = m->heim;
    m->heim = m->gast;
    EXPECT_NE(fragen(heim)[3], spiele()[0].second) << "the club left that game";
    m->heim = heim;
}

// The block's bytes as the container would store them.
std::vector<std::vector<uint8_t>> block_bytes()
{
    const std::vector<uint8_t> bild = Disk_Spielstand_Abbild();
    std::string version;
    Disk_Bereiche b;
    EXPECT_TRUE(Disk_Spielstand_Zerlegen(bild.data(), bild.size(), &version, &b));
    return b[DISK_POS_SPIELTAG - 1];
}

TEST_F(Spieltag, SavegameBlockRoundTripsAndRefusesDamage)
{
    // Uninitialised: the flag alone.
    auto leer = block_bytes();
    ASSERT_EQ(leer.size(), 1u);
    EXPECT_EQ(leer[0], std::vector<uint8_t>{0});

    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    for (int i = 0; i < 500; ++i) Spieltag_Run(0);
    Spieltag_Set_Geschwindigkeit(140);
    const auto vorher = block_bytes();
    // flag, the two lists, five values.
    ASSERT_GE(vorher.size(), 8u);
    EXPECT_EQ(vorher[0], std::vector<uint8_t>{1});
    for (size_t i = vorher.size() - 5; i < vorher.size(); ++i) EXPECT_EQ(vorher[i].size(), 4u);
    int32_t minute = 0;
    float rest = 0;
    Spieltag_Get_Uhr(&minute, &rest);

    ASSERT_TRUE(Disk_Spielstand_Speichern("tag"));
    for (int i = 0; i < 300; ++i) Spieltag_Run(0);
    Spieltag_Set_Geschwindigkeit(70);
    ASSERT_TRUE(Spielstart_Laden("tag"));
    EXPECT_EQ(block_bytes(), vorher);
    int32_t m2 = 0;
    float r2 = 0;
    Spieltag_Get_Uhr(&m2, &r2);
    EXPECT_EQ(m2, minute);
    EXPECT_EQ(r2, rest);
    EXPECT_EQ(Spieltag_Get_Geschwindigkeit(nullptr, nullptr), 140);

    // Damaged blocks are refused whole; the running day stays as it was.
    const std::vector<uint8_t> datei = Disk_Spielstand_Abbild();
    std::string version;
    Disk_Bereiche gut;
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(datei.data(), datei.size(), &version, &gut));
    auto& b = gut[DISK_POS_SPIELTAG - 1];
    // The first competitions element: marker, 24-byte header, payload (n, h, states, games).
    ASSERT_EQ(b[2].size(), 24u);
    const uint32_t n = Disk_LE32_Lesen(b[3].data());
    ASSERT_GT(n, 0u);
    auto kaputt = [&](auto aendern, const char* was) {
        Disk_Bereiche x = gut;
        aendern(x[DISK_POS_SPIELTAG - 1]);
        const std::vector<uint8_t> d = Disk_Spielstand_Bauen(version.c_str(), x);
        char pfad[512];
        ASSERT_TRUE(Disk_Spielstand_Pfad("kaputt", pfad, sizeof pfad));
        FILE* f = std::fopen(pfad, "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(d.data(), 1, d.size(), f);
        std::fclose(f);
        Fehler_Capture cap;
        EXPECT_FALSE(Spielstart_Laden("kaputt")) << was;
        EXPECT_EQ(Disk_Spielstand_Abbild(), datei) << was;
    };
    kaputt([](Disk_Bereich& x) { x[0][0] = 2; }, "flag");
    kaputt([&](Disk_Bereich& x) { Disk_LE32_Setzen(x[3].data(), n + 1); }, "n against the payload");
    kaputt([&](Disk_Bereich& x) { Disk_LE32_Setzen(x[3].data() + 8, 4); }, "state 4");
    kaputt([&](Disk_Bereich& x) { Disk_LE32_Setzen(x[3].data() + 8 + 4 * n, 499); }, "handle not locked");
    if (n > 1)
        kaputt([&](Disk_Bereich& x) { std::memcpy(x[3].data() + 12 + 4 * n, x[3].data() + 8 + 4 * n, 4); }, "handle twice");
    kaputt([](Disk_Bereich& x) { Disk_LE32_Setzen(x[x.size() - 4].data(), 281); }, "speed");
    kaputt([](Disk_Bereich& x) { Disk_LE32_Setzen(x[x.size() - 1].data(), 176); }, "fast-forward");
    kaputt([](Disk_Bereich& x) { x.pop_back(); }, "short");
    // A shoot-out entry for a game of the day: one with a taker index past its count is refused.
    kaputt(
        [&](Disk_Bereich& x) {
            Spieltag_Elfmeter_Eintrag e{};
            e.anzahl[0] = e.anzahl[1] = 3;
            e.index[1] = 3;
            e.serie = e.rest = 5;
            std::vector<uint8_t> bild(104);
            Spieltag_Elfmeter_Packen(e, bild.data());
            std::vector<uint8_t> kopf(24, 0);
            Disk_LE32_Setzen(kopf.data() + 8, 1);
            Disk_LE32_Setzen(kopf.data() + 12, Disk_LE32_Lesen(x[3].data() + 8 + 4 * n));
            Disk_LE32_Setzen(kopf.data() + 16, 24 + 104);
            // The shoot-out list follows the competitions list's end marker.
            size_t ende = 1;
            while (!(x[ende].size() == 4 && Disk_LE32_Lesen(x[ende].data()) == LISTE_MARKE_ENDE)) ++ende;
            const std::vector<uint8_t> marke{0xFF, 0xFF, 0xFF, 0xFF};
            x.insert(x.begin() + ptrdiff_t(ende) + 1, {marke, kopf, bild});
        },
        "taker index");
}

TEST(Spieltag_Elfmeter_Bild, FieldsAtTheirBytes)
{
    Spieltag_Elfmeter_Eintrag e{};
    e.start_tore[0] = 2;
    e.start_tore[1] = 1;
    for (int s = 0; s < 2; ++s)
        for (int k = 0; k < 11; ++k) e.schuetzen[s][k] = uint32_t(1000 * s + k + 1);
    e.anzahl[0] = 11;
    e.anzahl[1] = 10;
    e.index[0] = 4;
    e.index[1] = 9;
    e.am_zug = 1;
    e.erster = 0;
    e.serie = 1;
    e.rest = 1;
    uint8_t b[104];
    Spieltag_Elfmeter_Packen(e, b);
    EXPECT_EQ(Disk_LE32_Lesen(b + 0), 2u);
    EXPECT_EQ(Disk_LE32_Lesen(b + 4), 1u);
    EXPECT_EQ(Disk_LE32_Lesen(b + 8), 1u);
    EXPECT_EQ(Disk_LE32_Lesen(b + 48), 11u);
    EXPECT_EQ(Disk_LE32_Lesen(b + 52), 1001u);
    EXPECT_EQ(Disk_LE32_Lesen(b + 92), 1011u);
    EXPECT_EQ((std::vector<uint8_t>(b + 96, b + 104)), (std::vector<uint8_t>{11, 10, 4, 9, 1, 0, 1, 1}));
    Spieltag_Elfmeter_Eintrag z{};
    ASSERT_TRUE(Spieltag_Elfmeter_Entpacken(b, 104, &z));
    EXPECT_EQ(std::memcmp(&z, &e, sizeof e), 0);
    // Counts above 11, indexes at their count and short images are refused.
    EXPECT_FALSE(Spieltag_Elfmeter_Entpacken(b, 103, &z));
    b[96] = 12;
    EXPECT_FALSE(Spieltag_Elfmeter_Entpacken(b, 104, &z));
    b[96] = 11;
    b[99] = 10;
    EXPECT_FALSE(Spieltag_Elfmeter_Entpacken(b, 104, &z));
}

}  // namespace
