#pragma once

#include "core/documents/tpagelignes.h"
#include "core/purchasing/calculcommande.h"

#include <QDate>
#include <QStringList>

#include <array>

class TPageEnregistrement;

// The header fields of an order, in block line order from line 1; the pricing mode ("TTCN"
// or "TTCY") stands between the coordinates and the validated flag.
enum class ChampCommande {
    Numero,      // nine digits, stored after "NUMC"
    Date,        // "dd/mm/yyyy"
    Fournisseur, // the supplier's code
    Reglement,   // payment conditions
    Adresse1,    // the supplier's name, two address lines, postal code and town
    Adresse2,
    Adresse3,
    Adresse4,
    Valide, // "Y" once validated, else "N"
};
constexpr int NbChampsCommande = int(ChampCommande::Valide) + 1;

// The layout of an order's block besides its fields: the tags of the number and of the rows,
// and the header lines, the fields then the pricing mode before the validated flag.
namespace BlocCommande {
inline const QString TagNumero = QStringLiteral("NUMC");
inline const QString TagLigne = QStringLiteral("CMDE");
constexpr int LigneTTC = 9;
constexpr int LignesEntete = 10;
// Whether the pricing mode line ("TTCY" or "TTCN") says prices with tax.
bool ttc(const QString& ligneMode);
} // namespace BlocCommande

// The supplier an order is made for: its code and its four coordinate lines.
struct TCarteFournisseur {
    QString code;
    QStringList coordonnees;

    static TCarteFournisseur depuisPage(const TPageEnregistrement& fournisseurs);
};

// The purchase order page without its widgets: the header, the pricing mode, the remarks,
// the seven-column line grid and the totals before tax, of VAT and with tax in euros and
// francs, exactly as shown; with the page's store, read, numbering, computation and commands
// on the order base.
class TPageCommande : public TPageLignes {
    Q_OBJECT

public:
    // The VAT code a row without one gets.
    static inline const QString CodeTVADefaut = QStringLiteral("1");

    TPageCommande(TListeBase& base, const TContextePage& contexte, QObject* parent = nullptr);

    static QString libelle(ChampCommande champ);
    // What an order's computation takes from the dossier's settings, prices before tax; the
    // amounts aligned with the window's measure.
    static TParametresCommande parametres(const TContextePage& contexte);

    QString champ(ChampCommande champ) const { return m_champs[int(champ)]; }
    QDate date() const;
    bool ttc() const { return m_ttc; }
    QStringList reglements() const { return m_reglements; }
    // The payment conditions offered, from the settings; the first one is a new order's.
    void setReglements(const QStringList& reglements);
    bool validee() const { return champ(ChampCommande::Valide) == QLatin1String("Y"); }
    // "Cmde non validée", "Cmde validée" right after validating, "Commande validée" once read.
    QString statut() const { return m_statut; }
    const TTotauxCommande& totaux() const { return m_totaux; }

    // User edits. The number takes nine digits at most; the date a date text. The validated
    // flag is not an edit.
    void saisitChamp(ChampCommande champ, const QString& texte);
    void saisitDate(const QDate& date);
    // "Commande H.T." or "Commande TTC": the totals follow the mode chosen. A validated order
    // keeps the mode its total was posted with.
    void saisitTTC(bool ttc);

    // The next order number (Numeroc).
    int numero() const override;
    // Why the page holds no order worth storing (Validec): no supplier code, no number, no
    // row with a designation.
    QString raisonInvalide() const override;
    // Computes the amounts and totals in the pricing mode shown (Calculec).
    void Calcule() override;

    // A new order for the supplier on the supplier page (NouvCmd): its empty fields filled
    // from the card.
    void CreePour(const TCarteFournisseur& carte);
    // The "..." beside the supplier code: that code, and the coordinates of the supplier whose
    // code it is exactly.
    void choisitFournisseur(const QString& code, const TListeBase& fournisseurs);
    // "Valider": freezes the order and posts "Commande " + number and the total with tax into
    // the history of the supplier whose code is the order's, shown on the supplier page. An
    // order that cannot be stored is not validated. False when nothing was done.
    bool Valider(TPageEnregistrement& fournisseurs);
    // Shows the order numbered `numero`, the page stored first; false, and nothing done, when
    // there is none (ChercheCmd).
    bool Cherche(const QString& numero);

    bool ecrit() override;
    void lit() override;
    void Copier() override;
    void Coller() override;

private:
    // Enter gives the row without VAT code the default one.
    void avantCalcul(int ligne) override;
    void entre(ChampCommande champ, const QString& texte);
    void remplitSiVide(ChampCommande champ, const QString& texte);
    void setChamp(ChampCommande champ, const QString& texte) { m_champs[int(champ)] = texte; }
    void reinitialise();
    void setValidee(bool validee);

    std::array<QString, NbChampsCommande> m_champs;
    QStringList m_reglements;
    TTotauxCommande m_totaux;
    QString m_statut;
    bool m_ttc = false;
};
