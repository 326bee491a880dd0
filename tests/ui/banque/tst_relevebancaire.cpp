#include "../../common/fichiersessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/records/locataire.h"
#include "ui/banque/tdialoguecolonnes.h"
#include "ui/banque/tdialoguereleve.h"
#include "ui/gestion/tfenetretableau.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

struct TLocataireEssai {
    QString numero, nom, loyer, charges, taxes, apl;
};

QStringList locataire(int cle, const TLocataireEssai& l) {
    QStringList lignes{TListeBase::openingLine(cle)};
    for (int ligne = 1; ligne <= 26; ++ligne)
        lignes << (ligne == Locataire::Numero             ? l.numero
                   : ligne == Locataire::NomSoc           ? l.nom
                   : ligne == Locataire::Entre            ? QStringLiteral("01/03/2024")
                   : ligne == Locataire::Sorti            ? QStringLiteral("  /  /    ")
                   : ligne == Locataire::LoyerActuel      ? l.loyer
                   : ligne == Locataire::ChargesActuelles ? l.charges
                   : ligne == Locataire::Taxes            ? l.taxes
                   : ligne == Locataire::Apl              ? l.apl
                                                          : QString());
    return lignes << TListeBase::closingLine(cle);
}

int blocs(const QString& chemin) {
    return int(contenu(chemin).count("\r\n<BLOC") + contenu(chemin).startsWith("<BLOC"));
}

// Runs `faire` on the modal window of type W as soon as it shows.
template <typename W> void quandOuverte(QObject* parent, std::function<void(W*)> faire) {
    auto* attente = new QTimer(parent);
    attente->setInterval(10);
    QObject::connect(attente, &QTimer::timeout, [=] {
        auto* fenetre = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!fenetre)
            return;
        attente->stop();
        attente->deleteLater();
        faire(fenetre);
    });
    attente->start();
}

// The grid's rows as "label | tenant's number | month | state", ticked ones marked "[x]".
QStringList rangees(QTableView* vue) {
    QStringList r;
    const QAbstractItemModel* m = vue->model();
    for (int i = 0; i < m->rowCount(); ++i) {
        const auto cellule = [&](int c) { return m->index(i, c).data().toString(); };
        r << QStringLiteral("%1%2 | %3 | %4 | %5")
                 .arg(m->index(i, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked ? "[x] " : "")
                 .arg(cellule(1), cellule(3).section(u' ', 0, 0), cellule(4), cellule(5));
    }
    return r;
}

QPushButton* bouton(QWidget* fenetre, const QString& texte) {
    for (QPushButton* b : fenetre->findChildren<QPushButton*>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

} // namespace

class TstReleveBancaire : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2027, 1, 12), QTime(9, 0))};
    // The settings files go to the start-up folder: a temporary one.
    QTemporaryDir m_repertoire;

    static QString fixture(const QString& nom) {
        return QStringLiteral(TARVINEL_FIXTURES "/releves/") + nom;
    }

private slots:
    void initTestCase() { QDir::setCurrent(m_repertoire.path()); }

    // A damaged statement is refused with its message, the dossier untouched.
    void damagedRefused() {
        ScriptedQuestions questions;
        TMainForm form;
        form.action(Action::Nouveau)->trigger();
        const bool modifie = form.fiche().dossierModifie();
        questions.repondFichier(fixture("qif-abime.qif"));
        form.action(Action::ReleveBancaire)->trigger();
        QCOMPARE(questions.posees(),
                 (QStringList{"Relevé bancaire (*.ofx *.qif *.csv *.txt);;Tous les fichiers (*)",
                              "Ce fichier n'est pas un relevé QIF lisible : ligne 6, la date "
                              "\"32/13/2027\" ne se lit pas."}));
        QCOMPARE(form.fiche().dossierModifie(), modifie);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // The columns of a CSV statement, given once, are offered again for the next file of the
    // same header.
    void csvMappingRemembered() {
        ScriptedQuestions questions;
        TMainForm form;
        form.action(Action::Nouveau)->trigger();
        QStringList colonnes, lignes;
        const auto revueLue = [&](TDialogueReleve* revue) {
            lignes = rangees(revue->vue());
            revue->reject();
        };
        quandOuverte<TDialogueColonnes>(&form, [&](TDialogueColonnes* dialogue) {
            colonnes.clear();
            for (int r = 0; r < TDialogueColonnes::NbRoles; ++r)
                colonnes << dialogue->colonne(TDialogueColonnes::Role(r))->currentText();
            const QList<int> choix{1, 2, 3, 0, 4, 5};
            for (int r = 0; r < TDialogueColonnes::NbRoles; ++r)
                dialogue->colonne(TDialogueColonnes::Role(r))->setCurrentIndex(choix[r]);
            quandOuverte<TDialogueReleve>(&form, revueLue);
            dialogue->accept();
        });
        questions.repondFichier(fixture("banque-debit-credit.csv"));
        form.action(Action::ReleveBancaire)->trigger();
        QCOMPARE(colonnes, (QStringList{"1 : Date opération", "(aucune)", "2 : Date valeur",
                                        "3 : Libellé", "(aucune)", "(aucune)"}));
        QCOMPARE(lignes.size(), 3);
        QCOMPARE(lignes[1], QString("PRLV EAU DU GRAND LYON |  | Janvier 2027 | Ignoré"));
        QVERIFY(QFile::exists(m_repertoire.filePath("Tarvinel.rlv")));

        quandOuverte<TDialogueColonnes>(&form, [&](TDialogueColonnes* dialogue) {
            colonnes.clear();
            for (int r = 0; r < TDialogueColonnes::NbRoles; ++r)
                colonnes << dialogue->colonne(TDialogueColonnes::Role(r))->currentText();
            quandOuverte<TDialogueReleve>(&form, revueLue);
            dialogue->accept();
        });
        lignes.clear();
        questions.repondFichier(fixture("banque-debit-credit.csv"));
        form.action(Action::ReleveBancaire)->trigger();
        QCOMPARE(colonnes, (QStringList{"1 : Date opération", "2 : Date valeur", "3 : Libellé",
                                        "(aucune)", "4 : Débit", "5 : Crédit"}));
        QCOMPARE(lignes.size(), 3);
        QVERIFY(questions.imprevues().isEmpty());
    }

    // Six credits (four that match, one that two tenants owe, one that no one owes) and two
    // debits: the review proposes the four, the user gives the fifth to Arnaud, "Valider"
    // receipts the four and refuses Arnaud's second January, "Enregistrer" writes them with the
    // lines receipted. The same statement
    // read again, the dossier opened anew, proposes nothing.
    void asAPersonWould() {
        QTemporaryDir dir;
        const QString loc = dir.filePath("essai.loc");
        {
            TFiche fiche;
            TListeBase& base = fiche.base(Base::Locataires);
            base.assign(
                locataire(0, {"10001", "M. Arnaud Paul", "   500,00", "40,00", {}, {}}) +
                locataire(1, {"10002", "SCI Bérenger", "   600,00", "40,00", "12,50", {}}) +
                locataire(2, {"10003", "Mme Clémence Dupré", "   500,00", "40,00", {}, {}}) +
                locataire(3, {"10004", "Martin", "   450,00", "50,00", {}, "100,00"}));
            fiche.SetSauve();
            fiche.Sauve(loc);
        }
        const QString qtc = dir.filePath("essai.qtc");
        const QString releve = fixture("six-credits.ofx");

        ScriptedQuestions questions;
        TMainForm form;
        questions.repondFichier(loc);
        form.action(Action::Ouvrir)->trigger();
        QAction* commande = form.action(Action::ReleveBancaire);
        QVERIFY(commande->isEnabled());
        QCOMPARE(commande->text(), QString("Relevé &bancaire..."));

        QStringList proposees, revues;
        QString totaux;
        quandOuverte<TDialogueReleve>(&form, [&](TDialogueReleve* revue) {
            proposees = rangees(revue->vue());
            const int ambigu =
                int(proposees.indexOf("VIREMENT LOYER JANVIER |  | Janvier 2027 | À vérifier"));
            revue->vue()->selectRow(ambigu);
            questions.repondSaisie(QStringLiteral("10001"));
            bouton(revue, "&Locataire...")->click();
            revues = rangees(revue->vue());
            for (QLabel* l : revue->findChildren<QLabel*>())
                if (l->accessibleName() == "Totaux")
                    totaux = l->text();
            bouton(revue, "&Valider")->click();
        });
        QString bilan;
        QStringList resultats;
        quandOuverte<TFenetreTableau>(&form, [&](TFenetreTableau* fenetre) {
            bilan = fenetre->entete()->text();
            for (int r = 0; r < fenetre->modele().rowCount(); ++r)
                resultats << fenetre->modele().index(r, 3).data().toString() + ' ' +
                                 fenetre->modele().index(r, 5).data().toString() + ' ' +
                                 fenetre->modele().index(r, 6).data().toString();
            fenetre->close();
        });
        questions.repondFichier(releve);
        commande->trigger();

        QCOMPARE(
            proposees,
            (QStringList{"[x] VIR M ARNAUD PAUL LOYER JANVIER | 10001 | Janvier 2027 | Rapproché",
                         "VIREMENT LOYER JANVIER |  | Janvier 2027 | À vérifier",
                         "[x] VIR CAF POUR MARTIN | 10004 | Janvier 2027 | Rapproché",
                         "PRLV EAU DU GRAND LYON |  | Janvier 2027 | Ignoré",
                         "[x] VIR SCI BERENGER | 10002 | Janvier 2027 | Rapproché",
                         "VIR INCONNU |  | Janvier 2027 | À vérifier",
                         "[x] VIR SEPA MME CLEMENCE DUPRE | 10003 | Janvier 2027 | Rapproché",
                         "ECHEANCE PRET |  | Janvier 2027 | Ignoré"}));
        QCOMPARE(revues[1],
                 QString("[x] VIREMENT LOYER JANVIER | 10001 | Janvier 2027 | Rapproché"));
        QCOMPARE(totaux, QString("À quittancer : 5 ligne(s), 2 672,50"));
        // Arnaud's January was receipted by the first line: the second makes none.
        QCOMPARE(bilan, QString("4 quittance(s) créée(s), 1 ligne(s) sans quittance."));
        QCOMPARE(
            resultats,
            (QStringList{"10001 202701001 créée et validée", "10004 202701002 créée et validée",
                         "10002 202701003 créée et validée", "10003 202701004 créée et validée",
                         "10001  sans quittance : quittance déjà faite pour ce mois"}));
        QVERIFY(form.fiche().dossierModifie());
        QCOMPARE(blocs(qtc), 0);

        form.action(Action::Enregistrer)->trigger();
        const QByteArray quittances = contenu(qtc);
        QCOMPARE(blocs(qtc), 4);
        QCOMPARE(quittances.count("\r\nVirement\r\n"), 4);
        QCOMPARE(quittances.count("\r\nY\r\n"), 4);
        QVERIFY(quittances.contains("<BLOC0001>\r\nNUMQ202701002\r\n12/01/2027\r\n10004\r\n"
                                    "Virement\r\nJanvier 2027\r\n01/01/2027\r\n31/01/2027\r\n"));
        QVERIFY(quittances.contains("QUITAPL\t"));
        QStringList historique;
        for (const QByteArray& ligne : contenu(loc).split('\n'))
            if (ligne.startsWith("DATA"))
                historique << QString::fromLatin1(ligne).simplified();
        QCOMPARE(historique, (QStringList{"DATA12/01/2027 Loyer Janvier 2027 540,00",
                                          "DATA12/01/2027 Loyer Janvier 2027 652,50",
                                          "DATA12/01/2027 Loyer Janvier 2027 540,00",
                                          "DATA12/01/2027 Loyer Janvier 2027 400,00"}));
        QCOMPARE(contenu(dir.filePath("essai.rel")),
                 QByteArray("<BLOC0000>\r\n12/01/2027\r\nOPERID B01\r\nOPERID B03\r\n"
                            "OPERID B05\r\nOPERID B07\r\n</BLOC0000>\r\n"));

        // The dossier opened again remembers them.
        questions.repondFichier(loc);
        form.action(Action::Ouvrir)->trigger();
        quandOuverte<TDialogueReleve>(&form, [&](TDialogueReleve* revue) {
            proposees = rangees(revue->vue());
            revue->reject();
        });
        questions.repondFichier(releve);
        commande->trigger();
        QCOMPARE(proposees.filter("[x]"), QStringList());
        QCOMPARE(proposees.filter("Ignoré").size(), 6);
        QCOMPARE(proposees.filter("À vérifier"),
                 (QStringList{"VIREMENT LOYER JANVIER |  | Janvier 2027 | À vérifier",
                              "VIR INCONNU |  | Janvier 2027 | À vérifier"}));
        QCOMPARE(blocs(qtc), 4);
        QVERIFY(questions.imprevues().isEmpty());
    }
};

QTEST_MAIN(TstReleveBancaire)
#include "tst_relevebancaire.moc"
