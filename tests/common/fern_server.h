// A remote client's exchange answered by the server in the same process: the request is laid out
// and run as the server would, the reply built as the client expects it. Records the block sizes
// (request, reply) and the format sent.
#pragma once
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "platform/bytes.h"

namespace fern_test {

inline std::vector<uint32_t> groessen;
inline std::string gesendet;

inline bool ueber_den_server(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* antwort)
{
    const uint32_t nr = Bytes_Hole32(anfrage.data() + 4), l = Bytes_Hole32(anfrage.data() + 8);
    const int32_t team = int32_t(Bytes_Hole32(anfrage.data() + 12));
    char format[64] = {};
    std::memcpy(format, anfrage.data() + 16, std::min<uint32_t>(l, 63));
    gesendet = format;
    std::vector<uint8_t> block(SENDBLOCK_SIZE, 0);
    const uint32_t n = uint32_t(anfrage.size()) - 16 - l;
    groessen.push_back(n);
    std::memcpy(block.data(), anfrage.data() + 16 + l, n);
    Netz_Rolle = 2;
    const uint32_t r = Internet_Server_Read_Block(team, int32_t(nr), format, block.data(), n);
    Netz_Rolle = 1;
    groessen.push_back(r);
    if (!r) return false;
    const uint32_t l2 = uint32_t(std::strlen(format)) + 1;
    antwort->assign(12 + l2 + r, 0);
    Bytes_Setze32(antwort->data(), INTERNET_MARKE);
    Bytes_Setze32(antwort->data() + 4, nr);
    Bytes_Setze32(antwort->data() + 8, l2);
    std::memcpy(antwort->data() + 12, format, l2);
    std::memcpy(antwort->data() + 12 + l2, block.data(), r);
    return true;
}

}  // namespace fern_test
