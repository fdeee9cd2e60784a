#!/usr/bin/env bash
# Builds the Debian package from a build folder and holds it to Debian's own
# standard: lintian finds no error and no warning and no missing hardening,
# the menu entry and the AppStream description it installs pass their
# validators, its description is the one written for it, and its copyright
# file carries the licence the program shows.
#   check_package.sh <cpack> <build dir> <work dir> <source dir>
# Everything it makes stays in the work dir. Exits 77 (skipped) without lintian.
set -euo pipefail
cpack=$1 build=$2 work=$3 source=$4
licence=$source/assets/help/licence.txt

if ! command -v lintian >/dev/null; then
  echo "lintian n'est pas installé : le paquet n'est pas vérifié."
  exit 77
fi
fail() { echo "$*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack a échoué."; }
debs=("$work"/tavilo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack n'a pas produit un seul paquet tavilo_*.deb."
deb=${debs[0]}

# Run as root, lintian only adds this advice to what it reports.
status=0
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.txt" 2>"$work/lintian.err" || status=$?
grep -v -x 'running with root privileges is not recommended!' "$work/lintian.err" >&2 || true
cat "$work/lintian.txt"
[ "$status" -eq 0 ] || fail "lintian signale des erreurs ou des avertissements (état $status)."
# Missing hardening is only information to lintian; here it is a fault.
if grep -E '^[A-Z]: tavilo: hardening-no-' "$work/lintian.txt" >&2; then
  fail "les programmes ne sont pas compilés avec toutes les protections de Debian."
fi

# The description arrives as written: lines kept, blank lines as " .", no
# character escaped on the way.
if ! diff <(dpkg-deb -f "$deb" Description | tail -n +2 | sed 's/^ //; s/^\.$//') \
          "$source/packaging/description.txt" >&2; then
  fail "la description du paquet n'est pas celle de packaging/description.txt."
fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop ||
  fail "l'entrée de menu n'est pas valide."
appstreamcli validate --no-net --strict "$root"/usr/share/metainfo/*.metainfo.xml ||
  fail "la description AppStream n'est pas valide."

# The licence paragraph of the copyright file says, word for word and
# paragraph for paragraph, what the licence window shows.
awk '/^License: / && ++n == 2 { inside = 1; next }
     inside && /^ / { print substr($0, 2) }
     inside && !/^ / { exit }' "$root/usr/share/doc/tavilo/copyright" >"$work/copyright-licence.txt"
words() { sed 's/^\.$//' "$1" | tr -s ' \n' '\n\n'; }
blanks() { grep -c -E '^\.?$' "$1" || true; }
if ! cmp -s <(words "$work/copyright-licence.txt" | grep -v '^$') <(words "$licence" | grep -v '^$') ||
   [ "$(blanks "$work/copyright-licence.txt")" != "$(blanks "$licence")" ]; then
  diff <(words "$work/copyright-licence.txt") <(words "$licence") >&2 || true
  fail "le texte de licence du fichier copyright diffère de celui du programme."
fi
echo "Le paquet $(basename "$deb") est conforme."
