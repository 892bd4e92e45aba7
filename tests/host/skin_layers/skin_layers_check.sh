#!/bin/sh
# The skin folders are a one-way stack: a folder may include its own files
# and those of folders below it, never one above, and its libraries link only
# libraries of folders below it. Every #include of a skin path and every
# target_link_libraries in SKIN_DIR is checked; each one that reaches up is
# named with its file and line, and so is a folder missing from the stack.
#
#   skin_layers_check.sh SKIN_DIR
set -eu
skin_dir=${1:?usage: skin_layers_check.sh SKIN_DIR}
[ -d "$skin_dir" ] || { echo "skin layers: no folder $skin_dir" >&2; exit 2; }

# Lowest first.
stack="read draw data core controls form manage"

# Both checks below start with the stack's ranks and a file's folder.
ranks='
  BEGIN {
    n = split(stack, names, " ")
    for (i = 1; i <= n; i++) rank[names[i]] = i
  }
  # The folder under the skin root a file sits in.
  function owner(path,    rest) {
    rest = substr(path, length(root) + 2)
    return substr(rest, 1, index(rest, "/") - 1)
  }
'

status=0
for folder_path in "$skin_dir"/*/; do
  folder=$(basename "$folder_path")
  case " $stack " in
    *" $folder "*) ;;
    *) echo "skin layers: $skin_dir/$folder has no place in the stack ($stack)"; status=1 ;;
  esac
done

find "$skin_dir" -type f \( -name '*.h' -o -name '*.cpp' \) | sort >"${TMPDIR:-/tmp}/skin_layers.$$"
trap 'rm -f "${TMPDIR:-/tmp}/skin_layers.$$"' EXIT
if ! awk -v stack="$stack" -v root="$skin_dir" "$ranks"'
  {
    file = $0
    own = owner(file)
    line = 0
    while ((getline text < file) > 0) {
      line++
      if (text !~ /^[ \t]*#[ \t]*include[ \t]*["<]/) continue
      target = text
      sub(/^[ \t]*#[ \t]*include[ \t]*["<]/, "", target)
      sub(/[">].*$/, "", target)
      # skin/FOLDER/... or ../FOLDER/...: the folder is the second part.
      if (target !~ /^(skin\/|\.\.\/[A-Za-z])/) continue
      split(target, part, "/")
      used = part[2]
      if (!(used in rank)) {
        printf "%s:%d: includes %s, from a folder that has no place in the stack\n", file, line, target
        bad = 1
      } else if ((own in rank) && rank[used] > rank[own]) {
        printf "%s:%d: %s includes %s, which sits above it\n", file, line, own, target
        bad = 1
      }
    }
    close(file)
  }
  END { exit bad }
' "${TMPDIR:-/tmp}/skin_layers.$$"; then
  status=1
fi

# Libraries: which folder defines each, then what each folder's libraries link.
find "$skin_dir" -name CMakeLists.txt | sort >"${TMPDIR:-/tmp}/skin_layers.$$"
if ! awk -v stack="$stack" -v root="$skin_dir" "$ranks"'
  { files[++count] = $0 }
  END {
    for (f = 1; f <= count; f++) {
      while ((getline text < files[f]) > 0) {
        if (match(text, /add_library\([A-Za-z0-9_]+/)) {
          name = substr(text, RSTART + 12, RLENGTH - 12)
          home[name] = owner(files[f])
        }
      }
      close(files[f])
    }
    for (f = 1; f <= count; f++) {
      own = owner(files[f])
      line = 0
      open = 0
      while ((getline text < files[f]) > 0) {
        line++
        if (!open && text ~ /target_link_libraries\(/) {
          open = 1
          start = line
          words = ""
          sub(/.*target_link_libraries\(/, "", text)
        }
        if (!open) continue
        closing = index(text, ")") > 0
        sub(/\).*/, "", text)
        words = words " " text
        if (!closing) continue
        open = 0
        m = split(words, word, /[ \t]+/)
        for (w = 1; w <= m; w++) {
          used = word[w]
          if (!(used in home) || !(own in rank) || !(home[used] in rank)) continue
          if (rank[home[used]] > rank[own]) {
            printf "%s:%d: %s links %s of %s, which sits above it\n", files[f], start, own, used, home[used]
            bad = 1
          }
        }
      }
      close(files[f])
    }
    exit bad
  }
' "${TMPDIR:-/tmp}/skin_layers.$$"; then
  status=1
fi
[ "$status" -eq 0 ] && echo "skin layers: every include and link goes down the stack ($stack)"
exit "$status"
