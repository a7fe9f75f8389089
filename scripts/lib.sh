# Shared by scripts/run, scripts/test and scripts/bench. Source it; do not run it.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=${JOBS:-$(nproc)}

# Debian packages every build needs.
BUILD_PACKAGES=(
  cmake g++ ninja-build pkg-config python3 lld
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-5compat-dev qt6-image-formats-plugins qt6-translations-l10n qt6-qpa-plugins
  libqt6opengl6-dev qt6-svg-dev libgl-dev
  libraw-dev
  libjpeg-dev libpng-dev libtiff-dev
)

# Installs the named Debian packages that are missing; does nothing (and
# asks no network) when all are there.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build <build dir> [cmake options...]
# Configures once; later calls only build what changed.
configure_and_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$ROOT" -B "$dir" -G Ninja "${launcher[@]}" "$@"
  fi
  cmake --build "$dir" --parallel "$JOBS"
}
