#include "core/common/signaturefichier.h"

#include <QFile>

#include <sys/stat.h>

namespace {

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

// The bytes of a file; empty when it cannot be read.
QByteArray octetsFichier(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return fichier.readAll();
}

} // namespace

SignatureFichier SignatureFichier::etat(const QString& chemin) {
    return etatDe(chemin);
}

bool SignatureFichier::decrit(const QString& chemin) const {
    const SignatureFichier maintenant = etatDe(chemin);
    if (maintenant.present != present)
        return false;
    if (!present || (maintenant.taille == taille && maintenant.modification == modification &&
                     maintenant.inode == inode))
        return true;
    return maintenant.taille == taille && octetsFichier(chemin) == octets;
}
