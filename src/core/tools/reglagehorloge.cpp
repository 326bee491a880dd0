#include "core/tools/reglagehorloge.h"

#include <cerrno>
#include <ctime>

namespace {

class ReglageSysteme : public ReglageHorloge {
public:
    QString regle(const QDateTime& instant) override {
        const qint64 ms = instant.toMSecsSinceEpoch();
        timespec t{};
        t.tv_sec = time_t(ms / 1000);
        t.tv_nsec = long(ms % 1000) * 1000000L;
        if (clock_settime(CLOCK_REALTIME, &t) == 0)
            return QString();
        if (errno == EPERM)
            return QStringLiteral("Le système ne permet pas à Tarvinel de changer l'heure de "
                                  "l'ordinateur : l'heure n'a pas été changée. Seul un "
                                  "administrateur de l'ordinateur peut la régler.");
        return QStringLiteral("L'heure de l'ordinateur n'a pas pu être changée.");
    }
};

} // namespace

ReglageHorloge* ReglageHorloge::s_substitut = nullptr;

ReglageHorloge& ReglageHorloge::instance() {
    static ReglageSysteme systeme;
    return s_substitut ? *s_substitut : systeme;
}

ReglageHorloge::Substitution::Substitution(ReglageHorloge& substitut) : m_precedent(s_substitut) {
    s_substitut = &substitut;
}

ReglageHorloge::Substitution::~Substitution() {
    s_substitut = m_precedent;
}
