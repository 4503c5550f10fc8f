// The managers' button states of a test in a map, through the manager module's hook.
#pragma once
#include <cstdint>
#include <map>
#include <utility>

#include "database/manager.h"

namespace knopf_test {

inline std::map<std::pair<int32_t, int32_t>, uint32_t> knoepfe;
inline uint32_t lesen(int32_t team, int32_t icon) { return knoepfe[{team, icon}]; }
inline void schreiben(int32_t team, int32_t icon, uint32_t z) { knoepfe[{team, icon}] = z; }
inline void anbinden()
{
    knoepfe.clear();
    Manager_Icon_Set_Hook(lesen, schreiben);
}
inline void loesen() { Manager_Icon_Set_Hook(nullptr, nullptr); }

}  // namespace knopf_test
