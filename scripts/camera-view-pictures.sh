#!/bin/sh
# Draws the pictures of docs/ that compare what the camera sees of the printed page
# (quorvane-cli simulate) with what it should see (generate --composite), for the default
# and a steep camera and each mapping named: the sample picture side by side, and a grid of
# dots where the seen dots are red, the expected ones blue and those that agree black.
# Needs ImageMagick's convert.
# Usage: scripts/camera-view-pictures.sh BUILD_BIN OUT_DIR [MAPPING...]
set -eu
bin=$1
out=$2
shift 2
mappings=${*:-bilinear}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
view="--view 640x480"
dots=""
for y in $(seq 24 48 480); do
    for x in $(seq 24 48 853); do dots="$dots circle $x,$y $((x + 4)),$y"; done
done
convert -size 853x480 xc:white -fill red -draw "$dots" "$work/dots.png"

label() { convert "$1" -gravity north -pointsize 18 -annotate +0+6 "$2" "$1"; }

for camera in default steep; do
    case $camera in
    default) options="" ;;
    steep) options="--height 15 --distance 60 --fov 40" ;;
    esac
    row=""
    for mapping in $mappings; do
        choice=""
        [ "$mapping" = bilinear ] || choice="--mapping=$mapping"
        # shellcheck disable=SC2086
        "$bin/quorvane-cli" generate -o "$work/page.png" --composite "$work/should.png" $view $options $choice
        # shellcheck disable=SC2086
        "$bin/quorvane-cli" simulate "$work/page.png" -o "$work/sees-$mapping.png" $view $options
        label "$work/sees-$mapping.png" "$mapping: seen"
        row="$row $work/sees-$mapping.png"
        # shellcheck disable=SC2086
        "$bin/quorvane-cli" generate -o "$work/page.png" --composite "$work/dots-should.png" $view $options \
            $choice --picture "$work/dots.png" --placement 0,0,853,480
        # shellcheck disable=SC2086
        "$bin/quorvane-cli" simulate "$work/page.png" -o "$work/dots-sees.png" $view $options
        convert "$work/dots-should.png" -fuzz 40% -fill blue -opaque red "$work/dots-should.png"
        convert "$work/dots-sees.png" "$work/dots-should.png" -compose darken -composite -trim +repage \
            -strip -colors 64 "$out/camera-dots-$camera-$mapping.png"
    done
    label "$work/should.png" "should be seen"
    # shellcheck disable=SC2086
    convert $row "$work/should.png" +append -resize 75% -strip -colors 128 "$out/camera-view-$camera.png"
done
