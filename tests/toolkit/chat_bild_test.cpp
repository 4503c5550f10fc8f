// The chat screen over the menu, typed into by a headless script: Shift with the digit row and
// the German letter keys, a selection with Shift and the arrow keys, and its deletion.
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "network/chat.h"
#include "platform/bytes.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "toolkit/hilfe.h"
#include "toolkit/screen.h"
#include "umgebung.h"

namespace {

std::vector<uint8_t> nachricht(const std::string& text, uint16_t farbe)
{
    std::vector<uint8_t> p(CHAT_KOPF + 4 + text.size() + 1, 0);
    Bytes_Setze32(p.data(), CHAT_MARKE);
    Bytes_Setze32(p.data() + 4, uint32_t(p.size()));
    Bytes_Setze32(p.data() + 8, 0xFFFFFFFFu);
    Bytes_Setze16(p.data() + 12, farbe);
    Bytes_Setze32(p.data() + 16, CHAT_TEXT);
    Bytes_Setze32(p.data() + 20, uint32_t(text.size() + 1));
    Bytes_Setze32(p.data() + 24, 1);
    std::copy(text.begin(), text.end(), p.begin() + CHAT_KOPF + 4);
    return p;
}

class ChatBild : public Toolkit_Test {
protected:
    std::string ordner = std::string(DORVIN_BINARY_DIR) + "/toolkit_chat_bild_" + std::to_string(getpid());
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        std::system(("mkdir -p " + ordner).c_str());
        Menue_Hintergrund_Zeichnen(0);
        Grafik_Blit(Grafik_Seite_1, 0, 0, 640, 480, Grafik_Seite_0, 0, 0);
        Chat_DeInit();
        Chat_Eingabe_Leeren();
    }
    void TearDown() override
    {
        Chat_DeInit();
        Toolkit_Test::TearDown();
    }
};

TEST_F(ChatBild, TippenWaehlenUndLoeschen)
{
    Chat_Init();
    const auto a = nachricht("Anpfiff in zwei Minuten, alle bereit?", 0xFFE0);
    const auto b = nachricht("Hier ist alles klar.", 0x07FF);
    Chat_Empfangen(a.data(), uint32_t(a.size()));
    Chat_Empfangen(b.data(), uint32_t(b.size()));
    // "hallo" then Shift 1, Shift 2 and the letter keys; Home, Shift + 5 x Right selects "hallo",
    // Delete takes it away, and "Moin" goes in its place.
    std::string s = "wait 20\n";
    for (int k : {72, 65, 76, 76, 79, 32}) s += "key " + std::to_string(k) + "\nwait 10\n";
    s += "key_down 16\nkey 49\nkey 50\nkey 186\nkey_up 16\nwait 10\n";
    for (int k : {32, 71, 82, 186, 78, 219, 222, 192, 190}) s += "key " + std::to_string(k) + "\nwait 10\n";
    s += "key 36\nwait 10\nkey_down 16\n";
    for (int k = 0; k < 5; ++k) s += "key 39\nwait 10\n";
    s += "key_up 16\nwait 10\nkey 46\nwait 10\nkey_down 16\nkey 77\nkey_up 16\nkey 79\nkey 73\nkey 78\nwait 400\n";
    s += "dump " + ordner + "/chat.png\nwait 10\n";
    Os_Script_Load_Text(s);
    for (int k = 0; k < 100000 && !Os_Script_Finished(); ++k) {
        Chat_Screen();
        Os_Sleep(5);
    }
    Os_Script_Stop();
    Programm_Ende = 0;
    EXPECT_TRUE(Chat_Screen_Ist_Offen());
    EXPECT_EQ(std::string(Chat_Eingabe_Get().text), "Moin !\"\xDC gr\xFCn\xDF\xE4\xF6.");
    std::FILE* f = std::fopen((ordner + "/chat.png").c_str(), "rb");
    EXPECT_NE(f, nullptr);
    if (f) std::fclose(f);
    Chat_Screen_Schliessen();
    EXPECT_FALSE(Chat_Screen_Ist_Offen());
}

// The OK button of the gadget list closes the chat: the leave notice goes, the screen beneath
// comes back, and the held button has been let go before the game goes on.
TEST_F(ChatBild, OkSchliesstUndStelltDenSchirmWiederHer)
{
    const auto seite = [] {
        const auto* p = static_cast<const uint8_t*>(Grafik_Seite_0->pixels);
        return std::vector<uint8_t>(p, p + Grafik_Seite_0->width * Grafik_Seite_0->height *
                                                 Grafik_Bytes_Pro_Pixel(Grafik_Seite_0->depth));
    };
    const std::vector<uint8_t> vorher = seite();
    Chat_Init();
    Chat_Screen();
    ASSERT_TRUE(Chat_Screen_Ist_Offen());
    EXPECT_NE(seite(), vorher);
    Os_Script_Load_Text("wait 20\nmove 540 437\nwait 50\nclick 540 437\nwait 300\n");
    for (int k = 0; k < 100000 && !Os_Script_Finished() && Chat_Screen_Ist_Offen(); ++k) {
        Chat_Screen();
        Os_Sleep(5);
    }
    EXPECT_FALSE(Chat_Screen_Ist_Offen());
    EXPECT_EQ(Maus_Get_Tasten(), 0);
    Os_Script_Stop();
    Programm_Ende = 0;
    EXPECT_EQ(seite(), vorher);
}

// A message that comes while the pane's help bubble covers its last line: once the pointer has
// gone and the bubble with it, the line is on the screen, not the empty pane from before.
TEST_F(ChatBild, EineNachrichtUnterDerHilfeBleibtNachDerBlase)
{
    const auto lauf = [](const std::string& s) {
        Os_Script_Load_Text(s);
        for (int k = 0; k < 100000 && !Os_Script_Finished(); ++k) {
            Chat_Screen();
            Os_Sleep(5);
        }
        Os_Script_Stop();
    };
    constexpr uint16_t GELB = 0xFFE0;
    Chat_Init();
    Chat_Screen();
    ASSERT_TRUE(Chat_Screen_Ist_Offen());
    lauf("move 20 366\nwait 50\nwait 50\nwait 2600\nwait 50\nwait 400\n");
    int32_t x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(Hilfe_Offen(&x, &y, &w, &h));
    const auto nachricht_pixel = [&] {
        int32_t n = 0;
        for (int32_t j = y; j < y + h; ++j)
            for (int32_t i = x; i < x + w && i < 464; ++i) n += seite0(i, j) == GELB;
        return n;
    };
    EXPECT_EQ(nachricht_pixel(), 0);
    const auto a = nachricht("Anpfiff in zwei Minuten", GELB);
    Chat_Empfangen(a.data(), uint32_t(a.size()));
    lauf("wait 100\nmove 560 300\nwait 600\n");
    EXPECT_FALSE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr));
    EXPECT_GT(nachricht_pixel(), 0);
    Programm_Ende = 0;
    Chat_Screen_Schliessen();
}

TEST_F(ChatBild, BuddiesWaehlen)
{
    vereine_anlegen(40, 0);
    Chat_DeInit();
    Chat_Init();
    ASSERT_GT(Chat_Vereine_Anzahl(), 33);
    maus(200, 120);
    Os_Script_Load_Text("move 200 120\nwait 50\nmove 240 131\nwait 50\nwait 50\nwait 600\ndump " + ordner +
                        "/buddies.png\nmove 0 470\nwait 600\nwait 600\n");
    Chat_Buddies_Waehlen();
    Os_Script_Stop();
    Programm_Ende = 0;
    std::FILE* f = std::fopen((ordner + "/buddies.png").c_str(), "rb");
    EXPECT_NE(f, nullptr);
    if (f) std::fclose(f);
}

}  // namespace
