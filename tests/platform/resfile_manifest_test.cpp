#include <gtest/gtest.h>

#include <string>

#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "platform/mem.h"
#include "graphics/grafik_sprite.h"
#include "platform/resfile.h"
#include "tools/datagen/resf_dateien.h"

// Every entry of the manifest is in the built files, at the number the program asks for, with
// its type and size, when the standard files are opened the way the start-up opens them.
TEST(ResFileManifest, BuiltFilesHoldEveryEntry)
{
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    std::string ziel = std::string(DORVIN_BINARY_DIR) + "/resfile_manifest_test";
    ASSERT_EQ(Resf_Dateien_Erzeugen(ziel), 0);
    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", ziel.c_str());
    std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", ziel.c_str());
    ASSERT_EQ(Init_System_Dateien(), 1);
    for (int s = 0; s < 3; ++s) ASSERT_EQ(ResFile_Handles[s].handle, s);

    for (const Manifest_Eintrag& e : Manifest_Eintraege()) {
        int32_t h = -1;
        for (int s = 0; s < 3; ++s)
            if (std::string(ResFile_Handles[s].name) == e.datei) h = ResFile_Handles[s].handle;
        ASSERT_GE(h, 0) << e.datei;
        ASSERT_EQ(ResFile_Get_Typ(h, e.nummer), e.typ) << e.datei << " " << e.nummer;
        if (e.typ == RES_BITMAP) {
            auto* b = static_cast<Rastport*>(Load_Resource(h, e.nummer, 16, nullptr));
            ASSERT_NE(b, nullptr) << e.nummer;
            EXPECT_EQ(b->width, e.width);
            EXPECT_EQ(b->height, e.height);
            EXPECT_EQ(b->mask != nullptr, e.maske);
            Grafik_Bitmap_Freigeben(b);
        } else if (e.typ == RES_DATEN) {
            int32_t typ = 0;
            FILE* f = Seek_Resource(h, e.nummer, &typ);
            ASSERT_NE(f, nullptr);
            uint8_t n[4];
            ASSERT_EQ(std::fread(n, 1, 4, f), 4u);
            EXPECT_EQ(uint32_t(n[0] | n[1] << 8 | n[2] << 16 | n[3] << 24), e.groesse) << e.nummer;
        } else if (e.typ == RES_FONT) {
            auto* font = static_cast<Font_Record*>(Load_Resource(h, e.nummer, 16, nullptr));
            ASSERT_NE(font, nullptr) << e.nummer;
            EXPECT_EQ(font->strip->depth, 16);
            Font_Free(font);
        } else if (e.typ == RES_SPRITE) {
            auto* s = static_cast<Rle_Sprite*>(Load_Resource(h, e.nummer, 16, nullptr));
            ASSERT_NE(s, nullptr) << e.nummer;
            EXPECT_EQ(s->width, e.width);
            EXPECT_EQ(s->height, e.height);
            Grafik_Sprite_Freigeben(s);
        } else if (e.typ == RES_SPRITE_LISTE) {
            int32_t anzahl = 0;
            auto** liste = static_cast<Rle_Sprite**>(Load_Resource(h, e.nummer, 8, &anzahl));
            ASSERT_NE(liste, nullptr) << e.nummer;
            EXPECT_EQ(uint32_t(anzahl), e.groesse) << e.nummer;
            for (int32_t i = 0; i < anzahl; ++i) {
                EXPECT_EQ(liste[i]->width, e.width);
                EXPECT_EQ(liste[i]->height, e.height);
                Grafik_Sprite_Freigeben(liste[i]);
            }
            Mem_Free(liste, 0);
        } else if (e.typ == RES_PALETTE) {
            Aktuelle_Palette[767] = 0xEE;  // a palette entry fills the current palette (components 0-63)
            EXPECT_EQ(Load_Resource(h, e.nummer, 16, nullptr), nullptr);
            EXPECT_LT(Aktuelle_Palette[767], 64) << e.nummer;
        } else {
            void* block = Load_Resource(h, e.nummer, 16, nullptr);
            EXPECT_NE(block, nullptr) << e.nummer;
            Mem_Free(block, 0);
        }
    }
    DeInit_System_Dateien();
}
