#!/usr/bin/env bash
# Refreshes the committed source pictures in data/maps/ and data/Objects.txt
# from Debian packages. A developer runs it when a source should change; the
# build reads only the committed results and so needs no network.
#
#   data/maps/fetch_sources.sh
#
# ORBIVALE_CACHE (default ~/.cache/orbivale) keeps the downloaded packages and
# their unpacked files, so a second run downloads nothing. DATATOOL may name a
# built orbivale-datatool; otherwise tools/ is built inside the cache.
# Needs apt-get, dpkg-deb, cmake and a C++ compiler with Qt 6; the packages are
# only unpacked, never installed.
set -euo pipefail

MAPS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$MAPS/../.." && pwd)
CACHE=${ORBIVALE_CACHE:-$HOME/.cache/orbivale}
PACKAGES=(kstars-data stellarium-data openuniverse-common marble-qt-data)

log() { printf '%s\n' "$*" >&2; }
die() { log "fetch_sources: $*"; exit 1; }

# --- the packages, downloaded and unpacked once ---------------------------
mkdir -p "$CACHE/debs" "$CACHE/unpacked"
for pkg in "${PACKAGES[@]}"; do
    if ! compgen -G "$CACHE/debs/${pkg}_*.deb" >/dev/null; then
        log "downloading $pkg"
        if ! (cd "$CACHE/debs" && apt-get download "$pkg"); then
            log "retrying after apt-get update"
            apt-get update -qq || die "apt-get update failed"
            (cd "$CACHE/debs" && apt-get download "$pkg") || die "cannot download $pkg"
        fi
    fi
done

declare -A PKGROOT VERSION
for pkg in "${PACKAGES[@]}"; do
    deb=$(printf '%s\n' "$CACHE/debs/${pkg}_"*.deb | sort -V | tail -n 1)
    # One folder per package file, so a newer version is unpacked afresh.
    dir="$CACHE/unpacked/$(basename "$deb" .deb)"
    if [ ! -d "$dir" ]; then
        log "unpacking $(basename "$deb")"
        rm -rf "$dir.partial"
        dpkg-deb -x "$deb" "$dir.partial"
        mv "$dir.partial" "$dir"
    fi
    PKGROOT[$pkg]=$dir
    VERSION[$pkg]=$(dpkg-deb -f "$deb" Version)
done

# --- the converter ---------------------------------------------------------
if [ -z "${DATATOOL:-}" ]; then
    build="$CACHE/datatool-build"
    args=(-DCMAKE_BUILD_TYPE=Release -DORBIVALE_BUILD_TESTS=OFF)
    if [ ! -f "$build/CMakeCache.txt" ] && command -v ninja >/dev/null; then
        args+=(-G Ninja)
    fi
    cmake -S "$ROOT/tools" -B "$build" "${args[@]}" >/dev/null
    cmake --build "$build" --target orbivale-datatool >/dev/null
    DATATOOL="$build/orbivale-datatool"
fi
[ -x "$DATATOOL" ] || die "no converter at $DATATOOL"
tool() { "$DATATOOL" "$@" || die "orbivale-datatool $1 failed"; }

# --- body maps and map pictures, as bodies.csv lists them ------------------
rm -rf "$MAPS/bodies" "$MAPS/discs" "$MAPS/objects"
mkdir -p "$MAPS/bodies" "$MAPS/discs" "$MAPS/objects"
KSTARS_TEXTURES="${PKGROOT[kstars-data]}/usr/share/kstars/textures"

while IFS=, read -r name kind file size0 small pkg path roll; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    [ -n "${PKGROOT[$pkg]:-}" ] || die "bodies.csv: unknown package $pkg"
    src="${PKGROOT[$pkg]}/$path"
    [ -f "$src" ] || die "$pkg has no $path"
    case "$kind" in
        # Stored at the width of texture 0 and half as high (equirectangular).
        map) tool prep-map "$src" "$MAPS/$file" "$size0" "$((size0 / 2))" 90 "$roll" ;;
        # The radial profile is tiny: kept as published.
        rings) cp "$src" "$MAPS/$file" ;;
        *) die "bodies.csv: unknown kind $kind" ;;
    esac
    if [[ "$small" == disc || "$small" == disc-full ]]; then
        disc="$KSTARS_TEXTURES/${name,,}.png"
        [ -f "$disc" ] || die "kstars-data has no picture of $name"
        tool prep-disc "$disc" "$MAPS/discs/$name.png" 128
    fi
done < "$MAPS/bodies.csv"

# --- the Sun's glow ----------------------------------------------------------
tool prep-scale "${PKGROOT[stellarium-data]}/usr/share/stellarium/textures/corona.png" \
    "$MAPS/corona.png" 512 512

# --- sky objects: key|pictures of the nebula index|name ----------------------
# Pictures made of several tiles are put together from the tiles' corners.
# The order is the order of the 64-row bands in Objects.bmp.
list=$(mktemp)
trap 'rm -f "$list"' EXIT
cat > "$list" <<'EOF'
M31|m31.png|Andromeda Galaxy
M42|m42.png|Orion Nebula
M8|m8.png|Lagoon Nebula
M13|m13.png|Hercules Globular Cluster
M33|m33.png|Triangulum Galaxy
M51|m51-vasey.png|Whirlpool Galaxy
LMC|lmc_01.png,lmc_02.png,lmc_03.png,lmc_04.png,lmc_05.png,lmc_06.png,lmc_07.png,lmc_08.png,lmc_09.png,lmc_10.png,lmc_11.png,lmc_12.png,lmc_13.png,lmc_14.png,lmc_15.png,lmc_16.png|Large Magellanic Cloud
SMC|smc29-1.png,smc29-2.png,smc29-3.png,smc29-4.png|Small Magellanic Cloud
EOF
NEBULAE="${PKGROOT[stellarium-data]}/usr/share/stellarium/nebulae/default"
# Stored at four times the cell size; the build reduces them.
tool prep-objects "$NEBULAE/textures.json" "$NEBULAE" "$list" "$MAPS" 4
tool objects-txt "$MAPS/objects.csv" "$ROOT/data/Objects.txt"

# --- report ----------------------------------------------------------------
for pkg in "${PACKAGES[@]}"; do
    log "$pkg ${VERSION[$pkg]}"
done
log "data/maps: $(du -sh --exclude='*.sh' "$MAPS" | cut -f1)"
log "check the versions against SOURCES.md"
