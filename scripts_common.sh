# Shared by run.sh and test.sh: installs the Debian packages that are missing
# and configures and builds the program. Quiet when there is nothing to do.
PACKAGES=(cmake g++ make qt6-base-dev libgl-dev libgtest-dev googletest libbenchmark-dev
          qt6-translations-l10n fonts-liberation fonts-dejavu-core xvfb xauth xdotool imagemagick
          # Qt's speech module; its CMake files also ask for the QML integration headers.
          qt6-speech-dev qt6-declarative-dev
          # The spaced review keeps its answers and cards in SQLite, through Qt SQL.
          libqt6sql6-sqlite)

# The Debian package and the checks it passes: cpack's dependency scan, lintian
# and the validators of menu entries and AppStream descriptions.
PACKAGES+=(dpkg-dev file lintian desktop-file-utils appstream)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installation des paquets manquants : ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  local log
  log=$(mktemp)
  if ! { $sudo apt-get update -qq &&
         DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "L'installation des paquets a échoué." >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

# build DIR [cmake options]: the options apply when DIR is first configured
# (Release by default).
build() {
  local dir="$1"
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
  fi
  local log="$dir/build.log"
  if ! cmake --build "$dir" -j "$(nproc)" >"$log" 2>&1; then
    grep -v -E '^\[ *[0-9]+%\]|^(Consolidate|Scanning|Built target|Automatic MOC|Running)' "$log"
    echo "La compilation a échoué (journal complet : $log)." >&2
    return 1
  fi
  # Warnings are shown even when the build goes through.
  grep -E 'warning:' "$log" || true
}
