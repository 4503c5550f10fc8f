// Stadium records, building works, the request images and the savegame block.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "platform/bytes.h"
#include "platform/disk.h"
#include "stadion_hilfe.h"

TEST_F(StadionTest, CostsTimesAndRenovationFollowModelAndFirm)
{
    EXPECT_FLOAT_EQ(Stadion_Baukosten(0, 1, 2, 10000), 900000.0f);
    EXPECT_EQ(Stadion_Bauzeit(1, 2), 119);
    EXPECT_EQ(Stadion_Bauzeit(1, 0), 71);
    EXPECT_FLOAT_EQ(Stadion_Abrisskosten(0, 1, 2, 10000), 45000.0f);
    // facilities cost per unit, a firm's cut lowers building but not demolition
    Stadion_Baufirma[2].rabatt = 20;
    EXPECT_FLOAT_EQ(Stadion_Baukosten(6, 9, 2, 1), 936000.0f);
    EXPECT_FLOAT_EQ(Stadion_Abrisskosten(6, 9, 2, 1), 58500.0f);
    Stadion_Baufirma[2].rabatt = 0;

    Stadion_Daten* d = anlegen(3, 1, 10000);
    EXPECT_FLOAT_EQ(Stadion_Renovierungskosten(3, 0), 0.0f);
    d->slot[0].zustand = 0.0f;
    EXPECT_FLOAT_EQ(Stadion_Renovierungskosten(3, 0), 236250.0f);  // firm 0 sells model 1
    EXPECT_FLOAT_EQ(Stadion_Renovierungskosten(3, 19), 0.0f);
    EXPECT_EQ(Stadion_Modell_Max_Plaetze(7), 1);
    EXPECT_EQ(Stadion_Modell_Max_Plaetze(36), 0);
}

TEST_F(StadionTest, RecordsCountOnlyReadyStandsOfTheMask)
{
    ASSERT_TRUE(Stadion_Neu(5, nullptr));
    const Stadion_Daten* leer = Stadion_Zeiger(5, 0);
    ASSERT_NE(leer, nullptr);
    EXPECT_EQ(leer->stimmung, 50);
    EXPECT_EQ(leer->hat_top + leer->hat_statistik, 0u);
    for (const Stadion_Slot& s : leer->slot) EXPECT_EQ(s.modell, 0);
    EXPECT_NEAR(leer->dauerkarten_preis, 326.4f, 1e-3);  // no competition: 24 DM x 17 x 0.8
    EXPECT_FLOAT_EQ(Stadion_Eintrittspreis(5), 24.0f);

    Stadion_Daten* d = anlegen(3, 4, 8000);  // roofed seats: kind 5
    setzen(*d, 1, 1, 6000);                  // open terraces: kind 10
    setzen(*d, 2, 4, 9000, Aktueller_Tag + 1);
    EXPECT_EQ(Stadion_Get_Plaetze(3, 1), 0);
    EXPECT_EQ(Stadion_Get_Plaetze(3, 5), 4 * 8000);
    EXPECT_EQ(Stadion_Get_Plaetze(3, 14), 6000);
    EXPECT_EQ(Stadion_Get_Plaetze(3, 15), 4 * 8000 + 6000);
    EXPECT_EQ(Stadion_Get_Anlage_Wert(3, 2), 0);
    EXPECT_EQ(Stadion_Get_Anlage_Wert(3, 1), 6000);
    // the copy is not the stored record
    Stadion_Zeiger(3, 0)->slot[1].plaetze = 1;
    EXPECT_EQ(Stadion_Get_Anlage_Wert(3, 1), 6000);
    Netz_Rolle = 1;
    EXPECT_FALSE(Stadion_Neu(4, nullptr));
    EXPECT_FALSE(Stadion_Loeschen(3));
}

TEST_F(StadionTest, BuildingPaysFirstAndExtensionsCompensateSeasonTickets)
{
    Stadion_Daten* d = anlegen(3, 1, 10000);
    d->dauerkarten = 55000;
    d->dauerkarten_preis = 100.0f;
    // refused: nothing booked, season tickets and stand untouched
    bank_zahlt = false;
    EXPECT_FALSE(Stadion_Bauen(3, 0, 1, 2, 20000, 450000.0f));
    EXPECT_TRUE(Test_Buchungen.empty());
    EXPECT_EQ(d->dauerkarten, 55000);
    EXPECT_EQ(d->slot[0].plaetze, 10000);

    bank_zahlt = true;
    d->slot[0].zustand = 70.0f;
    ASSERT_TRUE(Stadion_Bauen(3, 0, 1, 2, 20000, 450000.0f));
    ASSERT_EQ(Test_Buchungen.size(), 2u);
    EXPECT_EQ(Test_Buchungen[0].kategorie, 14);
    EXPECT_EQ(Test_Buchungen[1].kategorie, 15);
    EXPECT_FLOAT_EQ(Test_Buchungen[1].betrag, 5000 * 100.0f);
    EXPECT_EQ(d->dauerkarten, 50000);
    EXPECT_EQ(d->slot[0].bauende, Aktueller_Tag + 119);
    EXPECT_FLOAT_EQ(d->slot[0].zustand, 70.0f);  // same model: the old seats keep their state
    EXPECT_EQ(Stadion_Get_Plaetze(3, 15), 50000);

    // a bad model for the slot, a firm that does not sell it, too many seats
    EXPECT_FALSE(Stadion_Bauen(3, 1, 9, 2, 1, 0));
    EXPECT_FALSE(Stadion_Bauen(3, 1, 6, 0, 5000, 0));
    EXPECT_FALSE(Stadion_Bauen(3, 1, 1, 0, 26000, 0));
    EXPECT_FALSE(Stadion_Bauen(3, 19, 1, 0, 1000, 0));
    EXPECT_FALSE(Stadion_Bauen(4, 0, 1, 0, 1000, 0));
    // demolition
    ASSERT_TRUE(Stadion_Bauen(3, 5, 1, 0, 0, 1000.0f));
    EXPECT_EQ(d->slot[5].modell, 0);
}

TEST_F(StadionTest, RenovationReportsFailuresAndEndsTomorrowAtTheEarliest)
{
    Stadion_Daten* d = anlegen(3);
    setzen(*d, 12, 29, 1);
    d->slot[12].firma = 0;  // 8 days to build: renovation ends tomorrow
    d->slot[12].zustand = 40.0f;
    EXPECT_FALSE(Stadion_Renovieren(3, 19, 10.0f));
    EXPECT_FALSE(Stadion_Renovieren(4, 12, 10.0f));
    EXPECT_FALSE(Stadion_Renovieren(3, 13, 10.0f));  // nothing built there
    bank_zahlt = false;
    EXPECT_FALSE(Stadion_Renovieren(3, 12, 10.0f));
    EXPECT_FLOAT_EQ(d->slot[12].zustand, 40.0f);
    bank_zahlt = true;
    ASSERT_TRUE(Stadion_Renovieren(3, 12, 10.0f));
    EXPECT_EQ(d->slot[12].bauende, Aktueller_Tag + 1);
    EXPECT_EQ(d->slot[12].fertig, 1);
    EXPECT_FLOAT_EQ(d->slot[12].zustand, 100.0f);
}

namespace {
std::vector<uint8_t> bild(std::initializer_list<int32_t> worte, const float* preise = nullptr, int n = 0)
{
    std::vector<uint8_t> v;
    auto wort = [&](uint32_t w) {
        v.resize(v.size() + 4);
        Bytes_Setze32(v.data() + v.size() - 4, w);
    };
    for (int32_t w : worte) wort(uint32_t(w));
    for (int i = 0; i < n; ++i) {
        uint32_t b;
        std::memcpy(&b, &preise[i], 4);
        wort(b);
    }
    return v;
}
uint32_t preis_bits(float f)
{
    uint32_t b;
    std::memcpy(&b, &f, 4);
    return b;
}
}  // namespace

TEST_F(StadionTest, ForgedRequestsChangeNothingOrBookTheTruePrice)
{
    Stadion_Daten* d = anlegen(3, 1, 10000);
    anlegen(4);
    std::vector<uint8_t> antwort;
    auto anfrage = [&](int32_t nr, const std::vector<uint8_t>& b) {
        return Stadion_Server_Anfrage(nr, b.data(), uint32_t(b.size()), &antwort);
    };
    // builds: another club, bad slot, foreign model, a firm that does not sell, too many seats
    for (auto b : {bild({int32_t(preis_bits(1.0f)), 4, 0, 1, 2, 12000}), bild({int32_t(preis_bits(1.0f)), 3, 19, 1, 2, 12000}),
                   bild({int32_t(preis_bits(1.0f)), 3, 0, 9, 2, 12000}), bild({int32_t(preis_bits(1.0f)), 3, 0, 6, 0, 12000}),
                   bild({int32_t(preis_bits(1.0f)), 3, 0, 1, 2, 25500}), bild({int32_t(preis_bits(1.0f)), 3, 0, 1})})
        EXPECT_EQ(anfrage(STADION_BAUEN, b), 0);
    EXPECT_TRUE(Test_Buchungen.empty());
    // an extension by 2,000 seats costs what the screen shows, whatever the client sent
    ASSERT_EQ(anfrage(STADION_BAUEN, bild({int32_t(preis_bits(1.0f)), 3, 0, 1, 2, 12000})), 1);
    ASSERT_EQ(Test_Buchungen.size(), 1u);
    EXPECT_FLOAT_EQ(Test_Buchungen[0].betrag, 180000.0f);
    ASSERT_EQ(antwort.size(), 4u);
    EXPECT_EQ(Bytes_Hole32(antwort.data()), preis_bits(180000.0f));
    EXPECT_EQ(d->slot[0].plaetze, 12000);

    d->slot[1].zustand = 0.0f;
    Test_Buchungen.clear();
    ASSERT_EQ(anfrage(STADION_RENOVIEREN, bild({int32_t(preis_bits(1.0f)), 3, 1})), 1);
    EXPECT_FLOAT_EQ(Test_Buchungen.at(0).betrag, 236250.0f);

    // prices: finite, 0..50 DM; top settings 5..35 % and places 1..33
    const float gut[6] = {10, 11, 12, 13, 14, 15};
    float schlecht[6] = {10, 11, 12, 13, 14, std::numeric_limits<float>::quiet_NaN()};
    EXPECT_EQ(anfrage(STADION_PREISE_SETZEN, bild({3}, schlecht, 6)), 0);
    schlecht[5] = 51.0f;
    EXPECT_EQ(anfrage(STADION_PREISE_SETZEN, bild({3}, schlecht, 6)), 0);
    EXPECT_EQ(anfrage(STADION_PREISE_SETZEN, bild({4}, gut, 6)), 0);
    EXPECT_FLOAT_EQ(d->preis[5], Stadion_Eintrittspreis(3));
    ASSERT_EQ(anfrage(STADION_PREISE_SETZEN, bild({3}, gut, 6)), 1);
    EXPECT_FLOAT_EQ(d->preis[5], 15.0f);
    Stadion_Optionale_Teile_Setzen(d, true);
    EXPECT_EQ(anfrage(STADION_TOP_SETZEN, bild({3, 1, 0, 40, 4}, gut, 6)), 0);
    EXPECT_EQ(anfrage(STADION_TOP_SETZEN, bild({3, 1, 0, 20, 0}, gut, 6)), 0);
    ASSERT_EQ(anfrage(STADION_TOP_SETZEN, bild({3, 1, 0, 20, 6}, gut, 6)), 1);
    EXPECT_FLOAT_EQ(d->top.zuschlag, 20.0f);
    EXPECT_EQ(d->top.platz_grenze, 6);

    ASSERT_EQ(anfrage(STADION_GET_LISTE, bild({3})), 1);
    EXPECT_EQ(antwort, Stadion_Liste_Bauen());
}

TEST_F(StadionTest, BlockRoundTripsEveryPartCombinationAndRefusesDamage)
{
    for (int t = 0; t < 4; ++t) {
        Stadion_Daten* d = anlegen(t, 1 + t, 5000 + t * 500);
        d->hat_top = t & 1;
        d->hat_statistik = (t >> 1) & 1;
        if (d->hat_top) d->top = Stadion_Top{12.5f, 3, 1, 0, 1, 0};
        if (d->hat_statistik) {
            d->statistik.rekord_zuschauer[2] = 4711;
            std::strcpy(d->statistik.rekord_gegner[2][0], "Gegner");
            d->statistik.eintraege = 3;
        }
    }
    EXPECT_EQ(Stadion_Bild_Schreiben(*Stadion_Zeiger(0, 1)).size(), 456u);
    EXPECT_EQ(Stadion_Bild_Schreiben(*Stadion_Zeiger(1, 1)).size(), 468u);
    EXPECT_EQ(Stadion_Bild_Schreiben(*Stadion_Zeiger(2, 1)).size(), 2144u);
    EXPECT_EQ(Stadion_Bild_Schreiben(*Stadion_Zeiger(3, 1)).size(), 2156u);
    Stadion_Baufirma[3].angebot = 17;
    Stadion_Baufirma[1].rabatt = 15;
    const std::vector<uint8_t> block = Stadion_Block_Bauen();
    EXPECT_EQ(block.size(), 49u + 4 + 4 * 28 + 456 + 468 + 2144 + 2156);

    Stadion_Init();
    ASSERT_TRUE(Stadion_Block_Lesen(block.data(), uint32_t(block.size())));
    EXPECT_EQ(Stadion_Block_Bauen(), block);
    EXPECT_EQ(Stadion_Zeiger(3, 1)->statistik.rekord_zuschauer[2], 4711);

    // damage: truncated, a flipped presence word, an inflated size, a model out of range
    std::vector<std::vector<uint8_t>> kaputt(4, block);
    kaputt[0].resize(block.size() - 3);
    kaputt[1][49 + 28 + 448] = 1;
    Bytes_Setze32(kaputt[2].data() + 49 + 20, 456 + 24 + 100);
    kaputt[3][49 + 28 + 36 + 17] = 36;
    Stadion_Init();
    anlegen(9);
    for (const auto& k : kaputt) {
        EXPECT_FALSE(Stadion_Block_Lesen(k.data(), uint32_t(k.size())));
        EXPECT_EQ(Stadion_Teams(), std::vector<int32_t>{9});
    }

    // the older layout: quarter counter in place of the marker, no firm values
    std::vector<uint8_t> alt(block.begin(), block.begin() + 5);
    Bytes_Setze32(alt.data() + 1, 2);
    alt.insert(alt.end(), block.begin() + 49, block.end());
    ASSERT_TRUE(Stadion_Block_Lesen(alt.data(), uint32_t(alt.size())));
    EXPECT_EQ(Stadion_Baufirma[3].angebot, 0);
    EXPECT_EQ(Stadion_Baufirma[1].rabatt, 0);
    EXPECT_EQ(Stadion_Teams().size(), 4u);
}

TEST_F(StadionTest, SavegameBlockIsTheBuiltBlockWithPartFlagsAsOneOrZero)
{
    // Part flags other than 1 count as present and are written as 1, in the record's image,
    // the list and the savegame block, which is put together in its place in the save.
    for (int t = 0; t < 3; ++t) anlegen(t, 1 + t, 6000 + t * 700);
    Stadion_Zeiger(1, 1)->hat_top = 7;
    Stadion_Zeiger(2, 1)->hat_statistik = 0x100;
    Stadion_Zeiger(2, 1)->statistik.eintraege = 2;
    const std::vector<uint8_t> bild = Stadion_Bild_Schreiben(*Stadion_Zeiger(2, 1));
    ASSERT_EQ(bild.size(), 456u + 1688);
    EXPECT_EQ(Bytes_Hole32(bild.data() + 448), 0u);
    EXPECT_EQ(Bytes_Hole32(bild.data() + 452), 1u);
    EXPECT_EQ(Bytes_Hole32(Stadion_Bild_Schreiben(*Stadion_Zeiger(1, 1)).data() + 448), 1u);
    EXPECT_EQ(Stadion_Zeiger(1, 1)->hat_top, 7u);  // the stadium itself stays as it was

    // the stadiums' block alone in the save: blocks another test registered stay out of it
    for (int pos = 1; pos <= DISK_POSITIONEN; ++pos)
        if (pos != DISK_POS_FREI) Disk_Block_Registrieren(pos, nullptr, nullptr);
    Stadion_Module_Registrieren();
    const std::vector<uint8_t> datei = Disk_Spielstand_Abbild();
    Disk_Block_Registrieren(DISK_POS_STADION, nullptr, nullptr);
    std::string version;
    Disk_Bereiche bereiche;
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(datei.data(), datei.size(), &version, &bereiche));
    ASSERT_EQ(bereiche[DISK_POS_STADION - 1].size(), 1u);
    const std::vector<uint8_t> block = Stadion_Block_Bauen();
    EXPECT_EQ(bereiche[DISK_POS_STADION - 1][0], block);
    EXPECT_EQ(block.size(), 49u + 4 + 3 * 28 + 456 + 468 + 2144);
    const std::vector<uint8_t> liste = Stadion_Liste_Bauen();
    EXPECT_TRUE(std::equal(liste.begin(), liste.end(), block.begin() + 49, block.end()));
    Stadion_Init();
    ASSERT_TRUE(Stadion_Block_Lesen(block.data(), uint32_t(block.size())));
    EXPECT_EQ(Stadion_Zeiger(1, 1)->hat_top, 1u);
    EXPECT_EQ(Stadion_Block_Bauen(), block);
}

TEST_F(StadionTest, TeamReaderSharesPlacesOverSixStandsByTheTerracesShare)
{
    Stadion_Daten v{};
    Team_Stadionplaetze_Init(3, &v, 12000, 22000, 0);
    const int32_t terrassen[6] = {1, 0, 1, 1, 0, 1};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(v.slot[i].plaetze, terrassen[i] ? 5500 : 6000) << i;
        EXPECT_EQ(Stadion_Modell[v.slot[i].modell].art & 2, terrassen[i] ? 2 : 0) << i;
        EXPECT_LE(v.slot[i].plaetze, Stadion_Modell_Max_Plaetze(v.slot[i].modell));
    }
    ASSERT_TRUE(Stadion_Neu(3, &v));
    EXPECT_EQ(Team_Wert(TEAM_STADION_STEHPLAETZE, 3, 0, TEAM_LESEN), 22000);
    EXPECT_EQ(Team_Wert(TEAM_STADION_SITZPLAETZE, 3, 0, TEAM_LESEN), 12000);

    // rounded: shares in steps of 500, what is cut carried to the next stand of its kind
    Stadion_Daten r{};
    Team_Stadionplaetze_Init(3, &r, 1000, 100000, 1);
    int32_t summe = 0;
    for (const Stadion_Slot& s : r.slot) {
        EXPECT_EQ(s.plaetze % 500, 0);
        summe += s.plaetze;
    }
    EXPECT_EQ(summe, 99500);  // six terraces; the carried rest makes one of them 17,000
}
