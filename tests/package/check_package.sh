#!/bin/sh
# Makes the Debian package of the build in $1 and checks it.
#   check_package.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/lumeno-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$work/out/lumeno_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb (made: $(ls "$work/out"))"

info=$(dpkg-deb --info "$deb")
field() { printf '%s\n' "$info" | sed -n "s/^ $1: //p"; }
[ "$(field Package)" = lumeno ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 qt6-qpa-plugins "fonts-wqy-zenhei | fonts-noto-cjk"; do
  case "$depends" in *"$dep"*) ;; *) fail "Depends lacks $dep: $depends" ;; esac
done

contents=$(dpkg-deb --contents "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }')
for path in ./usr/lib/lumeno/lumeno ./usr/lib/lumeno/lumeno-cli \
            ./usr/lib/lumeno/Roruroz.dll ./usr/lib/lumeno/VelFile.dll ./usr/lib/lumeno/VelBirth.dll \
            ./usr/lib/lumeno/dream.dll ./usr/lib/lumeno/Tgcode.dll \
            "./usr/bin/lumeno -> ../lib/lumeno/lumeno" "./usr/bin/lumeno-cli -> ../lib/lumeno/lumeno-cli" \
            ./usr/share/applications/org.example.lumeno.desktop ./usr/share/metainfo/org.example.lumeno.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/lumeno.png ./usr/share/icons/hicolor/256x256/apps/lumeno.png; do
  printf '%s\n' "$contents" | grep -qxF "$path" || fail "missing: $path"
done
# Nothing else under /usr/lib/lumeno: no test programs, no build leftovers.
extra=$(printf '%s\n' "$contents" | grep '^\./usr/lib/lumeno/.' | grep -v -e '/lumeno$' -e '/lumeno-cli$' -e '\.dll$' || true)
[ -z "$extra" ] || fail "unexpected files: $extra"

dpkg-deb -x "$deb" "$work/root"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$work/root/usr/share/applications/org.example.lumeno.desktop" || fail "desktop entry"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.example.lumeno.metainfo.xml" > "$work/as.log" 2>&1 \
    || { cat "$work/as.log"; fail "AppStream metadata"; }
fi
# Started through its link on the path, lumeno-cli finds the databases beside
# its real location.
out=$(cd / && "$work/root/usr/bin/lumeno-cli" strokes 张) || fail "lumeno-cli did not run: $out"
[ "$out" = "$(printf '张\t11')" ] || fail "lumeno-cli strokes gave '$out'"
echo "package: $deb is sound"
