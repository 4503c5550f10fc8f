#include "competitions/wettbewerb.h"

// The season change and the fixture set-up come with the competitions' second stage; until then
// a season keeps its records and the fixtures are made when a match day asks for them.
void Wettbewerb_Jeden_Tag() {}
void Wettbewerb_Jedes_Jahr() {}
