#include "core/app/treglages.h"

QStringList reglementsParDefaut() {
    return {QStringLiteral("A réception"), QStringLiteral("Réglement à 30 jours"),
            QStringLiteral("Réglement à 60 jours"), QStringLiteral("Réglement à 90 jours"),
            QStringLiteral("En votre aimable réglement")};
}
