#include "core/printing/pdf.h"

#include "core/common/usererror.h"
#include "core/printing/tcanevaspeintre.h"

#include <QDir>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// 20 pixels a millimetre.
constexpr int Resolution = 508;
constexpr double Marge = 5;

UserError echec(const QString& chemin) {
    return UserError(
        QStringLiteral("Impossible d'écrire le fichier %1 (disque plein ou accès refusé)")
            .arg(QDir::toNativeSeparators(chemin)));
}

} // namespace

void EcritPdf(const TTravailImpression& travail, const QString& chemin) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        throw echec(chemin);
    {
        QPdfWriter pdf(&fichier);
        pdf.setResolution(Resolution);
        pdf.setTitle(travail.titre);
        pdf.setCreator(QStringLiteral("Tarvinel"));
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4),
                        travail.orientation == TOrientation::Paysage ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait,
                        QMarginsF(Marge, Marge, Marge, Marge), QPageLayout::Millimeter));
        dessineTravail(travail, pdf);
    }
    if (!fichier.commit())
        throw echec(chemin);
}
