#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/records/locataire.h"
#include "core/records/tpageenregistrement.h"
#include "core/store/selections.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Six pixels a character: "12,50" is 30 pixels wide.
const TContextePage contexte;

QStringList blocLocataire(int key, const QString& numero, const QString& nom) {
    QStringList lines{TListeBase::openingLine(key), numero, nom};
    for (int ligne = 3; ligne <= 26; ++ligne)
        lines.append(ligne == 10 || ligne == 11 ? QStringLiteral("01/02/2003")
                                                : QStringLiteral("champ %1").arg(ligne));
    lines << "MEMOpremière ligne"
          << "DATA05/01/2001\tLoyer Janvier\t450,00" << TListeBase::closingLine(key);
    return lines;
}

} // namespace

class TestPageLocataire : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void emptyBaseShowsAnEmptyCard() {
        TListeBase base;
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        QCOMPARE(page.champ(Locataire::Numero), QString("10001"));
        QCOMPARE(page.champ(Locataire::NomSoc), QString());
        QCOMPARE(page.champ(Locataire::Entre), QString("  /  /    "));
        QCOMPARE(page.champ(Locataire::Sorti), QString("  /  /    "));
        QCOMPARE(page.champ(19), QString("  /  /    "));
        QCOMPARE(page.dateHistorique, QDate(2026, 12, 10));
        QVERIFY(!page.modifie());
    }

    void readingANewKeyClearsEveryField() {
        TListeBase base;
        base.assign(blocLocataire(0, "10004", "Dupré"));
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        QCOMPARE(page.champ(Locataire::NomSoc), QString("Dupré"));
        QCOMPARE(page.champ(Locataire::TotalDu), QString("champ 26"));
        QCOMPARE(page.lignesMemo(), QStringList({"première ligne"}));
        QCOMPARE(page.grille().cellule(0, 1), QString("Loyer Janvier"));
        QVERIFY(page.grille().cellule(0, 2).endsWith("450,00"));
        QVERIFY(page.grille().cellule(0, 2).startsWith(" "));

        base.allerA(1);
        page.lit();
        QCOMPARE(page.champ(Locataire::Numero), QString("10005"));
        for (int ligne = 2; ligne <= 26; ++ligne)
            if (ligne != 10 && ligne != 11 && ligne != 19 && ligne != 20)
                QVERIFY2(page.champ(ligne).isEmpty(), qPrintable(QString::number(ligne)));
        QCOMPARE(page.lignesMemo(), QStringList());
        QCOMPARE(page.grille().cellule(0, 1), QString());
    }

    void storeWritesTheBlockInLineOrder() {
        TListeBase base;
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        page.saisitChamp(Locataire::NomSoc, "Martin\r\nSA");
        page.saisitChamp(16, "450");
        page.quitteMontant(16);
        page.saisitMemo("ligne 1\n" + QString(300, u'x'));
        page.libelleHistorique = "Caution\tversée";
        page.montantHistorique = "800";
        page.ajouteHistorique();
        QVERIFY(page.ecrit());
        QVERIFY(!page.ecrit());
        QCOMPARE(base.nb(), 1);
        QCOMPARE(base.lineCount(), 1 + 26 + 3 + 1 + 1);
        QCOMPARE(base.line(1), QString("10001"));
        QCOMPARE(base.line(2), QString("Martin SA"));
        QCOMPARE(base.line(10), QString("  /  /    "));
        QCOMPARE(base.line(16).trimmed(), QString("450,00"));
        QVERIFY(base.line(16).startsWith(" "));
        QCOMPARE(base.line(27), QString("MEMOligne 1"));
        QCOMPARE(base.line(28), "MEMO" + QString(255, u'x'));
        QCOMPARE(base.line(29), "MEMO" + QString(45, u'x'));
        QVERIFY(base.line(30).startsWith("DATA10/12/2026\tCaution versée\t "));
        QCOMPARE(base.line(31), QString("</BLOC0000>"));

        page.lit();
        QCOMPARE(page.memo(), "ligne 1\n" + QString(255, u'x') + "\n" + QString(45, u'x'));
    }

    void amountFields_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("integer") << "1250"
                                 << "1250,00";
        QTest::newRow("rounded half away") << "2,675"
                                           << "2,68";
        QTest::newRow("blank") << "   "
                               << "";
        QTest::newRow("not a number") << ",,"
                                      << "error";
    }
    void amountFields() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TListeBase base;
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.saisitChamp(14, typed);
        try {
            page.quitteMontant(14);
            QCOMPARE(page.champ(14).trimmed(), shown);
            if (!shown.isEmpty())
                QCOMPARE(contexte.mesure(page.champ(14)), 6 * 14);
            page.entreMontant(14);
            QCOMPARE(page.champ(14), shown);
        } catch (const UserError& e) {
            QCOMPARE(shown, QString("error"));
            QCOMPARE(e.message(), QString("',,' n'est pas une valeur flottante correcte"));
            QCOMPARE(page.champ(14), typed);
        }
    }

    void historyEntry_data() {
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<QString>("montant");
        QTest::addColumn<bool>("added");
        QTest::newRow("both") << "Loyer"
                              << "450" << true;
        QTest::newRow("blank label") << "  "
                                     << "450" << false;
        QTest::newRow("blank amount") << "Loyer"
                                      << " " << false;
        QTest::newRow("label outside the code page") << "Łódź"
                                                     << "450" << false;
    }
    void historyEntry() {
        QFETCH(QString, libelle);
        QFETCH(QString, montant);
        QFETCH(bool, added);
        TListeBase base;
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.libelleHistorique = libelle;
        page.montantHistorique = montant;
        try {
            page.ajouteHistorique();
        } catch (const UserError&) {
            QVERIFY(!added);
        }
        QCOMPARE(page.grille().premiereLigneLibre(), added ? 1 : 0);
        QCOMPARE(page.modifie(), added);
        QCOMPARE(page.libelleHistorique.isEmpty(), added);
    }

    void historyFullAddsNothing() {
        TListeBase base;
        TPageEnregistrement page(Locataire::description(), base, contexte);
        for (int i = 0; i < 127; ++i)
            page.grille().setLigne(i, {"01/01/2001", "x", "1,00"});
        page.libelleHistorique = "Loyer";
        page.montantHistorique = "450";
        page.ajouteHistorique();
        QCOMPARE(page.libelleHistorique, QString("Loyer"));
        QCOMPARE(page.grille().cellule(126, 1), QString("x"));
    }

    void copierColler() {
        TListeBase base;
        base.assign(blocLocataire(0, "10004", "Dupré"));
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        page.Copier();
        base.allerA(1);
        page.lit();
        QSignalSpy relue(&page, &TPageEnregistrement::relue);
        page.Coller();
        QCOMPARE(relue.size(), 1);
        QVERIFY(page.modifie());
        QCOMPARE(page.champ(Locataire::Numero), QString("10005"));
        QCOMPARE(page.champ(Locataire::NomSoc), QString("Dupré"));
        QCOMPARE(page.champ(Locataire::Sorti), QString("01/02/2003"));
        QCOMPARE(page.champ(Locataire::NumLot), QString());
        QCOMPARE(page.champ(16), QString());
    }

    void lotList() {
        TListeBase lots;
        lots.assign({"<BLOC0000>", "30001", "Studio", "</BLOC0000>", "<BLOC0001>", "30002",
                     "Garage du bas", "</BLOC0001>"});
        QCOMPARE(Locataire::listeLots(lots), QStringList({"30001 Studio", "30002 Garage du bas"}));
        QVERIFY(!separeNumeroNom("12 rue").separe);
        QVERIFY(!separeNumeroNom("30002").separe);

        // A block's lines alone make its item: an empty block offers nothing, a block with a
        // number only offers that number.
        lots.assign({"<BLOC0000>", "</BLOC0000>", "<BLOC0001>", "30002", "</BLOC0001>",
                     "<BLOC0002>", "30003", "Cave", "</BLOC0002>"});
        QCOMPARE(Locataire::listeLots(lots), QStringList({"30002 ", "30003 Cave"}));

        TListeBase base;
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.saisitChamp(Locataire::NumLot, "30002 Garage du bas");
        page.quitteChoix(Locataire::NumLot);
        QCOMPARE(page.champ(Locataire::NumLot), QString("30002"));
        QCOMPARE(page.champ(Locataire::NomLot), QString("Garage du bas"));
    }

    // A date the block does not hold, or that a paste from an empty clipboard leaves, is the
    // blank picture: the tenant stays current.
    void missingDatesAreBlank() {
        TListeBase base;
        base.assign({"<BLOC0000>", "10004", "Dupré", "</BLOC0000>"});
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        QCOMPARE(page.champ(Locataire::Entre), ImageDateVide);
        QCOMPARE(page.champ(20), ImageDateVide);
        QCOMPARE(page.champ(Locataire::NomLot), QString());

        base.allerA(1);
        page.lit();
        page.Coller();
        QVERIFY(page.ecrit());
        const qsizetype at = base.find(1);
        QCOMPARE(base.line(at + Locataire::Entre), ImageDateVide);
        QCOMPARE(base.line(at + Locataire::Sorti), ImageDateVide);
        QVERIFY(estLocataireActuel(base.line(at + Locataire::Entre),
                                   base.line(at + Locataire::Sorti), QDate(2026, 12, 10)));
    }

    // Every store of the page ends the field being edited first: an amount reaches the block
    // formatted, a bad one stops the store with its message and the block stays as it was.
    void storeEndsTheEdit() {
        TListeBase base;
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        page.entreChamp(16);
        page.saisitChamp(16, "1250");
        QVERIFY(page.ecrit());
        QCOMPARE(base.line(16).trimmed(), QString("1250,00"));
        QVERIFY(base.line(16).startsWith(u' '));

        page.entreChamp(18);
        page.saisitChamp(18, ",,");
        QVERIFY_THROWS_EXCEPTION(UserError, page.ecrit());
        QVERIFY_THROWS_EXCEPTION(UserError, page.ecrit());
        QCOMPARE(base.line(18), QString());
        page.saisitChamp(18, "3");
        QVERIFY(page.ecrit());
        QCOMPARE(base.line(18).trimmed(), QString("3,00"));

        // An amount only formatted on leaving is an edit too.
        QStringList lignes = base.lines();
        lignes[17] = "12";
        base.assign(lignes);
        page.lit();
        page.entreChamp(17);
        page.quitteChamp(17);
        QVERIFY(page.ecrit());
        QCOMPARE(base.line(17).trimmed(), QString("12,00"));
    }

    // A text the files cannot hold never enters the page. A memo line is stored behind its
    // tag, so only the code page limits it.
    void refusedTexts_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("memoRefuse");
        QTest::newRow("closing line") << "</BLOC0001>" << false;
        QTest::newRow("opening line and text") << "<BLOC> société" << false;
        QTest::newRow("outside the code page") << "Łódź" << true;
    }
    void refusedTexts() {
        QFETCH(QString, texte);
        QFETCH(bool, memoRefuse);
        TListeBase base;
        base.assign(blocLocataire(0, "10004", "Dupré"));
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        QVERIFY_THROWS_EXCEPTION(UserError, page.saisitChamp(Locataire::NomSoc, texte));
        QCOMPARE(page.champ(Locataire::NomSoc), QString("Dupré"));
        QVERIFY(!page.modifie());
        if (memoRefuse) {
            QVERIFY_THROWS_EXCEPTION(UserError, page.saisitMemo("ligne\n" + texte));
            QCOMPARE(page.lignesMemo(), QStringList({"première ligne"}));
        } else {
            page.saisitMemo("ligne\n" + texte);
            QVERIFY(page.ecrit());
            page.lit();
            QCOMPARE(page.lignesMemo(), QStringList({"ligne", texte}));
        }
    }

    // "E.mail" takes a plain address or nothing, checked on leaving the field: any other text
    // is refused and the field gets back what it held.
    void emailField_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("garde");
        QTest::newRow("plain") << " paul.arnaud+loyer@exemple.fr "
                               << "paul.arnaud+loyer@exemple.fr";
        QTest::newRow("emptied") << "   "
                                 << "";
        QTest::newRow("query part") << "loc@exemple.fr?attach=/etc/passwd"
                                    << "ancien@exemple.fr";
        QTest::newRow("mailto") << "mailto:loc@exemple.fr"
                                << "ancien@exemple.fr";
        QTest::newRow("no domain") << "loc@"
                                   << "ancien@exemple.fr";
        QTest::newRow("an option") << "-loc@exemple.fr"
                                   << "ancien@exemple.fr";
    }
    void emailField() {
        QFETCH(QString, tape);
        QFETCH(QString, garde);
        QStringList bloc = blocLocataire(0, "10004", "Dupré");
        bloc[Locataire::Email] = "ancien@exemple.fr";
        TListeBase base;
        base.assign(bloc);
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        page.entreChamp(Locataire::Email);
        page.saisitChamp(Locataire::Email, tape);
        if (garde == "ancien@exemple.fr")
            QVERIFY_THROWS_EXCEPTION(UserError, page.quitteChamp(Locataire::Email));
        else
            page.quitteChamp(Locataire::Email);
        QCOMPARE(page.champ(Locataire::Email), garde);
        QVERIFY(page.ecrit());
        QCOMPARE(base.line(Locataire::Email), garde);
    }

    // However long the history, nothing of it is lost by reading and storing the card.
    void longHistoryKept() {
        TListeBase base;
        QStringList lignes = blocLocataire(0, "10004", "Dupré");
        for (int i = 0; i < 300; ++i)
            lignes.insert(lignes.size() - 1,
                          QStringLiteral("DATA01/01/2001\tLigne %1\t1,00").arg(i));
        for (int i = 0; i < 100; ++i)
            lignes.insert(lignes.size() - 1, QStringLiteral("MEMOnote %1").arg(i));
        base.assign(lignes);
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        QCOMPARE(page.lignesMemo().size(), 101);
        QCOMPARE(page.grille().cellule(300, 1), QString("Ligne 299"));
        page.saisitChamp(Locataire::NomSoc, "Dupont");
        QVERIFY(page.ecrit());
        page.lit();
        QCOMPARE(page.lignesMemo().size(), 101);
        QCOMPARE(page.grille().cellule(300, 1), QString("Ligne 299"));
    }

    void badNumberStillShowsTheRecord() {
        TListeBase base;
        base.assign(blocLocataire(0, "1O0", "Dupré"));
        TPageEnregistrement page(Locataire::description(), base, contexte);
        page.lit();
        QCOMPARE(page.champ(Locataire::NomSoc), QString("Dupré"));
        // The message comes when a new number is needed, not when a card is shown.
        base.allerA(1);
        page.lit();
        QCOMPARE(page.champ(Locataire::Numero), QString());
        QVERIFY_THROWS_EXCEPTION(UserError, page.Nouvelle());
    }
};

QTEST_GUILESS_MAIN(TestPageLocataire)
#include "tst_pagelocataire.moc"
