#!/usr/bin/env bash
# Regenerates the pictures in this folder from their drawings in src/.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert; the build does not:
# the generated files are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# render SVG PNG [WIDTH HEIGHT]: draws an SVG at its own size or the one given.
render() {
  if (($# == 4)); then
    rsvg-convert -w "$3" -h "$4" "$1" -o "$2"
  else
    rsvg-convert "$1" -o "$2"
  fi
}

# Pictures on an opaque background, as JPEG and GIF.
render src/logo.svg "$work/logo.png" 78 86
convert "$work/logo.png" -background '#cccccc' -flatten -strip -quality 95 logo.jpg

render src/emblem.svg "$work/emblem.png" 74 82
convert "$work/emblem.png" -background white -flatten -strip -quality 95 emblem.jpg

render src/splash.svg "$work/splash.png" 500 304
convert "$work/splash.png" -background white -flatten -strip +dither -colors 256 splash.gif

# Button pictures: a 16-colour look with hard transparent edges, and a greyed
# copy for the disabled state (grey shape with a light relief, as old toolkits drew it).
for button in btn-abre-arquivos btn-abre-arquivo btn-resultado; do
  render "src/$button.svg" "$work/$button.png" 20 20
  convert "$work/$button.png" -channel A -threshold 50% +channel \
    +dither -colors 16 -strip "PNG32:$button.png"
  convert "$button.png" -alpha extract -threshold 50% "$work/mask.png"
  convert "$button.png" -colorspace Gray -level 0%,80% -fill '#808080' \
    -fuzz 45% -opaque black "$work/grey.png"
  convert "$work/grey.png" -fill '#a0a0a0' -colorize 30% "$work/grey.png"
  convert -size 20x20 xc:none \
    \( -size 20x20 xc:white "$work/mask.png" -alpha off -compose CopyOpacity -composite \
       -geometry +1+1 \) -compose Over -composite \
    \( "$work/grey.png" "$work/mask.png" -alpha off -compose CopyOpacity -composite \) \
    -compose Over -composite +dither -colors 16 -strip "PNG32:$button-disabled.png"
done

# Application icon for the desktop entry.
cp src/validador-icon.svg validador.svg
render src/validador-icon.svg validador.png 256 256
# The same icon for the Windows executables, at the sizes Explorer shows.
convert validador.png -define icon:auto-resize=256,48,32,16 validador.ico

echo "make-assets: pictures regenerated in $(pwd)"
