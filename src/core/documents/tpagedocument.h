#pragma once

#include "core/documents/calculdocument.h"
#include "core/documents/cartetiers.h"
#include "core/documents/descriptiondocument.h"
#include "core/documents/tpagelignes.h"

#include <QDate>
#include <QStringList>

#include <array>

class TPageEnregistrement;

// A document page (rent receipts, due notices, payment receipts, purchase orders) without its
// widgets: the header fields, the memo, the line grid and its totals, exactly as shown, with
// the page's store, read, numbering, totals and commands on its base. The kinds differ by their
// description only. Views bind to it: a user edit goes through a saisit... method, which
// raises the page's flag; a text that the dossier's files cannot hold is refused with its
// message and the field or cell keeps its text.
class TPageDocument : public TPageLignes {
    Q_OBJECT

public:
    TPageDocument(const TDescriptionDocument& description, TListeBase& base,
                  const TContextePage& contexte, QObject* parent = nullptr);

    const TDescriptionDocument& description() const { return m_description; }
    // What the computation takes from the dossier's settings, prices before tax; the amounts
    // aligned with the window's measure.
    static TParametresCalcul parametres(const TContextePage& contexte);

    QString champ(ChampDocument champ) const { return m_champs[int(champ)]; }
    // A date field's value.
    QDate date(ChampDocument champ) const;
    // The items a choice field offers: the payment modes, the kinds, the months, the payment
    // conditions.
    QStringList liste(ChampDocument champ) const;
    // The payment conditions offered, from the settings; the first one is a new order's.
    void setReglements(const QStringList& reglements);
    bool validee() const { return champ(ChampDocument::Valide) == QLatin1String("Y"); }
    // An order priced tax included.
    bool ttc() const { return champ(ChampDocument::PrixTTC) == PrixAvecTaxe; }
    // "Quittance validée", "Cmde non validée"...; empty for the kinds without validation.
    QString statut() const;
    const TTotauxDocument& totaux() const { return m_totaux; }
    QString totalEuros() const { return m_totaux.texteTTC; }
    QString totalFrancs() const { return m_totaux.texteFrancs; }
    QString enLettres() const { return m_enLettres; }

    // User edits. A date field takes a date text; the month also sets the period, and a
    // month text whose year does not read stops with the date message, the period unchanged.
    // The number takes nine digits at most. The validated flag and the pricing mode are not
    // edits of a text. A cell of a column that computes as it is typed computes the totals.
    void saisitChamp(ChampDocument champ, const QString& texte);
    void saisitDate(ChampDocument champ, const QDate& date);
    // "Commande H.T." or "Commande TTC": the totals follow the mode chosen. A validated order
    // keeps the mode its total was posted with.
    void saisitTTC(bool ttc);

    // The next number of the base (Numeroq, Numeroc and their kin).
    int numero() const override;
    // Why the page holds no document worth storing (Valideq, Validec and their kin): no
    // number, no tenant number or supplier code where one is needed, no row with a designation.
    QString raisonInvalide() const override;
    // Formats the cells and computes the totals with the kind's computation (Calculeq,
    // Calculec and their kin).
    void Calcule() override;

    // A new document for a tenant or supplier (NouvQtc, NouvCmd and their kin): its number,
    // its empty fields filled from the card, and for the receipts and notices the rent lines.
    void CreePour(const TCarteTiers& carte);
    // The "..." beside the tenant number or supplier code: that number, and when the base of
    // tenants or suppliers has it, the coordinates and (on a grid that is not frozen) the rent
    // lines of the kinds that take them.
    void choisitTiers(const QString& numero, const TListeBase& tiers);
    // "Valider": freezes the document and posts its label and total with tax into the history
    // of the tenant or supplier whose number it carries, shown on that page. A document that
    // cannot be stored is not validated: the command stops with the reason. False when nothing
    // was done.
    bool Valider(TPageEnregistrement& tiers);
    // Shows the document numbered `numero` under `tag` (the kind's own tag by default), the
    // page stored first; false, and nothing done, when there is none (ChercheQtc and its kin).
    bool Cherche(const QString& numero, const QString& tag = {});

    bool ecrit() override;
    void lit() override;
    void Copier() override;
    void Coller() override;

signals:
    // One field changed without the user typing it (the period of a month).
    void champChange(ChampDocument champ);

private:
    // The entry rules of a field, without raising the flag.
    void entre(ChampDocument champ, const QString& texte);
    void remplitSiVide(ChampDocument champ, const QString& texte);
    void remplitLignes(const TMontantsLoyer& montants);
    void setChamp(ChampDocument champ, const QString& texte) { m_champs[int(champ)] = texte; }
    void reinitialise();
    void setValidee(bool validee);

    const TDescriptionDocument& m_description;
    std::array<QString, NbChampsDocument> m_champs;
    QStringList m_mois;
    QStringList m_reglements;
    TTotauxDocument m_totaux;
    QString m_enLettres;
    bool m_vientDEtreValidee = false;
};
