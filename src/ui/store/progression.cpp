#include "progression.h"

#include <QApplication>

namespace {

// Between two showings of the progress, so that showing it does not slow the operation down.
constexpr qint64 IntervalleMs = 40;

} // namespace

TFenetreProgression::TFenetreProgression(const QString& texte, QWidget* parent)
    : m_dialogue(texte, QString(), 0, 1, parent) {
    m_dialogue.setWindowTitle(QStringLiteral("Tarvinel"));
    m_dialogue.setWindowModality(Qt::WindowModal);
    m_dialogue.setCancelButton(nullptr);
    m_dialogue.setMinimumDuration(300);
    m_dialogue.setMinimumWidth(320);
    m_dialogue.setValue(0);
    m_depuis.start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TFenetreProgression::~TFenetreProgression() {
    QApplication::restoreOverrideCursor();
}

TProgression TFenetreProgression::progression() {
    return [this](qsizetype fait, qsizetype total) { avance(fait, total); };
}

void TFenetreProgression::avance(qsizetype fait, qsizetype total) {
    if (fait < total && m_depuis.elapsed() < IntervalleMs)
        return;
    m_depuis.restart();
    const int maximum = int(qMin<qsizetype>(total, INT_MAX));
    if (m_dialogue.maximum() != maximum)
        m_dialogue.setMaximum(maximum);
    m_dialogue.setValue(int(qMin<qsizetype>(fait, maximum)));
}
