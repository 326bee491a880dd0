#include "core/documents/cartetiers.h"

#include "core/records/fournisseur.h"
#include "core/records/locataire.h"
#include "core/records/tpageenregistrement.h"

#include <functional>
#include <limits>

namespace {

using Champ = std::function<QString(int)>;

TCarteTiers carteLocataire(const Champ& champ) {
    using namespace Locataire;
    return {
        champ(Numero),
        {champ(NomSoc), champ(Adresse), champ(Adresse2), champ(CodePostal) + u' ' + champ(Ville)},
        {champ(LoyerActuel), champ(ChargesActuelles), champ(Taxes), champ(Apl)}};
}

TCarteTiers carteFournisseur(const Champ& champ) {
    using namespace Fournisseur;
    return {
        champ(Code),
        {champ(NomSoc), champ(Adresse), champ(Adresse2), champ(CodePostal) + u' ' + champ(Ville)},
        {}};
}

} // namespace

TCarteTiers TCarteTiers::depuisPage(const TPageEnregistrement& page) {
    const Champ champ = [&page](int ligne) { return page.champ(ligne); };
    return &page.description() == &Fournisseur::description() ? carteFournisseur(champ)
                                                              : carteLocataire(champ);
}

std::optional<TCarteTiers> TCarteTiers::cherche(Base base, const TListeBase& liste,
                                                const QString& numero) {
    const TDescriptionFiche& fiche =
        base == Base::Fournisseurs ? Fournisseur::description() : Locataire::description();
    const int cle = fiche.cle(liste, numero);
    if (cle < 0)
        return std::nullopt;
    return depuisBloc(base, liste, cle);
}

TCarteTiers TCarteTiers::depuisBloc(Base base, const TListeBase& liste, int cle) {
    const bool fournisseur = base == Base::Fournisseurs;
    const int lignes = fournisseur ? int(Fournisseur::Ville) : int(Locataire::TotalDu);
    // Fields only: the tagged lines that follow them (the history) are not read.
    const QStringList champs = liste.read(cle, lignes, std::numeric_limits<int>::max()).champs;
    const Champ champ = [&champs](int ligne) { return champs.value(ligne - 1); };
    return fournisseur ? carteFournisseur(champ) : carteLocataire(champ);
}
