#include "tfiche.h"

#include "common/textfile.h"

#include <QFileInfo>

TFiche::TFiche(QObject* parent) : QObject(parent) {}

void TFiche::setPageActive(Base b) {
    if (m_pageActive == b)
        return;
    m_pageActive = b;
    emit pageActiveChange(b);
}

void TFiche::setTitre(const QString& path) {
    const QString titre = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    if (titre == m_titre)
        return;
    m_titre = titre;
    emit titreChange(m_titre);
}

void TFiche::relitPages() {
    for (TPage* page : m_pages)
        if (page)
            page->lit();
}

void TFiche::Nouveau() {
    for (TListeBase& b : m_bases) {
        b.clear();
        b.nb = 0;
        b.courant = 0;
    }
    m_dossierModifie = false;
    m_fichiers.fill(QString());
    setTitre(QString());
    relitPages();
    setPageActive(Base::Locataires);
}

void TFiche::Synchro() {
    const QString stem = ficLoc().chopped(qMin<qsizetype>(3, ficLoc().size()));
    for (Base b : ToutesLesBases)
        if (b != Base::Locataires)
            m_fichiers[indexOf(b)] = ficLoc().isEmpty() ? QString()
                                                        : resolveFileName(stem + extensionOf(b));
}

void TFiche::Charge(const QString& path) {
    // Every file is read before any base changes, so that an unreadable file leaves the
    // dossier in memory as it was. A missing file gives an empty base: nothing of the
    // dossier open before can leak into this one.
    m_fichiers.fill(QString());
    if (TextFile::exists(path))
        m_fichiers[indexOf(Base::Locataires)] = path;
    Synchro();
    std::array<QStringList, NbBases> contents;
    for (Base b : ToutesLesBases)
        if (TextFile::exists(fichier(b)))
            contents[indexOf(b)] = TextFile::read(fichier(b));

    setTitre(path);
    m_dossierModifie = false;
    auto loadBase = [&](Base b) {
        TListeBase& liste = base(b);
        liste.assign(contents[indexOf(b)]);
        liste.nb = liste.countBlocks();
        liste.courant = 0;
        if (liste.verif())
            m_dossierModifie = true;
        liste.doublons();
    };
    loadBase(Base::Locataires);
    for (Base b : OrdreChargement)
        loadBase(b);
    relitPages();
}

void TFiche::Sauve(const QString& path) {
    if (!m_dossierModifie)
        return;
    for (TListeBase& b : m_bases)
        b.squize();
    m_fichiers[indexOf(Base::Locataires)] = resolveFileName(path);
    Synchro();
    AtomicFileSet files;
    for (Base b : OrdreEcriture)
        files.add(fichier(b), TextFile::encodeLines(base(b).lines(), fichier(b)));
    files.commit();
    m_dossierModifie = false;
    setTitre(path);
}

bool TFiche::TestModif() {
    for (TPage* page : m_pages)
        if (page && page->ecrit())
            m_dossierModifie = true;
    return m_dossierModifie;
}
