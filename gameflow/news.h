// News messages to the managers. The store lives on the server (or the single PC) and is
// savegame block 10.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct Disk_Datei;

// Question record that a message of kind 5 carries: eight words.
//   0 type: 3 friendly match, 5 credit from another club, 6 advertising renewal, 8 rule vote
//   1 the asking club, 2 the other club, 3 deadline day, 4..6 type-dependent values,
//   7 answer: -1 not answered, 0 no, any other value yes
struct News_Frage {
    int32_t wort[8];
};
static_assert(sizeof(News_Frage) == 32);

constexpr int NEWS_MAX = 1000;
constexpr int NEWS_TEXT_LAENGE = 400;

// Recipient flags: a message with none is deleted.
constexpr uint32_t NEWS_FLAG_OFFEN = 1;        // question awaiting its answer
constexpr uint32_t NEWS_FLAG_BEANTWORTET = 2;  // question answered (answer in word 7)
constexpr uint32_t NEWS_FLAG_DA = 4;           // message present
constexpr uint32_t NEWS_FLAG_GELESEN = 8;      // opened in the mailbox

constexpr int32_t NEWS_ART_TEXT = 4;
constexpr int32_t NEWS_ART_FRAGE = 5;

struct News_Nachricht {
    int32_t sender;       // -1 none
    int32_t team;         // addressee, -1 every human manager
    int32_t sender_team;  // -1 none
    int32_t art;          // 4 plain, 5 question, 128 and 132 stadium news
    uint32_t flags;
    int32_t tag;          // day number of sending
    News_Frage frage;
    char text[NEWS_TEXT_LAENGE];
};

// Enters a message for the manager of `team` (-1: every human manager). Kind -1 counts as 4;
// kind 5 carries a copy of the 32-byte question record `frage` (required), sent as not
// answered; any other kind carries a copy of it as given when there is one. Plain news for every
// manager of a game with several becomes one message for each manager's club (the first one's
// index is returned), so that each reads and deletes his own. Each club holds at most its share
// of the store (the store split among the managers); a club at its share, or a full store, makes
// room by giving up the oldest read message (a question, failing that, the oldest plain text) of
// that club, or of a club beyond its share, never of another. Plain news for a club without a
// human manager (while the game has one) is not stored. Returns the message's index, or -1 when
// not stored (no room, a club nobody manages, bad arguments, or on a remote client, which has no
// store of its own).
int News_Senden(int32_t sender, int32_t team, int32_t sender_team, int32_t kind, const void* frage,
                const char* format, ...) __attribute__((format(printf, 6, 7)));

// The message's question record, null for an unused index.
News_Frage* News_Get_Text(int32_t index);
// The whole message, null for an unused index.
const News_Nachricht* News_Get_Nachricht(int32_t index);

// Changes a message; `team` must be its addressee or -1. Mode 4: clears every recipient flag,
// which deletes it (News_Set(i, -1, -1, 4)). Mode 2: answers an open question with `antwort`
// (stored in word 7; flag 1 becomes flag 2). Mode 8: marks it opened. False when nothing was
// changed.
bool News_Set(int32_t index, int32_t team, int32_t antwort, int32_t modus);

// Index of the first message for `team` (-1: any) whose recipient flags share a bit with
// `maske`, -1 none; News_Suche_Naechste continues the search. Messages to every manager match
// every team.
int32_t News_Suche_Erste(int32_t team, uint32_t maske);
int32_t News_Suche_Naechste();

// Whether an open question of the type (word 0) stands between the two clubs (words 1 and 2, in
// either order).
bool News_Frage_Offen(int32_t typ, int32_t a, int32_t b);

int32_t News_Anzahl();

// A remote client's store holds what its server holds for its club (request 1002), each message
// at the server's index: the list replaces the store. What the manager opened or deleted here
// stays opened or deleted for as long as the server keeps the message; an answer to a question
// goes to the server (request 1012) and stands here once the server has taken it.
struct News_Client_Eintrag {
    int32_t index;
    News_Nachricht nachricht;
};
void News_Client_Uebernehmen(const std::vector<News_Client_Eintrag>& liste);
// A message text from another PC (n bytes) made plain text in place as String_Klartext_Ganz does,
// keeping the codes the server's own news carry: bold on and off, a new line, the text font.
void News_Text_Klartext(char* text, size_t n);
// Empties the store (new game, release).
// Formats into a temporary string and sends it as a news item to the club's manager.
void News_Printf_Team(int32_t team, const char* format, ...) __attribute__((format(printf, 2, 3)));

void News_Init();
void News_DeInit();

// A message's head as savegames and request 1002 carry it, 56 bytes little-endian: i32 sender,
// addressee, sending club, kind, u32 flags, i32 day, 8 x i32 question.
void News_Kopf_Lesen(const uint8_t* p, News_Nachricht* n);

bool News_Write_Bin_Block(Disk_Datei* datei);
bool News_Read_Bin_Block(Disk_Datei* datei, const char* version);
