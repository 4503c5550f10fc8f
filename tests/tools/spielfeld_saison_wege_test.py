#!/usr/bin/env python3
"""dorvin_spielfeld saison --weg: each way plays the chosen club's league games where it says
(on the pitch or in the background) with the club run by whom it says, and names the club's
season in its "Verein" line. Arguments: the program and the data builder, which builds the world
in a folder of the test's own."""
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

PROGRAMM, DATAGEN = sys.argv[1], sys.argv[2]
WELT = None
VEREIN = 2


def saison(weg, *mehr):
    return subprocess.run([PROGRAMM, "saison", "--welt", WELT, "--seed", "5", "--weg", weg, *mehr],
                          capture_output=True, text=True, encoding="cp1252", timeout=120)


def partien(text):
    """(on the pitch, home managed, away managed) of each league game."""
    return [tuple(int(x) for x in z.split()[7:10]) for z in text.splitlines() if z.startswith("Partie ")]


class Wege(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        global WELT
        WELT = tempfile.mkdtemp(prefix="dorvin_saison_wege_")
        for schritt in ("welt", "wettbewerbe"):
            subprocess.run([DATAGEN, schritt, "--ziel", WELT], check=True, stdout=subprocess.DEVNULL)
        cls.lauf = {w: saison(w, "--verein", str(VEREIN)) for w in ("verein", "aus", "computer")}

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(WELT, ignore_errors=True)

    def test_jeder_weg_nennt_den_verein_und_spielt_die_ganze_saison(self):
        for weg, lauf in self.lauf.items():
            self.assertEqual(lauf.returncode, 0, weg + lauf.stderr)
            m = re.search(r"^Verein (\d+): \d+ Punkte aus (\d+) Spielen", lauf.stdout, re.M)
            self.assertIsNotNone(m, weg)
            self.assertEqual(int(m.group(1)), VEREIN, weg)
            self.assertEqual(int(m.group(2)), 34, weg)
            self.assertEqual(len(partien(lauf.stdout)), 18 * 17, weg)

    def test_wo_die_spiele_laufen_und_wer_den_verein_fuehrt(self):
        eigene = lambda p: p[1] or p[2]
        # watched: exactly the manager's games on the pitch
        v = partien(self.lauf["verein"].stdout)
        self.assertEqual(sum(map(eigene, v)), 34)
        self.assertTrue(all(p[0] == bool(eigene(p)) for p in v))
        # every broadcast off: the manager's games too are played in the background
        a = partien(self.lauf["aus"].stdout)
        self.assertEqual(sum(map(eigene, a)), 34)
        self.assertFalse(any(p[0] for p in a))
        # the computer runs the club: no managed side left, and its games are still on the pitch
        c = partien(self.lauf["computer"].stdout)
        self.assertFalse(any(map(eigene, c)))
        self.assertEqual(sum(p[0] for p in c), 34)

    def test_falsche_angaben_enden_mit_meldung(self):
        self.assertEqual(saison("irgendwo").returncode, 2)
        self.assertEqual(saison("aus", "--verein", "-1").returncode, 2)
        lauf = saison("aus", "--verein", "99999")
        self.assertEqual(lauf.returncode, 1)
        self.assertIn("Verein 99999 nicht wählbar", lauf.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
