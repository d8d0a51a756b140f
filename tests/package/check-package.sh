#!/usr/bin/env bash
# Checks a built kelvane .deb as a lab machine would get it: unpacks it with
# dpkg-deb -x into a temporary folder, compares its files with files.txt, runs
# the unpacked programs, and checks Depends, the icons, the desktop entry, the
# AppStream metadata and lintian's verdict (no errors).
# Run as: check-package.sh PACKAGE.deb BUILD_DIR
set -euo pipefail
deb=$1
build=$2
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
    echo "package check: $*" >&2
    exit 1
}

dpkg-deb -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)
[[ $(basename "$deb") == "kelvane_${version}_amd64.deb" ]] || fail "file name $(basename "$deb")"

# Every file and link, nothing more: a missing page or a stray test program fails.
diff -u "$here/files.txt" <(cd "$root" && find . ! -type d | LC_ALL=C sort) ||
    fail "the package's files differ from files.txt"

# The links in /usr/bin lead to the programs beside their pages, where the
# program looks for them.
for pair in kelvane:Kelvane kelvane-cli:kelvane-cli; do
    [[ $(readlink -f "$root/usr/bin/${pair%%:*}") == "$root/usr/lib/kelvane/${pair#*:}" ]] ||
        fail "usr/bin/${pair%%:*} does not lead to usr/lib/kelvane/${pair#*:}"
done

# One release number everywhere: the package, both programs, the metadata.
[[ $("$root/usr/bin/kelvane-cli" --version) == "kelvane-cli $version" ]] ||
    fail "kelvane-cli --version is not $version"
[[ $("$root/usr/bin/kelvane" --version) == "Kelvane $version" ]] ||
    fail "Kelvane --version is not $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.kelvane.Kelvane.metainfo.xml" ||
    fail "the AppStream release is not $version"
zcat "$root/usr/share/doc/kelvane/changelog.gz" | head -n 1 | grep -q "^kelvane ($version)" ||
    fail "the changelog's release is not $version"

# The stripped, installed companion computes what the build's does.
analysis=(gamma --set PistonThrow=45 --sweep PhaseOffset --memo --series WorkSeries)
packaged=$("$root/usr/bin/kelvane-cli" "${analysis[@]}") || fail "kelvane-cli ${analysis[*]} failed"
[[ -n $packaged && $packaged == "$("$build/bin/kelvane-cli" "${analysis[@]}")" ]] ||
    fail "the packaged kelvane-cli's analysis differs from the build's"

# Depends comes from the linked libraries: Qt's and QCustomPlot's at least.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libqcustomplot2.1-qt6 \
    libc6; do
    grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
for field in Maintainer Section Description; do
    [[ -n $(dpkg-deb -f "$deb" "$field") ]] || fail "no $field"
done

# Each PNG icon is as large as the folder it is in says (width and height in
# the PNG header).
for size in 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/kelvane.png"
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    (((w1 << 24 | w2 << 16 | w3 << 8 | w4) == size && (h1 << 24 | h2 << 16 | h3 << 8 | h4) == size)) ||
        fail "${size}x${size} icon has another size"
done

entry="$root/usr/share/applications/org.kelvane.Kelvane.desktop"
desktop-file-validate "$entry" || fail "desktop entry"
exec_path=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$entry")
[[ $exec_path == /usr/lib/kelvane/Kelvane && -x "$root$exec_path" ]] ||
    fail "desktop entry starts '$exec_path'"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.kelvane.Kelvane.metainfo.xml" >/dev/null ||
    fail "AppStream metadata: $(appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml)"

for page in kelvane kelvane-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man page $page: $warnings"
done
bash -n "$root/usr/share/bash-completion/completions/kelvane-cli" || fail "bash completion"

# lintian: errors fail; the warnings kept are listed in the README.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"
echo "package check: $(basename "$deb") is complete and works"
