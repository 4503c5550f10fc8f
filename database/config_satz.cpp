#include "database/config_satz.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "database/spieler.h"
#include "database/team.h"
#include "platform/config_datei.h"
#include "platform/disk.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/read_config.h"
#include "platform/string_util.h"

namespace {

using Eintraege = std::vector<std::pair<std::string, std::string>>;

constexpr const char* FARB_WORTE[12] = {
    "F_TRIKOT_SPIELER", "F_AUSW_TRIKOT_SPIELER", "F_ALTERN_TRIKOT_SPIELER", "F_HOSE_SPIELER",
    "F_AUSW_HOSE_SPIELER", "F_ALTERN_HOSE_SPIELER", "F_TRIKOT_WERBUNG", "F_HOSE_STREIFEN",
    "F_TRIKOT_TORWART", "F_HOSE_TORWART", "F_TRIKOT_TRAINER", "F_HOSE_TRAINER",
};
// Face fields are taken only above 0: a code with every drawn field 0 carries bit 28, which no
// part reads; bit 31 (the user picture) comes from the picture file, never from the set.
constexpr uint32_t GESICHT_TRAEGER = 0x10000000u, GESICHT_BILD = 0x80000000u;

std::string zitiert(const char* t) { return std::string("\"") + (t ? t : "") + "\""; }

bool trenner(unsigned char c) { return c == ' ' || c == 0xA0 || c == '\t'; }

// One line of the file: where its keyword and value stand (offsets into the text), when the
// line's first token lies outside sections and comments.
struct Zeile {
    size_t anfang, ende;        // the line without its line end
    size_t ende_mit_umbruch;
    std::string_view wort;      // the keyword as written, empty for none (compared upper-cased)
    size_t wert_anfang = 0, wert_ende = 0;  // empty span: no value
    bool hat_wert = false;
    size_t wort_ende = 0;
};

// The line starting at offset i; `tiefe` carries the section depth from line to line.
Zeile zeile_lesen(const std::string& t, size_t i, int32_t& tiefe)
{
    Zeile z{};
    z.anfang = i;
    size_t e = t.find('\n', i);
    const size_t naechste = e == std::string::npos ? t.size() : e + 1;
    if (e == std::string::npos) e = t.size();
    if (e > i && t[e - 1] == '\r') --e;
    z.ende = e;
    z.ende_mit_umbruch = naechste;
    // tokens at depth 0 outside comments; quotes end with the line
    bool zitat = false;
    int32_t token = 0;
    size_t k = i;
    while (k < e) {
        const unsigned char c = static_cast<unsigned char>(t[k]);
        if (!zitat && c == '[') ++tiefe, ++k;
        else if (!zitat && c == ']' && tiefe > 0) --tiefe, ++k;
        else if (tiefe > 0) ++k;
        else if (!zitat && c == ';') break;
        else if (!zitat && trenner(c)) ++k;
        else {
            const size_t start = k;
            if (c == '"') {
                const size_t q = t.find('"', k + 1);
                k = q == std::string::npos || q >= e ? e : q + 1;
            } else {
                while (k < e && !trenner(static_cast<unsigned char>(t[k])) && t[k] != ';' && t[k] != '[' &&
                       t[k] != '"')
                    ++k;
            }
            if (token == 0) {
                z.wort = std::string_view(t).substr(start, k - start);
                z.wort_ende = k;
            } else if (token == 1) {
                z.wert_anfang = start;
                z.wert_ende = k;
                z.hat_wert = true;
            }
            ++token;
            if (token >= 2) break;
        }
    }
    // a section opened on this line may close further on: keep counting to the line end
    for (; k < e; ++k) {
        if (t[k] == ';' && tiefe == 0 && !zitat) break;
        if (t[k] == '[') ++tiefe;
        else if (t[k] == ']' && tiefe > 0) --tiefe;
    }
    return z;
}

std::string wert_ohne_zitat(const std::string& v)
{
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') return v.substr(1, v.size() - 2);
    return v;
}

// The reader upper-cases keywords (a-z only).
bool gleich(std::string_view w, std::string_view soll)
{
    if (w.size() != soll.size()) return false;
    for (size_t i = 0; i < w.size(); ++i) {
        const char c = w[i] >= 'a' && w[i] <= 'z' ? char(w[i] - 'a' + 'A') : w[i];
        if (c != soll[i]) return false;
    }
    return true;
}

bool ende_wort(std::string_view w)
{
    return gleich(w, "NUMMER") || gleich(w, "NEUER_SPIELER") || gleich(w, "NEUES_TEAM") || gleich(w, "LETZTER_SPIELER") ||
           gleich(w, "LETZTES_TEAM");
}

// What the reader sees in a text: its blocks, the last number, its sum, and the last value of
// each entry of the edited blocks.
struct Gelesen {
    int32_t bloecke = 0, letzter = -1;
    uint32_t summe = 0;
    std::map<std::pair<int32_t, std::string>, std::string> werte;
};

bool lesen(const std::string& text, const std::map<int32_t, Eintraege>* bloecke, Gelesen* g)
{
    if (!Read_Config_Open_Buffer(text.data(), uint32_t(text.size()), -1, 0, -1)) return false;
    int32_t block = -1;
    bool gesucht = false;
    for (const char* w = Read_Config_Read_Zeile(nullptr, true); *w; w = Read_Config_Read_Zeile(nullptr, true)) {
        if (std::strcmp(w, "NUMMER") == 0) {
            block = Read_Config_Get_Wert();
            ++g->bloecke;
            gesucht = bloecke && bloecke->count(block);
        } else if (std::strcmp(w, "LETZTER_SPIELER") == 0 || std::strcmp(w, "LETZTES_TEAM") == 0) {
            g->letzter = Read_Config_Get_Wert();
        } else if (gesucht) {
            const char* wt = Read_Config_Get_Wert_Text();
            g->werte[{block, w}] = wt ? wt : "";
        }
    }
    g->summe = Read_Config_Get_Summe();
    Read_Config_Close();
    return true;
}

// The body behind the CHECKSUMME line, and that line (only comments and empty lines may stand
// before it).
std::string rumpf(const std::string& text, std::string* kopf)
{
    size_t i = 0;
    while (i < text.size()) {
        size_t e = text.find('\n', i);
        e = e == std::string::npos ? text.size() : e + 1;
        size_t k = i;
        while (k < e && trenner(static_cast<unsigned char>(text[k]))) ++k;
        const bool leer = k >= e || text[k] == '\r' || text[k] == '\n' || text[k] == ';';
        if (!leer) {
            if (text.compare(k, 10, "CHECKSUMME") == 0) {
                if (kopf) *kopf = text.substr(i, e - i);
                return text.substr(0, i) + text.substr(e);
            }
            break;
        }
        i = e;
    }
    if (kopf) kopf->clear();
    return text;
}

std::string mit_summe(const std::string& body, uint32_t summe, const std::string& alter_kopf)
{
    const bool crlf = alter_kopf.size() >= 2 && alter_kopf.compare(alter_kopf.size() - 2, 2, "\r\n") == 0;
    return Config_Summenzeile_Aus(summe, 0, crlf ? "\r\n" : "\n") + body;
}

bool bloecke_aendern(std::string* text, const std::map<int32_t, Eintraege>& bloecke, int32_t* fehlt);

struct Datei_Plan {
    const char* block_wort;
    std::map<int32_t, Eintraege> bloecke;
};

// The changed body as the reader sees it: the blocks and the last number as before, and each
// written value as written. The replacement then makes sure the bytes on disk are these bytes.
bool pruefen(const Gelesen& vorher, const Gelesen& nachher, const Datei_Plan& plan, std::string* grund)
{
    if (vorher.bloecke != nachher.bloecke || vorher.letzter != nachher.letzter) {
        *grund = "die Zahl der Einträge hat sich verändert";
        return false;
    }
    for (const auto& [nummer, eintraege] : plan.bloecke)
        for (const auto& [wort, wert] : eintraege) {
            const auto w = nachher.werte.find({nummer, wort});
            if (w == nachher.werte.end() || w->second != wert_ohne_zitat(wert)) {
                *grund = "der Eintrag " + wort + " liest sich anders zurück";
                return false;
            }
        }
    return true;
}

// The body each file got at its last save and what the reader saw in it: an editor saves the
// same set again and again, and a file still holding those bytes needs no second reading.
struct Zuletzt {
    std::string body;
    Gelesen gelesen;
};
std::map<std::string, Zuletzt> zuletzt;

bool datei_speichern(int32_t modus, int32_t satz, const Datei_Plan& plan, std::string* grund)
{
    if (plan.bloecke.empty()) return true;
    const char* name = Read_Config_Get_Filenamen(modus, satz);
    if (!name) {
        *grund = "Satz " + std::to_string(satz + 1) + " gibt es nicht";
        return false;
    }
    const std::string pfad = name;
    uint32_t laenge = 0;
    uint8_t* roh = Disk_Lese_Datei(pfad.c_str(), &laenge);
    if (!roh) {
        *grund = pfad + " ist nicht lesbar";
        return false;
    }
    const std::string alt(reinterpret_cast<const char*>(roh), laenge);
    Mem_Free(roh, 0);
    std::string kopf;
    const std::string alt_body = rumpf(alt, &kopf);
    Gelesen vorher;
    const auto z = zuletzt.find(pfad);
    if (z != zuletzt.end() && z->second.body == alt_body) {
        vorher.bloecke = z->second.gelesen.bloecke;
        vorher.letzter = z->second.gelesen.letzter;
    } else if (!lesen(alt_body, nullptr, &vorher)) {
        *grund = pfad + " ist nicht lesbar";
        return false;
    }
    std::string body = alt_body;
    int32_t fehlt = -1;
    if (!bloecke_aendern(&body, plan.bloecke, &fehlt)) {
        *grund = "Nummer " + std::to_string(fehlt) + " fehlt in " + pfad;
        return false;
    }
    // one reading of the new body gives both its sum and the check of what was written
    Gelesen nachher;
    if (!lesen(body, &plan.bloecke, &nachher)) {
        *grund = "die Datei ist nicht lesbar";
        return false;
    }
    if (!pruefen(vorher, nachher, plan, grund)) return false;
    // the header comment lines before CHECKSUMME (when any) keep their place
    const std::string inhalt = mit_summe(body, nachher.summe, kopf);
    zuletzt.erase(pfad);
    if (!Config_Datei_Ersetzen(pfad, inhalt, nullptr, grund)) return false;
    zuletzt[pfad] = Zuletzt{std::move(body), std::move(nachher)};
    return true;
}

}  // namespace

Eintraege Config_Satz_Spieler_Eintraege(int32_t spnr, const Config_Satz_Aenderung& a)
{
    Eintraege e;
    if (spnr < 0 || spnr >= Spieler_Anzahl) return e;
    e.emplace_back("NAME", zitiert(Spieler_String(SP_NAME, spnr, nullptr, 0)));
    if (auto v = a.vornamen.find(spnr); v != a.vornamen.end()) e.emplace_back("VORNAME", zitiert(v->second.c_str()));
    const int32_t nation = Spieler_Wert(SP_NATION, spnr, 0, 0);
    const char* land = nation >= 0 && nation < Team_Anzahl ? Team_String(TEAM_NAME_ROH, nation, nullptr, 0) : nullptr;
    if (land && *land) e.emplace_back("NATION", zitiert(land));
    const int32_t pos = Spieler_Wert(SP_LIEBLINGSPOS, spnr, 0, 0);
    if (pos == 459) e.emplace_back("LIEBLINGSPOS", "99,99");
    else if (pos >= 0 && pos < 459) e.emplace_back("LIEBLINGSPOS", std::to_string(pos / 17) + "," + std::to_string(pos % 17));
    const uint32_t code = (uint32_t(Spieler_Wert(SP_GESICHT, spnr, 0, 0)) & ~GESICHT_BILD) | GESICHT_TRAEGER;
    e.emplace_back("GESICHT", std::to_string(code));
    e.emplace_back("HAARFARBE", std::to_string(Spieler_Wert(SP_HAARFARBE, spnr, 0, 0)));
    e.emplace_back("HAUTFARBE", std::to_string(Spieler_Wert(SP_HAUTFARBE, spnr, 0, 0)));
    e.emplace_back("RUECKENNUMMER", std::to_string(Spieler_Wert(SP_RUECKENNUMMER, spnr, 0, 0)));
    e.emplace_back("BILDNUMMER", std::to_string(Spieler_Wert(SP_BILDNUMMER, spnr, 0, 0)));
    return e;
}

Eintraege Config_Satz_Team_Eintraege(int32_t team)
{
    Eintraege e;
    if (team < 0 || team >= Team_Anzahl) return e;
    auto text = [&](const char* wort, int32_t feld) {
        const char* t = Team_String(feld, team, nullptr, 0);
        e.emplace_back(wort, zitiert(t));
    };
    text("NAME", TEAM_NAME_ROH);
    text("KURZNAME", TEAM_KURZNAME_ROH);
    text("STADION_NAME", TEAM_STADION_NAME);
    text("STADT", TEAM_STADT);
    const int32_t nation = Team_Wert(TEAM_NATION, team, 0, 0);
    const char* land = nation >= 0 && nation < Team_Anzahl ? Team_String(TEAM_NAME_ROH, nation, nullptr, 0) : nullptr;
    if (land && *land) e.emplace_back("NATION", zitiert(land));
    e.emplace_back("GRAFIK_NR", std::to_string(Team_Wert(TEAM_GRAFIK_NR, team, 0, 0)));
    if (const auto* f = static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, team, nullptr, 0)))
        for (int32_t k = 0; k < 12; ++k)
            e.emplace_back(FARB_WORTE[k], std::to_string(f[3 * k]) + "," + std::to_string(f[3 * k + 1]) + "," +
                                              std::to_string(f[3 * k + 2]));
    return e;
}

namespace {

// Every block's entries replaced or added in one walk over the lines; false when a block is
// missing (the text is then unchanged).
bool bloecke_aendern(std::string* text, const std::map<int32_t, Eintraege>& bloecke, int32_t* fehlt)
{
    const std::string& t = *text;
    struct Ersatz {
        size_t an, laenge;
        std::string neu;
    };
    std::vector<Ersatz> ersatz;
    std::map<int32_t, bool> gefunden;
    // the lines of the block being edited, its NUMMER line first, up to the next block's start
    std::vector<Zeile> block;
    const Eintraege* eintraege = nullptr;
    auto block_aendern = [&]() {
        size_t letzte = 0;
        for (size_t i = 0; i < block.size(); ++i)
            if (!block[i].wort.empty()) letzte = i;
        const std::string umbruch = t.substr(block[0].ende, block[0].ende_mit_umbruch - block[0].ende);
        const std::string zeilenende = umbruch.empty() ? "\n" : umbruch;
        std::string anhang;
        for (const auto& [wort, wert] : *eintraege) {
            bool da = false;
            for (const Zeile& z : block) {
                if (!gleich(z.wort, wort)) continue;
                da = true;
                if (z.hat_wert) ersatz.push_back({z.wert_anfang, z.wert_ende - z.wert_anfang, wert});
                else ersatz.push_back({z.wort_ende, 0, " " + wert});
            }
            if (!da) anhang += wort + " " + wert + zeilenende;
        }
        if (!anhang.empty()) {
            const Zeile& l = block[letzte];
            // a last line without a line end gets one before the additions
            if (l.ende_mit_umbruch == l.ende) anhang = zeilenende + anhang;
            ersatz.push_back({l.ende_mit_umbruch, 0, anhang});
        }
        block.clear();
        eintraege = nullptr;
    };
    int32_t tiefe = 0;
    for (size_t i = 0; i < t.size();) {
        const Zeile z = zeile_lesen(t, i, tiefe);
        i = z.ende_mit_umbruch;
        if (eintraege) {
            if (!ende_wort(z.wort)) {
                block.push_back(z);
                continue;
            }
            block_aendern();
        }
        if (!gleich(z.wort, "NUMMER") || !z.hat_wert) continue;
        const std::string nr = t.substr(z.wert_anfang, z.wert_ende - z.wert_anfang);
        char* ende = nullptr;
        const long nummer = std::strtol(nr.c_str(), &ende, 10);
        if (!ende || *ende) continue;
        const auto b = bloecke.find(int32_t(nummer));
        if (b == bloecke.end() || gefunden[b->first]) continue;
        gefunden[b->first] = true;
        eintraege = &b->second;
        block.push_back(z);
    }
    if (eintraege) block_aendern();
    for (const auto& b : bloecke)
        if (!gefunden[b.first]) {
            if (fehlt) *fehlt = b.first;
            return false;
        }
    // from the back, so that the earlier offsets stay right
    std::sort(ersatz.begin(), ersatz.end(), [](const Ersatz& a, const Ersatz& b) { return a.an > b.an; });
    for (const Ersatz& e : ersatz) text->replace(e.an, e.laenge, e.neu);
    return true;
}

}  // namespace

bool Config_Satz_Text_Aendern(std::string* text, const char* block_wort, int32_t nummer, const Eintraege& eintraege)
{
    if (!text || !block_wort) return false;
    return bloecke_aendern(text, {{nummer, eintraege}}, nullptr);
}

bool Config_Satz_Speichern(int32_t satz, const Config_Satz_Aenderung& a, std::string* grund)
{
    std::string g;
    Datei_Plan spieler{"NEUER_SPIELER", {}}, teams{"NEUES_TEAM", {}};
    for (int32_t p : a.spieler) spieler.bloecke[p] = Config_Satz_Spieler_Eintraege(p, a);
    for (int32_t t : a.teams) teams.bloecke[t] = Config_Satz_Team_Eintraege(t);
    const bool ok = datei_speichern(0, satz, spieler, &g) && datei_speichern(1, satz, teams, &g);
    if (!ok) {
        Print_Fehler("Config_Satz_Speichern: %s", g.c_str());
        Requester_Printf("Die Konfiguration wurde nicht gespeichert: %s. Die bisherige Datei bleibt unverändert.",
                         g.c_str());
    }
    if (grund) *grund = g;
    return ok;
}
