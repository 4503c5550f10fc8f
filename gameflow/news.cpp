#include "gameflow/news.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "database/manager.h"
#include "database/team.h"
#include "gameflow/ablauf_anfrage.h"
#include "platform/disk.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "platform/string_util.h"
#include "platform/temp.h"

static News_Nachricht news[NEWS_MAX];
// Each message's flags once more, side by side: the searches run over these 4 KB rather than
// over the whole store of texts. Every change of a message's flags goes through `merken`.
static uint32_t flags[NEWS_MAX];
// And each message's addressee, for the count of a club's share.
static int32_t empfaenger[NEWS_MAX];
static int32_t such_team = -1;
static uint32_t such_maske = 0;
static int32_t such_index = -1;
// Messages before this index may hold something: only they are cleared when the store empties
// (the store starts zeroed, as every static).
static int32_t benutzt = 0;

static bool gueltig(int32_t index) { return index >= 0 && index < NEWS_MAX && flags[index] != 0; }
static void merken(int32_t index)
{
    flags[index] = news[index].flags;
    empfaenger[index] = news[index].team;
}

// Each club's share of the store: the managers' mailboxes split it evenly, so that the mail of
// one club, its notes to itself included, never displaces another club's.
static int32_t anteil() { return NEWS_MAX / std::max<int32_t>(1, Manager_Anzahl); }

static int32_t aeltester(const std::function<bool(int32_t)>& passt)
{
    int32_t i_alt = -1;
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (flags[i] && passt(i) && (i_alt < 0 || news[i].tag < news[i_alt].tag)) i_alt = i;
    return i_alt;
}

static bool gelesen(int32_t i) { return (flags[i] & NEWS_FLAG_GELESEN) && !(flags[i] & NEWS_FLAG_OFFEN); }
static bool klartext(int32_t i) { return news[i].art == NEWS_ART_TEXT && !(flags[i] & NEWS_FLAG_OFFEN); }

// The index a new message for the club takes, -1 none. A club at its share makes room among its
// own messages only: its oldest read one, for a question its oldest plain text. Below its share
// it takes a free index, in a full store the place of a message of a club beyond its share, and
// failing such a club (messages to everybody fill the rest) the oldest read message, for a
// question the oldest plain text.
static int32_t platz_fuer(int32_t team, int32_t kind)
{
    const int32_t grenze = anteil();
    if (team >= 0) {
        int32_t eigene = 0;
        for (int32_t i = 0; i < NEWS_MAX; ++i) eigene += flags[i] && empfaenger[i] == team;
        if (eigene >= grenze) {
            int32_t i = aeltester([team](int32_t k) { return news[k].team == team && gelesen(k); });
            if (i < 0 && kind == NEWS_ART_FRAGE) i = aeltester([team](int32_t k) { return news[k].team == team && klartext(k); });
            return i;
        }
    }
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (flags[i] == 0) return i;
    std::vector<int32_t> anzahl(size_t(std::max<int32_t>(Team_Anzahl, 0)), 0);
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (flags[i] && empfaenger[i] >= 0 && empfaenger[i] < Team_Anzahl) ++anzahl[size_t(empfaenger[i])];
    const auto darueber = [&](int32_t k) {
        return news[k].team >= 0 && news[k].team < Team_Anzahl && anzahl[size_t(news[k].team)] > grenze;
    };
    int32_t i = aeltester([&](int32_t k) { return darueber(k) && gelesen(k); });
    if (i < 0) i = aeltester([&](int32_t k) { return darueber(k) && klartext(k); });
    if (i < 0) i = aeltester(gelesen);
    if (i < 0 && kind == NEWS_ART_FRAGE) i = aeltester(klartext);
    return i;
}

int News_Senden(int32_t sender, int32_t team, int32_t sender_team, int32_t kind, const void* frage,
                const char* format, ...)
{
    if (Netz_Rolle == 1) {
        // A client's plain news travels to the server's store; it sends in its own club's name.
        if ((kind != -1 && kind != NEWS_ART_TEXT) || !format) {
            Print_Fehler("Client-Zugriff: News_Senden");
            return -1;
        }
        char text[NEWS_TEXT_LAENGE];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        const int r = Ablauf_Client_News_Senden(team, text);
        if (r < 0) Print_Fehler("Client-Zugriff: News_Senden");
        return r;
    }
    if (kind == -1) kind = NEWS_ART_TEXT;
    if (team < -1 || !format || (kind == NEWS_ART_FRAGE && !frage)) {
        Print_Fehler("News_Senden: falsche Parameter (team %d, art %d)!", team, kind);
        return -1;
    }
    // Nobody reads the mailbox of a club without a human manager: its news would only fill the
    // store. Questions are kept, their answer is part of the game.
    if (team >= 0 && kind != NEWS_ART_FRAGE && Manager_Anzahl > 0 && team < Team_Anzahl && !Team_Hat_Manager(team))
        return -1;
    // News for every manager becomes each manager's own message: one copy, read, kept or deleted
    // by the first manager to open the mailbox, was gone or old news for all the others.
    if (team == -1 && kind != NEWS_ART_FRAGE && Manager_Anzahl > 1) {
        char text[NEWS_TEXT_LAENGE];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        int erste = -1;
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            if (!Team_Hat_Manager(t)) continue;
            const int i = News_Senden(sender, t, sender_team, kind, frage, "%s", text);
            if (erste < 0) erste = i;
        }
        return erste;
    }
    const int32_t frei = platz_fuer(team, kind);
    if (frei < 0) {
        Print_Fehler("News_Senden: Nachrichtenspeicher voll, Nachricht an Team %d verworfen!", team);
        return -1;
    }
    benutzt = std::max(benutzt, frei + 1);
    News_Nachricht& n = news[frei];
    n = {};
    n.sender = sender;
    n.team = team;
    n.sender_team = sender_team;
    n.art = kind;
    n.tag = Aktueller_Tag;
    n.flags = NEWS_FLAG_DA;
    // a plain message may carry the record of the question it answers or refuses
    if (frage) std::memcpy(&n.frage, frage, sizeof n.frage);
    if (kind == NEWS_ART_FRAGE) {
        n.frage.wort[7] = -1;
        n.flags |= NEWS_FLAG_OFFEN;
    }
    merken(frei);
    va_list args;
    va_start(args, format);
    std::vsnprintf(n.text, sizeof n.text, format, args);
    va_end(args);
    return frei;
}

void News_Printf_Team(int32_t team, const char* format, ...)
{
    char* t = Get_Temp_String();
    t[0] = 0;
    if (format) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(t, TEMP_STRING_LAENGE, format, args);
        va_end(args);
    }
    News_Senden(-1, team, -1, -1, nullptr, "%s", t);
}

News_Frage* News_Get_Text(int32_t index) { return gueltig(index) ? &news[index].frage : nullptr; }

const News_Nachricht* News_Get_Nachricht(int32_t index) { return gueltig(index) ? &news[index] : nullptr; }

// A client's messages that its manager opened or deleted here: the server never hears of either.
struct Client_Kennung {
    int32_t index, tag, sender_team;
    std::string text;
    bool operator==(const Client_Kennung&) const = default;
};
static std::vector<Client_Kennung> client_geloescht, client_gelesen;

static Client_Kennung kennung(int32_t index, const News_Nachricht& n)
{
    return {index, n.tag, n.sender_team, std::string(n.text, strnlen(n.text, sizeof n.text))};
}

static bool enthalten(const std::vector<Client_Kennung>& v, const Client_Kennung& k)
{
    return std::find(v.begin(), v.end(), k) != v.end();
}

void News_Text_Klartext(char* text, size_t n)
{
    static const char* const CODES[] = {"^bb", "^be", "^l", "^y0000"};
    if (!text || !n) return;
    // A code must end before the terminator the cleaning leaves.
    const size_t ende = std::min(strnlen(text, n), n - 1);
    std::vector<size_t> behalten;
    for (size_t i = 0; i < ende; ++i)
        for (const char* c : CODES)
            if (text[i] == '^' && std::strlen(c) <= ende - i && std::strncmp(text + i, c, std::strlen(c)) == 0)
                behalten.push_back(i);
    String_Klartext_Ganz(text, n);
    for (size_t i : behalten) text[i] = '^';
}

void News_Client_Uebernehmen(const std::vector<News_Client_Eintrag>& liste)
{
    std::vector<Client_Kennung> geloescht, gelesen;
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (flags[i] & NEWS_FLAG_GELESEN) client_gelesen.push_back(kennung(i, news[i]));
    News_Init();
    for (const News_Client_Eintrag& e : liste) {
        if (e.index < 0 || e.index >= NEWS_MAX || flags[e.index] || !e.nachricht.flags) continue;
        News_Nachricht n = e.nachricht;
        News_Text_Klartext(n.text, sizeof n.text);
        const Client_Kennung k = kennung(e.index, n);
        // the marks of messages the server no longer holds go with them
        if (enthalten(client_geloescht, k)) {
            geloescht.push_back(k);
            continue;
        }
        news[e.index] = n;
        if (enthalten(client_gelesen, k)) {
            news[e.index].flags |= NEWS_FLAG_GELESEN;
            gelesen.push_back(k);
        }
        merken(e.index);
        benutzt = std::max(benutzt, e.index + 1);
    }
    client_geloescht = std::move(geloescht);
    client_gelesen = std::move(gelesen);
}

bool News_Set(int32_t index, int32_t team, int32_t antwort, int32_t modus)
{
    if (!gueltig(index) || (team != -1 && news[index].team != -1 && news[index].team != team)) {
        Print_Fehler("News_Set: keine Nachricht %d für Team %d!", index, team);
        return false;
    }
    News_Nachricht& n = news[index];
    if (modus == 4) {
        if (Netz_Rolle == 1) client_geloescht.push_back(kennung(index, n));
        n.flags = 0;
        merken(index);
        return true;
    }
    // a client's answer is the server's to take
    if (modus == 2 && (n.flags & NEWS_FLAG_OFFEN) && Netz_Rolle == 1 && !Ablauf_Client_Frage_Beantworten(index, antwort)) {
        Print_Fehler("News_Set: Antwort auf Nachricht %d vom Server nicht angenommen!", index);
        return false;
    }
    if (modus == 2 && (n.flags & NEWS_FLAG_OFFEN)) {
        n.frage.wort[7] = antwort;
        n.flags = (n.flags & ~NEWS_FLAG_OFFEN) | NEWS_FLAG_BEANTWORTET;
        merken(index);
        return true;
    }
    if (modus == 8) {
        n.flags |= NEWS_FLAG_GELESEN;
        merken(index);
        return true;
    }
    Print_Fehler("News_Set: Modus %d nicht möglich für Nachricht %d!", modus, index);
    return false;
}

int32_t News_Suche_Naechste()
{
    for (int32_t i = such_index + 1; i < NEWS_MAX; ++i) {
        if (!(flags[i] & such_maske)) continue;
        const News_Nachricht& n = news[i];
        if (such_team != -1 && n.team != -1 && n.team != such_team) continue;
        such_index = i;
        return i;
    }
    such_index = NEWS_MAX;
    return -1;
}

int32_t News_Suche_Erste(int32_t team, uint32_t maske)
{
    such_team = team;
    such_maske = maske;
    such_index = -1;
    return News_Suche_Naechste();
}

bool News_Frage_Offen(int32_t typ, int32_t a, int32_t b)
{
    for (int32_t i = 0; i < NEWS_MAX; ++i) {
        if (!(flags[i] & NEWS_FLAG_OFFEN) || news[i].art != NEWS_ART_FRAGE) continue;
        const News_Frage& f = news[i].frage;
        if (f.wort[0] == typ && ((f.wort[1] == a && f.wort[2] == b) || (f.wort[1] == b && f.wort[2] == a))) return true;
    }
    return false;
}

int32_t News_Anzahl()
{
    int32_t n = 0;
    for (uint32_t f : flags) n += f != 0;
    return n;
}

void News_Init()
{
    std::memset(news, 0, sizeof news[0] * size_t(benutzt));
    std::memset(flags, 0, sizeof flags[0] * size_t(benutzt));
    benutzt = 0;
    such_index = -1;
}

void News_DeInit()
{
    News_Init();
    client_geloescht.clear();
    client_gelesen.clear();
}

// Block: first a count block {u32 messages, u32 bytes}, then one block of the messages, each
// i32 sender, team, sender team, kind, u32 flags, i32 day, 8 x i32 question, u16 text length,
// text bytes (no terminator).
constexpr uint32_t NEWS_KOPF = 6 * 4 + 32 + 2;

bool News_Write_Bin_Block(Disk_Datei* datei)
{
    std::vector<uint8_t> b;
    uint32_t anzahl = 0;
    for (int32_t i = 0; i < NEWS_MAX; ++i) {
        if (!flags[i]) continue;
        const News_Nachricht& n = news[i];
        ++anzahl;
        const size_t len = strnlen(n.text, NEWS_TEXT_LAENGE - 1);
        const size_t o = b.size();
        b.resize(o + NEWS_KOPF + len);
        uint8_t* p = b.data() + o;
        const int32_t felder[6] = {n.sender, n.team, n.sender_team, n.art, int32_t(n.flags), n.tag};
        for (int i = 0; i < 6; ++i) Disk_LE32_Setzen(p + 4 * i, uint32_t(felder[i]));
        for (int i = 0; i < 8; ++i) Disk_LE32_Setzen(p + 24 + 4 * i, uint32_t(n.frage.wort[i]));
        Disk_LE16_Setzen(p + 56, uint16_t(len));
        std::memcpy(p + NEWS_KOPF, n.text, len);
    }
    uint8_t kopf[8];
    Disk_LE32_Setzen(kopf, anzahl);
    Disk_LE32_Setzen(kopf + 4, uint32_t(b.size()));
    return Disk_Schreibe_Block(datei, kopf, 8) && Disk_Schreibe_Block(datei, b.data(), uint32_t(b.size()));
}

void News_Kopf_Lesen(const uint8_t* p, News_Nachricht* n)
{
    n->sender = int32_t(Disk_LE32_Lesen(p));
    n->team = int32_t(Disk_LE32_Lesen(p + 4));
    n->sender_team = int32_t(Disk_LE32_Lesen(p + 8));
    n->art = int32_t(Disk_LE32_Lesen(p + 12));
    n->flags = Disk_LE32_Lesen(p + 16);
    n->tag = int32_t(Disk_LE32_Lesen(p + 20));
    for (int i = 0; i < 8; ++i) n->frage.wort[i] = int32_t(Disk_LE32_Lesen(p + 24 + 4 * i));
}

// A team number of a message: -1 where it means none or every manager, else a team of the world.
static bool team_gueltig(int32_t team) { return team >= -1 && team < Team_Anzahl; }

// The clubs a question names, which its answer acts on: word 1 the asking club, word 2 the
// other club (a slot in an advertising renewal).
static bool frage_gueltig(const News_Frage& f)
{
    auto club = [](int32_t t) { return t >= 0 && t < Team_Anzahl; };
    switch (f.wort[0]) {
    case 3:
    case 5:
        return club(f.wort[1]) && club(f.wort[2]);
    case 6:
        return club(f.wort[1]);
    default:
        return true;
    }
}

bool News_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    uint8_t kopf[8];
    if (!Disk_Lese_Block(datei, kopf, 8)) return false;
    const uint32_t anzahl = Disk_LE32_Lesen(kopf);
    const uint32_t bytes = Disk_LE32_Lesen(kopf + 4);
    uint32_t gespeichert = 0;
    if (anzahl > uint32_t(NEWS_MAX) || bytes > uint32_t(NEWS_MAX) * (NEWS_KOPF + NEWS_TEXT_LAENGE) ||
        !Disk_Naechste_Blocklaenge(datei, &gespeichert) || gespeichert != bytes) {
        Print_Fehler("News_Read_Bin_Block: %u Nachrichten, %u Bytes!", anzahl, bytes);
        return false;
    }
    std::vector<uint8_t> b(bytes);
    if (!Disk_Lese_Block(datei, b.data(), bytes)) return false;

    // Parsed into a copy first, so that a bad entry leaves the store as it was.
    std::vector<News_Nachricht> neu(anzahl);
    size_t pos = 0;
    for (auto& n : neu) {
        if (bytes - pos < NEWS_KOPF) {
            Print_Fehler("News_Read_Bin_Block: Nachricht fehlerhaft!");
            return false;
        }
        const uint8_t* p = b.data() + pos;
        News_Kopf_Lesen(p, &n);
        const uint16_t len = Disk_LE16_Lesen(p + 56);
        if (len >= NEWS_TEXT_LAENGE || bytes - pos - NEWS_KOPF < len || n.flags == 0) {
            Print_Fehler("News_Read_Bin_Block: Nachricht fehlerhaft!");
            return false;
        }
        if (!team_gueltig(n.team) || !team_gueltig(n.sender_team) ||
            (n.art == NEWS_ART_FRAGE && !frage_gueltig(n.frage))) {
            Print_Fehler("News_Read_Bin_Block: Nachricht an Team %d nennt ein unbekanntes Team!", n.team);
            return false;
        }
        std::memcpy(n.text, p + NEWS_KOPF, len);
        n.text[len] = 0;
        pos += NEWS_KOPF + len;
    }
    if (pos != bytes) {
        Print_Fehler("News_Read_Bin_Block: Nachricht fehlerhaft!");
        return false;
    }
    News_Init();
    benutzt = int32_t(anzahl);
    for (uint32_t i = 0; i < anzahl; ++i) {
        news[i] = neu[i];
        merken(int32_t(i));
    }
    return true;
}
