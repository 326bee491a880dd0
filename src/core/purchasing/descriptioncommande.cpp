#include "core/purchasing/descriptioncommande.h"

#include "core/purchasing/calculcommande.h"

namespace Documents {

const TDescriptionDocument& commande() {
    using C = ChampDocument;
    const QString coordonnees = QStringLiteral("Coordonnées du fournisseur");
    static const TDescriptionDocument d{
        .base = Base::Commandes,
        .champs = {{C::Numero, QStringLiteral("N° de commande")},
                   {C::Date, QStringLiteral("Date")},
                   {C::Fournisseur, QStringLiteral("Code fournisseur"), 5},
                   {C::Reglement, QStringLiteral("Conditions de réglement")},
                   {C::Adresse1, coordonnees},
                   {C::Adresse2, coordonnees},
                   {C::Adresse3, coordonnees},
                   {C::Adresse4, coordonnees},
                   {C::PrixTTC, QString()},
                   {C::Valide, QString()}},
        .colonnes = ColonnesCommande(),
        .colonneDesignation = ColonneCommande::Designation,
        .calcul = CalculeCommande,
        .tva = true,
        .tagNumero = QStringLiteral("NUMC"),
        .numeroSelonSorte = false,
        .tagLigne = QStringLiteral("CMDE"),
        .copies = {C::Date, C::Fournisseur, C::Reglement, C::Adresse2, C::Adresse3, C::Adresse4},
        .modes = {},
        .sortes = {},
        .champTiers = C::Fournisseur,
        .baseTiers = Base::Fournisseurs,
        .nomTiers = QStringLiteral("fournisseur"),
        .sansTiers = QStringLiteral("il n'a pas de code fournisseur"),
        .lignesDuLocataire = false,
        .numeroSelonCle = true,
        .memo = true,
        .enLettres = false,
        .statutNonValide = QStringLiteral("Cmde non validée"),
        .statutValide = QStringLiteral("Commande validée"),
        .statutValidation = QStringLiteral("Cmde validée"),
        .libelleHistorique = QStringLiteral("Commande "),
        .champHistorique = C::Numero,
        .restockeApresValidation = true,
        .titreRecherche = QStringLiteral("Chercher Commande"),
        .questionRecherche = QStringLiteral("Numéro de commande"),
    };
    return d;
}

} // namespace Documents
