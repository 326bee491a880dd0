#pragma once

#include <QDate>
#include <QList>
#include <QString>

// One line of a bank statement. A credit is positive, a debit negative.
struct TOperation {
    QDate date;
    // The value date; the booking date when the statement gives none.
    QDate valeur;
    QString libelle;
    qint64 centimes = 0;
    // The bank's own id of the line (OFX); empty when the format has none.
    QString id;

    bool credit() const { return centimes > 0; }
    // What tells this line from any other of the account, from one statement to the next: the
    // bank's id, otherwise the date, the amount and the label.
    QString empreinte() const;

    bool operator==(const TOperation&) const = default;
};

using TReleve = QList<TOperation>;

// "1 234,56": an amount in cents as the grid shows it.
QString TexteCentimes(qint64 centimes);
