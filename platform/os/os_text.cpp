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

// The code point of the sequence at in[i] and its length; 0 for a broken sequence.
static size_t utf8_lesen(std::string_view in, size_t i, uint32_t* cp)
{
    const unsigned char c = in[i];
    if (c < 0x80) {
        *cp = c;
        return 1;
    }
    size_t len;
    uint32_t min;
    if ((c & 0xE0) == 0xC0) len = 2, min = 0x80, *cp = c & 0x1F;
    else if ((c & 0xF0) == 0xE0) len = 3, min = 0x800, *cp = c & 0x0F;
    else if ((c & 0xF8) == 0xF0) len = 4, min = 0x10000, *cp = c & 0x07;
    else return 0;
    if (in.size() - i < len) return 0;
    for (size_t k = 1; k < len; ++k) {
        const unsigned char f = in[i + k];
        if ((f & 0xC0) != 0x80) return 0;
        *cp = (*cp << 6) | (f & 0x3F);
    }
    if (*cp < min || *cp > 0x10FFFF || (*cp >= 0xD800 && *cp < 0xE000)) return 0;
    return len;
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
        uint32_t cp = 0;
        size_t len = utf8_lesen(in, i, &cp);
        if (len == 0) {
            // one '?' for the broken sequence and its continuation bytes
            out += '?';
            for (++i; i < in.size() && (static_cast<unsigned char>(in[i]) & 0xC0) == 0x80; ++i) {}
            continue;
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100) || (cp >= 0x80 && cp < 0xA0 && !cp1252_high[cp - 0x80])) {
            out += char(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (cp1252_high[k] == cp) {
                mapped = char(0x80 + k);
                break;
            }
        out += mapped;
    }
    return out;
}

bool Os_Text_Ist_Utf8(std::string_view in)
{
    uint32_t cp = 0;
    for (size_t i = 0; i < in.size();) {
        const size_t len = utf8_lesen(in, i, &cp);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string Os_Text_Aus_System(std::string_view text)
{
    return Os_Text_Ist_Utf8(text) ? Os_Text_Cp1252(text) : std::string(text);
}
