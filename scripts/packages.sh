# Installs the Debian packages named as arguments when any is missing: with
# apt-get as root, through sudo otherwise; without either it names them and
# stops. Sourced by the other scripts.

ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local run_as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      run_as_root=(sudo)
    else
      echo "Missing packages: ${missing[*]}" >&2
      echo "Install them with: apt-get install ${missing[*]}" >&2
      exit 1
    fi
  fi
  echo "Installing: ${missing[*]}"
  "${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libcurl4-openssl-dev libpcre2-dev ca-certificates)
TEST_PACKAGES=(libgtest-dev libgmock-dev libcpp-httplib-dev libssl-dev clang-format desktop-file-utils appstream dpkg-dev file)
