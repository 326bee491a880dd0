#include "ui/store/progression.h"

#include "ui/common/questions.h"

#include <QApplication>

namespace {

// How long an operation runs before its window shows.
constexpr qint64 AvantAffichageMs = 300;
// Between two showings of the progress, so that showing it does not slow the operation down.
constexpr qint64 IntervalleMs = 40;

} // namespace

TFenetreProgression::TFenetreProgression(const QString& texte, QWidget* parent, bool annulable)
    : m_texte(texte), m_parent(parent), m_annulable(annulable) {
    m_depuis.start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_curseur = true;
}

TFenetreProgression::~TFenetreProgression() {
    termine();
}

void TFenetreProgression::termine() {
    m_dialogue.reset();
    if (m_curseur)
        QApplication::restoreOverrideCursor();
    m_curseur = false;
}

void TFenetreProgression::message(const QString& texte) {
    Questions::instance().message(texte);
}

bool TFenetreProgression::avance(qsizetype fait, qsizetype total) {
    if (!m_dialogue) {
        if (fait >= total || m_depuis.elapsed() < AvantAffichageMs)
            return true;
        m_dialogue = std::make_unique<QProgressDialog>(
            m_texte, m_annulable ? QStringLiteral("Annuler") : QString(), 0, 1, m_parent);
        m_dialogue->setWindowTitle(QStringLiteral("Tarvinel"));
        m_dialogue->setWindowModality(Qt::WindowModal);
        if (!m_annulable)
            m_dialogue->setCancelButton(nullptr);
        m_dialogue->setMinimumWidth(320);
        // Shown at once, by the operation: the dialog's own timer would show it later, over
        // whatever is on screen then.
        m_dialogue->setMinimumDuration(0);
        m_affiche.start();
    } else if (fait < total && m_affiche.elapsed() < IntervalleMs) {
        return !m_dialogue->wasCanceled();
    }
    m_affiche.restart();
    const int maximum = int(qMin<qsizetype>(total, INT_MAX));
    if (m_dialogue->maximum() != maximum)
        m_dialogue->setMaximum(maximum);
    m_dialogue->setValue(int(qMin<qsizetype>(fait, maximum)));
    return !m_dialogue->wasCanceled();
}
