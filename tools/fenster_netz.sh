#!/usr/bin/env bash
# Three real windows of a network game on virtual displays, driven with real X events: a server
# (display :81) and two clients (:82, :83), each from a program folder and registry of its own,
# all three in a network namespace of their own, away from the test suite's ports. Needs root
# (unshare, nsenter), Xvfb, xdotool and ImageMagick, and build/dorvin, dorvin_datagen and
# dorvin_installer (make install-programm).
#
#   tools/fenster_netz.sh aufbauen DIR          world, program folders made afresh (savegames in them
#                                               go), displays, namespace
#   tools/fenster_netz.sh vorbereiten DIR       headless: a game of Anna, Bernd and Carl saved in the
#                                               round of their clubs' next league day ("vorbereitet"),
#                                               every manager's club broadcast live again
#   tools/fenster_netz.sh starten DIR [SAVE]    server window (loading SAVE, a savegame's path), then
#                                               both clients, their connect dialogs confirmed
#   tools/fenster_netz.sh bild DIR N NAME       the frame of display N as DIR/bilder/NAME.png (640 x 480)
#   tools/fenster_netz.sh klick DIR N X Y       a left click at the game's X Y on display N
#   tools/fenster_netz.sh taste DIR N KEY...    keys (xdotool names, e.g. F12 Return) to display N's window
#   tools/fenster_netz.sh tippen DIR N TEXT     typed text
#   tools/fenster_netz.sh filmen DIR [SEK]      frames of all three into DIR/film/N-NNNN.png every
#                                               ~SEK s (default 1) until DIR/film/stop exists
#   tools/fenster_netz.sh cpu DIR [SEK]         each game process's share of a core over SEK s
#   tools/fenster_netz.sh ende DIR              ends every process it started, by its id
#
# The game's 640 x 480 frame fills 1280 x 960 of each 1280 x 1024 screen, 32 rows from the top.
# Without a window manager a client's window has no keyboard focus after its connect dialog:
# `taste` gives it the focus first. Port: 0x4741 inside the namespace.
set -u
befehl=${1:-}
ordner=${2:-}
[ -n "$befehl" ] && [ -n "$ordner" ] || { sed -n '2,26p' "$0"; exit 2; }
b=$(cd "$(dirname "$0")/.." && pwd)/build
mkdir -p "$ordner"; ordner=$(cd "$ordner" && pwd)
rollen=(server eins zwei)
anzeige=(81 82 83)
port=18241

ns_pid() { cat "$ordner/ns.pid"; }
im_ns() { nsenter -t "$(ns_pid)" -n "$@"; }
fenster() { DISPLAY=:$1 xdotool search --onlyvisible --name "." 2>/dev/null | tail -1; }

# Without a window manager nobody sizes the full-screen window.
passen() {
  local d=$1 w i
  for i in 1 2 3 4 5; do
    w=$(fenster "$d"); [ -z "$w" ] && { sleep 1; continue; }
    DISPLAY=:$d xwininfo -id "$w" 2>/dev/null | grep -q 'Width: 1280' && return
    DISPLAY=:$d xdotool windowmove "$w" 0 0 windowsize "$w" 1280 1024; sleep 1
  done
}
bild() {
  mkdir -p "$ordner/bilder"
  import -display ":$1" -window root "$ordner/roh$1.png" &&
    convert "$ordner/roh$1.png" -crop 1280x960+0+32 +repage -sample 50% "$ordner/bilder/$2.png" && echo "$ordner/bilder/$2.png"
}
klick() {
  DISPLAY=:$1 xdotool mousemove $((2 * $2)) $((2 * $3 + 32)); sleep 0.4
  DISPLAY=:$1 xdotool mousedown 1; sleep 0.1; DISPLAY=:$1 xdotool mouseup 1; sleep 1
}
grau() { import -display ":$1" -window root -crop 1x1+600+600 -depth 8 txt:- 2>/dev/null | grep -qi 'D4D0C8'; }
fokus() { local w; w=$(fenster "$1"); [ -n "$w" ] && DISPLAY=:$1 xdotool windowfocus "$w" 2>/dev/null; }

# Script lines of a headless run: a click, typed names, a turn, the options menu's save.
s_klick() { printf 'move %s %s\nwait 300\nwait 50\nwait 50\nleft down\nwait 100\nleft up\nwait 700\n' "$1" "$2"; }
s_tippen() {
  local w=$1 i c
  for ((i = 0; i < ${#w}; i++)); do
    c=${w:i:1}
    if [[ $c =~ [A-Z] ]]; then printf 'key_down 16\nkey %d\nkey_up 16\n' "'$c"; else printf 'key %d\n' "'${c^^}"; fi
  done
  printf 'key 13\nwait 300\n'
}
s_zug() { s_klick 618 444; s_klick 150 292; s_klick 470 292; echo "wait input"; }
s_speichern() {
  echo "answer $1"
  printf 'move 300 250\nwait 300\nright down\nwait 100\nright up\nwait 500\nmove 350 213\nwait 600\n'
  printf 'move 270 213\nwait 100\nmove 170 224\nwait 300\nleft down\nwait 100\nleft up\nwait 700\n'
}
headless() {  # SCRIPT [SAVE]: the server's folder, inside the namespace
  DORVIN_REGISTRY="$ordner/reg_server" timeout 900 nsenter -t "$(ns_pid)" -n "$b/dorvin" --headless --nosound \
    --role server --script "$ordner/$1.txt" ${2:+"$2"} >"$ordner/$1_aus.txt" 2>"$ordner/$1_fehler.txt"
}

case "$befehl" in
aufbauen)
  for c in Xvfb xdotool import convert xwininfo unshare nsenter; do
    command -v $c >/dev/null || { echo "fehlt: $c (apt-get install xvfb xdotool imagemagick x11-utils)"; exit 2; }
  done
  [ -x "$b/dorvin" ] && [ -x "$b/dorvin_datagen" ] && [ -x "$b/dorvin_installer" ] || { echo "build/dorvin fehlt: make install-programm"; exit 2; }
  rm -rf "$ordner/daten"
  "$b/dorvin_datagen" alles --ziel "$ordner/daten" >/dev/null 2>&1 || { echo "Datenbau misslungen"; exit 1; }
  for r in "${rollen[@]}"; do
    rm -rf "$ordner/$r"
    DORVIN_REGISTRY="$ordner/reg_$r" "$b/dorvin_installer" --daten "$ordner/daten" --ziel "$ordner/$r" >/dev/null 2>&1 ||
      { echo "Installation $r misslungen"; exit 1; }
    echo "127.0.0.1 $port" >"$ordner/$r/config_files/dorvin_server.cfg"
  done
  if [ ! -e "$ordner/ns.pid" ] || ! kill -0 "$(ns_pid)" 2>/dev/null; then
    unshare -n sh -c 'ip link set lo up; exec sleep 1000000' >/dev/null 2>&1 & echo $! >"$ordner/ns.pid"
  fi
  for d in "${anzeige[@]}"; do
    if [ ! -e "$ordner/xvfb$d.pid" ] || ! kill -0 "$(cat "$ordner/xvfb$d.pid")" 2>/dev/null; then
      setsid Xvfb ":$d" -screen 0 1280x1024x24 >"$ordner/xvfb$d.log" 2>&1 & echo $! >"$ordner/xvfb$d.pid"
    fi
  done
  sleep 2
  echo "bereit: $ordner"
  ;;
vorbereiten)
  # A new game; club 0 is no club a client can hold, so a game in which a manager drew it is made again.
  for versuch in 1 2 3 4; do
    { echo "wait 2000"; s_klick 80 450
      i=0
      for m in Anna Bernd Carl; do
        [ $i -gt 0 ] && s_klick 200 385
        s_klick 300 118; s_tippen $m
        [ $i -gt 0 ] && s_klick 300 310
        i=$((i + 1))
      done
      s_klick 450 385
      echo "game uebertragung 3"; echo "game pruefsumme -2"; echo "game spieltag"; s_speichern anfang; echo quit
    } >"$ordner/anfang.txt"
    headless anfang || { echo "neues Spiel misslungen ($ordner/anfang_fehler.txt)"; exit 1; }
    grep -q '^Pruefsumme 0 ' "$ordner/anfang_aus.txt" || break
    sleep 1
  done
  read -r heute tag < <(awk '$1 == "Spieltag" { print $3, $4; exit }' "$ordner/anfang_aus.txt")
  [ -n "${tag:-}" ] && [ "$tag" -gt "$heute" ] || { echo "kein Spieltag nach heute: $(cat "$ordner/anfang_aus.txt")"; exit 1; }
  # Every manager's turn up to that day; the last day's turns of the second and third manager and
  # the first manager's turn of the match day set their clubs live again, then it is saved.
  n=$((3 * (tag - heute)))
  { echo "wait 1000"
    for ((t = 0; t < n; t++)); do [ $t -ge $((n - 2)) ] && echo "game uebertragung 0"; s_zug; done
    echo "game uebertragung 0"; echo "game spieltag"; echo "game pruefsumme -2"; s_speichern vorbereitet; echo quit
  } >"$ordner/vorbereiten.txt"
  headless vorbereiten "$ordner/server/spielstand/anfang.sgv" || { echo "Vorbereitung misslungen"; exit 1; }
  cat "$ordner/vorbereiten_aus.txt"
  echo "Spielstand: $ordner/server/spielstand/vorbereitet.sgv"
  ;;
starten)
  spielstand=${3:-}
  (cd "$ordner/server" || exit 1; DISPLAY=:81 DORVIN_DEBUG=1 DORVIN_REGISTRY="$ordner/reg_server" setsid nsenter -t "$(ns_pid)" -n \
    "$b/dorvin" --role server --nosound ${spielstand:+"$spielstand"} >"$ordner/server_aus.txt" 2>"$ordner/server_fehler.txt" &
    echo $! >"$ordner/server.pid")
  for i in $(seq 120); do im_ns ss -ltn 2>/dev/null | grep -q ":$port " && break; sleep 0.5; done
  passen 81
  for k in 1 2; do
    r=${rollen[$k]}; d=${anzeige[$k]}
    (cd "$ordner/$r" || exit 1; DISPLAY=:$d DORVIN_DEBUG=1 DORVIN_REGISTRY="$ordner/reg_$r" setsid nsenter -t "$(ns_pid)" -n \
      "$b/dorvin" --role client --nosound >"$ordner/${r}_aus.txt" 2>"$ordner/${r}_fehler.txt" & echo $! >"$ordner/$r.pid")
  done
  # "Verbinden" of each connect dialog (grey), once the dialog is moved to the screen's top left.
  for d in 82 83; do
    for i in $(seq 60); do grau $d && break; sleep 0.5; done
    for i in 1 2 3; do
      grau $d || break
      passen $d
      DISPLAY=:$d xdotool mousemove 85 197 click 1; sleep 3
    done
    passen $d
  done
  echo "server $(cat "$ordner/server.pid"), eins $(cat "$ordner/eins.pid"), zwei $(cat "$ordner/zwei.pid")"
  ;;
bild) passen "$3"; bild "$3" "$4" ;;
klick) klick "$3" "$4" "$5" ;;
taste) d=$3; shift 3; fokus "$d"; DISPLAY=:$d xdotool key "$@"; sleep 0.5 ;;
tippen) fokus "$3"; DISPLAY=:$3 xdotool type --delay 80 "$4"; sleep 0.3 ;;
filmen)
  mkdir -p "$ordner/film"; rm -f "$ordner/film/stop"; i=0
  while [ ! -e "$ordner/film/stop" ]; do
    i=$((i + 1)); t=$(printf %04d $i)
    for d in "${anzeige[@]}"; do
      import -display ":$d" -window root "$ordner/film/roh$d.png" 2>/dev/null &&
        convert "$ordner/film/roh$d.png" -crop 1280x960+0+32 +repage -sample 50% "$ordner/film/$d-$t.png"
    done
    echo "$t $(date +%T.%N | cut -c1-12)" >>"$ordner/film/zeiten.txt"
    sleep "${3:-1}"
  done
  ;;
cpu)
  hz=$(getconf CLK_TCK); sek=${3:-10}
  for r in "${rollen[@]}"; do
    p=$(cat "$ordner/$r.pid" 2>/dev/null) && [ -r "/proc/$p/stat" ] || continue
    ( a=$(awk '{print $14 + $15}' "/proc/$p/stat"); sleep "$sek"; z=$(awk '{print $14 + $15}' "/proc/$p/stat")
      awk -v r="$r" -v d=$((z - a)) -v hz="$hz" -v s="$sek" 'BEGIN { printf "%s: %.1f %% eines Kerns\n", r, d * 100 / (s * hz) }' ) &
  done
  wait
  ;;
ende)
  touch "$ordner/film/stop" 2>/dev/null
  for f in server eins zwei xvfb81 xvfb82 xvfb83 ns; do
    [ -e "$ordner/$f.pid" ] && kill "$(cat "$ordner/$f.pid")" 2>/dev/null
    rm -f "$ordner/$f.pid"
  done
  echo "beendet; der Ordner $ordner bleibt (rm -rf zum Aufräumen)"
  ;;
*) sed -n '2,26p' "$0"; exit 2 ;;
esac
