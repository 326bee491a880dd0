#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "ui/records/tficheform.h"
#include "ui/records/tpagevue.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A page with two fields that counts its focus requests.
class VueEssai : public TPageVue {
public:
    VueEssai() {
        auto* disposition = new QVBoxLayout(this);
        disposition->addWidget(champ);
        disposition->addWidget(memo);
    }
    void focusChamp() override {
        ++focus;
        champ->setFocus();
    }

    QLineEdit* champ = new QLineEdit;
    QPlainTextEdit* memo = new QPlainTextEdit(QStringLiteral("ligne 1\nligne 2\nligne 3"));
    int focus = 0;
};

// A page model that counts its reads.
class PageComptee : public TPage {
public:
    bool ecrit() override { return false; }
    void lit() override { ++lectures; }
    void Copier() override {}
    void Coller() override {}
    int lectures = 0;
};

void remplit(TListeBase& base, int nombre) {
    QStringList lignes;
    for (int k = 0; k < nombre; ++k)
        lignes << TListeBase::openingLine(k) << QString::number(10001 + k)
               << TListeBase::closingLine(k);
    base.assign(lignes);
    base.allerA(0);
}

} // namespace

class TstTFicheForm : public QObject {
    Q_OBJECT

private slots:
    // The keys act on the page on screen wherever the focus stands, and no field sees them.
    void touches_data() {
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        QTest::addColumn<int>("depart");
        QTest::addColumn<int>("arrivee");
        QTest::addColumn<bool>("consommee");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("page suivante") << int(Qt::Key_PageDown) << 0 << 1 << 2 << true;
        QTest::newRow("page précédente") << int(Qt::Key_PageUp) << 0 << 1 << 0 << true;
        QTest::newRow("Ctrl+Début") << int(Qt::Key_Home) << ctrl << 2 << 0 << true;
        QTest::newRow("Ctrl+Fin") << int(Qt::Key_End) << ctrl << 0 << 3 << true;
        QTest::newRow("Ctrl+Maj+Fin")
            << int(Qt::Key_End) << int(ctrl | Qt::ShiftModifier) << 0 << 0 << false;
        QTest::newRow("Début seul") << int(Qt::Key_Home) << 0 << 2 << 2 << false;
    }
    void touches() {
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(int, depart);
        QFETCH(int, arrivee);
        QFETCH(bool, consommee);
        TFiche fiche;
        remplit(fiche.base(Base::Locataires), 4);
        fiche.base(Base::Locataires).allerA(depart);
        TFicheForm form(fiche);
        auto* vue = new VueEssai;
        form.installePage(Base::Locataires, vue);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        vue->memo->setFocus();
        vue->memo->moveCursor(QTextCursor::Start);
        vue->memo->moveCursor(QTextCursor::Down);
        vue->memo->moveCursor(QTextCursor::Right);
        const int position = vue->memo->textCursor().position();

        QTest::keyClick(vue->memo, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        QCOMPARE(fiche.base(Base::Locataires).courant(), arrivee);
        QCOMPARE(vue->memo->textCursor().position() == position, consommee);
        QCOMPARE(vue->focus, consommee ? 1 : 0);
    }

    // F2 opens the pick list of the page on screen and shows the record picked; on a base of
    // fewer than 21 lines it does nothing. A document or order page lists its documents
    // whatever their number.
    void f2() {
        ScriptedQuestions questions;
        TFiche fiche;
        remplit(fiche.base(Base::Locataires), 7);
        TFicheForm form(fiche);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        questions.repondFiche(4);
        QTest::keyClick(form.vueVisible(), Qt::Key_F2);
        QCOMPARE(questions.posees(), QStringList("Liste 0 (7 fiches)"));
        QCOMPARE(fiche.base(Base::Locataires).courant(), 4);
        QCOMPARE(fiche.pageFiche(Base::Locataires)->champ(1), QString("10005"));
        questions.repondFiche(-1);
        QTest::keyClick(form.vueVisible(), Qt::Key_F2);
        QCOMPARE(fiche.base(Base::Locataires).courant(), 4);

        questions.efface();
        form.Montre(Base::Lots);
        QTest::keyClick(form.vueVisible(), Qt::Key_F2);
        QCOMPARE(questions.posees(), QStringList());
        for (Base documents : {Base::Quittances, Base::Commandes}) {
            questions.efface();
            form.Montre(documents);
            QTest::keyClick(form.vueVisible(), Qt::Key_F2);
            QCOMPARE(questions.posees(),
                     QStringList(QString("Documents %1 (0 fiches)").arg(int(documents))));
        }
    }

    // A page switch shows the page, reads it and focuses its field; a switch made by the
    // dossier itself shows the page too.
    void changementDePage() {
        TFiche fiche;
        PageComptee modele;
        fiche.setPage(Base::Fournisseurs, &modele);
        TFicheForm form(fiche);
        auto* vue = new VueEssai;
        form.installePage(Base::Fournisseurs, vue);
        auto* pages = form.findChild<QStackedWidget*>();
        QCOMPARE(pages->currentIndex(), indexOf(Base::Locataires));
        QCOMPARE(pages->count(), NbBases);

        form.Montre(Base::Fournisseurs);
        QCOMPARE(fiche.pageActive(), Base::Fournisseurs);
        QCOMPARE(pages->currentWidget(), vue);
        QCOMPARE(modele.lectures, 1);
        QCOMPARE(vue->focus, 1);

        fiche.Nouveau();
        QCOMPARE(pages->currentIndex(), indexOf(Base::Locataires));
        QCOMPARE(form.vueVisible(), form.vue(Base::Locataires));
        QCOMPARE(pages->count(), NbBases);
    }

    void titre() {
        TFiche fiche;
        TFicheForm form(fiche);
        QCOMPARE(form.windowTitle(), QString());
        fiche.Charge(QStringLiteral(TARVINEL_FIXTURES "/accents/DUPONT.LOC"));
        QCOMPARE(form.windowTitle(), QStringLiteral("DUPONT.LOC"));
        fiche.Nouveau();
        QCOMPARE(form.windowTitle(), QString());
    }
};

QTEST_MAIN(TstTFicheForm)
#include "tst_tficheform.moc"
