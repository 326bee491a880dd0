#include "ui/tools/apparence.h"

#include <QWidget>

namespace Apparence {

QFont policeSysteme() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    return font;
}

void colore(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace Apparence
