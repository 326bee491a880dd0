#pragma once

#include <QDialog>

// The About box: the program's name, version and purpose, its licence, the dossier open and
// where the settings are kept, and "OK".
class TAbout : public QDialog {
    Q_OBJECT

public:
    TAbout(const QString& dossier, const QString& repertoireReglages, QWidget* parent = nullptr);
};
