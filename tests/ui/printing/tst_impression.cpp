#include "../../common/fichiersessai.h"
#include "../dossieressai.h"
#include "../imprimanteessai.h"
#include "../saisieessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "ui/documents/tvuedocument.h"
#include "ui/printing/exportpdf.h"
#include "ui/printing/imprimegrille.h"
#include "ui/printing/tmpage.h"
#include "ui/records/tvuefiche.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

QPushButton* bouton(QWidget* vue, const QString& texte) {
    for (QPushButton* b : vue->findChildren<QPushButton*>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

template <typename W> W* parTexte(QWidget* parent, const QString& texte) {
    for (W* w : parent->findChildren<W*>())
        if (w->text() == texte)
            return w;
    return nullptr;
}

// A word of a PDF page as pdftotext gives it, its box in millimetres from the page's top left.
struct Mot {
    QString texte;
    double gauche;
    double haut;
    double droite;
};

QList<Mot> motsPdf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QRegularExpression mot(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    const double mm = 25.4 / 72;
    QList<Mot> mots;
    for (const QRegularExpressionMatch& m : mot.globalMatch(html))
        mots.append({m.captured(4).replace("&apos;", "'"), m.captured(1).toDouble() * mm,
                     m.captured(2).toDouble() * mm, m.captured(3).toDouble() * mm});
    return mots;
}

// The words of `texte` in a row: the left edge of the first, the right edge of the last and
// their top; nothing when the page does not hold them in a row.
std::optional<Mot> ligne(const QList<Mot>& mots, const QString& texte) {
    const QStringList cherches = texte.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i + cherches.size() <= mots.size(); ++i) {
        bool trouve = true;
        for (int k = 0; k < cherches.size() && trouve; ++k)
            trouve = mots[i + k].texte == cherches[k] && qAbs(mots[i + k].haut - mots[i].haut) < 1;
        if (trouve)
            return Mot{texte, mots[i].gauche, mots[i].haut, mots[i + cherches.size() - 1].droite};
    }
    return std::nullopt;
}

} // namespace

class TstImpression : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

    // A new dossier of Martin Immobilier whose first tenant, on screen, has rent 450, charges 50
    // and APL 100.
    TVueFiche* locataire(TMainForm& form) {
        TVueFiche* vue = nouveauLocataire(form);
        if (vue)
            form.fiche().reglages().lignesProprio = {"Martin Immobilier",
                                                     "3 place du Marché",
                                                     "",
                                                     "69001 Lyon",
                                                     "04 78 00 00 00",
                                                     "",
                                                     "",
                                                     ""};
        return vue;
    }

private slots:
    void initTestCase() { QDir::setCurrent(m_repertoire.path()); }

    // "Imprimer" on the receipt page prints the receipt on screen; written as a PDF, its texts
    // are text, each at its millimetre: 5 mm of margin, and Mv's 3 mm lower.
    void quittanceEnPdf() {
        ScriptedQuestions questions;
        ImprimanteEnregistree imprimante;
        TMainForm form;
        QVERIFY(locataire(form));
        form.action(Action::NouvelleQuittance)->trigger();
        auto* vue = form.findChild<TVueDocument*>("Quittances");
        QTest::mouseClick(bouton(vue, "Imprimer"), Qt::LeftButton);
        QCOMPARE(imprimante.travaux().size(), 1);
        QCOMPARE(imprimante.travaux().first().titre, QString("Quittance de loyer 202612001"));
        QVERIFY(imprimante.textes().contains("Quittance N° 202612001"));

        // "Exporter en PDF..." of the preview window, the name given without its extension.
        const QString pdf = m_repertoire.filePath("quittance.pdf");
        questions.repondFichier(m_repertoire.filePath("quittance"));
        QVERIFY(ExportePdf(imprimante.travaux().first()));
        const QList<Mot> mots = motsPdf(pdf);
        QVERIFY2(!mots.isEmpty(), "pdftotext (poppler-utils) reads no text from the PDF");
        struct Attendu {
            QString texte;
            double x; // left edge, or right edge when right-aligned
            double y;
            bool droite;
        };
        const QList<Attendu> attendus = {
            {"Quittance N° 202612001", 5 + 20, 5 + 3 + 84, false},
            {"Dupré", 5 + 116, 5 + 3 + 60, false},
            {"400,00 Euros", 5 + 189, 5 + 3 + 248, true},
            {"2623,83 Francs", 5 + 189, 5 + 3 + 261, true},
            {"Martin Immobilier", 5 + 15, 5 + 3 + 0, false},
        };
        for (const Attendu& a : attendus) {
            const std::optional<Mot> m = ligne(mots, a.texte);
            QVERIFY2(m, qPrintable(a.texte));
            QVERIFY2(qAbs((a.droite ? m->droite : m->gauche) - a.x) <= 1,
                     qPrintable(QString("%1: x %2 mm").arg(a.texte).arg(m->gauche)));
            QVERIFY2(qAbs(m->haut - a.y) <= 1,
                     qPrintable(QString("%1: y %2 mm").arg(a.texte).arg(m->haut)));
        }
        QCOMPARE(questions.posees(),
                 QStringList("Fichier PDF (*.pdf) Quittance de loyer 202612001.pdf"));

        // A file already there is replaced only once the user agrees.
        const QByteArray avant = contenu(pdf);
        questions.repondFichier(pdf);
        questions.repondOk(false);
        QVERIFY(!ExportePdf(imprimante.travaux().first()));
        QCOMPARE(questions.posees().last(), QString("Ce fichier existe déjà : il sera remplacé."));
        QCOMPARE(contenu(pdf), avant);
        QVERIFY(questions.imprevues().isEmpty());
    }

    // "Imprimer fiche" and the toolbar's "Imprimer" print the card on screen, its edits
    // included; on the receipt page the receipt.
    void imprimerFiche() {
        ScriptedQuestions questions;
        ImprimanteEnregistree imprimante;
        TMainForm form;
        QVERIFY(locataire(form));
        form.action(Action::BoutonImprimer)->trigger();
        QCOMPARE(imprimante.travaux().size(), 1);
        QVERIFY(imprimante.textes().contains("Dupré"));
        QVERIFY(imprimante.textes().contains("Libellé"));
        form.action(Action::NouvelleQuittance)->trigger();
        form.action(Action::ImprimerQuittance)->trigger();
        QCOMPARE(imprimante.travaux().size(), 2);
        QVERIFY(imprimante.textes().contains("Quittance de loyer"));
        QVERIFY(questions.imprevues().isEmpty());
    }

    // A list asks which records to print, its pages standing for them; cancelled, it prints
    // nothing. It prints the records as stored, on landscape pages, at once or in the preview.
    void liste() {
        ScriptedQuestions questions;
        ImprimanteEnregistree imprimante;
        TMainForm form;
        QVERIFY(locataire(form));
        form.action(Action::NouvelleFiche)->trigger();
        auto* vue = form.findChild<TVueFiche*>("Locataires");
        tape(champ(vue, "Nom/Soc"), "Martin");
        form.action(Action::Premier)->trigger();
        tape(champ(vue, "Nom/Soc"), " et fils");
        form.action(Action::ImprimerListeLocataires)->trigger();
        QVERIFY(imprimante.travaux().isEmpty());
        imprimante.repondPlage(2, 2);
        form.action(Action::ImprimerListeLocataires)->trigger();
        imprimante.repondPlage(1, 2, true);
        form.action(Action::ImprimerListeLocataires)->trigger();
        QCOMPARE(imprimante.demandes(),
                 QStringList({"Liste des locataires 2", "Liste des locataires 2",
                              "Liste des locataires 2"}));
        QCOMPARE(imprimante.apercus(), QList<bool>({false, true}));
        QCOMPARE(imprimante.travaux().first().orientation, TOrientation::Paysage);
        QCOMPARE(imprimante.textes().mid(7, 1), QStringList("Dupré"));
        QCOMPARE(imprimante.textes().mid(14, 1), QStringList("Martin"));
        QVERIFY(questions.imprevues().isEmpty());
    }

    // The envelope of the tenant on screen, once the user has put one in the printer; on the
    // lot page nothing, and no message.
    void enveloppe() {
        ScriptedQuestions questions;
        ImprimanteEnregistree imprimante;
        TMainForm form;
        QVERIFY(locataire(form));
        form.fiche().reglages().decalageGuide = 100;
        form.action(Action::BoutonImprimerEnveloppe)->trigger();
        QCOMPARE(questions.posees(), QStringList("Insérez une enveloppe dans l'imprimante"));
        QCOMPARE(imprimante.travaux().size(), 1);
        const TCanevasEnregistre c = imprimante.dernier();
        QCOMPARE(c.trouve("75005 Paris")->de(), QPoint(23 * 110, 23 * (100 + 65 + 3)));

        form.action(Action::PageLots)->trigger();
        form.action(Action::EnveloppeCourante)->trigger();
        QCOMPARE(questions.posees().size(), 1);
        QCOMPARE(imprimante.travaux().size(), 1);
    }

    // "Mise en page..." opens on the settings; "OK" changes them, "Annuler" keeps them.
    void miseEnPage() {
        ScriptedQuestions questions;
        ImprimanteEnregistree imprimante;
        TMainForm form;
        QVERIFY(locataire(form));
        imprimante.repondMiseEnPage({1, 1, true});
        form.action(Action::MiseEnPage)->trigger();
        const TReglages& r = form.fiche().reglages();
        QCOMPARE((QList<int>{r.typePapier, r.orientationEnveloppe, r.decalageGuide}),
                 (QList<int>{1, 1, 100}));
        form.action(Action::MiseEnPage)->trigger();
        QCOMPARE((QList<int>{r.typePapier, r.orientationEnveloppe, r.decalageGuide}),
                 (QList<int>{1, 1, 100}));
        form.action(Action::ConfigurerImprimante)->trigger();
        QCOMPARE(imprimante.demandes(),
                 QStringList({"mise en page 0 0 0", "mise en page 1 1 1", "configure"}));
    }

    // A grid window's table prints with its titles, its rows and its columns' widths.
    void grille() {
        ImprimanteEnregistree imprimante;
        QStandardItemModel modele(3, 2);
        modele.setHorizontalHeaderLabels({"Mois", "Montant"});
        for (int r = 0; r < 3; ++r) {
            modele.setItem(r, 0, new QStandardItem(QString("Mois %1").arg(r + 1)));
            modele.setItem(r, 1, new QStandardItem("450,00"));
        }
        QTableView vue;
        vue.setModel(&modele);
        vue.resize(500, 300);
        vue.setColumnWidth(0, 100);
        vue.setColumnWidth(1, 80);
        ImprimeGrille(vue, "Statistiques ventes au 10/12/2026", QString(), 2);
        QCOMPARE(imprimante.travaux().size(), 1);
        QCOMPARE(imprimante.travaux().first().titre, QString("Statistiques ventes au 10/12/2026"));
        const TCanevasEnregistre c = imprimante.dernier();
        QVERIFY(c.trouve("Imprimé le 10/12/2026"));
        QVERIFY(c.trouve("Mois 2"));
        QVERIFY(!c.trouve("Mois 3"));
        // 4800 pixels a page for 500 on screen: 9 pixels for one, from a margin of 192.
        QCOMPARE(c.trouve("Montant")->de().x(), 192 + 100 * 9 + 10);
    }

    // The dialog itself: its choices given back on "OK", -1 as orientation otherwise.
    void dialogueMiseEnPage() {
        TMPage dialogue;
        dialogue.Init({1, 0, true});
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        QCOMPARE(dialogue.windowTitle(), QString("Mise en page"));
        QVERIFY(parTexte<QRadioButton>(&dialogue, "Papier à en-tête")->isChecked());
        QVERIFY(parTexte<QCheckBox>(&dialogue, "Guide enveloppe à droite")->isChecked());
        parTexte<QRadioButton>(&dialogue, "Paysage")->click();
        parTexte<QCheckBox>(&dialogue, "Guide enveloppe à droite")->click();
        parTexte<QPushButton>(&dialogue, "OK")->click();
        const TMiseEnPage ok = dialogue.Result();
        QCOMPARE((QList<int>{ok.typePapier, ok.orientation, ok.guide}), (QList<int>{1, 1, 0}));

        TMPage annule;
        annule.show();
        parTexte<QPushButton>(&annule, "Annuler")->click();
        QCOMPARE(annule.Result().orientation, -1);
    }
};

QTEST_MAIN(TstImpression)
#include "tst_impression.moc"
