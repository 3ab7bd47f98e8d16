// Hover hints on the face's controls and the face as a screen reader lists it.

#include "FormFixture.h"
#include "TestWindows.h"

#include "presentation/FaceControls.h"
#include "ui/FaceWidget.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class FaceHints : public PlayTest {};

// name -> the value its accessible child shows, for the meters.
std::map<QString, QString> meterValues(QAccessibleInterface &face)
{
    std::map<QString, QString> values;
    for (int i = 0; i < face.childCount(); ++i) {
        QAccessibleInterface *child = face.child(i);
        if (child->role() == QAccessible::StaticText) {
            // The name is the caption, then the number when one shows.
            const QString value = child->text(QAccessible::Value);
            const QString name = child->text(QAccessible::Name);
            EXPECT_EQ(name.endsWith(": " + value), !value.isEmpty()) << name.toStdString();
            values[name.section(':', 0, 0)] = value;
        }
    }
    return values;
}

} // namespace

TEST_F(FaceHints, HintsAtTheHitAreas)
{
    auto form = makePlayForm(1024, 768);
    FaceWidget &face = form->faceWidget();
    const auto at = [&](int designX, int designY) {
        return TestFaceWidget::hintTextAt(face, {form->Scale(designX), form->Scale(designY)});
    };
    EXPECT_EQ(at(kSpinX, kSpinY), QString::fromUtf8("Spin — Enter or Space; puts the last stake in again"));
    EXPECT_EQ(at(kBet1X, kBet1Y), QString::fromUtf8("Put in one coin — B"));
    EXPECT_EQ(at(kBet3X, kBet3Y), QString::fromUtf8("Put in coins up to three and spin — M"));
    EXPECT_EQ(at(kNudgeButtonX[2], kNudgeButtonY),
              QString::fromUtf8("Nudge this reel down one symbol — 1/2/3"));
    EXPECT_TRUE(at(kCoinSlotX, kCoinSlotY).startsWith("Coin slot"));
    EXPECT_TRUE(at(617, 250).startsWith("Nudges"));
    EXPECT_TRUE(at(600, 50).startsWith("Credits"));
    EXPECT_TRUE(at(400, 300).isEmpty()) << "the reels have none";
    // The logo keeps its picture's size: its far corner is unscaled.
    const int logo = form->Scale(10);
    EXPECT_TRUE(TestFaceWidget::hintTextAt(face, {logo + 125, logo + 70})
                    .endsWith("https://tumblewick.example/games/"));
    EXPECT_TRUE(TestFaceWidget::hintTextAt(face, {logo + 126, logo + 70}).isEmpty());
    // The Spin button's edge is its press area's edge.
    EXPECT_FALSE(TestFaceWidget::hintTextAt(face, {738, form->Scale(300)}).isEmpty());
    EXPECT_TRUE(TestFaceWidget::hintTextAt(face, {737, form->Scale(300)}).isEmpty());

    // Delivered as the window system would, the hint shows.
    face.show();
    const QPoint spin(form->Scale(kSpinX), form->Scale(kSpinY));
    QHelpEvent help(QEvent::ToolTip, spin, face.mapToGlobal(spin));
    QCoreApplication::sendEvent(&face, &help);
    EXPECT_EQ(QToolTip::text(), at(kSpinX, kSpinY));
    QToolTip::hideText();
}

TEST_F(FaceHints, ScreenReaderSeesNamedControlsAndLiveMeters)
{
    auto form = makePlayForm();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&form->faceWidget());
    ASSERT_NE(face, nullptr);
    QStringList buttons;
    for (int i = 0; i < face->childCount(); ++i)
        if (face->child(i)->role() == QAccessible::Button)
            buttons << face->child(i)->text(QAccessible::Name);
    EXPECT_EQ(buttons, (QStringList{"Spin", "Bet 1", "Bet 3", "Coin slot", "Nudge reel 1", "Nudge reel 2",
                                    "Nudge reel 3"}));
    EXPECT_EQ(face->indexOfChild(face->child(3)), 3);

    const GameState &g = form->game();
    const auto before = meterValues(*face);
    EXPECT_EQ(before.at("Credits"), QString::number(g.Credits));
    EXPECT_EQ(before.at("Nudges"), QString::number(g.Nudges));
    EXPECT_EQ(before.at("Winnings"), "") << "blank until a win counts up";

    forceStops(*form, kSkullMiddleStops);
    betOne(*form);
    EXPECT_EQ(meterValues(*face).at("Coins"), "1");
    spin(*form);
    const auto after = meterValues(*face);
    EXPECT_EQ(after.at("Credits"), QString::number(g.Credits));
    EXPECT_EQ(after.at("Winnings"), "3");
    EXPECT_NE(after.at("Credits"), before.at("Credits"));
}
