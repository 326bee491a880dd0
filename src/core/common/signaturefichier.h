#pragma once

#include <QByteArray>
#include <QString>

// What tells that a file changed on disk since it was read: whether it is there, its size, the
// moment it was last written (to the nanosecond), its place on the disk (which a file put in
// its stead by a rename does not share) and its bytes, compared only when the rest differs,
// so that a file touched but not changed is not taken as changed. The bytes are those the
// dossier holds already, shared rather than copied.
struct SignatureFichier {
    bool present = false;
    qint64 taille = 0;
    qint64 modification = 0;
    quint64 inode = 0;
    QByteArray octets;

    // The file as it is now, without its bytes: taken before they are read or written, then
    // given them, so that a change made meanwhile shows.
    static SignatureFichier etat(const QString& chemin);
    // Whether the file at `chemin` still holds what this signature was taken of.
    bool decrit(const QString& chemin) const;
};
