#pragma once

#include <QFile>
#include <QString>
#include <QTest>

// Compares a text with its reference file under tests/fixtures. After a deliberate change,
// running the test with TARVINEL_REFERENCES=reecrire writes the reference anew, for a look
// at its diff before it is committed.
#define COMPARE_REFERENCE(texte, nom)                                                              \
    do {                                                                                           \
        QFile reference_(QStringLiteral(TARVINEL_FIXTURES "/") + (nom));                           \
        if (qgetenv("TARVINEL_REFERENCES") == "reecrire") {                                        \
            QVERIFY(reference_.open(QIODevice::WriteOnly | QIODevice::Truncate));                  \
            reference_.write((texte).toUtf8());                                                    \
            break;                                                                                 \
        }                                                                                          \
        QVERIFY2(reference_.open(QIODevice::ReadOnly), qPrintable(reference_.fileName()));         \
        QCOMPARE(texte, QString::fromUtf8(reference_.readAll()));                                  \
    } while (false)
