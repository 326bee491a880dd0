#include "tpagecommande.h"

#include "common/clock.h"
#include "common/conversions.h"
#include "common/textfile.h"
#include "common/usererror.h"
#include "documents/numerotation.h"

#include <algorithm>

namespace {

using C = ChampCommande;
using namespace ColonneCommande;

const QString TagNumero = QStringLiteral("NUMC");
const QString TagLigne = QStringLiteral("CMDE");
const QString FormatDate = QStringLiteral("dd/MM/yyyy");

// The header lines of a block: the fields, then the pricing mode before the validated flag.
constexpr int LigneTTC = 9;
constexpr int LignesEntete = 10;

// A stored row is longer than this with its tag: the seven cells hold more than 2 characters.
constexpr qsizetype LongueurLigneMin = 12;

// The longest cells, so that a stored row, amounts aligned with blanks, stays within what a
// tagged line of a block holds.
QList<TColonneGrille> colonnes() {
    using Fin = TColonneGrille::Fin;
    return {{QStringLiteral("Réf"), 15},
            {QStringLiteral("Désignation"), 80, false, true},
            {QStringLiteral("Quantité"), 20, true, true, Fin::Entree},
            {QStringLiteral("Prix Unitaire"), 20, true, true, Fin::Entree},
            {QStringLiteral("R (%)"), 10, false, true, Fin::Entree},
            {QStringLiteral("Montant H.T."), 20, true, true, Fin::Entree},
            {QStringLiteral("T"), 2, false, true, Fin::Entree}};
}

bool chiffres(const QString& texte) {
    return std::all_of(texte.begin(), texte.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

TPageCommande::TPageCommande(TListeBase& base, const TContextePage& contexte, QObject* parent)
    : QObject(parent), m_base(base), m_contexte(contexte),
      m_grille(
          colonnes(),
          [this](int ligne, int colonne, const QString& texte) {
              saisitCellule(ligne, colonne, texte);
          },
          this) {
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
    case C::Numero: {
        const QString numero = ligne.trimmed();
        if (numero.size() > 9 || !chiffres(numero))
            throw UserError(
                QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(ligne));
        setChamp(champ, numero);
        break;
    }
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
    m_modifie = true;
}

void TPageCommande::saisitDate(const QDate& date) {
    if (!date.isValid())
        return;
    setChamp(C::Date, DateToStr(date));
    m_modifie = true;
}

void TPageCommande::saisitTTC(bool ttc) {
    if (m_ttc == ttc || m_grille.figee())
        return;
    m_ttc = ttc;
    m_modifie = true;
    Calcule();
}

void TPageCommande::saisitMemo(const QString& texte) {
    const QStringList lignes = TextFile::splitLines(texte);
    for (const QString& ligne : lignes)
        TListeBase::verifieLigne(QStringLiteral("MEMO") + ligne);
    m_memo = lignes;
    m_modifie = true;
}

void TPageCommande::entreCellule(int ligne, int colonne, const QString& texte) {
    const QString cellule = m_grille.entree(colonne, texte);
    TListeBase::verifieLigne(TagLigne + cellule);
    m_grille.setCellule(ligne, colonne, cellule);
}

void TPageCommande::saisitCellule(int ligne, int colonne, const QString& texte) {
    if (m_grille.figee() || ligne < 0 || ligne >= m_grille.rowCount() || colonne < 0 ||
        colonne >= NbColonnes)
        return;
    entreCellule(ligne, colonne, texte);
    m_lignes = std::max(m_lignes, ligne + 1);
    m_modifie = true;
}

int TPageCommande::finLigne(int ligne) {
    if (m_grille.figee() || ligne < 0 || ligne >= m_grille.rowCount())
        return ligne;
    if (m_grille.cellule(ligne, Tva).isEmpty())
        m_grille.setCellule(ligne, Tva, CodeTVADefaut);
    Calcule();
    m_modifie = true;
    m_lignes = std::max(m_lignes, ligne + 1);
    return m_lignes < LignesAvance && ligne + 1 < m_grille.rowCount() ? ligne + 1 : ligne;
}

void TPageCommande::entreGrille() {
    m_grilleActive = true;
    emit grilleActiveChange(true);
}

void TPageCommande::quitteGrille() {
    m_grilleActive = false;
    emit grilleActiveChange(false);
}

void TPageCommande::SupLigne1(int ligne) {
    if (!m_grilleActive || m_grille.figee() || ligne < 0 || ligne >= m_lignes)
        return;
    for (int r = ligne; r + 1 < m_lignes; ++r)
        for (int c = 0; c < NbColonnes; ++c)
            m_grille.setCellule(r, c, m_grille.cellule(r + 1, c));
    for (int c = 0; c < NbColonnes; ++c)
        m_grille.setCellule(m_lignes - 1, c, QString());
    --m_lignes;
    m_modifie = true;
    Calcule();
}

int TPageCommande::numero() const {
    return ProchainNumero(m_base, TagNumero, Clock::today());
}

bool TPageCommande::estValide() const {
    const QString numero = champ(C::Numero);
    if (champ(C::Fournisseur).isEmpty() || numero.isEmpty() || numero[0] == u' ')
        return false;
    for (int ligne = 0; ligne < m_lignes; ++ligne)
        if (!m_grille.cellule(ligne, Designation).isEmpty())
            return true;
    return false;
}

void TPageCommande::Calcule() {
    m_grille.setEntete(Montant,
                       m_ttc ? QStringLiteral("Montant TTC") : QStringLiteral("Montant H.T."));
    QList<QStringList> lignes;
    lignes.reserve(m_grille.rowCount());
    for (int ligne = 0; ligne < m_grille.rowCount(); ++ligne)
        lignes.append(m_grille.ligne(ligne));
    const std::array<double, 3> taux = m_contexte.tauxTVA();
    m_totaux = CalculeCommande(
        lignes, {m_ttc, taux, m_contexte.tauxEuro, m_contexte.fmtMontant, m_contexte.mesure});
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
    m_memo.clear();
    m_grille.vide();
    m_lignes = 0;
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
        const QString mode = l[LigneTTC - 1];
        m_ttc = mode.startsWith(QLatin1String("TTC")) && mode.mid(3, 1) == QLatin1String("Y");
        setChamp(C::Valide, l[LignesEntete - 1] == QLatin1String("Y") ? QStringLiteral("Y")
                                                                      : QStringLiteral("N"));
        const auto estLigne = [](const TLigneTag& tag) { return tag.tag == TagLigne; };
        m_grille.vide(std::count_if(bloc.tags.begin(), bloc.tags.end(), estLigne));
        int ligne = 0;
        for (const TLigneTag& tag : bloc.tags) {
            if (tag.tag == QLatin1String("MEMO")) {
                m_memo.append(tag.valeur);
            } else if (estLigne(tag)) {
                const QStringList cellules = TListeBase::cellules(tag.valeur, NbColonnes);
                for (int c = 0; c < NbColonnes; ++c)
                    m_grille.setCellule(ligne, c, cellules[c]);
                ++ligne;
            }
        }
        m_lignes = std::min(ligne + 1, m_grille.rowCount());
    }
    m_grille.setFigee(validee());
    Calcule();
    m_statut = validee() ? QStringLiteral("Commande validée") : QStringLiteral("Cmde non validée");
    m_modifie = false;
    if (m_grilleActive)
        quitteGrille();
    // The proposed number last. A base whose numbers do not convert still shows its orders:
    // the message waits until a new number is needed.
    if (champ(C::Numero).isEmpty()) {
        try {
            setChamp(C::Numero, QString::number(numero()));
        } catch (const UserError&) {
        }
    }
    emit relue();
}

bool TPageCommande::ecrit() {
    if (!m_modifie || !estValide())
        return false;
    QStringList corps = {TagNumero + champ(C::Numero)};
    for (ChampCommande c : {C::Date, C::Fournisseur, C::Reglement, C::Adresse1, C::Adresse2,
                            C::Adresse3, C::Adresse4})
        corps.append(champ(c));
    corps.append(m_ttc ? QStringLiteral("TTCY") : QStringLiteral("TTCN"));
    corps.append(champ(C::Valide));
    for (int ligne = 0; ligne < m_lignes; ++ligne) {
        const QString texte = TagLigne + m_grille.ligne(ligne).join(u'\t');
        if (texte.size() > LongueurLigneMin)
            corps.append(texte);
    }
    corps.append(TListeBase::lignesMemo(m_memo));
    m_base.store(m_base.courant, corps, TListeBase::Place::EnFin);
    m_modifie = false;
    emit stockee();
    return true;
}
