#include "platform/os/os_text.h"

#include <cstdint>

// 0x80-0x9F of Windows-1252; 0 where the code page leaves a byte undefined.
static const uint16_t cp1252_high[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

static void put_utf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

std::string Os_Text_Utf8(std::string_view in)
{
    std::string out;
    out.reserve(in.size() + 8);
    for (unsigned char c : in) {
        uint32_t cp = c;
        if (c >= 0x80 && c < 0xA0) cp = cp1252_high[c - 0x80] ? cp1252_high[c - 0x80] : c;
        put_utf8(out, cp);
    }
    return out;
}

std::string Os_Text_Cp1252(std::string_view in)
{
    std::string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size();) {
        unsigned char c = in[i];
        uint32_t cp;
        size_t len;
        if (c < 0x80) { cp = c; len = 1; }
        else if ((c & 0xE0) == 0xC0 && i + 1 < in.size()) { cp = ((c & 0x1F) << 6) | (in[i + 1] & 0x3F); len = 2; }
        else if ((c & 0xF0) == 0xE0 && i + 2 < in.size()) {
            cp = ((c & 0x0F) << 12) | ((in[i + 1] & 0x3F) << 6) | (in[i + 2] & 0x3F); len = 3;
        } else { cp = '?'; len = 1; while (i + len < in.size() && (in[i + len] & 0xC0) == 0x80) ++len; }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) { out += char(cp); continue; }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (cp1252_high[k] == cp) { mapped = char(0x80 + k); break; }
        out += mapped;
    }
    return out;
}
