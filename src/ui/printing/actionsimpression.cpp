#include "ui/printing/actionsimpression.h"

#include "core/app/impressions.h"
#include "core/app/tfiche.h"
#include "ui/common/questions.h"
#include "ui/printing/imprimante.h"

namespace {

void imprime(const std::optional<TTravailImpression>& travail) {
    if (travail)
        Imprimante::instance().imprime(*travail);
}

} // namespace

void ImprimeFiche(TFiche& fiche) {
    execute([&] { imprime(ImpFiche(fiche)); });
}

void ImprimeDocument(TFiche& fiche, Base base) {
    execute([&] { imprime(ImpDocument(fiche, base)); });
}

void ImprimeListe(TFiche& fiche, ListeImprimee liste) {
    execute([&] {
        Imprimante& imprimante = Imprimante::instance();
        const std::optional<Imprimante::TPlage> pages =
            imprimante.plage(titreListe(liste), nbFichesListe(fiche, liste));
        if (!pages)
            return;
        const TTravailImpression travail = ImpListe(fiche, liste, pages->premiere, pages->derniere);
        if (pages->apercu)
            imprimante.imprime(travail);
        else
            imprimante.imprimeDirectement(travail);
    });
}

void ImprimeEnveloppe(TFiche& fiche) {
    execute([&] {
        const std::optional<TTravailImpression> travail = ImpEnv(fiche);
        if (!travail)
            return;
        Questions::instance().message(QStringLiteral("Insérez une enveloppe dans l'imprimante"));
        imprime(travail);
    });
}

void MiseEnPage(TFiche& fiche) {
    ParM(fiche.reglages(), Imprimante::instance().miseEnPage(miseEnPage(fiche.reglages())));
}

void ConfigureImprimante() {
    Imprimante::instance().configure();
}
