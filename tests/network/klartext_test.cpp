// Texts that other PCs write are drawn as the characters they hold: a chat line and a manager's
// name made of renderer codes, sent by a hostile client to the server's real pump and handlers,
// and the same sent on by a hostile server to a client. The server's own manager and the other
// client draw them in the chat, in the manager's line and in a table row, and go on.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "feind_hilfe.h"

#include "common/builder_daten.h"
#include "common/schirm.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "network/chat.h"
#include "platform/handle.h"
#include "platform/string_util.h"

using namespace netz_test;

namespace {

// A chat packet of the text (its terminator added) in lines from the given starts, as a client
// sends it, or as a server relays it (sender given).
std::vector<uint8_t> chat_text(const std::string& text, const std::vector<uint32_t>& starts, int32_t sender = FEIND)
{
    const uint32_t tl = uint32_t(text.size()) + 1;
    const uint32_t n = uint32_t(starts.size());
    Bild b = Bild().w(CHAT_MARKE).w(CHAT_KOPF + 4 * n + tl).w(uint32_t(sender)).w(0).w(CHAT_TEXT).w(tl).w(n).w(0).w(0).w(0);
    for (uint32_t s : starts) b.w(s);
    b.b.insert(b.b.end(), text.begin(), text.end());
    b.b.resize(CHAT_KOPF + 4 * n + tl, 0);
    return b.b;
}

std::vector<uint8_t> chat_zeile(const std::string& text, int32_t sender = FEIND) { return chat_text(text, {0}, sender); }

// Each line of a text packet as the chat window draws it: from its start to the terminator.
std::vector<std::string> zeilen_von(const uint8_t* p)
{
    std::vector<std::string> aus;
    const uint32_t n = Bytes_Hole32(p + 24);
    for (uint32_t k = 0; k < n; ++k)
        aus.emplace_back(reinterpret_cast<const char*>(p + CHAT_KOPF + 4 * n + Bytes_Hole32(p + CHAT_KOPF + 4 * k)));
    return aus;
}

// The chat text packets that have come to the peer so far.
std::vector<std::vector<uint8_t>> texte_gekommen(const Roh& peer)
{
    for (int i = 0; i < 100; ++i) {
        server_schritt();
        Netz_Warten();
    }
    std::vector<std::vector<uint8_t>> aus;
    pollfd p{peer.fd, POLLIN, 0};
    while (poll(&p, 1, 50) > 0) {
        std::vector<uint8_t> b = block_lesen(peer, server_schritt);
        if (b.empty()) break;
        if (b.size() > CHAT_KOPF + 4 && Bytes_Hole32(b.data()) == CHAT_MARKE && Bytes_Hole32(b.data() + 16) == CHAT_TEXT)
            aus.push_back(std::move(b));
    }
    return aus;
}

// The first line of each chat text that has come to the peer so far.
std::vector<std::string> zeilen_gekommen(const Roh& peer)
{
    std::vector<std::string> aus;
    for (const std::vector<uint8_t>& b : texte_gekommen(peer)) aus.push_back(zeilen_von(b.data())[0]);
    return aus;
}

bool klar(const std::string& zeile)
{
    return std::none_of(zeile.begin(), zeile.end(), [](char c) { return c == '^' || uint8_t(c) < 32 || c == 127; });
}

struct Klartext : Feind {
    bool schirm = false;
    uint32_t rolle = Netz_Rolle;
    void SetUp() override
    {
        Feind::SetUp();
        schirm = Test_Schirm_Oeffnen(Test_Resfiles_Ordner().string());
        Chat_DeInit();
        Chat_Eingabe_Leeren();
    }
    void TearDown() override
    {
        Chat_Screen_Schliessen();
        Chat_DeInit();
        if (schirm) Test_Schirm_Schliessen();
        Netz_Rolle = rolle;
        Feind::TearDown();
    }
    // The chat screen opened, drawn and closed, as its manager would; then the lines that name
    // the club: the chat's header, the manager's line of the list and the table's row.
    void zeichnen(int32_t team)
    {
        Chat_Screen();
        EXPECT_TRUE(Chat_Screen_Ist_Offen());
        Chat_Screen();
        Chat_Screen_Schliessen();
        const std::string kopf = Chat_Absender(team);
        Grafik_Printf(Grafik_Seite_0, Font(3), "^c%05d%s", 10, 40, 0xFFFF, kopf.c_str());
        Grafik_Printf(Grafik_Seite_0, Font(4), "%s^tl0200%s", 10, 60, Team_String(176, team, nullptr, 0),
                      Team_String(TEAM_MANAGER_NAME, team, nullptr, 0));
        Grafik_Printf(Grafik_Seite_0, Font(4), "1.^tl0020%s^tr0300%d:%d", 10, 80, Team_String(178, team, nullptr, 0), 12, 3);
    }
};

}  // namespace

// The chat text and the name of picture codes that name a picture the server's screens hold:
// the server stores and relays both as plain characters, draws them twice and keeps its
// picture; the other client gets the line as characters.
TEST_F(Klartext, PictureCodesFromAClientAreStoredAndDrawnAsCharacters)
{
    ASSERT_TRUE(schirm);
    server_starten();
    Netz_Rolle = 3;
    Rastport* bild = Grafik_Bitmap_Anlegen(8, 8, 16);
    const uint32_t h = Handle_Registrieren(bild, Handle_Art::Bild);
    char code[24];
    std::snprintf(code, sizeof code, "^gnl%#010x", h);
    const std::string klar = String_Klartext(std::string(code));
    ASSERT_EQ(klar.find('^'), std::string::npos);

    auto opfer = mit_verein(OPFER);
    auto feind = mit_verein(FEIND);
    zeilen_gekommen(opfer->roh);
    feind->block(chat_zeile(code));
    const std::vector<std::string> gekommen = zeilen_gekommen(opfer->roh);
    ASSERT_EQ(gekommen.size(), 1u);
    EXPECT_EQ(gekommen[0], klar) << "the other client gets characters";

    // Request 15 with the name the manager gave himself.
    std::vector<uint8_t> own(TEAM_OWN_BYTES);
    Team_Own_Packen(T_Own[FEIND], own.data());
    const uint8_t t2[2] = {uint8_t(T[FEIND].system_1), uint8_t(T[FEIND].system_2)};
    char name[TEAM_MANAGER_NAME_BYTES] = {};
    std::memcpy(name, code, std::strlen(code));
    feind->aufruf(15, "vV>776V>2V>20", Bild().w(1).roh(own.data(), own.size()).w(1).roh(t2, 2).w(1).roh(name, sizeof name).b);
    EXPECT_EQ(std::string(T[FEIND].manager_name), klar) << "the stored name holds no code";

    // A text to the other manager's mailbox.
    News_Init();
    const std::string brief = std::string("Hallo ") + code;
    feind->aufruf(1003, "iiC" + std::to_string(brief.size() + 1),
                  Bild().w(0).w(uint32_t(OPFER)).w(1).roh(brief.c_str(), brief.size() + 1).b);
    const News_Nachricht* n = News_Get_Nachricht(News_Suche_Erste(OPFER, ~0u));
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(std::string(n->text), "Hallo " + klar);
    News_Init();

    for (int mal = 0; mal < 2; ++mal) zeichnen(FEIND);
    EXPECT_EQ(Handle_Aufloesen(h, Handle_Art::Bild), bild) << "the server's picture was freed by a text";
    EXPECT_NE(Netzuser_Get_By_Team(OPFER), nullptr);
    Handle_Objekt_Freigeben(bild);
    Grafik_Bitmap_Freigeben(bild);
}

// A hostile server sends the codes on unchanged: the client takes the chat line, a club's names
// in the data block and a manager's name as characters. Font codes in another manager's line
// leave the chat's font as it was, so that the victim's screen stays readable.
TEST_F(Klartext, AClientTakesCodesFromTheServerAsCharacters)
{
    ASSERT_TRUE(schirm);
    Netz_Rolle = 2;
    Rastport* bild = Grafik_Bitmap_Anlegen(8, 8, 16);
    const uint32_t h = Handle_Registrieren(bild, Handle_Art::Bild);
    char code[24];
    std::snprintf(code, sizeof code, "^gnl%#010x", h);
    Font_Record* schrift = Font(3);
    ASSERT_NE(schrift, nullptr);
    const uint32_t vorschub = schrift->fixed_advance;

    for (const std::string& zeile : {std::string(code), std::string("^fb0040^bbBreit und fett^c31000")}) {
        const std::vector<uint8_t> p = chat_zeile(zeile, OPFER);
        EXPECT_TRUE(Chat_Empfangen(p.data(), uint32_t(p.size())));
    }
    const uint8_t* neu = Chat_Historie_Nachricht(0, nullptr);
    ASSERT_NE(neu, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(neu + CHAT_KOPF + 4), "\x88" "fb0040\x88" "bbBreit und fett\x88" "c31000");

    // The club's record as a block of request 13 brings it: names of codes.
    std::vector<uint8_t> block;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        Team_Struktur s = T[t];
        if (t == OPFER) std::memcpy(s.manager_name, code, std::strlen(code) + 1);
        block.resize(block.size() + TEAM_STRUKTUR_BYTES);
        Team_Struktur_Packen(s, block.data() + block.size() - TEAM_STRUKTUR_BYTES);
    }
    ASSERT_TRUE(Team_Internet_Client_T_Block_Einlesen(block.data(), uint32_t(block.size())));
    EXPECT_EQ(std::strchr(T[OPFER].manager_name, '^'), nullptr);
    uint8_t fix[TEAM_FIX_BYTES];
    Team_Fix_Packen(T_Fix[OPFER], fix);
    std::memcpy(fix + 25, "^c31000^fb0040", 15);
    Team_Fix kopie{};
    Team_Fix_Entpacken(fix, kopie, nullptr);
    EXPECT_STREQ(kopie.name, "\x88" "c31000\x88" "fb0040");
    std::memcpy(T_Fix[OPFER].name, kopie.name, sizeof kopie.name);

    for (int mal = 0; mal < 2; ++mal) zeichnen(OPFER);
    EXPECT_EQ(Handle_Aufloesen(h, Handle_Art::Bild), bild);
    EXPECT_EQ(schrift->fixed_advance, vorschub) << "the chat's font keeps its advance";
    EXPECT_EQ(schrift->bold, 0u);

    // The own entry field takes no '^'.
    EXPECT_FALSE(Chat_Eingabe_Taste('^', false));
    EXPECT_STREQ(Chat_Eingabe_Get().text, "");
    Handle_Objekt_Freigeben(bild);
    Grafik_Bitmap_Freigeben(bild);
}

// A zero inside a chat text hides what stands behind it from a cleaning that stops there, while
// the chat window draws each line from its own start. Such a packet reaches no other PC and no
// history; a text of two clean lines still comes whole.
TEST_F(Klartext, AChatLineBehindAZeroReachesNobody)
{
    server_starten();
    Netz_Rolle = 3;
    auto opfer = mit_verein(OPFER);
    auto feind = mit_verein(FEIND);
    texte_gekommen(opfer->roh);
    const std::string versteckt("A\0^b1 \x07\x1b[2J x", 13);
    feind->block(chat_text(versteckt, {0, 2}));
    feind->block(chat_text("Hallo Welt", {0, 6}));
    const std::vector<std::vector<uint8_t>> gekommen = texte_gekommen(opfer->roh);
    for (const std::vector<uint8_t>& b : gekommen)
        for (const std::string& zeile : zeilen_von(b.data())) EXPECT_TRUE(klar(zeile)) << zeile;
    ASSERT_EQ(gekommen.size(), 1u);
    EXPECT_EQ(zeilen_von(gekommen[0].data()), (std::vector<std::string>{"Hallo Welt", "Welt"}));

    // The server's manager and a client that a server sends it to keep it in no history.
    const auto historie_klar = [] {
        for (int32_t k = 0; const uint8_t* p = Chat_Historie_Nachricht(k, nullptr); ++k)
            for (const std::string& zeile : zeilen_von(p)) EXPECT_TRUE(klar(zeile)) << zeile;
    };
    historie_klar();
    Netz_Rolle = 2;
    const std::vector<uint8_t> vom_server = chat_text(versteckt, {0, 2}, OPFER);
    EXPECT_TRUE(Chat_Empfangen(vom_server.data(), uint32_t(vom_server.size())));
    historie_klar();
    uint32_t groesse = 0;
    const uint8_t* neu = Chat_Historie_Nachricht(0, &groesse);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(neu, neu + groesse), gekommen[0]);
}
