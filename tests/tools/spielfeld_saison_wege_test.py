#!/usr/bin/env python3
"""dorvin_spielfeld saison --weg: each way plays the chosen club's league games where it says
(on the pitch or in the background) with the club run by whom it says, and names the club's
season in its "Verein" line. Arguments: the program and the data builder, which builds the world
in a folder of the test's own."""
import os
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
        cls.aufstellung_1 = saison("verein", "--verein", str(VEREIN), "--aufstellung", "0")

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

    def test_die_gespeicherte_aufstellung_des_managers(self):
        def aufstellung(lauf):
            m = re.search(r"^Verein \d+: .*?(?:, Aufstellung (\d))?$", lauf.stdout, re.M)
            self.assertIsNotNone(m)
            return m.group(1)
        # a new manager's eleven plays his first set's third line-up; the computer has none
        self.assertEqual(aufstellung(self.lauf["verein"]), "3")
        self.assertIsNone(aufstellung(self.lauf["computer"]))
        # applied as on the line-up screen, another one stays for the season and changes its games
        self.assertEqual(self.aufstellung_1.returncode, 0, self.aufstellung_1.stderr)
        self.assertEqual(aufstellung(self.aufstellung_1), "1")
        spiele = lambda lauf: [z for z in lauf.stdout.splitlines() if z.startswith("Partie ")]
        self.assertNotEqual(spiele(self.aufstellung_1), spiele(self.lauf["verein"]))

    def test_der_vergleich_vieler_saisons(self):
        skript = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "spielfeld",
                              "saison_wege.py")
        aufruf = [sys.executable, skript, "--bin", os.path.dirname(os.path.abspath(PROGRAMM)), "--welt", WELT,
                  "--seeds", "5", "--wege", "verein,computer", "--aufstellungen", "0"]
        lauf = subprocess.run(aufruf + ["--vereine", f"{VEREIN},{VEREIN + 1}"], capture_output=True, text=True,
                              timeout=300)
        self.assertEqual(lauf.returncode, 0, lauf.stderr)
        zeilen = {z.split()[0]: z for z in lauf.stdout.splitlines()[1:]}
        self.assertEqual(set(zeilen), {"verein/Aufstellung", "computer"})
        self.assertRegex(zeilen["verein/Aufstellung"], r"^verein/Aufstellung 1 +2 Läufe, [\d.]+ Punkte je Spiel, "
                                                        r"Tore [\d.]+:[\d.]+, Rangkorrelation -?[\d.]+, zum Bezug [\d.]+$")
        # a club the league does not have gives no season: the comparison says so and fails
        lauf = subprocess.run(aufruf + ["--vereine", "99999"], capture_output=True, text=True, timeout=300)
        self.assertEqual(lauf.returncode, 1)
        self.assertIn("Verein 99999", lauf.stderr)

    def test_falsche_angaben_enden_mit_meldung(self):
        self.assertEqual(saison("irgendwo").returncode, 2)
        self.assertEqual(saison("verein", "--aufstellung", "6").returncode, 2)
        self.assertEqual(saison("verein", "--aufstellung", "-1").returncode, 2)
        self.assertEqual(saison("aus", "--verein", "-1").returncode, 2)
        lauf = saison("aus", "--verein", "99999")
        self.assertEqual(lauf.returncode, 1)
        self.assertIn("Verein 99999 nicht wählbar", lauf.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
