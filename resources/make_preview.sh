#!/usr/bin/env bash
# Makes preview.jpg, the 152 x 112 still the host shows in the display settings' preview area,
# from a frame rendered by the renderer's own flake system (make_preview, native build).
#   resources/make_preview.sh build/native/bin/make_preview
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# Mesa keeps driver state until exit; a sanitizer build of the tool must not fail over it.
export ASAN_OPTIONS=detect_leaks=0
frame=$(mktemp --suffix=.ppm)
trap 'rm -f "$frame"' EXIT
"$1" "$here/snow_flake.bmp" "$frame"
convert "$frame" -gravity center -crop 50%x50%+0+0 +repage -filter Box -resize 152x112! -strip -quality 92 -sampling-factor 1x1 \
  "$here/preview.jpg"
