#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Replaces several files as one operation, so that a stop at any moment (a crash, a kill, a
// full disk) never leaves a mix of old and new files.
//
// Every new content is first written and synced beside its file. With a journal, the files
// about to be replaced are then linked into a copy folder built under a temporary name, the
// journal naming the files and the copy is written, and only then are the new files renamed
// over the old ones and the copy folder given its name. Until the journal is complete, nothing
// has changed; once it is, `recover` finishes what a stop left undone. A rename refused
// part-way is undone from the copy, and the error reported. The journal names every file
// relative to its own folder, so that it is finished whatever the current directory.
class AtomicFileSet {
public:
    void add(const QString& path, const QByteArray& content);
    // The renames simply follow one another (enough for one file).
    void commit();

    // Where a set with a journal keeps the files it replaces: a folder holding one file of
    // each name of the set (an empty one for a file that did not exist), built whole under
    // `temporary` and renamed `folder`. No copy is made when none of the files existed.
    struct Copy {
        QString folder;
        QString temporary;
    };
    // The set with its journal and its copy. Throws UserError, nothing replaced, when the copy
    // cannot be made.
    void commit(const QString& journal, const Copy& copy);

    // Finishes a set stopped after its journal was complete, or removes what a set stopped
    // before left beside `paths` and in `copyTemporary`. Run before the files are read or
    // written again.
    static void recover(const QString& journal, const QStringList& paths,
                        const QString& copyTemporary);

    static QString temporaryOf(const QString& path) { return path + QStringLiteral(".tmp~"); }

private:
    struct Entry {
        QString path;
        QByteArray content;
    };
    void writeTemporaries();
    QStringList takePaths();
    QList<Entry> m_files;
};
