// A scratch folder of a test's own under the system's temporary folder, removed with the object:
// two runs of one build tree (or two tests at once) never write over each other's files.
#pragma once
#include <stdlib.h>

#include <filesystem>
#include <string>

struct Test_Temp_Ordner {
    std::string pfad;
    explicit Test_Temp_Ordner(const char* praefix)
    {
        std::string muster = (std::filesystem::temp_directory_path() / (std::string("dorvin_") + praefix + "_XXXXXX")).string();
        if (mkdtemp(muster.data())) pfad = muster;
    }
    ~Test_Temp_Ordner()
    {
        std::error_code fehler;
        if (!pfad.empty()) std::filesystem::remove_all(pfad, fehler);
    }
    Test_Temp_Ordner(const Test_Temp_Ordner&) = delete;
    Test_Temp_Ordner& operator=(const Test_Temp_Ordner&) = delete;
    std::string operator/(const std::string& name) const { return pfad + "/" + name; }
};
