#!/usr/bin/env bash
# The Debian package of the build: its control fields, dependencies read from the linked
# libraries, exactly the files of the install under /usr, no maintainer scripts (the triggers of
# desktop-file-utils and shared-mime-info register the desktop entry and the .fnl type), and
# not a single lintian error. Exits 77 (skipped) where the packaging tools are not installed.
#   package_test.sh BUILD-DIR
set -euo pipefail
build_dir=$1
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/fenlo_*.deb)
status=0
field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
    [ "$(field "$1")" = "$2" ] || { echo "$1 is '$(field "$1")', expected '$2'"; status=1; }
}
expect_field Package fenlo
expect_field Version 3.1
expect_field Architecture "$(dpkg --print-architecture)"
expect_field Section misc
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    field Depends | grep -q "\b$library (>= " || { echo "Depends lacks $library: $(field Depends)"; status=1; }
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sed 's#^\./##' | sort)
expected=$(sort <<EOF_FILES
usr/bin/fenlo
usr/bin/fenlo-cli
usr/share/applications/fenlo.desktop
usr/share/bash-completion/completions/fenlo-cli
usr/share/doc/fenlo/changelog.gz
usr/share/doc/fenlo/copyright
$(for page in Fenlo betsu csv csvin file hajimeni hyouji kyuudata kyuuyu maker memo shamei sousa tukibetu; do
    echo "usr/share/doc/fenlo/help/$page.html"; done)
$(for size in 16 22 24 32 48 64 128 256; do echo "usr/share/icons/hicolor/${size}x$size/apps/fenlo.png"; done)
usr/share/man/ja/man1/fenlo-cli.1.gz
usr/share/man/ja/man1/fenlo.1.gz
usr/share/man/man1/fenlo-cli.1.gz
usr/share/man/man1/fenlo.1.gz
usr/share/metainfo/io.github.fenlo.metainfo.xml
usr/share/mime/packages/fenlo.xml
EOF_FILES
)
if [ "$files" != "$expected" ]; then
    echo "files of the package differ:"; diff <(echo "$expected") <(echo "$files") || true; status=1
fi
dpkg-deb -c "$deb" | awk '$2 != "root/root" {print "not owned by root:", $6}' | grep . && status=1

mkdir "$work/control"
dpkg-deb -e "$deb" "$work/control"
for script in preinst postinst prerm postrm; do
    [ ! -e "$work/control/$script" ] || { echo "unexpected maintainer script $script"; status=1; }
done

lintian_out=$(lintian --no-tag-display-limit "$deb" 2>&1 || true)
echo "$lintian_out"
grep -q '^E: ' <<<"$lintian_out" && { echo "lintian reports errors"; status=1; }
exit $status
