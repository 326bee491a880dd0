#pragma once

#include "store/bases.h"
#include "store/navigation.h"
#include "store/selections.h"
#include "store/tlistebase.h"
#include "store/tpage.h"

#include <QObject>
#include <array>

// The record window without its widgets: it owns the seven bases of the open dossier, their
// pages and the dossier-wide state, and loads and saves the dossier's seven files.
class TFiche : public QObject {
    Q_OBJECT

public:
    explicit TFiche(QObject* parent = nullptr);

    TListeBase& base(Base b) { return m_bases[indexOf(b)]; }
    const TListeBase& base(Base b) const { return m_bases[indexOf(b)]; }

    // The page that shows a base; pages register themselves when they are created.
    void setPage(Base b, TPage* page) { m_pages[indexOf(b)] = page; }
    TPage* page(Base b) const { return m_pages[indexOf(b)]; }

    Base pageActive() const { return m_pageActive; }
    void setPageActive(Base b);

    // The main file's path (FicLoc) and the companion paths derived from it.
    QString ficLoc() const { return m_fichiers[indexOf(Base::Locataires)]; }
    QString fichier(Base b) const { return m_fichiers[indexOf(b)]; }
    // The window title: the file name part of the dossier's path.
    QString titre() const { return m_titre; }

    bool dossierModifie() const { return m_dossierModifie; }
    void SetSauve() { m_dossierModifie = true; }

    TSelections& selections() { return m_selections; }
    const TSelections& selections() const { return m_selections; }

    void Nouveau();
    void Charge(const QString& path);
    void Sauve(const QString& path);
    void Synchro();
    // Stores the page of every base, then tells whether the dossier differs from its files.
    bool TestModif();

    // Stores the page of a base into it when the page was edited.
    void EcritPage(Base b);
    // The moves on the page on screen: store it, go to the new key, read it.
    void Deplace(Mouvement mouvement);
    void Premier() { Deplace(Mouvement::Premier); }
    void Precedent() { Deplace(Mouvement::Precedent); }
    void Suivant() { Deplace(Mouvement::Suivant); }
    void Dernier() { Deplace(Mouvement::Dernier); }
    // A new record on the tenant, supplier or lot page on screen; it becomes a block of the
    // base only when its page is stored, so that keys stay dense.
    void Ajout();
    // Deletes the record on screen and shows the one that takes its key.
    void Supprime();

signals:
    void titreChange(const QString& titre);
    void pageActiveChange(Base page);

private:
    void setTitre(const QString& path);
    void relitPages();

    std::array<TListeBase, NbBases> m_bases;
    std::array<TPage*, NbBases> m_pages{};
    std::array<QString, NbBases> m_fichiers;
    TSelections m_selections;
    QString m_titre;
    Base m_pageActive = Base::Locataires;
    bool m_dossierModifie = false;
};
