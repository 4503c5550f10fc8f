#!/usr/bin/env python3
"""The same new games played twice headless through the program: once as a new manager plays them,
his club's matches watched live on the pitch (team talk and dressing room left at once), once with
every broadcast off ("game uebertragung 3", the background deciding them). Each seed starts the
random sequence of a new game (DORVIN_ZUFALL); after the turns the club's league record is read
("game bilanz") and both ways are set side by side.

    tools/spielfeld/live_vergleich.py [--bin build] [--seeds 1-10] [--tage 175] [--parallel 4]
                                      [--wege live,konferenz,aus]

Prints a table per seed (the club, the place of its team value in its league, its record each way,
the turns it began with fewer than eleven) and the totals; the exit code is 1 when a run failed or
the first way's points a game differ from the last way's by more than --grenze (15 %).
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor

# The ways a game is played: watched live (a new manager's default), in the conference (his club's
# games on the pitch, shown in the overview), every broadcast off.
UEBERTRAGUNG = {"live": None, "konferenz": 1, "aus": 3}
NAMEN = {"live": "live angesehen", "konferenz": "Konferenz", "aus": "Übertragung aus"}


def klick(x, y, halten=100):
    """The pointer rests on the spot a moment, then the button is held `halten` ms (-1: one go)."""
    s = [f"move {x} {y}", "wait 300", "wait 50", "wait 50", "left down"]
    if halten >= 0:
        s.append(f"wait {halten}")
    return s + ["left up", "wait 700"]


def tippen(wort):
    s = []
    for c in wort:
        gross = c.isupper()
        if gross:
            s.append("key_down 16")
        s.append(f"key {ord(c.upper())}")
        if gross:
            s.append("key_up 16")
    return s + ["key 13", "wait 300"]


def skript(weg, tage):
    """A new game of one manager; `tage` turns, each ended with the continue icon ("Ja" where a
    turn asks, the captain's "OK"), the match day played out untouched ("wait input" leaves the
    team talk and the dressing room of a watched match by itself)."""
    s = ["wait 2000"] + klick(80, 450) + klick(300, 118) + tippen("Anna") + klick(450, 385)
    if UEBERTRAGUNG[weg] is not None:
        s.append(f"game uebertragung {UEBERTRAGUNG[weg]}")
    for _ in range(tage):
        s += ["game elf"] + klick(618, 444, -1) + klick(150, 292) + klick(470, 292) + ["wait input"]
    s += ["game bilanz", "quit"]
    return "\n".join(s) + "\n"


def seeds_lesen(text):
    seeds = []
    for teil in text.split(","):
        if "-" in teil:
            a, b = teil.split("-")
            seeds += range(int(a), int(b) + 1)
        elif teil:
            seeds.append(int(teil))
    return seeds


def bilanz_lesen(ausgabe):
    """The fields of the "Bilanz" line, or None; with the turns ended with fewer than eleven
    players in the starting eleven (the turn's question answered "Ja")."""
    kurz = sum(1 for z in ausgabe.splitlines() if re.match(r"Elf -?\d+ (\d+)$", z) and int(z.split()[2]) < 11)
    for zeile in ausgabe.splitlines():
        m = re.match(r"Bilanz (-?\d+)" + 9 * r" (\d+)" + r" ?(.*)$", zeile)
        if m:
            zahlen = [int(x) for x in m.groups()[:10]]
            keys = ("team", "spiele", "s", "u", "n", "tore", "gegen", "punkte", "rang", "vereine")
            b = dict(zip(keys, zahlen))
            b["kurz"] = kurz
            b["name"] = re.sub(r"\^(c\d{5}|[a-z]{2})", "", m.group(11))  # without the font's codes
            return b
    return None


def raenge(x):
    """The places of the values (ties share the mean place)."""
    reihe = sorted(range(len(x)), key=lambda i: x[i])
    r = [0.0] * len(x)
    i = 0
    while i < len(reihe):
        j = i
        while j + 1 < len(reihe) and x[reihe[j + 1]] == x[reihe[i]]:
            j += 1
        for k in range(i, j + 1):
            r[reihe[k]] = (i + j) / 2
        i = j + 1
    return r


def rangkorrelation(a, b):
    ra, rb = raenge(a), raenge(b)
    ma, mb = sum(ra) / len(ra), sum(rb) / len(rb)
    saa = sum((x - ma) ** 2 for x in ra)
    sbb = sum((y - mb) ** 2 for y in rb)
    sab = sum((x - ma) * (y - mb) for x, y in zip(ra, rb))
    return sab / (saa * sbb) ** 0.5 if saa > 0 and sbb > 0 else 0.0


class Lauf:
    def __init__(self, bin_dir, ordner):
        self.bin = os.path.abspath(bin_dir)
        self.ordner = ordner

    def anlegen(self):
        daten = os.path.join(self.ordner, "daten")
        programm = os.path.join(self.ordner, "programm")
        if os.path.isdir(programm):
            return
        subprocess.run([os.path.join(self.bin, "dorvin_datagen"), "alles", "--ziel", daten], check=True,
                       stdout=subprocess.DEVNULL)
        umgebung = dict(os.environ, DORVIN_REGISTRY=os.path.join(self.ordner, "registry"))
        subprocess.run([os.path.join(self.bin, "dorvin_installer"), "--daten", daten, "--ziel", programm],
                       check=True, stdout=subprocess.DEVNULL, env=umgebung)
        shutil.rmtree(daten, ignore_errors=True)

    def spielen(self, seed, weg, tage):
        """One game in a program folder of its own (copied, its registry beside it)."""
        name = f"{weg}_{seed}"
        platz = os.path.join(self.ordner, name)
        shutil.rmtree(platz, ignore_errors=True)
        programm = os.path.join(platz, "programm")
        shutil.copytree(os.path.join(self.ordner, "programm"), programm, symlinks=True)
        registry = os.path.join(platz, "registry")
        with open(os.path.join(self.ordner, "registry")) as q, open(registry, "w") as z:
            z.write(q.read().replace(os.path.join(self.ordner, "programm"), programm))
        datei = os.path.join(platz, "skript.txt")
        with open(datei, "w") as f:
            f.write(skript(weg, tage))
        umgebung = dict(os.environ, DORVIN_REGISTRY=registry, DORVIN_ZUFALL=str(seed))
        umgebung.pop("DORVIN_DEBUG", None)
        start = time.time()
        with open(os.path.join(platz, "aus.txt"), "w") as aus, open(os.path.join(platz, "fehler.txt"), "w") as fehler:
            p = subprocess.Popen([os.path.join(self.bin, "dorvin"), "--headless", "--nosound", "--script", datei],
                                 stdout=aus, stderr=fehler, env=umgebung)
            _, status, nutzung = os.wait4(p.pid, 0)
        code = p.returncode = os.waitstatus_to_exitcode(status)
        with open(os.path.join(platz, "aus.txt"), encoding="latin-1") as f:
            b = bilanz_lesen(f.read())
        ergebnis = {"seed": seed, "weg": weg, "bilanz": b, "code": code, "sekunden": time.time() - start,
                    "cpu": nutzung.ru_utime + nutzung.ru_stime}
        if b is None or code != 0:
            shutil.copy(os.path.join(platz, "fehler.txt"), os.path.join(self.ordner, name + "_fehler.txt"))
        shutil.rmtree(platz, ignore_errors=True)
        return ergebnis


def summe(bilanzen):
    s = {k: 0 for k in ("spiele", "s", "u", "n", "tore", "gegen", "punkte")}
    for b in bilanzen:
        for k in s:
            s[k] += b[k]
    return s


def zelle(b):
    if b is None:
        return "(kein Ergebnis)"
    text = f"{b['s']}-{b['u']}-{b['n']}, {b['tore']}:{b['gegen']}, {b['punkte']} P. / {b['spiele']}"
    return text + (f", {b['kurz']} Züge mit weniger als elf" if b.get("kurz") else "")


def je_spiel(s, k):
    return s[k] / s["spiele"] if s["spiele"] else 0.0


def main():
    a = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    a.add_argument("--bin", default="build", help="the build folder (dorvin, dorvin_datagen, dorvin_installer)")
    a.add_argument("--seeds", default="1-10", help="e.g. 1-10 or 3,5,9")
    a.add_argument("--tage", type=int, default=175, help="turns played (a day each; 175: to mid-December)")
    a.add_argument("--wege", default="live,aus", help="ways to play: live, konferenz, aus; the first is set "
                   "against the last")
    a.add_argument("--parallel", type=int, default=4, help="programs at once (at most 4)")
    a.add_argument("--ordner", default=None, help="working folder (default: a new one under /tmp, removed after)")
    a.add_argument("--grenze", type=float, default=0.15, help="largest relative gap of the points a game")
    o = a.parse_args()
    seeds = seeds_lesen(o.seeds)
    wege = [w for w in o.wege.split(",") if w]
    if len(wege) < 2 or any(w not in UEBERTRAGUNG for w in wege):
        a.error("--wege: at least two of live, konferenz, aus")
    ordner = o.ordner or tempfile.mkdtemp(prefix="live_vergleich_")
    os.makedirs(ordner, exist_ok=True)
    lauf = Lauf(o.bin, ordner)
    print(f"Welt und Programm in {ordner} ...", flush=True)
    lauf.anlegen()
    auftraege = [(s, w) for s in seeds for w in wege]
    ergebnisse = {}
    with ThreadPoolExecutor(max_workers=max(1, min(4, o.parallel))) as pool:
        for e in pool.map(lambda sw: lauf.spielen(sw[0], sw[1], o.tage), auftraege):
            ergebnisse[(e["seed"], e["weg"])] = e
            print(f"  Seed {e['seed']:>4} {e['weg']:>9}: {zelle(e['bilanz'])}  ({e['sekunden']:.0f} s, "
                  f"{e['cpu']:.1f} s CPU, Code {e['code']})", flush=True)

    print()
    print("| Seed | Verein | " + " | ".join(NAMEN[w] for w in wege) + " |")
    print("|---|---|" + "---|" * len(wege))
    fehler = False
    for s in seeds:
        laeufe = [ergebnisse[(s, w)] for w in wege]
        fehler |= any(e["bilanz"] is None or e["code"] != 0 for e in laeufe)
        b = next((e["bilanz"] for e in laeufe if e["bilanz"]), None)
        name = f"{b['name']} (Stärke {b['rang']}. von {b['vereine']})" if b else "?"
        print(f"| {s} | {name} | " + " | ".join(zelle(e["bilanz"]) for e in laeufe) + " |")
    gesamt = {w: summe([ergebnisse[(s, w)]["bilanz"] for s in seeds if ergebnisse[(s, w)]["bilanz"]]) for w in wege}
    print("| alle | | " + " | ".join(zelle(gesamt[w]) for w in wege) + " |")
    print()
    for w in wege:
        g = gesamt[w]
        cpu = sum(ergebnisse[(s, w)]["cpu"] for s in seeds)
        print(f"{NAMEN[w]}: {g['spiele']} Spiele, {je_spiel(g, 'punkte'):.3f} Punkte und {je_spiel(g, 'tore'):.3f} Tore "
              f"({je_spiel(g, 'gegen'):.3f} Gegentore) je Spiel; {cpu:.0f} s CPU")
    erster, letzter = wege[0], wege[-1]
    p_erster, p_letzter = je_spiel(gesamt[erster], "punkte"), je_spiel(gesamt[letzter], "punkte")
    verhaeltnis = p_erster / p_letzter if p_letzter else 0.0
    print(f"Verhältnis der Punkte je Spiel, {erster} / {letzter}: {verhaeltnis:.3f}")
    # Does the club's strength count the same in each way? Its team value's place in its league
    # against its points, each way with its own place (rank correlation over the seeds).
    for w in wege:
        bs = [ergebnisse[(s, w)]["bilanz"] for s in seeds if ergebnisse[(s, w)]["bilanz"]]
        if len(bs) >= 3:
            print(f"Rangkorrelation Teamwert/Punkte, {NAMEN[w]}: "
                  f"{rangkorrelation([-b['rang'] for b in bs], [b['punkte'] for b in bs]):.2f}")
    # The ratio over blocks of 8 seeds, in the order given
    bloecke = [seeds[i:i + 8] for i in range(0, len(seeds), 8)]
    if len(bloecke) > 1:
        teile = []
        for blk in bloecke:
            g = [summe([ergebnisse[(s, w)]["bilanz"] for s in blk if ergebnisse[(s, w)]["bilanz"]]) for w in (erster, letzter)]
            q = je_spiel(g[1], "punkte")
            teile.append(f"{blk[0]}-{blk[-1]}: {je_spiel(g[0], 'punkte') / q:.3f}" if q else f"{blk[0]}-{blk[-1]}: -")
        print(f"Verhältnis {erster} / {letzter} in Blöcken zu 8 Seeds: " + ", ".join(teile))
    if fehler:
        print(f"Mindestens ein Lauf ohne Ergebnis (siehe {ordner}/*_fehler.txt)")
        return 1
    if not o.ordner:
        shutil.rmtree(ordner, ignore_errors=True)
    return 0 if abs(verhaeltnis - 1.0) <= o.grenze else 1


if __name__ == "__main__":
    sys.exit(main())
