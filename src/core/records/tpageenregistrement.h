#pragma once

#include "core/records/champs.h"
#include "core/records/tcontextepage.h"
#include "core/records/tgrillehistorique.h"
#include "core/store/tlistebase.h"
#include "core/store/tpage.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QStringList>

// A master-record page (tenants, suppliers, lots) without its widgets: the field texts, the
// memo, the history grid and the entry panel above it, exactly as shown, with the page's
// store and read operations on its base. Views bind to it; a user edit goes through a
// saisit... method, which raises the page's flag.
class TPageEnregistrement : public QObject, public TPage {
    Q_OBJECT

public:
    TPageEnregistrement(const TDescriptionFiche& description, TListeBase& base,
                        const TContextePage& contexte, QObject* parent = nullptr);

    const TDescriptionFiche& description() const { return m_description; }
    TListeBase& base() { return m_base; }
    bool modifie() const { return m_modifie; }

    QString champ(int ligne) const { return m_champs.at(ligne - 1); }
    QString memo() const { return m_memo.join(u'\n'); }
    QStringList lignesMemo() const { return m_memo; }
    TGrilleHistorique& grille() { return m_grille; }

    // User edits. Line breaks cannot enter a one-line field; a text that the dossier's files
    // cannot hold (one read as a block's limit, a character outside their code page) is
    // refused with its message and the field keeps its text.
    void saisitChamp(int ligne, const QString& texte);
    void saisitMemo(const QString& texte);

    // The field being edited: entering it, leaving it, and ending its edit wherever the focus
    // goes, which every store of the page does first.
    void entreChamp(int ligne);
    void quitteChamp(int ligne);
    void termineSaisie();

    // Amount fields: entering shows the bare number; leaving formats it and right-aligns it.
    // A text that is not a number stops with the conversion message and stays as typed.
    void entreMontant(int ligne);
    void quitteMontant(int ligne);

    // The items offered by a choice field.
    QStringList liste(int ligne) const { return m_listes.value(ligne); }
    void setListe(int ligne, const QStringList& items);
    // Leaving a choice field: a picked "number name" item leaves the number and fills the name.
    void quitteChoix(int ligne);
    // Leaving an e-mail field: the address trimmed; a text that is not a plain address is
    // refused with its message and the field gets back what it held before the edit.
    void quitteCourriel(int ligne);

    // The history entry panel and its "OK" button.
    QDate dateHistorique;
    QString libelleHistorique;
    QString montantHistorique;
    void ajouteHistorique();

    // Copier and Coller of the identity fields, through this page's own clipboard.
    void Copier() override;
    void Coller() override;

    bool ecrit() override;
    void lit() override;
    void Nouvelle() override;
    // Shows the card whose number is the whole of `numero`, the page stored first; false, the
    // page showing what it showed, when no card has that number.
    bool litNumero(const QString& numero);

    // The next number of the base (Numerom and its kin); the conversion message when a number
    // of the base is not a whole number.
    int numero() const { return m_base.nextNumber(); }

signals:
    // The whole page changed (a read, a paste): views refresh every widget.
    void relue();
    // One field changed without the user typing it (formatting, a split).
    void champChange(int ligne);
    void historiqueSaisieChange();
    void listeChange(int ligne);

private:
    void setChamp(int ligne, const QString& texte);
    QString montantAligne(const QString& texte, int largeur) const;

    const TDescriptionFiche& m_description;
    TListeBase& m_base;
    const TContextePage& m_contexte;
    QStringList m_champs;
    QStringList m_memo;
    TGrilleHistorique m_grille;
    QStringList m_pressePapiers;
    QHash<int, QStringList> m_listes;
    int m_enSaisie = 0;
    QString m_avantSaisie; // what the field being edited held before the edit
    bool m_modifie = false;
};
