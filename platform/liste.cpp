#include "platform/liste.h"
#include "platform/bytes.h"

#include <cstring>
#include <unordered_map>
#include <utility>

#include "platform/exit.h"
#include "platform/print.h"
#include "platform/mem.h"

static Liste* registry[LISTE_REGISTRY_GROESSE];
static Liste_Element* cursor = nullptr;
// Moves with every change of any list's elements (see Liste_Stand).
static uint64_t stand = 1;

uint64_t Liste_Stand() { return stand; }

// Moves the common count and gives the list its new value.
static void geaendert(Liste* liste)
{
    ++stand;
    liste->key = uint32_t(stand >> 32);
    liste->spare = uint32_t(stand);
}

// The slot of each registered head: every walk of a list asks for it, and a scan of the table
// would cost hundreds of comparisons for each of the teams' lists.
// (A namespace-level object: its destructor is registered before main, so the first game does
// not leave an exit-table entry behind that looks like memory it kept.)
static std::unordered_map<const Liste*, int> slot_tabelle;
static std::unordered_map<const Liste*, int>& slots() { return slot_tabelle; }

static int registry_slot(const Liste* liste)
{
    if (!liste) return -1;
    const auto& s = slots();
    const auto it = s.find(liste);
    return it == s.end() ? -1 : it->second;
}

static void slot_setzen(int slot, Liste* liste)
{
    if (registry[slot]) slots().erase(registry[slot]);
    registry[slot] = liste;
    if (liste) slots()[liste] = slot;
    // the last list gone: the map's buckets go too, so that an ended game leaves no memory
    else if (slots().empty()) std::unordered_map<const Liste*, int>().swap(slots());
}

static bool registriert(const Liste* liste) { return registry_slot(liste) >= 0; }

void Liste_Init(Liste* liste)
{
    if (!liste) {
        Print_Fehler("Liste_Init: liste=NULL!");
        return;
    }
    if (registriert(liste)) Liste_Delete_All(liste);
    int frei = -1;
    for (int i = 0; i < LISTE_REGISTRY_GROESSE && frei < 0; ++i)
        if (!registry[i]) frei = i;
    if (frei < 0) {
        Exit_Game("Listen-Verwaltung ist übergelaufen...");
        return;
    }
    slot_setzen(frei, liste);
    geaendert(liste);
    liste->prev = nullptr;
    liste->next = nullptr;
    liste->data = nullptr;
    liste->size = 0;
    cursor = liste;
}

// The element itself when it is in the list (the head counts), else NULL.
static Liste_Element* suche(Liste* liste, Liste_Element* element)
{
    for (Liste_Element* e = liste; e; e = e->next)
        if (e == element) return e;
    return nullptr;
}

// The last element of one list, as an insert at its end or a walk to its end left it: it holds
// while that list's count stands (a count of 0, a head cleared, is never taken as known). A list
// grown at its end one element after the other (the match day's records) then neither walks to
// its end nor through itself to find the element it grows behind.
static struct {
    const Liste* liste = nullptr;
    uint64_t stand = 0;
    Liste_Element* letztes = nullptr;
} ende;

static Liste_Element* ende_bekannt(const Liste* liste)
{
    const uint64_t s = Liste_Stand_Von(liste);
    return s != 0 && ende.liste == liste && ende.stand == s ? ende.letztes : nullptr;
}

static void ende_merken(const Liste* liste, Liste_Element* letztes)
{
    ende.liste = liste;
    ende.stand = Liste_Stand_Von(liste);
    ende.letztes = letztes;
}

Liste_Element* Liste_Insert_Element(Liste* liste, Liste_Element* nach, const void* quelle,
                                    uint32_t size, uint32_t key)
{
    if (!registriert(liste)) return nullptr;
    Liste_Element* vor = !nach ? liste : nach == ende_bekannt(liste) ? nach : suche(liste, nach);
    if (!vor) return nullptr;
    if (size == 0) {
        size = 1;
        quelle = nullptr;
    }
    if (size > 0xFFFFFFFFu - LISTE_KOPF_BYTES) return nullptr;
    auto* e = static_cast<Liste_Element*>(Mem_Alloc(uint32_t(sizeof(Liste_Element)) + size, 0));
    if (!e) return nullptr;
    uint8_t* nutz = reinterpret_cast<uint8_t*>(e + 1);
    if (quelle) std::memmove(nutz, quelle, size);
    else std::memset(nutz, 0, size);
    e->data = nutz;
    e->key = key;
    e->size = size + LISTE_KOPF_BYTES;
    e->spare = 0;
    geaendert(liste);
    e->prev = vor;
    e->next = vor->next;
    if (e->next) e->next->prev = e;
    vor->next = e;
    if (!e->next) ende_merken(liste, e);
    return e;
}

Liste_Element* Liste_Delete_Element(Liste* liste, Liste_Element* element)
{
    if (!registriert(liste)) return nullptr;
    if (!element) {
        Liste_Delete_All(liste);
        Liste_Init(liste);
        return nullptr;
    }
    if (element == liste) {
        Print_Log(0, "Listenkopf nicht löschen");
        return liste;
    }
    if (!suche(liste, element)) {
        Print_Log(0, "Löschelement nicht da");
        return element;
    }
    if (element->size == 0) {
        Exit_Game("Element Löschen: Liste wurde manipuliert!");
        return nullptr;
    }
    Liste_Element* vor = element->prev;
    geaendert(liste);
    cursor = vor;
    vor->next = element->next;
    if (element->next) element->next->prev = vor;
    Mem_Free(element, 0);
    return vor;
}

bool Liste_Delete_All(Liste* liste)
{
    int slot = registry_slot(liste);
    if (slot < 0) return false;
    while (liste->next)
        if (!Liste_Delete_Element(liste, liste->next)) {
            Exit_Game("Alle löschen: Liste wurde manipuliert!");
            return false;
        }
    geaendert(liste);
    slot_setzen(slot, nullptr);
    cursor = nullptr;
    return true;
}

static uint32_t nutz_laenge(const Liste_Element* e)
{
    return e->size > LISTE_KOPF_BYTES ? e->size - LISTE_KOPF_BYTES : 0;
}

bool Liste_Copy(Liste* ziel, Liste_Element* nach, Liste* quelle)
{
    if (!registriert(ziel) || !registriert(quelle)) return false;
    for (Liste_Element* e = Liste_First_Element(quelle); e; e = e->next)
        if (!Liste_Insert_Element(ziel, nach, e->data, nutz_laenge(e), e->key)) return false;
    return true;
}

bool Liste_Tauschen(Liste* a, Liste* b)
{
    if (!registriert(a) || !registriert(b)) return false;
    geaendert(a);
    geaendert(b);
    std::swap(a->next, b->next);
    if (a->next) a->next->prev = a;
    if (b->next) b->next->prev = b;
    return true;
}

static Liste_Element* start(Liste* liste) { return liste ? liste : cursor; }

int32_t Liste_Count(Liste* liste)
{
    int32_t n = 0;
    Liste_Element* s = start(liste);
    for (Liste_Element* e = s ? s->next : nullptr; e; e = e->next) ++n;
    return n;
}

Liste_Element* Liste_Get_Last(Liste* liste)
{
    if (Liste_Element* letztes = liste ? ende_bekannt(liste) : nullptr) return letztes;
    Liste_Element* e = start(liste);
    while (e && e->next) e = e->next;
    if (liste && e != liste && registriert(liste)) ende_merken(liste, e);
    return e;
}

Liste_Element* Liste_Find_Key(Liste* liste, uint32_t key)
{
    Liste_Element* s = start(liste);
    for (Liste_Element* e = s ? s->next : nullptr; e; e = e->next)
        if (e->key == key) return e;
    return nullptr;
}

static char klein(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

Liste_Element* Liste_Find_Name(Liste* liste, const char* name)
{
    if (!name) return nullptr;
    uint32_t n = uint32_t(std::strlen(name));
    Liste_Element* s = start(liste);
    for (Liste_Element* e = s ? s->next : nullptr; e; e = e->next) {
        // The payload need not be a terminated string: compare within its length.
        const char* p = static_cast<const char*>(e->data);
        uint32_t len = nutz_laenge(e);
        if (!p || len < n) continue;
        uint32_t i = 0;
        while (i < n && klein(p[i]) == klein(name[i])) ++i;
        if (i == n && (len == n || p[n] == 0)) return e;
    }
    return nullptr;
}

Liste_Element* Liste_First_Element(Liste* liste)
{
    if (!registriert(liste) || !liste->next) return nullptr;
    cursor = liste->next;
    return cursor;
}

Liste_Element* Liste_Next_Element(Liste* /*liste*/, Liste_Element* element)
{
    cursor = element ? element->next : nullptr;
    return cursor;
}

Liste_Element* Liste_Next_Cursor()
{
    if (!cursor || !cursor->next) return nullptr;
    cursor = cursor->next;
    return cursor;
}

bool Liste_Set_Element(Liste* liste, Liste_Element* element)
{
    if (!liste || element == liste) {
        cursor = element;
        return true;
    }
    if (!registriert(liste)) return false;
    if (element && suche(liste, element)) {
        cursor = element;
        return true;
    }
    cursor = Liste_Get_Last(liste);
    return false;
}

void Liste_Set_Cursor(Liste_Element* element) { cursor = element; }

static void kopf_schreiben(uint8_t* p, const Liste_Element* e)
{
    Bytes_Setze32(p, LISTE_MARKE_ELEMENT);
    Bytes_Setze32(p + 4, 0);
    Bytes_Setze32(p + 8, 0);
    Bytes_Setze32(p + 12, e->data ? 1 : 0);
    Bytes_Setze32(p + 16, e->key);
    Bytes_Setze32(p + 20, e->size);
    Bytes_Setze32(p + 24, 0);
}

uint32_t Liste_Save_Buffer(uint8_t** buffer, Liste* liste, int32_t key_filter)
{
    if (!buffer) return 0;
    *buffer = nullptr;
    if (!registriert(liste)) return 0;
    auto gewaehlt = [&](const Liste_Element* e) {
        return key_filter == -1 || e->key == uint32_t(key_filter);
    };
    uint64_t gesamt = 4;
    for (Liste_Element* e = liste->next; e; e = e->next)
        if (gewaehlt(e)) gesamt += 4 + LISTE_KOPF_BYTES + nutz_laenge(e);
    if (gesamt > 0xFFFFFFFFu) return 0;
    auto* p = static_cast<uint8_t*>(Mem_Alloc(uint32_t(gesamt), 0));
    if (!p) return 0;
    uint8_t* w = p;
    for (Liste_Element* e = liste->next; e; e = e->next) {
        if (!gewaehlt(e)) continue;
        kopf_schreiben(w, e);
        w += 4 + LISTE_KOPF_BYTES;
        std::memcpy(w, e->data, nutz_laenge(e));
        w += nutz_laenge(e);
    }
    Bytes_Setze32(w, LISTE_MARKE_ENDE);
    *buffer = p;
    return uint32_t(gesamt);
}

bool Liste_Load_Buffer(const uint8_t* buffer, uint32_t laenge, Liste* liste)
{
    if (!liste || !buffer) return false;
    // First walk the whole form, so that a damaged one builds nothing.
    uint32_t pos = 0;
    for (;;) {
        if (laenge - pos < 4) return false;
        uint32_t marke = Bytes_Hole32(buffer + pos);
        pos += 4;
        if (marke == LISTE_MARKE_ENDE) break;
        if (marke != LISTE_MARKE_ELEMENT || laenge - pos < LISTE_KOPF_BYTES) return false;
        uint32_t data = Bytes_Hole32(buffer + pos + 8), size = Bytes_Hole32(buffer + pos + 16);
        pos += LISTE_KOPF_BYTES;
        if (size < LISTE_KOPF_BYTES) return false;
        if (data) {
            if (laenge - pos < size - LISTE_KOPF_BYTES) return false;
            pos += size - LISTE_KOPF_BYTES;
        }
    }
    // Built apart and swapped in, so that running out of memory halfway loses nothing either.
    Liste neu{};
    Liste_Init(&neu);
    pos = 0;
    Liste_Element* letztes = nullptr;
    bool ok = true;
    for (;;) {
        uint32_t marke = Bytes_Hole32(buffer + pos);
        pos += 4;
        if (marke == LISTE_MARKE_ENDE) break;
        uint32_t data = Bytes_Hole32(buffer + pos + 8), key = Bytes_Hole32(buffer + pos + 12),
                 size = Bytes_Hole32(buffer + pos + 16);
        pos += LISTE_KOPF_BYTES;
        uint32_t n = data ? size - LISTE_KOPF_BYTES : 0;
        letztes = Liste_Insert_Element(&neu, letztes, buffer + pos, n, key);
        pos += n;
        if (!letztes) {
            ok = false;
            break;
        }
    }
    if (ok) {
        if (!registriert(liste)) Liste_Init(liste);
        Liste_Tauschen(liste, &neu);
    }
    Liste_Delete_All(&neu);
    if (ok) cursor = liste;
    return ok;
}
