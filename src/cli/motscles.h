#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>

// The tables of the command line that name a kind by a word: entries with a `mot` member.

// The words of a table, in its order.
template <class T, std::size_t N> QStringList motsDe(const T (&table)[N]) {
    QStringList mots;
    for (const T& entree : table)
        mots << QString::fromLatin1(entree.mot);
    return mots;
}

// The entry named `mot`, or none.
template <class T, std::size_t N> const T* entreeDe(const T (&table)[N], const QString& mot) {
    for (const T& entree : table)
        if (mot == QLatin1String(entree.mot))
            return &entree;
    return nullptr;
}
