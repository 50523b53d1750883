#!/usr/bin/env bash
# What a packager and a player get from `cmake --install` and the .deb.
# usage: install_test.sh BUILD_DIR CHECK   (CHECK: layout desktop appstream
# cli readonly deb unit). Exit 77 (skipped) when a validator is missing.
set -euo pipefail
build=$1
check=$2
id=org.example.velmora.Velmora
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
prefix=$work/usr

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $* (scripts/setup.sh installs it)"; exit 77; }
need() { command -v "$1" >/dev/null || skip "$1 is missing"; }
install_copy() { cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install"; }

case $check in
layout)
  install_copy
  for f in bin/velmora bin/velmora-server bin/velmora-sim bin/velmora-lzrw1 \
           lib/systemd/system/velmora-server@.service \
           share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
           share/icons/hicolor/scalable/apps/$id.svg share/man/man6/velmora.6.gz \
           share/doc/velmora/copyright share/doc/velmora/README.md \
           share/velmora/translations/velmora_de.qm share/velmora/translations/velmora_es.qm; do
    [ -f "$prefix/$f" ] || fail "missing $f"
  done
  for size in 16 24 32 48 64 128 256 512; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "missing ${size}px icon"
    # The PNG header holds width and height at bytes 16..23.
    dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ')
    [ "$dims" = " 0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ] ||
      fail "${size}px icon is not ${size}x${size}: $dims"
  done
  [ -x "$prefix/bin/velmora" ] || fail "velmora is not executable"
  # The modules the game loads when first needed: sound, and the router's.
  for module in velmora-sound velmora-router; do
    compgen -G "$prefix/lib*/velmora/$module.so" >/dev/null || compgen -G "$prefix/lib/*/velmora/$module.so" >/dev/null ||
      fail "missing module $module"
  done
  zcat "$prefix/share/man/man6/velmora.6.gz" | grep -q '^\.TH VELMORA 6' || fail "man page header"
  grep -qx 'Categories=Game;CardGame;' "$prefix/share/applications/$id.desktop" || fail "categories"
  grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "icon name"
  # Every screenshot the AppStream data names is one the repository keeps.
  shots=$(dirname "$0")/../../packaging/screenshots
  for url in $(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$prefix/share/metainfo/$id.metainfo.xml"); do
    [ -f "$shots/$(basename "$url")" ] || fail "no screenshot for $url"
  done
  ;;
desktop)
  need desktop-file-validate
  install_copy
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
  ;;
appstream)
  need appstreamcli
  install_copy
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo"
  ;;
cli)
  install_copy
  for prog in velmora velmora-sim velmora-lzrw1; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE LC_ALL=C "$prefix/bin/$prog" --help) || fail "$prog --help exit $?"
    grep -qi usage <<<"$out" || fail "$prog --help says no usage"
    [ "$(env -u DISPLAY "$prefix/bin/$prog" --version)" = "$prog 1.0.0" ] || fail "$prog --version"
    set +e
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE LC_ALL=C "$prefix/bin/$prog" --no-such-option 2>&1 >/dev/null)
    rc=$?
    set -e
    [ $rc -eq 2 ] || fail "$prog with an unknown option: exit $rc, not 2"
    grep -q -- "--no-such-option" <<<"$err" || fail "$prog does not name the unknown option: $err"
  done
  # The installed copy finds its translations.
  LANGUAGE=es LC_ALL=C.UTF-8 "$prefix/bin/velmora" --help | grep -q '^Uso: velmora' || fail "velmora --help in Spanish"
  ;;
readonly)
  install_copy
  chmod -R a-w "$prefix"
  before=$(cd "$prefix" && find . | sort)
  home=$work/home
  mkdir -p "$home/run" && chmod 700 "$home/run"
  env -u VELMORA_FILES_DIR -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$home/run" \
    QT_QPA_PLATFORM=offscreen "$prefix/bin/velmora" --port 0 >"$work/run.log" 2>&1 &
  pid=$!
  # The window finds its settings file's place while it is being built: the
  # XDG folder appearing shows where it went. SIGTERM then closes the window
  # as a logout would.
  for _ in $(seq 300); do
    [ -d "$home/.config/velmora" ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  kill -TERM $pid 2>/dev/null || true
  rc=0
  wait $pid || rc=$?
  [ -d "$home/.config/velmora" ] || { cat "$work/run.log"; fail "the installed copy did not use the XDG folder"; }
  [ $rc -eq 0 ] || { cat "$work/run.log"; fail "SIGTERM did not end the game cleanly (exit $rc)"; }
  after=$(cd "$prefix" && find . | sort)
  [ "$before" = "$after" ] || fail "the installed copy wrote beside itself: $(diff <(echo "$before") <(echo "$after"))"
  ;;
deb)
  need dpkg-deb
  need dpkg-shlibdeps
  (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack"; }
  deb=$(ls "$work"/pkg/velmora_*.deb)
  info=$(dpkg-deb -I "$deb")
  grep -q '^ Package: velmora$' <<<"$info" || fail "package name"
  grep -q '^ Section: games$' <<<"$info" || fail "section"
  depends=$(grep '^ Depends:' <<<"$info") || fail "no Depends"
  for lib in libqt6core6 libqt6widgets6 libqt6network6 libqt6multimedia6 libc6 libstdc++6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
  done
  # apt resolves the package's dependencies (a dry run, nothing installed).
  if command -v apt-get >/dev/null; then
    apt-get install -s "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt cannot install $deb"; }
  fi
  contents=$(dpkg-deb -c "$deb")
  for f in ./usr/bin/velmora ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
           ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/man/man6/velmora.6.gz; do
    grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
  done
  ;;
unit)
  # The dedicated server's template unit, as an instance for port 7772,
  # pointed at the copy just installed. Warnings count as failures.
  need systemd-analyze
  install_copy
  unit=$work/velmora-server@7772.service
  sed "s|ExecStart=[^ ]*|ExecStart=$prefix/bin/velmora-server|" \
    "$prefix/lib/systemd/system/velmora-server@.service" >"$unit"
  grep -q "^ExecStart=$prefix/bin/velmora-server --port %i" "$unit" || fail "unexpected ExecStart"
  systemd-analyze verify --man=no "$unit" >"$work/verify.log" 2>&1 || fail "verify: $(cat "$work/verify.log")"
  [ -s "$work/verify.log" ] && fail "verify warned: $(cat "$work/verify.log")"
  "$prefix/bin/velmora-server" --version | grep -q "^velmora-server " || fail "velmora-server --version"
  ;;
*) fail "unknown check $check" ;;
esac
echo "ok: $check"
