#include "ui/banque/actionsbanque.h"

#include "core/app/tfiche.h"
#include "core/banque/formatscsv.h"
#include "core/banque/operationsfaites.h"
#include "core/banque/rapprochement.h"
#include "core/banque/releve.h"
#include "core/banque/validationreleve.h"
#include "core/documents/tpagedocument.h"
#include "ui/banque/tdialoguecolonnes.h"
#include "ui/banque/tdialoguereleve.h"
#include "ui/common/questions.h"
#include "ui/gestion/tfenetretableau.h"

#include <optional>

namespace {

// The lines of the statement file: a CSV one read through the mapping the user confirms,
// remembered for the next file of the same header. Nothing when the user gives up.
std::optional<TReleve> litReleve(const QString& chemin, const QString& repertoireReglages,
                                 QWidget* parent) {
    std::optional<TReleve> releve;
    execute([&] {
        const QByteArray octets = Releve::octets(chemin);
        TFormatCsv format;
        if (Releve::type(octets) == Releve::Type::Csv) {
            const QStringList lignes = LignesCsv(octets);
            TFormatsCsv formats = TFormatsCsv::charge(repertoireReglages);
            format = formats.pour(lignes).value_or(TFormatCsv{});
            if (!formats.pour(lignes))
                format.separateur = SeparateurProbable(lignes);
            TDialogueColonnes dialogue(lignes, format, parent);
            if (dialogue.exec() != QDialog::Accepted)
                return;
            format = dialogue.Result();
            releve = LitReleveCsv(lignes, format);
            formats.retient(lignes, format);
            formats.sauve(repertoireReglages);
            return;
        }
        releve = Releve::lit(octets, format);
    });
    return releve;
}

} // namespace

void ReleveBancaire(TFiche& fiche, const QString& repertoireReglages, QWidget* parent) {
    const TPageDocument* page = fiche.pageDocument(Base::Quittances);
    if (!page)
        return;
    const QString chemin = Questions::instance().fichierAOuvrir(
        QStringLiteral("Relevé bancaire (*.ofx *.qif *.csv *.txt);;Tous les fichiers (*)"));
    if (chemin.isEmpty())
        return;
    const std::optional<TReleve> releve = litReleve(chemin, repertoireReglages, parent);
    if (!releve)
        return;
    std::optional<TRapprochement> rapprochement;
    if (!execute([&] {
            fiche.EcritPage(Base::Locataires);
            rapprochement.emplace(
                *releve, TLocatairesDus(fiche.base(Base::Locataires), fiche.contexte().fmtMontant),
                Releves::faites(fiche));
        }))
        return;
    TDialogueReleve revue(*rapprochement, page->liste(ChampDocument::Mois),
                          fiche.base(Base::Locataires), parent);
    if (revue.exec() != QDialog::Accepted)
        return;
    TBilanReleve bilan;
    if (!execute([&] { bilan = ValideReleve(fiche, *rapprochement); }))
        return;
    TFenetreTableau fenetre(QStringLiteral("Relevé bancaire"), bilan.tableau(),
                            QStringLiteral("Relevé bancaire.txt"), true, parent);
    fenetre.setEntete(bilan.resume());
    fenetre.exec();
}
