#include "ui/printing/exportpdf.h"

#include "core/printing/pdf.h"
#include "ui/common/questions.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A file name made of the job's title, without the characters that file names refuse.
QString nomPropose(const QString& titre) {
    QString nom = titre;
    nom.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("-"));
    return nom.trimmed() + QStringLiteral(".pdf");
}

} // namespace

bool ExportePdf(const TTravailImpression& travail) {
    Questions& questions = Questions::instance();
    QString chemin = questions.fichierAEnregistrer(QStringLiteral("Fichier PDF (*.pdf)"),
                                                   nomPropose(travail.titre));
    if (chemin.isEmpty())
        return false;
    if (QFileInfo(chemin).suffix().isEmpty())
        chemin += QStringLiteral(".pdf");
    if (QFileInfo::exists(chemin) && !questions.confirmeRemplacement())
        return false;
    return execute([&] { EcritPdf(travail, chemin); });
}
