#include "core/accounting/statistiques.h"

#include "core/documents/documentlu.h"
#include "core/documents/mois.h"
#include "core/purchasing/descriptioncommande.h"
#include "core/records/locataire.h"
#include "core/records/lot.h"
#include "core/store/tlistebase.h"

namespace {

// The line `decalage` lines after each block's opening line, by the text of the line right
// after it; the first block of a text wins. Only those two lines of a block are read.
QHash<QString, QString> indexe(const TListeBase& base, int decalage) {
    const QList<TListeBase::Position> blocs = base.blocs();
    QHash<QString, QString> index;
    index.reserve(blocs.size());
    for (const TListeBase::Position& p : blocs) {
        const qsizetype fin = base.finContenu(p.ligne);
        const auto ligne = [&](int n) {
            return p.ligne + n < fin ? base.line(p.ligne + n) : QString();
        };
        const QString cle = ligne(1);
        if (!index.contains(cle))
            index.insert(cle, ligne(decalage));
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

TCumul CumuleQuittances(SorteStats sorte, const TDescriptionDocument& description,
                        TListeBase& quittances, const QString& fmtMontant,
                        const TLotsLocataires* lots, const QDate& aujourdhui,
                        const TProgressionTexte& progression) {
    TCumul cumul(fmtMontant, descriptionStats(sorte).avecNom);
    const int nb = quittances.nb();
    for (int i = 0; i < nb; ++i) {
        if (progression)
            progression(QStringLiteral("Quittance ") + QString::number(i));
        // A key without block has no total: nothing to count.
        const std::optional<TDocumentLu> quittance =
            LitDocument(description, quittances, i, {.fmtMontant = fmtMontant}, aujourdhui);
        if (!quittance)
            continue;
        const QString& total = quittance->totaux.texteTTC;
        switch (sorte) {
        case SorteStats::Mois:
            cumul.cumule(TexteMois(quittance->date), {}, total);
            break;
        case SorteStats::Locataires:
            cumul.cumule(quittance->tiers, quittance->adresse1, total);
            break;
        case SorteStats::Lots:
            if (const QString libelle = lots ? lots->libelle(quittance->tiers) : QString();
                !libelle.isEmpty())
                cumul.cumule(libelle, {}, total);
            break;
        case SorteStats::Fournisseurs:
            break;
        }
    }
    if (nb > 0)
        quittances.allerA(nb - 1);
    return cumul;
}

TCumul CumuleCommandes(TListeBase& commandes, const TParametresCalcul& parametres,
                       const TProgressionTexte& progression) {
    TCumul cumul(parametres.fmtMontant, true);
    const int nb = commandes.nb();
    for (int i = 0; i < nb; ++i) {
        if (progression)
            progression(QStringLiteral("Commande ") + QString::number(i));
        if (const std::optional<TDocumentLu> commande =
                LitDocument(Documents::commande(), commandes, i, parametres, {}))
            cumul.cumule(commande->tiers, commande->adresse1, commande->totaux.texteTTC);
    }
    if (nb > 0)
        commandes.allerA(nb - 1);
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
