#pragma once
// A modal dialog from a resource template, with its messages dispatched to virtual handlers.

#include <windows.h>

class CEchange;

class CDialogue
{
public:
    explicit CDialogue(UINT idModele, HWND parent = nullptr);
    virtual ~CDialogue();
    CDialogue(const CDialogue&) = delete;
    CDialogue& operator=(const CDialogue&) = delete;

    // Runs the dialog; 1 for OK, 2 for cancel, -1 when it could not be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR resultat);

    HWND Fenetre() const { return m_hWnd; }
    HWND Controle(int id) const { return GetDlgItem(m_hWnd, id); }
    void ActiverControle(int id, bool actif) const { EnableWindow(Controle(id), actif ? TRUE : FALSE); }

    // A message box over the dialog, with an OK button: its text, caption and icon (MB_ICON...).
    void Boite(const char* texte, const char* titre, UINT icone) const;
    // The program's way of telling a failure: the box "Erreur" with the stop icon.
    void AfficherErreur(const char* texte) const { Boite(texte, "Erreur", MB_ICONERROR); }

    // Copies members and controls into each other as a whole: read (controls to members)
    // or show. Notifications from the dialog's own controls are not handled meanwhile.
    void EchangerDonnees(bool lire);
    // The same for the pairs of control id only: a handler touches its own fields, and the
    // user's work in the other controls is left alone.
    void EchangerControle(int id, bool lire);

protected:
    virtual void DoDataExchange(CEchange& /*echange*/) {}
    // Base: a first show of the members into the controls. True gives the focus to the
    // first tab stop.
    virtual BOOL OnInitDialog();
    // true when the command was handled. The base hands a button's click to OnButtonClicked.
    virtual bool OnCommand(WORD id, WORD code, HWND controle);
    // A click on button id (also its keyboard equivalent); true when handled. The base runs OK
    // and cancel.
    virtual bool OnButtonClicked(int id);
    virtual bool OnNotify(int id, NMHDR* entete, LRESULT& resultat);
    virtual void OnTimer(UINT_PTR /*id*/) {}
    // false hands the command to the default handling.
    virtual bool OnSysCommand(WPARAM /*commande*/, LPARAM /*parametre*/) { return false; }
    // false leaves painting to the default dialog painting.
    virtual bool OnPaint() { return false; }
    virtual HICON OnQueryDragIcon() { return nullptr; }
    // Default close handling: the cancel command.
    virtual void OnClose() { OnCancel(); }
    // The session ends (fin) or goes on after all: once this returns with fin, Windows may end the
    // process at any moment.
    virtual void OnEndSession(bool /*fin*/) {}
    virtual void OnOK();
    virtual void OnCancel();

private:
    static INT_PTR CALLBACK Procedure(HWND fenetre, UINT message, WPARAM wParam, LPARAM lParam);
    void Echanger(CEchange& echange);
    INT_PTR Traiter(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_idModele;
    HWND m_parent;
    bool m_echangeEnCours = false;

protected:
    HWND m_hWnd = nullptr;
};
