#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Replaces several files as one operation, so that a stop at any moment (a crash, a kill, a
// full disk) never leaves a mix of old and new files.
//
// Every new content is first written and synced beside its file. With a journal, the old files
// are then linked aside, the journal naming the files is written, and only then are the new
// files renamed over the old ones. Until the journal is complete, nothing has changed; once it
// is, `recover` finishes the renames that a stop left undone. A rename refused part-way is
// undone from the old files linked aside, and the error reported.
class AtomicFileSet {
public:
    void add(const QString& path, const QByteArray& content);
    // A text file given by its lines, encoded as they are written: the whole file is never
    // held in memory as bytes. A line that cannot be encoded fails the commit like a write.
    void addLines(const QString& path, const QStringList& lines);
    // Without a journal the renames simply follow one another (enough for one file). With
    // `archive`, the files replaced are moved into that folder once the set is in place.
    void commit(const QString& journal = {}, const QString& archive = {});

    // Finishes a set stopped after its journal was complete, or removes what a set stopped
    // before left beside `paths`. Run before the files are read or written again.
    static void recover(const QString& journal, const QStringList& paths);

    static QString temporaryOf(const QString& path) { return path + QStringLiteral(".tmp~"); }
    static QString oldOf(const QString& path) { return path + QStringLiteral(".old~"); }

private:
    struct Entry {
        QString path;
        QByteArray content;
        QStringList lines;
        bool encode = false;
    };
    void writeTemporaries();
    QList<Entry> m_files;
};
