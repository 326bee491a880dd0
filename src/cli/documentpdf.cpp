#include "cli/documentpdf.h"

#include "cli/motscles.h"
#include "cli/rapports.h"
#include "cli/verification.h"
#include "core/app/fichiersortie.h"
#include "core/app/impressions.h"
#include "core/app/tfiche.h"
#include "core/common/usererror.h"
#include "core/documents/tpagedocument.h"
#include "core/printing/pdf.h"
#include "core/purchasing/tpagecommande.h"

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
    if (base == Base::Commandes)
        return fiche.pageCommande()->Cherche(numero);
    TPageDocument* page = fiche.pageDocument(base);
    for (const QString& tag : page->description().tagsDesNumeros())
        if (page->Cherche(numero, tag))
            return true;
    return false;
}

} // namespace

QStringList sortesDocumentPdf() {
    return motsDe(Sortes);
}

void DocumentPdf(const QString& sorte, const QString& numero, const QString& dossier,
                 const QString& pdf, const QString& repertoireReglages) {
    const TSorte* choisie = entreeDe(Sortes, sorte);
    if (!choisie)
        throw UserError(QStringLiteral("Document inconnu : %1 (%2)")
                            .arg(sorte, sortesDocumentPdf().join(QStringLiteral(", "))));

    verifieSortie(pdf, cheminDossierExistant(dossier), repertoireReglages);
    TFiche fiche;
    ChargeDossier(fiche, dossier, repertoireReglages);

    const QString numeroCherche = numero.trimmed();
    if (!cherche(fiche, choisie->base, numeroCherche))
        throw UserError(QString::fromUtf8(choisie->introuvable).arg(numeroCherche));
    EcritPdf(*ImpDocument(fiche, choisie->base), pdf);
}
