#!/usr/bin/env bash
# make-artwork.sh - draw the application's artwork from scratch.
#
# Every picture is built purely from ImageMagick draw primitives
# (rectangles, circles, ellipses, polygons, lines).  Each image is drawn
# at a multiple of its final size and then box-filtered down, which gives
# smooth anti-aliased edges.  Output goes to resources/artwork/.
#
# The script is idempotent: running it again simply rewrites the same
# files.  Date/time chunks are excluded so the output is reproducible.
#
# Usage: tools/make-artwork.sh [output-dir]

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../resources/artwork}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

if command -v magick >/dev/null 2>&1; then
    IM=(magick)
else
    IM=(convert)
fi

# Common output options: 8-bit RGBA, no timestamps or other metadata.
PNGOPTS=(-strip -define png:exclude-chunks=date,time,tIME
         -define png:color-type=6 -depth 8)

# ---------------------------------------------------------------------------
# Palette
# ---------------------------------------------------------------------------
INK='#2B303B'        # outlines / dark details
RADIO='#3A4150'      # radio body
RADIO_HI='#4E5769'   # radio body highlight
SCREEN='#8FD3FF'     # LCD / monitor screen
BLUE='#2F6FD6'
BLUE_DK='#1F4E9C'
YELLOW='#F5C04A'
YELLOW_DK='#D9962B'
GREEN='#25A05F'
ORANGE='#EC7A1C'
RED='#D93A3A'
RED_DK='#A82424'
PAPER='#FFFFFF'
GREY_LT='#DDE3EA'
GREY_MD='#AAB3C0'

# arc <cx> <cy> <r> <deg0> <deg1> <width> <colour>
# Emits primitives for a thick circular arc with round ends: a filled
# "polygon" (an annulus sector around radius r) plus a "circle" at each
# end.  Angles are in degrees, clockwise from the +x axis as ImageMagick
# measures them.  (A plain polyline is not usable here: ImageMagick 6
# closes it when stroking.)
arc() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v a0="$4" -v a1="$5" \
        -v w="$6" -v col="$7" 'BEGIN {
        n = 48; pi = atan2(0, -1); ro = r + w / 2; ri = r - w / 2
        printf "push graphic-context\nstroke none\nfill %s\npolygon", col
        for (i = 0; i <= n; i++) {
            a = (a0 + (a1 - a0) * i / n) * pi / 180
            printf " %.2f,%.2f", cx + ro * cos(a), cy + ro * sin(a)
        }
        for (i = n; i >= 0; i--) {
            a = (a0 + (a1 - a0) * i / n) * pi / 180
            printf " %.2f,%.2f", cx + ri * cos(a), cy + ri * sin(a)
        }
        printf "\n"
        for (k = 0; k <= 1; k++) {
            a = (k ? a1 : a0) * pi / 180
            x = cx + r * cos(a); y = cy + r * sin(a)
            printf "circle %.2f,%.2f %.2f,%.2f\n", x, y, x + w / 2, y
        }
        printf "pop graphic-context\n"
    }'
}

# render <width> <height> <scale> <outfile> <mvg>
# Draws <mvg> onto a transparent canvas of (width*scale)x(height*scale)
# and reduces it to width x height.
render() {
    local w=$1 h=$2 s=$3 file=$4 mvg=$5
    "${IM[@]}" -size "$((w * s))x$((h * s))" xc:none \
        -draw "$mvg" \
        -filter Box -resize "${w}x${h}!" \
        "${PNGOPTS[@]}" "$out/$file"
}

# ---------------------------------------------------------------------------
# Toolbar icons: 32x32, drawn on a 128x128 grid (scale 4).
# ---------------------------------------------------------------------------

# --- open.png: an opening folder with a sheet of paper peeking out --------
render 32 32 4 open.png "
stroke-linejoin round
stroke $INK stroke-width 4
fill $YELLOW_DK
roundrectangle 8,18 54,40 8,8
roundrectangle 8,28 112,112 8,8
fill $PAPER
polygon 26,38 98,30 104,86 30,92
stroke $GREY_MD stroke-width 3
line 40,50 90,45
line 41,60 91,55
line 42,70 92,65
stroke $INK stroke-width 4
fill $YELLOW
polygon 30,56 124,56 106,112 8,112
"

# --- save.png: a floppy disk ------------------------------------------------
render 32 32 4 save.png "
stroke-linejoin round
stroke $INK stroke-width 4
fill $BLUE
polygon 10,14 98,14 118,34 118,114 10,114
fill $GREY_LT
rectangle 34,14 90,50
stroke none
fill $BLUE_DK
rectangle 70,20 82,44
stroke $INK stroke-width 4
fill $PAPER
rectangle 26,68 102,114
stroke $GREY_MD stroke-width 4
line 36,82 92,82
line 36,96 92,96
"

# --- edit_chann.png: a channel table with a pencil --------------------------
render 32 32 4 edit_chann.png "
stroke-linejoin round
stroke $INK stroke-width 4
fill $PAPER
rectangle 6,12 104,112
fill $BLUE
rectangle 6,12 104,34
stroke $GREY_MD stroke-width 3
line 8,54 102,54
line 8,74 102,74
line 8,94 102,94
line 38,36 38,110
line 72,36 72,110
stroke $INK stroke-width 4
fill none
rectangle 6,12 104,112
push graphic-context
  translate 90,74
  rotate -45
  stroke $INK stroke-width 4
  fill $ORANGE
  rectangle -34,-11 30,11
  fill '#F4D7A8'
  polygon -34,-11 -56,0 -34,11
  fill $INK
  polygon -48,-4 -56,0 -48,4
  fill '#F29AA0'
  rectangle 30,-11 44,11
  stroke '#C65F10' stroke-width 3
  line -30,0 26,0
pop graphic-context
"

# Shared pieces for read/write: a small radio on the left, a computer
# monitor on the right; an arrow crosses the bottom between them.
RADIO_SMALL="
stroke-linejoin round
stroke $INK stroke-width 4
fill $RADIO
roundrectangle 12,6 22,44 4,4
roundrectangle 6,34 46,122 8,8
fill $SCREEN
rectangle 14,44 38,62
stroke $GREY_MD stroke-width 3
line 15,72 37,72
line 15,80 37,80
line 15,88 37,88
"
MONITOR="
stroke-linejoin round
stroke $INK stroke-width 4
fill $GREY_MD
polygon 80,78 96,78 100,94 76,94
rectangle 66,92 110,98
fill $RADIO
roundrectangle 52,18 124,80 6,6
fill $SCREEN
rectangle 58,24 118,72
stroke none
fill '#C8EAFF'
polygon 58,24 90,24 58,52
"

# transfer_icon <outfile> <colour> <arrow points>
# The read and write icons: the radio and the monitor, and between them an
# arrow outlined in paper so that it stands off both.
transfer_icon() {
    render 32 32 4 "$1" "
$RADIO_SMALL
$MONITOR
stroke $PAPER stroke-width 6 stroke-linejoin round
fill $2
polygon $3
stroke none
polygon $3
"
}

# --- read.png: download from radio (arrow radio -> computer) ---------------
transfer_icon read.png "$GREEN" "20,99 86,99 86,86 122,106 86,126 86,113 20,113"

# --- write.png: upload to radio (arrow computer -> radio) ------------------
transfer_icon write.png "$ORANGE" "112,99 46,99 46,86 10,106 46,126 46,113 112,113"

# --- exit.png: a red power symbol ------------------------------------------
render 32 32 4 exit.png "
stroke $RED_DK stroke-width 4
fill $RED
circle 64,64 64,6
$(arc 64 68 32 -50 230 12 $PAPER)
stroke $PAPER stroke-width 12 stroke-linecap round
line 64,24 64,62
"

# ---------------------------------------------------------------------------
# background.png: 800x600 calm gradient with a faint radio + waves motif.
# ---------------------------------------------------------------------------
# The motif is drawn as a greyscale mask (white = strongest) and then used
# as the alpha channel of a white layer at a few percent opacity, so
# overlapping shapes never add up to visible seams.
"${IM[@]}" -size 800x600 gradient:'#1B2535-#3E5678' \
    \( -size 800x600 xc:white \
       \( -size 1400x1200 radial-gradient:white-black -crop 800x600+620+200 +repage \
          -evaluate multiply 0.10 \) \
       -alpha off -compose copy_opacity -composite \) \
    -compose over -composite \
    \( -size 800x600 xc:white \
       \( -size 800x600 xc:black -draw "
push graphic-context
  translate 610,370
  rotate 8
  scale 0.9,0.9
  fill white stroke none
  roundrectangle -34,-300 -6,-100 14,14
  roundrectangle -48,-118 8,-80 6,6
  roundrectangle 24,-122 60,-80 8,8
  roundrectangle -110,-90 110,270 34,34
  roundrectangle -128,-20 -104,90 8,8
  fill gray55
  roundrectangle -76,-56 76,30 12,12
  roundrectangle -76,64 76,80 8,8
  roundrectangle -76,100 76,116 8,8
  roundrectangle -76,136 76,152 8,8
  roundrectangle -76,172 76,188 8,8
  roundrectangle -76,208 76,224 8,8
  $(arc -20 -290 55 -50 50 12 gray80)
  $(arc -20 -290 100 -45 45 12 gray80)
  $(arc -20 -290 145 -40 40 12 gray80)
  $(arc -20 -290 55 130 230 12 gray80)
  $(arc -20 -290 100 135 225 12 gray80)
  $(arc -20 -290 145 140 220 12 gray80)
pop graphic-context
" -evaluate multiply 0.055 \) \
       -alpha off -compose copy_opacity -composite \) \
    -compose over -composite \
    "${PNGOPTS[@]}" -define png:color-type=2 "$out/background.png"

# ---------------------------------------------------------------------------
# app_icon.png (256) and app_icon_64.png (64): radio on a rounded square.
# Drawn once on a 1024 grid.
# ---------------------------------------------------------------------------
APP_MVG="
$(arc 420 230 90 215 325 34 '#D5E4FA')
$(arc 420 230 170 220 320 34 '#D5E4FA')
stroke none
fill '#1A1E27'
roundrectangle 392,120 448,440 28,28
fill $INK
roundrectangle 372,400 468,452 14,14
roundrectangle 560,392 620,452 14,14
fill '#1A1E27'
roundrectangle 312,440 732,936 64,64
fill $RADIO
roundrectangle 312,432 712,920 60,60
fill $RADIO_HI
roundrectangle 332,452 372,900 20,20
fill '#1A1E27'
roundrectangle 282,520 318,700 14,14
fill '#1E2B3A'
roundrectangle 368,486 672,620 22,22
fill $SCREEN
roundrectangle 384,502 656,604 14,14
fill '#5FA8D8'
rectangle 410,530 500,548
rectangle 410,560 600,578
fill '#1A1E27'
roundrectangle 386,660 656,680 10,10
roundrectangle 386,706 656,726 10,10
roundrectangle 386,752 656,772 10,10
roundrectangle 386,798 656,818 10,10
roundrectangle 386,844 656,864 10,10
fill '#FF5A4E'
circle 590,422 590,408
"
# app_icon <size> <outfile>: rounded square (drop edge + vertical gradient
# clipped by a rounded-rectangle mask) with the radio drawn on top.
app_icon() {
    local size=$1 file=$2
    "${IM[@]}" -size 1024x1024 xc:none \
        -draw "stroke none fill '#173A78' roundrectangle 32,48 992,1000 200,200" \
        \( -size 1024x1024 gradient:'#4C8DEB-#2358BE' \
           \( -size 1024x1024 xc:black \
              -draw "fill white roundrectangle 32,32 992,984 200,200" \) \
           -alpha off -compose copy_opacity -composite \) \
        -compose over -composite \
        -draw "$APP_MVG" \
        -filter Box -resize "${size}x${size}!" \
        "${PNGOPTS[@]}" "$out/$file"
}
app_icon 256 app_icon.png
app_icon 64 app_icon_64.png

# ---------------------------------------------------------------------------
# key_upper.png / key_lower.png: 113x255 side view for the key window.
# Drawn on a 452x1020 grid (scale 4).  Keys on the left edge from top:
# PTT bar, upper side key, lower side key.
# ---------------------------------------------------------------------------
KEY_BG='#F4F5F7'
KEY_BODY='#4A505C'
KEY_BODY_HI='#5C6370'
KEY_DARK='#2E323A'
KEY_KEY='#7D8592'
KEY_SEL='#FF1E1E'

key_picture() {
    local file=$1 upper=$2 lower=$3
    "${IM[@]}" -size 452x1020 "xc:$KEY_BG" -draw "
stroke-linejoin round
stroke $KEY_DARK stroke-width 6
fill $KEY_DARK
roundrectangle 206,40 238,330 16,16
roundrectangle 192,300 252,372 10,10
fill $KEY_BODY
roundrectangle 262,326 318,372 10,10
fill $KEY_BODY
roundrectangle 150,360 326,980 40,40
fill $KEY_DARK
roundrectangle 306,470 352,960 20,20
fill $KEY_DARK
roundrectangle 336,500 374,540 8,8
fill $KEY_BODY_HI
roundrectangle 350,500 374,820 12,12
stroke none
fill $KEY_BODY_HI
roundrectangle 168,380 196,960 14,14
stroke $KEY_DARK stroke-width 6
fill $KEY_KEY
roundrectangle 116,430 160,600 20,20
stroke $KEY_DARK stroke-width 4
line 128,470 150,470
line 128,500 150,500
line 128,530 150,530
line 128,560 150,560
stroke $KEY_DARK stroke-width 6
fill $upper
roundrectangle 122,640 160,720 16,16
fill $lower
roundrectangle 122,750 160,830 16,16
stroke $KEY_DARK stroke-width 6
line 210,880 300,880
line 210,910 300,910
line 210,940 300,940
" -filter Box -resize 113x255! "${PNGOPTS[@]}" -define png:color-type=2 "$out/$file"
}

key_picture key_upper.png "$KEY_SEL" "$KEY_KEY"
key_picture key_lower.png "$KEY_KEY" "$KEY_SEL"

echo "artwork written to $out"
