#!/usr/bin/env python3
"""Checks the include arrows of src/ against the layers of the program.

- src/core never includes src/ui.
- Inside src/core, the folders form one line (ORDRE, lowest first): a file may include its own
  folder and the folders below it, never one above. The arrows that run back up today are listed
  in REMONTEES, each with why; any other one stops the check.

Each include is resolved as the compiler resolves it: a quoted include first beside the file
that holds it, then in the include roots of the file's target (src/core for the core library;
src/ui then src/core for the windows and src/main.cpp). Includes found in no root (Qt, the
standard library) are outside the program and not checked.

Prints the order of the core folders read from the code, then every fault as file:line, and
exits with status 1 if there is one.
"""

import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parent.parent / "src"
CORE = SRC / "core"
UI = SRC / "ui"

# The core folders, lowest first.
ORDRE = [
    "common",
    "store",
    "records",
    "documents",
    "purchasing",
    "accounting",
    "printing",
    "tools",
    "app",
    "gestion",
    "charges",
    "banque",
    "cli",
]

FABRIQUE = ("the page factory builds the seven pages of the record window, the document and "
            "order pages included: it belongs above them, beside TFiche")

# Arrows that run back up today, kept until the folders are reshaped: (file, included file).
REMONTEES = {
    # The page factory builds every page of the record window, the document and order pages
    # included; it belongs above them, beside TFiche.
    ("src/core/records/pages.cpp", "src/core/documents/tpagedocument.h"): FABRIQUE,
    ("src/core/records/pages.cpp", "src/core/purchasing/tpagecommande.h"): FABRIQUE,
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def racines(fichier):
    """Include roots of the target that compiles this file, in the compiler's order."""
    if CORE in fichier.parents:
        return [CORE]
    return [UI, CORE]


def resoudre(fichier, guillemets, nom):
    places = ([fichier.parent] if guillemets else []) + racines(fichier)
    for place in places:
        chemin = (place / nom).resolve()
        if chemin.is_file():
            return chemin
    return None


def relatif(chemin):
    return chemin.relative_to(SRC.parent).as_posix()


def dossier_core(chemin):
    """The core folder holding this path, or None outside src/core."""
    if CORE not in chemin.parents:
        return None
    return chemin.relative_to(CORE).parts[0]


def fleches():
    """Every include arrow of src/: (file, line, included file)."""
    for fichier in sorted(SRC.rglob("*")):
        if fichier.suffix not in (".cpp", ".h") or not fichier.is_file():
            continue
        texte = fichier.read_text(encoding="utf-8")
        for numero, ligne in enumerate(texte.splitlines(), start=1):
            m = INCLUDE.match(ligne)
            if not m:
                continue
            cible = resoudre(fichier, m.group(1) == '"', m.group(2))
            if cible is not None:
                yield fichier, numero, cible


def main():
    fautes = []
    aretes = {}
    vues = set()
    for fichier, numero, cible in fleches():
        lieu = f"{relatif(fichier)}:{numero}"
        if CORE in fichier.parents and UI in cible.parents:
            fautes.append(f"{lieu}: le noyau inclut la fenêtre {relatif(cible)}")
            continue
        de, vers = dossier_core(fichier), dossier_core(cible)
        if de is None or vers is None or de == vers:
            continue
        if de not in ORDRE or vers not in ORDRE:
            inconnu = de if de not in ORDRE else vers
            fautes.append(f"{lieu}: dossier src/core/{inconnu} absent de l'ordre des couches")
            continue
        paire = (relatif(fichier), relatif(cible))
        if ORDRE.index(vers) > ORDRE.index(de):
            if paire in REMONTEES:
                vues.add(paire)
                continue
            fautes.append(f"{lieu}: {de} inclut {relatif(cible)}, plus haut que lui")
            continue
        aretes.setdefault(de, set()).add(vers)

    for paire in sorted(set(REMONTEES) - vues):
        fautes.append(f"{paire[0]}: la remontée permise vers {paire[1]} n'existe plus ; "
                      "retirez-la de la liste")

    for dossier in sorted(set(ORDRE) - {d.name for d in CORE.iterdir() if d.is_dir()}):
        fautes.append(f"src/core/{dossier} : dans l'ordre des couches mais absent du noyau")

    print("Couches du noyau, de la plus basse à la plus haute, et ce que chacune inclut :")
    for dossier in ORDRE:
        dessous = sorted(aretes.get(dossier, ()), key=ORDRE.index)
        print(f"  {dossier:<11} {', '.join(dessous) or '-'}")
    for paire in sorted(vues):
        print(f"Remontée permise : {paire[0]} -> {paire[1]}")
    for faute in fautes:
        print(faute, file=sys.stderr)
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
