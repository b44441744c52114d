#pragma once
// The programme editor "Edition du Programme": the user defines a new programme or changes
// one, with the channel list of the TV application's database. It ends with 1 ("&Enregistrer",
// the members read from the controls) or 2; it writes nothing itself.

#include "programme/DefinitionProgramme.h"
#include "framework/Controles.h"
#include "framework/Dialogue.h"
#include "resources/resource.h"

class CEdition : public CDialogue, public CDefinitionProgramme
{
public:
    enum
    {
        IDD = IDD_EDITION
    };
    explicit CEdition(HWND parent = nullptr);
    ~CEdition() override;

    CHautBas m_spinMinutes;

protected:
    void DoDataExchange(CEchange& echange) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND controle) override;
    bool OnButtonClicked(int id) override;
    bool OnNotify(int id, NMHDR* entete, LRESULT& resultat) override;
    // The close box (and Alt+F4) removes the data source "Chaines", then ends with 2.
    void OnClose() override;
    // "&Enregistrer" reads the values; the file name of a new programme, which names its work
    // item and its file, must be one that can: otherwise the user is told and the editor stays
    // open, the file name selected.
    void OnOK() override;

    // A click on one of the period's radio buttons.
    void OnPeriode(int id);
    void OnChangeHeureDepart();
    void OnChangeMinutes();
    void OnChangeFichier();
    void OnSelchangeChaines();

    // Keeps the duration and the end time in step with the minutes and the start time; once
    // the editor has opened, through a read and a show of their controls.
    void ActualiserFin();

private:
    // Registration, connection and the channel rows; false when the editor must not open
    // (it has then been ended with 2).
    bool OuvrirChaines();
    // The period as the index of its radio button (once, daily, weekly), from the flags the
    // rules read (once first, then daily, else weekly); and the flags of an index.
    std::int32_t Periode() const;
    void DefinirPeriode(std::int32_t periode);
    // The weekday boxes for a weekly period, the end date for a repeated one.
    void ActiverPeriode();

    // Its opening is over: the user's changes are followed from then on. Not the window's
    // visibility, which a desktop may report false for a moment while the editor works.
    bool m_ouvert = false;
};
