#include "core/gestion/revisionloyers.h"

#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/records/locataire.h"
#include "core/store/selections.h"

namespace {

// A field read as a positive number, or why it cannot be.
QString lit(const QString& libelle, const QString& texte, double& valeur) {
    if (texte.trimmed().isEmpty())
        return libelle + QStringLiteral(" manquant");
    try {
        valeur = StrToFloat(texte.trimmed());
    } catch (const UserError&) {
        return libelle + QStringLiteral(" n'est pas un nombre");
    }
    if (valeur <= 0)
        return libelle + QStringLiteral(" nul ou négatif");
    return {};
}

QString montant(double valeur) {
    return FormatFloat(QStringLiteral("0.00"), valeur);
}

} // namespace

TCalculRevision LoyerRevise(const QString& loyerDepart, const QString& indDepart,
                            const QString& indice) {
    double loyer = 0, depart = 0, actuel = 0;
    for (const QString& raison : {lit(QStringLiteral("Loyer départ"), loyerDepart, loyer),
                                  lit(QStringLiteral("Ind. départ"), indDepart, depart),
                                  lit(QStringLiteral("Ind. actuel"), indice, actuel)})
        if (!raison.isEmpty())
            return {0, raison};
    // Rounded as the decimal value, not as its nearest binary: 401 x 100,5 / 100 is 403,005
    // and gives 403,01, although the nearest binary lies just below.
    return {StrToFloat(montant(Real48(loyer * actuel / depart))), {}};
}

TRevisionLoyers::TRevisionLoyers(const TListeBase& locataires, const QDate& jour, QObject* parent)
    : QAbstractTableModel(parent) {
    namespace L = Locataire;
    for (const TListeBase::Position& bloc : locataires.blocs()) {
        const QStringList c = locataires.read(bloc.cle, L::TotalDu, L::TotalDu + 1).champs;
        if (!estLocataireActuel(c.value(L::Entre - 1), c.value(L::Sorti - 1), jour))
            continue;
        m_lignes.append({bloc.cle, c.value(L::Numero - 1), c.value(L::NomSoc - 1),
                         c.value(L::LoyerDepart - 1), c.value(L::IndDepart - 1),
                         c.value(L::IndActuel - 1), c.value(L::LoyerActuel - 1)});
    }
}

void TRevisionLoyers::setNouvelIndice(const QString& indice) {
    const QString t = indice.trimmed();
    if (!t.isEmpty())
        StrToFloat(t);
    m_nouvelIndice = t;
    if (!m_lignes.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, NbColonnes - 1));
}

TCalculRevision TRevisionLoyers::calcul(int ligne) const {
    const TLigne& l = m_lignes.at(ligne);
    return LoyerRevise(l.loyerDepart, l.indDepart,
                       m_nouvelIndice.isEmpty() ? l.indActuel : m_nouvelIndice);
}

void TRevisionLoyers::coche(int ligne, bool cochee) {
    if (ligne < 0 || ligne >= m_lignes.size() || !calcul(ligne).ok())
        return;
    m_lignes[ligne].cochee = cochee;
    emit dataChanged(index(ligne, Coche), index(ligne, Coche), {Qt::CheckStateRole});
}

void TRevisionLoyers::cocheTout(bool cochee) {
    for (int i = 0; i < m_lignes.size(); ++i)
        coche(i, cochee);
}

TRevisionLoyers::TResultat TRevisionLoyers::Applique(TFiche& fiche) {
    namespace L = Locataire;
    TResultat resultat;
    TPageEnregistrement* page = fiche.pageFiche(Base::Locataires);
    if (!page)
        return resultat;
    fiche.AffichePage(Base::Locataires);
    TListeBase& base = fiche.base(Base::Locataires);
    for (int i = 0; i < m_lignes.size(); ++i) {
        const TLigne& l = m_lignes[i];
        const TCalculRevision r = calcul(i);
        if (!l.cochee || !r.ok())
            continue;
        fiche.EcritPage(Base::Locataires);
        base.allerA(l.cle);
        page->lit();
        if (page->grille().premiereLigneLibre() < 0) {
            resultat.refus.append(l.numero + QStringLiteral(" : historique plein"));
            continue;
        }
        page->saisitChamp(L::LoyerActuel, montant(r.loyer));
        if (!m_nouvelIndice.isEmpty())
            page->saisitChamp(L::IndActuel, m_nouvelIndice);
        page->termineSaisie();
        page->dateHistorique = Clock::today();
        page->libelleHistorique = QStringLiteral("Révision loyer");
        page->montantHistorique = montant(r.loyer);
        page->ajouteHistorique();
        fiche.EcritPage(Base::Locataires);
        resultat.revises.append(l.numero);
        m_lignes[i].loyerActuel = page->champ(L::LoyerActuel);
        if (!m_nouvelIndice.isEmpty())
            m_lignes[i].indActuel = page->champ(L::IndActuel);
        m_lignes[i].cochee = false;
    }
    // The card on screen shows what was stored.
    page->lit();
    if (!m_lignes.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, NbColonnes - 1));
    return resultat;
}

int TRevisionLoyers::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lignes.size());
}

int TRevisionLoyers::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NbColonnes;
}

QVariant TRevisionLoyers::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const TLigne& l = m_lignes.at(index.row());
    const TCalculRevision r = calcul(index.row());
    if (role == Qt::CheckStateRole && index.column() == Coche)
        return l.cochee ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && index.column() >= LoyerActuel &&
        index.column() <= Difference)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case Numero:
        return l.numero;
    case Nom:
        return l.nom;
    case LoyerActuel:
        return l.loyerActuel.trimmed();
    case Revise:
        return r.ok() ? montant(r.loyer) : QString();
    case Difference: {
        if (!r.ok())
            return QString();
        double actuel = 0;
        try {
            actuel = l.loyerActuel.trimmed().isEmpty() ? 0 : StrToFloat(l.loyerActuel.trimmed());
        } catch (const UserError&) {
            return QString();
        }
        return montant(Real48(r.loyer - actuel));
    }
    case Remarque:
        return r.raison;
    default:
        return role == Qt::AccessibleTextRole
                   ? QVariant(l.cochee ? QStringLiteral("coché") : QStringLiteral("non coché"))
                   : QVariant();
    }
}

bool TRevisionLoyers::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != Coche || role != Qt::CheckStateRole)
        return false;
    coche(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TRevisionLoyers::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Coche && calcul(index.row()).ok())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant TRevisionLoyers::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList titres = {
        QStringLiteral("Appliquer"),    QStringLiteral("N° locataire"),
        QStringLiteral("Nom/Soc"),      QStringLiteral("Loyer actuel"),
        QStringLiteral("Loyer révisé"), QStringLiteral("Différence"),
        QStringLiteral("Remarque")};
    return titres.value(section);
}
