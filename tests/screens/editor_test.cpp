// The player and club editors: the steps of the face, skin and hair, refused input, pictures
// imported and undone, and the walk through the list.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/config_satz.h"
#include "database/spieler.h"
#include "graphics/pic.h"
#include "platform/win95.h"
#include "screens/spieler_edit.h"
#include "screens/spieler_gesicht.h"
#include "screens_hilfe.h"

using namespace screens_test;

namespace {

struct Editor : Welt {
    std::filesystem::path ordner;
    void SetUp() override
    {
        Welt::SetUp();
        ordner = std::filesystem::temp_directory_path() / ("dorvin_editor_" + std::to_string(::getpid()));
        std::filesystem::create_directories(ordner / "spieler");
        std::filesystem::create_directories(ordner / "wappen");
        std::snprintf(Pfad_Spieler_Bilder, sizeof Pfad_Spieler_Bilder, "%s", (ordner / "spieler").c_str());
        std::snprintf(Pfad_Vereins_Wappen, sizeof Pfad_Vereins_Wappen, "%s", (ordner / "wappen").c_str());
        Spieler_Edit_Aenderung_Leeren();
        T[ANDERE].status |= TEAM_STATUS_LAND;
    }
    void TearDown() override
    {
        Spieler_Edit_Ende();
        Verein_Edit_Ende();
        std::filesystem::remove_all(ordner);
        Welt::TearDown();
    }
    // An 8-bit PCX of one colour index, every byte a literal.
    std::string pcx(const char* name, int w, int h, uint8_t farbe) const
    {
        std::vector<uint8_t> d(128, 0);
        d[0] = 0x0A, d[1] = 5, d[2] = 1, d[3] = 8, d[65] = 1;
        d[8] = uint8_t(w - 1), d[10] = uint8_t(h - 1), d[66] = uint8_t(w + (w & 1));
        d.insert(d.end(), size_t(h) * size_t(w + (w & 1)), farbe);
        d.push_back(0x0C);
        for (int i = 0; i < 256; ++i) d.insert(d.end(), {uint8_t(i), uint8_t(i / 2), uint8_t(255 - i)});
        const std::string pfad = (ordner / name).string();
        std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
        return pfad;
    }
    bool bild_da(int32_t nr, int32_t art) const
    {
        char n[16];
        std::snprintf(n, sizeof n, "%04d.rpb", nr);
        return std::filesystem::exists(ordner / (art == PIC_SPIELER_BILDER ? "spieler" : "wappen") / n);
    }
};

TEST_F(Editor, FaceSkinAndHairStep)
{
    const int32_t liste[3] = {2, 3, 4};
    ASSERT_TRUE(Spieler_Edit_Start(liste, 3, 3, EIGEN));
    EXPECT_EQ(Spieler_Edit_Spieler(), 3);
    const uint32_t vorher = Spieler_Edit_Code();
    Spieler_Edit_Gesicht_Schritt(2, 1);
    const int32_t haar = std::min<int32_t>((Spieler_Edit_Code() >> 8) & 0x1F, 19);
    EXPECT_NE(Spieler_Edit_Code(), vorher);
    EXPECT_EQ(Spieler_Wert(SP_HAARFARBE, 3, 0, 0), Gesicht_Haarfarben[haar]);

    Spieler_Wert(SP_HAUTFARBE, 3, 7, 1);
    Spieler_Edit_Haut_Schritt(1);
    EXPECT_EQ(Spieler_Wert(SP_HAUTFARBE, 3, 0, 0), 0);
    Spieler_Edit_Haut_Schritt(2);
    EXPECT_EQ(Spieler_Wert(SP_HAUTFARBE, 3, 0, 0), 7);
    Spieler_Wert(SP_HAARFARBE, 3, 4, 1);
    Spieler_Edit_Haar_Schritt(1);
    EXPECT_EQ(Spieler_Wert(SP_HAARFARBE, 3, 0, 0), 0);

    // the walk wraps both ways and commits the working code
    const uint32_t code3 = Spieler_Edit_Code();
    Spieler_Edit_Blaettern(1);
    EXPECT_EQ(Spieler_Edit_Spieler(), 4);
    Spieler_Edit_Blaettern(1);
    EXPECT_EQ(Spieler_Edit_Spieler(), 2);
    Spieler_Edit_Blaettern(-1);
    EXPECT_EQ(Spieler_Edit_Spieler(), 4);
    EXPECT_EQ(uint32_t(Spieler_Wert(SP_GESICHT, 3, 0, 0)), code3);
    const auto& a = Spieler_Edit_Aenderung();
    EXPECT_NE(std::find(a.spieler.begin(), a.spieler.end(), 3), a.spieler.end());

    // the pitch picture's cells map one to one
    for (int32_t z = 0; z < 27; ++z)
        for (int32_t s = 0; s < 17; ++s) {
            int32_t x, y, z2, s2;
            Spieler_Edit_Raster_Zu_Bild(z, s, &x, &y);
            ASSERT_TRUE(x >= 0 && x < 117 && y >= 0 && y < 71) << z << "," << s;
            Spieler_Edit_Bild_Zu_Raster(x, y, &z2, &s2);
            ASSERT_EQ(z2 * 17 + s2, z * 17 + s) << z << "," << s;
        }
}

TEST_F(Editor, RefusedInputChangesNothing)
{
    const int32_t liste[1] = {5};
    ASSERT_TRUE(Spieler_Edit_Start(liste, 1, 5, EIGEN));
    const std::string name = Spieler_String(SP_NAME, 5, nullptr, 0);
    EXPECT_FALSE(Spieler_Edit_Name_Setzen(""));
    EXPECT_TRUE(gemeldet("Der Name darf nicht leer sein."));
    EXPECT_FALSE(Spieler_Edit_Name_Setzen("Mei\"er"));
    EXPECT_FALSE(Spieler_Edit_Vorname_Setzen("Hans]"));
    EXPECT_TRUE(gemeldet("Namen dürfen keine Anführungszeichen, eckigen Klammern oder Steuerzeichen enthalten."));
    EXPECT_EQ(name, Spieler_String(SP_NAME, 5, nullptr, 0));
    const int32_t nummer = Spieler_Wert(SP_RUECKENNUMMER, 5, 0, 0);
    for (const char* t : {"100", "-1", "x", ""}) EXPECT_FALSE(Spieler_Edit_Nummer_Setzen(t)) << t;
    EXPECT_TRUE(gemeldet("Die Rückennummer muss eine Zahl von 0 bis 99 sein."));
    EXPECT_EQ(Spieler_Wert(SP_RUECKENNUMMER, 5, 0, 0), nummer);
    EXPECT_TRUE(Spieler_Edit_Nummer_Setzen("99"));
    EXPECT_EQ(Spieler_Wert(SP_RUECKENNUMMER, 5, 0, 0), 99);
    const int32_t nation = Spieler_Wert(SP_NATION, 5, 0, 0);
    EXPECT_FALSE(Spieler_Edit_Nation_Setzen(GEGNER));
    EXPECT_TRUE(gemeldet("Bitte wählen Sie ein Land als Nation."));
    EXPECT_EQ(Spieler_Wert(SP_NATION, 5, 0, 0), nation);
    EXPECT_TRUE(Spieler_Edit_Nation_Setzen(ANDERE));
    EXPECT_FALSE(Spieler_Edit_Pcx_Import((ordner / "fehlt.pcx").c_str()));
    EXPECT_TRUE(gemeldet("konnte nicht gelesen werden"));
    EXPECT_FALSE(Spieler_Edit_Code() & GESICHT_USER_BILD);

    // typed names are kept as typed for the set; the record keeps the initial
    EXPECT_TRUE(Spieler_Edit_Vorname_Setzen("Konrad"));
    EXPECT_EQ(Spieler_Edit_Aenderung().vornamen.at(5), "Konrad");
    EXPECT_TRUE(Spieler_Edit_Name_Setzen("Ein sehr langer Familienname"));
    EXPECT_EQ(std::string(Spieler_String(SP_NAME, 5, nullptr, 0)).size(), 19u);
}

TEST_F(Editor, PictureImportAndUndo)
{
    const int32_t liste[2] = {6, 7};
    Spieler_Wert(SP_BILDNUMMER, 6, 12, 1);
    ASSERT_TRUE(Spieler_Edit_Start(liste, 2, 6, EIGEN));
    const uint32_t code = Spieler_Edit_Code();
    EXPECT_FALSE(Spieler_Edit_Standard_Bild_Moeglich());
    ASSERT_TRUE(Spieler_Edit_Pcx_Import(pcx("kopf.pcx", 20, 30, 40).c_str()));
    EXPECT_TRUE(Spieler_Edit_Code() & GESICHT_USER_BILD);
    EXPECT_TRUE(bild_da(12, PIC_SPIELER_BILDER));
    EXPECT_TRUE(Spieler_Edit_Standard_Bild_Moeglich());
    Spieler_Edit_Undo();
    EXPECT_EQ(Spieler_Edit_Code(), code);
    EXPECT_FALSE(bild_da(12, PIC_SPIELER_BILDER)) << "he had none";

    // a player who had a picture gets it back after a second import
    Spieler_Edit_Pcx_Import(pcx("a.pcx", 20, 30, 40).c_str());
    Spieler_Edit_Blaettern(1);
    Spieler_Edit_Blaettern(1);
    ASSERT_EQ(Spieler_Edit_Spieler(), 6);
    int32_t gefunden = 0;
    Rastport* alt = Pic_Change_Load_User_Bild(12, nullptr, 16, PIC_SPIELER_BILDER, &gefunden);
    ASSERT_NE(alt, nullptr);
    const uint16_t pixel = reinterpret_cast<const uint16_t*>(alt->pixels)[0];
    Grafik_Bitmap_Freigeben(alt);
    Spieler_Edit_Pcx_Import(pcx("b.pcx", 20, 30, 200).c_str());
    Spieler_Edit_Undo();
    Rastport* zurueck = Pic_Change_Load_User_Bild(12, nullptr, 16, PIC_SPIELER_BILDER, &gefunden);
    ASSERT_NE(zurueck, nullptr);
    EXPECT_EQ(reinterpret_cast<const uint16_t*>(zurueck->pixels)[0], pixel);
    Grafik_Bitmap_Freigeben(zurueck);
    Spieler_Edit_Standard_Bild();
    EXPECT_FALSE(Spieler_Edit_Code() & GESICHT_USER_BILD);
    EXPECT_FALSE(bild_da(12, PIC_SPIELER_BILDER));
}

TEST_F(Editor, ClubTextsCrestAndUndo)
{
    Team_Wert(TEAM_GRAFIK_NR, ANDERE, 33, 1);
    Team_Wert(TEAM_STATUS, ANDERE, TEAM_STATUS_USER_WAPPEN, TEAM_LOESCHEN);
    ASSERT_TRUE(Verein_Edit_Start(ANDERE));
    const std::string name = Verein_Edit_Text(0);
    const std::string lang(40, 'x');
    const size_t max[4] = {23, 9, 29, 17};
    for (int32_t k = 0; k < 4; ++k) {
        ASSERT_TRUE(Verein_Edit_Text_Setzen(k, lang.c_str()));
        EXPECT_EQ(std::string(Verein_Edit_Text(k)).size(), max[k]) << k;
    }
    EXPECT_FALSE(Verein_Edit_Text_Setzen(0, ""));
    EXPECT_TRUE(gemeldet("Der Name darf nicht leer sein."));
    EXPECT_FALSE(Verein_Edit_Text_Setzen(1, "A[B"));
    EXPECT_EQ(std::string(Verein_Edit_Text(1)).size(), 9u);
    EXPECT_FALSE(Verein_Edit_Nation_Setzen(GEGNER));
    ASSERT_TRUE(Verein_Edit_Wappen_Import(pcx("w.pcx", 30, 30, 90).c_str()));
    EXPECT_TRUE(Team_Wert(TEAM_STATUS, ANDERE, 0, 0) & TEAM_STATUS_USER_WAPPEN);
    EXPECT_TRUE(bild_da(33, PIC_VEREINS_WAPPEN));
    Verein_Edit_Farbe_Setzen(0, 1, 2, 3);
    Verein_Edit_Undo();
    EXPECT_FALSE(Team_Wert(TEAM_STATUS, ANDERE, 0, 0) & TEAM_STATUS_USER_WAPPEN);
    EXPECT_FALSE(bild_da(33, PIC_VEREINS_WAPPEN));
    EXPECT_EQ(name, Team_String(TEAM_NAME_ROH, ANDERE, nullptr, 0));
    const auto& a = Spieler_Edit_Aenderung();
    EXPECT_NE(std::find(a.teams.begin(), a.teams.end(), ANDERE), a.teams.end());
}

}  // namespace
