#include "platform/read_config.h"

// Entry points of the configuration reader; empty until the reader lands.
bool Read_Config_Open(int32_t, int32_t, int32_t) { return false; }
bool Read_Config_Open_Buffer(const char*, uint32_t, int32_t, int32_t, int32_t) { return false; }
void Read_Config_Close() {}
const char* Read_Config_Read_Zeile(const char*, bool) { return ""; }
int32_t Read_Config_Get_Wert() { return 0; }
const char* Read_Config_Get_Wert_Text() { return ""; }
int32_t Read_Config_Get_Zeilennummer() { return 0; }
bool Read_Config_Check_Summe(uint32_t*) { return true; }
int32_t Read_Config_Parse_Zahlen(const char*, int32_t*, int32_t) { return 0; }
