#pragma once
// The values that define one programme, as the editor shows them and the recording steps
// read them, and the rules that tie them together.

#include "framework/Temps.h"
#include <cstdint>
#include <string>

// The largest duration whose seconds fit 32 bits, in minutes (35 791 394 min).
constexpr std::int64_t MINUTES_MAX = INT32_MAX / 60;

// The leading decimal number of a minutes text as a duration: white space skipped, an
// optional sign, digits up to the first other character; no number gives 0. Clamped to
// +/- MINUTES_MAX so that its seconds always fit a 32-bit count.
CDureeTemps MinutesEnDuree(const std::string& minutes);

// Why a work item's name (the file name, blanks turned into "_") cannot name a recording, as the
// user is told; null when it can. Refused: the characters \ / : * ? " < > | and control
// characters, "." and ".." (MESSAGE_NOM_INTERDIT); Windows' device names CON, PRN, AUX, NUL, COM1
// to COM9 and LPT1 to LPT9 in any case, alone or before a dot, which the recording's file would
// open in place of a file (MESSAGE_NOM_RESERVE); "Shutdown" in any case, the shutdown
// companion's (MESSAGE_NOM_ARRET).
const char* RefusNomTache(const std::string& nom);
// The shutdown companion's work item name, which no recording may take.
extern const char* const NOM_COMPAGNON;
extern const char* const MESSAGE_NOM_INTERDIT;
extern const char* const MESSAGE_NOM_RESERVE;
extern const char* const MESSAGE_NOM_ARRET;

class CDefinitionProgramme
{
public:
    std::int32_t m_uneFois = 1;
    std::int32_t m_toutesLesSemaines = 0;
    std::int32_t m_tousLesJours = 0;
    std::int32_t m_chaine = 0;        // position of the chosen row in the channel list
    std::int32_t m_dureeSecondes = 0; // minutes x 60
    std::string m_nomProgramme;
    CTemps m_dateDepart;
    std::string m_fichier;
    std::string m_minutes;
    CTemps m_heureDepart; // 0 when the editor opens: a new programme
    CTemps m_dateFin;
    std::string m_heureFin; // "%H:%M"
    std::int32_t m_dimanche = 0;
    std::int32_t m_jeudi = 0;
    std::int32_t m_lundi = 0;
    std::int32_t m_mardi = 0;
    std::int32_t m_mercredi = 0;
    std::int32_t m_samedi = 0;
    std::int32_t m_vendredi = 0;
    std::int32_t m_arreter = 0;
    char m_dossierTV[260] = {};

    // Copies the TV folder; a folder of 260 characters or more does not fit and is refused
    // (m_dossierTV is then empty).
    bool DefinirDossierTV(const char* dossier);

    // m_dureeSecondes and m_heureFin from m_minutes and m_heureDepart. An end that leaves the
    // date-time range gives an empty m_heureFin.
    void CalculerFin();

    // The values of a new programme, at instant maintenant.
    void DefinirValeursNouvelles(CTemps maintenant);
};
