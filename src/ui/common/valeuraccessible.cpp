#include "valeuraccessible.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char* const Propriete = "valeurAccessible";

class TValeurAccessible : public QAccessibleWidget {
public:
    explicit TValeurAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        case QAccessible::Value:
        case QAccessible::Description:
            return label->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* fabrique(const QString&, QObject* objet) {
    auto* label = qobject_cast<QLabel*>(objet);
    if (label && label->property(Propriete).toBool())
        return new TValeurAccessible(label);
    return nullptr;
}

} // namespace

void exposeValeur(QLabel* label) {
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    Q_UNUSED(installee);
    label->setProperty(Propriete, true);
}
