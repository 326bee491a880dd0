#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Whole-file text in Windows-1252. Reading accepts CR LF, CR or LF line ends; writing ends
// every line with CR LF.
namespace TextFile {

bool exists(const QString& path);
QStringList read(const QString& path);
QStringList splitLines(const QString& text);
QByteArray encodeLines(const QStringList& lines, const QString& pathForMessages);
void write(const QString& path, const QStringList& lines);

} // namespace TextFile

// Replaces several files as one operation: every new content is first written beside its
// file, and only when all of them are on disk are they renamed over the old files. A failure
// before the renames leaves every old file as it was.
class AtomicFileSet {
public:
    void add(const QString& path, const QByteArray& content);
    // A text file given by its lines, encoded as they are written: the whole file is never
    // held in memory as bytes. A line that cannot be encoded fails the commit like a write.
    void addLines(const QString& path, const QStringList& lines);
    void commit();

private:
    struct Entry {
        QString path;
        QByteArray content;
        QStringList lines;
        bool encode = false;
    };
    QList<Entry> m_files;
};

// The path of an existing file whose name differs only by letter case from `path`'s, or
// `path` itself when there is none: file names are matched without regard to case.
QString resolveFileName(const QString& path);
