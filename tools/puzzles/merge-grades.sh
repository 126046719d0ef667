#!/bin/sh
# Merges files of hand-graded links ("FIRST SECOND GOOD|WEAK|BAD [reason]")
# into graded.txt: one line a link, sorted, words upper case. A link graded
# more than once keeps the strictest verdict (BAD over WEAK over GOOD), as
# the rubric says to choose the stricter one in doubt. Malformed lines are
# shown on stderr and left out.
#
#   tools/puzzles/merge-grades.sh OUT FILE...
#
# OUT may also be among the inputs, to add newly graded links to it.
set -e
[ $# -ge 2 ] || { echo "usage: merge-grades.sh OUT FILE..." >&2; exit 2; }
out=$1
shift
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
cat "$@" | LC_ALL=C awk '
    /^#/ || NF == 0 { next }
    {
        first = toupper($1); second = toupper($2); verdict = toupper($3)
        rank = verdict == "GOOD" ? 1 : verdict == "WEAK" ? 2 : verdict == "BAD" ? 3 : 0
        reason = ""
        for (i = 4; i <= NF; ++i)
            reason = reason (i > 4 ? " " : "") $i
        if (rank == 0 || first !~ /^[A-Z]+$/ || second !~ /^[A-Z]+$/ || (rank > 1 && reason == "")) {
            print "merge-grades: left out: " $0 > "/dev/stderr"
            next
        }
        key = first " " second
        if (rank > best[key]) {
            best[key] = rank
            line[key] = key " " verdict (reason == "" ? "" : " " reason)
        }
    }
    END { for (k in line) print line[k] }' | LC_ALL=C sort > "$tmp"
{
    echo "# Links graded by hand with RUBRIC.md: FIRST SECOND VERDICT [reason]."
    echo "# Only GOOD links stand in a chain; GOOD and WEAK links count as"
    echo "# answers a player might give. Sorted; merge new grades with"
    echo "# merge-grades.sh, which keeps the strictest verdict of a link."
    cat "$tmp"
} > "$out"
