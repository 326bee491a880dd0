#pragma once

#include <QMainWindow>

class TFiche;

// The application's frame: menus, toolbar, status bar and the record window.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    TFiche& fiche() { return *m_fiche; }

private:
    TFiche* m_fiche;
};
