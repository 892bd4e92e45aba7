#!/bin/sh
# Preview sheet of a generated skin: every bitmap enlarged three times on
# a grey ground, labelled with its file name. Needs Debian's ImageMagick.
#   tools/skingen/preview.sh SKIN_DIR OUT.png
set -eu
dir=$1
out=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for f in "$dir"/*.bmp; do
  name=$(basename "$f" .bmp)
  /usr/bin/convert "$f" -filter point -resize 300% "$tmp/$name.png"
done
/usr/bin/montage -label '%t' -font DejaVu-Sans -pointsize 11 -background '#d0d4d8' \
  -geometry '+8+8' -tile 4x "$tmp"/*.png "$out"
