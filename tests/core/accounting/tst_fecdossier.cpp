#include "../../../bench/dossiergen.h"
#include "core/accounting/fec.h"
#include "core/app/statistiquesfiche.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/documents/descriptiondocument.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The accounting entries file of a dossier filled to its last block, receipts out of date
// order and one in six never validated, as an accounting package would check it.
class TestFecDossier : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2027, 1, 15), QTime(9, 0))};

private slots:
    void fecDossierMaximal() {
        QTemporaryDir dir;
        TFiche fiche;
        fiche.Charge(writeDossier(dir.path(), 9999));
        fiche.Compte({"411000", "706000", "708000", "445710", "635000", "441000"});

        const TListeBase& base = fiche.base(Base::Quittances);
        const TDescriptionDocument& d = Documents::quittance();
        QSet<QString> validees;
        int nonValidees = 0;
        for (const TListeBase::Position& bloc : base.blocs()) {
            if (base.line(bloc.ligne + d.ligne(ChampDocument::Valide)) == QLatin1String("Y"))
                validees.insert(base.line(bloc.ligne + d.ligne(ChampDocument::Numero)).mid(4));
            else
                ++nonValidees;
        }
        QVERIFY(nonValidees > 0);

        const QStringList lignes = LignesFec(JournalFiche(fiche, {}), SeparateurFec::Barre);
        QCOMPARE(lignes.first(), ColonnesFec().join('|'));
        QSet<QString> pieces;
        QString date;
        int numero = 0;
        qint64 solde = 0;
        const auto centimes = [](const QString& m) { return qRound64(StrToFloat(m) * 100); };
        for (const QString& ligne : lignes.mid(1)) {
            const QStringList champs = ligne.split('|');
            QCOMPARE(champs.size(), 18);
            QVERIFY2(!champs[4].isEmpty(), qPrintable(ligne));
            QVERIFY2(champs[3] >= date, qPrintable(ligne));
            date = champs[3];
            const int n = champs[2].toInt();
            if (n != numero) {
                QCOMPARE(n, numero + 1);
                QCOMPARE(solde, 0);
                numero = n;
            }
            solde += centimes(champs[11]) - centimes(champs[12]);
            pieces.insert(champs[8]);
        }
        QCOMPARE(solde, 0);
        QCOMPARE(numero, int(validees.size()));
        QCOMPARE(pieces, validees);
    }
};

QTEST_GUILESS_MAIN(TestFecDossier)
#include "tst_fecdossier.moc"
