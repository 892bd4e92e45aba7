#!/bin/sh
# skinpack as a skin author uses it: pack, list, unpack, the raw stream
# commands, and refusals that must fail loudly and write nothing.
set -eu
tool=$1
work=$2
rm -rf "$work"
mkdir -p "$work/src"
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }
# Runs the tool and expects a failure with a message and no output file.
refused() {
  out=$1; shift
  if "$tool" "$@" 2>err.txt; then fail "accepted: $*"; fi
  [ -s err.txt ] || fail "no message for: $*"
  [ ! -e "$out" ] || fail "$out written by: $*"
  dir=$(dirname "$out")
  if [ -d "$dir" ] && ls "$dir" | grep -q '\.tmp'; then fail "temporary file left by: $*"; fi
  return 0
}

printf '[Form]\r\nImage=b_frame.bmp\r\n' > src/skin.ini
for name in c_button a_title b_frame; do
  { printf 'BM'; head -c 3000 /dev/urandom; head -c 5000 /dev/zero; } > "src/$name.bmp"
done
{ printf 'BM'; } > src/d_tiny.bmp

"$tool" pack src skin.pkg > /dev/null
"$tool" list skin.pkg > list.txt
# The ini first, then the bitmaps by name, each with its size.
awk 'NR > 1 { print $2 }' list.txt | tr '\n' ' ' > order.txt
[ "$(cat order.txt)" = "skin.ini a_title.bmp b_frame.bmp c_button.bmp d_tiny.bmp " ] ||
  fail "order: $(cat order.txt)"
grep -q '^ *8002  a_title.bmp$' list.txt || fail "sizes: $(cat list.txt)"
"$tool" unpack skin.pkg out > /dev/null
diff -r src out || fail "unpacked files differ"
# Into an existing folder: files are replaced, others are left alone.
echo keep > out/keep.txt && echo old > out/skin.ini
"$tool" unpack skin.pkg out > /dev/null
cmp src/skin.ini out/skin.ini && [ "$(cat out/keep.txt)" = keep ] || fail "unpack into a folder"
[ -z "$(ls -a . | grep '\.tmp')" ] || fail "temporary folder left: $(ls -a .)"
# Packing is deterministic.
"$tool" pack src again.pkg > /dev/null
cmp skin.pkg again.pkg || fail "two packs differ"

"$tool" compress src/a_title.bmp raw.lzh
"$tool" expand raw.lzh raw.out
cmp src/a_title.bmp raw.out || fail "raw round trip"
: > empty
"$tool" compress empty empty.lzh
[ "$(od -An -tx1 empty.lzh | tr -d ' \n')" = "00000000" ] || fail "empty stream"
"$tool" expand empty.lzh empty.out
[ ! -s empty.out ] || fail "empty expand"

mkdir noini && cp src/a_title.bmp noini/
refused noini.pkg pack noini noini.pkg
mkdir twoini && cp src/skin.ini twoini/ && cp src/skin.ini twoini/other.ini
refused twoini.pkg pack twoini twoini.pkg
mkdir stray && cp src/* stray/ && echo hi > stray/readme.txt
refused stray.pkg pack stray stray.pkg
mkdir notbmp && cp src/skin.ini notbmp/ && echo hi > notbmp/x.bmp
refused notbmp.pkg pack notbmp notbmp.pkg
refused missing.pkg pack does-not-exist missing.pkg
refused garbage.out expand src/skin.ini garbage.out
refused x.out expand does-not-exist x.out
head -c 3 src/skin.ini > short
refused short.out expand short short.out
refused garbage-dir/x unpack src/skin.ini garbage-dir
refused garbage-dir/x list src/skin.ini

# A package of an old version is refused with its message.
{ printf '\020\047\000\000\000\000\000\000\000\000\000\000\000\000\000\000'; } > old.bin
"$tool" compress old.bin old.pkg
refused old-dir/x unpack old.pkg old-dir
grep -q 'This is Older Skin File Please update to new version !' err.txt || fail "old: $(cat err.txt)"

# Entry names that would leave the target folder are refused before writing.
names='../evil\r\n'
{ printf '\140\352\000\000\011\000\000\000\000\000\000\000\000\000\000\000'
  head -c 117 /dev/zero; printf "$names"; printf '\002\000\000\000hi'; } > evil.bin
"$tool" compress evil.bin evil.pkg
"$tool" list evil.pkg | grep -q '\.\./evil' || fail "list of evil"
refused evil-dir/x unpack evil.pkg evil-dir
[ ! -e evil ] && [ ! -e evil-dir ] || fail "escaped the target folder or created it"

[ "$("$tool" 2>&1 >/dev/null; echo $?)" != 0 ] || fail "no usage error"
"$tool" frobnicate a b 2> /dev/null && fail "unknown command accepted"
echo "skinpack: all checks passed"
