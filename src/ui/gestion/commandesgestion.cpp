#include "commandesgestion.h"

#include "app/questions.h"
#include "app/tfiche.h"
#include "common/clock.h"
#include "documents/mois.h"
#include "documents/tpagedocument.h"
#include "gestion/courriel.h"
#include "gestion/loyersimpayes.h"
#include "gestion/quittancesdumois.h"
#include "gestion/revenusfonciers.h"
#include "gestion/revisionloyers.h"
#include "printing/pdf.h"
#include "tdialoguequittancesmois.h"
#include "tdialoguerevision.h"
#include "tfenetretableau.h"

namespace {

// Sends each receipt made to its tenant; those who cannot be reached are told.
QString envoieQuittances(const TFiche& fiche, const TBilanMois& bilan) {
    QStringList refus;
    const QString dossier = dossierCourriels();
    for (qsizetype i = 0; i < bilan.creees.size(); ++i) {
        try {
            EnvoieCourriel(PrepareCourriel(bilan.documents[i], bilan.creees[i].locataire,
                                           fiche.base(Base::Locataires), fiche.reglages(),
                                           dossier));
        } catch (const UserError& erreur) {
            refus.append(erreur.message());
        }
    }
    return refus.isEmpty() ? QString() : QStringLiteral("\n\nNon envoyées :\n") + refus.join(u'\n');
}

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
    if (!execute([&] { bilan = QuittancesDuMois(fiche, choix.mois, choix.valider); }))
        return;
    QString suite;
    if (choix.pdf && !bilan.documents.isEmpty()) {
        const QString chemin = Questions::instance().fichierAEnregistrer(
            QStringLiteral("Fichier PDF (*.pdf)"),
            QStringLiteral("Quittances ") + choix.mois + QStringLiteral(".pdf"));
        if (!chemin.isEmpty() &&
            execute([&] { EcritPdf(travailQuittancesDuMois(bilan, fiche.reglages()), chemin); }))
            suite += QStringLiteral("\n\nPDF écrit : ") + chemin;
    }
    if (choix.courriel)
        suite += envoieQuittances(fiche, bilan);
    Questions::instance().message(bilan.resume() + suite);
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
