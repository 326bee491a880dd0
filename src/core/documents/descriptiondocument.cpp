#include "core/documents/descriptiondocument.h"

bool TDescriptionDocument::a(ChampDocument champ) const {
    return ligne(champ) > 0;
}

int TDescriptionDocument::ligne(ChampDocument champ) const {
    for (int i = 0; i < champs.size(); ++i)
        if (champs[i].champ == champ)
            return i + 1;
    return 0;
}

QString TDescriptionDocument::tagDuNumero(const QString& sorte) const {
    if (!numeroSelonSorte)
        return tagNumero;
    const QString lettre = sorte.isEmpty() ? sortes.value(0).left(1) : sorte.left(1);
    return QStringLiteral("NUM") + lettre.toUpper();
}

QStringList TDescriptionDocument::tagsDesNumeros() const {
    if (!numeroSelonSorte)
        return {tagNumero};
    QStringList tags;
    for (const QString& sorte : sortes)
        tags.append(tagDuNumero(sorte));
    return tags;
}

namespace Documents {

namespace {

using C = ChampDocument;

QList<TChampDocument> coordonnees(const QString& libelle) {
    return {{C::Adresse1, libelle},
            {C::Adresse2, libelle},
            {C::Adresse3, libelle},
            {C::Adresse4, libelle}};
}

QList<ChampDocument> copiesAvecCoordonnees(const QList<ChampDocument>& champs) {
    return champs + QList<ChampDocument>{C::Adresse1, C::Adresse2, C::Adresse3, C::Adresse4};
}

QStringList modes(const QString& premier, const QString& second) {
    return {premier, second, QStringLiteral("Virement"), QStringLiteral("Carte bancaire"),
            QStringLiteral("Autre")};
}

} // namespace

const TDescriptionDocument& quittance() {
    static const TDescriptionDocument d{
        .base = Base::Quittances,
        .champs = QList<TChampDocument>{{C::Numero, QStringLiteral("N° quittance")},
                                        {C::Date, QStringLiteral("Date")},
                                        {C::Locataire, QStringLiteral("N° locataire")},
                                        {C::Mode, QStringLiteral("Mode de réglement")},
                                        {C::Mois, QStringLiteral("Mois")},
                                        {C::Du, QStringLiteral("Du")},
                                        {C::Au, QStringLiteral("au")}} +
                  coordonnees(QStringLiteral("Coordonnées du locataire")) +
                  QList<TChampDocument>{{C::Valide, QString()}},
        .tagNumero = QStringLiteral("NUMQ"),
        .numeroSelonSorte = false,
        .tagLigne = QStringLiteral("QUIT"),
        .copies = copiesAvecCoordonnees({C::Date, C::Locataire, C::Mode, C::Mois, C::Du, C::Au}),
        .modes = modes(QStringLiteral("Chèque"), QStringLiteral("Espèces")),
        .sortes = {},
        .locataireRequis = true,
        .lignesDuLocataire = true,
        .memo = true,
        .enLettres = false,
        .statutNonValide = QStringLiteral("Quittance non validée"),
        .statutValide = QStringLiteral("Quittance validée"),
        .titreRecherche = QStringLiteral("Chercher quittance"),
        .questionRecherche = QStringLiteral("Numéro de quittance"),
    };
    return d;
}

const TDescriptionDocument& avis() {
    static const TDescriptionDocument d{
        .base = Base::Avis,
        .champs = QList<TChampDocument>{{C::Numero, QStringLiteral("N° d'avis")},
                                        {C::Date, QStringLiteral("Date")},
                                        {C::Locataire, QStringLiteral("N° locataire")},
                                        {C::Mois, QStringLiteral("Mois")},
                                        {C::Du, QStringLiteral("Du")},
                                        {C::Au, QStringLiteral("au")}} +
                  coordonnees(QStringLiteral("Coordonnées du locataire")),
        .tagNumero = QStringLiteral("NUMA"),
        .numeroSelonSorte = false,
        .tagLigne = QStringLiteral("AVIS"),
        .copies = copiesAvecCoordonnees({C::Date, C::Locataire, C::Mois, C::Du, C::Au}),
        .modes = {},
        .sortes = {},
        .locataireRequis = true,
        .lignesDuLocataire = true,
        .memo = true,
        .enLettres = false,
        .statutNonValide = {},
        .statutValide = {},
        .titreRecherche = QStringLiteral("Chercher avis d'échéance"),
        .questionRecherche = QStringLiteral("Numéro d'avis"),
    };
    return d;
}

const TDescriptionDocument& recu() {
    static const TDescriptionDocument d{
        .base = Base::Recus,
        .champs = QList<TChampDocument>{{C::Numero, QStringLiteral("N° de reçu")},
                                        {C::Date, QStringLiteral("Date")},
                                        {C::Locataire, QStringLiteral("N° locataire")},
                                        {C::Mode, QStringLiteral("Mode de réglement")},
                                        {C::Sorte, QStringLiteral("Type de document")}} +
                  coordonnees(QStringLiteral("Coordonnées du payeur")),
        .tagNumero = QStringLiteral("NUMR"),
        .numeroSelonSorte = true,
        .tagLigne = QStringLiteral("FACT"),
        .copies = copiesAvecCoordonnees({C::Date, C::Locataire, C::Mode, C::Sorte}),
        .modes = modes(QStringLiteral("Espèces"), QStringLiteral("Chèque")),
        .sortes = {QStringLiteral("Reçu"), QStringLiteral("Facture"), QStringLiteral("Avoir     ")},
        .locataireRequis = false,
        .lignesDuLocataire = false,
        .memo = false,
        .enLettres = true,
        .statutNonValide = {},
        .statutValide = {},
        .titreRecherche = QStringLiteral("Chercher reçu"),
        .questionRecherche = QStringLiteral("Numéro de reçu"),
    };
    return d;
}

} // namespace Documents

const TDescriptionDocument* descriptionDocument(Base base) {
    for (const TDescriptionDocument* d :
         {&Documents::quittance(), &Documents::avis(), &Documents::recu()})
        if (d->base == base)
            return d;
    return nullptr;
}
