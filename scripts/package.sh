#!/usr/bin/env bash
# Builds the release archive dist/Vorenta-<version>-win64.zip: the stripped
# Vorenta.exe, the Japanese user guide as one HTML file, the licence with the
# notices of the runtime parts linked into the program, and SHA256SUMS.
#
# The same commit gives the same bytes: times come from the commit
# (SOURCE_DATE_EPOCH), the linker writes no time stamp, no build path reaches
# the program, archives and the zip are written deterministically.
#
# VORENTA_RELEASE_BUILD and VORENTA_DIST move the build folder and the output.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${VORENTA_RELEASE_BUILD:-$repo/build/release-win64}
dist=${VORENTA_DIST:-$repo/dist}
python=/usr/bin/python3  # Debian's, which has python3-markdown

bash "$repo/scripts/install-deps.sh"

version=$(sed -n 's/^#define VORENTA_VERSION_TEXT "\(.*\)"$/\1/p' "$repo/src/core/version.h")
[ -n "$version" ] || { echo "package: no VORENTA_VERSION_TEXT in version.h" >&2; exit 1; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$repo" log -1 --format=%ct)}
export TZ=UTC LC_ALL=C

echo "==> building Vorenta.exe $version in $build"
cmake -S "$repo" -B "$build" -G "Unix Makefiles" \
  --toolchain "$repo/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$repo=. -ffile-prefix-map=$build=build -ffunction-sections -fdata-sections" \
  "-DCMAKE_EXE_LINKER_FLAGS=-Wl,--no-insert-timestamp -Wl,--gc-sections" \
  "-DCMAKE_CXX_ARCHIVE_CREATE=<CMAKE_AR> qcD <TARGET> <LINK_FLAGS> <OBJECTS>" \
  "-DCMAKE_CXX_ARCHIVE_APPEND=<CMAKE_AR> qD <TARGET> <LINK_FLAGS> <OBJECTS>" \
  "-DCMAKE_CXX_ARCHIVE_FINISH=<CMAKE_RANLIB> -D <TARGET>" >/dev/null
cmake --build "$build" --target Vorenta -j"$(nproc)"

stage=$build/package/Vorenta-$version
rm -rf "$build/package"
mkdir -p "$stage" "$dist"

cp "$build/Vorenta.exe" "$stage/Vorenta.exe"
x86_64-w64-mingw32-strip --strip-all "$stage/Vorenta.exe"
# A size budget, so that a library feature that drags in large tables is
# noticed when it comes, not at the next release. The mail readers (HTML,
# MIME, the Japanese charsets, Outlook items, compressed RTF), the program's
# own code, took it from under 600 KB to 858 KB.
max_exe_bytes=$((1024 * 1024))
exe_bytes=$(stat -c %s "$stage/Vorenta.exe")
if [ "$exe_bytes" -gt "$max_exe_bytes" ]; then
  echo "package: Vorenta.exe is $exe_bytes bytes, over the budget of $max_exe_bytes" >&2
  exit 1
fi
exe_version=$("$python" "$repo/scripts/release/exe_version.py" "$stage/Vorenta.exe")
if [ "$exe_version" != "$version" ]; then
  echo "package: Vorenta.exe says version $exe_version, version.h $version" >&2
  exit 1
fi
if grep -qF -- "$repo" "$stage/Vorenta.exe" || grep -qF -- "$build" "$stage/Vorenta.exe"; then
  echo "package: a build path is written in Vorenta.exe" >&2
  exit 1
fi

"$python" "$repo/scripts/release/guide_html.py" "$repo/docs/ja/使い方.md" "$stage/README-ja.html"
# Notepad before Windows 10 version 1809 shows LF-only text as one line.
cat "$repo/LICENSE" <(echo) "$repo/packaging/third-party-notices.txt" |
  sed 's/$/\r/' >"$stage/LICENSE.txt"
(cd "$stage" && sha256sum README-ja.html LICENSE.txt Vorenta.exe >SHA256SUMS)

zip=$dist/Vorenta-$version-win64.zip
rm -f "$zip"
"$python" "$repo/scripts/release/make_zip.py" "$zip" "$stage" "$SOURCE_DATE_EPOCH"

echo "==> $zip ($(stat -c %s "$zip") bytes; Vorenta.exe $exe_bytes bytes)"
(cd "$stage" && cat SHA256SUMS)
