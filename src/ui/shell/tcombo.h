#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

// Edits a list of values: Enter or the validate button replaces the selected item by the
// text typed, or appends the text when no item is selected; a click copies an item into the
// edit; Delete removes the selected item. Closing keeps every change.
class TCombo : public QDialog {
    Q_OBJECT

public:
    TCombo(const QString& titre, const QString& libelle, QWidget* parent = nullptr);

    void Init(const QStringList& valeurs);
    QStringList Result() const;

private:
    void valide();
    void supprime();
    void copieSelection();
    void deselectionne();

    QLineEdit* m_edit;
    QListWidget* m_liste;
};
