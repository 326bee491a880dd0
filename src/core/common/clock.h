#pragma once

#include <QDateTime>

// The one source of "today" and "now". Tests fix it; the program reads the system clock, except
// that a command making a run of documents fixes it for that run, so that they share one date.
class Clock {
public:
    static QDate today() { return now().date(); }
    static QDateTime now();

    // Until the returned guard is destroyed, the clock reads `fixed`.
    class Fixed {
    public:
        explicit Fixed(const QDateTime& fixed);
        ~Fixed();
        Fixed(const Fixed&) = delete;
        Fixed& operator=(const Fixed&) = delete;

    private:
        QDateTime m_previous;
    };

private:
    static QDateTime s_fixed;
};
