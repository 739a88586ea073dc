#!/usr/bin/env bash
# Prepares a fresh Debian 12 machine (as root) for building and testing Orvanta, and is quick when run again:
#   - the apt packages, the i386 architecture and wine32, the zh_CN.UTF-8 locale;
#   - libpng, libjpeg-turbo and qpdf for i686 Windows from Debian's source packages, and GoogleTest from
#     /usr/src/googletest, built into a cache outside the clone, keyed by their versions.
# It prints nothing on a warm machine but the prefix of the built libraries (last line of output).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
cache=${ORVANTA_CACHE:-$HOME/.cache/orvanta}
jobs=${JOBS:-2}

packages=(
    cmake ninja-build make g++ pkg-config file zip unzip procps util-linux patch xz-utils
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev libz-mingw-w64-dev
    nasm debian-archive-keyring
    wine wine32:i386 wine64 xvfb xauth xdotool imagemagick fonts-wqy-microhei locales
    googletest libgtest-dev libgmock-dev
    libqpdf-dev poppler-data poppler-utils fonts-urw-base35 aglfn libgs10-common
    clang-14 libfuzzer-14-dev
    antiword catdoc wv libreoffice-writer-nogui
    nsis python3
)

log() { echo "setup: $*" >&2; }

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    log "installing ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# Without the generated locale Wine strips the high bit of every byte of its arguments and file names.
generate_locale() {
    locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$' && return
    log "generating zh_CN.UTF-8"
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >&2
}

# Source packages come through a private source list, so the system's apt configuration stays untouched.
apt_private() {
    local tool=$1 dir=$cache/apt
    shift
    mkdir -p "$dir/lists/partial" "$dir/archives/partial"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
        > "$dir/sources.list"
    "$tool" -o Dir::Etc::SourceList="$dir/sources.list" -o Dir::Etc::SourceParts=/dev/null \
        -o Dir::State::Lists="$dir/lists" -o Dir::Cache::archives="$dir/archives" -o APT::Sandbox::User=root "$@"
}

source_version() { apt_private apt-cache showsrc "$1" 2>/dev/null | awk '/^Version:/ {print $2; exit}'; }

# Unpacks a source package into $cache/src/NAME-VERSION with Debian's patches applied; prints that folder.
fetch_source() {
    local name=$1 version=$2 dest=$cache/src/$1-$2
    if [ ! -f "$dest/.unpacked" ]; then
        log "fetching source $name $version"
        rm -rf "$dest" && mkdir -p "$dest.dl"
        (cd "$dest.dl" && apt_private apt-get source --download-only "$name=$version" >&2)
        mkdir -p "$dest"
        tar -xf "$(ls "$dest.dl"/*.orig.tar.* | head -1)" -C "$dest" --strip-components=1
        local deb
        deb=$(ls "$dest.dl"/*.debian.tar.* 2>/dev/null | head -1 || true)
        if [ -n "$deb" ]; then
            tar -xf "$deb" -C "$dest"
            if [ -f "$dest/debian/patches/series" ]; then
                grep -v '^\s*#' "$dest/debian/patches/series" | while read -r patchfile _; do
                    [ -n "$patchfile" ] && patch -d "$dest" -p1 -s < "$dest/debian/patches/$patchfile"
                done
            fi
        fi
        rm -rf "$dest.dl"
        touch "$dest/.unpacked"
    fi
    echo "$dest"
}

cmake_i686() {
    local src=$1 build=$2; shift 2
    cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-i686-mingw.cmake" -DORVANTA_DEPS="$prefix" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_CROSSCOMPILING_EMULATOR= "$@" >&2
}

build_libraries() {
    ls "$cache"/apt/lists/*_source_Sources* > /dev/null 2>&1 || apt_private apt-get update -qq >&2
    local png jpeg qpdf gtest
    png=$(source_version libpng1.6); jpeg=$(source_version libjpeg-turbo); qpdf=$(source_version qpdf)
    gtest=$(dpkg-query -W -f='${Version}' googletest)
    prefix=$cache/i686-libpng-$png-jpeg-$jpeg-qpdf-$qpdf-gtest-$gtest-$build_recipe
    prefix=${prefix//:/_}
    echo "$prefix" > "$cache/prefix-of-$build_recipe"
    [ -f "$prefix/.complete" ] && return
    rm -rf "$prefix" "$cache/build" && mkdir -p "$prefix" "$cache/build"

    local src
    src=$(fetch_source libpng1.6 "$png")
    cmake_i686 "$src" "$cache/build/png" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -Dld-version-script=OFF -DZLIB_INCLUDE_DIR=/usr/i686-w64-mingw32/include \
        -DZLIB_LIBRARY=/usr/i686-w64-mingw32/lib/libz.a
    cmake --build "$cache/build/png" -j "$jobs" >&2 && cmake --install "$cache/build/png" >&2

    src=$(fetch_source libjpeg-turbo "$jpeg")
    cmake_i686 "$src" "$cache/build/jpeg" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF
    cmake --build "$cache/build/jpeg" -j "$jobs" >&2 && cmake --install "$cache/build/jpeg" >&2

    src=$(fetch_source qpdf "$qpdf")
    # mingw's import library is libadvapi32.a; the name qpdf asks for only resolves on case-insensitive disks.
    find "$src" -name CMakeLists.txt -exec sed -i 's/Advapi32/advapi32/g' {} +
    cmake_i686 "$src" "$cache/build/qpdf" -DBUILD_STATIC_LIBS=ON -DBUILD_SHARED_LIBS=OFF \
        -DUSE_IMPLICIT_CRYPTO=OFF -DREQUIRE_CRYPTO_NATIVE=ON -DREQUIRE_CRYPTO_OPENSSL=OFF -DREQUIRE_CRYPTO_GNUTLS=OFF \
        -DUSE_CRYPTO_OPENSSL=OFF -DUSE_CRYPTO_GNUTLS=OFF -DBUILD_DOC=OFF -DINSTALL_EXAMPLES=OFF -DOSS_FUZZ=OFF \
        -DZLIB_INCLUDE_DIR=/usr/i686-w64-mingw32/include -DZLIB_LIBRARY=/usr/i686-w64-mingw32/lib/libz.a \
        -DJPEG_INCLUDE_DIR="$prefix/include" -DJPEG_LIBRARY="$prefix/lib/libjpeg.a"
    cmake --build "$cache/build/qpdf" -j "$jobs" --target libqpdf >&2
    cmake --install "$cache/build/qpdf" --component lib >&2
    cmake --install "$cache/build/qpdf" --component dev >&2

    cmake_i686 /usr/src/googletest "$cache/build/gtest" -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF
    cmake --build "$cache/build/gtest" -j "$jobs" >&2 && cmake --install "$cache/build/gtest" >&2

    rm -rf "$cache/build"
    touch "$prefix/.complete"
}

# Changes to how the libraries are built must give a new cache key.
build_recipe=$(sed -n '/^cmake_i686()/,/^}$/p; /^build_libraries()/,/^}$/p' "$0" | sha1sum | cut -c1-8)

mkdir -p "$cache"
install_packages
generate_locale
build_libraries
echo "$prefix"
