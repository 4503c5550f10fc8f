#!/usr/bin/env python3
"""Many clubs' seasons in the pitch tool, each club once a way: the same club of the same new game
is run by its manager (his games watched on the pitch, or every broadcast off), by his assistants
or by the computer ("dorvin_spielfeld saison --weg"), and optionally with the manager's stored
line-up n of his first set applied ("--aufstellung"). Thousands of games a way, where one club's
season through the program is too few to tell a tenth apart.

    tools/spielfeld/saison_wege.py [--bin build] [--welt build/daten] [--seeds 1-3] [--vereine 0-17]
                                   [--wege verein,computer] [--aufstellungen 2,0] [--parallel 4]

A case is a way, or a way with a line-up. Prints per case the club's points and goals a game, how
its points follow the place of its team value in its league (rank correlation) and its points a
game against the last case's, over all runs and over blocks of seeds; exit code 1 when a run fails.
"""
import argparse
import os
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from live_vergleich import rangkorrelation, seeds_lesen  # noqa: E402

WEGE = ("platz", "verein", "aus", "computer", "computer_aus", "assistent", "assistent_aus")
VEREIN = re.compile(r"^Verein (\d+): (\d+) Punkte aus (\d+) Spielen, (\d+):(\d+) Tore, Stärke (\d+)\. von (\d+)",
                    re.M)


def fall_name(weg, aufstellung):
    return weg if aufstellung is None else f"{weg}/Aufstellung {aufstellung + 1}"


def lauf(programm, welt, seed, verein, weg, aufstellung):
    """One club's season: (points, games, goals, against, place of its team value), or the error."""
    aufruf = [programm, "saison", "--welt", welt, "--seed", str(seed), "--weg", weg, "--verein", str(verein)]
    if aufstellung is not None:
        aufruf += ["--aufstellung", str(aufstellung)]
    try:
        p = subprocess.run(aufruf, capture_output=True, text=True, encoding="utf-8", errors="replace",
                           timeout=600)
    except subprocess.TimeoutExpired:
        return None, "Zeit überschritten"
    m = VEREIN.search(p.stdout)
    if p.returncode != 0 or not m:
        return None, (p.stderr.strip() or f"Exit {p.returncode}, keine Zeile 'Verein'")
    punkte, spiele, tore, gegen, platz = (int(x) for x in m.groups()[1:6])
    return {"punkte": punkte, "spiele": spiele, "tore": tore, "gegen": gegen, "platz": platz}, None


def kennzahlen(runs):
    spiele = sum(r["spiele"] for r in runs)
    if not spiele:
        return None
    return {"runs": len(runs), "je_spiel": sum(r["punkte"] for r in runs) / spiele,
            "tore": sum(r["tore"] for r in runs) / spiele, "gegen": sum(r["gegen"] for r in runs) / spiele,
            "korrelation": rangkorrelation([-r["platz"] for r in runs], [r["punkte"] for r in runs])}


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--bin", default="build")
    ap.add_argument("--welt", default=None, help="the data folder (default: BIN/daten)")
    ap.add_argument("--seeds", default="1-3")
    ap.add_argument("--vereine", default="0-17", help="club numbers of the first league")
    ap.add_argument("--wege", default="verein,computer")
    ap.add_argument("--aufstellungen", default="", help="stored line-ups 0..5 of the manager's first set")
    ap.add_argument("--block", type=int, default=0, help="seeds a block (default: one block a seed)")
    ap.add_argument("--parallel", type=int, default=4)
    a = ap.parse_args()
    programm = os.path.join(os.path.abspath(a.bin), "dorvin_spielfeld")
    welt = os.path.abspath(a.welt or os.path.join(a.bin, "daten"))
    seeds, vereine = seeds_lesen(a.seeds), seeds_lesen(a.vereine)
    wege = [w for w in a.wege.split(",") if w]
    for w in wege:
        if w not in WEGE:
            ap.error(f"unbekannter Weg {w}")
    aufstellungen = [int(x) for x in a.aufstellungen.split(",") if x]
    for n in aufstellungen:
        if not 0 <= n <= 5:
            ap.error(f"Aufstellung {n} nicht in 0..5")
    # a stored line-up is the manager's: the computer's ways take none
    faelle = []
    for w in wege:
        manager = aufstellungen and not w.startswith("computer")
        faelle += [(w, n) for n in aufstellungen] if manager else [(w, None)]
    jobs = [(s, v, w, n) for s in seeds for v in vereine for (w, n) in faelle]
    with ThreadPoolExecutor(max(1, a.parallel)) as ex:
        ergebnisse = list(ex.map(lambda j: (j, lauf(programm, welt, *j)), jobs))
    fehler = [(j, f) for j, (r, f) in ergebnisse if r is None]
    for (s, v, w, n), f in fehler[:10]:
        print(f"Seed {s}, Verein {v}, {fall_name(w, n)}: {f.splitlines()[-1]}", file=sys.stderr)
    if len(fehler) > 10:
        print(f"... {len(fehler)} Läufe ohne Ergebnis", file=sys.stderr)
    runs = {(j[0], j[1], j[2], j[3]): r for j, (r, _) in ergebnisse if r is not None}
    block = a.block if a.block > 0 else 1
    bloecke = [seeds[i:i + block] for i in range(0, len(seeds), block)]
    bezug = faelle[-1]
    bezug_zahl = kennzahlen([r for (s, v, w, n), r in runs.items() if (w, n) == bezug])
    print(f"{len(seeds)} Seeds x {len(vereine)} Vereine, Bezug {fall_name(*bezug)}")
    for fall in faelle:
        k = kennzahlen([r for (s, v, w, n), r in runs.items() if (w, n) == fall])
        if not k:
            print(f"{fall_name(*fall):28} keine Läufe")
            continue
        zeile = (f"{fall_name(*fall):28} {k['runs']:4} Läufe, {k['je_spiel']:.3f} Punkte je Spiel, "
                 f"Tore {k['tore']:.2f}:{k['gegen']:.2f}, Rangkorrelation {k['korrelation']:.2f}")
        if bezug_zahl and fall != bezug:
            zeile += f", zum Bezug {k['je_spiel'] / bezug_zahl['je_spiel']:.3f}"
            teile = []
            for b in bloecke:
                x = kennzahlen([r for (s, v, w, n), r in runs.items() if (w, n) == fall and s in b])
                y = kennzahlen([r for (s, v, w, n), r in runs.items() if (w, n) == bezug and s in b])
                if x and y:
                    teile.append(f"{x['je_spiel'] / y['je_spiel']:.2f}")
            if len(teile) > 1:
                zeile += " (je Block " + " ".join(teile) + ")"
        print(zeile)
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
