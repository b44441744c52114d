#pragma once
// What the fuzz targets share: the fuzzer's bytes read as the rules' inputs, the check of an
// invariant, the pinned time zone.

#include "tasks/ChampsDeclencheur.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <type_traits>

// An invariant that does not hold ends the run as a crash, so that libFuzzer keeps the input.
#define VERIFIER(condition)                                                                                  \
    do                                                                                                       \
    {                                                                                                        \
        if (!(condition))                                                                                    \
        {                                                                                                    \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

// The targets that read calendar fields pin the zone the native tests use (CET/CEST).
inline void FixerFuseauParis()
{
    setenv("TZ", "Europe/Paris", 1);
    tzset();
}

// The fuzzer's bytes, read from the front: integers little-endian (0 past the end), then texts.
class COctets
{
public:
    COctets(const std::uint8_t* donnees, std::size_t taille) : m_donnees(donnees), m_taille(taille) {}

    template <typename Entier> Entier Lire()
    {
        using NonSigne = std::make_unsigned_t<Entier>;
        NonSigne valeur = 0;
        for (std::size_t i = 0; i < sizeof(Entier); ++i)
        {
            const NonSigne octet = m_position < m_taille ? m_donnees[m_position++] : 0;
            valeur = static_cast<NonSigne>(valeur | (octet << (8 * i)));
        }
        // Copied, not converted: a signed type gets the two's complement reading of the bytes.
        Entier resultat;
        std::memcpy(&resultat, &valeur, sizeof resultat);
        return resultat;
    }

    // Up to the next NUL (dropped) or the end: the texts of the scheduler and the list are
    // C strings.
    std::string Texte()
    {
        std::string texte;
        while (m_position < m_taille && m_donnees[m_position] != 0)
            texte += static_cast<char>(m_donnees[m_position++]);
        if (m_position < m_taille)
            ++m_position;
        return texte;
    }

    std::string Reste()
    {
        std::string reste(reinterpret_cast<const char*>(m_donnees) + m_position, m_taille - m_position);
        m_position = m_taille;
        return reste;
    }

private:
    const std::uint8_t* m_donnees;
    std::size_t m_taille;
    std::size_t m_position = 0;
};

// Every field of a trigger in the mirror's order (44 bytes), whatever the values.
inline ChampsDeclencheur LireDeclencheur(COctets& octets)
{
    ChampsDeclencheur d;
    d.cbTriggerSize = octets.Lire<std::uint16_t>();
    d.Reserved1 = octets.Lire<std::uint16_t>();
    d.wBeginYear = octets.Lire<std::uint16_t>();
    d.wBeginMonth = octets.Lire<std::uint16_t>();
    d.wBeginDay = octets.Lire<std::uint16_t>();
    d.wEndYear = octets.Lire<std::uint16_t>();
    d.wEndMonth = octets.Lire<std::uint16_t>();
    d.wEndDay = octets.Lire<std::uint16_t>();
    d.wStartHour = octets.Lire<std::uint16_t>();
    d.wStartMinute = octets.Lire<std::uint16_t>();
    d.MinutesDuration = octets.Lire<std::uint32_t>();
    d.MinutesInterval = octets.Lire<std::uint32_t>();
    d.rgFlags = octets.Lire<std::uint32_t>();
    d.TriggerType = octets.Lire<std::uint32_t>();
    d.intervalle = octets.Lire<std::uint16_t>();
    d.rgfDaysOfTheWeek = octets.Lire<std::uint16_t>();
    d.Reserved2 = octets.Lire<std::uint16_t>();
    d.wRandomMinutesInterval = octets.Lire<std::uint16_t>();
    return d;
}

inline bool MemesChamps(const ChampsDeclencheur& a, const ChampsDeclencheur& b)
{
    return a.cbTriggerSize == b.cbTriggerSize && a.Reserved1 == b.Reserved1 && a.wBeginYear == b.wBeginYear &&
           a.wBeginMonth == b.wBeginMonth && a.wBeginDay == b.wBeginDay && a.wEndYear == b.wEndYear &&
           a.wEndMonth == b.wEndMonth && a.wEndDay == b.wEndDay && a.wStartHour == b.wStartHour &&
           a.wStartMinute == b.wStartMinute && a.MinutesDuration == b.MinutesDuration &&
           a.MinutesInterval == b.MinutesInterval && a.rgFlags == b.rgFlags &&
           a.TriggerType == b.TriggerType && a.intervalle == b.intervalle &&
           a.rgfDaysOfTheWeek == b.rgfDaysOfTheWeek && a.Reserved2 == b.Reserved2 &&
           a.wRandomMinutesInterval == b.wRandomMinutesInterval;
}

// The instant of local calendar fields on the host's 64-bit time_t, out of the program's range
// included; false when the C library cannot tell.
inline bool InstantLocal(int annee, int mois, int jour, int heure, int minute, std::int64_t& secondes)
{
    std::tm champs{};
    champs.tm_year = annee - 1900;
    champs.tm_mon = mois - 1;
    champs.tm_mday = jour;
    champs.tm_hour = heure;
    champs.tm_min = minute;
    champs.tm_isdst = -1;
    champs.tm_wday = -1;
    const std::time_t instant = std::mktime(&champs);
    if (instant == static_cast<std::time_t>(-1) && champs.tm_wday == -1)
        return false;
    secondes = static_cast<std::int64_t>(instant);
    return true;
}

inline bool EstDecimal(const std::string& texte)
{
    if (texte.empty())
        return false;
    for (char c : texte)
    {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}
