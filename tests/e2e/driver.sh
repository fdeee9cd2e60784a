# Drives the real program in an X server of its own, with keyboard and mouse
# events sent through XTEST as a user's devices send them. Sourced by story.sh.
#
# Every wait polls for a window or a file until a deadline; a missed deadline
# fails the run and keeps the screenshots, the program's output and the files.

SCREEN_W=1280
SCREEN_H=800
# Seconds to wait for each window or file. Generous: a loaded machine with two
# cores may take seconds to show a window. TAVILO_E2E_DEADLINE changes it.
DEADLINE=${TAVILO_E2E_DEADLINE:-30}
CR=$'\r'
# OUT, the run's output folder, is set by the story.
APP_PID=""
XVFB_PID=""
SHOT_NO=0

log() { printf '[%s] %s\n' "$(date +%T.%N | cut -c1-12)" "$*" >>"$OUT/story.log"; }

# Lists the visible windows, for the log of a failed run.
list_windows() {
  local w
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    printf '  %s "%s" %s\n' "$w" "$(xdotool getwindowname "$w" 2>/dev/null)" \
      "$(xdotool getwindowgeometry "$w" 2>/dev/null | tr -s '\n ' ' ')"
  done
}

fail() {
  log "ÉCHEC : $*"
  if [ -n "${DISPLAY:-}" ]; then
    log "Fenêtres visibles :"
    list_windows >>"$OUT/story.log"
    import -window root "$OUT/echec.png" 2>/dev/null || true
  fi
  if [ -n "$APP_PID" ] && ! kill -0 "$APP_PID" 2>/dev/null; then
    local code=0
    wait "$APP_PID" 2>/dev/null || code=$?
    log "le programme s'est arrêté (code $code)"
  fi
  cat "$OUT/story.log"
  # What the program and the X server said is most of what a failure on
  # another machine leaves to go by.
  local f
  for f in tavilo.stderr xvfb.log; do
    if [ -s "$OUT/$f" ]; then
      echo "--- $f (fin)"
      tail -n 40 "$OUT/$f"
    fi
  done
  echo "Captures, sortie du programme et fichiers : $OUT"
  exit 1
}

cleanup() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
  fi
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}

# Polls a command until it succeeds or the deadline passes.
#   poll SECONDS COMMAND...
poll() {
  local limit=$(( $(date +%s%N) / 1000000 + $1 * 1000 ))
  shift
  until "$@"; do
    [ $(( $(date +%s%N) / 1000000 )) -ge "$limit" ] && return 1
    sleep 0.1
  done
}

# Starts an X server on a free display and sets DISPLAY.
start_x() {
  local fdfile="$OUT/display"
  : >"$fdfile"
  Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp 3>"$fdfile" \
    >"$OUT/xvfb.log" 2>&1 &
  XVFB_PID=$!
  poll "$DEADLINE" grep -q '[0-9]' "$fdfile" || fail "le serveur X virtuel n'a pas démarré"
  export DISPLAY=":$(tr -dc '0-9' <"$fdfile")"
  poll "$DEADLINE" xdotool getmouselocation >/dev/null 2>&1 || fail "le serveur X ne répond pas"
}

# Starts the program over an empty data folder, with its own home, so that
# nothing of the machine's user is read or written. The C locale gives the
# program's French formats (dates as 08/12/2026, times as 14:05:09) whatever
# the machine's language.
APP_BINARY=""
# Set once a window of the program has been seen.
SHOWN_ONE=""
start_app() {
  local binary="$1"
  APP_BINARY="$binary"
  mkdir -p "$OUT/data" "$OUT/home" "$OUT/config" "$OUT/runtime" "$OUT/documents"
  chmod 700 "$OUT/runtime"
  (
    cd "$OUT/documents"
    unset WAYLAND_DISPLAY SESSION_MANAGER
    unset LANGUAGE LC_ALL LC_TIME LC_NUMERIC
    HOME="$OUT/home" XDG_DATA_HOME="$OUT/data" XDG_CONFIG_HOME="$OUT/config" \
      XDG_RUNTIME_DIR="$OUT/runtime" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 \
      exec "$binary" >"$OUT/tavilo.stdout" 2>"$OUT/tavilo.stderr"
  ) &
  APP_PID=$!
  DRIVE="$OUT/data/Orsiva/Tavilo/drive"
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }

# The visible windows whose caption is exactly $1.
windows_named() {
  local pattern
  pattern=$(printf '%s' "$1" | sed 's/[][\.*^$?+(){}|]/\\&/g')
  xdotool search --onlyvisible --name "^${pattern}\$" 2>/dev/null || true
}

# The first visible window named $1 that is not one of the ids after it.
window_other_than() {
  local name="$1" w skip
  shift
  for w in $(windows_named "$name"); do
    skip=0
    for s in "$@"; do [ "$w" = "$s" ] && skip=1; done
    [ "$skip" = 0 ] && { echo "$w"; return 0; }
  done
  return 1
}

# A program that stops before its first window has shown nothing of the
# story yet; a machine just set up has once been seen to abort it there
# (what it printed was not kept). It is started once more over fresh folders,
# and what it printed goes to the log and to the run's output, so that the
# cause shows in any case and a second stop fails the run.
_restart_once() {
  local code=0
  wait "$APP_PID" 2>/dev/null || code=$?
  log "AVERTISSEMENT : le programme s'est arrêté (code $code) avant la fenêtre « $1 » ; il avait écrit :"
  cat "$OUT/tavilo.stderr" >>"$OUT/story.log"
  echo "AVERTISSEMENT : le programme s'est arrêté (code $code) avant sa première fenêtre ; il avait écrit :"
  cat "$OUT/tavilo.stderr"
  mv "$OUT/tavilo.stderr" "$OUT/tavilo.premier-depart.stderr"
  rm -rf "$OUT/data" "$OUT/home" "$OUT/config" "$OUT/runtime" "$OUT/documents"
  SHOWN_ONE=no
  _app_died=0
  start_app "$APP_BINARY"
}

_found=""
_app_died=0
# Also ends the wait when the program has stopped: no window will come.
_find_window() {
  if ! app_running; then
    _app_died=1
    return 0
  fi
  _found=$(window_other_than "$@") && [ -n "$_found" ]
}

# Waits for a window with the exact caption $1 (other than the ids after it)
# and sets WIN to its id.
wait_window() {
  local name="$1"
  shift
  log "attente de la fenêtre « $name »"
  _app_died=0
  poll "$DEADLINE" _find_window "$name" "$@" || fail "la fenêtre « $name » n'est pas apparue"
  if [ "$_app_died" = 1 ] && [ -z "$SHOWN_ONE" ]; then
    _restart_once "$name"
    poll "$DEADLINE" _find_window "$name" "$@" || fail "la fenêtre « $name » n'est pas apparue"
  fi
  [ "$_app_died" = 0 ] || fail "le programme s'est arrêté en attendant la fenêtre « $name »"
  SHOWN_ONE=yes
  WIN="$_found"
  # A window just mapped may not have its content painted yet.
  sleep 0.3
}

_gone() { ! xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"; }
wait_gone() {
  poll "$DEADLINE" _gone "$1" || fail "la fenêtre $1 ($2) ne s'est pas fermée"
}

# Screenshot of one window, numbered in the order of the story.
shot() {
  SHOT_NO=$((SHOT_NO + 1))
  local file
  file=$(printf '%s/%02d-%s.png' "$OUT" "$SHOT_NO" "$2")
  import -window "$1" "$file" 2>/dev/null || import -window root "$file" 2>/dev/null ||
    log "capture impossible : $file"
}

focus() { xdotool windowfocus --sync "$1" 2>/dev/null || fail "impossible de donner le focus à $1"; }

# Keys pressed in window $1, as on a keyboard.
keys() {
  local w="$1"
  shift
  log "touches $*"
  focus "$w"
  xdotool key --delay 80 "$@" 2>>"$OUT/xdotool.log" || log "xdotool key : erreur"
}

# Text typed in window $1.
typein() {
  log "frappe « $2 »"
  focus "$1"
  xdotool type --delay 60 -- "$2" 2>>"$OUT/xdotool.log" || log "xdotool type : erreur"
}

# A left click at (x, y) inside window $1.
click() {
  local w="$1" x="$2" y="$3" X Y
  eval "$(xdotool getwindowgeometry --shell "$w")"
  X=$((X + x))
  Y=$((Y + y))
  log "clic en $X,$Y"
  focus "$w"
  # The server takes the XTEST requests in order: the click lands where the
  # pointer went. (--sync would wait forever for a move to where it already is.)
  xdotool mousemove "$X" "$Y" click 1 2>>"$OUT/xdotool.log" || log "xdotool click : erreur"
}

# ---- Files ------------------------------------------------------------------

# Writes the lines after $1 to the file $1 as the program writes text files:
# Windows-1252, every line ended by CR LF.
expected_file() {
  local file="$1"
  shift
  if [ $# -gt 0 ]; then printf '%s\r\n' "$@"; fi | iconv -f UTF-8 -t CP1252 >"$file"
}

# Line $2 (from 0) of the text file $1, decoded from Windows-1252.
file_line() {
  sed -n "$(($2 + 1))p" "$1" | tr -d "$CR" | iconv -f CP1252 -t UTF-8
}

_same() { cmp -s "$1" "$2"; }

# Waits until file $1 holds exactly the bytes of file $2.
wait_file() {
  log "attente de $1"
  if ! poll "$DEADLINE" _same "$1" "$2"; then
    log "attendu ($2) :"
    cat -A "$2" >>"$OUT/story.log" 2>&1
    log "obtenu ($1) :"
    cat -A "$1" >>"$OUT/story.log" 2>&1 || log "(fichier absent)"
    fail "le fichier $1 n'a pas le contenu attendu"
  fi
}

DATE_FORM='[0-9]{2}/[0-9]{2}/[0-9]{4}'
TIME_FORM='[0-9]{2}:[0-9]{2}:[0-9]{2}'

# Fails unless text $2 matches the extended regular expression $3; $1 names it.
check_value() {
  [[ "$2" =~ $3 ]] || fail "$1 inattendu : « $2 »"
}
