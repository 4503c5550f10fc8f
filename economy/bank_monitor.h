// The exchange monitor's texts: the price table of an exchange and the manager's holdings there.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Heading and one line per named firm (price, previous day, 30-day maximum and minimum, each in
// whole units and two cent digits); the empty third exchange has its one line.
std::vector<std::string> Bank_Kurse_Zeilen(int32_t boerse);
// The club's holdings of the exchange, one row each, or "(keine Aktien vorhanden)".
std::vector<std::string> Bank_Aktien_Zeilen(int32_t team, int32_t boerse);
