#pragma once

#include <QWidget>

// The window shown while the program starts: borderless, centred, the program's picture,
// its name and its version.
class TSplash : public QWidget {
    Q_OBJECT

public:
    explicit TSplash(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evenement) override;
};
