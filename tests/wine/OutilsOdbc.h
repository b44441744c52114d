#pragma once
// Helpers of the channel database tests under Wine: paths between Unix and the drive letters,
// the files the ODBC stand-ins write, a hidden list box, a scoped environment variable.

#include <windows.h>

#include <string>
#include <vector>

// A Unix path as the drive path a Windows program uses (Wine's wine_get_dos_file_name);
// empty when not under Wine.
std::string CheminDos(const std::string& cheminUnix);

// A scratch folder of the build, emptied; its drive path.
std::string DossierEssai(const std::string& nom);

// Lines of a text file (without their ends); none when the file does not exist.
std::vector<std::string> LignesFichier(const std::string& chemin);

// The lines the stand-in setup DLL logged since EffacerJournal(): "ADD <DBQ>", "REMOVE".
std::vector<std::string> JournalConfigDsn();
void EffacerJournal();

// The [Chaines] section of unixODBC's user ini (the file named by ODBCINI): its lines after
// the header, up to the next section; none when there is no such section.
std::vector<std::string> SectionChaines();
bool SectionChainesPresente();

// The rows of a list box.
std::vector<std::string> LignesListe(HWND liste);

// A hidden, unsorted list box, destroyed with the object.
class CListeEssai
{
public:
    CListeEssai();
    ~CListeEssai();
    CListeEssai(const CListeEssai&) = delete;
    CListeEssai& operator=(const CListeEssai&) = delete;
    HWND Get() const { return m_liste; }
    std::vector<std::string> Lignes() const;

private:
    HWND m_liste;
};

// Sets an environment variable of this process for the object's life.
class CVariableEssai
{
public:
    CVariableEssai(const char* nom, const char* valeur);
    ~CVariableEssai();
    CVariableEssai(const CVariableEssai&) = delete;
    CVariableEssai& operator=(const CVariableEssai&) = delete;

private:
    std::string m_nom;
    std::string m_ancienne;
    bool m_existait;
};
