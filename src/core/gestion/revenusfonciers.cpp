#include "core/gestion/revenusfonciers.h"

#include "core/app/tfiche.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/documents/descriptiondocument.h"
#include "core/documents/tpagedocument.h"
#include "core/records/locataire.h"
#include "core/records/lot.h"

#include <QHash>
#include <array>

namespace {

using C = ChampDocument;

QString ligne(const TListeBase& base, qsizetype ouverture, int decalage) {
    const qsizetype i = ouverture + decalage;
    return i < base.lineCount() ? base.line(i) : QString();
}

enum { Loyers, Charges, Autres, Depenses, NbMontants };
using Montants = std::array<double, NbMontants>;

void ajoute(Montants& a, const Montants& b) {
    for (int i = 0; i < NbMontants; ++i)
        a[i] = Real48(a[i] + b[i]);
}

QString texte(double v) {
    return FormatFloat(QStringLiteral("0.00"), Real48(v));
}

QStringList rangee(const QString& lot, const QString& designation, const Montants& m) {
    return {lot,
            designation,
            texte(m[Loyers]),
            texte(m[Charges]),
            texte(m[Autres]),
            texte(m[Depenses]),
            texte(m[Loyers] + m[Charges] + m[Autres] - m[Depenses])};
}

// The amounts of a receipt's rows, but for the allowance's; an amount that does not read
// counts nothing, as in its total.
Montants montantsQuittance(const TBlocLu& bloc, const QString& tag) {
    Montants m{};
    for (const TLigneTag& t : bloc.tags) {
        if (t.tag != tag)
            continue;
        const qsizetype tab = t.valeur.indexOf(u'\t');
        const QString designation = t.valeur.left(tab < 0 ? t.valeur.size() : tab).trimmed();
        const QString montant = tab < 0 ? QString() : t.valeur.mid(tab + 1).trimmed();
        double v = 0;
        try {
            v = montant.isEmpty() ? 0 : StrToFloat(montant);
        } catch (const UserError&) {
            continue;
        }
        // The allowance is rent the allowance office pays for the tenant: the rent row
        // already counts it whole, its own row only says who paid.
        if (designation == QLatin1String("APL"))
            continue;
        const int colonne = designation == QLatin1String("Loyer mensuel")            ? Loyers
                            : designation == QLatin1String("Provision pour charges") ? Charges
                                                                                     : Autres;
        m[colonne] = Real48(m[colonne] + v);
    }
    return m;
}

double depensesCommandes(TFiche& fiche, int annee) {
    TPageDocument* page = fiche.pageDocument(Base::Commandes);
    if (!page)
        return 0;
    fiche.EcritPage(Base::Commandes);
    TListeBase& base = fiche.base(Base::Commandes);
    const int courant = base.courant();
    double total = 0;
    for (const TListeBase::Position& bloc : base.blocs()) {
        base.allerA(bloc.cle);
        page->lit();
        const QDate date = page->date(ChampDocument::Date);
        if (page->validee() && date.year() == annee)
            total = Real48(total + page->totaux().ttc);
    }
    base.allerA(courant);
    page->lit();
    return total;
}

} // namespace

TTableau RevenusFonciers(TFiche& fiche, int annee) {
    TTableau t;
    t.titres = {QStringLiteral("N° lot"), QStringLiteral("Désignation"),
                QStringLiteral("Loyers"), QStringLiteral("Charges"),
                QStringLiteral("Autres"), QStringLiteral("Dépenses"),
                QStringLiteral("Net")};
    t.colonnesNombres = {2, 3, 4, 5, 6};
    fiche.EcritPage(Base::Locataires);
    fiche.EcritPage(Base::Lots);
    fiche.EcritPage(Base::Quittances);

    const TListeBase& lots = fiche.base(Base::Lots);
    QHash<QString, QString> designations;
    QStringList ordreLots;
    for (const TListeBase::Position& bloc : lots.blocs()) {
        const QString numero = ligne(lots, bloc.ligne, Lot::Numero).trimmed();
        if (!designations.contains(numero)) {
            designations.insert(numero, ligne(lots, bloc.ligne, Lot::Designation));
            ordreLots.append(numero);
        }
    }
    const TListeBase& locataires = fiche.base(Base::Locataires);
    QHash<QString, QString> lotDuLocataire;
    for (const TListeBase::Position& bloc : locataires.blocs()) {
        const QString numero = ligne(locataires, bloc.ligne, Locataire::Numero).trimmed();
        if (!lotDuLocataire.contains(numero))
            lotDuLocataire.insert(numero,
                                  ligne(locataires, bloc.ligne, Locataire::NumLot).trimmed());
    }

    const TDescriptionDocument& d = Documents::quittance();
    const TListeBase& quittances = fiche.base(Base::Quittances);
    QHash<QString, Montants> parLot;
    QList<QStringList> aPart;
    Montants total{};
    for (const TListeBase::Position& bloc : quittances.blocs()) {
        const TBlocLu lu = quittances.read(bloc.cle, d.ligne(C::Valide), d.ligne(C::Valide) + 1);
        const QDate date =
            QDate::fromString(lu.champs.value(d.ligne(C::Date) - 1), QStringLiteral("dd/MM/yyyy"));
        if (lu.champs.value(d.ligne(C::Valide) - 1) != QLatin1String("Y") || date.year() != annee)
            continue;
        const Montants m = montantsQuittance(lu, d.tagLigne);
        ajoute(total, m);
        const QString locataire = lu.champs.value(d.ligne(C::Locataire) - 1).trimmed();
        const QString numero =
            lu.champs.value(d.ligne(C::Numero) - 1).mid(d.tagNumero.size()).trimmed();
        QString raison;
        if (!lotDuLocataire.contains(locataire))
            raison = QStringLiteral("locataire %1 inconnu").arg(locataire);
        else if (lotDuLocataire.value(locataire).isEmpty())
            raison = QStringLiteral("locataire %1 sans lot").arg(locataire);
        else if (!designations.contains(lotDuLocataire.value(locataire)))
            raison = QStringLiteral("lot %1 inconnu").arg(lotDuLocataire.value(locataire));
        if (raison.isEmpty())
            ajoute(parLot[lotDuLocataire.value(locataire)], m);
        else
            aPart.append(rangee(QStringLiteral("?"),
                                QStringLiteral("Quittance %1 : %2").arg(numero, raison), m));
    }

    for (const QString& lot : ordreLots)
        if (parLot.contains(lot))
            t.lignes.append(rangee(lot, designations.value(lot), parLot.value(lot)));
    Montants commandes{};
    commandes[Depenses] = depensesCommandes(fiche, annee);
    ajoute(total, commandes);
    t.lignes.append(rangee(QString(), QStringLiteral("Commandes validées (TTC)"), commandes));
    t.lignes.append(aPart);
    t.lignes.append(rangee(QStringLiteral("Total"), QString(), total));
    return t;
}
