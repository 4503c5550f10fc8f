// The advertising screen's drops, texts, markers, the European switch and the agencies.
#include "economy/werbung_schirm.h"
#include "werbung_hilfe.h"

namespace {
struct WerbungSchirm : WerbungTest {
    static int32_t erste(int32_t kategorie)
    {
        int32_t n = 0, e = 0;
        Werbung_Kategorie_Flaechen(kategorie, &n, &e);
        return e;
    }
};
}  // namespace

TEST_F(WerbungSchirm, AShirtOnABoardAsksForTheChestAndSignsNothing)
{
    const int32_t m = manager[0];
    angebot(13, 3);
    EXPECT_FALSE(Werbung_Schirm_Ablegen(m, 13, 2, WERBUNG_ICON_FLAECHE + erste(0)));
    ASSERT_FALSE(requester.empty());
    EXPECT_EQ(requester.back(), "Bitte legen Sie das Trikot auf die Brust des Spielers.");
    for (float b : daten(m).betrag) EXPECT_EQ(b, 0.0f);
    requester.clear();
    EXPECT_FALSE(Werbung_Schirm_Ablegen(m, 13, 2, -1));  // dropped nowhere: silence
    EXPECT_TRUE(requester.empty());
    EXPECT_TRUE(Werbung_Schirm_Ablegen(m, 13, 2, WERBUNG_ICON_FLAECHE + erste(3)));
    EXPECT_EQ(daten(m).sponsor[erste(3)], 13);
    EXPECT_FALSE(Werbung_Schirm_Ablegen(m, 13, 2, WERBUNG_ICON_FLAECHE + erste(3)));
    EXPECT_EQ(requester.back(), "Diese Werbefläche ist bereits vermietet");
    EXPECT_NE(Werbung_Einnahmen_Zeile(m).find(Bank_Betrag_String(daten(m).betrag[erste(3)], m, -1, 0)), std::string::npos);
    EXPECT_EQ(Werbung_Icon_Flaeche(2106), -1);
    EXPECT_EQ(Werbung_Icon_Flaeche(2124), -1);
    EXPECT_EQ(Werbung_Bild_Kategorie(3), -1);
}

TEST_F(WerbungSchirm, ASponsorHoldingFiveSpacesIsNeverSignedAndItsHelpSaysSo)
{
    const int32_t m = manager[0];
    angebot(2, 0, 20);
    for (int32_t i = 0; i < 5; ++i) ASSERT_TRUE(Werbung_Schirm_Ablegen(m, 2, 1, WERBUNG_ICON_FLAECHE + i));
    EXPECT_EQ(Werbung_Sponsor_Flaechen(m, 2), 5);
    EXPECT_FALSE(Werbung_Schirm_Ablegen(m, 2, 1, WERBUNG_ICON_FLAECHE + 5));
    EXPECT_EQ(daten(m).betrag[5], 0.0f);
    EXPECT_NE(Werbung_Sponsor_Hilfe(m, 2, 0).find("hat bereits genug Werbeverträge"), std::string::npos);
    bool an[4];
    EXPECT_EQ(Werbung_Sponsor_Marker(m, 2, an), 0);
    // another sponsor with offers in two categories lights just those
    for (uint8_t& a : Werbepartner_Tabelle[4].angebote) a = 0;
    angebot(4, 0);
    angebot(4, 1);
    EXPECT_EQ(Werbung_Sponsor_Marker(m, 4, an), 2);
    EXPECT_TRUE(an[0] && an[1] && !an[2] && !an[3]);
    // a threshold above the club's image lights nothing, as the signing would refuse
    Werbepartner_Tabelle[4].min_image = 1e6f;
    EXPECT_EQ(Werbung_Sponsor_Marker(m, 4, an), 0);
    Werbepartner_Tabelle[4].angebote[2] = 0;
    EXPECT_NE(Werbung_Sponsor_Hilfe(m, 4, 2).find("sucht derzeit nicht"), std::string::npos);
}

TEST_F(WerbungSchirm, ClientRefusalsAndSwitchesFollowTheRemoteCall)
{
    const int32_t m = manager[0];
    Aktuelles_Team = m;
    Handelndes_Team = uint32_t(m);
    angebot(3, 2, 7);
    Netz_Rolle = 1;
    static int32_t ergebnis = 0;
    Werbung_Set_Fernaufruf([](int32_t, std::vector<uint8_t>*) { return ergebnis; });
    EXPECT_FALSE(Werbung_Schirm_Ablegen(m, 3, 4, WERBUNG_ICON_FLAECHE + erste(2)));
    EXPECT_EQ(requester.back(), "Dieses Angebot hat Ihnen ein anderer Manager gerade weggeschnappt...");
    EXPECT_EQ(Werbepartner_Tabelle[3].angebote[2], 0);  // the offer goes
    const uint8_t flag = daten(m).europa_flag;
    EXPECT_EQ(Werbung_Schirm_Europa_Schalten(m), flag);  // the call failed: flipped back
    const uint8_t agentur = daten(m).agentur[1];
    EXPECT_EQ(Werbung_Schirm_Agentur_Weiter(m, 1), agentur);
    ergebnis = 1;
    EXPECT_EQ(Werbung_Schirm_Europa_Schalten(m), 1 - flag);
    Netz_Rolle = 0;
    Werbung_Team_Daten d = daten(m);
    d.agentur[0] = 3;
    Werbung_Team_Ablegen(m, d);
    EXPECT_EQ(Werbung_Schirm_Agentur_Weiter(m, 0), 4);
    EXPECT_EQ(Werbung_Schirm_Agentur_Weiter(m, 0), 0);
    EXPECT_EQ(Werbung_Schirm_Agentur_Weiter(m, 0), 1);
    Aktuelles_Team = -1;
}

TEST_F(WerbungSchirm, TheTotalLineIsTheSumOfTheRentedSpacesAndLeavesTheAgencyFeesOut)
{
    const int32_t m = manager[0];
    // a new manager's club: every space the preset could let, each at its own monthly amount
    Werbung_Team_Vorbelegen(m, 1);
    Werbung_Team_Daten d = daten(m);
    double summe = 0;
    int32_t vermietet = 0;
    for (float b : d.betrag)
        if (b > 0.0f) {
            summe += b;
            ++vermietet;
        }
    ASSERT_GT(vermietet, 1);
    const std::string zeile = Werbung_Einnahmen_Zeile(m);
    EXPECT_NE(zeile.find(std::string("Gesamte Einnahmen aus Werbeverträgen: ") +
                         Bank_Betrag_String(float(summe), m, -1, 0) + " pro Monat"),
              std::string::npos)
        << zeile;
    // dearer agencies cost more but earn nothing on this line
    for (uint8_t& a : d.agentur) a = 0;
    Werbung_Team_Ablegen(m, d);
    const std::string vorher = Werbung_Einnahmen_Zeile(m);
    for (uint8_t& a : d.agentur) a = WERBUNG_AGENTUREN - 1;
    Werbung_Team_Ablegen(m, d);
    EXPECT_EQ(Werbung_Einnahmen_Zeile(m), vorher);
}
