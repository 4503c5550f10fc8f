// A hostile client that holds a club, on loopback against the server's real pump and handlers:
// its own extension offers, its notes to itself, friendly proposals back and forth, and what it
// writes while the match day runs. And a client's mailbox: what the server holds for its club.
#include "feind_hilfe.h"

#include <algorithm>

#include "common/capture.h"

#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/richter.h"
#include "economy/trainingslager.h"
#include "gameflow/ablauf.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/netz_start.h"
#include "gameflow/news.h"
#include "gameflow/postfach.h"
#include "gameflow/team_requester.h"
#include "network/internet_read.h"
#include "network/steuersignal.h"

using namespace netz_test;

namespace {

const Spieler_Angebot* gespeichertes(int32_t spnr, int32_t bieter, int32_t verein)
{
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
        const auto* a = static_cast<const Spieler_Angebot*>(e->data);
        if (e->key == RICHTER_ANGEBOT && a->spnr == spnr && a->bieter == bieter && a->verein == verein) return a;
    }
    return nullptr;
}

int32_t nachrichten_an(int32_t team)
{
    int32_t n = 0;
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (const News_Nachricht* m = News_Get_Nachricht(i)) n += m->team == team;
    return n;
}

int32_t vorschlaege()
{
    int32_t n = 0;
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) n += e->key == RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG;
    return n;
}

struct Post : Feind {
    void SetUp() override
    {
        Feind::SetUp();
        News_Init();
    }
    void TearDown() override
    {
        News_DeInit();
        Ablauf_Zustand = 0;
        Feind::TearDown();
    }
    // In a client process: logs in afresh and takes the hostile club; 0, else where it stopped.
    int als_client()
    {
        Test_Welt_Aufraeumen();
        News_DeInit();
        Netz_Rolle = 1;
        Aktuelles_Team = FEIND;
        if (!client_anmelden()) return 2;
        return Ablauf_Client_Verein_Nehmen(FEIND) ? 0 : 3;
    }
    // Request 1003 with the text to the club; the index the server gave it, -1 none.
    static int32_t text_senden(const Feind_Peer& p, int32_t an, const std::string& text)
    {
        const uint32_t n = uint32_t(text.size() + 1);
        const std::vector<uint8_t> r =
            p.aufruf(1003, "iiC" + std::to_string(n), Bild().w(0).w(uint32_t(an)).w(1).roh(text.c_str(), n).b);
        return r.size() >= 4 ? int32_t(Bytes_Hole32(r.data())) : -2;
    }
    // Request 52 with the club's friendly proposal to the other one; whether it was taken.
    static bool vorschlagen(const Feind_Peer& p, int32_t von, int32_t an)
    {
        Trainingslager_Buchung b{};
        b.art = 2;
        b.belegt = 1;
        b.team = uint32_t(von);
        b.ziel = uint32_t(an);
        b.erster_tag = b.letzter_tag = uint32_t(Kalender_Get_Heute() + 20);
        const std::vector<uint8_t> r = p.aufruf(
            52, "iC44ii", Bild().w(0).w(1).roh(&b, sizeof b).w(sizeof b).w(RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG).b, von);
        return r.size() >= 4 && Bytes_Hole32(r.data()) == 1;
    }
};

}  // namespace

// A club offers its own player an extension at the lowest salary and accepts it itself: the
// acceptance is refused and the player's salary stays, also where an accepted extension stands
// in the list (as an older savegame may hold one). An offer of another club is still the
// player's club's to accept.
TEST_F(Post, AClubCannotAcceptItsOwnExtensionOffer)
{
    server_starten();
    auto peer = mit_verein();
    const int32_t gehalt = Teamspieler_Wert(301, FEIND, 21, 0, 0);
    Spieler_Angebot a = angebot_von(FEIND, FEIND, 21, 0);
    a.gehalt = 10;
    a.monate = 60;
    peer->aufruf(51, "vV28", Bild().w(1).roh(&a, sizeof a).b);
    ASSERT_NE(gespeichertes(21, FEIND, FEIND), nullptr) << "the extension is offered";
    a.angenommen = 1;
    const std::vector<uint8_t> r = peer->aufruf(53, "cV28c", Bild().w(0).w(1).roh(&a, sizeof a).w(0).b);
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r[0], 0) << "refused";
    EXPECT_EQ(gespeichertes(21, FEIND, FEIND)->angenommen, 0);
    Richter_Check_Spieler_Angebote(21);
    EXPECT_EQ(Teamspieler_Wert(301, FEIND, 21, 0, 0), gehalt) << "no extension without the player's answer";

    Spieler_Angebot markiert = *gespeichertes(21, FEIND, FEIND);
    markiert.angenommen = 1;
    Richter_Set_Spieler_Angebot(&markiert, false, false);
    Richter_Check_Spieler_Angebote(21);
    EXPECT_EQ(Teamspieler_Wert(301, FEIND, 21, 0, 0), gehalt) << "an accepted mark on an extension";

    // another club's bid for the player: his club accepts it
    Richter_Spieler_Angebot_Struktur_Erzeugen(OPFER, FEIND, 22, 100, 0, 100, 24, 0);
    Spieler_Angebot b = *gespeichertes(22, OPFER, FEIND);
    b.angenommen = 1;
    const std::vector<uint8_t> r2 = peer->aufruf(53, "cV28c", Bild().w(0).w(1).roh(&b, sizeof b).w(0).b);
    ASSERT_FALSE(r2.empty());
    EXPECT_EQ(r2[0], 1);
    EXPECT_EQ(gespeichertes(22, OPFER, FEIND)->angenommen, 1);
}

// Ten days of a hundred notes to itself a day fill the club's share of the store and no more:
// another club's mail still comes, and its own notes then push out only its own read ones. An
// empty text is no note at all.
TEST_F(Post, NotesToItselfDisplaceNoOtherClubsMail)
{
    server_starten();
    auto peer = mit_verein();
    EXPECT_EQ(text_senden(*peer, FEIND, ""), -1) << "an empty text";
    EXPECT_EQ(text_senden(*peer, OPFER, ""), -1);
    EXPECT_EQ(News_Anzahl(), 0);
    const int32_t anteil = NEWS_MAX / 3;
    for (int32_t tag = 0; tag < 11; ++tag) {
        Aktueller_Tag = tag;
        for (int i = 0; i < 100; ++i) text_senden(*peer, FEIND, "Notiz");
    }
    EXPECT_EQ(nachrichten_an(FEIND), anteil);
    Fehler_Capture f;
    Aktueller_Tag = 11;
    EXPECT_GE(News_Senden(-1, OPFER, SERVER, NEWS_ART_TEXT, nullptr, "Post vom Server"), 0);
    EXPECT_GE(text_senden(*peer, OPFER, "Hallo"), 0) << "a note to another club";
    EXPECT_FALSE(f.contains("Nachrichtenspeicher voll"));
    // the other clubs fill their own shares; the store is full then
    while (News_Senden(-1, OPFER, SERVER, NEWS_ART_TEXT, nullptr, "Ungelesen") >= 0) {
    }
    while (News_Senden(-1, SERVER, OPFER, NEWS_ART_TEXT, nullptr, "Ungelesen") >= 0) {
    }
    EXPECT_EQ(nachrichten_an(OPFER), anteil);
    EXPECT_EQ(nachrichten_an(SERVER), anteil);
    // a read note of its own makes room for its next one; nobody else's goes
    const int32_t gelesen = News_Suche_Erste(FEIND, NEWS_FLAG_DA);
    ASSERT_TRUE(News_Set(gelesen, FEIND, 0, 8));
    Aktueller_Tag = 12;
    EXPECT_EQ(text_senden(*peer, FEIND, "Neu"), gelesen);
    EXPECT_EQ(nachrichten_an(OPFER), anteil);
    EXPECT_EQ(nachrichten_an(SERVER), anteil);
    EXPECT_EQ(text_senden(*peer, FEIND, "Noch eine"), -1) << "nothing of its own read";
    Aktueller_Tag = 0;
}

// While the first club's proposal to the second waits in the arbiter's list, and while it stands
// as the second's question, the second club's proposal back is refused: one open proposal per
// pair of clubs, in either direction.
TEST_F(Post, AProposalBackWhileOneWaitsIsRefused)
{
    Trainingslager_Init();
    Trainingslager_Set_Termin_Abfrage([](int32_t, int32_t, int32_t) { return int32_t(1); });
    server_starten();
    auto feind = mit_verein(FEIND);
    auto opfer = mit_verein(OPFER);
    ASSERT_TRUE(vorschlagen(*feind, FEIND, OPFER));
    EXPECT_FALSE(vorschlagen(*opfer, OPFER, FEIND)) << "back while it waits in the list";
    EXPECT_EQ(vorschlaege(), 1);
    Richter_Jeden_Tag();
    ASSERT_TRUE(News_Frage_Offen(3, FEIND, OPFER));
    EXPECT_FALSE(vorschlagen(*opfer, OPFER, FEIND)) << "back while it stands as a question";
    EXPECT_EQ(vorschlaege(), 0);
    Trainingslager_Set_Termin_Abfrage(nullptr);
    Trainingslager_DeInit();
}

// A line-up, an offer and a note sent while the match day runs change nothing the day reads: the
// club's check sum stays, and nothing is stored; what the client reads is still answered. In the
// round the same line-up is taken, one that leaves a player out or names one twice is not; once
// the club's turn is over, only its turn's data is.
TEST_F(Post, WhatAClientWritesDuringTheMatchDayIsRefused)
{
    server_starten();
    auto peer = mit_verein();
    std::vector<uint8_t> eigene, fremde;
    ASSERT_TRUE(Teamspieler_Internet_Aufstellung_Packen(FEIND, -1, &eigene, &fremde));
    for (size_t o = 0; o < eigene.size(); o += 24) Bytes_Setze32(eigene.data() + o, 0);  // nobody plays
    const auto aufstellung = [&](const std::vector<uint8_t>& b) {
        Fehler_Capture f;
        peer->aufruf(42, "viiiV>" + std::to_string(b.size()) + "V>0",
                     Bild().w(FEIND).w(uint32_t(-1)).w(0).w(1).roh(b.data(), b.size()).w(1).b);
        return !f.contains("abgewiesen") && !f.contains("Get_Data_Back");
    };
    // The manager record as the client sends it, unchanged; whether it was taken.
    const auto manager = [&] {
        std::vector<uint8_t> bild, b;
        if (!Manager_Internet_Bloecke_Packen(FEIND, false, &bild)) return false;
        std::string format = "v";
        for (int i = 0, o = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
            if (i == 1) continue;
            const int n = int(Manager_Netz_Bloecke[i].bytes);
            format += "V>" + std::to_string(n);
            Bild blk;
            blk.w(1).roh(bild.data() + o, size_t(n));
            b.insert(b.end(), blk.b.begin(), blk.b.end());
            o += n;
        }
        Fehler_Capture f;
        peer->aufruf(33, format, b);
        return !f.contains("abgewiesen");
    };
    Teamspieler_Get_Record(FEIND, 20)->flags |= TS_STARTELF;
    const Spieler_Angebot a = angebot_von(FEIND, SERVER, 5, 0);
    for (int32_t zustand : {int32_t(ABLAUF_DATEN_GESAMMELT), int32_t(ABLAUF_VOR_SPIEL), int32_t(ABLAUF_SPIEL_LAEUFT),
                            int32_t(ABLAUF_HALBZEIT), int32_t(ABLAUF_NACH_SPIEL), int32_t(ABLAUF_SPIELTAG_SCHLIESSEN)}) {
        Ablauf_Zustand = zustand;
        const uint32_t summe = Ablauf_Pruefsumme(FEIND);
        EXPECT_FALSE(aufstellung(eigene)) << zustand;
        EXPECT_EQ(Ablauf_Pruefsumme(FEIND), summe) << zustand;
        EXPECT_EQ(Teamspieler_Get_Record(FEIND, 20)->flags & TS_STARTELF, TS_STARTELF) << zustand;
        peer->aufruf(51, "vV28", Bild().w(1).roh(&a, sizeof a).b);
        EXPECT_EQ(gespeichertes(5, FEIND, SERVER), nullptr) << zustand;
        EXPECT_LT(text_senden(*peer, FEIND, "Notiz"), 0) << zustand;
        EXPECT_FALSE(manager()) << zustand;
        EXPECT_FALSE(peer->aufruf(1000, "iC<=0", Bild().w(0).w(1).b).empty()) << "the day is still read";
    }
    EXPECT_EQ(News_Anzahl(), 0);
    // (the collecting state is left out: with every client's data in, the pump leaves it by itself)
    for (int32_t zustand :
         {int32_t(ABLAUF_MENUERUNDE), int32_t(ABLAUF_SPIELTAG_MENUERUNDE), int32_t(ABLAUF_SERVER_WARTET)}) {
        Ablauf_Zustand = zustand;
        std::vector<uint8_t> ohne(eigene.begin(), eigene.end() - 24), doppelt = eigene;
        std::copy(eigene.begin(), eigene.begin() + 24, doppelt.end() - 24);
        EXPECT_FALSE(aufstellung(ohne)) << zustand << ": a player left out";
        EXPECT_FALSE(aufstellung(doppelt)) << zustand << ": a player named twice";
        EXPECT_EQ(Teamspieler_Get_Record(FEIND, 20)->flags & TS_STARTELF, TS_STARTELF) << zustand;
        EXPECT_TRUE(aufstellung(eigene)) << zustand;
        EXPECT_TRUE(manager()) << zustand;
        EXPECT_EQ(Teamspieler_Get_Record(FEIND, 20)->flags & TS_STARTELF, 0u) << zustand;
        Teamspieler_Get_Record(FEIND, 20)->flags |= TS_STARTELF;
    }
    // Once its turn is over the club sends its turn's data, and nothing else.
    Ablauf_Zustand = ABLAUF_SERVER_WARTET;
    T[FEIND].status = uint8_t(T[FEIND].status | ZUG_BEENDET_BIT);
    peer->aufruf(51, "vV28", Bild().w(1).roh(&a, sizeof a).b);
    EXPECT_EQ(gespeichertes(5, FEIND, SERVER), nullptr) << "an offer after the turn";
    EXPECT_LT(text_senden(*peer, FEIND, "Notiz"), 0);
    EXPECT_TRUE(aufstellung(eigene)) << "the line-up of the turn's end";
    EXPECT_TRUE(manager()) << "the manager record of the turn's end";
    T[FEIND].status = uint8_t(T[FEIND].status & ~ZUG_BEENDET_BIT);
    peer->aufruf(51, "vV28", Bild().w(1).roh(&a, sizeof a).b);
    EXPECT_NE(gespeichertes(5, FEIND, SERVER), nullptr) << "an offer in the turn";
}

// A client's mailbox shows what the server holds for its club, a text to every manager and a
// friendly proposal, and its answer to the proposal reaches the server; a message deleted on the
// client is not shown again, and another club's mail never reaches it.
TEST_F(Post, AClientsMailboxShowsTheServersMessagesAndAnswersItsQuestion)
{
    server_starten();
    ASSERT_GE(News_Senden(-1, -1, SERVER, NEWS_ART_TEXT, nullptr, "An alle Manager"), 0);
    const News_Frage frage{{3, SERVER, FEIND, 40, 0, 0, 0, -1}};
    const int32_t f = News_Senden(-1, FEIND, SERVER, NEWS_ART_FRAGE, &frage, "Freundschaftsspiel gegen uns?");
    ASSERT_GE(f, 0);
    ASSERT_GE(News_Senden(-1, OPFER, SERVER, NEWS_ART_TEXT, nullptr, "Nur fuer Opfer"), 0);
    const int code = client_prozess(
        [this] {
            if (const int r = als_client()) return r;
            static std::string gezeigt;
            Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* text) -> uint8_t {
                gezeigt += std::string(text) + "|";
                return 1;  // delete a text, yes to a question
            });
            if (!Postfach_Client_Holen() || !Postfach_Neue_Post(FEIND)) return 4;
            if (Postfach_Screen(nullptr, 4) != 2) return 5;
            datei_schreiben("gezeigt.txt", gezeigt);
            // fetched again: what was deleted here stays deleted, the answer stands
            if (!Postfach_Client_Holen() || Postfach_Neue_Post(FEIND)) return 6;
            const News_Nachricht* n = News_Get_Nachricht(News_Suche_Erste(FEIND, NEWS_FLAG_BEANTWORTET));
            return n && n->frage.wort[7] == 1 && News_Anzahl() == 1 ? 0 : 7;
        },
        [] { server_schritt(); });
    EXPECT_EQ(code, 0) << datei_lesen("client_stderr.txt");
    const std::string gezeigt = datei_lesen("gezeigt.txt");
    EXPECT_NE(gezeigt.find("An alle Manager"), std::string::npos) << gezeigt;
    EXPECT_NE(gezeigt.find("Freundschaftsspiel gegen uns?"), std::string::npos) << gezeigt;
    EXPECT_EQ(gezeigt.find("Nur fuer Opfer"), std::string::npos) << gezeigt;
    ASSERT_NE(News_Get_Nachricht(f), nullptr);
    EXPECT_TRUE(News_Get_Nachricht(f)->flags & NEWS_FLAG_BEANTWORTET);
    EXPECT_EQ(News_Get_Text(f)->wort[7], 1);
}

// A text of blanks and control characters only would reach the other manager as an empty
// message: it is refused and counts against nobody's day. One visible character is a text.
TEST_F(Post, ATextOfBlanksAndControlCharactersIsRefused)
{
    server_starten();
    auto peer = mit_verein(FEIND);
    for (const std::string& leer :
         {std::string("   "), std::string("\x01\x07\t\x1b\x7f "), std::string(NEWS_TEXT_LAENGE - 1, ' ')})
        EXPECT_EQ(text_senden(*peer, OPFER, leer), -1) << leer.size();
    EXPECT_EQ(nachrichten_an(OPFER), 0);
    EXPECT_GE(text_senden(*peer, OPFER, " \x07.\t"), 0);
    ASSERT_EQ(nachrichten_an(OPFER), 1);
    EXPECT_STREQ(News_Get_Nachricht(News_Suche_Erste(OPFER, ~0u))->text, "  . ");
}

// Mailbox texts as a server sends them: the client keeps the codes of the server's own news (bold,
// a new line, the text font) and takes every other code and control character as plain text,
// also what stands behind a code cut off by the field's end.
TEST_F(Post, AClientKeepsOnlyTheNewsCodesOfTheServersTexts)
{
    server_starten();
    const std::string roh = "^bbFett^be^lZeile^y0000Firma^y0000 ^c00031\x07^gnl0000010000^y0001^b^l";
    const std::string klar = "^bbFett^be^lZeile^y0000Firma^y0000 \x88" "c00031 \x88gnl0000010000\x88y0001\x88" "b^l";
    ASSERT_GE(News_Senden(-1, FEIND, SERVER, NEWS_ART_TEXT, nullptr, "%s", roh.c_str()), 0);
    const int code = client_prozess(
        [&] {
            if (const int r = als_client()) return r;
            std::vector<News_Client_Eintrag> liste;
            if (!Ablauf_Client_Nachrichten_Holen(&liste) || liste.size() != 1) return 4;
            datei_schreiben("gekommen.txt", liste[0].nachricht.text);
            return 0;
        },
        [] { server_schritt(); });
    EXPECT_EQ(code, 0) << datei_lesen("client_stderr.txt");
    EXPECT_EQ(datei_lesen("gekommen.txt"), klar);

    // The store takes the same from a list as it comes; a code cut by the field's end is none.
    News_Init();
    News_Client_Eintrag e{};
    e.index = 7;
    e.nachricht.team = FEIND;
    e.nachricht.flags = NEWS_FLAG_DA;
    std::memset(e.nachricht.text, '^', sizeof e.nachricht.text);
    std::memcpy(e.nachricht.text, roh.c_str(), roh.size() + 1);
    std::memcpy(e.nachricht.text + NEWS_TEXT_LAENGE - 5, "^y000", 5);
    News_Client_Eintrag voll = e;
    voll.index = 8;
    std::memset(voll.nachricht.text, 'x', sizeof voll.nachricht.text);
    std::memcpy(voll.nachricht.text + NEWS_TEXT_LAENGE - 3, "^bb", 3);
    News_Client_Uebernehmen({e, voll});
    const News_Nachricht* n = News_Get_Nachricht(7);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(std::string(n->text), klar);
    EXPECT_EQ(std::count(n->text, n->text + NEWS_TEXT_LAENGE, '^'), std::count(klar.begin(), klar.end(), '^'))
        << "nothing behind the text";
    ASSERT_NE(News_Get_Nachricht(8), nullptr);
    EXPECT_EQ(std::string(News_Get_Nachricht(8)->text), std::string(NEWS_TEXT_LAENGE - 3, 'x') + "\x88" "b");
}
