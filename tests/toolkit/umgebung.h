// Shared set-up of the toolkit's tests: a headless 640 x 480 screen, the program's resource
// files as the data builder writes them (made once per build and kept in the build folder), the
// fonts, and a menu made afresh for every test with no icon on screen.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <utility>

#include "common/capture.h"
#include "toolkit/icon.h"

struct Rastport;
struct Manager_Struktur;

class Toolkit_Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A record that lives as long as the test (icons must outlive their place on screen).
    Menue_Icon* neu(const Menue_Icon& vorlage);
    // An own-bitmap icon of one face colour.
    Menue_Icon* flaeche(int16_t nummer, int16_t x, int16_t y, uint16_t w, uint16_t h, int8_t pri,
                        uint8_t farbe = 9);
    // Pointer position and buttons as the next poll sees them.
    static void maus(int32_t x, int32_t y, bool links = false, bool rechts = false);
    static uint16_t seite0(int32_t x, int32_t y);
    static uint16_t seite1(int32_t x, int32_t y);
    // A small club database with a human manager (no assistants) at `team`, which acts; the
    // test's end frees both.
    Manager_Struktur* vereine_anlegen(int32_t anzahl, int32_t team);

public:
    // The manager's toggle states as the test double keeps them.
    static std::map<std::pair<int32_t, int32_t>, uint32_t> knoepfe;

private:
    std::deque<Menue_Icon> icons_;
    Manager_Struktur* manager_ = nullptr;
    int32_t manager_team_ = -1;
};

// The folder of the resource files the tests use.
const char* Toolkit_Test_Daten();
