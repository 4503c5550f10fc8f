// A hostile client that holds a club sends its records back whole, with money of its own choice in
// them: advertising income, staff and their costs, match bonuses, training camps, the promise of
// a contract. The server takes what the manager's screens let him set, each field at its edge and
// not a step beyond, and keeps its own values for the rest; the third club's records stay the same
// to the byte.
#include "feind_hilfe.h"

#include "database/assistent.h"
#include "database/datenbank_fern.h"
#include "database/personal_anheuern.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "economy/werbung_intern.h"

using namespace netz_test;

namespace {

constexpr int32_t HEUTE = 20;

// What the server holds of a club: its manager record, its T_Own and its T record (without the
// mark that a connected client holds it, which the server sets on the client's requests).
std::vector<uint8_t> verein_bytes(int32_t team)
{
    std::vector<uint8_t> b(MANAGER_STRUKTUR_BYTES + TEAM_OWN_BYTES + TEAM_STRUKTUR_BYTES);
    Manager_Struktur_Packen(*T_Fix[team].manager, b.data());
    Team_Own_Packen(T_Own[team], b.data() + MANAGER_STRUKTUR_BYTES);
    Team_Struktur t = T[team];
    t.status = uint8_t(t.status & ~TEAM_VON_CLIENT_GEHALTEN);
    Team_Struktur_Packen(t, b.data() + MANAGER_STRUKTUR_BYTES + TEAM_OWN_BYTES);
    return b;
}

std::vector<uint8_t> manager_bild(int32_t team)
{
    std::vector<uint8_t> b(MANAGER_STRUKTUR_BYTES);
    Manager_Struktur_Packen(*T_Fix[team].manager, b.data());
    return b;
}

uint8_t* block_von(std::vector<uint8_t>& bild, int32_t i) { return bild.data() + Manager_Netz_Bloecke[i].offset; }

uint8_t* termin(uint8_t* lager, int32_t i) { return lager + i * TRAININGSLAGER_TERMIN_BYTES; }

void termin_setzen(uint8_t* p, uint8_t art, int32_t ziel, int32_t von, int32_t bis)
{
    Trainingslager_Termin t = Trainingslager_Neuer_Termin(art, ziel, von, bis);
    t.preis = 1;
    Trainingslager_Termin_Schreiben(t, p);
}

Trainingslager_Termin server_termin(int32_t team, int32_t slot)
{
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    EXPECT_TRUE(Trainingslager_Buchungen(team, t));
    return t[slot];
}

int32_t richter_items(uint32_t typ)
{
    int32_t n = 0;
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) n += e->key == typ;
    return n;
}

struct Geld : Feind {
    std::unique_ptr<Feind_Peer> peer;
    std::vector<uint8_t> opfer_vorher;

    void SetUp() override
    {
        Feind::SetUp();
        Aktueller_Tag = HEUTE;
        Schwierigkeitsstufe = 2;
        Werbung_Init();
        Trainingslager_Init();
        for (int32_t camp = 0; camp < TRAININGSLAGER_ANZAHL; ++camp)
            for (int32_t d = HEUTE; d < 100; ++d) Trainingslager_Tag_Setzen(camp, d, 1);
        server_starten();
        peer = mit_verein();
        opfer_vorher = verein_bytes(OPFER);
    }
    void TearDown() override
    {
        peer.reset();
        EXPECT_EQ(verein_bytes(OPFER), opfer_vorher) << "the honest club next door changed";
        Werbung_DeInit();
        Trainingslager_DeInit();
        Aktueller_Tag = 0;
        Feind::TearDown();
    }

    // Request 33 with the club's blocks as the server holds them, changed by the attack; whether
    // the server took it.
    bool manager_senden(const std::function<void(std::vector<uint8_t>&)>& aendern)
    {
        std::vector<uint8_t> bild = manager_bild(FEIND);
        aendern(bild);
        std::string format = "v";
        Bild b;
        for (int32_t i = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
            if (i == 1) continue;
            format += "V>" + std::to_string(Manager_Netz_Bloecke[i].bytes);
            b.w(1).roh(block_von(bild, i), Manager_Netz_Bloecke[i].bytes);
        }
        Fehler_Capture f;
        peer->aufruf(33, format, b.b);
        return !f.contains("Anfrage 33 von Team 2 abgewiesen");
    }

    // Request 15 with the club's T_Own and systems as the server holds them, changed by the attack.
    bool own_senden(const std::function<void(Team_Own&, uint8_t*)>& aendern)
    {
        Team_Own o = T_Own[FEIND];
        uint8_t t2[2] = {uint8_t(T[FEIND].system_1), uint8_t(T[FEIND].system_2)};
        aendern(o, t2);
        std::vector<uint8_t> own(TEAM_OWN_BYTES);
        Team_Own_Packen(o, own.data());
        Fehler_Capture f;
        peer->aufruf(15, "vV>776V>2", Bild().w(1).roh(own.data(), own.size()).w(1).roh(t2, 2).b);
        return !f.contains("Anfrage 15 von Team 2 abgewiesen");
    }

    // Request 52 with a camp request or friendly proposal of the club; whether it was taken.
    bool anfrage_senden(Trainingslager_Buchung b, uint32_t typ)
    {
        b.team = FEIND;
        const std::vector<uint8_t> r = peer->aufruf(52, "iC44ii", Bild().w(0).w(1).roh(&b, sizeof b).w(44).w(typ).b);
        return r.size() >= 4 && Bytes_Hole32(r.data()) == 1;
    }
};

Trainingslager_Buchung camp_anfrage(uint32_t camp, uint32_t von, uint32_t bis)
{
    Trainingslager_Buchung b{};
    b.art = 1;
    b.belegt = 1;
    b.slot = 0;
    b.ziel = camp;
    b.erster_tag = von;
    b.letzter_tag = bis;
    Bytes_Setze32(b.rest_24, 1);  // a price of one mark a player and day
    return b;
}

}  // namespace

// 50,000,000 DM a month on every space of a whole manager record: nothing of it is stored and the
// month books no advertising income. The promise, the European promise and the agencies, which
// the advertising screen sets, are taken at their edges and refused a step beyond.
TEST_F(Geld, TheAdvertisingBlockOfAClientBringsNoIncomeOfItsChoice)
{
    std::vector<uint8_t> bild = manager_bild(FEIND);
    const std::vector<uint8_t> werbung_vorher(block_von(bild, 2), block_von(bild, 2) + WERBUNG_TEAM_BYTES);
    EXPECT_TRUE(manager_senden([](std::vector<uint8_t>& bild) {
        uint8_t* w = block_von(bild, 2);
        for (int32_t i = 0; i < WERBUNG_FLAECHEN; ++i) {
            w[i] = uint8_t(i);
            Bytes_Setze32(w + 20 + 4 * i, 0x4C3EBC20);  // 50,000,000.0f
            Bytes_Setze32(w + 88 + 4 * i, 99999);
        }
        for (int32_t s = 0; s < WERBEPARTNER_ANZAHL; ++s) Bytes_Setze32(w + 344 + 4 * s, 1000);
        Bytes_Setze32(w + 440, 100000000);
    })) << "the screen's own fields are as the server holds them";
    bild = manager_bild(FEIND);
    EXPECT_EQ(std::vector<uint8_t>(block_von(bild, 2), block_von(bild, 2) + WERBUNG_TEAM_BYTES), werbung_vorher);
    Test_Bank_Beobachten(7900000);
    Werbung_Jeden_Monat(FEIND);
    for (const Test_Buchung& b : Test_Buchungen) EXPECT_NE(b.empfaenger, FEIND) << b.betrag << " DM, " << b.kategorie;

    // the promise runs from first place to the last of the league (none here: the first)
    struct Feld {
        uint32_t offset;
        uint8_t gut, schlecht;
    } felder[] = {{452, 1, 2}, {453, 1, 2}, {436, 4, 5}, {438, 4, 5}};
    for (const Feld& f : felder) {
        EXPECT_FALSE(manager_senden([&](std::vector<uint8_t>& b) { block_von(b, 2)[f.offset] = f.schlecht; }))
            << f.offset;
        EXPECT_NE(manager_bild(FEIND)[Manager_Netz_Bloecke[2].offset + f.offset], f.schlecht) << f.offset;
        EXPECT_TRUE(manager_senden([&](std::vector<uint8_t>& b) { block_von(b, 2)[f.offset] = f.gut; })) << f.offset;
        EXPECT_EQ(manager_bild(FEIND)[Manager_Netz_Bloecke[2].offset + f.offset], f.gut) << f.offset;
    }
}

// A refused contract (here: the club plays in no league) leaves the promise sent with it where it
// was, even one the rocker allows; a promise beyond the league's last place is refused before.
TEST_F(Geld, ARefusedContractChangesNothing)
{
    const auto platz = [] { return manager_bild(FEIND)[Manager_Netz_Bloecke[2].offset + 452]; };
    const uint8_t vorher = platz();
    for (uint32_t versprochen : {255u, 1u, 2u}) {
        const std::vector<uint8_t> r =
            peer->aufruf(1023, "iC<456iiiii", Bild().w(0).w(1).w(FEIND).w(0).w(0).w(uint32_t(-1)).w(versprochen).b);
        ASSERT_GE(r.size(), 4u);
        EXPECT_EQ(Bytes_Hole32(r.data()), 0u) << versprochen;
        EXPECT_EQ(platz(), vorher) << versprochen;
    }
}

// The club's staff and their costs come from hiring on the server: a record with free staff, a
// moral of 127 and a cost that wraps into income keeps the server's staff, costs and moral; a
// hire the staff screen made costs the server's price.
TEST_F(Geld, StaffCostsAndMoralOfAClientAreTheServers)
{
    uint8_t* assi = T_Own[FEIND].assistenten;
    assi[0] = 1;
    assi[ASSI_OFFSET_MONATE] = 24;
    Bytes_Setze32(assi + ASSI_OFFSET_KOSTEN, 1500);
    T_Own[FEIND].moral = 60;
    EXPECT_TRUE(own_senden([](Team_Own& o, uint8_t*) {
        o.moral = 127;
        o.finanzkraft = 99;
        o.staerke[0] = 990;
        Bytes_Setze32(o.assistenten + ASSI_OFFSET_KOSTEN, 0);
        o.assistenten[ASSI_OFFSET_MONATE] = 200;
        o.assistenten[3] = 1;
        o.assistenten[ASSI_OFFSET_MONATE + 3] = 48;
        Bytes_Setze32(o.assistenten + ASSI_OFFSET_KOSTEN + 12, 222818300);
        Bytes_Setze32(o.aerzte + ASSI_OFFSET_KOSTEN, 222818300);
    }));
    EXPECT_EQ(T_Own[FEIND].moral, 60);
    EXPECT_NE(T_Own[FEIND].finanzkraft, 99);
    EXPECT_EQ(Bytes_Hole32(assi + ASSI_OFFSET_KOSTEN), 1500u);
    EXPECT_EQ(assi[ASSI_OFFSET_MONATE], 24);
    EXPECT_EQ(assi[3], 1) << "the hire";
    EXPECT_EQ(assi[ASSI_OFFSET_MONATE + 3], 48);
    EXPECT_EQ(int32_t(Bytes_Hole32(assi + ASSI_OFFSET_KOSTEN + 12)),
              Personal_Angebot_Preis(Assistenten_Tabelle[3].grundpreis, 4, Wettbewerb_Get_Liga_Niveau(FEIND)));
    EXPECT_NE(Bytes_Hole32(T_Own[FEIND].aerzte + ASSI_OFFSET_KOSTEN), 222818300u);

    // a contract of five years, a fifth assistant, a flag of 2 and two holders of one task
    const std::vector<std::function<void(Team_Own&)>> zu_viel = {
        [](Team_Own& o) { o.aerzte[1] = 1, o.aerzte[ASSI_OFFSET_MONATE + 1] = 60; },
        [](Team_Own& o) { o.aerzte[1] = 1, o.aerzte[ASSI_OFFSET_MONATE + 1] = 18; },
        [](Team_Own& o) {
            for (int32_t s : {1, 2, 4}) o.assistenten[s] = 1, o.assistenten[ASSI_OFFSET_MONATE + s] = 12;
        },
        [](Team_Own& o) { o.assistenten[ASSI_OFFSET_AUFGABEN + 2] = 2; },
        [](Team_Own& o) { o.assistenten[ASSI_OFFSET_AUFGABEN + 4] = o.assistenten[ASSI_OFFSET_AUFGABEN + 3 * ASSI_AUFGABEN + 4] = 1; },
        [](Team_Own& o) { o.assistenten[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN + 1] = 1; },
    };
    for (size_t i = 0; i < zu_viel.size(); ++i) {
        const std::vector<uint8_t> vorher = verein_bytes(FEIND);
        EXPECT_FALSE(own_senden([&](Team_Own& o, uint8_t*) { zu_viel[i](o); })) << i;
        EXPECT_EQ(verein_bytes(FEIND), vorher) << i;
    }
    // one year for a doctor, two more assistants up to four, a task each
    EXPECT_TRUE(own_senden([](Team_Own& o, uint8_t*) {
        o.aerzte[1] = 1, o.aerzte[ASSI_OFFSET_MONATE + 1] = 12;
        o.aerzte[ASSI_OFFSET_AUFGABEN + 10] = 0;
        o.aerzte[ASSI_OFFSET_AUFGABEN + ARZT_FACHGEBIETE + 10] = 1;
        for (int32_t s : {1, 2}) o.assistenten[s] = 1, o.assistenten[ASSI_OFFSET_MONATE + s] = 12;
        o.assistenten[ASSI_OFFSET_AUFGABEN + 4] = o.assistenten[ASSI_OFFSET_AUFGABEN + 3 * ASSI_AUFGABEN + 5] = 1;
    }));
    EXPECT_EQ(T_Own[FEIND].aerzte[1], 1);
    EXPECT_EQ(T_Own[FEIND].aerzte[ASSI_OFFSET_AUFGABEN + ARZT_FACHGEBIETE + 10], 1);
    EXPECT_EQ(assi[ASSI_OFFSET_AUFGABEN + 3 * ASSI_AUFGABEN + 5], 1);
}

// The fields of the manager's screens in request 15, each at its edge and one step beyond: the
// commitment, the tactics, the training units, the line-up systems and the match bonuses, which
// are never lowered and never above the rockers' 50 million.
TEST_F(Geld, TheOwnRecordsFieldsAreTakenAtTheirEdgesOnly)
{
    T_Own[FEIND].tagesblock[0] = 1000;
    struct Fall {
        const char* name;
        std::function<void(Team_Own&, uint8_t*, bool)> setzen;
        std::function<bool()> gesetzt;
    };
    const Fall faelle[] = {
        {"commitment", [](Team_Own& o, uint8_t*, bool gut) { o.option = gut ? 100 : 101; },
         [] { return T_Own[FEIND].option == 100; }},
        {"tactic", [](Team_Own& o, uint8_t*, bool gut) { o.taktik[7] = gut ? 2 : 3; },
         [] { return T_Own[FEIND].taktik[7] == 2; }},
        {"prepared tactic", [](Team_Own& o, uint8_t*, bool gut) { o.taktik_vorgabe[0] = gut ? 2 : 3; },
         [] { return T_Own[FEIND].taktik_vorgabe[0] == 2; }},
        {"training units", [](Team_Own& o, uint8_t*, bool gut) { o.training[13] = gut ? 5 : 6; },
         [] { return T_Own[FEIND].training[13] == 5; }},
        {"keeper units", [](Team_Own& o, uint8_t*, bool gut) { o.training_bytes[2] = gut ? 5 : 6; },
         [] { return T_Own[FEIND].training_bytes[2] == 5; }},
        {"system", [](Team_Own&, uint8_t* t2, bool gut) { t2[1] = gut ? 7 : 8; }, [] { return T[FEIND].system_2 == 7; }},
        {"bonus", [](Team_Own& o, uint8_t*, bool gut) { o.tagesblock[7] = gut ? 50000000 : 50000001; },
         [] { return T_Own[FEIND].tagesblock[7] == 50000000; }},
        {"agreed bonus", [](Team_Own& o, uint8_t*, bool gut) { o.tagesblock[0] = gut ? 1000 : 999; },
         [] { return T_Own[FEIND].tagesblock[0] == 1000; }},
        {"negative bonus", [](Team_Own& o, uint8_t*, bool gut) { o.tagesblock[1] = gut ? 0 : -10000000; },
         [] { return T_Own[FEIND].tagesblock[1] == 0; }},
        {"individual training", [](Team_Own& o, uint8_t*, bool gut) { o.einzeltraining[3][1] = int16_t(gut ? 24 : 25); },
         [] { return T_Own[FEIND].einzeltraining[3][1] == 24; }},
    };
    for (const Fall& f : faelle) {
        const std::vector<uint8_t> vorher = verein_bytes(FEIND);
        EXPECT_FALSE(own_senden([&](Team_Own& o, uint8_t* t2) { f.setzen(o, t2, false); })) << f.name;
        const std::vector<uint8_t> nachher = verein_bytes(FEIND);
        const auto anders = std::mismatch(nachher.begin(), nachher.end(), vorher.begin());
        EXPECT_EQ(anders.first, nachher.end()) << f.name << " at " << (anders.first - nachher.begin());
        EXPECT_TRUE(own_senden([&](Team_Own& o, uint8_t* t2) { f.setzen(o, t2, true); })) << f.name;
        EXPECT_TRUE(f.gesetzt()) << f.name;
    }
}

// A camp written into the client's own table with a first day gone by never went to the arbiter:
// it is not stored, is never carried out and trains nobody. A party five days ahead is taken, one
// sooner or in the past is not; a camp's programme names trainable attributes only.
TEST_F(Geld, ACampExistsOnlyAsTheArbiterBookedIt)
{
    EXPECT_TRUE(manager_senden([](std::vector<uint8_t>& b) {
        termin_setzen(termin(block_von(b, 3), 0), 1, 0, HEUTE - 1, HEUTE + 5);
        termin_setzen(termin(block_von(b, 3), 1), 3, 0, HEUTE + 5, HEUTE + 5);
        termin_setzen(termin(block_von(b, 3), 2), 4, 0, HEUTE + 4, HEUTE + 4);
        termin_setzen(termin(block_von(b, 3), 3), 4, 0, HEUTE - 2, HEUTE - 2);
    }));
    EXPECT_EQ(server_termin(FEIND, 0).art, 3) << "the party, in the server's first free entry";
    EXPECT_EQ(server_termin(FEIND, 0).erster_tag, HEUTE + 5);
    EXPECT_EQ(Trainingslager_Freie_Buchungen(FEIND), TRAININGSLAGER_BUCHUNGEN - 1);
    std::vector<int32_t> vorher;
    for (int32_t p = 20; p < 25; ++p) vorher.push_back(Spieler_Wert(SP_FORM, p, 0, SP_LESEN));
    Test_Bank_Beobachten(7900000);
    for (; Aktueller_Tag < HEUTE + 5; ++Aktueller_Tag) Trainingslager_Jeden_Tag(FEIND);
    Aktueller_Tag = HEUTE;
    for (int32_t p = 20; p < 25; ++p) EXPECT_EQ(Spieler_Wert(SP_FORM, p, 0, SP_LESEN), vorher[size_t(p - 20)]) << p;
    EXPECT_TRUE(Test_Buchungen.empty());

    // the arbiter's camp: its programme is the client's, its days and price the server's
    ASSERT_TRUE(anfrage_senden(camp_anfrage(0, HEUTE + 10, HEUTE + 12), RICHTER_TRAININGSLAGER));
    const Trainingslager_Termin camp = server_termin(FEIND, 1);
    for (int8_t zeile : {int8_t(14), int8_t(23)}) {
        const bool gut = zeile == 23;
        EXPECT_EQ(manager_senden([&](std::vector<uint8_t>& b) {
                      uint8_t* t = termin(block_von(b, 3), 1);
                      t[3] = uint8_t(zeile);
                      Bytes_Setze32(t + 24, 1);
                  }),
                  gut)
            << int(zeile);
        EXPECT_EQ(server_termin(FEIND, 1).programm[0], gut ? 23 : -1) << int(zeile);
        EXPECT_EQ(server_termin(FEIND, 1).preis, Trainingslager_Lesen(0)->preis);
    }
    // a longer stay than the arbiter's is no stay the server holds
    EXPECT_TRUE(manager_senden([](std::vector<uint8_t>& b) {
        uint8_t* t = termin(block_von(b, 3), 1);
        t[4] = 0;
        Bytes_Setze32(t + 20, uint32_t(HEUTE + 40));
    }));
    EXPECT_EQ(server_termin(FEIND, 1).letzter_tag, camp.letzter_tag);
    EXPECT_EQ(server_termin(FEIND, 1).programm[1], -1);
}

// A camp request of request 52 at its edges: the camps 0..6, five days ahead; the camp number
// 0x7FFFFFFF and every other step beyond is refused and enters nothing. The item the arbiter
// decides on carries the server's slot and price.
TEST_F(Geld, ACampRequestIsCheckedAsTheBookingScreenChecksIt)
{
    struct Fall {
        uint32_t camp, von, bis;
        bool gut;
    } faelle[] = {
        {0x7FFFFFFFu, HEUTE + 10, HEUTE + 11, false}, {7, HEUTE + 10, HEUTE + 11, false},
        {6, HEUTE + 10, HEUTE + 11, true},             {0, HEUTE + 4, HEUTE + 4, false},
        {0, HEUTE + 5, HEUTE + 5, true},               {1, HEUTE + 12, HEUTE + 11, false},
        {1, HEUTE + 10, HEUTE + 12, false},            {1, uint32_t(-5), HEUTE + 30, false},
    };
    int32_t eingetragen = 0;
    for (const Fall& f : faelle) {
        EXPECT_EQ(anfrage_senden(camp_anfrage(f.camp, f.von, f.bis), RICHTER_TRAININGSLAGER), f.gut) << f.camp << " " << f.von;
        eingetragen += f.gut;
        EXPECT_EQ(richter_items(RICHTER_TRAININGSLAGER), eingetragen) << f.camp << " " << f.von;
        EXPECT_EQ(Trainingslager_Freie_Buchungen(FEIND), TRAININGSLAGER_BUCHUNGEN - eingetragen);
    }
    const Trainingslager_Termin e = server_termin(FEIND, 0);
    EXPECT_EQ(e.ziel, 6);
    EXPECT_EQ(e.preis, Trainingslager_Lesen(6)->preis);
    for (Liste_Element* i = Richter_Liste.next; i; i = i->next) {
        const auto* b = static_cast<const Trainingslager_Buchung*>(i->data);
        EXPECT_EQ(b->team, uint32_t(FEIND));
        EXPECT_NE(Bytes_Hole32(b->rest_24), 1u) << "the client's price";
    }
    // a friendly proposal against its own club or nobody is no proposal
    Trainingslager_Buchung f = camp_anfrage(FEIND, HEUTE + 20, HEUTE + 20);
    f.art = 2;
    EXPECT_FALSE(anfrage_senden(f, RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG));
    f.ziel = uint32_t(Team_Anzahl);
    EXPECT_FALSE(anfrage_senden(f, RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG));
    f.ziel = OPFER;
    EXPECT_TRUE(anfrage_senden(f, RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG));
}

// The agency buttons and the European switch of request 1022, each at its edge and one beyond,
// and for the own club only.
TEST_F(Geld, AgencyAndEuropeanPromiseAtTheirEdges)
{
    const auto wert = [](uint32_t o) { return manager_bild(FEIND)[Manager_Netz_Bloecke[2].offset + o]; };
    struct Fall {
        int32_t team, aufgabe, wert;
        bool gut;
        uint32_t offset;
    } faelle[] = {
        {FEIND, 2, 5, false, 438},  {FEIND, 2, 4, true, 438},   {FEIND, 0, -1, false, 436},
        {FEIND, -1, 2, false, 453}, {FEIND, -1, 1, true, 453},  {FEIND, 3, 1, false, 0},
        {FEIND, -2, 1, false, 0},   {OPFER, 1, 3, false, 437},
    };
    for (const Fall& f : faelle) {
        const std::vector<uint8_t> vorher = verein_bytes(FEIND);
        const std::vector<uint8_t> r =
            peer->aufruf(1022, "ciii", Bild().w(0).w(uint32_t(f.team)).w(uint32_t(f.aufgabe)).w(uint32_t(f.wert)).b);
        ASSERT_GE(r.size(), 4u);
        EXPECT_EQ(r[0], f.gut ? 1 : 0) << f.aufgabe << " " << f.wert;
        if (f.gut) EXPECT_EQ(wert(f.offset), f.wert) << f.aufgabe;
        else EXPECT_EQ(verein_bytes(FEIND), vorher) << f.aufgabe << " " << f.wert;
    }
}

// A new offer of request 51 carries the terms of the offer form, each at its edge and one beyond:
// a salary of 10 to 9,999 thousand DM, fees up to 9,999, one to five whole years.
TEST_F(Geld, AnOffersTermsAreTheOfferFormsAtTheirEdges)
{
    struct Fall {
        const char* name;
        void (*setzen)(Spieler_Angebot&, bool);
    } faelle[] = {
        {"salary low", [](Spieler_Angebot& a, bool gut) { a.gehalt = gut ? 10 : 9; }},
        {"salary high", [](Spieler_Angebot& a, bool gut) { a.gehalt = gut ? 9999 : 10000; }},
        {"fee", [](Spieler_Angebot& a, bool gut) { a.abloese = gut ? 9999 : 10000; }},
        {"loan fee", [](Spieler_Angebot& a, bool gut) { a.leihgebuehr = gut ? 9999 : 10000; }},
        {"length short", [](Spieler_Angebot& a, bool gut) { a.monate = gut ? 12 : 11; }},
        {"length long", [](Spieler_Angebot& a, bool gut) { a.monate = gut ? 60 : 72; }},
        {"length in months", [](Spieler_Angebot& a, bool gut) { a.monate = gut ? 36 : 30; }},
    };
    const auto gespeichert = [] {
        for (Liste_Element* e = Richter_Liste.next; e; e = e->next)
            if (e->key == RICHTER_ANGEBOT) return *static_cast<const Spieler_Angebot*>(e->data);
        return Spieler_Angebot{};
    };
    for (const Fall& f : faelle)
        for (bool gut : {false, true}) {
            Richter_Init();
            Spieler_Angebot a{};
            a.bieter = FEIND;
            a.verein = SERVER;
            a.spnr = 5;
            a.gehalt = 100;
            a.monate = 24;
            f.setzen(a, gut);
            peer->aufruf(51, "vV28", Bild().w(1).roh(&a, sizeof a).b);
            const Spieler_Angebot s = gespeichert();
            EXPECT_EQ(s.bieter == FEIND, gut) << f.name;
            if (gut) { EXPECT_TRUE(s.gehalt == a.gehalt && s.abloese == a.abloese && s.monate == a.monate) << f.name; }
        }
}

// A line-up sent back (request 42) sets who plays and who captains; whether a player may play at
// all (injured, suspended, on trial) stays the server's, also for one the line-up leaves out.
TEST_F(Geld, ALineUpCannotLiftAnInjuryOrATrial)
{
    Teamspieler_Get_Record(FEIND, 20)->flags |= 0x80;
    Teamspieler_Get_Record(FEIND, 22)->flags |= TS_PROBE;
    std::vector<uint8_t> eigene, fremde;
    ASSERT_TRUE(Teamspieler_Internet_Aufstellung_Packen(FEIND, -1, &eigene, &fremde));
    for (size_t o = 0; o < eigene.size(); o += 24) {
        const uint16_t spnr = Bytes_Hole16(eigene.data() + o + 4);
        Bytes_Setze32(eigene.data() + o, spnr == 21 ? int(TS_KAPITAEN) : 0);
    }
    const std::string format = "viiiV>" + std::to_string(eigene.size()) + "V>0";
    peer->aufruf(42, format, Bild().w(FEIND).w(uint32_t(-1)).w(0).w(1).roh(eigene.data(), eigene.size()).w(1).b);
    EXPECT_EQ(Teamspieler_Get_Record(FEIND, 21)->flags & TS_KAPITAEN, TS_KAPITAEN) << "the manager's captain";
    EXPECT_EQ(Teamspieler_Get_Record(FEIND, 20)->flags & 0x80, 0x80u);
    EXPECT_EQ(Teamspieler_Get_Record(FEIND, 22)->flags & TS_PROBE, TS_PROBE);
}
