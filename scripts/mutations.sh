#!/usr/bin/env bash
# Mutation check of the test suites: each small fault listed in scripts/mutations.txt is applied in
# turn to a scratch worktree of a revision, and the suites run in order of cost until one fails.
#   bash scripts/mutations.sh [REV [N...]]
# REV defaults to HEAD; N... are the numbers of the mutations to run (all of them when none).
# Prints one line per mutation (the suite that caught it, or MISSED, and its time), then
# "caught N of M". Exit status: 0 when every mutation was caught, 1 when one was not, 2 when the
# check itself could not run (a text not found exactly once, the unmutated suites failing...).
#
# Before the mutations, the unmutated revision is built and all its suites must pass. Builds are
# incremental, in the scratch worktree's build folders, kept from one run to the next; the logs of
# each mutation are in its build/mutations/. Everything runs under nice -n 10.
# Environment:
#   MUTATIONS_DOSSIER  the scratch worktree (default /tmp/vidalto-mutations), made or reused
#   MUTATIONS_LISTE    the list of mutations (default scripts/mutations.txt beside this script)
#   MUTATIONS_PREFIXE  a Wine prefix copied into the scratch build when it has none, to spare its
#                      creation (default build/win64/wineprefix of this script's worktree)
#   MUTATIONS_DELAI    seconds a suite may take before it counts as failed (default 600)
set -euo pipefail

if [ -z "${MUTATIONS_NICE:-}" ]; then
  export MUTATIONS_NICE=1
  exec nice -n 10 bash "$0" "$@"
fi

# Read whole before it runs: an edit of this file during a run of an hour cannot change it.
{

racine=$(cd "$(dirname "$0")/.." && pwd)
revision=${1:-HEAD}
[ $# -gt 0 ] && shift
choix=("$@")
liste=$(realpath "${MUTATIONS_LISTE:-$racine/scripts/mutations.txt}")
dossier=${MUTATIONS_DOSSIER:-/tmp/vidalto-mutations}
prefixe=${MUTATIONS_PREFIXE:-$racine/build/win64/wineprefix}
delai=${MUTATIONS_DELAI:-600}
suites=(native tests_wine tests_odbc tests_processus)

echec() {
  echo "mutations.sh: $*" >&2
  exit 2
}

# The list's reader and the exact replacement, shared by the check and the application.
#   outil verifier LISTE DOSSIER [N...]  prints N TAB file TAB description of each chosen mutation,
#                                         after checking that each applies to DOSSIER
#   outil appliquer LISTE DOSSIER N      applies mutation N to DOSSIER
outil() {
  python3 - "$@" <<'PY'
import sys

def quitter(texte):
    sys.stderr.write("mutations.sh: " + texte + "\n")
    sys.exit(2)

def decoder(champ):
    sortie, i = [], 0
    while i < len(champ):
        if champ[i] == "\\" and i + 1 < len(champ) and champ[i + 1] in "nt\\":
            sortie.append({"n": "\n", "t": "\t", "\\": "\\"}[champ[i + 1]])
            i += 2
        else:
            sortie.append(champ[i])
            i += 1
    return "".join(sortie)

def lire(liste):
    mutations = []
    with open(liste, encoding="utf-8") as f:
        for numero, ligne in enumerate(f, 1):
            ligne = ligne.rstrip("\n")
            if not ligne.strip() or ligne.lstrip().startswith("#"):
                continue
            champs = ligne.split("\t")
            if len(champs) != 4:
                quitter(f"{liste}:{numero}: 4 fields separated by tabs expected, {len(champs)} found")
            fichier, texte, remplacement, description = champs
            if not fichier.startswith("src/"):
                quitter(f"{liste}:{numero}: {fichier} is not the program's code")
            if decoder(texte) == decoder(remplacement):
                quitter(f"{liste}:{numero}: the replacement is the text itself")
            mutations.append((fichier, decoder(texte), decoder(remplacement), description, numero))
    if not mutations:
        quitter(f"{liste}: no mutation")
    return mutations

def appliquer(dossier, mutation, ecrire):
    fichier, texte, remplacement, _, numero = mutation
    chemin = dossier + "/" + fichier
    try:
        with open(chemin, "rb") as f:
            contenu = f.read()
    except OSError as erreur:
        quitter(f"line {numero} of the list: {erreur}")
    fois = contenu.count(texte.encode("utf-8"))
    if fois != 1:
        quitter(f"line {numero} of the list: {texte!r} is found {fois} times in {fichier}, not once")
    if ecrire:
        with open(chemin, "wb") as f:
            f.write(contenu.replace(texte.encode("utf-8"), remplacement.encode("utf-8")))

commande, liste, dossier = sys.argv[1:4]
mutations = lire(liste)
numeros = [int(n) for n in sys.argv[4:]] or list(range(1, len(mutations) + 1))
for n in numeros:
    if not 1 <= n <= len(mutations):
        quitter(f"no mutation {n}: the list has {len(mutations)}")
if commande == "verifier":
    for n in numeros:
        appliquer(dossier, mutations[n - 1], False)
    for n in numeros:
        print(f"{n}\t{mutations[n - 1][0]}\t{mutations[n - 1][3]}")
else:
    appliquer(dossier, mutations[numeros[0] - 1], True)
PY
}

for n in "${choix[@]}"; do
  [[ $n =~ ^[0-9]+$ ]] || echec "a mutation is chosen by its number, not \"$n\""
done
commit=$(git -C "$racine" rev-parse --verify --quiet "$revision^{commit}") ||
  echec "no revision $revision"

# One run at a time per scratch worktree.
exec 9>"$dossier.lock"
flock -n 9 || echec "another run uses $dossier"

# The scratch worktree at the revision, made once and reused, so that its builds are too.
if [ -e "$dossier/.git" ]; then
  [ "$(git -C "$dossier" rev-parse --path-format=absolute --git-common-dir)" -ef \
    "$(git -C "$racine" rev-parse --path-format=absolute --git-common-dir)" ] ||
    echec "$dossier is not a worktree of this repository"
  git -C "$dossier" checkout -q -f --detach "$commit"
else
  git -C "$racine" worktree prune
  git -C "$racine" worktree add -q --detach "$dossier" "$commit"
fi
[ -z "$(git -C "$dossier" status --porcelain --untracked-files=no)" ] || echec "$dossier has changes"
cd "$dossier"

journal=$dossier/build/mutations
mkdir -p "$journal" build/win64
# The list as it stands now, whatever becomes of its file during the run.
cp "$liste" "$journal/liste.txt"
liste=$journal/liste.txt
choisies=$(outil verifier "$liste" "$dossier" "${choix[@]}") || exit 2
mapfile -t choisies <<<"$choisies"
if [ ! -f build/win64/wineprefix/system.reg ] && [ -f "$prefixe/system.reg" ]; then
  cp -a "$prefixe" build/win64/wineprefix
fi

# The mutated file, put back whatever ends the run.
fichierMute=
restaurer() {
  if [ -n "$fichierMute" ]; then
    git -C "$dossier" checkout -q -- "$fichierMute"
    fichierMute=
  fi
}
terminer() {
  restaurer
  if [ -n "${vidalto_xvfb_pid:-}" ]; then
    kill "$vidalto_xvfb_pid" 2>/dev/null || true
    wait "$vidalto_xvfb_pid" 2>/dev/null || true
  fi
}
trap terminer EXIT
trap 'exit 130' INT TERM

{
  cmake --preset native
  cmake --preset win64
} >"$journal/configuration.log" 2>&1 || echec "configuration failed: $journal/configuration.log"
# The project's Wine environment for the scratch build (its own Xvfb display, prefix, ODBC files).
set +eu
. scripts/xvfb.sh
. scripts/wine-env.sh build/win64
. scripts/odbc-env.sh build/win64
set -eu
# xvfb.sh's own trap is replaced by terminer's, which stops its display.
trap terminer EXIT

# Builds what a suite needs, then runs it. 0: it passed; 1: it failed; 3: the build failed.
lancer() {
  local suite=$1
  if [ "$suite" = native ]; then
    cmake --build --preset native -j 2 || return 3
    timeout -k 30 "$delai" ctest --preset native --timeout "$delai" --stop-on-failure || return 1
  else
    cmake --build --preset win64 -j 2 --target "$suite" || return 3
    timeout -k 30 "$delai" ctest --preset win64 -R "^$suite\$" --timeout "$delai" || return 1
  fi
}

# The scheduler's store of the prefix, put back as the unmutated suites leave it, so that what a
# mutation leaves there cannot fail the next one.
taches=$WINEPREFIX/drive_c/windows/tasks
remettreTaches() {
  "$VIDALTO_WINESERVER" -w
  rm -rf "$taches"
  cp -a "$journal/taches" "$taches"
}

debut=$(date +%s)
for suite in "${suites[@]}"; do
  lancer "$suite" >>"$journal/reference.log" 2>&1 ||
    echec "the unmutated revision fails $suite: $journal/reference.log"
done
"$VIDALTO_WINESERVER" -w
rm -rf "$journal/taches"
mkdir -p "$taches"
cp -a "$taches" "$journal/taches"
echo "$(git log -1 --format='%h %s' "$commit"): every suite passes ($(($(date +%s) - debut)) s)"

prises=0
sansBuild=0
for ligne in "${choisies[@]}"; do
  IFS=$'\t' read -r numero fichier description <<<"$ligne"
  log=$journal/$numero.log
  : >"$log"
  depart=$(date +%s)
  fichierMute=$fichier
  outil appliquer "$liste" "$dossier" "$numero"
  git -C "$dossier" diff >>"$log"
  verdict=MISSED
  for suite in "${suites[@]}"; do
    echo "=== $suite" >>"$log"
    statut=0
    lancer "$suite" >>"$log" 2>&1 || statut=$?
    if [ "$statut" = 1 ]; then
      verdict="caught by $suite"
      prises=$((prises + 1))
      break
    elif [ "$statut" = 3 ]; then
      verdict="DOES NOT BUILD"
      sansBuild=$((sansBuild + 1))
      break
    fi
  done
  restaurer
  remettreTaches
  printf '%3d  %-26s %5d s  %s\n' "$numero" "$verdict" $(($(date +%s) - depart)) "$description"
done

total=${#choisies[@]}
echo "caught $prises of $total$([ "$sansBuild" = 0 ] || echo ", $sansBuild not built") in $(($(date +%s) - debut)) s"
[ "$prises" = "$total" ]
exit
}
