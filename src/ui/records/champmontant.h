#pragma once

#include <QObject>

class QLineEdit;

// Puts the amount key filter on an edit: a full stop types a comma, and only digits, the
// comma and backspace get through.
class FiltreMontant : public QObject {
    Q_OBJECT

public:
    static void installe(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
