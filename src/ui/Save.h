#pragma once
// The slot dialog: eight saved-game slots in two columns, each with its name, the machine's
// title, its date, credits and borrowings, and a button that saves into it or opens it.
// The dialog reads the slots through the game state, so it keeps the game in progress in the
// "CurrentGame" section while it is open and restores it from there however it closes.

#include "records/SavedGames.h"
#include "records/SlotSession.h"

#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnholt {

struct GameState;
class InputBox;
class MessageSink;

struct LoadSaveSetup {
    int SlotDialogMode = 0;                                 // 1 saves into a slot, 0 opens one
    QString WindowTitle = QStringLiteral("Varnholt Slots"); // shown on every slot; message caption
    std::function<void(int topic)> openHelp;                // empty: the Help button is disabled
};

class TLoadSave : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TLoadSave)

public:
    static constexpr int kClientWidth = 616;
    static constexpr int kClientHeight = 360;

    TLoadSave(GameState &state, const SavedGameFile &file, MessageSink &messages, InputBox &inputBox,
              LoadSaveSetup setup, QWidget *parent = nullptr);
    ~TLoadSave() override;

    // False when the game in progress could not be kept: the dialog has said so and must not
    // be shown, and the game state was left alone.
    bool ready() const { return ready_; }

    // Any slot button; its tag 1..8 names the slot.
    void BitBtn7Click(QObject *Sender);

    // What a screen reader says once the dialog has closed: the game saved or opened, or
    // nothing when neither happened.
    const QString &spokenOutcome() const { return spokenOutcome_; }

    QFrame *Bevel1 = nullptr;
    QFrame *Panel1 = nullptr, *Panel2 = nullptr, *Panel3 = nullptr, *Panel4 = nullptr;
    QFrame *Panel5 = nullptr, *Panel6 = nullptr, *Panel7 = nullptr, *Panel8 = nullptr;
    QLineEdit *Name1 = nullptr, *Name2 = nullptr, *Name3 = nullptr, *Name4 = nullptr;
    QLineEdit *Name5 = nullptr, *Name6 = nullptr, *Name7 = nullptr, *Name8 = nullptr;
    QPushButton *OKBtn = nullptr, *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn3 = nullptr;
    QPushButton *BitBtn4 = nullptr, *BitBtn5 = nullptr, *BitBtn6 = nullptr, *BitBtn7 = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

    // Slot k's panel, name edit and button by index k - 1.
    std::array<QFrame *, kNamedSlotCount> panels() const;
    std::array<QLineEdit *, kNamedSlotCount> names() const;
    std::array<QPushButton *, kNamedSlotCount> slotButtons() const;
    // A label of slot k by its component name ("Game3", "date3", "credits3", "borrowed3").
    QLabel *label(const QString &componentName) const;

    void done(int result) override;

private:
    void FormCreate();
    void FormClose();
    void buildControls();
    QPushButton *addSlotPanel(int k, QFrame *&panel, QLineEdit *&name);
    void fillPanel(int k, const SavedFields &slot);
    void nameSlotButton(int k, const QString &gameName);
    void describeSlot(int k, bool saved);
    void setTabOrderThroughSlots();
    void showError(const RecordResult &failed);

    GameState &state_;
    SlotSession session_;
    MessageSink &messages_;
    InputBox &inputBox_;
    LoadSaveSetup setup_;
    bool ready_ = false;
    bool closed_ = false;
    QString spokenOutcome_;
};

} // namespace varnholt
