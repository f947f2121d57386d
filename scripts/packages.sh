# Debian packages the build, the tests and the screenshots need. Sourced by the other scripts.

KV_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev
  qt6-multimedia-dev qt6-svg-dev libhidapi-dev libgl-dev fonts-dejavu-core)
KV_SHOW_PACKAGES=(xvfb openbox imagemagick)
# Building the Debian package: dpkg-shlibdeps (dpkg-dev) and file, which CPack uses with it;
# checking its desktop entry.
KV_PACKAGE_PACKAGES=(dpkg-dev file desktop-file-utils)
# Fuzzing the readers (scripts/fuzz.sh): clang, and libFuzzer with the sanitizer runtimes.
KV_FUZZ_PACKAGES=(clang libclang-rt-dev)

# kv_ensure_packages NAME...: installs the missing ones with apt-get when root; otherwise names
# them and fails.
kv_ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "These Debian packages are missing; install them first:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    return 1
  fi
}
