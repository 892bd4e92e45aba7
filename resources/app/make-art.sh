#!/bin/sh
# Remakes the window icon (tapvane.ico) and the banner (banner.jpg) next to
# this script. skingen draws the icon and the banner's picture; Debian's
# ImageMagick sets the banner's text and writes the JPEG. Both results are
# committed, so the build itself needs neither.
#   resources/app/make-art.sh [PATH_TO_SKINGEN]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
skingen=${1:-$root/build/host/bin/skingen}
latin=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
cjk=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$skingen" icon "$here/tapvane.ico"
"$skingen" banner-base "$tmp/base.bmp"
/usr/bin/convert "$tmp/base.bmp" \
  -font "$latin" -pointsize 30 -fill '#1c2c3e' -annotate +23+45 'Tapvane' \
  -fill '#ffffff' -annotate +22+44 'Tapvane' \
  -font "$cjk" -pointsize 14 -fill '#cfe0f4' -annotate +24+67 '多功能版 · 定点自动点击' \
  -strip -sampling-factor 2x2 -define jpeg:dct-method=islow -quality 92 "$here/banner.jpg"
