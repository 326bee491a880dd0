#include "ui/tools/ttexte.h"

#include "core/common/textfile.h"
#include "core/rtf/fichierrtf.h"
#include "core/tools/documenttexte.h"
#include "ui/common/questions.h"
#include "ui/store/progression.h"
#include "ui/tools/impression.h"
#include "ui/tools/tregle.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString FiltreRtf = QStringLiteral("Fichiers rtf (*.rtf)");

} // namespace

TTexte::TTexte(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Texte"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    resize(800, 600);
    setWindowState(Qt::WindowMaximized);

    m_edit = new QTextEdit(this);
    m_edit->setObjectName(QStringLiteral("RichEdit1"));
    m_edit->setAccessibleName(QStringLiteral("Texte"));
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DocumentTexte::prepare(*m_edit->document());

    m_regle = new TRegle(this);
    m_regle->setPasTabulation(m_edit->tabStopDistance());
    connect(m_regle, &TRegle::retraitsChoisis, this, &TTexte::appliqueRetraits);

    auto* barre = new QHBoxLayout;
    barre->setContentsMargins(4, 3, 4, 3);
    barre->setSpacing(2);
    creeBarre(barre);

    // The ruler spans the text, the scroll bar left out, so that its markers stand over the
    // indents they set.
    auto* ligneRegle = new QHBoxLayout;
    ligneRegle->setContentsMargins(0, 0, m_edit->verticalScrollBar()->sizeHint().width(), 0);
    ligneRegle->addWidget(m_regle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(barre);
    layout->addLayout(ligneRegle);
    layout->addWidget(m_edit, 1);

    connect(m_edit, &QTextEdit::cursorPositionChanged, this, &TTexte::SelectionChange);
    connect(m_edit, &QTextEdit::selectionChanged, this, &TTexte::SelectionChange);
    connect(m_edit, &QTextEdit::textChanged, this, &TTexte::SelectionChange);
    connect(m_edit, &QTextEdit::currentCharFormatChanged, this, &TTexte::SelectionChange);
    SelectionChange();
    m_edit->document()->setModified(false);
    m_edit->setFocus();
}

void TTexte::Setsoc(const QString& ligne1, const QString& ligne2, const QString& ligne3,
                    const QString& ligne4) {
    m_entete = {ligne1, ligne2, ligne3, ligne4};
}

bool TTexte::questionEnregistrer() {
    if (!m_edit->document()->isModified())
        return true;
    switch (Questions::instance().ouiNonAnnuler(QStringLiteral("Enregistrer changements dans %1 ?")
                                                    .arg(QFileInfo(m_nomFichier).fileName()))) {
    case Questions::Reponse::Oui:
        // A save given up or failed keeps the letter on screen.
        return Enregistrer();
    case Questions::Reponse::Non:
        return true;
    case Questions::Reponse::Annuler:
        break;
    }
    return false;
}

void TTexte::reject() {
    if (questionEnregistrer())
        QDialog::reject();
}

void TTexte::Nouveau() {
    if (!questionEnregistrer())
        return;
    QTextDocument* document = m_edit->document();
    document->clear();
    m_edit->setCurrentCharFormat(QTextCharFormat());
    QTextCursor curseur(document);
    for (const QString& ligne : m_entete) {
        curseur.insertText(ligne);
        curseur.insertBlock();
    }
    // The letter is written below the letterhead; the letterhead alone is no change to save.
    m_edit->setTextCursor(curseur);
    document->setModified(false);
    m_texteDuFichier = false;
    m_omis.clear();
    m_edit->setFocus();
}

void TTexte::Ouvrir() {
    if (!questionEnregistrer())
        return;
    const QString chemin = Questions::instance().fichierAOuvrir(FiltreRtf);
    if (chemin.isEmpty())
        return;
    // The file is read, then the letter put on screen, each half of the progress; stopped while
    // it is put on screen, the letter is left empty, as a new one without its letterhead.
    std::optional<TLettreLue> lue;
    bool complete = false;
    TFenetreProgression fenetre(QStringLiteral("Ouverture de la lettre..."), this, true);
    fenetre.execute([&](const TSuiviLecture& suivi) {
        lue = FichierRtf::lis(
            chemin, [&](qsizetype lus, qsizetype total) { return suivi(lus, 2 * total); });
        if (!lue)
            return;
        complete = true;
        DocumentTexte::remplit(*m_edit->document(), lue->lettre,
                               [&](qsizetype faits, qsizetype total) {
                                   return complete = suivi(total + faits, 2 * total);
                               });
    });
    if (!lue)
        return;
    m_edit->document()->setModified(false);
    if (!complete) {
        m_nomFichier.clear();
        m_texteDuFichier = false;
        m_omis.clear();
        SelectionChange();
        return;
    }
    m_nomFichier = chemin;
    m_texteDuFichier = true;
    m_omis = lue->omis;
    m_edit->moveCursor(QTextCursor::Start);
    SelectionChange();
    if (!m_omis.isEmpty())
        Questions::instance().message(
            QStringLiteral("Ce document contient ce que le traitement de texte ne garde pas "
                           "(%1) : ce n'est pas affiché, et remplacer le fichier l'effacerait.")
                .arg(m_omis.join(QStringLiteral(", "))));
    m_edit->setFocus();
}

QString TTexte::choisitFichier(const QString& propose) {
    const QString chemin = Questions::instance().fichierAEnregistrer(FiltreRtf, propose);
    return chemin.isEmpty() ? chemin : FichierRtf::avecExtension(chemin);
}

bool TTexte::Enregistrer() {
    QTextDocument* document = m_edit->document();
    if (!document->isModified())
        return true;
    Questions& questions = Questions::instance();
    QString chemin = choisitFichier(m_nomFichier);
    if (chemin.isEmpty())
        return false;
    bool memeFichier = m_texteDuFichier && QFileInfo(chemin) == QFileInfo(m_nomFichier);
    // The file opened holds what the letter does not keep: it is replaced only once the user
    // agrees, else another name is offered.
    while (memeFichier && !m_omis.isEmpty() &&
           !questions.okAnnuler(
               QStringLiteral("Remplacer %1 effacera du fichier ce que le traitement de texte ne "
                              "garde pas (%2). Remplacer ce fichier ?")
                   .arg(QFileInfo(chemin).fileName(), m_omis.join(QStringLiteral(", "))))) {
        const QFileInfo ouvert(m_nomFichier);
        chemin = choisitFichier(
            ouvert.dir().filePath(ouvert.completeBaseName() + QStringLiteral(" (modifié).rtf")));
        if (chemin.isEmpty())
            return false;
        memeFichier = QFileInfo(chemin) == QFileInfo(m_nomFichier);
    }
    // Another letter is never written over without a question, the last one opened included.
    if (!memeFichier && TextFile::exists(chemin) && !questions.confirmeRemplacement())
        return false;
    if (!execute([&] { FichierRtf::ecris(chemin, DocumentTexte::lettre(*document)); }))
        return false;
    m_nomFichier = chemin;
    m_texteDuFichier = true;
    m_omis.clear();
    document->setModified(false);
    return true;
}

void TTexte::Imprimer() {
    imprimeLettre(*m_edit->document(), this);
}

void TTexte::appliqueRetraits(const TRetraits& retraits) {
    QTextCursor curseur = m_edit->textCursor();
    DocumentTexte::appliqueRetraits(curseur, retraits);
    SelectionChange();
}
