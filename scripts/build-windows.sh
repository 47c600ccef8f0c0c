#!/usr/bin/env bash
# Cross-builds Tolvar for 64-bit Windows on Debian 12 and packs
# build-windows/tolvar-VERSION-windows-x64.zip and, from the same files, the
# setup program build-windows/tolvar-VERSION-windows-x64-setup.exe.
#
# Qt for Windows is built once from Debian's own qt6-base source into a cache
# outside the work tree (TOLVAR_QT_WINDOWS, default below) and reused after.
# The first build takes long; it runs at the lowest CPU priority.
#
#   scripts/build-windows.sh            everything: tools, Qt cache, Tolvar and
#                                       its tests, zip, setup program
#   scripts/build-windows.sh --qt-only  only the tools and the Qt cache
#
# TOLVAR_WERROR=ON turns warnings into errors, as CI wants.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
root=$PWD

triple=x86_64-w64-mingw32
qt_version=6.4.2
qt_prefix=${TOLVAR_QT_WINDOWS:-/var/cache/tolvar/qt6-mingw}
qt_work=${qt_prefix}-build
qt_stamp=$qt_prefix/tolvar-qt-complete
host_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake
gtest_prefix=${qt_prefix%/*}/googletest-mingw
build=$root/build-windows
jobs=${TOLVAR_JOBS:-2}
nice=(nice -n 19)

log() { echo "build-windows: $*" >&2; }
trap 'log "failed: line $LINENO: $BASH_COMMAND"' ERR

install_tools() {
  scripts/install-deps.sh g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 dpkg-dev \
    ninja-build qt6-base-dev-tools zip librsvg2-bin fonts-dejavu-extra nsis cmark x11-utils
}

# Adds deb-src lines for the archives the machine already uses.
add_deb_src() {
  local deb822=/etc/apt/sources.list.d/debian.sources
  local target=/etc/apt/sources.list.d/tolvar-deb-src
  if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return
  fi
  log "adding deb-src entries"
  if [[ -f $deb822 ]]; then
    sed -E 's/^Types:.*/Types: deb-src/' "$deb822" >"$target.sources"
  else
    sed -nE 's/^deb (.*)/deb-src \1/p' /etc/apt/sources.list >"$target.list"
  fi
  apt-get update -qq
}

fetch_qt_source() {
  local src
  mkdir -p "$qt_work"
  src=$(find "$qt_work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)
  if [[ -z $src ]]; then
    add_deb_src
    local version
    version=$(apt-cache showsrc qt6-base | sed -nE "s/^Version: ($qt_version.*)/\1/p" | head -n1)
    [[ -n $version ]] || { log "no qt6-base $qt_version source package"; exit 1; }
    (cd "$qt_work" && apt-get source -qq "qt6-base=$version" >&2)
    src=$(find "$qt_work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)
  fi
  echo "$src"
}

build_qt() {
  if [[ -f $qt_stamp ]]; then
    log "Qt for Windows found in $qt_prefix"
    return
  fi
  local src start
  src=$(fetch_qt_source)
  start=$(date +%s)
  log "building Qt $qt_version for Windows into $qt_prefix (takes long the first time)"
  mkdir -p "$qt_prefix"
  # Qt remembers its toolchain file; keep a copy beside it so that the cache
  # outlives this work tree.
  cp cmake/mingw-w64-x86_64.cmake "$qt_prefix/"
  "${nice[@]}" cmake -S "$src" -B "$qt_work/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_opengl=ON -DFEATURE_png=ON \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF
  "${nice[@]}" cmake --build "$qt_work/build" -j "$jobs"
  "${nice[@]}" cmake --install "$qt_work/build" >/dev/null
  echo "$qt_version built in $(( $(date +%s) - start )) s on $(nproc) cores" >"$qt_stamp"
  # The source and the objects take 2 GB; only the installed Qt is needed.
  rm -rf "$qt_work"
  log "Qt for Windows built in $(( ($(date +%s) - start) / 60 )) min"
}

# Debian's GoogleTest sources, built once with the same compiler.
build_gtest() {
  [[ -f $gtest_prefix/tolvar-gtest-complete ]] && return
  log "building GoogleTest for Windows into $gtest_prefix"
  "${nice[@]}" cmake -S /usr/src/googletest -B "$gtest_prefix-build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest_prefix" >/dev/null
  "${nice[@]}" cmake --build "$gtest_prefix-build" -j "$jobs" >/dev/null
  cmake --install "$gtest_prefix-build" >/dev/null
  touch "$gtest_prefix/tolvar-gtest-complete"
}

# The programs, the tests and every DLL and plugin they load share one
# folder, so that they run under Wine and unpacked on Windows alike.
stage_runtime() {
  local bin=$1
  mkdir -p "$bin/platforms" "$bin/imageformats"
  cp "$qt_prefix"/bin/Qt6{Core,Gui,Widgets,OpenGL,OpenGLWidgets,Test}.dll "$bin/"
  local dll
  for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$("$triple-g++-posix" -print-file-name="$dll")" "$bin/"
  done
  cp "$qt_prefix"/plugins/platforms/{qwindows,qoffscreen}.dll "$bin/platforms/"
  cp "$qt_prefix"/plugins/imageformats/*.dll "$bin/imageformats/"
  # Windows has no DejaVu fonts, for which the windows are laid out.
  mkdir -p "$bin/fonts"
  cp /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed{,-Bold}.ttf "$bin/fonts/"
  cp /usr/share/doc/fonts-dejavu-extra/copyright "$bin/fonts/LICENSE-DejaVu.txt"
}

prepare_wine() {
  export WINEDEBUG=-all
  # The first run makes the Wine prefix; doing it here keeps parallel test
  # runs from racing to make it.
  wine cmd /c exit >/dev/null 2>&1 || true
}

build_tolvar() {
  local tree=$build/tree
  stage_runtime "$tree/bin"
  prepare_wine
  "${nice[@]}" cmake -S "$root" -B "$tree" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_ADDITIONAL_PACKAGES_PREFIX_PATH="$gtest_prefix" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)" \
    -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$tree/bin" \
    -DCMAKE_BUILD_TYPE=Release -DTOLVAR_WERROR="${TOLVAR_WERROR:-OFF}" -DTOLVAR_BENCHMARKS=OFF
  "${nice[@]}" cmake --build "$tree" -j "$jobs"
}

# The folder the zip and the setup program hold.
stage_package() {
  local dir=$1
  rm -rf "$dir"
  stage_runtime "$dir"
  rm "$dir/Qt6Test.dll"
  cp "$build"/tree/bin/{tolvar,tolvar-batch}.exe "$dir/"
  find "$dir" -name '*.exe' -o -name '*.dll' | xargs "$triple-strip"
  mkdir -p "$dir/docs"
  cp README.md "$dir/"
  cp LICENSE "$dir/LICENSE.txt"
  cp third_party/glibc/COPYING.LIB "$dir/LICENSE-glibc.txt"
  cp /usr/share/common-licenses/LGPL-3 "$dir/LICENSE-Qt.txt"
  cp -r docs/TUTORIAL.md docs/shots "$dir/docs/"
  # Windows opens no Markdown; the Start menu's tutorial opens in the browser.
  { echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Tolvar tutorial</title></head><body>'
    cmark docs/TUTORIAL.md
    echo '</body></html>'; } >"$dir/docs/TUTORIAL.html"
}

pack() {
  local version name
  version=$(sed -nE 's/^project\(Tolvar VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
  name=tolvar-$version-windows-x64
  stage_package "$build/$name"
  rm -f "$build/$name.zip"
  (cd "$build" && zip -qr "$name.zip" "$name")
  log "packed $build/$name.zip"
  rm -rf "$build/setup"
  cmake -S packaging/windows -B "$build/setup" -DTOLVAR_STAGED="$build/$name" \
    -DTOLVAR_VERSION="$version" -DTOLVAR_ICON="$build/tree/icon/tolvar.ico" >/dev/null
  (cd "$build/setup" && cpack >/dev/null)
  mv "$build/setup/$name-setup.exe" "$build/"
  log "packed $build/$name-setup.exe"
}

case ${1:-} in
  --qt-only) install_tools; build_qt; exit 0 ;;
  "") ;;
  *) echo "usage: $0 [--qt-only]" >&2; exit 2 ;;
esac

install_tools
build_qt
build_gtest
build_tolvar
pack
