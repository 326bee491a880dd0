#include "core/documents/tpagedocument.h"

#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/montants.h"
#include "core/common/usererror.h"
#include "core/documents/documentlu.h"
#include "core/documents/enlettres.h"
#include "core/documents/lignesloyer.h"
#include "core/documents/mois.h"
#include "core/documents/numerotation.h"

namespace {

using C = ChampDocument;

const QString FormatDate = QStringLiteral("dd/MM/yyyy");

bool estDate(ChampDocument champ) {
    return champ == C::Date || champ == C::Du || champ == C::Au;
}

} // namespace

TPageDocument::TPageDocument(const TDescriptionDocument& description, TListeBase& base,
                             const TContextePage& contexte, QObject* parent)
    : TPageLignes(base, contexte, description.colonnes, description.tagLigne, description.memo,
                  parent),
      m_description(description) {
    if (m_description.a(C::Mois))
        m_mois = ListeMois(Clock::today());
    reinitialise();
}

TParametresCalcul TPageDocument::parametres(const TContextePage& contexte) {
    return {false, contexte.tauxTVA(), contexte.tauxEuro, contexte.fmtMontant, contexte.mesure};
}

QDate TPageDocument::date(ChampDocument champ) const {
    return QDate::fromString(this->champ(champ), FormatDate);
}

QStringList TPageDocument::liste(ChampDocument champ) const {
    switch (champ) {
    case C::Mode:
        return m_description.modes;
    case C::Sorte:
        return m_description.sortes;
    case C::Mois:
        return m_mois;
    case C::Reglement:
        return m_reglements;
    default:
        return {};
    }
}

void TPageDocument::setReglements(const QStringList& reglements) {
    m_reglements = reglements;
}

QString TPageDocument::statut() const {
    if (!m_description.validation())
        return QString();
    if (!validee())
        return m_description.statutNonValide;
    return m_vientDEtreValidee ? m_description.statutValidation : m_description.statutValide;
}

void TPageDocument::entre(ChampDocument champ, const QString& texte) {
    QString ligne = TListeBase::surUneLigne(texte);
    if (champ == C::Numero) {
        setChamp(champ, numeroSaisi(ligne));
    } else if (estDate(champ)) {
        setChamp(champ, DateToStr(StrToDate(ligne)));
    } else {
        if (const int longueur = m_description.longueurMax(champ); longueur > 0)
            ligne.truncate(longueur);
        TListeBase::verifieLigne(ligne);
        setChamp(champ, ligne);
    }
}

void TPageDocument::saisitChamp(ChampDocument champ, const QString& texte) {
    if (!m_description.a(champ) || champ == C::Valide || champ == C::PrixTTC)
        return;
    entre(champ, texte);
    saisi();
    if (champ == C::Mois) {
        const TPeriode periode = PeriodeMois(this->champ(C::Mois));
        setChamp(C::Du, DateToStr(periode.du));
        setChamp(C::Au, DateToStr(periode.au));
        emit champChange(C::Du);
        emit champChange(C::Au);
    }
}

void TPageDocument::saisitDate(ChampDocument champ, const QDate& date) {
    if (!m_description.a(champ) || !estDate(champ) || !date.isValid())
        return;
    setChamp(champ, DateToStr(date));
    saisi();
}

void TPageDocument::saisitTTC(bool ttc) {
    if (!m_description.a(C::PrixTTC) || this->ttc() == ttc || m_grille.figee())
        return;
    setChamp(C::PrixTTC, ttc ? PrixAvecTaxe : PrixHorsTaxe);
    saisi();
    Calcule();
}

int TPageDocument::numero() const {
    return ProchainNumero(m_base, m_description.tagNumero, Clock::today());
}

QString TPageDocument::raisonInvalide() const {
    const QString numero = champ(C::Numero);
    if (numero.isEmpty() || numero[0] == u' ')
        return QStringLiteral("il n'a pas de numéro");
    if (!m_description.sansTiers.isEmpty() && champ(m_description.champTiers).isEmpty())
        return m_description.sansTiers;
    for (int ligne = 0; ligne < m_lignes; ++ligne)
        if (!m_grille.cellule(ligne, m_description.colonneDesignation).isEmpty())
            return QString();
    return QStringLiteral("aucune ligne n'a de désignation");
}

void TPageDocument::Calcule() {
    for (int c = 0; c < m_grille.columnCount(); ++c) {
        const TColonneGrille& colonne = m_description.colonnes[c];
        if (!colonne.enteteTTC.isEmpty())
            m_grille.setEntete(c, ttc() ? colonne.enteteTTC : colonne.entete);
    }
    QList<QStringList> lignes;
    lignes.reserve(m_grille.rowCount());
    for (int ligne = 0; ligne < m_grille.rowCount(); ++ligne)
        lignes.append(m_grille.ligne(ligne));
    TParametresCalcul p = parametres(m_contexte);
    p.ttc = ttc();
    m_totaux = m_description.calcul(lignes, p);
    for (int ligne = 0; ligne < lignes.size(); ++ligne)
        for (int c = 0; c < m_grille.columnCount(); ++c)
            if (lignes[ligne][c] != m_grille.cellule(ligne, c))
                m_grille.setCellule(ligne, c, lignes[ligne][c]);
    m_enLettres.clear();
    if (m_description.enLettres) {
        try {
            m_enLettres = MontantEnLettres(m_totaux.ttc);
        } catch (const UserError&) {
            // A total beyond the words is shown in figures only.
        }
    }
    emit totauxChange();
}

void TPageDocument::reinitialise() {
    const QDate today = Clock::today();
    m_champs.fill(QString());
    setChamp(C::Date, DateToStr(today));
    setChamp(C::Mode, m_description.modes.value(0));
    setChamp(C::Sorte, m_description.sortes.value(0));
    setChamp(C::Reglement, m_reglements.value(0));
    setChamp(C::Mois, TexteMois(today));
    setChamp(C::Du, DateToStr(PremierJour(today)));
    setChamp(C::Au, DateToStr(DernierJour(today)));
    setChamp(C::PrixTTC, PrixHorsTaxe);
    setChamp(C::Valide, QStringLiteral("N"));
    m_vientDEtreValidee = false;
    videLignes();
}

void TPageDocument::lit() {
    // A key without block shows a blank document, not validated, whatever was shown before.
    reinitialise();
    if (const std::optional<TBlocDocument> bloc =
            LitBlocDocument(m_description, m_base, m_base.courant())) {
        for (int c = 0; c < NbChampsDocument; ++c)
            if (bloc->champs[c])
                setChamp(ChampDocument(c), *bloc->champs[c]);
        if (m_description.numeroSelonCle && champ(C::Numero).isEmpty())
            setChamp(C::Numero, QString::number(m_base.courant()));
        litLignes(bloc->lignes, bloc->memo);
    }
    finLecture(validee());
    if (champ(C::Numero).isEmpty())
        setChamp(C::Numero, numeroPropose());
    emit relue();
}

bool TPageDocument::ecrit() {
    if (!aEnregistrer())
        return false;
    QStringList corps;
    for (const TChampDocument& c : m_description.champs)
        corps.append(c.champ == C::Numero
                         ? m_description.tagDuNumero(champ(C::Sorte)) + champ(C::Numero)
                         : champ(c.champ));
    corps.append(lignesBloc());
    stocke(corps);
    return true;
}
