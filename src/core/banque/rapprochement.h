#pragma once

#include "core/banque/locatairesdus.h"
#include "core/banque/operation.h"

#include <QList>
#include <QString>

class TOperationsFaites;

// A line of the statement with the tenant and the month it pays, as proposed then reviewed.
struct TLigneRapprochee {
    enum class Etat { Rapproche, AVerifier, Ignore };

    TOperation operation;
    // The tenant's number and name; empty when no tenant is given.
    QString locataire;
    QString nom;
    // What that tenant owes a month, in cents.
    qint64 du = 0;
    QString mois;
    bool cochee = false;
    // Receipted from an earlier statement.
    bool dejaFaite = false;

    // "Rapproché": a credit given to a tenant who owes its amount; "Ignoré": a debit or a
    // line already receipted; "À vérifier" otherwise.
    Etat etat() const;
    static QString texte(Etat etat);
};

// The lines of a statement matched with the tenants: each credit is proposed for the one
// current tenant who owes its amount a month, or, when several do, for the one of them whose
// name's words all stand in the label; the month is that of the value date. A credit that
// matches no one or several, a debit and a line already receipted are given to no one. The
// tenants are indexed once by amount, so that each line costs a lookup only.
class TRapprochement {
public:
    TRapprochement(const TReleve& releve, TLocatairesDus locataires,
                   const TOperationsFaites& faites);

    const QList<TLigneRapprochee>& lignes() const { return m_lignes; }
    const TLigneRapprochee& ligne(qsizetype i) const { return m_lignes[i]; }
    const TLocatairesDus& locataires() const { return m_locataires; }

    // The user's review: another tenant (an empty number for none), another month, the tick.
    // A line given to no one, a debit or a line already receipted cannot be ticked.
    void choisitLocataire(qsizetype i, const QString& numero);
    void choisitMois(qsizetype i, const QString& mois);
    void coche(qsizetype i, bool cochee);

    // The ticked lines: how many and their total in cents.
    qsizetype nombreCoches() const;
    qint64 totalCoches() const;

private:
    void propose(TLigneRapprochee& ligne) const;
    static bool cochable(const TLigneRapprochee& ligne);

    TLocatairesDus m_locataires;
    QList<TLigneRapprochee> m_lignes;
};
