#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Draws the program's artwork with ImageMagick and writes the PNGs beside this script.
# Every picture is drawn eight (the logo four) times larger than its final size and then scaled
# down with a box filter, which gives clean anti-aliased edges at the tiny final sizes.
# Run it again after changing a drawing and commit the PNGs it writes (needs imagemagick and
# fonts-dejavu-core, both in scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")"

navy='#1d3557'
shield_blue='#3d7cc9'
ink='#4a5a6d'
paper='#ffffff'
fold='#d5dde7'
lines='#9aa7b5'
green='#25964a'
red='#d1352b'
amber='#f0b94a'
amber_edge='#b3831f'
tab='#dba43a'
info_blue='#2f6db5'
info_edge='#1f4f88'

# Writes a PNG without time stamps or other metadata, so the output is byte-stable.
write_png() { # <output> <ImageMagick arguments...>
    local out=$1
    shift
    convert "$@" -strip -define png:exclude-chunks=date,time,tIME -define png:color-type=6 "PNG32:$out"
}

# An 18 x 18 tool icon from a 144 x 144 drawing.
shrink_icon() { # <output> <ImageMagick drawing arguments...>
    local out=$1
    shift
    write_png "$out" -size 144x144 xc:none "$@" -filter Box -resize 18x18
}

document=(-fill "$paper" -stroke "$ink" -strokewidth 8
    -draw "polygon 22,8 86,8 118,40 118,136 22,136"
    -fill "$fold" -draw "polygon 86,8 86,40 118,40"
    -stroke "$lines" -strokewidth 7 -draw "line 40,62 96,62" -draw "line 40,82 96,82" -draw "line 40,102 72,102")

# A round badge in the lower right corner, ringed in white to stand off the drawing under it.
badge_ring=(-stroke white -strokewidth 8 -draw "circle 102,102 102,66")

plus=(-stroke none -fill white -draw "rectangle 96,84 108,120" -draw "rectangle 84,96 120,108")
minus=(-stroke none -fill white -draw "rectangle 84,96 120,108")

folder=(-fill "$tab" -stroke "$amber_edge" -strokewidth 8 -draw "polygon 8,24 54,24 66,38 66,60 8,60"
    -fill "$amber" -draw "roundrectangle 8,38 134,126 10,10")

shrink_icon icon_add_file.png "${document[@]}" -fill "$green" "${badge_ring[@]}" "${plus[@]}"
shrink_icon icon_add_folder.png "${folder[@]}" -fill "$green" "${badge_ring[@]}" "${plus[@]}"
shrink_icon icon_remove_file.png "${document[@]}" -fill "$red" "${badge_ring[@]}" "${minus[@]}"
shrink_icon icon_help.png -fill "$info_blue" -stroke "$info_edge" -strokewidth 8 -draw "circle 72,72 72,8" \
    -stroke none -fill white -font DejaVu-Sans-Bold -pointsize 100 -gravity center -annotate +0+4 "?"
shrink_icon icon_about.png -fill "$info_blue" -stroke "$info_edge" -strokewidth 8 -draw "circle 72,72 72,8" \
    -stroke none -fill white -font DejaVu-Serif-Bold -pointsize 104 -gravity center -annotate +0+4 "i"

# The shield with a check mark is the product's sign: on the application icon and in the logo.
shield_path="M256,72 L408,124 L408,252 C408,356 340,420 256,452 C172,420 104,356 104,252 L104,124 Z"
check="polyline 176,262 234,320 340,204"

# 64 x 64 application icon: the shield on a dark rounded tile edged by the perforations of a film strip.
write_png Authentication.png \
    -size 512x512 gradient:'#2c5587-#10203a' \
    \( -size 512x512 xc:none -fill white -draw "roundrectangle 12,12 499,499 92,92" \) \
    -compose CopyOpacity -composite -compose Over \
    -fill '#51729c' -stroke none \
    -draw "roundrectangle 36,60 60,92 6,6" -draw "roundrectangle 36,156 60,188 6,6" \
    -draw "roundrectangle 36,252 60,284 6,6" -draw "roundrectangle 36,348 60,380 6,6" \
    -draw "roundrectangle 36,436 60,468 6,6" \
    -draw "roundrectangle 452,60 476,92 6,6" -draw "roundrectangle 452,156 476,188 6,6" \
    -draw "roundrectangle 452,252 476,284 6,6" -draw "roundrectangle 452,348 476,380 6,6" \
    -draw "roundrectangle 452,436 476,468 6,6" \
    -fill "$shield_blue" -stroke white -strokewidth 22 -draw "path '$shield_path'" \
    -fill none -stroke white -strokewidth 48 -draw "stroke-linecap round stroke-linejoin round $check" \
    -filter Box -resize 64x64

# 4 x 36 background strip of the tool bar: a light vertical gradient over a one-pixel rule.
write_png bg_tool_bar.png -size 4x35 gradient:'#fbfcfe-#e1e7ef' -size 4x1 xc:'#b4c0ce' -append

# 100 x 36 logo, transparent so that the strip shows through: the shield and the maker's name.
write_png logo.png \
    -size 400x144 xc:none \
    -fill "$navy" -stroke none -draw "path 'M44,18 L86,32 L86,70 C86,98 68,114 44,126 C20,114 2,98 2,70 L2,32 Z'" \
    -fill none -stroke white -strokewidth 12 -draw "stroke-linecap round stroke-linejoin round polyline 24,72 40,88 66,58" \
    -stroke none -fill "$navy" -font DejaVu-Sans-Bold -pointsize 46 -kerning 1 -gravity west -annotate +94-12 "TREVALON" \
    -fill "$ink" -font DejaVu-Sans-Bold -pointsize 21 -kerning 5 -gravity west -annotate +97+34 "EVIDENCE CHECK" \
    -filter Box -resize 100x36
