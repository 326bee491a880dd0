#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/records/fournisseur.h"
#include "core/records/lot.h"
#include "core/records/tpageenregistrement.h"

#include <QTest>

namespace {

// Six pixels a character.
const TContextePage contexte;

const TDescriptionFiche& description(bool lots) {
    return lots ? Lot::description() : Fournisseur::description();
}

// A block of the card whose first field is `numero` and second `nom`, the others empty.
QStringList bloc(const TDescriptionFiche& d, int key, const QString& numero, const QString& nom,
                 const QStringList& tags = {}) {
    QStringList lignes{TListeBase::openingLine(key), numero, nom};
    for (int ligne = 3; ligne <= d.nbChamps(); ++ligne)
        lignes.append(QString());
    return lignes + tags + QStringList{TListeBase::closingLine(key)};
}

} // namespace

class TestPagesLotFournisseur : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    // The next number is one more than the largest, however far apart the numbers stand.
    void nextNumber_data() {
        QTest::addColumn<bool>("lots");
        QTest::addColumn<QStringList>("numeros");
        QTest::addColumn<QString>("propose");
        QTest::newRow("empty lot base") << true << QStringList() << "10001";
        QTest::newRow("lots far apart")
            << true << QStringList{"10001", "10007", "12000"} << "12001";
        QTest::newRow("lots out of order") << true << QStringList{"12000", "", "10001"} << "12001";
        QTest::newRow("first supplier") << false << QStringList() << "10001";
        QTest::newRow("suppliers far apart") << false << QStringList{"10050", "10001"} << "10051";
    }
    void nextNumber() {
        QFETCH(bool, lots);
        QFETCH(QStringList, numeros);
        QFETCH(QString, propose);
        const TDescriptionFiche& d = description(lots);
        TListeBase base;
        for (int k = 0; k < numeros.size(); ++k)
            base.assign(base.lines() + bloc(d, k, numeros[k], "x"));
        TPageEnregistrement page(d, base, contexte);
        base.allerA(base.nb());
        page.Nouvelle();
        QCOMPARE(page.champ(1), propose);
    }

    // The lot and supplier history amounts have no key filter: a comma amount is stored
    // formatted and right-aligned, a full stop is refused with the conversion message.
    void historyAmounts_data() {
        QTest::addColumn<bool>("lots");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("stocke");
        QTest::newRow("lot, comma") << true << "1234,5"
                                    << "1234,50";
        QTest::newRow("lot, full stop") << true << "1234.5" << QString();
        QTest::newRow("supplier, comma") << false << "12"
                                         << "12,00";
        QTest::newRow("supplier, full stop") << false << "0.5" << QString();
    }
    void historyAmounts() {
        QFETCH(bool, lots);
        QFETCH(QString, tape);
        QFETCH(QString, stocke);
        TListeBase base;
        TPageEnregistrement page(description(lots), base, contexte);
        page.lit();
        page.libelleHistorique = "Travaux";
        page.montantHistorique = tape;
        try {
            page.ajouteHistorique();
            QVERIFY(!stocke.isEmpty());
        } catch (const UserError& e) {
            QVERIFY(stocke.isEmpty());
            QCOMPARE(e.message(),
                     QStringLiteral("'%1' n'est pas une valeur flottante correcte").arg(tape));
            QCOMPARE(page.grille().premiereLigneLibre(), 0);
            return;
        }
        QVERIFY(page.ecrit());
        const QString data = base.line(base.lineCount() - 2);
        QVERIFY(data.startsWith("DATA10/12/2026\tTravaux\t "));
        QCOMPARE(data.section(u'\t', 2).trimmed(), stocke);
    }

    // A lot rewritten in the middle of its base keeps its place, its memo and its history,
    // followed directly by its closing line.
    void rewrittenLotStaysInPlace() {
        const TDescriptionFiche& d = Lot::description();
        TListeBase base;
        base.assign(
            bloc(d, 0, "10001", "Garage") +
            bloc(d, 1, "10002", "Studio", {"MEMOcave n° 4", "DATA01/01/2020\tAchat\t 90,00"}) +
            bloc(d, 2, "10003", "Boutique"));
        base.allerA(1);
        TPageEnregistrement page(d, base, contexte);
        page.lit();
        QCOMPARE(page.champ(Lot::Occupe), QString("N"));
        page.saisitChamp(Lot::Designation, "Studio rue Haute");
        page.saisitChamp(Lot::Occupe, "Y");
        QVERIFY(page.ecrit());
        const qsizetype at = base.find(1);
        QCOMPARE(at, qsizetype(d.nbChamps() + 2));
        QCOMPARE(base.line(at + 2), QString("Studio rue Haute"));
        QCOMPARE(base.line(at + Lot::Occupe), QString("Y"));
        QCOMPARE(base.line(at + 22), QString("MEMOcave n° 4"));
        QVERIFY(base.line(at + 23).startsWith("DATA01/01/2020\tAchat\t"));
        QCOMPARE(base.line(at + 24), QString("</BLOC0001>"));
        QCOMPARE(base.line(at + 25), QString("<BLOC0002>"));
    }

    // "Crédit maxi": formatted and right-aligned on leaving, the bare number on entering; an
    // empty amount stays empty.
    void supplierAmounts_data() {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("quitte");
        QTest::newRow("credit") << int(Fournisseur::CreditMaxi) << "12,5"
                                << "12,50";
        QTest::newRow("empty credit") << int(Fournisseur::CreditMaxi) << ""
                                      << "";
        QTest::newRow("owed") << int(Fournisseur::TotalDu) << "1000"
                              << "1000,00";
    }
    void supplierAmounts() {
        QFETCH(int, ligne);
        QFETCH(QString, tape);
        QFETCH(QString, quitte);
        TListeBase base;
        TPageEnregistrement page(Fournisseur::description(), base, contexte);
        page.lit();
        page.entreChamp(ligne);
        page.saisitChamp(ligne, tape);
        page.quitteChamp(ligne);
        QCOMPARE(page.champ(ligne).trimmed(), quitte);
        QCOMPARE(page.champ(ligne).isEmpty(), quitte.isEmpty());
        page.entreChamp(ligne);
        QCOMPARE(page.champ(ligne), quitte);
    }

    // Copier then Coller on a new card carries the identity fields, and the new number.
    void copyAndPaste_data() {
        QTest::addColumn<bool>("lots");
        QTest::addColumn<int>("copiee");
        QTest::addColumn<int>("gardee");
        QTest::newRow("lot: syndic copied, type kept") << true << 9 << int(Lot::Type);
        QTest::newRow("supplier: family copied, credit kept")
            << false << int(Fournisseur::Famille) << int(Fournisseur::CreditMaxi);
    }
    void copyAndPaste() {
        QFETCH(bool, lots);
        QFETCH(int, copiee);
        QFETCH(int, gardee);
        const TDescriptionFiche& d = description(lots);
        TListeBase base;
        base.assign(bloc(d, 0, "10004", "x"));
        TPageEnregistrement page(d, base, contexte);
        page.lit();
        page.saisitChamp(copiee, "copié");
        page.saisitChamp(gardee, "  12,00");
        page.Copier();
        base.allerA(1);
        page.Nouvelle();
        page.Coller();
        QCOMPARE(page.champ(1), QString("10005"));
        QCOMPARE(page.champ(copiee), QString("copié"));
        QCOMPARE(page.champ(gardee), QString());
    }

    // A supplier stored then read back shows what was typed, and the choice lists its card
    // always offers.
    void supplierRoundTrip() {
        TListeBase base;
        TPageEnregistrement page(Fournisseur::description(), base, contexte);
        page.lit();
        QCOMPARE(page.liste(Fournisseur::Risque),
                 QStringList({"Aucun", "Faible", "Moyen", "Elevé"}));
        page.saisitChamp(Fournisseur::NomSoc, "Plomberie Martin");
        page.saisitChamp(11, "contact@plomberie-martin.fr");
        page.saisitChamp(Fournisseur::Risque, "Faible");
        QVERIFY(page.ecrit());
        QCOMPARE(base.lineCount(), 24);
        page.lit();
        QCOMPARE(page.champ(1), QString("10001"));
        QCOMPARE(page.champ(11), QString("contact@plomberie-martin.fr"));
        QCOMPARE(page.champ(Fournisseur::Risque), QString("Faible"));
    }
};

QTEST_GUILESS_MAIN(TestPagesLotFournisseur)
#include "tst_pageslotfournisseur.moc"
