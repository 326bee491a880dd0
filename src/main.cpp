#include "app/tmainform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvinel"));
    TMainForm mainForm;
    mainForm.show();
    return app.exec();
}
