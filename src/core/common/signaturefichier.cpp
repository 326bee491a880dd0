#include "core/common/signaturefichier.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

namespace {

constexpr auto Algorithme = QCryptographicHash::Sha256;

SignatureFichier etatDe(const QString& chemin) {
    struct stat info;
    if (chemin.isEmpty() || ::stat(QFile::encodeName(chemin).constData(), &info) != 0)
        return {};
    return {true,
            qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + qint64(info.st_mtim.tv_nsec),
            quint64(info.st_ino),
            {}};
}

// The digest of a file's bytes, read a piece at a time; empty when it cannot be read.
QByteArray empreinteFichier(const QString& chemin) {
    QFile fichier(chemin);
    QCryptographicHash hash(Algorithme);
    if (!fichier.open(QIODevice::ReadOnly) || !hash.addData(&fichier))
        return {};
    return hash.result();
}

} // namespace

SignatureFichier SignatureFichier::de(const QString& chemin) {
    SignatureFichier s = etatDe(chemin);
    if (s.present)
        s.empreinte = empreinteFichier(chemin);
    return s;
}

SignatureFichier SignatureFichier::etat(const QString& chemin) {
    return etatDe(chemin);
}

QByteArray SignatureFichier::empreinteDe(const QByteArray& octets) {
    return QCryptographicHash::hash(octets, Algorithme);
}

bool SignatureFichier::decrit(const QString& chemin) const {
    const SignatureFichier maintenant = etatDe(chemin);
    if (maintenant.present != present)
        return false;
    if (!present || (maintenant.taille == taille && maintenant.modification == modification &&
                     maintenant.inode == inode))
        return true;
    return maintenant.taille == taille && !empreinte.isEmpty() &&
           empreinteFichier(chemin) == empreinte;
}
