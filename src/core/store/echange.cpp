#include "core/store/echange.h"

#include "core/common/cp1252.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <QFileInfo>

#include <climits>

namespace {

// Whether a block holds nothing but its number: every other line empty or the empty value of
// its field, no memo, no history.
bool estVide(const TListeBase& base, qsizetype ouverture, const QStringList& modele) {
    const qsizetype fin = base.finContenu(ouverture);
    for (qsizetype i = ouverture + 2; i < fin; ++i) {
        const QString& ligne = base.line(i);
        const qsizetype champ = i - ouverture - 1;
        if (!ligne.isEmpty() && (champ >= modele.size() || ligne != modele[champ]))
            return false;
    }
    return true;
}

bool estBlanche(const QStringList& champs) {
    for (const QString& champ : champs)
        if (!champ.trimmed().isEmpty())
            return false;
    return true;
}

QString ouLigne(qsizetype numeroLigne) {
    return QStringLiteral(" (ligne %1 du fichier) : rien n'a été importé").arg(numeroLigne);
}

// A control character: C0, DEL and C1. Such a character is no text a person typed: a file that
// holds one is binary, or not in the encoding it was read in.
bool controle(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// Refuses, with its message, a line of the file holding a character that the dossier's code
// page has not, or a control character: the first would have to be changed to be stored, the
// second is no text. A TAB is a control character too, but where it separates the fields.
void verifieCaracteres(const QString& ligne, qsizetype numeroLigne, QChar separateur) {
    for (QChar c : ligne) {
        if (c == separateur || !controle(c.unicode()))
            continue;
        const QString code = QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        throw UserError(
            (c == u'\t' ? QStringLiteral("Le fichier contient une tabulation dans un champ")
                        : QStringLiteral("Le fichier contient le caractère de contrôle %1 : ce "
                                         "n'est pas un fichier texte")
                              .arg(code)) +
            ouLigne(numeroLigne));
    }
    if (const QString refus = Cp1252::refus(ligne, QStringLiteral("le dossier")); !refus.isEmpty())
        throw UserError(refus + ouLigne(numeroLigne));
}

// Refuses, with its message, a field that cannot be a line of a block.
void verifieChamp(const QString& champ, qsizetype numeroLigne) {
    try {
        TListeBase::verifieLigne(champ);
    } catch (const UserError& erreur) {
        throw UserError(erreur.message() + ouLigne(numeroLigne));
    }
}

} // namespace

namespace Echange {

QChar separateur(const QString& chemin) {
    const QString extension = QFileInfo(chemin).suffix().toLower();
    if (extension == QLatin1String("txt"))
        return u'\t';
    if (extension == QLatin1String("csv"))
        return u';';
    return QChar();
}

QString cheminExport(const QString& chemin) {
    return separateur(chemin).isNull() ? chemin + QStringLiteral(".txt") : chemin;
}

QStringList champs(const QString& ligne, QChar separateur) {
    return ligne.split(separateur);
}

TBilan importe(TListeBase& base, const QStringList& lignes, QChar separateur,
               const TDisposition& disposition, const TProgression& progression) {
    const QList<TListeBase::Position> blocs = base.blocs();
    const bool remplace =
        base.nb() == 1 && blocs.size() == 1 && estVide(base, blocs[0].ligne, disposition.modele);
    const int place = TListeBase::MaxBlocs - (remplace ? 0 : base.nb());
    qint64 numero = remplace ? TListeBase().nextNumber() : base.nextNumber();

    // Every record is made and checked before the base changes.
    TBilan bilan;
    QList<QStringList> fiches;
    for (qsizetype n = 0; n < lignes.size(); ++n) {
        const QStringList colonnes = champs(lignes[n], separateur);
        if (estBlanche(colonnes))
            continue;
        if (fiches.size() == place) {
            bilan.tronque = true;
            break;
        }
        verifieCaracteres(lignes[n], n + 1, separateur);
        // A number past the largest integer would not read back.
        if (numero > INT_MAX)
            throw UserError(
                QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(numero));
        QStringList fiche = disposition.modele;
        fiche[0] = QString::number(numero++);
        for (qsizetype c = 0; c < colonnes.size() && c < disposition.importees.size(); ++c) {
            verifieChamp(colonnes[c], n + 1);
            fiche[disposition.importees[c] - 1] = colonnes[c];
        }
        fiches.append(fiche);
    }
    if (fiches.isEmpty())
        return bilan;

    if (remplace) {
        base.clear();
    }
    for (const QStringList& fiche : std::as_const(fiches)) {
        base.store(base.nb(), fiche, TListeBase::Place::EnFin);
        ++bilan.importees;
        if (progression)
            progression(bilan.importees, fiches.size());
    }
    return bilan;
}

QStringList exporte(const TListeBase& base, QChar separateur, const TDisposition& disposition,
                    const TProgression& progression) {
    const QList<TListeBase::Position> blocs = base.blocs();
    QStringList lignes;
    lignes.reserve(blocs.size());
    QStringList colonnes;
    for (const TListeBase::Position& bloc : blocs) {
        colonnes.clear();
        for (int ligne : disposition.exportees)
            colonnes.append(base.champ(bloc.ligne, ligne));
        lignes.append(colonnes.join(separateur));
        if (progression)
            progression(lignes.size(), blocs.size());
    }
    return lignes;
}

} // namespace Echange
