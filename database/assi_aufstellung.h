// The line-up assistant's pieces that its callers in the match day share with it.
#pragma once

// Line-up runs of one club made one right after the other, nothing but the runs in between (the
// two sets' line-ups after a match). While one stands, a run whose squad planning left the club
// as it was spares the next run of that club the planning: nothing it reads has changed.
class Assi_Aufstellung_Reihe {
public:
    Assi_Aufstellung_Reihe();
    ~Assi_Aufstellung_Reihe();
    Assi_Aufstellung_Reihe(const Assi_Aufstellung_Reihe&) = delete;
    Assi_Aufstellung_Reihe& operator=(const Assi_Aufstellung_Reihe&) = delete;
};

// Runs that found the eleven and bench of the run right before them standing (the same club,
// formation, squad and draws inside one Assi_Aufstellung_Reihe) and left them so, counted since
// the program started.
int64_t Assi_Wahl_Geteilt();
