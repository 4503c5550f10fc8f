#include "platform/liste.h"

// Entry points of the generic list; empty until the list module lands.
void Liste_Init(Liste* liste)
{
    if (liste) *liste = Liste{};
}
Liste_Element* Liste_Insert_Element(Liste*, Liste_Element*, const void*, uint32_t, uint32_t) { return nullptr; }
Liste_Element* Liste_Delete_Element(Liste*, Liste_Element*) { return nullptr; }
bool Liste_Delete_All(Liste*) { return false; }
int32_t Liste_Count(Liste*) { return 0; }
Liste_Element* Liste_Get_Last(Liste* liste) { return liste; }
Liste_Element* Liste_Find_Key(Liste*, uint32_t) { return nullptr; }
Liste_Element* Liste_First_Element(Liste*) { return nullptr; }
Liste_Element* Liste_Next_Element(Liste*, Liste_Element*) { return nullptr; }
uint32_t Liste_Save_Buffer(uint8_t** buffer, Liste*, int32_t)
{
    if (buffer) *buffer = nullptr;
    return 0;
}
bool Liste_Load_Buffer(const uint8_t*, uint32_t, Liste*) { return false; }
