#include "core/app/actions.h"

#include <QSet>
#include <QTest>

class TstActions : public QObject {
    Q_OBJECT

private slots:
    // Entries from every menu and the toolbar, the keys, the hints and the captions that only
    // name a key among them.
    void definition_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<QKeySequence>("raccourci");
        QTest::addColumn<QString>("bulle");
        QTest::addColumn<int>("contexteAide");

        auto ligne = [](Action c, const char* libelle, const QKeySequence& raccourci,
                        const char* bulle, int contexte) {
            QTest::newRow(libelle) << int(c) << QString::fromUtf8(libelle) << raccourci
                                   << QString::fromUtf8(bulle) << contexte;
        };
        using C = Action;
        ligne(C::Nouveau, "&Nouveau", {}, nullptr, 3);
        ligne(C::Quitter, "&Quitter", QKeySequence(Qt::ALT | Qt::Key_X), nullptr, 3);
        ligne(C::ListeLocataires, "&Liste des locataires                    F2", {}, nullptr, 4);
        ligne(C::ChercherRecu, "Chercher reçu...", {}, nullptr, 4);
        ligne(C::Liste, "&Liste", QKeySequence(Qt::Key_F2), nullptr, 5);
        ligne(C::ListeRecus, "&Liste des &reçus             F2", {}, nullptr, 6);
        ligne(C::AchatSupprimerLigne, "Supprimer &ligne", {}, nullptr, 7);
        ligne(C::CommandesCodeFournisseur, "&Commande code fournisseur...", {}, nullptr, 8);
        ligne(C::Messages, "&Messages", {}, "Noter des messages", 9);
        ligne(C::JournalComptable, "&Journal comptable", {}, "Journal Achats/Ventes", 9);
        ligne(C::ParametresCommande, "&Commande", {}, "Paramètres commandes", 10);
        ligne(C::Comptes, "C&omptes", {}, "Comptes utilisés", 10);
        ligne(C::BlocNotes, "&Bloc notes", {}, nullptr, 11);
        ligne(C::APropos, "&A propos", {}, nullptr, 12);
        ligne(C::BoutonNouveau, "Nouveau dossier", {}, "Nouveau dossier", 0);
        ligne(C::BoutonImprimerEnveloppe, "Imprimer enveloppe", {}, "Imprimer enveloppe", 0);
    }
    void definition() {
        QFETCH(int, action);
        QFETCH(QString, libelle);
        QFETCH(QKeySequence, raccourci);
        QFETCH(QString, bulle);
        QFETCH(int, contexteAide);
        const TDefAction& d = ::definition(static_cast<Action>(action));
        QCOMPARE(QString::fromUtf8(d.libelle), libelle);
        QCOMPARE(d.raccourci(), raccourci);
        QCOMPARE(QString::fromUtf8(d.bulle), bulle);
        QCOMPARE(d.contexteAide, contexteAide);
    }

    // Every entry has a caption, and a key triggers one entry only: Qt runs neither of two
    // entries that share a key.
    void toutesLesLignes() {
        QSet<QKeySequence> touches;
        for (const TDefAction& d : definitions()) {
            QVERIFY2(d.libelle && *d.libelle, qPrintable(QString::number(int(d.action))));
            if (d.raccourci().isEmpty())
                continue;
            QVERIFY2(!touches.contains(d.raccourci()), d.libelle);
            touches.insert(d.raccourci());
        }
    }
};

QTEST_GUILESS_MAIN(TstActions)
#include "tst_actions.moc"
