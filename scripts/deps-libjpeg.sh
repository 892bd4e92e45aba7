#!/usr/bin/env bash
# Builds libjpeg-turbo as a static mingw-w64 library from Debian's source
# package, once, into build/deps/mingw. A private apt configuration derives
# the deb-src entries from the machine's own sources, so the system's apt
# setup is never touched.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deps="$root/build/deps"
prefix="$deps/mingw"
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

apt_dir="$deps/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts" "$deps/src"
found=0
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  sed 's/^Types: deb$/Types: deb-src/' "$f" > "$apt_dir/parts/$(basename "$f")"
  found=1
done
if [ -f /etc/apt/sources.list ]; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > "$apt_dir/parts/main.list"
  found=1
fi
[ "$found" = 1 ] || { echo "deps: no apt sources found to derive deb-src entries from" >&2; exit 1; }

opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/parts"
      -o "Dir::State::Lists=$apt_dir/lists")
if ! ls "$deps"/src/libjpeg-turbo_*.orig.tar.* >/dev/null 2>&1; then
  apt-get "${opts[@]}" update -q >/dev/null
  (cd "$deps/src" && apt-get "${opts[@]}" source --download-only libjpeg-turbo >/dev/null 2>&1)
fi

work="$deps/libjpeg-build"
rm -rf "$work" && mkdir -p "$work"
tar -xf "$(ls "$deps"/src/libjpeg-turbo_*.orig.tar.* | head -n 1)" -C "$work"
srcdir="$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)"
cmake -S "$srcdir" -B "$work/out" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
  -DWITH_JPEG8=OFF -DREQUIRE_SIMD=OFF >"$work/configure.log" 2>&1
cmake --build "$work/out" --target install >"$work/build.log" 2>&1
rm -rf "$work"
echo "deps: libjpeg built into $prefix"
