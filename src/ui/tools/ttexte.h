#pragma once

#include "core/tools/regle.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QComboBox;
class QHBoxLayout;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;
class TRegle;

// The word processor: letters in RTF files, written with a toolbar for fonts and paragraphs
// and a ruler whose markers set the indents. A new letter starts with the owner's letterhead.
// Nothing typed is lost without a question: closing, starting a new letter and opening
// another file first offer to save the changes.
class TTexte : public QDialog {
    Q_OBJECT

public:
    explicit TTexte(QWidget* parent = nullptr);

    // The letterhead of new letters: the first four owner lines.
    void Setsoc(const QString& ligne1, const QString& ligne2, const QString& ligne3,
                const QString& ligne4);

    // The toolbar's file commands.
    void Nouveau();
    void Ouvrir();
    // Saves a modified letter under the name chosen in the save dialog; true when the letter
    // is saved (or had nothing to save).
    bool Enregistrer();
    void Imprimer();

    QString nomFichier() const { return m_nomFichier; }

public slots:
    // Closing asks first whether to save the changes; "Annuler" keeps the window open.
    void reject() override;

private:
    void creeBarre(QHBoxLayout* barre);
    QToolButton* bouton(QHBoxLayout* barre, const QString& nom, const QString& bulle,
                        const QIcon& icone, bool bascule = false);
    // Ruler and toolbar follow the paragraph and the format at the caret (SelectionChange).
    void SelectionChange();
    // The toolbar changes the selection, or the format of the text typed next.
    void appliqueCaractere(const QTextCharFormat& format);
    void appliqueRetraits(const TRetraits& retraits);
    void appliqueAlignement(Qt::Alignment alignement);
    void appliquePuces(bool puces);
    void choisitPolice();
    bool questionEnregistrer();
    // The file chosen in the save dialog, ".rtf" added; empty when it is cancelled.
    QString choisitFichier(const QString& propose);

    QTextEdit* m_edit;
    TRegle* m_regle;
    QComboBox* m_police = nullptr;
    QSpinBox* m_taille = nullptr;
    QToolButton* m_gras = nullptr;
    QToolButton* m_italique = nullptr;
    QToolButton* m_souligne = nullptr;
    QToolButton* m_puces = nullptr;
    std::array<QToolButton*, 3> m_alignements{};
    std::array<QString, 4> m_entete;
    QString m_nomFichier;
    // The letter on screen is the file m_nomFichier, as opened or last saved.
    bool m_texteDuFichier = false;
    // What the file opened holds that the letter does not keep ("images"...).
    QStringList m_omis;
    bool m_majEnCours = false;
};
