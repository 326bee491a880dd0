#include "app/icones.h"
#include "app/tmainform.h"
#include "app/tsplash.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

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
    mainForm.show();
    // The journal and arrival/departure windows are created here, after the main window.

    splash->deleteLater();
    return app.exec();
}
