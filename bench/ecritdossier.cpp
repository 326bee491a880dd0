// Writes the largest dossier the format allows into the folder given, and prints the path of
// its main file: the dossier that the launch measurement opens.

#include "dossiergen.h"

#include "core/store/tlistebase.h"

#include <QTextStream>

#include <exception>

int main(int argc, char** argv) {
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    if (argc != 2) {
        erreurs << "usage : tarvinel_ecritdossier DOSSIER\n";
        return 2;
    }
    try {
        sortie << writeDossier(QString::fromLocal8Bit(argv[1]), TListeBase::MaxBlocs) << '\n';
    } catch (const std::exception& e) {
        erreurs << e.what() << '\n';
        return 1;
    }
    return 0;
}
