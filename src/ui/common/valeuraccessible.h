#pragma once

#include <QLabel>

// A label that shows a value (a calculator display, a total, a status) under an accessible name
// of its own: assistive technology reads the name, and the number or text shown as its value
// and its description, so that the value is never hidden behind the name.
class TValeurAffichee : public QLabel {
    Q_OBJECT

public:
    explicit TValeurAffichee(QWidget* parent = nullptr);
};
