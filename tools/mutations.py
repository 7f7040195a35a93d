#!/usr/bin/env python3
"""Passe de mutations : ce que les essais attrapent vraiment.

Change une chose à la fois dans les sources du noyau (un opérateur de comparaison, une
condition, une borne « ± 1 »), reconstruit le programme d'essais de la couche et le lance : le
mutant est tué quand un essai échoue, survivant sinon ; un mutant qui ne compile pas ne compte
pas. L'échantillon est tiré avec une graine fixe parmi les mutants possibles, triés : deux passes
sur les mêmes sources essaient les mêmes mutants, ce qui permet de comparer la suite avant et
après un changement des essais.

    tools/mutations.py [--construction build-tests] [--nombre 100] [--graine 1]
                       [--couches database,gedcom,render] [--survivants fichier]
                       [--tues-de journal]

--tues-de rejoue seulement les mutants qu'une passe précédente (son journal) avait tués : après
un allègement des essais, c'est ce qui peut changer (un essai retiré ne tue pas de mutant de plus).

La source est toujours remise en place, même sur une interruption. À lancer dans une copie de
travail où rien d'autre ne construit.
"""
import argparse
import os
import pathlib
import random
import re
import signal
import subprocess
import sys

RACINE = pathlib.Path(__file__).resolve().parent.parent

# (nom, motif, remplacement) : le motif ne prend que des opérateurs entourés de blancs, ce qui
# écarte les gabarits (« std::vector<int> ») et les flèches.
REGLES = [
    ("<= → <", re.compile(r"(?<=\s)<=(?=\s)"), "<"),
    ("< → <=", re.compile(r"(?<=\s)<(?=\s)"), "<="),
    (">= → >", re.compile(r"(?<=\s)>=(?=\s)"), ">"),
    ("> → >=", re.compile(r"(?<=\s)>(?=\s)"), ">="),
    ("== → !=", re.compile(r"(?<=\s)==(?=\s)"), "!="),
    ("!= → ==", re.compile(r"(?<=\s)!=(?=\s)"), "=="),
    ("&& → ||", re.compile(r"(?<=\s)&&(?=\s)"), "||"),
    ("|| → &&", re.compile(r"(?<=\s)\|\|(?=\s)"), "&&"),
    ("+ 1 → - 1", re.compile(r"(?<=\s)\+ 1\b"), "- 1"),
    ("- 1 → + 1", re.compile(r"(?<=\s)- 1\b"), "+ 1"),
    ("if (x) → if (!(x))", re.compile(r"\bif \((?!constexpr)"), "if (!"),
]


def sans_commentaire(ligne):
    """La partie de code d'une ligne : sans commentaire de fin ni texte entre guillemets."""
    code = re.sub(r'"(?:\\.|[^"\\])*"', lambda m: " " * len(m.group(0)), ligne)
    fin = code.find("//")
    return code if fin < 0 else code[:fin]


def mutants_possibles(couches):
    mutants = []
    for couche in couches:
        for fichier in sorted((RACINE / "src" / couche).rglob("*.cpp")):
            lignes = fichier.read_text(encoding="utf-8").split("\n")
            dans_commentaire = False
            for n, ligne in enumerate(lignes):
                if "/*" in ligne:
                    dans_commentaire = True
                if dans_commentaire:
                    dans_commentaire = "*/" not in ligne
                    continue
                code = sans_commentaire(ligne)
                if code.lstrip().startswith("#"):
                    continue
                for nom, motif, remplacement in REGLES:
                    for m in motif.finditer(code):
                        mutants.append((couche, str(fichier.relative_to(RACINE)), n, m.start(), nom, remplacement))
    return mutants


def appliquer(ligne, debut, nom, remplacement):
    motif = next(m for (n, m, _) in REGLES if n == nom)
    m = motif.match(ligne, debut)
    if nom.startswith("if "):
        # if (condition) → if (!(condition)) : la parenthèse fermante de la condition.
        profondeur, i = 0, m.end() - 1
        while i < len(ligne):
            profondeur += {"(": 1, ")": -1}.get(ligne[i], 0)
            if profondeur == 0:
                return ligne[: m.end()] + "!(" + ligne[m.end(): i] + "))" + ligne[i + 1:]
            i += 1
        return None  # condition sur plusieurs lignes : écartée
    return ligne[:debut] + remplacement + ligne[m.end():]


def lancer(commande, delai):
    # Groupe de processus à part : un mutant qui boucle dans le programme lancé par un essai
    # (lignara importer…) ne doit pas lui survivre et manger la machine pour la suite.
    processus = subprocess.Popen(commande, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                 start_new_session=True)
    try:
        return processus.wait(timeout=delai)
    except subprocess.TimeoutExpired:
        os.killpg(processus.pid, signal.SIGKILL)
        processus.wait()
        return -1  # une boucle sans fin est aussi une faute attrapée


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--construction", default="build-tests")
    p.add_argument("--nombre", type=int, default=100)
    p.add_argument("--graine", type=int, default=1)
    p.add_argument("--couches", default="database,gedcom,render")
    p.add_argument("--delai", type=int, default=600, help="secondes par programme d'essais")
    p.add_argument("--survivants", help="fichier où lister les mutants survivants")
    p.add_argument("--tues-de", help="journal d'une passe précédente : ne rejoue que ses mutants tués")
    a = p.parse_args()
    construction = (RACINE / a.construction).resolve()
    couches = a.couches.split(",")
    tous = mutants_possibles(couches)
    echantillon = sorted(random.Random(a.graine).sample(tous, min(a.nombre, len(tous))))
    if a.tues_de:
        tues_avant = set()
        for ligne in pathlib.Path(a.tues_de).read_text(encoding="utf-8").splitlines():
            m = re.match(r"\[\d+/\d+\] (\S+):(\d+) (.+) : tué$", ligne)
            if m:
                tues_avant.add((m.group(1), int(m.group(2)) - 1, m.group(3)))
        echantillon = [e for e in echantillon if (e[1], e[2], e[4]) in tues_avant]
    print(f"{len(tous)} mutants possibles, {len(echantillon)} essayés (graine {a.graine})", flush=True)
    # Point de départ : la suite doit passer sans mutant.
    for couche in couches:
        if lancer(["cmake", "--build", str(construction), "--target", f"tests_{couche}"], None) != 0:
            sys.exit(f"La construction de tests_{couche} échoue sans mutant")
        if lancer([str(construction / "tests" / f"tests_{couche}")], a.delai) != 0:
            sys.exit(f"tests_{couche} échoue sans mutant")
    tues, survivants, morts_nes = 0, [], 0
    for i, (couche, chemin, n, debut, nom, remplacement) in enumerate(echantillon, 1):
        fichier = RACINE / chemin
        original = fichier.read_bytes()
        lignes = original.decode("utf-8").split("\n")
        mutee = appliquer(lignes[n], debut, nom, remplacement)
        if mutee is None:
            morts_nes += 1
            continue
        lignes[n] = mutee
        try:
            fichier.write_text("\n".join(lignes), encoding="utf-8")
            if lancer(["cmake", "--build", str(construction), "--target", f"tests_{couche}"], None) != 0:
                morts_nes += 1
                etat = "ne compile pas"
            elif lancer([str(construction / "tests" / f"tests_{couche}"), "--gtest_fail_fast"], a.delai) != 0:
                tues += 1
                etat = "tué"
            else:
                survivants.append(f"{chemin}:{n + 1}: {nom} : {lignes[n].strip()}")
                etat = "SURVIT"
        finally:
            fichier.write_bytes(original)
        print(f"[{i}/{len(echantillon)}] {chemin}:{n + 1} {nom} : {etat}", flush=True)
    # Remet la construction d'accord avec les sources d'origine.
    for couche in couches:
        lancer(["cmake", "--build", str(construction), "--target", f"tests_{couche}"], None)
    comptes = tues + len(survivants)
    taux = 100.0 * tues / comptes if comptes else 0.0
    print(f"Tués : {tues} ; survivants : {len(survivants)} ; ne compilent pas : {morts_nes} ; "
          f"taux : {taux:.1f} %")
    if a.survivants:
        pathlib.Path(a.survivants).write_text("\n".join(survivants) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
