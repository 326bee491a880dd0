#include "core/banque/releveofx.h"

#include "core/common/usererror.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryFile>

#include <libofx/libofx.h>

#include <memory>

namespace {

const QString Refus = QStringLiteral("Ce fichier n'est pas un relevé OFX lisible : %1.");

// The library writes its notes and the parser's complaints on the standard error of the
// program unless told not to; each of its switches is one global of the process.
void faitTaireLibofx() {
    for (int* bavard : {&ofx_PARSER_msg, &ofx_DEBUG_msg, &ofx_DEBUG1_msg, &ofx_DEBUG2_msg,
                        &ofx_DEBUG3_msg, &ofx_DEBUG4_msg, &ofx_DEBUG5_msg, &ofx_STATUS_msg,
                        &ofx_INFO_msg, &ofx_WARNING_msg, &ofx_ERROR_msg})
        *bavard = 0;
}

struct TLecture {
    TReleve releve;
    QString faute;
    bool releveClos = false;
};

QDate jour(time_t instant) {
    return QDateTime::fromSecsSinceEpoch(qint64(instant)).date();
}

int transaction(const OfxTransactionData data, void* lecture) {
    TLecture& l = *static_cast<TLecture*>(lecture);
    if (!data.amount_valid || !data.date_posted_valid) {
        if (l.faute.isEmpty())
            l.faute = QStringLiteral("une opération sans montant ou sans date");
        return 0;
    }
    TOperation o;
    o.date = jour(data.date_posted);
    o.valeur = data.date_funds_available_valid ? jour(data.date_funds_available) : o.date;
    o.centimes = qRound64(data.amount * 100);
    if (data.fi_id_valid)
        o.id = QString::fromUtf8(data.fi_id).trimmed();
    QStringList libelle;
    if (data.name_valid)
        libelle.append(QString::fromUtf8(data.name).simplified());
    if (data.memo_valid)
        libelle.append(QString::fromUtf8(data.memo).simplified());
    libelle.removeAll(QString());
    o.libelle = libelle.join(u' ');
    l.releve.append(o);
    return 0;
}

int releve(const OfxStatementData, void* lecture) {
    static_cast<TLecture*>(lecture)->releveClos = true;
    return 0;
}

} // namespace

TReleve LitReleveOfx(const QByteArray& octets) {
    // The library reads files only: the bytes go through a file of our own, removed after.
    QTemporaryFile fichier(QDir::tempPath() + QStringLiteral("/tarvinel-releve-XXXXXX.ofx"));
    if (!fichier.open() || fichier.write(octets) != octets.size() || !fichier.flush())
        throw UserError(
            QStringLiteral("Impossible d'écrire le fichier temporaire %1 : %2")
                .arg(QDir::toNativeSeparators(fichier.fileName()), fichier.errorString()));
    fichier.close();

    faitTaireLibofx();
    const std::unique_ptr<void, int (*)(LibofxContextPtr)> contexte(libofx_get_new_context(),
                                                                    libofx_free_context);
    TLecture lecture;
    ofx_set_transaction_cb(contexte.get(), transaction, &lecture);
    ofx_set_statement_cb(contexte.get(), releve, &lecture);
    const int resultat =
        libofx_proc_file(contexte.get(), QFile::encodeName(fichier.fileName()).constData(), OFX);
    if (resultat != 0)
        throw UserError(Refus.arg(QStringLiteral("il est abîmé ou tronqué")));
    if (!lecture.faute.isEmpty())
        throw UserError(Refus.arg(lecture.faute));
    if (!lecture.releveClos)
        throw UserError(Refus.arg(QStringLiteral("il ne contient aucun relevé de compte")));
    return lecture.releve;
}
