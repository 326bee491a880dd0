#include "core/documents/cartelocataire.h"

#include "core/records/locataire.h"
#include "core/records/tpageenregistrement.h"

#include <functional>

namespace {

TCarteLocataire carte(const std::function<QString(int)>& champ) {
    using namespace Locataire;
    return {
        champ(Numero),
        {champ(NomSoc), champ(Adresse), champ(Adresse2), champ(CodePostal) + u' ' + champ(Ville)},
        {champ(LoyerActuel), champ(ChargesActuelles), champ(Taxes), champ(Apl)}};
}

} // namespace

TCarteLocataire TCarteLocataire::depuisPage(const TPageEnregistrement& page) {
    return carte([&page](int ligne) { return page.champ(ligne); });
}

TCarteLocataire TCarteLocataire::depuisBloc(const TListeBase& locataires, int cle) {
    const QStringList champs =
        locataires.read(cle, Locataire::TotalDu, Locataire::TotalDu + 1).champs;
    return carte([&champs](int ligne) { return champs.value(ligne - 1); });
}
