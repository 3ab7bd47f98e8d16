// Presses, keys and bets on the main window.

#include "FormFixture.h"

#include "ui/FaceWidget.h"

#include <QKeyEvent>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class PlayInput : public PlayTest {};

void sendKey(TestForm1 &form, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&form.faceWidget(), &event);
}

} // namespace

TEST_F(PlayInput, PressesAreReadOnTheScaledFace)
{
    // At 1024 the Spin button starts at 738; at the design's 800 that spot lies beside it.
    for (const auto &[x, spins] : {std::pair{738, true}, std::pair{737, false}}) {
        auto form = makePlayForm(1024, 768);
        betOne(*form);
        form->FormMouseDown(x, form->Scale(293));
        EXPECT_EQ(form->game().Spins == 1, spins) << x;
    }
}

TEST_F(PlayInput, ThirdCoinSpinsWhicheverControlPutItIn)
{
    auto form = makePlayForm();
    const GameState &g = form->game();
    press(*form, kBet1X, kBet1Y);
    press(*form, kBet1X, kBet1Y);
    EXPECT_EQ(g.CoinsBet, 2);
    EXPECT_EQ(g.Spins, 0);
    press(*form, kBet3X, kBet3Y);
    EXPECT_EQ(g.Spins, 1);
    EXPECT_EQ(g.TotalBets, 3);
    EXPECT_EQ(g.LastBet, 3);
    EXPECT_EQ(g.CoinsBet, 0);
    EXPECT_EQ(waves->count("Vrn1.wav"), 3) << "one coin sound per coin";

    // The coin slot and the B key put coins in like Bet 1.
    press(*form, kCoinSlotX, kCoinSlotY);
    sendKey(*form, Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(g.CoinsBet, 2);
    // Alt+B is the Borrow command's mnemonic and Ctrl+M no key of the machine: no coin goes in.
    sendKey(*form, Qt::Key_B, Qt::AltModifier);
    sendKey(*form, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(g.CoinsBet, 2);
    sendKey(*form, Qt::Key_B);
    EXPECT_EQ(g.Spins, 2);
    EXPECT_EQ(waves->count("Vrn1.wav"), 6);
}

TEST_F(PlayInput, TheTwoMessagesAndWhenTheyCome)
{
    // No credits: a single coin complains, Bet 3 and M put nothing in, silently.
    saveCurrentGameWith([](SavedFields &g) { g.Credits = 0; });
    auto form = makePlayForm();
    press(*form, kBet1X, kBet1Y);
    sendKey(*form, Qt::Key_B);
    press(*form, kCoinSlotX, kCoinSlotY);
    press(*form, kBet3X, kBet3Y);
    sendKey(*form, Qt::Key_M, Qt::ShiftModifier);
    EXPECT_EQ(messageTexts(), std::vector<QString>(3, "You are out of credits...better borrow some!"));
    EXPECT_EQ(messages[0].caption, "Varnholt Slots");
    EXPECT_EQ(form->game().CoinsBet, 0);
    EXPECT_TRUE(waves->played.empty());

    // No coins in and a last stake the credits cannot cover: nothing spins.
    messages.clear();
    saveCurrentGameWith([](SavedFields &g) { g.Credits = 3; });
    form = makePlayForm();
    const GameState &g = form->game();
    forceStops(*form, kLosingStops);
    betOne(*form);
    betOne(*form);
    spin(*form);
    ASSERT_EQ(g.Credits, 1);
    ASSERT_EQ(g.LastBet, 2);
    const std::array<int, 3> stops = g.ReelStops;
    press(*form, kSpinX, kSpinY);
    EXPECT_EQ(messageTexts(), std::vector<QString>{"No bet was placed!"});
    EXPECT_EQ(g.Credits, 1);
    EXPECT_EQ(g.Spins, 1);
    EXPECT_EQ(g.ReelStops, stops);
    EXPECT_FALSE(form->playing());
}

TEST_F(PlayInput, EnterAndSpaceSpinAndMBetsMax)
{
    auto form = makePlayForm();
    const GameState &g = form->game();
    sendKey(*form, Qt::Key_M);
    EXPECT_EQ(g.Spins, 1) << "three coins in spin at once";
    sendKey(*form, Qt::Key_Return);
    sendKey(*form, Qt::Key_Enter);
    sendKey(*form, Qt::Key_Space);
    EXPECT_EQ(g.Spins, 4) << "each spin re-bets the last stake";
    EXPECT_EQ(g.TotalBets, 12);
    EXPECT_EQ(waves->count("Vrn1.wav"), 3) << "a re-bet makes no coin sound";
    sendKey(*form, Qt::Key_A);
    sendKey(*form, Qt::Key_N);
    EXPECT_EQ(g.Spins, 4);
}

TEST_F(PlayInput, GameCommandsAreOfferedOnlyWhileTheMachineIsIdle)
{
    saveCurrentGameWith([](SavedFields &g) { g.Credits = 10; });
    auto form = makePlayForm();
    EXPECT_TRUE(form->NewGame1->isEnabled());
    std::vector<bool> duringSpin;
    int slotDialogsShown = 0;
    form->showSideWindow = [&](QDialog &) { ++slotDialogsShown; };
    clock->duringWait = [&] {
        for (QAction *command : {form->NewGame1, form->OpenGame1, form->SaveGame1})
            duringSpin.push_back(command->isEnabled());
        form->NewGame1Click();
        form->OpenGame1Click();
        form->SaveGame1Click();
    };
    press(*form, kBet3X, kBet3Y);
    ASSERT_FALSE(duringSpin.empty());
    EXPECT_EQ(std::count(duringSpin.begin(), duringSpin.end(), true), 0);
    EXPECT_LT(form->game().Credits, 100) << "New Game did not run inside the spin";
    EXPECT_EQ(slotDialogsShown, 0);
    EXPECT_TRUE(form->NewGame1->isEnabled());
    EXPECT_TRUE(form->OpenGame1->isEnabled());
    EXPECT_TRUE(form->SaveGame1->isEnabled());
}
