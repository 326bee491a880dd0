#include "core/banque/relevecsv.h"

#include "core/banque/textesreleve.h"
#include "core/common/usererror.h"
#include "core/store/lectureimport.h"

namespace {

[[noreturn]] void refuse(qsizetype ligne, const QString& pourquoi) {
    throw UserError(QStringLiteral("Ce fichier n'est pas un relevé CSV lisible : ligne %1, %2.")
                        .arg(ligne + 1)
                        .arg(pourquoi));
}

// The most columns a mapping names: far more than any bank writes.
constexpr int ColonnesMax = 64;

bool colonneValide(int colonne) {
    return colonne >= -1 && colonne < ColonnesMax;
}

} // namespace

QString TFormatCsv::incomplet() const {
    if (colonneDate < 0)
        return QStringLiteral("Indiquez la colonne de la date.");
    if (colonneLibelle < 0)
        return QStringLiteral("Indiquez la colonne du libellé.");
    if (colonneMontant < 0 && colonneDebit < 0 && colonneCredit < 0)
        return QStringLiteral("Indiquez la colonne du montant, ou celles du débit et du crédit.");
    return {};
}

QString TFormatCsv::texte() const {
    return QStringList{QString::number(separateur.unicode()),
                       QString::number(lignesEntete),
                       formatDate,
                       virguleDecimale ? QStringLiteral("1") : QStringLiteral("0"),
                       QString::number(colonneDate),
                       QString::number(colonneValeur),
                       QString::number(colonneLibelle),
                       QString::number(colonneMontant),
                       QString::number(colonneDebit),
                       QString::number(colonneCredit)}
        .join(u'|');
}

std::optional<TFormatCsv> TFormatCsv::depuisTexte(const QString& texte) {
    const QStringList champs = texte.split(u'|');
    if (champs.size() != 10)
        return std::nullopt;
    QList<int> nombres;
    for (int i : {0, 1, 3, 4, 5, 6, 7, 8, 9}) {
        bool ok = false;
        nombres.append(champs[i].toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    TFormatCsv f;
    f.separateur = QChar(char16_t(nombres[0]));
    f.lignesEntete = nombres[1];
    f.formatDate = champs[2];
    f.virguleDecimale = nombres[2] != 0;
    f.colonneDate = nombres[3];
    f.colonneValeur = nombres[4];
    f.colonneLibelle = nombres[5];
    f.colonneMontant = nombres[6];
    f.colonneDebit = nombres[7];
    f.colonneCredit = nombres[8];
    const bool valide = nombres[0] > 0 && nombres[0] < 0x10000 && f.lignesEntete >= 0 &&
                        f.lignesEntete < ColonnesMax && !f.formatDate.isEmpty();
    for (int c : {f.colonneDate, f.colonneValeur, f.colonneLibelle, f.colonneMontant,
                  f.colonneDebit, f.colonneCredit})
        if (!colonneValide(c))
            return std::nullopt;
    if (!valide)
        return std::nullopt;
    return f;
}

QStringList LignesCsv(const QByteArray& octets) {
    return Echange::lignes(octets);
}

QStringList CellulesCsv(const QString& ligne, QChar separateur) {
    QStringList cellules;
    QString cellule;
    bool entreGuillemets = false;
    for (qsizetype i = 0; i < ligne.size(); ++i) {
        const QChar c = ligne[i];
        if (entreGuillemets) {
            if (c == u'"' && i + 1 < ligne.size() && ligne[i + 1] == u'"') {
                cellule += u'"';
                ++i;
            } else if (c == u'"') {
                entreGuillemets = false;
            } else {
                cellule += c;
            }
        } else if (c == u'"') {
            entreGuillemets = true;
        } else if (c == separateur) {
            cellules.append(cellule.trimmed());
            cellule.clear();
        } else {
            cellule += c;
        }
    }
    cellules.append(cellule.trimmed());
    return cellules;
}

QChar SeparateurProbable(const QStringList& lignes) {
    QChar meilleur = u';';
    qsizetype plus = -1;
    for (const QChar s : {u';', u'\t', u','}) {
        qsizetype n = 0;
        for (qsizetype i = 0; i < qMin<qsizetype>(lignes.size(), 20); ++i)
            n += lignes[i].count(s);
        if (n > plus) {
            plus = n;
            meilleur = s;
        }
    }
    return meilleur;
}

TReleve LitReleveCsv(const QStringList& lignes, const TFormatCsv& format) {
    if (const QString manque = format.incomplet(); !manque.isEmpty())
        throw UserError(manque);
    const QChar decimale = format.virguleDecimale ? u',' : u'.';
    TReleve releve;
    for (qsizetype i = format.lignesEntete; i < lignes.size(); ++i) {
        if (lignes[i].trimmed().isEmpty())
            continue;
        const QStringList cellules = CellulesCsv(lignes[i], format.separateur);
        const auto cellule = [&](int colonne) { return cellules.value(colonne); };
        const auto date = [&](int colonne) {
            const std::optional<QDate> d = TextesReleve::date(cellule(colonne), format.formatDate);
            if (!d)
                refuse(i, QStringLiteral("la date \"%1\" ne se lit pas").arg(cellule(colonne)));
            return *d;
        };
        const auto montant = [&](int colonne) -> qint64 {
            const QString texte = cellule(colonne);
            if (colonne < 0 || texte.isEmpty())
                return 0;
            const std::optional<qint64> c = TextesReleve::centimes(texte, decimale);
            if (!c)
                refuse(i, QStringLiteral("le montant \"%1\" ne se lit pas").arg(texte));
            return *c;
        };
        TOperation o;
        o.date = date(format.colonneDate);
        o.valeur = format.colonneValeur >= 0 && !cellule(format.colonneValeur).isEmpty()
                       ? date(format.colonneValeur)
                       : o.date;
        o.libelle = cellule(format.colonneLibelle).simplified();
        if (format.colonneMontant >= 0) {
            if (cellule(format.colonneMontant).isEmpty())
                refuse(i, QStringLiteral("le montant manque"));
            o.centimes = montant(format.colonneMontant);
        } else {
            const qint64 debit = montant(format.colonneDebit);
            const qint64 credit = montant(format.colonneCredit);
            if (cellule(format.colonneDebit).isEmpty() && cellule(format.colonneCredit).isEmpty())
                refuse(i, QStringLiteral("le montant manque"));
            o.centimes = qAbs(credit) - qAbs(debit);
        }
        releve.append(o);
    }
    return releve;
}
