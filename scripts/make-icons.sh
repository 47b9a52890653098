#!/bin/sh
# Renders the PNG icons installed beside the scalable one (needs rsvg-convert,
# from librsvg2-bin): the small design up to 24 pixels, the full one above.
set -eu
cd "$(dirname "$0")/../desktop"
mkdir -p icons
for size in 16 22 24; do
    rsvg-convert -w $size -h $size veldoran-small.svg -o icons/veldoran-$size.png
done
for size in 32 48 64 128 256; do
    rsvg-convert -w $size -h $size veldoran.svg -o icons/veldoran-$size.png
done
