#pragma once

#include "core/common/cp1252.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>

// Reference files: what a grid, an export or a print layout gives is compared with a file under
// tests/references. After a deliberate change, running the tests with
// TARVINEL_REECRIT_REFERENCES=1 writes every reference anew, for a look at their diff before
// they are committed.

namespace references {

// The lines of a reference as the diff shows them: UTF-8 text, or the Windows-1252 of the
// dossier's exports; a CR is shown, so that a change of line ends shows too.
inline QStringList lignes(const QByteArray& octets) {
    const QString texte = QString::fromUtf8(octets).contains(QChar::ReplacementCharacter)
                              ? Cp1252::decode(octets)
                              : QString::fromUtf8(octets);
    QStringList l = texte.split(u'\n');
    for (QString& ligne : l)
        ligne.replace(u'\r', QStringLiteral("\\r"));
    return l;
}

// The first differences between `attendu` and `obtenu` as a unified diff: hunks of three lines
// of context, each under its "@@ -line,count +line,count @@", at most `maximum` lines.
inline QString diff(const QStringList& attendu, const QStringList& obtenu, int maximum = 60) {
    // The longest common subsequence, from the ends, so that the walk goes forward.
    const qsizetype n = attendu.size(), m = obtenu.size();
    QList<QList<int>> lcs(n + 1, QList<int>(m + 1, 0));
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            lcs[i][j] = attendu[i] == obtenu[j] ? lcs[i + 1][j + 1] + 1
                                                : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    struct Pas {
        QChar signe;
        qsizetype a, o; // the line numbers, from 0, in each side
    };
    QList<Pas> pas;
    qsizetype i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && attendu[i] == obtenu[j])
            pas.append({u' ', i++, j++});
        else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1]))
            pas.append({u'-', i++, j});
        else
            pas.append({u'+', i, j++});
    }
    QStringList sortie;
    const qsizetype contexte = 3;
    qsizetype k = 0;
    while (k < pas.size() && sortie.size() < maximum) {
        while (k < pas.size() && pas[k].signe == u' ')
            ++k;
        if (k == pas.size())
            break;
        const qsizetype debut = std::max<qsizetype>(0, k - contexte);
        // A change fewer than twice the context lines after the last one joins its hunk.
        qsizetype fin = k;
        for (qsizetype p = k; p < pas.size() && p - fin < 2 * contexte; ++p)
            if (pas[p].signe != u' ')
                fin = p + 1;
        fin = std::min(pas.size(), fin + contexte);
        qsizetype nA = 0, nO = 0;
        QStringList bloc;
        for (qsizetype p = debut; p < fin; ++p) {
            const Pas& s = pas[p];
            nA += s.signe != u'+';
            nO += s.signe != u'-';
            bloc << QString(s.signe) + (s.signe == u'+' ? obtenu[s.o] : attendu[s.a]);
        }
        sortie << QStringLiteral("@@ -%1,%2 +%3,%4 @@")
                      .arg(pas[debut].a + 1)
                      .arg(nA)
                      .arg(pas[debut].o + 1)
                      .arg(nO);
        sortie << bloc;
        k = fin;
    }
    if (sortie.size() > maximum) {
        sortie.resize(maximum);
        sortie << QStringLiteral("...");
    }
    return sortie.join(u'\n');
}

// What is compared: bytes as they are, a text as UTF-8.
inline QByteArray octets(const QString& texte) {
    return texte.toUtf8();
}
inline QByteArray octets(const QByteArray& octets) {
    return octets;
}

// Empty when `obtenu` is the reference `nom`, or when the references are being written anew;
// else what to tell: the file and the diff from it.
inline QString ecart(const QByteArray& obtenu, const QString& nom) {
    const QString chemin = QStringLiteral(TARVINEL_REFERENCES "/") + nom;
    QFile reference(chemin);
    if (qgetenv("TARVINEL_REECRIT_REFERENCES") == "1") {
        QDir().mkpath(QFileInfo(chemin).path());
        if (!reference.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            reference.write(obtenu) != obtenu.size())
            return QStringLiteral("cannot write ") + chemin;
        return {};
    }
    if (!reference.open(QIODevice::ReadOnly))
        return QStringLiteral("no reference ") + chemin +
               QStringLiteral(" (TARVINEL_REECRIT_REFERENCES=1 writes it)");
    const QByteArray attendu = reference.readAll();
    if (attendu == obtenu)
        return {};
    return QStringLiteral("differs from ") + chemin + u'\n' + diff(lignes(attendu), lignes(obtenu));
}

} // namespace references

// Compares bytes, or a text as UTF-8, with the reference file `nom` under tests/references.
#define COMPARE_REFERENCE(obtenu, nom)                                                             \
    do {                                                                                           \
        const QString ecart_ = references::ecart(references::octets(obtenu), (nom));               \
        if (!ecart_.isEmpty())                                                                     \
            QFAIL(qPrintable(ecart_));                                                             \
    } while (false)
