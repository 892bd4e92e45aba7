#!/usr/bin/env bash
# Rasterises every Chinese character of the strings file outside Wine, with
# ImageMagick, from the font file fontconfig gives for the face Wine draws
# 宋体 with: one 8-bit grey PGM per character (U+XXXX.pgm), black on white,
# pen at the left end of the baseline. Also writes font-file.txt, the file
# used, so that the Windows side can check it draws from the same bytes.
#   render-reference.sh STRINGS OUTDIR PIXELS CANVAS PEN_X PEN_Y
set -euo pipefail
strings=$1 out=$2 pixels=$3 canvas=$4 pen_x=$5 pen_y=$6
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
face="$("$root/scripts/wine.sh" song-face)"
read -r font index < <(fc-match -f '%{file} %{index}\n' "$face")
# fontconfig falls back to any face rather than fail: make sure it found ours.
# ImageMagick draws with the first face of a collection; the faces of one
# file share the outlines of its Chinese characters, which are compared.
if ! fc-query -i "$index" -f '%{family}\n' "$font" | tr ',' '\n' | grep -qxF -- "$face"; then
  echo "render-reference.sh: no font file with '$face' (got $font, face $index)" >&2
  exit 1
fi
rm -rf "$out"
mkdir -p "$out"
printf '%s\n' "$font" >"$out/font-file.txt"
export LC_ALL=C.UTF-8
while IFS= read -r line; do
  for ((i = 0; i < ${#line}; i++)); do
    char=${line:i:1}
    name=$(printf 'U+%04X' "'$char")
    # Chinese characters only: the Mono face sets Latin ones in other cells.
    [[ $name < U+0080 ]] && continue
    [ -e "$out/$name.pgm" ] && continue
    # 72 dpi, so that the point size is the pixel size; +X+Y is the baseline.
    convert -size "${canvas}x$canvas" xc:white -font "$font" -density 72 -pointsize "$pixels" \
      -fill black -annotate "+$pen_x+$pen_y" "$char" -depth 8 "PGM:$out/$name.pgm"
  done
done <"$strings"
echo "render-reference.sh: $(ls "$out"/*.pgm | wc -l) characters from $font"
