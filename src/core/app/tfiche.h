#pragma once

#include "store/bases.h"
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

    void Nouveau();
    void Charge(const QString& path);
    void Sauve(const QString& path);
    void Synchro();
    // Stores the page of every base, then tells whether the dossier differs from its files.
    bool TestModif();

signals:
    void titreChange(const QString& titre);
    void pageActiveChange(Base page);

private:
    void setTitre(const QString& path);
    void relitPages();

    std::array<TListeBase, NbBases> m_bases;
    std::array<TPage*, NbBases> m_pages{};
    std::array<QString, NbBases> m_fichiers;
    QString m_titre;
    Base m_pageActive = Base::Locataires;
    bool m_dossierModifie = false;
};
