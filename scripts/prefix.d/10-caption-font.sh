#!/usr/bin/env bash
# Wine draws the caption buttons' glyphs with its Marlett font. Debian's Wine looks for its own
# fonts in /usr/share/fonts, while fonts-wine keeps them in /usr/share/wine/fonts, so the title
# bars show "0 1 r"; the prefix's Fonts folder, which Wine always reads, gets a copy.
set -eu
font=/usr/share/wine/fonts/marlett.ttf
[ -f "$font" ] || { echo "warning: $font missing (fonts-wine); caption buttons show letters" >&2; exit 0; }
cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
