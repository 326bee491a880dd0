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

QList<TColonneGrille> colonnes() {
    return {{QStringLiteral("Désignation"), TPageDocument::LongueurDesignation},
            {QStringLiteral("Montant"), 0, true, true, TColonneGrille::Fin::EntreeOuTab, true}};
}

bool estDate(ChampDocument champ) {
    return champ == C::Date || champ == C::Du || champ == C::Au;
}

} // namespace

TPageDocument::TPageDocument(const TDescriptionDocument& description, TListeBase& base,
                             const TContextePage& contexte, QObject* parent)
    : TPageLignes(base, contexte, colonnes(), description.tagLigne, description.memo, parent),
      m_description(description) {
    if (m_description.a(C::Mois))
        m_mois = ListeMois(Clock::today());
    reinitialise();
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
    default:
        return {};
    }
}

QString TPageDocument::statut() const {
    if (!m_description.validation())
        return QString();
    return validee() ? m_description.statutValide : m_description.statutNonValide;
}

void TPageDocument::entre(ChampDocument champ, const QString& texte) {
    const QString ligne = TListeBase::surUneLigne(texte);
    if (champ == C::Numero) {
        setChamp(champ, numeroSaisi(ligne));
    } else if (estDate(champ)) {
        setChamp(champ, DateToStr(StrToDate(ligne)));
    } else {
        TListeBase::verifieLigne(ligne);
        setChamp(champ, ligne);
    }
}

void TPageDocument::saisitChamp(ChampDocument champ, const QString& texte) {
    if (!m_description.a(champ) || champ == C::Valide)
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

void TPageDocument::celluleSaisie(int colonne) {
    if (colonne == TGrilleDocument::Montant)
        Calcule();
}

int TPageDocument::numero() const {
    return ProchainNumero(m_base, m_description.tagNumero, Clock::today());
}

QString TPageDocument::raisonInvalide() const {
    const QString numero = champ(C::Numero);
    if (numero.isEmpty() || numero[0] == u' ')
        return QStringLiteral("il n'a pas de numéro");
    if (m_description.locataireRequis && champ(C::Locataire).isEmpty())
        return QStringLiteral("il n'a pas de numéro de locataire");
    for (int ligne = 0; ligne < m_lignes; ++ligne)
        if (!m_grille.cellule(ligne, TGrilleDocument::Designation).isEmpty())
            return QString();
    return QStringLiteral("aucune ligne n'a de désignation");
}

void TPageDocument::Calcule() {
    double total = 0;
    for (int ligne = 0; ligne < m_grille.rowCount(); ++ligne) {
        const QString montant = m_grille.cellule(ligne, TGrilleDocument::Montant);
        if (montant.isEmpty())
            continue;
        const std::optional<double> compte = MontantCompte(m_contexte.fmtMontant, montant);
        if (!compte)
            continue; // left as typed, counts nothing
        const double montre = *compte;
        m_grille.setCellule(
            ligne, TGrilleDocument::Montant,
            Rset(FormatFloat(m_contexte.fmtMontant, montre), AlignementMontant, m_contexte.mesure));
        total = Real48(total + montre);
    }
    const double francs = Real48(total * m_contexte.tauxEuro);
    m_totalEuros = FormatFloat(m_contexte.fmtMontant, total);
    m_totalFrancs = FormatFloat(m_contexte.fmtMontant, francs);
    m_enLettres.clear();
    if (m_description.enLettres) {
        try {
            m_enLettres = MontantEnLettres(total);
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
    setChamp(C::Mois, TexteMois(today));
    setChamp(C::Du, DateToStr(PremierJour(today)));
    setChamp(C::Au, DateToStr(DernierJour(today)));
    setChamp(C::Valide, QStringLiteral("N"));
    videLignes();
}

void TPageDocument::lit() {
    // A key without block shows a blank document, not validated, whatever was shown before.
    reinitialise();
    const int nbChamps = int(m_description.champs.size());
    const TBlocLu bloc = m_base.read(m_base.courant, nbChamps, nbChamps + 1);
    if (bloc.trouve) {
        for (int i = 0; i < nbChamps; ++i) {
            const ChampDocument champ = m_description.champs[i].champ;
            const QString& texte = bloc.champs[i];
            switch (champ) {
            case C::Numero:
                setChamp(champ, texte.mid(LongueurTagNumero).trimmed());
                break;
            case C::Date:
            case C::Du:
            case C::Au:
                // A date that does not read keeps its default; the fields after it are read.
                try {
                    setChamp(champ, DateToStr(StrToDate(texte)));
                } catch (const UserError&) {
                }
                break;
            case C::Mode:
            case C::Sorte:
            case C::Mois:
                if (!texte.isEmpty())
                    setChamp(champ, texte);
                break;
            case C::Locataire:
            case C::Adresse1:
            case C::Adresse2:
            case C::Adresse3:
            case C::Adresse4:
                setChamp(champ, texte);
                break;
            case C::Valide:
                setChamp(champ, texte == QLatin1String("Y") ? texte : QStringLiteral("N"));
                break;
            }
        }
        litLignes(bloc.tags);
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
