#include "core/common/clock.h"

QDateTime Clock::s_fixed;

QDateTime Clock::now() {
    return s_fixed.isValid() ? s_fixed : QDateTime::currentDateTime();
}

Clock::Fixed::Fixed(const QDateTime& fixed) : m_previous(s_fixed) {
    s_fixed = fixed;
}

Clock::Fixed::~Fixed() {
    s_fixed = m_previous;
}
