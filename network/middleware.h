// The built-in answers in place of the user database that the server consults for every
// log-in, log-out and update request.
#pragma once
#include <cstdint>

struct Mw_User_Login;
struct Server_Einstellungen;

constexpr int32_t MW_OK = 10001;
constexpr int32_t MW_OK_ABFRAGE = 10000;

int32_t Middleware_Open(const Server_Einstellungen* einstellungen);
int32_t Middleware_Login(Mw_User_Login* r);
int32_t Middleware_Logout(uint32_t user_id);
int32_t Middleware_Auto_Update(uint8_t* update_record);
void Middleware_Close();
int32_t Middleware_Init_Stub_A();
int32_t Middleware_Init_Stub_B(int32_t team);
int32_t Middleware_Init_Stub_C();
int32_t Middleware_Zeitplan_Stub(void* zeitplan);
int32_t Middleware_Chat_Stub(const char* text, int32_t laenge);
int32_t Middleware_Abfrage(int32_t a, int32_t b);
int32_t Middleware_Status(uint32_t* record);
int32_t Middleware_User_Online(const uint32_t* record);
int32_t Middleware_Keep_Alive(uint32_t server_id);
int32_t Middleware_Ping();
int32_t Middleware_Highscore_A(const void* daten, int32_t anzahl);
int32_t Middleware_Highscore_B(const void* daten, int32_t anzahl);
int32_t Middleware_Durchreichen_A(int32_t a);
int32_t Middleware_Durchreichen_B(int32_t a, int32_t b);
int32_t Middleware_Durchreichen_C(int32_t a, int32_t b);
int32_t Middleware_Leer();
// Counts the participants online and reports them; then appends the line to the online log.
int32_t Middleware_User_Online_Melden();
void Middleware_User_Online_Log(int32_t anzahl, uint32_t millisekunden);
void Middleware_Keep_Alive_Timer();
void Middleware_Highscore_Export();
// DOS umlauts ü and ö (129, 148) to their Windows forms; returns the length.
int32_t Middleware_Umlaute_Wandeln(char* text);

// The database's own random numbers, apart from the game's generator: one seedable sequence.
void Middleware_Zufall_Seed(uint32_t seed);
int32_t Middleware_Zufall();
