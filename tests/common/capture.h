// Collects the texts of the error sink for the lifetime of the object.
#pragma once
#include <string>
#include <vector>

#include "platform/print.h"

struct Fehler_Capture {
    std::vector<std::string> texts;
    Fehler_Capture() { Print_Fehler_Set_Hook([this](const std::string& t) { texts.push_back(t); }); }
    ~Fehler_Capture() { Print_Fehler_Set_Hook({}); }
    bool contains(const std::string& part) const
    {
        for (const auto& t : texts)
            if (t.find(part) != std::string::npos) return true;
        return false;
    }
};
