#pragma once

#include <QWidget>

// A page of the record window on screen. The record window shows one page per base and
// calls these when the page is shown, after a move, and on F2.
class TPageVue : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Puts the focus on the page's first field.
    virtual void focusChamp() { setFocus(); }
    // Supprimer ligne on a page with a line grid: the grid's current row, while it has the
    // focus.
    virtual void SupLigne1() {}
};
