#include "core/gestion/loyersimpayes.h"

#include "core/documents/descriptiondocument.h"
#include "core/gestion/moisquittances.h"
#include "core/records/locataire.h"
#include "core/store/selections.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

using C = ChampDocument;

QString ligne(const TListeBase& base, qsizetype ouverture, int decalage) {
    const qsizetype i = ouverture + decalage;
    return i < base.lineCount() ? base.line(i) : QString();
}

// The months of the validated receipts, by tenant number.
QHash<QString, QSet<int>> moisQuittances(const TListeBase& quittances) {
    const TDescriptionDocument& d = Documents::quittance();
    QHash<QString, QSet<int>> mois;
    for (const TListeBase::Position& bloc : quittances.blocs()) {
        if (ligne(quittances, bloc.ligne, d.ligne(C::Valide)) != QLatin1String("Y"))
            continue;
        if (const auto m = MoisAnnee(ligne(quittances, bloc.ligne, d.ligne(C::Mois))))
            mois[ligne(quittances, bloc.ligne, d.ligne(C::Locataire)).trimmed()].insert(*m);
    }
    return mois;
}

// A date of the card as year * 100 + month; 0 when the field holds none.
int moisDe(const QString& date) {
    const QDate d = QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? d.year() * 100 + d.month() : 0;
}

} // namespace

TTableau LoyersImpayes(const TListeBase& locataires, const TListeBase& quittances,
                       const QDate& jour) {
    TTableau t;
    t.titres = {QStringLiteral("N° locataire"), QStringLiteral("Nom/Soc"),
                QStringLiteral("Dernière quittance"), QStringLiteral("Nombre"),
                QStringLiteral("Mois sans quittance")};
    t.colonnesNombres = {3};
    const QHash<QString, QSet<int>> payes = moisQuittances(quittances);
    const int ceMois = jour.year() * 100 + jour.month();
    for (const TListeBase::Position& bloc : locataires.blocs()) {
        const QString entree = ligne(locataires, bloc.ligne, Locataire::Entre);
        const QString sortie = ligne(locataires, bloc.ligne, Locataire::Sorti);
        const bool actuel = estLocataireActuel(entree, sortie, jour);
        const QString numero = ligne(locataires, bloc.ligne, Locataire::Numero);
        const QSet<int> mois = payes.value(numero.trimmed());
        int premier = moisDe(entree);
        if (!premier)
            premier = moisDe(ligne(locataires, bloc.ligne, Locataire::DebutBail));
        int dernier = moisDe(sortie);
        if (!dernier || dernier > ceMois)
            dernier = ceMois;
        QStringList impayes;
        for (int m = premier; premier && m <= dernier; m = MoisSuivant(m))
            if (!mois.contains(m))
                impayes.append(TexteMoisAnnee(m));
        // A tenant who has left is listed only while he owes a month.
        if (!actuel && impayes.isEmpty())
            continue;
        const auto derniere = std::max_element(mois.cbegin(), mois.cend());
        t.lignes.append(
            {numero, ligne(locataires, bloc.ligne, Locataire::NomSoc),
             derniere != mois.cend() ? TexteMoisAnnee(*derniere) : QStringLiteral("Aucune"),
             QString::number(impayes.size()), impayes.join(QStringLiteral(", "))});
    }
    return t;
}
