#pragma once

#include "core/documents/cartelocataire.h"
#include "core/documents/descriptiondocument.h"
#include "core/documents/tpagelignes.h"

#include <QDate>
#include <QStringList>

#include <array>

class TPageEnregistrement;

// A rent document page (rent receipts, due notices, payment receipts) without its widgets:
// the header fields, the memo, the line grid and its totals, exactly as shown, with the
// page's store, read, numbering, totals and commands on its base. The kinds differ by their
// description only. Views bind to it: a user edit goes through a saisit... method, which
// raises the page's flag; a text that the dossier's files cannot hold is refused with its
// message and the field or cell keeps its text.
class TPageDocument : public TPageLignes {
    Q_OBJECT

public:
    // The widest designation a row takes.
    static constexpr int LongueurDesignation = 41;
    // The Rset width of the grid's amounts.
    static constexpr int AlignementMontant = 90;

    TPageDocument(const TDescriptionDocument& description, TListeBase& base,
                  const TContextePage& contexte, QObject* parent = nullptr);

    const TDescriptionDocument& description() const { return m_description; }

    QString champ(ChampDocument champ) const { return m_champs[int(champ)]; }
    // A date field's value.
    QDate date(ChampDocument champ) const;
    // The items a choice field offers: the payment modes, the kinds, the months.
    QStringList liste(ChampDocument champ) const;
    bool validee() const { return champ(ChampDocument::Valide) == QLatin1String("Y"); }
    // "Quittance validée" or "Quittance non validée"; empty for the kinds without validation.
    QString statut() const;
    QString totalEuros() const { return m_totalEuros; }
    QString totalFrancs() const { return m_totalFrancs; }
    QString enLettres() const { return m_enLettres; }

    // User edits. A date field takes a date text; the month also sets the period, and a
    // month text whose year does not read stops with the date message, the period unchanged.
    // The number takes nine digits at most. The validated flag is not an edit. A cell of the
    // amount column computes the totals again.
    void saisitChamp(ChampDocument champ, const QString& texte);
    void saisitDate(ChampDocument champ, const QDate& date);

    // The next number of the base (Numeroq and its kin).
    int numero() const override;
    // Why the page holds no document worth storing (Valideq and its kin): no number, no
    // tenant number where one is needed, no row with a designation.
    QString raisonInvalide() const override;
    // Formats the amounts and computes the totals (Calculeq and its kin).
    void Calcule() override;

    // A new document for a tenant (NouvQtc, NouvEch, NouvRecu): its number and coordinates,
    // and for the receipts and notices the rent lines.
    void CreePour(const TCarteLocataire& carte);
    // The "..." beside the tenant number: that number, and when the tenant base has it, the
    // tenant's coordinates and (on a grid that is not frozen) rent lines.
    void choisitLocataire(const QString& numero, const TListeBase& locataires);
    // "Valider": freezes the document and posts "Loyer " + month and the total into the history
    // of the tenant whose number it carries, shown on the tenant page. A document that cannot
    // be stored is not validated: the command stops with the reason. False when nothing was
    // done.
    bool Valider(TPageEnregistrement& locataires);
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
    void celluleSaisie(int colonne) override;
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
    QString m_totalEuros;
    QString m_totalFrancs;
    QString m_enLettres;
};
