// The staff screen in the installed program under a headless script: a new game, the manager
// group's staff button, an assistant hired through both questions, his context menu giving him
// the tactics, then the doctors' list. The pictures stay in DORVIN_BILDER=DIR when it is set, to
// be looked at; the test checks what the clicks did on screen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics/png_bild.cpp"
#include "programm_bilder.h"

namespace {

using namespace programm_lauf;

constexpr int GRUPPE_Y = STAB_Y;  // group 704
constexpr int JA_X = 150, OK_X = 470, KNOPF_Y = 292;
// Applicant k's icon and the area or specialty labels on the left.
constexpr int BEWERBER_X = 130, BEWERBER_Y = 212, ZEILE_H = 32;
constexpr int BEREICH_Y = 44, BEREICH_H = 44, FACH_H = 36;

class Personal_Im_Programm : public Programm_Bilder_Test {
protected:
    Personal_Im_Programm() : Programm_Bilder_Test("personal") {}
};

TEST_F(Personal_Im_Programm, HireAnAssistantGiveHimTheTacticsAndLookAtTheDoctors)
{
    Skript s = neues_spiel({"Anna"});
    dazu(s, klick(GRUPPE_X, GRUPPE_Y));
    s.push_back("dump " + pfad("assistenten"));
    const int bewerber_y = BEWERBER_Y + ZEILE_H + 14;  // applicant 1
    dazu(s, klick(BEWERBER_X + 14, bewerber_y));
    s.push_back("dump " + pfad("frage"));
    dazu(s, klick(JA_X, KNOPF_Y));
    s.push_back("dump " + pfad("engagiert"));
    dazu(s, klick(OK_X, KNOPF_Y));
    s.push_back("dump " + pfad("angestellt"));
    // A hired assistant's icon opens his context menu; its second entry is the tactics.
    dazu(s, klick(BEWERBER_X + 14, bewerber_y));
    s.push_back("dump " + pfad("kontextmenue"));
    dazu(s, klick(160, bewerber_y + 25));
    dazu(s, klick(OK_X, KNOPF_Y));
    s.push_back("dump " + pfad("taktik"));
    dazu(s, klick(64, 470));  // "Ärzte"
    s.push_back("dump " + pfad("aerzte"));
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "personal"), 0);

    const Bild vorher = lesen("assistenten"), nachher = lesen("angestellt"), taktik = lesen("taktik"),
               aerzte = lesen("aerzte");
    lesen("frage"), lesen("engagiert"), lesen("kontextmenue");
    // An applicant's icon is a frame on paper; hired, it is filled in his colour.
    const int ix = BEWERBER_X + 4, iy = BEWERBER_Y + ZEILE_H + 24;
    EXPECT_NE(vorher.at(ix, iy), nachher.at(ix, iy)) << "the applicant was not hired";
    EXPECT_EQ(vorher.at(ix, iy - ZEILE_H), nachher.at(ix, iy - ZEILE_H)) << "the club's first assistant changed";
    // The tactics label takes the colour of the assistant who holds it now, the others none.
    const int lx = 10, ly = BEREICH_Y + BEREICH_H + 30;
    EXPECT_EQ(taktik.at(lx, ly), nachher.at(ix, iy)) << "tactics not given to him";
    EXPECT_EQ(taktik.at(lx, ly + BEREICH_H), vorher.at(lx, ly)) << "training taken as well";
    EXPECT_NE(vorher.at(lx, ly), taktik.at(lx, ly));
    // The club's first doctor holds every specialty: all eleven labels in his colour.
    const uint16_t arzt = aerzte.at(ix, iy - ZEILE_H);
    for (int k = 0; k < 11; ++k) EXPECT_EQ(aerzte.at(lx, BEREICH_Y + k * FACH_H + 26), arzt) << k;
    // The detail panel shows the selected doctor's portrait, not the paper around it.
    EXPECT_NE(aerzte.at(175, 105), aerzte.at(400, 180));
}

}  // namespace
