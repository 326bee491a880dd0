#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

// The help window: the summary or the pages found on the left, under the search field; the page
// on the right, its links followed, with the way back and forth.
class TAide : public QWidget {
    Q_OBJECT

public:
    explicit TAide(QWidget* parent = nullptr);

    // Shows a page of the help ("locataire.html") and brings the window to the front.
    void montre(const QString& fichier);
    // Brings the window to the front, the search field ready to take words.
    void recherche();

    QTextBrowser* navigateur() const { return m_navigateur; }
    QLineEdit* champRecherche() const { return m_recherche; }
    QListWidget* liste() const { return m_liste; }

private:
    // The summary when the field is empty, else the pages that hold its words.
    void filtre();
    void remplit(const QStringList& fichiers);
    void presente();

    QLineEdit* m_recherche;
    QListWidget* m_liste;
    QTextBrowser* m_navigateur;
};
