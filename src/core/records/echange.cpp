#include "core/records/echange.h"

#include "core/records/fournisseur.h"
#include "core/records/locataire.h"

#include "core/common/usererror.h"

namespace {

QStringList modele(const TDescriptionFiche& fiche) {
    QStringList champs;
    for (const TChamp& champ : fiche.champs)
        champs.append(valeurVide(champ));
    return champs;
}

// The field lines from `premiere` to the record's last.
QList<int> suite(int premiere, const TDescriptionFiche& fiche) {
    QList<int> lignes;
    for (int ligne = premiere; ligne <= fiche.nbChamps(); ++ligne)
        lignes.append(ligne);
    return lignes;
}

} // namespace

std::optional<Echange::TDisposition> dispositionEchange(Base base) {
    switch (base) {
    case Base::Locataires: {
        using namespace Locataire;
        return Echange::TDisposition{
            modele(description()),
            suite(NomSoc, description()),
            {NomSoc, Adresse, Adresse2, CodePostal, Ville, Telephone, Fax}};
    }
    case Base::Fournisseurs: {
        using namespace Fournisseur;
        return Echange::TDisposition{
            modele(description()),
            QList<int>{NomSoc, Adresse, Adresse2, CodePostal, Ville} +
                suite(Telephone, description()),
            {NomSoc, Adresse, Adresse2, CodePostal, Ville, Pays, Telephone}};
    }
    case Base::Lots:
    case Base::Quittances:
    case Base::Avis:
    case Base::Commandes:
    case Base::Recus:
        break;
    }
    return std::nullopt;
}

Echange::TDisposition dispositionPage(Base base) {
    if (const std::optional<Echange::TDisposition> disposition = dispositionEchange(base))
        return *disposition;
    throw UserError(QStringLiteral(
        "Importer et Exporter agissent sur la page Locataires ou sur la page Fournisseurs"));
}
