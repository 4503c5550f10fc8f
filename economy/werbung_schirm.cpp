#include "economy/werbung_schirm.h"

#include <cstdio>

#include "economy/bank.h"
#include "economy/werbung.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"

namespace {
constexpr int32_t MAX_FLAECHEN_PRO_SPONSOR = 5;

std::string formatiert(const char* format, auto... werte)
{
    char text[600];
    std::snprintf(text, sizeof text, format, werte...);
    return text;
}

bool gueltig(int32_t sponsor, int32_t kategorie)
{
    return sponsor >= 0 && sponsor < WERBEPARTNER_ANZAHL && kategorie >= 0 && kategorie < WERBUNG_KATEGORIEN;
}
}  // namespace

int32_t Werbung_Icon_Flaeche(int32_t icon)
{
    return icon >= WERBUNG_ICON_FLAECHE && icon < WERBUNG_ICON_FLAECHE + WERBUNG_FLAECHEN ? icon - WERBUNG_ICON_FLAECHE : -1;
}

int32_t Werbung_Bild_Kategorie(int32_t art)
{
    switch (art) {
    case 1: return 0;
    case 2: return 3;
    case 4: return 2;
    case 8: return 1;
    default: return -1;
    }
}

int32_t Werbung_Sponsor_Flaechen(int32_t team, int32_t sponsor)
{
    Werbung_Team_Daten d;
    if (!Werbung_Team_Holen(team, &d)) return 0;
    int32_t n = 0;
    for (int32_t i = 0; i < WERBUNG_FLAECHEN; ++i) n += d.sponsor[i] == sponsor && d.betrag[i] > 0.0f;
    return n;
}

bool Werbung_Schirm_Ablegen(int32_t team, int32_t sponsor, int32_t art, int32_t ziel)
{
    const int32_t kategorie = Werbung_Bild_Kategorie(art);
    const int32_t flaeche = Werbung_Icon_Flaeche(ziel);
    if (flaeche < 0 && ziel < 0) return false;  // dropped nowhere
    if (!gueltig(sponsor, kategorie)) return false;
    if (flaeche < 0 || Werbung_Flaeche_Kategorie(flaeche) != kategorie) {
        static const char* const WOHIN[WERBUNG_KATEGORIEN] = {
            "die Bandenwerbung auf eine freie Bande.", "die Kamera auf die Kamera.", "das Symbol auf die Tasche.",
            "das Trikot auf die Brust des Spielers."};
        Team_Requester(0, team, "Bitte legen Sie %s", WOHIN[kategorie]);
        return false;
    }
    Werbung_Team_Daten d;
    if (!Werbung_Team_Holen(team, &d)) return false;
    if (d.betrag[flaeche] > 0.0f) {
        Team_Requester(0, team, "Diese Werbefläche ist bereits vermietet");
        return false;
    }
    if (Werbung_Sponsor_Flaechen(team, sponsor) >= MAX_FLAECHEN_PRO_SPONSOR) {
        Team_Requester(0, team, "%s", Werbung_Sponsor_Hilfe(team, sponsor, kategorie).c_str());
        return false;
    }
    if (Werbung_Vertrag_Abschliessen(team, sponsor, kategorie, flaeche)) return true;
    if (Netz_Rolle == 1) Team_Requester(0, team, "Dieses Angebot hat Ihnen ein anderer Manager gerade weggeschnappt...");
    return false;
}

std::string Werbung_Sponsor_Hilfe(int32_t team, int32_t sponsor, int32_t kategorie)
{
    if (!gueltig(sponsor, kategorie)) return {};
    const char* name = Werbepartner_Name(sponsor);
    if (Werbepartner_Tabelle[sponsor].angebote[kategorie] == 0)
        return formatiert("%s sucht derzeit nicht nach derartigen Werbemöglichkeiten !", name);
    if (Werbung_Sponsor_Flaechen(team, sponsor) >= MAX_FLAECHEN_PRO_SPONSOR)
        return formatiert("%s hat bereits genug Werbeverträge mit Ihnen abgeschlossen!", name);
    return formatiert("%s sucht nach erfolgreicheren Vereinen !", name);
}

int32_t Werbung_Sponsor_Marker(int32_t team, int32_t sponsor, bool* an)
{
    int32_t n = 0;
    const bool voll = Werbung_Sponsor_Flaechen(team, sponsor) >= MAX_FLAECHEN_PRO_SPONSOR;
    const bool gut = sponsor >= 0 && sponsor < WERBEPARTNER_ANZAHL &&
                     Werbung_Berechne_Image(team, sponsor, nullptr) >=
                         Werbepartner_Tabelle[sponsor].min_image * Werbung_Faktor(team) * 0.01f;
    for (int32_t k = 0; k < WERBUNG_KATEGORIEN; ++k) {
        an[k] = gut && !voll && gueltig(sponsor, k) && Werbepartner_Tabelle[sponsor].angebote[k] > 0;
        n += an[k];
    }
    return n;
}

const char* Werbung_Flaeche_Hilfe(int32_t team, int32_t flaeche)
{
    Werbung_Team_Daten d;
    const bool vermietet = Werbung_Team_Holen(team, &d) && flaeche >= 0 && flaeche < WERBUNG_FLAECHEN && d.betrag[flaeche] > 0.0f;
    switch (flaeche >= 0 && flaeche < WERBUNG_FLAECHEN ? Werbung_Flaeche_Kategorie(flaeche) : -1) {
    case 0: return vermietet ? "Glückwunsch ! Diese Bande ist vermietet." : "Das ist eine Bande, die Sie noch vermieten können !";
    case 1:
        return vermietet ? "Die Übertragungsrechte haben Sie momentan vergeben!" : "Hier können Sie noch Übertragungsrechte verkaufen !";
    case 2:
        return vermietet ? "Ihre sportliche Ausrüstung ziert das Logo eines Werbepartners !"
                         : "Ein Logo auf Ihrer sportlichen Ausrüstung ist vielen Werbepartnern einiges wert !";
    case 3:
        return vermietet ? "Für die finanziell wichtige Trikotwerbung haben Sie derzeit einen Werbepartner!"
                         : "Trikotwerbung kann Ihnen eine Menge Geld einbringen !";
    default: return "Werbung_Screen_Hilfetext_Flaechen: FEHLER!";
    }
}

int32_t Werbung_Schirm_Europa_Schalten(int32_t team)
{
    Werbung_Team_Daten d;
    if (!Werbung_Team_Holen(team, &d)) return 0;
    d.europa_flag = d.europa_flag ? 0 : 1;
    Werbung_Team_Ablegen(team, d);
    if (Netz_Rolle == 1 && !Werbung_Client_Set_Agentur(team, -1, d.europa_flag)) {
        d.europa_flag = d.europa_flag ? 0 : 1;
        Werbung_Team_Ablegen(team, d);
    }
    return d.europa_flag;
}

int32_t Werbung_Schirm_Agentur_Weiter(int32_t team, int32_t aufgabe)
{
    Werbung_Team_Daten d;
    if (aufgabe < 0 || aufgabe >= WERBUNG_AUFGABEN || !Werbung_Team_Holen(team, &d)) return 0;
    const int32_t neu = (d.agentur[aufgabe] + 1) % WERBUNG_AGENTUREN;
    if (Netz_Rolle == 1 && !Werbung_Client_Set_Agentur(team, aufgabe, neu)) return d.agentur[aufgabe];
    d.agentur[aufgabe] = uint8_t(neu);
    Werbung_Team_Ablegen(team, d);
    return neu;
}

std::string Werbung_Einnahmen_Zeile(int32_t team)
{
    Werbung_Team_Daten d;
    double summe = 0;
    if (Werbung_Team_Holen(team, &d))
        for (float b : d.betrag)
            if (b > 0.0f) summe += b;
    return formatiert("^c%#05d^tz%#04dGesamte Einnahmen aus Werbeverträgen: %s pro Monat", 0, 20,
                      Bank_Betrag_String(float(summe), team, -1, 0));
}
