#!/bin/sh
# Preview sheets of the generated skin, for looking at the art (needs
# Debian's ImageMagick and the WenQuanYi font):
#   tools/skingen/preview.sh SKINGEN OUT_DIR
# writes OUT_DIR/mockup.png (two sample windows drawn from the skin) and
# OUT_DIR/sheet.png (every bitmap enlarged three times, with its name).
set -eu
skingen=$1
out=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"
"$skingen" skin "$tmp/skin"
"$skingen" mockup "$tmp/mockup.bmp"
cjk=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
/usr/bin/convert "$tmp/mockup.bmp" -font "$cjk" -pointsize 12 \
  -fill white -annotate +48+35 'Tapvane - 多功能版' \
  -fill '#eceff4' -annotate +388+35 'Tapvane - 多功能版' \
  -filter point -resize 200% "$out/mockup.png"
tiles=""
for f in "$tmp"/skin/*.bmp; do
  name=$(basename "$f" .bmp)
  /usr/bin/convert "$f" -filter point -resize 300% -bordercolor '#d0d4d8' -border 6 \
    \( -size 200x16 -background '#d0d4d8' -fill '#203040' -font DejaVu-Sans -pointsize 11 \
       label:"$name" \) +swap -gravity west -background '#d0d4d8' -append "$tmp/$name.png"
  tiles="$tiles $tmp/$name.png"
done
# shellcheck disable=SC2086
/usr/bin/convert $tiles -background '#d0d4d8' -gravity west -append "$tmp/column.png"
/usr/bin/convert "$tmp/column.png" -crop 1x2@ +repage "$tmp/half-%d.png"
/usr/bin/convert "$tmp/half-0.png" "$tmp/half-1.png" -background '#d0d4d8' -gravity north +append "$out/sheet.png"
