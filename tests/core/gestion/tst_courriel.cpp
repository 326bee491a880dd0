#include "gestionessai.h"

#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "core/gestion/courriel.h"
#include "core/gestion/quittancesdumois.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Essai;

namespace {

// Records what would have been started, and answers with `code`.
class LanceurEnregistreur : public Lanceur {
public:
    int lance(const QString& programme, const QStringList& arguments) override {
        lancements.append(QStringList{programme} + arguments);
        return code;
    }
    QList<QStringList> lancements;
    int code = 0;
};

// A receipt on the receipt page for a tenant whose "E.mail" is `adresse`.
void quittanceA(TFiche& fiche, const QString& adresse) {
    Champs a = locataire("10001", "Arnaud", "01/03/2024");
    a[Locataire::Email] = adresse;
    remplit(fiche, Base::Locataires, locataires({a}));
    fiche.NouvDocument(Base::Quittances);
}

QString messageDe(const std::function<void()>& action) {
    try {
        action();
    } catch (const UserError& e) {
        return e.message();
    }
    return {};
}

constexpr QFile::Permissions Prive = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;

} // namespace

class TestCourriel : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2027, 1, 10), QTime(9, 0))};

private slots:
    // The composer gets the tenant's address, a subject and body naming the receipt and its
    // month, and the receipt's PDF, which exists.
    void receiptCommandLine() {
        TFiche fiche;
        Champs a = locataire("10001", "Arnaud", "01/03/2024");
        a[Locataire::Email] = " paul.arnaud@exemple.fr ";
        remplit(fiche, Base::Locataires, locataires({a}));
        fiche.reglages().lignesProprio[0] = "Jeanne Roux";
        fiche.NouvDocument(Base::Quittances);
        TPageDocument& page = *fiche.pageDocument(Base::Quittances);
        page.saisitChamp(ChampDocument::Mois, "Janvier 2027");

        QTemporaryDir dir;
        LanceurEnregistreur lanceur;
        Lanceur::Substitution substitution(lanceur);
        EnvoieCourriel(CourrielDocument(fiche, Base::Quittances, dir.path()));

        const QString pdf = dir.filePath("Quittance de loyer 202701001.pdf");
        QCOMPARE(lanceur.lancements.size(), 1);
        QCOMPARE(lanceur.lancements[0],
                 (QStringList{"xdg-email", "--utf8", "--subject",
                              "Quittance de loyer n° 202701001 - Janvier 2027", "--body",
                              // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one body
                              "Bonjour,\n\nVeuillez trouver ci-joint votre quittance de loyer "
                              "n° 202701001 pour le mois de Janvier 2027.\n\nCordialement,\n"
                              "Jeanne Roux",
                              "--attach", pdf, "paul.arnaud@exemple.fr"}));
        QFile fichier(pdf);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray octets = fichier.readAll();
        QVERIFY(octets.startsWith("%PDF-"));
    }

    void tenantWithoutAddress() {
        TFiche fiche;
        remplit(fiche, Base::Locataires, locataires({locataire("10001", "Arnaud")}));
        fiche.NouvDocument(Base::Quittances);
        QTemporaryDir dir;
        LanceurEnregistreur lanceur;
        Lanceur::Substitution substitution(lanceur);
        try {
            CourrielDocument(fiche, Base::Quittances, dir.path());
            QFAIL("no message");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("Le locataire 10001 (Arnaud) n'a pas d'adresse e-mail"));
        }
        QVERIFY(lanceur.lancements.isEmpty());
    }

    // A receipt without a tenant number is not sent, and the message names nobody.
    void emptyReceipt() {
        TFiche fiche;
        fiche.AffichePage(Base::Quittances);
        fiche.pageDocument(Base::Quittances)->Cree();
        QTemporaryDir dir;
        LanceurEnregistreur lanceur;
        Lanceur::Substitution substitution(lanceur);
        QCOMPARE(messageDe([&] { CourrielDocument(fiche, Base::Quittances, dir.path()); }),
                 QString("Ce document n'a pas de N° locataire : il n'y a personne à qui "
                         "l'envoyer"));
        QVERIFY(lanceur.lancements.isEmpty());
    }

    // Only a plain address reaches the composer: nothing that the mail program could take as
    // an option or a query part.
    void plainAddressOnly_data() {
        QTest::addColumn<QString>("adresse");
        QTest::newRow("mailto and attach") << "mailto:loc@exemple.fr?attach=/etc/passwd";
        QTest::newRow("query part") << "loc@exemple.fr?attach=/etc/passwd";
        QTest::newRow("an option") << "--attach=/etc/passwd@exemple.fr";
        QTest::newRow("two addresses") << "loc@exemple.fr,autre@exemple.fr";
        QTest::newRow("a name") << "Paul <loc@exemple.fr>";
    }
    void plainAddressOnly() {
        QFETCH(QString, adresse);
        TFiche fiche;
        quittanceA(fiche, adresse);
        QTemporaryDir dir;
        LanceurEnregistreur lanceur;
        Lanceur::Substitution substitution(lanceur);
        QCOMPARE(messageDe([&] { CourrielDocument(fiche, Base::Quittances, dir.path()); }),
                 "Le locataire 10001 (Arnaud) : « " + adresse +
                     " » n'est pas une adresse e-mail simple (nom@domaine.fr)");
        QVERIFY(lanceur.lancements.isEmpty());
    }

    // Without a mail program the landlord is told so, and what to do.
    void noMailProgram_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("debut");
        QTest::newRow("xdg-email missing")
            << int(Lanceur::Introuvable)
            << "La messagerie n'a pas pu être ouverte : le programme xdg-email n'est pas "
               "installé. Installez le paquet xdg-utils";
        QTest::newRow("no mail program")
            << 3 << "Aucun programme de messagerie n'est installé ou choisi : installez-en un";
        QTest::newRow("another failure") << 4
                                         << "La messagerie n'a pas pu ouvrir le message "
                                            "(xdg-email a rendu le code 4)";
    }
    void noMailProgram() {
        QFETCH(int, code);
        QFETCH(QString, debut);
        TFiche fiche;
        quittanceA(fiche, "paul.arnaud@exemple.fr");
        QTemporaryDir dir;
        LanceurEnregistreur lanceur;
        lanceur.code = code;
        Lanceur::Substitution substitution(lanceur);
        const QString message = messageDe(
            [&] { EnvoieCourriel(CourrielDocument(fiche, Base::Quittances, dir.path())); });
        QVERIFY2(message.startsWith(debut), qPrintable(message));
        QVERIFY(message.endsWith("Quittance de loyer 202701001.pdf à paul.arnaud@exemple.fr."));
    }

    // The PDFs go into a folder of the user's own, which nobody else can read; the files of
    // former days are removed.
    void privateFolder() {
        QTemporaryDir racine;
        QVERIFY(QDir(racine.path()).mkdir("tarvinel-courriels"));
        const QString ancien = racine.filePath("tarvinel-courriels/Quittance de loyer 1.pdf");
        QFile vieux(ancien);
        QVERIFY(vieux.open(QIODevice::WriteOnly));
        vieux.setFileTime(QDateTime(QDate(2027, 1, 8), QTime(9, 0)),
                          QFileDevice::FileModificationTime);
        vieux.close();
        QFile::setPermissions(racine.filePath("tarvinel-courriels"),
                              Prive | QFile::ReadOther | QFile::ExeOther);

        const QString dossier = dossierCourriels(racine.path());
        QCOMPARE(QFileInfo(dossier).permissions(), Prive);
        QVERIFY(!QFile::exists(ancien));

        TFiche fiche;
        quittanceA(fiche, "paul.arnaud@exemple.fr");
        const TCourriel c = CourrielDocument(fiche, Base::Quittances, dossier);
        QCOMPARE(QFileInfo(c.piece).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }

    // A link in place of the folder is not followed.
    void linkRefused() {
        QTemporaryDir racine, ailleurs;
        QVERIFY(QFile::link(ailleurs.path(), racine.filePath("tarvinel-courriels")));
        QVERIFY(messageDe([&] { dossierCourriels(racine.path()); })
                    .endsWith("n'est pas un dossier à vous : les PDF à envoyer n'y seront pas "
                              "écrits"));
    }

    // The month's receipts open one composer at a time: each after the first once asked,
    // and a "no" stops there.
    void monthsMailsOneAtATime() {
        TFiche fiche;
        QList<Champs> fiches;
        for (int i = 1; i <= 4; ++i) {
            Champs c = locataire(QString::number(10000 + i), QString("Loc%1").arg(i), "01/03/2024");
            c[Locataire::Email] = QString("loc%1@exemple.fr").arg(i);
            fiches << c;
        }
        fiches[1][Locataire::Email] = QString();
        remplit(fiche, Base::Locataires, locataires(fiches));
        const TBilanMois bilan = QuittancesDuMois(fiche, "Janvier 2027", false);
        QCOMPARE(bilan.creees.size(), 4);
        QTemporaryDir dir;
        LanceurEnregistreur lanceur;
        Lanceur::Substitution substitution(lanceur);
        QStringList demandes;
        const QStringList refus =
            EnvoieQuittances(bilan, fiche.base(Base::Locataires), fiche.reglages(), dir.path(),
                             [&](qsizetype ouverts, qsizetype total, const QString& nom) {
                                 demandes << QString("%1/%2 %3").arg(ouverts).arg(total).arg(nom);
                                 return ouverts < 2;
                             });
        QCOMPARE(lanceur.lancements.size(), 2);
        QCOMPARE(lanceur.lancements[1].last(), QString("loc3@exemple.fr"));
        QCOMPARE(demandes, (QStringList{"1/4 Loc3", "2/4 Loc4"}));
        QCOMPARE(refus, (QStringList{"Le locataire 10002 (Loc2) n'a pas d'adresse e-mail",
                                     "Envoi arrêté : 1 quittance(s) non envoyée(s)"}));
    }

    // Without a mail program the first failure ends the run, instead of as many messages as
    // receipts.
    void monthsMailsWithoutMailProgram() {
        TFiche fiche;
        QList<Champs> fiches;
        for (int i = 1; i <= 3; ++i) {
            Champs c = locataire(QString::number(10000 + i), QString("Loc%1").arg(i), "01/03/2024");
            c[Locataire::Email] = QString("loc%1@exemple.fr").arg(i);
            fiches << c;
        }
        remplit(fiche, Base::Locataires, locataires(fiches));
        const TBilanMois bilan = QuittancesDuMois(fiche, "Janvier 2027", false);
        QTemporaryDir dir;
        LanceurEnregistreur lanceur;
        lanceur.code = 3;
        Lanceur::Substitution substitution(lanceur);
        const QStringList refus =
            EnvoieQuittances(bilan, fiche.base(Base::Locataires), fiche.reglages(), dir.path(),
                             [](qsizetype, qsizetype, const QString&) { return true; });
        QCOMPARE(lanceur.lancements.size(), 1);
        QCOMPARE(refus.size(), 2);
        QCOMPARE(refus[1], QString("3 quittance(s) non envoyée(s)"));
    }
};

QTEST_MAIN(TestCourriel)
#include "tst_courriel.moc"
