#!/usr/bin/env bash
# Checks that no full expression makes two random draws. C++ leaves the order of the operands of
# most operators and of the arguments of one call to the compiler, so in
#     if (Zufall(0, 5) > Zufall(0, 2)) ...     f(Zufall(0, 4), Zufall(0, 3));
# another compiler or optimisation level draws in another order and the server and its clients
# compute different matches. Every draw is a statement of its own or initialises a named local.
#
# A draw is a call of Zufall, Zufall_Gross, Zufall_2, any other Zufall_ routine (they all read or
# move the sequence), any module's own generator named X_Zufall or X_Zufall_Y (the bank's
# Bank_Zufall_Zwischen, ...) or one of the Mischen_ shuffles. A full expression ends at ';', at a brace
# that opens or closes a block or lambda body, at a comma outside brackets (declarators and the
# comma operator are sequenced) and at the ')' that closes an if/while/for/switch head.
# Comments, strings and preprocessor lines are ignored. Routines that draw inside (a lambda, a
# helper) are not followed: keep them out of expressions that draw as well.
#
# Usage: zufall_pruefen.sh [SOURCE_ROOT]; exit 1 and one line per breach.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

ordner="platform graphics toolkit database competitions gameflow match matchview network economy
        screens tools bench tests"
dateien=$(for o in $ordner; do
              [ -d "$o" ] && find "$o" -type f \( -name '*.cpp' -o -name '*.h' \)
          done | sort)
[ -n "$dateien" ] || { echo "zufall_pruefen: keine Quellen unter $root" >&2; exit 2; }

# shellcheck disable=SC2086
exec perl -e '
use strict;
use warnings;
my $fehler = 0;
my $ziehung = qr/^(?:(?:\w+_)?Zufall(?:_\w+)?|Mischen_(?:Dword|Byte|Paare))$/;

for my $datei (@ARGV) {
    open(my $fh, "<", $datei) or die "$datei: $!\n";
    local $/;
    my $text = <$fh>;
    close $fh;

    # Blank out comments, strings, character literals and preprocessor lines, keeping the
    # newlines so that line numbers stay right.
    $text =~ s{ ( //[^\n]* | /\*.*?\*/ | "(?:\\.|[^"\\\n])*" | \x27(?:\\.|[^\x27\\\n])*\x27
                | ^[ \t]*\#(?:[^\n]*\\\n)*[^\n]* ) }
              { (my $t = $1) =~ s/[^\n]/ /g; $t }gmsex;

    # One frame per block or lambda body: its open brackets, the draws of the current
    # expression and where it began, the bracket depths that close a statement head.
    my @frames = ({ tiefe => 0, zuege => [], koepfe => [] });
    my @klammern;           # per "{": "block" or "liste"
    my $zeile = 1;
    my $vorher = "";        # last token
    my $vor_vorher = "";

    my $ende = sub {
        my $f = $frames[-1];
        if (@{ $f->{zuege} } > 1) {
            my @z = @{ $f->{zuege} };
            printf "%s:%d: %d draws in one expression (%s): draw into named locals first\n",
                $datei, $z[0][1], scalar @z, join(", ", map { $_->[0] } @z);
            $fehler = 1;
        }
        $f->{zuege} = [];
    };

    while ($text =~ /\G(?:(\n)|([ \t\r]+)|([A-Za-z_]\w*)|(\d[\w.]*)|(->|::|.))/gcs) {
        if (defined $1) { ++$zeile; next; }
        next if defined $2;
        my $f = $frames[-1];
        if (defined $3) {
            my $wort = $3;
            if ($wort =~ $ziehung) {
                # A call: the next non-blank character is "(".
                my $rest = substr($text, pos($text));
                push @{ $f->{zuege} }, [$wort, $zeile] if $rest =~ /^\s*\(/;
            }
            ($vor_vorher, $vorher) = ($vorher, $wort);
            next;
        }
        if (defined $4) { ($vor_vorher, $vorher) = ($vorher, $4); next; }
        my $z = $5;
        if ($z eq "(" || $z eq "[") {
            ++$f->{tiefe};
            push @{ $f->{koepfe} }, $f->{tiefe}
                if $z eq "(" && ($vorher =~ /^(?:if|while|for|switch)$/
                                 || ($vorher eq "constexpr" && $vor_vorher eq "if"));
        } elsif ($z eq ")" || $z eq "]") {
            if ($z eq ")" && @{ $f->{koepfe} } && $f->{koepfe}[-1] == $f->{tiefe}) {
                pop @{ $f->{koepfe} };
                $ende->();
            }
            --$f->{tiefe} if $f->{tiefe} > 0;
        } elsif ($z eq ";") {
            $ende->();
        } elsif ($z eq ",") {
            $ende->() if $f->{tiefe} == 0;
        } elsif ($z eq "{") {
            # Inside brackets a brace is a lambda body (after "]", ")" or "mutable") or a
            # braced list, which belongs to the expression around it.
            if ($f->{tiefe} > 0 && !($vorher eq "]" || $vorher eq ")" || $vorher eq "mutable")) {
                ++$f->{tiefe};
                push @klammern, "liste";
            } else {
                $ende->() if $f->{tiefe} == 0;
                push @klammern, "block";
                push @frames, { tiefe => 0, zuege => [], koepfe => [] };
            }
        } elsif ($z eq "}") {
            my $art = pop(@klammern) // "block";
            if ($art eq "liste") {
                --$f->{tiefe} if $f->{tiefe} > 0;
            } else {
                $ende->();
                pop @frames if @frames > 1;
            }
        }
        ($vor_vorher, $vorher) = ($vorher, $z);
    }
    while (1) {
        $ende->();
        last if @frames == 1;
        pop @frames;
    }
}
exit $fehler;
' $dateien
