#include "statistiques.h"

#include "documents/mois.h"
#include "documents/tpagedocument.h"
#include "purchasing/tpagecommande.h"
#include "records/locataire.h"
#include "records/lot.h"
#include "store/tlistebase.h"

namespace {

// The line `decalage` lines after each block's opening line, by the text of the line right
// after it; the first block of a text wins.
QHash<QString, QString> indexe(const TListeBase& base, int decalage) {
    QHash<QString, QString> index;
    for (const TListeBase::Position& p : base.blocs()) {
        const TBlocLu bloc = base.read(p.cle, decalage, decalage + 1);
        const QString cle = bloc.champs.value(0);
        if (!index.contains(cle))
            index.insert(cle, bloc.champs.value(decalage - 1));
    }
    return index;
}

// The first address line of a lot: the third line of its block.
constexpr int LigneAdresseLot = 3;

} // namespace

TLotsLocataires::TLotsLocataires(const TListeBase& locataires, const TListeBase& lots)
    : m_lotDuLocataire(indexe(locataires, Locataire::NumLot)),
      m_adresseDuLot(indexe(lots, LigneAdresseLot)) {}

QString TLotsLocataires::libelle(const QString& numeroLocataire) const {
    const QString lot = m_lotDuLocataire.value(numeroLocataire);
    if (lot.isEmpty())
        return {};
    const auto adresse = m_adresseDuLot.constFind(lot);
    return adresse == m_adresseDuLot.cend() ? lot : *adresse;
}

TCumul CumuleQuittances(SorteStats sorte, TPageDocument& lecteur, TListeBase& quittances,
                        const QString& fmtMontant, const TLotsLocataires* lots,
                        const TProgressionTexte& progression) {
    TCumul cumul(fmtMontant, descriptionStats(sorte).avecNom);
    const int nb = quittances.nb;
    for (int i = 0; i < nb; ++i) {
        if (progression)
            progression(QStringLiteral("Quittance ") + QString::number(i));
        // A key without block has no total: nothing to count.
        if (quittances.find(i) < 0)
            continue;
        quittances.courant = i;
        lecteur.lit();
        const QString total = lecteur.totalEuros();
        const QString locataire = lecteur.champ(ChampDocument::Locataire);
        switch (sorte) {
        case SorteStats::Mois:
            cumul.cumule(TexteMois(lecteur.date(ChampDocument::Date)), {}, total);
            break;
        case SorteStats::Locataires:
            cumul.cumule(locataire, lecteur.champ(ChampDocument::Adresse1), total);
            break;
        case SorteStats::Lots:
            if (const QString libelle = lots ? lots->libelle(locataire) : QString();
                !libelle.isEmpty())
                cumul.cumule(libelle, {}, total);
            break;
        case SorteStats::Fournisseurs:
            break;
        }
    }
    if (nb > 0)
        quittances.courant = nb - 1;
    return cumul;
}

TCumul CumuleCommandes(TPageCommande& lecteur, TListeBase& commandes, const QString& fmtMontant,
                       const TProgressionTexte& progression) {
    TCumul cumul(fmtMontant, true);
    const int nb = commandes.nb;
    for (int i = 0; i < nb; ++i) {
        if (progression)
            progression(QStringLiteral("Commande ") + QString::number(i));
        if (commandes.find(i) < 0)
            continue;
        commandes.courant = i;
        lecteur.lit();
        cumul.cumule(lecteur.champ(ChampCommande::Fournisseur),
                     lecteur.champ(ChampCommande::Adresse1), lecteur.totaux().texteTTC);
    }
    if (nb > 0)
        commandes.courant = nb - 1;
    return cumul;
}

QStringList EntetesStats(const TDescriptionStats& description, const TMesureTexte& mesure) {
    QStringList entetes = description.entetes;
    entetes[description.colonneMontant] =
        Rset(entetes[description.colonneMontant], description.alignement, mesure);
    return entetes;
}

QList<QStringList> LignesStats(const TDescriptionStats& description, const TCumul& cumul,
                               const TMesureTexte& mesure) {
    const QList<TLigneCumul> lignes = description.trie ? cumul.triees() : cumul.lignes();
    QList<QStringList> grille;
    grille.reserve(lignes.size());
    for (const TLigneCumul& l : lignes) {
        QStringList cellules{QString::number(grille.size() + 1), l.cle};
        if (cumul.avecNom())
            cellules.append(l.nom);
        cellules.append(Rset(l.montant, description.alignement, mesure));
        grille.append(cellules);
    }
    return grille;
}
