#include "dossiergen.h"

#include "core/store/bases.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>

#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace {

// Every value is drawn from these lists by the block's index, so that the dossier is the
// same at every run.
const QStringList kPrenoms = {"Hélène",   "Jérôme", "François", "Zoé",     "Noël",  "Bénédicte",
                              "Gaëlle",   "Loïc",   "Cécile",   "Agnès",   "Irène", "Frédéric",
                              "Séverine", "Anaïs",  "Stéphane", "Thérèse", "André", "Maëlle"};
const QStringList kNoms = {"Lefèvre",     "Mercier", "Bérard",   "Dupré",  "Garçon",  "Môquet",
                           "Ferrière",    "Théron",  "Lemaître", "Boëdec", "Crépin",  "Chevalier",
                           "Pétain-Roux", "Aubé",    "Gérard",   "Désiré", "Leblanc", "Périer"};
const QStringList kCivilites = {"M.", "Mme", "M. et Mme", "Mlle"};
const QStringList kVoies = {"rue de l'Église",        "avenue du Général-Leclerc",
                            "place de la Libération", "chemin des Écoliers",
                            "boulevard Émile-Zola",   "impasse des Tilleuls",
                            "quai Hôtel-de-Ville",    "allée des Châtaigniers",
                            "rue Aristide-Briand",    "cours Saint-Évremond"};
const QStringList kComplements = {"", "Bâtiment B, 3e étage", "", "Résidence Les Érables",
                                  "", "Appartement 12",       "", "Escalier C"};
struct Ville {
    const char* cp;
    const char* nom;
};
// Names as UTF-8: turned into text by QString::fromUtf8.
const std::vector<Ville> kVilles = {
    {"25000", "Besançon"}, {"45000", "Orléans"},   {"30000", "Nîmes"}, {"24000", "Périgueux"},
    {"27000", "Évreux"},   {"34200", "Sète"},      {"71000", "Mâcon"}, {"16000", "Angoulême"},
    {"69003", "Lyon"},     {"13008", "Marseille"}, {"59800", "Lille"}, {"97200", "Fort-de-France"}};
const QStringList kAssureurs = {"MAAF Assurances", "Macif",     "Crédit Mutuel Assurances", "GMF",
                                "Matmut",          "AXA France"};
const QStringList kObservations = {
    "Préavis reçu le 12/03/2024 ; état des lieux de sortie à prévoir.",
    "Caution versée : 1 300,00 € par chèque n° 4512 (Crédit Agricole).",
    "Locataire très soigneux ; a repeint la cuisine à ses frais.",
    "Chaudière révisée en octobre ; prochain entretien dû l'an prochain.",
    "Clés : 3 jeux remis à l'entrée, dont un badge « parking ».",
    "Garant : Mme Françoise Dubœuf, 4 rue Émile-Roux, 21000 Dijon."};
const QStringList kTypesLot = {"Appartement", "Maison", "Garage", "Local commercial", "Studio"};
const QStringList kFamilles = {"Plombier",     "Électricien", "Assurance", "Syndic",
                               "Chauffagiste", "Menuisier",   "Peintre",   "Serrurier"};
const QStringList kEntreprises = {"Plomberie Girard & Fils", "Électricité Bérenger",
                                  "Cabinet Régie Foncière",  "Chauffage Thermi'Éco",
                                  "Menuiserie Lefèvre",      "Peintures du Léman",
                                  "Serrurerie Aubépine",     "Assurances Générales Côté Sud"};
const QStringList kBanques = {"Crédit Agricole",  "Société Générale",  "BNP Paribas",
                              "Caisse d'Épargne", "La Banque Postale", "Crédit Mutuel"};
const QStringList kRisques = {"Aucun", "Faible", "Moyen", "Elevé"};
const QStringList kModes = {"Chèque", "Espèces", "Virement", "Carte bancaire", "Autre"};
const QStringList kConditions = {"A réception", "Réglement à 30 jours", "Réglement à 60 jours",
                                 "Réglement à 90 jours", "En votre aimable réglement"};
const QStringList kTravaux = {"Remplacement chauffe-eau 200 L",   "Réfection peinture séjour",
                              "Changement serrure 3 points",      "Désembouage radiateurs",
                              "Pose de parquet chêne massif",     "Révision chaudière gaz",
                              "Débouchage canalisation — urgence"};
const QStringList kFrais = {"Régularisation de charges", "Taxe d'enlèvement des ordures",
                            "Remboursement dépôt de garantie", "Frais de remise en état",
                            "Quote-part travaux façade"};
const QStringList kMois = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                           "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};

const QString& pick(const QStringList& list, qsizetype n) {
    return list[n % list.size()];
}

QString dateText(const QDate& d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

const QString kDateVide = QStringLiteral("  /  /    ");

// An amount in cents as the program shows it: "0.00" with a decimal comma.
QString montant(qint64 cents) {
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const qint64 a = cents < 0 ? -cents : cents;
    return sign + QString::number(a / 100) + u',' +
           QString::number(a % 100).rightJustified(2, u'0');
}

// Blanks in front until the text is wider than width - 10 pixels, with the usual widths of
// the window's font (digits 7, blank and comma 3, minus 4).
QString rset(const QString& text, int width) {
    int pixels = 0;
    for (QChar c : text)
        pixels += c.isDigit() ? 7 : (c == u'-' ? 4 : 3);
    QString out = text;
    while (pixels <= width - 10) {
        out.prepend(u' ');
        pixels += 3;
    }
    return out;
}

QString aligne(qint64 cents, int width = 90) {
    return rset(montant(cents), width);
}

// One person or firm, the same wherever its number appears.
struct Personne {
    QString nom, adresse1, adresse2, cp, ville, telephone, email;
};

Personne personne(int n, int sel) {
    const QString prenom = pick(kPrenoms, n * 7 + sel);
    const QString nom = pick(kNoms, n * 5 + sel / 3);
    const Ville& v = kVilles[(n * 11 + sel) % kVilles.size()];
    Personne p;
    p.nom = pick(kCivilites, n) + u' ' + prenom + u' ' + nom;
    p.adresse1 = QString::number(1 + n % 97) + QStringLiteral(", ") + pick(kVoies, n * 3 + sel);
    p.adresse2 = pick(kComplements, n + sel);
    p.cp = QString::fromUtf8(v.cp);
    p.ville = QString::fromUtf8(v.nom);
    p.telephone = QStringLiteral("0%1 %2 %3 %4 %5")
                      .arg(1 + n % 5)
                      .arg(10 + n % 89)
                      .arg(10 + (n / 3) % 89)
                      .arg(10 + (n / 7) % 89)
                      .arg(10 + (n / 11) % 89);
    p.email = QStringLiteral("contact%1@exemple.fr").arg(n);
    return p;
}

Personne locataire(int key) {
    return personne(key, 1);
}

Personne fournisseur(int key) {
    Personne p = personne(key, 2);
    p.nom = pick(kEntreprises, key);
    return p;
}

int numero(int key) {
    return 10001 + key;
}

QString designationLot(int key) {
    return pick(kTypesLot, key) + QStringLiteral(" n° %1 — %2 m²").arg(key + 1).arg(18 + key % 90);
}

// The nine-digit number of a document: year, month, three-digit sequence.
QString numeroDocument(int key) {
    const int mois = key / 100;
    return QStringLiteral("%1%2%3")
        .arg(2016 + mois / 12)
        .arg(1 + mois % 12, 2, 10, QLatin1Char('0'))
        .arg(1 + key % 100, 3, 10, QLatin1Char('0'));
}

QDate dateDocument(int key) {
    const int mois = key / 100;
    return QDate(2016 + mois / 12, 1 + mois % 12, 1 + key % 28);
}

QString moisTexte(const QDate& d) {
    return pick(kMois, d.month() - 1) + u' ' + QString::number(d.year());
}

qint64 loyer(int key) {
    return 38000 + (key * 1237) % 90000;
}

qint64 charges(int key) {
    return 3000 + (key * 311) % 12000;
}

void memos(QStringList& lines, int key, int count) {
    for (int m = 0; m < count; ++m)
        lines.append(QStringLiteral("MEMO") + pick(kObservations, key + m));
}

void historique(QStringList& lines, int key, int rows, const QString& libelle) {
    QDate d(2020, 1, 5);
    for (int r = 0; r < rows; ++r, d = d.addMonths(1))
        lines.append(QStringLiteral("DATA") + dateText(d) + u'\t' + libelle + u' ' + moisTexte(d) +
                     u'\t' + aligne(loyer(key) + charges(key), 95));
}

void coordonnees(QStringList& lines, const Personne& p) {
    lines << p.nom << p.adresse1 << p.adresse2 << p.cp + u' ' + p.ville;
}

void locataireBloc(QStringList& lines, int key, int nbBlocs) {
    const Personne p = locataire(key);
    const int lot = (key * 13) % nbBlocs;
    const QDate entre(2005 + key % 18, 1 + key % 12, 1);
    lines << QString::number(numero(key)) << p.nom << p.adresse1 << p.adresse2 << p.cp << p.ville
          << p.telephone << (key % 3 ? QString() : p.telephone) << p.email << dateText(entre)
          << (key % 9 ? kDateVide : dateText(entre.addYears(3))) << QString::number(numero(lot))
          << designationLot(lot) << aligne(loyer(key) - 4000) << aligne(charges(key) - 500)
          << aligne(loyer(key)) << aligne(charges(key)) << aligne(2 * loyer(key)) << dateText(entre)
          << dateText(entre.addYears(9).addDays(-1))
          << pick(kAssureurs, key) + QStringLiteral(", contrat n° %1").arg(400000 + key * 7)
          << aligne(11593 + key % 300, 80) << aligne(13067 + key % 300, 80)
          << aligne(key % 4 ? 0 : 1500, 80) << (key % 5 ? QString() : aligne(18000, 80))
          << aligne(loyer(key) + charges(key), 80);
    memos(lines, key, key % 4);
    historique(lines, key, key % 40, QStringLiteral("Loyer"));
}

void lotBloc(QStringList& lines, int key) {
    const Personne p = personne(key, 3);
    const Personne syndic = personne(key + 5, 4);
    lines << QString::number(numero(key)) << designationLot(key) << p.adresse1 << p.adresse2 << p.cp
          << p.ville << QStringLiteral("Cabinet ") + syndic.nom.section(u' ', -1) << syndic.adresse1
          << syndic.cp + u' ' + syndic.ville << syndic.telephone << pick(kTypesLot, key)
          << QStringLiteral("%1 pièces, balcon, cave").arg(1 + key % 5)
          << dateText(QDate(1995 + key % 25, 1 + key % 12, 15)) << aligne(9000000 + key * 1733)
          << QStringLiteral("PR-%1").arg(70000 + key) << aligne(7000000 + key * 1511)
          << (key % 4 ? kDateVide : dateText(QDate(1995 + key % 25, 2, 1))) << pick(kBanques, key)
          << QStringLiteral("%1 %2").arg(14520000 + key).arg(key % 97)
          << QStringLiteral("GDF-%1").arg(300000 + key)
          << (key % 3 ? QStringLiteral("Y") : QStringLiteral("N"));
    memos(lines, key + 2, key % 3);
    historique(lines, key, key % 8, QStringLiteral("Charges de copropriété"));
}

void fournisseurBloc(QStringList& lines, int key) {
    const Personne p = fournisseur(key);
    lines << QString::number(numero(key)) << pick(kFamilles, key) << p.nom << p.adresse1
          << p.adresse2 << p.cp << p.ville << QStringLiteral("France") << p.telephone << p.telephone
          << p.email << pick(kBanques, key + 1) << QString::number(30000 + key % 9000)
          << QString::number(10000 + key % 89999) << QStringLiteral("%1").arg(5012345600LL + key)
          << QString::number(10 + key % 89) << QStringLiteral("www.artisan%1.fr").arg(key)
          << QStringLiteral("M. Théo Marchand") << aligne(500000 + key * 10)
          << aligne(key % 7 ? 0 : 84500) << pick(kRisques, key)
          << QStringLiteral("401%1").arg(key, 5, 10, QLatin1Char('0'));
    memos(lines, key + 4, key % 3);
    historique(lines, key, key % 12, QStringLiteral("Commande"));
}

// The lines of a rent document: designation TAB amount, as the grid shows them.
void lignesLoyer(QStringList& lines, const QString& tag, int locataireKey) {
    lines << tag + QStringLiteral("Loyer mensuel\t") + aligne(loyer(locataireKey), 120)
          << tag + QStringLiteral("Provision pour charges\t") + aligne(charges(locataireKey), 120);
    if (locataireKey % 4 == 0)
        lines << tag + QStringLiteral("Taxe Additionnelle\t") + aligne(1500, 120);
    if (locataireKey % 5 == 0)
        lines << tag + QStringLiteral("APL\t") + aligne(-18000, 120);
}

void quittanceBloc(QStringList& lines, int key, int nbBlocs) {
    const int loc = (key * 37) % nbBlocs;
    const QDate d = dateDocument(key);
    lines << QStringLiteral("NUMQ") + numeroDocument(key) << dateText(d)
          << QString::number(numero(loc)) << pick(kModes, key) << moisTexte(d)
          << dateText(QDate(d.year(), d.month(), 1))
          << dateText(QDate(d.year(), d.month(), d.daysInMonth()));
    coordonnees(lines, locataire(loc));
    lines << (key % 6 ? QStringLiteral("Y") : QStringLiteral("N"));
    lignesLoyer(lines, QStringLiteral("QUIT"), loc);
    memos(lines, key, key % 2);
}

void avisBloc(QStringList& lines, int key, int nbBlocs) {
    const int loc = (key * 53) % nbBlocs;
    const QDate d = dateDocument(key);
    lines << QStringLiteral("NUMA") + numeroDocument(key) << dateText(d)
          << QString::number(numero(loc)) << moisTexte(d) << dateText(QDate(d.year(), d.month(), 1))
          << dateText(QDate(d.year(), d.month(), d.daysInMonth()));
    coordonnees(lines, locataire(loc));
    lignesLoyer(lines, QStringLiteral("AVIS"), loc);
    memos(lines, key + 1, key % 2);
}

void recuBloc(QStringList& lines, int key, int nbBlocs) {
    static const QStringList kinds = {"Reçu", "Facture", "Avoir     "};
    const int loc = (key * 71) % nbBlocs;
    const QString& kind = pick(kinds, key);
    lines << QStringLiteral("NUM") + kind.left(1) + numeroDocument(key)
          << dateText(dateDocument(key)) << QString::number(numero(loc)) << pick(kModes, key + 1)
          << kind;
    coordonnees(lines, locataire(loc));
    for (int r = 0; r < 1 + key % 3; ++r)
        lines << QStringLiteral("FACT") + pick(kFrais, key + r) + u'\t' +
                     aligne(2500 + (key * 97 + r * 1000) % 60000, 120);
}

void commandeBloc(QStringList& lines, int key, int nbBlocs) {
    const int four = (key * 29) % nbBlocs;
    const Personne f = fournisseur(four);
    lines << QStringLiteral("NUMC") + numeroDocument(key) << dateText(dateDocument(key))
          << QString::number(numero(four)) << pick(kConditions, key) << f.nom << f.adresse1
          << f.adresse2 << f.cp + u' ' + f.ville
          << (key % 3 ? QStringLiteral("TTCN") : QStringLiteral("TTCY"))
          << (key % 4 ? QStringLiteral("Y") : QStringLiteral("N"));
    for (int r = 0; r < 1 + key % 5; ++r) {
        const int quantite = 1 + (key + r) % 6;
        const qint64 prix = 1500 + ((key + 3 * r) * 4519) % 150000;
        lines << QStringLiteral("CMDE") + QStringLiteral("REF-%1").arg(100 + r) + u'\t' +
                     pick(kTravaux, key + r) + u'\t' + rset(QString::number(quantite), 80) + u'\t' +
                     aligne(prix) + QStringLiteral("\t0\t") + aligne(prix * quantite, 120) + u'\t' +
                     QString::number(1 + r % 3);
    }
    memos(lines, key + 3, key % 2);
}

// Windows-1252 with CR LF; the texts above hold only characters of the code page.
QByteArray encode(const QStringList& lines) {
    static const char16_t kHigh[] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QByteArray out;
    for (const QString& line : lines) {
        for (QChar qc : line) {
            const char16_t c = qc.unicode();
            int b = c < 0x100 ? c : -1;
            for (int i = 0; b < 0 && i < 32; ++i)
                if (kHigh[i] == c)
                    b = 0x80 + i;
            if (b < 0)
                throw std::runtime_error("character outside Windows-1252 in the dossier");
            out.append(char(b));
        }
        out.append("\r\n", 2);
    }
    return out;
}

void writeFile(const QString& path, const QStringList& lines) {
    QFile file(path);
    const QByteArray bytes = encode(lines);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

QStringList dossierFiles(const QString& loc) {
    QStringList files;
    for (Base b : ToutesLesBases)
        files.append(loc.chopped(3) + extensionOf(b));
    return files;
}

QString writeDossier(const QString& dir, int blocs) {
    if (!QDir().mkpath(dir))
        throw std::runtime_error("cannot create " + dir.toStdString());
    const QString loc = QDir(dir).filePath(QStringLiteral("maximal.loc"));
    const QStringList files = dossierFiles(loc);
    using Bloc = void (*)(QStringList&, int, int);
    // In the order of the bases.
    const Bloc makers[NbBases] = {
        locataireBloc,
        [](QStringList& l, int key, int) { fournisseurBloc(l, key); },
        [](QStringList& l, int key, int) { lotBloc(l, key); },
        quittanceBloc,
        avisBloc,
        commandeBloc,
        recuBloc,
    };
    for (int b = 0; b < NbBases; ++b) {
        QStringList lines;
        for (int key = 0; key < blocs; ++key) {
            const QString keyText = QStringLiteral("%1").arg(key, 4, 10, QLatin1Char('0'));
            lines.append(QStringLiteral("<BLOC") + keyText + u'>');
            makers[b](lines, key, blocs);
            lines.append(QStringLiteral("</BLOC") + keyText + u'>');
        }
        writeFile(files[b], lines);
    }
    return loc;
}
