#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

// "Graphique": the last 32 amounts of a statistics window as a bar chart.
class TGraph : public QDialog {
    Q_OBJECT

public:
    explicit TGraph(QWidget* parent = nullptr);
    // Takes the amounts; a text that does not read stops with the conversion message.
    void Init(const QStringList& montants);
    const QList<qint64>& valeurs() const { return m_valeurs; }

private:
    QList<qint64> m_valeurs;
};
