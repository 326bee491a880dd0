#include "imprimantesysteme.h"

#include "app/questions.h"
#include "printing/pdf.h"
#include "printing/tcanevaspeintre.h"
#include "tmpage.h"

#include <QAction>
#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QToolBar>

#include <algorithm>

namespace {

QPageLayout::Orientation orientationDe(TOrientation orientation) {
    return orientation == TOrientation::Paysage ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A file name made of the job's title, without the characters that file names refuse.
QString nomPdf(const QString& titre) {
    QString nom = titre;
    nom.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("-"));
    return nom.trimmed() + QStringLiteral(".pdf");
}

void exportePdf(const TTravailImpression& travail) {
    const QString chemin = Questions::instance().fichierAEnregistrer(
        QStringLiteral("Fichier PDF (*.pdf)"), nomPdf(travail.titre));
    if (!chemin.isEmpty())
        execute([&] { EcritPdf(travail, chemin); });
}

} // namespace

ImprimanteSysteme::ImprimanteSysteme() = default;
ImprimanteSysteme::~ImprimanteSysteme() = default;

QPrinter& ImprimanteSysteme::imprimante() {
    if (!m_imprimante) {
        m_imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The printer goes while the application still runs, not among the statics after it.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp,
                         [this] { m_imprimante.reset(); });
    }
    return *m_imprimante;
}

void ImprimanteSysteme::imprime(const TTravailImpression& travail) {
    QPrinter& imprimante = this->imprimante();
    imprimante.setDocName(travail.titre);
    imprimante.setPageOrientation(orientationDe(travail.orientation));
    imprimante.setFromTo(0, 0);
    {
        QPrintPreviewDialog apercu(&imprimante, QApplication::activeWindow());
        apercu.setWindowTitle(QStringLiteral("Aperçu avant impression - ") + travail.titre);
        QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                         [&](QPrinter* support) {
                             QApplication::setOverrideCursor(Qt::WaitCursor);
                             dessineTravail(travail, *support);
                             QApplication::restoreOverrideCursor();
                         });
        if (auto* barre = apercu.findChild<QToolBar*>()) {
            barre->addSeparator();
            QAction* pdf = barre->addAction(QStringLiteral("Exporter en PDF..."));
            QObject::connect(pdf, &QAction::triggered, &apercu, [&] { exportePdf(travail); });
        }
        apercu.resize(900, 700);
        apercu.exec();
    }
    imprimante.setPageOrientation(QPageLayout::Portrait);
}

std::optional<std::pair<int, int>> ImprimanteSysteme::plage(int n) {
    QPrinter& imprimante = this->imprimante();
    QPrintDialog dialogue(&imprimante, QApplication::activeWindow());
    dialogue.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile);
    // An empty base still offers its one page: the list's header.
    dialogue.setMinMax(1, std::max(n, 1));
    imprimante.setFromTo(1, std::max(n, 1));
    imprimante.setPrintRange(QPrinter::PageRange);
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    if (imprimante.printRange() != QPrinter::PageRange || imprimante.fromPage() == 0)
        return std::pair(1, n);
    return std::pair(imprimante.fromPage(), imprimante.toPage());
}

void ImprimanteSysteme::configure() {
    QPrintDialog dialogue(&imprimante(), QApplication::activeWindow());
    dialogue.setWindowTitle(QStringLiteral("Configurer imprimante"));
    dialogue.setOptions(QAbstractPrintDialog::PrintToFile);
    dialogue.exec();
}

TMiseEnPage ImprimanteSysteme::miseEnPage(const TMiseEnPage& initiale) {
    TMPage dialogue(QApplication::activeWindow());
    dialogue.Init(initiale);
    dialogue.exec();
    return dialogue.Result();
}
