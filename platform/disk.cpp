#include "platform/disk.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "graphics/grafik_fortschritt.h"
#include "platform/print.h"
#include "platform/mem.h"
#include "platform/os/os_file.h"
#include "platform/win95.h"

namespace {

// CRC-32 (reflected, polynomial 0xEDB88320), eight bytes per step: saving and loading a world
// of some ten megabytes must stay well under a second.
struct Crc_Tabellen {
    uint32_t t[8][256];
    constexpr Crc_Tabellen() : t{}
    {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][i] = c;
        }
        for (uint32_t i = 0; i < 256; ++i)
            for (int s = 1; s < 8; ++s) t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xFF];
    }
};
constexpr Crc_Tabellen crc_tab;

#if defined(__x86_64__)
// Long runs fold 64 bytes a step with carry-less multiplication, the running value kept as
// the table loop keeps it; the constants are the powers of x modulo the reflected polynomial
// that each fold distance needs, and its Barrett reduction. `n`: at least 64, a multiple of 16.
// Built for AVX: its three-operand forms spare the register copies of each fold.
__attribute__((target("pclmul,sse4.1,avx"))) inline __m128i falten(__m128i x, __m128i k, __m128i dazu)
{
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x11), _mm_clmulepi64_si128(x, k, 0x00)), dazu);
}

// The 16-byte pieces a fold takes at offset o: read as they are ...
struct Stuecke_Lesen {
    const uint8_t* p;
    __attribute__((target("pclmul,sse4.1,avx"), always_inline)) __m128i operator()(size_t o) const
    {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + o));
    }
};

// ... or scrambled on the way (ziel = quelle XOR schluessel, ziel may be quelle), so that a block
// is scrambled and checksummed in one pass: the plain side is folded, the source on a save, the
// target on a load.
template <bool KLAR_IST_ZIEL>
struct Stuecke_Verwuerfeln {
    uint8_t* ziel;
    const uint8_t* quelle;
    const uint8_t* schluessel;
    __attribute__((target("pclmul,sse4.1,avx"), always_inline)) __m128i operator()(size_t o) const
    {
        const __m128i q = _mm_loadu_si128(reinterpret_cast<const __m128i*>(quelle + o));
        const __m128i z = _mm_xor_si128(q, _mm_loadu_si128(reinterpret_cast<const __m128i*>(schluessel + o)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + o), z);
        return KLAR_IST_ZIEL ? z : q;
    }
};

template <class Stuecke>
__attribute__((target("pclmul,sse4.1,avx"))) uint32_t crc32_falten(uint32_t crc, Stuecke stueck, size_t n)
{
    const __m128i k1k2 = _mm_set_epi64x(0x01c6e41596, 0x0154442bd4);
    const __m128i k3k4 = _mm_set_epi64x(0x00ccaa009e, 0x01751997d0);
    const __m128i k5 = _mm_set_epi64x(0, 0x0163cd6124);
    const __m128i poly = _mm_set_epi64x(0x01f7011641, 0x01db710641);
    __m128i x1 = _mm_xor_si128(stueck(0), _mm_cvtsi32_si128(int(crc)));
    __m128i x2 = stueck(16), x3 = stueck(32), x4 = stueck(48);
    size_t o = 64;
    for (; n - o >= 64; o += 64) {
        x1 = falten(x1, k1k2, stueck(o));
        x2 = falten(x2, k1k2, stueck(o + 16));
        x3 = falten(x3, k1k2, stueck(o + 32));
        x4 = falten(x4, k1k2, stueck(o + 48));
    }
    x1 = falten(x1, k3k4, x2);
    x1 = falten(x1, k3k4, x3);
    x1 = falten(x1, k3k4, x4);
    for (; n - o >= 16; o += 16) x1 = falten(x1, k3k4, stueck(o));
    // 128 bits to 64, then to 32 by Barrett reduction.
    const __m128i unten32 = _mm_setr_epi32(~0, 0, ~0, 0);
    __m128i x = _mm_xor_si128(_mm_srli_si128(x1, 8), _mm_clmulepi64_si128(x1, k3k4, 0x10));
    x = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x, unten32), k5, 0x00), _mm_srli_si128(x, 4));
    __m128i t = _mm_clmulepi64_si128(_mm_and_si128(x, unten32), poly, 0x10);
    t = _mm_clmulepi64_si128(_mm_and_si128(t, unten32), poly, 0x00);
    return uint32_t(_mm_extract_epi32(_mm_xor_si128(x, t), 1));
}

#endif

bool falten_erlaubt = true;  // Disk_Set_Falten

#if defined(__x86_64__)
bool falten_moeglich()
{
    static const bool da = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1") &&
                           __builtin_cpu_supports("avx");
    return da && falten_erlaubt;
}
#endif

uint32_t crc32_weiter(uint32_t crc, const uint8_t* p, size_t n)
{
    crc = ~crc;
#if defined(__x86_64__)
    if (n >= 64 && falten_moeglich()) {
        const size_t teil = n & ~size_t(15);
        crc = crc32_falten(crc, Stuecke_Lesen{p}, teil);
        p += teil;
        n -= teil;
    }
#endif
    while (n >= 8) {
        const uint32_t a = Disk_LE32_Lesen(p) ^ crc;
        const uint32_t b = Disk_LE32_Lesen(p + 4);
        crc = crc_tab.t[7][a & 0xFF] ^ crc_tab.t[6][(a >> 8) & 0xFF] ^ crc_tab.t[5][(a >> 16) & 0xFF] ^
              crc_tab.t[4][a >> 24] ^ crc_tab.t[3][b & 0xFF] ^ crc_tab.t[2][(b >> 8) & 0xFF] ^
              crc_tab.t[1][(b >> 16) & 0xFF] ^ crc_tab.t[0][b >> 24];
        p += 8;
        n -= 8;
    }
    while (n--) crc = crc_tab.t[0][(crc ^ *p++) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

// Keystream of one block: xorshift32 seeded from the block's number and length. It never touches
// the game's random generator, whose state is itself part of the savegame.
struct Verwuerfler {
    uint32_t s;
    Verwuerfler(uint32_t block_nummer, uint32_t laenge)
        : s(0x6D2B79F5u ^ (block_nummer * 0x9E3779B9u) ^ (laenge * 0x85EBCA6Bu))
    {
        if (s == 0) s = 0x6D2B79F5u;
    }
    uint32_t naechstes()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    // ziel = quelle XOR the next n keystream bytes (ziel may be quelle). Only the last call of
    // a block may pass a length that is not a multiple of 4.
    void anwenden(uint8_t* ziel, const uint8_t* quelle, size_t n)
    {
        size_t i = 0;
        for (; i + 4 <= n; i += 4) {
            uint32_t w;
            std::memcpy(&w, quelle + i, 4);
            w ^= naechstes();  // keystream bytes are taken little-endian
            std::memcpy(ziel + i, &w, 4);
        }
        if (i < n) {
            const uint32_t k = naechstes();
            for (size_t j = 0; i < n; ++i, ++j) ziel[i] = quelle[i] ^ uint8_t(k >> (8 * j));
        }
    }
};
static_assert(std::endian::native == std::endian::little, "keystream words are applied in host order");

// The generator is linear in the bits of its state, so each keystream word is the XOR of the
// words 11, 12, 13, 14, 15, 17, 18, 23, 26 and 32 places before it, and also (a multiple of that
// relation with fewer terms) of the words 32, 71, 152 and 551 places before it. All distances are
// at least four, so four words come side by side from those before them: the same bytes, without
// the generator's chain of dependent steps. The first VERW_START words are made one by one, those
// up to VERW_RUECK from the ten near ones, every later one from the four far ones.
constexpr size_t VERW_NAH[] = {11, 12, 13, 14, 15, 17, 18, 23, 26, 32};
constexpr size_t VERW_FERN[] = {32, 71, 152, 551};
constexpr size_t VERW_GRUPPE = 4;     // words made side by side
constexpr size_t VERW_START = 32;     // words made one by one
constexpr size_t VERW_RUECK = 552;    // words kept from one batch to the next: the farthest distance
constexpr size_t VERW_STUECK = 4096;  // words made before they are applied
static_assert(VERW_NAH[0] >= VERW_GRUPPE && VERW_FERN[0] >= VERW_GRUPPE && VERW_START >= VERW_NAH[9] &&
              VERW_RUECK > VERW_FERN[3] && VERW_START % VERW_GRUPPE == 0 && VERW_RUECK % VERW_GRUPPE == 0 &&
              VERW_STUECK % VERW_GRUPPE == 0);

using Wort4 = uint32_t __attribute__((vector_size(16)));

inline Wort4 wort4(const void* p)
{
    Wort4 w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// The keystream words k[0..3] from the words `abstaende` places before them.
template <size_t N>
inline void verw_gruppe(uint32_t* k, const size_t (&abstaende)[N])
{
    static_assert(VERW_GRUPPE == 4);
    Wort4 s{};
#pragma GCC unroll 10
    for (size_t a : abstaende) s ^= wort4(k - a);
    std::memcpy(k, &s, 16);
}

// Keystream words a block of n bytes takes, rounded up to a whole group.
size_t schluessel_woerter(size_t n) { return ((n + 3) / 4 + VERW_GRUPPE - 1) & ~(VERW_GRUPPE - 1); }

// ziel = quelle XOR schluessel over n bytes (ziel may be quelle); returns the CRC-32 `crc`
// continued over the plain side of them: ziel on a load, quelle on a save.
template <bool KLAR_IST_ZIEL>
uint32_t xor_crc(uint32_t crc, uint8_t* ziel, const uint8_t* quelle, const uint8_t* schluessel, size_t n)
{
    size_t i = 0;
#if defined(__x86_64__)
    if (n >= 64 && falten_moeglich()) {
        i = n & ~size_t(15);
        crc = ~crc32_falten(~crc, Stuecke_Verwuerfeln<KLAR_IST_ZIEL>{ziel, quelle, schluessel}, i);
    }
#endif
    if (!KLAR_IST_ZIEL) crc = crc32_weiter(crc, quelle + i, n - i);
    const size_t rest = i;
    for (; i + 16 <= n; i += 16) {
        const Wort4 w = wort4(quelle + i) ^ wort4(schluessel + i);
        std::memcpy(ziel + i, &w, 16);
    }
    for (; i < n; ++i) ziel[i] = quelle[i] ^ schluessel[i];
    if (KLAR_IST_ZIEL) crc = crc32_weiter(crc, ziel + rest, n - rest);
    return crc;
}

// ziel = quelle XOR the keystream of block `block_nummer` holding n bytes (ziel may be quelle);
// returns the CRC-32 of the plain side.
template <bool KLAR_IST_ZIEL>
uint32_t verwuerfeln_erzeugen(uint32_t block_nummer, uint8_t* ziel, const uint8_t* quelle, size_t n)
{
    Verwuerfler v(block_nummer, uint32_t(n));
    if (n <= 4 * VERW_START + 64) {
        if (KLAR_IST_ZIEL) {
            v.anwenden(ziel, quelle, n);
            return crc32_weiter(0, ziel, n);
        }
        const uint32_t crc = crc32_weiter(0, quelle, n);
        v.anwenden(ziel, quelle, n);
        return crc;
    }
    // k[i] holds keystream word anfang + i; the batch before the current one leaves its last
    // VERW_RUECK words at the front.
    alignas(16) uint32_t k[VERW_RUECK + VERW_STUECK];
    const size_t woerter = schluessel_woerter(n);
    size_t anfang = 0, wort = 0, pos = 0;
    uint32_t crc = 0;
    for (; wort < VERW_START; ++wort) k[wort] = v.naechstes();
    while (true) {
        const size_t bis = std::min(woerter, anfang + VERW_RUECK + VERW_STUECK);
        for (; wort < std::min(bis, VERW_RUECK); wort += VERW_GRUPPE) verw_gruppe(k + (wort - anfang), VERW_NAH);
        for (; wort < bis; wort += VERW_GRUPPE) verw_gruppe(k + (wort - anfang), VERW_FERN);
        const auto* schluessel = reinterpret_cast<const uint8_t*>(k) + (pos - 4 * anfang);
        const size_t bytes = std::min(4 * wort, n) - pos;
        crc = xor_crc<KLAR_IST_ZIEL>(crc, ziel + pos, quelle + pos, schluessel, bytes);
        pos += bytes;
        if (pos == n) return crc;
        std::memmove(k, k + (wort - anfang - VERW_RUECK), VERW_RUECK * 4);
        anfang = wort - VERW_RUECK;
    }
}

// A block's keystream depends only on its number and its length, and a game writes the same
// large blocks again and again (the monthly autosave, a save under another name, a load): their
// keystreams are kept and applied as they are, up to a bound beyond which the store starts anew.
constexpr size_t SCHLUESSEL_AB = 4096;
constexpr size_t SCHLUESSEL_GRENZE = size_t(32) << 20;

struct Schluessel_Vorrat {
    std::mutex sperre;
    std::unordered_map<uint64_t, std::unique_ptr<uint32_t[]>> schluessel;
    size_t bytes = 0;
};

// The whole keystream of a block of n bytes (more than VERW_RUECK words) into `k`, which holds
// schluessel_woerter(n) words: made where it stays, each word from those before it.
void schluessel_erzeugen(uint32_t block_nummer, uint32_t* k, size_t n)
{
    Verwuerfler v(block_nummer, uint32_t(n));
    const size_t woerter = schluessel_woerter(n);
    size_t wort = 0;
    for (; wort < VERW_START; ++wort) k[wort] = v.naechstes();
    for (; wort < VERW_RUECK; wort += VERW_GRUPPE) verw_gruppe(k + wort, VERW_NAH);
    for (; wort < woerter; wort += VERW_GRUPPE) verw_gruppe(k + wort, VERW_FERN);
}
static_assert(SCHLUESSEL_AB / 4 > VERW_RUECK, "stored keystreams are made without batches");

Schluessel_Vorrat& schluessel_vorrat()
{
    static Schluessel_Vorrat v;
    return v;
}

// As verwuerfeln_erzeugen, the keystream of a long block taken from the store.
template <bool KLAR_IST_ZIEL>
uint32_t verwuerfeln(uint32_t block_nummer, uint8_t* ziel, const uint8_t* quelle, size_t n)
{
    if (n < SCHLUESSEL_AB || n > SCHLUESSEL_GRENZE)
        return verwuerfeln_erzeugen<KLAR_IST_ZIEL>(block_nummer, ziel, quelle, n);
    Schluessel_Vorrat& v = schluessel_vorrat();
    std::lock_guard<std::mutex> halten(v.sperre);
    const uint64_t kennung = uint64_t(block_nummer) << 32 | uint64_t(n);
    auto it = v.schluessel.find(kennung);
    if (it == v.schluessel.end()) {
        if (v.bytes + n > SCHLUESSEL_GRENZE) {
            v.schluessel.clear();
            v.bytes = 0;
        }
        // left uninitialised: every word is made below
        std::unique_ptr<uint32_t[]> k(new uint32_t[schluessel_woerter(n)]);
        schluessel_erzeugen(block_nummer, k.get(), n);
        v.bytes += n;
        it = v.schluessel.emplace(kennung, std::move(k)).first;
    }
    return xor_crc<KLAR_IST_ZIEL>(0, ziel, quelle, reinterpret_cast<const uint8_t*>(it->second.get()), n);
}

constexpr size_t DISK_KOPF_GROESSE = SPIELSTAND_MAGIC_LAENGE + SPIELSTAND_VERSION_LAENGE;

struct Position_Eintrag {
    Disk_Block_Schreiber schreiber;
    Disk_Block_Leser leser;
    Disk_Nach_Laden nach_laden;
};

// Savegame order of the module positions 1..29. Every module registers itself when it starts.
Position_Eintrag positionen[DISK_POSITIONEN] = {
    {nullptr, nullptr, nullptr},                              //  1 game flow
    {nullptr, nullptr, nullptr},                              //  2 random generator
    {nullptr, nullptr, nullptr},                              //  3 sound effects
    {nullptr, nullptr, nullptr},                              //  4 menu
    {nullptr, nullptr, nullptr},                              //  5 sub-menu bar
    {nullptr, nullptr, nullptr},                              //  6 competitions
    {nullptr, nullptr, nullptr},                              //  7 match store
    {nullptr, nullptr, nullptr},                              //  8 teams
    {nullptr, nullptr, nullptr},                              //  9 players
    {nullptr, nullptr, nullptr},                              // 10 news
    {nullptr, nullptr, nullptr},                              // 11 managers
    {nullptr, nullptr, nullptr},                              // 12 team-player links
    {nullptr, nullptr, nullptr},                              // 13 assistants
    {nullptr, nullptr, nullptr},                              // 14 highscores
    {nullptr, nullptr, nullptr},                              // 15 bank and exchanges
    {nullptr, nullptr, nullptr},                              // 16 credit screens
    {nullptr, nullptr, nullptr},                              // 17 arbiter
    {nullptr, nullptr, nullptr},                              // 18 staff screens
    {nullptr, nullptr, nullptr},                              // 19 auction
    {nullptr, nullptr, nullptr},                              // 20 stadium
    {nullptr, nullptr, nullptr},                              // 21 advertising
    {nullptr, nullptr, nullptr},                              // 22 training camps
    {nullptr, nullptr, nullptr},                              // 23 player screens
    {nullptr, nullptr, nullptr},                              // 24 match day
    {nullptr, nullptr, nullptr},                              // 25 staff pool
    {nullptr, nullptr, nullptr},                              // 26 live match records
    {nullptr, nullptr, nullptr},                              // 27 match view windows
    {nullptr, nullptr, nullptr},                              // 28 reserved
    {nullptr, nullptr, nullptr},                              // 29 statistics
};

std::string spielstand_ordner = "spielstand";
char letzter_name[260];

// A message the user sees, also handed to the error sink so that tests can read it.
void disk_meldung(const char* format, ...) __attribute__((format(printf, 1, 2)));
void disk_meldung(const char* format, ...)
{
    char text[400];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    Print_Fehler("%s", text);
    Win95_Meldung("%s", text);
}

bool endet_mit(const char* s, const char* ende)
{
    const size_t a = std::strlen(s), b = std::strlen(ende);
    return a >= b && std::strcmp(s + a - b, ende) == 0;
}

}  // namespace

uint32_t Disk_Crc32(uint32_t crc, const uint8_t* daten, size_t laenge) { return crc32_weiter(crc, daten, laenge); }

void Disk_Set_Falten(bool an) { falten_erlaubt = an; }

namespace {

// Bytes that a resize leaves as they are: every block written into a savegame image overwrites
// the room it takes, so zeroing it first would be work thrown away. The memory starts on a page
// of the file system's, so that a savegame goes to the disk straight from it.
template <class T>
struct Ohne_Nullen : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = Ohne_Nullen<U>;
    };
    Ohne_Nullen() = default;
    template <class U>
    Ohne_Nullen(const Ohne_Nullen<U>&) noexcept
    {
    }
    T* allocate(size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t(OS_FILE_SEITE))); }
    void deallocate(T* p, size_t n) noexcept { ::operator delete(p, n * sizeof(T), std::align_val_t(OS_FILE_SEITE)); }
    template <class U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... A>
    void construct(U* p, A&&... a)
    {
        ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
    }
};
using Bild = std::vector<uint8_t, Ohne_Nullen<uint8_t>>;

}  // namespace

struct Disk_Datei {
    FILE* datei = nullptr;
    Bild* speicher = nullptr;  // written to memory instead of a file
    bool spielstand = false;
    bool abbild = false;  // the in-memory image of the running game: blocks stay plain
    bool fehler = false;
    uint32_t block_nummer = 0;
    uint64_t geschrieben = 0;  // savegame bytes written since the area began
    // Reading a checked savegame from memory: the current area.
    const uint8_t* daten = nullptr;
    size_t pos = 0;
    size_t ende = 0;
};

Disk_Datei* Disk_Open_Schreiben(const char* name)
{
    if (!name) {
        Print_Fehler("Disk_Open_Schreiben: name==NULL!");
        return nullptr;
    }
    FILE* f = Os_File_Open(name, "wb+");
    if (!f) return nullptr;
    auto* d = new Disk_Datei;
    d->datei = f;
    return d;
}

bool Disk_Close(Disk_Datei* datei)
{
    if (!datei) return true;
    bool ok = !datei->fehler;
    if (datei->datei && std::fclose(datei->datei) != 0) ok = false;
    delete datei;
    return ok;
}

bool Disk_Fehler(const Disk_Datei* datei) { return !datei || datei->fehler; }

static int64_t schreib_grenze = -1;

void Disk_Set_Schreib_Grenze(int64_t bytes) { schreib_grenze = bytes; }

static bool schreibe_roh(Disk_Datei* d, const void* p, size_t n)
{
    if (d->fehler) return false;
    if (schreib_grenze >= 0 && d->datei && !d->spielstand && int64_t(d->geschrieben + n) > schreib_grenze) {
        d->fehler = true;
        return false;
    }
    if (d->speicher) {
        // resize and copy: an insert would construct the bytes one by one in this allocator
        const size_t da = d->speicher->size();
        d->speicher->resize(da + n);
        if (n) std::memcpy(d->speicher->data() + da, p, n);
    } else if (n && std::fwrite(p, 1, n, d->datei) != n) {
        d->fehler = true;
    }
    d->geschrieben += n;
    return !d->fehler;
}

bool Disk_Schreibe_Block(Disk_Datei* datei, const void* buffer, uint32_t count)
{
    if (!datei || (!datei->datei && !datei->speicher) || (!buffer && count)) {
        Print_Fehler("Disk_Schreibe_Block: keine Datei oder kein Puffer!");
        return false;
    }
    const auto* q = static_cast<const uint8_t*>(buffer);
    if (!datei->spielstand) return schreibe_roh(datei, q, count);

    uint8_t w[4];
    Disk_LE32_Setzen(w, count);
    if (!schreibe_roh(datei, w, 4)) return false;
    if (datei->abbild) {
        // Never leaves memory: no keystream and no checksum to pay for.
        Disk_LE32_Setzen(w, 0);
        return schreibe_roh(datei, q, count) && schreibe_roh(datei, w, 4);
    }
    // A savegame is put together in memory and written whole (Disk_Spielstand_Speichern): the
    // block is scrambled straight into its place there.
    Bild* m = datei->speicher;
    if (!m) {
        Print_Fehler("Disk_Schreibe_Block: ein Spielstand entsteht im Speicher!");
        datei->fehler = true;
        return false;
    }
    if (datei->fehler) return false;
    const size_t da = m->size();
    m->resize(da + count);
    Disk_LE32_Setzen(w, verwuerfeln<false>(datei->block_nummer++, m->data() + da, q, count));
    datei->geschrieben += count;
    return schreibe_roh(datei, w, 4);
}

bool Disk_Schreibe_Block_Gefuellt(Disk_Datei* datei, uint32_t count, Disk_Fueller fuellen, void* kontext)
{
    if (!datei || !fuellen || (!datei->datei && !datei->speicher)) {
        Print_Fehler("Disk_Schreibe_Block_Gefuellt: keine Datei oder nichts zu schreiben!");
        return false;
    }
    Bild* m = datei->speicher;
    if (!datei->spielstand || !m) {
        // Not put together in memory: through a buffer of its own.
        std::unique_ptr<uint8_t[]> puffer(new uint8_t[count ? count : 1]);
        fuellen(puffer.get(), kontext);
        return Disk_Schreibe_Block(datei, puffer.get(), count);
    }
    // The same bytes as Disk_Schreibe_Block: length, payload (scrambled in place unless it is
    // the image of the running game), checksum.
    if (datei->fehler) return false;
    uint8_t w[4];
    Disk_LE32_Setzen(w, count);
    if (!schreibe_roh(datei, w, 4)) return false;
    const size_t da = m->size();
    m->resize(da + count);
    uint8_t* p = m->data() + da;
    fuellen(p, kontext);
    datei->geschrieben += count;
    Disk_LE32_Setzen(w, datei->abbild ? 0 : verwuerfeln<false>(datei->block_nummer++, p, p, count));
    return schreibe_roh(datei, w, 4);
}

bool Disk_Lese_Block(Disk_Datei* datei, void* buffer, uint32_t count)
{
    if (!datei || (!buffer && count)) {
        Print_Fehler("Disk_Lese_Block: keine Datei oder kein Puffer!");
        return false;
    }
    if (datei->fehler) return false;
    if (!datei->daten) {
        Print_Fehler("Disk_Lese_Block: Datei ist nicht zum Lesen geöffnet!");
        return false;
    }
    // The areas were checked when the file was loaded; the stored length must still match
    // what this reader expects.
    if (datei->ende - datei->pos < 8) {
        Print_Fehler("Disk_Lese_Block: Block fehlt (%u Bytes erwartet)", count);
        datei->fehler = true;
        return false;
    }
    const uint32_t laenge = Disk_LE32_Lesen(datei->daten + datei->pos);
    if (laenge != count || datei->ende - datei->pos - 8 < laenge) {
        Print_Fehler("Disk_Lese_Block: Blocklänge %u statt %u", laenge, count);
        datei->fehler = true;
        return false;
    }
    if (count) std::memcpy(buffer, datei->daten + datei->pos + 4, count);
    datei->pos += size_t(laenge) + 8;
    return true;
}

bool Disk_Naechste_Blocklaenge(const Disk_Datei* datei, uint32_t* laenge)
{
    if (laenge) *laenge = 0;
    if (!datei || !laenge || datei->fehler || !datei->daten || datei->ende - datei->pos < 8) return false;
    *laenge = Disk_LE32_Lesen(datei->daten + datei->pos);
    return true;
}

void Disk_Block_Ablehnen(Disk_Datei* datei)
{
    if (datei) datei->fehler = true;
}

bool Disk_Lese_Block_Genau(Disk_Datei* datei, void* buffer, uint32_t count, const char* wer)
{
    uint32_t n = 0;
    if (!Disk_Naechste_Blocklaenge(datei, &n) || n != count) {
        if (wer) Print_Fehler("%s: %u statt %u Bytes", wer, n, count);
        Disk_Block_Ablehnen(datei);
        return false;
    }
    return Disk_Lese_Block(datei, buffer, count);
}

uint8_t* Disk_Lese_Datei(const char* name, uint32_t* size)
{
    constexpr long DISK_STUECK_AB = 1000000;
    constexpr uint32_t DISK_STUECK = 100000;
    if (size) *size = 0;
    if (!name || !size) {
        Print_Fehler("Disk_Lese_Datei: name==NULL oder size==NULL!");
        return nullptr;
    }
    FILE* f = Os_File_Open(name, "rb");
    if (!f) return nullptr;
    long n = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) n = std::ftell(f);
    if (n < 0 || uint64_t(n) >= 0xFFFFFFFFu || std::fseek(f, 0, SEEK_SET) != 0) {
        std::fclose(f);
        return nullptr;
    }
    auto* p = static_cast<uint8_t*>(Mem_Alloc(uint32_t(n) + 1, 0));
    if (!p) {
        std::fclose(f);
        return nullptr;
    }
    size_t gelesen = 0;
    if (n > DISK_STUECK_AB) {
        // Large files in pieces, with the progress box (it refuses itself where it cannot show).
        const int offen = Grafik_Fortschritt_Oeffnen("Datei wird eingelesen ...", -1, -1);
        while (gelesen < size_t(n)) {
            const size_t stueck = std::min(size_t(n) - gelesen, size_t(DISK_STUECK));
            const size_t r = std::fread(p + gelesen, 1, stueck, f);
            gelesen += r;
            if (r != stueck) break;
            if (offen) Grafik_Fortschritt_Setzen(int32_t(uint64_t(gelesen) * 100 / uint64_t(n)), nullptr);
        }
        if (offen) Grafik_Fortschritt_Schliessen();
    } else {
        gelesen = std::fread(p, 1, size_t(n), f);
    }
    std::fclose(f);
    if (gelesen != size_t(n)) {
        Mem_Free(p, 0);
        return nullptr;
    }
    p[n] = 0;
    *size = uint32_t(n);
    return p;
}

bool Disk_Pfad_Ohne_Dateiname(const char* pfad, char* ordner, uint32_t groesse)
{
    if (!pfad || !ordner || groesse == 0) {
        Print_Fehler("Disk_Pfad_Ohne_Dateiname: falsche Parameter!");
        return false;
    }
    const char* letzter = nullptr;
    for (const char* p = pfad; *p; ++p)
        if (*p == '/' || *p == '\\') letzter = p;
    const size_t n = letzter ? size_t(letzter - pfad) : 0;
    if (n >= groesse) {
        ordner[0] = 0;
        return false;
    }
    std::memcpy(ordner, pfad, n);
    ordner[n] = 0;
    return true;
}

// Kept as the program's text, as the names the file dialog lists in it.
void Disk_Set_Spielstand_Ordner(const char* ordner) { spielstand_ordner = Os_Pfad_Text(ordner ? ordner : ""); }

const char* Disk_Get_Spielstand_Ordner() { return spielstand_ordner.c_str(); }

const char* Disk_Lade_Letzten_Spielstand_Namen()
{
    Win95_Registry_Get_A_Value("letzter_spielstand", letzter_name, int(sizeof letzter_name));
    letzter_name[sizeof letzter_name - 1] = 0;
    return letzter_name;
}

bool Disk_Block_Registrieren(int position, Disk_Block_Schreiber schreiber, Disk_Block_Leser leser)
{
    if (position < 1 || position > DISK_POSITIONEN || position == DISK_POS_FREI) {
        Print_Fehler("Disk_Block_Registrieren: falsche Position %d!", position);
        return false;
    }
    positionen[position - 1].schreiber = schreiber;
    positionen[position - 1].leser = leser;
    return true;
}

bool Disk_Nach_Laden_Registrieren(int position, Disk_Nach_Laden prozedur)
{
    if (position < 1 || position > DISK_POSITIONEN || position == DISK_POS_FREI) {
        Print_Fehler("Disk_Nach_Laden_Registrieren: falsche Position %d!", position);
        return false;
    }
    positionen[position - 1].nach_laden = prozedur;
    return true;
}

bool Disk_Spielstand_Pfad(const char* name, char* pfad, uint32_t groesse)
{
    if (!name || !*name || !pfad || groesse == 0) {
        Print_Fehler("Disk_Spielstand_Pfad: falsche Parameter!");
        return false;
    }
    const char* ext = Win95_Registry_Get_Extension();
    if (!ext) ext = ".sgv";
    std::string p;
    if (!std::strchr(name, '/')) {
        p = spielstand_ordner;
        if (!p.empty() && p.back() != '/') p += '/';
    }
    p += name;
    if (!endet_mit(name, ext)) p += ext;
    if (p.size() >= groesse) {
        pfad[0] = 0;
        return false;
    }
    std::memcpy(pfad, p.c_str(), p.size() + 1);
    return true;
}

namespace {

// The memory a save puts its file together in, and a load its image of the running game: kept
// from one to the next, so that its pages are not taken anew each time (the monthly autosave).
// Room for a savegame of the default world and more from the first use on: growing the image
// step by step copied it each time. Only the pages written are taken from the system.
class Arbeitsbild {
public:
    Arbeitsbild()
    {
        static Bild bild;
        static bool vergeben = false;
        constexpr size_t PLATZ = size_t(8) << 20;
        if (!vergeben) {
            vergeben = true;
            frei = &vergeben;
            b = &bild;
        } else {
            b = &eigenes;  // a save from within a load gets memory of its own
        }
        b->clear();
        b->reserve(PLATZ);
    }
    ~Arbeitsbild()
    {
        if (frei) *frei = false;
    }
    Arbeitsbild(const Arbeitsbild&) = delete;
    Arbeitsbild& operator=(const Arbeitsbild&) = delete;
    Bild& operator*() { return *b; }
    Bild* operator->() { return b; }
    const Bild* operator->() const { return b; }

private:
    Bild eigenes;
    Bild* b = nullptr;
    bool* frei = nullptr;
};

struct Bereich {
    size_t start;
    size_t ende;
};
using Bereich_Tabelle = std::array<Bereich, DISK_POSITIONEN>;

// Where the next byte goes: the end of the memory image (a savegame is put together in memory).
bool schreib_stelle(Disk_Datei* d, uint64_t* stelle)
{
    if (!d->speicher) return false;
    *stelle = d->speicher->size();
    return true;
}

// Puts the length word of an area in front of it once its blocks are written.
bool laenge_eintragen(Disk_Datei* d, uint64_t stelle, uint32_t laenge)
{
    if (!d->speicher) return false;
    Disk_LE32_Setzen(d->speicher->data() + stelle, laenge);
    return true;
}

bool kopf_schreiben(Disk_Datei* d, const char* version)
{
    uint8_t kopf[DISK_KOPF_GROESSE + 4] = {};
    std::memcpy(kopf, SPIELSTAND_MAGIC, SPIELSTAND_MAGIC_LAENGE);
    std::memcpy(kopf + SPIELSTAND_MAGIC_LAENGE, version, strnlen(version, SPIELSTAND_VERSION_LAENGE));
    Disk_LE32_Setzen(kopf + DISK_KOPF_GROESSE, crc32_weiter(0, kopf, DISK_KOPF_GROESSE));
    return schreibe_roh(d, kopf, sizeof kopf);
}

// Writes the header and every module's area; `bereiche` (may be null) gets where each area's
// blocks lie.
bool spielstand_schreiben(Disk_Datei* d, Bereich_Tabelle* bereiche)
{
    if (!kopf_schreiben(d, SPIELSTAND_VERSION)) return false;
    for (int i = 0; i < DISK_POSITIONEN; ++i) {
        uint64_t start = 0;
        const uint8_t w[4] = {};
        if (!schreib_stelle(d, &start) || !schreibe_roh(d, w, 4)) return false;
        d->geschrieben = 0;
        if (positionen[i].schreiber && !positionen[i].schreiber(d)) {
            Print_Fehler("Disk_Spielstand_Speichern: Block %d nicht geschrieben", i + 1);
            return false;
        }
        if (d->fehler || d->geschrieben > 0xFFFFFFFFu) return false;
        if (!laenge_eintragen(d, start, uint32_t(d->geschrieben))) return false;
        if (bereiche) (*bereiche)[size_t(i)] = {size_t(start) + 4, size_t(start + 4 + d->geschrieben)};
    }
    return true;
}

}  // namespace

bool Disk_Spielstand_Speichern(const char* name)
{
    char pfad[1024];
    if (!Disk_Spielstand_Pfad(name, pfad, sizeof pfad)) {
        disk_meldung("Der Spielstand \"%s\" konnte nicht gespeichert werden.", name ? name : "");
        return false;
    }
    const std::string temp = std::string(pfad) + ".tmp";
    // The file is put together in memory and written in one go: the areas' length words are set
    // in place, where seeking back in the file emptied its buffer once an area.
    Arbeitsbild bild;
    Disk_Datei m;
    m.speicher = &*bild;
    m.spielstand = true;
    bool ok = spielstand_schreiben(&m, nullptr);
    if (ok) {
        // up to the file system's next page zeroed: written with the file and cut off again
        const size_t n = bild->size();
        bild->resize((n + OS_FILE_SEITE - 1) / OS_FILE_SEITE * OS_FILE_SEITE);
        std::fill(bild->begin() + std::ptrdiff_t(n), bild->end(), uint8_t(0));
        ok = Os_File_Ganz_Schreiben(temp.c_str(), bild->data(), n, bild->size());
        // Only a complete, flushed file replaces the previous savegame.
        if (ok) ok = Os_File_Rename(temp.c_str(), pfad);
        if (!ok) Os_File_Delete(temp.c_str());
    }
    if (!ok) {
        disk_meldung("Der Spielstand \"%s\" konnte nicht gespeichert werden. Der bisherige Spielstand "
                     "bleibt erhalten.",
                     pfad);
        return false;
    }
    Win95_Registry_Set_A_Value("letzter_spielstand", name);
    return true;
}

namespace {

enum class Pruefung { OK, KEIN_SPIELSTAND, VERSION, BESCHAEDIGT };

// Checks header, areas and blocks of a loaded file, descrambling every payload in place.
Pruefung spielstand_pruefen(uint8_t* p, size_t n, char* version, Bereich_Tabelle& bereiche)
{
    if (n < DISK_KOPF_GROESSE + 4 || std::memcmp(p, SPIELSTAND_MAGIC, SPIELSTAND_MAGIC_LAENGE) != 0)
        return Pruefung::KEIN_SPIELSTAND;
    std::memcpy(version, p + SPIELSTAND_MAGIC_LAENGE, SPIELSTAND_VERSION_LAENGE);
    version[SPIELSTAND_VERSION_LAENGE] = 0;
    if (crc32_weiter(0, p, DISK_KOPF_GROESSE) != Disk_LE32_Lesen(p + DISK_KOPF_GROESSE))
        return Pruefung::BESCHAEDIGT;
    if (std::strcmp(version, SPIELSTAND_VERSION) != 0 && std::strcmp(version, SPIELSTAND_VERSION_ALT) != 0)
        return Pruefung::VERSION;

    size_t pos = DISK_KOPF_GROESSE + 4;
    uint32_t block_nummer = 0;
    for (auto& b : bereiche) {
        if (n - pos < 4) return Pruefung::BESCHAEDIGT;
        const uint32_t laenge = Disk_LE32_Lesen(p + pos);
        pos += 4;
        if (n - pos < laenge) return Pruefung::BESCHAEDIGT;
        b = {pos, pos + laenge};
        while (pos < b.ende) {
            if (b.ende - pos < 8) return Pruefung::BESCHAEDIGT;
            const uint32_t bl = Disk_LE32_Lesen(p + pos);
            if (b.ende - pos - 8 < bl) return Pruefung::BESCHAEDIGT;
            uint8_t* nutz = p + pos + 4;
            if (verwuerfeln<true>(block_nummer++, nutz, nutz, bl) != Disk_LE32_Lesen(nutz + bl))
                return Pruefung::BESCHAEDIGT;
            pos += size_t(bl) + 8;
        }
    }
    return pos == n ? Pruefung::OK : Pruefung::BESCHAEDIGT;
}

// Version text of a foreign file, printable characters only.
void version_lesbar(char* v)
{
    for (char* c = v; *c; ++c)
        if (uint8_t(*c) < 0x20 || uint8_t(*c) == 0x7F) *c = '?';
}

// Hands one area to its module's reader; false when the reader refuses it.
bool bereich_lesen(int i, const uint8_t* daten, const Bereich& b, const char* version)
{
    Disk_Datei d;
    d.spielstand = true;
    d.daten = daten;
    d.pos = b.start;
    d.ende = b.ende;
    return positionen[i].leser(&d, version) && !d.fehler;
}

// The running game as the writers see it, with the bounds of each area.
struct Abbild {
    Arbeitsbild daten;
    Bereich_Tabelle bereiche{};
    bool hat_schreiber[DISK_POSITIONEN] = {};
};

bool abbild_schreiben(Abbild& a)
{
    Disk_Datei d;
    d.speicher = &*a.daten;
    d.spielstand = true;
    d.abbild = true;
    for (int i = 0; i < DISK_POSITIONEN; ++i) a.hat_schreiber[i] = positionen[i].schreiber != nullptr;
    return spielstand_schreiben(&d, &a.bereiche);
}

// Reads the image back into the positions before index `bis` (the reader that refused its block
// took nothing over); false when one of them refuses it.
bool abbild_zuruecklesen(const Abbild& a, int bis)
{
    bool ok = true;
    for (int i = 0; i < bis; ++i) {
        if (!positionen[i].leser || !a.hat_schreiber[i]) continue;
        if (!bereich_lesen(i, a.daten->data(), a.bereiche[size_t(i)], SPIELSTAND_VERSION)) {
            Print_Fehler("Disk_Spielstand_Laden: Block %d nicht wiederhergestellt", i + 1);
            ok = false;
        }
    }
    return ok;
}

}  // namespace

namespace {

// The load itself; `merken` names the savegame in the registry as the last one played.
bool spielstand_laden(const char* name, bool merken)
{
    char pfad[1024];
    if (!Disk_Spielstand_Pfad(name, pfad, sizeof pfad)) {
        disk_meldung("Der Spielstand \"%s\" konnte nicht geöffnet werden.", name ? name : "");
        return false;
    }
    uint32_t groesse = 0;
    uint8_t* p = Disk_Lese_Datei(pfad, &groesse);
    if (!p) {
        disk_meldung("Der Spielstand \"%s\" konnte nicht geöffnet werden.", pfad);
        return false;
    }
    struct Freigabe {
        uint8_t* p;
        ~Freigabe() { Mem_Free(p, 0); }
    } freigabe{p};
    char version[SPIELSTAND_VERSION_LAENGE + 1] = {};
    Bereich_Tabelle bereiche{};
    switch (spielstand_pruefen(p, groesse, version, bereiche)) {
    case Pruefung::OK:
        break;
    case Pruefung::KEIN_SPIELSTAND:
        disk_meldung("Die Datei \"%s\" ist kein Spielstand.", pfad);
        return false;
    case Pruefung::VERSION:
        version_lesbar(version);
        disk_meldung("Der Spielstand \"%s\" hat die unbekannte Version \"%s\" und kann nicht geladen "
                     "werden.",
                     pfad, version);
        return false;
    case Pruefung::BESCHAEDIGT:
        disk_meldung("Der Spielstand \"%s\" ist beschädigt und kann nicht geladen werden. Das laufende "
                     "Spiel bleibt erhalten.",
                     pfad);
        return false;
    }

    Abbild abbild;
    abbild.daten->reserve(groesse);  // the running game is usually about as large as the file
    if (!abbild_schreiben(abbild)) {
        disk_meldung("Der Spielstand \"%s\" kann nicht geladen werden, weil sich das laufende Spiel nicht "
                     "sichern lässt. Das laufende Spiel bleibt erhalten.",
                     pfad);
        return false;
    }
    for (int i = 0; i < DISK_POSITIONEN; ++i) {
        if (!positionen[i].leser || bereich_lesen(i, p, bereiche[size_t(i)], version)) continue;
        Print_Fehler("Disk_Spielstand_Laden: Block %d nicht gelesen", i + 1);
        if (abbild_zuruecklesen(abbild, i))
            disk_meldung("Der Spielstand \"%s\" konnte nicht vollständig geladen werden. Das laufende Spiel "
                         "bleibt erhalten.",
                         pfad);
        else
            disk_meldung("Der Spielstand \"%s\" konnte nicht vollständig geladen werden, und das laufende "
                         "Spiel ließ sich nicht ganz wiederherstellen.",
                         pfad);
        return false;
    }
    // Links between modules (records named by number in one block, owned by a later one) are
    // made only once every block is in.
    for (const Position_Eintrag& p : positionen)
        if (p.nach_laden) p.nach_laden();
    if (merken) Win95_Registry_Set_A_Value("letzter_spielstand", name);
    return true;
}

}  // namespace

bool Disk_Spielstand_Laden(const char* name) { return spielstand_laden(name, true); }

bool Disk_Spielstand_Einsehen(const char* name) { return spielstand_laden(name, false); }

bool Disk_Spielstand_Zerlegen(const uint8_t* daten, size_t laenge, std::string* version, Disk_Bereiche* bereiche)
{
    if (!daten || !version || !bereiche) {
        Print_Fehler("Disk_Spielstand_Zerlegen: falsche Parameter!");
        return false;
    }
    std::vector<uint8_t> kopie(daten, daten + laenge);
    char v[SPIELSTAND_VERSION_LAENGE + 1] = {};
    Bereich_Tabelle b{};
    if (spielstand_pruefen(kopie.data(), kopie.size(), v, b) != Pruefung::OK) return false;
    for (int i = 0; i < DISK_POSITIONEN; ++i) {
        Disk_Bereich& ziel = (*bereiche)[size_t(i)];
        ziel.clear();
        for (size_t pos = b[size_t(i)].start; pos < b[size_t(i)].ende;) {
            const uint32_t n = Disk_LE32_Lesen(kopie.data() + pos);
            ziel.emplace_back(kopie.begin() + long(pos + 4), kopie.begin() + long(pos + 4 + n));
            pos += size_t(n) + 8;
        }
    }
    *version = v;
    return true;
}

std::vector<uint8_t> Disk_Spielstand_Bauen(const char* version, const Disk_Bereiche& bereiche)
{
    Bild aus;
    Disk_Datei d;
    d.speicher = &aus;
    d.spielstand = true;
    if (!kopf_schreiben(&d, version ? version : SPIELSTAND_VERSION)) return {};
    for (const Disk_Bereich& bereich : bereiche) {
        uint64_t start = 0;
        const uint8_t w[4] = {};
        if (!schreib_stelle(&d, &start) || !schreibe_roh(&d, w, 4)) return {};
        d.geschrieben = 0;
        for (const auto& block : bereich)
            if (!Disk_Schreibe_Block(&d, block.data(), uint32_t(block.size()))) return {};
        if (d.geschrieben > 0xFFFFFFFFu) return {};
        laenge_eintragen(&d, start, uint32_t(d.geschrieben));
    }
    return {aus.begin(), aus.end()};
}

std::vector<uint8_t> Disk_Spielstand_Abbild()
{
    Bild aus;
    Disk_Datei d;
    d.speicher = &aus;
    d.spielstand = true;
    if (!spielstand_schreiben(&d, nullptr)) return {};
    return {aus.begin(), aus.end()};
}
