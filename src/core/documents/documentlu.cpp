#include "core/documents/documentlu.h"

#include "core/common/conversions.h"
#include "core/common/montants.h"
#include "core/common/usererror.h"
#include "core/documents/tgrilledocument.h"
#include "core/documents/tpagelignes.h"
#include "core/store/tlistebase.h"

std::optional<double> ValeurMontant(const QString& texte) {
    try {
        return Real48(LitMontant(texte));
    } catch (const UserError&) {
        return std::nullopt;
    }
}

std::optional<TDocumentLu> LitDocument(const TDescriptionDocument& description,
                                       const TListeBase& base, int cle, const QString& fmtMontant,
                                       const QDate& dateParDefaut) {
    const int nbChamps = int(description.champs.size());
    const TBlocLu bloc = base.read(cle, nbChamps, nbChamps + 1);
    if (!bloc.trouve)
        return std::nullopt;
    const auto champ = [&](ChampDocument c) {
        const int ligne = description.ligne(c);
        return ligne > 0 ? bloc.champs[ligne - 1] : QString();
    };
    TDocumentLu document;
    document.numero = champ(ChampDocument::Numero).mid(LongueurTagNumero).trimmed();
    try {
        document.date = StrToDate(champ(ChampDocument::Date));
    } catch (const UserError&) {
        document.date = dateParDefaut;
    }
    document.locataire = champ(ChampDocument::Locataire);
    document.adresse1 = champ(ChampDocument::Adresse1);
    document.valide = champ(ChampDocument::Valide) == QLatin1String("Y");

    double total = 0;
    const QList<QStringList> lignes =
        TPageLignes::lignesDuBloc(bloc.tags, description.tagLigne, TGrilleDocument::NbColonnes);
    document.lignes.reserve(lignes.size());
    for (const QStringList& cellules : lignes) {
        TLigneDocument ligne{cellules[TGrilleDocument::Designation],
                             cellules[TGrilleDocument::Montant]};
        if (!ligne.montant.isEmpty()) {
            if (const std::optional<double> valeur = ValeurMontant(ligne.montant)) {
                const double montre = MontantAffiche(fmtMontant, *valeur);
                ligne.montant = FormatFloat(fmtMontant, montre);
                total = Real48(total + montre);
            }
        }
        document.lignes.append(ligne);
    }
    document.totalEuros = FormatFloat(fmtMontant, total);
    return document;
}
