#include "tmainform.h"

#include "app/tfiche.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), m_fiche(new TFiche(this)) {
    setWindowTitle(QStringLiteral("Tarvinel"));
}
