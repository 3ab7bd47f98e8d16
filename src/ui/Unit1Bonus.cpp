// The main window's part in the bonus game: the pick-a-box window, shown until the pick is over.

#include "ui/Unit1.h"

#include "bonus/Chests.h"
#include "platform/Clock.h"
#include "platform/FreedMemory.h"
#include "platform/MessageBox.h"
#include "presentation/SoundEffects.h"
#include "ui/FormServices.h"
#include "ui/Unit2.h"

#include <QPointer>

namespace varnholt {

void TForm1::bonusGameDealt(const BonusPrizes &prizes) { showBonusGame(prizes); }

void TForm1::showBonusGame(const BonusPrizes &prizes)
{
    if (isHurried(phase_)) {
        applyBonusPrize(Game, prizes[kClosingChest]);
        return;
    }
    TrickFormSetup setup;
    setup.BonusPrizes = prizes;
    setup.ExeDir = ExeDir;
    setup.AssetPrefix = AssetPrefix;
    setup.WindowTitle = QString::fromStdString(WindowTitle);
    setup.screen = services_->screen();

    bool picked = false;
    {
        TTrickForm window(Game, sounds_->player(), *clock_, *messages_, std::move(setup), this);
        bonusWindow_ = &window;
        if (showBonusWindow)
            showBonusWindow(window);
        else
            window.exec();
        bonusWindow_ = nullptr;
        picked = window.boxPicked();
    }
    // The vault's room, chests and surface are megabytes the machine has no more use for.
    returnFreedMemory();
    // A pick is paid into the game state as it is made. Only a program being torn down ends the
    // window without one; the spin is still judged, with the first chest's prize.
    if (!picked)
        applyBonusPrize(Game, prizes[kClosingChest]);
}

void TForm1::hurryBonusWindow()
{
    const QPointer<TTrickForm> window(bonusWindow_);
    if (!window)
        return;
    if (!window->boxPicked()) {
        const ChestRect chest = chestRect(0);
        window->Image3MouseDown((chest.left + chest.right) / 2, (chest.top + chest.bottom) / 2);
    }
    if (window && window->boxPicked())
        window->accept();
}

} // namespace varnholt
