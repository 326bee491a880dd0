#pragma once

#include <QString>
#include <QStringList>
#include <array>

// One card of the message pad. In the message file it is one line: the seven fields, each
// followed by a tab, then one letter per tick box, "T" ticked or "F" not.
struct TMessage {
    static constexpr int NbChamps = 7;
    static constexpr int NbCases = 5;
    // "Pour", "De", "Société", "N° tél.", "Date", "Heure", "Objet"
    std::array<QString, NbChamps> champs;
    // "A téléphoné", "Est venu", "A rappeler", "Rappellera", "URGENT"
    std::array<bool, NbCases> cases{};

    // Fields are trimmed; missing fields are empty and missing letters not ticked.
    static TMessage depuisLigne(const QString& ligne);
    QString ligne() const;

    bool operator==(const TMessage&) const = default;
};

namespace Messages {

inline const std::array<QString, TMessage::NbChamps> Libelles = {
    QStringLiteral("Pour"),    QStringLiteral("De"),   QStringLiteral("Société"),
    QStringLiteral("N° tél."), QStringLiteral("Date"), QStringLiteral("Heure"),
    QStringLiteral("Objet")};
constexpr std::array<int, TMessage::NbChamps> LongueursMax = {30, 30, 30, 20, 10, 10, 50};
inline const std::array<QString, TMessage::NbCases> Cases = {
    QStringLiteral("A téléphoné"), QStringLiteral("Est venu"), QStringLiteral("A rappeler"),
    QStringLiteral("Rappellera"), QStringLiteral("URGENT")};
constexpr int Date = 4;
constexpr int Heure = 5;

// The message file of a dossier: its main file with the extension ".oms"; ".oms" alone, in
// the current directory, when no dossier is open.
QString nomFichier(const QString& dossier);

} // namespace Messages

// The messages of a dossier (ListeMsg) and the one on screen (MsgCourant). There is always
// at least one: deleting the last one leaves an empty card.
class TListeMessages {
public:
    TListeMessages() : m_lignes{QStringLiteral(" ")} {}

    // The largest message file: tens of thousands of messages.
    static constexpr qint64 TailleMax = 8 * 1024 * 1024;

    // Reads the message file of the dossier, when there is one, and shows its last message. A
    // file larger than TailleMax is refused at once, before it is read.
    void Charge(const QString& dossier);
    // Writes every message to the message file of the dossier, replacing it.
    void Sauve(const QString& dossier) const;

    TMessage LitFiche() const { return TMessage::depuisLigne(m_lignes[m_courant]); }
    // Puts the card on screen in place of the current message. A field that the file could
    // not hold (a tab, a line break, a character without a byte in the file's code page)
    // throws UserError and changes nothing.
    void EcritFiche(const TMessage& carte);

    void Precedent();
    void Suivant();
    void Ajout();
    void Supprime();

    int courant() const { return m_courant; }
    int nombre() const { return int(m_lignes.size()); }
    const QStringList& lignes() const { return m_lignes; }

private:
    QStringList m_lignes;
    int m_courant = 0;
};
