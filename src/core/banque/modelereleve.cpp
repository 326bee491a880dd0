#include "core/banque/modelereleve.h"

#include "core/documents/mois.h"

namespace {

// "Février 2027" as 202702, for sorting.
int rangMois(const QString& mois) {
    try {
        const QDate du = PeriodeMois(mois).du;
        return du.year() * 100 + du.month();
    } catch (...) {
        return 0;
    }
}

} // namespace

QString TModeleReleve::totaux() const {
    return QStringLiteral("À quittancer : %1 ligne(s), %2")
        .arg(m_rapprochement.nombreCoches())
        .arg(TexteCentimes(m_rapprochement.totalCoches()));
}

int TModeleReleve::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rapprochement.lignes().size());
}

int TModeleReleve::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NbColonnes;
}

QVariant TModeleReleve::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const TLigneRapprochee& l = m_rapprochement.ligne(index.row());
    const TOperation& o = l.operation;
    // Debits and lines already receipted show no tick box: they are never receipted.
    if (role == Qt::CheckStateRole && index.column() == Date && revisable(index.row()))
        return l.cochee ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && index.column() == Montant)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::EditRole && index.column() == Locataire)
        return l.locataire;
    if (role == Qt::UserRole) {
        switch (index.column()) {
        case Date:
            return o.date.toString(QStringLiteral("yyyyMMdd"));
        case Montant:
            return o.centimes;
        case Mois:
            return rangMois(l.mois);
        default:
            break;
        }
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::UserRole)
        return {};
    switch (index.column()) {
    case Date:
        return o.date.toString(QStringLiteral("dd/MM/yyyy"));
    case Libelle:
        return o.libelle;
    case Montant:
        return TexteCentimes(o.centimes);
    case Locataire:
        return l.locataire.isEmpty() ? QString() : l.locataire + u' ' + l.nom;
    case Mois:
        return l.mois;
    case Etat:
        return TLigneRapprochee::texte(l.etat());
    default:
        return {};
    }
}

bool TModeleReleve::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid())
        return false;
    const int i = index.row();
    const bool coche = role == Qt::CheckStateRole && index.column() == Date;
    const bool edite =
        role == Qt::EditRole && (index.column() == Locataire || index.column() == Mois);
    if (!coche && !edite)
        return false;
    if (coche) {
        m_rapprochement.coche(i, value.toInt() == Qt::Checked);
    } else if (index.column() == Locataire) {
        m_rapprochement.choisitLocataire(i, value.toString());
    } else {
        m_rapprochement.choisitMois(i, value.toString());
    }
    emit dataChanged(this->index(i, 0), this->index(i, NbColonnes - 1));
    emit totauxChange();
    return true;
}

Qt::ItemFlags TModeleReleve::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!index.isValid())
        return f;
    const TLigneRapprochee& l = m_rapprochement.ligne(index.row());
    if (index.column() == Date && revisable(index.row()) && !l.locataire.isEmpty())
        f |= Qt::ItemIsUserCheckable;
    if (index.column() == Mois && revisable(index.row()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool TModeleReleve::revisable(int ligne) const {
    const TLigneRapprochee& l = m_rapprochement.ligne(ligne);
    return l.operation.credit() && !l.dejaFaite;
}

QVariant TModeleReleve::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList titres{QStringLiteral("Date"),    QStringLiteral("Libellé"),
                                    QStringLiteral("Montant"), QStringLiteral("Locataire"),
                                    QStringLiteral("Mois"),    QStringLiteral("État")};
    return titres.value(section);
}
