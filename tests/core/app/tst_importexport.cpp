#include "essaisbases.h"

#include "../../common/fichiersessai.h"
#include "core/common/cp1252.h"
#include "core/common/usererror.h"
#include "core/records/fournisseur.h"
#include "core/records/locataire.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using Champs = QMap<int, QString>;

QByteArray utf8(const QString& texte) {
    return texte.toUtf8();
}

// The UTF-16 or UTF-32 of a text, little-endian or big-endian, without a byte-order mark.
QByteArray utf(const QString& texte, int largeur, bool grosBout) {
    QByteArray octets;
    const auto ecrit = [&](char32_t c) {
        for (int k = 0; k < largeur; ++k)
            octets.append(char(c >> (8 * (grosBout ? largeur - 1 - k : k))));
    };
    if (largeur == 2)
        for (QChar c : texte)
            ecrit(c.unicode());
    else
        for (char32_t c : texte.toUcs4())
            ecrit(c);
    return octets;
}

QByteArray windows1252(const QString& texte) {
    QByteArray octets;
    if (!Cp1252::encode(texte, octets))
        qFatal("not Windows-1252");
    return octets;
}

// The field lines of every block of the base, key by key.
QList<QStringList> fiches(const TListeBase& base) {
    QList<QStringList> toutes;
    for (int cle = 0; cle < base.nb(); ++cle) {
        const qsizetype at = base.find(cle);
        toutes.append(base.lines().mid(at + 1, base.finContenu(at) - at - 1));
    }
    return toutes;
}

// Imports `octets` written to a file of that name, on the page of `base`; the message, if any.
QString importe(TFiche& dossier, Base base, const QString& nom, const QByteArray& octets,
                Echange::TBilan* bilan = nullptr) {
    QTemporaryDir dir;
    QFile fichier(dir.filePath(nom));
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size())
        qFatal("cannot write the file to import");
    fichier.close();
    dossier.AffichePage(base);
    try {
        const Echange::TBilan fait = dossier.Importe(fichier.fileName());
        if (bilan)
            *bilan = fait;
    } catch (const UserError& erreur) {
        return erreur.message();
    }
    return QString();
}

} // namespace

class TestImportExport : public QObject {
    Q_OBJECT

private slots:
    // Each line makes a record with the base's next numbers, its columns in the fields in
    // order, every other field empty; a separator inside a field splits it.
    void imports_data() {
        using namespace Locataire;
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QList<QStringList>>("avant");
        QTest::addColumn<QList<QStringList>>("apres");
        const Base T = Base::Locataires;
        const QStringList dupont = fiche(T, "10001", {{NomSoc, "Dupont"}});
        const QStringList martin = fiche(
            T, "10001",
            {{NomSoc, "Martin"}, {Adresse, "3 rue Haute"}, {CodePostal, "69001"}, {Ville, "Lyon"}});
        QTest::newRow("csv of five fields")
            << "adresses.csv" << QByteArray("Martin;3 rue Haute;;69001;Lyon\r\n")
            << QList<QStringList>{} << QList<QStringList>{martin};
        QTest::newRow("txt of five fields")
            << "adresses.TXT" << QByteArray("Martin\t3 rue Haute\t\t69001\tLyon\r\n")
            << QList<QStringList>{} << QList<QStringList>{martin};
        QTest::newRow("separator inside a csv field")
            << "a.csv" << QByteArray("Durand; fils;1 rue Basse;;75005;Paris;01 02")
            << QList<QStringList>{}
            << QList<QStringList>{fiche(T, "10001",
                                        {{NomSoc, "Durand"},
                                         {Adresse, " fils"},
                                         {Adresse2, "1 rue Basse"},
                                         {CodePostal, ""},
                                         {Ville, "75005"},
                                         {Telephone, "Paris"},
                                         {Fax, "01 02"}})};
        QTest::newRow("semicolon inside a txt field")
            << "a.txt" << QByteArray("Durand; fils\t1 rue Basse") << QList<QStringList>{}
            << QList<QStringList>{
                   fiche(T, "10001", {{NomSoc, "Durand; fils"}, {Adresse, "1 rue Basse"}})};
        QTest::newRow("next free numbers continue, empty lines make nothing")
            << "a.csv" << QByteArray("Petit\n\n;;;;\r\nGrand\r")
            << QList<QStringList>{fiche(T, "10004", {{NomSoc, "Premier"}}),
                                  fiche(T, "10001", {{NomSoc, "Second"}})}
            << QList<QStringList>{fiche(T, "10004", {{NomSoc, "Premier"}}),
                                  fiche(T, "10001", {{NomSoc, "Second"}}),
                                  fiche(T, "10005", {{NomSoc, "Petit"}}),
                                  fiche(T, "10006", {{NomSoc, "Grand"}})};
        QTest::newRow("every column after the fifth in the following fields")
            << "a.csv" << QByteArray("N;A;B;C;V;T;F;m@x.fr;01/02/2020;  /  /    ;10007")
            << QList<QStringList>{}
            << QList<QStringList>{fiche(T, "10001",
                                        {{NomSoc, "N"},
                                         {Adresse, "A"},
                                         {Adresse2, "B"},
                                         {CodePostal, "C"},
                                         {Ville, "V"},
                                         {Telephone, "T"},
                                         {Fax, "F"},
                                         {9, "m@x.fr"},
                                         {Entre, "01/02/2020"},
                                         {NumLot, "10007"}})};
        // A base of one record keeps it when it holds anything, and gives its place to the
        // first record imported when it is empty.
        QTest::newRow("one record holding a name is kept")
            << "a.csv" << QByteArray("Martin;3 rue Haute;;69001;Lyon") << QList<QStringList>{dupont}
            << QList<QStringList>{dupont, fiche(T, "10002",
                                                {{NomSoc, "Martin"},
                                                 {Adresse, "3 rue Haute"},
                                                 {CodePostal, "69001"},
                                                 {Ville, "Lyon"}})};
        QTest::newRow("one record holding a memo is kept")
            << "a.csv" << QByteArray("Martin;3 rue Haute;;69001;Lyon")
            << QList<QStringList>{fiche(T, "10001") << "MEMOà rappeler"}
            << QList<QStringList>{fiche(T, "10001") << "MEMOà rappeler",
                                  fiche(T, "10002",
                                        {{NomSoc, "Martin"},
                                         {Adresse, "3 rue Haute"},
                                         {CodePostal, "69001"},
                                         {Ville, "Lyon"}})};
        QTest::newRow("one empty record is replaced")
            << "a.csv" << QByteArray("Martin;3 rue Haute;;69001;Lyon\r\nPetit")
            << QList<QStringList>{fiche(T, "10001")}
            << QList<QStringList>{martin, fiche(T, "10002", {{NomSoc, "Petit"}})};
        QTest::newRow("one record with empty lines only is replaced")
            << "a.txt" << QByteArray("Martin\t3 rue Haute\t\t69001\tLyon")
            << QList<QStringList>{{"10009", "", ""}} << QList<QStringList>{martin};
        QTest::newRow("an empty file keeps the empty record")
            << "a.txt" << QByteArray("\r\n") << QList<QStringList>{fiche(T, "10001")}
            << QList<QStringList>{fiche(T, "10001")};
    }
    void imports() {
        QFETCH(QString, nom);
        QFETCH(QByteArray, octets);
        QFETCH(QList<QStringList>, avant);
        QFETCH(QList<QStringList>, apres);
        TFiche dossier;
        remplit(dossier, Base::Locataires, avant);
        QCOMPARE(importe(dossier, Base::Locataires, nom, octets), QString());
        const TListeBase& base = dossier.base(Base::Locataires);
        QCOMPARE(fiches(base), apres);
        QCOMPARE(base.countBlocks(), base.nb());
        QCOMPARE(dossier.dossierModifie(), avant != apres);
        // The page shows the last record.
        QCOMPARE(base.courant(), base.nb() - 1);
        QCOMPARE(dossier.pageFiche(Base::Locataires)->champ(Locataire::NomSoc),
                 apres.constLast().value(Locataire::NomSoc - 1));
    }

    // The same names and addresses whatever the encoding of the file.
    void encodings_data() {
        QTest::addColumn<QByteArray>("octets");
        const QString texte =
            "Hélène Dupré;12, rue de l'Église;Bâtiment « B »;75005;Paris;;€ 50\r\n"
            "Œuvre Sociale & Cie;;;69001;Lyon-Saint-Exupéry;;;ï";
        QTest::newRow("UTF-8") << utf8(texte);
        QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + utf8(texte);
        QTest::newRow("Windows-1252") << windows1252(texte);
        QTest::newRow("UTF-16 of spreadsheet programs")
            << "\xFF\xFE" +
                   QByteArray(reinterpret_cast<const char*>(texte.utf16()), texte.size() * 2);
        QTest::newRow("Windows-1252, CR alone")
            << windows1252(QString(texte).replace("\r\n", "\r"));
        QTest::newRow("UTF-32 with its mark")
            << QByteArray("\xFF\xFE\x00\x00", 4) + utf(texte, 4, false);
        QTest::newRow("UTF-32 big-endian with its mark")
            << QByteArray("\x00\x00\xFE\xFF", 4) + utf(texte, 4, true);
        QTest::newRow("UTF-16 without a mark") << utf(texte, 2, false);
        QTest::newRow("UTF-16 big-endian without a mark") << utf(texte, 2, true);
    }
    void encodings() {
        QFETCH(QByteArray, octets);
        TFiche dossier;
        QCOMPARE(importe(dossier, Base::Locataires, "a.csv", octets), QString());
        using namespace Locataire;
        QCOMPARE(fiches(dossier.base(Base::Locataires)),
                 QList<QStringList>({fiche(Base::Locataires, "10001",
                                           {{NomSoc, "Hélène Dupré"},
                                            {Adresse, "12, rue de l'Église"},
                                            {Adresse2, "Bâtiment « B »"},
                                            {CodePostal, "75005"},
                                            {Ville, "Paris"},
                                            {Fax, "€ 50"}}),
                                     fiche(Base::Locataires, "10002",
                                           {{NomSoc, "Œuvre Sociale & Cie"},
                                            {CodePostal, "69001"},
                                            {Ville, "Lyon-Saint-Exupéry"},
                                            {9, "ï"}})}));
    }

    // A file that cannot be imported whole imports nothing: the base and the page stay as
    // they were, and the message says why.
    void refusals_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("message");
        QTest::newRow("character outside Windows-1252")
            << "a.csv" << utf8("Martin;1 rue;;75005;Paris\r\nSalle ☎ 3;;;;")
            << "Le caractère « ☎ » ne peut pas être enregistré dans le dossier (ligne 2 du "
               "fichier) : rien n'a été importé";
        QTest::newRow("field read as a block's limit")
            << "a.txt" << QByteArray("Martin\r\n</BLOC0001>\tx")
            << "Un champ ne peut pas commencer par « <BLOC » ni par « </BLOC » : « </BLOC0001> "
               "» (ligne 2 du fichier) : rien n'a été importé";
        QTest::newRow("other extension")
            << "a.dat" << QByteArray("Martin") << "Type de fichier non valide";
        QTest::newRow("NUL: a binary file")
            << "a.csv" << QByteArray("%PDF-1.4\r\n1 0 obj\x00;x\r\n", 22)
            << "Le fichier contient le caractère de contrôle 00 : ce n'est pas un fichier texte "
               "(ligne 2 du fichier) : rien n'a été importé";
        QTest::newRow("control character")
            << "a.txt" << QByteArray("Martin\t1 rue\r\nDu\x1bpont")
            << "Le fichier contient le caractère de contrôle 1B : ce n'est pas un fichier texte "
               "(ligne 2 du fichier) : rien n'a été importé";
        QTest::newRow("Windows-1252 byte with no character")
            << "a.txt" << QByteArray("Martin\x81")
            << "Le fichier contient le caractère de contrôle 81 : ce n'est pas un fichier texte "
               "(ligne 1 du fichier) : rien n'a été importé";
        QTest::newRow("TAB inside a field")
            << "a.csv" << QByteArray("Martin;1 rue\r\n\r\nDupont\t2;3 rue")
            << "Le fichier contient une tabulation dans un champ (ligne 3 du fichier) : rien n'a "
               "été importé";
        QTest::newRow("UTF-8 and Windows-1252 lines")
            << "a.csv" << QByteArray("Dupont;Paris\r\nH\xC3\xA9l\xC3\xA8ne;Lyon\r\nRen\xE9;Nice")
            << "La ligne 3 du fichier n'est pas écrite en UTF-8 comme la ligne 2 : le fichier "
               "mêle deux codages, rien n'a été importé";
        QTest::newRow("Windows-1252 and UTF-8 lines")
            << "a.csv" << QByteArray("Ren\xE9;Nice\r\nDupont;Paris\r\nH\xC3\xA9l\xC3\xA8ne;Lyon")
            << "La ligne 1 du fichier n'est pas écrite en UTF-8 comme la ligne 3 : le fichier "
               "mêle deux codages, rien n'a été importé";
        QTest::newRow("UTF-16 that does not decode")
            << "a.csv"
            << "\xFF\xFE" + utf("Martin\r\nDupont", 2, false) + QByteArray("\x00\xDC", 2)
            << "La ligne 2 du fichier ne se lit pas en UTF-16LE : rien n'a été importé";
    }
    void refusals() {
        QFETCH(QString, nom);
        QFETCH(QByteArray, octets);
        QFETCH(QString, message);
        TFiche dossier;
        remplit(dossier, Base::Locataires,
                {fiche(Base::Locataires, "10001", {{Locataire::NomSoc, "Dupont"}})});
        const QStringList avant = dossier.base(Base::Locataires).lines();
        QCOMPARE(importe(dossier, Base::Locataires, nom, octets), message);
        QCOMPARE(dossier.base(Base::Locataires).lines(), avant);
        QVERIFY(!dossier.dossierModifie());
    }

    // A file larger than any import can use is refused from its size, unread.
    void tooLargeFile() {
        QTemporaryDir dir;
        const QString chemin = dir.filePath("grand.csv");
        QVERIFY(fichierCreux(chemin, Echange::TailleMaxImport + 1));
        TFiche dossier;
        dossier.AffichePage(Base::Locataires);
        try {
            dossier.Importe(chemin);
            QFAIL("imported");
        } catch (const UserError& erreur) {
            QCOMPARE(erreur.message(),
                     QString("Le fichier %1 dépasse 32 Mo : il est trop grand pour être importé")
                         .arg(QDir::toNativeSeparators(chemin)));
        }
        QCOMPARE(dossier.base(Base::Locataires).lineCount(), 0);
    }

    void missingFileAndOtherPages() {
        TFiche dossier;
        dossier.AffichePage(Base::Locataires);
        try {
            dossier.Importe("/nulle/part/adresses.csv");
            QFAIL("imported a missing file");
        } catch (const UserError& erreur) {
            QCOMPARE(erreur.message(), QString("Le ficher /nulle/part/adresses.csvn'existe pas"));
        }
        const QString ailleurs =
            "Importer et Exporter agissent sur la page Locataires ou sur la page Fournisseurs";
        QCOMPARE(importe(dossier, Base::Lots, "a.csv", "Garage"), ailleurs);
        QTemporaryDir dir;
        try {
            dossier.Exporte(dir.filePath("lots.csv"));
            QFAIL("exported the lots");
        } catch (const UserError& erreur) {
            QCOMPARE(erreur.message(), ailleurs);
        }
        QCOMPARE(dossier.base(Base::Lots).nb(), 0);
        QVERIFY(!QFile::exists(dir.filePath("lots.csv")));
    }

    // The import stops at the base's limit: the records before stay, the keys dense.
    void limit() {
        TFiche dossier;
        QStringList lignes;
        for (int cle = 0; cle < TListeBase::MaxBlocs - 2; ++cle)
            lignes << TListeBase::openingLine(cle) << QString::number(10001 + cle)
                   << TListeBase::closingLine(cle);
        dossier.base(Base::Locataires).assign(lignes);
        Echange::TBilan bilan;
        QCOMPARE(
            importe(dossier, Base::Locataires, "a.csv", "Un\r\nDeux\r\nTrois\r\nQuatre", &bilan),
            QString());
        QCOMPARE(bilan.importees, 2);
        QVERIFY(bilan.tronque);
        const TListeBase& base = dossier.base(Base::Locataires);
        QCOMPARE(base.nb(), TListeBase::MaxBlocs);
        QCOMPARE(base.countBlocks(), TListeBase::MaxBlocs);
        QVERIFY(!TListeBase(base).verif());
        QCOMPARE(base.read(TListeBase::MaxBlocs - 1, 2, 3).champs,
                 QStringList({QString::number(10001 + TListeBase::MaxBlocs - 1), "Deux"}));
        QVERIFY(dossier.dossierModifie());

        QCOMPARE(importe(dossier, Base::Locataires, "b.csv", "Cinq", &bilan), QString());
        QCOMPARE(bilan.importees, 0);
        QVERIFY(bilan.tronque);
    }

    // Export writes the address of every record in Windows-1252 with CR LF; the tenants'
    // file read on the supplier page puts Téléphone and Fax in place and leaves Pays empty.
    void exportedTenantsImportedAsSuppliers() {
        using namespace Locataire;
        TFiche dossier;
        remplit(dossier, Base::Locataires,
                {fiche(Base::Locataires, "10001",
                       {{NomSoc, "Hélène Dupré"},
                        {Adresse, "12, rue de l'Église"},
                        {CodePostal, "75005"},
                        {Ville, "Paris"},
                        {Telephone, "01 45 67 89 00"},
                        {Fax, "01 45 67 89 01"},
                        {9, "helene@exemple.fr"}}),
                 fiche(Base::Locataires, "10002", {{NomSoc, "Œuvre"}, {Fax, "04 78"}})});
        remplit(dossier, Base::Fournisseurs,
                {fiche(Base::Fournisseurs, "10040", {{Fournisseur::NomSoc, "Plomberie"}})});
        QTemporaryDir dir;
        dossier.AffichePage(Base::Locataires);
        // An edit still on the card on screen, the last one, is exported.
        dossier.pageFiche(Base::Locataires)->saisitChamp(Adresse2, "Bâtiment B");
        dossier.Exporte(dir.filePath("Export"));
        const QByteArray tabulations = contenu(dir.filePath("Export.txt"));
        QCOMPARE(tabulations,
                 windows1252("Hélène Dupré\t12, rue de l'Église\t\t75005\tParis\t01 45 "
                             "67 89 00\t01 45 67 89 01\r\n"
                             "Œuvre\t\tBâtiment B\t\t\t\t04 78\r\n"));
        dossier.Exporte(dir.filePath("adresses.csv"));
        QCOMPARE(contenu(dir.filePath("adresses.csv")), QByteArray(tabulations).replace('\t', ';'));

        QCOMPARE(importe(dossier, Base::Fournisseurs, "adresses.csv",
                         contenu(dir.filePath("adresses.csv"))),
                 QString());
        namespace F = Fournisseur;
        const QList<QStringList> fournisseurs = fiches(dossier.base(Base::Fournisseurs));
        QCOMPARE(fournisseurs.size(), 3);
        QCOMPARE(fournisseurs[1], fiche(Base::Fournisseurs, "10041",
                                        {{F::NomSoc, "Hélène Dupré"},
                                         {F::Adresse, "12, rue de l'Église"},
                                         {F::CodePostal, "75005"},
                                         {F::Ville, "Paris"},
                                         {F::Telephone, "01 45 67 89 00"},
                                         {F::Fax, "01 45 67 89 01"}}));
        QCOMPARE(fournisseurs[2],
                 fiche(Base::Fournisseurs, "10042",
                       {{F::NomSoc, "Œuvre"}, {F::Adresse2, "Bâtiment B"}, {F::Fax, "04 78"}}));

        // The suppliers' own file: Pays then Téléphone in the last two columns.
        dossier.Exporte(dir.filePath("fournisseurs.txt"));
        QCOMPARE(
            contenu(dir.filePath("fournisseurs.txt")).split('\n').value(1),
            windows1252("Hélène Dupré\t12, rue de l'Église\t\t75005\tParis\t\t01 45 67 89 00\r"));
    }
};

QTEST_GUILESS_MAIN(TestImportExport)
#include "tst_importexport.moc"
