// The dialog templates as the resource compiler wrote them into the program: windres and
// Microsoft's rc do not give a control the same default styles, so the compiled templates are
// read back, control by control, rather than the script trusted.

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
struct ControleModele
{
    int id;
    std::wstring classe;
    DWORD style;
    std::wstring texte;
    short x, y, cx, cy;
};

struct Modele
{
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::wstring titre;
    WORD points = 0;
    std::wstring police;
    std::vector<ControleModele> controles;
};

// Reads a template's words in order.
class CLecteur
{
public:
    explicit CLecteur(const BYTE* debut) : m_debut(debut), m_p(debut) {}
    WORD Mot()
    {
        WORD valeur;
        std::memcpy(&valeur, m_p, sizeof valeur);
        m_p += sizeof valeur;
        return valeur;
    }
    DWORD DoubleMot()
    {
        DWORD valeur;
        std::memcpy(&valeur, m_p, sizeof valeur);
        m_p += sizeof valeur;
        return valeur;
    }
    short Court() { return static_cast<short>(Mot()); }
    void Octets(std::size_t n) { m_p += n; }
    std::wstring Chaine()
    {
        std::wstring texte;
        for (WORD c = Mot(); c != 0; c = Mot())
            texte += static_cast<wchar_t>(c);
        return texte;
    }
    // A name or an ordinal (0xFFFF then the number); ordinals of the system's classes as
    // their names.
    std::wstring NomOuOrdinal()
    {
        std::memcpy(&m_mot, m_p, sizeof m_mot);
        if (m_mot != 0xFFFF)
            return Chaine();
        Mot();
        switch (const WORD ordinal = Mot())
        {
        case 0x80: return L"Button";
        case 0x81: return L"Edit";
        case 0x82: return L"Static";
        case 0x83: return L"ListBox";
        default: return L"#" + std::to_wstring(ordinal);
        }
    }
    void AlignerDoubleMot()
    {
        while ((m_p - m_debut) % 4 != 0)
            ++m_p;
    }

private:
    const BYTE* m_debut;
    const BYTE* m_p;
    WORD m_mot = 0;
};

// windres writes a DIALOG statement as a DLGTEMPLATE (not the extended form).
Modele LireModele(int id)
{
    Modele modele;
    const HRSRC ressource = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
    if (ressource == nullptr)
        return modele;
    CLecteur l(static_cast<const BYTE*>(LockResource(LoadResource(nullptr, ressource))));
    modele.style = l.DoubleMot();
    l.DoubleMot();
    const WORD nombre = l.Mot();
    l.Court();
    l.Court();
    modele.cx = l.Court();
    modele.cy = l.Court();
    l.NomOuOrdinal(); // menu
    l.NomOuOrdinal(); // class
    modele.titre = l.Chaine();
    if (modele.style & DS_SETFONT)
    {
        modele.points = l.Mot();
        modele.police = l.Chaine();
    }
    for (WORD i = 0; i < nombre; ++i)
    {
        l.AlignerDoubleMot();
        ControleModele c{};
        c.style = l.DoubleMot();
        l.DoubleMot();
        c.x = l.Court();
        c.y = l.Court();
        c.cx = l.Court();
        c.cy = l.Court();
        c.id = static_cast<short>(l.Mot());
        c.classe = l.NomOuOrdinal();
        c.texte = l.NomOuOrdinal();
        l.Octets(l.Mot());
        modele.controles.push_back(c);
    }
    return modele;
}

// The template `id` holds exactly `attendus`, in this order (the tab and Z order), with the
// dialog's style, size and caption, in "MS Sans Serif" 8 pt.
void VerifierModele(int id, DWORD style, short cx, short cy, const std::wstring& titre,
                    const std::vector<ControleModele>& attendus)
{
    const Modele modele = LireModele(id);
    EXPECT_EQ(modele.style, style);
    EXPECT_EQ(modele.cx, cx);
    EXPECT_EQ(modele.cy, cy);
    EXPECT_EQ(modele.titre, titre);
    EXPECT_EQ(modele.points, 8);
    EXPECT_EQ(modele.police, L"MS Sans Serif");
    ASSERT_EQ(modele.controles.size(), attendus.size());
    for (std::size_t i = 0; i < attendus.size(); ++i)
    {
        const ControleModele& a = attendus[i];
        const ControleModele& c = modele.controles[i];
        SCOPED_TRACE("control " + std::to_string(i) + ", ID " + std::to_string(a.id));
        EXPECT_EQ(c.id, a.id);
        EXPECT_EQ(_wcsicmp(c.classe.c_str(), a.classe.c_str()), 0);
        EXPECT_EQ(c.style, a.style) << std::hex << c.style << " instead of " << a.style;
        EXPECT_EQ(c.texte, a.texte);
        EXPECT_EQ(c.x, a.x);
        EXPECT_EQ(c.y, a.y);
        EXPECT_EQ(c.cx, a.cx);
        EXPECT_EQ(c.cy, a.cy);
    }
}

constexpr DWORD DIALOGUE = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD VISIBLE = WS_CHILD | WS_VISIBLE;
constexpr DWORD BOUTON_JOUR = BS_AUTOCHECKBOX | WS_DISABLED | WS_TABSTOP | VISIBLE;
constexpr DWORD SELECTEUR_DATE = DTS_SHORTDATEFORMAT | DTS_RIGHTALIGN | WS_TABSTOP | VISIBLE;
} // namespace

TEST(ModeleEdition, LeModeleCompileEstCeluiDeLEditeur)
{
    VerifierModele(IDD_EDITION, DIALOGUE, 444, 293, L"Edition du Programme", {
        {1010, L"Button", BS_GROUPBOX | WS_GROUP | VISIBLE, L"Toutes les semaines", 7, 113, 121, 147},
        {1020, L"Static", SS_LEFT | WS_GROUP | VISIBLE, L"Heure de départ", 155, 52, 71, 10},
        {1, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP | VISIBLE, L"&Enregistrer", 189, 272, 50, 14},
        {2, L"Button", BS_PUSHBUTTON | WS_TABSTOP | VISIBLE, L"&Annuler", 276, 272, 50, 14},
        {1004, L"Static", SS_CENTER | SS_CENTERIMAGE | WS_GROUP | VISIBLE, L"Nom du programme :", 7, 7, 76, 14},
        {1005, L"Edit", ES_LEFT | ES_AUTOHSCROLL | WS_DISABLED | WS_BORDER | WS_TABSTOP | VISIBLE, L"", 91, 7, 119, 13},
        {1006, L"Button", BS_GROUPBOX | VISIBLE, L"Période du programme", 7, 33, 122, 67},
        {1007, L"Button", BS_AUTORADIOBUTTON | WS_GROUP | VISIBLE, L"Une seule fois", 15, 48, 82, 9},
        {1008, L"Button", BS_AUTORADIOBUTTON | VISIBLE, L"Tous les jours", 15, 65, 94, 13},
        {1009, L"Button", BS_AUTORADIOBUTTON | VISIBLE, L"Toutes les semaines", 15, 86, 98, 13},
        {1018, L"Button", BS_GROUPBOX | WS_GROUP | VISIBLE, L"Date/Heure du programme", 147, 33, 108, 227},
        {1022, L"Button", BS_GROUPBOX | VISIBLE, L"Durée du programme", 154, 88, 96, 57},
        {1023, L"Static", SS_LEFT | WS_GROUP | VISIBLE, L"Minutes", 157, 102, 30, 10},
        {1024, L"Edit", ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | VISIBLE, L"", 195, 103, 27, 11},
        {1026, L"msctls_updown32", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | VISIBLE, L"", 225, 102, 9, 12},
        {1027, L"Static", SS_CENTER | WS_GROUP | VISIBLE, L"Heure de fin", 166, 119, 54, 8},
        {1028, L"Static", SS_CENTER | WS_GROUP | VISIBLE, L"", 165, 134, 64, 9},
        {1029, L"Static", SS_CENTER | WS_GROUP | VISIBLE, L"Date de départ", 163, 159, 78, 10},
        {1031, L"SysDateTimePick32", SELECTEUR_DATE, L"", 169, 172, 68, 12},
        {1032, L"Static", SS_CENTER | WS_GROUP | VISIBLE, L"Date de fin", 163, 196, 78, 10},
        {1033, L"SysDateTimePick32", SELECTEUR_DATE | WS_DISABLED, L"", 169, 216, 68, 12},
        {1034, L"Button", BS_GROUPBOX | VISIBLE, L"Sélection de la chaîne", 262, 38, 175, 114},
        {1036, L"ListBox",
         LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_SORT | VISIBLE,
         L"", 262, 59, 175, 53},
        {1037, L"Static", SS_CENTER | WS_GROUP | VISIBLE, L"Enregistrer dans le programme", 285, 118, 141, 11},
        {1038, L"Edit", ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | VISIBLE, L"", 285, 133, 144, 12},
        {1039, L"Button", BS_AUTOCHECKBOX | WS_TABSTOP | VISIBLE, L"Arrêter l'ordinateur à la fin de la tâche", 265, 190, 174, 16},
        {1043, L"SysDateTimePick32", DTS_TIMEFORMAT | DTS_UPDOWN | DTS_RIGHTALIGN | WS_TABSTOP | VISIBLE, L"", 165, 66, 51, 13},
        {1044, L"Button", BOUTON_JOUR, L"Dimanche", 14, 128, 102, 9},
        {1045, L"Button", BOUTON_JOUR, L"Lundi", 14, 148, 102, 9},
        {1046, L"Button", BOUTON_JOUR, L"Mardi", 14, 168, 102, 9},
        {1047, L"Button", BOUTON_JOUR, L"Mercredi", 14, 188, 102, 9},
        {1048, L"Button", BOUTON_JOUR, L"Jeudi", 14, 208, 102, 9},
        {1049, L"Button", BOUTON_JOUR, L"Vendredi", 14, 228, 102, 9},
        {1050, L"Button", BOUTON_JOUR, L"Samedi", 14, 248, 102, 9},
    });
}

TEST(ModelePasse, LeModeleCompileEstCeluiDuMotDePasse)
{
    constexpr DWORD SAISIE = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | VISIBLE;
    VerifierModele(IDD_PASSE, DIALOGUE, 252, 141, L"Mot de passe", {
        {1, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP | VISIBLE, L"&OK", 50, 120, 50, 14},
        {2, L"Button", BS_PUSHBUTTON | WS_TABSTOP | VISIBLE, L"&Annuler", 159, 120, 50, 14},
        {-1, L"Static", SS_LEFT | WS_GROUP | VISIBLE, L"Exécuter en tant que", 7, 21, 76, 11},
        {1051, L"Edit", SAISIE, L"", 105, 20, 114, 14},
        {-1, L"Static", SS_LEFT | WS_GROUP | VISIBLE, L"Mot de passe", 7, 63, 79, 14},
        {-1, L"Static", SS_LEFT | WS_GROUP | VISIBLE, L"Confirmer le mot de passe", 7, 87, 85, 14},
        {1052, L"Edit", SAISIE | ES_PASSWORD, L"", 105, 59, 114, 14},
        {1053, L"Edit", SAISIE | ES_PASSWORD, L"", 105, 83, 114, 14},
    });
}
