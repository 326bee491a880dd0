#include "fec.h"

#include "common/textfile.h"

#include <array>
#include <utility>

namespace {

const QString LibelleVentes = QStringLiteral("Journal des ventes");

// The labels of the six accounts of the settings, in their order.
const std::array<QString, 6> LibellesComptes = {
    QStringLiteral("Clients"),
    QStringLiteral("Loyers"),
    QStringLiteral("Provisions pour charges"),
    QStringLiteral("TVA"),
    QStringLiteral("Taxe additionnelle"),
    QStringLiteral("Aide personnalisée au logement"),
};

// By the account's place, not its number: two places may share one number.
QString libelleCompte(const TLigneJournal& ligne) {
    return ligne.rangCompte >= 0 && ligne.rangCompte < int(LibellesComptes.size())
               ? LibellesComptes[ligne.rangCompte]
               : ligne.compte;
}

QString dateFec(const QDate& date) {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

QString montantFec(const QString& montant) {
    const QString m = montant.trimmed();
    return m.isEmpty() ? QStringLiteral("0,00") : m;
}

// A negative amount goes to the other side, as its opposite.
std::pair<QString, QString> cotes(const TLigneJournal& l) {
    const QString debit = l.debit.trimmed();
    const QString credit = l.credit.trimmed();
    if (debit.startsWith(u'-') && credit.isEmpty())
        return {QString(), debit.mid(1)};
    if (credit.startsWith(u'-') && debit.isEmpty())
        return {credit.mid(1), QString()};
    return {debit, credit};
}

QString champ(QString texte, QChar separateur) {
    for (QChar c : {separateur, QChar(u'\r'), QChar(u'\n')})
        texte.replace(c, u' ');
    return texte;
}

} // namespace

QChar caractereFec(SeparateurFec separateur) {
    return separateur == SeparateurFec::Barre ? QChar(u'|') : QChar(u'\t');
}

const QStringList& ColonnesFec() {
    static const QStringList colonnes = {
        QStringLiteral("JournalCode"),   QStringLiteral("JournalLib"),
        QStringLiteral("EcritureNum"),   QStringLiteral("EcritureDate"),
        QStringLiteral("CompteNum"),     QStringLiteral("CompteLib"),
        QStringLiteral("CompAuxNum"),    QStringLiteral("CompAuxLib"),
        QStringLiteral("PieceRef"),      QStringLiteral("PieceDate"),
        QStringLiteral("EcritureLib"),   QStringLiteral("Debit"),
        QStringLiteral("Credit"),        QStringLiteral("EcritureLet"),
        QStringLiteral("DateLet"),       QStringLiteral("ValidDate"),
        QStringLiteral("Montantdevise"), QStringLiteral("Idevise"),
    };
    return colonnes;
}

QStringList LignesFec(const QList<TLigneJournal>& lignes, SeparateurFec separateur) {
    const QChar sep = caractereFec(separateur);
    QStringList texte;
    texte.reserve(lignes.size() + 1);
    texte.append(ColonnesFec().join(sep));
    int numero = 0;
    int ecriture = 0;
    for (const TLigneJournal& l : lignes) {
        if (numero == 0 || l.ecriture != ecriture) {
            ecriture = l.ecriture;
            ++numero;
        }
        const QString date = dateFec(l.date);
        const auto [debit, credit] = cotes(l);
        QStringList champs{l.journal,
                           LibelleVentes,
                           QString::number(numero),
                           date,
                           l.compte,
                           libelleCompte(l),
                           QString(),
                           QString(),
                           l.piece,
                           date,
                           l.libelle,
                           montantFec(debit),
                           montantFec(credit),
                           QString(),
                           QString(),
                           date,
                           QString(),
                           QString()};
        for (QString& c : champs)
            c = champ(c, sep);
        texte.append(champs.join(sep));
    }
    return texte;
}

void ExporteFec(const QString& path, const QList<TLigneJournal>& lignes, SeparateurFec separateur) {
    TextFile::write(path, LignesFec(lignes, separateur));
}
