#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class TListeBase;

// A tenant, with what a month's receipt of his comes to.
struct TLocataireDu {
    int cle = -1;
    QString numero;
    QString nom;
    QString entre;
    QString sorti;
    // The total of the receipt "Nouvelle quittance" makes for him, in cents.
    qint64 centimes = 0;
    // The words of his name, folded (PliTexte), civilities left out.
    QStringList mots;

    bool actuelPour(const QDate& premierJour) const;
};

// Every tenant of the base by what he owes a month: built in one pass over the base.
class TLocatairesDus {
public:
    TLocatairesDus(const TListeBase& locataires, const QString& fmtMontant);

    // The tenants who owe `centimes` a month and are current on `premierJour`.
    QList<const TLocataireDu*> pour(qint64 centimes, const QDate& premierJour) const;
    // The tenant numbered `numero`, letter case not significant; null when none is.
    const TLocataireDu* numero(const QString& numero) const;

private:
    QList<TLocataireDu> m_locataires;
    QHash<qint64, QList<qsizetype>> m_parMontant;
    QHash<QString, qsizetype> m_parNumero;
};

// The words of a text, folded (PliTexte), split at anything that is not a letter or a digit.
QStringList MotsPlies(const QString& texte);
