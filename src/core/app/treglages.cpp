#include "core/app/treglages.h"

QStringList reglementsParDefaut() {
    return {QStringLiteral("A réception"), QStringLiteral("Réglement à 30 jours"),
            QStringLiteral("Réglement à 60 jours"), QStringLiteral("Réglement à 90 jours"),
            QStringLiteral("En votre aimable réglement")};
}

QStringList categoriesChargesParDefaut() {
    return {QStringLiteral("Eau"),
            QStringLiteral("Chauffage collectif"),
            QStringLiteral("Taxe d'enlèvement des ordures ménagères"),
            QStringLiteral("Entretien des parties communes"),
            QStringLiteral("Ascenseur"),
            QStringLiteral("Électricité des parties communes")};
}
