#!/bin/sh
# No include circle in the toolkit: a unit (a header and its .cpp, named by
# the path without extension) may not reach itself again through the
# toolkit headers that it and its .cpp include. Each include on a circle is
# named with its file and line.
#
#   toolkit_circles_check.sh SOURCE_ROOT
set -eu
root=${1:?usage: toolkit_circles_check.sh SOURCE_ROOT}
[ -d "$root/toolkit" ] || { echo "toolkit circles: no folder $root/toolkit" >&2; exit 2; }

# Units that are one unit kept in two files, so count as one: a control's
# parent is a windowed control and a windowed control holds controls; the
# bitmap resizes through its pixel functions, which work on bitmaps.
together="toolkit/controls/Controls=toolkit/controls/WinControl
toolkit/graphics/Bitmap=toolkit/graphics/BitmapPixels"

list="${TMPDIR:-/tmp}/toolkit_circles.$$"
trap 'rm -f "$list"' EXIT
find "$root/toolkit" -type f \( -name '*.h' -o -name '*.cpp' \) | sort >"$list"

awk -v root="$root" -v together="$together" '
  function unit(path) {
    sub(/\.(h|cpp)$/, "", path)
    return (path in alias) ? alias[path] : path
  }
  BEGIN {
    n = split(together, pairs, "\n")
    for (i = 1; i <= n; i++) {
      split(pairs[i], half, "=")
      alias[half[1]] = half[1] "+" half[2]
      alias[half[2]] = half[1] "+" half[2]
    }
  }
  {
    file = $0
    rel = substr(file, length(root) + 2)
    dir = rel
    sub(/\/[^\/]*$/, "", dir)
    from = unit(rel)
    node[from] = 1
    line = 0
    while ((getline text < file) > 0) {
      line++
      if (text !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
      target = text
      sub(/^[ \t]*#[ \t]*include[ \t]*"/, "", target)
      sub(/".*$/, "", target)
      if (target !~ /^toolkit\//) target = dir "/" target
      to = unit(target)
      if (to == from || (from SUBSEP to) in edge) continue
      edge[from, to] = file ":" line ": " from " includes " target
    }
    close(file)
  }
  END {
    # Take away units that lead nowhere or that nothing leads to, until
    # none is left: what remains lies on a circle.
    do {
      changed = 0
      for (u in node) { out[u] = 0; in_[u] = 0 }
      for (e in edge) {
        split(e, end, SUBSEP)
        if ((end[1] in node) && (end[2] in node)) { out[end[1]]++; in_[end[2]]++ }
      }
      for (u in node) if (!out[u] || !in_[u]) { delete node[u]; changed = 1 }
    } while (changed)
    bad = 0
    for (e in edge) {
      split(e, end, SUBSEP)
      if ((end[1] in node) && (end[2] in node)) { print edge[e]; bad = 1 }
    }
    exit bad
  }
' "$list" | sort >"$list.out" || true
trap 'rm -f "$list" "$list.out"' EXIT
if [ -s "$list.out" ]; then
  echo "toolkit circles: these includes close a circle"
  cat "$list.out"
  exit 1
fi
echo "toolkit circles: no unit of the toolkit reaches itself through its includes"
