#include "core/records/tdescriptionliste.h"

#include <array>

namespace {

const QStringList EntetesAdresse = {QStringLiteral("Nom/Société"), QStringLiteral("Adresse"),
                                    QStringLiteral("Adresse"),     QStringLiteral("C.P."),
                                    QStringLiteral("Ville"),       QStringLiteral("Téléphone"),
                                    QStringLiteral("Fax")};
const QList<int> LargeursAdresse = {221, 198, 198, 47, 155, 64, 64};

constexpr int LargeurCle = 0;
constexpr int LargeurNumero = 40;

} // namespace

const TDescriptionListe TFListe{
    SorteListe::Fiches,    Base::Locataires, QStringLiteral("Liste des locataires"),
    {2, 3, 4, 5, 6, 7, 8}, EntetesAdresse,   LargeursAdresse};

const TDescriptionListe TFListe2{
    SorteListe::Fiches,     Base::Fournisseurs, QStringLiteral("Liste des fournisseurs"),
    {3, 4, 5, 6, 7, 9, 10}, EntetesAdresse,     LargeursAdresse};

const TDescriptionListe TFListe3{SorteListe::Fiches,
                                 Base::Lots,
                                 QStringLiteral("Liste des lots"),
                                 {1, 2, 3, 4, 5, 6, 11},
                                 {QStringLiteral("N° lot"), QStringLiteral("Désignation"),
                                  QStringLiteral("Adresse"), QStringLiteral("Adresse"),
                                  QStringLiteral("CP"), QStringLiteral("Ville"),
                                  QStringLiteral("Type")},
                                 {70, 198, 174, 116, 66, 123, 151}};

const TDescriptionListe TListeLoc{
    SorteListe::Codes, Base::Locataires, QStringLiteral("Liste des locataires"), {1, 2}, {}, {}, 4};

const TDescriptionListe TListeFour{SorteListe::Codes,
                                   Base::Fournisseurs,
                                   QStringLiteral("Liste des fournisseurs"),
                                   {1, 3},
                                   {},
                                   {},
                                   3};

const TDescriptionListe TQuitListe{SorteListe::Documents,
                                   Base::Quittances,
                                   QStringLiteral("Liste des quittances"),
                                   {1, 2, 3, 5, 8}};

const TDescriptionListe TAvisListe{SorteListe::Documents,
                                   Base::Avis,
                                   QStringLiteral("Liste des avis d'échéance"),
                                   {1, 2, 3, 4, 7}};

const TDescriptionListe TCmdListe{
    SorteListe::Documents, Base::Commandes, QStringLiteral("Liste des commandes"), {1, 2, 3, 5, 6}};

const TDescriptionListe TFactListe{
    SorteListe::Documents, Base::Recus, QStringLiteral("Liste des Reçus"), {1, 2, 3, 5, 6}};

const TDescriptionListe* descriptionListe(SorteListe sorte, Base base) {
    static const std::array<const TDescriptionListe*, 9> toutes = {
        &TFListe,    &TFListe2,   &TFListe3,  &TListeLoc, &TListeFour,
        &TQuitListe, &TAvisListe, &TCmdListe, &TFactListe};
    for (const TDescriptionListe* d : toutes)
        if (d->sorte == sorte && d->base == base)
            return d;
    return nullptr;
}

QList<int> largeursColonnes(const TDescriptionListe& description) {
    return QList<int>{LargeurCle, LargeurNumero} + description.largeurs;
}
