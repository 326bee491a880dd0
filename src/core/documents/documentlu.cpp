#include "core/documents/documentlu.h"

#include "core/common/conversions.h"
#include "core/common/montants.h"
#include "core/common/usererror.h"
#include "core/documents/tgrilledocument.h"
#include "core/documents/tpagelignes.h"
#include "core/store/tlistebase.h"

namespace {

using C = ChampDocument;

// A header line as its field takes it; nothing keeps the field's default.
std::optional<QString> valeurChamp(ChampDocument champ, const QString& texte) {
    switch (champ) {
    case C::Numero:
        return texte.mid(LongueurTagNumero).trimmed();
    case C::Date:
    case C::Du:
    case C::Au:
        try {
            return DateToStr(StrToDate(texte));
        } catch (const UserError&) {
            return std::nullopt;
        }
    case C::Mode:
    case C::Sorte:
    case C::Mois:
    case C::Reglement:
        if (texte.isEmpty())
            return std::nullopt;
        return texte;
    case C::PrixTTC:
        return texte.startsWith(QLatin1String("TTC")) && texte.mid(3, 1) == QLatin1String("Y")
                   ? PrixAvecTaxe
                   : PrixHorsTaxe;
    case C::Valide:
        return texte == QLatin1String("Y") ? texte : QStringLiteral("N");
    case C::Locataire:
    case C::Fournisseur:
    case C::Adresse1:
    case C::Adresse2:
    case C::Adresse3:
    case C::Adresse4:
        break;
    }
    return texte;
}

} // namespace

std::optional<TBlocDocument> LitBlocDocument(const TDescriptionDocument& description,
                                             const TListeBase& base, int cle) {
    const int nbChamps = int(description.champs.size());
    const TBlocLu bloc = base.read(cle, nbChamps, nbChamps + 1);
    if (!bloc.trouve)
        return std::nullopt;
    TBlocDocument lu;
    for (int i = 0; i < nbChamps; ++i) {
        const ChampDocument champ = description.champs[i].champ;
        lu.champs[int(champ)] = valeurChamp(champ, bloc.champs[i]);
    }
    lu.lignes = TPageLignes::lignesDuBloc(bloc.tags, description.tagLigne,
                                          int(description.colonnes.size()));
    if (description.memo)
        for (const TLigneTag& tag : bloc.tags)
            if (tag.tag == QLatin1String("MEMO"))
                lu.memo.append(tag.valeur);
    return lu;
}

std::optional<TDocumentLu> LitDocument(const TDescriptionDocument& description,
                                       const TListeBase& base, int cle,
                                       TParametresCalcul parametres, const QDate& dateParDefaut) {
    std::optional<TBlocDocument> bloc = LitBlocDocument(description, base, cle);
    if (!bloc)
        return std::nullopt;
    const auto champ = [&bloc](ChampDocument c) {
        return bloc->champs[int(c)].value_or(QString());
    };
    TDocumentLu document;
    document.numero = champ(C::Numero);
    const QDate date = QDate::fromString(champ(C::Date), QStringLiteral("dd/MM/yyyy"));
    document.date = date.isValid() ? date : dateParDefaut;
    document.tiers = champ(description.champTiers);
    document.adresse1 = champ(C::Adresse1);
    document.valide = champ(C::Valide) == QLatin1String("Y");
    parametres.ttc = champ(C::PrixTTC) == PrixAvecTaxe;
    document.totaux = description.calcul(bloc->lignes, parametres);
    document.lignes = std::move(bloc->lignes);
    return document;
}
