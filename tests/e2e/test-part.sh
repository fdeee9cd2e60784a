# The test of the story, sourced by story.sh once the sheet and the user exist:
# the new sheet is chosen, one answer is right and one wrong, the errors are
# saved as a sheet and the test is recorded for the new user.

if mouse; then click "$MAIN" "${AT_MAIN_TEST[@]}"; else press_activity tester; fi
wait_window "Orsiva Tavilo : test sur une fiche"
TEST=$WIN
shot "$TEST" test
if mouse; then
  # The list reacts to the click: the sheet is chosen at once.
  click "$TEST" "${AT_TEST_FIRST_TITLE[0]}" $((AT_TEST_FIRST_TITLE[1] + TITLE_ROW * ROW_HEIGHT))
  shot "$TEST" test-fiche-choisie
  click "$TEST" "${AT_TEST_START[@]}"
else
  # The keyboard's list has the focus: the last title, then ENTER presses
  # "Se tester sur la fiche", and ENTER again "Commencer le test".
  keys "$TEST" End Return
  shot "$TEST" test-fiche-choisie
  keys "$TEST" Return
fi
# The first question comes with the timer's first tick; the answer field
# has the focus from the start.
sleep 1
shot "$TEST" test-premiere-question

# The questions come in random order and each asks for the foreign term.
# "red" is right for "rouge" and accepted as soon as it is typed; "blue" then
# ENTER gives a wrong answer for "vert". When "vert" came first, "red" stays
# in the field and is judged wrong with "blue", and "rouge" is still to come.
typein "$TEST" "red"
typein "$TEST" "blue"
keys "$TEST" Return
if ! poll 5 _find_window "Sauvegarde de la liste des erreurs"; then
  typein "$TEST" "red"
fi
wait_window "Sauvegarde de la liste des erreurs"
shot "$WIN" sauvegarde-erreurs
keys "$WIN" ctrl+a
typein "$WIN" "erreurs"
keys "$WIN" Return
ERRORS_FILE="$OUT/documents/erreurs.fic"

DAY_BEFORE=$(date +%d/%m/%Y)
wait_window "Compléter les statistiques utilisateur"
COMPLETION=$WIN
shot "$COMPLETION" completer-statistiques
# The keyboard chooses the user with the arrows and records with ENTER.
if mouse; then click "$COMPLETION" "${AT_COMPLETION_FIRST_USER[@]}"; else keys "$COMPLETION" Down Return; fi
wait_gone "$COMPLETION" "Compléter les statistiques utilisateur"
# A box, over the test window, says for whom the test was recorded.
wait_window "Orsiva Tavilo" "$MAIN"
RECORDED=$WIN
shot "$RECORDED" test-enregistre
keys "$RECORDED" Return
wait_gone "$RECORDED" "Test enregistré pour $USER_NAME."

# The record: its date, time and length in seconds are read back, checked
# for their form, and must then agree with everything else.
_recorded() { [ "$(file_line "$USER_FILE" 6 2>/dev/null)" = "Test 1" ]; }
poll "$DEADLINE" _recorded || fail "le test n'a pas été enregistré dans $USER_FILE"
TEST_DATE=$(file_line "$USER_FILE" 8)
TEST_TIME=$(file_line "$USER_FILE" 10)
TEST_SECONDS=$(file_line "$USER_FILE" 18)
check_value "date du test" "$TEST_DATE" "^$DATE_FORM\$"
check_value "heure du test" "$TEST_TIME" "^$TIME_FORM\$"
[ "$TEST_DATE" = "$DAY_BEFORE" ] || [ "$TEST_DATE" = "$(date +%d/%m/%Y)" ] ||
  fail "le test est daté du $TEST_DATE"
check_value "durée du test" "$TEST_SECONDS" '^[0-9]{1,2}$'
expected_file "$OUT/attendu-camille.user" "Fiche de Statistiques Utilisateur :" "$USER_NAME" "$COMPANY" "" "" \
  "-----" "Test 1" "Date :" "$TEST_DATE" "Heure :" "$TEST_TIME" "Fiche :" "$SHEET_TITLE" \
  "Termes :" "2" "Pourcentage juste :" "50" "Temps (sec) :" "$TEST_SECONDS" "" ""
wait_file "$USER_FILE" "$OUT/attendu-camille.user"
# The missed question, "vert", whose answer is "green", under a title that
# names the sheet and the day of the test.
expected_file "$OUT/attendu-erreurs.fic" \
  "Erreurs sur : Couleurs //Anglais - couleurs de base - Test du $TEST_DATE\\\\" green vert
wait_file "$ERRORS_FILE" "$OUT/attendu-erreurs.fic"
shot "$TEST" test-fini

if mouse; then click "$TEST" "${AT_TEST_QUIT[@]}"; else keys "$TEST" "${KEYS_TEST_QUIT[@]}"; fi
wait_gone "$TEST" "Orsiva Tavilo : test sur une fiche"
