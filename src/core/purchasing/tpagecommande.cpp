#include "core/purchasing/tpagecommande.h"

#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/documents/numerotation.h"

#include <algorithm>

namespace {

using C = ChampCommande;
using namespace ColonneCommande;

using namespace BlocCommande;

const QString FormatDate = QStringLiteral("dd/MM/yyyy");

// The longest cells, so that a stored row, amounts aligned with blanks, stays within what a
// tagged line of a block holds.
QList<TColonneGrille> colonnes() {
    using Fin = TColonneGrille::Fin;
    return {{QStringLiteral("Réf"), 15},
            {QStringLiteral("Désignation"), 80, false, true},
            {QStringLiteral("Quantité"), 20, true, true, Fin::Entree},
            {QStringLiteral("Prix Unitaire"), 20, true, true, Fin::Entree, true},
            {QStringLiteral("R (%)"), 10, false, true, Fin::Entree},
            {QStringLiteral("Montant H.T."), 20, true, true, Fin::Entree},
            {QStringLiteral("T"), 2, false, true, Fin::Entree}};
}

} // namespace

bool BlocCommande::ttc(const QString& ligneMode) {
    return ligneMode.startsWith(QLatin1String("TTC")) && ligneMode.mid(3, 1) == QLatin1String("Y");
}

TPageCommande::TPageCommande(TListeBase& base, const TContextePage& contexte, QObject* parent)
    : TPageLignes(base, contexte, colonnes(), TagLigne, true, parent) {
    reinitialise();
}

QString TPageCommande::libelle(ChampCommande champ) {
    switch (champ) {
    case C::Numero:
        return QStringLiteral("N° de commande");
    case C::Date:
        return QStringLiteral("Date");
    case C::Fournisseur:
        return QStringLiteral("Code fournisseur");
    case C::Reglement:
        return QStringLiteral("Conditions de réglement");
    case C::Adresse1:
    case C::Adresse2:
    case C::Adresse3:
    case C::Adresse4:
        return QStringLiteral("Coordonnées du fournisseur");
    case C::Valide:
        break;
    }
    return QString();
}

QDate TPageCommande::date() const {
    return QDate::fromString(champ(C::Date), FormatDate);
}

void TPageCommande::setReglements(const QStringList& reglements) {
    m_reglements = reglements;
}

void TPageCommande::entre(ChampCommande champ, const QString& texte) {
    const QString ligne = TListeBase::surUneLigne(texte);
    switch (champ) {
    case C::Numero:
        setChamp(champ, numeroSaisi(ligne));
        break;
    case C::Date:
        setChamp(champ, DateToStr(StrToDate(ligne)));
        break;
    case C::Fournisseur:
        TListeBase::verifieLigne(ligne.left(5));
        setChamp(champ, ligne.left(5));
        break;
    default:
        TListeBase::verifieLigne(ligne);
        setChamp(champ, ligne);
        break;
    }
}

void TPageCommande::saisitChamp(ChampCommande champ, const QString& texte) {
    if (champ == C::Valide)
        return;
    entre(champ, texte);
    saisi();
}

void TPageCommande::saisitDate(const QDate& date) {
    if (!date.isValid())
        return;
    setChamp(C::Date, DateToStr(date));
    saisi();
}

void TPageCommande::saisitTTC(bool ttc) {
    if (m_ttc == ttc || m_grille.figee())
        return;
    m_ttc = ttc;
    saisi();
    Calcule();
}

void TPageCommande::avantCalcul(int ligne) {
    if (m_grille.cellule(ligne, Tva).isEmpty())
        m_grille.setCellule(ligne, Tva, CodeTVADefaut);
}

int TPageCommande::numero() const {
    return ProchainNumero(m_base, TagNumero, Clock::today());
}

QString TPageCommande::raisonInvalide() const {
    const QString numero = champ(C::Numero);
    if (numero.isEmpty() || numero[0] == u' ')
        return QStringLiteral("il n'a pas de numéro");
    if (champ(C::Fournisseur).isEmpty())
        return QStringLiteral("il n'a pas de code fournisseur");
    for (int ligne = 0; ligne < m_lignes; ++ligne)
        if (!m_grille.cellule(ligne, Designation).isEmpty())
            return QString();
    return QStringLiteral("aucune ligne n'a de désignation");
}

TParametresCommande TPageCommande::parametres(const TContextePage& contexte) {
    return {false, contexte.tauxTVA(), contexte.tauxEuro, contexte.fmtMontant, contexte.mesure};
}

void TPageCommande::Calcule() {
    m_grille.setEntete(Montant,
                       m_ttc ? QStringLiteral("Montant TTC") : QStringLiteral("Montant H.T."));
    QList<QStringList> lignes;
    lignes.reserve(m_grille.rowCount());
    for (int ligne = 0; ligne < m_grille.rowCount(); ++ligne)
        lignes.append(m_grille.ligne(ligne));
    TParametresCommande p = parametres(m_contexte);
    p.ttc = m_ttc;
    m_totaux = CalculeCommande(lignes, p);
    for (int ligne = 0; ligne < lignes.size(); ++ligne)
        for (int c = 0; c < NbColonnes; ++c)
            if (lignes[ligne][c] != m_grille.cellule(ligne, c))
                m_grille.setCellule(ligne, c, lignes[ligne][c]);
    emit totauxChange();
}

void TPageCommande::reinitialise() {
    m_champs.fill(QString());
    setChamp(C::Date, DateToStr(Clock::today()));
    setChamp(C::Reglement, m_reglements.value(0));
    setChamp(C::Valide, QStringLiteral("N"));
    m_ttc = false;
    videLignes();
}

void TPageCommande::lit() {
    // A key without block shows a blank order, not validated, whatever was shown before.
    reinitialise();
    const TBlocLu bloc = m_base.read(m_base.courant, LignesEntete, LignesEntete + 1);
    if (bloc.trouve) {
        const QStringList& l = bloc.champs;
        const QString numero = l[0].mid(TagNumero.size()).trimmed();
        setChamp(C::Numero, numero.isEmpty() ? QString::number(m_base.courant) : numero);
        // A date that does not read keeps today's; the fields after it are read.
        try {
            setChamp(C::Date, DateToStr(StrToDate(l[1])));
        } catch (const UserError&) {
        }
        setChamp(C::Fournisseur, l[2]);
        if (!l[3].isEmpty())
            setChamp(C::Reglement, l[3]);
        for (int i = 0; i < 4; ++i)
            setChamp(ChampCommande(int(C::Adresse1) + i), l[4 + i]);
        m_ttc = BlocCommande::ttc(l[LigneTTC - 1]);
        setChamp(C::Valide, l[LignesEntete - 1] == QLatin1String("Y") ? QStringLiteral("Y")
                                                                      : QStringLiteral("N"));
        litLignes(bloc.tags);
    }
    finLecture(validee());
    m_statut = validee() ? QStringLiteral("Commande validée") : QStringLiteral("Cmde non validée");
    if (champ(C::Numero).isEmpty())
        setChamp(C::Numero, numeroPropose());
    emit relue();
}

bool TPageCommande::ecrit() {
    if (!aEnregistrer())
        return false;
    QStringList corps = {TagNumero + champ(C::Numero)};
    for (ChampCommande c : {C::Date, C::Fournisseur, C::Reglement, C::Adresse1, C::Adresse2,
                            C::Adresse3, C::Adresse4})
        corps.append(champ(c));
    corps.append(m_ttc ? QStringLiteral("TTCY") : QStringLiteral("TTCN"));
    corps.append(champ(C::Valide));
    corps.append(lignesBloc());
    stocke(corps);
    return true;
}
