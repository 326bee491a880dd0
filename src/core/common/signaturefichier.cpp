#include "signaturefichier.h"

#include <QFile>

#include <sys/stat.h>

SignatureFichier SignatureFichier::de(const QString& chemin) {
    struct stat info;
    if (chemin.isEmpty() || ::stat(QFile::encodeName(chemin).constData(), &info) != 0)
        return {};
    return {true, qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + qint64(info.st_mtim.tv_nsec),
            quint64(info.st_ino)};
}
