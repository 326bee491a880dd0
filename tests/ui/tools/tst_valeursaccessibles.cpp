#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "ui/documents/tvuedocument.h"
#include "ui/tools/tcalendrier.h"
#include "ui/tools/teurof.h"
#include "ui/tools/thorloge.h"
#include "ui/tools/tpocket.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QLabel* parNom(QWidget* fenetre, const QString& nom) {
    for (QLabel* label : fenetre->findChildren<QLabel*>())
        if (label->accessibleName() == nom)
            return label;
    return nullptr;
}

// What a screen reader is told of a widget: its name, its value and its description.
QStringList lu(QWidget* widget) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    if (!interface)
        return {};
    return {interface->text(QAccessible::Name), interface->text(QAccessible::Value),
            interface->text(QAccessible::Description)};
}

} // namespace

class TestValeursAccessibles : public QObject {
    Q_OBJECT

private slots:
    // The number on the calculator's display is read with the display's name.
    void calculatrice() {
        TPocket calculatrice;
        calculatrice.show();
        QTest::keyClicks(&calculatrice, "12+30=");
        QLabel* affichage = parNom(&calculatrice, QStringLiteral("Affichage"));
        QVERIFY(affichage);
        const QString nombre = affichage->text();
        QVERIFY(nombre.contains(QStringLiteral("42")));
        QCOMPARE(lu(affichage), QStringList({QStringLiteral("Affichage"), nombre, nombre}));
    }

    // The amount typed and the converted amount are read with their names.
    void conversion() {
        TEurof conversion;
        conversion.show();
        QTest::keyClicks(&conversion, "100");
        conversion.findChild<QPushButton*>(QStringLiteral("Button11"))->click();
        for (const char* nom : {"Montant", "Résultat"}) {
            QLabel* label = parNom(&conversion, QString::fromUtf8(nom));
            QVERIFY2(label && !label->text().isEmpty(), nom);
            QCOMPARE(lu(label).mid(1), QStringList(2, label->text()));
        }
        QVERIFY(lu(parNom(&conversion, QStringLiteral("Montant"))).at(1).contains("100"));
        QVERIFY(lu(parNom(&conversion, QStringLiteral("Résultat"))).at(1).contains("15,2"));
    }

    // The totals and the status of a receipt are read, not only their names.
    void totauxDocument() {
        TFiche fiche;
        fiche.AffichePage(Base::Quittances);
        TPageDocument& page = *fiche.pageDocument(Base::Quittances);
        page.Cree();
        page.CreePour({QStringLiteral("10001"),
                       {QStringLiteral("Dupré")},
                       {QStringLiteral("450"), QStringLiteral("50"), {}, {}}});
        TVueDocument vue(fiche, Base::Quittances);
        vue.show();
        const std::pair<const char*, QString> valeurs[] = {{"TOTAL Euros", page.totalEuros()},
                                                           {"Francs", page.totalFrancs()},
                                                           {"Statut", page.statut()}};
        for (const auto& [nom, valeur] : valeurs) {
            QLabel* label = parNom(&vue, QString::fromUtf8(nom));
            QVERIFY2(label, nom);
            QVERIFY(!valeur.trimmed().isEmpty());
            QCOMPARE(lu(label),
                     QStringList({QString::fromUtf8(nom), label->text(), label->text()}));
            QCOMPARE(label->text().trimmed(), valeur.trimmed());
        }
    }

    // The clock's time and date and the month the calendar shows are read with their names.
    void horlogeEtCalendrier() {
        Clock::Fixed horloge(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));
        THorloge montre;
        TCalendrier calendrier;
        const std::pair<QWidget*, const char*> valeurs[] = {
            {&montre, "Heure"}, {&montre, "Date"}, {&calendrier, "Mois affiché"}};
        for (const auto& [fenetre, nom] : valeurs) {
            fenetre->show();
            QLabel* label = parNom(fenetre, QString::fromUtf8(nom));
            QVERIFY2(label && !label->text().isEmpty(), nom);
            QCOMPARE(lu(label),
                     QStringList({QString::fromUtf8(nom), label->text(), label->text()}));
        }
        QVERIFY(parNom(&montre, "Heure")->text().contains("09"));
        QVERIFY(parNom(&calendrier, "Mois affiché")->text().contains("2026"));
    }
};

QTEST_MAIN(TestValeursAccessibles)
#include "tst_valeursaccessibles.moc"
