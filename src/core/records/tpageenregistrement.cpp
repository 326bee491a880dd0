#include "core/records/tpageenregistrement.h"

#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "core/records/adressecourriel.h"

#include <algorithm>

TPageEnregistrement::TPageEnregistrement(const TDescriptionFiche& description, TListeBase& base,
                                         const TContextePage& contexte, QObject* parent)
    : QObject(parent), m_description(description), m_base(base), m_contexte(contexte),
      m_grille(description.lignesHistorique, contexte, this) {
    for (const TChamp& champ : m_description.champs) {
        m_champs.append(valeurVide(champ));
        if (!champ.elements.isEmpty())
            m_listes.insert(champ.ligne, champ.elements);
    }
    dateHistorique = Clock::today();
}

void TPageEnregistrement::setChamp(int ligne, const QString& texte) {
    m_champs[ligne - 1] = texte;
}

void TPageEnregistrement::saisitChamp(int ligne, const QString& texte) {
    const QString uneLigne = TListeBase::surUneLigne(texte);
    TListeBase::verifieLigne(uneLigne);
    // An edit of another field (a box ticked with the mouse) ends the one in progress.
    if (m_enSaisie != ligne) {
        termineSaisie();
        m_avantSaisie = champ(ligne);
    }
    setChamp(ligne, uneLigne);
    m_enSaisie = ligne;
    m_modifie = true;
}

void TPageEnregistrement::saisitMemo(const QString& texte) {
    const QStringList lignes = TextFile::splitLines(texte);
    for (const QString& ligne : lignes)
        TListeBase::verifieLigne(QStringLiteral("MEMO") + ligne);
    m_memo = lignes;
    m_modifie = true;
}

void TPageEnregistrement::entreChamp(int ligne) {
    m_enSaisie = ligne;
    m_avantSaisie = champ(ligne);
    if (m_description.champ(ligne).type == TypeChamp::Montant)
        entreMontant(ligne);
}

void TPageEnregistrement::quitteChamp(int ligne) {
    if (ligne != m_enSaisie)
        return;
    switch (m_description.champ(ligne).type) {
    case TypeChamp::Montant:
        quitteMontant(ligne);
        break;
    case TypeChamp::Choix:
        quitteChoix(ligne);
        break;
    case TypeChamp::Texte:
        if (m_description.champ(ligne).courriel)
            quitteCourriel(ligne);
        break;
    default:
        break;
    }
    m_enSaisie = 0;
}

void TPageEnregistrement::quitteCourriel(int ligne) {
    const QString adresse = champ(ligne).trimmed();
    if (adresse.isEmpty() || estAdresseCourriel(adresse)) {
        setChamp(ligne, adresse);
    } else {
        // The field gets back what it held before this edit.
        setChamp(ligne, m_avantSaisie);
        m_enSaisie = 0;
        emit champChange(ligne);
        throw UserError(refusAdresseCourriel(adresse));
    }
    emit champChange(ligne);
}

void TPageEnregistrement::termineSaisie() {
    if (m_enSaisie)
        quitteChamp(m_enSaisie);
}

QString TPageEnregistrement::montantAligne(const QString& texte, int largeur) const {
    return FormatStr(texte, largeur, m_contexte.fmtMontant, m_contexte.mesure);
}

void TPageEnregistrement::entreMontant(int ligne) {
    setChamp(ligne, champ(ligne).trimmed());
    emit champChange(ligne);
}

void TPageEnregistrement::quitteMontant(int ligne) {
    // Formatting that changes the amount is an edit: it must reach the stored block.
    const QString forme = montantAligne(champ(ligne), m_description.champ(ligne).alignement);
    if (forme.trimmed() != champ(ligne).trimmed())
        m_modifie = true;
    setChamp(ligne, forme);
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
    const QString libelle = TListeBase::celluleGrille(libelleHistorique);
    TListeBase::verifieLigne(QStringLiteral("DATA") + libelle);
    montantHistorique = Rset(FormatFloat(m_contexte.fmtMontant, LitMontant(montantHistorique)),
                             m_description.alignementHistorique, m_contexte.mesure);
    const int ligne = m_grille.premiereLigneLibre();
    if (ligne >= 0) {
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
    for (int i = 0; i < m_description.lignesCopiees.size(); ++i) {
        const int ligne = m_description.lignesCopiees[i];
        setChamp(ligne, i < m_pressePapiers.size() ? m_pressePapiers[i]
                                                   : valeurVide(m_description.champ(ligne)));
    }
    m_modifie = true;
    emit relue();
}

bool TPageEnregistrement::ecrit() {
    termineSaisie();
    if (!m_modifie)
        return false;
    QStringList corps = m_champs;
    corps.append(TListeBase::lignesMemo(m_memo));
    corps.append(TListeBase::lignesGrille(m_grille.lignes()));
    m_base.store(m_base.courant(), corps);
    m_modifie = false;
    return true;
}

void TPageEnregistrement::lit() {
    for (int i = 0; i < m_champs.size(); ++i)
        m_champs[i] = valeurVide(m_description.champs[i]);
    m_memo.clear();
    m_grille.vide(m_description.lignesHistorique);
    libelleHistorique.clear();
    montantHistorique.clear();
    dateHistorique = Clock::today();

    m_enSaisie = 0;

    // Tagged lines are looked for after the fields only: a field that begins like a tag is
    // never read a second time as a memo line or a history row.
    const TBlocLu bloc =
        m_base.read(m_base.courant(), m_description.nbChamps(), m_description.nbChamps() + 1);
    if (bloc.trouve) {
        // A field the block does not hold reads as that field's empty text (a date's blank
        // picture), never as a text that means something else.
        for (int i = 0; i < m_champs.size(); ++i)
            if (!bloc.champs[i].isEmpty())
                m_champs[i] = bloc.champs[i];
        const auto estGrille = [](const TLigneTag& tag) {
            return tag.tag == QLatin1String("DATA");
        };
        m_grille.vide(
            std::max<qsizetype>(m_description.lignesHistorique,
                                std::count_if(bloc.tags.begin(), bloc.tags.end(), estGrille)));
        int ligne = 0;
        for (const TLigneTag& tag : bloc.tags) {
            if (tag.tag == QLatin1String("MEMO")) {
                m_memo.append(tag.valeur);
            } else if (estGrille(tag)) {
                QStringList cellules = TListeBase::cellules(tag.valeur, 3);
                cellules[2] =
                    Rset(cellules[2], m_description.alignementHistorique, m_contexte.mesure);
                m_grille.setLigne(ligne++, cellules);
            }
        }
    }
    m_modifie = false;
    emit relue();
    // The proposed number last. A base whose numbers do not convert still shows its records:
    // the message waits until a new number is needed.
    if (champ(m_description.ligneNumero).isEmpty()) {
        try {
            setChamp(m_description.ligneNumero, QString::number(numero()));
            emit champChange(m_description.ligneNumero);
        } catch (const UserError&) {
        }
    }
}

bool TPageEnregistrement::litNumero(const QString& numero) {
    ecrit();
    const int cle = m_description.cle(m_base, numero);
    if (cle < 0)
        return false;
    m_base.allerA(cle);
    lit();
    return true;
}

void TPageEnregistrement::Nouvelle() {
    lit();
    setChamp(m_description.ligneNumero, QString::number(numero()));
    emit champChange(m_description.ligneNumero);
}
