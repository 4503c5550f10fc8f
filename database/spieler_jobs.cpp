// The players' periodic jobs on the server: birthdays and young players in old records, the
// auction countdown, the transfer market's clock, contracts, insurances and retirements.
#include <algorithm>
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "economy/bank.h"
#include "gameflow/kalender.h"
#include "platform/temp.h"
#include "platform/zufall.h"

using namespace welt;

namespace {

// Squad limits per player type (keeper, defence, midfield, attack).
constexpr int32_t TYP_OBEN[4] = {3, 6, 8, 5};
// A player retires about his kind's age limit: two years before it at the earliest, one after
// it at the latest.
constexpr int32_t RUHESTAND_TORWART = 40, RUHESTAND_FELD = 35;
static_assert(RUHESTAND_TORWART - RUHESTAND_FELD == SP_TORWART_JAHRE);
constexpr int32_t RUHESTAND_FRUEHESTENS = (RUHESTAND_TORWART < RUHESTAND_FELD ? RUHESTAND_TORWART : RUHESTAND_FELD) - 2;
constexpr int32_t TYP_UNTEN[4] = {2, 4, 5, 3};
constexpr int32_t KADER_LISTE = 50;

const char* const TYP_WORT[4] = {"Torhüter", "Abwehrspieler", "Mittelfeldspieler", "Stürmer"};
const char* const ABSCHIEDE[9] = {
    "sich künftig ganz seiner Familie widmen.",
    "eine Fußballschule in seiner Heimatstadt eröffnen.",
    "als Trainer im Jugendbereich arbeiten.",
    "seine Erfahrung als Fernsehkommentator weitergeben.",
    "ein Sportgeschäft übernehmen.",
    "eine Weltreise unternehmen.",
    "sein Studium wieder aufnehmen.",
    "eine Gaststätte am Stadion eröffnen.",
    "sich als Spielerberater versuchen.",
};
const char* const ABSCHIED_FEST = "nach Ablauf seines Vertrages die Fußballschuhe an den Nagel hängen.";

int32_t typ_von(int32_t spnr)
{
    const int32_t art = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN);
    return art >= 0 && art < 4 ? art : 1;
}

int32_t typ_anzahl(int32_t team, int32_t typ)
{
    const int32_t n = Teamspieler_Ins_Array(team, nullptr, -1, 1 << typ);
    return n > KADER_LISTE ? KADER_LISTE : n;
}

const char* monate_wort(int32_t n) { return n == 1 ? "Monat" : "Monate"; }

// A young player in the record of a retired one who plays in no competition.
void verjuengen(int32_t p)
{
    const int32_t alter = Zufall(18, 23);
    Spieler_Wert(SP_ALTER, p, alter, SP_SCHREIBEN);
    Spieler_Setze_Talent_Neu(p);
    for (int32_t i = 9; i <= 23; ++i) Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler(p, i);
    const int32_t form = Zufall(85, 95);
    Spieler_Wert(SP_FORM, p, form, SP_SCHREIBEN);
    const int32_t tendenz = Zufall(30, 70);
    Spieler_Wert(SP_FORMTENDENZ, p, tendenz, SP_SCHREIBEN);
    const int32_t erschoepfung = Zufall(10, 35);
    Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, p, erschoepfung, SP_SCHREIBEN);
    const int32_t erfahrung = Zufall(alter - 18, 42);
    Spieler_Wert(SP_ERFAHRUNG, p, erfahrung, SP_SCHREIBEN);
    Spieler_Wert(SP_STATUS, p, SP_STATUS_KARRIERE_ENDE | 2 | SP_STATUS_WECHSEL, SP_LOESCHEN);
    Spieler_Wert(SP_STATUS, p, SP_STATUS_NEU, SP_SETZEN);
}

// The market takes every player who leaves his club while its list has room; the 300 of the
// game's start only shape the first market. A player it cannot take is kept (below), never
// dropped into no team, where nobody could ever find him again.
bool markt_hat_platz()
{
    return team_gueltig(Transfermarkt_Team) &&
           Team_Wert(TEAM_SPIELERANZAHL, Transfermarkt_Team, 0, TEAM_LESEN) < TEAM_MAX_TRANSFERMARKT;
}

// A computer club in debt whose player cannot go to a full market exchanges him for the
// strongest market player of his kind who asks at most three quarters of what he earns: the
// squad keeps its size and its wage bill falls. False when there is no such player.
bool gegen_marktspieler_tauschen(int32_t team, int32_t p)
{
    if (mensch(team) || !team_gueltig(Transfermarkt_Team) || Bank_Get_Kontostand(team, 0, -1) >= 0) return false;
    const int64_t verdient = Teamspieler_Wert(301, team, p, 0, 0);
    const int32_t art = typ_von(p);
    std::vector<int32_t> markt(TEAM_MAX_START_SPIELER);
    const int32_t n = std::min(Teamspieler_Ins_Array(Transfermarkt_Team, markt.data(), TEAM_MAX_START_SPIELER, 0),
                               TEAM_MAX_START_SPIELER);
    int32_t neu = -1, neu_gehalt = 0, neu_staerke = -1;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t q = markt[size_t(i)];
        if (typ_von(q) != art) continue;
        int32_t forderung = 0, abloese = 0;
        Spieler_Bewerte_Marktwert_Gehalt(team, q, -1, -1, 12, &forderung, &abloese, 0);
        const int32_t staerke = Spieler_Wert(SP_K_I_T, q, 0, SP_LESEN);
        if (int64_t(forderung) * 1000 * 4 > verdient * 3 || staerke <= neu_staerke) continue;
        neu = q;
        neu_gehalt = forderung;
        neu_staerke = staerke;
    }
    if (neu < 0) return false;
    Teamspieler_Kommt_Oder_Geht(0, Transfermarkt_Team, neu, 0, 0, 0, -1, false);
    if (!Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, p, 0, 0, 12, -1, true)) {
        Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, neu, 0, 0, 12, -1, false);
        return false;
    }
    Teamspieler_Kommt_Oder_Geht(0, team, p, 0, 0, 0, -1, false);
    Teamspieler_Kommt_Oder_Geht(1, team, neu, neu_gehalt, 0, 12, -1, true);
    Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(p);
    Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(neu);
    Team_Suchliste_Spieler_Entfernen(-1, neu);
    return true;
}

void in_den_transfermarkt(int32_t team, int32_t p)
{
    // he joins first, so that a refused join keeps him where he is
    if (markt_hat_platz() && Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, p, 0, 0, 12, -1, true)) {
        Teamspieler_Kommt_Oder_Geht(0, team, p, 0, 0, 0, -1, false);
        Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(p);
        return;
    }
    if (gegen_marktspieler_tauschen(team, p)) return;
    // a full market: a year more at his club, listed for sale, at what he asks for a year when
    // that is less than he earned (an old player's worth falls, and a club that cannot let him
    // go would otherwise pay his best years' salary for ever)
    Teamspieler_Wert(305, team, p, 12, 1);
    int32_t forderung = 0, abloese = 0;
    Spieler_Bewerte_Marktwert_Gehalt(team, p, -1, -1, 12, &forderung, &abloese, 0);
    forderung = forderung * Team_Gehalt_Prozent(team) / 100;
    if (forderung > 0 && forderung * 1000 < Teamspieler_Wert(301, team, p, 0, 0)) Teamspieler_Wert(301, team, p, forderung * 1000, 1);
    Teamspieler_Wert(317, team, p, static_cast<int32_t>(TS_TRANSFERLISTE), 8);
    melden(team, Temp_Sprintf("Der Transfermarkt ist voll: %s bleibt ein weiteres Jahr für %s pro Jahr und steht auf "
                              "Ihrer Transferliste.",
                              spieler_name(p), Bank_Betrag_String(float(Teamspieler_Wert(301, team, p, 0, 0)), team, -1, 0)));
}

// Moves a player from one club to another; false, and he stays, when the new club is full. The
// offers still open for him name the club he leaves as his: his old club's offer to extend and
// the others' bids are void, and left standing they were refused every day.
bool wechseln(int32_t von, int32_t nach, int32_t p, int32_t gehalt, int32_t art, int32_t monate)
{
    if (!Teamspieler_Kommt_Oder_Geht(1, nach, p, gehalt, art, monate, -1, true)) return false;
    Teamspieler_Kommt_Oder_Geht(0, von, p, 0, 0, 0, -1, false);
    Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(p);
    return true;
}

void ruhestand_pruefen(int32_t team, int32_t p)
{
    int32_t abschied = -1;
    const int32_t alter = Spieler_Wert(SP_ALTER, p, 0, SP_LESEN);
    // no retirement age lies below the earliest: the player's own sequence need not be asked
    if (alter <= RUHESTAND_FRUEHESTENS) return;
    if (Spieler_Ruhestandsalter(p, &abschied) >= alter) return;
    const int32_t status = Spieler_Wert(SP_STATUS, p, 0, SP_LESEN);
    if (!(status & SP_STATUS_KARRIERE_ENDE))
        melden(team, Temp_Sprintf("Ihr %s %s hat sich unwiederruflich entschieden, seine Karriere zu beenden. Er wird %s",
                                  TYP_WORT[typ_von(p)], spieler_name(p),
                                  abschied >= 0 ? ABSCHIEDE[abschied] : ABSCHIED_FEST));
    Spieler_Wert(SP_STATUS, p, SP_STATUS_KARRIERE_ENDE, SP_SETZEN);
}

void vertrag_verlaengern(int32_t team, int32_t p, int32_t monate)
{
    const int32_t zufall_monat = Zufall(2, 6);
    if (monate != zufall_monat && monate != 2) return;
    if (Teamspieler_Wert(318, team, p, 0, 0) != team) return;
    if (Spieler_Wert(SP_STATUS, p, 0, SP_LESEN) & SP_STATUS_KARRIERE_ENDE) return;
    if (Assistent_Mit_Aufgabe(team, ASSI_AUFGABE_TRANSFER) == -1) return;

    const int32_t typ = typ_von(p);
    const int32_t n = typ_anzahl(team, typ);
    int32_t q;
    if (n > TYP_OBEN[typ]) q = Zufall(20, 70);
    else q = Zufall(50, 90);
    const int32_t knapp = Zufall(0, 1);
    if (TYP_UNTEN[typ] + knapp >= n) {
        const int32_t s = TYP_UNTEN[typ] - n;
        if (s > 0) q = Zufall(100, 10 * s + 100);
        else q = Zufall(95, 105);
        if (typ == 0) q += 50;
    }
    int32_t laenge;
    if (mensch(team)) {
        laenge = 12 * Zufall(2, 4);
        if (q >= 95) q += Zufall(10, 30);
    } else {
        laenge = 12 * Zufall(1, 4);
        // as in its transfer bids, a computer club's raise follows its money (see
        // Assi_Suche_Slot_Setzen): a club in debt offers half of it
        q = q * (50 + Team_Rueckhalt_Prozent(team) / 2) / 100;
    }
    laenge = Spieler_Vertrag_Monate_Begrenzen(p, laenge);
    int32_t forderung = 0, abloese = 0;
    Spieler_Bewerte_Marktwert_Gehalt(team, p, -1, -1, laenge, &forderung, &abloese, 1);
    const int32_t plus = Zufall(0, 10);
    const int32_t minus = Zufall(0, 10);
    int32_t d = q + plus - minus;
    const int32_t boden = Zufall(10, 20);
    if (boden > d) d = Zufall(10, 20);
    const int32_t r = Zufall(90, 110);
    const int64_t s = forderung;
    int64_t gehalt = s * 8 / 10 + ((((2 * s * r) / 10) / 100) * (d + 100)) / 100;
    // A computer club's wages follow its money: the demands of players of its strength can
    // outrun what its league's gate brings (a second tier pays first-tier wages on half the
    // ticket price), and a club that paid them in full would sink into debt for ever.
    gehalt = gehalt * Team_Gehalt_Prozent(team) / 100;
    Richter_Spieler_Angebot_Struktur_Erzeugen(team, team, p, 0, 0, static_cast<int32_t>(gehalt), laenge, q);
}

void vertragsende(int32_t team, int32_t p)
{
    const int32_t status = Spieler_Wert(SP_STATUS, p, 0, SP_LESEN);
    const bool wechsel = status & SP_STATUS_WECHSEL;
    if ((status & (SP_STATUS_KARRIERE_ENDE | 2)) && !wechsel) {
        if (status & SP_STATUS_KARRIERE_ENDE)
            melden(team, Temp_Sprintf("%s hat entschieden, daß er im reifen Alter von %d Jahren die Fußballschuhe an "
                                      "den Nagel hängt. Er lehnt daher Ihr Vertragsangebot ab und kehrt dem Fußball "
                                      "ab sofort den Rücken...",
                                      spieler_name(p), Spieler_Wert(SP_ALTER, p, 0, SP_LESEN)));
        else
            melden(team, Temp_Sprintf("%s ist Sportinvalide. Er bedankt sich bei Ihrem Verein für die Unterstützung "
                                      "und beenden an dieser Stelle seine Karriere...",
                                      spieler_name(p)));
        Teamspieler_Kommt_Oder_Geht(0, team, p, 0, 0, 0, -1, true);
        if (!Spieler_Setze_Alten_Sack_Neu(p)) Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(p);
        // The young player made in the record (or the old one, when none was made) goes to the
        // market: without a team he would be lost to the game. A full market leaves him with the
        // club he comes up at, on a year's contract.
        if (markt_hat_platz() && Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, p, 0, 0, 12, -1, false)) return;
        int32_t forderung = 0, abloese = 0;
        Spieler_Bewerte_Marktwert_Gehalt(team, p, -1, -1, 12, &forderung, &abloese, 0);
        forderung = forderung * Team_Gehalt_Prozent(team) / 100;
        Teamspieler_Kommt_Oder_Geht(1, team, p, forderung, 0, 12, -1, true);
        return;
    }
    Spieler_Wert(SP_ANGEBOTSZAEHLER, p, -1, SP_SCHREIBEN);

    const int32_t herkunft = Teamspieler_Wert(318, team, p, 0, 0);
    if (herkunft != team && team_gueltig(herkunft) && Team_Ist_Normal(herkunft, 0)) {
        const int32_t rest = Teamspieler_Wert(326, team, p, 0, 0);
        const int32_t gehalt = Teamspieler_Wert(301, team, p, 0, 0) / 1000;
        const char* name = spieler_name(p);
        const char* text = Temp_Sprintf("Die Leihdauer von %s ist abgelaufen. Er wechselt von %s zu seinem alten Club "
                                        "%s, wo er noch %d %s unter Vertrag ist.",
                                        name, team_name(team), team_name(herkunft), rest, monate_wort(rest));
        if (wechseln(team, herkunft, p, gehalt, 0, rest)) {
            melden(team, text);
            return;
        }
    }

    int32_t neu = -1, gehalt = 0, monate = 0;
    if (wechsel && Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(p, &neu, &gehalt, &monate) && team_gueltig(neu) &&
        neu != team) {
        const char* betrag = Bank_Betrag_String(static_cast<float>(gehalt) * 1000.0f, neu, -1, 0);
        const char* alt_text = Temp_Sprintf("Der Vertrag mit Ihrem Spieler %s ist ausgelaufen. Wie Sie ja bereits "
                                            "wissen, wechselt er nun zu %s, wo er %s pro Jahr verdienen wird.",
                                            spieler_name(p), team_name(neu), betrag);
        const char* neu_text = Temp_Sprintf("Spieler %s hat seine vertraglichen Verpflichtungen bei seinem alten Club "
                                            "%s erfüllt. Er freut sich, ab sofort für ein Salär von %s pro Jahr für "
                                            "Ihrem Verein zu kicken.",
                                            spieler_name(p), team_name(team), betrag);
        // agreed months ago: a computer club's contract is cut to the age he has reached
        if (!mensch(neu)) monate = Spieler_Vertrag_Monate_Begrenzen(p, monate);
        if (wechseln(team, neu, p, gehalt, 0, monate)) {
            Richter_Spieler_Wechsel_Nach_Vertragsende_Loeschen(p);
            melden(team, alt_text);
            melden(neu, neu_text);
            return;
        }
        Richter_Spieler_Wechsel_Nach_Vertragsende_Loeschen(p);
    }

    Richter_Check_Spieler_Angebote(p);
    if (Teamspieler_Ist_Im_Team(team, p) < 0) return;
    if (!mensch(team) && T[team].spieleranzahl <= Assi_Kader_Grenze_Kauf(team)) {
        const int32_t typ = typ_von(p);
        const int32_t spielraum = Zufall(0, 2);
        if (typ_anzahl(team, typ) <= TYP_OBEN[typ] + spielraum) {
            const int32_t gewuerfelt = Zufall(6, 48);
            const int32_t laenge = Spieler_Vertrag_Monate_Begrenzen(p, gewuerfelt);
            int32_t forderung = 0, abloese = 0;
            Spieler_Bewerte_Marktwert_Gehalt(team, p, -1, -1, laenge, &forderung, &abloese, 0);
            Teamspieler_Wert(305, team, p, laenge, 1);
            Teamspieler_Wert(301, team, p, forderung * Team_Gehalt_Prozent(team) * 10, 1);
            return;
        }
    }
    // A league club that would be left without an eleven and its bench keeps him a year more.
    if (Team_Ist_Normal(team, 0) && T[team].spieleranzahl <= TEAM_KADER_MINIMUM) {
        Teamspieler_Wert(305, team, p, 12, 1);
        melden(team, Temp_Sprintf("Der Vertrag mit Ihrem Spieler %s ist ausgelaufen. Da Ihr Kader ohne ihn zu klein wäre, "
                                  "bleibt er ein weiteres Jahr zu seinem bisherigen Gehalt.",
                                  spieler_name(p)));
        return;
    }
    melden(team, Temp_Sprintf("Der Vertrag mit Ihrem (Ex-)Spieler %s ist ausgelaufen. Er sieht sich jetzt nach einem "
                              "anderen Verein um und bevölkert solange die Transferliste...",
                              spieler_name(p)));
    in_den_transfermarkt(team, p);
}

void vereinsspieler_monat(int32_t team, int32_t p)
{
    // A server reads the month counts from the player's link record (his club's list holds him,
    // and the month moves no list under it); each write goes the usual way, bounds and all.
    const TS* ts = ist_client() ? nullptr : Teamspieler_Get_Record(team, p);
    const int32_t w324 = ts ? ts->wert_324 : Teamspieler_Wert(324, team, p, 0, 0);
    if (w324 > 0) Teamspieler_Wert(324, team, p, w324 - 1, 1);
    const int32_t police = ts ? ts->versicherung_monate : Teamspieler_Wert(303, team, p, 0, 0);
    if (police > 0) {
        Teamspieler_Wert(303, team, p, police - 1, 1);
        if (police == 1) {
            melden(team, Temp_Sprintf("Die Versicherungspolice für Ihren Spieler %s ist abgelaufen. Sie sollten sich "
                                      "evtl. nach einem neuen Versicherungspartner umsehen.",
                                      spieler_name(p)));
            Teamspieler_Wert(307, team, p, -1, 1);
        }
    }
    int32_t monate = ts ? ts->vertrag_monate : Teamspieler_Wert(305, team, p, 0, 0);
    if (monate > 0) Teamspieler_Wert(305, team, p, --monate, 1);
    ruhestand_pruefen(team, p);
    const bool wechsel = Spieler_Wert(SP_STATUS, p, 0, SP_LESEN) & SP_STATUS_WECHSEL;
    if (monate == 1 && !wechsel)
        melden(team, Temp_Sprintf("Der Vertrag mit Ihrem Spieler %s wird in EINEM Monat auslaufen. Es bleibt also "
                                  "nicht mehr viel Zeit, ihm ein neues Angebot zu unterbreiten...",
                                  spieler_name(p)));
    vertrag_verlaengern(team, p, monate);
    if (monate <= 0) vertragsende(team, p);
}

void markt_monat(std::vector<uint8_t>& erledigt)
{
    const int32_t markt = Transfermarkt_Team;
    if (!team_gueltig(markt)) return;
    std::vector<int32_t> liste(TEAM_MAX_START_SPIELER);
    int32_t n = Teamspieler_Ins_Array(markt, liste.data(), TEAM_MAX_START_SPIELER, 0);
    if (n > TEAM_MAX_START_SPIELER) n = TEAM_MAX_START_SPIELER;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t p = liste[i];
        erledigt[p] = 1;
        if (Spieler_Egal_Daten[p].heimatsystem == -1) Print_Fehler("Spieler_Jeden_Monat: Spieler_Ligasystem==NIX!");
        int32_t m = Teamspieler_Wert(305, markt, p, 0, 0);
        if (m > 0) --m;
        if (n > 255) {
            if (m > 1) m -= 2;
        } else if (n > 150 && m >= 1) {
            --m;
        }
        Teamspieler_Wert(305, markt, p, m, 1);
        if (m > 0) continue;
        Richter_Check_Spieler_Angebote(p);
        if (Teamspieler_Ist_Im_Team(markt, p) < 0) continue;
        if (Spieler_Setze_Alten_Sack_Neu(p)) continue;
        const int32_t neu = Zufall(9, 15);
        Teamspieler_Wert(305, markt, p, neu, 1);
    }
}

}  // namespace

namespace {

// A player's birthday is this product's remainder by 365.
uint32_t geburtstags_produkt(const Spieler_Fix& f)
{
    const int8_t c = static_cast<int8_t>(f.name[0]);
    return static_cast<uint32_t>(static_cast<int32_t>(c)) * f.gesicht;
}

int32_t geburtstag(const Spieler_Fix& f) { return static_cast<int32_t>(geburtstags_produkt(f) % 365u); }

// The inverse of an odd number modulo 2^64 (each Newton step doubles the bits that are right).
constexpr uint64_t inverses(uint64_t a)
{
    uint64_t x = a;  // right in the lowest 3 bits
    for (int32_t i = 0; i < 5; ++i) x *= 2 - a * x;
    return x;
}
constexpr uint64_t INVERS_365 = inverses(365);
static_assert(INVERS_365 * 365 == 1);

// The first player from p on whose birthday is day d, n when there is none: the daily walk
// over every record reads the two fields alone. Whether the product lies on day d is asked
// without its remainder: the product moved by 365 - d (never negative) is a multiple of 365
// exactly when its multiple by the inverse of 365 lies among the multiples' images, the
// numbers up to 2^64 / 365.
int32_t naechstes_geburtstagskind(const Spieler_Fix* fix, int32_t p, int32_t n, int32_t d)
{
    if (d < 0 || d >= 365) return n;
    const uint64_t verschiebung = static_cast<uint64_t>(365 - d);
    for (; p < n; ++p)
        if ((geburtstags_produkt(fix[p]) + verschiebung) * INVERS_365 <= UINT64_MAX / 365) break;
    return p;
}

}  // namespace

int32_t Spieler_Geburtstag(int32_t spnr)
{
    if (!spieler_gueltig(spnr)) return -1;
    return geburtstag(Spieler_Fix_Daten[spnr]);
}

int32_t Spieler_Karriere_Saat(int32_t spnr)
{
    if (!spieler_gueltig(spnr)) return 1000;
    const int8_t c = static_cast<int8_t>(Spieler_Fix_Daten[spnr].name[2]);
    const uint32_t produkt = static_cast<uint32_t>(static_cast<int32_t>(c)) * Spieler_Fix_Daten[spnr].gesicht *
                             static_cast<uint32_t>(Spieler_Daten[spnr].alter);
    const uint32_t betrag = static_cast<int32_t>(produkt) < 0 ? 0u - produkt : produkt;
    return static_cast<int32_t>(betrag % 4000u) + 1000;
}

void Spieler_Altern(int32_t spnr)
{
    if (!spieler_gueltig(spnr) || Spieler_Laufbahn_Alter(spnr) < SP_ABBAU_ALTER) return;
    const int32_t verlust = Zufall(10, 20);
    for (int16_t& a : Spieler_Daten[spnr].attribute)
        if (a > 10) a = static_cast<int16_t>(std::max(a - verlust, 10));
}

int32_t Spieler_Vertrag_Monate_Begrenzen(int32_t spnr, int32_t monate)
{
    if (!spieler_gueltig(spnr)) return monate;
    const int32_t hoechstens = std::max(12, (SP_VERTRAG_BIS_ALTER - Spieler_Laufbahn_Alter(spnr)) * 12);
    return std::min(monate, hoechstens);
}

int32_t Spieler_Laufbahn_Alter(int32_t spnr)
{
    if (!spieler_gueltig(spnr)) return 0;
    return Spieler_Laufbahn_Alter(Spieler_Daten[spnr].alter, typ_von(spnr) == 0);
}

int32_t Spieler_Ruhestandsalter(int32_t spnr, int32_t* abschied)
{
    if (!spieler_gueltig(spnr)) return 99;
    // the player's own seed gives the same decision every month and leaves the game's sequence alone
    const int32_t gemerkt = Zufall_Get_Seed();
    Zufall_Set_Seed(Spieler_Karriere_Saat(spnr));
    const int32_t grenze = typ_von(spnr) == 0 ? RUHESTAND_TORWART : RUHESTAND_FELD;
    const int32_t ruhestand = Zufall(grenze - 2, grenze + 1);
    const int32_t chance = Zufall(0, 3);
    const int32_t welcher = Zufall(0, 8);
    Zufall_Set_Seed(gemerkt);
    if (abschied) *abschied = chance == 0 ? welcher : -1;
    return ruhestand;
}

void Spieler_Jeden_Tag()
{
    client_melden("Spieler_Jeden_Tag");
    if (!Spieler_Daten || !T) return;
    const int32_t d = Kalender_Get_Heute() % 365;
    Team_Init_Transfer_Suchliste();
    // one player in 365 has his birthday: it is asked first, as it reads one record only
    for (int32_t p = 0; Spieler_Fix_Daten && p < Spieler_Anzahl; ++p) {
        p = naechstes_geburtstagskind(Spieler_Fix_Daten, p, Spieler_Anzahl, d);
        if (p >= Spieler_Anzahl) break;
        if (Spieler_Jugend_Geburtstag(p)) continue;
        if (!(Spieler_Daten[p].status & SP_STATUS_OHNE_HEIMATSYSTEM) && Spieler_Egal_Daten[p].heimatsystem == -1)
            continue;
        if (Spieler_Daten[p].alter < 255) ++Spieler_Daten[p].alter;
        Spieler_Altern(p);
        const int32_t alter = Spieler_Daten[p].alter;
        const int32_t r = Zufall(0, 2);
        if (alter < 35 + r) continue;
        const int32_t team = Teamspieler_Get_Team_Des_Spielers(-1, p, -1);
        if (team != Transfermarkt_Team || team < 0) {
            if (alter >= 37 + r && (team < 0 || Wettbewerb_Get_Team_Wettbewerb(team, 0) == -1)) verjuengen(p);
        } else if (!Spieler_Setze_Alten_Sack_Neu(p)) {
            const int32_t monate = Zufall(9, 15);
            Teamspieler_Wert(305, team, p, monate, 1);
        }
    }
    Spieler_Bewerte_Training(d);
}

void Spieler_Jede_Woche()
{
    client_melden("Spieler_Jede_Woche");
    if (!Spieler_Daten) return;
    for (int32_t p = 0; p < Spieler_Anzahl; ++p) {
        Spieler_Client_Egal& e = Spieler_Egal_Daten[p];
        if (e.heimatsystem == -1) continue;
        if (e.angebotszaehler > 0) {
            --e.angebotszaehler;
            if (e.angebotszaehler == 1 && Teamspieler_Ist_Im_Team(Transfermarkt_Team, p) < 0)
                Spieler_Auktion_Ankuendigen(p);
        }
        if (e.angebotswert > 0) --e.angebotswert;
    }
}

void Spieler_Auktion_Ankuendigen(int32_t spnr)
{
    const char* text = Temp_Sprintf("In einer Woche wird es zur Auktion des Spielers %s kommen.", spieler_name(spnr));
    const int32_t verein = Teamspieler_Get_Team_Des_Spielers(-1, spnr, -1);
    melden(verein, text);
    Spieler_Angebot angebote[RICHTER_MAX_ANGEBOTE];
    const int32_t n = Richter_Get_Spieler_Angebote(spnr, angebote, RICHTER_MAX_ANGEBOTE, nullptr);
    for (int32_t i = 0; i < n && i < RICHTER_MAX_ANGEBOTE; ++i)
        if (angebote[i].bieter != verein) melden(angebote[i].bieter, text);
}

void Spieler_Jeden_Monat()
{
    client_melden("Spieler_Jeden_Monat");
    if (!Spieler_Daten || !T) return;
    std::vector<uint8_t> erledigt(static_cast<size_t>(Spieler_Anzahl), 0);
    Team_Init_Transfer_Suchliste();
    markt_monat(erledigt);

    std::vector<int32_t> systeme(WETTBEWERB_ANZAHL);
    const int32_t n_systeme = Wettbewerb_Get_Ligasysteme(systeme.data());
    std::vector<int16_t> teams(TEAM_MAX_ANZAHL);
    int32_t kader[KADER_LISTE];
    for (int32_t s = 0; s < n_systeme && s < WETTBEWERB_ANZAHL; ++s) {
        int32_t n_teams = Wettbewerb_Get_Ligasystem_Teams(systeme[s], teams.data(), TEAM_MAX_ANZAHL);
        if (n_teams > TEAM_MAX_ANZAHL) n_teams = TEAM_MAX_ANZAHL;
        for (int32_t i = 0; i < n_teams; ++i) {
            const int32_t team = teams[i];
            if (!team_gueltig(team)) continue;
            int32_t n = Teamspieler_Ins_Array(team, kader, KADER_LISTE, 0);
            if (n > KADER_LISTE) n = KADER_LISTE;
            for (int32_t k = 0; k < n; ++k) {
                const int32_t p = kader[k];
                if (!spieler_gueltig(p) || erledigt[p]) continue;
                erledigt[p] = 1;
                if (Teamspieler_Ist_Im_Team(team, p) < 0) continue;
                vereinsspieler_monat(team, p);
            }
        }
    }
}

void Spieler_Jedes_Jahr() {}
