#include "network/mw_user_login.h"

#include <cstddef>
#include <cstring>

#include "platform/bytes.h"

namespace {

struct Feld {
    uint32_t offset;
    uint32_t groesse;  // 4 for a u32, else the bytes of a text or byte field
    size_t im_record;
};

#define FELD(o, g, name) Feld{o, g, offsetof(Mw_User_Login, name)}
constexpr Feld felder[] = {
    FELD(0, 40, user_name),          FELD(40, 40, pass_word),
    FELD(80, 4, hardware_id),        FELD(84, 16, user_ip_addr),
    FELD(100, 4, user_port_addr),    FELD(104, 4, middle_ware_response),
    FELD(108, 16, ip_addr),          FELD(124, 4, port_addr),
    FELD(128, 4, team_nr),           FELD(132, 4, user_id),
    FELD(136, 512, message_to_user), FELD(648, 4, account_type),
    FELD(652, 4, exp_day),           FELD(656, 4, exp_month),
    FELD(660, 4, exp_year),          FELD(664, 4, reserviert),
    FELD(668, 4, minor_version),     FELD(672, 4, major_version),
    FELD(676, 4, language),          FELD(680, 4, update_flag),
    FELD(684, 256, update_server),   FELD(940, 40, update_user),
    FELD(980, 40, update_pass_word), FELD(1020, 2304, update_rest),
};
#undef FELD

// u32 fields are the ones of four bytes that are not byte arrays.
bool ist_zahl(const Feld& f) { return f.groesse == 4; }

}  // namespace

void Mw_User_Login_Schreiben(const Mw_User_Login& r, uint8_t* bytes)
{
    const auto* basis = reinterpret_cast<const uint8_t*>(&r);
    for (const Feld& f : felder) {
        if (ist_zahl(f)) {
            uint32_t v;
            std::memcpy(&v, basis + f.im_record, 4);
            Bytes_Setze32(bytes + f.offset, v);
        } else {
            std::memcpy(bytes + f.offset, basis + f.im_record, f.groesse);
        }
    }
}

void Mw_User_Login_Lesen(const uint8_t* bytes, Mw_User_Login* r)
{
    auto* basis = reinterpret_cast<uint8_t*>(r);
    for (const Feld& f : felder) {
        if (ist_zahl(f)) {
            uint32_t v = Bytes_Hole32(bytes + f.offset);
            std::memcpy(basis + f.im_record, &v, 4);
        } else {
            std::memcpy(basis + f.im_record, bytes + f.offset, f.groesse);
        }
    }
}

void Mw_Text_Kopieren(char* ziel, uint32_t groesse, const char* quelle, uint32_t quelle_groesse)
{
    if (!ziel || !groesse) return;
    uint32_t n = 0;
    while (quelle && n + 1 < groesse && n < quelle_groesse && quelle[n]) {
        ziel[n] = quelle[n];
        ++n;
    }
    std::memset(ziel + n, 0, groesse - n);
}
