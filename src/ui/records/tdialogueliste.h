#pragma once

#include "core/records/tmodeleliste.h"

#include <QDialog>
#include <optional>

class QAbstractItemView;
class QPushButton;
class TListeBase;
struct TDescriptionListe;

// The list dialogs of the record tables (TFListe, TFListe2, TFListe3), the code lists
// (TListeLoc, TListeFour) and the document lists (TQuitListe, TAvisListe, TCmdListe,
// TFactListe), laid out by their description. A double-click on an item or Enter in the
// list chooses it and closes; Escape or the window's close choose nothing.
class TDialogueListe : public QDialog {
    Q_OBJECT

public:
    explicit TDialogueListe(const TDescriptionListe& description, QWidget* parent = nullptr);

    void Init(const TListeBase& base);
    // The record chosen, none when the dialog closed without one.
    std::optional<TChoix> Result() const;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* grille();
    QAbstractItemView* liste();
    QList<QWidget*> fleches();
    // A button that closes choosing the selected item, or choosing nothing.
    QPushButton* bouton(const QString& texte, bool choisitSelection);
    int ligneSelectionnee() const;
    void choisit(int ligne);
    void deplace(TModeleListe::Sens sens);

    const TDescriptionListe& m_description;
    TModeleListe* m_modele;
    QAbstractItemView* m_vue = nullptr;
    int m_choisie = -1;
};
