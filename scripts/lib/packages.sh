# Debian packages the project needs, and the one way it installs them.
# Sourced by scripts/test, scripts/run and scripts/fuzz.

VANTREL_BUILD_PACKAGES=(g++ cmake ninja-build pkg-config libxml2-dev qt6-base-dev libgl-dev libcli11-dev)
VANTREL_TEST_PACKAGES=(libgtest-dev libbenchmark-dev libopencv-imgproc-dev
                       xvfb xauth xdotool imagemagick poppler-utils fonts-wine
                       desktop-file-utils appstream man-db dpkg-dev file lintian)
VANTREL_RUN_PACKAGES=(fonts-wine)
# Only scripts/fuzz: the compiler and libFuzzer runtime of the fuzz preset.
VANTREL_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)

# Installs only what is missing, so a second run does not touch the network.
vantrel_install() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
