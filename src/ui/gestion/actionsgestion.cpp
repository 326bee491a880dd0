#include "ui/gestion/actionsgestion.h"

#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/documents/mois.h"
#include "core/documents/tpagedocument.h"
#include "core/gestion/courriel.h"
#include "core/gestion/loyersimpayes.h"
#include "core/gestion/quittancesdumois.h"
#include "core/gestion/revenusfonciers.h"
#include "core/gestion/revisionloyers.h"
#include "core/printing/pdf.h"
#include "ui/common/questions.h"
#include "ui/gestion/tdialoguequittancesmois.h"
#include "ui/gestion/tdialoguerevision.h"
#include "ui/gestion/tfenetretableau.h"

#include <QElapsedTimer>
#include <QProgressDialog>

namespace {

// Sends each receipt made to its tenant, one composer at a time, each after the first once
// the landlord asks for it; gives why some were not sent.
QStringList envoieQuittances(const TFiche& fiche, const TBilanMois& bilan) {
    QStringList refus;
    execute([&] {
        refus = EnvoieQuittances(
            bilan, fiche.base(Base::Locataires), fiche.reglages(), dossierCourriels(),
            [](qsizetype ouverts, qsizetype total, const QString& nom) {
                return Questions::instance().okAnnuler(
                    QStringLiteral("%1 message(s) ouvert(s) sur %2. Ouvrir le suivant (%3) ?")
                        .arg(ouverts)
                        .arg(total)
                        .arg(nom));
            });
    });
    return refus;
}

// The run's progress, with "Annuler" to stop it; shown only when the run lasts.
class TProgressionMois {
public:
    explicit TProgressionMois(QWidget* parent)
        : m_dialogue(QStringLiteral("Création des quittances du mois..."),
                     QStringLiteral("Annuler"), 0, 1, parent) {
        m_dialogue.setWindowTitle(QStringLiteral("Quittances du mois"));
        m_dialogue.setWindowModality(Qt::WindowModal);
        m_dialogue.setMinimumDuration(300);
        m_dialogue.setAutoClose(false);
        m_dialogue.setAutoReset(false);
        m_depuis.start();
    }
    bool avance(qsizetype fait, qsizetype total) {
        // Between two showings, so that showing it does not slow the run down.
        if (fait < total && m_depuis.elapsed() < 40)
            return !m_dialogue.wasCanceled();
        m_depuis.restart();
        m_dialogue.setMaximum(int(qMin<qsizetype>(total, INT_MAX)));
        m_dialogue.setValue(int(qMin<qsizetype>(fait, INT_MAX)));
        return !m_dialogue.wasCanceled();
    }

private:
    QProgressDialog m_dialogue;
    QElapsedTimer m_depuis;
};

} // namespace

void QuittancesDuMois(TFiche& fiche, QWidget* parent) {
    const TPageDocument* page = fiche.pageDocument(Base::Quittances);
    if (!page)
        return;
    TDialogueQuittancesMois dialogue(page->liste(ChampDocument::Mois), TexteMois(Clock::today()),
                                     parent);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    const TDialogueQuittancesMois::TChoix choix = dialogue.Result();
    TBilanMois bilan;
    {
        TProgressionMois progression(parent);
        if (!execute([&] {
                bilan = QuittancesDuMois(fiche, choix.mois, choix.valider,
                                         [&](qsizetype fait, qsizetype total) {
                                             return progression.avance(fait, total);
                                         });
            }))
            return;
    }
    if (bilan.annule) {
        Questions::instance().message(QStringLiteral(
            "Quittances du mois annulées : aucune quittance n'a été créée, le dossier est tel "
            "qu'il était."));
        return;
    }
    QStringList entete{bilan.resume()};
    if (choix.pdf && !bilan.documents.isEmpty()) {
        const QString chemin = Questions::instance().fichierAEnregistrer(
            QStringLiteral("Fichier PDF (*.pdf)"),
            QStringLiteral("Quittances ") + choix.mois + QStringLiteral(".pdf"));
        if (!chemin.isEmpty() &&
            execute([&] { EcritPdf(travailQuittancesDuMois(bilan, fiche.reglages()), chemin); }))
            entete.append(QStringLiteral("PDF écrit : ") + chemin);
    }
    TTableau tableau = bilan.tableau();
    if (choix.courriel && !bilan.creees.isEmpty()) {
        const QStringList refus = envoieQuittances(fiche, bilan);
        entete.append(
            QStringLiteral("Courriels non envoyés : %1 (en fin de liste)").arg(refus.size()));
        for (const QString& r : refus)
            tableau.lignes.append({QString(), QString(), QString(), r});
    }
    TFenetreTableau fenetre(QStringLiteral("Quittances du mois"), tableau,
                            QStringLiteral("Quittances ") + choix.mois + QStringLiteral(".txt"),
                            true, parent);
    fenetre.setEntete(entete.join(u'\n'));
    fenetre.exec();
}

void RevisionLoyers(TFiche& fiche, QWidget* parent) {
    if (!execute([&] { fiche.EcritPage(Base::Locataires); }))
        return;
    TRevisionLoyers revision(fiche.base(Base::Locataires), Clock::today());
    TDialogueRevision dialogue(fiche, revision, parent);
    dialogue.exec();
}

void LoyersImpayes(TFiche& fiche, QWidget* parent) {
    // The pages on screen reach their bases first; one that cannot be stored says so.
    if (!execute([&] {
            fiche.EcritPage(Base::Locataires);
            fiche.EcritPage(Base::Quittances);
        }))
        return;
    TFenetreTableau fenetre(
        QStringLiteral("Loyers impayés"),
        LoyersImpayes(fiche.base(Base::Locataires), fiche.base(Base::Quittances), Clock::today()),
        QStringLiteral("Loyers impayés.txt"), true, parent);
    fenetre.exec();
}

void RevenusFonciers(TFiche& fiche, QWidget* parent) {
    const std::optional<QString> annee = Questions::instance().saisie(
        QStringLiteral("Revenus fonciers de l'année"), QStringLiteral("Année"),
        QString::number(Clock::today().year() - 1));
    if (!annee)
        return;
    bool ok = false;
    const int a = annee->trimmed().toInt(&ok);
    if (!ok || a < 1 || a > 9999) {
        Questions::instance().message(
            QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(*annee));
        return;
    }
    TTableau tableau;
    if (!execute([&] { tableau = RevenusFonciers(fiche, a); }))
        return;
    const QString titre = QStringLiteral("Revenus fonciers %1").arg(a);
    TFenetreTableau fenetre(titre, tableau, titre + QStringLiteral(".txt"), false, parent);
    fenetre.exec();
}

void EnvoieDocument(TFiche& fiche, Base base) {
    execute([&] { EnvoieCourriel(CourrielDocument(fiche, base, dossierCourriels())); });
}
