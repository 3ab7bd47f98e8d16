#!/usr/bin/env bash
# Installs into a temporary prefix and checks the tree: the program folder holds the program and
# every file it reads beside itself, games/ links to it, the desktop entry and metainfo validate
# (pedantically), and the icon is there at every size.
#   check-tree.sh BUILD_DIR SOURCE_DIR
source "$(dirname "$0")/installed.sh"
source_dir="$2"
id=org.varnholt.Slots

[ -x "$programDir/varnholt-slots" ] || fail "no program in $programDir"
[ -x "$programDir/varnholt-slots-music" ] || fail "no music renderer in $programDir"
# The History window is a module the game loads from beside itself; it names its interface.
module="$programDir/modules/varnholt-slots-history.so"
if [ ! -f "$module" ]; then
  fail "no History window module in $programDir/modules"
else
  nm -D --defined-only "$module" | grep -w varnholtHistoryModuleVersion >/dev/null ||
    fail "the History window module does not say which version it is"
fi
for f in "$source_dir"/assets/beside/*; do
  [ -f "$programDir/$(basename "$f")" ] || fail "$(basename "$f") is not beside the program"
done
while read -r name; do
  [ -z "$name" ] || [ -f "$programDir/$name" ] || fail "registered file $name is not beside the program"
done < "$build/desktop/beside-files.txt"

link="$prefix/games/varnholt-slots"
[ -L "$link" ] || fail "games/varnholt-slots is not a link"
case "$(readlink "$link")" in /*) fail "games/varnholt-slots is an absolute link" ;; esac
[ "$(readlink -f "$link")" = "$(readlink -f "$programDir/varnholt-slots")" ] || fail "games/varnholt-slots does not lead to the program"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo does not validate"
gzip -t "$prefix/share/man/man6/varnholt-slots.6.gz" || fail "no compressed manual page"
# Every language of the one list: catalogue and manual beside the program, manual page, desktop entry.
while read -r language; do
  [ -n "$language" ] || continue
  gzip -t "$prefix/share/man/$language/man6/varnholt-slots.6.gz" || fail "no compressed $language manual page"
  [ -s "$programDir/varnholt-slots_$language.qm" ] || fail "no $language catalogue"
  [ -s "$programDir/varnholt-slots.$language.hlp" ] || fail "no $language manual"
  grep -q "^Comment\[$language\]=" "$prefix/share/applications/$id.desktop" || fail "desktop entry has no $language comment"
done < "$source_dir/translations/LINGUAS"

icons="$prefix/share/icons/hicolor"
[ -s "$icons/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
  png="$icons/${size}x$size/apps/$id.png"
  if [ ! -f "$png" ]; then fail "no $size px icon"; continue; fi
  # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$w $h" = "$size $size" ] || fail "$size px icon is $w x $h"
done
exit $((failures > 0))
