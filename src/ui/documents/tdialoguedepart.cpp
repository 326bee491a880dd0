#include "ui/documents/tdialoguedepart.h"

#include "core/documents/tdepart.h"
#include "ui/common/boutonsdialogue.h"
#include "ui/common/questions.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QDateEdit* editDate() {
    auto* date = new QDateEdit;
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    date->setCalendarPopup(true);
    return date;
}

} // namespace

TDialogueDepart::TDialogueDepart(TDepart& depart, QWidget* parent)
    : QDialog(parent), m_depart(depart), m_du(editDate()), m_au(editDate()),
      m_jours(new QLineEdit) {
    setWindowTitle(QStringLiteral("Arrivée/départ du locataire"));
    auto* formulaire = new QFormLayout;
    auto* nom = new QLabel(depart.nom());
    nom->setAccessibleName(QStringLiteral("Premier/dernier loyer "));
    formulaire->addRow(QStringLiteral("Premier/dernier loyer "), nom);
    const auto ajoute = [formulaire](const QString& libelle, QWidget* champ) {
        champ->setAccessibleName(libelle);
        formulaire->addRow(libelle, champ);
    };
    ajoute(QStringLiteral("Du"), m_du);
    ajoute(QStringLiteral("au"), m_au);
    ajoute(QStringLiteral("Nb jours"), m_jours);
    const QStringList libelles{QStringLiteral("Loyer"), QStringLiteral("Charges"),
                               QStringLiteral("Taxes")};
    for (int i = 0; i < TDepart::NbMontants; ++i) {
        m_montants[i] = new QLineEdit;
        m_montants[i]->setAlignment(Qt::AlignRight);
        ajoute(libelles[i], m_montants[i]);
        connect(m_montants[i], &QLineEdit::textEdited, this, [this, i](const QString& texte) {
            m_depart.saisitMontant(TDepart::Montant(i), texte);
        });
    }
    connect(m_du, &QDateEdit::editingFinished, this, [this] {
        m_depart.saisitDu(m_du->date());
        calcule();
    });
    connect(m_au, &QDateEdit::editingFinished, this, [this] {
        m_depart.saisitAu(m_au->date());
        calcule();
    });
    connect(m_jours, &QLineEdit::editingFinished, this, &TDialogueDepart::calcule);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formulaire);
    layout->addLayout(boutonsAnnulerOk(this));
    affiche();
}

void TDialogueDepart::calcule() {
    execute([this] { m_depart.Calculs(); });
    affiche();
}

void TDialogueDepart::affiche() {
    m_du->setDate(m_depart.du());
    m_au->setDate(m_depart.au());
    m_jours->setText(m_depart.jours());
    for (int i = 0; i < TDepart::NbMontants; ++i)
        m_montants[i]->setText(m_depart.montant(TDepart::Montant(i)));
}
