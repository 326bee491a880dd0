#!/usr/bin/env python3
"""Checks the include arrows of src/ against the layers of the program.

Every include of the program is written from src/ ("core/store/tlistebase.h", "ui/common/…",
"cli/…"), so the path of an include names its layer:

- src/core never includes src/ui or src/cli; src/ui and src/cli never include each other.
- Inside src/core, the folders form one line (ORDRE, lowest first): a file may include its own
  folder and the folders below it, never one above.
- Inside src/ui, ui/common holds the services every window uses and includes no other window
  folder; ui/shell holds the main window, which knows every window, and no other folder includes
  it.

Each include is resolved as the compiler resolves it: a quoted include first beside the file
that holds it, then from src/. Includes found in neither (Qt, the standard library) are outside
the program and not checked.

Prints the order of the core folders read from the code, then every fault as file:line, and
exits with status 1 if there is one.
"""

import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parent.parent / "src"
CORE = SRC / "core"
UI = SRC / "ui"
CLI = SRC / "cli"

# The core folders, lowest first.
ORDRE = [
    "common",
    "store",
    "rtf",
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
]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def resoudre(fichier, guillemets, nom):
    places = ([fichier.parent] if guillemets else []) + [SRC]
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


def dossier_ui(chemin):
    """The window folder holding this path, or None outside src/ui."""
    if UI not in chemin.parents:
        return None
    return chemin.relative_to(UI).parts[0]


def faute_entre_fronts(fichier, cible):
    """The fault of an arrow between the core, the windows and the command line, if any."""
    if CORE in fichier.parents and UI in cible.parents:
        return f"le noyau inclut la fenêtre {relatif(cible)}"
    if CORE in fichier.parents and CLI in cible.parents:
        return f"le noyau inclut la ligne de commande {relatif(cible)}"
    if UI in fichier.parents and CLI in cible.parents:
        return f"une fenêtre inclut la ligne de commande {relatif(cible)}"
    if CLI in fichier.parents and UI in cible.parents:
        return f"la ligne de commande inclut la fenêtre {relatif(cible)}"
    de, vers = dossier_ui(fichier), dossier_ui(cible)
    if de is None or vers is None or de == vers:
        return None
    if de == "common":
        return f"ui/common inclut {relatif(cible)}, une fenêtre au-dessus de lui"
    if vers == "shell":
        return f"ui/{de} inclut la fenêtre principale {relatif(cible)}"
    return None


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
    for fichier, numero, cible in fleches():
        lieu = f"{relatif(fichier)}:{numero}"
        faute = faute_entre_fronts(fichier, cible)
        if faute:
            fautes.append(f"{lieu}: {faute}")
            continue
        de, vers = dossier_core(fichier), dossier_core(cible)
        if de is None or vers is None or de == vers:
            continue
        if de not in ORDRE or vers not in ORDRE:
            inconnu = de if de not in ORDRE else vers
            fautes.append(f"{lieu}: dossier src/core/{inconnu} absent de l'ordre des couches")
            continue
        if ORDRE.index(vers) > ORDRE.index(de):
            fautes.append(f"{lieu}: {de} inclut {relatif(cible)}, plus haut que lui")
            continue
        aretes.setdefault(de, set()).add(vers)

    for dossier in sorted(set(ORDRE) - {d.name for d in CORE.iterdir() if d.is_dir()}):
        fautes.append(f"src/core/{dossier} : dans l'ordre des couches mais absent du noyau")

    print("Couches du noyau, de la plus basse à la plus haute, et ce que chacune inclut :")
    for dossier in ORDRE:
        dessous = sorted(aretes.get(dossier, ()), key=ORDRE.index)
        print(f"  {dossier:<11} {', '.join(dessous) or '-'}")
    for faute in fautes:
        print(faute, file=sys.stderr)
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
