#pragma once

#include <QDateTime>
#include <QString>

// Sets the computer's clock. The program's is the system's own; tests put in its place one
// that only notes what it was given, so that no test ever changes the machine's time.
class ReglageHorloge {
public:
    virtual ~ReglageHorloge() = default;

    // Sets the clock to `instant`, in universal time. Gives an empty text when it was done,
    // otherwise why not, in French, the clock left as it was.
    virtual QString regle(const QDateTime& instant) = 0;

    // The setter in force: the system's unless a substitute is installed.
    static ReglageHorloge& instance();

    class Substitution {
    public:
        explicit Substitution(ReglageHorloge& substitut);
        ~Substitution();
        Substitution(const Substitution&) = delete;
        Substitution& operator=(const Substitution&) = delete;

    private:
        ReglageHorloge* m_precedent;
    };

private:
    static ReglageHorloge* s_substitut;
};
