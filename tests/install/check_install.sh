#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under a prefix of its own and
# proves the installed copy works on its own: the installed maltwise-db
# makes the sample recipes and a data database, recalculates a recipe and
# renders a report from the layouts in the installed share folder (the build
# tree is not where the installed program looks), and the desktop entry and
# AppStream metainfo are valid.
#   check_install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix=/opt/maltwise-check
app_id=com.example.maltwise.calculator

work="$(mktemp -d /tmp/maltwise-install.XXXXXX)"
trap 'rm -rf "$work"' EXIT
root="$work/root"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"

fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix "$prefix" >"$work/install.log" \
  || { cat "$work/install.log" >&2; fail "cmake --install"; }
installed="$root$prefix"

for f in bin/maltwise bin/maltwise-db \
         share/maltwise-calculator/tips.txt share/maltwise-calculator/credits.txt \
         share/maltwise-calculator/help/contexts.txt \
         share/maltwise-calculator/grid/GWIngredients.gws share/maltwise-calculator/grid/GWTargetStyle.gws \
         share/maltwise-calculator/reports/Recipe.rpt share/maltwise-calculator/reports/Hops.rpt \
         "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$app_id.svg" \
         share/man/man1/maltwise.1.gz share/man/man1/maltwise-db.1.gz; do
  [ -s "$installed/$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -s "$installed/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no ${size}px icon"
done
echo "installed into $installed"

# The installed programs, run from a folder of their own with nothing of
# the build tree beside them.
db="$installed/bin/maltwise-db"
cd "$work"
"$db" --help | grep -q "create-samples" || fail "maltwise-db --help"
"$db" create-samples "$work/recipes.mdb" | grep -q "created" || fail "create-samples"
"$db" create-data "$work/data.mdb" >/dev/null || fail "create-data"
[ "$("$db" check "$work/recipes.mdb")" = recipe ] || fail "check of the sample recipes"
"$db" log "$work/recipes.mdb" >"$work/log.txt" || fail "log"
[ "$(wc -l <"$work/log.txt")" -eq 9 ] || fail "log lists $(($(wc -l <"$work/log.txt") - 1)) recipes, not 8"
"$db" recalc "$work/recipes.mdb" --batch 6 --data "$work/data.mdb" --json >"$work/recalc.json" \
  || fail "recalc"
grep -q '"original_gravity"' "$work/recalc.json" || fail "recalc printed no original gravity"
grep -q '"ibu"' "$work/recalc.json" || fail "recalc printed no bitterness"
# A report is laid out by an .rpt file: only the installed share folder has them.
"$db" report Recipe "$work/recipes.mdb" --data "$work/data.mdb" --batch 6 --pdf "$work/recipe.pdf" \
  || fail "report Recipe from the installed layouts"
head -c 5 "$work/recipe.pdf" | grep -q '%PDF-' || fail "report Recipe wrote no PDF"
echo "the installed maltwise-db made, recalculated and printed the sample recipes"

# The installed desktop program starts and finds its files too.
"$installed/bin/maltwise" --screenshots "$work/shots" >"$work/shots.log" 2>&1 \
  || { tail -20 "$work/shots.log" >&2; fail "the installed maltwise --screenshots"; }
[ -s "$work/shots/tip-of-the-day.png" ] && [ -s "$work/shots/help-viewer.png" ] \
  || fail "the installed maltwise drew no tip or help window"
grep -q "^message:" "$work/shots.log" && { grep "^message:" "$work/shots.log" >&2; fail "the installed maltwise showed a message"; }

desktop-file-validate "$installed/share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$installed/share/metainfo/$app_id.metainfo.xml" \
  || fail "appstreamcli validate"
grep -q "^Exec=maltwise" "$installed/share/applications/$app_id.desktop" || fail "Exec"
