#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick and writes them to resources/art/:
#   splash.bmp     500x500, 16 colours, 4 bits per pixel (bitmap 175)
#   about.bmp      100x100, 16 colours, 4 bits per pixel (bitmap 176)
#   app32.ico      one 32x32 image, 256 colours (icon group 168)
#   app16.ico      one 16x16 image, 256 colours (icon group 169)
#   setup.ico      both sizes in one file, for the installer
#   wizard.bmp     164x314, 16 colours: the picture of the installer's first and last pages
# With a folder as argument it also writes PNG copies there for looking at them (the icons enlarged eight times).
# ART_OUT=<absolute folder> writes the pictures there instead (tests/windows/check_art.sh compares them).
# The outputs are committed, so building the program does not need ImageMagick. Running the script again gives the
# same files: there is no randomness (the stars come from a fixed sequence) and nothing depends on the clock.
#
# Needs: imagemagick, fonts-dejavu-core (tools/deps.sh installs both).
set -euo pipefail
cd "$(dirname "$0")/.."

convert=${CONVERT:-convert}
out=${ART_OUT:-resources/art}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fonts=/usr/share/fonts/truetype/dejavu
serif="$fonts/DejaVuSerif.ttf"
sans="$fonts/DejaVuSans.ttf"
sans_bold="$fonts/DejaVuSans-Bold.ttf"
for font in "$serif" "$sans" "$sans_bold"; do
    [ -f "$font" ] || { echo "missing $font: install fonts-dejavu-core" >&2; exit 1; }
done

# The 16 colours of the two bitmaps: an evening sky that deepens from amber at the horizon to night blue, the dark
# stone of the skyline, the gold of the great dome, and the pale tones of the moon, the stars and the lettering.
palette=(
    '#060a1f' # skyline, near
    '#1c1a3c' # skyline, far hills
    '#0c1431' # sky, zenith
    '#15204a'
    '#1f2e63'
    '#2c3d7c'
    '#46498f'
    '#6b5594'
    '#9a6489'
    '#c97a74'
    '#e9a566' # sky, horizon
    '#b07d27' # dome, shade
    '#f0c04f' # dome, light; ornaments
    '#f8eec8' # moon, lettering
    '#9fa8d6' # faint stars, small lettering
    '#ffffff' # bright stars
)
palette_args=()
for colour in "${palette[@]}"; do
    palette_args+=("xc:$colour")
done
"$convert" "${palette_args[@]}" +append "$work/palette.png"

# A fixed pseudo-random sequence (the ANSI C example generator), so every run places the stars alike.
seed=5787
next_random() {
    seed=$(((seed * 1103515245 + 12345) % 2147483648))
    random=$((seed / 65536))
}

# star_field WIDTH HEIGHT COUNT SKIP_X0 SKIP_Y0 SKIP_X1 SKIP_Y1: MVG drawing commands for COUNT stars in the upper
# part of the sky, thinning towards the horizon, none inside the given box (the lettering).
star_field() {
    local width=$1 height=$2 count=$3 x0=$4 y0=$5 x1=$6 y1=$7
    local i x y a b kind
    for ((i = 0; i < count; i++)); do
        next_random
        x=$((random % width))
        next_random
        a=$((random % height))
        next_random
        b=$((random % height))
        y=$((a < b ? a : b))
        if ((x >= x0 && x <= x1 && y >= y0 && y <= y1)); then
            continue
        fi
        next_random
        kind=$((random % 10))
        if ((kind == 0 && y < height / 2)); then
            # A bright star with four short rays.
            echo "fill '#ffffff' rectangle $((x - 2)),$y $((x + 2)),$y rectangle $x,$((y - 2)) $x,$((y + 2))"
        elif ((kind < 4)); then
            echo "fill '#ffffff' point $x,$y"
        else
            echo "fill '#9fa8d6' point $x,$y"
        fi
    done
}

# sky WIDTH HEIGHT HORIZON FILE: the evening sky, night blue at the top, amber at the horizon line. It passes through
# the nine sky colours of the palette; within each band an 8x8 ordered dither mixes the band's two colours, so the
# sky changes smoothly and uses no colour but its own.
sky() {
    local width=$1 height=$2 horizon=$3 file=$4
    local colours=('#0c1431' '#15204a' '#1f2e63' '#2c3d7c' '#46498f' '#6b5594' '#9a6489' '#c97a74' '#e9a566')
    local shares=(70 62 56 46 40 36 34 32 28) # of 404, the height of the splash's sky
    local bands=() i band used=0
    for ((i = 0; i < 8; i++)); do
        band=$((shares[i] * horizon / 404))
        if ((i == 7)); then
            band=$((horizon - used))
        fi
        used=$((used + band))
        "$convert" -size "${width}x$band" xc:"${colours[i]}" xc:"${colours[i + 1]}" \
            \( gradient:black-white -ordered-dither o8x8 \) -composite "$work/band$i.png"
        bands+=("$work/band$i.png")
    done
    "$convert" "${bands[@]}" -size "${width}x$((height - horizon))" xc:"${colours[8]}" -append "$file"
}

# crescent FILE SIZE CX CY R DX DY COLOUR: a transparent layer with a crescent, the disk at (CX,CY) radius R less the
# same disk moved by (DX,DY).
crescent() {
    local file=$1 size=$2 cx=$3 cy=$4 r=$5 dx=$6 dy=$7 colour=$8
    "$convert" -size "$size" xc:black -fill white -draw "circle $cx,$cy $cx,$((cy - r))" \
        -fill black -draw "circle $((cx + dx)),$((cy + dy)) $((cx + dx)),$((cy + dy - r))" "$work/mask.png"
    "$convert" -size "$size" xc:"$colour" "$work/mask.png" -alpha off -compose CopyOpacity -composite "$file"
}

# The skyline of the Old City at a scale of 1 (500 pixels wide, ground line at y 410): the far hills with their
# tower, then the wall with its battlements, the citadel, houses with small domes, the great golden dome, a bell
# tower and cypresses. Prints MVG commands.
skyline() {
    # Far hills and the tower on the ridge.
    echo "fill '#1c1a3c' polygon 0,392 60,384 140,380 230,378 330,374 400,366 440,360 500,364 500,420 0,420"
    echo "rectangle 433,300 445,366 polygon 431,300 439,286 447,300"
    # The wall and its battlements.
    echo "fill '#060a1f' rectangle 0,404 500,500"
    local x
    for ((x = 2; x < 500; x += 14)); do
        echo "rectangle $x,397 $((x + 7)),404"
    done
    # The citadel: a square tower with a round turret and a small cupola.
    echo "rectangle 44,334 100,404"
    for ((x = 44; x < 100; x += 10)); do
        echo "rectangle $x,327 $((x + 5)),334"
    done
    echo "rectangle 58,292 86,334 ellipse 72,292 14,9 180,360 rectangle 71,270 73,284 circle 72,268 72,265"
    # Houses with flat roofs and small domes.
    echo "rectangle 100,372 132,404 rectangle 132,382 170,404 rectangle 170,366 196,404"
    echo "ellipse 116,372 9,8 180,360 ellipse 183,366 8,7 180,360 ellipse 151,382 6,5 180,360"
    # The platform, the drum and the golden dome, lit from the moon's side.
    echo "rectangle 196,388 318,404 rectangle 210,346 290,388"
    echo "fill '#b07d27' ellipse 250,346 37,40 180,360"
    echo "fill '#f0c04f' ellipse 256,346 29,36 180,360"
    echo "fill '#060a1f' rectangle 210,346 290,351 rectangle 249,296 251,308 circle 250,293 250,290"
    for ((x = 216; x < 286; x += 10)); do
        echo "fill '#b07d27' rectangle $x,360 $((x + 3)),374"
    done
    # A bell tower, cypresses and more houses towards the ridge.
    echo "fill '#060a1f' rectangle 318,376 356,404 rectangle 364,322 384,404 polygon 362,322 374,300 386,322"
    echo "rectangle 373,290 375,300 circle 374,288 374,286"
    echo "ellipse 342,360 7,30 0,360 ellipse 398,366 6,26 0,360 ellipse 468,358 7,32 0,360"
    echo "rectangle 384,380 430,404 rectangle 430,388 458,404 rectangle 476,376 500,404"
    echo "ellipse 407,380 8,7 180,360"
    # Lamplit windows and the open gate in the wall.
    echo "fill '#e9a566' rectangle 62,350 65,356 rectangle 80,350 83,356 rectangle 70,306 73,314"
    echo "rectangle 108,384 111,389 rectangle 122,384 125,389 rectangle 142,390 145,395 rectangle 178,378 181,384"
    echo "rectangle 326,386 329,391 rectangle 342,386 345,391 rectangle 372,340 375,348 rectangle 394,390 397,395"
    echo "rectangle 414,390 417,395 rectangle 440,394 443,399 rectangle 484,386 487,391"
    # Courses of the wall's stones, faintly lit by the sky.
    local y row=0
    for ((y = 422; y < 500; y += 18)); do
        echo "fill '#1c1a3c' rectangle 0,$y 500,$y"
        for ((x = (row % 2) * 24; x < 500; x += 48)); do
            echo "rectangle $x,$((y + 1)) $x,$((y + 17))"
        done
        row=$((row + 1))
    done
    # The gate: a stone arch around a lamplit passage.
    echo "fill '#060a1f' rectangle 128,428 172,500 ellipse 150,448 22,22 180,360"
    echo "fill '#1c1a3c' rectangle 132,448 168,500 ellipse 150,448 18,18 180,360"
    echo "fill '#e9a566' rectangle 137,450 163,500 ellipse 150,450 13,13 180,360"
    echo "fill '#c97a74' rectangle 137,484 163,500"
}

# hexagram CX CY R COLOUR: a six-pointed star of two triangles, as MVG.
hexagram() {
    local cx=$1 cy=$2 r=$3 colour=$4
    local h=$((r * 866 / 1000)) half=$((r / 2))
    echo "fill none stroke '$colour' stroke-width 1.6"
    echo "polygon $cx,$((cy - r)) $((cx + h)),$((cy + half)) $((cx - h)),$((cy + half))"
    echo "polygon $cx,$((cy + r)) $((cx + h)),$((cy - half)) $((cx - h)),$((cy - half))"
    echo "stroke none"
}

# to_bmp4 SOURCE TARGET: maps a picture onto the 16 colours without dithering (crisp edges and clean bands) and
# writes a classic 4-bit BMP.
to_bmp4() {
    "$convert" "$1" -alpha off -dither None -remap "$work/palette.png" -colors 16 -type Palette -depth 4 \
        "BMP3:$2"
}

make_splash() {
    sky 500 500 404 "$work/splash-sky.png"
    star_field 500 380 170 60 90 440 270 >"$work/splash-stars.mvg"
    skyline >"$work/splash-skyline.mvg"
    {
        # An ornament under the name: two gold rules and a star between them.
        echo "fill '#f0c04f' rectangle 150,191 228,192 rectangle 272,191 350,192"
        hexagram 250 192 11 '#f0c04f'
    } >"$work/splash-ornament.mvg"
    crescent "$work/splash-moon.png" 500x500 418 78 34 -13 -11 '#f8eec8'
    "$convert" "$work/splash-sky.png" \
        -draw "$(<"$work/splash-stars.mvg")" \
        "$work/splash-moon.png" -composite \
        -draw "$(<"$work/splash-skyline.mvg")" \
        -draw "$(<"$work/splash-ornament.mvg")" \
        -gravity north \
        -font "$serif" -pointsize 66 -kerning 2 -fill '#f8eec8' -annotate +0+96 'Kestrelon' \
        -font "$sans" -pointsize 17 -kerning 3 -fill '#9fa8d6' -annotate +0+212 'A CALENDAR FOR THE JEWISH YEAR' \
        -font "$sans_bold" -pointsize 20 -kerning 1 -fill '#f0c04f' -annotate +0+240 '1.1' \
        "$work/splash.png"
    to_bmp4 "$work/splash.png" "$out/splash.bmp"

    # The installer's page picture: a tall slice of the same evening around the dome, with its own stars and moon.
    seed=1948
    star_field 164 230 45 0 0 -1 -1 >"$work/wizard-stars.mvg"
    crescent "$work/wizard-moon.png" 164x314 112 52 24 -9 -8 '#f8eec8'
    "$convert" "$work/splash-sky.png" -draw "translate 168,140 $(<"$work/wizard-stars.mvg")" \
        -draw "$(<"$work/splash-skyline.mvg")" -crop 164x314+168+140 +repage \
        "$work/wizard-moon.png" -composite "$work/wizard.png"
    to_bmp4 "$work/wizard.png" "$out/wizard.bmp"
}

make_about() {
    # The same evening, close up: the moon above the golden dome. The sky and the stars are made at the final size;
    # the buildings and the moon are drawn at four times the size and reduced, so their edges stay smooth before
    # everything is mapped onto the 16 colours.
    sky 100 100 75 "$work/about-sky.png"
    seed=613
    star_field 100 62 26 0 0 -1 -1 | grep -v rectangle >"$work/about-stars.mvg"
    {
        echo "fill '#1c1a3c' polygon 0,290 120,280 260,276 400,268 400,320 0,320"
        echo "fill '#060a1f' rectangle 0,300 400,400"
        local x
        for ((x = 0; x < 400; x += 28)); do
            echo "rectangle $x,286 $((x + 14)),300"
        done
        # A tower with battlements on the left, cypresses on the right, the dome between them.
        echo "rectangle 16,196 76,300"
        for ((x = 16; x < 76; x += 16)); do
            echo "rectangle $x,180 $((x + 8)),196"
        done
        echo "ellipse 324,236 13,64 0,360 ellipse 360,256 11,46 0,360"
        echo "rectangle 100,262 300,300 rectangle 140,186 260,262"
        echo "fill '#b07d27' ellipse 200,186 56,62 180,360"
        echo "fill '#f0c04f' ellipse 210,186 44,55 180,360"
        echo "fill '#060a1f' rectangle 140,186 260,194 rectangle 197,104 203,124 circle 200,100 200,94"
        for ((x = 150; x < 252; x += 16)); do
            echo "fill '#b07d27' rectangle $x,210 $((x + 6)),236"
        done
        echo "fill '#e9a566' rectangle 36,220 48,236 rectangle 36,256 48,272 rectangle 112,276 124,290"
        echo "rectangle 276,276 288,290"
    } >"$work/about-scene.mvg"
    crescent "$work/about-moon.png" 400x400 300 84 44 -17 -14 '#f8eec8'
    "$convert" -size 400x400 xc:none "$work/about-moon.png" -composite -draw "$(<"$work/about-scene.mvg")" \
        -filter Triangle -resize 100x100 "$work/about-scene.png"
    "$convert" "$work/about-sky.png" -draw "$(<"$work/about-stars.mvg")" "$work/about-scene.png" -composite \
        "$work/about.png"
    to_bmp4 "$work/about.png" "$out/about.bmp"
}

# The icon: a tear-off calendar page with two rings, a red header and a night-blue leaf with a gold crescent and a
# star. Each size is drawn on its own pixel grid so that 16x16 stays legible.
make_icons() {
    "$convert" -size 32x32 xc:none \
        -fill '#2a3350' -draw "roundrectangle 2,4 29,30 3,3" \
        -fill '#c8372d' -draw "roundrectangle 3,5 28,12 2,2" -draw "rectangle 3,9 28,12" \
        -fill '#16224f' -draw "rectangle 3,13 28,29" \
        -fill '#f8eec8' -draw "rectangle 3,12 28,12" \
        -fill '#2a3350' -draw "roundrectangle 8,1 11,8 1,1 roundrectangle 20,1 23,8 1,1" \
        -fill '#d9dce8' -draw "rectangle 9,2 10,6 rectangle 21,2 22,6" \
        -fill '#ffffff' -draw "point 22,18 point 21,19 point 22,19 point 23,19 point 22,20 point 26,25" \
        "$work/icon32-base.png"
    crescent "$work/icon32-moon.png" 32x32 14 21 6 3 -2 '#f0c04f'
    "$convert" "$work/icon32-base.png" "$work/icon32-moon.png" -composite "$work/app32.png"

    "$convert" -size 16x16 xc:none \
        -fill '#2a3350' -draw "rectangle 1,2 14,15" \
        -fill '#c8372d' -draw "rectangle 2,3 13,5" \
        -fill '#16224f' -draw "rectangle 2,6 13,14" \
        -fill '#2a3350' -draw "rectangle 4,0 5,3 rectangle 10,0 11,3" \
        -fill '#ffffff' -draw "point 11,8" \
        "$work/icon16-base.png"
    crescent "$work/icon16-moon.png" 16x16 7 10 4 2 -1 '#f0c04f'
    "$convert" "$work/icon16-base.png" "$work/icon16-moon.png" -composite "$work/app16.png"

    local size
    for size in 32 16; do
        # Binary transparency (the icon's mask), then at most 256 colours, written as an 8-bit icon.
        "$convert" "$work/app$size.png" -channel A -threshold 50% +channel -colors 256 -type PaletteAlpha \
            "$out/app$size.ico"
    done
    "$convert" "$work/app32.png" "$work/app16.png" -channel A -threshold 50% +channel -colors 256 \
        -type PaletteAlpha "$out/setup.ico"
}

make_splash
make_about
make_icons

if [ $# -gt 0 ]; then
    preview=$1
    mkdir -p "$preview"
    "$convert" "$out/splash.bmp" "$preview/splash.png"
    "$convert" "$out/about.bmp" "$preview/about.png"
    "$convert" "$out/wizard.bmp" "$preview/wizard.png"
    "$convert" "$out/app32.ico" -filter Point -resize 800% "$preview/app32.png"
    "$convert" "$out/app16.ico" -filter Point -resize 800% "$preview/app16.png"
fi
