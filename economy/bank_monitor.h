// The exchange monitor's texts (price table, holdings) and the investment page's rates and
// wealth panels.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Heading and one line per named firm (price, previous day, 30-day maximum and minimum, each in
// whole units and two cent digits); the empty third exchange has its one line.
std::vector<std::string> Bank_Kurse_Zeilen(int32_t boerse);
// A price as the table prints it: whole units, a decimal comma, two cent digits ("48,49").
std::string Bank_Kurs_Text(float preis);
// The club's holdings of the exchange, one row each, or "(keine Aktien vorhanden)".
std::vector<std::string> Bank_Aktien_Zeilen(int32_t team, int32_t boerse);

// The investment page's rates panel: the 18 labels, then the values (a deposit and a credit rate
// per term, each exchange's index, one dollar in DM, the account rates: giro, overdraft limit,
// beyond it).
struct Bank_Zinsen_Tafel {
    std::vector<std::string> beschriftung;
    std::vector<std::string> werte;
};
Bank_Zinsen_Tafel Bank_Zinsen_Zeilen();
// The wealth panel: wealth, deposits and credits with their share of it, the overdraft limit,
// the shares' current value and purchase total.
std::vector<std::string> Bank_Vermoegen_Zeilen(int32_t team);
