#include "core/accounting/fec.h"

#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <algorithm>
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

// The labels of the same accounts in the dialog where they are set.
const std::array<QString, 6> LibellesReglages = {
    QStringLiteral("Clients divers"), QStringLiteral("Revenus locatifs"),
    QStringLiteral("Charges"),        QStringLiteral("TVA"),
    QStringLiteral("Taxe"),           QStringLiteral("APL"),
};

// An account left empty, or as the dialog keeps an emptied field ("00000"), is no account.
bool compteManquant(const QString& compte) {
    const QString c = compte.trimmed();
    return std::all_of(c.cbegin(), c.cend(), [](QChar ch) { return ch == u'0'; });
}

// Every line needs its account; the message names those to set.
void verifieComptes(const QList<TLigneJournal>& lignes) {
    std::array<bool, 6> manquants{};
    for (const TLigneJournal& l : lignes)
        if (compteManquant(l.compte) && l.rangCompte >= 0 && l.rangCompte < int(manquants.size()))
            manquants[l.rangCompte] = true;
    QStringList noms;
    for (std::size_t i = 0; i < manquants.size(); ++i)
        if (manquants[i])
            noms << LibellesReglages[i];
    if (!noms.isEmpty())
        throw UserError(
            QStringLiteral("Le fichier des écritures comptables demande un numéro de compte sur "
                           "chaque ligne. Comptes à régler dans Paramètres, Comptes : %1")
                .arg(noms.join(QStringLiteral(", "))));
}

// The entries of the validated receipts, in date order, each keeping its lines together and
// the receipts of one day in journal order.
QList<TLigneJournal> ecritures(const QList<TLigneJournal>& lignes) {
    QList<TLigneJournal> retenues;
    for (const TLigneJournal& l : lignes)
        if (l.validee)
            retenues.append(l);
    std::stable_sort(
        retenues.begin(), retenues.end(),
        [](const TLigneJournal& a, const TLigneJournal& b) { return a.date < b.date; });
    return retenues;
}

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

QStringList LignesFec(const QList<TLigneJournal>& journal, SeparateurFec separateur) {
    const QList<TLigneJournal> lignes = ecritures(journal);
    verifieComptes(lignes);
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

qsizetype ExporteFec(const QString& path, const QList<TLigneJournal>& lignes,
                     SeparateurFec separateur) {
    const QStringList texte = LignesFec(lignes, separateur);
    TextFile::write(path, texte);
    return texte.size() - 1;
}
