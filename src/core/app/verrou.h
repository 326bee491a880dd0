#pragma once

#include <QString>

#include <optional>

// The lock of an open dossier: a small file beside its main file naming the machine, the
// process and the user that opened it, so that a second program opening the same dossier, on
// this computer or another one sharing the folder, learns who holds it. A lock whose process
// is gone from this machine is stale and taken over.
struct TDetenteur {
    QString machine;
    qint64 processus = 0;
    QString utilisateur;
    // "l'utilisateur dupont, processus 1234 sur la machine bureau".
    QString description() const;
    bool operator==(const TDetenteur&) const = default;

    // The text of a lock file naming this holder, and the holder a lock file's bytes name:
    // none when they are not a lock's.
    QByteArray texte() const;
    static std::optional<TDetenteur> lis(const QByteArray& octets);
};

class TVerrou {
public:
    TVerrou() = default;
    ~TVerrou();
    TVerrou(const TVerrou&) = delete;
    TVerrou& operator=(const TVerrou&) = delete;

    // The lock file of a dossier, its path made absolute.
    static QString fichierDe(const QString& principal);
    // Who holds the lock of a dossier: none when it is free, stale or held by this process.
    static std::optional<TDetenteur> detenteur(const QString& principal);

    // Takes the lock of the dossier, releasing the one held before; false, nothing taken,
    // when another process holds it. Throws UserError when the lock file cannot be written.
    bool prend(const QString& chemin);
    // Removes the lock file, when it still names this process; nothing when none is held.
    void libere();
    // The main file of the dossier locked, its path absolute; empty when none is.
    QString principal() const { return m_principal; }

private:
    QString m_principal;
};
