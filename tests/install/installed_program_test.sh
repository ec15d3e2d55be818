#!/usr/bin/env bash
# Installs the build into a temporary prefix, makes the installed tree
# read-only and runs the installed programs as a user would: nothing may be
# written into the installed tree, and what the program writes (the language
# choice) lands in the user's data folder and is read back by the next start.
#   installed_program_test.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
cleanup() { chmod -R u+w "$tmp" 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT

prefix=$tmp/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
touch "$tmp/stamp"
sleep 1

export HOME=$tmp/home XDG_DATA_HOME=$tmp/home/.local/share XDG_RUNTIME_DIR=$tmp/run
export XDG_CONFIG_HOME=$tmp/home/.config QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
user=$XDG_DATA_HOME/Mienlore
# In the sanitizer build: Qt WebEngine's own library frees some objects with
# a mismatched size, which is not ours to fix (the test programs say the same).
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}new_delete_type_mismatch=0"

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -L "$prefix/bin/mienlore" ] || fail "bin/mienlore is not a link"
version=$("$prefix/bin/mienlore-cli" --version)
[ "$version" = "Mienlore, version 1.831" ] || fail "version: $version"
# The program answers --version and --help without a display.
version=$(QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY= "$prefix/bin/mienlore" --version)
[ "$version" = "Mienlore, version 1.831" ] || fail "program version: $version"
QT_QPA_PLATFORM= DISPLAY= "$prefix/bin/mienlore" --help | grep -q "^usage: mienlore" ||
  fail "program help"
[ -f "$prefix/lib/mienlore/Lang/german.lng" ] || fail "no language files installed"
[ -f "$prefix/lib/mienlore/FaceArt/11000.bmp" ] || fail "no feature pictures installed"
[ -f "$prefix/share/applications/lab.orvanta.Mienlore.desktop" ] || fail "no desktop file"
[ -f "$prefix/share/icons/hicolor/256x256/apps/lab.orvanta.Mienlore.png" ] || fail "no icon"

# The desktop files follow the freedesktop rules.
desktop-file-validate "$prefix/share/applications/lab.orvanta.Mienlore.desktop" ||
  fail "desktop file"
appstreamcli validate --no-net "$prefix/share/metainfo/lab.orvanta.Mienlore.metainfo.xml" \
  >/dev/null || fail "metainfo file"
xmllint_ok=$(grep -c '<glob pattern="\*\.phy"/>' "$prefix/share/mime/packages/mienlore.xml")
[ "$xmllint_ok" = 1 ] || fail "the face list type is not declared"

# The shipped gallery and the stand-in picture of a face without portrait.
portraits=$("$prefix/bin/mienlore-cli" gallery | grep -c '"position"' || true)
[ "$portraits" -ge 400 ] || fail "the shipped gallery holds $portraits portraits"
[ -f "$prefix/lib/mienlore/no-picture.jpg" ] || fail "no no-picture.jpg"

# Choosing a language persists in the user's folder.
"$prefix/bin/mienlore-cli" lang german.lng >/dev/null || fail "cannot choose German"
[ -f "$user/lang.lng" ] || fail "the language choice is not in $user"
current=$("$prefix/bin/mienlore-cli" lang | grep '^\*' || true)
case "$current" in *Deutsch*) ;; *) fail "German is not current after a restart: $current" ;; esac

# The program starts from the read-only tree and shows its window (a loaded
# machine may take seconds to show it, hence the generous time).
"$prefix/bin/mienlore" --page text --screenshot "$tmp/shot.png" --quit-after 15000 >/dev/null \
  2>"$tmp/err" || { cat "$tmp/err" >&2; fail "the installed program did not run"; }
[ -s "$tmp/shot.png" ] || fail "no screenshot was written"
# The Text page writes its document, with its style sheets, to the user's folder.
[ -s "$user/Text/text.htm" ] || fail "the Text page did not write $user/Text/text.htm"
ls "$user/Text/"*.css >/dev/null 2>&1 || fail "no style sheet beside the user's text.htm"

# The reports from the read-only tree: the web report beside its installed
# page, and the printed report as a PDF.
"$prefix/bin/mienlore-cli" report --html "$tmp/report" new >/dev/null || fail "no web report"
[ -s "$tmp/report/face.htm" ] && [ -s "$tmp/report/result.js" ] || fail "web report incomplete"
"$prefix/bin/mienlore" --export-pdf "$tmp/report.pdf" 2>"$tmp/err" ||
  { cat "$tmp/err" >&2; fail "no PDF report"; }
head -c 5 "$tmp/report.pdf" | grep -q '%PDF-' || fail "the PDF report is not a PDF"

written=$(find "$prefix" -newer "$tmp/stamp" | head -5)
[ -z "$written" ] || fail "files written into the installed tree: $written"
echo "installed program: ok"
