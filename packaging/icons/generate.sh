#!/usr/bin/env bash
# Renders the icon's drawing (quorvel.svg) into the files the build uses and
# that are committed beside it:
#   quorvel-16.png quorvel-32.png quorvel-48.png quorvel-256.png
#       the hicolor theme's sizes and the window's icon;
#   quorvel.ico
#       the program file's icon on Windows: 16, 32 and 48 pixels at 4, 8 and
#       32 bits per pixel, and 256 pixels at 32 bits stored as PNG.
# Needs rsvg-convert (librsvg2-bin), convert (imagemagick) and icotool
# (icoutils). Run it again after changing the drawing and commit the results.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
svg=$here/quorvel.svg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in rsvg-convert convert icotool; do
  command -v "$tool" >/dev/null || { echo "generate.sh: $tool is missing" >&2; exit 1; }
done

for size in 16 32 48 256; do
  rsvg-convert --width "$size" --height "$size" --format png "$svg" -o "$here/quorvel-$size.png"
done

# A palette image keeps only a 1-bit transparency mask, so the alpha channel
# is cut at half and the colours are reduced over the whole square; dithering
# would only add noise at these sizes. PNG32 keeps the file RGBA so icotool
# sees the mask; the palette size decides the bit depth it writes.
reduce() { # size colours output
  convert "$here/quorvel-$1.png" \
    \( +clone -alpha extract -threshold 50% \) \
    \( -clone 0 -alpha off +dither -colors "$2" \) \
    -delete 0 +swap -compose CopyOpacity -composite \
    -define png:exclude-chunks=date,time "PNG32:$3"
}
for size in 16 32 48; do
  reduce "$size" 16 "$work/$size-4.png"
  reduce "$size" 256 "$work/$size-8.png"
done

icotool --create --output="$work/quorvel.ico" \
  --bit-depth=4 "$work/16-4.png" "$work/32-4.png" "$work/48-4.png" \
  --bit-depth=8 "$work/16-8.png" "$work/32-8.png" "$work/48-8.png" \
  --bit-depth=32 "$here/quorvel-16.png" "$here/quorvel-32.png" "$here/quorvel-48.png" \
  --raw="$here/quorvel-256.png"

# Refuse to write an icon that lost an image on the way.
listing=$(icotool --list "$work/quorvel.ico")
for want in "16 4" "32 4" "48 4" "16 8" "32 8" "48 8" "16 32" "32 32" "48 32" "256 32"; do
  read -r size depth <<<"$want"
  grep -q -- "--width=$size --height=$size --bit-depth=$depth " <<<"$listing" || {
    echo "generate.sh: quorvel.ico lacks the ${size}px ${depth}-bit image" >&2
    exit 1
  }
done
[ "$(wc -l <<<"$listing")" -eq 10 ] || { echo "generate.sh: quorvel.ico must hold ten images" >&2; exit 1; }
mv "$work/quorvel.ico" "$here/quorvel.ico"
echo "generate.sh: wrote quorvel-{16,32,48,256}.png and quorvel.ico"
