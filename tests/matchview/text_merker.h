// The texts a page printed, as its test hook hands them over, and how often a piece occurs.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace text_merker {

inline std::vector<std::string> texte;
inline void merken(int32_t, int32_t, const char* t) { texte.emplace_back(t ? t : ""); }

inline int32_t zaehlen(const std::string& teil)
{
    int32_t n = 0;
    for (const std::string& t : texte) n += t.find(teil) != std::string::npos;
    return n;
}

}  // namespace text_merker
