#include "core/printing/coupure.h"

namespace {

const QString Points = QStringLiteral("…");

// The length of the longest beginning of `texte` from `debut` that fits in `largeur`, at least
// one character.
qsizetype debutQuiTient(const QString& texte, qsizetype debut, int largeur,
                        const TMesureTexte& mesure) {
    qsizetype n = 1;
    while (debut + n < texte.size() && mesure(texte.mid(debut, n + 1)) <= largeur)
        ++n;
    return n;
}

} // namespace

QStringList CoupeTexte(const QString& texte, int largeur, const TMesureTexte& mesure) {
    if (mesure(texte) <= largeur)
        return {texte};
    QStringList lignes;
    qsizetype debut = 0;
    while (debut < texte.size()) {
        if (mesure(texte.mid(debut)) <= largeur) {
            lignes.append(texte.mid(debut));
            break;
        }
        const qsizetype n = debutQuiTient(texte, debut, largeur, mesure);
        // The last blank of what fits, or the blank right after it, ends the line.
        qsizetype coupe = texte.lastIndexOf(u' ', debut + n);
        if (coupe <= debut)
            coupe = -1;
        if (coupe < 0) {
            lignes.append(texte.mid(debut, n));
            debut += n;
        } else {
            lignes.append(texte.mid(debut, coupe - debut));
            debut = coupe + 1;
        }
    }
    if (lignes.isEmpty())
        lignes.append(QString());
    return lignes;
}

QString Raccourcit(const QString& texte, int largeur, const TMesureTexte& mesure) {
    if (mesure(texte) <= largeur)
        return texte;
    qsizetype n = texte.size();
    while (n > 0 && mesure(texte.left(n).trimmed() + Points) > largeur)
        --n;
    return texte.left(n).trimmed() + Points;
}
