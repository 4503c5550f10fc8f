// The log-in record: sent by a client as message type 1, returned by the server as type 500.
//
// 3324 bytes, little-endian: 0 user_name[40], 40 pass_word[40], 80 hardware_id,
// 84 user_ip_addr[16], 100 user_port_addr, 104 middle_ware_response, 108 ip_addr[16],
// 124 port_addr, 128 team_nr, 132 user_id, 136 message_to_user[512], 648 account_type,
// 652 exp_day, 656 exp_month, 660 exp_year, 664 0, 668 minor_version, 672 major_version,
// 676 language, 680 update_flag, 684 updater server[256], 940 updater user[40],
// 980 updater pass word[40], 1020 2304 bytes (updater file name, then reserved).
#pragma once
#include <cstdint>

constexpr uint32_t MW_USER_LOGIN_GROESSE = 3324;
constexpr uint32_t MW_UPDATE_GROESSE = 2760;
constexpr uint32_t MW_ANTWORT_ANGENOMMEN = 7001;
constexpr uint32_t MW_ANTWORT_VERSION = 7011;

struct Mw_User_Login {
    char user_name[40];
    char pass_word[40];
    uint32_t hardware_id;
    char user_ip_addr[16];
    uint32_t user_port_addr;
    uint32_t middle_ware_response;
    uint8_t ip_addr[16];
    uint32_t port_addr;
    uint32_t team_nr;
    uint32_t user_id;
    char message_to_user[512];
    uint32_t account_type;
    uint32_t exp_day, exp_month, exp_year;
    uint32_t reserviert;
    uint32_t minor_version;
    uint32_t major_version;
    uint32_t language;
    uint32_t update_flag;
    char update_server[256];
    char update_user[40];
    char update_pass_word[40];
    uint8_t update_rest[2304];
};

void Mw_User_Login_Schreiben(const Mw_User_Login& r, uint8_t* bytes);
void Mw_User_Login_Lesen(const uint8_t* bytes, Mw_User_Login* r);
// Copies at most size - 1 characters of a 40-character field that may lack its NUL, so that the
// copy always ends in one.
void Mw_Text_Kopieren(char* ziel, uint32_t groesse, const char* quelle, uint32_t quelle_groesse);
