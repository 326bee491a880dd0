#pragma once

#include "core/accounting/descriptionstats.h"
#include "core/accounting/tcumul.h"
#include "core/common/montants.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QStringList>

#include <functional>

class TListeBase;
struct TDescriptionDocument;
struct TParametresCommande;

// Told "Quittance 12", "Commande 3"... as a run goes from one record to the next.
using TProgressionTexte = std::function<void(const QString&)>;

// The lot label of a tenant number for the lot statistics: the first address line of the
// lot of the first tenant carrying that number exactly, or the lot number itself when no lot
// has it; empty when the tenant is unknown or has no lot. Both bases are indexed once.
class TLotsLocataires {
public:
    TLotsLocataires(const TListeBase& locataires, const TListeBase& lots);
    QString libelle(const QString& numeroLocataire) const;

private:
    QHash<QString, QString> m_lotDuLocataire;
    QHash<QString, QString> m_adresseDuLot;
};

// Reads every receipt of the base (described by `description`) in key order and cumulates its
// total by month of its date, by tenant or by lot (`lots`, needed for that kind only). A date
// that does not read counts as `aujourdhui`, as the receipt's page shows it. The base's
// current key is left on the last key.
TCumul CumuleQuittances(SorteStats sorte, const TDescriptionDocument& description,
                        TListeBase& quittances, const QString& fmtMontant,
                        const TLotsLocataires* lots, const QDate& aujourdhui,
                        const TProgressionTexte& progression);
// Reads every order of the base in key order and cumulates its total with tax by supplier.
TCumul CumuleCommandes(TListeBase& commandes, const TParametresCommande& parametres,
                       const TProgressionTexte& progression);

// The rows a statistics window shows for a cumulation: in text order but for the months, each
// numbered from 1 in column 0, its amount right-aligned with `mesure`.
QList<QStringList> LignesStats(const TDescriptionStats& description, const TCumul& cumul,
                               const TMesureTexte& mesure);
// The column titles, the amount's right-aligned.
QStringList EntetesStats(const TDescriptionStats& description, const TMesureTexte& mesure);
