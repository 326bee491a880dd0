#include "core/app/verrou.h"

#include "core/common/usererror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

const QByteArray Entete = "TARVINEL VERROU";

TDetenteur nous() {
    return {QSysInfo::machineHostName(), QCoreApplication::applicationPid(),
            qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"))};
}

// The holder a lock file names; none when it cannot be read as one. A lock is a few short
// lines: no more of the file is read.
std::optional<TDetenteur> lis(const QString& fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return TDetenteur::lis(f.read(4096));
}

bool vivant(qint64 processus) {
    return processus > 0 && (::kill(pid_t(processus), 0) == 0 || errno == EPERM);
}

bool estNous(const TDetenteur& d) {
    const TDetenteur n = nous();
    return d.machine == n.machine && d.processus == n.processus;
}

// A lock no process holds any more: its process is gone from this machine, or the file is
// not a lock at all. A lock of another machine is never taken as stale: nothing tells here
// whether its process still runs.
bool perime(const std::optional<TDetenteur>& d) {
    return !d || (d->machine == nous().machine && !vivant(d->processus));
}

UserError nonEcrit(const QString& fichier) {
    return UserError(
        QStringLiteral("Impossible d'écrire le fichier %1 (disque plein ou accès refusé)")
            .arg(QDir::toNativeSeparators(fichier)));
}

// Creates the lock file whole, or nothing when one is there: written aside, then linked to
// its name, which fails when the name is taken.
bool cree(const QString& fichier) {
    const TDetenteur n = nous();
    const QString aside = fichier + QStringLiteral(".%1.tmp~").arg(n.processus);
    QFile f(aside);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw nonEcrit(fichier);
    const QByteArray texte = n.texte();
    const bool ecrit = f.write(texte) == texte.size() && f.flush();
    f.close();
    const bool lie = ecrit && ::link(QFile::encodeName(aside).constData(),
                                     QFile::encodeName(fichier).constData()) == 0;
    const int erreur = errno;
    QFile::remove(aside);
    if (!ecrit || (!lie && erreur != EEXIST))
        throw nonEcrit(fichier);
    return lie;
}

} // namespace

QByteArray TDetenteur::texte() const {
    return Entete + '\n' + machine.toUtf8() + '\n' + QByteArray::number(processus) + '\n' +
           utilisateur.toUtf8() + '\n';
}

std::optional<TDetenteur> TDetenteur::lis(const QByteArray& octets) {
    const QList<QByteArray> lignes = octets.split('\n');
    if (lignes.size() != 5 || lignes[0] != Entete || !lignes[4].isEmpty())
        return std::nullopt;
    bool ok = false;
    const TDetenteur d{QString::fromUtf8(lignes[1]), lignes[2].toLongLong(&ok),
                       QString::fromUtf8(lignes[3])};
    return ok ? std::optional<TDetenteur>(d) : std::nullopt;
}

QString TDetenteur::description() const {
    const QString qui =
        utilisateur.isEmpty() ? QString() : QStringLiteral("l'utilisateur %1, ").arg(utilisateur);
    return QStringLiteral("%1processus %2 sur la machine %3").arg(qui).arg(processus).arg(machine);
}

TVerrou::~TVerrou() {
    libere();
}

QString TVerrou::fichierDe(const QString& principal) {
    return QFileInfo(principal).absoluteFilePath() + QStringLiteral(".verrou");
}

std::optional<TDetenteur> TVerrou::detenteur(const QString& principal) {
    const QString fichier = fichierDe(principal);
    if (!QFileInfo::exists(fichier))
        return std::nullopt;
    const std::optional<TDetenteur> d = lis(fichier);
    if (perime(d) || estNous(*d))
        return std::nullopt;
    return d;
}

bool TVerrou::prend(const QString& chemin) {
    const QString principal = QFileInfo(chemin).absoluteFilePath();
    const QString fichier = fichierDe(principal);
    if (m_principal == principal && QFileInfo::exists(fichier))
        return true;
    for (int essai = 0; essai < 2; ++essai) {
        if (cree(fichier))
            break;
        const std::optional<TDetenteur> d = lis(fichier);
        if (!perime(d) && !estNous(*d))
            return false;
        // A stale lock, or one this process left: it is taken over.
        QFile::remove(fichier);
        if (essai == 1)
            return false;
    }
    if (m_principal != principal)
        libere();
    m_principal = principal;
    return true;
}

void TVerrou::libere() {
    if (m_principal.isEmpty())
        return;
    const QString fichier = fichierDe(m_principal);
    if (const std::optional<TDetenteur> d = lis(fichier); d && estNous(*d))
        QFile::remove(fichier);
    m_principal.clear();
}
