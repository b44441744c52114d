// The minutes typed in the editor (MinutesEnDuree) and the end time shown from them
// (CalculerFin). Input: the start instant (4 bytes, seconds since 1970), then the minutes text.
#include "Entree.h"

#include "programme/DefinitionProgramme.h"

#include <algorithm>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    FixerFuseauParis();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    COctets octets(donnees, taille);
    const std::int32_t depart = octets.Lire<std::int32_t>();
    const std::string minutes = octets.Reste();

    // The C library's reading of a leading decimal number (the fuzzer runs in the C locale, and
    // a NUL ends both readings), clamped: its overflow saturates, past the clamp anyway.
    long long attendu = std::strtoll(minutes.c_str(), nullptr, 10);
    attendu = std::max<long long>(-MINUTES_MAX, std::min<long long>(attendu, MINUTES_MAX));
    const CDureeTemps duree = MinutesEnDuree(minutes);
    VERIFIER(duree.TotalSecondes() == attendu * 60);

    CDefinitionProgramme programme;
    programme.m_heureDepart = CTemps(depart);
    programme.m_minutes = minutes;
    programme.CalculerFin();
    VERIFIER(programme.m_dureeSecondes == attendu * 60);
    VERIFIER(programme.m_heureDepart.Secondes() == depart);

    // The end's local "HH:MM", or nothing when it leaves the program's date-time.
    const std::int64_t fin = static_cast<std::int64_t>(depart) + attendu * 60;
    if (fin < INT32_MIN || fin > INT32_MAX)
    {
        VERIFIER(programme.m_heureFin.empty());
        return 0;
    }
    const std::time_t instant = static_cast<std::time_t>(fin);
    std::tm local{};
    VERIFIER(localtime_r(&instant, &local) != nullptr);
    char texte[16];
    std::snprintf(texte, sizeof texte, "%02d:%02d", local.tm_hour, local.tm_min);
    VERIFIER(programme.m_heureFin == texte);
    return 0;
}
