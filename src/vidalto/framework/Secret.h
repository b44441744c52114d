#pragma once
// A text that must not outlive its use, a password: in a fixed buffer of 260 units (259 and the
// terminator), never in a growable text, written over when it goes.

#include "framework/Conversion.h"

#include <windows.h>

template <typename C> class CSecret
{
public:
    CSecret() = default;
    ~CSecret() { Effacer(); }
    CSecret(const CSecret&) = delete;
    CSecret& operator=(const CSecret&) = delete;

    // The buffer, TAILLE_TAMPON units; what is written there goes with the object.
    C* Tampon() { return m_texte; }
    const C* Texte() const { return m_texte; }
    void Effacer() { SecureZeroMemory(m_texte, sizeof m_texte); }

private:
    C m_texte[TAILLE_TAMPON] = {};
};
