#!/usr/bin/env python3
"""Seasons of a new game played through the installed program, headless, every match day: one
manager who ends each turn with the continue icon and lets the days play out. The program's own
savegame of each month (its autosave on the 1st) is kept as it comes, so that every 1 July and a
day of every month is read; dorvin_bilanz reads them all and the figures come out as a table.

    tools/bilanz/saisons_im_programm.py [--welt default|large|small] [--saisons 10]
                                        [--ordner DIR] [--bin build]

The world is generated and installed in DIR (default a temporary folder); the monthly savegames
stay in DIR/monate, each named by the day it holds (tag_NNNN.sgv, day 0 the first of the game).
Exit code 1 when a check fails: a month's savegame missing or unreadable; on a 1 July more than
15 % of the league clubs in debt, the median off its start by more than half (from the second
season on, off the first season's 1 July), a league level's
median negative three seasons running, a league squad below 16 or a player without a team; on
any saved day the league clubs' sum of money not positive.
"""
import argparse
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time


def klick(x, y, halten=100):
    s = ["move %d %d" % (x, y), "wait 300", "wait 50", "wait 50", "left down"]
    if halten >= 0:
        s.append("wait %d" % halten)
    return s + ["left up", "wait 700"]


def tippen(wort):
    s = []
    for c in wort:
        gross = "A" <= c <= "Z"
        if gross:
            s.append("key_down 16")
        s.append("key %d" % ord(c.upper()))
        if gross:
            s.append("key_up 16")
    return s + ["key 13", "wait 300"]


def skript(saisons):
    """Turns enough for the seasons asked (a turn now and then goes to a message instead)."""
    s = ["wait 2000"] + klick(80, 450) + klick(300, 118) + tippen("Anna") + klick(450, 385)
    s.append("game uebertragung 3")
    # the first day as the game starts, before the first month's savegame
    s += ["answer tag_0000", "move 300 250", "wait 300", "right down", "wait 100", "right up", "wait 500",
          "move 350 213", "wait 600", "move 270 213", "wait 100", "move 170 224", "wait 300",
          "left down", "wait 100", "left up", "wait 700"]
    tage = (datetime.date(1999 + saisons, 7, 1) - datetime.date(1999, 7, 1)).days
    for t in range(tage + 40):
        # the turn, "Ja" where it asks about a line-up, "OK" where it names a captain, and a click
        # for each of the season change's messages (prize money, taxes) on the empty pitch else
        s += klick(618, 444) + klick(150, 292) + klick(470, 292) + ["wait input"]
        s += klick(470, 292) + klick(470, 292)
    s.append("quit")
    return "\n".join(s) + "\n"


def monatserste(bis_tag):
    """The days the program writes its monthly autosave on (every 1st after the start) up to
    bis_tag, and day 0, saved by the script as the game starts."""
    erster = datetime.date(1999, 7, 1)
    tage = [0]
    d = datetime.date(1999, 8, 1)
    while (d - erster).days <= bis_tag:
        tage.append((d - erster).days)
        d = datetime.date(d.year + d.month // 12, d.month % 12 + 1, 1)
    return tage


def datum(tag):
    d = datetime.date(1999, 7, 1) + datetime.timedelta(days=tag)
    return "%d.%d.%d" % (d.day, d.month, d.year)


class Fang:
    """Keeps every new autosave as it appears: the program writes it beside the old one and
    renames it over, so a hard link taken at once holds that month whole while the next one
    replaces the name. Runs in a thread of its own, so that reading a kept savegame never makes
    it miss the next one."""

    def __init__(self, auto, kopien):
        self.auto, self.kopien = auto, kopien
        self.gefangen = []
        self.halt = threading.Event()
        self.faden = threading.Thread(target=self.laufen, daemon=True)

    def laufen(self):
        zuletzt = None
        while True:
            ende = self.halt.is_set()
            try:
                st = os.stat(self.auto)
                merkmal = (st.st_ino, st.st_mtime_ns, st.st_size)
            except FileNotFoundError:
                merkmal = None
            if merkmal and merkmal != zuletzt:
                zuletzt = merkmal
                ziel = os.path.join(self.kopien, "neu_%04d.sgv" % len(self.gefangen))
                try:
                    os.link(self.auto, ziel)
                except FileNotFoundError:
                    continue
                except OSError:
                    shutil.copyfile(self.auto, ziel)
                self.gefangen.append(ziel)
            if ende:
                return
            time.sleep(0.002)


def spielen(bin_, ordner, programm, env, bis_tag):
    """Plays the script and keeps every monthly autosave in DIR/monate; stops the program once
    the savegame of bis_tag is kept. Returns the folder and the kept files."""
    stand = os.path.join(programm, "spielstand")
    kopien = os.path.join(ordner, "monate")
    # a former run's savegames in the folder would stand in for the months this one missed
    shutil.rmtree(kopien, ignore_errors=True)
    os.makedirs(kopien)
    for alt in ("Autosave_Monat.sgv", "tag_0000.sgv"):
        if os.path.exists(os.path.join(stand, alt)):
            os.remove(os.path.join(stand, alt))
    fang = Fang(os.path.join(stand, "Autosave_Monat.sgv"), kopien)
    fang.faden.start()
    gelesen = 0
    with open(os.path.join(ordner, "fehler.txt"), "w") as fehler:
        p = subprocess.Popen([bin_ + "/dorvin", "--headless", "--nosound", "--script", os.path.join(ordner, "skript.txt")],
                             env=env, stdout=subprocess.DEVNULL, stderr=fehler)
        while True:
            ende = p.poll() is not None
            while gelesen < len(fang.gefangen):
                tag = tag_lesen(bin_, fang.gefangen[gelesen], env)
                gelesen += 1
                if tag is not None and tag >= bis_tag and not ende:
                    p.terminate()
                    p.wait()
                    ende = True
            if ende:
                break
            time.sleep(0.05)
    fang.halt.set()
    fang.faden.join()
    gefangen = list(fang.gefangen)
    erster = os.path.join(stand, "tag_0000.sgv")
    if os.path.exists(erster):
        ziel = os.path.join(kopien, "neu_start.sgv")
        shutil.copyfile(erster, ziel)
        gefangen.append(ziel)
    return kopien, gefangen


def benennen(bin_, kopien, gefangen, env):
    """Names each kept savegame by the day it holds (tag_NNNN.sgv); returns the days found and
    the errors (a savegame that does not read)."""
    tage, fehler = set(), []
    for datei in gefangen:
        tag = tag_lesen(bin_, datei, env)
        if tag is None:
            fehler.append("%s ist kein lesbarer Spielstand" % os.path.basename(datei))
            os.remove(datei)
            continue
        ziel = os.path.join(kopien, "tag_%04d.sgv" % tag)
        if tag in tage:
            os.remove(datei)
        else:
            os.replace(datei, ziel)
            tage.add(tag)
    return tage, fehler


def fehlende(tage, bis_tag):
    """The errors for every month's savegame up to bis_tag that is not there."""
    return ["Spielstand vom %s (Tag %d) fehlt" % (datum(t), t) for t in monatserste(bis_tag) if t not in tage]


def tag_lesen(bin_, datei, env):
    r = subprocess.run([bin_ + "/dorvin_bilanz", datei], env=env, capture_output=True, text=True)
    if r.returncode != 0 or not r.stdout.startswith("tag="):
        return None
    return int(werte(r.stdout.splitlines()[0])["tag"])


def werte(zeile):
    return dict(w.split("=", 1) for w in zeile.split() if "=" in w)


def main():
    a = argparse.ArgumentParser()
    a.add_argument("--welt", default="default")
    a.add_argument("--saisons", type=int, default=10)
    a.add_argument("--ordner")
    a.add_argument("--bin", default="build")
    o = a.parse_args()
    bin_ = os.path.abspath(o.bin)
    ordner = os.path.abspath(o.ordner or tempfile.mkdtemp(prefix="dorvin_saisons_"))
    os.makedirs(ordner, exist_ok=True)
    daten, programm = os.path.join(ordner, "daten"), os.path.join(ordner, "programm")
    env = dict(os.environ, DORVIN_REGISTRY=os.path.join(ordner, "registry"))
    env.setdefault("DORVIN_ZUFALL", "1")
    stumm = subprocess.DEVNULL
    subprocess.run([bin_ + "/dorvin_datagen", "alles", "--world", o.welt, "--ziel", daten], check=True, stdout=stumm)
    subprocess.run([bin_ + "/dorvin_installer", "--daten", daten, "--ziel", programm], check=True, env=env, stdout=stumm)
    with open(os.path.join(ordner, "skript.txt"), "w") as f:
        f.write(skript(o.saisons))
    bis_tag = (datetime.date(1999 + o.saisons, 7, 1) - datetime.date(1999, 7, 1)).days
    stand, gefangen = spielen(bin_, ordner, programm, env, bis_tag)
    tage, fehler = benennen(bin_, stand, gefangen, env)
    fehler += fehlende(tage, bis_tag)
    namen = ["tag_%04d.sgv" % t for t in sorted(tage) if t <= bis_tag]
    bilanz = subprocess.run([bin_ + "/dorvin_bilanz"] + namen, cwd=stand, env=env, capture_output=True, text=True)
    if bilanz.returncode != 0:
        fehler.append("dorvin_bilanz: " + (bilanz.stderr.strip() or "Exit-Code %d" % bilanz.returncode))
    # the savegames' lines: the world's line, then its levels
    tage = []
    for z in bilanz.stdout.splitlines():
        if z.startswith("tag="):
            tage.append((werte(z), []))
        elif z.startswith("  niveau=") and tage:
            tage[-1][1].append(werte(z))
    erster = datetime.date(1999, 7, 1)
    print("saison tag vereine im_minus median summe min kleinster_kader ohne_verein markt | niveau:median/im_minus")
    start = erstes = None
    negativ = {}
    gesehen = set()
    for w, stufen in tage:
        tag = int(w["tag"])
        if tag in gesehen:
            continue
        gesehen.add(tag)
        if int(w["geld_summe"]) <= 0:
            fehler.append("Tag %d: Summe %s" % (tag, w["geld_summe"]))
        if int(w["kleinster_kader"]) < 16 or int(w["ohne_verein"]) != 0:
            fehler.append("Tag %d: kleinster Kader %s, ohne Verein %s" % (tag, w["kleinster_kader"], w["ohne_verein"]))
        d = erster + datetime.timedelta(days=tag)
        if not (d.month == 7 and d.day == 1):
            continue
        saison = d.year - 1999
        median = int(w["geld_median"])
        # The first season is measured against the start, every later one against the first
        # season's 1 July, as the season test does: the first season brings the boards' and the
        # gate's whole year at once.
        if start is None:
            start = median
        mass, mass_name = (start, "Start") if saison <= 1 or erstes is None else (erstes, "Saison 1")
        if saison == 1:
            erstes = median
        vereine, minus = sum(int(s["vereine"]) for s in stufen), int(w["vereine_im_minus"])
        print("%2d %5d %4d %4d %12d %14s %12s %3s %s %s | %s" % (
            saison, tag, vereine, minus, median, w["geld_summe"], w["geld_min"],
            w["kleinster_kader"], w["ohne_verein"], w["markt_spieler"],
            " ".join("%s:%s/%s" % (s["niveau"], s["geld_median"], s["im_minus"]) for s in stufen)))
        if vereine and minus * 100 > vereine * 15:
            fehler.append("Saison %d: %d von %d Vereinen im Minus" % (saison, minus, vereine))
        if mass and not (mass / 2 <= median <= mass * 3 / 2):
            fehler.append("Saison %d: Median %d bei %s %d" % (saison, median, mass_name, mass))
        for s in stufen:
            n = negativ.get(s["niveau"], 0)
            n = n + 1 if int(s["geld_median"]) < 0 else 0
            negativ[s["niveau"]] = n
            if n >= 3:
                fehler.append("Saison %d: Niveau %s drei Saisons im Minus" % (saison, s["niveau"]))
    print("%d Spielstände, Ordner %s" % (len(tage), ordner))
    for f in fehler:
        print("FEHLER " + f)
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
