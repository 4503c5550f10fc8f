// The stadium's daily job (incidents, finished works) and weekly job (the firms' offers, the
// stadium assistant, riot fines, wear and collapse).
#include <array>

#include "database/assistent.h"
#include "database/manager.h"
#include "economy/bank.h"
#include "economy/stadion_intern.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

static void vorfall(Stadion_Daten& d)
{
    const int32_t unbenutzt = Zufall(0, 2);
    (void)unbenutzt;
    const int32_t art = Zufall(0, 2);
    Stadion_Slot* s = nullptr;
    const char* text = nullptr;
    int32_t faktor = 100;
    if (art == 0 && d.slot[7].modell >= 11 && d.slot[7].modell <= 13) {
        s = &d.slot[7];
        faktor = Zufall(60, 90);
        text = "Ein Kabelbrand in der Flutlichtanlage kann nur provisorisch behoben werden. Der Zustand sinkt auf "
               "%1.0f Prozent !";
    } else if (art == 1 && (d.slot[12].modell == 27 || d.slot[12].modell == 28)) {
        s = &d.slot[12];
        faktor = Zufall(40, 70);
        text = "Eine Maulwurfsfamilie futtert sich durch Ihr Stadion. Der Rasenzustand sinkt auf %1.0f Prozent !";
    } else if (art == 2 && d.slot[6].modell != 0) {
        s = &d.slot[6];
        faktor = Zufall(80, 90);
        text = "Ein orkanartiger Sturm zerrt an Ihrer Anzeigetafel. Der Zustand sinkt auf %1.0f Prozent !";
    }
    if (!s) return;
    s->zustand = float(s->zustand * faktor * 0.01);
    News_Senden(-1, d.team, -1, 4, nullptr, text, double(s->zustand));
}

void Stadion_Jeden_Tag()
{
    if (!Stadion_Ist_Initialisiert() || Stadion_Ist_Client()) return;
    const int32_t heute = Stadion_Heute();
    for (auto& p : Stadion.liste) {
        Stadion_Daten& d = *p;
        const int32_t z = Zufall(0, 300);
        if (z == 0) vorfall(d);
        for (int32_t i = 0; i < STADION_SLOTS; ++i) {
            const Stadion_Slot& s = d.slot[i];
            if (s.modell == 0 || s.bauende != heute) continue;
            if (s.fertig == heute)
                News_Senden(-1, d.team, -1, 132, nullptr, "Ihr Stadionausbau (%s) wurde heute fertiggestellt.",
                            Stadion_Slot_Name[i]);
            else if (s.fertig < heute)
                News_Senden(-1, d.team, -1, 132, nullptr, "Die Renovierung (%s) wurde heute abgeschlossen.",
                            Stadion_Slot_Name[i]);
        }
    }
}

static void firmen_woche()
{
    static const char* const EROEFFNUNG[4] = {
        "Die Zeit ist reif für einen Stadionausbau.", "Stadionausbau so günstig wie nie.",
        "Greifen Sie zu. Bauen Sie sich Ihr Traumstadion.", "Jetzt ist der Stadionausbau endlich erschwinglich."};
    for (int32_t f = 0; f < STADION_FIRMEN; ++f) {
        Stadion_Firma_Daten& firma = Stadion_Baufirma[f];
        const int32_t weiter = Zufall(0, 1);
        if (weiter == 0 || firma.rabatt < 10) {
            firma.rabatt = Zufall(0, 5);
            const int32_t aktion = Zufall(0, 50);
            if (aktion == 0) {
                const int32_t stufe = Zufall(0, 2);
                firma.rabatt = 10 + 5 * stufe;
                News_Senden(-1, -1, -1, 4, nullptr,
                            "Denken Sie doch mal über einen Stadionausbau nach. %s hat für kurze Zeit die Preise um "
                            "%d Prozent gesenkt.",
                            firma.name, firma.rabatt);
            }
        }
        const int32_t ende = Zufall(0, 1);
        if (ende == 1 && firma.angebot != 0) {
            firma.angebot = 0;
            continue;
        }
        const int32_t neu = Zufall_Gross(0, 50);
        if (neu != 0) continue;
        int32_t modell = 0;
        do {
            modell = Zufall(1, 35);
        } while (!Stadion_Firma_Verkauft(modell, f));
        firma.angebot = modell;
        const int32_t e = Zufall(0, 3);
        News_Senden(-1, -1, -1, 4, nullptr, "%s %s hat für kurze Zeit das Modell %s (%s) im Angebot.", EROEFFNUNG[e],
                    firma.name, Stadion_Modell[modell].name, Stadion_Modell[modell].beschreibung);
    }
}

static void verschleiss(Stadion_Daten& d)
{
    const int32_t heute = Stadion_Heute();
    for (int32_t i = 0; i < STADION_SLOTS; ++i) {
        Stadion_Slot& s = d.slot[i];
        if (!Stadion_Slot_Fertig(s, heute)) continue;
        const float w = Stadion_Verschleiss(s);
        bool einsturz = s.zustand - w <= 0;
        if (!einsturz) {
            const int32_t z = Zufall(0, 900);
            einsturz = float(z) > s.zustand * 10 + 600;
        }
        if (einsturz) {
            const float kosten = Stadion_Abrisskosten(i, s.modell, s.firma, s.plaetze);
            Schreibe_Überweisung(d.team, -1, kosten, 15, 1, -1);
            News_Printf_Team(d.team, "Nun ist %s %s baufällig. Abrißkosten in Höhe von %s wurden vom Konto abgebucht.",
                             Stadion_Artikel(i, false), Stadion_Slot_Name[i],
                             Bank_Betrag_String(kosten, d.team, -1, 0));
            News_Senden(-1, d.team, -1, 128, nullptr, "Leider mußte %s %s wegen Baufälligkeit abgerissen werden.",
                        Stadion_Artikel(i, false), Stadion_Slot_Name[i]);
            s.modell = 0;
            continue;
        }
        const float vorher = s.zustand;
        s.zustand -= w;
        if (s.zustand < STADION_ZUSTAND_BAUFAELLIG && vorher >= STADION_ZUSTAND_BAUFAELLIG)
            News_Senden(-1, d.team, -1, 4, nullptr,
                        "%s %s ist in einem schlechten Zustand. Sinkt der Zustand weiter, muss sie womöglich "
                        "abgerissen werden.",
                        Stadion_Artikel(i, true), Stadion_Slot_Name[i]);
    }
}

void Stadion_Jede_Woche()
{
    if (!Stadion_Ist_Initialisiert() || Stadion_Ist_Client()) return;
    firmen_woche();
    Stadion.viertel = (Stadion.viertel + 1) % 4;
    uint32_t zaehler = 0;
    // the assistant may add or remove nothing from the list, but keep to indices anyway
    for (size_t k = 0; k < Stadion.liste.size(); ++k) {
        Stadion_Daten& d = *Stadion.liste[k];
        ++zaehler;
        if (zaehler % 4 == Stadion.viertel) Stadion_Assistent_Bauen(&d);
        if (d.hat_top && d.top.krawall && Bank_Get_Kontostand(d.team, 0, -1) > -1000000) {
            const int32_t z = Zufall(2, 6);
            const float strafe = float(int64_t(z) * 40000 * Stadion_Niveau(d.team) / 100);
            News_Senden(-1, d.team, -1, 4, nullptr,
                        "Bei Ihrem letzten Heimspiel kam es zu Zuschauerausschreitungen. Sie werden zu einer "
                        "Geldstrafe von %s verurteilt.",
                        Bank_Betrag_String(strafe, d.team, -1, 0));
            Schreibe_Überweisung(d.team, -1, strafe, 22, 1, -1);
            d.top.krawall = 0;
        }
        verschleiss(d);
    }
}

// The slot whose models a model is compared with: the first slot whose first model is the model
// or, going down, the nearest model below that leads a slot; -1 for none.
static int32_t vergleichs_slot(int32_t modell)
{
    static const auto TABELLE = [] {
        std::array<int8_t, STADION_MODELLE> t{};
        for (int32_t m = 0; m < STADION_MODELLE; ++m) {
            t[size_t(m)] = -1;
            for (int32_t n = m; n > 0 && t[size_t(m)] < 0; --n)
                for (int32_t s = 0; s < STADION_SLOTS && t[size_t(m)] < 0; ++s) {
                    int32_t anzahl = 0, erstes = 0;
                    Stadion_Slot_Modelle(s, &anzahl, &erstes);
                    if (erstes == n) t[size_t(m)] = int8_t(s);
                }
        }
        return t;
    }();
    return modell > 0 && modell < STADION_MODELLE ? TABELLE[size_t(modell)] : -1;
}

int32_t Stadion_Modell_Vergleich(int32_t modell, int32_t plaetze)
{
    const int32_t slot = vergleichs_slot(modell);
    if (slot < 0) return 0;
    int32_t anzahl = 0, erstes = 0;
    Stadion_Slot_Modelle(slot, &anzahl, &erstes);
    const int32_t bestes = erstes + anzahl - 1;
    int32_t ub = Stadion_Modell[bestes].max_plaetze / 5000;
    if (ub < 1) ub = 1;
    const int32_t u = plaetze > 1 ? plaetze / 5000 : plaetze;
    return u * Stadion_Modell[modell].attraktion * 120 / (ub * Stadion_Modell[bestes].attraktion);
}

namespace {
struct Wahl {
    int32_t slot = -1, modell = 0, firma = 0, plaetze = 0;
    float kosten = 0;
};
}  // namespace

// Above one place the comparison counts whole 5000s: every step short of the next 5000 compares
// the same, so the search may go straight to the first step that reaches it (at least one).
static int32_t schritte_bis_naechste_5000(int32_t plaetze, int32_t schritt)
{
    const int32_t naechste = (plaetze / 5000 + 1) * 5000;
    return (naechste - plaetze + schritt - 1) / schritt;
}

// The cheapest-to-reach option of one slot that lifts it to the target, within the money.
static bool slot_option(const Stadion_Slot& s, int32_t slot, int32_t ziel, int64_t geld, int32_t r10, int32_t r20,
                        Wahl* wahl)
{
    int32_t anzahl = 0, erstes = 0;
    Stadion_Slot_Modelle(slot, &anzahl, &erstes);
    const bool grosse = slot < STADION_TRIBUENEN || slot == STADION_ANLAGE_PARKPLATZ;
    const int32_t schritt = grosse ? 500 : (slot == 16 || slot == STADION_ANLAGE_IMBISS) ? 1 : 0;
    const int32_t start = s.modell ? s.modell : erstes;
    int32_t plaetze = s.modell ? s.plaetze : (grosse ? 2000 : 1);
    for (int32_t m = start; m < erstes + anzahl; ++m) {
        if (m != start && grosse) plaetze = 2000;
        const int32_t max = Stadion_Modell_Max_Plaetze(m);
        for (;;) {
            if (Stadion_Modell_Vergleich(m, plaetze) >= ziel) {
                int32_t firma = -1;
                for (int32_t f = 0; f < STADION_FIRMEN && firma < 0; ++f)
                    if (Stadion_Baufirma[f].angebot == m) firma = f;
                for (int32_t f = 0; f < STADION_FIRMEN && firma < 0 && !r20 && !r10; ++f)
                    if (Stadion_Firma_Verkauft(m, f)) firma = f;
                for (int32_t f = STADION_FIRMEN - 1; f >= 0 && firma < 0 && (r20 || r10); --f)
                    if (Stadion_Firma_Verkauft(m, f)) firma = f;
                if (firma >= 0 && r10 && !r20 && Stadion_Baufirma[firma].angebot != m) {
                    // with only the smaller reserve each seller is taken with probability one half
                    for (int32_t f = 0; f < STADION_FIRMEN; ++f) {
                        if (!Stadion_Firma_Verkauft(m, f)) continue;
                        const int32_t z = Zufall_Gross(0, 1);
                        if (z) {
                            firma = f;
                            break;
                        }
                    }
                }
                if (firma >= 0) {
                    float kosten = float(int64_t(Stadion_Baukosten(slot, m, firma, plaetze)));
                    if (s.modell != 0 && s.modell != m) kosten += Stadion_Abrisskosten(slot, s.modell, s.firma, s.plaetze);
                    if (kosten < float(geld)) {
                        *wahl = Wahl{slot, m, firma, plaetze, kosten};
                        return true;
                    }
                }
                break;
            }
            // a step of 0 could never reach the target: try the next model
            if (schritt == 0 || plaetze + schritt > max) break;
            plaetze += plaetze > 1 ? schritte_bis_naechste_5000(plaetze, schritt) * schritt : schritt;
            if (plaetze > max) break;
        }
    }
    return false;
}

void Stadion_Assistent_Bauen(Stadion_Daten* d)
{
    if (!d || !Stadion.initialisiert || Stadion_Ist_Client()) return;
    const int32_t team = d->team;
    const int32_t aslot = Assistent_Mit_Aufgabe(team, 5);
    if (aslot == -1) return;
    const int32_t faehigkeit = Assistent_Faehigkeit(team, aslot, 5);
    const int64_t geld = int64_t(Bank_Get_Kontostand(team, 0, -1)) - 500000;
    const int32_t r10 = geld > 3500000 ? 10 : 0, r20 = geld > 7000000 ? 20 : 0;
    const int32_t heute = Stadion_Heute();

    for (int32_t i = 0; i < STADION_SLOTS; ++i) {
        const Stadion_Slot& s = d->slot[i];
        if (s.modell == 0 || s.bauende > heute) continue;
        if (float(60 + r20 + r10 - faehigkeit / 5) > s.zustand) {
            const float kosten = float(int64_t(Stadion_Renovierungskosten_Von(*d, i)));
            // The booking is forced: a club in debt renovates all the same. Waiting for the
            // money let the poorer clubs' stands, all built in the same year, fall below the
            // collapse mark together, faster than one renovation a turn could save them; they
            // lost a third of their seats and with them the gate that pays their debts.
            Stadion_Renovieren(team, i, kosten);
            // the pass ends at its first attempt
            break;
        }
    }

    int32_t bester = 999999999;
    Wahl wahl;
    const int32_t niveau = Stadion_Niveau(team);
    for (int32_t i = 0; i < STADION_SLOTS; ++i) {
        const Stadion_Slot& s = d->slot[i];
        if (s.modell != 0 && s.fertig > heute) return;  // a new building under way: no second one
        if (s.bauende > heute) continue;
        const int32_t v = s.modell ? Stadion_Modell_Vergleich(s.modell, s.plaetze) : 0;
        int32_t ziel = niveau * (r20 / 2 + 80) / 100;
        const int32_t z1 = Zufall(0, 30);
        if (z1 == 0) {
            const int32_t z2 = Zufall(0, 100);
            if (z2 < faehigkeit) ziel = Zufall(0, 100);
        }
        Wahl w;
        if (v < bester && v < ziel && slot_option(s, i, ziel, geld, r10, r20, &w)) {
            wahl = w;
            bester = v;
        }
    }
    if (wahl.slot >= 0 && Stadion_Attraktivitaet_Von(*d, niveau) < r20 + 90)
        Stadion_Bauen(team, wahl.slot, wahl.modell, wahl.firma, wahl.plaetze, wahl.kosten);
}
