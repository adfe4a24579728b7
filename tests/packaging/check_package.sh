#!/usr/bin/env bash
# Installs the release build into a temporary prefix and checks what a desktop needs: the file set,
# the desktop entry and AppStream data, and that the launcher started from another folder finds
# the data; then builds the .deb and checks its contents and dependencies.
# Usage: check_package.sh SOURCE_DIR RELEASE_BUILD_DIR
set -euo pipefail
source_dir=$1
build=$2
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expected_files() {
  local id=example.tickwell.Tickwell
  printf '%s\n' usr/bin/tickwell usr/libexec/tickwell/tickwell \
    "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
    usr/share/tickwell/data/{dingoff,dingon,metrooff,metroon,stickoff,stickon}.wav \
    usr/share/tickwell/data/speaker{off,on}.png
  for size in 16 32 48 256; do echo "usr/share/icons/hicolor/${size}x${size}/apps/$id.png"; done
}

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
diff <(expected_files | sort) <(cd "$work/root" && find . -type f | sed 's|^\./||' | sort) ||
  fail "the installed files differ from the expected set"

desktop-file-validate "$work"/root/usr/share/applications/*.desktop || fail "desktop entry"
grep -qx 'Path=/usr/share/tickwell' "$work"/root/usr/share/applications/*.desktop || fail "desktop entry's folder"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.xml || fail "AppStream metainfo"

# The launcher, run from an unrelated folder, must start the program beside the installed data:
# the indicator then shows the silent speaker picture's own pixels.
display=:$((150 + RANDOM % 30))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp 2>/dev/null &
sleep 1
mkdir "$work/elsewhere"
(cd "$work/elsewhere" && PULSE_SERVER=unix:/nonexistent DISPLAY=$display "$work/root/usr/bin/tickwell") &
launched=$!
pixel() { convert "$1" -crop 1x1+"$2"+"$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
want=$(pixel "$source_dir/data/speakeroff.png" 6 16)
got=""
for _ in $(seq 50); do
  sleep 0.2
  DISPLAY=$display import -window root -crop 1x1+$((200 + 15 + 6))+$((200 + 246 + 16)) +repage "$work/shot.png" 2>/dev/null || continue
  got=$(pixel "$work/shot.png" 0 0)
  [ "$got" = "$want" ] && break
done
kill $launched 2>/dev/null || true
[ "$got" = "$want" ] || fail "the launched program shows $got where the speaker picture has $want"

(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack"
deb=$(ls "$build"/tickwell_*_amd64.deb)
dpkg-deb -x "$deb" "$work/unpacked"
diff <(expected_files | sort) <(cd "$work/unpacked" && find . -type f | sed 's|^\./||' | sort) ||
  fail "the package's files differ from the expected set"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libportaudio2 libsamplerate0 libpng16-16 libasound2; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
if grep -q asan <<<"$depends"; then fail "a sanitizer build was packaged"; fi
echo "package and install: ok"
