#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QString>

class TFiche;
class TListeBase;

// The revised rent: "Loyer départ" × index ÷ "Ind. départ", rounded to the cent half away
// from zero; or why it cannot be computed.
struct TCalculRevision {
    double loyer = 0;
    QString raison; // empty when the rent was computed
    bool ok() const { return raison.isEmpty(); }
};
TCalculRevision LoyerRevise(const QString& loyerDepart, const QString& indDepart,
                            const QString& indice);

// "Révision des loyers...": every tenant current today, with the current rent, the revised
// rent and the difference, or why it cannot be revised. The landlord ticks the rows to apply
// and may give the new index for all of them at once.
class TRevisionLoyers : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Colonne { Coche, Numero, Nom, LoyerActuel, Revise, Difference, Remarque, NbColonnes };

    struct TLigne {
        int cle;
        QString numero;
        QString nom;
        QString loyerDepart;
        QString indDepart;
        QString indActuel;
        QString loyerActuel;
        bool cochee = false;
    };

    // The tenants as the base holds them.
    TRevisionLoyers(const TListeBase& locataires, const QDate& jour, QObject* parent = nullptr);

    const QList<TLigne>& lignes() const { return m_lignes; }
    // The index for every row; empty for each tenant's own "Ind. actuel". A text that is not
    // a number stops with the conversion message, the index unchanged.
    void setNouvelIndice(const QString& indice);
    QString nouvelIndice() const { return m_nouvelIndice; }
    // The computation of a row with the index in force.
    TCalculRevision calcul(int ligne) const;
    void coche(int ligne, bool cochee);
    void cocheTout(bool cochee);

    // Applies the ticked rows that compute: "Loyer actuel" becomes the revised rent, the new
    // index (when one was given) goes into "Ind. actuel", and a history line "Révision loyer"
    // with the new rent is added; "Loyer départ" and "Ind. départ" stay. Gives back the
    // tenants changed and what stopped the others.
    struct TResultat {
        QStringList revises;
        QStringList refus;
    };
    TResultat Applique(TFiche& fiche);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<TLigne> m_lignes;
    QString m_nouvelIndice;
};
