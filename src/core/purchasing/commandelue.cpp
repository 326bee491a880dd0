#include "core/purchasing/commandelue.h"

#include "core/documents/tpagelignes.h"
#include "core/purchasing/tpagecommande.h"
#include "core/store/tlistebase.h"

std::optional<TCommandeLue> LitCommande(const TListeBase& base, int cle,
                                        TParametresCommande parametres) {
    using namespace BlocCommande;
    const TBlocLu bloc = base.read(cle, LignesEntete, LignesEntete + 1);
    if (!bloc.trouve)
        return std::nullopt;
    parametres.ttc = ttc(bloc.champs[LigneTTC - 1]);
    QList<QStringList> lignes =
        TPageLignes::lignesDuBloc(bloc.tags, TagLigne, ColonneCommande::NbColonnes);
    return TCommandeLue{bloc.champs[int(ChampCommande::Fournisseur)],
                        bloc.champs[int(ChampCommande::Adresse1)],
                        CalculeCommande(lignes, parametres)};
}
