#!/bin/sh
# Draws the side-by-side pictures of docs/: for the default and a steep camera, what the
# camera sees of the printed page (quorvane-cli simulate) beside what it should see
# (generate --composite), for each mapping the build offers. Needs ImageMagick's convert.
# Usage: scripts/camera-view-pictures.sh BUILD_BIN OUT_DIR [MAPPING...]
set -eu
bin=$1
out=$2
shift 2
mappings=${*:-bilinear}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
view="--view 640x480"
for camera in default steep; do
    case $camera in
    default) options="" ;;
    steep) options="--height 20 --distance 100 --fov 25 --angle 20" ;;
    esac
    row=""
    for mapping in $mappings; do
        choice=""
        [ "$mapping" = bilinear ] || choice="--mapping=$mapping"
        # shellcheck disable=SC2086
        "$bin/quorvane-cli" generate -o "$work/page.png" --composite "$work/should.png" $view $options $choice
        # shellcheck disable=SC2086
        "$bin/quorvane-cli" simulate "$work/page.png" -o "$work/sees-$mapping.png" $view $options
        convert "$work/sees-$mapping.png" -gravity north -pointsize 18 -annotate +0+6 "$mapping: seen" \
            "$work/sees-$mapping.png"
        row="$row $work/sees-$mapping.png"
    done
    convert "$work/should.png" -gravity north -pointsize 18 -annotate +0+6 "should be seen" "$work/should.png"
    # shellcheck disable=SC2086
    convert $row "$work/should.png" +append -resize 75% -strip -colors 128 "$out/camera-view-$camera.png"
done
