#!/usr/bin/env bash
# A user's first session with Tavilo, in a real X window over an empty data
# folder: the first run, a new sheet of two pairs in the editor, a new user, a
# test with one right and one wrong answer recorded for that user, and the way
# out. Every file the session leaves is then compared byte for byte.
#
#   story.sh souris|clavier PROGRAM OUTPUT_FOLDER
#
# "souris": the mouse clicks the buttons, lists and fields, the keyboard types.
# "clavier": keyboard mode ("Souris non disponible"); only TAB, ENTER, arrows,
# the space bar for the radio buttons and typed text, so that every step is
# shown to be within the keyboard's reach.
set -euo pipefail

MODE="$1"
BINARY=$(realpath "$2")
OUT="$3"
case "$MODE" in souris | clavier) ;; *) echo "mode inconnu : $MODE" >&2; exit 2 ;; esac

rm -rf "$OUT"
mkdir -p "$OUT"
source "$(dirname "$0")/driver.sh"
trap cleanup EXIT

mouse() { [ "$MODE" = souris ]; }

# The activity buttons of the main window in their tab order, and the one
# that has the focus: a window given back the focus gives it to the control
# that had it.
ACTIVITIES=(editeur apprendre tester statistiques traiter quitter)
MAIN_FOCUS=0
# Moves the main window's focus to activity $1 and presses it with ENTER.
press_activity() {
  local target=0 i
  for i in "${!ACTIVITIES[@]}"; do [ "${ACTIVITIES[$i]}" = "$1" ] && target=$i; done
  local moves=()
  for ((i = MAIN_FOCUS; i < target; i++)); do moves+=(Tab); done
  for ((i = MAIN_FOCUS; i > target; i--)); do moves+=(shift+Tab); done
  keys "$MAIN" "${moves[@]}" Return
  MAIN_FOCUS=$target
}

# Places of the controls the mouse uses, from the top-left corner of their
# window, for a screen of 1280 x 800 on which the large windows fill the screen.
AT_WELCOME_USE=(199 259)         # "Utiliser Orsiva Tavilo"
AT_ABOUT_QUIT=(562 378)          # "Quitter"
AT_MAIN_MOUSE=(213 529)          # "Souris disponible"
AT_MAIN_EDITOR=(396 217)         # "Modifier ou créer une fiche Tavilo"
AT_MAIN_TEST=(396 289)           # "Se tester sur une fiche Tavilo"
AT_MAIN_STATISTICS=(396 325)     # "Consulter les statistiques utilisateur"
AT_MAIN_QUIT=(396 397)           # "Quitter Tavilo !"
AT_EDITOR_NEW=(217 667)          # "Créer une nouvelle fiche"
AT_EDITOR_STOP=(1063 711)        # "Arrêter la modification des fiches"
AT_STATS_NEW=(259 668)           # "Créer un nouvel utilisateur"
AT_STATS_STOP=(259 780)          # "Arrêter l'étude des statistiques utilisateur"
AT_TEST_FIRST_TITLE=(260 136)    # first line of "Choisissez une fiche à tester :"
ROW_HEIGHT=14                    # of a line in these two lists
AT_TEST_START=(880 119)          # "Commencer le test"
AT_TEST_QUIT=(880 119)           # "Quitter le test"
AT_COMPLETION_FIRST_USER=(100 43) # the first user in "Compléter les statistiques utilisateur"
KEYS_TEST_QUIT=(Return)          # "Quitter le test", from where the end of the test leaves the focus

USER_NAME="Camille Martin"
COMPANY="Lycee Pasteur"
SHEET_TITLE='Couleurs //Anglais - couleurs de base\\'

log "Récit « $MODE » : $BINARY"
start_x
start_app "$BINARY"
SETTINGS="$DRIVE/c/windows/tavilo.ini"
CATALOGUE="$DRIVE/c/windows/BRNlist.ini"
USERS="$DRIVE/c/windows/TLusers.ini"

# ---- First run ---------------------------------------------------------------

wait_window "Bienvenue !"
WELCOME=$WIN
shot "$WELCOME" bienvenue
if mouse; then click "$WELCOME" "${AT_WELCOME_USE[@]}"; else keys "$WELCOME" Return; fi
wait_gone "$WELCOME" "Bienvenue !"

wait_window "A propos d'Tavilo"
ABOUT=$WIN
shot "$ABOUT" a-propos
# The name field has the focus; every keystroke saves the settings file.
keys "$ABOUT" ctrl+a
typein "$ABOUT" "$USER_NAME"
_named() { [ "$(file_line "$SETTINGS" 1 2>/dev/null)" = "$USER_NAME" ]; }
poll "$DEADLINE" _named || fail "le nom tapé n'est pas dans $SETTINGS"
FIRST_RUN=$(file_line "$SETTINGS" 0)
check_value "date de la première utilisation" "$FIRST_RUN" "^$DATE_FORM $TIME_FORM\$"
expected_file "$OUT/attendu-tavilo.ini" "$FIRST_RUN" "$USER_NAME" "Société Anonyme" "800"
wait_file "$SETTINGS" "$OUT/attendu-tavilo.ini"
shot "$ABOUT" a-propos-nom
if mouse; then click "$ABOUT" "${AT_ABOUT_QUIT[@]}"; else keys "$ABOUT" Return; fi
wait_gone "$ABOUT" "A propos d'Tavilo"

# The start-up window shares the main window's caption; the main window is
# the one that fills the screen, and it is free once the other one is gone.
_main_alone() {
  local w n=0
  MAIN=""
  for w in $(windows_named "Orsiva Tavilo"); do
    n=$((n + 1))
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$WIDTH" -ge $((SCREEN_W - 10)) ] && MAIN=$w
  done
  [ "$n" = 1 ] && [ -n "$MAIN" ]
}
poll "$DEADLINE" _main_alone || fail "la fenêtre principale n'est pas seule à l'écran après le premier lancement"
shot "$MAIN" fenetre-principale

# The second start-up pass selects the keyboard mode.
expected_file "$OUT/attendu-tavilo.ini" "$FIRST_RUN" "$USER_NAME" "Société Anonyme" "800" "No Mouse"
wait_file "$SETTINGS" "$OUT/attendu-tavilo.ini"
expected_file "$OUT/attendu-TLusers.ini"
wait_file "$USERS" "$OUT/attendu-TLusers.ini"
# The first run catalogues the sample sheets it installs; each must be there.
SAMPLES=()
while IFS= read -r line; do
  line=${line%"$CR"}
  check_value "fiche d'exemple du catalogue" "$line" '^C:\\Orsiva\\Tavilo !\\[^\\]+\.fic$'
  sample="$DRIVE/c/Orsiva/Tavilo !/${line##*\\}"
  [ -s "$sample" ] || fail "la fiche d'exemple $sample manque"
  SAMPLES+=("$line")
done <"$CATALOGUE"
# The new sheet will be listed after them.
TITLE_ROW=${#SAMPLES[@]}

# ---- Input mode --------------------------------------------------------------

if mouse; then
  click "$MAIN" "${AT_MAIN_MOUSE[@]}"
  MODE_LINE="Mouse"
else
  # From the first activity button: six buttons, the tiny picture button and
  # the help button lead to "Souris disponible"; the space bar selects it.
  keys "$MAIN" Tab Tab Tab Tab Tab Tab Tab Tab space
  expected_file "$OUT/attendu-tavilo.ini" "$FIRST_RUN" "$USER_NAME" "Société Anonyme" "800" "Mouse"
  wait_file "$SETTINGS" "$OUT/attendu-tavilo.ini"
  # TAB reaches "Souris non disponible", the space bar selects it.
  keys "$MAIN" Tab space
  # On through the banner's tiny button, round to the first activity button.
  keys "$MAIN" Tab Tab
  MODE_LINE="No Mouse"
fi
expected_file "$OUT/attendu-tavilo.ini" "$FIRST_RUN" "$USER_NAME" "Société Anonyme" "800" "$MODE_LINE"
wait_file "$SETTINGS" "$OUT/attendu-tavilo.ini"

# ---- A new sheet of two pairs -----------------------------------------------

if mouse; then click "$MAIN" "${AT_MAIN_EDITOR[@]}"; else press_activity editeur; fi
wait_window "Modification d'une fiche Tavilo"
EDITOR=$WIN
shot "$EDITOR" editeur
# The title list has the focus in keyboard mode; "Créer une nouvelle fiche"
# comes after "Modifier en plein-texte".
if mouse; then click "$EDITOR" "${AT_EDITOR_NEW[@]}"; else keys "$EDITOR" Tab Tab Return; fi

# The save dialog, in Qt's French, opens in the program's folder: the user's
# documents here.
wait_window "Enregistrer sous"
shot "$WIN" enregistrer-fiche
typein "$WIN" "couleurs"
keys "$WIN" Return
SHEET="$OUT/documents/couleurs.fic"

wait_window "Nom de la fiche..."
NAMING=$WIN
typein "$NAMING" "Couleurs"
keys "$NAMING" Tab
typein "$NAMING" "Anglais - couleurs de base"
shot "$NAMING" nom-de-la-fiche
keys "$NAMING" Return
wait_gone "$NAMING" "Nom de la fiche..."
expected_file "$OUT/attendu-couleurs.fic" "$SHEET_TITLE"
wait_file "$SHEET" "$OUT/attendu-couleurs.fic"
expected_file "$OUT/attendu-BRNlist.ini" "${SAMPLES[@]}" "$SHEET"
wait_file "$CATALOGUE" "$OUT/attendu-BRNlist.ini"

# The new sheet is the chosen one, the focus in its first field: the pairs
# are typed at once, TAB from one term to the other, ENTER to add, as the
# window's hint says; after ENTER the fields are empty and ready again.
typein "$EDITOR" "red"
keys "$EDITOR" Tab
typein "$EDITOR" "rouge"
keys "$EDITOR" Return
expected_file "$OUT/attendu-couleurs.fic" "$SHEET_TITLE" red rouge
wait_file "$SHEET" "$OUT/attendu-couleurs.fic"
typein "$EDITOR" "green"
keys "$EDITOR" Tab
typein "$EDITOR" "vert"
keys "$EDITOR" Return
expected_file "$OUT/attendu-couleurs.fic" "$SHEET_TITLE" red rouge green vert
wait_file "$SHEET" "$OUT/attendu-couleurs.fic"
shot "$EDITOR" editeur-deux-paires
# Escape does what "Arrêter la modification des fiches" does.
if mouse; then click "$EDITOR" "${AT_EDITOR_STOP[@]}"; else keys "$EDITOR" Escape; fi
wait_gone "$EDITOR" "Modification d'une fiche Tavilo"

# ---- A new user --------------------------------------------------------------

if mouse; then click "$MAIN" "${AT_MAIN_STATISTICS[@]}"; else press_activity statistiques; fi
wait_window "Statistiques des utilisateurs Tavilo"
STATS=$WIN
shot "$STATS" statistiques
if mouse; then click "$STATS" "${AT_STATS_NEW[@]}"; else keys "$STATS" Tab Return; fi
wait_window "Nouvel utilisateur"
NEWUSER=$WIN
typein "$NEWUSER" "$USER_NAME"
keys "$NEWUSER" Tab
typein "$NEWUSER" "$COMPANY"
shot "$NEWUSER" nouvel-utilisateur
keys "$NEWUSER" Return
# "Choisissez le nom du fichier..." in a box that carries the program's name.
wait_window "Orsiva Tavilo" "$MAIN"
shot "$WIN" choisissez-le-fichier
keys "$WIN" Return
wait_window "Fichier des statistiques du nouvel utilisateur"
shot "$WIN" fichier-utilisateur
typein "$WIN" "camille"
keys "$WIN" Return
wait_gone "$NEWUSER" "Nouvel utilisateur"
USER_FILE="$OUT/documents/camille.user"
expected_file "$OUT/attendu-camille.user" "Fiche de Statistiques Utilisateur :" "$USER_NAME" "$COMPANY" "" ""
wait_file "$USER_FILE" "$OUT/attendu-camille.user"
expected_file "$OUT/attendu-TLusers.ini" "$USER_FILE"
wait_file "$USERS" "$OUT/attendu-TLusers.ini"
shot "$STATS" statistiques-utilisateur
if mouse; then
  click "$STATS" "${AT_STATS_STOP[@]}"
else
  # From "Créer un nouvel utilisateur": add, remove, print, then stop.
  keys "$STATS" Tab Tab Tab Tab Return
fi
wait_gone "$STATS" "Statistiques des utilisateurs Tavilo"

# ---- The test ----------------------------------------------------------------

source "$(dirname "$0")/test-part.sh"

# ---- Leaving -----------------------------------------------------------------

if mouse; then click "$MAIN" "${AT_MAIN_QUIT[@]}"; else press_activity quitter; fi
_exit_picture() { WIN=$(window_other_than "Orsiva Tavilo" "$MAIN") && [ -n "$WIN" ]; }
if poll 5 _exit_picture; then shot "$WIN" sortie; fi
_ended() { ! app_running; }
poll "$DEADLINE" _ended || fail "le programme ne s'est pas arrêté après « Quitter Tavilo ! »"
status=0
wait "$APP_PID" || status=$?
APP_PID=""
[ "$status" = 0 ] || fail "le programme s'est terminé avec le code $status"

# ---- Every file, once more, after the program ended -------------------------

wait_file "$SETTINGS" "$OUT/attendu-tavilo.ini"
wait_file "$CATALOGUE" "$OUT/attendu-BRNlist.ini"
wait_file "$SHEET" "$OUT/attendu-couleurs.fic"
wait_file "$USERS" "$OUT/attendu-TLusers.ini"
wait_file "$USER_FILE" "$OUT/attendu-camille.user"
if [ -n "${ERRORS_FILE:-}" ]; then wait_file "$ERRORS_FILE" "$OUT/attendu-erreurs.fic"; fi
log "Réussi"
echo "Réussi ; captures dans $OUT"
