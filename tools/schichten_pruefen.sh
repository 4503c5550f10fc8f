#!/usr/bin/env bash
# Checks the direction of the includes in the program's folders:
#   - the engine (platform/, graphics/) includes nothing of the game's folders;
#   - the operating-system layer (platform/os/) includes nothing above itself;
#   - only platform/os/ includes SDL or POSIX headers.
# tools/, tests/ and bench/ sit on top and are not checked.
# Usage: schichten_pruefen.sh [SOURCE_ROOT]; exit 1 and one line per breach when a rule breaks.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

game='(toolkit|database|competitions|gameflow|match|matchview|network|economy|screens)/'
system='(SDL[^>]*|unistd\.h|fcntl\.h|signal\.h|pthread\.h|dirent\.h|poll\.h|netdb\.h|pwd\.h|ucontext\.h|dlfcn\.h|termios\.h|semaphore\.h|spawn\.h|sys/[^>]*|netinet/[^>]*|arpa/[^>]*)'
fehler=0

quellen() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort; }

melde() {  # file pattern text
    local treffer
    treffer=$(grep -n -P "$2" "$1" 2>/dev/null) || return 0
    while IFS= read -r zeile; do
        echo "$1:$zeile: $3"
        fehler=1
    done <<<"$treffer"
}

for f in $(quellen platform graphics); do
    melde "$f" "^\\s*#\\s*include\\s*\"$game" "the engine includes a header of the game"
done
for f in $(quellen platform/os); do
    melde "$f" '^\s*#\s*include\s*"(?!platform/os/)' \
        "the operating-system layer includes a header above it"
done
for f in $(quellen platform graphics toolkit database competitions gameflow match matchview network economy screens); do
    case "$f" in platform/os/*) continue ;; esac
    melde "$f" "^\\s*#\\s*include\\s*<$system>" \
        "SDL or POSIX header outside the operating-system layer"
done
exit $fehler
