#include "competitions/vorlaeufig_editor.h"

void Wettbewerb_Ligabaum_Qualifikanten_Setzen(Wettbewerb_Id) {}
