#!/bin/sh
# Every benchmark with a goal against its goal: runs each benchmark program named in
# bench/ziele.txt (its benchmarks with a goal, three repetitions, their median) with the fixed
# reference loop (bench_referenz) just before and after it, and prints a table: the figure, its
# goal, the figure as a multiple of the reference loop's time, and whether the goal is met.
# A time is judged by its multiple of the reference, a rate by the work done in one reference
# time, a share as it is; so a loaded machine and a quiet one give the same verdict.
#
#   tools/bench_tabelle.sh [BUILD_DIR]      (ZIELE=file to read other goals)
# Exit status 1 when a goal is missed or a program fails.
set -u
build=${1:-build}
quelle=$(cd "$(dirname "$0")/.." && pwd)
ziele=${ZIELE:-$quelle/bench/ziele.txt}
wiederholungen=${WIEDERHOLUNGEN:-3}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

# One run's JSON as lines "name<TAB>field<TAB>value"; a median aggregate stands for its name.
werte() {
    awk '
        /"name":/ { n = $0; sub(/^[^:]*: *"/, "", n); sub(/",? *$/, "", n) }
        /"aggregate_name":/ { a = $0; sub(/^[^:]*: *"/, "", a); sub(/",? *$/, "", a) }
        /"run_type":/ { a = "" }
        /^ *"[A-Za-z_0-9]+": *-?[0-9.eE+-]+,?$/ {
            k = $0; sub(/^ *"/, "", k); sub(/".*$/, "", k)
            v = $0; sub(/^[^:]*: */, "", v); sub(/,$/, "", v)
            werte[n, k] = v
            namen[n] = 1
        }
        /"time_unit":/ { u = $0; sub(/^[^:]*: *"/, "", u); sub(/",? *$/, "", u); einheit[n] = u }
        END {
            for (n in namen) {
                # the name as the goals give it: without the aggregate and the fixed counts
                m = n; sub(/_median$/, "", m); gsub(/\/(iterations|repeats):[0-9]+|\/real_time/, "", m)
                f = einheit[n] == "ns" ? 1e-6 : einheit[n] == "us" ? 1e-3 : einheit[n] == "s" ? 1e3 : 1
                for (s in werte) {
                    split(s, t, SUBSEP)
                    if (t[1] != n) continue
                    v = werte[s]
                    if (t[2] == "cpu_time" || t[2] == "real_time") v = v * f
                    # a median wins over a single run of the same name
                    if (n ~ /_median$/ || !((m, t[2]) in gesetzt)) { print m "\t" t[2] "\t" v; gesetzt[m, t[2]] = 1 }
                }
            }
        }' "$1"
}

referenz() {
    "$build/bench_referenz" --benchmark_format=json --benchmark_repetitions="$wiederholungen" \
        --benchmark_report_aggregates_only=true > "$tmp/ref.json" 2> /dev/null || return 1
    werte "$tmp/ref.json" | awk -F '\t' '$1 == "Referenz_Schleife" && $2 == "cpu_time" { print $3 }'
}

if [ ! -x "$build/bench_referenz" ]; then
    echo "bench_tabelle: $build/bench_referenz fehlt (ninja -C $build bench_referenz)" >&2
    exit 1
fi
referenz_ms=$(awk '$1 == "referenz_ms" { print $2 }' "$ziele")
: > "$tmp/zeilen"
fehler=0
for programm in $(awk '!/^#/ && NF && $1 != "referenz_ms" { print $1 }' "$ziele" | awk '!x[$0]++'); do
    # Only the benchmarks with a goal, by their names before the field.
    filter=$(awk -v p="$programm" '$1 == p { print $2 }' "$ziele" | tr '%' '\n' | sed 's/:.*//' |
        awk '!x[$0]++' | paste -sd '|' -)
    r1=$(referenz)
    echo "== bench_$programm" >&2
    if ! DORVIN_HEADLESS=1 "$build/bench_$programm" --benchmark_filter="^($filter)" --benchmark_format=json \
        --benchmark_repetitions="$wiederholungen" --benchmark_report_aggregates_only=true \
        > "$tmp/$programm.json" 2> "$tmp/$programm.err"; then
        echo "bench_$programm scheiterte:" >&2
        tail -5 "$tmp/$programm.err" >&2
        fehler=1
    fi
    r2=$(referenz)
    werte "$tmp/$programm.json" > "$tmp/$programm.werte"
    awk -v p="$programm" -v r1="$r1" -v r2="$r2" -v dateien="$tmp/$programm.werte" '
        BEGIN { while ((getline z < dateien) > 0) { split(z, t, "\t"); w[t[1] ":" t[2]] = t[3] } }
        $1 == p {
            n = split($2, teil, "%")
            ok = teil[1] in w
            v = ok ? w[teil[1]] : 0
            if (n == 2) { ok = ok && (teil[2] in w) && w[teil[2]] != 0; if (ok) v = 100 * v / w[teil[2]] }
            else v = v * $3
            print p "\t" $2 "\t" (ok ? v : "") "\t" $4 "\t" $5 "\t" $6 "\t" $7 "\t" (r1 + r2) / 2
        }' "$ziele" >> "$tmp/zeilen"
done

# figure | value | goal | multiple of the reference (value, goal) | met
awk -F '\t' -v r0="$referenz_ms" '
    function zahl(x) { return x >= 1000 ? sprintf("%.0f", x) : x >= 10 ? sprintf("%.1f", x) : sprintf("%.3g", x) }
    BEGIN {
        printf "%-72s %12s %12s %12s %12s  %s\n", "Kennzahl", "Wert", "Ziel", "x Referenz", "Ziel x Ref.", "erfüllt"
        fehlt = 0
    }
    {
        name = "bench_" $1 " " $2
        if ($3 == "") { printf "%-72s %12s %12s %12s %12s  %s\n", name, "-", $6 " " zahl($7), "-", "-", "FEHLT"; fehlt = 1; next }
        wert = $3 + 0; ziel = $7 + 0; ref = $8 + 0
        ms = $4 == "µs" ? 0.001 : $4 == "ns" ? 1e-6 : $4 == "s" ? 1000 : 1
        if ($5 == "zeit") { m = wert * ms / ref; mz = ziel * ms / r0 }
        else if ($5 == "rate") { m = wert * ref / 1000; mz = ziel * r0 / 1000 }
        else { m = wert; mz = ziel }
        if ($6 == "<") erfuellt = m < mz
        else if ($6 == "<=") erfuellt = m <= mz
        else if ($6 == ">") erfuellt = m > mz
        else erfuellt = m >= mz
        if (!erfuellt) fehlt = 1
        printf "%-72s %12s %12s %12s %12s  %s\n", name, zahl(wert) " " $4, $6 " " zahl(ziel) " " $4,
               ($5 == "anteil" ? "-" : zahl(m)), ($5 == "anteil" ? "-" : zahl(mz)), erfuellt ? "ja" : "NEIN"
    }
    END {
        printf "Referenzschleife: %s ms in diesem Lauf (Mittel), %s ms auf der Maschine der Ziele\n", zahl(ref), r0
        exit fehlt
    }' "$tmp/zeilen" || fehler=1
exit $fehler
