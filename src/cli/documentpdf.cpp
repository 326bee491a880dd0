#include "cli/documentpdf.h"

#include "cli/motscles.h"
#include "cli/rapports.h"
#include "cli/verification.h"
#include "core/app/fichiersortie.h"
#include "core/app/impressions.h"
#include "core/app/tfiche.h"
#include "core/charges/impcharges.h"
#include "core/charges/soldetoutcompte.h"
#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/documents/tpagedocument.h"
#include "core/printing/pdf.h"

namespace {

struct TSorte {
    const char* mot;
    Base base;
    const char* introuvable;
};

constexpr TSorte Sortes[] = {
    {"quittance", Base::Quittances, "Quittance %1 non trouvée"},
    {"avis", Base::Avis, "Avis d'échéance %1 non trouvé"},
    {"recu", Base::Recus, "Reçu %1 non trouvé"},
    {"commande", Base::Commandes, "Commande %1 non trouvée"},
};

// Shows the document of that number on its page: a payment receipt of any kind, "Reçu" first,
// then "Facture", then "Avoir".
bool cherche(TFiche& fiche, Base base, const QString& numero) {
    TPageDocument* page = fiche.pageDocument(base);
    for (const QString& tag : page->description().tagsDesNumeros())
        if (page->Cherche(numero, tag))
            return true;
    return false;
}

const QString Decompte = QStringLiteral("decompte");
const QString Solde = QStringLiteral("solde");

// The tenant's "Décompte de charges" of `annee`, or his "Solde de tout compte" as of today.
TTravailImpression documentLocataire(const TFiche& fiche, const QString& sorte,
                                     const QString& numero, int annee) {
    const TProprietaire entete = proprietaire(fiche.reglages().lignesProprio);
    if (sorte == Solde)
        return travailSolde(SoldeToutCompte::Calcule(fiche, numero, Clock::today()), entete,
                            Clock::today());
    QList<TRegularisation> decompte;
    for (const TRegularisation& r : Regularisation::Calcule(
             fiche.base(Base::Locataires), fiche.base(Base::Lots), fiche.base(Base::Quittances),
             fiche.annexe(Annexe::Charges), annee))
        if (r.locataire == numero)
            decompte.append(r);
    if (decompte.isEmpty())
        throw UserError(
            QStringLiteral("Le locataire %1 n'a occupé aucun lot en %2").arg(numero).arg(annee));
    return travailDecomptes(decompte, entete, Clock::today());
}

} // namespace

QStringList sortesDocumentPdf() {
    return motsDe(Sortes) << Decompte << Solde;
}

void DocumentPdf(const QString& sorte, const QString& numero, const QString& dossier,
                 const QString& pdf, const QString& repertoireReglages, int annee) {
    const TSorte* choisie = entreeDe(Sortes, sorte);
    if (!choisie && sorte != Decompte && sorte != Solde)
        throw UserError(QStringLiteral("Document inconnu : %1 (%2)")
                            .arg(sorte, sortesDocumentPdf().join(QStringLiteral(", "))));

    verifieSortie(pdf, cheminDossierExistant(dossier), repertoireReglages);
    TFiche fiche;
    ChargeDossier(fiche, dossier, repertoireReglages);

    const QString numeroCherche = numero.trimmed();
    if (!choisie) {
        EcritPdf(documentLocataire(fiche, sorte, numeroCherche, annee), pdf);
        return;
    }
    if (!cherche(fiche, choisie->base, numeroCherche))
        throw UserError(QString::fromUtf8(choisie->introuvable).arg(numeroCherche));
    EcritPdf(*ImpDocument(fiche, choisie->base), pdf);
}
