// A whole file written in one go: exactly the bytes given, whether they go to the disk straight
// from a page-aligned buffer (its rounding cut off again) or through the system's buffers, an
// older and longer file of the name replaced; a path that cannot be written says so.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "platform/os/os_file.h"

namespace {

namespace fs = std::filesystem;

struct Seiten_Puffer {
    uint8_t* p;
    size_t groesse;
    explicit Seiten_Puffer(size_t n)
        : p(static_cast<uint8_t*>(::operator new(n, std::align_val_t(OS_FILE_SEITE)))), groesse(n)
    {
        for (size_t i = 0; i < n; ++i) p[i] = uint8_t(i * 7 + i / 251);
    }
    ~Seiten_Puffer() { ::operator delete(p, groesse, std::align_val_t(OS_FILE_SEITE)); }
    Seiten_Puffer(const Seiten_Puffer&) = delete;
    Seiten_Puffer& operator=(const Seiten_Puffer&) = delete;
};

class OsGanzSchreiben : public ::testing::Test {
protected:
    fs::path ordner;
    void SetUp() override
    {
        std::string muster = (fs::temp_directory_path() / "dorvin_ganz_XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner = muster;
    }
    void TearDown() override { fs::remove_all(ordner); }
    static std::vector<uint8_t> lesen(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

TEST_F(OsGanzSchreiben, TheFileHoldsExactlyTheBytesGivenAlignedOrNot)
{
    // lengths short of, at and past a page, from an aligned start and from one byte after it
    const size_t seite = OS_FILE_SEITE;
    Seiten_Puffer puffer(4 * seite);
    for (const size_t n : {size_t(1), seite - 1, seite, seite + 3, 2 * seite + 1000}) {
        for (const size_t versatz : {size_t(0), size_t(1)}) {
            const fs::path datei = ordner / ("f" + std::to_string(n) + "_" + std::to_string(versatz));
            const uint8_t* start = puffer.p + versatz;
            ASSERT_TRUE(Os_File_Ganz_Schreiben(datei.c_str(), start, n, puffer.groesse - versatz)) << n;
            const std::vector<uint8_t> gelesen = lesen(datei);
            ASSERT_EQ(gelesen.size(), n) << "Versatz " << versatz;
            EXPECT_TRUE(std::equal(gelesen.begin(), gelesen.end(), start)) << n << " Versatz " << versatz;
        }
    }
}

TEST_F(OsGanzSchreiben, ALongerFileIsReplacedAndAnEmptyOneWritten)
{
    const fs::path datei = ordner / "spielstand.tmp";
    std::ofstream(datei, std::ios::binary) << std::string(3 * OS_FILE_SEITE, 'x');
    Seiten_Puffer puffer(OS_FILE_SEITE);
    // room only for the bytes themselves: no rounding to write
    ASSERT_TRUE(Os_File_Ganz_Schreiben(datei.c_str(), puffer.p, 100, 100));
    EXPECT_EQ(lesen(datei), std::vector<uint8_t>(puffer.p, puffer.p + 100));
    ASSERT_TRUE(Os_File_Ganz_Schreiben(datei.c_str(), puffer.p, 0, puffer.groesse));
    EXPECT_EQ(fs::file_size(datei), 0u);
}

TEST_F(OsGanzSchreiben, APathThatCannotBeWrittenIsRefused)
{
    Seiten_Puffer puffer(OS_FILE_SEITE);
    EXPECT_FALSE(Os_File_Ganz_Schreiben((ordner / "fehlt" / "datei").c_str(), puffer.p, 10, puffer.groesse));
    EXPECT_FALSE(Os_File_Ganz_Schreiben(nullptr, puffer.p, 10, puffer.groesse));
    EXPECT_FALSE(Os_File_Ganz_Schreiben((ordner / "x").c_str(), nullptr, 10, 10));
    EXPECT_FALSE(fs::exists(ordner / "x"));
}

}  // namespace
