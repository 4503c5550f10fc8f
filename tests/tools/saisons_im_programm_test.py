#!/usr/bin/env python3
"""tools/bilanz/saisons_im_programm.py against stand-ins for the program and its reader: a
program that writes its monthly autosave faster than the reader reads a savegame, so that each
month is kept only when the tool takes it as it appears; the tool must keep every month under the
day it holds, and fail with the missing month's name when one never came."""
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import textwrap
import unittest

QUELLE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WERKZEUG = os.path.join(QUELLE, "tools", "bilanz", "saisons_im_programm.py")

# The first of every month of the first season, as the program saves them (day 0 by the script).
MONATE = [0, 31, 62, 92, 123, 153, 184, 215, 244, 275, 305, 336, 366]

PROGRAMM = """
import os, sys, time
ordner = os.path.dirname(sys.argv[sys.argv.index("--script") + 1])
stand = os.path.join(ordner, "programm", "spielstand")
def schreiben(name, tag):
    with open(os.path.join(stand, name + ".neu"), "w") as f:
        f.write("tag=%d\\n" % tag)
    os.replace(os.path.join(stand, name + ".neu"), os.path.join(stand, name))
# The real program takes seconds between two months; the stand-in goes on as soon as the tool has
# taken the month (its hard link), so that a busy machine cannot make the tool miss one.
def abwarten(name):
    frist = time.time() + 10
    while os.stat(os.path.join(stand, name)).st_nlink < 2 and time.time() < frist:
        time.sleep(0.001)
schreiben("tag_0000.sgv", 0)
for t in os.environ["PROBE_TAGE"].split(","):
    time.sleep(0.004)
    schreiben("Autosave_Monat.sgv", int(t))
    abwarten("Autosave_Monat.sgv")
"""

LESER = """
import os, sys, time
median = dict((int(t), int(m)) for t, m in (p.split(":") for p in os.environ.get("PROBE_MEDIAN", "").split(",") if p))
for name in sys.argv[1:]:
    time.sleep(0.03)
    try:
        tag = int(open(name).read().split("=")[1])
    except (OSError, ValueError, IndexError):
        sys.stderr.write(name + ": nicht lesbar\\n")
        sys.exit(1)
    print("tag=%d liga_spieler=360 markt_spieler=20 ohne_verein=0 kleinster_kader=18 vereine_unter_16=0 "
          "geld_median=%d geld_summe=30000000 geld_min=100 vereine_im_minus=0 datei=%s" % (tag, median.get(tag, 1000000), name))
    print("  niveau=100 vereine=6 geld_median=1000000 gehaelter=500000 im_minus=0")
"""

ORDNER_ANLEGEN = """
import os, sys
os.makedirs(os.path.join(sys.argv[sys.argv.index("--ziel") + 1], "spielstand"), exist_ok=True)
"""


class Saisons_Im_Programm(unittest.TestCase):
    def setUp(self):
        self.ordner = tempfile.mkdtemp(prefix="dorvin_saisons_probe_")
        self.bin = os.path.join(self.ordner, "bin")
        os.makedirs(self.bin)
        for name, text in (("dorvin", PROGRAMM), ("dorvin_bilanz", LESER), ("dorvin_installer", ORDNER_ANLEGEN),
                           ("dorvin_datagen", "")):
            pfad = os.path.join(self.bin, name)
            with open(pfad, "w") as f:
                f.write("#!%s\n%s" % (sys.executable, textwrap.dedent(text)))
            os.chmod(pfad, 0o755)

    def tearDown(self):
        shutil.rmtree(self.ordner, ignore_errors=True)

    def laufen(self, tage, saisons=1, median=""):
        env = dict(os.environ, PROBE_TAGE=",".join(str(t) for t in tage), PROBE_MEDIAN=median)
        return subprocess.run([sys.executable, WERKZEUG, "--saisons", str(saisons), "--bin", self.bin,
                               "--ordner", os.path.join(self.ordner, "lauf")],
                              env=env, capture_output=True, text=True, timeout=120)

    def test_keeps_every_month_under_the_day_it_holds(self):
        r = self.laufen(MONATE[1:])
        self.assertEqual(r.returncode, 0, r.stdout + r.stderr)
        monate = os.path.join(self.ordner, "lauf", "monate")
        namen = sorted(os.listdir(monate))
        self.assertEqual(namen, ["tag_%04d.sgv" % t for t in MONATE])
        for n in namen:
            with open(os.path.join(monate, n)) as f:
                self.assertEqual(f.read(), "tag=%d\n" % int(n[4:8]), n)
        self.assertIn("%d Spielstände" % len(MONATE), r.stdout)

    def test_a_missing_month_fails_and_is_named(self):
        for tage, fehlt in ((MONATE[1:5] + MONATE[6:], ["1.12.1999 (Tag 153)"]),
                            (MONATE[1:10], ["1.5.2000 (Tag 305)", "1.6.2000 (Tag 336)", "1.7.2000 (Tag 366)"])):
            with self.subTest(fehlt=fehlt):
                r = self.laufen(tage)
                self.assertEqual(r.returncode, 1, r.stdout + r.stderr)
                for f in fehlt:
                    self.assertIn("FEHLER Spielstand vom %s fehlt" % f, r.stdout)

    def test_later_seasons_are_measured_against_the_first(self):
        # The first season may end half as rich again as the game began; the third halves the
        # first season's median without halving the start's.
        tage = [(datetime.date(1999 + (7 + k - 1) // 12, (7 + k - 1) % 12 + 1, 1) - datetime.date(1999, 7, 1)).days
                for k in range(1, 37)]
        r = self.laufen(tage, 3, "366:1400000,731:1600000,1096:600000")
        self.assertEqual(r.returncode, 1, r.stdout + r.stderr)
        fehler = [z for z in r.stdout.splitlines() if z.startswith("FEHLER")]
        self.assertEqual(fehler, ["FEHLER Saison 3: Median 600000 bei Saison 1 1400000"], r.stdout)


if __name__ == "__main__":
    unittest.main()
