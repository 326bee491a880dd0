#include "core/app/testselection.h"
#include "core/store/navigation.h"
#include "core/store/saisies.h"

#include <QTest>

namespace {

// Blocks whose line 5 (postal code) is "75005" for the keys in `matching`, "69001" otherwise,
// laid out in the list in the order given.
TListeBase baseDe(const QList<int>& order, const QList<int>& matching) {
    QStringList lignes;
    for (int key : order) {
        lignes.append(TListeBase::openingLine(key));
        for (int line = 1; line <= 4; ++line)
            lignes.append(QString());
        lignes.append(matching.contains(key) ? "75005" : "69001");
        lignes.append(TListeBase::closingLine(key));
    }
    TListeBase base;
    base.assign(lignes);
    return base;
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void selectionMoves_data() {
        QTest::addColumn<QList<int>>("matching");
        QTest::addColumn<int>("courant");
        QTest::addColumn<int>("premier");
        QTest::addColumn<int>("precedent");
        QTest::addColumn<int>("suivant");
        QTest::addColumn<int>("dernier");
        QTest::newRow("middle") << QList<int>{0, 3, 7} << 3 << 0 << 0 << 7 << 7;
        QTest::newRow("on the last") << QList<int>{0, 3, 7} << 7 << 0 << 3 << 7 << 7;
        QTest::newRow("on the first") << QList<int>{0, 3, 7} << 0 << 0 << 0 << 3 << 7;
        QTest::newRow("between matches") << QList<int>{2, 6} << 4 << 2 << 2 << 6 << 6;
        QTest::newRow("none") << QList<int>{} << 5 << 5 << 5 << 5 << 5;
    }
    void selectionMoves() {
        QFETCH(QList<int>, matching);
        QFETCH(int, courant);
        QFETCH(int, premier);
        QFETCH(int, precedent);
        QFETCH(int, suivant);
        QFETCH(int, dernier);
        TSelections selections;
        selections.modeSelLoc = 2;
        selections.cpSel = "75005";
        const TTestBloc test = testSelection(Base::Locataires, selections, QDate(2026, 1, 1));
        QVERIFY(test);
        // The list order must not matter: only keys are compared.
        const TListeBase base = baseDe({7, 2, 9, 0, 5, 3, 1, 8, 4, 6}, matching);
        QCOMPARE(cleSelection(Mouvement::Premier, courant, base, test), premier);
        QCOMPARE(cleSelection(Mouvement::Precedent, courant, base, test), precedent);
        QCOMPARE(cleSelection(Mouvement::Suivant, courant, base, test), suivant);
        QCOMPARE(cleSelection(Mouvement::Dernier, courant, base, test), dernier);
    }

    void unrestrictedMoves() {
        QCOMPARE(cleLibre(Mouvement::Precedent, 0, 5), 0);
        QCOMPARE(cleLibre(Mouvement::Suivant, 4, 5), 4);
        QCOMPARE(cleLibre(Mouvement::Suivant, 2, 5), 3);
        QCOMPARE(cleLibre(Mouvement::Dernier, 2, 5), 4);
        QCOMPARE(cleLibre(Mouvement::Suivant, 0, 0), 0);
        QCOMPARE(cleLibre(Mouvement::Dernier, 0, 0), 0);
    }

    void currentTenant_data() {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<bool>("actuel");
        QTest::newRow("blank entry and exit") << "  /  /    "
                                              << "  /  /    " << true;
        QTest::newRow("exit yesterday") << "01/01/2020"
                                        << "09/12/2026" << false;
        QTest::newRow("exit today") << "01/01/2020"
                                    << "10/12/2026" << true;
        QTest::newRow("entry tomorrow") << "11/12/2026"
                                        << "  /  /    " << false;
        QTest::newRow("entry today") << "10/12/2026"
                                     << "  /  /    " << true;
        QTest::newRow("entry years ago") << "15/06/1999"
                                         << "  /  /    " << true;
        // Texts that are no whole date compare by what their pieces give, as they always did.
        QTest::newRow("empty entry") << ""
                                     << "  /  /    " << true;
        QTest::newRow("exit without its year") << "01/01/2020"
                                               << "31/12" << false;
    }
    void currentTenant() {
        QFETCH(QString, entree);
        QFETCH(QString, sortie);
        QFETCH(bool, actuel);
        QCOMPARE(estLocataireActuel(entree, sortie, QDate(2026, 12, 10)), actuel);
    }

    void selectionTests() {
        TSelections s;
        QVERIFY(!testSelection(Base::Locataires, s, {}));
        QVERIFY(!testSelection(Base::Commandes, s, {}));
        s.modeSelLoc = 3;
        s.villeSel = "SAINT-ÉTIENNE";
        TListeBase base;
        base.assign({"<BLOC0000>", "", "", "", "", "", "saint-Étienne", "</BLOC0000>"});
        QVERIFY(testSelection(Base::Locataires, s, {})(base, 0));
        s.villeSel = "SAINT-éTIENNE";
        QVERIFY(!testSelection(Base::Locataires, s, {})(base, 0));
        s.modeSelLot = 4;
        QVERIFY(testSelection(Base::Lots, s, {})(base, 0));
        QCOMPARE(majusculesAscii("rue de l'église"), QString("RUE DE L'éGLISE"));
    }

    void selectionEntries() {
        TSelections s;
        auto demande = demandeSelection(Base::Fournisseurs, 2, s);
        QVERIFY(demande);
        QCOMPARE(demande->saisie, &Saisies::TFcp());
        SetSel(s, Base::Fournisseurs, 2, QString("75005"));
        QCOMPARE(s.modeSelFour, 2);
        demande = demandeSelection(Base::Locataires, 2, s);
        QCOMPARE(demande->initial, QString("75005"));
        SetSel(s, Base::Locataires, 3, std::nullopt);
        QCOMPARE(s.modeSelLoc, 3);
        QCOMPARE(s.villeSel, QString());
        QCOMPARE(demandeSelection(Base::Locataires, 3, s)->saisie, &Saisies::TVille());
        QVERIFY(!demandeSelection(Base::Locataires, 4, s));
        SetSel(s, Base::Locataires, 1, std::nullopt);
        QCOMPARE(s.modeSelLoc, 1);
        QCOMPARE(s.modeSelFour, 2);
        QCOMPARE(s.cpSel, QString("75005"));
    }

    // The receipt and notice selections ask the tenant number, offering the one on screen,
    // which a cancelled box keeps.
    void tenantNumberSelections_data() {
        QTest::addColumn<Base>("base");
        QTest::addColumn<QString>("titre");
        QTest::newRow("receipts") << Base::Quittances << "Sélectionner Quittances";
        QTest::newRow("notices") << Base::Avis << "Sélectionner avis d'échéance";
    }
    void tenantNumberSelections() {
        QFETCH(Base, base);
        QFETCH(QString, titre);
        TSelections s;
        QVERIFY(!demandeSelection(base, 1, s, "10004"));
        const auto demande = demandeSelection(base, 2, s, "10004");
        QVERIFY(demande);
        QCOMPARE(demande->saisie->titre, titre);
        QCOMPARE(demande->saisie->libelle, QString("N° locataire"));
        QCOMPARE(demande->initial, QString("10004"));
        SetSel(s, base, 2, demande->reponse(std::nullopt));
        QCOMPARE(s.numLocSel, QString("10004"));
        SetSel(s, base, 2, demande->reponse(QString("10007")));
        QCOMPARE(s.numLocSel, QString("10007"));
        QCOMPARE(base == Base::Quittances ? s.modeSelQtc : s.modeSelEch, 2);
        QVERIFY(!Saisies::TVille().accepte(QChar(0x141)));
    }

    void entryDialogs() {
        QVERIFY(Saisies::TFcp().accepte(u'7'));
        QVERIFY(Saisies::TFcp().accepte(QChar(8)));
        QVERIFY(!Saisies::TFcp().accepte(u'A'));
        QVERIFY(Saisies::TRTel().accepte(u'.'));
        QVERIFY(!Saisies::TRTel().accepte(u'-'));
        QVERIFY(Saisies::TVille().accepte(u'é'));
        QCOMPARE(Saisies::TVille().resultat("saint-étienne"), QString("SAINT-éTIENNE"));
        QCOMPARE(Saisies::TFcp().resultat("75005"), QString("75005"));
    }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
