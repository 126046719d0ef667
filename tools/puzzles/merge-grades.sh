#!/bin/sh
# Merges files of hand-graded links ("FIRST SECOND GOOD|WEAK|BAD [reason]")
# into graded.txt: one line a link, sorted, words upper case. Malformed lines
# are shown on stderr and left out.
#
#   tools/puzzles/merge-grades.sh OUT FILE... [--regrade FILE]
#                                 [--review FILE...] [--new FILE...]
#
# - FILE: first grades. A link graded more than once keeps the strictest
#   verdict (BAD over WEAK over GOOD), as the rubric says to choose the
#   stricter one in doubt.
# - --regrade: an independent grader's second look at a sample. Its verdict
#   counts like a first grade; a link it grades stricter than the first
#   graders did is marked as demoted.
# - --review: a calibrated second look at chosen links. Its verdict replaces
#   the earlier one, except that a demoted link never becomes GOOD again.
# - --new: links graded for the first time. A link graded already keeps its
#   earlier verdict.
#
# OUT may also be among the inputs, to add newly graded links to it. Files
# named after --regrade, --review or --new that do not exist (yet) are
# skipped, so grades still being written can be merged as they arrive.
set -e
usage() { echo "usage: merge-grades.sh OUT FILE... [--regrade FILE] [--review FILE...] [--new FILE...]" >&2; exit 2; }
[ $# -ge 2 ] || usage
out=$1
shift
plain=""; regrade=""; review=""; new=""; mode=plain
for arg in "$@"; do
    case $arg in
    --regrade | --review | --new) mode=${arg#--} ;;
    *)
        if [ "$mode" != plain ] && [ ! -f "$arg" ]; then
            echo "merge-grades: skipped, not there yet: $arg" >&2
            continue
        fi
        [ -f "$arg" ] || { echo "merge-grades: no such file: $arg" >&2; exit 1; }
        case $mode in
        plain) plain="$plain $arg" ;;
        regrade) regrade="$regrade $arg" ;;
        review) review="$review $arg" ;;
        new) new="$new $arg" ;;
        esac
        ;;
    esac
done
[ -n "$plain" ] || usage
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
# The files are read in this order, each group after the one before, so a
# review or a new grade is weighed against every first grade.
# shellcheck disable=SC2086
LC_ALL=C awk '
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
        text = key " " verdict (reason == "" ? "" : " " reason)
    }
    mode == "plain" || mode == "regrade" {
        if (mode == "regrade" && (key in best) && rank > best[key])
            demoted[key] = 1
        if (rank > best[key]) { best[key] = rank; line[key] = text }
        next
    }
    mode == "review" {
        if (rank == 1 && (key in demoted))
            next
        if (rank > reviewBest[key]) { reviewBest[key] = rank; reviewLine[key] = text }
        next
    }
    mode == "new" {
        if (rank > newBest[key]) { newBest[key] = rank; newLine[key] = text }
        next
    }
    END {
        for (k in reviewLine)
            line[k] = reviewLine[k]
        for (k in newLine)
            if (!(k in line))
                line[k] = newLine[k]
        for (k in line)
            print line[k]
    }' mode=plain $plain mode=regrade $regrade mode=review $review mode=new $new \
    | LC_ALL=C sort > "$tmp"
{
    echo "# Links graded by hand with RUBRIC.md: FIRST SECOND VERDICT [reason]."
    echo "# GOOD links stand in a chain first, WEAK ones only where GOOD ones"
    echo "# run short (see README.md); GOOD and WEAK links both count as"
    echo "# answers a player might give. Sorted; merge new grades with"
    echo "# merge-grades.sh."
    cat "$tmp"
} > "$out"
