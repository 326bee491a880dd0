#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// The bytes of a file as the disk holds them; "<absent>" when there is none.
inline QByteArray contenu(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// A file of `taille` bytes that takes no room on the disk: a file too large to be read.
inline bool fichierCreux(const QString& path, qint64 taille) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.resize(taille);
}

// Copies the small Windows-1252 dossier of the fixtures into `dir`; the path of its main file.
inline QString copieFixture(const QTemporaryDir& dir) {
    const QDir fixture(QStringLiteral(TARVINEL_FIXTURES "/accents"));
    for (const QString& name : fixture.entryList(QDir::Files))
        QFile::copy(fixture.filePath(name), dir.filePath(name));
    return dir.filePath(QStringLiteral("DUPONT.LOC"));
}
