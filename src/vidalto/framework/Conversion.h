#pragma once
// Conversions between the ANSI code page of the program's texts and the UTF-16 of the
// scheduler, into bounded buffers.

#include <windows.h>
#include <string>

// Texts of the program live in buffers of 260 units: 259 and the terminator.
constexpr int TAILLE_TAMPON = 260;

// texte into destination (taille units, terminator included). False, with an empty
// destination, when the text does not fit or cannot be converted.
bool VersLarge(const char* texte, wchar_t* destination, int taille);
bool VersLarge(const std::string& texte, wchar_t* destination, int taille);

// texte to ANSI; false when it needs more than octetsMax bytes (resultat is then the first
// octetsMax bytes), when a character has no exact form in the code page (resultat holds the
// system's nearest one: Ｊ for J...), or when it cannot be converted (resultat empty). Only a text
// converted exactly names the same work item once converted back.
bool VersAnsi(const wchar_t* texte, std::string& resultat, int octetsMax = TAILLE_TAMPON - 1);
