#pragma once

#include <QDialog>

// The About box: the program's name, version and purpose, and "OK".
class TAbout : public QDialog {
    Q_OBJECT

public:
    explicit TAbout(QWidget* parent = nullptr);
};
