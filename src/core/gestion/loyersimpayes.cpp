#include "loyersimpayes.h"

#include "documents/descriptiondocument.h"
#include "moisquittances.h"
#include "records/locataire.h"
#include "store/selections.h"

#include <QHash>

namespace {

using C = ChampDocument;

QString ligne(const TListeBase& base, qsizetype ouverture, int decalage) {
    const qsizetype i = ouverture + decalage;
    return i < base.lineCount() ? base.line(i) : QString();
}

// The last month of a validated receipt, by tenant number.
QHash<QString, int> derniersMois(const TListeBase& quittances) {
    const TDescriptionDocument& d = Documents::quittance();
    QHash<QString, int> derniers;
    for (const TListeBase::Position& bloc : quittances.blocs()) {
        if (ligne(quittances, bloc.ligne, d.ligne(C::Valide)) != QLatin1String("Y"))
            continue;
        const auto mois = MoisAnnee(ligne(quittances, bloc.ligne, d.ligne(C::Mois)));
        if (!mois)
            continue;
        int& dernier = derniers[ligne(quittances, bloc.ligne, d.ligne(C::Locataire)).trimmed()];
        dernier = std::max(dernier, *mois);
    }
    return derniers;
}

} // namespace

TTableau LoyersImpayes(const TListeBase& locataires, const TListeBase& quittances,
                       const QDate& jour) {
    TTableau t;
    t.titres = {QStringLiteral("N° locataire"), QStringLiteral("Nom/Soc"),
                QStringLiteral("Dernière quittance"), QStringLiteral("Nombre"),
                QStringLiteral("Mois sans quittance")};
    t.colonnesNombres = {3};
    const QHash<QString, int> derniers = derniersMois(quittances);
    const int ceMois = jour.year() * 100 + jour.month();
    for (const TListeBase::Position& bloc : locataires.blocs()) {
        const QString entree = ligne(locataires, bloc.ligne, Locataire::Entre);
        if (!estLocataireActuel(entree, ligne(locataires, bloc.ligne, Locataire::Sorti), jour))
            continue;
        const QString numero = ligne(locataires, bloc.ligne, Locataire::Numero);
        const int dernier = derniers.value(numero.trimmed(), 0);
        int premier = 0;
        if (dernier)
            premier = MoisSuivant(dernier);
        else if (const QDate e = QDate::fromString(entree, QStringLiteral("dd/MM/yyyy"));
                 e.isValid())
            premier = e.year() * 100 + e.month();
        QStringList mois;
        for (int m = premier; premier && m <= ceMois; m = MoisSuivant(m))
            mois.append(TexteMoisAnnee(m));
        t.lignes.append({numero, ligne(locataires, bloc.ligne, Locataire::NomSoc),
                         dernier ? TexteMoisAnnee(dernier) : QStringLiteral("Aucune"),
                         QString::number(mois.size()), mois.join(QStringLiteral(", "))});
    }
    return t;
}
