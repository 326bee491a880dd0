#include "../../common/fichiersessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "core/records/locataire.h"
#include "ui/charges/tdialoguechargesreelles.h"
#include "ui/charges/tdialogueregularisation.h"
#include "ui/charges/tdialoguesolde.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QProcess>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A tenant of lot 1 since 1 July 2025, 900,00 of deposit, with one validated receipt of 2025
// holding 240,00 of provisions.
QString dossier(const QTemporaryDir& dir) {
    TFiche fiche;
    QStringList locataire{TListeBase::openingLine(0)};
    for (int ligne = 1; ligne <= 26; ++ligne)
        locataire << (ligne == Locataire::Numero    ? QStringLiteral("10001")
                      : ligne == Locataire::NomSoc  ? QStringLiteral("Arnaud")
                      : ligne == Locataire::Entre   ? QStringLiteral("01/07/2025")
                      : ligne == Locataire::NumLot  ? QStringLiteral("1 Studio")
                      : ligne == Locataire::Caution ? QStringLiteral("   900,00")
                                                    : QString());
    fiche.base(Base::Locataires).assign(locataire << TListeBase::closingLine(0));
    QStringList lot{TListeBase::openingLine(0), "1", "Studio"};
    for (int ligne = 3; ligne <= 21; ++ligne)
        lot << QString();
    fiche.base(Base::Lots).assign(lot << TListeBase::closingLine(0));
    fiche.base(Base::Quittances)
        .assign({TListeBase::openingLine(0), "NUMQ202508001", "05/08/2025", "10001", "Chèque",
                 "Août 2025", "01/08/2025", "31/08/2025", "Arnaud", "", "", "", "Y",
                 "QUITLoyer mensuel\t500,00", "QUITProvision pour charges\t240,00",
                 TListeBase::closingLine(0)});
    fiche.SetSauve();
    const QString chemin = dir.filePath("essai.loc");
    fiche.Sauve(chemin);
    return chemin;
}

QString pdfTexte(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Runs `action` on the dialog of type T that the command opens, then closes it.
template <class T> void dansLeDialogue(QAction* commande, const std::function<void(T&)>& action) {
    bool vu = false;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(dialogue);
        vu = true;
        action(*dialogue);
        dialogue->reject();
    });
    commande->trigger();
    QVERIFY(vu);
}

} // namespace

class TstChargesFenetres : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 2, 10), QTime(9, 0))};

private slots:
    // The real charges typed for the lot, the settlement of the year run, its statement written
    // to PDF, its balance carried to the tenant's next receipt; then the tenant's departure
    // settled and written to PDF.
    void asAPersonWould() {
        QTemporaryDir dir;
        const QString loc = dossier(dir);
        ScriptedQuestions questions;
        TMainForm form;
        questions.repondFichier(loc);
        form.action(Action::Ouvrir)->trigger();

        dansLeDialogue<TDialogueChargesReelles>(
            form.action(Action::ChargesReelles), [](TDialogueChargesReelles& d) {
                QCOMPARE(d.lot()->currentText(), QString("1 Studio"));
                QCOMPARE(d.annee()->value(), 2025);
                QCOMPARE(d.grille()->item(0, 0)->text(), QString("Eau"));
                d.grille()->item(0, 1)->setText("365,00");
                QVERIFY(d.Enregistre());
            });

        const QString decompte = dir.filePath("decompte.pdf");
        dansLeDialogue<TDialogueRegularisation>(
            form.action(Action::RegularisationCharges), [&](TDialogueRegularisation& d) {
                QCOMPARE(d.vue()->model()->rowCount(), 1);
                QCOMPARE(d.vue()->model()->index(0, 8).data().toString(), QString("-56,00"));
                questions.repondFichier(decompte);
                d.Pdf();
                d.vue()->selectRow(0);
                d.Reporte();
            });
        const QString texte = pdfTexte(decompte);
        QVERIFY2(texte.contains("Décompte de charges"), qPrintable(texte));
        QVERIFY(texte.contains("Période du 01/07/2025 au 31/12/2025, soit 184 jours sur 365"));
        QVERIFY(texte.contains("Solde à rembourser au locataire"));
        QVERIFY(texte.contains("56,00 €"));

        const TPageDocument* quittance = form.fiche().pageDocument(Base::Quittances);
        QCOMPARE(form.fiche().pageActive(), Base::Quittances);
        QCOMPARE(quittance->champ(ChampDocument::Locataire), QString("10001"));
        QVERIFY(!quittance->validee());
        QCOMPARE(quittance->grille().cellule(2, 0), QString("Régularisation des charges 2025"));
        QCOMPARE(quittance->grille().cellule(2, 1).trimmed(), QString("-56,00"));

        form.action(Action::PageLocataires)->trigger();
        QVERIFY(form.action(Action::SoldeToutCompte)->isEnabled());
        const QString solde = dir.filePath("solde.pdf");
        dansLeDialogue<TDialogueSolde>(
            form.action(Action::SoldeToutCompte), [&](TDialogueSolde& d) {
                d.deductions()->setItem(0, 0, new QTableWidgetItem("Nettoyage"));
                d.deductions()->setItem(0, 1, new QTableWidgetItem("80,00"));
                questions.repondFichier(solde);
                d.Pdf();
                d.Valide();
            });
        const QString texteSolde = pdfTexte(solde);
        QVERIFY2(texteSolde.contains("Solde de tout compte"), qPrintable(texteSolde));
        QVERIFY(texteSolde.contains("À déduire : Nettoyage"));
        QVERIFY(texteSolde.contains("Dépôt de garantie reçu"));

        form.action(Action::Enregistrer)->trigger();
        QVERIFY(contenu(dir.filePath("essai.chr")).contains("Eau\t365,00"));
        QVERIFY(
            contenu(dir.filePath("essai.qtc")).contains("QUITR\xe9gularisation des charges 2025"));
        QVERIFY(contenu(loc).contains("Solde de tout compte"));
        QVERIFY2(questions.imprevues().isEmpty(), qPrintable(questions.imprevues().join('|')));
    }
};

QTEST_MAIN(TstChargesFenetres)
#include "tst_chargesfenetres.moc"
