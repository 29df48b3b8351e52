#!/bin/sh
# installed_game_test.sh prefix|deb BUILD SOURCE
# prefix: `cmake --install` into a temporary prefix; deb: the package of
# scripts/package.sh unpacked into a temporary root. Either way the tree is
# made read-only and the game, started from another folder by a user other
# than its owner, plays a short replay with a private HOME: its options,
# keys and log must land in the XDG folders and nothing under the prefix.
set -eu
mode=$1 build=$2 source=$3
work=$(mktemp -d "/tmp/corralon install.XXXXXX")
chmod 755 "$work"  # the player (nobody, under root) walks through it
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$mode" = prefix ]; then
  prefix="$work/prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null
else
  command -v dpkg-deb >/dev/null || { echo "no dpkg-deb"; exit 77; }
  deb=$("$source/scripts/package.sh" "$build" 2>"$work/package.log") || { cat "$work/package.log"; fail "package.sh"; }
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KB, Depends: $depends"
  echo "$depends" | grep -q 'libsdl2-2.0-0' || fail "SDL2 is not among the dependencies"
  dpkg-deb -x "$deb" "$work/root"
  prefix="$work/root/usr"
fi

for f in bin/corralon bin/quillet bin/qvl bin/corralon-viewer bin/corralon-rendercheck \
         lib/corralon/Headless.so lib/corralon/Bichos/rana.so share/corralon/installed.txt \
         share/applications/corralon.desktop share/applications/quillet.desktop \
         share/icons/hicolor/256x256/apps/corralon.png share/icons/hicolor/48x48/apps/quillet.png; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
for entry in corralon quillet; do
  program=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$entry.desktop")
  [ -x "$prefix/bin/$program" ] || fail "$entry.desktop starts $program, which is not installed"
done

# Root ignores permissions: the game then runs as nobody.
as_player=""
if [ "$(id -u)" -eq 0 ]; then
  as_player="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi
chmod -R a-w "$prefix"
mkdir -p "$work/home/.config/corralon" "$work/start" "$work/xdg"
# The player's own cfg file is read before the installed one.
printf '[dll]\ndll = Headless.dll\n' >"$work/home/.config/corralon/motorcfg.txt"
# Past the intro, then idle until the menu starts a demo fight (its
# behaviours come from the plug-in folder).
printf '0.05 *20\n0.05 +ESCAPE\n0.05 -ESCAPE\n0.05 *600\n' >"$work/start/demo.txt"
printf '0.05 *20\n' >"$work/start/intro.txt"
chmod -R a+rwX "$work/home" "$work/start" "$work/xdg"
touch "$work/before"

play() {  # play HOME SESSION [VARIABLE=VALUE...]: the installed game, started in $work/start
  home=$1 session=$2
  shift 2
  (cd "$work/start" && env -u XDG_CONFIG_HOME -u XDG_STATE_HOME HOME="$home" \
     SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy CORRALON_REPLAY="$session" \
     CORRALON_HEADLESS_TEXTURE_COUNT=1 "$@" \
     timeout 60 $as_player "$prefix/bin/corralon") 2>"$work/stderr"
}
play "$work/home" demo.txt || { status=$?; cat "$work/stderr"; fail "the game ended with status $status"; }
config="$work/home/.config/corralon" state="$work/home/.local/state/corralon"
[ "$(wc -c <"$config/config.cfg")" -eq 10 ] || fail "no options in $config"
[ "$(wc -c <"$config/tecladoDI.cfg")" -eq 20 ] || fail "no keys in $config"
grep -q 'Fin del log' "$state/log.txt" || fail "no closed log in $state"
grep -q 'Texturas en memoria' "$state/log.txt" || fail "the player's motorcfg.txt was not read first"
grep -q 'Acciones iniciadas Bichos' "$state/log.txt" || fail "no behaviour was loaded"
written=$(find "$prefix" -newer "$work/before")
[ -z "$written" ] || fail "written under the prefix: $written"

# XDG_CONFIG_HOME is followed (so the player's motorcfg.txt is not seen and
# Krellin draws); a screenshot goes to the pictures folder.
play "$work/home" intro.txt XDG_CONFIG_HOME="$work/xdg" CORRALON_SCREENSHOT_PRESENTS=2 ||
  { status=$?; cat "$work/stderr"; fail "the game ended with status $status"; }
[ -f "$work/xdg/corralon/config.cfg" ] || fail "XDG_CONFIG_HOME was not followed"
[ -f "$work/home/Pictures/Corralon/krellin0001.png" ] || fail "no screenshot in the pictures folder"

# A home where no folder can be made: the game plays on and says why.
play /proc/no-home intro.txt || { cat "$work/stderr"; fail "the game stopped without a home"; }
grep -q 'No se puede crear' "$work/stderr" || fail "the missing folders went unreported"

# The program alone, without its data, says so and fails.
mkdir "$work/alone"
cp "$prefix/bin/corralon" "$work/alone/"
if "$work/alone/corralon" 2>"$work/stderr"; then fail "started without data"; fi
grep -q 'datos' "$work/stderr" || fail "no word about the missing data"
echo "ok: $mode"
