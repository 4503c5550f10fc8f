// Credits, fixed deposits and share trades: each operation is the dialog on the manager's
// machine and the server's handler of its request at once.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "database/manager.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/bank_intern.h"
#include "gameflow/kalender.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "platform/print.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"

double Bank_Zinseszins(double betrag, int32_t monate, double zins)
{
    for (int32_t i = 0; i < monate; ++i) betrag = betrag * (zins / 12.0 + 100.0) * 0.01;
    return betrag;
}

int32_t Bank_Faelligkeit(int32_t heute, int32_t monate)
{
    static const int32_t TAGE[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const Kalender_Datum d = Kalender_Get_Datum(heute, 0);
    int32_t monat = d.monat + monate % 12, jahr = d.jahr + monate / 12;
    if (monat > 12) {
        monat -= 12;
        ++jahr;
    }
    const bool schalt = jahr % 4 == 0 && (jahr % 100 != 0 || jahr % 400 == 0);
    const int32_t letzter = TAGE[monat - 1] + (monat == 2 && schalt);
    return Kalender_Get_Tagnummer(d.tag < letzter ? d.tag : letzter, monat, jahr);
}

float Bank_Get_Kreditrahmen(int32_t team)
{
    if (!Bank_Init_Check()) return 0.0f;
    int64_t offen = 0;
    for (Liste_Element* e = Bank.anlagen.next; e; e = e->next) {
        const auto* a = static_cast<Bank_Anlage*>(e->data);
        if (e->key == uint32_t(team) && a->betrag <= 0) offen -= a->betrag;
    }
    const int64_t rest = 12000000 - offen;
    return float(rest > 0 ? rest : 0);
}

bool Bank_Anlage_Einfuegen(int32_t team, const Bank_Anlage& a)
{
    Liste_Element* nach = nullptr;
    for (Liste_Element* e = Bank.anlagen.next; e; e = e->next)
        if (static_cast<Bank_Anlage*>(e->data)->faellig <= a.faellig) nach = e;
    return Liste_Insert_Element(&Bank.anlagen, nach, &a, sizeof a, uint32_t(team)) != nullptr;
}

bool Bank_Betrag_Anlegen(int32_t geber, int32_t nehmer, float betrag, int32_t laufzeit, int32_t art, float zins)
{
    bool beobachtet = false;
    if (Bank_Kredit_Beobachtet(geber, nehmer, betrag, laufzeit, zins, &beobachtet)) return beobachtet;
    if (!Bank_Init_Check() || !std::isfinite(betrag) || !std::isfinite(zins) || betrag == 0.0f) return false;
    if (laufzeit < 1 || laufzeit > 48 || (geber != -1 && !Bank_Team_Gueltig(geber)) ||
        (nehmer != -1 && !Bank_Team_Gueltig(nehmer))) {
        Print_Fehler("Bank_Betrag_Anlegen: Team %d / %d oder Laufzeit %d ungültig", geber, nehmer, laufzeit);
        return false;
    }
    const int8_t w = int8_t(Bank_Standard_Waehrung);
    const int32_t heute = Kalender_Get_Heute();
    const int32_t ti = Bank_Laufzeit_Index(laufzeit);
    if (art == 0) {
        if (!Bank_Team_Gueltig(nehmer)) return false;
        if (geber == -1 && Bank_Get_Kreditrahmen(nehmer) < betrag) {
            Bank_Wippe_Betrag = Bank_Get_Kreditrahmen(nehmer);
            return false;
        }
        if (Bank_Ist_Client()) {
            if (geber != -1) return false;
            float b = betrag, z = zins;
            return Bank_Client_Anlagen_Transfer(geber, nehmer, &b, laufzeit, art, &z) == 1;
        }
        if (zins < 0) zins = Bank_Kredit_Zins[ti];
        const int32_t betrag_dm = Bank_Runden(betrag);
        const int32_t ende = Bank_Runden(Bank_Zinseszins(betrag_dm, laufzeit, zins));
        // the lender's payment is checked for cover: refused, nothing is booked or recorded
        if (geber != -1 && !Schreibe_Überweisung(geber, -1, float(betrag_dm), 44, 0, w)) return false;
        if (!Schreibe_Überweisung(-1, nehmer, float(betrag_dm), 3, 1, w)) {
            if (geber != -1) Schreibe_Überweisung(-1, geber, float(betrag_dm), 2, 1, w);
            return false;
        }
        const uint32_t faellig = uint32_t(Bank_Faelligkeit(heute, laufzeit));
        Bank_Anlage_Einfuegen(nehmer, {-ende, -betrag_dm, faellig, uint32_t(heute), zins});
        if (geber != -1) Bank_Anlage_Einfuegen(geber, {ende, betrag_dm, faellig, uint32_t(heute), zins});
        return true;
    }
    if (!Bank_Team_Gueltig(geber)) return false;
    const int32_t geld = Bank_Get_Kontostand(geber, 1, -1);
    if (geld < betrag) {
        if (geld <= 0) {
            if (!Bank_Stumm())
                Team_Requester(0, geber,
                               "Ihr Kontostand legt es nicht nahe, dass Sie Geld anlegen sollten.");
            Bank_Wippe_Betrag = 0;
        } else {
            Bank_Wippe_Betrag = float(geld / 10000 * 10000);
        }
        return false;
    }
    if (Bank_Ist_Client()) {
        if (nehmer != -1) return false;
        float b = betrag, z = zins;
        return Bank_Client_Anlagen_Transfer(geber, nehmer, &b, laufzeit, art, &z) == 1;
    }
    if (zins < 0) zins = Bank_Anlage_Zins[ti];
    const int32_t betrag_dm = Bank_Runden(betrag);
    if (!Schreibe_Überweisung(geber, -1, float(betrag_dm), 44, 1, w)) return false;
    const int32_t ende = Bank_Runden(Bank_Zinseszins(betrag_dm, laufzeit, zins));
    Bank_Anlage_Einfuegen(geber, {ende, betrag_dm, uint32_t(Bank_Faelligkeit(heute, laufzeit)), uint32_t(heute), zins});
    return true;
}

float Bank_Get_Aktienkurs(int32_t boerse, int32_t firma)
{
    if (!Bank_Init_Check() || boerse < 0 || boerse >= BANK_BOERSEN || firma < 0 || firma >= BANK_FIRMEN) return -1.0f;
    return Bank_Boerse[boerse].kurs[firma];
}

const int32_t Bank_Aktien_Limit[BANK_BOERSEN] = {10000, 10000, 1000};
int32_t Bank_Aktien_Wippe_Maximum = Bank_Aktien_Limit[0];

static Liste_Element* besitz_element(int32_t team, int32_t boerse, int32_t firma)
{
    for (Liste_Element* e = Bank.aktien.next; e; e = e->next) {
        const auto* a = static_cast<Bank_Aktienbesitz*>(e->data);
        if (e->key == uint32_t(team) && a->boerse == boerse && a->firma == firma) return e;
    }
    return nullptr;
}

int32_t Bank_Max_Aktien(int32_t team, int32_t boerse, int32_t firma, int32_t verkauf)
{
    if (!Bank_Init_Check() || boerse < 0 || boerse >= BANK_BOERSEN || firma < 0 || firma >= BANK_FIRMEN) return 0;
    const Liste_Element* e = besitz_element(team, boerse, firma);
    const int32_t gehalten = e ? static_cast<Bank_Aktienbesitz*>(e->data)->anzahl : 0;
    if (verkauf) return gehalten;
    const double preis = double(Bank_Boerse[boerse].kurs[firma]) * 1.01;
    const double geld = Bank_Get_Kontostand(team, 1, boerse);
    int64_t n = preis > 0 ? int64_t(geld / preis) : 0;
    if (gehalten + n > Bank_Aktien_Limit[boerse]) n = Bank_Aktien_Limit[boerse] - gehalten;
    return n < 0 ? 0 : int32_t(n);
}

bool Bank_Aktien_Handel(int32_t team, int32_t anzahl, int32_t boerse, int32_t firma)
{
    if (!Bank_Init_Check() || anzahl == 0 || boerse < 0 || boerse >= BANK_BOERSEN || firma < 1 ||
        firma >= BANK_FIRMEN || !Bank_Team_Gueltig(team))
        return false;
    const Boerse& b = Bank_Boerse[boerse];
    const double p = b.kurs[firma];
    const int8_t w = int8_t(boerse);
    if (anzahl < 0) {
        const int64_t n = -int64_t(anzahl);
        Liste_Element* e = besitz_element(team, boerse, firma);
        if (!e) {
            Bank_Aktien_Anzahl = 0;
            return false;
        }
        auto* a = static_cast<Bank_Aktienbesitz*>(e->data);
        if (a->anzahl < n) {
            Bank_Aktien_Anzahl = a->anzahl;
            return false;
        }
        if (!Bank_Stumm()) {
            const char* wert = Bank_Betrag_String(Bank_Waehrung_Umrechnen(float(n * p), boerse, 0), team, 0, 1);
            static const char* const FRAGE_LIGA = "Möchten Sie wirklich %d Aktien^lvon %s^y%04d im Wert von^l%s verkaufen?";
            const bool ja = boerse == 2 ? Team_Requester(2, team, FRAGE_LIGA, int32_t(n), b.firma[firma], 0, wert)
                                        : Team_Requester(2, team,
                                                         "Möchten Sie wirklich %d Aktien^lder Firma %s im Wert von^l%s verkaufen?",
                                                         int32_t(n), b.firma[firma], wert);
            if (!ja) return true;
        }
        if (Bank_Ist_Client()) return Bank_Client_Aktien_Transfer(team, anzahl, boerse, firma) == 1;
        if (!Schreibe_Überweisung(-1, team, float(n * p), 1, 1, w)) return false;
        a->summe = Bank_Runden(a->summe - double(a->summe) / a->anzahl * n);
        a->anzahl -= int32_t(n);
        if (a->anzahl == 0) Liste_Delete_Element(&Bank.aktien, e);
        return true;
    }
    const int32_t max = Bank_Max_Aktien(team, boerse, firma, 0);
    if (max < anzahl) {
        if (!Bank_Stumm()) Team_Requester(0, team, "Die eingestellte Zahl wurde auf die maximal mögliche Zahl korrigiert.");
        Bank_Aktien_Anzahl = max;
        return false;
    }
    const double kosten = double(anzahl) * p * 1.01;
    if (!Bank_Stumm()) {
        static const char* const KAUF_LIGA = "Möchten Sie wirklich %d Aktien von %s^y%04d für %s kaufen?";
        const char* wert = Bank_Betrag_String(Bank_Waehrung_Umrechnen(float(kosten), boerse, 0), team, 0, 1);
        const bool ja = boerse == 2
                            ? Team_Requester(2, team, KAUF_LIGA, anzahl, b.firma[firma], 0, wert)
                            : Team_Requester(2, team, "Möchten Sie wirklich %d Aktien der Firma %s für %s kaufen?", anzahl,
                                             b.firma[firma], wert);
        if (!ja) return true;
    }
    if (Bank_Ist_Client()) return Bank_Client_Aktien_Transfer(team, anzahl, boerse, firma) == 1;
    if (!Schreibe_Überweisung(team, -1, float(kosten), 43, 1, w)) return false;
    Liste_Element* e = besitz_element(team, boerse, firma);
    if (!e) {
        const Bank_Aktienbesitz neu{boerse, firma, 0, 0};
        e = Liste_Insert_Element(&Bank.aktien, Liste_Get_Last(&Bank.aktien), &neu, sizeof neu, uint32_t(team));
        if (!e) return false;
    }
    auto* a = static_cast<Bank_Aktienbesitz*>(e->data);
    a->anzahl += anzahl;
    a->summe = Bank_Runden(a->summe + kosten);
    return true;
}

std::vector<Bank_Menue_Eintrag> Bank_Kreditgeber_Eintraege(int32_t laufzeit, int32_t zinswunsch)
{
    std::vector<Bank_Menue_Eintrag> m;
    auto neu = [&](int32_t team, int32_t seite, const char* text) {
        Bank_Menue_Eintrag e{team, seite, {}};
        std::snprintf(e.text, sizeof e.text, "%s", text);
        m.push_back(e);
    };
    char text[64];
    std::snprintf(text, sizeof text, "Bank (%1.1f %% Zinsen)", double(Bank_Kredit_Zins[Bank_Laufzeit_Index(laufzeit)]));
    neu(-1, 0, text);
    int32_t teams[BANK_TEAMS];
    const int32_t n = Team_Get_Managerteams(teams);
    int32_t gezeigt = 0;
    for (int32_t i = 0; i < n && i < BANK_TEAMS; ++i) {
        if (teams[i] == Aktuelles_Team) continue;
        const int32_t seite = gezeigt < 10 ? 0 : (gezeigt - 10) / 20 + 1;
        if (seite > 0 && (gezeigt - 10) % 20 == 0) {
            std::snprintf(text, sizeof text, "Weitere Teams Seite %d", seite);
            neu(-1, seite, text);
        }
        neu(teams[i], seite, Team_String(193, teams[i], nullptr, 0));
        ++gezeigt;
    }
    if (m.size() > 1) {
        std::snprintf(text, sizeof text, "Ihr Zinswunsch: %d%%", zinswunsch);
        neu(-1, 0, text);
    }
    return m;
}

bool Bank_Kredit_Anfrage(int32_t geber, int32_t zinswunsch)
{
    const int32_t nehmer = Aktuelles_Team;
    if (!Bank_Init_Check() || !Bank_Team_Gueltig(geber) || !Bank_Team_Gueltig(nehmer)) return false;
    const int32_t monate = Bank_Laufzeit[Bank_Wippe_Laufzeit >= 0 && Bank_Wippe_Laufzeit < BANK_LAUFZEITEN ? Bank_Wippe_Laufzeit : 0];
    const char* einheit = monate == 1 ? "Monat" : "Monate";
    const int32_t betrag = Bank_Runden(std::isfinite(Bank_Wippe_Betrag) ? Bank_Wippe_Betrag : 0.0f);
    if (betrag <= 0) {
        Team_Requester(0, nehmer, "Sie können doch keinen Kredit über %s aufnehmen !", Bank_Betrag_String(float(betrag), nehmer, -1, 0));
        return false;
    }
    if (!Team_Requester(2, nehmer,
                        "Möchten Sie diesen Kredit aufnehmen ?\r\r#l^tl0065Von^tl0135: %s\r^tl0065Betrag^tl0135: "
                        "%s\r^tl0065Zins^tl0135: %d %%\r^tl0065Laufzeit^tl0135: %d %s",
                        Team_String(150, geber, nullptr, 0), Bank_Betrag_String(float(betrag), nehmer, -1, 0), zinswunsch,
                        monate, einheit))
        return false;
    News_Frage frage{{5, nehmer, geber, Kalender_Get_Heute() + 30, betrag, zinswunsch, monate, -1}};
    if (News_Senden(nehmer, geber, nehmer, NEWS_ART_FRAGE, &frage, "%s bittet Sie um einen Kredit über %s, %d %s Laufzeit, %d%% Zinsen",
                    Team_String(150, nehmer, nullptr, 0), Bank_Betrag_String(float(betrag), geber, -1, 0), monate, einheit,
                    zinswunsch) < 0)
        return false;
    Team_Requester(0, nehmer, "Ihre Kreditanfrage wird weitergeleitet. Sobald %s geantwortet hat, erhalten Sie eine Nachricht.",
                   Team_String(150, geber, nullptr, 0));
    return true;
}

std::vector<Bank_Anlagen_Zeile> Bank_Anlagen_Zeilen()
{
    static constexpr const char* HILFE_ANLAGE =
        "Dies ist eine Anlage, die Sie eingezahlt haben.^lSie sehen das Datum, an dem die Anlage fällig wird und^lden "
        "Betrag, den Sie dann bekommen.";
    static constexpr const char* HILFE_KREDIT =
        "Dies ist ein Kredit, den Sie aufgenommen haben.^lSie sehen das Datum, an dem der Kredit fällig wird und^ldie "
        "Kreditsumme plus Zinsen.";
    std::vector<Bank_Anlagen_Zeile> zeilen;
    void* cursor = nullptr;
    const int32_t team = Aktuelles_Team;
    while (const Bank_Anlage* a = Bank_Naechste_Anlage(team, &cursor)) {
        if (zeilen.size() == 150) break;
        const Kalender_Datum f = Kalender_Get_Datum(int32_t(a->faellig), 0), b = Kalender_Get_Datum(int32_t(a->beginn), 0);
        const bool anlage = a->betrag > 0;
        char text[300];
        std::snprintf(text, sizeof text, "%02d.%02d.%d:%s^tr0158%s^z0009^c%05d^tl0115(^tr0158%s^tl0161%02d.%02d.%d, %1.1f%%)",
                      f.tag, f.monat, f.jahr, "", Bank_Betrag_String(float(anlage ? a->endbetrag : -a->endbetrag), team, -1, 0), 0,
                      anlage ? "Anlage" : "Kredit", b.tag, b.monat, b.jahr, double(a->zins));
        zeilen.push_back({text, anlage ? HILFE_ANLAGE : HILFE_KREDIT});
    }
    if (zeilen.empty()) zeilen.push_back({"(keine Anlagen vorhanden)", nullptr});
    return zeilen;
}

std::string Bank_Aktie_Hilfe(const Bank_Aktienbesitz& besitz)
{
    if (besitz.boerse < 0 || besitz.boerse >= BANK_BOERSEN || besitz.firma < 0 || besitz.firma >= BANK_FIRMEN) return {};
    const double p = Bank_Boerse[besitz.boerse].kurs[besitz.firma];
    const double g = besitz.summe > 0 ? double(besitz.anzahl) * p / besitz.summe * 100.0 - 100.0 : 0.0;
    const char* firma = Bank_Boerse[besitz.boerse].firma[besitz.firma];
    const char* art = besitz.boerse == 2 ? "von" : "der Firma";
    char text[300];
    if (g >= 0)
        std::snprintf(text, sizeof text, "Mit der Aktie %s ^y%04d%s^y%04d haben Sie bislang %.2f%% Gewinn erwirtschaftet.", art, 3,
                      firma, 0, g);
    else
        std::snprintf(text, sizeof text, "Mit der Aktie %s ^y%04d%s^y%04d haben Sie bislang einen Verlust von %.2f%% erzielt.",
                      art, 3, firma, 0, -g);
    return text;
}

namespace {

constexpr int32_t ICON_BOERSE_ERSTE = 2010;  // the three exchanges' toggle buttons
constexpr int32_t ICON_AKTIEN_SEITE = 2006, ICON_AKTIEN_ZAHL = 2015, ICON_KURS_BEREICH = 2026;
constexpr int32_t ICON_KREDIT = 702;

}  // namespace

void Bank_Aktie_Waehlen(int32_t boerse, int32_t firma)
{
    if (!Bank_Init_Check() || boerse < 0 || boerse >= BANK_BOERSEN || firma < 0 || firma >= BANK_FIRMEN) return;
    const int32_t team = Aktuelles_Team;
    if (team >= 0)
        Manager_Icon_Togglebutton_An_Aus(team, 3, ICON_BOERSE_ERSTE + boerse, ICON_BOERSE_ERSTE, ICON_BOERSE_ERSTE + 1,
                                         ICON_BOERSE_ERSTE + 2);
    Menue_Screen_Icon_Aktiv_Setzen(1, ICON_AKTIEN_SEITE);
    for (int32_t i = 0; i < BANK_BOERSEN; ++i) Menue_Screen_Icon_Aktiv_Setzen(1, ICON_BOERSE_ERSTE + i);
    Bank.boerse_wahl = uint8_t(boerse);
    // A firm without a name has no chart: the page starts again at its first range.
    if (!Bank_Boerse[boerse].firma[firma][0]) {
        Bank.firma_wahl = 1;
        if (team >= 0) Manager_Icon_Togglebutton_An_Aus(team, 1, ICON_KURS_BEREICH, ICON_KURS_BEREICH);
    } else {
        Bank.firma_wahl = uint32_t(firma);
    }
    if (Bank_Ist_Client() && team >= 0) Bank_Client_Boerse_Holen(team, boerse);
    Bank_Aktien_Wippe_Maximum = Bank_Aktien_Limit[boerse];
    Menue_Screen_Icon_Aktiv_Setzen(1, ICON_AKTIEN_ZAHL);
}

void Bank_Kredit_Aktivieren() { Menue_Screen_Icon_Aktiv_Setzen(1, ICON_KREDIT); }

// ---- Lender and rate menus ----

namespace {

constexpr int32_t ICON_KREDITGEBER = 2017;
constexpr int32_t ICON_ZINSWUNSCH = 2018;
std::vector<Bank_Menue_Eintrag> menue_eintraege;
char rate_texte[12][8];

int32_t zinswunsch()
{
    const int32_t w = Aktuelles_Team >= 0 ? Manager_Icon_Word_Data_Lesen(Aktuelles_Team, ICON_ZINSWUNSCH) : 0;
    return w >= 0 && w <= 11 ? w : 0;
}

uint8_t geber_gewaehlt(int32_t, int32_t, int32_t team, int32_t)
{
    if (Aktuelles_Team >= 0) Manager_Icon_Button_An_Aus(Aktuelles_Team, ICON_KREDITGEBER, 1);
    if (team >= 0) Bank_Kredit_Anfrage(team, zinswunsch());
    return 1;
}

uint8_t zins_gewaehlt(int32_t, int32_t, int32_t zins, int32_t)
{
    if (Aktuelles_Team >= 0) Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, ICON_ZINSWUNSCH, uint16_t(zins));
    return 1;
}

Menue_Kontextmenue* seite_bauen(Menue_Kontextmenue* liste, int32_t eintrag)
{
    const int32_t seite = Kontext_Menue.wert_b[eintrag];
    Menue_Init_Kontextmenue(liste, Kontext_Menue.texte[eintrag], 0, POPUP_WAEHLBAR, geber_gewaehlt);
    int32_t k = 0;
    for (const Bank_Menue_Eintrag& e : menue_eintraege)
        if (e.team >= 0 && e.seite == seite && k < MENUE_KONTEXT_EINTRAEGE) {
            liste->texte[k] = e.text;
            liste->wert_a[k++] = e.team;
        }
    return liste;
}

Menue_Kontextmenue* zins_bauen(Menue_Kontextmenue* liste, int32_t)
{
    Menue_Init_Kontextmenue(liste, "Wählen Sie Ihren Wunschzins", 0, POPUP_WAEHLBAR | POPUP_RADIO, zins_gewaehlt);
    const int32_t jetzt = zinswunsch();
    for (int32_t z = 0; z < 12; ++z) {
        std::snprintf(rate_texte[z], sizeof rate_texte[z], "%d %%", z);
        liste->texte[z] = rate_texte[z];
        liste->wert_a[z] = z;
        if (z == jetzt) liste->status[z] |= POPUP_GEWAEHLT;
    }
    return liste;
}

}  // namespace

Menue_Kontextmenue* Bank_Kreditgeber_Menue(int32_t laufzeit)
{
    menue_eintraege = Bank_Kreditgeber_Eintraege(laufzeit, zinswunsch());
    Menue_Init_Kontextmenue(&Kontext_Menue, "Kreditgeber", 0, POPUP_WAEHLBAR, geber_gewaehlt);
    int32_t k = 0;
    for (size_t i = 0; i < menue_eintraege.size() && k < MENUE_KONTEXT_EINTRAEGE; ++i) {
        const Bank_Menue_Eintrag& e = menue_eintraege[i];
        const bool seite_kopf = e.team < 0 && e.seite > 0;
        const bool zins = i + 1 == menue_eintraege.size() && i > 0;
        if (e.seite > 0 && !seite_kopf) continue;  // inside a sub-list
        Kontext_Menue.texte[k] = e.text;
        Kontext_Menue.wert_a[k] = e.team;
        Kontext_Menue.wert_b[k] = e.seite;
        if (seite_kopf) Kontext_Menue.unterlisten[k] = seite_bauen;
        if (zins) Kontext_Menue.unterlisten[k] = zins_bauen;
        ++k;
    }
    return &Kontext_Menue;
}

// ---- The investment page's buttons ----

bool Bank_Anlegen_Knopf(int32_t team)
{
    const float betrag = std::isfinite(Bank_Wippe_Betrag) ? Bank_Wippe_Betrag : 0.0f;
    if (betrag < 1.0f) {
        Team_Requester(0, team, "Wieviel Geld möchten Sie anlegen?\rStellen Sie den Betrag bitte zuerst mit der Wippe ein.");
        return false;
    }
    const int32_t ti = Bank_Wippe_Laufzeit >= 0 && Bank_Wippe_Laufzeit < BANK_LAUFZEITEN ? Bank_Wippe_Laufzeit : 0;
    if (!Team_Requester(2, team,
                        "Möchten Sie %s wirklich anlegen?\rVor Ablauf der Laufzeit können Sie nicht über das Geld verfügen.",
                        Bank_Betrag_String(betrag, team, -1, 0)))
        return false;
    if (!Bank_Betrag_Anlegen(team, -1, betrag, Bank_Laufzeit[ti], 1, Bank_Anlage_Zins[ti])) return false;
    Menue_Screen_Icon_Aktiv_Setzen(1, 2005);
    return true;
}

bool Bank_Kredit_Knopf(int32_t team, int32_t geber)
{
    const float betrag = std::isfinite(Bank_Wippe_Betrag) ? Bank_Wippe_Betrag : 0.0f;
    if (betrag < 1.0f) {
        Team_Requester(0, team, "Wieviel Geld möchten Sie leihen?\rStellen Sie den Betrag bitte zuerst mit der Wippe ein.");
        return false;
    }
    if (geber >= 0) return Bank_Kredit_Anfrage(geber, -1);
    const int32_t ti = Bank_Wippe_Laufzeit >= 0 && Bank_Wippe_Laufzeit < BANK_LAUFZEITEN ? Bank_Wippe_Laufzeit : 0;
    const int32_t monate = Bank_Laufzeit[ti];
    const float rahmen = Bank_Get_Kreditrahmen(team);
    if (rahmen < betrag) {
        if (rahmen >= 1.0f) {
            Team_Requester(0, team, "Die Bank kann Ihnen nur noch %s zur Verfügung stellen.",
                           Bank_Betrag_String(rahmen, team, -1, 0));
        } else {
            Team_Requester(0, team, "Die Bank kann Ihnen leider kein weiteres Geld zur Verfügung stellen.");
            Bank_Wippe_Betrag = rahmen < 0 ? 0.0f : rahmen;
        }
        return false;
    }
    if (!Team_Requester(2, team,
                        "Möchten Sie einen Kredit von der Bank aufnehmen ?\r#l^tl0065Betrag^tl0135:   %s\r^tl0065Zins^tl0135: "
                        "  %1.1f %%\r^tl0065Laufzeit^tl0135:   %d %s",
                        Bank_Betrag_String(betrag, team, -1, 0), double(Bank_Kredit_Zins[ti]), monate,
                        monate == 1 ? "Monat" : "Monate"))
        return false;
    if (!Bank_Betrag_Anlegen(-1, team, betrag, monate, 0, Bank_Kredit_Zins[ti])) return false;
    Menue_Screen_Icon_Aktiv_Setzen(1, 2005);
    return true;
}

bool Bank_Aktien_Knopf(int32_t team, int32_t anzahl, bool verkauf)
{
    const int32_t boerse = Bank.boerse_wahl < BANK_BOERSEN ? Bank.boerse_wahl : 0;
    const int32_t firma = int32_t(Bank.firma_wahl);
    if (anzahl > 0 && Bank_Aktien_Handel(team, verkauf ? -anzahl : anzahl, boerse, firma)) {
        Menue_Screen_Icon_Aktiv_Setzen(1, 2005);
        return true;
    }
    if (verkauf)
        Team_Requester(0, team,
                       "So viele Aktien der im Monitor eingestellten Firma besitzen Sie nicht.\rStellen Sie zunächst die "
                       "gewünschte Firma im Monitor ein. Dann wählen Sie die Anzahl mit der Wippe.");
    else if (anzahl > 0)
        Team_Requester(0, team,
                       "Die gewünschte Anzahl liegt über dem Maximum.\rSie dürfen höchstens %d Aktien pro Firma kaufen.\r"
                       "Außerdem sollte genügend Geld auf Ihrem Konto sein.",
                       Bank_Aktien_Limit[boerse]);
    else
        Team_Requester(0, team, "Sie sollten zunächst die gewünschte Anzahl mit der Wippe rechts einstellen.");
    return false;
}
