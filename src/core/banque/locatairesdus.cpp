#include "core/banque/locatairesdus.h"

#include "core/common/pli.h"
#include "core/documents/cartetiers.h"
#include "core/documents/lignesloyer.h"
#include "core/records/locataire.h"
#include "core/store/selections.h"
#include "core/store/tlistebase.h"

#include <QSet>

namespace {

// Words of a name that a transfer's label need not carry.
const QSet<QString>& civilites() {
    static const QSet<QString> mots{"m",        "mme",    "mlle",         "mr", "mrs",
                                    "monsieur", "madame", "mademoiselle", "et", "ou"};
    return mots;
}

} // namespace

bool TLocataireDu::actuelPour(const QDate& premierJour) const {
    return estLocataireActuel(entre, sorti, premierJour);
}

QStringList MotsPlies(const QString& texte) {
    QStringList mots;
    QString mot;
    for (const QChar c : PliTexte(texte)) {
        if (c.isLetterOrNumber()) {
            mot += c;
        } else if (!mot.isEmpty()) {
            mots.append(mot);
            mot.clear();
        }
    }
    if (!mot.isEmpty())
        mots.append(mot);
    return mots;
}

TLocatairesDus::TLocatairesDus(const TListeBase& locataires, const QString& fmtMontant) {
    for (const TListeBase::Position& bloc : locataires.blocs()) {
        const TCarteTiers carte = TCarteTiers::depuisBloc(Base::Locataires, locataires, bloc.cle);
        TLocataireDu du;
        du.cle = bloc.cle;
        du.numero = carte.numero.trimmed();
        du.nom = locataires.champ(bloc.ligne, Locataire::NomSoc).trimmed();
        du.entre = locataires.champ(bloc.ligne, Locataire::Entre);
        du.sorti = locataires.champ(bloc.ligne, Locataire::Sorti);
        du.centimes = qRound64(TotalLoyer(carte.montants, fmtMontant) * 100);
        for (const QString& mot : MotsPlies(du.nom))
            if (!civilites().contains(mot))
                du.mots.append(mot);
        if (du.numero.isEmpty())
            continue;
        const qsizetype i = m_locataires.size();
        m_locataires.append(du);
        if (du.centimes > 0 && !carte.montants.loyer.trimmed().isEmpty())
            m_parMontant[du.centimes].append(i);
        m_parNumero.insert(du.numero.toUpper(), i);
    }
}

QList<const TLocataireDu*> TLocatairesDus::pour(qint64 centimes, const QDate& premierJour) const {
    QList<const TLocataireDu*> trouves;
    for (const qsizetype i : m_parMontant.value(centimes))
        if (m_locataires[i].actuelPour(premierJour))
            trouves.append(&m_locataires[i]);
    return trouves;
}

const TLocataireDu* TLocatairesDus::numero(const QString& numero) const {
    const auto i = m_parNumero.constFind(numero.trimmed().toUpper());
    return i == m_parNumero.cend() ? nullptr : &m_locataires[*i];
}
