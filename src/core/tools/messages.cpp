#include "core/tools/messages.h"

#include "core/common/cp1252.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

TMessage TMessage::depuisLigne(const QString& ligne) {
    TMessage m;
    const QStringList parts = ligne.split(u'\t');
    for (int i = 0; i < NbChamps && i < parts.size(); ++i)
        m.champs[i] = parts[i].trimmed();
    const QString lettres = parts.value(NbChamps);
    for (int i = 0; i < NbCases; ++i)
        m.cases[i] = i < lettres.size() && lettres[i] == u'T';
    return m;
}

QString TMessage::ligne() const {
    QString ligne;
    for (const QString& champ : champs)
        ligne += champ + u'\t';
    for (bool coche : cases)
        ligne += coche ? u'T' : u'F';
    return ligne;
}

namespace Messages {

QString nomFichier(const QString& dossier) {
    const qsizetype nom = std::max(dossier.lastIndexOf(u'/'), dossier.lastIndexOf(u'\\')) + 1;
    const qsizetype point = dossier.lastIndexOf(u'.');
    return (point >= nom ? dossier.left(point) : dossier) + QStringLiteral(".oms");
}

} // namespace Messages

void TListeMessages::Charge(const QString& dossier) {
    const QString fichier = resolveFileName(Messages::nomFichier(dossier));
    if (!TextFile::exists(fichier))
        return;
    const QStringList lignes = TextFile::read(fichier, TailleMax, QStringLiteral("les messages"));
    if (lignes.isEmpty())
        return;
    m_lignes = lignes;
    m_courant = int(m_lignes.size()) - 1;
}

void TListeMessages::Sauve(const QString& dossier) const {
    TextFile::write(resolveFileName(Messages::nomFichier(dossier)), m_lignes);
}

void TListeMessages::EcritFiche(const TMessage& carte) {
    for (int i = 0; i < TMessage::NbChamps; ++i) {
        const QString& champ = carte.champs[i];
        if (champ.contains(u'\t') || champ.contains(u'\r') || champ.contains(u'\n'))
            throw UserError(QStringLiteral("Le champ « %1 » ne peut contenir ni tabulation ni "
                                           "retour à la ligne")
                                .arg(Messages::Libelles[i]));
        if (const QString refus = Cp1252::refus(champ, QStringLiteral("le fichier des messages"));
            !refus.isEmpty())
            throw UserError(refus);
    }
    m_lignes[m_courant] = carte.ligne();
}

void TListeMessages::Precedent() {
    m_courant = std::max(0, m_courant - 1);
}

void TListeMessages::Suivant() {
    m_courant = std::min(nombre() - 1, m_courant + 1);
}

void TListeMessages::Ajout() {
    m_lignes.append(QStringLiteral(" "));
    m_courant = nombre() - 1;
}

void TListeMessages::Supprime() {
    m_lignes.removeAt(m_courant);
    if (m_lignes.isEmpty())
        m_lignes.append(QStringLiteral(" "));
    m_courant = std::min(m_courant, nombre() - 1);
}
