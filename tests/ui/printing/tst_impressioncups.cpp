#include "../dossieressai.h"
#include "../scriptedquestions.h"
#include "../serveurcups.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/printing/tcanevasenregistre.h"
#include "ui/documents/tvuedocument.h"
#include "ui/printing/imprimantesysteme.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// The system's printers, with the user's answers in place of the dialogs: every record of a
// list, and "Imprimer" pressed in the preview window. Keeps the jobs, to count their pages.
class ImprimanteSansDialogue : public ImprimanteSysteme {
public:
    ImprimanteSansDialogue() : m_substitution(*this) {}

    std::optional<TPlage> plage(const QString&, int n) override { return TPlage{1, n, false}; }
    void imprime(const TTravailImpression& travail) override { imprimeDirectement(travail); }
    void imprimeDirectement(const TTravailImpression& travail) override {
        m_travaux.append(travail);
        ImprimanteSysteme::imprimeDirectement(travail);
    }
    const QList<TTravailImpression>& travaux() const { return m_travaux; }

private:
    Substitution m_substitution;
    QList<TTravailImpression> m_travaux;
};

QString execute(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// One page of a PDF as poppler reads it: its size in points once turned as shown, its text
// as read, and whether its lines run up the sheet, as a printer prints landscape on the
// upright paper of its tray.
struct Page {
    double largeur = 0;
    double hauteur = 0;
    QString texte;
    bool texteEnTravers = false;

    bool paysage() const { return largeur > hauteur || texteEnTravers; }
};

// Whether the words of page `n` are taller than wide, taken together.
bool texteEnTravers(const QString& pdf, int n) {
    const QString boites = execute(
        "pdftotext", {"-bbox", "-f", QString::number(n), "-l", QString::number(n), pdf, "-"});
    const QRegularExpression mot(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re");
    double largeurs = 0;
    double hauteurs = 0;
    for (const QRegularExpressionMatch& m : mot.globalMatch(boites)) {
        largeurs += m.captured(3).toDouble() - m.captured(1).toDouble();
        hauteurs += m.captured(4).toDouble() - m.captured(2).toDouble();
    }
    return hauteurs > largeurs;
}

QList<Page> pagesPdf(const QString& pdf) {
    const QString info = execute("pdfinfo", {"-f", "1", "-l", "999", pdf});
    const QRegularExpression taille(R"(Page +(\d+) size: +([\d.]+) x ([\d.]+))");
    const QRegularExpression rotation(R"(Page +(\d+) rot: +(\d+))");
    QList<Page> pages;
    for (const QRegularExpressionMatch& m : taille.globalMatch(info))
        pages.append({m.captured(2).toDouble(), m.captured(3).toDouble(), {}});
    for (const QRegularExpressionMatch& m : rotation.globalMatch(info)) {
        const int i = m.captured(1).toInt() - 1;
        if (i < pages.size() && m.captured(2).toInt() % 180 == 90)
            std::swap(pages[i].largeur, pages[i].hauteur);
    }
    for (int i = 0; i < pages.size(); ++i) {
        pages[i].texte = execute("pdftotext", {"-layout", "-f", QString::number(i + 1), "-l",
                                               QString::number(i + 1), pdf, "-"});
        pages[i].texteEnTravers = texteEnTravers(pdf, i + 1);
    }
    return pages;
}

// The line of the page holding `texte`, counted from the top; -1 when it is not there.
int ligneDe(const Page& page, const QString& texte) {
    const QStringList lignes = page.texte.split('\n');
    for (int i = 0; i < lignes.size(); ++i)
        if (lignes[i].simplified().contains(texte))
            return i;
    return -1;
}

// The column of `texte` on its line, in characters from the left edge; -1 when not there.
int colonneDe(const Page& page, const QString& texte) {
    const int i = ligneDe(page, texte);
    if (i < 0)
        return -1;
    const QString ligne = page.texte.split('\n')[i];
    const QString premier = texte.section(' ', 0, 0);
    return ligne.indexOf(premier);
}

} // namespace

class TstImpressionCups : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};
    std::unique_ptr<ServeurCups> m_serveur;
    QString m_sortie; // where cups-pdf files the jobs of no account

    // The job the print system finished after the `avant` ones, and the PDF that cups-pdf made
    // of it, taken out of its directory; the job id empty when none came.
    std::pair<QString, QString> attendTravail(const QStringList& avant, const QStringList& pdfs) {
        QString id;
        QString pdf;
        const QDeadlineTimer limite(120000);
        while (!limite.hasExpired() && (id.isEmpty() || pdf.isEmpty())) {
            const QStringList termines = m_serveur->travauxTermines();
            for (const QString& t : termines)
                if (!avant.contains(t))
                    id = t;
            if (!id.isEmpty())
                for (const QString& f : QDir(m_sortie).entryList({"*.pdf"}, QDir::Files))
                    if (!pdfs.contains(f))
                        pdf = f;
            if (id.isEmpty() || pdf.isEmpty())
                QTest::qWait(200);
        }
        if (pdf.isEmpty())
            return {id, {}};
        const QString garde = m_repertoire.filePath(id + ".pdf");
        QFile::remove(garde);
        if (!QFile::copy(QDir(m_sortie).filePath(pdf), garde))
            return {id, {}};
        QFile::remove(QDir(m_sortie).filePath(pdf));
        return {id, garde};
    }

    // Prints through `commande`, which sends one job; the job id and the pages read back,
    // none when the command printed nothing.
    std::pair<QString, QList<Page>> imprime(const ImprimanteSansDialogue& imprimante,
                                            const std::function<void()>& commande) {
        const QStringList avant = m_serveur->travauxTermines();
        const QStringList pdfs = QDir(m_sortie).entryList({"*.pdf"}, QDir::Files);
        const qsizetype envoyes = imprimante.travaux().size();
        commande();
        if (imprimante.travaux().size() == envoyes)
            return {};
        const auto [id, pdf] = attendTravail(avant, pdfs);
        if (pdf.isEmpty())
            return {id, {}};
        const QList<Page> pages = pagesPdf(pdf);
        qInfo().noquote() << "travail" << id << ":" << pages.size() << "page(s)";
        for (int i = 0; i < pages.size(); ++i)
            qInfo().noquote() << QString("  page %1 : %2 x %3 pt, %4")
                                     .arg(i + 1)
                                     .arg(pages[i].largeur)
                                     .arg(pages[i].hauteur)
                                     .arg(pages[i].paysage() ? "paysage" : "portrait")
                              << "\n"
                              << pages[i].texte.trimmed();
        return {id, pages};
    }

    static int pagesDe(const TTravailImpression& travail) {
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(travail.orientation);
        travail.dessine(c);
        return c.pages();
    }

private slots:
    void initTestCase() {
        QDir::setCurrent(m_repertoire.path());
        m_serveur = std::make_unique<ServeurCups>();
        if (!m_serveur->pret())
            QSKIP(qPrintable("no private CUPS server: " + m_serveur->erreur()));
        m_sortie = "/var/spool/cups-pdf/ANONYMOUS";
        QFile f("/etc/cups/cups-pdf.conf");
        if (f.open(QIODevice::ReadOnly))
            for (const QString& ligne : QString::fromUtf8(f.readAll()).split('\n'))
                if (ligne.startsWith("AnonDirName "))
                    m_sortie = ligne.mid(12).trimmed();
        qInfo().noquote() << "serveur CUPS :" << m_serveur->socket() << ", imprimante"
                          << ServeurCups::imprimante() << ", PDF dans" << m_sortie;
    }

    void cleanupTestCase() { m_serveur.reset(); }

    // A receipt, the tenant list and an envelope go to the printer chosen by name, through the
    // commands of the window; the PDF that the print system makes of each job has every page
    // of the job, its texts in their place, the list on landscape paper.
    void imprimeSurCups() {
        ScriptedQuestions questions;
        ImprimanteSansDialogue imprimante;
        QVERIFY(imprimante.choisit(ServeurCups::imprimante()));
        TMainForm form;
        TVueFiche* vue = nouveauLocataire(form);
        QVERIFY(vue);
        form.fiche().reglages().lignesProprio = {
            "Martin Immobilier", "3 place du Marché", "", "69001 Lyon", "", "", "", ""};
        form.action(Action::NouvelleFiche)->trigger();
        tape(champ(vue, "Nom/Soc"), "Martin");
        tape(champ(vue, "Ville"), "Lyon");
        form.action(Action::Premier)->trigger();

        // The receipt, by the "Imprimer" button of its page.
        form.action(Action::NouvelleQuittance)->trigger();
        auto* quittance = form.findChild<TVueDocument*>("Quittances");
        QPushButton* imprimer = nullptr;
        for (QPushButton* b : quittance->findChildren<QPushButton*>())
            if (b->text() == "Imprimer")
                imprimer = b;
        QVERIFY(imprimer);
        auto [id, pages] =
            imprime(imprimante, [&] { QTest::mouseClick(imprimer, Qt::LeftButton); });
        QVERIFY2(!pages.isEmpty(),
                 qPrintable("no PDF for job " + id + "\n" + m_serveur->journal()));
        QCOMPARE(pages.size(), pagesDe(imprimante.travaux().last()));
        QVERIFY(!pages[0].paysage());
        const Page& recu = pages[0];
        for (const QString& texte : QStringList{"Martin Immobilier", "Quittance de loyer",
                                                "Quittance N° 202612001", "Dupré", "400,00 Euros"})
            QVERIFY2(ligneDe(recu, texte) >= 0, qPrintable(texte));
        // Top to bottom: the owner, the title, the tenant, the total.
        QVERIFY(ligneDe(recu, "Martin Immobilier") < ligneDe(recu, "Quittance de loyer"));
        QVERIFY(ligneDe(recu, "Quittance de loyer") < ligneDe(recu, "400,00 Euros"));
        // The owner on the left, the tenant's address on the right half.
        QVERIFY(colonneDe(recu, "Martin Immobilier") < colonneDe(recu, "12 rue des Lilas"));

        // The tenant list, every record.
        std::tie(id, pages) =
            imprime(imprimante, [&] { form.action(Action::ImprimerListeLocataires)->trigger(); });
        QVERIFY2(!pages.isEmpty(),
                 qPrintable("no PDF for job " + id + "\n" + m_serveur->journal()));
        QCOMPARE(imprimante.travaux().last().orientation, TOrientation::Paysage);
        QCOMPARE(pages.size(), pagesDe(imprimante.travaux().last()));
        for (const Page& page : pages)
            QVERIFY2(page.paysage(), "the list is not printed landscape");
        QVERIFY(ligneDe(pages[0], "Dupré") >= 0);
        QVERIFY(ligneDe(pages[0], "Martin") > ligneDe(pages[0], "Dupré"));
        QCOMPARE(colonneDe(pages[0], "Martin"), colonneDe(pages[0], "Dupré"));

        // The envelope of the tenant on screen.
        form.action(Action::PageLocataires)->trigger();
        std::tie(id, pages) =
            imprime(imprimante, [&] { form.action(Action::BoutonImprimerEnveloppe)->trigger(); });
        QVERIFY2(!pages.isEmpty(),
                 qPrintable("no PDF for job " + id + "\n" + m_serveur->journal()));
        QCOMPARE(pages.size(), 1);
        QVERIFY(!pages[0].paysage());
        const Page& enveloppe = pages[0];
        QVERIFY(ligneDe(enveloppe, "Martin Immobilier") >= 0);
        QVERIFY(ligneDe(enveloppe, "75005 Paris") > ligneDe(enveloppe, "Martin Immobilier"));
        QVERIFY(colonneDe(enveloppe, "75005 Paris") > colonneDe(enveloppe, "Martin Immobilier"));
        QCOMPARE(questions.posees(), QStringList("Insérez une enveloppe dans l'imprimante"));
        QVERIFY(questions.imprevues().isEmpty());
    }
};

QTEST_MAIN(TstImpressionCups)
#include "tst_impressioncups.moc"
