#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/liste.h"
#include "platform/mem.h"

namespace {

std::string namen(Liste* l)
{
    std::string s;
    for (Liste_Element* e = l->next; e; e = e->next) s += static_cast<const char*>(e->data);
    return s;
}

std::vector<uint8_t> speichern(Liste* l, int32_t filter = -1)
{
    uint8_t* p = nullptr;
    uint32_t n = Liste_Save_Buffer(&p, l, filter);
    std::vector<uint8_t> v(p, p + n);
    Mem_Free(p, 0);
    return v;
}

}  // namespace

TEST(Liste, InsertOrderDeleteAndRegistry)
{
    Liste l;
    Liste_Init(&l);
    EXPECT_EQ(Liste_Get_Last(&l), &l);
    EXPECT_EQ(Liste_Count(&l), 0);
    for (const char* s : {"A", "B", "C"}) Liste_Insert_Element(&l, nullptr, s, 2, 0);
    EXPECT_EQ(namen(&l), "CBA");

    Liste m;
    Liste_Init(&m);
    Liste_Element* nach = nullptr;
    for (const char* s : {"A", "B", "C"}) nach = Liste_Insert_Element(&m, nach, s, 2, 0);
    EXPECT_EQ(namen(&m), "ABC");
    EXPECT_EQ(Liste_Insert_Element(&m, l.next, "X", 2, 0), nullptr);  // not in this list
    EXPECT_EQ(Liste_Find_Name(&m, "b"), m.next->next);
    EXPECT_EQ(Liste_Count(&m), 3);

    // Deleting the first element returns the head, whose next is the new first element.
    Liste_Element* vor = Liste_Delete_Element(&m, m.next);
    EXPECT_EQ(vor, &m);
    EXPECT_STREQ(static_cast<const char*>(Liste_Next_Element(&m, vor)->data), "B");
    EXPECT_EQ(Liste_Delete_Element(&m, &m), &m);
    EXPECT_EQ(namen(&m), "BC");

    // Copies land in reverse order.
    ASSERT_TRUE(Liste_Copy(&l, nullptr, &m));
    EXPECT_EQ(namen(&l), "CBCBA");

    EXPECT_TRUE(Liste_Delete_All(&m));
    EXPECT_FALSE(Liste_Delete_All(&m));
    EXPECT_EQ(Liste_Insert_Element(&m, nullptr, "A", 2, 0), nullptr);
    EXPECT_EQ(Liste_First_Element(&m), nullptr);
    Liste_Init(&m);
    EXPECT_NE(Liste_Insert_Element(&m, nullptr, "A", 2, 0), nullptr);
    Liste_Delete_All(&m);
    Liste_Delete_All(&l);
}

// The change count that remembered lookups rely on: every insert, removal and swap moves it,
// reading does not.
TEST(Liste, TheChangeCountMovesWithEveryChangeAndOnlyThen)
{
    Liste a{}, b{};
    uint64_t stand = Liste_Stand();
    auto bewegt = [&] {
        const uint64_t jetzt = Liste_Stand();
        const bool anders = jetzt != stand;
        stand = jetzt;
        return anders;
    };
    Liste_Init(&a);
    Liste_Init(&b);
    EXPECT_TRUE(bewegt());
    Liste_Element* e = Liste_Insert_Element(&a, nullptr, "x", 2, 5);
    EXPECT_TRUE(bewegt());
    EXPECT_EQ(Liste_Find_Key(&a, 5), e);
    EXPECT_EQ(Liste_Count(&a), 1);
    EXPECT_EQ(Liste_First_Element(&a), e);
    EXPECT_FALSE(bewegt());
    ASSERT_TRUE(Liste_Tauschen(&a, &b));
    EXPECT_TRUE(bewegt());
    Liste_Delete_Element(&b, e);
    EXPECT_TRUE(bewegt());
    Liste_Insert_Element(&a, nullptr, "y", 2, 6);
    bewegt();
    Liste_Delete_All(&a);
    EXPECT_TRUE(bewegt());
    Liste_Delete_All(&b);
}

// Each list's own count: it moves with the list's own changes only, never returns to a value
// any list held before (a head registered anew at the same address included), and goes along
// with a copied head.
TEST(Liste, EachListsOwnCountMovesWithItsOwnChangesOnly)
{
    Liste a{}, b{};
    EXPECT_EQ(Liste_Stand_Von(&a), 0u);
    EXPECT_EQ(Liste_Stand_Von(nullptr), 0u);
    Liste_Init(&a);
    Liste_Init(&b);
    std::vector<uint64_t> gesehen{Liste_Stand_Von(&a), Liste_Stand_Von(&b)};
    EXPECT_NE(gesehen[0], gesehen[1]);
    auto neu = [&](const Liste* l) {
        const uint64_t s = Liste_Stand_Von(l);
        const bool frisch = std::find(gesehen.begin(), gesehen.end(), s) == gesehen.end();
        gesehen.push_back(s);
        return frisch;
    };

    const uint64_t a_vorher = Liste_Stand_Von(&a);
    Liste_Element* e = Liste_Insert_Element(&b, nullptr, "x", 2, 5);
    EXPECT_TRUE(neu(&b));
    EXPECT_EQ(Liste_Stand_Von(&a), a_vorher);
    EXPECT_EQ(Liste_Stand_Von(&a), Liste_Stand_Von(&a));
    // reading and walking change nothing
    const uint64_t b_vorher = Liste_Stand_Von(&b);
    EXPECT_EQ(Liste_Find_Key(&b, 5), e);
    EXPECT_EQ(Liste_Count(&b), 1);
    EXPECT_EQ(Liste_First_Element(&b), e);
    EXPECT_EQ(Liste_Stand_Von(&b), b_vorher);

    ASSERT_TRUE(Liste_Tauschen(&a, &b));
    EXPECT_TRUE(neu(&a));
    EXPECT_TRUE(neu(&b));
    const uint64_t b_nach_tausch = Liste_Stand_Von(&b);
    Liste_Delete_Element(&a, e);
    EXPECT_TRUE(neu(&a));
    EXPECT_EQ(Liste_Stand_Von(&b), b_nach_tausch);

    // a copied head carries its count; the copy back still reads the same list
    Liste kopie = a;
    EXPECT_EQ(Liste_Stand_Von(&kopie), Liste_Stand_Von(&a));

    // given up and registered again at the same address: a value never seen
    Liste_Delete_All(&a);
    EXPECT_TRUE(neu(&a));
    Liste_Init(&a);
    EXPECT_TRUE(neu(&a));
    ASSERT_NE(Liste_Insert_Element(&a, nullptr, "y", 2, 6), nullptr);
    EXPECT_TRUE(neu(&a));

    // a saved form read back is a change of the list read into, not of the one it came from
    uint8_t* puffer = nullptr;
    const uint32_t laenge = Liste_Save_Buffer(&puffer, &a, -1);
    const uint64_t a_jetzt = Liste_Stand_Von(&a);
    ASSERT_TRUE(Liste_Load_Buffer(puffer, laenge, &b));
    Mem_Free(puffer, 0);
    EXPECT_TRUE(neu(&b));
    EXPECT_EQ(Liste_Stand_Von(&a), a_jetzt);
    // a damaged form changes nothing
    const uint8_t kaputt[4] = {1, 2, 3, 4};
    EXPECT_FALSE(Liste_Load_Buffer(kaputt, 4, &b));
    EXPECT_EQ(Liste_Stand_Von(&b), gesehen.back());
    // an empty saved form read in empties the list: a change too
    const uint8_t leer[4] = {0xF0, 0xF0, 0xF0, 0xF0};
    ASSERT_TRUE(Liste_Load_Buffer(leer, 4, &b));
    EXPECT_TRUE(neu(&b));
    Liste_Delete_All(&a);
    Liste_Delete_All(&b);
}

TEST(Liste, SavedFormRoundTripsAndRefusesDamage)
{
    Liste l;
    Liste_Init(&l);
    EXPECT_EQ(speichern(&l), (std::vector<uint8_t>{0xF0, 0xF0, 0xF0, 0xF0}));
    Liste g;
    g.next = nullptr;
    uint8_t leer[4] = {0xF0, 0xF0, 0xF0, 0xF0};
    ASSERT_TRUE(Liste_Load_Buffer(leer, 4, &g));
    EXPECT_EQ(Liste_Count(&g), 0);
    EXPECT_NE(Liste_Insert_Element(&g, nullptr, "A", 2, 0), nullptr);  // registered

    Liste_Element* nach = nullptr;
    nach = Liste_Insert_Element(&l, nach, "Eins", 5, 1);
    nach = Liste_Insert_Element(&l, nach, nullptr, 0, 0xDEADBEEF);
    nach = Liste_Insert_Element(&l, nach, "Drei!!", 7, 1);
    std::vector<uint8_t> form = speichern(&l);
    // Marker, six header words and the payload per element: 4 + 24 + 5, 4 + 24 + 1, 4 + 24 + 7.
    ASSERT_EQ(form.size(), 33u + 29 + 35 + 4);
    EXPECT_EQ(form[0], 0xFF);
    EXPECT_EQ(form[20], 29);  // size word of the first element: payload + 24
    EXPECT_EQ(form[12], 1);  // data word: a payload follows
    EXPECT_EQ(form[16], 1);  // key
    ASSERT_TRUE(Liste_Load_Buffer(form.data(), uint32_t(form.size()), &g));
    EXPECT_EQ(speichern(&g), form);
    EXPECT_EQ(Liste_Find_Key(&g, 0xDEADBEEF), g.next->next);

    std::vector<uint8_t> nur1 = speichern(&l, 1);
    ASSERT_TRUE(Liste_Load_Buffer(nur1.data(), uint32_t(nur1.size()), &g));
    EXPECT_EQ(namen(&g), "EinsDrei!!");

    // Damage: cut anywhere, a size word below 24, a foreign marker. The list keeps what it had.
    for (size_t n = 0; n < form.size(); ++n) {
        EXPECT_FALSE(Liste_Load_Buffer(form.data(), uint32_t(n), &g)) << n;
        EXPECT_EQ(namen(&g), "EinsDrei!!");
    }
    std::vector<uint8_t> kaputt = form;
    kaputt[20] = 23;
    EXPECT_FALSE(Liste_Load_Buffer(kaputt.data(), uint32_t(kaputt.size()), &g));
    kaputt = form;
    kaputt[33] = 0x12;
    EXPECT_FALSE(Liste_Load_Buffer(kaputt.data(), uint32_t(kaputt.size()), &g));
    EXPECT_FALSE(Liste_Load_Buffer(nullptr, 4, &g));
    EXPECT_EQ(namen(&g), "EinsDrei!!");
    Liste_Delete_All(&g);
    Liste_Delete_All(&l);
}

TEST(Liste, SwapMovesTheElementsAndKeepsTheHeads)
{
    Liste a, b, c;
    Liste_Init(&a);
    Liste_Init(&b);
    Liste_Element* nach = nullptr;
    for (const char* s : {"A", "B"}) nach = Liste_Insert_Element(&a, nach, s, 2, 0);
    Liste_Insert_Element(&b, nullptr, "X", 2, 0);
    ASSERT_TRUE(Liste_Tauschen(&a, &b));
    EXPECT_EQ(namen(&a), "X");
    EXPECT_EQ(namen(&b), "AB");
    // The back links follow, so deleting the first element works from the new head.
    EXPECT_EQ(a.next->prev, &a);
    EXPECT_EQ(Liste_Delete_Element(&b, b.next), &b);
    EXPECT_EQ(namen(&b), "B");

    Liste_Init(&c);
    Liste_Delete_All(&c);
    EXPECT_FALSE(Liste_Tauschen(&a, &c));
    EXPECT_EQ(namen(&a), "X");
    ASSERT_TRUE(Liste_Tauschen(&a, &a));
    EXPECT_EQ(namen(&a), "X");
    Liste_Delete_All(&a);
    Liste_Delete_All(&b);
}

// A list grown at its end finds its last element without a walk; whatever moves the list since
// (a delete, a swap, an insert elsewhere) must not let an element that left it be taken as its
// end, nor leave the end of another list behind.
TEST(Liste, GrowingAtTheEndStaysTrueWhenTheListChangesMeanwhile)
{
    Liste a, b;
    Liste_Init(&a);
    Liste_Init(&b);
    Liste_Element* nach = nullptr;
    for (const char* s : {"A", "B", "C"}) nach = Liste_Insert_Element(&a, nach, s, 2, 0);
    EXPECT_EQ(Liste_Get_Last(&a), nach);
    // the last element deleted: an insert behind it is refused, the end is the one before
    Liste_Element* weg = nach;
    Liste_Element* vor = Liste_Delete_Element(&a, weg);
    EXPECT_EQ(Liste_Insert_Element(&a, weg, "X", 2, 0), nullptr);
    EXPECT_EQ(Liste_Get_Last(&a), vor);
    ASSERT_NE(Liste_Insert_Element(&a, Liste_Get_Last(&a), "D", 2, 0), nullptr);
    EXPECT_EQ(namen(&a), "ABD");
    // an insert in the middle and one at the front leave the end where it is
    Liste_Element* ende = Liste_Get_Last(&a);
    Liste_Insert_Element(&a, a.next, "m", 2, 0);
    Liste_Insert_Element(&a, nullptr, "f", 2, 0);
    EXPECT_EQ(Liste_Get_Last(&a), ende);
    ASSERT_NE(Liste_Insert_Element(&a, ende, "E", 2, 0), nullptr);
    EXPECT_EQ(namen(&a), "fAmBDE");
    // the elements swapped to the other head: the old end now belongs to b alone
    ende = Liste_Get_Last(&a);
    Liste_Insert_Element(&b, nullptr, "Y", 2, 0);
    ASSERT_TRUE(Liste_Tauschen(&a, &b));
    EXPECT_EQ(Liste_Insert_Element(&a, ende, "Z", 2, 0), nullptr);
    EXPECT_EQ(Liste_Get_Last(&a), a.next);
    EXPECT_EQ(Liste_Get_Last(&b), ende);
    ASSERT_NE(Liste_Insert_Element(&b, ende, "G", 2, 0), nullptr);
    EXPECT_EQ(namen(&a), "Y");
    EXPECT_EQ(namen(&b), "fAmBDEG");
    // a list emptied and grown again from the front
    Liste_Delete_Element(&b, nullptr);
    EXPECT_EQ(Liste_Get_Last(&b), &b);
    ASSERT_NE(Liste_Insert_Element(&b, Liste_Get_Last(&b), "H", 2, 0), nullptr);
    EXPECT_EQ(namen(&b), "H");
    // swapped with an empty list: the list that came away empty ends at its head
    Liste c;
    Liste_Init(&c);
    ASSERT_TRUE(Liste_Tauschen(&b, &c));
    EXPECT_EQ(Liste_Get_Last(&b), &b);
    EXPECT_EQ(namen(&c), "H");
    Liste_Delete_All(&a);
    Liste_Delete_All(&b);
    Liste_Delete_All(&c);
}
