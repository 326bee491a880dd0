#include "cli/lignecommande.h"
#include "ui/common/icones.h"
#include "ui/shell/tmainform.h"
#include "ui/shell/tsplash.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>

namespace {

// A command of the command line: no window, its output on the standard streams.
int commande(int argc, char* argv[]) {
    LigneCommande::prepareSansFenetre();
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    return LigneCommande::execute(QGuiApplication::arguments().mid(1), sortie, erreurs);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (LigneCommande::sansFenetre(arguments))
        return commande(argc, argv);

    QApplication app(argc, argv);
    // Qt has taken its own options; what is left names the dossier to open, if anything.
    const LigneCommande::TDemande demande =
        LigneCommande::analyse(QApplication::arguments().mid(1));
    if (demande.genre != LigneCommande::TDemande::Fenetre) {
        QTextStream erreurs(stderr);
        return LigneCommande::execute(QApplication::arguments().mid(1), erreurs, erreurs);
    }

    auto* splash = new TSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("Tarvinel"));
    QApplication::setWindowIcon(QIcon(imageProgramme(48)));
    // Qt's own dialogs speak French, as the program does.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator traduction;
    if (traduction.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    TMainForm mainForm;
    mainForm.setDossierDemarrage(demande.dossier);
    mainForm.show();
    // The journal and arrival/departure windows are created here, after the main window.

    splash->deleteLater();
    return app.exec();
}
