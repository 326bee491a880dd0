#include "tpageenregistrement.h"

#include "common/clock.h"
#include "common/conversions.h"
#include "common/textfile.h"

namespace {

QString surUneLigne(QString texte) {
    texte.replace(QLatin1String("\r\n"), QLatin1String(" "));
    texte.replace(u'\r', u' ');
    texte.replace(u'\n', u' ');
    return texte;
}

QString champVide(const TChamp& champ) {
    switch (champ.type) {
    case TypeChamp::DateMasque:
        return ImageDateVide;
    case TypeChamp::Drapeau:
        return QStringLiteral("N");
    default:
        return QString();
    }
}

} // namespace

TPageEnregistrement::TPageEnregistrement(const TDescriptionFiche& description, TListeBase& base,
                                         const TContextePage& contexte, QObject* parent)
    : QObject(parent), m_description(description), m_base(base), m_contexte(contexte),
      m_grille(description.lignesHistorique, contexte, this) {
    for (const TChamp& champ : m_description.champs)
        m_champs.append(champVide(champ));
    dateHistorique = Clock::today();
}

void TPageEnregistrement::setChamp(int ligne, const QString& texte) {
    m_champs[ligne - 1] = texte;
}

void TPageEnregistrement::saisitChamp(int ligne, const QString& texte) {
    setChamp(ligne, surUneLigne(texte));
    m_modifie = true;
}

void TPageEnregistrement::saisitMemo(const QString& texte) {
    m_memo = TextFile::splitLines(texte);
    m_modifie = true;
}

QString TPageEnregistrement::montantAligne(const QString& texte, int largeur) const {
    return FormatStr(texte, largeur, m_contexte.fmtMontant, m_contexte.mesure);
}

void TPageEnregistrement::entreMontant(int ligne) {
    setChamp(ligne, champ(ligne).trimmed());
    emit champChange(ligne);
}

void TPageEnregistrement::quitteMontant(int ligne) {
    setChamp(ligne, montantAligne(champ(ligne), m_description.champ(ligne).alignement));
    emit champChange(ligne);
}

void TPageEnregistrement::setListe(int ligne, const QStringList& items) {
    m_listes.insert(ligne, items);
    emit listeChange(ligne);
}

void TPageEnregistrement::quitteChoix(int ligne) {
    if (ligne != m_description.ligneChoixNumero)
        return;
    const TNumeroNom choisi = separeNumeroNom(champ(ligne));
    if (!choisi.separe)
        return;
    setChamp(ligne, choisi.numero);
    setChamp(m_description.ligneNomChoisi, choisi.nom);
    m_modifie = true;
    emit champChange(ligne);
    emit champChange(m_description.ligneNomChoisi);
}

void TPageEnregistrement::ajouteHistorique() {
    if (libelleHistorique.trimmed().isEmpty() || montantHistorique.trimmed().isEmpty())
        return;
    montantHistorique = Rset(FormatFloat(QStringLiteral("0.00"), StrToFloat(montantHistorique)),
                             m_description.alignementHistorique, m_contexte.mesure);
    const int ligne = m_grille.premiereLigneLibre();
    if (ligne >= 0) {
        QString libelle = surUneLigne(libelleHistorique);
        libelle.replace(u'\t', u' ');
        m_grille.setLigne(ligne, {DateToStr(dateHistorique), libelle, montantHistorique});
        libelleHistorique.clear();
        montantHistorique.clear();
    }
    m_modifie = true;
    emit historiqueSaisieChange();
}

void TPageEnregistrement::Copier() {
    m_pressePapiers.clear();
    for (int ligne : m_description.lignesCopiees)
        m_pressePapiers.append(champ(ligne));
}

void TPageEnregistrement::Coller() {
    setChamp(m_description.ligneNumero, QString::number(numero()));
    for (int i = 0; i < m_description.lignesCopiees.size(); ++i)
        setChamp(m_description.lignesCopiees[i], m_pressePapiers.value(i));
    m_modifie = true;
    emit relue();
}

bool TPageEnregistrement::ecrit() {
    if (!m_modifie)
        return false;
    QStringList corps = m_champs;
    // A memo line longer than a tag can hold is stored over several lines, so that nothing
    // typed is cut when the block is read back.
    for (const QString& ligne : std::as_const(m_memo)) {
        qsizetype debut = 0;
        do {
            corps.append(QStringLiteral("MEMO") + ligne.mid(debut, TListeBase::MaxTag));
            debut += TListeBase::MaxTag;
        } while (debut < ligne.size());
    }
    corps.append(TListeBase::lignesGrille(m_grille.lignes()));
    m_base.store(m_base.courant, corps);
    m_modifie = false;
    return true;
}

void TPageEnregistrement::lit() {
    for (int i = 0; i < m_champs.size(); ++i)
        m_champs[i] = champVide(m_description.champs[i]);
    m_memo.clear();
    m_grille.vide();
    libelleHistorique.clear();
    montantHistorique.clear();
    dateHistorique = Clock::today();

    const TBlocLu bloc = m_base.read(m_base.courant, m_description.nbChamps(),
                                     m_description.debutParcours, m_description.finParcours);
    if (bloc.trouve) {
        for (int i = 0; i < m_champs.size(); ++i)
            m_champs[i] = bloc.champs[i];
        int ligne = 0;
        for (const TLigneTag& tag : bloc.tags) {
            if (tag.tag == QLatin1String("MEMO")) {
                m_memo.append(tag.valeur);
            } else if (tag.tag == QLatin1String("DATA") && ligne < m_grille.rowCount()) {
                QStringList cellules = TListeBase::cellules(tag.valeur, 3);
                cellules[2] =
                    Rset(cellules[2], m_description.alignementHistorique, m_contexte.mesure);
                m_grille.setLigne(ligne++, cellules);
            }
        }
    }
    m_modifie = false;
    emit relue();
    // The proposed number last: a base whose numbers do not convert still shows its records.
    if (champ(m_description.ligneNumero).isEmpty()) {
        setChamp(m_description.ligneNumero, QString::number(numero()));
        emit champChange(m_description.ligneNumero);
    }
}
