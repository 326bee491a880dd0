#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;

// The calendar: a month of days, weeks starting on Sunday, under a heading with the month and
// the year; "Mois" (or Page Up, Page Down) goes to the month before or after.
class TCalendrier : public QDialog {
    Q_OBJECT

public:
    explicit TCalendrier(QWidget* parent = nullptr);

    void moisPrecedent();
    void moisSuivant();

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void montreEntete();

    QLabel* m_entete;
    QCalendarWidget* m_calendrier;
};
