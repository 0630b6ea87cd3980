#!/bin/sh
# Contact sheets of the menu pictures for review, at 2x scale (needs ImageMagick):
#   contact_sheets.sh PROGRAM_FOLDER OUT_FOLDER
# writes sheet-cz.png and sheet-ang.png (all pages of a language) and sheet.png (background,
# a mock-up of the main menu, overlays, back-button frames and built-in pictures).
set -eu
prog=$1
out=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"
gfx=$prog/gfx

scaled() {  # scaled SOURCE LABEL: a 2x copy of a picture with its label, numbered in order
  n=$(($(ls "$tmp" | wc -l) + 1))
  convert "$1" -scale 200% -set label "$2" "$tmp/$(printf %03d "$n").png"
}
sheet() {  # sheet COLUMNS OUT
  montage "$tmp"/*.png -tile "$1"x -geometry +8+8 -background '#303030' -fill white \
    -pointsize 14 "$2"
  rm -f "$tmp"/*.png
}
strip() {  # strip OUT: the pictures side by side, each at its own size
  montage "$tmp"/*.png -mode concatenate -tile x1 -geometry +8+8 -background '#303030' \
    -fill white -pointsize 14 "$1"
  rm -f "$tmp"/*.png
}

for lang in cz ang; do
  for page in 0 1 2 4 5 6 7 8 9 10 11 12 13 14 15 16 vyuka; do
    scaled "$gfx/menu/$lang/$page.bmp" "$lang/$page.bmp"
  done
  for lock in cham kold; do scaled "$gfx/menu/$lang/$lock.bmp" "$lang/$lock.bmp"; done
  sheet 6 "$out/sheet-$lang.png"
done

convert "$gfx/menu/back.bmp" "$gfx/menu/cz/0.bmp" -geometry +100+100 -composite \
  \( "$gfx/menu/back.bmp" -crop 200x345+0+0 +repage \) -geometry +440+96 -composite \
  "$gfx/back3.bmp" -geometry +16+456 -composite "$tmp/mockup.bmp"
scaled "$gfx/menu/back.bmp" back.bmp
scaled "$tmp/mockup.bmp" "main menu (mock-up)"
sheet 2 "$tmp/top.png.keep"
for lock in vip por fer tru; do scaled "$gfx/menu/cz/$lock.bmp" "cz/$lock.bmp"; done
for i in 0 1 2 3; do scaled "$gfx/back$i.bmp" "back$i.bmp"; done
strip "$tmp/middle.png.keep"
for b in Picture1 Picture6 Picture4 Picture5 Image3 Image4; do
  scaled "$gfx/builtin/menu/$b.bmp" "$b"
done
convert "$gfx/builtin/menu/Picture8.bmp" -crop 155x300+0+0 +repage "$tmp/p8.bmp"
scaled "$tmp/p8.bmp" "Picture8 (top)"
strip "$tmp/bottom.png.keep"
convert "$tmp/top.png.keep" "$tmp/middle.png.keep" "$tmp/bottom.png.keep" -background '#303030' -gravity center \
  -append "$out/sheet.png"
