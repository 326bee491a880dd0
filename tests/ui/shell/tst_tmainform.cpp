#include "../../common/fichiersessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "ui/records/tficheform.h"
#include "ui/shell/tabout.h"
#include "ui/shell/taide.h"
#include "ui/shell/tmainform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

namespace {

// The menu entries and toolbar buttons as the user finds them: a menu title, a submenu
// title after "/", or "barre" for the toolbar, and the caption or hint.
struct Attendu {
    const char* ou;
    const char* texte;
    bool auDepart;
    // What opening a dossier does: '+' enables, '-' disables, ' ' leaves the entry alone.
    char ouverture;
    // The pages whose set enables the entry (T F L Q A C R); nullptr when no page set touches
    // it; "" when every page set disables it.
    const char* pages;
    // The tenants page leaves the entry as it was.
    bool gardeSurT = false;
};

const Attendu Table[] = {
    {"&Fichier", "&Nouveau", true, ' ', nullptr},
    {"&Fichier", "&Ouvrir...", true, ' ', nullptr},
    {"&Fichier", "&Enregistrer", false, '+', nullptr},
    {"&Fichier", "Enregistrer &sous...", false, '+', nullptr},
    {"&Fichier", "&Restaurer une sauvegarde...", false, '+', nullptr},
    {"&Fichier", "&Imprimer", false, '+', nullptr},
    {"&Fichier/&Imprimer", "Liste &locataires", true, ' ', nullptr},
    {"&Fichier/&Imprimer", "Liste &fournisseurs...", true, ' ', nullptr},
    {"&Fichier/&Imprimer", "Liste l&ots", true, ' ', nullptr},
    {"&Fichier/&Imprimer", "&Enveloppes...", true, ' ', nullptr},
    {"&Fichier", "&Mise en page...", true, ' ', nullptr},
    {"&Fichier", "Configurer imprimante...", true, ' ', nullptr},
    {"&Fichier", "I&mporter...", true, ' ', nullptr},
    {"&Fichier", "E&xporter...", false, '+', nullptr},
    {"&Fichier", "&Quitter", true, ' ', nullptr},

    {"&Edition", "&Copier", false, '+', nullptr},
    {"&Edition", "C&oller", false, '+', nullptr},
    {"&Edition", "&Liste des locataires                    F2", false, '+', "T"},
    {"&Edition", "Recherche &Nom / société...", false, ' ', "T"},
    {"&Edition", "Rechercher &Code locataire", false, ' ', "T"},
    {"&Edition", "&Recherche Téléphone...", false, ' ', "T"},
    {"&Edition", "&Trier locataires...", false, ' ', "T"},
    {"&Edition", "Chercher &quittance...", false, ' ', "Q"},
    {"&Edition", "Chercher &avis...", false, ' ', "AC"},
    {"&Edition", "Chercher reçu...", false, ' ', "R"},
    {"&Edition", "Rechercher &lot...", false, ' ', "L"},
    {"&Edition", "Rechercher numéro l&ot...", false, ' ', "L"},
    {"&Edition", "Tri&er lots...", false, ' ', "L"},
    {"&Edition", "&Liste des fournisseurs               F2", false, ' ', "F"},
    {"&Edition", "Rechercher Nom fo&urnisseur...", false, ' ', "F"},
    {"&Edition", "Rechercher Code four&nisseur...", false, ' ', "F"},
    {"&Edition", "Tr&ier fournisseurs...", false, ' ', "F"},
    {"&Edition", "C&hercher commande...", false, ' ', "C"},

    {"&Bases", "&Locataires", true, ' ', "FLQACR"},
    {"&Bases", "&Quittances", true, ' ', "TFLACR"},
    {"&Bases", "&Avis d'échéance", true, ' ', "TFLQCR"},
    {"&Bases", "&Reçus", true, ' ', "TFLQAC"},
    {"&Bases", "L&ots", true, ' ', "TFQACR"},
    {"&Bases", "&Fournisseurs", true, ' ', "TLQACR"},
    {"&Bases", "&Commandes", true, ' ', "TFLQAR"},
    {"&Bases", "&Précédent             PgUo", false, '+', nullptr},
    {"&Bases", "&Suivant                   Pgdn", false, '+', nullptr},
    {"&Bases", "P&remier", false, '+', nullptr},
    {"&Bases", "&Dernier", false, '+', nullptr},
    {"&Bases", "&Nouvelle fiche", true, ' ', nullptr},
    {"&Bases", "S&upprimer fiche", false, '+', "TFLQACR"},
    {"&Bases", "&Liste", false, ' ', "TFLQACR"},
    {"&Bases", "&Imprimer fiche", false, ' ', "TFLQACR"},

    {"&Location", "&Précédent             PgUp", false, ' ', "QACR"},
    {"&Location", "&Suivant                   Pgdn", false, ' ', "QACR"},
    {"&Location", "P&remier", false, ' ', "QACR"},
    {"&Location", "&Dernier", false, ' ', "QACR"},
    {"&Location", "&Nouvelle quittance", true, '+', "T"},
    {"&Location", "&Arrivée/départ", true, '+', "T"},
    {"&Location", "S&upprimer quittance", false, ' ', "Q"},
    {"&Location", "&Imprimer quittance", false, ' ', "Q"},
    {"&Location", "&Liste des quittances     F2", false, ' ', "Q"},
    {"&Location", "N&ouvelle échéance", true, ' ', "T"},
    {"&Location", "Suppri&mer avis", false, ' ', "AC", true},
    {"&Location", "I&mprimer avis", false, ' ', "AC", true},
    {"&Location", "Li&ste des avis               F2", false, ' ', "AC"},
    {"&Location", "Nouveau &reçu", true, ' ', "T"},
    {"&Location", "Supprim&er reçu", false, ' ', "R"},
    {"&Location", "Imprimer reç&u", false, ' ', "R"},
    {"&Location", "&Liste des &reçus             F2", false, ' ', "R"},
    {"&Location", "&Quittances du mois...", false, '+', "TFLQACR"},
    {"&Location", "Relevé &bancaire...", false, '+', "TFLQACR"},
    {"&Location", "Ré&vision des loyers...", false, '+', "TFLQACR"},
    {"&Location", "Envo&yer par e-mail...", false, ' ', "QAR"},
    {"&Location", "C&harges réelles...", false, '+', "TFLQACR"},
    {"&Location", "Ré&gularisation des charges...", false, '+', "TFLQACR"},
    {"&Location", "Solde de &tout compte...", false, '+', "T"},
    {"&Location", "Supprimer &ligne", false, ' ', nullptr},

    {"&Achat", "&Précédent             PgUp", false, '-', "C"},
    {"&Achat", "&Suivant                   Pgdn", false, '-', "C"},
    {"&Achat", "P&remier", false, '-', "C"},
    {"&Achat", "&Dernier", false, '-', "C"},
    {"&Achat", "&Nouvelle commande", true, ' ', "F"},
    {"&Achat", "S&upprimer commande", false, ' ', "C"},
    {"&Achat", "&Imprimer commande", false, ' ', "C"},
    {"&Achat", "&Liste des commandes       F2", false, ' ', "C"},
    {"&Achat", "Supprimer &ligne", false, ' ', "C"},

    {"&Sélection", "&Tous les locataires", false, '+', "T"},
    {"&Sélection", "&Code postal...", false, ' ', "T"},
    {"&Sélection", "&Ville", false, ' ', "T"},
    {"&Sélection", "&Locacaires actuels", false, ' ', "T"},
    {"&Sélection", "T&outes les quittances", false, ' ', "Q"},
    {"&Sélection", "&Quittances code locateire...", false, ' ', "Q"},
    {"&Sélection", "T&ous les avis", false, ' ', "AC"},
    {"&Sélection", "&Avis code locateire...", false, ' ', "AC"},
    {"&Sélection", "Tous les &lots", false, ' ', "L"},
    {"&Sélection", "Typ&es de lots", false, ' ', "L"},
    {"&Sélection", "Code po&stal", false, ' ', "L"},
    {"&Sélection", "Lots l&ibres", false, ' ', "L"},
    {"&Sélection", "Tous les fo&urnisseurs", false, ' ', "F"},
    {"&Sélection", "Co&de postal...", false, ' ', "F"},
    {"&Sélection", "V&ille...", false, ' ', "F"},
    {"&Sélection", "Tout&es les commandes", false, ' ', ""},
    {"&Sélection", "&Commande code fournisseur...", false, ' ', ""},

    {"&Outils", "&Traitement de texte", true, ' ', nullptr},
    {"&Outils", "&Enveloppe courante", true, ' ', nullptr},
    {"&Outils", "&Messages", true, ' ', nullptr},
    {"&Outils", "&Statistiques lots", false, ' ', "TFLQACR"},
    {"&Outils", "Statistiques &mois", false, ' ', "TFLQACR"},
    {"&Outils", "Statistiques &locataires", false, ' ', "TFLQACR"},
    {"&Outils", "Statistiques &fournisseurs", false, ' ', "TFLQACR"},
    {"&Outils", "&Journal comptable", false, '+', "TFLQACR"},
    {"&Outils", "Loyers &impayés", false, '+', "TFLQACR"},
    {"&Outils", "&Revenus fonciers de l'année...", false, '+', "TFLQACR"},

    {"&Paramètres", "&Propriétaire", true, ' ', nullptr},
    {"&Paramètres", "&Types de lots", true, '+', "TFLQACR"},
    {"&Paramètres", "Familles fo&urnisseurs", true, ' ', nullptr},
    {"&Paramètres", "Catégories de c&harges", true, ' ', nullptr},
    {"&Paramètres", "&Commande", true, ' ', nullptr},
    {"&Paramètres", "C&omptes", true, ' ', nullptr},
    {"&Paramètres", "&Ouvrir automatiquement", true, ' ', nullptr},

    {"&Utilitaires", "&Calendrier", true, ' ', nullptr},
    {"&Utilitaires", "C&alculatrice", true, ' ', nullptr},
    {"&Utilitaires", "&Horloge", true, ' ', nullptr},
    {"&Utilitaires", "&Euro conversion", true, ' ', nullptr},
    {"&Utilitaires", "&Bloc notes", true, ' ', nullptr},

    {"&?", "&Index", true, ' ', nullptr},
    {"&?", "&Rechercher...", true, ' ', nullptr},
    {"&?", "&Utiliser l'aide", true, ' ', nullptr},
    {"&?", "&A propos", true, ' ', nullptr},

    {"barre", "Nouveau dossier", true, ' ', nullptr},
    {"barre", "Ouvrir", true, ' ', nullptr},
    {"barre", "Enregistrer", false, '+', nullptr},
    {"barre", "Copier", false, '+', nullptr},
    {"barre", "Coller", false, '+', nullptr},
    {"barre", "Premier", false, '+', nullptr},
    {"barre", "Précédent", false, '+', nullptr},
    {"barre", "Suivant", false, '+', nullptr},
    {"barre", "Dernier", false, '+', nullptr},
    {"barre", "Nouvelle fiche", true, ' ', nullptr},
    {"barre", "Fiche locataire", false, ' ', "FLQACR"},
    {"barre", "Quittance", false, ' ', "TFL"},
    {"barre", "Lots", false, ' ', "TFQACR"},
    {"barre", "Calculer", false, '+', nullptr},
    {"barre", "Imprimer", false, '+', nullptr},
    {"barre", "Imprimer enveloppe", false, '+', nullptr},
};

QList<QAction*> entrees(const QList<QAction*>& actions) {
    QList<QAction*> resultat;
    for (QAction* a : actions)
        if (!a->isSeparator())
            resultat.append(a);
    return resultat;
}

// Every entry of the menus and the toolbar, by place and caption.
QHash<QString, QAction*> actionsVisibles(TMainForm& form) {
    QHash<QString, QAction*> trouvees;
    std::function<void(const QString&, const QList<QAction*>&)> parcourt =
        [&](const QString& ou, const QList<QAction*>& actions) {
            for (QAction* a : entrees(actions)) {
                trouvees.insert(ou + QLatin1Char('|') + a->text(), a);
                if (a->menu() && ou != QLatin1String("barre"))
                    parcourt(ou + QLatin1Char('/') + a->text(), a->menu()->actions());
            }
        };
    for (QAction* menu : form.menuBar()->actions())
        parcourt(menu->text(), menu->menu()->actions());
    parcourt(QStringLiteral("barre"), form.findChild<QToolBar*>()->actions());
    return trouvees;
}

QString cle(const Attendu& a) {
    return QString::fromUtf8(a.ou) + QLatin1Char('|') + QString::fromUtf8(a.texte);
}

bool contient(const char* pages, char page) {
    return pages && std::strchr(pages, page) != nullptr;
}

} // namespace

class TstTMainForm : public QObject {
    Q_OBJECT

    // The main window reads and writes its settings files in the start-up directory.
    QTemporaryDir m_repertoire;

private slots:
    void initTestCase() {
        QVERIFY(m_repertoire.isValid());
        QDir::setCurrent(m_repertoire.path());
    }

    void menus() {
        TMainForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Tarvinel"));
        const QStringList titres = {"&Fichier",     "&Edition",   "&Bases",  "&Location",
                                    "&Achat",       "&Sélection", "&Outils", "&Paramètres",
                                    "&Utilitaires", "&?"};
        const QList<QAction*> menus = form.menuBar()->actions();
        QCOMPARE(menus.size(), titres.size());
        for (int i = 0; i < titres.size(); ++i) {
            QCOMPARE(menus[i]->text(), titres[i]);
            QCOMPARE(menus[i]->menu()->property("contexteAide").toInt(), 3 + i);
            // Each entry takes the help of the menu it sits in.
            for (QAction* a : entrees(menus[i]->menu()->actions()))
                QVERIFY2(a->property("contexteAide").toInt() == 3 + i, qPrintable(a->text()));
        }
        const QHash<QString, QAction*> actions = actionsVisibles(form);
        QCOMPARE(actions[QStringLiteral("&Outils|&Journal comptable")]->toolTip(),
                 QStringLiteral("Journal Achats/Ventes"));
        QCOMPARE(actions[QStringLiteral("&Fichier|&Quitter")]->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_X));
        QCOMPARE(actions[QStringLiteral("&Bases|&Liste")]->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(form.findChild<QToolBar*>()->actions().size() -
                     entrees(form.findChild<QToolBar*>()->actions()).size(),
                 4);
    }

    // The enabling of every entry before any dossier, after New, then after each page switch
    // of the menu and the toolbar.
    void ensembles() {
        ScriptedQuestions questions;
        TMainForm form;
        const QHash<QString, QAction*> actions = actionsVisibles(form);
        QHash<QString, bool> attendu;
        for (const Attendu& a : Table) {
            QVERIFY2(actions.contains(cle(a)), qPrintable(cle(a)));
            attendu.insert(cle(a), a.auDepart);
        }
        for (const QString& trouvee : actions.keys())
            QVERIFY2(attendu.contains(trouvee), qPrintable(trouvee + " n'est pas attendue"));

        auto verifie = [&](const QString& etape) {
            for (const Attendu& a : Table)
                if (actions[cle(a)]->isEnabled() != attendu[cle(a)])
                    return etape + QStringLiteral(" : ") + cle(a);
            return QString();
        };
        auto page = [&](char lettre) {
            for (const Attendu& a : Table)
                if (a.pages && !(lettre == 'T' && a.gardeSurT))
                    attendu[cle(a)] = contient(a.pages, lettre);
        };

        QCOMPARE(verifie(QStringLiteral("départ")), QString());

        actions[QStringLiteral("&Fichier|&Nouveau")]->trigger();
        for (const Attendu& a : Table)
            if (a.ouverture != ' ')
                attendu[cle(a)] = a.ouverture == '+';
        page('T');
        QCOMPARE(verifie(QStringLiteral("nouveau")), QString());

        const struct {
            const char* action;
            char page;
        } changements[] = {
            {"&Bases|&Fournisseurs", 'F'},  {"barre|Lots", 'L'},
            {"barre|Quittance", 'Q'},       {"&Bases|&Avis d'échéance", 'A'},
            {"barre|Fiche locataire", 'T'}, {"&Bases|&Commandes", 'C'},
            {"&Bases|&Reçus", 'R'},         {"&Bases|&Locataires", 'T'},
            {"&Bases|L&ots", 'L'},          {"&Bases|&Quittances", 'Q'},
        };
        for (const auto& c : changements) {
            QAction* a = actions[QString::fromUtf8(c.action)];
            QVERIFY2(a->isEnabled(), c.action);
            a->trigger();
            page(c.page);
            QCOMPARE(verifie(QString::fromUtf8(c.action)), QString());
        }
    }

    // Each group of "&Sélection" keeps one check mark, and choosing in one group leaves the
    // others alone.
    void groupesDeSelection() {
        ScriptedQuestions questions;
        TMainForm form;
        const QHash<QString, QAction*> actions = actionsVisibles(form);
        auto coche = [&](const char* texte) {
            return actions[QStringLiteral("&Sélection|") + QString::fromUtf8(texte)]->isChecked();
        };
        auto choisit = [&](const char* texte) {
            QAction* a = actions[QStringLiteral("&Sélection|") + QString::fromUtf8(texte)];
            QVERIFY2(a->isEnabled(), texte);
            a->trigger();
        };
        for (const char* premier :
             {"&Tous les locataires", "T&outes les quittances", "T&ous les avis", "Tous les &lots",
              "Tous les fo&urnisseurs", "Tout&es les commandes"})
            QVERIFY2(coche(premier), premier);

        actions[QStringLiteral("&Fichier|&Nouveau")]->trigger();
        actions[QStringLiteral("&Bases|L&ots")]->trigger();
        choisit("Lots l&ibres");
        actions[QStringLiteral("&Bases|&Fournisseurs")]->trigger();
        questions.repondSaisie(QStringLiteral("75005"));
        choisit("Co&de postal...");
        QVERIFY(!coche("Tous les fo&urnisseurs"));
        QVERIFY(coche("Co&de postal..."));
        QVERIFY(!coche("V&ille..."));
        questions.repondSaisie(QStringLiteral("paris"));
        choisit("V&ille...");
        QVERIFY(!coche("Tous les fo&urnisseurs"));
        QVERIFY(!coche("Co&de postal..."));
        QVERIFY(coche("V&ille..."));
        QVERIFY(coche("Lots l&ibres"));
        QVERIFY(!coche("Tous les &lots"));
        QVERIFY(coche("&Tous les locataires"));
        QCOMPARE(form.fiche().selections().modeSelFour, 3);
        QCOMPARE(form.fiche().selections().modeSelLot, 4);
        QCOMPARE(form.fiche().selections().modeSelLoc, 1);
        QCOMPARE(form.fiche().selections().cpSel, QStringLiteral("75005"));
        QCOMPARE(form.fiche().selections().villeSel, QStringLiteral("PARIS"));

        // The same entry chosen again keeps its check mark.
        questions.repondSaisie(QStringLiteral("Lyon"));
        choisit("V&ille...");
        QVERIFY(coche("V&ille..."));
        QVERIFY(questions.imprevues().isEmpty());
    }

    void tailleInitiale_data() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<bool>("maximisee");
        QTest::newRow("801") << 801 << false;
        QTest::newRow("1280") << 1280 << false;
        QTest::newRow("800") << 800 << true;
        QTest::newRow("640") << 640 << true;
    }
    void tailleInitiale() {
        QFETCH(int, largeur);
        QFETCH(bool, maximisee);
        TMainForm form;
        form.tailleInitiale(largeur);
        QCOMPARE(form.isMaximized() || (form.windowState() & Qt::WindowMaximized), maximisee);
        if (!maximisee)
            QCOMPARE(form.size(), QSize(800, 600));
    }

    // Panel 1 of the status bar shows the time; a hint never covers the panels.
    void barreEtat() {
        Clock::Fixed horloge(QDateTime(QDate(2024, 3, 5), QTime(14, 3, 27)));
        TMainForm form;
        QStringList textes;
        for (QLabel* panneau : form.statusBar()->findChildren<QLabel*>())
            textes << panneau->text();
        QCOMPARE(textes, QStringList({QString(), QStringLiteral("14:03:27")}));
        QStatusTipEvent aide(QStringLiteral("Ouvrir"));
        QCoreApplication::sendEvent(&form, &aide);
        QCOMPARE(form.statusBar()->currentMessage(), QString());
    }

    // The "?" entries open the help window on its summary, its search field and the page on
    // using it; F1 in an open menu opens the page of the menu's help context.
    void aide() {
        TMainForm form;
        form.show();
        form.action(Action::AideIndex)->trigger();
        TAide* aide = form.findChild<TAide*>();
        QVERIFY(aide && aide->isVisible());
        QCOMPARE(aide->navigateur()->source().fileName(), QStringLiteral("index.html"));
        form.action(Action::UtiliserAide)->trigger();
        QCOMPARE(aide->navigateur()->documentTitle(), QStringLiteral("Utiliser l'aide"));
        form.action(Action::AideRechercher)->trigger();
        QCOMPARE(aide->focusWidget(), aide->champRecherche());

        const std::pair<const char*, const char*> menus[] = {{"&Fichier", "fichier.html"},
                                                             {"&Edition", "edition.html"},
                                                             {"&Bases", "bases.html"},
                                                             {"&Location", "location.html"},
                                                             {"&Achat", "achat.html"},
                                                             {"&Sélection", "selection.html"},
                                                             {"&Outils", "outils.html"},
                                                             {"&Paramètres", "parametres.html"},
                                                             {"&Utilitaires", "utilitaires.html"},
                                                             {"&?", "aide.html"}};
        for (const auto& [titre, page] : menus) {
            QMenu* menu = nullptr;
            for (QAction* a : form.menuBar()->actions())
                if (a->text() == QString::fromUtf8(titre))
                    menu = a->menu();
            QVERIFY2(menu, titre);
            QTest::keyClick(menu, Qt::Key_F1);
            QCOMPARE(aide->navigateur()->source().fileName(), QString::fromLatin1(page));
        }
    }

    // The desk tools open as modal windows.
    void utilitaires() {
        TMainForm form;
        form.show();
        const std::pair<Action, const char*> outils[] = {
            {Action::Calculatrice, "TPocket"},   {Action::EuroConversion, "TEurof"},
            {Action::Calendrier, "TCalendrier"}, {Action::Horloge, "THorloge"},
            {Action::BlocNotes, "TBlocnotes"},   {Action::TraitementDeTexte, "TTexte"},
            {Action::Messages, "TFicheMsg"}};
        for (const auto& [c, classe] : outils) {
            QString ouverte;
            QTimer::singleShot(0, [&] {
                if (QWidget* fenetre = QApplication::activeModalWidget()) {
                    ouverte = QString::fromLatin1(fenetre->metaObject()->className());
                    fenetre->close();
                }
            });
            form.action(c)->trigger();
            QCOMPARE(ouverte, QString::fromLatin1(classe));
        }
    }

    // The messages of the open dossier are kept beside it, the notepad in the start-up
    // directory; the word processor heads a new letter with the owner's lines.
    void toolFiles() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        questions.repondFichier(dupont);
        form.Ouvrir();
        form.fiche().SetProprio({"Jean Martin", "12 rue des Lilas", "", "69001 Lyon"});
        const auto dansLaFenetre = [](const std::function<void(QWidget*)>& action) {
            QTimer::singleShot(0, [action] {
                QWidget* fenetre = QApplication::activeModalWidget();
                QVERIFY(fenetre);
                action(fenetre);
                fenetre->close();
            });
        };
        dansLaFenetre([](QWidget* pad) {
            for (QLineEdit* champ : pad->findChildren<QLineEdit*>())
                if (champ->accessibleName() == "Objet")
                    champ->setText("Ravalement");
        });
        form.action(Action::Messages)->trigger();
        QCOMPARE(contenu(dir.filePath("DUPONT.oms")),
                 QByteArray("\t\t\t\t\t\tRavalement\tFFFFF\r\n"));

        dansLaFenetre([](QWidget* bloc) {
            QTest::keyClicks(bloc->findChild<QPlainTextEdit*>("Memo1"), "Appeler");
        });
        form.action(Action::BlocNotes)->trigger();
        QCOMPARE(contenu(QDir(form.startDir()).filePath("Dravenel.nte")),
                 QByteArray("Appeler\r\n"));

        QString entete;
        dansLaFenetre([&entete](QWidget* texte) {
            QTest::mouseClick(texte->findChild<QAbstractButton*>("SpeedButton1"), Qt::LeftButton);
            entete = texte->findChild<QTextEdit*>("RichEdit1")->toPlainText();
        });
        form.action(Action::TraitementDeTexte)->trigger();
        QCOMPARE(entete, QString("Jean Martin\n12 rue des Lilas\n\n69001 Lyon\n"));
        QVERIFY(questions.imprevues().isEmpty());
    }

    // The About box gives the version, the licence, the dossier open and where the settings
    // are; each value is named by its label.
    void aPropos() {
        TAbout boite("/home/martin/dupont.loc", "/home/martin");
        QStringList textes;
        for (QLabel* etiquette : boite.findChildren<QLabel*>())
            if (!etiquette->text().isEmpty())
                textes << etiquette->text();
        QCOMPARE(textes,
                 QStringList({"Tarvinel", "Version 1.0", "Gestion des locations immobilières",
                              "Licence :", "Logiciel propriétaire, tous droits réservés",
                              "Dossier :", "/home/martin/dupont.loc",
                              "Réglages :", "/home/martin/Tarvinel.ini"}));
        QStringList noms;
        for (QLabel* etiquette : boite.findChildren<QLabel*>())
            if (!etiquette->accessibleName().isEmpty())
                noms << etiquette->accessibleName() + "=" + etiquette->text();
        QCOMPARE(noms, QStringList({"Licence=Logiciel propriétaire, tous droits réservés",
                                    "Dossier=/home/martin/dupont.loc",
                                    "Réglages=/home/martin/Tarvinel.ini"}));
        const TAbout sansDossier("", "/home/martin");
        QStringList dossier;
        for (QLabel* etiquette : sansDossier.findChildren<QLabel*>())
            if (etiquette->accessibleName() == "Dossier")
                dossier << etiquette->text();
        QCOMPARE(dossier, QStringList("aucun dossier ouvert"));
        QVERIFY(boite.findChild<QAbstractButton*>());
        QCOMPARE(boite.findChild<QAbstractButton*>()->text(), QStringLiteral("OK"));
    }
};

QTEST_MAIN(TstTMainForm)
#include "tst_tmainform.moc"
