// The server side of the database's remote calls: the handlers of the players', teams',
// managers' and arbiter's numbered blocks over their network images.
#pragma once

// Plugs the handlers into the remote-call registry (once is enough; again does no harm).
void Datenbank_Fern_Registrieren();
