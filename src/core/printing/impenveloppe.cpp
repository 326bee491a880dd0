#include "core/printing/impenveloppe.h"

#include "core/printing/tfeuille.h"

void ImprimeEnveloppe(TCanevas& canevas, const TProprietaire& expediteur,
                      const std::array<QString, 4>& destinataire, int decalage) {
    TFeuille f(canevas);
    f.police(10);
    const int d = decalage;
    // Each line up to the page's edge.
    const int largeur = canevas.tailleMillimetres().width();
    f.texteDans(5, d + 5, largeur - 5, expediteur.nom);
    f.texteDans(5, d + 10, largeur - 5, expediteur.adresse1);
    f.texteDans(5, d + 15, largeur - 5, expediteur.adresse2);
    f.texteDans(5, d + 20, largeur - 5, expediteur.ville);
    for (int i = 0; i < 4; ++i)
        f.texteDans(110, d + 50 + 5 * i, largeur - 110, destinataire[i]);
}

TTravailImpression travailEnveloppe(const TProprietaire& expediteur,
                                    const std::array<QString, 4>& destinataire, int decalage,
                                    int orientation) {
    return {
        QStringLiteral("Enveloppe ") + destinataire[0],
        orientation == 1 ? TOrientation::Paysage : TOrientation::Portrait,
        [=](TCanevas& canevas) { ImprimeEnveloppe(canevas, expediteur, destinataire, decalage); }};
}
