#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick 6: the main banner, the help banner and the
# program icon. The outputs are committed; the build does not run this script.
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# Intermediate layers are MIFF: PNG would store white-only layers as grey, and a grey layer
# read back turns every composite made with it grey.

latin=DejaVu-Serif-Bold-Italic
cjk=WenQuanYi-Zen-Hei
deep='#06423f'      # outlines and shadows
# No metadata in the outputs, so that rerunning the script gives the same files.
clean=(-strip)

# Teal ground of width x height: a diagonal gradient, fine diagonal hatching and two soft
# light sweeps, so the flat colour does not look cheap.
ground() {  # width height output
    local w=$1 h=$2 o=$3
    convert -size "${h}x${w}" gradient:'#1bb3a5'-'#0a6360' -rotate -90 \
        \( -size "${w}x${h}" radial-gradient:'rgba(255,255,255,0.32)'-'rgba(255,255,255,0)' \
           -colorspace sRGB -distort SRT "0,0 1.0 0 $((w / 4)),$((h / 3))" \) -compose screen -composite \
        "${clean[@]}" base.miff
    local lines=() i
    for ((i = -h; i < w; i += 8)); do lines+=(-draw "line $i,$h $((i + h)),0"); done
    convert -size "${w}x${h}" xc:none -fill none -stroke 'rgba(255,255,255,0.07)' -strokewidth 1 \
        "${lines[@]}" hatch.miff
    convert -size "${w}x${h}" xc:none -fill none \
        -stroke 'rgba(255,255,255,0.18)' -strokewidth 2 \
        -draw "path 'M $((w * 45 / 100)),$h C $((w * 62 / 100)),$((h * 35 / 100)) $((w * 80 / 100)),$((h * 20 / 100)) $w,$((h * 30 / 100))'" \
        -stroke 'rgba(255,255,255,0.10)' -strokewidth 7 \
        -draw "path 'M $((w * 52 / 100)),$h C $((w * 68 / 100)),$((h * 50 / 100)) $((w * 84 / 100)),$((h * 40 / 100)) $w,$((h * 48 / 100))'" \
        sweep.miff
    convert base.miff hatch.miff -compose over -composite sweep.miff -compose over -composite \
        \( -size "${w}x${h}" xc:none -fill none -stroke 'rgba(0,0,0,0.35)' -strokewidth 2 \
           -draw "rectangle 0,0 $((w - 1)),$((h - 1))" \) -compose over -composite \
        "${clean[@]}" "$o"
}

# Lettering with a vertical gradient fill, a dark outline, a thin light rim and a soft
# drop shadow, on a transparent layer of width x height.
lettering() {  # width height font pointsize x y text fill_top fill_bottom output
    local w=$1 h=$2 font=$3 size=$4 x=$5 y=$6 text=$7 top=$8 bottom=$9 o=${10}
    convert -size "1x${h}" gradient:"$top"-"$bottom" -scale "${w}x${h}!" fill.miff
    convert -size "${w}x${h}" xc:none -font "$font" -pointsize "$size" -gravity northwest \
        -fill "$deep" -stroke "$deep" -strokewidth 5 -annotate "+${x}+${y}" "$text" \
        -stroke 'rgba(255,255,255,0.55)' -strokewidth 1.4 -fill none -annotate "+${x}+${y}" "$text" \
        -stroke none -tile fill.miff -annotate "+${x}+${y}" "$text" letters.miff
    convert letters.miff \( +clone -background black -shadow 70x2.5+3+3 \) +swap \
        -background none -layers merge -crop "${w}x${h}+0+0" +repage "$o"
}

# --- Main banner, 597x102 ---------------------------------------------------------------
ground 597 102 banner_ground.miff
lettering 597 102 "$latin" 70 30 2 'Lumbra' '#ffffff' '#ffd76a' name.miff
# A small four-pointed spark over the name's last letter.
spark="path 'M 0,-13 Q 2,-2 13,0 Q 2,2 0,13 Q -2,2 -13,0 Q -2,-2 0,-13 Z'"
convert -size 597x102 xc:none -fill '#fff6cf' -stroke none \
    -draw "translate 325,17 $spark" -draw "translate 309,8 scale 0.45,0.45 $spark" spark.miff
lettering 597 102 "$cjk" 20 348 30 '获取最新、最热门活动' '#ffffff' '#d9fff8' tag1.miff
convert -size 597x102 xc:none -font "$cjk" -pointsize 12 -gravity northwest \
    -fill 'rgba(255,255,255,0.85)' -annotate +350+64 'Kiwo 活动提醒 · 每日更新 · 一键直达' \
    -stroke 'rgba(255,255,255,0.55)' -strokewidth 1 -draw 'line 350,58 574,58' tag2.miff
convert banner_ground.miff name.miff -composite spark.miff -composite tag1.miff -composite \
    tag2.miff -composite -type TrueColor -quality 92 -sampling-factor 1x1 "${clean[@]}" "$out/banner.jpg"

# --- Help banner, 206x63 ----------------------------------------------------------------
ground 206 63 help_ground.miff
# The heart: two cubic lobes meeting in a point, with a glossy highlight on the left lobe.
heart="translate 5,2 path 'M 29,52 C 12,40 4,30 4,20 C 4,11 11,6 18,6 C 23,6 27,9 29,14 C 31,9 35,6 40,6 C 47,6 54,11 54,20 C 54,30 46,40 29,52 Z'"
convert -size 1x63 gradient:'#ff7a93'-'#d81b45' -scale 206x63! heart_fill.miff
convert -size 206x63 xc:none -fill "$deep" -stroke "$deep" -strokewidth 4 -draw "$heart" \
    -stroke white -strokewidth 2 -fill none -draw "$heart" \
    -stroke none -tile heart_fill.miff -draw "$heart" +tile \
    -fill 'rgba(255,255,255,0.55)' -draw 'ellipse 21,19 6,4 -35 325' heart_raw.miff
convert heart_raw.miff \( +clone -background black -shadow 60x2+2+2 \) +swap \
    -background none -layers merge -crop 206x63+0+0 +repage heart.miff
lettering 206 63 "$cjk" 30 66 13 '新手上路' '#ffffff' '#ffe08a' help_text.miff
convert help_ground.miff heart.miff -composite help_text.miff -composite \
    -type TrueColor -quality 92 -sampling-factor 1x1 "${clean[@]}" "$out/help_banner.jpg"

# --- Program icon: a teal disc with a gold rim and a white "L" ---------------------------
icon() {  # size output
    local s=$1 o=$2 big=256
    convert -size "${big}x${big}" xc:none \
        -fill '#ffd76a' -draw 'circle 128,128 128,6' \
        \( -size "${big}x${big}" radial-gradient:'#27c9b9'-'#075a56' -distort SRT '0.9 0' \
           \( -size "${big}x${big}" xc:black -fill white -draw 'circle 128,128 128,20' \) \
           -alpha off -compose copyopacity -composite \) -compose over -composite \
        -font DejaVu-Sans-Bold -pointsize 170 -gravity center \
        -fill "$deep" -annotate +10+10 'L' -fill white -annotate +2+2 'L' \
        -fill '#ffd76a' -stroke none -draw "translate 184,70 scale 2.6,2.6 $spark" \
        -filter Lanczos -resize "${s}x${s}" "${clean[@]}" "$o"
}
for s in 16 32 48 256; do icon "$s" "icon_$s.miff"; done
convert icon_16.miff icon_32.miff icon_48.miff icon_256.miff -depth 8 "$out/lumbra.ico"
