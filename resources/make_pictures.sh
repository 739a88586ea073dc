#!/usr/bin/env bash
# Draws the program's pictures (our own artwork) into pictures/ and the application icon into orvanta.ico.
# Needs ImageMagick and fonts-wqy-microhei. The results are committed; run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
out=pictures
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
mkdir -p "$out"

# 32-bit RGBA PNGs, whatever ImageMagick would otherwise choose for a picture of few colours.
png() { convert "${@:1:$#-1}" -strip "PNG32:${!#}"; }

# The glyphs of the title-bar buttons, 29 x 29, drawn without antialiasing so their colours are exact.
menu_glyph='rectangle 8,9 20,10 rectangle 8,14 20,15 rectangle 8,19 20,20'
minimise_glyph='rectangle 8,14 20,15'
# One path for both strokes of the cross, so the pixels where they meet are filled once.
close_glyph='path "M 8,9 L 9,8 L 20,19 L 19,20 Z M 8,19 L 9,20 L 20,9 L 19,8 Z"'
glyph_button() { # name glyph hover-rgb pressed-rgb
    png -size 29x29 xc:none +antialias -fill 'rgba(255,255,255,0.6)' -stroke none -draw "$2" "$out/$1_normal.png"
    png -size 29x29 "xc:rgb($3)" +antialias -fill white -stroke none -draw "$2" "$out/$1_hover.png"
    png -size 29x29 "xc:rgb($4)" +antialias -fill white -stroke none -draw "$2" "$out/$1_pressed.png"
}
glyph_button menu "$menu_glyph" 61,194,52 0,173,65
glyph_button minimise "$minimise_glyph" 61,194,52 0,173,65
glyph_button close "$close_glyph" 212,64,39 189,56,34

# The corner badge: an orange triangle over the upper-left half with a white caption on its diagonal.
png -size 50x50 xc:none +antialias -fill 'rgb(255,153,53)' -draw 'polygon 0,0 49,0 0,49' \
    \( -size 50x14 xc:none -font DejaVu-Sans-Bold -pointsize 10 -fill white -gravity center -annotate 0 'PDF' \
       -background none -rotate -45 \) -gravity center -geometry -9-9 -composite "$out/badge.png"

# The notice's OK button, 80 x 26, and its icon, 16 x 16.
ok_button() { # name background-rgb
    png -size 80x26 "xc:rgb($2)" -font "$font" -pointsize 12 -fill white -gravity center -annotate 0 '确定' "$out/$1.png"
}
ok_button ok_normal 0,194,73
ok_button ok_hover 0,173,65
png "$out/ok_normal.png" -alpha set -channel A -evaluate set 60% +channel "$out/ok_pressed.png"
png -size 16x16 xc:none -fill 'rgb(74,151,255)' -draw 'circle 7.5,7.5 7.5,0.2' +antialias -fill white \
    -draw 'rectangle 7,3 8,9 rectangle 7,11 8,12' "$out/notice_icon.png"

# The application icon: one 128 x 128 image of 32 bits per pixel.
convert -size 128x128 xc:none -fill 'rgb(26,36,53)' -draw 'roundrectangle 4,4 123,123 20,20' \
    -fill 'rgb(255,153,53)' -draw 'polygon 4,4 96,4 4,96' \
    -font DejaVu-Sans-Bold -pointsize 40 -fill white -gravity center -annotate +14+14 'W' \
    -alpha on -define icon:auto-resize=128 orvanta.ico
