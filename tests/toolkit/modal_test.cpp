// The requester, help bubbles, mouse-over info and glow, and the progress box.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_fortschritt.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/disk.h"
#include "platform/handle.h"
#include "platform/mem.h"
#include "platform/os/os.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/hilfe.h"
#include "toolkit/mausover.h"
#include "toolkit/optionen.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"
#include "umgebung.h"
#include "graphics/png_bild.h"

namespace {

using Requester = Toolkit_Test;

uint8_t frage(int32_t team, const std::string& skript, int32_t typ = 2)
{
    Os_Script_Load_Text(skript);
    uint8_t r = Menue_Requester(typ, team, "Wollen Sie wirklich den Verein wechseln?", "Wechseln", "Bleiben", 1);
    Os_Script_Stop();
    return r;
}

TEST_F(Requester, ButtonsAnswerAndTheActingTeamComesBack)
{
    Aktuelles_Team = 0;
    EXPECT_EQ(frage(-1, "wait 20\nclick 150 293\nwait 20\n"), 1);
    EXPECT_EQ(frage(-1, "wait 20\nclick 471 293\nwait 20\n"), 0);
    EXPECT_EQ(frage(-1, "wait 20\nclick 471 293\nwait 20\n", 0), 0) << "a message's button is no yes";
    EXPECT_EQ(Aktuelles_Team, 0);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN));
    // The quit flag ends the loop without an answer and takes the requester away.
    EXPECT_EQ(frage(-1, "wait 20\n"), 0);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN));
    Programm_Ende = 0;
}

// Escape and the right button (on the box or beside it) leave a question or a message as its
// default button does, telling the caller so; its own buttons do not. An Escape pending from
// before the box came up is not meant for it.
TEST_F(Requester, EscapeAndTheRightButtonLeaveTheBoxUnanswered)
{
    Aktuelles_Team = 0;
    for (int32_t typ : {2, 0})
        for (const char* eingabe : {"key 27", "move 300 200\nright down\nwait 50\nright up", "move 580 450\nright down\nright up"}) {
            EXPECT_EQ(frage(-1, std::string("wait 20\n") + eingabe + "\nwait 20\n", typ), 0) << typ << eingabe;
            EXPECT_TRUE(Menue_Requester_Abgebrochen()) << typ << eingabe;
            EXPECT_EQ(Programm_Ende, 0) << "left by the input, not by the script's end";
        }
    EXPECT_EQ(frage(-1, "wait 20\nclick 471 293\nwait 20\n"), 0);
    EXPECT_FALSE(Menue_Requester_Abgebrochen()) << "no is an answer";
    Win95_Eingabe.taste = VK_ESCAPE;
    EXPECT_EQ(frage(-1, "wait 20\nclick 150 293\nwait 20\n"), 1);
    EXPECT_FALSE(Menue_Requester_Abgebrochen());
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN));
}

// The mailbox icon's square (599, 360; 40 x 32) on a screen page.
std::vector<uint16_t> briefkasten_bild(Rastport* seite)
{
    std::vector<uint16_t> b;
    for (int32_t y = 360; y < 392; ++y)
        for (int32_t x = 599; x < 639; ++x) b.push_back(Grafik_Pixel_Lesen(seite, x, y));
    return b;
}
std::vector<std::vector<uint16_t>> im_requester;
void briefkasten_sehen(int32_t, int32_t, int32_t)
{
    if (Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN)) im_requester.push_back(briefkasten_bild(Grafik_Seite_0));
}

// Escape leaves the mailbox with new mail still waiting, and its icon says so. The icon follows
// the mail on both screen pages: the last new message's requester shows the empty mailbox
// already, and no refresh afterwards brings the full one back.
TEST_F(Requester, EscapeLeavesTheMailboxAndItsIconFollowsTheMail)
{
    vereine_anlegen(4, 1);
    Manager_Anzahl = 1;
    Menue_Icon* briefkasten = nullptr;
    for (Menue_Icon* i = Menue_Basis_Liste; i->nummer != -1; ++i)
        if (i->nummer == MENUE_BRIEFKASTEN) briefkasten = i;
    ASSERT_NE(briefkasten, nullptr);
    Menue_Screen_Icon_Hinzufuegen(briefkasten);
    const auto zeigen = [&](uint8_t post) {
        Menue_Briefkasten_Icon_Setzen(post, 0, 0);
        briefkasten->refresh |= REFRESH_UNTERGRUND;
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        return briefkasten_bild(Grafik_Seite_0);
    };
    const std::vector<uint16_t> leer = zeigen(0), post = zeigen(1);
    ASSERT_NE(leer, post);
    Team_Requester_Set_Anzeige(
        [](int32_t modus, int32_t team, const char* text) { return Menue_Requester(modus, team, text, nullptr, nullptr, 0); });
    News_Init();
    Netz_Rolle = 0;
    News_Printf_Team(1, "Ihr Stadion ist ausverkauft.");
    News_Printf_Team(1, "Ein Angebot.");
    Os_Script_Load_Text("wait 20\nkey 27\nwait 20\n");
    EXPECT_EQ(Menue_Briefkasten_Oeffnen(briefkasten, 0), 1);
    Os_Script_Stop();
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    EXPECT_EQ(briefkasten_bild(Grafik_Seite_0), post);

    // The one left, deleted.
    im_requester.clear();
    Menue_Hook = nullptr;
    Menue_Hook_Registrieren(briefkasten_sehen, 0);
    Os_Script_Load_Text("wait 20\nclick 150 293\nwait 20\n");
    EXPECT_EQ(Menue_Briefkasten_Oeffnen(briefkasten, 0), 1);
    Os_Script_Stop();
    Menue_Hook_Registrieren(briefkasten_sehen, 1);
    EXPECT_EQ(Programm_Ende, 0);
    ASSERT_FALSE(im_requester.empty());
    EXPECT_EQ(im_requester.front(), leer);
    EXPECT_EQ(briefkasten_bild(Grafik_Seite_1), leer) << "the back page keeps the full mailbox";
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    EXPECT_EQ(briefkasten_bild(Grafik_Seite_0), leer);
    Team_Requester_Set_Anzeige(nullptr);
    News_Init();
    Manager_Anzahl = 0;
}

// A question that comes up in the middle of work that holds the script back (the day advance
// after the click that ended a turn, its button still down) waits for that button, then for an
// answer, both from the script; the work goes on holding it afterwards.
TEST_F(Requester, QuestionIsAnsweredByTheScriptEvenWhileTheProgramIsBusy)
{
    Aktuelles_Team = 0;
    for (const auto& [x, antwort] : {std::pair{150, 1}, std::pair{471, 0}}) {
        maus(x, 293, true);
        Os_Script_Load_Text("wait 20\nleft up\nwait 20\nclick " + std::to_string(x) + " 293\nwait 20\n");
        Os_Script_Halten(true);
        EXPECT_EQ(Menue_Requester(2, -1, "Wollen Sie das?", nullptr, nullptr, 0), antwort);
        EXPECT_TRUE(Os_Script_Halten(false));
        Os_Script_Stop();
    }
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN));
}

// A question that waits for the player sleeps between its passes instead of keeping a core busy.
TEST_F(Requester, AnOpenQuestionWaitsForInputWithoutSpinning)
{
    static uint32_t geschlafen;
    geschlafen = 0;
    Os_Set_Warte_Hook([](uint32_t ms) { geschlafen += ms; });
    Aktuelles_Team = 0;
    EXPECT_EQ(frage(-1, "wait 200\nclick 150 293\nwait 20\n"), 1);
    Os_Set_Warte_Hook(nullptr);
    EXPECT_GT(geschlafen, 0u);
}

TEST_F(Requester, NobodyHereToAnswerGivesYesWithoutShowing)
{
    Menue_Automatik_Bytes[1] = 1;
    Aktuelles_Team = 0;
    EXPECT_EQ(Menue_Requester(2, -1, "x", nullptr, nullptr, 0), 1);
    Menue_Automatik_Bytes[1] = 0;
    EXPECT_EQ(Menue_Requester(2, 5, "x", nullptr, nullptr, 0), 1) << "a club nobody here manages";
    Aktuelles_Team = -1;
    EXPECT_EQ(Menue_Requester(2, -1, "100% %s %n", nullptr, nullptr, 0), 1) << "handed on as text, no recursion";
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN));
}

// The game's question to a club's manager goes through the toolkit's box as the program wires
// it; the script's click answers it. A club without a human manager gets yes unasked.
TEST_F(Requester, ClubQuestionIsAnsweredByTheScript)
{
    vereine_anlegen(4, 2);
    Aktuelles_Team = 1;
    Manager_Anzahl = 1;
    Team_Requester_Set_Anzeige(
        [](int32_t modus, int32_t team, const char* text) { return Menue_Requester(modus, team, text, nullptr, nullptr, 0); });
    for (const auto& [x, antwort] : {std::pair{150, 1}, std::pair{471, 0}}) {
        Os_Script_Load_Text("wait 20\nclick " + std::to_string(x) + " 293\nwait 20\n");
        EXPECT_EQ(Team_Requester(2, 2, "Freundschaftsspiel am %d. annehmen?", 12), antwort) << x;
        Os_Script_Stop();
        EXPECT_EQ(Aktuelles_Team, 1) << "the acting manager comes back";
    }
    Os_Script_Load_Text("wait 20\n");
    EXPECT_EQ(Team_Requester(2, 3, "Frage"), 1) << "nobody manages club 3";
    Os_Script_Stop();
    Team_Requester_Set_Anzeige(nullptr);
    Manager_Anzahl = 0;
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN));
    Programm_Ende = 0;
}

// Answered, the box gives back the screen it came over on both pages, also where long labels
// widened the buttons; not the bare menu background.
TEST_F(Requester, TheScreenBeneathComesBackWhole)
{
    Aktuelles_Team = 0;
    const auto muster = [](int32_t x, int32_t y) { return uint16_t((x * 7 + y * 13) | 1); };
    const auto abweichend = [&] {
        int32_t n = 0;
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x) n += (seite0(x, y) != muster(x, y)) + (seite1(x, y) != muster(x, y));
        return n;
    };
    for (int32_t typ : {2, 0}) {
        for (Rastport* s : {Grafik_Seite_0, Grafik_Seite_1})
            for (int32_t y = 0; y < 480; ++y)
                for (int32_t x = 0; x < 640; ++x) Grafik_Pixel_Setzen(s, x, y, muster(x, y));
        Os_Script_Load_Text("wait 20\nclick 490 293\nwait 20\n");
        Menue_Requester(typ, -1, "Möchten Sie wirklich gehen?", "Ja, muß leider sein...",
                        "Ich kann es einfach nicht !!!", 0);
        Os_Script_Stop();
        EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN)) << typ;
        EXPECT_EQ(abweichend(), 0) << typ;
    }
    EXPECT_EQ(Programm_Ende, 0) << "answered by the click";
}

// While the box stands over a screen, that screen takes no input: a press beside the box, which
// the screen's hook takes to close its window (as the player window does), leaves the window
// under the box as it was, in the frame the press was seen in.
TEST_F(Requester, AWindowBeneathStaysWhileTheBoxIsUp)
{
    Aktuelles_Team = 0;
    Menue_Icon* fenster = flaeche(950, 8, 60, 580, 400, 20, 11);
    Menue_Screen_Icon_Hinzufuegen(fenster);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    const uint16_t farbe = seite0(40, 420);
    ASSERT_NE(farbe, seite0(620, 300)) << "the window stands out from the column beside it";
    Menue_Hook_Registrieren(
        [](int32_t x, int32_t, int32_t tasten) {
            if (tasten != 1 || x < 600 || !Menue_Screen_Icon_Ist_Vorhanden(950)) return;
            Menue_Screen_Icon_Loeschen(950, nullptr, 0);
            Menue_Bereich_Aktiv_Setzen(0x20, 1, 0, 40, 601, 480);
            Menue_Screen_Refresh(1, -1, -1, -1, -1);
        },
        0);
    const std::string ordner = std::string(DORVIN_BINARY_DIR) + "/toolkit_unter_box_" + std::to_string(getpid());
    std::system(("mkdir -p " + ordner).c_str());
    Os_Script_Load_Text("wait 20\nmove 620 300\nwait 50\nleft down\nwait 100\nleft up\nwait 100\ndump " + ordner +
                        "/box.png\nclick 470 293\nwait 20\n");
    Menue_Requester(0, -1, "Ihr Angebot wurde ihm soeben schriftlich zugestellt.", nullptr, nullptr, 0);
    Os_Script_Stop();
    Menue_Hook_Registrieren(Menue_Hook, 1);
    std::vector<uint16_t> bild;
    int w = 0, h = 0;
    ASSERT_TRUE(Png_Lesen(ordner + "/box.png", bild, w, h, false));
    std::system(("rm -rf " + ordner).c_str());
    ASSERT_EQ(w, 640);
    // The window's corner outside the box, below and left of it, in the frame with the box up.
    EXPECT_EQ(bild[size_t(420) * 640 + 40], farbe) << "the window vanished beneath the box";
    EXPECT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(950));
    EXPECT_EQ(Programm_Ende, 0);
}

// A client's menu as its turn left it comes back beneath a notice that comes after the turn, on
// both pages, so that the notice's removal leaves it too.
TEST_F(Requester, TheKeptMenuPictureComesBackBeneathANotice)
{
    Menue_Bild_Vergessen();
    Aktuelles_Team = 0;
    const auto muster = [](int32_t x, int32_t y) { return uint16_t((x * 7 + y * 13) | 1); };
    const auto fuellen = [](Rastport* s, uint16_t farbe) { Grafik_Rechteck_Fuellen(s, 0, 0, 640, 480, farbe); };
    const auto abweichend = [&] {
        int32_t n = 0;
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x) n += (seite0(x, y) != muster(x, y)) + (seite1(x, y) != muster(x, y));
        return n;
    };
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) Grafik_Pixel_Setzen(Grafik_Seite_0, x, y, muster(x, y));
    fuellen(Grafik_Seite_1, 1);  // the turn's end cleared the back page
    Menue_Bild_Merken();
    fuellen(Grafik_Seite_0, 0x001F);
    ASSERT_TRUE(Menue_Bild_Zeigen());
    Os_Script_Load_Text("wait 20\nclick 470 293\nwait 20\n");
    Menue_Requester(0, -1, "Carl hat seinen Spielzug soeben beendet !", nullptr, nullptr, 0);
    Os_Script_Stop();
    EXPECT_EQ(abweichend(), 0);
    Menue_Bild_Vergessen();
}

TEST_F(Requester, LayoutOfFrameAndButtons)
{
    Aktuelles_Team = 0;
    Os_Script_Load_Text("wait 20\n");
    const Menue_Hook_Prozedur haken = [](int32_t, int32_t, int32_t) {
        for (int16_t n : {REQ_RAHMEN, REQ_JA, REQ_NEIN})
            if (Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(n))
                if (!(i->status & ICON_VERSTECKT)) Toolkit_Test::knoepfe[{-7, n}] = uint32_t(i->x) << 16 | uint32_t(i->y);
    };
    Menue_Hook_Registrieren(haken, 0);
    Menue_Requester(2, -1, "Text", nullptr, nullptr, 0);
    Menue_Hook_Registrieren(haken, 1);
    EXPECT_EQ(Menue_Hook, nullptr);
    Os_Script_Stop();
    Programm_Ende = 0;
    EXPECT_EQ((knoepfe[{-7, REQ_RAHMEN}]), 97u << 16 | 80u);
    EXPECT_EQ((knoepfe[{-7, REQ_JA}]), 110u << 16 | 282u);
    EXPECT_EQ((knoepfe[{-7, REQ_NEIN}]), 431u << 16 | 282u);
    // The frame holds the buttons.
    const Menue_Icon* r = &Menue_Requester_Liste[6];
    EXPECT_EQ(r->breite, 428);
    EXPECT_EQ(r->hoehe, 234);
}

// The rows a requester lights in one colour, inside x..x+w, as bands of consecutive rows.
struct Zeilen {
    std::vector<std::pair<int32_t, int32_t>> baender;  // first and last row
    int32_t links = 640, rechts = -1;
};
Zeilen zeilen_in(uint32_t farbe, int32_t x, int32_t w, int32_t y0, int32_t y1)
{
    Zeilen z;
    const Rastport* s = Grafik_Seite_0;
    for (int32_t y = y0; y < y1; ++y) {
        bool an = false;
        for (int32_t x1 = x; x1 < x + w; ++x1)
            if (static_cast<const uint16_t*>(s->pixels)[size_t(y) * s->width + size_t(x1)] == farbe) {
                an = true;
                z.links = std::min(z.links, x1);
                z.rechts = std::max(z.rechts, x1);
            }
        if (!an) continue;
        if (!z.baender.empty() && z.baender.back().second == y - 1) z.baender.back().second = y;
        else z.baender.push_back({y, y});
    }
    return z;
}

Zeilen namen, nachricht_zeilen, nein_text;
Menue_Icon rahmen_gesehen, nein_gesehen;

// Each pass of the requester's loop: what the screen shows of it.
void requester_messen(int32_t, int32_t, int32_t)
{
    const Menue_Icon* r = Menue_Screen_Icon_Aus_Nummer(REQ_RAHMEN);
    const Menue_Icon* n = Menue_Screen_Icon_Aus_Nummer(REQ_NEIN);
    if (!r || !n || !Grafik_Seite_0) return;
    // Only a pass that shows the requester on the screen counts.
    Zeilen z = zeilen_in(Grafik_Farbe(9, 9, 15), 184, 260, 84, 152);
    if (z.baender.empty()) return;
    namen = z;
    rahmen_gesehen = *r;
    nein_gesehen = *n;
    nachricht_zeilen = zeilen_in(Grafik_Farbe(15, 15, 0), 100, 350, 84, 480);
    nein_text = zeilen_in(Grafik_Farbe(15, 15, 15), n->x, n->breite, n->y, n->y + n->hoehe);
}

// A requester's texts keep to their lines and its frame; a button shows the label it is given.
TEST_F(Requester, TextsKeepApartInsideTheFrameAndButtonsShowTheirLabels)
{
    vereine_anlegen(4, 1);
    Team_String(299, 1, "Anna Beispielmann", 1);
    // A few passes, so that the drawn frame reaches the screen before the hook looks.
    Os_Script_Load_Text("wait 30\nmove 5 5\nwait 30\nmove 6 6\nwait 30\n");
    Menue_Hook = nullptr;  // a hook an earlier test left
    Menue_Hook_Registrieren(requester_messen, 0);
    const std::string lang =
        "Sie haben momentan weniger als ELF Spieler eingesetzt (dabei wurden die Probespieler nicht mitgezählt, da sie "
        "nach dieser Runde wieder aus Ihrem Team entfernt werden). Möchten Sie wirklich die Runde beenden und das "
        "nächste Spiel in Unterzahl bestreiten ? Und noch ein Satz, damit es wirklich lang wird.";
    Menue_Requester(2, -1, lang.c_str(), "Ja, muß leider sein...", "Ich kann es einfach nicht !!!", 0);
    Menue_Hook_Registrieren(requester_messen, 1);
    Os_Script_Stop();
    Programm_Ende = 0;
    // The name's band is one line of the font, apart from the club's line (and its underline).
    ASSERT_GE(namen.baender.size(), 2u);
    EXPECT_LE(namen.baender[0].second - namen.baender[0].first + 1, int32_t(Font(0)->strip->height))
        << "the manager's and the club's line share rows";
    ASSERT_FALSE(nachricht_zeilen.baender.empty());
    EXPECT_GE(nachricht_zeilen.baender.front().first, rahmen_gesehen.y);
    EXPECT_LT(nachricht_zeilen.baender.back().second, rahmen_gesehen.y + rahmen_gesehen.hoehe) << "text below the frame";
    EXPECT_GE(nachricht_zeilen.baender.size(), 6u);
    EXPECT_GT(nein_gesehen.y, nachricht_zeilen.baender.back().second) << "the buttons stay below the text";
    EXPECT_LE(nein_gesehen.y + nein_gesehen.hoehe, rahmen_gesehen.y + rahmen_gesehen.hoehe) << "and inside the frame";
    EXPECT_LE(nein_gesehen.x + nein_gesehen.breite, rahmen_gesehen.x + rahmen_gesehen.breite);
    // The label's lit columns span about its width, inside the button.
    ASSERT_EQ(nein_text.baender.size(), 1u);
    EXPECT_GT(nein_text.rechts - nein_text.links, 100);
    EXPECT_GT(nein_text.links, nein_gesehen.x);
    EXPECT_LT(nein_text.rechts, nein_gesehen.x + nein_gesehen.breite - 1);
    EXPECT_EQ(Menue_Requester_Liste[6].hoehe, 234) << "the next requester starts from the standard frame";
}

uint16_t grund_gesehen = 0;
void grund_messen(int32_t x, int32_t y, int32_t tasten)
{
    requester_messen(x, y, tasten);
    if (const Menue_Icon* r = Menue_Screen_Icon_Aus_Nummer(REQ_RAHMEN); r && Grafik_Seite_0 && !namen.baender.empty())
        grund_gesehen = static_cast<const uint16_t*>(Grafik_Seite_0->pixels)[size_t(r->y + 70) * 640 + size_t(r->x + 6)];
}

// A message's line breaks stay, and the box has a dark ground of its own over a bright screen;
// a message shows its one button and no empty one beside it.
TEST_F(Requester, LineBreaksAndADarkGroundOverABrightScreen)
{
    vereine_anlegen(4, 1);
    for (Rastport* seite : {Grafik_Seite_0, Grafik_Seite_1}) Grafik_Rechteck_Fuellen(seite, 0, 0, 640, 480, Grafik_Farbe(15, 15, 15));
    Os_Script_Load_Text("wait 30\nmove 5 5\nwait 30\nmove 6 6\nwait 30\n");
    Menue_Hook = nullptr;
    namen = {};
    Menue_Hook_Registrieren(grund_messen, 0);
    Menue_Requester(1, -1, "Die Kasse ist voll.\n\nNachricht löschen?", nullptr, nullptr, 0);
    Menue_Hook_Registrieren(grund_messen, 1);
    Os_Script_Stop();
    Programm_Ende = 0;
    ASSERT_EQ(nachricht_zeilen.baender.size(), 2u);
    EXPECT_GT(nachricht_zeilen.baender[1].first - nachricht_zeilen.baender[0].second, int32_t(Font(2)->strip->height))
        << "an empty line between";
    EXPECT_EQ(grund_gesehen, Grafik_Farbe(1, 2, 5));
    EXPECT_TRUE(Menue_Requester_Liste[3].status & ICON_VERSTECKT) << "the empty filler button";
}

using Hilfe = Toolkit_Test;

TEST_F(Hilfe, BubbleSizePlaceAndASecondOneIsRefused)
{
    Font_Record* f = Font(3);
    Hilfe_Text_Ausgabe("Kader^lTaktik", 10, 10, 0, 1);
    int32_t x, y, w, h;
    ASSERT_TRUE(Hilfe_Offen(&x, &y, &w, &h));
    EXPECT_EQ(w, Font_Text_Breite_Mit_Tabs(f, "Kader^lTaktik") + 8);
    EXPECT_EQ(h, 24);
    EXPECT_EQ(y, 18);
    Hilfe_Text_Ausgabe("Anderes", 300, 300, 0, 1);
    int32_t x2, y2;
    Hilfe_Offen(&x2, &y2, nullptr, nullptr);
    EXPECT_EQ(x2, x);
    EXPECT_EQ(y2, y);
    Hilfe_Schliessen(1);
    EXPECT_FALSE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr));
    Hilfe_Text_Ausgabe("Am Rand", 630, 478, 1, 1);
    ASSERT_TRUE(Hilfe_Offen(&x, &y, &w, &h));
    EXPECT_EQ(w, Font_Text_Breite_Mit_Tabs(f, "Am Rand") + 18);
    // At the right and bottom edges the bubble keeps 4 pixels off the screen's border.
    EXPECT_EQ(x + w, 636);
    EXPECT_EQ(y + h, 476);
    Hilfe_Schliessen(1);
    Hilfe_Text_Ausgabe("Oben links", -100, -100, 0, 1);
    ASSERT_TRUE(Hilfe_Offen(&x, &y, &w, &h));
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, 4);
    Hilfe_Schliessen(1);
    std::string lang(400, 'W');
    Hilfe_Text_Ausgabe(lang.c_str(), 0, 0, 0, 1);
    ASSERT_TRUE(Hilfe_Offen(&x, &y, &w, &h));
    EXPECT_EQ(x, 4);
    EXPECT_EQ(w, 632);
    Hilfe_Schliessen(1);
}

// Every character of a bubble is drawn whole: the dots of a capital umlaut above the usual top of
// the letters, the descenders of the last line. The white of the text inside the bubble is every
// pixel the font gives the text.
TEST_F(Hilfe, ABubbleDrawsEveryCharacterWhole)
{
    Rastport* s = Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel;
    ASSERT_NE(s, nullptr);
    Font_Record* f = Font(3);
    for (const char* text : {"Die \xC4rzte und ihre Fachgebiete", "\xDC" "bersicht^l\xC4rzte, Trainingslager"}) {
        Rastport* probe = Grafik_Bitmap_Anlegen(640, 120, s->depth);
        ASSERT_NE(probe, nullptr);
        Grafik_Rechteck_Fuellen(probe, 0, 0, 640, 120, 0);
        Grafik_Printf(probe, f, "^c%05d%s", 10, 40, 65535, text);
        int32_t soll = 0;
        for (int32_t y = 0; y < 120; ++y)
            for (int32_t x = 0; x < 640; ++x) soll += Grafik_Pixel_Lesen(probe, x, y) == 0xFFFF;
        Grafik_Bitmap_Freigeben(probe);
        Grafik_Rechteck_Fuellen(s, 0, 0, 640, 480, Grafik_Farbe(2, 4, 2));
        Hilfe_Text_Ausgabe(text, 100, 100, 0, 1);
        int32_t x0, y0, w, h;
        ASSERT_TRUE(Hilfe_Offen(&x0, &y0, &w, &h)) << text;
        int32_t ist = 0;
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x) ist += Grafik_Pixel_Lesen(s, x, y) == 0xFFFF;
        Hilfe_Schliessen(1);
        EXPECT_GT(soll, 100) << text;
        EXPECT_EQ(ist, soll) << text << ": part of the text is cut off by the bubble (" << h << " rows)";
    }
    // A text with nothing above the letters keeps the bubble's height.
    Hilfe_Text_Ausgabe("Kader", 100, 100, 0, 1);
    int32_t h = 0;
    ASSERT_TRUE(Hilfe_Offen(nullptr, nullptr, nullptr, &h));
    EXPECT_EQ(h, 14);
    Hilfe_Schliessen(1);
}

TEST_F(Hilfe, BrightRowsUnderTheBubbleAreDimmedAndItsTextStaysWhite)
{
    // A light grey screen, as the light rows of a table under a bubble.
    Rastport* s = Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel;
    ASSERT_NE(s, nullptr);
    Grafik_Rechteck_Fuellen(s, 0, 0, 640, 480, Grafik_Farbe(13, 13, 13));
    const int32_t weiss = Grafik_Pixel_Helligkeit(0xFFFF, s->depth);
    const int32_t hell = Grafik_Pixel_Helligkeit(Grafik_Pixel_Lesen(s, 0, 0), s->depth);
    Hilfe_Text_Ausgabe("Kader", 100, 100, 0, 1);
    int32_t x, y, w, h;
    ASSERT_TRUE(Hilfe_Offen(&x, &y, &w, &h));
    int32_t hellster_grund = 0, hellste_schrift = 0;
    for (int32_t py = y; py < y + h; ++py)
        for (int32_t px = x; px < x + w; ++px) {
            const uint16_t p = Grafik_Pixel_Lesen(s, px, py);
            const int32_t h_p = Grafik_Pixel_Helligkeit(p, s->depth);
            if (p == 0xFFFF) hellste_schrift = std::max(hellste_schrift, h_p);
            else hellster_grund = std::max(hellster_grund, h_p);
        }
    EXPECT_EQ(hellste_schrift, weiss) << "the text is printed";
    EXPECT_LT(hellster_grund, hell * 2 / 3) << "the ground behind the text is dimmed";
    Hilfe_Schliessen(1);
    EXPECT_EQ(Grafik_Pixel_Lesen(s, x + 1, y + 1), Grafik_Pixel_Lesen(s, 0, 0)) << "the screen comes back";
}

TEST_F(Hilfe, FadeTakesSixteenStepsUnlessAButtonIsPressed)
{
    uint32_t t = Timer_Get_Time();
    Hilfe_Text_Ausgabe("Langsam", 100, 100, 0, 0);
    EXPECT_GE(Timer_Get_Time() - t, 240u);
    Hilfe_Schliessen(1);
    maus(100, 100, true);
    t = Timer_Get_Time();
    Hilfe_Text_Ausgabe("Schnell", 100, 100, 0, 0);
    EXPECT_LT(Timer_Get_Time() - t, 15u);
    EXPECT_TRUE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr));
    Hilfe_Schliessen(1);
}

TEST_F(Hilfe, PictureFormsResolveHandlesOnly)
{
    Font_Record* f = Font(3);
    int32_t w = 0, h = 0;
    for (const char* t : {"\xB0rp0x7FFFFFF0Hallo", "\xB0rp0xZZ12QQ45Hallo"}) {
        Hilfe_Text_Ausgabe(t, 10, 10, 0, 1);
        ASSERT_TRUE(Hilfe_Offen(nullptr, nullptr, &w, &h)) << t;
        EXPECT_EQ(w, Font_Text_Breite_Mit_Tabs(f, "Hallo") + 8);
        Hilfe_Schliessen(1);
    }
    Rastport* bild = Grafik_Bitmap_Anlegen(50, 30, 16);
    char text[40];
    std::snprintf(text, sizeof text, "\xB0rp0x%08X", Handle_Registrieren(bild, Handle_Art::Bild));
    Hilfe_Text_Ausgabe(text, 10, 10, 0, 1);
    ASSERT_TRUE(Hilfe_Offen(nullptr, nullptr, &w, &h));
    EXPECT_EQ(w, 50);
    EXPECT_EQ(h, 30);
    Hilfe_Schliessen(1);
    Handle_Objekt_Freigeben(bild);
    Grafik_Bitmap_Freigeben(bild);
    // A team outside the range: the text alone.
    Hilfe_Text_Ausgabe("\xB0vh99999 Info", 10, 10, 0, 1);
    ASSERT_TRUE(Hilfe_Offen(nullptr, nullptr, &w, &h));
    EXPECT_EQ(h, 14);
    Hilfe_Schliessen(1);
}

// The club's info text puts the name right behind the four-digit number: a name that begins with
// a digit stays the text and does not make the number another club's (5 "1. FC" is not 51).
TEST_F(Hilfe, AClubNameBeginningWithADigitKeepsItsClub)
{
    vereine_anlegen(40, 0);
    Font_Record* f = Font(3);
    int32_t w = 0, h = 0;
    Hilfe_Text_Ausgabe("\xB0vh00051. FC Nordstadt, 6. Platz der 1. Liga^lSt\xE4rken: Tor=553^l", 10, 10, 0, 1);
    ASSERT_TRUE(Hilfe_Offen(nullptr, nullptr, &w, &h));
    // Club 5's head above two lines, as wide as its first line from the "1." on.
    EXPECT_EQ(h, 60 + 2 * 10);
    EXPECT_EQ(w, std::max(200, Font_Text_Breite_Mit_Tabs(f, "1. FC Nordstadt, 6. Platz der 1. Liga^lSt\xE4rken: Tor=553^l") + 8));
    Hilfe_Schliessen(1);
    // Club 51 does not exist here: the text alone, which the number's fifth digit begins.
    Hilfe_Text_Ausgabe("\xB0vh00519 Info^l", 10, 10, 0, 1);
    ASSERT_TRUE(Hilfe_Offen(nullptr, nullptr, &w, &h));
    EXPECT_EQ(h, 14 + 10);
    EXPECT_EQ(w, Font_Text_Breite_Mit_Tabs(f, "9 Info^l") + 8);
    Hilfe_Schliessen(1);
}

TEST_F(Hilfe, SoundAndGlowSlots)
{
    EXPECT_EQ(Hilfe_Sound_Play(100000), -1);
    int owner[21];
    for (int i = 0; i < 20; ++i) EXPECT_EQ(Hilfe_Glow_Slot(&owner[i], 0), i);
    EXPECT_EQ(Hilfe_Glow_Slot(&owner[20], 0), -1);
    EXPECT_EQ(Hilfe_Glow_Slot(&owner[3], 1), 3);
    Hilfe_Glow_Freigeben();
    EXPECT_EQ(Hilfe_Glow_Slot(&owner[3], 1), -1);
}

using Mausover = Toolkit_Test;

int32_t starts = 0;
int32_t zaehlen(Menue_Icon*, uint32_t f)
{
    if (f == MAUSOVER_START) ++starts;
    return 0;
}

TEST_F(Mausover, DoubleStartsAndEndsAreReported)
{
    Fehler_Capture c;
    starts = 0;
    Menue_Icon* i = flaeche(900, 10, 10, 20, 20, 5);
    i->flags |= ICON_MAUSOVER_KLICK;
    i->klick = zaehlen;
    Menue_Mouse_Over_Info(i, nullptr, 0);
    Menue_Mouse_Over_Info(i, nullptr, 0);
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(c.contains("Menue_Mouse_Over_Info: 2x aufgerufen!"));
    i->flags |= ICON_MAUSOVER_WIEDER;
    Menue_Mouse_Over_Info(i, nullptr, 0);
    EXPECT_EQ(starts, 2);
    Menue_Mouse_Not_Over_Info(i, nullptr, 0, 0, MAUSOVER_ENDE);
    EXPECT_EQ(Menue_Mouse_Over_Nr, -1);
    c.texts.clear();
    Menue_Mouse_Not_Over_Info(i, nullptr, 0, 1, MAUSOVER_ENDE);
    EXPECT_TRUE(c.texts.empty());
    Menue_Mouse_Not_Over_Info(i, nullptr, 0, 0, MAUSOVER_ENDE);
    EXPECT_TRUE(c.contains("Menue_Mouse_Not_Over_Info: 2x aufgerufen!"));
}

TEST_F(Mausover, TwentyFirstGlowIsDrawnButNotRestoredAndModalLayersShield)
{
    Fehler_Capture c;
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 480, Grafik_Farbe(2, 4, 6));
    const uint16_t grund = seite0(5, 5);
    std::vector<Menue_Icon*> icons;
    for (int k = 0; k < 21; ++k) {
        Menue_Icon* i = flaeche(int16_t(1000 + k), int16_t(20 + (k % 7) * 88), int16_t(20 + (k / 7) * 70), 40, 20, 5);
        i->status |= ICON_GLUEHT;
        icons.push_back(i);
        Menue_Glow(i, 0, 0, 0, 0, 0, 0, 8);
    }
    EXPECT_TRUE(c.contains("Glow: MAX_ICON_GLOWLIST erreicht!"));
    // Just left of each icon lies its glow.
    EXPECT_NE(seite0(20 - 3, 30), grund);
    EXPECT_NE(seite0(icons[20]->x - 3, icons[20]->y + 10), grund);
    Menue_Glow_Beenden();
    EXPECT_EQ(seite0(20 - 3, 30), grund);
    EXPECT_NE(seite0(icons[20]->x - 3, icons[20]->y + 10), grund) << "never listed, never put back";

    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 480, Grafik_Farbe(2, 4, 6));
    Menue_Icon* drin = flaeche(1100, 150, 120, 40, 20, 10);
    Menue_Icon* draussen = flaeche(1101, 500, 400, 40, 20, 10);
    drin->status |= ICON_GLUEHT;
    draussen->status |= ICON_GLUEHT;
    Menue_Glow(drin, 0, 1, 97, 80, 354, 146, 8);
    Menue_Glow(draussen, 0, 1, 97, 80, 354, 146, 8);
    EXPECT_EQ(seite0(150 - 3, 130), grund);
    EXPECT_NE(seite0(500 - 3, 410), grund);
    Menue_Glow_Beenden();
}

using Fortschritt = Toolkit_Test;

TEST_F(Fortschritt, BoxWidthBarAndRedrawRate)
{
    ASSERT_EQ(Grafik_Fortschritt_Oeffnen("Kurz", -1, -1), 1);
    int32_t x, y, w;
    ASSERT_TRUE(Grafik_Fortschritt_Lage(&x, &y, &w));
    EXPECT_EQ(w, 240);
    EXPECT_EQ(x, 200);
    EXPECT_EQ(y, 190);
    const int32_t px = x - 26, py = y - 36;
    EXPECT_EQ(Grafik_Fortschritt_Setzen(33, "Nordstadt"), 1);
    EXPECT_EQ(Grafik_Fortschritt_Setzen(90, nullptr), 0) << "within 200 ms";
    const uint16_t gelb = Grafik_Farbe(15, 15, 0);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(seite0(px + 36 + 11 * k + 3, py + 78 + 3), gelb) << k;
    EXPECT_EQ(seite0(px + 102, py + 78), Grafik_Farbe(8, 8, 0));
    EXPECT_NE(seite0(px + 36 + 11 * 7 + 3, py + 81), gelb);
    for (int32_t p : {101, -5}) {
        Win95_Sleep(250);
        EXPECT_EQ(Grafik_Fortschritt_Setzen(p, nullptr), 1);
        EXPECT_NE(seite0(px + 39, py + 81), gelb) << p;
    }
    Grafik_Fortschritt_Schliessen();
    EXPECT_FALSE(Grafik_Fortschritt_Lage(nullptr, nullptr, nullptr));

    Grafik_Fortschritt_Sperren();
    const uint16_t vorher = seite0(320, 220);
    EXPECT_EQ(Grafik_Fortschritt_Oeffnen("Gesperrt", -1, -1), 0);
    EXPECT_EQ(seite0(320, 220), vorher);
    Grafik_Fortschritt_Freigeben();
}

TEST_F(Fortschritt, LargeFilesAreReadInPiecesUnderTheBox)
{
    const std::string name = std::string(DORVIN_BINARY_DIR) + "/gross_" + std::to_string(getpid()) + ".bin";
    std::vector<uint8_t> daten(2000000);
    for (size_t i = 0; i < daten.size(); ++i) daten[i] = uint8_t(i * 31 + i / 977);
    FILE* f = std::fopen(name.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fwrite(daten.data(), 1, daten.size(), f);
    std::fclose(f);
    uint32_t groesse = 0;
    const uint32_t t = Timer_Get_Time();
    uint8_t* p = Disk_Lese_Datei(name.c_str(), &groesse);
    ASSERT_NE(p, nullptr);
    EXPECT_GE(Timer_Get_Time() - t, 480u) << "the box faded in and out";
    EXPECT_EQ(groesse, daten.size());
    EXPECT_EQ(std::vector<uint8_t>(p, p + groesse), daten);
    EXPECT_EQ(p[groesse], 0);
    Mem_Free(p, 0);
    std::remove(name.c_str());
}

}  // namespace

