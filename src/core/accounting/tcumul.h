#pragma once

#include <QHash>
#include <QList>
#include <QString>

// One line of a cumulation: the grouping key, the name of the last record counted under it
// (tenants and suppliers only) and the running amount as a text.
struct TLigneCumul {
    QString cle;
    QString nom;
    QString montant;
};

// The running totals of one statistics run, one line per key in the order the keys were first
// met. The lines are indexed by key, so that a run grows with the number of records only.
class TCumul {
public:
    // `fmtMontant` formats a sum ("0.00"); `avecNom` keeps a name beside each key.
    TCumul(const QString& fmtMontant, bool avecNom);

    bool avecNom() const { return m_avecNom; }
    // Adds an amount under a key (case-sensitive). An empty amount counts nothing. A key met
    // for the first time keeps the amount as read; a sum is formatted, and the line takes the
    // name given last. An amount that does not read leaves the line as it was.
    void cumule(const QString& cle, const QString& nom, const QString& montant);
    const QList<TLigneCumul>& lignes() const { return m_lignes; }
    // The lines in the text order of the whole line (key, name, amount), without regard to
    // letter case: codes compare as texts, "10" before "9".
    QList<TLigneCumul> triees() const;

private:
    QString m_fmtMontant;
    bool m_avecNom;
    QList<TLigneCumul> m_lignes;
    QHash<QString, qsizetype> m_index;
};
