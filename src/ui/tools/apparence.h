#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// The look shared by the desk tools: the classic teal and navy, and the bold system font.
namespace Apparence {

inline const QColor Teal(0, 128, 128);
inline const QColor Navy(0, 0, 128);

// The window font, a bold sans serif 17 pixels high.
QFont policeSysteme();

void colore(QWidget* widget, QPalette::ColorRole role, const QColor& color);

} // namespace Apparence
