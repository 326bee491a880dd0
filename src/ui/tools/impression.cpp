#include "ui/tools/impression.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {

bool choisitImprimante(QPrinter& imprimante, QWidget* parent) {
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialogue.exec() == QDialog::Accepted;
}

} // namespace

void imprimeLettre(const QTextDocument& lettre, QWidget* parent) {
    QPrinter imprimante(QPrinter::HighResolution);
    if (!choisitImprimante(imprimante, parent))
        return;
    imprimante.setDocName(QString());
    lettre.print(&imprimante);
}

void imprimeTexte(const QString& texte, const QFont& police, QWidget* parent) {
    QPrinter imprimante(QPrinter::HighResolution);
    if (!choisitImprimante(imprimante, parent))
        return;
    QTextDocument document;
    document.setDefaultFont(police);
    document.setPlainText(texte);
    document.print(&imprimante);
}
