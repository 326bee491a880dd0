#!/usr/bin/env python3
"""Times the program's launch as a person sees it, from outside.

Under an X server of its own (run it through xvfb-run), starts the built program five times
bare and five times with the largest dossier, the two interleaved, and times each launch from
the start of the process to the moment its main window is on the screen: "Tarvinel" for a
bare launch, "Tarvinel - [dossier.loc]" once the dossier shows. The main window opens its
dossier before it first appears, so the second title on screen means the dossier is shown.
Prints each time, the medians and their ratio.

Usage: xvfb-run -a -s "-noreset" python3 bench/lancement.py BUILD_DIR
(-noreset: a server that resets when its last client leaves refuses the next launch meanwhile)
"""

import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

REPETITIONS = 5
DELAI = 60.0


def visible(titre):
    """True when a window of exactly this title is mapped and viewable."""
    sortie = subprocess.run(["xwininfo", "-name", titre], capture_output=True, text=True)
    return sortie.returncode == 0 and "IsViewable" in sortie.stdout


def lancement(programme, arguments, titre, repertoire):
    """Seconds from the start of the program to its window titled `titre` on screen."""
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", HOME=repertoire)
    erreurs = tempfile.TemporaryFile()
    debut = time.perf_counter()
    processus = subprocess.Popen([programme] + arguments, cwd=repertoire, env=env,
                                 stdout=subprocess.DEVNULL, stderr=erreurs)
    try:
        while not visible(titre):
            if processus.poll() is not None:
                erreurs.seek(0)
                sys.exit(f"le programme s'est arrêté ({processus.returncode}) avant de montrer "
                         f"« {titre} » :\n{erreurs.read().decode(errors='replace')}")
            if time.perf_counter() - debut > DELAI:
                sys.exit(f"« {titre} » ne s'est pas montré en {DELAI:.0f} s")
            time.sleep(0.002)
        return time.perf_counter() - debut
    finally:
        processus.send_signal(signal.SIGTERM)
        processus.wait()


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    programme = os.path.join(build, "tarvinel")
    with tempfile.TemporaryDirectory() as travail:
        dossiers = os.path.join(travail, "dossiers")
        loc = subprocess.run([os.path.join(build, "bench", "tarvinel_ecritdossier"), dossiers],
                             check=True, capture_output=True, text=True).stdout.strip()
        nu = os.path.join(travail, "nu")
        avec = os.path.join(travail, "avec")
        os.makedirs(nu)
        os.makedirs(avec)
        titre = f"Tarvinel - [{os.path.basename(loc)}]"
        # A first launch of each, untimed, so that both start with the system's caches warm.
        lancement(programme, [], "Tarvinel", nu)
        lancement(programme, [loc], titre, avec)
        nus, avecs = [], []
        for _ in range(REPETITIONS):
            nus.append(lancement(programme, [], "Tarvinel", nu))
            avecs.append(lancement(programme, [loc], titre, avec))
    print("Launch, black box (process start to its window on screen), ms:")
    print("  bare:                 " + " ".join(f"{t * 1e3:7.1f}" for t in nus))
    print("  with maximal dossier: " + " ".join(f"{t * 1e3:7.1f}" for t in avecs))
    mnu, mavec = statistics.median(nus), statistics.median(avecs)
    print(f"  medians: bare {mnu * 1e3:.1f} ms, with the dossier {mavec * 1e3:.1f} ms, "
          f"ratio {mavec / mnu:.2f} x")


if __name__ == "__main__":
    main()
