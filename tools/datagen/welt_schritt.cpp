// The step "welt": writes the generated world as the numbered configuration files of players,
// teams and staff, in exactly the forms the game's readers take.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/datagen/datagen.h"
#include "tools/datagen/welt.h"
#include "tools/datagen/welt_datei.h"

namespace {

const char* const KONTINENTE[] = {"Europa", "Asien", "Südamerika", "Nordamerika", "Afrika", "Australien"};
const char* const FARB_WOERTER[] = {"F_TRIKOT_SPIELER", "F_AUSW_TRIKOT_SPIELER", "F_ALTERN_TRIKOT_SPIELER",
                                    "F_HOSE_SPIELER", "F_AUSW_HOSE_SPIELER", "F_ALTERN_HOSE_SPIELER",
                                    "F_TRIKOT_WERBUNG", "F_HOSE_STREIFEN", "F_TRIKOT_TORWART",
                                    "F_HOSE_TORWART", "F_TRIKOT_TRAINER", "F_HOSE_TRAINER"};
const char* const ATTRIBUT_WOERTER[] = {"KRAFT", "AUSDAUER", "ZWEIKAMPF", "ÜBERSICHT", "TAKT_VERST",
                                        "TEAMGEIST", "SPRITZIGKEIT", "DRIBBLING", "TORSCHUSS"};
const char* const UNSICHTBAR_WOERTER[] = {"FLANKEN", "FREISTOß", "ELFMETER", "ECKEN", "KOPFBALLST",
                                          "TORINSTINKT", "ROBUSTHEIT", "NERVENST", "AGGRESSIV",
                                          "VEREINSTREUE", "ALLROUNDER", "ERFAHRUNG", "REFLEXE",
                                          "HERAUSLAUFEN", "STRAFRAUM"};

// A SPIELER value stays well below the reader's limit for one list; longer squads (the youth
// team of the large world) continue on further SPIELER lines, which the reader appends.
constexpr size_t SPIELER_PRO_ZEILE = 300;


Welt_Datei team_datei(const Welt& w)
{
    Welt_Datei d;
    d.kopf("Teams der generierten Welt");
    d.zahl("LETZTES_TEAM", static_cast<int32_t>(w.teams.size()) - 1);
    for (const auto& t : w.teams) {
        d.leer();
        d.schluessel("NEUES_TEAM");
        d.zahl("NUMMER", t.nummer);
        d.text("NAME", t.name);
        d.text("KURZNAME", t.kurzname);
        if (t.art == Welt_Team_Art::Land) {
            d.schluessel("LANDNAME");
            if (t.nationalteam) d.schluessel("NATIONALTEAM");
        }
        if (t.art != Welt_Team_Art::Transfermarkt && t.art != Welt_Team_Art::Jugend)
            d.text("NATION", w.teams[t.nation].name);
        if (t.art == Welt_Team_Art::Verein) {
            d.text("STADT", t.stadt);
            d.text("STADION_NAME", t.stadion);
            d.zahl("STADION_SITZPL", t.sitzplaetze);
            d.zahl("STADION_STEHPL", t.stehplaetze);
        }
        d.text("KONTINENT", KONTINENTE[t.kontinent]);
        d.zahl("GRAFIK_NR", t.grafik_nr);
        d.zahl("STAERKE_TOR", t.staerke[0]);
        d.zahl("STAERKE_ABW", t.staerke[1]);
        d.zahl("STAERKE_MIT", t.staerke[2]);
        d.zahl("STAERKE_STU", t.staerke[3]);
        d.zahl("STAERKE_VARIANZ", t.varianz);
        d.zahl("KONDITION", t.kondition);
        d.zahl("TECHNIK", t.technik);
        d.zahl("INTELLIGENZ", t.intelligenz);
        d.zahlen("KLIMA", {t.klima[0], t.klima[1], t.klima[2]});
        for (int k = 0; k < 12; ++k)
            d.zahlen(FARB_WOERTER[k], {t.farben[k][0], t.farben[k][1], t.farben[k][2]});
        for (size_t i = 0; i < t.spieler.size(); i += SPIELER_PRO_ZEILE) {
            size_t ende = std::min(t.spieler.size(), i + SPIELER_PRO_ZEILE);
            d.zahlen("SPIELER", std::vector<int32_t>(t.spieler.begin() + static_cast<long>(i),
                                                     t.spieler.begin() + static_cast<long>(ende)));
        }
    }
    return d;
}

Welt_Datei spieler_datei(const Welt& w)
{
    Welt_Datei d;
    d.kopf("Spieler der generierten Welt");
    d.zahl("LETZTER_SPIELER", static_cast<int32_t>(w.spieler.size()) - 1);
    for (const auto& p : w.spieler) {
        d.leer();
        d.schluessel("NEUER_SPIELER");
        d.zahl("NUMMER", p.nummer);
        d.text("NAME", p.name);
        d.text("VORNAME", p.vorname);
        d.text("NATION", w.teams[p.nation].name);
        d.zahl("GROESSE", p.groesse);
        d.zahl("ALTER", p.alter);
        // the keeper's own values are taken only once his position says he is one
        d.zahlen("LIEBLINGSPOS", {p.pos_zeile, p.pos_spalte});
        if (p.torwart) d.zahl("TORWART_STAERKE", p.torwart_staerke);
        else
            for (int i = 0; i < 9; ++i) d.zahl(ATTRIBUT_WOERTER[i], p.attribute[i]);
        for (int i = 0; i < 15; ++i) {
            if (i == 11) continue;  // experience is always drawn anew from the age
            if (i >= 12 && !p.torwart) continue;
            if (p.unsichtbar[i]) d.zahl(UNSICHTBAR_WOERTER[i], p.unsichtbar[i]);
        }
        if (p.rueckennummer) d.zahl("RUECKENNUMMER", p.rueckennummer);
        // his own picture number, so that an imported portrait shows on him alone
        d.zahl("BILDNUMMER", std::min<int32_t>(p.nummer + 1, 32000));
    }
    return d;
}

Welt_Datei personal_datei(const Welt& w)
{
    Welt_Datei d;
    d.kopf("Schiedsrichter und Assistenten der generierten Welt");
    for (const auto& p : w.personal) {
        d.leer();
        d.schluessel("NEUER_PERSONAL_TYP");
        d.schluessel(p.typ == 0 ? "SCHIEDSRICHTER" : "ASSISTENT");
        d.text("NAME", p.name);
        d.zahl("LAND", p.land);
        if (p.typ == 0) {
            d.zahl("HAERTE", p.haerte);
            d.zahl("AUFMERKSAMKEIT", p.aufmerksamkeit);
        }
    }
    return d;
}

int welt_schritt(const std::string& ziel, const std::vector<std::string>& args)
{
    Welt_Groesse g;
    uint32_t seed;
    if (!Welt_Argumente(args, g, seed)) return 2;
    return Welt_Schreiben(Welt_Bauen(g, seed), ziel);
}

}  // namespace

int Welt_Schreiben(const Welt& welt, const std::string& ziel)
{
    // the bank keeps one balance per team number, 0..999
    if (welt.teams.size() > 1000) {
        std::fprintf(stderr, "welt: %zu Teamnummern, die Bank kennt nur 0..999\n", welt.teams.size());
        return 1;
    }
    std::filesystem::path ordner = std::filesystem::path(ziel) / "config_files";
    std::error_code ec;
    std::filesystem::create_directories(ordner, ec);
    if (ec) {
        std::fprintf(stderr, "welt: Ordner %s nicht anlegbar\n", ordner.string().c_str());
        return 1;
    }
    if (!team_datei(welt).schreiben((ordner / "1_team.cfg").string())) return 1;
    if (!spieler_datei(welt).schreiben((ordner / "1_spieler.cfg").string())) return 1;
    if (!personal_datei(welt).schreiben((ordner / "1_personal.cfg").string())) return 1;
    return 0;
}

DATAGEN_SCHRITT("welt", welt_schritt, true);
