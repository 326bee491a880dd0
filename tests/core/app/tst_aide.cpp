#include "core/app/actions.h"
#include "core/app/aide.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestAide : public QObject {
    Q_OBJECT

private slots:
    // Every page of the summary is shipped, titled as the summary lists it, and every link of
    // every page leads to a shipped page.
    void pages() {
        QSet<QString> fichiers;
        for (const Aide::TPageAide& page : Aide::pages())
            fichiers.insert(page.fichier);
        const QRegularExpression lien(QStringLiteral("href=\"([^\"#]+)\""));
        for (const Aide::TPageAide& page : Aide::pages()) {
            QFile f(Aide::Racine + u'/' + page.fichier);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(page.fichier));
            const QString html = QString::fromUtf8(f.readAll());
            QVERIFY2(html.contains(QStringLiteral("<title>") + page.titre + "</title>"),
                     qPrintable(page.fichier));
            for (const QRegularExpressionMatch& m : lien.globalMatch(html))
                QVERIFY2(fichiers.contains(m.captured(1)), qPrintable(m.captured(1)));
        }
    }

    // The help contexts of the menus, and the windows of the bases, each have their page.
    void contextes() {
        QStringList pages;
        for (int contexte = 3; contexte <= 12; ++contexte)
            pages << Aide::pageContexte(contexte);
        QCOMPARE(pages, QStringList({"fichier.html", "edition.html", "bases.html", "location.html",
                                     "achat.html", "selection.html", "outils.html",
                                     "parametres.html", "utilitaires.html", "aide.html"}));
        QCOMPARE(Aide::pageContexte(0), Aide::Sommaire);
        QCOMPARE(Aide::pageBase(Base::Recus), QStringLiteral("recu.html"));
        QCOMPARE(Aide::pageBase(Base::Commandes), QStringLiteral("achat.html"));
    }

    // Every entry of a menu is named on its menu's page, and every toolbar button on the main
    // window's: the caption without its access key, its key name or its ellipsis.
    void commandesNommees() {
        const QRegularExpression nomTouche(QStringLiteral("\\s{2,}.*$"));
        QStringList absentes;
        for (const TDefAction& d : definitions()) {
            QString libelle = QString::fromUtf8(d.libelle).remove(u'&');
            libelle.remove(nomTouche);
            if (libelle.endsWith(QStringLiteral("...")))
                libelle.chop(3);
            const QString page = d.contexteAide ? Aide::pageContexte(d.contexteAide)
                                                : QStringLiteral("fenetre.html");
            if (!Aide::texte(page).simplified().contains(libelle))
                absentes << page + QStringLiteral(" : ") + libelle;
        }
        QVERIFY2(absentes.isEmpty(), qPrintable(absentes.join(QStringLiteral(", "))));
    }

    void recherche_data() {
        QTest::addColumn<QString>("mots");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("trouvee");
        QTest::newRow("sans accents") << "recu genre"
                                      << "recu.html" << true;
        QTest::newRow("majuscules") << "QUITTANCE VALIDÉE"
                                    << "quittance.html" << true;
        QTest::newRow("tous les mots") << "quittance calculatrice"
                                       << "quittance.html" << false;
        QTest::newRow("ligne de commande") << "--reparer"
                                           << "lignecommande.html" << true;
    }
    void recherche() {
        QFETCH(QString, mots);
        QFETCH(QString, page);
        QFETCH(bool, trouvee);
        QCOMPARE(Aide::cherche(mots).contains(page), trouvee);
    }
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
