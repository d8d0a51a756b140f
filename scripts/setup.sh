# Shared set-up of scripts/run, scripts/test and scripts/bench: installs the
# Debian packages the build needs, when any is missing. Sourced, not run.
KELVANE_PACKAGES=(g++ cmake ninja-build ccache pkg-config qt6-base-dev qt6-svg-dev libqt6opengl6-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libqcustomplot-dev libdw-dev libgtest-dev libbenchmark-dev fonts-dejavu-core
    clang clang-format libclang-rt-14-dev librsvg2-bin)
# What scripts/package needs besides: dpkg-shlibdeps (dpkg-dev, with file) for
# the package's Depends, and the tools that check the package and its metadata.
KELVANE_PACKAGING_PACKAGES=(dpkg-dev file lintian appstream desktop-file-utils)

kelvane_install_packages() {
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures a build folder once, and afresh whenever its flags differ from
# the ones it was configured with (a stale cache would keep the old ones).
kelvane_configure_and_build() {
    local dir="$1"
    shift
    local flags="$*"
    local stamp="$dir/.kelvane-configure-flags"
    if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$flags" ]; then
        rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
        cmake -S "$KELVANE_ROOT" -B "$dir" -G Ninja "$@"
        printf '%s' "$flags" >"$stamp"
    fi
    cmake --build "$dir"
}

# Fails when a tracked C++ file is not formatted as .clang-format says.
kelvane_check_format() {
    (cd "$KELVANE_ROOT" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)
}
