#pragma once
// A move-only owner of one handle of any kind. Regle gives the kind's null value and how to
// release one; the owner releases each value it holds exactly once, on every path. Free of the
// platform's headers, so that its rules of ownership are checked natively.

#include <utility>

template <typename T, typename Regle> class CPoignee
{
public:
    CPoignee() = default;
    explicit CPoignee(T valeur) : m_valeur(valeur) {}
    ~CPoignee() { Liberer(); }

    CPoignee(const CPoignee&) = delete;
    CPoignee& operator=(const CPoignee&) = delete;
    CPoignee(CPoignee&& autre) noexcept : m_valeur(std::exchange(autre.m_valeur, Regle::Nulle())) {}
    CPoignee& operator=(CPoignee&& autre) noexcept
    {
        if (this != &autre)
        {
            Liberer();
            m_valeur = std::exchange(autre.m_valeur, Regle::Nulle());
        }
        return *this;
    }

    T Get() const { return m_valeur; }
    bool EstValide() const { return m_valeur != Regle::Nulle(); }
    // For the functions that return a handle through a pointer; the old one is released.
    T* Adresse()
    {
        Liberer();
        return &m_valeur;
    }
    void Liberer()
    {
        if (m_valeur != Regle::Nulle())
            Regle::Liberer(m_valeur);
        m_valeur = Regle::Nulle();
    }

private:
    T m_valeur = Regle::Nulle();
};
