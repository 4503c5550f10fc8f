#include "platform/read_config.h"

#include "platform/disk.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/print.h"
#include "platform/temp.h"
#include "platform/mem.h"
#include "platform/win95.h"
#include "platform/string_util.h"

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

static uint8_t (*start_option_abfrage)() = nullptr;

void Read_Config_Set_Start_Option_Abfrage(uint8_t (*abfrage)()) { start_option_abfrage = abfrage; }

namespace {

const char* const basis_namen[5] = {"spieler.cfg", "team.cfg", "wettbewerb.cfg", "personal.cfg",
                                    "zeitplan.cfg"};
// Every mode takes its aliases from the competition alias file.
const char* const alias_name = "wettbewerb_alias.cfg";
constexpr int TOKEN_MAX = READ_CONFIG_TOKEN - 1;
// Larger files are no configuration of this game; refusing them keeps a user's stray file from
// exhausting memory.
constexpr long DATEI_MAX = 256L * 1024 * 1024;

struct Ebene {
    uint8_t* text = nullptr;
    bool geliehen = false;  // the text belongs to the caller: not freed with the level
    uint32_t groesse = 0;
    uint32_t pos = 0;
    uint32_t eintrag_start = 0;
    int32_t zeile = 1;
    bool zeilenende = false;
    int32_t klammer = 0;
    bool quote = false;
    bool kommentar = false;
    char schluessel[READ_CONFIG_TOKEN] = {};
    char wert[READ_CONFIG_TOKEN] = {};
    const char* wert_zeiger = nullptr;
    uint32_t summe = 0;
    uint32_t gespeichert = 0;
    bool hat_summe = false;
    uint32_t index = 0;
    Liste alias = {};
    bool hat_alias = false;
};

Ebene ebenen[READ_CONFIG_EBENEN];
int tiefe = -1;
bool pruefung = true;
int alias_meldungen = 0;
bool liste_gemeldet = false;
int32_t alias_status = 0;
// The open's look at the first entry for CHECKSUMME: the entry is read again after it, so
// nothing is reported twice.
bool kopf_probe = false;
Liste globale_alias = {};
bool globale_alias_da = false;

struct Trenner {
    bool t[256];
    // Characters that only go into the token: no separator, line end, bracket or quote. The
    // second table is the same within quotes, where separators are text.
    bool schlicht[2][256];
};

Trenner trenner_aus(const char* zeichen)
{
    Trenner tr = {};
    for (const char* p = zeichen; *p; ++p) tr.t[uint8_t(*p)] = true;
    tr.t[uint8_t('\n')] = tr.t[uint8_t('\r')] = true;
    for (int c = 0; c < 256; ++c) {
        const bool besonders = c == '\n' || c == '\r' || c == '[' || c == ']' || c == '"';
        tr.schlicht[0][c] = !besonders && !tr.t[c];
        tr.schlicht[1][c] = !besonders;
    }
    return tr;
}

const Trenner standard_trenner = trenner_aus(" \xA0;\t");

// What a character is written as: itself, or a keyword's capital.
struct Abbildung {
    uint8_t z[256];
};

constexpr Abbildung abbildung(bool gross)
{
    Abbildung a = {};
    for (int c = 0; c < 256; ++c) a.z[c] = uint8_t(gross && c >= 'a' && c <= 'z' ? c - 32 : c);
    return a;
}

constexpr Abbildung wie_gelesen = abbildung(false);
constexpr Abbildung in_grossbuchstaben = abbildung(true);

// Reads one token into `ziel`, each character as `ab` maps it (the sum takes it as read). False
// only at the end of the text with nothing read.
bool token_lesen(Ebene& e, char* ziel, const Trenner& tr, bool bis_zeilenende, const Abbildung& ab)
{
    int n = 0;
    // The keyword before ended at a line feed: this entry has no value.
    if (bis_zeilenende && e.zeilenende) {
        ziel[0] = 0;
        return true;
    }
    while (e.pos < e.groesse) {
        // A comment runs to the line's end and changes nothing but the place: it began at a
        // separator, which ended any token (so none is under way) and left no open quote or
        // line end behind.
        if (e.kommentar) {
            const void* ende = std::memchr(e.text + e.pos, '\n', e.groesse - e.pos);
            e.pos = ende ? uint32_t(static_cast<const uint8_t*>(ende) - e.text) : e.groesse;
            if (e.pos >= e.groesse) break;
        } else if (e.klammer == 0) {
            // The run of plain characters, as the general steps below would take them one by one
            // (in locals: the token's bytes could be any of the level's words to the compiler).
            // It stops where the token is full, so the loop needs no check of its own.
            const bool* schlicht = tr.schlicht[e.quote ? 1 : 0];
            const uint8_t* const anfang = e.text + e.pos;
            const uint8_t* const grenze = anfang + std::min<uint32_t>(e.groesse - e.pos, uint32_t(TOKEN_MAX - n));
            const uint8_t* p = anfang;
            char* aus = ziel + n;
            uint32_t summe = e.summe;
            if (summe) {
                // The sum takes every character until it comes to zero, and none after that.
                uint32_t index = e.index;
                while (p < grenze && schlicht[*p]) {
                    const uint8_t c = *p++;
                    *aus++ = char(ab.z[c]);
                    summe += index * uint32_t(int32_t(int8_t(c)));
                    ++index;
                    if (!summe) break;
                }
                e.summe = summe, e.index = index;
            }
            while (p < grenze && schlicht[*p]) *aus++ = char(ab.z[*p++]);
            n = int(aus - ziel);
            e.pos += uint32_t(p - anfang);
            if (n >= TOKEN_MAX) {
                // The last character starts the next token again.
                --e.pos;
                ziel[n] = 0;
                if (!kopf_probe)
                    Requester_Printf("ACHTUNG: Maximale Buffergröße für Config-Zeile überschritten!\n");
                return true;
            }
            if (e.pos >= e.groesse) break;
        }
        uint8_t c = e.text[e.pos];
        bool lf = c == '\n', cr = c == '\r';
        if (lf || cr || (!e.quote && tr.t[c])) {
            if (c == ';') e.kommentar = true;
            e.zeilenende = false;
            if (lf) {
                e.kommentar = false;
                ++e.zeile;
                e.quote = false;
                e.zeilenende = true;
            }
            if (cr) e.quote = false;
            ++e.pos;
            if ((lf && bis_zeilenende) || n > 0) break;
            continue;
        }
        if (!e.kommentar) {
            if (c == '[') ++e.klammer;
            else if (c == ']' && e.klammer > 0) --e.klammer;
            else if (c == '"') e.quote = !e.quote;
            else if (e.klammer == 0) {
                ziel[n++] = char(ab.z[c]);
                if (e.summe) {
                    e.summe += e.index * uint32_t(int32_t(int8_t(c)));
                    ++e.index;
                }
                if (n >= TOKEN_MAX) {
                    // The last character starts the next token again.
                    ziel[n] = 0;
                    if (!kopf_probe)
                        Requester_Printf("ACHTUNG: Maximale Buffergröße für Config-Zeile überschritten!\n");
                    return true;
                }
            }
        }
        ++e.pos;
    }
    ziel[n] = 0;
    return n > 0 || e.pos < e.groesse;
}

// Copies the run of plain characters from text[q] on (before grenze) to `aus`, a keyword's in
// capitals; returns where the run ends. With the standard separators it is looked at 16
// characters at a time (`aus` takes whole blocks: it must hold 16 beyond grenze - q rounded down).
template <bool GROSS>
uint32_t lauf_kopieren(const uint8_t* text, uint32_t q, const uint32_t grenze, char* aus, const Trenner& tr, bool zitat)
{
    const uint32_t anfang = q;
#if defined(__x86_64__)
    // Values out of quotes are mostly short numbers, quicker taken one by one.
    if (&tr == &standard_trenner && (GROSS || zitat)) {
        const auto gleich = [](__m128i v, char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
        for (; q + 16 <= grenze; q += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + q));
            // Outside a section a ']' is an ordinary character: the run goes on over it.
            __m128i ende = _mm_or_si128(_mm_or_si128(gleich(v, '\n'), gleich(v, '\r')),
                                        _mm_or_si128(gleich(v, '['), gleich(v, '"')));
            if (!zitat)
                ende = _mm_or_si128(ende, _mm_or_si128(_mm_or_si128(gleich(v, ' '), gleich(v, '\xA0')),
                                                       _mm_or_si128(gleich(v, ';'), gleich(v, '\t'))));
            __m128i w = v;
            if (GROSS) {
                // a-z: shifted by 128 - 'a' they are the 26 smallest signed bytes
                const __m128i klein = _mm_cmplt_epi8(_mm_add_epi8(v, _mm_set1_epi8(char(128 - 'a'))),
                                                     _mm_set1_epi8(char(-128 + 26)));
                w = _mm_sub_epi8(v, _mm_and_si128(klein, _mm_set1_epi8(32)));
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(aus + (q - anfang)), w);
            if (const unsigned maske = unsigned(_mm_movemask_epi8(ende))) return q + unsigned(__builtin_ctz(maske));
        }
    }
#endif
    const bool* schlicht = tr.schlicht[zitat];
    const Abbildung& ab = GROSS ? in_grossbuchstaben : wie_gelesen;
    for (; q < grenze && schlicht[text[q]]; ++q) aus[q - anfang] = char(ab.z[text[q]]);
    return q;
}

// The common shape of a token, taken without the general steps: a run of plain characters,
// quoted or not, ended by a separator other than ';' (no comment or bracket open). False, with
// the level as it was, for any other shape: token_lesen then reads it. A keyword first passes
// the separators before it, as token_lesen would.
template <bool WERT>
bool schlicht_lesen(Ebene& e, char* ziel, const Trenner& tr)
{
    if (e.kommentar || e.klammer != 0 || e.quote) return false;
    if (WERT && e.zeilenende) {
        ziel[0] = 0;
        return true;
    }
    const uint8_t* const text = e.text;
    const uint32_t groesse = e.groesse;
    uint32_t pos = e.pos;
    if (!WERT) {
        for (; pos < groesse && tr.t[text[pos]] && text[pos] != ';'; ++pos) {
            e.zeilenende = text[pos] == '\n';
            e.zeile += e.zeilenende;
        }
        e.pos = pos;
    }
    if (pos >= groesse) return false;
    const bool zitat = text[pos] == '"' && !tr.t[uint8_t('"')];
    pos += zitat;
    // A full token is cut by token_lesen, with its warning.
    const uint32_t grenze = pos + std::min<uint32_t>(groesse - pos, uint32_t(TOKEN_MAX - 1));
    const uint32_t lauf_ende = lauf_kopieren<!WERT>(text, pos, grenze, ziel, tr, zitat);
    uint32_t q = lauf_ende;
    if (q == pos || q >= grenze) return false;
    if (zitat && (text[q++] != '"' || q >= groesse)) return false;
    const uint8_t c = text[q];
    if (!tr.t[c] || c == ';') return false;
    ziel[lauf_ende - pos] = 0;
    uint32_t summe = e.summe, index = e.index;
    // The sum takes every character until it comes to zero, and none after that.
    for (uint32_t k = pos; summe && k < lauf_ende; ++k) {
        summe += index * uint32_t(int32_t(int8_t(text[k])));
        ++index;
    }
    e.summe = summe, e.index = index;
    e.zeilenende = c == '\n';
    e.zeile += e.zeilenende;
    e.pos = q + 1;
    return true;
}

void ebene_zuruecksetzen(Ebene& e)
{
    e.pos = 0;
    e.eintrag_start = 0;
    e.zeile = 1;
    e.zeilenende = false;
    e.klammer = 0;
    e.quote = false;
    e.kommentar = false;
    e.schluessel[0] = 0;
    e.wert[0] = 0;
    e.wert_zeiger = nullptr;
}

void ebene_freigeben(Ebene& e)
{
    if (e.geliehen) e.text = nullptr;
    else e.text = static_cast<uint8_t*>(Mem_Free(e.text, 0));
    e.geliehen = false;
    e.groesse = 0;
    if (e.hat_alias) Liste_Delete_All(&e.alias);
    e.hat_alias = false;
}

// The aliases of the current level: the nearest level at or below it that has a list.
Liste* aktuelle_alias_liste()
{
    for (int d = tiefe; d >= 0; --d)
        if (ebenen[d].hat_alias) return &ebenen[d].alias;
    return nullptr;
}

bool gleich_ohne_case(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        char x = (*a >= 'a' && *a <= 'z') ? char(*a - 32) : *a;
        char y = (*b >= 'a' && *b <= 'z') ? char(*b - 32) : *b;
        if (x != y) return false;
    }
    return *a == *b;
}

// Decimal like the runtime's atoi, wrapping modulo 2^32 instead of overflowing, so that a sum
// written as "%u" or as "%d" reads back the same.
int32_t zahl(const char* s)
{
    while (*s == ' ' || (*s >= '\t' && *s <= '\r')) ++s;
    bool minus = *s == '-';
    if (*s == '-' || *s == '+') ++s;
    uint32_t v = 0;
    for (; *s >= '0' && *s <= '9'; ++s) v = v * 10u + uint32_t(*s - '0');
    return int32_t(minus ? 0u - v : v);
}

// Reads a whole file into a new heap block.
uint8_t* datei_lesen(const char* name, uint32_t* groesse)
{
    uint32_t n = 0;
    uint8_t* text = Disk_Lese_Datei(name, &n);
    if (text && n > DATEI_MAX) text = static_cast<uint8_t*>(Mem_Free(text, 0));
    if (text) *groesse = n;
    return text;
}

void dateiname(char* ziel, size_t groesse, int32_t satz, const char* basis)
{
    std::snprintf(ziel, groesse, "%s/%lld_%s", Pfad_Config_Files, static_cast<long long>(satz) + 1, basis);
}

// Set numbers: 0 and up name a file, -1 none (no aliases; in place of a set: the alias file).
bool saetze_gueltig(int32_t satz, int32_t alias_satz)
{
    return satz >= -1 && alias_satz >= -1 && (satz != -1 || alias_satz != -1);
}

// Loads the aliases of an alias set into a list head: entries "name number".
bool alias_liste_laden(Liste* kopf, bool* da, int32_t alias_satz)
{
    if (!Read_Config_Open(2, -1, alias_satz)) return false;
    if (*da) Liste_Delete_All(kopf);
    Liste_Init(kopf);
    *da = true;
    Liste_Element* letztes = nullptr;
    for (;;) {
        const char* name = Read_Config_Read_Zeile(nullptr, true);
        if (!*name) break;
        Liste_Element* neu = Liste_Insert_Element(kopf, letztes, name,
                                                  uint32_t(std::strlen(name) + 1),
                                                  uint32_t(Read_Config_Get_Wert()));
        if (neu) letztes = neu;
    }
    Read_Config_Close();
    return true;
}

// Takes a new level; its aliases load into a separate head first, since the alias file itself
// occupies the next level while it is read.
bool ebene_oeffnen(int32_t alias_satz, const char* meldung_tief)
{
    if (tiefe + 1 >= READ_CONFIG_EBENEN) {
        Print_Fehler("%s", meldung_tief);
        return false;
    }
    ++tiefe;
    Ebene& e = ebenen[tiefe];
    ebene_freigeben(e);
    ebene_zuruecksetzen(e);
    e.summe = 0;
    e.index = 0;
    e.hat_summe = false;
    e.gespeichert = 0;
    if (alias_satz != -1) alias_liste_laden(&e.alias, &e.hat_alias, alias_satz);
    return true;
}

void ebene_abbrechen()
{
    ebene_freigeben(ebenen[tiefe]);
    --tiefe;
}

}  // namespace

bool Read_Config_Open(int32_t modus, int32_t satz, int32_t alias_satz)
{
    if (modus < 0 || modus > 4) {
        Print_Fehler("Read_Config_Open: falscher Modus!");
        return false;
    }
    if (!saetze_gueltig(satz, alias_satz)) {
        Print_Fehler("Read_Config_Open: falscher Satz %d (Alias-Satz %d)!", satz, alias_satz);
        return false;
    }
    char name[512];
    if (satz == -1) dateiname(name, sizeof name, alias_satz, alias_name);
    else dateiname(name, sizeof name, satz, basis_namen[modus]);
    alias_meldungen = 0;
    liste_gemeldet = false;
    if (!ebene_oeffnen(satz == -1 ? -1 : alias_satz,
                       "Maximale Schachtelungstiefe für Config-Files überschritten\n"))
        return false;
    Ebene& e = ebenen[tiefe];
    e.text = datei_lesen(name, &e.groesse);
    if (!e.text) {
        ebene_abbrechen();
        return false;
    }
    kopf_probe = true;
    const char* erster = Read_Config_Read_Zeile(nullptr, true);
    kopf_probe = false;
    if (std::strcmp(erster, "CHECKSUMME") == 0) {
        e.gespeichert = uint32_t(Read_Config_Get_Wert());
        e.hat_summe = true;
    } else {
        ebene_zuruecksetzen(e);
    }
    e.summe = 1;
    e.index = 0;
    alias_status = 0;
    return true;
}

namespace {

// A level that reads the caller's text where it lies; it must stay until the level is closed.
bool text_leihen(const char* text, uint32_t laenge)
{
    if (!ebene_oeffnen(-1, "Achtung: Maximale Schachtelungstiefe für Config-Files überschritten\n")) return false;
    Ebene& e = ebenen[tiefe];
    e.text = reinterpret_cast<uint8_t*>(const_cast<char*>(text));
    e.geliehen = true;
    e.groesse = laenge;
    e.summe = 1;
    e.index = 0;
    return true;
}

}  // namespace

bool Read_Config_Open_Buffer(const char* text, uint32_t laenge, int32_t /*alias_modus*/,
                             int32_t /*ignoriert*/, int32_t alias_satz)
{
    if (!text && laenge) {
        Print_Fehler("Read_Config_Open_Buffer: text=NULL!");
        return false;
    }
    if (alias_satz < -1) {
        Print_Fehler("Read_Config_Open_Buffer: falscher Alias-Satz %d!", alias_satz);
        return false;
    }
    if (!ebene_oeffnen(alias_satz,
                       "Achtung: Maximale Schachtelungstiefe für Config-Files überschritten\n"))
        return false;
    Ebene& e = ebenen[tiefe];
    e.text = static_cast<uint8_t*>(Mem_Alloc(laenge, 0));
    if (!e.text) {
        ebene_abbrechen();
        return false;
    }
    if (laenge) std::memcpy(e.text, text, laenge);
    e.groesse = laenge;
    e.summe = 1;
    e.index = 0;
    return true;
}

void Read_Config_Close()
{
    if (tiefe < 0) return;
    ebene_freigeben(ebenen[tiefe]);
    --tiefe;
}

const char* Read_Config_Read_Zeile(const char* trenner, bool mit_wert)
{
    if (tiefe < 0) return "";
    Ebene& e = ebenen[tiefe];
    const Trenner* tr = &standard_trenner;
    if (trenner) {
        // A list is read with the same separators item by item: their table is made once.
        static char eigene_zeichen[16] = {};
        static Trenner eigene = trenner_aus("");
        if (std::strlen(trenner) >= sizeof eigene_zeichen) {
            static Trenner lang;
            lang = trenner_aus(trenner);
            tr = &lang;
        } else {
            if (std::strcmp(trenner, eigene_zeichen) != 0) {
                eigene = trenner_aus(trenner);
                std::strcpy(eigene_zeichen, trenner);
            }
            tr = &eigene;
        }
    }
    e.eintrag_start = e.pos;
    e.wert_zeiger = nullptr;
    // The keyword is read in capitals.
    if (!schlicht_lesen<false>(e, e.schluessel, *tr) && !token_lesen(e, e.schluessel, *tr, false, in_grossbuchstaben))
        return e.schluessel;
    ++e.index;
    if (mit_wert) {
        if (!schlicht_lesen<true>(e, e.wert, *tr)) token_lesen(e, e.wert, *tr, true, wie_gelesen);
        e.wert_zeiger = e.wert[0] ? e.wert : nullptr;
    } else {
        e.wert_zeiger = e.schluessel;
    }
    return e.schluessel;
}

int32_t Read_Config_Get_Wert()
{
    if (tiefe < 0) return 0;
    const char* roh = ebenen[tiefe].wert_zeiger;
    if (!roh) return 1;
    // A number, as nearly every value is: no word or alias to compare it with.
    const char* z = roh;
    while (*z == ' ' || *z == '\t') ++z;
    if ((*z >= '0' && *z <= '9') || *z == '-' || *z == '+') return zahl(z);
    // Blanks around a value are no part of it, as a number reads past them: the items of a
    // list "1, #NORD ,2" come with the blanks beside the commas.
    char w[READ_CONFIG_TOKEN];
    while (*roh == ' ' || *roh == '\t') ++roh;
    size_t n = std::strlen(roh);
    while (n > 0 && (roh[n - 1] == ' ' || roh[n - 1] == '\t')) --n;
    if (n >= sizeof w) n = sizeof w - 1;
    std::memcpy(w, roh, n);
    w[n] = 0;
    if (gleich_ohne_case(w, "JA")) return 1;
    if (gleich_ohne_case(w, "NEIN")) return 0;
    if (w[0] != '#') return zahl(w);
    Liste* aliase = aktuelle_alias_liste();
    if (!aliase) {
        alias_status = 2;
        if (!liste_gemeldet) {
            liste_gemeldet = true;
            Requester_Printf("Achtung: Alias-Liste nicht definiert !\n");
        }
        return zahl(w);
    }
    if (Liste_Element* a = Liste_Find_Name(aliase, w + 1)) return int32_t(a->key);
    alias_status = 1;
    if (alias_meldungen < 5 && (!start_option_abfrage || start_option_abfrage())) {
        ++alias_meldungen;
        Requester_Printf("Achtung: Alias '%s' nicht definiert !\n", w + 1);
    }
    return 1;
}

const char* Read_Config_Get_Wert_Text()
{
    if (tiefe < 0) return "";
    const Ebene& e = ebenen[tiefe];
    return e.wert_zeiger ? e.wert_zeiger : e.schluessel;
}

int32_t Read_Config_Get_Zeilennummer()
{
    if (tiefe < 0) return 0;
    const Ebene& e = ebenen[tiefe];
    return e.zeilenende ? e.zeile - 1 : e.zeile;
}

uint32_t Read_Config_Get_Groesse() { return tiefe < 0 ? 0 : ebenen[tiefe].groesse; }
uint32_t Read_Config_Get_Position() { return tiefe < 0 ? 0 : ebenen[tiefe].pos; }
int32_t Read_Config_Get_Alias_Status() { return alias_status; }
void Read_Config_Set_Pruefung(bool an) { pruefung = an; }
uint32_t Read_Config_Get_Summe() { return tiefe < 0 ? 0 : ebenen[tiefe].summe; }

void Read_Config_Ohne_Summe()
{
    if (tiefe >= 0) ebenen[tiefe].summe = 0;
}

bool Read_Config_Check_Summe(uint32_t* summe)
{
    if (!pruefung) return true;
    if (tiefe < 0) {
        Print_Fehler("Read_Config_Check_Summe: keine Datei offen!");
        return false;
    }
    const Ebene& e = ebenen[tiefe];
    if (summe) *summe = e.summe;
    if (e.hat_summe) return e.summe == e.gespeichert;
    Print_Log(0, "CHK:%u", e.summe);
    return true;
}

char* Read_Config_Get_Filenamen(int32_t modus, int32_t satz)
{
    if (modus < 0 || modus > 3) {
        Print_Fehler("Read_Config_Get_Filenamen: falscher Modus!");
        return nullptr;
    }
    char* s = Get_Temp_String();
    dateiname(s, TEMP_STRING_LAENGE, satz, basis_namen[modus]);
    return s;
}

const char* Read_Config_Get_Infotext(int32_t modus, int32_t satz)
{
    char* s = Get_Temp_String();
    std::snprintf(s, TEMP_STRING_LAENGE, "Keine Beschreibung");
    if (!Read_Config_Open(modus, satz, -1)) return s;
    for (int i = 0; i < 100; ++i) {
        const char* k = Read_Config_Read_Zeile(nullptr, true);
        if (!*k) break;
        if (gleich_ohne_case(k, "INFOTEXT")) {
            std::snprintf(s, TEMP_STRING_LAENGE, "%s", Read_Config_Get_Wert_Text());
            break;
        }
    }
    Read_Config_Close();
    return s;
}

int32_t Read_Config_Parse_Zahlen(const char* text, int32_t* feld, int32_t kapazitaet)
{
    if (!text || !feld || kapazitaet <= 0) {
        Print_Fehler("Read_Config_Parse_Zahlen: falsche Argumente!");
        return 0;
    }
    // A plain list (digits, signs and commas, shorter than a token, with a level free to read it)
    // reads the same without the level: empty items are passed over, each other one is its number.
    bool schlicht = tiefe + 1 < READ_CONFIG_EBENEN;
    size_t laenge = 0;
    for (; schlicht && text[laenge]; ++laenge) {
        const char c = text[laenge];
        schlicht = (c >= '0' && c <= '9') || c == ',' || c == '-' || c == '+';
    }
    if (schlicht && laenge < size_t(TOKEN_MAX)) {
        int32_t n = 0;
        for (const char* p = text; *p && n <= kapazitaet; ++p) {
            if (*p == ',') continue;
            if (n < kapazitaet) feld[n] = zahl(p);
            ++n;
            while (p[1] && p[1] != ',') ++p;
        }
        // one too many: the level's reading reports it
        if (n <= kapazitaet) return n;
    }
    // The numbers are read from the text where it lies: it stays as it is until they are.
    if (!text_leihen(text, uint32_t(std::strlen(text)))) return 0;
    int32_t n = 0;
    while (*Read_Config_Read_Zeile(",", false)) {
        if (n == kapazitaet) {
            Print_Fehler("Read_Config_Parse_Zahlen: mehr als %d Zahlen!", kapazitaet);
            break;
        }
        feld[n++] = Read_Config_Get_Wert();
    }
    Read_Config_Close();
    return n;
}

Liste* Read_Config_Load_Alias_Liste(int32_t /*modus*/, int32_t alias_satz)
{
    Read_Config_Free_Alias_Liste();
    if (!alias_liste_laden(&globale_alias, &globale_alias_da, alias_satz)) return nullptr;
    return &globale_alias;
}

void Read_Config_Free_Alias_Liste()
{
    if (globale_alias_da) Liste_Delete_All(&globale_alias);
    globale_alias_da = false;
}

const char* Read_Config_Get_Alias(int32_t nummer)
{
    if (!globale_alias_da) return nullptr;
    Liste_Element* a = Liste_Find_Key(&globale_alias, uint32_t(nummer));
    return a ? static_cast<const char*>(a->data) : nullptr;
}

Read_Config_Woerter::Read_Config_Woerter(const char* const* woerter, int32_t anzahl) : woerter_(woerter)
{
    anzahl = std::min<int32_t>(anzahl, int32_t(HOECHSTENS));
    uint16_t zahl[FAECHER] = {};
    for (int32_t i = 0; i < anzahl; ++i)
        if (woerter[i][0]) ++zahl[fach(woerter[i])];
    anfang_[0] = 0;
    for (uint32_t f = 0; f < FAECHER; ++f) anfang_[f + 1] = uint16_t(anfang_[f] + zahl[f]);
    uint16_t frei[FAECHER];
    std::memcpy(frei, anfang_, sizeof frei);
    for (int32_t i = 0; i < anzahl; ++i)
        if (woerter[i][0]) folge_[frei[fach(woerter[i])]++] = int16_t(i);
}
