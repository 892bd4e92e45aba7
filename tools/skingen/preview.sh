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
# Sample texts at the places the mockup leaves for them (9 points = 12 px).
label() {
  x=$1
  printf '%s' "-fill $2 -annotate +$((x + 40))+30 Tapvane·多功能版 \
    -fill #1e2630 -annotate +$((x + 16))+61 点击设置 -fill #54606e -annotate +$((x + 92))+61 关于 \
    -fill #1e2630 -annotate +$((x + 27))+97 开始 -annotate +$((x + 77))+97 停止 -annotate +$((x + 127))+97 添加 \
    -fill #96a0ac -annotate +$((x + 177))+97 删除 -fill #1e2630 -annotate +$((x + 227))+97 确定"
}
# shellcheck disable=SC2046
/usr/bin/convert "$tmp/mockup.bmp" -font "$cjk" -pointsize 12 $(label 10 '#ffffff') $(label 350 '#626c78') \
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
