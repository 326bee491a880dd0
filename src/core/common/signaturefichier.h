#pragma once

#include <QString>

// What tells that a file changed on disk without reading it: whether it is there, its size,
// the moment it was last written (to the nanosecond) and its place on the disk, which a file
// put in its stead by a rename does not share.
struct SignatureFichier {
    bool present = false;
    qint64 taille = 0;
    qint64 modification = 0;
    quint64 inode = 0;

    static SignatureFichier de(const QString& chemin);
    bool operator==(const SignatureFichier&) const = default;
};
