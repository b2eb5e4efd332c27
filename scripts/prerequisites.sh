# Sourced by the scripts: installs the Debian 12 packages the build needs, when any is missing.
tavrel_packages=(
  build-essential cmake ninja-build pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-arphic-uming
)
# Only the fuzz build (scripts/fuzz.sh) needs clang and its runtimes (libFuzzer, the sanitizers).
tavrel_fuzz_packages=(clang-14 libclang-rt-14-dev)

# install_packages <package>...: installs those of the packages that are missing.
install_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}" >&2
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_prerequisites() {
  install_packages "${tavrel_packages[@]}"
}

install_fuzz_prerequisites() {
  install_packages "${tavrel_packages[@]}" "${tavrel_fuzz_packages[@]}"
}
