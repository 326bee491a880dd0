#include "impenveloppe.h"

#include "tfeuille.h"

void ImprimeEnveloppe(TCanevas& canevas, const TProprietaire& expediteur,
                      const std::array<QString, 4>& destinataire, int decalage) {
    TFeuille f(canevas);
    f.police(10);
    const int d = decalage;
    f.texte(5, d + 5, expediteur.nom);
    f.texte(5, d + 10, expediteur.adresse1);
    f.texte(5, d + 15, expediteur.adresse2);
    f.texte(5, d + 20, expediteur.ville);
    for (int i = 0; i < 4; ++i)
        f.texte(110, d + 50 + 5 * i, destinataire[i]);
}

TTravailImpression travailEnveloppe(const TProprietaire& expediteur,
                                    const std::array<QString, 4>& destinataire, int decalage,
                                    int orientation) {
    return {
        QStringLiteral("Enveloppe ") + destinataire[0],
        orientation == 1 ? TOrientation::Paysage : TOrientation::Portrait,
        [=](TCanevas& canevas) { ImprimeEnveloppe(canevas, expediteur, destinataire, decalage); }};
}
