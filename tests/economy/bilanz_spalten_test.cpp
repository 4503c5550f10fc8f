// dorvin_bilanz's category table: the columns after a category name stand at one character
// position for every name, umlauts (two bytes in UTF-8) included.
#include <gtest/gtest.h>

#include <string>

#include "economy/bank_welt.h"
#include "platform/os/os_text.h"
#include "tools/bilanz/spalte.h"

TEST(BilanzSpalten, EveryCategoryNameTakesTheSameNumberOfCharacters)
{
    bool mit_umlaut = false;
    for (int32_t k = 1; k < BANK_KATEGORIEN; ++k) {
        const std::string name = Os_Text_Utf8(Bank_Kategorie_Name(k));
        if (Bilanz_Zeichen(name) != name.size()) mit_umlaut = true;
        const std::string spalte = Bilanz_Spalte(name, 30);
        EXPECT_EQ(Bilanz_Zeichen(spalte), 30u) << name;
        EXPECT_EQ(spalte.rfind(name, 0), 0u) << name;
    }
    EXPECT_TRUE(mit_umlaut);  // "Übertragungsrechte" and others: the case that went out of line
    EXPECT_EQ(Bilanz_Zeichen("Überziehungszinsen Girokonto"), 28u);
    EXPECT_EQ(Bilanz_Spalte("zusammen zu lang", 8), "zusammen zu lang");  // a longer text stays whole
}
