// The start-up against Wine's real Task Scheduler: the registry's TV folder, the scheduler's
// failures, and the schedule list, foreign work items included.

#include "AideTaches.h"
#include "PannesImports.h"

#include "tasks/Modification.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace
{
// The start-up's boxes as the user must read them, written out here rather than taken from the
// program, so that a change of wording in the program shows up in the tests.
const std::string CLE_ABSENTE =
    "La clé HKEY_LOCAL_MACHINE\\SOFTWARE\\Hauppauge\\Radio n'a pas été trouvé.\n Le programme "
    "ne saura pas où chercher l'éxécutable WINTV.\n Veuillez rajouter cette valeur chaine "
    "TvAppPath ayant pour valeur le chemin de l'éxécutable WinTV";
const std::string VALEUR_ABSENTE =
    "La valeur chaine TvAppPath n'a pas été trouvé dans la clé "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Hauppauge\\Radio.\n Le programme ne saura pas où chercher "
    "l'éxécutable WINTV.\n Veuillez rajouter cette valeur chaine TvAppPath ayant pour valeur le "
    "chemin de l'éxécutable WinTV";
const std::string PHRASE_TACHES_PLANIFIEES =
    "Avez-vous installé les tâches planifiées sur votre machine?\nLe programme va être arrêté";
const HRESULT ACCES_REFUSE = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
const HRESULT INTROUVABLE = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);

// The boxes of a start-up, and its end: the window closed, or stopped when a box names why.
void VerifierFin(const Rencontre& r, const std::string& texte)
{
    EXPECT_EQ(r.fin, texte.empty() ? IDCANCEL : CVidaltoDlg::STATUT_ARRET);
    EXPECT_EQ(r.boites, std::vector<std::string>(texte.empty() ? 0 : 1, texte));
}

} // namespace

// The TV folder comes from the registry, a plain string kept exactly as read (no check, no
// separator added), an expandable one expanded. 259 characters fit the 260-byte buffer with their
// terminator; 260, or 260 bytes stored without one, do not, before or after the expansion. A
// value of another type than a string is no folder: its bytes are never taken as one.
TEST(Demarrage, LeDossierDuProgrammeTVVientDuRegistre)
{
    const std::string long259 = "C:\\" + std::string(256, 'x');
    char programmes[MAX_PATH] = {};
    const std::size_t x = 258 - (ExpandEnvironmentStringsA("%ProgramFiles%", programmes, MAX_PATH) - 1);
    const std::string etendu259 = "%ProgramFiles%\\" + std::string(x, 'x');
    // The value, the bytes stored past its characters (-1: no value, -2: no key), its type, its box,
    // the folder read.
    const std::tuple<std::string, int, DWORD, std::string, std::string> cas[] = {
        {"", -2, REG_SZ, CLE_ABSENTE, ""},
        {"", -1, REG_SZ, VALEUR_ABSENTE, ""},
        {long259, 1, REG_SZ, "", long259},
        {long259 + "y", 1, REG_SZ, VALEUR_ABSENTE, ""},
        {long259 + "y", 0, REG_SZ, VALEUR_ABSENTE, ""},
        {"C:\\TV", 1, REG_BINARY, VALEUR_ABSENTE, ""},
        {"%SystemRoot%\\TV", 1, REG_SZ, "", "%SystemRoot%\\TV"},
        {"%SystemRoot%\\TV", 1, REG_EXPAND_SZ, "", "C:\\windows\\TV"},
        {etendu259, 1, REG_EXPAND_SZ, "", programmes + ("\\" + std::string(x, 'x'))},
        {etendu259 + "x", 1, REG_EXPAND_SZ, VALEUR_ABSENTE, ""},
    };
    for (const auto& [valeur, octetsEnPlus, type, message, lu] : cas)
    {
        SCOPED_TRACE(valeur.substr(0, 16) + " " + std::to_string(octetsEnPlus));
        EcrireCheminTV(valeur, octetsEnPlus, type);
        std::string chemin;
        VerifierFin(Demarrer(nullptr, [&chemin](CFenetreEssai& f) { chemin = f.CheminTV(); }), message);
        EXPECT_EQ(chemin, lu);
    }
}

// No scheduler, or one that fails to list, ends the program with the system's text (when it
// has one) and the sentence; so does one work item that cannot be opened, after rows were listed,
// unless the scheduler's service only held its file for a moment.
TEST(Demarrage, UnPlanificateurQuiManqueOuEchoueArreteLeProgrammeAvecSonTexte)
{
    // The call failed, its code and rank, the box.
    const std::tuple<const char*, HRESULT, int, std::string> cas[] = {
        {"CoCreateInstance", INTROUVABLE, 1, "File not found.\r\n" + PHRASE_TACHES_PLANIFIEES},
        {"Enum", ACCES_REFUSE, 1, "Access denied.\r\n" + PHRASE_ADMINISTRATEUR},
        {"Enum", static_cast<HRESULT>(0x80041309), 1, PHRASE_ADMINISTRATEUR},
        {"Activate", INTROUVABLE, 2, "File not found.\r\n" + PHRASE_ADMINISTRATEUR},
        // The scheduler's service reading a file: asked again.
        {"Activate", HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION), 1, ""},
        // The enumerator failing ends the list where it is, without a word.
        {"Next", ACCES_REFUSE, 1, ""},
    };
    ASSERT_TRUE(CreerEnregistrement({L"Premier"}) && CreerEnregistrement({L"Second"}));
    for (const auto& [operation, code, rang, texte] : cas)
    {
        const auto pannes = std::make_shared<CPannes>();
        pannes->InjecterEchec(operation, code, rang);
        const CDetourImports detour(*pannes);
        VerifierFin(Demarrer(pannes), texte);
    }
}

// The real store's work items, ours and those written by another program or damaged: none brings
// the program down. Our recordings are listed with their columns (a comment, cut to the 260-byte
// buffer; a next run, none for a trigger gone by: a success code other than S_OK), more than one
// batch of the enumerator whole, each row beside its work item's name; one that cannot be read is
// reported, or passed over, and the listing goes on; a name too long for the program's buffers is
// not even opened. Editing or deleting any row gets an answer, and acts on that row's work item
// only: a name the code page cannot hold (a full-width J, which it would turn into J) is not listed.
TEST(ListeReelle, LesTachesDuMagasinOntToutesUneReponse)
{
    const std::string prochaine = "14/03/" + std::to_string(DeclencheurAVenir().wBeginYear) + " à 20:45";
    TASK_TRIGGER passe = DeclencheurAVenir();
    passe.wBeginYear = 2001;
    const auto etrange = [](const std::wstring& nom, const std::wstring& limite, std::size_t taille = 0,
                            TASK_TRIGGER_TYPE type = TASK_TIME_TRIGGER_ONCE) {
        return CreerEnregistrement({nom, limite, DeclencheurAVenir(type), L"", L"3", taille});
    };
    ASSERT_TRUE(CreerEnregistrement({L"ListeB", L"5400", DeclencheurAVenir(), L"Journal de 20 h", L"3"}) &&
                CreerEnregistrement({L"ListeD", L"3600", passe, L"", L"3"}));
    // Of the foreign work items, only the file name is checked.
    Lignes attendues = {{"ListeB.mpg", prochaine, "Journal de 20 h", "qvcd", "01:30:00"},
                        {"ListeD.mpg", "", "", "qvcd", "01:00:00"},
                        {"ListeJ.mpg", prochaine, "", "qvcd", "00:01:00"},
                        {"CommentaireLong.mpg", prochaine, std::string(259, 'c'), "qvcd", "01:30:00"},
                        {"CommentaireIllisible.mpg", prochaine, "", "qvcd", "01:30:00"},
                        {"ApplicationIllisible.mpg", "", "", "qvcd", ""},
                        {"ListeEtrange259.mpg"},
                        {"ListeEtrangeLimite.mpg"},
                        {"ListeEtrangeType1.mpg"},
                        {"ListeEtrangeType8.mpg"}};
    for (int i = 1000; i < 1300; ++i)
    {
        const std::wstring nom = L"ListeLot" + std::to_wstring(i);
        ASSERT_TRUE(CreerEnregistrement({nom, L"60", DeclencheurAVenir(), L"", L"3"}));
        attendues.push_back({VersEtroit(nom) + ".mpg", prochaine, "", "qvcd", "00:01:00"});
    }
    // Without parameters or trigger, or with more than 259 bytes of parameters, a work item is no
    // recording.
    ASSERT_TRUE(
        CreerTacheReelle({L"ListeEtrangeVide", L"C:\\TV\\WinTV2K.EXE", L"", L"", DeclencheurAVenir()}) &&
        CreerEnregistrement({L"SansDeclencheur", L"5400", std::nullopt}));
    for (const std::size_t taille : {259, 260, 10000})
        ASSERT_TRUE(etrange(L"ListeEtrange" + std::to_wstring(taille), L"60", taille));
    ASSERT_TRUE(etrange(L"ListeEtrangeLimite", L"123456789012") && etrange(L"ListeJ", L"60") &&
                etrange(L"Liste\xFF2A", L"60") &&
                etrange(L"ListeEtrangeType1", L"60", 0, TASK_TIME_TRIGGER_DAILY) &&
                etrange(L"ListeEtrangeType8", L"60", 0, TASK_EVENT_TRIGGER_AT_LOGON));
    for (const wchar_t* nom : {L"ParametresIllisibles", L"ApplicationIllisible", L"CommentaireIllisible"})
        ASSERT_TRUE(CreerEnregistrement({nom}));
    ASSERT_TRUE(
        CreerEnregistrement({L"CommentaireLong", L"5400", DeclencheurAVenir(), std::wstring(300, L'c')}));
    const auto pannes = std::make_shared<CPannes>();
    // Wine finds a trigger 0 in a work item saved without one; Windows does not.
    pannes->InjecterEchec("GetTrigger", static_cast<HRESULT>(0x80041309), L"SansDeclencheur");
    pannes->InjecterEchec("GetParameters", ACCES_REFUSE, L"ParametresIllisibles");
    pannes->InjecterEchec("GetApplicationName", INTROUVABLE, L"ApplicationIllisible");
    pannes->InjecterEchec("GetComment", ACCES_REFUSE, L"CommentaireIllisible");
    // Windows keeps names longer than a file name of this host: the enumerator lists one too.
    const std::wstring tropLong = std::wstring(260, L'n') + L".job";
    pannes->m_nomsEnPlus.push_back(tropLong);

    // The foreign rows are opened for editing when their trigger is once, daily or weekly, and
    // ListeD and ListeB are not once another program rewrote them, after the listing, with
    // parameters longer than the program writes, or without "startr:"; every row is deleted.
    std::vector<std::string> editees;
    const Script noter = [&editees](HWND d) {
        if (Texte(d, {IDC_FICHIER}).rfind("ListeEtrange", 0) == 0)
            editees.push_back(Texte(d, {IDC_FICHIER, IDC_MINUTES}));
        Cliquer(d, IDCANCEL);
    };
    Rencontre r = Demarrer(pannes, [&](CFenetreEssai& f) {
        CreerEnregistrement({L"ListeD", L"3600", passe, L"", L"3", 300});
        CreerTacheReelle({L"ListeB", L"C:\\TV\\WinTV2K.EXE",
                          L" -c3 -ntod -Startr:ListeB.mpg -qvcd -limit:5400", L"", DeclencheurAVenir()});
        for (int i = static_cast<int>(LireLignes(f).size()) - 1; i >= 0; --i)
        {
            Commande(f, IDC_EDITER, i, {noter});
            Commande(f, IDC_SUPPRIMER, i);
        }
    });
    EXPECT_EQ(r.fin, IDCANCEL);
    for (auto& ligne : r.lignes)
        ligne.resize(ligne[0].rfind("ListeEtrange", 0) == 0 ? 1 : ligne.size());
    EXPECT_THAT(r.lignes, testing::UnorderedElementsAreArray(attendues));
    EXPECT_THAT(editees, testing::UnorderedElementsAre("ListeEtrange259 0", "ListeEtrangeLimite 0",
                                                       "ListeEtrangeType1 1"));
    ASSERT_EQ(r.boites.size(), 5u);
    EXPECT_THAT(std::vector<std::string>(r.boites.begin(), r.boites.begin() + 2),
                testing::UnorderedElementsAre("Access denied.\r\n", "File not found.\r\n"));
    EXPECT_THAT(std::vector<std::string>(r.boites.begin() + 2, r.boites.end()),
                testing::Each(std::string(MESSAGE_PROGRAMME_ILLISIBLE)));
    EXPECT_TRUE(r.apres.empty());
    EXPECT_TRUE(LireTacheReelle(L"Liste\xFF2A").trouvee);
}
