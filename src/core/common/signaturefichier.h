#pragma once

#include <QByteArray>
#include <QString>

// What tells that a file changed on disk since it was read: whether it is there, its size, the
// moment it was last written (to the nanosecond), its place on the disk (which a file put in
// its stead by a rename does not share) and a digest of its bytes, looked at only when the
// rest differs, so that a file touched but not changed is not taken as changed.
struct SignatureFichier {
    bool present = false;
    qint64 taille = 0;
    qint64 modification = 0;
    quint64 inode = 0;
    QByteArray empreinte;

    // The file as it is now, its digest made from its bytes on disk.
    static SignatureFichier de(const QString& chemin);
    // The file as it is now, without its digest: taken before its bytes are read, then given
    // the digest of what was read (empreinteDe), so that a change made while it is read shows.
    static SignatureFichier etat(const QString& chemin);
    static QByteArray empreinteDe(const QByteArray& octets);
    // Whether the file at `chemin` still holds what this signature was taken of.
    bool decrit(const QString& chemin) const;
};
