#include "gestionessai.h"

#include "common/clock.h"
#include "documents/tpagedocument.h"
#include "gestion/courriel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Essai;

namespace {

// Records what would have been started.
class LanceurEnregistreur : public Lanceur {
public:
    bool lance(const QString& programme, const QStringList& arguments) override {
        lancements.append(QStringList{programme} + arguments);
        return true;
    }
    QList<QStringList> lancements;
};

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
};

QTEST_MAIN(TestCourriel)
#include "tst_courriel.moc"
