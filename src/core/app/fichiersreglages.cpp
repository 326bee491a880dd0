#include "core/app/fichiersreglages.h"

#include "core/common/conversions.h"
#include "core/common/cp1252.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <QDir>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <variant>

namespace FichiersReglages {

namespace {

template <class... Fs> struct Overloaded : Fs... { using Fs::operator()...; };
template <class... Fs> Overloaded(Fs...) -> Overloaded<Fs...>;

// One line of "Tarvinel.ini" and the value it holds.
using ChampIni = std::variant<int*, double*, QString*>;

std::array<ChampIni, 18> champsIni(QString& chemin, TReglages& r, TSelections& s) {
    return {&chemin,          &r.autoOuvrir,   &r.typePapier,    &r.orientationEnveloppe,
            &r.decalageGuide, &s.modeSelLoc,   &s.cpSel,         &s.villeSel,
            &r.tauxTVA1,      &r.tauxTVA2,     &r.tauxTVA3,      &r.nbDecimales,
            &r.compteClients, &r.compteLoyers, &r.compteCharges, &r.compteTVA,
            &r.compteTaxe,    &r.compteAPL};
}

const std::array<QString, 4> SectionsCbx = {
    QStringLiteral("[TYPE]"), QStringLiteral("[FOURNISSEUR]"), QStringLiteral("[REGLEMENT]"),
    QStringLiteral("[CHARGES]")};

QString fichier(const QString& repertoire, const QString& nom) {
    return resolveFileName(QDir(repertoire).filePath(nom));
}

std::optional<int> lisEntier(const QString& texte) {
    try {
        return StrToInt(texte.trimmed());
    } catch (const UserError&) {
        return std::nullopt;
    }
}

// The plain number syntax, whatever the regional settings: "19.6", "-0.5", "1.96E+0001".
std::optional<double> lisReel(const QString& texte) {
    const QByteArray ascii = texte.trimmed().toLatin1();
    const char* debut = ascii.constData();
    const char* const fin = debut + ascii.size();
    if (debut != fin && *debut == '+' && ++debut != fin && *debut == '-')
        return std::nullopt;
    double valeur = 0;
    const auto [lu, erreur] = std::from_chars(debut, fin, valeur);
    if (erreur != std::errc() || lu != fin || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

// Scientific notation with a point, the fewest digits that read back as the same value.
QString ecritReel(double valeur) {
    char texte[32];
    const auto fin =
        std::to_chars(texte, texte + sizeof texte, valeur, std::chars_format::scientific).ptr;
    return QString::fromLatin1(texte, fin - texte).toUpper();
}

void ecrit(const QString& repertoire, const QString& nom, const QStringList& lignes) {
    for (const QString& ligne : lignes)
        if (const QString message = refusLigne(ligne, nom); !message.isEmpty())
            throw UserError(message);
    TextFile::write(fichier(repertoire, nom), lignes);
}

// A settings file holds a few short lines and value lists; far larger is none of ours.
constexpr qint64 MaxOctetsReglages = 1024 * 1024;

} // namespace

bool existe(const QString& repertoire, const QString& nom) {
    return TextFile::exists(fichier(repertoire, nom));
}

void ChargeIni(const QString& repertoire, QString& chemin, TReglages& reglages,
               TSelections& selections) {
    const QString nom = fichier(repertoire, NomIni);
    if (!TextFile::exists(nom))
        return;
    const QStringList lignes = TextFile::read(nom, MaxOctetsReglages);
    const auto champs = champsIni(chemin, reglages, selections);
    for (std::size_t i = 0; i < champs.size(); ++i) {
        const QString ligne = qsizetype(i) < lignes.size() ? lignes[i] : QString();
        std::visit(Overloaded{[&](int* v) { *v = lisEntier(ligne).value_or(0); },
                              [&](double* v) { *v = lisReel(ligne).value_or(0); },
                              [&](QString* v) { *v = ligne; }},
                   champs[i]);
    }
    if (reglages.autoOuvrir != 1)
        chemin.clear();
}

QString SauveIni(const QString& repertoire, const QString& chemin, const TReglages& reglages,
                 const TSelections& selections) {
    // A value that the file cannot hold is written empty and reported: every other setting is
    // kept. A dossier whose path cannot be written is only forgotten.
    QStringList avertissements;
    QString c = chemin;
    TReglages r = reglages;
    TSelections s = selections;
    QStringList lignes;
    for (const ChampIni& champ : champsIni(c, r, s)) {
        QString ligne = std::visit(Overloaded{[](int* v) { return QString::number(*v); },
                                              [](double* v) { return ecritReel(*v); },
                                              [](QString* v) { return *v; }},
                                   champ);
        if (!refusLigne(ligne, NomIni).isEmpty()) {
            avertissements.append(
                lignes.isEmpty()
                    ? QStringLiteral("Le dossier %1 ne pourra pas être rouvert automatiquement : "
                                     "son nom ne peut pas être enregistré dans le fichier %2")
                          .arg(QDir::toNativeSeparators(ligne), NomIni)
                    : QStringLiteral("La valeur « %1 » ne peut pas être enregistrée dans le "
                                     "fichier %2 : elle est laissée vide")
                          .arg(ligne, NomIni));
            ligne.clear();
        }
        lignes.append(ligne);
    }
    ecrit(repertoire, NomIni, lignes);
    return avertissements.join(u'\n');
}

void ChargeSoc(const QString& repertoire, LignesProprio& lignes) {
    const QString nom = fichier(repertoire, NomSoc);
    if (!TextFile::exists(nom))
        return;
    const QStringList lues = TextFile::read(nom, MaxOctetsReglages);
    for (std::size_t k = 0; k < lignes.size(); ++k)
        lignes[k] = qsizetype(k) < lues.size() ? lues[k] : QString();
}

void SauveSoc(const QString& repertoire, const LignesProprio& lignes) {
    ecrit(repertoire, NomSoc, QStringList(lignes.begin(), lignes.end()));
}

void ChargeCombo(const QString& repertoire, TReglages& reglages) {
    const QString nom = fichier(repertoire, NomCbx);
    if (!TextFile::exists(nom))
        return;
    const QStringList lignes = TextFile::read(nom, MaxOctetsReglages);
    // A list whose section the file lacks, written before the list existed, keeps what it
    // offers by default.
    for (std::size_t i = 0; i < SectionsCbx.size(); ++i)
        if (lignes.contains(SectionsCbx[i]))
            reglages.listes[i].clear();
    QStringList* courante = nullptr;
    for (const QString& ligne : lignes) {
        const auto section = std::find(SectionsCbx.begin(), SectionsCbx.end(), ligne);
        if (section != SectionsCbx.end())
            courante = &reglages.listes[section - SectionsCbx.begin()];
        else if (courante)
            courante->append(ligne);
    }
}

void SauveCombo(const QString& repertoire, const TReglages& reglages) {
    QStringList lignes;
    for (std::size_t i = 0; i < SectionsCbx.size(); ++i) {
        lignes.append(SectionsCbx[i]);
        for (const QString& valeur : reglages.listes[i]) {
            if (const QString message = refusValeurListe(valeur); !message.isEmpty())
                throw UserError(message);
            lignes.append(valeur);
        }
    }
    ecrit(repertoire, NomCbx, lignes);
}

QString refusLigne(const QString& texte, const QString& nomFichier) {
    if (texte.contains(u'\r') || texte.contains(u'\n'))
        return QStringLiteral("Un retour à la ligne ne peut pas être enregistré dans le "
                              "fichier %1")
            .arg(nomFichier);
    return Cp1252::refus(texte, QStringLiteral("le fichier ") + nomFichier);
}

QString refusValeurListe(const QString& texte) {
    if (std::find(SectionsCbx.begin(), SectionsCbx.end(), texte) != SectionsCbx.end())
        return QStringLiteral("« %1 » est un titre de section du fichier %2 et ne peut pas "
                              "figurer dans une liste")
            .arg(texte, NomCbx);
    return refusLigne(texte, NomCbx);
}

} // namespace FichiersReglages
