#include "ui/accounting/tcomptes.h"

#include "core/app/fichiersreglages.h"
#include "ui/common/boutonsdialogue.h"
#include "ui/common/questions.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TComptes::TComptes(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Comptes"));
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(12);
    for (int compte = 0; compte < int(m_edits.size()); ++compte) {
        auto* label = new QLabel(libelle(compte));
        QLineEdit*& edit = m_edits[compte];
        edit = new QLineEdit;
        edit->setAccessibleName(libelle(compte).trimmed());
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
        edit->installEventFilter(this);
        label->setBuddy(edit);
        // Three rows of two columns.
        const int ligne = compte % 3;
        const int colonne = (compte / 3) * 2;
        grille->addWidget(label, ligne, colonne);
        grille->addWidget(edit, ligne, colonne + 1);
    }
    auto* page = new QVBoxLayout(this);
    page->addLayout(grille);
    page->addSpacing(8);
    page->addLayout(boutonsAnnulerOk(this));
    page->setSizeConstraint(QLayout::SetFixedSize);
}

QString TComptes::libelle(int compte) {
    static const std::array<QString, 6> libelles = {
        QStringLiteral("Clients divers"), QStringLiteral("Revenus locatifs"),
        QStringLiteral("Charges"),        QStringLiteral("TVA"),
        QStringLiteral("Taxe "),          QStringLiteral("APL")};
    return libelles[compte];
}

void TComptes::Init(const Comptes& comptes) {
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->setText(comptes[i]);
}

std::optional<Comptes> TComptes::Result() const {
    if (result() != QDialog::Accepted)
        return std::nullopt;
    Comptes comptes;
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        comptes[i] = m_edits[i]->text();
    return comptes;
}

void TComptes::accept() {
    for (QLineEdit* edit : m_edits)
        if (edit->hasFocus())
            edit->setText(NormaliseCompte(edit->text()));
    // A number that the settings file could not hold is refused here, while the user can still
    // correct it.
    for (QLineEdit* edit : m_edits) {
        const QString refus = FichiersReglages::refusLigne(edit->text(), FichiersReglages::NomIni);
        if (!refus.isEmpty()) {
            Questions::instance().message(refus);
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    QDialog::accept();
}

bool TComptes::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::FocusOut)
        if (auto* edit = qobject_cast<QLineEdit*>(objet))
            edit->setText(NormaliseCompte(edit->text()));
    return QDialog::eventFilter(objet, evenement);
}
