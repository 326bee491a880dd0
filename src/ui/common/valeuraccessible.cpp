#include "ui/common/valeuraccessible.h"

#include <QAccessibleWidget>

namespace {

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

// Interfaces are looked up by class name, most derived first: this one answers before the
// interface of every QLabel.
QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String(TValeurAffichee::staticMetaObject.className()))
        if (auto* label = qobject_cast<TValeurAffichee*>(objet))
            return new TValeurAccessible(label);
    return nullptr;
}

} // namespace

TValeurAffichee::TValeurAffichee(QWidget* parent) : QLabel(parent) {
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    Q_UNUSED(installee);
}
