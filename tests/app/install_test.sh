#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a desktop finds everything there:
# the programs, the help, the icons, a valid desktop entry and fenlo as the handler of .fnl.
# Exits 77 (skipped) where the desktop tools are not installed.
set -euo pipefail
build_dir=$1

for tool in xdg-mime desktop-file-validate update-desktop-database; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for file in bin/fenlo bin/fenlo-cli share/applications/fenlo.desktop \
            share/mime/packages/fenlo.xml share/icons/hicolor/48x48/apps/fenlo.png \
            share/icons/hicolor/256x256/apps/fenlo.png share/doc/fenlo/help/Fenlo.html; do
    [ -e "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/fenlo.desktop"

# A user with no settings of their own gets the installed entry as the handler.
mkdir -p "$work/config" "$work/data"
default=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_CONFIG_HOME="$work/config" \
          XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$prefix/share" \
          xdg-mime query default application/x-fenlo)
[ "$default" = "fenlo.desktop" ] || { echo "default handler: '$default'"; exit 1; }
echo "installed and registered under $prefix"
