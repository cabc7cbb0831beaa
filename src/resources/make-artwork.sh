#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws Torvane's pictures with ImageMagick: the 239 x 32 banner (the name beside a small battery
# under a magnifying glass) and the 32 x 32 page picture; and renders the built-in program icon
# from the drawing the icon theme gets, data/com.quillmark.Torvane.svg, with rsvg-convert. The
# PNGs are committed; run this again only to change the artwork.
set -euo pipefail
cd "$(dirname "$0")"

font=DejaVu-Sans-Bold

# The battery under the glass, drawn on a 32 x 32 canvas whose background is given.
emblem() {
    local background=$1 out=$2
    convert -size 32x32 "xc:${background}" \
        -stroke '#1d3557' -strokewidth 1 -fill '#f1faee' -draw 'rectangle 1,14 25,28' \
        -stroke none -fill '#1d3557' -draw 'rectangle 26,18 28,24' \
        -fill '#2a9d8f' -draw 'rectangle 3,16 16,26' \
        -stroke '#264653' -strokewidth 4 -draw 'line 19,11 28,2' \
        -stroke '#e9c46a' -strokewidth 2 -draw 'line 20,10 28,2' \
        -fill 'rgba(168,218,220,0.30)' -stroke '#264653' -strokewidth 2 \
        -draw 'circle 13,17 13,8' \
        "$out"
}

# Banner: a soft gradient, the emblem at the left and the name beside it. 24 bits, no alpha.
emblem 'rgba(0,0,0,0)' /tmp/torvane-emblem.png
convert -size 239x32 gradient:'#e8f1f8'-'#a8c8e0' \
    /tmp/torvane-emblem.png -geometry +4+0 -composite \
    -font "$font" -pointsize 20 -fill '#1d3557' -annotate +44+24 'Torvane' \
    -font DejaVu-Sans -pointsize 9 -fill '#264653' -annotate +140+23 'battery recorder' \
    -alpha off -define png:color-type=2 PNG24:banner.png

# Page picture: the emblem alone on white, 24 bits.
emblem white /tmp/torvane-page.png
convert /tmp/torvane-page.png -alpha off -define png:color-type=2 PNG24:page.png

# Program icon, for when the icon theme has none: the same drawing as the installed icon.
rsvg-convert --width=64 --height=64 --format=png --output=icon.png \
    ../../data/com.quillmark.Torvane.svg

rm -f /tmp/torvane-emblem.png /tmp/torvane-page.png
