#include "ui/printing/imprimantesysteme.h"

#include "core/printing/tcanevaspeintre.h"
#include "ui/printing/exportpdf.h"
#include "ui/printing/tmpage.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QToolBar>

#include <algorithm>

namespace {

QPageLayout::Orientation orientationDe(TOrientation orientation) {
    return orientation == TOrientation::Paysage ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void toutesLesPages(QPrinter& imprimante) {
    imprimante.setPrintRange(QPrinter::AllPages);
    imprimante.setFromTo(0, 0);
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
    toutesLesPages(imprimante);
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
            QObject::connect(pdf, &QAction::triggered, &apercu, [&] { ExportePdf(travail); });
        }
        apercu.resize(900, 700);
        apercu.exec();
    }
    imprimante.setPageOrientation(QPageLayout::Portrait);
}

std::optional<Imprimante::TPlage> ImprimanteSysteme::plage(const QString& titre, int n) {
    QPrinter& imprimante = this->imprimante();
    imprimante.setDocName(titre);
    QPrintDialog dialogue(&imprimante, QApplication::activeWindow());
    dialogue.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile);
    // An empty base still offers its one page: the list's header.
    dialogue.setMinMax(1, std::max(n, 1));
    imprimante.setFromTo(1, std::max(n, 1));
    imprimante.setPrintRange(QPrinter::PageRange);
    // The pages to print are the question here: the dialog opens with its options shown.
    for (QPushButton* bouton : dialogue.findChildren<QPushButton*>())
        if (bouton->text().endsWith(QStringLiteral(">>")))
            bouton->click();
    bool apercu = false;
    if (auto* boutons = dialogue.findChild<QDialogButtonBox*>()) {
        QPushButton* voir =
            boutons->addButton(QStringLiteral("Aperçu..."), QDialogButtonBox::ActionRole);
        QObject::connect(voir, &QPushButton::clicked, &dialogue, [&] {
            apercu = true;
            dialogue.accept();
        });
    }
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    if (imprimante.printRange() != QPrinter::PageRange || imprimante.fromPage() == 0)
        return TPlage{1, n, apercu};
    return TPlage{imprimante.fromPage(), imprimante.toPage(), apercu};
}

void ImprimanteSysteme::imprimeDirectement(const TTravailImpression& travail) {
    QPrinter& imprimante = this->imprimante();
    imprimante.setDocName(travail.titre);
    imprimante.setPageOrientation(orientationDe(travail.orientation));
    // The records chosen make the whole job: every page of it prints.
    toutesLesPages(imprimante);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    dessineTravail(travail, imprimante);
    QApplication::restoreOverrideCursor();
    imprimante.setPageOrientation(QPageLayout::Portrait);
}

void ImprimanteSysteme::configure() {
    QPrintDialog dialogue(&imprimante(), QApplication::activeWindow());
    dialogue.setWindowTitle(QStringLiteral("Configurer imprimante"));
    dialogue.setOptions(QAbstractPrintDialog::PrintToFile);
    // The printer is chosen here, nothing is printed yet.
    if (auto* boutons = dialogue.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = boutons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    dialogue.exec();
}

bool ImprimanteSysteme::choisit(const QString& nom) {
    if (QPrinterInfo::printerInfo(nom).isNull())
        return false;
    imprimante().setPrinterName(nom);
    return true;
}

TMiseEnPage ImprimanteSysteme::miseEnPage(const TMiseEnPage& initiale) {
    TMPage dialogue(QApplication::activeWindow());
    dialogue.Init(initiale);
    dialogue.exec();
    return dialogue.Result();
}
