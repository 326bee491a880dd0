#include "ui/tools/tblocnotes.h"

#include "core/tools/blocnotes.h"
#include "ui/common/questions.h"
#include "ui/common/textememo.h"
#include "ui/tools/apparence.h"
#include "ui/tools/impression.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBlocnotes::TBlocnotes(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Bloc-notes"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(533, 334);
    setFont(Apparence::policeSysteme());

    auto* imprimer = new QPushButton(QStringLiteral("Imprimer"), this);
    imprimer->setAutoDefault(false);
    connect(imprimer, &QPushButton::clicked, this, &TBlocnotes::Imprimer);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    auto* panneau = new QHBoxLayout;
    panneau->setContentsMargins(6, 6, 6, 6);
    panneau->addWidget(imprimer);
    panneau->addStretch(1);
    panneau->addWidget(fermer);
    panneau->addSpacing(125 - 6 - fermer->sizeHint().width());

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setAccessibleName(QStringLiteral("Bloc-notes"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(panneau);
    layout->addWidget(m_memo, 1);
    m_memo->setFocus();
}

bool TBlocnotes::Charge(const QString& chemin) {
    m_chemin = chemin;
    const bool lu = execute([&] { m_memo->setPlainText(BlocNotes::lis(chemin)); });
    m_memo->document()->setModified(false);
    return lu;
}

void TBlocnotes::Imprimer() {
    imprimeTexte(texteMemo(*m_memo), m_memo->font(), this);
}

void TBlocnotes::done(int resultat) {
    if (m_memo->document()->isModified()) {
        try {
            BlocNotes::ecris(m_chemin, texteMemo(*m_memo));
            m_memo->document()->setModified(false);
        } catch (const UserError& erreur) {
            // The page stays open to be mended, unless the user gives it up.
            if (!Questions::instance().okAnnuler(erreur.message() +
                                                 QStringLiteral("\nFermer sans enregistrer ?")))
                return;
        }
    }
    QDialog::done(resultat);
}
