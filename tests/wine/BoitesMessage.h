#pragma once
// Records and answers the message boxes the program shows while an object of this class
// lives: a CBT hook sees each box as it is activated, reads its caption, text and icon, and
// presses its default button.

#include "framework/Ressources.h"

#include <string>
#include <vector>

struct BoiteVue
{
    std::string titre;
    std::string texte;
    bool iconeErreur = false;
    bool iconeInformation = false;
};

class CBoitesMessage
{
public:
    CBoitesMessage();
    ~CBoitesMessage();
    CBoitesMessage(const CBoitesMessage&) = delete;
    CBoitesMessage& operator=(const CBoitesMessage&) = delete;

    const std::vector<BoiteVue>& Vues() const { return m_vues; }

private:
    static LRESULT CALLBACK Crochet(int code, WPARAM wParam, LPARAM lParam);

    CCrochet m_crochet;
    std::vector<BoiteVue> m_vues;
};
