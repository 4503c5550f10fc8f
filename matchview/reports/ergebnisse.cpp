// The heading of the report pages and the result lines of a competition's match day.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <string>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "graphics/font.h"
#include "match/spieltag.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/reports/bericht_seite.h"
#include "matchview/spieltagbericht.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"
#include "platform/temp.h"

namespace {

// One-column layouts by game count: up to 9, 10-12 and 13-16 games.
struct Spalte_Layout {
    int32_t bis, zeile, wappen, wappen_dy, font, breite, tore_dy, zusatz_dy, mitte;
};
constexpr Spalte_Layout EINSPALTIG[] = {
    {9, 43, 0, 0, 6, 16, 6, 0, 296},
    {12, 34, 30, 4, 6, 16, 6, 0, 286},
    {16, 24, 22, 8, 7, 8, 0, 4, 286},
};
constexpr int32_t ZWEISPALTIG_BIS = 32;

struct Spiel {
    int32_t h;
    Spiele_Spiel m;
    Spiele_Stand stand;  // the score after extra time, a shoot-out apart
};

// The games of the competition's current match day whose records can be had.
std::vector<Spiel> spiele_von(int32_t wettbewerb)
{
    std::vector<Spiel> v;
    int32_t spiele[SPIELTAG_TAGESLISTE] = {};
    if (!Spieltag_Get_Spiele(wettbewerb, spiele)) return v;
    for (int32_t i = 1; i <= spiele[0] && i < SPIELTAG_TAGESLISTE; ++i)
        if (const Spiele_Spiel* m = Spiele_Get_Spiel(spiele[i], 1)) v.push_back({spiele[i], *m, Spiele_Get_Stand(m)});
    return v;
}

const char* tore_format(bool heim_breit, bool gast_breit, bool gespielt)
{
    if (!gespielt) return "^c%05d^tr%04d^fb%04d-:-^fe";
    if (heim_breit && gast_breit) return "^c%05d^tr%04d^fb%04d%2d:%2d^fe";
    if (heim_breit) return "^c%05d^tr%04d^fb%04d%2d:%d^fe";
    if (gast_breit) return "^c%05d^tr%04d^fb%04d%d:%2d^fe";
    return "^c%05d^tr%04d^fb%04d%d:%d^fe";
}

// The result lines' names: font, the small font of an away name short of room, where the away
// name starts and its gap to the score.
constexpr int32_t NAMEN_FONT = 8, KLEIN_FONT = 9, GAST_X = 330, ABSTAND = 4;

// Left edge of a score drawn right-aligned at `rechts` (its text after the alignment code).
int32_t tore_links(const std::string& tore, int32_t font, int32_t rechts)
{
    const size_t ab = tore.find("^fb");
    Font_Record* f = Font(font);
    return rechts - (f && ab != std::string::npos ? Font_Text_Breite(f, tore.c_str() + ab) : 0);
}

// The first leg seen from this game's home side; false when there is none.
bool hinspiel(const Spiel& s, int32_t* heim, int32_t* gast)
{
    const int32_t h = Spiele_Get_Hinspiel(s.h);
    const Spiele_Spiel* m = h ? Spiele_Get_Spiel(h, 1) : nullptr;
    if (!m || m->heim_tore < 0) return false;
    const bool gleich = m->heim == s.m.heim;
    *heim = gleich ? m->heim_tore : m->gast_tore;
    *gast = gleich ? m->gast_tore : m->heim_tore;
    return true;
}

}  // namespace

Spieltagbericht_Name Spieltagbericht_Gast_Name(int32_t team, int32_t platz)
{
    Spieltagbericht_Name n{NAMEN_FONT, {}};
    const char* lang = Team_String(TEAM_NAME, team, nullptr, 0);
    const char* kurz = Team_String(TEAM_KURZNAME, team, nullptr, 0);
    const auto breite = [](int32_t font, const char* t) { return Font(font) ? Font_Text_Breite(Font(font), t ? t : "") : 0; };
    for (const auto& [font, text] : {std::pair{NAMEN_FONT, lang}, std::pair{NAMEN_FONT, kurz}, std::pair{KLEIN_FONT, kurz}})
        if (breite(font, text) <= platz) {
            n.font = font;
            std::snprintf(n.text, sizeof n.text, "%s", text ? text : "");
            return n;
        }
    // cut in the small font, its point telling the reader that letters are missing
    n.font = KLEIN_FONT;
    char rest[sizeof n.text];
    Spielszenen_Text_Kuerzen(rest, sizeof rest, kurz, KLEIN_FONT, platz - breite(KLEIN_FONT, "."));
    // the point goes inside a bold run the cut closed, and never doubles one the name cut ends on
    std::string name = rest, zu;
    if (name.size() >= 3 && name.compare(name.size() - 3, 3, "^be") == 0) {
        zu = "^be";
        name.resize(name.size() - 3);
    }
    if (!name.empty() && name.back() == '.') name.pop_back();
    std::snprintf(n.text, sizeof n.text, "%s.%s", name.c_str(), zu.c_str());
    return n;
}

void Spieltagbericht_Kopf(int32_t wettbewerb, const char* titel)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(wettbewerb);
    const int32_t tag = info ? info->spieltag : 0;
    const char* zweiter = Temp_Sprintf("%s, %s", Wettbewerb_Get_Anzeigename(wettbewerb), Wettbewerb_Get_Rundentext(wettbewerb, tag));
    const int32_t weiss = bericht::farbe(15, 15, 15);
    bericht::text_mit_schatten(11, 0, 28, Temp_Sprintf("^ub^c%05d^tz0320%s^ue", weiss, titel));
    bericht::text_mit_schatten(11, 0, 52, Temp_Sprintf("^c%05d^tz0320%s", weiss, zweiter));
    const int32_t nummer = bericht::BILD_WETTBEWERB + Wettbewerb_Get_Grafik_Nummer(wettbewerb);
    const int32_t t = Font(7) ? Font_Text_Breite(Font(7), zweiter) : 0;
    // The picture stands left of the centred second line; its width is known once it is loaded.
    const int32_t handle = ResFile_Handles[0].handle;
    int32_t w = 0;
    if (handle >= 0 && bericht::seite())
        if (auto* b = static_cast<Rastport*>(Load_Resource(handle, nummer, bericht::seite()->depth, nullptr))) {
            w = int32_t(b->width);
            Grafik_Bitmap_Freigeben(b);
        }
    bericht::bild(nummer, 310 - w - t / 2, 28);
}

// Where the score of a two-column page ends, from the column's left.
constexpr int32_t ZWEISPALTIG_TORE = 206;

void Spieltagbericht_Ergebniszeilen(int32_t wettbewerb)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(wettbewerb);
    if (!info) return;
    const std::vector<Spiel> spiele = spiele_von(wettbewerb);
    const int32_t n = int32_t(spiele.size());
    if (n == 0 || n > ZWEISPALTIG_BIS) return;
    const bool ko = info->modus & KO_SYSTEM;
    const bool zwei_beine = info->runde > 0;
    bool heim_breit = false, gast_breit = false;
    for (const Spiel& s : spiele) {
        heim_breit |= s.stand.heim > 9;
        gast_breit |= s.m.heim_tore >= 0 && s.stand.gast > 9;
    }
    const int32_t weiss = bericht::farbe(15, 15, 15), grau = bericht::farbe(11, 11, 11), hell = bericht::farbe(13, 13, 13);

    if (n <= 16) {
        const Spalte_Layout& l = *std::find_if(std::begin(EINSPALTIG), std::end(EINSPALTIG),
                                               [n](const Spalte_Layout& k) { return n <= k.bis; });
        const int32_t basis = ko ? 50 : 70;
        int32_t y = l.mitte - n * l.zeile / 2;
        for (const Spiel& s : spiele) {
            const int32_t sieger = Wettbewerb_Get_Paarung_Sieger(wettbewerb, info->runde, s.m.slot, -1);
            bericht::wappen(s.m.heim, 116, y - 24 + l.wappen_dy, l.wappen);
            const int32_t wg = bericht::wappen(s.m.gast, 326, y - 24 + l.wappen_dy, l.wappen);
            if (bericht::seite()) {
                const int32_t strich_x = 326 - wg - 20;
                Grafik_Rechteck_Fuellen(bericht::seite(), strich_x + 2, y - 4, 6, 3, 1);
                Grafik_Rechteck_Fuellen(bericht::seite(), strich_x, y - 6, 6, 3, uint16_t(weiss));
            }
            const bool gespielt = s.m.heim_tore >= 0;
            const std::string tore = Temp_Sprintf(tore_format(heim_breit, gast_breit, gespielt), weiss, basis + 380,
                                                  l.breite, s.stand.heim, s.stand.gast);
            // The away name has the room up to its score: the full name, or the club's short one
            // (in the small font where needed).
            const int32_t platz = tore_links(tore, l.font, basis + 380) - GAST_X - ABSTAND;
            const Spieltagbericht_Name gast = Spieltagbericht_Gast_Name(s.m.gast, platz);
            const bool eine_zeile = gast.font == NAMEN_FONT;
            const int32_t gast_farbe = sieger == s.m.gast ? weiss : grau;
            bericht::text_mit_schatten(
                NAMEN_FONT, 120, y,
                Temp_Sprintf("^c%05d^tl%04d%s^c%05d^tl%04d%s^tl%04d%s", sieger == s.m.heim ? weiss : grau, 4,
                             Team_String(TEAM_NAME, s.m.heim, nullptr, 0), gast_farbe, GAST_X - 120,
                             eine_zeile ? gast.text : "", 0, ""));
            if (!eine_zeile) bericht::text_mit_schatten(gast.font, GAST_X, y, Temp_Sprintf("^c%05d%s", gast_farbe, gast.text));
            bericht::text_mit_schatten(l.font, 0, y + l.tore_dy, tore.c_str());
            int32_t hh = 0, hg = 0;
            const bool erstes = zwei_beine && hinspiel(s, &hh, &hg);
            if (erstes)
                bericht::text_mit_schatten(l.font, 0, y + l.tore_dy,
                                           Temp_Sprintf("^c%05d^tl%04d^fb%04d(%d:%d)^fe", weiss, basis + 390, 6, hh, hg));
            const char* zusatz = Spiele_Ergebnis_Text_Bauen(&s.m, 0);
            if (zusatz && *zusatz)
                bericht::text_mit_schatten(0, 0, y + l.tore_dy + l.zusatz_dy - (erstes ? 14 : 6),
                                           Temp_Sprintf("^c%05d^tl%04d%s", weiss, basis + 392, zusatz));
            y += l.zeile;
        }
        return;
    }

    const int32_t links = n / 2;
    for (int32_t i = 0; i < n; ++i) {
        const Spiel& s = spiele[size_t(i)];
        const int32_t x = i < links ? 44 : 364;
        const int32_t y = 286 - links * 24 / 2 + (i < links ? i : i - links) * 24;
        bericht::wappen(s.m.heim, x - 4, y - 16, 22);
        bericht::wappen(s.m.gast, x + 106, y - 16, 22);
        const bool gespielt = s.m.heim_tore >= 0;
        const int32_t hf = !gespielt || s.m.heim_tore > s.m.gast_tore ? weiss : hell;
        const int32_t gf = !gespielt || s.m.gast_tore > s.m.heim_tore ? weiss : hell;
        // The score ends short of the column's end and the note ("n.V.", "n.E. 3:4") follows it
        // with a gap: at the score's own end the note ran into it and past the page's edge.
        bericht::text_mit_schatten(7, x, y,
                                   Temp_Sprintf("^c%05d^tl%04d%s^c%05d^tl%04d%s^tl%04d%s", hf, 4,
                                                Team_String(TEAM_KURZNAME, s.m.heim, nullptr, 0), gf, 110,
                                                Team_String(TEAM_KURZNAME, s.m.gast, nullptr, 0), ZWEISPALTIG_TORE + 6,
                                                Spiele_Ergebnis_Text_Bauen(&s.m, 0)));
        bericht::text_mit_schatten(7, x, y,
                                   Temp_Sprintf(tore_format(heim_breit, gast_breit, gespielt), weiss, ZWEISPALTIG_TORE, 6,
                                                s.stand.heim, s.stand.gast));
        int32_t hh = 0, hg = 0;
        if (zwei_beine && hinspiel(s, &hh, &hg))
            bericht::text_mit_schatten(7, x, y, Temp_Sprintf("^c%05d^tr%04d^fb%04d(%d:%d)^fe", weiss, 266, 6, hh, hg));
    }
}
