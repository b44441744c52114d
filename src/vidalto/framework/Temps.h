#pragma once
// Date-time of the program: a signed 32-bit count of seconds since 1970-01-01 00:00:00 UTC,
// whose calendar fields are read in local time; 0 means "not set". Sums with a duration are
// made on the seconds count, so they are exact across daylight-saving changes.

#include <cstdint>
#include <string>

class CDureeTemps
{
public:
    CDureeTemps() = default;
    explicit CDureeTemps(std::int64_t secondes) : m_secondes(secondes) {}
    CDureeTemps(std::int64_t jours, std::int64_t heures, std::int64_t minutes, std::int64_t secondes)
        : m_secondes(((jours * 24 + heures) * 60 + minutes) * 60 + secondes)
    {
    }

    std::int64_t TotalSecondes() const { return m_secondes; }
    std::int64_t TotalMinutes() const { return m_secondes / 60; }

private:
    std::int64_t m_secondes = 0;
};

// Calendar fields of an instant in local time.
struct ChampsLocaux
{
    int annee = 0;       // four digits
    int mois = 0;        // 1 to 12
    int jour = 0;        // 1 to 31
    int heure = 0;       // 0 to 23
    int minute = 0;      // 0 to 59
    int seconde = 0;     // 0 to 59
    int jourSemaine = 0; // 1 for Sunday to 7 for Saturday
};

class CTemps
{
public:
    CTemps() = default;
    explicit CTemps(std::int32_t secondes) : m_secondes(secondes) {}

    static CTemps Maintenant();
    // The instant of a local calendar time (daylight saving decided by the system);
    // false when it falls outside the 32-bit range.
    static bool DepuisLocal(int annee, int mois, int jour, int heure, int minute, int seconde,
                            CTemps& resultat);

    std::int32_t Secondes() const { return m_secondes; }
    bool EstDefini() const { return m_secondes != 0; }

    // False when the system cannot convert the instant (negative counts on some systems).
    bool Local(ChampsLocaux& champs) const;
    // "%H:%M" of the local time; empty when the instant cannot be converted.
    std::string HeureMinute() const;

    // The instant plus a duration; false when the sum leaves the 32-bit range.
    bool Plus(CDureeTemps duree, CTemps& resultat) const;

private:
    std::int32_t m_secondes = 0;
};
