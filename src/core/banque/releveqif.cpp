#include "core/banque/releveqif.h"

#include "core/banque/textesreleve.h"
#include "core/common/usererror.h"
#include "core/store/lectureimport.h"

#include <QStringList>

namespace {

[[noreturn]] void refuse(qsizetype ligne, const QString& pourquoi) {
    throw UserError(QStringLiteral("Ce fichier n'est pas un relevé QIF lisible : ligne %1, %2.")
                        .arg(ligne + 1)
                        .arg(pourquoi));
}

// The record being read, from its first field to its "^".
struct TEnCours {
    TOperation operation;
    QString beneficiaire;
    QString memo;
    bool date = false;
    bool montant = false;
    qsizetype debut = -1;

    bool vide() const { return debut < 0; }
};

} // namespace

TReleve LitReleveQif(const QByteArray& octets) {
    const QStringList lignes = Echange::lignes(octets);
    TReleve releve;
    bool operations = false; // under a "!Type:" header
    bool entete = false;
    TEnCours enCours;
    const auto termine = [&] {
        if (enCours.vide())
            return;
        if (!enCours.date || !enCours.montant)
            refuse(enCours.debut, QStringLiteral("une opération sans date ou sans montant"));
        TOperation& o = enCours.operation;
        o.valeur = o.date;
        o.libelle = QStringList{enCours.beneficiaire, enCours.memo}.join(u' ').simplified();
        releve.append(o);
        enCours = {};
    };
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QString ligne = lignes[i].trimmed();
        if (ligne.isEmpty())
            continue;
        if (ligne.startsWith(u'!')) {
            if (!enCours.vide())
                refuse(enCours.debut, QStringLiteral("une opération sans \"^\" final"));
            operations = ligne.startsWith(QLatin1String("!Type:"), Qt::CaseInsensitive);
            entete = entete || operations;
            continue;
        }
        if (!entete)
            refuse(i, QStringLiteral("il manque l'en-tête \"!Type:\""));
        if (!operations)
            continue;
        const QChar code = ligne.front().toUpper();
        const QString valeur = ligne.mid(1).trimmed();
        if (code == u'^') {
            termine();
            continue;
        }
        if (enCours.vide())
            enCours.debut = i;
        if (code == u'D') {
            const std::optional<QDate> d = TextesReleve::dateFrancaise(valeur);
            if (!d)
                refuse(i, QStringLiteral("la date \"%1\" ne se lit pas").arg(valeur));
            enCours.operation.date = *d;
            enCours.date = true;
        } else if (code == u'T' || code == u'U') {
            const std::optional<qint64> c =
                TextesReleve::centimes(valeur, TextesReleve::decimaleDe(valeur));
            if (!c)
                refuse(i, QStringLiteral("le montant \"%1\" ne se lit pas").arg(valeur));
            enCours.operation.centimes = *c;
            enCours.montant = true;
        } else if (code == u'P') {
            enCours.beneficiaire = valeur;
        } else if (code == u'M') {
            enCours.memo = valeur;
        }
    }
    // The last "^" is often left out.
    termine();
    if (!entete)
        refuse(0, QStringLiteral("il manque l'en-tête \"!Type:\""));
    return releve;
}
