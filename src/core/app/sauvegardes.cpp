#include "core/app/sauvegardes.h"

#include "core/common/etapesfichiers.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "core/store/tlistebase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace Sauvegardes {

namespace {

const QString Format = QStringLiteral("yyyy-MM-dd HH.mm.ss");

QDir dossierDesCopies(const QString& principal) {
    return QDir(QFileInfo(principal).dir().filePath(QStringLiteral("Sauvegardes")));
}

QString radical(const QString& principal) {
    return QFileInfo(principal).completeBaseName();
}

// The copies' folders of a dossier with their dates and their rank among copies of the same
// second, oldest first.
struct Copie {
    QString dossier;
    QDateTime date;
    int rang;
};

// A copy being removed takes this name first, so that a removal stopped part-way never leaves
// a copy that lists.
QString enSuppression(const QString& copie) {
    return copie + u'~';
}

QList<Copie> copies(const QString& principal) {
    const QDir dir = dossierDesCopies(principal);
    const QString prefixe = radical(principal) + u' ';
    QList<Copie> trouvees;
    for (const QString& nom : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!nom.startsWith(prefixe, Qt::CaseInsensitive))
            continue;
        const QString suite = nom.mid(prefixe.size());
        const QDateTime date = QDateTime::fromString(suite.left(Format.size()), Format);
        if (!date.isValid())
            continue;
        const QString reste = suite.mid(Format.size());
        bool ok = reste.isEmpty();
        const int rang = ok ? 1 : reste.mid(1).toInt(&ok);
        if (ok && (reste.isEmpty() || reste.startsWith(u'-')))
            trouvees.append({dir.filePath(nom), date, rang});
    }
    std::sort(trouvees.begin(), trouvees.end(), [](const Copie& a, const Copie& b) {
        return a.date != b.date ? a.date < b.date : a.rang < b.rang;
    });
    return trouvees;
}

} // namespace

QString nouvelle(const QString& principal, const QDateTime& quand) {
    const QDir dir = dossierDesCopies(principal);
    const QString nom = radical(principal) + u' ' + quand.toString(Format);
    QString chemin = dir.filePath(nom);
    for (int rang = 2; QFileInfo::exists(chemin); ++rang)
        chemin = dir.filePath(nom + QStringLiteral("-%1").arg(rang));
    return chemin;
}

QString enCours(const QString& principal) {
    return dossierDesCopies(principal).filePath(radical(principal) + QStringLiteral(".copie~"));
}

std::array<QString, NbFichiers> fichiersCopie(const QString& dossier) {
    std::array<QString, NbFichiers> fichiers;
    const QString souche = dossier.chopped(qMin<qsizetype>(3, dossier.size()));
    for (int f = 0; f < NbFichiers; ++f)
        fichiers[f] = resolveFileName(souche + extensionFichier(f));
    return fichiers;
}

QString manquant(const QString& dossier) {
    const std::array<QString, NbFichiers> fichiers = fichiersCopie(dossier);
    for (int f = 0; f < NbBases; ++f)
        if (!TextFile::exists(fichiers[f]))
            return fichiers[f];
    return {};
}

QList<TSauvegarde> liste(const QString& principal) {
    QList<TSauvegarde> resultat;
    const QList<Copie> trouvees = copies(principal);
    for (auto copie = trouvees.rbegin(); copie != trouvees.rend(); ++copie) {
        TSauvegarde s;
        s.dossier = resolveFileName(QDir(copie->dossier).filePath(QFileInfo(principal).fileName()));
        s.date = copie->date;
        if (!manquant(s.dossier).isEmpty())
            continue;
        const std::array<QString, NbFichiers> fichiers = fichiersCopie(s.dossier);
        try {
            for (Base b : ToutesLesBases) {
                TListeBase base;
                base.load(fichiers[indexOf(b)]);
                s.fiches[indexOf(b)] = base.countBlocks();
            }
            for (int f = NbBases; f < NbFichiers; ++f)
                if (!TextFile::absent(fichiers[f]))
                    TListeBase::octetsFichier(fichiers[f]);
        } catch (const UserError&) {
            // A copy that cannot be read could not be restored either.
            continue;
        }
        resultat.append(s);
    }
    return resultat;
}

void elague(const QString& principal) {
    using EtapesFichiers::Etape;
    const QDir dir = dossierDesCopies(principal);
    const QString prefixe = radical(principal) + u' ';
    QStringList aSupprimer;
    // What a removal stopped part-way left, then the oldest copies beyond the last ones kept.
    for (const QString& nom : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (nom.startsWith(prefixe, Qt::CaseInsensitive) && nom.endsWith(u'~'))
            aSupprimer.append(dir.filePath(nom));
    const QList<Copie> trouvees = copies(principal);
    for (qsizetype i = 0; i + Gardees < trouvees.size(); ++i) {
        const QString nom = enSuppression(trouvees[i].dossier);
        if (EtapesFichiers::autorise(Etape::Renommage, nom) &&
            QDir().rename(trouvees[i].dossier, nom))
            aSupprimer.append(nom);
    }
    for (const QString& copie : std::as_const(aSupprimer)) {
        QDir d(copie);
        for (const QString& fichier : d.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (EtapesFichiers::autorise(Etape::Suppression, d.filePath(fichier)))
                QFile::remove(d.filePath(fichier));
        d.removeRecursively();
    }
}

QString resume(const TSauvegarde& sauvegarde) {
    static const char* const noms[NbBases] = {"locataire", "fournisseur", "lot", "quittance",
                                              "avis",      "commande",    "reçu"};
    QStringList parties;
    for (Base b : ToutesLesBases) {
        const int n = sauvegarde.fiches[indexOf(b)];
        QString nom = QString::fromUtf8(noms[indexOf(b)]);
        if (n > 1 && b != Base::Avis)
            nom += u's';
        parties.append(QStringLiteral("%1 %2").arg(n).arg(nom));
    }
    return parties.join(QStringLiteral(", "));
}

} // namespace Sauvegardes
