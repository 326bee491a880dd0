#include "core/charges/impcharges.h"

#include "core/charges/regularisation.h"
#include "core/charges/soldetoutcompte.h"
#include "core/common/conversions.h"
#include "core/documents/documentlu.h"
#include "core/printing/tfeuille.h"

namespace {

constexpr int Gauche = 20;
constexpr int Droite = 190;
constexpr int LargeurLibelle = 130;
constexpr int LargeurMontant = 40;
constexpr int Pas = 6;
// Below this a row goes to the next page.
constexpr int Bas = 250;

QString euros(double valeur) {
    return FormatFloat(QStringLiteral("0.00"), valeur) + QStringLiteral(" €");
}

QString date(const QDate& jour) {
    return jour.toString(QStringLiteral("dd/MM/yyyy"));
}

// The title, the addressee at the right and the lines under the owner's header; gives the
// height below them.
int enTete(TFeuille& f, const TProprietaire& proprietaire, const QString& titre, const QString& nom,
           const QStringList& adresse, const QStringList& references) {
    EnTete(f, proprietaire);
    f.police(14, true);
    f.texte(116, 40, titre);
    f.police(10, true);
    f.texteDans(116, 60, 79, nom);
    for (int i = 0; i < adresse.size() && i < 3; ++i)
        f.texteDans(116, 65 + 5 * i, 79, adresse[i]);
    f.police(11);
    int y = 90;
    for (const QString& reference : references) {
        f.texteDans(Gauche, y, Droite - Gauche, reference);
        y += Pas;
    }
    return y + Pas;
}

// A row of a statement: its label at the left, its amount ending at the right.
void rangee(TFeuille& f, int& y, const QString& libelle, const QString& montant,
            bool gras = false) {
    if (y > Bas) {
        f.nouvellePage();
        y = 20;
    }
    f.police(11, gras);
    f.texteDans(Gauche, y, LargeurLibelle, libelle);
    f.texteDroiteDans(Droite, y, LargeurMontant, montant);
    y += Pas;
}

void trait(TFeuille& f, int& y) {
    f.ligne(Gauche, y - 1, Droite, y - 1);
    y += 2;
}

void fin(TFeuille& f, int y, const QString& phrase, const QDate& jour) {
    if (y > Bas - 20) {
        f.nouvellePage();
        y = 20;
    }
    f.police(10);
    f.paragraphe(Gauche, y + Pas, Droite - Gauche, 5, 3, phrase);
    f.texte(116, y + 4 * Pas, QStringLiteral("Fait le ") + date(jour));
}

void decompte(TFeuille& f, const TRegularisation& r, const TProprietaire& proprietaire,
              const QDate& jour) {
    int y = enTete(f, proprietaire, QStringLiteral("Décompte de charges"), r.nom, r.adresse,
                   {QStringLiteral("Locataire N° ") + r.locataire,
                    QStringLiteral("Lot N° %1 %2").arg(r.lot, r.nomLot).trimmed(),
                    QStringLiteral("Période du %1 au %2, soit %3 jours sur %4")
                        .arg(date(r.du), date(r.au))
                        .arg(r.jours())
                        .arg(r.joursAnnee())});
    f.police(11, true);
    f.texte(Gauche, y, QStringLiteral("Charges réelles de l'année %1").arg(r.annee));
    y += Pas + 2;
    for (const TCharge& charge : r.charges.charges)
        rangee(f, y, charge.categorie, euros(ValeurMontant(charge.montant).value_or(0)));
    trait(f, y);
    rangee(f, y, QStringLiteral("Total des charges réelles"), euros(r.total()), true);
    rangee(f, y,
           QStringLiteral("Quote-part du locataire (%1 / %2 jours)")
               .arg(r.jours())
               .arg(r.joursAnnee()),
           euros(r.quotePart()));
    rangee(f, y, QStringLiteral("Provisions pour charges reçues"), euros(r.provisions));
    trait(f, y);
    rangee(f, y,
           r.solde() >= 0 ? QStringLiteral("Solde à payer par le locataire")
                          : QStringLiteral("Solde à rembourser au locataire"),
           euros(qAbs(r.solde())), true);
    fin(f, y,
        QStringLiteral("Les pièces justificatives des charges sont tenues à la disposition du "
                       "locataire."),
        jour);
}

} // namespace

void ImprimeDecomptes(TCanevas& canevas, const QList<TRegularisation>& decomptes,
                      const TProprietaire& proprietaire, const QDate& jour) {
    TFeuille f(canevas);
    for (qsizetype i = 0; i < decomptes.size(); ++i) {
        if (i > 0)
            f.nouvellePage();
        decompte(f, decomptes[i], proprietaire, jour);
    }
}

TTravailImpression travailDecomptes(const QList<TRegularisation>& decomptes,
                                    const TProprietaire& proprietaire, const QDate& jour) {
    const QString titre = decomptes.size() == 1
                              ? QStringLiteral("Décompte de charges ") + decomptes[0].locataire
                              : QStringLiteral("Décomptes de charges");
    return {titre, TOrientation::Portrait,
            [=](TCanevas& canevas) { ImprimeDecomptes(canevas, decomptes, proprietaire, jour); }};
}

void ImprimeSolde(TCanevas& canevas, const TSoldeToutCompte& s, const TProprietaire& proprietaire,
                  const QDate& jour) {
    TFeuille f(canevas);
    int y = enTete(f, proprietaire, QStringLiteral("Solde de tout compte"), s.nom, s.adresse,
                   {QStringLiteral("Locataire N° ") + s.locataire,
                    QStringLiteral("Lot N° %1 %2").arg(s.lot, s.nomLot).trimmed(),
                    QStringLiteral("Date de sortie : ") + date(s.sortie)});
    rangee(f, y, QStringLiteral("Dépôt de garantie reçu"), euros(s.caution), true);
    for (const TDeduction& d : s.deductions)
        rangee(f, y, QStringLiteral("À déduire : ") + d.designation,
               euros(-ValeurMontant(d.montant).value_or(0)));
    if (!s.moisImpayes.isEmpty())
        rangee(f, y, QStringLiteral("Loyers impayés : ") + s.moisImpayes.join(QStringLiteral(", ")),
               euros(-s.impayes()));
    if (s.charges)
        rangee(f, y, s.charges->libelle(), euros(-s.charges->solde()));
    trait(f, y);
    rangee(f, y,
           s.solde() >= 0 ? QStringLiteral("Montant à restituer au locataire")
                          : QStringLiteral("Montant à réclamer au locataire"),
           euros(qAbs(s.solde())), true);
    fin(f, y, s.phraseDelai(), jour);
}

TTravailImpression travailSolde(const TSoldeToutCompte& solde, const TProprietaire& proprietaire,
                                const QDate& jour) {
    return {QStringLiteral("Solde de tout compte ") + solde.locataire, TOrientation::Portrait,
            [=](TCanevas& canevas) { ImprimeSolde(canevas, solde, proprietaire, jour); }};
}
