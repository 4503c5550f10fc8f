// Saving into a folder the player may not write: the old set stays byte for byte, no temporary
// file is left, and the managers read why. The save runs in a child process as an unprivileged
// user, since the superuser writes into read-only folders.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "competitions/wettbewerb.h"
#include "ligaeditor/editor_hilfe.h"
#include "platform/string_util.h"

namespace {

constexpr uid_t NIEMAND = 65534;

// Exit codes of the child.
enum { GESPEICHERT_ABGELEHNT = 0, RECHTE_NICHT_ABGEGEBEN = 2, GESPEICHERT = 3, OHNE_GRUND = 4 };

std::string* letzte_meldung = nullptr;

using Schreibschutz = editor_test::Testwelt_Sitzung;

TEST_F(Schreibschutz, AReadOnlyFolderKeepsTheOldSetAndSaysWhy)
{
    const std::string alt = editor_test::lesen(datei());
    ASSERT_FALSE(alt.empty());
    ASSERT_EQ(chmod(ordner.c_str(), 0555), 0);
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        if (geteuid() == 0 && (setgid(NIEMAND) != 0 || setuid(NIEMAND) != 0)) _exit(RECHTE_NICHT_ABGEGEBEN);
        std::string meldung;
        letzte_meldung = &meldung;
        Requester_Printf_Set_Hook([](const std::string& t) { *letzte_meldung = t; });
        if (Wettbewerb_Config_Schreiben(0, 0, nullptr)) _exit(GESPEICHERT);
        const bool grund = meldung.find("Die Konfigurationsdatei wurde nicht gespeichert: ") == 0 &&
                           meldung.find("nicht schreibbar") != std::string::npos;
        _exit(grund ? GESPEICHERT_ABGELEHNT : OHNE_GRUND);
    }
    int status = 0;
    ASSERT_EQ(waitpid(kind, &status, 0), kind);
    chmod(ordner.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == RECHTE_NICHT_ABGEGEBEN) GTEST_SKIP() << "kein Wechsel zu einem Benutzer ohne Rechte möglich";
    EXPECT_EQ(WEXITSTATUS(status), GESPEICHERT_ABGELEHNT);
    EXPECT_EQ(editor_test::lesen(datei()), alt);
    EXPECT_FALSE(editor_test::fs::exists(datei().string() + ".tmp"));

    // The same session saves once the folder is writable again.
    EXPECT_TRUE(Wettbewerb_Config_Schreiben(0, 0, nullptr));
}

}  // namespace
