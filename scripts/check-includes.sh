#!/bin/sh
# Checks the include graph between the product's folders: a core folder
# includes no Qt header and no user-interface folder, and no two folders
# include each other, directly or round a longer circle. Prints the graph.
# Usage: scripts/check-includes.sh [source folder]
set -eu
ROOT=${1:-$(dirname "$0")/..}
cd "$ROOT"

CORE="game players"
UI="ui resources media help playerwindows app"
status=0

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

for from in $CORE $UI; do
  [ -d "$from" ] || { echo "missing folder $from"; status=1; continue; }
  for file in $(find "$from" -name '*.h' -o -name '*.cpp' | sort); do
    # Quoted includes name their folder first: #include "game/Outcome.h".
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^/"]*\)\/.*".*/\1/p' "$file" |
      while read -r to; do
        [ "$to" = "$from" ] || echo "$from $to $file"
      done >>"$edges"
  done
done

for from in $CORE; do
  qt=$(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$from" || true)
  if [ -n "$qt" ]; then
    echo "core folder $from includes Qt in: $qt"
    status=1
  fi
  for to in $(awk -v f="$from" '$1 == f { print $2 }' "$edges" | sort -u); do
    case " $CORE " in
      *" $to "*) ;;
      *) echo "core folder $from includes the user-interface folder $to:"
         awk -v f="$from" -v t="$to" '$1 == f && $2 == t { print "  " $3 }' "$edges"
         status=1 ;;
    esac
  done
done

echo "Folder include graph (folder -> folders it includes):"
for from in $CORE $UI; do
  echo "  $from -> $(awk -v f="$from" '$1 == f { print $2 }' "$edges" | sort -u | tr '\n' ' ')"
done

# tsort names a loop when there is one; every folder is listed so that
# folders without includes take part too.
if ! { awk '{ print $2, $1 }' "$edges" | sort -u; for f in $CORE $UI; do echo "$f $f"; done; } |
     tsort >/dev/null 2>"$edges.loop"; then
  echo "Include cycle between folders:"
  cat "$edges.loop"
  status=1
fi
rm -f "$edges.loop"
exit $status
