#pragma once

#include "core/common/usererror.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: a broken rule stops the run where it broke, so that libFuzzer
// keeps the input; a refusal is told apart from any other failure.

[[noreturn]] inline void rompue(const char* regle, const char* fichier, int ligne,
                                const QString& detail) {
    std::fprintf(stderr, "%s:%d: règle rompue : %s\n", fichier, ligne, regle);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toUtf8().constData());
    std::abort();
}

// EXIGE(condition) or EXIGE(condition, detail shown when it breaks).
#define EXIGE(condition, ...)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            rompue(#condition, __FILE__, __LINE__, QString(__VA_ARGS__));                          \
    } while (false)

// Runs `action`; true when the program refused it with its message (UserError). Any other
// exception goes on and ends the run.
template <typename Action> bool refuse(Action&& action) {
    try {
        action();
        return false;
    } catch (const UserError&) {
        return true;
    }
}

inline QByteArray octets(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
