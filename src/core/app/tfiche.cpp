#include "core/app/tfiche.h"

#include "core/app/descriptionbase.h"
#include "core/app/pages.h"
#include "core/app/sauvegardes.h"
#include "core/app/testselection.h"
#include "core/common/clock.h"
#include "core/common/ensemblefichiers.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "core/documents/tpagedocument.h"
#include "core/records/locataire.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A file of a dossier as opening reads it: its base, repaired aside when it needs it, and what
// the file was when read.
struct TFichierLu {
    TListeBase liste;
    SignatureFichier signature;
    bool repare = false;
};

TFichierLu litFichier(const QString& fichier) {
    TFichierLu lu;
    // Only a file that is truly absent is an empty list: anything else there that cannot be
    // read stops the opening with its message.
    if (!TextFile::absent(fichier)) {
        lu.signature = SignatureFichier::etat(fichier);
        lu.signature.octets = TListeBase::octetsFichier(fichier);
        lu.liste.assignBytes(lu.signature.octets);
    }
    if (lu.liste.countBlocks() > TListeBase::MaxBlocs)
        throw UserError(
            QStringLiteral("Le fichier %1 contient plus de %2 fiches : il ne peut pas être ouvert")
                .arg(QDir::toNativeSeparators(fichier))
                .arg(TListeBase::MaxBlocs));
    lu.repare = lu.liste.verif();
    lu.repare = lu.liste.doublons() || lu.repare;
    return lu;
}

} // namespace

TFiche::TFiche(QObject* parent) : QObject(parent) {
    m_contexte.tauxTVA = [this] {
        return std::array<double, 3>{m_reglages.tauxTVA1, m_reglages.tauxTVA2, m_reglages.tauxTVA3};
    };
    for (Base b : ToutesLesBases) {
        m_pagesCreees[indexOf(b)] = creePage(b, base(b), m_contexte);
        setPage(b, m_pagesCreees[indexOf(b)].get());
        if (TPageDocument* document = pageDocument(b))
            connect(document, &TPageDocument::stockee, this, [this] { m_dossierModifie = true; });
    }
    connect(this, &TFiche::listeValeursChange, this, &TFiche::appliqueListe);
    for (ListeValeurs liste :
         {ListeValeurs::TypesLots, ListeValeurs::FamillesFournisseurs, ListeValeurs::Reglements})
        appliqueListe(liste);
    relitPages();
}

void TFiche::appliqueListe(ListeValeurs liste) {
    if (TPageDocument* commandes = pageDocument(Base::Commandes);
        commandes && liste == ListeValeurs::Reglements)
        commandes->setReglements(m_reglages.liste(liste));
    for (Base b : ToutesLesBases)
        if (TPageEnregistrement* p = pageFiche(b))
            for (const TChamp& champ : p->description().champs)
                if (champ.liste == liste)
                    p->setListe(champ.ligne, m_reglages.liste(liste));
}

TFiche::~TFiche() = default;

TPageEnregistrement* TFiche::pageFiche(Base b) const {
    return dynamic_cast<TPageEnregistrement*>(page(b));
}

TPageDocument* TFiche::pageDocument(Base b) const {
    return dynamic_cast<TPageDocument*>(page(b));
}

void TFiche::setPageActive(Base b) {
    if (m_pageActive == b)
        return;
    m_pageActive = b;
    emit pageActiveChange(b);
}

void TFiche::AffichePage(Base b) {
    EcritPage(m_pageActive);
    if (b == Base::Locataires)
        InitLots();
    setPageActive(b);
    if (TPage* p = page(b))
        p->lit();
}

QString TFiche::locataireAffiche(Base b) const {
    const TListeBase& liste = base(b);
    return liste.read(liste.courant(), 3, 4).champs.value(2);
}

void TFiche::InitLots() {
    EcritPage(Base::Lots);
    if (TPageEnregistrement* locataires = pageFiche(Base::Locataires))
        locataires->setListe(Locataire::NumLot, Locataire::listeLots(base(Base::Lots)));
}

void TFiche::Copier() {
    if (TPage* p = page(m_pageActive))
        p->Copier();
}

void TFiche::Coller() {
    if (TPage* p = page(m_pageActive))
        p->Coller();
}

void TFiche::setTitre(const QString& path) {
    const QString titre = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    if (titre == m_titre)
        return;
    m_titre = titre;
    emit titreChange(m_titre);
}

TListeBase& TFiche::liste(int fichier) {
    return fichier < NbBases ? m_bases[fichier] : m_annexes[fichier - NbBases];
}

void TFiche::retablit(const TEtatDossier& etat) {
    m_bases = etat.bases;
    m_annexes = etat.annexes;
    m_dossierModifie = etat.modifie;
    relitPages();
}

void TFiche::relitPages() {
    for (TPage* page : m_pages)
        if (page)
            page->lit();
}

void TFiche::Nouveau() {
    for (int f = 0; f < NbFichiers; ++f) {
        TListeBase& b = liste(f);
        b.clear();
        b.allerA(0);
    }
    m_dossierModifie = false;
    m_lectureSeule = false;
    m_fichiers.fill(QString());
    m_signatures.fill({});
    setTitre(QString());
    InitLots();
    relitPages();
    setPageActive(Base::Locataires);
}

void TFiche::Synchro() {
    m_fichiers = cheminsDossier(ficLoc());
}

std::array<QString, NbFichiers> TFiche::cheminsDossier(const QString& principal) {
    std::array<QString, NbFichiers> chemins;
    chemins[indexOf(Base::Locataires)] = principal;
    if (principal.isEmpty())
        return chemins;
    const QString stem = principal.chopped(qMin<qsizetype>(3, principal.size()));
    for (int f = 0; f < NbFichiers; ++f)
        if (f != indexOf(Base::Locataires))
            chemins[f] = resolveFileName(stem + extensionFichier(f));
    return chemins;
}

void TFiche::Charge(const QString& path, bool lectureSeule) {
    // Opening is all or nothing: the seven bases and the extra files are read, decoded and repaired
    // aside, and the open dossier is replaced only once all of that succeeded. A missing file gives
    // an empty base: nothing of the dossier open before can leak into this one. A save that stopped
    // part-way is finished or undone first.
    if (!lectureSeule)
        RepareDossier(path);
    const std::array<QString, NbFichiers> fichiers =
        cheminsDossier(TextFile::exists(path) ? path : QString());
    std::array<TFichierLu, NbFichiers> lus;
    for (int f = 0; f < NbFichiers; ++f)
        lus[f] = litFichier(fichiers[f]);

    bool modifie = false;
    for (int f = 0; f < NbFichiers; ++f) {
        liste(f) = std::move(lus[f].liste);
        m_signatures[f] = lus[f].signature;
        modifie = modifie || lus[f].repare;
    }
    m_fichiers = fichiers;
    m_dossierModifie = modifie;
    m_lectureSeule = lectureSeule;
    setTitre(path);
    relitPages();
    InitLots();
    Premier();
}

QString TFiche::journalDe(const QString& principal) {
    return principal + QStringLiteral(".journal~");
}

void TFiche::RepareDossier(const QString& principal) {
    if (principal.isEmpty())
        return;
    const std::array<QString, NbFichiers> fichiers = cheminsDossier(principal);
    AtomicFileSet::recover(journalDe(principal), QStringList(fichiers.begin(), fichiers.end()),
                           Sauvegardes::enCours(principal));
    // A save finished here keeps no more copies than a save that finished itself.
    Sauvegardes::elague(principal);
}

void TFiche::ecritDossier(const std::array<QString, NbFichiers>& fichiers,
                          const std::function<void(AtomicFileSet&, int)>& contenu) {
    const QString& principal = fichiers[indexOf(Base::Locataires)];
    RepareDossier(principal);
    AtomicFileSet files;
    for (Base b : OrdreEcriture)
        contenu(files, indexOf(b));
    for (const TAnnexe& a : Annexes)
        contenu(files, fichierOf(a.annexe));
    files.commit(journalDe(principal),
                 {Sauvegardes::nouvelle(principal, Clock::now()), Sauvegardes::enCours(principal)});
    Sauvegardes::elague(principal);
}

void TFiche::noteSignatures(const std::array<QByteArray, NbFichiers>& ecrits) {
    for (int f = 0; f < NbFichiers; ++f) {
        SignatureFichier& signature = m_signatures[f];
        signature = SignatureFichier::etat(m_fichiers[f]);
        signature.octets = ecrits[f];
    }
}

QStringList TFiche::fichiersChanges() const {
    QStringList changes;
    if (ficLoc().isEmpty())
        return changes;
    for (int f = 0; f < NbFichiers; ++f)
        if (!m_signatures[f].decrit(m_fichiers[f]))
            changes.append(m_fichiers[f]);
    return changes;
}

void TFiche::refuseLectureSeule(const QString& path) const {
    if (m_lectureSeule && !ficLoc().isEmpty() &&
        QFileInfo(resolveFileName(path)).absoluteFilePath() ==
            QFileInfo(ficLoc()).absoluteFilePath())
        throw UserError(QStringLiteral("Le dossier %1 est ouvert en lecture seule : enregistrez "
                                       "vos changements sous un autre nom")
                            .arg(QFileInfo(ficLoc()).fileName()));
}

void TFiche::Sauve(const QString& path) {
    if (!m_dossierModifie)
        return;
    refuseLectureSeule(path);
    for (int f = 0; f < NbFichiers; ++f)
        liste(f).squize();
    const std::array<QString, NbFichiers> fichiers = cheminsDossier(resolveFileName(path));
    std::array<QByteArray, NbFichiers> ecrits;
    for (int f = 0; f < NbFichiers; ++f)
        ecrits[f] = liste(f).bytes(fichiers[f]);
    ecritDossier(fichiers, [&](AtomicFileSet& files, int f) { files.add(fichiers[f], ecrits[f]); });
    // Each base now stands on the bytes of its file, as if it had just been opened: the texts
    // of the lines changed since are let go.
    for (int f = 0; f < NbFichiers; ++f)
        liste(f).assignBytes(ecrits[f]);
    m_fichiers = fichiers;
    noteSignatures(ecrits);
    m_dossierModifie = false;
    m_lectureSeule = false;
    setTitre(path);
}

void TFiche::Restaure(const QString& copie) {
    const QString principal = ficLoc();
    refuseLectureSeule(principal);
    // A copy that lacks one of its files is refused: restoring it would empty that base.
    if (const QString manque = Sauvegardes::manquant(resolveFileName(copie)); !manque.isEmpty())
        throw UserError(QStringLiteral("La sauvegarde est incomplète : le fichier %1 manque")
                            .arg(QDir::toNativeSeparators(manque)));
    // A copy made before the dossier had an extra file gives it back empty.
    const std::array<QString, NbFichiers> sources =
        Sauvegardes::fichiersCopie(resolveFileName(copie));
    std::array<QByteArray, NbFichiers> contenus;
    for (int f = 0; f < NbFichiers; ++f)
        if (f < NbBases || !TextFile::absent(sources[f]))
            contenus[f] = TListeBase::octetsFichier(sources[f]);
    const std::array<QString, NbFichiers> fichiers = cheminsDossier(principal);
    ecritDossier(fichiers,
                 [&](AtomicFileSet& files, int f) { files.add(fichiers[f], contenus[f]); });
    Charge(principal);
}

bool TFiche::TestModif() {
    for (Base b : ToutesLesBases)
        EcritPage(b);
    return m_dossierModifie;
}

void TFiche::EcritPage(Base b) {
    if (TPage* p = page(b); p && p->ecrit())
        m_dossierModifie = true;
}

void TFiche::Deplace(Mouvement mouvement) {
    const Base b = m_pageActive;
    TListeBase& liste = base(b);
    const TTestBloc test = testSelection(b, m_selections, Clock::today());
    if (!test) {
        // With fewer than two blocks the moves to the end do nothing at all, except that the
        // payment-receipt page is stored first and the supplier page moves to the next key.
        const bool gardee = mouvement == Mouvement::Dernier ||
                            (mouvement == Mouvement::Suivant && b != Base::Fournisseurs);
        if (gardee && liste.nb() < 2) {
            if (b == Base::Recus)
                EcritPage(b);
            return;
        }
    }
    EcritPage(b);
    liste.allerA(test ? cleSelection(mouvement, liste.courant(), liste, test)
                      : cleLibre(mouvement, liste.courant(), liste.nb()));
    if (TPage* p = page(b))
        p->lit();
}

void TFiche::Ajout() {
    const Base b = m_pageActive;
    if (b != Base::Locataires && b != Base::Fournisseurs && b != Base::Lots)
        return;
    EcritPage(b);
    TListeBase& liste = base(b);
    if (liste.nb() >= TListeBase::MaxBlocs)
        throw UserError(QStringLiteral("Le fichier est plein"));
    liste.allerA(liste.nb());
    if (TPage* p = page(b))
        p->Nouvelle();
}

bool TFiche::listeDisponible() const {
    return pageFiche(m_pageActive) && base(m_pageActive).lineCount() >= 21;
}

void TFiche::AfficheChoix(int key) {
    TListeBase& liste = base(m_pageActive);
    TPage* p = page(m_pageActive);
    if (!p || key < 0 || key > liste.nb())
        return;
    liste.allerA(key);
    p->lit();
}

void TFiche::Supprime() {
    // Only the record a page shows is ever deleted; a page that shows none deletes nothing.
    const Base b = m_pageActive;
    TPage* p = page(b);
    if (!p)
        return;
    TListeBase& liste = base(b);
    liste.supprime(liste.courant());
    m_dossierModifie = true;
    p->lit();
}

TCarteTiers TFiche::carteTiers(Base b) const {
    const TPageEnregistrement* tiers = pageFiche(b);
    return tiers ? TCarteTiers::depuisPage(*tiers) : TCarteTiers{};
}

void TFiche::NouvDocument(Base b) {
    TPageDocument* document = pageDocument(b);
    if (!document)
        return;
    const TCarteTiers carte = carteTiers(document->description().baseTiers);
    AffichePage(b);
    document->CreePour(carte);
}

void TFiche::ChoisitTiers(Base b, const QString& numero) {
    if (TPageDocument* document = pageDocument(b)) {
        const Base tiers = document->description().baseTiers;
        EcritPage(tiers);
        document->choisitTiers(numero, base(tiers));
    }
}

bool TFiche::ValideDocument(Base b) {
    TPageDocument* document = pageDocument(b);
    TPageEnregistrement* tiers = document ? pageFiche(document->description().baseTiers) : nullptr;
    return tiers && document->Valider(*tiers);
}

bool TFiche::LitLoc(const QString& numero) {
    TPageEnregistrement* locataires = pageFiche(Base::Locataires);
    if (!locataires)
        return false;
    EcritPage(Base::Locataires);
    return locataires->litNumero(numero);
}

void TFiche::Arrivee(const TMontantsLoyer& montants) {
    TPageDocument* quittances = pageDocument(Base::Quittances);
    if (!quittances || montants.loyer.trimmed().isEmpty())
        return;
    TCarteTiers carte = carteTiers(Base::Locataires);
    carte.montants = {montants.loyer, montants.charges, montants.taxes, QString()};
    AffichePage(Base::Quittances);
    quittances->CreePour(carte);
}
