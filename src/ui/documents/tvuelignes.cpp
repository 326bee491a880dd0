#include "ui/documents/tvuelignes.h"

#include "core/documents/tpagelignes.h"
#include "ui/common/questions.h"
#include "ui/common/textememo.h"
#include "ui/documents/deleguegrille.h"
#include "ui/documents/elementsdocument.h"

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>

TVueLignes::TVueLignes(TPageLignes& page, QWidget* parent) : TPageVue(parent), m_lignes(page) {
    connect(&m_lignes.grille(), &TGrilleDocument::saisieRefusee, this,
            [](const QString& message) { Questions::instance().message(message); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* maintenant) { focusChange(maintenant); });
}

QTableView* TVueLignes::creeGrille() {
    DelegueGrille* delegue = nullptr;
    m_grille = vueGrille(m_lignes.grille(), delegue);
    connect(delegue, &DelegueGrille::finSaisie, this, &TVueLignes::finLigne);
    return m_grille;
}

QWidget* TVueLignes::creeMemo(const QString& libelle) {
    QWidget* panneau = panneauMemo(libelle, m_memo);
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_miseAJour && !execute([this] { m_lignes.saisitMemo(texteMemo(*m_memo)); }))
            afficheMemo();
    });
    return panneau;
}

void TVueLignes::afficheMemo() {
    if (!m_memo)
        return;
    const bool miseAJour = m_miseAJour;
    m_miseAJour = true;
    m_memo->setPlainText(m_lignes.memo());
    m_miseAJour = miseAJour;
}

void TVueLignes::finLigne(int ligne) {
    int suivante = ligne;
    if (execute([&] { suivante = m_lignes.finLigne(ligne); }))
        m_grille->setCurrentIndex(m_lignes.grille().index(suivante, 0));
}

void TVueLignes::SupLigne1() {
    execute([this] { m_lignes.SupLigne1(m_grille->currentIndex().row()); });
}

void TVueLignes::focusChange(QWidget* maintenant) {
    // The menu bar opened from the keyboard, or another program, takes the focus only for a
    // while: the grid keeps it.
    if (!m_grille || !maintenant || qobject_cast<QMenuBar*>(maintenant))
        return;
    const bool dansGrille = maintenant == m_grille || m_grille->isAncestorOf(maintenant);
    if (dansGrille && !m_lignes.grilleActive())
        m_lignes.entreGrille();
    else if (!dansGrille && m_lignes.grilleActive())
        m_lignes.quitteGrille();
}
