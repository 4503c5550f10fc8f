// The options menu and its sub-lists.
#include <string>
#include <vector>

#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/mem.h"
#include "gameflow/spielstand.h"
#include "platform/win95.h"
#include "platform/win95_dialog.h"
#include "toolkit/dialog.h"
#include "toolkit/event.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/optionen.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"
#include "umgebung.h"

namespace {

std::vector<std::string> fragen;
uint8_t antwort(int32_t, int32_t, const char* text, const char*, const char*)
{
    fragen.emplace_back(text);
    return 1;
}

class OptionenMenue : public Toolkit_Test {
protected:
    Manager_Struktur* manager = nullptr;
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        manager = vereine_anlegen(4, 1);
        Manager_Anzahl = 1;
        Globale_Optionen_Vorbelegen();
        Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
        Menue_Requester_Set_Anzeige(antwort);
        fragen.clear();
    }
    void TearDown() override
    {
        Menue_Requester_Set_Anzeige(nullptr);
        Globale_Optionen_Vorbelegen();
        Menue_Zeitlimit = 0;
        Toolkit_Test::TearDown();
    }
    static Menue_Kontextmenue* unterliste(int32_t item)
    {
        return Menue_Optionen_Kontext_Untermenue_Erzeugen(&Kontext_Menue, item);
    }
    static void waehlen(Menue_Kontextmenue* k, int32_t zeile)
    {
        ASSERT_NE(k->prozeduren[zeile], nullptr);
        k->prozeduren[zeile](zeile, k->wert_c[zeile], k->wert_a[zeile], k->wert_b[zeile]);
    }
};

TEST_F(OptionenMenue, TitleGameAndClientItems)
{
    Menue_Kontextmenue* m = Menue_Optionen_Kontextmenue();
    ASSERT_NE(m, nullptr);
    EXPECT_STREQ(m->titel, "Optionen (Netzwerk-Version 1.10):");
    EXPECT_NE(std::string(m->texte[13]).find("Team 1"), std::string::npos);
    EXPECT_NE(m->unterlisten[10], nullptr);
    EXPECT_TRUE(m->status[12] & POPUP_TRENNER);

    Netz_Rolle = 1;
    m = Menue_Optionen_Kontextmenue();
    for (int32_t i : {6, 7, 9, 10, 12}) {
        EXPECT_EQ(m->status[i] & POPUP_WAEHLBAR, 0) << i;
        EXPECT_EQ(m->unterlisten[i], nullptr) << i;
    }
    EXPECT_EQ(Menue_Einblenden_Kontextmenue(nullptr), nullptr);
    Netz_Rolle = 0;

    Eingang_Set_Spiel_Gestartet_Hook(nullptr);
    EXPECT_EQ(Menue_Optionen_Kontextmenue(), nullptr);
}

TEST_F(OptionenMenue, NoTimeLimitDrawsNoBar)
{
    Menue_Zeitlimit = 60000;
    Menue_Kontextmenue* k = unterliste(3);
    EXPECT_TRUE(k->status[1] & POPUP_GEWAEHLT);
    waehlen(k, 0);
    EXPECT_EQ(Menue_Zeitlimit, 0u);
    Grafik_Rechteck_Fuellen(Grafik_Seite_1, 0, 0, 640, 1, 1);
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 1, 1);
    Menue_Startzeit -= 30000;
    Menue_Icons_Check(-1);
    EXPECT_NE(seite1(100, 0), Grafik_Farbe(9, 1, 1));
    EXPECT_NE(seite0(100, 0), Grafik_Farbe(9, 1, 1));
}

TEST_F(OptionenMenue, AutosaveAsksOnlyWhenSwitchedOn)
{
    Menue_Kontextmenue* k = unterliste(11);
    waehlen(k, 0);
    EXPECT_EQ(fragen.size(), 1u);
    EXPECT_EQ(Globale_Optionen(OPTION_TAGESWECHSEL), 3);
    waehlen(k, 0);
    EXPECT_EQ(fragen.size(), 1u);
    EXPECT_EQ(Globale_Optionen(OPTION_TAGESWECHSEL), 2);
}

TEST_F(OptionenMenue, HelpSoundBringsHelpTextAndTheOnlyManagerStays)
{
    manager->optionen[0] = 0;
    Menue_Kontextmenue* k = unterliste(14);
    waehlen(k, 4);
    EXPECT_EQ(manager->optionen[0], 0x05);
    EXPECT_TRUE(k->status[1] & POPUP_GEWAEHLT);
    EXPECT_FALSE(k->status[0] & POPUP_GEWAEHLT);
    waehlen(k, 2);
    EXPECT_EQ(manager->optionen[0], 0x06);

    Fehler_Capture cap;
    k = unterliste(2);
    EXPECT_EQ(k->status[1] & POPUP_WAEHLBAR, 0);
    k->prozeduren[1](1, 0, 0, 0);
    EXPECT_TRUE(cap.contains("Sie sind der einzige Manager."));
    EXPECT_EQ(Aktuelles_Team, 1);
    EXPECT_NE(T_Fix[1].manager, nullptr);
    EXPECT_TRUE(fragen.empty());
}

// The mailbox icon shows whether mail waits; its context menu and a click switch "show every new
// message", and with it on the mailbox opens by itself once the main menu is up.
TEST_F(OptionenMenue, MailboxIconSwitchAndOpeningByItself)
{
    Menue_Icon* briefkasten = nullptr;
    for (Menue_Icon* i = Menue_Basis_Liste; i->nummer != -1; ++i)
        if (i->nummer == MENUE_BRIEFKASTEN) briefkasten = i;
    ASSERT_NE(briefkasten, nullptr);
    Menue_Screen_Icon_Hinzufuegen(briefkasten);
    Menue_Briefkasten_Icon_Setzen(1, 0, 0);
    EXPECT_STREQ(briefkasten->hilfetext, "Briefkasten: Es liegen neue Nachrichten für Sie vor.");
    EXPECT_TRUE(briefkasten->refresh);
    Menue_Briefkasten_Icon_Setzen(0, 0, 0);
    EXPECT_STREQ(briefkasten->hilfetext, "Briefkasten: keine neuen Nachrichten.");

    EXPECT_FALSE(Menue_Briefkasten_Kontextmenue(briefkasten)->status[0] & POPUP_GEWAEHLT);
    Menue_Briefkasten_Klick(briefkasten, 0);
    EXPECT_EQ((knoepfe[{1, 2600}]), 1u);
    EXPECT_TRUE(Menue_Briefkasten_Kontextmenue(briefkasten)->status[0] & POPUP_GEWAEHLT);

    News_Init();
    News_Printf_Team(1, "Ihr Stadion ist ausverkauft.");
    Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* text) {
        fragen.emplace_back(text);
        return uint8_t(0);
    });
    // Not without the main menu's club panel; then once, with the message.
    Menue_Briefkasten_Oeffnen_Pruefen();
    EXPECT_TRUE(fragen.empty());
    for (Menue_Icon* i = Menue_Basis_Liste; i->nummer != -1; ++i)
        if (i->nummer == 701) Menue_Screen_Icon_Hinzufuegen(i);
    Menue_Briefkasten_Icon_Setzen(1, 0, 0);
    Menue_Briefkasten_Oeffnen_Pruefen();
    ASSERT_EQ(fragen.size(), 1u);
    EXPECT_NE(fragen[0].find("Ihr Stadion ist ausverkauft."), std::string::npos);
    // Read and kept: the icon no longer says that new mail waits.
    EXPECT_STREQ(briefkasten->hilfetext, "Briefkasten: keine neuen Nachrichten.");
    News_Printf_Team(1, "Ein Angebot.");
    Menue_Briefkasten_Oeffnen(briefkasten, 0);
    EXPECT_STREQ(briefkasten->hilfetext, "Briefkasten: keine neuen Nachrichten.");
    EXPECT_EQ(fragen.size(), 2u) << "only the new message";
    Menue_Briefkasten_Oeffnen_Pruefen();
    EXPECT_EQ(fragen.size(), 2u) << "nothing new: the mailbox stays closed";
    Menue_Briefkasten_Klick(briefkasten, 0);
    fragen.clear();
    Menue_Briefkasten_Oeffnen_Pruefen();
    EXPECT_TRUE(fragen.empty()) << "switched off again";
    Team_Requester_Set_Anzeige(nullptr);
    News_Init();
}

// The save item names the running game's savegame as the player named it (a new game never
// saved has none, whatever the registry's last savegame), and the file dialog shows the pattern
// once.
std::string dialog_filter;
bool filter_merken(Win95_Dialog_Anfrage* a)
{
    dialog_filter = a->filter;
    return false;
}

TEST_F(OptionenMenue, SaveItemAndDialogNameTheSavegameOnce)
{
    char alt[260] = "";
    Win95_Registry_Get_A_Value("letzter_spielstand", alt, int(sizeof alt));
    Win95_Registry_Set_A_Value("letzter_spielstand", "/home/anna/.dorvin/spielstand/Anderes Spiel.sgv");
    Spielstand_Name_Setzen(nullptr);
    EXPECT_STREQ(unterliste(1)->texte[0], "Speichern (noch ohne Namen)");
    Spielstand_Name_Setzen("/home/anna/.dorvin/spielstand/Saison eins.sgv");
    EXPECT_STREQ(unterliste(1)->texte[0], "Speichern (Saison eins)");
    Spielstand_Name_Setzen(nullptr);
    Win95_Registry_Set_A_Value("letzter_spielstand", alt);
    Win95_Dialog_Hook_Setzen(filter_merken);
    char name[SPIELSTAND_NAME_LAENGE];
    EXPECT_FALSE(Disk_Datei_Dialog(name, true));
    Win95_Dialog_Hook_Setzen(Menue_Dialog_Zeigen);
    EXPECT_EQ(dialog_filter, "Spielstand (*.sgv)");
}

}  // namespace
