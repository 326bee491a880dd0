#include "../../common/fichiersessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/records/locataire.h"
#include "ui/gestion/tdialoguequittancesmois.h"
#include "ui/gestion/tfenetretableau.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QStringList locataire(int cle, const QString& numero, const QString& nom, const QString& sorti) {
    QStringList lignes{TListeBase::openingLine(cle)};
    for (int ligne = 1; ligne <= 26; ++ligne)
        lignes << (ligne == Locataire::Numero        ? numero
                   : ligne == Locataire::NomSoc      ? nom
                   : ligne == Locataire::Entre       ? QStringLiteral("01/03/2024")
                   : ligne == Locataire::Sorti       ? sorti
                   : ligne == Locataire::LoyerActuel ? QStringLiteral("   480,00")
                                                     : QString());
    return lignes << TListeBase::closingLine(cle);
}

int blocs(const QString& chemin) {
    return int(contenu(chemin).count("\r\n<BLOC") + contenu(chemin).startsWith("<BLOC"));
}

} // namespace

class TstQuittancesDuMoisFenetre : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2027, 1, 10), QTime(9, 0))};

private slots:
    // Through the menu: the month chosen and the receipts validated in the dialog, the summary
    // shown as its counts over a grid of one row a tenant, nothing on disk until "Enregistrer",
    // which writes one block per current tenant.
    void throughTheMenu() {
        QTemporaryDir dir;
        const QString loc = dir.filePath("essai.loc");
        {
            TFiche fiche;
            TListeBase& base = fiche.base(Base::Locataires);
            base.assign(locataire(0, "10001", "Arnaud", "  /  /    ") +
                        locataire(1, "10002", "Bertin", "31/12/2026") +
                        locataire(2, "10003", "Chevalier", "  /  /    "));
            fiche.SetSauve();
            fiche.Sauve(loc);
        }
        const QString qtc = dir.filePath("essai.qtc");
        QCOMPARE(blocs(qtc), 0);

        ScriptedQuestions questions;
        TMainForm form;
        questions.repondFichier(loc);
        form.action(Action::Ouvrir)->trigger();
        QVERIFY(form.action(Action::QuittancesDuMois)->isEnabled());

        QString titre;
        QTimer::singleShot(0, [&] {
            auto* dialogue =
                qobject_cast<TDialogueQuittancesMois*>(QApplication::activeModalWidget());
            QVERIFY(dialogue);
            titre = dialogue->windowTitle();
            auto* mois = dialogue->findChild<QComboBox*>();
            QCOMPARE(mois->accessibleName(), QString("Mois"));
            QCOMPARE(mois->currentText(), QString("Janvier 2027"));
            for (QCheckBox* c : dialogue->findChildren<QCheckBox*>())
                c->setChecked(c->text() == QStringLiteral("&Valider les quittances créées"));
            dialogue->accept();
        });
        QString entete;
        QStringList rangees;
        auto* attente = new QTimer(&form);
        attente->setInterval(10);
        connect(attente, &QTimer::timeout, [&] {
            auto* bilan = qobject_cast<TFenetreTableau*>(QApplication::activeModalWidget());
            if (!bilan)
                return;
            attente->stop();
            entete = bilan->entete()->isVisible() ? bilan->entete()->text() : QString();
            for (int r = 0; r < bilan->modele().rowCount(); ++r)
                rangees << bilan->modele().index(r, 0).data().toString() + ' ' +
                               bilan->modele().index(r, 3).data().toString();
            bilan->close();
        });
        attente->start();
        form.action(Action::QuittancesDuMois)->trigger();
        QCOMPARE(titre, QString("Quittances du mois"));
        QCOMPARE(entete, QString("Janvier 2027 : 2 quittance(s) créée(s), 0 locataire(s) "
                                 "ignoré(s)."));
        QCOMPARE(rangees, (QStringList{"10001 créée", "10003 créée"}));
        for (const QString& posee : questions.posees())
            QVERIFY(!posee.startsWith("Janvier 2027"));
        QCOMPARE(form.fiche().pageActive(), Base::Quittances);
        QCOMPARE(blocs(qtc), 0);

        form.action(Action::Enregistrer)->trigger();
        QCOMPARE(blocs(qtc), 2);
        QCOMPARE(contenu(qtc).count("\r\nY\r\n"), 2);
        QCOMPARE(contenu(loc).count("Loyer Janvier 2027"), 2);
        QVERIFY(questions.imprevues().isEmpty());
    }
};

QTEST_MAIN(TstQuittancesDuMoisFenetre)
#include "tst_quittancesdumoisfenetre.moc"
