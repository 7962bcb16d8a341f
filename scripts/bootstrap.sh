#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian (bookworm) machine and cross-builds
# a static OpenSSL libcrypto for both mingw-w64 targets. Safe to run again: every step checks first.
set -euo pipefail

say() { printf '[bootstrap] %s\n' "$*"; }

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# Cache for the cross-built OpenSSL, outside the clone so that fresh clones reuse it.
DEPS_DIR="${KORVEL_DEPS_DIR:-$HOME/.cache/korvel-lite-deps}"
OPENSSL_VERSION_FAMILY="3.0"

PACKAGES=(
  cmake ninja-build pkg-config g++ clang libclang-rt-14-dev
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64 xvfb xauth imagemagick x11-utils
  osslsigncode gcab
  zlib1g-dev libz-mingw-w64-dev libssl-dev googletest
  python3 dpkg-dev perl make
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q 'install ok installed'; then
  say "wine32 is installed; it makes /usr/bin/wine pick a 32-bit loader this kernel cannot run. Removing it."
  $SUDO apt-get remove -y wine32
fi
if [ ${#missing[@]} -gt 0 ]; then
  say "installing Debian packages: ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  say "Debian packages present"
fi

# The wine64 package alone puts its programs under /usr/lib/wine, not on PATH.
for program in wine64 wineserver; do
  if ! command -v "$program" >/dev/null 2>&1 && [ -x "/usr/lib/wine/$program" ]; then
    say "linking /usr/local/bin/$program"
    $SUDO ln -sf "/usr/lib/wine/$program" "/usr/local/bin/$program"
  fi
done

# Static libcrypto for each mingw target, from Debian's own openssl source package.
build_openssl() {
  local triple="$1" target="$2" prefix="$DEPS_DIR/openssl-$1"
  if [ -f "$prefix/lib/libcrypto.a" ] && [ -f "$prefix/include/openssl/md5.h" ]; then
    say "OpenSSL for $triple cached at $prefix"
    return
  fi
  local src_root="$DEPS_DIR/src"
  mkdir -p "$src_root"
  local src
  src=$(find "$src_root" -maxdepth 1 -type d -name "openssl-${OPENSSL_VERSION_FAMILY}*" | head -n 1)
  if [ -z "$src" ]; then
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
      say "adding a deb-src entry for bookworm"
      printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
        $SUDO tee /etc/apt/sources.list.d/korvel-deb-src.sources >/dev/null
      $SUDO apt-get update -q
    fi
    # Newest first; a mirror can list a version whose files it no longer serves, so fall back.
    local version fetched=""
    for version in $(apt-cache showsrc openssl 2>/dev/null | awk '/^Version:/ {print $2}' |
                     grep "^${OPENSSL_VERSION_FAMILY}" | sort -V -r | uniq); do
      say "fetching Debian's openssl source package ${version}"
      if (cd "$src_root" && apt-get source --download-only "openssl=${version}" >/dev/null 2>&1); then
        fetched="$version"
        break
      fi
      say "openssl ${version} could not be fetched; trying an older one"
    done
    [ -n "$fetched" ] || { say "no openssl ${OPENSSL_VERSION_FAMILY} source package could be fetched"; exit 1; }
    local orig
    orig=$(ls "$src_root"/openssl_"${fetched%%-*}".orig.tar.gz)
    tar -C "$src_root" -xzf "$orig"
    src=$(find "$src_root" -maxdepth 1 -type d -name "openssl-${OPENSSL_VERSION_FAMILY}*" | head -n 1)
  fi
  local build="$DEPS_DIR/build-$triple"
  rm -rf "$build"
  mkdir -p "$build"
  say "cross-building libcrypto for $triple (a few minutes; log in $build/build.log)"
  (
    cd "$build"
    "$src/Configure" "$target" --cross-compile-prefix="$triple-" --prefix="$prefix" \
      no-shared no-asm no-tests no-engine no-dso no-module no-threads \
      no-ui-console no-async >build.log 2>&1
    make -j"$(nproc)" build_libs >>build.log 2>&1
    mkdir -p "$prefix/lib" "$prefix/include"
    cp libcrypto.a "$prefix/lib/"
    cp -r "$src/include/openssl" "$prefix/include/"
    cp include/openssl/*.h "$prefix/include/openssl/"
  ) || { say "OpenSSL build for $triple failed; see $build/build.log"; tail -n 30 "$build/build.log"; exit 1; }
  rm -rf "$build"
  say "OpenSSL for $triple installed at $prefix"
}

build_openssl x86_64-w64-mingw32 mingw64 &
pid64=$!
build_openssl i686-w64-mingw32 mingw &
pid32=$!
wait $pid64
wait $pid32

say "done"
