// The main window's part in saved games: the File menu's Open and Save commands and the slot
// dialog they share.

#include "ui/HistoryFeed.h"
#include "ui/Unit1.h"

#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "records/SavedGames.h"
#include "ui/Save.h"
#include "ui/SpokenFeed.h"
#include "ui/SpokenNotice.h"

namespace varnholt {

void TForm1::SaveGame1Click()
{
    if (!mayRun(Command::SaveGame, phase_))
        return;
    SlotDialogMode = 1;
    runSlotDialog();
}

void TForm1::OpenGame1Click()
{
    if (!mayRun(Command::OpenGame, phase_))
        return;
    SlotDialogMode = 0;
    const SavedFields before = savedFieldsOf(Game);
    runSlotDialog();
    if (!(savedFieldsOf(Game) == before))
        history_->gameBegun(Game, true);
    FormPaint(); // the meters show the game now in progress
}

void TForm1::runSlotDialog()
{
    // The dialog lends the game state to the slots it reads, so play stays locked meanwhile;
    // the modal run already keeps the player's input away, this keeps any other away too.
    enterPhase(PlayEvent::SlotsOpened);
    {
        LoadSaveSetup setup{SlotDialogMode, QString::fromStdString(WindowTitle), openHelpTopic};
        TLoadSave dialog(Game, *savedGames_, *messages_, *inputBox_, std::move(setup), this);
        slotDialog_ = &dialog;
        if (dialog.ready())
            runSideWindow(dialog);
        if (!dialog.spokenOutcome().isEmpty())
            spoken_->notice().say(dialog.spokenOutcome());
        slotDialog_ = nullptr;
    }
    enterPhase(PlayEvent::SlotsClosed);
}

void TForm1::closeSlotDialog()
{
    if (slotDialog_)
        slotDialog_->reject();
}

} // namespace varnholt
