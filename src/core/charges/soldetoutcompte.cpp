#include "core/charges/soldetoutcompte.h"

#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/documents/documentlu.h"
#include "core/gestion/loyersimpayes.h"
#include "core/records/locataire.h"

namespace {

double valeur(const QString& texte) {
    return ValeurMontant(texte).value_or(0);
}

double arrondi(double v) {
    return StrToFloat(FormatFloat(QStringLiteral("0.00"), Real48(v)));
}

} // namespace

double TSoldeToutCompte::totalDeductions() const {
    double somme = 0;
    for (const TDeduction& d : deductions)
        somme = Real48(somme + valeur(d.montant));
    return arrondi(somme);
}

double TSoldeToutCompte::impayes() const {
    return arrondi(loyerMensuel * moisImpayes.size());
}

double TSoldeToutCompte::solde() const {
    return arrondi(caution - totalDeductions() - impayes() - (charges ? charges->solde() : 0));
}

QString TSoldeToutCompte::phraseDelai() const {
    const QString jour = echeance().toString(QStringLiteral("dd/MM/yyyy"));
    return etatsConformes
               ? QStringLiteral("L'état des lieux de sortie étant conforme à l'état des lieux "
                                "d'entrée, le dépôt de garantie est restitué dans un délai d'un "
                                "mois, soit au plus tard le %1.")
                     .arg(jour)
               : QStringLiteral("L'état des lieux de sortie différant de l'état des lieux "
                                "d'entrée, le dépôt de garantie est restitué dans un délai de "
                                "deux mois, soit au plus tard le %1.")
                     .arg(jour);
}

namespace SoldeToutCompte {

TSoldeToutCompte Calcule(const TFiche& fiche, const QString& numero, const QDate& jour) {
    namespace L = Locataire;
    const TListeBase& locataires = fiche.base(Base::Locataires);
    TSoldeToutCompte s;
    s.locataire = numero.trimmed();
    qsizetype ouverture = -1;
    for (const TListeBase::Position& bloc : locataires.blocs())
        if (locataires.champ(bloc.ligne, L::Numero).trimmed() == s.locataire)
            ouverture = bloc.ligne;
    if (ouverture < 0)
        throw UserError(QStringLiteral("Fiche locataire %1 non trouvée").arg(s.locataire));
    const auto champ = [&](int ligne) { return locataires.champ(ouverture, ligne).trimmed(); };
    s.nom = champ(L::NomSoc);
    for (int ligne : {int(L::Adresse), int(L::Adresse2)})
        if (!champ(ligne).isEmpty())
            s.adresse.append(champ(ligne));
    s.adresse.append((champ(L::CodePostal) + u' ' + champ(L::Ville)).trimmed());
    s.sortie = QDate::fromString(champ(L::Sorti), QStringLiteral("dd/MM/yyyy"));
    if (!s.sortie.isValid())
        s.sortie = jour;
    s.caution = valeur(champ(L::Caution));
    s.loyerMensuel = valeur(champ(L::TotalDu));

    const TTableau impayes =
        LoyersImpayes(locataires, fiche.base(Base::Quittances), std::max(jour, s.sortie));
    for (const QStringList& ligne : impayes.lignes)
        if (ligne.value(0).trimmed() == s.locataire && !ligne.value(4).isEmpty())
            s.moisImpayes = ligne.value(4).split(QStringLiteral(", "));

    const QList<TRegularisation> regularisations =
        Regularisation::Calcule(locataires, fiche.base(Base::Lots), fiche.base(Base::Quittances),
                                fiche.annexe(Annexe::Charges), s.sortie.year());
    for (const TRegularisation& r : regularisations) {
        if (r.locataire != s.locataire)
            continue;
        s.lot = r.lot;
        s.nomLot = r.nomLot;
        bool reporte = false;
        for (qsizetype i = ouverture + 1; i < locataires.finContenu(ouverture); ++i)
            reporte = reporte || locataires.line(i).contains(r.libelle());
        if (r.chargesSaisies && !reporte)
            s.charges = r;
    }
    return s;
}

void Poste(TFiche& fiche, const TSoldeToutCompte& solde) {
    TPageEnregistrement* locataires = fiche.pageFiche(Base::Locataires);
    if (!locataires)
        return;
    fiche.AffichePage(Base::Locataires);
    if (!fiche.LitLoc(solde.locataire))
        throw UserError(QStringLiteral("Fiche locataire %1 non trouvée").arg(solde.locataire));
    if (locataires->grille().premiereLigneLibre() < 0)
        throw UserError(
            QStringLiteral("L'historique du locataire %1 est plein").arg(solde.locataire));
    locataires->dateHistorique = Clock::today();
    locataires->libelleHistorique = QStringLiteral("Solde de tout compte");
    locataires->montantHistorique = FormatFloat(QStringLiteral("0.00"), solde.solde());
    locataires->ajouteHistorique();
    fiche.EcritPage(Base::Locataires);
}

} // namespace SoldeToutCompte
