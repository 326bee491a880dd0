#include "core/documents/tpagelignes.h"

#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "core/documents/numerotation.h"

#include <algorithm>

namespace {

// A row whose cells joined with TAB are shorter than this is neither stored nor read: empty
// rows are dropped, so that the rows are packed on the next read.
constexpr qsizetype LongueurLigneMin = 9;

bool chiffres(const QString& texte) {
    return std::all_of(texte.begin(), texte.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

TPageLignes::TPageLignes(TListeBase& base, const TContextePage& contexte,
                         QList<TColonneGrille> colonnes, QString tagLigne, bool avecMemo,
                         QObject* parent)
    : QObject(parent), m_base(base), m_contexte(contexte),
      m_grille(
          std::move(colonnes),
          [this](int ligne, int colonne, const QString& texte) {
              saisitCellule(ligne, colonne, texte);
          },
          this),
      m_tagLigne(std::move(tagLigne)), m_avecMemo(avecMemo) {}

QString TPageLignes::numeroSaisi(const QString& texte) {
    const QString numero = texte.trimmed();
    if (numero.size() > 9 || !chiffres(numero))
        throw UserError(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(texte));
    return numero;
}

void TPageLignes::saisitMemo(const QString& texte) {
    if (!m_avecMemo)
        return;
    const QStringList lignes = TextFile::splitLines(texte);
    for (const QString& ligne : lignes)
        TListeBase::verifieLigne(QStringLiteral("MEMO") + ligne);
    m_memo = lignes;
    saisi();
}

void TPageLignes::entreCellule(int ligne, int colonne, const QString& texte) {
    const QString cellule = m_grille.entree(colonne, texte);
    TListeBase::verifieLigne(m_tagLigne + cellule);
    m_grille.setCellule(ligne, colonne, cellule);
}

void TPageLignes::saisitCellule(int ligne, int colonne, const QString& texte) {
    if (m_grille.figee() || ligne < 0 || ligne >= m_grille.rowCount() || colonne < 0 ||
        colonne >= m_grille.columnCount())
        return;
    entreCellule(ligne, colonne, texte);
    m_lignes = std::max(m_lignes, ligne + 1);
    saisi();
    if (m_grille.colonne(colonne).calcule)
        Calcule();
}

int TPageLignes::finLigne(int ligne) {
    if (m_grille.figee() || ligne < 0 || ligne >= m_grille.rowCount())
        return ligne;
    for (int c = 0; c < m_grille.columnCount(); ++c) {
        const QString& defaut = m_grille.colonne(c).defaut;
        if (!defaut.isEmpty() && m_grille.cellule(ligne, c).isEmpty())
            m_grille.setCellule(ligne, c, defaut);
    }
    m_lignes = std::max(m_lignes, ligne + 1);
    saisi();
    Calcule();
    return m_lignes < LignesAvance && ligne + 1 < m_grille.rowCount() ? ligne + 1 : ligne;
}

void TPageLignes::entreGrille() {
    m_grilleActive = true;
    emit grilleActiveChange(true);
}

void TPageLignes::quitteGrille() {
    m_grilleActive = false;
    emit grilleActiveChange(false);
}

void TPageLignes::SupLigne1(int ligne) {
    if (!m_grilleActive || m_grille.figee() || ligne < 0 || ligne >= m_lignes)
        return;
    const int colonnes = m_grille.columnCount();
    for (int r = ligne; r + 1 < m_lignes; ++r)
        for (int c = 0; c < colonnes; ++c)
            m_grille.setCellule(r, c, m_grille.cellule(r + 1, c));
    for (int c = 0; c < colonnes; ++c)
        m_grille.setCellule(m_lignes - 1, c, QString());
    --m_lignes;
    saisi();
    Calcule();
}

void TPageLignes::Cree() {
    // A base whose numbers do not convert, or whose month has no number left, stops the
    // command here, before anything changes.
    VerifieNumeroLibre(numero());
    ecrit();
    if (m_base.nb() >= TListeBase::MaxBlocs)
        throw UserError(QStringLiteral("Le fichier est plein"));
    // The next key of a dense base: the new document is stored as block nb once typed into.
    m_base.allerA(m_base.nb());
    lit();
}

void TPageLignes::videLignes() {
    m_memo.clear();
    m_grille.vide();
    m_lignes = 0;
}

QList<QStringList> TPageLignes::lignesDuBloc(const QList<TLigneTag>& tags, const QString& tagLigne,
                                             int colonnes) {
    QList<QStringList> lignes;
    for (const TLigneTag& tag : tags)
        if (tag.tag == tagLigne && tag.valeur.size() >= LongueurLigneMin)
            lignes.append(TListeBase::cellules(tag.valeur, colonnes));
    return lignes;
}

void TPageLignes::litLignes(const QList<QStringList>& lignes, const QStringList& memo) {
    if (m_avecMemo)
        m_memo = memo;
    const int colonnes = m_grille.columnCount();
    m_grille.vide(lignes.size());
    for (int ligne = 0; ligne < lignes.size(); ++ligne)
        for (int c = 0; c < colonnes; ++c)
            m_grille.setCellule(ligne, c, lignes[ligne][c]);
    m_lignes = std::min(int(lignes.size()) + 1, m_grille.rowCount());
}

QStringList TPageLignes::lignesBloc() const {
    QStringList lignes;
    for (int ligne = 0; ligne < m_lignes; ++ligne) {
        const QString texte = m_grille.ligne(ligne).join(u'\t');
        if (texte.size() >= LongueurLigneMin)
            lignes.append(m_tagLigne + texte);
    }
    if (m_avecMemo)
        lignes.append(TListeBase::lignesMemo(m_memo));
    return lignes;
}

QString TPageLignes::numeroPropose() const {
    try {
        return QString::number(numero());
    } catch (const UserError&) {
        return QString();
    }
}

void TPageLignes::finLecture(bool figee) {
    m_grille.setFigee(figee);
    Calcule();
    m_modifie = false;
    m_saisi = false;
    if (m_grilleActive)
        quitteGrille();
}

bool TPageLignes::aEnregistrer() {
    if (!m_modifie)
        return false;
    const QString raison = raisonInvalide();
    if (!raison.isEmpty() && !m_saisi)
        return false;
    if (!raison.isEmpty())
        throw EditionNonEnregistree(
            QStringLiteral("Ce document ne sera pas enregistré : %1. L'abandonner ?").arg(raison),
            [this] { m_modifie = m_saisi = false; });
    return true;
}

void TPageLignes::verifieValidable() const {
    const QString raison = raisonInvalide();
    if (!raison.isEmpty())
        throw UserError(QStringLiteral("Ce document ne peut pas être validé : %1.").arg(raison));
}

void TPageLignes::stocke(const QStringList& corps) {
    m_base.store(m_base.courant(), corps, TListeBase::Place::EnFin);
    m_modifie = m_saisi = false;
    emit stockee();
}
